// Tests of contour labels within plain and smoothed lines: where they are due, the gap cut
// for them, the room between neighbouring lines, their direction and pen, that they never
// overlap, and the smoothed output's curve, clip and buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "../surface_test.h"
#include "contour_test_util.h"
#include "frame/state.h"
#include "grid/labels.h"
#include "grid/tracing.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

// Heights rising in y (z = j) or falling (z = ny - 1 - j) on an nx by ny grid over
// [0, nx - 1] by [0, ny - 1]: the level ny / 2 is one straight horizontal line 80 picture
// units per map unit long on the default picture.
std::vector<float> ramp(int nx, int ny, bool rising)
{
    std::vector<float> z;
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) z.push_back(static_cast<float>(rising ? j : ny - 1 - j));
    }
    return z;
}

class ContourLabelTest : public SurfaceTest {
protected:
    void SetUp() override
    {
        SurfaceTest::SetUp();
        SURF();
        CONFRA(1);
    }

    // The map of the ramp with levels 0, 1, 2 (the middle one a straight line of 800 units).
    std::vector<std::string> drawRamp(bool rising, int lineSwitch = 0)
    {
        z = ramp(11, 3, rising);
        work.assign(100, 0.0f);
        capture();
        DRACON(11, 0.0f, 10.0f, 3, 0.0f, 2.0f, z.data(), 2, lineSwitch, 100, work.data());
        return calls();
    }

    // Label texts drawn with the given text.
    static int labelsReading(const std::vector<std::string>& log, const std::string& text)
    {
        int n = 0;
        for (const std::string& t : textsOf(log)) n += t == text ? 1 : 0;
        return n;
    }

    // The smoothed output as a routine leaves it before a line: map area `clip`, nothing
    // buffered, output on.  Pieces drawn then go to the library's buffer.
    static void startSmoothed(const float (&clip)[4])
    {
        SurfaceLibraryState& s = surfaceState;
        std::copy(clip, clip + 4, s.mapClip);
        s.smoothBuffer.count = 0;
        s.projection.fitMargin = 0;
        s.outputEnabled = 1;
    }
    // The curve from window point 1 to window point `to` through traced points p with
    // tangents t.
    static void drawSmoothedPiece(const Pt* p, const Pt* t, int to)
    {
        ContourSmoothWindow& w = surfaceState.smoothWindow;
        for (int k = 0; k < to; ++k) {
            w.x[k] = static_cast<float>(p[k].x);
            w.y[k] = static_cast<float>(p[k].y);
            w.tx[k] = static_cast<float>(t[k].x);
            w.ty[k] = static_cast<float>(t[k].y);
        }
        surfaceDrawSmoothPiece(1, to);
    }
    // One line of smoothed pieces from the traced point p[0]: each piece runs on from the
    // last point of the one before.  The line ends with what the buffer holds drawn.
    static void drawSmoothedLine(const std::vector<Pt>& p, const std::vector<Pt>& t)
    {
        surfaceAddSmoothPoint(static_cast<float>(p[0].x), static_cast<float>(p[0].y));
        for (size_t k = 0; k + 1 < p.size(); k += 2)
            drawSmoothedPiece(&p[k], &t[k], std::min<int>(3, static_cast<int>(p.size() - k)));
        flushSmoothed();
    }
    static void flushSmoothed()
    {
        ContourSmoothBuffer& b = surfaceState.smoothBuffer;
        if (b.count > 1) surfaceDrawContourPoints(b.count, b.x, b.y);
        b.count = 0;
    }

    std::vector<float> z;
    std::vector<float> work;
};

TEST_F(ContourLabelTest, LabelsAreDueAfterHalfASpacingAndThenEverySpacing)
{
    struct Case {
        float spacing;
        int labels;  // on the middle line, 800 units long
    };
    // Traced points lie 80 units apart: labels stand on them, every third point at 200.
    const Case cases[] = {{1700.0f, 0}, {533.0f, 1}, {200.0f, 3}};
    for (const Case& c : cases) {
        SetUp();
        CONANN(0, c.spacing, 0.0f, 0, 0, 0, 0, 0);
        const std::vector<std::string> log = drawRamp(true);
        EXPECT_EQ(labelsReading(log, "1"), c.labels) << c.spacing;
        // The top line lies on the map's edge: no label box fits there.
        EXPECT_EQ(labelsReading(log, "2"), 0) << c.spacing;
        EXPECT_TRUE(reported().empty());
    }
}

