// hidden_lines.cpp - hidden-line removal of perspective surfaces.
//
// The grid lines of one family are walked from the line nearest the eye outwards.  What has
// been drawn so far is kept as two horizons: the upper and the lower outline of the picture,
// each a piecewise-linear function of the ray key.  Vertical lines of the surface converge on
// the vanishing point of the fit, so a point is described by its ray (the key: the angle of the
// ray from the vanishing point, measured from the ray through the middle of the base) and its
// distance along that ray; above and below are judged along those rays.  Each new line is
// joined to its neighbour towards the eye by cross pieces: these go into the horizons first,
// then the parts of the new line outside the band between the horizons are drawn, then the
// line itself goes in.  So the strip between two lines hides what lies behind it, the new
// line included.  When the eye stands over the lines of a family, the strip under the eye is
// taken first and the walk goes out from it to both edges of the grid.
//
// The horizons are chains of slots in the caller's workspace: the 8 L words of the outline
// arrays (frame/picture_workspace.h) are 2 L slots shared by both, L >= 3 m, m = max(nx, ny),
// so at least 6 m.  A merge relinks only the slots a segment covers, and the store keeps no
// more than the picture needs:
//   - only the horizons that are read: the upper one for the top of the surface (base types 0
//     to 3), the lower one for the underside (3 and 4); a filled picture keeps both for its
//     profile and the axes clipped against it;
//   - at one key at most two points, the horizon's value from either side: a segment starting
//     or ending on a point of the horizon takes the place of the points between;
//   - no point within 1e-5 of the picture of the chord of its neighbours;
//   - a cross piece only in a horizon where the new line will not cover it.
// A horizon then holds the points of the last line that show, the edges of the grid past its
// ends (up to the line count on either side) and one point where lines cross in the picture:
// m + 2 m plus the crossings.  Measured over smooth, rolling and ridged surfaces of 10 to 46
// nodes each way in every kind of view: one horizon at most 4.1 m, both at most 5.9 m (10 x 10
// rolling hills seen from 10 degrees), within the 6 m of the smallest workspace.  A surface that
// needs more (random heights seen from above and below) fills the store: error 37, and the
// walk of that family draws nothing more, since a horizon short of a segment would let later
// lines show through; a filled picture then keeps no outline.  Visible runs are drawn through
// the 100-point HiddenLineBuffer, flushed at 99 points with the last point carried over.
#include <algorithm>
#include <cmath>

#include "frame/errors.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/picture_workspace.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "surface/surface.h"

