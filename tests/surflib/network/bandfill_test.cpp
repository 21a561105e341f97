// bandfill_test.cpp - band fills of networks read back from the kernel's fill calls: on a
// plane every band fills exactly its strip, on a curved surface the bands together cover the
// network once, excluded triangles stay empty, and the codes, band table, level list, limits
// and refusals of FILTRI and ADTFIL.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "contour_log.h"
#include "network_fixture.h"

namespace {

float alongX(float x, float /*y*/) { return x; }

// A dome over a disc of radius 4 about (5, 5): rings of 12 points at radius 2 and 4.
std::vector<NetPoint> dome()
{
    std::vector<NetPoint> pts{{5.0f, 5.0f, 10.0f}};
    for (int ring = 1; ring <= 2; ++ring) {
        const double r = 2.0 * ring;
        for (int k = 0; k < 12; ++k) {
            const double a = k * 3.14159265358979 / 6.0;
            pts.push_back({static_cast<float>(5.0 + r * std::cos(a)),
                           static_cast<float>(5.0 + r * std::sin(a)),
                           static_cast<float>(10.0 - 0.5 * r * r)});
        }
    }
    return pts;
}

class NetworkBandFill : public NetworkTest {
protected:
    void SetUp() override
    {
        NetworkTest::SetUp();
        CONANN(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);
        tarv::errorLogClear();
    }
    // Filled area in map units by the kernel pen of the fill (fill codes 2000 + k give pen k).
    static std::map<int, double> areaByPen(const std::vector<std::string>& log)
    {
        std::map<int, double> out;
        for (const netlog::Fill& f : netlog::fills(log))
            out[f.pen] += std::fabs(netlog::mapArea(f.x, f.y));
        return out;
    }
    static double total(const std::map<int, double>& areas)
    {
        double sum = 0.0;
        for (const auto& a : areas) sum += a.second;
        return sum;
    }
    void fill(int ncont, const std::vector<int>& codes, int key = 0)
    {
        FILTRI(-1.0f, 11.0f, -1.0f, 11.0f, ncont, 0, codes.data(), key, wsize, work.data());
    }
    // A level list that does not rise: contours added with ADTCON after CONDEF 0.3, 0.6 (0.1
    // for a start), on heights (x + 0.5) / 10 over points 2 apart (no level runs through a
    // point), filled by FILTRI with a pen for each band of the list.
    std::map<int, double> fallingListAreas(const std::vector<float>& added = {0.1f})
    {
        build(gridOf(6, [](float x, float) { return (x + 0.5f) / 10.0f; }));
        TRIINT(0, 10, 1);
        const float heights[2] = {0.3f, 0.6f};
        CONDEF(2, heights);
        DRATRI(-1.0f, 11.0f, -1.0f, 11.0f, 2, 0, wsize, work.data());
        for (const float level : added) ADTCON(level, 0, wsize, work.data());
        const int levels = 2 + static_cast<int>(added.size());
        EXPECT_EQ(surfaceState.levels.count, levels);
        capture();
        fill(levels, penCodes(levels + 1));
        return areaByPen(calls());
    }
    static std::vector<int> penCodes(int n)
    {
        std::vector<int> codes;
        for (int k = 1; k <= n; ++k) codes.push_back(2000 + k);
        return codes;
    }
};

TEST_F(NetworkBandFill, PlaneBandsFillTheirStripsExactly)
{
    build(gridOf(6, alongX));
    TRIINT(0, 10, 1);
    capture();
    fill(10, penCodes(11));
    const std::vector<std::string> log = calls();
    EXPECT_TRUE(reported().empty());
    // Levels 0 .. 10 by 1: ten bands of one unit each, the first from the data minimum.  Where
    // a level runs through a vertex the crossing search takes its point a thousandth of the
    // edge away from it, so the strips are exact to that.
    ASSERT_EQ(surfaceState.fillBandCount, 10);
    const std::map<int, double> areas = areaByPen(log);
    EXPECT_NEAR(total(areas), 100.0, 1e-3);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_NEAR(areas.count(k) ? areas.at(k) : 0.0, 10.0, 0.01) << "band " << k;
        EXPECT_EQ(surfaceState.bands.bandCodes[k - 1], 2000 + k);
        EXPECT_FLOAT_EQ(surfaceState.bands.bandLows[k - 1], static_cast<float>(k - 1));
        EXPECT_FLOAT_EQ(surfaceState.bands.bandHighs[k - 1], static_cast<float>(k));
    }
    for (const netlog::Fill& f : netlog::fills(log)) {
        for (const float X : f.x) {
            const float x = netlog::mapX(X);
            EXPECT_GE(x, static_cast<float>(f.pen - 1) - 2.5e-3f);
            EXPECT_LE(x, static_cast<float>(f.pen) + 2.5e-3f);
        }
    }
    EXPECT_TRUE(guardsIntact());
}

