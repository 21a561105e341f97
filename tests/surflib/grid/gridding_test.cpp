// Tests of scattered-point and function gridding: node values against known functions, the
// point-count, window and workspace rules, the caller's arrays left as they were, and the
// random-point and function contour maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "contour_test_util.h"
#include "plain_map_test.h"
#include "frame/state.h"
#include "grid/gridding.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

struct Points {
    std::vector<float> x, y, z;
};

struct NetXYZ {
    float x, y, z;
};

// n by n points on a slightly irregular lattice over [0, 10] by [0, 20], heights f(x, y).
Points scattered(int n, const std::function<float(float, float)>& f)
{
    Points p;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            const float x =
                10.0f * i / (n - 1) + ((i * 7 + j * 3) % 5 - 2) * 0.01f * (i > 0 && i < n - 1);
            const float y =
                20.0f * j / (n - 1) + ((i * 5 + j) % 3 - 1) * 0.02f * (j > 0 && j < n - 1);
            p.x.push_back(x);
            p.y.push_back(y);
            p.z.push_back(f(x, y));
        }
    }
    return p;
}

class GriddingTest : public PlainMapTest {
protected:
    // RANGRD over the data's own extents onto nx by ny.
    std::vector<float> randomGrid(Points& p, int nx, int ny, float x0, float x1, float y0, float y1)
    {
        std::vector<float> g(static_cast<size_t>(nx) * ny, -999.0f);
        int size = 0;
        const int n = static_cast<int>(p.x.size());
        size = 2 * nx * ny + 4 * n;
        work.assign(size, 0.0f);
        RANGRD(n, p.x.data(), p.y.data(), p.z.data(), nx, x0, x1, ny, y0, y1, g.data(), size,
               work.data());
        return g;
    }

    std::vector<float> work;
};

TEST_F(GriddingTest, PlaneFitReproducesAPlaneAtEveryNode)
{
    auto plane = [](float x, float y) { return 2.0f * x - 0.5f * y + 7.0f; };
    for (int method : {0, 1}) {
        SetUp();
        RANINT(method, 0.1f);
        Points p = scattered(8, plane);
        const std::vector<float> g = randomGrid(p, 6, 5, 0.0f, 10.0f, 0.0f, 20.0f);
        const GridState& gs = surfaceState.grid;
        for (int j = 0; j < 5; ++j) {
            for (int i = 0; i < 6; ++i) {
                const float x = gs.xMin + i * gs.xSpacing, y = gs.yMin + j * gs.ySpacing;
                EXPECT_NEAR(g[j * 6 + i], plane(x, y), 2e-3) << method << " " << i << "," << j;
            }
        }
        EXPECT_TRUE(reported().empty());
    }
}

