// tracing.h - the gridded contour tracer and the map drivers built on it.
//
// The grid lies in the workspace at partition.grid (nx * ny reals, x fastest), the edge flags
// of the tracer at partition.edgeFlags (nx * ny reals).  Every traced point is handed, in map
// coordinates, to the plain output (grid/labels.cpp) or, with the smoothed-line switch on, to
// the smoothed output (grid/smoothing.cpp); both place contour labels and may also collect the
// points for a contour data set (ContourPointCollection).
#ifndef SURFLIB_GRID_TRACING_H
#define SURFLIB_GRID_TRACING_H

#include <cmath>
#include <vector>

#include "frame/level_thinning.h"
#include "grid/cell_sweep.h"

namespace surflib {

// Tracing phases (SurfaceLibraryState::tracingPhase).
constexpr int kTracingBoundary = 0;  // open lines, started on the grid's boundary
constexpr int kTracingInterior = 1;  // closed lines, started on flagged interior edges

// True when the workspace of wsize words holds the grid and edge flags of the current
// GridState at the current partition (computed without overflow).
bool surfaceGridFitsWorkspace(int wsize);

// The levels that can cross a cell of the grid in the workspace: a level above `top` finds
// every node low, one at or below `bottom` every node high (a height that is not a number is
// low at every level), so neither crosses any cell.  The same bounds are kept for each block
// of kCrossingBlock horizontal edges of each node row, so that a level visits only the edges
// of the blocks it can cross.
constexpr int kCrossingBlock = 16;
struct SurfaceCrossingRange {
    float bottom = -INFINITY, top = INFINITY;
    int blocks = 0;                            // blocks per node row; 0: none kept
    std::vector<float> blockBottom, blockTop;  // row by row from node row 1

