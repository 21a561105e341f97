// contourmap.cpp - contour maps of gridded heights: DRACON in the caller's workspace, GRDCON
// in the library's own array, ADDCON for one more line on the map drawn last, and the pieces
// the random-point, function and band-filled maps share with them (the grid loaded into the
// workspace, the choice of levels, level pens, the level list, the line switch, the frame
// calls, abandoning a failed drawing).
//
// A map chooses its levels on nice steps over the data range (or between the LEVELS limits,
// or from the CONDEF list), lays the frame out, traces each level and draws the frame over the
// lines.  The grid and the tracer's edge flags stay in the workspace for later additions.
#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/level_thinning.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/gridding.h"
#include "grid/mapframe.h"
#include "grid/overlays.h"
#include "grid/tracing.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

// Copies z into the workspace grid, with the lowest and highest finite height.
bool copyGrid(const float* z, float* work, float& zmin, float& zmax)
{
    const SurfaceLibraryState& s = surfaceState;
    const long long nodes = static_cast<long long>(s.grid.nx) * s.grid.ny;
    float* grid = work + s.partition.grid;
    bool any = false;
    for (long long k = 0; k < nodes; ++k) {
        const float v = z[k];
        grid[k] = v;
        if (!std::isfinite(v)) continue;
        if (!any || v < zmin) zmin = v;
        if (!any || v > zmax) zmax = v;
        any = true;
    }
    if (!any) {
        zmin = 0.0f;
        zmax = 0.0f;
    }
    return any;
}

// A cell with a height that is no number or infinite.  The tracer takes such a corner as lying
// below (no number, -infinity) or above (+infinity) every level, and puts a line's crossing of
// an edge to it at a place that does not move with the level: levels that meet the cell only
// through such edges draw the same line there, and none of them shows apart from another.
// Between its finite corners a line moves with its level as in a whole cell, judged on the
// steepest of the edges joining two of them.
void addHoleCell(SurfaceLevelSteps& steps, const float corner[4], double w, double h,
                 double resolution)
{
    constexpr double kNeverApart = std::numeric_limits<double>::max();
    float low = INFINITY, high = -INFINITY;
    bool below = false, above = false;
    for (int k = 0; k < 4; ++k) {
        const float v = corner[k];
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        } else {
            (v > 0.0f ? above : below) = true;  // +infinity above; no number, -infinity below
        }
    }
    double slope = 0.0;
    for (int k = 0; k < 4; ++k) {
        const float a = corner[k], b = corner[(k + 1) % 4];
        if (std::isfinite(a) && std::isfinite(b))
            slope = std::max(slope, std::fabs(static_cast<double>(b) - a) / (k % 2 == 0 ? w : h));
    }
    if (low > high) {  // no finite corner: every level that meets the cell draws the same
        steps.add(-INFINITY, INFINITY, kNeverApart);
        return;
    }
    if (below) steps.add(-INFINITY, low, kNeverApart);
    steps.add(low, high, slope > 0.0 ? slope * resolution : kNeverApart);
    if (above) steps.add(high, INFINITY, kNeverApart);
}

}  // namespace

