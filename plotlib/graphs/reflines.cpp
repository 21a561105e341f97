// reflines.cpp - reference lines with their captions (REFLIN) and arrows (ARROW).
//
// A reference line crosses the whole plot at one value of x or y; it is drawn only when that
// value lies on its axis.  Its caption sits at one of eight places around the line, upright
// or turned by 90 degrees; the 32 placements are one table of coefficients.  The stretch of
// the plot is taken from the axis lines as the set-up laid them out, not from the stored
// origins: with axes through zero the origin is where value 0 lies, not where the axis starts.
//
// An arrow runs from the pen's current position to a point in kernel or graph coordinates;
// its head, open, outlined or filled, is always drawn solid and the caller's line style is
// given back afterwards.
#include "graphs/reflines.h"

#include <cmath>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "graphs/arrows.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// ---- Caption placement

// What a caption coordinate is measured from: the line itself, or the low end, middle or high
// end of the line's own stretch (Yb, Ym, Yt of a vertical line; Xl, Xm, Xr of a horizontal one).
enum Anchor { kLine, kLow, kMid, kHigh };

// One coordinate of the text position: anchor + w W + wc Wc + h H + hk H k, with W the
// caption's width, Wc and H the character width and height and k the lines below the first.
struct Offset {
    Anchor anchor;
    float w, wc, h, hk;
};

struct Placement {
    Offset x, y;
};

// Positions 1..8 of each pair of line direction and text direction.  For a vertical line they
// run below it, up its left side, above it and down its right side; for a horizontal line left
// of it, along its upper side from left to right, right of it and back along its lower side.
// Turned text has its first baseline running upward with the glyphs on its left, and later
// lines to the right of it.
constexpr Placement kVerticalUpright[8] = {
    {{kLine, -0.5f, 0.0f, 0.0f, 0.0f}, {kLow, 0.0f, 0.0f, -1.5f, 0.0f}},
    {{kLine, -1.0f, -0.5f, 0.0f, 0.0f}, {kLow, 0.0f, 0.0f, 0.5f, 2.0f}},
    {{kLine, -1.0f, -0.5f, 0.0f, 0.0f}, {kMid, 0.0f, 0.0f, -0.5f, 1.0f}},
    {{kLine, -1.0f, -0.5f, 0.0f, 0.0f}, {kHigh, 0.0f, 0.0f, -1.5f, 0.0f}},
    {{kLine, -0.5f, 0.0f, 0.0f, 0.0f}, {kHigh, 0.0f, 0.0f, 0.5f, 2.0f}},
    {{kLine, 0.0f, 0.5f, 0.0f, 0.0f}, {kHigh, 0.0f, 0.0f, -1.5f, 0.0f}},
    {{kLine, 0.0f, 0.5f, 0.0f, 0.0f}, {kMid, 0.0f, 0.0f, -0.5f, 1.0f}},
    {{kLine, 0.0f, 0.5f, 0.0f, 0.0f}, {kLow, 0.0f, 0.0f, 0.5f, 2.0f}},
};

constexpr Placement kVerticalTurned[8] = {
    {{kLine, 0.0f, 0.0f, 0.5f, -1.0f}, {kLow, -1.0f, -0.5f, 0.0f, 0.0f}},
    {{kLine, 0.0f, 0.0f, -0.5f, -2.0f}, {kLow, 0.0f, 0.5f, 0.0f, 0.0f}},
    {{kLine, 0.0f, 0.0f, -0.5f, -2.0f}, {kMid, -0.5f, 0.0f, 0.0f, 0.0f}},
    {{kLine, 0.0f, 0.0f, -0.5f, -2.0f}, {kHigh, -1.0f, -0.5f, 0.0f, 0.0f}},
    {{kLine, 0.0f, 0.0f, 0.5f, -1.0f}, {kHigh, 0.0f, 0.5f, 0.0f, 0.0f}},
    {{kLine, 0.0f, 0.0f, 1.5f, 0.0f}, {kHigh, -1.0f, -0.5f, 0.0f, 0.0f}},
    {{kLine, 0.0f, 0.0f, 1.5f, 0.0f}, {kMid, -0.5f, 0.0f, 0.0f, 0.0f}},
    {{kLine, 0.0f, 0.0f, 1.5f, 0.0f}, {kLow, 0.0f, 0.5f, 0.0f, 0.0f}},
};

