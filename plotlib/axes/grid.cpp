// grid.cpp - the frame about the plot with grid lines, tick marks or grid markers (GRID, and
// the chart routines that frame their plot).
//
// The frame runs from the start to the end of each axis; its bottom side is drawn as an x axis
// at the start of the y axis and its left side as a y axis at the start of the x axis, so the
// numbers of those sides are the axis numbers.  Grid lines are ticks as long as the frame is
// wide or high.  Grid positions are the inner ticks, or every tick of an axis whose values
// stand at cell centres (scaling type 5).
#include <cstdint>
#include <cstdlib>

#include "axes/drawing.h"
#include "axes/scaling.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

struct GridPositions {
    int count;
    float first;
};

GridPositions gridPositions(int axis)
{
    const AxisTransform& t = graphTransform(axis);
    if (graphAxis(axis).scalingType == 5) return {t.tickCount, t.firstTick};
    const int inner = t.tickCount - 2;
    return {inner > 0 ? inner : 0, t.firstTick + t.tickSpacing};
}

// The frame corners: x from the start to the end of the x axis, y likewise.
struct Frame {
    float x0, x1, y0, y1;
};

// A line across the frame through value 0 of each linear axis whose 0 lies strictly inside.
void drawZeroLines(const Frame& f)
{
    for (int axis = 1; axis <= 2; ++axis) {
        const int type = graphAxis(axis).scalingType;
        if (type == 4 || type == 5) continue;
        const float zero = graphTransform(axis).offset;
        if (axis == 1 && zero > f.x0 && zero < f.x1) {
            kernelMovePen(zero, f.y0);
            kernelDrawLineTo(zero, f.y1);
        } else if (axis == 2 && zero > f.y0 && zero < f.y1) {
            kernelMovePen(f.x0, zero);
            kernelDrawLineTo(f.x1, zero);
        }
    }
}

// The grid marker at every pair of grid positions, column by column, up one column and down
// the next.  Positions closer than the picture can show markers apart are stepped over, and
// only the columns and rows that can show on the picture are walked, each in its direction
// of the whole walk.
void drawMarkerGrid(const GridPositions& gx, const GridPositions& gy)
{
    const float sx = graphTransform(1).tickSpacing, sy = graphTransform(2).tickSpacing;
    const int marker = graphState.graph.gridMarker;
    const int kx = graphMarkStride(gx.count, sx, kMarkersAcrossPicture);
    const int ky = graphMarkStride(gy.count, sy, kMarkersAcrossPicture);
    const MarkSpan columns =
        graphMarksOnPicture(gx.count, kx, gx.first, sx, 1, kMarkersAcrossPicture);
    const MarkSpan rows = graphMarksOnPicture(gy.count, ky, gy.first, sy, 2, kMarkersAcrossPicture);
    if (rows.first > rows.last) return;
    for (int64_t c = columns.first; c <= columns.last; c += kx) {
        const float x = gx.first + c * sx;
        const bool up = c / kx % 2 == 0;
        const int64_t from = up ? rows.first : rows.last, by = up ? ky : -ky;
        for (int64_t row = from; row >= rows.first && row <= rows.last; row += by) {
            const float y = gy.first + row * sy;
            kernelMovePen(x, y);
            kernelDrawMarker(marker);
        }
    }
}

void drawBareTopAndRight(const Frame& f)
{
    const int none = 0;
    const float zero = 0.0f;
    graphDrawXAxis(f.x0, f.y1, none, none, f.x0, zero, zero, none);
    graphDrawYAxis(f.x1, f.y0, none, none, f.y0, zero, zero, none);
}

int normalisedOption(int option) { return option >= -1 && option <= 1 ? option : 1; }

}  // namespace

