// What the chart families share: the count check under each routine's name, the fill
// convention, the two names of the outline routines, placement codes and fixed anchors.
#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "charts_fixture.h"

namespace {

using Conventions = ChartsTest;

bool drewAnything(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        const std::string o = ChartsTest::op(line);
        if (o == "kernelMovePen" || o == "kernelDrawLineTo" || o == "kernelFillBox" ||
            o == "kernelDrawText" || o == "kernelDrawMarker" || o == "kernelDrawLineBy")
            return true;
    }
    return false;
}

struct CountCase {
    const char* routine;  // name the error is reported under
    int error;
    bool restoresState;  // draw flag 1: the caller's state is put back at exit
    std::function<void(int, const float*, const int*)> call;
};

}  // namespace

// A count below 1 (or a missing array) reports the family's error under the routine's name,
// draws nothing, and the frame's exit still runs.
TEST_F(Conventions, CountBelowOneOrMissingArrayDrawsNothing)
{
    const float x = 0.0f, y = 700.0f, b = 0.0f, fraction = 0.5f;
    const int one = 1, kind = 1, code = 1;
    const std::vector<CountCase> cases = {
        {"kpPlotAreaChart(ARECHA)", 534, true,
         [&](int n, const float* f, const int*) { ARECHA(f, f, f, f, n, 0); }},
        {"kpFillAreaChart(AREFIL)", 534, false,
         [&](int n, const float* f, const int* i) { AREFIL(f, f, f, f, n, one, i, i); }},
        {"kpAddAreaChartOutline(AREGRA)", 534, false,
         [&](int n, const float* f, const int*) { AREGRA(f, f, f, f, n, one); }},
        {"kpAddAreaChartValues(AREVAL)", 534, true,
         [&](int n, const float* f, const int*) { AREVAL(f, f, f, f, n, code, one); }},
        {"kpPlotBarChart(BARCHA)", 501, true,
         [&](int n, const float* f, const int*) { BARCHA(f, f, n, 1, fraction, b, b); }},
        {"kpFillBarChart(BARFIL)", 501, false,
         [&](int n, const float* f, const int* i) { BARFIL(f, f, n, fraction, i, i); }},
        {"GRABAR", 501, false,
         [&](int n, const float* f, const int*) { GRABAR(f, f, n, fraction); }},
        {"GRABAR", 501, false,
         [&](int n, const float* f, const int*) { BARGRA(f, f, n, fraction); }},
        {"kpAddBarChartValues(BARVAL)", 501, true,
         [&](int n, const float* f, const int*) { BARVAL(f, f, n, fraction, code); }},
        {"kpPlotHistogram(HISCHA)", 501, true,
         [&](int n, const float* f, const int*) { HISCHA(f, n, 0, fraction, b, b); }},
        {"kpFillHistogram(HISFIL)", 501, false,
         [&](int n, const float* f, const int* i) { HISFIL(f, n, fraction, i, i); }},
        {"GRAHIS", 501, false, [&](int n, const float* f, const int*) { GRAHIS(f, n, fraction); }},
        {"GRAHIS", 501, false, [&](int n, const float* f, const int*) { HISGRA(f, n, fraction); }},
        {"kpAddHistogramValues(HISVAL)", 501, true,
         [&](int n, const float* f, const int*) { HISVAL(f, n, fraction); }},
        {"kpPlotStepChart(STPCHA)", 535, true,
         [&](int n, const float* f, const int*) { STPCHA(f, f, f, n, 0, b, code); }},
        {"kpFillStepChart(STPFIL)", 535, false,
         [&](int n, const float* f, const int* i) { STPFIL(f, f, f, n, b, one, i, i); }},
        {"kpAddStepChartOutline(STPGRA)", 535, false,
         [&](int n, const float* f, const int*) { STPGRA(f, f, f, n, b, code, one); }},
        {"kpAddStepChartValues(STPVAL)", 535, true,
         [&](int n, const float* f, const int*) { STPVAL(f, f, f, n, b, code, one); }},
        {"kpDisplayValueColumn(TEXVAL)", 539, true,
         [&](int n, const float* f, const int*) { TEXVAL(x, y, n, f, "T", 1); }},
        {"kpDisplayPercentageColumn(TEXPER)", 539, true,
         [&](int n, const float* f, const int*) { TEXPER(x, y, n, f, "T", 1); }},
        {"kpDisplayFillColumn(TEXFIL)", 539, true,
         [&](int n, const float*, const int* i) { TEXFIL(x, y, n, i, i, "T", 1); }},
        {"kpDisplayLineColumn(TEXLIN)", 539, true,
         [&](int n, const float*, const int* i) { TEXLIN(x, y, n, i, kind, "T", 1); }},
        {"kpDisplayMarkerColumn(TEXSYM)", 539, true,
         [&](int n, const float*, const int* i) { TEXSYM(x, y, n, i, i, "T", 1); }},
        {"kpDisplayStringColumn(TEXSTR)", 539, true,
         [&](int n, const float*, const int*) { TEXSTR(x, y, n, "ab", 1, "T", 1); }},
        {"kpDisplayGeneratedColumn(TEXGEN)", 539, true,
         [&](int n, const float*, const int*) { TEXGEN(x, y, n, b, fraction, "T", 1); }},
    };
    const float data[] = {1.0f, 2.0f};
    const int words[] = {1, 1};
    placeAxes();
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.routine);
        for (int n : {0, -3}) {
            const auto lines = run([&] { c.call(n, data, words); });
            EXPECT_EQ(errors(), std::vector<int>{c.error});
            EXPECT_EQ(routinesReported(), std::vector<std::string>{c.routine});
            EXPECT_FALSE(drewAnything(lines));
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.back(), "kernelSetRoutineName 2 \"      \"");
            EXPECT_EQ(only(lines, {"kernelSetLineAttributes"}).size(), c.restoresState ? 1u : 0u);
        }
    }
    // The routines that take data arrays refuse missing ones the same way.
    for (size_t k = 0; k + 2 < cases.size(); ++k) {
        const CountCase& c = cases[k];
        SCOPED_TRACE(c.routine);
        const auto lines = run([&] { c.call(2, nullptr, nullptr); });
        EXPECT_EQ(errors(), std::vector<int>{c.error});
        EXPECT_FALSE(drewAnything(lines));
    }
}

