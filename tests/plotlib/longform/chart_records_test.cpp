// Record arrays and remembered pair values of the chart long forms: a count below 1 or a null
// record array calls nothing (the histograms, which take no records, leave the count to their
// legacy check), records of any count reach the legacy routine field by field without a read
// outside the caller's array, a vector grid whose node count is no count of an array reads
// nothing, and the chart type or axes style of an unmatched pair repeats the last one matched
// by the same routine.
#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "longform/longform_fixture.h"

namespace {

const StepRecord S[3] = {{0.5f, 1.0f, 2.0f}, {1.0f, 2.0f, 3.0f}, {3.0f, 4.0f, 1.5f}};
const float SS[3] = {0.5f, 1.0f, 3.0f}, SE[3] = {1.0f, 2.0f, 4.0f}, SV[3] = {2.0f, 3.0f, 1.5f};
const AreaRecord A[2] = {{1.0f, 3.0f, 1.0f, 4.0f}, {3.0f, 6.0f, 2.0f, 5.0f}};
const float A1[2] = {1.0f, 3.0f}, A2[2] = {3.0f, 6.0f}, A3[2] = {1.0f, 2.0f}, A4[2] = {4.0f, 5.0f};
const BarRecord B[2] = {{0.5f, 3.0f}, {1.0f, 5.0f}};
const float BS[2] = {0.5f, 1.0f}, BE[2] = {3.0f, 5.0f};
const float H[2] = {3.0f, 5.0f};
const int styles[2] = {1, 2}, pens[2] = {1, 2};

void categories()
{
    placeAxes();
    const int category = 5, cells = 2, x = 1;
    AXISCA(category, cells, 1.0f, 2.0f, x);
}

}  // namespace

// No call, no drawing, no report for an empty or negative count, nor for a null record array
// of any count; the records are not read, and the same goes for a vector grid whose node count
// is below 1 or whose records are null.
TEST_F(LongFormTest, ChartRecordCountBelowOneOrNoRecordsCallsNothing)
{
    const std::function<void(int)> longForms[] = {
        [](int n) { kpPlotAreaChart(n, nullptr, kpAxisScaling1, kpAxisScaling1); },
        [](int n) { kpFillAreaChart(n, nullptr, 1, styles, pens); },
        [](int n) { kpAddAreaChartOutline(n, nullptr, 1); },
        [](int n) { kpAddAreaChartValues(n, nullptr, 0, 1); },
        [](int n) { kpPlotBarChart(n, nullptr, 0.5f, kpAxisScaling5, kpAxisScaling1, 1.0f, 2.0f); },
        [](int n) { kpFillBarChart(n, nullptr, 0.5f, styles, pens); },
        [](int n) { kpAddBarChartOutline(n, nullptr, 0.5f); },
        [](int n) { kpAddBarChartValues(n, nullptr, 0.5f, kpValuePlacement1); },
        [](int n) { kpPlotStepChart(n, nullptr, 0.0f, kpAxisScaling1, kpAxisScaling1, 1); },
        [](int n) { kpFillStepChart(n, nullptr, 0.0f, 1, styles, pens); },
        [](int n) { kpAddStepChartOutline(n, nullptr, 0.0f, kpStepCode1, 1); },
        [](int n) { kpAddStepChartValues(n, nullptr, 0.0f, kpValuePlacement1, 1); },
        [](int n) { kpPlotXYPolarChart(n, nullptr, kpCurveKind1); },
        [](int n) { kpAddVectors(n, 3, nullptr, 1); },
        [](int n) { kpAddVectors(3, n, nullptr, 1); },
    };
    for (const int n : {0, -1, INT_MIN, 2}) {
        for (std::size_t i = 0; i < std::size(longForms); ++i) {
            graphResetLibraryForTests();
            categories();
            const std::vector<std::string> lines = logOf([&] { longForms[i](n); });
            EXPECT_TRUE(lines.empty()) << "long form " << i << " with count " << n;
            EXPECT_TRUE(tarv::errorLog().empty()) << "long form " << i << " with count " << n;
        }
    }
}

