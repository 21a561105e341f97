// terr_example - opens the surface library, sets up a contour map's levels, labels, frame and
// title, converts a point (refused with a numbered error: no map is drawn yet), makes and
// frees a workspace and closes the library.  Every kernel call goes to terr_example.trace in
// the current directory, where the routine frame of each call can be read.
#include <cstdio>

#include "terr_setup.h"

int main()
{
    kernelOpen();
    const char* name = "terr_example.trace";
    openOutput(name);

    krOpenSurf();
    const float heights[5] = {10.0f, 20.0f, 30.0f, 40.0f, 50.0f};
    krSetContourLevels(5, heights);
    krSetContourAnnotation(1, 0.0f, 0.0f, 6, 1, 0, 0, kSurfLabelsAlongLine);
    krSetContourMapFrame(SurfaceExtent{0.0f, 100.0f, 0.0f, 50.0f});
    krSetContourMapFrameType(kSurfMapFrameType1);
    setPlotTitle("Heights of the test field");
    krSetSurfaceAxesTitle(kSurfTitleContourHeight, "Depth (m)", 9);

    SurfacePicturePoint point{0.0f, 0.0f};
    krTransformMapCoord(50.0f, 25.0f, point);  // no map yet: error 1008

    SurfaceWorkspace ws;
    krMakeWorkspace(12883, ws);
    std::printf("workspace of %d words made\n", ws.size);
    krFreeWorkspace(ws);
    krCloseSurf();

    kernelCloseDevice();
    kernelClose();
    std::printf("kernel calls written to %s\n", name);
    return 0;
}
