// tracing.h - contour lines of one level through a triangulated network, and their output.
//
// Each triangle is split at its centroid G into three sub-triangles (sub-triangle k lies on
// edge k, the edge from vertex k to vertex k mod 3 + 1).  A line enters a triangle through one
// edge, crosses one or two spokes G-vertex and leaves through another edge; every crossing is
// found on its segment by the crossing search with the heights of the current method.  In the
// subdivided mode each passage through a sub-triangle also gets intermediate points, so that
// lines follow the curved surface of the local fit and the cubic patch.
//
// Points gather in the NetworkPolylineBuffer of the state (normalised units), at most 195; a
// full buffer is drawn as a piece that shares its last segment with the next one.  Lines are
// drawn as polylines or smooth curves (NetworkContourWorking::smoothing) with the level's
// labels where there is room.
//
// The triangle marks (regionMark column) are the tracer's working marks during a level: 0 not
// visited, 1 start candidate, -1 finished, and in the subdivided mode 2 to 63 for a visited
// triangle whose edges still hold crossings not yet traced (one bit per crossing); marks of -2
// or less belong to regions and stay.  Every routine here works on a network already checked
// by surfaceNetworkStatus.
#ifndef SURFLIB_NETWORK_TRACING_H
#define SURFLIB_NETWORK_TRACING_H

namespace surflib {

class NetworkLevelIndex;

// Traces and draws every line of the normalised level: open lines (from the hull and the
// edges of excluded regions) first, then closed lines.  Leaves every working mark 0.  The
// levels of one map share an index of the triangles each level meets (built for one level
// when none is given); the network and its marks must not change meanwhile.
void surfaceContourNetworkLevels(float level, int wsize, float* work,
                                 NetworkLevelIndex* index = nullptr);

// One step of a line through triangle t, entered through edge `edge` (1..3) (in the
// subdivided mode at its crossing that rises through the level counter-clockwise).  start: on
// for the line's first step (the entry crossing is then found and put first).  On return edge
// is the triangle's exit edge.  false when the triangle gives no way through, or the entry
// crossing has been traced already.
bool surfaceTraceNetworkContour(float level, int t, int& start, int& edge, float* work);

// Crossing of two segments P1-P2 and Q1-Q2: flag -1 and the point (on Q1-Q2) when they cross
// within eps of both segments, flag 0 when they are parallel or miss each other.
void surfaceIntersectSegments(float p1x, float p1y, float p2x, float p2y, float q1x, float q1y,
                              float q2x, float q2y, int& flag, float& x, float& y);

// Parts (1..50) of a passage from (x1, y1) to (x2, y2) (normalised units): one per contour
// step of the map's diagonal.
int surfaceSubdivisionCount(float x1, float y1, float x2, float y2);

// Crossings of the level with edge k (1..3) of triangle t.  roots: 1 for an edge whose ends
// lie on either side of the level (x1, y1 the crossing); for an edge whose ends lie on one
// side, 2 when the curve of the surface along the edge dips through the level (both points,
// the one nearer (px, py) first), 0 when it only touches it or stays clear.  The two
// triangles that share an edge get the very same points.
void surfaceEdgeCubicCrossings(int t, int k, float level, float px, float py, int& roots, float& x1,
                               float& y1, float& x2, float& y2, float* work);

// Appends (x, y) to the line when it lies more than 1000 eps from the last point in x or y
// (appended flag 0), else not (-1); an empty line takes nothing.  A full line is drawn first.
void surfaceAppendContourPoint(float x, float y, float* work);

// Chooses the number format of the level's labels (value in the caller's units) and formats
// the text once without drawing it.
void surfaceChooseNetworkLabel(float value);

// Draws the n normalised points of a piece with labels, by the smoothing mode, with the
// neighbour points of the line buffer as end conditions.
void surfaceDrawNetworkContour(int n, const float* x, const float* y, float* work);

// ---- Shared with the band fills ---------------------------------------------------------------

// Vertex numbers, normalised coordinates and heights of a triangle.
struct NetworkTriangle {
    int v[3];
    float x[3], y[3], z[3];
    float gx, gy;  // centroid
};
NetworkTriangle surfaceNetworkTriangle(const float* work, int t);
// True when every vertex height of the triangle is a finite number.
bool surfaceTriangleHeightsFinite(const NetworkTriangle& tri);
// The height of the current method at (x, y) in sub-triangle sub of triangle t.
float surfaceNetworkSubHeight(float x, float y, int t, int sub, float* work);
// The crossing of the level on the segment (x1, y1, h1) - (x2, y2, h2) in sub-triangle sub of
// t; the end coordinates are not changed.
void surfaceSegmentCrossing(int t, int sub, float level, float x1, float y1, float h1, float x2,
                            float y2, float h2, float& xc, float& yc, float* work);
// The raw neighbour entry k (1..3) of triangle t: its sign is the triangle's region sign.
int surfaceRawNeighbour(const float* work, int t, int k);

}  // namespace surflib

#endif
