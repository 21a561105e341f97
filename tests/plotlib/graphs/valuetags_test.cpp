// Value tags, value attributes and value labels in every placement.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "graphs_fixture.h"

namespace {

class ValueTagsTest : public GraphsTest {
protected:
    void SetUp() override
    {
        GraphsTest::SetUp();
        placeAxes();
    }

    static std::string tag(int k) { return std::string(graphState.tags.tag[k], 30); }

    static void attributes(int a1, int a2, float a3, float a4, float a5, float a6, int a7, int a8)
    {
        VALATT(a1, a2, a3, a4, a5, a6, a7, a8);
    }

    // Texts drawn by one GRAVAL call.
    static std::vector<std::string> labels(const float* x, const float* y, int n, int selector)
    {
        return placedTexts(calls([&] { GRAVAL(x, y, n, selector); }));
    }
};

TEST_F(ValueTagsTest, TagsAreStoredByTheKernelsControlCharacter)
{
    const std::string forty(40, 'a');
    std::string cutAtControl(29, 'b');
    cutAtControl += "*cd";
    const struct {
        std::string text;
        int length;
        std::string stored;
        int used;
        float width;
        std::vector<int> warnings;
    } cases[] = {
        {"kg", 2, "kg", 2, 2.0f, {}},
        {"m/s     ", 8, "m/s", 3, 3.0f, {}},
        {"    ", 4, "*.", 2, 0.0f, {}},
        {"", 0, "*.", 2, 0.0f, {}},
        {"abc", -3, "*.", 2, 0.0f, {}},
        {forty, 40, std::string(30, 'a'), 30, 30.0f, {-544}},
        {cutAtControl, 32, cutAtControl.substr(0, 30), 29, 29.0f, {-544}},
    };
    for (const auto& c : cases) {
        calls([&] { VALTXT(c.text.c_str(), c.length, "x", 1); });
        SCOPED_TRACE(c.text);
        EXPECT_EQ(errors(), c.warnings);
        EXPECT_EQ(tag(0), c.stored + std::string(30 - c.stored.size(), ' '));
        EXPECT_EQ(graphState.tags.length[0], c.used);
        EXPECT_FLOAT_EQ(graphState.tags.width[0], c.width);
        EXPECT_EQ(tag(1).substr(0, 2), "x ");
        EXPECT_EQ(graphState.tags.length[1], 1);
    }
    // A blank tag takes whatever control character the kernel has.
    calls([] {
        kernelSetControlChar("#", 1);
        VALTXT("", 0, " ", 1);
    });
    EXPECT_EQ(tag(0).substr(0, 3), "#. ");
    EXPECT_EQ(tag(1).substr(0, 3), "#. ");
}

TEST_F(ValueTagsTest, AttributesAreCheckedInArgumentOrder)
{
    const struct {
        int a1, a2, a7, a8;
        std::vector<int> warnings;
        int s1, s2, s7, s8;
    } cases[] = {
        {3, -2, 1, -1, {}, 3, -2, 1, -1},
        {5, 0, 0, 2, {-546, -545}, 0, 0, 0, 0},
        {-3, 4, -2, 9, {-546, -546, -545, -545}, 0, 0, 0, 0},
        {2, 7, 1, 0, {-546}, 2, 0, 1, 0},
    };
    for (const auto& c : cases) {
        calls([&] { attributes(c.a1, c.a2, 1.5f, 2.5f, 3.5f, 45.0f, c.a7, c.a8); });
        EXPECT_EQ(errors(), c.warnings);
        int e1 = 9, e2 = 9, e7 = 9, e8 = 9;
        float e3 = 0, e4 = 0, e5 = 0, e6 = 0;
        calls([&] { VATENQ(e1, e2, e3, e4, e5, e6, e7, e8); });
        EXPECT_EQ((std::vector<int>{e1, e2, e7, e8}), (std::vector<int>{c.s1, c.s2, c.s7, c.s8}));
        EXPECT_EQ((std::vector<float>{e3, e4, e5, e6}),
                  (std::vector<float>{1.5f, 2.5f, 3.5f, 45.0f}));
    }
}

// The point (2, 2.5) maps to (260, 225); its label "2.5" is 30 wide and 10 high, the tags
// "<" and ">" 10 wide each.  Across the text: a7 = -1 moves down by 10, 0 by 7.5, 1 by 5;
// along it a8 = 0 moves back 25 (half of 50), 1 back 50, -1 not at all.
TEST_F(ValueTagsTest, LabelsInEveryPlacement)
{
    calls([] { VALTXT("<", 1, ">", 1); });
    const float x[] = {2.0f}, y[] = {2.5f};
    const struct {
        int a1, a2;
        float a3, a4, a5, a6;
        int a7, a8;
        std::vector<std::string> placed;
    } cases[] = {
        {0, 0, 0, 0, 0, 0, 0, 0, {"235 217.5 \"<\"", "245 217.5 \"2.5\"", "275 217.5 \">\""}},
        {1, -1, 0, 0, 0, 0, 0, 1, {"220 207.5 \"<\"", "230 207.5 \"2.5\"", "260 207.5 \">\""}},
        {-2, 2, 0, 0, 0, 0, 0, -1, {"250 227.5 \"<\"", "260 227.5 \"2.5\"", "290 227.5 \">\""}},
        {2, -2, 0, 0, 0, 0, 0, -1, {"270 207.5 \"<\"", "280 207.5 \"2.5\"", "310 207.5 \">\""}},
        {3, 3, 0, 0, 0, 0, -1, 0, {"75 90 \"<\"", "85 90 \"2.5\"", "115 90 \">\""}},
        {0, 0, 0, 5, -5, 0, 1, 0, {"240 215 \"<\"", "250 215 \"2.5\"", "280 215 \">\""}},
        // Turned by 90 degrees the row runs upward and "across" points to +x.
        {0, 0, 0, 0, 0, 90, 0, 0, {"267.5 200 \"<\"", "267.5 210 \"2.5\"", "267.5 240 \">\""}},
    };
    for (const auto& c : cases) {
        calls([&] { attributes(c.a1, c.a2, c.a3, c.a4, c.a5, c.a6, c.a7, c.a8); });
        const auto lines = calls([&] { GRAVAL(x, y, 1, 2); });
        SCOPED_TRACE(std::to_string(c.a1) + " " + std::to_string(c.a2) + " a6 " +
                     std::to_string(c.a6) + " a7 " + std::to_string(c.a7) + " a8 " +
                     std::to_string(c.a8));
        EXPECT_TRUE(errors().empty());
        EXPECT_EQ(placedTexts(lines), c.placed);
        EXPECT_FALSE(only(lines, {"kernelSetCharAngle"}).empty());
        EXPECT_EQ(only(lines, {"kernelSetCharAngle"})[0], "kernelSetCharAngle " + num(c.a6));
    }
}

// With the default tags (which draw nothing) a label is the number alone, centred on the
// point along the text.
TEST_F(ValueTagsTest, SelectorChoosesTheValuesAndTheAxisFormat)
{
    const float x[] = {2.0f, 5.0f}, y[] = {2.5f, 3.0f};
    auto numbers = [](const std::vector<std::string>& placed) {
        std::vector<std::string> out;
        for (size_t k = 1; k < placed.size(); k += 3) out.push_back(placed[k]);
        return out;
    };
    EXPECT_EQ(numbers(labels(x, y, 2, 2)),
              (std::vector<std::string>{"245 217.5 \"2.5\"", "495 242.5 \"3\""}));
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(numbers(labels(x, y, 2, 1)),
              (std::vector<std::string>{"255 217.5 \"2\"", "495 242.5 \"5\""}));
    for (int selector : {0, 3, -2}) {
        EXPECT_EQ(numbers(labels(x, y, 2, selector)),
                  (std::vector<std::string>{"255 217.5 \"2\"", "495 242.5 \"5\""}));
        EXPECT_EQ(errors(), std::vector<int>{-552});
        EXPECT_EQ(tarv::errorLog()[0].routine, "kpAddGraphValues(GRAVAL)");
    }
    for (int n : {0, -1}) {
        EXPECT_TRUE(labels(x, y, n, 2).empty());
        EXPECT_EQ(errors(), std::vector<int>{515});
    }
}

// Whole-number labels move 0.1 away from zero and round halves away from zero; numbers
// beyond 32 bits are still written, never converted out of range.
TEST_F(ValueTagsTest, WholeNumberLabels)
{
    graphAxis(2).decimals = 0;
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {2.4f, "\"3\""},
        {2.39f, "\"2\""},
        {-2.4f, "\"-3\""},
        {0.0f, "\"0\""},
        {-0.5f, "\"-1\""},
        {12.0f, "\"12\""},
        {3.0e9f, "\"3000000000\""},
        {-3.0e9f, "\"-3000000000\""},
    };
    for (const auto& c : cases) {
        const float x[] = {1.0f}, y[] = {c.value};
        const auto placed = labels(x, y, 1, 2);
        ASSERT_EQ(placed.size(), 3u);
        const std::string number = placed[1].substr(placed[1].find('"'));
        EXPECT_EQ(number, c.text) << c.value;
    }
    // Too large for the field or not finite: the field shows stars.
    for (float value : {1.0e35f, INFINITY, -INFINITY, NAN}) {
        const float x[] = {1.0f}, y[] = {value};
        const auto placed = labels(x, y, 1, 2);
        ASSERT_EQ(placed.size(), 3u);
        const std::string number = placed[1].substr(placed[1].find('"') + 1);
        EXPECT_EQ(number.find_first_not_of('*'), number.size() - 1) << value;
    }
    // With the default of at most 2 decimals 2.4 keeps its decimal.
    graphAxis(2).decimals = 2;
    const float x[] = {1.0f}, y[] = {2.4f};
    const auto lines = calls([&] { GRAVAL(x, y, 1, 2); });
    EXPECT_EQ(only(lines, {"kernelFormatReal"}).size(), 1u);
    EXPECT_NE(placedTexts(lines)[1].find("\"2.4\""), std::string::npos);
}

