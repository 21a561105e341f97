// Routine frame: the kernel calls of a first and a later call, first-use defaults, the
// save and restore of the caller's kernel state, error numbers, default axis positions.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "axes/scaling.h"
#include "frame/defaults.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "support/plot_fixture.h"

using namespace plotlib;

namespace {

using Lines = std::vector<std::string>;

class FrameTest : public PlotLibraryTest {};

// Everything of the kernel's text and line state that a caller can see.
struct KernelLook {
    int mode, font, fifth, justification, pen, style, colour, widthMode, reserved;
    float width, height, angle, x, y, lineWidth, dash[4];

    static KernelLook take()
    {
        KernelLook k{};
        kernelEnquireTextAttributes(k.mode, k.width, k.height, k.font, k.fifth, k.angle);
        kernelEnquireTextJustification(k.justification);
        float unused = 0.0f;
        kernelEnquireTextPosition(k.x, k.y, unused);
        kernelEnquireLineAttributes(0, k.pen, k.style, k.colour, k.lineWidth, k.widthMode,
                                    k.reserved);
        kernelEnquireDashPattern(k.dash[0], k.dash[1], k.dash[2], k.dash[3]);
        return k;
    }
    bool operator==(const KernelLook& o) const
    {
        return mode == o.mode && font == o.font && fifth == o.fifth &&
            justification == o.justification && pen == o.pen && style == o.style &&
            colour == o.colour && widthMode == o.widthMode && reserved == o.reserved &&
            width == o.width && height == o.height && angle == o.angle && x == o.x && y == o.y &&
            lineWidth == o.lineWidth && std::memcmp(dash, o.dash, sizeof dash) == 0;
    }
};

TEST_F(FrameTest, FirstCallOfTheProcessLearnsCharacterSizesThenWritesDefaults)
{
    AXISCA(1, 10, 0.0f, 1000.0f, 1);
    const Lines expected = {
        "kernelSetRoutineName 2 \"kpSetAxesScaling(AXISCA)\"",
        "kernelEnquireLibraryOpen 1 -> 0",
        "kernelEnquireTextAttributes -> 0 10 10 -1 0 0",
        "kernelSetLibraryOpen 1 1",
        "kernelEnquirePictureSpace 1 4 -> 0 [0 1000 0 750]",
        "kernelEnquireRealSetting 3 -> 1.17549e-38",
        "kernelEnquireIntegerSetting 4 -> 2147483647",
        "kernelSetRoutineName 2 \"      \"",
    };
    EXPECT_EQ(calls(), expected);
    EXPECT_TRUE(errors().empty());
}

TEST_F(FrameTest, FirstCallThatDrawsSavesStateBeforeTheDefaults)
{
    kernelSetCharAngle(30.0f);
    kernelSetTextJustification(1);
    startLog();
    AXISET();
    const Lines expected = {
        "kernelSetRoutineName 2 \"kpRestoreAxesSettings(AXISET)\"",
        "kernelEnquireLibraryOpen 1 -> 0",
        "kernelEnquireTextAttributes -> 0 10 10 -1 0 30",
        "kernelSetTextMode 1",
        "kernelEnquireTextAttributes -> 4 10 10 -1 0 30",
        "kernelEnquireLineAttributes 0 -> 1 0 1 0 1 0",
        "kernelEnquireTextPosition -> 0 0 0",
        "kernelEnquireTextJustification -> 1",
        "kernelSetTextJustification -1",
        "kernelSetCharAngle 0",
        "kernelSetLibraryOpen 1 1",
        "kernelEnquirePictureSpace 1 4 -> 0 [0 1000 0 750]",
        "kernelEnquireRealSetting 3 -> 1.17549e-38",
        "kernelEnquireIntegerSetting 4 -> 2147483647",
        "kernelSetCharSize 10 10",
        "kernelSetCharAngle 30",
        "kernelSetTextSetting196 0",
        "kernelSetTextMode 0",
        "kernelSetTextJustification 1",
        "kernelSetTextPosition 0 0",
        "kernelSetLineAttributes 0 1 0 1 0 1 0",
        "kernelSetRoutineName 2 \"      \"",
    };
    EXPECT_EQ(calls(), expected);
}

TEST_F(FrameTest, LaterDrawingCallSavesSwitchesAndRestoresAroundItsWork)
{
    firstCallDone();
    kernelSetTextPosition(12.0f, 34.0f);
    startLog();
    AXISET();
    const Lines expected = {
        "kernelSetRoutineName 2 \"kpRestoreAxesSettings(AXISET)\"",
        "kernelEnquireLibraryOpen 1 -> 1",
        "kernelEnquireTextAttributes -> 0 10 10 -1 0 0",
        "kernelSetTextMode 1",
        "kernelEnquireTextAttributes -> 4 10 10 -1 0 0",
        "kernelEnquireLineAttributes 0 -> 1 0 1 0 1 0",
        "kernelEnquireTextPosition -> 12 34 0",
        "kernelEnquireTextJustification -> -1",
        "kernelEnquirePictureSpace 1 4 -> 0 [0 1000 0 750]",
        "kernelSetCharSize 10 10",
        "kernelSetCharAngle 0",
        "kernelSetTextSetting196 0",
        "kernelSetTextMode 0",
        "kernelSetTextJustification -1",
        "kernelSetTextPosition 12 34",
        "kernelSetLineAttributes 0 1 0 1 0 1 0",
        "kernelSetRoutineName 2 \"      \"",
    };
    EXPECT_EQ(calls(), expected);
}

TEST_F(FrameTest, LaterSettingsCallTouchesNoDrawingState)
{
    firstCallDone();
    AXIPOS(1, 100.0f, 80.0f, 400.0f, 1);
    const Lines expected = {
        "kernelSetRoutineName 2 \"kpSetAxesPos(AXIPOS)\"",
        "kernelEnquireLibraryOpen 1 -> 1",
        "kernelEnquirePictureSpace 1 4 -> 0 [0 1000 0 750]",
        "kernelSetRoutineName 2 \"      \"",
    };
    EXPECT_EQ(calls(), expected);
}

TEST_F(FrameTest, FirstUseDefaultsComeFromTheKernelAtTheFirstCall)
{
    kernelSetPictureSpace(0.0f, 2000.0f, 100.0f, 1100.0f);
    kernelSetCharSize(20.0f, 15.0f);
    VECSET();
    const GraphLibraryState& s = graphState;
    EXPECT_FLOAT_EQ(graphAxis(1).originX, 180.0f);  // x1 + 9 cw
    EXPECT_FLOAT_EQ(graphAxis(1).originY, 175.0f);  // y1 + 5 ch
    EXPECT_FLOAT_EQ(graphAxis(1).length, 1740.0f);  // W - 13 cw
    EXPECT_FLOAT_EQ(graphAxis(2).length, 850.0f);   // H - 10 ch
    for (int n = 1; n <= 2; ++n) {
        const AxisSettings& a = graphAxis(n);
        EXPECT_EQ(a.positionType, 1);
        EXPECT_EQ(a.positioned, 0);
        EXPECT_EQ(a.scalingType, 3);
        EXPECT_EQ(a.intervalCount, 9);
        EXPECT_EQ(a.minimum, 1.0f);
        EXPECT_EQ(a.maximum, 10.0f);
        EXPECT_EQ(a.decimals, 2);
        EXPECT_EQ(a.digits, 40);
        EXPECT_EQ(a.attr4, -1);
        EXPECT_EQ(a.attr7, 2);
        EXPECT_EQ(a.intervalSetting, -1);
        EXPECT_EQ(a.dateWords[3], 2);
        EXPECT_EQ(a.dateUnit, 5);
    }
    EXPECT_EQ(s.graph.currentAxis, 1);
    EXPECT_EQ(s.graph.characterMode, 1);
    EXPECT_EQ(s.graph.gridMarker, 3);
    EXPECT_EQ(s.logFallback, -10.0f);
    EXPECT_FLOAT_EQ(s.pie.centreX, 1000.0f);
    EXPECT_FLOAT_EQ(s.pie.centreY, 600.0f);
    EXPECT_FLOAT_EQ(s.pie.radius, 375.0f);
    EXPECT_FLOAT_EQ(s.polar.radius, 375.0f);
    EXPECT_EQ(s.polar.mode, 3);
    EXPECT_EQ(s.pie.boxType, 3);
    EXPECT_EQ(s.pie.annotationMode, 2);
    EXPECT_EQ(s.pie.labelSwitch, 1);
    EXPECT_EQ(std::string(s.tags.tag[1], 30), "*." + std::string(28, ' '));
    EXPECT_EQ(s.tags.length[0], 2);
    EXPECT_EQ(s.vector.factor[2], 1.0f);
    EXPECT_EQ(s.dateFormat.separator2, '/');
    EXPECT_EQ(s.nice.threshold[1], 3.162278f);
    EXPECT_EQ(s.nice.step[4], 20.0f);
    EXPECT_GT(s.nice.tiny, 0.0f);
    EXPECT_NEAR(s.nice.digitCapacity, 9.3319, 1e-4);
}

TEST_F(FrameTest, RoutineTableHoldsEveryLegacyRoutineOnce)
{
    int count = 0;
    const GraphRoutineEntry* table = graphRoutineTable(count);
    ASSERT_EQ(count, 109);
    std::set<std::string> names;
    int perCode[4][2] = {};
    for (int i = 0; i < count; ++i) {
        const GraphRoutineEntry& e = table[i];
        names.insert(e.legacy);
        ASSERT_EQ(graphFindRoutine(e.legacy), &e) << e.legacy;
        ASSERT_TRUE(e.axisCode >= 1 && e.axisCode <= 3 && (e.drawFlag == 0 || e.drawFlag == 1));
        ++perCode[e.axisCode][e.drawFlag];
        const std::string message = e.message;
        const std::string suffix = "(" + std::string(e.legacy) + ")";
        const bool longForm = message.rfind("kp", 0) == 0 && message.size() > suffix.size() &&
            message.compare(message.size() - suffix.size(), suffix.size(), suffix) == 0;
        const bool bare = message.size() == 6 && message.find('(') == std::string::npos;
        EXPECT_TRUE(longForm || bare) << e.legacy << " " << message;
    }
    EXPECT_EQ(names.size(), 109u);
    EXPECT_EQ(perCode[1][0], 46);
    EXPECT_EQ(perCode[1][1], 21);
    EXPECT_EQ(perCode[2][0], 1);
    EXPECT_EQ(perCode[2][1], 4);
    EXPECT_EQ(perCode[3][0], 29);
    EXPECT_EQ(perCode[3][1], 8);
    EXPECT_EQ(graphFindRoutine("NOSUCH"), nullptr);

    struct Row {
        const char* legacy;
        int a, d;
        const char* message;
    };
    const Row rows[] = {
        {"BARGRA", 3, 0, "GRABAR"},
        {"HISGRA", 3, 0, "GRAHIS"},
        {"AXIINT", 1, 0, "AXIINT"},
        {"SEGSTR", 1, 1, "SEGSTR"},
        {"AXNENQ", 2, 0, "kpEnqAxesAnnotation(AXNENQ)"},
        {"CURFIN", 1, 0, "kpSetCurveEndContitions(CURFIN)"},
        {"VECBNQ", 1, 0, "kpEnqurireVectorChartFrame(VECBNQ)"},
        {"GRASYM", 3, 1, "kpAddGraphMarkers(GRASYM)"},
        {"TEXSYM", 1, 1, "kpDisplayMarkerColumn(TEXSYM)"},
        {"GRAFI2", 3, 0, "kpFillBetweenDatasets(GRAFI2)"},
    };
    for (const Row& r : rows) {
        const GraphRoutineEntry* e = graphFindRoutine(r.legacy);
        ASSERT_NE(e, nullptr) << r.legacy;
        EXPECT_EQ(e->axisCode, r.a) << r.legacy;
        EXPECT_EQ(e->drawFlag, r.d) << r.legacy;
        EXPECT_STREQ(e->message, r.message);
    }
}

// A drawing frame gives back whatever the caller had, even when the routine changed it.
TEST_F(FrameTest, DrawingFrameLeavesEveryCallerAttributeAsFound)
{
    struct CallerState {
        const char* what;
        int font;
        float angle;
        int justification;
        int style;  // -1: a user dash pattern
        int colour;
        float width;
        bool firstCall;
    };
    const CallerState cases[] = {
        {"defaults, first call", -1, 0.0f, -1, 0, 1, 0.0f, true},
        {"defaults, later call", -1, 0.0f, -1, 0, 1, 0.0f, false},
        {"turned text, centred", -1, 30.0f, 0, 0, 1, 0.0f, false},
        {"right justified, dashed style", -1, 0.0f, 1, 3, 4, 2.0f, false},
        {"user dash pattern, colour and width", -1, 0.0f, -1, -1, 5, 1.5f, false},
        {"font, turned", 2, 45.0f, 1, 0, 2, 0.5f, false},
        {"font, upright, user dashes", 2, 0.0f, 0, -1, 3, 0.0f, true},
    };
    for (const CallerState& c : cases) {
        SCOPED_TRACE(c.what);
        graphResetLibraryForTests();
        if (!c.firstCall) firstCallDone();
        kernelSetCharSize(12.0f, 14.0f);
        if (c.font != -1) kernelSetFont(c.font, c.angle != 0.0f ? 1 : 0);
        kernelSetCharAngle(c.angle);
        kernelSetTextJustification(c.justification);
        kernelSetTextPosition(321.0f, 123.0f);
        kernelSetLineAttributes(0, 1, c.style == -1 ? 0 : c.style, c.colour, c.width, 0, 0);
        if (c.style == -1) kernelSetDashPattern(5.0f, 2.0f, 1.0f, 2.0f);
        const KernelLook before = KernelLook::take();

        static const char name[] = "TEST";
        graphEnterRoutine(1, 1, name, 4);
        // What a drawing routine might change inside its frame.
        kernelSetCharSize(30.0f, 40.0f);
        kernelSetCharAngle(90.0f);
        kernelSetTextJustification(0);
        kernelMovePen(5.0f, 6.0f);
        kernelSetLineAttributes(0, 2, 4, 7, 3.0f, 0, 0);
        graphExitRoutine(1);

        const KernelLook after = KernelLook::take();
        EXPECT_TRUE(after == before);
        EXPECT_EQ(after.angle, before.angle);
        EXPECT_EQ(after.colour, before.colour);
        EXPECT_EQ(after.style, before.style);
        EXPECT_EQ(after.x, before.x);
    }
}

TEST_F(FrameTest, SettingsRoutinesLeaveTheCallerStateAlone)
{
    firstCallDone();
    kernelSetCharAngle(20.0f);
    kernelSetTextJustification(1);
    kernelSetTextPosition(7.0f, 8.0f);
    const KernelLook before = KernelLook::take();
    startLog();
    AXIPOS(1, 50.0f, 60.0f, 300.0f, 2);
    AXISCA(2, 5, -3.0f, 3.0f, 2);
    AXIINT(3, 1);
    VECSET();
    EXPECT_TRUE(KernelLook::take() == before);
    for (const std::string& line : calls())
        EXPECT_TRUE(line.rfind("kernelSetRoutineName", 0) == 0 ||
                    line.rfind("kernelEnquire", 0) == 0)
            << line;
}

TEST_F(FrameTest, ErrorsAreMovedOnceAndReportedUnderTheRoutineName)
{
    firstCallDone();
    AXIPOS(1, 0.0f, 0.0f, 0.0f, 1);  // warning -17
    AXISCA(4, 0, 0.0f, 100.0f, 2);   // error 14, the routine goes on
    const std::vector<tarv::ErrorRecord>& log = tarv::errorLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].number, -517);
    EXPECT_EQ(log[0].routine, "kpSetAxesPos(AXIPOS)");
    EXPECT_EQ(log[1].number, 514);
    EXPECT_EQ(log[1].routine, "kpSetAxesScaling(AXISCA)");
    EXPECT_EQ(calls().back(), "kernelSetRoutineName 2 \"      \"");

    startLog();
    const int numbers[] = {15, -11, 0, -20, 59};
    const char name[] = "kpPlotGraph(GRAPH)";
    graphEnterRoutine(1, 1, name, static_cast<int>(std::strlen(name)));
    for (int n : numbers) graphReportError(n);
    graphExitRoutine(1);
    EXPECT_EQ(errors(), (std::vector<int>{515, -511, 500, -520, 559}));
    for (const tarv::ErrorRecord& r : tarv::errorLog()) EXPECT_EQ(r.routine, name);
    EXPECT_EQ(calls().back(), "kernelSetRoutineName 2 \"      \"");
    EXPECT_EQ(callsOf("kernelSetLineAttributes").size(), 1u);  // the exit restored
}

