// tplotlib.h - the graph and chart library TPLOTLIB as programs call it.
//
// Every routine is exported under its legacy six-letter name and, where it has one, its long
// form (kp...).  Calling convention: every argument by reference (inputs const int& /
// const float&, outputs and in/out int& / float&), arrays as pointers, a text as
// (pointer, length) with the length by value right after it.  Integers are 32-bit, reals
// single precision.  Axis arguments: 1 is the x axis, any larger value the y axis (where a
// comment says otherwise, the comment holds).
//
// Units.  Picture units are the coordinates of the kernel's picture space (kernelSetPictureSpace,
// default 0..1000 by 0..750; also called kernel units).  Data units are the values on the two
// axes as AXISCA (or a routine that scales from the data) laid them out; a logarithmic axis
// takes the values themselves, not their logarithms.  Angles are in degrees, counter-clockwise
// from the x direction.  Character sizes are the kernel's (kernelSetCharSize) as they stand
// when the routine is called.  Pens, colours, fill styles, line styles and markers are the
// kernel's codes: see tarvcore.h.
//
// Order.  The library has no open or close routine: the first call of any routine in the
// process gives every setting its default and marks the library open in the kernel
// (library 1).  A routine that draws draws through the kernel, so open an output first
// (kernelSelectOutput, kernelOpenDevice); without an open device nothing reaches a file.
// Set the picture space and the character size before the first graph routine: at the entry
// of every routine the plot area (the picture space, or the GRFBND frame) is read again, and
// an axis not placed by AXIPOS, the pie frame (until PIEPAP) and the polar layout (until
// SETPOL) are laid out anew from it and the character size.  Settings last until set again or
// restored (AXISET, PIESET, VECSET).  Routines that draw "on the current axes" map data units
// through the axes as last positioned and scaled (by AXIPOS and AXISCA, or by GRAPH and the
// chart plot routines); before any of these the axes run from 1 to 10 in 9 intervals along
// the plot area.
//
// Kernel state.  Routines that write text or markers save the caller's text attributes, text
// position, justification and line attributes at entry and give them back at exit; the other
// drawing routines draw with the caller's current pen, colour and line style and leave them.
// With graph character mode 1 (the default, GRFMOD) the library sets the kernel's text mode
// for its own texts.
//
// Counts: a routine reads exactly the elements its comment names, in terms of its arguments,
// and no more; a count it refuses (reported as an error) reads nothing, and a null array it
// needs counts as a refused count.  An input text is read for its length (nothing for a
// length of 0 or below, or a null pointer); an output text is written for exactly its length,
// blank padded and never with a terminator (nothing for a length of 0 or below, or a null
// pointer).
//
// Numbers.  Errors and warnings reach the kernel (kernelReportError: stderr and
// tarv::errorLog()) under the routine's name, "kpPlotGraph(GRAPH)" or the bare legacy name
// where there is no long form.  The numbers below are those the user sees, 500 away from zero:
// a positive number is an error (the routine draws or stores nothing more and returns, except
// for 502, 510, 513, 514 and 557 where the comments say it goes on), a negative number a
// warning (the routine goes on with the corrected value named).  Numbers any routine may
// report at its entry: 510 a side of the plot area below 0.00001 (the area stands and the
// routine goes on); -511 / -512 the default x / y axis does not fit the plot area (13
// character widths or less across, or 10 character heights or less up): it starts 0.2 / 0.1
// of the area in and is 0.7 / 0.8 of the area's width / height plus 1 picture unit long.
// Numbers of any routine that maps data units onto the current axes: 513 / 514 an x / y value
// not above 10 x the kernel's smallest normal real ("tiny"; in effect 0 or below) on a
// logarithmic axis: reported each time, and the routine goes on with that coordinate at
// picture coordinate -10 itself, not scaled by the axis (with the default picture space just
// left of or below the picture), so a line runs to there and a marker or label stands there;
// 502 the same for a value of a bar, histogram or population column.  The routines that scale
// the axes from the data (GRAPH, ARECHA, STPCHA) draw nothing on 513 / 514 instead.
//
// Threads.  The library keeps one state for the process and draws through the kernel's one
// output: call it from one thread at a time (see tarvcore.h).
#ifndef TPLOTLIB_H
#define TPLOTLIB_H

#include "tarvconfig.h"

TARV_API_BEGIN

// ---- Axis positions and scaling
// Places an axis: (x, y) its start and length its length, in picture units.  Position type 0
// (and below): (x, y) is where value 0 lies when the axis range holds 0 (the axis start moves
// back by the length of the part below 0), otherwise the start; type 1 and above: always the
// start.  The axis stops following the plot area (until AXISET) and becomes the current axis.
// Numbers: -517 length not above 1e-10 (or not finite): the old length stays.
void AXIPOS(const int& type, const float& x, const float& y, const float& length, const int& axis);
// Scales an axis from minimum to maximum (data units; minimum above maximum runs the axis
// backwards).  type 1 linear, a nice step (1, 2 or 5 x a power of ten) near range / count,
// the range widened outward to whole steps; 2 linear, exactly `count` nice steps covering the
// range (but 2 for count 1 over a range on both sides of 0); 3 linear, exactly `count` equal
// intervals from minimum to maximum; 4 logarithmic, widened to whole decades (count not read);
// 5 `count` values from minimum to maximum at the centres of `count` cells (categories of bars
// and histograms).  The axis becomes the current axis; the layout is worked out by the next
// routine that draws on it.
// Numbers: -518 type outside 1..5: 3 used; -519 count below 1 or above 1000000 (not type 4): 9;
// -520 range too narrow for the kernel: widened about the minimum, or an end not finite: the
// range 1 to 10; 513 / 514 a logarithmic x / y axis with an end not above 10 x tiny: that end
// replaced by the reciprocal of the other end (1 divided by it: 0 to 100 gives 0.01 to 100)
// when that is 1 or more, else the minimum by 100 x tiny, the maximum by 1000 x tiny.
void AXISCA(const int& type, const int& count, const float& minimum, const float& maximum,
            const int& axis);
// Minor-tick measure of an axis: how many half characters the library may assume between two
// ticks when it chooses the minor ticks (9 or more: at tenths, 4..8 at fifths, 1..3 at the
// half, 0 none); negative (the default -1) measures the real spacing.  Stored unchecked; the
// axis becomes the current axis, laid out afresh by the next routine that draws on it.
void AXIINT(const int& interval, const int& axis);
// Both axes back to their default positions (following the plot area) and settings: linear
// type 3, 1 to 10 in 9 intervals, annotation and attributes as at first use; the plot frame
// (GRFBND) is switched off and the polar layout follows the plot area again.
void AXISET();

// ---- Restore routines of the chart settings
// Every pie setting back to its default (PIEANG 0, PIEANN 2, 1, 0, 0, 0, PIEBOX 3, -1, 0,
// PIEBSW 0, no explosion, the pie frame following the plot area); switches the plot frame
// (GRFBND) off as well.
void PIESET();
// Every vector setting back to its default: no VECBND frame, VECSCA 0, 0, 0, 1, VECCLP 0, 0.
void VECSET();

// ---- Axis drawing, grids, titles
// Draws the current layout of one axis (AXIPOS, AXISCA, AXIANN, AXIATT) with its ticks,
// numbers and exponent caption, and makes it the current axis.  x axis: ticks > 0 down, < 0
// up, annotation > 0 numbers below, < 0 above; y axis: ticks > 0 right, < 0 left, annotation
// > 0 numbers right, < 0 left.  |ticks| >= 2 adds minor ticks (never on a type 5 axis);
// ticks 0 draws the line only; annotation 0 no numbers and no caption.  Ticks and numbers are
// half a character long / one character away from the line.  Numbers go to the first 400
// ticks at most; the ticks beyond stay bare.
// Numbers: -520 the range is so narrow that the axis would be steeper than the kernel takes:
// widened (a logarithmic one to a decade); -525 a row of more than 500 ticks (grid markers:
// 100) closer than a thousandth of the plot area's larger side (grid markers: a two-hundredth):
// ticks are stepped over so that those drawn stand that far apart; minor ticks that close are
// all left out when they and the major ticks number more than 500.
void AXIDRA(const int& ticks, const int& annotation, const int& axis);
// Draws both axes as a frame about the plot: the rectangle from the start to the end of the x
// and of the y axis.  style 0 the frame, with lines at value 0 of linear axes that hold it;
// 1 ticks on all four sides and a marker (GRDSYM) at every inner grid point; 2 ticks on all
// four sides and the value-0 lines; 3 grid lines across the frame at the ticks; 4 as 3 (a
// negative -4 draws the minor lines at line width 0, the major ones again at the caller's
// width); a negative style adds minor ticks or lines; |style| 5 or more acts as 1.  Options
// for the numbers on the bottom (x) and left (y) sides: 1 numbers, 0 none, -1 no numbers and,
// with styles 1 and 2, no ticks on that side; other values 1.  The ticks point into the frame
// (out of it on all four sides when either axis has scaling type 5).
// Numbers: -520 and -525 for each axis, as for AXIDRA.
void GRID(const int& style, const int& xOption, const int& yOption);
// Title beside an axis: |axis| 1 or 0 the x axis, larger the y axis (written upward); the sign
// of `axis` is the side: x axis positive: the last line's baseline at `position` (a picture y),
// earlier lines above it; negative: the text hangs below `position`.  y axis positive: the text
// stands left of the picture x `position`; negative: right of it.  Justification -1 at the start,
// 0 centred (also for other values), 1 at the end of the axis.  Trailing blanks are not drawn; a
// blank text draws nothing.
void AXNSTR(const char* text, int length, const float& position, const int& axis,
            const int& justification);

