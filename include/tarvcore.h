// tarvcore.h - the graphics kernel TARVCORE as the libraries and the program call it.
//
// Calling convention: every argument by reference (inputs const int& / const float&,
// outputs int& / float&), arrays as pointers, a text as (pointer, length) with the length
// by value right after it.  Integers are 32-bit, reals single precision.  Only
// kernelUsedLength, kernelEnquireIntegerSetting and kernelEnquireRealSetting return a value.
//
// Counts: an input text is read for at most min(length, 65536) characters, up to a zero byte
// (nothing for a length of 0 or below, or a null pointer); an output text is written for exactly
// min(length, 65536) characters, blank padded, never with a terminator (nothing for a length of
// 0 or below, or a null pointer).  A point list of n points reads n values from each of x and y:
// none for n below 1 or a null array; a list of more than 2^24 points is refused unread.
// A coordinate that is not a finite number is ignored: the point does not move, nothing is drawn.
//
// Units are picture-space units (kernel units); the default picture space is 0..1000 by
// 0..750 and the default character cell 10 by 10.  The extension section at the end holds
// what a program without the widget toolkit needs (choosing an output file) and what tests
// need (the call log, the error log, settings that the platform would fix).
//
// Order: kernelSelectOutput (the file), then kernelOpenDevice, then drawing, then
// kernelCloseDevice, which writes the file.  Settings (picture space, colours, styles, text)
// may be made at any time and stay in force across devices; drawing while no device is open
// changes the current point and the call log only.  kernelOpen / kernelClose bracket a whole
// run as the platform's programs call them; nothing requires them, but after kernelOpen drawing
// that goes nowhere (no device, linked frame or call log) is reported (kErrorNoDevice).
//
// Threads: the kernel keeps one state and one output for the whole process, without locks, and
// so do the libraries that draw through it.  Call them from one thread at a time, and one
// picture at a time: threads that take turns hold one lock from kernelSelectOutput to
// kernelCloseDevice.  Two threads drawing at once, even into files of their own, corrupt the
// state (a crash, or a file lost).  The kernel's own worker threads, which fill the pieces of
// large tiled areas (the band fills of the surface library's contour maps) in stripes of a
// raster and compress a PNG file as it is written, need nothing from the caller: the kernel
// starts them and waits for them itself before it draws anything else, writes the file,
// brings the output up to date (kernelFlushOutput: call it before the toolkit's frame bitmap is
// read) or closes the device.
//
// ---- Colours, pens, line styles, fills and markers -------------------------------------------
// Colour numbers (kernelSetColour, the colour of kernelSetLineAttributes, fill pens); a negative
// number is taken as its absolute value, and numbers from 18 on repeat 2..17 (number n is
// colour 2 + (n - 2) mod 16).  The RGB values are those a PNG holds; PDF and SVG pages carry
// the whole percentages they come from (25 is 10%, 243 is 95%):
//     0 white       255 255 255        9 purple      115  51 166
//     1 black         0   0   0       10 brown       140  76  25
//     2 red         217  25  25       11 grey        128 128 128
//     3 green        25 153  25       12 dark green    0 102  51
//     4 blue         25  51 217       13 navy          0   0 115
//     5 yellow      243 191   0       14 maroon      128   0  25
//     6 magenta     204  25 179       15 olive       128 128   0
//     7 cyan          0 166 191       16 pink        255 140 179
//     8 orange      255 128   0       17 light grey  204 204 204
// Colour 0 is the background every picture starts with; the start colour is 1.
// Pens: pen p (kernelSetPen) is colour p, drawn with the line style and width in force.
// Line styles (kernelSetLineStyle): 0 solid; 1..9 built-in dashes, dash-gap-dash-gap lengths in
// thousandths of the output width: 1 (8 4 8 4), 2 (2 3 2 3), 3 (12 4 2 4), 4 (16 6 16 6),
// 5 (12 3 2 3), 6 (6 6 6 6), 7 (20 4 4 4), 8 (1 4 1 4), 9 (24 6 6 6); -1 the user dash
// pattern of kernelSetDashPattern; any other style, and a pattern whose four lengths add up to
// less than half a pixel (point), draws solid.
// Line width: picture-space units, 0 (the start value) the thinnest line the device draws.
// Fill styles (kernelFillPolygon, kernelFillMultiPolygon, kernelFillBox): 0 solid; -1 the outline
// only, in the line style and width in force; 1 horizontal hatch, 2 vertical, 3 rising
// diagonal, 4 falling diagonal, 5 horizontal and vertical cross-hatch, 6 diagonal cross-hatch,
// 7 close horizontal, 8 close rising diagonal (styles from 9 on repeat 1..8); below -1 nothing
// is filled.  The fill pen: 0 the current colour, p (or -p) the colour p.  So the background
// colour 0 is no fill pen of its own: to fill in it, make it the current colour first
// (kernelSetColour(0), or kernelSetPen(0)), fill with pen 0, then set the colour back.
// Markers (kernelDrawMarker, centred on the current point, reaching half a character height from
// the centre, the dot an eighth; at least one pixel): 0 dot, 1 plus, 2 asterisk, 3 circle,
// 4 cross, 5 square, 6 triangle, 7 diamond, 8 filled circle, 9 filled square, 10 filled
// triangle, 11 filled diamond, 12 triangle pointing down, 13 the same filled, 14 pentagon,
// 15 filled hexagon; from 16 on they repeat (symbol mod 16); a negative symbol draws nothing.
//
// The pen and fill codes of the surface library ("PenCode" and "FillCode", see tterrlib.h)
// select these as follows:
//     PenCode c below 1000       colour c, line style 0 (solid)
//     PenCode c in 1000..1999    line style c - 1000 and colour c - 1000
//     PenCode c from 2000 on     kernel pen c - 2000
//     FillCode c below 1000      fill style 0 (solid) in colour c, 0 the background (c below 0:
//                                the band or cell is left unfilled where the routine says so)
//     FillCode c in 1000..1999   fill style c - 1000 in the current colour
//     FillCode c from 2000 on    fill style c - 2000 with fill pen c - 2000 (2000: the current
//                                colour)
// The surface library's long forms take a pen as a pair (a, b): a < 0 gives -1 (not drawn),
// a = 0 the code b, a > 0 and b = 0 the code 1000 + a, a > 0 and b > 0 the code 2000 + b, a > 0
// and b < 0 gives -1.  krDrawLineStyleSurface alone reads a pair the other way: a > 0 and b = 0
// the code 2000 + a, a > 0 and b > 0 the code 1000 + b.
#ifndef TARVCORE_H
#define TARVCORE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "tarvconfig.h"