    static bool between(float level, float low, float high)
    {
        return !(level > high) && !(level <= low);
    }
    bool crosses(float level) const { return between(level, bottom, top); }
    // Whether the level can cross an edge of block b (from 0) of node row r (from 1).
    bool blockCrosses(int r, int b, float level) const
    {
        const size_t k =
            static_cast<size_t>(r - 1) * static_cast<size_t>(blocks) + static_cast<size_t>(b);
        return blocks == 0 || between(level, blockBottom[k], blockTop[k]);
    }
};
// The ranges of the recorded grid in work, found in one pass over its nodes; every level may
// cross when the grid does not fit the workspace.
SurfaceCrossingRange surfaceGridCrossingRange(int wsize, const float* work);

// Traces every line of one level over the recorded grid: mx = nx - 1, my = ny - 1.  Given the
// grid's crossing range, a level outside it costs only its label format and rhythm: the nodes
// are not visited.  Given a sweep of the map's levels (grid/cell_sweep.h) that holds this one,
// only the cells the level crosses and the grid's boundary are visited; the lines come out as
// from a pass over every cell.
void surfaceTraceGridContour(int mx, int my, float level, int wsize, float* work,
                             const SurfaceCrossingRange* range = nullptr,
                             SurfaceCellSweep* cells = nullptr);
// Sets the edge flags of one level (1.0 on horizontal edges crossed upwards, else 0.0).
void surfaceMarkGridEdges(int mx, int my, float level, float* work);
// Follows one line from the edge of node (i + 1, j + 1) to its neighbour (i + 1 + di,
// j + 1 + dj), the first node at or above the level, the second below.  The tracing phase
// must be set.  end is 1 once the line's last point has been handed out.
void surfaceFollowGridContour(int i, int j, int di, int dj, int mx, int my, float level, int wsize,
                              float* work, int& end);
// Advances the rhythm of labelled levels by one level (labelSkip levels left unlabelled).
void surfaceAdvanceLabelRhythm();

// The two outputs of a traced point (map coordinates).  first: on for a line's first point,
// cleared by the output; end: on for its last point.
void surfaceOutputContourLine(float x, float y, float level, int& first, int end, float* work);
void surfaceOutputSmoothedLine(float x, float y, float level, int& first, int end, float* work);
// Appends one point (map coordinates) to the contour data set being collected, if any;
// beyond the caller's capacity warning -38 once and collection stops.
void surfaceCollectContourPoint(float x, float y);

// The smoothed output's pieces: the tangent of a three-point window (mode 1 first, 2 middle,
// 3 last point), the curve from window point `from` to `to` into ContourSmoothBuffer, and one
// picture point added to that buffer against the map clip rectangle.
void surfaceSmoothTangent(const float* x, const float* y, int mode, float& tx, float& ty);
void surfaceDrawSmoothPiece(int from, int to);
void surfaceAddSmoothPoint(float X, float Y);

// Room beside the level at the edge from node (i, j) to (i + di, j + dj): writes
// labelRun.roomBelow and labelRun.roomAbove.
void surfaceMeasureLabelRoom(int i, int j, int di, int dj, float level, const float* work);

// Map to picture coordinates through MapTransform.
float surfaceMapToPictureX(float x);
float surfaceMapToPictureY(float y);
float surfacePictureToMapX(float X);
float surfacePictureToMapY(float Y);
// Map to picture from a value held in double, with no guard against a zero factor: for
// callers that have checked the transform is laid out, or take what it gives.
float surfaceMapValueToPictureX(double x);
float surfaceMapValueToPictureY(double y);

// Draws n points through surfaceDrawMapPolyline without touching the caller's arrays, when the
// output switch is 1.
void surfaceDrawContourPoints(int n, const float* x, const float* y);

// The driver of DRACON and GRDCON.
void surfaceDrawGridContourMap(int nx, float xmin, float xmax, int ny, float ymin, float ymax,
                               const float* z, int ncont, int lineSwitch, int wsize, float* work);

// The levels of a map: first, first + step, ... over zLow..zHigh, or, with count > 0, the
// first count heights of the level list.
struct SurfaceLevelPlan {
    double first;
    double step;
    double zLow, zHigh;  // the range the levels run over
    int count;           // levels of a list (0: no list)
};

// Traces the levels of the plan while they stay at or below zHigh (with a slack of 1e-5 of
// the range's magnitude), n of them at most from a list; equally spaced levels thinned to
// those the picture shows apart (surfaceThinGridLevels).  The level list is rebuilt with the
// drawn levels and their pens (counted over the levels drawn).
void surfaceDrawLevels(const SurfaceLevelPlan& plan, int n, int wsize, float* work);
// The sweep of the cells that the rising levels cross on the recorded grid in work (none when
// the grid does not fit the workspace).
SurfaceCellSweep surfaceLevelSweep(const std::vector<float>& levels, int wsize, const float* work);
// The showable steps of the cells of the recorded grid in work on the map laid out: each cell
// with four finite heights meets the levels over its corners' range, and shows lines apart at
// its steepest slope on the picture times a thousandth of the map area's larger side; a cell
// with a height that is no number or infinite is judged on the edges between its finite
// corners, and shows no two levels apart where they meet only its edges to such a height.
SurfaceLevelSteps surfaceGridLevelSteps(int wsize, const float* work);
// The numbers (rising) of the levels first + k step, k < count, that a gridded map draws:
// those the picture shows apart (frame/level_thinning.h); warning -77 when any is left out.
std::vector<long long> surfaceThinGridLevels(double first, double step, long long count, int wsize,
                                             const float* work);

// Helpers shared by the map drivers (grid/contourmap.cpp).
// The level count of a map from the caller's: a negative one warns -11 and counts as its size.
int surfaceMapLevelCount(int ncont);
// Records the grid a map or gridding routine works on, reversed limits swapped; the map drawn
// before can no longer be added to.  A grid that fails surfaceCheckGrid (errors 5, 15, 16
// reported) is not recorded: false, and the grid in force stays.
bool surfaceRecordGrid(int nx, float xmin, float xmax, int ny, float ymin, float ymax);
// Forgets what the map drawn before left: its fill bands and once-only warnings.
void surfaceClearMapRecords();
// Empties the level list for the levels a map is about to draw.  Called only once the map is
// past every check that can refuse it: a refused map leaves the list, and the heights CONDEF
// gave, as they were.
void surfaceRestartLevelList();
// Lays the caller's workspace out for the recorded grid with partition, copies z into it
// and finds its finite height range (zMin, zMax of GridState).  A flat range warns 17 and is
// widened.  False, with the drawing abandoned, when any of this fails.
bool surfaceLoadMapGrid(const float* z, int wsize, float* work,
                        void (*partition)(int wsize, int& status));
// The levels over zmin..zmax for about n of them: nice intervals (level exponent, label format,
// z factor and contour interval of the state) from the first step multiple at or above zmin (one
// just above it is kept), or, with n != 0 and the LEVELS limits on, n levels evenly from the
// lower limit to the upper (n 1 warns -14 and becomes 2).  Also the height range of a contour
// map laid on a surface.
SurfaceLevelPlan surfacePlanLevels(float zmin, float zmax, int& n);
// The pen of the k-th level of a map (k from 0): majorLinePen for the first and every
// (majorLineEvery + 1)-th level with pensSet, else linePen; the entry colour without pensSet.
int surfaceLevelPen(int k);
// Appends a drawn level to the level list: up to 100 entries, the 101st marks overflow.
void surfaceListDrawnLevel(float level, int pen);
// Selects the smoothed-line switch from a caller's switch (warning -45 for other values).
void surfaceSetLineSwitch(int lineSwitch);
// Ends a base drawing that failed after it began: no drawing and no recorded map to add to.
void surfaceAbandonDrawing();
// Widens a flat height range by magnitude so that low stays below high.
void surfaceWidenFlatRange(float& low, float& high);
// True, with warning 17, the range widened and the drawing abandoned, when low..high is
// flat (narrower than eps).
bool surfaceRefuseFlatRange(float& low, float& high);
// Lays the map frame out (drawn = false, frame type 3) or draws it; false on status 13.
bool surfaceMapFrame(bool drawn);

}  // namespace surflib

#endif
