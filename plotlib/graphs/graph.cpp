// graph.cpp - a whole graph from a data set (GRAPH): both axes placed at their default
// positions and scaled from the data, the axes drawn (with a frame and grid ticks, or as two
// axes crossing at the data's zero), then the data as a polyline, smooth curve or spline,
// with or without markers.
#include <algorithm>
#include <cstdlib>

#include "axes/drawing.h"
#include "axes/scaling.h"
#include "frame/defaults.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "graphs/curves.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// Graph scaling modes 1 and 2 adjust the two data ranges against each other: 1 gives both
// axes one range, 2 widens the narrower span to the wider when they differ by more than 1.
void matchRanges(float& xmin, float& xmax, float& ymin, float& ymax)
{
    const int mode = graphState.graph.scalingMode;
    if (mode == 1) {
        xmin = ymin = std::min(xmin, ymin);
        xmax = ymax = std::max(xmax, ymax);
    } else if (mode == 2) {
        const float xSpan = xmax - xmin, ySpan = ymax - ymin;
        if (xSpan - ySpan > 1.0f) {
            const float half = (xSpan - ySpan) / 2.0f;
            ymin -= half;
            ymax += half;
        } else if (ySpan - xSpan > 1.0f) {
            const float half = (ySpan - xSpan) / 2.0f;
            xmin -= half;
            xmax += half;
        }
    }
}

// Scales axis n over minimum..maximum, logarithmic or linear with the default interval
// count of the span.  A logarithmic axis needs a minimum above 10 x tiny: otherwise error 13
// (x) or 14 (y) and false.
bool scaleFromData(int n, bool logarithmic, float minimum, float maximum)
{
    int type = 1, count = 0;
    if (logarithmic) {
        if (!(minimum > 10.0f * graphState.nice.tiny)) {
            graphReportError(n == 1 ? kBadLogX : kBadLogY);
            return false;
        }
        type = 4;
    } else {
        graphDefaultIntervalCount(maximum - minimum, count);
    }
    graphSetAxisScaling(type, count, minimum, maximum, n);
    return true;
}

// Kernel distance from the start of an axis to its value 0, when its range reaches 0 from
// below; otherwise 0, so that the axis stays where it starts.
float distanceToZero(const AxisSettings& a)
{
    const float lo = std::min(a.minimum, a.maximum), hi = std::max(a.minimum, a.maximum);
    if (!(lo < 0.0f && hi >= 0.0f)) return 0.0f;
    return -lo * a.length / (hi - lo);
}

// The axes through the data's zero: both axes positioned (type 0) at the point where the
// zeros of the two ranges meet, set up anew and drawn with major and minor ticks.
void drawAxesThroughZero()
{
    const AxisSettings& xAxis = graphAxis(1);
    const float x0 = xAxis.originX + distanceToZero(graphAxis(1));
    const float y0 = xAxis.originY + distanceToZero(graphAxis(2));
    for (int n = 1; n <= 2; ++n) {
        AxisSettings& a = graphAxis(n);
        const int zeroAtOrigin = 0;
        const float length = a.length;
        graphSetAxisPosition(zeroAtOrigin, x0, y0, length, n);
        // The stored scaling (after any equal scaling of the axes) is applied again: the
        // position change needs a fresh set-up from the same settings.
        const int type = a.scalingType, count = a.intervalCount;
        const float minimum = a.minimum, maximum = a.maximum;
        graphSetAxisScaling(type, count, minimum, maximum, n);
        graphState.graph.currentAxis = n;
        a.setUp = 0;
        graphSetUpAxis();
        a.setUp = 1;
        const AxisTransform& t = graphTransform(n);
        if (n == 1) {
            const float major = t.halfChar[0], minor = 0.6f * t.halfChar[0];
            graphDrawXAxis(t.startX, t.startY, 2, t.tickCount, t.firstTick, major, minor, 1);
        } else {
            const float major = t.halfChar[1], minor = 0.6f * t.halfChar[1];
            graphDrawYAxis(t.startX, t.startY, -2, t.tickCount, t.firstTick, major, minor, -1);
        }
    }
}

void drawData(const float* x, const float* y, int n, int lineCode)
{
    switch (std::abs(lineCode)) {
    case 1: graphDrawPolyline(x, y, n); break;
    case 2: graphDrawCurve(1, x, y, n); break;
    case 3: graphDrawCurve(2, x, y, n); break;
    default: break;
    }
    if (lineCode <= 0) graphDrawMarkers(x, y, n, 8, 0);
}

}  // namespace

void GRAPH(const float* x, const float* y, const int& n, const int& type, const int& lineCode,
           const int& axes)
{
    GraphRoutineFrame frame("GRAPH");
    if (n <= 1 || x == nullptr || y == nullptr) {
        graphReportError(kTooFewPoints);
        return;
    }
    graphResetAxes(1, 0);
    graphResetAxes(2, 0);
    const int graphType = (type < -1 || type > 2) ? 0 : type;
    float xmin = 0.0f, xmax = 0.0f, ymin = 0.0f, ymax = 0.0f;
    graphArrayRange(x, n, xmin, xmax);
    graphArrayRange(y, n, ymin, ymax);
    matchRanges(xmin, xmax, ymin, ymax);
    // Type 1 logarithmic x, 2 logarithmic y, -1 both.
    if (!scaleFromData(1, graphType == 1 || graphType == -1, xmin, xmax)) return;
    if (!scaleFromData(2, graphType == 2 || graphType == -1, ymin, ymax)) return;
    const int mode = graphState.graph.scalingMode;
    if (mode == 3 || mode == 4) graphSetUpChartAxes();
    if (axes == 1) drawAxesThroughZero();
    else graphDrawAxesAndGrid(-2, 1, 1);
    const int code = (lineCode < -3 || lineCode > 3) ? 1 : lineCode;
    drawData(x, y, n, code);
}