// ---- Annotation
// Numbers of an axis (axis 2 or more: y, else x).  decimals: negative exactly that many, 0..9
// at most that many (as few as show the step); digits: w of -15..15 always takes 10^w out of
// the numbers; any other value is stored as 40 (a power of ten taken out only when it lies
// outside -2..2), or with style 3 or 4 as 41 (only in multiples of 3, and the style turns to
// 1 without a warning); caption style of that power of ten: 0 none, 1 x10 and the raised
// exponent, 2 the factor in digits, an apostrophe standing for the axis's number ('000 for
// 10^3, 0.00' for 10^-3: not 1000 or 0.001), 3 a word (Thousand, Million ...), 4 a unit prefix
// (kilo-, mega- ...), 3 and 4 only with digits a multiple of 3 of -15..15.  Defaults 2, 40, 1.
// The numbers of a logarithmic axis read no decimals: with digits 0 or beyond +-15 (the
// default 40 among them) each decade 10^e is written as its exponent e (-3, 0, 2) under the
// caption Log10 (no caption with style 0); with digits d of 1..15 (sign dropped) 10^e is
// written in full for |e| below d (0.001, 100) and as 1E<e> from |e| = d on, with no caption.
// So AXIANN(0, 15, 1, axis) writes every decade from 10^-14 to 10^14 in full.  Any digits
// below 40 also divide the value labels on that axis (GRAVAL, the chart value routines) by
// 10^digits, on a logarithmic axis too (digits 15: a label of 250 reads 0).
// Numbers: -507 decimals outside -9..9: 2; -509 style outside 0..4, or 3 / 4 with digits of
// -15..15 not a multiple of 3: style 1.
void AXIANN(const int& decimals, const int& digits, const int& style, const int& axis);
// Placement of the numbers and labels of an axis.  a1 1: numbers, labels and caption at
// picture coordinate a2 across the axis (a y for the x axis, an x for the y axis), any other
// value beside the axis line; a3 the first label drawn (1 and below: the first); a4 labels
// left out between two drawn (negative: as many as keep them apart); a5 shift along the axis
// in tick spacings (stored only when axis is exactly 1 or 2); a6 text angle in degrees;
// a7 / a8 justification across / along the baseline, as a7 / a8 of VALATT (2: chosen by axis
// and side: below the x axis -1, else 1; along, 0 on the x axis, the y axis's numbers ending
// at the anchor on the left side and starting there on the right);
// a9 1: characters made smaller when the labels do not fit the tick spacing (only with a4 0
// or above: a negative a4 leaves labels out instead).
// Defaults 0, 0, 0, -1, 0, 0, 2, 2, 0.  Numbers: -545 a7 or a8 outside -1..2: 2.
void AXIATT(const int& a1, const float& a2, const int& a3, const int& a4, const float& a5,
            const float& a6, const int& a7, const int& a8, const int& a9, const int& axis);
// The nine values AXIATT stored for an axis, in its order.
void AXTENQ(int& a1, float& a2, int& a3, int& a4, float& a5, float& a6, int& a7, int& a8, int& a9,
            const int& axis);
// Decimals, digits and caption style as AXIANN stored them, and the width in characters of
// the widest number of the axis as it is laid out now (the axis is laid out first; it becomes
// the current axis).
void AXNENQ(int& decimals, int& digits, int& labelWidth, int& style, const int& axis);
// Position type (0 or 1), start x, y and length (picture units) of an axis: the AXIPOS values
// or the default position.
void AXPENQ(int& type, float& x, float& y, float& length, const int& axis);
// Scaling type, interval count and range of an axis as laid out now (both axes are laid out
// first): the range widened to whole steps; a type 5 axis gives one interval less than its
// cell count and its minimum - 0.5 and maximum + 0.5 (0.5 whatever the step between cells);
// a date axis gives the negated date scaling code.
void AXSENQ(int& type, int& count, float& minimum, float& maximum, const int& axis);
// Label texts at the ticks of an axis, the first label at the first tick (the texts used
// again from the first when there are more ticks than texts), on the side of `side`'s sign
// (as the numbers of AXIDRA), placed by AXIATT; blank texts are passed over.  count * length
// characters read (count texts of `length` characters each), none when count or length is 0
// or below, labels is null or side is 0 (then nothing is drawn).
void AXISTR(const char* labels, int length, const int& count, const int& side, const int& axis);
// Label texts at the ticks of an axis, text i at tick i (used again from the first when there
// are more ticks than texts), drawn only at every s-th tick from the first, s the fewest tick
// spacings the widest label (on the y axis the label of most lines) needs: the texts of the
// ticks between are left out.  At picture coordinate `position` across the axis; orientation
// 1 or -1 the x axis (labels centred on their ticks), other values the y axis (the last line's
// baseline at the tick), the sign the side (negative: below the position / left of it).
// labels: count * length characters read as for AXISTR.
void AXLSTR(const char* labels, int length, const int& count, const float& position,
            const int& orientation);

// ---- Dates
// Dates are plotted as day numbers (day 1 = 13 September 1752, Gregorian calendar; 1 January
// 1900 is day 53801).  Date texts have three fields of digits between two separators: the
// outer ones 1, 2 or 4 digits, the middle one 1 or 2; years below 100 read as 1950..2049.
// Order code 1 day-month-year, 2 month-day-year, 3 year-month-day.  Format 1 is that of the
// texts read and written for the caller, format 2 that of the numbers of date axes; both
// default to code 1 and "/".  DATFOR reads only the first character of each separator (none,
// leaving the separator as it was, when its length is below 1 or it is null); DATFOQ writes
// only that first character (nothing when the length is below 1 or the text is null) and
// leaves the rest of the text alone.  Numbers of every routine that reads a date text (it goes
// on with the value named): 557 a text that does not read as three such fields (the value of
// 1 January 1900) or a date before day 1 (the value 0); -557 its day or month out of range
// (the fields are used as read and run over: 32/13/2000 is 1 February 2001).  DATFOR: -555 an
// order code outside 1..3: 1.
void DATFOR(const int& order1, const char* separator1, int length1, const int& order2,
            const char* separator2, int length2);
void DATFOQ(int& order1, char* separator1, int length1, int& order2, char* separator2, int length2);
// Date text to value (length characters read; a null text reads as an empty one, which names
// no date: error 557 and the value of 1 January 1900), value to date text (length characters
// written, laid out by the DATANN words of the x axis in the order of format 1; blank when
// the value is no date; nothing when the text is null).
void DATGRA(const char* text, int length, float& value);
void GRADAT(const float& value, char* text, int length);
// count date texts of `length` characters each (count * length characters read) to count
// values written; nothing when count is 0 or below or values is null.  Null texts read as
// count empty texts: error 557 for each and every value that of 1 January 1900.
void DATCON(const char* texts, int length, const int& count, float* values);
// Date scaling of an axis from the first to the last date: code 1 automatic unit (the shortest
// whose dates have room) and the ends moved out to its boundaries (a week axis keeps the first
// date's weekday), 2 the ends moved out to boundaries of `unit` (weeks start on Monday), 3 whole
// units from the first date; unit 1 ten years, 2 years, 3 months, 4 weeks, 5 days (the unit of
// codes 2 and 3).  Equal dates give a range of 10 days (warnings -519 and -520).  Axis 1 is x, any
// larger value y (unlike DATANN, where only 2 is y).  DATSCA reads length1 and length2 characters
// (a null text as an empty one, as DATGRA does).  DATSCQ gives the code (0 for an axis without
// date scaling), the unit asked for and, as texts laid out by the DATANN words of the same axis,
// the ends of the axis range as laid out: exactly length1 and length2 characters (nothing into a
// null text).
// DATSCA numbers: -518 code outside 1..3: 1; -556 unit outside 1..5: 5; 557, -557 for the
// texts; those of AXISCA for the range.
void DATSCA(const int& code, const int& unit, const char* first, int length1, const char* last,
            int length2, const int& axis);
