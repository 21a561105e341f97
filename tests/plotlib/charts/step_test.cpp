// Step charts: the four outline figures, contiguity, orientation, axes from the data with
// the base included, fills and value tags.
#include <string>
#include <vector>

#include "charts_fixture.h"

namespace {

using Steps = ChartsTest;

std::string tagNumber(const std::vector<std::string>& placed, size_t tag)
{
    const std::string& t = placed.at(3 * tag + 1);
    return t.substr(t.find('"') + 1, t.rfind('"') - t.find('"') - 1);
}

std::string tagPosition(const std::vector<std::string>& placed, size_t tag)
{
    const std::string& t = placed.at(3 * tag + 1);
    return t.substr(0, t.find('"') - 1);
}

}  // namespace

// Steps 1 and 2 touch (1.0 against 1.000001), 2 and 3 are apart; base 0.  On the placed
// axes x 0, 1, 2, 3, 4 lie at 100, 180, 260, 340, 420 and y 0, 1, 2, 3 at 100 .. 250.
TEST_F(Steps, OutlineFigures)
{
    placeAxes();
    const float s[] = {0.0f, 1.000001f, 3.0f}, e[] = {1.0f, 2.0f, 4.0f}, v[] = {2.0f, 3.0f, 1.0f};
    const float b = 0.0f;
    const std::vector<std::string> treads = {M(100, 200), L(180, 200), M(180, 250),
                                             L(260, 250), M(340, 150), L(420, 150)};
    struct Case {
        int code;
        std::vector<std::string> figure;
    };
    const std::vector<Case> cases = {
        {1,
         {M(100, 200), L(180, 200), L(180, 250), M(180, 250), L(260, 250), M(340, 150),
          L(420, 150)}},
        {2,
         {M(100, 100), L(100, 200), L(180, 200), L(180, 250), L(180, 250), L(260, 250), L(260, 100),
          M(340, 100), L(340, 150), L(420, 150), L(420, 100)}},
        {3,
         {M(100, 100), L(100, 200), L(180, 200), L(180, 100), M(180, 100), L(180, 250), L(260, 250),
          L(260, 100), M(340, 100), L(340, 150), L(420, 150), L(420, 100)}},
        {0, treads},
        {4, treads},
        {-1, treads},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(pen(run([&] { STPGRA(s, e, v, 3, b, c.code, 1); })), c.figure);
        EXPECT_TRUE(errors().empty());
    }
    // Orientation 2 and above transposes every point; 1 and below keep them.
    EXPECT_EQ(pen(run([&] { STPGRA(s, e, v, 1, b, 0, 5); })),
              (std::vector<std::string>{M(kx(2), ky(0)), L(kx(2), ky(1))}));
    for (int o : {0, -2, 1})
        EXPECT_EQ(pen(run([&] { STPGRA(s, e, v, 1, b, 0, o); })),
                  (std::vector<std::string>{M(100, 200), L(180, 200)}));
}

