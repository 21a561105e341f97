// Tests of the cross-sections: the walk along the section line over known grids, the checks
// and their errors, the frame types, the section's transform and titles, the filled bands
// under the profile (by their area) and the contour levels as water lines.
#include <cmath>
#include <string>
#include <vector>

#include "grid/crosssection.h"
#include "map_fixture.h"

using namespace surflib;

namespace {

float bilinear(float x, float y) { return x + 2.0f * y + 0.5f * x * y; }

struct Entry {
    float x, y, z;
};

// Area of the polygons filled, in picture units.
double filledArea(const std::vector<std::string>& log, int& polygons, int& largest)
{
    double total = 0.0;
    polygons = 0;
    largest = 0;
    for (const std::string& l : log) {
        if (l.rfind("kernelFillPolygon ", 0) != 0) continue;
        const std::vector<float> v = MapFixture::numbersIn(l);
        const int n = static_cast<int>(v.back());
        double a = 0.0;
        for (int k = 0; k < n; ++k) {
            const int j = (k + 1) % n;
            a += static_cast<double>(v[3 + k]) * v[3 + n + j] -
                static_cast<double>(v[3 + j]) * v[3 + n + k];
        }
        total += std::fabs(a) * 0.5;
        ++polygons;
        largest = std::max(largest, n);
    }
    return total;
}

}  // namespace

class CrossSectionTest : public MapFixture {
protected:
    std::vector<Entry> table() const
    {
        const SurfaceLibraryState& s = surfaceState;
        std::vector<Entry> out;
        for (int k = 0; k < s.sectionCount; ++k) {
            out.push_back({work[static_cast<size_t>(s.sectionTableX + k)],
                           work[static_cast<size_t>(s.sectionTableY + k)],
                           work[static_cast<size_t>(s.sectionTableZ + k)]});
        }
        return out;
    }
    std::vector<std::string> section(float x1, float y1, float x2, float y2)
    {
        capture();
        CRSSEC(x1, y1, x2, y2, wsize(), work.data());
        return calls();
    }
    // Picture units per map unit along the section and per height unit.
    static double perUnitU() { return surfaceState.map.scaleX / surfaceState.map.factorX; }
    static double perUnitZ() { return surfaceState.map.scaleY / surfaceState.map.factorY; }
    static float pictureZ(float z)
    {
        const MapTransform& m = surfaceState.map;
        return (z / m.factorY - m.startY) * m.scaleY + m.originY;
    }
    void setBands(const std::vector<std::vector<float>>& bands)
    {
        SurfaceLibraryState& s = surfaceState;
        s.fillBandCount = static_cast<int>(bands.size());
        for (size_t b = 0; b < bands.size(); ++b) {
            s.bands.bandLows[b] = bands[b][0];
            s.bands.bandHighs[b] = bands[b][1];
            s.bands.bandCodes[b] = static_cast<int>(bands[b][2]);
        }
    }
};

