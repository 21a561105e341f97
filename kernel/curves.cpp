// curves.cpp - smooth curves through points: a parametric curve, a cubic spline in x and an
// Akima curve, each with the end conditions -1 (neighbour point from the curve ends), 0 (free)
// and 1 (tangent from the curve ends).
#include <cmath>

#include "state.h"

using namespace tarv;

namespace {

enum class CurveKind { Smooth, Spline, Akima };

void drawCurve(const char* name, CurveKind /*kind*/, const float* x, const float* y, int n,
               int startCondition, int endCondition) {
    int count = 0;
    bool ok = acceptCount(name, n, count);
    if (x == nullptr || y == nullptr) count = 0;
    if (tracing())
        TraceLine(name).reals(x, count).reals(y, count).i(n).i(startCondition).i(endCondition)
            .emit();
    if (!ok) return;
    std::vector<Point> pts;
    for (int k = 0; k < count; ++k)
        if (finite2(x[k], y[k])) pts.push_back({x[k], y[k]});
    if (pts.size() < 2) return;
    if (deviceActive()) devicePolyline(pts);
    state().pen.x = static_cast<float>(pts.back().x);
    state().pen.y = static_cast<float>(pts.back().y);
}

}  // namespace

void kernelSetCurveEnds(const float& tx0, const float& ty0, const float& tx1, const float& ty1,
                        const float& xb, const float& yb, const float& xa, const float& ya) {
    state().curve.values = {tx0, ty0, tx1, ty1, xb, yb, xa, ya};
    if (tracing())
        TraceLine("kernelSetCurveEnds").r(tx0).r(ty0).r(tx1).r(ty1).r(xb).r(yb).r(xa).r(ya).emit();
}

void kernelEnquireCurveEnds(float& tx0, float& ty0, float& tx1, float& ty1, float& xb,
                            float& yb, float& xa, float& ya) {
    const auto& v = state().curve.values;
    tx0 = v[0]; ty0 = v[1]; tx1 = v[2]; ty1 = v[3];
    xb = v[4]; yb = v[5]; xa = v[6]; ya = v[7];
    if (tracing())
        TraceLine("kernelEnquireCurveEnds").arrow().r(tx0).r(ty0).r(tx1).r(ty1).r(xb).r(yb).r(xa)
            .r(ya).emit();
}

void kernelDrawCurve(const float* x, const float* y, const int& n, const int& startCondition,
                     const int& endCondition) {
    drawCurve("kernelDrawCurve", CurveKind::Smooth, x, y, n, startCondition, endCondition);
}

void kernelDrawSpline(const float* x, const float* y, const int& n, const int& startCondition,
                      const int& endCondition) {
    drawCurve("kernelDrawSpline", CurveKind::Spline, x, y, n, startCondition, endCondition);
}

void kernelDrawAkimaCurve(const float* x, const float* y, const int& n,
                          const int& startCondition, const int& endCondition) {
    drawCurve("kernelDrawAkimaCurve", CurveKind::Akima, x, y, n, startCondition, endCondition);
}
