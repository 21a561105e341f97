// triangulation.cpp - making and changing the triangles of a network: the sweep in x that
// builds it, the insertion of one point (a fan over the hull edges that face it, or a split of
// the triangle or edge it lies in), and Lawson's edge swaps to the Delaunay condition with the
// circle test of Cline and Renka.
//
// The sweep inserts the points in x order, so each new point lies outside the hull of the
// points before it; a point that no hull edge faces (it lies on the hull's boundary after
// rounding) is inserted like any other point, by locating it.  Every walk here is bounded by
// the point or triangle count, so damaged or degenerate input cannot make it endless.
#include "network/triangulation.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "frame/errors.h"
#include "frame/routine_frame.h"
#include "network/interpolation.h"
#include "network/network.h"

using namespace surflib;

namespace {

struct Triangle {
    int v[3];
    int n[3];
    float mark;
};

Triangle readTriangle(const float* work, int t)
{
    Triangle r{};
    for (int k = 0; k < 3; ++k) {
        r.v[k] = networkVertex(work, t, k + 1);
        r.n[k] = networkNeighbour(work, t, k + 1);
    }
    r.mark = networkRegionMark(work, t);
    return r;
}

// The vertices and the mark of triangle t, its neighbours left unread (0).
Triangle readCorners(const float* work, int t)
{
    Triangle r{};
    for (int k = 0; k < 3; ++k) r.v[k] = networkVertex(work, t, k + 1);
    r.mark = networkRegionMark(work, t);
    return r;
}

// Points the entry of owner that refers to `from` at `to` (keeping owner's sign).
void relink(float* work, int owner, int from, int to)
{
    if (owner <= 0) return;
    for (int k = 1; k <= 3; ++k) {
        if (networkNeighbour(work, owner, k) == from) {
            networkSetNeighbour(work, owner, k, to);
            return;
        }
    }
}

int nextOnHull(const float* work, int j)
{
    return networkIndex(networkPointField(work, j, kNetHullNext));
}
int previousOnHull(const float* work, int j)
{
    return networkIndex(networkPointField(work, j, kNetHullPrevious));
}
void setHullLinks(float* work, int j, int previous, int next)
{
    networkPointField(work, j, kNetHullPrevious) = static_cast<float>(previous);
    networkPointField(work, j, kNetHullNext) = static_cast<float>(next);
}

bool strictlyRight(int p, int a, int b, const float* work)
{
    return !surfaceOrientationTest(p, a, b, work);
}

// While the sweep runs: for each hull point, a triangle that owned the hull edge starting at
// it when last seen.  A swap may have handed that edge to a neighbour since, so a hint is
// checked, then its neighbours, before the table is searched.
std::vector<int> hullEdgeHints;

int edgeIndex(const float* work, int t, int a, int b)
{
    for (int i = 1; i <= 3; ++i) {
        if (networkVertex(work, t, i) == a && networkVertex(work, t, i % 3 + 1) == b) return i;
    }
    return 0;
}

int hullEdgeOwner(int a, int b, int from, int& k, const float* work)
{
    const int count = surfaceState.network.triangleCount;
    if (a >= 1 && static_cast<size_t>(a) < hullEdgeHints.size()) {
        const int hint = hullEdgeHints[static_cast<size_t>(a)];
        if (hint >= 1 && hint <= count) {
            if ((k = edgeIndex(work, hint, a, b)) != 0) return hint;
            for (int i = 1; i <= 3; ++i) {
                const int u = networkNeighbour(work, hint, i);
                if (u >= 1 && u <= count && (k = edgeIndex(work, u, a, b)) != 0) return u;
            }
        }
    }
    return surfaceFindEdgeOwner(a, b, from, k, work);
}

void hintHullEdge(int a, int t)
{
    if (a >= 1 && static_cast<size_t>(a) < hullEdgeHints.size())
        hullEdgeHints[static_cast<size_t>(a)] = t;
}

// Whether two more triangles fit the table.
bool room(int more)
{
    const NetworkLayout& n = surfaceState.network;
    return static_cast<long long>(n.triangleCount) + more <= 2LL * n.capacity;
}

// The circle test: true when the diagonal f-g of the quadrilateral p, f, q, g (p and q on
// either side, f -> g counter-clockwise in p's triangle) should become p-q.
bool swapWanted(int p, int f, int g, int q, const float* work)
{
    const double xp = networkX(work, p), yp = networkY(work, p);
    const double xf = networkX(work, f), yf = networkY(work, f);
    const double xg = networkX(work, g), yg = networkY(work, g);
    const double xq = networkX(work, q), yq = networkY(work, q);
    const double cp = (xf - xp) * (xg - xp) + (yf - yp) * (yg - yp);
    const double cq = (xg - xq) * (xf - xq) + (yg - yq) * (yf - yq);
    if (cp >= 0.0 && cq >= 0.0) return false;
    if (cp < 0.0 && cq < 0.0) return true;
    return cq * ((yg - yp) * (xf - xp) - (xg - xp) * (yf - yp)) +
        cp * ((yf - yq) * (xg - xq) - (xf - xq) * (yg - yq)) <
        0.0;
}

// Whether c lies strictly left of the directed line a -> b (a, b, c counter-clockwise).
bool strictlyLeft(int a, int b, int c, const float* work)
{
    const double xa = networkX(work, a), ya = networkY(work, a);
    return (networkX(work, b) - xa) * (networkY(work, c) - ya) -
        (networkY(work, b) - ya) * (networkX(work, c) - xa) >
        0.0;
}

bool sameRegionSide(float a, float b) { return (a < 0.0f) == (b < 0.0f); }

// Swaps the diagonal of triangle t's edge k0 (0-based) with the triangle u beyond it, T and U
// their vertices and marks (their neighbours are read here, as needed).  With t = (a, b, c) on
// edge a -> b and u = (b, a, d), t becomes (c, a, d) and u (d, b, c).  Returns false (nothing
// changed) when the two triangles do not share the edge both ways.
bool swapDiagonal(float* work, int t, const Triangle& T, int k0, int u, const Triangle& U)
{
    const int a = T.v[k0], b = T.v[(k0 + 1) % 3], c = T.v[(k0 + 2) % 3];
    int j = -1;
    for (int i = 0; i < 3; ++i) {
        if (U.v[i] == b && U.v[(i + 1) % 3] == a) j = i;
    }
    if (j < 0) return false;
    const int d = U.v[(j + 2) % 3];
    // The circle test asks for a swap only where the two triangles make a convex
    // quadrilateral; with points far apart its rounding can ask for one where they do not,
    // and the swap would turn a triangle over.
    if (!strictlyLeft(c, a, d, work) || !strictlyLeft(d, b, c, work)) return false;
    const int tb = networkNeighbour(work, t, (k0 + 1) % 3 + 1),
              tc = networkNeighbour(work, t, (k0 + 2) % 3 + 1);
    const int ua = networkNeighbour(work, u, (j + 1) % 3 + 1),
              ub = networkNeighbour(work, u, (j + 2) % 3 + 1);
    surfaceWriteTriangle(work, t, c, a, d, tc, ua, u, T.mark);
    surfaceWriteTriangle(work, u, d, b, c, ub, tb, t, U.mark);
    relink(work, ua, u, t);
    relink(work, tb, t, u);
    // The hull edges among the four outer sides now belong to t or u.
    if (tc == 0) hintHullEdge(c, t);
    if (ua == 0) hintHullEdge(a, t);
    if (ub == 0) hintHullEdge(d, u);
    if (tb == 0) hintHullEdge(b, u);
    return true;
}

// Finds the edge of t opposite vertex p: its 0-based number, or -1.
int edgeOpposite(const Triangle& T, int p)
{
    for (int i = 0; i < 3; ++i) {
        if (T.v[i] == p) return (i + 1) % 3;
    }
    return -1;
}

int thirdVertex(const Triangle& U, int f, int g)
{
    for (int i = 0; i < 3; ++i) {
        if (U.v[i] != f && U.v[i] != g) return U.v[i];
    }
    return 0;
}

// Splits triangle t at point p lying inside it: t keeps (v1, v2, p), two triangles are added.
void splitInside(float* work, int t, int p, std::vector<int>& created)
{
    NetworkLayout& n = surfaceState.network;
    const Triangle T = readTriangle(work, t);
    const int t1 = ++n.triangleCount, t2 = ++n.triangleCount;
    surfaceWriteTriangle(work, t, T.v[0], T.v[1], p, T.n[0], t1, t2, T.mark);
    surfaceWriteTriangle(work, t1, T.v[1], T.v[2], p, T.n[1], t2, t, T.mark);
    surfaceWriteTriangle(work, t2, T.v[2], T.v[0], p, T.n[2], t, t1, T.mark);
    relink(work, T.n[1], t, t1);
    relink(work, T.n[2], t, t2);
    setHullLinks(work, p, 0, 0);
    created.insert(created.end(), {t, t1, t2});
}

// Splits the edge k0 (0-based) of t, and the triangle beyond it, at point p lying on it.
void splitEdge(float* work, int t, int k0, int p, std::vector<int>& created)
{
    NetworkLayout& n = surfaceState.network;
    const Triangle T = readTriangle(work, t);
    const int a = T.v[k0], b = T.v[(k0 + 1) % 3], c = T.v[(k0 + 2) % 3];
    const int u = T.n[k0];
    const int tb = T.n[(k0 + 1) % 3], tc = T.n[(k0 + 2) % 3];
    const int t1 = ++n.triangleCount;
    int t2 = 0;
    if (u > 0) {
        const Triangle U = readTriangle(work, u);
        int j = 0;
        for (int i = 0; i < 3; ++i) {
            if (U.v[i] == b && U.v[(i + 1) % 3] == a) j = i;
        }
        const int d = U.v[(j + 2) % 3];
        const int ua = U.n[(j + 1) % 3], ub = U.n[(j + 2) % 3];
        t2 = ++n.triangleCount;
        surfaceWriteTriangle(work, u, b, p, d, t1, t2, ub, U.mark);
        surfaceWriteTriangle(work, t2, p, a, d, t, ua, u, U.mark);
        relink(work, ua, u, t2);
        created.insert(created.end(), {u, t2});
        setHullLinks(work, p, 0, 0);
    } else {
        // A hull edge: p joins the hull between a and b.
        setHullLinks(work, p, a, b);
        networkPointField(work, a, kNetHullNext) = static_cast<float>(p);
        networkPointField(work, b, kNetHullPrevious) = static_cast<float>(p);
    }
    surfaceWriteTriangle(work, t, a, p, c, t2, t1, tc, T.mark);
    surfaceWriteTriangle(work, t1, p, b, c, u, tb, t, T.mark);
    relink(work, tb, t, t1);
    created.insert(created.end(), {t, t1});
}

// Whether the split of t at p (edge k0, 0-based, or -1 for a split of the inside) gives only
// counter-clockwise triangles.  The locate takes a point within its tolerance of a triangle,
// which beside a very large triangle can be a point well off it; such a split would turn
// triangles over.
bool splitSound(const float* work, int t, int k0, int p)
{
    const Triangle T = readTriangle(work, t);
    if (k0 < 0) {
        for (int k = 0; k < 3; ++k) {
            if (!strictlyLeft(T.v[k], T.v[(k + 1) % 3], p, work)) return false;
        }
        return true;
    }
    const int a = T.v[k0], b = T.v[(k0 + 1) % 3], c = T.v[(k0 + 2) % 3];
    if (!strictlyLeft(a, p, c, work) || !strictlyLeft(p, b, c, work)) return false;
    const int u = T.n[k0];
    if (u <= 0) return true;
    const Triangle U = readTriangle(work, u);
    const int d = thirdVertex(U, a, b);
    return d > 0 && strictlyLeft(b, p, d, work) && strictlyLeft(p, a, d, work);
}

// Whether p lies on the segment a-b within the locate tolerance.
bool onSegment(int p, int a, int b, const float* work)
{
    const double xa = networkX(work, a), ya = networkY(work, a);
    const double dx = networkX(work, b) - xa, dy = networkY(work, b) - ya;
    const double px = networkX(work, p) - xa, py = networkY(work, p) - ya;
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0.0)) return false;
    const double u = (px * dx + py * dy) / len2;
    const double dist = std::fabs(px * dy - py * dx) / std::sqrt(len2);
    const double t = 100.0 * surfaceState.eps;
    return u > 0.0 && u < 1.0 && dist < t;
}

