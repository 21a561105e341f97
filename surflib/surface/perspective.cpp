// perspective.cpp - perspective surfaces: the wire-frame and line-style routines (PERPRJ,
// PERLI3, GRDPER, RANPER, FUNPER), their common driver, the workspace partition of a
// perspective picture, the key of the height bands of the line-style mode, the filled cells of
// the filled mode, and the small helpers both projections share (grid-line steps, height
// ranges).
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/picture_workspace.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "surface/surface.h"
#include "tterrlib.h"

using namespace surflib;

namespace surflib {

// ---- Small shared helpers -------------------------------------------------------------------

void surfaceGridLineSteps(int nx, int ny, int& stepX, int& stepY)
{
    SurfaceSettings& surf = surfaceState.surface;
    stepX = 1;
    stepY = 1;
    if (!surfaceFlagOn(surf.gridLinesOn)) return;
    stepX = std::max(surf.gridIntervals[0], 1);
    stepY = std::max(surf.gridIntervals[1], 1);
    if (stepX > nx - 1 || stepY > ny - 1) {
        surfaceReportError(kClipped);
        stepX = stepY = 1;
        surf.gridLinesOn = 0;
    }
}

void surfaceLimitHeightRange(float& lo, float& hi)
{
    const SurfaceSettings& surf = surfaceState.surface;
    if (surfaceFlagOn(surf.levelLimitsOn)) {
        lo = std::max(lo, surf.levelLimits[0]);
        hi = std::min(hi, surf.levelLimits[1]);
    }
    if (surfaceFlagOn(surf.fixedZRange)) {
        lo = surf.zRangeLow;
        hi = surf.zRangeHigh;
    }
}

void surfaceFiniteRange(const float* z, long long nodes, float& lo, float& hi)
{
    lo = hi = 0.0f;
    bool any = false;
    for (long long k = 0; k < nodes; ++k) {
        if (!std::isfinite(z[k])) continue;
        if (!any || z[k] < lo) lo = z[k];
        if (!any || z[k] > hi) hi = z[k];
        any = true;
    }
}

// ---- Workspace ------------------------------------------------------------------------------

void surfacePartitionPerspectiveWorkspace(int wsize, int& status)
{
    SurfaceLibraryState& s = surfaceState;
    WorkspacePartition& p = s.partition;
    const GridState& g = s.grid;
    const long long nodes = surfaceNodeCount(g.nx, g.ny);
    const long long m = std::max(g.nx, g.ny);
    const long long used = static_cast<long long>(p.grid) + nodes + kPerspectiveLineArrays * m;
    const long long L = (static_cast<long long>(wsize) - used) / kOutlineArrays;
    status = 0;
    if (nodes <= 0 || p.grid < 0 || L < kOutlineMinimumPerNode * m || L > INT_MAX) {
        status = kWorkspaceShort;
        return;
    }
    p.runs = static_cast<int>(p.grid + nodes);
    p.runLength = static_cast<int>(m);
    p.outlines = static_cast<int>(used);
    p.outlineLength = static_cast<int>(L);
    p.recordedSize = wsize;
}

// ---- Key of levels --------------------------------------------------------------------------

void surfaceDrawLevelKey()
{
    SurfaceLibraryState& s = surfaceState;
    const ContourLevelList& l = s.levels;
    const ProjectionTerms& p = s.projection;
    const int count = std::min(l.count, kSurfaceMaxLevels);
    if (count < 1) return;
    const float cw = s.digitWidth, ch = s.charHeight;
    const float f = p.frameHeight > 100.0f * ch ? 0.6f : 0.75f;
    const float cwk = f * cw, chk = f * ch;
    float x0 = p.frameX + p.frameWidth + 15.0f * cw;
    const SurfaceSettings& surf = s.surface;
    if (surfaceFlagOn(surf.annotationOn[2]) && surfaceFlagOn(s.contour.labelFixedFormat)) {
        x0 = p.frameX + p.frameWidth + (s.contour.labelWidth + 1) * cwk +
            (surf.annotationWidth[2] + 1) * cw;
    }
    float vLow = s.grid.zMin, vHigh = s.grid.zMax;
    if (surfaceFlagOn(s.contour.limitsOn)) {
        vLow = std::min(vLow, s.contour.zLow);
        vHigh = std::max(vHigh, s.contour.zHigh);
    }
    const double span = static_cast<double>(vHigh) - vLow;
    if (!(span > 0.0)) return;
    const double barHeight = 0.5 * std::min(12.0 * count * chk, static_cast<double>(p.frameHeight));
    const double scale = barHeight / span;
    const float barWidth = 6.0f * cwk;
    double bottom = p.frameY;
    for (int k = 1; k <= count; ++k) {
        const double top = (l.heights[k - 1] - static_cast<double>(vLow)) * scale + p.frameY;
        if (l.pens[k - 1] >= 0) {
            const int code = 1002;
            surfaceSelectPen(l.pens[k - 1]);
            surfaceSetFillCode(code);
            const float yb = surfaceNarrow(bottom), yt = surfaceNarrow(top);
            const float xs[5] = {x0, x0 + barWidth, x0 + barWidth, x0, x0};
            const float ys[5] = {yb, yb, yt, yt, yb};
            const float counts[1] = {5.0f};
            const int one = 1;
            surfaceFillPolygons(one, counts, xs, ys);
        }
        bottom = top;
    }
    // Ticks and numbers left of the bar in the frame pen.
    const int pen = surfaceFlagOn(s.contour.pensSet) ? s.contour.framePen : surfaceEntryPen();
    surfaceSelectPen(pen);
    surfaceSetTextSize(chk);
    int e = 0, decimals = 0, n = 0, width = 0;
    float first = 0.0f, step = 0.0f;
    const int ten = 10;
    surfaceChooseIntervals(vLow, vHigh, ten, e, first, step, decimals, n, width);
    // The numbers: the label format of the contour annotation when set; otherwise in data units,
    // or in units of 10^e with a caption when e lies outside -2..2.
    const ContourSettings& c = s.contour;
    double unit = 1.0;
    int shownDecimals = decimals, caption = 0;
    if (surfaceFlagOn(c.labelFixedFormat)) {
        shownDecimals = c.labelDecimals;
        if (c.labelExponent != 9999 && std::abs(c.labelExponent) < surfacePowerLimit()) {
            unit = std::pow(10.0, c.labelExponent);
            caption = c.labelExponent;
        }
    } else if (e < -2 || e > 2) {
        unit = std::pow(10.0, e);
        caption = e;
    } else if (e != 0) {
        int code = 0, dOut = 0, wOut = 0;
        surfaceNumberWidth(e, decimals, width, code, dOut, wOut);
        shownDecimals = code != 9999 ? dOut : std::max(decimals - e, 0);
    }
    shownDecimals = std::clamp(shownDecimals, 0, 8);
    // vLow (when below the first level), every level, then vHigh.
    const bool withLow = vLow < l.heights[0];
    const int values = count + 1 + (withLow ? 1 : 0);
    double lastY = -1e30;
    for (int k = 0; k < values; ++k) {
        const int level = withLow ? k - 1 : k;
        const float v = level < 0 ? vLow : (level < count ? l.heights[level] : vHigh);
        const float y = surfaceNarrow((v - static_cast<double>(vLow)) * scale + p.frameY);
        const float xt[2] = {x0 - 0.5f * cwk, x0}, yt[2] = {y, y};
        const int two = 2;
        surfaceDrawPolyline(two, xt, yt);
        if (std::fabs(y - lastY) < 2.0 * chk) continue;
        int w = 9, d = shownDecimals;
        surfaceDrawNumber(x0 - cwk, y - 0.5f * chk, surfaceNarrow(v / unit), w, d, 9999);
        lastY = y;
    }
    if (caption != 0) {
        static const char kTimesTen[] = "  *10";
        const float cy = surfaceNarrow(lastY + 2.0 * chk);
        const float cx = x0 - 8.0f * cwk;
        const int noControl = 0;
        surfaceDrawText(cx, cy, kTimesTen, 5, noControl);
        int fixedWidth = -4;
        surfaceDrawFixedNumber(cx + 5.25f * cwk, cy + 0.75f * chk, static_cast<float>(caption),
                               fixedWidth, 9999);
    }
    surfaceSetTextSize(ch);
}

// ---- The driver -----------------------------------------------------------------------------

namespace {

// Levels of the line-style mode when no explicit list is in force.
void makeBandLevels(float lo, float hi, float dataMax)
{
    SurfaceLibraryState& s = surfaceState;
    ContourLevelList& l = s.levels;
    if (surfaceFlagOn(s.contour.levelListOn)) return;
    int n = std::max(l.count, 1);
    double first = 0.0, step = 0.0;
    double bottom = lo, top = hi;
    if (surfaceFlagOn(s.contour.limitsOn)) {
        bottom = s.contour.zLow;
        top = s.contour.zHigh;
        s.grid.zMin = s.contour.zLow;
        s.grid.zMax = s.contour.zHigh;
        if (n == 1) {
            surfaceReportError(kOneLevelBetweenLimits);
            n = 2;
        }
        step = (top - bottom) / (n - 1);
        first = bottom + step;
    } else {
        int e = 0, decimals = 0, count = 0, width = 0;
        float f = 0.0f, st = 0.0f;
        surfaceChooseIntervals(lo, hi, n, e, f, st, decimals, count, width);
        const double unit = std::pow(10.0, e);
        first = f * unit;
        step = st * unit;
        if (std::fabs(first - lo) > 1e-4 * (static_cast<double>(hi) - lo)) first += step;
    }
    l.count = 0;
    if (!(step > 0.0) || !std::isfinite(step)) return;
    const double slack = 1e-5 * (std::fabs(bottom) + std::fabs(top));
    for (double v = first; v <= top + slack && l.count < kSurfaceMaxLevels; v += step) {
        l.heights[l.count++] = surfaceNarrow(v);
    }
    if (l.count < kSurfaceMaxLevels && (l.count == 0 || dataMax > l.heights[l.count - 1])) {
        l.heights[l.count++] = dataMax;
    }
}

// The clamped data range of the grid (finite heights only) and the z axis range.
void heightRanges(const float* z, long long nodes, float& zmin, float& zmax, float& axisLow,
                  float& axisHigh)
{
    const SurfaceSettings& surf = surfaceState.surface;
    surfaceFiniteRange(z, nodes, zmin, zmax);
    if (surfaceFlagOn(surf.levelLimitsOn)) {
        zmin = std::max(zmin, surf.levelLimits[0]);
        zmax = std::min(zmax, surf.levelLimits[1]);
    }
    if (surfaceFlagOn(surf.fixedZRange)) {
        zmin = std::max(zmin, surf.zRangeLow);
        zmax = std::min(zmax, surf.zRangeHigh);
    }
    // Limits that leave nothing of the data keep the heights at the lower limit.
    if (zmax < zmin) zmax = zmin;
    axisLow = surfaceFlagOn(surf.fixedZRange) ? surf.zRangeLow : zmin;
    axisHigh = surfaceFlagOn(surf.fixedZRange) ? surf.zRangeHigh : zmax;
    if (!(static_cast<double>(axisHigh) - axisLow >= surfaceState.eps)) {
        surfaceReportError(kFlatHeights);
        surfaceWidenRange(axisLow, axisHigh);
    }
}

// The fill code of cell (i, j): from the caller's fill array in the filled mode; otherwise (an
// opaque surface, CONSWI surface switch 1) the pen of the band of the cell's mean height in
// the line-style mode, else 0, the background, which covers what lies behind the surface.
float cellCode(const float* grid, float zlow, float zhigh, const float* fillCodes, int i, int j)
{
    const GridState& g = surfaceState.grid;
    if (fillCodes != nullptr) return fillCodes[static_cast<long long>(j) * (g.nx - 1) + i];
    if (!surfaceFlagOn(surfaceState.surface.lineStyle)) return 0.0f;
    double sum = 0.0;
    for (int k = 0; k < 4; ++k)
        sum += surfaceClampedNode(grid, g.nx, i + k % 2, j + k / 2, zlow, zhigh);
    const int band = surfaceFindBand(surfaceNarrow(0.25 * sum));
    if (band < 1 || band > kSurfaceMaxLevels) return 0.0f;
    // A pen of a line style and colour fills in its colour; colours and kernel pens fill as
    // they stand.
    const int pen = surfaceState.levels.pens[band - 1];
    return static_cast<float>(pen >= 1000 && pen < 2000 ? pen - 1000 : pen);
}

// One cell: filled with its code, and outlined in the filled mode.
void fillCell(const float* grid, float zlow, float zhigh, const float* fillCodes, int i, int j,
              int pen, bool outline)
{
    const GridState& g = surfaceState.grid;
    const SurfaceSettings& surf = surfaceState.surface;
    auto nodeX = [&](int n) {
        return surf.pictureXMin + (surf.pictureXMax - surf.pictureXMin) * n / (g.nx - 1);
    };
    auto nodeY = [&](int n) {
        return surf.pictureYMin + (surf.pictureYMax - surf.pictureYMin) * n / (g.ny - 1);
    };
    const int is[5] = {i, i + 1, i + 1, i, i};
    const int js[5] = {j, j, j + 1, j + 1, j};
    float xs[5], ys[5];
    for (int k = 0; k < 5; ++k) {
        const float z = surfaceClampedNode(grid, g.nx, is[k], js[k], zlow, zhigh);
        if (!surfaceProjectFinite(nodeX(is[k]), nodeY(js[k]), z, xs[k], ys[k])) return;
    }
    const float code = cellCode(grid, zlow, zhigh, fillCodes, i, j);
    if (std::isfinite(code) && code >= 0.0f && code < 1.0e9f) {
        surfaceSetFillCode(static_cast<int>(code));
        const float counts[1] = {5.0f};
        const int one = 1;
        surfaceFillPolygons(one, counts, xs, ys);
    }
    if (!outline) return;
    surfaceSelectPen(pen);
    const int five = 5;
    surfaceDrawPolyline(five, xs, ys);
}

}  // namespace

// Cells from the back to the front, each filled with its code (and outlined when asked), so
// that nearer cells cover farther ones: strips of cells between lines along x, the farthest
// strip first, and in each strip the cells farthest across first (the cell centres are in
// order along x, so the farthest one is always at one of the two open ends).  For a surface
// over a grid this painter's order leaves the same picture as clipping each cell against the
// outline of the cells before it.
void surfaceFillPerspectiveCells(const float* grid, float zlow, float zhigh, const float* fillCodes,
                                 bool outline)
{
    const SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    const SurfaceSettings& surf = s.surface;
    const ProjectionTerms& p = s.projection;
    const double r = surf.axesRatio != 0.0f ? surf.axesRatio : 1.0f;
    const double eyeX = p.centreX + static_cast<double>(p.eyeDistance) * p.sinAzSinTilt;
    const double eyeY = p.centreY + static_cast<double>(p.eyeDistance) * p.cosAzSinTilt / r;
    auto across = [&](int i) {
        const double c =
            surf.pictureXMin + (surf.pictureXMax - surf.pictureXMin) * (i + 0.5) / (g.nx - 1);
        return std::fabs(c - eyeX);
    };
    auto depth = [&](int j) {
        const double c =
            surf.pictureYMin + (surf.pictureYMax - surf.pictureYMin) * (j + 0.5) / (g.ny - 1);
        return std::fabs(c - eyeY);
    };
    const int pen = surfaceFlagOn(surf.linePensSet) ? surf.linePens[1] : surfaceEntryPen();
    int front = 0, back = g.ny - 2;
    while (front <= back) {
        const int j = depth(front) > depth(back) ? front++ : back--;
        int lo = 0, hi = g.nx - 2;
        while (lo <= hi) {
            const int i = across(hi) > across(lo) ? hi-- : lo++;
            fillCell(grid, zlow, zhigh, fillCodes, i, j, pen, outline);
        }
    }
}

namespace {

// Base edges, data points, axes and title after the grid.
void finishPicture(float zlow, float zhigh, int wsize, float* work, bool pointsKept)
{
    SurfaceLibraryState& s = surfaceState;
    const SurfaceSettings& surf = s.surface;
    const ProjectionTerms& p = s.projection;
    const int framePen = surfaceFlagOn(surf.linePensSet) ? surf.linePens[0] : surfaceEntryPen();
    if (surf.baseType <= 1) {
        surfaceSelectPen(framePen);
        const float(*c)[2] = p.boxCorners;
        if (surfaceFlagOn(p.belowView)) {
            const float xs[5] = {c[0][0], c[1][0], c[2][0], c[3][0], c[0][0]};
            const float ys[5] = {c[0][1], c[1][1], c[2][1], c[3][1], c[0][1]};
            const int five = 5;
            surfaceDrawPolyline(five, xs, ys);
        } else {
            const int n = surfaceFlagOn(p.splitWalk) ? 2 : 3;
            const float xs[3] = {c[0][0], c[1][0], c[2][0]};
            const float ys[3] = {c[0][1], c[1][1], c[2][1]};
            surfaceDrawPolyline(n, xs, ys);
        }
    }
    if (pointsKept && surfaceFlagOn(s.contour.pointMarkersOn)) {
        surfaceDrawProjectedDataPoints(wsize, work);
    }
    if (surf.baseType == 0) surfaceDrawProjectedAxes(zlow, zhigh, wsize, work);
    surfaceDrawPictureTitle(p.frameX, p.frameY + p.frameHeight, p.frameWidth);
}

bool driverFails()
{
    surfaceState.surface.perspectiveSet = 0;
    surfaceState.drawing.code = kDrawingNone;
    surfaceState.partition.recordedSize = 0;
    return false;
}

bool drawGrid(int nx, float xmin, float xmax, int ny, float ymin, float ymax, const float* z,
              float& distance, float elevation, float azimuth, int wsize, float* work,
              const float* fillCodes, int gridBase)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    GridState& g = s.grid;
    const int begin = kBeginPerspective;
    surfaceBeginDrawing(begin);
    surf.perspectiveSet = 0;
    surfaceSetGridShape(nx, ny);
    surf.pictureXMin = xmin;
    surf.pictureXMax = xmax;
    surf.pictureYMin = ymin;
    surf.pictureYMax = ymax;
    int status = 0;
    surfaceCheckGrid(nx, surf.pictureXMin, surf.pictureXMax, ny, surf.pictureYMin, surf.pictureYMax,
                     status);
    if (status != 0) return driverFails();
    g.xMin = surf.pictureXMin;
    g.xMax = surf.pictureXMax;
    g.yMin = surf.pictureYMin;
    g.yMax = surf.pictureYMax;
    s.partition.grid = gridBase;
    g.gridOffset = gridBase;
    surfacePartitionPerspectiveWorkspace(wsize, status);
    if (status != 0 || surfaceWorkspaceEmpty(wsize, work)) {
        surfaceReportError(kWorkspaceShort);
        return driverFails();
    }
    // A filled picture reads a fill code for every cell.
    const float* codes = surfaceFlagOn(surf.fillMode) ? fillCodes : z;
    if (surfaceRefuseMissingArrays({z, codes})) return driverFails();
    surfaceDivideGridAxes();

