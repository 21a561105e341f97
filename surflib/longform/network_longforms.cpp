// network_longforms.cpp - long forms of the network building, insertion, interpolation and
// query routines: each translates its codes, splits its point and gradient records into one
// array per field, hands the workspace over and calls its legacy routine, which does every
// check and report.
//
// The two builders make the workspace anew, 36 words per point of the maximum count plus 36,
// so that the points beyond the built ones are room for later insertions.  The grid sampler
// works on a copy of the network's workspace and then makes the grid workspace anew at the
// size a gridded map of that grid needs.
#include <cstddef>
#include <vector>

#include "frame/state.h"
#include "frame/workspace.h"
#include "longform/codes.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr SurfaceCodeRow kMethodCodes[] = {
    {kSurfNetMethodLinear, 0}, {kSurfRandomMethod1, 1}, {kSurfNetMethodCubic, 2}};
constexpr SurfaceCodeRow kWeightingCodes[] = {
    {kSurfNetWeighting1, 1}, {0, 1}, {kSurfNetWeighting2, 2}, {kSurfNetWeighting3, 3}, {1, 4}};
constexpr SurfaceCodeRow kRegionCodes[] = {
    {kSurfNetRegion0, 0}, {kSurfNetRegion1, 1}, {kSurfNetRegion1b, 1}};

// Point kinds: every code outside the table, 0 included, is 0.
int pointKind(int code)
{
    constexpr SurfaceCodeRow kKinds[] = {{kSurfNetPointInterpolated, 0},
                                         {kSurfNetPointHeight, 1},
                                         {kSurfNetPointDerivatives, 2},
                                         {1, 1},
                                         {2, 2}};
    for (const SurfaceCodeRow& row : kKinds) {
        if (row.code == code) return row.legacy;
    }
    return 0;
}

// Point records split into x, y and z arrays (empty when there are none).
struct PointArrays {
    std::vector<float> x, y, z, dzdx, dzdy;
    const float* px() const { return x.empty() ? nullptr : x.data(); }
    const float* py() const { return y.empty() ? nullptr : y.data(); }
    const float* pz() const { return z.empty() ? nullptr : z.data(); }
    const float* pdx() const { return dzdx.empty() ? nullptr : dzdx.data(); }
    const float* pdy() const { return dzdy.empty() ? nullptr : dzdy.data(); }
};

PointArrays split(int n, const SurfacePoint3* points, const SurfaceGradient* gradients)
{
    PointArrays a;
    if (n <= 0 || points == nullptr) return a;
    const std::size_t count = static_cast<std::size_t>(n);
    a.x.resize(count);
    a.y.resize(count);
    a.z.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        a.x[i] = points[i].x;
        a.y[i] = points[i].y;
        a.z[i] = points[i].z;
    }
    if (gradients == nullptr) return a;
    a.dzdx.resize(count);
    a.dzdy.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        a.dzdx[i] = gradients[i].dzdx;
        a.dzdy[i] = gradients[i].dzdy;
    }
    return a;
}

// 36 maxCount + 36 words, or 0 when that is no positive integer.
int networkWorkspaceSize(int maxCount)
{
    const long long size = 36LL * maxCount + 36;
    return size > 2147483647LL || size <= 0 ? 0 : static_cast<int>(size);
}

}  // namespace

void krGenerateRandomNetwork(const int& maxCount, const int& n, const SurfacePoint3* points,
                             SurfaceWorkspace& ws)
{
    krMakeWorkspace(networkWorkspaceSize(maxCount), ws);
    // More points than the workspace can take are not copied: the build refuses them.
    const PointArrays a = split(n <= maxCount ? n : 0, points, nullptr);
    RANTRI(n, a.px(), a.py(), a.pz(), ws.size, ws.words);
}

