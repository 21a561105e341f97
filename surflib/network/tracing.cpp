// tracing.cpp - follows one contour level through the triangles of a network: the start
// candidates on the hull and beside excluded regions, the open and closed lines, one step
// through a triangle (centroid split, spoke crossings, intermediate points in the subdivided
// mode), and the line buffer with its 195-point flush.
//
// A triangle crossed by a level has exactly two crossed edges when each vertex (and the
// centroid) counts as high (height >= level) or low: in counter-clockwise order one of them
// runs from low to high (the line's entry for the walk) and the other from high to low.  So
// a walk that enters through one crossed edge always leaves through the other, every line is
// walked in one direction, and each triangle is passed once per level: its mark turns -1
// (finished) at the first pass and stops every later walk.  That bounds the work of a level
// by the triangle count whatever the heights hold.  Where a curved surface dips through the
// level between two vertices on one side of it, the edge has two crossings of its own; the
// walk, led by the vertices, does not follow them, and the subdivided mode draws the small
// loop they make across an edge whose two triangles lie on one side of the level otherwise.
#include "network/tracing.h"

#include <algorithm>
#include <cmath>

#include "frame/numeric.h"
#include "frame/state.h"
#include "network/interpolation.h"
#include "network/network.h"

namespace {

constexpr float kNotVisited = 0.0f;
constexpr float kCandidate = 1.0f;
constexpr float kFinished = -1.0f;
constexpr float kRegionBound = -2.0f;   // marks at or below belong to regions and stay
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
    if (b.heldCount > 0 && b.count >= 2) drawHeldPiece(true, b.x[b.count - 2], b.y[b.count - 2], work);
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

// ---- One passage through a sub-triangle -------------------------------------------------------

struct Corner {
    float x, y, z;
};

// Parameter of p along the side from v to o, within [0, 1].
float sideFraction(const Corner& v, const Corner& o, float px, float py)
{
    const double dx = static_cast<double>(o.x) - v.x, dy = static_cast<double>(o.y) - v.y;
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0.0)) return 0.0f;
    const double f = ((px - static_cast<double>(v.x)) * dx + (py - static_cast<double>(v.y)) * dy) / len2;
    return surfaceNarrow(std::clamp(f, 0.0, 1.0));
}

// The intermediate points of a passage through sub-triangle sub of t, from (px, py) on the
// side v-o1 to (qx, qy) on the side v-o2: crossings on the transversals that join the two
// sides at the fractions between those of the two points.
void surfaceTraceSubTriangles(int t, int sub, const Corner& v, const Corner& o1, const Corner& o2,
                              float px, float py, float qx, float qy, float level, float* work)
{
    const int n = surfaceSubdivisionCount(px, py, qx, qy);
    surfaceState.networkContour.subdivisions = n;
    if (n <= 1) return;
    const float f1 = sideFraction(v, o1, px, py), f2 = sideFraction(v, o2, qx, qy);
    const double eps = surfaceState.eps;
    for (int k = 1; k < n; ++k) {
        const float s = f1 + (f2 - f1) * static_cast<float>(k) / static_cast<float>(n);
        const float ux = v.x + s * (o1.x - v.x), uy = v.y + s * (o1.y - v.y);
        const float wx = v.x + s * (o2.x - v.x), wy = v.y + s * (o2.y - v.y);
        const float h1 = surfaceNetworkSubHeight(ux, uy, t, sub, work);
        const float h2 = surfaceNetworkSubHeight(wx, wy, t, sub, work);
        const double product = (static_cast<double>(h1) - level) * (static_cast<double>(h2) - level);
        if (!(product <= kMinStepFactor * eps * eps)) return;
        float xc = 0.0f, yc = 0.0f;
        surfaceSegmentCrossing(t, sub, level, ux, uy, h1, wx, wy, h2, xc, yc, work);
        surfaceAppendContourPoint(xc, yc, work);
    }
}

// ---- The phases of a level ------------------------------------------------------------------

