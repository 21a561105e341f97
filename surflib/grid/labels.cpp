// labels.cpp - contour labels within gridded contour lines, and the plain contour output.
//
// A label is due once the running length along the line passes the label spacing (a line
// starts at half a spacing).  It is placed on a chord from the run start S that is at least
// the label's length L long, when the neighbouring levels leave 1.2 label heights of room on
// both sides, the run bends by no more than 30 degrees and the label's box lies inside the
// map.  The line is cut for exactly L along the chord and the level's number written there.
//
// The plain output keeps the line since its last flush in the 80-point ContourPolylineBuffer;
// a label run is the stretch of the buffer from the position of S to the current point.
#include "grid/labels.h"

#include <algorithm>
#include <cmath>

#include "frame/kernel_layer.h"
#include "frame/intervals.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/state.h"
#include "grid/tracing.h"

using namespace surflib;

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kHalfPi = 1.5707964f;
constexpr float kRoomFactor = 1.2f;
constexpr float kUnlimitedRoom = 1.0e30f;

float distance(float ax, float ay, float bx, float by)
{
    return surfaceNarrow(std::hypot(static_cast<double>(bx) - ax, static_cast<double>(by) - ay));
}

// Crossing fraction on an edge from a to b; on an edge of (nearly) equal heights the crossing
// goes to the given corner fraction.
double edgeFraction(float za, float zb, double level, double flat)
{
    const double diff = static_cast<double>(za) - zb;
    if (std::fabs(diff) < 0.001) return flat;
    return (za - level) / diff;
}

// The angle of a vector from the horizontal, in [0, pi/2]; pi/2 for steep or vertical ones.
double slopeAngle(double dx, double dy)
{
    if (std::fabs(dx) < 1.0e-4) return kHalfPi;
    const double slope = std::fabs(dy / dx);
    if (slope > 600.0) return kHalfPi;
    return std::atan(slope);
}

struct CellSegment {
    double x1, y1, x2, y2;
};

// The crossing segment of height level in the cell c1..c4 laid out as a W by H rectangle
// (c1 at (W, 0), c2 at (0, 0), c3 at (0, H), c4 at (W, H)); second: the edge of the second
// end (1 c2-c3, 2 c3-c4, 3 c4-c1), chosen for the contour level itself.
CellSegment segmentOf(const float z[4], double level, double W, double H, int second, double flat)
{
    CellSegment s{};
    const double t = edgeFraction(z[0], z[1], level, flat);
    s.x1 = (1.0 - t) * W;
    s.y1 = 0.0;
    if (second == 2) {
        s.x2 = W * edgeFraction(z[2], z[3], level, flat);
        s.y2 = H;
    } else if (second == 3) {
        s.x2 = W;
        s.y2 = (1.0 - edgeFraction(z[3], z[0], level, flat)) * H;
    } else {
        s.x2 = 0.0;
        s.y2 = H * edgeFraction(z[1], z[2], level, flat);
    }
    return s;
}

bool crossed(float zp, float zq, double level)
{
    return (zp < level && level <= zq) || (zq <= level && level < zp);
}

double roomTo(const CellSegment& own, const float z[4], double other, double W, double H,
              int second)
{
    const CellSegment n = segmentOf(z, other, W, H, second, 1.0);
    const double mx = 0.5 * (own.x1 + own.x2), my = 0.5 * (own.y1 + own.y2);
    const double dx = mx - 0.5 * (n.x1 + n.x2), dy = my - 0.5 * (n.y1 + n.y2);
    const double dist = std::hypot(dx, dy);
    const double phi = slopeAngle(dx, dy);
    const double psi = slopeAngle(mx - own.x1, my - own.y1);
    return dist * std::sin(psi + phi);
}

void drawBuffer(int n)
{
    const ContourPolylineBuffer& b = surfaceState.lineBuffer;
    surfaceDrawContourPoints(n, b.x, b.y);
}

void restartBuffer(float X, float Y)
{
    ContourPolylineBuffer& b = surfaceState.lineBuffer;
    b.x[0] = X;
    b.y[0] = Y;
    b.count = 1;
}

// A run that gets no label: the line so far is drawn and goes on from (X, Y).
void abandonPlainRun(float X, float Y)
{
    SurfaceLibraryState& s = surfaceState;
    drawBuffer(s.lineBuffer.count);
    restartBuffer(X, Y);
    s.lineBuffer.labelStart = 1;
    s.labelRun.startX = X;
    s.labelRun.startY = Y;
    s.labelRun.runLength = 0.0f;
}