void DATSCQ(int& code, int& unit, char* first, int length1, char* last, int length2,
            const int& axis);
// Date annotation words of an axis (2 = y, any other value x): weekday, day, month (-9..1:
// 0 left out, 1 digits, negative names or ordinals of that many characters), year (0 left
// out, 2 or 4 digits).  Defaults 0, 1, 1, 2: 25/12/99.
// DATANN numbers: -555 a word out of range: its default.
void DATANN(const int& w1, const int& w2, const int& w3, const int& w4, const int& axis);
void DATANQ(int& w1, int& w2, int& w3, int& w4, const int& axis);

// ---- Curves and markers
// Data sets on the current axes; x and y in data units, n points: n values read from each of
// x and y, none when n is below 2 (error 515).  GRAPOL breaks at missing values (VALMIS);
// the three curves go through every point, in the current line style, with the end
// conditions of CURBEG and CURFIN (with free ends a closed data set joins smoothly).
void GRAPOL(const float* x, const float* y, const int& n);  // polyline
void GRACUR(const float* x, const float* y, const int& n);  // smooth curve
void GRASPL(const float* x, const float* y, const int& n);  // spline
void GRAAKI(const float* x, const float* y, const int& n);  // Akima curve
// Square wave through the n points (n read from each of x and y; error 515 below 2): step
// mode 0 steps at the middle, 1 at the start, -1 at the end of an interval; axis 1 steps
// along x, 2 (and more) along y.  Numbers: -547 step mode outside -1..1: 0.
void GRASQU(const float* x, const float* y, const int& n, const int& stepMode, const int& axis);
// Markers (kernel marker numbers, see tarvcore.h) at every (skip + 1)th point: x[i], y[i]
// read for i = 0, skip + 1, ... below n; missing values (VALMIS) skipped.
// Numbers: 516 n below 1; -526 skip below 0: every point; -527 a negative marker: 1.
void GRASYM(const float* x, const float* y, const int& n, const int& marker, const int& skip);
void GRAMOV(const float& x, const float& y);  // pen to a data point (draws nothing)
void GRALIN(const float& x, const float& y);  // line from the pen to a data point
// Start / end condition of the curves of GRACUR, GRASPL, GRAAKI, GRAPH and POLXY from now on:
// type < 0 the neighbour point (p1, p2) in data units before the first / after the last
// point, 0 free (the default), > 0 the tangent (t1, t2) in picture units.  The values of the
// other kind stay as they were.
void CURBEG(const int& type, const float& t1, const float& t2, const float& p1, const float& p2);
void CURFIN(const int& type, const float& t1, const float& t2, const float& p1, const float& p2);
// Missing values: a point whose x (axis 1) or y (axis 2 and more) value v matches is left
// out of polylines (the line breaks there), markers and value labels.  mode 0 none (the
// default), 1 v = a or v = b, 2 v > a, 3 v >= a, 4 v < a, 5 v <= a, 6 outside [a, b],
// 7 inside [a, b].  Numbers: -558 mode outside 0..7: 0.
void VALMIS(const int& mode, const float& a, const float& b, const int& axis);

// ---- Whole graphs
// Whole graph from data: both axes placed by default and scaled from the data (GRASCA mode
// applies) and drawn, then the data.  type 0 linear, 1 log x, 2 log y, -1 log-log (others 0);
// line code |1| polyline, |2| smooth curve, |3| spline, 0 markers only (a code <= 0 adds
// marker 8; others 1); axes 1 draws two axes through value 0 of the data (at the start of a
// range that does not hold 0) and leaves them placed there as AXIPOS type 0 does (until AXISET
// or the next routine that places both axes by default), any other value a frame with ticks
// and numbers (as GRID -2, 1, 1).  n values read from each of x and y.
// Numbers: 515 n below 2, nothing drawn; 513 / 514 log x / y data not above 10 x tiny,
// nothing drawn; those of AXISCA and GRID.
void GRAPH(const float* x, const float* y, const int& n, const int& type, const int& lineCode,
           const int& axes);
// Population graph on the current axes: class i spans ends[i] - width to ends[i] along the
// value axis (data units) and is drawn symmetrically about `centre` on the category axis
// (the axis of scaling type 5) with half-width values[i] x one category interval / divisor
// (a divisor of about 0 counts as 1).  The two sides of a class run straight from the
// half-width of the class before it (0 for the first of a run of classes above 0) at its low
// end to its own half-width at ends[i], and the last class of a run closes to a point on the
// centre at ends[i] + width; a class of value 0 or below draws nothing and ends the run.  n
// values read from each of ends and values.
// Numbers: 501 n below 1; -503 not exactly one axis of type 5: x is the category axis; 502.
void GRAPOP(const float& width, const float& centre, const float* ends, const float* values,
            const int& n, const float& divisor);
// Graph scaling mode of GRAPH, ARECHA and STPCHA: 0 none (the default), 1 one range for both
// axes, 2 the shorter range widened to the span of the longer (when they differ by more than
// 1), 3 equal value per interval on both axes, 4 equal length per interval.
// Numbers: -559 mode outside 0..4: 0.
void GRASCA(const int& mode);
// Plot frame: the rectangle (picture units, either order) that is the plot area from the
// next routine on, instead of the picture space; AXISET and PIESET switch it off.
// Numbers: -550 narrower than 0.00001 either way: switched off (the bounds are kept).
void GRFBND(const float& x1, const float& x2, const float& y1, const float& y2);
// Frame switch (1 on, 0 off) and the plot area bounds: the frame's when it is on, else the
// picture space.
void GRBENQ(int& frameSwitch, float& x1, float& x2, float& y1, float& y2);
// Graph character mode: 1 (the default, also for any value but 0) the library sets its own
// text mode for its texts, 0 the kernel's text settings stay as the caller made them.
void GRFMOD(const int& mode);
// Marker of the marker grid of GRID style 1 (a negative marker: 3, the default), and its
// enquiry.
void GRDSYM(const int& marker);
void GRDSYQ(int& marker);
// Graph title in the plot area (trailing blanks not drawn): horizontal -1 starting 5 % of the
// area's width in from the left, 1 ending 5 % in from the right, else centred; vertical 0
// middle, 1 bottom (0.2 character heights above it), else the first baseline 1.5 character
// heights below the top.
// Numbers: 540 the text is blank.
void GRFTTL(const char* text, int length, const int& horizontal, const int& vertical);

// ---- Value tags
// Value tags written before and after each value label of GRAVAL, the chart value routines
// and the value columns of text charts: length1 and length2 characters read, at most 30 of
// each kept (trailing blanks dropped; a blank tag writes nothing).
// Numbers: -544 a tag longer than 30 characters: cut.
void VALTXT(const char* tag1, int length1, const char* tag2, int length2);
// Value label attributes: a1, a2 placement in x, y: 3 at data value a3, 1, 2 one character
// right / up, -1, -2 one character left / down, 0 at the point (the chart value routines:
// -2, -1 the low end, 0 the middle, 1, 2 the high end of the item, moved one character:
// -2 and 2 outward, -1 and 1 inward); a4, a5 offsets in picture units; a6 text angle in
// degrees; a7 across the text, the baseline of a one-line label put below the point by:
// -1 one character height (the text hangs from the point), 0 three quarters of it, 1 half of
// it (centred on the point); a8 along it: 0 centred, 1 ends at the point, -1 starts there.
// All default 0.
// Numbers: -546 a1 or a2 outside -2..3: 0; -545 a7 or a8 outside -1..1: 0.
void VALATT(const int& a1, const int& a2, const float& a3, const float& a4, const float& a5,
            const float& a6, const int& a7, const int& a8);
// The eight values VALATT stored, in its order.
void VATENQ(int& a1, int& a2, float& a3, float& a4, float& a5, float& a6, int& a7, int& a8);
// Labels of the data values on the current axes (tag 1, the number, tag 2), placed by VALATT:
// selector 2 the y values, otherwise the x values.  The number has the decimals of that axis's
// AXIANN (negative exactly, else at most that many) and is divided by 10^digits only when its
// digits are below 40 (no power of ten is taken out under 40 or 41); a number that needs more
// than 30 characters is written as 30 asterisks.  n values read from each of x and y; missing
// values (VALMIS) get no label.
// Numbers: 515 n below 1; -552 selector outside 1..2 (the x values are written).
void GRAVAL(const float* x, const float* y, const int& n, const int& selector);

