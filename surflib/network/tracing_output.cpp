// tracing_output.cpp - network contour lines on their way to the picture: the level's label
// text, label places along a line, and the drawing of each piece as a polyline, as the
// kernel's smooth curve or as the library's own smooth curve.
//
// A label is due once the distance along the line reaches the label spacing (a line starts at
// half a spacing).  It goes on the first segment from there that is at least the label's
// length long, bends by no more than 30 degrees from its neighbours, leaves room for the label
// on both sides (the neighbouring levels do not pass within 1.5 label heights) and keeps the
// label's box inside the map.  The line is cut for the label's length around the segment's
// middle and the level's number written in the gap.
//
// Polylines go through the map polyline, which brings the normalised points to map units
// itself (and onto a projected surface when the map lies on one); smooth curves are drawn in
// picture coordinates, and a piece that continues another one passes the neighbour points as
// end conditions so that the joints stay smooth.
#include <algorithm>
#include <cmath>

#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/state.h"
#include "grid/overlays.h"
#include "network/interpolation.h"
#include "network/network.h"
#include "network/tracing.h"
#include "tarvcore.h"

using namespace surflib;

namespace {

constexpr int kPieceRoom = kNetworkLinePoints + 2;
constexpr double kMaxTurn = 30.0;
constexpr double kRadToDeg = 57.29577951308232;
constexpr float kClearanceFactor = 1.5f;
constexpr float kLabelExtra = 0.67f;

struct LabelMetrics {
    float h, w;       // label character height and width
    float length;     // along the line
    float clearance;  // room needed on either side
};

LabelMetrics labelMetrics()
{
    const SurfaceLibraryState& s = surfaceState;
    const float H = s.charHeight, W = s.digitWidth;
    float f = s.map.mapHeight > 100.0f * H && s.map.mapWidth > 100.0f * W ? 0.6f : 0.7f;
    if (surfaceFlagOn(s.contour.labelStyleGiven) && s.contour.labelSize > s.eps && H > 0.0f) {
        f = s.contour.labelSize / H;
    }
    LabelMetrics m{};
    m.h = H * f;
    m.w = W * f;
    // The field width is negative for left-trimmed labels; either way the label takes its
    // width and two thirds of a character more.
    m.length = (kLabelExtra + static_cast<float>(std::abs(s.labelFormatWidth))) * m.w;
    m.clearance = kClearanceFactor * m.h;
    return m;
}

// A normalised point in the picture, on the projected surface when the map lies on one.
void toPicture(float u, float v, float& X, float& Y)
{
    const SurfaceLibraryState& s = surfaceState;
    const NetworkLayout& n = s.network;
    const double x = static_cast<double>(u) * n.xrange + n.xmin;
    const double y = static_cast<double>(v) * n.yrange + n.ymin;
    if (surfaceFlagOn(s.surface.contourOnSurface)) {
        if (surfaceProjectPoint(x, y, s.surface.contourHeight, X, Y)) return;
    }
    X = surfaceNarrow(surfaceMapXToPicture(x));
    Y = surfaceNarrow(surfaceMapYToPicture(y));
}

struct PieceEnds {
    int startCondition;
    float beforeX, beforeY;  // normalised
    int endCondition;
    float afterX, afterY;
};

// Draws m normalised points by the smoothing mode in force.
void outputPiece(const float* u, const float* v, int m, const PieceEnds& ends)
{
    const SurfaceLibraryState& s = surfaceState;
    if (s.outputEnabled != 1 || m < 2) return;
    float X[kPieceRoom], Y[kPieceRoom];
    const int mode = s.networkContour.smoothing;
    if (mode != 1 && mode != 2) {
        std::copy(u, u + m, X);
        std::copy(v, v + m, Y);
        surfaceDrawMapPolyline(m, X, Y);
        return;
    }
    for (int i = 0; i < m; ++i) toPicture(u[i], v[i], X[i], Y[i]);
    if (m < 3) {
        surfaceDrawPolyline(m, X, Y);
        return;
    }
    if (ends.startCondition == -1 || ends.endCondition == -1) {
        float bx = 0.0f, by = 0.0f, ax = 0.0f, ay = 0.0f;
        toPicture(ends.beforeX, ends.beforeY, bx, by);
        toPicture(ends.afterX, ends.afterY, ax, ay);
        const float one = 1.0f, zero = 0.0f;
        kernelSetCurveEnds(one, zero, one, zero, bx, by, ax, ay);
    }
    if (mode == 1) {
        kernelDrawCurve(X, Y, m, ends.startCondition, ends.endCondition);
    } else {
        surfaceDrawSmoothCurve(X, Y, m, ends.startCondition, ends.endCondition);
    }
}

double turn(double ax, double ay, double bx, double by)
{
    double a = (std::atan2(by, bx) - std::atan2(ay, ax)) * kRadToDeg;
    if (a > 180.0) a -= 360.0;
    if (a < -180.0) a += 360.0;
    return a;
}

// The segment from picture point i to i + 1 bends by at most 30 degrees from the segments
// before and after it (where the piece has them).
bool straightEnough(const float* X, const float* Y, int n, int i)
{
    const double sx = static_cast<double>(X[i + 1]) - X[i],
                 sy = static_cast<double>(Y[i + 1]) - Y[i];
    if (i > 0) {
        const double a = turn(static_cast<double>(X[i]) - X[i - 1],
                              static_cast<double>(Y[i]) - Y[i - 1], sx, sy);
        if (!(std::fabs(a) <= kMaxTurn)) return false;
    }
    if (i + 2 < n) {
        const double a = turn(sx, sy, static_cast<double>(X[i + 2]) - X[i + 1],
                              static_cast<double>(Y[i + 2]) - Y[i + 1]);
        if (!(std::fabs(a) <= kMaxTurn)) return false;
    }
    return true;
}

double labelAngle(double dx, double dy)
{
    double theta = 0.0;
    if (std::fabs(dx) > 0.01) {
        theta = std::atan(dy / dx);
    } else {
        theta = dy >= 0.0 ? 1.5707963267948966 : -1.5707963267948966;
    }
    if (surfaceFlagOn(surfaceState.contour.labelAlongLine) && dx < 0.0) theta += 3.141592653589793;
    return theta;
}

bool boxInsideMap(double cx, double cy, double theta, const LabelMetrics& m)
{
    const MapTransform& t = surfaceState.map;
    const double c = std::cos(theta), s = std::sin(theta);
    const double hl = 0.5 * m.length, hh = 0.5 * m.h;
    for (int corner = 0; corner < 4; ++corner) {
        const double a = corner & 1 ? hl : -hl, b = corner & 2 ? hh : -hh;
        const double x = cx + a * c - b * s, y = cy + a * s + b * c;
        if (!(x >= t.originX && x <= t.originX + t.mapWidth && y >= t.originY &&
              y <= t.originY + t.mapHeight)) {
            return false;
        }
    }
    return true;
}

// Both neighbouring levels leave the room of a label beside the segment's middle.
bool roomBeside(float u0, float v0, float u1, float v1, const LabelMetrics& m, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    const float um = 0.5f * (u0 + u1), vm = 0.5f * (v0 + v1);
    surfaceLabelClearance(u0, um, u1, v0, vm, v1, s.networkContour.level, m.clearance, work);
    return s.networkWork.clearanceAbove >= m.clearance &&
        s.networkWork.clearanceBelow >= m.clearance;
}

// The length along the line of the level's number as drawn left-trimmed (its width
// negative), at the text size in force.
float trimmedLabelLength(int width, int decimals)
{
    SurfaceLibraryState& s = surfaceState;
    const int enabled = s.outputEnabled;
    s.outputEnabled = 0;
    surfaceDrawNumber(0.0f, 0.0f, s.labelFormatValue, width, decimals, s.labelPowerCode);
    s.outputEnabled = enabled;
    static const char digits[] = "000000000";
    const int used = std::min(std::abs(s.lastUsedLength), static_cast<int>(sizeof digits) - 1);
    int status = 0;
    float extent = 0.0f, r2 = 0.0f, r3 = 0.0f, height = 0.0f;
    if (used > 0) surfaceMeasureText(digits, used, status, extent, r2, r3, height, 1);
    return extent;
}

// Writes the level's number centred at (cx, cy) along theta: the text starts half its length
// back along the line and half its height below it.
void writeLabel(double cx, double cy, double theta, const LabelMetrics& m)
{
    SurfaceLibraryState& s = surfaceState;
    const int labelPen = s.contour.labelPen;
    if (labelPen > 0) surfaceSelectPen(labelPen);
    surfaceSetLabelDirection(m.w, m.h, surfaceNarrow(theta * kRadToDeg));
    const double c = std::cos(theta), sn = std::sin(theta);
    int width = -std::abs(s.labelFormatWidth), decimals = s.labelFormatDecimals;
    const double half = 0.5 * trimmedLabelLength(width, decimals);
    const float X = surfaceNarrow(cx - half * c + 0.5 * m.h * sn);
    const float Y = surfaceNarrow(cy - half * sn - 0.5 * m.h * c);
    surfaceDrawNumber(X, Y, s.labelFormatValue, width, decimals, s.labelPowerCode);
    surfaceSetLabelDirection(s.digitWidth, s.charHeight, 0.0f);
    if (labelPen > 0) surfaceSelectPen(s.currentPenCode);
}

}  // namespace

