// tracing_test.cpp - the pieces of the network contour tracer on their own: the subdivision
// count, segment intersection, the crossings of a level with one edge (one crossing, a dip of
// the cubic through the level, a touch, none), the least step between appended points, curved
// lines whose every point lies on the level of the surface, and lines that stop at a hole.
#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <utility>

#include "contour_log.h"
#include "network/tracing.h"
#include "network_fixture.h"

using namespace surflib;

namespace {

float bowl(float x, float y)
{
    return 0.2f * (x - 4.0f) * (x - 4.0f) + 0.1f * (y - 5.0f) * (y - 5.0f);
}
// The convex hull of the points (monotone chain), counter-clockwise.
double turn(const NetPoint& o, const NetPoint& a, const NetPoint& b)
{
    return (static_cast<double>(a.x) - o.x) * (b.y - o.y) -
        (static_cast<double>(a.y) - o.y) * (b.x - o.x);
}

std::vector<NetPoint> convexHull(std::vector<NetPoint> pts)
{
    std::sort(pts.begin(), pts.end(), [](const NetPoint& a, const NetPoint& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    std::vector<NetPoint> hull;
    for (int pass = 0; pass < 2; ++pass) {
        const size_t base = hull.size();
        for (const NetPoint& p : pts) {
            while (hull.size() >= base + 2 && turn(hull[hull.size() - 2], hull.back(), p) <= 0)
                hull.pop_back();
            hull.push_back(p);
        }
        hull.pop_back();
        std::reverse(pts.begin(), pts.end());
    }
    return hull;
}

// Within 1e-3 map units of the hull or inside it.
bool insideHull(const std::vector<NetPoint>& hull, float x, float y)
{
    const NetPoint p{x, y, 0.0f};
    for (size_t h = 0; h < hull.size(); ++h) {
        const NetPoint& a = hull[h];
        const NetPoint& b = hull[(h + 1) % hull.size()];
        if (turn(a, b, p) / std::hypot(b.x - a.x, b.y - a.y) < -1e-3) return false;
    }
    return true;
}

class NetworkTracing : public NetworkTest {
protected:
    void SetUp() override
    {
        NetworkTest::SetUp();
        CONANN(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);
        tarv::errorLogClear();
    }

    // The first edge of the network that has a triangle on both sides: (triangle, edge), or
    // (0, 0) when there is none.
    std::pair<int, int> firstInnerEdge()
    {
        for (int u = 1; u <= triangleCount(); ++u)
            for (int e = 1; e <= 3; ++e)
                if (networkNeighbour(work.data(), u, e) != 0) return {u, e};
        return {0, 0};
    }

    // With the gradients standing as set, a map on the 10 by 10 window at `level`: straight
    // lines, which follow the vertices alone, draw nothing; the curves the curved lines draw.
    std::vector<netlog::Curve> curvedLinesOnly(float level)
    {
        work[0] = 1.0f;  // the gradients stand as they are
        TRIINT(2, 10, 1);
        TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
        capture();
        ADTCON(level, 0, wsize, work.data());
        EXPECT_TRUE(netlog::polylines(calls()).empty());
        capture();
        ADTCON(level, 1, wsize, work.data());
        return netlog::curves(calls());
    }

    // Gives the two vertices of edge k of triangle t gradients along the edge: the height rises
    // by `atStart` per edge length at its first vertex and by `atEnd` at its second.
    void setEdgeSlopes(int t, int k, float atStart, float atEnd)
    {
        float* w = work.data();
        const int P = vertex(t, k), Q = vertex(t, k % 3 + 1);
        const float dx = networkX(w, Q) - networkX(w, P), dy = networkY(w, Q) - networkY(w, P);
        const float len2 = dx * dx + dy * dy;
        networkPointField(w, P, kNetDzdx) = atStart * dx / len2;
        networkPointField(w, P, kNetDzdy) = atStart * dy / len2;
        networkPointField(w, Q, kNetDzdx) = atEnd * dx / len2;
        networkPointField(w, Q, kNetDzdy) = atEnd * dy / len2;
    }
};

TEST_F(NetworkTracing, SubdivisionCountIsOnePartPerContourStepOfTheDiagonal)
{
    surfaceState.map.mapWidth = 300.0f;
    surfaceState.map.mapHeight = 400.0f;
    surfaceState.networkSettings.contourStep = 4.0f;  // 0.008 of the 500-unit diagonal
    struct Case {
        float x1, y1, x2, y2;
        int parts;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 0.0f, 0.0f, 1},    // no way
        {0.0f, 0.0f, 0.004f, 0.0f, 1},  // half a step
        {0.0f, 0.0f, 0.0f, 0.02f, 3},   // two and a half steps
        {0.1f, 0.1f, 0.1f, 0.1f + 0.3999f, 50},
        {0.0f, 0.0f, 1.0f, 1.0f, 50},  // capped
        {0.0f, 0.0f, NAN, 0.5f, 50},   // no number: the cap, no undefined conversion
    };
    for (const Case& c : cases) {
        EXPECT_EQ(surfaceSubdivisionCount(c.x1, c.y1, c.x2, c.y2), c.parts) << c.x2 << " " << c.y2;
    }
    // A map without size or a step of 0 has no measure: one part, or the cap for a real way.
    surfaceState.map.mapWidth = surfaceState.map.mapHeight = 0.0f;
    EXPECT_EQ(surfaceSubdivisionCount(0.0f, 0.0f, 0.5f, 0.5f), 1);
    surfaceState.map.mapWidth = 300.0f;
    surfaceState.networkSettings.contourStep = 0.0f;
    EXPECT_EQ(surfaceSubdivisionCount(0.0f, 0.0f, 0.5f, 0.5f), 50);
}

TEST_F(NetworkTracing, SegmentsIntersectWithinTheirEnds)
{
    struct Case {
        float p[4], q[4];
        int flag;
        float x, y;
    };
    const Case cases[] = {
        {{0, 0, 1, 1}, {0, 1, 1, 0}, -1, 0.5f, 0.5f},
        {{0, 0, 1, 0}, {0.25f, -1, 0.25f, 1}, -1, 0.25f, 0.0f},
        {{0, 0, 1, 1}, {0, 1, 1, 2}, 0, 0, 0},          // parallel
        {{0, 0, 1, 1}, {2, 0, 3, -1}, 0, 0, 0},         // the lines meet beyond the ends
        {{0, 0, 1, 0}, {1, -1, 1, 1}, -1, 1.0f, 0.0f},  // at an end
        {{0, 0, 1, 1}, {1, 0, 1, 1}, -1, 1.0f, 1.0f},   // both end at one point
        {{0, 0, 1, 1}, {0.5f, 0.5f, 1, 1}, 0, 0, 0},    // one line, ending at one point
        {{1, 1, 1, 1}, {1, 1, 1, 1}, 0, 0, 0},          // no segments at all
    };
    for (const Case& c : cases) {
        int flag = 7;
        float x = -9.0f, y = -9.0f;
        surfaceIntersectSegments(c.p[0], c.p[1], c.p[2], c.p[3], c.q[0], c.q[1], c.q[2], c.q[3],
                                 flag, x, y);
        EXPECT_EQ(flag, c.flag);
        if (c.flag == -1) {
            EXPECT_NEAR(x, c.x, 1e-6f);
            EXPECT_NEAR(y, c.y, 1e-6f);
        }
    }
}

TEST_F(NetworkTracing, EdgeCrossingsFollowTheCubicOfTheEdge)
{
    build(gridOf(3, tilted));
    float* w = work.data();
    const int P = vertex(1, 1), Q = vertex(1, 2);
    const float dx = networkX(w, Q) - networkX(w, P), dy = networkY(w, Q) - networkY(w, P);
    const float len2 = dx * dx + dy * dy;
    // Both ends at 0.5 with slopes -0.4 and +0.4 along the edge: the curve dips to 0.4 at the
    // middle, and level 0.45 meets it at t = (0.4 -+ sqrt 0.08) / 0.8.
    networkPointField(w, P, kNetZ) = 0.5f;
    networkPointField(w, Q, kNetZ) = 0.5f;
    networkPointField(w, P, kNetDzdx) = -0.4f * dx / len2;
    networkPointField(w, P, kNetDzdy) = -0.4f * dy / len2;
    networkPointField(w, Q, kNetDzdx) = 0.4f * dx / len2;
    networkPointField(w, Q, kNetDzdy) = 0.4f * dy / len2;
    surfaceState.networkSettings.interpolationMethod = 2;
    const float px = networkX(w, P), py = networkY(w, P);
    const double t1 = (0.4 - std::sqrt(0.08)) / 0.8, t2 = (0.4 + std::sqrt(0.08)) / 0.8;

    int roots = -1;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    surfaceEdgeCubicCrossings(1, 1, 0.45f, px, py, roots, x1, y1, x2, y2, w);
    EXPECT_EQ(roots, 2);
    EXPECT_NEAR(x1, px + t1 * dx, 1e-5);
    EXPECT_NEAR(y1, py + t1 * dy, 1e-5);
    EXPECT_NEAR(x2, px + t2 * dx, 1e-5);
    // Ordered by nearness to the previous point: from Q's side the far root comes first.
    surfaceEdgeCubicCrossings(1, 1, 0.45f, networkX(w, Q), networkY(w, Q), roots, x1, y1, x2, y2,
                              w);
    EXPECT_EQ(roots, 2);
    EXPECT_NEAR(x1, px + t2 * dx, 1e-5);

    // A touch at the bottom of the dip, and a level the curve never reaches.
    surfaceEdgeCubicCrossings(1, 1, 0.4f, px, py, roots, x1, y1, x2, y2, w);
    EXPECT_EQ(roots, 0);
    EXPECT_NEAR(x1, px + 0.5 * dx, 1e-3);
    surfaceEdgeCubicCrossings(1, 1, 0.3f, px, py, roots, x1, y1, x2, y2, w);
    EXPECT_EQ(roots, 0);
    // The linear method cannot dip between two ends on one side.
    surfaceState.networkSettings.interpolationMethod = 0;
    surfaceEdgeCubicCrossings(1, 1, 0.45f, px, py, roots, x1, y1, x2, y2, w);
    EXPECT_EQ(roots, 0);
    // Ends on either side: one crossing, on the edge.
    networkPointField(w, Q, kNetZ) = 0.7f;
    surfaceEdgeCubicCrossings(1, 1, 0.6f, px, py, roots, x1, y1, x2, y2, w);
    EXPECT_EQ(roots, 1);
    EXPECT_NEAR(x1, px + 0.5f * dx, 1e-4);
    EXPECT_NEAR(y1, py + 0.5f * dy, 1e-4);
}

TEST_F(NetworkTracing, PointsCloserThanTheLeastStepAreNotAppended)
{
    NetworkPolylineBuffer& b = surfaceState.networkLine;
    const float step = 1000.0f * surfaceState.eps;
    b.count = 0;
    surfaceAppendContourPoint(0.5f, 0.5f, nullptr);
    EXPECT_EQ(b.count, 0);
    EXPECT_EQ(b.appended, -1);
    b.x[0] = b.y[0] = 0.5f;
    b.count = 1;
    surfaceAppendContourPoint(0.5f + 0.9f * step, 0.5f - 0.9f * step, nullptr);
    EXPECT_EQ(b.count, 1);
    EXPECT_EQ(b.appended, -1);
    surfaceAppendContourPoint(0.5f, 0.5f + 1.5f * step, nullptr);
    EXPECT_EQ(b.count, 2);
    EXPECT_EQ(b.appended, 0);
}

TEST_F(NetworkTracing, CurvedLinesLieOnTheLevelOfTheSurface)
{
    build(gridOf(5, bowl));
    TRIINT(2, 10, 1);
    TRISTP(2.0f);  // fine enough that the line takes more than one buffer
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    capture();
    ADTCON(1.5f, 0, wsize, work.data());
    const std::vector<netlog::Line> straight = netlog::polylines(calls());
    capture();
    ADTCON(1.5f, 1, wsize, work.data());
    const std::vector<netlog::Curve> curved = netlog::curves(calls());
    ASSERT_FALSE(curved.empty());
    size_t straightPoints = 0, curvedPoints = 0;
    for (const netlog::Line& l : straight) straightPoints += l.x.size();
    for (const netlog::Curve& c : curved) curvedPoints += c.x.size();
    // The bowl's level 1.5 is a closed ellipse; the curved line has its intermediate points
    // (more than one buffer holds: the pieces join on a shared point).
    EXPECT_GT(curvedPoints, 2 * straightPoints);
    EXPECT_FLOAT_EQ(curved.front().x.front(), curved.back().x.back());
    EXPECT_FLOAT_EQ(curved.front().y.front(), curved.back().y.back());
    ASSERT_EQ(curved.size(), 2u);
    for (size_t k = 0; k + 1 < curved.size(); ++k) {
        EXPECT_FLOAT_EQ(curved[k + 1].x.front(), curved[k].x.back());
        EXPECT_EQ(curved[k + 1].start, -1);
        EXPECT_EQ(curved[k].end, -1);
    }
    // Smooth where it closes, also across the pieces: the first piece starts from the last
    // point but one of the last, the last leads into the second point of the first.
    const netlog::Curve& first = curved.front();
    const netlog::Curve& last = curved.back();
    EXPECT_EQ(first.start, -1);
    EXPECT_EQ(last.end, -1);
    ASSERT_TRUE(first.endsSet && last.endsSet);
    EXPECT_FLOAT_EQ(first.ends[4], last.x[last.x.size() - 2]);
    EXPECT_FLOAT_EQ(first.ends[5], last.y[last.y.size() - 2]);
    EXPECT_FLOAT_EQ(last.ends[6], first.x[1]);
    EXPECT_FLOAT_EQ(last.ends[7], first.y[1]);
    double worst = 0.0;
    for (const netlog::Curve& c : curved) {
        for (size_t i = 0; i < c.x.size(); ++i) {
            float z = 0, gx = 0, gy = 0;
            TRIHGT(netlog::mapX(c.x[i]), netlog::mapY(c.y[i]), z, gx, gy, wsize, work.data());
            worst = std::max(worst, std::fabs(z - 1.5));
        }
    }
    EXPECT_LT(worst, 2e-3);
    EXPECT_TRUE(reported().empty());
}

TEST_F(NetworkTracing, PassagesGetAtMostFortyNineIntermediatePointsWhateverTheStep)
{
    // On a plane the straight line ends one passage through a sub-triangle at each of its
    // points after the first; the curved line may add 49 points a passage, no more.
    struct Case {
        int lattice;
        float level, step;
    };
    const Case cases[] = {
        {3, 6.5f, 1e6f}, {3, 6.5f, 4.0f}, {3, 6.5f, 1e-4f}, {7, 13.3f, 1e-4f}, {7, 2.2f, 1e-4f},
    };
    for (const Case& c : cases) {
        build(gridOf(c.lattice, tilted));
        TRIINT(2, 10, 1);
        TRISTP(c.step);
        TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
        capture();
        ADTCON(c.level, 0, wsize, work.data());
        size_t straight = 0;
        for (const netlog::Line& l : netlog::polylines(calls())) straight += l.x.size();
        capture();
        ADTCON(c.level, 1, wsize, work.data());
        const std::vector<netlog::Curve> curved = netlog::curves(calls());
        ASSERT_FALSE(curved.empty()) << c.step;
        // Pieces of one line share their joining segment.
        size_t points = 0;
        for (const netlog::Curve& k : curved) points += k.x.size();
        points -= 2 * (curved.size() - 1);
        const size_t passages = straight - 1;
        EXPECT_LE(points, passages * 50 + 1) << c.lattice << " " << c.step;
        if (c.step < 1.0f) { EXPECT_GT(points, passages * 20) << c.lattice << " " << c.step; }
        if (c.step > 100.0f) { EXPECT_EQ(points, straight); }
        for (const netlog::Curve& k : curved) {
            for (size_t i = 0; i < k.x.size(); ++i) {
                const float x = netlog::mapX(k.x[i]), y = netlog::mapY(k.y[i]);
                EXPECT_NEAR(tilted(x, y), c.level, 1e-3f) << x << " " << y;
            }
        }
    }
}

TEST_F(NetworkTracing, LinesStopAtTheEdgesOfAHole)
{
    build(gridOf(5, tilted));
    TRIINT(0, 10, 1);
    float* w = work.data();
    // Make a triangle that level 14 crosses a hole.
    int hole = 0;
    for (int t = 1; t <= triangleCount() && hole == 0; ++t) {
        float lo = 1e9f, hi = -1e9f;
        bool interior = true;
        for (int k = 1; k <= 3; ++k) {
            const NetPoint p = point(vertex(t, k));
            lo = std::min(lo, p.z);
            hi = std::max(hi, p.z);
            interior = interior && networkNeighbour(w, t, k) != 0;
        }
        if (interior && lo < 13.0f && hi > 15.0f) hole = t;
    }
    ASSERT_NE(hole, 0);
    networkTriangleField(w, hole, kTriRegionMark) = kRegionMark;
    for (int k = 1; k <= 3; ++k) networkSetNeighbour(w, hole, k, networkNeighbour(w, hole, k));
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    capture();
    ADTCON(14.0f, 0, wsize, work.data());
    const std::vector<netlog::Line> lines = netlog::polylines(calls());
    ASSERT_EQ(lines.size(), 2u);
    // Each piece ends on the hull at one end and on the hole's edge at the other.
    for (const netlog::Line& l : lines) {
        const netlog::Line m = netlog::toMap(l);
        for (size_t i = 0; i < m.x.size(); ++i) EXPECT_NEAR(m.x[i] + 2.0f * m.y[i], 14.0f, 0.01f);
    }
    EXPECT_EQ(mark(hole), kRegionMark);
    for (int t = 1; t <= triangleCount(); ++t) {
        if (t != hole) { EXPECT_EQ(mark(t), 0.0f); }
    }
}

TEST_F(NetworkTracing, CurvedSurfaceDippingAcrossAnEdgeMakesASmallLoop)
{
    build(gridOf(4, tilted));
    float* w = work.data();
    const auto [t, k] = firstInnerEdge();
    ASSERT_NE(t, 0);
    // Every point well above the level 0.47 and flat, but the edge's two ends at 0.5 with
    // slopes that make the surface dip to 0.4 half-way along the edge.
    for (int j = 1; j <= pointCount(); ++j) {
        networkPointField(w, j, kNetZ) = 0.6f + 0.02f * static_cast<float>(j % 7);
        networkPointField(w, j, kNetDzdx) = 0.0f;
        networkPointField(w, j, kNetDzdy) = 0.0f;
    }
    networkPointField(w, vertex(t, k), kNetZ) = 0.5f;
    networkPointField(w, vertex(t, k % 3 + 1), kNetZ) = 0.5f;
    setEdgeSlopes(t, k, -0.4f, 0.4f);
    const NetworkLayout& n = surfaceState.network;
    const float level = n.zmin + 0.47f * n.zrange;
    const std::vector<netlog::Curve> curves = curvedLinesOnly(level);
    ASSERT_EQ(curves.size(), 1u);
    const netlog::Curve& c = curves[0];
    EXPECT_FLOAT_EQ(c.x.front(), c.x.back());
    EXPECT_FLOAT_EQ(c.y.front(), c.y.back());
    EXPECT_GE(c.x.size(), 8u);
    for (size_t i = 0; i < c.x.size(); ++i) {
        float z = 0, gx = 0, gy = 0;
        TRIHGT(netlog::mapX(c.x[i]), netlog::mapY(c.y[i]), z, gx, gy, wsize, w);
        EXPECT_NEAR(z, level, 2e-3f * n.zrange);
    }
    EXPECT_TRUE(reported().empty());
}

// Every vertex below the level, but the bottom hull edge from (6.67, 0) to the corner (10, 0)
// bent by its end gradients so that its curve rises through the level and back near the
// corner: only that edge's curve reaches the level, and the curved line is a small arch from
// the hull back to the hull.
TEST_F(NetworkTracing, HullEdgeRisingNearItsEndDrawsAnArchFromTheHull)
{
    build(gridOf(4, tilted));
    float* w = work.data();
    const float a = 10.0f / 3.0f;
    int t = 0, k = 0;
    for (int u = 1; u <= triangleCount() && t == 0; ++u) {
        for (int e = 1; e <= 3; ++e) {
            const NetPoint p = point(vertex(u, e)), q = point(vertex(u, e % 3 + 1));
            if (networkNeighbour(w, u, e) == 0 && p.y == 0.0f && q.x == 10.0f && q.y == 0.0f) {
                t = u;
                k = e;
            }
        }
    }
    ASSERT_NE(t, 0);
    const NetworkLayout& n = surfaceState.network;
    for (int j = 1; j <= pointCount(); ++j) {
        networkPointField(w, j, kNetZ) = 0.2f;
        networkPointField(w, j, kNetDzdx) = 0.0f;
        networkPointField(w, j, kNetDzdy) = 0.0f;
    }
    // Along the edge (normalised heights): 0.3 rising by 0.3 at its start, 0.45 falling by 1.0
    // into its end, so the curve stands above 0.5 for t in about 0.42..0.95.  The end's
    // gradient leaves the other edges at the corner flat or falling.
    const int P = vertex(t, k), Q = vertex(t, k % 3 + 1);
    const float ux = a / n.xrange, uy = a / n.yrange;  // the edge's length in normalised units
    networkPointField(w, P, kNetZ) = 0.3f;
    networkPointField(w, Q, kNetZ) = 0.45f;
    networkPointField(w, P, kNetDzdx) = 0.3f / ux;
    networkPointField(w, Q, kNetDzdx) = -1.0f / ux;
    networkPointField(w, Q, kNetDzdy) = -1.0f / uy;
    const float level = n.zmin + 0.5f * n.zrange;
    const std::vector<netlog::Curve> curves = curvedLinesOnly(level);
    ASSERT_EQ(curves.size(), 1u);
    const netlog::Line m = netlog::toMap({curves[0].x, curves[0].y});
    ASSERT_GE(m.x.size(), 3u);
    for (const size_t end : {size_t{0}, m.x.size() - 1}) {
        EXPECT_NEAR(m.y[end], 0.0f, 1e-3f);
        EXPECT_GT(m.x[end], 2.0f * a);
        EXPECT_LT(m.x[end], 10.0f);
    }
    EXPECT_GT(std::max(m.x.front(), m.x.back()), 9.5f);  // near the corner
    for (size_t i = 0; i < m.x.size(); ++i) {
        float z = 0, gx = 0, gy = 0;
        TRIHGT(m.x[i], m.y[i], z, gx, gy, wsize, w);
        EXPECT_NEAR(z, level, 2e-3f * n.zrange);
    }
    EXPECT_TRUE(reported().empty());
}

// Every vertex above the level but one that lies exactly on it, with an edge whose curve dips
// below the level from its other end and comes back up to that vertex: its crossings are the
// vertex's own and a dip that ends on a vertex is no dip of its own, so nothing is drawn.
TEST_F(NetworkTracing, DipEndingOnAVertexOnTheLevelDrawsNothing)
{
    build(gridOf(4, tilted));
    float* w = work.data();
    const NetworkLayout& n = surfaceState.network;
    const float level = n.zmin + 0.5f * n.zrange;
    ASSERT_EQ((level - n.zmin) / n.zrange, 0.5f);  // the vertex lies on the level exactly
    const auto [t, k] = firstInnerEdge();
    ASSERT_NE(t, 0);
    for (int j = 1; j <= pointCount(); ++j) {
        networkPointField(w, j, kNetZ) = 0.6f;
        networkPointField(w, j, kNetDzdx) = 0.0f;
        networkPointField(w, j, kNetDzdy) = 0.0f;
    }
    // Along the edge: 0.6 - 0.5 t + 0.4 t^2, which meets 0.5 at t = 0.25 and at its end t = 1.
    networkPointField(w, vertex(t, k % 3 + 1), kNetZ) = 0.5f;
    setEdgeSlopes(t, k, -0.5f, 0.3f);
    work[0] = 1.0f;  // the gradients stand as they are
    TRIINT(2, 10, 1);
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, w);
    int roots = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    surfaceEdgeCubicCrossings(t, k, 0.5f, 0.0f, 0.0f, roots, x1, y1, x2, y2, w);
    ASSERT_EQ(roots, 2);  // the edge does dip
    for (int curved : {0, 1}) {
        SCOPED_TRACE(curved);
        capture();
        ADTCON(level, curved, wsize, w);
        EXPECT_TRUE(netlog::polylines(calls()).empty());
        EXPECT_TRUE(netlog::curves(calls()).empty());
    }
    for (int s = 1; s <= triangleCount(); ++s) EXPECT_EQ(mark(s), 0.0f);
    EXPECT_TRUE(reported().empty());
}

}  // namespace

