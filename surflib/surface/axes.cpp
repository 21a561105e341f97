// axes.cpp - the annotated axes of projected surfaces: x and y axes along base edges of the
// picture, vertical z axes, long and short ticks, numbers in the fixed format of ANNDIG or the
// automatic one, the axis titles with their power-of-ten captions, the plot title, and PERAXE.
#include <algorithm>
#include <cmath>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/mapframe.h"
#include "surface/surface.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr int kNoPower = 9999;

float cw() { return surfaceState.digitWidth; }
float ch() { return surfaceState.charHeight; }

// How the numbers of one axis are written.
struct AxisNumbers {
    int width, decimals;
    double shownUnit;  // numbers are value / shownUnit
    int caption;       // exponent of the title's " *10" caption, 0 for none
};

// The fixed format of ANNDIG when it is in force for the axis, else the automatic one.
AxisNumbers numberFormat(int axis)
{
    const SurfaceLibraryState& s = surfaceState;
    const SurfaceSettings& surf = s.surface;
    const SurfaceAxisScale& a = s.axisScales[axis];
    // (numberFormatWarned is cleared when the axes of a picture begin.)
    AxisNumbers f{a.labelWidth, a.decimals, a.unit, a.exponent};
    bool fixed = surfaceFlagOn(surf.annotationOn[axis]);
    const int E = surf.annotationExponent[axis];
    if (fixed && surf.annotationDecimals[axis] == 0) {
        // Whole numbers must fit the kernel's integers.
        const double big = s.integerSetting4;
        const double p = E == 9999 ? 1.0 : std::pow(10.0, -E);
        const double first = std::fabs(static_cast<double>(a.unit) * a.firstTick);
        const double last = std::fabs(static_cast<double>(a.unit) * a.lastTick);
        const bool fits =
            E != 9999 && first < big && last < big && first * p < big && last * p < big;
        if (E != 9999 && !fits && s.numberFormatWarned == 0) {
            surfaceReportError(kFormatTooNarrow);
            surfaceState.numberFormatWarned = 1;
        }
        fixed = fits;
    }
    if (!fixed && a.exponent != 0) {
        // Tens and hundreds (and tenths and hundredths) are written out when that still fits.
        int code = 0, decimals = 0, width = 0;
        surfaceNumberWidth(a.exponent, a.decimals, a.labelWidth, code, decimals, width);
        if (code != kNoPower) {
            f.width = width;
            f.decimals = decimals;
            f.shownUnit = 1.0;
            f.caption = 0;
        }
    }
    if (fixed) {
        f.width = surf.annotationWidth[axis];
        f.decimals = surf.annotationDecimals[axis];
        // A caption only for an exponent the kernel's reals can scale the axis's own power by.
        const bool caption =
            E != 9999 && std::fabs(static_cast<double>(E) - a.exponent) < surfacePowerLimit();
        f.caption = caption ? E : 0;
        f.shownUnit = caption ? std::pow(10.0, E) : 1.0;
    }
    if (f.width < 1 || f.width > 9) f.width = 9;
    f.decimals = std::clamp(f.decimals, 0, 8);
    return f;
}

// Tick values of an axis: from the first annotated tick by the step to the last.
struct TickRun {
    double first, step;
    int count;
};

TickRun tickRun(int axis, double lo, double hi)
{
    const SurfaceAxisScale& a = surfaceState.axisScales[axis];
    TickRun r{static_cast<double>(a.firstTick) * a.unit, static_cast<double>(a.step) * a.unit,
              a.tickCount};
    // Ticks outside the data range are left out.
    const double slack = 1e-4 * std::fabs(r.step);
    while (r.count >= 0 && r.first < std::min(lo, hi) - slack) r.first += r.step, --r.count;
    while (r.count >= 0 && r.first + r.count * r.step > std::max(lo, hi) + slack) --r.count;
    if (!(r.step > 0.0) || !std::isfinite(r.step)) r.count = -1;
    return r;
}

// Back edges and grid lines of a filled perspective are drawn without what the surface hides:
// on while they are drawn, with the workspace of the picture.
struct ClipContext {
    bool on;
    int wsize;
    float* work;
};
ClipContext clip{false, 0, nullptr};