// Every fill routine: a pen below -1 warns once and fills with the absolute value (the most
// negative integer, which has none, gives the largest); style -1 reaches the kernel, -2
// skips the item.
TEST_F(Conventions, FillStylesAndPens)
{
    const float lo[] = {1.0f, 2.0f, 3.0f}, hi[] = {2.0f, 4.0f, 5.0f};
    const float b = 0.0f, fraction = 0.5f;
    const int one = 1;
    struct Filler {
        const char* routine;
        bool categories;  // bars and histograms stand on a category axis
        std::function<void(const int*, const int*)> fill;
    };
    const std::vector<Filler> fillers = {
        {"kpFillAreaChart(AREFIL)", false,
         [&](const int* s, const int* p) { AREFIL(lo, hi, lo, hi, 3, one, s, p); }},
        {"kpFillBarChart(BARFIL)", true,
         [&](const int* s, const int* p) { BARFIL(lo, hi, 3, fraction, s, p); }},
        {"kpFillHistogram(HISFIL)", true,
         [&](const int* s, const int* p) { HISFIL(hi, 3, fraction, s, p); }},
        {"kpFillStepChart(STPFIL)", false,
         [&](const int* s, const int* p) { STPFIL(lo, hi, hi, 3, b, one, s, p); }},
        {"kpDisplayFillColumn(TEXFIL)", false,
         [&](const int* s, const int* p) { TEXFIL(b, b, 3, s, p, "", 0); }},
    };
    for (const auto& [routine, categories, fill] : fillers) {
        SCOPED_TRACE(routine);
        if (categories) categoryAxis(1, 3);
        else placeAxes();
        const int styles[] = {-1, -2, 3}, pens[] = {-5, 4, -7};
        auto got = fills(run([&] { fill(styles, pens); }));
        EXPECT_EQ(errors(), std::vector<int>{-508});
        EXPECT_EQ(routinesReported(), std::vector<std::string>{routine});
        ASSERT_EQ(got.size(), 2u);
        EXPECT_EQ(got[0].substr(0, 5), "-1 5 ");
        EXPECT_EQ(got[1].substr(0, 4), "3 7 ");

        const int quiet[] = {-1, 1, 2}, odd[] = {INT_MIN, 0, 2};
        got = fills(run([&] { fill(styles, quiet); }));
        EXPECT_TRUE(errors().empty());
        EXPECT_EQ(got.size(), 2u);
        got = fills(run([&] { fill(quiet, odd); }));
        EXPECT_EQ(errors(), std::vector<int>{-508});
        ASSERT_EQ(got.size(), 3u);
        EXPECT_EQ(got[0].substr(0, 13), "-1 2147483647");
        EXPECT_EQ(got[1].substr(0, 4), "1 0 ");
    }
}