TARV_API_BEGIN

// ---- Devices and picture ------------------------------------------------------------------
// kernelOpen marks the kernel in use; kernelClose closes any open device and marks it out of
// use.  Neither changes a setting or the library-open flags.
void kernelOpen();
// Opens the output chosen by kernelSelectOutput (closing, and so writing, one already open); the
// page starts as the background colour.  With no output chosen (or one refused, see
// errors-tarvcore.md) no device is open and drawing goes only to the call log (or to the
// toolkit's frame, when one is linked).
void kernelOpenDevice();
// Writes the picture to its file and closes the device (a trace file is written as it goes).
// Nothing happens when no device is open.
void kernelCloseDevice();
void kernelClose();
// Brings the output up to date: the pending lines drawn, the PNG and the trace file written as
// they stand; the device stays open.
void kernelFlushOutput();
// The picture space: x from x1 to x2 and y from y1 to y2 (either way round; y grows upward),
// fitted to the output keeping its aspect ratio, centred.  An empty or non-finite space is
// ignored.  Default 0..1000 by 0..750.
void kernelSetPictureSpace(const float& x1, const float& x2, const float& y1, const float& y2);
// Writes `count` of the four picture-space values x1, x2, y1, y2, starting with number `first`
// (1..4), into values[0..count-1].  status is 0 on success, 1 when first/count were out of range:
// then only values[k] with first + k in 1..4 and k < count are written, the rest left alone
// (nothing for a null array or a count below 1).
void kernelEnquirePictureSpace(int& status, const int& first, const int& count, float* values);
// Picture window (x1, x2, y1, y2) onto the output area (u1, u2, v1, v2) in output units (the
// device's pixels, or points, from its bottom-left corner, unless kernelSetRasterOutput sets a
// scale and origin).  Until it is set the whole picture space maps onto the whole output,
// keeping its aspect ratio, centred; the enquiry gives that mapping then.  Once set it stays in
// force: a later kernelSetPictureSpace no longer moves the drawing (resetState clears it).  An
// empty or non-finite window or area is ignored.
void kernelSetMapping(const float& x1, const float& x2, const float& y1, const float& y2,
                      const float& u1, const float& u2, const float& v1, const float& v2);
