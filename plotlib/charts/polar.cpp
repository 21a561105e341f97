// polar.cpp - polar charts: the layout (SETPOL), the polar axes (DRAPOL) and a whole XY polar
// chart (POLXY), with graphDrawPolarAxes, the worker of both drawing routines.
//
// A polar chart is drawn around a centre in kernel units.  Its radial part is two ordinary
// axes through the centre, scaled symmetrically about 0 so that value 0 lies at the centre,
// with rings at the radii of the ticks; its angular part is the outer circle with spokes or
// ticks every step of angle and the angles written beside them.  Rings and steps closer than
// the picture can show apart are left out, as a grid leaves out its marks, and so are rings
// that pass round the whole picture or wholly beside it.  A range or a centre that is no
// finite number is refused with a warning: nothing could be drawn with it.  The data of POLXY
// are graph points on the two radial axes.
#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "axes/drawing.h"
#include "axes/scaling.h"
#include "frame/defaults.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "graphs/curves.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// Warnings of the axes worker, reported straight to the kernel.
// More steps than this cannot be told apart on any picture (twice as many axis intervals are
// the most an axis takes); such a count is refused like a count below 1.
constexpr int kMostSteps = 500000;
// Angles beyond this (just short of a whole turn) would repeat the spoke at 0.
constexpr double kLastAngle = 6.266;
// The angular range taken in place of one that is no finite number.
constexpr float kWholeTurn = 360.0f;

// Rings k = first, first + stride, ... last (radius k x spacing) of the ring count that can show
// on the picture: a ring passing round the whole of it, or wholly beside it, is left out (at a
// huge radius nearly all of them are).  Counted inward from the outermost ring, as thinning
// counts them; a count that would not fill half the picture is drawn whole without asking.
MarkSpan ringsOnPicture(int count, int stride, double spacing)
{
    const PolarSettings& p = graphState.polar;
    const long long s = stride;
    long long first = (count - 1) % stride + 1, last = count;
    if (count <= kLinesAcrossPicture / 2) return {first, last};
    // Ring indices one ring wider than the reach on either side, so that rounding loses none.
    const double nearest = graphNearestReach(p.centreX, p.centreY) / spacing;
    const double farthest = graphFarthestReach(p.centreX, p.centreY) / spacing;
    const double from = std::fmax(nearest - 1.0, static_cast<double>(first));
    const double to = std::fmin(farthest + 1.0, static_cast<double>(last));
    if (!(from <= to)) return {1, 0};
    first += static_cast<long long>(std::ceil((from - first) / s)) * s;
    last -= static_cast<long long>(std::ceil((last - to) / s)) * s;
    return {first, last};
}

void radialPart(int drawingCode, int labelCode, int count, float range)
{
    const PolarSettings& p = graphState.polar;
    if (!(range > graphState.nice.tiny)) {
        kernelReportError(graphKernelNumber(kRangeTooNarrow));
        range = static_cast<float>(count);
    }
    static const int zeroAtCentre = 0;
    const float length = 2.0f * p.radius;
    for (int n = 1; n <= 2; ++n) {
        graphSetAxisPosition(zeroAtCentre, p.centreX, p.centreY, length, n);
        graphSetAxisScaling(p.mode, 2 * count, -range, range, n);
    }
    const int ticks = std::abs(drawingCode);
    for (int n = 1; n <= 2; ++n) {
        graphState.graph.currentAxis = n;
        AxisSettings& a = graphAxis(n);
        a.setUp = 0;
        graphSetUpAxis();
        a.setUp = 1;
        const AxisTransform& t = graphTransform(n);
        if (n == 1) {
            const int annotation = 2 * labelCode;
            graphDrawXAxis(t.startX, t.startY, ticks, t.tickCount, t.firstTick, t.halfChar[0],
                           0.6f * t.halfChar[0], annotation);
        } else {
            static const int noNumbers = 0;
            graphDrawYAxis(t.startX, t.startY, ticks, t.tickCount, t.firstTick, t.halfChar[1],
                           0.6f * t.halfChar[1], noNumbers);
        }
    }
    if (drawingCode >= 0) return;
    // Rings closer than the picture shows are stepped over, counted from the outermost one
    // inward, so that the rings drawn stand equally apart out to the full radius.
    const double spacing = static_cast<double>(p.radius) / count;
    const int stride = graphMarkStride(count, spacing, kLinesAcrossPicture);
    const MarkSpan shown = ringsOnPicture(count, stride, spacing);
    static const int anticlockwise = 1;
    for (long long k = shown.first; k <= shown.last; k += stride) {
        const float x = p.centreX + static_cast<float>(k) * p.radius / static_cast<float>(count);
        kernelMovePen(x, p.centreY);
        kernelDrawArc(p.centreX, p.centreY, x, p.centreY, anticlockwise);
    }
}

