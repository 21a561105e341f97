// Tests of AXIDRA: the axis line, major and minor ticks, numbers and exponent captions of
// linear, logarithmic and date axes, read from the kernel call log.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "axes/pen_replay.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class AxisDrawingTest : public PlotLibraryTest {
protected:
    // An x axis of `intervals` intervals of `spacing` kernel units from (100, 100), values
    // 0..intervals by count.
    static void shortXAxis(int intervals, float spacing)
    {
        AXIPOS(1, 100.0f, 100.0f, intervals * spacing, 1);
        const float top = static_cast<float>(intervals);
        AXISCA(3, intervals, 0.0f, top, 1);
        startLog();
    }
};

TEST_F(AxisDrawingTest, LinearAxisDrawsLineZigZagTicksAndNumbersBelow)
{
    shortXAxis(2, 20.0f);
    AXIDRA(1, 1, 1);
    const Lines expected = {
        "kernelMovePen 100 100", "kernelDrawLineBy 40 0",  // axis line
        "kernelMovePen 140 100", "kernelDrawLineBy 0 -5",  // last tick, outward
        "kernelMovePenBy -20 0", "kernelDrawLineBy 0 5",   // back toward the axis
        "kernelMovePenBy -20 0", "kernelDrawLineBy 0 -5",  // first tick
        "kernelMovePenBy -20 0",
        // Numbers centred under their ticks, hanging one character height below the line.
        "kernelSetTextPosition 95 80", "kernelDrawText \"0\"", "kernelSetTextPosition 115 80",
        "kernelDrawText \"1\"", "kernelSetTextPosition 135 80", "kernelDrawText \"2\"",
        "kernelSetTextPosition 0 0",  // frame restores
    };
    EXPECT_EQ(drawingCalls(calls()), expected);
    EXPECT_TRUE(errors().empty());
}

TEST_F(AxisDrawingTest, SignsOfSwitchesPutTicksAndNumbersOnEitherSide)
{
    shortXAxis(2, 20.0f);
    AXIDRA(-1, -1, 1);
    const Lines d = drawingCalls(calls());
    ASSERT_GE(d.size(), 4u);
    EXPECT_EQ(d[3], "kernelDrawLineBy 0 5");  // upward ticks
    // Numbers above the line: anchor one character above it, baseline half a height up.
    EXPECT_EQ(d[9], "kernelSetTextPosition 95 105");
}

TEST_F(AxisDrawingTest, ZeroSwitchesDrawTheBareLine)
{
    shortXAxis(2, 20.0f);
    AXIDRA(0, 0, 1);
    const Lines expected = {"kernelMovePen 100 100", "kernelDrawLineBy 40 0",
                            "kernelSetTextPosition 0 0"};
    EXPECT_EQ(drawingCalls(calls()), expected);
}

// Minor ticks from the room between ticks (half a character width per unit): every interval
// gets the same ticks at the same fractions, all on the side the switch names.
TEST_F(AxisDrawingTest, MinorTicksAtTheirFractionsOnTheirSideInEveryInterval)
{
    struct Case {
        float spacing;
        std::vector<int> tenths;
    };
    const Case cases[] = {
        {45.0f, {1, 2, 3, 4, 5, 6, 7, 8, 9}}, {30.0f, {2, 4, 6, 8}}, {10.0f, {5}}};
    for (const Case& c : cases) {
        for (int tickSwitch : {2, -2}) {
            SCOPED_TRACE("spacing " + std::to_string(c.spacing) + " switch " +
                         std::to_string(tickSwitch));
            shortXAxis(3, c.spacing);
            AXIDRA(tickSwitch, 0, 1);
            std::vector<float> at[3];
            for (const Segment& s : replayLines(calls())) {
                if (std::fabs(std::fabs(s.y1 - s.y0) - 3.0f) > 1e-4f) continue;  // minor only
                ASSERT_FLOAT_EQ(s.x0, s.x1);
                const float outer = tickSwitch > 0 ? 97.0f : 103.0f;
                EXPECT_FLOAT_EQ(std::fmin(s.y0, s.y1), std::fmin(100.0f, outer));
                EXPECT_FLOAT_EQ(std::fmax(s.y0, s.y1), std::fmax(100.0f, outer));
                const int interval = static_cast<int>((s.x0 - 100.0f) / c.spacing);
                ASSERT_GE(interval, 0);
                ASSERT_LT(interval, 3);
                at[interval].push_back(s.x0 - 100.0f - interval * c.spacing);
            }
            for (const std::vector<float>& interval : at) {
                ASSERT_EQ(interval.size(), c.tenths.size());
                for (size_t j = 0; j < c.tenths.size(); ++j) {
                    EXPECT_NEAR(interval[j], c.spacing * c.tenths[j] / 10.0f, 1e-3f);
                }
            }
        }
    }
}

