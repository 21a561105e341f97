// Area charts: ranges from the bounds, graph scaling modes, outlines in both orientations,
// logarithmic axes, fills and value tags.
#include <string>
#include <vector>

#include "charts_fixture.h"

namespace {

using Areas = ChartsTest;

// The number of a value tag: the second text of the three a tag draws.
std::string tagNumber(const std::vector<std::string>& placed, size_t tag)
{
    const std::string& t = placed.at(3 * tag + 1);
    return t.substr(t.find('"') + 1, t.rfind('"') - t.find('"') - 1);
}

}  // namespace

TEST_F(Areas, PlotFromTheBounds)
{
    // Bounds need no order: x 0..2, y 1..5 on the default axes (from (90, 50), 870 by 650).
    const float a1[] = {2.0f}, a2[] = {0.0f}, a3[] = {5.0f}, a4[] = {1.0f};
    const auto lines = run([&] { ARECHA(a1, a2, a3, a4, 1, 0); });
    EXPECT_TRUE(errors().empty());
    EXPECT_FLOAT_EQ(graphAxis(1).minimum, 0.0f);
    EXPECT_FLOAT_EQ(graphAxis(1).maximum, 2.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).minimum, 1.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).maximum, 5.0f);
    EXPECT_EQ(
        outline(lines),
        (std::vector<std::string>{M(960, 50), L(90, 50), L(90, 700), L(960, 700), L(960, 50)}));
}

// Axis types: 1 log x, 2 log y, -1 both, anything else linear without a warning.  A log
// axis whose lower end has no logarithm stops the chart: 513 before any scaling, 514 after
// the x axis was scaled.
TEST_F(Areas, AxisTypes)
{
    const float a1[] = {1.0f}, a2[] = {100.0f}, a3[] = {10.0f}, a4[] = {1000.0f};
    struct Case {
        int type;
        int xType, yType;
    };
    for (const Case& c :
         std::vector<Case>{{0, 1, 1}, {1, 4, 1}, {2, 1, 4}, {-1, 4, 4}, {3, 1, 1}, {-2, 1, 1}}) {
        SCOPED_TRACE(c.type);
        const auto lines = run([&] { ARECHA(a1, a2, a3, a4, 1, c.type); });
        EXPECT_TRUE(errors().empty());
        EXPECT_EQ(graphAxis(1).scalingType, c.xType);
        EXPECT_EQ(graphAxis(2).scalingType, c.yType);
        EXPECT_EQ(outline(lines).size(), 5u);
    }
    const float zero[] = {0.0f};
    auto lines = run([&] { ARECHA(zero, a2, a3, a4, 1, 1); });
    EXPECT_EQ(errors(), std::vector<int>{513});
    EXPECT_TRUE(pen(lines).empty());
    EXPECT_EQ(graphAxis(1).scalingType, 1);  // left as the last chart scaled it

    lines = run([&] { ARECHA(a1, a2, zero, a4, 1, 2); });
    EXPECT_EQ(errors(), std::vector<int>{514});
    EXPECT_TRUE(pen(lines).empty());
    EXPECT_FLOAT_EQ(graphAxis(1).maximum, 100.0f);  // x was scaled before y failed
}

// Graph scaling modes: 1 one range for both axes, 2 the narrower span widened to the wider
// when they differ by more than one unit, 3 the same value per interval on both axes.
TEST_F(Areas, GraphScalingModes)
{
    const float a1[] = {0.0f}, a2[] = {10.0f}, a3[] = {0.0f}, a4[] = {4.0f};
    GRASCA(2);
    run([&] { ARECHA(a1, a2, a3, a4, 1, 0); });
    EXPECT_FLOAT_EQ(graphAxis(2).minimum, -3.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).maximum, 7.0f);
    const float tall[] = {10.5f};
    run([&] { ARECHA(a1, a2, a3, tall, 1, 0); });
    EXPECT_FLOAT_EQ(graphAxis(1).minimum, 0.0f);
    EXPECT_FLOAT_EQ(graphAxis(1).maximum, 10.0f);

    GRASCA(1);
    run([&] { ARECHA(a1, a2, a3, a4, 1, 0); });
    EXPECT_FLOAT_EQ(graphAxis(2).maximum, 10.0f);

    GRASCA(3);
    run([&] { ARECHA(a1, a2, a3, a4, 1, 0); });
    const double ux = (graphAxis(1).maximum - graphAxis(1).minimum) / graphAxis(1).intervalCount;
    const double uy = (graphAxis(2).maximum - graphAxis(2).minimum) / graphAxis(2).intervalCount;
    EXPECT_NEAR(ux, uy, 1e-5);
    EXPECT_TRUE(errors().empty());
}

