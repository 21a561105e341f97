// smoothing.cpp - the smoothed contour output: each traced line is drawn as a smooth curve
// through its points, clipped to the map area, with contour labels placed as the plain output
// places them.
//
// The output keeps a window of three traced points and draws one segment behind the input:
// when a point arrives, the tangent at the window's middle point is known and the segment
// from the first to the middle point is drawn.  Tangents weight each chord by the squared
// length of the other; a segment is a cubic between two points with their unit tangents,
// evaluated one picture unit apart (the parameter carried across joints).  A closed line is
// drawn from its second point round to its second point again, so it closes without a corner.
// Points go through the 99-point ContourSmoothBuffer, which is cut where the curve leaves the
// map area and resumed where it comes back.
//
// A segment's points are looked at in runs: a run that lies wholly outside the map area, or
// wholly where the picture cannot show it, is passed over at the cost of its two end points
// (the line is cut between them), so that the work follows what the picture shows, not the
// length of the curve in picture units.  A routine evaluates a bounded number of curve points
// in all; past that bound its lines run straight from traced point to traced point.
#include <algorithm>
#include <cassert>
#include <cmath>

#include "frame/kernel_layer.h"
#include "frame/numeric.h"
#include "frame/state.h"
#include "grid/labels.h"
#include "grid/tracing.h"

using namespace surflib;

