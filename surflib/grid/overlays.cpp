// overlays.cpp - additions to a contour map that stands and questions put to it: polylines
// and grid lines in map coordinates (LINCON, CONGRD), the height of the gridded surface at a
// map point (CONHGT), the points of one contour (CONPTS), the data-point markers with their
// value labels, and the smooth parametric curves of network contour lines.
//
// Everything here works on the map drawn last: its MapTransform, its GridState and the grid
// it left in the caller's workspace (partition.grid).  Reads of the workspace are bounded by
// the size the caller passes, whatever it is.
#include "grid/overlays.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/mapframe.h"
#include "grid/tracing.h"
#include "tarvcore.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr int kPolylineBlock = 80;    // points of one drawn block of a polyline
constexpr int kMaxGridLines = 32000;  // lines of one direction; more cannot be told apart
constexpr int kCurveBlock = 200;
constexpr int kCurvePieces = 15;
constexpr int kUnscaled = 99;

bool mapCode(int code) { return code == kDrawingGriddedMap || code == kDrawingNetworkMap; }

// True once a frame has given the map area a size and the transform usable scales.
bool mapLaidOut()
{
    const MapTransform& m = surfaceState.map;
    const float eps = surfaceState.eps;
    return m.mapWidth > eps && m.mapHeight > eps && m.scaleX != 0.0f && m.scaleY != 0.0f &&
        m.factorX != 0.0f && m.factorY != 0.0f && std::isfinite(m.scaleX) &&
        std::isfinite(m.scaleY);
}

// Word `index` (0-based) of the workspace, or 0.0 beyond it.
float wordAt(const float* work, int wsize, long long index)
{
    if (work == nullptr || index < 0 || index >= wsize) return 0.0f;
    return work[index];
}

// Height of grid node `node` (1-based after the grid's start).
float nodeValue(int node, int wsize, const float* work)
{
    if (node < 1) return 0.0f;
    return wordAt(work, wsize, static_cast<long long>(surfaceState.partition.grid) + node - 1);
}

// The workspace holds the grid of the gridded map drawn last: the same size as recorded and
// room for the grid and its edge flags.
bool gridMapWorkspace(int wsize, const float* work)
{
    const SurfaceLibraryState& s = surfaceState;
    return s.drawing.code == kDrawingGriddedMap && s.grid.mapWorkspaceSize != 0 &&
        wsize == s.grid.mapWorkspaceSize && work != nullptr && surfaceGridFitsWorkspace(wsize);
}

// ---- Polylines ------------------------------------------------------------------------------

// One run of finite points, in blocks of 80: the first block holds points 1..80, each later
// block starts with the last point of the block before and adds up to 79 more; a last block
// of one point only moves the pen.
void drawRun(const float* x, const float* y, int n)
{
    if (n < 2) return;
    const int blocks = n <= kPolylineBlock ? 1 : n / (kPolylineBlock - 1) + 1;
    float bx[kPolylineBlock], by[kPolylineBlock];
    for (int b = 0; b < blocks; ++b) {
        const int first = b * (kPolylineBlock - 1);
        const int last = std::min(first + kPolylineBlock - 1, n - 1);
        const int count = last - first + 1;
        if (count < 1) break;
        for (int k = 0; k < count; ++k) {
            bx[k] = surfaceMapValueToPictureX(x[first + k]);
            by[k] = surfaceMapValueToPictureY(y[first + k]);
        }
        surfaceDrawMapPolyline(count, bx, by);
    }
}

bool finitePoint(float x, float y) { return std::isfinite(x) && std::isfinite(y); }

// ---- Grid lines -----------------------------------------------------------------------------

