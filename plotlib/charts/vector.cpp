// vector.cpp - vector charts: one arrow per node of a regular grid laid over the plot, its
// direction, magnitude and colour taken from three arrays of the grid's shape (VECGRA), and the
// settings that place the grid (VECBND), map magnitudes to arrow lengths and place arrows on
// their nodes (VECSCA) and choose the magnitudes drawn (VECCLP), with their enquiries.
// VECSET, which puts the settings back, lives with the other restore routines.
//
// The grid unit is the smaller node spacing times the length factor; a magnitude at the
// upper end of the mapping gets an arrow one unit long, larger ones longer arrows.  Arrow
// shafts keep the caller's line style; their heads (a third of the arrow long) are drawn solid.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "graphs/arrows.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

constexpr float kNothing = 1e-5f;

int colourOf(int c) { return c >= 0 ? c : (c == INT32_MIN ? INT32_MAX : -c); }

// One arrow from the current pen position to (tx, ty) with a head of a third of its length;
// the head solid, the caller's line style (saved by VECGRA) back in force afterwards.
void graphDrawVectorArrow(float tx, float ty, int style)
{
    float sx = 0.0f, sy = 0.0f, unused = 0.0f;
    kernelEnquirePenPosition(sx, sy, unused);
    const float dx = tx - sx, dy = ty - sy;
    const float size = static_cast<float>(std::hypot(dx, dy) / 3.0);
    const ArrowHead head = graphArrowHeadCorners(tx, ty, dx, dy, size);
    kernelDrawLineTo(tx, ty);
    const VectorSettings& v = graphState.vector;
    static const int solid = 0;
    if (v.savedStyle != 0) kernelSetLineStyle(solid);
    graphDrawArrowHead(tx, ty, head, style);
    if (v.savedStyle > 0) kernelSetLineStyle(v.savedStyle);
    else if (v.savedStyle < 0)
        kernelSetDashPattern(v.savedDash[0], v.savedDash[1], v.savedDash[2], v.savedDash[3]);
}

// Kernel corners of the grid: the frame of VECBND, or the ranges of the two axes.
void gridCorners(float& x1, float& y1, float& x2, float& y2)
{
    const VectorSettings& v = graphState.vector;
    float g1x = v.frame[0], g2x = v.frame[1], g1y = v.frame[2], g2y = v.frame[3];
    if (v.frameSwitch != 1) {
        g1x = graphAxis(1).minimum;
        g2x = graphAxis(1).maximum;
        g1y = graphAxis(2).minimum;
        g2y = graphAxis(2).maximum;
    }
    graphToKernelCoords(g1x, g1y, x1, y1);
    graphToKernelCoords(g2x, g2y, x2, y2);
}

}  // namespace

void VECBND(const float& x1, const float& x2, const float& y1, const float& y2)
{
    GraphRoutineFrame frame("VECBND");
    VectorSettings& v = graphState.vector;
    graphOrderedBounds(x1, x2, y1, y2, v.frame);
    v.frameSwitch = 1;
}

void VECBNQ(float& x1, float& x2, float& y1, float& y2)
{
    GraphRoutineFrame frame("VECBNQ");
    const VectorSettings& v = graphState.vector;
    x1 = v.frame[0];
    x2 = v.frame[1];
    y1 = v.frame[2];
    y2 = v.frame[3];
}

void VECCLP(const float& a, const float& b)
{
    GraphRoutineFrame frame("VECCLP");
    VectorSettings& v = graphState.vector;
    v.limit[0] = std::min(std::fabs(a), std::fabs(b));
    v.limit[1] = std::max(std::fabs(a), std::fabs(b));
    if (!(v.limit[1] - v.limit[0] >= kNothing)) v.limit[0] = v.limit[1] = 0.0f;
}

void VECCLQ(float& low, float& high)
{
    GraphRoutineFrame frame("VECCLQ");
    low = graphState.vector.limit[0];
    high = graphState.vector.limit[1];
}

