// Tests of heights on a network: the three methods against planes, quadratics and a smooth
// function, spot heights at data points and outside the network, the fit's neighbour count
// and weighting (against a weighted least squares computed here, also after a singular first
// try), and the two interpolation setters.
#include "network_fixture.h"

#include <random>

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
    // The local fit's gradient about (x, y), in normalised units, computed here from the
    // documented rule over every data point of the network: the k nearest, weighted by their
    // distance d against R, the distance of the (k + 1)-th nearest; the weighted least squares
    // of the quadratic in dx, dy solved from its normal equations.  False when the equations
    // are singular.
    bool referenceFit(float x, float y, int k, int weighting, double gradient[2]) const
    {
        const float* w = work.data();
        std::vector<std::pair<double, int>> near;
        for (int j = 1; j <= pointCount(); ++j) {
            const double dx = double(networkX(w, j)) - x, dy = double(networkY(w, j)) - y;
            near.emplace_back(std::sqrt(dx * dx + dy * dy), j);
        }
        std::sort(near.begin(), near.end());
        const double R = near[static_cast<size_t>(k)].first, tw = 20.0 * surfaceState.eps;
        double a[6][7] = {};
        for (int i = 0; i < k; ++i) {
            const auto [d, j] = near[static_cast<size_t>(i)];
            const double weights[4] = {d > tw ? (R - d) * (R - d) / (d * d) : 0.0,
                                       (R - d) * (R - d), d > tw ? 1.0 / (d * d) : 0.0,
                                       d > tw ? 1.0 / d - 1.0 / R : 0.0};
            const double wt = weights[weighting - 1];
            const double dx = double(networkX(w, j)) - x, dy = double(networkY(w, j)) - y;
            const double psi[7] = {1.0, dx, dy, dx * dx, dx * dy, dy * dy, networkZ(w, j)};
            for (int r = 0; r < 6; ++r) {
                for (int c = 0; c < 7; ++c) a[r][c] += wt * psi[r] * psi[c];
            }
        }
        // Gauss-Jordan with partial pivoting; a pivot lost against the matrix's scale is
        // singular.
        double scale = 0.0;
        for (const auto& row : a) scale = std::max(scale, std::fabs(row[0]));
        for (int c = 0; c < 6; ++c) {
            int p = c;
            for (int r = c + 1; r < 6; ++r) {
                if (std::fabs(a[r][c]) > std::fabs(a[p][c])) p = r;
            }
            if (!(std::fabs(a[p][c]) > 1e-12 * scale)) return false;
            std::swap(a[p], a[c]);
            for (int r = 0; r < 6; ++r) {
                if (r == c) continue;
                const double f = a[r][c] / a[c][c];
                for (int j = c; j < 7; ++j) a[r][j] -= f * a[c][j];
            }
        }
        gradient[0] = a[1][6] / a[1][1];
        gradient[1] = a[2][6] / a[2][2];
        return true;
    }
    // The library's fit about (x, y) in normalised units, status 0, against the reference.
    void expectFitAsReference(float x, float y, int k, int weighting)
    {
        double want[2] = {};
        ASSERT_TRUE(referenceFit(x, y, k, weighting, want));
        float h = 0.0f, gx = 0.0f, gy = 0.0f;
        int status = -1;
        surfaceNearestFitHeight(x, y, h, gx, gy, work.data(), status);
        ASSERT_EQ(status, 0);
        EXPECT_NEAR(gx, want[0], 1e-4 * (1.0 + std::fabs(want[0])));
        EXPECT_NEAR(gy, want[1], 1e-4 * (1.0 + std::fabs(want[1])));
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

float wavy(float x, float y) { return std::exp(0.3f * x) * std::sin(1.3f * y) + std::cos(x); }

// On heights that no quadratic fits, each weighting gives its own fit, and the library's is the
// weighted least squares of the documented weights over the same candidates: twenty points
// make a bucket grid of two by two, every window of which holds every data point.  Queries at
// the centroids of triangles and at a data point, which weightings 1, 3 and 4 leave out.
TEST_F(InterpolationTest, FitWeightsFollowTheirRuleOnHeightsNoQuadraticFits)
{
    build(randomPoints(20, 8, wavy));
    int status = 0;
    surfacePrepareNetwork(wsize, work.data(), false, status);
    ASSERT_EQ(status, 0);
    ASSERT_LE(surfaceState.network.bucketCount, 2);
    const float* w = work.data();
    std::vector<std::pair<float, float>> queries{{networkX(w, 7), networkY(w, 7)}};
    for (int t = 1; t <= triangleCount(); t += 4) {
        float cx = 0.0f, cy = 0.0f;
        for (int k = 1; k <= 3; ++k) {
            cx += networkX(w, vertex(t, k)) / 3.0f;
            cy += networkY(w, vertex(t, k)) / 3.0f;
        }
        queries.emplace_back(cx, cy);
    }
    for (int weighting : {1, 2, 3, 4}) {
        TRIINT(1, 10, weighting);
        for (const auto& [x, y] : queries) {
            SCOPED_TRACE(testing::Message()
                         << "weighting " << weighting << " at " << x << ", " << y);
            expectFitAsReference(x, y, 10, weighting);
        }
    }
    EXPECT_TRUE(reported().empty());
}

// Ten nearest points on one line make the first fit singular; the retry takes four more from
// the same window, which already holds all twenty, and must take every one of the first ten
// again: its fit is the reference's over the fourteen nearest.
TEST_F(InterpolationTest, RetriedSingularFitTakesEveryCandidateAgain)
{
    std::vector<NetPoint> pts;
    for (const float dx : {-1.45f, -1.05f, -0.7f, -0.35f, -0.1f, 0.15f, 0.45f, 0.8f, 1.2f, 1.5f})
        pts.push_back({5.0f + dx, 5.0f, wavy(5.0f + dx, 5.0f)});
    for (int k = 0; k < 10; ++k) {
        const double a = 0.6283185307 * k + 0.2, r = 2.5 + 0.2 * k;
        const float x = static_cast<float>(5.0 + r * std::cos(a)),
                    y = static_cast<float>(5.0 + r * std::sin(a));
        pts.push_back({x, y, wavy(x, y)});
    }
    build(pts);
    TRIINT(1, 10, 1);
    int status = 0;
    surfacePrepareNetwork(wsize, work.data(), false, status);
    ASSERT_EQ(status, 0);
    ASSERT_LE(surfaceState.network.bucketCount, 2);
    const NetworkLayout& n = surfaceState.network;
    // The query on the line between its fifth and sixth points, at the normalised height of
    // the line's points themselves.
    int onLine = 1;
    while (onLine < pointCount() && std::fabs(point(onLine).y - 5.0f) > 1e-4f) ++onLine;
    ASSERT_NEAR(point(onLine).y, 5.0f, 1e-4f);
    const float x = static_cast<float>((5.0 - n.xmin) / n.xrange),
                y = networkY(work.data(), onLine);
    double gradient[2];
    ASSERT_FALSE(referenceFit(x, y, 10, 1, gradient)) << "the first fit must be singular";
    expectFitAsReference(x, y, 14, 1);
    EXPECT_EQ(surfaceState.networkSettings.workingNeighbourCount, 10);
    EXPECT_TRUE(reported().empty());
}

// On a network large enough for the centroid fits to be spread over threads, every vertex
// gradient is the mean, over its triangles in number order, of the gradients at the vertex of
// the fits at their centroids, taken here one fit after another, which also leave the same last
// fit; and a neighbour count out of range warns once a fit, as many times as there are
// triangles.
TEST_F(InterpolationTest, VertexGradientsOfALargeNetworkAreTheMeansOfTheCentroidFits)
{
    build(randomPoints(12000, 29, wavy));
    const float* w = work.data();
    const int N = pointCount(), T = triangleCount();
    ASSERT_GT(T, 20000);
    std::vector<float> gx(static_cast<size_t>(N) + 1), gy(gx.size()), weight(gx.size());
    TRIINT(2, 10, 1);
    int status = -1;
    surfacePrepareNetwork(wsize, work.data(), false, status);
    ASSERT_EQ(status, 0);
    for (int t = 1; t <= T; ++t) {
        float cx = 0.0f, cy = 0.0f, h = 0.0f, dx = 0.0f, dy = 0.0f;
        cx = static_cast<float>((double(networkX(w, vertex(t, 1))) + networkX(w, vertex(t, 2)) +
                                 networkX(w, vertex(t, 3))) /
                                3.0);
        cy = static_cast<float>((double(networkY(w, vertex(t, 1))) + networkY(w, vertex(t, 2)) +
                                 networkY(w, vertex(t, 3))) /
                                3.0);
        surfaceNearestFitHeight(cx, cy, h, dx, dy, work.data(), status);
        ASSERT_EQ(status, 0);
        for (int k = 1; k <= 3; ++k) {
            const auto j = static_cast<size_t>(vertex(t, k));
            surfaceQuadraticPatch(cx, cy, networkX(w, vertex(t, k)), networkY(w, vertex(t, k)), h,
                                  dx, dy);
            gx[j] += dx;
            gy[j] += dy;
            weight[j] += 1.0f;
        }
    }
    // The last fit and its last gradient stay as the sequence leaves them.
    const NetworkWorking last = surfaceState.networkWork;
    surfaceState.networkWork.fit[0] = surfaceState.networkWork.fitGradient[0] = -1.0f;
    surfacePrepareNetwork(wsize, work.data(), true, status);
    ASSERT_EQ(status, 0);
    for (int c = 0; c < 6; ++c) EXPECT_EQ(surfaceState.networkWork.fit[c], last.fit[c]);
    EXPECT_EQ(surfaceState.networkWork.fitGradient[0], last.fitGradient[0]);
    EXPECT_EQ(surfaceState.networkWork.fitGradient[1], last.fitGradient[1]);
    int differ = 0;
    for (int j = 1; j <= N; ++j) {
        const auto i = static_cast<size_t>(j);
        if (networkPointField(w, j, kNetDzdx) != gx[i] / weight[i] ||
            networkPointField(w, j, kNetDzdy) != gy[i] / weight[i]) {
            if (differ++ == 0) ADD_FAILURE() << "point " << j;
        }
    }
    EXPECT_EQ(differ, 0);
    EXPECT_TRUE(reported().empty());

    TRIINT(2, 40, 1);
    surfaceState.network.gradientsReady = 0;
    tarv::errorLogClear();
    tarv::setErrorEcho(false);
    surfacePrepareNetwork(wsize, work.data(), true, status);
    tarv::setErrorEcho(true);
    EXPECT_EQ(tarv::errorCount(), static_cast<std::uint64_t>(T));
    for (const int number : reported()) EXPECT_EQ(number, asReported(kFewNeighbours));
}

// Random points as close together as a million give over their extent: a patch of them in
// the middle of a square whose corners are data points too, in the caller's units at the
// origin and as an ordinary projected survey far from it (easting 5e5, northing 5e6, a square
// of 6 km), under a quadratic.  No fit is singular, and every vertex gradient of the patch is
// the quadratic's own: the fits are the full quadratics, not planes of a wider patch.
TEST_F(InterpolationTest, DenseScatteredPointsGiveExactGradientsAndNoSingularFit)
{
    struct Place {
        double east, north, side;
    };
    for (const Place& at : {Place{0.0, 0.0, 6.0}, Place{5.0e5, 5.0e6, 6000.0}}) {
        SCOPED_TRACE(testing::Message() << "at " << at.east << ", " << at.north);
        // z over the square's own coordinates u, v in [0, 1].
        auto u = [&](double x) { return (x - at.east) / at.side; };
        auto v = [&](double y) { return (y - at.north) / at.side; };
        auto z = [&](double x, double y) {
            return 1.0 + u(x) - 2.0 * v(y) + 3.0 * u(x) * u(x) - 4.0 * u(x) * v(y) +
                2.0 * v(y) * v(y);
        };
        std::vector<NetPoint> pts;
        auto add = [&](double x, double y) {
            const float fx = static_cast<float>(x), fy = static_cast<float>(y);
            pts.push_back({fx, fy, static_cast<float>(z(fx, fy))});
        };
        for (const double cu : {0.0, 1.0}) {
            for (const double cv : {0.0, 1.0}) add(at.east + cu * at.side, at.north + cv * at.side);
        }
        // 2000 points at the density of 10^6 over the square: a patch of side 0.045.
        std::mt19937 rng(23);
        std::uniform_real_distribution<double> patch(0.4775, 0.5225);
        for (int i = 0; i < 2000; ++i)
            add(at.east + patch(rng) * at.side, at.north + patch(rng) * at.side);
        build(pts);
        tarv::errorLogClear();
        TRIINT(2, 10, 1);
        int status = -1;
        surfacePrepareNetwork(wsize, work.data(), true, status);
        ASSERT_EQ(status, 0);
        EXPECT_TRUE(reported().empty());
        // The gradients in normalised units: dz/dx * xrange / zrange.
        const NetworkLayout& n = surfaceState.network;
        int off = 0;
        for (int j = 1; j <= pointCount(); ++j) {
            const NetPoint p = point(j);
            const double pu = u(p.x), pv = v(p.y);
            if (std::fabs(pu - 0.5) > 0.02 || std::fabs(pv - 0.5) > 0.02) continue;
            const double gx = (1.0 + 6.0 * pu - 4.0 * pv) / at.side * n.xrange / n.zrange;
            const double gy = (-2.0 - 4.0 * pu + 4.0 * pv) / at.side * n.yrange / n.zrange;
            const float* w = work.data();
            if (std::fabs(networkPointField(w, j, kNetDzdx) - gx) > 2e-3 ||
                std::fabs(networkPointField(w, j, kNetDzdy) - gy) > 2e-3) {
                if (off++ == 0)
                    ADD_FAILURE() << "point " << j << ": " << networkPointField(w, j, kNetDzdx)
                                  << ", " << networkPointField(w, j, kNetDzdy) << " for " << gx
                                  << ", " << gy;
            }
        }
        EXPECT_EQ(off, 0);
    }
}

// The fit's candidates come from a window of buckets grown alike on every side: on points
// symmetric about the middle of the network (turned half a turn they are the same set, with
// the same heights), the heights at two points that the half turn swaps are the same.  Dense
// corners and sparse rest: away from the corners the window must grow several times.
TEST_F(InterpolationTest, FitHeightsOfPointsSymmetricAboutTheMiddleAreTheSame)
{
    std::mt19937 rng(17);
    std::uniform_real_distribution<float> dense(0.0f, 3.0f), sparse(0.0f, 10.0f);
    auto z = [](float x, float y) { return std::sin(0.7f * x) + std::cos(0.4f * y) + 0.1f * x; };
    std::vector<NetPoint> pts;
    for (int i = 0; i < 100; ++i) {
        const float x = i < 80 ? dense(rng) : sparse(rng), y = i < 80 ? dense(rng) : sparse(rng);
        const float h = z(x, y) + z(10.0f - x, 10.0f - y);
        pts.push_back({x, y, h});
        pts.push_back({10.0f - x, 10.0f - y, h});
    }
    build(pts);
    TRIINT(1, 10, 1);
    int differ = 0, queries = 0;
    for (float x = 0.35f; x < 10.0f; x += 0.45f) {
        for (float y = 0.2f; y < 10.0f; y += 0.43f) {
            const Spot a = spot(x, y), b = spot(10.0f - x, 10.0f - y);
            ++queries;
            if (std::fabs(a.h - b.h) > 1e-4f * (1.0f + std::fabs(a.h)) && differ++ == 0)
                ADD_FAILURE() << "at " << x << ", " << y << ": " << a.h << " and " << b.h;
        }
    }
    EXPECT_EQ(differ, 0) << "of " << queries;
    // Queries beyond the hull warn and are extrapolated by the same fit.
    for (const int n : reported()) EXPECT_EQ(n, asReported(kOutsideNetwork));
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
