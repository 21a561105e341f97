// Axis positions, scaling and set-up: AXISCA / AXIPOS / AXIINT cases through both interval
// modes, reversed axes, equal limits, logarithmic axes and their substitutes, cell-centred
// axes, and the minor-tick layout.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

#include "axes/scaling.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "support/plot_fixture.h"

using namespace plotlib;

namespace {

class ScalingTest : public PlotLibraryTest {
protected:
    // Sets up the current axis inside a routine frame and keeps a copy of what the set-up
    // left before the exit gives a type-5 interval back.
    void setUpCurrentAxis(AxisSettings& settings, AxisTransform& transform)
    {
        static const char name[] = "TEST";
        graphEnterRoutine(2, 0, name, 4);
        settings = graphAxis(graphState.graph.currentAxis);
        transform = graphTransform(graphState.graph.currentAxis);
        graphExitRoutine(0);
    }
};

struct ScalingCase {
    const char* what;
    int type, count;
    float minimum, maximum;
    int axis, digits;
    std::vector<int> reports;
    float outMinimum, outMaximum;
    int outCount;
    float step, labelStart, labelStep;
    int exponent, decimals, width;
};

TEST_F(ScalingTest, SetUpGivesRangeStepsAndLabels)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // One case a row, laid out by hand.
    // clang-format off
    const ScalingCase cases[] = {
        {"nice steps, numbers in full", 1, 10, 0.0f, 1000.0f, 1, 40, {},
         0.0f, 1000.0f, 10, 100.0f, 0.0f, 100.0f, 0, 0, 4},
        {"nice steps, exponent taken out", 1, 10, 0.0f, 1e6f, 1, 40, {},
         0.0f, 1e6f, 10, 1e5f, 0.0f, 1.0f, 5, 0, 2},
        {"exponent in multiples of three", 1, 10, 0.0f, 1e6f, 1, 41, {},
         0.0f, 1e6f, 10, 1e5f, 0.0f, 100.0f, 3, 0, 4},
        {"fixed exponent 0", 1, 10, 0.0f, 1e6f, 1, 0, {},
         0.0f, 1e6f, 10, 1e5f, 0.0f, 1e5f, 0, 0, 7},
        {"tenths give exactly ten intervals", 1, 10, 0.0f, 1.0f, 1, 40, {},
         0.0f, 1.0f, 10, 0.1f, 0.0f, 0.1f, 0, 1, 4},
        {"mode 1 widens outward", 1, 4, 0.3f, 9.2f, 2, 40, {},
         0.0f, 10.0f, 5, 2.0f, 0.0f, 2.0f, 0, 0, 2},
        {"mode 2 keeps the count and centres", 2, 3, 0.0f, 7.0f, 1, 40, {},
         0.0f, 15.0f, 3, 5.0f, 0.0f, 5.0f, 0, 0, 2},
        {"mode 2 centring moves the start down", 2, 8, 2.0f, 7.0f, 1, 40, {},
         1.0f, 9.0f, 8, 1.0f, 1.0f, 1.0f, 0, 0, 2},
        {"reversed", 1, 10, 1000.0f, 0.0f, 1, 40, {},
         1000.0f, 0.0f, 10, -100.0f, 1000.0f, -100.0f, 0, 0, 4},
        {"reversed negative range", 2, 5, -1.0f, -6.0f, 2, 40, {},
         -1.0f, -6.0f, 5, -1.0f, -1.0f, -1.0f, 0, 0, 3},
        {"equal limits widened", 3, 9, 5.0f, 5.0f, 1, 40, {-520},
         0.0f, 9.5f, 9, 9.5f / 9.0f, 0.0f, 9.5f / 9.0f, 0, 2, 5},
        {"by count", 3, 4, 0.0f, 0.002f, 1, 40, {},
         0.0f, 0.002f, 4, 0.0005f, 0.0f, 5.0f, -4, 0, 6},
        {"type out of range, count below 1", 7, 0, 0.0f, 10.0f, 1, 40, {-518, -519},
         0.0f, 10.0f, 9, 10.0f / 9.0f, 0.0f, 10.0f / 9.0f, 0, 2, 6},
        {"count beyond any picture", 3, 2147483647, 0.0f, 10.0f, 1, 40, {-519},
         0.0f, 10.0f, 9, 10.0f / 9.0f, 0.0f, 10.0f / 9.0f, 0, 2, 6},
        {"small count runs past the step table", 2, 1, 1.9f, 2.1f, 1, 40, {},
         0.0f, 5.0f, 1, 5.0f, 0.0f, 5.0f, 0, 0, 2},
        {"small count past the table, second case", 2, 1, 95.0f, 104.9f, 2, 40, {},
         0.0f, 200.0f, 1, 200.0f, 0.0f, 200.0f, 0, 0, 3},
        {"one interval cannot hold both signs", 2, 1, -1.0f, 1.0f, 1, 40, {},
         -2.0f, 2.0f, 2, 2.0f, -2.0f, 2.0f, 0, 0, 3},
        {"not a number: default range", 3, 9, nan, 5.0f, 1, 40, {-520},
         1.0f, 10.0f, 9, 1.0f, 1.0f, 1.0f, 0, 0, 3},
    };
    // clang-format on
    for (const ScalingCase& c : cases) {
        SCOPED_TRACE(c.what);
        graphResetLibraryForTests();
        firstCallDone();
        graphAxis(c.axis).digits = c.digits;
        AXISCA(c.type, c.count, c.minimum, c.maximum, c.axis);
        EXPECT_EQ(errors(), c.reports);
        AxisSettings a{};
        AxisTransform t{};
        setUpCurrentAxis(a, t);
        EXPECT_FLOAT_EQ(a.minimum, c.outMinimum);
        EXPECT_FLOAT_EQ(a.maximum, c.outMaximum);
        EXPECT_EQ(a.intervalCount, c.outCount);
        EXPECT_FLOAT_EQ(a.step, c.step);
        EXPECT_NEAR(t.labelStart, c.labelStart, 1e-5);
        EXPECT_FLOAT_EQ(t.labelStep, c.labelStep);
        EXPECT_EQ(t.labelExponent, c.exponent);
        EXPECT_EQ(t.labelDecimals, c.decimals);
        EXPECT_EQ(t.labelWidth, c.width);
        EXPECT_EQ(t.tickCount, c.outCount + 1);
        const float length = c.axis == 1 ? 870.0f : 650.0f;
        EXPECT_FLOAT_EQ(t.tickSpacing, length / c.outCount);

        // The set-up wrote back the widened range: doing it again changes nothing.
        graphAxis(c.axis).setUp = 0;
        AxisSettings again{};
        AxisTransform t2{};
        setUpCurrentAxis(again, t2);
        EXPECT_EQ(again.minimum, a.minimum);
        EXPECT_EQ(again.maximum, a.maximum);
        EXPECT_EQ(again.intervalCount, a.intervalCount);
        EXPECT_EQ(t2.labelStart, t.labelStart);
        EXPECT_EQ(t2.scale, t.scale);
    }
}

