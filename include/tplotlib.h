// tplotlib.h - the graph and chart library TPLOTLIB as programs call it.
//
// Every routine is exported under its legacy six-letter name and, where it has one, its long
// form (kp...).  Calling convention: every argument by reference (inputs const int& /
// const float&, outputs and in/out int& / float&), arrays as pointers, a text as
// (pointer, length) with the length by value right after it.  Integers are 32-bit, reals
// single precision.  Axis arguments: 1 is the x axis, any larger value the y axis.
//
// Counts: a routine reads exactly the elements its comment names, in terms of its arguments,
// and no more; a count it refuses (reported as an error) reads nothing.  An input text is read
// for its length (nothing for a length of 0 or below, or a null pointer); an output text is
// written for exactly its length, blank padded and never with a terminator (nothing for a
// length of 0 or below, or a null pointer).
//
// Errors are reported through the kernel (kernelReportError) as library numbers moved 500
// away from zero, under the routine's registered name; positive numbers are errors after
// which the routine does nothing more, negative numbers warnings after which it goes on with
// a corrected value.
#ifndef TPLOTLIB_H
#define TPLOTLIB_H

#include "tarvconfig.h"

TARV_API_BEGIN

// ---- Axis positions and scaling
// Position of an axis: type 0 = (x, y) is where value 0 lies when the range holds 0,
// otherwise the start of the axis; length in kernel units.
void AXIPOS(const int& type, const float& x, const float& y, const float& length, const int& axis);
// Scaling of an axis: type 1, 2 nice linear intervals, 3 linear by interval count,
// 4 logarithmic, 5 values at the centres of `count` cells.
void AXISCA(const int& type, const int& count, const float& minimum, const float& maximum,
            const int& axis);
// Minor-tick spacing measure of an axis (negative: automatic).
void AXIINT(const int& interval, const int& axis);
// Both axes back to their default positions and settings; the plot frame is switched off.
void AXISET();

// ---- Restore routines of the chart settings
void PIESET();
void VECSET();

// ---- Axis drawing, grids, titles
// One axis with its ticks, numbers and exponent caption.  x axis: ticks > 0 down, < 0 up,
// annotation > 0 numbers below, < 0 above; y axis: ticks > 0 right, < 0 left, annotation > 0
// numbers right, < 0 left.  |ticks| >= 2 adds minor ticks; 0 draws the line, no numbers.
// Ticks closer than a thousandth of the picture's larger side (grid markers: a two-hundredth)
// are stepped over, and minor ticks that close are left out, with warning -525.
void AXIDRA(const int& ticks, const int& annotation, const int& axis);
// Frame about the plot: style 0 frame, 1 ticks and grid markers, 2 ticks, 3 grid lines,
// 4 grid lines with thin minor lines (negative style: minor ticks or lines too); options
// for the numbers on the bottom (x) and left (y) sides: 1 numbers, 0 none, -1 bare side.
// Marks closer than the picture shows are stepped over as for AXIDRA (warning -525).
void GRID(const int& style, const int& xOption, const int& yOption);
// Title of an axis at kernel coordinate `position` across it; the sign of `axis` is the side;
// justification -1 at the start, 0 centred, 1 at the end of the axis.
void AXNSTR(const char* text, int length, const float& position, const int& axis,
            const int& justification);

// ---- Annotation
// Numbers of an axis: decimals (negative exactly, positive at most that many), digits word
// (40 automatic power of ten, 41 in multiples of 3, else that power), exponent caption
// style (0 none, 1 x10 raised exponent, 2 digits, 3 word, 4 unit prefix).
void AXIANN(const int& decimals, const int& digits, const int& style, const int& axis);
// Attributes of numbers and labels: a1 1 = at coordinate a2 across the axis, a3 first label,
// a4 labels left out between two (negative automatic), a5 shift along the axis in tick
// spacings, a6 text angle, a7 / a8 justification across / along (-1..1, 2 automatic),
// a9 1 = shrink the characters when the labels crowd.
void AXIATT(const int& a1, const float& a2, const int& a3, const int& a4, const float& a5,
            const float& a6, const int& a7, const int& a8, const int& a9, const int& axis);
void AXTENQ(int& a1, float& a2, int& a3, int& a4, float& a5, float& a6, int& a7, int& a8, int& a9,
            const int& axis);
void AXNENQ(int& decimals, int& digits, int& labelWidth, int& style, const int& axis);
void AXPENQ(int& type, float& x, float& y, float& length, const int& axis);
void AXSENQ(int& type, int& count, float& minimum, float& maximum, const int& axis);
// Label texts at the ticks of an axis, on the side of `side`'s sign: count * length characters
// read (count texts of `length` characters each), none when count or length is 0 or below,
// labels is null or side is 0 (then nothing is drawn).
void AXISTR(const char* labels, int length, const int& count, const int& side, const int& axis);
// Label texts at every tick that has room for them, at kernel coordinate `position` across
// the axis; orientation 1 or -1 the x axis, other values the y axis, the sign the side.
// labels: count * length characters read as for AXISTR.
void AXLSTR(const char* labels, int length, const int& count, const float& position,
            const int& orientation);

// ---- Dates
// Dates are plotted as day numbers (day 1 = 13 September 1752).  Date texts have three fields
// of digits between two separators; order code 1 day-month-year, 2 month-day-year,
// 3 year-month-day.  Format 1 is that of the texts read and written for the caller, format 2
// that of the numbers of date axes.  DATFOR reads only the first character of each separator
// (none, leaving the separator as it was, when its length is below 1 or it is null); DATFOQ
// writes only that first character (nothing when the length is below 1 or the text is null)
// and leaves the rest of the text alone.
void DATFOR(const int& order1, const char* separator1, int length1, const int& order2,
            const char* separator2, int length2);