TEST_F(FrameTest, RoutineFrameExitsOnAnEarlyReturn)
{
    firstCallDone();
    auto routine = [](bool fail) {
        GraphRoutineFrame frame("GRFTTL");
        if (fail) {
            graphReportError(kEmptyTitle);
            return;
        }
        kernelMovePen(1.0f, 1.0f);
    };
    routine(true);
    EXPECT_EQ(errors(), std::vector<int>{540});
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpDrawGraphTitle(GRFTTL)");
    EXPECT_EQ(calls().back(), "kernelSetRoutineName 2 \"      \"");
    EXPECT_EQ(callsOf("kernelSetTextPosition").size(), 1u);
}

TEST_F(FrameTest, DefaultAxisPositionsFollowThePlotAreaCallerPositionsStay)
{
    firstCallDone();
    AXIPOS(1, 100.0f, 120.0f, 500.0f, 2);
    kernelSetPictureSpace(0.0f, 2000.0f, 0.0f, 1500.0f);
    VECSET();
    EXPECT_FLOAT_EQ(graphAxis(1).originX, 90.0f);
    EXPECT_FLOAT_EQ(graphAxis(1).length, 1870.0f);
    EXPECT_EQ(graphAxis(1).positioned, 0);
    EXPECT_FLOAT_EQ(graphAxis(2).originX, 100.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).originY, 120.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).length, 500.0f);
    EXPECT_EQ(graphAxis(2).positioned, 1);
    EXPECT_FLOAT_EQ(graphState.pie.centreX, 1000.0f);
}

