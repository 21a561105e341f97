// filled.cpp - filled perspective surfaces and what works on them afterwards: PERFIL, the
// profile outline PERPRO, CONPER (contour maps laid on the picture at a height), COPPRJ
// (a polygon filled at a height), and the data-point markers of projected pictures.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "frame/errors.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/picture_workspace.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "surface/surface.h"
#include "tterrlib.h"

using namespace surflib;

void PERFIL(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& view1, const float& view2, const float& view3,
            const float* fillArray, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PERFIL);
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    surf.perspectivePicture = 0;
    surf.profileWorkspaceSize = 0;
    surf.lineStyle = 0;
    surf.keyOn = 0;
    surf.fillMode = -1;
    surfaceDrawPerspectiveGrid(nx, xmin, xmax, ny, ymin, ymax, z, view1, view2, view3, wsize, work,
                               fillArray, 0);
    surf.fillMode = 0;
    if (!surfaceFlagOn(surf.perspectiveSet) || !surfacePictureFitted()) return;
    surf.perspectivePicture = -1;
    surf.profileWorkspaceSize = wsize;
    surf.pictureZLow = s.grid.zMin;
    surf.pictureZHigh = s.grid.zMax;
    if (surfaceFlagOn(surf.fixedZRange)) {
        surf.pictureZLow = surf.zRangeLow;
        surf.pictureZHigh = surf.zRangeHigh;
    }
}

void PERPRO(int& n, float* x, float* y, const int& drawSwitch, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PERPRO);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) {
        n = 0;
        return;
    }
    SurfaceLibraryState& s = surfaceState;
    const SurfaceSettings& surf = s.surface;
    const WorkspacePartition& p = s.partition;
    if (s.drawing.code != kDrawingPerspective || surf.profileWorkspaceSize == 0 ||
        wsize != surf.profileWorkspaceSize || work == nullptr) {
        surfaceReportError(kNoDrawingToAddTo);
        n = -1;
        return;
    }
    const int add = kAddToPicture;
    surfaceBeginDrawing(add);
    int sw = drawSwitch;
    if (sw != 0 && sw != 1) {
        surfaceReportError(kBadSwitch);
        sw = 1;
    }
    surfaceSelectPen(surfaceEntryPen());
    if (n < 5 || x == nullptr || y == nullptr) {
        surfaceReportError(kProfileTooSmall);
        n = 0;
        return;
    }
    if (perspectiveWorkEnd(p) > wsize || p.outlineLength < 1 || surf.outlineCount <= 0) {
        n = 0;
        return;
    }
    const OutlineStore store = perspectiveOutlineStore(work, p);
    int count = std::min(surf.outlineCount, store.profileCapacity());
    if (count > n) {
        surfaceReportError(kTruncated);
        count = n;
    }
    std::copy(store.profileX(), store.profileX() + count, x);
    std::copy(store.profileY(), store.profileY() + count, y);
    n = count;
    if (sw == 1 && n > 1) surfaceDrawPolyline(n, x, y);
}

namespace {

// The height check and frame copy of CONPER and COPPRJ.  false: no picture (error 18).
bool placeOnPicture(float height)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    if (!surfaceFlagOn(surf.perspectivePicture) || !surfaceFlagOn(surf.perspectiveSet)) {
        surfaceReportError(kNoProjectedPicture);
        return false;
    }
    float lo = surf.pictureZLow, hi = surf.pictureZHigh;
    surfaceLimitHeightRange(lo, hi);
    float h = height;
    if (!(h >= lo && h <= hi)) {
        surfaceReportError(kHeightOutside);
        h = lo;
    }
    surf.contourHeight = h;
    surf.contourHeightLow = lo;
    surf.contourHeightHigh = hi;
    if (surfaceFlagOn(surf.surfaceFrameSet)) {
        for (int i = 0; i < 4; ++i) s.contour.mapFrame[i] = surf.surfaceFrame[i];
        s.contour.mapFrameSet = -1;
    }
    return true;
}

void fillPiece(ContourPolylineBuffer& b)
{
    const float counts[1] = {static_cast<float>(b.count)};
    const int one = 1;
    surfaceFillPolygons(one, counts, b.x, b.y);
}

}  // namespace

