// plot_graph_bench - a whole graph of a dense data set to a PNG: GRAPH of a polyline of one
// million points with its axes, written to a 1000 pixel wide PNG, in points per second.  The
// data are a slow sine with noise of a few per cent on top, so that every pixel column holds a
// thousand points going up and down (bench/anchors/mpl_graph.py draws the same with matplotlib).
// GraphPastSinglePrecision draws 5 and 10 million points at x = 100 i / N, where neighbouring
// points come to share their x in single precision: the second should cost about twice the
// first.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tarvcore.h"
#include "tplotlib.h"

namespace {

constexpr int kPoints = 1000000;
const std::string kOutput = "plot_graph_bench.png";

struct Series {
    std::vector<float> x, y;
};

Series noisySine()
{
    Series s;
    s.x.resize(kPoints);
    s.y.resize(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        double noise = std::sin(i * 12.9898) * 43758.5453;
        noise -= std::floor(noise);
        s.x[static_cast<size_t>(i)] = static_cast<float>(i * 1.0e-3);
        s.y[static_cast<size_t>(i)] =
            static_cast<float>(std::sin(2.0 * M_PI * 5.0 * i * 1.0e-6) + 0.2 * (noise - 0.5));
    }
    return s;
}

// One whole graph of the series as a polyline to the PNG.
void graphToPng(const Series& s)
{
    const int linear = 0, polyline = 1, frame = 0;
    tarv::resetState();
    kernelSelectOutput(kOutput.c_str(), static_cast<int>(kOutput.size()));
    kernelOpenDevice();
    kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 750.0f);
    GRAPH(s.x.data(), s.y.data(), static_cast<int>(s.x.size()), linear, polyline, frame);
    kernelCloseDevice();
}

void GraphToPng(benchmark::State& state)
{
    const Series s = noisySine();
    for (auto _ : state) graphToPng(s);
    std::remove(kOutput.c_str());
    state.SetItemsProcessed(state.iterations() * kPoints);
}

// N points at x = 100 i / N in single precision with y noise over the whole height.
Series pastSinglePrecision(int n)
{
    Series s;
    s.x.resize(static_cast<size_t>(n));
    s.y.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        double noise = std::sin(i * 12.9898) * 43758.5453;
        s.x[static_cast<size_t>(i)] = static_cast<float>(100.0 * i / n);
        s.y[static_cast<size_t>(i)] = static_cast<float>(noise - std::floor(noise));
    }
    return s;
}

void GraphPastSinglePrecision(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Series s = pastSinglePrecision(n);
    for (auto _ : state) graphToPng(s);
    std::remove(kOutput.c_str());
    state.SetItemsProcessed(state.iterations() * n);
}

}  // namespace

BENCHMARK(GraphToPng)->Unit(benchmark::kMillisecond);
BENCHMARK(GraphPastSinglePrecision)->Arg(5000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
