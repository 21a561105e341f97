// network_fixture.h - networks built from known point sets, read back from the network array:
// triangles as point coordinates, the structural checks every valid network passes
// (counter-clockwise triangles, neighbours that agree both ways, a closed hull list along the
// edges that have no neighbour), the Delaunay circle test, and a network map laid out so that
// the drawing routines can draw; and the point sets the network tests share (random points, a
// regular grid, an octagon with its centre) with the height functions laid over them.
#ifndef TESTS_SURFLIB_NETWORK_NETWORK_FIXTURE_H
#define TESTS_SURFLIB_NETWORK_NETWORK_FIXTURE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "frame/workspace.h"
#include "grid/mapframe.h"
#include "network/network.h"
#include "surface_test.h"
#include "tterrlib.h"

using namespace surflib;

struct NetPoint {
    float x, y, z;
};

class NetworkTest : public SurfacePictureTest {
public:
    std::vector<float> work;  // the workspace; words past wsize are guard words
    int wsize = 0;
    static constexpr int kGuardWords = 64;
    static constexpr float kGuard = 12345.0f;

protected:
    // A workspace of `size` words followed by guard words.
    void makeWorkspace(int size)
    {
        wsize = size;
        work.assign(static_cast<size_t>(size) + kGuardWords, 0.0f);
        for (int i = 0; i < kGuardWords; ++i) work[static_cast<size_t>(size) + i] = kGuard;
    }
    bool guardsIntact() const
    {
        for (int i = 0; i < kGuardWords; ++i) {
            if (work[static_cast<size_t>(wsize) + i] != kGuard) return false;
        }
        return true;
    }

    static int sizeFor(int points) { return 36 * (points + 1) + 100; }

    void build(const std::vector<NetPoint>& pts, int room = 20)
    {
        makeWorkspace(sizeFor(static_cast<int>(pts.size()) + room));
        std::vector<float> x, y, z;
        for (const NetPoint& p : pts) {
            x.push_back(p.x);
            y.push_back(p.y);
            z.push_back(p.z);
        }
        const int n = static_cast<int>(pts.size());
        RANTRI(n, x.data(), y.data(), z.data(), wsize, work.data());
    }

    float header(int word) const { return work[static_cast<size_t>(word) - 1]; }
    int pointCount() const { return surfaceState.network.pointCount; }
    int triangleCount() const { return surfaceState.network.triangleCount; }

    // Point j in the caller's units.
    NetPoint point(int j) const
    {
        const NetworkLayout& n = surfaceState.network;
        const float* w = work.data();
        return {n.xmin + networkX(w, j) * n.xrange, n.ymin + networkY(w, j) * n.yrange,
                n.zmin + networkZ(w, j) * n.zrange};
    }
    int vertex(int t, int k) const { return networkVertex(work.data(), t, k); }
    int neighbourEntry(int t, int k) const
    {
        return networkIndex(networkTriangleField(work.data(), t, kTriNeighbour1 + k - 1));
    }
    float mark(int t) const { return networkRegionMark(work.data(), t); }

    // Each triangle as its three corners in the caller's units, rounded to 1e-3 and sorted, so
    // that triangulations compare whatever their numbering.
    std::set<std::vector<long>> triangleSet() const
    {
        std::set<std::vector<long>> out;
        for (int t = 1; t <= triangleCount(); ++t) {
            std::vector<long> key;
            std::vector<std::pair<long, long>> corners;
            for (int k = 1; k <= 3; ++k) {
                const NetPoint p = point(vertex(t, k));
                corners.emplace_back(std::lround(p.x * 1000.0), std::lround(p.y * 1000.0));
            }
            std::sort(corners.begin(), corners.end());
            for (const auto& c : corners) {
                key.push_back(c.first);
                key.push_back(c.second);
            }
            out.insert(key);
        }
        return out;
    }

    double signedArea(int t) const
    {
        const float* w = work.data();
        const int a = vertex(t, 1), b = vertex(t, 2), c = vertex(t, 3);
        const double ax = networkX(w, a), ay = networkY(w, a);
        return 0.5 *
            ((networkX(w, b) - ax) * (networkY(w, c) - ay) -
             (networkX(w, c) - ax) * (networkY(w, b) - ay));
    }

    // The structural checks of a valid network; returns the first fault found, "" when none.
    std::string structureFault() const
    {
        const float* w = work.data();
        const int T = triangleCount(), N = pointCount();
        std::set<std::pair<int, int>> hullEdges;
        std::vector<int> used(static_cast<size_t>(N) + 1, 0);
        for (int t = 1; t <= T; ++t) {
            if (!(signedArea(t) > 0.0))
                return "triangle " + std::to_string(t) + " not counter-clockwise";
            for (int k = 1; k <= 3; ++k) {
                const int a = vertex(t, k), b = vertex(t, k % 3 + 1);
                if (a < 1 || a > N) return "vertex out of range";
                used[static_cast<size_t>(a)] = 1;
                const int entry = neighbourEntry(t, k);
                if ((entry < 0) != (mark(t) < 0.0f) && entry != 0) return "neighbour sign";
                const int u = std::abs(entry);
                if (u == 0) {
                    hullEdges.insert({a, b});
                    continue;
                }
                bool back = false;
                for (int j = 1; j <= 3; ++j) {
                    if (vertex(u, j) == b && vertex(u, j % 3 + 1) == a &&
                        std::abs(neighbourEntry(u, j)) == t)
                        back = true;
                }
                if (!back)
                    return "neighbours of " + std::to_string(t) + " and " + std::to_string(u) +
                        " disagree";
            }
        }
        for (int j = 1; j <= N; ++j) {
            if (!used[static_cast<size_t>(j)])
                return "point " + std::to_string(j) + " in no triangle";
        }
        // The hull list runs along exactly the edges without a neighbour.
        const int start = surfaceState.network.hullStart;
        int h = start;
        size_t steps = 0;
        do {
            const int next = networkIndex(networkPointField(w, h, kNetHullNext));
            if (networkIndex(networkPointField(w, next, kNetHullPrevious)) != h)
                return "hull links disagree";
            if (hullEdges.count({h, next}) == 0) return "hull list leaves the hull edges";
            h = next;
        } while (h != start && ++steps <= static_cast<size_t>(N));
        if (h != start || steps + 1 != hullEdges.size()) return "hull list not one closed cycle";
        // Euler: T = 2N - 2 - h for a triangulation of N points with h hull points.
        if (T != 2 * N - 2 - static_cast<int>(hullEdges.size())) return "triangle count";
        return "";
    }