// Walks one line from edge k of triangle t until it leaves the contoured part or, for a
// closed line, comes back to t through the same edge.  Returns true when it closed.
bool walkLine(float level, int t, int k, bool closing, int& budget, float* work)
{
    const int T = surfaceState.network.triangleCount;
    const int startTriangle = t, startEdgeNumber = k;
    int start = 1;
    int tri = t, edge = k;
    while (budget-- > 0) {
        if (!surfaceTraceNetworkContour(level, tri, start, edge, work)) return false;
        if (surfaceRawNeighbour(work, tri, edge) < 1) return false;
        const int nb = networkNeighbour(work, tri, edge);
        if (nb < 1 || nb > T) return false;
        const int entry = edgeTowards(work, nb, tri);
        if (entry == 0) return false;
        if (closing && nb == startTriangle) return entry == startEdgeNumber;
        if (!(mark(work, nb) > kFinished) || excluded(work, nb)) return false;
        tri = nb;
        edge = entry;
    }
    return false;
}

void markStartCandidates(float level, float* work)
{
    (void)level;
    const int T = surfaceState.network.triangleCount;
    for (int t = 1; t <= T; ++t) {
        if (excluded(work, t)) {
            for (int k = 1; k <= 3; ++k) {
                const int nb = networkNeighbour(work, t, k);
                if (nb >= 1 && nb <= T && mark(work, nb) == kNotVisited && !excluded(work, nb)) {
                    setMark(work, nb, kCandidate);
                }
            }
        } else {
            for (int k = 1; k <= 3; ++k) {
                if (networkNeighbour(work, t, k) == 0) setMark(work, t, kCandidate);
            }
        }
    }
}

void openLines(float level, int& budget, float* work)
{
    const int T = surfaceState.network.triangleCount;
    surfaceState.networkContour.openPiece = -1;
    bool traced = true;
    while (traced && budget > 0) {
        traced = false;
        for (int t = 1; t <= T && budget > 0; ++t) {
            if (mark(work, t) != kCandidate) continue;
            setMark(work, t, kNotVisited);
            const NetworkTriangle tri = surfaceNetworkTriangle(work, t);
            int start = 0;
            for (int k = 1; k <= 3; ++k) {
                if (!boundaryEdge(work, t, k)) continue;
                if (startEdge(tri, k, level)) {
                    start = k;
                } else if (crossedElsewhere(tri, k, level) && mark(work, t) > kRegionBound) {
                    setMark(work, t, kCandidate);
                }
            }
            if (start == 0) continue;
            walkLine(level, t, start, false, budget, work);
            drawOpenPiece(work);
            traced = true;
            break;
        }
    }
}

void closedLines(float level, int& budget, float* work)
{
    const int T = surfaceState.network.triangleCount;
    surfaceState.networkContour.openPiece = 0;
    for (int t = 1; t <= T && budget > 0; ++t) {
        const float m = mark(work, t);
        if (m < kNotVisited || excluded(work, t)) continue;
        setMark(work, t, kFinished);
        const NetworkTriangle tri = surfaceNetworkTriangle(work, t);
        int start = 0;
        for (int k = 1; k <= 3; ++k) {
            if (startEdge(tri, k, level)) start = k;
        }
        if (start == 0) continue;
        line().continuedFromBefore = 0;
        line().continuesAfter = 0;
        line().holdFirstPiece = -1;
        line().heldCount = 0;
        if (walkLine(level, t, start, true, budget, work)) {
            drawClosedLine(work);
        } else {
            drawOpenPiece(work);
        }
        line().holdFirstPiece = 0;
    }
}

// Every vertex and the centroid of t lie on one side of the level (side: high or not).
bool wholeOnOneSide(const NetworkTriangle& tri, int t, float level, bool side, float* work)
{
    for (int k = 0; k < 3; ++k) {
        if (high(tri.z[k], level) != side) return false;
    }
    return high(surfaceNetworkSubHeight(tri.gx, tri.gy, t, 1, work), level) == side;
}

