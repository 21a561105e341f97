// Text charts: the column attributes, the column layout with its title row and frame, and
// the rows of each column kind.  Characters are 10 by 10; a column is 10 characters (100)
// wide and 2 characters (20) high a row unless TEXDEF says otherwise.
#include <cmath>
#include <string>
#include <vector>

#include "charts_fixture.h"

namespace {

using TextCharts = ChartsTest;

// The texts drawn, without their positions.
std::vector<std::string> words(const std::vector<std::string>& placed)
{
    std::vector<std::string> out;
    for (const std::string& t : placed)
        out.push_back(t.substr(t.find('"') + 1, t.rfind('"') - t.find('"') - 1));
    return out;
}

// Index of the first line whose operation is `name`, or the line count.
size_t firstOf(const std::vector<std::string>& lines, const std::string& name)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (ChartsTest::op(lines[i]) == name) return i;
    return lines.size();
}

}  // namespace

TEST_F(TextCharts, AttributesAndEnquiry)
{
    struct Case {
        float width, height;
        int justification, title, pen;
        float w, h;
        int j, t;
        std::vector<int> errors;
    };
    const std::vector<Case> cases = {
        {-50, -80, 2, 5, -1, 50, 80, 0, 0, {-545}},
        {20, 30, -1, 1, 3, 20, 30, -1, 1, {}},
        {0, 0, 1, 0, 0, 0, 0, 1, 0, {}},
        {1, 2, -7, -1, 9, 1, 2, 0, 0, {-545}},
    };
    for (const Case& c : cases) {
        run([&] { TEXDEF(c.width, c.height, c.justification, c.title, c.pen); });
        EXPECT_EQ(errors(), c.errors);
        float w = -1, h = -1;
        int j = -9, t = -9, p = -9;
        TDFENQ(w, h, j, t, p);
        EXPECT_EQ(w, c.w);
        EXPECT_EQ(h, c.h);
        EXPECT_EQ(j, c.j);
        EXPECT_EQ(t, c.t);
        EXPECT_EQ(p, c.pen);
    }
}