void kernelEnquireMapping(float& x1, float& x2, float& y1, float& y2, float& u1, float& u2,
                          float& v1, float& v2);
// Raster of width x height pixels (each 1 to 16384); output units per pixel in x and y (above
// 0); origin of the raster in output units.  The size takes effect at the next kernelOpenDevice,
// the scale and origin at once (on a device already open, too).  Without it a PNG is 1000
// pixels wide (a PDF or SVG page 1000 points) at the picture space's aspect ratio.  Values out
// of range are ignored.
void kernelSetRasterOutput(const int& width, const int& height, const float& xUnitsPerPixel,
                           const float& yUnitsPerPixel, const float& xOrigin, const float& yOrigin);

// ---- Bookkeeping, settings, errors ---------------------------------------------------------
// The routine name that error reports carry (trailing blanks dropped; six blanks clear it).
// The libraries pass level 2; the level appears in the call log only.
void kernelSetRoutineName(const int& level, const char* text, int length);
// Reports error `number` (warning when negative) under the routine name in force: one line on
// standard error and one record in tarv::errorLog(); never stops the program.  The numbers and
// how they look: share/doc/tarv/errors-*.md.
void kernelReportError(const int& number);
// Library-open flags of libraries 1, 2 and 3 (1 the graph library, 2 the program's toolkit
// binding, 3 the surface library): 0 at start, kept for the whole process, not reset by
// kernelOpen or kernelClose.  An unknown library reads 0; setting one is ignored.
void kernelEnquireLibraryOpen(const int& library, int& status);
void kernelSetLibraryOpen(const int& library, const int& state);
// Platform settings; an unknown code reads 0.
int kernelEnquireIntegerSetting(const int& code);  // 4: largest integer; 22, 23: console routing
float kernelEnquireRealSetting(const int& code);   // 2: largest real; 3: smallest normal real
// Platform settings kept and read back without a visible effect: block 91 (six reals; the
// fifth, 1.0 at start, divides the surface library's lengths into kernel units), setting 21,
// text settings 49 and
// 196 (196 is the fifth value of kernelEnquireTextAttributes), setting blocks 315 and 316 (the
// code is stored; both results are 0).
void kernelEnquireSettingBlock91(float& v1, float& v2, float& v3, float& v4, float& v5, float& v6);
void kernelSetSetting21(const int& value);
void kernelSetTextSetting49(const int& value);
void kernelSetTextSetting196(const int& value);
// The scratch array is neither read nor written.
void kernelSettingBlock316(const int& code, int& result1, int& result2, float* scratch);
void kernelSettingBlock315(const int& code, int& result1, int& result2, float* scratch);
// The 16-entry table of four integers each (index 1..16, all 0 at start), stored and read back;
// an index out of range is ignored by the setting and reads four zeros.
void kernelSetTableEntry(const int& index, const int& a, const int& b, const int& c, const int& d);
void kernelEnquireTableEntry(const int& index, int& a, int& b, int& c, int& d);

