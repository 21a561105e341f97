// Tests of GRID: the frame about the plot with grid lines, ticks or a marker grid, numbers on
// the bottom and left sides, zero lines, and the thin minor lines of style -4.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "axes/pen_replay.h"
#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class GridTest : public PlotLibraryTest {
protected:
    // Axes of the application's plot: 800 by 600 kernel units from (100, 100).
    static void plotAxes(float xLow, float xHigh, float yLow, float yHigh, int xType = 1,
                         int yType = 1, int count = 10)
    {
        AXIPOS(1, 100.0f, 100.0f, 800.0f, 1);
        AXIPOS(1, 100.0f, 100.0f, 600.0f, 2);
        AXISCA(xType, count, xLow, xHigh, 1);
        AXISCA(yType, count, yLow, yHigh, 2);
        startLog();
    }
    static bool vertical(const Segment& s) { return s.x0 == s.x1 && s.y0 != s.y1; }
    static bool horizontal(const Segment& s) { return s.y0 == s.y1 && s.x0 != s.x1; }
    // Segments of a given length in one direction.
    static std::vector<Segment> linesOf(const std::vector<Segment>& all, bool isVertical,
                                        float length)
    {
        std::vector<Segment> out;
        for (const Segment& s : all) {
            const float l = isVertical ? std::fabs(s.y1 - s.y0) : std::fabs(s.x1 - s.x0);
            if ((isVertical ? vertical(s) : horizontal(s)) && std::fabs(l - length) < 1e-3f)
                out.push_back(s);
        }
        return out;
    }
    static void expectInsideFrame(const std::vector<Segment>& all)
    {
        for (const Segment& s : all) {
            for (float x : {s.x0, s.x1}) {
                EXPECT_GE(x, 100.0f - 1e-3f);
                EXPECT_LE(x, 900.0f + 1e-3f);
            }
            for (float y : {s.y0, s.y1}) {
                EXPECT_GE(y, 100.0f - 1e-3f);
                EXPECT_LE(y, 700.0f + 1e-3f);
            }
        }
    }
};

TEST_F(GridTest, GridLinesAtTheInnerTicksWithNumbersBelowAndLeftAndTheFrame)
{
    plotAxes(0.0f, 1.0f, 0.0f, 1.0f);
    GRID(3, 1, 1);
    const std::vector<Segment> lines = replayLines(calls());
    const std::vector<Segment> columns = linesOf(lines, true, 600.0f);
    const std::vector<Segment> rows = linesOf(lines, false, 800.0f);
    // 9 grid lines each way plus two frame sides each way.
    ASSERT_EQ(columns.size(), 11u);
    ASSERT_EQ(rows.size(), 11u);
    std::vector<float> xs, ys;
    for (const Segment& s : columns) xs.push_back(s.x0);
    for (const Segment& s : rows) ys.push_back(s.y0);
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    for (int i = 0; i <= 10; ++i) {
        EXPECT_FLOAT_EQ(xs[i], 100.0f + 80.0f * i);
        EXPECT_FLOAT_EQ(ys[i], 100.0f + 60.0f * i);
    }
    expectInsideFrame(lines);
    // The vertical grid lines are one zig-zag path from the last inner tick.
    const Lines d = drawingCalls(calls());
    EXPECT_EQ(
        Lines(d.begin(), d.begin() + 6),
        (Lines{"kernelMovePen 100 100", "kernelDrawLineBy 800 0", "kernelMovePen 820 100",
               "kernelDrawLineBy 0 600", "kernelMovePenBy -80 0", "kernelDrawLineBy 0 -600"}));
    const Lines texts = drawnTexts(calls());
    ASSERT_EQ(texts.size(), 22u);
    EXPECT_EQ(texts[0], "0.0");
    EXPECT_EQ(texts[10], "1.0");
    const Lines positions = callsOf("kernelSetTextPosition");
    EXPECT_EQ(positions[0], "kernelSetTextPosition 85 80");   // under the first tick
    EXPECT_EQ(positions[11], "kernelSetTextPosition 60 95");  // left of the first tick
}

// Minor grid lines at tenths in every interval, and none of them leaves the frame.
TEST_F(GridTest, MinorGridLinesStayInsideTheFrame)
{
    plotAxes(0.0f, 1.0f, 0.0f, 1.0f);
    GRID(-3, 1, 1);
    const std::vector<Segment> lines = replayLines(calls());
    expectInsideFrame(lines);
    EXPECT_EQ(linesOf(lines, true, 600.0f).size(), 11u + 90u);
    EXPECT_EQ(linesOf(lines, false, 800.0f).size(), 11u + 90u);
}