TEST_F(ContourLabelTest, LabelSkipLeavesThatManyLevelsUnlabelledBetweenLabelledOnes)
{
    // Heights rising in y, levels 1 to 7 each one straight line across the map; with a skip
    // of 2 the labelled levels are the first and every third after it.
    const float levels[7] = {1, 2, 3, 4, 5, 6, 7};
    CONDEF(7, levels);
    CONANN(2, 200.0f, 0.0f, 0, 0, 0, 0, 0);
    z = ramp(11, 9, true);
    work.assign(400, 0.0f);
    capture();
    DRACON(11, 0.0f, 10.0f, 9, 0.0f, 8.0f, z.data(), 7, 0, 400, work.data());
    const std::vector<std::string> log = calls();
    EXPECT_TRUE(reported().empty());
    for (int level = 1; level <= 7; ++level) {
        const bool labelled = level == 1 || level == 4 || level == 7;
        const int labels = labelsReading(log, std::to_string(level));
        if (labelled) {
            EXPECT_GT(labels, 0) << level;
        } else {
            EXPECT_EQ(labels, 0) << level;
        }
    }
}

TEST_F(ContourLabelTest, GapIsExactlyTheLabelLengthAndLabelsNeverOverlap)
{
    CONANN(0, 60.0f, 0.0f, 0, 0, 0, 0, 0);
    const std::vector<std::string> log = drawRamp(true);
    const ContourLabelMetrics m = surfaceLabelMetrics();
    // The middle line (y = 180) in pieces; between pieces the gap of one label each.
    std::vector<Line> pieces;
    for (const Line& l : polylinesOf(log)) {
        const bool middle =
            std::fabs(l.front().y - 180.0) < 1e-3 && std::fabs(l.back().y - 180.0) < 1e-3;
        if (middle && dist(l.front(), l.back()) > 1e-3) { pieces.push_back(l); }
    }
    const int labels = labelsReading(log, "1");
    ASSERT_GE(labels, 5);
    EXPECT_LE(labels, 99);
    ASSERT_EQ(static_cast<int>(pieces.size()), labels + 1);
    double drawn = 0.0;
    for (size_t k = 0; k < pieces.size(); ++k) {
        for (size_t p = 1; p < pieces[k].size(); ++p) drawn += dist(pieces[k][p - 1], pieces[k][p]);
        if (k > 0) {
            // Traced right to left: each piece starts a label length left of the one before.
            EXPECT_NEAR(pieces[k - 1].back().x - pieces[k].front().x, m.L, 1e-3);
        }
    }
    EXPECT_NEAR(drawn + labels * m.L, 800.0, 1e-2);
    // Text positions at least a label length apart along the line.
    std::vector<double> xs;
    for (const std::string& l : log) {
        double x = 0, y = 0;
        if (std::sscanf(l.c_str(), "kernelSetTextPosition %lf %lf", &x, &y) == 2 && y < 181)
            xs.push_back(x);
    }
    for (size_t k = 1; k < xs.size(); ++k) EXPECT_GE(std::fabs(xs[k] - xs[k - 1]), m.L - 1e-3);
}

TEST_F(ContourLabelTest, NoLabelWhereNeighbouringLinesLeaveNoRoom)
{
    // Levels 0.1 apart, 0.8 picture units between lines: far below 1.2 label heights.
    std::vector<float> z;
    for (int j = 0; j < 11; ++j) {
        for (int i = 0; i < 11; ++i) z.push_back(0.1f * j);
    }
    std::vector<float> w(300);
    CONANN(0, 60.0f, 0.0f, 0, 0, 0, 0, 0);
    capture();
    DRACON(11, 0.0f, 100.0f, 11, 0.0f, 1.0f, z.data(), 10, 0, 300, w.data());
    EXPECT_TRUE(textsOf(calls()).empty());
}

