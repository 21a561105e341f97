// fit.cpp - method 1 of the network heights, a weighted least-squares quadratic about the
// query point over its k nearest data points, found through the bucket index; the evaluation
// of the kept fit; and the vertex gradients, each the mean of the gradients of the fits at the
// centroids of the triangles around the vertex.
//
// The candidate list lives in the spare table of the workspace (squared distances in its first
// half, point numbers in its second), so a fit allocates nothing.  Points of the bucket list
// stored with a negative number are not data (heights a TRIADD interpolated) and take no part.
//
// The normal equations are equilibrated before they are solved, so that whether a fit is
// singular depends on the shape of its neighbourhood, not on its size.  The vertex gradients
// of a large network fit their triangles on several threads, each with a candidate list of its
// own, and then add the results up in triangle order: the gradients, the warnings and the last
// fit are those of one fit after another.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cmath>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

#include "frame/errors.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "network/interpolation.h"
#include "network/network.h"

using namespace surflib;

namespace {

constexpr int kMaxNeighbours = 30;
constexpr double kFar = 1.0e8;
constexpr double kTaken = 5.0e8;

int nearestInt(double v, int limit)
{
    if (!(v > -limit)) return -limit;
    if (!(v < limit)) return limit;
    return static_cast<int>(std::lround(v));
}

struct Window {
    int lo[2], hi[2];
};

void clampWindow(Window& win, int w, int nb)
{
    for (int a = 0; a < 2; ++a) {
        if (win.lo[a] < 1) {
            win.lo[a] = 1;
            win.hi[a] = std::min(w + 1, nb);
        }
        if (win.hi[a] > nb) {
            win.hi[a] = nb;
            win.lo[a] = std::max(nb - w, 1);
        }
    }
}

int bucketOf(double v, double origin, double cell, int nb)
{
    const double u = (v - origin) / cell;
    if (!(u > 0.0)) return 1;
    if (u >= nb - 1) return nb;
    return static_cast<int>(u) + 1;
}

// The bucket column and row of every point (2 j and 2 j + 1 for point j), for the many fits
// of the vertex gradients: looked up instead of worked out for every candidate of every fit.
std::vector<int> pointBuckets(const float* work)
{
    const NetworkLayout& n = surfaceState.network;
    std::vector<int> cells(2 * (static_cast<size_t>(std::max(n.pointCount, 0)) + 1), 0);
    for (int p = 1; p <= n.pointCount; ++p) {
        const auto i = 2 * static_cast<size_t>(p);
        cells[i] = bucketOf(networkX(work, p), n.bucketLeft, n.bucketWidth, n.bucketCount);
        cells[i + 1] = bucketOf(networkY(work, p), n.bucketBottom, n.bucketHeight, n.bucketCount);
    }
    return cells;
}

// Collects the data points of the window's buckets into the spare table: distances from
// `dist`, point numbers from `number`.  A list entry is taken only when its point really lies
// in the window, so an empty bucket at the end of the list adds nothing.  cells: the points'
// buckets (pointBuckets), or null to work them out.
int collect(const Window& win, double x, double y, const float* work, float* dist, float* number,
            int room, const int* cells)
{
    const NetworkLayout& n = surfaceState.network;
    const int N = n.pointCount, nb = n.bucketCount;
    int count = 0;
    for (int c = win.lo[0]; c <= win.hi[0]; ++c) {
        const int from =
            networkIndex(networkPointField(work, (c - 1) * nb + win.lo[1], kNetBucketStart));
        const bool lastBucket = c == nb && win.hi[1] == nb;
        const int to = lastBucket
            ? N
            : networkIndex(networkPointField(work, (c - 1) * nb + win.hi[1] + 1, kNetBucketStart)) -
                1;
        for (int pos = std::max(from, 1); pos <= std::min(to, N) && count < room; ++pos) {
            const int p = networkIndex(networkPointField(work, pos, kNetBucketList));
            if (p <= 0 || p > N) continue;
            const double px = networkX(work, p), py = networkY(work, p);
            const int column = cells != nullptr ? cells[2 * static_cast<size_t>(p)]
                                                : bucketOf(px, n.bucketLeft, n.bucketWidth, nb);
            if (column != c) continue;
            const int r = cells != nullptr ? cells[2 * static_cast<size_t>(p) + 1]
                                           : bucketOf(py, n.bucketBottom, n.bucketHeight, nb);
            if (r < win.lo[1] || r > win.hi[1]) continue;
            dist[count] = surfaceNarrow((px - x) * (px - x) + (py - y) * (py - y));
            number[count] = static_cast<float>(p);
            ++count;
        }
    }
    return count;
}

bool sameWindow(const Window& a, const Window& b)
{
    return a.lo[0] == b.lo[0] && a.lo[1] == b.lo[1] && a.hi[0] == b.hi[0] && a.hi[1] == b.hi[1];
}

// The order in which `take` passes of a minimum search below kFar, each marking the entry it
// takes, would take the entries of the list: the smallest first, the earlier of equal entries
// first, and the pass number as the choice when nothing is below kFar.  The list is left as
// it was.
void minimumSearch(float* dist, int count, int take, int* order)
{
    float was[kMaxNeighbours + 1];
    for (int pass = 0; pass < take; ++pass) {
        double best = kFar;
        int at = std::min(pass, count - 1);
        for (int i = 0; i < count; ++i) {
            if (dist[i] < best) {
                best = dist[i];
                at = i;
            }
        }
        order[pass] = at;
        was[pass] = dist[at];
        dist[at] = static_cast<float>(kTaken);
    }
    for (int pass = take - 1; pass >= 0; --pass) dist[order[pass]] = was[pass];
}

// The same order for the takes of `want` entries or fewer at once: keys of the
// distance's bits (which order as the distances do, none being negative) over the list position
// (which puts the earlier of equal entries first), kept sorted by insertion as the list is read,
// an entry past the last kept one turned away with one comparison.  False, leaving the work to
// the search itself, when an entry is not below kFar.
bool nearestOrder(const float* dist, int count, int want, std::uint64_t* keys, int& ordered)
{
    const int room = std::min({count, want, kMaxNeighbours + 1});
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (!(dist[i] < kFar)) return false;
        const std::uint64_t bits = std::bit_cast<std::uint32_t>(dist[i]);
        const std::uint64_t key = bits << 32 | static_cast<std::uint32_t>(i);
        if (kept == room && !(key < keys[kept - 1])) continue;
        int at = kept < room ? kept++ : kept - 1;
        for (; at > 0 && keys[at - 1] > key; --at) keys[at] = keys[at - 1];
        keys[at] = key;
    }
    ordered = room;
    return true;
}

