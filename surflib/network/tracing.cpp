// tracing.cpp - follows one contour level through the triangles of a network: the start
// candidates on the hull and beside excluded regions, the open and closed lines, one step
// through a triangle (the straight mode and the curved, subdivided mode), and the line buffer
// with its 195-point flush.
//
// In the straight mode a triangle crossed by a level has exactly two crossed edges when each
// vertex (and the centroid) counts as high (height >= level) or low: in counter-clockwise
// order one of them runs from low to high (the line's entry for the walk) and the other from
// high to low.  So a walk that enters through one crossed edge always leaves through the
// other, every line is walked in one direction, and each triangle is passed once per level:
// its mark turns -1 (finished) at the first pass and stops every later walk.  In the curved
// mode an edge can be crossed twice, where the surface dips through the level between two
// ends on one side of it; a triangle then keeps the crossings not yet traced in its mark and
// is passed again until none is left (see the curved mode below).  Either way the work of a
// level is bounded by the triangle count whatever the heights hold.
#include "network/tracing.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <optional>
#include <vector>

#include "frame/numeric.h"
#include "frame/state.h"
#include "network/interpolation.h"
#include "network/level_index.h"
#include "network/network.h"

using namespace surflib;

namespace {

constexpr float kNotVisited = 0.0f;
constexpr float kCandidate = 1.0f;
constexpr float kFinished = -1.0f;
constexpr float kRegionBound = -2.0f;  // marks at or below belong to regions and stay
constexpr float kMinStepFactor = 1000.0f;

NetworkPolylineBuffer& line() { return surfaceState.networkLine; }

float mark(const float* work, int t) { return networkTriangleField(work, t, kTriRegionMark); }
void setMark(float* work, int t, float m) { networkTriangleField(work, t, kTriRegionMark) = m; }

// Low or high against the level: a height equal to the level counts as high, one that is no
// number as low.
bool high(float z, float level) { return z >= level; }
bool crosses(float zp, float zq, float level) { return high(zp, level) != high(zq, level); }

int next(int k) { return k % 3 + 1; }

bool heightsFinite(const float* work, int t)
{
    for (int k = 1; k <= 3; ++k) {
        if (!std::isfinite(networkZ(work, networkVertex(work, t, k)))) return false;
    }
    return true;
}

// The triangle is outside the contoured part: a region mark, or a height that is no number.
bool excluded(const float* work, int t)
{
    return mark(work, t) <= kRegionBound || !heightsFinite(work, t);
}

bool inNegativeRegion(const float* work, int t)
{
    for (int k = 1; k <= 3; ++k) {
        if (surfaceRawNeighbour(work, t, k) < 0) return true;
    }
    return false;
}

// Edge k of t borders the hull, a negative region or an excluded triangle.
bool boundaryEdge(const float* work, int t, int k)
{
    const int raw = surfaceRawNeighbour(work, t, k);
    if (raw < 1) return true;
    const int nb = networkNeighbour(work, t, k);
    if (nb > surfaceState.network.triangleCount) return true;
    return inNegativeRegion(work, nb) || excluded(work, nb);
}

// Some edge of t borders the hull, a negative region or an excluded triangle.
bool onBoundary(const float* work, int t)
{
    return boundaryEdge(work, t, 1) || boundaryEdge(work, t, 2) || boundaryEdge(work, t, 3);
}

bool curved() { return surfaceFlagOn(surfaceState.networkContour.curvedContours); }

// Edge k runs up through the level (counter-clockwise from low to high).
bool startEdge(const NetworkTriangle& tri, int k, float level)
{
    const float za = tri.z[k - 1], zb = tri.z[next(k) - 1];
    return !high(za, level) && high(zb, level);
}

// The level crosses the triangle through an edge other than k.
bool crossedElsewhere(const NetworkTriangle& tri, int k, float level)
{
    return startEdge(tri, next(k), level) || startEdge(tri, next(next(k)), level);
}

// The edge of nb that lies across from t, 0 when the tables do not say so.
int edgeTowards(const float* work, int nb, int t)
{
    for (int k = 1; k <= 3; ++k) {
        if (networkNeighbour(work, nb, k) == t) return k;
    }
    return 0;
}

// ---- The line buffer ------------------------------------------------------------------------

void flushIfFull(float* work)
{
    NetworkPolylineBuffer& b = line();
    if (b.count < kNetworkLinePoints) return;
    const int n = kNetworkLinePoints;
    b.continuesAfter = -1;
    b.afterX = b.x[n - 1];
    b.afterY = b.y[n - 1];
    if (surfaceFlagOn(b.holdFirstPiece) && !surfaceFlagOn(b.continuedFromBefore)) {
        // The first piece of a line that may close: its neighbour before is known only then.
        std::copy(b.x, b.x + n - 1, b.heldX);
        std::copy(b.y, b.y + n - 1, b.heldY);
        b.heldCount = n - 1;
        b.heldAfterX = b.afterX;
        b.heldAfterY = b.afterY;
    } else {
        surfaceDrawNetworkContour(n - 1, b.x, b.y, work);
    }
    b.continuedFromBefore = -1;
    b.beforeX = b.x[n - 3];
    b.beforeY = b.y[n - 3];
    b.x[0] = b.x[n - 2];
    b.y[0] = b.y[n - 2];
    b.x[1] = b.x[n - 1];
    b.y[1] = b.y[n - 1];
    b.count = 2;
    b.continuesAfter = 0;
}

void putFirst(float x, float y)
{
    NetworkPolylineBuffer& b = line();
    b.x[0] = x;
    b.y[0] = y;
    b.count = 1;
    b.appended = 0;
}

// Draws the held first piece of a line: from its start with the given neighbour point before
// it (a closed line) or free, and into the piece after it.
void drawHeldPiece(bool closed, float beforeX, float beforeY, float* work)
{
    NetworkPolylineBuffer& b = line();
    if (b.heldCount < 2) {
        b.heldCount = 0;
        return;
    }
    const int fromBefore = b.continuedFromBefore, after = b.continuesAfter;
    const float bx = b.beforeX, by = b.beforeY, ax = b.afterX, ay = b.afterY;
    b.continuedFromBefore = closed ? -1 : 0;
    b.beforeX = beforeX;
    b.beforeY = beforeY;
    b.continuesAfter = -1;
    b.afterX = b.heldAfterX;
    b.afterY = b.heldAfterY;
    surfaceDrawNetworkContour(b.heldCount, b.heldX, b.heldY, work);
    b.heldCount = 0;
    b.continuedFromBefore = fromBefore;
    b.beforeX = bx;
    b.beforeY = by;
    b.continuesAfter = after;
    b.afterX = ax;
    b.afterY = ay;
}

// Draws what the buffer holds as the end of a line that does not close, and empties it.  A
// piece that follows a flushed one keeps its joint smooth; its far end is free.
void drawOpenPiece(float* work)
{
    NetworkPolylineBuffer& b = line();
    if (b.heldCount > 0) drawHeldPiece(false, 0.0f, 0.0f, work);
    b.continuesAfter = 0;
    if (b.count >= 2) surfaceDrawNetworkContour(b.count, b.x, b.y, work);
    b.count = 0;
    b.continuedFromBefore = 0;
}

// Closes the line on its start point and draws it with neighbour points on both sides, so
// that a smooth closed line has no corner at its start.
void drawClosedLine(float* work)
{
    NetworkPolylineBuffer& b = line();
    const float step = kMinStepFactor * surfaceState.eps;
    if (b.count >= 1 && std::fabs(b.x[b.count - 1] - b.firstX) <= step &&
        std::fabs(b.y[b.count - 1] - b.firstY) <= step) {
        b.x[b.count - 1] = b.firstX;
        b.y[b.count - 1] = b.firstY;
    } else {
        surfaceAppendContourPoint(b.firstX, b.firstY, work);
    }
    if (b.heldCount > 0 && b.count >= 2)
        drawHeldPiece(true, b.x[b.count - 2], b.y[b.count - 2], work);
    if (b.count >= 3 && !std::isnan(b.secondX)) {
        if (!surfaceFlagOn(b.continuedFromBefore)) {
            b.continuedFromBefore = -1;
            b.beforeX = b.x[b.count - 2];
            b.beforeY = b.y[b.count - 2];
        }
        b.continuesAfter = -1;
        b.afterX = b.secondX;
        b.afterY = b.secondY;
    }
    if (b.count >= 2) surfaceDrawNetworkContour(b.count, b.x, b.y, work);
    b.count = 0;
    b.continuedFromBefore = 0;
    b.continuesAfter = 0;
}

struct Corner {
    float x, y, z;
};

// ---- The curved mode: every crossing of a triangle's edges ----------------------------------------
//
// Along each edge the curved surfaces follow a curve of their own, which can dip through the
// level between two ends on one side of it: such an edge has two crossings.  The curved mode
// therefore works from the crossings themselves.  Going counter-clockwise round a triangle, a
// crossing is "up" where the height rises through the level and "down" where it falls; a line
// enters at an up crossing and leaves at a down one, with the high side on its right.  Inside
// the triangle the line passes from sub-triangle to sub-triangle of the centroid split: in a
// sub-triangle it joins its entry to the crossing next to it round the sub-triangle's boundary
// (the other way round when the sub-triangle holds four crossings and its two high stretches of
// boundary are joined inside it), and a crossing on a spoke leads into the next sub-triangle.
//
// The mark of a triangle keeps, after its first visit, one bit per edge crossing not yet
// traced (edge k uses bits 2k-2 and 2k-1, a single crossing the upper one), so that a triangle
// with two crossings on one edge is entered again by a later walk; with no crossing left it is
// finished (-1).

// The crossings of one edge, in order from vertex k to vertex k mod 3 + 1.
struct EdgeCrossings {
    int count = 0;
    float x[2] = {}, y[2] = {};
    bool up[2] = {};
};

struct CurvedTriangle {
    NetworkTriangle tri;
    float zG = 0.0f;  // height at the centroid
    EdgeCrossings edge[3];
    bool spokeCrossed[3] = {};  // the spoke from the centroid to vertex k (index k - 1)
    bool spokeFound[3] = {};
    float spokeX[3] = {}, spokeY[3] = {};
};

double placeOnSide(const Corner& p, const Corner& q, float x, float y)
{
    const double dx = static_cast<double>(q.x) - p.x, dy = static_cast<double>(q.y) - p.y;
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0.0)) return 0.0;
    const double f =
        ((x - static_cast<double>(p.x)) * dx + (y - static_cast<double>(p.y)) * dy) / len2;
    return std::clamp(f, 0.0, 1.0);
}

