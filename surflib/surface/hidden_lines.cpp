// hidden_lines.cpp - hidden-line removal of perspective surfaces.
//
// The grid lines of one family are walked from the line nearest the eye to the farthest.  What
// has been drawn so far is kept as two horizons: the upper and the lower outline of the
// picture, each a piecewise-linear function of the ray key.  Vertical lines of the surface
// converge on the vanishing point of the fit, so a point is described by its ray (the key: the
// angle of the ray from the vanishing point, measured from the ray through the middle of the
// base) and its distance along that ray; above and below are judged along those rays.  A part
// of a new line is seen where it lies outside the band between the two horizons; each line and
// the cross pieces joining it to the line before are then merged into the horizons, so the
// strip of surface between two lines hides what lies behind it too.
//
// The horizons live in the caller's workspace (the outline arrays of the perspective
// partition, L points each); a line that would overflow them is cut short with error 37.
// Visible runs are drawn through the 100-point HiddenLineBuffer, flushed at 99 points with the
// last point carried over.
#include <algorithm>
#include <cmath>

#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "surface/surface.h"

namespace surflib {

float surfaceClampedNode(const float* grid, int nx, int i, int j, float zlow, float zhigh)
{
    const float v = grid[static_cast<long long>(j) * nx + i];
    if (!std::isfinite(v)) return zlow;   // a missing height lies on the base
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

// One horizon in the workspace: keys and heights, ascending keys.  The lower horizon is kept
// with its heights negated, so that both are merged by taking the larger value.
struct Horizon {
    float* key;
    float* h;
    int count;
};

struct HorizonStore {
    Horizon upper, lower;
    float* scratchKey;
    float* scratchH;
    int capacity;
    bool full;      // error 37 was reported for this drawing
};

// The value of horizon H at key k; false when k lies outside it.
bool horizonAt(const Horizon& H, double k, double& value)
{
    if (H.count == 0 || k < H.key[0] || k > H.key[H.count - 1]) return false;
    int lo = 0, hi = H.count - 1;
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (H.key[mid] <= k) lo = mid; else hi = mid;
    }
    if (H.count == 1) {
        value = H.h[0];
        return true;
    }
    const double dk = static_cast<double>(H.key[hi]) - H.key[lo];
    if (!(dk > 0.0)) {
        value = std::max(H.h[lo], H.h[hi]);
        return true;
    }
    const double t = (k - H.key[lo]) / dk;
    value = (1.0 - t) * H.h[lo] + t * H.h[hi];
    return true;
}

// Appends (k, v) to the scratch arrays unless it repeats the point before; false when full.
bool pushPoint(HorizonStore& st, int& n, double k, double v)
{
    if (n > 0 && st.scratchKey[n - 1] == static_cast<float>(k) &&
        std::fabs(st.scratchH[n - 1] - v) <= 1e-6 * (1.0 + std::fabs(v))) {
        return true;
    }
    // A point on the straight line through its two neighbours adds nothing: the one before is
    // replaced, so that stretches where a segment rose above the horizon stay two points.
    if (n >= 2) {
        const double ka = st.scratchKey[n - 2], kb = st.scratchKey[n - 1];
        const double ha = st.scratchH[n - 2], hb = st.scratchH[n - 1];
        if (ka < kb && kb < k) {
            const double onLine = ha + (v - ha) * (kb - ka) / (k - ka);
            if (std::fabs(hb - onLine) <= 1.0e-6 * (std::fabs(ha) + std::fabs(v))) --n;
        }
    }
    if (n >= st.capacity) return false;
    st.scratchKey[n] = surfaceNarrow(k);
    st.scratchH[n] = surfaceNarrow(v);
    ++n;
    return true;
}

// Merges the segment (k1, v1)-(k2, v2), k1 < k2, into H as the larger of the two.
bool mergeSegment(HorizonStore& st, Horizon& H, double k1, double v1, double k2, double v2)
{
    int n = 0;
    int i = 0;
    bool ok = true;
    while (i < H.count && H.key[i] < k1) ok = ok && pushPoint(st, n, H.key[i], H.h[i]), ++i;
    auto seg = [&](double k) { return v1 + (v2 - v1) * (k - k1) / (k2 - k1); };
    double hv = 0.0;
    if (horizonAt(H, k1, hv) && hv < v1) ok = ok && pushPoint(st, n, k1, hv);
    // Breakpoints inside the segment: its ends, the horizon's points and the crossings.
    double prevK = k1, prevD = 0.0;
    bool prevDefined = horizonAt(H, k1, hv);
    if (prevDefined) prevD = v1 - hv;
    ok = ok && pushPoint(st, n, k1, prevDefined ? std::max(v1, hv) : v1);
    auto step = [&](double k) {
        double h2 = 0.0;
        const bool defined = horizonAt(H, k, h2);
        const double s = seg(k);
        // Where the horizon begins or ends inside the segment the larger value jumps.
        if (defined && !prevDefined && h2 > s) ok = ok && pushPoint(st, n, k, s);
        if (!defined && prevDefined) ok = ok && pushPoint(st, n, prevK, seg(prevK));
        if (defined && prevDefined) {
            const double d = s - h2;
            if ((d > 0.0 && prevD < 0.0) || (d < 0.0 && prevD > 0.0)) {
                const double kc = prevK + (k - prevK) * prevD / (prevD - d);
                ok = ok && pushPoint(st, n, kc, seg(kc));
            }
            prevD = d;
        } else if (defined) {
            prevD = s - h2;
        }
        prevDefined = defined;
        prevK = k;
        ok = ok && pushPoint(st, n, k, defined ? std::max(s, h2) : s);
    };
    while (i < H.count && H.key[i] <= k2) {
        if (H.key[i] > k1) step(H.key[i]);
        ++i;
    }
    step(k2);
    if (horizonAt(H, k2, hv) && hv < v2) ok = ok && pushPoint(st, n, k2, hv);
    // Points at k2 already passed by the loop stay merged; copy the rest.
    while (i < H.count) ok = ok && pushPoint(st, n, H.key[i], H.h[i]), ++i;
    if (!ok) return false;
    std::copy(st.scratchKey, st.scratchKey + n, H.key);
    std::copy(st.scratchH, st.scratchH + n, H.h);
    H.count = n;
    return true;
}

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
    HorizonStore store;
    RayFrame rays;
    bool hidden;        // hidden-line switch
    bool topSide;       // what rises above the upper horizon is seen (pass 1)
    bool underSide;     // what sinks below the lower horizon is seen (pass 2)
    bool draw;          // false: the outline is built and nothing is drawn
    bool lineStyle;
    float tolerance;    // in picture units
    bool floorFilled;   // the floor is filled once, before the first family
    LineView lines[2];  // the current and the previous line
    float* order;       // the walk order of the lines of a family
};