// ---- Line fit
// Least-squares line through n points (draws nothing): n values read from each of x and y
// (none when n is below 2, error 541, or when capacity is below 1 or coefficients is null,
// error 542).  coefficients[0] := intercept and, only when capacity > 1, coefficients[1] :=
// slope: at most min(capacity, 2) values written, none without a fit.  count 2 (even when
// capacity is 1) and status 0 after a fit, count 0 and status 1 otherwise (also, without a
// report, when all x are equal).  fitCode is not read.
void LINFIT(const int& fitCode, const float* x, const float* y, const int& n, const int& capacity,
            float* coefficients, int& count, int& status);
// Data point to picture coordinates on the current axes, and back (draw nothing).
// GRASPA numbers: 513 / 514.
void GRASPA(const float& x, const float& y, float& kernelX, float& kernelY);
void SPAGRA(const float& kernelX, const float& kernelY, float& x, float& y);

// ---- Fills, error bars, reference lines, arrows
// Reference line across the plot, from the start to the end of the other axis, at x = value
// (line direction 1 or less) or y = value (2 or more), drawn only when the value lies on its
// axis; caption at position 1..8 around it (a vertical line: 1 below, 2-4 up its left side,
// 5 above, 6-8 down its right side; a horizontal line: 1 left, 2-4 above from left to right,
// 5 right, 6-8 below from right to left); text direction 1 turns the caption by 90 degrees.
// Numbers: -543 position outside 1..8: 1.
void REFLIN(const char* caption, int length, const float& value, const int& position,
            const int& textDirection, const int& lineDirection);
// Area between a data set and a base line at value `base`: a vertical line at x = base
// (direction 1 or less) or a horizontal one at y = base (2 or more), held within its axis.
// Fill code: the kernel's fill style (see tarvcore.h), -1 the outline only, below -1 nothing;
// pen: the kernel pen of the fill or outline (an outline leaves the kernel's pen set to it).
// Missing values are not left out.
// n values read from each of x and y (none when n is below 1, or the fill code is below -1).
// Numbers: 515 n below 1; -508 a negative pen: its absolute value.
void GRAFIL(const float* x, const float* y, const int& n, const float& base, const int& axis,
            const int& fillCode, const int& pen);
// Band between two data sets of nA and nB points (at least 2 each), fill code and pen as for
// GRAFIL (an outline too leaves the pen set); the outline is the two data lines and the two end
// edges.  nA values read from each of xA and yA and nB from each of xB and yB (none when either
// count is below 2 or the fill code is below -1).  Numbers: 515 a count below 2; -508 a negative
// pen.
void GRAFI2(const float* xA, const float* yA, const int& nA, const float* xB, const float* yB,
            const int& nB, const int& fillCode, const int& pen);
// Error bars at the n points: ends at the value + e1 and the value - e2 (data units, signs
// kept), along y (direction 1 or less) or x (more than 1); end marks, half a character width
// in size: 0 none, 1 cap, 2 fork, 3 / 4 hollow / solid triangle with its base on the end,
// 5 arrowhead, 6 / 7 hollow / solid triangle pointing at the end; mode 0 marks only, other
// values also the line between the ends.  n values read from each of x, y, e1 and e2.
// Numbers: 538 n below 1; -527 style outside 0..7: 1.
void GRAERB(const float* x, const float* y, const float* e1, const float* e2, const int& n,
            const int& style, const int& mode, const int& direction);
// Arrow from the current pen position to (x, y): coordinates 0 picture units, 1 data units;
// head style 0 open, 1 outlined, 2 filled, one character width long (half the arrow when it
// is shorter), always drawn with a solid line.
// Numbers: -528 style or coordinates out of range: 0; -529 the end on the pen position:
// nothing drawn.
void ARROW(const float& x, const float& y, const int& style, const int& coordinates);

// ---- Charts

// ---- Bar, histogram, area and step charts
// Each family: a plot routine (both axes placed by default and scaled from the data, drawn as
// a frame with numbers, then the outlines), a fill routine and an outline routine on the
// current axes (so that outlines can be laid over fills), and a value routine that writes one
// value label per item (VALTXT tags, VALATT placement: see VALATT for the chart meaning of a1
// and a2; a1 / a2 = 3 places the label at data value a3).  Fill styles (see tarvcore.h) below
// -1 skip an item, -1 outlines it; pens pass as their absolute values (a pen below -1 warns
// -508 once).  Orientation 2 or more exchanges x and y.  Every routine reads n values from
// each of its data arrays and, for the fill routines, n fill styles and n pens (all n pens are
// read even where a style skips the item); a count below 1 or a null array reads nothing and
// gives the family's count error (bar charts and histograms 501, area charts 534, step charts
// 535).  The outline and fill routines draw with the caller's current pen and line style.

// Bars from start to end values (data units).  bar type: |type| 1 categories along x
// (vertical bars), 2 along y; negative makes the value axis logarithmic.  The categories are
// numbered from category minimum to maximum in n - 1 equal steps (no numbers when they are
// equal).  Width fraction 0..1 of a category step (clamped; 1: touching bars share one
// outline).  BARCHA numbers: -503 |type| not 1 or 2: 1; 504 logarithmic and a value not above
// 10 x tiny: nothing drawn.
void BARCHA(const float* start, const float* end, const int& n, const int& type,
            const float& fraction, const float& categoryMinimum, const float& categoryMaximum);
// Fills each bar as a box (a box less than 0.00001 high in picture units is not filled: its
// extent along y, the bar's width for bars along y; HISFIL too); the category axis is y when
// only y has scaling type 5, else x.
void BARFIL(const float* start, const float* end, const int& n, const float& fraction,
            const int* styles, const int* pens);
// Bar outlines on the current axes (two names of one routine); the category axis is the one
// of scaling type 5.  Numbers: -503 not exactly one axis of type 5: x is the category axis.
void GRABAR(const float* start, const float* end, const int& n, const float& fraction);
void BARGRA(const float* start, const float* end, const int& n, const float& fraction);
// Value labels: placement 1 the start value, 2 the end value, 3 end minus start.
// Numbers: -552 placement outside 1..3: 3.
void BARVAL(const float* start, const float* end, const int& n, const float& fraction,
            const int& placement);

// Histogram columns from the base line (value 0, or the end of the value axis nearer to it) to the
// values, categories along x (HISCHA; the others: y when only y has scaling type 5); every column
// outline is open along the base line, and touching columns (fraction 1) form one.  HISCHA: scaling
// code 1 logarithmic value axis, any other linear; category minimum and maximum as for BARCHA.
// HISCHA numbers: 504 logarithmic and a value not above 10 x tiny: nothing drawn; -520 all values
// equal: the range stretched to 0.
void HISCHA(const float* values, const int& n, const int& scaling, const float& fraction,
            const float& categoryMinimum, const float& categoryMaximum);
void HISFIL(const float* values, const int& n, const float& fraction, const int* styles,
            const int* pens);
// Column outlines on the current axes (two names of one routine).
void GRAHIS(const float* values, const int& n, const float& fraction);
void HISGRA(const float* values, const int& n, const float& fraction);
// Value labels of the values; the one-character moves of VALATT turn round for negative
// values (not for a positive value below a base line above 0).
void HISVAL(const float* values, const int& n, const float& fraction);

// Area charts: rectangle i spans a1[i]..a2[i] along x and a3[i]..a4[i] along y (orientation
// 2: a1, a2 along y), in data units, either order.  ARECHA: type 0 linear, 1 log x, 2 log y,
// -1 log-log (others 0), GRASCA mode applies.  Value placement: 1..4 the bound a1..a4, 5 the
// side |a2 - a1|, 6 the side |a4 - a3|, 7 the size.
// ARECHA numbers: 513 / 514 log x / y data not above 10 x tiny: nothing drawn.
// AREVAL numbers: -552 placement outside 1..7: 7.
void ARECHA(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& type);
void AREFIL(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& orientation, const int* styles, const int* pens);
void AREGRA(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& orientation);
void AREVAL(const float* a1, const float* a2, const float* a3, const float* a4, const int& n,
            const int& placement, const int& orientation);

// Step charts: step i from s[i] to e[i] at level v[i] above the base b (data units).  STPCHA:
// type as for area charts (1 log step axis, 2 log value axis), GRASCA mode applies.  Step code
// 1 connected (a riser where a step ends within 0.00001 of the next one's start), 2 closed
// profile down to the base, 3 separate columns (neither draws the base line itself), other
// treads only.  Value placement 1 start, 2 end, 3 level, 4 width, 5 height above the base.
// STPCHA numbers: 513 / 514 log step / value data (base included) not above 10 x tiny:
// nothing drawn.
// STPVAL numbers: -552 placement outside 1..5: 3.
void STPCHA(const float* s, const float* e, const float* v, const int& n, const int& type,
            const float& base, const int& code);
void STPFIL(const float* s, const float* e, const float* v, const int& n, const float& base,
            const int& orientation, const int* styles, const int* pens);
void STPGRA(const float* s, const float* e, const float* v, const int& n, const float& base,
            const int& code, const int& orientation);
