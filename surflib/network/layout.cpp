// layout.cpp - how a network array is cut up, how the input points are loaded and ordered,
// the bucket index over the stored points, and the entry and exit of every network routine
// (header words, the check that the workspace holds the network, its validation).
#include <algorithm>
#include <cassert>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/workspace.h"
#include "network/interpolation.h"
#include "network/network.h"

using namespace surflib;

namespace {

// One input point on its way into the table.
struct LoadPoint {
    double x, y, z;
    float dzdx, dzdy;
    int input;  // position in the caller's arrays
};

int& flagOfHeaderWord(NetworkLayout& n, int word)
{
    switch (word) {
    case kHeaderGradientsReady: return n.gradientsReady;
    case kHeaderDerivativesGiven: return n.derivativesGiven;
    case kHeaderNetworkBuilt: return n.networkBuilt;
    default: return n.bucketIndexBuilt;
    }
}

// Drops every input point that lies within eps in x and y of an earlier input point (raw
// coordinates), and every point whose normalised position equals that of an earlier kept
// one.  Returns the number dropped.
int dropDuplicates(std::vector<LoadPoint>& pts, double eps)
{
    const size_t n = pts.size();
    // By x, points of equal x in input order: sorted as (x, position) pairs, which holds the
    // keys together and needs no stable sort.
    std::vector<std::pair<double, size_t>> keys(n);
    for (size_t i = 0; i < n; ++i) keys[i] = {pts[i].x, i};
    std::sort(keys.begin(), keys.end());
    std::vector<size_t> byX(n);
    for (size_t i = 0; i < n; ++i) byX[i] = keys[i].second;
    std::vector<char> dropped(n, 0);
    for (size_t pos = 0; pos < n; ++pos) {
        const LoadPoint& p = pts[byX[pos]];
        auto earlierClose = [&](size_t other) {
            const LoadPoint& q = pts[byX[other]];
            return q.input < p.input && std::fabs(p.y - q.y) < eps;
        };
        for (size_t q = pos; q-- > 0 && p.x - pts[byX[q]].x < eps;) {
            if (earlierClose(q)) {
                dropped[byX[pos]] = 1;
                break;
            }
        }
        for (size_t q = pos + 1; !dropped[byX[pos]] && q < n && pts[byX[q]].x - p.x < eps; ++q) {
            if (earlierClose(q)) dropped[byX[pos]] = 1;
        }
    }
    std::vector<LoadPoint> kept;
    kept.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        if (!dropped[i]) kept.push_back(pts[i]);
    }
    const int count = static_cast<int>(n - kept.size());
    pts.swap(kept);
    return count;
}

// Stores the kept points as rows 1, 2, ... in normalised units.
void storePoints(const std::vector<LoadPoint>& pts, float* work, bool derivatives)
{
    const NetworkLayout& n = surfaceState.network;
    for (size_t i = 0; i < pts.size(); ++i) {
        const int j = static_cast<int>(i) + 1;
        for (int c = kNetX; c <= kNetHullNext; ++c) networkPointField(work, j, c) = 0.0f;
        networkPointField(work, j, kNetX) = surfaceNarrow((pts[i].x - n.xmin) / n.xrange);
        networkPointField(work, j, kNetY) = surfaceNarrow((pts[i].y - n.ymin) / n.yrange);
        networkPointField(work, j, kNetZ) = surfaceNarrow((pts[i].z - n.zmin) / n.zrange);
        if (derivatives) {
            networkPointField(work, j, kNetDzdx) =
                surfaceNarrow(static_cast<double>(pts[i].dzdx) * n.xrange / n.zrange);
            networkPointField(work, j, kNetDzdy) =
                surfaceNarrow(static_cast<double>(pts[i].dzdy) * n.yrange / n.zrange);
        }
    }
}