TEST_F(NetworkBandFill, HeightOnABandsEdgeIsFilledByOneBandOnly)
{
    // Columns of points at x = 0, 10/3, 20/3, 10 with heights 0, p, p, 2: the triangles of the
    // middle strip are flat at p.  Levels 0, 1, 2; a band's edges are its levels raised by eps
    // of the height range (0 to 2): a plateau exactly at the level 1 belongs to the band under
    // it, one exactly on the raised edge to the band above.  Either way it is filled once.
    const float raised = 2.0f * static_cast<float>(0.5 + static_cast<double>(surfaceState.eps));
    const struct {
        float plateau;
        double lower, upper;  // area of each band
    } cases[] = {{1.0f, 200.0 / 3, 100.0 / 3}, {raised, 100.0 / 3, 200.0 / 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plateau);
        SetUp();
        std::vector<NetPoint> pts = gridOf(4, alongX);
        for (NetPoint& p : pts) p.z = p.x < 3.0f ? 0.0f : (p.x < 7.0f ? c.plateau : 2.0f);
        build(pts);
        TRIINT(0, 10, 1);
        const float heights[3] = {0.0f, 1.0f, 2.0f};
        CONDEF(3, heights);
        capture();
        fill(2, penCodes(3));
        const std::map<int, double> areas = areaByPen(calls());
        EXPECT_TRUE(reported().empty());
        EXPECT_NEAR(areas.count(1) ? areas.at(1) : 0.0, c.lower, 0.02);
        EXPECT_NEAR(areas.count(2) ? areas.at(2) : 0.0, c.upper, 0.02);
        EXPECT_NEAR(total(areas), 100.0, 1e-3);
    }
}

TEST_F(NetworkBandFill, CurvedBandsCoverTheNetworkOnce)
{
    build(dome());
    for (const int method : {0, 1, 2}) {
        TRIINT(method, 10, 1);
        capture();
        fill(7, penCodes(8));
        const std::map<int, double> areas = areaByPen(calls());
        // The hull is the regular 12-gon of radius 4: area 3 r^2.
        EXPECT_NEAR(total(areas), 48.0, 48.0 * 1e-4) << "method " << method;
        EXPECT_GE(areas.size(), 5u);
    }
    EXPECT_TRUE(reported().empty());
}

