// Tests of the network queries and drawings: grid sampling, the boundary polygon and its
// drawing, the triangles drawn on a network map (read from the kernel's call log), and the
// checks every network routine makes of its workspace.
#include "network_fixture.h"

#include <functional>
#include <sstream>

namespace {

struct Line {
    std::vector<float> x, y;
};

// The polylines of the call log: a pen move and the lines drawn from it.
std::vector<Line> polylines(const std::vector<std::string>& log)
{
    std::vector<Line> out;
    Line current;
    auto flush = [&] {
        if (current.x.size() >= 2) out.push_back(current);
        current = Line{};
    };
    for (const std::string& l : log) {
        std::istringstream in(l);
        std::string op;
        float x = 0, y = 0;
        in >> op >> x >> y;
        if (op == "kernelMovePen") {
            flush();
            current.x.push_back(x);
            current.y.push_back(y);
        } else if (op == "kernelDrawLineTo") {
            current.x.push_back(x);
            current.y.push_back(y);
        }
    }
    flush();
    return out;
}

using QueryTest = NetworkTest;

TEST_F(QueryTest, GridSamplesThePlaneUpToTheWindowsHighEdges)
{
    build(randomPoints(60, 8, planeZ));
    TRIINT(0, 10, 1);
    const int nx = 5, ny = 4;
    std::vector<float> z(nx * ny + 1, -999.0f);
    TRIGRD(3.0f, 7.0f, 6.5f, 2.0f, nx, ny, z.data(), wsize, work.data());  // y limits reversed
    EXPECT_TRUE(reported().empty());
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const float x = 3.0f + i * 1.0f, y = 2.0f + j * 1.5f;
            EXPECT_NEAR(z[j * nx + i], planeZ(x, y), 2e-4f) << i << ", " << j;
        }
    }
    EXPECT_EQ(z[nx * ny], -999.0f);
    // bucket index left to rebuild; the network stays usable
    EXPECT_EQ(header(4), 0.0f);
    float h = 0, gx = 0, gy = 0;
    TRIHGT(5.0f, 5.0f, h, gx, gy, wsize, work.data());
    EXPECT_NEAR(h, planeZ(5.0f, 5.0f), 2e-4f);
}

TEST_F(QueryTest, GridWarnsOnceForNodesOutsideAndRefusesTooFewNodes)
{
    build(randomPoints(60, 8, planeZ));
    std::vector<float> z(100, 0.0f);
    TRIGRD(-5.0f, 15.0f, -5.0f, 15.0f, 6, 6, z.data(), wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kOutsideNetwork)});
    EXPECT_NEAR(z[0], planeZ(-5.0f, -5.0f), 1e-2f);  // extrapolated by the fit
    for (int nx : {1, 0, -3}) {
        tarv::errorLogClear();
        std::fill(z.begin(), z.end(), 7.0f);
        TRIGRD(0.0f, 1.0f, 0.0f, 1.0f, nx, 3, z.data(), wsize, work.data());
        EXPECT_EQ(reported(), std::vector<int>{asReported(kTooFewNodes)});
        EXPECT_EQ(z[0], 7.0f);
    }
    struct Window {
        float x0, x1, y0, y1;
        int error;
    };
    const Window windows[] = {{1.0f, 1.0f, 0.0f, 1.0f, asReported(kFlatXRange)},
                              {0.0f, 1.0f, 2.0f, 2.0f, asReported(kFlatYRange)},
                              {NAN, 1.0f, 0.0f, 1.0f, asReported(kFlatXRange)},
                              {0.0f, 1.0f, 0.0f, INFINITY, asReported(kFlatYRange)}};
    for (const Window& w : windows) {
        tarv::errorLogClear();
        std::fill(z.begin(), z.end(), 7.0f);
        TRIGRD(w.x0, w.x1, w.y0, w.y1, 3, 3, z.data(), wsize, work.data());
        EXPECT_EQ(reported(), std::vector<int>{w.error});
        EXPECT_EQ(z[0], 7.0f);
    }
}