// The lines at a, a + step, ... below b, and at b, each from c to d and back alternately:
// lines of constant y when horizontal, else of constant x.
void drawLineSet(float a, float b, float step, float c, float d, bool horizontal)
{
    bool forward = true;
    for (long long k = 0;; ++k) {
        double v = static_cast<double>(a) + static_cast<double>(step) * k;
        const bool last = v >= b;
        if (last) v = b;
        const float from = forward ? c : d;
        const float to = forward ? d : c;
        float px[2], py[2];
        if (horizontal) {
            px[0] = surfaceMapValueToPictureX(from);
            px[1] = surfaceMapValueToPictureX(to);
            py[0] = py[1] = surfaceMapValueToPictureY(v);
        } else {
            px[0] = px[1] = surfaceMapValueToPictureX(v);
            py[0] = surfaceMapValueToPictureY(from);
            py[1] = surfaceMapValueToPictureY(to);
        }
        surfaceDrawMapPolyline(2, px, py);
        forward = !forward;
        if (last) break;
    }
}

// ---- Data points ----------------------------------------------------------------------------

struct DataPoint {
    float x, y, z;
    bool present;
};

DataPoint dataPoint(int k, int wsize, const float* work)
{
    const SurfaceLibraryState& s = surfaceState;
    DataPoint p{};
    if (s.drawing.code == kDrawingNetworkMap) {
        const NetworkLayout& n = s.network;
        const int cx = n.columns[0] != 0 ? n.columns[0] : 100;
        const int cy = n.columns[1] != 0 ? n.columns[1] : 101;
        const int cz = n.columns[2] != 0 ? n.columns[2] : 102;
        const long long row = 12LL * (k + 1);  // word 12j + column, 1-based
        const long long ix = row + cx - 1, iy = row + cy - 1, iz = row + cz - 1;
        p.present = std::max({ix, iy, iz}) < wsize && std::min({ix, iy, iz}) >= 0;
        if (!p.present || work == nullptr) return DataPoint{};
        p.x = surfaceNarrow(static_cast<double>(work[ix]) * n.xrange + n.xmin);
        p.y = surfaceNarrow(static_cast<double>(work[iy]) * n.yrange + n.ymin);
        p.z = surfaceNarrow(static_cast<double>(work[iz]) * n.zrange + n.zmin);
        return p;
    }
    const WorkspacePartition& w = s.partition;
    const long long ix = static_cast<long long>(w.sortedX) + k;
    const long long iy = static_cast<long long>(w.sortedY) + k;
    const long long iz = static_cast<long long>(w.sortedZ) + k;
    p.present = work != nullptr && std::max({ix, iy, iz}) < wsize && std::min({ix, iy, iz}) >= 0;
    if (!p.present) return DataPoint{};
    p.x = work[ix];
    p.y = work[iy];
    p.z = work[iz];
    return p;
}

struct ValueLabel {
    float value;
    int width, decimals, power;
};

// The format of a point's value label: the fixed label format of CONANN when it is in force
// and fits, otherwise two decimals (more for small exponents) with the true height where the
// exponent allows.
ValueLabel valueLabelFormat(float z)
{
    SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    const int e = s.grid.levelExponent;
    const double factor = s.map.zFactor != 0.0f ? s.map.zFactor : std::pow(10.0, e);
    const double v = z / factor;
    const double limit = surfacePowerLimit();
    ValueLabel label{surfaceNarrow(v), 7, 2, kUnscaled};
    bool fixed = surfaceFlagOn(c.labelFixedFormat) &&
        std::fabs(static_cast<double>(c.labelExponent) - e) < limit;
    if (fixed && c.labelDecimals == 0) {
        const double shown =
            std::fabs(std::pow(10.0, e - static_cast<double>(c.labelExponent)) * v);
        if (!(shown < static_cast<double>(s.integerSetting4))) {
            fixed = false;
            if (s.dataLabelWarned == 0) {
                surfaceReportError(kFormatTooNarrow);
                s.dataLabelWarned = 1;
            }
        }
    }
    if (fixed) {
        label.width = c.labelWidth;
        label.decimals = c.labelDecimals;
        label.power = -c.labelExponent;
        label.value = surfaceNarrow(std::pow(10.0, e) * v);
        return label;
    }
    label.decimals = e == -1 ? 3 : (e == -2 ? 4 : 2);
    if (e > -3 && e < 3) {
        label.power = 0;
        label.value = surfaceNarrow(std::pow(10.0, e) * v);
    }
    return label;
}

