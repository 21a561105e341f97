// step.cpp - step charts (STPCHA, STPFIL, STPGRA, STPVAL): step i is a tread from its start
// s[i] to its end e[i] along the step axis at level v[i] on the value axis, closed downwards
// by a common base value b.  Orientation 1 runs the steps along x; orientation 2 (codes 2 and
// above) draws every point transposed, so the treads stand upright and the base is an x value.
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

// The three arrays of a step chart.
struct Steps {
    const float* s;
    const float* e;
    const float* v;
};

bool badInput(const Steps& d, int n)
{
    return chartCountError(n, {d.s, d.e, d.v}, kStepCountBelowOne);
}

// The pen moves of one outline in orientation o: p along the steps, q along the values.
struct StepPen {
    int o;
    void move(float p, float q) const
    {
        float x = 0.0f, y = 0.0f;
        chartOrientedPoint(o, p, q, x, y);
        kernelMovePen(x, y);
    }
    void draw(float p, float q) const
    {
        float x = 0.0f, y = 0.0f;
        chartOrientedPoint(o, p, q, x, y);
        kernelDrawLineTo(x, y);
    }
};

// Step i ends where step i + 1 starts (within 1e-5 graph units).
bool contiguous(const Steps& d, int i)
{
    return std::fabs(static_cast<double>(d.e[i]) - d.s[i + 1]) < 1.0e-5;
}

void drawConnected(const StepPen& pen, const Steps& d, int n)
{
    for (int i = 0; i < n; ++i) {
        pen.move(d.s[i], d.v[i]);
        pen.draw(d.e[i], d.v[i]);
        if (i + 1 < n && contiguous(d, i)) pen.draw(d.e[i], d.v[i + 1]);
    }
}

void drawProfile(const StepPen& pen, const Steps& d, int n, float b)
{
    pen.move(d.s[0], b);
    for (int i = 0; i < n; ++i) {
        pen.draw(d.s[i], d.v[i]);
        pen.draw(d.e[i], d.v[i]);
        if (i + 1 >= n) break;
        if (contiguous(d, i)) {
            pen.draw(d.e[i], d.v[i + 1]);
        } else {
            // Down to the base, along it without drawing, up again at the next start.
            pen.draw(d.e[i], b);
            pen.move(d.s[i + 1], b);
        }
    }
    pen.draw(d.e[n - 1], b);
}

void drawColumns(const StepPen& pen, const Steps& d, int n, float b)
{
    for (int i = 0; i < n; ++i) {
        pen.move(d.s[i], b);
        pen.draw(d.s[i], d.v[i]);
        pen.draw(d.e[i], d.v[i]);
        pen.draw(d.e[i], b);
    }
}

void drawTreads(const StepPen& pen, const Steps& d, int n)
{
    for (int i = 0; i < n; ++i) {
        pen.move(d.s[i], d.v[i]);
        pen.draw(d.e[i], d.v[i]);
    }
}

void plotSteps(const Steps& d, int n, int type, float base, int code)
{
    float sMin = 0.0f, sMax = 0.0f, vMin = 0.0f, vMax = 0.0f;
    chartUnionRange(d.s, d.e, n, sMin, sMax);
    graphArrayRange(d.v, n, vMin, vMax);
    vMin = std::fmin(vMin, base);
    vMax = std::fmax(vMax, base);
    if (!chartDrawDataAxes(type, sMin, sMax, vMin, vMax)) return;
    static const int stepsAlongX = 1;
    graphDrawStepOutline(d.s, d.e, d.v, n, stepsAlongX, base, code);
}

void fillSteps(const Steps& d, int n, float base, int orientation, const int* styles,
               const int* pens)
{
    const int o = chartOrientation(orientation);
    chartScanPens(pens, n);
    for (int i = 0; i < n; ++i) {
        if (styles[i] < -1) continue;
        float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
        chartOrientedPoint(o, d.s[i], base, x1, y1);
        chartOrientedPoint(o, d.e[i], d.v[i], x2, y2);
        chartFillBox(styles[i], pens[i], x1, y1, x2, y2);
    }
}