// Two long columns of points: beside the right one every node's nearest points lie on one
// line and no fit can be made.  Such a node takes the plane of the hull edge beside it, not
// the lowest height of the data.
TEST_F(QueryTest, NodeOutsideWithNoFitTakesThePlaneOfItsHullEdge)
{
    std::vector<NetPoint> pts;
    for (int j = 0; j < 40; ++j) {
        for (float x : {0.0f, 10.0f}) pts.push_back({x, float(j), 5.0f + x + 0.1f * float(j)});
    }
    build(pts);
    TRIINT(0, 10, 1);
    std::vector<float> z(9, -99.0f);
    TRIGRD(8.0f, 12.0f, 18.5f, 22.5f, 3, 3, z.data(), wsize, work.data());
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            const float x = 8.0f + 2.0f * i, y = 18.5f + 2.0f * j;
            EXPECT_NEAR(z[static_cast<size_t>(j) * 3 + i], 5.0f + x + 0.1f * y, 1e-3f)
                << x << "," << y;
        }
    }
}

TEST_F(QueryTest, GridKeepsGivenDerivatives)
{
    const std::vector<NetPoint> pts = randomPoints(30, 12, quadraticZ);
    std::vector<float> x, y, z, gx, gy;
    for (const NetPoint& p : pts) {
        x.push_back(p.x);
        y.push_back(p.y);
        z.push_back(p.z);
        gx.push_back(0.6f * p.x - 0.2f * p.y + 1.0f);
        gy.push_back(-0.2f * p.x + 1.0f * p.y);
    }
    makeWorkspace(sizeFor(40));
    TRIDER(30, x.data(), y.data(), z.data(), gx.data(), gy.data(), wsize, work.data());
    std::vector<float> grid(9);
    TRIGRD(3.0f, 7.0f, 3.0f, 7.0f, 3, 3, grid.data(), wsize, work.data());
    // the given derivatives are the network's gradients from now on: a later spot height
    // still returns them at a data point instead of estimates
    float h = 0, dx = 0, dy = 0;
    TRIHGT(x[4], y[4], h, dx, dy, wsize, work.data());
    EXPECT_NEAR(dx, gx[4], 1e-3f);
    EXPECT_NEAR(dy, gy[4], 1e-3f);
}

TEST_F(QueryTest, BoundaryIsTheClosedHull)
{
    build(octagonWithCentre());
    std::vector<float> x(20, 0.0f), y(20, 0.0f);
    int n = 20;
    TRIBOU(n, 0, x.data(), y.data(), wsize, work.data());
    EXPECT_TRUE(reported().empty());
    ASSERT_EQ(n, 9);
    EXPECT_EQ(x[0], x[8]);
    EXPECT_EQ(y[0], y[8]);
    double area = 0.0;  // counter-clockwise: positive area, the octagon's
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(std::hypot(x[i] - 5.0f, y[i] - 5.0f), 4.0f, 1e-4f);
        area += 0.5 * (x[i] * y[i + 1] - x[i + 1] * y[i]);
    }
    EXPECT_NEAR(area, 2.0 * std::sqrt(2.0) * 16.0, 1e-3);

    // arrays of exactly the closed hull's size: all of it, no warning
    std::vector<float> x9(9, -1.0f), y9(9, -1.0f);
    n = 9;
    TRIBOU(n, 0, x9.data(), y9.data(), wsize, work.data());
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(n, 9);
    EXPECT_EQ(x9, std::vector<float>(x.begin(), x.begin() + 9));
    EXPECT_EQ(y9, std::vector<float>(y.begin(), y.begin() + 9));

    // arrays too short: the first n points, warning, n unchanged
    tarv::errorLogClear();
    n = 3;
    std::vector<float> x3(4, -1.0f), y3(4, -1.0f);
    TRIBOU(n, 0, x3.data(), y3.data(), wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kTruncated)});
    EXPECT_EQ(n, 3);
    EXPECT_EQ(x3[0], x[0]);
    EXPECT_EQ(x3[2], x[2]);
    EXPECT_EQ(x3[3], -1.0f);
    // too few places at all
    tarv::errorLogClear();
    n = 2;
    TRIBOU(n, 0, x3.data(), y3.data(), wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kTooFewNetworkPoints)});
    EXPECT_EQ(tarv::errorLog()[0].routine, "krReturnNetworkBound(TRIBOU)");
}

