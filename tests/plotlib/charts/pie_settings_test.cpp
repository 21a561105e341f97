// Pie chart settings: start angle, annotation, boxes, outline switch, exploded segments, the
// pie frame, their enquiries and PIESET.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/plot_fixture.h"

namespace {

class PieSettingsTest : public PlotLibraryTest {
protected:
    static std::vector<std::string> routinesReported()
    {
        std::vector<std::string> names;
        for (const tarv::ErrorRecord& r : tarv::errorLog()) names.push_back(r.routine);
        return names;
    }
    static float startAngle()
    {
        float r = 0, x = 0, y = 0, a = 0;
        PIEENQ(r, x, y, a);
        return a;
    }
};

TEST_F(PieSettingsTest, StartAngleIsKeptWithinOneTurn)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float given, stored;
    } cases[] = {{-30.0f, 330.0f}, {725.0f, 5.0f}, {360.0f, 0.0f}, {-360.0f, 0.0f},
                 {45.5f, 45.5f},   {-1e-8f, 0.0f}, {nan, 0.0f},    {1e30f, 0.0f}};
    for (const auto& c : cases) {
        PIEANG(c.given);
        const float a = startAngle();
        EXPECT_GE(a, 0.0f) << c.given;
        EXPECT_LT(a, 360.0f) << c.given;
        EXPECT_FALSE(std::signbit(a)) << c.given;  // no "-0" for a whole negative turn
        if (c.given != 1e30f) { EXPECT_NEAR(a, c.stored, 1e-4f) << c.given; }
    }
    EXPECT_TRUE(errors().empty());
}

TEST_F(PieSettingsTest, AnnotationSwitchesAndThreshold)
{
    PIEANN(3, 1, 2, -1, 150.0f);
    int mode = 0, label = 0, percent = 0, value = 0;
    float threshold = 0;
    PIAENQ(mode, label, percent, value, threshold);
    EXPECT_EQ(mode, 3);
    EXPECT_EQ(label, 1);
    EXPECT_EQ(percent, 0);  // only 1 switches on
    EXPECT_EQ(value, 0);
    EXPECT_FLOAT_EQ(threshold, 100.0f);
    EXPECT_TRUE(errors().empty());

    // A bad mode falls back to 2 and the other arguments are still stored.
    PIEANN(4, 0, 1, 1, -5.0f);
    PIAENQ(mode, label, percent, value, threshold);
    EXPECT_EQ(errors(), (std::vector<int>{-549}));
    EXPECT_EQ(routinesReported()[0], "kpSetPieChartAnnotation(PIEANN)");
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(label, 0);
    EXPECT_EQ(percent, 1);
    EXPECT_EQ(value, 1);
    EXPECT_FLOAT_EQ(threshold, 0.0f);
}

TEST_F(PieSettingsTest, BoxTypeFillStyleAndPen)
{
    PIEBOX(2, 5, -7);
    EXPECT_EQ(graphState.pie.boxType, 2);
    EXPECT_EQ(graphState.pie.boxFillStyle, 5);
    EXPECT_EQ(graphState.pie.boxPen, 7);
    EXPECT_TRUE(errors().empty());
    PIEBOX(-1, -3, std::numeric_limits<int>::min());
    EXPECT_EQ(errors(), (std::vector<int>{-551}));
    EXPECT_EQ(graphState.pie.boxType, 3);
    EXPECT_EQ(graphState.pie.boxFillStyle, -3);
    EXPECT_GT(graphState.pie.boxPen, 0);
    PIEBSW(-1);
    EXPECT_EQ(graphState.pie.boundSwitch, -1);
}

TEST_F(PieSettingsTest, ExplosionTableIsReplacedByEveryCall)
{
    const int numbers[5] = {2, 0, 51, 7, 2};
    const float distances[5] = {0.1f, 0.3f, 0.3f, -0.5f, -0.000005f};
    PIEEXP(numbers, distances, 5);
    // Only the bad entries are skipped; a later entry for segment 2 overwrites the first.
    EXPECT_EQ(errors(), (std::vector<int>{-523, -523, -524}));
    const PieSettings& p = graphState.pie;
    EXPECT_EQ(p.explosionSwitch, 1);
    EXPECT_EQ(p.exploded[1], 1);
    EXPECT_FLOAT_EQ(p.distance[1], 0.000005f);
    EXPECT_EQ(p.exploded[6], 1);
    EXPECT_FLOAT_EQ(p.distance[6], 0.5f);
    int flagged = 0;
    for (int k = 0; k < 50; ++k) flagged += p.exploded[k];
    EXPECT_EQ(flagged, 2);

    // Count 0 clears without a report; a count past the table reports 522 and clears.
    for (int count : {0, 51, -1}) {
        PIEEXP(numbers, distances, 5);
        startLog();
        PIEEXP(numbers, distances, count);
        EXPECT_EQ(errors(), count == 0 ? std::vector<int>{} : std::vector<int>{522}) << count;
        EXPECT_EQ(p.explosionSwitch, 0);
        for (int k = 0; k < 50; ++k) {
            EXPECT_EQ(p.exploded[k], 0);
            EXPECT_EQ(p.distance[k], 0.0f);
        }
    }
    // The caller's arrays are left as they were.
    EXPECT_EQ(numbers[2], 51);
    EXPECT_EQ(distances[3], -0.5f);
}