TEST_F(GriddingTest, WeightedAverageStaysWithinTheDataAndNeverWarns)
{
    RANINT(2, 0.0f);
    auto bowl = [](float x, float y) { return (x - 5) * (x - 5) + 0.25f * (y - 10) * (y - 10); };
    Points p = scattered(9, bowl);
    const std::vector<float> g = randomGrid(p, 11, 11, 0.0f, 10.0f, 0.0f, 20.0f);
    for (float v : g) {
        EXPECT_GE(v, 0.0f);
        EXPECT_LE(v, 50.0f);
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(GriddingTest, FitBelowEveryPointOfItsPatchFallsBackToTheAverageWithOneWarning)
{
    // Two bowls z = d^2 (d measured in grid intervals: 1 in x, 2 in y) with their floors on the
    // nodes (2, 2) and (8, 8) of an 11 by 11 grid over [0, 10] x [0, 20].  The points lie
    // half an interval off the nodes, so the lowest height near a floor is 0.5 while the
    // plane-and-quadratic fit finds the floor itself, 0: both nodes fall outside the band.
    auto bowls = [](float x, float y) {
        const float a = (x - 2) * (x - 2) + 0.25f * (y - 4) * (y - 4);
        const float b = (x - 8) * (x - 8) + 0.25f * (y - 16) * (y - 16);
        return std::min(a, b);
    };
    Points p;
    for (int j = 0; j < 10; ++j) {
        for (int i = 0; i < 10; ++i) {
            p.x.push_back(0.5f + i);
            p.y.push_back(1.0f + 2.0f * j);
        }
    }
    for (const float cx : {0.0f, 10.0f}) {  // the window's corners bound the data
        for (const float cy : {0.0f, 20.0f}) {
            p.x.push_back(cx);
            p.y.push_back(cy);
        }
    }
    for (size_t k = 0; k < p.x.size(); ++k) p.z.push_back(bowls(p.x[k], p.y[k]));
    const int floors[2] = {2 * 11 + 2, 8 * 11 + 8};

    Points fitted = p;
    RANINT(1, 0.0f);  // the fit alone, whatever it gives
    std::vector<float> g = randomGrid(fitted, 11, 11, 0.0f, 10.0f, 0.0f, 20.0f);
    ASSERT_TRUE(reported().empty());
    for (const int node : floors) EXPECT_NEAR(g[node], 0.0f, 1e-3f);

    Points banded = p;
    RANINT(0, 0.0f);
    g = randomGrid(banded, 11, 11, 0.0f, 10.0f, 0.0f, 20.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFitOutsideBand)}));  // once for the grid
    for (const int node : floors) {
        EXPECT_GE(g[node], 0.5f);  // a weighted average of the patch
        EXPECT_LT(g[node], 4.0f);
    }
    EXPECT_NEAR(g[2 * 11 + 3], 1.0f, 1e-3f);  // beside a floor the fit is exact and kept
}

TEST_F(GriddingTest, PointOnANodeGivesItsOwnHeightAndFlatDataAConstantGrid)
{
    auto wave = [](float x, float y) { return std::sin(x) * std::cos(0.3f * y) * 10.0f; };
    Points p = scattered(7, wave);
    // (5, 10) is both a data point (the middle of the lattice) and a node of a 3 by 3 grid.
    p.x[24] = 5.0f;
    p.y[24] = 10.0f;
    p.z[24] = 123.0f;
    for (int method : {0, 1, 2}) {
        Points q = p;
        RANINT(method, 0.0f);
        const std::vector<float> g = randomGrid(q, 3, 3, 0.0f, 10.0f, 0.0f, 20.0f);
        EXPECT_FLOAT_EQ(g[4], 123.0f) << method;
    }
    Points flat = scattered(4, [](float, float) { return 3.5f; });
    const std::vector<float> g = randomGrid(flat, 5, 5, 0.0f, 10.0f, 0.0f, 20.0f);
    for (float v : g) EXPECT_FLOAT_EQ(v, 3.5f);
}

TEST_F(GriddingTest, CallerArraysComeBackAsGiven)
{
    Points p = scattered(5, [](float x, float y) { return x + y; });
    const Points before = p;
    randomGrid(p, 7, 7, 0.0f, 10.0f, 0.0f, 20.0f);
    for (size_t k = 0; k < p.x.size(); ++k) {
        EXPECT_NEAR(p.x[k], before.x[k], 1e-4);
        EXPECT_NEAR(p.y[k], before.y[k], 1e-4);
        EXPECT_EQ(p.z[k], before.z[k]);
    }
}

TEST_F(GriddingTest, WindowBeyondTheDataIsReplacedByTheDataExtents)
{
    Points p = scattered(5, [](float x, float y) { return x * y; });
    randomGrid(p, 5, 5, -5.0f, 10.0f, 0.0f, 20.0f);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWindowBeyondData)});
    const GridState& g = surfaceState.grid;
    EXPECT_NEAR(g.xMin, -1e-4, 1e-6);
    EXPECT_NEAR(g.xMax, 10.0001, 1e-4);
    EXPECT_NEAR(g.yMin, -2e-4, 1e-6);

    // A window inside the data stays.
    tarv::errorLogClear();
    Points q = scattered(5, [](float x, float y) { return x * y; });
    randomGrid(q, 5, 5, 1.0f, 9.0f, 2.0f, 18.0f);
    EXPECT_TRUE(reported().empty());
    EXPECT_FLOAT_EQ(surfaceState.grid.xMin, 1.0f);
    EXPECT_FLOAT_EQ(surfaceState.grid.yMax, 18.0f);
}

