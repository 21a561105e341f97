// intervals.cpp - nice intervals (a step of 1, 2, 2.5 or 5 times a power of ten with the first
// value on a step multiple), the check of grid arguments every gridded driver makes first, the
// split of a value into mantissa and power of ten, and the number format of contour labels.
//
// Comparisons against the step table are made between the single-precision steps and a
// single-precision quotient, both widened, so that a quotient that equals a step picks it.
#include "frame/intervals.h"

#include <algorithm>
#include <cmath>

#include "frame/errors.h"
#include "frame/routine_frame.h"
#include "frame/numeric.h"
#include "frame/state.h"

using namespace surflib;

namespace {

constexpr int kNoPower = 9999;

int exponentOf(double v)
{
    float mantissa = 0.0f;
    int exponent = 0;
    surfaceSplitPowerOfTen(surfaceNarrow(v), mantissa, exponent);
    return exponent;
}

// The first value on a multiple of the step at or just below lo', and the count adjusted so
// that the last value reaches hi'.  s carries the sign of the range on return.
void placeFirstAndCount(double loScaled, double hiScaled, double rangeScaled, int e, double& s,
                        double& first, int& count)
{
    first = std::trunc(loScaled / s) * s;
    if (rangeScaled < 0.0) s = -s;
    const double t = std::pow(10.0, std::min(e, -3));
    if (rangeScaled * loScaled > 0.0 && std::fabs((first + s - loScaled) / rangeScaled) < t) {
        first += s;
    } else if (rangeScaled * loScaled < 0.0 && std::fabs((first - loScaled) / rangeScaled) > t) {
        first -= s;
    }
    if ((first + s * count - hiScaled) / rangeScaled < -t) ++count;
    if ((first + s * (count - 1) - hiScaled) / rangeScaled >= -t) --count;
}

bool stepUsable(float range, float step)
{
    if (!(step > 0.0f) || !std::isfinite(step) || !std::isfinite(range)) return false;
    const double r = std::fabs(static_cast<double>(range));
    return !(r / step > 32000.0 || 0.5 * r < step);
}

// Decimals and width of labels on a given step (units of 10^e); the first and last values
// decide the sign room and the integer digits.
void stepFormat(double step, double first, double last, int e, int& decimals, int& width)
{
    float mantissa = 0.0f;
    int sx = 0;
    surfaceSplitPowerOfTen(surfaceNarrow(std::fabs(step)), mantissa, sx);
    double mm = std::round(std::fabs(mantissa) * 1.0e5) / 1.0e5;
    int k = 0;
    while (k < 5 && std::fabs(mm - std::round(mm)) >= 0.001) {
        mm *= 10.0;
        ++k;
    }
    if (sx == 0) {
        decimals = std::max(k, 1);
    } else if (sx < 0) {
        decimals = std::min(k - sx, 5);
    } else {
        decimals = std::max(k - sx, 1);
    }

    const int signRoom = (first < 0.0 || last < 0.0) ? 3 : 2;
    const int x = exponentOf(std::fabs(first) >= std::fabs(last) ? first : last);
    if (x <= 0) {
        width = decimals + signRoom;
    } else {
        width = signRoom + x + decimals;
        if (width > 9) {
            decimals -= width - 9;
            width = 9;
        }
    }
    if (e == -2 && width > 7) {
        width -= 2;
        decimals -= 2;
    } else if (e == -1 && width > 8) {
        width -= 1;
        decimals -= 1;
    }
    decimals = std::max(decimals, 0);
}

}  // namespace

