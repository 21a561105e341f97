// queries.cpp - reading a built network without a contour map: the height and gradient at a
// point (TRIHGT), the network sampled onto a regular grid (TRIGRD), the hull as a closed
// polygon, drawn when asked (TRIBOU), and the triangles drawn on the current network map
// (TRINET).  Inputs and outputs are in the caller's units; the work is done in the network's
// normalised units.
#include <cmath>
#include <vector>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/workspace.h"
#include "grid/overlays.h"
#include "network/interpolation.h"
#include "network/network.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

double toNormalX(double x)
{
    const NetworkLayout& n = surfaceState.network;
    return (x - n.xmin) / n.xrange;
}
double toNormalY(double y)
{
    const NetworkLayout& n = surfaceState.network;
    return (y - n.ymin) / n.yrange;
}
float fromNormalZ(double z)
{
    const NetworkLayout& n = surfaceState.network;
    return surfaceNarrow(z * n.zrange + n.zmin);
}

// The common checks; reports and returns the error, 0 when the network can be used.
int checkNetwork(int wsize, const float* work)
{
    const int status = surfaceNetworkStatus(wsize, work);
    if (status != 0) surfaceReportError(status);
    return status;
}

int prepare(int wsize, float* work, bool gradients)
{
    int status = 0;
    surfacePrepareNetwork(wsize, work, gradients, status);
    if (status == kNoBucketGrid) surfaceReportError(status);  // 15 and 16 come reported
    return status;
}

// Height and gradient at a normalised point (TRIHGT's worker).  outside: the point lies
// outside the network.
void surfaceNetworkSpotHeight(float x, float y, float& height, float& dzdx, float& dzdy,
                              bool& outside, float* work)
{
    NetworkWorking& w = surfaceState.networkWork;
    float h = 0.0f;
    int inside = 0, triangle = 1, sub = 0, edge = 0, slot = 0;
    surfaceLocateTriangle(x, y, h, inside, triangle, sub, edge, slot, work);
    outside = inside == 0;
    if (outside) surfaceReportError(kOutsideNetwork);
    w.spotTriangle = triangle;
    if (inside != 0 && w.vertex != 0) {
        const int p = networkVertex(work, triangle, w.vertex);
        height = networkZ(work, p);
        dzdx = networkPointField(work, p, kNetDzdx);
        dzdy = networkPointField(work, p, kNetDzdy);
        return;
    }
    int status = 0;
    surfaceNearestFitHeight(x, y, height, dzdx, dzdy, work, status);
    if (inside == 0) return;
    const int method = surfaceState.networkSettings.interpolationMethod;
    if (method == 0) surfaceLinearHeight(x, y, height, triangle, work);
    if (method == 2) surfaceCubicPatchHeight(x, y, height, triangle, sub, work);
}

// One grid node (TRIGRD's node loop): the height in normalised units.
float sampleNode(float x, float y, int& triangle, bool& outside, float* work)
{
    NetworkWorking& w = surfaceState.networkWork;
    float h = 0.0f;
    int inside = 0, sub = 0, edge = 0, slot = 0;
    if (triangle <= 0) triangle = 1;
    surfaceLocateTriangle(x, y, h, inside, triangle, sub, edge, slot, work);
    outside = inside == 0;
    if (inside != 0 && w.vertex != 0)
        return networkZ(work, networkVertex(work, triangle, w.vertex));
    const int method = surfaceState.networkSettings.interpolationMethod;
    if (inside != 0 && method == 0) {
        surfaceLinearHeight(x, y, h, triangle, work);
        return h;
    }
    if (inside != 0 && method == 2) {
        surfaceCubicPatchHeight(x, y, h, triangle, sub, work);
        return h;
    }
    float dx = 0.0f, dy = 0.0f;
    int status = 0;
    surfaceNearestFitHeight(x, y, h, dx, dy, work, status);
    if (status == 0) return h;
    // No fit (its neighbours lie on a line): the plane of the node's triangle, or of the hull
    // edge nearest an outside node, else the height of the nearest hull point.
    const int near = w.nearestHullPoint;
    if (triangle >= 1) {
        surfaceLinearHeight(x, y, h, triangle, work);
    } else if (near >= 1 && near <= surfaceState.network.pointCount) {
        h = networkZ(work, near);
    }
    return h;
}

