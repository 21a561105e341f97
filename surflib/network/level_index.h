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
// pixel as the graph library's grids count them.  The levels of an equally spaced map are
// thinned by these steps (frame/level_thinning.h).
#ifndef SURFLIB_NETWORK_LEVEL_INDEX_H
#define SURFLIB_NETWORK_LEVEL_INDEX_H

#include <cstddef>
#include <vector>

#include "frame/level_thinning.h"

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
    // Every triangle the levels can meet, with its showable step, for the thinning of a map's
    // levels (frame/level_thinning.h).  Needs the map transform, as showableStep does.  Given
    // the levels the thinning will ask about, a triangle that meets none of them is added
    // with step 0: its range still bounds the spans, and its step is not worked out.
    void addSteps(SurfaceLevelSteps& steps, const std::vector<float>* asked = nullptr) const;
    // A triangle where an open line may start: one beside the hull or an excluded triangle.
    bool startCandidate(int t) const { return candidate_[static_cast<std::size_t>(t)] != 0; }
    // The tracer's working marks are cleared once, at the first level of the map.
    bool marksCleared = false;

private:
    int bucketOf(double z) const;
    bool meets(int t, float level) const;

    bool curved_;
    const float* work_;
    std::vector<float> low_, high_;  // by triangle number (0 unused)
    std::vector<char> candidate_;
    double base_ = 0.0, width_ = 1.0;
    int buckets_ = 0;
    std::vector<int> first_, items_;  // triangles of bucket b: items_[first_[b] .. first_[b+1])
    std::vector<int> met_;
};

}  // namespace surflib

#endif