// Outlines, fills and corners in both orientations on placed axes (kx = 100 + 80 x,
// ky = 100 + 50 y).
TEST_F(Areas, OutlinesAndFillsInBothOrientations)
{
    placeAxes();
    const float a1[] = {1.0f, 5.0f}, a2[] = {2.0f, 5.0f}, a3[] = {3.0f, 6.0f}, a4[] = {4.0f, 9.0f};
    auto got = pen(run([&] { AREGRA(a1, a2, a3, a4, 1, 5); }));
    EXPECT_EQ(got,
              (std::vector<std::string>{M(420, 200), L(340, 200), L(340, 150), L(420, 150),
                                        L(420, 200)}));
    for (int code : {0, 1, -4}) {
        got = pen(run([&] { AREGRA(a1, a2, a3, a4, 1, code); }));
        EXPECT_EQ(got.front(), M(180, 300));
        EXPECT_EQ(got[2], L(260, 250));
    }
    const int styles[] = {0, 4}, pens[] = {3, 1};
    EXPECT_EQ(fills(run([&] { AREFIL(a1, a2, a3, a4, 2, 1, styles, pens); })),
              (std::vector<std::string>{"0 3 180 250 260 300", "4 1 500 400 500 550"}));
    EXPECT_EQ(fills(run([&] { AREFIL(a1, a2, a3, a4, 2, 2, styles, pens); })),
              (std::vector<std::string>{"0 3 340 150 420 200", "4 1 580 350 820 350"}));

    // A bound with no logarithm on a log axis: 513 and the fallback coordinate -10.
    AXISCA(4, 0, 1.0f, 100.0f, 1);
    const float zero[] = {0.0f};
    got = pen(run([&] { AREGRA(zero, a2, a3, a4, 1, 1); }));
    EXPECT_EQ(errors(), (std::vector<int>{513, 513, 513}));
    EXPECT_EQ(got.front().substr(0, 6), "M -10 ");
}

// Value tags: the value by the placement code on the axis of its pair, anchored at the
// area's corners by a1 and a2 with the one-character moves.
TEST_F(Areas, ValueTags)
{
    placeAxes();
    AXIANN(2, 1, 1, 2);  // y numbers divided by ten
    const float a1[] = {1.0f}, a2[] = {3.0f}, a3[] = {2.0f}, a4[] = {6.0f};
    struct Case {
        int code, orientation;
        const char* number;
    };
    const std::vector<Case> cases = {
        {7, 1, "8"}, {0, 1, "8"},   {5, 1, "2"}, {6, 1, "0.4"},
        {1, 1, "1"}, {1, 2, "0.1"}, {3, 2, "2"}, {12, 3, "0.8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " " + std::to_string(c.orientation));
        const auto placed =
            placedTexts(run([&] { AREVAL(a1, a2, a3, a4, 1, c.code, c.orientation); }));
        EXPECT_EQ(tagNumber(placed, 0), c.number);
        EXPECT_EQ(errors(),
                  (c.code < 1 || c.code > 7) ? std::vector<int>{-552} : std::vector<int>{});
    }
    EXPECT_EQ(a1[0], 1.0f);
    EXPECT_EQ(a4[0], 6.0f);

    // Corners at kernel x 180 / 340 and y 200 / 400.
    struct Anchor {
        int a1, a2;
        float x, y;
    };
    for (const Anchor& c : std::vector<Anchor>{{0, 0, 260, 300},
                                               {-2, -2, 170, 190},
                                               {-1, 2, 190, 410},
                                               {1, 1, 330, 390},
                                               {2, -1, 350, 210},
                                               {3, 3, 500, 350}}) {
        SCOPED_TRACE(std::to_string(c.a1) + " " + std::to_string(c.a2));
        VALATT(c.a1, c.a2, 5.0f, 0.0f, 0.0f, 0.0f, -1, -1);
        const auto placed = placedTexts(run([&] { AREVAL(a1, a2, a3, a4, 1, 7, 1); }));
        ASSERT_EQ(placed.size(), 3u);
        EXPECT_EQ(placed[1].substr(0, placed[1].find('"') - 1), num(c.x) + " " + num(c.y - 10));
    }

    // The fixed value is converted for every area: with no logarithm on a logarithmic x
    // axis it is reported area by area.
    AXISCA(4, 2, 1.0f, 100.0f, 1);
    const float b1[] = {1.0f, 2.0f}, b2[] = {3.0f, 4.0f}, b3[] = {2.0f, 2.0f}, b4[] = {6.0f, 7.0f};
    VALATT(3, 0, 0.0f, 0.0f, 0.0f, 0.0f, -1, -1);
    run([&] { AREVAL(b1, b2, b3, b4, 2, 7, 1); });
    EXPECT_EQ(errors(), (std::vector<int>{513, 513}));
}
