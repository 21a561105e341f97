// plot_grid_bench - frames with grids of far more ticks and markers than a picture can show,
// drawn into a PNG device: each must cost about what the picture can hold, not what was asked.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <string>

#include "tarvcore.h"
#include "tplotlib.h"

namespace {

const std::string kOutput = "plot_grid_bench.png";

// One PNG picture per iteration, drawn by `draw`.
void drawPictures(benchmark::State& state, const std::function<void()>& draw)
{
    for (auto _ : state) {
        tarv::resetState();
        tarv::setErrorEcho(false);
        kernelSelectOutput(kOutput.c_str(), static_cast<int>(kOutput.size()));
        kernelOpenDevice();
        draw();
        kernelCloseDevice();
    }
    std::remove(kOutput.c_str());
}

// A marker grid of 100,000 by 100,000 intervals (about 10^10 markers asked for).
void DenseMarkerGrid(benchmark::State& state)
{
    drawPictures(state, [] {
        AXISCA(3, 100000, 0.0f, 1.0f, 1);
        AXISCA(3, 100000, 0.0f, 1.0f, 2);
        GRID(1, 1, 1);
    });
}
BENCHMARK(DenseMarkerGrid)->Unit(benchmark::kMillisecond);

// A million x intervals, minor ticks asked for on y at every tick, a marker grid with minors.
void MillionTickAxis(benchmark::State& state)
{
    drawPictures(state, [] {
        AXISCA(3, 10, 0.0f, 1.0f, 2);
        AXISCA(1, 1000000, 0.0f, 1.0f, 1);
        AXIINT(1000, 2);
        GRID(-20, 1, 1);
    });
}
BENCHMARK(MillionTickAxis)->Unit(benchmark::kMillisecond);

// Grid lines with minor lines, 10,000 intervals each way.
void DenseGridLines(benchmark::State& state)
{
    drawPictures(state, [] {
        AXISCA(3, 10000, 0.0f, 1.0f, 1);
        AXISCA(3, 10000, 0.0f, 1.0f, 2);
        GRID(-4, 1, 1);
    });
}
BENCHMARK(DenseGridLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
