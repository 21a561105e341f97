// Tests of the contour map setters: the warnings each reports and what it stores.
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "surface_test.h"
#include "tterrlib.h"

namespace {

std::string title(int i)
{
    const SurfaceTitles& t = surfaceState.titles;
    return std::string(t.titles[i - 1], t.lengths[i - 1]);
}

struct SetterRow {
    const char* name;
    std::function<void()> call;
    std::vector<int> errors;
    std::function<void()> check;
};

}  // namespace

class SettingsTest : public OpenSurfaceTest {
protected:
    void runRows(const std::vector<SetterRow>& rows)
    {
        for (const SetterRow& r : rows) {
            SCOPED_TRACE(r.name);
            SURF();
            tarv::errorLogClear();
            r.call();
            EXPECT_EQ(reported(), r.errors);
            r.check();
        }
    }
};

TEST_F(SettingsTest, LevelsLimitsAndPatch)
{
    const ContourSettings& c = surfaceState.contour;
    const ContourLevelList& l = surfaceState.levels;
    static const float increasing[4] = {1, 2, 3, 4.5f};
    static const float repeated[3] = {1, 2, 2};
    static const float hundred[100] = {};
    runRows({
        {"CIRPTS 0", [] { CIRPTS(0); }, {}, [&] { EXPECT_EQ(c.patchPoints, 24); }},
        {"CIRPTS -5",
         [] { CIRPTS(-5); },
         {asReported(kNegativePatch)},
         [&] { EXPECT_EQ(c.patchPoints, 24); }},
        {"CIRPTS 12", [] { CIRPTS(12); }, {}, [&] { EXPECT_EQ(c.patchPoints, 12); }},
        {"LEVELS 10 2",
         [] { LEVELS(10, 2); },
         {},
         [&] {
             EXPECT_EQ(c.zLow, 2.0f);
             EXPECT_EQ(c.zHigh, 10.0f);
             EXPECT_EQ(c.limitsOn, -1);
         }},
        {"LEVELS 0 0", [] { LEVELS(0, 0); }, {}, [&] { EXPECT_EQ(c.limitsOn, 0); }},
        {"LEVELS 5 5",
         [] { LEVELS(5, 5); },
         {asReported(kFlatLimits)},
         [&] {
             EXPECT_EQ(c.zLow, 5.0f);
             EXPECT_FLOAT_EQ(c.zHigh, 5.005f);
         }},
        {"LEVELS -5 -5 keeps the limits in order",
         [] { LEVELS(-5, -5); },
         {asReported(kFlatLimits)},
         [&] {
             EXPECT_EQ(c.zLow, -5.0f);
             EXPECT_FLOAT_EQ(c.zHigh, -4.995f);
             EXPECT_LE(c.zLow, c.zHigh);
         }},
        {"LEVELS tiny flat range widens past the tolerance",
         [] { LEVELS(1e-6f, 1e-6f); },
         {asReported(kFlatLimits)},
         [&] { EXPECT_GE(c.zHigh - c.zLow, 5e-7f); }},
        {"CONDEF 4 increasing",
         [] { CONDEF(4, increasing); },
         {},
         [&] {
             EXPECT_EQ(l.count, 4);
             EXPECT_EQ(std::vector<float>(l.heights, l.heights + 4),
                       std::vector<float>(increasing, increasing + 4));
             EXPECT_EQ(c.levelListOn, -1);
             EXPECT_EQ(c.limitsOn, 0);
         }},
        {"CONDEF repeated height",
         [] { CONDEF(3, repeated); },
         {asReported(kLevelsNotIncreasing)},
         [&] {
             EXPECT_EQ(c.levelListOn, 0);
             EXPECT_EQ(l.count, 3);  // count and the heights copied so far stay
             EXPECT_EQ(l.heights[0], 1.0f);
         }},
        {"CONDEF 100 refused",
         [] { CONDEF(100, hundred); },
         {asReported(kBadLevelCount)},
         [&] {
             EXPECT_EQ(c.levelListOn, 0);
             EXPECT_EQ(l.count, 0);
         }},
        {"CONDEF 0 without array",
         [] { CONDEF(0, nullptr); },
         {asReported(kBadLevelCount)},
         [&] { EXPECT_EQ(c.levelListOn, 0); }},
        {"LEVELS cancels a level list",
         [] {
             CONDEF(4, increasing);
             LEVELS(0, 0);
         },
         {},
         [&] {
             EXPECT_EQ(c.levelListOn, 0);
             EXPECT_EQ(c.limitsOn, 0);
         }},
    });
}

