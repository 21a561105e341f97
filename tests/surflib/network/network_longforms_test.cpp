// Tests of the network long forms: workspace sizing of the builders and the grid sampler, the
// translation of kind, region, method, weighting and marker codes, and record splitting.
#include "network_fixture.h"

namespace {

class NetworkLongFormTest : public NetworkTest {
protected:
    void TearDown() override
    {
        krFreeWorkspace(ws);
        krFreeWorkspace(grid);
        NetworkTest::TearDown();
    }
    std::vector<SurfacePoint3> records(int n, unsigned seed)
    {
        std::vector<SurfacePoint3> r;
        for (const NetPoint& p : randomPoints(n, seed, planeZ)) r.push_back({p.x, p.y, p.z});
        return r;
    }
    SurfaceWorkspace ws;
    SurfaceWorkspace grid;
};

TEST_F(NetworkLongFormTest, BuildersMakeTheWorkspaceForTheMaximumCount)
{
    const std::vector<SurfacePoint3> pts = records(20, 1);
    krGenerateRandomNetwork(20, 20, pts.data(), ws);  // capacity 18: no room for 20 points
    EXPECT_EQ(ws.size, 36 * 20 + 36);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
    EXPECT_EQ(tarv::errorLog()[0].routine, "krGenerateRandomNetwork(RANTRI)");
    tarv::errorLogClear();
    krGenerateRandomNetwork(23, 20, pts.data(), ws);
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(ws.words[2], 1.0f);
    EXPECT_EQ(surfaceState.network.capacity, 21);

    // a count far beyond the maximum: refused before any record is read
    tarv::errorLogClear();
    SurfaceWorkspace other;
    krGenerateRandomNetwork(23, 2000000000, pts.data(), other);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
    krFreeWorkspace(other);
    tarv::errorLogClear();
    const SurfacePoint3 square[] = {{3, 3, 0}, {7, 3, 0}, {7, 7, 0}, {3, 7, 0}};
    krAddNetworkRegion(1, 2000000000, square, nullptr, 0, ws);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kWorkspaceShort)});
    EXPECT_EQ(tarv::errorLog()[0].routine, "krAddNetworkRegion(TRIREG)");

    tarv::errorLogClear();
    std::vector<SurfaceGradient> g(20, SurfaceGradient{2.0f, -3.0f});
    krGenerateDerivsNetwork(30, 20, pts.data(), g.data(), ws);
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(ws.words[1], 1.0f);  // derivatives given
    SurfaceGradient d{0, 0};
    float h = 0.0f;
    krReturnNetworkSpotHeight(pts[5].x, pts[5].y, h, d, ws);
    EXPECT_NEAR(h, pts[5].z, 1e-4f);
    EXPECT_NEAR(d.dzdx, 2.0f, 1e-4f);
    EXPECT_NEAR(d.dzdy, -3.0f, 1e-4f);
}

TEST_F(NetworkLongFormTest, PointKindCodes)
{
    const std::vector<SurfacePoint3> pts = records(40, 2);
    struct Case {
        int code;
        float z;
        float expected;  // NAN: the network's own height
    };
    const Case cases[] = {{kSurfNetPointHeight, 50.0f, 50.0f},
                          {kSurfNetPointDerivatives, -5.0f, -5.0f},
                          {2, 7.0f, 7.0f},
                          {1, 9.0f, 9.0f},
                          {kSurfNetPointInterpolated, 50.0f, NAN},
                          {0, 50.0f, NAN},
                          {12345, 50.0f, NAN}};
    float x = 2.2f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        krGenerateRandomNetwork(60, 40, pts.data(), ws);
        krAddNetworkPoint(c.code, SurfacePoint3{x, 6.3f, c.z}, SurfaceGradient{1.0f, 1.0f}, ws);
        SurfaceGradient d{0, 0};
        float h = 0.0f;
        krReturnNetworkSpotHeight(x, 6.3f, h, d, ws);
        EXPECT_NEAR(h, std::isnan(c.expected) ? planeZ(x, 6.3f) : c.expected, 1e-3f);
        x += 0.7f;
    }
}

