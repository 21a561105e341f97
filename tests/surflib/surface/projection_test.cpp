// projection_test.cpp - the perspective set-up: projections checked against a pinhole camera
// placed at the eye, the fit of the box into the frame, view angle and distance corrections,
// refusals, and the routine frame PERSET runs in.
#include <cmath>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"
#include "surface/surface.h"

using namespace surflib;

namespace {

class ProjectionTest : public PictureFixture {};

constexpr double kRad = 3.14159265358979 / 180.0;

// A pinhole camera at the eye looking at the centre of the box, in the library's scaled space
// (y times the axes ratio, z times the z scale): u, w across and up on its image plane.
struct Camera {
    double ex, ey, ez;  // eye, scaled space
    double f[3], r[3], up[3];
    void look(double x, double y, double z, double& u, double& w) const
    {
        const double v[3] = {x - ex, y - ey, z - ez};
        const double depth = f[0] * v[0] + f[1] * v[1] + f[2] * v[2];
        u = (r[0] * v[0] + r[1] * v[1] + r[2] * v[2]) / depth;
        w = (up[0] * v[0] + up[1] * v[1] + up[2] * v[2]) / depth;
    }
};

Camera cameraFor(double elevation, double azimuth, double distance)
{
    const double e = elevation * kRad, a = azimuth * kRad;
    // Direction from the centre to the eye: up by the elevation, round by the azimuth.
    const double dir[3] = {-std::sin(a) * std::cos(e), -std::cos(a) * std::cos(e), std::sin(e)};
    Camera c{};
    c.ex = distance * dir[0];
    c.ey = distance * dir[1];
    c.ez = distance * dir[2];
    for (int i = 0; i < 3; ++i) c.f[i] = -dir[i];
    c.r[0] = std::cos(a), c.r[1] = -std::sin(a), c.r[2] = 0.0;
    // up = right x forward
    c.up[0] = c.r[1] * c.f[2] - c.r[2] * c.f[1];
    c.up[1] = c.r[2] * c.f[0] - c.r[0] * c.f[2];
    c.up[2] = c.r[0] * c.f[1] - c.r[1] * c.f[0];
    return c;
}

TEST_F(ProjectionTest, PointsLandWhereAPinholeCameraAtTheEyeSeesThem)
{
    const struct {
        float elevation, azimuth, distance;
    } views[] = {{30.0f, 40.0f, 80.0f}, {60.0f, 200.0f, 200.0f}, {-20.0f, 300.0f, 90.0f}};
    for (const auto& v : views) {
        SCOPED_TRACE(v.azimuth);
        float d = v.distance;
        PERSET(0.0f, 10.0f, -5.0f, 5.0f, 0.0f, 2.0f, d, v.elevation, v.azimuth);
        ASSERT_EQ(surfaceState.surface.perspectiveSet, -1);
        EXPECT_FLOAT_EQ(d, v.distance);  // far enough: kept
        const ProjectionTerms& p = surfaceState.projection;
        const double r = surfaceState.surface.axesRatio, zs = p.zScale;
        const Camera cam = cameraFor(v.elevation, v.azimuth, p.eyeDistance);
        const float pts[4][3] = {{1, -4, 0.5f}, {9, 3, 1.5f}, {5, 0, 2.0f}, {2, 4, 0.0f}};
        double u[4], w[4];
        float X[4], Y[4];
        for (int k = 0; k < 4; ++k) {
            PERSPA(pts[k][0], pts[k][1], pts[k][2], X[k], Y[k]);
            cam.look(pts[k][0] - p.centreX, (pts[k][1] - p.centreY) * r,
                     (pts[k][2] - p.zOrigin) * zs, u[k], w[k]);
        }
        // Differences are the camera's times one scale, the same across and up.
        const double scale = (X[1] - X[0]) / (u[1] - u[0]);
        for (int k = 2; k < 4; ++k) {
            EXPECT_NEAR((X[k] - X[0]) / scale, u[k] - u[0], 1e-4 * std::fabs(u[1] - u[0]));
            EXPECT_NEAR((Y[k] - Y[0]) / scale, w[k] - w[0], 1e-4 * std::fabs(u[1] - u[0]));
        }
        EXPECT_GT(scale, 0.0) << X[0] << " " << X[1] << " " << u[0] << " " << u[1];
    }
    EXPECT_TRUE(tarv::errorLog().empty());
}

TEST_F(ProjectionTest, BoxIsFittedIntoTheFrameFromItsLowerLeftCorner)
{
    float d = 0.0f;
    PERSET(-1.0f, 1.0f, -2.0f, 2.0f, 0.0f, 3.0f, d, 25.0f, 120.0f);
    const ProjectionTerms& p = surfaceState.projection;
    // Frame: 10 character widths in, 20 narrower, 16 lower (character cells of 10 by 10).
    EXPECT_FLOAT_EQ(p.frameX, 100.0f);
    EXPECT_FLOAT_EQ(p.frameY, 100.0f);
    EXPECT_FLOAT_EQ(p.scaleX, p.scaleY);
    float lowX = 1e9f, highX = -1e9f, lowY = 1e9f, highY = -1e9f;
    for (const auto& c : p.boxCorners) {
        lowX = std::min(lowX, c[0]), highX = std::max(highX, c[0]);
        lowY = std::min(lowY, c[1]), highY = std::max(highY, c[1]);
    }
    EXPECT_NEAR(lowX, 100.0f, 1e-3);
    EXPECT_NEAR(lowY, 100.0f, 1e-3);
    EXPECT_NEAR(highX - lowX, p.frameWidth, 1e-3);
    EXPECT_NEAR(highY - lowY, p.frameHeight, 1e-3);
    EXPECT_TRUE(std::fabs(p.frameWidth - 800.0f) < 1e-3 ||
                std::fabs(p.frameHeight - 440.0f) < 1e-3);
    // Vertical edges of the box point at the vanishing point.
    for (int k = 0; k < 4; ++k) {
        const double ax = p.boxCorners[k][0] - p.vanishX, ay = p.boxCorners[k][1] - p.vanishY;
        const double bx = p.boxCorners[k + 4][0] - p.vanishX,
                     by = p.boxCorners[k + 4][1] - p.vanishY;
        EXPECT_NEAR(ax * by - ay * bx, 0.0, 1e-3 * std::hypot(ax, ay) * std::hypot(bx, by));
    }
}

TEST_F(ProjectionTest, ViewAnglesAreNormalised)
{
    const struct {
        float elevation, azimuth;
        int quadrant;
        double azimuthUsed;
        int warning;
        int below;
    } cases[] = {
        {30.0f, -30.0f, 1, 330.0, 0, 0}, {30.0f, 90.0f, 3, 90.01, 0, 0},
        {30.0f, 720.0f, 0, 0.01, 0, 0},  {90.0f, 45.0f, 0, 45.0, asReported(kBadElevation), 0},
        {-90.0f, 45.0f, 0, 45.0, 0, -1}, {-0.2f, 200.0f, 2, 200.0, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.azimuth);
        tarv::errorLogClear();
        float d = 0.0f;
        PERSET(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, d, c.elevation, c.azimuth);
        const ProjectionTerms& p = surfaceState.projection;
        EXPECT_EQ(p.viewQuadrant, c.quadrant);
        EXPECT_NEAR(p.azimuthAngle / kRad, c.azimuthUsed, 1e-3);
        EXPECT_EQ(p.belowView, c.below);
        if (c.warning != 0) {
            EXPECT_EQ(reported(), std::vector<int>({c.warning}));
            EXPECT_NEAR(p.tiltAngle / kRad, 35.3 - 90.0, 1e-4);
        }
    }
    // Elevation 0 is raised to half a degree.
    float d = 0.0f;
    PERSET(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, d, 0.0f, 30.0f);
    EXPECT_NEAR(surfaceState.projection.cosTilt, std::sin(0.5 * kRad), 1e-6);
}

TEST_F(ProjectionTest, DistanceIsChosenCorrectedAndWrittenBack)
{
    // Automatic: 3M over the larger horizontal component, with no warning.
    float d = 0.0f;
    PERSET(0.0f, 4.0f, 0.0f, 2.0f, 0.0f, 1.0f, d, 30.0f, 30.0f);
    const ProjectionTerms& p = surfaceState.projection;
    const double across = std::max(std::fabs(p.cosAzSinTilt), std::fabs(p.sinAzSinTilt));
    EXPECT_NEAR(d, 3.0 * 4.0 / across, 1e-3);
    EXPECT_FLOAT_EQ(p.eyeDistance, d);
    EXPECT_TRUE(tarv::errorLog().empty());

    // Too near: doubled until 3M away across, warned once.
    d = 1.0f;
    PERSET(0.0f, 4.0f, 0.0f, 2.0f, 0.0f, 1.0f, d, 30.0f, 30.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kDistanceChanged)}));
    EXPECT_FLOAT_EQ(d, 16.0f);
    EXPECT_EQ(surfaceState.surface.perspectiveSet, -1);

    // Negative: its magnitude, written back.
    tarv::errorLogClear();
    d = -40.0f;
    PERSET(0.0f, 4.0f, 0.0f, 2.0f, 0.0f, 1.0f, d, 30.0f, 30.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNegativeValue)}));
    EXPECT_FLOAT_EQ(d, 40.0f);

    // Looking almost straight down from near by: ten doublings are not enough.
    tarv::errorLogClear();
    d = 0.5f;
    PERSET(0.0f, 4.0f, 0.0f, 2.0f, 0.0f, 1.0f, d, 89.99f, 30.0f);
    EXPECT_EQ(reported(),
              std::vector<int>({asReported(kDistanceChanged), asReported(kEyeOverGrid)}));
    EXPECT_EQ(surfaceState.surface.perspectiveSet, 0);
    EXPECT_EQ(surfaceState.drawing.code, kDrawingNone);
}

