// bar.cpp - bar charts (BARCHA, BARFIL, GRABAR / BARGRA, BARVAL): bar i stands in category
// i of a category axis (scaling type 5) and spans its start to its end value along the other
// axis.  Bars stand upright with the categories along x and lie flat with them along y.
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

bool badInput(const float* start, const float* end, int n)
{
    return chartCountError(n, {start, end}, kCountBelowOne);
}

// The bar layout on the category axis `category`: the low edges of the columns (outline
// and fill) or their centres (value tags); the value axis starts at the first start value.
void setBarLayout(int category, const float* start, float fraction, bool centred)
{
    const float valueStart = graphCheckLogValue(start[0], 3 - category);
    static const int bars = 1;
    chartSetColumnLayout(category, fraction, bars, valueStart, centred);
}

// Category axis of a bar type: |type| 1 or 2; anything else warns -3 and gives 1.
int categoryOfBarType(int type)
{
    if (type == 1 || type == -1) return 1;
    if (type == 2 || type == -2) return 2;
    graphReportError(kBadCategoryAxis);
    return 1;
}

void plotBars(const float* start, const float* end, int n, int type, float fraction,
              float categoryMinimum, float categoryMaximum)
{
    float lo1 = 0.0f, hi1 = 0.0f, lo2 = 0.0f, hi2 = 0.0f;
    graphArrayRange(start, n, lo1, hi1);
    graphArrayRange(end, n, lo2, hi2);
    const float bottom = std::fmin(lo1, lo2), top = std::fmax(hi1, hi2);
    const int category = categoryOfBarType(type);
    const int valueAxis = 3 - category;
    graphResetAxes(1, 0);
    graphResetAxes(2, 0);
    if (!chartScaleFromData(valueAxis, type < 0, bottom, top, kBadLogValueAxis)) return;
    const int categoryOption =
        chartScaleCategoryAxis(category, n, categoryMinimum, categoryMaximum);
    static const int valueOption = 1, style = -2;
    const int xOption = category == 1 ? categoryOption : valueOption;
    const int yOption = category == 2 ? categoryOption : valueOption;
    graphDrawAxesAndGrid(style, xOption, yOption);
    graphDrawBarOutlines(start, end, n, fraction);
}

void fillBars(const float* start, const float* end, int n, float fraction, const int* styles,
              const int* pens)
{
    const int category = chartCategoryAxis(false);
    const int valueAxis = 3 - category;
    setBarLayout(category, start, fraction, false);
    chartScanPens(pens, n);
    for (int i = 0; i < n; ++i) {
        if (styles[i] < -1) continue;
        const float v1 = graphCheckLogValue(end[i], valueAxis);
        const float v2 = graphCheckLogValue(start[i], valueAxis);
        chartFillColumn(i + 1, v1, v2, styles[i], pens[i]);
    }
}

// The value a tag shows: 1 the start, 2 the end, 3 end minus start.
float barValue(int placement, float start, float end)
{
    if (placement == 1) return start;
    if (placement == 2) return end;
    return end - start;
}

void writeBarValues(const float* start, const float* end, int n, float fraction, int placement)
{
    const int category = chartCategoryAxis(false);
    const int valueAxis = 3 - category;
    setBarLayout(category, start, fraction, true);
    const ValueAttributes& a = graphState.valueAttributes;
    const int alongCategory = category == 1 ? a.a1 : a.a2;
    const int alongValue = category == 1 ? a.a2 : a.a1;
    ValueLabelLayout layout{};
    graphBeginValueLabels(layout);
    for (int i = 0; i < n; ++i) {
        ValueLabelNumber number{};
        graphFormatValueNumber(barValue(placement, start[i], end[i]), valueAxis, number);
        const float c = chartColumnTagPosition(i + 1, alongCategory);
        const float vs = graphCheckLogValue(start[i], valueAxis);
        const float ve = graphCheckLogValue(end[i], valueAxis);
        const float fixed = alongValue == 3 ? graphCheckLogValue(a.a3, valueAxis) : 0.0f;
        const float v = chartAnchor(alongValue, vs, ve, fixed);
        float x = 0.0f, y = 0.0f;
        chartColumnPoint(c, v, x, y);
        x += chartCharacterShift(a.a1, graphState.characters.width);
        y += chartCharacterShift(a.a2, graphState.characters.height);
        graphDrawValueLabel(layout, number, x, y);
    }
}

}  // namespace

namespace plotlib {

void graphDrawBarOutlines(const float* start, const float* end, int n, float fraction)
{
    const int category = chartCategoryAxis(true);
    setBarLayout(category, start, fraction, false);
    graphDrawColumnOutlines(start, end, n);
}

}  // namespace plotlib

void BARCHA(const float* start, const float* end, const int& n, const int& type,
            const float& fraction, const float& categoryMinimum, const float& categoryMaximum)
{
    GraphRoutineFrame frame("BARCHA");
    if (badInput(start, end, n)) return;
    plotBars(start, end, n, type, fraction, categoryMinimum, categoryMaximum);
}

void BARFIL(const float* start, const float* end, const int& n, const float& fraction,
            const int* styles, const int* pens)
{
    GraphRoutineFrame frame("BARFIL");
    if (chartCountError(n, {start, end, styles, pens}, kCountBelowOne)) return;
    fillBars(start, end, n, fraction, styles, pens);
}

void GRABAR(const float* start, const float* end, const int& n, const float& fraction)
{
    GraphRoutineFrame frame("GRABAR");
    if (badInput(start, end, n)) return;
    graphDrawBarOutlines(start, end, n, fraction);
}

void BARGRA(const float* start, const float* end, const int& n, const float& fraction)
{
    GraphRoutineFrame frame("BARGRA");
    if (badInput(start, end, n)) return;
    graphDrawBarOutlines(start, end, n, fraction);
}

void BARVAL(const float* start, const float* end, const int& n, const float& fraction,
            const int& placement)
{
    GraphRoutineFrame frame("BARVAL");
    if (badInput(start, end, n)) return;
    int code = placement;
    if (code < 1 || code > 3) {
        graphReportError(kBadSelector);
        code = 3;
    }
    writeBarValues(start, end, n, fraction, code);
}