TEST_F(GriddingTest, RefusedPointSetsGridNothing)
{
    std::vector<float> g(25, -1.0f);
    std::vector<float> w(200);
    Points nine = scattered(3, [](float x, float) { return x; });
    struct Case {
        const char* what;
        int n;
        int wsize;
        int errors;
    };
    const Case cases[] = {
        {"eight points", 8, 200, asReported(kTooFewPoints)},
        {"no points", 0, 200, asReported(kTooFewPoints)},
        {"negative count", -3, 200, asReported(kTooFewPoints)},
        {"short workspace", 9, 2 * 25 + 4 * 9 - 1, asReported(kWorkspaceShort)},
    };
    for (const Case& c : cases) {
        tarv::errorLogClear();
        Points q = nine;
        RANGRD(c.n, q.x.data(), q.y.data(), q.z.data(), 5, 0.0f, 10.0f, 5, 0.0f, 20.0f, g.data(),
               c.wsize, w.data());
        EXPECT_EQ(reported(), std::vector<int>{c.errors}) << c.what;
        for (float v : g) EXPECT_EQ(v, -1.0f) << c.what;
    }
    // Points that are not numbers take no part: eight usable ones are too few.
    Points holes = nine;
    holes.z[4] = NAN;
    tarv::errorLogClear();
    RANGRD(9, holes.x.data(), holes.y.data(), holes.z.data(), 5, 0.0f, 10.0f, 5, 0.0f, 20.0f,
           g.data(), 200, w.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kTooFewPoints)});
}

// Nine points are enough on any grid: a patch holding all of them searches them in one bucket.
// The plane through them comes back at every node, from the gridding and every map and
// surface drawn from random points.
TEST_F(GriddingTest, NinePointsGridOnAnyGridSize)
{
    auto plane = [](float x, float y) { return 2.0f * x - 0.5f * y + 7.0f; };
    const int sizes[][2] = {{2, 2}, {5, 5}, {31, 31}, {3, 40}, {60, 60}};
    for (const auto& size : sizes) {
        SetUp();
        const int nx = size[0], ny = size[1];
        Points p = scattered(3, plane);
        const std::vector<float> g = randomGrid(p, nx, ny, 0.0f, 10.0f, 0.0f, 20.0f);
        EXPECT_TRUE(reported().empty()) << nx << "x" << ny;
        const GridState& gs = surfaceState.grid;
        for (int j = 0; j < ny; ++j) {
            for (int i = 0; i < nx; ++i) {
                const float x = gs.xMin + i * gs.xSpacing, y = gs.yMin + j * gs.ySpacing;
                ASSERT_NEAR(g[j * nx + i], plane(x, y), 2e-3)
                    << nx << "x" << ny << " " << i << "," << j;
            }
        }
    }
    // The map and the surfaces on the default 31 by 31 grid.
    const std::function<void(Points&)> drivers[] = {
        [](Points& p) { RANCON(9, p.x.data(), p.y.data(), p.z.data(), 4, 0); },
        [](Points& p) {
            float d = 0.0f;
            RANPER(9, p.x.data(), p.y.data(), p.z.data(), d, 30.0f, 30.0f);
        },
        [](Points& p) { RANISO(9, p.x.data(), p.y.data(), p.z.data(), 0); },
    };
    for (const auto& draw : drivers) {
        SetUp();
        Points p = scattered(3, plane);
        capture();
        draw(p);
        const std::vector<std::string> log = calls();
        EXPECT_TRUE(reported().empty());
        EXPECT_FALSE(only(log, "kernelDrawLineTo").empty());
        const float* grid = surfaceState.internalWork + surfaceState.partition.grid;
        const GridState& gs = surfaceState.grid;
        EXPECT_NEAR(grid[0], plane(gs.xMin, gs.yMin), 2e-3);
        EXPECT_NEAR(grid[31 * 31 - 1], plane(gs.xMax, gs.yMax), 2e-3);
    }
}