TEST_F(SettingsTest, LabelsAndInterpolation)
{
    const ContourSettings& c = surfaceState.contour;
    runRows({
        {"CONANN fixed format",
         [] { CONANN(2, 80.0f, 3.0f, 6, 2, -3, 0, 1); },
         {},
         [&] {
             EXPECT_EQ(c.labelsOn, -1);
             EXPECT_EQ(c.labelSkip, 2);
             EXPECT_EQ(c.labelSpacing, 80.0f);
             EXPECT_EQ(c.labelSize, 3.0f);
             EXPECT_EQ(c.labelStyleGiven, -1);
             EXPECT_EQ(c.labelFixedFormat, -1);
             EXPECT_EQ(c.labelWidth, 6);
             EXPECT_EQ(c.labelDecimals, 2);
             EXPECT_EQ(c.labelExponent, -3);
             EXPECT_EQ(c.labelAlongLine, -1);
         }},
        {"CONANN labels off, width 0",
         [] { CONANN(-1, 0.0f, 0.0f, 0, 2, 5, 0, 2); },
         {},
         [&] {
             EXPECT_EQ(c.labelsOn, 0);
             EXPECT_EQ(c.labelSkip, 0);
             EXPECT_EQ(c.labelSpacing, 60.0f);
             EXPECT_EQ(c.labelStyleGiven, 0);
             EXPECT_EQ(c.labelFixedFormat, 0);
             EXPECT_EQ(c.labelExponent, 9999);
             EXPECT_EQ(c.labelAlongLine, 0);
         }},
        {"CONANN width 12 kept but not used",
         [] { CONANN(0, 10.0f, 0.0f, 12, 1, 2, 4, 0); },
         {asReported(kBadLabelWidth)},
         [&] {
             EXPECT_EQ(c.labelWidth, 12);
             EXPECT_EQ(c.labelFixedFormat, 0);
             EXPECT_EQ(c.labelStyleGiven, -1);  // a pen was given
             EXPECT_EQ(c.labelPen, 4);
         }},
        {"CONANN exponent beyond the kernel's reals",
         [] { CONANN(0, 10.0f, 0.0f, 5, 1, 38, 0, 0); },
         {},
         [&] { EXPECT_EQ(c.labelExponent, 9999); }},
        {"CONANN most negative exponent",
         [] { CONANN(0, 10.0f, 0.0f, 5, 1, INT_MIN, 0, 0); },
         {},
         [&] { EXPECT_EQ(c.labelExponent, 9999); }},
        {"RANINT bad method and value",
         [] { RANINT(3, -2.5f); },
         {asReported(kBadSwitch), asReported(kNegativeValue)},
         [&] {
             EXPECT_EQ(c.randomMethod, 0);
             EXPECT_EQ(c.randomValue, 2.5f);
         }},
        {"RANINT good",
         [] { RANINT(2, 0.5f); },
         {},
         [&] {
             EXPECT_EQ(c.randomMethod, 2);
             EXPECT_EQ(c.randomValue, 0.5f);
         }},
        {"RANPTS -3",
         [] { RANPTS(-3); },
         {},
         [&] {
             EXPECT_EQ(c.pointMarker, -3);
             EXPECT_EQ(c.pointMarkersOn, -1);
         }},
        {"RANPTS 0", [] { RANPTS(0); }, {}, [&] { EXPECT_EQ(c.pointMarkersOn, 0); }},
    });
}

