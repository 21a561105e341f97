// area.cpp - area charts (ARECHA, AREFIL, AREGRA, AREVAL): rectangle i is given by its two
// bounds a1[i], a2[i] along one axis and a3[i], a4[i] along the other, so areas of any
// widths and heights, apart or overlapping, stand on two value axes.  In orientation 1 the
// first pair runs along x; orientation 2 (codes 2 and above) puts it along y.
#include <cmath>

#include "charts/conventions.h"
#include "charts/outlines.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "graphs/valuelabels.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// The four arrays of an area chart.
struct Areas {
    const float* a1;
    const float* a2;
    const float* a3;
    const float* a4;
};

bool badInput(const Areas& d, int n)
{
    return chartCountError(n, {d.a1, d.a2, d.a3, d.a4}, kAreaCountBelowOne);
}

void plotAreas(const Areas& d, int n, int type)
{
    float xMin = 0.0f, xMax = 0.0f, yMin = 0.0f, yMax = 0.0f;
    chartUnionRange(d.a1, d.a2, n, xMin, xMax);
    chartUnionRange(d.a3, d.a4, n, yMin, yMax);
    if (!chartDrawDataAxes(type, xMin, xMax, yMin, yMax)) return;
    static const int firstPairAlongX = 1;
    graphDrawAreaOutlines(d.a1, d.a2, d.a3, d.a4, n, firstPairAlongX);
}

void fillAreas(const Areas& d, int n, int orientation, const int* styles, const int* pens)
{
    const int o = chartOrientation(orientation);
    chartScanPens(pens, n);
    for (int i = 0; i < n; ++i) {
        if (styles[i] < -1) continue;
        float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
        chartOrientedPoint(o, d.a1[i], d.a3[i], x1, y1);
        chartOrientedPoint(o, d.a2[i], d.a4[i], x2, y2);
        chartFillBox(styles[i], pens[i], x1, y1, x2, y2);
    }
}

// The value a tag shows and the axis (1 the first pair's, 2 the second pair's) it is
// formatted on.
float areaValue(int placement, const Areas& d, int i, int& pair)
{
    const float a1 = d.a1[i], a2 = d.a2[i], a3 = d.a3[i], a4 = d.a4[i];
    pair = (placement == 3 || placement == 4 || placement == 6) ? 2 : 1;
    switch (placement) {
    case 1: return a1;
    case 2: return a2;
    case 3: return a3;
    case 4: return a4;
    case 5: return std::fabs(a2 - a1);
    case 6: return std::fabs(a4 - a3);
    default: return std::fabs(a2 - a1) * std::fabs(a4 - a3);
    }
}

void writeAreaValues(const Areas& d, int n, int placement, int orientation)
{
    const int o = chartOrientation(orientation);
    const ValueAttributes& a = graphState.valueAttributes;
    ValueLabelLayout layout{};
    graphBeginValueLabels(layout);
    for (int i = 0; i < n; ++i) {
        int pair = 1;
        const float value = areaValue(placement, d, i, pair);
        // The first pair lies along axis o, the second along the other.
        const int axis = pair == 1 ? o : 3 - o;
        ValueLabelNumber number{};
        graphFormatValueNumber(value, axis, number);
        float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
        chartOrientedPoint(o, d.a1[i], d.a3[i], x1, y1);
        chartOrientedPoint(o, d.a2[i], d.a4[i], x2, y2);
        // The fixed value a3, an x value for a1 = 3 and a y value for a2 = 3, converted for
        // every area.
        const float fixedX = a.a1 == 3 ? chartAxisCoordinate(a.a3, 1) : 0.0f;
        const float fixedY = a.a2 == 3 ? chartAxisCoordinate(a.a3, 2) : 0.0f;
        float x = 0.0f, y = 0.0f;
        chartTagPoint(x1, y1, x2, y2, fixedX, fixedY, x, y);
        graphDrawValueLabel(layout, number, x, y);
    }
}

}  // namespace

namespace plotlib {

void graphDrawAreaOutlines(const float* a1, const float* a2, const float* a3, const float* a4,
                           int n, int orientation)
{
    const int o = chartOrientation(orientation);
    for (int i = 0; i < n; ++i) {
        // Corners in drawing order, first-pair value then second-pair value: from (a1, a4)
        // along x first in orientation 1, from (a4, a2) along x first in orientation 2.
        const bool first = o == 1;
        const float p[5] = {first ? a1[i] : a2[i], a2[i], first ? a2[i] : a1[i], a1[i],
                            first ? a1[i] : a2[i]};
        const float q[5] = {a4[i], first ? a4[i] : a3[i], a3[i], first ? a3[i] : a4[i], a4[i]};
        for (int k = 0; k < 5; ++k) {
            float x = 0.0f, y = 0.0f;
            chartOrientedPoint(o, p[k], q[k], x, y);
            if (k == 0) kernelMovePen(x, y);
            else kernelDrawLineTo(x, y);
        }
    }
}

}  // namespace plotlib

void ARECHA(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& type)
{
    GraphRoutineFrame frame("ARECHA");
    const Areas d{a1, a2, a3, a4};
    if (badInput(d, n)) return;
    plotAreas(d, n, type);
}

void AREFIL(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& orientation, const int* styles, const int* pens)
{
    GraphRoutineFrame frame("AREFIL");
    const Areas d{a1, a2, a3, a4};
    if (chartCountError(n, {a1, a2, a3, a4, styles, pens}, kAreaCountBelowOne)) return;
    fillAreas(d, n, orientation, styles, pens);
}

void AREGRA(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& orientation)
{
    GraphRoutineFrame frame("AREGRA");
    if (badInput({a1, a2, a3, a4}, n)) return;
    graphDrawAreaOutlines(a1, a2, a3, a4, n, orientation);
}

void AREVAL(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& placement, const int& orientation)
{
    GraphRoutineFrame frame("AREVAL");
    const Areas d{a1, a2, a3, a4};
    if (badInput(d, n)) return;
    int code = placement;
    if (code < 1 || code > 7) {
        graphReportError(kBadSelector);
        code = 7;
    }
    writeAreaValues(d, n, code, orientation);
}