// Drops a later point whose normalised position equals an earlier one exactly (points apart
// by more than eps in raw units can meet once rounded to single precision).  byPosition: the
// rows the kept points will have (1, 2, ... in input order), in the order of their normalised
// positions, which the sort here finds anyway.
int dropNormalisedTwins(std::vector<LoadPoint>& pts, std::vector<int>& byPosition)
{
    const NetworkLayout& n = surfaceState.network;
    struct Key {
        float x, y;
        size_t index;
    };
    std::vector<Key> keys(pts.size());
    for (size_t i = 0; i < pts.size(); ++i) {
        keys[i] = {surfaceNarrow((pts[i].x - n.xmin) / n.xrange),
                   surfaceNarrow((pts[i].y - n.ymin) / n.yrange), i};
    }
    // Keys of one position in input order (the index breaks the tie).
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.x != b.x) return a.x < b.x;
        if (a.y != b.y) return a.y < b.y;
        return a.index < b.index;
    });
    // Keys of one position stay in input order: the later ones go.
    std::vector<char> dropped(pts.size(), 0);
    for (size_t k = 1; k < keys.size(); ++k) {
        if (keys[k].x == keys[k - 1].x && keys[k].y == keys[k - 1].y) dropped[keys[k].index] = 1;
    }
    std::vector<int> row(pts.size(), 0);
    int rows = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        if (!dropped[i]) row[i] = ++rows;
    }
    byPosition.clear();
    for (const Key& key : keys) {
        if (!dropped[key.index]) byPosition.push_back(row[key.index]);
    }
    std::vector<LoadPoint> kept;
    for (size_t i = 0; i < pts.size(); ++i) {
        if (!dropped[i]) kept.push_back(pts[i]);
    }
    const int count = static_cast<int>(pts.size() - kept.size());
    pts.swap(kept);
    return count;
}

// Exchanges two point rows (every stored column of the record).
void swapRows(float* work, int a, int b)
{
    static const int kColumns[] = {kNetX, kNetY, kNetZ, kNetDzdx, kNetDzdy};
    for (int c : kColumns) std::swap(networkPointField(work, a, c), networkPointField(work, b, c));
}

// Row k goes before row j: by x, and by y when the two x lie within eps.  (Letting a smaller x
// win within eps as well would make two such rows with the opposite y order change places on
// every pass.)
bool before(const float* work, int k, int j, float eps)
{
    const float xk = networkX(work, k), xj = networkX(work, j);
    if (std::fabs(xk - xj) < eps) return networkY(work, k) < networkY(work, j);
    return xk < xj;
}

// Row 1 the leftmost point, rows 2 .. N by increasing x, ties within eps by increasing y.  The
// rows are first sorted exactly, so the passes of the tie rule only mend what eps changes.
// byPosition: rows 1 .. N in the order of their positions (no two the same), as the twins
// were dropped.
void orderPoints(int N, float* work, float eps, const std::vector<int>& byPosition)
{
    int left = 1;
    for (int j = 2; j <= N; ++j) {
        const float xj = networkX(work, j), xl = networkX(work, left);
        const bool tie = std::fabs(xj - xl) < eps;
        if (tie ? networkY(work, j) < networkY(work, left) : xj < xl) left = j;
    }
    if (left != 1) swapRows(work, 1, left);
    if (N < 3) return;

    // Rows 2 .. N by position: the order the twins were dropped in, with the leftmost row,
    // now row 1, left out, and row 1's point found in its place.
    assert(static_cast<int>(byPosition.size()) == N);
    std::vector<int> order;
    order.reserve(static_cast<size_t>(N - 1));
    for (const int r : byPosition) {
        if (r == left) continue;
        order.push_back(r == 1 ? left : r);
    }
    assert(static_cast<int>(order.size()) == N - 1);
    std::vector<float> copy(static_cast<size_t>(N - 1) * 5);
    static const int kColumns[] = {kNetX, kNetY, kNetZ, kNetDzdx, kNetDzdy};
    for (int i = 0; i < N - 1; ++i) {
        for (int c = 0; c < 5; ++c)
            copy[static_cast<size_t>(i) * 5 + c] = networkPointField(work, order[i], kColumns[c]);
    }
    for (int i = 0; i < N - 1; ++i) {
        for (int c = 0; c < 5; ++c)
            networkPointField(work, i + 2, kColumns[c]) = copy[static_cast<size_t>(i) * 5 + c];
    }
    // The passes of the tie rule, from the last row towards row 2, as long as they change
    // something and at most N - 1 times.
    for (int pass = 1; pass < N; ++pass) {
        bool exchanged = false;
        for (int k = N; k >= 3; --k) {
            if (before(work, k, k - 1, eps)) {
                swapRows(work, k, k - 1);
                exchanged = true;
            }
        }
        if (!exchanged) break;
    }
}

