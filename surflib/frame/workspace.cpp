// workspace.cpp - the caller's workspace record, the size the gridding long forms give it, the
// checks of workspaces and data arrays that are missing, and surfaceBeginDrawing, through which
// every drawing starts or continues.
#include "frame/workspace.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "frame/errors.h"
#include "frame/kernel_layer.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

// The drawing code a type needs (0: none) and the code it sets (0: unchanged).
struct DrawingTypeRule {
    int needsA, needsB, needsC;
    int error;
    int sets;
};

constexpr DrawingTypeRule kTypeRules[9] = {
    {0, 0, 0, 0, 0},                                                                     // unused
    {0, 0, 0, 0, kDrawingGriddedMap},                                                    // 1
    {kDrawingGriddedMap, 0, 0, kNoDrawingToAddTo, 0},                                    // 2
    {0, 0, 0, 0, kDrawingIsometric},                                                     // 3
    {kDrawingGriddedMap, kDrawingIsometric, kDrawingPerspective, kNoPictureToAddTo, 0},  // 4
    {0, 0, 0, 0, kDrawingPerspective},                                                   // 5
    {0, 0, 0, 0, kDrawingNetworkMap},                                                    // 6
    {kDrawingNetworkMap, 0, 0, kNoDrawingToAddTo, 0},                                    // 7
    {0, 0, 0, 0, kDrawingPerspectiveSet},                                                // 8
};

bool meetsRequirement(const DrawingTypeRule& rule, int code)
{
    if (rule.needsA == 0) return true;
    return code == rule.needsA || code == rule.needsB || code == rule.needsC;
}

}  // namespace

void krMakeWorkspace(const int& n, SurfaceWorkspace& ws)
{
    // An array already attached is released first, and a new one starts all zero, so that no
    // routine ever reads words nobody wrote.  calloc gives large arrays as untouched zero pages.
    std::free(ws.words);
    ws.words = nullptr;
    ws.size = n;
    if (n <= 0) return;
    ws.words = static_cast<float*>(std::calloc(static_cast<size_t>(n), sizeof(float)));
    if (ws.words == nullptr) ws.size = 0;  // no array: routines find the workspace too short
}

void krFreeWorkspace(SurfaceWorkspace& ws)
{
    std::free(ws.words);
    ws.words = nullptr;
    ws.size = 0;
}

namespace surflib {

void surfaceGriddingWorkspaceSize(int nx, int ny, int npts, int& size)
{
    const long long x = nx, y = ny, n = npts;
    const long long nodes = x * y;
    if (nodes > 2147483647LL || nodes < -2147483647LL) {
        size = 0;
        return;
    }
    const long long a = nodes + 4 * n + 20 * std::max(x, y);
    const long long b = 3 * nodes + 10000;
    const long long c = 4 * n + 2 * nodes;
    const long long largest = std::max({a, b, c});
    size = largest > 2147483647LL || largest < 0 ? 0 : static_cast<int>(largest);
}

bool surfaceWorkspaceEmpty(int wsize, const float* work) { return wsize <= 0 || work == nullptr; }

bool surfaceRefuseEmptyWorkspace(int wsize, const float* work)
{
    if (!surfaceWorkspaceEmpty(wsize, work)) return false;
    surfaceReportError(kWorkspaceShort);
    return true;
}

bool surfaceRefuseMissingArrays(std::initializer_list<const void*> arrays)
{
    for (const void* a : arrays) {
        if (a == nullptr) {
            surfaceReportError(kNotANumber);
            return true;
        }
    }
    return false;
}

bool surfaceRefuseNoNumberLevel(float level)
{
    if (std::isfinite(level)) return false;
    surfaceReportError(kNotANumber);
    return true;
}

bool surfaceRefuseMissingFunction(SurfaceHeightFunction f)
{
    if (f != nullptr) return false;
    surfaceReportError(kNotANumber);
    return true;
}

void surfaceBeginDrawing(int type)
{
    SurfaceLibraryState& s = surfaceState;
    const bool known = type >= 1 && type <= 8;
    if (known) {
        const DrawingTypeRule& rule = kTypeRules[type];
        if (!meetsRequirement(rule, s.drawing.code)) {
            surfaceReportError(rule.error);
            return;
        }
    }

    if (!surfaceReadCharacterUnits()) surfaceReportError(kMeasureFailed);
    if (type != kAddToGriddedMap) surfaceReadPlotFrame();

    if (known && kTypeRules[type].sets != 0) s.drawing.code = kTypeRules[type].sets;
}

}  // namespace surflib
