// ray_visibility_test.cpp - hidden-line pictures checked against the surface itself.  Every
// drawn piece of a wire frame is traced back to the grid line it came from, and a ray from the
// eye to that 3-D point is tested against the cells of the grid: no drawn point may
// lie behind the surface, and every grid point that the eye plainly sees must be drawn.  The
// check knows nothing of how the drawing walks the grid or keeps its outline.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"
#include "surface/surface.h"

namespace {

constexpr int kN = 17;  // nodes each way over [0, 16] x [0, 16]
constexpr float kSpan = 16.0f;

struct Surface {
    const char* name;
    float (*f)(float, float);
};

float ridgeAcross(float x, float y)
{
    const float d = (y - 8.0f - 0.25f * (x - 8.0f)) / 1.6f;
    return 6.0f * std::exp(-d * d);
}
float twoHills(float x, float y)
{
    const float a = ((x - 5.0f) * (x - 5.0f) + (y - 8.0f) * (y - 8.0f)) / 6.0f;
    const float b = ((x - 11.5f) * (x - 11.5f) + (y - 7.0f) * (y - 7.0f)) / 8.0f;
    return 7.0f * std::exp(-a) + 5.0f * std::exp(-b);
}
float bump(float x, float y)
{
    const float r2 = ((x - 8.0f) * (x - 8.0f) + (y - 8.0f) * (y - 8.0f)) / 10.0f;
    return 5.0f * std::exp(-r2);
}
// A rough surface: a fixed pseudo-random height at every node over a gentle slope.
float rough(float x, float y)
{
    uint32_t h = static_cast<uint32_t>(std::lround(x)) * 73856093u ^
        static_cast<uint32_t>(std::lround(y)) * 19349663u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return 0.15f * x + 2.5f * static_cast<float>(h % 1000u) / 1000.0f;
}

const Surface kSurfaces[] = {
    {"ridge", ridgeAcross}, {"two hills", twoHills}, {"bump", bump}, {"rough", rough}};

struct View {
    float elevation, azimuth;
};
// Axis-aligned azimuths put the eye over the grid's range: the walk is split there.
const View kViews[] = {{25.0f, 0.0f},  {15.0f, 90.0f},  {40.0f, 180.0f}, {60.0f, 270.0f},
                       {30.0f, 45.0f}, {20.0f, 130.0f}, {20.0f, 250.0f}, {60.0f, 45.0f},
                       {50.0f, 0.0f},  {15.0f, 310.0f}};

struct Vec3 {
    double x, y, z;
};

// The scene in the scaled space of the projection: data x, y and z mapped the way the
// perspective transform maps them before its divide, and the eye in that space.
class Scene {
public:
    explicit Scene(const std::vector<float>& z) : z_(z)
    {
        const ProjectionTerms& p = surfaceState.projection;
        ratio_ = surfaceState.surface.axesRatio;
        const double d = p.eyeDistance;
        eye_ = {d * p.sinAzSinTilt, d * p.cosAzSinTilt, d * p.cosTilt};
    }

    Vec3 scaled(double x, double y, double z) const
    {
        const ProjectionTerms& p = surfaceState.projection;
        return {x - p.centreX, (y - p.centreY) * ratio_, (z - p.zOrigin) * p.zScale};
    }

    // The heights of the grid at data (x, y); false outside the grid.  The grid says nothing of
    // the heights inside a cell: lo and hi bound its bilinear patch and both triangulations.
    bool height(double x, double y, double& lo, double& hi) const
    {
        if (x < 0.0 || y < 0.0 || x > kSpan || y > kSpan) return false;
        const double u = x * (kN - 1) / kSpan, v = y * (kN - 1) / kSpan;
        const int i = std::min(kN - 2, static_cast<int>(u)),
                  j = std::min(kN - 2, static_cast<int>(v));
        const double s = u - i, t = v - j;
        auto at = [&](int a, int b) {
            return static_cast<double>(z_[static_cast<size_t>(b) * kN + a]);
        };
        const double a = at(i, j), b = at(i + 1, j), c = at(i, j + 1), d = at(i + 1, j + 1);
        const double bilinear =
            (1 - s) * (1 - t) * a + s * (1 - t) * b + (1 - s) * t * c + s * t * d;
        const double diagonal =
            s >= t ? a + s * (b - a) + t * (d - b) : a + t * (c - a) + s * (d - c);
        const double other = s + t <= 1.0 ? a + s * (b - a) + t * (c - a)
                                          : d + (1 - s) * (c - d) + (1 - t) * (b - d);
        lo = std::min(bilinear, std::min(diagonal, other));
        hi = std::max(bilinear, std::max(diagonal, other));
        return true;
    }