// The horizon keys strictly inside a segment's key range, in the segment's direction.
struct KeyCursor {
    const Horizon* H;
    int i, step;
    double lo, hi, k1, dk;

    KeyCursor(const Horizon& h, double a, double b, double from, double delta)
        : H(&h), i(0), step(delta > 0.0 ? 1 : -1), lo(std::min(a, b)), hi(std::max(a, b)),
          k1(from), dk(delta)
    {
        const float* begin = H->key;
        const float* end = H->key + H->count;
        if (step > 0) {
            i = static_cast<int>(std::upper_bound(begin, end, static_cast<float>(lo)) - begin);
        } else {
            i = static_cast<int>(std::lower_bound(begin, end, static_cast<float>(hi)) - begin) - 1;
        }
    }
    bool valid() const { return i >= 0 && i < H->count && H->key[i] > lo && H->key[i] < hi; }
    double t() const { return (H->key[i] - k1) / dk; }
};

// Hands the parameter intervals of segment a-b that lie outside the band between the horizons
// to emit(ta, tb), in order along the segment, joined where they meet.  Nothing is stored.
template <class Emit>
void visiblePieces(const Walk& w, const PicturePoint& a, const PicturePoint& b, Emit emit)
{
    if (!w.hidden || (w.store.upper.count == 0 && w.store.lower.count == 0)) {
        emit(0.0, 1.0);
        return;
    }
    double k1 = 0.0, d1 = 0.0, k2 = 0.0, d2 = 0.0;
    toRay(w.rays, a.X, a.Y, k1, d1);
    toRay(w.rays, b.X, b.Y, k2, d2);
    const double dk = k2 - k1;
    auto offset = [&](double t, int which, double& v) {
        const double k = k1 + dk * t, d = d1 + (d2 - d1) * t;
        double h = 0.0;
        if (which == 0) {
            if (!horizonAt(w.store.upper, k, h)) return false;
            v = d - h;
        } else {
            if (!horizonAt(w.store.lower, k, h)) return false;
            v = -h - d;
        }
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
            if ((fa > 0.0 && fb < 0.0) || (fa < 0.0 && fb > 0.0)) cuts[n++] = ta + (tb - ta) * fa / (fa - fb);
        }
        cuts[n++] = tb;
        for (int i = 1; i < n; ++i)   // at most four cut points: an insertion sort
            for (int j = i; j > 0 && cuts[j - 1] > cuts[j]; --j) std::swap(cuts[j - 1], cuts[j]);
        for (int k = 0; k + 1 < n; ++k) {
            if (cuts[k + 1] - cuts[k] > 1e-9 && seen(0.5 * (cuts[k] + cuts[k + 1]))) add(cuts[k], cuts[k + 1]);
        }
    };
    if (std::fabs(dk) < 1e-12) {
        span(0.0, 1.0);
    } else {
        KeyCursor up(w.store.upper, k1, k2, k1, dk), low(w.store.lower, k1, k2, k1, dk);
        double from = 0.0;
        for (;;) {
            double next = 1.0;
            if (up.valid()) next = std::min(next, up.t());
            if (low.valid()) next = std::min(next, low.t());
            if (next > from) span(from, next);
            from = std::max(from, next);
            if (up.valid() && up.t() <= from) up.i += up.step;
            if (low.valid() && low.t() <= from) low.i += low.step;
            if (next >= 1.0 && !up.valid() && !low.valid()) break;
        }
    }
    if (pending) emit(pa, pb);
}