void DATFOQ(int& order1, char* separator1, int length1, int& order2, char* separator2, int length2);
// Date text to value (length characters read; a null text reads as an empty one, which names
// no date: error 557 and the value of 1 January 1900), value to date text (length characters
// written; blank when the value is no date; nothing when the text is null).
void DATGRA(const char* text, int length, float& value);
void GRADAT(const float& value, char* text, int length);
// count date texts of `length` characters each (count * length characters read) to count
// values written; nothing when count is 0 or below or values is null.  Null texts read as
// count empty texts: error 557 for each and every value that of 1 January 1900.
void DATCON(const char* texts, int length, const int& count, float* values);
// Date scaling of an axis from the first to the last date: code 1 automatic unit, 2 ends on
// unit boundaries, 3 whole units from the first date; unit 1 ten years, 2 years, 3 months,
// 4 weeks, 5 days.  DATSCA reads length1 and length2 characters (a null text as an empty one,
// as DATGRA does); DATSCQ writes exactly length1 and length2 characters (nothing into a null
// text).
void DATSCA(const int& code, const int& unit, const char* first, int length1, const char* last,
            int length2, const int& axis);
void DATSCQ(int& code, int& unit, char* first, int length1, char* last, int length2,
            const int& axis);
// Date annotation words of an axis (2 = y, any other value x): weekday, day, month (-9..1:
// 0 left out, 1 digits, negative names or ordinals), year (0, 2 or 4 digits).
void DATANN(const int& w1, const int& w2, const int& w3, const int& w4, const int& axis);
void DATANQ(int& w1, int& w2, int& w3, int& w4, const int& axis);

// ---- Curves and markers
// Data sets on the current axes; x and y in graph units, n points: n values read from each of
// x and y, none when n is below 2 (error 515).
void GRAPOL(const float* x, const float* y, const int& n);  // polyline
void GRACUR(const float* x, const float* y, const int& n);  // smooth curve
void GRASPL(const float* x, const float* y, const int& n);  // spline
void GRAAKI(const float* x, const float* y, const int& n);  // Akima curve
// Square wave: step mode 0 steps at the middle, 1 at the start, -1 at the end of an
// interval; axis 1 steps along x, 2 along y.
void GRASQU(const float* x, const float* y, const int& n, const int& stepMode, const int& axis);
// Markers at every (skip + 1)th point: x[i], y[i] read for i = 0, skip + 1, ... below n (a
// skip below 0 warns and counts as 0); none when n is below 1.
void GRASYM(const float* x, const float* y, const int& n, const int& marker, const int& skip);
void GRAMOV(const float& x, const float& y);  // pen to a graph point
void GRALIN(const float& x, const float& y);  // line to a graph point
// Curve start / end condition: type < 0 neighbour point (p1, p2), 0 free, > 0 tangent (t1, t2).
void CURBEG(const int& type, const float& t1, const float& t2, const float& p1, const float& p2);
void CURFIN(const int& type, const float& t1, const float& t2, const float& p1, const float& p2);
// Missing values: mode 0 none, 1 = a or = b, 2 > a, 3 >= a, 4 < a, 5 <= a, 6 outside [a, b],
// 7 inside [a, b]; tested on x (axis 1) or y (axis 2).
void VALMIS(const int& mode, const float& a, const float& b, const int& axis);

// ---- Whole graphs
// Whole graph from data: axes scaled from the data and drawn, then the data.  type 0 linear,
// 1 log x, 2 log y, -1 log-log; line code |1| polyline, |2| smooth curve, |3| spline, 0 markers
// only (a code <= 0 adds markers); axes 1 puts the axes through value 0 of the data.  n values
// read from each of x and y, none when n is below 2.
void GRAPH(const float* x, const float* y, const int& n, const int& type, const int& lineCode,
           const int& axes);
// Population graph on the current axes: classes ending at e with width d, values v, drawn
// symmetrically about centre c; the widths are one interval of the category axis / divisor.
// n values read from each of ends and values, none when n is below 1.
void GRAPOP(const float& width, const float& centre, const float* ends, const float* values,
            const int& n, const float& divisor);
// Graph scaling mode 0..4: 1 one range for both axes, 2 equal spans, 3 equal value per
// interval, 4 equal length per interval.
void GRASCA(const int& mode);
// Plot frame: the plotting area from the next routine on, instead of the picture space.
void GRFBND(const float& x1, const float& x2, const float& y1, const float& y2);
void GRBENQ(int& frameSwitch, float& x1, float& x2, float& y1, float& y2);
// Graph character mode: 1 the library sets its own text mode, 0 the kernel's settings stay.
void GRFMOD(const int& mode);
// Marker of marker grids.
void GRDSYM(const int& marker);
void GRDSYQ(int& marker);
// Graph title: horizontal -1 left, 1 right, else centred; vertical 0 middle, 1 bottom,
// else top of the plot area.
void GRFTTL(const char* text, int length, const int& horizontal, const int& vertical);

// ---- Value tags
// Value tags written before and after each value label: length1 and length2 characters read,
// at most 30 of each kept (-544 when a tag is longer).
void VALTXT(const char* tag1, int length1, const char* tag2, int length2);
// Value label attributes: a1, a2 placement in x, y (3 = at coordinate a3; 1, 2 one character
// right / up; -1, -2 left / down), a4, a5 offsets in kernel units, a6 angle in degrees,
// a7 across the text (-1, 0, 1), a8 along it (0 centred, 1 ends at the point, -1 starts).
void VALATT(const int& a1, const int& a2, const float& a3, const float& a4, const float& a5,
            const float& a6, const int& a7, const int& a8);
void VATENQ(int& a1, int& a2, float& a3, float& a4, float& a5, float& a6, int& a7, int& a8);
// Labels of the data values: selector 2 the y values, otherwise the x values.  n values read
// from each of x and y, none when n is below 1.
void GRAVAL(const float* x, const float* y, const int& n, const int& selector);

