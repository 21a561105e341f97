// bandfill.cpp - band-filled contour maps of a triangulated network: FILTRI fills every band
// between consecutive levels of a new network map (with the contour lines over the bands when
// asked, the fill key, frame and markers), ADTFIL fills one more band on the network map drawn
// last.
//
// The work goes triangle by triangle.  Each triangle is split at its centroid as the contour
// tracer splits it, and the part of each sub-triangle whose height lies in a band is cut out by
// walking round the sub-triangle: a corner inside the band is kept, and where a side passes
// one of the band's levels the crossing point is taken, found by the same crossing search as
// the contour lines, so that the fills meet the lines drawn over them.  A corner counts as
// inside a band [low, high) when low <= height < high, so neighbouring bands share their
// boundary and together cover every triangle exactly once.  The lowest band reaches down to
// the data (and the highest up to it) unless the contour limits bound them.
//
// Each crossing is searched once and then shared: by the two bands that meet at its level,
// by the two sub-triangles along a spoke, and by the two triangles along an edge: a band fill
// searches about as many crossings as the lines of its levels.  The parts of a triangle's
// sub-triangles in one band then meet exactly along the spokes and go to the kernel as one
// outline where they make one.
#include "network/bandfill.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "frame/errors.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/bandfill.h"
#include "grid/overlays.h"
#include "grid/tracing.h"
#include "network/contour.h"
#include "network/interpolation.h"
#include "network/level_index.h"
#include "network/network.h"
#include "network/tracing.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr int kFlushPoints = 90;
constexpr int kFlushParts = 15;
constexpr int kPartRoom = 12;
// The outline of a triangle's parts in one band: at most the sides of its three parts.
constexpr int kMergedRoom = 3 * (kPartRoom - 1);
static_assert(kMergedRoom + 1 <= kNetworkFillRoom && kFlushParts + 1 < kNetworkFillParts,
              "a part fits an empty buffer, and one more part a buffer just short of flushing");
constexpr double kBandSlack = 1.0e-4;

void flushBuffer()
{
    NetworkContourWorking& w = surfaceState.networkContour;
    if (w.fillParts > 0 && w.fillPoints > 1) {
        surfaceSetFillCode(w.currentFillCode);
        surfaceFillMapAreas(w.fillParts, w.fillCounts, w.fillX, w.fillY);
    }
    w.fillPoints = 0;
    w.fillParts = 0;
}

// Appends one closed part of n points to the buffer, flushing it when it has grown full.
void addPart(const float* x, const float* y, int n)
{
    NetworkContourWorking& w = surfaceState.networkContour;
    if (w.fillPoints < 0 || w.fillParts < 0) w.fillPoints = w.fillParts = 0;
    if (w.fillPoints + n > kNetworkFillRoom) flushBuffer();
    for (int i = 0; i < n; ++i) {
        w.fillX[w.fillPoints + i] = x[i];
        w.fillY[w.fillPoints + i] = y[i];
    }
    w.fillPoints += n;
    w.fillCounts[w.fillParts++] = static_cast<float>(n);
    if (w.fillPoints > kFlushPoints || w.fillParts > kFlushParts) flushBuffer();
}

// One corner of a sub-triangle.
struct Corner {
    float x, y, z;
};

// A point against a band: -1 below, 0 inside, 1 above.
int classify(float z, const NetworkBand& band)
{
    if (band.hasLow && !(z >= band.low)) return -1;
    if (band.hasHigh && z >= band.high) return 1;
    return 0;
}

// A band bounded on both sides whose bounds are one height (levels closer than single
// precision tells apart at the network's scale) holds no corner: every part of it is a line.
// Passing it only saves the crossing searches, and no drawing can tell: with low == high no
// corner classifies as inside, a side's two crossings are one search at one level and give
// one point, and a sub-triangle's corners change side on at most two of its sides, so its
// part has at most two points and bandPart drops it anyway.  The saving is large: a chosen
// interval far below single precision at the data's scale gives a hundred thousand such
// bands, each a crossing search per side of every triangle it passes on a curved surface.
bool emptyBand(const NetworkBand& band)
{
    return band.hasLow && band.hasHigh && !(band.low < band.high);
}