TEST_F(GridTest, ThinMinorLinesThenMajorLinesAgainAtTheCallersWidth)
{
    plotAxes(0.0f, 1.0f, 0.0f, 1.0f);
    const float callerWidth = 1.5f;
    kernelSetLineWidth(callerWidth);
    startLog();
    GRID(-4, 1, 1);
    const Lines log = calls();
    const auto thin = std::find(log.begin(), log.end(), "kernelSetLineWidth 0");
    const auto back = std::find(log.begin(), log.end(), "kernelSetLineWidth 1.5");
    ASSERT_NE(thin, log.end());
    ASSERT_NE(back, log.end());
    ASSERT_LT(thin, back);
    EXPECT_EQ(std::count(log.begin(), thin, "kernelEnquireLineWidth -> 1.5"), 1);
    const Lines first(thin, back), second(back, log.end());
    const std::vector<Segment> a = replayLines(first), b = replayLines(second);
    EXPECT_EQ(linesOf(a, true, 600.0f).size(), 1u + 9u + 90u);
    EXPECT_EQ(drawnTexts(first).size(), 22u);
    // Second pass: the major lines only, no numbers; then the top and right sides.
    EXPECT_EQ(linesOf(b, true, 600.0f).size(), 1u + 9u + 1u);
    EXPECT_EQ(linesOf(b, false, 800.0f).size(), 1u + 9u + 1u);
    EXPECT_TRUE(drawnTexts(second).empty());
}

TEST_F(GridTest, FrameOnlyWithZeroLinesThroughValueZero)
{
    plotAxes(-1.0f, 1.0f, -1.0f, 2.0f, 3, 3, 6);
    GRID(0, 1, 1);
    const std::vector<Segment> lines = replayLines(calls());
    // Four sides and two zero lines, no ticks.
    EXPECT_EQ(lines.size(), 6u);
    const Lines d = drawingCalls(calls());
    EXPECT_EQ(Lines(d.end() - 5, d.end() - 1),
              (Lines{"kernelMovePen 500 100", "kernelDrawLineTo 500 700", "kernelMovePen 100 300",
                     "kernelDrawLineTo 900 300"}));
    EXPECT_EQ(drawnTexts(calls()).size(), 14u);
}

// Zero lines belong to the frame (style 0) and the tick frame (style 2) only; style 4 without
// minor lines is style 3.
TEST_F(GridTest, ZeroLinesOnlyWithFrameAndTickStyles)
{
    auto zeroLines = [] {
        int n = 0;
        for (const std::string& l : calls())
            if (l == "kernelDrawLineTo 500 700" || l == "kernelDrawLineTo 900 300") ++n;
        return n;
    };
    const int expected[] = {2, 0, 2, 0, 0};
    for (int style = 0; style <= 4; ++style) {
        SCOPED_TRACE("style " + std::to_string(style));
        plotAxes(-1.0f, 1.0f, -1.0f, 2.0f, 3, 3, 6);
        GRID(style, 1, 1);
        EXPECT_EQ(zeroLines(), expected[style]);
    }
    plotAxes(-1.0f, 1.0f, -1.0f, 2.0f, 3, 3, 6);
    GRID(3, 1, 1);
    const Lines three = calls();
    startLog();
    GRID(4, 1, 1);
    EXPECT_EQ(calls(), three);
}

TEST_F(GridTest, MarkerGridWalksColumnsUpAndDownBetweenInwardTicks)
{
    const struct {
        int intervals;  // each way
        Lines markers;
    } cases[] = {
        {2, {"kernelMovePen 500 400 kernelDrawMarker 3"}},  // one marker, at the centre
        {3,
         {"kernelMovePen 366.667 300 kernelDrawMarker 3",
          "kernelMovePen 366.667 500 kernelDrawMarker 3",
          "kernelMovePen 633.333 500 kernelDrawMarker 3",
          "kernelMovePen 633.333 300 kernelDrawMarker 3"}},
    };
    Lines log;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.intervals);
        plotAxes(0.0f, 1.0f, 0.0f, 1.0f, 3, 3, c.intervals);
        GRID(1, 1, 1);
        log = calls();
        Lines markers;
        for (size_t i = 1; i < log.size(); ++i)
            if (log[i].rfind("kernelDrawMarker", 0) == 0)
                markers.push_back(log[i - 1] + " " + log[i]);
        EXPECT_EQ(markers, c.markers);
        // Ticks of all four sides point into the frame.
        expectInsideFrame(replayLines(log));
    }
    // On the axes of three intervals: styles beyond 4 act as style 1, options outside -1..1 as 1.
    startLog();
    GRID(7, 5, -7);
    EXPECT_EQ(calls(), log);
    // Any style below -4 is style -1 (kind 2 with minor ticks).
    startLog();
    GRID(-1, 1, 1);
    const Lines minusOne = calls();
    startLog();
    GRID(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 1);
    EXPECT_EQ(calls(), minusOne);
}

