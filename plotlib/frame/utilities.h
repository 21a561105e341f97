// utilities.h - small routines that every drawing routine of the graph library uses: the
// range of a data array, the plot area, text measurement, the mapping of graph values to
// kernel coordinates, the bounds of a rectangle and the number format of value labels.  None
// has a routine frame; they report straight to the kernel with kernel numbers.
#ifndef PLOTLIB_FRAME_UTILITIES_H
#define PLOTLIB_FRAME_UTILITIES_H

namespace plotlib {

// Smallest and largest of a[0..n-1]; n <= 0 reports 515 and leaves both alone.
void graphArrayRange(const float* a, int n, float& minimum, float& maximum);
// Refreshes graphState.graph.plotArea (frame bounds, or the kernel picture space once per
// routine) and reports 510 when a side is narrower than 0.00001.
void graphGetPlotArea();
// Used length of the text into `trimmed`; returns the fifth extent value (0.0 for an empty
// text).  All five extents stay in graphState.work.extent.
float graphMeasureText(const char* text, int length, int& trimmed);
// Graph point to kernel coordinates through both axis transforms; a value with no logarithm
// on a log axis reports 513 (x) / 514 (y) and maps to the log fallback -10.0.
void graphToKernelCoords(float x, float y, float& kernelX, float& kernelY);
// The rectangle with corners x1..x2 and y1..y2 as {smaller x, larger x, smaller y, larger y}.
void graphOrderedBounds(float x1, float x2, float y1, float y2, float* bounds);
// Kernel coordinate of a value along axis n, reporting 502 for a value with no logarithm.
float graphCheckLogValue(float value, int n);
// Width layout of a value label on axis n: the value divided by 10^digits word when that is
// below 40 (written back to `value`; pass a copy), integer width w, decimals d (negative:
// exactly |d|), total width t (at most 30).
void graphFormatValueLabel(float& value, int& w, int& d, int& t, int n);

// A double narrowed to single precision without leaving the float range undefined: values
// beyond it become infinities of their sign.
float graphToFloat(double value);

}  // namespace plotlib

#endif