TEST_F(ValueTagsTest, ScaledLabelsLeaveTheCallersDataAlone)
{
    graphAxis(2).digits = 3;
    const float x[] = {1.0f, 2.0f};
    float y[] = {12500.0f, 2000.0f};
    const auto placed = labels(x, y, 2, 2);
    ASSERT_EQ(placed.size(), 6u);
    EXPECT_NE(placed[1].find("\"12.5\""), std::string::npos);
    EXPECT_NE(placed[4].find("\"2\""), std::string::npos);
    EXPECT_EQ(y[0], 12500.0f);
    EXPECT_EQ(y[1], 2000.0f);
}

// A missing data point gets no label, even when the label itself stands at a3.
TEST_F(ValueTagsTest, MissingPointsGetNoLabel)
{
    const float x[] = {1.0f, 2.0f, 3.0f}, y[] = {1.0f, -999.0f, 2.0f};
    calls([] {
        VALMIS(1, -999.0f, -999.0f, 2);
        VALATT(0, 3, 5.0f, 0.0f, 0.0f, 0.0f, 0, 0);
    });
    const auto placed = labels(x, y, 3, 2);
    ASSERT_EQ(placed.size(), 6u);
    EXPECT_NE(placed[1].find("\"1\""), std::string::npos);
    EXPECT_NE(placed[4].find("\"2\""), std::string::npos);
}

}  // namespace
