// pie.h - the workers of the pie charts: segment angles, fills, outlines, explosion and the
// three label forms (radial text in the segment, boxed text in the segment, horizontal text at
// the end of a leader line outside the rim).
//
// Angles are degrees counter-clockwise from the kernel's x direction; lengths kernel units.
// Centre and radius are those of PieSettings at the moment of the call.  None of these
// routines has a routine frame: PIECHA, PIEFIL, SEGCHA, SEGFIL, PIESTR and SEGSTR call them
// inside theirs.
#ifndef PLOTLIB_CHARTS_PIE_H
#define PLOTLIB_CHARTS_PIE_H

namespace plotlib {

// Most segments of one pie, and the label parts in their fixed order.
constexpr int kPieMostSegments = 50;
enum PieLabelPart { kPieLabelText = 0, kPiePercentage = 1, kPieValue = 2 };

// The geometry of one segment (piesegment.cpp).

// Start s and end e in [0, 360) and sweep S in [0, 360] of a segment from a1 to a2: a full
// turn (a2 = a1 + 360) sweeps 360, equal angles 0.  Non-finite angles give the empty segment
// at 0.
void graphNormalisePieAngles(float a1, float a2, float& sweep, float& s, float& e);

// The fill buffer: boundaries appended one after another, 200 points in all.
void graphClearPieBuffer();
int graphPieBufferPoints();
// Appends a boundary of `count` points; false (and nothing appended) when it does not fit.
bool graphAppendPieBoundary(const float* x, const float* y, int count);

// Fills the segment a1..a2 together with every boundary already in the buffer (label boxes
// become holes): nothing for a segment narrower than 0.0001 degrees or a fill style below
// -1; a negative pen reports -508 and its absolute value is used.
void graphFillPieSegment(float a1, float a2, int fillStyle, int pen);

// Rim points P(s) and P(e) into rim[0..3] (x, y of P(s), then of P(e)); unless outlineCode
// is -1 draws the two radii and the rim between them.
void graphDrawPieOutline(float s, float e, float sweep, int outlineCode, float* rim);

// Kernel point of angle `degrees` at distance `r` from the pie centre.
void graphPiePoint(double degrees, double r, float& x, float& y);

// The three label forms (pielabels.cpp).  Labels are (text, length); values are never changed.
// Radial text (annotation mode 1, PIESTR, SEGSTR); switches count as on when not 0, label
// switch 2 writes nothing for an empty label without a value part.  Outline code -1 draws no
// outline, 0 the radius at the end and the rim, 1 also the radius at the start.
void graphDrawRadialPieLabel(int outlineCode, float a1, float a2, const char* label, int length,
                             float value, int labelSwitch, int percentSwitch, int valueSwitch);
// Boxed text (annotation mode 2): code 0..3 the pass before the segment fill (box types 2 and
// 3 put their boxes into the fill buffer), code 4..7 the pass after it (boxes outlined for
// types 1 and 3, and the texts).
void graphDrawBoxedPieLabel(float a1, float a2, const char* label, int length, float value,
                            int code);
// Horizontal text at the end of a leader line from the middle of the rim (annotation mode 3,
// and boxed labels that fit nowhere in their segment).
void graphDrawLeaderPieLabel(const char* label, int length, float s, float sweep, float value);

// Where the line at height y (relative to the centre) crosses the segment s..e of the given
// sweep: the left and right ends (relative to the centre) of the piece next to the start
// radius.
void graphPieExtentAtHeight(float s, float e, float sweep, float y, float& left, float& right);

}  // namespace plotlib

#endif
