// terr_grid_bench - gridded contour maps to a PNG: DRACON of a 1000 x 1000 grid with 20
// levels, and a busier 1000 x 1000 grid filled in 20 bands by FILCON, alone or with the
// contour lines over them, each written to a 1000 pixel wide PNG, in nodes per second
// (bench/anchors/mpl_contour.py draws the same with matplotlib).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "band_picture.h"
#include "tarvcore.h"
#include "tterrlib.h"

namespace {

constexpr int kNodes = 1000;
constexpr int kLevels = 20;
const std::string kOutput = "terr_grid_bench.png";

// Rows of hills and hollows on a tilted plane over [-3, 3] by [-3, 3] for the lines; for the
// bands, crossed waves with a hill in the middle, whose bands break into many pieces.
std::vector<float> heights(bool busy)
{
    std::vector<float> z(static_cast<size_t>(kNodes) * kNodes);
    for (int j = 0; j < kNodes; ++j) {
        for (int i = 0; i < kNodes; ++i) {
            const double x = -3.0 + 6.0 * i / (kNodes - 1), y = -3.0 + 6.0 * j / (kNodes - 1);
            const double v = busy
                ? std::sin(3.0 * x) * std::cos(2.0 * y) + 0.5 * std::sin(5.0 * x + 4.0 * y) +
                    std::exp(-(x * x + y * y)) + 0.3 * std::cos(7.0 * x * y / 3.0)
                : std::sin(2.0 * x) * std::cos(1.5 * y) + 0.3 * x;
            z[static_cast<size_t>(j) * kNodes + i] = static_cast<float>(v);
        }
    }
    return z;
}

enum class Map { Lines, Bands, BandsAndLines };

void drawMap(benchmark::State& state, Map map)
{
    const bool bands = map != Map::Lines;
    const std::vector<float> z = heights(bands);
    std::vector<float> work(static_cast<size_t>(4 * kNodes * kNodes + 100000));
    const std::vector<int> codes = bench::bandCodes(kLevels);
    for (auto _ : state) {
        bench::openPng(kOutput);
        SURF();
        // The bands alone, as contourf draws them, or with the lines FILCON draws by default.
        if (bands) CONSWI(map == Map::BandsAndLines ? 1 : 0);
        bench::gridMap(bands, kNodes, -3.0f, 3.0f, z, kLevels, codes, work);
        kernelCloseDevice();
    }
    std::remove(kOutput.c_str());
    state.SetItemsProcessed(state.iterations() * kNodes * kNodes);
}

void ContourLinesToPng(benchmark::State& state) { drawMap(state, Map::Lines); }
void BandFillsToPng(benchmark::State& state) { drawMap(state, Map::Bands); }
void BandFillsAndLinesToPng(benchmark::State& state) { drawMap(state, Map::BandsAndLines); }

}  // namespace

BENCHMARK(ContourLinesToPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BandFillsToPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BandFillsAndLinesToPng)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