int bucketIndexOf(double v, double origin, double cell, int nb)
{
    const double u = (v - origin) / cell;
    if (!(u > 0.0)) return 0;
    if (u >= nb - 1) return nb - 1;
    return static_cast<int>(u);
}

// Whether every stored number of the tables is one a build could have written.
bool tablesValid(const float* work)
{
    const NetworkLayout& n = surfaceState.network;
    const int N = n.pointCount, T = n.triangleCount;
    if (N < 3 || N > n.capacity - 1 || T < 1 || T > 2 * n.capacity) return false;
    if (n.hullStart < 1 || n.hullStart > N) return false;
    for (int t = 1; t <= T; ++t) {
        for (int k = 1; k <= 3; ++k) {
            const int v = networkVertex(work, t, k);
            if (v < 1 || v > N) return false;
            if (networkNeighbour(work, t, k) > T) return false;
        }
    }
    for (int j = 1; j <= N; ++j) {
        const int a = networkIndex(networkPointField(work, j, kNetHullNext));
        const int b = networkIndex(networkPointField(work, j, kNetHullPrevious));
        if (a < 0 || a > N || b < 0 || b > N) return false;
    }
    return true;
}

bool bucketsValid(const float* work)
{
    const NetworkLayout& n = surfaceState.network;
    const int N = n.pointCount, nb = n.bucketCount;
    if (nb < 1 || static_cast<long long>(nb) * nb + 1 > N) return false;
    if (!(n.bucketWidth > 0.0f) || !(n.bucketHeight > 0.0f)) return false;
    for (int m = 1; m <= N; ++m) {
        const int e = std::abs(networkIndex(networkPointField(work, m, kNetBucketList)));
        if (e < 1 || e > N) return false;
    }
    for (int m = 1; m <= nb * nb + 1; ++m) {
        const int p = networkIndex(networkPointField(work, m, kNetBucketStart));
        if (p < 1 || p > N) return false;
    }
    return true;
}

}  // namespace