namespace surflib {

double surfacePowerLimit()
{
    const float largest = surfaceState.realSetting2;
    if (!(largest > 1.0f) || !std::isfinite(largest)) return 0.0;
    return std::trunc(std::log10(static_cast<double>(largest)));
}

void surfaceSplitPowerOfTen(float v, float& mantissa, int& exponent)
{
    const float eps = surfaceState.eps;
    if (!std::isfinite(v) || std::fabs(v) < 10.0f * eps || v == 0.0f) {
        mantissa = 0.0f;
        exponent = 0;
        return;
    }
    const double l = std::log10(std::fabs(static_cast<double>(v)));
    double ex = std::trunc(l);
    if (l < -eps && std::fabs(l - ex) > eps) ex -= 1.0;  // negative powers round down
    int e = static_cast<int>(ex);
    double m = static_cast<double>(v) * std::pow(10.0, -e);
    if (std::fabs(m) >= 9.99999) {
        m = v < 0.0f ? -1.0 : 1.0;
        e += 1;
    }
    mantissa = surfaceNarrow(m);
    exponent = e;
}

void surfaceChooseIntervals(float lo, float hi, int n, int& e, float& first, float& step,
                            int& decimals, int& count, int& width)
{
    int requested = n;
    if (requested > 100 || requested < 0) {
        surfaceReportError(kBadIntervalCount);
        requested = 10;
    }
    if (requested < 2) requested = 2;

    const float range = hi - lo;
    float m = 0.0f;
    surfaceSplitPowerOfTen(range, m, e);
    const SurfaceNiceSteps& nice = surfaceState.nice;

    if (std::fabs(range) < 10.0f * surfaceState.eps || !std::isfinite(range)) {
        // A flat range has no scale to be relative to: one step of 0.01 from the multiple of
        // 0.01 at or below lo.
        e = 0;
        step = 0.01f;
        decimals = 2;
        count = 1;
        const double f = std::floor(static_cast<double>(lo) / 0.01) * 0.01;
        first = std::isfinite(f) ? surfaceNarrow(f) : 0.0f;
        width = std::max({0, exponentOf(first), exponentOf(first + 0.01)}) + decimals + 3;
        return;
    }

    const float q = std::fabs(m / surfaceNarrow(requested));
    int index = 0;
    for (int i = 0; i < 11; ++i) {
        if (static_cast<double>(nice.steps[i]) <= static_cast<double>(q)) index = i;
    }
    double s = nice.steps[index];
    decimals = nice.decimals[index];
    count = static_cast<int>(std::trunc(std::fabs(m) / surfaceNarrow(s))) + 1;

    const double p = std::pow(10.0, -e);
    const double loScaled = static_cast<double>(lo) * p;
    const double rangeScaled = static_cast<double>(range) * p;
    const double hiScaled = static_cast<double>(hi) * p;
    double f = 0.0;
    placeFirstAndCount(loScaled, hiScaled, rangeScaled, e, s, f, count);

    first = surfaceNarrow(f);
    step = surfaceNarrow(s);
    width = std::max({0, exponentOf(f), exponentOf(f + s * count)}) + decimals + 3;
}

void surfaceChooseIntervalsByStep(float lo, float hi, float step, int& e, float& first,
                                  float& stepOut, int& decimals, int& count, int& width)
{
    const float range = hi - lo;
    if (!stepUsable(range, step)) {
        surfaceReportError(kStepUnusable);
        stepOut = 0.0f;
        return;
    }
    float m = 0.0f;
    surfaceSplitPowerOfTen(range, m, e);
    const double p = std::pow(10.0, -e);
    double s = static_cast<double>(step) * p;
    const double rangeScaled = static_cast<double>(range) * p;
    count = static_cast<int>(std::lround(std::fabs(rangeScaled) / s));
    double f = 0.0;
    placeFirstAndCount(static_cast<double>(lo) * p, static_cast<double>(hi) * p, rangeScaled, e, s,
                       f, count);
    stepFormat(s, f, f + s * count, e, decimals, width);
    first = surfaceNarrow(f);
    stepOut = surfaceNarrow(s);
}

void surfaceChooseMapIntervals(float lo, float hi, float step, int& e, float& first, float& stepOut,
                               int& decimals, int& count, int& width, float& remainder)
{
    const float range = hi - lo;
    if (!stepUsable(range, step)) {
        stepOut = 0.0f;
        return;
    }
    float m = 0.0f;
    surfaceSplitPowerOfTen(range, m, e);
    const double p = std::pow(10.0, -e);
    double s = static_cast<double>(step) * p;
    const double rangeScaled = std::fabs(static_cast<double>(range) * p);
    count = static_cast<int>(std::lround(rangeScaled / s));
    const double f = static_cast<double>(lo) * p;
    double rest = rangeScaled - count * s;
    if (range < 0.0f) {
        s = -s;
        rest = -rest;
    }
    stepFormat(s, f, f + s * count, e, decimals, width);
    first = surfaceNarrow(f);
    stepOut = surfaceNarrow(s);
    remainder = surfaceNarrow(rest);
}

void surfaceCheckGrid(int nx, float& xmin, float& xmax, int ny, float& ymin, float& ymax,
                      int& status)
{
    if (xmax < xmin) std::swap(xmin, xmax);
    if (ymax < ymin) std::swap(ymin, ymax);
    status = 0;
    const float eps = surfaceState.eps;
    if (nx < 2 || ny < 2) {
        status = kTooFewNodes;
        surfaceReportError(status);
    }
    // A range that is not a finite number (an infinite or NaN limit) is refused with the flat
    // ones: no spacing or scale could be taken from it.
    if (!(xmax - xmin >= eps) || !std::isfinite(xmax - xmin)) {
        status = kFlatXRange;
        surfaceReportError(status);
    }
    if (!(ymax - ymin >= eps) || !std::isfinite(ymax - ymin)) {
        status = kFlatYRange;
        surfaceReportError(status);
    }
}

void surfaceNumberWidth(int e, int decimals, int width, int& code, int& decimalsOut, int& widthOut)
{
    code = kNoPower;
    decimalsOut = decimals;
    widthOut = width;
    if (e == 1 || e == 2) {
        code = e;
        decimalsOut = std::max(decimals - e, 1);
        if (decimals - e <= 0) widthOut = e - decimals + width + 1;
    } else if (e == -1 || e == -2) {
        code = e;
        decimalsOut = decimals - e;
        widthOut = width - e;
    }
    if (widthOut > 9) {
        code = kNoPower;
        decimalsOut = decimals;
        widthOut = width;
    }
}

void surfaceChooseNumberFormat(float level)
{
    SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    s.labelPowerCode = kNoPower;
    const double limit = surfacePowerLimit();
    bool fixed = false;
    if (surfaceFlagOn(c.labelFixedFormat) &&
        std::fabs(static_cast<double>(c.labelExponent) - s.grid.levelExponent) < limit) {
        fixed = true;
        s.labelPowerCode = -c.labelExponent;
        s.labelFormatDecimals = c.labelDecimals;
        s.labelFormatWidth = c.labelWidth;
        s.labelFormatValue = level;
        if (c.labelDecimals == 0) {
            // Whole-number labels must fit the kernel's integers over the whole data range.
            const double biggest = std::max(std::fabs(static_cast<double>(s.grid.zMin)),
                                            std::fabs(static_cast<double>(s.grid.zMax)));
            const double scaled = std::fabs(std::pow(10.0, s.labelPowerCode) * biggest);
            if (!(static_cast<double>(s.integerSetting4) > scaled)) {
                fixed = false;
                s.labelPowerCode = kNoPower;
                if (s.numberFormatWarned == 0) {
                    surfaceReportError(kFormatTooNarrow);
                    s.numberFormatWarned = 1;
                }
            }
        }
    }
    if (!fixed) {
        const int e = s.grid.levelExponent;
        const double value = static_cast<double>(level) * std::pow(10.0, -e);
        s.labelFormatValue = surfaceNarrow(value);
        int width = s.grid.mapLabelWidth;
        if (value < 0.0) ++width;
        surfaceNumberWidth(e, s.grid.mapLabelDecimals, width, s.labelPowerCode,
                           s.labelFormatDecimals, s.labelFormatWidth);
    }
    s.labelNegatedWidth = -s.labelFormatWidth;
}

}  // namespace surflib
