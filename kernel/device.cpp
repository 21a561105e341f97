// device.cpp - the devices (PNG, PDF, SVG files drawn with Cairo, the .trace call log), the
// private link through which the widget toolkit hands its frame bitmaps and printer pages to
// the kernel, and the map from kernel units through the output area to device pixels.
//
// Drawing goes to the linked printer page if there is one, else to the linked frame bitmap,
// else to the open file device.  Kernel y grows upward; device rows grow downward.
#include <algorithm>
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "state.h"
#include "tarvlink.h"

namespace tarv {

namespace {

constexpr int kMaxDevicePixels = 16384;

// Geometry of the output: raster size in pixels, output units per pixel, origin.
struct Geometry {
    double width, height;  // pixels (points)
    double xu, yu;         // output units per pixel
    double xo, yo;         // output units at the bottom-left corner
};

// Default size of a file device: 1000 wide at the picture's aspect ratio.
void defaultDeviceSize(int& w, int& h)
{
    const auto& p = state().picture.space;
    double pw = std::fabs(static_cast<double>(p[1]) - p[0]);
    double ph = std::fabs(static_cast<double>(p[3]) - p[2]);
    double aspect = pw > 0.0 ? ph / pw : 0.75;
    double hh = std::round(1000.0 * aspect);
    w = 1000;
    h = static_cast<int>(std::clamp(hh, 1.0, static_cast<double>(kMaxDevicePixels)));
}

Geometry geometry()
{
    const KernelState& s = state();
    const PictureState& p = s.picture;
    if (p.rasterSet)
        return {static_cast<double>(p.rasterWidth),
                static_cast<double>(p.rasterHeight),
                p.xUnitsPerPixel,
                p.yUnitsPerPixel,
                p.xOrigin,
                p.yOrigin};
    if (s.device.cr != nullptr)
        return {s.device.targetWidth, s.device.targetHeight, 1.0, 1.0, 0.0, 0.0};
    int w = 0, h = 0;
    defaultDeviceSize(w, h);
    return {static_cast<double>(w), static_cast<double>(h), 1.0, 1.0, 0.0, 0.0};
}

// The surface drawing goes to now, with its size in device units.
cairo_surface_t* chooseTarget(double& w, double& h, bool& vector)
{
    DeviceState& d = state().device;
    vector = false;
    if (d.linkedPage != nullptr) {
        w = d.pageWidth;
        h = d.pageHeight;
        vector = true;
        return d.linkedPage;
    }
    if (d.linkedRaster != nullptr) {
        w = cairo_image_surface_get_width(d.linkedRaster);
        h = cairo_image_surface_get_height(d.linkedRaster);
        return d.linkedRaster;
    }
    if (d.fileSurface != nullptr) {
        vector = d.kind == DeviceKind::Pdf || d.kind == DeviceKind::Svg;
        w = d.targetWidth;
        h = d.targetHeight;
        return d.fileSurface;
    }
    return nullptr;
}

void dropContext()
{
    DeviceState& d = state().device;
    deviceFlushStroke();
    deviceFlushFills();
    if (d.cr != nullptr) cairo_destroy(d.cr);
    d.cr = nullptr;
    d.crTarget = nullptr;
}

// The raster device's picture into its file; a file that cannot be written is reported under
// the operation that wrote it.
void writePng(const char* operation)
{
    DeviceState& d = state().device;
    if (d.kind != DeviceKind::Png || d.fileSurface == nullptr) return;
    cairo_surface_flush(d.fileSurface);
    if (!writePngFile(d.fileSurface, d.fileName.c_str()))
        kernelFailure(operation, kErrorOutputNotWritten, "cannot write " + d.fileName);
}

// Whether the file can be made (its folder exists and lets us write there), found by making
// it; a file that was not there before is taken away again, as the picture is written later.
bool canCreate(const std::string& name)
{
    std::FILE* probe = std::fopen(name.c_str(), "r");
    bool existed = probe != nullptr;
    if (probe != nullptr) std::fclose(probe);
    std::FILE* f = std::fopen(name.c_str(), "ab");
    if (f == nullptr) return false;
    std::fclose(f);
    if (!existed) std::remove(name.c_str());
    return true;
}

DeviceKind kindOf(const std::string& name)
{
    size_t dot = name.rfind('.');
    if (dot == std::string::npos) return DeviceKind::None;
    std::string ext = name.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "png") return DeviceKind::Png;
    if (ext == "pdf") return DeviceKind::Pdf;
    if (ext == "svg") return DeviceKind::Svg;
    if (ext == "trace") return DeviceKind::Trace;
    return DeviceKind::None;
}

// Cairo hands a PDF or SVG page's bytes here as it makes them; our own file, so that a write
// that fails is known (Cairo's own files report some failures to no one).
cairo_status_t writePageBytes(void* closure, const unsigned char* data, unsigned int length)
{
    DeviceState& d = *static_cast<DeviceState*>(closure);
    if (d.pageFile == nullptr || std::fwrite(data, 1, length, d.pageFile) != length) {
        d.pageWriteFailed = true;
        return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
}

// Closes the page file; false when any of its bytes could not be written.
bool closePageFile()
{
    DeviceState& d = state().device;
    if (d.pageFile == nullptr) return true;
    bool written = std::fclose(d.pageFile) == 0 && !d.pageWriteFailed;
    d.pageFile = nullptr;
    return written;
}

void paintBackground(cairo_surface_t* surface)
{
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    cairo_destroy(cr);
}

void openFileDevice()
{
    DeviceState& d = state().device;
    d.kind = kindOf(d.selected);
    d.fileName = d.selected;
    if (d.selected.empty()) return;
    if (d.kind == DeviceKind::None) {
        kernelFailure("kernelOpenDevice", kErrorUnknownOutputKind,
                      "unknown output kind: " + d.selected);
        return;
    }
    const std::string cannotCreate = "cannot create " + d.fileName;
    if (d.kind == DeviceKind::Trace) {
        state().trace.file = std::fopen(d.fileName.c_str(), "w");
        if (state().trace.file == nullptr) {
            kernelFailure("kernelOpenDevice", kErrorOutputNotCreated, cannotCreate);
            d.kind = DeviceKind::None;
        }
        return;
    }
    if (d.kind == DeviceKind::Png && !canCreate(d.fileName)) {
        kernelFailure("kernelOpenDevice", kErrorOutputNotCreated, cannotCreate);
        d.kind = DeviceKind::None;
        return;
    }
    int w = 0, h = 0;
    const PictureState& p = state().picture;
    if (p.rasterSet) {
        w = p.rasterWidth;
        h = p.rasterHeight;
    } else {
        defaultDeviceSize(w, h);
    }
    if (d.kind != DeviceKind::Png) {
        d.pageFile = std::fopen(d.fileName.c_str(), "wb");
        d.pageWriteFailed = false;
        if (d.pageFile == nullptr) {
            kernelFailure("kernelOpenDevice", kErrorOutputNotCreated, cannotCreate);
            d.kind = DeviceKind::None;
            return;
        }
    }
    cairo_surface_t* s = nullptr;
    if (d.kind == DeviceKind::Png) s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    else if (d.kind == DeviceKind::Pdf)
        s = cairo_pdf_surface_create_for_stream(writePageBytes, &d, w, h);
    else s = cairo_svg_surface_create_for_stream(writePageBytes, &d, w, h);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        kernelFailure("kernelOpenDevice", kErrorOutputNotCreated, cannotCreate);
        cairo_surface_destroy(s);
        closePageFile();
        d.kind = DeviceKind::None;
        return;
    }
    paintBackground(s);
    d.fileSurface = s;
    d.targetWidth = w;
    d.targetHeight = h;
}

// Writes out and closes the file device; a file that could not be written in full is reported
// under the operation that closed it.
void closeFileDevice(const char* operation)
{
    DeviceState& d = state().device;
    if (d.crTarget == d.fileSurface && d.fileSurface != nullptr) dropContext();
    bool written = true;
    if (d.fileSurface != nullptr) {
        writePng(operation);
        cairo_surface_finish(d.fileSurface);
        cairo_surface_destroy(d.fileSurface);
        d.fileSurface = nullptr;
        written = closePageFile();  // PDF and SVG pages are written as they are drawn
    }
    if (state().trace.file != nullptr) {
        bool clean = !std::ferror(state().trace.file);
        written = std::fclose(state().trace.file) == 0 && clean;
        state().trace.file = nullptr;
    }
    if (!written) kernelFailure(operation, kErrorOutputNotWritten, "cannot write " + d.fileName);
    d.kind = DeviceKind::None;
    d.deviceOpen = false;
    d.lostReported = false;
}

}  // namespace

