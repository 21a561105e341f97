// Tests of the map overlays and queries: polylines and grid lines in map coordinates, spot
// heights on known grids, contour data sets, data-point markers with value labels, and smooth
// curves, with their errors and degenerate input.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "grid/overlays.h"
#include "map_fixture.h"

using namespace surflib;

namespace {

// Bilinear in each cell, so the spot heights are exact anywhere.
float bilinear(float x, float y) { return x + 2.0f * y + 0.5f * x * y; }

const float kNaN = std::numeric_limits<float>::quiet_NaN();

}  // namespace

class OverlayTest : public MapFixture {
protected:
    // An 11 by 11 grid over 0..10 by 0..10: with equal scale one map unit is 44 picture units
    // and the map's lower-left corner lies at (100, 100).
    void makeSquareMap(const std::function<float(float, float)>& f = bilinear)
    {
        makeMap(11, 11, 0, 10, 0, 10, f);
    }
    static float mapX(float X) { return (X - 100.0f) / 44.0f; }
    static float mapY(float Y) { return (Y - 100.0f) / 44.0f; }
};

TEST_F(OverlayTest, PolylineBlocks)
{
    makeSquareMap();
    struct Row {
        int n;
        int lineTos, moves;
    };
    // 80 points per block, each later block starting with the last point of the one before;
    // 159 points leave a last block of one point, which only moves the pen.
    const Row rows[] = {{1, 0, 0}, {2, 1, 2}, {80, 79, 2}, {81, 80, 4}, {159, 158, 5}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.n);
        std::vector<float> x(static_cast<size_t>(r.n)), y(static_cast<size_t>(r.n));
        for (int k = 0; k < r.n; ++k) {
            x[k] = 10.0f * k / 160.0f;
            y[k] = 5.0f;
        }
        capture();
        LINCON(r.n, x.data(), y.data());
        const std::vector<std::string> log = calls();
        EXPECT_EQ(count(log, "kernelDrawLineTo"), r.lineTos);
        EXPECT_EQ(count(log, "kernelMovePen"), r.moves);
        // The caller's points are left as they were.
        EXPECT_EQ(x.back(), 10.0f * (r.n - 1) / 160.0f);
        if (r.n == 81) {
            const std::vector<DrawnLine> lines = polylines(only(log, "kernel"));
            ASSERT_EQ(lines.size(), 1u);  // the second block continues the first
            EXPECT_EQ(lines[0].x.size(), 81u);
            EXPECT_FLOAT_EQ(lines[0].x[80], 100.0f + 44.0f * 5.0f);
            EXPECT_FLOAT_EQ(lines[0].y[80], 100.0f + 44.0f * 5.0f);
        }
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(OverlayTest, PolylineNeedsAMapAndBreaksAtMissingPoints)
{
    makeSquareMap();
    const float x[5] = {1, 2, kNaN, 4, 5};
    const float y[5] = {1, 2, 3, 4, kNaN};
    const float y2[5] = {1, 2, 3, 4, 5};
    capture();
    LINCON(5, x, y2);
    std::vector<DrawnLine> lines = polylines(calls());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x, std::vector<float>({144, 188}));
    EXPECT_EQ(lines[1].x, std::vector<float>({276, 320}));
    capture();
    LINCON(5, x, y);  // the second run keeps one point only
    EXPECT_EQ(polylines(calls()).size(), 1u);

    // Without a map: error 8; with a map whose frame failed: nothing, silently.
    surfaceState.drawing.code = kDrawingIsometric;
    capture();
    LINCON(5, x, y2);
    EXPECT_EQ(count(calls(), "kernelDrawLineTo"), 0);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoMap)}));
    EXPECT_EQ(routines(), std::vector<std::string>({"krAddContourPolyline(LINCON)"}));
    tarv::errorLogClear();
    surfaceState.drawing.code = kDrawingNetworkMap;
    surfaceState.map.mapWidth = 0.0f;
    capture();
    LINCON(5, x, y2);
    EXPECT_EQ(count(calls(), "kernelDrawLineTo"), 0);
    EXPECT_TRUE(reported().empty());
}