TEST_F(QueryTest, BoundaryDrawnInJoinedPiecesOnTheNetworkMap)
{
    build(octagonWithCentre());
    std::vector<float> x(4), y(4);
    int n = 4;
    // no network map: nothing drawn
    capture();
    TRIBOU(n, 1, x.data(), y.data(), wsize, work.data());
    EXPECT_TRUE(polylines(calls()).empty());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kNoDrawingToAddTo)});

    layOutNetworkMap();
    tarv::errorLogClear();
    capture();
    n = 4;
    TRIBOU(n, 1, x.data(), y.data(), wsize, work.data());
    const std::vector<Line> lines = polylines(calls());
    EXPECT_EQ(
        reported(),
        std::vector<int>{asReported(kTruncated)});  // the drawing buffer holds 4 of the 9 points
    // the pieces join: every piece starts where the one before it ended, and together they
    // pass through all nine corners of the closed octagon
    std::vector<float> px, py;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) {
            EXPECT_NEAR(lines[k].x.front(), lines[k - 1].x.back(), 1e-3f);
            EXPECT_NEAR(lines[k].y.front(), lines[k - 1].y.back(), 1e-3f);
        }
        for (size_t i = k == 0 ? 0 : 1; i < lines[k].x.size(); ++i) {
            px.push_back(lines[k].x[i]);
            py.push_back(lines[k].y[i]);
        }
    }
    ASSERT_EQ(px.size(), 9u);
    const std::vector<NetPoint> pts = octagonWithCentre();
    for (size_t i = 0; i < 8; ++i) {
        bool corner = false;
        for (size_t c = 1; c < pts.size(); ++c) {
            corner = corner ||
                (std::fabs(px[i] - pictureX(pts[c].x)) < 0.05f &&
                 std::fabs(py[i] - pictureY(pts[c].y)) < 0.05f);
        }
        EXPECT_TRUE(corner) << i;
    }
}

TEST_F(QueryTest, NetworkDrawsEveryTriangleClosedAtItsPointsPictures)
{
    build(octagonWithCentre());
    capture();
    TRINET(0, wsize, work.data());
    EXPECT_TRUE(polylines(calls()).empty());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kNoDrawingToAddTo)});
    EXPECT_EQ(tarv::errorLog()[0].routine, "krDrawNetwork(TRINET)");

    layOutNetworkMap();
    tarv::errorLogClear();
    capture();
    TRINET(0, wsize, work.data());
    const std::vector<std::string> log = calls();
    EXPECT_TRUE(reported().empty());
    const std::vector<Line> lines = polylines(log);
    ASSERT_EQ(lines.size(), 8u);
    for (int t = 1; t <= 8; ++t) {
        const Line& l = lines[t - 1];
        ASSERT_EQ(l.x.size(), 4u);
        for (int k = 0; k < 4; ++k) {
            const NetPoint p = point(vertex(t, k % 3 + 1));
            EXPECT_NEAR(l.x[k], pictureX(p.x), 0.05f);
            EXPECT_NEAR(l.y[k], pictureY(p.y), 0.05f);
        }
    }
    EXPECT_TRUE(only(log, "kernelDrawMarker").empty());

    // a marker marks the data points
    capture();
    TRINET(3, wsize, work.data());
    EXPECT_EQ(only(calls(), "kernelDrawMarker").size(), 9u);
    EXPECT_EQ(surfaceState.contour.pointMarker, 3);
    EXPECT_EQ(surfaceState.network.networkRoutineActive, 0);
}

