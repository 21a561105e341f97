// piesegment.cpp - the geometry of one pie segment, shared by the pie routines and the
// label forms: angle normalisation, points on the rim, the fill buffer, the segment fill and
// the segment outline.
//
// A segment is filled as one boundary of the fill buffer (the rim from start to end in steps,
// then the centre), handed to the kernel's multi-polygon fill together with the label boxes
// put there before it, so that the boxes are cut out of the fill.  The buffer holds 200
// points; a full disc in an empty buffer takes all of them.
#include <cassert>
#include <cmath>

#include "charts/pie.h"
#include "frame/errors.h"
#include "frame/state.h"
#include "tarvcore.h"

namespace plotlib {

namespace {

constexpr int kBufferPoints = 200;
constexpr int kBufferBoundaries = 8;
// Rim steps of a whole turn: the buffer's points less the two ends of a boundary.
constexpr int kTurnSteps = 198;

// Number of whole steps of `step` degrees that fit in a sweep, less a tenth, toward zero; none
// when the step is not positive.
int rimSteps(double sweep, double step)
{
    if (!(step > 0.0)) return 0;
    const double q = sweep / step - 0.1;
    if (!(q > 0.0)) return 0;
    return q < kBufferPoints ? static_cast<int>(q) : kBufferPoints;
}

bool emptySegment(float a1, float a2) { return !(std::fabs(a1 - a2) >= 0.0001f); }

}  // namespace

void graphNormalisePieAngles(float a1, float a2, float& sweep, float& s, float& e)
{
    if (!std::isfinite(a1) || !std::isfinite(a2)) {
        sweep = s = e = 0.0f;
        return;
    }
    auto wrap = [](float a) {
        double r = std::fmod(static_cast<double>(a), 360.0);
        if (r < 0.0) r += 360.0;
        const float f = static_cast<float>(r);
        return f < 360.0f ? f : 0.0f;
    };
    s = wrap(a1);
    e = wrap(a2);
    sweep = e - s;
    if (sweep < -0.0001f) sweep += 360.0f;
    else if (sweep <= 0.0001f) sweep = a2 > a1 ? 360.0f : 0.0f;
}

void graphClearPieBuffer() { graphState.polygon.boundaryCount = 0; }

int graphPieBufferPoints()
{
    const PolygonBuffer& b = graphState.polygon;
    int used = 0;
    for (int k = 0; k < b.boundaryCount && k < kBufferBoundaries; ++k) used += b.points[k];
    return used;
}

bool graphAppendPieBoundary(const float* x, const float* y, int count)
{
    PolygonBuffer& b = graphState.polygon;
    if (b.boundaryCount < 0 || b.boundaryCount > kBufferBoundaries) b.boundaryCount = 0;
    const int used = graphPieBufferPoints();
    if (count < 1 || b.boundaryCount >= kBufferBoundaries || used + count > kBufferPoints)
        return false;
    for (int k = 0; k < count; ++k) {
        b.x[used + k] = x[k];
        b.y[used + k] = y[k];
    }
    b.points[b.boundaryCount] = count;
    b.boundaryCount += 1;
    return true;
}

void graphPiePoint(double degrees, double r, float& x, float& y)
{
    const PieSettings& p = graphState.pie;
    const double a = degrees * graphState.nice.degree;
    x = static_cast<float>(p.centreX + r * std::cos(a));
    y = static_cast<float>(p.centreY + r * std::sin(a));
}

void graphFillPieSegment(float a1, float a2, int fillStyle, int pen)
{
    if (emptySegment(a1, a2) || fillStyle < -1) return;
    int kernelPen = pen;
    if (pen < 0) {
        kernelReportError(graphKernelNumber(kNegativePen));
        kernelPen = pen == -2147483647 - 1 ? 2147483647 : -pen;
    }
    float sweep = 0.0f, s = 0.0f, e = 0.0f;
    graphNormalisePieAngles(a1, a2, sweep, s, e);
    float lineWidth = 0.0f;
    kernelEnquireLineWidth(lineWidth);
    const double r = static_cast<double>(graphState.pie.radius) - lineWidth / 2.0;
    const int held = graphPieBufferPoints();

    float x[kBufferPoints], y[kBufferPoints];
    int count = 0;
    graphPiePoint(s, r, x[count], y[count]);
    ++count;
    const double middle = std::fmod(static_cast<double>(s) + sweep / 2.0, 360.0);
    if (std::fabs(middle - e) >= 1e-9) {
        // The steps share the buffer with the boxes already in it; a boundary never runs
        // past the buffer's 200 points.
        const int free = kTurnSteps - held;
        const double step = free > 0 ? 360.0 / free : 0.0;
        int k = rimSteps(sweep, step);
        const int room = kBufferPoints - held - 3;
        if (k > room) k = room > 0 ? room : 0;
        for (int j = 1; j <= k; ++j) {
            graphPiePoint(s + j * step, r, x[count], y[count]);
            ++count;
        }
        graphPiePoint(e, r, x[count], y[count]);
        ++count;
    }
    const PieSettings& p = graphState.pie;
    x[count] = p.centreX;
    y[count] = p.centreY;
    ++count;
    // The steps were cut to the room the buffer has left.
    assert(held + count <= kBufferPoints);
    if (!graphAppendPieBoundary(x, y, count)) return;
    const PolygonBuffer& b = graphState.polygon;
    static const int reserved = 0;
    kernelFillMultiPolygon(fillStyle, kernelPen, reserved, b.boundaryCount, b.points, b.x, b.y);
}

void graphDrawPieOutline(float s, float e, float sweep, int outlineCode, float* rim)
{
    const double r = graphState.pie.radius;
    graphPiePoint(s, r, rim[0], rim[1]);
    graphPiePoint(e, r, rim[2], rim[3]);
    if (outlineCode == -1) return;
    const PieSettings& p = graphState.pie;
    kernelMovePen(p.centreX, p.centreY);
    kernelDrawLineTo(rim[0], rim[1]);
    // The rim is drawn in steps of a whole turn's resolution, whatever the fill buffer holds
    // at this moment; a full turn draws the whole circle.
    if (!(sweep >= 1e-9f)) return;
    const double step = 360.0 / kTurnSteps;
    const int k = rimSteps(sweep, step);
    for (int j = 1; j <= k; ++j) {
        float x = 0.0f, y = 0.0f;
        graphPiePoint(s + j * step, r, x, y);
        kernelDrawLineTo(x, y);
    }
    kernelDrawLineTo(rim[2], rim[3]);
    kernelMovePen(p.centreX, p.centreY);
    kernelDrawLineTo(rim[2], rim[3]);
}

}  // namespace plotlib