TEST_F(SettingsTest, FramesPensAndSwitches)
{
    const ContourSettings& c = surfaceState.contour;
    SurfaceSettings& s = surfaceState.surface;
    runRows({
        {"CONBND swaps and sets",
         [&] {
             s.perspectiveSet = -1;
             s.contourOnSurface = -1;
             CONBND(10, 0, 5, -5);
         },
         {},
         [&] {
             EXPECT_EQ(std::vector<float>(c.mapFrame, c.mapFrame + 4),
                       std::vector<float>({0, 10, -5, 5}));
             EXPECT_EQ(c.mapFrameSet, -1);
             EXPECT_EQ(s.perspectiveSet, 0);
             EXPECT_EQ(s.contourOnSurface, 0);
         }},
        {"CONBND flat x and y",
         [&] {
             CONBND(0, 1, 0, 1);
             s.perspectiveSet = -1;
             CONBND(3, 3, 2, 2);
         },
         {asReported(kFlatXRange), asReported(kFlatYRange)},
         [&] {
             EXPECT_EQ(std::vector<float>(c.mapFrame, c.mapFrame + 4),
                       std::vector<float>({3, 3, 2, 2}));
             EXPECT_EQ(c.mapFrameSet, 0);
             EXPECT_EQ(s.perspectiveSet, -1);
         }},
        {"CRSBND",
         [] { CRSBND(4, 1, 0, 0); },
         {asReported(kFlatYRange)},
         [&] {
             EXPECT_EQ(std::vector<float>(c.crossSectionFrame, c.crossSectionFrame + 4),
                       std::vector<float>({1, 4, 0, 0}));
             EXPECT_EQ(c.crossSectionFrameSet, 0);
         }},
        {"CRSBND good",
         [] { CRSBND(4, 1, 0, 2); },
         {},
         [&] { EXPECT_EQ(c.crossSectionFrameSet, -1); }},
        {"CONLIN negatives",
         [] { CONLIN(-2, 3, -1004, INT_MIN); },
         {asReported(kNegativeValue), asReported(kNegativeValue), asReported(kNegativeValue)},
         [&] {
             EXPECT_EQ(std::vector<int>({c.framePen, c.linePen, c.majorLinePen, c.majorLineEvery}),
                       std::vector<int>({2, 3, 1004, INT_MAX}));
             EXPECT_EQ(c.pensSet, -1);
         }},
        {"CONFRA 3",
         [] { CONFRA(3); },
         {asReported(kBadFrameType)},
         [&] { EXPECT_EQ(c.mapFrameType, 0); }},
        {"CONFRA 2", [] { CONFRA(2); }, {}, [&] { EXPECT_EQ(c.mapFrameType, 2); }},
        {"CRSFRA 3", [] { CRSFRA(3); }, {}, [&] { EXPECT_EQ(c.crossSectionFrameType, 3); }},
        {"CRSFRA -1",
         [] { CRSFRA(-1); },
         {asReported(kBadFrameType)},
         [&] { EXPECT_EQ(c.crossSectionFrameType, 0); }},
        {"CONSWI 2",
         [] { CONSWI(2); },
         {asReported(kBadSwitch)},
         [&] {
             EXPECT_EQ(c.fillLinesSwitch, 1);
             EXPECT_EQ(c.surfaceLinesSwitch, 0);
         }},
        {"CONSWI 0",
         [] { CONSWI(0); },
         {},
         [&] {
             EXPECT_EQ(c.fillLinesSwitch, 0);
             EXPECT_EQ(c.surfaceLinesSwitch, 0);
         }},
        {"CONSCA kind 3 and a negative scale",
         [] { CONSCA(1.5f, -2.0f, 0.0f, 3); },
         {asReported(kNegativeValue)},
         [&] {
             EXPECT_EQ(c.frameScaleFirstKind, 0);
             EXPECT_EQ(c.frameScaleSecondKind, -1);
             EXPECT_EQ(std::vector<float>(c.frameScale, c.frameScale + 3),
                       std::vector<float>({1.5f, 2.0f, 0.0f}));
             EXPECT_EQ(std::vector<int>(c.frameScaleGiven, c.frameScaleGiven + 3),
                       std::vector<int>({-1, -1, 0}));
         }},
        {"CONSCA bad kind",
         [] { CONSCA(0, 0, 0, 7); },
         {asReported(kBadSwitch)},
         [&] {
             EXPECT_EQ(c.frameScaleFirstKind, -1);
             EXPECT_EQ(c.frameScaleSecondKind, 0);
         }},
        {"SURMOD 5",
         [] { SURMOD(5); },
         {asReported(kBadSwitch)},
         [&] { EXPECT_EQ(c.charMode, 1); }},
        {"SURMOD 0", [] { SURMOD(0); }, {}, [&] { EXPECT_EQ(c.charMode, 0); }},
    });
}

