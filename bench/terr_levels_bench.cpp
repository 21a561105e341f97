// terr_levels_bench - gridded maps asked for far more levels than a picture can show: the plane
// z = u + v/2 on a 200 x 200 grid over the unit square, LEVELS(0, 1.5) with 200000 levels, drawn
// by DRACON and filled by FILCON into a PNG.  The maps keep the levels the picture shows apart,
// so the time follows the picture, not the count asked.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "band_picture.h"
#include "tarvcore.h"
#include "tterrlib.h"

namespace {

constexpr int kNodes = 200;
constexpr int kLevels = 200000;
const std::string kOutput = "terr_levels_bench.png";

std::vector<float> plane()
{
    std::vector<float> z(static_cast<size_t>(kNodes) * kNodes);
    for (int j = 0; j < kNodes; ++j) {
        for (int i = 0; i < kNodes; ++i) {
            const double u = static_cast<double>(i) / (kNodes - 1);
            const double v = static_cast<double>(j) / (kNodes - 1);
            z[static_cast<size_t>(j) * kNodes + i] = static_cast<float>(u + v / 2.0);
        }
    }
    return z;
}

void drawMap(benchmark::State& state, bool bands)
{
    const std::vector<float> z = plane();
    std::vector<float> work(static_cast<size_t>(3 * kNodes * kNodes + 1000));
    const std::vector<int> codes = bench::bandCodes(kLevels);
    tarv::setErrorEcho(false);
    for (auto _ : state) {
        bench::openPng(kOutput);
        SURF();
        LEVELS(0.0f, 1.5f);
        bench::gridMap(bands, kNodes, 0.0f, 1.0f, z, kLevels, codes, work);
        kernelCloseDevice();
    }
    std::remove(kOutput.c_str());
    state.SetItemsProcessed(state.iterations() * kLevels);
}

void LinesOf200000Levels(benchmark::State& state) { drawMap(state, false); }
void BandsOf200000Levels(benchmark::State& state) { drawMap(state, true); }

}  // namespace

BENCHMARK(LinesOf200000Levels)->Unit(benchmark::kMillisecond);
BENCHMARK(BandsOf200000Levels)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
