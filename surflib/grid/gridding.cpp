// gridding.cpp - scattered points and user functions onto a regular grid: RANGRD and FUNGRD
// return the grid, RANCON and FUNCON contour it at once in the library's own workspace.
//
// A node's height comes from the points in a circular patch around it (radius chosen so that
// the patch holds patchPoints points on average): a weighted least-squares fit of a plane
// with a radial quadratic term, z = A d^2 + B dx + C dy + D, whose D is the height, or the
// weighted average; weights (R - d)^2 / d^2 fall to zero at the patch radius.  A bucket grid
// over the points, sorted column by column, keeps the patch search local.  While gridding,
// coordinates are in grid-index units (node i at x = i).
//
// Points whose coordinates or height are not numbers take no part: they are left out of the
// buckets, and fewer than 9 usable points are refused.
#include "grid/gridding.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/mapframe.h"
#include "grid/overlays.h"
#include "grid/tracing.h"

using namespace surflib;

namespace {

constexpr int kMinPoints = 9;

bool usablePoint(float x, float y, float z)
{
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

int usableCount(int n, const float* x, const float* y, const float* z)
{
    int count = 0;
    for (int k = 0; k < n; ++k) {
        if (usablePoint(x[k], y[k], z[k])) ++count;
    }
    return count;
}

// The integer part of v, kept inside the int range.
int wholePart(double v)
{
    if (!(v > -1.0e9)) return -1000000000;
    if (!(v < 1.0e9)) return 1000000000;
    return static_cast<int>(v);
}

// An end of the points' extent moved out by 1e-5 of its span (signed toward the outside), so
// that no point lies on the window's edge; kept within the largest real, so that points near it
// still span a window that is a number.
float widenedEnd(double end, double outward)
{
    const double v = end + 1.0e-5 * outward;
    return static_cast<float>(
        std::clamp(v, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

// The nodes of the recorded grid; none when a count is below 2 (a grid a refused routine left
// behind), so that no size is taken from it.
long long nodesOf(const GridState& g)
{
    return g.nx >= 2 && g.ny >= 2 ? static_cast<long long>(g.nx) * g.ny : 0;
}

// The grid at word offset of the workspace and its edge flags right after it (both checked to
// fit by the caller).
void placeGrid(long long offset, long long nodes)
{
    SurfaceLibraryState& s = surfaceState;
    s.partition.grid = static_cast<int>(offset);
    s.partition.edgeFlags = static_cast<int>(offset + nodes);
    s.grid.gridOffset = s.partition.grid;
}

int functionGridOffset()
{
    const SurfaceLibraryState& s = surfaceState;
    return surfaceFlagOn(s.contour.pointMarkersOn) ? s.partition.randomPointsSize : 0;
}

// Puts the x and y arrays (and the extents) back into map units.
void toMapUnits(int n, float* x, float* y, double sx, double sy)
{
    const GridState& g = surfaceState.grid;
    for (int k = 0; k < n; ++k) {
        x[k] = surfaceNarrow(x[k] * sx + g.xMin);
        y[k] = surfaceNarrow(y[k] * sy + g.yMin);
    }
}

// Bucket sort of the usable points into the sorted lists and the bucket start index.
void bucketPoints(int npts, const float* x, const float* y, const float* z, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    const WorkspacePartition& p = s.partition;
    float* sx = work + p.sortedX;
    float* sy = work + p.sortedY;
    float* sz = work + p.sortedZ;
    float* start = work + p.bucketStart;
    auto column = [&](float v) {
        return std::clamp(wholePart((v - static_cast<double>(g.dataXMin)) / g.bucketWidth), 0,
                          g.bucketColumns - 1);
    };
    auto row = [&](float v) {
        return std::clamp(wholePart((v - static_cast<double>(g.dataYMin)) / g.bucketHeight), 0,
                          g.bucketRows - 1);
    };
    int next = 0;
    for (int i = 0; i < g.bucketColumns; ++i) {
        const int columnStart = next;
        for (int k = 0; k < npts; ++k) {
            if (!usablePoint(x[k], y[k], z[k]) || column(x[k]) != i) continue;
            sx[next] = x[k];
            sy[next] = y[k];
            sz[next] = z[k];
            ++next;
        }
        int free = columnStart;
        for (int j = 1; j <= g.bucketRows; ++j) {
            start[static_cast<long long>(i) * g.bucketRows + (j - 1)] =
                static_cast<float>(free + 1);
            for (int k = free; k < next; ++k) {
                if (row(sy[k]) != j - 1) continue;
                std::swap(sx[k], sx[free]);
                std::swap(sy[k], sy[free]);
                std::swap(sz[k], sz[free]);
                ++free;
            }
        }
    }
    g.pointCount = next;
}

// The 1-based position in the sorted lists where bucket (i, j) begins; N + 1 past the last.
int bucketStartAt(int i, int j, const float* work)
{
    const SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    const long long index = static_cast<long long>(i - 1) * g.bucketRows + (j - 1);
    if (index >= static_cast<long long>(g.bucketColumns) * g.bucketRows) return g.pointCount + 1;
    return wholePart(work[s.partition.bucketStart + index]);
}

// Solves the weighted normal equations for D, eliminating A, B, C in turn; false when a pivot
// after the first is below the tolerance.
bool fitHeight(double m[4][5], double& d)
{
    for (int col = 0; col < 3; ++col) {
        if (col > 0 && std::fabs(m[col][col]) < 5.0e-7) return false;
        if (m[col][col] == 0.0) return false;
        for (int r = col + 1; r < 4; ++r) {
            const double f = m[r][col] / m[col][col];
            for (int c = col; c < 5; ++c) m[r][c] -= f * m[col][c];
        }
    }
    if (std::fabs(m[3][3]) < 5.0e-7) return false;
    // Back substitution is needed for D only, the last unknown.
    d = m[3][4] / m[3][3];
    return std::isfinite(d);
}

}  // namespace

namespace surflib {

// ---- Partitions -----------------------------------------------------------------------------

void surfacePartitionRandomGrid(int wsize, int& status)
{
    SurfaceLibraryState& s = surfaceState;
    WorkspacePartition& p = s.partition;
    const long long n = std::max(s.grid.pointCount, 0);
    const long long nodes = nodesOf(s.grid);
    status = 0;
    if (n > 2147483647LL / 8 || 2 * nodes + 4 * n > wsize || nodes <= 0) {
        status = kWorkspaceShort;
        return;
    }
    p.sortedX = 0;
    p.sortedY = static_cast<int>(n);
    p.sortedZ = static_cast<int>(2 * n);
    p.bucketStart = static_cast<int>(3 * n);
    p.randomPointsSize = static_cast<int>(4 * n);
    placeGrid(4 * n, nodes);
}

void surfacePartitionFunctionGrid(int wsize, int& status)
{
    const long long offset = functionGridOffset();
    const long long nodes = nodesOf(surfaceState.grid);
    status = 0;
    if (nodes <= 0 || offset + 2 * nodes > wsize) {
        status = kWorkspaceShort;
        return;
    }
    placeGrid(offset, nodes);
}

void surfacePartitionFillWorkspace(int wsize, int& status)
{
    surfacePartitionFillAt(functionGridOffset(), wsize, status);
}

void surfacePartitionFillAt(int gridOffset, int wsize, int& status)
{
    SurfaceLibraryState& s = surfaceState;
    WorkspacePartition& p = s.partition;
    const long long offset = std::max(gridOffset, 0);
    const long long nodes = nodesOf(s.grid);
    status = 0;
    // Sizes in 64 bits, and three grids only of a grid that fits the workspace at all.
    const long long rest = nodes <= wsize ? static_cast<long long>(wsize) - offset - 3 * nodes : -1;
    const long long m = rest / 10;
    if (nodes <= 0 || m < 100) {
        status = kWorkspaceShort;
        return;
    }
    placeGrid(offset, nodes);
    p.extraGrid = static_cast<int>(offset + 2 * nodes);
    p.fillCounts = static_cast<int>(offset + 3 * nodes);
    p.fillX = static_cast<int>(offset + 3 * nodes + 2 * m);
    p.fillY = static_cast<int>(offset + 3 * nodes + 6 * m);
    p.fillPieceWords = static_cast<int>(m);
}

// ---- Scattered points -----------------------------------------------------------------------

bool surfaceUseRecordedGridSize()
{
    GridState& g = surfaceState.grid;
    if (g.nx < 2 || g.ny < 2) {
        surfaceReportError(kTooFewNodes);
        return false;
    }
    g.nxIntervals = g.nx - 1;
    g.nyIntervals = g.ny - 1;
    return true;
}

void surfacePrepareRandomPoints(int npts, float* x, float* y, float* z, int wsize, float* work,
                                int& status)
{
    (void)wsize;
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    s.projection.fitMargin = 1;
    double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    double z0 = INFINITY, z1 = -INFINITY;
    for (int k = 0; k < npts; ++k) {
        if (!usablePoint(x[k], y[k], z[k])) continue;
        x0 = std::min<double>(x0, x[k]);
        x1 = std::max<double>(x1, x[k]);
        y0 = std::min<double>(y0, y[k]);
        y1 = std::max<double>(y1, y[k]);
        z0 = std::min<double>(z0, z[k]);
        z1 = std::max<double>(z1, z[k]);
    }
    if (!(x0 <= x1)) x0 = x1 = y0 = y1 = z0 = z1 = 0.0;
    g.zMin = surfaceNarrow(z0);
    g.zMax = surfaceNarrow(z1);
    g.dataXMin = widenedEnd(x0, x0 - x1);
    g.dataXMax = widenedEnd(x1, x1 - x0);
    g.dataYMin = widenedEnd(y0, y0 - y1);
    g.dataYMax = widenedEnd(y1, y1 - y0);
    const float window[4] = {g.xMin, g.xMax, g.yMin, g.yMax};

    if (status == 0) {
        const bool inside = g.xMin >= g.dataXMin && g.xMax <= g.dataXMax && g.yMin >= g.dataYMin &&
            g.yMax <= g.dataYMax;
        if (!inside) {
            surfaceReportError(kWindowBeyondData);
            g.xMin = g.dataXMin;
            g.xMax = g.dataXMax;
            g.yMin = g.dataYMin;
            g.yMax = g.dataYMax;
        }
    } else {
        g.xMin = g.dataXMin;
        g.xMax = g.dataXMax;
        g.yMin = g.dataYMin;
        g.yMax = g.dataYMax;
    }
    const int ten = 10;
    float ex0 = g.dataXMin, ex1 = g.dataXMax, ey0 = g.dataYMin, ey1 = g.dataYMax;
    surfaceCheckGrid(ten, ex0, ex1, ten, ey0, ey1, status);
    if (status != 0) {
        // Refused: the grid in force keeps its window.
        g.xMin = window[0];
        g.xMax = window[1];
        g.yMin = window[2];
        g.yMax = window[3];
        return;
    }

    const double sx = (static_cast<double>(g.xMax) - g.xMin) / g.nxIntervals;
    const double sy = (static_cast<double>(g.yMax) - g.yMin) / g.nyIntervals;
    auto toIndexX = [&](double v) { return surfaceNarrow((v - g.xMin) / sx); };
    auto toIndexY = [&](double v) { return surfaceNarrow((v - g.yMin) / sy); };
    g.dataXMin = toIndexX(g.dataXMin);
    g.dataXMax = toIndexX(g.dataXMax);
    g.dataYMin = toIndexY(g.dataYMin);
    g.dataYMax = toIndexY(g.dataYMax);
    for (int k = 0; k < npts; ++k) {
        x[k] = toIndexX(x[k]);
        y[k] = toIndexY(y[k]);
    }

    const int usable = usableCount(npts, x, y, z);
    const double pi = 4.0 * std::atan(1.0);
    const double width = static_cast<double>(g.dataXMax) - g.dataXMin;
    const double height = static_cast<double>(g.dataYMax) - g.dataYMin;
    for (;;) {
        const double r = std::sqrt(static_cast<double>(g.nxIntervals) * g.nyIntervals *
                                   s.contour.patchPoints / (pi * usable));
        g.patchRadius = surfaceNarrow(r);
        long long columns = std::max(1, wholePart(g.nxIntervals * g.bucketDensity / (2.0 * r)));
        long long rows = std::max(1, wholePart(g.nyIntervals * g.bucketDensity / (2.0 * r)));
        // A patch that holds every point searches them all: one bucket holds them.
        if (columns * rows >= usable && usable <= s.contour.patchPoints) columns = rows = 1;
        if (columns * rows < usable) {
            g.bucketColumns = static_cast<int>(columns);
            g.bucketRows = static_cast<int>(rows);
            g.bucketWidth = surfaceNarrow(width / columns);
            g.bucketHeight = surfaceNarrow(height / rows);
            bucketPoints(npts, x, y, z, work);
            return;
        }
        if (usable <= s.contour.patchPoints) {
            status = kNoBucketGrid;
            toMapUnits(npts, x, y, sx, sy);
            return;
        }
        surfaceReportError(kPatchEnlarged);
        int& patch = s.contour.patchPoints;
        patch = patch > 23 ? (patch > usable / 2 ? usable : 2 * patch) : 24;
        patch = std::min(patch, usable);
        if (patch < 1) patch = 1;
    }
}

float surfaceInterpolateNode(float u, float v, int ignored, const float* work, int& warned)
{
    (void)ignored;
    const SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    const WorkspacePartition& p = s.partition;
    const float* sx = work + p.sortedX;
    const float* sy = work + p.sortedY;
    const float* sz = work + p.sortedZ;
    const int n = g.pointCount;
    // A patch of no size would never grow: such a patch starts at one grid interval.
    double r = g.patchRadius > 0.0f && std::isfinite(g.patchRadius) ? g.patchRadius : 1.0;
    for (;;) {
        double sum[4][5] = {};
        int count = 0;
        double lowest = INFINITY, highest = -INFINITY;
        const int i1 = std::max(1, wholePart((u - r - g.dataXMin) / g.bucketWidth) + 1);
        const int i2 =
            std::min(g.bucketColumns, wholePart((u + r - g.dataXMin) / g.bucketWidth) + 1);
        const int j1 = std::max(1, wholePart((v - r - g.dataYMin) / g.bucketHeight) + 1);
        const int j2 = std::min(g.bucketRows, wholePart((v + r - g.dataYMin) / g.bucketHeight) + 1);
        for (int i = i1; i <= i2; ++i) {
            const int from = std::max(bucketStartAt(i, j1, work), 1);
            const int to = std::min(bucketStartAt(i, j2 + 1, work) - 1, n);
            for (int k = from - 1; k < to; ++k) {
                const double dx = static_cast<double>(sx[k]) - u,
                             dy = static_cast<double>(sy[k]) - v;
                const double d2 = dx * dx + dy * dy;
                if (d2 >= r * r) continue;
                if (d2 <= 5.0e-7) return sz[k];
                ++count;
                const double d = std::sqrt(d2);
                const double w = (r - d) * (r - d) / d2;
                const double z = sz[k];
                lowest = std::min(lowest, z);
                highest = std::max(highest, z);
                const double basis[4] = {d2, dx, dy, 1.0};
                for (int a = 0; a < 4; ++a) {
                    for (int b = 0; b < 4; ++b) sum[a][b] += w * basis[a] * basis[b];
                    sum[a][4] += w * z * basis[a];
                }
            }
        }
        if (count <= 6) {
            if (count >= n) break;  // every point is in the patch already
            r *= 1.414;
            continue;
        }
        if (highest - lowest <= 5.0e-7) return surfaceNarrow(lowest);
        const double average = sum[3][4] / sum[3][3];
        if (s.contour.randomMethod == 2) return surfaceNarrow(average);
        double d = 0.0;
        if (!fitHeight(sum, d)) {
            if (count < n) {
                surfaceReportError(kSingularFitRetried);
                r *= 1.414;
                continue;
            }
            surfaceReportError(kSingularFit);
            return surfaceNarrow(average);
        }
        if (s.contour.randomMethod == 1) return surfaceNarrow(d);
        const double tol = (highest - lowest) * s.contour.randomValue;
        if (d >= lowest - tol && d <= highest + tol) return surfaceNarrow(d);
        if (warned == 0) {
            surfaceReportError(kFitOutsideBand);
            warned = 1;
        }
        return surfaceNarrow(average);
    }
    // Fewer than seven points in all: their plain mean.
    double total = 0.0;
    for (int k = 0; k < n; ++k) total += sz[k];
    return n > 0 ? surfaceNarrow(total / n) : 0.0f;
}

void surfaceInterpolateGrid(SurfaceNodeRoutine node, int npts, float* x, float* y, const float* z,
                            int wsize, float* work)
{
    (void)z;
    (void)wsize;
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    float* grid = work + s.partition.grid;
    int warned = 0;
    const bool flat = !(static_cast<double>(g.zMax) - g.zMin >= s.eps);
    const int ignored = 0;
    for (int j = 0; j < g.ny; ++j) {
        for (int i = 0; i < g.nx; ++i) {
            const float u = static_cast<float>(i), v = static_cast<float>(j);
            grid[static_cast<long long>(j) * g.nx + i] =
                flat ? g.zMin : node(u, v, ignored, work, warned);
        }
    }
    const double sx = (static_cast<double>(g.xMax) - g.xMin) / g.nxIntervals;
    const double sy = (static_cast<double>(g.yMax) - g.yMin) / g.nyIntervals;
    g.dataXMin = surfaceNarrow(g.dataXMin * sx + g.xMin);
    g.dataXMax = surfaceNarrow(g.dataXMax * sx + g.xMin);
    g.dataYMin = surfaceNarrow(g.dataYMin * sy + g.yMin);
    g.dataYMax = surfaceNarrow(g.dataYMax * sy + g.yMin);
    g.bucketWidth = surfaceNarrow(g.bucketWidth * sx);
    g.bucketHeight = surfaceNarrow(g.bucketHeight * sy);
    toMapUnits(npts, x, y, sx, sy);
    toMapUnits(g.pointCount, work + s.partition.sortedX, work + s.partition.sortedY, sx, sy);
    g.xSpacing = surfaceNarrow(sx);
    g.ySpacing = surfaceNarrow(sy);
}

void surfaceSampleFunction(SurfaceHeightFunction f, int wsize, float* work)
{
    (void)wsize;
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    const float sx = surfaceNarrow((static_cast<double>(g.xMax) - g.xMin) / g.nxIntervals);
    const float sy = surfaceNarrow((static_cast<double>(g.yMax) - g.yMin) / g.nyIntervals);
    g.xSpacing = sx;
    g.ySpacing = sy;
    float* grid = work + s.partition.grid;
    float y = g.yMin;
    for (int j = 0; j < g.ny; ++j) {
        float x = g.xMin;
        for (int i = 0; i < g.nx; ++i) {
            const float xv = x, yv = y;
            grid[static_cast<long long>(j) * g.nx + i] = f != nullptr ? f(xv, yv) : 0.0f;
            x += sx;
        }
        y += sy;
    }
}

}  // namespace surflib

// ---- Exported gridding ----------------------------------------------------------------------

void RANGRD(const int& npts, float* x, float* y, float* z, const int& nx, const float& xmin,
            const float& xmax, const int& ny, const float& ymin, const float& ymax, float* zgrid,
            const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::RANGRD);
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    if (npts > 0 && surfaceRefuseMissingArrays({x, y, z, zgrid})) return;
    const int n = npts > 0 ? usableCount(npts, x, y, z) : 0;
    if (n < kMinPoints) {
        surfaceReportError(kTooFewPoints);
        return;
    }
    if (n < s.contour.patchPoints) s.contour.patchPoints = n;
    if (!surfaceRecordGrid(nx, xmin, xmax, ny, ymin, ymax)) return;
    int status = 0;
    g.pointCount = n;
    surfacePartitionRandomGrid(wsize, status);
    if (status != 0 || surfaceWorkspaceEmpty(wsize, work)) {
        surfaceReportError(kWorkspaceShort);
        return;
    }
    status = 0;
    surfacePrepareRandomPoints(npts, x, y, z, wsize, work, status);
    if (status == kNoBucketGrid) surfaceReportError(status);
    if (status != 0) return;
    surfaceInterpolateGrid(surfaceInterpolateNode, npts, x, y, z, wsize, work);
    const float* grid = work + s.partition.grid;
    std::copy(grid, grid + nodesOf(g), zgrid);
}

void FUNGRD(SurfaceHeightFunction f, const int& nx, const float& xmin, const float& xmax,
            const int& ny, const float& ymin, const float& ymax, float* zgrid, const int& wsize,
            float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::FUNGRD);
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    if (!surfaceRecordGrid(nx, xmin, xmax, ny, ymin, ymax)) return;
    // The grid is sampled at the grid's place of the function layout; it must lie wholly
    // inside the workspace (the edge flags are not needed here).
    const long long offset = functionGridOffset();
    if (surfaceWorkspaceEmpty(wsize, work) || offset + nodesOf(g) > wsize) {
        surfaceReportError(kWorkspaceShort);
        return;
    }
    if (surfaceRefuseMissingFunction(f) || surfaceRefuseMissingArrays({zgrid})) return;
    placeGrid(offset, nodesOf(g));
    surfaceSampleFunction(f, wsize, work);
    const float* grid = work + s.partition.grid;
    std::copy(grid, grid + nodesOf(g), zgrid);
}

namespace {

// The levels of a random-point or function map over zMin..zMax of GridState, and the map.
void contourInternalGrid(int n)
{
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    const int wsize = kSurfaceInternalWorkWords;
    float* work = s.internalWork;
    const SurfaceLevelPlan plan = surfacePlanLevels(g.zMin, g.zMax, n);
    if (n != 0) {
        if (!surfaceMapFrame(false)) return;
        surfaceRestartLevelList();
        surfaceDrawLevels(plan, n, wsize, work);
        surfaceMapFrame(true);
    } else {
        surfaceRestartLevelList();
        if (surfaceMapFrame(true)) g.contourInterval = 0.0f;
    }
}

// The map values a random-point or function map starts from (the drawing has begun).
void beginInternalMap(int& ncont, int lineSwitch)
{
    SurfaceLibraryState& s = surfaceState;
    // The library's own workspace cannot be passed to the routines that add to a map.
    s.grid.mapWorkspaceSize = 0;
    surfaceClearMapRecords();
    s.fillKeyOn = 0;
    ncont = surfaceMapLevelCount(ncont);
    surfaceSetLineSwitch(lineSwitch);
}

}  // namespace

void RANCON(const int& npts, float* x, float* y, float* z, const int& ncont, const int& lineSwitch)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::RANCON);
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    surfaceBeginDrawing(kBeginGriddedMap);
    if (npts > 0 && surfaceRefuseMissingArrays({x, y, z})) {
        surfaceAbandonDrawing();
        return;
    }
    const int n = npts > 0 ? usableCount(npts, x, y, z) : 0;
    if (n < kMinPoints) {
        surfaceReportError(kTooFewPoints);
        surfaceAbandonDrawing();
        return;
    }
    if (n < s.contour.patchPoints) s.contour.patchPoints = n;
    int count = ncont;
    beginInternalMap(count, lineSwitch);
    // The grid size is the one in force; a refused surface may have left one without intervals.
    if (!surfaceUseRecordedGridSize()) {
        surfaceAbandonDrawing();
        return;
    }
    g.pointCount = n;
    const int wsize = kSurfaceInternalWorkWords;
    int status = 0;
    surfacePartitionRandomGrid(wsize, status);
    if (status != 0) {
        surfaceReportError(kWorkspaceShort);
        surfaceAbandonDrawing();
        return;
    }
    status = 1;
    surfacePrepareRandomPoints(npts, x, y, z, wsize, s.internalWork, status);
    if (status == kNoBucketGrid) surfaceReportError(status);
    if (status != 0) {
        surfaceAbandonDrawing();
        return;
    }
    surfaceInterpolateGrid(surfaceInterpolateNode, npts, x, y, z, wsize, s.internalWork);
    if (surfaceRefuseFlatRange(g.zMin, g.zMax)) return;
    contourInternalGrid(count);
    if (surfaceFlagOn(s.contour.pointMarkersOn) && !surfaceFlagOn(s.surface.contourOnSurface) &&
        s.map.mapWidth > s.eps) {
        surfaceDrawDataPoints(wsize, s.internalWork);
    }
}