namespace plotlib {

void graphDrawAxesAndGrid(int style, int xOption, int yOption)
{
    const int kind = (style < -4 || style > 4) ? 2 : std::abs(style) + 1;
    const int mode = style < 0 ? 2 : 1;
    const int xo = normalisedOption(xOption), yo = normalisedOption(yOption);
    // Numbers below the bottom side and left of the left side when the option is 1; an option
    // of -1 leaves that side bare: no numbers and, in the tick kinds, no ticks.
    const int xNumbers = xo == 1 ? 1 : 0, yNumbers = yo == 1 ? -1 : 0;

    // Both axes checked (x first) and set up afresh; x is current at the end.
    graphCheckAxisPrecision(1, graphKernelNumber(kRangeTooNarrow));
    graphCheckAxisPrecision(2, graphKernelNumber(kRangeTooNarrow));
    for (int axis = 2; axis >= 1; --axis) {
        graphState.graph.currentAxis = axis;
        graphAxis(axis).setUp = 0;
        graphSetUpAxis();
        graphAxis(axis).setUp = 1;
    }

    const AxisTransform& tx = graphTransform(1);
    const AxisTransform& ty = graphTransform(2);
    const Frame f{tx.startX, tx.endX, ty.startY, ty.endY};
    const GridPositions gx = gridPositions(1), gy = gridPositions(2);
    const float xLength = graphAxis(1).length, yLength = graphAxis(2).length;
    const int none = 0;
    const float zero = 0.0f;

    switch (kind) {
    case 1:
        graphDrawXAxis(f.x0, f.y0, none, none, gx.first, zero, zero, xNumbers);
        graphDrawYAxis(f.x0, f.y0, none, none, gy.first, zero, zero, yNumbers);
        drawBareTopAndRight(f);
        drawZeroLines(f);
        break;
    case 2:
    case 3: {
        // Ticks point into the frame, or out of it when an axis has its values at cell
        // centres.
        const bool cells = graphAxis(1).scalingType == 5 || graphAxis(2).scalingType == 5;
        const int t = cells ? -mode : mode;
        const float hx = tx.halfChar[0], hy = ty.halfChar[1];
        const float mx = 0.6f * hx, my = 0.6f * hy;
        const int bottomTicks = xo == -1 ? 0 : -t, leftTicks = yo == -1 ? 0 : t;
        const int topTicks = t, rightTicks = -t;
        graphDrawXAxis(f.x0, f.y0, bottomTicks, gx.count, gx.first, hx, mx, xNumbers);
        graphDrawXAxis(f.x0, f.y1, topTicks, gx.count, gx.first, hx, mx, none);
        graphDrawYAxis(f.x0, f.y0, leftTicks, gy.count, gy.first, hy, my, yNumbers);
        graphDrawYAxis(f.x1, f.y0, rightTicks, gy.count, gy.first, hy, my, none);
        if (kind == 2) {
            drawMarkerGrid(gx, gy);
        } else {
            drawZeroLines(f);
        }
        break;
    }
    default: {
        // Grid lines: ticks across the whole frame.  Kind 5 with minor lines draws them
        // all at the thinnest width first, then the major lines again at the caller's.
        const int up = -mode, right = mode;
        if (kind == 5 && mode == 2) {
            float width = 0.0f;
            kernelEnquireLineWidth(width);
            const float thinnest = 0.0f;
            kernelSetLineWidth(thinnest);
            graphDrawXAxis(f.x0, f.y0, up, gx.count, gx.first, yLength, yLength, xNumbers);
            graphDrawYAxis(f.x0, f.y0, right, gy.count, gy.first, xLength, xLength, yNumbers);
            kernelSetLineWidth(width);
            const int majorUp = -1, majorRight = 1;
            graphDrawXAxis(f.x0, f.y0, majorUp, gx.count, gx.first, yLength, yLength, none);
            graphDrawYAxis(f.x0, f.y0, majorRight, gy.count, gy.first, xLength, xLength, none);
        } else {
            graphDrawXAxis(f.x0, f.y0, up, gx.count, gx.first, yLength, yLength, xNumbers);
            graphDrawYAxis(f.x0, f.y0, right, gy.count, gy.first, xLength, xLength, yNumbers);
        }
        drawBareTopAndRight(f);
        break;
    }
    }
}

}  // namespace plotlib

void GRID(const int& style, const int& xOption, const int& yOption)
{
    GraphRoutineFrame frame("GRID");
    graphDrawAxesAndGrid(style, xOption, yOption);
}