TEST_F(ContourLabelTest, DirectionFollowsTheLineOnlyWhenAskedAndPenReturns)
{
    struct Case {
        bool rising;  // rising: traced right to left; falling: left to right
        int alongLine;
        double angle;
    };
    const Case cases[] = {{true, 0, 0.0}, {false, 0, 0.0}, {true, 1, 0.0}, {false, 1, 180.0}};
    for (const Case& c : cases) {
        SetUp();
        CONANN(0, 533.0f, 0.0f, 0, 0, 0, 5, c.alongLine);
        const std::vector<std::string> log = drawRamp(c.rising);
        // The label's angle, its pen 5, then the level's pen again.
        bool seen = false;
        for (size_t k = 0; k < log.size(); ++k) {
            double a = 0;
            if (std::sscanf(log[k].c_str(), "kernelSetCharAngle %lf", &a) != 1) continue;
            if (log[k - 1] != "kernelSetCharSize 7 7") continue;
            EXPECT_NEAR(std::fmod(a + 360.0, 360.0), c.angle, 1e-3) << c.rising << c.alongLine;
            seen = true;
            size_t t = k;
            while (t < log.size() && log[t].rfind("kernelDrawText", 0) != 0) ++t;
            ASSERT_LT(t, log.size());
            std::vector<std::string> colours;
            for (size_t q = k; q < log.size() && colours.size() < 2; ++q) {
                if (log[q].rfind("kernelSetColour", 0) == 0) colours.push_back(log[q]);
            }
            EXPECT_EQ(colours,
                      (std::vector<std::string>{"kernelSetColour 5", "kernelSetColour 1"}));
            break;
        }
        EXPECT_TRUE(seen) << c.rising << c.alongLine;
    }
}

TEST_F(ContourLabelTest, SmoothedStraightLineIsOnePictureUnitPerPointIn99PointPieces)
{
    CONANN(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);
    const std::vector<std::string> log = drawRamp(true, 1);
    std::vector<Line> middle;
    for (const Line& l : polylinesOf(log)) {
        if (std::fabs(l.front().y - 180.0) < 1e-3) middle.push_back(l);
    }
    ASSERT_GE(middle.size(), 8u);
    size_t points = 0;
    for (size_t k = 0; k < middle.size(); ++k) {
        const Line& l = middle[k];
        EXPECT_LE(l.size(), 99u);
        if (k > 0) { EXPECT_LT(dist(l.front(), middle[k - 1].back()), 1e-3); }
        for (size_t p = 1; p < l.size(); ++p) {
            EXPECT_NEAR(l[p].y, 180.0, 1e-3);
            EXPECT_LE(dist(l[p - 1], l[p]), 1.0 + 1e-3);
        }
        points += l.size() - (k > 0 ? 1 : 0);
    }
    EXPECT_NEAR(middle.front().front().x, 900.0, 1e-3);
    EXPECT_NEAR(middle.back().back().x, 100.0, 1e-3);
    EXPECT_GE(points, 800u);
    EXPECT_LE(points, 802u);
}

TEST_F(ContourLabelTest, SmoothedClosedLineEndsWithoutACorner)
{
    CONANN(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);
    std::vector<float> z;
    for (int j = 0; j < 7; ++j) {
        for (int i = 0; i < 7; ++i)
            z.push_back(20.0f - ((i - 3.0f) * (i - 3.0f) + (j - 3.0f) * (j - 3.0f)));
    }
    std::vector<float> w(200);
    DRACON(7, 0.0f, 6.0f, 7, 0.0f, 6.0f, z.data(), 0, 1, 200, w.data());
    capture();
    ADDCON(16.5f, 1, 200, w.data());
    const std::vector<Line> pieces = polylinesOf(calls());
    ASSERT_FALSE(pieces.empty());
    Line curve;
    for (const Line& l : pieces) curve.insert(curve.end(), l.begin(), l.end());
    EXPECT_LT(dist(curve.front(), curve.back()), 1e-3);
    // The direction at the closing point runs on smoothly.
    auto direction = [](const Pt& a, const Pt& b) { return std::atan2(b.y - a.y, b.x - a.x); };
    const double in = direction(curve[curve.size() - 3], curve.back());
    const double out = direction(curve.front(), curve[2]);
    double turn = std::fabs(out - in);
    if (turn > M_PI) turn = 2 * M_PI - turn;
    EXPECT_LT(turn, 0.1);
    // Every point near the circle of the level, of radius sqrt(3.5) map units.
    for (const Pt& p : curve) {
        const Pt q = toMap(p);
        EXPECT_NEAR(std::hypot(q.x - 3.0, q.y - 3.0), std::sqrt(3.5), 0.15);
    }
}

