// drawing.cpp - one axis line with its ticks, numbers and exponent caption (AXIDRA and the
// frame sides of grids and charts), and the precision check that keeps an axis transform
// within what the kernel can map.
//
// The major ticks are drawn as one zig-zag path from the last tick to the first: each tick is
// drawn outward or back toward the axis in turn, so the pen never returns to the axis between
// ticks.  Minor ticks zig-zag the same way within each interval, starting outward again in
// every interval.  A month axis drawn by days has a tick for every day, the longer ones at the
// day of the month of the first tick.
#include "axes/drawing.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "axes/annotation.h"
#include "axes/scaling.h"
#include "dates/calendar.h"
#include "dates/dateaxis.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// Moves and lines along (a) and across (c) the axis: for the x axis along is x, for the y
// axis along is y.
struct AxisPen {
    bool isX;
    void moveTo(double along, double across) const
    {
        const float a = static_cast<float>(along), c = static_cast<float>(across);
        if (isX) kernelMovePen(a, c);
        else kernelMovePen(c, a);
    }
    void moveBy(double along, double across) const
    {
        const float a = static_cast<float>(along), c = static_cast<float>(across);
        if (isX) kernelMovePenBy(a, c);
        else kernelMovePenBy(c, a);
    }
    void lineBy(double along, double across) const
    {
        const float a = static_cast<float>(along), c = static_cast<float>(across);
        if (isX) kernelDrawLineBy(a, c);
        else kernelDrawLineBy(c, a);
    }
};

int dayOfMonth(int64_t day)
{
    int y = 0, m = 0, d = 0;
    graphRawDate(day, y, m, d);
    return d;
}

// Every tick of a date axis drawn by days, each from the axis outward: the ticks at the first
// tick's day of the month full length, the others minor length (zero length without minor
// ticks).
void drawDayTicks(const AxisPen& pen, int axis, double across, int tickCount, double firstTick,
                  double outward, double major, double minor, bool minors)
{
    const AxisTransform& t = graphTransform(axis);
    const double spacing = t.tickSpacing;
    // Ticks drawn from an inner position carry the dates of their own places on the axis.
    const int64_t offset = spacing != 0.0 ? std::llround((firstTick - t.firstTick) / spacing) : 0;
    const int markDay = dayOfMonth(graphDateAxisTickDay(axis, 0));
    for (int i = 0; i < tickCount; ++i) {
        const int64_t day = graphDateAxisTickDay(axis, static_cast<int>(offset + i));
        const double length = dayOfMonth(day) == markDay ? major : (minors ? minor : 0.0);
        pen.moveTo(firstTick + i * spacing, across);
        pen.lineBy(0.0, outward * length);
    }
}

void drawMinorTicks(const AxisPen& pen, int axis, double along0, double across, double outward,
                    double minor)
{
    const AxisSettings& s = graphAxis(axis);
    const AxisTransform& t = graphTransform(axis);
    if (t.minorStep <= 0) return;
    const int k = (t.minorLast - t.minorFirst + t.minorStep) / t.minorStep;
    const int slots = static_cast<int>(sizeof t.minorFractions / sizeof t.minorFractions[0]);
    // Only the intervals that reach onto the picture, each one mark from its start.
    const MarkSpan shown = graphMarksOnPicture(s.intervalCount, 1, along0, t.tickSpacing, axis,
                                               kLinesAcrossPicture / std::max(k, 1));
    for (long long i = shown.first; i <= shown.last; ++i) {
        double m = outward * minor;  // every interval starts on the axis, ticking outward
        pen.moveTo(along0 + i * static_cast<double>(t.tickSpacing), across);
        double p = 0.0;
        for (int n = 0, j = t.minorFirst; n < k; ++n, j += t.minorStep) {
            if (j < 1 || j > slots) break;
            const double q = static_cast<double>(t.tickSpacing) * t.minorFractions[j - 1];
            pen.moveBy(q - p, 0.0);
            pen.lineBy(0.0, m);
            m = -m;
            p = q;
        }
    }
}

// The kernel's pen as the relative moves of a path leave it: held in floats, each move added
// in double; a move beyond the float range leaves it where it is.
struct KernelPen {
    float along, across;
    void by(float da, float dc)
    {
        const double a = static_cast<double>(along) + da, c = static_cast<double>(across) + dc;
        if (std::fabs(a) <= FLT_MAX && std::fabs(c) <= FLT_MAX) {
            along = static_cast<float>(a);
            across = static_cast<float>(c);
        }
    }
};

