// scaling.h - axis positions, scaling and the axis set-up.
//
// The set-up turns an axis's settings into its AxisTransform: nice intervals widened outward
// to whole steps (scaling types 1, 2), a given interval count (3), whole decades (4), values
// at cell centres (5) or a date layout (negative types); then the transform from graph values
// to kernel coordinates and the layout of ticks, numbers and minor ticks.  All routines work
// on the current axis of GraphSettings unless they take an axis argument.
#ifndef PLOTLIB_AXES_SCALING_H
#define PLOTLIB_AXES_SCALING_H

namespace plotlib {

// Position of an axis (worker of AXIPOS); warns -517 when the length is not above 1e-10.
void graphSetAxisPosition(int type, float x, float y, float length, int axis);
// Scaling of an axis (worker of AXISCA); warns -518, -519, -520, reports 513 / 514.
void graphSetAxisScaling(int type, int count, float minimum, float maximum, int axis);
// Set-up of the current axis.
void graphSetUpAxis();
// Nice interval for scaling types 1 and 2 (mode = the type); rewrites minimum and maximum.
void graphChooseLinearInterval(int mode, float& minimum, float& maximum);
// Whole decades around minimum..maximum; low and high in decades.
void graphChooseLogDecades(float minimum, float maximum, float& low, float& high);
// Labels for a given interval count over minimum..maximum.
void graphIntervalFromCount(float minimum, float maximum, int count);
// Annotation and minor-tick layout of the current axis.
void graphCountAxisTicks();
// Interval count (5..15) for a range taken from data.
void graphDefaultIntervalCount(float range, int& count);
// value = mantissa x 10^exponent with 1 <= |mantissa| <= 9.99999 (0 and 0 for tiny values).
void graphSplitPowerOfTen(float value, float& mantissa, int& exponent);
// Equal scaling of both axes for graph scaling modes 3 and 4.
void graphSetUpChartAxes();

// The label exponent rule of the current axis: t taken out of exponent E by the digits word.
int graphLabelExponentShift(int exponent);
// The decimals rule of the current axis for a label step.
int graphLabelDecimals(float labelStep);

}  // namespace plotlib

#endif