// Axes of one interval have no inner grid positions: each side is its line and the pen
// move to where the last tick would stand, with no tick drawn.
TEST_F(GridTest, SidesWithoutInnerPositionsDrawTheLineOnly)
{
    plotAxes(0.0f, 1.0f, 0.0f, 1.0f, 3, 3, 1);
    GRID(1, 0, 0);
    const Lines expected = {
        "kernelMovePen 100 100", "kernelDrawLineBy 800 0", "kernelMovePen 100 100",
        "kernelMovePen 100 700", "kernelDrawLineBy 800 0", "kernelMovePen 100 700",
        "kernelMovePen 100 100", "kernelDrawLineBy 0 600", "kernelMovePen 100 100",
        "kernelMovePen 900 100", "kernelDrawLineBy 0 600", "kernelMovePen 900 100",
    };
    Lines drawing;
    for (const std::string& l : calls())
        if (l.rfind("kernelMovePen", 0) == 0 || l.rfind("kernelDrawLine", 0) == 0 ||
            l.rfind("kernelDrawMarker", 0) == 0)
            drawing.push_back(l);
    EXPECT_EQ(drawing, expected);
}

TEST_F(GridTest, TicksPointOutOfTheFrameAtEveryCellOfACategoryAxis)
{
    plotAxes(1.0f, 4.0f, 0.0f, 1.0f, 5, 3, 4);
    GRID(2, 1, 1);
    int below = 0;
    for (const Segment& s : replayLines(calls()))
        if (vertical(s) && std::fmin(s.y0, s.y1) < 100.0f) {
            ++below;
            EXPECT_FLOAT_EQ(std::fmax(s.y0, s.y1), 100.0f);
        }
    EXPECT_EQ(below, 4);  // a tick at each of the 4 cell centres
    EXPECT_EQ(drawnTexts(calls()),
              (Lines{"1", "2", "3", "4", "0.00", "0.25", "0.50", "0.75", "1.00"}));
}

TEST_F(GridTest, OptionMinusOneLeavesThatSideBare)
{
    plotAxes(0.0f, 1.0f, 0.0f, 1.0f, 3, 3, 4);
    GRID(2, -1, 0);
    EXPECT_TRUE(drawnTexts(calls()).empty());
    for (const Segment& s : replayLines(calls())) {
        const bool tickOnBottom =
            vertical(s) && std::fmin(s.y0, s.y1) == 100.0f && std::fabs(s.y1 - s.y0) < 10.0f;
        EXPECT_FALSE(tickOnBottom);
    }
    // The left side keeps its ticks.
    int leftTicks = 0;
    for (const Segment& s : replayLines(calls()))
        if (horizontal(s) && std::fmin(s.x0, s.x1) == 100.0f && std::fabs(s.x1 - s.x0) == 5.0f)
            ++leftTicks;
    EXPECT_EQ(leftTicks, 3);
}

TEST_F(GridTest, EmptyRangeWarnsMovedNumberUnderTheGridName)
{
    plotAxes(0.0f, 1.0f, 0.0f, 1.0f, 3, 4, 4);
    AXISCA(4, 0, 0.0f, 1.0f, 2);
    startLog();
    GRID(3, 1, 1);
    ASSERT_EQ(tarv::errorLog().size(), 1u);
    EXPECT_EQ(tarv::errorLog()[0].number, -520);
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpAddGrid(GRID)");
}

