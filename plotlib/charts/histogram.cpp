// histogram.cpp - histograms (HISCHA, HISFIL, GRAHIS / HISGRA, HISVAL): column i of a
// category axis rises (or hangs) from a common base line to its value.  The columns share the
// bar charts' category geometry and outline drawing; their outlines stay open along the base.
#include <cmath>

#include "axes/drawing.h"
#include "axes/scaling.h"
#include "charts/columns.h"
#include "charts/conventions.h"
#include "frame/defaults.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "graphs/valuelabels.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// The histogram layout on the current axes: category axis y when y alone has scaling type 5,
// else x; the value axis starts at the base line.  Returns the category axis.
int setHistogramLayout(float fraction, bool centred)
{
    const int category = chartCategoryAxis(false);
    const float base = chartHistogramBase(3 - category);
    static const int histogram = 0;
    chartSetColumnLayout(category, fraction, histogram, base, centred);
    return category;
}

float baseLine()
{
    const BarWorkingValues& bar = graphState.bar;
    return bar.valueAxis == 2 ? bar.startY : bar.startX;
}

void plotHistogram(const float* values, int n, int scaling, float fraction, float categoryMinimum,
                   float categoryMaximum)
{
    float low = 0.0f, high = 0.0f;
    graphArrayRange(values, n, low, high);
    const bool logarithmic = scaling == 1;
    graphResetAxes(1, 0);
    graphResetAxes(2, 0);
    if (logarithmic && !(low > 10.0f * graphState.nice.tiny)) {
        graphReportError(kBadLogValueAxis);
        return;
    }
    if (!logarithmic && !(std::fabs(high - low) > graphState.nice.tiny)) {
        // All values equal: the range reaches down (or up) to 0.
        if (high > 0.0f) low = 0.0f;
        else if (high < 0.0f) high = 0.0f;
        graphReportError(kRangeTooNarrow);
    }
    static const int valueAxis = 2, categoryAxis = 1;
    if (!chartScaleFromData(valueAxis, logarithmic, low, high, kBadLogValueAxis)) return;
    const int xOption = chartScaleCategoryAxis(categoryAxis, n, categoryMinimum, categoryMaximum);
    static const int style = -2, yOption = 1;
    graphDrawAxesAndGrid(style, xOption, yOption);
    graphDrawHistogramOutlines(values, n, fraction);
}

void fillHistogram(const float* values, int n, float fraction, const int* styles, const int* pens)
{
    const int category = setHistogramLayout(fraction, false);
    const int valueAxis = 3 - category;
    chartScanPens(pens, n);
    const float base = baseLine();
    for (int i = 0; i < n; ++i) {
        if (styles[i] < -1) continue;
        const float v = graphCheckLogValue(values[i], valueAxis);
        chartFillColumn(i + 1, base, v, styles[i], pens[i]);
    }
}

void writeHistogramValues(const float* values, int n, float fraction)
{
    const int category = setHistogramLayout(fraction, true);
    const int valueAxis = 3 - category;
    const ValueAttributes& a = graphState.valueAttributes;
    const int alongCategory = category == 1 ? a.a1 : a.a2;
    const int alongValue = category == 1 ? a.a2 : a.a1;
    const float base = baseLine();
    ValueLabelLayout layout{};
    graphBeginValueLabels(layout);
    for (int i = 0; i < n; ++i) {
        ValueLabelNumber number{};
        graphFormatValueNumber(values[i], valueAxis, number);
        const float c = chartColumnTagPosition(i + 1, alongCategory);
        const float end = graphCheckLogValue(values[i], valueAxis);
        float v = end;
        if (alongValue < 0) v = base;
        else if (alongValue == 0) v = (base + end) * 0.5f;
        else if (alongValue == 3) v = graphCheckLogValue(a.a3, valueAxis);
        float x = 0.0f, y = 0.0f;
        chartColumnPoint(c, v, x, y);
        // Below the base line both one-character moves turn, so that along the values the
        // codes 2 and -2 still lead away from a hanging column.
        const float sense = values[i] < 0.0f ? -1.0f : 1.0f;
        x += sense * chartCharacterShift(a.a1, graphState.characters.width);
        y += sense * chartCharacterShift(a.a2, graphState.characters.height);
        graphDrawValueLabel(layout, number, x, y);
    }
}

}  // namespace

namespace plotlib {

void graphDrawHistogramOutlines(const float* values, int n, float fraction)
{
    setHistogramLayout(fraction, false);
    graphDrawColumnOutlines(values, values, n);
}

}  // namespace plotlib

void HISCHA(const float* values, const int& n, const int& scaling, const float& fraction,
            const float& categoryMinimum, const float& categoryMaximum)
{
    GraphRoutineFrame frame("HISCHA");
    if (chartCountError(n, {values}, kCountBelowOne)) return;
    plotHistogram(values, n, scaling, fraction, categoryMinimum, categoryMaximum);
}

void HISFIL(const float* values, const int& n, const float& fraction, const int* styles,
            const int* pens)
{
    GraphRoutineFrame frame("HISFIL");
    if (chartCountError(n, {values, styles, pens}, kCountBelowOne)) return;
    fillHistogram(values, n, fraction, styles, pens);
}

void GRAHIS(const float* values, const int& n, const float& fraction)
{
    GraphRoutineFrame frame("GRAHIS");
    if (chartCountError(n, {values}, kCountBelowOne)) return;
    graphDrawHistogramOutlines(values, n, fraction);
}

void HISGRA(const float* values, const int& n, const float& fraction)
{
    GraphRoutineFrame frame("HISGRA");
    if (chartCountError(n, {values}, kCountBelowOne)) return;
    graphDrawHistogramOutlines(values, n, fraction);
}

void HISVAL(const float* values, const int& n, const float& fraction)
{
    GraphRoutineFrame frame("HISVAL");
    if (chartCountError(n, {values}, kCountBelowOne)) return;
    writeHistogramValues(values, n, fraction);
}
