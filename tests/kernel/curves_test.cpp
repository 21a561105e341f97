// Curves: every kind and end condition passes through its points, bends between them and
// stays finite, with 2 points, repeated points, x running back or repeating a value, and
// thousands of points.
#include <cmath>
#include <vector>

#include "kernel_fixture.h"
#include "state.h"

namespace {

using tarv::Point;
using KernelCurves = KernelTest;

const char* kKinds[3] = {"smooth", "spline", "akima"};

double distanceToPolygon(const Point& q, const std::vector<Point>& p)
{
    double best = INFINITY;
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        double dx = p[i + 1].x - p[i].x, dy = p[i + 1].y - p[i].y;
        double t =
            std::clamp(((q.x - p[i].x) * dx + (q.y - p[i].y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        best = std::min(best, std::hypot(q.x - p[i].x - t * dx, q.y - p[i].y - t * dy));
    }
    return best;
}

TEST_F(KernelCurves, EveryKindAndConditionInterpolates)
{
    const struct {
        std::vector<Point> pts;
        bool bends;  // the curve leaves the chords between its points
    } sets[] = {
        {{{0, 0}, {100, 50}}, false},                                        // two points
        {{{0, 0}, {100, 100}, {50, 200}, {-20, 120}, {0, 0}}, true},         // x runs back, closed
        {{{0, 0}, {10, 40}, {20, 10}, {30, 80}, {40, 30}, {50, 60}}, true},  // x increasing
        {{{0, 0}, {10, 40}, {10, 10}, {20, 50}, {30, 20}}, true},  // x rises, repeating a value
        {{{0, 0}, {0, 100}, {0, 50}}, false},                      // vertical, reversing
    };
    const std::array<float, 8> ends = {0.0f, 1.0f, 1.0f, 0.0f, -30.0f, -10.0f, 60.0f, 90.0f};
    constexpr int steps = 8;
    for (int kind = 0; kind < 3; ++kind)
        for (int start = -1; start <= 1; ++start)
            for (int end = -1; end <= 1; ++end)
                for (const auto& [pts, bends] : sets) {
                    SCOPED_TRACE(std::string(kKinds[kind]) + " " + std::to_string(start) + " " +
                                 std::to_string(end) + " n=" + std::to_string(pts.size()));
                    std::vector<Point> out =
                        tarv::sampleCurve(kind, pts, start, end, ends, 1.0, steps);
                    ASSERT_EQ(out.size(), (pts.size() - 1) * steps + 1);
                    double chord = 0.0;
                    for (size_t i = 0; i + 1 < pts.size(); ++i)
                        chord = std::max(
                            chord, std::hypot(pts[i + 1].x - pts[i].x, pts[i + 1].y - pts[i].y));
                    for (size_t i = 0; i < pts.size(); ++i) {
                        EXPECT_EQ(out[i * steps].x, pts[i].x);
                        EXPECT_EQ(out[i * steps].y, pts[i].y);
                    }
                    double off = 0.0;  // the farthest sample from the chords
                    for (const auto& q : out) {
                        ASSERT_TRUE(std::isfinite(q.x) && std::isfinite(q.y));
                        off = std::max(off, distanceToPolygon(q, pts));
                    }
                    EXPECT_LT(off, chord);  // no wild swings
                    if (bends) {
                        EXPECT_GT(off, 1.0);  // a curve, not the chords
                    }
                }
}

TEST_F(KernelCurves, SplineIsAFunctionOfXWhileXIsMonotone)
{
    const std::array<float, 8> ends{};
    // Points on a line: the natural spline in x is that line.
    std::vector<Point> line = {{0, 1}, {3, 7}, {4, 9}, {10, 21}};
    for (const auto& q : tarv::sampleCurve(1, line, 0, 0, ends, 1.0, 6))
        EXPECT_NEAR(q.y, 2 * q.x + 1, 1e-9);
    // Increasing x with wiggles: the samples keep x increasing.
    std::vector<Point> wave = {{0, 0}, {1, 10}, {2, -10}, {3, 10}, {4, 0}};
    std::vector<Point> out = tarv::sampleCurve(1, wave, 0, 0, ends, 1.0, 10);
    for (size_t i = 1; i < out.size(); ++i) EXPECT_GT(out[i].x, out[i - 1].x);
}

TEST_F(KernelCurves, EndConditionsSteerTheEnds)
{
    const std::vector<Point> flat = {{0, 0}, {10, 0}, {20, 0}};
    for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(kKinds[kind]);
        // Tangents: leave upward at 45 degrees, arrive going down at 45 degrees.
        const std::array<float, 8> tangents = {1.0f, 1.0f, 1.0f, -1.0f, 0, 0, 0, 0};
        std::vector<Point> out = tarv::sampleCurve(kind, flat, 1, 1, tangents, 1.0, 10);
        EXPECT_GT(out[1].y, 0.0);
        EXPECT_GT(out[out.size() - 2].y, 0.0);
        std::vector<Point> free = tarv::sampleCurve(kind, flat, 0, 0, tangents, 1.0, 10);
        for (const auto& q : free) EXPECT_NEAR(q.y, 0.0, 1e-9);
        // Neighbour points off the line bend the ends.
        const std::vector<Point> bumpy = {{0, 0}, {10, 5}, {20, 0}, {30, 5}};
        const std::array<float, 8> neighbours = {0, 0, 0, 0, -10.0f, 20.0f, 40.0f, -20.0f};
        std::vector<Point> a = tarv::sampleCurve(kind, bumpy, -1, -1, neighbours, 1.0, 10);
        std::vector<Point> b = tarv::sampleCurve(kind, bumpy, 0, 0, neighbours, 1.0, 10);
        EXPECT_GT(std::fabs(a[1].y - b[1].y), 1e-6);
        EXPECT_GT(std::fabs(a[a.size() - 2].y - b[b.size() - 2].y), 1e-6);
    }
}

TEST_F(KernelCurves, RepeatedPointsTwoPointsAndManyPoints)
{
    using Draw = void (*)(const float*, const float*, const int&, const int&, const int&);
    const Draw draws[3] = {kernelDrawCurve, kernelDrawSpline, kernelDrawAkimaCurve};
    kernelSetCurveEnds(1.0f, 0.0f, 1.0f, 0.0f, 50.0f, 50.0f, 350.0f, 50.0f);
    for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(kKinds[kind]);
        for (int cond = -1; cond <= 1; ++cond) {
            Canvas canvas;
            const float x[6] = {100, 100, 200, 200, 200, 300},
                        y[6] = {100, 100, 300, 300, 300, 100};
            kernelMovePen(900.0f, 700.0f);
            draws[kind](x, y, 6, cond, cond);
            EXPECT_TRUE(canvas.inkedNear(200, 300));
            EXPECT_FALSE(canvas.inkedNear(600, 400, 5));  // no line from the old point
            float px, py, u;
            kernelEnquirePenPosition(px, py, u);
            EXPECT_EQ(px, 300.0f);
            EXPECT_EQ(py, 100.0f);
        }
        {
            Canvas canvas;
            const float x[2] = {100, 900}, y[2] = {600, 600};
            draws[kind](x, y, 2, 0, 0);
            EXPECT_TRUE(canvas.inkedNear(500, 600));
        }
        {  // all points equal: nothing to draw, the point moves there
            Canvas canvas;
            const float x[3] = {40, 40, 40}, y[3] = {50, 50, 50};
            draws[kind](x, y, 3, -1, 1);
            EXPECT_EQ(canvas.inkCount(), 0);
            float px, py, u;
            kernelEnquirePenPosition(px, py, u);
            EXPECT_EQ(px, 40.0f);
        }
        {  // thousands of points
            Canvas canvas;
            std::vector<float> x(5000), y(5000);
            for (int k = 0; k < 5000; ++k) {
                x[static_cast<size_t>(k)] = 100.0f + 0.16f * static_cast<float>(k);
                y[static_cast<size_t>(k)] =
                    375.0f + 200.0f * std::sin(0.01f * static_cast<float>(k));
            }
            draws[kind](x.data(), y.data(), 5000, 0, 0);
            EXPECT_TRUE(canvas.inkedNear(x[2500], y[2500]));
        }
    }
}

}  // namespace
