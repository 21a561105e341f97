// projection.cpp - the perspective view of projected surfaces: PERSET, the view set-up that
// turns distance, elevation and azimuth into the terms of surfaceProjectPoint, the guarded
// perspective and isometric point transforms, and the axis divisions the pictures share.  The
// fit of the picture box into the frame is in frame/picture_fit.cpp.
//
// The terms live in ProjectionTerms until the next set-up.  Every failing path leaves the
// perspective-set flag off, so no later routine projects into half-made terms.
#include <algorithm>
#include <cmath>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "surface/surface.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr double kPi = 3.1415927;
constexpr double kQuarterTurn = 1.5707964;
constexpr int kMaxDistanceChanges = 10;

double radians(double degrees) { return degrees * kPi / 180.0; }

// The walk axes of one view quadrant: which axis comes first and its direction.
void setWalkAxes(ProjectionTerms& p, int quadrant, float xmin, float xmax, float ymin, float ymax,
                 int nx, int ny, int& nFirst, int& nSecond)
{
    p.viewQuadrant = quadrant;
    switch (quadrant) {
    case 0:
        p.firstFrom = xmin, p.firstTo = xmax, p.secondFrom = ymin, p.secondTo = ymax;
        nFirst = nx, nSecond = ny;
        break;
    case 3:
        p.firstFrom = ymax, p.firstTo = ymin, p.secondFrom = xmin, p.secondTo = xmax;
        nFirst = ny, nSecond = nx;
        break;
    case 2:
        p.firstFrom = xmax, p.firstTo = xmin, p.secondFrom = ymax, p.secondTo = ymin;
        nFirst = nx, nSecond = ny;
        break;
    default:
        p.firstFrom = ymin, p.firstTo = ymax, p.secondFrom = xmax, p.secondTo = xmin;
        nFirst = ny, nSecond = nx;
        break;
    }
}

// The integer part of v, kept well inside the int range.
int wholePart(double v)
{
    if (!(v > -1.0e9)) return -1000000000;
    if (!(v < 1.0e9)) return 1000000000;
    return static_cast<int>(v);
}

// Where the eye stands over the grid: no split, a split walk, or a refusal.
void placeEye(ProjectionTerms& p, double P7, double P5, double r, float xmin, float xmax,
              float ymin, float ymax, int& nFirst, int& nSecond, int& status)
{
    // Whether the eye stands over a range is judged on the range itself, so that a grid of one
    // row or column (or none yet) does not put every eye over it; the node counts only place the
    // split.
    const GridState& g = surfaceState.grid;
    const double nxm = std::max(g.nx - 1.0, 1.0), nym = std::max(g.ny - 1.0, 1.0);
    const double fu = P7 / (static_cast<double>(xmax) - xmin) + 0.5;
    const double fv = P5 / r / (static_cast<double>(ymax) - ymin) + 0.5;
    const double u = fu * nxm, v = fv * nym;
    const bool uIn = fu >= 0.0 && fu <= 1.0;
    const bool vIn = fv >= 0.0 && fv <= 1.0;
    p.splitIndex = 1;
    p.splitWalk = 0;
    if (uIn && vIn) {
        status = kEyeOverGrid;
        surfaceReportError(kEyeOverGrid);
        return;
    }
    if (!uIn && !vIn) return;
    p.splitWalk = -1;
    int q = p.viewQuadrant;
    if (uIn) {
        p.splitIndex = std::max(1, wholePart(u + 1.0));
        if (q == 1) q = 0;
        if (q == 3) q = 2;
        setWalkAxes(p, q, xmin, xmax, ymin, ymax, g.nx, g.ny, nFirst, nSecond);
        if (q == 2) p.splitIndex = static_cast<int>(nxm) - wholePart(u);
    } else {
        p.splitIndex = std::max(1, wholePart(v + 1.0));
        if (q == 0) q = 3;
        if (q == 2) q = 1;
        setWalkAxes(p, q, xmin, xmax, ymin, ymax, g.nx, g.ny, nFirst, nSecond);
        if (q == 3) p.splitIndex = static_cast<int>(nym) - wholePart(v);
    }
}

}  // namespace

