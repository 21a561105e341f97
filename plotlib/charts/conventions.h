// conventions.h - what the bar, histogram, area and step chart families (and the text
// charts' fill columns) share: the orientation code, the scaling of an axis from data ranges,
// the fill convention (pen scan, skipped items, pens as absolute values) and the anchoring of
// value tags; and what the area and step charts alone share: their oriented points, the union
// of two data ranges, the axes they draw over their data and the position of a value tag.
//
// None of these routines has a routine frame: they serve the exported chart routines, which
// run inside theirs.
#ifndef PLOTLIB_CHARTS_CONVENTIONS_H
#define PLOTLIB_CHARTS_CONVENTIONS_H

#include <initializer_list>

namespace plotlib {

// The check at the head of every chart routine: a count below 1, or a data array missing,
// reports `error` (a library number) and returns true: the routine draws nothing.
bool chartCountError(int n, std::initializer_list<const void*> arrays, int error);

// Orientation of an orientation argument: 2 for 2 or more (x and y exchanged), else 1.
int chartOrientation(int code);

// Kernel point of the graph point (p, q) in orientation o: (p, q) in orientation 1, (q, p)
// in orientation 2.
void chartOrientedPoint(int o, float p, float q, float& x, float& y);

// The smaller lower end and the larger upper end of two arrays of n values.
void chartUnionRange(const float* a, const float* b, int n, float& low, float& high);

// Graph scaling modes 1 and 2 set the two data ranges against each other: mode 1 gives both
// axes the union of the ranges, mode 2 widens the narrower span to the wider one when they
// differ by more than 1.0.  Other modes leave the ranges alone.
void chartMatchRanges(float& xMinimum, float& xMaximum, float& yMinimum, float& yMaximum);

// Scales axis n over minimum..maximum: logarithmic (scaling type 4) or linear (type 1) with
// the default interval count of the span.  A logarithmic axis whose minimum is not above
// 10 x tiny reports `logError` (a library number) and returns false, leaving the axis alone.
bool chartScaleFromData(int n, bool logarithmic, float minimum, float maximum, int logError);

// The axes of an area or step chart over the data ranges x and y: both axes reset, the ranges
// matched, each axis scaled from its range (logarithmic x for type 1, y for type 2, both for
// -1; a type outside -1..2 counts as 0; the logarithmic errors are 13 for x, 14 for y), the
// chart axes set up in scaling modes above 2, then axes and grid drawn.  Returns false, with
// nothing drawn, when an axis cannot be scaled.
bool chartDrawDataAxes(int type, float xMinimum, float xMaximum, float yMinimum, float yMaximum);

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
// Kernel position (x, y) of the value tag of an item with corners (x1, y1) and (x2, y2):
// anchored along x by the value attribute a1 and along y by a2 (fixedX and fixedY for the
// placement 3), then moved by one character as the attributes say.
void chartTagPoint(float x1, float y1, float x2, float y2, float fixedX, float fixedY, float& x,
                   float& y);

}  // namespace plotlib

#endif
