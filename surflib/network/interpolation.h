// interpolation.h - heights of the surface a network stands for: locating a point in the
// triangles, the three methods (0 linear, 1 local weighted quadratic fit, 2 cubic patch of
// the Clough-Tocher split), vertex gradients, the level crossing on a segment, the level side
// test and the label clearance.  Everything is in the network's normalised units; `work` is
// the caller's workspace holding the network (network.h), already checked by
// surfaceNetworkStatus.  Results that the routines keep go to surfaceState.networkWork.
#ifndef SURFLIB_NETWORK_INTERPOLATION_H
#define SURFLIB_NETWORK_INTERPOLATION_H

namespace surflib {

// Finds the triangle holding (x, y), starting from |triangle| (a number outside 1..count
// starts from 1).  inside 1 / 0.  sub: the centroid sub-triangle (1 on edge P1P2, 2 on P2P3,
// 3 on P3P1), edge: that number when the point lies on the edge, vertex: 1..3 when the point
// is that vertex, slot: which neighbour column (1..3) of the start triangle held it, 0
// otherwise.  Outside the network: inside 0 and triangle / sub from
// surfaceNearestHullFeature (triangle 0 near a hull corner).  The barycentric coordinates and
// the vertex number stay in networkWork.
void surfaceLocateTriangle(float x, float y, float& height, int& inside, int& triangle, int& sub,
                           int& edge, int& slot, const float* work);
// While one lives, the locate and the nearest hull feature take their candidates from a grid
// over the triangles instead of scanning the whole table, with the same results; the
// triangles must not change meanwhile.
class NetworkLocateIndex {
public:
    explicit NetworkLocateIndex(const float* work);
    ~NetworkLocateIndex();
    NetworkLocateIndex(const NetworkLocateIndex&) = delete;
    NetworkLocateIndex& operator=(const NetworkLocateIndex&) = delete;
};
// What the sweep that builds a network tells the locate about its rows, which lie in x order
// (up to the tie rule): highX[r] the greatest x of rows 1..r, lowX[r] the least of rows r..rows
// (both 1-based).  While set, the locate's scan of the table passes over a triangle whose
// vertices' rows put it wholly beside the point, clear of the locate's tolerance; it finds the
// very triangle it would without them.
struct NetworkRowBounds {
    const float* highX;
    const float* lowX;
    int rows;
};
void surfaceSetRowBounds(const NetworkRowBounds* bounds);
// While one lives, the cubic patch of the triangle last asked about is kept for the next
// height or crossing in the same triangle, as a map's drawing asks for many in a row; the
// heights and gradients of the network must not change meanwhile.
class NetworkPatchMemo {
public:
    NetworkPatchMemo();
    ~NetworkPatchMemo();
    NetworkPatchMemo(const NetworkPatchMemo&) = delete;
    NetworkPatchMemo& operator=(const NetworkPatchMemo&) = delete;
};
// The nearest hull edge (its triangle, sub = the edge's number) or hull corner (triangle 0,
// hullPoint) of a point outside the network.  height := 0.
void surfaceNearestHullFeature(float x, float y, float& height, int& triangle, int& sub,
                               int& hullPoint, const float* work);

// Method 0: the plane of triangle t (extrapolated outside it).
void surfaceLinearHeight(float x, float y, float& height, int triangle, const float* work);
// Method 1: weighted quadratic fit over the nearest points.  status 0, or 72 when the fit
// stays singular (height and derivatives then untouched, error already reported).  Uses the
// spare table; needs the bucket index.  Leaves FitCoefficients in networkWork.fit.
void surfaceNearestFitHeight(float x, float y, float& height, float& dzdx, float& dzdy, float* work,
                             int& status);
// Evaluates the kept fit about (x0, y0) at (x, y).
void surfaceQuadraticPatch(float x0, float y0, float x, float y, float& height, float& dzdx,
                           float& dzdy);
// Method 2: the cubic patch of triangle t in sub-triangle sub (0: the sub-triangle that
// holds the point).  Needs vertex gradients.
void surfaceCubicPatchHeight(float x, float y, float& height, int triangle, int sub,
                             const float* work);
// The height by interpolationMethod: 0 linear in t, 1 the fit, 2 the patch in (t, sub).  A
// method that needs a triangle gets the fit when t is 0.
float surfaceNetworkHeight(float x, float y, int triangle, int sub, float* work);
// Mean over the triangles around each vertex of the gradients of the fits at their centroids
// (columns 106-108).  The caller sets gradientsReady.
void surfaceComputeVertexGradients(float* work);

// The point on the segment from end 1 to end 2 where the current method reaches level.  The
// end coordinates may be moved by 0.001 of the segment when an end lies on the level.
// networkWork.crossingFound tells whether the level was reached.
void surfaceLevelCrossing(int triangle, int sub, float level, float& x1, float& x2, float& y1,
                          float& y2, float h1, float h2, float& xc, float& yc, float* work);
// 0 when side * (level - height at (x, y)) > 0, else side; side when the point is outside.
void surfaceLevelSideTest(float x, float y, int side, int& result, float level, int& triangle,
                          float* work);
// Free space above and below a label of height labelHeight (picture units) centred at the
// middle of three contour points; into networkWork.clearanceAbove / clearanceBelow.  Reads
// the contour interval (GridState::contourInterval) and data height range (GridState zMin,
// zMax), both in the caller's units, and the map transform.
void surfaceLabelClearance(float x1, float x2, float x3, float y1, float y2, float y3, float level,
                           float labelHeight, float* work);

}  // namespace surflib

#endif
