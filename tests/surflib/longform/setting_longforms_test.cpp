// Tests of the long forms of the contour settings: symbolic codes, pen pairs and records
// reach the legacy routines as their legacy values.
#include <string>
#include <vector>

#include "longform/codes.h"
#include "surface_test.h"
#include "tterrlib.h"

using namespace surflib;

class SettingLongFormsTest : public SurfaceTest {
protected:
    void SetUp() override
    {
        SurfaceTest::SetUp();
        SURF();
        tarv::errorLogClear();
    }
};

TEST_F(SettingLongFormsTest, PenPairRules)
{
    struct Row {
        int a, b, ruleA, ruleB;
    };
    const Row rows[] = {
        {0, 5, 5, 5},
        {3, 0, 1003, 2003},
        {3, 4, 2004, 1004},
        {-1, 7, -1, -1},
        {3, -2, -1, -1},
        {0, -4, -4, -4},
        {2147483000, 0, 2147483647, 2147483647},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(surfacePenPairRuleA(r.a, r.b), r.ruleA) << r.a << " " << r.b;
        EXPECT_EQ(surfacePenPairRuleB(r.a, r.b), r.ruleB) << r.a << " " << r.b;
    }
}

TEST_F(SettingLongFormsTest, CodesBecomeLegacyValues)
{
    const ContourSettings& c = surfaceState.contour;
    struct Row {
        int code;
        int legacy;
    };
    for (const Row& r : std::vector<Row>{{32489, -1}, {32490, 0}, {0, 0}, {1, -1}, {5, 0}}) {
        krSetContourAnnotation(0, 10.0f, 0.0f, 0, 0, 0, 0, r.code);
        EXPECT_EQ(c.labelAlongLine, r.legacy) << r.code;
    }
    for (const Row& r : std::vector<Row>{{0, 0}, {32767, 1}, {32471, 2}, {1, 1}}) {
        krSetRandomInterpolation(r.code, 1.0f);
        EXPECT_EQ(c.randomMethod, r.legacy) << r.code;
    }
    for (const Row& r : std::vector<Row>{{0, 0}, {32488, 0}, {32762, 1}, {32499, 2}, {2, 2}}) {
        krSetContourMapFrameType(r.code);
        EXPECT_EQ(c.mapFrameType, r.legacy) << r.code;
    }
    for (const Row& r : std::vector<Row>{{32477, 0}, {32476, 1}, {32475, 2}, {32474, 3}, {2, 2}}) {
        krSetCrossSectionFrameType(r.code);
        EXPECT_EQ(c.crossSectionFrameType, r.legacy) << r.code;
    }
    for (const Row& r : std::vector<Row>{{32761, 0}, {2, 1}, {0, 0}, {1, 1}}) {
        krSetSurfCharMode(r.code);
        EXPECT_EQ(c.charMode, r.legacy) << r.code;
    }
    EXPECT_TRUE(reported().empty());
    // a code of no row passes unchanged, and the legacy routine reports it under its name
    krSetContourMapFrameType(32489);
    krSetSurfCharMode(32762);
    ASSERT_EQ(reported(), std::vector<int>({-1048, -1021}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "krSetContourMapFrameType(CONFRA)");
    EXPECT_EQ(tarv::errorLog()[1].routine, "krSetSurfCharMode(SURMOD)");
}

TEST_F(SettingLongFormsTest, FrameScaleKindFromThePairOfCodes)
{
    const ContourSettings& c = surfaceState.contour;
    struct Row {
        int first, second, firstKind, secondKind;
    };
    const Row rows[] = {
        {32486, 32484, -1, 0},   // kind 0
        {32485, 32484, 0, 0},    // kind 1
        {32486, 32483, -1, -1},  // kind 2
        {32485, 32483, 0, -1},   // kind 3
        {32485, 0, -1, 0},       // any other pair: kind 0
        {1, 3, -1, 0},
    };
    for (const Row& r : rows) {
        krSetContourMapFrameScale(1.0f, 2.0f, 3.0f, r.first, r.second);
        EXPECT_EQ(c.frameScaleFirstKind, r.firstKind) << r.first << " " << r.second;
        EXPECT_EQ(c.frameScaleSecondKind, r.secondKind) << r.first << " " << r.second;
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(SettingLongFormsTest, PointMarkerRemembersThePreviousCall)
{
    const ContourSettings& c = surfaceState.contour;
    struct Row {
        int code, symbol, marker;
    };
    const Row rows[] = {{99, 4, 0}, {32464, 5, -5}, {99, 7, -5},  {32765, 3, 3},
                        {12, 1, 3}, {0, 9, 0},      {32765, 6, 6}};
    for (const Row& r : rows) {
        krSetRandomPointMarker(r.code, r.symbol);
        EXPECT_EQ(c.pointMarker, r.marker) << r.code << " " << r.symbol;
    }
    krOpenSurf();  // the memory lives outside the library state
    krSetRandomPointMarker(1, 1);
    EXPECT_EQ(c.pointMarker, 6);
}

TEST_F(SettingLongFormsTest, TitleSelectors)
{
    const SurfaceTitles& t = surfaceState.titles;
    struct Row {
        int code, index, mode;
    };
    const Row rows[] = {{3, 3, 0},     {32491, 7, 0}, {12, 7, 0},    {-1, 7, 0},
                        {32494, 4, 0}, {32493, 5, 0}, {32492, 6, 0}, {0, 1, 0}};
    for (const Row& r : rows) {
        SURF();
        krSetSurfaceAxesTitle(r.code, "Depth", 5);
        EXPECT_EQ(std::string(t.titles[r.index - 1], t.lengths[r.index - 1]),
                  r.code == 0 ? "X axis" : "Depth")
            << r.code;
        EXPECT_EQ(t.titleMode, r.mode) << r.code;
    }
    krSetSurfaceAxesTitle(32496, "x", 1);
    EXPECT_EQ(t.titleMode, 2);
    krSetSurfaceAxesTitle(32495, "x", 1);
    EXPECT_EQ(t.titleMode, 1);
}

TEST_F(SettingLongFormsTest, RecordsAndPenPairsAreUnpacked)
{
    const ContourSettings& c = surfaceState.contour;
    krSetContourMapFrame(SurfaceExtent{10, 0, 5, -5});
    EXPECT_EQ(std::vector<float>(c.mapFrame, c.mapFrame + 4), std::vector<float>({0, 10, -5, 5}));
    krSetCrossSectionFrame(SurfaceExtent{0, 3, 1, 2});
    EXPECT_EQ(c.crossSectionFrameSet, -1);
    krSetContourMapLineStyles(1, 2, 3, 4, 5);
    EXPECT_EQ(std::vector<int>({c.framePen, c.linePen, c.majorLinePen, c.majorLineEvery}),
              std::vector<int>({1, 2, 2004, 5}));
    krSetContourMapLineStyles(1, 2, 3, 0, 5);
    EXPECT_EQ(c.majorLinePen, 1003);
    EXPECT_TRUE(reported().empty());
    krSetContourMapLineStyles(1, 2, -1, 7, 5);  // not drawn: CONLIN takes |-1| with a warning
    EXPECT_EQ(reported(), std::vector<int>({-1019}));
    EXPECT_EQ(c.majorLinePen, 1);

    static const float heights[3] = {1, 2, 3};
    krSetContourLevels(3, heights);
    EXPECT_EQ(surfaceState.levels.count, 3);
    krSetContourLimits(4, 2);
    EXPECT_EQ(c.zLow, 2.0f);
    krSetInterpolationPatch(9);
    EXPECT_EQ(c.patchPoints, 9);
    krSetContourDrawingSwitch(0);
    EXPECT_EQ(c.fillLinesSwitch, 0);
    krSetSurfPlotTitle("Title ", 6);
    EXPECT_EQ(c.titleLength, 5);
}
