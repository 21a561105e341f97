// insertion.cpp - extending a built network in place: TRIADD adds one point, TRIREG adds a
// region, a closed polygon whose edges become network edges and whose triangles are marked.
//
// A region is inserted in three steps.  Its vertices are added as points; each polygon edge is
// then traced from vertex to vertex through the triangles, and every network edge it crosses
// is split at the crossing without edge swaps, so that the polygon edge ends up made of network
// edges; finally the triangles inside (or, for region kind 2, outside) are found by a flood
// over the triangles that never crosses a polygon edge, and marked.  The swaps that the
// splits left undone are made afterwards everywhere except across the polygon's edges.
#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "frame/errors.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/workspace.h"
#include "network/interpolation.h"
#include "network/network.h"
#include "network/triangulation.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kIncompleteEdge = -1;  // a polygon edge could not be followed to its end

struct NewPoint {
    float x, y;        // normalised
    float z;           // caller's units (kind 1, 2)
    float dzdx, dzdy;  // caller's units (kind 2)
};

// The bucket of a normalised point (1-based column-major number).
int bucketNumber(float x, float y)
{
    const NetworkLayout& n = surfaceState.network;
    const int nb = n.bucketCount;
    auto cell = [nb](double v, double origin, double size) {
        const double u = (v - origin) / size;
        if (!(u > 0.0)) return 1;
        if (u >= nb - 1) return nb;
        return static_cast<int>(u) + 1;
    };
    return (cell(x, n.bucketLeft, n.bucketWidth) - 1) * nb +
        cell(y, n.bucketBottom, n.bucketHeight);
}

// Adds point p (the last row) to the bucket list: after every entry of its bucket and of the
// buckets before it, the later buckets' starts one further on.
void addToBucketIndex(int p, bool data, float* work)
{
    const NetworkLayout& n = surfaceState.network;
    const int nb = n.bucketCount, oldCount = p - 1;
    const int m = bucketNumber(networkX(work, p), networkY(work, p));
    int pos = std::max(1, networkIndex(networkPointField(work, m, kNetBucketStart)));
    while (pos <= oldCount) {
        const int q = std::abs(networkIndex(networkPointField(work, pos, kNetBucketList)));
        if (q >= 1 && q <= oldCount && bucketNumber(networkX(work, q), networkY(work, q)) > m)
            break;
        ++pos;
    }
    for (int r = oldCount; r >= pos; --r) {
        networkPointField(work, r + 1, kNetBucketList) = networkPointField(work, r, kNetBucketList);
    }
    networkPointField(work, pos, kNetBucketList) = static_cast<float>(data ? p : -p);
    for (int b = m + 1; b <= nb * nb; ++b) {
        float& start = networkPointField(work, b, kNetBucketStart);
        start = static_cast<float>(std::min(networkIndex(start) + 1, p));
    }
    networkPointField(work, nb * nb + 1, kNetBucketStart) = static_cast<float>(p);
}