// The zig-zag path of major ticks from the tick at index `last` down to the first, of which
// only the ticks `shown` go to the kernel: the pen is followed through the others as the
// kernel would move it, so that every tick drawn stands exactly where the whole path draws
// it, and the pen ends where the whole path ends.
void drawTicksOnPicture(const AxisPen& pen, const MarkSpan& shown, int step, long long last,
                        double start, double spacing, double across, double d)
{
    KernelPen p{static_cast<float>(start + static_cast<double>(last) * spacing),
                static_cast<float>(across)};
    const float back = static_cast<float>(-step * spacing);
    for (long long i = last; i >= 0; i -= step) {
        const float tick = static_cast<float>(d);
        if (i >= shown.first && i <= shown.last) {
            if (i == shown.last) pen.moveTo(p.along, p.across);
            pen.lineBy(0.0, tick);
            pen.moveBy(back, 0.0);
        }
        p.by(0.0f, tick);
        p.by(back, 0.0f);
        d = -d;
    }
    pen.moveTo(p.along, p.across);
}

// True when the minor ticks of the axis stand far enough apart for the picture to show them
// all; when they do not, none are drawn (they would only blur the major ticks).
bool minorsShown(int axis)
{
    const AxisSettings& s = graphAxis(axis);
    const AxisTransform& t = graphTransform(axis);
    if (t.minorStep <= 0) return true;
    const int slots = static_cast<int>(sizeof t.minorFractions / sizeof t.minorFractions[0]);
    double previous = 0.0, gap = 1.0;
    int perInterval = 0;
    for (int j = t.minorFirst; j <= t.minorLast && j >= 1 && j <= slots; j += t.minorStep) {
        gap = std::fmin(gap, t.minorFractions[j - 1] - previous);
        previous = t.minorFractions[j - 1];
        ++perInterval;
    }
    gap = std::fmin(gap, 1.0 - previous);
    const double marks = static_cast<double>(s.intervalCount) * (perInterval + 1);
    const int count = static_cast<int>(std::fmin(marks, 2147483647.0));
    return graphMarkStride(count, gap * t.tickSpacing, kLinesAcrossPicture) == 1;
}

// Axis line, major and minor ticks, numbers and caption of one axis.
void drawAxis(int axis, float startX, float startY, int tickSwitch, int tickCount, float firstTick,
              float majorLength, float minorLength, int annotation)
{
    const bool isX = axis == 1;
    const AxisPen pen{isX};
    const AxisSettings& s = graphAxis(axis);
    const AxisTransform& t = graphTransform(axis);
    const double along0 = isX ? startX : startY, across = isX ? startY : startX;

    // 1. The axis line.
    pen.moveTo(along0, across);
    pen.lineBy(s.length, 0.0);

    if (tickSwitch != 0) {
        // Positive switch: x ticks downward, y ticks to the right.
        const int sgn = tickSwitch < 0 ? -1 : 1;
        const double outward = isX ? -sgn : sgn;
        const bool minors = tickSwitch >= 2 || tickSwitch <= -2;
        const bool byDays = s.scalingType < 0 && s.dateUnit <= 0;
        if (!byDays) {
            // 2-3. Major ticks from the last to the first as one zig-zag; the pen goes to
            // the place of the last tick even when there are none (a side without inner
            // grid positions).
            // Ticks closer than the picture shows are stepped over, from the first tick on.
            const double spacing = t.tickSpacing;
            const int step = graphMarkStride(tickCount, spacing, kLinesAcrossPicture);
            const double last = tickCount > 0 ? static_cast<double>((tickCount - 1) / step * step)
                                              : tickCount - 1.0;
            const MarkSpan shown =
                graphMarksOnPicture(tickCount, step, firstTick, spacing, axis, kLinesAcrossPicture);
            const double start = firstTick + last * spacing;
            double d = outward * majorLength;
            if (tickCount <= 0 || (shown.first == 0 && shown.last == last) ||
                !(std::fabs(start) <= FLT_MAX && std::fabs(across) <= FLT_MAX)) {
                // Every tick can show: one zig-zag path.
                pen.moveTo(firstTick + last * spacing, across);
                for (int64_t i = 0; i < tickCount; i += step) {
                    pen.lineBy(0.0, d);
                    pen.moveBy(-step * spacing, 0.0);
                    d = -d;
                }
            } else {
                drawTicksOnPicture(pen, shown, step, static_cast<long long>(last), firstTick,
                                   spacing, across, d);
            }
            // 5. Minor ticks, unless they stand closer than the picture shows.
            if (minors && s.scalingType != 5 && t.minorFirst > 0 && s.intervalCount > 0 &&
                minorsShown(axis)) {
                drawMinorTicks(pen, axis, along0, across, outward, minorLength);
            }
        } else {
            // 4. Day ticks of a month axis drawn by days.
            drawDayTicks(pen, axis, across, tickCount, firstTick, outward, majorLength, minorLength,
                         minors);
        }
    }

    // 6. Numbers and exponent caption.
    if (annotation == 0) return;
    graphAnnotateAxisTicks(axis, annotation);
    if (t.labelExponent == 0 && s.scalingType != 4) return;
    const CharacterAttributes& c = graphState.characters;
    const int a = annotation > 0 ? 1 : -1;
    if (isX) {
        const float x = startX + s.length;
        const float y = s.attr1 == 0
            ? startY - a * (2.0f * t.halfChar[0] + (a > 0 ? c.height : 0.0f))
            : s.attr2 - (annotation > 0 ? c.height : 0.0f);
        graphDrawXAxisCaption(x, y, a);
    } else {
        const float numbers = annotation < 0 ? t.labelWidth * c.width : 0.0f;
        const float y = startY + s.length;
        const float x =
            s.attr1 == 0 ? startX + a * (2.0f * t.halfChar[1] + numbers) : s.attr2 - numbers;
        graphDrawYAxisCaption(x, y, annotation);
    }
}

