// Bar charts: axes from the data with a category axis, touching bars traced as one outline,
// fills, value tags and the layout record the column drawing reads.
#include <string>
#include <vector>

#include "charts_fixture.h"

namespace {

using Bars = ChartsTest;

// Texts drawn well below the x axis of the default axes (which starts at y 50): the
// category numbers.
std::vector<std::string> belowXAxis(const std::vector<std::string>& placed)
{
    std::vector<std::string> out;
    for (const std::string& t : placed) {
        const float y = std::stof(t.substr(t.find(' ') + 1));
        if (y < 40.0f) out.push_back(t);
    }
    return out;
}

}  // namespace

// Three bars on the default axes: x from 90, 870 long, three cells of 290 centred at 235,
// 525 and 815; y from 50, 650 long, over 0..5 (130 a unit).
TEST_F(Bars, PlotFromDataWithCategoryNumbers)
{
    const float start[] = {0.0f, 0.0f, 0.0f}, end[] = {3.0f, 5.0f, 2.0f};
    auto lines = run([&] { BARCHA(start, end, 3, 1, 1.0f, 1990.0f, 2000.0f); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(
        belowXAxis(placedTexts(lines)),
        (std::vector<std::string>{at(215, 30, "1990"), at(505, 30, "1995"), at(795, 30, "2000")}));
    // One outline over the three touching bars; between bars 1 and 2 only 3..5 is drawn,
    // between bars 2 and 3 only 2..5.
    EXPECT_EQ(outline(lines),
              (std::vector<std::string>{M(90, 440), L(90, 50), L(380, 50), L(380, 50), L(670, 50),
                                        L(670, 50), L(960, 50), L(960, 310), L(670, 310),
                                        L(670, 700), L(380, 700), L(380, 440), L(90, 440)}));

    // Equal category ends: cells numbered 1..N internally, no numbers written.
    lines = run([&] { BARCHA(start, end, 3, 1, 0.5f, 7.0f, 7.0f); });
    EXPECT_TRUE(belowXAxis(placedTexts(lines)).empty());
    EXPECT_FALSE(placedTexts(lines).empty());
    const BarWorkingValues& bar = graphState.bar;
    EXPECT_EQ(bar.valueAxis, 2);
    EXPECT_EQ(bar.outlineMode, 1);
    EXPECT_FLOAT_EQ(bar.startX, 235.0f - 72.5f);
    EXPECT_FLOAT_EQ(bar.startY, 50.0f);
    EXPECT_FLOAT_EQ(bar.columnWidth, 145.0f);
    EXPECT_FLOAT_EQ(bar.widthFraction, 0.5f);
    EXPECT_EQ(graphState.graph.currentAxis, 1);
    EXPECT_EQ(outline(lines).front(), M(162.5, 440));
}

// Bar type: |type| picks the category axis, the sign the value scaling; other values warn
// -503 and give vertical bars.  A logarithmic value axis needs a bottom above 10 x tiny.
TEST_F(Bars, BarTypes)
{
    const float start[] = {1.0f, 1.0f}, end[] = {10.0f, 100.0f};
    struct Case {
        int type;
        std::vector<int> errors;
        int xType, yType;
    };
    const std::vector<Case> cases = {
        {1, {}, 5, 1},     {2, {}, 1, 5},     {-1, {}, 5, 4},     {-2, {}, 4, 5},
        {3, {-503}, 5, 1}, {0, {-503}, 5, 1}, {-7, {-503}, 5, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const auto lines = run([&] { BARCHA(start, end, 2, c.type, 0.5f, 0.0f, 0.0f); });
        EXPECT_EQ(errors(), c.errors);
        EXPECT_EQ(graphAxis(1).scalingType, c.xType);
        EXPECT_EQ(graphAxis(2).scalingType, c.yType);
        EXPECT_EQ(graphState.bar.valueAxis, c.xType == 5 ? 2 : 1);
        EXPECT_EQ(graphState.graph.currentAxis, c.xType == 5 ? 1 : 2);
        EXPECT_EQ(outline(lines).size(), 10u);
    }
    // Logarithmic values: decades 0..2 over 650 units, so 1, 10 and 100 lie at 50, 375, 700.
    const auto logBars = outline(run([&] { BARCHA(start, end, 2, -1, 0.5f, 0.0f, 0.0f); }));
    EXPECT_EQ(logBars[0], M(198.75, 375));
    EXPECT_EQ(logBars[1], L(198.75, 50));
    EXPECT_EQ(logBars[5], M(633.75, 700));
    // Horizontal bars: (value, category).
    const auto flat = outline(run([&] { BARCHA(start, end, 2, 2, 0.5f, 0.0f, 0.0f); }));
    EXPECT_EQ(flat[0].substr(0, 2), "M ");
    EXPECT_EQ(flat[0].substr(flat[0].rfind(' ') + 1), num(50 + 162.5 - 81.25));

    const float zero[] = {0.0f, 2.0f};
    auto lines = run([&] { BARCHA(zero, end, 2, -1, 0.5f, 0.0f, 0.0f); });
    EXPECT_EQ(errors(), std::vector<int>{504});
    EXPECT_TRUE(pen(lines).empty());
    EXPECT_TRUE(only(lines, {"kernelDrawLineBy", "kernelDrawText"}).empty());
    EXPECT_EQ(graphAxis(1).positioned, 0);
}

// Runs of touching bars: fraction 1 joins bars whose value intervals overlap or meet; apart
// intervals or a fraction below 1 give one closed rectangle each.
TEST_F(Bars, OutlineRuns)
{
    categoryAxis(1, 2);  // cells 400 wide: edges 100, 500, 900
    const float start[] = {1.0f, 4.0f}, end[] = {2.0f, 5.0f};
    auto got = pen(run([&] { GRABAR(start, end, 2, 1.0f); }));
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(got,
              (std::vector<std::string>{M(100, 200), L(100, 150), L(500, 150), L(500, 200),
                                        L(100, 200), M(500, 350), L(500, 300), L(900, 300),
                                        L(900, 350), L(500, 350)}));

    categoryAxis(1, 3);
    const float s3[] = {0.0f, 0.0f, 0.0f}, e3[] = {3.0f, 5.0f, 2.0f};
    got = pen(run([&] { GRABAR(s3, e3, 3, 0.9999f); }));
    ASSERT_EQ(got.size(), 15u);
    for (size_t k = 0; k < got.size(); k += 5) {
        EXPECT_EQ(got[k][0], 'M');
        EXPECT_EQ(got[k].substr(1), got[k + 4].substr(1));  // closed where it began
    }
    got = pen(run([&] { GRABAR(s3, e3, 3, 1.0f); }));
    EXPECT_EQ(got.size(), 13u);
    EXPECT_EQ(got.front().substr(1), got.back().substr(1));
}

// The outline routine takes the one axis of scaling type 5; with neither or both it warns
// -503 straight to the kernel and takes x.
TEST_F(Bars, OutlineCategoryAxisChoice)
{
    const float start[] = {0.0f}, end[] = {4.0f};
    categoryAxis(2, 1);  // y: one cell 500 high, centred at 350
    auto got = pen(run([&] { GRABAR(start, end, 1, 0.5f); }));
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(got.front(), M(kx(4), 225));
    EXPECT_EQ(graphState.bar.valueAxis, 1);

    placeAxes();
    got = pen(run([&] { GRABAR(start, end, 1, 0.5f); }));
    EXPECT_EQ(errors(), std::vector<int>{-503});
    EXPECT_EQ(routinesReported(), std::vector<std::string>{"GRABAR"});
    EXPECT_EQ(graphState.bar.valueAxis, 2);

    categoryAxis(1, 2);
    AXISCA(5, 2, 1.0f, 2.0f, 2);
    run([&] { BARGRA(start, end, 1, 0.5f); });
    EXPECT_EQ(errors(), std::vector<int>{-503});
    EXPECT_EQ(graphState.bar.valueAxis, 2);
}

// Fills: corner 1 at the low edge and the end value, corner 2 at the high edge and the start
// value; corners at the same kernel height are left out: a standing bar of no length, a lying
// bar of no width (a lying bar of no length is handed on as it is).
TEST_F(Bars, Fills)
{
    const float start[] = {1.0f, 2.0f, 3.0f, 3.0f}, end[] = {4.0f, 2.0f, 5.0f, 1.0f};
    const int styles[] = {0, 0, 2, 0}, pens[] = {1, 1, 3, 1};
    categoryAxis(1, 4);  // cells 200: centres 200, 400, 600, 800
    auto got = fills(run([&] { BARFIL(start, end, 4, 0.5f, styles, pens); }));
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(got,
              (std::vector<std::string>{"0 1 150 300 250 150", "2 3 550 350 650 250",
                                        "0 1 750 150 850 250"}));

    categoryAxis(2, 4);  // cells 125: centres 162.5 ... ; bars along x
    got = fills(run([&] { BARFIL(start, end, 4, 0.5f, styles, pens); }));
    EXPECT_EQ(got,
              (std::vector<std::string>{"0 1 420 131.25 180 193.75", "0 1 260 256.25 260 318.75",
                                        "2 3 500 381.25 340 443.75", "0 1 180 506.25 340 568.75"}));
    EXPECT_EQ(graphState.graph.currentAxis, 2);
    EXPECT_TRUE(fills(run([&] { BARFIL(start, end, 4, 0.0f, styles, pens); })).empty());
    categoryAxis(1, 4);
    EXPECT_EQ(fills(run([&] { BARFIL(start, end, 1, 0.0f, styles, pens); })),
              std::vector<std::string>{"0 1 200 300 200 150"});
}

// Value tags: the value by the placement code, anchored on the bar by a1 and a2.  Tags are
// laid out from the anchor (a8 -1) hanging below it (a7 -1: the number at anchor y - 10).
TEST_F(Bars, ValueTagsAndAnchors)
{
    const float start[] = {2.0f}, end[] = {5.0f};
    struct Case {
        int a1, a2, code;
        float x, y;
        const char* text;
    };
    // One bar, centre 200, 100 wide, from ky(2) = 200 to ky(5) = 350; characters 10 x 10.
    const std::vector<Case> cases = {
        {0, 2, 3, 200, 360, "3"}, {-2, -2, 1, 140, 190, "2"}, {-1, -1, 2, 160, 210, "5"},
        {1, 1, 3, 240, 340, "3"}, {2, 0, 3, 260, 275, "3"},   {3, 3, 3, 200, 500, "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a1) + " " + std::to_string(c.a2));
        categoryAxis(1, 4);
        VALATT(c.a1, c.a2, 8.0f, 0.0f, 0.0f, 0.0f, -1, -1);
        const auto placed = placedTexts(run([&] { BARVAL(start, end, 1, 0.5f, c.code); }));
        EXPECT_TRUE(errors().empty());
        ASSERT_EQ(placed.size(), 3u);
        EXPECT_EQ(placed[1], at(c.x, c.y - 10, c.text));
    }
    EXPECT_FLOAT_EQ(graphState.bar.startX, 200.0f);  // the first centre, not its edge

    // Bars along x: a1 places along the values, a2 across the bar.
    categoryAxis(2, 4);
    VALATT(2, 0, 0.0f, 0.0f, 0.0f, 0.0f, -1, -1);
    const auto placed = placedTexts(run([&] { BARVAL(start, end, 1, 0.5f, 3); }));
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[1], at(kx(5) + 10, 162.5 - 10, "3"));
}

// A single bar fills the middle of the axis; all-zero bars still give finite axes.  The
// category axis of one bar without a category range spans 1..1, which the axis scaling
// widens with its warning -520.
TEST_F(Bars, SingleAndDegenerateBars)
{
    const float start[] = {0.0f}, end[] = {3.0f};
    auto lines = run([&] { BARCHA(start, end, 1, 1, 0.5f, 0.0f, 0.0f); });
    EXPECT_EQ(errors(), std::vector<int>{-520});
    EXPECT_EQ(outline(lines),
              (std::vector<std::string>{M(307.5, 700), L(307.5, 50), L(742.5, 50), L(742.5, 700),
                                        L(307.5, 700)}));

    const float zeros[] = {0.0f, 0.0f};
    lines = run([&] { BARCHA(zeros, zeros, 2, 1, 1.0f, 1.0f, 2.0f); });
    EXPECT_EQ(errors(), std::vector<int>{-520});
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
    }
    // The line through the value 0 inside the value range, then one closed run of two bars.
    const auto got = outline(lines);
    ASSERT_EQ(got.size(), 11u);
    EXPECT_EQ(got[2][0], 'M');
    EXPECT_EQ(got[2].substr(1), got[10].substr(1));
}
