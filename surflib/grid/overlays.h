// overlays.h - what is drawn over a contour map after it stands and what can be asked of it:
// polylines and grid lines in map coordinates (LINCON, CONGRD), the height of the gridded
// surface at a map point (CONHGT and its workers, shared with the cross-sections), the points
// of one contour (CONPTS and the collection the contour outputs feed), the data-point markers
// of random-point and network maps, and smooth parametric curves of network contours.
#ifndef SURFLIB_GRID_OVERLAYS_H
#define SURFLIB_GRID_OVERLAYS_H

namespace surflib {

// ---- Heights on the grid of the current map -------------------------------------------------
// node: 1-based word number of a grid node after the grid's start (the grid begins at word
// gridOffset of GridState, rows of nx values).  Words beyond wsize are never read; a node
// outside the workspace gives 0.0.

// Height at fraction (fx, fy) of the cell whose lower-left node is node (bilinear, exact at
// the nodes and linear along the cell's edges).
void surfaceGridHeightAt(float& result, float fx, float fy, int node, int wsize, const float* work);
// Height at fraction t from node towards its neighbour (direction 1 along x: node + 1;
// 2 along y: node + nx).
float surfaceGridCellHeight(float t, int node, int direction, int wsize, const float* work);

// ---- Contour data sets ---------------------------------------------------------------------
// Traces the level z over the grid of the current map and returns its lines as CONPTS does
// (npts, nlines: capacities in, counts out): open lines from the boundary first (bottom row
// left to right, right column upwards, top row right to left, left column downwards), then
// the closed lines, rows from the top down.  Points come through the contour outputs'
// collection (ContourPointCollection of the state).
void surfaceCollectGridContour(int mx, int my, float z, int& npts, float* x, float* y, int& nlines,
                               int* lengths, int wsize, float* work);

// ---- Grid lines -----------------------------------------------------------------------------
// Draws the grid lines whose limits and steps CONGRD stored (mapGridLines of the state).
void surfaceDrawMapGridLines();

// ---- Data points ----------------------------------------------------------------------------
// Marks the data points of the current random-point map (kept in the workspace by the
// gridding) or network map, with value labels when pointMarker is negative.  wsize bounds
// every read of work.  The map drivers clear dataLabelWarned of the state at each map.
void surfaceDrawDataPoints(int wsize, const float* work);

// ---- Smooth curves --------------------------------------------------------------------------
// Draws the n points as a smooth parametric cubic, 15 straight pieces per interval, in blocks
// of 200 points.  Condition -1 at either end takes the neighbour point stored in the kernel's
// curve ends.  n of 1 or 2 (or negative) reports kernel error 42 as it stands.
void surfaceDrawSmoothCurve(const float* x, const float* y, int n, int startCondition,
                            int endCondition);
// Interior tangents d(2..m-1) of the cubic spline through p(1..m) with d(1), d(m) given; a, b, c
// and rhs are work arrays of m values.
void surfaceSmoothCurveCoefficients(float* a, float* b, float* c, float* rhs, const float* p,
                                    float* d, int m);

}  // namespace surflib

#endif