TEST_F(OverlayTest, GridLines)
{
    makeSquareMap();
    // Lines of constant y at 0, 5, 10 (the step divides the range: 10 is drawn once), then of
    // constant x at 0, 3, 6, 9 and 10, running each way in turn, each of two points.
    const std::vector<std::vector<float>> expected = {
        {0, 0, 10, 0}, {10, 5, 0, 5}, {0, 10, 10, 10}, {0, 0, 0, 10},
        {3, 10, 3, 0}, {6, 0, 6, 10}, {9, 10, 9, 0},   {10, 0, 10, 10}};
    struct Row {
        const char* name;
        float x1, x2, xs, y1, y2, ys;
        std::vector<int> errors;
    };
    const Row rows[] = {
        {"plain", 0, 10, 3, 0, 10, 5, {}},
        {"beyond the window", -1, 12, 3, 0, 10, 5, {asReported(kClipped), asReported(kClipped)}},
        {"reversed and negative", 10, 0, -3, 10, 0, 5, {asReported(kNegativeValue)}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        tarv::errorLogClear();
        capture();
        CONGRD(r.x1, r.x2, r.xs, r.y1, r.y2, r.ys);
        const std::vector<DrawnLine> lines = polylines(calls());
        ASSERT_EQ(lines.size(), expected.size());
        for (size_t k = 0; k < lines.size(); ++k) {
            ASSERT_EQ(lines[k].x.size(), 2u) << k;
            const std::vector<float> got = {mapX(lines[k].x[0]), mapY(lines[k].y[0]),
                                            mapX(lines[k].x[1]), mapY(lines[k].y[1])};
            for (int c = 0; c < 4; ++c) EXPECT_NEAR(got[c], expected[k][c], 1e-5) << k;
        }
        EXPECT_EQ(reported(), r.errors);
    }
    struct Refused {
        const char* name;
        float x1, x2, xs, y1, y2, ys;
        std::vector<int> errors;
    };
    const Refused refused[] = {
        {"flat x range", 4, 4, 1, 0, 10, 1, {asReported(kFlatXRange)}},
        {"flat y range", 0, 10, 1, 2, 2, 1, {asReported(kFlatYRange)}},
        {"zero step", 0, 10, 0, 0, 10, 1, {asReported(kZeroStep)}},
        {"lines too close to tell apart", 0, 10, 1e-4f, 0, 10, 1, {asReported(kZeroStep)}},
        {"range outside the window", 11, 12, 1, 0, 10, 1, {asReported(kClipped)}},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.name);
        tarv::errorLogClear();
        capture();
        CONGRD(r.x1, r.x2, r.xs, r.y1, r.y2, r.ys);
        EXPECT_EQ(count(calls(), "kernelDrawLineTo"), 0);
        EXPECT_EQ(reported(), r.errors);
    }
    tarv::errorLogClear();
    surfaceState.drawing.code = kDrawingNone;
    CONGRD(0, 10, 1, 0, 10, 1);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoMap)}));
    EXPECT_EQ(routines(), std::vector<std::string>({"krAddContourMapGrid(CONGRD)"}));
}

