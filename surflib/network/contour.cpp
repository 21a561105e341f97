// contour.cpp - contour maps of a triangulated network: TRISET lays out an empty network map
// for a window, DRATRI draws a whole map (levels on nice steps, between the limits or from the
// level list, with pens, labels, frame and data-point markers), ADTCON adds one line to the
// network map drawn last.  Each level goes to the network tracer (network/tracing.cpp) in the
// network's normalised units.
#include "network/contour.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/level_thinning.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/mapframe.h"
#include "grid/overlays.h"
#include "grid/tracing.h"
#include "network/interpolation.h"
#include "network/level_index.h"
#include "network/network.h"
#include "network/tracing.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr int kFrameIntervals = 10;
constexpr double kFirstLevelSlack = 1.0e-4;
constexpr double kLastLevelSlack = 1.0e-5;
// The crossing search's tolerance in the height, in eps.
constexpr double kCrossingTolerance = 100.0;
// Level counts up to which the thinning's spans are found for the levels alone.
constexpr long long kFewLevels = 64;

void endDrawing() { surfaceState.drawing.code = kDrawingNone; }

}  // namespace

namespace surflib {

NetworkMethodKeeper::NetworkMethodKeeper()
    : method_(surfaceState.networkSettings.interpolationMethod)
{}

NetworkMethodKeeper::~NetworkMethodKeeper()
{
    surfaceState.networkSettings.interpolationMethod = method_;
}

void surfaceApplyNetworkSwitch(int lineSwitch)
{
    SurfaceLibraryState& s = surfaceState;
    NetworkContourWorking& w = s.networkContour;
    w.curvedContours = 0;
    if (lineSwitch == 1) {
        int& method = s.networkSettings.interpolationMethod;
        if (method != 0) {
            w.curvedContours = -1;
            if (method == 1) method = 2;
        }
    } else if (lineSwitch != 0) {
        surfaceReportError(kBadLineSwitch);
    }
    w.smoothing = surfaceFlagOn(w.curvedContours) ? 1 : 0;
}

void surfaceStraightNetworkSwitch(int lineSwitch)
{
    NetworkContourWorking& w = surfaceState.networkContour;
    if (lineSwitch != 0 && lineSwitch != 1) surfaceReportError(kBadLineSwitch);
    w.curvedContours = 0;
    w.smoothing = 0;
}

bool surfaceStartNetworkMap(float xlow, float xhigh, float ylow, float yhigh, int wsize,
                            float* work, bool prepare, const int* straightSwitch)
{
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    g.xMin = xlow;
    g.xMax = xhigh;
    g.yMin = ylow;
    g.yMax = yhigh;
    int status = 0;
    surfaceCheckGrid(kFrameIntervals, g.xMin, g.xMax, kFrameIntervals, g.yMin, g.yMax, status);
    if (status != 0) {
        endDrawing();
        return false;
    }
    if (straightSwitch != nullptr) surfaceStraightNetworkSwitch(*straightSwitch);
    status = surfaceNetworkStatus(wsize, work);
    if (status == 0) surfacePartitionNetwork(wsize, status);
    if (status == 0 && prepare) surfacePrepareNetwork(wsize, work, true, status);
    if (status > 0) {
        endDrawing();
        surfaceReportError(status);
        return false;
    }

    const NetworkLayout& n = s.network;
    float low = NAN, high = NAN;
    for (int j = 1; j <= n.pointCount; ++j) {
        const float z = networkZ(work, j);
        if (!std::isfinite(z)) continue;
        if (!(z >= low)) low = z;
        if (!(z <= high)) high = z;
    }
    if (!(static_cast<double>(high) - low >= s.eps)) {
        surfaceReportError(kFlatData);
        // The range in normalised units, widened as a flat map's range is.
        const double lo = std::isfinite(low) ? low : 0.0, hi = std::isfinite(high) ? high : 0.0;
        g.zMin = surfaceNarrow(0.9 * lo - 0.001);
        g.zMax = surfaceNarrow(1.1 * hi + 0.001);
        endDrawing();
        return false;
    }
    g.zMin = surfaceNarrow(n.zmin + static_cast<double>(low) * n.zrange);
    g.zMax = surfaceNarrow(n.zmin + static_cast<double>(high) * n.zrange);
    if (surfaceFlagOn(s.surface.contourOnSurface)) {
        s.surface.contourHeightLow = g.zMin;
        s.surface.contourHeightHigh = g.zMax;
    }
    return true;
}

void surfacePlanNetworkLevels(int& n, bool list, NetworkLevelPlan& plan)
{
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    int e = 0, decimals = 0, count = 0, width = 0;
    float first = 0.0f, step = 0.0f;
    surfaceChooseIntervals(g.zMin, g.zMax, n, e, first, step, decimals, count, width);
    g.levelExponent = e;
    g.mapLabelDecimals = decimals;
    g.mapLabelWidth = width;
    const double factor = std::pow(10.0, e);
    s.map.zFactor = surfaceNarrow(factor);
    plan.step = factor * step;
    plan.first = factor * first;
    plan.low = g.zMin;
    plan.high = g.zMax;
    // A first level within a ten-thousandth of the range below the data minimum stays the
    // first level; one further below is raised by an interval.
    if (static_cast<double>(g.zMin) - plan.first >
        kFirstLevelSlack * (static_cast<double>(g.zMax) - g.zMin)) {
        plan.first += plan.step;
    }
    g.contourInterval = surfaceNarrow(plan.step);
    if (n == 0) return;
    if (surfaceFlagOn(s.contour.limitsOn)) {
        g.zMin = s.contour.zLow;
        g.zMax = s.contour.zHigh;
        plan.low = g.zMin;
        plan.high = g.zMax;
        if (n == 1) {
            surfaceReportError(kOneLevelBetweenLimits);
            n = 2;
        }
        plan.first = g.zMin;
        plan.step = (static_cast<double>(g.zMax) - g.zMin) / (n - 1);
        g.contourInterval = surfaceNarrow(plan.step);
    }
    if (list) {
        plan.count = n;
        plan.first = plan.listed[0];
        plan.step = n > 1 ? static_cast<double>(plan.listed[1]) - plan.listed[0] : 0.0;
        g.contourInterval = surfaceNarrow(plan.step);
    }
}

bool surfaceNetworkMapFrame(bool drawn)
{
    SurfaceLibraryState& s = surfaceState;
    int status = 0;
    const int type = s.contour.mapFrameType;
    if (!drawn) s.contour.mapFrameType = kMapFrameLayoutOnly;
    surfaceDrawNetworkMapFrame(status);
    s.contour.mapFrameType = type;
    if (status > 0) {
        surfaceReportError(status);
        return false;
    }
    return true;
}

float surfaceNormaliseLevel(double level)
{
    const NetworkLayout& n = surfaceState.network;
    return surfaceNarrow((level - n.zmin) / n.zrange);
}

float surfaceTracedLevel(double level, float lift)
{
    return surfaceNarrow(surfaceNormaliseLevel(surfaceNarrow(level)) + static_cast<double>(lift));
}

std::vector<NetworkMapLevel> surfaceNetworkMapLevels(const NetworkLevelPlan& plan, float lift,
                                                     const float* work, NetworkLevelIndex* index)
{
    std::vector<NetworkMapLevel> out;
    if (plan.count > 0) {
        for (int k = 0; k < std::min(plan.count, kSurfaceMaxLevels); ++k)
            out.push_back({plan.listed[k], k});
        return out;
    }
    const double slack = kLastLevelSlack * (std::fabs(plan.high) + std::fabs(plan.low));
    const long long count = surfaceCountLevels(plan.first, plan.step, plan.high, slack);
    std::optional<NetworkLevelIndex> own;
    if (index == nullptr) index = &own.emplace(work);
    SurfaceLevelSteps steps;
    bool leftOut = false;
    auto height = [&](long long k) { return plan.first + static_cast<double>(k) * plan.step; };
    auto traced = [&](long long k) { return surfaceTracedLevel(height(k), lift); };
    // A map of few levels has just their spans found, from the steps of the triangles that
    // meet them: its thinning asks about no other level.
    if (count <= kFewLevels) {
        std::vector<float> asked;
        for (long long k = 0; k < count; ++k) asked.push_back(traced(k));
        index->addSteps(steps, &asked);
        steps.finishFor(std::move(asked));
    } else {
        index->addSteps(steps);
        steps.finish();
    }
    for (const long long k : surfaceThinLevels(count, traced, steps, leftOut)) {
        out.push_back({height(k), k});
    }
    if (leftOut) surfaceReportError(kLevelsTooClose);
    return out;
}

void surfaceDrawNetworkLevels(const NetworkLevelPlan& plan,
                              const std::vector<NetworkMapLevel>& levels, float lift, bool listThem,
                              int wsize, float* work, NetworkLevelIndex* index)
{
    SurfaceLibraryState& s = surfaceState;
    const bool list = plan.count > 0;
    s.levelLabelCounter = 0;
    s.labelNextLevel = 1;
    double traced = NAN;
    const double sameLine = kCrossingTolerance * s.eps;
    // Which triangles each level meets is found once for all of them.
    std::optional<NetworkLevelIndex> own;
    if (index == nullptr) index = &own.emplace(work);
    for (size_t i = 0; i < levels.size(); ++i) {
        const double level = levels[i].height;
        if (list && i > 0) s.grid.contourInterval = surfaceNarrow(level - levels[i - 1].height);
        const int pen = surfaceLevelPen(static_cast<int>(i));
        s.currentPenCode = pen;
        surfaceSelectPen(pen);
        s.tracing.labelThisLevel = s.labelNextLevel;
        const float normalised = surfaceTracedLevel(level, lift);
        // The crossing search places a level's points to within its tolerance of the height,
        // so a level that close to the last one traced would draw that line again.
        if (!(std::fabs(static_cast<double>(normalised) - traced) < sameLine)) {
            surfaceContourNetworkLevels(normalised, wsize, work, index);
            if (!index->meeting(normalised).empty()) traced = normalised;
        }
        if (listThem) surfaceListDrawnLevel(surfaceNarrow(level), pen);
        // A list's map stops counting at its last level; stepped levels count past theirs.
        if (list && i + 1 == levels.size()) break;
        surfaceAdvanceLabelRhythm();
    }
}

}  // namespace surflib

