// Tests of the annotation settings, the exponent captions, the layout of numbers and label
// strings along an axis, and the axis enquiries.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "axes/pen_replay.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class AnnotationTest : public PlotLibraryTest {
protected:
    // An x axis of 4 intervals of 20 units from (100, 100).
    static void shortXAxis()
    {
        AXIPOS(1, 100.0f, 100.0f, 80.0f, 1);
        AXISCA(3, 4, 0.0f, 4.0f, 1);
        startLog();
    }
    static void attributes(int a3, int a4, float a5, float a6, int a9)
    {
        AXIATT(0, 0.0f, a3, a4, a5, a6, 2, 2, a9, 1);
        startLog();
    }
};

struct AnnCase {
    int decimals, digits, style;
    int storedDecimals, storedDigits, storedStyle;
    std::vector<int> errors;
};

TEST_F(AnnotationTest, AnnotationSettingsAreCorrected)
{
    const AnnCase cases[] = {
        {2, 99, 3, 2, 41, 1, {}},  // automatic in thousands: no word, no warning
        {2, 3, 3, 2, 3, 3, {}},        {2, 4, 3, 2, 4, 1, {-509}},  // words need a multiple of 3
        {2, 18, 3, 2, 41, 1, {}},      {2, -20, 4, 2, 41, 1, {}},     {2, -6, 4, 2, -6, 4, {}},
        {2, 40, 3, 2, 41, 1, {}},  // 40 is beyond 15: automatic, in thousands
        {2, 6, 3, 2, 6, 3, {}},        {2, 5, 4, 2, 5, 1, {-509}},    {2, 40, 5, 2, 40, 1, {-509}},
        {2, 40, -1, 2, 40, 1, {-509}}, {12, 40, 0, 2, 40, 0, {-507}}, {-9, 40, 1, -9, 40, 1, {}},
    };
    for (const AnnCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.decimals) + " " + std::to_string(c.digits) + " " +
                     std::to_string(c.style));
        startLog();
        AXIANN(c.decimals, c.digits, c.style, 2);
        EXPECT_EQ(errors(), c.errors);
        int decimals = 0, digits = 0, width = 0, style = 0;
        AXNENQ(decimals, digits, width, style, 2);
        EXPECT_EQ(decimals, c.storedDecimals);
        EXPECT_EQ(digits, c.storedDigits);
        EXPECT_EQ(style, c.storedStyle);
    }
}

struct CaptionCase {
    int digits, style;
    Lines caption;
};

// The caption names the power of ten taken out of the numbers, in each style.
TEST_F(AnnotationTest, ExponentCaptionInEveryStyle)
{
    const CaptionCase cases[] = {
        {3, 1, {"x10"}},
        {3, 2, {"'000"}},
        {-3, 2, {"0.00'"}},
        {-1, 2, {"0.'"}},
        {3, 3, {"Thousand"}},
        {-6, 3, {"Millionths"}},
        {15, 3, {"Quadrillion"}},
        {-15, 3, {"Quadrillionths"}},
        {6, 4, {"mega-"}},
        {12, 4, {"tera-"}},
        {-15, 4, {"femto-"}},
        {0, 1, {}},  // nothing taken out: no caption in any style
        {0, 3, {}},
        {3, 0, {}},
    };
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.digits) + " style " + std::to_string(c.style));
        AXIPOS(1, 100.0f, 100.0f, 40.0f, 1);
        AXIANN(2, c.digits, c.style, 1);
        const float top = 2.0f * std::pow(10.0f, static_cast<float>(c.digits));
        AXISCA(3, 2, 0.0f, top, 1);
        startLog();
        AXIDRA(1, 1, 1);
        const Lines texts = drawnTexts(calls());
        ASSERT_GE(texts.size(), 3u);
        EXPECT_EQ(Lines(texts.begin(), texts.begin() + 3), (Lines{"0", "1", "2"}));
        EXPECT_EQ(Lines(texts.begin() + 3, texts.end()), c.caption);
        const Lines raised = callsOf("kernelDrawIntegerNumber");
        if (c.style == 1 && c.digits != 0) {
            EXPECT_EQ(raised,
                      (Lines{"kernelDrawIntegerNumber " + std::to_string(c.digits) + " -4"}));
            // Below the numbers, 7 characters before the right end.
            EXPECT_EQ(callsOf("kernelMovePen").back(), "kernelMovePen 70 60");
        } else {
            EXPECT_TRUE(raised.empty());
        }
    }
}