std::array<double, 8> effectiveMapping()
{
    const PictureState& p = state().picture;
    if (p.mappingSet) {
        std::array<double, 8> m{};
        for (size_t k = 0; k < 8; ++k) m[k] = p.mapping[k];
        return m;
    }
    Geometry g = geometry();
    double x1 = p.space[0], x2 = p.space[1], y1 = p.space[2], y2 = p.space[3];
    double areaW = g.width * g.xu, areaH = g.height * g.yu;
    double scale = std::min(areaW / std::fabs(x2 - x1), areaH / std::fabs(y2 - y1));
    double usedW = scale * std::fabs(x2 - x1), usedH = scale * std::fabs(y2 - y1);
    double u1 = g.xo + 0.5 * (areaW - usedW), v1 = g.yo + 0.5 * (areaH - usedH);
    return {x1, x2, y1, y2, u1, u1 + usedW, v1, v1 + usedH};
}

void deviceUpdateTransform()
{
    DeviceState& d = state().device;
    std::array<double, 8> m = effectiveMapping();
    Geometry g = geometry();
    double kx = (m[5] - m[4]) / (m[1] - m[0]);
    double ky = (m[7] - m[6]) / (m[3] - m[2]);
    d.ax = kx / g.xu;
    d.bx = (m[4] - g.xo - m[0] * kx) / g.xu;
    d.ay = -ky / g.yu;
    d.by = g.height + (g.yo - m[6] + m[2] * ky) / g.yu;
    if (!std::isfinite(d.ax) || !std::isfinite(d.ay) || d.ax == 0.0 || d.ay == 0.0 ||
        !std::isfinite(d.bx) || !std::isfinite(d.by)) {
        d.ax = 1.0;
        d.bx = 0.0;
        d.ay = -1.0;
        d.by = g.height;
    }
}

