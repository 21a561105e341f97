// annotation.h - the numbers, label strings and exponent captions along an axis.
#ifndef PLOTLIB_AXES_ANNOTATION_H
#define PLOTLIB_AXES_ANNOTATION_H

namespace plotlib {

// At most this many numbers are written along one axis; each is built in a field of
// kNumberField characters.
constexpr int kMaxAxisNumbers = 400;
constexpr int kNumberField = 50;

// Writes the numbers (or dates) of axis 1 or 2 at its ticks on the side of the switch's sign.
void graphAnnotateAxisTicks(int axis, int side);

// Draws count texts of `length` characters each at the ticks of an axis, the first label at
// tick a3 (attribute 3), skipping or shrinking under attributes 4 and 9 when they crowd; the
// texts are used again from the start when there are more ticks than texts.
void graphLayOutAxisLabels(const char* labels, int length, int count, int tickCount, int side,
                           int axis);

// Places and draws one label at tick number `tick` (from 1) of an axis under attributes 1, 2
// and 5 to 8.
void graphPlaceAxisLabel(const char* text, int length, int tick, int side, int axis);

// Exponent caption of the x (y) axis near (x, y), on the side of `side`'s sign.
void graphDrawXAxisCaption(float x, float y, int side);
void graphDrawYAxisCaption(float x, float y, int side);

// Used length of a text: without trailing blanks.
int graphTrimmedLength(const char* text, int length);

}  // namespace plotlib

#endif