// A triangle flat at height 0 whose vertex slopes all rise into it: the cubic patch bulges up
// to its centroid, so the band just above 0 rings the centroid and the band above fills the
// hole.  Five points round it, one lower and one higher, close the hull.
TEST_F(NetworkBandFill, BandRingingACentroidLeavesTheHoleToTheBandAbove)
{
    const float x[8] = {0.0f, 10.0f, 5.0f, -10.0f, 20.0f, 18.0f, 5.0f, -8.0f};
    const float y[8] = {0.0f, 0.0f, 8.66f, -6.0f, -6.0f, 12.0f, 20.0f, 12.0f};
    const float z[8] = {0.0f, 0.0f, 0.0f, -1.0f, 0.0f, 0.0f, 1.0f, 0.0f};
    const float s = 0.3f;  // the slope towards the centroid at each vertex of the triangle
    const float dx[8] = {s * 0.866f, -s * 0.866f, 0.0f, 0, 0, 0, 0, 0};
    const float dy[8] = {s * 0.5f, s * 0.5f, -s, 0, 0, 0, 0, 0};
    makeWorkspace(sizeFor(20));
    TRIDER(8, x, y, z, dx, dy, wsize, work.data());
    TRIINT(2, 10, 1);
    const float heights[2] = {-0.5f, 0.05f};
    CONDEF(2, heights);
    capture();
    const std::vector<int> codes = penCodes(3);
    FILTRI(-10.0f, 20.0f, -6.0f, 20.0f, 2, 0, codes.data(), 0, wsize, work.data());
    const std::vector<std::string> log = calls();
    const std::map<int, double> areas = areaByPen(log);
    EXPECT_TRUE(reported().empty());
    double hull = 0.0;
    for (int k = 3, prev = 7; k < 8; prev = k++)
        hull += 0.5 * (static_cast<double>(x[prev]) * y[k] - static_cast<double>(x[k]) * y[prev]);
    EXPECT_NEAR(total(areas), hull, hull * 1e-5);
    // The centroid lies in a part of the top band and in none of the band below.
    std::map<int, int> cover;
    for (const netlog::Fill& f : netlog::fills(log)) {
        bool in = false;
        for (size_t a = 0, b = f.x.size() - 1; a < f.x.size(); b = a++) {
            const float ax = netlog::mapX(f.x[a]), ay = netlog::mapY(f.y[a]);
            const float bx = netlog::mapX(f.x[b]), by = netlog::mapY(f.y[b]);
            if ((ay > 2.887f) != (by > 2.887f) && 5.0f < ax + (bx - ax) * (2.887f - ay) / (by - ay))
                in = !in;
        }
        cover[f.pen] += in ? 1 : 0;
    }
    EXPECT_EQ(cover[2], 0);
    EXPECT_EQ(cover[3], 1);
}

TEST_F(NetworkBandFill, NegativeCodesAndExcludedTrianglesStayUnfilled)
{
    build(gridOf(6, alongX));
    TRIINT(0, 10, 1);
    // The first triangle becomes a hole: a region mark and negative neighbour entries.
    float* w = work.data();
    networkTriangleField(w, 1, kTriRegionMark) = kRegionMark;
    for (int k = 1; k <= 3; ++k) networkSetNeighbour(w, 1, k, networkNeighbour(w, 1, k));
    const double hole = std::fabs(signedArea(1)) * 100.0;
    std::vector<int> codes = penCodes(11);
    codes[2] = -1;
    capture();
    fill(10, codes);
    const std::map<int, double> areas = areaByPen(calls());
    EXPECT_EQ(areas.count(3), 0u);
    EXPECT_EQ(surfaceState.bands.bandCodes[2], -1);
    EXPECT_EQ(surfaceState.fillBandCount, 10);
    double holeInOtherBands = 0.0;
    {
        // The hole lies in the bands of x from its lowest to its highest corner.
        const NetPoint a = point(vertex(1, 1)), b = point(vertex(1, 2)), c = point(vertex(1, 3));
        const float lo = std::min({a.x, b.x, c.x}), hi = std::max({a.x, b.x, c.x});
        EXPECT_TRUE(hi <= 2.0f || lo >= 3.0f) << "the hole must not overlap the unfilled band";
        holeInOtherBands = hole;
    }
    EXPECT_NEAR(total(areas), 100.0 - 10.0 - holeInOtherBands, 0.02);
    EXPECT_EQ(mark(1), kRegionMark);
}

