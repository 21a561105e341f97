// Tests of building networks: known triangulations, the Delaunay condition on random sets,
// degenerate point sets, duplicates, the workspace size, the header words and the point order.
#include <random>

#include "network_fixture.h"

namespace {

using BuildTest = NetworkTest;

TEST_F(BuildTest, OctagonWithCentreIsTheFanAroundTheCentre)
{
    build(octagonWithCentre());
    EXPECT_TRUE(reported().empty());
    ASSERT_EQ(triangleCount(), 8);
    EXPECT_EQ(structureFault(), "");
    for (int t = 1; t <= 8; ++t) {
        int centre = 0;
        for (int k = 1; k <= 3; ++k) {
            const NetPoint p = point(vertex(t, k));
            if (std::fabs(p.x - 5.0f) < 1e-4f && std::fabs(p.y - 5.0f) < 1e-4f) ++centre;
        }
        EXPECT_EQ(centre, 1) << "triangle " << t;
    }
    // the header: network built, nothing else yet
    EXPECT_EQ(header(1), 0.0f);
    EXPECT_EQ(header(2), 0.0f);
    EXPECT_EQ(header(3), 1.0f);
    EXPECT_EQ(header(4), 0.0f);
}

TEST_F(BuildTest, GridOfPointsGivesTwoTrianglesPerCellWithPointsOnTheHullEdges)
{
    // 4 by 3 points on a unit grid: every cell splits into two triangles of area 1/2, and the
    // collinear points along the border are hull points.
    std::vector<NetPoint> pts;
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 4; ++i) pts.push_back({float(i), float(j), float(i * j)});
    }
    build(pts);
    ASSERT_EQ(triangleCount(), 12);
    EXPECT_EQ(structureFault(), "");
    EXPECT_EQ(delaunayViolations(), 0);
    const NetworkLayout& n = surfaceState.network;
    for (int t = 1; t <= 12; ++t) {
        EXPECT_NEAR(signedArea(t) * n.xrange * n.yrange, 0.5, 1e-5) << "triangle " << t;
    }
}

float wavy(float x, float y) { return std::sin(x) * std::cos(y); }

TEST_F(BuildTest, RandomSetsAreDelaunay)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        tarv::errorLogClear();
        build(randomPoints(300, seed, wavy));
        EXPECT_TRUE(reported().empty());
        EXPECT_EQ(pointCount(), 300);
        EXPECT_EQ(structureFault(), "");
        EXPECT_EQ(delaunayViolations(), 0);
        EXPECT_TRUE(guardsIntact());
    }
}

TEST_F(BuildTest, ClusteredAndNearlyCollinearPointsStayValid)
{
    // Points on a few lines (equal x within a column, equal y within a row) plus points nearly
    // on the lines, the cases where the sweep meets points on the hull's edges.
    std::vector<NetPoint> pts;
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) pts.push_back({float(i), float(j) * 0.5f, float(i + j)});
    }
    pts.push_back({6.0f, 1.25f, 0.0f});
    pts.push_back({6.0f, 0.0f, 1.0f});
    pts.push_back({6.0f + 1e-7f, 2.5f, 2.0f});
    pts.push_back({2.5f, -1e-6f, 3.0f});
    build(pts);
    EXPECT_EQ(structureFault(), "");
    EXPECT_EQ(delaunayViolations(), 0);
}

TEST_F(BuildTest, FirstThreeCollinearBringTheFirstPointOffTheLineForward)
{
    std::vector<NetPoint> pts{{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3},
                              {4, 2, 4}, {5, 1, 5}, {6, 3, 6}, {7, 0, 7}};
    build(pts);
    ASSERT_EQ(surfaceState.network.networkBuilt, -1);
    // rows: 1, 2, then the first point off their line, then the rest in x order
    const float expected[] = {0, 1, 4, 2, 3, 5, 6, 7};
    for (int j = 1; j <= 8; ++j) EXPECT_NEAR(point(j).x, expected[j - 1], 1e-5) << "row " << j;
    EXPECT_EQ(structureFault(), "");
}

