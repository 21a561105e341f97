// Pie chart drawing: segment angles from values, fills through the multi-polygon fill with the
// 200-point buffer, outlines in the three annotation modes, explosion, errors and the segment
// routines.
#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "support/plot_fixture.h"

namespace {

// One kernelFillMultiPolygon call as logged.
struct MultiFill {
    int style = 0, pen = 0, count = 0;
    std::vector<int> points;
    std::vector<float> x, y;
};

MultiFill parseFill(const std::string& line)
{
    MultiFill f;
    std::istringstream in(line);
    std::string name;
    int reserved = 0;
    in >> name >> f.style >> f.pen >> reserved >> f.count;
    std::string rest;
    std::getline(in, rest);
    const std::vector<float> v = numbersIn(rest);
    size_t k = 0;
    int total = 0;
    for (int b = 0; b < f.count; ++b) {
        f.points.push_back(static_cast<int>(v[k++]));
        total += f.points.back();
    }
    for (int i = 0; i < total; ++i) f.x.push_back(v[k++]);
    for (int i = 0; i < total; ++i) f.y.push_back(v[k++]);
    return f;
}

class PieDrawingTest : public PlotLibraryTest {
protected:
    // A pie of radius 100 at (500, 400) with fills only (no labels, no outlines).
    static void quietPie(int mode = 1)
    {
        PIEPAP(100.0f, 500.0f, 400.0f);
        PIEANN(mode, 0, 0, 0, 0.0f);
        PIEBSW(-1);
        startLog();
    }
    static std::vector<MultiFill> fills()
    {
        std::vector<MultiFill> out;
        for (const std::string& l : callsOf("kernelFillMultiPolygon")) out.push_back(parseFill(l));
        return out;
    }
    // Angle in degrees [0, 360) of point k of the last boundary of a fill, seen from (cx, cy).
    static double angleOf(const MultiFill& f, size_t k, float cx = 500.0f, float cy = 400.0f)
    {
        double a = std::atan2(f.y[k] - cy, f.x[k] - cx) * 180.0 / M_PI;
        return a < -1e-3 ? a + 360.0 : a;
    }
    static size_t lastStart(const MultiFill& f)
    {
        size_t start = 0;
        for (int b = 0; b + 1 < f.count; ++b) start += static_cast<size_t>(f.points[b]);
        return start;
    }
    // Start and end angle of the segment boundary (the last one) of a fill.
    static std::pair<double, double> segmentOf(const MultiFill& f)
    {
        const size_t s = lastStart(f), n = static_cast<size_t>(f.points.back());
        return {angleOf(f, s), angleOf(f, s + n - 2)};
    }
    const int styles[4] = {0, 1, 2, 3};
    const int pens[4] = {1, 2, 3, 4};
};

TEST_F(PieDrawingTest, SegmentsSweepTheirShareFromTheStartAngle)
{
    quietPie();
    const float values[3] = {1.0f, 1.0f, 2.0f};
    PIEFIL(values, 3, styles, pens);
    const auto f = fills();
    ASSERT_EQ(f.size(), 3u);
    const double expected[3][2] = {{0, 90}, {90, 180}, {180, 360}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f[i].style, styles[i]);
        EXPECT_EQ(f[i].pen, pens[i]);
        EXPECT_EQ(f[i].count, 1);
        const auto [s, e] = segmentOf(f[i]);
        EXPECT_NEAR(s, expected[i][0], 0.01) << i;
        EXPECT_NEAR(std::fmod(e + 0.01, 360.0), std::fmod(expected[i][1], 360.0), 0.02) << i;
        // Rim points in steps of 360/198 degrees, then the centre.
        const int steps = static_cast<int>((expected[i][1] - expected[i][0]) / (360.0 / 198) - 0.1);
        EXPECT_EQ(f[i].points[0], steps + 3) << i;
        EXPECT_FLOAT_EQ(f[i].x.back(), 500.0f);
        EXPECT_FLOAT_EQ(f[i].y.back(), 400.0f);
    }
    // The start angle turns the whole pie.
    PIEANG(-30.0f);
    startLog();
    PIEFIL(values, 3, styles, pens);
    EXPECT_NEAR(segmentOf(fills()[0]).first, 330.0, 0.01);
    EXPECT_NEAR(segmentOf(fills()[0]).second, 60.0, 0.01);
}