void line2(float xa, float ya, float xb, float yb)
{
    if (clip.on) {
        surfaceDrawClippedSegment(xa, ya, xb, yb, true, clip.wsize, clip.work);
        return;
    }
    const float x[2] = {xa, xb}, y[2] = {ya, yb};
    const int two = 2;
    surfaceDrawPolyline(two, x, y);
}

// A number of n characters starting at (X, Y) may stand only where the surface hides none of it.
bool numberSeen(float X, float Y, int n)
{
    if (!clip.on) return true;
    return !surfaceDrawClippedSegment(X, Y, X + n * cw(), Y, false, clip.wsize, clip.work);
}

void drawValue(float X, float Y, double value, const AxisNumbers& f)
{
    int width = -f.width, decimals = f.decimals;
    surfaceDrawNumber(X, Y, surfaceNarrow(value / f.shownUnit), width, decimals, kNoPower);
}

// How an axis is walked and numbered: from its high end (the isometric axis that runs from
// the right corner to the front one) or its low end; numbers at every n-th long tick (the
// isometric axes), or wherever they keep clear of the one before (every = 0); the number's
// start moved right of the tick by a third of a character width or not.
struct AxisWalk {
    bool fromHigh = false;
    int every = 0;
    bool shiftNumber = true;
};

// The n-th long tick that carries a number on an isometric axis: enough long ticks that the
// numbers, one character height high, stand apart for a tick spacing of rise picture units
// in height and a factor of 2 (base axes) or 1.5 (height axes).
int numberEvery(double rise, double factor)
{
    const double a = std::fabs(rise) * factor;
    if (!(a > 0.0)) return 1;
    const double n = ch() / a + 0.99999;
    return n < 1.0 ? 1 : (n > 1.0e6 ? 1000000 : static_cast<int>(n));
}

// An axis along a picture path: place(v) gives the picture point of value v on the axis.
// Ticks point along (tx, ty) per unit of length; side words suppress end numbers.
template <class Place>
void drawBaseAxis(int axis, double lo, double hi, const Place& place, float tx, float ty,
                  bool numbers, int sideWord, const AxisWalk& walk = {})
{
    float xa = 0, ya = 0, xb = 0, yb = 0;
    if (!place(lo, xa, ya) || !place(hi, xb, yb)) return;
    line2(xa, ya, xb, yb);
    const TickRun r = tickRun(axis, lo, hi);
    const AxisNumbers f = numberFormat(axis);
    float lastX = -1e30f, lastY = -1e30f;
    int longTicks = 0;
    for (int k = 0; k <= r.count; ++k) {
        const double v = walk.fromHigh ? r.first + (r.count - k) * r.step : r.first + k * r.step;
        float X = 0, Y = 0;
        if (!place(v, X, Y)) continue;
        const bool major = k % 2 == 0;
        const float length = major ? ch() : 0.5f * ch();
        line2(X, Y, X + tx * length, Y + ty * length);
        if (!numbers || !major) continue;
        const bool due = walk.every < 1 || longTicks++ % walk.every == 0;
        if ((k == 0 && (sideWord & 1)) || (k >= r.count - 1 && k == r.count && (sideWord & 2)))
            continue;
        const float NX = walk.shiftNumber ? X + cw() / 3.0f : X;
        const float NY = ty <= 0.0f ? Y - 2.0f * ch() : Y + ch();
        const bool apart = walk.every >= 1
            ? due
            : std::fabs(NY - lastY) > 1.5f * ch() || std::fabs(NX - lastX) > (f.width + 1) * cw();
        if (!apart || !numberSeen(NX, NY, f.width)) continue;
        drawValue(NX, NY, v, f);
        lastX = NX;
        lastY = NY;
    }
}

