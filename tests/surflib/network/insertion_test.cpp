// Tests of extending a network: points added by kind, on edges, outside the hull, into a full
// table; regions whose edges become network edges and whose triangles are marked.
#include "network_fixture.h"

namespace {

class InsertionTest : public NetworkTest {
protected:
    float spotHeight(float x, float y)
    {
        float h = 0, gx = 0, gy = 0;
        TRIHGT(x, y, h, gx, gy, wsize, work.data());
        return h;
    }
    // Number of triangles that have point j as a vertex.
    int triangleDegree(int j) const
    {
        int d = 0;
        for (int t = 1; t <= triangleCount(); ++t) {
            for (int k = 1; k <= 3; ++k) d += vertex(t, k) == j;
        }
        return d;
    }
    // Triangles with corners strictly on both sides of the rectangle's border.
    int straddling(float x0, float x1, float y0, float y1) const
    {
        int count = 0;
        for (int t = 1; t <= triangleCount(); ++t) {
            bool in = false, out = false;
            for (int k = 1; k <= 3; ++k) {
                const NetPoint p = point(vertex(t, k));
                const float e = 1e-4f;
                if (p.x > x0 + e && p.x < x1 - e && p.y > y0 + e && p.y < y1 - e) in = true;
                if (p.x < x0 - e || p.x > x1 + e || p.y < y0 - e || p.y > y1 + e) out = true;
            }
            count += in && out;
        }
        return count;
    }
    // Whether the centroid of t lies in the rectangle.
    bool centroidIn(int t, float x0, float x1, float y0, float y1) const
    {
        float cx = 0, cy = 0;
        for (int k = 1; k <= 3; ++k) {
            cx += point(vertex(t, k)).x / 3.0f;
            cy += point(vertex(t, k)).y / 3.0f;
        }
        return cx > x0 && cx < x1 && cy > y0 && cy < y1;
    }
    void region(const std::vector<std::pair<float, float>>& corners, int regionKind, int kind = 1)
    {
        std::vector<float> x, y, z, g;
        for (const auto& [cx, cy] : corners) {
            x.push_back(cx);
            y.push_back(cy);
            z.push_back(planeZ(cx, cy));
            g.push_back(0.0f);
        }
        TRIREG(kind, static_cast<int>(x.size()), x.data(), y.data(), z.data(), g.data(), g.data(),
               regionKind, wsize, work.data());
    }
};

TEST_F(InsertionTest, InterpolatedPointTakesTheNetworksHeightAndIsNoData)
{
    build(randomPoints(40, 6, quadraticZ), 40);
    const float before = spotHeight(4.4f, 5.6f);
    const int n = pointCount();
    tarv::errorLogClear();
    TRIADD(0, 4.4f, 5.6f, 1000.0f, 0, 0, wsize, work.data());
    EXPECT_TRUE(reported().empty());
    ASSERT_EQ(pointCount(), n + 1);
    EXPECT_NEAR(point(n + 1).z, before, 1e-4f);  // z argument not read
    // listed in the bucket index with a negative number
    int entry = 0;
    for (int m = 1; m <= n + 1; ++m) {
        const int e = networkIndex(networkPointField(work.data(), m, kNetBucketList));
        if (std::abs(e) == n + 1) entry = e;
    }
    EXPECT_EQ(entry, -(n + 1));
    EXPECT_EQ(structureFault(), "");
    EXPECT_EQ(delaunayViolations(), 0);
}

TEST_F(InsertionTest, GivenHeightsAndDerivativesAreKept)
{
    build(randomPoints(40, 6, planeZ), 40);
    struct Case {
        int kind;
        float z, dx, dy;
        bool derivativesKept;
    };
    const Case cases[] = {
        {1, 50.0f, 7.0f, 8.0f, false}, {2, -20.0f, 7.0f, 8.0f, true}, {9, 0.0f, 0, 0, false}};
    float x = 3.3f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        tarv::errorLogClear();
        TRIADD(c.kind, x, 6.1f, c.z, c.dx, c.dy, wsize, work.data());
        float h = 0, gx = 0, gy = 0;
        TRIHGT(x, 6.1f, h, gx, gy, wsize, work.data());
        if (c.kind == 9) {
            EXPECT_EQ(reported(), std::vector<int>{asReported(kBadSwitch)});  // taken as kind 0
            EXPECT_NEAR(h, planeZ(x, 6.1f), 1e-3f);
        } else {
            EXPECT_TRUE(reported().empty());
            EXPECT_NEAR(h, c.z, 1e-3f);
        }
        if (c.derivativesKept) {
            EXPECT_NEAR(gx, c.dx, 1e-3f);
            EXPECT_NEAR(gy, c.dy, 1e-3f);
        }
        x += 1.5f;
    }
    EXPECT_EQ(structureFault(), "");
}