// The power-of-ten line under a map whose point labels carry a power: the contour height
// title, " *10" and the exponent.
void drawValueLegend(int power)
{
    const SurfaceLibraryState& s = surfaceState;
    if (power == 0 || !(std::fabs(static_cast<double>(power)) < surfacePowerLimit())) return;
    if (s.titles.titleMode == 1) return;
    const MapTransform& m = s.map;
    const float x0 = m.originX + 0.6f * m.mapWidth;
    const float y0 = m.originY - 6.0f * s.charHeight;
    const int length = std::clamp(s.titles.lengths[3], 0, kSurfaceAxisTitleChars);
    surfaceDrawExponentTitle(x0, y0, s.titles.titles[3], length, -power, 0, 18.25f * s.digitWidth);
}

// ---- Smooth curves --------------------------------------------------------------------------

float endTangentStart(const float* p, int first, bool useBefore, float before)
{
    if (useBefore) return (p[first + 1] - before) * 0.5f;
    return (4.0f * p[first + 1] - 3.0f * p[first] - p[first + 2]) * 0.5f;
}

float endTangentEnd(const float* p, int last, bool useAfter, float after)
{
    if (useAfter) return (after - p[last - 1]) * 0.5f;
    return (3.0f * p[last] - 4.0f * p[last - 1] + p[last - 2]) * 0.5f;
}

}  // namespace