TEST_F(CrossSectionTest, WalksAcrossTheGrid)
{
    struct Row {
        const char* name;
        float x1, y1, x2, y2;
        int walkKind;
        std::vector<float> along;  // x (walk 1) or y (walk 2) of every entry
    };
    const std::vector<float> zeroToTen = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<float> tenToZero = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    const Row rows[] = {
        // Edge to edge: every inner column and the last once each after the start entry; the
        // end entry would repeat the last crossing and is left out.
        {"horizontal", 0, 5, 10, 5, 1, zeroToTen},
        {"right to left", 10, 5, 0, 5, 1, zeroToTen},
        // Starting on a grid row: the first crossing is one row higher.
        {"vertical on rows", 3, 2, 3, 7, 2, {2, 3, 4, 5, 6, 7}},
        {"vertical downwards", 3, 7, 3, 2, 2, {2, 3, 4, 5, 6, 7}},
        {"vertical between rows", 3.5f, 2.5f, 3.5f, 4.5f, 2, {2.5f, 3, 4, 4.5f}},
        {"shallow", 0, 0, 10, 5, 1, zeroToTen},
        {"shallow inside", 0.5f, 1, 2.5f, 2, 1, {0.5f, 1, 2, 2.5f}},
        {"steep", 2, 0, 4, 10, 2, zeroToTen},
        {"steep down", 2, 10, 4, 0, 2, tenToZero},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        makeMap(11, 11, 0, 10, 0, 10, bilinear);
        section(r.x1, r.y1, r.x2, r.y2);
        EXPECT_TRUE(reported().empty());
        EXPECT_EQ(surfaceState.walkKind, r.walkKind);
        const std::vector<Entry> t = table();
        ASSERT_EQ(t.size(), r.along.size());
        // The entries lie on the section line, in order, with the surface's height there.
        const float ax = std::min(r.x1, r.x2) == r.x1 ? r.x1 : r.x2;
        const float ay = ax == r.x1 ? r.y1 : r.y2;
        const float bx = ax == r.x1 ? r.x2 : r.x1;
        const float by = ax == r.x1 ? r.y2 : r.y1;
        for (size_t k = 0; k < t.size(); ++k) {
            EXPECT_NEAR(r.walkKind == 1 ? t[k].x : t[k].y, r.along[k], 1e-5) << k;
            const float cross = (bx - ax) * (t[k].y - ay) - (by - ay) * (t[k].x - ax);
            EXPECT_NEAR(cross, 0.0f, 1e-4) << k;
            EXPECT_NEAR(t[k].z, bilinear(t[k].x, t[k].y), 1e-4) << k;
        }
        EXPECT_EQ(surfaceState.drawing.code, kDrawingGriddedMap);
    }
}

TEST_F(CrossSectionTest, Refusals)
{
    struct Row {
        const char* name;
        std::function<void(CrossSectionTest&)> setup;
        float x1, y1, x2, y2;
        int error;
    };
    const Row rows[] = {
        {"same points", [](CrossSectionTest&) {}, 4, 4, 4, 4, asReported(kSamePoints)},
        {"a point just outside", [](CrossSectionTest&) {}, 4, 4, 10.001f, 4,
         asReported(kOutsideWindow)},
        {"not a number", [](CrossSectionTest&) {}, NAN, 4, 6, 4, asReported(kOutsideWindow)},
        {"network map", [](CrossSectionTest&) { surfaceState.drawing.code = kDrawingNetworkMap; },
         1, 1, 5, 5, asReported(kNoPictureToAddTo)},
        {"no drawing", [](CrossSectionTest&) { surfaceState.drawing.code = kDrawingNone; }, 1, 1, 5,
         5, asReported(kNoPictureToAddTo)},
        {"another workspace", [](CrossSectionTest&) { surfaceState.grid.mapWorkspaceSize += 1; }, 1,
         1, 5, 5, asReported(kNoPictureToAddTo)},
        {"projected picture without its work area",
         [](CrossSectionTest&) { surfaceState.drawing.code = kDrawingIsometric; }, 1, 1, 5, 5,
         asReported(kNoPictureToAddTo)},
        {"no room for the tables",
         [](CrossSectionTest& t) {
             t.work.resize(2 * 121 + 32);
             surfaceState.grid.mapWorkspaceSize = t.wsize();
         },
         1, 1, 5, 5, asReported(kWorkspaceShort)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        makeMap(11, 11, 0, 10, 0, 10, bilinear);
        r.setup(*this);
        surfaceState.surface.perspectiveSet = -1;
        tarv::errorLogClear();
        const std::vector<float> before = work;
        const std::vector<std::string> log = section(r.x1, r.y1, r.x2, r.y2);
        EXPECT_EQ(reported(), std::vector<int>({r.error}));
        EXPECT_EQ(routines(), std::vector<std::string>({"krDrawGriddedCrossSection(CRSSEC)"}));
        EXPECT_EQ(count(log, "kernelDrawLineTo") + count(log, "kernelDrawText"), 0);
        EXPECT_EQ(surfaceState.surface.perspectiveSet, -1);
    }
    // A frame with no room: error 13, nothing drawn.
    makeMap(11, 11, 0, 10, 0, 10, bilinear);
    kernelSetPictureSpace(0.0f, 150.0f, 0.0f, 600.0f);
    tarv::errorLogClear();
    const std::vector<std::string> log = section(1, 1, 5, 5);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kDegenerateArea)}));
    EXPECT_EQ(count(log, "kernelDrawLineTo"), 0);
}

