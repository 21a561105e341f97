// ray_visibility_test.cpp - hidden-line pictures checked against the surface itself.  Every
// drawn piece of a wire frame is traced back to the grid line it came from, and a ray from the
// eye to that 3-D point is tested against the cells of the grid: no drawn point may
// lie behind the surface, and every grid point that the eye plainly sees must be drawn.  The
// check knows nothing of how the drawing walks the grid or keeps its outline.  At the edge of
// the workspace (the smallest one accepted, GRDPER's own array at its largest grid) the
// pictures hold the same and equal those of a roomy workspace in every drawing style; an
// outline that truly overflows cuts the drawing short without showing what it would hide.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"
#include "surface/surface.h"

namespace {

// A square grid of n nodes each way over [0, span] x [0, span].
struct Shape {
    int n;
    float span;
};
constexpr Shape kShape{17, 16.0f};

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
    // Rays are followed in steps of 1/24 of a cell on the 17-node grid, coarser on finer grids.
    Scene(const std::vector<float>& z, Shape shape)
        : z_(z), n_(shape.n), span_(shape.span), perCell_(std::max(6, 24 * 16 / (shape.n - 1)))
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
        if (x < 0.0 || y < 0.0 || x > span_ || y > span_) return false;
        const double u = x * (n_ - 1) / span_, v = y * (n_ - 1) / span_;
        const int i = std::min(n_ - 2, static_cast<int>(u)),
                  j = std::min(n_ - 2, static_cast<int>(v));
        const double s = u - i, t = v - j;
        auto at = [&](int a, int b) {
            return static_cast<double>(z_[static_cast<size_t>(b) * n_ + a]);
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
        const double cell = span_ / (n_ - 1);
        const double ground = std::hypot(eye_.x - q.x, (eye_.y - q.y) / ratio_);
        const int steps = std::max(1, static_cast<int>(ground / cell * perCell_));
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
    int n_;
    double span_;
    int perCell_;
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

    // The picture PERPRJ draws of z with a workspace of wsize words (0: a roomy one).
    std::vector<Polyline> draw(const std::vector<float>& z, const View& v, Shape shape = kShape,
                               int wsize = 0)
    {
        const int n = shape.n;
        if (wsize == 0) wsize = n * n + 10 * n + 8 * 4000;
        work_.assign(static_cast<size_t>(wsize), 0.0f);
        float d = 0.0f;
        capture();
        PERPRJ(n, 0.0f, shape.span, n, 0.0f, shape.span, z.data(), d, v.elevation, v.azimuth, wsize,
               work_.data());
        return polylines(calls());
    }

    static std::vector<GridSegment> gridSegments(const std::vector<float>& z, Shape shape)
    {
        std::vector<GridSegment> out;
        const int n = shape.n;
        auto node = [&](int i, int j, double& x, double& y, double& h) {
            x = shape.span * i / (n - 1);
            y = shape.span * j / (n - 1);
            h = z[static_cast<size_t>(j) * n + i];
        };
        for (int j = 0; j < n; ++j) {
            for (int i = 0; i < n; ++i) {
                for (int dir = 0; dir < 2; ++dir) {
                    const int i2 = i + (dir == 0), j2 = j + (dir == 1);
                    if (i2 >= n || j2 >= n) continue;
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

// Picture segments binned by the cells of a coarse grid that their boxes, widened by pad,
// meet: a point is compared with the segments of its own cell only.
class SegmentBins {
public:
    explicit SegmentBins(double cell) : cell_(cell) {}
    void add(int id, double xa, double ya, double xb, double yb, double pad)
    {
        for (long long i = at(std::min(xa, xb) - pad); i <= at(std::max(xa, xb) + pad); ++i)
            for (long long j = at(std::min(ya, yb) - pad); j <= at(std::max(ya, yb) + pad); ++j)
                bins_[key(i, j)].push_back(id);
    }
    const std::vector<int>& near(double X, double Y) const
    {
        static const std::vector<int> none;
        const auto it = bins_.find(key(at(X), at(Y)));
        return it == bins_.end() ? none : it->second;
    }

private:
    long long at(double v) const { return static_cast<long long>(std::floor(v / cell_)); }
    static long long key(long long i, long long j) { return i * 1000003LL + j; }
    double cell_;
    std::unordered_map<long long, std::vector<int>> bins_;
};

struct Counts {
    int samples = 0, hidden = 0, strays = 0, seen = 0, missing = 0;
    std::string where;
};

// Traces what the last picture drew of grid z back to the surface (see the opening lines).
// topOnly: the picture shows the top of the surface alone.  With wantSeen, also every plainly
// seen grid point must lie on a drawn line.
// zRange: the heights the tolerances are measured by.
Counts inspect(const std::vector<float>& z, const std::vector<Polyline>& drawn, bool topOnly,
               bool wantSeen, Shape shape = kShape, float zRange = 7.5f)
{
    const Scene scene(z, shape);
    const std::vector<GridSegment> segments = RayVisibilityTest::gridSegments(z, shape);
    const ProjectionTerms& p = surfaceState.projection;
    const double frame = std::max(p.frameWidth, p.frameHeight);
    const double near = 2e-3 * frame;                   // picture distance of a match
    const double tolerance = 4e-3 * zRange * p.zScale;  // depth allowed at silhouettes
    SegmentBins gridBins(frame / 40.0), drawnBins(frame / 40.0);
    for (size_t k = 0; k < segments.size(); ++k) {
        const GridSegment& s = segments[k];
        gridBins.add(static_cast<int>(k), s.X1, s.Y1, s.X2, s.Y2, near);
    }
    std::vector<std::pair<int, int>> pieces;  // polyline, point: drawn segments
    for (size_t l = 0; l < drawn.size(); ++l) {
        for (size_t k = 1; k < drawn[l].x.size(); ++k) {
            drawnBins.add(static_cast<int>(pieces.size()), drawn[l].x[k - 1], drawn[l].y[k - 1],
                          drawn[l].x[k], drawn[l].y[k], near);
            pieces.emplace_back(static_cast<int>(l), static_cast<int>(k));
        }
    }
    Counts c;
    std::ostringstream where;
    // Every drawn point comes from a grid point that no part of the surface hides.
    const int parts = std::max(2, 8 * 16 / (shape.n - 1));  // samples of a drawn segment
    for (const Polyline& l : drawn) {
        for (size_t k = 1; k < l.x.size(); ++k) {
            for (int m = 0; m <= parts; ++m) {
                const double X = l.x[k - 1] + (l.x[k] - l.x[k - 1]) * m / parts;
                const double Y = l.y[k - 1] + (l.y[k] - l.y[k - 1]) * m / parts;
                ++c.samples;
                bool matched = false, clear = false;
                double least = 1e30;  // the least depth over the grid points drawn there
                for (int id : gridBins.near(X, Y)) {
                    const GridSegment& s = segments[static_cast<size_t>(id)];
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
            for (int id : drawnBins.near(X, Y)) {
                const Polyline& l =
                    drawn[static_cast<size_t>(pieces[static_cast<size_t>(id)].first)];
                const size_t k = static_cast<size_t>(pieces[static_cast<size_t>(id)].second);
                found = RayVisibilityTest::segmentDistanceTo(X, Y, l.x[k - 1], l.y[k - 1], l.x[k],
                                                             l.y[k]) < near;
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
        const std::vector<float> z =
            grid(kShape.n, kShape.n, 0.0f, kShape.span, 0.0f, kShape.span, surface.f);
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
            const std::vector<float> z =
                grid(kShape.n, kShape.n, 0.0f, kShape.span, 0.0f, kShape.span, surface.f);
            for (const View& view : views) {
                PRJFRA(v.baseType);
                if (v.gridStep > 0) PRJGRD(v.gridStep, v.gridStep);
                std::vector<Polyline> drawn;
                if (v.levels > 0) {
                    const int n = kShape.n, wsize = n * n + 10 * n + 8 * 4000;
                    work_.assign(static_cast<size_t>(wsize), 0.0f);
                    float d = 0.0f;
                    capture();
                    PERLI3(n, 0.0f, kShape.span, n, 0.0f, kShape.span, z.data(), d, view.elevation,
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

// ---- At the edge of the workspace -----------------------------------------------------------

// Surfaces over [0, 10] x [0, 10]: a smooth bump, rolling hills and a ridge; heights within 2.
float smoothBump(float x, float y)
{
    const float r2 = ((x - 5.0f) * (x - 5.0f) + (y - 5.0f) * (y - 5.0f)) / 6.0f;
    return 2.0f * std::exp(-r2);
}
float rollingHills(float x, float y)
{
    return std::sin(x) * std::cos(1.3f * y) + 0.3f * std::sin(3.0f * x + y);
}
float slantedRidge(float x, float y)
{
    const float d = (y - 5.0f - 0.3f * (x - 5.0f)) / 1.2f;
    return 2.0f * std::exp(-d * d);
}
const Surface kEdgeSurfaces[] = {
    {"bump", smoothBump}, {"rolling", rollingHills}, {"ridge", slantedRidge}};
const View kEdgeViews[] = {
    {30.0f, 45.0f}, {20.0f, 130.0f}, {25.0f, 250.0f}, {60.0f, 310.0f}, {35.0f, 0.0f}};

float heightRange(const std::vector<float>& z)
{
    const auto [lo, hi] = std::minmax_element(z.begin(), z.end());
    return *hi - *lo;
}

// The smallest workspace accepted (outline arrays of 3 max(nx, ny) words) and the library's own
// array of GRDPER at its largest grid draw what a roomy workspace draws, with no error, and the
// picture holds against the surface.
TEST_F(RayVisibilityTest, SmallestWorkspacesDrawTheRoomyPictureTrueToTheSurface)
{
    for (const Surface& surface : kEdgeSurfaces) {
        for (const View& view : kEdgeViews) {
            for (const int n : {10, 30, 46}) {
                const Shape shape{n, 10.0f};
                const std::vector<float> z = grid(n, n, 0.0f, 10.0f, 0.0f, 10.0f, surface.f);
                const std::vector<Polyline> roomy = draw(z, view, shape);
                tarv::errorLogClear();
                std::vector<Polyline> drawn;
                if (n == 46) {
                    float d = 0.0f;
                    capture();
                    GRDPER(n, 0.0f, 10.0f, n, 0.0f, 10.0f, z.data(), d, view.elevation,
                           view.azimuth);
                    drawn = polylines(calls());
                } else {
                    drawn = draw(z, view, shape, n * n + 34 * n);
                }
                const Counts c = inspect(z, drawn, true, true, shape, heightRange(z));
                SCOPED_TRACE(named(surface.name, view, c) + " n " + std::to_string(n));
                EXPECT_TRUE(reported().empty());
                ASSERT_EQ(drawn.size(), roomy.size());
                for (size_t k = 0; k < drawn.size(); ++k) {
                    EXPECT_EQ(drawn[k].x, roomy[k].x);
                    EXPECT_EQ(drawn[k].y, roomy[k].y);
                }
                expectRight(c, true);
            }
        }
    }
}

// A surface that truly needs more than the smallest workspace, random heights seen from above
// and below: error 37, and nothing drawn after it shows what the surface hides.
TEST_F(RayVisibilityTest, OverflowingOutlineCutsTheDrawingShort)
{
    auto randomHeight = [](float x, float y) {
        uint32_t h = static_cast<uint32_t>(std::lround(x * 100.0f)) * 73856093u ^
            static_cast<uint32_t>(std::lround(y * 100.0f)) * 19349663u;
        h = (h ^ (h >> 13)) * 1274126177u;
        h ^= h >> 16;
        return static_cast<float>(h % 1000u) / 1000.0f;
    };
    const int n = 46;
    const Shape shape{n, 10.0f};
    const std::vector<float> z = grid(n, n, 0.0f, 10.0f, 0.0f, 10.0f, randomHeight);
    PRJFRA(3);
    for (const View& view : {kEdgeViews[0], kEdgeViews[4]}) {
        tarv::errorLogClear();
        const std::vector<Polyline> drawn = draw(z, view, shape, n * n + 34 * n);
        const Counts c = inspect(z, drawn, false, false, shape, heightRange(z));
        SCOPED_TRACE(named("random", view, c));
        const std::vector<int> errors = reported();
        ASSERT_FALSE(errors.empty());
        for (int e : errors) EXPECT_EQ(e, asReported(kOutlineFull));
        expectRight(c, false);
    }
    // A filled picture whose outline overflowed keeps none: no profile, and no part of its
    // axes is drawn where the outline would have had to tell whether the surface hides it.
    const int wsize = n * n + 34 * n;
    std::vector<float> work(static_cast<size_t>(wsize), 0.0f);
    const std::vector<float> codes(static_cast<size_t>((n - 1) * (n - 1)), 3.0f);
    tarv::errorLogClear();
    float d = 0.0f;
    PERFIL(n, 0.0f, 10.0f, n, 0.0f, 10.0f, z.data(), d, 30.0f, 45.0f, codes.data(), wsize,
           work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kOutlineFull)}));
    std::vector<float> px(1000), py(1000);
    int count = 1000;
    PERPRO(count, px.data(), py.data(), 0, wsize, work.data());
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(surfaceDrawClippedSegment(0.0f, 0.0f, 1000.0f, 600.0f, false, wsize, work.data()));
}

// Every drawing style at the smallest workspace draws what it draws with a roomy one, with no
// error: both sides of the surface, the underside alone, bands, every second line, one family
// of lines, and the filled picture with its profile; seen from below and with split walks.
class EdgeStyleTest : public PictureFixture {};

TEST_F(EdgeStyleTest, SmallestWorkspaceDrawsEveryStyleAsARoomyOne)
{
    struct Style {
        const char* name;
        int baseType, gridStep, gridMode, levels;
        bool filled;
    };
    // clang-format off
    const Style styles[] = {
        // name              base  step  mode  levels  filled
        {"top, base",          0,    0,    0,      0,  false},
        {"top, no base",       2,    0,    0,      0,  false},
        {"top and under",      3,    0,    0,      0,  false},
        {"under",              4,    0,    0,      0,  false},
        {"bands",              1,    0,    0,      5,  false},
        {"every second",       0,    2,    0,      0,  false},
        {"along x",            2,    0,    1,      0,  false},
        {"along y",            2,    0,    2,      0,  false},
        {"filled",             0,    0,    0,      0,  true},
        {"filled, no base",    2,    0,    0,      0,  true},
    };
    // clang-format on
    const View views[] = {kEdgeViews[0], kEdgeViews[1],  kEdgeViews[2],  kEdgeViews[3],
                          kEdgeViews[4], {30.0f, 90.0f}, {-30.0f, 45.0f}};
    const int pens[6] = {1, 2, 3, 4, 5, 6};
    struct Picture {
        std::vector<std::string> log;
        std::vector<int> errors;
        std::vector<float> px, py;
    };
    auto picture = [&](const Style& st, const std::vector<float>& z, int n, const View& v,
                       int wsize) {
        surfaceResetLibraryForTests();
        SURF();
        tarv::errorLogClear();
        PRJFRA(st.baseType);
        if (st.gridStep > 0) PRJGRD(st.gridStep, st.gridStep);
        PRJSEC(st.gridMode);
        std::vector<float> work(static_cast<size_t>(wsize), 0.0f);
        const std::vector<float> codes(static_cast<size_t>((n - 1) * (n - 1)), 3.0f);
        float d = 0.0f;
        Picture p;
        capture();
        if (st.filled) {
            PERFIL(n, 0.0f, 10.0f, n, 0.0f, 10.0f, z.data(), d, v.elevation, v.azimuth,
                   codes.data(), wsize, work.data());
            int count = 8 * n;
            p.px.assign(static_cast<size_t>(count), 0.0f);
            p.py.assign(static_cast<size_t>(count), 0.0f);
            PERPRO(count, p.px.data(), p.py.data(), 0, wsize, work.data());
            p.px.resize(static_cast<size_t>(std::max(count, 0)));
            p.py.resize(static_cast<size_t>(std::max(count, 0)));
        } else if (st.levels > 0) {
            PERLI3(n, 0.0f, 10.0f, n, 0.0f, 10.0f, z.data(), d, v.elevation, v.azimuth, st.levels,
                   pens, 0, wsize, work.data());
        } else {
            PERPRJ(n, 0.0f, 10.0f, n, 0.0f, 10.0f, z.data(), d, v.elevation, v.azimuth, wsize,
                   work.data());
        }
        p.log = calls();
        p.errors = reported();
        return p;
    };
    for (const Style& st : styles) {
        for (const Surface& surface : kEdgeSurfaces) {
            for (const int n : {10, 30}) {
                const std::vector<float> z = grid(n, n, 0.0f, 10.0f, 0.0f, 10.0f, surface.f);
                for (const View& v : views) {
                    SCOPED_TRACE(std::string(st.name) + " " + surface.name + " n " +
                                 std::to_string(n) + " view " + std::to_string(v.elevation) + "/" +
                                 std::to_string(v.azimuth));
                    const Picture roomy = picture(st, z, n, v, n * n + 10 * n + 8 * 100 * n);
                    const Picture least = picture(st, z, n, v, n * n + 34 * n);
                    EXPECT_TRUE(least.errors.empty());
                    EXPECT_EQ(least.errors, roomy.errors);
                    EXPECT_TRUE(least.log == roomy.log);
                    EXPECT_EQ(least.px, roomy.px);
                    EXPECT_EQ(least.py, roomy.py);
                    EXPECT_TRUE(!st.filled || least.px.size() > 4u);
                }
            }
        }
    }
}

}  // namespace