// The crossings of the level on the segments from points of edge k of t between the
// parameters s1 and s2 (exclusive) to the centroid, appended in order of the parameter.
void edgeLoopSide(const NetworkTriangle& tri, int t, int k, double s1, double s2, int parts,
                  float level, float* work)
{
    const int ip = k - 1, iq = k % 3;
    const float gz = surfaceNetworkSubHeight(tri.gx, tri.gy, t, k, work);
    for (int i = 1; i < parts; ++i) {
        const double s = s1 + (s2 - s1) * i / parts;
        const float ex = surfaceNarrow(tri.x[ip] + s * (static_cast<double>(tri.x[iq]) - tri.x[ip]));
        const float ey = surfaceNarrow(tri.y[ip] + s * (static_cast<double>(tri.y[iq]) - tri.y[ip]));
        const float ez = surfaceNetworkSubHeight(ex, ey, t, k, work);
        if (!crosses(ez, gz, level)) continue;
        float xc = 0.0f, yc = 0.0f;
        surfaceSegmentCrossing(t, k, level, ex, ey, ez, tri.gx, tri.gy, gz, xc, yc, work);
        surfaceAppendContourPoint(xc, yc, work);
    }
}

// Parameter of (x, y) along edge k of the triangle.
double edgeParameter(const NetworkTriangle& tri, int k, float x, float y)
{
    const int ip = k - 1, iq = k % 3;
    const double dx = static_cast<double>(tri.x[iq]) - tri.x[ip], dy = static_cast<double>(tri.y[iq]) - tri.y[ip];
    const double len2 = dx * dx + dy * dy;
    return len2 > 0.0 ? ((x - static_cast<double>(tri.x[ip])) * dx + (y - static_cast<double>(tri.y[ip])) * dy) / len2 : 0.0;
}

// Subdivided mode: where the curved surface dips through the level along an edge whose ends
// and both triangles lie on one side of it, the level makes a small loop across the edge
// (an open piece on a hull edge).  Its points are the edge's two crossings and, between them,
// the crossings on the segments from the edge to each triangle's centroid.
void edgeLoops(float level, float* work)
{
    const int T = surfaceState.network.triangleCount;
    for (int t = 1; t <= T; ++t) {
        if (excluded(work, t)) continue;
        const NetworkTriangle tri = surfaceNetworkTriangle(work, t);
        for (int k = 1; k <= 3; ++k) {
            const int nb = networkNeighbour(work, t, k);
            if (nb != 0 && (nb < t || nb > T || excluded(work, nb))) continue;
            const bool side = high(tri.z[k - 1], level);
            if (high(tri.z[k % 3], level) != side || !wholeOnOneSide(tri, t, level, side, work)) continue;
            NetworkTriangle other{};
            int j = 0;
            if (nb != 0) {
                other = surfaceNetworkTriangle(work, nb);
                j = edgeTowards(work, nb, t);
                if (j == 0 || !wholeOnOneSide(other, nb, level, side, work)) continue;
            }
            int roots = 0;
            float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
            surfaceEdgeCubicCrossings(t, k, level, tri.x[k - 1], tri.y[k - 1], roots, x1, y1, x2, y2, work);
            if (roots < 2) continue;
            NetworkPolylineBuffer& b = line();
            const int parts = std::max(4, surfaceSubdivisionCount(x1, y1, x2, y2));
            putFirst(x1, y1);
            b.firstX = x1;
            b.firstY = y1;
            b.secondX = NAN;
            b.secondY = NAN;
            edgeLoopSide(tri, t, k, edgeParameter(tri, k, x1, y1), edgeParameter(tri, k, x2, y2), parts, level, work);
            surfaceAppendContourPoint(x2, y2, work);
            if (nb == 0) {
                drawOpenPiece(work);
                continue;
            }
            edgeLoopSide(other, nb, j, edgeParameter(other, j, x2, y2), edgeParameter(other, j, x1, y1), parts,
                         level, work);
            drawClosedLine(work);
        }
    }
}

}  // namespace

// ---- Shared helpers -----------------------------------------------------------------------------

int surfaceRawNeighbour(const float* work, int t, int k)
{
    return networkIndex(networkTriangleField(work, t, kTriNeighbour1 + k - 1));
}

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