// The candidate search of one fit.  Its window grows one bucket on every side until it holds
// k + 1 candidates.  A retry with a larger k goes on from the window the last attempt stopped
// at, since every window before it held fewer candidates than the larger k asks for (or the
// whole grid was reached); the list is collected again only when the window has grown.
struct CandidateSearch {
    Window win, listed;  // the window, and the one the list was collected for
    int w, count;
    int ordered;  // how many of the nearest the keys hold in order
    std::uint64_t keys[kMaxNeighbours + 1];
};

// Grows the window until its list holds k + 1 candidates, or, when the window covers the whole
// grid and still holds fewer, makes k the count less one.
void growWindow(CandidateSearch& cs, int& k, float x, float y, const float* work, float* dist,
                float* number, int room, const int* cells)
{
    const int nb = surfaceState.network.bucketCount;
    Window& win = cs.win;
    for (;;) {
        clampWindow(win, cs.w, nb);
        if (!sameWindow(win, cs.listed)) {
            cs.count = collect(win, x, y, work, dist, number, room, cells);
            cs.listed = win;
            if (!nearestOrder(dist, cs.count, k + 1, cs.keys, cs.ordered)) cs.ordered = 0;
        }
        if (cs.count >= k + 1) return;
        if (win.lo[0] == 1 && win.lo[1] == 1 && win.hi[0] == nb && win.hi[1] == nb) {
            k = cs.count - 1;  // fewer data points than asked for: use them all
            return;
        }
        cs.w += 2;
        win.lo[0] -= 1;
        win.lo[1] -= 1;
        win.hi[0] += 1;
        win.hi[1] += 1;
    }
}

double weightOf(int function, double d, double R, double tw)
{
    switch (function) {
    case 2: return (R - d) * (R - d);
    case 3: return d > tw ? 1.0 / (d * d) : 0.0;
    case 4: return d > tw ? 1.0 / d - 1.0 / R : 0.0;
    default: return d > tw ? (R - d) * (R - d) / (d * d) : 0.0;
    }
}

