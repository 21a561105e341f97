// Histograms: the base line for every sign of the data, open outlines along the base, fills
// and value tags that turn their moves below the base.
#include <string>
#include <vector>

#include "charts_fixture.h"

namespace {

using Histograms = ChartsTest;

bool finite(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        if (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos)
            return false;
    return true;
}

}  // namespace

// The base line of HISCHA on the default y axis (from 50, 650 long): the bottom for
// positive data, the top for negative data, the value 0 when the data straddle it.
TEST_F(Histograms, PlotBaseLineFollowsTheData)
{
    struct Case {
        std::vector<float> values;
        std::vector<int> errors;
        float base;
        float low, high;  // value range the y axis was scaled to
    };
    const std::vector<Case> cases = {
        {{2, 2, 2}, {-520}, 50, 0, 2},
        {{-1, -3}, {}, 700, -3, -1},
        {{-2, 4}, {}, 50 + 650.0f * 2 / 6, -2, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values.front());
        const int n = static_cast<int>(c.values.size());
        const auto got = outline(run([&] { HISCHA(c.values.data(), n, 0, 1.0f, 0.0f, 0.0f); }));
        EXPECT_EQ(errors(), c.errors);
        EXPECT_FLOAT_EQ(graphAxis(2).minimum, c.low);
        EXPECT_FLOAT_EQ(graphAxis(2).maximum, c.high);
        EXPECT_FLOAT_EQ(graphState.bar.startY, c.base);
        EXPECT_EQ(graphState.bar.outlineMode, 0);
        ASSERT_FALSE(got.empty());
        // One staircase from the base over all columns down to the base (the value axis's
        // zero line, when drawn, comes first).
        EXPECT_EQ(got[got.size() - 2u * n - 2], M(90, c.base));
        EXPECT_EQ(got.back(), L(960, c.base));
    }

    auto lines = run([] {
        const float zeros[] = {0.0f, 0.0f};
        HISCHA(zeros, 2, 0, 0.5f, 0.0f, 0.0f);
    });
    EXPECT_EQ(errors(), (std::vector<int>{-520, -520}));
    EXPECT_TRUE(finite(lines));

    lines = run([] {
        const float values[] = {3.0f, 0.0f};
        HISCHA(values, 2, 1, 0.5f, 0.0f, 0.0f);
    });
    EXPECT_EQ(errors(), std::vector<int>{504});
    EXPECT_TRUE(pen(lines).empty());
}

// Outlines on placed axes (four cells 200 wide from x 100; y 0..10 from 100, 50 a unit).
TEST_F(Histograms, OutlinesOpenAlongTheBase)
{
    const float values[] = {1.0f, 3.0f, 2.0f, 5.0f};
    categoryAxis(1, 4);
    EXPECT_EQ(pen(run([&] { GRAHIS(values, 4, 1.0f); })),
              (std::vector<std::string>{M(100, 100), L(100, 150), L(300, 150), L(300, 250),
                                        L(500, 250), L(500, 200), L(700, 200), L(700, 350),
                                        L(900, 350), L(900, 100)}));
    const auto apart = pen(run([&] { HISGRA(values, 4, 0.5f); }));
    ASSERT_EQ(apart.size(), 16u);
    EXPECT_EQ((std::vector<std::string>(apart.begin(), apart.begin() + 4)),
              (std::vector<std::string>{M(150, 100), L(150, 150), L(250, 150), L(250, 100)}));
    EXPECT_EQ(apart[12], M(750, 100));

    // Columns along x when y alone is the category axis (cells 125 high from y 100).
    categoryAxis(2, 4);
    EXPECT_EQ(pen(run([&] { GRAHIS(values + 1, 1, 0.5f); })),
              (std::vector<std::string>{M(100, 131.25), L(kx(3), 131.25), L(kx(3), 193.75),
                                        L(100, 193.75)}));
    EXPECT_TRUE(errors().empty());

    // A reversed value axis (10 at the bottom, 0 at the top): the base is where 0 lies.
    categoryAxis(1, 4);
    AXISCA(3, 10, 10.0f, 0.0f, 2);
    EXPECT_EQ(pen(run([&] { GRAHIS(values + 2, 1, 0.5f); })),
              (std::vector<std::string>{M(150, 600), L(150, 500), L(250, 500), L(250, 600)}));
}

