// Tests of the routine frame: the kernel calls of a first call of the process, the save and
// restore of the caller's kernel state around drawing routines, the error reporter, the
// routine table and library open and close.
#include <array>
#include <set>
#include <string>
#include <utility>

#include "frame/routine_frame.h"
#include "surface_test.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

// Everything of the kernel the frame may touch, read back through the enquiries.
struct KernelSnapshot {
    int mode = 0, font = 0, fifth = 0, justification = 0, style = 0, colour = 0;
    float width = 0, height = 0, angle = 0;
    std::array<float, 4> dash{};
    std::array<std::array<int, 4>, 16> table{};
    std::string control;

    static KernelSnapshot take()
    {
        KernelSnapshot s;
        kernelEnquireTextAttributes(s.mode, s.width, s.height, s.font, s.fifth, s.angle);
        kernelEnquireTextJustification(s.justification);
        int pen = 0, widthMode = 0, reserved = 0;
        float lineWidth = 0;
        kernelEnquireLineAttributes(0, pen, s.style, s.colour, lineWidth, widthMode, reserved);
        kernelEnquireDashPattern(s.dash[0], s.dash[1], s.dash[2], s.dash[3]);
        for (int i = 1; i <= 16; ++i) {
            auto& e = s.table[i - 1];
            kernelEnquireTableEntry(i, e[0], e[1], e[2], e[3]);
        }
        char ch[1] = {' '};
        kernelEnquireControlChar(ch, 1);
        s.control.assign(ch, 1);
        return s;
    }
};

// A caller's kernel drawing state.
struct CallerState {
    const char* name;
    int textMode;  // 0 or 1
    int font;      // -1: none
    float angle;
    int style;  // -1: the dash pattern below
    int colour;
    int justification;
    int firstTableValues[3];  // entries 1, 2, 3; the others stay 0
};

const CallerState kCallerStates[] = {
    {"plain", 0, -1, 0.0f, 0, 1, -1, {0, 0, 0}},
    {"text mode 1, angle 30, dashes, table 3 0 -2", 1, -1, 30.0f, -1, 3, 1, {3, 0, -2}},
    {"style 4, centred, table all positive", 0, -1, 0.0f, 4, 5, 0, {7, 1, 2}},
    {"font selected, upright", 0, 7, 0.0f, 2, 6, -1, {3, 0, -2}},
};

void applyCallerState(const CallerState& c)
{
    kernelSetTextMode(c.textMode);
    kernelSetCharSize(12.0f, 18.0f);
    if (c.font != -1) kernelSetFont(c.font, 0);
    kernelSetCharAngle(c.angle);
    if (c.style == -1) {
        kernelSetDashPattern(5.0f, 2.0f, 1.0f, 2.0f);
    } else {
        kernelSetLineStyle(c.style);
    }
    kernelSetColour(c.colour);
    kernelSetTextJustification(c.justification);
    for (int i = 0; i < 3; ++i) kernelSetTableEntry(i + 1, c.firstTableValues[i], 10 + i, 20, 30);
}

// With a font selected the exit reselects the font and leaves size, angle and text mode to it.
void expectSame(const KernelSnapshot& a, const KernelSnapshot& b, const std::string& row,
                bool textToFont = false)
{
    SCOPED_TRACE(row);
    EXPECT_EQ(a.font, b.font);
    if (!textToFont) {
        EXPECT_EQ(a.mode, b.mode);
        EXPECT_EQ(a.width, b.width);
        EXPECT_EQ(a.height, b.height);
        EXPECT_EQ(a.angle, b.angle);
    }
    EXPECT_EQ(a.justification, b.justification);
    EXPECT_EQ(a.style, b.style);
    EXPECT_EQ(a.colour, b.colour);
    EXPECT_EQ(a.dash, b.dash);
    EXPECT_EQ(a.table, b.table);
    EXPECT_EQ(a.control, b.control);
}

std::vector<std::string> tableEnquiries(const int* firstValues)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 16; ++i) {
        const int a = i <= 3 ? firstValues[i - 1] : 0;
        const std::string b = i <= 3 ? std::to_string(9 + i) + " 20 30" : "0 0 0";
        lines.push_back("kernelEnquireTableEntry " + std::to_string(i) + " -> " +
                        std::to_string(a) + " " + b);
        if (a > 0) {
            lines.push_back("kernelSetTableEntry " + std::to_string(i) + " " + std::to_string(-a) +
                            " " + b);
        }
    }
    return lines;
}

}  // namespace