// Merges picture segment a-b into both horizons; false when the store is full.
bool mergeIntoHorizons(Walk& w, const PicturePoint& a, const PicturePoint& b)
{
    if (!a.ok || !b.ok) return true;
    double k1 = 0.0, d1 = 0.0, k2 = 0.0, d2 = 0.0;
    toRay(w.rays, a.X, a.Y, k1, d1);
    toRay(w.rays, b.X, b.Y, k2, d2);
    if (k1 > k2) {
        std::swap(k1, k2);
        std::swap(d1, d2);
    }
    if (!(k2 - k1 > 1e-12)) return true;
    return mergeSegment(w.store, w.store.upper, k1, d1, k2, d2) &&
           mergeSegment(w.store, w.store.lower, k1, -d1, k2, -d2);
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

// Draws what is seen of one line and merges it, with the cross pieces to the line before, into
// the horizons.  prev.n is 0 for the first line of a walk.
void walkLine(Walk& w, const LineView& line, const LineView& prev, bool drawn)
{
    surfaceHiddenRunStart();
    if (w.draw && drawn) {
        bool open = false;   // the run ends at the end of the segment before
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
    if (!w.hidden || w.store.full) return;
    for (int j = 0; j < line.n; ++j) {
        bool ok = true;
        if (j > 0) ok = mergeIntoHorizons(w, line.at(j - 1), line.at(j));
        if (ok && j < prev.n) ok = mergeIntoHorizons(w, prev.at(j), line.at(j));
        if (!ok) {
            surfaceReportError(kSurfOutlineFull);
            w.store.full = true;
            return;
        }
    }
}

// ---- The grid -------------------------------------------------------------------------------

struct GridView {
    int nx, ny;
    float xmin, xmax, ymin, ymax;
    float zlow, zhigh;
    const float* z;     // grid copy, rows of nx values
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
    for (int i = 0; i < out.n; ++i) out.set(i, family == 0 ? projectNode(g, i, j) : projectNode(g, j, i));
}

// The lines of a family in the order nearest the eye first (ties: the lower index first),
// written into order: the positions are monotone, so the order runs outwards from the eye.
void walkOrder(const GridView& g, int family, float* order)
{
    const ProjectionTerms& p = surfaceState.projection;
    const double r = surfaceState.surface.axesRatio;
    const double eyeX = p.centreX + static_cast<double>(p.eyeDistance) * p.sinAzSinTilt;
    const double eyeY = p.centreY + static_cast<double>(p.eyeDistance) * p.cosAzSinTilt / (r != 0.0 ? r : 1.0);
    const int n = family == 0 ? g.ny : g.nx;
    auto distance = [&](int j) {
        return family == 0 ? std::fabs(nodeY(g, j) - eyeY) : std::fabs(nodeX(g, j) - eyeX);
    };
    int nearest = 0;
    for (int j = 1; j < n; ++j) {
        if (distance(j) < distance(nearest)) nearest = j;
    }
    int left = nearest - 1, right = nearest + 1, k = 0;
    order[k++] = static_cast<float>(nearest);
    while (left >= 0 || right < n) {
        const bool takeLeft = right >= n || (left >= 0 && distance(left) <= distance(right));
        order[k++] = static_cast<float>(takeLeft ? left-- : right++);
    }
}

// The edge pen for the lines on the edges of the grid (the first and the last of the walk, or
// the last of each half of a split walk), the grid-line pen for the others.
int linePen(int index, int count)
{
    const SurfaceSettings& surf = surfaceState.surface;
    if (!surfaceFlagOn(surf.linePensSet)) return surfaceEntryPen();
    return (index == 0 || index == count - 1) ? surf.linePens[2] : surf.linePens[1];
}

// The curtain under the front line, from the line down to the base, filled with the wall code
// of its family; its foot joins the lower horizon so that nothing shows through it.
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
    if (w.draw && surfaceFlagOn(surf.basePensUsed) && code >= 0) {
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
            surfaceReportError(kSurfOutlineFull);
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
            surfaceReportError(kSurfOutlineFull);
            w.store.full = true;
            return;
        }
    }
}