// ---- Line fit
// Least-squares line through n points: n values read from each of x and y (none when n is
// below 2, error 541, or when capacity is below 1 or coefficients is null, error 542).
// coefficients[0] := intercept and, only when capacity > 1, coefficients[1] := slope: at most
// min(capacity, 2) values written, none without a fit.  count 2 (even when capacity is 1) and
// status 0 after a fit, count 0 and status 1 otherwise.
void LINFIT(const int& fitCode, const float* x, const float* y, const int& n, const int& capacity,
            float* coefficients, int& count, int& status);
// Graph point to kernel coordinates on the current axes, and back.
void GRASPA(const float& x, const float& y, float& kernelX, float& kernelY);
void SPAGRA(const float& kernelX, const float& kernelY, float& x, float& y);

// ---- Fills, error bars, reference lines, arrows
// Reference line across the plot at x = value (line direction 1 or less) or y = value (2 or
// more), drawn only when the value lies on its axis; caption at position 1..8 around it (a
// vertical line: 1 below, 2-4 up its left side, 5 above, 6-8 down its right side; a horizontal
// line: 1 left, 2-4 above from left to right, 5 right, 6-8 below from right to left); text
// direction 1 turns the caption by 90 degrees.
void REFLIN(const char* caption, int length, const float& value, const int& position,
            const int& textDirection, const int& lineDirection);
// Area between a data set and a base line at value `base`: a vertical line at x = base
// (direction 1 or less) or a horizontal one at y = base (2 or more), held within its axis.
// Fill code: the kernel's fill style, -1 the outline only, below -1 nothing; pen as its size.
// n values read from each of x and y (none when n is below 1, or the fill code is below -1).
void GRAFIL(const float* x, const float* y, const int& n, const float& base, const int& axis,
            const int& fillCode, const int& pen);
// Band between two data sets of nA and nB points (at least 2 each), fill code and pen as for
// GRAFIL; the outline is the two data lines and the two end edges.  nA values read from each
// of xA and yA and nB from each of xB and yB (none when either count is below 2 or the fill
// code is below -1).
void GRAFI2(const float* xA, const float* yA, const int& nA, const float* xB, const float* yB,
            const int& nB, const int& fillCode, const int& pen);
// Error bars at the n points: ends at the value + e1 and the value - e2, along y (direction
// 1 or less) or x (more than 1); end marks 0 none, 1 cap, 2 fork, 3 / 4 hollow / solid
// triangle with its base on the end, 5 arrowhead, 6 / 7 hollow / solid triangle pointing at
// the end; mode 0 marks only, other values also the line between the ends.  n values read
// from each of x, y, e1 and e2, none when n is below 1.
void GRAERB(const float* x, const float* y, const float* e1, const float* e2, const int& n,
            const int& style, const int& mode, const int& direction);
// Arrow from the current pen position to (x, y): coordinates 0 kernel units, 1 graph units;
// head style 0 open, 1 outlined, 2 filled.
void ARROW(const float& x, const float& y, const int& style, const int& coordinates);

// ---- Charts

// ---- Bar, histogram, area and step charts
// Each family: a plot routine (axes scaled from the data, drawn with a frame, then the
// outlines), a fill routine and an outline routine on the current axes, and a value routine
// that writes one value tag per item.  Fill styles below -1 skip an item, -1 outlines it;
// pens pass as their absolute values (a pen below -1 warns once).  Orientation 2 or more
// exchanges x and y.  Every routine reads n values from each of its data arrays and, for the
// fill routines, n fill styles and n pens (all n pens are read even where a style skips the
// item); a count below 1 or a null array reads nothing and gives the family's count error
// (bar charts and histograms 501, area charts 534, step charts 535).

// Bars from start to end values.  bar type: |type| 1 categories along x, 2 along y; negative
// makes the value axis logarithmic.  The categories are numbered from category minimum to
// maximum (no numbers when they are equal).  Width fraction 0..1 of a category step.
void BARCHA(const float* start, const float* end, const int& n, const int& type,
            const float& fraction, const float& categoryMinimum, const float& categoryMaximum);
void BARFIL(const float* start, const float* end, const int& n, const float& fraction,
            const int* styles, const int* pens);
// Bar outlines on the current axes; the category axis is the one of scaling type 5.
void GRABAR(const float* start, const float* end, const int& n, const float& fraction);
void BARGRA(const float* start, const float* end, const int& n, const float& fraction);
// Value tags: placement 1 the start value, 2 the end value, 3 end minus start.
void BARVAL(const float* start, const float* end, const int& n, const float& fraction,
            const int& placement);

// Histogram columns from the base line (value 0, or the end of the value axis nearer to it)
// to the values.  scaling code 1: logarithmic value axis.
void HISCHA(const float* values, const int& n, const int& scaling, const float& fraction,
            const float& categoryMinimum, const float& categoryMaximum);
void HISFIL(const float* values, const int& n, const float& fraction, const int* styles,
            const int* pens);
void GRAHIS(const float* values, const int& n, const float& fraction);
void HISGRA(const float* values, const int& n, const float& fraction);
void HISVAL(const float* values, const int& n, const float& fraction);

// Area charts: rectangle i spans a1[i]..a2[i] along x and a3[i]..a4[i] along y (orientation
// 2: a1, a2 along y).  type 0 linear, 1 log x, 2 log y, -1 log-log.  Value placement: 1..4
// a bound, 5 and 6 a side, 7 the size.
void ARECHA(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& type);
void AREFIL(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& orientation, const int* styles, const int* pens);
void AREGRA(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& orientation);
void AREVAL(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& placement, const int& orientation);

