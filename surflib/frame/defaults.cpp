// defaults.cpp - the first-use values of the library state, written on the first routine
// entry of the process and again by SURF.  Fields not written here keep what they hold.
#include <cstring>

#include "frame/errors.h"
#include "frame/kernel_layer.h"
#include "frame/state.h"
#include "tarvcore.h"

using namespace surflib;

namespace {

constexpr float kNiceSteps[11] = {0.01f, 0.02f, 0.05f, 0.1f, 0.2f, 0.25f,
                                  0.5f,  1.0f,  2.0f,  2.5f, 5.0f};
constexpr int kNiceDecimals[11] = {2, 2, 2, 1, 1, 2, 1, 0, 0, 1, 0};

constexpr const char* kDefaultTitles[7] = {"X axis",         "Y axis",       "Z axis",
                                           "Contour Height", "Contour Step", "X Limits Shown",
                                           "Y Limits Shown"};

void writeFixedValues()
{
    SurfaceLibraryState& s = surfaceState;
    for (int i = 0; i < 11; ++i) {
        s.nice.steps[i] = kNiceSteps[i];
        s.nice.decimals[i] = kNiceDecimals[i];
    }
    s.grid.nx = 31;
    s.grid.ny = 31;
    s.grid.nxIntervals = 30;
    s.grid.nyIntervals = 30;
    s.grid.gridOffset = 0;
    s.grid.bucketDensity = 4;
    s.contour.patchPoints = 24;
    s.contour.mapFrameType = 0;
    s.contour.crossSectionFrameType = 0;
    s.surface.baseType = 0;
    s.levelLabelCounter = 0;
    s.labelNextLevel = 1;
    s.eps = 5.0e-7f;
}

void writeSwitches()
{
    SurfaceLibraryState& s = surfaceState;
    ContourSettings& c = s.contour;
    c.labelsOn = -1;
    c.labelFixedFormat = 0;
    c.labelAlongLine = 0;
    c.labelSkip = 0;
    c.limitsOn = 0;
    c.frameScaleFirstKind = -1;
    c.frameScaleSecondKind = 0;
    for (int& given : c.frameScaleGiven) given = 0;
    c.titleOn = 0;
    c.pointMarkersOn = 0;
    s.smoothedLines = 0;
    for (int i = 0; i < 3; ++i) {
        s.surface.axesIntervals[i] = 0.0f;
        s.surface.axesIntervalsGiven[i] = 0;
    }
    c.levelListOn = 0;
    c.mapFrameSet = 0;
    c.crossSectionFrameSet = 0;
    s.surface.surfaceFrameSet = 0;
    s.surface.contourOnSurface = 0;
    s.surface.gridIntervals[0] = 0;
    s.surface.gridIntervals[1] = 0;
    s.surface.gridLinesOn = 0;
    s.surface.hiddenLinesOn = -1;
    s.surface.levelLimitsOn = 0;
    s.surface.linePensSet = 0;
    s.surface.baseStyleSet = -1;
    s.surface.baseStyleOne = 0;
    s.surface.basePensUsed = 0;
    s.surface.zAxisValue = 0.0f;
    for (float& v : s.surface.viewWorking) v = 0.0f;
    s.tracingPhase = 0;
    s.labelSlotWorking = 0;
    c.labelStyleGiven = 0;
    c.charMode = 1;
}

}  // namespace

namespace surflib {

void surfaceWriteDefaultTitles()
{
    SurfaceTitles& t = surfaceState.titles;
    for (int i = 0; i < 7; ++i) {
        const int length = static_cast<int>(std::strlen(kDefaultTitles[i]));
        std::memset(t.titles[i], ' ', kSurfaceAxisTitleChars);
        std::memcpy(t.titles[i], kDefaultTitles[i], length);
        t.lengths[i] = length;
    }
}

namespace {

void writeDrawingValues(int colour)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    for (int i = 0; i < 3; ++i) {
        surf.annotationExponent[i] = 9999;
        surf.annotationOn[i] = 0;
    }
    s.contour.majorLineEvery = 0;
    s.contour.randomMethod = 0;
    surf.gridMode = 0;
    surf.zAxisSwitch = 1;
    s.contour.labelPen = 0;
    s.outputEnabled = 1;
    s.levels.count = 0;
    s.contour.labelExponent = 9999;
    s.contour.fillLinesSwitch = 1;
    s.contour.surfaceLinesSwitch = 0;
    for (int& pen : surf.basePens) pen = -1;
    s.fillBandCount = 0;
    s.bandFillWorking[0] = 0.0f;
    s.bandFillWorking[1] = 0.0f;
    s.currentPenCode = colour;
    surfaceWriteDefaultTitles();
    s.titles.titleMode = 0;
    s.drawing.code = kDrawingNone;
    // No drawing is current after the defaults, so nothing may be added to an old one: the
    // workspace sizes recorded by the last map and network and the perspective set-up go too.
    s.grid.mapWorkspaceSize = 0;
    s.partition.recordedSize = 0;
    s.network.storedSize = 0;
    s.surface.perspectiveSet = 0;
    // The z range of a perspective set-up or of the old level routine goes with it, so that it
    // clamps no picture drawn after the defaults.
    s.surface.fixedZRange = 0;
    s.surface.axisLimitsSet = 0;

    NetworkSettings& net = s.networkSettings;
    net.interpolationMethod = 2;
    net.neighbourCount = 10;
    net.workingNeighbourCount = 10;
    net.weightingFunction = 1;
    net.contourStep = 4.0f;
    s.network.networkRoutineActive = 0;
    for (int& word : s.network.descriptor) word = 0;
    s.network.tracingWorking = 0.0f;
    s.network.bandFillWorking[0] = 0.0f;
    s.network.bandFillWorking[1] = 0.0f;

    static const int kAxesSwitches[6] = {1, 1, 1, 0, 0, 1};
    surf.axesStyle = 0;
    for (int i = 0; i < 6; ++i) {
        surf.axesSwitches[i] = kAxesSwitches[i];
        surf.axesValues[i] = 0.0f;
    }
    s.surfaceAxesWorking[0] = 0.0f;
    s.surfaceAxesWorking[1] = 0.0f;
    s.saved.entryColour = colour;
}

}  // namespace

void surfaceSetDefaults()
{
    SurfaceLibraryState& s = surfaceState;
    writeFixedValues();

    const int two = 2, four = 4;
    s.realSetting2 = kernelEnquireRealSetting(two);
    s.integerSetting4 = kernelEnquireIntegerSetting(four);

    s.labelSpacingBase = 60.0f;
    s.contour.randomValue = 1.0f;
    s.surface.heightRatio = 0.5f;
    s.surface.axesRatio = 1.0f;

    int status = 0;
    float spacing = 60.0f, unused = 0.0f;
    surfaceEnquireUnits(status, s.labelSpacingBase, s.labelSpacingBase, spacing, unused);
    s.contour.labelSpacing = status == 0 ? spacing : 60.0f;

    writeSwitches();

    // A failed measure keeps the character units as they are; every other default is still
    // written, so the library never runs on half its first-use values.
    const bool measured = surfaceReadCharacterUnits();

    s.contour.labelSize = 0.0f;
    s.contour.pensSet = 0;
    s.surface.linePensSet = 0;

    int colour = 1;
    surfaceEnquireLineAttributes(status, colour);
    if (status != 0) colour = 1;

    writeDrawingValues(colour);

    const bool framed = surfaceReadPlotFrame();
    if (!measured) surfaceReportError(kMeasureFailed);
    if (!framed) surfaceReportError(kMeasureFailed);
}

}  // namespace surflib