// Grids of far more positions than the picture (1000 kernel units across) can show: the marks
// drawn stand at least one unit (lines, ticks) or five units (markers) apart, still reach both
// ends of the frame, and warning -25 (-525) says once that some were left out.
TEST_F(GridTest, MarksCloserThanThePictureShowsAreLeftOut)
{
    const struct {
        int style, xCount, yCount, intervalSetting;
        size_t maxMarkers, maxLines;
    } cases[] = {
        {1, 100000, 100000, -1, 40000, 5000},   // markers and inward ticks
        {1, 600, 3, -1, 300, 5000},             // markers at every fourth column
        {-20, 1000000, 10, 1000, 40000, 5000},  // with minor ticks asked for at every tick
        {3, 100000, 3000, -1, 0, 5000},         // grid lines
        {-4, 900, 100000, -1, 0, 5000},         // thin minor lines, major lines again
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        plotAxes(0.0f, 1.0f, 0.0f, 1.0f, 3, 3, 1);
        AXISCA(3, c.xCount, 0.0f, 1.0f, 1);
        AXISCA(3, c.yCount, 0.0f, 1.0f, 2);
        if (c.intervalSetting >= 0) AXIINT(c.intervalSetting, 2);
        startLog();
        GRID(c.style, 1, 1);
        EXPECT_EQ(errors(), std::vector<int>{-525});
        const Lines log = calls();
        std::vector<float> xs, ys;
        float penX = 0.0f, penY = 0.0f;
        for (const std::string& line : log) {
            if (line.rfind("kernelMovePen ", 0) == 0) {
                const std::vector<float> v = numbersAfterName(line);
                penX = v[0], penY = v[1];
            } else if (line.rfind("kernelDrawMarker", 0) == 0) {
                xs.push_back(penX), ys.push_back(penY);
            }
        }
        EXPECT_LE(xs.size(), c.maxMarkers);
        // The columns drawn, left to right, go up and down in turn from the first one up, as
        // the walk of every column does, each through all the rows drawn.
        std::vector<size_t> columnStarts;
        for (size_t i = 0; i < xs.size(); ++i)
            if (i == 0 || xs[i] != xs[i - 1]) columnStarts.push_back(i);
        columnStarts.push_back(xs.size());
        int wrongWay = 0;
        for (size_t j = 0; j + 1 < columnStarts.size(); ++j) {
            const size_t from = columnStarts[j], to = columnStarts[j + 1];
            EXPECT_EQ(to - from, columnStarts[1]) << j;
            if (j > 0 && !(xs[from] > xs[from - 1])) ++wrongWay;
            for (size_t i = from + 1; i < to; ++i)
                if (j % 2 == 0 ? !(ys[i] > ys[i - 1]) : !(ys[i] < ys[i - 1])) ++wrongWay;
        }
        EXPECT_EQ(wrongWay, 0);
        if (c.maxMarkers > 0) {
            ASSERT_FALSE(xs.empty());
            std::sort(xs.begin(), xs.end());
            std::sort(ys.begin(), ys.end());
            xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
            ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
            for (size_t i = 1; i < xs.size(); ++i) EXPECT_GE(xs[i] - xs[i - 1], 5.0f - 1e-3f);
            for (size_t i = 1; i < ys.size(); ++i) EXPECT_GE(ys[i] - ys[i - 1], 5.0f - 1e-3f);
            EXPECT_LT(xs.front(), 110.0f);
            EXPECT_GT(xs.back(), 890.0f);
        }
        const std::vector<Segment> lines = replayLines(log);
        EXPECT_LE(lines.size(), c.maxLines);
        expectInsideFrame(lines);
        // Lines across the frame (grid lines, or ticks on the bottom side) inside the frame's
        // sides stand apart.
        std::vector<float> columns;
        for (const Segment& sg : lines)
            if (vertical(sg) && std::fmin(sg.y0, sg.y1) <= 100.0f + 1e-3f && sg.x0 > 100.001f &&
                sg.x0 < 899.999f)
                columns.push_back(sg.x0);
        std::sort(columns.begin(), columns.end());
        columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
        ASSERT_GE(columns.size(), 2u);
        for (size_t i = 1; i < columns.size(); ++i)
            EXPECT_GE(columns[i] - columns[i - 1], 1.0f - 1e-3f) << columns[i];
        EXPECT_LT(columns.front(), 102.0f);
        EXPECT_GT(columns.back(), 898.0f);
    }
    // Grid lines 1.33 units apart are all drawn, without a warning.
    plotAxes(0.0f, 1.0f, 0.0f, 1.0f, 3, 3, 600);
    GRID(3, 0, 0);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(linesOf(replayLines(calls()), true, 600.0f).size(), 599u + 2u);
}

// The markers drawn (pen place and marker) and the major tick lines of a log, in order.
struct GridMarks {
    Lines markers;
    std::vector<Segment> lines;
};
GridMarks gridMarks(const Lines& log)
{
    GridMarks m;
    for (size_t i = 1; i < log.size(); ++i)
        if (log[i].rfind("kernelDrawMarker", 0) == 0) m.markers.push_back(log[i - 1]);
    m.lines = replayLines(log);
    return m;
}