// The histogram long forms always call; their legacy routines refuse the count.
TEST_F(LongFormTest, HistogramCountIsLeftToTheLegacyCheck)
{
    struct Row {
        std::function<void()> call;
        std::string routine;
    };
    const Row rows[] = {
        {[] { kpPlotHistogram(0, H, 0.5f, kpAxisScaling1, 1.0f, 2.0f); },
         "kpPlotHistogram(HISCHA)"},
        {[] { kpFillHistogram(-3, H, 0.5f, styles, pens); }, "kpFillHistogram(HISFIL)"},
        {[] { kpAddHistogramOutline(0, H, 0.5f); }, "GRAHIS"},
        {[] { kpAddHistogramValues(INT_MIN, H, 0.5f); }, "kpAddHistogramValues(HISVAL)"},
    };
    for (const Row& r : rows) {
        graphResetLibraryForTests();
        categories();
        logOf(r.call);
        ASSERT_EQ(1u, tarv::errorLog().size()) << r.routine;
        EXPECT_EQ(501, tarv::errorLog()[0].number) << r.routine;
        EXPECT_EQ(r.routine, tarv::errorLog()[0].routine);
    }
}

// Large record arrays go through in one call, each field in its own array.  Exact-size
// records (the vector holds no more than the count) let the sanitizer catch a read past the
// caller's array.
TEST_F(LongFormTest, LargeChartRecordArraysSplitIntoFields)
{
    for (const int n : {1, 2, 999, 20001}) {
        const std::size_t size = static_cast<std::size_t>(n);
        std::vector<StepRecord> records(size);
        std::vector<float> s(size), e(size), v(size);
        for (int i = 0; i < n; ++i) {
            s[i] = 10.0f * static_cast<float>(i) / static_cast<float>(n);
            e[i] = 10.0f * static_cast<float>(i + 1) / static_cast<float>(n);
            v[i] = 5.0f + 4.0f * std::sin(0.01f * static_cast<float>(i));
            records[i] = StepRecord{s[i], e[i], v[i]};
        }
        const int closed = 2, orientation = 1;
        const float base = 1.0f;
        graphResetLibraryForTests();
        placeAxes();
        const auto viaLong = logOf(
            [&] { kpAddStepChartOutline(n, records.data(), base, kpStepCode2, orientation); });
        const std::vector<int> longErrors = errors();
        graphResetLibraryForTests();
        placeAxes();
        const auto viaLegacy =
            logOf([&] { STPGRA(s.data(), e.data(), v.data(), n, base, closed, orientation); });
        EXPECT_EQ(viaLegacy, viaLong) << n;
        EXPECT_EQ(errors(), longErrors) << n;
        EXPECT_GT(viaLong.size(), static_cast<std::size_t>(n)) << n;
    }
}

TEST_F(LongFormTest, LargeVectorGridsSplitIntoFieldsInTheirLayout)
{
    const struct {
        int nx, ny;
    } grids[] = {{1, 1}, {1, 7}, {7, 1}, {150, 121}};
    for (const auto& g : grids) {
        const std::size_t size = static_cast<std::size_t>(g.nx) * static_cast<std::size_t>(g.ny);
        std::vector<VectorRecord> records(size);
        std::vector<float> d(size), m(size);
        std::vector<int> c(size);
        for (std::size_t k = 0; k < size; ++k) {
            d[k] = static_cast<float>(k % 360);
            m[k] = 1.0f + static_cast<float>(k % 7);
            c[k] = 1 + static_cast<int>(k % 5);
            records[k] = VectorRecord{d[k], m[k], c[k]};
        }
        const int filled = 2;
        graphResetLibraryForTests();
        placeAxes();
        const auto viaLong = logOf([&] { kpAddVectors(g.nx, g.ny, records.data(), 0); });
        graphResetLibraryForTests();
        placeAxes();
        const auto viaLegacy =
            logOf([&] { VECGRA(d.data(), m.data(), c.data(), g.nx, g.ny, filled); });
        EXPECT_EQ(viaLegacy, viaLong) << g.nx << " x " << g.ny;
        EXPECT_GT(viaLong.size(), size) << g.nx << " x " << g.ny;
    }
}