TEST_F(BuildTest, EqualXIsOrderedByY)
{
    std::vector<NetPoint> pts{{2, 3, 0}, {2, 1, 1}, {0, 5, 2}, {2, 2, 3},
                              {1, 0, 4}, {3, 1, 5}, {0, 1, 6}, {3, 0, 7}};
    build(pts);
    // Row 1 is the leftmost (lowest y among equal x); the triangle search may bring a point
    // forward to row 3, so the order is read over the rows that were not moved.
    EXPECT_NEAR(point(1).x, 0.0f, 1e-6);
    EXPECT_NEAR(point(1).y, 1.0f, 1e-6);
    for (int j = 4; j < 8; ++j) {
        const NetPoint a = point(j), b = point(j + 1);
        EXPECT_TRUE(a.x < b.x || (a.x == b.x && a.y < b.y)) << "rows " << j << ", " << j + 1;
    }
    EXPECT_EQ(structureFault(), "");
}

TEST_F(BuildTest, XWithinTheToleranceIsOrderedByYWhateverTheSmallerX)
{
    // Pairs whose x differ by less than eps (normalised) come in y order, also when the
    // point with the larger y has the smaller x; several such pairs in a row stay so.
    // (With an odd and an even number of points, since passes that undo each other would
    // leave one of the two in the wrong order.)
    for (int extra = 0; extra < 2; ++extra) {
        std::vector<NetPoint> pts{{0, 0, 0}, {10, 10, 1}, {0, 10, 2}, {10, 0, 3}};
        if (extra != 0) pts.push_back({1.0f, 9.0f, 2.0f});
        for (int k = 0; k < 6; ++k) {
            const float x = 2.0f + k;
            pts.push_back({x, 5.0f, 4.0f + k});
            pts.push_back({x + 2e-6f, 4.0f, 5.0f + k});
        }
        build(pts);
        for (int j = 4; j < pointCount(); ++j) {
            const NetPoint a = point(j), b = point(j + 1);
            if (std::fabs(a.x - b.x) < 1e-4f) {
                EXPECT_LT(a.y, b.y) << "rows " << j << ", " << j + 1;
            }
        }
        EXPECT_EQ(structureFault(), "");
        EXPECT_EQ(delaunayViolations(), 0);
    }
}

TEST_F(BuildTest, PointsTheSweepCannotPlaceFromTheHullAreLocated)
{
    // 20000 random floats over [-3, 3]: among them points within the x tolerance of the one
    // before them that see no hull edge, which the sweep places by the locate's scan of the
    // table.  Every point is placed, and the network stays Delaunay.
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> u(-3.0f, 3.0f);
    std::vector<NetPoint> pts;
    for (int i = 0; i < 20000; ++i) {
        const float x = u(rng), y = u(rng);
        pts.push_back({x, y, wavy(x, y)});
    }
    tarv::errorLogClear();
    build(pts);
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(pointCount(), 20000);
    EXPECT_EQ(structureFault(), "");
    EXPECT_EQ(delaunayViolations(), 0);
    EXPECT_TRUE(guardsIntact());
}

