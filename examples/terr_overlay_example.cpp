// terr_overlay_example - a contour map with what can be added to it and asked of it: grid lines
// and a traverse drawn in map coordinates, spot heights along the traverse and the points of one
// contour printed (terr_overlay_map.png), then the band-filled map (terr_overlay_bands.png) and
// a cross-section along the traverse through it (terr_overlay_section.png).
#include <cmath>
#include <cstdio>
#include <vector>

#include "terr_setup.h"

namespace {

float terrain(const float& x, const float& y)
{
    return 50.0f + 30.0f * std::sin(x * 0.9f) * std::cos(y * 1.1f) + 8.0f * x;
}

}  // namespace

int main()
{
    const int nx = 41, ny = 31;
    const SurfaceExtent extent{0.0f, 8.0f, 0.0f, 6.0f};
    std::vector<float> grid(static_cast<size_t>(nx) * ny);
    SurfaceWorkspace ws;
    const SurfacePoint2 traverse[2] = {{0.5f, 1.0f}, {7.5f, 5.0f}};

    openPicture("terr_overlay_map.png");
    krOpenSurf();
    krGenerateFunctionGrid(terrain, extent, nx, ny, grid.data(), ws);
    krDrawGriddedContourMap(extent, nx, ny, grid.data(), 10, kSurfContourSwitchOff, ws);
    kernelSetColour(3);
    krAddContourMapGrid(SurfaceExtent{0.0f, 8.0f, 0.0f, 6.0f}, 1.0f, 1.0f);
    kernelSetColour(2);
    krAddContourPolyline(2, traverse);
    for (int k = 0; k <= 4; ++k) {
        const float t = k / 4.0f;
        const float x = traverse[0].x + t * (traverse[1].x - traverse[0].x);
        const float y = traverse[0].y + t * (traverse[1].y - traverse[0].y);
        float z = 0.0f;
        krReturnContourSpotHeight(x, y, z, ws);
        std::printf("height at (%.2f, %.2f): %.3f\n", x, y, z);
    }
    std::vector<SurfacePoint2> points(2000);
    std::vector<int> lengths(20);
    int n = static_cast<int>(points.size()), lines = static_cast<int>(lengths.size());
    krReturnContourDataset(75.0f, kSurfContourSwitchOff, 1, n, points.data(), lines, lengths.data(),
                           ws);
    std::printf("contour 75: %d lines, %d points\n", lines, n);
    closePicture("terr_overlay_map.png");

    // The band-filled map stays the current drawing for the section in the next picture.
    openPicture("terr_overlay_bands.png");
    std::vector<int> pens(2 * 11);
    for (int k = 0; k < 11; ++k) pens[2 * k + 1] = 2 + k % 8;  // colours 2..9
    krFillGriddedContourMap(extent, nx, ny, grid.data(), 10, kSurfContourSwitchOff, pens.data(), 0,
                            ws);
    krAddContourPolyline(2, traverse);
    closePicture("terr_overlay_bands.png");

    openPicture("terr_overlay_section.png");
    krDrawGriddedCrossSection(traverse[0].x, traverse[0].y, traverse[1].x, traverse[1].y, ws);
    closePicture("terr_overlay_section.png");

    krFreeWorkspace(ws);
    krCloseSurf();
    return 0;
}