struct LogCase {
    const char* what;
    float minimum, maximum;
    int axis;
    std::vector<int> reports;
    float outMinimum, outMaximum;
    int outCount;
    float low, labelStep;
    int width;
};

TEST_F(ScalingTest, LogarithmicAxesTakeWholeDecadesAndSubstitutes)
{
    const LogCase cases[] = {
        {"decades around the range", 2.0f, 300.0f, 1, {}, 1.0f, 1000.0f, 3, 0.0f, 1.0f, 2},
        {"zero minimum on x", 0.0f, 100.0f, 1, {513}, 0.01f, 100.0f, 4, -2.0f, 1.0f, 2},
        {"zero minimum on y", 0.0f, 100.0f, 2, {514}, 0.01f, 100.0f, 4, -2.0f, 1.0f, 2},
        {"zero maximum, reversed", 100.0f, 0.0f, 1, {513}, 100.0f, 0.01f, 4, 2.0f, -1.0f, 2},
        {"equal limits", 10.0f, 10.0f, 1, {-520}, 1.0f, 100.0f, 2, 0.0f, 1.0f, 2},
        {"one decade at least", 20.0f, 30.0f, 1, {}, 10.0f, 100.0f, 1, 1.0f, 1.0f, 2},
        {"large exponents widen the numbers",
         1e-12f,
         1e15f,
         2,
         {},
         1e-12f,
         1e15f,
         27,
         -12.0f,
         1.0f,
         3},
    };
    for (const LogCase& c : cases) {
        SCOPED_TRACE(c.what);
        graphResetLibraryForTests();
        firstCallDone();
        AXISCA(4, 5, c.minimum, c.maximum, c.axis);
        EXPECT_EQ(errors(), c.reports);
        AxisSettings a{};
        AxisTransform t{};
        setUpCurrentAxis(a, t);
        EXPECT_FLOAT_EQ(a.minimum, c.outMinimum);
        EXPECT_FLOAT_EQ(a.maximum, c.outMaximum);
        EXPECT_EQ(a.intervalCount, c.outCount);
        EXPECT_EQ(t.labelStart, c.low);
        EXPECT_EQ(t.labelStep, c.labelStep);
        EXPECT_EQ(a.step, c.labelStep);
        EXPECT_EQ(t.labelDecimals, 0);
        EXPECT_EQ(t.labelWidth, c.width);
        EXPECT_EQ(t.labelExponent, 0);  // digits word 40 is above 15
        const float length = c.axis == 1 ? 870.0f : 650.0f;
        EXPECT_FLOAT_EQ(std::fabs(t.scale), length / c.outCount);
    }
}