// ---- Curved lines through edges that dip through the level ------------------------------------

float planeX(float x, float) { return x; }

// A plane rising in x, contoured at x = 4, with the vertical edge x = 5, y 2.5..5 bent by its end
// gradients so that the surface along it dips to 4 - 0.25 * 10 * (depth - 0.4): the low side
// of the line reaches across that edge between its two (high) ends.
class DippingEdge : public NetworkTracing {
protected:
    int t = 0, k = 0, nb = 0;  // the triangle right of the edge, its edge number, the one left
    float level = 0.0f;        // normalised
    float* w = nullptr;

    void SetUp() override
    {
        NetworkTracing::SetUp();
        build(gridOf(5, planeX));
        w = work.data();
        for (int u = 1; u <= triangleCount() && t == 0; ++u) {
            for (int e = 1; e <= 3; ++e) {
                const NetPoint a = point(vertex(u, e)), b = point(vertex(u, e % 3 + 1));
                // Counter-clockwise, the triangle on the right of the edge runs it downwards.
                if (a.x == 5.0f && b.x == 5.0f && a.y == 5.0f && b.y == 2.5f) {
                    t = u;
                    k = e;
                }
            }
        }
        ASSERT_NE(t, 0);
        nb = networkNeighbour(w, t, k);
        ASSERT_NE(nb, 0);
        const int P = vertex(t, k), Q = vertex(t, k % 3 + 1);
        const float len = networkY(w, P) - networkY(w, Q);
        // d0 = -1.2 and d1 = +1.2 along the edge: the cubic 0.5 - 1.2 t + 1.2 t^2 bottoms out at
        // 0.2 half-way, well below the level 0.4.
        networkPointField(w, P, kNetDzdy) = 1.2f / len;
        networkPointField(w, Q, kNetDzdy) = -1.2f / len;
        for (int j = 1; j <= pointCount(); ++j) networkPointField(w, j, kNetDzdx) = 1.0f;
        work[0] = 1.0f;  // the gradients stand as they are
        TRIINT(2, 10, 1);
        TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, w);
        level = 0.4f;
    }

    // The pieces drawn for the level (4.0 in the caller's units) in map units, pieces that
    // continue one another joined into lines.
    std::vector<netlog::Line> lines(int curved)
    {
        capture();
        ADTCON(4.0f, curved, wsize, w);
        std::vector<netlog::Line> out;
        if (curved == 0) {
            for (const netlog::Line& l : netlog::polylines(calls()))
                out.push_back(netlog::toMap(l));
            return out;
        }
        const std::vector<netlog::Curve> pieces = netlog::curves(calls());
        for (size_t i = 0; i < pieces.size(); ++i) {
            const netlog::Curve& c = pieces[i];
            netlog::Line m = netlog::toMap({c.x, c.y});
            // A continued piece repeats the last segment of the one before.
            const netlog::Curve* before = i > 0 ? &pieces[i - 1] : nullptr;
            if (before != nullptr && c.start == -1 && c.x.size() > 2 &&
                c.x[0] == before->x[before->x.size() - 2] &&
                c.y[0] == before->y[before->y.size() - 2] && c.x[1] == before->x.back() &&
                c.y[1] == before->y.back()) {
                out.back().x.insert(out.back().x.end(), m.x.begin() + 2, m.x.end());
                out.back().y.insert(out.back().y.end(), m.y.begin() + 2, m.y.end());
            } else {
                out.push_back(m);
            }
        }
        return out;
    }

    // The two crossings of the dipping edge, in map units.
    void dipCrossings(float& x1, float& y1, float& x2, float& y2)
    {
        int roots = 0;
        surfaceEdgeCubicCrossings(t, k, level, 0.0f, 0.0f, roots, x1, y1, x2, y2, w);
        ASSERT_EQ(roots, 2);
        const NetworkLayout& n = surfaceState.network;
        x1 = n.xmin + x1 * n.xrange;
        x2 = n.xmin + x2 * n.xrange;
        y1 = n.ymin + y1 * n.yrange;
        y2 = n.ymin + y2 * n.yrange;
    }

    static int timesVisited(const netlog::Line& l, float x, float y)
    {
        int n = 0;
        for (size_t i = 0; i < l.x.size(); ++i) {
            if (std::fabs(l.x[i] - x) < 2e-3f && std::fabs(l.y[i] - y) < 2e-3f) ++n;
        }
        return n;
    }

    // The triangle that holds map point (x, y), 0 for none.
    int triangleAt(float x, float y) const
    {
        const NetworkLayout& n = surfaceState.network;
        const float u = (x - n.xmin) / n.xrange, v = (y - n.ymin) / n.yrange;
        for (int s = 1; s <= triangleCount(); ++s) {
            const NetworkTriangle tri = surfaceNetworkTriangle(work.data(), s);
            bool inside = true;
            for (int e = 0; e < 3; ++e) {
                const int f = (e + 1) % 3;
                const double c = (static_cast<double>(tri.x[f]) - tri.x[e]) * (v - tri.y[e]) -
                    (static_cast<double>(tri.y[f]) - tri.y[e]) * (u - tri.x[e]);
                inside = inside && c > 1e-6;
            }
            if (inside) return s;
        }
        return 0;
    }
};