    const long long nodes = surfaceNodeCount(nx, ny);
    float zmin = 0.0f, zmax = 0.0f, axisLow = 0.0f, axisHigh = 0.0f;
    heightRanges(z, nodes, zmin, zmax, axisLow, axisHigh);
    g.zMin = zmin;
    g.zMax = zmax;
    if (surfaceFlagOn(surf.lineStyle)) makeBandLevels(zmin, zmax, zmax);

    surfaceDivideHeightAxis(axisLow, axisHigh);
    const SurfaceAxisScale& za = s.axisScales[2];
    float* copy = work + gridBase;
    // The caller may hand a grid that overlaps the workspace: moved, not copied.
    if (copy != z) std::memmove(copy, z, static_cast<size_t>(nodes) * sizeof(float));
    float low = surfaceNarrow(static_cast<double>(za.firstTick) * za.unit);
    float high =
        surfaceNarrow((za.firstTick + static_cast<double>(za.tickCount) * za.step) * za.unit);
    if (!(static_cast<double>(high) - low > 0.0)) surfaceWidenRange(low, high);
    s.projection.zOrigin = low;
    surf.zAxisLow = low;
    surf.zAxisHigh = high;
    surf.zUnit = za.unit;

    int nFirst = 0, nSecond = 0;
    surfaceSetViewTransform(distance, elevation, azimuth, nx, ny, nFirst, nSecond, g.xMin, g.xMax,
                            g.yMin, g.yMax, low, high, status);
    if (status != 0) return driverFails();
    surfaceDrawHiddenLineGrid(zmin, zmax, wsize, work, fillCodes);
    if (!surfacePictureFitted()) return driverFails();
    surf.perspectiveSet = -1;
    if (surfaceFlagOn(surf.fillMode))
        surfaceFillPerspectiveCells(copy, zmin, zmax, fillCodes, true);
    finishPicture(zmin, zmax, wsize, work, gridBase > 0);
    return true;
}

}  // namespace