void STPVAL(const float* s, const float* e, const float* v, const int& n, const float& base,
            const int& placement, const int& orientation);

// ---- Text charts
// Column attributes of the text-chart columns: width and height of a whole column (picture
// units, sign dropped), its n rows and title row sharing the height equally (18 for 3 rows:
// rows 6 high; for 6 rows: 3; for 3 rows and a title row: 4.5); 0: 10 character widths, 2
// character heights for each row and the title row.  justification -1 left, 0 centred,
// 1 right, title switch 1 = a title row (other values none), frame pen (below 0: no frame;
// pen 0 is the background colour, so the default frame does not show).
// Defaults 0, 0, 0, 0, 0.  Numbers: -545 justification outside -1..1: 0.
void TEXDEF(const float& width, const float& height, const int& justification,
            const int& titleSwitch, const int& framePen);
// The five values TEXDEF stored.
void TDFENQ(float& width, float& height, int& justification, int& titleSwitch, int& framePen);
// One column of n rows with its top left corner at (x, y), picture units (no axes needed);
// columns of the same n and attributes side by side line up row by row.  Each column reads n
// elements of each of its arrays (TEXSTR: n texts of `length` characters each, n * length
// characters, none when strings is null or length is below 1), and the title's titleLength
// characters when the title switch is on.  Numbers of every column: 539 n below 1 or a null
// array (TEXSTR: n below 1 only; null strings give empty rows): nothing drawn.  The fill,
// line and marker columns: -508 a pen below -1 (once): its absolute value.
void TEXSTR(const float& x, const float& y, const int& n, const char* strings, int length,
            const char* title, int titleLength);
// Values as the y axis writes its numbers, between the VALTXT tags.
void TEXVAL(const float& x, const float& y, const int& n, const float* values, const char* title,
            int titleLength);
// Values from first to last in n - 1 equal steps, written as TEXVAL writes them.
void TEXGEN(const float& x, const float& y, const int& n, const float& first, const float& last,
            const char* title, int titleLength);
// Each |value| as a percentage of the sum of all |values|, with two decimals.
// Numbers: 506 the sum below 0.00001.
void TEXPER(const float& x, const float& y, const int& n, const float* values, const char* title,
            int titleLength);
// A box per row filled in fill style styles[i] (below -1: an empty row) and pen |pens[i]|,
// and outlined in the caller's pen.
void TEXFIL(const float& x, const float& y, const int& n, const int* styles, const int* pens,
            const char* title, int titleLength);
// Line samples: kind 1 horizontal, 2 vertical, 3 rising, 4 falling; pen |pens[i]|, 0 the
// caller's line.  Numbers: -548 kind outside 1..4: 3.
void TEXLIN(const float& x, const float& y, const int& n, const int* pens, const int& kind,
            const char* title, int titleLength);
// Marker symbols[i] (see tarvcore.h) in pen |pens[i]| (0 the caller's line).
// Numbers: -527 a negative symbol (once): 1.
void TEXSYM(const float& x, const float& y, const int& n, const int* symbols, const int* pens,
            const char* title, int titleLength);

// ---- Pie, vector and polar charts
// Pie settings.  Angles in degrees counter-clockwise from the x direction; centre and radius
// in picture units.  Start angle of the first segment (kept in [0, 360); default 0).
void PIEANG(const float& angle);
// Annotation mode 1 radial text, 2 text in boxes inside the segment (the default), 3 text
// beside a leader line; which parts a label holds (each switch on only when 1; defaults
// 1, 0, 0): the caller's label, the percentage, the value; segments below `threshold` percent
// (clamped to 0..100) get no label in modes 2 and 3.
// Numbers: -549 mode outside 1..3: 2.
void PIEANN(const int& mode, const int& labelSwitch, const int& percentSwitch,
            const int& valueSwitch, const float& threshold);
// The five values PIEANN stored.
void PIAENQ(int& mode, int& labelSwitch, int& percentSwitch, int& valueSwitch, float& threshold);
// Label boxes of mode 2: type 0 none, 1 outlined, 2 cut out of the segment fill, 3 both (the
// default); fill style and pen (sign dropped) of the cut-out boxes of types 2 and 3 (a
// negative style, the default -1: not filled); box outlines do not use the pen.
// Numbers: -551 type outside 0..3: 3.
void PIEBOX(const int& type, const int& fillStyle, const int& pen);
// Segment outlines: -1 none, any other value (the default 0) drawn.
void PIEBSW(const int& boundSwitch);
// Exploded segments: segment numbers (1..50) and their distances from the centre in radii
// (sign dropped); while a table is in force and no PIEPAP frame, the whole pie shrinks so
// that the exploded segments stay within the radius.  count entries read from each for
// count 1..50.  Every call replaces the whole table: count 0, a count outside 0..50 or a null
// array clears it and reads nothing.  Numbers: 522 count outside 0..50 (the table is
// cleared and the routine goes on); -523 a segment number outside 1..50: entry skipped;
// -524 a negative distance: its absolute value.
void PIEEXP(const int* numbers, const float* distances, const int& count);
// Pie frame: radius and centre in picture units, in force until PIESET (before it the pie
// follows the plot area: centred, radius 0.375 x its smaller side).
// Numbers: -530 |radius| below 1e-9: the default radius; -531 a negative radius: its
// absolute value.
void PIEPAP(const float& radius, const float& centreX, const float& centreY);
// Radius, centre and start angle in force (the default frame while no PIEPAP).  The radius is
// the one before an explosion table shrinks the pie: PIECHA, PIEFIL and PIESTR with a table (and
// no PIEPAP frame) draw at r / (1 + d), r this radius and d the largest distance the table gives
// the pie's segments.
void PIEENQ(float& radius, float& centreX, float& centreY, float& startAngle);
// A pie of n (1..50) values (magnitudes count; a 0 gives an empty segment) with labels (n
// texts of `length` characters each), a fill style (below -1 no fill) and a pen per segment,
// annotated and outlined by the pie settings; PIEFIL only fills.  n values, n fill styles and
// n pens read, and up to n * length label characters (none when labels is null or length is
// below 1); with n outside 1..50, a null array or a pie of no radius none.
// Numbers: 505 n outside 1..50 (or a null array); 506 the sum of the magnitudes not above
// 0.00001; -508 a negative pen: its absolute value.
void PIECHA(const float* values, const char* labels, int length, const int& n,
            const int* fillStyles, const int* pens);
void PIEFIL(const float* values, const int& n, const int* fillStyles, const int* pens);
// One segment from angle a1 to a2 (a2 = a1 + 360 a full disc, a1 = a2 nothing) with its
// value and label, by the pie settings without explosion; SEGFIL only fills.
// Numbers: -508 a negative pen: its absolute value.
void SEGCHA(const float& a1, const float& a2, const float& value, const char* label, int length,
            const int& fillStyle, const int& pen);
void SEGFIL(const float& a1, const float& a2, const int& fillStyle, const int& pen);
// Radial labels, no fill, whatever the annotation mode: the labels, with the percentages when
// percentSwitch is not 0 (a blank label writes neither).  PIESTR also draws the segment
// outlines as PIEBSW sets them.  SEGSTR's outline code: -1 no outline, 0 rim and end radius, 1 the
// closed segment.  PIESTR reads n values and up to n * length label characters as PIECHA
// (numbers 505, 506 as PIECHA); SEGCHA and SEGSTR read up to `length` characters of their
// label.
void PIESTR(const float* values, const char* labels, int length, const int& n,
            const int& percentSwitch);
void SEGSTR(const int& outlineCode, const float& a1, const float& a2, const char* label, int length,
            const int& percentSwitch);

// Vector charts: one arrow per node of an nx x ny grid (x index fastest) laid over the frame
// (VECBND, data units) or else the axis ranges, on the current axes.  Directions in degrees
// counter-clockwise from the picture's x direction (whatever way the axes run), magnitudes
// (negative turns the arrow round), colours (absolute value is the kernel colour, see tarvcore.h);
// head style 0 open, 1 outlined, 2 filled, a third of the arrow long and drawn solid.
// The frame, in either order, until VECSET; and its enquiry.
void VECBND(const float& x1, const float& x2, const float& y1, const float& y2);
void VECBNQ(float& x1, float& x2, float& y1, float& y2);
// Only magnitudes whose absolute value lies between the two limits (sign dropped, either
// order) are drawn (0, 0, the default, or limits less than 0.00001 apart, stored as 0, 0:
// all); and their enquiry.
void VECCLP(const float& a, const float& b);
void VECCLQ(float& low, float& high);
// Placement: -1 the arrow starts at its node, 0 (the default) centred, 1 ends at it; |magnitude|
// p..q (either order) map linearly to lengths 0..one grid unit, smaller ones give no arrow,
// larger ones longer arrows (0, 0, the default, or p and q less than 0.00001 apart, stored as
// 0, 0: 0 to the largest magnitude); factor (sign dropped, default 1) scales the unit, the
// smaller node spacing.  Numbers: -553 mode outside -1..1: 0.  VECSCQ returns the four values.
void VECSCA(const int& mode, const float& p, const float& q, const float& factor);
void VECSCQ(int& mode, float& low, float& high, float& factor);
// nx * ny values read from each of directions, magnitudes and colours; none when nx or ny is
// below 1 or an array is null.  Numbers: 536 nx or ny below 1 (or a null array); 537 no
// magnitude above 0.00001: nothing drawn; -528 head style outside 0..2: 0; -554 a negative
// colour: its absolute value.
void VECGRA(const float* directions, const float* magnitudes, const int* colours, const int& nx,
            const int& ny, const int& headStyle);

