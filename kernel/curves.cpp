// curves.cpp - smooth curves through points: a parametric curve, a cubic spline in x and an
// Akima curve, each with the end conditions -1 (neighbour point from the curve ends), 0 (free)
// and 1 (tangent from the curve ends).
//
// All three drop non-finite points and repeated consecutive points first, so zero-length
// chords never reach the arithmetic.  The parametric forms use the chord length as parameter.
// The spline and the Akima curve are functions of x while x is strictly monotone and fall back
// to their parametric forms otherwise.  A curve starts at its own first point and leaves the
// current point at its last.
#include <algorithm>
#include <cmath>
#include <optional>

#include "state.h"

using namespace tarv;

namespace {

enum class CurveKind { Smooth = 0, Spline = 1, Akima = 2 };

// One coordinate of a piecewise cubic: values and first derivatives at the knots t.
struct Hermite {
    std::vector<double> t, v, d;
};

double hermite(const Hermite& h, size_t i, double u)
{
    double dt = h.t[i + 1] - h.t[i];
    double s = (u - h.t[i]) / dt, s2 = s * s, s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * h.v[i] + (s3 - 2 * s2 + s) * dt * h.d[i] +
        (-2 * s3 + 3 * s2) * h.v[i + 1] + (s3 - s2) * dt * h.d[i + 1];
}

// Derivatives of the C2 cubic spline through (t, v); an end derivative given clamps that end,
// none leaves it natural.
std::vector<double> splineDerivatives(const std::vector<double>& t, const std::vector<double>& v,
                                      std::optional<double> d0, std::optional<double> dn)
{
    size_t n = t.size();
    std::vector<double> h(n - 1), delta(n - 1);
    for (size_t i = 0; i + 1 < n; ++i) {
        h[i] = t[i + 1] - t[i];
        delta[i] = (v[i + 1] - v[i]) / h[i];
    }
    // Tridiagonal system for the second derivatives M (Thomas algorithm).
    std::vector<double> a(n, 0.0), b(n, 1.0), c(n, 0.0), r(n, 0.0);
    if (d0) {
        b[0] = 2 * h[0];
        c[0] = h[0];
        r[0] = 6 * (delta[0] - *d0);
    }
    for (size_t i = 1; i + 1 < n; ++i) {
        a[i] = h[i - 1];
        b[i] = 2 * (h[i - 1] + h[i]);
        c[i] = h[i];
        r[i] = 6 * (delta[i] - delta[i - 1]);
    }
    if (dn) {
        a[n - 1] = h[n - 2];
        b[n - 1] = 2 * h[n - 2];
        r[n - 1] = 6 * (*dn - delta[n - 2]);
    }
    for (size_t i = 1; i < n; ++i) {
        double w = a[i] / b[i - 1];
        b[i] -= w * c[i - 1];
        r[i] -= w * r[i - 1];
    }
    std::vector<double> m(n);
    m[n - 1] = r[n - 1] / b[n - 1];
    for (size_t i = n - 1; i-- > 0;) m[i] = (r[i] - c[i] * m[i + 1]) / b[i];
    std::vector<double> d(n);
    for (size_t i = 0; i + 1 < n; ++i) d[i] = delta[i] - h[i] * (2 * m[i] + m[i + 1]) / 6;
    d[n - 1] = delta[n - 2] + h[n - 2] * (m[n - 2] + 2 * m[n - 1]) / 6;
    return d;
}

// Slope at the middle knot of three (t0 < t1 < t2 or the reverse): the parabola's.
double besselSlope(double t0, double v0, double t1, double v1, double t2, double v2)
{
    double h0 = t1 - t0, h1 = t2 - t1;
    return (h1 * (v1 - v0) / h0 + h0 * (v2 - v1) / h1) / (h0 + h1);
}

// Akima derivatives; the extra end slopes come from the given end derivative, from an outer
// neighbour (slope of the chord to it) or by extrapolation.
std::vector<double> akimaDerivatives(const std::vector<double>& t, const std::vector<double>& v,
                                     std::optional<double> outerStart,
                                     std::optional<double> outerEnd)
{
    size_t n = t.size();
    std::vector<double> m(n + 3);  // m[k + 2] is the slope of segment k
    for (size_t k = 0; k + 1 < n; ++k) m[k + 2] = (v[k + 1] - v[k]) / (t[k + 1] - t[k]);
    if (n == 2) {
        m[1] = m[0] = m[3] = m[4] = m[2];
    } else {
        m[1] = 2 * m[2] - m[3];
        m[n + 1] = 2 * m[n] - m[n - 1];
    }
    if (outerStart) m[1] = *outerStart;
    if (outerEnd) m[n + 1] = *outerEnd;
    m[0] = 2 * m[1] - m[2];
    m[n + 2] = 2 * m[n + 1] - m[n];
    std::vector<double> d(n);
    for (size_t i = 0; i < n; ++i) {
        double w1 = std::fabs(m[i + 3] - m[i + 2]), w2 = std::fabs(m[i + 1] - m[i]);
        d[i] = (w1 + w2 > 1e-12 * (std::fabs(m[i + 1]) + std::fabs(m[i + 2]) + 1e-300))
            ? (w1 * m[i + 1] + w2 * m[i + 2]) / (w1 + w2)
            : 0.5 * (m[i + 1] + m[i + 2]);
    }
    return d;
}

// What the end conditions supply for one end.
struct EndData {
    std::optional<Point> neighbour;  // condition -1
    std::optional<Point> tangent;    // condition 1, unit length
};

EndData endData(int condition, float tx, float ty, float nx, float ny, const Point& end)
{
    EndData e;
    if (condition == -1 && finite2(nx, ny) && (nx != end.x || ny != end.y))
        e.neighbour = Point{nx, ny};
    double len = std::hypot(static_cast<double>(tx), static_cast<double>(ty));
    if (condition == 1 && std::isfinite(len) && len > 0.0) e.tangent = Point{tx / len, ty / len};
    return e;
}

struct Curve {
    Hermite x, y;           // parametric form (x.t == y.t)
    bool function = false;  // y as a function of x: x.v are the knots, only y is used
};

std::vector<double> chordParameter(const std::vector<Point>& p)
{
    std::vector<double> s(p.size(), 0.0);
    for (size_t i = 1; i < p.size(); ++i)
        s[i] = s[i - 1] + std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y);
    return s;
}