// The normal equations of the fit about (x, y) over the first take - 1 of the chosen points,
// weighted by their distances against R, the distance of the last one.  Per point the basis
// psi, the weighted test functions w phi and w z; then each row summed over the points in
// their order, row by row so that its sums stay in registers.  The test functions are the
// basis backwards: phi[r] = psi[5 - r].
void normalEquations(const int* chosen, const double* d2, int take, float x, float y,
                     const float* work, double a[6][6], double b[6])
{
    const int function = surfaceState.networkSettings.weightingFunction;
    const double tw = 20.0 * surfaceState.eps, R = std::sqrt(d2[take - 1]);
    double psi[kMaxNeighbours][6], wphi[kMaxNeighbours][6], wz[kMaxNeighbours];
    const int m = take - 1;
    for (int i = 0; i < m; ++i) {
        const int p = chosen[i];
        const double wt = weightOf(function, std::sqrt(d2[i]), R, tw);
        const double dx = networkX(work, p) - x, dy = networkY(work, p) - y;
        const double basis[6] = {1.0, dx, dy, dx * dx, dx * dy, dy * dy};
        for (int c = 0; c < 6; ++c) {
            psi[i][c] = basis[c];
            wphi[i][c] = wt * basis[5 - c];
        }
        wz[i] = wt * networkZ(work, p);
    }
    for (int r = 0; r < 6; ++r) {
        double row[6] = {}, rhs = 0.0;
        for (int i = 0; i < m; ++i) {
            for (int c = 0; c < 6; ++c) row[c] += wphi[i][r] * psi[i][c];
            rhs += wz[i] * psi[i][5 - r];
        }
        for (int c = 0; c < 6; ++c) a[r][c] = row[c];
        b[r] = rhs;
    }
}

// Solves the normal equations.  Returns 0 with c filled, or the 1-based column whose pivot
// failed; with a failure in column 4 or later the coefficients before it are solved with the
// rest 0.
//
// The system is first equilibrated: each basis function is divided by its weighted norm (the
// square root of its diagonal entry, row 5 - j of column j), which turns the matrix into the
// row-reversed correlation matrix of the basis over the neighbours, its entries within 1
// whatever the spacing of the points, their distance from the query point or the size of the
// weights.  A pivot below tw then means that a basis function is, to tw, a combination of the
// ones before it: the neighbours leave a direction of the quadratic undetermined (all on one
// line, or coincident), not merely lie close together.
int solve(double a[6][6], double b[6], double c[6], double tw)
{
    double norm[6];
    for (int j = 0; j < 6; ++j) {
        const double d = std::sqrt(std::fabs(a[5 - j][j]));
        norm[j] = d > 0.0 ? d : 1.0;
    }
    for (int r = 0; r < 6; ++r) {
        for (int j = 0; j < 6; ++j) a[r][j] /= norm[5 - r] * norm[j];
        b[r] /= norm[5 - r];
    }
    int failed = 0;
    int col = 0;
    for (; col < 5; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 6; ++r) {
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        }
        if (!(std::fabs(a[pivot][col]) >= tw)) {
            failed = col + 1;
            break;
        }
        if (pivot != col) {
            for (int j = 0; j < 6; ++j) std::swap(a[pivot][j], a[col][j]);
            std::swap(b[pivot], b[col]);
        }
        for (int r = col + 1; r < 6; ++r) {
            const double f = a[r][col] / a[col][col];
            for (int j = col; j < 6; ++j) a[r][j] -= f * a[col][j];
            b[r] -= f * b[col];
        }
    }
    if (failed == 0 && !(std::fabs(a[5][5]) >= tw)) failed = 6;
    const int solved = failed == 0 ? 6 : failed - 1;
    for (int j = 0; j < 6; ++j) c[j] = 0.0;
    if (failed != 0 && failed < 4) return failed;
    for (int r = solved - 1; r >= 0; --r) {
        double sum = b[r];
        for (int j = r + 1; j < solved; ++j) sum -= a[r][j] * c[j];
        c[r] = sum / a[r][r];
    }
    for (int j = 0; j < solved; ++j) c[j] /= norm[j];
    return failed;
}

