// terr_contour_example - a function sampled onto a grid, drawn twice: as a labelled contour map
// with smoothed lines (terr_contour_lines.png) and as a band-filled map with its fill key and
// the contour lines over the bands (terr_contour_bands.png).
#include <vector>

#include "terr_setup.h"

int main()
{
    const int nx = 37, ny = 25;
    const SurfaceExtent extent{-3.0f, 3.0f, -2.0f, 2.0f};
    std::vector<float> grid(static_cast<size_t>(nx) * ny);
    SurfaceWorkspace ws;

    openPicture("terr_contour_lines.png");
    krOpenSurf();
    krGenerateFunctionGrid(twoHillsAndAHollow, extent, nx, ny, grid.data(), ws);
    const char* title = "Two hills and a hollow";
    setPlotTitle(title);
    krSetContourAnnotation(1, 120.0f, 0.0f, 0, 0, 0, 0, kSurfLabelsAlongLine);
    krSetContourMapLineStyles(1, 4, 0, 2, 1);  // every second line highlighted in red
    krDrawGriddedContourMap(extent, nx, ny, grid.data(), 12, kSurfContourSwitchOn, ws);
    krAddGriddedContour(97.0f, kSurfContourSwitchOn, ws);
    closePicture("terr_contour_lines.png");

    openPicture("terr_contour_bands.png");
    krOpenSurf();
    setPlotTitle(title);
    krSetContourAnnotation(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);
    krSetContourDrawingSwitch(1);
    // Colour pairs (0, c): the palette's colours for the bands, cold to warm.
    int count = 8;
    std::vector<int> pens;
    for (int k = 0; k <= count; ++k) {
        pens.push_back(0);
        pens.push_back(kHeightColours[k % 10]);
    }
    SurfaceWorkspace fillWs;
    krMakeWorkspace(3 * nx * ny + 4000, fillWs);
    krFillGriddedContourMap(extent, nx, ny, grid.data(), count, kSurfContourSwitchOff, pens.data(),
                            1, fillWs);
    closePicture("terr_contour_bands.png");

    krFreeWorkspace(fillWs);
    krFreeWorkspace(ws);
    krCloseSurf();
    return 0;
}