namespace surflib {

SurfaceLevelSteps surfaceGridLevelSteps(int wsize, const float* work)
{
    SurfaceLevelSteps steps;
    const SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    const MapTransform& m = s.map;
    if (work == nullptr || !surfaceGridFitsWorkspace(wsize) || m.factorX == 0.0f ||
        m.factorY == 0.0f) {
        steps.finish();
        return steps;
    }
    const double resolution = std::max(std::fabs(static_cast<double>(m.mapWidth)),
                                       std::fabs(static_cast<double>(m.mapHeight))) /
        kLinesAcrossMap;
    // A cell on the picture: its corners and centre, split into four triangles as traced.
    const double w = std::fabs(static_cast<double>(m.scaleX) * g.xSpacing / m.factorX);
    const double h = std::fabs(static_cast<double>(m.scaleY) * g.ySpacing / m.factorY);
    const float* z = work + s.partition.grid;
    for (int j = 0; j + 1 < g.ny; ++j) {
        const float* row = z + static_cast<long long>(j) * g.nx;
        const float* above = row + g.nx;
        for (int i = 0; i + 1 < g.nx; ++i) {
            const float corner[4] = {row[i], row[i + 1], above[i + 1], above[i]};
            if (!std::all_of(corner, corner + 4, [](float v) { return std::isfinite(v); })) {
                addHoleCell(steps, corner, w, h, resolution);
                continue;
            }
            const SurfacePicturePoint p[4] = {
                {0.0, 0.0, corner[0]}, {w, 0.0, corner[1]}, {w, h, corner[2]}, {0.0, h, corner[3]}};
            const SurfacePicturePoint centre{
                0.5 * w, 0.5 * h,
                (static_cast<double>(corner[0]) + corner[1] + corner[2] + corner[3]) / 4.0};
            double slope = 0.0;
            for (int k = 0; k < 4; ++k) {
                const double t = surfacePlaneSlope(p[k], p[(k + 1) % 4], centre);
                if (std::isfinite(t)) slope = std::max(slope, t);
            }
            steps.add(*std::min_element(corner, corner + 4), *std::max_element(corner, corner + 4),
                      slope * resolution);
        }
    }
    steps.finish();
    return steps;
}

std::vector<long long> surfaceThinGridLevels(double first, double step, long long count, int wsize,
                                             const float* work)
{
    const SurfaceLevelSteps steps = surfaceGridLevelSteps(wsize, work);
    bool leftOut = false;
    std::vector<long long> kept = surfaceThinLevels(
        count, [&](long long k) { return surfaceNarrow(first + static_cast<double>(k) * step); },
        steps, leftOut);
    if (leftOut) surfaceReportError(kLevelsTooClose);
    return kept;
}

void surfaceDrawLevels(const SurfaceLevelPlan& plan, int n, int wsize, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    const bool list = plan.count > 0;
    // The list is read from copies: the drawn levels are appended to it as it is read.
    float heights[kSurfaceMaxLevels];
    for (int k = 0; k < plan.count && k < kSurfaceMaxLevels; ++k) heights[k] = s.levels.heights[k];
    s.levels.count = 0;
    s.levelLabelCounter = 0;
    s.labelNextLevel = 1;
    // Levels that cross no cell of the grid are known without visiting its nodes.
    const SurfaceCrossingRange range = surfaceGridCrossingRange(wsize, work);
    SurfaceCellSweep cells;
    auto draw = [&](size_t i, float level) {
        const int pen = surfaceLevelPen(static_cast<int>(std::min<size_t>(i, INT_MAX)));
        s.currentPenCode = pen;
        surfaceSelectPen(pen);
        surfaceTraceGridContour(g.nxIntervals, g.nyIntervals, level, wsize, work, &range, &cells);
        surfaceListDrawnLevel(level, pen);
    };
    const double slack = 1.0e-5 * (std::fabs(plan.zHigh) + std::fabs(plan.zLow));
    if (list) {
        // A list's levels stop at the first above the range.
        for (int k = 0; k < std::min(n, kSurfaceMaxLevels); ++k) {
            if (surfaceCountLevels(heights[k], 0.0, plan.zHigh, slack) == 0) break;
            if (k > 0) {
                s.grid.contourInterval =
                    surfaceNarrow(static_cast<double>(heights[k]) - heights[k - 1]);
            }
            draw(static_cast<size_t>(k), heights[k]);
        }
        return;
    }
    const long long count = surfaceCountLevels(plan.first, plan.step, plan.zHigh, slack);
    const std::vector<long long> kept =
        surfaceThinGridLevels(plan.first, plan.step, count, wsize, work);
    std::vector<float> levels(kept.size());
    for (size_t i = 0; i < kept.size(); ++i)
        levels[i] = surfaceNarrow(plan.first + static_cast<double>(kept[i]) * plan.step);
    // Each level visits only the cells it crosses.
    cells = surfaceLevelSweep(levels, wsize, work);
    for (size_t i = 0; i < levels.size(); ++i) draw(i, levels[i]);
}

SurfaceCellSweep surfaceLevelSweep(const std::vector<float>& levels, int wsize, const float* work)
{
    if (work == nullptr || !surfaceGridFitsWorkspace(wsize)) return {};
    std::vector<SurfaceCellQuery> queries(levels.size());
    for (size_t i = 0; i < levels.size(); ++i) queries[i] = {levels[i], levels[i]};
    const GridState& g = surfaceState.grid;
    return SurfaceCellSweep(g.nx, g.ny, work + surfaceState.partition.grid, queries);
}

int surfaceLevelPen(int k)
{
    const SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    if (!surfaceFlagOn(c.pensSet)) return s.saved.entryColour;
    // Counted wide: a highlight rhythm of the largest integer must not overflow.
    const long long every = static_cast<long long>(c.majorLineEvery) + 1;
    return every > 0 && k % every == 0 ? c.majorLinePen : c.linePen;
}

void surfaceListDrawnLevel(float level, int pen)
{
    ContourLevelList& l = surfaceState.levels;
    if (l.count >= 0 && l.count < kSurfaceMaxLevels) {
        l.heights[l.count] = level;
        l.pens[l.count] = pen;
        ++l.count;
    } else if (l.count == kSurfaceMaxLevels) {
        l.count = kSurfaceLevelOverflow;
    }
}

void surfaceSetLineSwitch(int lineSwitch)
{
    SurfaceLibraryState& s = surfaceState;
    if (lineSwitch == 1) {
        s.smoothedLines = -1;
    } else {
        if (lineSwitch != 0) surfaceReportError(kBadLineSwitch);
        s.smoothedLines = 0;
    }
}

void surfaceAbandonDrawing()
{
    surfaceState.drawing.code = kDrawingNone;
    surfaceState.grid.mapWorkspaceSize = 0;
}

void surfaceWidenFlatRange(float& low, float& high)
{
    low = surfaceNarrow(low - (0.1 * std::fabs(static_cast<double>(low)) + 0.001));
    high = surfaceNarrow(high + (0.1 * std::fabs(static_cast<double>(high)) + 0.001));
}

bool surfaceRefuseFlatRange(float& low, float& high)
{
    if (static_cast<double>(high) - low >= surfaceState.eps) return false;
    surfaceReportError(kFlatData);
    surfaceWidenFlatRange(low, high);
    surfaceAbandonDrawing();
    return true;
}

bool surfaceMapFrame(bool drawn)
{
    SurfaceLibraryState& s = surfaceState;
    int status = 0;
    if (drawn) {
        surfaceDrawGridMapFrame(status);
    } else {
        const int type = s.contour.mapFrameType;
        s.contour.mapFrameType = kMapFrameLayoutOnly;
        surfaceDrawGridMapFrame(status);
        s.contour.mapFrameType = type;
    }
    if (status > 0) {
        surfaceReportError(status);
        return false;
    }
    return true;
}

int surfaceMapLevelCount(int ncont)
{
    if (ncont >= 0) return ncont;
    surfaceReportError(kNegativeCount);
    return ncont == INT_MIN ? INT_MAX : -ncont;
}

bool surfaceRecordGrid(int nx, float xmin, float xmax, int ny, float ymin, float ymax)
{
    GridState& g = surfaceState.grid;
    // Until the new grid is in a workspace there is no map to add to.
    g.mapWorkspaceSize = 0;
    // Checked before it is recorded: a refused grid leaves the grid in force as it was, and
    // no count is worked on (nx - 1 of the most negative count would overflow).
    int status = 0;
    surfaceCheckGrid(nx, xmin, xmax, ny, ymin, ymax, status);
    if (status != 0) return false;
    g.nx = nx;
    g.ny = ny;
    g.nxIntervals = nx - 1;
    g.nyIntervals = ny - 1;
    g.xMin = xmin;
    g.xMax = xmax;
    g.yMin = ymin;
    g.yMax = ymax;
    return true;
}

void surfaceRestartLevelList() { surfaceState.levels.count = 0; }

void surfaceClearMapRecords()
{
    SurfaceLibraryState& s = surfaceState;
    s.fillBandCount = 0;
    s.numberFormatWarned = 0;
    s.dataLabelWarned = 0;
}

bool surfaceLoadMapGrid(const float* z, int wsize, float* work,
                        void (*partition)(int wsize, int& status))
{
    GridState& g = surfaceState.grid;
    int status = 0;
    g.xSpacing = surfaceNarrow((static_cast<double>(g.xMax) - g.xMin) / g.nxIntervals);
    g.ySpacing = surfaceNarrow((static_cast<double>(g.yMax) - g.yMin) / g.nyIntervals);
    partition(wsize, status);
    if (status != 0 || surfaceWorkspaceEmpty(wsize, work)) {
        surfaceReportError(kWorkspaceShort);
        surfaceAbandonDrawing();
        return false;
    }
    if (surfaceRefuseMissingArrays({z})) {
        surfaceAbandonDrawing();
        return false;
    }
    g.mapWorkspaceSize = wsize;
    copyGrid(z, work, g.zMin, g.zMax);
    return !surfaceRefuseFlatRange(g.zMin, g.zMax);
}

SurfaceLevelPlan surfacePlanLevels(float zmin, float zmax, int& n)
{
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    if (surfaceFlagOn(s.surface.contourOnSurface)) {
        s.surface.contourHeightLow = zmin;
        s.surface.contourHeightHigh = zmax;
    }
    int e = 0, decimals = 0, count = 0, width = 0;
    float first = 0.0f, step = 0.0f;
    surfaceChooseIntervals(zmin, zmax, n, e, first, step, decimals, count, width);
    g.levelExponent = e;
    g.mapLabelDecimals = decimals;
    g.mapLabelWidth = width;
    const double power = std::pow(10.0, e);
    s.map.zFactor = surfaceNarrow(power);
    SurfaceLevelPlan plan{};
    plan.step = static_cast<double>(step) * power;
    plan.first = static_cast<double>(first) * power;
    // Raised only from below: a first level just above the lowest height is kept.
    if (zmin - plan.first > 1.0e-4 * (static_cast<double>(zmax) - zmin)) plan.first += plan.step;
    plan.zLow = zmin;
    plan.zHigh = zmax;
    if (n != 0 && surfaceFlagOn(s.contour.limitsOn)) {
        plan.zLow = s.contour.zLow;
        plan.zHigh = s.contour.zHigh;
        if (n == 1) {
            surfaceReportError(kOneLevelBetweenLimits);
            n = 2;
        }
        plan.step = (plan.zHigh - plan.zLow) / (n - 1);
        plan.first = plan.zLow;
    }
    g.contourInterval = surfaceNarrow(plan.step);
    return plan;
}

void surfaceDrawGridContourMap(int nx, float xmin, float xmax, int ny, float ymin, float ymax,
                               const float* z, int ncont, int lineSwitch, int wsize, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    surfaceBeginDrawing(kBeginGriddedMap);
    int n = surfaceMapLevelCount(ncont);
    const bool list = surfaceFlagOn(s.contour.levelListOn);
    if (list) n = std::min(s.levels.count, kSurfaceMaxLevels);
    surfaceClearMapRecords();
    s.fillKeyOn = 0;
    surfaceSetLineSwitch(lineSwitch);
    if (!surfaceRecordGrid(nx, xmin, xmax, ny, ymin, ymax)) {
        surfaceAbandonDrawing();
        return;
    }
    if (!surfaceLoadMapGrid(z, wsize, work, surfacePartitionFunctionGrid)) return;

    SurfaceLevelPlan plan = surfacePlanLevels(g.zMin, g.zMax, n);
    if (n != 0 && list) {
        plan.count = n;
        plan.first = s.levels.heights[0];
        plan.step = n > 1 ? static_cast<double>(s.levels.heights[1]) - s.levels.heights[0] : 0.0;
        g.contourInterval = surfaceNarrow(plan.step);
    }
    if (!surfaceMapFrame(false)) return;
    surfaceRestartLevelList();
    if (n != 0) surfaceDrawLevels(plan, n, wsize, work);
    if (!surfaceMapFrame(true)) return;
    if (n == 0) g.contourInterval = 0.0f;
    if (surfaceFlagOn(s.contour.pointMarkersOn) && !surfaceFlagOn(s.surface.contourOnSurface)) {
        surfaceDrawDataPoints(wsize, work);
    }
}

}  // namespace surflib