void surfaceSampleNetworkGrid(float xlo, float xhi, float ylo, float yhi, int nx, int ny,
                              float* zgrid, float* work)
{
    const double dx = (static_cast<double>(xhi) - xlo) / (nx - 1);
    const double dy = (static_cast<double>(yhi) - ylo) / (ny - 1);
    const NetworkLocateIndex index(work);
    int triangle = 1;
    bool warned = false;
    for (int j = 1; j <= ny; ++j) {
        const float y = j == ny ? yhi : surfaceNarrow(ylo + (j - 1) * dy);
        for (int i = 1; i <= nx; ++i) {
            const float x = i == nx ? xhi : surfaceNarrow(xlo + (i - 1) * dx);
            bool outside = false;
            const float z = sampleNode(x, y, triangle, outside, work);
            if (outside && !warned) {
                surfaceReportError(kOutsideNetwork);
                warned = true;
            }
            zgrid[static_cast<long long>(j - 1) * nx + (i - 1)] = fromNormalZ(z);
        }
    }
}

// The hull points in hullNext order from the first hull point (at most N of them).
std::vector<int> surfaceCollectNetworkBound(const float* work)
{
    const NetworkLayout& n = surfaceState.network;
    std::vector<int> hull;
    int h = n.hullStart;
    for (int step = 0; step < n.pointCount && h >= 1 && h <= n.pointCount; ++step) {
        hull.push_back(h);
        h = networkIndex(networkPointField(work, h, kNetHullNext));
        if (h == n.hullStart) break;
    }
    return hull;
}

// Draws the closed hull through the caller's arrays of n points used as a buffer: each full
// buffer is drawn as one polyline, and the next starts again from its last point so that the
// pieces join.
void drawBound(const std::vector<int>& hull, int n, float* x, float* y, const float* work)
{
    int count = 0;
    const size_t total = hull.size() + 1;
    for (size_t i = 0; i < total; ++i) {
        const int p = hull[i % hull.size()];
        x[count] = networkX(work, p);
        y[count] = networkY(work, p);
        ++count;
        if (count == n && i + 1 < total) {
            const float lastX = x[count - 1], lastY = y[count - 1];
            surfaceDrawMapPolyline(count, x, y);
            x[0] = lastX;
            y[0] = lastY;
            count = 1;
        }
    }
    if (count >= 2) surfaceDrawMapPolyline(count, x, y);
}

// Every triangle not in an excluded region as a closed polyline of four points.
void surfaceDrawNetworkEdges(const float* work)
{
    const NetworkLayout& n = surfaceState.network;
    for (int t = 1; t <= n.triangleCount; ++t) {
        if (networkRegionMark(work, t) < -1.0f) continue;
        float x[4], y[4];
        for (int k = 0; k < 4; ++k) {
            const int p = networkVertex(work, t, k % 3 + 1);
            x[k] = networkX(work, p);
            y[k] = networkY(work, p);
        }
        const int four = 4;
        surfaceDrawMapPolyline(four, x, y);
    }
}

}  // namespace

void TRIHGT(const float& x, const float& y, float& height, float& dzdx, float& dzdy,
            const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TRIHGT);
    NetworkRoutineScope net(wsize, work);
    if (checkNetwork(wsize, work) != 0) return;
    if (!std::isfinite(x) || !std::isfinite(y)) {
        surfaceReportError(kNotANumber);
        return;
    }
    if (prepare(wsize, work, true) > 0) return;
    const NetworkLayout& n = surfaceState.network;
    NetworkWorking& w = surfaceState.networkWork;
    // A value the fit could not give stays NaN here, and the caller's cell keeps what it held.
    float h = NAN, gx = NAN, gy = NAN;
    bool outside = false;
    surfaceNetworkSpotHeight(surfaceNarrow(toNormalX(x)), surfaceNarrow(toNormalY(y)), h, gx, gy,
                             outside, work);
    if (!std::isnan(h)) height = fromNormalZ(h);
    if (!std::isnan(gx)) dzdx = surfaceNarrow(static_cast<double>(gx) * n.zrange / n.xrange);
    if (!std::isnan(gy)) dzdy = surfaceNarrow(static_cast<double>(gy) * n.zrange / n.yrange);
    w.spotHeight = height;
    w.spotDzdx = dzdx;
    w.spotDzdy = dzdy;
}

