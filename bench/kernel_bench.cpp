// kernel_bench - drawing speed of the graphics kernel into a PNG device: one million line
// segments, and one hundred thousand characters, each reported in items per second; and the
// fixed cost of a picture: opening the device and writing a PNG with one line of text.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tarvcore.h"

namespace {

const std::string kOutput = "kernel_bench.png";

void openPng()
{
    tarv::resetState();
    kernelSelectOutput(kOutput.c_str(), static_cast<int>(kOutput.size()));
    kernelOpenDevice();
}

void closePng()
{
    kernelCloseDevice();
    std::remove(kOutput.c_str());
}

// 1,000,000 segments drawn one kernelDrawLineTo at a time: 1000 data curves of 1000
// segments across the picture, as a dense plot would draw them.
void LineSegments(benchmark::State& state)
{
    constexpr int kCurves = 1000, kPerCurve = 1000;
    constexpr int kSegments = kCurves * kPerCurve;
    std::vector<float> y(kPerCurve + 1);
    for (auto _ : state) {
        openPng();
        for (int c = 0; c < kCurves; ++c) {
            float base = 50.0f + 0.65f * static_cast<float>(c);
            for (int k = 0; k <= kPerCurve; ++k)
                y[static_cast<size_t>(k)] =
                    base + 40.0f * std::sin(0.03f * static_cast<float>(k + 7 * c));
            kernelMovePen(0.0f, y[0]);
            for (int k = 1; k <= kPerCurve; ++k)
                kernelDrawLineTo(static_cast<float>(k), y[static_cast<size_t>(k)]);
        }
        closePng();
    }
    state.SetItemsProcessed(state.iterations() * kSegments);
}
BENCHMARK(LineSegments)->Unit(benchmark::kMillisecond);

// 1,000,000 segments handed over in polylines of 200 points.
void PolylineSegments(benchmark::State& state)
{
    constexpr int kSegments = 1000000, kChunk = 200;
    std::vector<float> x(kChunk), y(kChunk);
    for (int k = 0; k < kChunk; ++k) {
        x[static_cast<size_t>(k)] = 5.0f * static_cast<float>(k);
        y[static_cast<size_t>(k)] = 375.0f + 300.0f * std::sin(0.1f * static_cast<float>(k));
    }
    for (auto _ : state) {
        openPng();
        for (int done = 0; done < kSegments; done += kChunk) {
            kernelMovePen(x[0], y[0]);
            kernelDrawPolyline(x.data(), y.data(), kChunk);
        }
        closePng();
    }
    state.SetItemsProcessed(state.iterations() * kSegments);
}
BENCHMARK(PolylineSegments)->Unit(benchmark::kMillisecond);

// 100,000 characters in texts of 50 characters.
void Characters(benchmark::State& state)
{
    constexpr int kCharacters = 100000;
    const std::string text = "The quick brown fox jumps over the lazy dog 012345";
    for (auto _ : state) {
        openPng();
        kernelSetCharSize(8.0f, 10.0f);
        for (int done = 0, row = 0; done < kCharacters;
             done += static_cast<int>(text.size()), ++row) {
            kernelSetTextPosition(10.0f, 20.0f + static_cast<float>((row * 13) % 700));
            kernelDrawText(text.c_str(), static_cast<int>(text.size()));
        }
        closePng();
    }
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(Characters)->Unit(benchmark::kMillisecond);

// What every picture pays whatever it holds: the surface set up and the file written.
void FixedCostOfAPicture(benchmark::State& state)
{
    for (auto _ : state) {
        openPng();
        kernelSetTextPosition(100.0f, 100.0f);
        kernelDrawText("A picture", 9);
        closePng();
    }
}
BENCHMARK(FixedCostOfAPicture)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