// A z axis along a picture path: place(v) gives the point of height v; side +1 puts ticks and
// numbers to the right, -1 to the left.
template <class Place>
void drawHeightAxisAlong(double zlow, double zhigh, const Place& place, int side, int every = 0)
{
    float xa = 0, ya = 0, xb = 0, yb = 0;
    if (!place(zlow, xa, ya) || !place(zhigh, xb, yb)) return;
    line2(xa, ya, xb, yb);
    const TickRun r = tickRun(2, zlow, zhigh);
    const AxisNumbers f = numberFormat(2);
    float lastY = -1e30f;
    int longTicks = 0;
    for (int k = 0; k <= r.count; ++k) {
        const double v = r.first + k * r.step;
        float X = 0, Y = 0;
        if (!place(v, X, Y)) continue;
        const bool major = k % 2 == 0;
        const float length = (major ? 1.0f : 0.5f) * cw() * side;
        line2(X, Y, X + length, Y);
        if (!major) continue;
        const bool due = every >= 1 ? longTicks++ % every == 0 : std::fabs(Y - lastY) > 1.5f * ch();
        if (!due) continue;
        int width = side > 0 ? -f.width : f.width, decimals = f.decimals;
        const float NX = side > 0 ? X + length + cw() / 3.0f : X + length - cw() / 3.0f;
        surfaceDrawNumber(NX, Y - 0.45f * ch(), surfaceNarrow(v / f.shownUnit), width, decimals,
                          kNoPower);
        lastY = Y;
    }
}

// A vertical z axis of an isometric picture from picture point (X, Ybase) with h picture units
// per z unit.
void drawHeightAxis(float X, float Ybase, double zlow, double zhigh, double h, int side)
{
    const SurfaceAxisScale& a = surfaceState.axisScales[2];
    const int every = numberEvery(static_cast<double>(a.step) * a.unit * h, 1.5);
    drawHeightAxisAlong(
        zlow, zhigh,
        [&](double v, float& PX, float& PY) {
            PX = X;
            PY = surfaceNarrow(Ybase + (v - zlow) * h);
            return true;
        },
        side, every);
}

int styleWord(int i)
{
    const SurfaceSettings& surf = surfaceState.surface;
    return surfaceFlagOn(surf.axesStyle) ? surf.axesCodes1[i] : surf.axesSwitches[i];
}

int sideWord(int i)
{
    const SurfaceSettings& surf = surfaceState.surface;
    return surfaceFlagOn(surf.axesStyle) ? surf.axesCodes2[i] : 0;
}

float textWidth(const char* text, int n)
{
    int status = 0;
    float w = 0, r2 = 0, r3 = 0, h = 0;
    const int noControl = 0;
    surfaceMeasureText(text, n, status, w, r2, r3, h, noControl);
    return status == 0 ? w : n * cw();
}

// A title with its caption; rightEnd: the whole caption ends at x, else it starts there.
void drawTitle(int index, float x, float y, int caption, bool rightEnd)
{
    const SurfaceTitles& t = surfaceState.titles;
    if (t.titleMode == 2) return;
    const int n = std::clamp(t.lengths[index], 0, kSurfaceAxisTitleChars);
    if (n <= 0) return;
    const bool withCaption = t.titleMode == 0 && caption != 0;
    float width = textWidth(t.titles[index], n);
    if (withCaption) width += textWidth(" *10", 4) + 2.0f * cw();
    const float start = rightEnd ? x - width : x;
    if (withCaption) {
        surfaceDrawExponentTitle(start, y, t.titles[index], n, caption, 0, 10.25f * cw());
    } else {
        const int noControl = 0;
        surfaceDrawText(start, y, t.titles[index], n, noControl);
    }
}

}  // namespace