TEST_F(PieDrawingTest, ZeroAndNegativeValues)
{
    quietPie();
    const float values[3] = {-1.0f, 0.0f, 3.0f};
    PIEFIL(values, 3, styles, pens);
    const auto f = fills();
    // The empty segment gets no fill and the next starts where it would have.
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[1].pen, pens[2]);
    EXPECT_NEAR(segmentOf(f[0]).second, 90.0, 0.01);
    EXPECT_NEAR(segmentOf(f[1]).first, 90.0, 0.01);
    EXPECT_EQ(values[0], -1.0f);
}

TEST_F(PieDrawingTest, FullDiscFillsTheWholeBufferAtTheFillRadius)
{
    quietPie();
    const float line = 4.0f;
    kernelSetLineWidth(line);
    const float one[1] = {7.0f};
    PIEFIL(one, 1, styles, pens);
    const auto f = fills();
    ASSERT_EQ(f.size(), 1u);
    ASSERT_EQ(f[0].points, std::vector<int>{200});
    for (int k = 0; k < 199; ++k)
        EXPECT_NEAR(std::hypot(f[0].x[k] - 500.0f, f[0].y[k] - 400.0f), 98.0, 0.01) << k;
}

TEST_F(PieDrawingTest, SegmentFillAngles)
{
    quietPie();
    const struct {
        float a1, a2;
        int points;  // points of the boundary; 0 for no fill
        double start, end;
    } cases[] = {
        {30.0f, 390.0f, 200, 30.0, 30.0},  // a full turn
        {30.0f, 30.0f, 0, 0, 0},           // nothing
        {350.0f, 10.0f, 13, 350.0, 10.0},  // across 0
        {-90.0f, 0.0f, 52, 270.0, 0.0},
        {360.0f, 0.0f, 2, 0.0, 0.0},  // no sweep: the start point and the centre
    };
    for (const auto& c : cases) {
        startLog();
        SEGFIL(c.a1, c.a2, 0, 1);
        const auto f = fills();
        if (c.points == 0) {
            EXPECT_TRUE(f.empty()) << c.a1;
            continue;
        }
        ASSERT_EQ(f.size(), 1u) << c.a1;
        EXPECT_EQ(f[0].points[0], c.points) << c.a1;
        EXPECT_NEAR(angleOf(f[0], 0), c.start, 0.01) << c.a1;
        if (c.points > 2) {
            EXPECT_NEAR(std::fmod(angleOf(f[0], c.points - 2) + 0.01, 360.0), c.end, 0.02) << c.a1;
        }
    }
    EXPECT_EQ(callsOf("kernelSetRoutineName")[0], "kernelSetRoutineName 2 \"SEGFIL\"");
}

TEST_F(PieDrawingTest, FillStylesAndPens)
{
    quietPie();
    const float values[4] = {1, 1, 1, 1};
    const int fillStyles[4] = {-2, -1, 0, 5};
    const int penCodes[4] = {-3, -4, -5, std::numeric_limits<int>::min()};
    PIEFIL(values, 4, fillStyles, penCodes);
    const auto f = fills();
    // Style -2 is skipped; -1 passes to the kernel; every negative pen of a filled segment is
    // reported unshifted and passed as its absolute value.
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0].style, -1);
    EXPECT_EQ(f[0].pen, 4);
    EXPECT_EQ(f[1].pen, 5);
    EXPECT_GT(f[2].pen, 0);
    EXPECT_EQ(errors(), (std::vector<int>{-508, -508, -508}));
    EXPECT_EQ(penCodes[0], -3);
}