bool strictlyMonotoneX(const std::vector<Point>& p)
{
    bool up = p[1].x > p[0].x;
    for (size_t i = 1; i < p.size(); ++i)
        if (up ? !(p[i].x > p[i - 1].x) : !(p[i].x < p[i - 1].x)) return false;
    return true;
}

// Derivative the end condition gives for coordinate v over parameter t at one end.
// `phantomT`/`phantomV` is the neighbour's position in parameter and value.
std::optional<double> endDerivative(const EndData& e, bool atStart, const std::vector<double>& t,
                                    const std::vector<double>& v, double tangentComponent,
                                    std::optional<double> phantomT, double phantomV,
                                    bool interpolateWithPhantom)
{
    if (e.tangent) return tangentComponent;
    if (e.neighbour && phantomT && interpolateWithPhantom) {
        size_t n = t.size();
        if (atStart) return besselSlope(*phantomT, phantomV, t[0], v[0], t[1], v[1]);
        return besselSlope(t[n - 2], v[n - 2], t[n - 1], v[n - 1], *phantomT, phantomV);
    }
    return std::nullopt;
}

Curve buildCurve(CurveKind kind, const std::vector<Point>& p, const EndData& s, const EndData& e)
{
    Curve c;
    size_t n = p.size();
    bool function = kind != CurveKind::Smooth && strictlyMonotoneX(p);
    std::vector<double> t, xs(n), ys(n);
    for (size_t i = 0; i < n; ++i) {
        xs[i] = p[i].x;
        ys[i] = p[i].y;
    }
    if (function) {
        t = xs;
    } else {
        t = chordParameter(p);
    }
    // Parameter positions of the neighbour points.
    std::optional<double> ps, pe;
    if (s.neighbour) {
        double gap = function ? s.neighbour->x - p[0].x
                              : -std::hypot(s.neighbour->x - p[0].x, s.neighbour->y - p[0].y);
        if (function ? (gap != 0.0 && ((gap < 0) == (t[1] > t[0]))) : gap < 0.0) ps = t[0] + gap;
    }
    if (e.neighbour) {
        double gap = function
            ? e.neighbour->x - p[n - 1].x
            : std::hypot(e.neighbour->x - p[n - 1].x, e.neighbour->y - p[n - 1].y);
        if (function ? (gap != 0.0 && ((gap > 0) == (t[1] > t[0]))) : gap > 0.0)
            pe = t[n - 1] + gap;
    }
    auto solve = [&](const std::vector<double>& v, bool isY) -> std::vector<double> {
        auto tangentOf = [&](const EndData& d) {
            if (!d.tangent) return 0.0;
            if (!function) return isY ? d.tangent->y : d.tangent->x;
            return d.tangent->x != 0.0 ? d.tangent->y / d.tangent->x : 0.0;
        };
        EndData sEff = s, eEff = e;
        if (function) {  // a vertical tangent is no slope of y(x): treat that end as free
            if (sEff.tangent && sEff.tangent->x == 0.0) sEff.tangent.reset();
            if (eEff.tangent && eEff.tangent->x == 0.0) eEff.tangent.reset();
        }
        double sv = s.neighbour ? (isY ? s.neighbour->y : s.neighbour->x) : 0.0;
        double ev = e.neighbour ? (isY ? e.neighbour->y : e.neighbour->x) : 0.0;
        if (kind == CurveKind::Akima) {
            std::optional<double> outerS, outerE;
            if (ps) outerS = (v[0] - sv) / (t[0] - *ps);
            if (pe) outerE = (ev - v[n - 1]) / (*pe - t[n - 1]);
            std::vector<double> d = akimaDerivatives(t, v, outerS, outerE);
            if (sEff.tangent) d[0] = tangentOf(sEff);
            if (eEff.tangent) d[n - 1] = tangentOf(eEff);
            return d;
        }
        std::optional<double> d0 = endDerivative(sEff, true, t, v, tangentOf(sEff), ps, sv, n >= 2);
        std::optional<double> dn =
            endDerivative(eEff, false, t, v, tangentOf(eEff), pe, ev, n >= 2);
        if (kind == CurveKind::Spline) {
            if (n == 2 && !d0 && !dn) {
                double slope = (v[1] - v[0]) / (t[1] - t[0]);
                return {slope, slope};
            }
            return splineDerivatives(t, v, d0, dn);
        }
        // Smooth curve: Bessel (Catmull-Rom on chord length) tangents.
        std::vector<double> d(n);
        for (size_t i = 1; i + 1 < n; ++i)
            d[i] = besselSlope(t[i - 1], v[i - 1], t[i], v[i], t[i + 1], v[i + 1]);
        if (n == 2) {
            double slope = (v[1] - v[0]) / (t[1] - t[0]);
            d[0] = d0.value_or(slope);
            d[1] = dn.value_or(slope);
            return d;
        }
        d[0] = d0.value_or(2.0 * (v[1] - v[0]) / (t[1] - t[0]) - d[1]);
        d[n - 1] = dn.value_or(2.0 * (v[n - 1] - v[n - 2]) / (t[n - 1] - t[n - 2]) - d[n - 2]);
        return d;
    };
    c.function = function;
    c.x.t = c.y.t = t;
    c.x.v = xs;
    c.y.v = ys;
    if (!function) c.x.d = solve(xs, false);
    c.y.d = solve(ys, true);
    return c;
}

}  // namespace