TEST_F(QueryTest, EveryRoutineChecksItsWorkspace)
{
    build(octagonWithCentre());
    layOutNetworkMap();
    const std::vector<float> saved = work;
    float h = 0, gx = 0, gy = 0;
    std::vector<float> grid(9), bx(20), by(20);
    int n = 20;
    struct Call {
        const char* routine;
        std::function<void(int, float*)> run;
    };
    const std::vector<Call> calls{
        {"krReturnNetworkSpotHeight(TRIHGT)",
         [&](int s, float* w) { TRIHGT(5, 5, h, gx, gy, s, w); }},
        {"krGenerateNetworkGrid(TRIGRD)",
         [&](int s, float* w) { TRIGRD(2, 8, 2, 8, 3, 3, grid.data(), s, w); }},
        {"krReturnNetworkBound(TRIBOU)",
         [&](int s, float* w) {
             n = 20;
             TRIBOU(n, 0, bx.data(), by.data(), s, w);
         }},
        {"krDrawNetwork(TRINET)", [&](int s, float* w) { TRINET(0, s, w); }},
        {"krAddNetworkPoint(TRIADD)",
         [&](int s, float* w) { TRIADD(1, 5.5f, 5.5f, 1.0f, 0, 0, s, w); }},
        {"krAddNetworkRegion(TRIREG)",
         [&](int s, float* w) {
             const float rx[] = {4, 6, 6, 4}, ry[] = {4, 4, 6, 6}, rz[] = {0, 0, 0, 0};
             TRIREG(1, 4, rx, ry, rz, rz, rz, 0, s, w);
         }},
    };
    for (const Call& c : calls) {
        SCOPED_TRACE(c.routine);
        // another size than the network's
        tarv::errorLogClear();
        c.run(wsize + 1, work.data());
        ASSERT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
        EXPECT_EQ(tarv::errorLog()[0].routine, c.routine);
        // a workspace of the same size that holds no network: nothing read, nothing written
        std::vector<float> other(static_cast<size_t>(wsize), 0.5f);
        other[2] = 0.0f;
        tarv::errorLogClear();
        c.run(wsize, other.data());
        EXPECT_EQ(reported(), std::vector<int>{asReported(kNoNetwork)});
        EXPECT_EQ(other[0], 0.5f);
        EXPECT_EQ(other[3], 0.5f);
        // tables that no build could have written
        std::vector<float> broken = saved;
        networkTriangleField(broken.data(), 2, kTriVertex1) = 5000.0f;
        tarv::errorLogClear();
        c.run(wsize, broken.data());
        EXPECT_EQ(reported(), std::vector<int>{asReported(kNoNetwork)});
    }
    EXPECT_EQ(work, saved);  // refused calls leave the network's workspace as it was
    // after the library's state is initialised again, the network is no longer known
    SURF();
    tarv::errorLogClear();
    TRIHGT(5, 5, h, gx, gy, wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
}

TEST_F(QueryTest, AGriddingRunBetweenBuildAndUseDoesNotChangeTheNetwork)
{
    build(randomPoints(50, 30, planeZ));
    TRIINT(1, 10, 1);
    float h = 0, gx = 0, gy = 0;
    TRIHGT(5.0f, 5.0f, h, gx, gy, wsize, work.data());
    // what a random-point gridding run leaves in the shared grid state
    GridState& g = surfaceState.grid;
    g.pointCount = 100000;
    g.bucketColumns = g.bucketRows = 400;
    g.bucketWidth = g.bucketHeight = 1e-3f;
    float h2 = 0;
    TRIHGT(5.0f, 5.0f, h2, gx, gy, wsize, work.data());
    EXPECT_EQ(h2, h);
    EXPECT_EQ(surfaceState.grid.pointCount, 50);
    EXPECT_TRUE(guardsIntact());
}

}  // namespace