struct PartBuilder {
    float x[kPartRoom], y[kPartRoom];
    int n = 0;
    void add(float px, float py)
    {
        if (n > 0 && x[n - 1] == px && y[n - 1] == py) return;
        if (n < kPartRoom - 1) {
            x[n] = px;
            y[n] = py;
            ++n;
        }
    }
};

// The crossings a triangle's six segments (edges 0..2, spokes 3..5 from the centroid to the
// vertices) gave last: the bands of a triangle go up one after another, so a band's upper level
// is the next band's lower one, and a spoke is a side of two sub-triangles.  Each segment keeps
// its two latest levels; a crossing is searched once for each segment and level.
class CrossingMemo {
public:
    bool find(int segment, float level, float& x, float& y) const
    {
        for (const Entry& e : entries_[segment]) {
            if (e.set && e.level == level) {
                x = e.x;
                y = e.y;
                return true;
            }
        }
        return false;
    }
    void keep(int segment, float level, float x, float y)
    {
        Entry(&e)[2] = entries_[segment];
        e[1] = e[0];
        e[0] = {true, level, x, y};
    }

private:
    struct Entry {
        bool set = false;
        float level = 0.0f, x = 0.0f, y = 0.0f;
    };
    Entry entries_[6][2];
};

// The edge crossings the triangles of a band fill found, each kept for the one neighbour
// across its edge that comes later (the triangles go in ascending order): the two triangles
// along an edge then fill up to the very same points, and each crossing is searched once.
class EdgeCrossingStore {
public:
    explicit EdgeCrossingStore(int triangles) : ranges_(static_cast<size_t>(triangles) + 1) {}
    // Triangle t is next: what it keeps follows what the triangles before it kept.
    void begin(int t)
    {
        const auto at = static_cast<unsigned>(entries_.size());
        ranges_[static_cast<size_t>(t)] = {at, at};
    }
    // The crossing of the level that the neighbour across edge (0..2) of t kept for it.
    bool find(const float* work, int t, int edge, float level, float& x, float& y) const
    {
        const int nb = networkNeighbour(work, t, edge + 1);
        if (nb < 1 || nb >= t) return false;
        int across = -1;
        for (int j = 1; j <= 3; ++j) {
            if (networkNeighbour(work, nb, j) == t) across = j - 1;
        }
        const Range r = ranges_[static_cast<size_t>(nb)];
        for (unsigned i = r.first; i < r.last; ++i) {
            const Entry& e = entries_[i];
            if (e.edge == across && e.level == level) {
                x = e.x;
                y = e.y;
                return true;
            }
        }
        return false;
    }
    // Keeps the crossing of t's edge when a later triangle lies across it.
    void keep(const float* work, int t, int edge, float level, float x, float y)
    {
        if (networkNeighbour(work, t, edge + 1) <= t) return;
        entries_.push_back({edge, level, x, y});
        ranges_[static_cast<size_t>(t)].last = static_cast<unsigned>(entries_.size());
    }

private:
    struct Entry {
        int edge;
        float level, x, y;
    };
    struct Range {
        unsigned first = 0, last = 0;
    };
    std::vector<Range> ranges_;
    std::vector<Entry> entries_;
};

// A side of a sub-triangle: its segment of the triangle, and whether its crossing is searched
// from its first end (the lower-numbered vertex of an edge, the centroid of a spoke) so that
// the triangles and sub-triangles along it find the same point.
struct Side {
    int segment;
    bool forward;
};

