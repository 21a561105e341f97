// terr_surface_example - a function of two hills and a hollow drawn twice: as a perspective
// wire-frame surface with hidden lines removed, with its axes (terr_surface_wire.png), and as
// an isometric surface with cells filled by height and the front walls shaded
// (terr_surface_iso.png), and filled in perspective with its contour map laid over it
// (terr_surface_filled.png).
#include <algorithm>
#include <vector>

#include "terr_setup.h"

int main()
{
    const int nx = 31, ny = 21;
    const SurfaceExtent extent{-3.0f, 3.0f, -2.0f, 2.0f};
    std::vector<float> grid(static_cast<size_t>(nx) * ny);
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const float x = extent.xmin + (extent.xmax - extent.xmin) * i / (nx - 1);
            const float y = extent.ymin + (extent.ymax - extent.ymin) * j / (ny - 1);
            grid[static_cast<size_t>(j) * nx + i] = twoHillsAndAHollow(x, y);
        }
    }
    SurfaceWorkspace ws;
    krMakeWorkspace(nx * ny + 10 * nx + 8 * 2000, ws);

    openPicture("terr_surface_wire.png");
    krOpenSurf();
    setPlotTitle("Two hills and a hollow in perspective");
    // Axes on the front edges and both vertical edges; the y axis leaves out its first number,
    // which would meet the x axis's at the front corner.
    const int styles[6] = {kSurfAxisStyle1, 0, kSurfAxisStyle1, 0, kSurfAxisStyle1,
                           kSurfAxisStyle1};
    const int sides[6] = {0, 0, kSurfAxisSide1, 0, 0, 0};
    krSetSurfaceAxesStyle(styles, sides);
    float distance = 0.0f;  // chosen by the library
    krDrawWireFrameSurface(extent, nx, ny, grid.data(), distance, 30.0f, 35.0f, ws);
    closePicture("terr_surface_wire.png");

    openPicture("terr_surface_iso.png");
    krOpenSurf();
    setPlotTitle("The same surface, isometric, cells filled by height");
    // One fill code per cell: solid colours by the cell's mean height.
    std::vector<float> codes(static_cast<size_t>(nx - 1) * (ny - 1));
    for (int j = 0; j + 1 < ny; ++j) {
        for (int i = 0; i + 1 < nx; ++i) {
            const size_t a = static_cast<size_t>(j) * nx + i;
            const float mean = 0.25f * (grid[a] + grid[a + 1] + grid[a + nx] + grid[a + nx + 1]);
            const int band = std::min(7, std::max(0, static_cast<int>((mean - 15.0f) / 11.0f)));
            codes[static_cast<size_t>(j) * (nx - 1) + i] = static_cast<float>(kHeightColours[band]);
        }
    }
    krSetSurfaceAxesStyle(styles, sides);
    const SurfacePenPair walls[3] = {{0, 15}, {0, 10}, {-1, 0}};
    krSetSurfaceBaseStyle(0, walls);
    const int view = 0;
    ISOFIL(nx, extent.xmin, extent.xmax, ny, extent.ymin, extent.ymax, grid.data(), view,
           codes.data(), ws.size, ws.words);
    closePicture("terr_surface_iso.png");

    openPicture("terr_surface_filled.png");
    krOpenSurf();
    setPlotTitle("Filled in perspective, its contours laid at the top");
    krSetSurfaceBaseType(kSurfBaseType1);
    distance = 0.0f;
    krFillSurface(extent, nx, ny, grid.data(), distance, 30.0f, 35.0f, codes.data(), ws);
    // The contour map on a plane at the height of the highest node.
    const float top = *std::max_element(grid.begin(), grid.end());
    krSetContourMapHeight(1, top);
    SurfaceWorkspace mapWs;
    krMakeWorkspace(20000, mapWs);
    krDrawGriddedContourMap(extent, nx, ny, grid.data(), 8, kSurfContourSwitchOn, mapWs);
    krFreeWorkspace(mapWs);
    krSetContourMapHeight(0, top);
    closePicture("terr_surface_filled.png");

    krFreeWorkspace(ws);
    krCloseSurf();
    return 0;
}