void CONPER(const int& onOff, const float& height)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONPER);
    SurfaceSettings& surf = surfaceState.surface;
    if (!surfaceFlagOn(surf.perspectivePicture) || !surfaceFlagOn(surf.perspectiveSet)) {
        surfaceReportError(kNoProjectedPicture);
        return;
    }
    if (onOff == 0) {
        surf.contourOnSurface = 0;
        return;
    }
    if (onOff != 1) surfaceReportError(kBadSwitch);
    if (!placeOnPicture(height)) return;
    surf.contourOnSurface = -1;
}

void COPPRJ(const int& n, const float* x, const float* y, const float& height, const int& fillCode)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::COPPRJ);
    SurfaceLibraryState& s = surfaceState;
    if (!placeOnPicture(height)) return;
    if (fillCode < 0 || n < 1 || surfaceRefuseMissingArrays({x, y})) return;
    surfaceSetFillCode(fillCode);
    ContourPolylineBuffer& b = s.lineBuffer;
    const float h = s.surface.contourHeight;
    b.count = 0;
    float firstX = 0.0f, firstY = 0.0f;
    bool haveFirst = false;
    for (int i = 0; i < n; ++i) {
        float X = 0.0f, Y = 0.0f;
        if (!surfaceProjectFinite(x[i], y[i], h, X, Y)) continue;
        if (!haveFirst) {
            firstX = X;
            firstY = Y;
            haveFirst = true;
        }
        b.x[b.count] = X;
        b.y[b.count] = Y;
        ++b.count;
        // A long polygon is filled as a fan of pieces that all start at its first point.
        if (b.count == kContourBufferPoints - 1) {
            b.x[b.count] = firstX;
            b.y[b.count] = firstY;
            ++b.count;
            fillPiece(b);
            b.x[0] = firstX;
            b.y[0] = firstY;
            b.x[1] = X;
            b.y[1] = Y;
            b.count = 2;
        }
    }
    if (b.count > 1) {
        b.x[b.count] = firstX;
        b.y[b.count] = firstY;
        ++b.count;
        fillPiece(b);
    }
    b.count = 0;
}

namespace surflib {

void surfaceDrawProjectedDataPoints(int wsize, const float* work)
{
    SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    const SurfaceSettings& surf = s.surface;
    const WorkspacePartition& p = s.partition;
    const int n = s.grid.pointCount;
    if (work == nullptr || n < 1) return;
    const float cw = s.digitWidth, ch = s.charHeight;
    surfaceSelectPen(surfaceEntryPen());
    surfaceSetMarkerSymbol(std::abs(c.pointMarker));
    const ProjectionTerms& pt = s.projection;
    const float right = pt.frameX + pt.frameWidth, top = pt.frameY + pt.frameHeight;
    for (int k = 0; k < n; ++k) {
        const long long ix = static_cast<long long>(p.sortedX) + k;
        const long long iy = static_cast<long long>(p.sortedY) + k;
        const long long iz = static_cast<long long>(p.sortedZ) + k;
        if (std::max({ix, iy, iz}) >= wsize || std::min({ix, iy, iz}) < 0) break;
        const float x = work[ix], y = work[iy], z = work[iz];
        if (!(x >= s.grid.xMin && x <= s.grid.xMax && y >= s.grid.yMin && y <= s.grid.yMax))
            continue;
        if (surfaceFlagOn(surf.levelLimitsOn) &&
            !(z >= surf.levelLimits[0] && z <= surf.levelLimits[1]))
            continue;
        if (surfaceFlagOn(surf.fixedZRange) && !(z >= surf.zRangeLow && z <= surf.zRangeHigh))
            continue;
        float X = 0.0f, Y = 0.0f;
        const bool ok = s.drawing.code == kDrawingIsometric ? surfaceProjectIsometric(x, y, z, X, Y)
                                                            : surfaceProjectFinite(x, y, z, X, Y);
        if (!ok) continue;
        surfaceDrawMarker(1, X, Y);
        if (c.pointMarker >= 0) continue;
        int width = -9,
            decimals = surfaceFlagOn(surf.annotationOn[2]) ? surf.annotationDecimals[2] : 2;
        float lx = X + cw;
        if (lx + 6.0f * cw > right) {
            lx = X - cw;
            width = 9;
        }
        const float ly = std::clamp(Y, pt.frameY, std::max(pt.frameY, top - ch));
        surfaceDrawNumber(lx, ly, z, width, decimals, 9999);
    }
}

}  // namespace surflib
