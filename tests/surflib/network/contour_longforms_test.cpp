// contour_longforms_test.cpp - the long forms of the network maps and fills against their
// legacy routines: window records, switch codes, pen pairs turned into fill codes; and the
// library's own smooth curve as the output of network lines.
#include <cmath>

#include "contour_log.h"
#include "network/tracing.h"
#include "network_fixture.h"

using namespace surflib;

namespace {

float alongX(float x, float /*y*/) { return x; }

class NetworkContourLongForms : public NetworkTest {
protected:
    SurfaceWorkspace ws;
    void SetUp() override
    {
        NetworkTest::SetUp();
        CONANN(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);
        std::vector<SurfacePoint3> pts;
        for (int j = 0; j < 6; ++j) {
            for (int i = 0; i < 6; ++i)
                pts.push_back({2.0f * i, 2.0f * j, alongX(2.0f * i, 2.0f * j)});
        }
        krGenerateRandomNetwork(40, static_cast<int>(pts.size()), pts.data(), ws);
        tarv::errorLogClear();
    }
    void TearDown() override
    {
        krFreeWorkspace(ws);
        NetworkTest::TearDown();
    }
};

TEST_F(NetworkContourLongForms, SwitchCodesChooseStraightOrCurvedLines)
{
    TRIINT(2, 10, 1);
    const SurfaceExtent extent{0.0f, 10.0f, 0.0f, 10.0f};
    struct Case {
        int code;
        int smoothing;
        std::vector<int> numbers;
    };
    const Case cases[] = {{kSurfContourSwitchOn, 1, {}},
                          {kSurfContourSwitchOff, 0, {}},
                          {1, 1, {}},
                          {7, 0, {asReported(kBadLineSwitch)}}};
    for (const Case& c : cases) {
        tarv::errorLogClear();
        capture();
        krDrawTriangulatedContourMap(extent, 4, c.code, ws);
        const std::vector<std::string> log = calls();
        EXPECT_EQ(surfaceState.networkContour.smoothing, c.smoothing) << c.code;
        EXPECT_EQ(netlog::curves(log).empty(), c.smoothing == 0) << c.code;
        EXPECT_EQ(reported(), c.numbers) << c.code;
        EXPECT_EQ(surfaceState.grid.xMax, 10.0f);
    }
    tarv::errorLogClear();
    capture();
    krAddTriangulatedContour(5.0f, kSurfContourSwitchOn, ws);
    EXPECT_EQ(netlog::curves(calls()).size(), 1u);
    krSetNetworkFrame(extent, ws);
    EXPECT_EQ(surfaceState.drawing.code, kDrawingNetworkMap);
    EXPECT_TRUE(reported().empty());
    // The legacy routine reports under its own name.
    surfaceState.drawing.code = kDrawingNone;
    krAddTriangulatedContour(5.0f, kSurfContourSwitchOff, ws);
    ASSERT_EQ(tarv::errorLog().size(), 1u);
    EXPECT_EQ(tarv::errorLog()[0].number, asReported(kNoDrawingToAddTo));
    EXPECT_EQ(tarv::errorLog()[0].routine, "krAddTriangulatedContour(ADTCON)");
}

TEST_F(NetworkContourLongForms, PenPairsBecomeFillCodes)
{
    TRIINT(0, 10, 1);
    const SurfaceExtent extent{0.0f, 10.0f, 0.0f, 10.0f};
    // Two bands: below 5 and above it; pairs (1, 3) -> kernel pen 3, (-1, 0) -> not filled.
    LEVELS(0.0f, 0.0f);
    const float heights[1] = {5.0f};
    CONDEF(1, heights);
    const int pens[4] = {1, 3, -1, 0};
    capture();
    krFillTriangulatedContourMap(extent, 1, kSurfContourSwitchOff, pens, 0, ws);
    std::vector<netlog::Fill> fills = netlog::fills(calls());
    ASSERT_FALSE(fills.empty());
    double area = 0.0;
    for (const netlog::Fill& f : fills) {
        EXPECT_EQ(f.pen, 3);
        area += std::fabs(netlog::mapArea(f.x, f.y));
    }
    EXPECT_NEAR(area, 50.0, 1e-2);
    EXPECT_EQ(surfaceState.bands.bandCodes[0], 2003);
    EXPECT_EQ(surfaceState.bands.bandCodes[1], -1);

    capture();
    krAddTriangulatedContourFill(8.0f, 6.0f, 0, 4, 0, kSurfContourSwitchOff, ws);
    fills = netlog::fills(calls());
    area = 0.0;
    for (const netlog::Fill& f : fills) area += std::fabs(netlog::mapArea(f.x, f.y));
    EXPECT_NEAR(area, 20.0, 1e-2);
    EXPECT_EQ(surfaceState.bands.bandCodes[surfaceState.fillBandCount - 1], 4);
    EXPECT_TRUE(reported().empty());
}

TEST_F(NetworkContourLongForms, OwnSmoothCurveReadsTheNeighbourPointsBack)
{
    krSetNetworkFrame(SurfaceExtent{0.0f, 10.0f, 0.0f, 10.0f}, ws);
    surfaceState.network.networkRoutineActive = -1;
    surfaceState.networkContour.smoothing = 2;
    NetworkPolylineBuffer& b = surfaceState.networkLine;
    b.continuedFromBefore = -1;
    b.beforeX = 0.1f;
    b.beforeY = 0.1f;
    b.continuesAfter = -1;
    b.afterX = 0.9f;
    b.afterY = 0.5f;
    const float x[4] = {0.2f, 0.4f, 0.6f, 0.8f}, y[4] = {0.2f, 0.4f, 0.4f, 0.5f};
    capture();
    surfaceDrawNetworkContour(4, x, y, ws.words);
    const std::vector<std::string> log = calls();
    surfaceState.network.networkRoutineActive = 0;
    ASSERT_FALSE(only(log, "kernelSetCurveEnds 1 0 1 0").empty());
    ASSERT_FALSE(only(log, "kernelEnquireCurveEnds").empty());
    EXPECT_TRUE(only(log, "kernelDrawCurve").empty());
    // 3 intervals of 15 straight pieces each.
    EXPECT_EQ(only(log, "kernelDrawLineTo").size(), 45u);
}

}  // namespace