TEST_F(CrossSectionTest, FrameTypes)
{
    struct Row {
        int type;
        bool ticks, fills;
    };
    // Type 0: ticks, numbers, titles and fills; 1: no fills; 2: fills only; 3: neither.
    const Row rows[] = {{0, true, true}, {1, true, false}, {2, false, true}, {3, false, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.type);
        makeMap(11, 11, 0, 10, 0, 10, [](float x, float) { return x; });
        CRSFRA(r.type);
        setBands({{2, 5, 3}});
        const std::vector<std::string> log = section(0, 5, 10, 5);
        EXPECT_EQ(count(log, "kernelFillPolygon") > 0, r.fills);
        const std::vector<std::string> shown = texts(log);
        EXPECT_EQ(!shown.empty(), r.ticks);
        if (r.ticks) {
            // Titles 6 and 8 character heights below the frame, at its left edge.
            ASSERT_GE(shown.size(), 2u);
            EXPECT_EQ(shown[shown.size() - 2], "X axis");
            EXPECT_EQ(shown.back(), "Z axis");
            const auto at = textPositions(log);
            EXPECT_EQ(at[at.size() - 2], std::make_pair(100.0f, 40.0f));
            EXPECT_EQ(at.back(), std::make_pair(100.0f, 20.0f));
        }
        // The outline: from the first foot up the profile, down to the last foot and back.
        const std::vector<DrawnLine> lines = polylines(log);
        ASSERT_FALSE(lines.empty());
        const DrawnLine& outline = lines.back();
        ASSERT_EQ(outline.x.size(), 14u);
        EXPECT_EQ(outline.x.front(), outline.x.back());
        EXPECT_EQ(outline.y.front(), outline.y.back());
        EXPECT_EQ(outline.y.front(), surfaceState.map.originY);
        EXPECT_TRUE(reported().empty());
    }
    // A vertical section shows the y axis title.
    CRSFRA(0);
    makeMap(11, 11, 0, 10, 0, 10, bilinear);
    const std::vector<std::string> shown = texts(section(5, 1, 5, 9));
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2], "Y axis");
}

TEST_F(CrossSectionTest, ProjectedPictureGetsVerticalLines)
{
    // An isometric picture of the same grid, its section tables after its 11 rows of work.
    makeMap(11, 11, 0, 10, 0, 10, bilinear, 200);
    SurfaceLibraryState& s = surfaceState;
    s.drawing.code = kDrawingIsometric;
    s.partition.recordedSize = wsize();
    s.partition.runs = 121;
    s.partition.runLength = 11;
    setBands({{2, 5, 3}});
    const std::vector<std::string> log = section(0, 5, 10, 5);
    EXPECT_TRUE(reported().empty());
    EXPECT_EQ(s.sectionTableX, 121 + 11 * 11);
    int verticals = 0;
    for (const DrawnLine& d : polylines(log)) {
        verticals +=
            d.x.size() == 2 && d.x[0] == d.x[1] && d.y[0] == s.map.originY && d.y[1] > d.y[0];
    }
    EXPECT_EQ(verticals, s.sectionCount);
    EXPECT_EQ(count(log, "kernelFillPolygon"), 0);

    // A picture drawn with lines coloured by height bands: the vertical lines and the outline
    // are split at the levels, each piece in its band's pen.
    s.surface.lineStyle = -1;
    s.levels.count = 2;
    s.levels.heights[0] = 20;
    s.levels.heights[1] = 30;
    s.levels.pens[0] = 5;
    s.levels.pens[1] = 6;
    const std::vector<std::string> banded = section(0, 5, 10, 5);
    EXPECT_TRUE(reported().empty());
    EXPECT_GT(count(banded, "kernelSetColour 5"), 0);
    EXPECT_GT(count(banded, "kernelSetColour 6"), 0);
    // Heights 10 + 3.5 x along y = 5 cross both levels: more pieces than plain lines.
    EXPECT_GT(count(banded, "kernelDrawLineTo"), count(log, "kernelDrawLineTo"));
}

