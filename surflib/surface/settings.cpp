// settings.cpp - the setters of projected surfaces (base style, ratios, grid lines, hidden-line
// switch, level limits, frame, line pens, base type, axis steps, grid mode, axis annotation and
// axis styles) and the three small routines that work on the last projected picture: a
// polyline on the surface, a spot height and a point transform.
//
// A setter stores what it is given and replaces a refused value by its correction with a
// warning; the corrected value is the one in force.  None of them draws.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/overlays.h"
#include "surface/surface.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

int magnitude(int v) { return v == INT_MIN ? INT_MAX : std::abs(v); }

// |ratio| with warning -19 when negative, 'fallback' with warning -49 when it is about zero.
float checkedRatio(float ratio, float fallback)
{
    float r = ratio;
    if (r < 0.0f) {
        surfaceReportError(kNegativeValue);
        r = -r;
    }
    if (!(std::fabs(r) >= surfaceState.eps) || !std::isfinite(r)) {
        surfaceReportError(kRatioZero);
        r = fallback;
    }
    return r;
}

// The level limits of PRJLEV and PRJZAX: on and sorted, or off with the data range of the last
// map when the two values are about equal.
void storeLevelLimits(float z1, float z2)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    surf.levelLimitsOn = -1;
    surf.levelLimits[0] = std::min(z1, z2);
    surf.levelLimits[1] = std::max(z1, z2);
    if (!(std::fabs(static_cast<double>(z2) - z1) >= s.eps)) {
        surf.levelLimitsOn = 0;
        surf.levelLimits[0] = s.grid.zMin;
        surf.levelLimits[1] = s.grid.zMax;
    }
}

void setAnnotation(int axis, bool on, int width, int decimals, int exponent)
{
    SurfaceSettings& surf = surfaceState.surface;
    surf.annotationOn[axis] = on ? -1 : 0;
    if (on) {
        surf.annotationWidth[axis] = width;
        surf.annotationDecimals[axis] = decimals;
    }
    surf.annotationExponent[axis] = exponent;
}

void allAnnotationOff()
{
    for (int& on : surfaceState.surface.annotationOn) on = 0;
}

// Draws points [from, to] of a surface polyline, broken where a point has no picture position.
void drawProjectedChunk(int from, int to, const float* x, const float* y, const float* z,
                        bool isometric)
{
    ContourPolylineBuffer& b = surfaceState.lineBuffer;
    b.count = 0;
    for (int k = from; k <= to; ++k) {
        float X = 0.0f, Y = 0.0f;
        const bool ok = isometric ? surfaceProjectIsometric(x[k], y[k], z[k], X, Y)
                                  : surfaceProjectPerspective(x[k], y[k], z[k], X, Y);
        if (!ok) {
            if (b.count > 1) surfaceDrawPolyline(b.count, b.x, b.y);
            b.count = 0;
            continue;
        }
        b.x[b.count] = X;
        b.y[b.count] = Y;
        ++b.count;
    }
    if (b.count > 1) surfaceDrawPolyline(b.count, b.x, b.y);
    b.count = 0;
}

}  // namespace

void PRJBAS(const int& style, const int* pens)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJBAS);
    SurfaceSettings& surf = surfaceState.surface;
    int st = style;
    if (st < -1 || st > 1) {
        surfaceReportError(kBadSwitch);
        st = 0;
    }
    bool anyPen = false;
    for (int i = 0; i < 3; ++i) {
        surf.basePens[i] = pens != nullptr ? pens[i] : -1;
        if (surf.basePens[i] != -1) anyPen = true;
    }
    surf.basePensUsed = anyPen ? -1 : 0;
    surf.baseStyleSet = st != -1 ? -1 : 0;
    surf.baseStyleOne = st == 1 ? -1 : 0;
}

void HEIRAT(const float& ratio)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::HEIRAT);
    surfaceState.surface.heightRatio = checkedRatio(ratio, 0.5f);
}

void XYRAT(const float& ratio)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::XYRAT);
    surfaceState.surface.axesRatio = checkedRatio(ratio, 1.0f);
}

