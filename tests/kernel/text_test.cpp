// Texts: control sequences, the five extent values, where drawing leaves the current point,
// where glyphs land, used lengths.
#include <cmath>
#include <vector>

#include "kernel_fixture.h"

namespace {

class KernelText : public KernelTest {
protected:
    void SetUp() override
    {
        KernelTest::SetUp();
        kernelSetCharSize(8.0f, 12.0f);
    }
};

struct ExtentCase {
    const char* text;
    float e1, e2, e3, e4, e5;
};

TEST_F(KernelText, ExtentsOfOneLineAndMultiLineTexts)
{
    const std::vector<ExtentCase> cases = {
        {"ABC", 24, 1, 12, 12, 3},    {"AB*NCDEF", 32, 2, 36, 12, 4}, {"x*N*Ny", 8, 3, 60, 12, 1},
        {"*.", 0, 1, 0, 0, 0},        {"*.ABC", 0, 1, 0, 0, 0},       {"%*.", 8, 1, 12, 12, 1},
        {"%*.tail", 8, 1, 12, 12, 1}, {"a**b", 24, 1, 12, 12, 3},     {"ab  ", 32, 1, 12, 12, 4},
        {"a*", 16, 1, 12, 12, 2},   // a control character at the end is literal
        {"a*q", 24, 1, 12, 12, 3},  // so is an unknown sequence
        {"", 0, 1, 0, 0, 0},
    };
    kernelSetCharAngle(90.0f);  // measured at angle 0 whatever the angle
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        float e[5] = {-1, -1, -1, -1, -1};
        kernelEnquireTextExtent(c.text, static_cast<int>(std::strlen(c.text)), e[0], e[1], e[2],
                                e[3], e[4]);
        EXPECT_FLOAT_EQ(e[0], c.e1);
        EXPECT_FLOAT_EQ(e[1], c.e2);
        EXPECT_FLOAT_EQ(e[2], c.e3);
        EXPECT_FLOAT_EQ(e[3], c.e4);
        EXPECT_FLOAT_EQ(e[4], c.e5);
    }
}

TEST_F(KernelText, ExtentFollowsTheControlCharacterInForce)
{
    kernelSetControlChar("@", 1);
    float e[5];
    kernelEnquireTextExtent("a*.b", 4, e[0], e[1], e[2], e[3], e[4]);
    EXPECT_FLOAT_EQ(e[0], 32.0f);
    kernelEnquireTextExtent("a@.b", 4, e[0], e[1], e[2], e[3], e[4]);
    EXPECT_FLOAT_EQ(e[0], 8.0f);
    kernelEnquireTextExtent("a@Nbc", 5, e[0], e[1], e[2], e[3], e[4]);
    EXPECT_FLOAT_EQ(e[1], 2.0f);
}

struct EndCase {
    const char* text;
    int justification;
    float angle;
    float x, y;  // current point after drawing at (100, 200)
};

TEST_F(KernelText, DrawingLeavesTheCurrentPointAtTheEndOfTheText)
{
    const std::vector<EndCase> cases = {
        {"ABC", -1, 0, 124, 200},
        {"ABC", 0, 0, 112, 200},
        {"ABC", 1, 0, 100, 200},
        {"ABC", -1, 90, 100, 224},
        {"ABC", -1, 180, 76, 200},
        {"AB*NC", -1, 0, 108, 176},  // end of the last line, two heights lower
        {"AB*NC", -1, 90, 124, 208},
        {"*.", -1, 0, 100, 200},
        {"%*.", -1, 0, 108, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " j=" + std::to_string(c.justification) +
                     " angle=" + std::to_string(c.angle));
        kernelSetTextJustification(c.justification);
        kernelSetCharAngle(c.angle);
        kernelSetTextPosition(100.0f, 200.0f);
        kernelDrawText(c.text, static_cast<int>(std::strlen(c.text)));
        float x, y, u;
        kernelEnquirePenPosition(x, y, u);
        EXPECT_NEAR(x, c.x, 1e-3);
        EXPECT_NEAR(y, c.y, 1e-3);
    }
}

TEST_F(KernelText, GlyphsFillTheirCellsAlongTheAngle)
{
    Canvas canvas;
    kernelSetCharSize(20.0f, 20.0f);
    kernelSetTextPosition(100.0f, 100.0f);
    kernelDrawText("HHHH", 4);
    EXPECT_TRUE(canvas.inkedNear(103, 110));   // first stem
    EXPECT_TRUE(canvas.inkedNear(177, 110));   // last stem, at the end of the fourth cell
    EXPECT_FALSE(canvas.inkedNear(140, 130));  // nothing above the cap height
    EXPECT_FALSE(canvas.inkedNear(140, 92));   // nothing below the baseline
    EXPECT_FALSE(canvas.inkedNear(190, 110));  // nothing past the text

    kernelSetCharAngle(90.0f);
    kernelSetTextPosition(500.0f, 300.0f);
    kernelDrawText("HHHH", 4);
    EXPECT_TRUE(canvas.inkedNear(490, 340));  // runs upward, glyphs on the -x side
    EXPECT_FALSE(canvas.inkedNear(510, 340));
    EXPECT_FALSE(canvas.inkedNear(490, 290));

    kernelSetCharAngle(0.0f);
    kernelSetTextJustification(1);
    kernelSetTextPosition(800.0f, 600.0f);
    kernelDrawText("HH", 2);
    EXPECT_TRUE(canvas.inkedNear(770, 610));  // right-justified: left of the point
    EXPECT_FALSE(canvas.inkedNear(815, 610));
}

TEST_F(KernelText, HiddenTextsDrawNothing)
{
    Canvas canvas;
    kernelSetTextPosition(100.0f, 100.0f);
    kernelDrawText("*.", 2);
    kernelDrawText("*.visible?", 10);
    kernelDrawText("", 0);
    kernelDrawText(nullptr, 4);
    kernelDrawText("abc", -2);
    EXPECT_EQ(canvas.inkCount(), 0);
    kernelDrawText("%*.more", 7);
    int ink = canvas.inkCount();
    EXPECT_GT(ink, 0);
    EXPECT_FALSE(canvas.inkedNear(112, 105, 1));  // only one cell was drawn
}

TEST_F(KernelText, UsedLength)
{
    struct Case {
        const char* text;
        int length;
        int used;
    };
    const std::vector<Case> cases = {
        {"ab  ", 4, 2},  {"    ", 4, 0}, {" a", 2, 2},     {"", 0, 0},
        {nullptr, 5, 0}, {"abc", -3, 0}, {"ab\0cd", 5, 2},  // a NUL ends the text
    };
    for (const auto& c : cases) {
        int used = -1;
        kernelEnquireUsedLength(c.text, c.length, used);
        EXPECT_EQ(used, c.used) << (c.text ? c.text : "null");
        EXPECT_EQ(kernelUsedLength(c.text, c.length), c.used);
    }
}

TEST_F(KernelText, ControlCharacterRefusesAnEmptyText)
{
    kernelSetControlChar("", 0);
    kernelSetControlChar(nullptr, 1);
    char c[2] = {'x', 'x'};
    kernelEnquireControlChar(c, 2);
    EXPECT_EQ(c[0], '*');
    EXPECT_EQ(c[1], ' ');
    kernelEnquireControlChar(c, 0);  // nothing to write into
    kernelEnquireControlChar(nullptr, 5);
}

}  // namespace