// Step charts: step i from s[i] to e[i] at level v[i] above the base b.  type as for area
// charts (1 log step axis, 2 log value axis).  Step code 1 connected, 2 closed profile,
// 3 columns, other treads only.  Value placement 1 start, 2 end, 3 level, 4 width, 5 height.
void STPCHA(const float* s, const float* e, const float* v, const int& n, const int& type,
            const float& base, const int& code);
void STPFIL(const float* s, const float* e, const float* v, const int& n, const float& base,
            const int& orientation, const int* styles, const int* pens);
void STPGRA(const float* s, const float* e, const float* v, const int& n, const float& base,
            const int& code, const int& orientation);
void STPVAL(const float* s, const float* e, const float* v, const int& n, const float& base,
            const int& placement, const int& orientation);

// ---- Text charts
// Column attributes: width and height in kernel units (0: 10 character widths, 2 character
// heights a row), justification -1 left, 0 centred, 1 right, title switch 1 = a title row,
// frame pen (below 0: no frame).
void TEXDEF(const float& width, const float& height, const int& justification,
            const int& titleSwitch, const int& framePen);
void TDFENQ(float& width, float& height, int& justification, int& titleSwitch, int& framePen);
// One column of n rows with its top left corner at (x, y); a count below 1 or a null array
// reads nothing (error 539).  Each column reads n elements of each of its arrays (TEXSTR: n texts of `length`
// characters each, n * length characters, none when strings is null or length is below 1),
// and the title's titleLength characters when the title switch is on.
void TEXSTR(const float& x, const float& y, const int& n, const char* strings, int length,
            const char* title, int titleLength);
void TEXVAL(const float& x, const float& y, const int& n, const float* values, const char* title,
            int titleLength);
// Values from first to last in n - 1 equal steps.
void TEXGEN(const float& x, const float& y, const int& n, const float& first, const float& last,
            const char* title, int titleLength);
// Each |value| as a percentage of the sum of all |values|.
void TEXPER(const float& x, const float& y, const int& n, const float* values, const char* title,
            int titleLength);
void TEXFIL(const float& x, const float& y, const int& n, const int* styles, const int* pens,
            const char* title, int titleLength);
// Line samples: kind 1 horizontal, 2 vertical, 3 rising, 4 falling; pen 0 the caller's line.
void TEXLIN(const float& x, const float& y, const int& n, const int* pens, const int& kind,
            const char* title, int titleLength);
void TEXSYM(const float& x, const float& y, const int& n, const int* symbols, const int* pens,
            const char* title, int titleLength);

// ---- Pie, vector and polar charts
// Pie settings.  Angles in degrees counter-clockwise from the x direction; centre and radius
// in kernel units.  Start angle of the first segment (kept in [0, 360)).
void PIEANG(const float& angle);
// Annotation mode 1 radial text, 2 text in boxes inside the segment, 3 text beside a leader
// line; which parts a label holds (each switch on only when 1): the caller's label, the
// percentage, the value; segments below `threshold` percent get no label in modes 2 and 3.
void PIEANN(const int& mode, const int& labelSwitch, const int& percentSwitch,
            const int& valueSwitch, const float& threshold);
void PIAENQ(int& mode, int& labelSwitch, int& percentSwitch, int& valueSwitch, float& threshold);
// Label boxes of mode 2: type 0 none, 1 outlined, 2 cut out of the segment fill, 3 both; fill
// style of the boxes (negative: not filled) and their pen.
void PIEBOX(const int& type, const int& fillStyle, const int& pen);
// Segment outlines: -1 none, any other value drawn.
void PIEBSW(const int& boundSwitch);
// Exploded segments: segment numbers (1..50) and their distances from the centre in radii;
// count entries read from each for count 1..50.  Every call replaces the whole table: count 0,
// a count outside 0..50 (reported) or a null array clears it and reads nothing.
void PIEEXP(const int* numbers, const float* distances, const int& count);
// Pie frame: radius and centre in kernel units, in force until PIESET.
void PIEPAP(const float& radius, const float& centreX, const float& centreY);
void PIEENQ(float& radius, float& centreX, float& centreY, float& startAngle);
// A pie of n (1..50) values (magnitudes count) with labels (n texts of `length` characters
// each), a fill style (below -1 no fill) and a pen per segment; PIEFIL only fills.  n values,
// n fill styles and n pens read, and up to n * length label characters (none when labels is
// null or length is below 1); with n outside 1..50, a null array or a pie of no radius none.
void PIECHA(const float* values, const char* labels, int length, const int& n,
            const int* fillStyles, const int* pens);
void PIEFIL(const float* values, const int& n, const int* fillStyles, const int* pens);
// One segment from angle a1 to a2 (a2 = a1 + 360 a full disc) with its value and label;
// SEGFIL only fills.
void SEGCHA(const float& a1, const float& a2, const float& value, const char* label, int length,
            const int& fillStyle, const int& pen);
void SEGFIL(const float& a1, const float& a2, const int& fillStyle, const int& pen);
// Radial labels only: the labels, with the percentages when percentSwitch is not 0.
// SEGSTR's outline code: -1 no outline, 0 rim and end radius, 1 the closed segment.  PIESTR
// reads n values and up to n * length label characters as PIECHA; SEGCHA and SEGSTR read up
// to `length` characters of their label.
void PIESTR(const float* values, const char* labels, int length, const int& n,
            const int& percentSwitch);
void SEGSTR(const int& outlineCode, const float& a1, const float& a2, const char* label, int length,
            const int& percentSwitch);