namespace surflib {

float surfaceClampedNode(const float* grid, int nx, int i, int j, float zlow, float zhigh)
{
    const float v = grid[static_cast<long long>(j) * nx + i];
    if (!std::isfinite(v)) return zlow;  // a missing height lies on the base
    return std::clamp(v, zlow, zhigh);
}

// ---- The buffer of visible runs -------------------------------------------------------------

void surfaceHiddenRunStart() { surfaceState.hiddenLines.count = 0; }

void surfaceHiddenRunAdd(float X, float Y)
{
    HiddenLineBuffer& b = surfaceState.hiddenLines;
    if (b.count > 0 && b.x[b.count - 1] == X && b.y[b.count - 1] == Y) return;
    b.x[b.count] = X;
    b.y[b.count] = Y;
    ++b.count;
    if (b.count >= kHiddenLineFlush) {
        surfaceDrawPolyline(b.count, b.x, b.y);
        b.x[0] = b.x[b.count - 1];
        b.y[0] = b.y[b.count - 1];
        b.count = 1;
    }
}

void surfaceHiddenRunEnd()
{
    HiddenLineBuffer& b = surfaceState.hiddenLines;
    if (b.count > 1) surfaceDrawPolyline(b.count, b.x, b.y);
    b.count = 0;
}

namespace {

// ---- Horizons -------------------------------------------------------------------------------

// The slots of the outline store in the workspace.  While a family of lines is walked, both
// horizons are chains of slots linked both ways (previous and next slot numbers stored as
// reals), with their points in ascending key; the slots of neither chain form the free chain.
// An update unlinks the slots a segment covers and links in its new points, so its cost grows
// with the span of the segment, never with the length of the horizon.  After a walk the chains
// are put in key order at the front of the key and height runs, in place (a compact copy,
// prev and next null), which the profile and the clipped axes read.
struct SlotStore {
    float* prev;
    float* next;
    float* key;
    float* h;
    int capacity;
    int freeHead;  // -1: the store is full
    bool full;     // error 37 was reported for this walk
    double flat;   // a point this near the chord of its neighbours adds nothing (picture units)
    bool squared;  // heights are projective: a picture length scales with their square
    long long changes;  // links and unlinks so far
};

// One horizon: a chain of the store, or a run of slots of its compact copy.  The finger is the
// slot last looked at: consecutive searches start from it, and the segments of a walk lie next
// to each other, so a search moves over the points between two segments only.
struct Horizon {
    int head, tail, finger;
    int count;
};

constexpr int kNoSlot = -1;
// A horizon point within this fraction of the picture of the chord of its neighbours adds
// nothing: far below what a drawing shows, far above the rounding of the projected points.
constexpr double kFlatness = 1e-5;
// Slot numbers are stored as reals; above this they would no longer be exact.
constexpr int kMaxSlots = 1 << 24;

int slotAt(const float* a, int k) { return static_cast<int>(a[k]); }

int nextSlot(const SlotStore& st, const Horizon& H, int k)
{
    if (st.next != nullptr) return slotAt(st.next, k);
    return k < H.tail ? k + 1 : kNoSlot;
}

int prevSlot(const SlotStore& st, const Horizon& H, int k)
{
    if (st.prev != nullptr) return slotAt(st.prev, k);
    return k > H.head ? k - 1 : kNoSlot;
}

// All slots free, both horizons empty.
void storeReset(SlotStore& st, Horizon& upper, Horizon& lower)
{
    for (int k = 0; k < st.capacity; ++k)
        st.next[k] = static_cast<float>(k + 1 < st.capacity ? k + 1 : kNoSlot);
    st.freeHead = st.capacity > 0 ? 0 : kNoSlot;
    upper = lower = Horizon{kNoSlot, kNoSlot, kNoSlot, 0};
}

// Links a new point after slot `after` (kNoSlot: at the head); the new slot, or kNoSlot when
// the store is full.
int linkAfter(SlotStore& st, Horizon& H, int after, double key, double h)
{
    const int k = st.freeHead;
    if (k == kNoSlot) return kNoSlot;
    ++st.changes;
    st.freeHead = slotAt(st.next, k);
    const int following = after == kNoSlot ? H.head : slotAt(st.next, after);
    st.key[k] = static_cast<float>(key);
    st.h[k] = static_cast<float>(h);
    st.prev[k] = static_cast<float>(after);
    st.next[k] = static_cast<float>(following);
    if (after == kNoSlot) H.head = k;
    else st.next[after] = static_cast<float>(k);
    if (following == kNoSlot) H.tail = k;
    else st.prev[following] = static_cast<float>(k);
    ++H.count;
    return k;
}

void unlink(SlotStore& st, Horizon& H, int k)
{
    ++st.changes;
    const int before = slotAt(st.prev, k), after = slotAt(st.next, k);
    if (before == kNoSlot) H.head = after;
    else st.next[before] = static_cast<float>(after);
    if (after == kNoSlot) H.tail = before;
    else st.prev[after] = static_cast<float>(before);
    if (H.finger == k) H.finger = before != kNoSlot ? before : after;
    st.next[k] = static_cast<float>(st.freeHead);
    st.freeHead = k;
    --H.count;
}

// The last slot whose key is at most k (below k when strict); kNoSlot when there is none.
int locate(const SlotStore& st, Horizon& H, double k, bool strict)
{
    auto before = [&](int s) { return strict ? st.key[s] < k : st.key[s] <= k; };
    int s = H.finger != kNoSlot ? H.finger : H.head;
    if (s == kNoSlot) return kNoSlot;
    if (before(s)) {
        for (int n = nextSlot(st, H, s); n != kNoSlot && before(n); n = nextSlot(st, H, s)) s = n;
    } else {
        while (s != kNoSlot && !before(s)) s = prevSlot(st, H, s);
    }
    H.finger = s != kNoSlot ? s : H.head;
    return s;
}

// The horizon between two slots of it (either may be kNoSlot) at key k; false where it is not
// defined.
bool valueBetween(const SlotStore& st, int lo, int hi, double k, double& v)
{
    if (lo == kNoSlot || hi == kNoSlot) {
        const int s = lo != kNoSlot ? lo : hi;
        if (s == kNoSlot || st.key[s] != static_cast<float>(k)) return false;
        v = st.h[s];
        return true;
    }
    const double k0 = st.key[lo], k1 = st.key[hi];
    if (!(k1 > k0)) {
        v = std::max(st.h[lo], st.h[hi]);
        return true;
    }
    const double t = std::clamp((k - k0) / (k1 - k0), 0.0, 1.0);
    v = st.h[lo] + (st.h[hi] - static_cast<double>(st.h[lo])) * t;
    return true;
}

// At one key the horizon keeps at most two points: its value coming from lower keys (the
// first) and going on to higher ones (the last).  A segment that starts at key k above H
// makes every point at k after the first one lie inside its jump: those go, from `last` back.
int firstOfRun(SlotStore& st, Horizon& H, int last)
{
    for (int p = prevSlot(st, H, last); p != kNoSlot && st.key[p] == st.key[last];
         p = prevSlot(st, H, last)) {
        unlink(st, H, last);
        last = p;
    }
    return last;
}

// A segment that ends at key k above H, which goes on from the points at k starting with
// slot s: of those only the last stays (H going on from k), and not even that when it lies
// where the segment ends.
void dropRunUnder(SlotStore& st, Horizon& H, int s, double v)
{
    for (int n = nextSlot(st, H, s); n != kNoSlot && st.key[n] == st.key[s];
         n = nextSlot(st, H, s)) {
        unlink(st, H, s);
        s = n;
    }
    if (st.h[s] == static_cast<float>(v) && nextSlot(st, H, s) != kNoSlot) unlink(st, H, s);
}

// Whether point b adds nothing between its neighbours a and c: it lies within the store's
// flatness of their chord.
bool addsNothing(const SlotStore& st, int a, int b, int c)
{
    const double ka = st.key[a], kb = st.key[b], kc = st.key[c];
    if (!(ka < kb && kb < kc)) return false;  // one side of a jump
    const double hb = st.h[b];
    const double chord = st.h[a] + (st.h[c] - static_cast<double>(st.h[a])) * (kb - ka) / (kc - ka);
    return std::fabs(hb - chord) <= st.flat * (st.squared ? hb * hb : 1.0);
}

// Unlinks the points that add nothing from the last one before key k1 to the first one past
// k2: the stretch a merge changed and its two neighbours.
void dropFlat(SlotStore& st, Horizon& H, double k1, double k2)
{
    if (!(st.flat > 0.0)) return;
    int b = locate(st, H, k1, true);
    for (b = b == kNoSlot ? H.head : b; b != kNoSlot;) {
        const int a = prevSlot(st, H, b), c = nextSlot(st, H, b);
        const bool past = st.key[b] > k2;
        if (a != kNoSlot && c != kNoSlot && addsNothing(st, a, b, c)) unlink(st, H, b);
        if (past) return;
        b = c;
    }
}

// Merges the segment (k1, v1)-(k2, v2), k1 < k2, into H as the larger of the two, in place:
// the points the segment passes over are unlinked, its ends and its crossings with H linked in.
// false when the store ran out of slots.
bool mergeSegment(SlotStore& st, Horizon& H, double k1, double v1, double k2, double v2)
{
    // The stored precision throughout, so that every new key falls between its neighbours.
    k1 = static_cast<float>(k1), v1 = static_cast<float>(v1);
    k2 = static_cast<float>(k2), v2 = static_cast<float>(v2);
    if (!(k2 > k1)) return true;  // seen end on: nothing to add
    auto seg = [&](double k) { return v1 + (v2 - v1) * (k - k1) / (k2 - k1); };
    bool ok = true;
    int last = locate(st, H, k1, false);  // new points go after this slot
    const long long changesBefore = st.changes;
    auto add = [&](double k, double v) {
        if (!ok) return;
        if (last != kNoSlot && st.key[last] == static_cast<float>(k) &&
            st.h[last] == static_cast<float>(v))
            return;
        const int s = linkAfter(st, H, last, k, v);
        if (s == kNoSlot) ok = false;
        else last = s;
    };
    // The new points and their neighbours lose what lies on the chord of its neighbours.
    auto finish = [&] {
        if (ok && st.changes != changesBefore) dropFlat(st, H, k1, k2);
        return ok;
    };
    int s = last == kNoSlot ? H.head : slotAt(st.next, last);
    double prevK = k1, prevD = 0.0;  // the last breakpoint and seg - H there
    double hv = 0.0;
    bool defined = valueBetween(st, last, s, k1, hv);
    if (defined) {
        prevD = v1 - hv;
        if (prevD > 0.0) {
            if (st.key[last] < static_cast<float>(k1)) add(k1, hv);  // H jumps up to the segment
            else last = firstOfRun(st, H, last);
            add(k1, v1);
        }
    } else {
        add(k1, v1);
    }
    while (ok && s != kNoSlot && st.key[s] < k2) {
        const int following = slotAt(st.next, s);
        const double ks = st.key[s], d = seg(ks) - st.h[s];
        if (!defined) {
            if (d < 0.0) add(ks, seg(ks));  // H begins inside the segment, above it
        } else if ((d > 0.0 && prevD < 0.0) || (d < 0.0 && prevD > 0.0)) {
            const double kc = prevK + (ks - prevK) * prevD / (prevD - d);
            add(kc, seg(kc));
        }
        if (!ok) break;
        if (d > 0.0) {
            unlink(st, H, s);
        } else {
            last = s;
        }
        prevK = ks, prevD = d, defined = true;
        s = following;
    }
    if (!ok) return false;
    if (s == kNoSlot) {
        if (defined && prevD < 0.0) add(prevK, seg(prevK));  // H ends inside, above the segment
        add(k2, v2);
        return finish();
    }
    // H goes on at or past k2: its value there lies between the last breakpoint and s.
    const double ks = st.key[s];
    if (defined) {
        const double hPrev = seg(prevK) - prevD;
        hv = ks > prevK ? hPrev + (st.h[s] - hPrev) * (k2 - prevK) / (ks - prevK) : st.h[s];
    } else if (ks == k2) {
        hv = st.h[s];
    } else {
        add(k2, v2);
        return finish();
    }
    const double d2 = v2 - hv;
    if (defined && ((d2 > 0.0 && prevD < 0.0) || (d2 < 0.0 && prevD > 0.0))) {
        const double kc = prevK + (k2 - prevK) * prevD / (prevD - d2);
        add(kc, seg(kc));
    }
    if (d2 > 0.0) {
        if (ks == k2) dropRunUnder(st, H, s, v2);
        add(k2, v2);
        if (ks > k2) add(k2, hv);  // down again to H
    }
    return finish();
}

// A walk over the points of H strictly between two keys, in either direction, keeping the two
// points that bracket the current key.
struct HorizonCursor {
    const SlotStore* st;
    Horizon* H;
    int lo, hi;
    bool up;