TEST_F(BuildTest, DegeneratePointSetsBuildNothing)
{
    struct Case {
        const char* what;
        std::vector<NetPoint> pts;
        int error;
    };
    const float nan = NAN, big = 3e38f;
    // Eight points of a good network with the first two put elsewhere.
    const auto withFirstTwo = [](NetPoint a, NetPoint b) {
        return std::vector<NetPoint>{a,         b,         {0, 1, 2}, {1, 1, 3},
                                     {2, 0, 4}, {2, 1, 5}, {0, 2, 6}, {2, 2, 7}};
    };
    const std::vector<Case> cases{
        {"no points", {}, asReported(kTooFewNetworkPoints)},
        {"two points", {{0, 0, 0}, {1, 1, 1}}, asReported(kTooFewNetworkPoints)},
        {"seven points",
         {{0, 0, 0}, {1, 0, 1}, {0, 1, 2}, {1, 1, 3}, {2, 0, 4}, {2, 1, 5}, {0, 2, 6}},
         asReported(kTooFewNetworkPoints)},
        {"all on one slanted line",
         {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}, {6, 6, 6}, {7, 7, 7}},
         asReported(kCollinear)},
        {"all with one x",
         {{1, 0, 0}, {1, 1, 1}, {1, 2, 2}, {1, 3, 3}, {1, 4, 4}, {1, 5, 5}, {1, 6, 6}, {1, 7, 7}},
         asReported(kCollinear)},
        {"one point eight times",
         {{1, 1, 0}, {1, 1, 1}, {1, 1, 2}, {1, 1, 3}, {1, 1, 4}, {1, 1, 5}, {1, 1, 6}, {1, 1, 7}},
         asReported(kCollinear)},
        {"flat heights",
         {{0, 0, 1}, {1, 0, 1}, {0, 1, 1}, {1, 1, 1}, {2, 0, 1}, {2, 1, 1}, {0, 2, 1}, {2, 2, 1}},
         asReported(kFlatData)},
        {"a coordinate not a number",
         {{0, 0, 0}, {1, 0, 1}, {0, nan, 2}, {1, 1, 3}, {2, 0, 4}, {2, 1, 5}, {0, 2, 6}, {2, 2, 7}},
         asReported(kNotANumber)},
        {"a height not a number",
         {{0, 0, 0}, {1, 0, 1}, {0, 1, nan}, {1, 1, 3}, {2, 0, 4}, {2, 1, 5}, {0, 2, 6}, {2, 2, 7}},
         asReported(kNotANumber)},
        // Spans wider than the largest real: not every height the same, but no unit to work in.
        {"heights spanning more than the reals", withFirstTwo({0, 0, -big}, {1, 0, big}),
         asReported(kSpanBeyondReals)},
        {"x spanning more than the reals", withFirstTwo({-big, 0, 0}, {big, 0, 1}),
         asReported(kSpanBeyondReals)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tarv::errorLogClear();
        build(c.pts);
        std::vector<int> errors = reported();
        errors.erase(std::remove(errors.begin(), errors.end(), asReported(kDuplicatePoints)),
                     errors.end());
        EXPECT_EQ(errors, std::vector<int>{c.error});
        for (int w = 1; w <= 4; ++w) EXPECT_EQ(header(w), 0.0f);
        EXPECT_EQ(surfaceState.network.storedSize, 0);
        EXPECT_TRUE(guardsIntact());
        ASSERT_FALSE(tarv::errorLog().empty());
        EXPECT_EQ(tarv::errorLog().back().routine, "krGenerateRandomNetwork(RANTRI)");
    }
}

TEST_F(BuildTest, WorkspaceSizeForNPoints)
{
    const std::vector<NetPoint> pts = octagonWithCentre();
    std::vector<float> x, y, z;
    for (const NetPoint& p : pts) {
        x.push_back(p.x);
        y.push_back(p.y);
        z.push_back(p.z);
    }
    const int n = 9;
    // one word short: error 3, nothing written past the array
    makeWorkspace(sizeFor(n) - 1);
    RANTRI(n, x.data(), y.data(), z.data(), wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
    EXPECT_EQ(header(3), 0.0f);
    EXPECT_TRUE(guardsIntact());
    // the smallest workspace
    tarv::errorLogClear();
    makeWorkspace(sizeFor(n));
    RANTRI(n, x.data(), y.data(), z.data(), wsize, work.data());
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(header(3), 1.0f);
    EXPECT_EQ(surfaceState.network.capacity, n + 1);
    EXPECT_EQ(surfaceState.network.triangleStart, 12 * (n + 1) + 100);
    EXPECT_TRUE(guardsIntact());
    // sizes no network fits in at all
    for (int size : {0, 50, 136}) {
        tarv::errorLogClear();
        makeWorkspace(size);
        RANTRI(n, x.data(), y.data(), z.data(), wsize, work.data());
        EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)}) << size;
        EXPECT_TRUE(guardsIntact());
    }
}