// Vector charts: one arrow per node of an nx x ny grid (x index fastest) laid over the frame
// (VECBND, graph units) or the axis ranges.  Directions in degrees, magnitudes (negative turns
// the arrow round), colours (absolute value is the kernel colour); head style 0 open,
// 1 outlined, 2 filled.
void VECBND(const float& x1, const float& x2, const float& y1, const float& y2);
void VECBNQ(float& x1, float& x2, float& y1, float& y2);
// Only magnitudes between the two limits are drawn (0, 0: all).
void VECCLP(const float& a, const float& b);
void VECCLQ(float& low, float& high);
// Placement: -1 the arrow starts at its node, 0 centred, 1 ends at it; magnitudes p..q map to
// lengths 0..one grid unit (0, 0: 0 to the largest magnitude); factor scales the unit.
void VECSCA(const int& mode, const float& p, const float& q, const float& factor);
void VECSCQ(int& mode, float& low, float& high, float& factor);
// nx * ny values read from each of directions, magnitudes and colours; none when nx or ny is
// below 1 or an array is null.
void VECGRA(const float* directions, const float* magnitudes, const int* colours, const int& nx,
            const int& ny, const int& headStyle);

// Polar charts around a centre in kernel units.  SETPOL: centre, radius, scaling type 1..3
// of the radial axes.
void SETPOL(const float& centreX, const float& centreY, const float& radius, const int& mode);
// Polar axes: part 1 or less the radial axes from -range to range with 2 count intervals
// (drawing code below 0 adds `count` rings), 2 or more the angular part over `range` degrees
// in `count` steps (drawing code below 0 spokes, above 0 ticks, 0 labels only); label code 1
// writes the numbers.
void DRAPOL(const int& drawingCode, const int& labelCode, const int& count, const float& range,
            const int& part);
// XY polar chart of n points with the default layout: line code |1| polyline, |2| smooth
// curve, |3| spline, |4| Akima curve, a code <= 0 adds markers.  n values read from each of x
// and y, none when n is below 2.
void POLXY(const float* x, const float* y, const int& n, const int& lineCode);

// ---- Long forms
// Long forms take symbolic option codes in place of small integers, arrays of records in
// place of parallel arrays, and an argument order of their own; each converts its arguments
// and calls its legacy routine once, which does every check and report (errors name both
// forms, as in "kpPlotGraph(GRAPH)").  A value that is no code of an argument passes to the
// legacy routine unchanged.  A record-taking long form with a count below 1 calls nothing and
// reads no record; otherwise it reads count records and its legacy routine then reads what its
// own comment says (a long form taking plain arrays and texts reads exactly what its legacy
// routine reads).

// The option codes of the long forms.
enum LongFormCodes : int {
    kpScalingMode4 = 31512,  // graph scaling mode 4 (kpSetGraphScaling)
    kpCurveKind4 = 32511,    // curve kind 4 (sign carried)
    kpScalingMode3 = 32513,  // graph scaling mode 3, equal scaling of both axes
    kpScalingMode2 = 32514,
    kpScalingMode1 = 32515,
    kpGridKind4 = 32516,  // grid style magnitude 4
    kpDateUnit5 = 32517,  // date units: 5 days ... 1 ten years
    kpDateUnit4 = 32518,
    kpDateUnit3 = 32519,
    kpDateUnit2 = 32520,
    kpDateUnit1 = 32521,
    kpDateOrder3 = 32522,  // date field orders: 3 year-month-day ... 1 day-month-year
    kpDateOrder2 = 32523,
    kpDateOrder1 = 32524,
    kpStepCode3 = 32525,  // step chart step codes
    kpStepCode2 = 32526,
    kpStepCode1 = 32527,
    kpStepCode0 = 32528,
    kpValueTagSecond2 = 32529,  // value-tag attributes (kpSetValueAttribs a1, a2)
    kpValueTagSecondMinus2 = 32530,
    kpValueTagAt3 = 32531,  // first or second attribute 3
    kpValueTagFirst2 = 32532,
    kpValueTagFirstMinus2 = 32533,
    kpVectorScalingMinus1 = 32534,
    kpLineColumnKind4 = 32535,
    kpLineColumnKind3 = 32536,
    kpSwitchOn = 32537,
    kpPieAnnotation4On = 32538,
    kpPieAnnotation3On = 32539,
    kpPieAnnotation2On = 32540,
    kpPieStyle3 = 32541,
    kpPieStyle2 = 32542,
    kpPieStyle1 = 32543,
    kpCurveKind3 = 32544,
    kpCurveKind2 = 32545,
    kpGraphAxesOn = 32546,  // kpPlotGraph switch 1
    kpPolarAxesCode2 = 32547,
    kpPolarAxesCode1 = 32548,
    kpSquareWave1 = 32549,
    kpSquareWave0 = 32550,
    kpErrorBarMode1 = 32551,
    kpErrorBarStyle7 = 32552,  // error-bar styles 7 ... 1
    kpErrorBarStyle6 = 32553,
    kpErrorBarStyle5 = 32554,
    kpErrorBarStyle4 = 32555,
    kpErrorBarStyle3 = 32556,
    kpErrorBarStyle2 = 32557,
    kpErrorBarStyle1 = 32558,
    kpAxisPosition1 = 32560,
    kpAxisPosition0 = 32561,
    kpGridKind3 = 32562,
    kpPolarNegativeKind1 = 32563,
    kpPolarNegativeKind2 = 32564,
    kpGridKind1 = 32565,
    kpGridKind2 = 32566,  // also the positive kind of polar axes
    kpOption1 = 32567,
    kpOptionMinus1 = 32568,
    kpMode2 = 32569,
    kpMode1 = 32570,
    kpNone = 32571,
    kpPlotFrameOn = 32572,
    kpLineFitFlag1 = 32574,
    kpAxisAttrib9On = 32575,
    kpAxisAttrib1On = 32576,
    kpAxisAttrib1Off = 32577,
    kpCaptionStyle4 = 32578,  // axis caption styles 4 ... 1
    kpCaptionStyle3 = 32579,
    kpCaptionStyle2 = 32580,
    kpCaptionStyle1 = 32581,
    kpArrowCode1 = 32582,
    kpArrowHead1 = 32583,
    kpArrowHead0 = 32584,
    kpValuePlacement7 = 32585,  // value placements of the chart value routines
    kpValuePlacement6 = 32586,
    kpValuePlacement5 = 32587,
    kpValuePlacement4 = 32588,
    kpValuePlacement3 = 32589,
    kpValuePlacement2 = 32590,
    kpValuePlacement1 = 32591,
    kpAxisScaling5 = 32592,  // axis scaling types 5 ... 1 (4 logarithmic)
    kpAxisScaling4 = 32593,
    kpAxisScaling3 = 32594,
    kpAxisScaling2 = 32595,
    kpAxisScaling1 = 32596,
    kpRefLineType5 = 32597,
    kpAxisAttribValue2 = 32598,  // axis attributes a7, a8 value 2
    kpRefLineType1 = 32599,
    kpOff = 32761,
    kpGraphAxesOff = 32762,  // kpPlotGraph switch 0
    kpLineColumnKind2 = 32763,
    kpLineColumnKind1 = 32764,
    kpCurveKind0 = 32765,
    kpCurveKind1 = 32766,
    kpLineFitCode1 = 32767
};

