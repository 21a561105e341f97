// Record arrays and remembered pair values of the long forms: a count below 1 calls nothing,
// records of any count reach the legacy routine field by field without a read outside the
// caller's array, and a pair of codes that matches no case repeats the last one that did,
// each routine remembering its own.
#include <climits>
#include <cmath>
#include <functional>
#include <vector>

#include "longform/longform_fixture.h"

namespace {

const PointRecord P[4] = {{1.0f, 2.0f}, {3.0f, 5.5f}, {6.0f, 4.0f}, {8.5f, 9.0f}};
const float X[4] = {1.0f, 3.0f, 6.0f, 8.5f};
const float Y[4] = {2.0f, 5.5f, 4.0f, 9.0f};

}  // namespace

// Nothing is called for an empty or negative count, so nothing is drawn or reported; the
// arrays are not touched (null is fine).
TEST_F(LongFormTest, CountBelowOneCallsNothing)
{
    const std::function<void(int)> longForms[] = {
        [](int n) { kpPlotGraph(n, nullptr, kpAxisScaling1, kpAxisScaling1, 1, 0); },
        [](int n) { kpAddGraphPolyline(n, nullptr); },
        [](int n) { kpAddGraphCurve(n, nullptr); },
        [](int n) { kpAddGraphSpline(n, nullptr); },
        [](int n) { kpAddAkimaCurve(n, nullptr); },
        [](int n) { kpAddSquareWave(n, nullptr, 0, 1); },
        [](int n) { kpAddGraphMarkers(n, nullptr, 1, 0); },
        [](int n) { kpAddGraphValues(n, nullptr, 2); },
        [](int n) { kpAddPopulationGraph(1.0f, 5.0f, n, nullptr, 1.0f); },
    };
    for (const int n : {0, -1, INT_MIN}) {
        for (std::size_t i = 0; i < std::size(longForms); ++i) {
            graphResetLibraryForTests();
            const std::vector<std::string> lines = logOf([&] { longForms[i](n); });
            EXPECT_TRUE(lines.empty()) << "long form " << i << " with count " << n;
            EXPECT_TRUE(tarv::errorLog().empty()) << "long form " << i << " with count " << n;
        }
    }
    // The legacy routine itself refuses such a count with an error: the long form differs.
    graphResetLibraryForTests();
    placeAxes();
    tarv::errorLogClear();
    GRAPOL(X, Y, 0);
    EXPECT_FALSE(tarv::errorLog().empty());
}

// The line fit still answers "no fit" for an empty data set, leaving the coefficients and
// their count alone; otherwise it gives LINFIT's results with the status as a code.
TEST_F(LongFormTest, LineFitStatusComesBackAsCode)
{
    float coefficients[2] = {-7.0f, -7.0f};
    int count = -7, status = -7;
    kpReturnLineCoeffs(kpLineFitCode1, 0, nullptr, 2, coefficients, count, status);
    EXPECT_EQ(kpLineFitFlag1, status);
    EXPECT_EQ(-7, count);
    EXPECT_EQ(-7.0f, coefficients[0]);
    EXPECT_EQ(-7.0f, coefficients[1]);
    EXPECT_TRUE(tarv::errorLog().empty());

    // y = 1 + 2x exactly.
    const PointRecord line[3] = {{0.0f, 1.0f}, {1.0f, 3.0f}, {2.0f, 5.0f}};
    const float lx[3] = {0.0f, 1.0f, 2.0f}, ly[3] = {1.0f, 3.0f, 5.0f};
    kpReturnLineCoeffs(kpLineFitCode1, 3, line, 2, coefficients, count, status);
    float legacyCoefficients[2] = {0.0f, 0.0f};
    int legacyCount = 0, legacyStatus = -1;
    LINFIT(1, lx, ly, 3, 2, legacyCoefficients, legacyCount, legacyStatus);
    EXPECT_EQ(0, legacyStatus);
    EXPECT_EQ(0, status);
    EXPECT_EQ(legacyCount, count);
    EXPECT_EQ(legacyCoefficients[0], coefficients[0]);
    EXPECT_EQ(legacyCoefficients[1], coefficients[1]);
    EXPECT_NEAR(1.0f, coefficients[0], 1e-5);
    EXPECT_NEAR(2.0f, coefficients[1], 1e-5);

    // All x equal: no fit, flag 1 as its code.
    const PointRecord upright[3] = {{2.0f, 1.0f}, {2.0f, 3.0f}, {2.0f, 5.0f}};
    status = -7;
    kpReturnLineCoeffs(kpLineFitCode1, 3, upright, 2, coefficients, count, status);
    EXPECT_EQ(kpLineFitFlag1, status);
}