TEST_F(BuildTest, DuplicatesAreDroppedKeepingTheFirst)
{
    std::vector<NetPoint> pts = octagonWithCentre();
    pts.push_back({5.0f + 1e-7f, 5.0f - 1e-7f, 99.0f});  // the centre again, another height
    pts.push_back({pts[3].x, pts[3].y, 42.0f});
    build(pts);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kDuplicatePoints)});
    EXPECT_EQ(tarv::errorLog()[0].routine, "krGenerateRandomNetwork(RANTRI)");
    EXPECT_EQ(pointCount(), 9);
    EXPECT_EQ(triangleCount(), 8);
    EXPECT_EQ(structureFault(), "");
    for (int j = 1; j <= 9; ++j) EXPECT_NE(point(j).z, 99.0f);
}

TEST_F(BuildTest, DerivativesStayWithTheirPointsThroughDuplicatesAndOrdering)
{
    std::vector<NetPoint> pts = randomPoints(20, 7, quadraticZ);
    pts.insert(pts.begin() + 5, pts[2]);  // a duplicate that is dropped
    std::vector<float> x, y, z, gx, gy;
    for (const NetPoint& p : pts) {
        x.push_back(p.x);
        y.push_back(p.y);
        z.push_back(p.z);
        gx.push_back(10.0f * p.x);  // derivatives that name their point
        gy.push_back(-p.y);
    }
    gx[5] = gy[5] = 1e6f;  // the duplicate's own derivatives go with it
    makeWorkspace(sizeFor(40));
    TRIDER(21, x.data(), y.data(), z.data(), gx.data(), gy.data(), wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kDuplicatePoints)});
    EXPECT_EQ(header(2), 1.0f);
    EXPECT_EQ(header(3), 1.0f);
    const NetworkLayout& n = surfaceState.network;
    for (int j = 1; j <= pointCount(); ++j) {
        const NetPoint p = point(j);
        const float dx = networkPointField(work.data(), j, kNetDzdx) * n.zrange / n.xrange;
        const float dy = networkPointField(work.data(), j, kNetDzdy) * n.zrange / n.yrange;
        EXPECT_NEAR(dx, 10.0f * p.x, 1e-3f) << "row " << j;
        EXPECT_NEAR(dy, -p.y, 1e-4f) << "row " << j;
    }
}

TEST_F(BuildTest, TriderOnAShortWorkspaceEndsTheDrawing)
{
    surfaceState.drawing.code = kDrawingNetworkMap;
    const std::vector<NetPoint> pts = octagonWithCentre();
    std::vector<float> x, y, z, g(9, 0.0f);
    for (const NetPoint& p : pts) {
        x.push_back(p.x);
        y.push_back(p.y);
        z.push_back(p.z);
    }
    makeWorkspace(200);
    TRIDER(9, x.data(), y.data(), z.data(), g.data(), g.data(), wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
    EXPECT_EQ(tarv::errorLog()[0].routine, "krGenerateDerivsNetwork(TRIDER)");
    EXPECT_EQ(surfaceState.drawing.code, kDrawingNone);
}

TEST_F(BuildTest, AFailedBuildLeavesNoNetworkBehind)
{
    build(octagonWithCentre());
    ASSERT_EQ(header(3), 1.0f);
    const std::vector<NetPoint> all = octagonWithCentre();
    const std::vector<NetPoint> few(all.begin(), all.begin() + 7);
    std::vector<float> x, y, z;
    for (const NetPoint& p : few) {
        x.push_back(p.x);
        y.push_back(p.y);
        z.push_back(p.z);
    }
    RANTRI(7, x.data(), y.data(), z.data(), wsize, work.data());
    EXPECT_EQ(header(3), 0.0f);
    tarv::errorLogClear();
    float h = 0, gx = 0, gy = 0;
    TRIHGT(5.0f, 5.0f, h, gx, gy, wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kNoNetwork)});
}

}  // namespace
