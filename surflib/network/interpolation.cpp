// interpolation.cpp - where a point lies in a network and the heights of methods 0 and 2:
// the triangle locate with its fall-back to the nearest hull edge or corner, the plane of a
// triangle, the cubic patch of the Clough-Tocher split, the height by the current method,
// and the searches built on them (level crossing on a segment, level side test, label
// clearance).  The local fit of method 1 is in fit.cpp.
//
// The cubic patch: the triangle is split at its centroid S into three sub-triangles, each
// carrying a cubic in Bernstein-Bezier form.  The vertex values and gradients fix the control
// points at and next to the corners; the inner point of each outer edge makes the derivative
// along the median direction (the edge normal of the equilateral reference triangle) linear
// along the edge, which is the mean rule for the edge midpoints; the points around S follow
// from C1 continuity across the three inner edges.  The patch reproduces every quadratic whose
// vertex gradients it is given.
#include "network/interpolation.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

#include "frame/numeric.h"
#include "network/network.h"

using namespace surflib;

namespace {

struct Vec {
    double x, y;
};

Vec pointOf(const float* work, int j) { return {networkX(work, j), networkY(work, j)}; }

// Barycentric test of the triangle p1, p2, p3: true when the point lies inside within
// t = 100 eps; the coordinates go to lambda.
bool insideCorners(double x, double y, Vec p1, Vec p2, Vec p3, double lambda[3])
{
    const double eps = surfaceState.eps, tol = 100.0 * eps;
    const double d = (p1.y - p2.y) * (p3.x - p2.x) - (p3.y - p2.y) * (p1.x - p2.x);
    if (!(std::fabs(d) >= eps)) return false;
    lambda[2] = ((p1.y - p2.y) * (x - p2.x) - (p1.x - p2.x) * (y - p2.y)) / d;
    lambda[0] = ((x - p3.x) * (p2.y - p3.y) - (p2.x - p3.x) * (y - p3.y)) / d;
    lambda[1] = ((x - p1.x) * (p3.y - p1.y) - (p3.x - p1.x) * (y - p1.y)) / d;
    return lambda[1] > -tol && lambda[2] > -tol && lambda[0] > -tol;
}

// The same test of triangle t, given up at the first coordinate that fails (the locate
// tries many triangles, nearly all of them far from the point); lambda is filled only when the
// point lies inside.
bool insideTriangle(double x, double y, int t, const float* work, double lambda[3])
{
    const Vec p1 = pointOf(work, networkVertex(work, t, 1)),
              p2 = pointOf(work, networkVertex(work, t, 2)),
              p3 = pointOf(work, networkVertex(work, t, 3));
    const double eps = surfaceState.eps, tol = 100.0 * eps;
    const double d = (p1.y - p2.y) * (p3.x - p2.x) - (p3.y - p2.y) * (p1.x - p2.x);
    if (!(std::fabs(d) >= eps)) return false;
    const double l2 = ((p1.y - p2.y) * (x - p2.x) - (p1.x - p2.x) * (y - p2.y)) / d;
    if (!(l2 > -tol)) return false;
    const double l0 = ((x - p3.x) * (p2.y - p3.y) - (p2.x - p3.x) * (y - p3.y)) / d;
    if (!(l0 > -tol)) return false;
    const double l1 = ((x - p1.x) * (p3.y - p1.y) - (p3.x - p1.x) * (y - p1.y)) / d;
    if (!(l1 > -tol)) return false;
    lambda[0] = l0;
    lambda[1] = l1;
    lambda[2] = l2;
    return true;
}

// The sub-triangle (1 on P1P2, 2 on P2P3, 3 on P3P1) by the smallest barycentric coordinate,
// ties in the order l3, l1, l2.
int subTriangleOf(const double lambda[3])
{
    int sub = 1;
    double smallest = lambda[2];
    if (lambda[0] < smallest) {
        sub = 2;
        smallest = lambda[0];
    }
    if (lambda[1] < smallest) sub = 3;
    return sub;
}

double smallestOf(const double lambda[3]) { return std::min({lambda[0], lambda[1], lambda[2]}); }

// ---- The cubic patch --------------------------------------------------------------------------

struct Corner {
    Vec p;
    double z, gx, gy;
};

Corner cornerOf(const float* work, int j)
{
    return {pointOf(work, j), networkZ(work, j), networkPointField(work, j, kNetDzdx),
            networkPointField(work, j, kNetDzdy)};
}

// z + g . (to - p) / 3: the control point one third of the way from a corner towards `to`.
double towards(const Corner& c, Vec to)
{
    return c.z + (c.gx * (to.x - c.p.x) + c.gy * (to.y - c.p.y)) / 3.0;
}

// The inner control point of the sub-triangle on edge a -> b.
double edgeInner(const Corner& a, const Corner& b, Vec s)
{
    const double ab = towards(a, b.p), ba = towards(b, a.p);
    const double as = towards(a, s), bs = towards(b, s);
    return 0.25 * (ab + ba) - 0.25 * (a.z + b.z) + 0.5 * (as + bs);
}

// Barycentric coordinates of (x, y) in the triangle a, b, c.
void barycentric(Vec a, Vec b, Vec c, double x, double y, double& u, double& v, double& w)
{
    const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    if (!(std::fabs(area) > 0.0)) {
        u = v = w = 1.0 / 3.0;
        return;
    }
    u = ((b.x - x) * (c.y - y) - (c.x - x) * (b.y - y)) / area;
    v = ((c.x - x) * (a.y - y) - (a.x - x) * (c.y - y)) / area;
    w = 1.0 - u - v;
}

// The control net of a triangle's patch, the part every piece and every point share: built
// once for the many heights a crossing search takes in one triangle.
struct CubicPatch {
    Corner c[3];
    Vec s;         // the centroid
    double e[3];   // inner point of the sub-triangle on edge k -> k+1
    double q[3];   // the point two thirds of the way from corner k to S
    double zs;     // the height at S
    double ab[3];  // the control points next to corner k towards corner k+1,
    double ba[3];  // next to corner k+1 towards corner k,
    double as[3];  // and next to corner k towards S
};

CubicPatch patchOf(int triangle, const float* work)
{
    CubicPatch P;
    Corner* c = P.c;
    for (int k = 0; k < 3; ++k) c[k] = cornerOf(work, networkVertex(work, triangle, k + 1));
    P.s = {(c[0].p.x + c[1].p.x + c[2].p.x) / 3.0, (c[0].p.y + c[1].p.y + c[2].p.y) / 3.0};
    for (int k = 0; k < 3; ++k) P.e[k] = edgeInner(c[k], c[(k + 1) % 3], P.s);
    for (int k = 0; k < 3; ++k) P.q[k] = (P.e[k] + P.e[(k + 2) % 3] + towards(c[k], P.s)) / 3.0;
    P.zs = (P.q[0] + P.q[1] + P.q[2]) / 3.0;
    for (int k = 0; k < 3; ++k) {
        const Corner& A = c[k];
        const Corner& B = c[(k + 1) % 3];
        P.ab[k] = towards(A, B.p);
        P.ba[k] = towards(B, A.p);
        P.as[k] = towards(A, P.s);
    }
    return P;
}

// The patch last built while a NetworkPatchMemo lives, with the triangle and array it is of.
struct PatchMemo {
    int holders = 0;
    int triangle = 0;
    const float* work = nullptr;
    CubicPatch patch;
};
PatchMemo patchMemo;

// The patch of triangle t: the one kept when it is of t, else built (and kept while a memo
// lives).
const CubicPatch& patchFor(int triangle, const float* work, CubicPatch& own)
{
    PatchMemo& m = patchMemo;
    if (m.holders == 0) {
        own = patchOf(triangle, work);
        return own;
    }
    if (m.triangle != triangle || m.work != work) {
        m.patch = patchOf(triangle, work);
        m.triangle = triangle;
        m.work = work;
    }
    return m.patch;
}

// The height of the patch at (x, y) by the piece `sub` (1..3), or, with sub 0, by the piece
// that holds the point.
double patchHeight(const CubicPatch& P, double x, double y, int sub)
{
    if (sub < 1 || sub > 3) {
        double lambda[3] = {0.0, 0.0, 0.0};
        insideCorners(x, y, P.c[0].p, P.c[1].p, P.c[2].p, lambda);
        sub = subTriangleOf(lambda);
    }
    const int i = sub - 1, j = sub % 3;  // the sub-triangle's corners A = c[i], B = c[j]
    const Corner& A = P.c[i];
    const Corner& B = P.c[j];
    double u = 0.0, v = 0.0, w = 0.0;
    barycentric(A.p, B.p, P.s, x, y, u, v, w);
    const double b300 = A.z, b030 = B.z, b003 = P.zs;
    const double b210 = P.ab[i], b120 = P.ba[i];
    const double b201 = P.as[i], b021 = P.as[j];
    const double b102 = P.q[i], b012 = P.q[j], b111 = P.e[i];
    return b300 * u * u * u + b030 * v * v * v + b003 * w * w * w +
        3.0 *
        (b210 * u * u * v + b120 * u * v * v + b201 * u * u * w + b021 * v * v * w +
         b102 * u * w * w + b012 * v * w * w) +
        6.0 * b111 * u * v * w;
}

// ---- The locate index ------------------------------------------------------------------------

// A grid of cells over the triangles, for the routines that locate many points in a network
// that does not change meanwhile.  Each triangle is listed in every cell its box meets, the box
// widened by 4 x 100 eps of its size: a point that passes the barycentric test of a triangle
// lies inside that box, so the triangles of a point's cell include every triangle the scan
// could take, and the one the scan would reach first is picked among them.  The owners of the
// hull edges are listed by their end point for the nearest hull feature in the same way.
struct LocateIndex {
    bool active = false;
    int cells = 0;
    double x0 = 0.0, y0 = 0.0, cellWidth = 1.0, cellHeight = 1.0, x1 = 0.0, y1 = 0.0;
    std::vector<int> cellStart;  // cells * cells + 1 entries
    std::vector<int> cellTriangles;
    std::vector<std::vector<int>> hullEdgeOwners;  // by end point: triangle * 4 + edge
};

LocateIndex locateIndex;

constexpr long long kMostIndexEntries = 4000000;

int cellOf(double v, double origin, double size, int cells)
{
    const double u = std::floor((v - origin) / size);
    if (!(u > 0.0)) return 0;
    return u >= cells - 1 ? cells - 1 : static_cast<int>(u);
}

// Position of triangle t in the scan order that starts after `start`.
int scanKey(int t, int start, int count) { return ((t - start - 1) % count + count) % count; }

// The first triangle after `start` in scan order whose barycentric test the point passes, or
// 0; lambda receives its coordinates.
int indexedScan(double x, double y, int start, int count, const float* work, double lambda[3])
{
    const LocateIndex& ix = locateIndex;
    if (!(x >= ix.x0 && x <= ix.x1 && y >= ix.y0 && y <= ix.y1)) return 0;
    const int c = cellOf(x, ix.x0, ix.cellWidth, ix.cells) * ix.cells +
        cellOf(y, ix.y0, ix.cellHeight, ix.cells);
    int best = 0, bestKey = count;
    double l[3] = {0.0, 0.0, 0.0};
    for (int e = ix.cellStart[static_cast<size_t>(c)]; e < ix.cellStart[static_cast<size_t>(c) + 1];
         ++e) {
        const int t = ix.cellTriangles[static_cast<size_t>(e)];
        if (t == start || t > count) continue;
        const int key = scanKey(t, start, count);
        if (key < bestKey && insideTriangle(x, y, t, work, l)) {
            best = t;
            bestKey = key;
            std::copy(l, l + 3, lambda);
        }
    }
    return best;
}

// The sweep's bounds on the x of its rows, while it runs.
const NetworkRowBounds* rowBounds = nullptr;

// Room beside a triangle's x range within which the locate's test may still take a point:
// its tolerance (100 eps on each barycentric coordinate) widens a triangle by at most 2 x 100
// eps of its diameter, and a diameter is under 1.5 in the normalised units of the sweep; this
// is over six times that.
constexpr double kRowMargin = 1.0e-3;

// False when the rows of t's vertices put it by more than kRowMargin to one side of x, so
// that the locate's test cannot take the point.
bool mayHold(double x, int t, const float* work)
{
    const NetworkRowBounds& b = *rowBounds;
    int lo = 0, hi = 0;
    for (int k = 1; k <= 3; ++k) {
        const int v = networkVertex(work, t, k);
        if (v < 1 || v > b.rows) return true;
        lo = k == 1 ? v : std::min(lo, v);
        hi = k == 1 ? v : std::max(hi, v);
    }
    return !(b.highX[hi] < x - kRowMargin) && !(b.lowX[lo] > x + kRowMargin);
}

// Relative difference from the level (divided by the level when it is not small).
double offLevel(double h, double level, double tol)
{
    const double d = h - level;
    return std::fabs(level) > tol ? d / level : d;
}

}  // namespace