// Crossing of level on the side from u to v.
void sideCrossing(int t, int sub, float level, const Corner& u, const Corner& v, Side side,
                  CrossingMemo& memo, EdgeCrossingStore* store, float& xc, float& yc, float* work)
{
    if (memo.find(side.segment, level, xc, yc)) return;
    const bool edge = side.segment < 3;
    if (!(edge && store != nullptr && store->find(work, t, side.segment, level, xc, yc))) {
        if (side.forward) {
            surfaceSegmentCrossing(t, sub, level, u.x, u.y, u.z, v.x, v.y, v.z, xc, yc, work);
        } else {
            surfaceSegmentCrossing(t, sub, level, v.x, v.y, v.z, u.x, u.y, u.z, xc, yc, work);
        }
        if (edge && store != nullptr) store->keep(work, t, side.segment, level, xc, yc);
    }
    memo.keep(side.segment, level, xc, yc);
}

// The part of the sub-triangle a-b-g (sides a-b, b-g, g-a) inside the band, open (its first
// point not repeated); fewer than three points when it holds nothing.
void bandPart(int t, int sub, const Corner c[3], const Side sides[3], const NetworkBand& band,
              CrossingMemo& memo, EdgeCrossingStore* store, PartBuilder& part, float* work)
{
    part.n = 0;
    for (int s = 0; s < 3; ++s) {
        const Corner& u = c[s];
        const Corner& v = c[(s + 1) % 3];
        const int cu = classify(u.z, band), cv = classify(v.z, band);
        if (cu == 0) part.add(u.x, u.y);
        if (cu == cv) continue;
        float xc = 0.0f, yc = 0.0f;
        // The levels passed from u to v, in the order met.
        const bool up = cv > cu;
        const float first =
            up ? (cu == -1 ? band.low : band.high) : (cu == 1 ? band.high : band.low);
        sideCrossing(t, sub, first, u, v, sides[s], memo, store, xc, yc, work);
        part.add(xc, yc);
        if (cu * cv == -1) {
            const float second = up ? band.high : band.low;
            sideCrossing(t, sub, second, u, v, sides[s], memo, store, xc, yc, work);
            part.add(xc, yc);
        }
    }
    if (part.n >= 2 && part.x[part.n - 1] == part.x[0] && part.y[part.n - 1] == part.y[0]) --part.n;
}

// Adds an open part of n points, closed, to the fill buffer.
void addOpenPart(const float* x, const float* y, int n)
{
    float cx[kMergedRoom + 1], cy[kMergedRoom + 1];
    std::copy(x, x + n, cx);
    std::copy(y, y + n, cy);
    cx[n] = x[0];
    cy[n] = y[0];
    addPart(cx, cy, n + 1);
}

// The outline of the sub-triangles' parts of one band taken together: every side that two
// parts share (a piece of a spoke: the crossings on a spoke are one search for both of its
// sub-triangles, so the two parts hold the very same points) is dropped, and the sides left
// are joined end to end.  False (nothing written) unless they close into a single outline:
// parts that touch nowhere, or a band that rings the centroid, stay as they are.
bool joinParts(const PartBuilder parts[3], float* x, float* y, int& n)
{
    struct Edge {
        float x0, y0, x1, y1;
        bool used;
    };
    Edge edges[kMergedRoom];
    int count = 0, pieces = 0;
    for (int k = 0; k < 3; ++k) {
        const PartBuilder& p = parts[k];
        if (p.n < 3) continue;
        ++pieces;
        for (int i = 0; i < p.n; ++i) {
            const int j = (i + 1) % p.n;
            edges[count++] = {p.x[i], p.y[i], p.x[j], p.y[j], false};
        }
    }
    if (pieces < 2) return false;
    int shared = 0;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count && !edges[i].used; ++j) {
            const Edge& a = edges[i];
            Edge& b = edges[j];
            if (!b.used && a.x0 == b.x1 && a.y0 == b.y1 && a.x1 == b.x0 && a.y1 == b.y0) {
                edges[i].used = b.used = true;
                shared += 2;
            }
        }
    }
    if (shared == 0 || count - shared < 3) return false;
    // One outline from the first side left: each next side starts where the last one ended.
    int at = 0;
    while (edges[at].used) ++at;
    n = 0;
    const float startX = edges[at].x0, startY = edges[at].y0;
    for (int step = 0; step < count - shared; ++step) {
        Edge& e = edges[at];
        e.used = true;
        x[n] = e.x0;
        y[n] = e.y0;
        ++n;
        if (e.x1 == startX && e.y1 == startY) return step + 1 == count - shared;
        at = -1;
        for (int k = 0; k < count && at < 0; ++k) {
            if (!edges[k].used && edges[k].x0 == e.x1 && edges[k].y0 == e.y1) at = k;
        }
        if (at < 0) return false;
    }
    return false;
}