    HorizonCursor(const SlotStore& s, Horizon& h, double from, bool increasing)
        : st(&s), H(&h), lo(kNoSlot), hi(kNoSlot), up(increasing)
    {
        lo = locate(s, h, from, !increasing);
        hi = lo == kNoSlot ? h.head : nextSlot(s, h, lo);
    }
    bool before(double end) const
    {
        return up ? hi != kNoSlot && st->key[hi] < end : lo != kNoSlot && st->key[lo] > end;
    }
    double nextKey() const { return up ? st->key[hi] : st->key[lo]; }
    void advance()
    {
        if (up) {
            lo = hi;
            hi = nextSlot(*st, *H, hi);
        } else {
            hi = lo;
            lo = prevSlot(*st, *H, lo);
        }
    }
    bool value(double k, double& v) const { return valueBetween(*st, lo, hi, k, v); }
};

// ---- Picture points along rays ------------------------------------------------------------

struct RayFrame {
    double vx, vy;          // vanishing point
    double refCos, refSin;  // direction of the ray through the middle of the picture
    bool projective;        // the picture lies within 80 degrees of that ray
};

// The rays of the picture.  When every corner of the box lies within 80 degrees of the middle
// ray, a point is keyed by the projective pair (across / along, -1 / along), which keeps
// straight lines straight and turns the rays into lines of one key, so the crossings found on
// the horizons are exact.  Otherwise (a steep view close above the grid) the key is the angle
// of the ray and the height the distance along it.
RayFrame makeRayFrame()
{
    const ProjectionTerms& p = surfaceState.projection;
    RayFrame f{p.vanishX, p.vanishY, 0.0, 1.0, false};
    double cx = 0.0, cy = 0.0;
    for (int k = 0; k < 8; ++k) {
        cx += 0.125 * p.boxCorners[k][0];
        cy += 0.125 * p.boxCorners[k][1];
    }
    double dx = cx - f.vx, dy = cy - f.vy;
    double len = std::hypot(dx, dy);
    if (!(len > 0.0) || !std::isfinite(len)) return f;
    double low = 0.0, high = 0.0;
    for (int k = 0; k < 8; ++k) {
        const double ax = p.boxCorners[k][0] - f.vx, ay = p.boxCorners[k][1] - f.vy;
        const double a = std::atan2(dx * ay - dy * ax, dx * ax + dy * ay);
        low = std::min(low, a);
        high = std::max(high, a);
    }
    const double middle = std::atan2(dy, dx) + 0.5 * (low + high);
    f.refCos = std::cos(middle);
    f.refSin = std::sin(middle);
    f.projective = 0.5 * (high - low) < 80.0 * 3.14159265358979 / 180.0;
    return f;
}

void toRay(const RayFrame& f, double X, double Y, double& key, double& dist)
{
    const double dx = X - f.vx, dy = Y - f.vy;
    const double along = f.refCos * dx + f.refSin * dy;
    const double across = f.refCos * dy - f.refSin * dx;
    if (f.projective && along > 0.0) {
        key = across / along;
        dist = -1.0 / along;
        return;
    }
    key = std::atan2(across, along);
    dist = std::hypot(dx, dy);
}

// The picture point of a key and height.
void fromRay(const RayFrame& f, double key, double dist, float& X, float& Y)
{
    double along = 0.0, across = 0.0;
    if (f.projective && dist < 0.0) {
        along = -1.0 / dist;
        across = key * along;
    } else {
        along = dist * std::cos(key);
        across = dist * std::sin(key);
    }
    X = surfaceNarrow(f.vx + along * f.refCos - across * f.refSin);
    Y = surfaceNarrow(f.vy + along * f.refSin + across * f.refCos);
}

struct PicturePoint {
    float X, Y, z;
    bool ok;
};

// ---- One walk -------------------------------------------------------------------------------

// A projected grid line in the work arrays of the workspace: picture X, Y, clamped height and
// whether the node has a picture position (1.0) or not (0.0).
struct LineView {
    float *X, *Y, *Z, *ok;
    int n;
    PicturePoint at(int k) const { return PicturePoint{X[k], Y[k], Z[k], ok[k] != 0.0f}; }
    void set(int k, const PicturePoint& p) const
    {
        X[k] = p.X, Y[k] = p.Y, Z[k] = p.z, ok[k] = p.ok ? 1.0f : 0.0f;
    }
};

struct Walk {
    SlotStore store;
    Horizon upper, lower;  // the lower horizon keeps its heights negated: both merge as maxima
    RayFrame rays;
    bool hidden;                // hidden-line switch
    bool topSide;               // what rises above the upper horizon is seen (pass 1)
    bool underSide;             // what sinks below the lower horizon is seen (pass 2)
    bool keepUpper, keepLower;  // the horizons built: those the drawing or the picture reads
    bool draw;                  // false: the outline is built and nothing is drawn
    bool lineStyle;
    float tolerance;        // in picture units
    bool floorFilled;       // the floor is filled once, before the first family
    bool curtainFilled[2];  // the curtain under the front line of each family is filled once
    LineView lines[2];      // the current and the previous line
};

// Hands the parameter intervals of segment a-b that lie outside the band between the horizons
// to emit(ta, tb), in order along the segment, joined where they meet.  Nothing is stored.
template <class Emit>
void visiblePieces(Walk& w, const PicturePoint& a, const PicturePoint& b, Emit emit)
{
    if (!w.hidden || (w.upper.count == 0 && w.lower.count == 0)) {
        emit(0.0, 1.0);
        return;
    }
    double k1 = 0.0, d1 = 0.0, k2 = 0.0, d2 = 0.0;
    toRay(w.rays, a.X, a.Y, k1, d1);
    toRay(w.rays, b.X, b.Y, k2, d2);
    const double dk = k2 - k1;
    const bool increasing = dk >= 0.0;
    HorizonCursor cursors[2] = {HorizonCursor(w.store, w.upper, k1, increasing),
                                HorizonCursor(w.store, w.lower, k1, increasing)};
    // seg - H (upper) or -H' - seg (lower, kept negated) at parameter t, where defined.
    auto offset = [&](double t, int which, double& v) {
        const double k = k1 + dk * t, d = d1 + (d2 - d1) * t;
        double h = 0.0;
        if (!cursors[which].value(k, h)) return false;
        v = which == 0 ? d - h : -h - d;
        return true;
    };
    // The tolerance is a picture length; in the projective heights it scales with their square.
    auto seen = [&](double t) {
        double vu = 0.0, vl = 0.0;
        const bool hasU = offset(t, 0, vu), hasL = offset(t, 1, vl);
        if (!hasU && !hasL) return true;
        const double d = d1 + (d2 - d1) * t;
        const double tol = w.rays.projective ? w.tolerance * d * d : w.tolerance;
        return (w.topSide && (!hasU || vu >= -tol)) || (w.underSide && (!hasL || vl >= -tol));
    };
    double pa = 0.0, pb = 0.0;
    bool pending = false;
    auto add = [&](double ta, double tb) {
        if (pending && pb >= ta - 1e-9) {
            pb = tb;
            return;
        }
        if (pending) emit(pa, pb);
        pa = ta;
        pb = tb;
        pending = true;
    };
    // Between two breakpoints the segment and both horizons are straight: at most one crossing
    // with each, and the pieces between them are judged at their middles.
    auto span = [&](double ta, double tb) {
        double cuts[4] = {ta, 0.0, 0.0, tb};
        int n = 1;
        for (int which = 0; which < 2; ++which) {
            double fa = 0.0, fb = 0.0;
            if (!offset(ta, which, fa) || !offset(tb, which, fb)) continue;
            if ((fa > 0.0 && fb < 0.0) || (fa < 0.0 && fb > 0.0))
                cuts[n++] = ta + (tb - ta) * fa / (fa - fb);
        }
        cuts[n++] = tb;
        for (int i = 1; i < n; ++i)  // at most four cut points: an insertion sort
            for (int j = i; j > 0 && cuts[j - 1] > cuts[j]; --j) std::swap(cuts[j - 1], cuts[j]);
        for (int k = 0; k + 1 < n; ++k) {
            if (cuts[k + 1] - cuts[k] > 1e-9 && seen(0.5 * (cuts[k] + cuts[k + 1])))
                add(cuts[k], cuts[k + 1]);
        }
    };
    if (std::fabs(dk) < 1e-12) {
        span(0.0, 1.0);
    } else {
        // The breakpoints of both horizons inside the segment's keys, nearest first.
        double from = 0.0;
        for (;;) {
            double next = 1.0;
            int which = -1;
            for (int c = 0; c < 2; ++c) {
                if (!cursors[c].before(k2)) continue;
                const double t = (cursors[c].nextKey() - k1) / dk;
                if (which < 0 || t < next) next = t, which = c;
            }
            next = std::clamp(next, from, 1.0);
            if (next > from) span(from, next);
            from = next;
            if (which < 0) break;
            cursors[which].advance();
        }
    }
    if (pending) emit(pa, pb);
}

// A picture point along its ray.
struct RayPoint {
    double key, dist;
};

RayPoint rayOf(const Walk& w, const PicturePoint& p)
{
    RayPoint r{0.0, 0.0};
    toRay(w.rays, p.X, p.Y, r.key, r.dist);
    return r;
}

// Merges the segment a-b, given along its rays, into the horizons the walk keeps; false when
// the store is full.  `skip` leaves out the upper (bit 1) or the lower horizon (bit 2).
bool mergeRays(Walk& w, RayPoint a, RayPoint b, int skip = 0)
{
    if (a.key > b.key) std::swap(a, b);
    if (!(b.key - a.key > 1e-12)) return true;
    if (w.keepUpper && !(skip & 1) && !mergeSegment(w.store, w.upper, a.key, a.dist, b.key, b.dist))
        return false;
    return !w.keepLower || (skip & 2) ||
        mergeSegment(w.store, w.lower, a.key, -a.dist, b.key, -b.dist);
}

bool mergeIntoHorizons(Walk& w, const PicturePoint& a, const PicturePoint& b)
{
    if (!a.ok || !b.ok) return true;
    return mergeRays(w, rayOf(w, a), rayOf(w, b));
}

// The horizons a cross piece p-q of a strip would add nothing to once the new line through q
// is merged: the piece lies under the line's segment from q towards it in the upper horizon
// (bit 1), over it in the lower one (bit 2).  Both are straight between the same keys and
// meet at q, so one comparison at p tells.  0 when the line does not cover the piece's keys.
int coveredByLine(const RayPoint& p, const RayPoint& q, const LineView& line, int i, const Walk& w)
{
    const double span = p.key - q.key;
    for (int n : {i - 1, i + 1}) {
        if (n < 0 || n >= line.n || !line.at(n).ok) continue;
        const RayPoint r = rayOf(w, line.at(n));
        const double reach = r.key - q.key;
        if (!(span * reach > 0.0) || std::fabs(reach) < std::fabs(span)) continue;
        const double under = q.dist + (r.dist - q.dist) * (span / reach);
        return p.dist <= under ? 1 : 2;
    }
    return 0;
}

// Merges a chain of segments into the horizons: the segments of a line (cross false) or the
// cross pieces from the nodes of `from` to those of `to`, each left out of a horizon where
// the line `to` will cover it (`skipCovered`).  A full store reports error 37 once; the walk
// draws nothing after it.
void mergePieces(Walk& w, const LineView& from, const LineView& to, bool cross,
                 bool skipCovered = false)
{
    if (!w.hidden || w.store.full) return;
    for (int i = cross ? 0 : 1; i < to.n; ++i) {
        bool ok = true;
        if (!cross) {
            ok = mergeIntoHorizons(w, to.at(i - 1), to.at(i));
        } else if (from.at(i).ok && to.at(i).ok) {
            const RayPoint p = rayOf(w, from.at(i)), q = rayOf(w, to.at(i));
            ok = mergeRays(w, p, q, skipCovered ? coveredByLine(p, q, to, i, w) : 0);
        }
        if (!ok) {
            surfaceReportError(kOutlineFull);
            w.store.full = true;
            return;
        }
    }
}

void drawPiece(const Walk& w, const PicturePoint& a, const PicturePoint& b, double ta, double tb,
               bool joinsRun)
{
    const float Xa = surfaceNarrow(a.X + (b.X - static_cast<double>(a.X)) * ta);
    const float Ya = surfaceNarrow(a.Y + (b.Y - static_cast<double>(a.Y)) * ta);
    const float Xb = surfaceNarrow(a.X + (b.X - static_cast<double>(a.X)) * tb);
    const float Yb = surfaceNarrow(a.Y + (b.Y - static_cast<double>(a.Y)) * tb);
    if (w.lineStyle) {
        float za = surfaceNarrow(a.z + (b.z - static_cast<double>(a.z)) * ta);
        const float zb = surfaceNarrow(a.z + (b.z - static_cast<double>(a.z)) * tb);
        int ba = surfaceFindBand(za);
        const int bb = surfaceFindBand(zb);
        surfaceDrawBandedSegment(Xa, Xb, Ya, Yb, za, zb, ba, bb);
        return;
    }
    if (!joinsRun) {
        surfaceHiddenRunEnd();
        surfaceHiddenRunAdd(Xa, Ya);
    }
    surfaceHiddenRunAdd(Xb, Yb);
}

// Draws what the horizons leave seen of one line.  Nothing of the line itself is merged yet:
// a grid line never passes in front of itself (its nodes lie on one ground line, which no ray
// from the eye meets twice), so only what lies nearer the eye, the strip's cross pieces and
// the lines before, can hide it.
void drawLine(Walk& w, const LineView& line)
{
    surfaceHiddenRunStart();
    bool open = false;  // the run ends at the end of the segment before
    for (int j = 1; j < line.n; ++j) {
        const PicturePoint a = line.at(j - 1), b = line.at(j);
        if (!a.ok || !b.ok) {
            surfaceHiddenRunEnd();
            open = false;
            continue;
        }
        bool any = false;
        visiblePieces(w, a, b, [&](double ta, double tb) {
            drawPiece(w, a, b, ta, tb, open && ta <= 1e-9);
            open = tb >= 1.0 - 1e-9;
            any = true;
        });
        if (!any) open = false;
    }
    surfaceHiddenRunEnd();
}

// ---- The grid -------------------------------------------------------------------------------

struct GridView {
    int nx, ny;
    float xmin, xmax, ymin, ymax;
    float zlow, zhigh;
    const float* z;  // grid copy, rows of nx values
};

float nodeX(const GridView& g, int i) { return g.xmin + (g.xmax - g.xmin) * i / (g.nx - 1); }
float nodeY(const GridView& g, int j) { return g.ymin + (g.ymax - g.ymin) * j / (g.ny - 1); }

float clampedHeight(const GridView& g, int i, int j)
{
    return surfaceClampedNode(g.z, g.nx, i, j, g.zlow, g.zhigh);
}

PicturePoint projectNode(const GridView& g, int i, int j)
{
    PicturePoint p{0.0f, 0.0f, clampedHeight(g, i, j), false};
    p.ok = surfaceProjectFinite(nodeX(g, i), nodeY(g, j), p.z, p.X, p.Y);
    return p;
}

// The line of family 0 (along x, at y node j) or of family 1 (along y, at x node j).
void projectLine(const GridView& g, int family, int j, LineView& out)
{
    out.n = family == 0 ? g.nx : g.ny;
    for (int i = 0; i < out.n; ++i)
        out.set(i, family == 0 ? projectNode(g, i, j) : projectNode(g, j, i));
}

// Where the eye stands across the lines of a family, in line numbers: lines of family 0 are
// numbered along y, those of family 1 along x.  Below 0 or above the last line the eye stands
// off the grid on that side; in between, the walk of the family is split under it.
double eyeLinePosition(const GridView& g, int family)
{
    const ProjectionTerms& p = surfaceState.projection;
    const double r = surfaceState.surface.axesRatio;
    if (family == 0) {
        const double eyeY =
            p.centreY + static_cast<double>(p.eyeDistance) * p.cosAzSinTilt / (r != 0.0 ? r : 1.0);
        return (eyeY - g.ymin) / (static_cast<double>(g.ymax) - g.ymin) * (g.ny - 1);
    }
    const double eyeX = p.centreX + static_cast<double>(p.eyeDistance) * p.sinAzSinTilt;
    return (eyeX - g.xmin) / (static_cast<double>(g.xmax) - g.xmin) * (g.nx - 1);
}

// The edge pen for the lines on the edges of the grid, the grid-line pen for the others.
int linePen(int index, int count)
{
    const SurfaceSettings& surf = surfaceState.surface;
    if (!surfaceFlagOn(surf.linePensSet)) return surfaceEntryPen();
    return (index == 0 || index == count - 1) ? surf.linePens[2] : surf.linePens[1];
}

// The curtain under the front line of a family, from the line down to the base, filled with
// the wall code of its family; its foot joins the lower horizon so that nothing shows through.
void drawCurtain(Walk& w, const GridView& g, int family, int j, const LineView& line)
{
    const SurfaceSettings& surf = surfaceState.surface;
    auto foot = [&](int i) {
        const float x = family == 0 ? nodeX(g, i) : nodeX(g, j);
        const float y = family == 0 ? nodeY(g, j) : nodeY(g, i);
        PicturePoint p{0.0f, 0.0f, g.zlow, false};
        p.ok = surfaceProjectFinite(x, y, surfaceState.projection.zOrigin, p.X, p.Y);
        return p;
    };
    const int code = surf.basePens[family];
    if (w.draw && !w.curtainFilled[family] && surfaceFlagOn(surf.basePensUsed) && code >= 0) {
        w.curtainFilled[family] = true;
        surfaceSetFillCode(code);
        // Quadrilaterals between the line and its foot keep every part within the fill buffer.
        for (int i = 1; i < line.n; ++i) {
            const PicturePoint a = line.at(i - 1), b = line.at(i), fa = foot(i - 1), fb = foot(i);
            if (!a.ok || !b.ok || !fa.ok || !fb.ok) continue;
            const float xs[5] = {a.X, b.X, fb.X, fa.X, a.X};
            const float ys[5] = {a.Y, b.Y, fb.Y, fa.Y, a.Y};
            const float counts[1] = {5.0f};
            const int one = 1;
            surfaceFillPolygons(one, counts, xs, ys);
        }
    }
    if (!w.hidden || w.store.full) return;
    for (int i = 0; i < line.n; ++i) {
        bool ok = i == 0 || mergeIntoHorizons(w, foot(i - 1), foot(i));
        ok = ok && mergeIntoHorizons(w, foot(i), line.at(i));
        if (!ok) {
            surfaceReportError(kOutlineFull);
            w.store.full = true;
            return;
        }
    }
}

// Seen from below, the floor of the base lies nearest the eye: it is filled with the third base
// code and its outline goes into the horizons before any line.
void drawFloor(Walk& w)
{
    const SurfaceSettings& surf = surfaceState.surface;
    const float(*c)[2] = surfaceState.projection.boxCorners;
    const int code = surf.basePens[2];
    if (code < 0) return;
    if (w.draw && !w.floorFilled) {
        w.floorFilled = true;
        surfaceSetFillCode(code);
        const float xs[5] = {c[0][0], c[1][0], c[2][0], c[3][0], c[0][0]};
        const float ys[5] = {c[0][1], c[1][1], c[2][1], c[3][1], c[0][1]};
        const float counts[1] = {5.0f};
        const int one = 1;
        surfaceFillPolygons(one, counts, xs, ys);
    }
    if (!w.hidden) return;
    for (int k = 0; k < 4; ++k) {
        const PicturePoint a{c[k][0], c[k][1], 0.0f, true};
        const PicturePoint b{c[(k + 1) % 4][0], c[(k + 1) % 4][1], 0.0f, true};
        if (!mergeIntoHorizons(w, a, b)) {
            surfaceReportError(kOutlineFull);
            w.store.full = true;
            return;
        }
    }
}

// One family walked from `first` outwards by `step` to the edge of the grid.  The line before
// each new one is its neighbour towards the eye, already merged: the cross pieces of the strip
// between them go into the horizons first, then the new line is drawn against them and merged.
struct FamilyWalk {
    Walk& w;
    const GridView& g;
    int family, count, stepEvery;

