// driver_grids.cpp - the grids behind the drivers of projected surfaces: the node counts every
// driver records, scattered points gridded into the library workspace, and a function sampled
// over a window on the library grid.  The perspective and isometric drivers share them, so both
// projections refuse the same input with the same errors.
#include <algorithm>
#include <limits>
#include <cmath>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/state.h"
#include "frame/routine_frame.h"
#include "frame/workspace.h"
#include "grid/gridding.h"
#include "surface/surface.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

// Finite points only count towards the nine a gridding needs.
int finitePoints(int n, const float* x, const float* y, const float* z)
{
    int count = 0;
    for (int k = 0; k < n; ++k) {
        if (std::isfinite(x[k]) && std::isfinite(y[k]) && std::isfinite(z[k])) ++count;
    }
    return count;
}

// The points gridded onto the size in force, in the library array; base: the grid's offset.
bool gridRandomPoints(int npts, float* x, float* y, float* z, int& base)
{
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    if (npts > 0 && surfaceRefuseMissingArrays({x, y, z})) return false;
    const int n = npts > 0 ? finitePoints(npts, x, y, z) : 0;
    if (n < 9) {
        surfaceReportError(kTooFewPoints);
        return false;
    }
    // The points grid onto the size in force, which a refused driver may have left unusable.
    if (!surfaceUseRecordedGridSize()) return false;
    if (n < s.contour.patchPoints) s.contour.patchPoints = n;
    g.pointCount = n;
    const int wsize = kSurfaceInternalWorkWords;
    int status = 0;
    surfacePartitionRandomGrid(wsize, status);
    if (status != 0) {
        surfaceReportError(kWorkspaceShort);
        return false;
    }
    status = 1;
    surfacePrepareRandomPoints(npts, x, y, z, wsize, s.internalWork, status);
    if (status == kNoBucketGrid) surfaceReportError(status);  // the grid check reports its own
    if (status != 0) return false;
    surfaceInterpolateGrid(surfaceInterpolateNode, npts, x, y, z, wsize, s.internalWork);
    // The data points stay in front of the grid while their markers are wanted.
    base = surfaceFlagOn(s.contour.pointMarkersOn) ? s.partition.grid : 0;
    return true;
}

}  // namespace

namespace surflib {

long long surfaceNodeCount(int nx, int ny)
{
    if (nx <= 0 || ny <= 0) return 0;
    return static_cast<long long>(nx) * ny;
}

void surfaceSetGridShape(int nx, int ny)
{
    GridState& g = surfaceState.grid;
    g.nx = nx;
    g.ny = ny;
    // Counts are refused later; the most negative one must not overflow on the way there.
    g.nxIntervals = nx > std::numeric_limits<int>::min() ? nx - 1 : nx;
    g.nyIntervals = ny > std::numeric_limits<int>::min() ? ny - 1 : ny;
    g.maxNodes = std::max(nx, ny);
}

bool surfaceGridRandomPoints(int npts, float* x, float* y, float* z, int& base)
{
    // A refusal leaves the picture drawn before, and the grid and workspace cut its spot heights
    // are read with, as they were.
    SurfaceLibraryState& s = surfaceState;
    const GridState grid = s.grid;
    const WorkspacePartition partition = s.partition;
    const int fitMargin = s.projection.fitMargin;
    if (gridRandomPoints(npts, x, y, z, base)) return true;
    s.grid = grid;
    s.partition = partition;
    s.projection.fitMargin = fitMargin;
    return false;
}

bool surfaceSampleFunctionGrid(float xmin, float xmax, float ymin, float ymax,
                               SurfaceHeightFunction f)
{
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    // The library array is cut as for an isometric picture before the window is looked at.
    const long long nodes = surfaceNodeCount(g.nx, g.ny);
    const long long m = std::max(g.nx, g.ny);
    if (nodes <= 0 || nodes + 11 * m > kSurfaceInternalWorkWords) {
        surfaceReportError(kWorkspaceShort);
        return false;
    }
    // The window is checked before it is recorded: a refused call leaves the picture drawn
    // before, and the grid its spot heights are read on, as they were.
    float x0 = xmin, x1 = xmax, y0 = ymin, y1 = ymax;
    int status = 0;
    surfaceCheckGrid(g.nx, x0, x1, g.ny, y0, y1, status);
    if (status != 0 || surfaceRefuseMissingFunction(f)) return false;
    g.xMin = x0;
    g.xMax = x1;
    g.yMin = y0;
    g.yMax = y1;
    g.nxIntervals = g.nx - 1;
    g.nyIntervals = g.ny - 1;
    s.partition.grid = 0;
    g.gridOffset = 0;
    surfaceSampleFunction(f, kSurfaceInternalWorkWords, s.internalWork);
    return true;
}

}  // namespace surflib
