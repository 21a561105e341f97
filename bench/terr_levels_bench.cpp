// terr_levels_bench - gridded maps asked for far more levels than a picture can show:
// LEVELS(0, 1.5) with 200000 levels, drawn by DRACON and filled by FILCON into a PNG, on the
// plane z = u + v/2 on a 200 x 200 grid over the unit square, and on a 400 x 400 grid of
// crossed waves whose steep cells keep tens of thousands of levels.  The maps keep the levels
// the picture shows apart and visit only the cells each level or band meets, so the time
// follows what is drawn, not the count asked times the cells.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "band_picture.h"
#include "tarvcore.h"
#include "tterrlib.h"

namespace {

constexpr int kLevels = 200000;
const std::string kOutput = "terr_levels_bench.png";

enum class Surface { Plane, Waves };

// Heights over the unit square, within 0..1.5: the plane, or waves about its middle.
std::vector<float> heights(Surface surface, int nodes)
{
    std::vector<float> z(static_cast<size_t>(nodes) * nodes);
    for (int j = 0; j < nodes; ++j) {
        for (int i = 0; i < nodes; ++i) {
            const double u = static_cast<double>(i) / (nodes - 1);
            const double v = static_cast<double>(j) / (nodes - 1);
            const double w = 0.75 + 0.35 * std::sin(9.0 * u) * std::cos(7.0 * v) +
                0.25 * std::sin(13.0 * (u + v)) + 0.1 * std::cos(31.0 * u * v);
            z[static_cast<size_t>(j) * nodes + i] =
                static_cast<float>(surface == Surface::Plane ? u + v / 2.0 : w);
        }
    }
    return z;
}

void drawMap(benchmark::State& state, Surface surface, int nodes, bool bands)
{
    const std::vector<float> z = heights(surface, nodes);
    std::vector<float> work(static_cast<size_t>(3 * nodes * nodes + 1000));
    const std::vector<int> codes = bench::bandCodes(kLevels);
    tarv::setErrorEcho(false);
    for (auto _ : state) {
        bench::openPng(kOutput);
        SURF();
        LEVELS(0.0f, 1.5f);
        bench::gridMap(bands, nodes, 0.0f, 1.0f, z, kLevels, codes, work);
        kernelCloseDevice();
    }
    std::remove(kOutput.c_str());
    state.SetItemsProcessed(state.iterations() * kLevels);
}

void LinesOf200000Levels(benchmark::State& state) { drawMap(state, Surface::Plane, 200, false); }
void BandsOf200000Levels(benchmark::State& state) { drawMap(state, Surface::Plane, 200, true); }
void WavyLinesOf200000Levels(benchmark::State& state)
{
    drawMap(state, Surface::Waves, 400, false);
}
void WavyBandsOf200000Levels(benchmark::State& state) { drawMap(state, Surface::Waves, 400, true); }

}  // namespace

BENCHMARK(LinesOf200000Levels)->Unit(benchmark::kMillisecond);
BENCHMARK(BandsOf200000Levels)->Unit(benchmark::kMillisecond);
BENCHMARK(WavyLinesOf200000Levels)->Unit(benchmark::kMillisecond);
BENCHMARK(WavyBandsOf200000Levels)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
