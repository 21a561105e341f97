// workspace.h - the size formula of the gridding long forms and the start of a drawing.
#ifndef SURFLIB_FRAME_WORKSPACE_H
#define SURFLIB_FRAME_WORKSPACE_H

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

// Starts or continues a drawing of the given type; reports error 4 or 25 and changes nothing
// when there is no drawing of the right kind to add to.
void surfaceBeginDrawing(int type);

}  // namespace surflib

#endif