// ---- Exported routines ----------------------------------------------------------------------

void TRISET(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TRISET);
    NetworkRoutineScope network(wsize, work);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    SurfaceLibraryState& s = surfaceState;
    if (!surfaceFlagOn(s.network.networkBuilt)) {
        surfaceReportError(kNoNetwork);
        return;
    }
    surfaceBeginDrawing(kBeginNetworkMap);
    if (!surfaceStartNetworkMap(xlow, xhigh, ylow, yhigh, wsize, work, false)) return;
    GridState& g = s.grid;
    int e = 0, decimals = 0, count = 0, width = 0;
    float first = 0.0f, step = 0.0f;
    surfaceChooseIntervals(g.zMin, g.zMax, kFrameIntervals, e, first, step, decimals, count, width);
    g.levelExponent = e;
    g.mapLabelDecimals = decimals;
    g.mapLabelWidth = width;
    const double factor = std::pow(10.0, e);
    s.map.zFactor = surfaceNarrow(factor);
    g.contourInterval = surfaceNarrow(factor * step);
    if (!surfaceNetworkMapFrame(false)) endDrawing();
}

void DRATRI(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& ncont, const int& lineSwitch, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::DRATRI);
    NetworkRoutineScope network(wsize, work);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    NetworkMethodKeeper keep;
    SurfaceLibraryState& s = surfaceState;
    if (!surfaceFlagOn(s.network.networkBuilt)) {
        surfaceReportError(kNoNetwork);
        return;
    }
    surfaceBeginDrawing(kBeginNetworkMap);
    int n = ncont;
    if (n < 0) {
        surfaceReportError(kNegativeCount);
        n = n == INT_MIN ? INT_MAX : -n;
    }
    surfaceApplyNetworkSwitch(lineSwitch);
    const bool list = surfaceFlagOn(s.contour.levelListOn);
    NetworkLevelPlan plan{};
    if (list) {
        n = std::clamp(s.levels.count, 0, kSurfaceMaxLevels);
        std::copy(s.levels.heights, s.levels.heights + n, plan.listed);
    }
    s.fillBandCount = 0;
    s.fillKeyOn = 0;
    s.numberFormatWarned = 0;
    s.dataLabelWarned = 0;
    if (!surfaceStartNetworkMap(xlow, xhigh, ylow, yhigh, wsize, work, true)) return;
    surfacePlanNetworkLevels(n, list, plan);
    if (!surfaceNetworkMapFrame(false)) {
        endDrawing();
        return;
    }
    surfaceRestartLevelList();
    if (n != 0) {
        const NetworkPatchMemo patches;
        NetworkLevelIndex index(work);
        surfaceDrawNetworkLevels(plan, surfaceNetworkMapLevels(plan, 0.0f, work, &index), 0.0f,
                                 true, wsize, work, &index);
    }
    if (!surfaceNetworkMapFrame(true)) return;
    if (n == 0) s.grid.contourInterval = 0.0f;
    if (surfaceFlagOn(s.contour.pointMarkersOn) && !surfaceFlagOn(s.surface.contourOnSurface)) {
        surfaceDrawDataPoints(wsize, work);
    }
}

