// crosssection.h - vertical sections through the gridded surface of the picture drawn last
// (CRSSEC): the walk along the section line that tabulates the surface height at every grid
// line crossed, the section's frame with its axes and titles, and the profile with the filled
// bands and contour levels under it.
//
// The three tables (x, y, height of each entry) lie in the caller's workspace, max(nx, ny)
// words each, right after the grid's edge flags (gridded map) or after the work area of a
// projected picture (its partition).
#ifndef SURFLIB_GRID_CROSSSECTION_H
#define SURFLIB_GRID_CROSSSECTION_H

namespace surflib {

// The frame of the section picture, after the tables are filled: lays out its MapTransform
// (horizontal axis along x for walkKind 1 or y for 2, height axis up) and draws it by the
// cross-section frame type, then the profile.
void surfaceDrawCrossSectionFrame(float x1, float y1, float x2, float y2, int wsize, float* work);
// The profile of the tables between the height limits zBottom and zTop: kind 0 and 3 with the
// filled bands of a band-filled map under it, kind 1 and 4 with a vertical line at each entry,
// all kinds with the contour levels as water lines and the outline.
void surfaceDrawCrossSectionProfile(float zBottom, float zTop, int kind, int wsize, float* work);

}  // namespace surflib

#endif