// Axes far longer than the picture (1000 by 750 kernel units): only what the picture can show
// goes to the kernel, however many positions the axes have, on plain and polar axes alike.
TEST_F(GridTest, MarksOffThePictureAreNotDrawn)
{
    const struct {
        const char* name;
        std::function<void()> draw;
    } cases[] = {
        {"10000 intervals over 10^6 units",
         [] {
             AXIPOS(0, 0.0f, 0.0f, 1e6f, 1);
             AXIPOS(1, 0.0f, 0.0f, 1e6f, 2);
             AXISCA(3, 10000, 0.0f, 1.0f, 1);
             AXISCA(3, 10000, 0.0f, 1.0f, 2);
             startLog();
             GRID(1, 1, 1);
         }},
        {"polar axes of radius 10^38",
         [] {
             SETPOL(0.0f, 0.0f, 1e38f, -20);
             DRAPOL(52, -2, 65536, 87.8758f, 1);
             startLog();
             GRID(160, 160, -20);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.draw();
        const GridMarks m = gridMarks(calls());
        // Markers 100 units apart: a few hundred can stand within reach of the picture.
        EXPECT_LE(m.markers.size(), 1000u);
        EXPECT_LE(m.lines.size(), 2000u);
    }
}

// What the picture shows is drawn as when every mark is drawn: the same markers in the same
// order, the same ticks and grid lines at the same places.  With the picture space widened
// past the axes all marks can show; a plot frame keeps the marks' thinning the same in both.
TEST_F(GridTest, MarksOnThePictureAreDrawnAsWhenAllAreDrawn)
{
    struct Case {
        int style, xCount, yCount;
    };
    const auto draw = [](const Case& c, float pictureSide) {
        kernelSetPictureSpace(0.0f, pictureSide, 0.0f, 0.75f * pictureSide);
        GRFBND(0.0f, 1000.0f, 0.0f, 750.0f);
        // Marks 50 units apart from just left of and below the picture.
        AXIPOS(1, -30.0f, 20.0f, 50.0f * c.xCount, 1);
        AXIPOS(1, -30.0f, 20.0f, 50.0f * c.yCount, 2);
        AXISCA(3, c.xCount, 0.0f, 1.0f, 1);
        AXISCA(3, c.yCount, 0.0f, 1.0f, 2);
        startLog();
        GRID(c.style, 1, 1);
        return gridMarks(calls());
    };
    const auto onPicture = [](const GridMarks& m) {
        GridMarks shown;
        for (const std::string& place : m.markers) {
            const std::vector<float> p = numbersAfterName(place);
            if (p[0] >= 0.0f && p[0] <= 1000.0f && p[1] >= 0.0f && p[1] <= 750.0f)
                shown.markers.push_back(place);
        }
        for (const Segment& s : m.lines)
            if (std::fmax(s.x0, s.x1) >= 0.0f && std::fmin(s.x0, s.x1) <= 1000.0f &&
                std::fmax(s.y0, s.y1) >= 0.0f && std::fmin(s.y0, s.y1) <= 750.0f)
                shown.lines.push_back(s);
        return shown;
    };
    // Markers and inward ticks; ticks with minor ticks; grid lines.
    for (const Case& c : {Case{1, 250, 200}, Case{-2, 1200, 900}, Case{3, 1200, 900}}) {
        SCOPED_TRACE(c.style);
        SetUp();
        const GridMarks all = onPicture(draw(c, 80000.0f));
        SetUp();
        const GridMarks drawn = draw(c, 1000.0f);
        const GridMarks shown = onPicture(drawn);
        EXPECT_EQ(shown.markers, all.markers);
        ASSERT_EQ(shown.lines.size(), all.lines.size());
        for (size_t i = 0; i < all.lines.size(); ++i) {
            EXPECT_FLOAT_EQ(shown.lines[i].x0, all.lines[i].x0) << i;
            EXPECT_FLOAT_EQ(shown.lines[i].y0, all.lines[i].y0) << i;
            EXPECT_FLOAT_EQ(shown.lines[i].x1, all.lines[i].x1) << i;
            EXPECT_FLOAT_EQ(shown.lines[i].y1, all.lines[i].y1) << i;
        }
        EXPECT_GT(shown.markers.size() + shown.lines.size(), 30u);
        // Little more than the picture shows goes to the kernel.
        EXPECT_LE(drawn.markers.size(), 10 * shown.markers.size());
        if (c.xCount > 1000) { EXPECT_LE(drawn.lines.size(), 10 * shown.lines.size()); }
    }
}

}  // namespace