namespace {

constexpr float kNoTangent = 1.0e-4f;
constexpr double kCornerCosine = 0.99996;
// A segment never yields more curve points than this, whatever its length.
constexpr long long kMaxCurvePoints = 1000000;
// Runs of curve points tested at once: the first run of a stretch, and the longest.
constexpr long long kFirstRun = 64;
constexpr long long kLongestRun = 1LL << 20;
// Below this parameter a step of 1.0 is exact within a binade (see stepsAhead).
constexpr double kExactSteps = 4503599627370496.0;  // 2^52

bool hasTangent(float tx, float ty)
{
    return std::fabs(tx) > kNoTangent || std::fabs(ty) > kNoTangent;
}

void drawSmoothBuffer()
{
    ContourSmoothBuffer& b = surfaceState.smoothBuffer;
    if (b.count > 1) surfaceDrawContourPoints(b.count, b.x, b.y);
}

void restartSmoothBuffer(float X, float Y)
{
    ContourSmoothBuffer& b = surfaceState.smoothBuffer;
    b.x[0] = X;
    b.y[0] = Y;
    b.count = 1;
}

void collectPicturePoint(float X, float Y)
{
    if (!surfaceFlagOn(surfaceState.collection.on)) return;
    surfaceCollectContourPoint(surfacePictureToMapX(X), surfacePictureToMapY(Y));
}

// The line is cut here: what the buffer holds is drawn, and the next point inside starts it
// afresh.
void cutLine()
{
    SurfaceLibraryState& s = surfaceState;
    s.projection.fitMargin = 1;
    drawSmoothBuffer();
    s.smoothBuffer.count = 0;
}

// Adds a point of the curve; straight points exactly on the far edges count as outside.
void addPoint(float X, float Y, bool straight)
{
    SurfaceLibraryState& s = surfaceState;
    ContourSmoothBuffer& b = s.smoothBuffer;
    const float* clip = s.mapClip;
    bool outside =
        X < clip[0] || X > clip[1] || Y < clip[2] || Y > clip[3] || std::isnan(X) || std::isnan(Y);
    if (straight && (X == clip[1] || Y == clip[3])) outside = true;
    int& flag = s.projection.fitMargin;
    if (outside) {
        cutLine();
        return;
    }
    if (flag == 1) {
        restartSmoothBuffer(X, Y);
        flag = 0;
        return;
    }
    if (b.count > 0 && b.x[b.count - 1] == X && b.y[b.count - 1] == Y) return;
    if (b.count >= kSmoothBufferRoom) b.count = kSmoothBufferRoom - 1;
    b.x[b.count] = X;
    b.y[b.count] = Y;
    ++b.count;
    collectPicturePoint(X, Y);
    if (b.count > kSmoothBufferFlush - 1) {
        drawSmoothBuffer();
        restartSmoothBuffer(X, Y);
    }
}

// One cubic segment of the curve: P(t) = p0 + t (u0 + t (b + t c)), evaluated in Horner form.
struct Cubic {
    double p0x, p0y, u0x, u0y, bx, by, cx, cy;
    float x(double t) const { return surfaceNarrow(p0x + t * (u0x + t * (bx + t * cx))); }
    float y(double t) const { return surfaceNarrow(p0y + t * (u0y + t * (by + t * cy))); }
};

// The parameter after n steps of 1.0 from t (1 <= t < 2^52), rounded as n additions of 1.0
// round it: within a binade every step is exact, and the step into the next binade is taken
// as an addition of its own.
double stepsAhead(double t, long long n)
{
    assert(t >= 1.0 && t < kExactSteps && n >= 0);
    while (n > 0) {
        int e = 0;
        std::frexp(t, &e);
        const double room = std::ldexp(1.0, e) - t;  // exact: t lies in [2^(e-1), 2^e)
        const long long within = std::min(n, static_cast<long long>(std::ceil(room)) - 1);
        t += static_cast<double>(within);
        n -= within;
        if (n > 0) {
            t += 1.0;
            --n;
        }
    }
    return t;
}

// The values p + t (u + t (b + t c)) takes for t in [ta, tb]: the ends and the turning
// points between them, widened by far more than the rounding of their evaluation (and of the
// narrowing to a float) can move a point.
struct Span {
    double lo, hi;
};
Span cubicSpan(double p, double u, double b, double c, double ta, double tb)
{
    const auto at = [&](double t) { return p + t * (u + t * (b + t * c)); };
    Span r{std::fmin(at(ta), at(tb)), std::fmax(at(ta), at(tb))};
    // Turning points: 3c t^2 + 2b t + u = 0.
    double roots[2] = {ta, ta};
    if (c != 0.0) {
        const double disc = b * b - 3.0 * c * u;
        if (disc >= 0.0) {
            const double q = -(b + std::copysign(std::sqrt(disc), b));
            roots[0] = q / (3.0 * c);
            if (q != 0.0) roots[1] = u / q;
        }
    } else if (b != 0.0) {
        roots[0] = -u / (2.0 * b);
    }
    for (double t : roots) {
        if (t > ta && t < tb) {
            r.lo = std::fmin(r.lo, at(t));
            r.hi = std::fmax(r.hi, at(t));
        }
    }
    const double tm = std::fmax(std::fabs(ta), std::fabs(tb));
    const double terms =
        std::fabs(p) + tm * (std::fabs(u) + tm * (std::fabs(b) + tm * std::fabs(c)));
    const double margin = 1.0e-6 * (terms + std::fmax(std::fabs(r.lo), std::fabs(r.hi))) + 1.0e-30;
    return {r.lo - margin, r.hi + margin};
}

// Where the picture can show a point: the picture space widened by its own width and height
// on every side (a device may show a border about it, and a line has a width); nullptr when
// the kernel gives no picture to measure.  Read once per routine.
const float* pictureReach()
{
    ContourSmoothReach& r = surfaceState.smoothReach;
    if (r.known == 0) {
        int status = 0;
        float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
        surfaceEnquirePlotFrame(status, x1, y1, x2, y2);
        const float w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
        r.known = -1;
        if (status == 0 && std::isfinite(w) && std::isfinite(h) && w > 0.0f && h > 0.0f) {
            r.reach[0] = std::fmin(x1, x2) - w;
            r.reach[1] = std::fmax(x1, x2) + w;
            r.reach[2] = std::fmin(y1, y2) - h;
            r.reach[3] = std::fmax(y1, y2) + h;
            r.known = std::isfinite(r.reach[0] + r.reach[1] + r.reach[2] + r.reach[3]) ? 1 : -1;
        }
    }
    return r.known == 1 ? r.reach : nullptr;
}

// True when the rectangle (x1, x2, y1, y2) and the spans cannot share a point.
bool apart(const float* box, const Span& x, const Span& y)
{
    return x.hi < box[0] || x.lo > box[1] || y.hi < box[2] || y.lo > box[3];
}

enum class RunView { Shown, OutsideMapArea, OffPicture };

// How much of the run of curve points from parameter ta to tb may show.  A run off the picture
// may still lie in the map area; it is passed over only when its points are not collected.
RunView viewOf(const Cubic& c, double ta, double tb)
{
    const Span x = cubicSpan(c.p0x, c.u0x, c.bx, c.cx, ta, tb);
    const Span y = cubicSpan(c.p0y, c.u0y, c.by, c.cy, ta, tb);
    if (apart(surfaceState.mapClip, x, y)) return RunView::OutsideMapArea;
    if (surfaceFlagOn(surfaceState.collection.on)) return RunView::Shown;
    const float* reach = pictureReach();
    return reach != nullptr && apart(reach, x, y) ? RunView::OffPicture : RunView::Shown;
}

// The curve points of one segment at t, t + 1, ... while t is at most tEnd, no more than
// kMaxCurvePoints of them and none past the routine's bound; returns the parameter after the
// last point, or NaN when the bound cut the segment short.  A run passed over adds its first
// point (outside the map area: one outside point cuts the line as all of them would) or its
// two end points with a cut between them (off the picture), so that the line leads into the
// run and out of it as before.
double addCurvePoints(const Cubic& c, double t, double tEnd)
{
    long long& used = surfaceState.smoothReach.pointsUsed;
    long long n = 0, run = kFirstRun;
    while (t <= tEnd && n < kMaxCurvePoints) {
        if (used >= kSmoothCurvePointsPerRoutine) return std::nan("");
        long long m = 1;
        if (t >= 1.0 && t < kExactSteps) {
            const double ahead = std::fmin(tEnd, kExactSteps) - t;
            m = std::min({run, kMaxCurvePoints - n, static_cast<long long>(ahead) + 1});
            while (m > 1 && stepsAhead(t, m - 1) > tEnd) --m;
        }
        const double last = m > 1 ? stepsAhead(t, m - 1) : t;
        const RunView view = m > 1 ? viewOf(c, t, last) : RunView::Shown;
        if (view == RunView::Shown && m > kFirstRun) {
            run = m / 2;  // look closer
            continue;
        }
        n += m;
        if (view == RunView::Shown) {
            for (long long k = 0; k < m; ++k, t += 1.0) addPoint(c.x(t), c.y(t), false);
            used += m;
            run = kFirstRun;
            continue;
        }
        addPoint(c.x(t), c.y(t), false);
        if (view == RunView::OffPicture) {
            cutLine();
            addPoint(c.x(last), c.y(last), false);
        }
        used += 2;
        t = stepsAhead(last, 1);
        run = std::min(2 * run, kLongestRun);
    }
    return t;
}

void tangentAt(int k, int mode)
{
    ContourSmoothWindow& w = surfaceState.smoothWindow;
    surfaceSmoothTangent(w.x, w.y, mode, w.tx[k], w.ty[k]);
}

void shiftWindow()
{
    ContourSmoothWindow& w = surfaceState.smoothWindow;
    w.backX = w.x[0];
    w.backY = w.y[0];
    w.x[0] = w.x[1];
    w.y[0] = w.y[1];
    w.tx[0] = w.tx[1];
    w.ty[0] = w.ty[1];
    w.x[1] = w.x[2];
    w.y[1] = w.y[2];
    w.tx[1] = 0.0f;
    w.ty[1] = 0.0f;
}

void setWindowPoint(int k, float X, float Y)
{
    ContourSmoothWindow& w = surfaceState.smoothWindow;
    w.x[k] = X;
    w.y[k] = Y;
    w.tx[k] = 0.0f;
    w.ty[k] = 0.0f;
}

// One traced point enters the window as its third point.
void enterWindow(float X, float Y)
{
    SurfaceLibraryState& s = surfaceState;
    ContourSmoothWindow& w = s.smoothWindow;
    ++w.linePoints;
    if (w.postLabelMark == kLabelRunGathering) {
        // Refilling after a label anchored at the current point.
        if (w.postLabelCount == 1) {
            setWindowPoint(1, X, Y);
            w.postLabelCount = 2;
            return;
        }
        setWindowPoint(2, X, Y);
        tangentAt(0, 1);
        tangentAt(1, 2);
        surfaceDrawSmoothPiece(1, 2);
        shiftWindow();
        w.postLabelMark = 0;
        w.postLabelCount = 0;
        return;
    }
    if (w.linePoints == 2) {
        setWindowPoint(1, X, Y);
        return;
    }
    setWindowPoint(2, X, Y);
    if (w.linePoints == 3) {
        tangentAt(0, 1);
        tangentAt(1, 2);
        if (s.tracingPhase == kTracingBoundary) {
            surfaceDrawSmoothPiece(1, 2);
        } else {
            // A closed line: its first segment is drawn last, when the line closes.
            restartSmoothBuffer(w.x[1], w.y[1]);
            collectPicturePoint(w.x[1], w.y[1]);
            w.closeX = w.x[1];
            w.closeY = w.y[1];
            w.closeTx = w.tx[1];
            w.closeTy = w.ty[1];
        }
    } else {
        tangentAt(1, 2);
        surfaceDrawSmoothPiece(1, 2);
    }
    shiftWindow();
}

// The last piece of a closed line: it runs on to the point where the line closes (its
// second point, whose first segment is drawn last), with the tangent kept there.
void drawClosingPiece()
{
    ContourSmoothWindow& w = surfaceState.smoothWindow;
    w.x[2] = w.closeX;
    w.y[2] = w.closeY;
    w.tx[2] = w.closeTx;
    w.ty[2] = w.closeTy;
    tangentAt(1, 2);
    surfaceDrawSmoothPiece(1, 3);
}

// The last point of a line that repeats the point before it: the line ends on that point,
// whose end tangent comes from the window as it was (a repeated point has no direction).
bool finishOnRepeatedPoint(float X, float Y)
{
    SurfaceLibraryState& s = surfaceState;
    ContourSmoothWindow& w = s.smoothWindow;
    const bool repeated = std::fabs(X - w.x[1]) < 0.001f && std::fabs(Y - w.y[1]) < 0.001f;
    if (!repeated || w.linePoints < 3 || w.postLabelMark == kLabelRunGathering) return false;
    if (s.tracingPhase == kTracingInterior) {
        if (w.linePoints < 4) return false;
        drawClosingPiece();
        return true;
    }
    const float bx[3] = {w.backX, w.x[0], w.x[1]}, by[3] = {w.backY, w.y[0], w.y[1]};
    surfaceSmoothTangent(bx, by, 3, w.tx[1], w.ty[1]);
    surfaceDrawSmoothPiece(1, 2);
    return true;
}

void finishLine(float X, float Y)
{
    SurfaceLibraryState& s = surfaceState;
    ContourSmoothWindow& w = s.smoothWindow;
    if (finishOnRepeatedPoint(X, Y)) return;
    ++w.linePoints;
    if (w.postLabelMark == kLabelRunGathering && w.postLabelCount == 1) {
        setWindowPoint(1, w.x[0], w.y[0]);
    }
    w.postLabelMark = 0;
    setWindowPoint(2, X, Y);
    tangentAt(1, 2);
    const bool closed = s.tracingPhase == kTracingInterior;
    if (!closed) {
        tangentAt(2, 3);
        surfaceDrawSmoothPiece(1, 3);
    } else if (w.linePoints >= 4) {
        surfaceDrawSmoothPiece(1, 2);
        shiftWindow();
        drawClosingPiece();
    } else {
        w.tx[2] = w.tx[0];
        w.ty[2] = w.ty[0];
        surfaceDrawSmoothPiece(1, 3);
    }
}

// The points gathered for a label run, in ContourPolylineBuffer.
void dropRun()
{
    surfaceState.lineBuffer.count = 0;
    surfaceState.lineBuffer.labelStart = 0;
}

// The next label run starts at (X, Y) with no points gathered for it.
void restartRun(float X, float Y)
{
    ContourLabelRun& r = surfaceState.labelRun;
    r.startX = X;
    r.startY = Y;
    dropRun();
}

void abandonRun(float X, float Y)
{
    SurfaceLibraryState& s = surfaceState;
    ContourPolylineBuffer& b = s.lineBuffer;
    const int n = b.count;
    dropRun();
    for (int k = 0; k < n; ++k) enterWindow(b.x[k], b.y[k]);
    enterWindow(X, Y);
    s.labelRun.startX = X;
    s.labelRun.startY = Y;
    s.labelRun.runLength = 0.0f;
}

// The label steps of one point; true when the point was used here (gathered, or drawn with
// its run), false when it goes on to the window.
bool labelStep(float X, float Y, const float* work)
{
    SurfaceLibraryState& s = surfaceState;
    ContourLabelRun& r = s.labelRun;
    ContourPolylineBuffer& b = s.lineBuffer;
    ContourSmoothWindow& w = s.smoothWindow;
    const ContourLabelMetrics m = surfaceLabelMetrics();
    const float c = surfaceNarrow(
        std::hypot(static_cast<double>(X) - r.startX, static_cast<double>(Y) - r.startY));
    r.runLength += c;
    if (r.runLength <= s.contour.labelSpacing) {
        restartRun(X, Y);
        return false;
    }
    if (!surfaceLabelRoomFits(m, work)) {
        r.runLength = 0.0f;
        restartRun(X, Y);
        return false;
    }
    if (c < m.L) {
        r.runLength -= c;
        if (b.count >= kContourBufferPoints) {
            abandonRun(X, Y);
            return true;
        }
        b.x[b.count] = X;
        b.y[b.count] = Y;
        ++b.count;
        b.labelStart = kLabelRunGathering;
        return true;
    }
    const int k = b.count;
    const float fx = k >= 2 ? b.x[1] : (k == 1 ? b.x[0] : X);
    const float fy = k >= 2 ? b.y[1] : (k == 1 ? b.y[0] : Y);
    const float lx = k <= 1 ? r.startX : b.x[std::max(k - 3, 0)];
    const float ly = k <= 1 ? r.startY : b.y[std::max(k - 3, 0)];
    ContourLabelPlace place{};
    if (!surfaceLabelRunStraight(fx, fy, lx, ly, X, Y) || !surfaceLayLabel(m, X, Y, true, place)) {
        abandonRun(X, Y);
        return true;
    }
    surfaceSetLabelText(m, place);
    // The curve runs on to S (window point 2) and stops there.
    setWindowPoint(2, X, Y);
    tangentAt(1, 2);
    const float stx = w.tx[1], sty = w.ty[1];
    surfaceDrawSmoothPiece(1, 2);
    drawSmoothBuffer();
    s.smoothBuffer.count = 0;
    surfaceWriteLabelNumber(place);
    ++w.linePoints;
    if (place.anchorAtPoint) {
        restartSmoothBuffer(X, Y);
        setWindowPoint(0, X, Y);
        setWindowPoint(1, X, Y);
        w.postLabelMark = kLabelRunGathering;
        w.postLabelCount = 1;
    } else {
        const float ex = surfaceNarrow(place.ax + static_cast<double>(m.L) * place.dx);
        const float ey = surfaceNarrow(place.ay + static_cast<double>(m.L) * place.dy);
        restartSmoothBuffer(ex, ey);
        collectPicturePoint(ex, ey);
        setWindowPoint(0, ex, ey);
        w.tx[0] = stx;
        w.ty[0] = sty;
        setWindowPoint(1, X, Y);
    }
    r.runLength = 0.0f;
    restartRun(X, Y);
    return true;
}

}  // namespace