// Records of the long forms; the fields of a record are consecutive reals.
struct PointRecord {
    float x, y;
};
struct ErrorBarRecord {
    float first, second;  // the error below and the error above the value
};
struct FrameRecord {
    float x1, x2, y1, y2;  // the plot frame bounds in GRFBND order
};

// Data sets and graphs.  Curve kind: the magnitude a code (kpCurveKind0..4) or a plain value,
// the sign carried.  The x and y scaling codes choose the graph type: (1, 1) linear, (4, 1)
// log x, (4, 4) log-log, (1, 4) log y, with kpAxisScaling1 / kpAxisScaling4; another pair
// repeats the type of the last call whose pair was one of these (0 before any).
void kpPlotGraph(const int& n, const PointRecord* points, const int& xScaling, const int& yScaling,
                 const int& curveKind, const int& axesSwitch);
void kpAddGraphPolyline(const int& n, const PointRecord* points);
void kpAddGraphCurve(const int& n, const PointRecord* points);
void kpAddGraphSpline(const int& n, const PointRecord* points);
void kpAddAkimaCurve(const int& n, const PointRecord* points);
// Step code 0 steps at the end of an interval, kpSquareWave1 at the start, kpSquareWave0 at
// the middle.
void kpAddSquareWave(const int& n, const PointRecord* points, const int& stepCode, const int& axis);
void kpAddGraphMarkers(const int& n, const PointRecord* points, const int& marker, const int& skip);
void kpAddGraphValues(const int& n, const PointRecord* points, const int& axis);
// Classes as records (end, value).
void kpAddPopulationGraph(const float& width, const float& centre, const int& n,
                          const PointRecord* classes, const float& divisor);
void kpFillBelowDataset(const int& n, const PointRecord* points, const float& base,
                        const int& direction, const int& fill, const int& pen);
void kpFillBetweenDatasets(const int& countA, const PointRecord* pointsA, const int& countB,
                           const PointRecord* pointsB, const int& fill, const int& pen);
void kpAddErrorBars(const int& n, const PointRecord* points, const ErrorBarRecord* errors,
                    const int& style, const int& mode, const int& direction);
// Status 0 after a fit, kpLineFitFlag1 when no fit was made (also for a count below 1, when
// the coefficients and their count are left as they were).
void kpReturnLineCoeffs(const int& fitCode, const int& n, const PointRecord* points,
                        const int& capacity, float* coefficients, int& count, int& status);

// Graph settings and drawing.
void kpSetGraphCharMode(const int& mode);  // kpOff: 0; 2: 1
void kpSetGraphScaling(const int& mode);
void kpSetPlotFrame(const FrameRecord& frame);
// Frame switch kpOff or kpPlotFrameOn.
void kpEnqPlotFrame(int& frameSwitch, FrameRecord& frame);
// Vertical justification: 1 top, 0 middle, -1 bottom.
void kpDrawGraphTitle(const char* text, int length, const int& horizontal, const int& vertical);
// Grid style from (mode, kind): kpMode1 positive, kpMode2 negative; kinds kpGridKind1..4;
// a 0 in either gives style 0; another pair repeats the last style that matched.
void kpAddGrid(const int& mode, const int& kind, const int& xOption, const int& yOption);
void kpSetGridMarker(const int& marker);
void kpEnqGridMarker(int& marker);
void kpSetCurveStartConds(const int& type, const float& t1, const float& t2, const float& p1,
                          const float& p2);
void kpSetCurveEndContitions(const int& type, const float& t1, const float& t2, const float& p1,
                             const float& p2);
void kpAddGraphLine(const float& x, const float& y);
void kpMoveToGraphPoint(const float& x, const float& y);
void kpTransformGraphPoint(const float& x, const float& y, PointRecord& kernelPoint);
void kpTransformSpacePoint(const float& kernelX, const float& kernelY, PointRecord& graphPoint);
// Caption place from (position, side): kpRefLineType1, (-1, 1), (0, 1), (1, 1),
// kpRefLineType5, (1, 0), (0, 0), (-1, 0) give places 1 to 8; another pair repeats the last
// place that matched.  Text direction 1 upright, 2 turned by 90 degrees.
void kpAddReferenceLine(const char* caption, int length, const float& value, const int& position,
                        const int& side, const int& textDirection, const int& lineDirection);
// Head: -1 outlined, 0 filled, kpArrowHead1 outlined, kpArrowHead0 open; coordinates 0 kernel
// units, kpArrowCode1 graph units.
void kpDrawArrow(const float& x, const float& y, const int& head, const int& coordinates);
void kpDefineMissingValues(const int& mode, const float& a, const float& b, const int& axis);

// Axes.
void kpSetAxesScaling(const int& scaling, const int& count, const float& minimum,
                      const float& maximum, const int& axis);
