// settings.cpp - TRIINT and TRISTP: how heights between the points of a network are
// interpolated (method, neighbour count and weighting of the local fit) and the step in which
// curved network contours cut the triangle edges.
#include <cmath>

#include "frame/errors.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "network/network.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr int kFewestNeighbours = 7;
constexpr int kDefaultNeighbours = 10;
constexpr float kDefaultStep = 4.0f;

}  // namespace

void TRIINT(const int& method, const int& neighbours, const int& weighting)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TRIINT);
    NetworkSettings& n = surfaceState.networkSettings;
    n.interpolationMethod = method;
    n.neighbourCount = neighbours;
    n.workingNeighbourCount = neighbours;
    n.weightingFunction = weighting;
    if (method < 0 || method > 2) {
        surfaceReportError(kBadSwitch);
        n.interpolationMethod = 2;
    }
    if (neighbours < kFewestNeighbours) {
        surfaceReportError(kFewNeighbours);
        n.neighbourCount = kDefaultNeighbours;
        n.workingNeighbourCount = kDefaultNeighbours;
    }
    if (weighting < 1 || weighting > 4) {
        surfaceReportError(kBadSwitch);
        n.weightingFunction = 1;
    }
}

void TRISTP(const float& step)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TRISTP);
    NetworkSettings& n = surfaceState.networkSettings;
    n.contourStep = step;
    if (!(std::fabs(step) >= 100.0f * surfaceState.eps)) {
        // also a step that is no number
        surfaceReportError(kStepTooSmall);
        n.contourStep = kDefaultStep;
    } else if (step < 0.0f) {
        surfaceReportError(kNegativeValue);
        n.contourStep = std::fabs(step);
    }
}