TEST_F(InsertionTest, PointsOnEdgesSplitTheTrianglesBesideThem)
{
    std::vector<NetPoint> pts;
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) pts.push_back({float(i), float(j), float(i + 2 * j)});
    }
    build(pts, 10);
    TRIINT(2, 7, 1);  // fewer fit neighbours than the nine points
    const int t0 = triangleCount();
    // the middle of an inner edge of the grid: two triangles become four
    TRIADD(1, 1.0f, 0.5f, 5.0f, 0, 0, wsize, work.data());
    EXPECT_EQ(triangleCount(), t0 + 2);
    EXPECT_GE(triangleDegree(pointCount()), 4);
    // the middle of a hull edge: one becomes two, and the point joins the hull
    TRIADD(1, 0.5f, 0.0f, 5.0f, 0, 0, wsize, work.data());
    EXPECT_EQ(triangleCount(), t0 + 3);
    EXPECT_GE(triangleDegree(pointCount()), 2);
    EXPECT_NE(networkIndex(networkPointField(work.data(), pointCount(), kNetHullNext)), 0);
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(structureFault(), "");
}

TEST_F(InsertionTest, PointOutsideExtendsTheHull)
{
    build(octagonWithCentre(), 10);
    TRIINT(2, 7, 1);
    TRIADD(1, 12.0f, 5.0f, 3.0f, 0, 0, wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kOutsideNetwork)});
    EXPECT_EQ(tarv::errorLog()[0].routine, "krAddNetworkPoint(TRIADD)");
    EXPECT_EQ(structureFault(), "");
    EXPECT_EQ(delaunayViolations(), 0);
    std::vector<float> x(20), y(20);
    int n = 20;
    TRIBOU(n, 0, x.data(), y.data(), wsize, work.data());
    EXPECT_NE(std::find(x.begin(), x.begin() + n, 12.0f), x.begin() + n);
}

TEST_F(InsertionTest, ExistingVertexAndFullTableAddNothing)
{
    const std::vector<NetPoint> pts = octagonWithCentre();
    build(pts, 1);  // room for one more point
    TRIINT(2, 7, 1);
    const int t0 = triangleCount();
    TRIADD(1, 5.0f, 5.0f, 1.0f, 0, 0, wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kDuplicatePoints)});
    EXPECT_EQ(pointCount(), 9);
    EXPECT_EQ(triangleCount(), t0);
    tarv::errorLogClear();
    TRIADD(1, 6.0f, 5.0f, 1.0f, 0, 0, wsize, work.data());
    TRIADD(1, 4.0f, 5.0f, 1.0f, 0, 0, wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
    EXPECT_EQ(pointCount(), 10);
    EXPECT_EQ(structureFault(), "");
    EXPECT_TRUE(guardsIntact());
}

TEST_F(InsertionTest, FitWithFewerDataPointsThanNeighboursAsked)
{
    // Nine data points and six interpolated ones: the fit asks for eleven data points where
    // only nine exist, and takes the nine.
    std::vector<NetPoint> pts = octagonWithCentre();
    for (NetPoint& p : pts) p.z = planeZ(p.x, p.y);
    build(pts, 10);
    TRIINT(1, 10, 1);
    const float added[][2] = {{4.0f, 4.5f}, {6.0f, 4.5f}, {5.0f, 6.0f},
                              {4.5f, 3.0f}, {6.5f, 6.0f}, {3.0f, 5.5f}};
    for (const auto& a : added) TRIADD(0, a[0], a[1], 0.0f, 0, 0, wsize, work.data());
    ASSERT_EQ(pointCount(), 15);
    tarv::errorLogClear();
    EXPECT_NEAR(spotHeight(5.5f, 5.2f), planeZ(5.5f, 5.2f), 1e-3f);
    EXPECT_TRUE(reported().empty());
}