namespace tarv {

std::vector<Point> sampleCurve(int kind, const std::vector<Point>& pts, int startCondition,
                               int endCondition, const std::array<float, 8>& v,
                               double deviceUnitsPerUnit, int fixedSteps)
{
    if (pts.size() < 2) return pts;
    EndData s = endData(startCondition, v[0], v[1], v[4], v[5], pts.front());
    EndData e = endData(endCondition, v[2], v[3], v[6], v[7], pts.back());
    Curve c = buildCurve(static_cast<CurveKind>(kind), pts, s, e);
    std::vector<Point> out;
    out.push_back(pts[0]);
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        int steps = fixedSteps;
        if (steps <= 0) {
            double chord =
                std::hypot(pts[i + 1].x - pts[i].x, pts[i + 1].y - pts[i].y) * deviceUnitsPerUnit;
            steps = static_cast<int>(std::clamp(std::ceil(chord / 3.0), 4.0, 64.0));
        }
        for (int k = 1; k < steps; ++k) {
            double u = c.y.t[i] + (c.y.t[i + 1] - c.y.t[i]) * k / steps;
            double x = c.function ? u : hermite(c.x, i, u);
            double y = hermite(c.y, i, u);
            if (std::isfinite(x) && std::isfinite(y)) out.push_back({x, y});
        }
        out.push_back(pts[i + 1]);
    }
    return out;
}

}  // namespace tarv