void removeRow(float* work, int row, int& N)
{
    for (int j = row; j < N; ++j) {
        for (int c = kNetX; c <= kNetHullNext; ++c) {
            networkPointField(work, j, c) = networkPointField(work, j + 1, c);
        }
    }
    --N;
}

}  // namespace

namespace surflib {

void surfaceWriteTriangle(float* work, int t, int v1, int v2, int v3, int n1, int n2, int n3,
                          float mark)
{
    networkTriangleField(work, t, kTriVertex1) = static_cast<float>(v1);
    networkTriangleField(work, t, kTriVertex1 + 1) = static_cast<float>(v2);
    networkTriangleField(work, t, kTriVertex1 + 2) = static_cast<float>(v3);
    networkTriangleField(work, t, kTriRegionMark) = mark;
    // Each neighbour with the sign of the mark, as networkSetNeighbour stores it.
    const int n[3] = {n1, n2, n3};
    for (int k = 0; k < 3; ++k) {
        const int m = n[k] < 0 ? -n[k] : n[k];
        networkTriangleField(work, t, kTriNeighbour1 + k) =
            static_cast<float>(mark < 0.0f ? -m : m);
    }
}

bool surfaceOrientationTest(int p, int a, int b, const float* work)
{
    const double xa = networkX(work, a), ya = networkY(work, a);
    const double xb = networkX(work, b), yb = networkY(work, b);
    const double xp = networkX(work, p), yp = networkY(work, p);
    return (xb - xa) * (yp - ya) >= (yb - ya) * (xp - xa);
}

int surfaceFindEdgeOwner(int a, int b, int from, int& k, const float* work)
{
    const int count = surfaceState.network.triangleCount;
    for (int t = std::min(from, count); t >= 1; --t) {
        for (int i = 1; i <= 3; ++i) {
            if (networkVertex(work, t, i) == a && networkVertex(work, t, i % 3 + 1) == b) {
                k = i;
                return t;
            }
        }
    }
    k = 0;
    return 0;
}

int surfaceInsertNetworkPoint(int p, int start, std::vector<int>& created, float* work)
{
    NetworkLayout& n = surfaceState.network;
    const int N = n.pointCount;
    int first = 0, last = 0;
    int s = start;
    // Once round the hull: a point that sees none of its edges from there sees none at all.
    for (int step = 0; step <= N && s > 0; ++step) {
        const int next = nextOnHull(work, s), previous = previousOnHull(work, s);
        if (next <= 0 || previous <= 0) break;
        if (strictlyRight(p, s, next, work)) {
            first = s;
            last = next;
            break;
        }
        if (strictlyRight(p, previous, s, work)) {
            first = previous;
            last = s;
            break;
        }
        s = next;
        if (s == start) break;
    }
    if (first == 0) return kInsertNothingVisible;

    int edges = 1;
    for (int step = 0; step < N; ++step) {
        const int next = nextOnHull(work, last);
        if (next <= 0 || next == first || !strictlyRight(p, last, next, work)) break;
        last = next;
        ++edges;
    }
    for (int step = 0; step < N; ++step) {
        const int previous = previousOnHull(work, first);
        if (previous <= 0 || previous == last || !strictlyRight(p, previous, first, work)) break;
        first = previous;
        ++edges;
    }
    if (!room(edges)) {
        surfaceReportError(kTriangleTableFull);
        return kTriangleTableFull;
    }

    // The fan, one triangle (n, m, p) per hull edge m -> n from first to last.
    int before = 0;
    int m = first;
    for (int e = 0; e < edges; ++e) {
        const int next = nextOnHull(work, m);
        const int t = ++n.triangleCount;
        int k = 0;
        const int owner = hullEdgeOwner(m, next, t - 1, k, work);
        const float mark = owner > 0 ? networkRegionMark(work, owner) : 0.0f;
        surfaceWriteTriangle(work, t, next, m, p, owner, before, 0, mark);
        if (owner > 0) networkSetNeighbour(work, owner, k, t);
        if (before > 0) networkSetNeighbour(work, before, 3, t);
        created.push_back(t);
        if (e == 0) hintHullEdge(first, t);      // edge first -> p
        if (e == edges - 1) hintHullEdge(p, t);  // edge p -> last
        before = t;
        if (m != first) setHullLinks(work, m, 0, 0);  // now inside the hull
        if (m == n.hullStart && m != first) n.hullStart = p;
        m = next;
    }
    networkPointField(work, p, kNetInsertMark) = static_cast<float>(p);
    setHullLinks(work, p, first, last);
    networkPointField(work, last, kNetHullPrevious) = static_cast<float>(p);
    networkPointField(work, first, kNetHullNext) = static_cast<float>(p);
    return 0;
}

void surfaceSwapEdges(int p, std::vector<int>& triangles, float* work)
{
    NetworkLayout& n = surfaceState.network;
    if (surfaceFlagOn(n.noSwap)) return;
    long long budget = 10LL * n.triangleCount + 100;  // Lawson swaps end far sooner
    while (!triangles.empty() && budget-- > 0) {
        const int t = triangles.back();
        triangles.pop_back();
        // Only what the circle test needs is read: most tests keep the edge.
        const Triangle T = readCorners(work, t);
        const int k0 = edgeOpposite(T, p);
        if (k0 < 0) continue;
        const int u = networkNeighbour(work, t, k0 + 1);
        if (u <= 0) continue;
        const Triangle U = readCorners(work, u);
        if (!sameRegionSide(T.mark, U.mark)) continue;
        const int f = T.v[k0], g = T.v[(k0 + 1) % 3];
        const int q = thirdVertex(U, f, g);
        if (q <= 0 || !swapWanted(p, f, g, q, work)) continue;
        if (swapDiagonal(work, t, T, k0, u, U)) {
            triangles.push_back(t);
            triangles.push_back(u);
        }
    }
}

bool surfaceTestRegionEdgeSwap(int t, int k, float* work)
{
    const Triangle T = readTriangle(work, t);
    const int k0 = k - 1;
    const int u = T.n[k0];
    if (u <= 0) return false;
    const Triangle U = readTriangle(work, u);
    if (!sameRegionSide(T.mark, U.mark)) return false;
    const int f = T.v[k0], g = T.v[(k0 + 1) % 3], p = T.v[(k0 + 2) % 3];
    const int q = thirdVertex(U, f, g);
    if (q <= 0 || !swapWanted(p, f, g, q, work)) return false;
    return swapDiagonal(work, t, T, k0, u, U);
}

int surfaceInsertIntoNetwork(int p, float* work)
{
    NetworkLayout& n = surfaceState.network;
    NetworkWorking& w = surfaceState.networkWork;
    const float x = networkX(work, p), y = networkY(work, p);
    float height = 0.0f;
    int inside = 0, triangle = w.triangle, sub = 0, edge = 0, slot = 0;
    surfaceLocateTriangle(x, y, height, inside, triangle, sub, edge, slot, work);
    std::vector<int> created;
    if (inside != 0) {
        if (w.vertex != 0) return kInsertCoincides;
        if (!room(2)) {
            surfaceReportError(kTriangleTableFull);
            return kTriangleTableFull;
        }
        if (!splitSound(work, triangle, edge - 1, p)) return kInsertNotPlaced;
        if (edge != 0) {
            // sub-triangle / edge numbers: 1 on P1P2, 2 on P2P3, 3 on P3P1
            splitEdge(work, triangle, edge - 1, p, created);
        } else {
            splitInside(work, triangle, p, created);
        }
    } else {
        const int status = surfaceInsertNetworkPoint(p, n.hullStart, created, work);
        if (status == kTriangleTableFull) return status;
        if (status == kInsertNothingVisible) {
            // On the hull's boundary: split the hull edge it lies on.
            if (triangle <= 0 || sub < 1 || sub > 3) return kInsertNotPlaced;
            const int a = networkVertex(work, triangle, sub),
                      b = networkVertex(work, triangle, sub % 3 + 1);
            if (networkNeighbour(work, triangle, sub) != 0 || !onSegment(p, a, b, work)) {
                return kInsertNotPlaced;
            }
            if (!splitSound(work, triangle, sub - 1, p)) return kInsertNotPlaced;
            if (!room(1)) {
                surfaceReportError(kTriangleTableFull);
                return kTriangleTableFull;
            }
            splitEdge(work, triangle, sub - 1, p, created);
        }
    }
    networkPointField(work, p, kNetInsertMark) = static_cast<float>(p);
    w.triangle = triangle > 0 ? triangle : 1;
    surfaceSwapEdges(p, created, work);
    return 0;
}

int surfaceTriangulatePoints(int& N, float* work)
{
    NetworkLayout& n = surfaceState.network;
    const float eps = surfaceState.eps;
    n.triangleCount = 0;
    n.pointCount = N;
    if (N < 3) return kCollinear;

    // The first triangle: points 1, 2 and the first point off their line.
    const double x1 = networkX(work, 1), y1 = networkY(work, 1);
    const double x2 = networkX(work, 2), y2 = networkY(work, 2);
    int k = 3;
    while (k <= N &&
           !(std::fabs((x1 - networkX(work, k)) * (y1 - y2) -
                       (x1 - x2) * (y1 - networkY(work, k))) >= eps)) {
        ++k;
    }
    if (k > N) return kCollinear;
    for (int j = k; j > 3; --j) {
        for (int c = kNetX; c <= kNetHullNext; ++c) {
            std::swap(networkPointField(work, j, c), networkPointField(work, j - 1, c));
        }
    }
    if (!surfaceOrientationTest(1, 2, 3, work)) {
        for (int c = kNetX; c <= kNetHullNext; ++c) {
            std::swap(networkPointField(work, 2, c), networkPointField(work, 3, c));
        }
    }
    surfaceWriteTriangle(work, 1, 1, 2, 3, 0, 0, 0, 0.0f);
    setHullLinks(work, 1, 3, 2);
    setHullLinks(work, 2, 1, 3);
    setHullLinks(work, 3, 2, 1);
    for (int j = 1; j <= 3; ++j) networkPointField(work, j, kNetInsertMark) = static_cast<float>(j);
    n.triangleCount = 1;
    n.hullStart = 1;
    surfaceState.networkWork.triangle = 1;

    // The rows' x bounds for the locate of points the sweep cannot place from the hull; made
    // again when a row leaves the table.
    std::vector<float> highX, lowX;
    NetworkRowBounds bounds{};
    auto boundRows = [&] {
        highX.assign(static_cast<size_t>(N) + 2, 0.0f);
        lowX.assign(static_cast<size_t>(N) + 2, 0.0f);
        for (int j = 1; j <= N; ++j)
            highX[static_cast<size_t>(j)] = j == 1
                ? networkX(work, j)
                : std::max(highX[static_cast<size_t>(j) - 1], networkX(work, j));
        for (int j = N; j >= 1; --j)
            lowX[static_cast<size_t>(j)] = j == N
                ? networkX(work, j)
                : std::min(lowX[static_cast<size_t>(j) + 1], networkX(work, j));
        bounds = {highX.data(), lowX.data(), N};
        surfaceSetRowBounds(&bounds);
    };
    bool rowsMoved = true;
    struct BoundsReset {
        ~BoundsReset() { surfaceSetRowBounds(nullptr); }
    } resetBounds;

    hullEdgeHints.assign(static_cast<size_t>(N) + 1, 0);
    hintHullEdge(1, 1);
    hintHullEdge(2, 1);
    hintHullEdge(3, 1);
    int start = 3;
    bool removed = false;
    std::vector<int> created;  // the triangles a point's insertion made, kept from point to point
    for (int p = 4; p <= N;) {
        n.pointCount = N;
        created.clear();
        int status = surfaceInsertNetworkPoint(p, start, created, work);
        if (status == 0) {
            surfaceSwapEdges(p, created, work);
        } else if (status == kInsertNothingVisible) {
            if (rowsMoved) boundRows();
            rowsMoved = false;
            status = surfaceInsertIntoNetwork(p, work);
        }
        if (status == kTriangleTableFull) {
            hullEdgeHints.clear();
            return status;
        }
        if (status == kInsertCoincides || status == kInsertNotPlaced) {
            // The point meets a vertex once normalised: it leaves the table.
            removeRow(work, p, N);
            removed = true;
            rowsMoved = true;
            continue;
        }
        start = nextOnHull(work, p) > 0 ? p : n.hullStart;
        ++p;
    }
    n.pointCount = N;
    hullEdgeHints.clear();
    if (removed) surfaceReportError(kDuplicatePoints);
    return 0;
}

}  // namespace surflib
