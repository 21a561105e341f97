// curves.h - the drawing workers behind the curve, marker and whole-graph routines.
//
// These draw a data set on axes that are already set up: points in graph units go through
// graphToKernelCoords and reach the kernel as kernel coordinates.  None has a routine frame;
// the exported routines (and GRAPH, and the polar charts) call them inside their own frame.
#ifndef PLOTLIB_GRAPHS_CURVES_H
#define PLOTLIB_GRAPHS_CURVES_H

namespace plotlib {

// Polyline through the n points, broken at missing points when a missing-value mode is set.
void graphDrawPolyline(const float* x, const float* y, int n);

// Smooth curve through the n points in pieces of at most 100 points (102 with the overlap and
// neighbour), with the stored start and end conditions.  mode 1 kernelDrawCurve, 2 spline,
// 3 Akima.  Missing values are not tested.
void graphDrawCurve(int mode, const float* x, const float* y, int n);

// Steps between successive points.  axis 1 steps along x, 2 along y; stepMode 0 steps at the
// middle, 1 at the start of each interval, -1 at its end.
void graphDrawSquareWave(const float* x, const float* y, int n, int stepMode, int axis);

// Marker `marker` at points 1, 1 + step, 1 + 2 step ... (step = skip + 1), skipping missing
// points.  Reports 516 for n <= 0, -526 for a step below 1, -527 for a negative marker.
void graphDrawMarkers(const float* x, const float* y, int n, int marker, int skip);

// True when the point counts as missing under the missing-value settings (VALMIS).
bool graphIsMissingPoint(float x, float y);

}  // namespace plotlib

#endif
