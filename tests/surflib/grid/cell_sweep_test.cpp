// Tests of the cell sweep of gridded maps: each query of a rising run visits exactly the cells
// it meets (checked against every cell's corners, with heights that are no number or
// infinite), in the order of a pass over the grid; runs it cannot index fail to select; and
// the band fill and the tracer draw through it what they draw visiting every cell.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "frame/state.h"
#include "grid/bandfill.h"
#include "grid/cell_sweep.h"
#include "grid/tracing.h"
#include "plain_map_test.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Heights on whole and half steps, so that levels fall on nodes, with holes that are no number
// and a few infinite heights.
std::vector<float> rough(int nx, int ny, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pick(0, 40);
    std::vector<float> z(static_cast<size_t>(nx) * ny);
    for (float& v : z) {
        const int r = pick(rng);
        v = r == 0 ? kNaN : r == 1 ? kInf : r == 2 ? -kInf : 0.5f * static_cast<float>(r % 9);
    }
    return z;
}

// Whether cell (i, j) meets (from, to): a corner at or above from, a corner below to or no
// number.
bool meets(const std::vector<float>& z, int nx, int i, int j, const SurfaceCellQuery& q)
{
    bool atOrAbove = false, below = false;
    for (const auto& [di, dj] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
        const float v = z[static_cast<size_t>(j - 1 + dj) * nx + (i - 1 + di)];
        atOrAbove = atOrAbove || v >= q.from;
        below = below || !(v >= q.to);
    }
    return atOrAbove && below;
}

using Cells = std::vector<std::pair<int, int>>;

TEST(CellSweepTest, EachQueryVisitsExactlyTheCellsItMeetsInGridOrder)
{
    struct Case {
        const char* name;
        int nx, ny;
        std::vector<SurfaceCellQuery> queries;
        int every;  // the queries selected: every `every`-th
    };
    const std::vector<Case> cases = {
        {"levels on node heights",
         9,
         7,
         {{-kInf, -kInf},
          {0.0f, 0.0f},
          {0.5f, 0.5f},
          {2.0f, 2.0f},
          {2.0f, 2.0f},
          {3.5f, 3.5f},
          {4.0f, 4.0f},
          {kInf, kInf}},
         1},
        {"bands",
         70,
         5,
         {{-kInf, 0.5f}, {0.5f, 1.25f}, {1.25f, 1.25f}, {1.25f, 3.0f}, {3.0f, 4.0f}, {4.0f, kInf}},
         1},
        {"every other level",
         67,
         66,
         {{0.25f, 0.25f},
          {0.5f, 0.5f},
          {1.0f, 1.0f},
          {1.5f, 1.5f},
          {2.5f, 2.5f},
          {3.0f, 3.0f},
          {3.75f, 3.75f}},
         2},
        {"one cell", 2, 2, {{0.0f, 0.0f}, {1.0f, 1.0f}, {2.0f, 3.0f}}, 1},
    };
    for (const Case& c : cases) {
        for (unsigned seed = 1; seed <= 6; ++seed) {
            const std::vector<float> z = rough(c.nx, c.ny, seed);
            SurfaceCellSweep sweep(c.nx, c.ny, z.data(), c.queries);
            for (size_t q = 0; q < c.queries.size(); q += static_cast<size_t>(c.every)) {
                SCOPED_TRACE(std::string(c.name) + ", seed " + std::to_string(seed) + ", query " +
                             std::to_string(q));
                ASSERT_TRUE(sweep.select(z.data(), c.queries[q].from, c.queries[q].to));
                Cells expected, rising, falling;
                for (int j = 1; j < c.ny; ++j) {
                    for (int i = 1; i < c.nx; ++i) {
                        if (meets(z, c.nx, i, j, c.queries[q])) expected.emplace_back(i, j);
                    }
                }
                sweep.eachRising([&](int i, int j) { rising.emplace_back(i, j); });
                sweep.eachFalling([&](int i, int j) { falling.emplace_back(i, j); });
                EXPECT_EQ(rising, expected);
                EXPECT_EQ(falling, Cells(expected.rbegin(), expected.rend()));
                EXPECT_EQ(sweep.empty(), expected.empty());
            }
        }
    }
}