void TRIGRD(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& nx, const int& ny, float* zgrid, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TRIGRD);
    NetworkRoutineScope net(wsize, work);
    NetworkLayout& n = surfaceState.network;
    if (checkNetwork(wsize, work) != 0) return;
    float x0 = xlow, x1 = xhigh, y0 = ylow, y1 = yhigh;
    int status = 0;
    surfaceCheckGrid(nx, x0, x1, ny, y0, y1, status);
    if (status > 0 || surfaceRefuseMissingArrays({zgrid})) return;
    // An infinite limit passes the range check but leaves no node a place.
    if (!std::isfinite(x0) || !std::isfinite(x1) || !std::isfinite(y0) || !std::isfinite(y1)) {
        surfaceReportError(std::isfinite(x0) && std::isfinite(x1) ? kFlatYRange : kFlatXRange);
        return;
    }
    if (prepare(wsize, work, surfaceState.networkSettings.interpolationMethod == 2) > 0) return;
    surfaceSampleNetworkGrid(surfaceNarrow(toNormalX(x0)), surfaceNarrow(toNormalX(x1)),
                             surfaceNarrow(toNormalY(y0)), surfaceNarrow(toNormalY(y1)), nx, ny,
                             zgrid, work);
    // The bucket index is left to be rebuilt.  Given derivatives become the network's
    // gradients, so that no later routine replaces them by estimates.
    n.bucketIndexBuilt = 0;
    if (surfaceFlagOn(n.derivativesGiven)) n.gradientsReady = -1;
    n.derivativesGiven = 0;
}

void TRIBOU(int& n, const int& drawSwitch, float* x, float* y, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TRIBOU);
    NetworkRoutineScope net(wsize, work);
    if (n <= 2 || x == nullptr || y == nullptr) {
        surfaceReportError(kTooFewNetworkPoints);
        return;
    }
    if (checkNetwork(wsize, work) != 0) return;
    int draw = drawSwitch;
    if (draw != 0 && draw != 1) {
        surfaceReportError(kBadSwitch);
        draw = 1;
    }
    const NetworkLayout& layout = surfaceState.network;
    const std::vector<int> hull = surfaceCollectNetworkBound(work);
    if (draw == 1) {
        // The boundary is drawn on the network map in hand and nowhere else.
        if (surfaceState.drawing.code != kDrawingNetworkMap) {
            surfaceReportError(kNoDrawingToAddTo);
            return;
        }
        surfaceSelectPen(surfaceState.saved.entryColour);
        drawBound(hull, n, x, y, work);
    }
    const long long needed = static_cast<long long>(hull.size()) + 1;
    const long long written = needed <= n ? needed : n;
    for (long long i = 0; i < written; ++i) {
        const int p = hull[static_cast<size_t>(i) % hull.size()];
        x[i] = surfaceNarrow(layout.xmin + static_cast<double>(networkX(work, p)) * layout.xrange);
        y[i] = surfaceNarrow(layout.ymin + static_cast<double>(networkY(work, p)) * layout.yrange);
    }
    if (needed > n) {
        surfaceReportError(kTruncated);
        return;
    }
    n = static_cast<int>(needed);
}

void TRINET(const int& marker, const int& wsize, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceRoutineScope frame(SurfaceRoutineId::TRINET);
    NetworkRoutineScope net(wsize, work);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    if (!surfaceFlagOn(s.network.networkBuilt)) {
        surfaceReportError(kNoNetwork);
        return;
    }
    if (s.drawing.code != kDrawingNetworkMap) {
        surfaceReportError(kNoDrawingToAddTo);
        return;
    }
    if (checkNetwork(wsize, work) != 0) return;
    if (marker != 0) s.contour.pointMarker = marker;
    surfaceSelectPen(s.saved.entryColour);
    surfaceDrawNetworkEdges(work);
    if (marker != 0 && !surfaceFlagOn(s.surface.contourOnSurface))
        surfaceDrawDataPoints(wsize, work);
}
