// map_transform.h - drawing in map coordinates: map polylines and fills (bent through the
// network normalisation or the perspective projection when those are in force), number
// labels, the label direction and the perspective point transform.
#ifndef SURFLIB_FRAME_MAP_TRANSFORM_H
#define SURFLIB_FRAME_MAP_TRANSFORM_H

namespace surflib {

// The transform of MapTransform in double, neither rounded nor guarded against a zero scale or
// factor: picture X, Y to map x, y and back.
double surfacePictureXToMap(double X);
double surfacePictureYToMap(double Y);
double surfaceMapXToPicture(double x);
double surfaceMapYToPicture(double y);

// Converts the n points in place and draws them; n < 1 draws nothing.  The points are picture
// points of the flat map, or normalised network coordinates while a network routine is active
// (networkRoutineActive); either way they are brought onto the projected surface when the map
// lies on one.
void surfaceDrawMapPolyline(int n, float* x, float* y);
// np areas of counts[k] points (reals, rounded; points as for surfaceDrawMapPolyline) one
// after another, converted in place, filled
// with the current fill code.  Areas that enclose nothing (fewer than three distinct corners,
// or no area) are dropped before the kernel: their counts become 0 and the points of the
// areas kept move up over theirs.
void surfaceFillMapAreas(int np, float* counts, float* x, float* y);
// A number label at a map picture point; on a projected surface the point is projected first
// and written back.
void surfaceDrawMapNumber(float& X, float& Y, float value, int& width, int& decimals, int power);
// A real as a label of at most 9 characters: width > 0 right-aligned ending at X, width < 0
// left-trimmed starting at X.  |width| over 9 is cut to 9 (warning -12), negative decimals to
// 0, both in the caller's arguments.  power: the value is shown times 10^power (9999: as is).
void surfaceDrawNumber(float X, float Y, float value, int& width, int& decimals, int power);
void surfaceDrawFixedNumber(float X, float Y, float value, int& width, int power);
void surfaceSetLabelDirection(float width, float height, float angle);
// Perspective transform of map point (x, y) at height z (in double, so that a point worked
// out from normalised network units keeps its digits however far from the origin it lies).
// Returns false (X, Y untouched) when the point lies in the plane of the eye and has no
// picture position.
bool surfaceProjectPoint(double x, double y, double z, float& X, float& Y);

// Formats value as the label text of surfaceDrawNumber (decimals > 0) or of
// surfaceDrawFixedNumber (decimals 0) into text[10]; |width| <= 9.  Returns the field length.
int surfaceFormatNumber(double value, int width, int decimals, char* text);

}  // namespace surflib

#endif