TEST_F(CrossSectionTest, HeightsAboveTheFrameRunAlongItsTop)
{
    // Heights x from 0 to 10 under limits 0..5: the height axis ends near 5, and the profile
    // beyond it runs flat along the frame's top instead of dropping to the base.
    makeMap(11, 11, 0, 10, 0, 10, [](float x, float) { return x; });
    LEVELS(0.0f, 5.0f);
    const std::vector<std::string> log = section(0, 5, 10, 5);
    EXPECT_TRUE(reported().empty());
    const std::vector<DrawnLine> lines = polylines(log);
    ASSERT_FALSE(lines.empty());
    const DrawnLine& outline = lines.back();
    ASSERT_EQ(outline.x.size(), 14u);  // foot, 11 profile points, foot, first foot again
    const MapTransform& m = surfaceState.map;
    const float base = m.originY, top = m.originY + m.mapHeight;
    EXPECT_EQ(outline.y.front(), base);
    int atTop = 0;
    for (size_t k = 1; k <= 11; ++k) {
        const float x = static_cast<float>(k - 1);
        EXPECT_NEAR(outline.y[k], std::min(pictureZ(x), top), 1e-2) << "point at x = " << x;
        atTop += std::fabs(outline.y[k] - top) < 1e-2;
    }
    EXPECT_GE(atTop, 4);
}

TEST_F(CrossSectionTest, SectionTransform)
{
    makeMap(11, 11, 0, 10, 0, 10, bilinear);
    section(0, 2, 10, 2);
    // The section picture: the horizontal axis from x1 to x2 over the frame's width, the
    // height axis over the grid's heights; overlays now refer to it.
    const MapTransform& m = surfaceState.map;
    EXPECT_FLOAT_EQ(m.originX, 100.0f);
    EXPECT_FLOAT_EQ(m.mapWidth, 800.0f);
    EXPECT_FLOAT_EQ(m.mapHeight, 440.0f);
    float X = 0, Y = 0;
    CONSPA(10.0f, surfaceState.grid.zMin, X, Y);
    EXPECT_NEAR(X, 900.0f, 1e-3);
    EXPECT_GE(Y, 100.0f);
    CONSPA(0.0f, surfaceState.grid.zMax, X, Y);
    EXPECT_NEAR(X, 100.0f, 1e-3);
    EXPECT_LE(Y, 540.0f);
}

TEST_F(CrossSectionTest, FrameScales)
{
    // Scale by intervals: the horizontal axis spans the section exactly (first value, for a
    // section along x), the height axis the grid's heights 3..13 (third value).
    makeMap(11, 11, 0, 10, 0, 10, [](float x, float) { return 3.0f + x; });
    CONSCA(2, 0, 4, 3);
    section(0.7f, 5, 9.5f, 5);
    EXPECT_TRUE(reported().empty());
    float X = 0, Y = 0;
    CONSPA(0.7f, 3.0f, X, Y);
    EXPECT_NEAR(X, 100.0f, 1e-3);
    EXPECT_NEAR(Y, 100.0f, 1e-3);
    CONSPA(9.5f, 13.0f, X, Y);
    EXPECT_NEAR(X, 900.0f, 1e-3);
    EXPECT_NEAR(Y, 540.0f, 1e-3);
    // A scale the range cannot take: warning -42, nice intervals from 0.5 kept.
    CONSCA(50, 0, 0, 3);
    tarv::errorLogClear();
    section(0.7f, 5, 9.5f, 5);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kStepUnusable)}));
    CONSPA(0.5f, 3.0f, X, Y);
    EXPECT_NEAR(X, 100.0f, 1e-3);
}