namespace surflib {

void surfaceSmoothTangent(const float* x, const float* y, int mode, float& tx, float& ty)
{
    const double d1x = static_cast<double>(x[1]) - x[0], d1y = static_cast<double>(y[1]) - y[0];
    const double d2x = static_cast<double>(x[2]) - x[1], d2y = static_cast<double>(y[2]) - y[1];
    const double a = d1x * d1x + d1y * d1y, b = d2x * d2x + d2y * d2y;
    const double s2 = 2.0 * std::sqrt(a * b);
    double rx = 0.0, ry = 0.0;
    if (mode == 1) {
        rx = (b + s2) * d1x - a * d2x;
        ry = (b + s2) * d1y - a * d2y;
    } else if (mode == 3) {
        rx = -b * d1x + (a + s2) * d2x;
        ry = -b * d1y + (a + s2) * d2y;
    } else {
        rx = b * d1x + a * d2x;
        ry = b * d1y + a * d2y;
    }
    tx = surfaceNarrow(rx);
    ty = surfaceNarrow(ry);
    if (!std::isfinite(tx) || !std::isfinite(ty)) {
        tx = 0.0f;
        ty = 0.0f;
    }
}

void surfaceAddSmoothPoint(float X, float Y) { addPoint(X, Y, false); }

void surfaceDrawSmoothPiece(int from, int to)
{
    SurfaceLibraryState& s = surfaceState;
    ContourSmoothWindow& w = s.smoothWindow;
    s.projection.fitMargin = 0;
    bool started = false;  // a point with a tangent has been met in this call
    for (int k = from - 1; k <= to - 1; ++k) {
        const float px = w.x[k], py = w.y[k];
        const double tlen = std::sqrt(static_cast<double>(w.tx[k]) * w.tx[k] +
                                      static_cast<double>(w.ty[k]) * w.ty[k]);
        if (!hasTangent(w.tx[k], w.ty[k]) || !(tlen > 0.0) || !std::isfinite(tlen)) {
            if (k != from - 1) addPoint(px, py, true);
            started = false;
            continue;
        }
        const double u1x = w.tx[k] / tlen, u1y = w.ty[k] / tlen;
        if (!started) {
            if (k != from - 1) addPoint(px, py, true);
            w.p0x = px;
            w.p0y = py;
            w.u0x = static_cast<float>(u1x);
            w.u0y = static_cast<float>(u1y);
            w.carry = 1.0f;
            started = true;
            continue;
        }
        const double dx = static_cast<double>(px) - w.p0x, dy = static_cast<double>(py) - w.p0y;
        const double d2 = dx * dx + dy * dy;
        const double dot = u1x * w.u0x + u1y * w.u0y;
        if (d2 <= 1.0) {
            if (d2 <= s.eps && dot <= kCornerCosine) {
                addPoint(px, py, false);
                w.p0x = px;
                w.p0y = py;
                w.u0x = static_cast<float>(u1x);
                w.u0y = static_cast<float>(u1y);
                w.carry = 1.0f;
            }
            continue;
        }
        const double kk = 7.0 - dot;
        const double sx = w.u0x + u1x, sy = w.u0y + u1y;
        const double b = sx * dx + sy * dy;
        const double r = std::sqrt(b * b + 2.0 * kk * d2);
        const double q = (b + r) / d2;
        const double tEnd = 3.0 * (r - b) / kk;
        const double a = q / 12.0;
        const double ax = (q * dx - 3.0 * sx) * a, ay = (q * dy - 3.0 * sy) * a;
        const double bx = (u1x - w.u0x) * a + ax, by = (u1y - w.u0y) * a + ay;
        const double cx = -(q / 9.0) * ax, cy = -(q / 9.0) * ay;
        if (std::isfinite(tEnd)) {
            // The curve's terms held locally: adding a point writes the library state.
            const Cubic curve{w.p0x, w.p0y, w.u0x, w.u0y, bx, by, cx, cy};
            const double t = addCurvePoints(curve, w.carry, tEnd);
            // A segment cut short carries no parameter over: the next starts afresh.
            w.carry = t > tEnd ? surfaceNarrow(t - tEnd) : 1.0f;
        }
        w.p0x = px;
        w.p0y = py;
        w.u0x = static_cast<float>(u1x);
        w.u0y = static_cast<float>(u1y);
    }
    // Every piece ends exactly on its last traced point.
    const float ex = w.x[to - 1], ey = w.y[to - 1];
    addPoint(ex, ey, false);
    const ContourSmoothBuffer& sb = s.smoothBuffer;
    const bool appended = sb.count > 0 && sb.x[sb.count - 1] == ex && sb.y[sb.count - 1] == ey;
    if (!appended) collectPicturePoint(ex, ey);
    s.projection.fitMargin = 0;
}

void surfaceOutputSmoothedLine(float x, float y, float level, int& first, int end, float* work)
{
    (void)level;
    SurfaceLibraryState& s = surfaceState;
    ContourSmoothWindow& w = s.smoothWindow;
    ContourLabelRun& r = s.labelRun;
    const float X = surfaceMapToPictureX(x), Y = surfaceMapToPictureY(y);
    if (first != 0) {
        restartSmoothBuffer(X, Y);
        w.linePoints = 1;
        w.closeX = X;
        w.closeY = Y;
        w.closeTx = 0.0f;
        w.closeTy = 0.0f;
        setWindowPoint(0, X, Y);
        setWindowPoint(1, X, Y);
        w.postLabelMark = 0;
        w.postLabelCount = 0;
        r.runLength = s.contour.labelSpacing * 0.5f;
        restartRun(X, Y);
        surfaceCollectContourPoint(x, y);
        first = 0;
        r.prevX = X;
        r.prevY = Y;
        if (end == 0) return;
    }
    if (end == 0 && std::fabs(X - r.prevX) < 0.001f && std::fabs(Y - r.prevY) < 0.001f) return;
    bool used = false;
    if (end == 0 && surfaceLabelsDue()) {
        if (w.linePoints >= 3 && w.postLabelMark != kLabelRunGathering) {
            used = labelStep(X, Y, work);
        } else {
            // The window is filling: the run start follows the line.
            r.runLength += surfaceNarrow(
                std::hypot(static_cast<double>(X) - r.startX, static_cast<double>(Y) - r.startY));
            r.startX = X;
            r.startY = Y;
        }
    }
    if (!used) {
        if (end != 0) {
            if (s.lineBuffer.count > 0) {
                const int n = s.lineBuffer.count;
                dropRun();
                for (int k = 0; k < n; ++k) enterWindow(s.lineBuffer.x[k], s.lineBuffer.y[k]);
            }
            finishLine(X, Y);
            if (s.outputEnabled == 1) drawSmoothBuffer();
            s.smoothBuffer.count = 0;
            surfaceResetLabelText();
        } else {
            enterWindow(X, Y);
        }
    }
    r.prevX = X;
    r.prevY = Y;
}

}  // namespace surflib
