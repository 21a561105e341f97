// level_thinning.h - the equally spaced levels of a contour map thinned to those its picture can
// show apart, for gridded and network maps alike.
//
// A map is made of pieces (grid cells, network triangles).  Each piece meets the levels in a
// height range and shows the lines of two levels apart when they lie at least its showable
// step apart (a thousandth of the map area's larger side on the picture, over the steepest
// slope of the piece).  A level is kept when it is the first or the last level asked, when it
// meets no piece (it draws nothing), or when it lies at least the least showable step of the
// pieces it meets above the last kept level that met one.  Whatever the pieces, a level is also
// left out when it lies within kLevelSpanParts-th of the span of the levels asked of the level
// kept before it, or rounds to the same height: so a map keeps at most about kLevelSpanParts
// levels, spread over the whole span asked, however many are asked.
//
// The thinning jumps over runs of left-out levels, so that its cost grows with the levels kept
// and the pieces, not with the count asked.
#ifndef SURFLIB_FRAME_LEVEL_THINNING_H
#define SURFLIB_FRAME_LEVEL_THINNING_H

#include <functional>
#include <vector>

namespace surflib {

// The parts of the span asked within which two levels are never both kept.
constexpr double kLevelSpanParts = 200000.0;
// Lines the picture shows apart across the map area's larger side.
constexpr double kLinesAcrossMap = 1000.0;

// The least showable step of the pieces that meet a level, as a function of the level.
class SurfaceLevelSteps {
public:
    // A piece meeting the levels above low up to high, showing two lines apart at step.
    void add(float low, float high, double step);
    // Done adding: the least step over each stretch of heights is found.
    void finish();
    // Done adding, for a map that asks about few levels: the spans of just those levels are
    // found, in one pass over the pieces that costs no sort of them; at() answers for them as
    // after finish().  A level outside the list gets a pass of its own over the pieces.
    void finishFor(std::vector<float> levels);
    // The stretch of heights (from, to] a level lies in, with the least step of the pieces
    // meeting it; meets is false when no piece does.
    struct Span {
        double from, to;
        double step;
        bool meets;
    };
    Span at(float level) const;

private:
    struct Piece {
        float low, high;
        double step;
    };
    // The spans of the rising levels of the list, in one pass over the pieces.
    std::vector<Span> spansOf(const std::vector<float>& levels) const;

    std::vector<Piece> pieces_;
    std::vector<float> bounds_;  // stretch j is (bounds_[j], bounds_[j + 1]]
    std::vector<double> steps_;  // least step of stretch j; negative where none meets
    bool listed_ = false;        // finishFor: the pieces stay, the listed levels' spans found
    std::vector<float> levels_;  // rising, no two equal
    std::vector<Span> spans_;    // of levels_
};

// Whether a level of the rising list (no number among them) lies in low < level <= high, for
// low and high numbers.
bool surfaceLevelsMeet(const std::vector<float>& rising, float low, float high);

// The number of levels first + k step (k from 0) that are finite and lie at or below high, or
// above it by no more than slack; 1 for a step that does not rise.
long long surfaceCountLevels(double first, double step, double high, double slack);

// The numbers k (rising) of the levels kept among count levels, level k lying at height
// key(k) as it is traced (rising with k).  leftOut is set when any level is left out.
std::vector<long long> surfaceThinLevels(long long count,
                                         const std::function<float(long long)>& key,
                                         const SurfaceLevelSteps& steps, bool& leftOut);

// The steepest slope (height over picture length) of the plane through three picture points
// (x, y, height); not finite where the points stand on one line.
struct SurfacePicturePoint {
    double x, y, z;
};
double surfacePlaneSlope(const SurfacePicturePoint& a, const SurfacePicturePoint& b,
                         const SurfacePicturePoint& c);

}  // namespace surflib

#endif
