// Tests of band-filled contour maps: the filled area of each band on a plane, whole rows as
// one rectangle, the fill codes used in turn, the band table and the fill key, the errors of
// FILCON and ADDFIL, and a map of many pieces on a raster.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "contour_test_util.h"
#include "plain_map_test.h"
#include "frame/state.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

class BandFillTest : public PlainMapTest {
protected:
    void SetUp() override
    {
        PlainMapTest::SetUp();
        CONSWI(0);  // bands without lines
    }

    static std::vector<float> grid(int nx, int ny, float x1, float y1,
                                   const std::function<float(float, float)>& f)
    {
        std::vector<float> z;
        for (int j = 0; j < ny; ++j) {
            for (int i = 0; i < nx; ++i) z.push_back(f(x1 * i / (nx - 1), y1 * j / (ny - 1)));
        }
        return z;
    }

    std::vector<std::string> fill(int nx, int ny, float x1, float y1, const std::vector<float>& z,
                                  int ncont, const std::vector<int>& codes, int key = 0)
    {
        work.assign(3 * nx * ny + 2000, 0.0f);
        capture();
        FILCON(nx, 0.0f, x1, ny, 0.0f, y1, z.data(), ncont, 0, codes.data(), key,
               static_cast<int>(work.size()), work.data());
        return calls();
    }

    // Filled area per colour, in map units squared.
    static std::vector<double> areaByColour(const std::vector<std::string>& log, int colours)
    {
        std::vector<double> area(colours + 1, 0.0);
        const MapTransform& m = surfaceState.map;
        const double unit = (m.scaleX / m.factorX) * (m.scaleY / m.factorY);
        int colour = -1;
        for (const std::string& l : log) {
            int c = 0;
            if (std::sscanf(l.c_str(), "kernelSetColour %d", &c) == 1) colour = c;
            if (l.rfind("kernelFillPolygon", 0) == 0 && colour >= 0 && colour <= colours) {
                area[colour] += areaOf(fillsOf({l})[0].points) / unit;
            }
        }
        return area;
    }

    std::vector<float> work;
};

TEST_F(BandFillTest, BandsOfAPlaneCoverTheirExactAreas)
{
    // z = x + 0.3 y over [0, 4] by [0, 3]: 0 to 4.9; levels 1, 2, 3, 4 and the bands between.
    const auto z = grid(5, 4, 4, 3, [](float x, float y) { return x + 0.3f * y; });
    const std::vector<std::string> log = fill(5, 4, 4, 3, z, 4, {1, 2, 3, 4, 5});
    EXPECT_TRUE(reported().empty());
    const std::vector<double> area = areaByColour(log, 5);
    // Area of {lo <= x + 0.3 y < hi} in the window, by integration over y.
    auto band = [](double lo, double hi) {
        double a = 0.0;
        for (int k = 0; k < 3000; ++k) {
            const double y = (k + 0.5) * 3.0 / 3000;
            const double x0 = std::clamp(lo - 0.3 * y, 0.0, 4.0),
                         x1 = std::clamp(hi - 0.3 * y, 0.0, 4.0);
            a += (x1 - x0) * 3.0 / 3000;
        }
        return a;
    };
    const double edges[6] = {0.0, 1.0, 2.0, 3.0, 4.0, 4.9};
    for (int c = 1; c <= 5; ++c) EXPECT_NEAR(area[c], band(edges[c - 1], edges[c]), 2e-3) << c;
    double total = 0.0;
    for (double a : area) total += a;
    EXPECT_NEAR(total, 12.0, 5e-3);
    // The band table holds them in order.
    ASSERT_EQ(surfaceState.fillBandCount, 5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(surfaceState.bands.bandCodes[k], k + 1);
        EXPECT_NEAR(surfaceState.bands.bandLows[k], edges[k], 1e-5);
    }
}