// A routine that maps through the axes must not use a transform of an axis that has since
// moved (plot area change) or been reset (AXISET).
TEST_F(FrameTest, AxesSetUpAgainAfterTheirDefaultPositionOrAxisetChanges)
{
    firstCallDone();
    auto mappedOrigin = [](float& kx, float& ky) {
        static const char name[] = "GRAPOL";
        graphEnterRoutine(3, 0, name, 6);
        graphToKernelCoords(1.0f, 1.0f, kx, ky);  // the default range starts at 1
        graphExitRoutine(0);
    };
    float kx = 0.0f, ky = 0.0f;
    mappedOrigin(kx, ky);
    EXPECT_FLOAT_EQ(kx, 90.0f);
    EXPECT_FLOAT_EQ(ky, 50.0f);

    kernelSetPictureSpace(200.0f, 1200.0f, 100.0f, 850.0f);
    mappedOrigin(kx, ky);
    EXPECT_FLOAT_EQ(kx, 290.0f);
    EXPECT_FLOAT_EQ(ky, 150.0f);

    AXIPOS(1, 10.0f, 20.0f, 300.0f, 1);
    AXISCA(3, 10, 0.0f, 10.0f, 1);
    mappedOrigin(kx, ky);
    EXPECT_FLOAT_EQ(kx, 40.0f);
    AXISET();
    mappedOrigin(kx, ky);
    EXPECT_FLOAT_EQ(kx, 290.0f);
    EXPECT_EQ(graphAxis(1).positioned, 0);
}