float surfaceNetworkSubHeight(float x, float y, int t, int sub, float* work)
{
    return surfaceNetworkHeight(x, y, t, sub, work);
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
    const double f = std::isfinite(d) && d != 0.0 ? std::clamp((level - static_cast<double>(h1)) / d, 0.0, 1.0) : 0.5;
    xc = surfaceNarrow(x1 + f * (static_cast<double>(x2) - x1));
    yc = surfaceNarrow(y1 + f * (static_cast<double>(y2) - y1));
}

// ---- Appending --------------------------------------------------------------------------------

void surfaceAppendContourPoint(const float& x, const float& y, float* work)
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

int surfaceSubdivisionCount(const float& x1, const float& y1, const float& x2, const float& y2)
{
    const SurfaceLibraryState& s = surfaceState;
    const double dist = std::hypot(static_cast<double>(x1) - x2, static_cast<double>(y1) - y2);
    const double diagonal = std::hypot(static_cast<double>(s.map.mapWidth), static_cast<double>(s.map.mapHeight));
    const double unit = static_cast<double>(s.networkSettings.contourStep) / diagonal;
    const double parts = dist / unit;
    // No measure (a map without size, a step of 0, points that are no numbers) or a long way:
    // the cap; the division is never turned into an integer unless it is small.
    if (!(parts >= 0.0)) return dist == 0.0 ? 1 : 50;
    if (!(parts < 49.0)) return 50;
    return static_cast<int>(parts) + 1;
}

// ---- Segment intersection -----------------------------------------------------------------------

void surfaceIntersectSegments(const float& p1x, const float& p1y, const float& p2x,
                              const float& p2y, const float& q1x, const float& q1y,
                              const float& q2x, const float& q2y, int& flag, float& x, float& y)
{
    const double eps = surfaceState.eps;
    flag = 0;
    double m = std::max(std::fabs(static_cast<double>(p2x) - q2x), std::fabs(static_cast<double>(p2y) - q2y));
    const double ax = static_cast<double>(p2x) - p1x, ay = static_cast<double>(p2y) - p1y;
    const double bx = static_cast<double>(q2x) - q1x, by = static_cast<double>(q2y) - q1y;
    const double cross = ax * by - ay * bx;
    // Segments that end at one point give no distance to scale by: their own extents do.
    if (m == 0.0) m = std::max({std::fabs(ax), std::fabs(ay), std::fabs(bx), std::fabs(by)});
    if (!(m > 0.0) || !(std::fabs(cross) / m / m >= 100.0 * eps)) return;
    const double cx = static_cast<double>(q1x) - p1x, cy = static_cast<double>(q1y) - p1y;
    const double s = (cx * by - cy * bx) / cross;   // along P1-P2
    const double u = (cx * ay - cy * ax) / cross;   // along Q1-Q2
    if (!(s >= -eps && s <= 1.0 + eps && u >= -eps && u <= 1.0 + eps)) return;
    flag = -1;
    x = surfaceNarrow(q1x + u * bx);
    y = surfaceNarrow(q1y + u * by);
}

// ---- One step -----------------------------------------------------------------------------------

namespace {

// The way of a line through the centroid split of a triangle: the passages through the
// sub-triangles (the shared corner of the two sides each passage joins and their far corners),
// the spoke crossings and the exit crossing, and the exit edge.
struct TriangleWay {
    struct Passage {
        int sub;
        Corner v, o1, o2;
    };
    Passage passages[3];
    float points[3][2];   // spoke crossings, then the exit
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
        way.passages[n] = {j, B, A, G};
        spoke(j, G, B);
        ++n;
        if (!crosses(G.z, C.z, level)) {
            way.passages[n] = {jb, B, G, C};
            way.exitEdge = jb;
        } else {
            way.passages[n] = {jb, G, B, C};
            spoke(jb, G, C);
            ++n;
            way.passages[n] = {jc, C, G, A};
            way.exitEdge = jc;
        }
    } else {
        way.passages[n] = {j, A, B, G};
        spoke(j, A, G);
        ++n;
        if (!crosses(G.z, C.z, level)) {
            way.passages[n] = {jc, A, G, C};
            way.exitEdge = jc;
        } else {
            way.passages[n] = {jc, G, A, C};
            spoke(jc, G, C);
            ++n;
            way.passages[n] = {jb, C, G, B};
            way.exitEdge = jb;
        }
    }
    int roots = 0;
    float x2 = 0.0f, y2 = 0.0f;
    surfaceEdgeCubicCrossings(t, way.exitEdge, level, w.previousX, w.previousY, roots,
                              way.points[n][0], way.points[n][1], x2, y2, work);
}