namespace surflib {

void surfaceChooseNetworkLabel(float value)
{
    SurfaceLibraryState& s = surfaceState;
    surfaceChooseNumberFormat(value);
    int width = s.labelFormatWidth, decimals = s.labelFormatDecimals;
    s.outputEnabled = 0;
    const float zero = 0.0f;
    surfaceDrawNumber(zero, zero, s.labelFormatValue, width, decimals, s.labelPowerCode);
    s.outputEnabled = 1;
}

void surfaceDrawNetworkContour(int n, const float* x, const float* y, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    const NetworkPolylineBuffer& b = s.networkLine;
    if (n < 2 || n > kNetworkLinePoints || x == nullptr || y == nullptr) return;

    PieceEnds ends{};
    ends.startCondition = surfaceFlagOn(b.continuedFromBefore) ? -1 : 0;
    ends.beforeX = b.beforeX;
    ends.beforeY = b.beforeY;
    if (ends.startCondition == -1 && std::fabs(b.beforeX - x[0]) < s.eps &&
        std::fabs(b.beforeY - y[0]) < s.eps) {
        ends.startCondition = 0;
    }
    ends.afterX = b.afterX;
    ends.afterY = b.afterY;

    float u[kPieceRoom], v[kPieceRoom];
    int m = 0;
    u[m] = x[0];
    v[m] = y[0];
    ++m;

    const bool labels = surfaceFlagOn(s.contour.labelsOn) &&
        surfaceFlagOn(s.tracing.labelThisLevel) && s.outputEnabled == 1;
    if (labels) {
        const LabelMetrics lm = labelMetrics();
        float X[kNetworkLinePoints], Y[kNetworkLinePoints];
        for (int i = 0; i < n; ++i) toPicture(x[i], y[i], X[i], Y[i]);
        const double spacing = s.contour.labelSpacing;
        double run = 0.5 * spacing;
        for (int i = 0; i + 1 < n; ++i) {
            const double dx = static_cast<double>(X[i + 1]) - X[i],
                         dy = static_cast<double>(Y[i + 1]) - Y[i];
            const double len = std::hypot(dx, dy);
            run += len;
            if (run >= spacing && len >= lm.length && len > 0.0 && straightEnough(X, Y, n, i)) {
                const double theta = labelAngle(dx, dy);
                const double cx = 0.5 * (X[i] + static_cast<double>(X[i + 1]));
                const double cy = 0.5 * (Y[i] + static_cast<double>(Y[i + 1]));
                if (boxInsideMap(cx, cy, theta, lm) &&
                    roomBeside(x[i], y[i], x[i + 1], y[i + 1], lm, work)) {
                    // The gap: the label's length around the segment's middle.
                    const double a = 0.5 - 0.5 * lm.length / len, e = 0.5 + 0.5 * lm.length / len;
                    const float gx0 =
                        surfaceNarrow(x[i] + a * (static_cast<double>(x[i + 1]) - x[i]));
                    const float gy0 =
                        surfaceNarrow(y[i] + a * (static_cast<double>(y[i + 1]) - y[i]));
                    const float gx1 =
                        surfaceNarrow(x[i] + e * (static_cast<double>(x[i + 1]) - x[i]));
                    const float gy1 =
                        surfaceNarrow(y[i] + e * (static_cast<double>(y[i + 1]) - y[i]));
                    u[m] = gx0;
                    v[m] = gy0;
                    ++m;
                    PieceEnds upTo = ends;
                    upTo.endCondition = 0;
                    outputPiece(u, v, m, upTo);
                    writeLabel(cx, cy, theta, lm);
                    ends.startCondition = -1;
                    ends.beforeX = gx0;
                    ends.beforeY = gy0;
                    m = 0;
                    u[m] = gx1;
                    v[m] = gy1;
                    ++m;
                    run = 0.0;
                }
            }
            u[m] = x[i + 1];
            v[m] = y[i + 1];
            ++m;
        }
    } else {
        for (int i = 1; i < n; ++i) {
            u[m] = x[i];
            v[m] = y[i];
            ++m;
        }
    }
    ends.endCondition = surfaceFlagOn(b.continuesAfter) ? -1 : 0;
    outputPiece(u, v, m, ends);
}

}  // namespace surflib