TEST(CellSweepTest, RunsItCannotIndexAndQueriesItDoesNotHoldFailToSelect)
{
    const std::vector<float> z = rough(5, 5, 3), other = z;
    struct Ask {
        SurfaceCellQuery query;
        bool selected;
    };
    struct Case {
        const char* name;
        std::vector<SurfaceCellQuery> queries;
        std::vector<Ask> asked;  // in turn, of grid z
    };
    const std::vector<Case> cases = {
        {"falling levels", {{2.0f, 2.0f}, {1.0f, 1.0f}}, {{{2.0f, 2.0f}, false}}},
        {"a level that is no number", {{1.0f, 1.0f}, {kNaN, kNaN}}, {{{1.0f, 1.0f}, false}}},
        {"a band whose top falls", {{0.0f, 2.0f}, {1.0f, 1.5f}}, {{{0.0f, 2.0f}, false}}},
        {"no queries", {}, {{{1.0f, 1.0f}, false}}},
        // Once a height is not found the sweep stays unused.
        {"a height not in the run",
         {{1.0f, 1.0f}, {2.0f, 2.0f}},
         {{{1.5f, 1.5f}, false}, {{2.0f, 2.0f}, false}}},
        {"a query passed over",
         {{1.0f, 1.0f}, {2.0f, 2.0f}},
         {{{2.0f, 2.0f}, true}, {{2.0f, 2.0f}, true}, {{1.0f, 1.0f}, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SurfaceCellSweep sweep(5, 5, z.data(), c.queries);
        for (const Ask& a : c.asked)
            EXPECT_EQ(sweep.select(z.data(), a.query.from, a.query.to), a.selected);
    }
    SurfaceCellSweep sweep(5, 5, z.data(), {{1.0f, 1.0f}});
    EXPECT_FALSE(sweep.select(other.data(), 1.0f, 1.0f)) << "another grid";
}

// A map over a grid with holes and heights on the levels, laid out by FILCON or DRACON, whose
// band fills and lines are then drawn again with and without the sweep.
class SweptMapTest : public PlainMapTest {
protected:
    static constexpr int kNx = 41, kNy = 29;
    std::vector<float> z, work;
    int wsize() const { return static_cast<int>(work.size()); }
    static int lineTos(const std::vector<std::string>& log)
    {
        int n = 0;
        for (const std::string& l : log) n += l.rfind("kernelDrawLineTo", 0) == 0 ? 1 : 0;
        return n;
    }

    void SetUp() override
    {
        PlainMapTest::SetUp();
        // Hills on quarter steps, so that lines pass through nodes and whole cells lie inside
        // bands in runs, with holes.
        for (int j = 0; j < kNy; ++j) {
            for (int i = 0; i < kNx; ++i) {
                const double v = 2.0 + 1.8 * std::sin(i / 4.0) * std::cos(j / 5.0);
                z.push_back((i * 7 + j * 3) % 17 == 0
                                ? kNaN
                                : static_cast<float>(std::round(4.0 * v) / 4.0));
            }
        }
        work.assign(static_cast<size_t>(4 * kNx * kNy + 2000), 0.0f);
    }
    template <typename Draw> static std::vector<std::string> logOf(Draw draw)
    {
        capture();
        draw();
        return calls();
    }
};

TEST_F(SweptMapTest, BandsFilledThroughTheSweepAreThoseOfEveryCell)
{
    const int codes[5] = {2, 3, 4, 5, 6};
    FILCON(kNx, 0.0f, 1.0f, kNy, 0.0f, 1.0f, z.data(), 4, 0, codes, 0, wsize(), work.data());
    // Bands of the node heights, one band thinner than a step, and the whole range.
    const std::vector<SurfaceCellQuery> bands = {{-kInf, 0.5f},  {0.5f, 1.0f}, {1.0f, 1.0001f},
                                                 {1.25f, 2.75f}, {3.5f, 4.0f}, {4.0f, kInf}};
    const float* grid = work.data() + surfaceState.partition.grid;
    std::vector<SurfaceCellQuery> queries;
    for (const SurfaceCellQuery& b : bands) queries.push_back(surfaceBandCells(b.from, b.to));
    SurfaceCellSweep sweep(kNx, kNy, grid, queries);
    for (size_t k = 0; k < bands.size(); ++k) {
        const SurfaceCellQuery& b = bands[k];
        SCOPED_TRACE(b.from);
        const auto everyCell = logOf([&] { surfaceFillGridCells(b.from, b.to, work.data()); });
        const auto swept = logOf([&] { surfaceFillGridCells(b.from, b.to, work.data(), &sweep); });
        EXPECT_GT(everyCell.size(), 0u);
        EXPECT_EQ(swept, everyCell);
        // The fill went through the sweep: it still holds the band.
        EXPECT_TRUE(sweep.select(grid, queries[k].from, queries[k].to));
    }
}

TEST_F(SweptMapTest, FilledMapOfManyBandsIsItsBandsAddedOneByOne)
{
    // Enough bands for the map to sweep them; each added band visits every cell.
    CONSWI(0);
    LEVELS(0.1f, 3.9f);
    const int levels = 90;
    std::vector<int> codes;
    for (int k = 0; k <= levels; ++k) codes.push_back(2 + k % 5);
    auto fills = [](const std::vector<std::string>& log) {
        std::vector<std::string> out;
        for (const std::string& l : log) {
            if (l.rfind("kernelFillPolygon", 0) == 0) out.push_back(l);
        }
        return out;
    };
    const auto map = fills(logOf([&] {
        FILCON(kNx, 0.0f, 1.0f, kNy, 0.0f, 1.0f, z.data(), levels, 0, codes.data(), 0, wsize(),
               work.data());
    }));
    const int bands = surfaceState.fillBandCount;
    ASSERT_GE(bands, 64);
    const FillBandTable table = surfaceState.bands;
    std::vector<std::string> added;
    for (int k = 0; k < bands; ++k) {
        const auto band = fills(logOf([&] {
            ADDFIL(table.bandLows[k], table.bandHighs[k], table.bandCodes[k], 0, 0, wsize(),
                   work.data());
        }));
        added.insert(added.end(), band.begin(), band.end());
    }
    EXPECT_EQ(map.size(), added.size());
    EXPECT_EQ(map, added);
}

TEST_F(SweptMapTest, LinesTracedThroughTheSweepAreThoseOfEveryCell)
{
    DRACON(kNx, 0.0f, 1.0f, kNy, 0.0f, 1.0f, z.data(), 4, 0, wsize(), work.data());
    CONANN(1, 30.0f, 0.0f, 0, 0, 0, 0, 0);  // labels on the lines, on every other level
    const std::vector<float> levels = {-1.0f, 0.0f, 0.5f, 1.25f, 2.0f, 2.0f, 4.0f, 9.0f};
    SurfaceCellSweep sweep = surfaceLevelSweep(levels, wsize(), work.data());
    const GridState& g = surfaceState.grid;
    for (const int smoothed : {0, -1}) {
        surfaceState.smoothedLines = smoothed;
        auto trace = [&](SurfaceCellSweep* cells) {
            surfaceState.levelLabelCounter = 0;
            surfaceState.labelNextLevel = 1;
            for (const float level : levels) {
                surfaceTraceGridContour(g.nxIntervals, g.nyIntervals, level, wsize(), work.data(),
                                        nullptr, cells);
            }
        };
        trace(nullptr);  // the kernel's settings the output asks for once are known
        const auto everyCell = logOf([&] { trace(nullptr); });
        SurfaceCellSweep again = sweep;
        const auto swept = logOf([&] { trace(&again); });
        EXPECT_GT(lineTos(everyCell), 100) << smoothed;
        EXPECT_EQ(swept, everyCell) << smoothed;
        const float* grid = work.data() + surfaceState.partition.grid;
        EXPECT_TRUE(again.select(grid, levels.back(), levels.back())) << "traced through it";
    }
}

}  // namespace
