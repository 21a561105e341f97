// timing.cpp - the check of the sample times: the table stays as the first two times make it,
// and the console says when the rest of the times do not bear that rate out.
#include "analysis/timing.h"

#include <cmath>
#include <cstdio>

namespace {

// How far a step may stand off the first one and still count as even, as a part of it.
constexpr double kEvenTolerance = 0.01;

std::string number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", v);
    return text;
}

// Index k (2..n-1) of the first step T[k] to T[k+1] that stands off the first step by more
// than the tolerance; 0 when every step is even.
int firstUnevenStep(const double* T, int n)
{
    const double first = T[2] - T[1];
    for (int k = 2; k < n; ++k)
        if (!(std::fabs((T[k + 1] - T[k]) - first) <= kEvenTolerance * std::fabs(first))) return k;
    return 0;
}

}  // namespace

std::string sampleTimesNote(const double* T, int n, double fs, const std::string& file)
{
    const bool falling = fs < 0.0;
    const int k = firstUnevenStep(T, n);
    if (!falling && k == 0) return "";
    std::string found = falling ? "fall" : "";
    if (k != 0) {
        const std::string a = number(T[k]), b = number(T[k + 1]);
        if (!falling && T[k + 1] < T[k]) {
            found = "fall at sample " + std::to_string(k + 1) + " (" + a + ", then " + b + ")";
        } else if (!falling && T[k + 1] == T[k]) {
            found = "stand still at sample " + std::to_string(k + 1) + " (" + a + " twice)";
        } else {
            found += std::string(falling ? " and " : "") + "are not evenly spaced (samples " +
                std::to_string(k) + " and " + std::to_string(k + 1) + " at " + a + " and " + b +
                ")";
        }
    }
    return "The sample times of '" + file + "' " + found + "; the sampling rate, " + number(fs) +
        " Hz, was taken from the first two times (" + number(T[1]) + " and " + number(T[2]) + ")" +
        (falling ? ", so the frequencies of the table are negative." : ".");
}
