// markers.cpp - markers at the points of a data set (GRASYM) and their worker, which GRAPH
// and the polar charts share.
#include <cstdint>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "graphs/curves.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace plotlib {

void graphDrawMarkers(const float* x, const float* y, int n, int marker, int skip)
{
    if (n <= 0 || x == nullptr || y == nullptr) {
        kernelReportError(graphKernelNumber(kNoMarkerPoints));
        return;
    }
    // In 64 bits: skip + 1 and the walk past n must not overflow for any skip.
    std::int64_t step = static_cast<std::int64_t>(skip) + 1;
    if (step < 1) {
        kernelReportError(graphKernelNumber(kBadMarkerStep));
        step = 1;
    }
    int symbol = marker;
    if (symbol < 0) {
        kernelReportError(graphKernelNumber(kBadMarker));
        symbol = 1;
    }
    const bool testMissing = graphState.missing.mode > 0;
    for (std::int64_t i = 0; i < n; i += step) {
        float kx = 0.0f, ky = 0.0f;
        graphToKernelCoords(x[i], y[i], kx, ky);
        if (testMissing && graphIsMissingPoint(x[i], y[i])) continue;
        kernelMovePen(kx, ky);
        kernelDrawMarker(symbol);
    }
}

}  // namespace plotlib

void GRASYM(const float* x, const float* y, const int& n, const int& marker, const int& skip)
{
    GraphRoutineFrame frame("GRASYM");
    graphDrawMarkers(x, y, n, marker, skip);
}
