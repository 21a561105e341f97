// population.cpp - the population graph (GRAPOP): classes of a distribution drawn as a
// symmetric outline about a centre line, each class as wide as its value, one category-axis
// interval (divided by the caller's divisor) standing for a value of 1.
//
// The category axis is the one axis of scaling type 5; the classes run along the other, the
// value axis, each from its end e - d to e.  Runs of positive classes are outlined on both
// sides of the centre and closed to a point one class width beyond the run's last class.
#include <cmath>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "graphs/population.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// Where the outline goes: category and value axis, and the line drawing in their terms.
struct Outline {
    int categoryAxis;
    int valueAxis;

    // A line from (c1, v1) to (c2, v2), c across the category axis, v along the value axis.
    void line(float c1, float v1, float c2, float v2) const
    {
        if (categoryAxis == 1) {
            kernelMovePen(c1, v1);
            kernelDrawLineTo(c2, v2);
        } else {
            kernelMovePen(v1, c1);
            kernelDrawLineTo(v2, c2);
        }
    }
};

}  // namespace

namespace plotlib {

void graphDrawPopulationOutline(const float* e, const float* v, int n, float d, float c)
{
    const BarWorkingValues& bar = graphState.bar;
    const Outline out{3 - bar.valueAxis, bar.valueAxis};
    const float unitWidth = bar.columnWidth;
    const float c0 = graphCheckLogValue(c, out.categoryAxis);
    float carried = 0.0f;  // half-width where the next class starts
    for (int i = 0; i < n; ++i) {
        const float h = unitWidth * v[i];
        if (!(v[i] > 0.0f)) {
            // Nothing drawn; the next run starts from the centre line.
            carried = 0.0f;
            continue;
        }
        const float low = graphCheckLogValue(e[i] - d, out.valueAxis);
        const float high = graphCheckLogValue(e[i], out.valueAxis);
        out.line(c0 + carried, low, c0 + h, high);
        out.line(c0 - carried, low, c0 - h, high);
        if (i == n - 1 || !(v[i + 1] > 0.0f)) {
            const float tip = graphCheckLogValue(e[i] + d, out.valueAxis);
            out.line(c0 + h, high, c0, tip);
            out.line(c0 - h, high, c0, tip);
            carried = 0.0f;
        } else {
            carried = h;
        }
    }
}

void graphDrawPopulationGraph(const float* e, const float* v, int n, float d, float c, float s)
{
    const bool xCategory = graphAxis(1).scalingType == 5;
    const bool yCategory = graphAxis(2).scalingType == 5;
    int category = 1;
    if (xCategory == yCategory) {
        kernelReportError(graphKernelNumber(kBadCategoryAxis));
    } else {
        category = xCategory ? 1 : 2;
    }
    graphState.graph.currentAxis = category;
    // A divisor of (about) zero would make the classes infinitely wide: it counts as 1.
    const float divisor = std::fabs(s) > 10.0f * graphState.nice.tiny ? s : 1.0f;
    const float unitWidth = graphTransform(category).tickSpacing / divisor;
    BarWorkingValues& bar = graphState.bar;
    bar.valueAxis = 3 - category;
    bar.outlineMode = 1;
    bar.columnWidth = unitWidth;
    graphDrawPopulationOutline(e, v, n, d, c);
}

}  // namespace plotlib

void GRAPOP(const float& width, const float& centre, const float* ends, const float* values,
            const int& n, const float& divisor)
{
    GraphRoutineFrame frame("GRAPOP");
    if (n <= 0 || ends == nullptr || values == nullptr) {
        graphReportError(kCountBelowOne);
        return;
    }
    graphDrawPopulationGraph(ends, values, n, width, centre, divisor);
}