constexpr Placement kHorizontalUpright[8] = {
    {{kLow, -1.0f, -0.5f, 0.0f, 0.0f}, {kLine, 0.0f, 0.0f, -0.5f, 1.0f}},
    {{kLow, 0.0f, 0.5f, 0.0f, 0.0f}, {kLine, 0.0f, 0.0f, 0.5f, 2.0f}},
    {{kMid, -0.5f, 0.0f, 0.0f, 0.0f}, {kLine, 0.0f, 0.0f, 0.5f, 2.0f}},
    {{kHigh, -1.0f, -0.5f, 0.0f, 0.0f}, {kLine, 0.0f, 0.0f, 0.5f, 2.0f}},
    {{kHigh, 0.0f, 0.5f, 0.0f, 0.0f}, {kLine, 0.0f, 0.0f, -0.5f, 1.0f}},
    {{kHigh, -1.0f, -0.5f, 0.0f, 0.0f}, {kLine, 0.0f, 0.0f, -1.5f, 0.0f}},
    {{kMid, -0.5f, 0.0f, 0.0f, 0.0f}, {kLine, 0.0f, 0.0f, -1.5f, 0.0f}},
    {{kLow, 0.0f, 0.5f, 0.0f, 0.0f}, {kLine, 0.0f, 0.0f, -1.5f, 0.0f}},
};

// Position 1 keeps a caption of several lines wholly left of the line: its later lines grow
// to the right, so the first baseline moves left by two character heights per extra line.
constexpr Placement kHorizontalTurned[8] = {
    {{kLow, 0.0f, 0.0f, -0.5f, -2.0f}, {kLine, -0.5f, 0.0f, 0.0f, 0.0f}},
    {{kLow, 0.0f, 0.0f, 1.5f, 0.0f}, {kLine, 0.0f, 0.5f, 0.0f, 0.0f}},
    {{kMid, 0.0f, 0.0f, 0.5f, -1.0f}, {kLine, 0.0f, 0.5f, 0.0f, 0.0f}},
    {{kHigh, 0.0f, 0.0f, -0.5f, -2.0f}, {kLine, 0.0f, 0.5f, 0.0f, 0.0f}},
    {{kHigh, 0.0f, 0.0f, 1.5f, 0.0f}, {kLine, -0.5f, 0.0f, 0.0f, 0.0f}},
    {{kHigh, 0.0f, 0.0f, -0.5f, -2.0f}, {kLine, -1.0f, -0.5f, 0.0f, 0.0f}},
    {{kMid, 0.0f, 0.0f, 0.5f, -1.0f}, {kLine, -1.0f, -0.5f, 0.0f, 0.0f}},
    {{kLow, 0.0f, 0.0f, 1.5f, 0.0f}, {kLine, -1.0f, -0.5f, 0.0f, 0.0f}},
};

// The stretch of the plot along a line: the y axis's line for a vertical reference line, the
// x axis's for a horizontal one.
void lineStretch(bool vertical, float& low, float& high)
{
    graphAxisSpan(vertical ? 2 : 1, low, high);
}

// The span across a line in which its coordinate must lie: that of the other axis.
bool onAxis(bool vertical, float c)
{
    float low = 0.0f, high = 0.0f;
    graphAxisSpan(vertical ? 1 : 2, low, high);
    return c >= low && c <= high;
}

float place(const Offset& o, float line, float low, float high, float w, float k)
{
    const CharacterAttributes& c = graphState.characters;
    float base = line;
    if (o.anchor == kLow) base = low;
    else if (o.anchor == kMid) base = low + (high - low) / 2.0f;
    else if (o.anchor == kHigh) base = high;
    return base + o.w * w + o.wc * c.width + o.h * c.height + o.hk * c.height * k;
}

