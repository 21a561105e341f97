// outlines.h - the outline drawings of area and step charts, shared by each family's plot
// and outline routines.
#ifndef PLOTLIB_CHARTS_OUTLINES_H
#define PLOTLIB_CHARTS_OUTLINES_H

namespace plotlib {

// Each area as a closed rectangle through its four bounds; orientation 2 or more puts the
// first pair (a1, a2) along y.
void graphDrawAreaOutlines(const float* a1, const float* a2, const float* a3, const float* a4,
                           int n, int orientation);

// The step outline of steps s[i]..e[i] at levels v[i] over the base b: code 1 connected
// treads, 2 a closed profile, 3 separate columns, other codes the treads only.  Orientation
// 2 or more draws every point transposed.
void graphDrawStepOutline(const float* s, const float* e, const float* v, int n, int orientation,
                          float base, int code);

}  // namespace plotlib

#endif
