// message_text_test.cpp - IntCharString texts of any length and content: only the low byte of
// each element counts, exactly `length` elements are read, and odd lengths or missing arrays
// give empty texts instead of reads outside the caller's arrays.
#include <cstdint>
#include <memory>

#include "console_fixture.h"

namespace msgcon_test {
namespace {

// Elements with bits above the low byte, negative elements and bytes from 128 up.
TEST_F(ConsoleTest, OnlyTheLowByteOfEachElementCounts)
{
    std::vector<int> title = {0x154, 'i', -0xFF00 + 't', 0x7FFFFF00 + 'l', 'e'};  // "Title"
    std::vector<int> text = {0xE9, -1, 0x80, 0x100, 'x'};
    int lt = 5, lx = 5, type = 3;
    errormessage_(title.data(), text.data(), &lt, &lx, &type);
    ASSERT_EQ(window().lines.size(), 1u);
    EXPECT_EQ(window().lines[0].text, std::string("Title caused \xE9\xFF\x80") + '\0' + "x");
}

// Arrays of exactly the given length: reading one element more is caught by the address
// sanitizer.  The title may end in the marker and the text in the box mark.
TEST_F(ConsoleTest, LongTextsAreCopiedWhole)
{
    for (int n : {1, 255, 256, 257, 100000}) {
        SCOPED_TRACE(n);
        freshProcess();
        const auto size = static_cast<std::size_t>(n);
        std::string title(size, 'a');
        std::string text(size, static_cast<char>(0xC4));
        if (n >= 6) title.replace(size - 6, 6, "XXXXXX");
        if (n >= 3) text.replace(size - 3, 3, "***");
        auto tp = std::make_unique<int[]>(size);  // exactly n elements each
        auto xp = std::make_unique<int[]>(size);
        for (std::size_t i = 0; i < size; ++i) {
            tp[i] = static_cast<unsigned char>(title[i]);
            xp[i] = static_cast<unsigned char>(text[i]) | 0x100;
        }
        int lt = n, lx = n, type = 3;
        testing::internal::CaptureStderr();  // keeps the long echo out of the test output
        errormessage_(tp.get(), xp.get(), &lt, &lx, &type);
        testing::internal::GetCapturedStderr();
        ASSERT_EQ(window().lines.size(), 1u);
        bool marker = n >= 6;
        EXPECT_EQ(window().lines[0].text, marker ? text : title + " caused " + text);
        bool box = n >= 3;
        EXPECT_EQ(layer().messageBoxes.size(), box ? 1u : 0u);
        if (box) { EXPECT_EQ(layer().messageBoxes[0].text, text); }
    }
}

struct LengthRow {
    bool titleArray, textArray;
    int titleLength, textLength;
    const char* line;
};

TEST_F(ConsoleTest, NegativeLengthsAndMissingArraysGiveEmptyTexts)
{
    const LengthRow rows[] = {
        {true, true, 0, 0, " caused "},           {true, true, -5, 2, " caused MS"},
        {true, true, 2, INT32_MIN, "TI caused "}, {false, true, 7, 3, " caused MSG"},
        {true, false, 3, 9, "TIT caused "},       {false, false, 1000, 1000, " caused "},
    };
    std::vector<int> title = intChars("TITLE"), text = intChars("MSG");
    for (const LengthRow& r : rows) {
        freshProcess();
        int type = 3;
        errormessage_(r.titleArray ? title.data() : nullptr, r.textArray ? text.data() : nullptr,
                      &r.titleLength, &r.textLength, &type);
        ASSERT_EQ(window().lines.size(), 1u);
        EXPECT_EQ(window().lines[0].text, r.line);
    }
}

// Null pointers for the scalar arguments count as zero: lengths 0, type 0, values 0.
TEST_F(ConsoleTest, NullScalarsCountAsZero)
{
    registerconsole_(nullptr, nullptr);
    std::vector<int> text = intChars("M");
    errormessage_(nullptr, text.data(), nullptr, nullptr, nullptr);
    ASSERT_EQ(window().lines.size(), 1u);
    EXPECT_EQ(window().lines[0].text, " caused ");
    EXPECT_EQ(window().lines[0].itemData, 0u);
}

}  // namespace
}  // namespace msgcon_test
