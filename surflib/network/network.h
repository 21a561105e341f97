// network.h - the triangulated network that lives in the caller's workspace (the network
// array), the part of the library state that describes it (NetworkLayout), and the entry and
// exit every network routine makes.
//
// The network array is the caller's array of S words (single-precision reals), addressed
// 1-based here: word w is work[w - 1].  With the capacity a = (S - 100) / 36:
//
//   words 1-4            status words, 1.0 set / 0.0 not set: gradientsReady,
//                        derivativesGiven, networkBuilt, bucketIndexBuilt
//   words 5-111          not used
//   12j+100 .. 12j+111   point record of point j = 1 .. N (N <= a - 1); field of column k
//                        (100 .. 111, see NetworkPointColumn) is word 12j + k
//   12a+100 .. 26a+99    triangle table: 2a rows by 7 columns stored column by column;
//                        column c of triangle t is word 12a + 100 + (t - 1) + (c - 1) * 2a
//   26a+100 .. S         spare table (at least 10a words) for the routines that use the
//                        network: the local fit keeps its candidate list there (2N words)
//
// Column 103 marks points whose height the network interpolated (TRIADD kind 0): the bucket
// index lists them with a negative number, however often it is rebuilt, so the local fit
// never takes them for data.
//
// Point and triangle numbers are stored as reals and read back by truncation
// (networkIndex).  Coordinates and heights are normalised to [0, 1] by the extents kept in
// NetworkLayout (xmin, xrange, ...); gradients are in normalised units as well.
//
// Triangles: vertices counter-clockwise; neighbour k lies across the edge from vertex k to
// vertex k mod 3 + 1 (0 on the hull); every neighbour entry carries the sign of its own
// triangle's regionMark, so read neighbours through networkNeighbour (absolute value).
// regionMark 0 for ordinary triangles, -5 (or less) for triangles marked by a region; marks
// from -1 to 1 and up to 63 are working marks of the contour tracer, 0 again after a level.
//
// State (surfaceState.network, a NetworkLayout): storedSize (S of the last build, 0 none),
// capacity a, triangleStart = 12a + 100, spareStart = 26a + 100, the normalisation,
// triangleCount, pointCount N (the network's own; GridState::pointCount is set from it at
// every network routine's entry, since the random-point gridding shares that word), hullStart
// (first hull point; hullNext / hullPrevious of the point records walk the hull), the bucket
// grid (bucketCount nb, bucketLeft, bucketBottom, bucketWidth, bucketHeight), and the flags.
//
// Every network routine reads and writes the array only through these accessors, and only
// after surfaceNetworkStatus said the workspace holds the network of the last build; that
// check also validates every stored point, triangle and hull number, so a walk through the
// tables never leaves the array.
#ifndef SURFLIB_NETWORK_NETWORK_H
#define SURFLIB_NETWORK_NETWORK_H

#include <cassert>

#include "frame/errors.h"
#include "frame/state.h"

