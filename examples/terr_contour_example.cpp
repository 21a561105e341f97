// terr_contour_example - a function sampled onto a grid, drawn twice: as a labelled contour map
// with smoothed lines (terr_contour_lines.png) and as a band-filled map with its fill key and
// the contour lines over the bands (terr_contour_bands.png).
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tarvcore.h"
#include "tterrlib.h"

namespace {

// Two hills and a hollow over [-3, 3] by [-2, 2].
float terrain(const float& x, const float& y)
{
    const auto bump = [](float dx, float dy, float h, float r) {
        return h * std::exp(-(dx * dx + dy * dy) / (r * r));
    };
    return 40.0f + bump(x + 1.2f, y - 0.4f, 60.0f, 1.0f) + bump(x - 1.5f, y + 0.5f, 35.0f, 0.8f) -
           bump(x - 0.3f, y - 1.2f, 25.0f, 0.7f);
}

void open(const char* name)
{
    kernelSelectOutput(name, static_cast<int>(std::strlen(name)));
    kernelOpenDevice();
    kernelSetPictureSpace(0.0f, 1200.0f, 0.0f, 900.0f);
    kernelSetCharSize(9.0f, 12.0f);
    kernelSetColour(1);
}

void close(const char* name)
{
    kernelCloseDevice();
    std::printf("wrote %s\n", name);
}

}  // namespace

int main()
{
    const int nx = 37, ny = 25;
    const SurfaceExtent extent{-3.0f, 3.0f, -2.0f, 2.0f};
    std::vector<float> grid(static_cast<size_t>(nx) * ny);
    SurfaceWorkspace ws;

    open("terr_contour_lines.png");
    krOpenSurf();
    krGenerateFunctionGrid(terrain, extent, nx, ny, grid.data(), ws);
    const char* title = "Two hills and a hollow";
    krSetSurfPlotTitle(title, static_cast<int>(std::strlen(title)));
    krSetContourAnnotation(1, 120.0f, 0.0f, 0, 0, 0, 0, kSurfLabelsAlongLine);
    krSetContourMapLineStyles(1, 4, 0, 2, 1);   // every second line highlighted in red
    krDrawGriddedContourMap(extent, nx, ny, grid.data(), 12, kSurfContourSwitchOn, ws);
    krAddGriddedContour(97.0f, kSurfContourSwitchOn, ws);
    close("terr_contour_lines.png");

    open("terr_contour_bands.png");
    krOpenSurf();
    krSetSurfPlotTitle(title, static_cast<int>(std::strlen(title)));
    krSetContourAnnotation(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);
    krSetContourDrawingSwitch(1);
    // Colour pairs (0, c): the palette's colours for the bands, cold to warm.
    const int colours[] = {13, 4, 7, 12, 3, 5, 8, 2, 14, 16};
    int count = 8;
    std::vector<int> pens;
    for (int k = 0; k <= count; ++k) {
        pens.push_back(0);
        pens.push_back(colours[k % 10]);
    }
    SurfaceWorkspace fillWs;
    krMakeWorkspace(3 * nx * ny + 4000, fillWs);
    krFillGriddedContourMap(extent, nx, ny, grid.data(), count, kSurfContourSwitchOff, pens.data(),
                            1, fillWs);
    close("terr_contour_bands.png");

    krFreeWorkspace(fillWs);
    krFreeWorkspace(ws);
    krCloseSurf();
    return 0;
}