namespace surflib {

void surfacePartitionNetwork(int S, int& status)
{
    NetworkLayout& n = surfaceState.network;
    const long long N = surfaceState.grid.pointCount;
    const long long a = (static_cast<long long>(S) - kNetworkBase) / kNetworkWordsPerPoint;
    // A network stored for another workspace keeps its layout: laying it out again would move
    // its tables under it.
    if (a < N + 1 || a < 1 || (n.storedSize != 0 && n.storedSize != S)) {
        status = kWorkspaceShort;
        return;
    }
    status = 0;
    n.storedSize = S;
    n.layoutPointCount = static_cast<int>(N);
    n.base = kNetworkBase;
    for (int k = 0; k < 12; ++k) n.columns[k] = kNetworkBase + k;
    n.capacity = static_cast<int>(a);
    n.triangleStart = static_cast<int>(12 * a + kNetworkBase);
    n.spareStart = static_cast<int>(26 * a + kNetworkBase);
}

void surfaceLoadNetworkPoints(int& N, const float* x, const float* y, const float* z, int S,
                              float* work)
{
    (void)S;
    SurfaceLibraryState& s = surfaceState;
    NetworkLayout& n = s.network;
    const bool derivatives = surfaceFlagOn(n.derivativesGiven);
    std::vector<LoadPoint> pts(static_cast<size_t>(N));
    double x0 = x[0], x1 = x[0], y0 = y[0], y1 = y[0], z0 = z[0], z1 = z[0];
    for (int i = 0; i < N; ++i) {
        LoadPoint& p = pts[static_cast<size_t>(i)];
        p = {x[i], y[i], z[i], 0.0f, 0.0f, i};
        if (derivatives) {
            p.dzdx = networkPointField(work, i + 1, kNetDzdx);
            p.dzdy = networkPointField(work, i + 1, kNetDzdy);
        }
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
        z0 = std::min(z0, p.z);
        z1 = std::max(z1, p.z);
    }
    n.xmin = surfaceNarrow(x0);
    n.ymin = surfaceNarrow(y0);
    n.zmin = surfaceNarrow(z0);
    n.xrange = surfaceNarrow(x1 - x0);
    n.yrange = surfaceNarrow(y1 - y0);
    n.zrange = surfaceNarrow(z1 - z0);

    int dropped = dropDuplicates(pts, s.eps);
    std::vector<int> byPosition;
    dropped += dropNormalisedTwins(pts, byPosition);
    storePoints(pts, work, derivatives);
    if (dropped > 0) {
        surfaceReportError(kDuplicatePoints);
        N = static_cast<int>(pts.size());
    }
    orderPoints(N, work, s.eps, byPosition);
}

void surfaceCheckNetwork(int S, float* work, int& status)
{
    SurfaceLibraryState& s = surfaceState;
    NetworkLayout& n = s.network;
    surfaceReadNetworkHeader(S, work);
    const int N = n.pointCount;
    status = kNoBucketGrid;
    if (N < 1) return;

    float xlo = networkX(work, 1), xhi = xlo, ylo = networkY(work, 1), yhi = ylo;
    for (int j = 2; j <= N; ++j) {
        xlo = std::min(xlo, networkX(work, j));
        xhi = std::max(xhi, networkX(work, j));
        ylo = std::min(ylo, networkY(work, j));
        yhi = std::max(yhi, networkY(work, j));
    }
    const float mx = (xhi - xlo) * 1e-5f, my = (yhi - ylo) * 1e-5f;
    float ex0 = xlo - mx, ex1 = xhi + mx, ey0 = ylo - my, ey1 = yhi + my;
    GridState& g = s.grid;
    g.dataXMin = ex0;
    g.dataXMax = ex1;
    g.dataYMin = ey0;
    g.dataYMax = ey1;
    const int ten = 10;
    surfaceCheckGrid(ten, ex0, ex1, ten, ey0, ey1, status);
    if (status > 0) return;

    // Bucket grid: about k / 2 points to a cell, and fewer cells than points.
    int& k = s.networkSettings.neighbourCount;
    int nb = 0;
    for (;;) {
        nb = std::max(1, static_cast<int>(std::sqrt(2.0 * N / std::max(k, 1))));
        if (static_cast<long long>(nb) * nb < N) break;
        if (k >= N) {
            status = kNoBucketGrid;
            return;
        }
        surfaceReportError(kPatchEnlarged);
        k = k >= 8 ? 2 * k : 10;
        if (k >= N) k = N;
    }
    const double width = (static_cast<double>(ex1) - ex0) / nb;
    const double height = (static_cast<double>(ey1) - ey0) / nb;

    // The list, column by column; within a column, bucket by bucket upwards; within a bucket,
    // by point number.  One counting pass and one placing pass, so the build takes time in
    // proportion to the points, whatever the number of buckets.
    const size_t cells = static_cast<size_t>(nb) * static_cast<size_t>(nb);
    std::vector<int> bucketOfPoint(static_cast<size_t>(N) + 1), next(cells + 1, 0);
    for (int j = 1; j <= N; ++j) {
        const int m = bucketIndexOf(networkX(work, j), ex0, width, nb) * nb +
            bucketIndexOf(networkY(work, j), ey0, height, nb);
        bucketOfPoint[static_cast<size_t>(j)] = m;
        ++next[static_cast<size_t>(m) + 1];
    }
    next[0] = 1;
    for (size_t m = 0; m < cells; ++m) {
        next[m + 1] += next[m];
        networkPointField(work, static_cast<int>(m) + 1, kNetBucketStart) =
            static_cast<float>(std::min(next[m], N));
    }
    for (int j = 1; j <= N; ++j) {
        const bool data = !(networkPointField(work, j, kNetInterpolated) > 0.5f);
        const int at = next[static_cast<size_t>(bucketOfPoint[static_cast<size_t>(j)])]++;
        networkPointField(work, at, kNetBucketList) = static_cast<float>(data ? j : -j);
    }
    networkPointField(work, nb * nb + 1, kNetBucketStart) = static_cast<float>(N);

    n.bucketCount = nb;
    n.bucketLeft = ex0;
    n.bucketBottom = ey0;
    n.bucketWidth = surfaceNarrow(width);
    n.bucketHeight = surfaceNarrow(height);
    g.bucketColumns = nb;
    g.bucketRows = nb;
    g.bucketWidth = n.bucketWidth;
    g.bucketHeight = n.bucketHeight;
    n.bucketIndexBuilt = -1;
    status = 0;
    surfaceWriteNetworkHeader(S, work);
    n.networkRoutineActive = -1;
}

// ---- Entry and exit ---------------------------------------------------------------------------

void surfaceReadNetworkHeader(int wsize, const float* work)
{
    NetworkLayout& n = surfaceState.network;
    const bool present = work != nullptr && wsize >= kNetworkHeaderWords;
    for (int w = 1; w <= kNetworkHeaderWords; ++w) {
        flagOfHeaderWord(n, w) = present && networkWord(work, w) > surfaceState.eps ? -1 : 0;
    }
    n.networkRoutineActive = -1;
}

int surfaceNetworkStatus(int wsize, const float* work)
{
    SurfaceLibraryState& s = surfaceState;
    NetworkLayout& n = s.network;
    if (surfaceWorkspaceEmpty(wsize, work)) return kWorkspaceShort;
    if (!surfaceFlagOn(n.networkBuilt)) return kNoNetwork;
    if (n.storedSize == 0 || n.storedSize != wsize || work == nullptr) return kWorkspaceShort;
    if (!tablesValid(work)) return kNoNetwork;
    if (surfaceFlagOn(n.bucketIndexBuilt) && !bucketsValid(work)) n.bucketIndexBuilt = 0;
    s.grid.pointCount = n.pointCount;
    return 0;
}

void surfaceWriteNetworkHeader(int wsize, float* work)
{
    NetworkLayout& n = surfaceState.network;
    n.networkRoutineActive = 0;
    if (work == nullptr || wsize < kNetworkHeaderWords) return;
    for (int w = 1; w <= kNetworkHeaderWords; ++w) {
        networkWord(work, w) = surfaceFlagOn(flagOfHeaderWord(n, w)) ? 1.0f : 0.0f;
    }
}

void surfacePrepareNetwork(int wsize, float* work, bool withGradients, int& status)
{
    NetworkLayout& n = surfaceState.network;
    status = 0;
    if (!surfaceFlagOn(n.bucketIndexBuilt)) {
        surfaceCheckNetwork(wsize, work, status);
        if (status > 0) return;
    }
    if (withGradients && !surfaceFlagOn(n.gradientsReady) && !surfaceFlagOn(n.derivativesGiven)) {
        surfaceComputeVertexGradients(work);
        n.gradientsReady = -1;
    }
}

NetworkRoutineScope::NetworkRoutineScope(int wsize, float* work) : wsize_(wsize), work_(work)
{
    surfaceReadNetworkHeader(wsize, work);
}

NetworkRoutineScope::~NetworkRoutineScope()
{
    // Only the network's own workspace gets its header back: another array of the caller keeps
    // its first words as they are.
    NetworkLayout& n = surfaceState.network;
    if (surfaceFlagOn(n.networkBuilt) && n.storedSize == wsize_ && n.storedSize != 0) {
        surfaceWriteNetworkHeader(wsize_, work_);
    } else {
        n.networkRoutineActive = 0;
    }
}

}  // namespace surflib