void plainLabelStep(float X, float Y, const float* work)
{
    SurfaceLibraryState& s = surfaceState;
    ContourPolylineBuffer& b = s.lineBuffer;
    ContourLabelRun& r = s.labelRun;
    const ContourLabelMetrics m = surfaceLabelMetrics();
    const float c = distance(r.startX, r.startY, X, Y);
    r.runLength += c;
    if (r.runLength <= s.contour.labelSpacing) {
        r.startX = X;
        r.startY = Y;
        b.labelStart = b.count;
        return;
    }
    if (!surfaceLabelRoomFits(m, work)) {
        abandonPlainRun(X, Y);
        return;
    }
    if (c < m.L) {
        r.runLength -= c;
        return;
    }
    const int firstPos = std::min(b.labelStart + 2, b.count);
    const int lastPos = std::max(b.count - 2, b.labelStart);
    if (!surfaceLabelRunStraight(b.x[firstPos - 1], b.y[firstPos - 1], b.x[lastPos - 1],
                                 b.y[lastPos - 1], X, Y)) {
        abandonPlainRun(X, Y);
        return;
    }
    ContourLabelPlace place{};
    if (!surfaceLayLabel(m, X, Y, false, place)) {
        abandonPlainRun(X, Y);
        return;
    }
    surfaceSetLabelText(m, place);
    if (place.anchorAtPoint) {
        // The line runs on along the chord to the label's far end.
        const int at = std::min(b.labelStart, kContourBufferPoints - 1);
        b.x[at] = surfaceNarrow(X + static_cast<double>(m.L) * place.dx);
        b.y[at] = surfaceNarrow(Y + static_cast<double>(m.L) * place.dy);
        drawBuffer(at + 1);
    } else {
        drawBuffer(b.labelStart);
    }
    surfaceWriteLabelNumber(place);
    if (place.anchorAtPoint) {
        restartBuffer(X, Y);
        r.runLength = 0.0f;
    } else {
        const float fx = surfaceNarrow(place.ax + static_cast<double>(m.L) * place.dx);
        const float fy = surfaceNarrow(place.ay + static_cast<double>(m.L) * place.dy);
        restartBuffer(fx, fy);
        if (std::fabs(X - fx) > 0.001f || std::fabs(Y - fy) > 0.001f) {
            b.x[1] = X;
            b.y[1] = Y;
            b.count = 2;
        }
        r.runLength = distance(fx, fy, X, Y);
    }
    r.startX = X;
    r.startY = Y;
    b.labelStart = b.count;
}

}  // namespace

