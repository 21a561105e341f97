// contour_map_test.cpp - network contour maps drawn on networks whose contours are known: a
// plane over a grid of points (open lines from hull to hull on the plane's level lines), a
// peak (closed lines round it), a long strip (lines drawn in 195-point pieces that share a
// segment, and as smooth curves whose joints carry neighbour points), labels, and the
// refusals and warnings of TRISET, DRATRI and ADTCON; maps of many levels below, through and
// above the heights.
#include <algorithm>
#include <cmath>
#include <set>

#include "contour_log.h"
#include "network/tracing.h"
#include "network_fixture.h"

using namespace surflib;

namespace {

// A cone: 10 at (5, 5), falling by 1.5 per unit of distance; two rings and the centre.
std::vector<NetPoint> peak()
{
    std::vector<NetPoint> pts{{5.0f, 5.0f, 10.0f}};
    for (int ring = 1; ring <= 2; ++ring) {
        const double r = 2.0 * ring;
        for (int k = 0; k < 12; ++k) {
            const double a = k * 3.14159265358979 / 6.0 + 0.05 * ring;
            pts.push_back({static_cast<float>(5.0 + r * std::cos(a)),
                           static_cast<float>(5.0 + r * std::sin(a)),
                           static_cast<float>(10.0 - 1.5 * r)});
        }
    }
    return pts;
}

class NetworkContourMap : public NetworkTest {
protected:
    // Polylines in map units that lie inside the window of the network's points (so not the
    // map frame drawn round a wider window); x may reach `wide` times as far as y.
    static std::vector<netlog::Line> contourLines(const std::vector<std::string>& log,
                                                  float lo = -0.01f, float hi = 10.01f,
                                                  float wide = 1.0f)
    {
        std::vector<netlog::Line> out;
        for (const netlog::Line& l : netlog::polylines(log)) {
            const netlog::Line m = netlog::toMap(l);
            bool inside = true;
            for (size_t i = 0; i < m.x.size(); ++i) {
                inside = inside && m.x[i] >= lo * wide && m.x[i] <= hi * wide && m.y[i] >= lo &&
                    m.y[i] <= hi;
            }
            if (inside) out.push_back(m);
        }
        return out;
    }
    void SetUp() override
    {
        NetworkTest::SetUp();
        noLabels();
    }
    static void noLabels() { CONANN(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0); }
    void useLinear() { TRIINT(0, 10, 1); }
    void drawMap(int ncont, int lineSwitch = 0)
    {
        DRATRI(-1.0f, 11.0f, -1.0f, 11.0f, ncont, lineSwitch, wsize, work.data());
    }
    bool marksClear() const
    {
        for (int t = 1; t <= triangleCount(); ++t) {
            if (mark(t) != 0.0f) return false;
        }
        return true;
    }
};

TEST_F(NetworkContourMap, PlaneLevelsAreOpenLinesOnTheirLevelFromHullToHull)
{
    build(gridOf(6, tilted));
    useLinear();
    capture();
    drawMap(6);
    const std::vector<std::string> log = calls();
    EXPECT_TRUE(reported().empty());
    ASSERT_GT(surfaceState.levels.count, 2);
    const std::vector<netlog::Line> lines = contourLines(log);
    // Every level strictly inside the range crosses the square once.
    int inside = 0;
    for (int k = 0; k < surfaceState.levels.count; ++k) {
        const float L = surfaceState.levels.heights[k];
        if (L > 0.0f && L < 30.0f) ++inside;
    }
    ASSERT_EQ(static_cast<int>(lines.size()), inside);
    std::set<int> seen;
    for (const netlog::Line& l : lines) {
        const float L = l.x[0] + 2.0f * l.y[0];
        int level = -1;
        for (int k = 0; k < surfaceState.levels.count; ++k) {
            if (std::fabs(surfaceState.levels.heights[k] - L) < 0.01f) level = k;
        }
        ASSERT_GE(level, 0) << "a line at no level: " << L;
        seen.insert(level);
        for (size_t i = 0; i < l.x.size(); ++i) { EXPECT_NEAR(l.x[i] + 2.0f * l.y[i], L, 0.01f); }
        // On the hull; an end at a hull corner on the level lies a thousandth of the edge
        // along it.
        auto onHull = [](float x, float y) {
            return std::fabs(x) < 3e-3f || std::fabs(x - 10.0f) < 3e-3f || std::fabs(y) < 3e-3f ||
                std::fabs(y - 10.0f) < 3e-3f;
        };
        EXPECT_TRUE(onHull(l.x.front(), l.y.front()));
        EXPECT_TRUE(onHull(l.x.back(), l.y.back()))
            << l.x.back() << " " << l.y.back() << " level " << L;
    }
    EXPECT_EQ(static_cast<int>(seen.size()), inside);
    EXPECT_TRUE(marksClear());
    EXPECT_TRUE(guardsIntact());
    EXPECT_EQ(surfaceState.drawing.code, kDrawingNetworkMap);
}

TEST_F(NetworkContourMap, LevelsAroundAPeakAreClosedLoops)
{
    build(peak());
    useLinear();
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    ASSERT_TRUE(reported().empty());
    for (const float level : {7.0f, 5.5f}) {
        capture();
        ADTCON(level, 0, wsize, work.data());
        const std::vector<netlog::Line> lines = contourLines(calls(), -100.0f, 100.0f);
        ASSERT_EQ(lines.size(), 1u) << level;
        const netlog::Line& l = lines[0];
        EXPECT_FLOAT_EQ(l.x.front(), l.x.back());
        EXPECT_FLOAT_EQ(l.y.front(), l.y.back());
        // The cone reaches the level at radius (10 - level) / 1.5; the linear surface over the
        // triangles stays within the rings' chords of it.
        const float r = (10.0f - level) / 1.5f;
        double turning = 0.0;
        for (size_t i = 0; i + 1 < l.x.size(); ++i) {
            const float d = std::hypot(l.x[i] - 5.0f, l.y[i] - 5.0f);
            EXPECT_GT(d, 0.8f * r);
            EXPECT_LT(d, 1.05f * r);
            turning += std::atan2(l.y[i + 1] - 5.0f, l.x[i + 1] - 5.0f) -
                std::atan2(l.y[i] - 5.0f, l.x[i] - 5.0f);
            if (turning > 0) turning -= 0.0;
        }
        EXPECT_GT(l.x.size(), 12u);
        EXPECT_TRUE(marksClear());
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(NetworkContourMap, ClosedLinesEndExactlyOnTheirFirstPoint)
{
    // Straight lines meet their start crossing; smooth curves reach it only within a step,
    // and a fine step cuts the loop into buffer pieces (the first drawn last).  Either way the
    // pieces chain into a closed loop: every piece starts where another ends, to the last bit.
    const struct {
        const char* name;
        int method, lineSwitch;
        float step;
        size_t pieces;
    } cases[] = {{"straight", 0, 0, 4.0f, 1},
                 {"smooth", 2, 1, 8.0f, 1},
                 {"smooth in pieces", 2, 1, 1.0f, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        build(peak());
        TRIINT(c.method, 10, 1);
        TRISTP(c.step);
        TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
        capture();
        ADTCON(7.0f, c.lineSwitch, wsize, work.data());
        const std::vector<std::string> log = calls();
        EXPECT_TRUE(reported().empty());
        std::multiset<std::pair<float, float>> starts, ends;
        for (const netlog::Line& l : netlog::polylines(log)) {
            starts.insert({l.x.front(), l.y.front()});
            ends.insert({l.x.back(), l.y.back()});
        }
        for (const netlog::Curve& l : netlog::curves(log)) {
            starts.insert({l.x.front(), l.y.front()});
            ends.insert({l.x.back(), l.y.back()});
        }
        EXPECT_GE(starts.size(), c.pieces);
        EXPECT_EQ(starts, ends);
    }
}

// A strip of 100 by 3 points with height y: level 0.5 runs along the whole strip through about
// 200 triangles, more points than one buffer holds.
std::vector<NetPoint> strip()
{
    std::vector<NetPoint> pts;
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 100; ++i) {
            const float x = 0.1f * i + (j == 1 ? 0.05f : 0.0f), y = static_cast<float>(j);
            pts.push_back({x, y, y});
        }
    }
    return pts;
}

TEST_F(NetworkContourMap, LongLinesAreDrawnInPiecesThatShareASegment)
{
    build(strip());
    useLinear();
    TRISET(-1.0f, 11.0f, -1.0f, 3.0f, wsize, work.data());
    capture();
    ADTCON(0.5f, 0, wsize, work.data());
    const std::vector<netlog::Line> lines = contourLines(calls(), -0.01f, 10.01f);
    ASSERT_GE(lines.size(), 2u);
    size_t total = 0;
    for (size_t k = 0; k < lines.size(); ++k) {
        const netlog::Line& l = lines[k];
        EXPECT_LE(l.x.size(), 194u);
        for (const float y : l.y) EXPECT_NEAR(y, 0.5f, 1e-3f);
        if (k + 1 < lines.size()) {
            EXPECT_EQ(l.x.size(), 194u);
            const netlog::Line& n = lines[k + 1];
            // The next piece goes on from the last point drawn.
            EXPECT_FLOAT_EQ(n.x[0], l.x.back());
        }
        total += l.x.size();
    }
    EXPECT_GT(total, 195u);
    // The pieces make one line across the strip.
    const float first = lines.front().x.front(), last = lines.back().x.back();
    EXPECT_NEAR(std::min(first, last), 0.0f, 0.06f);
    EXPECT_NEAR(std::max(first, last), 9.9f, 0.06f);
}

TEST_F(NetworkContourMap, CurvedLinesAreKernelCurvesWithNeighbourPointsAtTheJoints)
{
    build(strip());
    TRIINT(2, 10, 1);
    TRISET(-1.0f, 11.0f, -1.0f, 3.0f, wsize, work.data());
    capture();
    ADTCON(0.5f, 1, wsize, work.data());
    const std::vector<std::string> log = calls();
    const std::vector<netlog::Curve> pieces = netlog::curves(log);
    ASSERT_GE(pieces.size(), 2u);
    EXPECT_EQ(pieces.front().start, 0);
    EXPECT_EQ(pieces.back().end, 0);
    for (size_t k = 0; k + 1 < pieces.size(); ++k) {
        const netlog::Curve& a = pieces[k];
        const netlog::Curve& b = pieces[k + 1];
        EXPECT_EQ(a.x.size(), 194u);
        ASSERT_TRUE(a.endsSet);
        ASSERT_TRUE(b.endsSet);
        EXPECT_EQ(a.end, -1);
        EXPECT_EQ(b.start, -1);
        // (1, 0, 1, 0) tangents; the point after a piece is the next piece's second point,
        // the point before a piece the last point but one of the piece before.
        EXPECT_EQ(a.ends[0], 1.0f);
        EXPECT_EQ(a.ends[1], 0.0f);
        EXPECT_EQ(a.ends[2], 1.0f);
        EXPECT_EQ(a.ends[3], 0.0f);
        EXPECT_FLOAT_EQ(a.ends[6], b.x[1]);
        EXPECT_FLOAT_EQ(a.ends[7], b.y[1]);
        EXPECT_FLOAT_EQ(b.ends[4], a.x[a.x.size() - 2]);
        EXPECT_FLOAT_EQ(b.x[0], a.x.back());
    }
    // No polyline is drawn for the curve.
    EXPECT_TRUE(contourLines(log, -0.01f, 10.01f).empty());
    EXPECT_EQ(surfaceState.networkSettings.interpolationMethod, 2);
}

TEST_F(NetworkContourMap, ClosedCurvedLineEndsWithNeighbourPointsOfItsOwnStart)
{
    build(peak());
    TRIINT(2, 10, 1);
    TRISTP(8.0f);  // coarse enough that the line fits one buffer
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    capture();
    ADTCON(7.0f, 1, wsize, work.data());
    const std::vector<netlog::Curve> pieces = netlog::curves(calls());
    ASSERT_EQ(pieces.size(), 1u);
    const netlog::Curve& c = pieces[0];
    const size_t n = c.x.size();
    ASSERT_GT(n, 4u);
    EXPECT_FLOAT_EQ(c.x.front(), c.x.back());
    EXPECT_EQ(c.start, -1);
    EXPECT_EQ(c.end, -1);
    ASSERT_TRUE(c.endsSet);
    EXPECT_FLOAT_EQ(c.ends[4], c.x[n - 2]);
    EXPECT_FLOAT_EQ(c.ends[5], c.y[n - 2]);
    EXPECT_FLOAT_EQ(c.ends[6], c.x[1]);
    EXPECT_FLOAT_EQ(c.ends[7], c.y[1]);
}

}  // namespace

namespace {

// A ridge along x = 5 between rows of points at x = 4 and 6 (height 9): along the edges that
// cross it the curved surface rises to 10, above every vertex.
float ridge(float x, float) { return 10.0f - (x - 5.0f) * (x - 5.0f); }

// Every point drawn inside the data window, polylines and curves, in map units.
std::vector<std::pair<float, float>> drawnPoints(const std::vector<std::string>& log)
{
    std::vector<netlog::Line> lines = netlog::polylines(log);
    for (const netlog::Curve& c : netlog::curves(log)) lines.push_back({c.x, c.y});
    std::vector<std::pair<float, float>> out;
    for (const netlog::Line& l : lines) {
        const netlog::Line m = netlog::toMap(l);
        for (size_t i = 0; i < m.x.size(); ++i) {
            if (m.x[i] >= -0.01f && m.x[i] <= 10.01f && m.y[i] >= -0.01f && m.y[i] <= 10.01f) {
                out.emplace_back(m.x[i], m.y[i]);
            }
        }
    }
    return out;
}

// A map of many listed levels, most of them far below or above the heights, draws exactly the
// lines of the levels that pass through the heights drawn one map each; a level between the
// vertex heights and the crest the curved surface reaches between them is drawn on that
// surface (the heights at its points are the level), and with straight lines not at all.
TEST_F(NetworkContourMap, ManyLevelsDrawWhatTheLevelsThroughTheHeightsDrawAlone)
{
    const float through[] = {1.0f, 5.0f, 9.5f};
    std::vector<float> listed;
    for (int k = 0; k < 45; ++k) listed.push_back(-1.0e6f + 1000.0f * k);
    listed.insert(listed.end(), std::begin(through), std::end(through));
    for (int k = 0; k < 45; ++k) listed.push_back(50.0f + 1.0e4f * k);
    for (const int lineSwitch : {0, 1}) {
        build(gridOf(6, ridge));
        std::vector<std::pair<float, float>> alone;
        for (const float level : through) {
            CONDEF(1, &level);
            capture();
            drawMap(1, lineSwitch);
            const auto points = drawnPoints(calls());
            if (level == 9.5f) {
                EXPECT_EQ(points.empty(), lineSwitch == 0) << lineSwitch;
                for (const auto& [x, y] : points) {
                    float h = 0.0f, dx = 0.0f, dy = 0.0f;
                    TRIHGT(x, y, h, dx, dy, wsize, work.data());
                    EXPECT_NEAR(h, level, 0.02f) << x << " " << y;
                }
            }
            alone.insert(alone.end(), points.begin(), points.end());
        }
        CONDEF(static_cast<int>(listed.size()), listed.data());
        capture();
        drawMap(static_cast<int>(listed.size()), lineSwitch);
        EXPECT_EQ(drawnPoints(calls()), alone) << lineSwitch;
        EXPECT_TRUE(marksClear());
    }
}

// Eight points on the plane x + 2y, contoured under limits just inside its heights: the lines
// drawn, straight or curved, lie on the plane (its own formula is the oracle), so a line's
// level and the gap between the lines of two levels on the picture are known.  Levels two
// picture resolutions apart (a thousandth of the map area's larger side) are all drawn.  Of
// 65536 levels, each far closer than that, warning -1077 leaves out those the picture cannot
// show apart: the drawn levels stand a resolution apart, no more than that and one step asked
// for (so no level that could show apart is missing), the first and the last are drawn, and
// their count is the number of resolutions the plane's picture spans.  Also with the points
// spread four times wider than high, and in a map area of the picture far wider than high,
// where a map unit across is not a map unit up on the picture.
TEST_F(NetworkContourMap, LevelsThePictureCannotShowApartAreLeftOut)
{
    const std::vector<NetPoint> square = {{0, 0, 0}, {10, 0, 10}, {10, 10, 30}, {0, 10, 20},
                                          {3, 2, 7}, {7, 3, 13},  {6, 8, 22},   {2, 6, 14}};
    const float low = 0.5f, high = 29.5f;
    const struct {
        int lineSwitch;
        float wide;     // x of the points and the window times this: the plane x / wide + 2y
        float area[4];  // the map area on the picture (CONBND); none when empty
    } cases[] = {{0, 1, {}},
                 {1, 1, {}},
                 {0, 4, {}},
                 {1, 4, {}},
                 {0, 1, {100, 900, 300, 450}},
                 {1, 1, {100, 900, 300, 450}}};
    for (const auto& [lineSwitch, wide, area] : cases) {
        SCOPED_TRACE(testing::Message()
                     << (lineSwitch == 0 ? "straight" : "curved") << ", " << wide
                     << " times wider, area " << area[1] - area[0] << " by " << area[3] - area[2]);
        SetUp();
        std::vector<NetPoint> pts = square;
        for (NetPoint& p : pts) p.x *= wide;
        build(pts);
        LEVELS(low, high);
        if (area[1] > area[0]) CONBND(area[0], area[1], area[2], area[3]);
        const auto drawMap = [&](int ncont, int lines) {
            DRATRI(-wide, 11.0f * wide, -1.0f, 11.0f, ncont, lines, wsize, work.data());
        };
        drawMap(0, lineSwitch);
        const MapTransform& m = surfaceState.map;
        // The plane's slope on the picture, and the picture's resolution.
        const double slope = std::hypot(m.factorX / m.scaleX / wide, 2.0 * m.factorY / m.scaleY);
        const double resolution = std::max(m.mapWidth, m.mapHeight) / 1000.0;
        const double span = (high - low) / slope;  // picture distance from first to last line
        // The distinct levels of the lines drawn, each line checked to lie on one level.
        const auto drawnLevels = [&](int ncont) {
            tarv::errorLogClear();
            capture();
            drawMap(ncont, lineSwitch);
            const std::vector<std::string> log = calls();
            std::vector<netlog::Line> lines = contourLines(log, -0.01f, 10.01f, wide);
            for (const netlog::Curve& c : netlog::curves(log)) {
                lines.push_back(netlog::toMap({c.x, c.y}));
            }
            // A line's level is the median of its points' heights; a point may lie off it by
            // the crossing search's tolerance, or where the line passes a vertex, a thousandth
            // of the edge along it.
            const auto median = [](std::vector<double> v) {
                std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
                return v[v.size() / 2];
            };
            std::vector<double> levels;
            for (const netlog::Line& l : lines) {
                std::vector<double> heights;
                for (size_t i = 0; i < l.x.size(); ++i)
                    heights.push_back(l.x[i] / wide + 2.0 * l.y[i]);
                const double level = median(heights);
                for (const double h : heights) EXPECT_NEAR(h, level, 0.025) << ncont;
                levels.push_back(level);
            }
            std::sort(levels.begin(), levels.end());
            std::vector<double> distinct;
            std::vector<std::vector<double>> clusters;
            for (const double level : levels) {
                if (clusters.empty() || level - clusters.back().back() > 4e-3)
                    clusters.emplace_back();
                clusters.back().push_back(level);
            }
            for (const auto& c : clusters) distinct.push_back(median(c));
            return distinct;
        };
        const int apart = static_cast<int>(span / (2.0 * resolution)) + 1;
        const auto leftOut = [] {
            const std::vector<int> numbers = reported();
            return std::count(numbers.begin(), numbers.end(), asReported(kLevelsTooClose));
        };
        EXPECT_EQ(static_cast<int>(drawnLevels(-apart).size()), apart);
        EXPECT_EQ(leftOut(), 0);

        const std::vector<double> drawn = drawnLevels(-65536);
        EXPECT_EQ(leftOut(), 1);
        ASSERT_GE(drawn.size(), 2u);
        EXPECT_NEAR(drawn.front(), low, 2e-3);
        EXPECT_NEAR(drawn.back(), high, 2e-3);
        // Apart by at least a resolution (but for the last level, kept however close), by at
        // most a resolution and a step asked for, each measured to the crossing search's
        // tolerance.
        const double asked = (high - low) / 65535.0 / slope, measure = 0.05;
        for (size_t i = 1; i < drawn.size(); ++i) {
            const double gap = (drawn[i] - drawn[i - 1]) / slope;
            if (i + 1 < drawn.size()) { EXPECT_GE(gap, resolution - measure) << drawn[i]; }
            EXPECT_LE(gap, resolution + asked + measure) << drawn[i];
        }
        EXPECT_LE(static_cast<double>(drawn.size()), span / resolution + 2.0);
    }
}

}  // namespace
