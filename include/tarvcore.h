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
//
// Units are picture-space units (kernel units); the default picture space is 0..1000 by
// 0..750 and the default character cell 10 by 10.  The extension section at the end holds
// what a program without the widget toolkit needs (choosing an output file) and what tests
// need (the call log, the error log, settings that the platform would fix).
#ifndef TARVCORE_H
#define TARVCORE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "tarvconfig.h"

TARV_API_BEGIN

// ---- Devices and picture ------------------------------------------------------------------
void kernelOpen();
void kernelOpenDevice();
void kernelCloseDevice();
void kernelClose();
void kernelFlushOutput();
void kernelSetPictureSpace(const float& x1, const float& x2, const float& y1, const float& y2);
// Writes `count` of the four picture-space values x1, x2, y1, y2, starting with number `first`
// (1..4), into values[0..count-1].  status is 0 on success, 1 when first/count were out of range:
// then only values[k] with first + k in 1..4 and k < count are written, the rest left alone
// (nothing for a null array or a count below 1).
void kernelEnquirePictureSpace(int& status, const int& first, const int& count, float* values);
// Picture window (x1, x2, y1, y2) onto the output area (u1, u2, v1, v2) in output units.
void kernelSetMapping(const float& x1, const float& x2, const float& y1, const float& y2,
                      const float& u1, const float& u2, const float& v1, const float& v2);
void kernelEnquireMapping(float& x1, float& x2, float& y1, float& y2, float& u1, float& u2,
                          float& v1, float& v2);
// Raster of width x height pixels; output units per pixel in x and y; origin of the raster
// in output units.
void kernelSetRasterOutput(const int& width, const int& height, const float& xUnitsPerPixel,
                           const float& yUnitsPerPixel, const float& xOrigin, const float& yOrigin);

// ---- Bookkeeping, settings, errors ---------------------------------------------------------
void kernelSetRoutineName(const int& level, const char* text, int length);
void kernelReportError(const int& number);
void kernelEnquireLibraryOpen(const int& library, int& status);
void kernelSetLibraryOpen(const int& library, const int& state);
int kernelEnquireIntegerSetting(const int& code);  // 4: largest integer; 22, 23: console routing
float kernelEnquireRealSetting(const int& code);   // 2: largest real; 3: smallest normal real
void kernelEnquireSettingBlock91(float& v1, float& v2, float& v3, float& v4, float& v5, float& v6);
void kernelSetSetting21(const int& value);
void kernelSetTextSetting49(const int& value);
void kernelSetTextSetting196(const int& value);
// The scratch array is neither read nor written.
void kernelSettingBlock316(const int& code, int& result1, int& result2, float* scratch);
void kernelSettingBlock315(const int& code, int& result1, int& result2, float* scratch);
void kernelSetTableEntry(const int& index, const int& a, const int& b, const int& c, const int& d);
void kernelEnquireTableEntry(const int& index, int& a, int& b, int& c, int& d);

// ---- Pen and lines -------------------------------------------------------------------------
void kernelMovePen(const float& x, const float& y);
void kernelMovePenBy(const float& dx, const float& dy);
void kernelDrawLineTo(const float& x, const float& y);
void kernelDrawLineBy(const float& dx, const float& dy);
void kernelDrawPolyline(const float* x, const float* y, const int& n);
void kernelEnquirePenPosition(float& x, float& y, float& unused);
void kernelDrawArc(const float& cx, const float& cy, const float& px, const float& py,
                   const int& direction);
void kernelSetColour(const int& index);
void kernelSetPen(const int& pen);
void kernelSetLineStyle(const int& style);
void kernelEnquireLineStyle(int& style);
// The six line values: pen, line style, colour, line width, width mode, reserved.
void kernelSetLineAttributes(const int& selector, const int& pen, const int& style,
                             const int& colour, const float& width, const int& widthMode,
                             const int& reserved);
void kernelEnquireLineAttributes(const int& selector, int& pen, int& style, int& colour,
                                 float& width, int& widthMode, int& reserved);
void kernelSetDashPattern(const float& d1, const float& d2, const float& d3, const float& d4);
void kernelEnquireDashPattern(float& d1, float& d2, float& d3, float& d4);
void kernelSetLineWidth(const float& width);
void kernelEnquireLineWidth(float& width);
void kernelEnquireLineWidthMode(int& mode);