    void drawIfDue(const LineView& line, int j)
    {
        if (!w.draw || w.store.full || j % stepEvery != 0) return;
        if (!w.lineStyle) surfaceSelectPen(linePen(j, count));
        drawLine(w, line);
    }
    void outwards(int from, int step, LineView& prev, LineView& line)
    {
        for (int j = from; j >= 0 && j < count && !w.store.full; j += step) {
            projectLine(g, family, j, line);
            mergePieces(w, prev, line, true, true);
            drawIfDue(line, j);
            mergePieces(w, prev, line, false);
            std::swap(prev, line);
        }
    }
};

void walkFamily(Walk& w, const GridView& g, int family, int stepEvery, bool withCurtain)
{
    FamilyWalk f{w, g, family, family == 0 ? g.ny : g.nx, stepEvery};
    LineView line = w.lines[0], prev = w.lines[1];
    storeReset(w.store, w.upper, w.lower);
    w.store.full = false;
    if (withCurtain && surfaceFlagOn(surfaceState.projection.belowView)) drawFloor(w);
    const double u = eyeLinePosition(g, family);
    if (!(u > 0.0 && u < f.count - 1)) {
        // The eye stands off this side of the grid: the line nearest it comes first, whole.
        const int first = u <= 0.0 || std::isnan(u) ? 0 : f.count - 1;
        const int step = first == 0 ? 1 : -1;
        projectLine(g, family, first, prev);
        if (withCurtain) drawCurtain(w, g, family, first, prev);
        f.drawIfDue(prev, first);
        mergePieces(w, prev, prev, false);
        f.outwards(first + step, step, prev, line);
        return;
    }
    // The eye stands over the lines of this family: the strip under it comes first (its two
    // lines lie on either side of the eye and hide nothing of each other), then each half
    // outwards.  The front line of the other family carries the curtain.
    const int lo = std::min(static_cast<int>(u), f.count - 2), hi = lo + 1;
    if (withCurtain) {
        const int other = 1 - family, otherCount = family == 0 ? g.nx : g.ny;
        const int front = eyeLinePosition(g, other) <= 0.0 ? 0 : otherCount - 1;
        projectLine(g, other, front, line);
        drawCurtain(w, g, other, front, line);
    }
    projectLine(g, family, lo, prev);
    projectLine(g, family, hi, line);
    mergePieces(w, prev, line, true);
    f.drawIfDue(prev, lo);
    f.drawIfDue(line, hi);
    mergePieces(w, prev, prev, false);
    mergePieces(w, line, line, false);
    std::swap(prev, line);
    f.outwards(hi + 1, 1, prev, line);
    projectLine(g, family, lo, prev);
    f.outwards(lo - 1, -1, prev, line);
}

// ---- What the walk leaves behind --------------------------------------------------------------

// Puts both horizon chains in key order at the front of the key and height runs (upper first,
// then lower), in place, and records their counts.  Each live slot is given its place in the
// previous-slot run, no longer needed, and the places are then filled by following the cycles
// of that permutation: every swap settles one slot.
void keepHorizons(Walk& w)
{
    SlotStore& st = w.store;
    SurfaceSettings& surf = surfaceState.surface;
    std::fill(st.prev, st.prev + st.capacity, static_cast<float>(kNoSlot));
    int n = 0;
    const Horizon* chains[2] = {&w.upper, &w.lower};
    for (int c = 0; c < 2; ++c) {
        const int start = n;
        for (int k = chains[c]->head; k != kNoSlot; k = slotAt(st.next, k))
            st.prev[k] = static_cast<float>(n++);
        surf.horizonCounts[c] = n - start;
    }
    for (int k = 0; k < st.capacity; ++k) {
        for (int to = slotAt(st.prev, k); to != kNoSlot && to != k; to = slotAt(st.prev, k)) {
            std::swap(st.key[k], st.key[to]);
            std::swap(st.h[k], st.h[to]);
            std::swap(st.prev[k], st.prev[to]);
        }
    }
}

// The compact copy as a store that can be read like the chains.
SlotStore compactStore(float* keys, float* heights, int capacity)
{
    return SlotStore{nullptr, nullptr, keys, heights, capacity, kNoSlot, false, 0.0, false, 0};
}

void compactHorizons(int upperCount, int lowerCount, Horizon& upper, Horizon& lower)
{
    upper = Horizon{upperCount > 0 ? 0 : kNoSlot, upperCount - 1, kNoSlot, upperCount};
    lower = Horizon{lowerCount > 0 ? upperCount : kNoSlot, upperCount + lowerCount - 1, kNoSlot,
                    lowerCount};
    if (upperCount == 0) upper.tail = kNoSlot;
    if (lowerCount == 0) lower.tail = kNoSlot;
}

// The outline of the picture that the profile returns, into px, py (at most `room` points).
int keepProfile(const Walk& w, const SlotStore& st, const Horizon& upper, const Horizon& lower,
                float* px, float* py, int room)
{
    const SurfaceLibraryState& s = surfaceState;
    const SurfaceSettings& surf = s.surface;
    int n = 0;
    auto keep = [&](double key, double dist) {
        if (n >= room) return;
        fromRay(w.rays, key, dist, px[n], py[n]);
        ++n;
    };
    // The top of the picture lies away from the vanishing point seen from above (the upper
    // horizon) and towards it seen from below (the lower one, kept negated).
    const bool below = surfaceFlagOn(s.projection.belowView);
    const Horizon& top = below ? lower : upper;
    const double sign = below ? -1.0 : 1.0;
    if (surf.baseType <= 1 && top.count > 0) {
        // The outline closed over the base: from its last point down along the base corners
        // that bound the picture below, ending at corner 1, then the outline from its end at
        // that corner.  Seen from above the front base edges bound it (3, 2, 1; 2, 1 when the
        // walk is split), seen from below the back ones (3, 4, 1; 2, 3, 4, 1 split).
        static const int kCorners[2][2][4] = {{{2, 1, 0, -1}, {1, 0, -1, -1}},
                                              {{2, 3, 0, -1}, {1, 2, 3, 0}}};
        const int* corners = kCorners[below ? 1 : 0][surfaceFlagOn(s.projection.splitWalk) ? 1 : 0];
        const float(*c)[2] = s.projection.boxCorners;
        const int m = top.count;
        float firstX = 0, firstY = 0, lastX = 0, lastY = 0;
        fromRay(w.rays, st.key[top.head], sign * st.h[top.head], firstX, firstY);
        fromRay(w.rays, st.key[top.tail], sign * st.h[top.tail], lastX, lastY);
        const bool reversed = std::hypot(firstX - c[0][0], firstY - c[0][1]) >
            std::hypot(lastX - c[0][0], lastY - c[0][1]);
        auto outline = [&](int i) {
            const int k = top.head + (reversed ? m - 1 - i : i);
            keep(st.key[k], sign * st.h[k]);
        };
        outline(m - 1);
        for (int k = 0; k < 4 && corners[k] >= 0 && n < room; ++k, ++n) {
            px[n] = c[corners[k]][0];
            py[n] = c[corners[k]][1];
        }
        for (int i = 0; i < m; ++i) outline(i);
    } else {
        // Without a base the outline closes over the lower edge of the surface.
        if (upper.count > 0) keep(st.key[upper.tail], st.h[upper.tail]);
        for (int i = lower.tail; lower.count > 0 && i >= lower.head; --i) keep(st.key[i], -st.h[i]);
        for (int i = 0; i < upper.count; ++i) keep(st.key[upper.head + i], st.h[upper.head + i]);
    }
    return n;
}

}  // namespace

// Walks one family with a fresh store and keeps what the walk leaves: the horizons for the
// clipped axes and the profile.  After an overflow neither is kept (counts -1 and 0): a part of
// the outline would let the axes show what the surface hides.
void walkAndKeep(Walk& w, const GridView& g, int family, int stepEvery, bool curtains,
                 const OutlineStore& o)
{
    SurfaceSettings& surf = surfaceState.surface;
    walkFamily(w, g, family, stepEvery, curtains);
    if (w.store.full) {
        surf.horizonCounts[0] = surf.horizonCounts[1] = -1;
        surf.outlineCount = 0;
        return;
    }
    keepHorizons(w);
    const SlotStore kept = compactStore(o.key(), o.height(), w.store.capacity);
    Horizon upper{}, lower{};
    compactHorizons(surf.horizonCounts[0], surf.horizonCounts[1], upper, lower);
    surf.outlineCount =
        keepProfile(w, kept, upper, lower, o.profileX(), o.profileY(), o.profileCapacity());
}

// The walk over the grid copy in the workspace: both families (or the one of the grid mode),
// each with the outline store to itself (frame/picture_workspace.h).  Fill mode builds the
// outline of the first family only and draws nothing here.
void surfaceDrawHiddenLineGrid(float zlow, float zhigh, int wsize, float* work,
                               const float* fillCodes)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    const WorkspacePartition& part = s.partition;
    const GridState& gs = s.grid;
    GridView g{gs.nx, gs.ny, surf.pictureXMin, surf.pictureXMax, surf.pictureYMin, surf.pictureYMax,
               zlow,  zhigh, work + part.grid};
    const long long runsEnd = static_cast<long long>(part.runs) +
        kPerspectiveLineArrays * static_cast<long long>(part.runLength);
    if (work == nullptr || perspectiveWorkEnd(part) > wsize || part.outlineLength < 1 ||
        runsEnd > part.outlines || part.runLength < std::max(gs.nx, gs.ny)) {
        return;
    }