TEST_F(PieDrawingTest, ErrorsStopBeforeAnythingIsDrawn)
{
    quietPie();
    const float zeros[51] = {};
    float many[51];
    for (float& v : many) v = 1.0f;
    const float bad[2] = {1.0f, std::numeric_limits<float>::quiet_NaN()};
    const struct {
        const float* values;
        int n;
        int reported;
    } cases[] = {{many, 51, 505}, {many, 0, 505}, {many, -4, 505},
                 {zeros, 3, 506}, {bad, 2, 506},  {nullptr, 3, 505}};
    for (const auto& c : cases) {
        startLog();
        PIEFIL(c.values, c.n, styles, pens);
        EXPECT_EQ(errors(), std::vector<int>{c.reported}) << c.n;
        EXPECT_EQ(tarv::errorLog()[0].routine, "PIEFIL");
        EXPECT_TRUE(fills().empty());
        startLog();
        PIECHA(c.values, "", 0, c.n, styles, pens);
        EXPECT_EQ(errors(), std::vector<int>{c.reported}) << c.n;
        EXPECT_TRUE(callsOf("kernelMovePen").empty());
    }
    // Fifty segments are allowed.
    startLog();
    int manyStyles[50] = {}, manyPens[50] = {};
    PIEFIL(many, 50, manyStyles, manyPens);
    EXPECT_EQ(fills().size(), 50u);
    // A pie of no radius draws nothing and says nothing.
    graphState.pie.radius = 0.0f;
    for (int mode = 1; mode <= 3; ++mode) {
        graphState.pie.annotationMode = mode;
        startLog();
        PIECHA(many, "", 0, 3, styles, pens);
        SEGFIL(0.0f, 90.0f, 0, 1);
        PIESTR(many, "", 0, 3, 1);
        SEGSTR(1, 0.0f, 90.0f, "a", 1, 1);
        EXPECT_TRUE(errors().empty());
        EXPECT_TRUE(fills().empty());
        EXPECT_TRUE(callsOf("kernelDrawLineTo").empty());
        EXPECT_TRUE(callsOf("kernelDrawText").empty());
    }
    // SEGCHA alone still fills the segment in modes 1 and 3 and writes the radial label of
    // mode 1; mode 2 and everything after the fill of mode 3 wait for a radius.
    const struct {
        int mode;
        std::size_t fills, texts;
    } segment[] = {{1, 1, 1}, {2, 0, 0}, {3, 1, 0}};
    for (const auto& c : segment) {
        graphState.pie.annotationMode = c.mode;
        graphState.pie.labelSwitch = 1;
        startLog();
        SEGCHA(0.0f, 90.0f, 1.0f, "a", 1, 0, 1);
        EXPECT_TRUE(errors().empty());
        EXPECT_EQ(fills().size(), c.fills) << c.mode;
        EXPECT_EQ(callsOf("kernelDrawText").size(), c.texts) << c.mode;
        EXPECT_TRUE(callsOf("kernelDrawArc").empty());
    }
}

TEST_F(PieDrawingTest, ExplodedSegmentsMoveOutAndTheRadiusComesBack)
{
    quietPie();
    PIESET();  // the frame follows the plot area: radius 281.25 at (500, 375)
    PIEANN(1, 0, 0, 0, 0.0f);
    PIEBSW(-1);
    const int numbers[2] = {2, 3};
    const float distances[2] = {0.5f, 0.25f};
    PIEEXP(numbers, distances, 2);
    startLog();
    const float values[3] = {1.0f, 1.0f, 2.0f};
    PIEFIL(values, 3, styles, pens);
    const auto f = fills();
    ASSERT_EQ(f.size(), 3u);
    const double r = 281.25 / 1.5;
    // Segment 1 stays at the centre; segment 2 (90..180) moves out along 135 degrees by
    // 0.5 radius; segment 3 (180..360) along 270 by 0.25 radius.
    EXPECT_NEAR(f[0].x.back(), 500.0, 0.01);
    EXPECT_NEAR(f[0].y.back(), 375.0, 0.01);
    EXPECT_NEAR(f[1].x.back(), 500.0 - 0.5 * r * std::sqrt(0.5), 0.05);
    EXPECT_NEAR(f[1].y.back(), 375.0 + 0.5 * r * std::sqrt(0.5), 0.05);
    EXPECT_NEAR(f[2].x.back(), 500.0, 0.05);
    EXPECT_NEAR(f[2].y.back(), 375.0 - 0.25 * r, 0.05);
    EXPECT_NEAR(std::hypot(f[0].x[0] - 500.0, f[0].y[0] - 375.0), r, 0.01);
    float radius = 0, x = 0, y = 0, a = 0;
    EXPECT_EQ(graphState.pie.radius, 281.25f);
    EXPECT_EQ(graphState.pie.centreX, 500.0f);
    PIEENQ(radius, x, y, a);
    EXPECT_EQ(radius, 281.25f);

    // With a frame set by the caller the radius stays as set.
    PIEPAP(100.0f, 500.0f, 400.0f);
    startLog();
    PIEFIL(values, 3, styles, pens);
    EXPECT_NEAR(std::hypot(fills()[0].x[0] - 500.0, fills()[0].y[0] - 400.0), 100.0, 0.01);
    EXPECT_EQ(graphState.pie.radius, 100.0f);
}