// Step between the steps of the angular part at which something is drawn: steps whose spokes,
// ticks or angles stand closer than the picture shows are stepped over from the first one, at
// angle 0, on.  They are measured apart at the radius, or, when the picture reaches less far
// from the centre, as far as it reaches (spokes closer there cannot be told apart anywhere on
// it).  1 when nothing is drawn at the steps.
int angularStride(int drawingCode, int labelCode, int count, double step)
{
    const PolarSettings& p = graphState.polar;
    const double radians = step * graphState.nice.degree;
    if ((drawingCode == 0 && labelCode != 1) || std::isnan(radians)) return 1;
    // The steps short of a whole turn (every step when they do not turn at all).
    const double turning = radians > 0.0 ? std::floor(kLastAngle / radians) : count;
    const int marks = static_cast<int>(std::fmin(turning, count)) + 1;
    if (marks <= kLinesAcrossPicture / 2) return 1;
    const double r = std::fmin(p.radius, graphFarthestReach(p.centreX, p.centreY));
    return graphMarkStride(marks, r * radians, kLinesAcrossPicture);
}

void angularPart(int drawingCode, int labelCode, int count, float range)
{
    const PolarSettings& p = graphState.polar;
    const double r = p.radius, cx = p.centreX, cy = p.centreY;
    const double step = static_cast<double>(range) / count;
    const int stride = angularStride(drawingCode, labelCode, count, step);
    if (drawingCode != 0) {
        static const int anticlockwise = 1;
        const float x = p.centreX + p.radius;
        kernelMovePen(x, p.centreY);
        kernelDrawArc(p.centreX, p.centreY, x, p.centreY, anticlockwise);
    }
    const double t = graphTransform(2).halfChar[1];
    const double wc = graphState.characters.width, hc = graphState.characters.height;
    for (int k = 0; k <= count; k += stride) {
        const double degrees = k * step;
        const double a = degrees * graphState.nice.degree;
        // The angles only grow: once past a whole turn (or no number) no spoke follows.
        if (!(a <= kLastAngle)) break;
        const double ca = std::cos(a), sa = std::sin(a);
        double dx = r * ca, dy = r * sa;
        if (std::fabs(dx) < 0.001) dx = 0.0;
        if (std::fabs(dy) < 0.001) dy = 0.0;
        const double ex = t * ca, ey = t * sa;
        if (drawingCode < 0) {
            kernelMovePen(p.centreX, p.centreY);
            kernelDrawLineBy(static_cast<float>(dx + ex), static_cast<float>(dy + ey));
        } else if (drawingCode > 0) {
            kernelMovePen(static_cast<float>(cx + dx), static_cast<float>(cy + dy));
            kernelDrawLineBy(static_cast<float>(ex), static_cast<float>(ey));
        } else {
            kernelMovePen(static_cast<float>(cx + dx + ex), static_cast<float>(cy + dy + ey));
        }
        if (labelCode != 1) continue;
        kernelMovePenBy(static_cast<float>((ca - 1.0) * 1.5 * wc + ex),
                        static_cast<float>((sa - 1.0) * 0.5 * hc + ey));
        const int value = static_cast<int>(std::lround(degrees));
        static const int leftInThree = -3;
        kernelDrawIntegerNumber(value, leftInThree);
    }
}