    // Edges whose far vertex lies inside the circumcircle (beyond a relative tolerance), in
    // normalised units, among triangles of one region sign.
    int delaunayViolations() const
    {
        const float* w = work.data();
        int bad = 0;
        for (int t = 1; t <= triangleCount(); ++t) {
            for (int k = 1; k <= 3; ++k) {
                const int u = std::abs(neighbourEntry(t, k));
                if (u == 0 || (mark(t) < 0) != (mark(u) < 0)) continue;
                const int a = vertex(t, k), b = vertex(t, k % 3 + 1),
                          c = vertex(t, (k + 1) % 3 + 1);
                int q = 0;
                for (int j = 1; j <= 3; ++j) {
                    if (vertex(u, j) != a && vertex(u, j) != b) q = vertex(u, j);
                }
                const double qx = networkX(w, q), qy = networkY(w, q);
                const double ax = networkX(w, a) - qx, ay = networkY(w, a) - qy;
                const double bx = networkX(w, b) - qx, by = networkY(w, b) - qy;
                const double cx = networkX(w, c) - qx, cy = networkY(w, c) - qy;
                const double det = (ax * ax + ay * ay) * (bx * cy - cx * by) -
                    (bx * bx + by * by) * (ax * cy - cx * ay) +
                    (cx * cx + cy * cy) * (ax * by - bx * ay);
                if (det > 1e-9) ++bad;
            }
        }
        return bad;
    }

    static std::vector<NetPoint> randomPoints(int n, unsigned seed, float (*f)(float, float))
    {
        std::mt19937 rng(seed);
        std::uniform_real_distribution<float> u(0.0f, 10.0f);
        std::vector<NetPoint> pts;
        for (int i = 0; i < n; ++i) {
            const float x = u(rng), y = u(rng);
            pts.push_back({x, y, f(x, y)});
        }
        return pts;
    }

    // A network map of the network's extents and `margin` map units around them laid out
    // (nothing drawn), drawing code 5.
    void layOutNetworkMap(float margin = 1.0f)
    {
        SurfaceLibraryState& s = surfaceState;
        const NetworkLayout& n = s.network;
        surfaceBeginDrawing(kBeginNetworkMap);
        s.grid.xMin = n.xmin - margin;
        s.grid.xMax = n.xmin + n.xrange + margin;
        s.grid.yMin = n.ymin - margin;
        s.grid.yMax = n.ymin + n.yrange + margin;
        const int type = s.contour.mapFrameType;
        s.contour.mapFrameType = kMapFrameLayoutOnly;
        int status = 0;
        surfaceDrawNetworkMapFrame(status);
        s.contour.mapFrameType = type;
        s.network.networkRoutineActive = 0;
        ASSERT_EQ(status, 0);
    }
    static float pictureX(float x)
    {
        const MapTransform& m = surfaceState.map;
        return (x / m.factorX - m.startX) * m.scaleX + m.originX;
    }
    static float pictureY(float y)
    {
        const MapTransform& m = surfaceState.map;
        return (y / m.factorY - m.startY) * m.scaleY + m.originY;
    }
};

inline float planeZ(float x, float y) { return 2.0f * x - 3.0f * y + 1.0f; }
inline float tilted(float x, float y) { return x + 2.0f * y; }
inline float quadraticZ(float x, float y)
{
    return 0.3f * x * x - 0.2f * x * y + 0.5f * y * y + x - 2.0f;
}

// Points on an n by n grid over [0, 10] x [0, 10] with heights f, row by row from the bottom.
inline std::vector<NetPoint> gridOf(int n, float (*f)(float, float))
{
    std::vector<NetPoint> pts;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            const float x = 10.0f * i / (n - 1), y = 10.0f * j / (n - 1);
            pts.push_back({x, y, f(x, y)});
        }
    }
    return pts;
}

// A regular octagon of radius 4 around (5, 5) with its centre: the Delaunay triangulation is
// the fan of eight triangles around the centre.
inline std::vector<NetPoint> octagonWithCentre()
{
    std::vector<NetPoint> pts{{5.0f, 5.0f, 10.0f}};
    for (int k = 0; k < 8; ++k) {
        const double a = k * 3.14159265358979 / 4.0 + 0.1;
        pts.push_back({static_cast<float>(5.0 + 4.0 * std::cos(a)),
                       static_cast<float>(5.0 + 4.0 * std::sin(a)), static_cast<float>(k)});
    }
    return pts;
}

#endif