// Triangle by triangle the bands take turns, yet the pieces of each colour reach the device as
// one path; the call log keeps every piece.
TEST_F(NetworkBandFill, EachColourReachesTheDeviceAsOnePath)
{
    build(randomPoints(200, 3, [](float x, float y) { return std::sin(x) * std::cos(y); }));
    const std::vector<int> codes{2, 3, 4, 5, 6};
    struct Case {
        const char* what;
        std::function<void()> draw;
    };
    const Case cases[] = {
        {"FILTRI of many bands", [&] { fill(4, codes); }},
        {"FILTRI and a band added",
         [&] {
             fill(0, codes);
             ADTFIL(-0.3f, 0.45f, 7, 0, 0, wsize, work.data());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        capture();
        const SvgFills svg = svgFills(c.draw);
        const std::vector<std::string> log = calls();
        // One path per colour: bands of the same code share it.
        const std::set<int> colours(surfaceState.bands.bandCodes,
                                    surfaceState.bands.bandCodes + surfaceState.fillBandCount);
        EXPECT_GE(svg.joined, 1);
        EXPECT_EQ(svg.joined, static_cast<int>(colours.size()));
        EXPECT_EQ(svg.alone, 0);
        EXPECT_GT(only(log, "kernelFillPolygon").size(), static_cast<size_t>(20 * svg.joined));
    }
}

TEST_F(NetworkBandFill, AddedBandFillsBetweenItsHeightsAndDrawsItsLines)
{
    build(gridOf(6, alongX));
    TRIINT(0, 10, 1);
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    capture();
    ADTFIL(7.0f, 3.0f, 2005, 5, 0, wsize, work.data());
    const std::vector<std::string> log = calls();
    EXPECT_EQ(reported(), std::vector<int>{asReported(kBadSwitch)});
    const std::map<int, double> areas = areaByPen(log);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_NEAR(areas.at(5), 40.0, 1e-3);
    ASSERT_EQ(surfaceState.fillBandCount, 1);
    EXPECT_EQ(surfaceState.bands.bandCodes[0], 2005);
    EXPECT_FLOAT_EQ(surfaceState.bands.bandLows[0], 3.0f);
    EXPECT_FLOAT_EQ(surfaceState.bands.bandHighs[0], 7.0f);
    // A line switch out of range draws the lines at both heights and lists them.
    int vertical = 0;
    for (const netlog::Line& l : netlog::polylines(log)) {
        const netlog::Line m = netlog::toMap(l);
        if (std::fabs(m.x.front() - m.x.back()) < 1e-3f) ++vertical;
    }
    EXPECT_EQ(vertical, 2);
    ASSERT_EQ(surfaceState.levels.count, 2);
    EXPECT_FLOAT_EQ(surfaceState.levels.heights[0], 3.0f);
    EXPECT_FLOAT_EQ(surfaceState.levels.heights[1], 7.0f);
}

TEST_F(NetworkBandFill, RefusalsAndWarnings)
{
    build(gridOf(6, alongX));
    const std::vector<int> codes = penCodes(11);
    struct Case {
        const char* what;
        std::function<void()> call;
        std::vector<int> numbers;
        bool fills;
    };
    const std::vector<Case> cases = {
        {"ADTFIL with no network map",
         [&] { ADTFIL(1.0f, 2.0f, 2001, 0, 0, wsize, work.data()); },
         {asReported(kNoDrawingToAddTo)},
         false},
        {"FILTRI on another workspace size",
         [&] { FILTRI(0.0f, 10.0f, 0.0f, 10.0f, 4, 0, codes.data(), 0, wsize + 1, work.data()); },
         {asReported(kWorkspaceShort)},
         false},
        {"FILTRI with a bad key and switch",
         [&] { FILTRI(0.0f, 10.0f, 0.0f, 10.0f, 4, 3, codes.data(), 2, wsize, work.data()); },
         {asReported(kBadSwitch), asReported(kBadLineSwitch)},
         true},
        {"FILTRI with a flat window and a bad switch: the window ends it first",
         [&] { FILTRI(0.0f, 0.0f, 0.0f, 10.0f, 4, 3, codes.data(), 0, wsize, work.data()); },
         {asReported(kFlatXRange)},
         false},
        {"FILTRI with a negative count",
         [&] { FILTRI(0.0f, 10.0f, 0.0f, 10.0f, -4, 0, codes.data(), 0, wsize, work.data()); },
         {asReported(kNegativeCount)},
         true},
        {"ADTFIL of equal heights",
         [&] { ADTFIL(2.0f, 2.0f, 2001, 0, 0, wsize, work.data()); },
         {asReported(kThinBand)},
         false},
        {"ADTFIL outside the limits",
         [&] {
             LEVELS(4.0f, 6.0f);
             ADTFIL(1.0f, 2.0f, 2001, 0, 0, wsize, work.data());
             LEVELS(0.0f, 0.0f);
         },
         {asReported(kOutsideLimits)},
         true},
    };
    for (const Case& c : cases) {
        tarv::errorLogClear();
        capture();
        c.call();
        const std::vector<std::string> log = calls();
        EXPECT_EQ(reported(), c.numbers) << c.what;
        EXPECT_EQ(!netlog::fills(log).empty(), c.fills) << c.what;
        for (const tarv::ErrorRecord& r : tarv::errorLog()) {
            EXPECT_NE(r.routine.find(c.what[0] == 'A' ? "(ADTFIL)" : "(FILTRI)"), std::string::npos)
                << c.what;
        }
    }
    EXPECT_TRUE(guardsIntact());
}

TEST_F(NetworkBandFill, LevelListOverflowsAtOneHundredAndTheBandTableStops)
{
    build(gridOf(6, alongX));
    TRIINT(0, 10, 1);
    LEVELS(0.0f, 10.0f);
    const std::vector<int> codes = penCodes(121);
    capture();
    fill(120, codes);
    const std::vector<std::string> log = calls();
    EXPECT_EQ(surfaceState.levels.count, kSurfaceLevelOverflow);
    EXPECT_EQ(surfaceState.fillBandCount, kSurfaceMaxBands);
    // Every band is still filled: the strips of all 119 bands make the square.
    EXPECT_NEAR(total(areaByPen(log)), 100.0, 1e-2);
}

// On the plane z = x, 65536 bands between limits over the heights, each far thinner than the
// picture shows: warning -1077 merges those the picture cannot show apart, so that every band
// is a resolution of the picture (a thousandth of the map area's larger side) wide, and takes
// the code that the band asked for above its lower level has (the codes in turn from the
// first, as the bands asked for); the bands still fill the whole square.
TEST_F(NetworkBandFill, BandsThinnerThanThePictureShowsAreMerged)
{
    build(gridOf(6, alongX));
    TRIINT(0, 10, 1);
    LEVELS(0.0f, 10.0f);
    std::vector<int> codes;
    for (int k = 0; k <= 65536; ++k) codes.push_back(2001 + k % 997);
    capture();
    fill(-65536, codes);
    const std::vector<std::string> log = calls();
    const std::vector<int> numbers = reported();
    EXPECT_EQ(std::count(numbers.begin(), numbers.end(), asReported(kLevelsTooClose)), 1);
    EXPECT_NEAR(total(areaByPen(log)), 100.0, 1e-2);
    const MapTransform& m = surfaceState.map;
    const double perPicture = m.factorX / m.scaleX;  // map units of x per picture unit
    const double resolution = std::max(m.mapWidth, m.mapHeight) / 1000.0 * perPicture;
    const double asked = 10.0 / 65535.0, measure = 2.5e-3;
    ASSERT_EQ(surfaceState.fillBandCount, kSurfaceMaxBands);
    for (int i = 0; i < kSurfaceMaxBands; ++i) {
        const double low = surfaceState.bands.bandLows[i], high = surfaceState.bands.bandHighs[i];
        EXPECT_GE(high - low, resolution - 1e-4) << i;
        EXPECT_LE(high - low, resolution + asked + 1e-4) << i;
        const long long k = std::llround(low / asked);
        EXPECT_EQ(surfaceState.bands.bandCodes[i], codes[static_cast<size_t>(k)]) << i;
    }
    for (const netlog::Fill& f : netlog::fills(log)) {
        const auto [lo, hi] = std::minmax_element(f.x.begin(), f.x.end());
        EXPECT_LE(netlog::mapX(*hi) - netlog::mapX(*lo), resolution + asked + measure);
    }
}

TEST_F(NetworkBandFill, LevelListFromCondefUsesTheCallersCodesOnly)
{
    build(gridOf(6, alongX));
    TRIINT(0, 10, 1);
    const float heights[6] = {2.0f, 4.0f, 5.0f, 6.0f, 8.0f, 9.0f};
    CONDEF(6, heights);
    // Two codes for a list of six levels: they are used in turn, never beyond the array.
    const std::vector<int> codes = {2001, 2002};
    capture();
    fill(1, codes);
    const std::map<int, double> areas = areaByPen(calls());
    EXPECT_NEAR(total(areas), 100.0, 1e-3);
    // Bands: below 2, 2-4, 4-5, 5-6, 6-8, 8-9, above 9, codes alternating.
    EXPECT_NEAR(areas.at(1), 10.0 * (2 + 1 + 2 + 1), 1e-3);
    EXPECT_NEAR(areas.at(2), 10.0 * (2 + 1 + 1), 1e-3);
}

// A refused network map, filled or not and whether the list is in force or not, leaves the
// level list as it was.
TEST_F(NetworkBandFill, RefusedMapsLeaveTheLevelListAsItWas)
{
    build(gridOf(6, alongX));
    const std::vector<int> codes = penCodes(11);
    const float heights[3] = {2.0f, 4.0f, 6.0f};
    const std::function<void()> refused[] = {
        [&] { DRATRI(0.0f, 0.0f, 0.0f, 10.0f, 3, 0, wsize, work.data()); },
        [&] { DRATRI(0.0f, 10.0f, 0.0f, 10.0f, 3, 0, wsize + 1, work.data()); },
        [&] { FILTRI(0.0f, 10.0f, 5.0f, 5.0f, 3, 0, codes.data(), 0, wsize, work.data()); },
    };
    for (bool listOn : {true, false}) {
        for (const auto& call : refused) {
            CONDEF(3, heights);
            if (!listOn) LEVELS(0.0f, 0.0f);  // the list stays, no longer in force
            tarv::errorLogClear();
            call();
            EXPECT_EQ(reported().size(), 1u);
            ASSERT_EQ(surfaceState.levels.count, 3) << listOn;
            for (int k = 0; k < 3; ++k) EXPECT_EQ(surfaceState.levels.heights[k], heights[k]);
        }
    }
    CONDEF(3, heights);
    DRATRI(0.0f, 10.0f, 5.0f, 5.0f, 3, 0, wsize, work.data());
    fill(3, codes);
    EXPECT_EQ(surfaceState.fillBandCount, 4);
    EXPECT_EQ(surfaceState.levels.count, 3);
}

// Points with integer heights banded at every integer: nodes lie on band limits, yet every
// polygon handed to the kernel has three distinct corners and an area, and the bands still
// cover the network once.
TEST_F(NetworkBandFill, NoDegeneratePolygonReachesTheKernel)
{
    build(gridOf(6, [](float x, float y) { return std::floor(0.2f * x) + std::floor(0.1f * y); }));
    TRIINT(0, 10, 1);
    LEVELS(0.0f, 7.0f);
    capture();
    fill(8, penCodes(9));
    const std::vector<netlog::Fill> fills = netlog::fills(calls());
    ASSERT_FALSE(fills.empty());
    double total = 0.0;
    for (const netlog::Fill& f : fills) {
        std::set<std::pair<float, float>> corners;
        for (size_t k = 0; k < f.x.size(); ++k) corners.insert({f.x[k], f.y[k]});
        EXPECT_GE(corners.size(), 3u);
        EXPECT_GT(std::fabs(netlog::mapArea(f.x, f.y)), 1e-9);
        total += std::fabs(netlog::mapArea(f.x, f.y));
    }
    EXPECT_NEAR(total, 100.0, 1e-2);
}

TEST_F(NetworkBandFill, ContourLinesAreDrawnOverTheBandsWhenAsked)
{
    build(gridOf(6, alongX));
    TRIINT(0, 10, 1);
    CONSWI(1);
    capture();
    fill(10, penCodes(11));
    const std::vector<std::string> log = calls();
    size_t lastFill = 0, firstLine = log.size();
    for (size_t i = 0; i < log.size(); ++i) {
        if (netlog::startsWith(log[i], "kernelFillPolygon")) lastFill = i;
    }
    // One straight line at every inner level, drawn after the last fill.
    std::vector<int> found(11, 0);
    for (size_t i = 0; i + 1 < log.size(); ++i) {
        if (!netlog::startsWith(log[i], "kernelMovePen") ||
            !netlog::startsWith(log[i + 1], "kernelDrawLineTo"))
            continue;
        const std::vector<netlog::Line> one = netlog::polylines({log[i], log[i + 1]});
        const netlog::Line m = netlog::toMap(one[0]);
        const float x = m.x[0];
        if (std::fabs(m.x[1] - x) > 0.01f || x < 0.5f || x > 9.5f) continue;
        if (std::fabs(x - std::round(x)) < 0.01f) {
            found[static_cast<size_t>(std::lround(x))] = 1;
            firstLine = std::min(firstLine, i);
        }
    }
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(found[static_cast<size_t>(k)], 1) << k;
    EXPECT_GT(firstLine, lastFill);
}

TEST_F(NetworkBandFill, KeyRoomIsNotKeptByTheNextContourMap)
{
    build(gridOf(6, alongX));
    // A wide window: the map's width is what the key's room takes from.
    DRATRI(0.0f, 10.0f, 0.0f, 3.0f, 4, 0, wsize, work.data());
    const float plain = surfaceState.map.mapWidth;
    capture();
    FILTRI(0.0f, 10.0f, 0.0f, 3.0f, 4, 0, penCodes(5).data(), 1, wsize, work.data());
    const std::vector<std::string> log = calls();
    EXPECT_LT(surfaceState.map.mapWidth, plain);
    // The key: one box per band beside the map.
    int keyBoxes = 0;
    for (const netlog::Fill& f : netlog::fills(log)) {
        if (f.x[0] > surfaceState.map.originX + surfaceState.map.mapWidth) ++keyBoxes;
    }
    EXPECT_EQ(keyBoxes, surfaceState.fillBandCount);
    DRATRI(0.0f, 10.0f, 0.0f, 3.0f, 4, 0, wsize, work.data());
    EXPECT_FLOAT_EQ(surfaceState.map.mapWidth, plain);
    EXPECT_TRUE(reported().empty());
}

TEST_F(NetworkBandFill, LevelListThatDoesNotRiseStillFillsItsLowestBand)
{
    const std::map<int, double> areas = fallingListAreas();
    EXPECT_TRUE(reported().empty());
    // The strips x < 2.5 and 2.5 < x < 5.5 are the first two bands'.
    EXPECT_NEAR(areas.count(1) ? areas.at(1) : 0.0, 25.0, 0.01);
    EXPECT_NEAR(areas.count(2) ? areas.at(2) : 0.0, 30.0, 0.01);
}

// Each band of a triangle starts where the band before it stopped.  A band that falls (0.6 to
// 0.1) therefore takes all that lies above its lower level in a triangle that level crosses
// (the strip 5.5 < x < 6 of the triangles between x 4 and 6), also where its upper level
// crosses the triangle too (0.6 to 0.5), and the triangle is done; a triangle wholly above the
// level is left to the bands after it.  The bands cover the network once.
TEST_F(NetworkBandFill, LevelListThatDoesNotRiseCoversTheNetworkOnce)
{
    const struct {
        std::vector<float> added;
        std::vector<double> areas;  // by band, from the lowest
    } cases[] = {
        {{0.1f}, {25.0, 30.0, 5.0, 40.0}},
        {{0.5f}, {25.0, 30.0, 5.0, 40.0}},
        // 0.1 to 0.8 takes the part below 0.8 of the triangles between x 6 and 8.
        {{0.1f, 0.8f}, {25.0, 30.0, 5.0, 15.0, 25.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "added " << c.added.front() << ", " << c.added.size() << " levels");
        SetUp();
        const std::map<int, double> areas = fallingListAreas(c.added);
        EXPECT_TRUE(reported().empty());
        EXPECT_NEAR(total(areas), 100.0, 1e-3);
        for (size_t k = 0; k < c.areas.size(); ++k) {
            const int pen = static_cast<int>(k) + 1;
            EXPECT_NEAR(areas.count(pen) ? areas.at(pen) : 0.0, c.areas[k], 0.01) << "band " << pen;
        }
    }
}

}  // namespace

// Heights over a plane rising or falling to near the largest float, and a point added outside
// the grid whose height from the plane lies beyond the floats: one end of the data is infinite,
// and so is the range.  Whether the levels are chosen (then far closer than single precision
// tells apart at this scale) or listed, the bands cover the network once: the square of the
// grid and the triangle the added point spans (area 150), no more and no less.  Where the
// heights fall with x the bands' areas are known, and they hold the codes in turn from the
// first: a first level at the data's finite minimum itself leaves no empty band below it to
// take the first code.
TEST_F(NetworkBandFill, BandsOverARangeBeyondTheFloatsCoverTheNetworkOnce)
{
    const float dataMinimum = 10.0f * -3.0e37f;  // the falling plane's height at x = 10
    const struct {
        float slope;
        bool listed;
        float first;                  // the first listed level, under 0 and 1e38
        std::map<int, double> areas;  // by pen, when known
    } cases[] = {
        {3.0e37f, false, 0.0f, {}},
        {3.0e37f, true, -1.0e38f, {}},
        // Level -1e38 at x = 10/3: the strips beyond it and before it, then the triangle.
        {-3.0e37f, true, -1.0e38f, {{1, 200.0 / 3}, {2, 100.0 / 3}, {3, 150.0}}},
        {-3.0e37f, true, dataMinimum, {{1, 100.0}, {2, 150.0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.slope << (c.listed ? " listed from " : " chosen")
                                        << (c.listed ? c.first : 0.0f));
        SetUp();
        std::vector<NetPoint> pts = gridOf(6, alongX);
        for (NetPoint& p : pts) p.z *= c.slope;
        build(pts);
        TRIINT(0, 10, 1);
        TRIADD(0, -30.0f, 5.0f, 0.0f, 0.0f, 0.0f, wsize, work.data());
        const float heights[3] = {c.first, 0.0f, 1.0e38f};
        if (c.listed) CONDEF(3, heights);
        capture();
        fill(10, penCodes(11));
        const std::vector<std::string> log = calls();
        const float end = c.slope > 0.0f ? surfaceState.grid.zMin : surfaceState.grid.zMax;
        ASSERT_TRUE(std::isinf(end));
        if (c.first == dataMinimum) { ASSERT_EQ(surfaceState.grid.zMin, dataMinimum); }
        const std::vector<int> numbers = reported();
        const bool merged =
            std::count(numbers.begin(), numbers.end(), asReported(kLevelsTooClose)) == 1;
        if (c.listed) {
            EXPECT_GE(surfaceState.fillBandCount,
                      c.areas.empty() ? 3 : static_cast<int>(c.areas.size()));
            EXPECT_FALSE(merged);
        } else {
            // Chosen levels that single precision cannot tell apart at this scale are one on
            // the picture: the first and the last bound the bands, with warning -1077.
            EXPECT_EQ(surfaceState.fillBandCount, 2);
            EXPECT_TRUE(merged);
        }
        const std::map<int, double> areas = areaByPen(log);
        EXPECT_NEAR(total(areas), 250.0, 0.01);
        if (!c.areas.empty()) {
            // A level through a vertex is crossed a thousandth of the edge away from it.
            EXPECT_EQ(areas.size(), c.areas.size());
            for (const auto& [pen, area] : c.areas) {
                EXPECT_NEAR(areas.count(pen) ? areas.at(pen) : 0.0, area, 0.15) << "pen " << pen;
            }
        }
        EXPECT_TRUE(guardsIntact());
    }
}