TEST_F(ProjectionTest, FlatAndDegenerateRanges)
{
    float d = 0.0f;
    PERSET(0.0f, 1.0f, 0.0f, 1.0f, 5.0f, 5.0f, d, 30.0f, 30.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFlatHeights)}));
    const SurfaceSettings& s = surfaceState.surface;
    EXPECT_EQ(s.fixedZRange, 0);
    EXPECT_FLOAT_EQ(s.zRangeLow, 5.0f);
    // The axis is divided on the widened range [4.499, 5.501].
    EXPECT_NEAR(s.zAxisLow, 4.499f, 0.01f);
    EXPECT_NEAR(s.zAxisHigh, 5.501f, 0.01f);
    EXPECT_EQ(s.perspectiveSet, -1);

    // Flat negative and tiny values still give a range that rises.
    for (float z : {-1.0f, -0.01f, 0.0f}) {
        tarv::errorLogClear();
        PERSET(0.0f, 1.0f, 0.0f, 1.0f, z, z, d, 30.0f, 30.0f);
        EXPECT_EQ(reported(), std::vector<int>({asReported(kFlatHeights)}));
        EXPECT_LT(s.zAxisLow, z);
        EXPECT_GT(s.zAxisHigh, z);
        EXPECT_TRUE(std::isfinite(surfaceState.projection.zScale));
    }

    // Reversed limits are swapped silently; equal ones are refused.
    tarv::errorLogClear();
    PERSET(1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 1.0f, d, 30.0f, 30.0f);
    EXPECT_TRUE(tarv::errorLog().empty());
    EXPECT_FLOAT_EQ(s.pictureXMin, 0.0f);
    PERSET(1.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, d, 30.0f, 30.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFlatXRange)}));
    EXPECT_EQ(s.perspectiveSet, 0);
    float X = 7.0f, Y = 7.0f;
    PERSPA(0.5f, 0.5f, 0.5f, X, Y);
    EXPECT_EQ(reported(),
              std::vector<int>({asReported(kFlatXRange), asReported(kNoProjectedPicture)}));
    EXPECT_EQ(X, 7.0f);
}

