// kernel_layer.cpp - pens, fill codes, polylines, polygon parts, markers, text and the
// kernel enquiries of the library.  Every drawing of the library reaches the kernel here.
#include "frame/kernel_layer.h"

#include <cmath>
#include <vector>

#include "frame/state.h"
#include "tarvcore.h"
#include "tarvfills.h"

using namespace surflib;

namespace {

constexpr int kStyleBand = 1000;
constexpr int kPenBand = 2000;
constexpr float kDegreesPerRadian = 57.29578f;

// The control character of the kernel while the library draws or measures a text with "*"
// in it, and the character in force before.
char swapControlChar()
{
    char current[1] = {' '};
    kernelEnquireControlChar(current, 1);
    if (current[0] == '*') {
        static const char at[] = "@";
        kernelSetControlChar(at, 1);
    }
    return current[0];
}

void restoreControlChar(char ch)
{
    const char text[1] = {ch};
    kernelSetControlChar(text, 1);
}

}  // namespace

namespace surflib {

int surfaceVertexCount(float count)
{
    if (!std::isfinite(count)) return 0;
    const double rounded = std::round(static_cast<double>(count));
    if (rounded <= 0.0) return 0;
    if (rounded > 1.0e9) return 1000000000;
    return static_cast<int>(rounded);
}

namespace {

// Fills one part: consecutive exact duplicates dropped, the pen moved to the last vertex kept
// so that the polygon the kernel fills (current point, then the vertices) is closed.
void fillPart(int style, int pen, int m, const float* x, const float* y)
{
    static std::vector<float> wideX, wideY;  // for parts beyond the fixed buffer
    float* bx = surfaceState.fillBufferX;
    float* by = surfaceState.fillBufferY;
    if (m > kSurfaceFillBufferPoints) {
        if (wideX.size() < static_cast<size_t>(m)) {
            wideX.resize(m);
            wideY.resize(m);
        }
        bx = wideX.data();
        by = wideY.data();
    }
    int kept = 0;
    for (int i = 0; i < m; ++i) {
        if (kept > 0 && x[i] == bx[kept - 1] && y[i] == by[kept - 1]) continue;
        bx[kept] = x[i];
        by[kept] = y[i];
        ++kept;
    }
    const int reserved = 0;
    kernelMovePen(bx[kept - 1], by[kept - 1]);
    kernelFillPolygon(style, pen, reserved, bx, by, kept);
}

}  // namespace

void surfaceSelectPen(int code)
{
    if (code < kStyleBand) {
        const int solid = 0;
        kernelSetColour(code);
        kernelSetLineStyle(solid);
    } else if (code < kPenBand) {
        const int value = code - kStyleBand;
        kernelSetLineStyle(value);
        kernelSetColour(value);
    } else {
        const int pen = code - kPenBand;
        kernelSetPen(pen);
    }
}

void surfaceSetFillCode(int code)
{
    SurfaceSavedKernelState& s = surfaceState.saved;
    s.currentFillCode = code;
    // Compared with the code the style and colour were decoded from (not with the code of the
    // last fill), so that a code set without a fill in between is never left undecoded.
    if (code == s.decodedFillCode) return;
    if (code < kStyleBand) {
        s.fillStyle = 0;
        s.fillColour = code;
    } else if (code < kPenBand) {
        s.fillStyle = code - kStyleBand;
        s.fillColour = -1;
    } else {
        s.fillStyle = code - kPenBand;
        s.fillColour = code - kPenBand;
    }
    s.decodedFillCode = code;
}

void surfaceFillPolygons(int np, const float* counts, const float* x, const float* y)
{
    SurfaceSavedKernelState& s = surfaceState.saved;
    int pen = 0;
    if (s.currentFillCode < kPenBand) {
        if (s.fillColour >= 0 && s.fillColour <= 999) kernelSetColour(s.fillColour);
    } else {
        pen = s.fillColour;
    }
    long long offset = 0;
    const bool parts = counts != nullptr && x != nullptr && y != nullptr;
    for (int k = 0; parts && k < np; ++k) {
        // Parts of no vertices are skipped: they would read a vertex of the next part.
        const int m = surfaceVertexCount(counts[k]);
        if (m == 0) continue;
        fillPart(s.fillStyle, pen, m, x + offset, y + offset);
        offset += m;
    }
}

SurfaceTiledFills::SurfaceTiledFills() { tarv::beginTiledFills(); }

SurfaceTiledFills::~SurfaceTiledFills() { tarv::endTiledFills(); }

void surfaceDrawPolyline(int n, const float* x, const float* y)
{
    if (n < 1 || x == nullptr || y == nullptr) return;
    kernelMovePen(x[0], y[0]);
    if (n == 1) return;
    for (int i = 1; i < n; ++i) kernelDrawLineTo(x[i], y[i]);
    kernelMovePen(x[n - 1], y[n - 1]);
}

void surfaceSetMarkerSymbol(int symbol) { surfaceState.saved.markerSymbol = symbol; }

void surfaceDrawMarker(int /*count*/, float x, float y)
{
    kernelMovePen(x, y);
    kernelDrawMarker(surfaceState.saved.markerSymbol);
    kernelMovePen(x, y);
}

void surfaceDrawText(float x, float y, const char* text, int length, int control)
{
    int style = 0;
    kernelEnquireLineStyle(style);
    if (style != 0) {
        const int solid = 0;
        kernelSetLineStyle(solid);
    }
    kernelSetTextPosition(x, y);
    char previous = ' ';
    if (control == 1) previous = swapControlChar();
    kernelDrawText(text, length);
    if (control == 1) restoreControlChar(previous);
    kernelMovePen(x, y);
    if (style != 0) kernelSetLineStyle(style);
}

void surfaceMeasureText(const char* text, int length, int& status, float& width, float& r2,
                        float& r3, float& height, int control)
{
    int mode = 0, font = 0, fifth = 0;
    float w = 0.0f, h = 0.0f, angle = 0.0f;
    kernelEnquireTextAttributes(mode, w, h, font, fifth, angle);
    char previous = ' ';
    if (control == 1) previous = swapControlChar();
    float e1 = 0.0f, e2 = 0.0f, e3 = 0.0f, e4 = 0.0f, e5 = 0.0f;
    kernelEnquireTextExtent(text, length, e1, e2, e3, e4, e5);
    if (control == 1) restoreControlChar(previous);
    width = e1;
    r2 = 0.0f;
    r3 = 0.0f;
    height = h;
    status = 0;
}

void surfaceSetTextSize(float height)
{
    int mode = 0, font = 0, fifth = 0;
    float w0 = 0.0f, h0 = 0.0f, angle = 0.0f;
    kernelEnquireTextAttributes(mode, w0, h0, font, fifth, angle);
    const float width = h0 > 1.0e-6f ? w0 * height / h0 : height;
    kernelSetCharSize(width, height);
}

void surfaceSetTextAngle(float dx, float dy)
{
    // Rounded to single precision before the quarter turn is taken off, so that a vector
    // straight up gives exactly 0 degrees.
    const float degrees = static_cast<float>(
        std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * kDegreesPerRadian);
    const float angle = degrees - 90.0f;
    kernelSetCharAngle(angle);
}

void surfaceSuspendLineStyle()
{
    kernelEnquireLineStyle(surfaceState.saved.textLineStyle);
    if (surfaceState.saved.textLineStyle != 0) {
        const int solid = 0;
        kernelSetLineStyle(solid);
    }
}

void surfaceResumeLineStyle()
{
    if (surfaceState.saved.textLineStyle != 0) kernelSetLineStyle(surfaceState.saved.textLineStyle);
}

void surfaceEnquirePlotFrame(int& status, float& x1, float& y1, float& x2, float& y2)
{
    // The kernel gives x1, x2, y1, y2; the caller receives x1, y1, x2, y2.
    float limits[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    int result = 0;
    const int first = 1, count = 4;
    kernelEnquirePictureSpace(result, first, count, limits);
    x1 = limits[0];
    x2 = limits[1];
    y1 = limits[2];
    y2 = limits[3];
    status = 0;
}

void surfaceEnquireUnits(int& status, float x, float y, float& xk, float& yk)
{
    float v[6] = {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    kernelEnquireSettingBlock91(v[0], v[1], v[2], v[3], v[4], v[5]);
    const float divisor = v[4];
    if (divisor == 0.0f || !std::isfinite(divisor)) {
        status = 1;
        return;
    }
    const float qx = x / divisor;
    const float qy = y / divisor;
    if (!std::isfinite(qx) || !std::isfinite(qy)) {
        status = 1;
        return;
    }
    xk = qx;
    yk = qy;
    status = 0;
}

void surfaceEnquireLineAttributes(int& status, int& colour)
{
    int pen = 0, style = 0, widthMode = 0, reserved = 0;
    float width = 0.0f;
    const int selector = 0;
    kernelEnquireLineAttributes(selector, pen, style, colour, width, widthMode, reserved);
    status = 0;
}

bool surfaceReadCharacterUnits()
{
    SurfaceLibraryState& s = surfaceState;
    int status = 0;
    float width = 0.0f, r2 = 0.0f, r3 = 0.0f, height = 0.0f;
    const int noControl = 0;
    surfaceMeasureText("8", 1, status, width, r2, r3, height, noControl);
    if (status != 0) return false;
    s.digitWidth = width;
    s.charHeight = height;
    return true;
}

bool surfaceReadPlotFrame()
{
    SurfaceLibraryState& s = surfaceState;
    int status = 0;
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
    surfaceEnquirePlotFrame(status, x1, y1, x2, y2);
    if (status != 0) return false;
    s.plotX1 = x1;
    s.plotX2 = x2;
    s.plotY1 = y1;
    s.plotY2 = y2;
    s.plotWidth = x2 - x1;
    s.plotHeight = y2 - y1;
    return true;
}

}  // namespace surflib