TEST_F(FrameTest, NothingMovesWhenThePlotAreaStays)
{
    firstCallDone();
    static const char name[] = "GRAPOL";
    graphEnterRoutine(3, 0, name, 6);
    graphExitRoutine(0);
    EXPECT_EQ(graphAxis(1).setUp, 1);
    EXPECT_EQ(graphAxis(2).setUp, 1);
    VECSET();
    EXPECT_EQ(graphAxis(1).setUp, 1);
    EXPECT_EQ(graphAxis(2).setUp, 1);
}

TEST_F(FrameTest, AxisCodeThreeSetsUpYThenXAndEndsOnX)
{
    firstCallDone();
    AXISCA(3, 5, 0.0f, 50.0f, 2);
    EXPECT_EQ(graphState.graph.currentAxis, 2);
    static const char name[] = "GRAPOL";
    graphEnterRoutine(3, 0, name, 6);
    EXPECT_EQ(graphState.graph.currentAxis, 1);
    EXPECT_FLOAT_EQ(graphTransform(2).tickSpacing, 650.0f / 5.0f);
    EXPECT_FLOAT_EQ(graphTransform(1).tickSpacing, 870.0f / 9.0f);
    graphExitRoutine(0);
}

TEST_F(FrameTest, CellCountOfTypeFiveComesBackAtExitOnlyOnce)
{
    firstCallDone();
    AXISCA(5, 4, 1.0f, 4.0f, 1);
    static const char name[] = "GRAPOL";
    graphEnterRoutine(3, 0, name, 6);
    EXPECT_EQ(graphAxis(1).intervalCount, 3);
    graphSetUpAxis();  // a second set-up in the same routine
    EXPECT_EQ(graphAxis(1).intervalCount, 3);
    graphExitRoutine(0);
    EXPECT_EQ(graphAxis(1).intervalCount, 4);
    EXPECT_EQ(graphAxis(1).countReduced, 0);
}

