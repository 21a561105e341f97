// scaling.cpp - axis positions and scaling (AXIPOS, AXISCA, AXIINT and their workers), the
// axis set-up that turns the settings into an AxisTransform, and equal scaling of both axes.
//
// Any change of an axis's position or scaling clears its set-up flag, so the next routine
// that maps through the axis sets it up again.  The set-up writes back the range it actually
// uses (widened to whole intervals or decades), so a second set-up gives the same layout.
#include "axes/scaling.h"

#include <cfloat>
#include <climits>
#include <cmath>

#include "dates/dates.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// More intervals than this cannot be told apart on any picture; such a count is treated as
// one out of range.
constexpr int largestIntervalCount = 1000000;

void report(int kernelNumber) { kernelReportError(kernelNumber); }

float clampToFloat(double value)
{
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

// Logarithmic scaling: interval count 0, substitutes for ends that have no logarithm.
void scaleLogarithmic(AxisSettings& a, int n, float minimum, float maximum)
{
    const float tiny = graphState.nice.tiny;
    const float limit = 10.0f * tiny;
    a.intervalCount = 0;
    if (minimum <= limit || maximum <= limit)
        report(graphKernelNumber(n == 1 ? kBadLogX : kBadLogY));
    if (minimum <= limit) {
        a.minimum = 100.0f * tiny;
        if (maximum >= 1.0f) a.minimum = 1.0f / maximum;
    }
    if (maximum <= limit) {
        a.maximum = 1000.0f * tiny;
        if (minimum >= 1.0f) a.maximum = 1.0f / minimum;
    }
    if (std::fabs(static_cast<double>(minimum) - maximum) <= tiny) {
        report(graphKernelNumber(kRangeTooNarrow));
        a.minimum = a.minimum / 10.0f;
        a.maximum = clampToFloat(a.maximum * 10.0);
    }
}

// Linear scaling: the interval count, and a range too narrow to divide widened around it.
void scaleLinear(AxisSettings& a, int count, float minimum, float maximum)
{
    a.intervalCount = count;
    if (count < 1 || count > largestIntervalCount) {
        report(graphKernelNumber(kBadIntervalCount));
        a.intervalCount = 9;
    }
    const double c = a.intervalCount;
    const double d = std::fabs((static_cast<double>(maximum) - minimum) / c);
    const double capacity = std::pow(10.0, graphState.nice.digitCapacity);
    bool narrow = d <= graphState.nice.tinyDouble;
    if ((a.scalingType == 1 || a.scalingType == 2) &&
        std::fmax(std::fabs(minimum), std::fabs(maximum)) / capacity >= d)
        narrow = true;
    if (!narrow) return;
    report(graphKernelNumber(kRangeTooNarrow));
    float m = 0.0f;
    int e = 0;
    graphSplitPowerOfTen(minimum, m, e);
    const double unit = std::pow(10.0, e);
    a.minimum = clampToFloat(minimum - (c + 1.0) / 2.0 * unit);
    a.maximum = clampToFloat(maximum + c / 2.0 * unit);
}

// Range ends of the transform for the current axis's scaling type.
void chooseIntervals(AxisSettings& a, AxisTransform& t, float& low, float& high)
{
    if (a.scalingType < 0) {
        graphChooseDateInterval();
        low = a.minimum;
        high = a.maximum;
    } else if (a.scalingType == 1 || a.scalingType == 2) {
        graphChooseLinearInterval(a.scalingType, a.minimum, a.maximum);
        low = a.minimum;
        high = a.maximum;
    } else if (a.scalingType == 3) {
        graphIntervalFromCount(a.minimum, a.maximum, a.intervalCount);
        low = a.minimum;
        high = a.maximum;
    } else if (a.scalingType == 5) {
        // Give back an interval still taken off in this routine before taking one again.
        if (a.countReduced == 1) a.intervalCount += 1;
        const int cells = a.intervalCount > 0 ? a.intervalCount : 1;
        a.countReduced = 1;
        a.intervalCount = cells - 1;
        t.tickSpacing = a.length / cells;
        graphIntervalFromCount(a.minimum, a.maximum, a.intervalCount);
        low = a.minimum - a.step / 2.0f;
        high = a.maximum + a.step / 2.0f;
    } else {
        graphChooseLogDecades(a.minimum, a.maximum, low, high);
    }
}

}  // namespace