TEST_F(AxisDrawingTest, LogAxisNumbersDecadesWithLogCaptionAndLogMinorTicks)
{
    AXIPOS(1, 100.0f, 100.0f, 60.0f, 1);
    AXISCA(4, 0, 1.0f, 1000.0f, 1);
    startLog();
    AXIDRA(2, 1, 1);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"0", "1", "2", "3", "Log10"}));
    // The caption stands 7 characters before the right end, below the numbers.
    const Lines d = drawingCalls(calls());
    const Lines tail(d.end() - 3, d.end());
    EXPECT_EQ(
        tail,
        (Lines{"kernelMovePen 90 60", "kernelDrawText \"Log10\"", "kernelSetTextPosition 0 0"}));
    // Minor ticks at log10 of 2, 4, 6, 8 of each decade (room of 4 half characters).
    std::vector<float> minors;
    for (const Segment& s : replayLines(calls()))
        if (std::fabs(s.y1 - s.y0) == 3.0f && s.x0 < 120.0f) minors.push_back(s.x0 - 100.0f);
    ASSERT_EQ(minors.size(), 4u);
    const int j[] = {2, 4, 6, 8};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(minors[i], 20.0 * std::log10(j[i]), 1e-3);
}

// With a label exponent d a log axis writes decade e in full while |e| < d and as a power of
// ten from the decade e = d on; no "Log10" caption then.  Caption style 0 leaves the caption
// out of the decade exponents.  Decades beyond a single-precision real's exact integers are
// still written digit for digit.
TEST_F(AxisDrawingTest, LogAxisWritesPowersOfTenFromTheDecadeOfTheLabelExponent)
{
    const struct {
        int digits, style;
        float minimum, maximum;
        Lines texts;
    } rows[] = {
        {2, 1, 1.0f, 1000.0f, {"1", "10", "1E2", "1E3"}},
        {3, 1, 1.0f, 1000.0f, {"1", "10", "100", "1E3"}},
        {4, 1, 1.0f, 1000.0f, {"1", "10", "100", "1000"}},
        {-2, 1, 0.01f, 10.0f, {"1E-2", "0.1", "1", "10"}},
        {40, 0, 1.0f, 1000.0f, {"0", "1", "2", "3"}},
        {15,
         1,
         1e11f,
         1e15f,
         {"100000000000", "1000000000000", "10000000000000", "100000000000000", "1E15"}},
        {14, 1, 1e-14f, 1e-12f, {"1E-14", "0.0000000000001", "0.000000000001"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.digits);
        AXIPOS(1, 100.0f, 100.0f, 800.0f, 1);  // room for every number
        AXISCA(4, 0, r.minimum, r.maximum, 1);
        AXIANN(0, r.digits, r.style, 1);
        startLog();
        AXIDRA(2, 1, 1);
        EXPECT_EQ(drawnTexts(calls()), r.texts);
    }
}

// A negative decimals setting writes that many decimals, up to nine; a positive one as many as
// the step needs, at most that many.
TEST_F(AxisDrawingTest, DecimalsSettingFixesOrBoundsTheDecimalsWritten)
{
    const struct {
        int decimals;
        Lines texts;
    } rows[] = {
        {-1, {"0.0", "0.5", "1.0"}},
        {-9, {"0.000000000", "0.500000000", "1.000000000"}},
        {9, {"0.0", "0.5", "1.0"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.decimals);
        AXIPOS(1, 100.0f, 100.0f, 800.0f, 1);  // room for every number
        AXISCA(3, 2, 0.0f, 1.0f, 1);
        AXIANN(r.decimals, 40, 1, 1);
        startLog();
        AXIDRA(1, 1, 1);
        EXPECT_EQ(drawnTexts(calls()), r.texts);
    }
}

TEST_F(AxisDrawingTest, YAxisNumbersEndLeftOfTheLineUnderARaisedExponentCaption)
{
    AXIPOS(1, 100.0f, 100.0f, 60.0f, 2);
    AXISCA(1, 3, 0.0f, 30000.0f, 2);
    startLog();
    AXIDRA(-1, -1, 2);
    const Lines d = drawingCalls(calls());
    const Lines numbersAndCaption(d.end() - 13, d.end() - 1);
    const Lines expected = {
        // Right-aligned one character width left of the line, centred on each tick.
        "kernelSetTextPosition 80 95", "kernelDrawText \"0\"", "kernelSetTextPosition 80 115",
        "kernelDrawText \"1\"", "kernelSetTextPosition 80 135", "kernelDrawText \"2\"",
        "kernelSetTextPosition 80 155", "kernelDrawText \"3\"",
        // x10 with 4 raised half a character: the numbers are in units of 10^4.
        "kernelMovePen 75 175", "kernelDrawText \"x10\"", "kernelMovePenBy 0 5",
        "kernelDrawIntegerNumber 4 -4"};
    EXPECT_EQ(numbersAndCaption, expected);
}

TEST_F(AxisDrawingTest, YCaptionDistanceDependsOnTheSideNotTheSizeOfTheSwitch)
{
    AXIPOS(1, 100.0f, 100.0f, 60.0f, 2);
    AXISCA(1, 3, 0.0f, 30000.0f, 2);
    AXIDRA(-1, -1, 2);
    const Lines one = callsOf("kernelMovePen");
    startLog();
    AXIDRA(-1, -3, 2);
    EXPECT_EQ(callsOf("kernelMovePen").back(), one.back());
}

TEST_F(AxisDrawingTest, EmptyRangeWarnsUnderTheRoutineNameAndWidens)
{
    AXIPOS(1, 100.0f, 100.0f, 60.0f, 1);
    AXISCA(4, 0, 0.0f, 1.0f, 1);  // the minimum is replaced by 1 / max: an empty range
    ASSERT_EQ(errors(), (std::vector<int>{513}));
    startLog();
    AXIDRA(1, 1, 1);
    ASSERT_EQ(tarv::errorLog().size(), 1u);
    EXPECT_EQ(tarv::errorLog()[0].number, -520);
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpDrawAxes(AXIDRA)");
    int type = 0, count = 0;
    float lo = 0.0f, hi = 0.0f;
    AXSENQ(type, count, lo, hi, 1);
    EXPECT_FLOAT_EQ(lo, 1.0f);
    EXPECT_FLOAT_EQ(hi, 10.0f);
}

TEST_F(AxisDrawingTest, AtMost400NumbersAndNoneRepeated)
{
    AXIPOS(1, 0.0f, 100.0f, 1000.0f, 1);
    AXISCA(3, 499, 0.0f, 499.0f, 1);
    AXIATT(0, 0.0f, 1, 0, 0.0f, 0.0f, 2, 2, 0, 1);  // no automatic skipping
    startLog();
    AXIDRA(1, 1, 1);
    const Lines texts = drawnTexts(calls());
    ASSERT_EQ(texts.size(), 400u);
    EXPECT_EQ(texts.front(), "0");
    EXPECT_EQ(texts.back(), "399");
    EXPECT_EQ(callsOf("kernelDrawLineBy").size(), 1u + 500u);  // every tick still drawn
}

TEST_F(AxisDrawingTest, DateAxisOfMonthsNumbersItsTicksWithDates)
{
    AXIPOS(1, 100.0f, 100.0f, 300.0f, 1);
    DATSCA(2, 3, "12/1/99", 7, "1/4/99", 6, 1);  // moved back to 1 January
    startLog();
    AXIDRA(1, 1, 1);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"01/01/99", "01/02/99", "01/03/99", "01/04/99"}));
    EXPECT_EQ(callsOf("kernelSetTextPosition")[0], "kernelSetTextPosition 60 80");
}