void VECSCA(const int& mode, const float& p, const float& q, const float& factor)
{
    GraphRoutineFrame frame("VECSCA");
    VectorSettings& v = graphState.vector;
    v.mode = mode;
    if (mode < -1 || mode > 1) {
        graphReportError(kBadVectorMode);
        v.mode = 0;
    }
    v.factor[0] = std::min(p, q);
    v.factor[1] = std::max(p, q);
    if (!(v.factor[1] - v.factor[0] >= kNothing)) v.factor[0] = v.factor[1] = 0.0f;
    v.factor[2] = std::fabs(factor);
}

void VECSCQ(int& mode, float& low, float& high, float& factor)
{
    GraphRoutineFrame frame("VECSCQ");
    const VectorSettings& v = graphState.vector;
    mode = v.mode;
    low = v.factor[0];
    high = v.factor[1];
    factor = v.factor[2];
}

void VECGRA(const float* directions, const float* magnitudes, const int* colours, const int& nx,
            const int& ny, const int& headStyle)
{
    GraphRoutineFrame frame("VECGRA");
    if (nx < 1 || ny < 1 || directions == nullptr || magnitudes == nullptr || colours == nullptr) {
        graphReportError(kBadVectorGrid);
        return;
    }
    int style = headStyle;
    if (style < 0 || style > 2) {
        graphReportError(kBadArrowSwitch);
        style = 0;
    }
    float k1x = 0.0f, k1y = 0.0f, k2x = 0.0f, k2y = 0.0f;
    gridCorners(k1x, k1y, k2x, k2y);

    // The largest magnitude that can be drawn, and whether a colour needs its sign dropped.
    const int64_t nodes = static_cast<int64_t>(nx) * ny;
    float largest = 0.0f;
    bool negative = false;
    for (int64_t k = 0; k < nodes; ++k) {
        const float m = std::fabs(magnitudes[k]);
        if (std::isfinite(m) && m > largest) largest = m;
        if (colours[k] < 0) negative = true;
    }
    VectorSettings& v = graphState.vector;
    float lo = v.factor[0], hi = v.factor[1];
    if (std::fabs(lo) < kNothing && std::fabs(hi) < kNothing) hi = largest;
    if (negative) graphReportError(kNegativeColour);
    if (!(largest > kNothing)) {
        graphReportError(kNoMagnitude);
        return;
    }
    float a = v.limit[0], b = v.limit[1];
    if (a < kNothing && b < kNothing) {
        a = 0.0f;
        b = largest + 1.0f;
    }
    const double dy = (static_cast<double>(k2y) - k1y) / std::max(ny - 1, 1);
    const double dx = (static_cast<double>(k2x) - k1x) / std::max(nx - 1, 1);
    // The unit is a length: an axis running backwards must not turn every arrow round.
    const double unit = std::min(std::fabs(dx), std::fabs(dy)) * v.factor[2];
    kernelEnquireLineStyle(v.savedStyle);
    kernelEnquireDashPattern(v.savedDash[0], v.savedDash[1], v.savedDash[2], v.savedDash[3]);

    const double degree = graphState.nice.degree;
    for (int j = 1; j <= nx; ++j) {
        for (int i = 1; i <= ny; ++i) {
            const int64_t k = static_cast<int64_t>(j - 1) + static_cast<int64_t>(nx) * (i - 1);
            const float m = magnitudes[k];
            const float size = std::fabs(m);
            if (!(a <= size && size <= b)) continue;
            const double px = k1x + (j - 1) * dx, py = k1y + (i - 1) * dy;
            double length = 0.0;
            if (size >= lo) length = hi - lo <= kNothing ? unit : unit * (size - lo) / (hi - lo);
            if (length == 0.0) continue;
            const double turn = m < 0.0f ? 180.0 : 0.0;
            const double angle = (static_cast<double>(directions[k]) + turn) * degree;
            const double vx = length * std::cos(angle), vy = length * std::sin(angle);
            // A direction that is no number gives no arrow.
            if (!std::isfinite(vx) || !std::isfinite(vy)) continue;
            kernelSetColour(colourOf(colours[k]));
            const double back = v.mode == -1 ? 0.0 : (v.mode == 1 ? 1.0 : 0.5);
            kernelMovePen(graphToFloat(px - back * vx), graphToFloat(py - back * vy));
            const float tx = graphToFloat(px + (1.0 - back) * vx);
            const float ty = graphToFloat(py + (1.0 - back) * vy);
            graphDrawVectorArrow(tx, ty, style);
        }
    }
}