namespace surflib {

void surfaceDrawPictureTitle(float x, float y, float width)
{
    const ContourSettings& c = surfaceState.contour;
    if (!surfaceFlagOn(c.titleOn)) return;
    const int n = std::clamp(c.titleLength, 0, kSurfaceTitleChars);
    if (n <= 0) return;
    const int noControl = 0;
    if (textWidth(c.title, n) > width) {
        const int half = n / 2;
        surfaceDrawText(x, y + 4.0f * ch(), c.title, half, noControl);
        surfaceDrawText(x, y + 2.0f * ch(), c.title + half, n - half, noControl);
    } else {
        surfaceDrawText(x, y + 2.0f * ch(), c.title, n, noControl);
    }
}

// ---- Isometric axes -------------------------------------------------------------------------

void surfaceDrawIsometricAxes(int npt, int nrow, float rightX, float rightY, float frontX,
                              float frontY, float leftX, float leftY, float zlow, float zhigh)
{
    (void)npt, (void)nrow;
    surfaceState.numberFormatWarned = 0;
    const SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    const int view = s.projection.viewQuadrant;
    // The value of each axis at the front corner and at the far end of its edge.
    const bool rightIsX = view % 2 == 0;
    const float xFront = (view == 0 || view == 3) ? g.xMin : g.xMax;
    const float yFront = (view == 0 || view == 1) ? g.yMin : g.yMax;
    struct Edge {
        int axis;
        float from, to, endX, endY;
    };
    const Edge right{rightIsX ? 0 : 1, rightIsX ? xFront : yFront,
                     rightIsX ? (xFront == g.xMin ? g.xMax : g.xMin)
                              : (yFront == g.yMin ? g.yMax : g.yMin),
                     rightX, rightY};
    const Edge left{rightIsX ? 1 : 0, rightIsX ? yFront : xFront,
                    rightIsX ? (yFront == g.yMin ? g.yMax : g.yMin)
                             : (xFront == g.xMin ? g.xMax : g.xMin),
                    leftX, leftY};
    const Edge edges[2] = {right, left};
    for (int side = 0; side < 2; ++side) {
        const Edge& e = edges[side];
        if (styleWord(e.axis) % 2 == 0) continue;
        auto place = [&](double v, float& X, float& Y) {
            const double t = (v - e.from) / (static_cast<double>(e.to) - e.from);
            X = surfaceNarrow(frontX + (e.endX - static_cast<double>(frontX)) * t);
            Y = surfaceNarrow(frontY + (e.endY - static_cast<double>(frontY)) * t);
            return std::isfinite(t);
        };
        // The right axis runs from the right corner towards the front one, the left one from
        // the front corner out; both are numbered at every n-th long tick.
        const bool rightEdge = side == 0;
        const SurfaceAxisScale& a = s.axisScales[e.axis];
        const double span = static_cast<double>(e.to) - e.from;
        const double rise =
            span != 0.0 ? (e.endY - static_cast<double>(frontY)) * a.step * a.unit / span : 0.0;
        AxisWalk walk;
        walk.fromHigh = rightEdge == (e.to > e.from);
        walk.every = numberEvery(rise, 2.0);
        walk.shiftNumber = rightEdge;
        drawBaseAxis(e.axis, std::min(e.from, e.to), std::max(e.from, e.to), place, 0.0f, -1.0f,
                     true, sideWord(e.axis), walk);
    }
    const double h = s.projection.zScale;
    const bool zOn = s.surface.zAxisSwitch != 0 && styleWord(2) % 2 == 1;
    if (zOn) {
        drawHeightAxis(rightX, rightY, zlow, zhigh, h, 1);
        drawHeightAxis(leftX, leftY, zlow, zhigh, h, -1);
    }
    const float y = frontY - 6.0f * ch();
    const float rightEnd = rightX + (rightX - frontX < 28.0f * cw() ? 9.0f : 4.0f) * cw();
    const float leftStart = leftX - (frontX - leftX < 28.0f * cw() ? 9.0f : 4.0f) * cw();
    drawTitle(right.axis, rightEnd, y, numberFormat(right.axis).caption, true);
    drawTitle(left.axis, leftStart, y, numberFormat(left.axis).caption, false);
    const int zCaption = numberFormat(2).caption;
    if (zOn && zCaption != 0 && s.titles.titleMode == 0) {
        if (npt <= nrow) drawTitle(2, rightEnd, frontY - 4.0f * ch(), zCaption, true);
        else drawTitle(2, leftStart, frontY - 4.0f * ch(), zCaption, false);
    }
}

// ---- Perspective axes -----------------------------------------------------------------------

namespace {

// The walk-axis frame of the picture box.
struct PerspectiveBox {
    bool firstIsX;
    float firstFrom, firstTo, secondFrom, secondTo;
    float base, top;