// Gridding knows no preferred axis: points gridded onto 13 by 5 are the transpose of the same
// points with x and y swapped gridded onto 5 by 13, although the buckets are not square.  In
// grid-index units sixty points sort into buckets all but square, seventy into buckets a tenth
// higher than wide (on the swapped grid, wider than high); nine fill one bucket, three times as
// wide as high on the first grid: a patch at the top of the swapped grid starts in a row that
// the bucket's width would place beyond the last.
TEST_F(GriddingTest, SwappedPointsOnTheSwappedGridGiveTheTransposedGrid)
{
    // n points over [0, 10] by [0, 4].
    auto random = [](int n) {
        Points p;
        unsigned seed = 12345u;
        auto next = [&seed] {
            seed = seed * 1103515245u + 12345u;
            return static_cast<float>((seed >> 8) & 0xFFFF) / 65536.0f;
        };
        for (int k = 0; k < n; ++k) {
            const float x = 10.0f * next(), y = 4.0f * next();
            p.x.push_back(x);
            p.y.push_back(y);
            p.z.push_back(std::sin(x) + 0.3f * y * y);
        }
        return p;
    };
    // Nine points, seven of them close to the edge x = 10.
    Points nine;
    const float xy[9][2] = {{0, 0},        {0, 20},    {10, 10},     {8.6f, 6}, {9.1f, 9},
                            {9.7f, 12.5f}, {8.9f, 14}, {9.4f, 7.5f}, {10, 16}};
    for (const auto& pt : xy) {
        nine.x.push_back(pt[0]);
        nine.y.push_back(pt[1]);
        nine.z.push_back(std::sin(pt[0]) + 0.01f * pt[1] * pt[1]);
    }
    struct Case {
        Points p;
        float yMax;
    };
    const Case cases[] = {
        {random(60), 4.0f},
        {random(70), 4.0f},
        {nine, 20.0f},
    };
    for (const Case& c : cases) {
        SetUp();
        Points p = c.p;
        Points q{p.y, p.x, p.z};
        const std::vector<float> a = randomGrid(p, 13, 5, 0.0f, 10.0f, 0.0f, c.yMax);
        const std::vector<float> b = randomGrid(q, 5, 13, 0.0f, c.yMax, 0.0f, 10.0f);
        for (int j = 0; j < 5; ++j) {
            for (int i = 0; i < 13; ++i)
                EXPECT_NEAR(a[j * 13 + i], b[i * 5 + j], 1e-4f * (1.0f + std::fabs(a[j * 13 + i])))
                    << c.p.x.size() << " points, node " << i << "," << j;
        }
    }
}