TEST_F(ProjectionTest, EyeOverTheGridIsJudgedOnTheRangesNotTheNodeCounts)
{
    // A refused picture of one row leaves a grid size of 10 by 1 behind.
    std::vector<float> z(10, 1.0f), work(4000);
    float d = 0.0f;
    PERPRJ(10, 0, 1, 1, 0, 1, z.data(), d, 30, 0.5f, 4000, work.data());
    tarv::errorLogClear();
    d = 0.0f;
    PERSET(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, d, 30.0f, 0.5f);  // looking along y from afar
    EXPECT_TRUE(tarv::errorLog().empty());
    EXPECT_EQ(surfaceState.surface.perspectiveSet, -1);
    EXPECT_EQ(surfaceState.projection.splitWalk, -1);  // over the x range, not the y range
}

TEST_F(ProjectionTest, YRangeFarFromTheXRangeChangesTheAxesRatio)
{
    float d = 0.0f;
    PERSET(0.0f, 1.0f, 0.0f, 100.0f, 0.0f, 1.0f, d, 30.0f, 30.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kAxesRatioChanged)}));
    EXPECT_FLOAT_EQ(surfaceState.surface.axesRatio, 0.1f);
    EXPECT_EQ(surfaceState.surface.perspectiveSet, -1);
}