// Polar axes: drawing code L (-2..2), label code B (-1..1), step count N, range V; part 1 or
// less the radial axes, 2 or more the angular part.
void graphDrawPolarAxes(int drawingCode, int labelCode, int count, float range, int part)
{
    if (!(graphState.polar.radius > 0.0f)) return;
    float v = range;
    int n = count;
    // A range that is no finite number lays out no axis and no step: the radial part takes the
    // step count, as for a range too narrow, the angular part a whole turn.
    const bool noNumber = !std::isfinite(v);
    if (noNumber) {
        kernelReportError(graphKernelNumber(kRangeTooNarrow));
    } else if (v < 0.0f) {
        kernelReportError(graphKernelNumber(kNegativeRange));
        v = -v;
    }
    if (n < 1 || n > kMostSteps) {
        kernelReportError(graphKernelNumber(kBadIntervalCount));
        n = 8;
    }
    if (noNumber) v = part <= 1 ? static_cast<float>(n) : kWholeTurn;
    if (part <= 1) radialPart(drawingCode, labelCode, n, v);
    else angularPart(drawingCode, labelCode, n, v);
}

// The largest distance of the points from the origin; points that are no numbers are left
// out (nothing can be drawn at them).
float largestDistance(const float* x, const float* y, int n)
{
    double largest = 0.0;
    for (int i = 0; i < n; ++i) {
        const double d = std::hypot(static_cast<double>(x[i]), static_cast<double>(y[i]));
        if (std::isfinite(d) && d > largest) largest = d;
    }
    return largest < FLT_MAX ? static_cast<float>(largest) : FLT_MAX;
}

}  // namespace

void SETPOL(const float& centreX, const float& centreY, const float& radius, const int& mode)
{
    GraphRoutineFrame frame("SETPOL");
    PolarSettings& p = graphState.polar;
    if (radius > 1e-10f && std::isfinite(radius)) p.radius = radius;
    else graphReportError(kLengthTooSmall);
    // A centre that is no finite number places nothing: the old one stays, as the radius does.
    if (std::isfinite(centreX) && std::isfinite(centreY)) {
        p.centreX = centreX;
        p.centreY = centreY;
    } else {
        graphReportError(kLengthTooSmall);
    }
    p.mode = mode;
    if (mode < 1 || mode > 3) {
        graphReportError(kBadScalingType);
        p.mode = 3;
    }
    p.polarSwitch = 1;
}

void DRAPOL(const int& drawingCode, const int& labelCode, const int& count, const float& range,
            const int& part)
{
    GraphRoutineFrame frame("DRAPOL");
    const int l = drawingCode > 1 ? 2 : (drawingCode < -1 ? -2 : drawingCode);
    const int b = (labelCode > 1 || labelCode < -1) ? 1 : labelCode;
    graphDrawPolarAxes(l, b, count, range, part);
}

void POLXY(const float* x, const float* y, const int& n, const int& lineCode)
{
    GraphRoutineFrame frame("POLXY");
    if (n < 2 || x == nullptr || y == nullptr) {
        graphReportError(kTooFewPoints);
        return;
    }
    // Every XY polar chart takes the default layout, whatever SETPOL set.
    graphDefaultPolarLayout();
    if (!(graphState.polar.radius > 0.0f)) return;
    const float largest = largestDistance(x, y, n);
    int intervals = 0;
    graphDefaultIntervalCount(0.5f * largest, intervals);
    static const int spokes = -1, numbers = 1, radial = 1, angular = 2, eight = 8;
    graphDrawPolarAxes(spokes, numbers, intervals, largest, radial);
    graphDrawPolarAxes(spokes, numbers, eight, kWholeTurn, angular);
    const int code = (lineCode < -4 || lineCode > 4) ? 1 : lineCode;
    const int kind = std::abs(code);
    if (kind == 1) graphDrawPolyline(x, y, n);
    else if (kind >= 2) graphDrawCurve(kind - 1, x, y, n);
    if (code <= 0) {
        static const int marker = 8, everyPoint = 0;
        graphDrawMarkers(x, y, n, marker, everyPoint);
    }
}