// TRIADD's worker, also used for every vertex and crossing of a region.  Returns 0 with the
// new point's number in point, or the status: 3 (point table full, reported), 71 (reported),
// kInsertCoincides (point is the existing vertex `point`), kInsertNotPlaced.  inside: the
// locate found the point inside the network.
int surfaceAddNetworkPoint(int kind, const NewPoint& np, int& point, bool& inside, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    NetworkLayout& n = s.network;
    NetworkWorking& w = s.networkWork;
    float h = 0.0f;
    int in = 0, triangle = w.triangle, sub = 0, edge = 0, slot = 0;
    surfaceLocateTriangle(np.x, np.y, h, in, triangle, sub, edge, slot, work);
    inside = in != 0;
    if (inside && w.vertex != 0) {
        point = networkVertex(work, triangle, w.vertex);
        return kInsertCoincides;
    }

    // Height and derivatives, normalised.
    float fz = 0.0f, gx = 0.0f, gy = 0.0f;
    int status = 0;
    if (kind != 2) surfaceNearestFitHeight(np.x, np.y, fz, gx, gy, work, status);  // derivatives
    float z = 0.0f;
    if (kind == 0) {
        z = surfaceNetworkHeight(np.x, np.y, inside ? triangle : 0, sub, work);
    } else {
        z = surfaceNarrow((static_cast<double>(np.z) - n.zmin) / n.zrange);
    }
    if (kind == 2) {
        gx = surfaceNarrow(static_cast<double>(np.dzdx) * n.xrange / n.zrange);
        gy = surfaceNarrow(static_cast<double>(np.dzdy) * n.yrange / n.zrange);
    }

    const int N = n.pointCount;
    if (N + 1 >= n.capacity) {
        surfaceReportError(kWorkspaceShort);
        return kWorkspaceShort;
    }
    const int p = N + 1;
    for (int c = kNetX; c <= kNetHullNext; ++c) {
        if (c != kNetBucketList && c != kNetBucketStart) networkPointField(work, p, c) = 0.0f;
    }
    networkPointField(work, p, kNetX) = np.x;
    networkPointField(work, p, kNetY) = np.y;
    networkPointField(work, p, kNetZ) = z;
    networkPointField(work, p, kNetDzdx) = gx;
    networkPointField(work, p, kNetDzdy) = gy;
    networkPointField(work, p, kNetInterpolated) = kind == 0 ? 1.0f : 0.0f;
    n.pointCount = p;
    s.grid.pointCount = p;
    const int inserted = surfaceInsertIntoNetwork(p, work);
    if (inserted != 0) {
        n.pointCount = N;
        s.grid.pointCount = N;
        return inserted;
    }
    addToBucketIndex(p, kind != 0, work);
    n.layoutPointCount = p;
    point = p;
    return 0;
}

int checkKind(int kind)
{
    if (kind >= 0 && kind <= 2) return kind;
    surfaceReportError(kBadSwitch);
    return 0;
}

// Entry of both routines after their own first test.  Returns false when the routine ends.
bool enter(int wsize, float* work)
{
    const int status = surfaceNetworkStatus(wsize, work);
    if (status != 0) {
        surfaceReportError(status);
        return false;
    }
    return true;
}

bool prepare(int wsize, float* work)
{
    int status = 0;
    surfacePrepareNetwork(wsize, work, true, status);
    if (status == kNoBucketGrid) surfaceReportError(status);
    if (status > 0) return false;
    surfaceState.network.gradientsReady = -1;
    return true;
}

// ---- Regions ------------------------------------------------------------------------------

using Edge = std::pair<int, int>;
Edge undirected(int a, int b) { return a < b ? Edge{a, b} : Edge{b, a}; }

double cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// The total turning of the closed polygon; NaN when an edge has no length.
double totalTurning(const std::vector<NewPoint>& poly)
{
    const size_t n = poly.size();
    double sum = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const NewPoint& a = poly[(i + n - 1) % n];
        const NewPoint& b = poly[i];
        const NewPoint& c = poly[(i + 1) % n];
        const double ux = b.x - a.x, uy = b.y - a.y, vx = c.x - b.x, vy = c.y - b.y;
        const double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
        if (!(lu > 0.0) || !(lv > 0.0)) return NAN;
        const double cosine = std::clamp((ux * vx + uy * vy) / (lu * lv), -1.0, 1.0);
        const double angle = std::acos(cosine);
        sum += cross(ux, uy, vx, vy) < 0.0 ? -angle : angle;
    }
    return sum;
}

// Where the segment from v towards b leaves the triangles around v: the triangle and its edge
// (0-based, the edge opposite v) that the segment crosses, or the vertex it runs through.
struct Step {
    int triangle = 0, edge = -1;
    int throughVertex = 0;
    bool reached = false;
};

Step nextStep(int v, int b, const float* work)
{
    const NetworkLayout& n = surfaceState.network;
    const double vx = networkX(work, v), vy = networkY(work, v);
    const double dx = networkX(work, b) - vx, dy = networkY(work, b) - vy;
    const double length = std::hypot(dx, dy);
    Step step;
    for (int t = 1; t <= n.triangleCount; ++t) {
        int i = -1;
        for (int k = 0; k < 3; ++k) {
            if (networkVertex(work, t, k + 1) == v) i = k;
        }
        if (i < 0) continue;
        const int p = networkVertex(work, t, (i + 1) % 3 + 1),
                  q = networkVertex(work, t, (i + 2) % 3 + 1);
        if (p == b || q == b) {
            step.reached = true;
            return step;
        }
        const double px = networkX(work, p) - vx, py = networkY(work, p) - vy;
        const double qx = networkX(work, q) - vx, qy = networkY(work, q) - vy;
        const double cp = cross(px, py, dx, dy), cq = cross(dx, dy, qx, qy);
        if (cp < 0.0 || cq < 0.0) continue;  // b's direction is not in this corner
        // A vertex on the way: the segment runs through it.
        const double tol = 100.0 * surfaceState.eps * length;
        if (std::fabs(cp) <= tol && px * dx + py * dy > 0.0) {
            step.throughVertex = p;
            return step;
        }
        if (std::fabs(cq) <= tol && qx * dx + qy * dy > 0.0) {
            step.throughVertex = q;
            return step;
        }
        step.triangle = t;
        step.edge = (i + 1) % 3;
        return step;
    }
    return step;
}