// A dip's crossing at a vertex is the vertex's own crossing, already counted on the edges
// whose ends lie on either side of the level: only dips clear of both ends count.
bool insideEdge(const NetworkTriangle& tri, int k, float x, float y)
{
    constexpr double kEndClearance = 1e-3;
    const Corner p{tri.x[k - 1], tri.y[k - 1], 0.0f},
        q{tri.x[next(k) - 1], tri.y[next(k) - 1], 0.0f};
    const double f = placeOnSide(p, q, x, y);
    return f > kEndClearance && f < 1.0 - kEndClearance;
}

void curvedTriangle(int t, float level, CurvedTriangle& c, float* work)
{
    c.tri = surfaceNetworkTriangle(work, t);
    c.zG = surfaceNetworkSubHeight(c.tri.gx, c.tri.gy, t, 1, work);
    for (int k = 1; k <= 3; ++k) {
        EdgeCrossings& e = c.edge[k - 1];
        const float za = c.tri.z[k - 1], zb = c.tri.z[next(k) - 1];
        int roots = 0;
        surfaceEdgeCubicCrossings(t, k, level, c.tri.x[k - 1], c.tri.y[k - 1], roots, e.x[0],
                                  e.y[0], e.x[1], e.y[1], work);
        if (crosses(za, zb, level)) {
            e.count = 1;
            e.up[0] = !high(za, level);
        } else if (roots >= 2 && insideEdge(c.tri, k, e.x[0], e.y[0]) &&
                   insideEdge(c.tri, k, e.x[1], e.y[1])) {
            e.count = 2;
            e.up[0] = !high(za, level);
            e.up[1] = high(za, level);
        } else {
            e.count = 0;
        }
        c.spokeCrossed[k - 1] = crosses(c.zG, c.tri.z[k - 1], level);
        c.spokeFound[k - 1] = false;
    }
}

int crossingBit(const CurvedTriangle& c, int k, int slot)
{
    const int base = 2 * (k - 1);
    return 1 << (c.edge[k - 1].count == 2 ? base + slot : base + 1);
}

int allCrossingBits(const CurvedTriangle& c)
{
    int bits = 0;
    for (int k = 1; k <= 3; ++k) {
        for (int i = 0; i < c.edge[k - 1].count; ++i) bits |= crossingBit(c, k, i);
    }
    return bits;
}

// The untraced crossings a visited triangle keeps in its mark; -1 for a triangle not visited.
int markedBits(const float* work, int t)
{
    const float m = mark(work, t);
    return m >= 2.0f && m < 64.0f ? static_cast<int>(m) : -1;
}

int untracedBits(const float* work, int t, const CurvedTriangle& c)
{
    const int bits = markedBits(work, t);
    return bits >= 0 ? bits : allCrossingBits(c);
}