void surfaceDrawPerspectiveGrid(int nx, float xmin, float xmax, int ny, float ymin, float ymax,
                                const float* z, float& distance, float elevation, float azimuth,
                                int wsize, float* work, const float* fillCodes, int gridBase)
{
    drawGrid(nx, xmin, xmax, ny, ymin, ymax, z, distance, elevation, azimuth, wsize, work,
             fillCodes, gridBase);
}

// ---- Legacy routines ------------------------------------------------------------------------

namespace {

void plainModes()
{
    SurfaceSettings& surf = surfaceState.surface;
    surf.lineStyle = 0;
    surf.fillMode = 0;
    surf.keyOn = 0;
    surf.baseStyleOne = 0;
}

}  // namespace

}  // namespace surflib

void PERPRJ(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PERPRJ);
    plainModes();
    surfaceDrawPerspectiveGrid(nx, xmin, xmax, ny, ymin, ymax, z, distance, elevation, azimuth,
                               wsize, work, nullptr, 0);
}

void GRDPER(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::GRDPER);
    plainModes();
    const int wsize = kSurfaceInternalWorkWords;
    surfaceDrawPerspectiveGrid(nx, xmin, xmax, ny, ymin, ymax, z, distance, elevation, azimuth,
                               wsize, surfaceState.internalWork, nullptr, 0);
}