TEST_F(OverlayTest, SpotHeights)
{
    makeSquareMap();
    struct Row {
        float x, y;
    };
    // Nodes, cell edges, cell interiors, the window's corners and edges.
    const Row rows[] = {{0, 0},   {3, 4},     {3.5f, 4},  {3, 4.25f}, {3.3f, 4.8f},
                        {10, 10}, {10, 4.5f}, {7.5f, 10}, {0, 9.99f}, {9.999f, 0.001f}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.x) + " " + std::to_string(r.y));
        float z = -1.0f;
        CONHGT(r.x, r.y, z, wsize(), work.data());
        EXPECT_NEAR(z, bilinear(r.x, r.y), 2e-5f * (1.0f + std::fabs(z)));
    }
    // Grids with more columns than rows and the other way round: a point in every row of
    // cells, and on the top row of nodes.
    for (const auto& [nx, ny] : {std::pair{11, 4}, std::pair{4, 11}}) {
        SCOPED_TRACE(std::to_string(nx) + " by " + std::to_string(ny));
        makeMap(nx, ny, 0, 10, 0, 6, bilinear);
        for (int j = 0; j < ny; ++j) {
            const float x = 10.0f * 0.37f, y = 6.0f * (static_cast<float>(j) + 0.4f) / (ny - 1);
            const float at = j + 1 < ny ? y : 6.0f;
            float z = -1.0f;
            CONHGT(x, at, z, wsize(), work.data());
            EXPECT_NEAR(z, bilinear(x, at), 2e-5f * (1.0f + std::fabs(z))) << j;
        }
    }
    EXPECT_TRUE(reported().empty());

    struct Refused {
        const char* name;
        std::function<void()> setup;
        float x, y;
        float z;  // what z holds afterwards (starting from -1)
        std::vector<int> errors;
    };
    const Refused refused[] = {
        {"just outside", [] {}, 10.001f, 5, 0.0f, {asReported(kOutsideWindow)}},
        {"below", [] {}, 5, -0.5f, 0.0f, {asReported(kOutsideWindow)}},
        {"not a number", [] {}, kNaN, 5, 0.0f, {asReported(kOutsideWindow)}},
        {"map without a size", [] { surfaceState.map.mapHeight = 0.0f; }, 5, 5, 0.0f, {}},
        {"network map",
         [] { surfaceState.drawing.code = kDrawingNetworkMap; },
         5,
         5,
         -1.0f,
         {asReported(kNoDrawingToAddTo)}},
        {"another workspace",
         [] { surfaceState.grid.mapWorkspaceSize = 12; },
         5,
         5,
         -1.0f,
         {asReported(kNoDrawingToAddTo)}},
        {"no map recorded",
         [] { surfaceState.grid.mapWorkspaceSize = 0; },
         5,
         5,
         -1.0f,
         {asReported(kNoDrawingToAddTo)}},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.name);
        makeSquareMap();
        r.setup();
        tarv::errorLogClear();
        float z = -1.0f;
        CONHGT(r.x, r.y, z, wsize(), work.data());
        EXPECT_EQ(z, r.z);
        EXPECT_EQ(reported(), r.errors);
        if (!r.errors.empty()) { EXPECT_EQ(routines()[0], "krReturnContourSpotHeight(CONHGT)"); }
    }
}

TEST_F(OverlayTest, GridCellHeightStaysInTheWorkspace)
{
    makeSquareMap();
    // The last node's neighbour along y lies beyond a workspace cut right after the grid: the
    // node's own value is taken, nothing is read beyond the words given.
    const int last = 121;
    const int nodesOnly = 121;
    EXPECT_FLOAT_EQ(surfaceGridCellHeight(0.5f, last, 2, nodesOnly, work.data()), bilinear(10, 10));
    EXPECT_FLOAT_EQ(surfaceGridCellHeight(1.0f, last, 2, nodesOnly, work.data()), 0.0f);
    EXPECT_FLOAT_EQ(surfaceGridCellHeight(0.5f, -3, 1, nodesOnly, work.data()), 0.0f);
    float z = -1;
    surfaceGridHeightAt(z, 0.5f, 0.5f, 1, 0, nullptr);
    EXPECT_EQ(z, 0.0f);
}