// Large data sets go through in one call, each field in its own array: the long form's
// drawing equals the legacy routine's on the same data.  Exact-size records (the vector holds
// no more than n) let the sanitizer catch a read past the caller's array.
TEST_F(LongFormTest, LargeRecordArraysSplitIntoFields)
{
    for (const int n : {1, 2, 1000, 65537}) {
        std::vector<PointRecord> records(static_cast<std::size_t>(n));
        std::vector<float> x(records.size()), y(records.size());
        for (int i = 0; i < n; ++i) {
            x[i] = 10.0f * static_cast<float>(i) / static_cast<float>(n);
            y[i] = 5.0f + 4.0f * std::sin(0.01f * static_cast<float>(i));
            records[i] = PointRecord{x[i], y[i]};
        }
        graphResetLibraryForTests();
        placeAxes();
        tarv::errorLogClear();
        const auto viaLong = logOf([&] { kpAddGraphPolyline(n, records.data()); });
        const std::vector<int> longErrors = errors();
        graphResetLibraryForTests();
        placeAxes();
        tarv::errorLogClear();
        const auto viaLegacy = logOf([&] { GRAPOL(x.data(), y.data(), n); });
        EXPECT_EQ(viaLegacy, viaLong) << n;
        EXPECT_EQ(errors(), longErrors) << n;
        ASSERT_FALSE(viaLong.empty());
    }
}

// kpPlotGraph converts its pair before it looks at the count: an empty call still sets the
// graph type that a later call with an unmatched pair repeats.
TEST_F(LongFormTest, GraphTypeIsRememberedEvenWithoutData)
{
    const SameAsLegacyCase firstUnmatched =
        LONG_FORM_CASE(kpPlotGraph, "GRAPH", {}, (4, P, 5, 5, 1, 0), GRAPH(X, Y, 4, 0, 1, 0));
    expectSameAsLegacy(firstUnmatched);

    graphResetLibraryForTests();
    kpPlotGraph(0, P, kpAxisScaling4, kpAxisScaling1, 1, 0);
    EXPECT_TRUE(tarv::errorLog().empty());
    const auto viaLong = logOf([] { kpPlotGraph(4, P, kpAxisScaling2, 0, 1, 0); });
    graphResetLibraryForTests();
    const auto viaLegacy = logOf([] { GRAPH(X, Y, 4, 1, 1, 0); });
    EXPECT_EQ(viaLegacy, viaLong);
}

// The remembered values of the pair long forms, call after call.  Each row: the long form's
// pair and the legacy value expected.
TEST_F(LongFormTest, PairsRepeatTheLastMatchedValuePerRoutine)
{
    struct Step {
        int first, second, expected;
    };
    // Grid style, caught through GRID's drawing.
    const Step gridSteps[] = {
        {kpMode1, kpGridKind4, 0},  // no case: nothing remembered yet
        {kpMode2, kpGridKind3, -3},
        {kpMode1, kpGridKind4, -3},  // still no case: repeats -3
        {kpMode1, 0, 0},             // a 0 is itself a case
        {kpMode2, kpGridKind2, -2},
        {3, 3, -2},
        {kpMode1, kpGridKind1, 1},
    };
    graphResetLibraryForTests();
    placeAxes();
    for (const Step& s : gridSteps) {
        const auto viaLong = logOf([&] { kpAddGrid(s.first, s.second, 0, 0); });
        const GraphLibraryState kept = graphState;
        const auto viaLegacy = logOf([&] { GRID(s.expected, 0, 0); });
        graphState = kept;
        EXPECT_EQ(viaLegacy, viaLong) << s.first << " " << s.second;
    }

    // Labels and titles remember their orientation apart.
    const char labels[] = "Low Mid High";
    graphResetLibraryForTests();
    placeAxes();
    const Step labelSteps[] = {{2, 1, -2}, {3, 1, -2}, {1, 1, -1}, {0, 0, -1}};
    for (const Step& s : labelSteps) {
        const auto viaLong = logOf([&] { kpDrawAxesLabs(3, labels, 4, 80.0f, s.first, s.second); });
        const GraphLibraryState kept = graphState;
        const auto viaLegacy = logOf([&] { AXLSTR(labels, 4, 3, 80.0f, s.expected); });
        graphState = kept;
        EXPECT_EQ(viaLegacy, viaLong) << s.first << " " << s.second;
    }
    // The title's own memory is still 0 after the label calls.
    const auto titleLong = logOf([] { kpDrawAxesTitle("Time", 4, 60.0f, 5, 5, 0); });
    const GraphLibraryState kept = graphState;
    const auto titleLegacy = logOf([] { AXNSTR("Time", 4, 60.0f, 0, 0); });
    graphState = kept;
    EXPECT_EQ(titleLegacy, titleLong);

    // Reference lines: the position code 32599 ignores the side; (2, 1) is no case.
    graphResetLibraryForTests();
    placeAxes();
    const Step lineSteps[] = {{2, 1, 0}, {kpRefLineType1, 9, 1}, {2, 1, 1}, {0, 0, 7}, {-1, 5, 7},
                              {-1, 0, 8}};
    for (const Step& s : lineSteps) {
        const auto viaLong =
            logOf([&] { kpAddReferenceLine("Mean", 4, 5.0f, s.first, s.second, 1, 1); });
        const GraphLibraryState kept = graphState;
        const auto viaLegacy = logOf([&] { REFLIN("Mean", 4, 5.0f, s.expected, 0, 1); });
        graphState = kept;
        EXPECT_EQ(viaLegacy, viaLong) << s.first << " " << s.second;
    }
}