// Subdivided mode: the same way, with the intermediate points of every passage.
void surfaceContourSubdividedTriangles(const NetworkTriangle& tri, int t, int edge, float level,
                                       TriangleWay& way, float* work)
{
    surfaceTriangleCrossings(tri, t, edge, level, way, work);
    const NetworkPolylineBuffer& b = line();
    float fromX = b.x[b.count - 1], fromY = b.y[b.count - 1];
    for (int p = 0; p <= way.spokes; ++p) {
        const float toX = way.points[p][0], toY = way.points[p][1];
        const TriangleWay::Passage& q = way.passages[p];
        surfaceTraceSubTriangles(t, q.sub, q.v, q.o1, q.o2, fromX, fromY, toX, toY, level, work);
        if (p < way.spokes) surfaceAppendContourPoint(toX, toY, work);
        fromX = toX;
        fromY = toY;
    }
}

}  // namespace

bool surfaceTraceNetworkContour(const float& level, const int& t, int& start, int& edge,
                                float* work)
{
    SurfaceLibraryState& s = surfaceState;
    NetworkPolylineBuffer& b = line();
    NetworkContourWorking& w = s.networkContour;
    if (edge < 1 || edge > 3) return false;
    const NetworkTriangle tri = surfaceNetworkTriangle(work, t);

    if (start != 0) {
        w.previousX = b.count > 0 ? b.x[b.count - 1] : 0.0f;
        w.previousY = b.count > 0 ? b.y[b.count - 1] : 0.0f;
        int roots = 0;
        float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
        surfaceEdgeCubicCrossings(t, edge, level, w.previousX, w.previousY, roots, x1, y1, x2, y2, work);
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
    if (surfaceFlagOn(w.curvedContours)) {
        surfaceContourSubdividedTriangles(tri, t, edge, level, way, work);
    } else {
        surfaceTriangleCrossings(tri, t, edge, level, way, work);
        for (int p = 0; p < way.spokes; ++p) {
            surfaceAppendContourPoint(way.points[p][0], way.points[p][1], work);
        }
    }
    if (mark(work, t) < 2.0f && mark(work, t) > kRegionBound) setMark(work, t, kFinished);
    surfaceAppendContourPoint(way.points[way.spokes][0], way.points[way.spokes][1], work);
    start = 0;
    edge = way.exitEdge;
    return true;
}

// ---- Per level ------------------------------------------------------------------------------------

void surfaceContourNetworkLevels(const float& level, const int& wsize, float* work)
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

    // Working marks start from 0; triangles with heights that are no number are passed over.
    for (int t = 1; t <= T; ++t) {
        if (mark(work, t) > kRegionBound) setMark(work, t, heightsFinite(work, t) ? kNotVisited : kFinished);
    }
    markStartCandidates(level, work);
    // Every step finishes a triangle, so a level never takes more steps than there are
    // triangles; the budget makes that hold whatever the tables hold.
    int budget = T + 1;
    openLines(level, budget, work);
    closedLines(level, budget, work);
    if (surfaceFlagOn(w.curvedContours)) edgeLoops(level, work);

    for (int t = 1; t <= T; ++t) {
        if (mark(work, t) >= kFinished) setMark(work, t, kNotVisited);
    }
    b.count = 0;
    b.continuedFromBefore = 0;
    b.continuesAfter = 0;
    w.openPiece = 0;
    if (onSurface) {
        c.labelsOn = labelsOn;
        c.labelSkip = labelSkip;
    }
}
