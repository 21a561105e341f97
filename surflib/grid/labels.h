// labels.h - contour label placement shared by the plain and the smoothed contour outputs:
// label metrics, the room test, the straightness test of a run, the label's direction, anchor
// and box, and the writing of the level's number.  Positions are picture coordinates.
#ifndef SURFLIB_GRID_LABELS_H
#define SURFLIB_GRID_LABELS_H

namespace surflib {

struct ContourLabelMetrics {
    float h;  // label character height
    float w;  // label character width
    float L;  // label length: one character more than the field width
};

struct ContourLabelPlace {
    float theta;         // direction of the text, radians
    bool anchorAtPoint;  // anchored at the current point (else at the run start S)
    float ax, ay;        // anchor
    float tx, ty;        // text position
    float dx, dy;        // unit vector along the text
};

ContourLabelMetrics surfaceLabelMetrics();
// labelsOn and the current level is a labelled one.
bool surfaceLabelsDue();
// Measures the room at the current edge; true when 1.2 label heights fit on both sides.
bool surfaceLabelRoomFits(const ContourLabelMetrics& m, const float* work);
// The run from S, first towards (fx, fy), last from (lx, ly) to (X, Y), bends by at most 30
// degrees; false also when a direction cannot be measured.
bool surfaceLabelRunStraight(float fx, float fy, float lx, float ly, float X, float Y);
// Direction, anchor and box of a label at (X, Y) with the run start S; false when the box
// does not lie inside the map window (plain) or the map area (smoothed).  Moves S to (X, Y)
// when the label is anchored there.
bool surfaceLayLabel(const ContourLabelMetrics& m, float X, float Y, bool smoothed,
                     ContourLabelPlace& place);
// Sets the label text size and angle (before the line up to the label is drawn).
void surfaceSetLabelText(const ContourLabelMetrics& m, const ContourLabelPlace& place);
// Writes the level's number at the text position, in the label pen.
void surfaceWriteLabelNumber(const ContourLabelPlace& place);
// After a line: the text back to the map character size at angle 0.
void surfaceResetLabelText();

}  // namespace surflib

#endif