void kpEnqAxesScaling(int& scaling, int& count, float& minimum, float& maximum, const int& axis);
void kpSetAxesPos(const int& position, const float& x, const float& y, const float& length,
                  const int& axis);
// The position type comes back as 0 or 1, not as a code.
void kpEnqAxesPos(int& type, PointRecord& origin, float& length, const int& axis);
void kpSetAxesAnnotation(const int& decimals, const int& digits, const int& style, const int& axis);
void kpEnqAxesAnnotation(int& decimals, int& digits, int& labelWidth, int& style, const int& axis);
void kpSetAxesAttribs(const int& a1, const float& a2, const int& a3, const int& a4, const float& a5,
                      const float& a6, const int& a7, const int& a8, const int& a9,
                      const int& axis);
void kpEnqAxesAttribs(int& a1, float& a2, int& a3, int& a4, float& a5, float& a6, int& a7, int& a8,
                      int& a9, const int& axis);
// Ticks 0, kpMode1 or kpMode2, turned to the other side when side is 1; annotation 0 numbers
// on the usual side, 1 on the other, kpNone none.
void kpDrawAxes(const int& ticks, const int& side, const int& annotation, const int& axis);
void kpDrawAxesLabels(const int& n, const char* labels, int length, const int& position,
                      const int& axis);
// Axis 1 or 2 and side -1 or 1 give the orientation; another pair repeats the last that
// matched (each routine remembers its own).
void kpDrawAxesLabs(const int& n, const char* labels, int length, const float& position,
                    const int& axis, const int& side);
void kpDrawAxesTitle(const char* text, int length, const float& position, const int& axis,
                     const int& side, const int& justification);
void kpRestoreAxesSettings();

// Dates.
void kpSetDateAxesScaling(const int& scaling, const int& unit, const char* first, int length1,
                          const char* last, int length2, const int& axis);
void kpEnqDateAxesScaling(int& scaling, int& unit, char* first, int length1, char* last,
                          int length2, const int& axis);
void kpSetDateAxesAnnotation(const int& w1, const int& w2, const int& w3, const int& w4,
                             const int& axis);
void kpEnqDateAxesAnnotation(int& w1, int& w2, int& w3, int& w4, const int& axis);
// Only the first character of each separator text counts.
void kpSetDateFormat(const int& order1, const char* separator1, int length1, const int& order2,
                     const char* separator2, int length2);
void kpEnqDateFormat(int& order1, char* separator1, int length1, int& order2, char* separator2,
                     int length2);
void kpConvertDates(const int& n, const char* texts, int length, float* values);
void kpConvertDateToGraph(const char* text, int length, float& value);
void kpConvertGraphToDate(const float& value, char* text, int length);

// Value tags.  a7 across the text: 1 below, 0 centred, -1 above.
void kpSetValueAttribs(const int& a1, const int& a2, const float& a3, const float& a4,
                       const float& a5, const float& a6, const int& a7, const int& a8);
// offsets: the two reals that kpSetValueAttribs takes as a4 and a5, written to offsets[0] and
// offsets[1] (nothing when offsets is null).
void kpEnqValueAttribs(int& a1, int& a2, float& a3, float* offsets, float& a5, int& a6, int& a7);
void kpSetValueTags(const char* tag1, int length1, const char* tag2, int length2);

// ---- Long forms of the charts
// Records of the chart long forms; fields are consecutive 32-bit values.
struct AreaRecord {
    float a1, a2, a3, a4;  // one value for each of ARECHA's four data arrays
};
struct BarRecord {
    float start, end;
};
struct StepRecord {
    float start, end, level;
};
struct VectorRecord {
    float direction, magnitude;
    int colour;
};
struct VectorFrameRecord {
    float x1, x2, y1, y2;  // the vector frame in VECBND order
};

// Area charts.  The x and y scaling codes choose the chart type: (1, 1) linear, (4, 1) log x,
// (4, 4) log-log, (1, 4) log y, with kpAxisScaling1 / kpAxisScaling4; another pair repeats
// the type of the last call of kpPlotAreaChart whose pair was one of these (0 before any).
void kpPlotAreaChart(const int& n, const AreaRecord* areas, const int& xScaling,
                     const int& yScaling);
void kpFillAreaChart(const int& n, const AreaRecord* areas, const int& orientation,
                     const int* styles, const int* pens);
void kpAddAreaChartOutline(const int& n, const AreaRecord* areas, const int& orientation);
// Placement 0 the size; kpValuePlacement6 .. kpValuePlacement1 placements 6 .. 1.
void kpAddAreaChartValues(const int& n, const AreaRecord* areas, const int& placement,
                          const int& orientation);

// Bar charts.  (x code, y code): (kpAxisScaling5, kpAxisScaling1) categories along x, linear
// values; (kpAxisScaling5, kpAxisScaling4) logarithmic values; (kpAxisScaling1,
// kpAxisScaling5) and (kpAxisScaling4, kpAxisScaling5) categories along y.  Another pair
// repeats the type of kpPlotBarChart's last matching call (0 before any).
void kpPlotBarChart(const int& n, const BarRecord* bars, const float& fraction, const int& xCode,
                    const int& yCode, const float& categoryMinimum, const float& categoryMaximum);
void kpFillBarChart(const int& n, const BarRecord* bars, const float& fraction, const int* styles,
                    const int* pens);
// Errors of the outline are reported under "GRABAR".
void kpAddBarChartOutline(const int& n, const BarRecord* bars, const float& fraction);
// Placement kpValuePlacement1 start, kpValuePlacement2 end, kpValuePlacement5 end - start.
void kpAddBarChartValues(const int& n, const BarRecord* bars, const float& fraction,
                         const int& placement);

// Histograms take the values as they are; a bad count is reported by the legacy routine.
// Scaling kpAxisScaling4 logarithmic values, kpAxisScaling1 linear.
void kpPlotHistogram(const int& n, const float* values, const float& fraction, const int& scaling,
                     const float& categoryMinimum, const float& categoryMaximum);
