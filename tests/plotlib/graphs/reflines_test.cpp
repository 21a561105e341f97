// Reference lines with captions and arrows: what reaches the kernel.
//
// Axes of graphs_fixture.h: x 0..10 over kernel 100..900, y 0..10 over kernel 100..600; the
// kernel's characters are 10 by 10, so a caption of two characters is 20 wide.
#include <cmath>
#include <string>
#include <vector>

#include "graphs/arrows.h"
#include "graphs_fixture.h"

using namespace plotlib;

namespace {

class ReferenceLineTest : public GraphsTest {
protected:
    void SetUp() override
    {
        GraphsTest::SetUp();
        placeAxes();
    }
    struct Caption {
        float x = 0, y = 0, angle = -1;
        std::string text;
        int drawn = 0;
    };
    // The caption of one REFLIN call: its position, angle and text, and how many were drawn.
    static Caption caption(const std::vector<std::string>& lines)
    {
        Caption c;
        const auto seq =
            only(lines, {"kernelSetTextPosition", "kernelSetCharAngle", "kernelDrawText"});
        for (size_t i = 0; i + 2 < seq.size(); ++i) {
            if (seq[i].rfind("kernelSetTextPosition", 0) == 0 &&
                seq[i + 1].rfind("kernelSetCharAngle", 0) == 0 &&
                seq[i + 2].rfind("kernelDrawText", 0) == 0) {
                const auto p = numbersAfterName(seq[i]);
                c.x = p[0];
                c.y = p[1];
                c.angle = numbersAfterName(seq[i + 1])[0];
                c.text = seq[i + 2].substr(15);
                ++c.drawn;
            }
        }
        return c;
    }
};

TEST_F(ReferenceLineTest, LineCrossesThePlotOnlyWhenItsValueLiesOnTheAxis)
{
    const struct {
        float value;
        int lineDirection;
        std::vector<std::string> drawn;
    } cases[] = {
        {5.0f, 1, {move(500, 100), line(500, 600)}},
        {5.0f, 0, {move(500, 100), line(500, 600)}},
        {4.0f, 2, {move(100, 300), line(900, 300)}},
        {4.0f, 7, {move(100, 300), line(900, 300)}},
        {0.0f, 1, {move(100, 100), line(100, 600)}},  // both ends count
        {10.0f, 1, {move(900, 100), line(900, 600)}},
        {10.0f, 2, {move(100, 600), line(900, 600)}},
        {10.001f, 1, {}},  // a hair beyond: nothing
        {-0.001f, 2, {}},
        {11.0f, 2, {}},
    };
    for (const auto& c : cases) {
        const auto lines = calls([&] { REFLIN("AB", 2, c.value, 3, 0, c.lineDirection); });
        SCOPED_TRACE("value " + num(c.value) + " direction " + std::to_string(c.lineDirection));
        EXPECT_EQ(drawing(lines), c.drawn);
        EXPECT_TRUE(errors().empty());
        EXPECT_EQ(caption(lines).drawn, c.drawn.empty() ? 0 : 1);
    }
}

// Every position of every table with a one-line caption "AB": W = 20, H = Wc = 10.  A vertical
// line at x = 5 (kernel 500) from 100 to 600; a horizontal one at y = 5 (kernel 350) from 100
// to 900.
TEST_F(ReferenceLineTest, CaptionsSitAtTheirEightPlaces)
{
    const struct {
        int lineDirection, textDirection, position;
        float x, y;
    } cases[] = {
        {1, 0, 1, 490, 85},  {1, 0, 2, 475, 105}, {1, 0, 3, 475, 345}, {1, 0, 4, 475, 585},
        {1, 0, 5, 490, 605}, {1, 0, 6, 505, 585}, {1, 0, 7, 505, 345}, {1, 0, 8, 505, 105},
        {1, 1, 1, 505, 75},  {1, 1, 2, 495, 105}, {1, 1, 3, 495, 340}, {1, 1, 4, 495, 575},
        {1, 1, 5, 505, 605}, {1, 1, 6, 515, 575}, {1, 1, 7, 515, 340}, {1, 1, 8, 515, 105},
        {2, 0, 1, 75, 345},  {2, 0, 2, 105, 355}, {2, 0, 3, 490, 355}, {2, 0, 4, 875, 355},
        {2, 0, 5, 905, 345}, {2, 0, 6, 875, 335}, {2, 0, 7, 490, 335}, {2, 0, 8, 105, 335},
        {2, 1, 1, 95, 340},  {2, 1, 2, 115, 355}, {2, 1, 3, 505, 355}, {2, 1, 4, 895, 355},
        {2, 1, 5, 915, 340}, {2, 1, 6, 895, 325}, {2, 1, 7, 505, 325}, {2, 1, 8, 115, 325},
    };
    for (const auto& c : cases) {
        const auto lines =
            calls([&] { REFLIN("AB  ", 4, 5.0f, c.position, c.textDirection, c.lineDirection); });
        SCOPED_TRACE("line " + std::to_string(c.lineDirection) + " text " +
                     std::to_string(c.textDirection) + " position " + std::to_string(c.position));
        const Caption got = caption(lines);
        ASSERT_EQ(got.drawn, 1);
        EXPECT_FLOAT_EQ(got.x, c.x);
        EXPECT_FLOAT_EQ(got.y, c.y);
        EXPECT_FLOAT_EQ(got.angle, c.textDirection == 1 ? 90.0f : 0.0f);
        EXPECT_EQ(got.text, "\"AB\"");  // trimmed
        EXPECT_TRUE(errors().empty());
    }
}

// Captions of one to three lines: the whole text block keeps to its side of the line (or
// beyond its end) and is centred where the position says so.  Lines after the first go two
// character heights below the first; turned text has its glyphs left of its baseline and its
// later lines to the right.
TEST_F(ReferenceLineTest, CaptionsOfSeveralLinesKeepToTheirSide)
{
    const char* texts[] = {"ABCD", "ABCD*NEF", "ABCD*NEF*NG"};
    const float H = 10.0f, W = 40.0f, tolerance = 1e-3f;
    for (int k = 0; k < 3; ++k) {
        for (int lineDirection : {1, 2}) {
            for (int turned : {0, 1}) {
                for (int position = 1; position <= 8; ++position) {
                    const std::string text = texts[k];
                    const auto lines = calls([&] {
                        REFLIN(text.c_str(), static_cast<int>(text.size()), 5.0f, position, turned,
                               lineDirection);
                    });
                    SCOPED_TRACE(text + " line " + std::to_string(lineDirection) + " turned " +
                                 std::to_string(turned) + " position " + std::to_string(position));
                    const Caption c = caption(lines);
                    ASSERT_EQ(c.drawn, 1);
                    // The block: x0..x1, y0..y1.
                    float x0, x1, y0, y1;
                    if (turned == 1) {
                        x0 = c.x - H, x1 = c.x + 2 * H * k, y0 = c.y, y1 = c.y + W;
                    } else {
                        x0 = c.x, x1 = c.x + W, y0 = c.y - 2 * H * k, y1 = c.y + H;
                    }
                    // Across the line and along it.
                    const bool vertical = lineDirection == 1;
                    const float across0 = vertical ? x0 : y0, across1 = vertical ? x1 : y1;
                    const float along0 = vertical ? y0 : x0, along1 = vertical ? y1 : x1;
                    const float line = vertical ? 500.0f : 350.0f;
                    const float low = 100.0f, high = vertical ? 600.0f : 900.0f;
                    const float mid = (low + high) / 2;
                    if (position == 1 || position == 5) {
                        // Beyond an end of the line, centred on it.
                        if (position == 1) EXPECT_LT(along1, low);
                        else EXPECT_GT(along0, high);
                        EXPECT_NEAR((across0 + across1) / 2, line, tolerance);
                        continue;
                    }
                    // Beside the line: vertical 2-4 left, 6-8 right; horizontal 2-4 above,
                    // 6-8 below.
                    const bool greaterSide = vertical ? position >= 6 : position <= 4;
                    if (greaterSide) EXPECT_GT(across0, line);
                    else EXPECT_LT(across1, line);
                    // 2 and 8 at the low end, 3 and 7 centred, 4 and 6 at the high end.
                    if (position == 2 || position == 8) {
                        EXPECT_GE(along0, low);
                        EXPECT_LT(along1, mid);
                    } else if (position == 3 || position == 7) {
                        EXPECT_NEAR((along0 + along1) / 2, mid, tolerance);
                    } else {
                        EXPECT_GT(along0, mid);
                        EXPECT_LE(along1, high);
                    }
                }
            }
        }
    }
}

TEST_F(ReferenceLineTest, BadPositionIsWarnedAndTakenAsOne)
{
    for (int position : {0, 9, -3}) {
        const auto lines = calls([&] { REFLIN("AB", 2, 5.0f, position, 0, 1); });
        ASSERT_EQ(tarv::errorLog().size(), 1u);
        EXPECT_EQ(tarv::errorLog()[0].number, -543);
        EXPECT_EQ(tarv::errorLog()[0].routine, "kpAddReferenceLine(REFLIN)");
        const Caption c = caption(lines);
        EXPECT_FLOAT_EQ(c.x, 490.0f);
        EXPECT_FLOAT_EQ(c.y, 85.0f);
        EXPECT_EQ(drawing(lines), (std::vector<std::string>{move(500, 100), line(500, 600)}));
    }
}

TEST_F(ReferenceLineTest, BlankOrEmptyCaptionDrawsOnlyTheLine)
{
    const struct {
        const char* text;
        int length;
    } cases[] = {{"    ", 4}, {"", 0}, {"AB", 0}, {"AB", -2}, {nullptr, 5}};
    for (const auto& c : cases) {
        const auto lines = calls([&] { REFLIN(c.text, c.length, 5.0f, 5, 1, 1); });
        EXPECT_EQ(drawing(lines), (std::vector<std::string>{move(500, 100), line(500, 600)}));
        EXPECT_TRUE(only(lines, {"kernelDrawText", "kernelEnquireTextExtent"}).empty());
        EXPECT_TRUE(errors().empty());
    }
}

// The frame saves the caller's text state: the turned caption leaves no turned text behind.
TEST_F(ReferenceLineTest, CallerTextAngleAndPositionComeBack)
{
    kernelSetCharAngle(30.0f);
    kernelSetTextPosition(12.0f, 34.0f);
    REFLIN("AB", 2, 5.0f, 7, 1, 2);
    int mode = 0, font = 0, fifth = 0;
    float width = 0, height = 0, angle = 0, x = 0, y = 0, unused = 0;
    kernelEnquireTextAttributes(mode, width, height, font, fifth, angle);
    kernelEnquireTextPosition(x, y, unused);
    EXPECT_FLOAT_EQ(angle, 30.0f);
    EXPECT_FLOAT_EQ(x, 12.0f);
    EXPECT_FLOAT_EQ(y, 34.0f);
}

// With axes through value 0 the stored origins are where 0 lies, not where the axes start: the
// line still spans the plot and every value on the axis is accepted.
TEST_F(ReferenceLineTest, AxesThroughZeroBoundTheLineByTheirEnds)
{
    AXIPOS(0, 500.0f, 350.0f, 800.0f, 1);
    AXISCA(3, 10, -5.0f, 5.0f, 1);
    AXIPOS(0, 500.0f, 350.0f, 500.0f, 2);
    AXISCA(3, 10, -5.0f, 5.0f, 2);
    auto lines = calls([] { REFLIN("AB", 2, -4.0f, 1, 0, 1); });
    EXPECT_EQ(drawing(lines), (std::vector<std::string>{move(180, 100), line(180, 600)}));
    EXPECT_FLOAT_EQ(caption(lines).y, 85.0f);
    lines = calls([] { REFLIN("AB", 2, -4.0f, 1, 0, 2); });
    EXPECT_EQ(drawing(lines), (std::vector<std::string>{move(100, 150), line(900, 150)}));
    EXPECT_FLOAT_EQ(caption(lines).x, 75.0f);
    EXPECT_TRUE(errors().empty());
}

// Only the coordinate of the line is converted: a vertical line at a negative x is fine on a
// logarithmic y axis, and a horizontal line below 0 on a linear y axis beside a log x axis.
TEST_F(ReferenceLineTest, OnlyTheLinesOwnAxisIsConverted)
{
    AXISCA(3, 10, -10.0f, 10.0f, 1);
    AXISCA(4, 0, 1.0f, 100.0f, 2);
    auto lines = calls([] { REFLIN("AB", 2, -5.0f, 1, 0, 1); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(drawing(lines), (std::vector<std::string>{move(300, 100), line(300, 600)}));
    // A value with no logarithm on the line's own axis is reported as the mapping does.
    lines = calls([] { REFLIN("AB", 2, -5.0f, 1, 0, 2); });
    EXPECT_EQ(errors(), std::vector<int>{514});
}

class ArrowTest : public GraphsTest {
protected:
    void SetUp() override
    {
        GraphsTest::SetUp();
        placeAxes();
        kernelMovePen(100.0f, 100.0f);
    }
};

// Geometry of the head for every direction: both corners at distance s from the end, 30
// degrees either side of the shaft and behind the end point.
TEST_F(ArrowTest, HeadPointsAlongTheShaftInEveryDirection)
{
    const struct {
        float dx, dy;
    } cases[] = {{100, 0},     {-100, 0},   {0, 100},   {0, -100},  {100, 100},     {-100, 100},
                 {-100, -100}, {100, -100}, {30, -200}, {-250, 40}, {0.000001f, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(num(c.dx) + " " + num(c.dy));
        kernelMovePen(100.0f, 100.0f);
        const float tx = 100 + c.dx, ty = 100 + c.dy;
        const auto lines = calls([&] { ARROW(tx, ty, 0, 0); });
        EXPECT_TRUE(errors().empty());
        const auto seq = only(lines,
                              {"kernelMovePen", "kernelDrawLineTo", "kernelMovePenBy",
                               "kernelDrawLineBy", "kernelFillPolygon"});
        ASSERT_EQ(seq.size(), 4u);
        EXPECT_EQ(seq[0], line(tx, ty));
        ASSERT_EQ(seq[1].rfind("kernelDrawLineTo ", 0), 0u);
        ASSERT_EQ(seq[2].rfind("kernelMovePenBy ", 0), 0u);
        EXPECT_EQ(seq[3], line(tx, ty));
        const auto q1 = numbersAfterName(seq[1]), d = numbersAfterName(seq[2]);
        const float q2x = q1[0] + d[0], q2y = q1[1] + d[1];
        const float length = std::hypot(c.dx, c.dy);
        const float ux = c.dx / length, uy = c.dy / length, s = 10.0f;
        // Foot of the head on the shaft and the half-width across it.
        const float fx = tx - 0.866025f * s * ux, fy = ty - 0.866025f * s * uy;
        const float pts[2][2] = {{q1[0], q1[1]}, {q2x, q2y}};
        float side[2];
        for (int i = 0; i < 2; ++i) {
            EXPECT_NEAR(std::hypot(pts[i][0] - tx, pts[i][1] - ty), s, 1e-3);
            // Along the shaft at the foot, half a side across it.
            EXPECT_NEAR((pts[i][0] - fx) * ux + (pts[i][1] - fy) * uy, 0.0f, 1e-3);
            side[i] = -(pts[i][0] - fx) * uy + (pts[i][1] - fy) * ux;
            EXPECT_NEAR(std::fabs(side[i]), 0.5f * s, 1e-3);
        }
        EXPECT_LT(side[0] * side[1], 0.0f);
    }
}

TEST_F(ArrowTest, HeadStylesAreOpenOutlinedOrFilled)
{
    // A rightward arrow from (100, 100) to (200, 100): Q1 = (191.34, 95), D = (0, 10).
    const struct {
        int style;
        std::vector<std::string> head;
        std::vector<int> errors;
    } cases[] = {
        {0, {"kernelDrawLineTo 191.34 95", "kernelMovePenBy 0 10", "kernelDrawLineTo 200 100"}, {}},
        {1,
         {"kernelDrawLineTo 191.34 95", "kernelDrawLineBy 0 10", "kernelDrawLineTo 200 100"},
         {}},
        {2, {"kernelFillPolygon 0 0 0 [191.34 191.34 200] [95 105 100] 3"}, {}},
        {3,
         {"kernelDrawLineTo 191.34 95", "kernelMovePenBy 0 10", "kernelDrawLineTo 200 100"},
         {-528}},
        {-1,
         {"kernelDrawLineTo 191.34 95", "kernelMovePenBy 0 10", "kernelDrawLineTo 200 100"},
         {-528}},
    };
    for (const auto& c : cases) {
        kernelMovePen(100.0f, 100.0f);
        const auto lines = calls([&] { ARROW(200.0f, 100.0f, c.style, 0); });
        std::vector<std::string> want{"kernelDrawLineTo 200 100"};
        want.insert(want.end(), c.head.begin(), c.head.end());
        EXPECT_EQ(only(lines,
                       {"kernelMovePen", "kernelDrawLineTo", "kernelMovePenBy", "kernelDrawLineBy",
                        "kernelFillPolygon"}),
                  want)
            << "style " << c.style;
        EXPECT_EQ(errors(), c.errors);
    }
}

TEST_F(ArrowTest, EndPointInGraphOrKernelCoordinates)
{
    auto lines = calls([] { ARROW(5.0f, 5.0f, 0, 1); });  // graph units: kernel (500, 350)
    EXPECT_EQ(only(lines, {"kernelDrawLineTo"}).front(), line(500, 350));
    kernelMovePen(100.0f, 100.0f);
    lines = calls([] { ARROW(5.0f, 5.0f, 0, 2); });  // bad switch: kernel units
    EXPECT_EQ(errors(), std::vector<int>{-528});
    EXPECT_EQ(only(lines, {"kernelDrawLineTo"}).front(), line(5, 5));
}

TEST_F(ArrowTest, ShortArrowGetsAHeadOfHalfItsLength)
{
    // Length 8 below the character width 10: s = 4, Q1 = (108 - 3.4641, 98).
    const auto lines = calls([] { ARROW(108.0f, 100.0f, 1, 0); });
    EXPECT_EQ(only(lines, {"kernelDrawLineTo", "kernelDrawLineBy"}),
              (std::vector<std::string>{"kernelDrawLineTo 108 100", "kernelDrawLineTo 104.536 98",
                                        "kernelDrawLineBy 0 4", "kernelDrawLineTo 108 100"}));
}

TEST_F(ArrowTest, ArrowToThePenPositionIsWarnedAndNotDrawn)
{
    for (float d : {0.0f, 0.000005f}) {
        const auto lines = calls([&] { ARROW(100.0f + d, 100.0f - d, 2, 0); });
        EXPECT_EQ(errors(), std::vector<int>{-529});
        EXPECT_TRUE(
            only(lines,
                 {"kernelDrawLineTo", "kernelFillPolygon", "kernelMovePenBy", "kernelSetLineStyle"})
                .empty());
    }
}

// The head is drawn solid and the caller's style is in force again afterwards, a user dash
// pattern with its four values.
TEST_F(ArrowTest, HeadIsSolidAndTheLineStyleIsGivenBack)
{
    const struct {
        int style;
        std::vector<std::string> restores;
    } cases[] = {
        {0, {}},
        {3, {"kernelSetLineStyle 0", "kernelSetLineStyle 3"}},
        {-1, {"kernelSetLineStyle 0", "kernelSetLineStyle -1", "kernelSetDashPattern 5 2 1 2"}},
    };
    for (const auto& c : cases) {
        if (c.style == -1) kernelSetDashPattern(5.0f, 2.0f, 1.0f, 2.0f);
        else kernelSetLineStyle(c.style);
        kernelMovePen(100.0f, 100.0f);
        const auto lines = calls([] { ARROW(200.0f, 150.0f, 1, 0); });
        EXPECT_EQ(only(lines, {"kernelSetLineStyle", "kernelSetDashPattern"}), c.restores);
        // The shaft comes before the solid style, the head after it.
        const auto seq =
            only(lines, {"kernelSetLineStyle", "kernelDrawLineTo", "kernelDrawLineBy"});
        if (c.style != 0) {
            EXPECT_EQ(seq[0], line(200, 150));
            EXPECT_EQ(seq[1], "kernelSetLineStyle 0");
            EXPECT_EQ(seq.back().rfind("kernelSetLineStyle", 0), 0u);
        }
        int style = 99;
        kernelEnquireLineStyle(style);
        EXPECT_EQ(style, c.style);
        if (c.style == -1) {
            float d[4] = {};
            kernelEnquireDashPattern(d[0], d[1], d[2], d[3]);
            EXPECT_EQ(std::vector<float>(d, d + 4), (std::vector<float>{5, 2, 1, 2}));
        }
    }
}

// The vector charts draw their heads through the same routines.
TEST(ArrowHeadGeometry, AnglesOfVerticalShafts)
{
    EXPECT_FLOAT_EQ(graphArrowAngle(0.0f, 5.0f), 1.570796f);
    EXPECT_FLOAT_EQ(graphArrowAngle(0.0f, -5.0f), 4.712388f);
    EXPECT_FLOAT_EQ(graphArrowAngle(0.000009f, -5.0f), 4.712388f);
    EXPECT_NEAR(graphArrowAngle(-1.0f, -1.0f), 0.785398f, 1e-6);  // the arctangent's quadrant
    const ArrowHead down = graphArrowHeadCorners(0.0f, 0.0f, 0.0f, -50.0f, 10.0f);
    EXPECT_NEAR(down.q1x, -5.0f, 1e-4);
    EXPECT_NEAR(down.q1y, 8.66025f, 1e-4);
    EXPECT_NEAR(down.offsetX, 10.0f, 1e-4);
    EXPECT_NEAR(down.offsetY, 0.0f, 1e-4);
}

}  // namespace