    // The ray from data point q to the eye, in scaled z: `under` is the most it passes under the
    // surface, `over` the most it passes over it, until it leaves the grid.  A ray that does both
    // crosses the surface: q is hidden.  Only under: q is seen from below, past an edge; only
    // over: seen from above.  `clearance` is the least it keeps over the surface, asked in full
    // only from `skip` grid cells away from q: close to q the ray may still graze it.
    struct Ray {
        double under = 0.0, over = 0.0, clearance = 1e30;
        bool hidden(double tolerance) const { return under > tolerance && over > tolerance; }
    };
    Ray ray(double qx, double qy, double qz, double skip) const
    {
        const ProjectionTerms& p = surfaceState.projection;
        const Vec3 q = scaled(qx, qy, qz);
        Ray r;
        const double cell = kSpan / (kN - 1);
        const double ground = std::hypot(eye_.x - q.x, (eye_.y - q.y) / ratio_);
        const int steps = std::max(1, static_cast<int>(ground / cell * 24.0));
        for (int k = 1; k <= steps; ++k) {
            const double s = static_cast<double>(k) / steps;
            const double sx = q.x + s * (eye_.x - q.x), sy = q.y + s * (eye_.y - q.y),
                         sz = q.z + s * (eye_.z - q.z);
            const double x = sx + p.centreX, y = sy / ratio_ + p.centreY;
            double lo = 0.0, hi = 0.0;
            if (!height(x, y, lo, hi)) break;  // the ray has left the grid
            r.under = std::max(r.under, (lo - p.zOrigin) * p.zScale - sz);
            r.over = std::max(r.over, sz - (hi - p.zOrigin) * p.zScale);
            const double gap = sz - (hi - p.zOrigin) * p.zScale;
            if (skip > 0.0)
                r.clearance =
                    std::min(r.clearance, gap / std::min(1.0, s * ground / (skip * cell)));
        }
        return r;
    }

private:
    const std::vector<float>& z_;
    double ratio_ = 1.0;
    Vec3 eye_{};
};

// One grid segment of either family, data ends and their picture positions.
struct GridSegment {
    double x1, y1, z1, x2, y2, z2;
    float X1, Y1, X2, Y2;
};

class RayVisibilityTest : public PictureFixture {
public:
    void SetUp() override
    {
        PictureFixture::SetUp();
        PRJFRA(2);  // grid lines only: no base edges, no axes
    }

    static double segmentDistanceTo(double px, double py, double ax, double ay, double bx,
                                    double by)
    {
        return segmentDistance(px, py, ax, ay, bx, by);
    }

    std::vector<Polyline> draw(const std::vector<float>& z, const View& v)
    {
        const int wsize = kN * kN + 10 * kN + 8 * 4000;
        work_.assign(static_cast<size_t>(wsize), 0.0f);
        float d = 0.0f;
        capture();
        PERPRJ(kN, 0.0f, kSpan, kN, 0.0f, kSpan, z.data(), d, v.elevation, v.azimuth, wsize,
               work_.data());
        return polylines(calls());
    }

    static std::vector<GridSegment> gridSegments(const std::vector<float>& z)
    {
        std::vector<GridSegment> out;
        auto node = [&](int i, int j, double& x, double& y, double& h) {
            x = kSpan * i / (kN - 1);
            y = kSpan * j / (kN - 1);
            h = z[static_cast<size_t>(j) * kN + i];
        };
        for (int j = 0; j < kN; ++j) {
            for (int i = 0; i < kN; ++i) {
                for (int dir = 0; dir < 2; ++dir) {
                    const int i2 = i + (dir == 0), j2 = j + (dir == 1);
                    if (i2 >= kN || j2 >= kN) continue;
                    GridSegment s{};
                    node(i, j, s.x1, s.y1, s.z1);
                    node(i2, j2, s.x2, s.y2, s.z2);
                    surfaceProjectPerspective(static_cast<float>(s.x1), static_cast<float>(s.y1),
                                              static_cast<float>(s.z1), s.X1, s.Y1);
                    surfaceProjectPerspective(static_cast<float>(s.x2), static_cast<float>(s.y2),
                                              static_cast<float>(s.z2), s.X2, s.Y2);
                    out.push_back(s);
                }
            }
        }
        return out;
    }

