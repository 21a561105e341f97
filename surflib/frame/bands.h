// bands.h - the height bands of the level list: which band a height falls in and the drawing
// of a picture segment in the pens of the bands it passes through.  Shared by the projected
// surfaces and the cross-sections of contour maps.
#ifndef SURFLIB_FRAME_BANDS_H
#define SURFLIB_FRAME_BANDS_H

namespace surflib {

// The pen a drawing starts from: the kernel colour in force when the routine was entered.
int surfaceEntryPen();
// The band of height z: the first level k (1-based) with z <= level k, else the level count.
int surfaceFindBand(float z);
// Draws the segment (X1, Y1)-(X2, Y2) whose ends have heights z1, z2 and bands band1, band2,
// cut where it crosses a level, each piece in the pen of its band; then z1 := z2 and
// band1 := band2, so that a polyline passes its last end on.
void surfaceDrawBandedSegment(float X1, float X2, float Y1, float Y2, float& z1, float z2,
                              int& band1, int band2);

}  // namespace surflib

#endif