TEST_F(OverlayTest, ContourDataSets)
{
    // Heights |x - 5|: the level 2.5 gives two open lines, x = 7.5 started on the bottom row
    // and x = 2.5 started on the top row (the boundary is walked anticlockwise).
    makeSquareMap([](float x, float) { return std::fabs(x - 5.0f); });
    std::vector<float> x(200, -7.0f), y(200, -7.0f);
    std::vector<int> lengths(5, -7);
    int npts = 200, nlines = 5;
    capture();
    CONPTS(2.5f, 0, 0, npts, x.data(), y.data(), nlines, lengths.data(), wsize(), work.data());
    EXPECT_EQ(count(calls(), "kernelDrawLineTo"), 0);  // draw 0: returned only
    EXPECT_TRUE(reported().empty());
    ASSERT_EQ(nlines, 2);
    EXPECT_EQ(lengths[0] + lengths[1], npts);
    EXPECT_EQ(lengths[2], -7);
    EXPECT_EQ(x[static_cast<size_t>(npts)], -7.0f);
    for (int k = 0; k < npts; ++k) EXPECT_NEAR(x[k], k < lengths[0] ? 7.5f : 2.5f, 1e-5) << k;
    EXPECT_FLOAT_EQ(y[0], 0.0f);
    EXPECT_FLOAT_EQ(y[static_cast<size_t>(lengths[0] - 1)], 10.0f);
    EXPECT_FLOAT_EQ(y[static_cast<size_t>(lengths[0])], 10.0f);
    EXPECT_EQ(surfaceState.levels.count, 0);

    // A closed line: the ring of radius 3 around a pit ends where it began.
    makeSquareMap([](float px, float py) { return (px - 5) * (px - 5) + (py - 5) * (py - 5); });
    npts = 200;
    nlines = 5;
    CONPTS(9.0f, 0, 1, npts, x.data(), y.data(), nlines, lengths.data(), wsize(), work.data());
    ASSERT_EQ(nlines, 1);
    EXPECT_EQ(lengths[0], npts);
    EXPECT_FLOAT_EQ(x[0], x[static_cast<size_t>(npts - 1)]);
    EXPECT_FLOAT_EQ(y[0], y[static_cast<size_t>(npts - 1)]);
    for (int k = 0; k < npts; ++k) {
        const float r = std::hypot(x[k] - 5, y[k] - 5);
        EXPECT_GT(r, 2.8f);
        EXPECT_LT(r, 3.2f);
    }
    // draw 1 lists the level in the entry pen.
    EXPECT_EQ(surfaceState.levels.count, 1);
    EXPECT_EQ(surfaceState.levels.heights[0], 9.0f);
}

TEST_F(OverlayTest, ContourDataSetCapacitiesAndSwitches)
{
    makeSquareMap([](float x, float) { return std::fabs(x - 5.0f); });
    std::vector<float> x(200, -7.0f), y(200, -7.0f);
    std::vector<int> lengths(5, -7);
    // 10 points only: the first 10 stored and counted, warning -38 once; one line length.
    int npts = 10, nlines = 1;
    capture();
    CONPTS(2.5f, 0, 1, npts, x.data(), y.data(), nlines, lengths.data(), wsize(), work.data());
    const std::vector<std::string> log = calls();
    EXPECT_EQ(npts, 10);
    EXPECT_EQ(x[10], -7.0f);
    EXPECT_EQ(nlines, 2);
    EXPECT_EQ(lengths[0], 10);
    EXPECT_EQ(lengths[1], -7);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kPointsShort), asReported(kLinesShort)}));
    EXPECT_GT(count(log, "kernelDrawLineTo"), 10);  // drawing goes on past the capacity

    struct Row {
        const char* name;
        int kind, draw;
        std::function<void()> setup;
        std::vector<int> errors;
        int listed;
    };
    const Row rows[] = {
        {"bad kind", 7, 0, [] {}, {asReported(kBadLineSwitch)}, 0},
        {"bad draw switch", 0, 5, [] {}, {asReported(kBadSwitch)}, 1},
        {"full level list",
         0,
         1,
         [] { surfaceState.levels.count = 100; },
         {asReported(kLevelListFull)},
         100},
        {"overflowed list",
         0,
         1,
         [] { surfaceState.levels.count = 101; },
         {asReported(kLevelListFull)},
         101},
        {"smoothed", 1, 1, [] {}, {}, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        makeSquareMap([](float px, float) { return std::fabs(px - 5.0f); });
        surfaceState.levels.count = 0;
        r.setup();
        tarv::errorLogClear();
        x.assign(4000, 0.0f);
        y.assign(4000, 0.0f);
        npts = 4000;
        nlines = 5;
        // The map's switch the other way from the kind asked for.
        const int smoothing = r.kind == 1 ? 0 : 1;
        surfaceState.smoothedLines = smoothing;
        CONPTS(2.5f, r.kind, r.draw, npts, x.data(), y.data(), nlines, lengths.data(), wsize(),
               work.data());
        EXPECT_EQ(surfaceState.smoothedLines, smoothing);  // the map's own switch is back
        EXPECT_EQ(reported(), r.errors);
        EXPECT_EQ(nlines, 2);
        EXPECT_EQ(lengths[0] + lengths[1], npts);
        EXPECT_EQ(surfaceState.levels.count, r.listed);
        EXPECT_EQ(surfaceState.outputEnabled, 1);
        EXPECT_TRUE(surfaceFlagOn(surfaceState.contour.labelsOn));
    }

    // Another workspace, or no gridded map: error 4, nothing returned.
    const std::function<void()> refusals[] = {
        [] { surfaceState.grid.mapWorkspaceSize = 50; },
        [] { surfaceState.drawing.code = kDrawingNetworkMap; },
    };
    for (const auto& refuse : refusals) {
        makeSquareMap([](float px, float) { return std::fabs(px - 5.0f); });
        refuse();
        tarv::errorLogClear();
        npts = 7;
        nlines = 3;
        x[0] = -7.0f;
        CONPTS(2.5f, 0, 1, npts, x.data(), y.data(), nlines, lengths.data(), wsize(), work.data());
        EXPECT_EQ(reported(), std::vector<int>({asReported(kNoDrawingToAddTo)}));
        EXPECT_EQ(routines()[0], "krReturnContourDataset(CONPTS)");
        EXPECT_EQ(npts, 7);
        EXPECT_EQ(nlines, 3);
        EXPECT_EQ(x[0], -7.0f);
    }
}