TEST_F(DippingEdge, TheLineFollowsTheDipAcrossTheEdgeUsingEachCrossingOnce)
{
    // Straight lines cross edges where their ends lie on either side: one line up the plane,
    // clear of the edge x = 5.
    const std::vector<netlog::Line> straight = lines(0);
    ASSERT_EQ(straight.size(), 1u);
    for (const float x : straight[0].x) EXPECT_LT(x, 5.0f);

    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    dipCrossings(x1, y1, x2, y2);
    EXPECT_FLOAT_EQ(x1, 5.0f);
    EXPECT_FLOAT_EQ(x2, 5.0f);
    const std::vector<netlog::Line> curved = lines(1);
    // Still one line, from the hull at the bottom to the hull at the top, which now takes in
    // both crossings of the dipping edge, once each.
    ASSERT_EQ(curved.size(), 1u);
    const netlog::Line& l = curved[0];
    EXPECT_NEAR(std::min(l.y.front(), l.y.back()), 0.0f, 1e-3f);
    EXPECT_NEAR(std::max(l.y.front(), l.y.back()), 10.0f, 1e-3f);
    EXPECT_EQ(timesVisited(l, x1, y1), 1);
    EXPECT_EQ(timesVisited(l, x2, y2), 1);
    float most = 0.0f;
    for (size_t i = 0; i < l.x.size(); ++i) {
        most = std::max(most, l.x[i]);
        float z = 0, gx = 0, gy = 0;
        TRIHGT(l.x[i], l.y[i], z, gx, gy, wsize, w);
        EXPECT_NEAR(z, 4.0f, 0.02f) << l.x[i] << " " << l.y[i];
    }
    EXPECT_GT(most, 5.0f);  // into the triangle beyond the edge
    for (int s = 1; s <= triangleCount(); ++s) EXPECT_EQ(mark(s), 0.0f);
    EXPECT_TRUE(reported().empty());
}

