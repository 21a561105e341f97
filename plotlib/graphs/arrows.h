// arrows.h - arrow heads, shared by ARROW and the vector charts.
//
// An arrow runs from the kernel's current point S to an end point T.  Its head is the
// equilateral triangle T, Q1, Q2 of side s whose corners Q1 and Q2 lie 30 degrees either side
// of the shaft, behind T; Q2 = Q1 + D with D the offset across the shaft.  The head size rule
// differs between the callers (ARROW: the character width, at most half the length; vector
// charts: a third of the length), so the size is an argument here.
#ifndef PLOTLIB_GRAPHS_ARROWS_H
#define PLOTLIB_GRAPHS_ARROWS_H

namespace plotlib {

// The first head corner and the offset to the second one.
struct ArrowHead {
    float q1x, q1y;          // Q1
    float offsetX, offsetY;  // D; Q2 = Q1 + D
};

// Direction of a shaft (dx, dy) in radians: the arctangent of dy / dx when |dx| > 1e-5,
// otherwise 1.570796 (up, dy >= 1e-5) or 4.712388 (down).
float graphArrowAngle(float dx, float dy);

// Head of size s at the end (tx, ty) of a shaft (dx, dy).
ArrowHead graphArrowHeadCorners(float tx, float ty, float dx, float dy, float size);

// Draws the head with the pen at T (the shaft just drawn): style 0 open (two strokes), 1
// outlined (three sides), 2 filled (kernel fill style 0, current pen).  Leaves the pen at T.
// Line style is the caller's business: both callers draw heads solid.
void graphDrawArrowHead(float tx, float ty, const ArrowHead& head, int style);

}  // namespace plotlib

#endif