// A month axis with room for more than 15 characters per month is drawn by days: a tick a day,
// the first of each month long, the texts at the months only.
TEST_F(AxisDrawingTest, MonthAxisDrawnByDaysMarksMonths)
{
    AXIPOS(1, 100.0f, 100.0f, 800.0f, 1);
    DATSCA(2, 3, "1/1/99", 6, "1/3/99", 6, 1);  // 59 days
    startLog();
    AXIDRA(1, 1, 1);
    const float spacing = 800.0f / 59.0f;
    // Without minor ticks the days between are ticks of zero length.
    std::vector<Segment> ticks;
    int dayTicks = 0;
    for (const Segment& s : replayLines(calls())) {
        if (s.x0 != s.x1) continue;
        if (s.y0 != s.y1) ticks.push_back(s);
        else ++dayTicks;
    }
    EXPECT_EQ(dayTicks, 57);
    ASSERT_EQ(ticks.size(), 3u);
    const int monthTicks[] = {0, 31, 59};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(ticks[i].x0, 100.0f + monthTicks[i] * spacing, 1e-3f);
        EXPECT_FLOAT_EQ(ticks[i].y1 - ticks[i].y0, -5.0f);
    }
    EXPECT_EQ(drawnTexts(calls()), (Lines{"01/01/99", "01/02/99", "01/03/99"}));

    startLog();
    AXIDRA(2, 0, 1);
    int major = 0, minor = 0;
    for (const Segment& s : replayLines(calls())) {
        if (s.x0 != s.x1) continue;
        (s.y1 - s.y0 == -5.0f ? major : minor) += 1;
    }
    EXPECT_EQ(major, 3);
    EXPECT_EQ(minor, 57);
}

}  // namespace