namespace {

// Makes the context follow the target drawing goes to now; false when there is none.
bool followTarget()
{
    DeviceState& d = state().device;
    double w = 0.0, h = 0.0;
    bool vector = false;
    cairo_surface_t* target = chooseTarget(w, h, vector);
    if (target == d.crTarget) return d.cr != nullptr;
    dropContext();
    if (target == nullptr) {
        deviceUpdateTransform();
        return false;
    }
    d.cr = cairo_create(target);
    d.crTarget = target;
    d.vector = vector;
    d.targetWidth = w;
    d.targetHeight = h;
    cairo_set_antialias(d.cr, CAIRO_ANTIALIAS_DEFAULT);
    deviceUpdateTransform();
    return true;
}

}  // namespace

// Drawing that goes nowhere (no device, no linked target, no call log) in a program that has
// opened the kernel is lost: reported once until the device or the target changes, so that a
// long drawing adds one report, not one a segment.  The record names the routine in force,
// whose drawing was lost.  Without kernelOpen the libraries may draw into nothing unreported
// (tests and benchmarks that look only at what a routine computes).
bool deviceActive()
{
    if (followTarget()) return true;
    DeviceState& d = state().device;
    if (state().book.opened && !tracing() && !d.lostReported) {
        d.lostReported = true;
        kernelFailure(routineInForce(), kErrorNoDevice, "no device open: the drawing is lost");
    }
    return false;
}