// Polar charts around a centre in picture units.  SETPOL: centre, radius, scaling type 1..3
// of the radial axes (as AXISCA; default 3); in force for DRAPOL until AXISET or POLXY, which
// both put back the default layout (it follows the plot area as the pie frame does).
// Numbers: -517 radius not above 1e-10 (or not finite): the old one, and again for a centre
// with a coordinate that is no finite number: the old centre; -518 mode outside 1..3: 3.
void SETPOL(const float& centreX, const float& centreY, const float& radius, const int& mode);
// Polar axes: `part` 1 or less the radial part: both axes placed through the centre (as AXIPOS
// would) and scaled from -range to range in 2 count intervals, ticks |drawingCode| as for
// AXIDRA, numbers on the x axis when the label code is 1 (below it) or -1 (above it), and
// with a drawing code below 0 `count` rings.  `part` 2 or more the angular part over `range`
// degrees in `count` steps: the circle (unless drawing code 0) with spokes (drawing code
// below 0) or ticks (above 0), and the angles when the label code is 1.  Drawing codes
// beyond +-1 act as +-2, label codes beyond +-1 as 1.  Numbers: -519 count below 1 or above
// 500000: 8; -520 radial range not above tiny: count, or a range of either part that is no
// finite number (NaN, +-inf; no -521 then): the radial part takes count, the angular part 360
// (a whole turn); -521 a negative range: its absolute value; -525 (once) marks closer than
// the picture shows were left out: the radial axes' ticks as for AXIDRA; of more than 500
// rings less than a thousandth of the plot area's larger side apart, every k-th ring counted
// inward from the outermost (at the full radius), k the smallest step that puts the rings
// drawn that far apart; of more than 500 marks along the
// circle (the one at angle 0 and one a step up to 6.266 radians: 500 steps over less than a
// turn make 501) whose spokes, ticks or angles stand that close, every k-th from the one at
// angle 0 likewise.  Steps are measured apart at the radius, or at the
// distance from the centre to the farthest corner of the picture space widened by its own
// width and height on every side when that is the shorter (no farther can the spokes show).
// Of more than 500 rings, those that pass round the whole of that widened picture space or
// wholly beside it are not drawn (nothing of them could show; no warning): at a huge radius
// only the rings across the picture cost anything.
void DRAPOL(const int& drawingCode, const int& labelCode, const int& count, const float& range,
            const int& part);
// XY polar chart of n points (data units) with the default layout (not SETPOL's), both parts
// of the axes sized to the data: line code |1| polyline, |2| smooth curve, |3| spline, |4|
// Akima curve (others 1), a code <= 0 adds marker 8 (code 0: the markers alone).  n values
// read from each of x and y.  Both axes are left placed and scaled as DRAPOL's radial part
// leaves them.
// Numbers: 515 n below 2; -520 every point at the origin.
void POLXY(const float* x, const float* y, const int& n, const int& lineCode);
// ---- Long forms
// Long forms take symbolic option codes in place of small integers, arrays of records in place of
// parallel arrays, and an argument order of their own; each converts its arguments and calls its
// legacy routine once, which does every check and report (errors name both forms, as in
// "kpPlotGraph(GRAPH)", whichever form is called).  A value that is no code of an argument passes
// to the legacy routine unchanged.  A record-taking long form with a count below 1 or a null record
// array calls nothing (so nothing is reported) and reads no record; otherwise it reads count
// records and its legacy routine then reads what its own comment says (a long form taking plain
// arrays and texts reads exactly what its legacy routine reads).  A long form reports nothing of
// its own: the numbers are its legacy routine's.  Enquiry long forms hand back the code for a
// legacy value that has one; where a mapped value has no code the caller's variable is left as it
// was.  The pair-code long forms (kpPlotGraph, kpPlotAreaChart, kpPlotBarChart, kpPlotStepChart,
// kpAddGrid, kpDrawPolarAxes, kpDrawAxesLabs, kpDrawAxesTitle, kpAddReferenceLine) turn two codes
// into one legacy value; a pair that matches none of their cases repeats the value of that
// routine's last matching call (0 before any), even a call that drew nothing.

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
// A point: x, y (data units, or picture units where the routine says so).
struct PointRecord {
    float x, y;
};
// One error bar of kpAddErrorBars.
struct ErrorBarRecord {
    float first, second;  // the error below and the error above the value
};
// The plot frame of kpSetPlotFrame and kpEnqPlotFrame (picture units).
struct FrameRecord {
    float x1, x2, y1, y2;  // the plot frame bounds in GRFBND order
};

// Data sets and graphs.  Curve kind: the magnitude a code (kpCurveKind0..4) or a plain value,
// the sign carried.  The x and y scaling codes choose the graph type: (1, 1) linear, (4, 1)
// log x, (4, 4) log-log, (1, 4) log y, with kpAxisScaling1 / kpAxisScaling4; another pair
// repeats the type of the last call whose pair was one of these (0 before any).  Axes switch
// kpGraphAxesOn (axes through value 0) or kpGraphAxesOff.  GRAPH with n points as records.
void kpPlotGraph(const int& n, const PointRecord* points, const int& xScaling, const int& yScaling,
                 const int& curveKind, const int& axesSwitch);
// GRAPOL, GRACUR, GRASPL and GRAAKI with the n points as records.
void kpAddGraphPolyline(const int& n, const PointRecord* points);
void kpAddGraphCurve(const int& n, const PointRecord* points);
void kpAddGraphSpline(const int& n, const PointRecord* points);
void kpAddAkimaCurve(const int& n, const PointRecord* points);
// GRASQU.  Step code 0 steps at the end of an interval, kpSquareWave1 at the start,
// kpSquareWave0 at the middle.
void kpAddSquareWave(const int& n, const PointRecord* points, const int& stepCode, const int& axis);
// GRASYM: marker and skip as there.
void kpAddGraphMarkers(const int& n, const PointRecord* points, const int& marker, const int& skip);
// GRAVAL: axis 2 labels the y values, otherwise the x values.
void kpAddGraphValues(const int& n, const PointRecord* points, const int& axis);
// GRAPOP with the classes as records (end, value).
void kpAddPopulationGraph(const float& width, const float& centre, const int& n,
                          const PointRecord* classes, const float& divisor);
// GRAFIL: base value, direction, fill code and pen as there.
void kpFillBelowDataset(const int& n, const PointRecord* points, const float& base,
                        const int& direction, const int& fill, const int& pen);
// GRAFI2; nothing is called unless both counts are 1 or more.
void kpFillBetweenDatasets(const int& countA, const PointRecord* pointsA, const int& countB,
                           const PointRecord* pointsB, const int& fill, const int& pen);
// GRAERB with the points and their errors as records: the bar runs from the value - first to
// the value + second.  Style 0 or kpErrorBarStyle1..7, mode 0 or kpErrorBarMode1; direction
// as for GRAERB.
void kpAddErrorBars(const int& n, const PointRecord* points, const ErrorBarRecord* errors,
                    const int& style, const int& mode, const int& direction);
// LINFIT (fit code kpLineFitCode1).  Status 0 after a fit, kpLineFitFlag1 when no fit was
// made (also for a count below 1, when the coefficients and their count are left as they
// were).
void kpReturnLineCoeffs(const int& fitCode, const int& n, const PointRecord* points,
                        const int& capacity, float* coefficients, int& count, int& status);