TEST_F(ContourLabelTest, SmoothedLabelsCutTheCurve)
{
    for (bool rising : {true, false}) {
        SetUp();
        CONANN(0, 200.0f, 0.0f, 0, 0, 0, 0, 0);
        const std::vector<std::string> log = drawRamp(rising, 1);
        EXPECT_EQ(labelsReading(log, "1"), 3) << rising;
        const ContourLabelMetrics m = surfaceLabelMetrics();
        // The middle line's curve, from the start of the line to its end.
        Line curve;
        std::vector<double> gaps;
        for (const Line& l : polylinesOf(log)) {
            if (std::fabs(l.front().y - 180.0) > 1e-3 || std::fabs(l.back().y - 180.0) > 1e-3)
                continue;
            if (!curve.empty() && dist(curve.back(), l.front()) > 1e-3) {
                gaps.push_back(dist(curve.back(), l.front()));
            }
            curve.insert(curve.end(), l.begin(), l.end());
        }
        ASSERT_EQ(gaps.size(), 3u) << rising;
        for (double g : gaps) {
            if (rising) {
                // Anchored at the current point: the whole chord back to S is left out.
                EXPECT_GE(g, m.L - 1e-3);
            } else {
                // Anchored at S: a gap of exactly the label's length.
                EXPECT_NEAR(g, m.L, 1e-3);
            }
        }
        for (const Pt& p : curve) EXPECT_NEAR(p.y, 180.0, 1e-3);
    }
}

TEST_F(ContourLabelTest, SmoothTangentsWeighTheShorterChord)
{
    const float x[3] = {0, 1, 3}, y[3] = {0, 1, 1};
    struct Case {
        int mode;
        float tx, ty;
    };
    // d1 = (1, 1), d2 = (2, 0); A = 2, B = 4, S2 = 2 sqrt(8).
    const float s2 = 2.0f * std::sqrt(8.0f);
    const Case cases[] = {
        {2, 4 * 1 + 2 * 2, 4 * 1 + 0},
        {1, (4 + s2) * 1 - 2 * 2, (4 + s2) * 1 - 0},
        {3, -4 * 1 + (2 + s2) * 2, -4 * 1 + 0},
    };
    for (const Case& c : cases) {
        float tx = 0, ty = 0;
        surfaceSmoothTangent(x, y, c.mode, tx, ty);
        EXPECT_NEAR(tx, c.tx, 1e-4) << c.mode;
        EXPECT_NEAR(ty, c.ty, 1e-4) << c.mode;
    }
}

TEST_F(ContourLabelTest, SmoothedPointsAreCutAtTheMapAreaAndResumeInside)
{
    startSmoothed({0, 10, 0, 10});
    capture();
    const float xs[] = {1, 2, 3, 11, 12, 5, 6, 7};
    for (float x : xs) surfaceAddSmoothPoint(x, 5.0f);
    flushSmoothed();
    const std::vector<Line> lines = polylinesOf(calls());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 3u);
    EXPECT_DOUBLE_EQ(lines[0].back().x, 3.0);
    EXPECT_DOUBLE_EQ(lines[1].front().x, 5.0);
    EXPECT_EQ(lines[1].size(), 3u);
}