// Adds the parts of a triangle's sub-triangles in one band to the fill buffer: as one outline
// when they join into one, else each by itself.
void addTriangleParts(const PartBuilder parts[3])
{
    float x[kMergedRoom], y[kMergedRoom];
    int n = 0;
    if (joinParts(parts, x, y, n)) {
        addOpenPart(x, y, n);
        return;
    }
    for (int k = 0; k < 3; ++k) {
        if (parts[k].n >= 3) addOpenPart(parts[k].x, parts[k].y, parts[k].n);
    }
}

float bandBound(double level)
{
    return surfaceNarrow(surfaceNormaliseLevel(level) + static_cast<double>(surfaceState.eps));
}

struct BandPlan {
    NetworkBand band;
    int code;
};

// The corners of a triangle's centroid split: its vertices and the centroid with its height;
// and the crossings its bands found so far.
struct SplitTriangle {
    NetworkTriangle tri;
    Corner p[3], g;
    CrossingMemo memo;
    EdgeCrossingStore* store = nullptr;  // the map's, when the triangles go in order
};

// A band whose upper level lies below its lower one, from a level list that does not rise.
bool fallingBand(const NetworkBand& band)
{
    return band.hasLow && band.hasHigh && band.high < band.low;
}

// Adds the part of the split triangle inside the band to the fill buffer; restDone 1 when no
// corner lies above the band.  The bands of a triangle go in list order, each from where the
// one before stopped, so a falling band meets a triangle filled up to its lower level: where
// the triangle reaches below that level the band takes all of it above, and the triangle is
// done; a triangle wholly above the level is left to the bands after.
void fillSplitBand(const NetworkBand& given, int& restDone, int t, SplitTriangle& st, float* work)
{
    const NetworkTriangle& tri = st.tri;
    const Corner* p = st.p;
    const Corner& g = st.g;
    NetworkBand band = given;
    if (fallingBand(given)) {
        band.hasHigh = false;
        bool reachesBelow = false;
        for (const Corner& c : {p[0], p[1], p[2], g}) reachesBelow |= classify(c.z, band) < 0;
        if (!reachesBelow) return;
    }
    int below = 0, above = 0;
    for (const Corner& c : {p[0], p[1], p[2], g}) {
        const int k = classify(c.z, band);
        if (k < 0) ++below;
        if (k > 0) ++above;
    }
    if (above == 0) restDone = 1;
    if (below == 4 || above == 4 || emptyBand(band)) return;
    const bool fill = surfaceState.networkContour.currentFillCode >= 0;
    if (!fill) return;

    if (below == 0 && above == 0) {
        const float x[4] = {p[0].x, p[1].x, p[2].x, p[0].x};
        const float y[4] = {p[0].y, p[1].y, p[2].y, p[0].y};
        addPart(x, y, 4);
        return;
    }
    PartBuilder parts[3];
    for (int k = 0; k < 3; ++k) {
        const int a = k, b = (k + 1) % 3;
        const Corner c[3] = {p[a], p[b], g};
        // Edges from the lower vertex number, spokes from the centroid.
        const Side sides[3] = {{a, tri.v[a] < tri.v[b]}, {3 + b, false}, {3 + a, true}};
        bandPart(t, k + 1, c, sides, band, st.memo, st.store, parts[k], work);
    }
    addTriangleParts(parts);
}