TEST_F(OverlayTest, DataPointMarkers)
{
    makeSquareMap();
    SurfaceLibraryState& s = surfaceState;
    // Three points behind the grid and its flags: inside, a marker fully inside the left edge,
    // and one half a marker beyond it.
    const int base = 2 * 121;
    const float px[3] = {5, 0.1f, 0};
    const float py[3] = {5, 5, 5};
    const float pz[3] = {500, 510, 520};
    for (int k = 0; k < 3; ++k) {
        work[static_cast<size_t>(base + k)] = px[k];
        work[static_cast<size_t>(base + 3 + k)] = py[k];
        work[static_cast<size_t>(base + 6 + k)] = pz[k];
    }
    s.partition.sortedX = base;
    s.partition.sortedY = base + 3;
    s.partition.sortedZ = base + 6;
    s.grid.pointCount = 3;
    s.map.zFactor = 1.0f;
    s.contour.pointMarker = 4;
    capture();
    surfaceDrawDataPoints(wsize(), work.data());
    std::vector<std::string> log = calls();
    EXPECT_EQ(only(log, "kernelDrawMarker"), std::vector<std::string>(2, "kernelDrawMarker 4"));
    EXPECT_TRUE(texts(log).empty());

    // Value labels in the fixed label format, with the power of ten as a legend line when
    // contour labels are off.
    s.contour.pointMarker = -4;
    s.contour.labelsOn = 0;
    s.contour.labelFixedFormat = -1;
    s.contour.labelWidth = 6;
    s.contour.labelDecimals = 1;
    s.contour.labelExponent = 2;
    capture();
    surfaceDrawDataPoints(wsize(), work.data());
    log = calls();
    EXPECT_EQ(texts(log), std::vector<std::string>({"5.0", "5.1", "Contour Height", " *10", "2"}));
    const auto at = textPositions(log);
    EXPECT_FLOAT_EQ(at[0].first, 100.0f + 5 * 44.0f + 6.0f);  // one marker width right of it
    EXPECT_FLOAT_EQ(at[2].first, 100.0f + 0.6f * 440.0f);
    EXPECT_FLOAT_EQ(at[2].second, 40.0f);

    // Whole-number labels beyond the kernel's integers fall back to the automatic format, with
    // one warning per map.
    s.contour.labelDecimals = 0;
    s.contour.labelExponent = -10;
    tarv::errorLogClear();
    capture();
    surfaceDrawDataPoints(wsize(), work.data());
    EXPECT_EQ(texts(calls()), std::vector<std::string>({"500.00", "510.00"}));
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFormatTooNarrow)}));

    // No data points: warning -22; a workspace too short for them: nothing read beyond it.
    s.grid.pointCount = 0;
    tarv::errorLogClear();
    surfaceDrawDataPoints(wsize(), work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoDataPoints)}));
    s.grid.pointCount = 1000000;
    capture();
    surfaceDrawDataPoints(wsize(), work.data());
    EXPECT_EQ(count(calls(), "kernelDrawMarker"), 2);
}

