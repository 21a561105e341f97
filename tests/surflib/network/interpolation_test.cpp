// Tests of heights on a network: the three methods against planes, quadratics and a smooth
// function, spot heights at data points and outside the network, the fit's neighbour count
// and weighting, and the two interpolation setters.
#include "network_fixture.h"

#include "network/interpolation.h"

using namespace surflib;

namespace {

class InterpolationTest : public NetworkTest {
protected:
    struct Spot {
        float h, gx, gy;
    };
    Spot spot(float x, float y)
    {
        Spot s{0.0f, 0.0f, 0.0f};
        TRIHGT(x, y, s.h, s.gx, s.gy, wsize, work.data());
        return s;
    }
    // Query points well inside the data of randomPoints (0..10 square).
    static std::vector<std::pair<float, float>> inner()
    {
        std::vector<std::pair<float, float>> q;
        for (float x = 2.1f; x < 8.0f; x += 1.37f) {
            for (float y = 2.3f; y < 8.0f; y += 1.19f) q.emplace_back(x, y);
        }
        return q;
    }
};

TEST_F(InterpolationTest, EveryMethodIsExactOnAPlane)
{
    build(randomPoints(60, 11, planeZ));
    for (int method : {0, 1, 2}) {
        SCOPED_TRACE(method);
        TRIINT(method, 10, 1);
        for (const auto& [x, y] : inner()) {
            const Spot s = spot(x, y);
            EXPECT_NEAR(s.h, planeZ(x, y), 2e-4f) << x << ", " << y;
            EXPECT_NEAR(s.gx, 2.0f, 2e-3f);
            EXPECT_NEAR(s.gy, -3.0f, 2e-3f);
        }
    }
    EXPECT_TRUE(reported().empty());
    EXPECT_TRUE(guardsIntact());
}

TEST_F(InterpolationTest, FitAndPatchAreExactOnAQuadraticWithEveryWeighting)
{
    build(randomPoints(120, 5, quadraticZ));
    for (int weighting : {1, 2, 3, 4}) {
        for (int method : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "method " << method << " weighting " << weighting);
            TRIINT(method, 12, weighting);
            // the vertex gradients follow the weighting: estimate them again
            surfaceState.network.gradientsReady = 0;
            work[0] = 0.0f;
            for (const auto& [x, y] : inner()) {
                EXPECT_NEAR(spot(x, y).h, quadraticZ(x, y), 2e-3f) << x << ", " << y;
            }
        }
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(InterpolationTest, PatchWithGivenGradientsIsExactOnAQuadraticAndLinearIsNot)
{
    const std::vector<NetPoint> pts = randomPoints(40, 9, quadraticZ);
    std::vector<float> x, y, z, gx, gy;
    for (const NetPoint& p : pts) {
        x.push_back(p.x);
        y.push_back(p.y);
        z.push_back(p.z);
        gx.push_back(0.6f * p.x - 0.2f * p.y + 1.0f);
        gy.push_back(-0.2f * p.x + 1.0f * p.y);
    }
    makeWorkspace(sizeFor(50));
    TRIDER(40, x.data(), y.data(), z.data(), gx.data(), gy.data(), wsize, work.data());
    double linearError = 0.0;
    for (const auto& [qx, qy] : inner()) {
        TRIINT(2, 10, 1);
        EXPECT_NEAR(spot(qx, qy).h, quadraticZ(qx, qy), 1e-3f);
        TRIINT(0, 10, 1);
        linearError = std::max(linearError, double(std::fabs(spot(qx, qy).h - quadraticZ(qx, qy))));
    }
    EXPECT_GT(linearError, 0.01);  // the check above is not one any height passes
    EXPECT_EQ(header(2), 1.0f);    // the given derivatives were used, never estimated
}

float smooth(float x, float y) { return std::sin(0.6f * x) * std::cos(0.5f * y) + 0.1f * x; }

TEST_F(InterpolationTest, SmoothFunctionIsFollowedClosely)
{
    build(randomPoints(400, 21, smooth));
    const float tolerance[] = {0.05f, 0.01f, 0.01f};
    for (int method : {0, 1, 2}) {
        TRIINT(method, 10, 1);
        float worst = 0.0f;
        for (const auto& [x, y] : inner())
            worst = std::max(worst, std::fabs(spot(x, y).h - smooth(x, y)));
        EXPECT_LT(worst, tolerance[method]) << "method " << method;
    }
}

TEST_F(InterpolationTest, DataPointGivesItsStoredHeightAndGradient)
{
    const std::vector<NetPoint> pts = randomPoints(30, 3, quadraticZ);
    build(pts);
    const Spot s = spot(pts[7].x, pts[7].y);
    // the stored height, exactly as the table holds it
    const NetworkLayout& n = surfaceState.network;
    int row = 0;
    for (int j = 1; j <= pointCount(); ++j) {
        if (std::fabs(point(j).x - pts[7].x) < 1e-4f && std::fabs(point(j).y - pts[7].y) < 1e-4f)
            row = j;
    }
    ASSERT_GT(row, 0);
    const float* w = work.data();
    EXPECT_EQ(s.h, n.zmin + networkZ(w, row) * n.zrange);
    EXPECT_FLOAT_EQ(s.gx, networkPointField(w, row, kNetDzdx) * n.zrange / n.xrange);
    EXPECT_FLOAT_EQ(s.gy, networkPointField(w, row, kNetDzdy) * n.zrange / n.yrange);
    // gradients were estimated on the way, and the header says so
    EXPECT_EQ(header(1), 1.0f);
    EXPECT_EQ(header(4), 1.0f);
}

TEST_F(InterpolationTest, LinearMethodTakesTheFitsDerivatives)
{
    build(randomPoints(80, 13, quadraticZ));
    TRIINT(0, 10, 1);
    const float x = 5.3f, y = 4.1f;
    const Spot s = spot(x, y);
    // the height of the plane of a triangle, the derivatives of the quadratic fit
    EXPECT_GT(std::fabs(s.h - quadraticZ(x, y)), 1e-4f);
    EXPECT_NEAR(s.gx, 0.6f * x - 0.2f * y + 1.0f, 1e-2f);
    EXPECT_NEAR(s.gy, -0.2f * x + 1.0f * y, 1e-2f);
}

TEST_F(InterpolationTest, OutsideTheNetworkWarnsAndExtrapolatesByTheFit)
{
    build(randomPoints(60, 17, planeZ));
    for (int method : {0, 2}) {
        TRIINT(method, 10, 1);
        tarv::errorLogClear();
        const Spot s = spot(11.0f, -0.5f);
        EXPECT_EQ(reported(), std::vector<int>{asReported(kOutsideNetwork)});
        EXPECT_EQ(tarv::errorLog()[0].routine, "krReturnNetworkSpotHeight(TRIHGT)");
        EXPECT_NEAR(s.h, planeZ(11.0f, -0.5f), 1e-3f);
    }
}

TEST_F(InterpolationTest, PointThatIsNoNumberGetsNoHeight)
{
    build(randomPoints(30, 17, planeZ));
    for (float bad : {NAN, INFINITY}) {
        tarv::errorLogClear();
        float h = 7.0f, gx = 8.0f, gy = 9.0f;
        TRIHGT(bad, 5.0f, h, gx, gy, wsize, work.data());
        EXPECT_EQ(reported(), std::vector<int>{asReported(kNotANumber)});
        EXPECT_EQ(h, 7.0f);
        EXPECT_EQ(gx, 8.0f);
        EXPECT_EQ(gy, 9.0f);
    }
}

TEST_F(InterpolationTest, TooManyNeighboursWarnAtEveryFit)
{
    build(randomPoints(60, 2, quadraticZ));
    TRIINT(1, 40, 1);
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(surfaceState.networkSettings.neighbourCount, 40);
    tarv::errorLogClear();
    const Spot a = spot(4.0f, 4.0f);
    const Spot b = spot(6.0f, 5.0f);
    // one warning per fit, and the fits use 10 neighbours (exact on the quadratic)
    const std::vector<int> errors = reported();
    EXPECT_GE(std::count(errors.begin(), errors.end(), asReported(kFewNeighbours)), 2);
    EXPECT_NEAR(a.h, quadraticZ(4.0f, 4.0f), 2e-3f);
    EXPECT_NEAR(b.h, quadraticZ(6.0f, 5.0f), 2e-3f);
    EXPECT_EQ(surfaceState.networkSettings.workingNeighbourCount, 10);
}

TEST_F(InterpolationTest, SettersCorrectOutOfRangeValues)
{
    struct Case {
        int method, count, weighting;
        std::vector<int> errors;
        int method2, count2, weighting2;
    };
    const Case cases[] = {
        {0, 7, 4, {}, 0, 7, 4},
        {3, 10, 1, {asReported(kBadSwitch)}, 2, 10, 1},
        {-1, 10, 1, {asReported(kBadSwitch)}, 2, 10, 1},
        {1, 6, 1, {asReported(kFewNeighbours)}, 1, 10, 1},
        {1, 12, 0, {asReported(kBadSwitch)}, 1, 12, 1},
        {1, 12, 5, {asReported(kBadSwitch)}, 1, 12, 1},
        {7,
         2,
         9,
         {asReported(kBadSwitch), asReported(kFewNeighbours), asReported(kBadSwitch)},
         2,
         10,
         1},
    };
    for (const Case& c : cases) {
        tarv::errorLogClear();
        TRIINT(c.method, c.count, c.weighting);
        const NetworkSettings& n = surfaceState.networkSettings;
        EXPECT_EQ(reported(), c.errors);
        EXPECT_EQ(n.interpolationMethod, c.method2);
        EXPECT_EQ(n.neighbourCount, c.count2);
        EXPECT_EQ(n.workingNeighbourCount, c.count2);
        EXPECT_EQ(n.weightingFunction, c.weighting2);
    }
    struct Step {
        float step;
        std::vector<int> errors;
        float stored;
    };
    const Step steps[] = {{2.5f, {}, 2.5f},
                          {-2.0f, {asReported(kNegativeValue)}, 2.0f},
                          {0.0f, {asReported(kStepTooSmall)}, 4.0f},
                          {1e-5f, {asReported(kStepTooSmall)}, 4.0f},
                          {NAN, {asReported(kStepTooSmall)}, 4.0f}};
    for (const Step& s : steps) {
        tarv::errorLogClear();
        TRISTP(s.step);
        EXPECT_EQ(reported(), s.errors) << s.step;
        EXPECT_EQ(surfaceState.networkSettings.contourStep, s.stored);
        if (!s.errors.empty()) {
            EXPECT_EQ(tarv::errorLog()[0].routine, "krSetNetworkContourStep(TRISTP)");
        }
    }
}

// The internal searches on a network of a plane, in normalised units.
TEST_F(InterpolationTest, LocateReportsVerticesEdgesAndSubTriangles)
{
    build(octagonWithCentre());
    const float* w = work.data();
    NetworkWorking& nw = surfaceState.networkWork;
    float h = 0.0f;
    int inside = 0, t = 1, sub = 0, edge = 0, slot = 0;
    // the centre point itself
    int centre = 0;
    for (int j = 1; j <= pointCount(); ++j) {
        if (std::fabs(point(j).x - 5.0f) < 1e-4f && std::fabs(point(j).y - 5.0f) < 1e-4f)
            centre = j;
    }
    ASSERT_GT(centre, 0);
    const float cx = networkX(w, centre), cy = networkY(w, centre);
    surfaceLocateTriangle(cx, cy, h, inside, t, sub, edge, slot, w);
    EXPECT_EQ(inside, 1);
    ASSERT_NE(nw.vertex, 0);
    EXPECT_EQ(networkVertex(w, t, nw.vertex), centre);
    // the midpoint of an edge of triangle 3: on that edge, in the sub-triangle along it
    for (int k = 1; k <= 3; ++k) {
        const int a = vertex(3, k), b = vertex(3, k % 3 + 1);
        const float mx = 0.5f * (networkX(w, a) + networkX(w, b)),
                    my = 0.5f * (networkY(w, a) + networkY(w, b));
        t = 3;
        surfaceLocateTriangle(mx, my, h, inside, t, sub, edge, slot, w);
        EXPECT_EQ(inside, 1);
        EXPECT_EQ(nw.vertex, 0);
        EXPECT_EQ(edge, sub);
        EXPECT_EQ(networkVertex(w, t, sub) + networkVertex(w, t, sub % 3 + 1), a + b) << k;
    }
    // outside near the middle of a hull edge: that edge's triangle; far out past a corner: none
    int k = 1;
    while (neighbourEntry(1, k) != 0) ++k;
    const int a = vertex(1, k), b = vertex(1, k % 3 + 1);
    const float mx = 0.5f * (networkX(w, a) + networkX(w, b)),
                my = 0.5f * (networkY(w, a) + networkY(w, b));
    const float ox = mx + 0.2f * (mx - cx), oy = my + 0.2f * (my - cy);
    t = 5;
    surfaceLocateTriangle(ox, oy, h, inside, t, sub, edge, slot, w);
    EXPECT_EQ(inside, 0);
    EXPECT_EQ(t, 1);
    EXPECT_EQ(sub, k);
    const float px = networkX(w, a) + 3.0f * (networkX(w, a) - cx),
                py = networkY(w, a) + 3.0f * (networkY(w, a) - cy);
    t = 1;
    surfaceLocateTriangle(px, py, h, inside, t, sub, edge, slot, w);
    EXPECT_EQ(inside, 0);
    EXPECT_EQ(t, 0);
    EXPECT_EQ(nw.nearestHullPoint, a);
}

TEST_F(InterpolationTest, LevelCrossingFindsTheLevelOnASegment)
{
    build(randomPoints(50, 4, planeZ));
    TRIINT(1, 10, 1);
    int status = 0;
    surfacePrepareNetwork(wsize, work.data(), true, status);
    ASSERT_EQ(status, 0);
    const NetworkLayout& n = surfaceState.network;
    // from (3, 5) to (7, 5): z = 2x - 14 runs from -8 to 0; level -3 lies at x = 5.5
    auto nx = [&](float x) { return float((x - n.xmin) / n.xrange); };
    auto ny = [&](float y) { return float((y - n.ymin) / n.yrange); };
    auto nz = [&](float z) { return float((z - n.zmin) / n.zrange); };
    float x1 = nx(3), x2 = nx(7), y1 = ny(5), y2 = ny(5), xc = 0, yc = 0;
    surfaceLevelCrossing(0, 0, nz(-3.0f), x1, x2, y1, y2, nz(-8.0f), nz(0.0f), xc, yc, work.data());
    EXPECT_EQ(surfaceState.networkWork.crossingFound, -1);
    EXPECT_NEAR(xc * n.xrange + n.xmin, 5.5f, 1e-3f);
    // an end on the level is moved 0.001 of the way along
    x1 = nx(3);
    x2 = nx(7);
    surfaceLevelCrossing(0, 0, nz(-8.0f), x1, x2, y1, y2, nz(-8.0f), nz(0.0f), xc, yc, work.data());
    EXPECT_NEAR(x1 * n.xrange + n.xmin, 3.004f, 1e-4f);
    // a level the segment never reaches: no crossing
    x1 = nx(3);
    x2 = nx(7);
    surfaceLevelCrossing(0, 0, nz(5.0f), x1, x2, y1, y2, nz(-8.0f), nz(0.0f), xc, yc, work.data());
    EXPECT_EQ(surfaceState.networkWork.crossingFound, 0);
}

}  // namespace