void FUNCON(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            SurfaceHeightFunction f, const int& ncont, const int& lineSwitch)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::FUNCON);
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    surfaceBeginDrawing(kBeginGriddedMap);
    int count = ncont;
    beginInternalMap(count, lineSwitch);
    g.xMin = xmin;
    g.xMax = xmax;
    g.yMin = ymin;
    g.yMax = ymax;
    int status = 0;
    surfaceCheckGrid(g.nx, g.xMin, g.xMax, g.ny, g.yMin, g.yMax, status);
    if (status != 0) {
        surfaceAbandonDrawing();
        return;
    }
    g.nxIntervals = g.nx - 1;
    g.nyIntervals = g.ny - 1;
    const int wsize = kSurfaceInternalWorkWords;
    surfacePartitionFunctionGrid(wsize, status);
    if (status != 0) {
        surfaceReportError(kWorkspaceShort);
        surfaceAbandonDrawing();
        return;
    }
    if (surfaceRefuseMissingFunction(f)) {
        surfaceAbandonDrawing();
        return;
    }
    surfaceSampleFunction(f, wsize, s.internalWork);
    const float* grid = s.internalWork + s.partition.grid;
    bool any = false;
    for (long long k = 0; k < nodesOf(g); ++k) {
        if (!std::isfinite(grid[k])) continue;
        if (!any || grid[k] < g.zMin) g.zMin = grid[k];
        if (!any || grid[k] > g.zMax) g.zMax = grid[k];
        any = true;
    }
    if (!any) g.zMin = g.zMax = 0.0f;
    if (!(static_cast<double>(g.zMax) - g.zMin >= s.eps)) {
        surfaceReportError(kFlatData);
        surfaceAbandonDrawing();
        return;
    }
    contourInternalGrid(count);
}