void storeBits(float* work, int t, int bits)
{
    if (mark(work, t) <= kRegionBound) return;
    setMark(work, t, bits >= 2 ? static_cast<float>(bits) : kFinished);
}

// The crossing on the spoke from the centroid to vertex v, found once per visit.
void spokePoint(CurvedTriangle& c, int t, int v, float level, float* work)
{
    if (c.spokeFound[v - 1]) return;
    const NetworkTriangle& tri = c.tri;
    surfaceSegmentCrossing(t, v, level, tri.gx, tri.gy, c.zG, tri.x[v - 1], tri.y[v - 1],
                           tri.z[v - 1], c.spokeX[v - 1], c.spokeY[v - 1], work);
    c.spokeFound[v - 1] = true;
}

// The boundary of sub-triangle s (corners A = vertex s, B = vertex s mod 3 + 1, G) with the
// crossings on it, counter-clockwise.  A place on the boundary is a number tau from 0 to 3:
// 0 to 1 along A-B, 1 to 2 along B-G, 2 to 3 along G-A.
constexpr int kSpokeAtB = 2;  // crossing kinds beside the edge crossings 0 and 1
constexpr int kSpokeAtA = 3;

struct SubCrossing {
    int kind;
    float x, y;
    double tau;
    bool up;
};

struct SubBoundary {
    int sub = 0;
    Corner c[3];
    SubCrossing cr[4];
    int n = 0;
};

void subBoundary(CurvedTriangle& c, int t, int s, float level, SubBoundary& b, float* work)
{
    const NetworkTriangle& tri = c.tri;
    const int a = s, bv = next(s);
    b.sub = s;
    b.c[0] = {tri.x[a - 1], tri.y[a - 1], tri.z[a - 1]};
    b.c[1] = {tri.x[bv - 1], tri.y[bv - 1], tri.z[bv - 1]};
    b.c[2] = {tri.gx, tri.gy, c.zG};
    b.n = 0;
    const EdgeCrossings& e = c.edge[s - 1];
    for (int i = 0; i < e.count; ++i) {
        b.cr[b.n++] = {i, e.x[i], e.y[i], placeOnSide(b.c[0], b.c[1], e.x[i], e.y[i]), e.up[i]};
    }
    if (c.spokeCrossed[bv - 1]) {
        spokePoint(c, t, bv, level, work);
        const float x = c.spokeX[bv - 1], y = c.spokeY[bv - 1];
        b.cr[b.n++] = {kSpokeAtB, x, y, 1.0 + placeOnSide(b.c[1], b.c[2], x, y),
                       !high(b.c[1].z, level)};
    }
    if (c.spokeCrossed[a - 1]) {
        spokePoint(c, t, a, level, work);
        const float x = c.spokeX[a - 1], y = c.spokeY[a - 1];
        b.cr[b.n++] = {kSpokeAtA, x, y, 2.0 + placeOnSide(b.c[2], b.c[0], x, y),
                       !high(c.zG, level)};
    }
}

void boundaryPoint(const SubBoundary& b, double tau, float& x, float& y)
{
    tau = std::fmod(tau, 3.0);
    if (tau < 0.0) tau += 3.0;
    const int i = std::min(2, static_cast<int>(tau));
    const double f = tau - i;
    const Corner& p = b.c[i];
    const Corner& q = b.c[(i + 1) % 3];
    x = surfaceNarrow(p.x + f * (static_cast<double>(q.x) - p.x));
    y = surfaceNarrow(p.y + f * (static_cast<double>(q.y) - p.y));
}

// A way along the boundary of a sub-triangle as a polyline whose segments may be jumps (left
// out of its length: the stretch that another line cuts off).
struct BoundaryPath {
    float x[12] = {}, y[12] = {};
    bool jump[12] = {};
    int n = 0;
    double length = 0.0;

    void add(float px, float py, bool jumpTo)
    {
        if (n >= 12) return;
        x[n] = px;
        y[n] = py;
        jump[n] = jumpTo && n > 0;
        if (n > 0 && !jump[n]) {
            length +=
                std::hypot(static_cast<double>(px) - x[n - 1], static_cast<double>(py) - y[n - 1]);
        }
        ++n;
    }
    // The point at fraction f of the length.
    void pointAt(double f, float& px, float& py) const
    {
        double left = f * length;
        for (int i = 1; i < n; ++i) {
            if (jump[i]) continue;
            const double seg = std::hypot(static_cast<double>(x[i]) - x[i - 1],
                                          static_cast<double>(y[i]) - y[i - 1]);
            if (left <= seg || i == n - 1) {
                const double g = seg > 0.0 ? std::clamp(left / seg, 0.0, 1.0) : 0.0;
                px = surfaceNarrow(x[i - 1] + g * (static_cast<double>(x[i]) - x[i - 1]));
                py = surfaceNarrow(y[i - 1] + g * (static_cast<double>(y[i]) - y[i - 1]));
                return;
            }
            left -= seg;
        }
        px = x[n - 1];
        py = y[n - 1];
    }
};

// Adds the boundary from place ta to place tb, counter-clockwise (dir 1) or clockwise (-1).
void addArc(const SubBoundary& b, double ta, double tb, int dir, bool jumpTo, BoundaryPath& path)
{
    float x = 0.0f, y = 0.0f;
    boundaryPoint(b, ta, x, y);
    path.add(x, y, jumpTo);
    if (dir > 0) {
        const double end = tb > ta ? tb : tb + 3.0;
        for (double m = std::floor(ta) + 1.0; m < end; m += 1.0) {
            boundaryPoint(b, m, x, y);
            path.add(x, y, false);
        }
    } else {
        const double end = tb < ta ? tb : tb - 3.0;
        for (double m = std::ceil(ta) - 1.0; m > end; m -= 1.0) {
            boundaryPoint(b, m, x, y);
            path.add(x, y, false);
        }
    }
    boundaryPoint(b, tb, x, y);
    path.add(x, y, false);
}

bool lowAt(float x, float y, int t, int sub, float level, float* work)
{
    return !high(surfaceNetworkSubHeight(x, y, t, sub, work), level);
}

// The crossing that the line entering sub-triangle b at crossing i leaves by.  Of four, the
// entry is joined to the next one counter-clockwise when the two low stretches of boundary are
// joined inside (the straight way between their middles stays low), else to the one before.
int partnerOf(const SubBoundary& b, int i, int t, float level, float* work)
{
    if (b.n == 2) return 1 - i;
    const int nx = (i + 1) % 4, pv = (i + 3) % 4;
    auto middle = [&](int from, int to, float& x, float& y) {
        const double a = b.cr[from].tau, e = b.cr[to].tau > a ? b.cr[to].tau : b.cr[to].tau + 3.0;
        boundaryPoint(b, 0.5 * (a + e), x, y);
    };
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
    middle(pv, i, x1, y1);
    middle(nx, (i + 2) % 4, x2, y2);
    constexpr int kSamples = 8;
    for (int k = 0; k <= kSamples; ++k) {
        const double f = static_cast<double>(k) / kSamples;
        const float x = surfaceNarrow(x1 + f * (static_cast<double>(x2) - x1));
        const float y = surfaceNarrow(y1 + f * (static_cast<double>(y2) - y1));
        if (!lowAt(x, y, t, b.sub, level, work)) return pv;
    }
    return nx;
}