TEST_F(SettingsTest, TitlesTakeTheUsedLength)
{
    const ContourSettings& c = surfaceState.contour;
    const SurfaceTitles& t = surfaceState.titles;
    static const std::string longText = std::string(130, 'a');
    runRows({
        {"TITSTR",
         [] { TITSTR("  Map of heights   ", 19); },
         {},
         [&] {
             EXPECT_EQ(c.titleOn, -1);
             EXPECT_EQ(c.titleLength, 16);
             EXPECT_EQ(std::string(c.title, 16), "  Map of heights");
             EXPECT_EQ(c.title[16], ' ');
         }},
        {"TITSTR 130 characters",
         [] { TITSTR(longText.c_str(), 130); },
         {asReported(kTextTooLong)},
         [&] {
             EXPECT_EQ(c.titleLength, 120);
             EXPECT_EQ(c.titleOn, -1);
         }},
        {"TITSTR blank",
         [] {
             TITSTR("x", 1);
             TITSTR("    ", 4);
         },
         {},
         [&] { EXPECT_EQ(c.titleOn, 0); }},
        {"ANNSTR 3",
         [] { ANNSTR(3, "Depth   ", 8); },
         {},
         [&] {
             EXPECT_EQ(title(3), "Depth");
             EXPECT_EQ(t.titleMode, 0);
             EXPECT_EQ(title(1), "X axis");
         }},
        {"ANNSTR over 25",
         [] { ANNSTR(7, "abcdefghijklmnopqrstuvwxyz0", 27); },
         {asReported(kTextTooLong)},
         [&] { EXPECT_EQ(title(7), "abcdefghijklmnopqrstuvwxy"); }},
        {"ANNSTR -1 restores and drops the factor",
         [] {
             ANNSTR(3, "Depth", 5);
             ANNSTR(-1, "", 0);
         },
         {},
         [&] {
             EXPECT_EQ(title(3), "Z axis");
             EXPECT_EQ(t.titleMode, 1);
         }},
        {"ANNSTR -2", [] { ANNSTR(-2, "x", 1); }, {}, [&] { EXPECT_EQ(t.titleMode, 2); }},
        {"ANNSTR 9 ignored",
         [] {
             ANNSTR(-2, "x", 1);
             ANNSTR(9, "Depth", 5);
         },
         {},
         [&] {
             EXPECT_EQ(t.titleMode, 2);
             EXPECT_EQ(title(7), "Y Limits Shown");
         }},
        {"ANNSTR blank text keeps the title",
         [] { ANNSTR(2, "   ", 3); },
         {},
         [&] { EXPECT_EQ(title(2), "Y axis"); }},
    });
}

TEST_F(SettingsTest, DefaultsComeBackWithOpen)
{
    static const float levels[2] = {1, 2};
    CONDEF(2, levels);
    CIRPTS(7);
    ANNSTR(4, "Height", 6);
    surfaceState.networkSettings.interpolationMethod = 0;
    surfaceState.surface.heightRatio = 0.9f;
    surfaceState.drawing.code = kDrawingGriddedMap;
    surfaceState.grid.mapWorkspaceSize = 12883;
    surfaceState.network.storedSize = 500;
    surfaceState.surface.perspectiveSet = -1;
    surfaceState.outputEnabled = 0;
    kernelSetCharSize(14.0f, 21.0f);
    krOpenSurf();
    const SurfaceLibraryState& s = surfaceState;
    EXPECT_EQ(s.levels.count, 0);
    EXPECT_EQ(s.contour.patchPoints, 24);
    EXPECT_EQ(s.networkSettings.interpolationMethod, 2);
    EXPECT_EQ(s.surface.heightRatio, 0.5f);
    EXPECT_EQ(s.drawing.code, kDrawingNone);
    EXPECT_EQ(s.grid.mapWorkspaceSize, 0);
    EXPECT_EQ(s.network.storedSize, 0);
    EXPECT_EQ(s.surface.perspectiveSet, 0);
    EXPECT_EQ(s.outputEnabled, 1);
    EXPECT_EQ(title(4), "Contour Height");
    const int lengths[7] = {6, 6, 6, 14, 12, 14, 14};
    EXPECT_EQ(std::vector<int>(s.titles.lengths, s.titles.lengths + 7),
              std::vector<int>(lengths, lengths + 7));
    EXPECT_EQ(s.digitWidth, 14.0f);
    EXPECT_EQ(s.charHeight, 21.0f);
    EXPECT_EQ(s.eps, 5e-7f);
    EXPECT_EQ(s.nice.steps[5], 0.25f);
    EXPECT_EQ(s.nice.decimals[9], 1);
    EXPECT_EQ(s.contour.labelExponent, 9999);
    EXPECT_EQ(s.surface.axesSwitches[3], 0);
    EXPECT_EQ(s.surface.axesSwitches[5], 1);
}