double clampToFloat(double v) { return v > FLT_MAX ? FLT_MAX : (v < -FLT_MAX ? -FLT_MAX : v); }

}  // namespace

namespace plotlib {

void graphDrawXAxis(float startX, float startY, int tickSwitch, int tickCount, float firstTick,
                    float majorLength, float minorLength, int annotationSwitch)
{
    drawAxis(1, startX, startY, tickSwitch, tickCount, firstTick, majorLength, minorLength,
             annotationSwitch);
}

void graphDrawYAxis(float startX, float startY, int tickSwitch, int tickCount, float firstTick,
                    float majorLength, float minorLength, int annotationSwitch)
{
    drawAxis(2, startX, startY, tickSwitch, tickCount, firstTick, majorLength, minorLength,
             annotationSwitch);
}

void graphCheckAxisPrecision(int n, int warning)
{
    AxisSettings& s = graphAxis(n);
    static const int largestScale = 2;
    const double r = kernelEnquireRealSetting(largestScale);
    const double lo = s.minimum, hi = s.maximum;
    // An empty range, or more kernel units per graph unit than the kernel can take.
    if (hi == lo || std::fabs(static_cast<double>(s.length)) >= r * std::fabs(hi - lo)) {
        graphState.graph.currentAxis = n;
        if (warning == 0) {
            graphReportError(kRangeTooNarrow);
        } else {
            kernelReportError(warning);
        }
        if (s.scalingType == 4) {
            s.maximum = static_cast<float>(clampToFloat(lo * 10.0));
        } else {
            float mantissa = 0.0f;
            int e = 0;
            graphSplitPowerOfTen(s.minimum, mantissa, e);
            const double unit = std::pow(10.0, e), count = s.intervalCount;
            s.minimum = static_cast<float>(clampToFloat(lo - (count + 1.0) / 2.0 * unit));
            s.maximum = static_cast<float>(clampToFloat(hi + count / 2.0 * unit));
        }
    }
    s.setUp = 0;
}

}  // namespace plotlib

void AXIDRA(const int& ticks, const int& annotation, const int& axis)
{
    const int n = graphAxisNumber(axis);
    graphState.graph.currentAxis = n;
    // The routine is named before the precision check so that its warning carries the name;
    // the axis is set up after the check, from the settings the check may have widened.
    const GraphRoutineEntry* entry = graphFindRoutine("AXIDRA");
    const int noSetUp = 1, drawFlag = entry->drawFlag;
    graphEnterRoutine(noSetUp, drawFlag, entry->message,
                      static_cast<int>(std::strlen(entry->message)));
    if (graphState.saved.status == 1) graphCheckAxisPrecision(n, 0);
    graphState.graph.currentAxis = n;
    AxisSettings& s = graphAxis(n);
    if (s.setUp != 1) {
        graphSetUpAxis();
        s.setUp = 1;
    }
    const AxisTransform& t = graphTransform(n);
    if (n == 1) {
        graphDrawXAxis(t.startX, t.startY, ticks, t.tickCount, t.firstTick, t.halfChar[0],
                       0.6f * t.halfChar[0], annotation);
    } else {
        graphDrawYAxis(t.startX, t.startY, ticks, t.tickCount, t.firstTick, t.halfChar[1],
                       0.6f * t.halfChar[1], annotation);
    }
    graphExitRoutine(drawFlag);
}