TEST_F(FrameTest, AxesThatDoNotFitWarnAtEveryCall)
{
    kernelSetPictureSpace(0.0f, 100.0f, 0.0f, 80.0f);
    VECSET();
    EXPECT_EQ(errors(), (std::vector<int>{-511, -512}));
    EXPECT_FLOAT_EQ(graphAxis(1).originX, 20.0f);
    EXPECT_FLOAT_EQ(graphAxis(1).length, 71.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).originY, 8.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).length, 65.0f);
    startLog();
    VECSET();
    EXPECT_EQ(errors(), (std::vector<int>{-511, -512}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpRestoreVectorSettings(VECSET)");
}

TEST_F(FrameTest, RestoreRoutinesPutSettingsBack)
{
    firstCallDone();
    graphState.graph.plotFrameSwitch = 1;
    const float frame[4] = {100.0f, 300.0f, 100.0f, 200.0f};
    std::memcpy(graphState.graph.plotFrame, frame, sizeof frame);
    graphState.pie.startAngle = 90.0f;
    graphState.pie.exploded[49] = 1;
    graphState.pie.frameSwitch = 1;
    graphState.vector.mode = 1;
    graphState.vector.factor[2] = 3.0f;
    AXIINT(7, 1);
    PIESET();
    EXPECT_EQ(graphState.graph.plotFrameSwitch, 0);
    EXPECT_FLOAT_EQ(graphState.pie.centreX, 500.0f);  // picture space, not the frame
    EXPECT_EQ(graphState.pie.startAngle, 0.0f);
    EXPECT_EQ(graphState.pie.exploded[49], 0);
    EXPECT_EQ(graphState.pie.frameSwitch, 0);
    VECSET();
    EXPECT_EQ(graphState.vector.mode, 0);
    EXPECT_EQ(graphState.vector.factor[2], 1.0f);
    graphState.graph.plotFrameSwitch = 1;
    AXISET();
    EXPECT_EQ(graphState.graph.plotFrameSwitch, 0);
    EXPECT_EQ(graphAxis(1).intervalSetting, -1);
    EXPECT_FLOAT_EQ(graphAxis(1).originX, 90.0f);
}

}  // namespace
