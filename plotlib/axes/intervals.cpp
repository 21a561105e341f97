// intervals.cpp - interval choice of the axis set-up: nice linear intervals, whole decades,
// intervals from a given count, the numbers written at the ticks (start, step, exponent,
// decimals, width) and the minor-tick layout.
//
// Quotients and powers of ten are taken in double precision and narrowed at the end, so that
// exact decimal steps come out exact (1000 has exponent 3, 0..1 in tenths has 10 intervals)
// and no real beyond the integer range is ever turned into an integer.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <utility>

#include "axes/scaling.h"
#include "frame/state.h"
#include "frame/utilities.h"

using namespace plotlib;

namespace {

// The 1-2-5 sequence: step number i (1 = 1, 2 = 2, 3 = 5, 4 = 10, 5 = 20, 6 = 50, ...) as a
// mantissa and the decades it adds.  The table of five steps ends at 20; a small interval
// count may need larger steps, which carry on in the same sequence instead of reading past
// the table.
void niceStep(int i, float& mantissa, int& decades)
{
    const float* steps = graphState.nice.step;
    mantissa = steps[(i - 1) % 3];
    decades = (i - 1) / 3;
}

// Steps beyond 10^40 times the first one exceed every float range.
constexpr int maxStepNumber = 120;

double powerOfTen(int e) { return std::pow(10.0, e); }

// Nearest integer, halves away from zero, kept as a real.
double nearest(double x) { return std::round(x); }

// The split of a finite value that is not zero, without the tiny-value cut.
void splitNonZero(double v, float& mantissa, int& exponent)
{
    const double l = std::log10(std::fabs(v)) + 1e-5;
    exponent = static_cast<int>(l >= 0.0 ? std::trunc(l) : std::trunc(l - 1.0));
    float m = static_cast<float>(v * powerOfTen(-exponent));
    if (std::fabs(m) < 1.0f) {
        m = std::copysign(1.0f, m);
    } else if (std::fabs(m) > 9.99999f) {
        m = std::copysign(1.0f, m);
        exponent += 1;
    }
    mantissa = m;
}

// Decade of a positive end of a logarithmic axis.  The substitutes for ends without a
// logarithm lie near the tiny value, which the plain split would take for zero (decade 0).
void splitDecade(float value, float& mantissa, int& exponent)
{
    if (value > 0.0f && std::isfinite(value)) splitNonZero(value, mantissa, exponent);
    else graphSplitPowerOfTen(value, mantissa, exponent);
}

// The exponent part of graphSplitPowerOfTen.
int exponentOf(double value)
{
    float m = 0.0f;
    int e = 0;
    graphSplitPowerOfTen(graphToFloat(value), m, e);
    return e;
}

// A real bounded to the float range (the widened ends of an axis).
float clampToFloat(double value)
{
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

}  // namespace

namespace plotlib {

void graphSplitPowerOfTen(float value, float& mantissa, int& exponent)
{
    const double v = value;
    if (std::isnan(v) || std::fabs(v) <= 10.0 * graphState.nice.tinyDouble) {
        mantissa = 0.0f;
        exponent = 0;
        return;
    }
    if (std::isinf(v)) {  // beyond every float: one more decade than the largest
        mantissa = v > 0.0 ? 1.0f : -1.0f;
        exponent = 39;
        return;
    }
    splitNonZero(v, mantissa, exponent);
}

int graphLabelExponentShift(int exponent)
{
    const int w = graphAxis(graphState.graph.currentAxis).digits;
    if (w == 40) return exponent >= -2 && exponent <= 2 ? exponent : 0;
    if (w == 41) return exponent % 3;
    // A fixed exponent far outside the float range is held to it.
    std::int64_t t = static_cast<std::int64_t>(exponent) - w;
    if (t > 60) t = 60;
    if (t < -60) t = -60;
    return static_cast<int>(t);
}

int graphLabelDecimals(float labelStep)
{
    int a = graphAxis(graphState.graph.currentAxis).decimals;
    if (a < -9) a = -9;  // the range AXIANN keeps it in
    if (a > 9) a = 9;
    if (a < 0) return -a;
    int decimals = 0;
    for (int j = 0; j < a; ++j) {
        const double x = labelStep * powerOfTen(j);
        if (std::fabs(x - nearest(x)) > powerOfTen(j - 4)) decimals = j + 1;
    }
    return decimals;
}

void graphChooseLinearInterval(int mode, float& minimum, float& maximum)
{
    const int n = graphState.graph.currentAxis;
    AxisSettings& a = graphAxis(n);
    AxisTransform& t = graphTransform(n);
    const NiceNumberTables& nice = graphState.nice;
    const double lo = std::fmin(minimum, maximum), hi = std::fmax(minimum, maximum);
    const bool reversed = minimum >= maximum;
    const int count = a.intervalCount > 0 ? a.intervalCount : 1;

    float m = 0.0f;
    int e = 0;
    graphSplitPowerOfTen(graphToFloat((hi - lo) / count), m, e);
    int i = 4;
    for (int k = 1; k <= 3; ++k) {
        const bool fits = mode == 1 ? m < nice.threshold[k - 1] : nice.step[k - 1] + 0.001f > m;
        if (mode >= 1 && mode <= 2 && fits) {
            i = k;
            break;
        }
    }

    double step = 0.0, k1 = 0.0, k2 = 0.0;
    for (;;) {
        float stepMantissa = 0.0f;
        int decades = 0;
        niceStep(i, stepMantissa, decades);
        step = stepMantissa * powerOfTen(e + decades);
        const double qLow = lo / step, qHigh = hi / step;
        k1 = std::floor(qLow);
        if (std::fabs(k1 + 1.0 - qLow) < 0.001) k1 += 1.0;
        k2 = std::ceil(qHigh);
        if (std::fabs(qHigh - (k2 - 1.0)) < 0.001) k2 -= 1.0;
        if (k2 <= k1) k2 = k1 + 1.0;  // at least one interval
        if (mode == 1) break;
        if (k2 - k1 > count) {
            // A larger step helps until it covers both ends from zero; past that a range on
            // both sides of zero keeps two intervals whatever the step, and they stand.
            if (step < 2.0 * std::fmax(std::fabs(lo), std::fabs(hi)) && i < maxStepNumber) {
                ++i;
                continue;
            }
            break;
        }
        const double d = count - (k2 - k1);
        k1 -= std::trunc(d / 2.0);
        k2 = k1 + count;
        break;
    }
    a.intervalCount = static_cast<int>(k2 - k1);

    float labelMantissa = 0.0f;
    int decades = 0;
    niceStep(i, labelMantissa, decades);
    double labelStep = labelMantissa;
    e += decades;
    const int shift = graphLabelExponentShift(e);
    if (shift != 0) {
        labelStep *= powerOfTen(shift);
        e -= shift;
    }
    t.labelExponent = e;
    const float labelStepF = graphToFloat(labelStep);
    const int decimals = graphLabelDecimals(labelStepF);
    t.labelDecimals = decimals;

    const double lowLabel = k1 * labelStepF, highLabel = k2 * labelStepF;
    int width = std::max(1, std::max(exponentOf(highLabel), exponentOf(lowLabel))) + 1;
    if (lowLabel < 0.0 || highLabel < 0.0) width += 1;
    if (decimals > 0 || std::log10(std::fabs(lowLabel) + 1.0) > nice.digitCapacity ||
        std::log10(std::fabs(highLabel) + 1.0) > nice.digitCapacity)
        width += decimals + 1;
    t.labelWidth = width;

    double low = std::fmin(k1 * step, lo), high = std::fmax(k2 * step, hi);
    t.labelStart = graphToFloat(lowLabel);
    t.labelStep = labelStepF;
    a.step = graphToFloat(step);
    if (reversed) {
        std::swap(low, high);
        t.labelStart = graphToFloat(highLabel);
        a.step = -a.step;
        t.labelStep = -t.labelStep;
    }
    minimum = clampToFloat(low);
    maximum = clampToFloat(high);
}

void graphChooseLogDecades(float minimum, float maximum, float& low, float& high)
{
    const int n = graphState.graph.currentAxis;
    AxisSettings& a = graphAxis(n);
    AxisTransform& t = graphTransform(n);
    const float lo = std::fmin(minimum, maximum), hi = std::fmax(minimum, maximum);
    const bool reversed = minimum > maximum;
    float m = 0.0f;
    int eLow = 0, eHigh = 0;
    splitDecade(lo, m, eLow);
    splitDecade(hi, m, eHigh);
    if (m > 1.00001f) eHigh += 1;
    if (eHigh <= eLow) eHigh = eLow + 1;  // at least one decade

    a.intervalCount = eHigh - eLow;
    t.labelDecimals = 0;
    t.labelWidth =
        2 + std::max(exponentOf(std::abs(eLow) + 0.1), exponentOf(std::abs(eHigh) + 0.1));
    const int w = a.digits;
    t.labelExponent = w >= -15 && w <= 15 ? std::abs(w) : 0;

    const float sign = reversed ? -1.0f : 1.0f;
    const int first = reversed ? eHigh : eLow, last = reversed ? eLow : eHigh;
    low = static_cast<float>(first);
    high = static_cast<float>(last);
    t.labelStep = sign;
    a.step = sign;
    t.labelStart = static_cast<float>(first);
    a.minimum = clampToFloat(powerOfTen(first));
    a.maximum = clampToFloat(powerOfTen(last));
}

void graphIntervalFromCount(float minimum, float maximum, int count)
{
    const int n = graphState.graph.currentAxis;
    AxisSettings& a = graphAxis(n);
    AxisTransform& t = graphTransform(n);
    // Without an interval (one cell of a type-5 axis, or no count at all) the step is one.
    const double step = count >= 1 ? (static_cast<double>(maximum) - minimum) / count : 1.0;
    a.step = graphToFloat(step);

    float m = 0.0f;
    int eMin = 0, eMax = 0, e = 0;
    graphSplitPowerOfTen(minimum, m, eMin);
    graphSplitPowerOfTen(maximum, m, eMax);
    graphSplitPowerOfTen(a.step, m, e);
    if (std::fabs(m) > 9.99f) {
        m = std::copysign(1.0f, m);
        e += 1;
    }
    const int shift = graphLabelExponentShift(e);
    double labelStep = m;
    if (shift != 0) {
        labelStep *= powerOfTen(shift);
        e -= shift;
    }
    t.labelStep = graphToFloat(labelStep);
    t.labelStart = graphToFloat(minimum * powerOfTen(-e));
    t.labelExponent = e;

    const int w = std::max({eMax - e + 1, 1, eMin - e + 1});
    int decimals = graphLabelDecimals(t.labelStep);
    if (a.decimals != 0) {
        if (eMin < 0) decimals = std::max(decimals, e - eMin);
        if (eMax < 0) decimals = std::max(decimals, e - eMax);
    }
    t.labelDecimals = decimals;
    int width = w + decimals + 1;
    if (decimals > 0) width += 1;
    if (minimum < 0.0f || maximum < 0.0f) width += 1;
    t.labelWidth = width;
}

void graphCountAxisTicks()
{
    const int n = graphState.graph.currentAxis;
    const AxisSettings& a = graphAxis(n);
    AxisTransform& t = graphTransform(n);
    t.annotationEvery = 1;
    t.annotationCount = t.tickCount;
    t.minorFirst = 0;

    int k = 0;
    if (a.intervalSetting >= 0) {
        k = a.intervalSetting;
    } else {
        // How many half characters fit between two ticks; without a character size the room
        // counts as unlimited.
        const double half = n == 1 ? t.halfChar[1] : t.halfChar[0];
        const double room = half > 0.0 ? t.tickSpacing / half + 0.99999 : 1000.0;
        k = std::isnan(room) ? 0 : static_cast<int>(std::fmin(std::fmax(room, -1.0), 1000.0));
    }

    static const int fractionCount = sizeof t.minorFractions / sizeof t.minorFractions[0];
    for (float& f : t.minorFractions) f = 0.0f;
    if (a.scalingType > 0) {
        t.minorLast = 9;
        if (k >= 9) {
            t.minorFirst = a.scalingType == 4 ? 2 : 1;
            t.minorStep = 1;
        } else if (k >= 4) {
            t.minorFirst = 2;
            t.minorStep = 2;
        } else if (k >= 1) {
            t.minorFirst = 5;
            t.minorStep = 5;
        }
        if (a.scalingType <= 3) {
            for (int j = 1; j <= 9; ++j) t.minorFractions[j - 1] = j / 10.0f;
        } else if (a.scalingType == 4) {
            for (int j = 2; j <= 9; ++j)
                t.minorFractions[j - 1] = static_cast<float>(
                    t.labelStep > 0.0f ? std::log10(j) : 1.0 - std::log10(11 - j));
        }
        return;
    }

    // Date axes: minor ticks at equal parts of one unit (months of a decade or year, weeks
    // of a month, days of a week or day axis).
    int m = 0;
    switch (a.dateUnit) {
    case 1: m = 9; break;
    case 2: m = 11; break;
    case 3: m = k + 1; break;
    case 4: m = 6; break;
    case 5: m = 3; break;
    default: m = 0; break;
    }
    t.minorLast = std::min(m, fractionCount);
    if (m > 0 && k >= m && m <= fractionCount) {
        t.minorFirst = 1;
        t.minorStep = 1;
        for (int j = 1; j <= m; ++j) t.minorFractions[j - 1] = static_cast<float>(j) / (m + 1);
    }
}

void graphDefaultIntervalCount(float range, int& count)
{
    count = 9;
    if (!(range >= 10.0f * graphState.nice.tiny)) return;
    float m = 0.0f;
    int e = 0;
    graphSplitPowerOfTen(range, m, e);
    for (int pass = 0; pass < 3; ++pass) {
        if (m >= 5.0f && m < 10.0f) break;
        m *= 10.0f;
        if (m >= 10.0f && m <= 15.0f) break;
        m *= 0.05f;
        if (m < 1.0f) m *= 10.0f;
    }
    count = static_cast<int>(m);
    if (m - count > graphState.nice.tiny) count += 1;
}

}  // namespace plotlib