// Lines below the first of a caption, from the kernel's line count of its extent.
float extraLines(float count)
{
    if (!(count > 1.0f)) return 0.0f;
    return std::fmin(std::floor(count), 1.0e6f) - 1.0f;
}

void drawCaption(const Placement* table, bool vertical, float angle, const char* caption,
                 int length, int position, int& trimmed, float line)
{
    trimmed = (caption == nullptr || length <= 0) ? 0 : kernelUsedLength(caption, length);
    if (trimmed < 0) trimmed = 0;
    if (trimmed == 0 || position < 1 || position > 8) return;
    float e[5] = {};
    kernelEnquireTextExtent(caption, trimmed, e[0], e[1], e[2], e[3], e[4]);
    float low = 0.0f, high = 0.0f;
    lineStretch(vertical, low, high);
    const Placement& p = table[position - 1];
    const float k = extraLines(e[1]);
    const float x = place(p.x, line, low, high, e[0], k);
    const float y = place(p.y, line, low, high, e[0], k);
    kernelSetTextPosition(x, y);
    kernelSetCharAngle(angle);
    kernelDrawText(caption, trimmed);
}

// ---- Arrows

constexpr float kTouching = 1e-5f;

// Puts back a line style that was replaced by the solid one for a head.
void restoreLineStyle(int style, const float* dash)
{
    if (style == 0) return;
    kernelSetLineStyle(style);
    if (style == -1) kernelSetDashPattern(dash[0], dash[1], dash[2], dash[3]);
}

}  // namespace

namespace plotlib {

float graphMapAlongAxis(float value, int n)
{
    // The other coordinate is given as 1.0, which every axis accepts, logarithmic or not.
    const float any = 1.0f;
    float kx = 0.0f, ky = 0.0f;
    if (n == 1) graphToKernelCoords(value, any, kx, ky);
    else graphToKernelCoords(any, value, kx, ky);
    return n == 1 ? kx : ky;
}

void graphAxisSpan(int n, float& low, float& high)
{
    const AxisTransform& t = graphTransform(n);
    const float a = n == 1 ? t.startX : t.startY;
    const float b = n == 1 ? t.endX : t.endY;
    low = std::fmin(a, b);
    high = std::fmax(a, b);
}

void graphCaptionVerticalLine(const char* caption, int length, int position, int& trimmed,
                              float line)
{
    drawCaption(kVerticalUpright, true, 0.0f, caption, length, position, trimmed, line);
}

void graphCaptionVerticalLineTurned(const char* caption, int length, int position, int& trimmed,
                                    float line)
{
    drawCaption(kVerticalTurned, true, 90.0f, caption, length, position, trimmed, line);
}

void graphCaptionHorizontalLine(const char* caption, int length, int position, int& trimmed,
                                float line)
{
    drawCaption(kHorizontalUpright, false, 0.0f, caption, length, position, trimmed, line);
}

void graphCaptionHorizontalLineTurned(const char* caption, int length, int position, int& trimmed,
                                      float line)
{
    drawCaption(kHorizontalTurned, false, 90.0f, caption, length, position, trimmed, line);
}

}  // namespace plotlib

void REFLIN(const char* caption, int length, const float& value, const int& position,
            const int& textDirection, const int& lineDirection)
{
    GraphRoutineFrame frame("REFLIN");
    int where = position;
    if (where < 1 || where > 8) {
        graphReportError(kBadCaptionPosition);
        where = 1;
    }
    const bool vertical = lineDirection <= 1;
    const float c = graphMapAlongAxis(value, vertical ? 1 : 2);
    if (!onAxis(vertical, c)) return;
    float low = 0.0f, high = 0.0f;
    lineStretch(vertical, low, high);
    if (vertical) {
        kernelMovePen(c, low);
        kernelDrawLineTo(c, high);
    } else {
        kernelMovePen(low, c);
        kernelDrawLineTo(high, c);
    }
    int trimmed = 0;
    const bool turned = textDirection == 1;
    if (vertical && turned) graphCaptionVerticalLineTurned(caption, length, where, trimmed, c);
    else if (vertical) graphCaptionVerticalLine(caption, length, where, trimmed, c);
    else if (turned) graphCaptionHorizontalLineTurned(caption, length, where, trimmed, c);
    else graphCaptionHorizontalLine(caption, length, where, trimmed, c);
}