void kpFillHistogram(const int& n, const float* values, const float& fraction, const int* styles,
                     const int* pens);
// Errors of the outline are reported under "GRAHIS".
void kpAddHistogramOutline(const int& n, const float* values, const float& fraction);
void kpAddHistogramValues(const int& n, const float* values, const float& fraction);

// Step charts.  Scaling pair as for kpPlotAreaChart (remembered apart).  Step codes
// kpStepCode3 columns, kpStepCode2 closed profile, kpStepCode1 connected, kpStepCode0 treads.
void kpPlotStepChart(const int& n, const StepRecord* steps, const float& base, const int& xScaling,
                     const int& yScaling, const int& stepCode);
void kpFillStepChart(const int& n, const StepRecord* steps, const float& base,
                     const int& orientation, const int* styles, const int* pens);
void kpAddStepChartOutline(const int& n, const StepRecord* steps, const float& base,
                           const int& stepCode, const int& orientation);
// Placement kpValuePlacement7 height, kpValuePlacement6 level, kpValuePlacement5 width,
// kpValuePlacement2 end, kpValuePlacement1 start.
void kpAddStepChartValues(const int& n, const StepRecord* steps, const float& base,
                          const int& placement, const int& orientation);

// Vector charts.  kpAddVectors takes nx x ny records, the x index running fastest; nothing is
// called when nx x ny is below 1 or above the int range; two negative counts are reported
// by VECGRA without a record read.  Head: -1 outlined, 0 filled, kpArrowHead1 outlined,
// kpArrowHead0 open.  Placement mode kpVectorScalingMinus1, 0 or kpSwitchOn.
void kpSetVectorChartFrame(const VectorFrameRecord& frame);
void kpEnqurireVectorChartFrame(VectorFrameRecord& frame);
void kpSetVectorLimits(const float& a, const float& b);
void kpEnqVectorLimits(float& low, float& high);
void kpAddVectors(const int& nx, const int& ny, const VectorRecord* vectors, const int& head);
void kpSetVectorAttribs(const int& mode, const float& p, const float& q, const float& factor);
void kpEnqVectorAttribs(int& mode, float& low, float& high, float& factor);
void kpRestoreVectorSettings();

// Polar charts.  Mode kpAxisScaling1..3.  Axes style from (mode, kind): kpMode1 with
// kpGridKind2 1, kpMode2 with kpGridKind2 2, kpMode1 with kpPolarNegativeKind1/2 -1, kpMode2
// with them -2, a 0 in either 0; another pair repeats the last style that matched.  Label
// option 0 or kpOption1; part kpPolarAxesCode1 or kpPolarAxesCode2.  Curve kind as for
// kpPlotGraph.
void kpSetPolarChartAttribs(const float& centreX, const float& centreY, const float& radius,
                            const int& mode);
void kpDrawPolarAxes(const int& mode, const int& kind, const int& option, const int& count,
                     const float& range, const int& part);
void kpPlotXYPolarChart(const int& n, const PointRecord* points, const int& curveKind);

// Pie charts.  Annotation style kpPieStyle1..3, switches 0 or kpPieAnnotation2On,
// kpPieAnnotation3On, kpPieAnnotation4On.  Box type 1 cut out of the fill, 2 outlined.
// Bound switch 1 draws the segment outlines, 0 leaves them out.
void kpSetPieChartStartAngle(const float& angle);
void kpSetPieChartAnnotation(const int& mode, const int& labelSwitch, const int& percentSwitch,
                             const int& valueSwitch, const float& threshold);
void kpEnqPieChartAnnotation(int& mode, int& labelSwitch, int& percentSwitch, int& valueSwitch,
                             float& threshold);
void kpSetPieChartBoxType(const int& type, const int& fillStyle, const int& pen);
void kpSetPieChartBoundSwitch(const int& boundSwitch);
void kpPlotPieChart(const int& n, const float* values, const char* labels, int length,
                    const int* fillStyles, const int* pens);
void kpEnqPieChartSettings(float& radius, PointRecord& centre, float& startAngle);
void kpSetPieChartExplosion(const int& count, const int* numbers, const float* distances);
void kpSetPieChartFrame(const float& radius, const float& centreX, const float& centreY);
void kpRestorePieChartSettings();
void kpAddPieChartSegment(const float& a1, const float& a2, const float& value, const char* label,
                          int length, const int& fillStyle, const int& pen);

// Text charts.  Title switch 0 or kpSwitchOn.  Line kinds kpLineColumnKind1..4.
void kpSetTextChartAttribs(const float& width, const float& height, const int& justification,
                           const int& titleSwitch, const int& framePen);
void kpEnqTextChartAttribs(float& width, float& height, int& justification, int& titleSwitch,
                           int& framePen);
void kpDisplayLineColumn(const float& x, const float& y, const int& n, const int* pens,
                         const int& kind, const char* title, int titleLength);
void kpDisplayFillColumn(const float& x, const float& y, const int& n, const int* styles,
                         const int* pens, const char* title, int titleLength);
void kpDisplayGeneratedColumn(const float& x, const float& y, const int& n, const float& first,
                              const float& last, const char* title, int titleLength);
void kpDisplayPercentageColumn(const float& x, const float& y, const int& n, const float* values,
                               const char* title, int titleLength);
void kpDisplayStringColumn(const float& x, const float& y, const int& n, const char* strings,
                           int length, const char* title, int titleLength);
void kpDisplayMarkerColumn(const float& x, const float& y, const int& n, const int* symbols,
                           const int* pens, const char* title, int titleLength);
void kpDisplayValueColumn(const float& x, const float& y, const int& n, const float* values,
                          const char* title, int titleLength);

TARV_API_END

#endif