class RoutineFrameTest : public SurfaceTest {};

TEST_F(RoutineFrameTest, FirstCallOfTheProcessOpensTheLibraryAndWritesTheDefaults)
{
    capture();
    CIRPTS(5);
    const std::vector<std::string> expected = {
        "kernelSetRoutineName 2 \"krSetInterpolationPatch(CIRPTS)\"",
        "kernelEnquireLibraryOpen 3 -> 0",
        "kernelSetLibraryOpen 3 1",
        "kernelEnquireRealSetting 2 -> 3.40282e+38",
        "kernelEnquireIntegerSetting 4 -> 2147483647",
        "kernelEnquireSettingBlock91 -> 0 0 0 0 1 0",
        "kernelEnquireTextAttributes -> 0 10 10 -1 0 0",
        "kernelEnquireTextExtent \"8\" -> 10 1 10 10 1",
        "kernelEnquireLineAttributes 0 -> 1 0 1 0 1 0",
        "kernelEnquirePictureSpace 1 4 -> 0 [0 1000 0 750]",
        "kernelEnquireLineAttributes 0 -> 1 0 1 0 1 0",
        "kernelSetRoutineName 2 \"      \"",
    };
    EXPECT_EQ(calls(), expected);
    EXPECT_EQ(surfaceState.contour.patchPoints, 5);
}

TEST_F(RoutineFrameTest, FirstDrawingRoutineSavesTheCallerBeforeTheDefaultsMeasure)
{
    kernelSetCharSize(6.0f, 9.0f);
    kernelSetCharAngle(30.0f);
    capture();
    {
        SurfaceRoutineScope frame(SurfaceRoutineId::DRACON);
    }
    const std::vector<std::string> lines = calls();
    ASSERT_GE(lines.size(), 12u);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 11);
    const std::vector<std::string> expected = {
        "kernelSetRoutineName 2 \"krDrawGriddedContourMap(DRACON)\"",
        "kernelEnquireLibraryOpen 3 -> 0",
        "kernelSetLibraryOpen 3 1",
        "kernelEnquireTextAttributes -> 0 6 9 -1 0 30",
        "kernelSetTextMode 1",
        "kernelEnquireTextAttributes -> 4 6 9 -1 0 30",
        "kernelSetCharAngle 0",
        "kernelEnquireTextJustification -> -1",
        "kernelEnquireLineAttributes 0 -> 1 0 1 0 1 0",
        "kernelSetLineStyle 0",
        "kernelSetSetting21 1",
    };
    EXPECT_EQ(head, expected);
    // The defaults come after the 16 table entries and measure "8" in the library's text
    // conditions (angle 0, text mode 1).
    const std::vector<std::string> measure = only(lines, "kernelEnquireTextExtent");
    ASSERT_EQ(measure.size(), 1u);
    EXPECT_EQ(measure[0], "kernelEnquireTextExtent \"8\" -> 6 1 9 9 1");
    EXPECT_EQ(lines[11 + 16], "kernelEnquireRealSetting 2 -> 3.40282e+38");
    EXPECT_EQ(surfaceState.digitWidth, 6.0f);
    EXPECT_EQ(surfaceState.charHeight, 9.0f);
    // and the caller's angle is back afterwards
    KernelSnapshot after = KernelSnapshot::take();
    EXPECT_EQ(after.angle, 30.0f);
    EXPECT_EQ(after.mode, 0);
}