TEST_F(ScalingTest, TinyLogMinimumGetsItsSubstitute)
{
    firstCallDone();
    AXISCA(4, 0, -5.0f, 0.5f, 1);
    EXPECT_EQ(errors(), std::vector<int>{513});
    EXPECT_FLOAT_EQ(graphAxis(1).minimum, 100.0f * graphState.nice.tiny);
    AXISCA(4, 0, 0.5f, 0.0f, 1);  // maximum replaced, minimum below 1 stays
    EXPECT_FLOAT_EQ(graphAxis(1).maximum, 1000.0f * graphState.nice.tiny);
    EXPECT_FLOAT_EQ(graphAxis(1).minimum, 0.5f);
}

TEST_F(ScalingTest, HugeRangesStayInsideTheFloatRange)
{
    const float big = 3.0e38f;
    const float cases[][2] = {{-big, big}, {big, big}, {-big, -big}, {big, -big}};
    for (const auto& c : cases) {
        for (int type = 1; type <= 5; ++type) {
            graphResetLibraryForTests();
            firstCallDone();
            AXISCA(type, 9, c[0], c[1], 1);
            AxisSettings a{};
            AxisTransform t{};
            setUpCurrentAxis(a, t);
            EXPECT_TRUE(std::isfinite(a.minimum) && std::isfinite(a.maximum)) << type;
            EXPECT_GE(a.intervalCount, 1) << type;
        }
    }
}

TEST_F(ScalingTest, CellCentredAxisShowsEveryCategory)
{
    firstCallDone();
    AXISCA(5, 4, 1.0f, 4.0f, 1);
    AxisSettings a{};
    AxisTransform t{};
    setUpCurrentAxis(a, t);
    EXPECT_EQ(a.intervalCount, 3);
    EXPECT_EQ(t.tickCount, 4);
    EXPECT_FLOAT_EQ(t.tickSpacing, 870.0f / 4.0f);
    EXPECT_FLOAT_EQ(t.firstTick, 90.0f + 870.0f / 8.0f);
    EXPECT_FLOAT_EQ(t.labelStart, 1.0f);
    EXPECT_FLOAT_EQ(t.labelStep, 1.0f);
    float kx = 0.0f, ky = 0.0f;
    graphToKernelCoords(4.0f, 1.0f, kx, ky);
    EXPECT_FLOAT_EQ(kx, 90.0f + 870.0f * 7.0f / 8.0f);  // centre of the last cell
    EXPECT_EQ(graphAxis(1).intervalCount, 4);           // given back at the exit

    AXISCA(5, 1, 3.0f, 3.0f, 2);  // a single cell: step 1
    setUpCurrentAxis(a, t);
    EXPECT_EQ(a.intervalCount, 0);
    EXPECT_FLOAT_EQ(t.firstTick, 50.0f + 325.0f);
}

