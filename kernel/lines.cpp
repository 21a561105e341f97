// lines.cpp - the current point, straight lines, polylines and arcs, and the line attributes
// (pen, colour, style, user dash pattern, width) that every stroke uses.
#include <cmath>
#include <numbers>

#include "state.h"

using namespace tarv;

namespace {

// Moves the current point to (x, y) when both are finite; returns whether it moved.
bool moveTo(double x, double y)
{
    if (!fitsFloat2(x, y)) return false;
    state().pen.x = static_cast<float>(x);
    state().pen.y = static_cast<float>(y);
    return true;
}

void lineTo(double x, double y)
{
    PenState& p = state().pen;
    if (!fitsFloat2(x, y)) return;
    float fx = static_cast<float>(x), fy = static_cast<float>(y);
    if (deviceActive()) deviceLineTo(p.x, p.y, fx, fy);
    p.x = fx;
    p.y = fy;
}

// Stroke attributes are about to change: what was drawn so far keeps the old ones.
void attributesChanging() { deviceFlushStroke(); }

// The setting and the enquiry of the line attributes log the selector and the six values alike;
// the enquiry marks what it hands back with the arrow.
void traceLineAttributes(const char* routine, int selector, bool enquiry, const LineState& l)
{
    TraceLine t(routine);
    t.i(selector);
    if (enquiry) t.arrow();
    t.i(l.pen).i(l.style).i(l.colour).r(l.width).i(l.widthMode).i(l.reserved).emit();
}

// Strokes the arc as chords fine enough for its size on the device.  Every chord lies between
// the circle and the inner radius below: a ring wholly round the picture, out of the target's
// reach, is left out without working out its points (a polar chart at a huge scale draws
// hundreds of thousands of them).
void strokeArc(double cx, double cy, double r, double a0, double sweep, bool full)
{
    double rDevice = r * deviceScale();
    int steps = static_cast<int>(
        std::min(4096.0, std::max(16.0, std::fabs(sweep) * std::sqrt(rDevice + 1.0) * 4.0)));
    if (deviceRingOutOfReach(cx, cy, r * std::cos(0.5 * std::fabs(sweep) / steps), r)) return;
    std::vector<Point> pts;
    pts.reserve(static_cast<size_t>(steps) + 1);
    for (int k = 0; k <= steps; ++k) {
        double a = (k == steps) ? a0 + sweep : a0 + sweep * k / steps;
        pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    if (full) pts.back() = pts.front();
    devicePolyline(pts);
}

}  // namespace

void kernelMovePen(const float& x, const float& y)
{
    moveTo(x, y);
    if (tracing()) TraceLine("kernelMovePen").r(x).r(y).emit();
}

void kernelMovePenBy(const float& dx, const float& dy)
{
    const PenState& p = state().pen;
    moveTo(static_cast<double>(p.x) + dx, static_cast<double>(p.y) + dy);
    if (tracing()) TraceLine("kernelMovePenBy").r(dx).r(dy).emit();
}

void kernelDrawLineTo(const float& x, const float& y)
{
    lineTo(x, y);
    if (tracing()) TraceLine("kernelDrawLineTo").r(x).r(y).emit();
}

void kernelDrawLineBy(const float& dx, const float& dy)
{
    const PenState& p = state().pen;
    lineTo(static_cast<double>(p.x) + dx, static_cast<double>(p.y) + dy);
    if (tracing()) TraceLine("kernelDrawLineBy").r(dx).r(dy).emit();
}

void kernelDrawPolyline(const float* x, const float* y, const int& n)
{
    int count = 0;
    bool ok = acceptCount("kernelDrawPolyline", n, count);
    if (x == nullptr || y == nullptr) count = 0;
    for (int k = 0; ok && k < count; ++k) lineTo(x[k], y[k]);
    if (tracing()) TraceLine("kernelDrawPolyline").reals(x, count).reals(y, count).i(n).emit();
}

void kernelEnquirePenPosition(float& x, float& y, float& unused)
{
    x = state().pen.x;
    y = state().pen.y;
    unused = 0.0f;
    if (tracing()) TraceLine("kernelEnquirePenPosition").arrow().r(x).r(y).r(unused).emit();
}

// From the current point around (cx, cy) to the point of the circle in the direction of
// (px, py).  Equal start and end directions give the full circle.  A zero radius draws nothing.
void kernelDrawArc(const float& cx, const float& cy, const float& px, const float& py,
                   const int& direction)
{
    if (tracing()) TraceLine("kernelDrawArc").r(cx).r(cy).r(px).r(py).i(direction).emit();
    PenState& p = state().pen;
    if (!finite2(cx, cy) || !finite2(px, py)) return;
    double sx = static_cast<double>(p.x) - cx, sy = static_cast<double>(p.y) - cy;
    double r = std::hypot(sx, sy);
    if (!(r > 0.0) || !std::isfinite(r)) return;
    constexpr double twoPi = 2.0 * std::numbers::pi;
    double a0 = std::atan2(sy, sx);
    double ex = static_cast<double>(px) - cx, ey = static_cast<double>(py) - cy;
    double a1 = (ex == 0.0 && ey == 0.0) ? a0 : std::atan2(ey, ex);
    double sweep;  // signed, anticlockwise positive
    if (direction == 1) {
        sweep = std::fmod(a1 - a0 + 2.0 * twoPi, twoPi);
        if (sweep < 1e-12) sweep = twoPi;
    } else {
        sweep = -std::fmod(a0 - a1 + 2.0 * twoPi, twoPi);
        if (sweep > -1e-12) sweep = -twoPi;
    }
    bool full = std::fabs(std::fabs(sweep) - twoPi) < 1e-12;
    double endAngle = full ? a0 : a1;
    if (deviceActive()) strokeArc(cx, cy, r, a0, sweep, full);
    // The circle ends where it began: the start point stays exact.
    double ex2 = full ? p.x : cx + r * std::cos(endAngle);
    double ey2 = full ? p.y : cy + r * std::sin(endAngle);
    if (fitsFloat2(ex2, ey2)) {
        p.x = static_cast<float>(ex2);
        p.y = static_cast<float>(ey2);
    }
}

// ---- line attributes -------------------------------------------------------------------------

void kernelSetColour(const int& index)
{
    attributesChanging();
    state().line.colour = index;
    if (tracing()) TraceLine("kernelSetColour").i(index).emit();
}

// Pen p is colour p with the current style and width.
void kernelSetPen(const int& pen)
{
    attributesChanging();
    state().line.pen = pen;
    state().line.colour = pen;
    if (tracing()) TraceLine("kernelSetPen").i(pen).emit();
}

void kernelSetLineStyle(const int& style)
{
    attributesChanging();
    state().line.style = style;
    if (tracing()) TraceLine("kernelSetLineStyle").i(style).emit();
}

void kernelEnquireLineStyle(int& style)
{
    style = state().line.style;
    if (tracing()) TraceLine("kernelEnquireLineStyle").arrow().i(style).emit();
}

void kernelSetLineAttributes(const int& selector, const int& pen, const int& style,
                             const int& colour, const float& width, const int& widthMode,
                             const int& reserved)
{
    if (selector == 0) {
        attributesChanging();
        LineState& l = state().line;
        l.pen = pen;
        l.style = style;
        l.colour = colour;
        if (std::isfinite(width)) l.width = width < 0.0f ? 0.0f : width;
        l.widthMode = widthMode;
        l.reserved = reserved;
    } else {
        kernelDiagnostic("kernelSetLineAttributes", "unknown selector ignored");
    }
    if (tracing()) {
        const LineState given{pen, style, colour, width, widthMode, reserved};
        traceLineAttributes("kernelSetLineAttributes", selector, false, given);
    }
}

void kernelEnquireLineAttributes(const int& selector, int& pen, int& style, int& colour,
                                 float& width, int& widthMode, int& reserved)
{
    const LineState& l = state().line;
    pen = l.pen;
    style = l.style;
    colour = l.colour;
    width = l.width;
    widthMode = l.widthMode;
    reserved = l.reserved;
    if (tracing()) traceLineAttributes("kernelEnquireLineAttributes", selector, true, l);
}

void kernelSetDashPattern(const float& d1, const float& d2, const float& d3, const float& d4)
{
    attributesChanging();
    state().line.dash = {d1, d2, d3, d4};
    state().line.style = -1;
    if (tracing()) TraceLine("kernelSetDashPattern").r(d1).r(d2).r(d3).r(d4).emit();
}

void kernelEnquireDashPattern(float& d1, float& d2, float& d3, float& d4)
{
    const auto& d = state().line.dash;
    d1 = d[0];
    d2 = d[1];
    d3 = d[2];
    d4 = d[3];
    if (tracing()) TraceLine("kernelEnquireDashPattern").arrow().r(d1).r(d2).r(d3).r(d4).emit();
}

void kernelSetLineWidth(const float& width)
{
    if (std::isfinite(width)) {
        attributesChanging();
        state().line.width = width < 0.0f ? 0.0f : width;
    }
    if (tracing()) TraceLine("kernelSetLineWidth").r(width).emit();
}

void kernelEnquireLineWidth(float& width)
{
    width = state().line.width;
    if (tracing()) TraceLine("kernelEnquireLineWidth").arrow().r(width).emit();
}

void kernelEnquireLineWidthMode(int& mode)
{
    mode = state().line.widthMode;
    if (tracing()) TraceLine("kernelEnquireLineWidthMode").arrow().i(mode).emit();
}