// Smoothed maps whose map area reaches far past the picture (1000 by 750 units).
class SmoothedFarMapTest : public ContourLabelTest {
protected:
    // A 10 by 10 grid of hills and valleys over a map frame `height` units high.
    void drawMap(float height, int levels)
    {
        z.clear();
        for (int j = 0; j < 10; ++j) {
            for (int i = 0; i < 10; ++i)
                z.push_back(std::sin(i * 0.7f) + std::cos(j * 0.9f) + 0.1f * i * j);
        }
        work.assign(400, 0.0f);
        CONBND(0.0f, 100.0f, 0.0f, height);
        DRACON(10, 0.0f, 100.0f, 10, 0.0f, height, z.data(), levels, 1, 400, work.data());
    }
    // The segments of the log's polylines that reach onto the picture, in order.
    static std::vector<std::pair<Pt, Pt>> onPicture(const std::vector<Line>& lines)
    {
        std::vector<std::pair<Pt, Pt>> out;
        for (const Line& l : lines) {
            for (size_t k = 1; k < l.size(); ++k) {
                const Pt& a = l[k - 1];
                const Pt& b = l[k];
                if (std::fmax(a.x, b.x) >= 0.0 && std::fmin(a.x, b.x) <= 1000.0 &&
                    std::fmax(a.y, b.y) >= 0.0 && std::fmin(a.y, b.y) <= 750.0)
                    out.emplace_back(a, b);
            }
        }
        return out;
    }
    static Line pointsIn(const std::vector<Line>& lines)
    {
        Line all;
        for (const Line& l : lines) all.insert(all.end(), l.begin(), l.end());
        return all;
    }
    static size_t pointsOf(const std::vector<Line>& lines) { return pointsIn(lines).size(); }
    // The segments of `drawn` on the picture are those of `all`, more than `least` of them.
    static void expectSameOnPicture(const std::vector<Line>& drawn, const std::vector<Line>& all,
                                    size_t least)
    {
        const std::vector<std::pair<Pt, Pt>> a = onPicture(all), b = onPicture(drawn);
        ASSERT_EQ(b.size(), a.size());
        EXPECT_GT(a.size(), least);
        for (size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(b[k].first.x, a[k].first.x) << k;
            EXPECT_EQ(b[k].first.y, a[k].first.y) << k;
            EXPECT_EQ(b[k].second.x, a[k].second.x) << k;
            EXPECT_EQ(b[k].second.y, a[k].second.y) << k;
        }
    }
    // A map area far wider than any curve drawn here.
    static constexpr float kFarClip[4] = {-1e7f, 1e7f, -1e7f, 1e7f};
};

// A map frame 10^8 units high: the curve is nearly all off the picture, and little more than
// what the picture can hold goes to the kernel.
TEST_F(SmoothedFarMapTest, LinesOffThePictureAreNotDrawn)
{
    capture();
    drawMap(1e8f, 5);
    const std::vector<Line> lines = polylinesOf(calls());
    EXPECT_FALSE(onPicture(lines).empty());
    EXPECT_LE(pointsOf(lines), 20000u);
}

// The same lines drawn once with a picture space that takes in the whole map area, once with
// the usual picture: the part on the usual picture is drawn point for point the same.
TEST_F(SmoothedFarMapTest, LinesOnThePictureAreDrawnAsWhenAllOfThemCanShow)
{
    drawMap(3e4f, 0);
    for (float level : {0.5f, 1.0f}) {
        SCOPED_TRACE(level);
        kernelSetPictureSpace(0.0f, 1e6f, 0.0f, 7.5e5f);
        capture();
        ADDCON(level, 1, 400, work.data());
        const std::vector<Line> all = polylinesOf(calls());
        kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 750.0f);
        capture();
        ADDCON(level, 1, 400, work.data());
        const std::vector<Line> drawn = polylinesOf(calls());
        expectSameOnPicture(drawn, all, 1000);
        EXPECT_LE(10 * pointsOf(drawn), pointsOf(all));
    }
}

// A routine evaluates a bounded number of curve points, but a stretch of curve passed over off
// the picture costs two of them, whatever its length: after a line of three segments 3e6 units
// long, beyond the picture's reach but for its first 1500 units, an arch on the picture is still
// the curve it is when drawn alone, not a chord.  (A segment yields a million curve points at
// most: three of them, counted whole, would be more than the bound.)
TEST_F(SmoothedFarMapTest, CurvePassedOverOffThePictureCostsThePointBoundItsEnds)
{
    kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 750.0f);
    const std::vector<Pt> out = {
        {500, 300}, {3.0e6 + 500, 300}, {6.0e6 + 500, 300}, {9.0e6 + 500, 300}};
    const std::vector<Pt> along(4, Pt{1, 0});
    const std::vector<Pt> arch = {{400, 375}, {600, 375}}, archTangents = {{1, 1}, {1, -1}};
    startSmoothed(kFarClip);
    drawSmoothedLine(out, along);
    capture();
    drawSmoothedLine(arch, archTangents);
    const Line afterFar = pointsIn(polylinesOf(calls()));
    // The arch alone, in a routine of its own.
    surfaceState.smoothReach = ContourSmoothReach{};
    capture();
    drawSmoothedLine(arch, archTangents);
    const Line a = pointsIn(polylinesOf(calls()));
    ASSERT_EQ(afterFar.size(), a.size());
    for (size_t k = 0; k < a.size(); ++k) {
        EXPECT_EQ(afterFar[k].x, a[k].x) << k;
        EXPECT_EQ(afterFar[k].y, a[k].y) << k;
    }
    // A curve one picture unit a point, rising well above its chord.
    EXPECT_GT(a.size(), 200u);
    double top = 0.0;
    for (const Pt& p : a) top = std::fmax(top, p.y - 375.0);
    EXPECT_GT(top, 20.0);
}