// The rungs of one passage through a sub-triangle (see surfaceTraceSubTriangles).
// The sub-triangle of the centroid split of tri that holds (x, y), 0 outside the triangle.
int subTriangleAt(const NetworkTriangle& tri, float x, float y)
{
    double l[3];
    const double d =
        (static_cast<double>(tri.y[1]) - tri.y[2]) * (static_cast<double>(tri.x[0]) - tri.x[2]) +
        (static_cast<double>(tri.x[2]) - tri.x[1]) * (static_cast<double>(tri.y[0]) - tri.y[2]);
    if (!(std::fabs(d) > 0.0)) return 0;
    l[0] = ((static_cast<double>(tri.y[1]) - tri.y[2]) * (x - static_cast<double>(tri.x[2])) +
            (static_cast<double>(tri.x[2]) - tri.x[1]) * (y - static_cast<double>(tri.y[2]))) /
        d;
    l[1] = ((static_cast<double>(tri.y[2]) - tri.y[0]) * (x - static_cast<double>(tri.x[2])) +
            (static_cast<double>(tri.x[0]) - tri.x[2]) * (y - static_cast<double>(tri.y[2]))) /
        d;
    l[2] = 1.0 - l[0] - l[1];
    if (!(l[0] >= 0.0 && l[1] >= 0.0 && l[2] >= 0.0)) return 0;
    // Sub-triangle k lies on edge k, across from vertex k + 2: its coordinate is the smallest.
    if (l[2] <= l[0] && l[2] <= l[1]) return 1;
    return l[0] <= l[1] ? 2 : 3;
}

// The smallest height of a triangle: twice its area over its longest side.
double smallestHeight(const NetworkTriangle& tri)
{
    double longest = 0.0;
    for (int k = 0; k < 3; ++k) {
        const int j = (k + 1) % 3;
        longest = std::max(longest,
                           std::hypot(static_cast<double>(tri.x[j]) - tri.x[k],
                                      static_cast<double>(tri.y[j]) - tri.y[k]));
    }
    const double area2 = std::fabs(
        (static_cast<double>(tri.x[1]) - tri.x[0]) * (static_cast<double>(tri.y[2]) - tri.y[0]) -
        (static_cast<double>(tri.x[2]) - tri.x[0]) * (static_cast<double>(tri.y[1]) - tri.y[0]));
    return longest > 0.0 ? area2 / longest : 0.0;
}

// The points of one passage, in order along it: the two crossings at its ends and at most
// 49 intermediate points between them.  Each point keeps the fraction of the passage its rung
// was taken at, so that a step between two points can be cut in half.
constexpr int kMaxParts = 50;
constexpr int kMaxIntermediate = kMaxParts - 1;

struct PassagePoints {
    double f[kMaxParts + 1];
    float x[kMaxParts + 1], y[kMaxParts + 1];
    bool settled[kMaxParts + 1];  // the step from this point on is not cut further
    int n = 0;

    void insert(int at, double fraction, float px, float py)
    {
        assert(n < kMaxParts + 1 && at >= 1 && at < n);
        for (int k = n; k > at; --k) {
            f[k] = f[k - 1];
            x[k] = x[k - 1];
            y[k] = y[k - 1];
            settled[k] = settled[k - 1];
        }
        f[at] = fraction;
        x[at] = px;
        y[at] = py;
        settled[at] = false;
        ++n;
    }
    double length(int k) const
    {
        return std::hypot(static_cast<double>(x[k + 1]) - x[k],
                          static_cast<double>(y[k + 1]) - y[k]);
    }
    // The line's turn at point k (radians, 0 at the ends).
    double bend(int k) const
    {
        if (k <= 0 || k >= n - 1) return 0.0;
        const double a =
            std::atan2(static_cast<double>(y[k]) - y[k - 1], static_cast<double>(x[k]) - x[k - 1]);
        const double b =
            std::atan2(static_cast<double>(y[k + 1]) - y[k], static_cast<double>(x[k + 1]) - x[k]);
        const double d = std::fabs(b - a);
        return std::isfinite(d) ? std::min(d, 2.0 * 3.141592653589793 - d) : 0.0;
    }
};

struct PassageRungs {
    const NetworkTriangle* tri;
    int t;
    const SubBoundary* b;
    const SubCrossing* p;
    const SubCrossing* q;
    bool sameSide;
    int opposite;
    BoundaryPath cut, rest;
    float level;
    float* work;
    int searchesLeft;  // crossing searches this passage may still make
    double unit;       // the contour step in normalised units

    // The level's crossing on the rung at fraction f; false when the rung's ends lie on one
    // side of the level.
    bool crossing(double f, float& x, float& y)
    {
        --searchesLeft;
        float ux = 0.0f, uy = 0.0f, wx = 0.0f, wy = 0.0f;
        if (sameSide) {
            ux = surfaceNarrow(p->x + f * (static_cast<double>(q->x) - p->x));
            uy = surfaceNarrow(p->y + f * (static_cast<double>(q->y) - p->y));
            wx = b->c[opposite].x;
            wy = b->c[opposite].y;
        } else {
            cut.pointAt(f, ux, uy);
            rest.pointAt(f, wx, wy);
        }
        const float h1 = surfaceNetworkSubHeight(ux, uy, t, b->sub, work);
        const float h2 = surfaceNetworkSubHeight(wx, wy, t, b->sub, work);
        const double eps = surfaceState.eps;
        const double product =
            (static_cast<double>(h1) - level) * (static_cast<double>(h2) - level);
        if (!(product <= kMinStepFactor * eps * eps)) return false;
        surfaceSegmentCrossing(t, b->sub, level, ux, uy, h1, wx, wy, h2, x, y, work);
        return true;
    }

