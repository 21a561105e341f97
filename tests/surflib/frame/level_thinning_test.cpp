// Tests of the levels a map keeps when asked for more than its picture shows apart: the walk
// over a count as large as an int, and gridded and network maps of a plane asked for 200000
// levels and for every level an int can count, rasterised to see that they cover the whole map.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "../surface_test.h"
#include "frame/level_thinning.h"
#include "frame/state.h"
#include "grid/tracing.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

TEST(LevelThinning, EveryLevelAnIntCountsCostsWhatTheKeptOnesCost)
{
    // One piece over 0..1.5 that shows lines a thousandth apart, and levels 0..1.5 in as many
    // steps as an int holds.
    SurfaceLevelSteps steps;
    steps.add(0.0f, 1.5f, 0.001);
    steps.finish();
    const long long count = INT_MAX;
    long long asked = 0;
    bool leftOut = false;
    const std::vector<long long> kept = surfaceThinLevels(
        count,
        [&](long long k) {
            ++asked;
            return static_cast<float>(1.5 * static_cast<double>(k) / (count - 1));
        },
        steps, leftOut);
    EXPECT_TRUE(leftOut);
    ASSERT_GE(kept.size(), 2u);
    EXPECT_EQ(kept.front(), 0);
    EXPECT_EQ(kept.back(), count - 1);
    // About 1500 levels a thousandth apart, found in a few dozen looks each.
    EXPECT_NEAR(static_cast<double>(kept.size()), 1500.0, 10.0);
    EXPECT_LT(asked, 100 * static_cast<long long>(kept.size()));
    // Level 0 meets no piece (a piece meets the levels above its low end): it and the next
    // level, the first to meet one, are both kept.
    EXPECT_EQ(kept[1], 1 + (count - 1) / 200000);
    for (size_t i = 2; i + 1 < kept.size(); ++i) {
        const double gap = 1.5 * static_cast<double>(kept[i] - kept[i - 1]) / (count - 1);
        EXPECT_GE(gap, 0.001 * (1.0 - 1e-5)) << i;
        EXPECT_LT(gap, 0.0011) << i;  // and no level that could be shown is passed over
    }
}

TEST(LevelThinning, SteepPiecesKeepTheirLevelsAndLevelsMeetingNothingStay)
{
    // A flat stretch 0..1 shows lines 0.1 apart, a steep one 1..2 only 0.5 apart; at 0 and above
    // 2 no piece: those levels draw nothing and all stay, while there are no more than a map
    // keeps.  Levels 0.075 apart: every other one in the flat stretch, one in the steep.
    SurfaceLevelSteps steps;
    steps.add(0.0f, 1.0f, 0.1);
    steps.add(1.0f, 2.0f, 0.5);
    steps.finish();
    bool leftOut = false;
    const std::vector<long long> kept = surfaceThinLevels(
        41, [](long long k) { return static_cast<float>(0.075 * static_cast<double>(k)); }, steps,
        leftOut);
    std::vector<long long> levelsKept;  // in thousandths
    for (const long long k : kept) levelsKept.push_back(75 * k);
    const std::vector<long long> expected = {0,    75,   225,  375,  525,  675,  825,  975,
                                             1500, 2025, 2100, 2175, 2250, 2325, 2400, 2475,
                                             2550, 2625, 2700, 2775, 2850, 2925, 3000};
    EXPECT_EQ(levelsKept, expected);
    EXPECT_TRUE(leftOut);
}