TEST_F(PieDrawingTest, OutlinesByAnnotationMode)
{
    PIEPAP(100.0f, 500.0f, 400.0f);
    const float values[3] = {1.0f, 0.0f, 1.0f};
    const auto radii = [] {
        int count = 0;
        for (const std::string& l : calls())
            if (l == "kernelMovePen 500 400") ++count;
        return count;
    };
    // Mode 2 outlines every segment, the empty one as a single radius; mode 3 draws nothing
    // for an empty segment.
    PIEANN(2, 0, 0, 0, 0.0f);
    startLog();
    PIECHA(values, "", 0, 3, styles, pens);
    EXPECT_EQ(radii(), 2 + 1 + 2);
    EXPECT_EQ(fills().size(), 2u);
    PIEANN(3, 0, 0, 0, 0.0f);
    startLog();
    PIECHA(values, "", 0, 3, styles, pens);
    EXPECT_EQ(radii(), 2 + 2);
    // Mode 1 outlines with arcs; the outline switch -1 draws no outline in any mode.
    PIEANN(1, 0, 0, 0, 0.0f);
    startLog();
    PIECHA(values, "", 0, 3, styles, pens);
    EXPECT_EQ(callsOf("kernelDrawArc").size(), 2u);
    PIEBSW(-1);
    for (int mode = 1; mode <= 3; ++mode) {
        PIEANN(mode, 0, 0, 0, 0.0f);
        startLog();
        PIECHA(values, "", 0, 3, styles, pens);
        EXPECT_EQ(fills().size(), 2u);
        EXPECT_TRUE(callsOf("kernelDrawLineTo").empty()) << mode;
        EXPECT_TRUE(callsOf("kernelDrawArc").empty()) << mode;
    }
}

TEST_F(PieDrawingTest, FullDiscOutlineFollowsTheRim)
{
    // The outline of a single value is the whole circle, drawn after the fill has used the
    // whole buffer.
    PIEPAP(100.0f, 500.0f, 400.0f);
    PIEANN(2, 0, 0, 0, 0.0f);
    const float one[1] = {5.0f};
    PIECHA(one, "", 0, 1, styles, pens);
    const auto lines = callsOf("kernelDrawLineTo");
    ASSERT_GT(lines.size(), 150u);
    for (const std::string& l : lines) {
        const auto v = numbersAfterName(l);
        EXPECT_NEAR(std::hypot(v[0] - 500.0f, v[1] - 400.0f), 100.0, 0.01) << l;
    }
    // The same for SEGCHA with a full turn.
    startLog();
    SEGCHA(10.0f, 370.0f, 1.0f, "", 0, 0, 1);
    EXPECT_GT(callsOf("kernelDrawLineTo").size(), 150u);
}

TEST_F(PieDrawingTest, LabelBoxesAreHolesInTheSegmentFill)
{
    PIEPAP(200.0f, 500.0f, 375.0f);
    PIEANN(2, 1, 1, 1, 0.0f);
    const float values[2] = {1.0f, 1.0f};
    const char labels[] = "left  right ";
    for (int type = 0; type <= 3; ++type) {
        for (int boxStyle : {-1, 0}) {
            PIEBOX(type, boxStyle, 6);
            startLog();
            PIECHA(values, labels, 6, 2, styles, pens);
            const auto f = fills();
            std::vector<MultiFill> segments, boxes;
            for (const MultiFill& m : f) (m.points.back() == 4 ? boxes : segments).push_back(m);
            ASSERT_EQ(segments.size(), 2u) << type;
            const bool holes = type >= 2;
            for (const MultiFill& s : segments) {
                // Three boxes (label, percentage, value) before the segment's boundary.
                EXPECT_EQ(s.count, holes ? 4 : 1) << type;
                int total = 0;
                for (int p : s.points) total += p;
                EXPECT_LE(total, 200);
            }
            // Filled boxes: after each box the buffer so far, in the box style and pen.
            EXPECT_EQ(boxes.size(), holes && boxStyle >= 0 ? 6u : 0u) << type;
            for (const MultiFill& b : boxes) {
                EXPECT_EQ(b.style, 0);
                EXPECT_EQ(b.pen, 6);
            }
            // Outlined boxes for types 1 and 3: four strokes per part.
            const size_t strokes = callsOf("kernelDrawLineBy").size();
            EXPECT_EQ(strokes, type % 2 == 1 ? 24u : 0u) << type;
            // The texts are written in every type.
            EXPECT_EQ(callsOf("kernelDrawRealNumber").size(), 2u) << type;
        }
    }
}

// A segment of nearly a whole turn with three label boxes: the rim steps share the buffer
// with the boxes and the boundary ends within its 200 points.
TEST_F(PieDrawingTest, NearlyFullSegmentWithBoxesStaysWithinTheBuffer)
{
    PIEPAP(200.0f, 500.0f, 375.0f);
    PIEANN(2, 1, 1, 1, 0.0f);
    PIEBOX(2, -1, 0);
    const float values[2] = {99.0f, 1.0f};
    PIECHA(values, "whole", 5, 2, styles, pens);
    const auto f = fills();
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].points, (std::vector<int>{4, 4, 4, 187}));
}

}  // namespace
