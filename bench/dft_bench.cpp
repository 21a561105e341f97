// dft_bench.cpp - the direct summation of the largest sample file (9999 samples, 4999
// frequencies): the plain sums with an extended-precision cosine and sine of every angle against
// the fast sums (rotation with exact re-anchoring, all cores), side by side in one run.
#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/summation.h"
#include "tests/app/analysis/sample_files.h"

namespace {

constexpr int kSamples = 9999;

struct Sums {
    std::vector<double> X = noisySines(kSamples, 1);
    std::unique_ptr<double[]> A{new double[kSamples / 2 + 1]};
    std::unique_ptr<double[]> B{new double[kSamples / 2 + 1]};
    double dw = kAngleNumerator / kSamples;
};

void BM_PlainSums(benchmark::State& state)
{
    Sums s;
    for (auto _ : state) {
        spectrumSumsPlain(s.X.data(), kSamples, s.dw, 1, kSamples / 2, s.A.get(), s.B.get());
        benchmark::DoNotOptimize(s.A[kSamples / 2]);
    }
}

void BM_FastSums(benchmark::State& state)
{
    Sums s;
    for (auto _ : state) {
        spectrumSums(s.X.data(), kSamples, s.dw, kSamples / 2, s.A.get(), s.B.get());
        benchmark::DoNotOptimize(s.A[kSamples / 2]);
    }
}

}  // namespace

BENCHMARK(BM_PlainSums)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_FastSums)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