namespace surflib {

constexpr int kNetworkBase = 100;
constexpr int kNetworkHeaderWords = 4;
constexpr int kNetworkWordsPerPoint = 36;  // 12 point words, 14 triangle words, 10 spare
constexpr int kNetworkTriangleColumns = 7;

// Header words (1-based).
enum NetworkHeaderWord {
    kHeaderGradientsReady = 1,
    kHeaderDerivativesGiven = 2,
    kHeaderNetworkBuilt = 3,
    kHeaderBucketIndexBuilt = 4,
};

// Columns of a point record: the field of point j is word 12j + column.
enum NetworkPointColumn {
    kNetX = 100,  // (x - xmin) / xrange
    kNetY = 101,
    kNetZ = 102,
    kNetInterpolated = 103,  // 1.0: height interpolated by TRIADD kind 0, not data
    kNetBucketList = 104,    // row m: m-th point of the bucket list (negative: not data)
    kNetBucketStart = 105,   // row m: list position of bucket m's first point
    kNetGradientWeight = 106,
    kNetDzdx = 107,  // normalised: dz/dx * xrange / zrange
    kNetDzdy = 108,
    kNetInsertMark = 109,
    kNetHullPrevious = 110,  // clockwise hull neighbour, 0 for an interior point
    kNetHullNext = 111,      // counter-clockwise hull neighbour
};

// Columns of a triangle record.
enum NetworkTriangleColumn {
    kTriVertex1 = 1,
    kTriNeighbour1 = 4,
    kTriRegionMark = 7,
};

constexpr float kRegionMark = -5.0f;

// ---- Reading the array ----------------------------------------------------------------------

// A stored point or triangle number: truncated; 0 for a value that is no number or lies
// beyond the integers the array can hold.
inline int networkIndex(float v)
{
    if (!(v > -16777217.0f && v < 16777217.0f)) return 0;
    return static_cast<int>(v);
}

inline float& networkWord(float* work, long long word) { return work[word - 1]; }
inline float networkWord(const float* work, long long word) { return work[word - 1]; }

inline float& networkPointField(float* work, int j, int column)
{
    return work[12LL * j + column - 1];
}
inline float networkPointField(const float* work, int j, int column)
{
    return work[12LL * j + column - 1];
}

inline long long networkTriangleWord(int t, int column)
{
    const NetworkLayout& n = surfaceState.network;
    // Triangle rows run 1 .. 2 capacity in each of the seven columns.
    assert(t >= 1 && t <= 2LL * n.capacity);
    assert(column >= 1 && column <= kNetworkTriangleColumns);
    return static_cast<long long>(n.triangleStart) + (t - 1) +
        static_cast<long long>(column - 1) * 2LL * n.capacity;
}
inline float& networkTriangleField(float* work, int t, int column)
{
    return work[networkTriangleWord(t, column) - 1];
}
inline float networkTriangleField(const float* work, int t, int column)
{
    return work[networkTriangleWord(t, column) - 1];
}

// Vertex k (1..3) of triangle t.
inline int networkVertex(const float* work, int t, int k)
{
    assert(k >= 1 && k <= 3);
    return networkIndex(networkTriangleField(work, t, kTriVertex1 + k - 1));
}
// Neighbour k (1..3) of triangle t, without its sign; 0 on the hull.
inline int networkNeighbour(const float* work, int t, int k)
{
    assert(k >= 1 && k <= 3);
    const int v = networkIndex(networkTriangleField(work, t, kTriNeighbour1 + k - 1));
    return v < 0 ? -v : v;
}
// Writes neighbour k of t with the sign of t's regionMark.
inline void networkSetNeighbour(float* work, int t, int k, int neighbour)
{
    assert(k >= 1 && k <= 3);
    const float mark = networkTriangleField(work, t, kTriRegionMark);
    const int n = neighbour < 0 ? -neighbour : neighbour;
    networkTriangleField(work, t, kTriNeighbour1 + k - 1) =
        static_cast<float>(mark < 0.0f ? -n : n);
}
inline float networkRegionMark(const float* work, int t)
{
    return networkTriangleField(work, t, kTriRegionMark);
}

// Normalised coordinates of point j.
inline float networkX(const float* work, int j) { return networkPointField(work, j, kNetX); }
inline float networkY(const float* work, int j) { return networkPointField(work, j, kNetY); }
inline float networkZ(const float* work, int j) { return networkPointField(work, j, kNetZ); }

// The spare table and its length in words.
inline float* networkSpare(float* work) { return work + surfaceState.network.spareStart - 1; }
inline long long networkSpareLength()
{
    const NetworkLayout& n = surfaceState.network;
    return static_cast<long long>(n.storedSize) - n.spareStart + 1;
}

// ---- Layout, loading, checking (network/layout.cpp) -----------------------------------------

// Lays the array out for the current point count (GridState::pointCount): storedSize, the
// column numbers, capacity, table starts.  status 3 when a < N + 1, else 0.  Writes nothing
// into the array.
void surfacePartitionNetwork(int S, int& status);
// Fills point rows 1 .. N from x, y, z (normalised by their extents), drops points within eps
// of an earlier one in x and y (warning -76, N reduced), and orders them: row 1 the leftmost
// (lowest y among equal x), rows 2 .. N by increasing x, ties within eps by increasing y.
// With derivativesGiven the caller's derivatives already stand in columns 107, 108 of each
// input point's row, and are scaled and kept with their points.
void surfaceLoadNetworkPoints(int& N, const float* x, const float* y, const float* z, int S,
                              float* work);
// Builds the bucket index of the stored points (columns 104, 105) and sets bucketIndexBuilt.
// status 0, 1 (no bucket grid can be made), or 15 / 16 (x or y extent below the tolerance).
void surfaceCheckNetwork(int S, float* work, int& status);

// ---- Entry and exit of every network routine ------------------------------------------------

// Header words 1-4 into the four flags (a word counts as set above eps; a workspace shorter
// than the header counts as all clear) and networkRoutineActive on.
void surfaceReadNetworkHeader(int wsize, const float* work);
// Whether the workspace holds the network of the last build: 0 yes; 3 for a workspace with no
// array or no words; 74 when networkBuilt is off or the tables hold numbers no build could have
// written; 3 when no network was built since the state was initialised or wsize is not the
// stored size.  Reports nothing.  On 0
// the network's point count is put back into GridState.
int surfaceNetworkStatus(int wsize, const float* work);
// networkRoutineActive off, header words 1-4 written from the flags (when the array has them).
void surfaceWriteNetworkHeader(int wsize, float* work);
// surfaceCheckNetwork when the bucket index is missing, then the vertex gradients when
// neither gradientsReady nor derivativesGiven is set (gradientsReady is then set).  withGradients
// false skips the gradients.  status: that of surfaceCheckNetwork.
void surfacePrepareNetwork(int wsize, float* work, bool withGradients, int& status);

// Reads the header at construction and writes it back at destruction.
class NetworkRoutineScope {
public:
    NetworkRoutineScope(int wsize, float* work);
    ~NetworkRoutineScope();
    NetworkRoutineScope(const NetworkRoutineScope&) = delete;
    NetworkRoutineScope& operator=(const NetworkRoutineScope&) = delete;

private:
    int wsize_;
    float* work_;
};

}  // namespace surflib

#endif