// The crossing of segment v -> b with edge p -> q: the parameter along p -> q.
double crossingOnEdge(int v, int b, int p, int q, const float* work)
{
    const double vx = networkX(work, v), vy = networkY(work, v);
    const double dx = networkX(work, b) - vx, dy = networkY(work, b) - vy;
    const double px = networkX(work, p), py = networkY(work, p);
    const double ex = networkX(work, q) - px, ey = networkY(work, q) - py;
    const double denominator = cross(ex, ey, dx, dy);
    if (!(std::fabs(denominator) > 0.0)) return 0.5;
    return cross(vx - px, vy - py, dx, dy) / denominator;
}

// Traces the polygon edge a -> b: the network edges along it go to chain (as vertices from a
// to b).  Crossed edges are split at the crossing, without swaps.  Returns 0, the error
// reported (71, 3), or kIncompleteEdge.
int surfaceTraceRegionEdge(int kind, int a, int b, const NewPoint& from, const NewPoint& to,
                           std::vector<int>& chain, float* work)
{
    NetworkLayout& n = surfaceState.network;
    chain.assign(1, a);
    int v = a;
    const double tol = 100.0 * surfaceState.eps;
    const long long limit = 4LL * (n.triangleCount + n.pointCount) + 16;
    for (long long guard = 0; guard < limit && v != b; ++guard) {
        const Step step = nextStep(v, b, work);
        if (step.reached) {
            v = b;
            break;
        }
        if (step.throughVertex != 0) {
            v = step.throughVertex;
            chain.push_back(v);
            continue;
        }
        if (step.triangle == 0) break;  // no way on: the edge stays as it is
        const int p = networkVertex(work, step.triangle, step.edge + 1);
        const int q = networkVertex(work, step.triangle, (step.edge + 1) % 3 + 1);
        const double u = crossingOnEdge(v, b, p, q, work);
        if (u <= tol) {
            v = p;
            chain.push_back(v);
            continue;
        }
        if (u >= 1.0 - tol) {
            v = q;
            chain.push_back(v);
            continue;
        }
        // A new point at the crossing, its height along the polygon edge (or the network's).
        const double cx = networkX(work, p) + u * (networkX(work, q) - networkX(work, p));
        const double cy = networkY(work, p) + u * (networkY(work, q) - networkY(work, p));
        const double span = std::hypot(to.x - from.x, to.y - from.y);
        const double f = span > 0.0 ? std::hypot(cx - from.x, cy - from.y) / span : 0.0;
        NewPoint c{surfaceNarrow(cx), surfaceNarrow(cy),
                   surfaceNarrow(from.z + f * (to.z - from.z)),
                   surfaceNarrow(from.dzdx + f * (to.dzdx - from.dzdx)),
                   surfaceNarrow(from.dzdy + f * (to.dzdy - from.dzdy))};
        int point = 0;
        bool inside = false;
        surfaceState.networkWork.triangle = step.triangle;
        n.noSwap = -1;
        const int status = surfaceAddNetworkPoint(kind, c, point, inside, work);
        n.noSwap = 0;
        if (status == kInsertCoincides) {
            v = point;
        } else if (status != 0) {
            return status == kWorkspaceShort || status == kTriangleTableFull ? status : 0;
        } else {
            v = point;
        }
        chain.push_back(v);
    }
    if (v != b) return kIncompleteEdge;
    if (chain.back() != b) chain.push_back(b);
    return 0;
}