namespace surflib {

void surfaceLocateTriangle(float x, float y, float& height, int& inside, int& triangle, int& sub,
                           int& edge, int& slot, const float* work)
{
    NetworkWorking& w = surfaceState.networkWork;
    const int count = surfaceState.network.triangleCount;
    const double tol = 100.0 * surfaceState.eps;
    inside = 0;
    sub = 0;
    edge = 0;
    slot = 0;
    w.vertex = 0;
    w.inside = 0;
    int start = triangle < 0 ? -triangle : triangle;
    if (start < 1 || start > count) start = 1;
    triangle = start;

    double lambda[3] = {0.0, 0.0, 0.0};
    int found = 0;
    if (count >= 1 && insideTriangle(x, y, start, work, lambda)) found = start;
    for (int k = 1; found == 0 && k <= 3 && count >= 1; ++k) {
        const int n = networkIndex(networkTriangleField(work, start, kTriNeighbour1 + k - 1));
        if (n <= 0 || n > count) continue;
        if (insideTriangle(x, y, n, work, lambda)) {
            found = n;
            slot = k;
        }
    }
    if (found == 0 && locateIndex.active) {
        found = indexedScan(x, y, start, count, work, lambda);
    } else {
        for (int i = 1; found == 0 && i < count; ++i) {
            const int t = (start - 1 + i) % count + 1;
            if (rowBounds != nullptr && !mayHold(x, t, work)) continue;
            if (insideTriangle(x, y, t, work, lambda)) found = t;
        }
    }
    if (found == 0) {
        int hullPoint = 0;
        surfaceNearestHullFeature(x, y, height, triangle, sub, hullPoint, work);
        w.triangle = triangle;
        w.subTriangle = sub;
        w.edge = 0;
        return;
    }

    triangle = found;
    inside = 1;
    w.inside = 1;
    for (int k = 0; k < 3; ++k) w.lambda[k] = surfaceNarrow(lambda[k]);
    if (std::fabs(lambda[2] - 1.0) < tol) {
        w.vertex = 3;
    } else if (std::fabs(lambda[0] - 1.0) < tol) {
        w.vertex = 1;
    } else if (std::fabs(lambda[1] - 1.0) < tol) {
        w.vertex = 2;
    } else {
        sub = subTriangleOf(lambda);
        if (smallestOf(lambda) < tol) edge = sub;
    }
    w.triangle = triangle;
    w.subTriangle = sub;
    w.edge = edge;
}

void surfaceNearestHullFeature(float x, float y, float& height, int& triangle, int& sub,
                               int& hullPoint, const float* work)
{
    const NetworkLayout& n = surfaceState.network;
    NetworkWorking& w = surfaceState.networkWork;
    height = 0.0f;
    const int first = n.hullStart;
    int nearest = 0, edgeEnd = 0;
    double nearestD = 0.0, edgeD = 0.0;
    int g = networkIndex(networkPointField(work, first, kNetHullPrevious));
    int h = first;
    for (int step = 0; step < n.pointCount && h >= 1 && h <= n.pointCount; ++step) {
        const Vec H = pointOf(work, h);
        const double dh = (H.x - x) * (H.x - x) + (H.y - y) * (H.y - y);
        if (nearest == 0 || dh < nearestD) {
            nearest = h;
            nearestD = dh;
        }
        if (g >= 1 && g <= n.pointCount) {
            const Vec G = pointOf(work, g);
            const double len2 = (H.x - G.x) * (H.x - G.x) + (H.y - G.y) * (H.y - G.y);
            if (len2 > 0.0) {
                const double u = -((G.x - x) * (H.x - G.x) + (G.y - y) * (H.y - G.y)) / len2;
                if (u > 0.0 && u < 1.0) {
                    const double fx = G.x + u * (H.x - G.x) - x, fy = G.y + u * (H.y - G.y) - y;
                    const double d = fx * fx + fy * fy;
                    if (edgeEnd == 0 || d < edgeD) {
                        edgeEnd = h;
                        edgeD = d;
                    }
                }
            }
        }
        g = h;
        h = networkIndex(networkPointField(work, h, kNetHullNext));
        if (h == first) break;
    }
    hullPoint = nearest;
    w.nearestHullPoint = nearest;
    const int start = triangle;
    triangle = 0;
    sub = 0;
    if (edgeEnd == 0 || edgeD > nearestD) return;
    const int G = networkIndex(networkPointField(work, edgeEnd, kNetHullPrevious));
    const int count = n.triangleCount;
    int from = start < 0 ? -start : start;
    if (from < 1 || from > count) from = 1;
    if (locateIndex.active && static_cast<size_t>(edgeEnd) < locateIndex.hullEdgeOwners.size()) {
        // The owners of the edge, the first of them in scan order from `from`.
        int bestKey = count;
        for (const int entry : locateIndex.hullEdgeOwners[static_cast<size_t>(edgeEnd)]) {
            const int t = entry / 4, j = entry % 4;
            if (networkVertex(work, t, j) != G) continue;
            const int key = scanKey(t, from - 1, count);
            if (key < bestKey) {
                bestKey = key;
                triangle = t;
                sub = j;
            }
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        const int t = (from - 1 + i) % count + 1;
        for (int j = 1; j <= 3; ++j) {
            if (networkVertex(work, t, j) == G && networkVertex(work, t, j % 3 + 1) == edgeEnd) {
                triangle = t;
                sub = j;
                return;
            }
        }
    }
}

void surfaceLinearHeight(float x, float y, float& height, int triangle, const float* work)
{
    const int v1 = networkVertex(work, triangle, 1), v2 = networkVertex(work, triangle, 2),
              v3 = networkVertex(work, triangle, 3);
    const Vec p1 = pointOf(work, v1), p2 = pointOf(work, v2), p3 = pointOf(work, v3);
    const double z1 = networkZ(work, v1), z2 = networkZ(work, v2), z3 = networkZ(work, v3);
    const double f = (p2.y - p3.y) * (p1.x - p3.x) - (p2.x - p3.x) * (p1.y - p3.y);
    if (!(std::fabs(f) > 0.0)) {
        height = surfaceNarrow((z1 + z2 + z3) / 3.0);
        return;
    }
    const double l1 = ((p2.y - p3.y) * (x - p3.x) + (p3.x - p2.x) * (y - p3.y)) / f;
    const double l2 = ((p3.y - p1.y) * (x - p3.x) + (p1.x - p3.x) * (y - p3.y)) / f;
    height = surfaceNarrow(l1 * z1 + l2 * z2 + (1.0 - l1 - l2) * z3);
}

void surfaceCubicPatchHeight(float x, float y, float& height, int triangle, int sub,
                             const float* work)
{
    CubicPatch own;
    height = surfaceNarrow(patchHeight(patchFor(triangle, work, own), x, y, sub));
}

float surfaceNetworkHeight(float x, float y, int triangle, int sub, float* work)
{
    const int method = surfaceState.networkSettings.interpolationMethod;
    const int count = surfaceState.network.triangleCount;
    const bool haveTriangle = triangle >= 1 && triangle <= count;
    float h = 0.0f;
    if (method == 0 && haveTriangle) {
        surfaceLinearHeight(x, y, h, triangle, work);
        return h;
    }
    if (method == 2 && haveTriangle) {
        surfaceCubicPatchHeight(x, y, h, triangle, sub, work);
        return h;
    }
    float dx = 0.0f, dy = 0.0f;
    int status = 0;
    surfaceNearestFitHeight(x, y, h, dx, dy, work, status);
    if (status != 0) {
        // No fit: the plane of the triangle, or the height of the nearest hull point.
        const int near = surfaceState.networkWork.nearestHullPoint;
        if (haveTriangle) {
            surfaceLinearHeight(x, y, h, triangle, work);
        } else if (near >= 1 && near <= surfaceState.network.pointCount) {
            h = networkZ(work, near);
        }
    }
    return h;
}

void surfaceLevelCrossing(int triangle, int sub, float level, float& x1, float& x2, float& y1,
                          float& y2, float h1, float h2, float& xc, float& yc, float* work)
{
    NetworkWorking& w = surfaceState.networkWork;
    const double tol = 100.0 * surfaceState.eps;
    w.crossingFound = 0;
    int moved = 0;
    if (std::fabs(h1 - level) < tol) {
        x1 = surfaceNarrow(x1 + 0.001 * (static_cast<double>(x2) - x1));
        y1 = surfaceNarrow(y1 + 0.001 * (static_cast<double>(y2) - y1));
        moved = 1;
    } else if (std::fabs(h2 - level) < tol) {
        x2 = surfaceNarrow(x2 + 0.001 * (static_cast<double>(x1) - x2));
        y2 = surfaceNarrow(y2 + 0.001 * (static_cast<double>(y1) - y2));
        moved = 2;
    }
    // The cubic patch of the triangle is built once for all the passes.
    CubicPatch own;
    const CubicPatch* patch = nullptr;
    if (surfaceState.networkSettings.interpolationMethod == 2 && triangle >= 1 &&
        triangle <= surfaceState.network.triangleCount)
        patch = &patchFor(triangle, work, own);
    const bool firstLow = h1 <= h2;
    double lx = firstLow ? x1 : x2, ly = firstLow ? y1 : y2, lh = firstLow ? h1 : h2;
    double hx = firstLow ? x2 : x1, hy = firstLow ? y2 : y1, hh = firstLow ? h2 : h1;
    double px = hx, py = hy;
    bool reached = false;
    for (int pass = 1; pass <= 30; ++pass) {
        double u = 0.5;
        if (pass >= 9 && std::fabs(hh - lh) > tol) u = (hh - level) / (hh - lh);
        if (!(u >= 0.0 && u <= 1.0)) u = 0.5;
        px = u * lx + (1.0 - u) * hx;
        py = u * ly + (1.0 - u) * hy;
        const float fx = surfaceNarrow(px), fy = surfaceNarrow(py);
        const double h = patch ? surfaceNarrow(patchHeight(*patch, fx, fy, sub))
                               : surfaceNetworkHeight(fx, fy, triangle, sub, work);
        if (h < level) {
            lx = px;
            ly = py;
            lh = h;
        } else {
            hx = px;
            hy = py;
            hh = h;
        }
        if (std::fabs(offLevel(h, level, tol)) <= tol) {
            reached = true;
            break;
        }
    }
    xc = surfaceNarrow(px);
    yc = surfaceNarrow(py);
    if (reached) {
        w.crossingFound = -1;
    } else if (moved == 1) {
        xc = x1;
        yc = y1;
        w.crossingFound = -1;
    } else if (moved == 2) {
        xc = x2;
        yc = y2;
        w.crossingFound = -1;
    }
}

void surfaceLevelSideTest(float x, float y, int side, int& result, float level, int& triangle,
                          float* work)
{
    float height = 0.0f;
    int inside = 0, sub = 0, edge = 0, slot = 0;
    surfaceLocateTriangle(x, y, height, inside, triangle, sub, edge, slot, work);
    result = side;
    if (inside == 0 || triangle == 0) return;
    const float h = surfaceNetworkHeight(x, y, triangle, sub, work);
    if (static_cast<double>(side) * (static_cast<double>(level) - h) > 0.0) result = 0;
}

void surfaceLabelClearance(float x1, float x2, float x3, float y1, float y2, float y3, float level,
                           float labelHeight, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    const NetworkLayout& n = s.network;
    NetworkWorking& w = s.networkWork;
    const double eps = s.eps;
    double size = 0.0;
    if (s.map.scaleX != 0.0f && n.xrange != 0.0f) {
        size = static_cast<double>(labelHeight) * s.map.factorX / s.map.scaleX / n.xrange;
    }
    const double d1 = std::hypot(x2 - x1, y2 - y1), d2 = std::hypot(x3 - x2, y3 - y2);
    const double r = (d1 + d2) * d1 * d2;
    double nx = 0.0, ny = 0.0;
    if (std::fabs(r) > eps * eps) {
        const double tx = (d1 * d1 * x3 - d2 * d2 * x1 - (d1 * d1 - d2 * d2) * x2) / r;
        const double ty = (d1 * d1 * y3 - d2 * d2 * y1 - (d1 * d1 - d2 * d2) * y2) / r;
        nx = ty;
        ny = -tx;
    }
    const double length = std::hypot(nx, ny);
    const double step = n.zrange != 0.0f ? s.grid.contourInterval / n.zrange : 0.0;
    const double top = n.zrange != 0.0f ? (s.grid.zMax - n.zmin) / n.zrange : 1.0;
    const double bottom = n.zrange != 0.0f ? (s.grid.zMin - n.zmin) / n.zrange : 0.0;

    int triangle = 1;
    auto sideFree = [&](int side, double nextLevel, bool beyond) {
        if (beyond) return true;
        if (length < 100.0 * eps) return false;
        const float px = surfaceNarrow(x2 + side * size * nx / length);
        const float py = surfaceNarrow(y2 + side * size * ny / length);
        if (triangle == 0) return true;
        int result = side;
        surfaceLevelSideTest(px, py, side, result, surfaceNarrow(nextLevel), triangle, work);
        return result == 0;
    };
    const double up = level + step, down = level - step;
    const bool upFree = sideFree(1, up, up > top);
    const bool downFree = sideFree(-1, down, down < bottom);
    w.clearanceAbove = upFree ? 1.1f * labelHeight : 0.0f;
    w.clearanceBelow = downFree ? 1.1f * labelHeight : 0.0f;
}

NetworkLocateIndex::NetworkLocateIndex(const float* work)
{
    LocateIndex& ix = locateIndex;
    ix = LocateIndex{};
    const NetworkLayout& n = surfaceState.network;
    const int count = n.triangleCount;
    if (count < 1) return;
    const double tol = 4.0 * 100.0 * surfaceState.eps;
    std::vector<double> box(static_cast<size_t>(count) * 4);
    double x0 = 0.0, x1 = 0.0, y0 = 0.0, y1 = 0.0;
    for (int t = 1; t <= count; ++t) {
        double lo[2] = {0.0, 0.0}, hi[2] = {0.0, 0.0};
        for (int k = 1; k <= 3; ++k) {
            const int v = networkVertex(work, t, k);
            const double px = networkX(work, v), py = networkY(work, v);
            if (k == 1 || px < lo[0]) lo[0] = px;
            if (k == 1 || px > hi[0]) hi[0] = px;
            if (k == 1 || py < lo[1]) lo[1] = py;
            if (k == 1 || py > hi[1]) hi[1] = py;
        }
        const double margin = tol * std::max(hi[0] - lo[0], hi[1] - lo[1]) + 1e-9;
        double* b = &box[static_cast<size_t>(t - 1) * 4];
        b[0] = lo[0] - margin;
        b[1] = hi[0] + margin;
        b[2] = lo[1] - margin;
        b[3] = hi[1] + margin;
        if (!std::isfinite(b[0] + b[1] + b[2] + b[3])) return;  // no index: the scan stays
        x0 = t == 1 ? b[0] : std::min(x0, b[0]);
        x1 = t == 1 ? b[1] : std::max(x1, b[1]);
        y0 = t == 1 ? b[2] : std::min(y0, b[2]);
        y1 = t == 1 ? b[3] : std::max(y1, b[3]);
    }
    const int cells = std::clamp(static_cast<int>(std::sqrt(static_cast<double>(count))), 1, 1024);
    ix.cells = cells;
    ix.x0 = x0;
    ix.x1 = x1;
    ix.y0 = y0;
    ix.y1 = y1;
    ix.cellWidth = (x1 - x0) / cells;
    ix.cellHeight = (y1 - y0) / cells;
    if (!(ix.cellWidth > 0.0) || !(ix.cellHeight > 0.0)) return;

    // Count, then fill, the entries of each cell.
    const size_t cellCount = static_cast<size_t>(cells) * cells;
    std::vector<int> counts(cellCount + 1, 0);
    long long total = 0;
    auto forCells = [&](int t, auto&& visit) {
        const double* b = &box[static_cast<size_t>(t - 1) * 4];
        const int cx0 = cellOf(b[0], x0, ix.cellWidth, cells),
                  cx1 = cellOf(b[1], x0, ix.cellWidth, cells);
        const int cy0 = cellOf(b[2], y0, ix.cellHeight, cells),
                  cy1 = cellOf(b[3], y0, ix.cellHeight, cells);
        for (int cx = cx0; cx <= cx1; ++cx) {
            for (int cy = cy0; cy <= cy1; ++cy) visit(static_cast<size_t>(cx) * cells + cy);
        }
    };
    for (int t = 1; t <= count; ++t) {
        forCells(t, [&](size_t c) {
            ++counts[c];
            ++total;
        });
        if (total > kMostIndexEntries) return;
    }
    ix.cellStart.assign(cellCount + 1, 0);
    for (size_t c = 0; c < cellCount; ++c) ix.cellStart[c + 1] = ix.cellStart[c] + counts[c];
    ix.cellTriangles.assign(static_cast<size_t>(total), 0);
    std::vector<int> fill(ix.cellStart.begin(), ix.cellStart.end() - 1);
    for (int t = 1; t <= count; ++t) {
        forCells(t, [&](size_t c) { ix.cellTriangles[static_cast<size_t>(fill[c]++)] = t; });
    }

    // The owners of the hull edges G -> H (G the hull point before H), by H.
    ix.hullEdgeOwners.assign(static_cast<size_t>(n.pointCount) + 1, {});
    for (int t = 1; t <= count; ++t) {
        for (int j = 1; j <= 3; ++j) {
            const int g = networkVertex(work, t, j), h = networkVertex(work, t, j % 3 + 1);
            if (h < 1 || h > n.pointCount) continue;
            if (networkIndex(networkPointField(work, h, kNetHullPrevious)) != g) continue;
            ix.hullEdgeOwners[static_cast<size_t>(h)].push_back(t * 4 + j);
        }
    }
    ix.active = true;
}

NetworkLocateIndex::~NetworkLocateIndex() { locateIndex = LocateIndex{}; }

void surfaceSetRowBounds(const NetworkRowBounds* bounds) { rowBounds = bounds; }

NetworkPatchMemo::NetworkPatchMemo()
{
    if (patchMemo.holders++ == 0) patchMemo.triangle = 0;
}

NetworkPatchMemo::~NetworkPatchMemo()
{
    if (--patchMemo.holders == 0) patchMemo.triangle = 0;
}

}  // namespace surflib