    surfaceFitPictureToFrame(g.xmin, g.xmax, g.ymin, g.ymax, surf.zAxisLow, surf.zAxisHigh);
    if (!surfacePictureFitted()) {
        surfaceReportError(kDegenerateArea);
        return;
    }

    // Grid-line steps: lines along x are counted in y and the other way round.
    int stepX = 1, stepY = 1;
    surfaceGridLineSteps(g.nx, g.ny, stepX, stepY);

    const OutlineStore o = perspectiveOutlineStore(work, part);
    const double frame = std::max(s.projection.frameWidth, s.projection.frameHeight);
    Walk w{};
    w.rays = makeRayFrame();
    w.store = SlotStore{o.previous(),
                        o.next(),
                        o.key(),
                        o.height(),
                        std::min(o.slotCapacity(), kMaxSlots),
                        kNoSlot,
                        false,
                        kFlatness * frame,
                        w.rays.projective,
                        0};
    w.hidden = surfaceFlagOn(surf.hiddenLinesOn) || surfaceFlagOn(surf.fillMode);
    // Base types 0 to 2 show the top of the surface only (one pass), 3 the top and the
    // underside, 4 the underside only.
    w.topSide = surf.baseType != 4;
    w.underSide = surf.baseType >= 3;
    w.draw = !surfaceFlagOn(surf.fillMode);
    // A filled picture keeps both horizons for its profile and the axes clipped against it.
    w.keepUpper = w.topSide || !w.draw;
    w.keepLower = w.underSide || !w.draw;
    w.lineStyle = surfaceFlagOn(surf.lineStyle);
    w.tolerance = static_cast<float>(1.0e-4 * frame);
    // The line work arrays: X, Y, height and position flag of two lines.
    for (int k = 0; k < 2; ++k) {
        auto array = [&](int a) { return perspectiveLineArray(work, part, 4 * k + a); };
        w.lines[k] = {array(0), array(1), array(2), array(3), 0};
    }