TEST_F(ProjectionTest, SetUpRunsWithoutTouchingTheCallersDrawingState)
{
    capture();
    float d = 0.0f;
    PERSET(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, d, 30.0f, 30.0f);
    const std::vector<std::string> log = calls();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "kernelSetRoutineName 2 \"krSetPerspProjection(PERSET)\"");
    EXPECT_EQ(log.back(), "kernelSetRoutineName 2 \"      \"");
    EXPECT_EQ(count(log, "kernelSetColour"), 0);
    EXPECT_EQ(count(log, "kernelSetCharSize"), 0);
    EXPECT_EQ(count(log, "kernelDrawLineTo"), 0);

    // A failed set-up leaves the same way: nothing of the caller's state is put back.
    capture();
    PERSET(0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 1.0f, d, 30.0f, 30.0f);
    const std::vector<std::string> failed = calls();
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFlatXRange)}));
    EXPECT_EQ(count(failed, "kernelSetColour"), 0);
    EXPECT_EQ(count(failed, "kernelSetCharSize"), 0);
    EXPECT_EQ(count(failed, "kernelSetTextMode"), 0);
    EXPECT_EQ(failed.back(), "kernelSetRoutineName 2 \"      \"");
}

TEST_F(ProjectionTest, AxisInterceptOffsets)
{
    float copy = 0, start = 0, end = 0, last = 0;
    // Ticks 0.2 .. 1.0 in units of 10: data 1 .. 10 starts 1 short of the first tick.
    surfaceAxisIntercept(0.2f, 0.2f, 4, 1.0f, 10.0f, 1, copy, start, end, last);
    EXPECT_FLOAT_EQ(copy, 0.2f);
    EXPECT_NEAR(start, 3.0f, 1e-5);  // (first + step) * 10 - data min
    EXPECT_NEAR(last, 1.0f, 1e-6);
    EXPECT_EQ(end, 0.0f);
    surfaceAxisIntercept(2.0f, 2.0f, 3, 2.0f, 9.0f, 0, copy, start, end, last);
    EXPECT_EQ(start, 0.0f);
    EXPECT_NEAR(end, 3.0f, 1e-5);  // (step - last) + data max
}

}  // namespace