TEST(LevelThinning, SpansOfListedLevelsAreThoseOfTheWholeTable)
{
    // Pieces with ends on a coarse lattice (so that ends and levels coincide), some reaching to
    // the infinities, some of step 0; levels on the same lattice and between, infinities and no
    // number.  Every span, asked of the listed levels and of levels outside the list, is the
    // one the table of every stretch gives.
    std::mt19937 random(5);
    std::uniform_int_distribution<int> lattice(-8, 8), pick(0, 9);
    const float inf = std::numeric_limits<float>::infinity();
    for (int trial = 0; trial < 200; ++trial) {
        SurfaceLevelSteps table, listed;
        const int pieces = trial % 7 == 0 ? 0 : 1 + trial % 23;
        for (int i = 0; i < pieces; ++i) {
            float low = 0.25f * static_cast<float>(lattice(random));
            float high = low + 0.25f * static_cast<float>(pick(random));
            if (pick(random) == 0) low = -inf;
            if (pick(random) == 0) high = inf;
            const double step = pick(random) == 0 ? 0.0 : 0.01 * (1 + pick(random));
            table.add(low, high, step);
            listed.add(low, high, step);
        }
        std::vector<float> levels;
        for (int k = 0; k < 1 + trial % 11; ++k)
            levels.push_back(0.125f * static_cast<float>(lattice(random)));
        levels.push_back(pick(random) < 2 ? inf : -inf);
        levels.push_back(std::numeric_limits<float>::quiet_NaN());
        table.finish();
        listed.finishFor(levels);
        std::vector<float> asked = levels;
        for (int k = 0; k < 5; ++k) asked.push_back(0.0625f * static_cast<float>(lattice(random)));
        for (const float level : asked) {
            const SurfaceLevelSteps::Span a = table.at(level), b = listed.at(level);
            EXPECT_EQ(a.from, b.from) << trial << " at " << level;
            EXPECT_EQ(a.to, b.to) << trial << " at " << level;
            EXPECT_EQ(a.step, b.step) << trial << " at " << level;
            EXPECT_EQ(a.meets, b.meets) << trial << " at " << level;
        }
    }
}

// A grid with a hole at every other node in both directions: every cell has a corner that is no
// number (or infinite), where the tracer puts a line's crossing at a place that does not move
// with the level.  Levels that meet such edges alone draw the same line; those that cross the
// cells' finite corners are judged on them.  Either way a gridded map keeps about as many levels
// as it keeps on the grid without holes, not every level asked.
TEST_F(SurfacePictureTest, CellsWithHolesKeepNoMoreLevelsThanThePictureShows)
{
    constexpr int n = 9;
    constexpr long long asked = 200000;
    const auto keptOf = [&](float hole) {
        std::vector<float> z;
        for (int j = 0; j < n; ++j) {
            for (int i = 0; i < n; ++i)
                z.push_back(i % 2 == 0 && j % 2 == 0 ? hole : (i + j / 2.0f) / (n - 1));
        }
        std::vector<float> work(3 * n * n + 1000, 0.0f);
        const int wsize = static_cast<int>(work.size()), levels = 1, plain = 0;
        DRACON(n, 0.0f, 1.0f, n, 0.0f, 1.0f, z.data(), levels, plain, wsize, work.data());
        // Levels over the finite heights, as LEVELS(0, 1.5) asks.
        return surfaceThinGridLevels(0.0, 1.5 / asked, asked + 1, wsize, work.data()).size();
    };
    const size_t whole = keptOf(0.5f);
    ASSERT_GT(whole, 2u);
    const float inf = std::numeric_limits<float>::infinity();
    for (const float hole : {std::numeric_limits<float>::quiet_NaN(), inf, -inf}) {
        const size_t kept = keptOf(hole);
        EXPECT_GE(kept, 2u) << hole;
        EXPECT_LE(kept, 2 * whole) << hole;
    }
}

// A plane z = u + v / 2 over the unit square, asked for many levels between LEVELS(0, 1.5).
enum class Map { Bands, Lines, NetworkBands, NetworkLines };
struct ManyLevelsCase {
    const char* name;
    Map map;
    int count;
};