// ---- Pen and lines -------------------------------------------------------------------------
// One current point serves lines, text and markers.  Moves go to (x, y) or by (dx, dy) without
// drawing; lines draw from the current point and leave it at their end.
void kernelMovePen(const float& x, const float& y);
void kernelMovePenBy(const float& dx, const float& dy);
void kernelDrawLineTo(const float& x, const float& y);
void kernelDrawLineBy(const float& dx, const float& dy);
// From the current point through the n points; the current point ends at the last.
void kernelDrawPolyline(const float* x, const float* y, const int& n);
// The current point; unused is written 0.
void kernelEnquirePenPosition(float& x, float& y, float& unused);
// From the current point around the centre (cx, cy) to the point of the same circle in the
// direction of (px, py); direction 1 anticlockwise, any other clockwise.  An end in the start's
// direction (or on the centre) draws the full circle; a start on the centre draws nothing.
void kernelDrawArc(const float& cx, const float& cy, const float& px, const float& py,
                   const int& direction);
// Colour number (palette above); the pen stays.
void kernelSetColour(const int& index);
// Pen p: colour p in the line style and width in force.
void kernelSetPen(const int& pen);
// Line style (above); the enquiry reads it back.
void kernelSetLineStyle(const int& style);
void kernelEnquireLineStyle(int& style);
// The six line values: pen, line style, colour, line width, width mode, reserved.  Selector 0
// is the only one: another is ignored by the setting (the enquiry answers the same six values).
// A negative width is taken as 0, a non-finite one leaves the width alone.
void kernelSetLineAttributes(const int& selector, const int& pen, const int& style,
                             const int& colour, const float& width, const int& widthMode,
                             const int& reserved);
void kernelEnquireLineAttributes(const int& selector, int& pen, int& style, int& colour,
                                 float& width, int& widthMode, int& reserved);
// User dash pattern: dash, gap, dash, gap in picture-space units (drawn with their absolute
// values); setting it puts line style -1 in force.  The enquiry hands back the four values as
// they were set, signs and all.
void kernelSetDashPattern(const float& d1, const float& d2, const float& d3, const float& d4);
void kernelEnquireDashPattern(float& d1, float& d2, float& d3, float& d4);
// Line width in picture-space units (above); a negative width is taken as 0, a non-finite one
// ignored.  The width mode is the fifth line value.
void kernelSetLineWidth(const float& width);
void kernelEnquireLineWidth(float& width);
void kernelEnquireLineWidthMode(int& mode);

// ---- Curves --------------------------------------------------------------------------------
// Start tangent, end tangent, point before the first, point after the last: the values the
// curve conditions below take; read back exactly.
void kernelSetCurveEnds(const float& tx0, const float& ty0, const float& tx1, const float& ty1,
                        const float& xb, const float& yb, const float& xa, const float& ya);
void kernelEnquireCurveEnds(float& tx0, float& ty0, float& tx1, float& ty1, float& xb, float& yb,
                            float& xa, float& ya);
// Smooth curves through n points (at least 2), starting at their own first point and leaving the
// current point at the last: kernelDrawCurve a parametric curve, kernelDrawSpline a cubic spline
// in x, kernelDrawAkimaCurve an Akima curve (the last two parametric, like the first, where x
// is not strictly increasing or strictly decreasing).  Non-finite points and a point equal to
// the one before are left out.
// Conditions: -1 neighbour point from the curve ends, 1 tangent from the curve ends, 0 (or any
// other value) free.
void kernelDrawCurve(const float* x, const float* y, const int& n, const int& startCondition,
                     const int& endCondition);
void kernelDrawSpline(const float* x, const float* y, const int& n, const int& startCondition,
                      const int& endCondition);
