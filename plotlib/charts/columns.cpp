// columns.cpp - the column layout of bar charts and histograms and their outline drawing.
//
// The layout lives in BarWorkingValues, written in full before every drawing: the value axis,
// the outline mode (1 bars: closed outlines between start and end values; 0 histograms: open
// along the base line), where the first column starts on each axis, the column width and the
// width fraction.  With a fraction of 1 the columns touch and runs of them are traced as one
// outline, so that no edge between two touching columns is drawn twice.
#include "charts/columns.h"

#include <algorithm>
#include <cmath>

#include "charts/conventions.h"
#include "frame/errors.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"

using namespace plotlib;

namespace {

int categoryOf(const BarWorkingValues& bar) { return 3 - bar.valueAxis; }

// Start of the layout on the category axis and on the value axis.
float categoryStart(const BarWorkingValues& bar)
{
    return categoryOf(bar) == 1 ? bar.startX : bar.startY;
}

float valueStart(const BarWorkingValues& bar)
{
    return categoryOf(bar) == 1 ? bar.startY : bar.startX;
}

void moveTo(float c, float v)
{
    float x = 0.0f, y = 0.0f;
    chartColumnPoint(c, v, x, y);
    kernelMovePen(x, y);
}

void lineTo(float c, float v)
{
    float x = 0.0f, y = 0.0f;
    chartColumnPoint(c, v, x, y);
    kernelDrawLineTo(x, y);
}

}  // namespace

namespace plotlib {

int chartCategoryAxis(bool strict)
{
    const bool xCells = graphAxis(1).scalingType == 5;
    const bool yCells = graphAxis(2).scalingType == 5;
    if (strict && xCells == yCells) {
        kernelReportError(graphKernelNumber(kBadCategoryAxis));
        return 1;
    }
    return (yCells && !xCells) ? 2 : 1;
}

float chartClampFraction(float fraction)
{
    if (!(fraction > 0.0f)) return 0.0f;
    return fraction > 1.0f ? 1.0f : fraction;
}

void chartSetColumnLayout(int category, float fraction, int outlineMode, float valueStart,
                          bool centred)
{
    BarWorkingValues& bar = graphState.bar;
    const AxisTransform& t = graphTransform(category);
    const float f = chartClampFraction(fraction);
    bar.valueAxis = 3 - category;
    bar.outlineMode = outlineMode;
    bar.widthFraction = f;
    bar.columnWidth = t.tickSpacing * f;
    const float start = centred ? t.firstTick : t.firstTick - bar.columnWidth / 2.0f;
    if (category == 1) {
        bar.startX = start;
        bar.startY = valueStart;
    } else {
        bar.startX = valueStart;
        bar.startY = start;
    }
    graphState.graph.currentAxis = category;
}

void chartColumnPoint(float c, float v, float& x, float& y)
{
    if (categoryOf(graphState.bar) == 1) {
        x = c;
        y = v;
    } else {
        x = v;
        y = c;
    }
}

float chartColumnEdge(int i)
{
    const BarWorkingValues& bar = graphState.bar;
    const float step = graphTransform(categoryOf(bar)).tickSpacing;
    return categoryStart(bar) + static_cast<float>(i - 1) * step;
}

void chartFillColumn(int i, float v1, float v2, int style, int pen)
{
    const float c = chartColumnEdge(i);
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
    chartColumnPoint(c, v1, x1, y1);
    chartColumnPoint(c + graphState.bar.columnWidth, v2, x2, y2);
    if (!(std::fabs(y1 - y2) >= 0.00001f)) return;
    chartFillBox(style, pen, x1, y1, x2, y2);
}

float chartColumnTagPosition(int i, int attribute)
{
    const float c = chartColumnEdge(i);
    const float halfWidth = graphState.bar.columnWidth / 2.0f;
    if (attribute == -2 || attribute == -1) return c - halfWidth;
    if (attribute == 1 || attribute == 2) return c + halfWidth;
    return c;
}

float chartHistogramBase(int n)
{
    // The axis may run either way (a reversed range keeps minimum above maximum); the base
    // is where the value nearest to 0 lies, whichever end that is.
    const AxisSettings& a = graphAxis(n);
    const float low = std::min(a.minimum, a.maximum), high = std::max(a.minimum, a.maximum);
    float nearest = 0.0f;
    if (low > 0.0f) nearest = low;
    else if (high < 0.0f) nearest = high;
    return graphCheckLogValue(nearest, n);
}

void graphDrawColumnOutlines(const float* first, const float* second, int n)
{
    const BarWorkingValues& bar = graphState.bar;
    if (n < 1) return;
    if (bar.widthFraction < 1.0f) {
        static const int alone = 1;
        for (int i = 1; i <= n; ++i)
            graphDrawColumnRun(first + (i - 1), second + (i - 1), i, alone);
        return;
    }
    if (bar.outlineMode == 0) {
        static const int firstColumn = 1;
        graphDrawColumnRun(first, second, firstColumn, n);
        return;
    }
    // Bars that touch stay in one run while their value intervals overlap or meet.
    int runStart = 1;
    for (int i = 1; i < n; ++i) {
        const bool joined = first[i - 1] <= second[i] && first[i] <= second[i - 1];
        if (!joined) {
            const int length = i - runStart + 1;
            graphDrawColumnRun(first + (runStart - 1), second + (runStart - 1), runStart, length);
            runStart = i + 1;
        }
    }
    const int length = n - runStart + 1;
    graphDrawColumnRun(first + (runStart - 1), second + (runStart - 1), runStart, length);
}

void graphDrawColumnRun(const float* first, const float* second, int column, int length)
{
    const BarWorkingValues& bar = graphState.bar;
    const int valueAxis = bar.valueAxis;
    const float width = bar.columnWidth;
    const float c0 = chartColumnEdge(column);
    // Edges from the run's low edge, so that a closed outline ends exactly where it began.
    auto edge = [c0, width](int k) { return c0 + static_cast<float>(k) * width; };
    if (bar.outlineMode == 1) {
        // Along the start values from the low edge to the high one, back along the ends.
        moveTo(c0, graphCheckLogValue(second[0], valueAxis));
        for (int k = 0; k < length; ++k) {
            const float v = graphCheckLogValue(first[k], valueAxis);
            lineTo(edge(k), v);
            lineTo(edge(k + 1), v);
        }
        for (int k = length - 1; k >= 0; --k) {
            const float v = graphCheckLogValue(second[k], valueAxis);
            lineTo(edge(k + 1), v);
            lineTo(edge(k), v);
        }
        return;
    }
    // Up from the base line, over the values, down to the base line; the base is not drawn.
    const float base = valueStart(bar);
    moveTo(c0, base);
    for (int k = 0; k < length; ++k) {
        const float v = graphCheckLogValue(first[k], valueAxis);
        lineTo(edge(k), v);
        lineTo(edge(k + 1), v);
    }
    lineTo(edge(length), base);
}

}  // namespace plotlib