    // Moves (x, y) to the level's crossing on the segment (x, y) -+ (nx, ny) when the segment's
    // ends lie on either side of the level and the crossing lies in the triangle; false when
    // there is none.
    bool levelAcross(float& x, float& y, double nx, double ny)
    {
        --searchesLeft;
        const float x1 = surfaceNarrow(x - nx), y1 = surfaceNarrow(y - ny);
        const float x2 = surfaceNarrow(x + nx), y2 = surfaceNarrow(y + ny);
        const int sub = subTriangleAt(*tri, x, y), sub1 = subTriangleAt(*tri, x1, y1),
                  sub2 = subTriangleAt(*tri, x2, y2);
        if (sub == 0 || sub1 == 0 || sub2 == 0) return false;
        const float h1 = surfaceNetworkSubHeight(x1, y1, t, sub1, work);
        const float h2 = surfaceNetworkSubHeight(x2, y2, t, sub2, work);
        if (!crosses(h1, h2, level)) return false;
        float xc = x, yc = y;
        surfaceSegmentCrossing(t, sub, level, x1, y1, h1, x2, y2, h2, xc, yc, work);
        if (subTriangleAt(*tri, xc, yc) == 0) return false;
        x = xc;
        y = yc;
        return true;
    }

    // The point that cuts step k in half: the level's crossing on the rung half-way; where the
    // rung gives none, the level's crossing across the middle of the straight way, up to three
    // contour steps either side; in a sliver (narrow beside the step, where the surface can
    // bulge through the sides between its corners) the middle of the straight way itself.
    bool halve(const PassagePoints& pts, int k, double& fm, float& xm, float& ym)
    {
        constexpr double kShorter = 0.9;
        const float xa = pts.x[k], ya = pts.y[k], xb = pts.x[k + 1], yb = pts.y[k + 1];
        fm = 0.5 * (pts.f[k] + pts.f[k + 1]);
        const double dist = pts.length(k);
        // A rung's crossing far from the straight way (the line runs along the rungs there)
        // does not shorten the step.
        if (crossing(fm, xm, ym) &&
            std::hypot(static_cast<double>(xm) - xa, static_cast<double>(ym) - ya) <
                kShorter * dist &&
            std::hypot(static_cast<double>(xm) - xb, static_cast<double>(ym) - yb) <
                kShorter * dist)
            return true;
        if (searchesLeft <= 0) return false;
        xm = surfaceNarrow(0.5 * (static_cast<double>(xa) + xb));
        ym = surfaceNarrow(0.5 * (static_cast<double>(ya) + yb));
        if (smallestHeight(*tri) < 0.25 * dist) return true;
        if (searchesLeft <= 0) return false;
        const double reach = std::min(0.25 * dist, 3.0 * unit) / dist;
        return levelAcross(xm, ym, -(static_cast<double>(yb) - ya) * reach,
                           (static_cast<double>(xb) - xa) * reach);
    }
};

// The step of the passage that most wants another point: the longest, weighted by how much
// the line turns at its ends, of those longer than `longer`; -1 when there is none.
int stepToHalve(const PassagePoints& pts, double longer)
{
    int best = -1;
    double bestScore = 0.0;
    for (int k = 0; k + 1 < pts.n; ++k) {
        if (pts.settled[k]) continue;
        const double len = pts.length(k);
        if (!(len > longer)) continue;
        const double score = len * (1.0 + pts.bend(k) + pts.bend(k + 1));
        if (score > bestScore) {
            bestScore = score;
            best = k;
        }
    }
    return best;
}

// The intermediate points of a passage through sub-triangle b from crossing i to crossing j:
// the level's crossings on the rungs between the stretch of boundary the line cuts off (from i
// to j the way dir, where no other crossing lies) and the rest of the boundary from i to j,
// taken at the same fractions of their lengths; for a passage that leaves by the side it
// came in, on the rays from the stretch between the two crossings to the opposite corner.  A
// rung whose ends lie on one side of the level has no crossing to give (the surface bulges
// through a spoke, as it can in a sliver along the hull); its point is taken on the straight
// way between the crossings on either side of it.
//
// A passage gets at most 49 intermediate points and makes at most 49 crossing searches,
// whatever the contour step.  The n - 1 rungs of the subdivision count come first (at most
// half of the 49 when the count is large); the points left then go, one at a time, half-way
// into the longest steps, first where the line bends, so that a smooth curve through the
// points cannot swing out of the triangle.
void surfaceTraceSubTriangles(const NetworkTriangle& tri, int t, const SubBoundary& b, int i, int j,
                              int dir, float level, float* work)
{
    const SubCrossing& p = b.cr[i];
    const SubCrossing& q = b.cr[j];
    int n = surfaceSubdivisionCount(p.x, p.y, q.x, q.y);
    PassageRungs r{&tri,
                   t,
                   &b,
                   &p,
                   &q,
                   std::floor(p.tau) == std::floor(q.tau),
                   (static_cast<int>(std::floor(p.tau)) + 2) % 3,
                   {},
                   {},
                   level,
                   work,
                   kMaxIntermediate,
                   0.0};
    // A passage that leaves by the side it came in (a dip across an edge) turns round: it gets
    // a few points however short it is.
    if (r.sameSide) n = std::max(n, 4);
    n = std::min(n, kMaxParts);
    surfaceState.networkContour.subdivisions = n;
    if (n <= 1) return;
    const MapTransform& m = surfaceState.map;
    r.unit = surfaceState.networkSettings.contourStep /
        std::hypot(static_cast<double>(m.mapWidth), static_cast<double>(m.mapHeight));
    addArc(b, p.tau, q.tau, dir, false, r.cut);
    if (b.n == 2) {
        addArc(b, p.tau, q.tau, -dir, false, r.rest);
    } else {
        const int ca = ((i - dir) % 4 + 4) % 4, cb = ((i - 2 * dir) % 4 + 4) % 4;
        addArc(b, p.tau, b.cr[ca].tau, -dir, false, r.rest);
        addArc(b, b.cr[cb].tau, q.tau, -dir, true, r.rest);
    }
    const int parts = n > kMaxParts / 2 ? kMaxParts / 2 : n;
    // Points 0 and parts are the two crossings.
    PassagePoints pts;
    bool found[kMaxParts + 1];
    pts.n = parts + 1;
    for (int k = 0; k <= parts; ++k) {
        pts.f[k] = static_cast<double>(k) / parts;
        pts.settled[k] = false;
        found[k] = k == 0 || k == parts || r.crossing(pts.f[k], pts.x[k], pts.y[k]);
    }
    pts.x[0] = p.x;
    pts.y[0] = p.y;
    pts.x[parts] = q.x;
    pts.y[parts] = q.y;
    int before = 0;
    for (int k = 1; k < parts; ++k) {
        if (found[k]) {
            before = k;
            continue;
        }
        int after = k + 1;
        while (!found[after]) ++after;
        const double g = static_cast<double>(k - before) / (after - before);
        pts.x[k] =
            surfaceNarrow(pts.x[before] + g * (static_cast<double>(pts.x[after]) - pts.x[before]));
        pts.y[k] =
            surfaceNarrow(pts.y[before] + g * (static_cast<double>(pts.y[after]) - pts.y[before]));
    }
    // Up to the count's n - 1 points the longest steps are cut; after that, and up to 49, the
    // steps longer than three contour steps.
    while (pts.n - 2 < kMaxIntermediate && r.searchesLeft > 0) {
        const int k = stepToHalve(pts, pts.n - 2 < n - 1 ? 0.0 : 3.0 * r.unit);
        if (k < 0) break;
        double fm = 0.0;
        float xm = 0.0f, ym = 0.0f;
        if (r.halve(pts, k, fm, xm, ym)) {
            pts.insert(k + 1, fm, xm, ym);
        } else {
            pts.settled[k] = true;
        }
    }
    assert(pts.n - 2 <= kMaxIntermediate);
    for (int k = 1; k + 1 < pts.n; ++k) surfaceAppendContourPoint(pts.x[k], pts.y[k], work);
}

