// overlay_longforms.cpp - long forms of the map overlays, spot heights, contour data sets and
// cross-sections: records are split into coordinate arrays (and joined again where the legacy
// routine returns points), codes translated, and the legacy routine called, which does every
// check and report.  The routines here only read the map drawn last: those whose legacy
// routine writes scratch into the workspace work on a copy, so the caller's array is never
// changed.
#include <cstddef>
#include <vector>

#include "longform/codes.h"
#include "longform/workspace_copy.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr SurfaceCodeRow kDatasetKind[] = {{kSurfContourSwitchOff, 0}, {kSurfContourSwitchOn, 1}};

}  // namespace

void krAddContourPolyline(const int& n, const SurfacePoint2* points)
{
    std::vector<float> x, y;
    if (n >= 1 && points != nullptr) {
        x.resize(static_cast<std::size_t>(n));
        y.resize(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k) {
            x[k] = points[k].x;
            y[k] = points[k].y;
        }
    }
    // LINCON also sees a count below 1 (and draws nothing for it) and missing points (which it
    // reports).
    LINCON(n, x.empty() ? nullptr : x.data(), y.empty() ? nullptr : y.data());
}

void krAddContourMapGrid(const SurfaceExtent& extent, const float& xstep, const float& ystep)
{
    CONGRD(extent.xmin, extent.xmax, xstep, extent.ymin, extent.ymax, ystep);
}

void krReturnContourSpotHeight(const float& x, const float& y, float& z, const SurfaceWorkspace& ws)
{
    CONHGT(x, y, z, ws.size, ws.words);
}

void krReturnContourDataset(const float& height, const int& kindCode, const int& drawSwitch, int& n,
                            SurfacePoint2* points, int& lineCount, int* lengths,
                            const SurfaceWorkspace& ws)
{
    const int kind = surfaceTranslateCode(kDatasetKind, kindCode);
    const int capacity = points != nullptr ? n : 0;
    std::vector<float> x, y;
    if (capacity >= 1) {
        // The temporaries start as the records, so that a refused call joins nothing new.
        x.resize(static_cast<std::size_t>(capacity));
        y.resize(static_cast<std::size_t>(capacity));
        for (int k = 0; k < capacity; ++k) {
            x[k] = points[k].x;
            y[k] = points[k].y;
        }
    }
    int count = capacity;
    std::vector<float> work = surfaceWorkspaceCopy(ws);
    CONPTS(height, kind, drawSwitch, count, x.empty() ? nullptr : x.data(),
           y.empty() ? nullptr : y.data(), lineCount, lengths, ws.size, surfaceWordsOf(work));
    // Only the points returned are joined into the caller's records.
    if (count > capacity) count = capacity;
    for (int k = 0; k < count; ++k) points[k] = SurfacePoint2{x[k], y[k]};
    n = count;
}

void krDrawGriddedCrossSection(const float& x1, const float& y1, const float& x2, const float& y2,
                               const SurfaceWorkspace& ws)
{
    std::vector<float> work = surfaceWorkspaceCopy(ws);
    CRSSEC(x1, y1, x2, y2, ws.size, surfaceWordsOf(work));
}
