// sample_files.h - deterministic sample series for the analysis tests and the benchmark: a few
// sines with noise from a fixed linear congruential generator, the same on every machine.
#ifndef SPECVUE_TESTS_SAMPLE_FILES_H
#define SPECVUE_TESTS_SAMPLE_FILES_H

#include <cmath>
#include <cstdint>
#include <vector>

// Values 1..n (element 0 unused) of three sines plus uniform noise in -0.5..0.5.
inline std::vector<double> noisySines(int n, std::uint32_t seed)
{
    std::vector<double> x(static_cast<std::size_t>(n) + 1, 0.0);
    std::uint32_t state = seed;
    for (int i = 1; i <= n; ++i) {
        state = state * 1664525u + 1013904223u;
        const double noise = (state >> 8) / 16777216.0 - 0.5;
        const double t = 0.01 * (i - 1);
        x[i] = 2.0 * std::sin(2 * M_PI * 5.0 * t) + 0.8 * std::sin(2 * M_PI * 12.5 * t + 0.4) +
            0.3 * std::cos(2 * M_PI * 31.0 * t) + noise;
    }
    return x;
}

#endif