// A patch must hold seven points at least: one of six grows (by 1.414 in radius) before the
// fit is made, one of seven does not.  Six or seven points close to the node lie on a plane;
// four more, just beyond the first radius, lie well above it.
TEST_F(GriddingTest, PatchOfSixPointsGrowsAndOfSevenDoesNot)
{
    auto plane = [](float x, float y) { return 1.0f + x + 2.0f * y; };
    const float inner[7][2] = {{0.3f, 0.0f}, {0.0f, 0.5f},   {-0.7f, 0.0f}, {0.0f, -0.4f},
                               {0.5f, 0.5f}, {-0.3f, -0.6f}, {0.2f, 0.15f}};
    const float outer[4][2] = {{1.2f, 0.0f}, {0.0f, 1.2f}, {-1.2f, 0.0f}, {0.0f, -1.2f}};
    // The height at node (0, 0) with the patch starting at radius r.
    auto nodeHeight = [](const std::vector<NetXYZ>& pts, float r) {
        const int n = static_cast<int>(pts.size());
        std::vector<float> w(static_cast<size_t>(4 * n));
        for (int k = 0; k < n; ++k) {
            w[static_cast<size_t>(k)] = pts[static_cast<size_t>(k)].x;
            w[static_cast<size_t>(n + k)] = pts[static_cast<size_t>(k)].y;
            w[static_cast<size_t>(2 * n + k)] = pts[static_cast<size_t>(k)].z;
        }
        w[static_cast<size_t>(3 * n)] = 1.0f;  // one bucket holds them all
        SurfaceLibraryState& s = surfaceState;
        s.partition.sortedX = 0;
        s.partition.sortedY = n;
        s.partition.sortedZ = 2 * n;
        s.partition.bucketStart = 3 * n;
        GridState& g = s.grid;
        g.pointCount = n;
        g.bucketColumns = g.bucketRows = 1;
        g.bucketWidth = g.bucketHeight = 10.0f;
        g.dataXMin = g.dataYMin = -5.0f;
        g.patchRadius = r;
        s.contour.randomMethod = 1;  // the fit itself
        int warned = 0;
        return surfaceInterpolateNode(0.0f, 0.0f, 0, w.data(), warned);
    };
    for (const int close : {6, 7}) {
        SCOPED_TRACE(close);
        std::vector<NetXYZ> pts;
        for (int k = 0; k < close; ++k)
            pts.push_back({inner[k][0], inner[k][1], plane(inner[k][0], inner[k][1])});
        for (const auto& o : outer) pts.push_back({o[0], o[1], 10.0f});
        const float first = nodeHeight(pts, 1.0f), grown = nodeHeight(pts, 1.414f);
        EXPECT_NE(grown, plane(0.0f, 0.0f));  // the far points pull the wider fit up
        if (close == 6) {
            EXPECT_FLOAT_EQ(first, grown);
        } else {
            EXPECT_NEAR(first, plane(0.0f, 0.0f), 1e-4f);
        }
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(GriddingTest, FunctionIsSampledOncePerNodeRowByRow)
{
    static std::vector<Pt> visits;
    visits.clear();
    auto f = [](const float& x, const float& y) {
        visits.push_back({x, y});
        return x * x - y;
    };
    std::vector<float> g(12);
    std::vector<float> w(24);
    FUNGRD(f, 4, 0.0f, 3.0f, 3, 10.0f, 12.0f, g.data(), 24, w.data());
    ASSERT_EQ(visits.size(), 12u);
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(visits[j * 4 + i].x, static_cast<float>(i));
            EXPECT_FLOAT_EQ(visits[j * 4 + i].y, 10.0f + j);
            EXPECT_FLOAT_EQ(g[j * 4 + i], static_cast<float>(i * i - (10 + j)));
        }
    }
    // With data-point markers on, the grid lies after the points of the last random-point
    // gridding: a workspace that holds the grid alone is too short then.
    RANPTS(1);
    Points p = scattered(3, [](float x, float) { return x; });
    std::vector<float> rg(9), rw(2 * 9 + 4 * 9);
    RANGRD(9, p.x.data(), p.y.data(), p.z.data(), 3, 0.0f, 10.0f, 3, 0.0f, 20.0f, rg.data(),
           static_cast<int>(rw.size()), rw.data());
    visits.clear();
    tarv::errorLogClear();
    std::vector<float> exact(12);
    FUNGRD(f, 4, 0.0f, 3.0f, 3, 10.0f, 12.0f, g.data(), 12, exact.data());
    EXPECT_TRUE(visits.empty());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
    RANPTS(0);
    tarv::errorLogClear();
    // Too short a workspace: nothing sampled.
    visits.clear();
    FUNGRD(f, 4, 0.0f, 3.0f, 3, 10.0f, 12.0f, g.data(), 11, w.data());
    EXPECT_TRUE(visits.empty());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
}

