// Tests of the long forms of the overlays and queries: records split and joined, codes
// translated, the legacy routine called (also for empty input), and the caller's workspace
// left as it was.
#include <cmath>
#include <string>
#include <vector>

#include "grid/map_fixture.h"

namespace {

float valley(float x, float) { return std::fabs(x - 5.0f); }

}  // namespace

class OverlayLongFormTest : public MapFixture {
protected:
    SurfaceWorkspace ws;

    void copyToWorkspace()
    {
        krMakeWorkspace(wsize(), ws);
        std::copy(work.begin(), work.end(), ws.words);
    }
    void TearDown() override
    {
        krFreeWorkspace(ws);
        MapFixture::TearDown();
    }
};

TEST_F(OverlayLongFormTest, PolylineAndGridLinesDrawAsTheirLegacyRoutines)
{
    makeMap(11, 11, 0, 10, 0, 10, valley);
    const SurfacePoint2 points[3] = {{1, 2}, {3, 4}, {5, 1}};
    const float x[3] = {1, 3, 5}, y[3] = {2, 4, 1};
    capture();
    LINCON(3, x, y);
    const std::vector<std::string> legacy = calls();
    capture();
    krAddContourPolyline(3, points);
    EXPECT_EQ(calls(), legacy);

    capture();
    CONGRD(1, 9, 2, 0, 10, 5);
    const std::vector<std::string> grid = calls();
    capture();
    krAddContourMapGrid(SurfaceExtent{1, 9, 0, 10}, 2, 5);
    EXPECT_EQ(calls(), grid);
    EXPECT_TRUE(reported().empty());

    // LINCON is reached with no points too: it reports the missing map.
    surfaceState.drawing.code = kDrawingNone;
    krAddContourPolyline(0, nullptr);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoMap)}));
}

TEST_F(OverlayLongFormTest, SpotHeight)
{
    makeMap(11, 11, 0, 10, 0, 10, valley);
    copyToWorkspace();
    float z = -1;
    krReturnContourSpotHeight(7.25f, 3.0f, z, ws);
    EXPECT_FLOAT_EQ(z, 2.25f);
    krReturnContourSpotHeight(11.0f, 3.0f, z, ws);
    EXPECT_EQ(z, 0.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kOutsideWindow)}));
}

TEST_F(OverlayLongFormTest, DatasetJoinsOnlyTheReturnedPoints)
{
    makeMap(11, 11, 0, 10, 0, 10, valley);
    copyToWorkspace();
    const std::vector<float> before(ws.words, ws.words + ws.size);
    // The plain contour through the legacy routine, for comparison.
    std::vector<float> x(4000), y(4000);
    std::vector<int> lengths(4, -1);
    int npts = 4000, nlines = 4;
    std::vector<float> legacyWork = work;
    CONPTS(2.5f, 0, 0, npts, x.data(), y.data(), nlines, lengths.data(), wsize(),
           legacyWork.data());

    std::vector<SurfacePoint2> points(static_cast<size_t>(npts) + 5, SurfacePoint2{-9, -9});
    std::vector<int> longLengths(4, -1);
    int n = static_cast<int>(points.size());
    int lines = 4;
    krReturnContourDataset(2.5f, kSurfContourSwitchOff, 0, n, points.data(), lines,
                           longLengths.data(), ws);
    ASSERT_EQ(n, npts);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(longLengths, lengths);
    for (int k = 0; k < n; ++k) {
        EXPECT_EQ(points[k].x, x[k]);
        EXPECT_EQ(points[k].y, y[k]);
    }
    EXPECT_EQ(points[static_cast<size_t>(n)].x, -9.0f);  // records beyond the count untouched
    // The legacy routine works in its workspace; the caller's stays as it was.
    EXPECT_TRUE(std::equal(before.begin(), before.end(), ws.words));

    // The smoothed kind code gives the smoothed contour: more points than the plain one.
    n = static_cast<int>(points.size());
    lines = 4;
    krReturnContourDataset(2.5f, kSurfContourSwitchOn, 0, n, points.data(), lines,
                           longLengths.data(), ws);
    EXPECT_GT(n, npts);
    EXPECT_TRUE(reported().empty() || reported() == std::vector<int>({asReported(kPointsShort)}));

    // A refused call (no map) returns nothing and leaves the records alone.
    surfaceState.drawing.code = kDrawingNone;
    tarv::errorLogClear();
    std::vector<SurfacePoint2> untouched(3, SurfacePoint2{-9, -9});
    n = 3;
    lines = 1;
    krReturnContourDataset(2.5f, kSurfContourSwitchOff, 1, n, untouched.data(), lines,
                           longLengths.data(), ws);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoDrawingToAddTo)}));
    EXPECT_EQ(n, 3);
    EXPECT_EQ(untouched[0].x, -9.0f);
    EXPECT_EQ(untouched[2].y, -9.0f);
}