// The split of triangle t; false for a region triangle or one with a height that is no
// number, which no band fills.
bool splitTriangle(int t, SplitTriangle& st, float* work)
{
    if (networkRegionMark(work, t) < -1.0f) return false;
    st.tri = surfaceNetworkTriangle(work, t);
    if (!surfaceTriangleHeightsFinite(st.tri)) return false;
    const NetworkTriangle& tri = st.tri;
    st.g = {tri.gx, tri.gy, surfaceNetworkSubHeight(tri.gx, tri.gy, t, 1, work)};
    for (int k = 0; k < 3; ++k) st.p[k] = {tri.x[k], tri.y[k], tri.z[k]};
    return true;
}

// Every corner lies above the band: the band holds nothing of the triangle.
bool aboveBand(const SplitTriangle& st, const NetworkBand& band)
{
    for (const Corner& c : {st.p[0], st.p[1], st.p[2], st.g}) {
        if (classify(c.z, band) != 1) return false;
    }
    return true;
}

// The bands rise one after another: each band's lower bound at most its upper one, the upper
// bounds in ascending order, and open upper bounds only at the end.  Then the bands that lie
// wholly below a triangle come first and are found by bisection.
bool bandsRise(const std::vector<BandPlan>& bands)
{
    bool open = false;
    float previous = -INFINITY;
    for (const BandPlan& bp : bands) {
        const NetworkBand& b = bp.band;
        if (!b.hasHigh) {
            open = true;
            continue;
        }
        if (open || !(b.high >= previous) || (b.hasLow && !(b.low <= b.high))) return false;
        previous = b.high;
    }
    return true;
}

void listFillBand(int code, float low, float high, bool warn)
{
    SurfaceLibraryState& s = surfaceState;
    if (warn || s.fillBandCount < kSurfaceMaxBands) surfaceListBand(code, low, high);
}

}  // namespace

namespace surflib {

// ---- One triangle and band --------------------------------------------------------------------

void surfaceFillTriangleBand(const NetworkBand& band, int& restDone, int t, float* work)
{
    restDone = 0;
    SplitTriangle st;
    if (splitTriangle(t, st, work)) fillSplitBand(band, restDone, t, st, work);
}

void surfaceFlushBandBuffer() { flushBuffer(); }

}  // namespace surflib

// ---- FILTRI and ADTFIL ------------------------------------------------------------------------