double deviceScale()
{
    const DeviceState& d = state().device;
    return 0.5 * (std::fabs(d.ax) + std::fabs(d.ay));
}

void deviceCloseAll()
{
    closeFileDevice("resetState");
    dropContext();
}

void deviceWriteFile() { writePng("kernelFlushOutput"); }

// ---- the private link ------------------------------------------------------------------------

// Linking always starts a new context: a new surface may sit where an old one was.
void linkRasterTarget(cairo_surface_t* surface)
{
    dropContext();
    state().device.linkedRaster = surface;
    state().device.lostReported = false;
    state().picture.rasterSet = false;
    followTarget();
}

void linkPageTarget(cairo_surface_t* pdfSurface, double widthPoints, double heightPoints)
{
    dropContext();
    DeviceState& d = state().device;
    bool ok = pdfSurface != nullptr && std::isfinite(widthPoints) && std::isfinite(heightPoints) &&
        widthPoints > 0.0 && heightPoints > 0.0;
    d.linkedPage = ok ? pdfSurface : nullptr;
    d.pageWidth = ok ? widthPoints : 0.0;
    d.pageHeight = ok ? heightPoints : 0.0;
    d.lostReported = false;
    state().picture.rasterSet = false;
    followTarget();
}

void linkFlushHook(void (*hook)()) { state().device.flushHook = hook; }

}  // namespace tarv

using namespace tarv;

// ---- devices ---------------------------------------------------------------------------------

void kernelSelectOutput(const char* name, int length)
{
    int n = textLength(name, length);
    while (n > 0 && name[n - 1] == ' ') --n;
    state().device.selected.assign(name ? name : "", static_cast<size_t>(n));
    if (tracing()) TraceLine("kernelSelectOutput").text(name, length).emit();
}

void kernelOpen()
{
    state().book.opened = true;
    if (tracing()) TraceLine("kernelOpen").emit();
}

void kernelOpenDevice()
{
    if (state().device.deviceOpen) closeFileDevice("kernelOpenDevice");
    openFileDevice();
    state().device.deviceOpen = true;
    state().device.lostReported = false;
    followTarget();
    if (tracing()) TraceLine("kernelOpenDevice").emit();
}

void kernelCloseDevice()
{
    if (tracing()) TraceLine("kernelCloseDevice").emit();
    closeFileDevice("kernelCloseDevice");
}

void kernelClose()
{
    if (tracing()) TraceLine("kernelClose").emit();
    closeFileDevice("kernelClose");
    state().book.opened = false;
}

void kernelFlushOutput()
{
    if (tracing()) TraceLine("kernelFlushOutput").emit();
    DeviceState& d = state().device;
    deviceFlushStroke();
    deviceFlushFills();
    if (d.crTarget != nullptr) cairo_surface_flush(d.crTarget);
    writePng("kernelFlushOutput");
    if (state().trace.file != nullptr) std::fflush(state().trace.file);
    if (d.flushHook != nullptr) d.flushHook();
}

// ---- picture space, mapping, raster ------------------------------------------------------------

void kernelSetPictureSpace(const float& x1, const float& x2, const float& y1, const float& y2)
{
    if (finite2(x1, x2) && finite2(y1, y2) && x1 != x2 && y1 != y2) {
        state().picture.space = {x1, x2, y1, y2};
        deviceUpdateTransform();
    } else {
        kernelDiagnostic("kernelSetPictureSpace", "empty or non-finite picture space ignored");
    }
    if (tracing()) TraceLine("kernelSetPictureSpace").r(x1).r(x2).r(y1).r(y2).emit();
}