    bool project(double a, double b, double z, float& X, float& Y) const
    {
        const float x = surfaceNarrow(firstIsX ? a : b), y = surfaceNarrow(firstIsX ? b : a);
        return surfaceProjectFinite(x, y, surfaceNarrow(z), X, Y);
    }
    // Corner c (1..4) in walk-axis values.
    void corner(int c, float& a, float& b) const
    {
        a = (c == 1 || c == 4) ? firstTo : firstFrom;
        b = (c <= 2) ? secondFrom : secondTo;
    }
};

// One axis along an edge: alongFirst chooses the walk axis it runs along, at the value 'at' of
// the other, at height z; ticks down (front) or up (back).
void perspectiveBaseAxis(const PerspectiveBox& box, int axis, bool alongFirst, float at, float z,
                         bool up, int side, float& midX)
{
    const float from = alongFirst ? box.firstFrom : box.secondFrom;
    const float to = alongFirst ? box.firstTo : box.secondTo;
    auto place = [&](double v, float& X, float& Y) {
        return alongFirst ? box.project(v, at, z, X, Y) : box.project(at, v, z, X, Y);
    };
    float X = 0, Y = 0;
    if (place(0.5 * (static_cast<double>(from) + to), X, Y)) midX = X;
    drawBaseAxis(axis, std::min(from, to), std::max(from, to), place, 0.0f, up ? 1.0f : -1.0f, true,
                 side);
}

// Grid lines at the ticks of an axis: across the floor to the far edge and up its wall.
void perspectiveWallGrid(const PerspectiveBox& box, int axis, bool alongFirst, float at, float far)
{
    const float from = alongFirst ? box.firstFrom : box.secondFrom;
    const float to = alongFirst ? box.firstTo : box.secondTo;
    const TickRun r = tickRun(axis, std::min(from, to), std::max(from, to));
    for (int k = 0; k <= r.count; ++k) {
        const double v = r.first + k * r.step;
        float xs[3], ys[3];
        const double ends[3][2] = {{at, box.base}, {far, box.base}, {far, box.top}};
        bool ok = true;
        for (int i = 0; i < 3 && ok; ++i) {
            ok = alongFirst ? box.project(v, ends[i][0], ends[i][1], xs[i], ys[i])
                            : box.project(ends[i][0], v, ends[i][1], xs[i], ys[i]);
        }
        if (!ok) continue;
        line2(xs[0], ys[0], xs[1], ys[1]);
        line2(xs[1], ys[1], xs[2], ys[2]);
    }
}

// Lines along the wall from corner c to the next corner at every z tick.
void perspectiveHeightGrid(const PerspectiveBox& box, int c)
{
    float a1 = 0, b1 = 0, a2 = 0, b2 = 0;
    box.corner(c, a1, b1);
    box.corner(c % 4 + 1, a2, b2);
    const TickRun r = tickRun(2, box.base, box.top);
    for (int k = 0; k <= r.count; ++k) {
        const double v = r.first + k * r.step;
        float xs[2], ys[2];
        if (!box.project(a1, b1, v, xs[0], ys[0]) || !box.project(a2, b2, v, xs[1], ys[1]))
            continue;
        line2(xs[0], ys[0], xs[1], ys[1]);
    }
}

void perspectiveHeightAxis(const PerspectiveBox& box, int c, int side)
{
    float a = 0, b = 0;
    box.corner(c, a, b);
    drawHeightAxisAlong(
        box.base, box.top, [&](double v, float& X, float& Y) { return box.project(a, b, v, X, Y); },
        side);
}

}  // namespace

void surfaceDrawProjectedAxes(float zlow, float zhigh, int wsize, float* work)
{
    (void)zlow, (void)zhigh;
    SurfaceLibraryState& s = surfaceState;
    s.numberFormatWarned = 0;
    const SurfaceSettings& surf = s.surface;
    const ProjectionTerms& p = s.projection;
    surfaceSelectPen(surfaceFlagOn(surf.linePensSet) ? surf.linePens[0] : surfaceEntryPen());
    const PerspectiveBox box{p.viewQuadrant == 0 || p.viewQuadrant == 2,
                             p.firstFrom,
                             p.firstTo,
                             p.secondFrom,
                             p.secondTo,
                             p.zOrigin,
                             surf.zAxisHigh};
    const bool below = surfaceFlagOn(p.belowView), split = surfaceFlagOn(p.splitWalk);
    // Edge 1 runs along the first walk axis, edge 2 along the second (at the top level when
    // the walk is split); edges 3 and 4 are the back edges at the top level.
    const float edge1At = below ? box.secondTo : box.secondFrom;
    const float edge2At = below && !split ? box.firstTo : box.firstFrom;
    const int firstAxis = box.firstIsX ? 0 : 1, secondAxis = 1 - firstAxis;
    float midX[2] = {0, 0};
    struct AxisPlan {
        int axis;
        bool alongFirst;
        float frontAt, backAt;
        float frontZ;
        bool frontUp;
    };
    const AxisPlan plans[2] = {
        {firstAxis, true, edge1At, box.secondTo, box.base, false},
        {secondAxis, false, edge2At, box.firstTo, split ? box.top : box.base, split},
    };
    for (int k = 0; k < 2; ++k) {
        const AxisPlan& a = plans[k];
        // A split walk puts the second axis on the top edge, where an untouched style leaves it
        // out (for this picture only: the setting itself is not changed).
        const bool dropped = k == 1 && split && !surfaceFlagOn(surf.axesStyle);
        const int front = dropped ? 0 : styleWord(a.axis), back = styleWord(a.axis + 3);
        if (front == 1 || front == 3) {
            perspectiveBaseAxis(box, a.axis, a.alongFirst, a.frontAt, a.frontZ, a.frontUp,
                                sideWord(a.axis), midX[k]);
        }
        clip = {true, wsize, work};
        if (back == 1 || back == 3) {
            float unused = 0;
            perspectiveBaseAxis(box, a.axis, a.alongFirst, a.backAt, box.top, true,
                                sideWord(a.axis + 3), unused);
        }
        if (front >= 2 || back >= 2)
            perspectiveWallGrid(box, a.axis, a.alongFirst, a.frontAt, a.backAt);
        clip.on = false;
    }
    // A z step of PRJSCA must divide the annotated span into a usable number of steps; else
    // the ticks of the picture's own division stay.
    if (surfaceFlagOn(surf.axesIntervalsGiven[2])) {
        const double steps = (static_cast<double>(box.top) - box.base) / surf.axesIntervals[2];
        const double whole = std::nearbyint(steps);
        if (!(whole <= 32000.0) || !(whole > 0.5)) surfaceReportError(kStepUnusable);
    }
    // z axes: the second word at corner 1 to the right (its grid from corner 4 to 1), the first
    // at corner 3 (corner 2 when split) to the left (its grid from corner 3 to 4).
    if (surf.zAxisSwitch != 0 && box.top > box.base) {
        const int second = styleWord(5), first = styleWord(2);
        if (second == 1 || second == 3) perspectiveHeightAxis(box, 1, 1);
        if (first == 1 || first == 3) perspectiveHeightAxis(box, split ? 2 : 3, -1);
        clip = {true, wsize, work};
        if (second >= 2) {
            perspectiveHeightGrid(box, 4);
            if (split) perspectiveHeightGrid(box, 2);
        }
        if (first >= 2) perspectiveHeightGrid(box, 3);
        clip.on = false;
    }
    float lowX = 1e30f, highX = -1e30f, lowY = 1e30f;
    for (int k = 0; k < 4; ++k) {
        lowX = std::min(lowX, p.boxCorners[k][0]);
        highX = std::max(highX, p.boxCorners[k][0]);
        lowY = std::min(lowY, p.boxCorners[k][1]);
    }
    const bool narrow = 0.5f * (highX - lowX) < 28.0f * cw();
    // The axis whose edge lies further right takes the right title.
    const int rightAxis = midX[0] >= midX[1] ? firstAxis : secondAxis;
    const int leftAxis = 1 - rightAxis;
    const float y = lowY - 6.0f * ch();
    drawTitle(rightAxis, highX + (narrow ? 9.0f : 4.0f) * cw(), y, numberFormat(rightAxis).caption,
              true);
    drawTitle(leftAxis, lowX - (narrow ? 9.0f : 4.0f) * cw(), y, numberFormat(leftAxis).caption,
              false);
    const int zCaption = numberFormat(2).caption;
    if (surf.zAxisSwitch != 0 && zCaption != 0 && s.titles.titleMode == 0) {
        drawTitle(2, highX + 4.0f * cw(), y + 2.0f * ch(), zCaption, true);
    }
}

}  // namespace surflib

void PERAXE(const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PERAXE);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    SurfaceLibraryState& s = surfaceState;
    const SurfaceSettings& surf = s.surface;
    if (!surfaceFlagOn(surf.perspectiveSet) || !surfacePictureFitted()) {
        surfaceReportError(kNoProjection);
        return;
    }
    float zlow = s.grid.zMin, zhigh = s.grid.zMax;
    surfaceLimitHeightRange(zlow, zhigh);
    surfaceDrawProjectedAxes(zlow, zhigh, wsize, work);
}
