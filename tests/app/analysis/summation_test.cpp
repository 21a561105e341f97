// summation_test.cpp - the fast direct summation against the plain one: the same sums to far
// below the printed digits, and the same table, for the largest file and random files.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "analysis/sample_files.h"
#include "analysis/summation.h"
#include "analysis/table.h"

namespace {

// The plain sums, shared out over threads only to keep the test short.
void plainSums(const double* X, int n, double dw, int kLast, double* A, double* B)
{
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        const int first = 1 + static_cast<int>(static_cast<long long>(kLast) * t / threads);
        const int last = static_cast<int>(static_cast<long long>(kLast) * (t + 1) / threads);
        pool.emplace_back(spectrumSumsPlain, X, n, dw, first, last, A, B);
    }
    for (auto& th : pool) th.join();
}

std::vector<std::string> table(const SpectrumSet& s, int n)
{
    std::vector<std::string> lines;
    for (int k = 1; k <= n / 2; ++k)
        lines.push_back(tableLine(k, s.FREQ[k], s.AMP[k], s.POWER[k], s.PHASE[k]));
    return lines;
}

void expectSameAnalysis(const std::vector<double>& X, int n, double fs)
{
    auto fast = std::make_unique<SpectrumSet>();
    auto plain = std::make_unique<SpectrumSet>();
    computeSpectrum(X.data(), n, fs, *fast);
    computeSpectrum(X.data(), n, fs, *plain, plainSums);
    double scale = 0.0;
    for (int i = 1; i <= n; ++i) scale += std::fabs(X[i]);
    double worst = 0.0;
    for (int k = 1; k <= n / 2; ++k) {
        worst = std::max(worst, std::fabs(fast->A[k] - plain->A[k]));
        worst = std::max(worst, std::fabs(fast->B[k] - plain->B[k]));
    }
    EXPECT_LE(worst, 1e-14 * scale);
    EXPECT_EQ(table(*fast, n), table(*plain, n));
}

TEST(DirectSummation, FastSumsGiveTheSameTableForTheLargestFile)
{
    expectSameAnalysis(noisySines(9999, 1), 9999, 100.0);
}

TEST(DirectSummation, FastSumsGiveTheSameTableForRandomFiles)
{
    std::mt19937 random(20261210);
    for (int n : {2, 3, 17, 64, 65, 129, 500, 1001, 2048, 3333}) {
        SCOPED_TRACE(n);
        std::uniform_real_distribution<double> value(-50.0, 50.0);
        std::vector<double> X(static_cast<std::size_t>(n) + 1);
        for (int i = 1; i <= n; ++i) X[i] = value(random);
        expectSameAnalysis(X, n, 1.0 / 0.003);
    }
}

}  // namespace