TEST_F(NetworkLongFormTest, RegionKindCodes)
{
    const std::vector<SurfacePoint3> pts = records(60, 3);
    const SurfacePoint3 square[] = {{3, 3, 0}, {7, 3, 0}, {7, 7, 0}, {3, 7, 0}};
    struct Case {
        int code;
        bool outsideMarked;
        std::vector<int> errors;
    };
    const Case cases[] = {{kSurfNetRegion0, false, {}},
                          {kSurfNetRegion1, false, {}},
                          {kSurfNetRegion1b, false, {}},
                          {2, true, {}},
                          {5, true, {asReported(kBadSwitch)}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        krGenerateRandomNetwork(100, 60, pts.data(), ws);
        tarv::errorLogClear();
        krAddNetworkRegion(kSurfNetPointHeight, 4, square, nullptr, c.code, ws);
        EXPECT_EQ(reported(), c.errors);
        // the triangle at the lower-left corner of the data is outside the square
        work.assign(ws.words, ws.words + ws.size);
        int corner = 0;
        for (int t = 1; t <= triangleCount() && corner == 0; ++t) {
            for (int k = 1; k <= 3; ++k) {
                const NetPoint p = point(vertex(t, k));
                if (p.x < 2.0f && p.y < 2.0f) corner = t;
            }
        }
        ASSERT_GT(corner, 0);
        EXPECT_EQ(mark(corner) < 0.0f, c.outsideMarked);
    }
}

TEST_F(NetworkLongFormTest, SettingCodes)
{
    struct Case {
        int methodCode, weightingCode;
        int method, weighting;
    };
    const Case cases[] = {{kSurfNetMethodLinear, kSurfNetWeighting1, 0, 1},
                          {kSurfRandomMethod1, 0, 1, 1},
                          {kSurfNetMethodCubic, kSurfNetWeighting2, 2, 2},
                          {1, kSurfNetWeighting3, 1, 3},
                          {0, 1, 0, 4},
                          {2, 3, 2, 3}};
    for (const Case& c : cases) {
        krSetNetworkInterpolation(c.methodCode, 9, c.weightingCode);
        EXPECT_EQ(surfaceState.networkSettings.interpolationMethod, c.method) << c.methodCode;
        EXPECT_EQ(surfaceState.networkSettings.weightingFunction, c.weighting) << c.weightingCode;
        EXPECT_EQ(surfaceState.networkSettings.neighbourCount, 9);
    }
    EXPECT_TRUE(reported().empty());
    krSetNetworkContourStep(-3.0f);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kNegativeValue)});
    EXPECT_EQ(surfaceState.networkSettings.contourStep, 3.0f);
}

TEST_F(NetworkLongFormTest, MarkerCodesAndTheOneRemembered)
{
    const std::vector<SurfacePoint3> pts = records(30, 4);
    krGenerateRandomNetwork(40, 30, pts.data(), ws);
    work.assign(ws.words, ws.words + ws.size);
    layOutNetworkMap();
    struct Case {
        int code, value, marker;
    };
    // 0 at first use for an unknown code, then each known code, and an unknown code keeping it
    const Case cases[] = {{999, 4, 0}, {kSurfMarkerWithValue, 5, -5},
                          {12, 8, -5}, {kSurfMarkerPlain, 6, 6},
                          {0, 6, 0},   {77, 2, 0}};
    surfaceState.contour.pointMarker = 0;
    for (const Case& c : cases) {
        surfaceState.contour.pointMarker = 1234;
        capture();
        krDrawNetwork(c.code, c.value, ws);
        const size_t markers = only(calls(), "kernelDrawMarker").size();
        // TRINET changes the marker setting only when it is given one
        EXPECT_EQ(surfaceState.contour.pointMarker, c.marker == 0 ? 1234 : c.marker) << c.code;
        EXPECT_EQ(markers > 0, c.marker != 0) << c.code;
    }
}

TEST_F(NetworkLongFormTest, GridSamplerLeavesTheNetworkAndMakesTheGridWorkspace)
{
    const std::vector<SurfacePoint3> pts = records(40, 5);
    krGenerateRandomNetwork(50, 40, pts.data(), ws);
    const std::vector<float> before(ws.words, ws.words + ws.size);
    std::vector<float> z(12);
    TRIINT(0, 10, 1);
    krGenerateNetworkGrid(SurfaceExtent{3.0f, 6.0f, 4.0f, 6.0f}, 4, 3, z.data(), ws, grid);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), ws.words));
    EXPECT_NEAR(z[5], planeZ(4.0f, 5.0f), 1e-3f);
    EXPECT_EQ(grid.size, 3 * 12 + 10000);
    krGenerateNetworkGrid(SurfaceExtent{3.0f, 6.0f, 4.0f, 6.0f}, 200, 300, nullptr, ws, grid);
    EXPECT_EQ(grid.size, 200 * 300 * 3 + 10000);
}

}  // namespace
