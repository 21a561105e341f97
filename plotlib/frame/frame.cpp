// frame.cpp - routine entry and exit, the saving and restoring of the caller's kernel state,
// and error reporting.
//
// The entry learns the kernel's character sizes before anything else uses them (the first-use
// defaults lay out the default axes with them), so a first call enquires the text attributes
// even when it draws nothing.  The caller's text attributes are kept apart from the ones the
// library lays out with: switching the text mode may change the kernel's attributes, and the
// exit must give back what the caller had.
#include "frame/frame.h"

#include <cassert>
#include <cmath>
#include <cstring>

#include "axes/scaling.h"
#include "frame/defaults.h"
#include "frame/errors.h"
#include "frame/state.h"
#include "tarvcore.h"

using namespace plotlib;

namespace {

void enquireCharacters(CharacterAttributes& c)
{
    kernelEnquireTextAttributes(c.mode, c.width, c.height, c.font, c.fifth, c.angle);
}

// Set-up of the current axis unless its transform is still valid.
void setUpCurrentAxis()
{
    AxisSettings& a = graphAxis(graphState.graph.currentAxis);
    if (a.setUp != 1) {
        graphSetUpAxis();
        a.setUp = 1;
    }
}

void setUpAxes(int axisCode)
{
    if (axisCode == 1) return;
    GraphSettings& g = graphState.graph;
    if (axisCode != 2) {
        if (graphAxis(2).setUp != 1) {
            g.currentAxis = 2;
            graphSetUpAxis();
            graphAxis(2).setUp = 1;
        }
        g.currentAxis = 1;
    }
    setUpCurrentAxis();
}

// Text attributes back to the caller's: size, angle, fifth value and text mode.
void restoreTextAttributes(const CharacterAttributes& c)
{
    kernelSetCharSize(c.width, c.height);
    kernelSetCharAngle(c.angle);
    kernelSetTextSetting196(c.fifth);
    const int mode = c.mode != 4 ? 0 : 1;
    kernelSetTextMode(mode);
}

}  // namespace

namespace plotlib {

void graphEnterRoutine(int axisCode, int drawFlag, const char* name, int length)
{
    // The codes come from the routine table, never from a caller.
    assert(axisCode >= 1 && axisCode <= 3);
    assert(drawFlag == 0 || drawFlag == 1);
    static const int namingLevel = 2, library = 1;
    kernelSetRoutineName(namingLevel, name, length);
    GraphSettings& g = graphState.graph;
    SavedKernelState& s = graphState.saved;
    g.plotAreaKnown = 0;
    g.marksLeftOut = 0;
    kernelEnquireLibraryOpen(library, s.status);
    const int status = s.status;
    if (status == 0 || drawFlag > 0) graphSaveKernelState(drawFlag, status);
    if (status != 1) {
        graphFirstUseDefaults();
    } else {
        if (graphAxis(1).positioned == 0) graphDefaultAxisPosition(1);
        if (graphAxis(2).positioned == 0) graphDefaultAxisPosition(2);
        if (graphState.pie.frameSwitch == 0) graphDefaultPieFrame();
        if (graphState.polar.polarSwitch == 0) graphDefaultPolarLayout();
    }
    setUpAxes(axisCode);
}

void graphSaveKernelState(int drawFlag, int status)
{
    CharacterAttributes& c = graphState.characters;
    SavedKernelState& s = graphState.saved;
    enquireCharacters(c);
    s.caller = c;
    if (drawFlag == 0 && status == 0) return;
    if (((drawFlag == 1 && status == 0) || graphState.graph.characterMode != 0) && c.mode != 4) {
        static const int libraryMode = 1;
        kernelSetTextMode(libraryMode);
        const int callerMode = c.mode;
        enquireCharacters(c);
        c.mode = callerMode;
    }
    static const int selector = 0;
    kernelEnquireLineAttributes(selector, s.pen, s.style, s.colour, s.width, s.widthMode,
                                s.reserved);
    if (s.style == -1) kernelEnquireDashPattern(s.dash[0], s.dash[1], s.dash[2], s.dash[3]);
    float third = 0.0f;
    kernelEnquireTextPosition(s.textX, s.textY, third);
    kernelEnquireTextJustification(s.justification);
    static const int leftJustified = -1;
    if (s.justification != leftJustified) kernelSetTextJustification(leftJustified);
    static const float upright = 0.0f;
    if (c.angle != 0.0f) kernelSetCharAngle(upright);
}

void graphRestoreIntervalCounts()
{
    for (AxisSettings& a : graphState.axis) {
        if (a.countReduced == 1) {
            a.intervalCount += 1;
            a.countReduced = 0;
        }
    }
}

void graphExitRoutine(int drawFlag)
{
    graphRestoreIntervalCounts();
    if (drawFlag == 1) {
        const SavedKernelState& s = graphState.saved;
        const CharacterAttributes& c = s.caller;
        if (c.font != -1) {
            // A selected font is reselected as the caller had it (upright or turned); the
            // size, angle, fifth value and mode follow, since the routine may have changed
            // them and reselecting a font does not give them back.
            const float a = std::fabs(c.angle);
            if (a < 0.00001f) kernelSetFont(c.font, 0);
            else if (a > 0.00001f) kernelSetFont(c.font, 1);
        }
        restoreTextAttributes(c);
        kernelSetTextJustification(s.justification);
        kernelSetTextPosition(s.textX, s.textY);
        static const int selector = 0;
        // The whole line group goes back first, so that colour and width return with a
        // user dash pattern too; the pattern then puts style -1 back in force.
        kernelSetLineAttributes(selector, s.pen, s.style, s.colour, s.width, s.widthMode,
                                s.reserved);
        if (s.style == -1) kernelSetDashPattern(s.dash[0], s.dash[1], s.dash[2], s.dash[3]);
    }
    static const int namingLevel = 2;
    kernelSetRoutineName(namingLevel, GraphConstants::sixBlanks, GraphConstants::sixBlanksLength);
}

void graphReportError(int n) { kernelReportError(graphKernelNumber(n)); }

GraphRoutineFrame::GraphRoutineFrame(const char* legacy) : drawFlag_(0)
{
    const GraphRoutineEntry* e = graphFindRoutine(legacy);
    const char* name = e != nullptr ? e->message : legacy;
    const int axisCode = e != nullptr ? e->axisCode : 1;
    drawFlag_ = e != nullptr ? e->drawFlag : 0;
    graphEnterRoutine(axisCode, drawFlag_, name, static_cast<int>(std::strlen(name)));
}

GraphRoutineFrame::~GraphRoutineFrame() { graphExitRoutine(drawFlag_); }

}  // namespace plotlib