void PRJGRD(const int& nx, const int& ny)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJGRD);
    SurfaceSettings& surf = surfaceState.surface;
    const int given[2] = {nx, ny};
    for (int i = 0; i < 2; ++i) {
        surf.gridIntervals[i] = given[i];
        if (given[i] < 0) {
            surfaceReportError(kNegativeValue);
            surf.gridIntervals[i] = magnitude(given[i]);
        }
    }
    const bool zero = nx == 0 || ny == 0;
    if (zero) surfaceReportError(kZeroGridInterval);
    surf.gridLinesOn = zero ? 0 : -1;
}

void PRJHID(const int& onOff)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJHID);
    if (onOff != 0 && onOff != 1) surfaceReportError(kBadSwitch);
    surfaceState.surface.hiddenLinesOn = onOff == 0 ? 0 : -1;
}

void PRJLEV(const float& z1, const float& z2)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJLEV);
    storeLevelLimits(z1, z2);
}

void PRJZAX(const float& z1, const float& z2, const int& mode)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJZAX);
    SurfaceSettings& surf = surfaceState.surface;
    surfaceReportError(kOldLevelRoutine);
    int m = mode;
    if (m != 0 && m != 1) {
        surfaceReportError(kBadSwitch);
        m = 1;
    }
    storeLevelLimits(z1, z2);
    if (surfaceFlagOn(surf.levelLimitsOn)) {
        // The axis limits are the z range a perspective set-up keeps: later pictures are
        // clamped to it and their z axis spans it.
        surf.axisLimitsSet = -1;
        surf.axisLimits[0] = z1;
        surf.axisLimits[1] = z2;
        surf.zRangeLow = surf.levelLimits[0];
        surf.zRangeHigh = surf.levelLimits[1];
        surf.fixedZRange = -1;
    }
    surf.zAxisSwitch = m;
}

void PRJBND(const float& x1, const float& x2, const float& y1, const float& y2)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJBND);
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    float xa = x1, xb = x2, ya = y1, yb = y2;
    int status = 0;
    const int ten = 10;
    surfaceCheckGrid(ten, xa, xb, ten, ya, yb, status);
    if (status != 0) {
        surf.surfaceFrameSet = 0;
        return;
    }
    surf.surfaceFrame[0] = xa;
    surf.surfaceFrame[1] = xb;
    surf.surfaceFrame[2] = ya;
    surf.surfaceFrame[3] = yb;
    surf.surfaceFrameSet = -1;
    if (surfaceFlagOn(surf.contourOnSurface)) {
        s.contour.mapFrame[0] = x1;
        s.contour.mapFrame[1] = x2;
        s.contour.mapFrame[2] = y1;
        s.contour.mapFrame[3] = y2;
        s.contour.mapFrameSet = -1;
    }
}

void PRJLIN(const int& pen1, const int& pen2, const int& pen3)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJLIN);
    SurfaceSettings& surf = surfaceState.surface;
    const int given[3] = {pen1, pen2, pen3};
    for (int i = 0; i < 3; ++i) {
        surf.linePens[i] = given[i];
        if (given[i] < 0) {
            surfaceReportError(kNegativeValue);
            surf.linePens[i] = magnitude(given[i]);
        }
    }
    surf.linePensSet = -1;
}

void PRJFRA(const int& type)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJFRA);
    int t = type;
    if (t < 0 || t > 4) {
        surfaceReportError(kBadFrameType);
        t = 0;
    }
    surfaceState.surface.baseType = t;
}

void PRJSCA(const float& dx, const float& dy, const float& dz)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJSCA);
    SurfaceLibraryState& s = surfaceState;
    const float given[3] = {dx, dy, dz};
    for (int i = 0; i < 3; ++i) {
        float v = given[i];
        if (!(std::fabs(v) > s.eps) || !std::isfinite(v)) {
            s.surface.axesIntervalsGiven[i] = 0;
            continue;
        }
        if (v < 0.0f) {
            surfaceReportError(kNegativeValue);
            v = -v;
        }
        s.surface.axesIntervals[i] = v;
        s.surface.axesIntervalsGiven[i] = -1;
    }
}

void PRJSEC(const int& mode)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJSEC);
    int m = mode;
    if (m < 0 || m > 2) {
        surfaceReportError(kBadSwitch);
        m = 0;
    }
    surfaceState.surface.gridMode = m;
}

