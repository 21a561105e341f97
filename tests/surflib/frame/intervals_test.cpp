// Tests of nice intervals, the grid check, the power-of-ten split and label number widths.
#include <cmath>
#include <vector>

#include "frame/intervals.h"
#include "surface_test.h"
#include "tterrlib.h"

using namespace surflib;

class IntervalsTest : public OpenSurfaceTest {};

TEST_F(IntervalsTest, PowerOfTenSplit)
{
    struct Row {
        float v, mantissa;
        int exponent;
    };
    const Row rows[] = {
        {0.0f, 0.0f, 0},    {250.0f, 2.5f, 2},   {0.03f, 3.0f, -2},   {9.999995f, 1.0f, 1},
        {-0.5f, -5.0f, -1}, {4.0e-6f, 0.0f, 0},  {1.0e-5f, 1.0f, -5}, {-123456.0f, -1.23456f, 5},
        {0.001f, 1.0f, -3}, {INFINITY, 0.0f, 0}, {NAN, 0.0f, 0},      {3.0e38f, 3.0f, 38},
    };
    for (const Row& r : rows) {
        float m = -99.0f;
        int e = -99;
        surfaceSplitPowerOfTen(r.v, m, e);
        EXPECT_NEAR(m, r.mantissa, 1e-5) << r.v;
        EXPECT_EQ(e, r.exponent) << r.v;
    }
}

TEST_F(IntervalsTest, IntervalsForARequestedCount)
{
    struct Row {
        float lo, hi;
        int n;
        int e;
        float first, step;
        int decimals, count, width;
        std::vector<int> errors;
    };
    const Row rows[] = {
        {0, 100, 10, 2, 0.0f, 0.1f, 1, 10, 4, {}},
        {3, 97, 5, 1, 0.0f, 1.0f, 0, 10, 4, {}},
        {0, 1, 5, 0, 0.0f, 0.2f, 1, 5, 4, {}},
        {0, 100, 0, 2, 0.0f, 0.5f, 1, 2, 4, {}},  // 0 or 1 requested behave as 2
        {0, 100, 1, 2, 0.0f, 0.5f, 1, 2, 4, {}},
        {0, 100, 101, 2, 0.0f, 0.1f, 1, 10, 4, {asReported(kBadIntervalCount)}},  // as 10
        {0, 100, -3, 2, 0.0f, 0.1f, 1, 10, 4, {asReported(kBadIntervalCount)}},
        {-7.5f, 12.3f, 10, 1, -0.8f, 0.1f, 1, 21, 4, {}},
        {10, 0, 5, 1, 1.0f, -0.2f, 1, 5, 4, {}},     // a reversed range steps down
        {30, 130, 10, 2, 0.3f, 0.1f, 1, 10, 4, {}},  // first moved onto lo
        {0.001f, 0.0042f, 4, -3, 1.0f, 0.5f, 1, 7, 4, {}},
        {-1234, -1000, 6, 2, -12.5f, 0.25f, 2, 10, 6, {}},
        // flat ranges: one step of 0.01 from the multiple at or below lo
        {5, 5, 10, 0, 5.0f, 0.01f, 2, 1, 5, {}},
        {-0.01f, -0.01f, 10, 0, -0.01f, 0.01f, 2, 1, 5, {}},
    };
    for (const Row& r : rows) {
        int e = -99, decimals = -99, count = -99, width = -99;
        float first = -99, step = -99;
        tarv::errorLogClear();
        surfaceChooseIntervals(r.lo, r.hi, r.n, e, first, step, decimals, count, width);
        SCOPED_TRACE(testing::Message() << r.lo << " " << r.hi << " " << r.n);
        EXPECT_EQ(e, r.e);
        EXPECT_NEAR(first, r.first, 1e-6);
        EXPECT_FLOAT_EQ(step, r.step);
        EXPECT_EQ(decimals, r.decimals);
        EXPECT_EQ(count, r.count);
        EXPECT_EQ(width, r.width);
        EXPECT_EQ(reported(), r.errors);
        // the levels cover the range
        const double unit = std::pow(10.0, e);
        if (r.hi != r.lo) {
            EXPECT_LE(std::fmin(first, first + step * count) * unit, std::fmin(r.lo, r.hi) + 1e-4);
            EXPECT_GE(std::fmax(first, first + step * count) * unit, std::fmax(r.lo, r.hi) - 1e-4);
        }
    }
}