TEST_F(InsertionTest, ManyAddedPointsKeepTheNetworkDelaunay)
{
    build(randomPoints(30, 40, planeZ), 200);
    const std::vector<NetPoint> more = randomPoints(150, 41, planeZ);
    for (size_t i = 0; i < more.size(); ++i) {
        TRIADD(static_cast<int>(i % 2), more[i].x * 1.1f - 0.5f, more[i].y * 1.1f - 0.5f, more[i].z,
               0, 0, wsize, work.data());
    }
    EXPECT_EQ(structureFault(), "");
    EXPECT_EQ(delaunayViolations(), 0);
    EXPECT_TRUE(guardsIntact());
    EXPECT_GT(pointCount(), 170);
}

// A point added very far out makes hull triangles so large that the locate, with its
// tolerance relative to a triangle's size, takes points well beside them as lying on their
// edges; no split or swap may turn a triangle over for that.
TEST_F(InsertionTest, PointFarOutsideLeavesEveryTriangleCounterClockwise)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        build(randomPoints(15, seed, planeZ), 60);
        TRIADD(1, 4.0f, -1e30f, 1.0f, 0, 0, wsize, work.data());
        for (const NetPoint& p : randomPoints(40, seed + 1000, planeZ)) {
            TRIADD(1, p.x, p.y, p.z, 0, 0, wsize, work.data());
        }
        EXPECT_EQ(structureFault(), "") << "seed " << seed;
        EXPECT_TRUE(guardsIntact());
    }
}

TEST_F(InsertionTest, RegionEdgesBecomeNetworkEdgesAndItsTrianglesAreMarked)
{
    build(randomPoints(120, 50, planeZ), 200);
    const float x0 = 3.05f, x1 = 6.95f, y0 = 2.9f, y1 = 7.1f;
    ASSERT_GT(straddling(x0, x1, y0, y1), 0);
    region({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, 0);
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(straddling(x0, x1, y0, y1), 0);
    EXPECT_EQ(structureFault(), "");     // neighbour entries signed like their triangles
    EXPECT_EQ(delaunayViolations(), 0);  // swaps made everywhere but across the region's edges
    int inside = 0;
    for (int t = 1; t <= triangleCount(); ++t) {
        const bool in = centroidIn(t, x0, x1, y0, y1);
        inside += in;
        EXPECT_EQ(mark(t), in ? kRegionMark : 0.0f) << "triangle " << t;
    }
    EXPECT_GT(inside, 10);
    // the heights along the region's edges are those given (here on the plane)
    EXPECT_NEAR(spotHeight(5.0f, y0), planeZ(5.0f, y0), 1e-3f);

    // points added later split marked triangles into marked ones, and the region's edges stay
    TRIADD(1, 5.0f, 5.0f, 0.0f, 0, 0, wsize, work.data());
    TRIADD(1, 3.2f, 5.0f, 0.0f, 0, 0, wsize, work.data());
    TRIADD(1, 2.9f, 5.0f, 0.0f, 0, 0, wsize, work.data());
    EXPECT_EQ(straddling(x0, x1, y0, y1), 0);
    for (int t = 1; t <= triangleCount(); ++t) {
        EXPECT_EQ(mark(t) < 0.0f, centroidIn(t, x0, x1, y0, y1)) << "triangle " << t;
    }
    EXPECT_EQ(structureFault(), "");

    // the drawing leaves the marked triangles out
    layOutNetworkMap();
    capture();
    TRINET(0, wsize, work.data());
    int unmarked = 0;
    for (int t = 1; t <= triangleCount(); ++t) unmarked += mark(t) >= -1.0f;
    EXPECT_EQ(static_cast<int>(only(calls(), "kernelDrawLineTo").size()), 3 * unmarked);
}

TEST_F(InsertionTest, RegionReachingOutsideTheNetworkExtendsIt)
{
    build(randomPoints(80, 52, planeZ), 100);
    const float x0 = 7.0f, x1 = 12.0f, y0 = 6.5f, y1 = 11.0f;
    region({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, 0);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kOutsideNetwork)});
    EXPECT_EQ(structureFault(), "");
    EXPECT_EQ(straddling(x0, x1, y0, y1), 0);
    for (int t = 1; t <= triangleCount(); ++t) {
        EXPECT_EQ(mark(t) < 0.0f, centroidIn(t, x0, x1, y0, y1)) << "triangle " << t;
    }
}

