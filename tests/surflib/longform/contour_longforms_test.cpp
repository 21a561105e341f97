// Tests of the long forms of the gridded maps, band fills and gridding: switch codes and pen
// pairs reach the legacy routines translated, the workspace comes back holding the map only
// from the routines that draw one, and the gridding long forms make it anew.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "../surface_test.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/contour_test_util.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

class ContourLongFormTest : public SurfaceTest {
protected:
    void SetUp() override
    {
        SurfaceTest::SetUp();
        SURF();
        CONFRA(1);
    }
    void TearDown() override
    {
        krFreeWorkspace(ws);
        SurfaceTest::TearDown();
    }

    const std::vector<float> z = {0, 1, 2, 1, 2, 3, 2, 3, 4};  // 3 by 3
    const SurfaceExtent extent{0.0f, 2.0f, 0.0f, 2.0f};
    SurfaceWorkspace ws;
};

TEST_F(ContourLongFormTest, SwitchCodesReachTheMapTranslated)
{
    struct Case {
        int code;
        int smoothed;  // the line switch in force after the map
        std::vector<int> errors;
    };
    const Case cases[] = {{kSurfContourSwitchOn, -1, {}},
                          {1, -1, {}},
                          {kSurfContourSwitchOff, 0, {}},
                          {7, 0, {asReported(kBadLineSwitch)}}};
    for (const Case& c : cases) {
        SetUp();
        krMakeWorkspace(100, ws);
        krDrawGriddedContourMap(extent, 3, 3, z.data(), 4, c.code, ws);
        EXPECT_EQ(surfaceState.smoothedLines, c.smoothed) << c.code;
        EXPECT_EQ(reported(), c.errors) << c.code;
        tarv::errorLogClear();
        krAddGriddedContour(1.5f, c.code == 7 ? 0 : c.code, ws);
        EXPECT_EQ(surfaceState.smoothedLines, c.smoothed) << c.code;
        EXPECT_TRUE(reported().empty()) << c.code;
    }
}

TEST_F(ContourLongFormTest, OnlyTheMapDrawersLeaveTheirWorkInTheCallersArray)
{
    krMakeWorkspace(100, ws);
    krDrawGriddedContourMap(extent, 3, 3, z.data(), 4, kSurfContourSwitchOff, ws);
    // The grid stands at the start of the workspace.
    for (int k = 0; k < 9; ++k) EXPECT_EQ(ws.words[k], z[k]);
    const std::vector<float> before(ws.words, ws.words + ws.size);
    krAddGriddedContour(2.5f, kSurfContourSwitchOff, ws);
    krAddGriddedContourFill(1.0f, 2.0f, 0, 3, 0, kSurfContourSwitchOff, ws);
    EXPECT_EQ(std::vector<float>(ws.words, ws.words + ws.size), before);
    EXPECT_EQ(
        reported(),
        std::vector<int>{asReported(kWorkspaceShort)});  // the fill needs the larger fill layout
}

TEST_F(ContourLongFormTest, PenPairsBecomeFillCodes)
{
    krMakeWorkspace(3 * 9 + 1000, ws);
    // (0, 4) colour 4; (2, 0) pattern 2: 1002; (1, 6) kernel pen 6: 2006; (-1, 9) none.
    const int pens[8] = {0, 4, 2, 0, 1, 6, -1, 9};
    krFillGriddedContourMap(extent, 3, 3, z.data(), 3, kSurfContourSwitchOff, pens, 0, ws);
    ASSERT_GE(surfaceState.fillBandCount, 4);
    const int expected[4] = {4, 1002, 2006, -1};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(surfaceState.bands.bandCodes[k], expected[k]) << k;
    // The grid stays in the caller's workspace: a band can be added.
    krAddGriddedContourFill(3.0f, 1.0f, 0, 5, 0, kSurfContourSwitchOff, ws);
    EXPECT_EQ(surfaceState.bands.bandCodes[surfaceState.fillBandCount - 1], 5);
    EXPECT_TRUE(reported().empty());

    // Count 0 takes one pen pair: under a CONDEF list of one height its code fills both bands,
    // the whole map area.  A negative count reads no pairs, and nothing is filled, also for the
    // count whose magnitude leaves the integers (the map then makes its nice bands for 10).
    const int onePair[2] = {0, 4};
    const float middle[1] = {2.0f};
    const struct {
        int count;
        const int* pens;
        const float* listed;  // a CONDEF list of one height, or none
        int code;             // of every band
        std::vector<int> errors;
    } cases[] = {
        {0, onePair, middle, 4, {}},
        {-2, nullptr, nullptr, -1, {asReported(kNegativeCount)}},
        {INT_MIN,
         nullptr,
         nullptr,
         -1,
         {asReported(kNegativeCount), asReported(kBadIntervalCount)}},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.listed != nullptr) CONDEF(1, c.listed);
        capture();
        krFillGriddedContourMap(extent, 3, 3, z.data(), c.count, kSurfContourSwitchOff, c.pens, 0,
                                ws);
        const std::vector<Fill> fills = fillsOf(calls());
        EXPECT_EQ(reported(), c.errors) << c.count;
        double area = 0.0;
        for (const Fill& f : fills) area += areaOf(f.points);
        const MapTransform& m = surfaceState.map;
        EXPECT_NEAR(area, c.code < 0 ? 0.0 : m.mapWidth * m.mapHeight, 1.0) << c.count;
        EXPECT_GT(surfaceState.fillBandCount, 0) << c.count;
        for (int k = 0; k < surfaceState.fillBandCount; ++k)
            EXPECT_EQ(surfaceState.bands.bandCodes[k], c.code) << c.count << " band " << k;
    }
}

TEST_F(ContourLongFormTest, GriddingMakesTheWorkspaceAnewAndLeavesThePointsAlone)
{
    krMakeWorkspace(5, ws);
    krGenerateRandomGrid(0, nullptr, extent, 31, 31, nullptr, ws);
    int size = 0;
    surfaceGriddingWorkspaceSize(31, 31, 0, size);
    EXPECT_EQ(ws.size, size);
    EXPECT_NE(ws.words, nullptr);
    EXPECT_TRUE(reported().empty());  // no gridding without points

    std::vector<SurfacePoint3> points;
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) points.push_back({i * 2.0f / 3, j * 2.0f / 3, 3.0f * i - j});
    }
    const std::vector<SurfacePoint3> before = points;
    std::vector<float> grid(9, -1.0f);
    krGenerateRandomGrid(16, points.data(), extent, 3, 3, grid.data(), ws);
    surfaceGriddingWorkspaceSize(3, 3, 16, size);
    EXPECT_EQ(ws.size, size);
    for (size_t k = 0; k < points.size(); ++k) {
        EXPECT_EQ(points[k].x, before[k].x);
        EXPECT_EQ(points[k].y, before[k].y);
    }
    EXPECT_NEAR(grid[4], 3.0f * 1.5f - 1.5f, 1e-3);  // the plane 3x - y at (1, 1) in lattice units

    auto f = [](const float& x, const float& y) { return x - y; };
    krGenerateFunctionGrid(f, extent, 3, 3, grid.data(), ws);
    surfaceGriddingWorkspaceSize(3, 3, 0, size);
    EXPECT_EQ(ws.size, size);
    EXPECT_FLOAT_EQ(grid[2], 2.0f);
    EXPECT_FLOAT_EQ(grid[6], -2.0f);
}

}  // namespace
