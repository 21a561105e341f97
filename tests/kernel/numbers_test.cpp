// Numbers written into texts and drawn: justification, decimals, overflow, the buffer limit.
#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "kernel_fixture.h"

namespace {

using KernelNumbers = KernelTest;

struct RealCase {
    float value;
    int width, decimals, length;
    const char* text;  // all `length` characters
};

TEST_F(KernelNumbers, FormatReal)
{
    const std::vector<RealCase> cases = {
        {12.5f, 6, 2, 8, " 12.50  "},   // right-justified in 6, rest blank
        {12.5f, -6, 2, 8, "12.50   "},  // left-justified
        {12.5f, 0, 2, 8, "12.50   "},   // shortest form
        {12.0f, 4, 0, 6, " 12.  "},     // no decimals keeps the point
        {12.0f, -3, 0, 5, "12.  "},
        {-0.25f, 0, 3, 7, "-0.250 "},
        {123.456f, 4, 2, 6, "****  "},  // does not fit its field
        {-1.5f, 0, 1, 3, "***"},        // shortest form longer than the text
        {1.0f, 10, 2, 4, "1.00"},       // field clamped to the text, still fits
        {1.0f, 10, 2, 3, "***"},
        {NAN, 5, 1, 6, "***** "},
        {INFINITY, -4, 1, 4, "****"},
        {3.7f, 0, -2, 4, "4.  "},  // negative decimals count as none
        {2.5e6f, -12, 1, 12, "2500000.0   "},
        {7.0f, INT_MIN, 1, 5, "7.0  "},  // nonsense width clamped to the text
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " w=" + std::to_string(c.width));
        std::string buf(static_cast<size_t>(c.length) + 4, '#');
        kernelFormatReal(c.value, c.width, c.decimals, buf.data(), c.length);
        EXPECT_EQ(buf.substr(0, static_cast<size_t>(c.length)), c.text);
        EXPECT_EQ(buf.substr(static_cast<size_t>(c.length)), "####");  // never past the text
    }
}

struct IntegerCase {
    int value, width, length;
    const char* text;
};

TEST_F(KernelNumbers, FormatInteger)
{
    const std::vector<IntegerCase> cases = {
        {42, 5, 7, "   42  "},   {-42, -5, 6, "-42   "},          {7, 0, 3, "7  "},
        {123456, 3, 5, "***  "}, {INT_MIN, 0, 11, "-2147483648"}, {INT_MAX, -4, 6, "****  "},
        {5, INT_MIN, 4, "5   "}, {5, INT_MAX, 3, "  5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string buf(static_cast<size_t>(c.length) + 4, '#');
        kernelFormatInteger(c.value, c.width, buf.data(), c.length);
        EXPECT_EQ(buf.substr(0, static_cast<size_t>(c.length)), c.text);
        EXPECT_EQ(buf.substr(static_cast<size_t>(c.length)), "####");
    }
}

TEST_F(KernelNumbers, NothingWrittenWithoutRoom)
{
    char buf[4] = {'#', '#', '#', '#'};
    kernelFormatReal(1.0f, 3, 1, buf, 0);
    kernelFormatInteger(1, 3, buf, -5);
    kernelFormatCharCode(65, buf, 0);
    kernelFormatReal(1.0f, 3, 1, nullptr, 10);
    EXPECT_EQ(std::string(buf, 4), "####");
    kernelFormatCharCode(65, buf, 3);
    EXPECT_EQ(std::string(buf, 4), "A  #");
}

TEST_F(KernelNumbers, DrawnNumbersAreTheFormattedTextAndAdvanceThePoint)
{
    kernelMovePen(100.0f, 100.0f);
    kernelDrawRealNumber(12.5f, 6, 2);  // " 12.50": six cells
    float x, y, u;
    kernelEnquireTextPosition(x, y, u);
    EXPECT_FLOAT_EQ(x, 160.0f);
    kernelDrawIntegerNumber(5, -4);  // "5" and trailing blanks not drawn
    kernelEnquireTextPosition(x, y, u);
    EXPECT_FLOAT_EQ(x, 170.0f);
    kernelDrawText("%*.", 3);
    kernelEnquireTextPosition(x, y, u);
    EXPECT_FLOAT_EQ(x, 180.0f);
    kernelDrawIntegerNumber(123456, 3);  // overflow: three asterisks, not control sequences
    kernelEnquireTextPosition(x, y, u);
    EXPECT_FLOAT_EQ(x, 210.0f);
    EXPECT_FLOAT_EQ(y, 100.0f);
}

// The shortest form (width 0) is as long as the number needs: 123456.78 is drawn as its
// nine characters would be, not as a field of stars, and the point moves on nine cells.
TEST_F(KernelNumbers, ShortestFormOfALongNumberIsDrawnInFull)
{
    struct Drawn {
        std::string pixels;
        float endX;
    };
    const auto draw = [](const std::function<void()>& write) {
        Canvas canvas;
        kernelSetCharSize(20.0f, 20.0f);
        kernelSetTextPosition(100.0f, 300.0f);
        write();
        EXPECT_GT(canvas.inkCount(), 0);
        cairo_surface_t* s = canvas.surface();
        const auto* data = reinterpret_cast<const char*>(cairo_image_surface_get_data(s));
        float x, y, u;
        kernelEnquireTextPosition(x, y, u);
        return Drawn{std::string(data,
                                 static_cast<size_t>(cairo_image_surface_get_stride(s) *
                                                     cairo_image_surface_get_height(s))),
                     x};
    };
    const Drawn number = draw([] { kernelDrawRealNumber(123456.78f, 0, 2); });
    const Drawn text = draw([] { kernelDrawText("123456.78", 9); });
    EXPECT_TRUE(number.pixels == text.pixels) << "the number is not drawn as \"123456.78\"";
    EXPECT_FLOAT_EQ(number.endX, 100.0f + 9 * 20.0f);
}

}  // namespace