TEST_F(ScalingTest, PositionTypesPlaceTheAxisLine)
{
    firstCallDone();
    AXIPOS(0, 100.0f, 200.0f, 500.0f, 1);
    AXISCA(3, 10, -5.0f, 5.0f, 1);
    AxisSettings a{};
    AxisTransform t{};
    setUpCurrentAxis(a, t);
    EXPECT_FLOAT_EQ(t.startX, -150.0f);  // value 0 lies on the given point
    EXPECT_FLOAT_EQ(t.endX, 350.0f);
    EXPECT_FLOAT_EQ(t.startY, 200.0f);
    EXPECT_FLOAT_EQ(t.firstTick, -150.0f);
    EXPECT_FLOAT_EQ(0.0f * t.scale + t.offset, 100.0f);

    AXIPOS(0, 100.0f, 200.0f, 500.0f, 2);
    AXISCA(3, 10, 1.0f, 11.0f, 2);  // range without zero: no shift
    setUpCurrentAxis(a, t);
    EXPECT_FLOAT_EQ(t.startY, 200.0f);
    EXPECT_FLOAT_EQ(t.endY, 700.0f);
    EXPECT_FLOAT_EQ(t.startX, 100.0f);

    AXIPOS(1, 100.0f, 200.0f, 500.0f, 1);
    setUpCurrentAxis(a, t);
    EXPECT_FLOAT_EQ(t.startX, 100.0f);
    EXPECT_TRUE(errors().empty());
}