TEST_F(AnnotationTest, CrowdedLabelsAreLeftOutAutomatically)
{
    shortXAxis();
    const char labels[] = "AlphaBeta GammaDeltaOmega";
    AXISTR(labels, 5, 5, 1, 1);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"Alpha", "Delta"}));  // every third tick
    EXPECT_EQ(callsOf("kernelSetTextPosition")[0], "kernelSetTextPosition 75 80");
}

TEST_F(AnnotationTest, CrowdedLabelsShrinkWhenAsked)
{
    AXIPOS(1, 100.0f, 100.0f, 80.0f, 1);
    AXISCA(3, 4, 0.0f, 4.0f, 1);
    attributes(1, 0, 0.0f, 0.0f, 1);
    const char labels[] = "AlphaBeta GammaDeltaOmega";
    AXISTR(labels, 5, 5, 1, 1);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"Alpha", "Beta", "Gamma", "Delta", "Omega"}));
    // Room 20 against a need of 50: characters at 0.4 of their size, the caller's size back
    // at the exit.
    const Lines sizes = callsOf("kernelSetCharSize");
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0], "kernelSetCharSize 4 4");
    EXPECT_EQ(sizes[1], "kernelSetCharSize 10 10");
    EXPECT_EQ(callsOf("kernelSetTextPosition")[0], "kernelSetTextPosition 90 80");
}

TEST_F(AnnotationTest, FirstLabelSkipsLeadingBlanksAndTextsRepeat)
{
    AXIPOS(1, 100.0f, 100.0f, 80.0f, 1);
    AXISCA(3, 4, 0.0f, 4.0f, 1);
    attributes(2, 0, 0.0f, 0.0f, 0);
    AXISTR("A   C D ", 2, 4, 1, 1);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"C", "D", "A"}));
    EXPECT_EQ(callsOf("kernelSetTextPosition")[0], "kernelSetTextPosition 135 80");
    // Nothing without a side or without labels.
    startLog();
    AXISTR("A   C D ", 2, 4, 0, 1);
    AXISTR("A   C D ", 2, 0, 1, 1);
    EXPECT_TRUE(drawnTexts(calls()).empty());
}

// Blank texts at the start of the array move the first label on from attribute 3 by one
// each; the texts between are left to the tick they stand at.  The label angle is set and
// put back even when no label falls on a tick.
TEST_F(AnnotationTest, LeadingBlankTextsAddToTheFirstLabel)
{
    struct Case {
        int a3;
        const char* labels;
        Lines drawn;
    };
    const Case cases[] = {
        {1, "  B C D ", {"B", "C", "D"}},
        {2, "  B C D ", {"C", "D"}},
        {2, "A   C D ", {"C", "D", "A"}},
        {4, "    C D ", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.labels) + " a3 " + std::to_string(c.a3));
        AXIPOS(1, 100.0f, 100.0f, 80.0f, 1);
        AXISCA(3, 4, 0.0f, 4.0f, 1);
        attributes(c.a3, 0, 0.0f, 0.0f, 0);
        AXISTR(c.labels, 2, 4, 1, 1);
        EXPECT_EQ(drawnTexts(calls()), c.drawn);
        // The layout's angle and its reset, then the frame's restore at the exit.
        EXPECT_EQ(callsOf("kernelSetCharAngle").size(), 3u);
    }
}

// Attributes and arguments at the ends of their ranges draw nothing odd and read nothing
// outside the caller's texts.
TEST_F(AnnotationTest, ExtremeAttributesAndArgumentsAreHarmless)
{
    const int most = std::numeric_limits<int>::max();
    AXIPOS(1, 100.0f, 100.0f, 80.0f, 1);
    AXISCA(3, 4, 0.0f, 4.0f, 1);
    AXIATT(0, 0.0f, most, 0, 0.0f, 0.0f, 2, 2, 0, 1);
    startLog();
    AXISTR("AB", 2, 1, 1, 1);  // first label beyond every tick
    EXPECT_TRUE(drawnTexts(calls()).empty());
    AXIATT(0, 0.0f, 1, most, 0.0f, 0.0f, 2, 2, 0, 1);
    startLog();
    AXISTR("ABCD", 2, 2, 1, 1);  // only the first label fits
    EXPECT_EQ(drawnTexts(calls()), (Lines{"AB"}));
    startLog();
    AXISTR("AB", 0, 1, 1, 1);
    AXISTR("AB", 2, 1, std::numeric_limits<int>::min(), 1);
    AXLSTR("AB", 2, -5, 30.0f, 1);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"AB"}));
    EXPECT_TRUE(errors().empty());
}

