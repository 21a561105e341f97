// gridding.h - scattered points and user functions onto a regular grid, and the workspace
// partitions of the gridded maps.
#ifndef SURFLIB_GRID_GRIDDING_H
#define SURFLIB_GRID_GRIDDING_H

#include "tterrlib.h"

namespace surflib {

// Random-point layout: sorted x, y, z and bucket starts (N words each), then the grid and the
// tracer's edge flags (nx * ny each).  status 3 when wsize is too short.
void surfacePartitionRandomGrid(int wsize, int& status);
// Function (and plain grid) layout: the grid at word 0, or after the points of the last
// random-point partition while data-point markers are on, then the edge flags.
void surfacePartitionFunctionGrid(int wsize, int& status);
// The band-fill layout: the function layout plus a third grid-sized area, then ten pieces of
// m words (point counts 2m, x 4m, y 4m) with m at least 100.
void surfacePartitionFillWorkspace(int wsize, int& status);
// The same layout with the grid at a given offset: a band added to a map keeps the map's grid
// where the map put it.
void surfacePartitionFillAt(int gridOffset, int wsize, int& status);

// The grid size in force, as a routine that grids onto it finds it: a refused routine may have
// left counts below 2 behind, which report error 5 (false).  The interval counts follow it.
bool surfaceUseRecordedGridSize();

// Extents, grid-index units and the bucket index of npts points (status 0 on entry: a window
// is given; otherwise the window becomes the data extents).
void surfacePrepareRandomPoints(int npts, float* x, float* y, float* z, int wsize, float* work,
                                int& status);
// The height at node (u, v) in grid-index units.
using SurfaceNodeRoutine = float (*)(float u, float v, int ignored, const float* work, int& warned);
float surfaceInterpolateNode(float u, float v, int ignored, const float* work, int& warned);
void surfaceInterpolateGrid(SurfaceNodeRoutine node, int npts, float* x, float* y, const float* z,
                            int wsize, float* work);
void surfaceSampleFunction(SurfaceHeightFunction f, int wsize, float* work);

}  // namespace surflib

#endif