TEST_F(DippingEdge, TheLineEntersTheTrianglesOnEitherSideOfTheDipAgain)
{
    // Coming up on the left, the line passes into the triangle on the right through the dip's
    // lower crossing, turns in the triangles beyond and comes back through both triangles
    // beside the edge again, leaving the left one through the dip's upper crossing: each of
    // them is entered twice, the right one between the two visits of the left one.
    const std::vector<netlog::Line> curved = lines(1);
    ASSERT_EQ(curved.size(), 1u);
    const netlog::Line& l = curved[0];
    std::vector<int> way;
    for (size_t i = 0; i < l.x.size(); ++i) {
        const int s = triangleAt(l.x[i], l.y[i]);
        if (s != 0 && (way.empty() || way.back() != s)) way.push_back(s);
    }
    EXPECT_EQ(std::count(way.begin(), way.end(), t), 2);
    ASSERT_EQ(std::count(way.begin(), way.end(), nb), 2);
    const auto first = std::find(way.begin(), way.end(), nb);
    const auto second = std::find(first + 1, way.end(), nb);
    EXPECT_EQ(std::count(first, second, t), 2);
}

TEST_F(NetworkTracing, CurvedLinesOfAScatteredNetworkStayInsideItsHull)
{
    // Scattered points leave long, thin triangles along the hull, where the curved surface can
    // swing far between two crossings.
    auto wavy = [](float x, float y) {
        return 40.0f + 12.0f * std::sin(0.8f * x) * std::cos(0.6f * y) + 3.0f * y;
    };
    std::mt19937 rng(2024);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    std::vector<NetPoint> pts;
    for (int i = 0; i < 150; ++i) {
        const float x = 10.0f * u(rng), y = 7.0f * u(rng);
        pts.push_back({x, y, wavy(x, y)});
    }
    build(pts);
    capture();
    DRATRI(0.0f, 10.0f, 0.0f, 7.0f, 12, 1, wsize, work.data());
    const std::vector<netlog::Curve> curves = netlog::curves(calls());
    ASSERT_GT(curves.size(), 20u);
    const std::vector<NetPoint> hull = convexHull(pts);
    double longest = 0.0;
    for (const netlog::Curve& c : curves) {
        for (size_t i = 0; i < c.x.size(); ++i) {
            ASSERT_TRUE(insideHull(hull, netlog::mapX(c.x[i]), netlog::mapY(c.y[i])));
            if (i > 0)
                longest = std::max(longest,
                                   std::hypot(static_cast<double>(c.x[i]) - c.x[i - 1],
                                              static_cast<double>(c.y[i]) - c.y[i - 1]));
        }
    }
    // No long chord for a smooth curve to swing out on: a tenth of the map's width at most.
    EXPECT_LT(longest, 0.1 * surfaceState.map.mapWidth);
}