// ---- Curves --------------------------------------------------------------------------------
// Start tangent, end tangent, point before the first, point after the last.
void kernelSetCurveEnds(const float& tx0, const float& ty0, const float& tx1, const float& ty1,
                        const float& xb, const float& yb, const float& xa, const float& ya);
void kernelEnquireCurveEnds(float& tx0, float& ty0, float& tx1, float& ty1, float& xb, float& yb,
                            float& xa, float& ya);
// Conditions: -1 neighbour point from the curve ends, 0 free, 1 tangent from the curve ends.
void kernelDrawCurve(const float* x, const float* y, const int& n, const int& startCondition,
                     const int& endCondition);
void kernelDrawSpline(const float* x, const float* y, const int& n, const int& startCondition,
                      const int& endCondition);
void kernelDrawAkimaCurve(const float* x, const float* y, const int& n, const int& startCondition,
                          const int& endCondition);

// ---- Markers and fills ---------------------------------------------------------------------
void kernelDrawMarker(const int& symbol);
// Style 0 solid, -1 outline, 1..8 hatches; pen 0 the current colour.  The polygon is the
// current point followed by the n points read from x and y.  A boundary of fewer than three
// corners (points that differ from the one before) is neither filled nor outlined.
void kernelFillPolygon(const int& style, const int& pen, const int& reserved, const float* x,
                       const float* y, const int& n);
// `count` boundaries of counts[i] points each (a negative count as 0), read one after another
// from x and y; even-odd rule.  counts: `count` values read (none for a count below 1 or a null
// array); x, y: the sum of the positive counts read from each, none when that sum is above 2^24.
void kernelFillMultiPolygon(const int& style, const int& pen, const int& reserved, const int& count,
                            const int* counts, const float* x, const float* y);
void kernelFillBox(const int& style, const int& pen, const float& x1, const float& y1,
                   const float& x2, const float& y2);

// ---- Text ----------------------------------------------------------------------------------
void kernelSetTextPosition(const float& x, const float& y);
void kernelEnquireTextPosition(float& x, float& y, float& unused);
void kernelDrawText(const char* text, int length);
void kernelDrawRealNumber(const float& value, const int& width, const int& decimals);
void kernelDrawIntegerNumber(const int& value, const int& width);
void kernelEnquireTextExtent(const char* text, int length, float& e1, float& e2, float& e3,
                             float& e4, float& e5);
int kernelUsedLength(const char* text, int length);
void kernelEnquireUsedLength(const char* text, int length, int& used);
// Width w > 0 right-justified in w columns, w < 0 left-justified in |w|, w = 0 shortest.
void kernelFormatReal(const float& value, const int& width, const int& decimals, char* text,
                      int length);
void kernelFormatInteger(const int& value, const int& width, char* text, int length);
void kernelFormatCharCode(const int& code, char* text, int length);
void kernelSetControlChar(const char* text, int length);
void kernelEnquireControlChar(char* text, int length);
// Mode reads back 4 while text mode 1 is in force; font -1 = none selected; angle in degrees.
void kernelEnquireTextAttributes(int& mode, float& width, float& height, int& font, int& fifth,
                                 float& angle);
void kernelSetTextMode(const int& mode);
void kernelSetCharSize(const float& width, const float& height);
void kernelSetCharAngle(const float& degrees);
void kernelSetFont(const int& font, const int& flag);
void kernelSetTextJustification(const int& justification);
void kernelEnquireTextJustification(int& justification);

// ---- Extension of the stand-in ---------------------------------------------------------------
// Output file for programs that run without the widget toolkit; the extension picks the device:
// .png, .pdf, .svg or .trace.  Takes effect at the next kernelOpenDevice.
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
// blanks), an array as [v1 v2 ...] with as many elements as its count says:
//     kernelMovePen 100 200
//     kernelEnquirePictureSpace 1 4 -> 0 [0 1000 0 750]
//     kernelUsedLength "ab  " -> 2
void traceCapture(bool on);  // start (clearing the log) or stop capturing
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

constexpr int kErrorUnknownOutputKind = 101;  // selected output's extension names no device
constexpr int kErrorOutputNotCreated = 102;   // output file cannot be created (no folder, no right)
constexpr int kErrorOutputNotWritten = 103;   // writing the picture into its output file failed
constexpr int kErrorNoDevice = 104;           // drawing with no device, linked target or call log

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