namespace surflib {

ContourLabelMetrics surfaceLabelMetrics()
{
    const SurfaceLibraryState& s = surfaceState;
    const float cw = s.digitWidth, ch = s.charHeight;
    float f = 0.7f;
    if (s.plotHeight > 100.0f * ch && s.plotWidth > 100.0f * cw) f = 0.6f;
    if (surfaceFlagOn(s.contour.labelStyleGiven) && s.contour.labelSize > s.eps && ch > 0.0f) {
        f = s.contour.labelSize / ch;
    }
    ContourLabelMetrics m{};
    m.h = ch * f;
    m.w = cw * f;
    m.L = (1.0f - static_cast<float>(s.labelNegatedWidth)) * m.w;
    return m;
}

bool surfaceLabelsDue()
{
    const SurfaceLibraryState& s = surfaceState;
    return surfaceFlagOn(s.contour.labelsOn) && surfaceFlagOn(s.tracing.labelThisLevel);
}

void surfaceMeasureLabelRoom(int i, int j, int di, int dj, float level, const float* work)
{
    SurfaceLibraryState& s = surfaceState;
    ContourLabelRun& r = s.labelRun;
    r.roomBelow = kUnlimitedRoom;
    r.roomAbove = kUnlimitedRoom;
    const GridState& g = s.grid;
    const int ni = dj, nj = -di;
    const int ci[4] = {i, i + di, i + di + ni, i + ni};
    const int cj[4] = {j, j + dj, j + dj + nj, j + nj};
    float z[4];
    for (int k = 0; k < 4; ++k) {
        if (ci[k] < 1 || ci[k] > g.nx || cj[k] < 1 || cj[k] > g.ny || work == nullptr) return;
        z[k] = work[s.partition.grid + static_cast<long long>(cj[k] - 1) * g.nx + (ci[k] - 1)];
    }
    const MapTransform& m = s.map;
    const double cellW = m.factorX != 0.0f ? std::fabs(g.xSpacing / m.factorX * m.scaleX) : 0.0;
    const double cellH = m.factorY != 0.0f ? std::fabs(g.ySpacing / m.factorY * m.scaleY) : 0.0;
    // Width along the edge, height across it.
    const double W = dj == 0 ? cellW : cellH;
    const double H = dj == 0 ? cellH : cellW;
    int second = 1;
    if (crossed(z[1], z[2], level)) {
        second = 1;
    } else if (crossed(z[2], z[3], level)) {
        second = 2;
    } else if (crossed(z[3], z[0], level)) {
        second = 3;
    }
    const CellSegment own = segmentOf(z, level, W, H, second, 0.0);
    const double below = static_cast<double>(level) - g.contourInterval;
    const double above = static_cast<double>(level) + g.contourInterval;
    const bool haveBelow = below >= g.zMin;
    const bool haveAbove = above <= g.zMax;
    if (haveBelow) r.roomBelow = surfaceNarrow(roomTo(own, z, below, W, H, second));
    if (haveAbove) r.roomAbove = surfaceNarrow(roomTo(own, z, above, W, H, second));
    if (!haveBelow && haveAbove) r.roomBelow = r.roomAbove;
    if (!haveAbove && haveBelow) r.roomAbove = r.roomBelow;
}

bool surfaceLabelRoomFits(const ContourLabelMetrics& m, const float* work)
{
    SurfaceLibraryState& s = surfaceState;
    const ContourTracing& t = s.tracing;
    surfaceMeasureLabelRoom(t.edgeI, t.edgeJ, t.edgeDi, t.edgeDj, t.level, work);
    const float need = kRoomFactor * m.h;
    return !(need > s.labelRun.roomBelow) && !(need > s.labelRun.roomAbove);
}

bool surfaceLabelRunStraight(float fx, float fy, float lx, float ly, float X, float Y)
{
    const ContourLabelRun& r = surfaceState.labelRun;
    const double d1x = static_cast<double>(fx) - r.startX, d1y = static_cast<double>(fy) - r.startY;
    const double d2x = static_cast<double>(X) - lx, d2y = static_cast<double>(Y) - ly;
    if (std::fabs(d1x) < 0.001 && std::fabs(d1y) < 0.001) return false;
    if (std::fabs(d2x) < 0.001 && std::fabs(d2y) < 0.001) return false;
    const double toDegrees = 180.0 / 3.1415927;
    const double a1 = std::atan2(d1y, d1x) * toDegrees;
    const double a2 = std::atan2(d2y, d2x) * toDegrees;
    double lo = a1 - 30.0, hi = a1 + 30.0;
    bool wrapped = false;
    if (hi > 180.0) {
        hi -= 360.0;
        wrapped = true;
    }
    if (lo < -180.0) {
        lo += 360.0;
        wrapped = true;
    }
    if (wrapped) return a2 <= hi || a2 >= lo;
    return a2 >= lo && a2 <= hi;
}

bool surfaceLayLabel(const ContourLabelMetrics& m, float X, float Y, bool smoothed,
                     ContourLabelPlace& place)
{
    SurfaceLibraryState& s = surfaceState;
    ContourLabelRun& r = s.labelRun;
    double theta = 0.0;
    const double dxs = static_cast<double>(r.startX) - X;
    if (std::fabs(dxs) <= 0.01) {
        theta = r.startY <= Y ? kHalfPi : -kHalfPi;
    } else {
        theta =
            std::atan((static_cast<double>(Y) - r.startY) / (static_cast<double>(X) - r.startX));
    }
    bool atPoint = false;
    if (surfaceFlagOn(s.contour.labelAlongLine)) {
        atPoint = true;
        if (r.startX <= X) theta += kPi;
    } else {
        const bool vertical = std::fabs(std::fabs(theta) - kHalfPi) <= s.eps;
        atPoint = r.startX > X && !vertical;
    }
    if (atPoint) {
        r.startX = X;
        r.startY = Y;
    }
    place.theta = static_cast<float>(theta);
    place.anchorAtPoint = atPoint;
    place.ax = atPoint ? X : r.startX;
    place.ay = atPoint ? Y : r.startY;
    const double dx = std::cos(theta), dy = std::sin(theta);
    place.dx = static_cast<float>(dx);
    place.dy = static_cast<float>(dy);
    const double ax = 0.5 * m.h * dy + 0.5 * m.w * dx;
    const double ay = -0.5 * m.h * dx + 0.5 * m.w * dy;
    place.tx = surfaceNarrow(place.ax + ax);
    place.ty = surfaceNarrow(place.ay + ay);

    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
    if (smoothed) {
        x1 = s.map.originX;
        x2 = static_cast<double>(s.map.originX) + s.map.mapWidth;
        y1 = s.map.originY;
        y2 = static_cast<double>(s.map.originY) + s.map.mapHeight;
    } else {
        x1 = surfaceMapToPictureX(s.grid.xMin);
        x2 = surfaceMapToPictureX(s.grid.xMax);
        y1 = surfaceMapToPictureY(s.grid.yMin);
        y2 = surfaceMapToPictureY(s.grid.yMax);
        if (x2 < x1) std::swap(x1, x2);
        if (y2 < y1) std::swap(y1, y2);
    }
    const double corners[4][2] = {
        {place.ax + ax, place.ay + ay},
        {place.ax - ax, place.ay - ay},
        {place.ax + m.L * dx + ax, place.ay + m.L * dy + ay},
        {place.ax + m.L * dx - ax, place.ay + m.L * dy - ay},
    };
    for (const auto& c : corners) {
        if (!(c[0] >= x1 && c[0] <= x2 && c[1] >= y1 && c[1] <= y2)) return false;
    }
    return true;
}

void surfaceSetLabelText(const ContourLabelMetrics& m, const ContourLabelPlace& place)
{
    const float degrees = surfaceNarrow(place.theta * 180.0 / 3.1415927);
    surfaceSetLabelDirection(m.w, m.h, degrees);
}

void surfaceWriteLabelNumber(const ContourLabelPlace& place)
{
    SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    int power = s.labelPowerCode;
    if (surfaceFlagOn(c.labelFixedFormat) && s.numberFormatWarned == 0 &&
        std::fabs(static_cast<double>(c.labelExponent) - s.grid.levelExponent) <
            surfacePowerLimit()) {
        power = -c.labelExponent;
    }
    if (c.labelPen > 0) surfaceSelectPen(c.labelPen);
    int width = s.labelNegatedWidth, decimals = s.labelFormatDecimals;
    surfaceDrawNumber(place.tx, place.ty, s.labelFormatValue, width, decimals, power);
    if (c.labelPen > 0) surfaceSelectPen(s.currentPenCode);
}

void surfaceResetLabelText()
{
    const SurfaceLibraryState& s = surfaceState;
    surfaceSetLabelDirection(s.digitWidth, s.charHeight, 0.0f);
}

void surfaceOutputContourLine(float x, float y, float level, int& first, int end, float* work)
{
    (void)level;
    SurfaceLibraryState& s = surfaceState;
    ContourPolylineBuffer& b = s.lineBuffer;
    ContourLabelRun& r = s.labelRun;
    const float X = surfaceMapToPictureX(x), Y = surfaceMapToPictureY(y);
    surfaceCollectContourPoint(x, y);
    if (first != 0) {
        restartBuffer(X, Y);
        b.labelStart = 1;
        r.runLength = s.contour.labelSpacing * 0.5f;
        r.startX = X;
        r.startY = Y;
        first = 0;
    } else {
        if (b.count >= kContourBufferPoints) restartBuffer(b.x[b.count - 1], b.y[b.count - 1]);
        b.x[b.count] = X;
        b.y[b.count] = Y;
        ++b.count;
        if (end == 0 && surfaceLabelsDue()) plainLabelStep(X, Y, work);
    }
    if (end != 0) {
        drawBuffer(b.count);
        b.count = 0;
        surfaceResetLabelText();
    } else if (b.count >= kContourBufferPoints) {
        drawBuffer(b.count);
        restartBuffer(X, Y);
        r.startX = X;
        r.startY = Y;
        b.labelStart = 1;
    }
    r.prevX = X;
    r.prevY = Y;
}

}  // namespace surflib