void kernelEnquirePictureSpace(int& status, const int& first, const int& count, float* values)
{
    const auto& p = state().picture.space;
    status = (first >= 1 && count >= 0 && static_cast<long long>(first) + count - 1 <= 4) ? 0 : 1;
    long long n = 0;  // elements handed back (the log shows those)
    if (values != nullptr && count > 0) {
        long long last = std::min<long long>(count, 4 - static_cast<long long>(first) + 1);
        // Only the places k whose element first + k lies in 1..4 are written: at most four,
        // however far before the first element the caller starts.
        const long long from = std::max<long long>(0, 1 - static_cast<long long>(first));
        for (long long k = from; k < last; ++k) {
            values[k] = p[static_cast<size_t>(first + k - 1)];
        }
        n = std::max<long long>(last, 0);
    }
    if (tracing())
        TraceLine("kernelEnquirePictureSpace")
            .i(first)
            .i(count)
            .arrow()
            .i(status)
            .reals(values, n)
            .emit();
}

void kernelSetMapping(const float& x1, const float& x2, const float& y1, const float& y2,
                      const float& u1, const float& u2, const float& v1, const float& v2)
{
    bool ok = finite2(x1, x2) && finite2(y1, y2) && finite2(u1, u2) && finite2(v1, v2) &&
        x1 != x2 && y1 != y2 && u1 != u2 && v1 != v2;
    if (ok) {
        state().picture.mapping = {x1, x2, y1, y2, u1, u2, v1, v2};
        state().picture.mappingSet = true;
        deviceUpdateTransform();
    } else {
        kernelDiagnostic("kernelSetMapping", "empty or non-finite mapping ignored");
    }
    if (tracing())
        TraceLine("kernelSetMapping").r(x1).r(x2).r(y1).r(y2).r(u1).r(u2).r(v1).r(v2).emit();
}

void kernelEnquireMapping(float& x1, float& x2, float& y1, float& y2, float& u1, float& u2,
                          float& v1, float& v2)
{
    std::array<double, 8> m = effectiveMapping();
    float* out[8] = {&x1, &x2, &y1, &y2, &u1, &u2, &v1, &v2};
    for (size_t k = 0; k < 8; ++k) *out[k] = toFloat(m[k]);
    if (tracing())
        TraceLine("kernelEnquireMapping")
            .arrow()
            .r(x1)
            .r(x2)
            .r(y1)
            .r(y2)
            .r(u1)
            .r(u2)
            .r(v1)
            .r(v2)
            .emit();
}

void kernelSetRasterOutput(const int& width, const int& height, const float& xUnitsPerPixel,
                           const float& yUnitsPerPixel, const float& xOrigin, const float& yOrigin)
{
    bool ok = width > 0 && height > 0 && width <= kMaxDevicePixels && height <= kMaxDevicePixels &&
        finite2(xUnitsPerPixel, yUnitsPerPixel) && finite2(xOrigin, yOrigin) &&
        xUnitsPerPixel > 0.0f && yUnitsPerPixel > 0.0f;
    if (ok) {
        PictureState& p = state().picture;
        p.rasterSet = true;
        p.rasterWidth = width;
        p.rasterHeight = height;
        p.xUnitsPerPixel = xUnitsPerPixel;
        p.yUnitsPerPixel = yUnitsPerPixel;
        p.xOrigin = xOrigin;
        p.yOrigin = yOrigin;
        deviceUpdateTransform();
    } else {
        kernelDiagnostic("kernelSetRasterOutput", "raster size or scale out of range ignored");
    }
    if (tracing())
        TraceLine("kernelSetRasterOutput")
            .i(width)
            .i(height)
            .r(xUnitsPerPixel)
            .r(yUnitsPerPixel)
            .r(xOrigin)
            .r(yOrigin)
            .emit();
}

namespace tarv {

void resetState(bool libraryFlagsToo)
{
    deviceCloseAll();
    state().device.tiled = TiledFills{};
    resetValues(libraryFlagsToo);
    deviceUpdateTransform();
}

}  // namespace tarv
