// ticknumbers.cpp - the numbers written at the ticks of an axis, in label units (the value
// divided by the power of ten that the exponent caption names).
//
// A linear axis gets integers or reals with the label decimals; a logarithmic axis its
// decades, or the powers of ten in full when a label exponent is set; a date axis the date
// texts of its ticks under the date-axis format and the axis's date annotation words.  At
// most kMaxAxisNumbers numbers are written: ticks beyond them stay bare.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "axes/annotation.h"
#include "dates/calendar.h"
#include "dates/dateaxis.h"
#include "dates/dates.h"
#include "frame/state.h"
#include "tarvcore.h"

using namespace plotlib;

namespace {

using NumberText = char[kNumberField];
static_assert(sizeof graphState.work.axisNumbers == sizeof(NumberText) * kMaxAxisNumbers);

// Largest float magnitude whose nearest integer fits a 32-bit int.
constexpr double kIntegerLimit = 2147483520.0;

void formatInteger(int value, char* text)
{
    static const int leftAligned = -kNumberField;
    kernelFormatInteger(value, leftAligned, text, kNumberField);
}

// True when `value` written with `decimals` decimals shows no digit but zeros: a value a
// little below zero would read "-0.0".
bool writesAsZero(float value, int decimals)
{
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", decimals, static_cast<double>(value));
    return std::strspn(digits, "-0.") == std::strlen(digits);
}

// A real with `decimals` decimals; with none, the point the kernel writes is blanked.  A
// number that reads as zero is written as zero, never with a minus sign.
void formatReal(double value, int decimals, char* text)
{
    static const int leftAligned = -kNumberField;
    float v = static_cast<float>(value);
    if (writesAsZero(v, decimals)) v = 0.0f;
    kernelFormatReal(v, leftAligned, decimals, text, kNumberField);
    if (decimals == 0) {
        const int used = graphTrimmedLength(text, kNumberField);
        if (used > 0 && text[used - 1] == '.') text[used - 1] = ' ';
    }
}

int nearestInt(double v) { return static_cast<int>(std::lround(v)); }

void linearNumber(double v, const AxisTransform& t, char* text)
{
    const int decimals = t.labelDecimals < 0 ? 0 : (t.labelDecimals > 9 ? 9 : t.labelDecimals);
    const bool beyondIntegers = v != 0.0 &&
        (std::log10(std::fabs(v)) >= graphState.nice.digitCapacity ||
         std::fabs(v) >= kIntegerLimit);
    if (decimals != 0 || beyondIntegers) {
        formatReal(v, decimals, text);
    } else {
        formatInteger(nearestInt(v), text);
    }
}

// Decade e of a logarithmic axis: e itself when no label exponent is set (the caption says
// "Log10"), else 10^e in full for |e| below the exponent and 1E<e> beyond.
void logNumber(double v, const AxisTransform& t, char* text)
{
    const double clamped = std::fmax(-99.0, std::fmin(99.0, v));
    const int e = nearestInt(clamped);
    const int d = t.labelExponent;
    if (d == 0) {
        formatInteger(e, text);
    } else if (std::abs(e) < d) {
        if (e < 0) {
            formatReal(std::pow(10.0, e), -e, text);
        } else {
            // A one and e zeros: written as digits, not through a single-precision real, which
            // has no 10^11 and above (1E11 would read 99999997952).
            text[0] = '1';
            std::memset(text + 1, '0', static_cast<size_t>(e));
        }
    } else {
        char power[16];
        const int n = std::snprintf(power, sizeof power, "1E%d", e);
        std::memcpy(text, power, static_cast<size_t>(n));
    }
}

void dateNumber(int axis, int tick, int firstDayOfMonth, char* text)
{
    const AxisSettings& s = graphAxis(axis);
    const DateFormatSettings& f = graphState.dateFormat;
    const int64_t day = graphDateAxisTickDay(axis, tick);
    if (s.dateUnit < 0) {
        // A month axis drawn by days: the texts stand at the month ticks only.
        int y = 0, m = 0, dd = 0;
        graphRawDate(day, y, m, dd);
        if (dd != firstDayOfMonth) return;
    }
    const int dayNumber = day >= 1 && day <= kLastDayNumber ? static_cast<int>(day) : 0;
    graphFormatDate(dayNumber, f.order2, f.separator2, s.dateWords, text, kNumberField);
}

// Value of the i-th number in label units, from its index rather than by adding steps.  A
// first number on a multiple of the step (the usual case) is taken as that multiple, so that
// the number at zero is zero exactly and not what is left of float steps that do not cancel.
double tickValue(const AxisTransform& t, int i)
{
    const double step = t.labelStep, start = t.labelStart;
    const double index = static_cast<double>(i) * t.annotationEvery;
    if (step != 0.0) {
        const double k = start / step;
        const double whole = std::round(k);
        if (std::fabs(k - whole) < 1e-3 && std::fabs(whole) < 1e9) return (whole + index) * step;
    }
    return index * step + start;
}

}  // namespace

namespace plotlib {

void graphAnnotateAxisTicks(int axis, int side)
{
    const int n = graphAxisNumber(axis);
    const AxisSettings& s = graphAxis(n);
    const AxisTransform& t = graphTransform(n);
    const int count = t.annotationCount < kMaxAxisNumbers ? t.annotationCount : kMaxAxisNumbers;
    if (count <= 0) return;

    NumberText* texts = graphState.work.axisNumbers;
    int firstDayOfMonth = 0;
    if (s.scalingType < 0) {
        int y = 0, m = 0;
        graphRawDate(graphDateAxisTickDay(n, 0), y, m, firstDayOfMonth);
    }
    for (int i = 0; i < count; ++i) {
        char* text = texts[i];
        std::memset(text, ' ', kNumberField);
        if (s.scalingType < 0) {
            dateNumber(n, i, firstDayOfMonth, text);
            continue;
        }
        const double v = tickValue(t, i);
        if (s.scalingType == 4) {
            logNumber(v, t, text);
        } else {
            linearNumber(v, t, text);
        }
    }
    // Ticks beyond the numbers written stay bare rather than repeat the first numbers.
    const int ticks = t.tickCount < count ? t.tickCount : count;
    graphLayOutAxisLabels(texts[0], kNumberField, count, ticks, side, n);
}

}  // namespace plotlib