TEST_F(Conventions, SecondNamesDrawTheSameUnderTheFirstName)
{
    categoryAxis(1, 4);
    const float start[] = {0.0f, 1.0f, 0.0f}, end[] = {2.0f, 3.0f, 6.0f};
    const auto grabar = run([&] { GRABAR(start, end, 3, 1.0f); });
    const auto bargra = run([&] { BARGRA(start, end, 3, 1.0f); });
    EXPECT_EQ(pen(grabar), pen(bargra));
    EXPECT_FALSE(pen(grabar).empty());
    EXPECT_EQ(only(bargra, {"kernelSetRoutineName"}).front(), "kernelSetRoutineName 2 \"GRABAR\"");

    const auto grahis = run([&] { GRAHIS(end, 3, 0.5f); });
    const auto hisgra = run([&] { HISGRA(end, 3, 0.5f); });
    EXPECT_EQ(pen(grahis), pen(hisgra));
    EXPECT_FALSE(pen(grahis).empty());
    EXPECT_EQ(only(hisgra, {"kernelSetRoutineName"}).front(), "kernelSetRoutineName 2 \"GRAHIS\"");
}

// Placement codes out of range warn -552 and use the family's default; a placement attribute
// of 3 puts every tag at the fixed value a3 of the value axis.
TEST_F(Conventions, PlacementCodesAndFixedAnchors)
{
    // Tags start at their anchor (a8 -1) with the row's top there (a7 -1): text y = anchor
    // - 10 for characters 10 high.
    VALATT(0, 3, 0.0f, 0.0f, 0.0f, 0.0f, -1, -1);
    const float s[] = {2.0f, 1.0f}, e[] = {5.0f, 4.0f}, v[] = {7.0f, 8.0f};
    const float b = 0.0f, fraction = 0.5f;
    const int one = 1, nine = 9, zero = 0;
    struct Case {
        const char* name;
        int axis;  // category axis (0: value axes)
        std::function<void()> call;
        std::vector<std::string> numbers;
    };
    const std::vector<Case> cases = {
        {"BARVAL", 1, [&] { BARVAL(s, e, 2, fraction, nine); }, {"3", "3"}},
        {"HISVAL", 1, [&] { HISVAL(v, 2, fraction); }, {"7", "8"}},
        {"AREVAL", 0, [&] { AREVAL(s, e, s, e, 2, zero, one); }, {"9", "9"}},
        {"STPVAL", 0, [&] { STPVAL(s, e, v, 2, b, nine, one); }, {"7", "8"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.axis != 0) categoryAxis(c.axis, 2);
        else placeAxes();
        const auto placed = placedTexts(run(c.call));
        ASSERT_EQ(placed.size(), 2u * 3u);
        std::vector<std::string> numbers;
        for (size_t k = 1; k < placed.size(); k += 3) {
            EXPECT_EQ(placed[k].substr(placed[k].find(' ') + 1, 3), "90 ");
            numbers.push_back(placed[k].substr(placed[k].find('"') + 1,
                                               placed[k].rfind('"') - placed[k].find('"') - 1));
        }
        EXPECT_EQ(numbers, c.numbers);
        const bool warned = std::string(c.name) != "HISVAL";
        EXPECT_EQ(errors(), warned ? std::vector<int>{-552} : std::vector<int>{});
        if (warned) {
            EXPECT_NE(routinesReported().front().find(std::string("(") + c.name + ")"),
                      std::string::npos);
        }
    }
}

// Data that are no numbers or endless give each plot routine a range it cannot lay
// intervals over: the axis takes its default range with warning -520 and the chart is drawn
// on finite, annotated axes.
TEST_F(Conventions, NonFiniteDataLeaveFiniteAxes)
{
    const float nan = std::nanf(""), inf = INFINITY;
    const float a[] = {nan, 2.0f, 3.0f}, b[] = {1.0f, inf, 4.0f}, c[] = {1.0f, 2.0f, 3.0f};
    const float none = 0.0f, half = 0.5f;
    const std::vector<std::pair<const char*, std::function<void()>>> plots = {
        {"BARCHA", [&] { BARCHA(a, b, 3, 1, half, none, none); }},
        {"HISCHA", [&] { HISCHA(b, 3, 0, half, none, none); }},
        {"ARECHA", [&] { ARECHA(a, b, c, c, 3, 0); }},
        {"STPCHA", [&] { STPCHA(a, c, b, 3, 0, none, 2); }},
    };
    for (const auto& [name, plot] : plots) {
        SCOPED_TRACE(name);
        const auto placed = placedTexts(run(plot));
        EXPECT_GE(placed.size(), 10u);
        for (const std::string& t : placed) {
            EXPECT_EQ(t.find("nan"), std::string::npos) << t;
            EXPECT_EQ(t.find("inf"), std::string::npos) << t;
            EXPECT_EQ(t.find('*', t.find('"')), std::string::npos) << t;
        }
        EXPECT_EQ(errors(), std::vector<int>{-520});
    }
}