// Graph settings and drawing.
// GRFMOD: kpOff 0; 2 (and any value but 0) 1.
void kpSetGraphCharMode(const int& mode);
// GRASCA: 0 or kpScalingMode1..4.
void kpSetGraphScaling(const int& mode);
// GRFBND with the bounds as a record.
void kpSetPlotFrame(const FrameRecord& frame);
// GRBENQ.  Frame switch kpOff or kpPlotFrameOn.
void kpEnqPlotFrame(int& frameSwitch, FrameRecord& frame);
// GRFTTL.  Horizontal justification -1 left, 0 centred, 1 right; vertical 1 top, 0 middle,
// -1 bottom.
void kpDrawGraphTitle(const char* text, int length, const int& horizontal, const int& vertical);
// GRID.  Grid style from (mode, kind): kpMode1 positive, kpMode2 negative; kinds kpGridKind1..4
// give |style| 1..4 (kpGridKind4 only with kpMode2); a 0 in either gives style 0; another pair
// repeats the last style that matched.  Options 0, kpOption1 or kpOptionMinus1.
void kpAddGrid(const int& mode, const int& kind, const int& xOption, const int& yOption);
// GRDSYM and GRDSYQ.
void kpSetGridMarker(const int& marker);
void kpEnqGridMarker(int& marker);
// CURBEG and CURFIN, arguments as there.
void kpSetCurveStartConds(const int& type, const float& t1, const float& t2, const float& p1,
                          const float& p2);
void kpSetCurveEndContitions(const int& type, const float& t1, const float& t2, const float& p1,
                             const float& p2);
// GRALIN and GRAMOV.
void kpAddGraphLine(const float& x, const float& y);
void kpMoveToGraphPoint(const float& x, const float& y);
// GRASPA and SPAGRA, the result as a record.
void kpTransformGraphPoint(const float& x, const float& y, PointRecord& kernelPoint);
void kpTransformSpacePoint(const float& kernelX, const float& kernelY, PointRecord& graphPoint);
// REFLIN.  Caption place from (position, side): kpRefLineType1, (-1, 1), (0, 1), (1, 1),
// kpRefLineType5, (1, 0), (0, 0), (-1, 0) give places 1 to 8; another pair repeats the last
// place that matched.  Text direction 1 upright, 2 turned by 90 degrees.
void kpAddReferenceLine(const char* caption, int length, const float& value, const int& position,
                        const int& side, const int& textDirection, const int& lineDirection);
// ARROW.  Head: -1 outlined, 0 filled, kpArrowHead1 outlined, kpArrowHead0 open; coordinates
// 0 picture units, kpArrowCode1 data units.
void kpDrawArrow(const float& x, const float& y, const int& head, const int& coordinates);
// VALMIS, arguments as there.
void kpDefineMissingValues(const int& mode, const float& a, const float& b, const int& axis);

// Axes.
// AXISCA.  Scaling kpAxisScaling1..5 (or the plain types).
void kpSetAxesScaling(const int& scaling, const int& count, const float& minimum,
                      const float& maximum, const int& axis);
// AXSENQ; the scaling type comes back as kpAxisScaling1..5.
void kpEnqAxesScaling(int& scaling, int& count, float& minimum, float& maximum, const int& axis);
// AXIPOS.  Position kpAxisPosition1 (x, y the start) or kpAxisPosition0 (x, y where value 0
// lies).
void kpSetAxesPos(const int& position, const float& x, const float& y, const float& length,
                  const int& axis);
// AXPENQ.  The position type comes back as 0 or 1, not as a code.
void kpEnqAxesPos(int& type, PointRecord& origin, float& length, const int& axis);
// AXIANN.  Caption style 0 or kpCaptionStyle1..4.
void kpSetAxesAnnotation(const int& decimals, const int& digits, const int& style, const int& axis);
// AXNENQ; the caption style comes back as 0 or kpCaptionStyle1..4.
void kpEnqAxesAnnotation(int& decimals, int& digits, int& labelWidth, int& style, const int& axis);
// AXIATT and AXTENQ.  a1 kpAxisAttrib1On / kpAxisAttrib1Off; a7 across the baseline 1, 0, -1
// (the sign of AXIATT's turned) or kpAxisAttribValue2 (chosen by axis and side); a8 -1, 0, 1
// or kpAxisAttribValue2; a9 0 or kpAxisAttrib9On; the other values as for AXIATT.
void kpSetAxesAttribs(const int& a1, const float& a2, const int& a3, const int& a4, const float& a5,
                      const float& a6, const int& a7, const int& a8, const int& a9,
                      const int& axis);
void kpEnqAxesAttribs(int& a1, float& a2, int& a3, int& a4, float& a5, float& a6, int& a7, int& a8,
                      int& a9, const int& axis);
// AXIDRA.  Ticks 0, kpMode1 or kpMode2, turned to the other side when side is 1; annotation
// 0 numbers below the x axis or right of the y axis, 1 on the other side, kpNone none.
void kpDrawAxes(const int& ticks, const int& side, const int& annotation, const int& axis);
// AXISTR with the count first.  Position 0 below the x axis or right of the y axis, 1 the
// other side, kpNone no labels.
void kpDrawAxesLabels(const int& n, const char* labels, int length, const int& position,
                      const int& axis);
// AXLSTR and AXNSTR.  Axis 1 or 2 and side -1 or 1 give the orientation: (1, -1) 1, (1, 1) -1,
// (2, -1) 2, (2, 1) -2, so side -1 is the legacy positive side: labels above the x position or
// right of the y position, a title above the x position or left of the y position; side 1 the
// other side.  Another pair repeats the last that matched (each routine remembers its own).
void kpDrawAxesLabs(const int& n, const char* labels, int length, const float& position,
                    const int& axis, const int& side);
void kpDrawAxesTitle(const char* text, int length, const float& position, const int& axis,
                     const int& side, const int& justification);
// AXISET.
void kpRestoreAxesSettings();

// Dates.
// DATSCA and DATSCQ.  Scaling kpAxisScaling1..3 for the codes 1..3; unit kpDateUnit1..5.
void kpSetDateAxesScaling(const int& scaling, const int& unit, const char* first, int length1,
                          const char* last, int length2, const int& axis);
void kpEnqDateAxesScaling(int& scaling, int& unit, char* first, int length1, char* last,
                          int length2, const int& axis);
// DATANN and DATANQ, words as there.
void kpSetDateAxesAnnotation(const int& w1, const int& w2, const int& w3, const int& w4,
                             const int& axis);
void kpEnqDateAxesAnnotation(int& w1, int& w2, int& w3, int& w4, const int& axis);
// DATFOR and DATFOQ.  Orders kpDateOrder1..3; only the first character of each separator
// text counts.
void kpSetDateFormat(const int& order1, const char* separator1, int length1, const int& order2,
                     const char* separator2, int length2);
void kpEnqDateFormat(int& order1, char* separator1, int length1, int& order2, char* separator2,
                     int length2);
// DATCON with the count first, DATGRA and GRADAT.
void kpConvertDates(const int& n, const char* texts, int length, float* values);
void kpConvertDateToGraph(const char* text, int length, float& value);
void kpConvertGraphToDate(const float& value, char* text, int length);

// Value tags.
// VALATT.  a1 -1, 0, 1, kpValueTagAt3, kpValueTagFirst2, kpValueTagFirstMinus2; a2 -1, 0, 1,
// kpValueTagAt3, kpValueTagSecond2, kpValueTagSecondMinus2; a7 across the text, VALATT's
// with the sign turned: 1 hangs from the point, 0 three quarters below, -1 centred on it.
void kpSetValueAttribs(const int& a1, const int& a2, const float& a3, const float& a4,
                       const float& a5, const float& a6, const int& a7, const int& a8);
// VATENQ, codes as kpSetValueAttribs.  offsets: the two reals that kpSetValueAttribs takes as
// a4 and a5, written to offsets[0] and offsets[1] (nothing when offsets is null); a5 the
// angle, a6 across and a7 along the text.
void kpEnqValueAttribs(int& a1, int& a2, float& a3, float* offsets, float& a5, int& a6, int& a7);
// VALTXT.
void kpSetValueTags(const char* tag1, int length1, const char* tag2, int length2);

// ---- Long forms of the charts
// Records of the chart long forms; fields are consecutive 32-bit values.
// One area of the area charts.
struct AreaRecord {
    float a1, a2, a3, a4;  // one value for each of ARECHA's four data arrays
};
// One bar: its start and end values.
struct BarRecord {
    float start, end;
};
// One step: start, end and level.
struct StepRecord {
    float start, end, level;
};
// One node of a vector chart: direction (degrees), magnitude and kernel colour.
struct VectorRecord {
    float direction, magnitude;
    int colour;
};
// The vector chart frame (data units).
struct VectorFrameRecord {
    float x1, x2, y1, y2;  // the vector frame in VECBND order
};

// Area charts.  The x and y scaling codes choose the chart type: (1, 1) linear, (4, 1) log x,
// (4, 4) log-log, (1, 4) log y, with kpAxisScaling1 / kpAxisScaling4; another pair repeats
// the type of the last call of kpPlotAreaChart whose pair was one of these (0 before any).
void kpPlotAreaChart(const int& n, const AreaRecord* areas, const int& xScaling,
                     const int& yScaling);
