// summation.cpp - the direct sums of the DFT and the spectrum derived from them.
//
// The sums are direct summations (no fast transform): the table must equal the plain sums term
// for term.  The fast form keeps that promise by computing cos(i W) and sin(i W) in extended
// precision by rotation from the previous pair and re-anchoring on the exact library values every
// kAnchorStep steps; the drift of a rotation over that many steps stays far below the rounding
// of the double sums.  The frequencies are independent, so they are spread over threads.
#include "analysis/summation.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <thread>
#include <vector>

namespace {

constexpr int kAnchorStep = 64;

void sumsOfFrequency(const double* X, int n, double W, double& a, double& b)
{
    const long double w = W;
    const long double cw = cosl(w), sw = sinl(w);
    long double c = 1.0L, s = 0.0L;
    double A = 0.0, B = 0.0;
    for (int i = 1; i <= n; ++i) {
        if ((i - 1) % kAnchorStep == 0) {
            const long double angle = static_cast<long double>(i) * w;
            c = cosl(angle);
            s = sinl(angle);
        } else {
            const long double cn = c * cw - s * sw;
            s = s * cw + c * sw;
            c = cn;
        }
        const long double x = X[i];
        A = static_cast<double>(c * x + A);
        B = static_cast<double>(s * x + B);
    }
    a = A;
    b = B;
}

}  // namespace

void spectrumSumsPlain(const double* X, int n, double dw, int kFirst, int kLast, double* A,
                       double* B)
{
    for (int k = kFirst; k <= kLast; ++k) {
        const double W = k * dw;
        double a = 0.0, b = 0.0;
        for (int i = 1; i <= n; ++i) {
            const long double angle = static_cast<long double>(i) * static_cast<long double>(W);
            const long double x = X[i];
            a = static_cast<double>(cosl(angle) * x + a);
            b = static_cast<double>(sinl(angle) * x + b);
        }
        A[k] = a;
        B[k] = b;
    }
}

void spectrumSums(const double* X, int n, double dw, int kLast, double* A, double* B)
{
    if (kLast < 1) return;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    // Small transforms are not worth a thread.
    const int threads = static_cast<int>(
        std::min<long long>({cores, kLast, 1 + static_cast<long long>(n) * kLast / 200000}));
    auto work = [&](int first) {
        for (int k = first; k <= kLast; k += threads) sumsOfFrequency(X, n, k * dw, A[k], B[k]);
    };
    std::vector<std::thread> pool;
    for (int t = 2; t <= threads; ++t) pool.emplace_back(work, t);
    work(1);
    for (auto& th : pool) th.join();
}

void computeSpectrum(const double* X, int n, double fs, SpectrumSet& s, SpectrumSumsFn sums)
{
    // The caller read at most the sample slots, and half of them fit the spectrum.
    assert(n >= 2 && n / 2 <= kSpectrumSlots);
    const double NR = n;
    const double dw = kAngleNumerator / NR;
    const int half = n / 2;
    s.FS = fs;
    sums(X, n, dw, half, s.A, s.B);
    for (int k = 1; k <= half; ++k) {
        s.AMP[k] = std::sqrt(s.A[k] * s.A[k] + s.B[k] * s.B[k]) * 2.0 / NR;
        s.POWER[k] = s.AMP[k] * s.AMP[k] * 0.5;
        // The one-argument arctangent of B/A (the quadrant is not recovered); a quotient that is
        // not a number, as 0/0 for a silent signal, gives phase 0.
        const double q = s.B[k] / s.A[k];
        s.PHASE[k] = std::isnan(q) ? 0.0 : std::atan(q);
        s.FREQ[k] = k * (fs / NR);
    }
}