namespace surflib {

// ---- Heights on the grid --------------------------------------------------------------------

float surfaceGridCellHeight(float t, int node, int direction, int wsize, const float* work)
{
    const SurfaceLibraryState& s = surfaceState;
    const float e = s.eps;
    const long long neighbour = static_cast<long long>(node) + (direction == 1 ? 1 : s.grid.nx);
    const int nb = neighbour > 2147483647LL ? 0 : static_cast<int>(neighbour);
    if (node < 1) return nodeValue(nb, wsize, work);
    if (std::fabs(1.0f - t) < e) return nodeValue(nb, wsize, work);
    const long long word = static_cast<long long>(s.partition.grid) + neighbour;
    if (word <= wsize && std::fabs(t) >= e) {
        return surfaceNarrow((1.0 - t) * nodeValue(node, wsize, work) +
                             static_cast<double>(t) * nodeValue(nb, wsize, work));
    }
    return nodeValue(node, wsize, work);
}

void surfaceGridHeightAt(float& result, float fx, float fy, int node, int wsize, const float* work)
{
    const float e = surfaceState.eps;
    const int alongX = 1, alongY = 2;
    if (fx < e && fy < e) {
        result = nodeValue(node, wsize, work);
    } else if (fy < e) {
        result = surfaceGridCellHeight(fx, node, alongX, wsize, work);
    } else if (fx < e) {
        result = surfaceGridCellHeight(fy, node, alongY, wsize, work);
    } else {
        const int next = node < INT_MAX ? node + 1 : node;
        const float a = surfaceGridCellHeight(fy, node, alongY, wsize, work);
        const float b = surfaceGridCellHeight(fy, next, alongY, wsize, work);
        result = surfaceNarrow((1.0 - fx) * a + static_cast<double>(fx) * b);
    }
}

// ---- Contour data sets ----------------------------------------------------------------------

void surfaceCollectGridContour(int mx, int my, float z, int& npts, float* x, float* y, int& nlines,
                               int* lengths, int wsize, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    ContourPointCollection& c = s.collection;
    const int lineCapacity = lengths != nullptr ? std::max(nlines, 0) : 0;
    c.on = -1;
    c.capacity = (x != nullptr && y != nullptr) ? std::max(npts, 0) : 0;
    c.count = 0;
    c.full = 0;
    c.x = x;
    c.y = y;
    int lineCount = 0;
    bool linesWarned = false;
    if (work != nullptr && mx >= 1 && my >= 1 && surfaceGridFitsWorkspace(wsize)) {
        s.tracing.level = z;
        s.tracing.labelThisLevel = 0;
        surfaceMarkGridEdges(mx, my, z, work);
        const float* grid = work + s.partition.grid;
        const float* flags = work + s.partition.edgeFlags;
        const int nx = mx + 1, ny = my + 1;
        auto at = [&](int i, int j) { return grid[static_cast<long long>(j - 1) * nx + (i - 1)]; };
        auto flag = [&](int i, int j) {
            return flags[static_cast<long long>(j - 1) * nx + (i - 1)];
        };
        auto rises = [&](float a, float b) { return a < z && b >= z; };
        auto follow = [&](int i, int j, int di, int dj) {
            const int before = c.count;
            int end = 0;
            surfaceFollowGridContour(i, j, di, dj, mx, my, z, wsize, work, end);
            ++lineCount;
            if (lineCount <= lineCapacity) {
                lengths[lineCount - 1] = c.count - before;
            } else if (!linesWarned) {
                surfaceReportError(kLinesShort);
                linesWarned = true;
            }
        };
        s.tracingPhase = kTracingBoundary;
        for (int i = 1; i <= mx; ++i) {
            if (rises(at(i, 1), at(i + 1, 1))) follow(i, 0, -1, 0);
        }
        for (int j = 1; j <= my; ++j) {
            if (rises(at(nx, j), at(nx, j + 1))) follow(nx - 1, j, 0, -1);
        }
        for (int i = mx; i >= 1; --i) {
            if (rises(at(i + 1, ny), at(i, ny))) follow(i - 1, ny - 1, 1, 0);
        }
        for (int j = my; j >= 1; --j) {
            if (rises(at(1, j + 1), at(1, j))) follow(0, j - 1, 0, 1);
        }
        s.tracingPhase = kTracingInterior;
        for (int j = my - 1; j >= 1; --j) {
            for (int i = mx; i >= 1; --i) {
                if (flag(i, j) >= s.eps) follow(i, j, -1, 0);
            }
        }
        s.tracingPhase = kTracingBoundary;
        surfaceAdvanceLabelRhythm();
    }
    npts = c.count;
    nlines = lineCount;
    c.on = 0;
    c.x = nullptr;
    c.y = nullptr;
}

// ---- Grid lines -----------------------------------------------------------------------------

void surfaceDrawMapGridLines()
{
    const float* g = surfaceState.mapGridLines;
    drawLineSet(g[3], g[4], g[5], g[0], g[1], true);   // lines of constant y
    drawLineSet(g[0], g[1], g[2], g[3], g[4], false);  // lines of constant x
}

// ---- Data points ----------------------------------------------------------------------------

void surfaceDrawDataPoints(int wsize, const float* work)
{
    SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    const int n = s.grid.pointCount;
    if (n < 1) {
        surfaceReportError(kNoDataPoints);
        return;
    }
    if (!mapLaidOut()) return;
    const float cw = s.digitWidth, ch = s.charHeight;
    const float w = 0.6f * cw, h = 0.6f * ch;
    const int pen = surfaceFlagOn(c.pensSet) ? c.framePen : s.saved.entryColour;
    surfaceSelectPen(pen);
    // The symbol is the marker's magnitude; the most negative integer has none, take the largest.
    surfaceSetMarkerSymbol(c.pointMarker == INT_MIN ? INT_MAX : std::abs(c.pointMarker));
    const float angle = 0.0f;
    surfaceSetLabelDirection(w, h, angle);
    const MapTransform& m = s.map;
    const float right = m.originX + m.mapWidth, top = m.originY + m.mapHeight;
    bool labelled = false;
    int lastPower = 0;
    for (int k = 0; k < n; ++k) {
        const DataPoint p = dataPoint(k, wsize, work);
        if (!p.present) break;
        const float X = surfaceMapValueToPictureX(p.x), Y = surfaceMapValueToPictureY(p.y);
        const bool inside = m.originX <= X - w / 2 && X + w / 2 <= right &&
            m.originY <= Y - h / 2 && Y + h / 2 <= top;
        if (!inside) continue;  // NaN positions fail every test and are skipped too
        surfaceDrawMarker(1, X, Y);
        if (c.pointMarker >= 0) continue;
        ValueLabel label = valueLabelFormat(p.z);
        float lx = std::max(X + w, m.originX);
        int width = -label.width;
        if (lx + static_cast<float>(label.width) * w > right) {
            lx -= 2.0f * w;
            width = label.width;
        }
        const float ly = Y + h > top ? Y - h : Y;
        surfaceDrawNumber(lx, ly, label.value, width, label.decimals, label.power);
        labelled = true;
        lastPower = label.power;
    }
    surfaceSetLabelDirection(cw, ch, angle);
    if (labelled && !surfaceFlagOn(c.labelsOn) && s.titles.titleMode != 2)
        drawValueLegend(lastPower);
}

// ---- Smooth curves --------------------------------------------------------------------------

void surfaceSmoothCurveCoefficients(float* a, float* b, float* c, float* rhs, const float* p,
                                    float* d, int m)
{
    if (m < 3) return;
    // Unknowns d(2)..d(m-1) at rows 0..k-1: d(i-1) + 4 d(i) + d(i+1) = 3 (p(i+1) - p(i-1)).
    const int k = m - 2;
    for (int r = 0; r < k; ++r) {
        a[r] = 1.0f;
        b[r] = 4.0f;
        c[r] = 1.0f;
        rhs[r] = 3.0f * (p[r + 2] - p[r]);
    }
    rhs[0] -= d[0];
    rhs[k - 1] -= d[m - 1];
    // Forward elimination, then back substitution.
    for (int r = 1; r < k; ++r) {
        const float f = a[r] / b[r - 1];
        b[r] -= f * c[r - 1];
        rhs[r] -= f * rhs[r - 1];
    }
    d[k] = rhs[k - 1] / b[k - 1];
    for (int r = k - 2; r >= 0; --r) d[r + 1] = (rhs[r] - c[r] * d[r + 2]) / b[r];
}

void surfaceDrawSmoothCurve(const float* x, const float* y, int n, int startCondition,
                            int endCondition)
{
    if (n == 0) return;
    if (n < 3 || x == nullptr || y == nullptr) {
        kernelReportError(kCurveTooShort);
        return;
    }
    float ends[8] = {};
    kernelEnquireCurveEnds(ends[0], ends[1], ends[2], ends[3], ends[4], ends[5], ends[6], ends[7]);
    const int blocks = (n - 1) / kCurveBlock + 1;
    constexpr int room = kCurveBlock + 1;
    float wa[room], wb[room], wc[room], rhs[room], dx[room], dy[room];
    for (int b = 0; b < blocks; ++b) {
        const int fresh = b < blocks - 1 ? kCurveBlock : (n - 1) % kCurveBlock + 1;
        const int first = b == 0 ? 0 : b * kCurveBlock - 1;
        const int last = b * kCurveBlock + fresh - 1;
        const int m = last - first + 1;
        if (b == 0) {
            dx[0] = endTangentStart(x, 0, startCondition == -1, ends[4]);
            dy[0] = endTangentStart(y, 0, startCondition == -1, ends[5]);
        } else {
            dx[0] = (x[first + 1] - x[first - 1]) * 0.5f;
            dy[0] = (y[first + 1] - y[first - 1]) * 0.5f;
        }
        if (b == blocks - 1) {
            dx[m - 1] = endTangentEnd(x, n - 1, endCondition == -1, ends[6]);
            dy[m - 1] = endTangentEnd(y, n - 1, endCondition == -1, ends[7]);
        } else {
            dx[m - 1] = (x[last + 1] - x[last - 1]) * 0.5f;
            dy[m - 1] = (y[last + 1] - y[last - 1]) * 0.5f;
        }
        surfaceSmoothCurveCoefficients(wa, wb, wc, rhs, x + first, dx, m);
        surfaceSmoothCurveCoefficients(wa, wb, wc, rhs, y + first, dy, m);
        kernelMovePen(x[first], y[first]);
        for (int i = 0; i + 1 < m; ++i) {
            const float px0 = x[first + i], px1 = x[first + i + 1];
            const float py0 = y[first + i], py1 = y[first + i + 1];
            const float ax = dx[i] + dx[i + 1] + 2.0f * (px0 - px1);
            const float bx = 3.0f * (px1 - px0) - 2.0f * dx[i] - dx[i + 1];
            const float ay = dy[i] + dy[i + 1] + 2.0f * (py0 - py1);
            const float by = 3.0f * (py1 - py0) - 2.0f * dy[i] - dy[i + 1];
            for (int j = 1; j <= kCurvePieces; ++j) {
                const float t = static_cast<float>(j) / kCurvePieces;
                const float cx = ((ax * t + bx) * t + dx[i]) * t + px0;
                const float cy = ((ay * t + by) * t + dy[i]) * t + py0;
                kernelDrawLineTo(cx, cy);
            }
        }
    }
}

}  // namespace surflib