void kernelDrawAkimaCurve(const float* x, const float* y, const int& n, const int& startCondition,
                          const int& endCondition);

// ---- Markers and fills ---------------------------------------------------------------------
// Marker `symbol` (above) at the current point in the current colour; the point stays.
void kernelDrawMarker(const int& symbol);
// Style 0 solid, -1 outline, 1..8 hatches; pen 0 the current colour (for the background
// colour 0 see the fill pen above).  The polygon is the current point followed by the n points
// read from x and y; fills leave the current point where it is.  A boundary of fewer than
// three corners (points that differ from the one before) is neither filled nor outlined.
void kernelFillPolygon(const int& style, const int& pen, const int& reserved, const float* x,
                       const float* y, const int& n);
// `count` boundaries of counts[i] points each (a negative count as 0), read one after another
// from x and y; even-odd rule.  counts: `count` values read (none for a count below 1 or a null
// array); x, y: the sum of the positive counts read from each, none when that sum is above 2^24.
void kernelFillMultiPolygon(const int& style, const int& pen, const int& reserved, const int& count,
                            const int* counts, const float* x, const float* y);
// The box with corners (x1, y1) and (x2, y2) in either order; style and pen as above.
void kernelFillBox(const int& style, const int& pen, const float& x1, const float& y1,
                   const float& x2, const float& y2);

// ---- Text ----------------------------------------------------------------------------------
// Text is laid out on the character cell: every character one character width wide, a line one
// character height tall above its baseline, lines twice the character height apart.  In a text,
// the control character (`*` at start) followed by `.` ends the text, by itself gives one
// literal control character, and by `N` (or `n`) starts a new line; followed by anything else
// it is drawn as it stands.
// The text position is the current point (unused is written 0).
void kernelSetTextPosition(const float& x, const float& y);
void kernelEnquireTextPosition(float& x, float& y, float& unused);
// Draws the text at the current point, its baseline there, justified and turned by the angle
// in force; the current point ends after the last character.
void kernelDrawText(const char* text, int length);
// Draws the number as kernelFormatReal / kernelFormatInteger write it into a text of |width|
// characters, at most 256 (64 for width 0), trailing blanks dropped.
void kernelDrawRealNumber(const float& value, const int& width, const int& decimals);
void kernelDrawIntegerNumber(const int& value, const int& width);
// Extent of the text measured at angle 0: e1 the width of the widest line, e2 the number of
// lines, e3 the total height ((2k - 1) character heights for k lines), e4 the height above the
// first baseline (one character height), e5 e1 in character widths.  An empty text: 0, 1, 0, 0, 0.
void kernelEnquireTextExtent(const char* text, int length, float& e1, float& e2, float& e3,
                             float& e4, float& e5);
// The length without trailing blanks (0 for a blank text).
int kernelUsedLength(const char* text, int length);
void kernelEnquireUsedLength(const char* text, int length, int& used);
// Fixed notation with `decimals` decimals (0 keeps the point: "12."; below 0 taken as 0, above
// 40 as 40); a value that does not fit, or is not finite, fills the field with `*`.
// Width w > 0 right-justified in w columns, w < 0 left-justified in |w|, w = 0 shortest (a
// shortest form longer than the text fills the whole text with `*`).  A field wider than the
// text is cut to the text's length.
void kernelFormatReal(const float& value, const int& width, const int& decimals, char* text,
                      int length);
void kernelFormatInteger(const int& value, const int& width, char* text, int length);
// The character with code 0..255 followed by blanks; another code gives blanks.
void kernelFormatCharCode(const int& code, char* text, int length);
// The control character: the first character of the text (an empty text is ignored); the
// enquiry writes it followed by blanks.
void kernelSetControlChar(const char* text, int length);
void kernelEnquireControlChar(char* text, int length);
// Mode reads back 4 while text mode 1 is in force; font -1 = none selected; angle in degrees.
// The fifth value is text setting 196.
void kernelEnquireTextAttributes(int& mode, float& width, float& height, int& font, int& fifth,
                                 float& angle);
