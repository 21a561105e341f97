// Pie chart labels: radial texts (mode 1, PIESTR, SEGSTR), boxed texts inside the segment
// (mode 2) and leader labels (mode 3): which parts are written, how numbers are formatted and
// where the texts go.
#include <cmath>
#include <string>
#include <vector>

#include "charts/pie.h"
#include "support/plot_fixture.h"

using namespace plotlib;

namespace {

class PieLabelsTest : public PlotLibraryTest {
protected:
    void SetUp() override
    {
        PlotLibraryTest::SetUp();
        PIEPAP(200.0f, 500.0f, 375.0f);
        startLog();
    }
    static std::vector<std::string> texts()
    {
        std::vector<std::string> out;
        for (const std::string& l : calls())
            if (l.rfind("kernelDrawText", 0) == 0 || l.rfind("kernelDrawRealNumber", 0) == 0 ||
                l.rfind("kernelDrawIntegerNumber", 0) == 0)
                out.push_back(l);
        return out;
    }
    // The x where each text and number of the log is written: the point last set before it.
    static std::vector<float> textStarts()
    {
        std::vector<float> out;
        float x = 0.0f;
        for (const std::string& l : calls()) {
            if (l.rfind("kernelSetTextPosition ", 0) == 0 || l.rfind("kernelMovePen ", 0) == 0)
                x = numbersAfterName(l)[0];
            else if (l.rfind("kernelDrawText ", 0) == 0 ||
                     l.rfind("kernelDrawRealNumber ", 0) == 0 ||
                     l.rfind("kernelDrawIntegerNumber ", 0) == 0)
                out.push_back(x);
        }
        return out;
    }
    const int styles[3] = {0, 0, 0};
    const int pens[3] = {1, 2, 3};
};

TEST_F(PieLabelsTest, PercentageWidthCodes)
{
    PIEANN(1, 0, 1, 0, 0.0f);
    const struct {
        std::vector<float> values;
        std::vector<std::string> numbers;
    } cases[] = {
        {{1.0f, 3.0f}, {"kernelDrawRealNumber 25 5 2", "kernelDrawRealNumber 75 5 2"}},
        {{1.0f, 19.0f}, {"kernelDrawRealNumber 5 4 2", "kernelDrawRealNumber 95 5 2"}},
        {{4.0f}, {"kernelDrawRealNumber 100 6 2"}},
    };
    for (const auto& c : cases) {
        startLog();
        PIECHA(c.values.data(), "", 0, static_cast<int>(c.values.size()), styles, pens);
        EXPECT_EQ(callsOf("kernelDrawRealNumber"), c.numbers);
        // Each number is followed by the per cent sign.
        EXPECT_EQ(callsOf("kernelDrawText"),
                  std::vector<std::string>(c.numbers.size(), "kernelDrawText \"%*.\""));
    }
}

// Shares that round up to the next power of ten (99.997 % to "100.00", 9.996 % to "10.00")
// still get a field wide enough for their digits, in every annotation mode: the number the
// kernel formats in the width it is given never turns into asterisks.
TEST_F(PieLabelsTest, PercentagesThatRoundUpKeepTheirDigits)
{
    const std::vector<float> shares[] = {{99997.0f, 3.0f},    {99995.5f, 4.5f},
                                         {9996.0f, 90004.0f}, {9995.1f, 90004.9f},
                                         {9989.0f, 90011.0f}, {1.0f, 999999.0f}};
    for (int mode = 1; mode <= 3; ++mode) {
        for (const auto& values : shares) {
            SCOPED_TRACE(std::to_string(mode) + " " + std::to_string(values[0]));
            PIEANN(mode, 0, 1, 0, 0.0f);
            startLog();
            PIECHA(values.data(), "", 0, 2, styles, pens);
            const auto numbers = callsOf("kernelDrawRealNumber");
            EXPECT_FALSE(numbers.empty());
            for (const std::string& l : numbers) {
                const std::vector<float> v = numbersAfterName(l);
                char field[16];
                kernelFormatReal(v[0], static_cast<int>(v[1]), static_cast<int>(v[2]), field,
                                 static_cast<int>(sizeof field));
                EXPECT_EQ(std::string(field, sizeof field).find('*'), std::string::npos) << l;
            }
            // The text measured for the layout is the same number in the same width.
            for (const std::string& l : callsOf("kernelFormatReal"))
                EXPECT_EQ(l.find('*', l.find("->")), std::string::npos) << l;
        }
    }
}

TEST_F(PieLabelsTest, RadialTextTurnsOverOnTheLeft)
{
    PIEANN(1, 1, 0, 0, 0.0f);
    const struct {
        float a1, a2, angle;
    } cases[] = {{45.0f, 135.0f, 90.0f},
                 {135.0f, 225.0f, 360.0f},
                 {-45.0f, 45.0f, 0.0f},
                 {225.0f, 315.0f, 450.0f},
                 {180.0f, 360.0f, 450.0f}};
    for (const auto& c : cases) {
        startLog();
        SEGCHA(c.a1, c.a2, 1.0f, "Label", 5, 0, 1);
        const auto angles = callsOf("kernelSetCharAngle");
        ASSERT_GE(angles.size(), 2u) << c.a1;
        EXPECT_NEAR(numbersAfterName(angles[0])[0], c.angle, 1e-3) << c.a1;
        // The library's angle comes back after the label.
        EXPECT_EQ(angles[1], "kernelSetCharAngle 0");
        EXPECT_EQ(callsOf("kernelDrawText"), std::vector<std::string>{"kernelDrawText \"Label\""});
    }
    // Text turned over starts at its outer end: at middle angle 180 an eighth of the radius
    // plus the label's length (5 characters and one width) left of the centre, and the text
    // is moved across the radius by 0.5 x 16 - 1.2 x 10.
    startLog();
    SEGCHA(135.0f, 225.0f, 1.0f, "Label", 5, 0, 1);
    const auto at = numbersAfterName(callsOf("kernelSetTextPosition")[0]);
    EXPECT_NEAR(at[0], 500.0f - 25.0f - 60.0f, 1e-3);
    EXPECT_NEAR(at[1], 375.0f - 4.0f, 1e-2);
    startLog();
    SEGCHA(45.0f, 135.0f, 1.0f, "Label", 5, 0, 1);
    const auto up = numbersAfterName(callsOf("kernelSetTextPosition")[0]);
    EXPECT_NEAR(up[0], 500.0f + 4.0f, 1e-2);
    EXPECT_NEAR(up[1], 375.0f + 25.0f, 1e-2);
}

TEST_F(PieLabelsTest, NarrowSegmentsShrinkTheirTextToHalfSizeAtMost)
{
    PIEANN(1, 1, 1, 0, 0.0f);
    startLog();
    SEGCHA(0.0f, 3.0f, 1.0f, "A rather long label", 19, 0, 1);
    const auto sizes = callsOf("kernelSetCharSize");
    ASSERT_GE(sizes.size(), 2u);
    EXPECT_EQ(sizes[0], "kernelSetCharSize 5 5");
    EXPECT_EQ(sizes[1], "kernelSetCharSize 10 10");
    // A wide segment leaves the size alone.
    startLog();
    SEGCHA(0.0f, 120.0f, 1.0f, "Short", 5, 0, 1);
    for (const std::string& l : callsOf("kernelSetCharSize"))
        EXPECT_EQ(l, "kernelSetCharSize 10 10");
}

TEST_F(PieLabelsTest, LabelSwitchTwoWritesNothingForBlankLabels)
{
    const float values[2] = {1.0f, 1.0f};
    PIESTR(values, "    done", 4, 2, 1);
    // The blank label writes nothing, not even its percentage; the other writes both.
    EXPECT_EQ(texts(),
              (std::vector<std::string>{"kernelDrawText \"done\"", "kernelDrawRealNumber 50 5 2",
                                        "kernelDrawText \"%*.\""}));
    startLog();
    SEGSTR(-1, 0.0f, 90.0f, "   ", 3, 1);
    EXPECT_TRUE(texts().empty());
    EXPECT_TRUE(callsOf("kernelDrawLineTo").empty());
    EXPECT_EQ(callsOf("kernelSetRoutineName")[0], "kernelSetRoutineName 2 \"SEGSTR\"");
    // A segment that sweeps nothing has no room for a label.
    startLog();
    SEGSTR(-1, 360.0f, 0.0f, "x", 1, 1);
    EXPECT_TRUE(texts().empty());
    // Outline code 1 closes the segment, 0 leaves the start radius open.
    for (int code : {0, 1}) {
        startLog();
        SEGSTR(code, 0.0f, 90.0f, "x", 1, 0);
        EXPECT_EQ(callsOf("kernelDrawArc"),
                  std::vector<std::string>{"kernelDrawArc 500 375 700 375 0"});
        EXPECT_EQ(callsOf("kernelDrawLineTo").size(), static_cast<size_t>(1 + code));
    }
}

TEST_F(PieLabelsTest, WholeNumberValuesRoundAwayFromZero)
{
    // Numbers without decimals on the value (y) axis.
    AXIANN(0, 40, 1, 2);
    PIEANN(3, 0, 0, 1, 0.0f);
    startLog();
    const float values[3] = {2.4f, 2.39f, -2.4f};
    PIECHA(values, "", 0, 3, styles, pens);
    std::vector<std::string> numbers;
    for (const std::string& l : callsOf("kernelDrawIntegerNumber"))
        numbers.push_back(l.substr(0, l.rfind(' ')));
    EXPECT_EQ(numbers,
              (std::vector<std::string>{"kernelDrawIntegerNumber 3", "kernelDrawIntegerNumber 2",
                                        "kernelDrawIntegerNumber -3"}));
    EXPECT_EQ(values[0], 2.4f);
    EXPECT_EQ(values[2], -2.4f);
    // Values with decimals keep them, with their tags around the number.
    AXIANN(2, 40, 1, 2);
    VALTXT("=", 1, "kg", 2);
    PIEANN(3, 0, 0, 1, 0.0f);
    startLog();
    const float weighed[2] = {2.25f, 1.0f};
    PIECHA(weighed, "", 0, 2, styles, pens);
    EXPECT_EQ(texts()[0], "kernelDrawText \"=\"");
    EXPECT_EQ(texts()[1].rfind("kernelDrawRealNumber 2.25 ", 0), 0u) << texts()[1];
    EXPECT_EQ(texts()[2], "kernelDrawText \"kg\"");
    // Beside the leader the number starts where "=" ends and "kg" where the number ends
    // ("2.25", then "1"): in cells of 10 units no part is written over another.
    const std::vector<float> starts = textStarts();
    ASSERT_EQ(starts.size(), 6u);
    const float cell = 10.0f;
    const int written[2] = {4, 1};
    for (int k = 0; k < 2; ++k) {
        const float front = starts[3 * k], number = starts[3 * k + 1], back = starts[3 * k + 2];
        EXPECT_GE(number, front + 1 * cell - 1e-3f) << "segment " << k;
        EXPECT_GE(back, number + written[k] * cell - 1e-3f) << "segment " << k;
    }
}

TEST_F(PieLabelsTest, LeaderLabelsSitBesideTheLeaderEnd)
{
    PIEANN(3, 1, 0, 0, 0.0f);
    // Middle angle 0: a flat leader, the text one character width after its end.
    SEGCHA(-45.0f, 45.0f, 1.0f, "East", 4, 0, 1);
    EXPECT_EQ(callsOf("kernelDrawLineBy"), std::vector<std::string>{"kernelDrawLineBy 40 0"});
    EXPECT_EQ(callsOf("kernelMovePenBy"), std::vector<std::string>{"kernelMovePenBy 0 -5"});
    EXPECT_EQ(callsOf("kernelSetTextPosition")[0], "kernelSetTextPosition 750 370");
    // Middle angle 180: the text (4 characters plus one width) ends at the leader's end.
    startLog();
    SEGCHA(135.0f, 225.0f, 1.0f, "West", 4, 0, 1);
    const auto at = numbersAfterName(callsOf("kernelSetTextPosition")[0]);
    EXPECT_NEAR(at[0], 500.0f - 240.0f - 50.0f, 1e-3);
    EXPECT_NEAR(at[1], 370.0f, 1e-2);
    // Middle angle 45: the leader rises with f = 0.5.
    startLog();
    SEGCHA(0.0f, 90.0f, 1.0f, "NE", 2, 0, 1);
    const auto by = numbersAfterName(callsOf("kernelDrawLineBy")[0]);
    EXPECT_NEAR(by[0], 40.0f * std::sqrt(0.5f), 1e-3);
    EXPECT_NEAR(by[1], 40.0f * 0.25f, 1e-3);
    // Only the label switch on and an empty label: the leader without a text.
    startLog();
    SEGCHA(0.0f, 90.0f, 1.0f, "  ", 2, 0, 1);
    EXPECT_EQ(callsOf("kernelDrawLineBy").size(), 1u);
    EXPECT_TRUE(texts().empty());
}

TEST_F(PieLabelsTest, ThresholdDropsSmallSegmentLabels)
{
    const float values[2] = {1.0f, 3.0f};
    for (int mode : {2, 3}) {
        PIEANN(mode, 0, 1, 0, 30.0f);
        PIEBOX(3, 0, 5);
        startLog();
        PIECHA(values, "", 0, 2, styles, pens);
        EXPECT_EQ(callsOf("kernelDrawRealNumber"),
                  std::vector<std::string>{"kernelDrawRealNumber 75 5 2"})
            << mode;
        if (mode == 2) {
            // Only the labelled segment has a box (filled once, then cut out of its fill).
            size_t withBoxes = 0;
            for (const std::string& l : callsOf("kernelFillMultiPolygon"))
                if (l.find("kernelFillMultiPolygon 0 5 0 1 [4]") == 0) ++withBoxes;
            EXPECT_EQ(withBoxes, 1u);
        }
    }
}

TEST_F(PieLabelsTest, BoxesLieInsideTheirSegments)
{
    PIEANN(2, 1, 1, 1, 0.0f);
    PIEBOX(2, 0, 0);
    const float values[3] = {2.0f, 1.0f, 1.0f};
    const char labels[] = "Alpha   Beta    Gamma   ";
    PIECHA(values, labels, 8, 3, styles, pens);
    const double bounds[3][2] = {{0, 180}, {180, 270}, {270, 360}};
    int segment = -1;
    for (const std::string& l : callsOf("kernelFillMultiPolygon")) {
        const auto v = numbersAfterName(l);
        const int count = static_cast<int>(v[3]);
        if (v[4 + count - 1] != 4.0f) {
            ++segment;  // the segment's own fill ends the boxes of that segment
            continue;
        }
        // The box just added is the last boundary of this call.
        int total = 0;
        for (int b = 0; b < count; ++b) total += static_cast<int>(v[4 + b]);
        const size_t xs = 4 + static_cast<size_t>(count), ys = xs + static_cast<size_t>(total);
        for (int k = total - 4; k < total; ++k) {
            const double dx = v[xs + k] - 500.0, dy = v[ys + k] - 375.0;
            EXPECT_LE(std::hypot(dx, dy), 200.0) << l;
            double a = std::atan2(dy, dx) * 180.0 / M_PI;
            if (a < 0) a += 360.0;
            EXPECT_GE(a, bounds[segment + 1][0] - 1e-3) << l;
            EXPECT_LE(a, bounds[segment + 1][1] + 1e-3) << l;
        }
    }
    EXPECT_EQ(segment, 2);
    EXPECT_EQ(callsOf("kernelDrawLineBy").size(), 0u);  // no leader was needed
}

// A label that fits nowhere in its segment goes beside it in each pass that lays it out:
// once for box types 0 and 1, before and after the fill for box types 2 and 3.
TEST_F(PieLabelsTest, LabelThatFitsNowhereIsWrittenBesideItsSegmentInEachPass)
{
    PIEANN(2, 1, 1, 0, 0.0f);
    const float values[2] = {1.0f, 99.0f};
    const struct {
        int boxType;
        size_t leaders, boxLines;
    } cases[] = {{3, 2, 8}, {1, 1, 8}, {0, 1, 0}};
    for (const auto& c : cases) {
        PIEBOX(c.boxType, -1, 0);
        startLog();
        PIECHA(values, "Tiny    Most    ", 8, 2, styles, pens);
        size_t tiny = 0;
        for (const std::string& l : callsOf("kernelDrawText"))
            tiny += l == "kernelDrawText \"Tiny\"";
        EXPECT_EQ(tiny, c.leaders) << c.boxType;
        // The boxes of "Most" (four sides of each of its two lines), then one line per leader.
        EXPECT_EQ(callsOf("kernelDrawLineBy").size(), c.boxLines + c.leaders) << c.boxType;
    }
}

// A single full segment leaves no room between its start and end radius: its label goes
// beside the pie, opposite the start.
TEST_F(PieLabelsTest, FullDiscLabelGoesBesideThePie)
{
    PIEANN(2, 1, 0, 0, 0.0f);
    PIEBOX(1, -1, 0);
    const float one = 5.0f;
    startLog();
    PIECHA(&one, "All     ", 8, 1, styles, pens);
    EXPECT_EQ(callsOf("kernelDrawLineBy").size(), 1u);  // the leader, no box
    EXPECT_EQ(callsOf("kernelDrawText"), std::vector<std::string>{"kernelDrawText \"All\""});
}

TEST_F(PieLabelsTest, ExtentOfASegmentAtAHeight)
{
    const float c = std::sqrt(200.0f * 200.0f - 100.0f * 100.0f);
    const struct {
        float s, e, sweep, y, left, right;
    } cases[] = {
        {0, 90, 90, 100, 0, c},  // first quadrant
        {30, 150, 120, 100, -173.205f, 173.205f},
        {180, 270, 90, -100, -c, 0},  // third quadrant
        {0, 0, 360, 100, 200, c},     // a full turn: no room (start and end at 0)
        {270, 90, 180, 100, 0, c},    // right half, above the centre
        {270, 90, 180, -100, 0, c},   // and below it
    };
    for (const auto& k : cases) {
        float left = 0, right = 0;
        graphPieExtentAtHeight(k.s, k.e, k.sweep, k.y, left, right);
        EXPECT_NEAR(left, k.left, 1e-2) << k.s << " " << k.e << " " << k.y;
        EXPECT_NEAR(right, k.right, 1e-2) << k.s << " " << k.e << " " << k.y;
    }
}

}  // namespace