void FILTRI(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& ncont, const int& lineSwitch, const int* codes, const int& key,
            const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::FILTRI);
    NetworkRoutineScope network(wsize, work);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    if (!surfaceFlagOn(s.network.networkBuilt)) {
        surfaceReportError(kNoNetwork);
        return;
    }
    surfaceBeginDrawing(kBeginNetworkMap);
    int n = ncont;
    if (n < 0) {
        surfaceReportError(kNegativeCount);
        n = n == INT_MIN ? INT_MAX : -n;
    }
    // The caller's array holds |ncont| + 1 codes, whatever the level list says.
    const long long given = static_cast<long long>(n) + 1;
    if (key == 1) {
        s.fillKeyOn = -1;
    } else {
        if (key != 0) surfaceReportError(kBadSwitch);
        s.fillKeyOn = 0;
    }
    const bool list = surfaceFlagOn(s.contour.levelListOn);
    NetworkLevelPlan plan{};
    if (list) {
        n = std::clamp(s.levels.count, 0, kSurfaceMaxLevels);
        std::copy(s.levels.heights, s.levels.heights + n, plan.listed);
    }
    s.fillBandCount = 0;
    s.numberFormatWarned = 0;
    s.dataLabelWarned = 0;
    if (!surfaceStartNetworkMap(xlow, xhigh, ylow, yhigh, wsize, work, true, &lineSwitch)) return;
    const float dataMin = g.zMin, dataMax = g.zMax;
    surfacePlanNetworkLevels(n, list, plan);
    if (!surfaceNetworkMapFrame(false)) {
        s.drawing.code = kDrawingNone;
        g.zMin = dataMin;
        g.zMax = dataMax;
        return;
    }
    // A listed map keeps the list as given; any other lists the levels it draws.
    if (!list) surfaceRestartLevelList();

    if (n != 0) {
        const NetworkPatchMemo patches;
        // The levels as the lines over the bands are traced, a little raised, so that the
        // bands and the lines keep to the same levels.
        NetworkLevelIndex index(work);  // for the levels and the lines over the bands
        const std::vector<NetworkMapLevel> levels =
            surfaceNetworkMapLevels(plan, s.eps, work, &index);
        const auto at = [&](long long k) { return levels[static_cast<size_t>(k)].height; };
        const long long m = static_cast<long long>(levels.size());
        if (!list) {
            for (long long k = 0; k < m; ++k) {
                ContourLevelList& l = s.levels;
                if (l.count < kSurfaceMaxLevels) {
                    l.heights[l.count++] = surfaceNarrow(at(k));
                } else {
                    l.count = kSurfaceLevelOverflow;
                    break;
                }
            }
        }
        const bool limits = surfaceFlagOn(s.contour.limitsOn);
        const double range = plan.high - plan.low;
        const double tol = kBandSlack * (std::fabs(plan.low) + std::fabs(plan.high));
        CodeCycle cycle{codes, std::min<long long>(given, static_cast<long long>(n) + 1)};
        // The bands of the map: below the first level, between the levels, above the last.
        const long long bandCount = m + 1;
        // A band whose lower level lies on or below the data minimum reaches down to the data,
        // and the last band up to it when no top band is drawn above it, so that heights
        // right at the data's ends are filled too.
        const double slack = kBandSlack * range;
        // A range beyond the floats (an end of the data beyond them) has no slack to measure:
        // a level must then lie above the bottom or at the data minimum itself, or every band
        // between levels would reach down over the whole map below it.
        const bool infinite = std::isinf(range);
        const auto reachesDown = [&](double lo) {
            return lo <= static_cast<double>(dataMin) + (infinite ? 0.0 : slack);
        };
        const double gap = m > 0 ? at(0) - plan.low : 0.0;
        const bool bottomBand = range > 0.0 && (infinite ? gap > 0.0 : gap / range > kBandSlack);
        const bool topBand =
            !limits && m > 0 && std::max<double>(plan.high, dataMax) - (at(m - 1) + s.eps) > tol;
        auto bandAt = [&](long long b, BandPlan& out) -> bool {
            if (m == 0) return false;
            if (b == 0) {
                if (!bottomBand) return false;
                out.band = {plan.low > static_cast<double>(dataMin) + slack, bandBound(plan.low),
                            true, bandBound(at(0))};
                return true;
            }
            if (b < m) {
                const double lo = at(b - 1);
                const bool open = !bottomBand && reachesDown(lo);
                out.band = {!open, bandBound(lo), true, bandBound(at(b))};
                if (b == m - 1 && !limits && !topBand) out.band.hasHigh = false;
                return true;
            }
            if (!topBand) return false;
            const double lo = at(m - 1);
            const bool open = !bottomBand && reachesDown(lo);
            out.band = {!open, bandBound(lo), false, 0.0f};
            return true;
        };
        // The band table: every band once, with its code.
        std::vector<BandPlan> bands;
        {
            CodeCycle listing = cycle;
            for (long long b = 0; b < bandCount; ++b) {
                BandPlan bp{};
                if (!bandAt(b, bp)) continue;
                bp.code = listing.take();
                // The bands merged into this one, between levels left out, give up their codes.
                if (b > 0 && b < m) {
                    listing.pass(levels[static_cast<size_t>(b)].number -
                                 levels[static_cast<size_t>(b - 1)].number - 1);
                }
                bands.push_back(bp);
                const double lo = b == 0 ? plan.low : at(b - 1);
                const double hi = b < m ? at(b) : std::max<double>(plan.high, dataMax);
                listFillBand(bp.code, surfaceNarrow(lo), surfaceNarrow(hi), b == m);
            }
        }
        // Each triangle from its lowest band up to the first band with no corner above it;
        // the bands wholly below it are passed by bisection when the bands rise.
        const bool rising = bandsRise(bands);
        const int T = s.network.triangleCount;
        // The pieces of every band tile the network, whatever their order; what is drawn over
        // them goes after them.
        const SurfaceTiledFills tiled;
        EdgeCrossingStore store(T);
        for (int t = 1; t <= T; ++t) {
            SplitTriangle st;
            st.store = &store;
            store.begin(t);
            const bool filled = splitTriangle(t, st, work);
            size_t first = bands.size();
            if (filled) {
                const auto below = [&](const BandPlan& bp, int) { return aboveBand(st, bp.band); };
                first = rising
                    ? static_cast<size_t>(std::lower_bound(bands.begin(), bands.end(), 0, below) -
                                          bands.begin())
                    : 0;
            }
            if (first > 0 && !bands.empty())
                s.networkContour.currentFillCode = bands[first - 1].code;
            for (size_t i = first; i < bands.size(); ++i) {
                s.networkContour.currentFillCode = bands[i].code;
                int rest = 0;
                fillSplitBand(bands[i].band, rest, t, st, work);
                surfaceFlushBandBuffer();
                if (rest != 0) break;
            }
        }
        if (s.contour.fillLinesSwitch == 1) {
            surfaceDrawNetworkLevels(plan, levels, s.eps, false, wsize, work, &index);
        }
    }
    s.networkContour.fillDrawn = -1;
    surfaceFinishFilledMap(surfaceNetworkMapFrame, dataMin, dataMax, n, wsize, work);
}

