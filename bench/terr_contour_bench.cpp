// terr_contour_bench - contour maps of many levels on a 30 x 30 grid, to no device, in levels
// per second: 100000 levels between limits of -10 and 10 over gentle hills of heights -3..3
// (most levels cross no cell), and 1000 levels over heights that jump from node to node
// (every level crosses most cells and draws long lines), each as plain and smoothed lines.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "tarvcore.h"
#include "tterrlib.h"

namespace {

constexpr int kNodes = 30;

std::vector<float> hills()
{
    std::vector<float> z(static_cast<size_t>(kNodes) * kNodes);
    for (int j = 0; j < kNodes; ++j) {
        for (int i = 0; i < kNodes; ++i) {
            z[static_cast<size_t>(j) * kNodes + i] = 3.0f * std::sin(0.3f * i) * std::cos(0.2f * j);
        }
    }
    return z;
}

// Heights from a fixed linear congruential sequence over -10..10.
std::vector<float> jumps()
{
    std::vector<float> z(static_cast<size_t>(kNodes) * kNodes);
    unsigned r = 12345u;
    for (float& v : z) {
        r = r * 1103515245u + 12345u;
        v = 20.0f * static_cast<float>((r >> 8) & 0xffffu) / 65535.0f - 10.0f;
    }
    return z;
}

void drawMap(benchmark::State& state, const std::vector<float>& z, int levels, int lineSwitch)
{
    for (auto _ : state) {
        tarv::resetState();
        tarv::setErrorEcho(false);  // more than 100 intervals warn once a map
        kernelSetPictureSpace(0.0f, 1200.0f, 0.0f, 900.0f);
        SURF();
        LEVELS(-10.0f, 10.0f);
        GRDCON(kNodes, 0.0f, 1.0f, kNodes, 0.0f, 1.0f, z.data(), levels, lineSwitch);
    }
    state.SetItemsProcessed(state.iterations() * levels);
}

void ManyLevelsPlain(benchmark::State& state) { drawMap(state, hills(), 100000, 0); }
void ManyLevelsSmoothed(benchmark::State& state) { drawMap(state, hills(), 100000, 1); }
void DenseLevelsPlain(benchmark::State& state) { drawMap(state, jumps(), 1000, 0); }
void DenseLevelsSmoothed(benchmark::State& state) { drawMap(state, jumps(), 1000, 1); }

}  // namespace

BENCHMARK(ManyLevelsPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(ManyLevelsSmoothed)->Unit(benchmark::kMillisecond);
BENCHMARK(DenseLevelsPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(DenseLevelsSmoothed)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