TEST_F(OverlayTest, SmoothCurves)
{
    // Points on a line with clamped ends reproduce the line: 15 equal pieces per interval.
    const float x[3] = {0, 1, 2};
    const float y[3] = {0, 0, 0};
    capture();
    surfaceDrawSmoothCurve(x, y, 3, 0, 0);
    std::vector<std::string> log = calls();
    std::vector<DrawnLine> lines = polylines(log);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].x.size(), 31u);
    for (int k = 0; k <= 30; ++k) EXPECT_NEAR(lines[0].x[k], k / 15.0f, 1e-5) << k;

    // Start condition -1 takes the point before the first from the kernel's curve ends.
    kernelSetCurveEnds(0, 0, 0, 0, -3, 0, 3, 0);
    capture();
    surfaceDrawSmoothCurve(x, y, 3, -1, 0);
    lines = polylines(calls());
    const float d0 = 2.0f, d1 = (6.0f - 2.0f - 1.0f) / 4.0f, t = 1.0f / 15.0f;
    const float first = (((d0 + d1 - 2.0f) * t + (3.0f - 2.0f * d0 - d1)) * t + d0) * t;
    EXPECT_NEAR(lines[0].x[1], first, 1e-6);
    EXPECT_GT(first, 0.1f);  // not the line's own 1/15

    // 201 points: a block of 200 and a block of the joint point and the last point.
    std::vector<float> bx(201), by(201);
    for (int k = 0; k < 201; ++k) {
        bx[k] = static_cast<float>(k);
        by[k] = static_cast<float>(k % 7);
    }
    capture();
    surfaceDrawSmoothCurve(bx.data(), by.data(), 201, 0, 0);
    log = calls();
    EXPECT_EQ(count(log, "kernelDrawLineTo"), 200 * 15);
    EXPECT_EQ(only(log, "kernelMovePen"),
              std::vector<std::string>({"kernelMovePen 0 0", "kernelMovePen 199 3"}));
    lines = polylines(log);
    EXPECT_NEAR(lines.back().x.back(), 200.0f, 1e-3);
    EXPECT_NEAR(lines.back().y.back(), 200 % 7, 1e-3);
    // Equally spaced points on a line stay on it in equal pieces, also across the joint of the
    // blocks (small coordinates, which the call log keeps to a millionth).
    for (int k = 0; k < 201; ++k) {
        bx[k] = 0.01f * static_cast<float>(k);
        by[k] = 0.5f * bx[k];
    }
    capture();
    surfaceDrawSmoothCurve(bx.data(), by.data(), 201, 0, 0);
    lines = polylines(calls());
    int pieces = 0;
    for (const DrawnLine& l : lines) {
        for (size_t k = 1; k < l.x.size(); ++k, ++pieces) {
            EXPECT_NEAR(l.x[k] - l.x[k - 1], 0.01f / 15.0f, 1e-5f) << l.x[k];
            EXPECT_NEAR(l.y[k], 0.5f * l.x[k], 1e-5f) << l.x[k];
        }
    }
    EXPECT_EQ(pieces, 200 * 15);
    EXPECT_TRUE(reported().empty());

    // Too few points: the kernel's error 42 as it stands; none: nothing.
    capture();
    surfaceDrawSmoothCurve(x, y, 2, 0, 0);
    surfaceDrawSmoothCurve(x, y, -4, 0, 0);
    surfaceDrawSmoothCurve(x, y, 0, 0, 0);
    EXPECT_EQ(count(calls(), "kernelDrawLineTo"), 0);
    EXPECT_EQ(reported(), std::vector<int>({42, 42}));
}