TEST_F(IntervalsTest, IntervalsForAGivenStep)
{
    struct Row {
        float lo, hi, step;
        int e;
        float first, stepOut;
        int decimals, count, width;
        float mapFirst;
        int mapCount;
        float remainder;
    };
    const Row rows[] = {
        {0, 100, 10, 2, 0.0f, 0.1f, 1, 10, 3, 0.0f, 10, 0.0f},
        {0, 100, 25, 2, 0.0f, 0.25f, 2, 4, 4, 0.0f, 4, 0.0f},
        {-3, 47, 5, 1, -0.5f, 0.5f, 1, 11, 4, -0.3f, 10, 0.0f},
        {0.001f, 0.0042f, 0.0005f, -3, 1.0f, 0.5f, 1, 7, 3, 1.0f, 6, 0.2f},
        {100, 0, 20, 2, 1.0f, -0.2f, 1, 5, 3, 1.0f, 5, 0.0f},
        {0, 12345, 1000, 4, 0.0f, 0.1f, 1, 13, 3, 0.0f, 12, 0.0345f},
        {-0.05f, 0.05f, 0.01f, -1, -0.5f, 0.1f, 1, 10, 4, -0.5f, 10, 0.0f},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.lo << " " << r.hi << " " << r.step);
        int e = -99, decimals = -99, count = -99, width = -99;
        float first = -99, step = -99, remainder = -99;
        surfaceChooseIntervalsByStep(r.lo, r.hi, r.step, e, first, step, decimals, count, width);
        EXPECT_EQ(e, r.e);
        EXPECT_NEAR(first, r.first, 1e-6);
        EXPECT_NEAR(step, r.stepOut, 1e-6);
        EXPECT_EQ(decimals, r.decimals);
        EXPECT_EQ(count, r.count);
        EXPECT_EQ(width, r.width);
        surfaceChooseMapIntervals(r.lo, r.hi, r.step, e, first, step, decimals, count, width,
                                  remainder);
        EXPECT_NEAR(first, r.mapFirst, 1e-6);
        EXPECT_EQ(count, r.mapCount);
        EXPECT_NEAR(remainder, r.remainder, 1e-5);
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(IntervalsTest, UnusableStepsGiveNoStep)
{
    const float rows[][3] = {{0, 100, 60}, {0, 1e6f, 10}, {0, 100, 0},
                             {0, 100, -5}, {3, 3, 1},     {0, 100, NAN}};
    for (const auto& r : rows) {
        int e = 0, decimals = 0, count = 0, width = 0;
        float first = 0, step = 1, remainder = 0;
        tarv::errorLogClear();
        surfaceChooseIntervalsByStep(r[0], r[1], r[2], e, first, step, decimals, count, width);
        EXPECT_EQ(step, 0.0f) << r[2];
        EXPECT_EQ(reported(), std::vector<int>({asReported(kStepUnusable)})) << r[2];
        step = 1;
        tarv::errorLogClear();
        surfaceChooseMapIntervals(r[0], r[1], r[2], e, first, step, decimals, count, width,
                                  remainder);
        EXPECT_EQ(step, 0.0f) << r[2];
        EXPECT_TRUE(reported().empty()) << r[2];
    }
}

TEST_F(IntervalsTest, GridCheckSwapsAndReportsEveryFailure)
{
    struct Row {
        int nx;
        float xmin, xmax;
        int ny;
        float ymin, ymax;
        float x0, x1, y0, y1;
        int status;
        std::vector<int> errors;
    };
    // One case a row, laid out by hand.
    // clang-format off
    const Row rows[] = {
        {10, 10, 0, 10, 0, 5, 0, 10, 0, 5, 0, {}},
        {1, 0, 0, 10, 0, 1, 0, 0, 0, 1, 15, {asReported(kTooFewNodes), asReported(kFlatXRange)}},
        {10, 0, 1, 10, 3, 3, 0, 1, 3, 3, 16, {asReported(kFlatYRange)}},
        {1, 0, 0, 1, 2, 2, 0, 0, 2, 2, 16, {asReported(kTooFewNodes), asReported(kFlatXRange), asReported(kFlatYRange)}},
        {2, 0, 1, 0, 5, 4, 0, 1, 4, 5, 5, {asReported(kTooFewNodes)}},
        {2, 0, 4e-7f, 2, 0, 1, 0, 4e-7f, 0, 1, 15, {asReported(kFlatXRange)}},
    };
    // clang-format on
    for (const Row& r : rows) {
        float xmin = r.xmin, xmax = r.xmax, ymin = r.ymin, ymax = r.ymax;
        int status = -1;
        tarv::errorLogClear();
        surfaceCheckGrid(r.nx, xmin, xmax, r.ny, ymin, ymax, status);
        EXPECT_EQ(std::vector<float>({xmin, xmax, ymin, ymax}),
                  std::vector<float>({r.x0, r.x1, r.y0, r.y1}));
        EXPECT_EQ(status, r.status);
        EXPECT_EQ(reported(), r.errors);
    }
}

TEST_F(IntervalsTest, NumberWidthsWriteOutSmallPowers)
{
    struct Row {
        int e, d, w, code, dOut, wOut;
    };
    const Row rows[] = {
        {1, 2, 5, 1, 1, 5},     {2, 1, 4, 2, 1, 6},    {2, 2, 4, 2, 1, 5},    {-1, 1, 4, -1, 2, 5},
        {-2, 2, 8, 9999, 2, 8}, {3, 1, 4, 9999, 1, 4}, {0, 1, 4, 9999, 1, 4}, {2, 0, 8, 9999, 0, 8},
    };
    for (const Row& r : rows) {
        int code = 0, dOut = 0, wOut = 0;
        surfaceNumberWidth(r.e, r.d, r.w, code, dOut, wOut);
        EXPECT_EQ(std::vector<int>({code, dOut, wOut}), std::vector<int>({r.code, r.dOut, r.wOut}))
            << r.e << " " << r.d << " " << r.w;
    }
}

TEST_F(IntervalsTest, LabelFormatFromTheMapOrFromTheAnnotationSettings)
{
    GridState& g = surfaceState.grid;
    g.levelExponent = 1;
    g.mapLabelDecimals = 2;
    g.mapLabelWidth = 5;
    g.zMin = -50;
    g.zMax = 80;
    surfaceChooseNumberFormat(-20.0f);  // automatic: value in units of 10, factor written out
    EXPECT_EQ(surfaceState.labelPowerCode, 1);
    EXPECT_FLOAT_EQ(surfaceState.labelFormatValue, -2.0f);
    EXPECT_EQ(surfaceState.labelFormatDecimals, 1);
    EXPECT_EQ(surfaceState.labelFormatWidth, 6);
    EXPECT_EQ(surfaceState.labelNegatedWidth, -6);

    CONANN(0, 0.0f, 0.0f, 7, 3, 2, 0, 0);
    tarv::errorLogClear();
    surfaceChooseNumberFormat(35.0f);  // the annotation settings
    EXPECT_EQ(surfaceState.labelPowerCode, -2);
    EXPECT_EQ(surfaceState.labelFormatWidth, 7);
    EXPECT_EQ(surfaceState.labelFormatDecimals, 3);
    EXPECT_FLOAT_EQ(surfaceState.labelFormatValue, 35.0f);

    // whole numbers that cannot hold the data range fall back, warned once per map
    CONANN(0, 0.0f, 0.0f, 7, 0, -9, 0, 0);
    tarv::errorLogClear();
    surfaceChooseNumberFormat(35.0f);
    surfaceChooseNumberFormat(45.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFormatTooNarrow)}));
    EXPECT_EQ(surfaceState.labelPowerCode, 1);
}