// What every fit of one network shares: the neighbour count after its range check, whether
// that check warned, and the room of the candidate list.  `usable` is false when the bucket
// index or the spare table cannot hold a search: every fit is then singular.
struct FitSetup {
    int k;
    bool fewNeighbours;
    int room;
    bool usable;
};

FitSetup fitSetup()
{
    const SurfaceLibraryState& s = surfaceState;
    const NetworkLayout& n = s.network;
    const int N = n.pointCount;
    FitSetup f{s.networkSettings.neighbourCount, false, 0, false};
    if (f.k > kMaxNeighbours || f.k >= N) {
        f.fewNeighbours = true;
        f.k = N > 10 ? 10 : N - 1;
    }
    f.room = static_cast<int>(std::min<long long>(networkSpareLength() / 2, N));
    f.usable = n.bucketCount >= 1 && f.room >= 1 && n.bucketWidth > 0.0f && n.bucketHeight > 0.0f;
    return f;
}

// The fit about (x, y) with the candidate list in dist / number: true with the coefficients
// in c, false when it stays singular.  It reads the network and the settings and writes
// nothing else, so fits with lists of their own may run side by side.  cells: the points'
// buckets (pointBuckets), or null.
bool nearestFit(float x, float y, int k, const float* work, float* dist, float* number, int room,
                float c[6], const int* cells = nullptr)
{
    const NetworkLayout& n = surfaceState.network;
    const int N = n.pointCount, nb = n.bucketCount;
    const double tw = 20.0 * surfaceState.eps;
    const int cx = nearestInt((x - n.bucketLeft) / n.bucketWidth, nb + 2);
    const int ry = nearestInt((y - n.bucketBottom) / n.bucketHeight, nb + 2);
    int lastK = -1;
    int lastFailed = 1;  // the outcome of the last solve: failed column, coefficients
    double last[6] = {};
    CandidateSearch search;  // the keys are left unset: only those the list fills are read
    search.win = {{cx, ry}, {cx + 1, ry + 1}};
    search.listed = {{0, 0}, {-1, -1}};
    search.w = 1;
    search.count = search.ordered = 0;
    int chosen[kMaxNeighbours + 1], takenAt[kMaxNeighbours + 1];
    double d2[kMaxNeighbours + 1];
    int taken = 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        // The entries the last selection marked get their distances back, last marked first.
        for (int i = taken - 1; i >= 0; --i) dist[takenAt[i]] = static_cast<float>(d2[i]);
        taken = 0;
        growWindow(search, k, x, y, work, dist, number, room, cells);
        if (k < 1 || k == lastK) break;  // no more neighbours to add
        lastK = k;

        // The k + 1 nearest, nearest first and the earlier entry first among equals.
        const int take = std::min(k + 1, kMaxNeighbours + 1);
        taken = take;
        if (take <= search.ordered) {
            for (int pass = 0; pass < take; ++pass)
                takenAt[pass] = static_cast<int>(search.keys[pass] & 0xffffffffu);
        } else {
            minimumSearch(dist, search.count, take, takenAt);
        }
        for (int pass = 0; pass < take; ++pass) {
            const int at = takenAt[pass];
            chosen[pass] = networkIndex(number[at]);
            d2[pass] = dist[at];
            dist[at] = static_cast<float>(kTaken);
        }

        double a[6][6], b[6];
        normalEquations(chosen, d2, take, x, y, work, a, b);
        lastFailed = solve(a, b, last, tw);
        if (lastFailed == 0) break;
        if (k + 4 > kMaxNeighbours || k + 4 >= N) break;
        k += 4;  // a singular fit tries more neighbours, for this fit only
    }
    // Solved, or solved over the coefficients pivoted before the failing column (the plane
    // terms among them).
    if (lastFailed != 0 && lastFailed < 4) return false;
    for (int j = 0; j < 6; ++j) c[j] = surfaceNarrow(last[j]);
    return true;
}