void walkFamily(Walk& w, const GridView& g, int family, int stepEvery, bool withCurtain)
{
    const int count = family == 0 ? g.ny : g.nx;
    walkOrder(g, family, w.order);
    LineView line = w.lines[0], prev = w.lines[1];
    prev.n = 0;
    w.store.upper.count = 0;
    w.store.lower.count = 0;
    if (withCurtain && surfaceFlagOn(surfaceState.projection.belowView)) drawFloor(w);
    for (int pos = 0; pos < count; ++pos) {
        const int j = static_cast<int>(w.order[pos]);
        projectLine(g, family, j, line);
        if (pos == 0 && withCurtain) drawCurtain(w, g, family, j, line);
        const bool drawn = j % stepEvery == 0;
        if (w.draw && drawn && !w.lineStyle) surfaceSelectPen(linePen(j, count));
        walkLine(w, line, prev, drawn);
        std::swap(line, prev);
    }
}

}  // namespace

// The walk over the grid copy in the workspace: both families (or the one of the grid mode),
// with the horizons in the outline arrays of the partition.  Fill mode builds the outline of
// the first family only and draws nothing here.
void surfaceDrawHiddenLineGrid(const float& zlow, const float& zhigh, const int& wsize,
                               float* work, const float* fillCodes)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    const WorkspacePartition& part = s.partition;
    const GridState& gs = s.grid;
    GridView g{gs.nx, gs.ny, surf.pictureXMin, surf.pictureXMax, surf.pictureYMin,
               surf.pictureYMax, zlow, zhigh, work + part.grid};
    const long long need = static_cast<long long>(part.outlines) + 8LL * part.outlineLength;
    const long long runsEnd = static_cast<long long>(part.runs) + 10LL * part.runLength;
    if (work == nullptr || need > wsize || part.outlineLength < 1 || runsEnd > part.outlines ||
        part.runLength < std::max(gs.nx, gs.ny)) {
        return;
    }

    surfaceFitPictureToFrame(g.xmin, g.xmax, g.ymin, g.ymax, surf.zAxisLow, surf.zAxisHigh);
    if (!surfacePictureFitted()) {
        surfaceReportError(kSurfPictureDegenerate);
        return;
    }

    // Grid-line steps: lines along x are counted in y and the other way round.
    int stepX = 1, stepY = 1;
    surfaceGridLineSteps(g.nx, g.ny, stepX, stepY);

    float* o = work + part.outlines;
    const int L = part.outlineLength;
    Walk w{};
    w.store.upper = {o, o + L, 0};
    w.store.lower = {o + 2 * L, o + 3 * L, 0};
    w.store.scratchKey = o + 4 * L;
    w.store.scratchH = o + 5 * L;
    w.store.capacity = L;
    w.store.full = false;
    w.rays = makeRayFrame();
    w.hidden = surfaceFlagOn(surf.hiddenLinesOn) || surfaceFlagOn(surf.fillMode);
    // Base types 0 to 2 show the top of the surface only (one pass), 3 the top and the
    // underside, 4 the underside only.
    w.topSide = surf.baseType != 4;
    w.underSide = surf.baseType >= 3;
    w.draw = !surfaceFlagOn(surf.fillMode);
    w.lineStyle = surfaceFlagOn(surf.lineStyle);
    w.tolerance = 1.0e-4f * std::max(s.projection.frameWidth, s.projection.frameHeight);
    // The line work arrays: X, Y, height and position flag of two lines, then the walk order.
    float* r = work + part.runs;
    const int m = part.runLength;
    w.lines[0] = {r, r + m, r + 2 * m, r + 3 * m, 0};
    w.lines[1] = {r + 4 * m, r + 5 * m, r + 6 * m, r + 7 * m, 0};
    w.order = r + 8 * m;

    // With the surface switch of CONSWI on, the surface is opaque: its cells are filled before
    // any line is drawn, so that it covers what lies behind it.
    if (w.draw && s.contour.surfaceLinesSwitch == 1) {
        surfaceFillPerspectiveCells(g.z, zlow, zhigh, fillCodes, false);
    }
    const bool curtains = surf.baseType <= 1 && surfaceFlagOn(surf.basePensUsed);
    const int mode = surf.gridMode;
    if (mode != 2 || !w.draw) walkFamily(w, g, 0, stepY, curtains);
    // The outline of the first family is what the profile and the clipped axes read.
    const int upperCount = w.store.upper.count, lowerCount = w.store.lower.count;
    float* px = o + 6 * L;
    float* py = o + 7 * L;
    int n = 0;
    auto keep = [&](double key, double dist) {
        if (n >= L) return;
        fromRay(w.rays, key, dist, px[n], py[n]);
        ++n;
    };
    // The top of the picture lies away from the vanishing point seen from above (the upper
    // horizon) and towards it seen from below (the lower one, kept negated).
    const bool below = surfaceFlagOn(s.projection.belowView);
    const Horizon& top = below ? w.store.lower : w.store.upper;
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
        fromRay(w.rays, top.key[0], sign * top.h[0], firstX, firstY);
        fromRay(w.rays, top.key[m - 1], sign * top.h[m - 1], lastX, lastY);
        const bool reversed = std::hypot(firstX - c[0][0], firstY - c[0][1]) >
                              std::hypot(lastX - c[0][0], lastY - c[0][1]);
        auto outline = [&](int i) {
            const int k = reversed ? m - 1 - i : i;
            keep(top.key[k], sign * top.h[k]);
        };
        outline(m - 1);
        for (int k = 0; k < 4 && corners[k] >= 0 && n < L; ++k, ++n) {
            px[n] = c[corners[k]][0];
            py[n] = c[corners[k]][1];
        }
        for (int i = 0; i < m; ++i) outline(i);
    } else {
        // Without a base the outline closes over the lower edge of the surface.
        if (upperCount > 0) keep(w.store.upper.key[upperCount - 1], w.store.upper.h[upperCount - 1]);
        for (int i = lowerCount - 1; i >= 0; --i) keep(w.store.lower.key[i], -w.store.lower.h[i]);
        for (int i = 0; i < upperCount; ++i) keep(w.store.upper.key[i], w.store.upper.h[i]);
    }
    surf.outlineCount = n;
    surf.horizonCounts[0] = upperCount;
    surf.horizonCounts[1] = lowerCount;
    if (w.draw && mode != 1) walkFamily(w, g, 1, stepX, curtains);
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
    const int L = part.outlineLength;
    const long long end = static_cast<long long>(part.outlines) + 4LL * L;
    if (!filled || work == nullptr || L < 1 || end > wsize || surf.horizonCounts[0] > L ||
        surf.horizonCounts[1] > L) {
        if (draw) surfaceDrawPolyline(two, xs, ys);
        return false;
    }
    Walk w{};
    float* o = work + part.outlines;   // read only: nothing is merged here
    w.store.upper = {o, o + L, surf.horizonCounts[0]};
    w.store.lower = {o + 2 * L, o + 3 * L, surf.horizonCounts[1]};
    w.store.capacity = L;
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