// One step of the curved mode: the line enters t at the up crossing of edge `edge`, passes
// through the sub-triangles and leaves at a down crossing, whose edge is returned in edge.
// False when the entry is no untraced crossing of t or no way through is found.
bool surfaceContourSubdividedTriangles(float level, int t, int& start, int& edge, float* work)
{
    NetworkContourWorking& w = surfaceState.networkContour;
    NetworkPolylineBuffer& b = line();
    CurvedTriangle c;
    curvedTriangle(t, level, c, work);
    int bits = untracedBits(work, t, c);
    const EdgeCrossings& in = c.edge[edge - 1];
    int slot = -1;
    for (int i = 0; i < in.count; ++i) {
        if (in.up[i]) slot = i;
    }
    if (slot < 0 || (bits & crossingBit(c, edge, slot)) == 0) return false;
    const float ex = in.x[slot], ey = in.y[slot];
    if (start != 0) {
        if (b.count <= 0) {
            putFirst(ex, ey);
        } else {
            surfaceAppendContourPoint(ex, ey, work);
        }
        b.firstX = ex;
        b.firstY = ey;
        b.secondX = NAN;
        b.secondY = NAN;
    }
    if (b.count <= 0) return false;
    bits &= ~crossingBit(c, edge, slot);

    int s = edge, kind = slot, exitEdge = 0, exitSlot = 0;
    // Round the centroid a line passes each sub-triangle at most twice.
    for (int pass = 0; pass < 6 && exitEdge == 0; ++pass) {
        SubBoundary sb;
        subBoundary(c, t, s, level, sb, work);
        int i = -1;
        for (int m = 0; m < sb.n; ++m) {
            if (sb.cr[m].kind == kind) i = m;
        }
        if (i < 0 || sb.n % 2 != 0 || !sb.cr[i].up) break;
        const int j = partnerOf(sb, i, t, level, work);
        surfaceTraceSubTriangles(c.tri, t, sb, i, j, j == (i + 1) % sb.n ? 1 : -1, level, work);
        const SubCrossing& q = sb.cr[j];
        if (q.kind < kSpokeAtB) {
            exitEdge = s;
            exitSlot = q.kind;
            break;
        }
        surfaceAppendContourPoint(q.x, q.y, work);
        if (q.kind == kSpokeAtB) {
            s = next(s);
            kind = kSpokeAtA;
        } else {
            s = next(next(s));
            kind = kSpokeAtB;
        }
    }
    if (exitEdge != 0) bits &= ~crossingBit(c, exitEdge, exitSlot);
    storeBits(work, t, bits);
    if (exitEdge == 0) return false;
    const float xo = c.edge[exitEdge - 1].x[exitSlot], yo = c.edge[exitEdge - 1].y[exitSlot];
    surfaceAppendContourPoint(xo, yo, work);
    w.entryX = xo;
    w.entryY = yo;
    start = 0;
    edge = exitEdge;
    return true;
}

// The last untraced up crossing of t (on a boundary edge only, when asked): its edge, 0 when
// there is none, and its point in entryX, entryY.
int curvedStart(int t, float level, bool boundaryOnly, float* work)
{
    CurvedTriangle c;
    curvedTriangle(t, level, c, work);
    const int bits = untracedBits(work, t, c);
    int found = 0;
    for (int k = 1; k <= 3; ++k) {
        if (boundaryOnly && !boundaryEdge(work, t, k)) continue;
        const EdgeCrossings& e = c.edge[k - 1];
        for (int i = 0; i < e.count; ++i) {
            if (!e.up[i] || (bits & crossingBit(c, k, i)) == 0) continue;
            found = k;
            surfaceState.networkContour.entryX = e.x[i];
            surfaceState.networkContour.entryY = e.y[i];
        }
    }
    return found;
}

// ---- The phases of a level ------------------------------------------------------------------

// The triangles a level's walks have passed, whose marks are cleared with the level's own.
using Trail = std::vector<int>;

// Walks one line from edge k of triangle t until it leaves the contoured part or, for a
// closed line, comes back to t through the same edge.  Returns true when it closed.  The
// triangles passed are added to the trail.
bool walkLine(float level, int t, int k, bool closing, int& budget, Trail& trail, float* work)
{
    const int T = surfaceState.network.triangleCount;
    const int startTriangle = t, startEdgeNumber = k;
    int start = 1;
    int tri = t, edge = k;
    while (budget-- > 0) {
        trail.push_back(tri);
        if (!surfaceTraceNetworkContour(level, tri, start, edge, work)) return false;
        if (surfaceRawNeighbour(work, tri, edge) < 1) return false;
        const int nb = networkNeighbour(work, tri, edge);
        if (nb < 1 || nb > T) return false;
        const int entry = edgeTowards(work, nb, tri);
        if (entry == 0) return false;
        // Each edge has one up crossing at most: back through the start edge is back at the start.
        if (closing && nb == startTriangle && entry == startEdgeNumber) return true;
        if (closing && nb == startTriangle && !curved()) return false;
        // A triangle with crossings left (the curved mode) is entered again; a finished one
        // ends the line.
        if (!(mark(work, nb) > kFinished) || excluded(work, nb)) return false;
        tri = nb;
        edge = entry;
    }
    return false;
}

// The triangles the level meets beside the hull or an excluded triangle start as candidates;
// a triangle the level does not meet holds no start.
void markStartCandidates(const NetworkLevelIndex& index, const std::vector<int>& met, float* work)
{
    for (const int t : met) {
        if (index.startCandidate(t)) setMark(work, t, kCandidate);
    }
}

// The earliest of the met triangles (a position in met) that a walk over the trail from
// position `from` on may have given a new start: the start triangle's own position, or that of
// an earlier triangle the walk passed.  Those before it gave no start and were not touched.
size_t resumeAt(const std::vector<int>& met, size_t at, const Trail& trail, size_t from)
{
    int lowest = met[at];
    for (size_t i = from; i < trail.size(); ++i) lowest = std::min(lowest, trail[i]);
    return static_cast<size_t>(std::lower_bound(met.begin(), met.end(), lowest) - met.begin());
}