namespace surflib {

// ---- Axis divisions -------------------------------------------------------------------------

void surfaceWidenRange(float& lo, float& hi)
{
    lo = surfaceNarrow(lo - (0.1 * std::fabs(static_cast<double>(lo)) + 0.001));
    hi = surfaceNarrow(hi + (0.1 * std::fabs(static_cast<double>(hi)) + 0.001));
}

void surfaceDivideAxis(SurfaceAxisScale& a, float lo, float hi, bool stepGiven, float step)
{
    a.step = 0.0f;
    if (stepGiven) {
        surfaceChooseIntervalsByStep(lo, hi, step, a.exponent, a.firstTick, a.step, a.decimals,
                                     a.tickCount, a.labelWidth);
    }
    if (!(std::fabs(a.step) >= surfaceState.eps)) {
        const int ten = 10;
        surfaceChooseIntervals(lo, hi, ten, a.exponent, a.firstTick, a.step, a.decimals,
                               a.tickCount, a.labelWidth);
    }
    a.unit = surfaceNarrow(std::pow(10.0, a.exponent));
}

void surfaceAxisIntercept(float firstTick, float step, int tickCount, float dataMin, float dataMax,
                          int exponent, float& firstTickCopy, float& startOffset, float& endOffset,
                          float& lastTick)
{
    const double p = std::pow(10.0, exponent);
    const double t = std::pow(10.0, std::min(exponent, -3));
    startOffset = std::fabs(dataMin / p - firstTick) < t
        ? 0.0f
        : surfaceNarrow((static_cast<double>(firstTick) + step) * p - dataMin);
    const double last = static_cast<double>(firstTick) + static_cast<double>(tickCount) * step;
    lastTick = surfaceNarrow(last);
    endOffset =
        std::fabs(last - dataMax / p) < t ? 0.0f : surfaceNarrow((step - last) * p + dataMax);
    firstTickCopy = firstTick;
}

void surfaceDivideGridAxes()
{
    SurfaceLibraryState& s = surfaceState;
    const SurfaceSettings& surf = s.surface;
    const GridState& g = s.grid;
    SurfaceAxisScale* a = s.axisScales;
    surfaceDivideAxis(a[0], g.xMin, g.xMax, surfaceFlagOn(surf.axesIntervalsGiven[0]),
                      surf.axesIntervals[0]);
    surfaceDivideAxis(a[1], g.yMin, g.yMax, surfaceFlagOn(surf.axesIntervalsGiven[1]),
                      surf.axesIntervals[1]);
}

void surfaceDivideHeightAxis(float lo, float hi)
{
    SurfaceLibraryState& s = surfaceState;
    const SurfaceSettings& surf = s.surface;
    const GridState& g = s.grid;
    SurfaceAxisScale* a = s.axisScales;
    surfaceDivideAxis(a[2], lo, hi, surfaceFlagOn(surf.axesIntervalsGiven[2]),
                      surf.axesIntervals[2]);
    surfaceAxisIntercept(a[2].firstTick, a[2].step, a[2].tickCount, lo, hi, a[2].exponent,
                         a[2].firstTickCopy, a[2].startOffset, a[2].endOffset, a[2].lastTick);
    for (int i = 0; i < 2; ++i) {
        const float dmin = i == 0 ? g.xMin : g.yMin, dmax = i == 0 ? g.xMax : g.yMax;
        surfaceAxisIntercept(a[i].firstTick, a[i].step, a[i].tickCount, dmin, dmax, a[i].exponent,
                             a[i].firstTickCopy, a[i].startOffset, a[i].endOffset, a[i].lastTick);
    }
}

// ---- View set-up ----------------------------------------------------------------------------

void surfaceSetViewTransform(float& distance, float elevation, float azimuth, int nx, int ny,
                             int& nFirst, int& nSecond, float xmin, float xmax, float ymin,
                             float ymax, float zlow, float zhigh, int& status)
{
    SurfaceLibraryState& s = surfaceState;
    ProjectionTerms& p = s.projection;
    const double tol = s.eps;
    status = 0;

    double A = std::isfinite(azimuth) ? std::fmod(static_cast<double>(azimuth), 360.0) : 0.0;
    if (A < 0.0) A += 360.0;
    double e = elevation;
    if (!(e < 90.0 && e >= -90.0)) {
        surfaceReportError(kBadElevation);
        e = 35.3;
    }
    if (std::fabs(e) < 0.5) e = e < 0.0 ? -0.5 : 0.5;
    p.belowView = e < 0.0 ? -1 : 0;
    for (double q : {270.0, 180.0, 0.0, 90.0}) {
        if (std::fabs(A - q) < 0.01) A += 0.01;
    }

    const double T = radians(e - 90.0), Ar = radians(A);
    p.tiltAngle = surfaceNarrow(T);
    p.azimuthAngle = surfaceNarrow(Ar);
    const int q = std::clamp(static_cast<int>(Ar / kQuarterTurn), 0, 3);
    setWalkAxes(p, q == 0 ? 0 : 4 - q, xmin, xmax, ymin, ymax, nx, ny, nFirst, nSecond);

    p.cosTilt = surfaceNarrow(std::cos(T));
    p.sinTilt = surfaceNarrow(std::sin(T));
    p.cosAzimuth = surfaceNarrow(std::cos(Ar));
    p.sinAzimuth = surfaceNarrow(std::sin(Ar));
    p.cosAzCosTilt = p.cosAzimuth * p.cosTilt;
    p.cosAzSinTilt = p.cosAzimuth * p.sinTilt;
    p.sinAzCosTilt = p.sinAzimuth * p.cosTilt;
    p.sinAzSinTilt = p.sinAzimuth * p.sinTilt;

    // Axis ranges: the scaled y range is held within a tenth and ten times the x range.
    double r = s.surface.axesRatio;
    const double yRange = std::fabs(static_cast<double>(ymax) - ymin);
    double Ry = std::fabs(r * yRange);
    const double Rx = std::fabs(static_cast<double>(xmax) - xmin);
    if (10.0 * Ry < Rx) {
        if (Ry < tol) {
            status = kFlatYExtent;
            surfaceReportError(kFlatYExtent);
            return;
        }
        Ry = Rx / 10.0;
        r = Ry / yRange;
        s.surface.axesRatio = surfaceNarrow(r);
        surfaceReportError(kAxesRatioChanged);
    } else if (Ry > 10.0 * Rx) {
        Ry = 10.0 * Rx;
        r = Ry / yRange;
        s.surface.axesRatio = surfaceNarrow(r);
        surfaceReportError(kAxesRatioChanged);
    }
    const double M = std::max(Rx, Ry);
    const double zRange = static_cast<double>(zhigh) - zlow;
    p.zScale = surfaceNarrow(zRange > 0.0 ? M * s.surface.heightRatio / zRange : 0.0);

    double d = std::isfinite(distance) ? distance : 0.0;
    bool automatic = false;
    if (d < -tol) {
        surfaceReportError(kNegativeValue);
        d = -d;
        distance = surfaceNarrow(d);
    }
    if (std::fabs(d) < tol) {
        const double across = std::max(std::fabs(static_cast<double>(p.cosAzSinTilt)),
                                       std::fabs(static_cast<double>(p.sinAzSinTilt)));
        d = 3.0 * M / std::max(across, 1.0e-6);
        distance = surfaceNarrow(d);
        automatic = true;
    }
    p.centreX = surfaceNarrow(0.5 * (static_cast<double>(xmin) + xmax));
    p.centreY = surfaceNarrow(0.5 * (static_cast<double>(ymin) + ymax));

    // At least 3M and at most 100M away across the ground, within ten changes.
    bool warned = automatic;
    double P7 = 0.0, P5 = 0.0;
    for (int changes = 0;; ++changes) {
        P7 = d * p.sinAzSinTilt;
        P5 = d * p.cosAzSinTilt;
        double next = d;
        if (std::fabs(P7) < 3.0 * M && std::fabs(P5) < 3.0 * M) {
            next = 2.0 * d;
        } else if (std::fabs(P7) > 100.0 * M || std::fabs(P5) > 100.0 * M) {
            next = 0.5 * d;
        } else {
            break;
        }
        if (changes == kMaxDistanceChanges) {
            status = kEyeOverGrid;
            surfaceReportError(kEyeOverGrid);
            return;
        }
        if (!warned) {
            surfaceReportError(kDistanceChanged);
            warned = true;
        }
        d = next;
        distance = surfaceNarrow(d);
    }
    p.eyeDistance = surfaceNarrow(d);
    placeEye(p, P7, P5, r, xmin, xmax, ymin, ymax, nFirst, nSecond, status);
}

// ---- Point transforms -----------------------------------------------------------------------

namespace {

// A picture that was never fitted puts every point at its origin.
bool atOrigin(float& X, float& Y)
{
    X = 0.0f;
    Y = 0.0f;
    return true;
}

}  // namespace

bool surfaceProjectPerspective(float x, float y, float z, float& X, float& Y)
{
    if (!surfaceFlagOn(surfaceState.surface.perspectiveSet)) {
        surfaceReportError(kNoProjectedPicture);
        return false;
    }
    if (!surfacePictureFitted()) return atOrigin(X, Y);
    return surfaceProjectFinite(x, y, z, X, Y);
}

bool surfaceProjectIsometric(float x, float y, float z, float& X, float& Y)
{
    const SurfaceLibraryState& s = surfaceState;
    if (s.drawing.code != kDrawingIsometric) {
        surfaceReportError(kNoProjectedPicture);
        return false;
    }
    if (!surfacePictureFitted()) return atOrigin(X, Y);
    const ProjectionTerms& p = s.projection;
    const GridState& g = s.grid;
    const int q = p.viewQuadrant;
    const bool xReversed = q == 1 || q == 2, yReversed = q == 2 || q == 3;
    const double x0 = xReversed ? g.xMax : g.xMin, x1 = xReversed ? g.xMin : g.xMax;
    const double y0 = yReversed ? g.yMax : g.yMin, y1 = yReversed ? g.yMin : g.yMax;
    const double c = p.isoCell;
    const double u = (x - x0) * (g.nx - 1) * c / (x1 - x0);
    const double v = (y - y0) * (g.ny - 1) * c / (y1 - y0);
    const bool even = q == 0 || q == 2;
    const double n = even ? g.ny - 1 : g.nx - 1;
    const double sign = even ? 1.0 : -1.0;
    double zc = z;
    if (surfaceFlagOn(s.surface.levelLimitsOn)) {
        zc = std::clamp(zc, static_cast<double>(s.surface.levelLimits[0]),
                        static_cast<double>(s.surface.levelLimits[1]));
    }
    const double px = p.frameX + n * c * 0.8660254 + sign * (u - v) * 0.8660254;
    const double py = p.frameY + (u + v) * 0.5 + p.zScale * (zc - s.surface.isoZBase);
    const float fx = surfaceNarrow(px), fy = surfaceNarrow(py);
    if (!std::isfinite(fx) || !std::isfinite(fy)) return false;
    X = fx;
    Y = fy;
    return true;
}

// ---- PERSET ---------------------------------------------------------------------------------

namespace {

bool setUpProjection(float xmin, float xmax, float ymin, float ymax, float z1, float z2,
                     float& distance, float elevation, float azimuth)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    surf.pictureXMin = xmin;
    surf.pictureXMax = xmax;
    surf.pictureYMin = ymin;
    surf.pictureYMax = ymax;
    surf.zRangeLow = std::min(z1, z2);
    surf.zRangeHigh = std::max(z1, z2);
    surf.axisLimits[0] = z1;
    surf.axisLimits[1] = z2;