// ---- Exported routines ----------------------------------------------------------------------

void LINCON(const int& n, const float* x, const float* y)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::LINCON);
    if (!mapCode(surfaceState.drawing.code)) {
        surfaceReportError(kNoMap);
        return;
    }
    if (n >= 2 && surfaceRefuseMissingArrays({x, y})) return;
    if (!mapLaidOut() || n < 2) return;
    // A point that is not a number, or whose picture position is not, breaks the line; the
    // runs on either side are drawn.
    int start = 0;
    for (int k = 0; k <= n; ++k) {
        if (k < n && finitePoint(x[k], y[k]) &&
            finitePoint(surfaceMapValueToPictureX(x[k]), surfaceMapValueToPictureY(y[k]))) {
            continue;
        }
        drawRun(x + start, y + start, k - start);
        start = k + 1;
    }
}

void CONGRD(const float& x1, const float& x2, const float& xstep, const float& y1, const float& y2,
            const float& ystep)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONGRD);
    SurfaceLibraryState& s = surfaceState;
    if (!mapCode(s.drawing.code)) {
        surfaceReportError(kNoMap);
        return;
    }
    if (!mapLaidOut()) return;
    float* g = s.mapGridLines;
    g[0] = x1;
    g[1] = x2;
    g[2] = xstep;
    g[3] = y1;
    g[4] = y2;
    g[5] = ystep;
    int status = 0;
    const int count = 10;
    surfaceCheckGrid(count, g[0], g[1], count, g[3], g[4], status);
    if (status != 0) return;
    const GridState& w = s.grid;
    const float lows[2] = {w.xMin, w.yMin}, highs[2] = {w.xMax, w.yMax};
    for (int axis = 0; axis < 2; ++axis) {
        float& from = g[axis * 3];
        float& to = g[axis * 3 + 1];
        if (from < lows[axis]) {
            surfaceReportError(kClipped);
            from = lows[axis];
        }
        if (to > highs[axis]) {
            surfaceReportError(kClipped);
            to = highs[axis];
        }
    }
    for (int axis = 0; axis < 2; ++axis) {
        if (!(std::fabs(g[axis * 3 + 2]) >= s.eps)) {
            surfaceReportError(kZeroStep);
            return;
        }
    }
    for (int axis = 0; axis < 2; ++axis) {
        float& step = g[axis * 3 + 2];
        if (step < 0.0f) {
            surfaceReportError(kNegativeValue);
            step = -step;
        }
    }
    // A range wholly outside the map window leaves nothing to draw; a step so small that the
    // lines could not be told apart counts as no step.
    if (g[0] > g[1] || g[3] > g[4]) return;
    for (int axis = 0; axis < 2; ++axis) {
        const double lines = (static_cast<double>(g[axis * 3 + 1]) - g[axis * 3]) / g[axis * 3 + 2];
        if (!(lines <= kMaxGridLines)) {
            surfaceReportError(kZeroStep);
            return;
        }
    }
    surfaceSelectPen(s.saved.entryColour);
    surfaceDrawMapGridLines();
}