// AREFIL and AREGRA with the areas as records.
void kpFillAreaChart(const int& n, const AreaRecord* areas, const int& orientation,
                     const int* styles, const int* pens);
void kpAddAreaChartOutline(const int& n, const AreaRecord* areas, const int& orientation);
// AREVAL.  Placement 0 the size; kpValuePlacement6 .. kpValuePlacement1 placements 6 .. 1.
void kpAddAreaChartValues(const int& n, const AreaRecord* areas, const int& placement,
                          const int& orientation);

// Bar charts.  (x code, y code): (kpAxisScaling5, kpAxisScaling1) categories along x, linear
// values; (kpAxisScaling5, kpAxisScaling4) logarithmic values; (kpAxisScaling1,
// kpAxisScaling5) and (kpAxisScaling4, kpAxisScaling5) categories along y, linear and
// logarithmic values.  Another pair repeats the type of kpPlotBarChart's last matching call
// (0 before any, which BARCHA takes as type 1 after warning -503).
void kpPlotBarChart(const int& n, const BarRecord* bars, const float& fraction, const int& xCode,
                    const int& yCode, const float& categoryMinimum, const float& categoryMaximum);
// BARFIL with the bars as records.
void kpFillBarChart(const int& n, const BarRecord* bars, const float& fraction, const int* styles,
                    const int* pens);
// BARGRA.  Errors of the outline are reported under "GRABAR".
void kpAddBarChartOutline(const int& n, const BarRecord* bars, const float& fraction);
// BARVAL.  Placement kpValuePlacement1 start, kpValuePlacement2 end, kpValuePlacement5
// end - start.
void kpAddBarChartValues(const int& n, const BarRecord* bars, const float& fraction,
                         const int& placement);

// Histograms take the values as they are; a bad count is reported by the legacy routine.
// HISCHA.  Scaling kpAxisScaling4 logarithmic values, kpAxisScaling1 linear (a plain 1 passes
// as HISCHA's code 1: logarithmic).
void kpPlotHistogram(const int& n, const float* values, const float& fraction, const int& scaling,
                     const float& categoryMinimum, const float& categoryMaximum);
// HISFIL.
void kpFillHistogram(const int& n, const float* values, const float& fraction, const int* styles,
                     const int* pens);
// HISGRA.  Errors of the outline are reported under "GRAHIS".
void kpAddHistogramOutline(const int& n, const float* values, const float& fraction);
// HISVAL.
void kpAddHistogramValues(const int& n, const float* values, const float& fraction);

// Step charts.  STPCHA; scaling pair as for kpPlotAreaChart (remembered apart).  Step codes
// kpStepCode3 columns, kpStepCode2 closed profile, kpStepCode1 connected, kpStepCode0 treads.
void kpPlotStepChart(const int& n, const StepRecord* steps, const float& base, const int& xScaling,
                     const int& yScaling, const int& stepCode);
// STPFIL and STPGRA with the steps as records; step codes as kpPlotStepChart.
void kpFillStepChart(const int& n, const StepRecord* steps, const float& base,
                     const int& orientation, const int* styles, const int* pens);
void kpAddStepChartOutline(const int& n, const StepRecord* steps, const float& base,
                           const int& stepCode, const int& orientation);
// STPVAL.  Placement kpValuePlacement7 height, kpValuePlacement6 level, kpValuePlacement5
// width, kpValuePlacement2 end, kpValuePlacement1 start.
void kpAddStepChartValues(const int& n, const StepRecord* steps, const float& base,
                          const int& placement, const int& orientation);

// Vector charts.
// VECBND and VECBNQ with the frame as a record.
void kpSetVectorChartFrame(const VectorFrameRecord& frame);
void kpEnqurireVectorChartFrame(VectorFrameRecord& frame);
// VECCLP and VECCLQ.
void kpSetVectorLimits(const float& a, const float& b);
void kpEnqVectorLimits(float& low, float& high);
// VECGRA with nx x ny records, the x index running fastest; nothing is called when nx x ny is below
// 1 or above the int range, or when vectors is null; two negative counts are reported by VECGRA
// (whatever vectors is) without a record read.  Head: -1 outlined, 0 filled, kpArrowHead1 outlined,
// kpArrowHead0 open.
void kpAddVectors(const int& nx, const int& ny, const VectorRecord* vectors, const int& head);
// VECSCA and VECSCQ.  Placement mode kpVectorScalingMinus1 (starts at the node), 0
// (centred) or kpSwitchOn (ends at it).
void kpSetVectorAttribs(const int& mode, const float& p, const float& q, const float& factor);
void kpEnqVectorAttribs(int& mode, float& low, float& high, float& factor);
// VECSET.
void kpRestoreVectorSettings();

// Polar charts.
// SETPOL.  Mode kpAxisScaling1..3.
void kpSetPolarChartAttribs(const float& centreX, const float& centreY, const float& radius,
                            const int& mode);
// DRAPOL.  Drawing code from (mode, kind): kpMode1 with kpGridKind2 1, kpMode2 with
// kpGridKind2 2, kpMode1 with kpPolarNegativeKind1/2 -1, kpMode2 with them -2, a 0 in either
// 0; another pair repeats the last code that matched.  Label option 0 or kpOption1; part
// kpPolarAxesCode1 (radial) or kpPolarAxesCode2 (angular).
void kpDrawPolarAxes(const int& mode, const int& kind, const int& option, const int& count,
                     const float& range, const int& part);
// POLXY with the points as records; curve kind as for kpPlotGraph.
void kpPlotXYPolarChart(const int& n, const PointRecord* points, const int& curveKind);

// Pie charts.
// PIEANG.
void kpSetPieChartStartAngle(const float& angle);
// PIEANN and PIAENQ.  Annotation style kpPieStyle1..3; switches 0 or kpPieAnnotation2On
// (label), kpPieAnnotation3On (percentage), kpPieAnnotation4On (value).
void kpSetPieChartAnnotation(const int& mode, const int& labelSwitch, const int& percentSwitch,
                             const int& valueSwitch, const float& threshold);
void kpEnqPieChartAnnotation(int& mode, int& labelSwitch, int& percentSwitch, int& valueSwitch,
                             float& threshold);
// PIEBOX.  Box type 0 none, 1 cut out of the fill, 2 outlined, 3 both (PIEBOX's 1 and 2
// change places).
void kpSetPieChartBoxType(const int& type, const int& fillStyle, const int& pen);
// PIEBSW.  1 draws the segment outlines, 0 leaves them out.
void kpSetPieChartBoundSwitch(const int& boundSwitch);
// PIECHA with the count first.
void kpPlotPieChart(const int& n, const float* values, const char* labels, int length,
                    const int* fillStyles, const int* pens);
// PIEENQ with the centre as a record.
void kpEnqPieChartSettings(float& radius, PointRecord& centre, float& startAngle);
// PIEEXP with the count first.
void kpSetPieChartExplosion(const int& count, const int* numbers, const float* distances);
// PIEPAP.
void kpSetPieChartFrame(const float& radius, const float& centreX, const float& centreY);
// PIESET.
void kpRestorePieChartSettings();
// SEGCHA.
void kpAddPieChartSegment(const float& a1, const float& a2, const float& value, const char* label,
                          int length, const int& fillStyle, const int& pen);

// Text charts; every argument passes to the legacy routine in the same order.
// TEXDEF and TDFENQ.  Title switch 0 or kpSwitchOn.
void kpSetTextChartAttribs(const float& width, const float& height, const int& justification,
                           const int& titleSwitch, const int& framePen);
void kpEnqTextChartAttribs(float& width, float& height, int& justification, int& titleSwitch,
                           int& framePen);
// TEXLIN.  Line kinds kpLineColumnKind1..4.
void kpDisplayLineColumn(const float& x, const float& y, const int& n, const int* pens,
                         const int& kind, const char* title, int titleLength);
// TEXFIL.
void kpDisplayFillColumn(const float& x, const float& y, const int& n, const int* styles,
                         const int* pens, const char* title, int titleLength);
// TEXGEN.
void kpDisplayGeneratedColumn(const float& x, const float& y, const int& n, const float& first,
                              const float& last, const char* title, int titleLength);
// TEXPER.
void kpDisplayPercentageColumn(const float& x, const float& y, const int& n, const float* values,
                               const char* title, int titleLength);
// TEXSTR.
void kpDisplayStringColumn(const float& x, const float& y, const int& n, const char* strings,
                           int length, const char* title, int titleLength);
// TEXSYM.
void kpDisplayMarkerColumn(const float& x, const float& y, const int& n, const int* symbols,
                           const int* pens, const char* title, int titleLength);
// TEXVAL.
void kpDisplayValueColumn(const float& x, const float& y, const int& n, const float* values,
                          const char* title, int titleLength);

TARV_API_END

#endif