    int status = 0;
    const int ten = 10;
    surfaceCheckGrid(ten, surf.pictureXMin, surf.pictureXMax, ten, surf.pictureYMin,
                     surf.pictureYMax, status);
    if (status != 0) return false;
    const float x0 = surf.pictureXMin, x1 = surf.pictureXMax;
    const float y0 = surf.pictureYMin, y1 = surf.pictureYMax;
    SurfaceAxisScale* a = s.axisScales;
    surfaceDivideAxis(a[0], x0, x1, surfaceFlagOn(surf.axesIntervalsGiven[0]),
                      surf.axesIntervals[0]);
    surfaceDivideAxis(a[1], y0, y1, surfaceFlagOn(surf.axesIntervalsGiven[1]),
                      surf.axesIntervals[1]);

    float lo = surf.zRangeLow, hi = surf.zRangeHigh;
    surf.fixedZRange = -1;
    if (!(static_cast<double>(hi) - lo >= s.eps)) {
        surfaceReportError(kFlatHeights);
        surf.fixedZRange = 0;
        surfaceWidenRange(lo, hi);
    }
    surf.axisLimitsSet = surf.fixedZRange;
    surfaceDivideAxis(a[2], lo, hi, surfaceFlagOn(surf.axesIntervalsGiven[2]),
                      surf.axesIntervals[2]);
    surfaceAxisIntercept(a[2].firstTick, a[2].step, a[2].tickCount, lo, hi, a[2].exponent,
                         a[2].firstTickCopy, a[2].startOffset, a[2].endOffset, a[2].lastTick);
    lo = surfaceNarrow(static_cast<double>(a[2].firstTick) * a[2].unit);
    hi = surfaceNarrow((a[2].firstTick + static_cast<double>(a[2].tickCount) * a[2].step) *
                       a[2].unit);
    if (!(static_cast<double>(hi) - lo > 0.0)) surfaceWidenRange(lo, hi);
    s.projection.zOrigin = lo;
    surf.zAxisLow = lo;
    surf.zAxisHigh = hi;
    surf.zUnit = a[2].unit;
    for (int i = 0; i < 2; ++i) {
        const float dmin = i == 0 ? x0 : y0, dmax = i == 0 ? x1 : y1;
        surfaceAxisIntercept(a[i].firstTick, a[i].step, a[i].tickCount, dmin, dmax, a[i].exponent,
                             a[i].firstTickCopy, a[i].startOffset, a[i].endOffset, a[i].lastTick);
    }
    int nFirst = 0, nSecond = 0;
    surfaceSetViewTransform(distance, elevation, azimuth, s.grid.nx, s.grid.ny, nFirst, nSecond, x0,
                            x1, y0, y1, lo, hi, status);
    if (status != 0) return false;
    surf.perspectiveSet = -1;
    surfaceFitPictureToFrame(x0, x1, y0, y1, lo, hi);
    if (!surfacePictureFitted()) {
        surfaceReportError(kDegenerateArea);
        return false;
    }
    return true;
}

}  // namespace

}  // namespace surflib

void PERSET(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            const float& z1, const float& z2, float& distance, const float& elevation,
            const float& azimuth)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::PERSET);
    SurfaceLibraryState& s = surfaceState;
    s.surface.perspectiveSet = 0;
    const int type = kBeginPerspectiveSet;
    surfaceBeginDrawing(type);
    if (!setUpProjection(xmin, xmax, ymin, ymax, z1, z2, distance, elevation, azimuth)) {
        s.surface.perspectiveSet = 0;
        s.drawing.code = kDrawingNone;
    }
}
