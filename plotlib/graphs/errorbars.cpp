// errorbars.cpp - error bars (GRAERB).
//
// Each bar is laid out in kernel coordinates: its two ends are the value plus the first error
// and minus the second, and the end marks are built from offsets of h, half the character
// width, across the bar and along it.  Marks are drawn at the higher end first, whichever
// error put it there, so a negative error swaps the ends but not the drawing order.
#include "graphs/errorbars.h"

#include <cassert>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// The end marks: 1 cap, 2 fork opening outward, 3 and 4 triangle with its base on the end,
// 5 arrowhead pointing outward, 6 and 7 triangle with its apex on the end.  Hollow triangles
// (3, 6) go to the kernel with fill style -1, solid ones (4, 7) with 0.
enum MarkKind { kNone, kCap, kFork, kBaseTriangle, kArrowhead, kApexTriangle };

struct EndStyle {
    MarkKind kind;
    int fillStyle;
};

constexpr EndStyle kEndStyles[8] = {
    {kNone, 0},         {kCap, 0},       {kFork, 0},          {kBaseTriangle, -1},
    {kBaseTriangle, 0}, {kArrowhead, 0}, {kApexTriangle, -1}, {kApexTriangle, 0},
};

// One end of a bar: the point, which way is outward along the bar (+1 at the higher end,
// -1 at the lower one), and whether the bar is vertical.
struct BarEnd {
    float x, y;
    float outward;
    bool vertical;

    // The point `across` from the end perpendicular to the bar and `along` outward.
    void at(float across, float along, float& px, float& py) const
    {
        px = vertical ? x + across : x + outward * along;
        py = vertical ? y + outward * along : y + across;
    }
};

void moveTo(const BarEnd& e, float across, float along)
{
    float px = 0.0f, py = 0.0f;
    e.at(across, along, px, py);
    kernelMovePen(px, py);
}

void lineTo(const BarEnd& e, float across, float along)
{
    float px = 0.0f, py = 0.0f;
    e.at(across, along, px, py);
    kernelDrawLineTo(px, py);
}

// Two strokes from the end to the points h across on each side, `along` outward.
void drawStrokes(const BarEnd& e, float h, float along)
{
    moveTo(e, 0.0f, 0.0f);
    lineTo(e, -h, along);
    moveTo(e, 0.0f, 0.0f);
    lineTo(e, h, along);
}

// Triangle of three corners (across, along); the polygon starts at the current point, which
// is the corner listed last, so that the outline closes.
void drawTriangle(const BarEnd& e, const float (&corners)[3][2], int fillStyle)
{
    float* x = graphState.work.markX;
    float* y = graphState.work.markY;
    for (int k = 0; k < 3; ++k) e.at(corners[k][0], corners[k][1], x[k], y[k]);
    kernelMovePen(x[2], y[2]);
    static const int currentPen = 0, reserved = 0, count = 3;
    kernelFillPolygon(fillStyle, currentPen, reserved, x, y, count);
}

void drawEndMark(const BarEnd& e, const EndStyle& style, float h)
{
    switch (style.kind) {
    case kNone: break;
    case kCap:
        moveTo(e, -h, 0.0f);
        lineTo(e, h, 0.0f);
        break;
    case kFork: drawStrokes(e, h, h); break;
    case kArrowhead: drawStrokes(e, h, -h); break;
    case kBaseTriangle: {
        const float corners[3][2] = {{-h, 0.0f}, {h, 0.0f}, {0.0f, -h}};
        drawTriangle(e, corners, style.fillStyle);
        break;
    }
    case kApexTriangle: {
        const float corners[3][2] = {{0.0f, 0.0f}, {-h, -h}, {h, -h}};
        drawTriangle(e, corners, style.fillStyle);
        break;
    }
    }
}

}  // namespace

namespace plotlib {

void graphDrawErrorBars(const float* x, const float* y, const float* e1, const float* e2, int n,
                        int style, int mode, int direction)
{
    // GRAERB has checked the count and reduced the direction.
    assert(n >= 1);
    assert(direction == 1 || direction == 2);
    int s = style;
    if (s < 0 || s > 7) {
        kernelReportError(graphKernelNumber(kBadMarker));
        s = 1;
    }
    const EndStyle& endStyle = kEndStyles[s];
    const float h = 0.5f * graphState.characters.width;
    const bool vertical = direction != 2;
    // Styles with the apex on the end join the bases of their triangles.
    const float inset = endStyle.kind == kApexTriangle ? h : 0.0f;
    for (int i = 0; i < n; ++i) {
        float ax = 0.0f, ay = 0.0f, bx = 0.0f, by = 0.0f;
        if (vertical) {
            graphToKernelCoords(x[i], y[i] + e1[i], ax, ay);
            graphToKernelCoords(x[i], y[i] - e2[i], bx, by);
        } else {
            graphToKernelCoords(x[i] + e1[i], y[i], ax, ay);
            graphToKernelCoords(x[i] - e2[i], y[i], bx, by);
        }
        const BarEnd upper{ax > bx ? ax : bx, ay > by ? ay : by, 1.0f, vertical};
        const BarEnd lower{ax > bx ? bx : ax, ay > by ? by : ay, -1.0f, vertical};
        drawEndMark(upper, endStyle, h);
        drawEndMark(lower, endStyle, h);
        if (mode != 0) {
            moveTo(upper, 0.0f, -inset);
            lineTo(lower, 0.0f, -inset);
        }
    }
}

}  // namespace plotlib

void GRAERB(const float* x, const float* y, const float* e1, const float* e2, const int& n,
            const int& style, const int& mode, const int& direction)
{
    GraphRoutineFrame frame("GRAERB");
    if (n < 1 || x == nullptr || y == nullptr || e1 == nullptr || e2 == nullptr) {
        graphReportError(kErrorBarCountBelowOne);
        return;
    }
    const int along = direction > 1 ? 2 : 1;
    graphDrawErrorBars(x, y, e1, e2, n, style, mode, along);
}
