// workspace.h - the size formula of the gridding long forms, the checks of a caller's
// workspace and data arrays that are missing altogether, and the start of a drawing.
#ifndef SURFLIB_FRAME_WORKSPACE_H
#define SURFLIB_FRAME_WORKSPACE_H

#include <initializer_list>

#include "tterrlib.h"

namespace surflib {

// Drawing types passed to surfaceBeginDrawing (not the same numbers as the drawing codes).
enum SurfaceDrawingType {
    kBeginGriddedMap = 1,      // sets code 2
    kAddToGriddedMap = 2,      // needs code 2
    kBeginIsometric = 3,       // sets code 3
    kAddToPicture = 4,         // needs code 2, 3 or 4
    kBeginPerspective = 5,     // sets code 4
    kBeginNetworkMap = 6,      // sets code 5
    kAddToNetworkMap = 7,      // needs code 5
    kBeginPerspectiveSet = 8,  // sets code 6
};

// The largest of nx*ny + 4*npts + 20*max(nx, ny), 3*nx*ny + 10000 and 4*npts + 2*nx*ny,
// computed without overflow.  A size beyond the integer range gives 0 (no array; the legacy
// routine then reports its workspace as too short); negative results give 0 as well.
void surfaceGriddingWorkspaceSize(int nx, int ny, int npts, int& size);

// A workspace with no words to work in: no array, or a size of 0 or below.  Every routine
// takes it as a workspace too short (error 3), whatever else it would have checked it for.
bool surfaceWorkspaceEmpty(int wsize, const float* work);
// Reports error 3 and returns true when the workspace is empty.
bool surfaceRefuseEmptyWorkspace(int wsize, const float* work);
// Reports error 81 (no numbers) and returns true when any of the arrays is missing (null):
// the heights, coordinates, derivatives or output grid a routine would read or write.
bool surfaceRefuseMissingArrays(std::initializer_list<const void*> arrays);
// The same for the height function of the function routines.
bool surfaceRefuseMissingFunction(SurfaceHeightFunction f);
// Reports error 81 and returns true when a height to contour is no number or infinite: it
// has no line on any map.
bool surfaceRefuseNoNumberLevel(float level);

// Starts or continues a drawing of the given type; reports error 4 or 25 and changes nothing
// when there is no drawing of the right kind to add to.
void surfaceBeginDrawing(int type);

}  // namespace surflib

#endif