// Text mode (0 or 1; both draw alike) and font number are kept and read back (the font's flag is
// kept only) but do not change how text looks.
void kernelSetTextMode(const int& mode);
// Character width and height in picture-space units (default 10 by 10; non-finite ignored).  With
// a width or height of 0 or below no glyphs are drawn; the current point still moves as the
// width says.
void kernelSetCharSize(const float& width, const float& height);
// Text angle in degrees, anticlockwise from the x axis (default 0; non-finite ignored).
void kernelSetCharAngle(const float& degrees);
void kernelSetFont(const int& font, const int& flag);
// Justification about the text position: -1 left (the default), 0 centred, 1 right (any value
// below 0 as -1, above 0 as 1; the enquiry reads back the value as set).
void kernelSetTextJustification(const int& justification);
void kernelEnquireTextJustification(int& justification);

// ---- Extension of the stand-in ---------------------------------------------------------------
// Output file for programs that run without the widget toolkit; the extension picks the device:
// .png, .pdf, .svg or .trace, in any case (trailing blanks of the name are dropped).  Takes
// effect at the next kernelOpenDevice, and stays chosen for every later one.
void kernelSelectOutput(const char* name, int length);

namespace tarv {

// One reported error: the number and the routine name in force when it was reported.
struct ErrorRecord {
    int number;
    std::string routine;
};

// In-process call log, in the format of the .trace device: one line per operation in call
// order, the operation's name, then its input arguments in argument order separated by single
// spaces, and for operations with outputs ` -> ` and the output values in argument order
// (in/out arguments on both sides; a function's result after `->`).  Integers print as %d,
// reals as %.6g, a text in double quotes cut to its length (output texts without trailing
// blanks; bytes below 32 as `?`), an array as [v1 v2 ...] with as many elements as its count
// says:
//     kernelMovePen 100 200
//     kernelEnquirePictureSpace 1 4 -> 0 [0 1000 0 750]
//     kernelUsedLength "ab  " -> 2
void traceCapture(bool on);  // start (clearing the log) or stop capturing
// The lines captured so far; traceClear empties the log.
const std::vector<std::string>& traceLines();
void traceClear();

// The reported errors kept in memory: the latest ones, at most kErrorLogLimit (when the log is
// full, its older half is dropped), so that a long run does not grow without end.  errorCount
// counts every report since the last errorLogClear, kept or not.
constexpr std::size_t kErrorLogLimit = 1024;
const std::vector<ErrorRecord>& errorLog();
std::uint64_t errorCount();
void errorLogClear();
void setErrorEcho(bool on);  // echo reported errors to stderr (default on)

// The kernel's own error numbers: an output it cannot write.  Each is recorded in errorLog()
// (under the kernel operation that met it; kErrorNoDevice under the routine name in force) and
// named on stderr as "tarvcore: OPERATION: MESSAGE (error n)".  The table of every number a
// library reports is installed in share/doc/tarv/errors-*.md under the install prefix (these
// headers in include/).
constexpr int kErrorUnknownOutputKind = 101;  // selected output's extension names no device
constexpr int kErrorOutputNotCreated = 102;   // output file cannot be created (no folder, no right)
constexpr int kErrorOutputNotWritten = 103;   // writing the picture into its output file failed
constexpr int kErrorNoDevice = 104;  // drawing after kernelOpen with no device, target or call log

// Put every kernel state value back to its start value (not the library-open flags, unless
// asked), and close any open device.  For tests.
void resetState(bool libraryFlagsToo = false);

// Values that the platform fixes; tests change them to reach other paths.
void setIntegerSetting(int code, int value);
void setRealSetting(int code, float value);
void setSettingBlock91(int index, float value);  // index 1..6

}  // namespace tarv

TARV_API_END

#endif