// A segment whose ends both lie far off the picture dips through it: the part on the picture is
// drawn as when the picture space takes in the whole segment and no curve is passed over.  The
// first dips between ends 40,000 units apart as a parabola would; the second, 50,000 units
// long, falls some 30,000 units from one end and rises less to the other, so that its lowest
// point is the turning point of a cubic whose third-order term counts.
TEST_F(SmoothedFarMapTest, BulgeOfASegmentWithBothEndsOffThePictureIsDrawn)
{
    const struct {
        std::vector<Pt> ends, tangents;
    } segments[] = {
        {{{-19500, 3300}, {20500, 3300}}, {{1, -0.3}, {1, 0.3}}},
        {{{-36850, 31092}, {13150, 6092}}, {{1, -2}, {1, 1}}},
    };
    for (const auto& [ends, tangents] : segments) {
        SCOPED_TRACE(testing::Message() << "from " << ends[0].x << ", " << ends[0].y);
        std::vector<Line> drawn[2];
        const float pictures[2][4] = {{-1e5f, 1e5f, -1e5f, 1e5f}, {0, 1000, 0, 750}};
        for (int k = 0; k < 2; ++k) {
            kernelSetPictureSpace(pictures[k][0], pictures[k][1], pictures[k][2], pictures[k][3]);
            surfaceState.smoothReach = ContourSmoothReach{};
            startSmoothed(kFarClip);
            capture();
            drawSmoothedLine(ends, tangents);
            drawn[k] = polylinesOf(calls());
        }
        expectSameOnPicture(drawn[1], drawn[0], 500);
    }
}

// A segment of more curve points than a segment may yield is cut short; the next segment
// still starts one unit past its own first point, not somewhere behind it.
TEST_F(ContourLabelTest, SegmentAfterOneCutShortStartsAtItsOwnFirstPoint)
{
    const float far = 3.0e6f;
    kernelSetPictureSpace(0.0f, 4.0e6f, 0.0f, 3.0e6f);
    startSmoothed({far - 100.0f, far + 100.0f, -10.0f, 10.0f});
    const Pt points[3] = {{0, 0}, {far, 0}, {far + 20.0f, 0}}, along[3] = {{1, 0}, {1, 0}, {1, 0}};
    drawSmoothedPiece(points, along, 3);
    // The points of the second segment, one unit apart, and its end (positions this far out
    // are read from the buffer: the call log keeps six digits).
    const ContourSmoothBuffer& b = surfaceState.smoothBuffer;
    ASSERT_EQ(b.count, 20);
    for (int k = 0; k < b.count; ++k) EXPECT_EQ(b.x[k], far + static_cast<float>(k + 1)) << k;
}

}  // namespace

namespace {

TEST_F(ContourLabelTest, EveryLineEndsWithTheMapTextSizeAtAngleZeroLabelledOrNot)
{
    // Each traced line, plain or smoothed, labelled or not, is followed by the reset of the
    // text to the map character size at angle 0: the line's last move, then size and angle.
    // Two of the ramp's levels cross it, each as one line.
    for (const int skip : {-1, 0}) {
        for (const int lineSwitch : {0, 1}) {
            CONANN(skip, 0.0f, 0.0f, 0, 0, 0, 0, 0);
            const std::vector<std::string> log = drawRamp(true, lineSwitch);
            int resets = 0;
            for (size_t k = 0; k + 3 < log.size(); ++k) {
                if (log[k].rfind("kernelMovePen", 0) == 0 &&
                    log[k + 1].rfind("kernelEnquireTextAttributes", 0) == 0 &&
                    log[k + 2] == "kernelSetCharSize 10 10" &&
                    log[k + 3].rfind("kernelSetCharAngle", 0) == 0) {
                    ++resets;
                }
            }
            EXPECT_EQ(resets, 2) << "skip " << skip << " switch " << lineSwitch;
        }
    }
}

}  // namespace