namespace {

void drawCurve(const char* name, CurveKind kind, const float* x, const float* y, int n,
               int startCondition, int endCondition)
{
    int count = 0;
    bool ok = acceptCount(name, n, count);
    if (x == nullptr || y == nullptr) count = 0;
    if (tracing())
        TraceLine(name)
            .reals(x, count)
            .reals(y, count)
            .i(n)
            .i(startCondition)
            .i(endCondition)
            .emit();
    if (!ok) return;
    std::vector<Point> pts;
    for (int k = 0; k < count; ++k) {
        if (!finite2(x[k], y[k])) continue;
        Point q{x[k], y[k]};
        if (!pts.empty() && pts.back().x == q.x && pts.back().y == q.y) continue;
        pts.push_back(q);
    }
    if (pts.empty() || (pts.size() == 1 && count < 2)) return;
    if (pts.size() >= 2 && deviceActive())
        devicePolyline(sampleCurve(static_cast<int>(kind), pts, startCondition, endCondition,
                                   state().curve.values, deviceScale(), 0));
    state().pen.x = static_cast<float>(pts.back().x);
    state().pen.y = static_cast<float>(pts.back().y);
}

}  // namespace

void kernelSetCurveEnds(const float& tx0, const float& ty0, const float& tx1, const float& ty1,
                        const float& xb, const float& yb, const float& xa, const float& ya)
{
    state().curve.values = {tx0, ty0, tx1, ty1, xb, yb, xa, ya};
    if (tracing())
        TraceLine("kernelSetCurveEnds").r(tx0).r(ty0).r(tx1).r(ty1).r(xb).r(yb).r(xa).r(ya).emit();
}

void kernelEnquireCurveEnds(float& tx0, float& ty0, float& tx1, float& ty1, float& xb, float& yb,
                            float& xa, float& ya)
{
    const auto& v = state().curve.values;
    tx0 = v[0];
    ty0 = v[1];
    tx1 = v[2];
    ty1 = v[3];
    xb = v[4];
    yb = v[5];
    xa = v[6];
    ya = v[7];
    if (tracing())
        TraceLine("kernelEnquireCurveEnds")
            .arrow()
            .r(tx0)
            .r(ty0)
            .r(tx1)
            .r(ty1)
            .r(xb)
            .r(yb)
            .r(xa)
            .r(ya)
            .emit();
}

void kernelDrawCurve(const float* x, const float* y, const int& n, const int& startCondition,
                     const int& endCondition)
{
    drawCurve("kernelDrawCurve", CurveKind::Smooth, x, y, n, startCondition, endCondition);
}

void kernelDrawSpline(const float* x, const float* y, const int& n, const int& startCondition,
                      const int& endCondition)
{
    drawCurve("kernelDrawSpline", CurveKind::Spline, x, y, n, startCondition, endCondition);
}

void kernelDrawAkimaCurve(const float* x, const float* y, const int& n, const int& startCondition,
                          const int& endCondition)
{
    drawCurve("kernelDrawAkimaCurve", CurveKind::Akima, x, y, n, startCondition, endCondition);
}