// One row with a title and the default height: 4 character heights, the title row and the
// row 2 each; the frame after the rows, with a line under the title.
TEST_F(TextCharts, TitleRowAndFrame)
{
    TEXDEF(0.0f, 0.0f, 0, 1, 2);
    const float values[] = {7.0f};
    const auto lines = run([&] { TEXVAL(100.0f, 700.0f, 1, values, "Mass", 4); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(placedTexts(lines),
              (std::vector<std::string>{at(150, 685, "Mass"), at(145, 665, "*."), at(145, 665, "7"),
                                        at(155, 665, "*.")}));
    EXPECT_GT(firstOf(lines, "kernelSetPen"), firstOf(lines, "kernelFormatInteger"));
    EXPECT_EQ(pen(lines),
              (std::vector<std::string>{M(100, 700), L(100, 660), L(200, 660), L(200, 700),
                                        L(100, 700), M(100, 680), L(200, 680)}));
    EXPECT_EQ(only(lines, {"kernelSetPen"}), std::vector<std::string>{"kernelSetPen 2"});
    EXPECT_FLOAT_EQ(graphState.graph.plotArea[0], 100.0f);
    EXPECT_FLOAT_EQ(graphState.graph.plotArea[3], 700.0f);
}

// Strings by the justification setting: left half a character in, centred, right half a
// character in; a blank string leaves its row empty.
TEST_F(TextCharts, StringRows)
{
    const char strings[] = "ab      cde ";
    struct Case {
        int justification;
        float x;
    };
    for (const Case& c : std::vector<Case>{{-1, 105}, {0, 150}, {1, 195}}) {
        TEXDEF(0.0f, 0.0f, c.justification, 0, -1);
        const auto lines = run([&] { TEXSTR(100.0f, 700.0f, 3, strings, 4, "", 0); });
        EXPECT_EQ(placedTexts(lines),
                  (std::vector<std::string>{at(c.x, 685, "ab"), at(c.x, 645, "cde")}));
        EXPECT_EQ(only(lines, {"kernelSetTextJustification"}).front(),
                  "kernelSetTextJustification " + std::to_string(c.justification));
        EXPECT_TRUE(pen(lines).empty());  // frame pen below 0: no frame
    }
    // No strings at all: every row empty, the frame still drawn.
    TEXDEF(0.0f, 0.0f, 0, 0, 1);
    const auto lines = run([&] { TEXSTR(100.0f, 700.0f, 2, nullptr, 4, "", 0); });
    EXPECT_TRUE(placedTexts(lines).empty());
    EXPECT_EQ(pen(lines).size(), 5u);
}

TEST_F(TextCharts, ValueAndGeneratedRows)
{
    // Tags "$" (10 wide) and " kg" (30 wide) around "12.5" (40 wide), right justified:
    // the pieces end half a character inside the column's right side.
    VALTXT("$", 1, " kg", 3);
    TEXDEF(0.0f, 0.0f, 1, 0, -1);
    const float values[] = {12.5f};
    EXPECT_EQ(
        placedTexts(run([&] { TEXVAL(100.0f, 700.0f, 1, values, "", 0); })),
        (std::vector<std::string>{at(115, 685, "$"), at(125, 685, "12.5"), at(165, 685, " kg")}));

    VALTXT("", 0, "", 0);
    const auto generated =
        words(placedTexts(run([] { TEXGEN(0.0f, 700.0f, 5, 0.0f, 100.0f, "", 0); })));
    EXPECT_EQ(generated,
              (std::vector<std::string>{"*.", "0", "*.", "*.", "25", "*.", "*.", "50", "*.", "*.",
                                        "75", "*.", "*.", "100", "*."}));
    EXPECT_EQ(words(placedTexts(run([] { TEXGEN(0.0f, 700.0f, 1, 3.0f, 9.0f, "", 0); }))),
              (std::vector<std::string>{"*.", "3", "*."}));
}

// Percentages of the sum of the absolute values, two decimals in a field as wide as the
// largest share needs.
TEST_F(TextCharts, PercentageRows)
{
    struct Case {
        std::vector<float> values;
        std::vector<std::string> formats;
    };
    const std::vector<Case> cases = {
        {{1, -1, 2}, {"25 5 2 -> \"25.00\"", "25 5 2 -> \"25.00\"", "50 5 2 -> \"50.00\""}},
        {{4}, {"100 6 2 -> \"100.00\""}},
        {{1, 19, 30, 50},
         {"1 5 2 -> \" 1.00\"", "19 5 2 -> \"19.00\"", "30 5 2 -> \"30.00\"",
          "50 5 2 -> \"50.00\""}},
        // Shares just under 10 % and 100 % are written rounded up and need the wider field.
        {{9.997f, 9.0003f, 9.0003f, 9.0003f, 9.0003f, 9.0003f, 9.0003f, 9.0003f, 9.0003f, 9.0003f,
          9.0003f},
         {}},
        {{99.996f, 0.004f}, {"99.996 6 2 -> \"100.00\"", "0.004 6 2 -> \"  0.00\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values.size());
        const int n = static_cast<int>(c.values.size());
        const auto lines = run([&] { TEXPER(0.0f, 700.0f, n, c.values.data(), "", 0); });
        EXPECT_TRUE(errors().empty());
        std::vector<std::string> formats;
        for (const std::string& line : only(lines, {"kernelFormatReal"}))
            formats.push_back(line.substr(17));
        if (!c.formats.empty()) { EXPECT_EQ(formats, c.formats); }
        for (const std::string& f : formats) EXPECT_EQ(f.find('*'), std::string::npos) << f;
        EXPECT_EQ(words(placedTexts(lines)).back(), "%*.");
    }
    // Each row: the number, then the sign right after it, half a character below the
    // middle of the row.
    const float two[] = {1.0f, 3.0f};
    EXPECT_EQ(placedTexts(run([&] { TEXPER(0.0f, 700.0f, 2, two, "", 0); })),
              (std::vector<std::string>{at(20, 685, "25.00"), at(70, 685, "%*."),
                                        at(20, 665, "75.00"), at(70, 665, "%*.")}));

    for (const std::vector<float>& bad : {std::vector<float>{0, 0}, std::vector<float>{1e-6f},
                                          std::vector<float>{1, std::nanf("")}}) {
        const auto lines =
            run([&] { TEXPER(0.0f, 700.0f, static_cast<int>(bad.size()), bad.data(), "T", 1); });
        EXPECT_EQ(errors(), std::vector<int>{506});
        EXPECT_TRUE(placedTexts(lines).empty());
    }
}

// Boxes: filled and outlined within the middle 80 % of their row; a style below -1 leaves
// the row empty.  The frame (default pen 0) follows the rows.
TEST_F(TextCharts, FillRows)
{
    const int styles[] = {1, -2, 3}, pens[] = {4, 4, -6};
    const auto lines = run([&] { TEXFIL(100.0f, 700.0f, 3, styles, pens, "", 0); });
    EXPECT_EQ(errors(), std::vector<int>{-508});
    EXPECT_EQ(fills(lines),
              (std::vector<std::string>{"1 4 110 698 190 682", "3 6 110 658 190 642"}));
    EXPECT_EQ(pen(lines),
              (std::vector<std::string>{M(110, 698), L(190, 698), L(190, 682), L(110, 682),
                                        L(110, 698), M(110, 658), L(190, 658), L(190, 642),
                                        L(110, 642), L(110, 658), M(100, 700), L(100, 640),
                                        L(200, 640), L(200, 700), L(100, 700)}));
}

// Line samples of each kind, kept half a line width inside the box of their row; the frame
// comes first; pen 0 gives the caller's own line back.
TEST_F(TextCharts, LineRows)
{
    TEXDEF(0.0f, 0.0f, 0, 0, 5);
    kernelSetLineAttributes(0, 1, 0, 1, 4.0f, 1, 0);  // lines 4 wide: half a width is 2
    struct Case {
        int kind;
        std::vector<std::string> line;
        std::vector<int> errors;
    };
    const std::vector<Case> cases = {
        {1, {M(112, 690), L(188, 690)}, {}},     {2, {M(150, 696), L(150, 684)}, {}},
        {3, {M(112, 684), L(188, 696)}, {}},     {4, {M(112, 696), L(188, 684)}, {}},
        {7, {M(112, 684), L(188, 696)}, {-548}}, {0, {M(112, 684), L(188, 696)}, {-548}},
    };
    const int pens[] = {3, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto lines = run([&] { TEXLIN(100.0f, 700.0f, 1, pens, c.kind, "", 0); });
        EXPECT_EQ(errors(), c.errors);
        const auto got = pen(lines);
        ASSERT_EQ(got.size(), 7u);
        EXPECT_EQ(got[0], M(100, 700));  // the frame first
        EXPECT_EQ(std::vector<std::string>(got.begin() + 5, got.end()), c.line);
        EXPECT_EQ(only(lines, {"kernelSetPen"}),
                  (std::vector<std::string>{"kernelSetPen 5", "kernelSetPen 3"}));
    }
    const int callers[] = {0};
    const auto lines = run([&] { TEXLIN(100.0f, 700.0f, 1, callers, 1, "", 0); });
    const auto restore = only(lines, {"kernelSetLineAttributes"});
    ASSERT_EQ(restore.size(), 2u);  // the row, then the routine's exit
    EXPECT_EQ(restore[0], "kernelSetLineAttributes 0 1 0 1 4 1 0");
}

TEST_F(TextCharts, MarkerRows)
{
    const int symbols[] = {3, -4, 5}, pens[] = {1, -3, 2};
    const auto lines = run([&] { TEXSYM(100.0f, 700.0f, 3, symbols, pens, "", 0); });
    EXPECT_EQ(errors(), (std::vector<int>{-508, -527}));
    EXPECT_EQ(only(lines, {"kernelDrawMarker"}),
              (std::vector<std::string>{"kernelDrawMarker 3", "kernelDrawMarker 1",
                                        "kernelDrawMarker 5"}));
    // The frame (default pen 0) first, then a marker in the middle of each row.
    EXPECT_EQ(pen(lines),
              (std::vector<std::string>{M(100, 700), L(100, 640), L(200, 640), L(200, 700),
                                        L(100, 700), M(150, 690), M(150, 670), M(150, 650)}));
    EXPECT_EQ(only(lines, {"kernelSetPen"}),
              (std::vector<std::string>{"kernelSetPen 0", "kernelSetPen 1", "kernelSetPen 3",
                                        "kernelSetPen 2"}));
}
