// picture_fit.h - the fit of a projected picture into its frame: the eight corners of the
// picture box go through the perspective transform and the frame takes the box at one scale
// for x and y.  Used by the perspective surfaces and by the map frames of contour maps drawn
// on a perspective picture.
#ifndef SURFLIB_FRAME_PICTURE_FIT_H
#define SURFLIB_FRAME_PICTURE_FIT_H

namespace surflib {

// Fits the picture box over [zlow, zhigh] into the surface frame (or the plot frame less the
// margins and the key); a box that does not project leaves the frame without width or height.
void surfaceFitPictureToFrame(float xmin, float xmax, float ymin, float ymax, float zlow,
                              float zhigh);
// Whether the last fit left a frame of width and height.
bool surfacePictureFitted();
// The perspective transform of a point whose picture position fits single precision; false
// (outputs untouched) otherwise.
bool surfaceProjectFinite(float x, float y, float z, float& X, float& Y);

}  // namespace surflib

#endif