TEST_F(RoutineFrameTest, DrawingRoutineEntryAndExitCalls)
{
    CIRPTS(5);  // the library is open and the defaults are written
    const CallerState& c = kCallerStates[1];
    applyCallerState(c);
    capture();
    {
        SurfaceRoutineScope frame(SurfaceRoutineId::ADDCON);
    }
    const std::vector<std::string> lines = calls();
    std::vector<std::string> expected = {
        "kernelSetRoutineName 2 \"krAddGriddedContour(ADDCON)\"",
        "kernelEnquireLibraryOpen 3 -> 1",
        "kernelEnquireTextAttributes -> 4 12 18 -1 0 30",
        "kernelSetCharAngle 0",
        "kernelEnquireTextJustification -> 1",
        "kernelSetTextJustification -1",
        "kernelEnquireLineAttributes 0 -> 1 -1 3 0 1 0",
        "kernelEnquireDashPattern -> 5 2 1 2",
        "kernelSetLineStyle 0",
        "kernelSetSetting21 1",
    };
    for (const std::string& l : tableEnquiries(c.firstTableValues)) expected.push_back(l);
    expected.push_back("kernelEnquireLineAttributes 0 -> 1 0 3 0 1 0");
    expected.push_back("kernelSetCharSize 12 18");
    expected.push_back("kernelSetCharAngle 30");
    expected.push_back("kernelSetTextMode 1");
    expected.push_back("kernelSetTextJustification 1");
    expected.push_back("kernelSetDashPattern 5 2 1 2");
    expected.push_back("kernelSetColour 3");
    for (int i = 1; i <= 16; ++i) {
        const int a = i <= 3 ? c.firstTableValues[i - 1] : 0;
        const int inside = a > 0 ? -a : a;
        const std::string rest = i <= 3 ? std::to_string(9 + i) + " 20 30" : "0 0 0";
        expected.push_back("kernelEnquireTableEntry " + std::to_string(i) + " -> " +
                           std::to_string(inside) + " " + rest);
        expected.push_back("kernelSetTableEntry " + std::to_string(i) + " " + std::to_string(a) +
                           " " + rest);
    }
    expected.push_back("kernelSetRoutineName 2 \"      \"");
    EXPECT_EQ(lines, expected);
}

TEST_F(RoutineFrameTest, CallerKernelStateSurvivesEveryRoutine)
{
    CIRPTS(5);
    const SurfaceRoutineId routines[] = {SurfaceRoutineId::CONDEF, SurfaceRoutineId::DRACON};
    for (const CallerState& c : kCallerStates) {
        for (SurfaceRoutineId id : routines) {
            const bool drawing = surfaceRoutineEntry(id).drawFlag == 1;
            const std::string row = std::string(c.name) + (drawing ? " / drawing" : " / settings");
            applyCallerState(c);
            const KernelSnapshot before = KernelSnapshot::take();
            {
                SurfaceRoutineScope frame(id);
                const KernelSnapshot inside = KernelSnapshot::take();
                if (drawing) {
                    SCOPED_TRACE(row);
                    EXPECT_EQ(inside.style, 0);
                    EXPECT_EQ(inside.angle, 0.0f);
                    EXPECT_EQ(inside.justification, -1);
                    EXPECT_EQ(inside.mode, 4);
                    for (int i = 0; i < 3; ++i) {
                        const int a = c.firstTableValues[i];
                        EXPECT_EQ(inside.table[i][0], a > 0 ? -a : a);
                    }
                } else {
                    expectSame(before, inside, row + " inside");
                }
            }
            const KernelSnapshot after = KernelSnapshot::take();
            expectSame(before, after, row, drawing && c.font != -1);
        }
    }
}

TEST_F(RoutineFrameTest, ExitPutsBackOnlyTheFirstValueOfTableEntries)
{
    CIRPTS(5);
    kernelSetTableEntry(1, 3, 4, 5, 6);
    {
        SurfaceRoutineScope frame(SurfaceRoutineId::LINCON);
        kernelSetTableEntry(1, -3, 9, 8, 7);
    }
    int a = 0, b = 0, c = 0, d = 0;
    kernelEnquireTableEntry(1, a, b, c, d);
    EXPECT_EQ(std::vector<int>({a, b, c, d}), std::vector<int>({3, 9, 8, 7}));
}

TEST_F(RoutineFrameTest, FontIsReselectedByTheAngleThreshold)
{
    struct Row {
        float angle;
        const char* expected;  // the font call at exit, "" for none
    };
    const Row rows[] = {{5.0f, "kernelSetFont 7 0"}, {20.0f, "kernelSetFont 7 1"}, {10.0f, ""}};
    CIRPTS(5);
    tarv::setRealSetting(3, 1.0f);  // threshold 10 degrees
    for (const Row& r : rows) {
        kernelSetFont(7, 0);
        kernelSetCharAngle(r.angle);
        capture();
        {
            SurfaceRoutineScope frame(SurfaceRoutineId::CONGRD);
        }
        const std::vector<std::string> lines = calls();
        std::vector<std::string> expected;
        if (*r.expected) expected.push_back(r.expected);
        EXPECT_EQ(only(lines, "kernelSetFont"), expected) << r.angle;
        // size, angle and text mode are left to the font
        EXPECT_TRUE(only(lines, "kernelSetCharSize").empty());
        EXPECT_TRUE(only(lines, "kernelEnquireRealSetting 3").size() == 1);
    }
}

