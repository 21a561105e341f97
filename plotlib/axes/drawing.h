// drawing.h - drawing of axes, frames and grids, for AXIDRA, GRID, the whole-graph routine
// and the chart routines that frame their plot.
//
// All geometry is in kernel units and comes from the axis transforms of the last set-up.
// Sign conventions of the tick and annotation switches:
//   x axis: tick switch > 0 draws ticks downward, < 0 upward; annotation > 0 writes the
//           numbers below the axis, < 0 above;
//   y axis: tick switch > 0 draws ticks to the right, < 0 to the left; annotation > 0 writes
//           the numbers to the right, < 0 to the left;
//   |tick switch| >= 2 adds minor ticks; 0 draws the line only; annotation 0 writes nothing.
#ifndef PLOTLIB_AXES_DRAWING_H
#define PLOTLIB_AXES_DRAWING_H

namespace plotlib {

// One x (y) axis with its line starting at (startX, startY): `tickCount` major ticks from
// `firstTick` (a kernel x for the x axis, a kernel y for the y axis) at the tick spacing of the
// axis, each `majorLength` long, minor ticks `minorLength` long, then the numbers and the
// exponent caption on the side of the annotation switch.
void graphDrawXAxis(float startX, float startY, int tickSwitch, int tickCount, float firstTick,
                    float majorLength, float minorLength, int annotationSwitch);
void graphDrawYAxis(float startX, float startY, int tickSwitch, int tickCount, float firstTick,
                    float majorLength, float minorLength, int annotationSwitch);

// The frame about the plot with grid lines, tick marks or grid markers.  kind = |style| + 1
// (above 5: 2): 1 frame only, 2 ticks and a marker grid, 3 ticks, 4 grid lines, 5 grid lines
// with thin minor lines; a negative style adds minor ticks or lines.  Options (-1 that side
// bare, 0 no numbers, 1 numbers; others act as 1) steer the bottom (x) and left (y) sides.
// Sets both axes up afresh; the x axis is current afterwards.
void graphDrawAxesAndGrid(int style, int xOption, int yOption);

// Marks across the picture's larger side (the plot frame's, when one is set) that it can show
// apart: lines and ticks one a device pixel, grid markers a few pixels wide.
constexpr int kLinesAcrossPicture = 1000;
constexpr int kMarkersAcrossPicture = 200;
// Step between the marks drawn of a row of `count` marks `spacing` kernel units apart, so that
// no two drawn marks stand closer than the picture's side over `across`: 1 draws every mark.
// A step above 1 reports warning -25 (-525), once per routine.
int graphMarkStride(int count, double spacing, int across);

// The marks of such a row that can show on the picture: indices from `first` to `last`, both
// multiples of `stride` (none when first > last), of the marks at `start` + i x `spacing`
// kernel units along axis n (1 x, 2 y).  A row that graphMarkStride draws whole without
// asking for the picture (at most `across` / 2 marks) is taken whole.
struct MarkSpan {
    long long first, last;
};
MarkSpan graphMarksOnPicture(int count, int stride, double start, double spacing, int n,
                             int across);

// The farthest distance from the kernel point (x, y) at which a mark can still show on the
// picture: to the farthest corner of the picture space widened by its own width and height on
// every side (infinity when the kernel gives no picture to measure).
double graphFarthestReach(double x, double y);
// The nearest distance from (x, y) to that widened picture space: 0 within it, or when the
// kernel gives no picture to measure.
double graphNearestReach(double x, double y);

// Precision check of axis n before it is set up: when its range is empty or the transform
// would be steeper than the kernel can map, reports `warning` (a kernel number, already moved)
// or, when `warning` is 0, -20 through graphReportError; then widens the range and clears the
// set-up flag.
void graphCheckAxisPrecision(int n, int warning);

}  // namespace plotlib

#endif
