// plotframe.cpp - graph-wide settings: the plot frame that replaces the kernel's picture
// space as the plotting area (GRFBND, GRBENQ), the graph character mode (GRFMOD), the graph
// scaling mode (GRASCA) and the marker of marker grids (GRDSYM, GRDSYQ).
#include <cmath>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

void GRASCA(const int& mode)
{
    GraphRoutineFrame frame("GRASCA");
    graphState.graph.scalingMode = mode;
    if (mode < 0 || mode > 4) {
        graphReportError(kBadScalingMode);
        graphState.graph.scalingMode = 0;
    }
}

void GRFBND(const float& x1, const float& x2, const float& y1, const float& y2)
{
    GraphRoutineFrame frame("GRFBND");
    GraphSettings& g = graphState.graph;
    graphOrderedBounds(x1, x2, y1, y2, g.plotFrame);
    g.plotFrameSwitch = 1;
    // Written as "not at least" so that a NaN bound counts as too narrow.
    if (!(std::fabs(g.plotFrame[1] - g.plotFrame[0]) >= 0.00001f) ||
        !(std::fabs(g.plotFrame[3] - g.plotFrame[2]) >= 0.00001f)) {
        graphReportError(kFrameTooNarrow);
        g.plotFrameSwitch = 0;
    }
}

void GRBENQ(int& frameSwitch, float& x1, float& x2, float& y1, float& y2)
{
    GraphRoutineFrame frame("GRBENQ");
    const GraphSettings& g = graphState.graph;
    frameSwitch = g.plotFrameSwitch;
    float area[4] = {g.plotFrame[0], g.plotFrame[1], g.plotFrame[2], g.plotFrame[3]};
    if (g.plotFrameSwitch != 1) {
        int status = 0;
        const int first = 1, count = 4;
        kernelEnquirePictureSpace(status, first, count, area);
    }
    x1 = area[0];
    x2 = area[1];
    y1 = area[2];
    y2 = area[3];
}

void GRFMOD(const int& mode)
{
    GraphRoutineFrame frame("GRFMOD");
    graphState.graph.characterMode = (mode == 0) ? 0 : 1;
}

void GRDSYM(const int& marker)
{
    GraphRoutineFrame frame("GRDSYM");
    graphState.graph.gridMarker = (marker < 0) ? 3 : marker;
}

void GRDSYQ(int& marker)
{
    GraphRoutineFrame frame("GRDSYQ");
    marker = graphState.graph.gridMarker;
}