// Open lines in order of their start triangles.  After a line, the scan goes on from where a
// new start may have arisen, which finds the same next start as a scan from the first.
void openLines(float level, const std::vector<int>& met, int& budget, Trail& trail, float* work)
{
    surfaceState.networkContour.openPiece = -1;
    size_t from = 0;
    bool traced = true;
    while (traced && budget > 0) {
        traced = false;
        for (size_t at = from; at < met.size() && budget > 0; ++at) {
            const int t = met[at];
            const bool candidate = mark(work, t) == kCandidate;
            // In the curved mode a triangle on the boundary that a line has passed can still
            // hold the start of another.
            if (!candidate && !(curved() && markedBits(work, t) >= 0 && onBoundary(work, t)))
                continue;
            int start = 0;
            if (candidate) {
                setMark(work, t, kNotVisited);
                const NetworkTriangle tri = surfaceNetworkTriangle(work, t);
                for (int k = 1; k <= 3; ++k) {
                    if (!boundaryEdge(work, t, k)) continue;
                    if (!curved() && startEdge(tri, k, level)) {
                        start = k;
                    } else if (crossedElsewhere(tri, k, level) && mark(work, t) > kRegionBound) {
                        setMark(work, t, kCandidate);
                    }
                }
            }
            if (curved()) start = curvedStart(t, level, true, work);
            if (start == 0) continue;
            const size_t walked = trail.size();
            walkLine(level, t, start, false, budget, trail, work);
            drawOpenPiece(work);
            from = resumeAt(met, at, trail, walked);
            traced = true;
            break;
        }
    }
}

void closedLines(float level, const std::vector<int>& met, int& budget, Trail& trail, float* work)
{
    surfaceState.networkContour.openPiece = 0;
    for (size_t at = 0; at < met.size() && budget > 0; ++at) {
        const int t = met[at];
        const float m = mark(work, t);
        if (m < kNotVisited || excluded(work, t)) continue;
        int start = 0;
        if (curved()) {
            // Every crossing left is a start: a line through dips that no vertex shows, or one
            // that the walks so far have passed by.
            start = curvedStart(t, level, false, work);
            if (start == 0) setMark(work, t, kFinished);
        } else {
            setMark(work, t, kFinished);
            const NetworkTriangle tri = surfaceNetworkTriangle(work, t);
            for (int k = 1; k <= 3; ++k) {
                if (startEdge(tri, k, level)) start = k;
            }
        }
        if (start == 0) continue;
        line().continuedFromBefore = 0;
        line().continuesAfter = 0;
        line().holdFirstPiece = -1;
        line().heldCount = 0;
        if (walkLine(level, t, start, true, budget, trail, work)) {
            drawClosedLine(work);
        } else {
            drawOpenPiece(work);
        }
        line().holdFirstPiece = 0;
        // The same triangle may hold the start of another line.
        if (curved()) --at;
    }
}

}  // namespace