// Swaps every edge the splits left against the circle test, except the polygon's edges, until
// none is left (or a generous bound is reached).
void restoreSwaps(const std::set<Edge>& fixed, float* work)
{
    const NetworkLayout& n = surfaceState.network;
    for (int pass = 0; pass < 50; ++pass) {
        bool swapped = false;
        for (int t = 1; t <= n.triangleCount; ++t) {
            for (int k = 1; k <= 3; ++k) {
                const int a = networkVertex(work, t, k), b = networkVertex(work, t, k % 3 + 1);
                if (fixed.count(undirected(a, b)) != 0) continue;
                if (surfaceTestRegionEdgeSwap(t, k, work)) swapped = true;
            }
        }
        if (!swapped) return;
    }
}

void setMark(float* work, int t, float mark)
{
    networkTriangleField(work, t, kTriRegionMark) = mark;
    for (int k = 1; k <= 3; ++k) networkSetNeighbour(work, t, k, networkNeighbour(work, t, k));
}

// Marks the triangles on the left of the polygon's directed edges and all reached from them
// without crossing a polygon edge: each mark lowered by 5.
void markInside(const std::vector<Edge>& directed, const std::set<Edge>& fixed, float* work)
{
    const NetworkLayout& n = surfaceState.network;
    std::vector<char> seen(static_cast<size_t>(n.triangleCount) + 1, 0);
    std::vector<int> todo;
    for (const Edge& e : directed) {
        int k = 0;
        const int t = surfaceFindEdgeOwner(e.first, e.second, n.triangleCount, k, work);
        if (t > 0 && !seen[t]) {
            seen[t] = 1;
            todo.push_back(t);
        }
    }
    while (!todo.empty()) {
        const int t = todo.back();
        todo.pop_back();
        for (int k = 1; k <= 3; ++k) {
            const int a = networkVertex(work, t, k), b = networkVertex(work, t, k % 3 + 1);
            const int u = networkNeighbour(work, t, k);
            if (u <= 0 || seen[u] || fixed.count(undirected(a, b)) != 0) continue;
            seen[u] = 1;
            todo.push_back(u);
        }
    }
    for (int t = 1; t <= n.triangleCount; ++t) {
        if (!seen[t]) continue;
        const float mark = networkRegionMark(work, t);
        setMark(work, t, std::min(mark, 0.0f) + kRegionMark);
    }
}

void invertMarks(float* work)
{
    const NetworkLayout& n = surfaceState.network;
    for (int t = 1; t <= n.triangleCount; ++t) {
        setMark(work, t, networkRegionMark(work, t) <= kRegionMark ? 0.0f : kRegionMark);
    }
}

// TRIREG's worker on the normalised polygon.
void surfaceInsertRegion(int kind, std::vector<NewPoint>& poly, int regionKind, float* work)
{
    const double tol = 100.0 * surfaceState.eps;
    if (poly.size() > 3 && std::fabs(poly.back().x - poly.front().x) <= tol &&
        std::fabs(poly.back().y - poly.front().y) <= tol) {
        poly.pop_back();
    }
    // A clockwise polygon is warned of first, whether or not it then proves no simple one.
    const double turning = poly.size() < 3 ? NAN : totalTurning(poly);
    if (turning < 0.0) surfaceReportError(kClockwiseRegion);
    if (!(std::fabs(std::fabs(turning) - kTwoPi) <= 1e-4)) {
        surfaceReportError(kNotSimpleRegion);
        return;
    }
    if (turning < 0.0) std::reverse(poly.begin(), poly.end());

    std::vector<int> vertex(poly.size(), 0);
    bool warned = false;
    for (size_t i = 0; i < poly.size(); ++i) {
        bool inside = false;
        int point = 0;
        const int status = surfaceAddNetworkPoint(kind, poly[i], point, inside, work);
        if (status == kWorkspaceShort || status == kTriangleTableFull) return;
        if ((status != 0 && status != kInsertCoincides) || !inside) {
            if (!warned) surfaceReportError(kOutsideNetwork);
            warned = true;
        }
        vertex[i] = status == 0 || status == kInsertCoincides ? point : 0;
    }
    // A polygon short of a vertex encloses nothing: its points stay, no triangle is marked.
    if (std::find(vertex.begin(), vertex.end(), 0) != vertex.end()) return;

    std::set<Edge> fixed;
    std::vector<Edge> directed;
    std::vector<int> chain;
    for (size_t i = 0; i < poly.size(); ++i) {
        const size_t j = (i + 1) % poly.size();
        if (vertex[i] == 0 || vertex[j] == 0 || vertex[i] == vertex[j]) continue;
        const int status =
            surfaceTraceRegionEdge(kind, vertex[i], vertex[j], poly[i], poly[j], chain, work);
        if (status == kIncompleteEdge) {
            // Without all of its edges the polygon encloses nothing: no triangle is marked.
            surfaceReportError(kNotSimpleRegion);
            return;
        }
        if (status != 0) return;
        for (size_t c = 0; c + 1 < chain.size(); ++c) {
            fixed.insert(undirected(chain[c], chain[c + 1]));
            directed.emplace_back(chain[c], chain[c + 1]);
        }
    }
    restoreSwaps(fixed, work);
    markInside(directed, fixed, work);
    if (regionKind == 2) invertMarks(work);
}

}  // namespace