namespace {

// The line-style mode of PERLI3: n + 1 band pens, kept twice over, and the key switch.
void takeBandPens(int n, const int* pens, int keySwitch)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    surf.lineStyle = -1;
    ContourLevelList& l = s.levels;
    // Without a CONDEF list the count left by an earlier picture means nothing: n levels.
    if (!surfaceFlagOn(s.contour.levelListOn) || l.count <= 0 || l.count > n) l.count = n;
    for (int k = 0; k <= n; ++k) {
        if (k < kSurfaceMaxLevels) l.pens[k] = pens[k];
        if (n + 1 + k < kSurfaceMaxLevels) l.pens[n + 1 + k] = pens[k];
    }
    if (keySwitch == 1) {
        surf.keyOn = -1;
    } else if (keySwitch != 0) {
        surfaceReportError(kBadSwitch);
    }
}

}  // namespace

void PERLI3(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth, const int& n, const int* pens, const int& keySwitch,
            const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PERLI3);
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    if (n < 0 || n > 99) {
        surfaceReportError(kLevelCountOutOfRange);
        return;
    }
    const int savedFill = surf.fillMode;
    surf.fillMode = 0;
    surf.lineStyle = 0;
    surf.keyOn = 0;
    if (n >= 1 && pens != nullptr) takeBandPens(n, pens, keySwitch);
    surfaceDrawPerspectiveGrid(nx, xmin, xmax, ny, ymin, ymax, z, distance, elevation, azimuth,
                               wsize, work, nullptr, 0);
    if (surfaceFlagOn(surf.perspectiveSet) && surfaceFlagOn(surf.keyOn)) surfaceDrawLevelKey();
    surf.lineStyle = 0;
    surf.keyOn = 0;
    surf.fillMode = savedFill;
}