TEST_F(BandFillTest, RowsWhollyInsideABandAreOneRectangleEach)
{
    // All heights inside the band [0, 10) of ncont 1: each row one 5-point rectangle.
    const auto z = grid(6, 4, 5, 3, [](float x, float y) { return 1.0f + 0.1f * x + 0.01f * y; });
    LEVELS(0.0f, 10.0f);
    const std::vector<std::string> log = fill(6, 4, 5, 3, z, 2, {7, 8, 9});
    const std::vector<Fill> fills = fillsOf(log);
    ASSERT_EQ(fills.size(), 3u);
    const MapTransform& m = surfaceState.map;
    for (const Fill& f : fills) {
        EXPECT_EQ(f.points.size(), 5u);
        EXPECT_NEAR(areaOf(f.points), m.mapWidth * m.mapHeight / 3.0, 1e-2);
    }
}

// The pieces of a band (the runs of whole cells and the cut cells beside them) reach the device
// as one path, so that no edge inside a band is drawn twice; the call log keeps every piece.
TEST_F(BandFillTest, EachBandReachesTheDeviceAsOnePath)
{
    const auto z = grid(30, 30, 6, 6, [](float x, float y) { return std::sin(x) * std::cos(y); });
    work.assign(3 * 30 * 30 + 2000, 0.0f);
    const int wsize = static_cast<int>(work.size());
    const std::vector<int> codes{2, 3, 4, 5, 6};
    struct Case {
        const char* what;
        std::function<void()> draw;
    };
    const Case cases[] = {
        {"FILCON of many bands",
         [&] {
             FILCON(30, 0.0f, 6.0f, 30, 0.0f, 6.0f, z.data(), 4, 0, codes.data(), 0, wsize,
                    work.data());
         }},
        {"FILCON and a band added",
         [&] {
             FILCON(30, 0.0f, 6.0f, 30, 0.0f, 6.0f, z.data(), 0, 0, codes.data(), 0, wsize,
                    work.data());
             ADDFIL(-0.3f, 0.45f, 7, 0, 0, wsize, work.data());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        capture();
        const SvgFills svg = svgFills(c.draw);
        const std::vector<std::string> log = calls();
        EXPECT_GE(svg.joined, 1);
        EXPECT_EQ(svg.joined, surfaceState.fillBandCount);
        EXPECT_EQ(svg.alone, 0);
        EXPECT_GT(only(log, "kernelFillPolygon").size(), static_cast<size_t>(20 * svg.joined));
    }
}

TEST_F(BandFillTest, CodesAreUsedInTurnAndNegativeCodesFillNothing)
{
    // 0 to 11 in 3 intervals: nice levels 2.5, 5, 7.5, 10 and five bands for four codes.
    const auto z = grid(12, 2, 11, 1, [](float x, float) { return x; });
    const std::vector<std::string> first = fill(12, 2, 11, 1, z, 3, {11, -1, 13, 14});
    ASSERT_EQ(surfaceState.fillBandCount, 5);
    const int expected[5] = {11, -1, 13, 14, 11};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(surfaceState.bands.bandCodes[k], expected[k]) << k;
    // The band of code -1 (2.5 to 5) is listed but not filled.
    const std::vector<double> area = areaByColour(first, 14);
    EXPECT_NEAR(area[11], 2.5 + 1.0, 1e-3);
    EXPECT_NEAR(area[13], 2.5, 1e-3);
    double total = 0.0;
    for (double a : area) total += a;
    EXPECT_NEAR(total, 11.0 - 2.5, 1e-3);

    SetUp();
    const float heights[6] = {1, 2, 3, 4, 5, 6};
    CONDEF(6, heights);
    const std::vector<std::string> log = fill(8, 2, 7, 1, z, 3, {21, 22, 23, 24});
    // Seven bands from the list (and the top band), cycling through the 4 codes given: the
    // list is longer than the codes the count promised, and no code beyond them is read.
    ASSERT_EQ(surfaceState.fillBandCount, 7);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(surfaceState.bands.bandCodes[k], 21 + k % 4) << k;
    // The list stays as given: a second map with it draws the same bands.
    ASSERT_EQ(surfaceState.levels.count, 6);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(surfaceState.levels.heights[k], heights[k]);
    const std::vector<double> once = areaByColour(log, 24);
    CONSWI(1);
    const std::vector<double> again = areaByColour(fill(8, 2, 7, 1, z, 3, {21, 22, 23, 24}), 24);
    EXPECT_EQ(surfaceState.fillBandCount, 7);
    for (int c = 21; c <= 24; ++c) EXPECT_NEAR(again[c], once[c], 1e-3) << c;
    EXPECT_EQ(surfaceState.levels.count, 6);
}

TEST_F(BandFillTest, HeightOnABandsEdgeIsFilledByOneBandOnly)
{
    // Three cells along x: rising from 0 to 1, flat at the plateau height, rising from 1 to 2;
    // levels 0, 1, 2.  A band's edges are its levels raised by 5e-7: a plateau exactly at the
    // level 1 lies below that edge and belongs to the band under it, a plateau exactly on the
    // raised edge to the band above.  Either way it is filled once.
    const float raised = static_cast<float>(1.0f + 5.0e-7);
    const struct {
        float plateau;
        double lower, upper;  // area of each band, cells of 1 by 1
    } cases[] = {{1.0f, 2.0, 1.0}, {raised, 1.0, 2.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plateau);
        SetUp();
        const float heights[3] = {0.0f, 1.0f, 2.0f};
        CONDEF(3, heights);
        const float p = c.plateau;
        const std::vector<float> z = {0, p, p, 2, 0, p, p, 2};
        const std::vector<double> area = areaByColour(fill(4, 2, 3, 1, z, 2, {1, 2, 3}), 3);
        EXPECT_NEAR(area[1], c.lower, 1e-3);
        EXPECT_NEAR(area[2], c.upper, 1e-3);
        EXPECT_NEAR(area[3], 0.0, 1e-9);
    }
}

// Every polygon handed to the kernel encloses something: at least three distinct vertices and
// an area, even where nodes lie exactly on band limits.  The bands still cover the map.
TEST_F(BandFillTest, NoDegeneratePolygonReachesTheKernel)
{
    // Integer heights on a saddle and a ridge, bands at every integer: many nodes on limits.
    const std::vector<float> z = grid(9, 7, 8, 6, [](float x, float y) {
        return std::round(std::fabs(x - 4.0f) - std::fabs(y - 3.0f) + 0.5f * x);
    });
    LEVELS(-3.0f, 8.0f);
    std::vector<int> codes;
    for (int k = 0; k < 13; ++k) codes.push_back(1 + k % 12);
    const std::vector<std::string> log = fill(9, 7, 8, 6, z, 12, codes);
    const std::vector<Fill> fills = fillsOf(log);
    ASSERT_FALSE(fills.empty());
    const MapTransform& m = surfaceState.map;
    const double unit = (m.scaleX / m.factorX) * (m.scaleY / m.factorY);
    double total = 0.0;
    for (const Fill& f : fills) {
        Line distinct;
        for (const Pt& p : f.points) {
            if (distinct.empty() || p.x != distinct.back().x || p.y != distinct.back().y)
                distinct.push_back(p);
        }
        if (distinct.size() > 1 && distinct.front().x == distinct.back().x &&
            distinct.front().y == distinct.back().y) {
            distinct.pop_back();
        }
        EXPECT_GE(distinct.size(), 3u);
        EXPECT_GT(areaOf(f.points), 1e-6);
        total += areaOf(f.points) / unit;
    }
    EXPECT_NEAR(total, 48.0, 1e-3);
}

TEST_F(BandFillTest, AddedBandsAccumulateUpToTheTableLimit)
{
    const auto z = grid(5, 5, 4, 4, [](float x, float y) { return x + y; });
    fill(5, 5, 4, 4, z, 0, {1});
    EXPECT_EQ(surfaceState.fillBandCount, 0);
    const int size = static_cast<int>(work.size());
    ADDFIL(5.0f, 2.0f, 3, 0, 0, size, work.data());
    ASSERT_EQ(surfaceState.fillBandCount, 1);
    EXPECT_FLOAT_EQ(surfaceState.bands.bandLows[0], 2.0f);
    EXPECT_FLOAT_EQ(surfaceState.bands.bandHighs[0], 5.0f);
    for (int k = 1; k < 100; ++k) ADDFIL(1.0f, 2.0f, 4, 0, 0, size, work.data());
    EXPECT_TRUE(reported().empty());
    capture();
    ADDFIL(1.0f, 2.0f, 4, 0, 0, size, work.data());
    EXPECT_FALSE(fillsOf(calls()).empty());  // filled, not listed
    EXPECT_EQ(reported(), std::vector<int>{asReported(kBandTableFull)});
    EXPECT_EQ(surfaceState.fillBandCount, 100);
    // With lines: both edges traced and listed.
    tarv::errorLogClear();
    const int before = surfaceState.levels.count;
    ADDFIL(1.0f, 2.0f, 4, 1, 0, size, work.data());
    EXPECT_EQ(surfaceState.levels.count, before + 2);
}

TEST_F(BandFillTest, AddedBandReadsTheMapsGridWhereverMarkersPutIt)
{
    // Gridded points first (their layout puts a grid after 4 words per point), then a map
    // with markers off (its grid at word 0), then markers on before a band is added.
    std::vector<float> x, y, h;
    for (int k = 0; k < 16; ++k) {
        x.push_back(static_cast<float>(k % 4));
        y.push_back(static_cast<float>(k / 4));
        h.push_back(100.0f);
    }
    std::vector<float> g(16), w(200);
    RANGRD(16, x.data(), y.data(), h.data(), 4, 0.0f, 3.0f, 4, 0.0f, 3.0f, g.data(), 200, w.data());
    const auto z = grid(5, 4, 4, 3, [](float xx, float) { return xx; });
    fill(5, 4, 4, 3, z, 0, {1});
    RANPTS(1);
    capture();
    ADDFIL(1.0f, 2.5f, 6, 0, 0, static_cast<int>(work.size()), work.data());
    const std::vector<double> area = areaByColour(calls(), 6);
    EXPECT_NEAR(area[6], 1.5 * 3.0, 1e-3);
    EXPECT_TRUE(reported().empty());
}

TEST_F(BandFillTest, FillKeyShowsEveryBandBesideTheMap)
{
    // 0 to 7: levels 2.5 and 5, three bands.
    const auto z = grid(5, 4, 4, 3, [](float x, float y) { return x + y; });
    const std::vector<std::string> log = fill(5, 4, 4, 3, z, 2, {1, 2, 3}, 1);
    const int bands = surfaceState.fillBandCount;
    ASSERT_EQ(bands, 3);
    const MapTransform& m = surfaceState.map;
    const float kw = 0.75f * surfaceState.digitWidth, kh = 0.75f * surfaceState.charHeight;
    const double x0 = m.originX + m.mapWidth + 16 * kw;
    int keyBoxes = 0;
    double top = 0.0;
    for (const Fill& f : fillsOf(log)) {
        if (f.points[0].x < x0 - 1e-3) continue;
        ++keyBoxes;
        EXPECT_NEAR(f.points[1].x - f.points[0].x, 6 * kw, 1e-3);
        for (const Pt& p : f.points) top = std::max(top, p.y);
    }
    EXPECT_EQ(keyBoxes, 3);
    EXPECT_NEAR(top - m.originY, 12.0 * kh * 3 / 2, 1e-2);  // 18 key character heights
    // The key left room: the map is 15 character widths narrower than the picture allows.
    EXPECT_NEAR(m.mapWidth, surfaceState.plotWidth - 35 * surfaceState.digitWidth, 1e-2);
}

TEST_F(BandFillTest, ErrorsOfFilledMaps)
{
    const auto z = grid(3, 3, 2, 2, [](float x, float y) { return x * y; });
    const std::vector<float> flat(9, 4.0f);
    const std::vector<int> codes = {1, 2, 3, 4};
    std::vector<float> w(3 * 9 + 1000);
    const int size = static_cast<int>(w.size());
    struct Case {
        const char* what;
        std::function<void()> call;
        std::vector<int> errors;
    };
    const std::vector<Case> cases = {
        {"negative count",
         [&] { FILCON(3, 0, 2, 3, 0, 2, z.data(), -3, 0, codes.data(), 0, size, w.data()); },
         {asReported(kNegativeCount)}},
        {"bad key",
         [&] { FILCON(3, 0, 2, 3, 0, 2, z.data(), 3, 0, codes.data(), 2, size, w.data()); },
         {asReported(kBadSwitch)}},
        {"smoothed",
         [&] { FILCON(3, 0, 2, 3, 0, 2, z.data(), 3, 1, codes.data(), 0, size, w.data()); },
         {asReported(kBadLineSwitch)}},
        {"short workspace",
         [&] { FILCON(3, 0, 2, 3, 0, 2, z.data(), 3, 0, codes.data(), 0, 27 + 999, w.data()); },
         {asReported(kWorkspaceShort)}},
        {"flat",
         [&] { FILCON(3, 0, 2, 3, 0, 2, flat.data(), 3, 0, codes.data(), 0, size, w.data()); },
         {asReported(kFlatData)}},
        {"no map", [&] { ADDFIL(1, 2, 1, 0, 0, size, w.data()); }, {asReported(kNoDrawingToAddTo)}},
        {"thin band",
         [&] {
             FILCON(3, 0, 2, 3, 0, 2, z.data(), 3, 0, codes.data(), 0, size, w.data());
             ADDFIL(1, 1, 1, 0, 0, size, w.data());
         },
         {asReported(kThinBand)}},
        {"other workspace",
         [&] {
             FILCON(3, 0, 2, 3, 0, 2, z.data(), 3, 0, codes.data(), 0, size, w.data());
             ADDFIL(1, 2, 1, 0, 0, size - 1, w.data());
         },
         {asReported(kNoDrawingToAddTo)}},
        {"lines switch and limits",
         [&] {
             FILCON(3, 0, 2, 3, 0, 2, z.data(), 3, 0, codes.data(), 0, size, w.data());
             LEVELS(0.0f, 1.0f);
             ADDFIL(0.5f, 2, 1, 7, 0, size, w.data());
         },
         {asReported(kOutsideLimits), asReported(kBadSwitch)}},
    };
    for (const Case& c : cases) {
        SetUp();
        c.call();
        EXPECT_EQ(reported(), c.errors) << c.what;
    }
}

// A map of many pieces on a raster: the kernel fills its bands in stripes of rows on threads of
// its own while the routine goes on to the contour lines.  The picture shows no background
// anywhere inside the map (the rows where stripes meet among them), and the lines lie above the
// bands.
TEST_F(BandFillTest, ManyPiecesOnARasterLeaveNoBackgroundInTheMap)
{
    const ScratchFolder folder("surflib_bands_");
    const std::string png = folder.file("bands.png");
    kernelSelectOutput(png.c_str(), static_cast<int>(png.size()));
    kernelOpenDevice();
    CONSWI(1);
    const auto z =
        grid(151, 151, 12, 12, [](float x, float y) { return std::sin(3 * x) * std::cos(3 * y); });
    const std::vector<std::string> log = fill(151, 151, 12, 12, z, 2, {2, 3, 4});
    kernelCloseDevice();
    EXPECT_TRUE(reported().empty());
    // Pieces enough that the kernel shares them among threads.
    EXPECT_GT(only(log, "kernelFillPolygon").size(), 10000u);

    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(s), 1000);  // the picture space 1000 x 750
    ASSERT_EQ(cairo_image_surface_get_height(s), 750);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const MapTransform& m = surfaceState.map;
    int background = 0, line = 0;
    for (int row = static_cast<int>(750 - m.originY - m.mapHeight) + 2;
         row <= static_cast<int>(750 - m.originY) - 2; ++row) {
        for (int col = static_cast<int>(m.originX) + 2;
             col <= static_cast<int>(m.originX + m.mapWidth) - 2; ++col) {
            uint32_t v;
            std::memcpy(&v, data + row * stride + 4 * col, 4);
            background += (v & 0xFFFFFF) == 0xFFFFFF;
            line += (v >> 16 & 0xFF) < 0x40 && (v >> 8 & 0xFF) < 0x40 && (v & 0xFF) < 0x40;
        }
    }
    cairo_surface_destroy(s);
    EXPECT_EQ(background, 0);
    EXPECT_GT(line, 20000);
}

// Maps of many pieces drawn to a raster one after another, each filled in stripes on threads
// of the kernel's own: every map gives the pixels of the first.  Two maps here; the thread
// check (make test-thread) runs this test alone in a program of its own with many more
// (TARV_STRIPE_ROUNDS), so that the stripe workers start as a program's first do, with
// nothing made before them, and those of many maps run side by side.  The bands of
// sin(xy / 2) cross the stripes' edges in many places.
TEST_F(BandFillTest, MapsDrawnInTurnOnARasterGiveTheSamePixels)
{
    const char* asked = std::getenv("TARV_STRIPE_ROUNDS");
    const int rounds = std::max(2, asked != nullptr ? std::atoi(asked) : 0);
    const ScratchFolder folder("surflib_rounds_");
    const std::string png = folder.file("bands.png");
    const int n = 151, bands = 4, codes[bands + 1] = {2, 3, 4, 5, 6};
    const auto z = grid(n, n, 12, 12, [](float x, float y) { return std::sin(0.5f * x * y); });
    work.assign(3 * n * n + 2000, 0.0f);
    std::vector<unsigned char> first;
    for (int k = 0; k < rounds; ++k) {
        kernelSelectOutput(png.c_str(), static_cast<int>(png.size()));
        kernelOpenDevice();
        FILCON(n, 0.0f, 12.0f, n, 0.0f, 12.0f, z.data(), bands, 0, codes, 0,
               static_cast<int>(work.size()), work.data());
        kernelCloseDevice();
        cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
        ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const std::vector<unsigned char> pixels(
            data, data + cairo_image_surface_get_stride(s) * cairo_image_surface_get_height(s));
        cairo_surface_destroy(s);
        if (k == 0) first = pixels;
        ASSERT_TRUE(pixels == first) << "map " << k;
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(BandFillTest, ContourLinesOverTheBandsAndAddedContours)
{
    CONSWI(1);
    const auto z = grid(5, 5, 4, 4, [](float x, float y) { return x + y; });
    const std::vector<std::string> log = fill(5, 5, 4, 4, z, 4, {1, 2, 3, 4, 5});
    // Lines at the lower edge of every band but the first (2, 4, 6 and the top band's 8).
    ASSERT_EQ(surfaceState.levels.count, 4);
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(surfaceState.levels.heights[k], 2.0f * (k + 1), 1e-5);
    EXPECT_FALSE(polylinesOf(log).empty());
    // The band-filled map can be added to like a contour map.
    ADDCON(3.0f, 0, static_cast<int>(work.size()), work.data());
    EXPECT_TRUE(reported().empty());
}

}  // namespace