void TRIADD(const int& kind, const float& x, const float& y, const float& z, const float& dzdx,
            const float& dzdy, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TRIADD);
    NetworkRoutineScope net(wsize, work);
    if (!enter(wsize, work)) return;
    const int k = checkKind(kind);
    if (!std::isfinite(x) || !std::isfinite(y) || (k >= 1 && !std::isfinite(z)) ||
        (k == 2 && (!std::isfinite(dzdx) || !std::isfinite(dzdy)))) {
        surfaceReportError(kNotANumber);
        return;
    }
    if (!prepare(wsize, work)) return;
    NetworkLayout& n = surfaceState.network;
    n.noSwap = 0;
    const NewPoint p{surfaceNarrow((static_cast<double>(x) - n.xmin) / n.xrange),
                     surfaceNarrow((static_cast<double>(y) - n.ymin) / n.yrange), z, dzdx, dzdy};
    int point = 0;
    bool inside = false;
    const int status = surfaceAddNetworkPoint(k, p, point, inside, work);
    if (status == kInsertCoincides) {
        surfaceReportError(kDuplicatePoints);  // the point is already a vertex
    } else if (status == 0 && !inside) {
        surfaceReportError(kOutsideNetwork);
    } else if (status == kInsertNotPlaced) {
        surfaceReportError(kOutsideNetwork);
    }
}

void TRIREG(const int& kind, const int& n, const float* x, const float* y, const float* z,
            const float* dzdx, const float* dzdy, const int& regionKind, const int& wsize,
            float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TRIREG);
    if (n <= 2) {
        surfaceReportError(kTooFewNetworkPoints);
        return;
    }
    NetworkRoutineScope net(wsize, work);
    if (!enter(wsize, work)) return;
    // Every vertex becomes a point: a polygon the point table cannot take is refused whole.
    if (n > surfaceState.network.capacity) {
        surfaceReportError(kWorkspaceShort);
        return;
    }
    if (surfaceRefuseMissingArrays({x, y})) return;
    const int k = checkKind(kind);
    int region = regionKind;
    if (region < 0 || region > 2) {
        surfaceReportError(kBadSwitch);
        region = 2;
    }
    // Heights and derivatives are read only for the kinds that use them.
    if ((k >= 1 && surfaceRefuseMissingArrays({z})) ||
        (k == 2 && surfaceRefuseMissingArrays({dzdx, dzdy}))) {
        return;
    }
    NetworkLayout& layout = surfaceState.network;
    std::vector<NewPoint> poly(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const float zi = k >= 1 ? z[i] : 0.0f;
        const float gx = k == 2 ? dzdx[i] : 0.0f, gy = k == 2 ? dzdy[i] : 0.0f;
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]) || !std::isfinite(zi) ||
            !std::isfinite(gx) || !std::isfinite(gy)) {
            surfaceReportError(kNotANumber);
            return;
        }
        poly[static_cast<size_t>(i)] = {
            surfaceNarrow((static_cast<double>(x[i]) - layout.xmin) / layout.xrange),
            surfaceNarrow((static_cast<double>(y[i]) - layout.ymin) / layout.yrange), zi, gx, gy};
    }
    if (!prepare(wsize, work)) return;
    layout.noSwap = 0;
    surfaceInsertRegion(k, poly, region, work);
    layout.noSwap = 0;
}