// Two negative counts make a positive node count: VECGRA gets the counts and reports them,
// but the records, which can hold no grid of such counts, are not read.  A node count beyond
// what an int counts (which a 32-bit product would wrap to a small positive number) reads
// nothing and calls nothing.
TEST_F(LongFormTest, VectorGridCountsThatNameNoArrayReadNothing)
{
    const VectorRecord one[1] = {{0.0f, 1.0f, 1}};
    static const float d[1] = {0.0f}, m[1] = {1.0f};
    static const int c[1] = {1};
    const struct {
        int nx, ny;
    } refused[] = {{-2, -3}, {-1, -1}, {INT_MIN, -1}, {-65536, -65537}};
    for (const auto& g : refused) {
        SCOPED_TRACE(std::to_string(g.nx) + " x " + std::to_string(g.ny));
        const Run viaLong = run(placeAxes, [&] { kpAddVectors(g.nx, g.ny, one, kpArrowHead1); });
        const Run viaLegacy = run(placeAxes, [&] { VECGRA(d, m, c, g.nx, g.ny, 1); });
        EXPECT_EQ(viaLong.log, viaLegacy.log);
        EXPECT_TRUE(viaLong.state == viaLegacy.state);
        ASSERT_EQ(1u, viaLong.errors.size());
        EXPECT_EQ(536, viaLong.errors[0].first);
        EXPECT_EQ("kpAddVectors(VECGRA)", viaLong.errors[0].second);
        // With no records at all the counts are still reported.
        const Run noRecords = run(placeAxes, [&] { kpAddVectors(g.nx, g.ny, nullptr, 1); });
        EXPECT_EQ(viaLong.log, noRecords.log);
    }
    const struct {
        int nx, ny;
    } beyond[] = {{65536, 65537}, {65537, 65536},  {INT_MAX, INT_MAX},
                  {46341, 46341}, {-65536, 65537}, {INT_MIN, 1}};
    for (const auto& g : beyond) {
        graphResetLibraryForTests();
        placeAxes();
        EXPECT_TRUE(logOf([&] { kpAddVectors(g.nx, g.ny, nullptr, 1); }).empty())
            << g.nx << " x " << g.ny;
        EXPECT_TRUE(tarv::errorLog().empty()) << g.nx << " x " << g.ny;
    }
}

