// terr_surface_example - a function of two hills and a hollow drawn twice: as a perspective
// wire-frame surface with hidden lines removed, with its axes (terr_surface_wire.png), and as
// an isometric surface with cells filled by height and the front walls shaded
// (terr_surface_iso.png), and filled in perspective with its contour map laid over it
// (terr_surface_filled.png).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tarvcore.h"
#include "tterrlib.h"

namespace {

float terrain(float x, float y)
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
    const int nx = 31, ny = 21;
    const SurfaceExtent extent{-3.0f, 3.0f, -2.0f, 2.0f};
    std::vector<float> grid(static_cast<size_t>(nx) * ny);
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const float x = extent.xmin + (extent.xmax - extent.xmin) * i / (nx - 1);
            const float y = extent.ymin + (extent.ymax - extent.ymin) * j / (ny - 1);
            grid[static_cast<size_t>(j) * nx + i] = terrain(x, y);
        }
    }
    SurfaceWorkspace ws;
    krMakeWorkspace(nx * ny + 10 * nx + 8 * 2000, ws);

    open("terr_surface_wire.png");
    krOpenSurf();
    const char* title = "Two hills and a hollow in perspective";
    krSetSurfPlotTitle(title, static_cast<int>(std::strlen(title)));
    // Axes on the front edges and both vertical edges; the y axis leaves out its first number,
    // which would meet the x axis's at the front corner.
    const int styles[6] = {kSurfAxisStyle1, 0, kSurfAxisStyle1, 0, kSurfAxisStyle1, kSurfAxisStyle1};
    const int sides[6] = {0, 0, kSurfAxisSide1, 0, 0, 0};
    krSetSurfaceAxesStyle(styles, sides);
    float distance = 0.0f;   // chosen by the library
    krDrawWireFrameSurface(extent, nx, ny, grid.data(), distance, 30.0f, 35.0f, ws);
    close("terr_surface_wire.png");

    open("terr_surface_iso.png");
    krOpenSurf();
    const char* isoTitle = "The same surface, isometric, cells filled by height";
    krSetSurfPlotTitle(isoTitle, static_cast<int>(std::strlen(isoTitle)));
    // One fill code per cell: solid colours by the cell's mean height.
    const int colours[] = {13, 4, 7, 12, 3, 5, 8, 2};
    std::vector<float> codes(static_cast<size_t>(nx - 1) * (ny - 1));
    for (int j = 0; j + 1 < ny; ++j) {
        for (int i = 0; i + 1 < nx; ++i) {
            const size_t a = static_cast<size_t>(j) * nx + i;
            const float mean = 0.25f * (grid[a] + grid[a + 1] + grid[a + nx] + grid[a + nx + 1]);
            const int band = std::min(7, std::max(0, static_cast<int>((mean - 15.0f) / 11.0f)));
            codes[static_cast<size_t>(j) * (nx - 1) + i] = static_cast<float>(colours[band]);
        }
    }
    krSetSurfaceAxesStyle(styles, sides);
    const SurfacePenPair walls[3] = {{0, 15}, {0, 10}, {-1, 0}};
    krSetSurfaceBaseStyle(0, walls);
    const int view = 0;
    ISOFIL(nx, extent.xmin, extent.xmax, ny, extent.ymin, extent.ymax, grid.data(), view,
           codes.data(), ws.size, ws.words);
    close("terr_surface_iso.png");

    open("terr_surface_filled.png");
    krOpenSurf();
    const char* filledTitle = "Filled in perspective, its contours laid at the top";
    krSetSurfPlotTitle(filledTitle, static_cast<int>(std::strlen(filledTitle)));
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
    close("terr_surface_filled.png");

    krFreeWorkspace(ws);
    krCloseSurf();
    return 0;
}