TEST_F(InsertionTest, RegionVariantsMarkTheSameTriangles)
{
    const std::vector<NetPoint> pts = randomPoints(80, 60, planeZ);
    const std::vector<std::pair<float, float>> ccw{{2.5f, 2.5f}, {7.5f, 3.0f}, {6.0f, 7.0f}};
    auto markedCount = [&] {
        int count = 0;
        for (int t = 1; t <= triangleCount(); ++t) count += mark(t) < 0.0f;
        return count;
    };
    build(pts, 100);
    region(ccw, 0);
    const std::set<std::vector<long>> plain = triangleSet();
    const int marked = markedCount();
    ASSERT_GT(marked, 0);

    // clockwise (warned), with the first point repeated at the end, and the outside marked:
    // the same network, the same or the complementary marks
    const std::vector<std::pair<float, float>> cw(ccw.rbegin(), ccw.rend());
    std::vector<std::pair<float, float>> closed = ccw;
    closed.push_back(ccw.front());
    struct Variant {
        std::vector<std::pair<float, float>> poly;
        int kind;
        std::vector<int> errors;
        bool inverted;
    };
    const Variant variants[] = {{cw, 0, {asReported(kClockwiseRegion)}, false},
                                {closed, 1, {}, false},
                                {ccw, 2, {}, true},
                                {ccw, 7, {asReported(kBadSwitch)}, true}};
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.kind);
        build(pts, 100);
        tarv::errorLogClear();
        region(v.poly, v.kind);
        EXPECT_EQ(reported(), v.errors);
        EXPECT_EQ(structureFault(), "");
        EXPECT_EQ(triangleSet(), plain);
        EXPECT_EQ(markedCount(), v.inverted ? triangleCount() - marked : marked);
    }
}

TEST_F(InsertionTest, RegionsThatAreNoSimplePolygonAreRefused)
{
    build(randomPoints(60, 70, planeZ), 50);
    const std::vector<float> saved = work;
    const int t0 = triangleCount();
    const long long from = surfaceState.network.triangleStart - 1,
                    to = surfaceState.network.spareStart - 1;
    region({{2, 2}, {8, 8}, {8, 2}, {2, 8}}, 0);  // a figure of eight
    EXPECT_EQ(reported(), std::vector<int>{asReported(kNotSimpleRegion)});
    EXPECT_EQ(tarv::errorLog()[0].routine, "krAddNetworkRegion(TRIREG)");
    EXPECT_EQ(triangleCount(), t0);
    tarv::errorLogClear();
    region({{2, 2}, {8, 8}, {2, 2}, {8, 8}}, 0);  // edges of no length
    EXPECT_EQ(reported(), std::vector<int>{asReported(kNotSimpleRegion)});
    tarv::errorLogClear();
    // a five-pointed star drawn clockwise turns twice: warned as clockwise, then refused
    std::vector<std::pair<float, float>> star;
    for (int i = 0; i < 5; ++i) {
        const double a = 1.5707963 - i * 2.5132741;
        star.emplace_back(static_cast<float>(5.0 + 3.0 * std::cos(a)),
                          static_cast<float>(5.0 + 3.0 * std::sin(a)));
    }
    region(star, 0);
    EXPECT_EQ(reported(),
              (std::vector<int>{asReported(kClockwiseRegion), asReported(kNotSimpleRegion)}));
    tarv::errorLogClear();
    region({{2, 2}, {8, 8}}, 0);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kTooFewNetworkPoints)});
    // the triangle table is as it was
    EXPECT_TRUE(std::equal(saved.begin() + from, saved.begin() + to, work.begin() + from));
}

}  // namespace