void RANPER(const int& npts, float* x, float* y, float* z, float& distance, const float& elevation,
            const float& azimuth)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::RANPER);
    SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    plainModes();
    int base = 0;
    if (!surfaceGridRandomPoints(npts, x, y, z, base)) return;
    const int wsize = kSurfaceInternalWorkWords;
    const float* grid = s.internalWork + s.partition.grid;
    const float xmin = g.xMin, xmax = g.xMax, ymin = g.yMin, ymax = g.yMax;
    surfaceDrawPerspectiveGrid(g.nx, xmin, xmax, g.ny, ymin, ymax, grid, distance, elevation,
                               azimuth, wsize, s.internalWork, nullptr, base);
}

void FUNPER(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            SurfaceHeightFunction f, float& distance, const float& elevation, const float& azimuth)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::FUNPER);
    SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    plainModes();
    if (!surfaceSampleFunctionGrid(xmin, xmax, ymin, ymax, f)) return;
    const int wsize = kSurfaceInternalWorkWords;
    const float x0 = g.xMin, x1 = g.xMax, y0 = g.yMin, y1 = g.yMax;
    surfaceDrawPerspectiveGrid(g.nx, x0, x1, g.ny, y0, y1, s.internalWork, distance, elevation,
                               azimuth, wsize, s.internalWork, nullptr, 0);
}