// A null label array is read as no texts, as a length of 0 is: nothing drawn, nothing
// reported, on either axis, side and orientation.
TEST_F(AnnotationTest, NullLabelArraysDrawNothing)
{
    struct Case {
        const char* call;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"AXISTR x", [] { AXISTR(nullptr, 2, 4, 1, 1); }},
        {"AXISTR y", [] { AXISTR(nullptr, 5, 3, -1, 2); }},
        {"AXLSTR x", [] { AXLSTR(nullptr, 2, 4, 30.0f, -1); }},
        {"AXLSTR y", [] { AXLSTR(nullptr, 5, 1, 30.0f, 2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        shortXAxis();
        AXIPOS(1, 100.0f, 100.0f, 80.0f, 2);
        AXISCA(3, 4, 0.0f, 4.0f, 2);
        startLog();
        c.run();
        EXPECT_TRUE(drawnTexts(calls()).empty());
        EXPECT_TRUE(errors().empty());
    }
}

// Attribute 1 puts numbers and caption at the coordinate of attribute 2 instead of beside
// the axis line.
TEST_F(AnnotationTest, NumbersAndCaptionAtAGivenCoordinate)
{
    AXIPOS(1, 100.0f, 100.0f, 40.0f, 1);
    AXISCA(3, 2, 0.0f, 2000.0f, 1);
    AXIANN(2, 3, 1, 1);
    AXIATT(1, 50.0f, 1, -1, 0.0f, 0.0f, 2, 2, 0, 1);
    startLog();
    AXIDRA(1, 1, 1);
    const Lines positions = callsOf("kernelSetTextPosition");
    ASSERT_GE(positions.size(), 3u);
    EXPECT_EQ(positions[0], "kernelSetTextPosition 95 40");  // hanging from y = 50
    EXPECT_EQ(callsOf("kernelMovePen").back(), "kernelMovePen 70 20");
}

TEST_F(AnnotationTest, ShiftAndAngleMoveTheLabels)
{
    AXIPOS(1, 100.0f, 100.0f, 80.0f, 1);
    AXISCA(3, 4, 0.0f, 4.0f, 1);
    attributes(1, 0, 0.5f, 0.0f, 0);
    AXISTR("AB", 2, 1, 1, 1);
    // Half a tick spacing along the axis.
    EXPECT_EQ(callsOf("kernelSetTextPosition")[0], "kernelSetTextPosition 100 80");
    attributes(1, 0, 0.0f, 90.0f, 0);
    AXISTR("AB", 2, 1, 1, 1);
    // Turned upright: one character height to the right of the anchor, centred on it along
    // the turned baseline.
    EXPECT_EQ(callsOf("kernelSetCharAngle")[0], "kernelSetCharAngle 90");
    EXPECT_EQ(callsOf("kernelSetTextPosition")[0], "kernelSetTextPosition 110 80");
}

TEST_F(AnnotationTest, AttributesAreCheckedStoredAndEnquired)
{
    AXIATT(5, 12.5f, 3, -1, 0.25f, 30.0f, 3, -2, 7, 2);
    EXPECT_EQ(errors(), (std::vector<int>{-545, -545}));
    int a1, a3, a4, a7, a8, a9;
    float a2, a5, a6;
    AXTENQ(a1, a2, a3, a4, a5, a6, a7, a8, a9, 2);
    EXPECT_EQ(std::vector<int>({a1, a3, a4, a7, a8, a9}), std::vector<int>({0, 3, -1, 2, 2, 0}));
    EXPECT_EQ(std::vector<float>({a2, a5, a6}), std::vector<float>({12.5f, 0.25f, 30.0f}));
    // The shift is stored only for an axis argument of exactly 1 or 2.
    AXIATT(1, 0.0f, 1, 0, 0.75f, 0.0f, -1, 1, 1, 3);
    AXTENQ(a1, a2, a3, a4, a5, a6, a7, a8, a9, 2);
    EXPECT_EQ(std::vector<int>({a1, a7, a8, a9}), std::vector<int>({1, -1, 1, 1}));
    EXPECT_FLOAT_EQ(a5, 0.25f);
}

TEST_F(AnnotationTest, LabelsAtEveryTickThatHasRoom)
{
    shortXAxis();
    AXLSTR("AlphaB    ", 5, 2, 30.0f, -1);
    // 50 units wide against 20 between ticks: every third tick, texts used again in turn.
    EXPECT_EQ(drawnTexts(calls()), (Lines{"Alpha", "B"}));
    EXPECT_EQ(callsOf("kernelSetTextPosition")[0], "kernelSetTextPosition 75 20");
    EXPECT_EQ(callsOf("kernelSetTextPosition")[1], "kernelSetTextPosition 155 20");
    AXIPOS(1, 100.0f, 100.0f, 80.0f, 2);
    AXISCA(3, 4, 0.0f, 4.0f, 2);
    startLog();
    AXLSTR("AlphaB    ", 5, 2, 30.0f, -2);
    const Lines positions = callsOf("kernelSetTextPosition");
    ASSERT_GE(positions.size(), 5u);
    EXPECT_EQ(positions[0], "kernelSetTextPosition -20 100");  // ends at the position
    EXPECT_EQ(positions[1], "kernelSetTextPosition -20 120");
}

TEST_F(AnnotationTest, EnquiriesOfPositionAndScaling)
{
    AXIPOS(0, 150.0f, 120.0f, 500.0f, 2);
    int type = -1, count = 0;
    float x = 0.0f, y = 0.0f, length = 0.0f;
    AXPENQ(type, x, y, length, 2);
    EXPECT_EQ(type, 0);
    EXPECT_EQ(std::vector<float>({x, y, length}), std::vector<float>({150.0f, 120.0f, 500.0f}));
    // Cell centres: the ends half a unit out and the count held during the call.
    AXISCA(5, 4, 1.0f, 4.0f, 1);
    float lo = 0.0f, hi = 0.0f;
    for (int call = 0; call < 2; ++call) {
        AXSENQ(type, count, lo, hi, 1);
        EXPECT_EQ(type, 5);
        EXPECT_EQ(count, 3);
        EXPECT_FLOAT_EQ(lo, 0.5f);
        EXPECT_FLOAT_EQ(hi, 4.5f);
    }
}

// Ranges whose ticks pass through zero in float steps that do not add up exactly: every number
// along the axis is its tick's own value, so the one at zero reads as a plain zero and never
// as "-0.0", and the numbers stand an equal step apart (to the last decimal written).
TEST_F(AnnotationTest, TickAtZeroReadsZero)
{
    const float ranges[][2] = {{-1.2f, 1.2f}, {-0.3f, 0.6f}, {-0.7f, 0.7f},
                               {-2.1f, 0.9f}, {-3.3f, 3.3f}, {-0.9f, 0.3f}};
    for (int type : {1, 3}) {
        for (const auto& r : ranges) {
            for (int count : {0, 3, 6, 9, 12}) {
                SCOPED_TRACE(std::to_string(type) + " " + std::to_string(r[0]) + " " +
                             std::to_string(count));
                AXIPOS(1, 100.0f, 100.0f, 800.0f, 1);
                AXISCA(type, count, r[0], r[1], 1);
                startLog();
                AXIDRA(1, 1, 1);
                std::vector<double> values;
                double unit = 1.0;  // one in the last decimal written
                int zeros = 0;
                for (const std::string& line : callsOf("kernelDrawText")) {
                    const std::string text =
                        line.substr(line.find('"') + 1, line.rfind('"') - line.find('"') - 1);
                    if (text.find_first_not_of("-0.") == std::string::npos) {
                        EXPECT_EQ(text[0], '0') << text;
                        ++zeros;
                    }
                    values.push_back(std::stod(text));
                    const size_t point = text.find('.');
                    if (point != std::string::npos)
                        unit = std::pow(10.0, -static_cast<double>(text.size() - point - 1));
                }
                ASSERT_GE(values.size(), 3u);
                EXPECT_LE(zeros, 1);
                for (size_t i = 2; i < values.size(); ++i)
                    EXPECT_NEAR(values[i] - values[i - 1], values[1] - values[0], 1.01 * unit);
            }
        }
    }
}

}  // namespace