TEST_F(CrossSectionTest, BandsFilledUnderTheProfile)
{
    struct Row {
        const char* name;
        int nx;
        float xmax;
        std::function<float(float, float)> f;
        std::vector<std::vector<float>> bands;  // low, high, code
        double area;                            // in map units times heights
        int polygons;
    };
    const Row rows[] = {
        // Heights x: from 2 up to the profile over [2, 5], the full band over [5, 10].
        {"rising", 11, 10, [](float x, float) { return x; }, {{2, 5, 3}}, 4.5 + 15.0, 1},
        // A valley: the band [2, 6] lies under the profile on both sides only.
        {"valley",
         11,
         10,
         [](float x, float) { return 2.0f * std::fabs(x - 5.0f); },
         {{2, 6, 3}},
         24.0,
         2},
        // A band with no fill and one above the profile fill nothing.
        {"unfilled", 11, 10, [](float x, float) { return x; }, {{2, 5, -1}, {20, 30, 4}}, 0.0, 0},
        // 121 points under one band: split into polygons of at most 99 points.
        {"long", 151, 150, [](float x, float) { return x / 15.0f; }, {{2, 5, 3}}, 67.5 + 225.0, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        makeMap(r.nx, 3, 0, r.xmax, 0, 2, r.f, 3 * r.nx + 100);
        tarv::errorLogClear();
        CONSCA(0, 0, 0, 1);
        setBands(r.bands);
        const std::vector<std::string> log = section(0, 1, r.xmax, 1);
        int polygons = 0, largest = 0;
        const double area = filledArea(log, polygons, largest) / (perUnitU() * perUnitZ());
        EXPECT_NEAR(area, r.area, 1e-3 * (1.0 + r.area));
        EXPECT_EQ(polygons, r.polygons);
        EXPECT_LE(largest, 99);
        EXPECT_TRUE(reported().empty());
    }
}

TEST_F(CrossSectionTest, ContourLevelsAsWaterLines)
{
    makeMap(11, 11, 0, 10, 0, 10, [](float x, float) { return 2.0f * std::fabs(x - 5.0f); });
    ContourLevelList& l = surfaceState.levels;
    l.count = 3;
    l.heights[0] = 4;   // under the profile on both sides of the valley
    l.heights[1] = 12;  // above the highest point
    l.heights[2] = 0;   // at the axis bottom
    const std::vector<std::string> log = section(0, 5, 10, 5);
    std::vector<DrawnLine> water;
    for (const DrawnLine& d : polylines(log)) {
        if (d.x.size() == 2 && d.y[0] == d.y[1] && std::fabs(d.y[0] - pictureZ(4)) < 1e-3) {
            water.push_back(d);
        }
    }
    ASSERT_EQ(water.size(), 2u);
    const auto u = [](float X) {
        const MapTransform& m = surfaceState.map;
        return ((X - m.originX) / m.scaleX + m.startX) * m.factorX;
    };
    EXPECT_NEAR(u(water[0].x[0]), 0.0f, 1e-4);
    EXPECT_NEAR(u(water[0].x[1]), 3.0f, 1e-4);
    EXPECT_NEAR(u(water[1].x[0]), 7.0f, 1e-4);
    EXPECT_NEAR(u(water[1].x[1]), 10.0f, 1e-4);
    EXPECT_TRUE(reported().empty());
    // An overflowed list: warning -50, the first 100 levels.
    l.count = 101;
    section(0, 5, 10, 5);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kLevelsCut)}));
}

TEST_F(CrossSectionTest, LongFormLeavesTheWorkspaceAlone)
{
    makeMap(11, 11, 0, 10, 0, 10, bilinear);
    SurfaceWorkspace ws;
    krMakeWorkspace(wsize(), ws);
    std::copy(work.begin(), work.end(), ws.words);
    capture();
    krDrawGriddedCrossSection(0, 5, 10, 5, ws);
    EXPECT_GT(count(calls(), "kernelDrawLineTo"), 0);
    EXPECT_TRUE(std::equal(work.begin(), work.end(), ws.words));
    krFreeWorkspace(ws);
    EXPECT_TRUE(reported().empty());
}