// A pair that matches no case repeats the last value matched by the same routine; the
// plot routines convert their pair before looking at the count, so an empty call still sets
// the chart type that a later unmatched pair repeats.
TEST_F(LongFormTest, ChartTypesAreRememberedPerRoutineEvenWithoutData)
{
    static const int noCode = 5;
    // Runs the long form, then the legacy call from the same settings, and compares.
    const auto same = [](const std::function<void()>& viaLong,
                         const std::function<void()>& viaLegacy) {
        const auto longLog = logOf(viaLong);
        const GraphLibraryState kept = graphState;
        const auto legacyLog = logOf(viaLegacy);
        graphState = kept;
        return longLog == legacyLog && !longLog.empty();
    };
    firstCallDone();
    // An empty step chart with (log, linear) sets type 1 and reports nothing.
    kpPlotStepChart(0, S, 0.0f, kpAxisScaling4, kpAxisScaling1, kpStepCode1);
    EXPECT_TRUE(tarv::errorLog().empty());
    EXPECT_TRUE(same([] { kpPlotStepChart(3, S, 0.0f, noCode, noCode, kpStepCode1); },
                     [] { STPCHA(SS, SE, SV, 3, 1, 0.0f, 1); }));
    // The area and bar charts have memories of their own: still nothing matched there.
    EXPECT_TRUE(
        same([] { kpPlotAreaChart(2, A, noCode, noCode); }, [] { ARECHA(A1, A2, A3, A4, 2, 0); }));
    EXPECT_TRUE(same([] { kpPlotBarChart(2, B, 0.5f, noCode, noCode, 1.0f, 2.0f); },
                     [] { BARCHA(BS, BE, 2, 0, 0.5f, 1.0f, 2.0f); }));

    // Each routine in turn, call after call: its pair and the legacy value expected.
    struct Step {
        int first, second, expected;
    };
    const Step areaSteps[] = {{kpAxisScaling1, kpAxisScaling4, 2},
                              {noCode, kpAxisScaling4, 2},
                              {kpAxisScaling4, kpAxisScaling4, -1},
                              {kpAxisScaling5, kpAxisScaling1, -1}};
    for (const Step& s : areaSteps) {
        const auto viaLong = logOf([&] { kpPlotAreaChart(2, A, s.first, s.second); });
        const GraphLibraryState kept = graphState;
        const auto viaLegacy = logOf([&] { ARECHA(A1, A2, A3, A4, 2, s.expected); });
        graphState = kept;
        EXPECT_EQ(viaLegacy, viaLong) << s.first << " " << s.second;
    }
    const Step barSteps[] = {{kpAxisScaling4, kpAxisScaling5, -2},
                             {kpAxisScaling4, kpAxisScaling4, -2},  // a graph pair, no bar case
                             {kpAxisScaling5, kpAxisScaling4, -1},
                             {0, 0, -1}};
    for (const Step& s : barSteps) {
        const auto viaLong =
            logOf([&] { kpPlotBarChart(2, B, 0.5f, s.first, s.second, 1.0f, 2.0f); });
        const GraphLibraryState kept = graphState;
        const auto viaLegacy = logOf([&] { BARCHA(BS, BE, 2, s.expected, 0.5f, 1.0f, 2.0f); });
        graphState = kept;
        EXPECT_EQ(viaLegacy, viaLong) << s.first << " " << s.second;
    }
    // The step chart still repeats its own type 1, not the area chart's -1.
    const auto stepAgain = logOf([&] { kpPlotStepChart(3, S, 0.0f, 0, 0, kpStepCode1); });
    const GraphLibraryState kept = graphState;
    const auto stepAgainLegacy = logOf([] { STPCHA(SS, SE, SV, 3, 1, 0.0f, 1); });
    graphState = kept;
    EXPECT_EQ(stepAgainLegacy, stepAgain);
}

TEST_F(LongFormTest, PolarAxesStyleIsRememberedApartFromTheGrid)
{
    struct Step {
        int mode, kind, expected;
    };
    const Step steps[] = {
        {kpMode1, kpGridKind1, 0},  // no case, nothing remembered yet
        {kpMode2, kpPolarNegativeKind1, -2},
        {kpMode1, kpGridKind4, -2},  // no case: repeats -2
        {kpMode1, 0, 0},             // a 0 is itself a case
        {kpMode2, kpGridKind2, 2},
        {3, 3, 2},
        {kpMode1, kpPolarNegativeKind2, -1},
    };
    SETPOL(400.0f, 350.0f, 200.0f, 1);
    placeAxes();
    for (const Step& s : steps) {
        const auto viaLong =
            logOf([&] { kpDrawPolarAxes(s.mode, s.kind, kpOption1, 6, 360.0f, kpPolarAxesCode2); });
        const GraphLibraryState kept = graphState;
        const auto viaLegacy = logOf([&] { DRAPOL(s.expected, 1, 6, 360.0f, 2); });
        graphState = kept;
        EXPECT_EQ(viaLegacy, viaLong) << s.mode << " " << s.kind;
    }
    // The grid's own memory was not touched: its first unmatched pair gives style 0.
    const auto grid = logOf([] { kpAddGrid(kpMode1, kpGridKind4, 0, 0); });
    const GraphLibraryState kept = graphState;
    const auto gridLegacy = logOf([] { GRID(0, 0, 0); });
    graphState = kept;
    EXPECT_EQ(gridLegacy, grid);
}