void ADTFIL(const float& z1, const float& z2, const int& code, const int& lines,
            const int& lineSwitch, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::ADTFIL);
    NetworkRoutineScope network(wsize, work);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    SurfaceLibraryState& s = surfaceState;
    if (s.drawing.code != kDrawingNetworkMap) {
        surfaceReportError(kNoDrawingToAddTo);
        return;
    }
    int status = surfaceNetworkStatus(wsize, work);
    if (status == 0) surfacePartitionNetwork(wsize, status);
    if (status != 0) {
        s.drawing.code = kDrawingNone;
        surfaceReportError(status);
        return;
    }
    surfaceBeginDrawing(kAddToNetworkMap);
    const float low = std::min(z1, z2), high = std::max(z1, z2);
    const ContourSettings& c = s.contour;
    if (surfaceFlagOn(c.limitsOn) && (low < c.zLow || high > c.zHigh)) {
        surfaceReportError(kOutsideLimits);
    }
    if (!(static_cast<double>(high) - low >= s.eps)) {
        surfaceReportError(kThinBand);
        return;
    }
    s.networkContour.currentFillCode = code;
    int withLines = lines;
    if (withLines != 0 && withLines != 1) {
        surfaceReportError(kBadSwitch);
        withLines = 1;
    }
    surfaceStraightNetworkSwitch(lineSwitch);
    surfacePrepareNetwork(wsize, work, true, status);
    if (status > 0) {
        surfaceReportError(status);
        return;
    }
    if (!(s.network.zrange > 0.0f)) return;
    const NetworkBand band{true, bandBound(low), true, bandBound(high)};
    const int T = s.network.triangleCount;
    const SurfaceTiledFills tiled;
    for (int t = 1; t <= T; ++t) {
        int rest = 0;
        surfaceFillTriangleBand(band, rest, t, work);
    }
    surfaceFlushBandBuffer();
    if (withLines == 1) {
        const int pen = surfaceFlagOn(c.pensSet) ? c.linePen : s.saved.entryColour;
        s.currentPenCode = pen;
        surfaceSelectPen(pen);
        for (const float level : {low, high}) {
            surfaceContourNetworkLevels(bandBound(level), wsize, work);
            if (s.levels.count >= 0 && s.levels.count < kSurfaceMaxLevels) {
                surfaceListDrawnLevel(level, pen);
            } else {
                surfaceReportError(kLevelListFull);
            }
        }
    }
    surfaceListBand(code, low, high);
    s.networkContour.fillDrawn = -1;
}