TEST_F(RoutineFrameTest, CharacterModeZeroSwitchesTextModeOnlyOnTheFirstDrawingAfterOpening)
{
    SURMOD(0);  // opens the library; the next drawing routine still switches
    auto entrySwitches = [this](SurfaceRoutineId id) {
        capture();
        {
            SurfaceRoutineScope frame(id);
        }
        std::vector<std::string> entry;
        for (const std::string& l : calls()) {
            if (l == "kernelSetSetting21 1") break;
            entry.push_back(l);
        }
        return only(entry, "kernelSetTextMode 1").size() == 1;
    };
    EXPECT_TRUE(entrySwitches(SurfaceRoutineId::DRACON));
    EXPECT_FALSE(entrySwitches(SurfaceRoutineId::DRACON));
    SUREND();
    CIRPTS(3);  // reopens
    EXPECT_TRUE(entrySwitches(SurfaceRoutineId::FILCON));
    EXPECT_FALSE(entrySwitches(SurfaceRoutineId::FILCON));
    SURMOD(1);
    EXPECT_TRUE(entrySwitches(SurfaceRoutineId::FILCON));
}

TEST_F(RoutineFrameTest, ErrorNumbersMoveAwayFromZeroByOneThousand)
{
    const int numbers[] = {5, -21, 0, 2147483000, -2147483000};
    const int expected[] = {1005, -1021, 1000, 2147483647, -2147483647 - 1};
    CIRPTS(5);
    tarv::errorLogClear();
    for (int n : numbers) surfaceReportError(n);
    EXPECT_EQ(reported(), std::vector<int>(std::begin(expected), std::end(expected)));
}

// The table of error numbers holds each number once, at the value the routines have always
// reported: callers test for these numbers, so a name must never drift from its number.
TEST_F(RoutineFrameTest, EveryErrorNumberIsNamedOnceAtItsValue)
{
    const std::pair<int, int> named[] = {{kNoBucketGrid, 1},
                                         {kPatchEnlarged, -1},
                                         {kTooFewPoints, 2},
                                         {kWorkspaceShort, 3},
                                         {kNoDrawingToAddTo, 4},
                                         {kTooFewNodes, 5},
                                         {kBadIntervalCount, 6},
                                         {kWindowBeyondData, -7},
                                         {kNoMap, 8},
                                         {kNegativePatch, -9},
                                         {kTextTooLong, -10},
                                         {kNegativeCount, -11},
                                         {kLabelTooWide, -12},
                                         {kDegenerateArea, 13},
                                         {kOneLevelBetweenLimits, -14},
                                         {kFlatXRange, 15},
                                         {kFlatYRange, 16},
                                         {kFlatData, 17},
                                         {kFlatHeights, -17},
                                         {kNoProjectedPicture, 18},
                                         {kNegativeValue, -19},
                                         {kFlatLimits, -20},
                                         {kBadSwitch, -21},
                                         {kNoDataPoints, -22},
                                         {kSingularFit, 23},
                                         {kSingularFitRetried, -23},
                                         {kFitOutsideBand, -24},
                                         {kNoPictureToAddTo, 25},
                                         {kOutsideWindow, 26},
                                         {kSamePoints, 27},
                                         {kLevelListFull, -28},
                                         {kBandTableFull, -29},
                                         {kOldLevelRoutine, -31},
                                         {kThinBand, 32},
                                         {kZeroStep, 34},
                                         {kZeroGridInterval, -34},
                                         {kBadElevation, -35},
                                         {kEyeOverGrid, 36},
                                         {kDistanceChanged, -36},
                                         {kOutlineFull, 37},
                                         {kPointsShort, -38},
                                         {kLinesShort, -39},
                                         {kStepUnusable, -42},
                                         {kOutsideLimits, -43},
                                         {kFormatTooNarrow, -44},
                                         {kBadLineSwitch, -45},
                                         {kClipped, -46},
                                         {kBadLabelWidth, -47},
                                         {kBadFrameType, -48},
                                         {kRatioZero, -49},
                                         {kLevelsCut, -50},
                                         {kProfileTooSmall, 61},
                                         {kTruncated, -61},
                                         {kFlatYExtent, 62},
                                         {kAxesRatioChanged, -62},
                                         {kHeightOutside, -63},
                                         {kBadLevelCount, -64},
                                         {kLevelsNotIncreasing, -65},
                                         {kLevelCountOutOfRange, 66},
                                         {kNoProjection, 67},
                                         {kTooFewNetworkPoints, 69},
                                         {kTriangleTableFull, 71},
                                         {kNetworkFitSingular, 72},
                                         {kFewNeighbours, -72},
                                         {kOutsideNetwork, -73},
                                         {kNoNetwork, 74},
                                         {kStepTooSmall, -75},
                                         {kDuplicatePoints, -76},
                                         {kClockwiseRegion, -78},
                                         {kNotSimpleRegion, 79},
                                         {kCollinear, 80},
                                         {kNotANumber, 81},
                                         {kMeasureFailed, 99}};
    std::set<int> seen;
    for (const auto& [name, number] : named) {
        EXPECT_EQ(name, number);
        EXPECT_TRUE(seen.insert(name).second) << name;
    }
}

