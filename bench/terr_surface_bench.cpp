// terr_surface_bench - drawing speed of projected surfaces: a 150 x 150 wire frame in
// perspective with hidden lines removed, to no device and to a PNG, in nodes per second.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tarvcore.h"
#include "tterrlib.h"

namespace {

constexpr int kNodes = 150;
const std::string kOutput = "terr_surface_bench.png";

// Rolling hills with a ridge: many lines are partly hidden.
std::vector<float> terrain()
{
    std::vector<float> z(static_cast<size_t>(kNodes) * kNodes);
    for (int j = 0; j < kNodes; ++j) {
        for (int i = 0; i < kNodes; ++i) {
            const float x = -3.0f + 6.0f * static_cast<float>(i) / (kNodes - 1);
            const float y = -3.0f + 6.0f * static_cast<float>(j) / (kNodes - 1);
            z[static_cast<size_t>(j) * kNodes + i] =
                std::sin(1.7f * x) * std::cos(1.3f * y) + 2.0f * std::exp(-(x * x + y * y));
        }
    }
    return z;
}

void drawWireFrame(benchmark::State& state, bool png)
{
    const std::vector<float> z = terrain();
    const int wsize = kNodes * kNodes + 10 * kNodes + 8 * 40000;
    std::vector<float> work(static_cast<size_t>(wsize));
    for (auto _ : state) {
        tarv::resetState();
        if (png) {
            kernelSelectOutput(kOutput.c_str(), static_cast<int>(kOutput.size()));
            kernelOpenDevice();
        }
        kernelSetPictureSpace(0.0f, 1200.0f, 0.0f, 900.0f);
        SURF();
        float distance = 0.0f;
        PERPRJ(kNodes, -3.0f, 3.0f, kNodes, -3.0f, 3.0f, z.data(), distance, 30.0f, 35.0f, wsize,
               work.data());
        if (png) kernelCloseDevice();
    }
    if (png) std::remove(kOutput.c_str());
    state.SetItemsProcessed(state.iterations() * kNodes * kNodes);
}

void WireFrameNoDevice(benchmark::State& state) { drawWireFrame(state, false); }
void WireFrameToPng(benchmark::State& state) { drawWireFrame(state, true); }

}  // namespace

BENCHMARK(WireFrameNoDevice)->Unit(benchmark::kMillisecond);
BENCHMARK(WireFrameToPng)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
