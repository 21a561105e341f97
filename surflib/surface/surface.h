// surface.h - the internal routines shared by the projected-surface files: the view set-up of
// perspective pictures, the two point transforms, the axis divisions, the horizon store of
// hidden-line removal, the perspective and isometric drawings, the grids their drivers
// record, grid or sample, and the surface axes.  The fit of a picture into its frame and the
// height bands sit a floor lower (frame/picture_fit.h, frame/bands.h): contour maps use them.
#ifndef SURFLIB_SURFACE_SURFACE_H
#define SURFLIB_SURFACE_SURFACE_H

#include "frame/bands.h"
#include "frame/errors.h"
#include "frame/picture_fit.h"
#include "frame/state.h"
#include "tterrlib.h"

namespace surflib {

// ---- Axis divisions (projection.cpp) ------------------------------------------------------
// The division of [lo, hi] by the given step when one is set and usable, else by about 10
// intervals; unit := 10^exponent.
void surfaceDivideAxis(SurfaceAxisScale& a, float lo, float hi, bool stepGiven, float step);
void surfaceAxisIntercept(float firstTick, float step, int tickCount, float dataMin, float dataMax,
                          int exponent, float& firstTickCopy, float& startOffset, float& endOffset,
                          float& lastTick);
// The x and y divisions of a projected picture over the window of the library grid.
void surfaceDivideGridAxes();
// The z division over [lo, hi], then the intercepts of all three axes.
void surfaceDivideHeightAxis(float lo, float hi);
// Flat range widened by magnitude, so that a negative or tiny value still gives lo < hi.
void surfaceWidenRange(float& lo, float& hi);

// ---- View set-up and transforms (projection.cpp) ------------------------------------------
void surfaceSetViewTransform(float& distance, float elevation, float azimuth, int nx, int ny,
                             int& nFirst, int& nSecond, float xmin, float xmax, float ymin,
                             float ymax, float zlow, float zhigh, int& status);
// Return false (error 18 reported) when there is no picture to project into.
bool surfaceProjectPerspective(float x, float y, float z, float& X, float& Y);
bool surfaceProjectIsometric(float x, float y, float z, float& X, float& Y);

// ---- Perspective drawing (perspective.cpp, hidden_lines.cpp) ------------------------------
void surfacePartitionPerspectiveWorkspace(int wsize, int& status);
void surfaceDrawPerspectiveGrid(int nx, float xmin, float xmax, int ny, float ymin, float ymax,
                                const float* z, float& distance, float elevation, float azimuth,
                                int wsize, float* work, const float* fillCodes, int gridBase);
void surfaceDrawLevelKey();
// The hidden-line walk over the grid copy in the workspace (heights clamped to [zlow, zhigh];
// the picture box runs over the z axis range of the settings).
void surfaceDrawHiddenLineGrid(float zlow, float zhigh, int wsize, float* work,
                               const float* fillCodes);
// Fills the cells of the grid copy from the back to the front with their fill codes (the
// caller's array, else the line-style band pens or the background), outlined when asked.
void surfaceFillPerspectiveCells(const float* grid, float zlow, float zhigh, const float* fillCodes,
                                 bool outline);
// The grid as the hidden-line walk sees it: clamped height of node (i, j), 0-based.
float surfaceClampedNode(const float* grid, int nx, int i, int j, float zlow, float zhigh);

// ---- The horizon store (hidden_lines.cpp) ------------------------------------------------
// Draws the picture segment (X1, Y1)-(X2, Y2) of a filled perspective without the parts the
// surface hides, against the horizons its drawing left in the workspace; returns whether any
// part was hidden.  With draw false it only tests.  Without a filled picture it draws it whole.
bool surfaceDrawClippedSegment(float X1, float Y1, float X2, float Y2, bool draw, int wsize,
                               float* work);
// The picture points of a projected grid line go through the buffer of visible runs.
void surfaceHiddenRunStart();
void surfaceHiddenRunAdd(float X, float Y);
void surfaceHiddenRunEnd();

// ---- The grids of the drivers (driver_grids.cpp) -----------------------------------------
// Records an nx by ny grid: its node and interval counts.
void surfaceSetGridShape(int nx, int ny);
// Nodes of an nx by ny grid, 0 when either count is not positive.
long long surfaceNodeCount(int nx, int ny);
// Grids the scattered points into the library workspace; base: where the grid copy of the
// picture goes (past the points while their markers are wanted).  False when refused.
bool surfaceGridRandomPoints(int npts, float* x, float* y, float* z, int& base);
// Samples f over the window on the library grid at the start of the library workspace.
bool surfaceSampleFunctionGrid(float xmin, float xmax, float ymin, float ymax,
                               SurfaceHeightFunction f);

// ---- Filled surfaces (filled.cpp) --------------------------------------------------------
void surfaceDrawProjectedDataPoints(int wsize, const float* work);

// ---- Axes (axes.cpp) ----------------------------------------------------------------------
// wsize, work: the workspace of the picture (a filled one clips its back edges and grids).
void surfaceDrawProjectedAxes(float zlow, float zhigh, int wsize, float* work);
void surfaceDrawIsometricAxes(int npt, int nrow, float rightX, float rightY, float frontX,
                              float frontY, float leftX, float leftY, float zlow, float zhigh);
void surfaceDrawPictureTitle(float x, float y, float width);

// ---- Shared small helpers -----------------------------------------------------------------
// The steps between drawn grid lines of an nx by ny grid: 1 unless grid lines are set; a step
// past the grid is refused with a warning and grid lines are switched off.
void surfaceGridLineSteps(int nx, int ny, int& stepX, int& stepY);
// The heights [lo, hi] of a picture narrowed by the level limits when set; a fixed z range
// replaces them.
void surfaceLimitHeightRange(float& lo, float& hi);
// The lowest and highest finite of the first nodes heights of z; 0 and 0 when none is finite.
void surfaceFiniteRange(const float* z, long long nodes, float& lo, float& hi);

}  // namespace surflib

#endif
