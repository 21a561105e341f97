// build.cpp - RANTRI and TRIDER: a triangulated network from scattered points, with or
// without the points' own derivatives, built in the caller's workspace.
//
// A build replaces any network the library knew: the header words and the stored size are
// cleared first, so a build that fails leaves no network behind, neither in the array nor in
// the library state.
#include <cmath>

#include "frame/errors.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "network/network.h"
#include "network/triangulation.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

bool allFinite(int n, const float* a)
{
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(a[i])) return false;
    }
    return true;
}

float rangeOf(int n, const float* a, float& lo, float& hi)
{
    lo = hi = a[0];
    for (int i = 1; i < n; ++i) {
        lo = std::fmin(lo, a[i]);
        hi = std::fmax(hi, a[i]);
    }
    return hi - lo;
}

void clearNetwork(int wsize, float* work)
{
    NetworkLayout& n = surfaceState.network;
    n.gradientsReady = n.derivativesGiven = n.networkBuilt = n.bucketIndexBuilt = 0;
    n.storedSize = 0;
    n.triangleCount = 0;
    n.pointCount = 0;
    surfaceWriteNetworkHeader(wsize, work);
    n.networkRoutineActive = -1;
}

// The build shared by both routines; dzdx and dzdy null for RANTRI.  Returns the error
// reported, 0 on success.
int buildNetwork(int npts, const float* x, const float* y, const float* z, const float* dzdx,
                 const float* dzdy, int wsize, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    NetworkLayout& n = s.network;
    if (npts <= 7) return kTooFewNetworkPoints;
    s.grid.pointCount = npts;
    int status = 0;
    surfacePartitionNetwork(wsize, status);
    if (status > 0 || work == nullptr) return kWorkspaceShort;
    if (x == nullptr || y == nullptr || z == nullptr) return kNotANumber;  // missing arrays

    const bool derivatives = dzdx != nullptr && dzdy != nullptr;
    if (!allFinite(npts, x) || !allFinite(npts, y) || !allFinite(npts, z) ||
        (derivatives && (!allFinite(npts, dzdx) || !allFinite(npts, dzdy)))) {
        return kNotANumber;
    }
    float lo = 0.0f, hi = 0.0f;
    rangeOf(npts, z, lo, hi);
    s.grid.zMin = lo;
    s.grid.zMax = hi;
    if (!(static_cast<double>(hi) - lo >= s.eps)) return kFlatData;
    // Points along one line in x or y span no triangle (and could not be normalised).
    float a = 0.0f, b = 0.0f;
    if (!(static_cast<double>(rangeOf(npts, x, a, b)) >= s.eps) ||
        !(static_cast<double>(rangeOf(npts, y, a, b)) >= s.eps)) {
        return kCollinear;
    }
    // The network works in units of its spans: a span wider than the largest real has no such
    // unit, and every point would come out at one place.
    if (!std::isfinite(rangeOf(npts, x, a, b)) || !std::isfinite(rangeOf(npts, y, a, b)) ||
        !std::isfinite(rangeOf(npts, z, a, b))) {
        return kSpanBeyondReals;
    }

    if (derivatives) {
        n.derivativesGiven = -1;
        for (int i = 0; i < npts; ++i) {
            networkPointField(work, i + 1, kNetDzdx) = dzdx[i];
            networkPointField(work, i + 1, kNetDzdy) = dzdy[i];
        }
    }
    int N = npts;
    surfaceLoadNetworkPoints(N, x, y, z, wsize, work);
    n.pointCount = N;
    s.grid.pointCount = N;
    status = surfaceTriangulatePoints(N, work);
    n.pointCount = N;
    s.grid.pointCount = N;
    if (status == kTriangleTableFull) return -status;  // reported where it happened
    if (status > 0) return status;
    n.layoutPointCount = N;
    n.networkBuilt = -1;
    n.gradientsReady = 0;
    n.bucketIndexBuilt = 0;
    return 0;
}

void finishBuild(int error, int wsize, float* work, bool derivativesRoutine)
{
    SurfaceLibraryState& s = surfaceState;
    NetworkLayout& n = s.network;
    if (error > 0) surfaceReportError(error);
    if (error != 0) {
        n.networkBuilt = n.gradientsReady = n.bucketIndexBuilt = n.derivativesGiven = 0;
        n.storedSize = 0;
        n.triangleCount = 0;
        if (derivativesRoutine && error == kWorkspaceShort) s.drawing.code = kDrawingNone;
    }
    surfaceWriteNetworkHeader(wsize, work);
}

}  // namespace

void RANTRI(const int& npts, const float* x, const float* y, const float* z, const int& wsize,
            float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::RANTRI);
    clearNetwork(wsize, work);
    const int error = buildNetwork(npts, x, y, z, nullptr, nullptr, wsize, work);
    finishBuild(error, wsize, work, false);
}

void TRIDER(const int& npts, const float* x, const float* y, const float* z, const float* dzdx,
            const float* dzdy, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TRIDER);
    clearNetwork(wsize, work);
    int error = kNotANumber;  // missing derivatives
    if (dzdx != nullptr && dzdy != nullptr) {
        error = buildNetwork(npts, x, y, z, dzdx, dzdy, wsize, work);
    }
    finishBuild(error, wsize, work, true);
}