namespace plotlib {

float graphArrowAngle(float dx, float dy)
{
    if (std::fabs(dx) > kTouching)
        return static_cast<float>(std::atan(static_cast<double>(dy) / dx));
    return dy >= kTouching ? 1.570796f : 4.712388f;
}

ArrowHead graphArrowHeadCorners(float tx, float ty, float dx, float dy, float size)
{
    const double a = graphArrowAngle(dx, dy);
    const double c = std::cos(a), s = std::sin(a), h = size;
    double q1x = tx + h * (0.866025 * c + 0.5 * s);
    double q1y = ty + h * (0.866025 * s - 0.5 * c);
    // The arctangent points every shaft to the right; one that does not run to the left
    // has its head moved back over the end point.
    if (dx >= -kTouching) {
        q1x -= h * 1.73205 * c;
        q1y -= h * 1.73205 * s;
    }
    // Adding 0.0 turns a negative zero into zero, which the kernel's log writes as 0.
    return {graphToFloat(q1x + 0.0), graphToFloat(q1y + 0.0), graphToFloat(-h * s + 0.0),
            graphToFloat(h * c + 0.0)};
}

void graphDrawArrowHead(float tx, float ty, const ArrowHead& head, int style)
{
    if (style == 2) {
        const float x[3] = {head.q1x, head.q1x + head.offsetX, tx};
        const float y[3] = {head.q1y, head.q1y + head.offsetY, ty};
        static const int solid = 0, currentPen = 0, reserved = 0, corners = 3;
        kernelFillPolygon(solid, currentPen, reserved, x, y, corners);
        return;
    }
    kernelDrawLineTo(head.q1x, head.q1y);
    if (style == 1) kernelDrawLineBy(head.offsetX, head.offsetY);
    else kernelMovePenBy(head.offsetX, head.offsetY);
    kernelDrawLineTo(tx, ty);
}

}  // namespace plotlib

void ARROW(const float& x, const float& y, const int& style, const int& coordinates)
{
    GraphRoutineFrame frame("ARROW");
    int head = style, graphUnits = coordinates;
    if (head < 0 || head > 2) {
        graphReportError(kBadArrowSwitch);
        head = 0;
    }
    if (graphUnits < 0 || graphUnits > 1) {
        graphReportError(kBadArrowSwitch);
        graphUnits = 0;
    }
    float tx = x, ty = y;
    if (graphUnits == 1) graphToKernelCoords(x, y, tx, ty);
    float px = 0.0f, py = 0.0f, unused = 0.0f;
    kernelEnquirePenPosition(px, py, unused);
    const float dx = tx - px, dy = ty - py;
    if (!(std::fabs(dx) > kTouching) && !(std::fabs(dy) > kTouching)) {
        graphReportError(kZeroLengthArrow);
        return;
    }
    const float length = graphToFloat(std::hypot(static_cast<double>(dx), dy));
    const float width = graphState.characters.width;
    const float size = width > length ? 0.5f * length : width;
    const ArrowHead corners = graphArrowHeadCorners(tx, ty, dx, dy, size);
    kernelDrawLineTo(tx, ty);
    int lineStyle = 0;
    kernelEnquireLineStyle(lineStyle);
    float dash[4] = {};
    if (lineStyle == -1) kernelEnquireDashPattern(dash[0], dash[1], dash[2], dash[3]);
    static const int solid = 0;
    if (lineStyle != 0) kernelSetLineStyle(solid);
    graphDrawArrowHead(tx, ty, corners, head);
    restoreLineStyle(lineStyle, dash);
}