void CONHGT(const float& x, const float& y, float& z, const int& wsize, const float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONHGT);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    const SurfaceLibraryState& s = surfaceState;
    if (!gridMapWorkspace(wsize, work)) {
        surfaceReportError(kNoDrawingToAddTo);
        return;
    }
    if (!mapLaidOut()) {
        z = 0.0f;
        return;
    }
    const GridState& g = s.grid;
    if (!(x >= g.xMin && x <= g.xMax && y >= g.yMin && y <= g.yMax)) {
        surfaceReportError(kOutsideWindow);
        z = 0.0f;
        return;
    }
    const double gx = (g.nx - 1.0) * (static_cast<double>(x) - g.xMin) / (g.xMax - g.xMin) + 1.0;
    const double gy = (g.ny - 1.0) * (static_cast<double>(y) - g.yMin) / (g.yMax - g.yMin) + 1.0;
    // Grid positions as cell numbers; a window without extent gives the first node.
    auto cell = [](double v, int n) {
        return std::isfinite(v) ? static_cast<int>(std::clamp(v, 1.0, static_cast<double>(n))) : 1;
    };
    const int i = cell(gx, g.nx);
    const int j = cell(gy, g.ny);
    const float fx = i == g.nx || !std::isfinite(gx) ? 0.0f : surfaceNarrow(gx - i);
    const float fy = j == g.ny || !std::isfinite(gy) ? 0.0f : surfaceNarrow(gy - j);
    const int node = (j - 1) * g.nx + i;
    surfaceGridHeightAt(z, fx, fy, node, wsize, work);
}