TEST_F(ScalingTest, PositionKeepsItsLengthWhenGivenNone)
{
    firstCallDone();
    AXIPOS(1, 10.0f, 20.0f, 300.0f, 5);  // any axis above 1 is y
    EXPECT_EQ(graphState.graph.currentAxis, 2);
    EXPECT_EQ(graphAxis(2).positioned, 1);
    AXIPOS(1, 30.0f, 40.0f, 0.0f, 2);
    AXIPOS(1, 30.0f, 40.0f, std::numeric_limits<float>::quiet_NaN(), 2);
    AXIPOS(1, 30.0f, 40.0f, std::numeric_limits<float>::infinity(), 2);
    EXPECT_EQ(errors(), (std::vector<int>{-517, -517, -517}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpSetAxesPos(AXIPOS)");
    EXPECT_FLOAT_EQ(graphAxis(2).length, 300.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).originX, 30.0f);
}

TEST_F(ScalingTest, IntervalSettingGoesToANormalisedAxis)
{
    firstCallDone();
    AXIINT(4, 3);
    EXPECT_EQ(graphState.graph.currentAxis, 2);
    EXPECT_EQ(graphAxis(2).intervalSetting, 4);
    EXPECT_EQ(graphAxis(1).intervalSetting, -1);
    AXIINT(-7, 0);
    EXPECT_EQ(graphState.graph.currentAxis, 1);
    EXPECT_EQ(graphAxis(1).intervalSetting, -7);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(callsOf("kernelSetRoutineName")[0], "kernelSetRoutineName 2 \"AXIINT\"");
}

// The interval setting is read by the layout, so changing it on an axis that a drawing has
// already laid out must lay the axis out again.
TEST_F(ScalingTest, ChangedIntervalSettingReachesAnAxisAlreadyLaidOut)
{
    firstCallDone();
    AXIPOS(1, 100.0f, 100.0f, 500.0f, 1);
    AXISCA(3, 5, 0.0f, 10.0f, 1);
    GRAMOV(1.0f, 1.0f);
    ASSERT_NE(graphTransform(1).minorFirst, 0);
    AXIINT(0, 1);
    GRAMOV(1.0f, 1.0f);
    EXPECT_EQ(graphTransform(1).minorFirst, 0);
    AXIINT(4, 1);
    GRAMOV(1.0f, 1.0f);
    EXPECT_EQ(graphTransform(1).minorFirst, 2);
}

struct MinorCase {
    const char* what;
    int type;
    float minimum, maximum;
    int count, interval;
    float characterWidth;
    int first, step;
    std::vector<float> fractions;  // the fractions from `first` on, every `step`
};

TEST_F(ScalingTest, MinorTicksFollowTheRoomBetweenTicks)
{
    std::vector<float> logs, reversedLogs;
    for (int j = 2; j <= 9; ++j) {
        logs.push_back(static_cast<float>(std::log10(j)));
        reversedLogs.push_back(static_cast<float>(1.0 - std::log10(11 - j)));
    }
    const MinorCase cases[] = {
        {"room for tenths",
         3,
         0.0f,
         10.0f,
         5,
         -1,
         10.0f,
         1,
         1,
         {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f}},
        {"room for fifths", 3, 0.0f, 10.0f, 5, -1, 40.0f, 2, 2, {0.2f, 0.4f, 0.6f, 0.8f}},
        {"room for a half", 3, 0.0f, 10.0f, 5, -1, 60.0f, 5, 5, {0.5f}},
        {"no minor ticks", 3, 0.0f, 10.0f, 5, 0, 10.0f, 0, 0, {}},
        {"interval setting", 3, 0.0f, 10.0f, 5, 4, 10.0f, 2, 2, {0.2f, 0.4f, 0.6f, 0.8f}},
        {"no character width: full room",
         3,
         0.0f,
         10.0f,
         5,
         -1,
         0.0f,
         1,
         1,
         {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f}},
        {"logarithmic", 4, 1.0f, 1000.0f, 0, -1, 10.0f, 2, 1, logs},
        {"reversed logarithmic", 4, 1000.0f, 1.0f, 0, -1, 10.0f, 2, 1, reversedLogs},
    };
    for (const MinorCase& c : cases) {
        SCOPED_TRACE(c.what);
        graphResetLibraryForTests();
        kernelSetCharSize(c.characterWidth, 10.0f);
        firstCallDone();
        AXISCA(c.type, c.count, c.minimum, c.maximum, 1);
        AXIINT(c.interval, 1);
        AxisSettings a{};
        AxisTransform t{};
        setUpCurrentAxis(a, t);
        EXPECT_EQ(t.minorFirst, c.first);
        if (c.first == 0) continue;
        EXPECT_EQ(t.minorStep, c.step);
        EXPECT_EQ(t.minorLast, 9);
        std::vector<float> got;
        for (int j = t.minorFirst; j <= t.minorLast; j += t.minorStep)
            got.push_back(t.minorFractions[j - 1]);
        ASSERT_EQ(got.size(), c.fractions.size());
        for (size_t k = 0; k < got.size(); ++k) EXPECT_FLOAT_EQ(got[k], c.fractions[k]);
        EXPECT_EQ(t.annotationCount, t.tickCount);
        EXPECT_EQ(t.annotationEvery, 1);
    }
}

// A year axis with room for eleven month ticks has eleven minor fractions.
TEST_F(ScalingTest, YearAxisMinorTicksAllFitTheTable)
{
    firstCallDone();
    AxisSettings& a = graphAxis(1);
    AxisTransform& t = graphTransform(1);
    graphState.graph.currentAxis = 1;
    a.scalingType = -2;
    a.dateUnit = 2;
    a.intervalSetting = 12;
    t.tickCount = 4;
    graphCountAxisTicks();
    EXPECT_EQ(t.minorFirst, 1);
    EXPECT_EQ(t.minorLast, 11);
    EXPECT_FLOAT_EQ(t.minorFractions[10], 11.0f / 12.0f);
    a.dateUnit = 3;  // months: never minor ticks
    graphCountAxisTicks();
    EXPECT_EQ(t.minorFirst, 0);
}

TEST_F(ScalingTest, SplitPowerOfTen)
{
    firstCallDone();
    struct Row {
        float value, mantissa;
        int exponent;
    };
    const Row rows[] = {
        {1000.0f, 1.0f, 3},
        {0.01f, 1.0f, -2},
        {-2500.0f, -2.5f, 3},
        {9.999999f, 1.0f, 1},
        {0.0f, 0.0f, 0},
        {3.4e38f, 3.4f, 38},
        {std::numeric_limits<float>::infinity(), 1.0f, 39},
    };
    for (const Row& r : rows) {
        float m = -1.0f;
        int e = -99;
        graphSplitPowerOfTen(r.value, m, e);
        EXPECT_FLOAT_EQ(m, r.mantissa) << r.value;
        EXPECT_EQ(e, r.exponent) << r.value;
    }
}

TEST_F(ScalingTest, DefaultIntervalCountFromARange)
{
    firstCallDone();
    struct Row {
        float range;
        int count;
    };
    const Row rows[] = {{35.0f, 9},  {1.0f, 10}, {5.0f, 5},
                        {12.0f, 12}, {0.7f, 7},  {2.0f, 10},
                        {0.0f, 9},   {-4.0f, 9}, {std::numeric_limits<float>::quiet_NaN(), 9}};
    for (const Row& r : rows) {
        int count = -1;
        graphDefaultIntervalCount(r.range, count);
        EXPECT_EQ(count, r.count) << r.range;
    }
}

TEST_F(ScalingTest, EqualScalingOfBothAxes)
{
    firstCallDone();
    graphState.graph.scalingMode = 3;
    AXISCA(3, 10, 0.0f, 10.0f, 1);  // 1 per interval
    AXISCA(3, 5, 0.0f, 20.0f, 2);   // 4 per interval
    graphSetUpChartAxes();
    EXPECT_EQ(graphAxis(1).intervalCount, 3);  // x takes y's unit: 10 x 1 / 4, nearest
    EXPECT_FLOAT_EQ(graphAxis(1).maximum, 12.0f);

    AXISCA(3, 10, 10.0f, 0.0f, 1);  // reversed x: -1 per interval
    AXISCA(3, 5, 0.0f, 20.0f, 2);
    graphSetUpChartAxes();
    EXPECT_EQ(graphAxis(1).intervalCount, 3);
    EXPECT_FLOAT_EQ(graphAxis(1).maximum, -2.0f);  // keeps its own direction
    EXPECT_FLOAT_EQ(graphAxis(2).maximum, 20.0f);

    AXISCA(3, 2, 0.0f, 0.002f, 1);  // units 1000 times apart: never 0 intervals
    AXISCA(3, 2, 0.0f, 20.0f, 2);
    graphSetUpChartAxes();
    EXPECT_EQ(graphAxis(1).intervalCount, 1);
    EXPECT_TRUE(errors().empty());

    graphState.graph.scalingMode = 4;
    AXIPOS(1, 100.0f, 100.0f, 600.0f, 1);  // 60 per interval
    AXISCA(3, 10, 0.0f, 10.0f, 1);
    AXIPOS(1, 100.0f, 100.0f, 500.0f, 2);  // 100 per interval
    AXISCA(3, 5, 0.0f, 10.0f, 2);
    graphSetUpChartAxes();
    EXPECT_FLOAT_EQ(graphAxis(2).length, 300.0f);  // y shortened to 5 x 60
    EXPECT_FLOAT_EQ(graphAxis(1).length, 600.0f);
}

}  // namespace
