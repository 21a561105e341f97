// contour_longforms.cpp - long forms of the gridded contour maps, band fills and gridding:
// each translates its switch codes, pen pairs and records, hands the workspace over and calls
// its legacy routine, which does every check and report.
//
// The map and gridding long forms leave the map or grid in the caller's workspace; the ones
// that only add to the map drawn last work on a copy, so the caller's array is not changed by
// them.  The gridding long forms make the workspace anew at the size the grid needs.
#include <cstdlib>
#include <vector>

#include "frame/workspace.h"
#include "longform/codes.h"
#include "longform/workspace_copy.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr SurfaceCodeRow kContourSwitch[] = {{kSurfContourSwitchOff, 0}, {kSurfContourSwitchOn, 1}};

int contourSwitch(int code) { return surfaceTranslateCode(kContourSwitch, code); }

}  // namespace

void krAddGriddedContour(const float& height, const int& switchCode, SurfaceWorkspace& ws)
{
    const int lineSwitch = contourSwitch(switchCode);
    std::vector<float> copy = surfaceWorkspaceCopy(ws);
    ADDCON(height, lineSwitch, ws.size, surfaceWordsOf(copy));
}

void krDrawGriddedContourMap(const SurfaceExtent& extent, const int& nx, const int& ny,
                             const float* z, const int& count, const int& switchCode,
                             SurfaceWorkspace& ws)
{
    const int lineSwitch = contourSwitch(switchCode);
    DRACON(nx, extent.xmin, extent.xmax, ny, extent.ymin, extent.ymax, z, count, lineSwitch,
           ws.size, ws.words);
}

void krFillGriddedContourMap(const SurfaceExtent& extent, const int& nx, const int& ny,
                             const float* z, const int& count, const int& switchCode,
                             const int* pens, const int& key, SurfaceWorkspace& ws)
{
    const int lineSwitch = contourSwitch(switchCode);
    // count + 1 pen pairs; for a negative count or null pens there are none, and the map gets no codes,
    // which leaves every band unfilled (an array of codes would have to be as long as the
    // map's |count| + 1, which for the most negative count leaves the integers).
    std::vector<int> codes;
    if (count >= 0 && pens != nullptr) {
        codes.resize(static_cast<size_t>(count) + 1);
        for (size_t k = 0; k < codes.size(); ++k) {
            codes[k] = surfacePenPairRuleA(pens[2 * k], pens[2 * k + 1]);
        }
    }
    FILCON(nx, extent.xmin, extent.xmax, ny, extent.ymin, extent.ymax, z, count, lineSwitch,
           codes.empty() ? nullptr : codes.data(), key, ws.size, ws.words);
}

void krAddGriddedContourFill(const float& height1, const float& height2, const int& penA,
                             const int& penB, const int& lines, const int& switchCode,
                             SurfaceWorkspace& ws)
{
    const int code = surfacePenPairRuleA(penA, penB);
    const int lineSwitch = contourSwitch(switchCode);
    std::vector<float> copy = surfaceWorkspaceCopy(ws);
    ADDFIL(height1, height2, code, lines, lineSwitch, ws.size, surfaceWordsOf(copy));
}

void krGenerateRandomGrid(const int& n, const SurfacePoint3* points, const SurfaceExtent& extent,
                          const int& nx, const int& ny, float* grid, SurfaceWorkspace& ws)
{
    int size = 0;
    const int npts = n > 0 ? n : 0;
    surfaceGriddingWorkspaceSize(nx, ny, npts, size);
    krMakeWorkspace(size, ws);
    if (n < 1) return;
    // The gridding works on copies of the coordinates: the caller's records are input only.
    // Missing records reach RANGRD as missing arrays, which it reports.
    std::vector<float> x, y, z;
    if (points != nullptr) {
        x.resize(static_cast<size_t>(n));
        y.resize(static_cast<size_t>(n));
        z.resize(static_cast<size_t>(n));
        for (int k = 0; k < n; ++k) {
            x[k] = points[k].x;
            y[k] = points[k].y;
            z[k] = points[k].z;
        }
    }
    RANGRD(n, surfaceWordsOf(x), surfaceWordsOf(y), surfaceWordsOf(z), nx, extent.xmin, extent.xmax,
           ny, extent.ymin, extent.ymax, grid, ws.size, ws.words);
}

void krGenerateFunctionGrid(SurfaceHeightFunction f, const SurfaceExtent& extent, const int& nx,
                            const int& ny, float* grid, SurfaceWorkspace& ws)
{
    int size = 0;
    const int none = 0;
    surfaceGriddingWorkspaceSize(nx, ny, none, size);
    krMakeWorkspace(size, ws);
    FUNGRD(f, nx, extent.xmin, extent.xmax, ny, extent.ymin, extent.ymax, grid, ws.size, ws.words);
}