TEST_F(Histograms, FillsFromTheBase)
{
    categoryAxis(1, 4);
    AXISCA(3, 10, -5.0f, 5.0f, 2);  // kernel y = 350 + 50 v
    const float values[] = {3.0f, 0.0f, -2.0f, 5.0f};
    const int styles[] = {0, 0, 1, 0}, pens[] = {2, 2, 2, 2};
    EXPECT_EQ(fills(run([&] { HISFIL(values, 4, 0.5f, styles, pens); })),
              (std::vector<std::string>{"0 2 150 350 250 500", "1 2 550 350 650 250",
                                        "0 2 750 350 850 600"}));
    categoryAxis(2, 4);
    EXPECT_EQ(fills(run([&] { HISFIL(values, 1, 0.5f, styles, pens); })),
              (std::vector<std::string>{"0 2 100 131.25 340 193.75"}));
    // Lying columns: one of no length is handed on as it is, columns of no width are not.
    EXPECT_EQ(fills(run([&] { HISFIL(values, 2, 0.5f, styles, pens); })),
              (std::vector<std::string>{"0 2 100 131.25 340 193.75", "0 2 100 256.25 100 318.75"}));
    EXPECT_TRUE(fills(run([&] { HISFIL(values, 2, 0.0f, styles, pens); })).empty());
}

// Tags: a2 picks base, middle or end; below the base line both one-character moves turn, so
// that along the values 2 and -2 still lead away from the column.
TEST_F(Histograms, ValueTagsTurnBelowTheBase)
{
    struct Case {
        float value;
        int a1, a2;
        float x, y;  // anchor; the number stands 10 below it (a7 -1)
    };
    // Column 1: centre 200, 100 wide; base at kernel y 350; ky(v) = 350 + 50 v.
    const std::vector<Case> cases = {
        {3, 0, 2, 200, 510}, {-2, 0, 2, 200, 240}, {-2, 2, -2, 240, 360},
        {3, 0, 0, 200, 425}, {3, 0, 3, 200, 400},  {-2, -1, 1, 140, 260},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " " + std::to_string(c.a1) + " " +
                     std::to_string(c.a2));
        categoryAxis(1, 4);
        AXISCA(3, 10, -5.0f, 5.0f, 2);
        VALATT(c.a1, c.a2, 1.0f, 0.0f, 0.0f, 0.0f, -1, -1);
        const auto placed = placedTexts(run([&] { HISVAL(&c.value, 1, 0.5f); }));
        EXPECT_TRUE(errors().empty());
        ASSERT_EQ(placed.size(), 3u);
        EXPECT_EQ(placed[1], at(c.x, c.y - 10, c.value < 0 ? "-2" : "3"));
    }
    EXPECT_FLOAT_EQ(graphState.bar.startX, 200.0f);
    EXPECT_FLOAT_EQ(graphState.bar.startY, 350.0f);

    // Columns along x (cells 125 high from y 100; kernel x = 500 + 80 v): both moves turn
    // for a negative column.
    categoryAxis(2, 4);
    AXISCA(3, 10, -5.0f, 5.0f, 1);
    VALATT(2, 2, 0.0f, 0.0f, 0.0f, 0.0f, -1, -1);
    const float negative = -2.0f;
    const auto placed = placedTexts(run([&] { HISVAL(&negative, 1, 0.5f); }));
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[1], at(340 - 10, 162.5 + 31.25 - 10 - 10, "-2"));
}