void DRACON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch,
            const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::DRACON);
    surfaceDrawGridContourMap(nx, xmin, xmax, ny, ymin, ymax, z, ncont, lineSwitch, wsize, work);
}

void GRDCON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::GRDCON);
    const int wsize = kSurfaceInternalWorkWords;
    surfaceDrawGridContourMap(nx, xmin, xmax, ny, ymin, ymax, z, ncont, lineSwitch, wsize,
                              surfaceState.internalWork);
}

void ADDCON(const float& level, const int& lineSwitch, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::ADDCON);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    if (s.drawing.code != kDrawingGriddedMap || g.mapWorkspaceSize == 0 ||
        g.mapWorkspaceSize != wsize || work == nullptr || !surfaceGridFitsWorkspace(wsize)) {
        surfaceReportError(kNoDrawingToAddTo);
        return;
    }
    if (surfaceRefuseNoNumberLevel(level)) return;
    surfaceBeginDrawing(kAddToGriddedMap);
    if (surfaceFlagOn(s.contour.limitsOn) && (level < s.contour.zLow || level > s.contour.zHigh)) {
        surfaceReportError(kOutsideLimits);
    }
    surfaceSetLineSwitch(lineSwitch);
    const int pen = surfaceFlagOn(s.contour.pensSet) ? s.contour.linePen : s.saved.entryColour;
    s.currentPenCode = pen;
    surfaceSelectPen(pen);
    s.numberFormatWarned = 0;
    surfaceTraceGridContour(g.nxIntervals, g.nyIntervals, level, wsize, work);
    if (s.levels.count >= 0 && s.levels.count < kSurfaceMaxLevels) {
        surfaceListDrawnLevel(level, pen);
    } else {
        surfaceReportError(kLevelListFull);
    }
}