void ADTCON(const float& height, const int& lineSwitch, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::ADTCON);
    NetworkRoutineScope network(wsize, work);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    NetworkMethodKeeper keep;
    SurfaceLibraryState& s = surfaceState;
    if (s.drawing.code != kDrawingNetworkMap) {
        surfaceReportError(kNoDrawingToAddTo);
        return;
    }
    if (surfaceNetworkStatus(wsize, work) != 0) {
        endDrawing();
        surfaceReportError(kNoDrawingToAddTo);
        return;
    }
    if (surfaceRefuseNoNumberLevel(height)) return;
    surfaceBeginDrawing(kAddToNetworkMap);
    const ContourSettings& c = s.contour;
    if (surfaceFlagOn(c.limitsOn) && (height < c.zLow || height > c.zHigh)) {
        surfaceReportError(kOutsideLimits);
    }
    surfaceApplyNetworkSwitch(lineSwitch);
    const int pen = surfaceFlagOn(c.pensSet) ? c.linePen : s.saved.entryColour;
    s.currentPenCode = pen;
    surfaceSelectPen(pen);
    int status = 0;
    surfacePrepareNetwork(wsize, work, true, status);
    if (status > 0) {
        surfaceReportError(status);
        return;
    }
    s.numberFormatWarned = 0;
    // Labelled as the label count of the lines drawn before calls for, without counting it on.
    s.tracing.labelThisLevel = s.labelNextLevel;
    if (s.network.zrange > 0.0f) {
        surfaceContourNetworkLevels(surfaceNormaliseLevel(height), wsize, work);
    }
    if (s.levels.count >= 0 && s.levels.count < kSurfaceMaxLevels) {
        surfaceListDrawnLevel(height, pen);
    } else {
        surfaceReportError(kLevelListFull);
    }
}
