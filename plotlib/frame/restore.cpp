// restore.cpp - the restore routines: axes, pie chart and vector chart settings back to the
// values of the first call.  AXISET and PIESET switch the plot frame off before they enter, so
// that the defaults are taken from the kernel's picture space.
#include "frame/defaults.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "tplotlib.h"

using namespace plotlib;

void AXISET()
{
    graphState.graph.plotFrameSwitch = 0;
    GraphRoutineFrame frame("AXISET");
    graphResetAxes(1, 1);
    graphResetAxes(2, 2);
    graphDefaultPolarLayout();
}

void PIESET()
{
    graphState.graph.plotFrameSwitch = 0;
    GraphRoutineFrame frame("PIESET");
    graphDefaultPieFrame();
    graphDefaultPieSettings();
}

void VECSET()
{
    GraphRoutineFrame frame("VECSET");
    graphDefaultVectorSettings();
}
