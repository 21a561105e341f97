// triangulation.h - the steps that make and change the triangles of a network: the sweep
// build, the insertion of one stored point (hull fan, split of a triangle or of an edge), the
// Delaunay edge swaps, and the swap test of one given edge.  Point numbers are rows of the
// point table (network.h); triangleCount and hullStart of NetworkLayout are kept up to date.
#ifndef SURFLIB_NETWORK_TRIANGULATION_H
#define SURFLIB_NETWORK_TRIANGULATION_H

#include <vector>

#include "frame/errors.h"

namespace surflib {

// Statuses of an insertion besides 0 and kTriangleTableFull (71).
constexpr int kInsertNothingVisible = -1;  // no hull edge faces the point
constexpr int kInsertCoincides = 76;       // the point is an existing vertex
constexpr int kInsertNotPlaced = 73;       // no triangle or hull edge takes the point

// True when point p lies left of the directed line a -> b or on it (exact, no tolerance).
bool surfaceOrientationTest(int p, int a, int b, const float* work);

// Builds the triangulation of the N loaded, ordered points.  N may shrink when a point
// coincides with a vertex once normalised (it is then removed from the table).  Returns 0,
// 71 (triangle table full) or kCollinear (no three points span a triangle).
int surfaceTriangulatePoints(int& N, float* work);

// Inserts stored point p lying outside the hull, walking the hull from start: one new
// triangle per hull edge that faces p, hull list updated.  The new triangles go to created.
// Returns 0, 71, or kInsertNothingVisible (nothing changed).
int surfaceInsertNetworkPoint(int p, int start, std::vector<int>& created, float* work);

// Inserts stored point p wherever it lies: split of the triangle holding it, of the edge it
// lies on, or hull fan outside; then the edge swaps unless noSwap is set.  Returns 0, 71,
// kInsertCoincides or kInsertNotPlaced; nothing is changed unless it returns 0.
int surfaceInsertIntoNetwork(int p, float* work);

// Restores the Delaunay condition around p, starting from the edges opposite p in the given
// triangles (Lawson swaps, Cline-Renka circle test, never across a change of region sign).
void surfaceSwapEdges(int p, std::vector<int>& triangles, float* work);

// The swap test of the edge k (1..3) of triangle t, and the swap when it says so (the region
// rule holds).  Returns true when the edge was swapped.
bool surfaceTestRegionEdgeSwap(int t, int k, float* work);

// The triangle that has the directed edge a -> b, searching backwards from triangle `from`;
// 0 when none.  k receives the edge's number (1..3).
int surfaceFindEdgeOwner(int a, int b, int from, int& k, const float* work);

// Writes a whole triangle record; neighbour entries take the sign of mark.
void surfaceWriteTriangle(float* work, int t, int v1, int v2, int v3, int n1, int n2, int n3,
                          float mark);

}  // namespace surflib

#endif
