// contour.h - the set-up that the network contour maps (TRISET, DRATRI, ADTCON) and the
// network band fills (FILTRI, ADTFIL) share: the contour switch, the map window and the check
// of the network, the data height range, the levels and the frame calls.
//
// The map window, the data height range (caller's units) and the contour interval live in
// GridState (xMin .. yMax, zMin, zMax, contourInterval), where the map frames and the label
// clearance read them.
#ifndef SURFLIB_NETWORK_CONTOUR_H
#define SURFLIB_NETWORK_CONTOUR_H

#include <vector>

namespace surflib {

// Keeps interpolationMethod as it was at construction and puts it back at destruction.
class NetworkMethodKeeper {
public:
    NetworkMethodKeeper();
    ~NetworkMethodKeeper();
    NetworkMethodKeeper(const NetworkMethodKeeper&) = delete;
    NetworkMethodKeeper& operator=(const NetworkMethodKeeper&) = delete;

private:
    int method_;
};

// The contour switch of DRATRI and ADTCON: 0 straight lines, 1 curved lines (traced through
// subdivided triangles and drawn as smooth curves) unless the method is linear; method 1 is
// traced with the cubic patch.  Other values: warning -45 and straight lines.
void surfaceApplyNetworkSwitch(int lineSwitch);
// The switch of the band fills: warning -45 for other values than 0 and 1; straight always.
void surfaceStraightNetworkSwitch(int lineSwitch);

// The window, checked as a 10 by 10 grid, the check that the workspace holds the network, its
// layout, the bucket index and vertex gradients (prepare), and the data height range (flat
// data: error 17).  Reports what fails and returns false; the drawing then ends (code 1).
// straightSwitch, when given, is the band fills' line switch, checked once the window passes.
bool surfaceStartNetworkMap(float xlow, float xhigh, float ylow, float yhigh, int wsize,
                            float* work, bool prepare, const int* straightSwitch = nullptr);

// The levels of a map: first level, interval, the range they run over, and the list.
struct NetworkLevelPlan {
    double first, step;
    double low, high;
    int count;  // levels to draw from the list (0: no list)
    float listed[100];
};
// Nice intervals for n intervals over the data height range (zFactor, level exponent, label
// format and contour interval set), the first level on or above the data minimum; then the
// limits (n 1: warning -14 and 2) or the level list (count from n) when they are on.
void surfacePlanNetworkLevels(int& n, bool list, NetworkLevelPlan& plan);
// Lays the map out (frame type 3, nothing drawn) or draws its frame; false (status reported)
// when the frame fails.
bool surfaceNetworkMapFrame(bool drawn);
// The normalised height of a level in the caller's units.
float surfaceNormaliseLevel(double level);
// A level in the caller's units as it is traced: in single precision, normalised and raised
// by lift (normalised).
float surfaceTracedLevel(double level, float lift);
class NetworkLevelIndex;

// A level of a map: its height in the caller's units and its number among the levels asked.
struct NetworkMapLevel {
    double height;
    long long number;
};
// The levels a map draws: those of the list; or the equally spaced ones from the first level
// upwards by the interval while they stay within the range, less those the picture cannot show
// apart from the level drawn before them (surfaceThinLevels over the triangles' showable steps,
// warning -77, at the levels as traced, raised by lift); the first and the last level are kept,
// so that the map reaches over the whole range asked.  `index`, when given, is the map's index
// of the triangles by height (built here otherwise): one map builds it once for choosing its
// levels and for drawing them.
std::vector<NetworkMapLevel> surfaceNetworkMapLevels(const NetworkLevelPlan& plan, float lift,
                                                     const float* work,
                                                     NetworkLevelIndex* index = nullptr);
// The levels one after another: each with its pen (entry pen, or major and line pens, counted
// over the levels drawn), traced and drawn slightly raised by lift (normalised), listed when
// listThem is on, and the label rhythm advanced.  `index` as above.
void surfaceDrawNetworkLevels(const NetworkLevelPlan& plan,
                              const std::vector<NetworkMapLevel>& levels, float lift, bool listThem,
                              int wsize, float* work, NetworkLevelIndex* index = nullptr);

}  // namespace surflib

#endif
