// state.h - the kernel's one state block and the internal routines shared by its files.
//
// Every value an enquiry reads back lives in KernelState; the devices keep their Cairo objects
// in the same block.  The files of the kernel:
//   state.cpp     start values, bookkeeping, settings, table entries, errors
//   trace.cpp     the call log (in process and the .trace device)
//   lines.cpp     current point, lines, arcs, line attributes
//   text.cpp      text attributes, control sequences, metrics, drawing text
//   numbers.cpp   number formatting and number drawing
//   curves.cpp    smooth curves, cubic splines, Akima curves
//   fills.cpp     polygon, multi-polygon and box fills, hatching
//   tiledfills.cpp  pieces of a tiled area joined into one path per colour
//   markers.cpp   marker symbols
//   device.cpp    devices, picture space, mapping, raster output, the private link
//   paint.cpp     strokes, fills, markers and glyphs on the Cairo target, the palette
//   pngfile.cpp   the raster device's PNG file
//
// Choices of this kernel that callers may notice (kept here because they are ours to make):
// - Texts: a NUL byte ends a text whatever length is given; lengths are clamped to
//   kMaxTextLength, and output texts are written (blank-filled) up to that many characters.
// - Unknown control sequences (control character followed by anything but '.', the control
//   character itself or 'N'/'n') draw the control character literally and go on with the
//   next character; a control character at the very end is literal too.
// - Multi-line text is justified line by line; after drawing, the current point is the end
//   of the last line on its baseline.
// - Inside a tiled section (tarvfills.h) solid fills of one boundary are kept and filled at
//   the end of the section, or before anything else is drawn, one path per colour with every
//   boundary turned the same way and the non-zero rule; the call log is the same as without.
// - Fills and markers leave the current point where it was; lines, arcs, curves and text move
//   it to their end.  A curve called with fewer than 2 points draws nothing and leaves the
//   current point alone; 2 or more points that are all the same draw nothing and move it there.
// - Counts below 0 are treated as 0; counts above kMaxPoints refuse the call (nothing drawn,
//   a diagnostic on standard error when echo is on).  Non-finite coordinates, and moves whose
//   end leaves single precision, are dropped.
// - Fill style below -1 draws nothing; styles above 8 repeat the hatches 1..8.  Marker
//   numbers below 0 draw nothing; numbers past the symbol table repeat it.
// - Colour indices past the palette repeat colours 2.. of the palette; negative indices use
//   their absolute value.  Line styles other than -1..9 are kept as set and drawn solid.
// - kernelSetLineAttributes and kernelEnquireLineAttributes know selector 0 only; another
//   selector sets nothing (the enquiry still answers the current values).
// - Picture space and mapping refuse non-finite values and empty ranges (kept unchanged).
// - kernelSetLineWidth keeps negative widths as 0.
// - The routine name is kept as given; errors report it without trailing blanks, and an error
//   reported under a blank name is written as `error N` alone.
// - kernelSettingBlock315/316 store their code, answer 0 and 0, and never touch the scratch
//   array (the log does not list it: it has no count).
// - Raster geometry: an output unit u lands on pixel column (u - xOrigin) / xUnitsPerPixel, and
//   v on the row counted upward from the bottom edge, (v - yOrigin) / yUnitsPerPixel.
// - Failures of the kernel's own go into the error log beside their line on standard error:
//   101 an output name whose extension names no device, 102 an output file that cannot be
//   created (at kernelOpenDevice; the PNG file is made and taken away again to find out),
//   103 a picture that could not be written in full (at kernelFlushOutput for a PNG, and when
//   the device closes), each under the kernel operation that met it; 104 drawing after
//   kernelOpen while there is no device, no linked target and no call log, under the routine
//   name in force, once until a device opens or closes or a target is linked.  A device that
//   failed to open leaves no device open.  PDF and SVG pages reach their files through the
//   kernel's own writer, so that a failed write is known.
// - File devices: PNG 1000 pixels wide at the picture's aspect ratio unless kernelSetRasterOutput
//   gave a size before kernelOpenDevice; PDF and SVG pages 1000 points wide likewise.  Output
//   units of a file device are its pixels (points).
// - Line width 0 draws one device pixel wide (0.5 point on PDF and SVG pages).
// - resetState leaves the call log, the error log, capture and the private link alone.
// - The user dash pattern starts as 4, 2, 4, 2; built-in dashes 1..9 are measured in
//   thousandths of the output width, the user pattern in kernel units.
// - kernelEnquirePictureSpace writes values[k] for value number first + k when that is 1..4;
//   status 1 when any asked value was out of range.  The log lists the elements the call
//   could write (count, at most 4 - first + 1).
// - Glyphs come from the font file of fonts-dejavu-core (DejaVu Sans Mono) read through
//   FreeType, scaled so that the advance is the character width and a capital is the
//   character height tall; system font matching serves only when that file is missing.
// - Thin horizontal and vertical lines on a raster are put on pixel centres (crisp lines).
// - On a raster, a run of solid stroke segments that stays within an eighth of a pixel of one
//   straight line is stroked as that line (its farthest points and its last point), so that a
//   dense polyline costs what its pixels cost; dashed lines, PDF and SVG pages and the call
//   log keep every point.  A run that never leaves an eighth of a pixel round its first point
//   but turns back (a closed loop far smaller than a pixel) is stroked as a dot: a dash the
//   line's width across and pi/4 of it long, of the area its points stroked one by one cover.
// - A dash pattern runs on along connected segments, also across the pieces a long line is
//   stroked in; a line that does not start where the one before ended starts it afresh.
// - Solid fills on a raster cover every pixel whose centre lies inside fully and antialias
//   only the pixels beyond, so that polygons sharing an edge show no background between them.
//   Strokes on a raster use Cairo's fast antialiasing (sixteen coverage levels); fills,
//   markers, text and PDF and SVG pages its default.
// - PNG files are written at zlib's level 4 without row filters, their rows compressed in up
//   to four bands side by side.
// - Fill outlines (style -1) use the current line style and width in the fill's colour;
//   hatches are thin solid lines 8 thousandths of the output width apart (4 for 7 and 8).
// - Markers are drawn solid in the current colour and width; their half size is half the
//   character height.
#ifndef TARV_KERNEL_STATE_H
#define TARV_KERNEL_STATE_H

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tarvcore.h"