void CONPTS(const float& z, const int& kind, const int& draw, int& npts, float* x, float* y,
            int& nlines, int* lengths, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONPTS);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    SurfaceLibraryState& s = surfaceState;
    if (!gridMapWorkspace(wsize, work)) {
        surfaceReportError(kNoDrawingToAddTo);
        return;
    }
    const int addTo = kAddToGriddedMap;
    surfaceBeginDrawing(addTo);
    int smooth = kind;
    if (kind != 0 && kind != 1) {
        surfaceReportError(kBadLineSwitch);
        smooth = 0;
    }
    int drawn = draw;
    if (draw != 0 && draw != 1) {
        surfaceReportError(kBadSwitch);
        drawn = 1;
    }
    const int pen = surfaceFlagOn(s.contour.pensSet) ? s.contour.linePen : s.saved.entryColour;
    s.currentPenCode = pen;
    surfaceSelectPen(pen);
    const int labels = s.contour.labelsOn;
    const int smoothed = s.smoothedLines;
    s.contour.labelsOn = 0;
    s.smoothedLines = smooth;
    s.outputEnabled = drawn;
    surfaceCollectGridContour(s.grid.nx - 1, s.grid.ny - 1, z, npts, x, y, nlines, lengths, wsize,
                              work);
    s.contour.labelsOn = labels;
    s.smoothedLines = smoothed;
    s.outputEnabled = 1;
    if (drawn != 1) return;
    ContourLevelList& list = s.levels;
    if (list.count >= 0 && list.count < kSurfaceMaxLevels) {
        list.heights[list.count] = z;
        list.pens[list.count] = pen;
        ++list.count;
    } else {
        surfaceReportError(kLevelListFull);
    }
}