    // The point of grid segment s whose picture position lies nearest (X, Y): its parameter and
    // the picture distance.
    static double nearestOn(const GridSegment& s, double X, double Y, double& t)
    {
        double lo = 0.0, hi = 1.0, best = 1e30;
        t = 0.0;
        for (int pass = 0; pass < 4; ++pass) {
            const int n = 24;
            for (int k = 0; k <= n; ++k) {
                const double u = lo + (hi - lo) * k / n;
                float px = 0, py = 0;
                surfaceProjectPerspective(static_cast<float>(s.x1 + (s.x2 - s.x1) * u),
                                          static_cast<float>(s.y1 + (s.y2 - s.y1) * u),
                                          static_cast<float>(s.z1 + (s.z2 - s.z1) * u), px, py);
                const double d = std::hypot(px - X, py - Y);
                if (d < best) best = d, t = u;
            }
            const double w = (hi - lo) / n;
            lo = std::max(0.0, t - w);
            hi = std::min(1.0, t + w);
        }
        return best;
    }

    std::vector<float> work_;
};

struct Counts {
    int samples = 0, hidden = 0, strays = 0, seen = 0, missing = 0;
    std::string where;
};

// Traces what the last picture drew of grid z back to the surface (see the opening lines).
// topOnly: the picture shows the top of the surface alone.  With wantSeen, also every plainly
// seen grid point must lie on a drawn line.
Counts inspect(const std::vector<float>& z, const std::vector<Polyline>& drawn, bool topOnly,
               bool wantSeen)
{
    const float zRange = 7.5f;
    const Scene scene(z);
    const std::vector<GridSegment> segments = RayVisibilityTest::gridSegments(z);
    const ProjectionTerms& p = surfaceState.projection;
    const double frame = std::max(p.frameWidth, p.frameHeight);
    const double near = 2e-3 * frame;                   // picture distance of a match
    const double tolerance = 4e-3 * zRange * p.zScale;  // depth allowed at silhouettes
    Counts c;
    std::ostringstream where;
    // Every drawn point comes from a grid point that no part of the surface hides.
    for (const Polyline& l : drawn) {
        for (size_t k = 1; k < l.x.size(); ++k) {
            for (int m = 0; m <= 8; ++m) {
                const double X = l.x[k - 1] + (l.x[k] - l.x[k - 1]) * m / 8.0;
                const double Y = l.y[k - 1] + (l.y[k] - l.y[k - 1]) * m / 8.0;
                ++c.samples;
                bool matched = false, clear = false;
                double least = 1e30;  // the least depth over the grid points drawn there
                for (const GridSegment& s : segments) {
                    if (X < std::min(s.X1, s.X2) - near || X > std::max(s.X1, s.X2) + near ||
                        Y < std::min(s.Y1, s.Y2) - near || Y > std::max(s.Y1, s.Y2) + near) {
                        continue;
                    }
                    double t = 0.0;
                    if (RayVisibilityTest::nearestOn(s, X, Y, t) > near) continue;
                    matched = true;
                    const Scene::Ray r =
                        scene.ray(s.x1 + (s.x2 - s.x1) * t, s.y1 + (s.y2 - s.y1) * t,
                                  s.z1 + (s.z2 - s.z1) * t, 0.0);
                    // Pictures of the top alone show nothing seen from below.
                    if (topOnly ? r.under <= tolerance : !r.hidden(tolerance)) {
                        clear = true;
                        break;
                    }
                    least = std::min(least, r.under);
                }
                if (!matched) ++c.strays;
                if (matched && !clear && c.hidden++ == 0) {
                    where << " hidden at (" << X << ", " << Y << ") depth " << least;
                }
            }
        }
    }
    // Every grid point that the eye plainly sees from above is drawn.
    for (const GridSegment& s : segments) {
        for (int m = 1; m < 4 && wantSeen; ++m) {
            const double t = m / 4.0;
            const Scene::Ray r = scene.ray(s.x1 + (s.x2 - s.x1) * t, s.y1 + (s.y2 - s.y1) * t,
                                           s.z1 + (s.z2 - s.z1) * t, 0.5);
            if (r.under > 0.0 || r.clearance < 0.02 * zRange * p.zScale) continue;
            ++c.seen;
            const double X = s.X1 + (s.X2 - s.X1) * t, Y = s.Y1 + (s.Y2 - s.Y1) * t;
            bool found = false;
            for (const Polyline& l : drawn) {
                for (size_t k = 1; k < l.x.size() && !found; ++k) {
                    found = RayVisibilityTest::segmentDistanceTo(X, Y, l.x[k - 1], l.y[k - 1],
                                                                 l.x[k], l.y[k]) < near;
                }
                if (found) break;
            }
            if (!found && c.missing++ == 0) where << " missing at (" << X << ", " << Y << ")";
        }
    }
    c.where = where.str();
    return c;
}

void expectRight(const Counts& c, bool wantSeen)
{
    EXPECT_GT(c.samples, 100);
    EXPECT_EQ(c.strays, 0);
    EXPECT_EQ(c.hidden, 0) << "of " << c.samples << " drawn samples";
    if (!wantSeen) return;
    EXPECT_GT(c.seen, 100);
    EXPECT_EQ(c.missing, 0) << "of " << c.seen << " plainly seen points";
}

std::string named(const char* what, const View& v, const Counts& c)
{
    return std::string(what) + " elevation " + std::to_string(v.elevation) + " azimuth " +
        std::to_string(v.azimuth) + c.where;
}

TEST_F(RayVisibilityTest, DrawnPointsAreSeenAndSeenPointsAreDrawnFromEveryView)
{
    for (const Surface& surface : kSurfaces) {
        const std::vector<float> z = grid(kN, kN, 0.0f, kSpan, 0.0f, kSpan, surface.f);
        for (const View& view : kViews) {
            const std::vector<Polyline> drawn = draw(z, view);
            const Counts c = inspect(z, drawn, true, true);
            SCOPED_TRACE(named(surface.name, view, c));
            expectRight(c, true);
        }
    }
}

// The same truth holds for the underside passes, for lines drawn in height bands and for a
// subset of the lines (which still hide as if all were drawn).
TEST_F(RayVisibilityTest, UndersidesBandsAndLineSubsetsHideTheSame)
{
    struct Variant {
        const char* name;
        int baseType, gridStep, levels;
        bool wantSeen;
    };
    const Variant variants[] = {{"top and underside", 3, 0, 0, true},
                                {"underside only", 4, 0, 0, false},
                                {"bands", 2, 0, 4, true},
                                {"every second line", 2, 2, 0, false}};
    const View views[] = {{25.0f, 0.0f}, {30.0f, 45.0f}, {20.0f, 250.0f}, {40.0f, 180.0f}};
    const int pens[5] = {1, 2, 3, 4, 5};
    for (const Variant& v : variants) {
        for (const Surface& surface : {kSurfaces[1], kSurfaces[3]}) {
            const std::vector<float> z = grid(kN, kN, 0.0f, kSpan, 0.0f, kSpan, surface.f);
            for (const View& view : views) {
                PRJFRA(v.baseType);
                if (v.gridStep > 0) PRJGRD(v.gridStep, v.gridStep);
                std::vector<Polyline> drawn;
                if (v.levels > 0) {
                    const int wsize = kN * kN + 10 * kN + 8 * 4000;
                    work_.assign(static_cast<size_t>(wsize), 0.0f);
                    float d = 0.0f;
                    capture();
                    PERLI3(kN, 0.0f, kSpan, kN, 0.0f, kSpan, z.data(), d, view.elevation,
                           view.azimuth, v.levels, pens, 0, wsize, work_.data());
                    drawn = polylines(calls());
                } else {
                    drawn = draw(z, view);
                }
                const Counts c = inspect(z, drawn, v.baseType < 3, v.wantSeen);
                SCOPED_TRACE(named(v.name, view, c) + " " + surface.name);
                expectRight(c, v.wantSeen);
            }
        }
    }
}

}  // namespace
