// conventions.h - what the bar, histogram, area and step chart families (and the text
// charts' fill columns) share: the orientation code, the scaling of an axis from data ranges,
// the fill convention (pen scan, skipped items, pens as absolute values) and the anchoring of
// value tags.
//
// None of these routines has a routine frame: they serve the exported chart routines, which
// run inside theirs.
#ifndef PLOTLIB_CHARTS_CONVENTIONS_H
#define PLOTLIB_CHARTS_CONVENTIONS_H

#include <initializer_list>

// The check at the head of every chart routine: a count below 1, or a data array missing,
// reports `error` (a library number) and returns true: the routine draws nothing.
bool chartCountError(int n, std::initializer_list<const void*> arrays, int error);

// Orientation of an orientation argument: 2 for 2 or more (x and y exchanged), else 1.
int chartOrientation(int code);

// Graph scaling modes 1 and 2 set the two data ranges against each other: mode 1 gives both
// axes the union of the ranges, mode 2 widens the narrower span to the wider one when they
// differ by more than 1.0.  Other modes leave the ranges alone.
void chartMatchRanges(float& xMinimum, float& xMaximum, float& yMinimum, float& yMaximum);

// Scales axis n over minimum..maximum: logarithmic (scaling type 4) or linear (type 1) with
// the default interval count of the span.  A logarithmic axis whose minimum is not above
// 10 x tiny reports `logError` (a library number) and returns false, leaving the axis alone.
bool chartScaleFromData(int n, bool logarithmic, float minimum, float maximum, int logError);

// The category axis n of a bar chart or histogram: scaling type 5 with `count` cells, from
// the category minimum to the maximum when they differ by at least the tiny value (returns
// 1: numbers written), otherwise from 1 to `count` (returns 0: no numbers).
int chartScaleCategoryAxis(int n, int count, float minimum, float maximum);

// Pen scan of a fill routine: warning -8 at the first pen below -1, once.
void chartScanPens(const int* pens, int n);
// The pen a fill passes to the kernel: the absolute value (the most negative integer, which
// has none, gives the largest).
int chartFillPen(int pen);
// Fills one item as a box unless its fill style is below -1.
void chartFillBox(int style, int pen, float x1, float y1, float x2, float y2);

// Kernel coordinate of `value` on axis n (1 x, 2 y), reporting 513 (x) or 514 (y) for a
// value that has no logarithm on a logarithmic axis, as a corner of a graph point would.
float chartAxisCoordinate(float value, int n);

// Anchor of a value tag along one axis from the item's low and high kernel coordinates and
// the placement attribute (a1 along x, a2 along y): below 0 the low end, 0 the middle, 3 the
// coordinate `fixed`, others the high end.
float chartAnchor(int attribute, float low, float high, float fixed);
// The one-character move of a tag anchor for a placement attribute: -2 and 1 towards minus,
// -1 and 2 towards plus, by `size` (character width along x, height along y); 0 and 3 stay.
float chartCharacterShift(int attribute, float size);

#endif
