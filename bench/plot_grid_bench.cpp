// plot_grid_bench - frames with grids, and polar axes, of far more ticks, markers, rings and
// spokes than a picture can show, drawn into a PNG device: each must cost about what the
// picture can hold, not what was asked.
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

// Polar axes of the default layout: 500,000 rings, about 0.0006 of a pixel apart.
void DensePolarRings(benchmark::State& state)
{
    drawPictures(state, [] { DRAPOL(-1, 1, 500000, 100.0f, 1); });
}
BENCHMARK(DensePolarRings)->Unit(benchmark::kMillisecond);

// The angular part: 500,000 numbered spokes over a whole turn.
void DensePolarSpokes(benchmark::State& state)
{
    drawPictures(state, [] { DRAPOL(-1, 1, 500000, 360.0f, 2); });
}
BENCHMARK(DensePolarSpokes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
