// tracing_crossings.cpp - where a contour level meets one edge of a network triangle, with
// what the tracer and the band fills share for it: a triangle's vertices and centroid and the
// crossing of the level on one segment.
//
// An edge whose ends lie on either side of the level is crossed once; the crossing search of
// the interpolation finds the point.  An edge whose ends lie on one side can still be crossed
// twice by the curved surfaces: the cubic patch follows, along each edge, the Hermite cubic of
// the end heights and the end gradients, and the local fit a quadratic about the edge's
// midpoint; their roots in the edge are the crossings.  The linear method cannot dip through a
// level between two ends on one side.
#include <algorithm>
#include <cassert>
#include <cmath>

#include "frame/numeric.h"
#include "frame/state.h"
#include "network/interpolation.h"
#include "network/network.h"
#include "network/tracing.h"

using namespace surflib;

namespace {

constexpr int kMaxRoots = 3;

struct Roots {
    double t[kMaxRoots + 2];
    int n = 0;
    void add(double v, double tol)
    {
        for (int i = 0; i < n; ++i) {
            if (std::fabs(t[i] - v) <= tol) return;
        }
        if (n < kMaxRoots + 2) t[n++] = v;
    }
};

double cubicAt(const double c[4], double t) { return ((c[0] * t + c[1]) * t + c[2]) * t + c[3]; }

// The real roots of c0 t^3 + c1 t^2 + c2 t + c3 in [lo, hi]: the interval is cut where the
// derivative vanishes, each monotone piece with a change of sign is bisected, and an extremum
// that reaches the level within tol counts as a root (a touch).
void cubicRoots(const double c[4], double lo, double hi, double tol, Roots& roots)
{
    double cuts[4] = {lo, 0.0, 0.0, hi};
    int nc = 1;
    const double a = 3.0 * c[0], b = 2.0 * c[1], d = c[2];
    if (a != 0.0) {
        const double disc = b * b - 4.0 * a * d;
        if (disc >= 0.0) {
            const double r = std::sqrt(disc);
            double r1 = (-b - r) / (2.0 * a), r2 = (-b + r) / (2.0 * a);
            if (r1 > r2) std::swap(r1, r2);
            if (r1 > lo && r1 < hi) cuts[nc++] = r1;
            if (r2 > lo && r2 < hi && r2 != r1) cuts[nc++] = r2;
        }
    } else if (b != 0.0) {
        const double r = -d / b;
        if (r > lo && r < hi) cuts[nc++] = r;
    }
    cuts[nc++] = hi;
    // An extremum within tol of the level is one touching root; the sign changes that
    // rounding may leave right beside it are part of the same touch.
    double touch[4];
    int touches = 0;
    for (int i = 0; i < nc; ++i) {
        if (std::fabs(cubicAt(c, cuts[i])) <= tol) {
            roots.add(cuts[i], tol);
            const double curvature = std::fabs(6.0 * c[0] * cuts[i] + 2.0 * c[1]);
            touch[touches++] = curvature > 0.0 ? std::sqrt(2.0 * tol / curvature) + tol : tol;
        } else {
            touch[touches++] = -1.0;
        }
    }
    auto nearTouch = [&](double t) {
        for (int i = 0; i < nc; ++i) {
            if (touch[i] >= 0.0 && std::fabs(t - cuts[i]) <= touch[i]) return true;
        }
        return false;
    };
    for (int i = 0; i + 1 < nc; ++i) {
        double x0 = cuts[i], x1 = cuts[i + 1];
        double f0 = cubicAt(c, x0), f1 = cubicAt(c, x1);
        if (!(f0 * f1 < 0.0)) continue;
        for (int pass = 0; pass < 60; ++pass) {
            const double m = 0.5 * (x0 + x1), fm = cubicAt(c, m);
            if ((fm < 0.0) == (f0 < 0.0)) {
                x0 = m;
                f0 = fm;
            } else {
                x1 = m;
            }
        }
        const double root = 0.5 * (x0 + x1);
        if (!nearTouch(root)) roots.add(root, tol);
    }
    std::sort(roots.t, roots.t + roots.n);
}

}  // namespace

namespace {

// The triangle and edge number from which the crossings of edge k of t are worked out: the
// lower-numbered of the two triangles that share the edge, so that both find the very same
// points (a line that leaves one triangle enters the other where it left).  A neighbour with
// heights that are no number is not used.
void canonicalEdge(const float* work, int t, int k, int& ct, int& ck)
{
    ct = t;
    ck = k;
    const int nb = networkNeighbour(work, t, k);
    if (nb < 1 || nb >= t || nb > surfaceState.network.triangleCount) return;
    for (int j = 1; j <= 3; ++j) {
        if (networkNeighbour(work, nb, j) != t) continue;
        for (int v = 1; v <= 3; ++v) {
            if (!std::isfinite(networkZ(work, networkVertex(work, nb, v)))) return;
        }
        ct = nb;
        ck = j;
        return;
    }
}

}  // namespace