void krGenerateDerivsNetwork(const int& maxCount, const int& n, const SurfacePoint3* points,
                             const SurfaceGradient* gradients, SurfaceWorkspace& ws)
{
    krMakeWorkspace(networkWorkspaceSize(maxCount), ws);
    const PointArrays a = split(n <= maxCount ? n : 0, points, gradients);
    TRIDER(n, a.px(), a.py(), a.pz(), a.pdx(), a.pdy(), ws.size, ws.words);
}

void krAddNetworkPoint(const int& kindCode, const SurfacePoint3& point,
                       const SurfaceGradient& gradient, SurfaceWorkspace& ws)
{
    const int kind = pointKind(kindCode);
    // Kind 0 takes x and y, kind 1 also z, kind 2 also the derivatives.
    const float z = kind >= 1 ? point.z : 0.0f;
    const float dzdx = kind == 2 ? gradient.dzdx : 0.0f;
    const float dzdy = kind == 2 ? gradient.dzdy : 0.0f;
    TRIADD(kind, point.x, point.y, z, dzdx, dzdy, ws.size, ws.words);
}

void krAddNetworkRegion(const int& kindCode, const int& n, const SurfacePoint3* points,
                        const SurfaceGradient* gradients, const int& regionKindCode,
                        SurfaceWorkspace& ws)
{
    const int kind = pointKind(kindCode);
    const int regionKind = surfaceTranslateCode(kRegionCodes, regionKindCode);
    // A polygon of more points than the workspace has words is not copied: TRIREG refuses it.
    PointArrays a = split(n <= ws.size ? n : 0, points, gradients);
    if (kind == 2 && a.dzdx.empty() && !a.x.empty()) {
        a.dzdx.assign(a.x.size(), 0.0f);
        a.dzdy.assign(a.x.size(), 0.0f);
    }
    TRIREG(kind, n, a.px(), a.py(), a.pz(), a.pdx(), a.pdy(), regionKind, ws.size, ws.words);
}

void krReturnNetworkSpotHeight(const float& x, const float& y, float& height,
                               SurfaceGradient& gradient, SurfaceWorkspace& ws)
{
    TRIHGT(x, y, height, gradient.dzdx, gradient.dzdy, ws.size, ws.words);
}

void krReturnNetworkBound(int& n, const int& drawSwitch, float* x, float* y, SurfaceWorkspace& ws)
{
    TRIBOU(n, drawSwitch, x, y, ws.size, ws.words);
}

void krDrawNetwork(const int& markerCode, const int& markerValue, SurfaceWorkspace& ws)
{
    int& marker = surfaceLongFormMemory.networkMarker;
    if (markerCode == kSurfMarkerWithValue) {
        marker = markerValue == -2147483647 - 1 ? 2147483647 : -markerValue;
    } else if (markerCode == 0) {
        marker = 0;
    } else if (markerCode == kSurfMarkerPlain) {
        marker = markerValue;
    }
    TRINET(marker, ws.size, ws.words);
}

void krGenerateNetworkGrid(const SurfaceExtent& extent, const int& nx, const int& ny, float* z,
                           SurfaceWorkspace& networkWs, SurfaceWorkspace& gridWs)
{
    std::vector<float> copy;
    if (networkWs.size > 0 && networkWs.words != nullptr) {
        copy.assign(networkWs.words, networkWs.words + networkWs.size);
    }
    TRIGRD(extent.xmin, extent.xmax, extent.ymin, extent.ymax, nx, ny, z, networkWs.size,
           copy.empty() ? nullptr : copy.data());
    int size = 0;
    const int none = 0;
    surfaceGriddingWorkspaceSize(nx, ny, none, size);
    krMakeWorkspace(size, gridWs);
}

void krSetNetworkInterpolation(const int& methodCode, const int& neighbours,
                               const int& weightingCode)
{
    const int method = surfaceTranslateCode(kMethodCodes, methodCode);
    const int weighting = surfaceTranslateCode(kWeightingCodes, weightingCode);
    TRIINT(method, neighbours, weighting);
}

void krSetNetworkContourStep(const float& step) { TRISTP(step); }