namespace surflib {

// ---- Shared helpers -----------------------------------------------------------------------------

int surfaceRawNeighbour(const float* work, int t, int k)
{
    assert(k >= 1 && k <= 3);
    return networkIndex(networkTriangleField(work, t, kTriNeighbour1 + k - 1));
}

float surfaceNetworkSubHeight(float x, float y, int t, int sub, float* work)
{
    return surfaceNetworkHeight(x, y, t, sub, work);
}

// ---- Appending --------------------------------------------------------------------------------

void surfaceAppendContourPoint(float x, float y, float* work)
{
    NetworkPolylineBuffer& b = line();
    flushIfFull(work);
    if (b.count <= 0) {
        b.appended = -1;
        return;
    }
    const float step = kMinStepFactor * surfaceState.eps;
    if (!(std::fabs(x - b.x[b.count - 1]) > step || std::fabs(y - b.y[b.count - 1]) > step)) {
        b.appended = -1;
        return;
    }
    b.x[b.count] = x;
    b.y[b.count] = y;
    ++b.count;
    b.appended = 0;
    if (b.count == 2 && std::isnan(b.secondX)) {
        b.secondX = x;
        b.secondY = y;
    }
    flushIfFull(work);
}

// ---- Subdivision count --------------------------------------------------------------------------

int surfaceSubdivisionCount(float x1, float y1, float x2, float y2)
{
    const SurfaceLibraryState& s = surfaceState;
    const double dist = std::hypot(static_cast<double>(x1) - x2, static_cast<double>(y1) - y2);
    const double diagonal =
        std::hypot(static_cast<double>(s.map.mapWidth), static_cast<double>(s.map.mapHeight));
    const double unit = static_cast<double>(s.networkSettings.contourStep) / diagonal;
    const double parts = dist / unit;
    // No measure (a map without size, a step of 0, points that are no numbers) or a long way:
    // the cap; the division is never turned into an integer unless it is small.
    if (!(parts >= 0.0)) return dist == 0.0 ? 1 : 50;
    if (!(parts < 49.0)) return 50;
    return static_cast<int>(parts) + 1;
}

// ---- Segment intersection -----------------------------------------------------------------------

void surfaceIntersectSegments(float p1x, float p1y, float p2x, float p2y, float q1x, float q1y,
                              float q2x, float q2y, int& flag, float& x, float& y)
{
    const double eps = surfaceState.eps;
    flag = 0;
    double m = std::max(std::fabs(static_cast<double>(p2x) - q2x),
                        std::fabs(static_cast<double>(p2y) - q2y));
    const double ax = static_cast<double>(p2x) - p1x, ay = static_cast<double>(p2y) - p1y;
    const double bx = static_cast<double>(q2x) - q1x, by = static_cast<double>(q2y) - q1y;
    const double cross = ax * by - ay * bx;
    // Segments that end at one point give no distance to scale by: their own extents do.
    if (m == 0.0) m = std::max({std::fabs(ax), std::fabs(ay), std::fabs(bx), std::fabs(by)});
    if (!(m > 0.0) || !(std::fabs(cross) / m / m >= 100.0 * eps)) return;
    const double cx = static_cast<double>(q1x) - p1x, cy = static_cast<double>(q1y) - p1y;
    const double s = (cx * by - cy * bx) / cross;  // along P1-P2
    const double u = (cx * ay - cy * ax) / cross;  // along Q1-Q2
    if (!(s >= -eps && s <= 1.0 + eps && u >= -eps && u <= 1.0 + eps)) return;
    flag = -1;
    x = surfaceNarrow(q1x + u * bx);
    y = surfaceNarrow(q1y + u * by);
}

// ---- One step -----------------------------------------------------------------------------------

namespace {

// The way of a line through the centroid split of a triangle in the straight mode: the spoke
// crossings and the exit crossing, and the exit edge.
struct TriangleWay {
    float points[3][2];  // spoke crossings, then the exit
    int spokes = 0;
    int exitEdge = 0;
};

// Straight mode: the line has entered on edge A-B (edge `edge` of t) and lies in sub-triangle
// A-B-G; a spoke whose ends lie on either side of the level is crossed; the exit edge follows.
void surfaceTriangleCrossings(const NetworkTriangle& tri, int t, int edge, float level,
                              TriangleWay& way, float* work)
{
    const NetworkContourWorking& w = surfaceState.networkContour;
    const int j = edge, jb = next(j), jc = next(jb);
    const Corner A{tri.x[j - 1], tri.y[j - 1], tri.z[j - 1]};
    const Corner B{tri.x[jb - 1], tri.y[jb - 1], tri.z[jb - 1]};
    const Corner C{tri.x[jc - 1], tri.y[jc - 1], tri.z[jc - 1]};
    const Corner G{tri.gx, tri.gy, surfaceNetworkSubHeight(tri.gx, tri.gy, t, j, work)};
    int& n = way.spokes;
    n = 0;
    auto spoke = [&](int sub, const Corner& from, const Corner& to) {
        surfaceSegmentCrossing(t, sub, level, from.x, from.y, from.z, to.x, to.y, to.z,
                               way.points[n][0], way.points[n][1], work);
    };
    if (crosses(G.z, B.z, level)) {
        spoke(j, G, B);
        ++n;
        if (!crosses(G.z, C.z, level)) {
            way.exitEdge = jb;
        } else {
            spoke(jb, G, C);
            ++n;
            way.exitEdge = jc;
        }
    } else {
        spoke(j, A, G);
        ++n;
        if (!crosses(G.z, C.z, level)) {
            way.exitEdge = jc;
        } else {
            spoke(jc, G, C);
            ++n;
            way.exitEdge = jb;
        }
    }
    int roots = 0;
    float x2 = 0.0f, y2 = 0.0f;
    surfaceEdgeCubicCrossings(t, way.exitEdge, level, w.previousX, w.previousY, roots,
                              way.points[n][0], way.points[n][1], x2, y2, work);
}

}  // namespace

bool surfaceTraceNetworkContour(float level, int t, int& start, int& edge, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    NetworkPolylineBuffer& b = line();
    NetworkContourWorking& w = s.networkContour;
    if (edge < 1 || edge > 3) return false;
    if (surfaceFlagOn(w.curvedContours))
        return surfaceContourSubdividedTriangles(level, t, start, edge, work);
    const NetworkTriangle tri = surfaceNetworkTriangle(work, t);

    if (start != 0) {
        w.previousX = b.count > 0 ? b.x[b.count - 1] : 0.0f;
        w.previousY = b.count > 0 ? b.y[b.count - 1] : 0.0f;
        int roots = 0;
        float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
        surfaceEdgeCubicCrossings(t, edge, level, w.previousX, w.previousY, roots, x1, y1, x2, y2,
                                  work);
        if (b.count <= 0) {
            putFirst(x1, y1);
        } else {
            surfaceAppendContourPoint(x1, y1, work);
        }
        b.firstX = x1;
        b.firstY = y1;
        // The point that will follow the start, where a closed line's end must lead into,
        // is taken when it is appended.
        b.secondX = NAN;
        b.secondY = NAN;
    }
    if (b.count <= 0) return false;

    TriangleWay way;
    surfaceTriangleCrossings(tri, t, edge, level, way, work);
    for (int p = 0; p < way.spokes; ++p) {
        surfaceAppendContourPoint(way.points[p][0], way.points[p][1], work);
    }
    if (mark(work, t) < 2.0f && mark(work, t) > kRegionBound) setMark(work, t, kFinished);
    surfaceAppendContourPoint(way.points[way.spokes][0], way.points[way.spokes][1], work);
    start = 0;
    edge = way.exitEdge;
    return true;
}

// ---- Per level ------------------------------------------------------------------------------------

void surfaceContourNetworkLevels(float level, int wsize, float* work, NetworkLevelIndex* index)
{
    (void)wsize;
    SurfaceLibraryState& s = surfaceState;
    const int T = s.network.triangleCount;
    NetworkPolylineBuffer& b = line();
    b.count = 0;
    b.continuedFromBefore = 0;
    b.continuesAfter = 0;
    b.appended = -1;
    b.holdFirstPiece = 0;
    b.heldCount = 0;
    if (work == nullptr || T < 1 || !std::isfinite(level)) return;

    // The level's label: its number format is chosen once, the text formatted without drawing.
    NetworkContourWorking& w = s.networkContour;
    w.level = level;
    w.labelValue = surfaceNarrow(static_cast<double>(level) * s.network.zrange + s.network.zmin);
    surfaceChooseNetworkLabel(w.labelValue);

    ContourSettings& c = s.contour;
    const bool onSurface = surfaceFlagOn(s.surface.contourOnSurface);
    const int labelsOn = c.labelsOn, labelSkip = c.labelSkip;
    if (onSurface) {
        c.labelsOn = 0;
        c.labelSkip = 0;
    }

    // Working marks start from 0, cleared over the whole network once a map; each level then
    // clears what it marked.  Triangles with heights that are no number are never met.
    std::optional<NetworkLevelIndex> own;
    if (index == nullptr) index = &own.emplace(work);
    if (!index->marksCleared) {
        for (int t = 1; t <= T; ++t) {
            if (mark(work, t) > kRegionBound) setMark(work, t, kNotVisited);
        }
        index->marksCleared = true;
    }
    const std::vector<int>& met = index->meeting(level);
    Trail trail;
    markStartCandidates(*index, met, work);
    // Every step finishes a triangle, or in the curved mode traces two of its six crossings at
    // least, so a level never takes more steps than that; the budget makes that hold whatever
    // the tables hold.
    int budget = surfaceFlagOn(w.curvedContours) ? 3 * T + 1 : T + 1;
    openLines(level, met, budget, trail, work);
    closedLines(level, met, budget, trail, work);

    const auto clear = [work](const std::vector<int>& marked) {
        for (const int t : marked) {
            if (mark(work, t) >= kFinished) setMark(work, t, kNotVisited);
        }
    };
    clear(met);
    clear(trail);
    b.count = 0;
    b.continuedFromBefore = 0;
    b.continuesAfter = 0;
    w.openPiece = 0;
    if (onSurface) {
        c.labelsOn = labelsOn;
        c.labelSkip = labelSkip;
    }
}

}  // namespace surflib