// The quadratic of coefficients c about (x0, y0) at (x, y): height and gradient.
void quadraticAt(const float c[6], float x0, float y0, float x, float y, float& height, float& dzdx,
                 float& dzdy)
{
    const double dx = static_cast<double>(x) - x0, dy = static_cast<double>(y) - y0;
    height = surfaceNarrow(c[0] + c[1] * dx + c[2] * dy + c[3] * dx * dx + c[4] * dx * dy +
                           c[5] * dy * dy);
    dzdx = surfaceNarrow(c[1] + c[4] * dy + 2.0 * c[3] * dx);
    dzdy = surfaceNarrow(c[2] + c[4] * dx + 2.0 * c[5] * dy);
}

// Keeps a fit's coefficients as the last fit, with its gradient.
void keepFit(const float c[6])
{
    NetworkWorking& nw = surfaceState.networkWork;
    for (int j = 0; j < 6; ++j) nw.fit[j] = c[j];
    nw.fitGradient[0] = nw.fit[1];
    nw.fitGradient[1] = nw.fit[2];
}

// The vertices of triangle t and its centroid, where its fit is centred.
void centroidOf(const float* work, int t, int v[3], float& cx, float& cy)
{
    for (int k = 0; k < 3; ++k) v[k] = networkVertex(work, t, k + 1);
    cx = surfaceNarrow(
        (static_cast<double>(networkX(work, v[0])) + networkX(work, v[1]) + networkX(work, v[2])) /
        3.0);
    cy = surfaceNarrow(
        (static_cast<double>(networkY(work, v[0])) + networkY(work, v[1]) + networkY(work, v[2])) /
        3.0);
}

// The fits at the centroids of triangles first .. last - 1: whether each holds (ok) and the
// gradients of its fit at its three vertices (grads, six a triangle, counted from `first`).
void centroidFits(int first, int last, const FitSetup& setup, const float* work, float* dist,
                  float* number, const int* cells, float* grads, unsigned char* ok)
{
    for (int t = first; t < last; ++t) {
        int v[3];
        float cx = 0.0f, cy = 0.0f, c[6];
        centroidOf(work, t, v, cx, cy);
        const auto i = static_cast<size_t>(t - first);
        ok[i] =
            setup.usable && nearestFit(cx, cy, setup.k, work, dist, number, setup.room, c, cells);
        if (!ok[i]) continue;
        float* g = grads + 6 * i;
        float h = 0.0f;
        for (int k = 0; k < 3; ++k)
            quadraticAt(c, cx, cy, networkX(work, v[k]), networkY(work, v[k]), h, g[2 * k],
                        g[2 * k + 1]);
    }
}

// Triangles a thread fits at the least: fewer are not worth starting it for.
constexpr int kTrianglesPerThread = 8192;

// The centroid fits of every triangle, spread over threads in runs of consecutive triangles
// (neighbours in the table, so each thread's searches stay in few buckets).  The calling
// thread takes the first run with the spare table as its list; the others lists of their own.
// The gradients of a singular fit are left unset (ok 0).
std::unique_ptr<float[]> allCentroidFits(const FitSetup& setup, float* work,
                                         std::vector<unsigned char>& ok)
{
    const int T = surfaceState.network.triangleCount;
    auto grads = std::make_unique_for_overwrite<float[]>(static_cast<size_t>(T) * 6);
    ok.resize(static_cast<size_t>(T));
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int threads = std::clamp(T / kTrianglesPerThread, 1, std::min(cores, 8));
    float* spare = networkSpare(work);
    const std::vector<int> cells = setup.usable ? pointBuckets(work) : std::vector<int>{};
    const int* cellsOf = cells.empty() ? nullptr : cells.data();
    auto run = [&](int part, float* dist, float* number) {
        const int first = 1 + static_cast<int>(static_cast<long long>(T) * part / threads);
        const int last = 1 + static_cast<int>(static_cast<long long>(T) * (part + 1) / threads);
        centroidFits(first, last, setup, work, dist, number, cellsOf, grads.get() + 6 * (first - 1),
                     ok.data() + (first - 1));
    };
    const auto room = static_cast<size_t>(std::max(setup.room, 1));
    std::vector<std::unique_ptr<float[]>> lists;
    std::vector<std::thread> pool;
    std::vector<int> inlineParts;  // the parts no thread could be started for
    for (int part = 1; part < threads; ++part) {
        lists.emplace_back(new float[2 * room]);
        float* list = lists.back().get();
        try {
            pool.emplace_back(run, part, list, list + room);
        } catch (const std::system_error&) {
            inlineParts.push_back(part);
        }
    }
    run(0, spare, spare + setup.room);
    for (const int part : inlineParts) run(part, spare, spare + setup.room);
    for (std::thread& worker : pool) worker.join();
    return grads;
}

}  // namespace