TEST_F(Steps, PlotFromTheDataWithTheBase)
{
    const float s[] = {0.0f, 1.0f}, e[] = {1.0f, 2.0f}, v[] = {3.0f, 4.0f};
    // Default axes: x 0..2 over 90..960, y 0..4 over 50..700.
    auto lines = run([&] { STPCHA(s, e, v, 2, 7, 0.0f, 2); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(graphAxis(1).scalingType, 1);
    EXPECT_EQ(graphAxis(2).scalingType, 1);
    EXPECT_EQ(outline(lines),
              (std::vector<std::string>{M(90, 50), L(90, 537.5), L(525, 537.5), L(525, 700),
                                        L(525, 700), L(960, 700), L(960, 50)}));
    // The base widens the value range upward too.
    run([&] { STPCHA(s, e, v, 2, 0, 10.0f, 1); });
    EXPECT_FLOAT_EQ(graphAxis(2).minimum, 3.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).maximum, 10.0f);

    // Mode 2 with spans 10 and 9.5: no widening.
    GRASCA(2);
    const float s2[] = {0.0f}, e2[] = {10.0f}, v2[] = {9.5f};
    run([&] { STPCHA(s2, e2, v2, 1, 0, 0.0f, 1); });
    EXPECT_FLOAT_EQ(graphAxis(1).minimum, 0.0f);
    EXPECT_FLOAT_EQ(graphAxis(1).maximum, 10.0f);
    GRASCA(0);

    // Logarithmic axes whose lower end (the base included) has no logarithm.
    lines = run([&] { STPCHA(s, e, v, 2, 2, 0.0f, 1); });
    EXPECT_EQ(errors(), std::vector<int>{514});
    EXPECT_TRUE(pen(lines).empty());
    lines = run([&] { STPCHA(s, e, v, 2, -1, 1.0f, 1); });
    EXPECT_EQ(errors(), std::vector<int>{513});
    EXPECT_TRUE(pen(lines).empty());
    const float s3[] = {1.0f, 10.0f}, e3[] = {10.0f, 100.0f};
    run([&] { STPCHA(s3, e3, v, 2, -1, 1.0f, 1); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(graphAxis(1).scalingType, 4);
    EXPECT_EQ(graphAxis(2).scalingType, 4);

    // A count below 1 leaves caller-placed axes as they are.
    placeAxes();
    run([&] { STPCHA(s, e, v, 0, 0, 0.0f, 1); });
    EXPECT_EQ(errors(), std::vector<int>{535});
    EXPECT_EQ(graphAxis(1).positioned, 1);
    EXPECT_FLOAT_EQ(graphAxis(1).length, 800.0f);
    EXPECT_EQ(graphAxis(2).scalingType, 3);
}

TEST_F(Steps, Fills)
{
    placeAxes();
    const float s[] = {0.0f, 1.0f, 3.0f}, e[] = {1.0f, 2.0f, 4.0f}, v[] = {2.0f, 3.0f, 1.0f};
    const int styles[] = {0, 1, 2}, pens[] = {2, -3, 4};
    EXPECT_EQ(fills(run([&] { STPFIL(s, e, v, 3, 1.0f, 1, styles, pens); })),
              (std::vector<std::string>{"0 2 100 150 180 200", "1 3 180 150 260 250",
                                        "2 4 340 150 420 150"}));
    EXPECT_EQ(errors(), std::vector<int>{-508});
    EXPECT_EQ(fills(run([&] { STPFIL(s, e, v, 1, 1.0f, 2, styles, pens); })),
              (std::vector<std::string>{"0 2 180 100 260 150"}));
}

// Values by the placement code on the step axis (start, end, width) or the value axis
// (level, height); the y axis divides its numbers by ten here.
TEST_F(Steps, ValueTags)
{
    placeAxes();
    AXIANN(2, 1, 1, 2);
    const float s[] = {1.0f}, e[] = {3.0f}, v[] = {6.0f}, b = 2.0f;
    struct Case {
        int code, orientation;
        const char* number;
        std::vector<int> errors;
    };
    const std::vector<Case> cases = {
        {1, 1, "1", {}},   {2, 1, "3", {}},   {3, 1, "0.6", {}}, {4, 1, "2", {}},
        {5, 1, "0.4", {}}, {1, 2, "0.1", {}}, {3, 2, "6", {}},   {9, 1, "0.6", {-552}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " " + std::to_string(c.orientation));
        const auto placed = placedTexts(run([&] { STPVAL(s, e, v, 1, b, c.code, c.orientation); }));
        EXPECT_EQ(tagNumber(placed, 0), c.number);
        EXPECT_EQ(errors(), c.errors);
    }

    // Whole numbers: moved 0.1 away from zero, halves away from zero.
    AXIANN(0, 40, 1, 2);
    const float levels[] = {2.4f, -2.4f, 2.3f, 0.45f, 0.0f, -0.3f};
    const float starts[] = {1, 2, 3, 4, 5, 6}, ends[] = {2, 3, 4, 5, 6, 7};
    const auto placed = placedTexts(run([&] { STPVAL(starts, ends, levels, 6, 0.0f, 3, 1); }));
    std::vector<std::string> numbers;
    for (size_t k = 0; k < 6; ++k) numbers.push_back(tagNumber(placed, k));
    EXPECT_EQ(numbers, (std::vector<std::string>{"3", "-3", "2", "1", "0", "0"}));
    EXPECT_FLOAT_EQ(levels[0], 2.4f);
}

// Anchors: corner A = (start, base), corner B = (end, level), transposed in orientation 2;
// a3 (for a1 = 3 or a2 = 3) is an x or y value whatever the orientation.
TEST_F(Steps, ValueTagAnchors)
{
    placeAxes();
    const float s[] = {1.0f}, e[] = {3.0f}, v[] = {6.0f}, b = 2.0f;
    struct Case {
        int a1, a2, orientation;
        float x, y;
    };
    const std::vector<Case> cases = {
        {2, -2, 1, 350, 190}, {2, -2, 2, 590, 140}, {3, 3, 1, 500, 350},
        {3, 3, 2, 500, 350},  {0, 0, 2, 420, 200},  {-1, 1, 1, 190, 390},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a1) + " " + std::to_string(c.a2) + " " +
                     std::to_string(c.orientation));
        VALATT(c.a1, c.a2, 5.0f, 0.0f, 0.0f, 0.0f, -1, -1);
        const auto placed = placedTexts(run([&] { STPVAL(s, e, v, 1, b, 3, c.orientation); }));
        EXPECT_EQ(tagPosition(placed, 0), num(c.x) + " " + num(c.y - 10));
    }

    // The fixed value is converted as a graph point for every step: with no logarithm on a
    // logarithmic x axis it is reported step by step.
    AXISCA(4, 2, 1.0f, 100.0f, 1);
    const float s2[] = {1.0f, 2.0f}, e2[] = {2.0f, 3.0f}, v2[] = {4.0f, 5.0f};
    VALATT(3, 0, 0.0f, 0.0f, 0.0f, 0.0f, -1, -1);
    run([&] { STPVAL(s2, e2, v2, 2, b, 3, 1); });
    EXPECT_EQ(errors(), (std::vector<int>{513, 513}));
    VALATT(0, 3, 0.0f, 0.0f, 0.0f, 0.0f, -1, -1);
    run([&] { STPVAL(s2, e2, v2, 2, b, 3, 2); });
    EXPECT_TRUE(errors().empty());
}