TEST_F(OverlayTest, SplineTangentsOfAQuadratic)
{
    // p(i) = i^2 with its true end tangents: the spline is the quadratic, tangents 2i.
    float p[6], d[6], a[6], b[6], c[6], rhs[6];
    for (int i = 0; i < 6; ++i) p[i] = static_cast<float>(i * i);
    d[0] = 0.0f;
    d[5] = 10.0f;
    surfaceSmoothCurveCoefficients(a, b, c, rhs, p, d, 6);
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(d[i], 2.0f * i, 1e-5) << i;
}

TEST_F(OverlayTest, OnAMapDrawnByTheMapDriver)
{
    std::vector<float> z(121);
    for (int j = 0; j < 11; ++j) {
        for (int i = 0; i < 11; ++i) z[static_cast<size_t>(j * 11 + i)] = bilinear(i, j);
    }
    std::vector<float> ws(2 * 121 + 3 * 11 + 10, 0.0f);
    const int size = static_cast<int>(ws.size());
    DRACON(11, 0, 10, 11, 0, 10, z.data(), 5, 0, size, ws.data());
    ASSERT_TRUE(reported().empty());
    float h = -1;
    CONHGT(3.3f, 7.7f, h, size, ws.data());
    EXPECT_NEAR(h, bilinear(3.3f, 7.7f), 1e-4);
    std::vector<float> x(500), y(500);
    std::vector<int> lengths(4);
    int npts = 500, nlines = 4;
    CONPTS(20.0f, 0, 1, npts, x.data(), y.data(), nlines, lengths.data(), size, ws.data());
    ASSERT_GE(nlines, 1);
    for (int k = 0; k < npts; ++k) EXPECT_NEAR(bilinear(x[k], y[k]), 20.0f, 0.6f) << k;
    const float lx[2] = {0, 10}, ly[2] = {0, 10};
    capture();
    LINCON(2, lx, ly);
    const std::vector<DrawnLine> line = polylines(calls());
    ASSERT_EQ(line.size(), 1u);
    float X = 0, Y = 0;
    CONSPA(10, 10, X, Y);
    EXPECT_EQ(line[0].x[1], X);
    EXPECT_EQ(line[0].y[1], Y);
    CRSSEC(0, 5, 10, 5, size, ws.data());
    EXPECT_EQ(surfaceState.sectionCount, 11);
    EXPECT_TRUE(reported().empty());
    // A section adds to the map: its grid still answers spot heights.
    CONHGT(3.3f, 7.7f, h, size, ws.data());
    EXPECT_NEAR(h, bilinear(3.3f, 7.7f), 1e-4);
}

TEST_F(OverlayTest, DataPointsOfARandomPointMap)
{
    // The four corner points lie on the map's edges: half their marker box is outside, so they
    // are not marked; the six inner points are, with their heights beside them.
    float x[10] = {1, 9, 1, 9, 5, 3, 6, 4, 7, 2};
    float y[10] = {1, 1, 9, 9, 5, 4, 7, 2, 3, 6};
    float z[10];
    for (int k = 0; k < 10; ++k) z[k] = 10.0f * x[k] + y[k];
    RANPTS(-3);
    capture();
    RANCON(10, x, y, z, 4, 0);
    const std::vector<std::string> log = calls();
    ASSERT_TRUE(reported().empty());
    EXPECT_EQ(only(log, "kernelDrawMarker"), std::vector<std::string>(6, "kernelDrawMarker 3"));
    const std::vector<std::string> shown = texts(log);
    for (const char* label : {"55.00", "34.00", "67.00", "42.00", "73.00", "26.00"}) {
        EXPECT_NE(std::find(shown.begin(), shown.end(), std::string(label)), shown.end()) << label;
    }
}