TEST_F(PieSettingsTest, FrameAndEnquiry)
{
    // Without a frame the pie follows the plot area: the picture space, then a plot frame.
    float r = 0, x = 0, y = 0, a = 0;
    PIEENQ(r, x, y, a);
    EXPECT_FLOAT_EQ(r, 0.375f * 750.0f);
    EXPECT_FLOAT_EQ(x, 500.0f);
    EXPECT_FLOAT_EQ(y, 375.0f);
    GRFBND(0.0f, 400.0f, 100.0f, 300.0f);
    PIEENQ(r, x, y, a);
    EXPECT_FLOAT_EQ(r, 75.0f);
    EXPECT_FLOAT_EQ(x, 200.0f);
    EXPECT_FLOAT_EQ(y, 200.0f);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float radius;
        std::vector<int> reported;
        float stored;
    } cases[] = {{50.0f, {}, 50.0f},
                 {-60.0f, {-531}, 60.0f},
                 {0.0f, {-530}, 75.0f},
                 {nan, {-530}, 75.0f},
                 {std::numeric_limits<float>::infinity(), {-530}, 75.0f}};
    for (const auto& c : cases) {
        startLog();
        PIEPAP(c.radius, 10.0f, 20.0f);
        EXPECT_EQ(errors(), c.reported) << c.radius;
        EXPECT_EQ(graphState.pie.frameSwitch, 1);
        PIEENQ(r, x, y, a);
        EXPECT_FLOAT_EQ(r, c.stored) << c.radius;
        EXPECT_FLOAT_EQ(x, 10.0f);
        EXPECT_FLOAT_EQ(y, 20.0f);
    }
    // A set frame stays when the plot area changes.
    GRFBND(0.0f, 1000.0f, 0.0f, 750.0f);
    PIEENQ(r, x, y, a);
    EXPECT_FLOAT_EQ(x, 10.0f);
}

TEST_F(PieSettingsTest, RestoreGivesTheFirstUseValues)
{
    GRFBND(0.0f, 400.0f, 0.0f, 400.0f);
    PIEPAP(40.0f, 1.0f, 2.0f);
    PIEANG(90.0f);
    const int numbers[1] = {3};
    const float distances[1] = {0.2f};
    PIEEXP(numbers, distances, 1);
    PIEBOX(1, 4, 5);
    PIEBSW(-1);
    PIEANN(1, 0, 1, 1, 10.0f);
    PIESET();
    const PieSettings& p = graphState.pie;
    EXPECT_EQ(graphState.graph.plotFrameSwitch, 0);
    EXPECT_EQ(p.frameSwitch, 0);
    EXPECT_FLOAT_EQ(p.radius, 281.25f);
    EXPECT_FLOAT_EQ(p.centreX, 500.0f);
    EXPECT_FLOAT_EQ(p.startAngle, 0.0f);
    EXPECT_EQ(p.explosionSwitch, 0);
    EXPECT_EQ(p.exploded[2], 0);
    EXPECT_EQ(p.distance[2], 0.0f);
    EXPECT_EQ(p.boxType, 3);
    EXPECT_EQ(p.boxFillStyle, -1);
    EXPECT_EQ(p.boxPen, 0);
    EXPECT_EQ(p.boundSwitch, 0);
    int mode = 0, label = 0, percent = 0, value = 0;
    float threshold = 1;
    PIAENQ(mode, label, percent, value, threshold);
    EXPECT_EQ(std::vector<int>({mode, label, percent, value}), std::vector<int>({2, 1, 0, 0}));
    EXPECT_EQ(threshold, 0.0f);
    EXPECT_TRUE(errors().empty());
    // The settings routines draw nothing.
    for (const std::string& line : calls())
        EXPECT_EQ(line.find("kernelDraw"), std::string::npos) << line;
}

}  // namespace