TEST_F(RoutineFrameTest, ErrorsCarryTheRoutineName)
{
    CIRPTS(-5);
    ASSERT_EQ(tarv::errorLog().size(), 1u);
    EXPECT_EQ(tarv::errorLog()[0].number, asReported(kNegativePatch));
    EXPECT_EQ(tarv::errorLog()[0].routine, "krSetInterpolationPatch(CIRPTS)");
}

TEST_F(RoutineFrameTest, RoutineTableHoldsEveryLegacyRoutine)
{
    const std::set<std::string> drawing = {
        "ADDCON", "RANCON", "RANISO", "RANPER", "FUNCON", "FUNISO", "FUNPER", "GRDCON",
        "GRDISO", "DRACON", "FILCON", "ADDFIL", "LINCON", "CONGRD", "CRSSEC", "CONPTS",
        "ADTCON", "DRATRI", "FILTRI", "ADTFIL", "TRIBOU", "TRINET", "LINPRJ", "PERPRO",
        "ISOPRJ", "ISOFIL", "GRDPER", "PERPRJ", "PERLI3", "PERFIL", "COPPRJ", "PERAXE"};
    const std::set<std::string> bare = {"RANCON", "RANISO", "RANPER", "FUNCON", "FUNISO", "FUNPER",
                                        "GRDCON", "GRDISO", "ISOPRJ", "ISOFIL", "GRDPER", "PRJZAX"};
    EXPECT_EQ(kSurfaceRoutineCount, 82);
    std::set<std::string> names, flagged;
    for (int i = 0; i < kSurfaceRoutineCount; ++i) {
        const SurfaceRoutineEntry& e = surfaceRoutineEntry(static_cast<SurfaceRoutineId>(i));
        const std::string legacy = e.legacyName, text = e.nameText;
        names.insert(legacy);
        if (e.drawFlag == 1) flagged.insert(legacy);
        if (legacy == "SURF") {
            EXPECT_EQ(text, "SURF  ");
        } else if (bare.count(legacy)) {
            EXPECT_EQ(text, legacy);
        } else {
            EXPECT_EQ(text.substr(0, 2), "kr") << legacy;
            EXPECT_EQ(text.substr(text.size() - legacy.size() - 2), "(" + legacy + ")");
        }
    }
    EXPECT_EQ(names.size(), 82u);
    EXPECT_EQ(flagged, drawing);
}

TEST_F(RoutineFrameTest, OpenRegistersTheBareNameAndRunsTheDefaultsTwiceOnFirstUse)
{
    capture();
    krOpenSurf();
    const std::vector<std::string> lines = calls();
    EXPECT_EQ(lines.front(), "kernelSetRoutineName 2 \"SURF  \"");
    EXPECT_EQ(only(lines, "kernelEnquireRealSetting 2").size(), 2u);
}

TEST_F(RoutineFrameTest, CloseMarksTheLibraryClosedAndTheNextRoutineReopensIt)
{
    LEVELS(1.0f, 9.0f);
    capture();
    krCloseSurf();
    const std::vector<std::string> closeLines = calls();
    EXPECT_EQ(closeLines.front(), "kernelSetRoutineName 2 \"krCloseSurf(SUREND)\"");
    EXPECT_EQ(only(closeLines, "kernelSetLibraryOpen"),
              std::vector<std::string>({"kernelSetLibraryOpen 3 0"}));
    int open = 1;
    kernelEnquireLibraryOpen(3, open);
    EXPECT_EQ(open, 0);
    CIRPTS(4);
    kernelEnquireLibraryOpen(3, open);
    EXPECT_EQ(open, 1);
    // the state was kept
    EXPECT_EQ(surfaceState.contour.zHigh, 9.0f);
    EXPECT_TRUE(surfaceFlagOn(surfaceState.contour.limitsOn));
}