class ManyLevelsTest : public SurfacePictureTest,
                       public ::testing::WithParamInterface<ManyLevelsCase> {
protected:
    // The share of the map area's pixels left white.
    double whiteShare(const std::string& png) const
    {
        cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
        EXPECT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
        const int height = cairo_image_surface_get_height(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        const MapTransform& m = surfaceState.map;
        long long white = 0, all = 0;
        for (int row = height - static_cast<int>(m.originY + m.mapHeight) + 2;
             row <= height - static_cast<int>(m.originY) - 2; ++row) {
            for (int col = static_cast<int>(m.originX) + 2;
                 col <= static_cast<int>(m.originX + m.mapWidth) - 2; ++col) {
                uint32_t v;
                std::memcpy(&v, data + row * stride + 4 * col, 4);
                white += (v & 0xFFFFFF) == 0xFFFFFF;
                ++all;
            }
        }
        cairo_surface_destroy(s);
        return all > 0 ? static_cast<double>(white) / static_cast<double>(all) : 1.0;
    }
};

TEST_P(ManyLevelsTest, CoverTheWholeMapAndReportWhatIsLeftOut)
{
    const ManyLevelsCase& c = GetParam();
    const ScratchFolder folder("surflib_levels_");
    const std::string png = folder.file("map.png");
    kernelSelectOutput(png.c_str(), static_cast<int>(png.size()));
    kernelOpenDevice();
    CONFRA(1);
    CONANN(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);
    CONSWI(0);  // the bands alone
    LEVELS(0.0f, 1.5f);
    const int plain = 0, key = 0;
    std::vector<int> codes;
    std::vector<float> work;
    if (c.map == Map::Bands || c.map == Map::Lines) {
        constexpr int n = 40;
        std::vector<float> z;
        for (int j = 0; j < n; ++j) {
            for (int i = 0; i < n; ++i) z.push_back((i + j / 2.0f) / (n - 1));
        }
        work.assign(3 * n * n + 1000, 0.0f);
        const int wsize = static_cast<int>(work.size());
        if (c.map == Map::Bands) {
            codes.assign(static_cast<size_t>(c.count) + 1, 3);
            FILCON(n, 0.0f, 1.0f, n, 0.0f, 1.0f, z.data(), c.count, plain, codes.data(), key, wsize,
                   work.data());
        } else {
            DRACON(n, 0.0f, 1.0f, n, 0.0f, 1.0f, z.data(), c.count, plain, wsize, work.data());
        }
    } else {
        constexpr int n = 2000;
        std::mt19937 random(38);
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        std::vector<float> x, y, z;
        for (int k = 0; k < n; ++k) {
            x.push_back(unit(random));
            y.push_back(unit(random));
            z.push_back(x.back() + y.back() / 2.0f);
        }
        // The corners, so that the network covers the window.
        for (const float cx : {0.0f, 1.0f}) {
            for (const float cy : {0.0f, 1.0f}) {
                x.push_back(cx);
                y.push_back(cy);
                z.push_back(cx + cy / 2.0f);
            }
        }
        const int points = static_cast<int>(x.size());
        work.assign(static_cast<size_t>(40 * (points + 1) + 100), 0.0f);
        const int wsize = static_cast<int>(work.size());
        RANTRI(points, x.data(), y.data(), z.data(), wsize, work.data());
        if (c.map == Map::NetworkBands) {
            codes.assign(static_cast<size_t>(c.count) + 1, 3);
            FILTRI(0.0f, 1.0f, 0.0f, 1.0f, c.count, plain, codes.data(), key, wsize, work.data());
        } else {
            DRATRI(0.0f, 1.0f, 0.0f, 1.0f, c.count, plain, wsize, work.data());
        }
    }
    kernelCloseDevice();
    EXPECT_LE(whiteShare(png), 0.01);
    const std::vector<int> r = reported();
    EXPECT_NE(std::find(r.begin(), r.end(), asReported(kBadIntervalCount)), r.end());
    EXPECT_NE(std::find(r.begin(), r.end(), asReported(kLevelsTooClose)), r.end());
}

INSTANTIATE_TEST_SUITE_P(
    PlaneAskedForMoreLevelsThanItShows, ManyLevelsTest,
    ::testing::Values(ManyLevelsCase{"FilledGrid200000", Map::Bands, 200000},
                      ManyLevelsCase{"LinesOfGrid200000", Map::Lines, 200000},
                      ManyLevelsCase{"LinesOfGridIntMax", Map::Lines, INT_MAX},
                      ManyLevelsCase{"FilledNetwork200000", Map::NetworkBands, 200000},
                      ManyLevelsCase{"LinesOfNetworkIntMax", Map::NetworkLines, INT_MAX}),
    [](const ::testing::TestParamInfo<ManyLevelsCase>& info) { return info.param.name; });

}  // namespace
