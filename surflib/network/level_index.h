// level_index.h - which triangles of a network a contour level can meet, found once a map so
// that the tracer visits only those: a level that meets no triangle costs next to nothing,
// and one that does costs in proportion to the triangles it meets.
//
// With straight lines a level meets a triangle when one vertex lies below it and another on
// or above it.  With curved lines it also meets one whose edge curve dips through it between
// two ends on one side: along each edge the cubic patch follows the Hermite cubic of the end
// heights and end slopes, which stays within the range of its four Bezier control heights, so
// that range (widened by the crossing tolerance) bounds where the edge can be crossed.
// Triangles outside the contoured part (region marks, heights that are no number) meet none.
//
// It also measures how close two levels may lie before the picture can no longer show their
// lines apart: in each triangle the lines are taken to stand as they do on the plane through
// its vertices on the picture, or, where steeper, on a plane rising over the triangle's height
// range along its longest side (a curved surface reaching beyond its vertices' heights), and
// apart when a thousandth of the map area's larger side lies between them, one line a device
// pixel as the graph library's grids count them.  A level is left out of an equally spaced map
// when, in every triangle it meets, it lies closer than that to the level drawn before it; so
// a map draws at most about a thousand levels for each triangle's range on the picture,
// whatever the count asked for.
#ifndef SURFLIB_NETWORK_LEVEL_INDEX_H
#define SURFLIB_NETWORK_LEVEL_INDEX_H

#include <cstddef>
#include <vector>

namespace surflib {

class NetworkLevelIndex {
public:
    // For the network in work and the tracer's mode in force (straight or curved lines).
    explicit NetworkLevelIndex(const float* work);
    // The triangles, in ascending order, that the normalised level can meet; every other
    // triangle has no crossing of the level on its edges.
    const std::vector<int>& meeting(float level);
    // The least height step (normalised) at which the lines of two levels stand apart on the
    // picture in some triangle that the level last passed to meeting() meets; 0 when it meets
    // none.  Needs the map transform of the map being drawn.
    double showableStep() const;
    // A triangle where an open line may start: one beside the hull or an excluded triangle.
    bool startCandidate(int t) const { return candidate_[static_cast<std::size_t>(t)] != 0; }
    // The tracer's working marks are cleared once, at the first level of the map.
    bool marksCleared = false;

private:
    int bucketOf(double z) const;
    bool meets(int t, float level) const;

    bool curved_;
    std::vector<float> low_, high_;  // by triangle number (0 unused)
    std::vector<double> step_;       // the showable step of each triangle
    std::vector<char> candidate_;
    double base_ = 0.0, width_ = 1.0;
    int buckets_ = 0;
    std::vector<int> first_, items_;  // triangles of bucket b: items_[first_[b] .. first_[b+1])
    std::vector<int> met_;
};

// The levels of an equally spaced map, in rising order, thinned to those the picture can show
// apart: a level is kept when it meets no triangle (it draws nothing), when none was kept
// before it, or when it lies at least the showable step above the level kept last.  The first
// level left out reports warning -77 (-1077).
class NetworkLevelThinning {
public:
    explicit NetworkLevelThinning(NetworkLevelIndex& index) : index_(index) {}
    bool keep(float level);

private:
    NetworkLevelIndex& index_;
    float kept_ = 0.0f;
    bool any_ = false, warned_ = false;
};

}  // namespace surflib

#endif