TEST_F(GriddingTest, RandomAndFunctionMapsContourTheirGrid)
{
    Points p = scattered(6, [](float x, float y) { return x + 0.5f * y; });
    capture();
    RANCON(36, p.x.data(), p.y.data(), p.z.data(), 4, 0);
    std::vector<std::string> log = calls();
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(surfaceState.grid.nx, 31);
    // Levels 0, 5, ..., 20 (the plane runs from 0 to 20): straight lines x + y / 2 = level.
    ASSERT_EQ(surfaceState.levels.count, 5);
    for (const Line& l : polylinesOf(log)) {
        if (l.size() == 6) continue;  // the box
        const Pt a = toMap(l.front()), b = toMap(l.back());
        EXPECT_NEAR(a.x + 0.5 * a.y, b.x + 0.5 * b.y, 0.05);
    }

    SetUp();
    auto f = [](const float& x, const float& y) { return x * x + y * y; };
    FUNCON(-1.0f, 1.0f, -1.0f, 1.0f, f, 4, 0);
    EXPECT_TRUE(reported().empty());
    EXPECT_GE(surfaceState.levels.count, 3);
    // Flat function: no map.
    auto flat = [](const float&, const float&) { return 1.0f; };
    FUNCON(-1.0f, 1.0f, -1.0f, 1.0f, flat, 4, 0);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kFlatData)});
    // Too many points for the library's own workspace.
    tarv::errorLogClear();
    Points many = scattered(22, [](float x, float) { return x; });
    RANCON(484, many.x.data(), many.y.data(), many.z.data(), 4, 0);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
    ADDCON(1.0f, 0, 3800, surfaceState.internalWork);
    EXPECT_EQ(reported(),
              (std::vector<int>{asReported(kWorkspaceShort), asReported(kNoDrawingToAddTo)}));
    // A map refused for its grid leaves the grid in force as it was: the next random-point
    // map grids onto it.
    SetUp();
    const std::vector<float> z4 = {0, 1, 2, 3};
    std::vector<float> w(8);
    DRACON(1, 0.0f, 1.0f, 2, 0.0f, 1.0f, z4.data(), 2, 0, 8, w.data());
    EXPECT_EQ(surfaceState.grid.nx, 31);
    tarv::errorLogClear();
    Points few = scattered(4, [](float x, float y) { return x - y; });
    RANCON(16, few.x.data(), few.y.data(), few.z.data(), 4, 0);
    EXPECT_TRUE(reported().empty());
    // A refused surface leaves a grid size of one column behind: the next random-point map
    // reports it instead of gridding onto no intervals.
    GRDISO(1, 0.0f, 1.0f, 2, 0.0f, 1.0f, z4.data(), 0);
    tarv::errorLogClear();
    RANCON(16, few.x.data(), few.y.data(), few.z.data(), 4, 0);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kTooFewNodes)});
}

}  // namespace

namespace {

float rampFrom995(const float& x, const float& /*y*/) { return 9.95f + x; }

TEST_F(GriddingTest, FirstLevelIsTheLowestStepMultipleInTheDataForEveryMapDriver)
{
    // Heights 9.95 .. 109.95 in steps of 10: the interval chooser puts its first value on 10,
    // just above the lowest height; 10 is the first level whichever driver draws the map.
    const int nx = 11, ny = 3;
    std::vector<float> z;
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) z.push_back(rampFrom995(10.0f * i, 0.0f));
    }
    const int codes[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const struct {
        const char* driver;
        std::function<void()> draw;
    } maps[] = {
        {"DRACON",
         [&] { DRACON(nx, 0.0f, 100.0f, ny, 0.0f, 2.0f, z.data(), 10, 0, 4000, work.data()); }},
        {"FILCON",
         [&] {
             FILCON(nx, 0.0f, 100.0f, ny, 0.0f, 2.0f, z.data(), 10, 0, codes, 0, 4000, work.data());
         }},
        {"FUNCON", [&] { FUNCON(0.0f, 100.0f, 0.0f, 2.0f, rampFrom995, 10, 0); }},
    };
    for (const auto& m : maps) {
        work.assign(4000, 0.0f);
        m.draw();
        EXPECT_TRUE(reported().empty()) << m.driver;
        ASSERT_GE(surfaceState.levels.count, 1) << m.driver;
        EXPECT_FLOAT_EQ(surfaceState.levels.heights[0], 10.0f) << m.driver;
    }
}

}  // namespace