void ANNDIG(const int& axis, const int& width, const int& decimals, const int& exponent)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::ANNDIG);
    // An exponent the kernel's reals cannot scale by is not kept.
    const int e = std::fabs(static_cast<double>(exponent)) < surfacePowerLimit() ? exponent : 9999;
    const bool valid = width >= 1 && width <= 9 && decimals >= 0 && decimals <= 8;
    if (axis == 0) {
        allAnnotationOff();
    } else if (axis >= 1 && axis <= 3) {
        setAnnotation(axis - 1, valid, width, decimals, e);
        if (!valid && width != 0) surfaceReportError(kBadLabelWidth);
    } else if (axis == 4 && valid) {
        for (int i = 0; i < 3; ++i) setAnnotation(i, true, width, decimals, e);
    } else {
        allAnnotationOff();
        surfaceReportError(kBadSwitch);
    }
}

void PRJAXI(const int* codes1, const int* codes2)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJAXI);
    SurfaceSettings& surf = surfaceState.surface;
    surf.axesStyle = -1;
    static const int kFirstFallback[6] = {1, 1, 1, 0, 0, 1};
    for (int i = 0; i < 6; ++i) {
        const int a = codes1 != nullptr ? codes1[i] : -1;
        surf.axesCodes1[i] = a;
        if (a < 0 || a > 3) {
            surfaceReportError(kBadSwitch);
            surf.axesCodes1[i] = kFirstFallback[i];
        }
    }
    for (int i = 0; i < 6; ++i) {
        const int b = codes2 != nullptr ? codes2[i] : -1;
        surf.axesCodes2[i] = b;
        if (b < 0 || b > 3) {
            surfaceReportError(kBadSwitch);
            surf.axesCodes2[i] = 0;
        }
    }
}

void LINPRJ(const int& n, const float* x, const float* y, const float* z)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::LINPRJ);
    SurfaceLibraryState& s = surfaceState;
    const bool isometric = s.drawing.code == kDrawingIsometric;
    if (!isometric && !surfaceFlagOn(s.surface.perspectiveSet)) {
        surfaceReportError(kNoProjectedPicture);
        return;
    }
    if (n > 1 && surfaceRefuseMissingArrays({x, y, z})) return;
    if (!surfacePictureFitted() || n <= 1) return;
    // Chunks of at most 80 points through the 80-point buffer, each starting at the last
    // point of the one before, so that the chunks join.
    const int stride = kContourBufferPoints - 1;
    for (int from = 0; from < n - 1;) {
        const int to = std::min(from + stride, n - 1);
        drawProjectedChunk(from, to, x, y, z, isometric);
        from = to;
    }
}

void PRJHGT(const float& x, const float& y, float& z, const int& wsize, const float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PRJHGT);
    SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    const int code = s.drawing.code;
    z = 0.0f;
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    if (code != kDrawingIsometric && code != kDrawingPerspective) {
        surfaceReportError(kNoProjectedPicture);
        return;
    }
    if (!surfacePictureFitted()) return;
    if (!(y >= g.yMin && y <= g.yMax) || !(x >= g.xMin && x <= g.xMax)) {
        surfaceReportError(kOutsideWindow);
        return;
    }
    if (g.nx < 2 || g.ny < 2) return;
    const double gx = (g.nx - 1) * ((static_cast<double>(x) - g.xMin) / (g.xMax - g.xMin)) + 1.0;
    const double gy = (g.ny - 1) * ((static_cast<double>(y) - g.yMin) / (g.yMax - g.yMin)) + 1.0;
    // A window that is no finite range (one no picture is drawn on) places no point in a cell.
    if (!std::isfinite(gx) || !std::isfinite(gy)) {
        surfaceReportError(kOutsideWindow);
        return;
    }
    // A point on the last column or row is read from the cell before it, at fraction 1.
    int ix = std::min(static_cast<int>(gx), g.nx - 1);
    int iy = std::min(static_cast<int>(gy), g.ny - 1);
    ix = std::max(ix, 1);
    iy = std::max(iy, 1);
    const float fx = surfaceNarrow(gx - ix), fy = surfaceNarrow(gy - iy);
    const long long node = static_cast<long long>(iy - 1) * g.nx + ix;
    if (node > INT_MAX) return;
    const int nodeNumber = static_cast<int>(node);
    // The grid starts at the partition's grid offset; the reader bounds every word by wsize.
    surfaceGridHeightAt(z, fx, fy, nodeNumber, wsize, work);
}

void PERSPA(const float& x, const float& y, const float& z, float& X, float& Y)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PERSPA);
    surfaceProjectPerspective(x, y, z, X, Y);
}