TEST_F(NetworkTracing, WildGradientsTraceEveryStretchOnceInsideTheHullAndLeaveNoMarks)
{
    // Vertex gradients far steeper than the heights: every edge curve swings through many
    // levels, with dips on most edges and several crossings per triangle.
    std::vector<NetPoint> pts = randomPoints(60, 7, quadraticZ);
    build(pts);
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> g(-8.0f, 8.0f);
    for (int j = 1; j <= pointCount(); ++j) {
        networkPointField(work.data(), j, kNetDzdx) = g(rng);
        networkPointField(work.data(), j, kNetDzdy) = g(rng);
    }
    work[0] = 1.0f;
    TRIINT(2, 10, 1);
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    const std::vector<NetPoint> hull = convexHull(pts);
    const NetworkLayout& n = surfaceState.network;
    for (int i = 0; i <= 20; ++i) {
        capture();
        ADTCON(n.zmin + n.zrange * static_cast<float>(i) / 20.0f, 1, wsize, work.data());
        // Points of the level, leaving out the ends that pieces and closed lines share.
        std::map<std::pair<long, long>, int> seen;
        for (const netlog::Curve& c : netlog::curves(calls())) {
            for (size_t k = 0; k < c.x.size(); ++k) {
                if (k >= 2 && k + 1 < c.x.size())
                    seen[{std::lround(c.x[k] * 100), std::lround(c.y[k] * 100)}]++;
                ASSERT_TRUE(std::isfinite(c.x[k]) && std::isfinite(c.y[k]));
                ASSERT_TRUE(insideHull(hull, netlog::mapX(c.x[k]), netlog::mapY(c.y[k])));
            }
        }
        int twice = 0;
        for (auto& e : seen) twice += e.second > 1;
        EXPECT_EQ(twice, 0) << "level " << i;  // no crossing is traced twice
        for (int t = 1; t <= triangleCount(); ++t) ASSERT_EQ(mark(t), 0.0f);
    }
    EXPECT_TRUE(guardsIntact());
}