namespace plotlib {

void graphSetAxisPosition(int type, float x, float y, float length, int axis)
{
    const int n = graphAxisNumber(axis);
    AxisSettings& a = graphAxis(n);
    a.positionType = type > 0 ? 1 : 0;
    a.originX = x;
    a.originY = y;
    a.setUp = 0;
    // A length that is no number, or endless, cannot be drawn either: the old one stays.
    if (length > 1e-10f && std::isfinite(length)) a.length = length;
    else report(graphKernelNumber(kLengthTooSmall));
    a.positioned = 1;
    graphState.graph.currentAxis = n;
}

void graphSetAxisScaling(int type, int count, float minimum, float maximum, int axis)
{
    const int n = graphAxisNumber(axis);
    graphState.graph.currentAxis = n;
    AxisSettings& a = graphAxis(n);
    a.setUp = 0;
    a.scalingType = type;
    if (type < 1 || type > 5) {
        report(graphKernelNumber(kBadScalingType));
        a.scalingType = 3;
    }
    float low = minimum, high = maximum;
    if (!std::isfinite(low) || !std::isfinite(high)) {
        // No interval can be laid over an end that is not a number: the default range.
        report(graphKernelNumber(kRangeTooNarrow));
        low = 1.0f;
        high = 10.0f;
    }
    a.minimum = low;
    a.maximum = high;
    if (a.scalingType == 4) scaleLogarithmic(a, n, low, high);
    else scaleLinear(a, count, low, high);
}

void graphSetUpAxis()
{
    const int n = graphState.graph.currentAxis;
    AxisSettings& a = graphAxis(n);
    AxisTransform& t = graphTransform(n);
    float low = 0.0f, high = 0.0f;
    chooseIntervals(a, t, low, high);
    if (a.scalingType != 5)
        t.tickSpacing = a.intervalCount > 0 ? a.length / a.intervalCount : a.length;
    t.tickCount = a.intervalCount < INT_MAX ? a.intervalCount + 1 : INT_MAX;
    const double span = static_cast<double>(high) - low;
    // A range of no width maps every value onto the start of the axis.
    t.scale = span != 0.0 ? graphToFloat(a.length / span) : 0.0f;
    t.halfChar[0] = graphState.characters.height / 2.0f;
    t.halfChar[1] = graphState.characters.width / 2.0f;
    float shift = 0.0f;
    if (a.positionType == 0 && static_cast<double>(high) * low <= 0.0) shift = -(low * t.scale);
    if (n == 1) {
        t.startX = a.originX - shift;
        t.startY = a.originY;
        t.endX = t.startX + a.length;
        t.endY = a.originY;
        t.firstTick = t.startX;
        t.offset = t.startX - low * t.scale;
    } else {
        t.startX = a.originX;
        t.startY = a.originY - shift;
        t.endX = a.originX;
        t.endY = t.startY + a.length;
        t.firstTick = t.startY;
        t.offset = t.startY - low * t.scale;
    }
    if (a.scalingType == 5) t.firstTick += t.tickSpacing / 2.0f;
    graphCountAxisTicks();
}

void graphSetUpChartAxes()
{
    AxisSettings& x = graphAxis(1);
    AxisSettings& y = graphAxis(2);
    const int mode = graphState.graph.scalingMode;
    if (mode == 3) {
        if (x.intervalCount < 1 || y.intervalCount < 1) return;
        const double ux = (static_cast<double>(x.maximum) - x.minimum) / x.intervalCount;
        const double uy = (static_cast<double>(y.maximum) - y.minimum) / y.intervalCount;
        if (!(std::fabs(ux - uy) > 1e-5)) return;
        // Units compare by size; the axis with the smaller one takes the other's unit in its
        // own direction.
        const int an = std::fabs(ux) > std::fabs(uy) ? 2 : 1;
        AxisSettings& a = graphAxis(an);
        const double ua = an == 1 ? ux : uy, ub = an == 1 ? uy : ux;
        if (ub == 0.0) return;
        double count = std::round(std::fabs(a.intervalCount * ua / ub));
        if (count < 1.0) count = 1.0;
        if (count > largestIntervalCount) return;
        const int newCount = static_cast<int>(count);
        const float start = a.minimum;
        const float end = clampToFloat(start + newCount * std::copysign(std::fabs(ub), ua));
        const int type = a.scalingType;
        graphSetAxisScaling(type, newCount, start, end, an);
    } else if (mode == 4) {
        if (x.intervalCount < 1 || y.intervalCount < 1) return;
        const float lx = x.length / x.intervalCount, ly = y.length / y.intervalCount;
        if (!(std::fabs(lx - ly) > graphState.characters.height / 2.0f)) return;
        const int an = ly > lx ? 2 : 1;
        AxisSettings& a = graphAxis(an);
        const float other = an == 1 ? ly : lx;
        const float length = a.intervalCount * other;
        const int type = a.positionType;
        const float ox = a.originX, oy = a.originY;
        graphSetAxisPosition(type, ox, oy, length, an);
    }
}

}  // namespace plotlib

void AXIPOS(const int& type, const float& x, const float& y, const float& length, const int& axis)
{
    GraphRoutineFrame frame("AXIPOS");
    graphSetAxisPosition(type, x, y, length, axis);
}

void AXISCA(const int& type, const int& count, const float& minimum, const float& maximum,
            const int& axis)
{
    GraphRoutineFrame frame("AXISCA");
    graphSetAxisScaling(type, count, minimum, maximum, axis);
}

void AXIINT(const int& interval, const int& axis)
{
    GraphRoutineFrame frame("AXIINT");
    const int n = graphAxisNumber(axis);
    graphState.graph.currentAxis = n;
    graphAxis(n).intervalSetting = interval;
    // The minor-tick layout comes from the set-up, which has to run again.
    graphAxis(n).setUp = 0;
}