namespace surflib {

void surfaceNearestFitHeight(float x, float y, float& height, float& dzdx, float& dzdy, float* work,
                             int& status)
{
    const FitSetup setup = fitSetup();
    status = 0;
    if (setup.fewNeighbours) surfaceReportError(kFewNeighbours);
    surfaceState.networkSettings.workingNeighbourCount = setup.k;
    float* dist = networkSpare(work);
    float c[6];
    if (!setup.usable || !nearestFit(x, y, setup.k, work, dist, dist + setup.room, setup.room, c)) {
        surfaceReportError(kNetworkFitSingular);
        status = kNetworkFitSingular;
        return;
    }
    keepFit(c);
    height = c[0];
    dzdx = c[1];
    dzdy = c[2];
}

void surfaceQuadraticPatch(float x0, float y0, float x, float y, float& height, float& dzdx,
                           float& dzdy)
{
    NetworkWorking& w = surfaceState.networkWork;
    quadraticAt(w.fit, x0, y0, x, y, height, dzdx, dzdy);
    w.fitGradient[0] = dzdx;
    w.fitGradient[1] = dzdy;
}

void surfaceComputeVertexGradients(float* work)
{
    const NetworkLayout& n = surfaceState.network;
    const int N = n.pointCount;
    for (int j = 1; j <= N; ++j) {
        networkPointField(work, j, kNetGradientWeight) = 0.0f;
        networkPointField(work, j, kNetDzdx) = 0.0f;
        networkPointField(work, j, kNetDzdy) = 0.0f;
    }
    // The fits and their gradients at the vertices first, side by side; then, in triangle
    // order, the warnings and the sums, as one fit after another would leave them.
    const FitSetup setup = fitSetup();
    std::vector<unsigned char> ok;
    const std::unique_ptr<float[]> grads = allCentroidFits(setup, work, ok);
    surfaceState.networkSettings.workingNeighbourCount = setup.k;
    int lastFitted = 0;
    for (int t = 1; t <= n.triangleCount; ++t) {
        const auto i = static_cast<size_t>(t - 1);
        if (setup.fewNeighbours) surfaceReportError(kFewNeighbours);
        if (!ok[i]) {
            surfaceReportError(kNetworkFitSingular);
            continue;
        }
        lastFitted = t;
        const float* g = grads.get() + 6 * i;
        for (int k = 0; k < 3; ++k) {
            const int v = networkVertex(work, t, k + 1);
            networkPointField(work, v, kNetDzdx) += g[2 * k];
            networkPointField(work, v, kNetDzdy) += g[2 * k + 1];
            networkPointField(work, v, kNetGradientWeight) += 1.0f;
        }
    }
    if (lastFitted > 0) {
        // The last fit and its last gradient stay, as after one fit after another.
        int v[3];
        float cx = 0.0f, cy = 0.0f, c[6];
        centroidOf(work, lastFitted, v, cx, cy);
        float* list = networkSpare(work);
        if (nearestFit(cx, cy, setup.k, work, list, list + setup.room, setup.room, c)) keepFit(c);
        const float* g = grads.get() + 6 * static_cast<size_t>(lastFitted - 1);
        surfaceState.networkWork.fitGradient[0] = g[4];
        surfaceState.networkWork.fitGradient[1] = g[5];
    }
    for (int j = 1; j <= N; ++j) {
        const float weight = networkPointField(work, j, kNetGradientWeight);
        if (weight > 0.0f) {
            networkPointField(work, j, kNetDzdx) /= weight;
            networkPointField(work, j, kNetDzdy) /= weight;
            continue;
        }
        // A point no fitted triangle reaches: the gradient of a fit at the point itself.
        float h = 0.0f, gx = 0.0f, gy = 0.0f;
        int status = 0;
        surfaceNearestFitHeight(networkX(work, j), networkY(work, j), h, gx, gy, work, status);
        networkPointField(work, j, kNetDzdx) = gx;
        networkPointField(work, j, kNetDzdy) = gy;
    }
}

}  // namespace surflib