    // With the surface switch of CONSWI on, the surface is opaque: its cells are filled before
    // any line is drawn, so that it covers what lies behind it.
    if (w.draw && s.contour.surfaceLinesSwitch == 1) {
        surfaceFillPerspectiveCells(g.z, zlow, zhigh, fillCodes, false);
    }
    const bool curtains = surf.baseType <= 1 && surfaceFlagOn(surf.basePensUsed);
    const int mode = surf.gridMode;
    surf.horizonCounts[0] = surf.horizonCounts[1] = 0;
    surf.outlineCount = 0;
    if (mode != 2 || !w.draw) walkAndKeep(w, g, 0, stepY, curtains, o);
    if (w.draw && mode != 1) walkAndKeep(w, g, 1, stepX, curtains, o);
}

bool surfaceDrawClippedSegment(float X1, float Y1, float X2, float Y2, bool draw, int wsize,
                               float* work)
{
    const SurfaceLibraryState& s = surfaceState;
    const SurfaceSettings& surf = s.surface;
    const WorkspacePartition& part = s.partition;
    const float xs[2] = {X1, X2}, ys[2] = {Y1, Y2};
    const int two = 2;
    const bool filled = s.drawing.code == kDrawingPerspective &&
        (surfaceFlagOn(surf.fillMode) || surfaceFlagOn(surf.perspectivePicture)) &&
        wsize == part.recordedSize;
    if (!filled || work == nullptr || part.outlineLength < 1 || perspectiveWorkEnd(part) > wsize) {
        if (draw) surfaceDrawPolyline(two, xs, ys);
        return false;
    }
    // The outline overflowed: nothing is known to be seen.
    if (surf.horizonCounts[0] < 0 || surf.horizonCounts[1] < 0) return true;
    const OutlineStore o = perspectiveOutlineStore(work, part);  // read only: nothing is merged
    if (surf.horizonCounts[0] + static_cast<long long>(surf.horizonCounts[1]) > o.slotCapacity()) {
        if (draw) surfaceDrawPolyline(two, xs, ys);
        return false;
    }
    Walk w{};
    w.store = compactStore(o.key(), o.height(), o.slotCapacity());
    compactHorizons(surf.horizonCounts[0], surf.horizonCounts[1], w.upper, w.lower);
    w.rays = makeRayFrame();
    w.hidden = true;
    w.topSide = true;
    w.underSide = true;
    w.tolerance = 1.0e-4f * std::max(s.projection.frameWidth, s.projection.frameHeight);
    const PicturePoint a{X1, Y1, 0.0f, true}, b{X2, Y2, 0.0f, true};
    double seen = 0.0;
    visiblePieces(w, a, b, [&](double ta, double tb) {
        seen += tb - ta;
        if (!draw) return;
        const float px[2] = {surfaceNarrow(X1 + (X2 - static_cast<double>(X1)) * ta),
                             surfaceNarrow(X1 + (X2 - static_cast<double>(X1)) * tb)};
        const float py[2] = {surfaceNarrow(Y1 + (Y2 - static_cast<double>(Y1)) * ta),
                             surfaceNarrow(Y1 + (Y2 - static_cast<double>(Y1)) * tb)};
        surfaceDrawPolyline(two, px, py);
    });
    return seen < 1.0 - 1e-9;
}

}  // namespace surflib
