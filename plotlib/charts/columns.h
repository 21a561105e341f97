// columns.h - the column layout that bar charts and histograms share: the choice of the
// category axis, the layout record BarWorkingValues, the filling and the value tag position
// of one column, and the outline drawing in which columns that touch are traced as one
// outline.
//
// Along the category axis (scaling type 5, N cells) column i is centred on the i-th tick;
// the category step is the axis's tick spacing.  A point of an outline is written (c, v):
// c along the category axis, v along the value axis, both in kernel units.
#ifndef PLOTLIB_CHARTS_COLUMNS_H
#define PLOTLIB_CHARTS_COLUMNS_H

namespace plotlib {

// The category axis of the current axes.  strict: the one axis of scaling type 5, or with
// neither or both of that type warning -503 (straight to the kernel) and x.  Otherwise y
// when y alone has scaling type 5, else x, without a warning.
int chartCategoryAxis(bool strict);

// The width fraction clamped to 0..1 (a fraction that is no number counts as 0).
float chartClampFraction(float fraction);

// Writes BarWorkingValues in full for a layout on `category` with the clamped fraction:
// column width = category step x fraction; start on the category axis = first centre, less
// half a column width unless `centred`; start on the value axis = `valueStart` (kernel);
// makes the category axis current.
void chartSetColumnLayout(int category, float fraction, int outlineMode, float valueStart,
                          bool centred);

// Kernel point of (c, v) on the layout's axes.
void chartColumnPoint(float c, float v, float& x, float& y);
// Category position of the low edge of column i (1-based) in the current layout; its centre
// in a centred layout.
float chartColumnEdge(int i);

// Fills column i (1-based) of the current layout as a box from (low edge, v1) to (high edge,
// v2), v1 and v2 kernel positions on the value axis, unless the two corners stand at (almost)
// the same kernel height: a standing column of no length, a lying column of no width.
void chartFillColumn(int i, float v1, float v2, int style, int pen);
// Category position of the value tag of column i (1-based) in a centred layout: the column's
// centre, moved half a column width towards minus for the placement attribute -2 or -1 along
// the category axis and towards plus for 1 or 2.
float chartColumnTagPosition(int i, int attribute);

// The histogram base line on value axis n: the kernel position of the value 0 when the
// axis range holds it, else of the range end nearer to 0.
float chartHistogramBase(int n);

// Outlines of the bars with start values `start` and end values `end` (layout for bars,
// then the column outlines).
void graphDrawBarOutlines(const float* start, const float* end, int n, float fraction);
// Outlines of the histogram columns with values `values`.
void graphDrawHistogramOutlines(const float* values, int n, float fraction);
// The columns of the current layout divided into runs, each run drawn as one outline.
void graphDrawColumnOutlines(const float* first, const float* second, int n);
// One run of `length` columns, the first of which is column number `column`; `first` and
// `second` point at that column's values.
void graphDrawColumnRun(const float* first, const float* second, int column, int length);

}  // namespace plotlib

#endif