namespace surflib {

// ---- The triangle and the crossing on a segment ------------------------------------------------

NetworkTriangle surfaceNetworkTriangle(const float* work, int t)
{
    NetworkTriangle tri{};
    double sx = 0.0, sy = 0.0;
    for (int k = 0; k < 3; ++k) {
        const int v = networkVertex(work, t, k + 1);
        tri.v[k] = v;
        tri.x[k] = networkX(work, v);
        tri.y[k] = networkY(work, v);
        tri.z[k] = networkZ(work, v);
        sx += tri.x[k];
        sy += tri.y[k];
    }
    tri.gx = surfaceNarrow(sx / 3.0);
    tri.gy = surfaceNarrow(sy / 3.0);
    return tri;
}

bool surfaceTriangleHeightsFinite(const NetworkTriangle& tri)
{
    return std::isfinite(tri.z[0]) && std::isfinite(tri.z[1]) && std::isfinite(tri.z[2]);
}

void surfaceSegmentCrossing(int t, int sub, float level, float x1, float y1, float h1, float x2,
                            float y2, float h2, float& xc, float& yc, float* work)
{
    float ax = x1, bx = x2, ay = y1, by = y2;
    xc = x1;
    yc = y1;
    surfaceLevelCrossing(t, sub, level, ax, bx, ay, by, h1, h2, xc, yc, work);
    if (std::isfinite(xc) && std::isfinite(yc)) return;
    // A search that found no number: the straight crossing between the ends.
    const double d = static_cast<double>(h2) - h1;
    const double f = std::isfinite(d) && d != 0.0
        ? std::clamp((level - static_cast<double>(h1)) / d, 0.0, 1.0)
        : 0.5;
    xc = surfaceNarrow(x1 + f * (static_cast<double>(x2) - x1));
    yc = surfaceNarrow(y1 + f * (static_cast<double>(y2) - y1));
}

// ---- Crossings of an edge ------------------------------------------------------------------------

void surfaceEdgeCubicCrossings(int tIn, int kIn, float level, float px, float py, int& roots,
                               float& x1, float& y1, float& x2, float& y2, float* work)
{
    assert(kIn >= 1 && kIn <= 3);
    const SurfaceLibraryState& s = surfaceState;
    int t = tIn, k = kIn;
    canonicalEdge(work, tIn, kIn, t, k);
    const NetworkTriangle tri = surfaceNetworkTriangle(work, t);
    const int ip = k - 1, iq = k % 3;
    const double Px = tri.x[ip], Py = tri.y[ip], Qx = tri.x[iq], Qy = tri.y[iq];
    const double z0 = tri.z[ip], z1 = tri.z[iq];
    const double tol = 100.0 * s.eps;
    roots = 0;
    x1 = x2 = tri.x[ip];
    y1 = y2 = tri.y[ip];
    if ((z0 >= level) != (z1 >= level)) {
        surfaceSegmentCrossing(t, k, level, tri.x[ip], tri.y[ip], tri.z[ip], tri.x[iq], tri.y[iq],
                               tri.z[iq], x1, y1, work);
        x2 = x1;
        y2 = y1;
        roots = 1;
        return;
    }
    if (!std::isfinite(z0) || !std::isfinite(z1)) return;

    const double dx = Qx - Px, dy = Qy - Py;
    Roots found;
    double origin = 0.0;  // the edge point of parameter 0 is P + origin * (Q - P)
    const int method = s.networkSettings.interpolationMethod;
    if (method == 1) {
        // The local fit about the midpoint, along the edge: c0 + B u + A u^2 = level, u in
        // [-1/2, 1/2].
        const float mx = surfaceNarrow(Px + 0.5 * dx), my = surfaceNarrow(Py + 0.5 * dy);
        float h = 0.0f, gx = 0.0f, gy = 0.0f;
        int status = 0;
        surfaceNearestFitHeight(mx, my, h, gx, gy, work, status);
        if (status != 0) return;
        const float* f = surfaceState.networkWork.fit;
        const double c[4] = {0.0, f[3] * dx * dx + f[4] * dx * dy + f[5] * dy * dy,
                             f[1] * dx + f[2] * dy, f[0] - static_cast<double>(level)};
        cubicRoots(c, -0.5 - tol, 0.5 + tol, tol, found);
        origin = 0.5;
    } else if (method == 2) {
        const int vp = tri.v[ip], vq = tri.v[iq];
        const double d0 =
            networkPointField(work, vp, kNetDzdx) * dx + networkPointField(work, vp, kNetDzdy) * dy;
        const double d1 =
            networkPointField(work, vq, kNetDzdx) * dx + networkPointField(work, vq, kNetDzdy) * dy;
        const double c[4] = {2.0 * (z0 - z1) + d0 + d1, 3.0 * (z1 - z0) - 2.0 * d0 - d1, d0,
                             z0 - level};
        if (!std::isfinite(c[0]) || !std::isfinite(c[1])) return;
        cubicRoots(c, -tol, 1.0 + tol, tol, found);
    }
    auto pointAt = [&](double u, float& x, float& y) {
        x = surfaceNarrow(Px + (u + origin) * dx);
        y = surfaceNarrow(Py + (u + origin) * dy);
    };
    if (found.n == 1) {
        // A touch, not a crossing.
        pointAt(found.t[0], x1, y1);
        x2 = x1;
        y2 = y1;
        return;
    }
    if (found.n < 2) return;
    pointAt(found.t[0], x1, y1);
    pointAt(found.t[1], x2, y2);
    const double d1 = std::hypot(static_cast<double>(x1) - px, static_cast<double>(y1) - py);
    const double d2 = std::hypot(static_cast<double>(x2) - px, static_cast<double>(y2) - py);
    if (d2 < d1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    roots = found.n;
}

}  // namespace surflib