namespace tarv {

constexpr int kMaxTextLength = 65536;
constexpr int kMaxPoints = 1 << 24;
constexpr int kTableEntries = 16;
constexpr int kLibraries = 3;

struct Point {
    double x;
    double y;
};

// The current point, shared by pen, text and markers.
struct PenState {
    float x = 0.0f;
    float y = 0.0f;
};

struct TextState {
    int mode = 0;
    float width = 10.0f;
    float height = 10.0f;
    float angle = 0.0f;
    int font = -1;
    int fontFlag = 0;
    int setting196 = 0;
    int setting49 = 0;
    int justification = -1;
    char control = '*';
};

struct LineState {
    int pen = 1;
    int style = 0;
    int colour = 1;
    float width = 0.0f;
    int widthMode = 1;
    int reserved = 0;
    std::array<float, 4> dash{4.0f, 2.0f, 4.0f, 2.0f};
};

struct CurveEnds {
    std::array<float, 8> values{};
};

struct PictureState {
    std::array<float, 4> space{0.0f, 1000.0f, 0.0f, 750.0f};
    bool mappingSet = false;
    std::array<float, 8> mapping{};
    bool rasterSet = false;
    int rasterWidth = 0;
    int rasterHeight = 0;
    float xUnitsPerPixel = 1.0f;
    float yUnitsPerPixel = 1.0f;
    float xOrigin = 0.0f;
    float yOrigin = 0.0f;
};

struct SettingsState {
    std::vector<std::pair<int, int>> integers{{4, INT_MAX}, {22, 0}, {23, 0}};  // code, value
    std::vector<std::pair<int, float>> reals{{2, FLT_MAX}, {3, FLT_MIN}};
    std::array<float, 6> block91{0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f};
    int setting21 = 0;
    int block315 = 0;
    int block316 = 0;
    std::array<std::array<int, 4>, kTableEntries> table{};
};

struct Bookkeeping {
    std::array<int, kLibraries> libraryOpen{};
    std::string routineName;
    bool opened = false;
};

enum class DeviceKind { None, Png, Pdf, Svg, Trace };

// A run of stroke segments on a raster that stays within a fraction of a pixel of one straight
// line: only its farthest points forward and back, and its last point, reach the path.
struct StrokeRun {
    bool open = false;          // the origin is in the path and later points may extend the run
    bool aimed = false;         // a point beyond the tolerance has given the run its direction
    double ox = 0.0, oy = 0.0;  // origin: the last point put into the path
    double ux = 0.0, uy = 0.0;  // unit direction
    double ahead = 0.0, behind = 0.0;  // farthest reach along it, forward (>= 0), back (<= 0);
                                       // before it is aimed, the farthest reach from the origin
    double fx = 0.0, fy = 0.0;         // the point that reached ahead (or farthest, unaimed)
    double bx = 0.0, by = 0.0;         // the point that reached behind
    double lx = 0.0, ly = 0.0;         // the last point given
};

// Solid pieces of a tiled area waiting to be filled: one path per colour (device units), in
// the order the colours came.
struct FillGroup {
    int colour = 0;
    std::vector<Point> points;  // the rings one after another, each turned the same way
    std::vector<size_t> sizes;  // points of each ring
    std::vector<std::pair<double, double>> rows;  // least and greatest y of each ring
};
struct TiledFills {
    int depth = 0;                  // sections open
    std::vector<FillGroup> groups;  // the first `used` wait; the rest keep their room for later
    size_t used = 0;
    size_t points = 0;    // points waiting in all groups
    bool stripes = true;  // fill many points on a raster in stripes side by side (off to compare)
};

// Where drawing goes, and the affine map from kernel units to device pixels/points.
struct DeviceState {
    std::string selected;                // file chosen by kernelSelectOutput
    DeviceKind kind = DeviceKind::None;  // file device open now
    std::string fileName;
    bool deviceOpen = false;
    cairo_surface_t* fileSurface = nullptr;
    std::FILE* pageFile = nullptr;  // a PDF or SVG page's file, written through as Cairo makes it
    bool pageWriteFailed = false;
    cairo_surface_t* linkedRaster = nullptr;
    cairo_surface_t* linkedPage = nullptr;
    double pageWidth = 0.0;
    double pageHeight = 0.0;
    void (*flushHook)() = nullptr;
    cairo_font_face_t* font = nullptr;  // the monospaced face and its proportions
    void* fontLibrary = nullptr;        // FreeType library and face behind it, kept open
    void* fontFile = nullptr;
    double fontAdvance = 0.6;     // advance of one character per unit font size
    double fontCapHeight = 0.73;  // height of a capital per unit font size
    std::array<unsigned long, 256> glyphs{};
    std::array<bool, 256> glyphKnown{};
    cairo_t* cr = nullptr;  // context on the target in use
    cairo_surface_t* crTarget = nullptr;
    bool vector = false;       // target is a PDF/SVG page
    double targetWidth = 0.0;  // device units
    double targetHeight = 0.0;
    double ax = 1.0, bx = 0.0, ay = -1.0, by = 0.0;  // device = a * kernel + b
    bool pathOpen = false;                           // pending stroke segments
    int pendingSegments = 0;
    bool snapToPixels = false;              // odd whole-pixel width on a raster
    double lineEndX = 0.0, lineEndY = 0.0;  // where the last segment ended, before clipping
    bool lineAlongGrid = false;             // and whether it ran along a pixel row or column
    double lastX = 0.0, lastY = 0.0;        // device point the pending path ends at
    bool mergeRuns = true;                  // merge sub-pixel runs on rasters (off only to compare)
    bool merging = false;                   // the pending stroke merges runs
    bool lostReported = false;              // drawing with no target reported since it last changed
    bool dashed = false;                    // the pending stroke is dashed
    double dashTravel = 0.0;                // length of its subpath so far (device units)
    double dashOffset = 0.0;                // dash offset in force on the Cairo context
    double dashEndX = 0.0, dashEndY = 0.0;  // where the last dashed line ended, before clipping
    double dashEndTravel = 0.0;             // and the length of the pattern there
    StrokeRun run;
    TiledFills tiled;
};

struct TraceState {
    bool capture = false;
    std::vector<std::string> lines;
    std::FILE* file = nullptr;        // the .trace device
    std::vector<ErrorRecord> errors;  // the latest reports, at most kErrorLogLimit
    std::uint64_t errorCount = 0;     // every report since the log was cleared
    bool echo = true;
};

// The one state block.
struct KernelState {
    PenState pen;
    TextState text;
    LineState line;
    CurveEnds curve;
    PictureState picture;
    SettingsState settings;
    Bookkeeping book;
    DeviceState device;
    TraceState trace;
};

KernelState& state();

// Start values of everything an enquiry reads (not the library flags unless asked).
void resetValues(bool libraryFlagsToo);

// ---- call log (trace.cpp) ----
inline bool tracing()
{
    const TraceState& t = state().trace;
    return t.capture || t.file != nullptr;
}

// Builds one log line: the operation name, inputs, then ` ->` and the outputs.
class TraceLine {
public:
    explicit TraceLine(const char* name);
    TraceLine& i(int v);
    TraceLine& r(float v);
    TraceLine& text(const char* t, int length);     // input text, cut to its length
    TraceLine& outText(const char* t, int length);  // output text, trailing blanks trimmed
    TraceLine& ints(const int* v, long long n);
    TraceLine& reals(const float* v, long long n);
    TraceLine& arrow();
    void emit();

private:
    std::string line_;
};

// A diagnostic of the kernel itself (bad input refused): standard error when echo is on.
void kernelDiagnostic(const char* operation, const char* message);
// A failure the kernel meets itself (an output it cannot make, drawing with nowhere to go):
// recorded in the error log under `where` with one of the kernel's own numbers, and written
// to standard error as one line naming where, what and the number, when echo is on.
void kernelFailure(const std::string& where, int number, const std::string& message);
// The routine name in force, without trailing blanks.
std::string routineInForce();

// ---- texts ----
// Length actually usable: 0 for null or negative, at most kMaxTextLength, stops at NUL.
int textLength(const char* text, int length);
// Clamps a count to 0..kMaxPoints; returns false (and reports) when the count is refused.
bool acceptCount(const char* operation, int n, int& usable);
bool finite2(double x, double y);
// Both values finite and within single precision (so that storing them is exact enough and
// defined).
inline bool fitsFloat2(double x, double y)
{
    return finite2(x, y) && std::fabs(x) <= FLT_MAX && std::fabs(y) <= FLT_MAX;
}
// Single precision, saturating at the largest float (NaN stays NaN).
inline float toFloat(double v)
{
    if (std::isnan(v)) return NAN;
    return static_cast<float>(
        std::clamp(v, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

// Lines of a text after control sequences: each line's characters.
std::vector<std::string> textLines(const char* text, int length, char control);
// Offset of a line's start along the baseline under the current justification.
double justifyOffset(double lineWidth);
// Draws a text at the current point with the current attributes and moves the point to its end.
void drawTextAtCurrentPoint(const char* text, int length);

// ---- numbers ----
// Formats into out (exactly n characters, blank filled); returns the used characters.
void formatRealInto(float value, int width, int decimals, char* out, int n);
void formatIntegerInto(int value, int width, char* out, int n);

// ---- curves ----
// Points of a curve through pts (distinct consecutive points): kind 0 smooth parametric,
// 1 cubic spline, 2 Akima; ends as kernelSetCurveEnds keeps them.  fixedSteps > 0 gives that
// many pieces per interval, else the pieces follow the device size.
std::vector<Point> sampleCurve(int kind, const std::vector<Point>& pts, int startCondition,
                               int endCondition, const std::array<float, 8>& ends,
                               double deviceUnitsPerUnit, int fixedSteps);

// ---- painting (device.cpp) ----
// Is any drawing target in use; a drawing operation asks, and drawing that goes nowhere is
// reported (kErrorNoDevice).
bool deviceActive();
void deviceLineTo(double x0, double y0, double x1, double y1);  // kernel units
void devicePolyline(const std::vector<Point>& pts);             // stroked, kernel units
// True when every segment that lies between rInner and rOuter kernel units from (cx, cy) is
// cut away before it reaches the target, so that such a ring need not be worked out at all.
bool deviceRingOutOfReach(double cx, double cy, double rInner, double rOuter);
void deviceFlushStroke();
// Effective mapping: picture window (x1, x2, y1, y2) and output area (u1, u2, v1, v2).
std::array<double, 8> effectiveMapping();
// Fills the rings (kernel units) with the even-odd rule in the given style and colour index.
void deviceFill(const std::vector<std::vector<Point>>& rings, int style, int colour);
// Fills the current path in one colour, solid, with the given rule (see paint.cpp).
void deviceFillSolid(cairo_t* cr, int colour, cairo_fill_rule_t rule);
// Takes the rings into the tiled pieces of their colour when a tiled section is open and the
// fill can join them (solid, one boundary); false when it must be drawn alone.
bool deviceJoinFill(const std::vector<std::vector<Point>>& rings, int style, int colour);
// Fills the tiled pieces gathered so far (before anything else is drawn).
void deviceFlushFills();
void deviceMarker(double x, double y, int symbol);
void deviceText(const std::vector<std::string>& lines, double x, double y);
// Kernel units to device units (inline: it runs for every point drawn).
inline void deviceMapPoint(const DeviceState& d, double x, double y, double& dx, double& dy)
{
    dx = d.ax * x + d.bx;
    dy = d.ay * y + d.by;
}
inline void deviceMapPoint(double x, double y, double& dx, double& dy)
{
    deviceMapPoint(state().device, x, y, dx, dy);
}
// Device units beyond the target still passed to Cairo, whose fixed-point arithmetic would
// wrap coordinates much farther out.
constexpr double kDeviceFar = 1.0e5;
// A kernel point as it goes into a fill path: mapped to device units, far points pulled in.
inline void devicePathPoint(const DeviceState& d, double x, double y, double& dx, double& dy)
{
    deviceMapPoint(d, x, y, dx, dy);
    dx = std::clamp(dx, -kDeviceFar, d.targetWidth + kDeviceFar);
    dy = std::clamp(dy, -kDeviceFar, d.targetHeight + kDeviceFar);
}
double deviceScale();  // device units per kernel unit (mean of x and y)
void deviceUpdateTransform();
void deviceCloseAll();
void deviceWriteFile();
// Writes an image surface as a PNG file (fast compression); false when the file cannot be made.
bool writePngFile(cairo_surface_t* surface, const char* fileName);

// ---- colour ----
void paletteColour(int index, double& r, double& g, double& b);

}  // namespace tarv

#endif