// The value a tag shows: 1 start, 2 end, 3 level, 4 width, 5 height above the base.
float stepValue(int placement, const Steps& d, int i, float base)
{
    switch (placement) {
    case 1: return d.s[i];
    case 2: return d.e[i];
    case 4: return std::fabs(d.e[i] - d.s[i]);
    case 5: return std::fabs(d.v[i] - base);
    default: return d.v[i];
    }
}

void writeStepValues(const Steps& d, int n, float base, int placement, int orientation)
{
    const int o = chartOrientation(orientation);
    // Starts, ends and widths lie along the step axis, levels and heights along the other.
    const int axis = (placement == 3 || placement == 5) ? 3 - o : o;
    const ValueAttributes& a = graphState.valueAttributes;
    ValueLabelLayout layout{};
    graphBeginValueLabels(layout);
    for (int i = 0; i < n; ++i) {
        ValueLabelNumber number{};
        graphFormatValueNumber(stepValue(placement, d, i, base), axis, number);
        float ax = 0.0f, ay = 0.0f, bx = 0.0f, by = 0.0f;
        chartOrientedPoint(o, d.s[i], base, ax, ay);
        chartOrientedPoint(o, d.e[i], d.v[i], bx, by);
        // The fixed value a3 is an x value for a1 = 3, taken at the step's level, and a y
        // value for a2 = 3, taken at the step's end: graph points as given, whatever the
        // orientation.
        float fixedX = 0.0f, fixedY = 0.0f, unused = 0.0f;
        if (a.a1 == 3) graphToKernelCoords(a.a3, d.v[i], fixedX, unused);
        if (a.a2 == 3) graphToKernelCoords(d.e[i], a.a3, unused, fixedY);
        float x = 0.0f, y = 0.0f;
        chartTagPoint(ax, ay, bx, by, fixedX, fixedY, x, y);
        graphDrawValueLabel(layout, number, x, y);
    }
}

}  // namespace

namespace plotlib {

void graphDrawStepOutline(const float* s, const float* e, const float* v, int n, int orientation,
                          float base, int code)
{
    if (n < 1) return;
    const StepPen pen{chartOrientation(orientation)};
    const Steps d{s, e, v};
    switch (code) {
    case 1: drawConnected(pen, d, n); break;
    case 2: drawProfile(pen, d, n, base); break;
    case 3: drawColumns(pen, d, n, base); break;
    default: drawTreads(pen, d, n); break;
    }
}

}  // namespace plotlib

void STPCHA(const float* s, const float* e, const float* v, const int& n, const int& type,
            const float& base, const int& code)
{
    GraphRoutineFrame frame("STPCHA");
    const Steps d{s, e, v};
    if (badInput(d, n)) return;
    plotSteps(d, n, type, base, code);
}

void STPFIL(const float* s, const float* e, const float* v, const int& n, const float& base,
            const int& orientation, const int* styles, const int* pens)
{
    GraphRoutineFrame frame("STPFIL");
    if (chartCountError(n, {s, e, v, styles, pens}, kStepCountBelowOne)) return;
    fillSteps({s, e, v}, n, base, orientation, styles, pens);
}

void STPGRA(const float* s, const float* e, const float* v, const int& n, const float& base,
            const int& code, const int& orientation)
{
    GraphRoutineFrame frame("STPGRA");
    if (badInput({s, e, v}, n)) return;
    graphDrawStepOutline(s, e, v, n, orientation, base, code);
}

void STPVAL(const float* s, const float* e, const float* v, const int& n, const float& base,
            const int& placement, const int& orientation)
{
    GraphRoutineFrame frame("STPVAL");
    const Steps d{s, e, v};
    if (badInput(d, n)) return;
    int code = placement;
    if (code < 1 || code > 5) {
        graphReportError(kBadSelector);
        code = 3;
    }
    writeStepValues(d, n, base, code, orientation);
}
