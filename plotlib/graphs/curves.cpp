// curves.cpp - polylines, smooth curves and square waves through a data set, the single
// moves and lines of GRAMOV and GRALIN, and the curve end conditions (CURBEG, CURFIN).
//
// A smooth curve goes to the kernel in pieces of at most 100 points of its own: the kernel's
// curve routines take a bounded point list, and a long data set would otherwise have to be
// copied whole.  Each later piece repeats the last point of the one before and every joint
// carries the neighbouring points as end conditions, so the pieces meet smoothly.
#include "graphs/curves.h"

#include <cassert>
#include <cmath>
#include <iterator>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// Points a curve piece owns, before the overlap point of a later piece is added.
constexpr int kPieceLength = 100;

// Closed data set: the last point repeats the first, in graph units.
bool isClosed(const float* x, const float* y, int n)
{
    return std::fabs(x[0] - x[n - 1]) < 0.00001f && std::fabs(y[0] - y[n - 1]) < 0.00001f;
}

// The eight values of kernelSetCurveEnds, in its argument order.
struct CurveEnds {
    float startTangent[2];
    float endTangent[2];
    float before[2];
    float after[2];
};

// One end of a piece as its condition sees it: the neighbouring data point inside the data
// set (-1 at the data set's own end), the point across the joint of a closed data set, the
// stored condition of that end, and where the point or tangent the condition needs goes.
struct PieceEnd {
    int inside;
    int acrossJoint;
    int storedType;
    const float* storedPoint;
    const float* storedTangent;
    float* point;
    float* tangent;
};

// The condition of one end of a piece: the neighbour inside the data set, else the stored
// condition, else for a closed data set the point across the joint, else free.
int conditionAt(const float* x, const float* y, int n, const PieceEnd& e)
{
    if (e.inside >= 0) {
        graphToKernelCoords(x[e.inside], y[e.inside], e.point[0], e.point[1]);
        return -1;
    }
    if (e.storedType < 0) {
        graphToKernelCoords(e.storedPoint[0], e.storedPoint[1], e.point[0], e.point[1]);
        return -1;
    }
    if (e.storedType > 0) {
        e.tangent[0] = e.storedTangent[0];
        e.tangent[1] = e.storedTangent[1];
        return 1;
    }
    if (isClosed(x, y, n)) {
        graphToKernelCoords(x[e.acrossJoint], y[e.acrossJoint], e.point[0], e.point[1]);
        return -1;
    }
    return 0;
}

// Start condition of a piece whose first point is x[first], y[first]; sets the values the
// condition needs and returns the condition.
int startCondition(const float* x, const float* y, int n, int first, CurveEnds& ends)
{
    const CurveEndConditions& stored = graphState.curveEnds;
    return conditionAt(x, y, n,
                       {first > 0 ? first - 1 : -1, n - 2, stored.startType, stored.before,
                        stored.startTangent, ends.before, ends.startTangent});
}

// End condition of a piece whose last point is x[last], y[last].
int endCondition(const float* x, const float* y, int n, int last, CurveEnds& ends)
{
    const CurveEndConditions& stored = graphState.curveEnds;
    return conditionAt(x, y, n,
                       {last < n - 1 ? last + 1 : -1, 1, stored.endType, stored.after,
                        stored.endTangent, ends.after, ends.endTangent});
}

void drawPiece(int mode, int count, int startCond, int endCond)
{
    const float* kx = graphState.work.curveX;
    const float* ky = graphState.work.curveY;
    switch (mode) {
    case 2: kernelDrawSpline(kx, ky, count, startCond, endCond); break;
    case 3: kernelDrawAkimaCurve(kx, ky, count, startCond, endCond); break;
    default: kernelDrawCurve(kx, ky, count, startCond, endCond); break;
    }
}

// Maps a graph point and hands it to a pen operation of the kernel.
void movePenTo(float x, float y)
{
    float kx = 0.0f, ky = 0.0f;
    graphToKernelCoords(x, y, kx, ky);
    kernelMovePen(kx, ky);
}

void drawLineTo(float x, float y)
{
    float kx = 0.0f, ky = 0.0f;
    graphToKernelCoords(x, y, kx, ky);
    kernelDrawLineTo(kx, ky);
}

// Stores a start or end condition: the sign of `type` picks neighbour point, free or tangent.
void storeCondition(int type, float t1, float t2, float p1, float p2, int& condition,
                    float* tangent, float* point)
{
    if (type < 0) {
        condition = -1;
        point[0] = p1;
        point[1] = p2;
    } else if (type == 0) {
        condition = 0;
    } else {
        condition = 1;
        tangent[0] = t1;
        tangent[1] = t2;
    }
}

// The routines with a data set share their check of the point count.
bool enoughPoints(const float* x, const float* y, int n)
{
    if (n <= 1 || x == nullptr || y == nullptr) {
        graphReportError(kTooFewPoints);
        return false;
    }
    return true;
}

}  // namespace

namespace plotlib {

void graphDrawPolyline(const float* x, const float* y, int n)
{
    const bool testMissing = graphState.missing.mode > 0;
    bool penUp = true;
    for (int i = 0; i < n; ++i) {
        float kx = 0.0f, ky = 0.0f;
        graphToKernelCoords(x[i], y[i], kx, ky);
        if (testMissing && graphIsMissingPoint(x[i], y[i])) {
            kernelMovePen(kx, ky);
            penUp = true;
        } else if (penUp) {
            kernelMovePen(kx, ky);
            penUp = false;
        } else {
            kernelDrawLineTo(kx, ky);
        }
    }
}

void graphDrawCurve(int mode, const float* x, const float* y, int n)
{
    if (n < 2) return;
    // With r = 1 the last piece takes one point more (101) instead of a piece of one point.
    const int r = (n - 1) % kPieceLength + 1;
    const int q = (n - 1) / kPieceLength + 1;
    const int pieces = (r == 1) ? q - 1 : q;
    CurveEnds ends{};
    for (int k = 0; k < pieces; ++k) {
        const int first = (k == 0) ? 0 : k * kPieceLength - 1;
        const int last = (k == pieces - 1) ? n - 1 : (k + 1) * kPieceLength - 1;
        ends.startTangent[0] = ends.startTangent[1] = 0.0f;
        ends.endTangent[0] = ends.endTangent[1] = 0.0f;
        const int startCond = startCondition(x, y, n, first, ends);
        const int endCond = endCondition(x, y, n, last, ends);
        const int count = last - first + 1;
        // A piece is at most 102 points (100, the overlap and a last point folded in): the
        // work buffers hold it.
        assert(count >= 1 && count <= static_cast<int>(std::size(graphState.work.curveX)));
        for (int i = 0; i < count; ++i)
            graphToKernelCoords(x[first + i], y[first + i], graphState.work.curveX[i],
                                graphState.work.curveY[i]);
        kernelSetCurveEnds(ends.startTangent[0], ends.startTangent[1], ends.endTangent[0],
                           ends.endTangent[1], ends.before[0], ends.before[1], ends.after[0],
                           ends.after[1]);
        drawPiece(mode, count, startCond, endCond);
        kernelEnquireCurveEnds(ends.startTangent[0], ends.startTangent[1], ends.endTangent[0],
                               ends.endTangent[1], ends.before[0], ends.before[1], ends.after[0],
                               ends.after[1]);
    }
}

void graphDrawSquareWave(const float* x, const float* y, int n, int stepMode, int axis)
{
    movePenTo(x[0], y[0]);
    for (int k = 1; k < n; ++k) {
        const float x0 = x[k - 1], y0 = y[k - 1], x1 = x[k], y1 = y[k];
        if (axis == 1) {
            if (stepMode == 0) {
                const float xm = (x0 + x1) / 2.0f;
                drawLineTo(xm, y0);
                drawLineTo(xm, y1);
            } else if (stepMode == 1) {
                drawLineTo(x0, y1);
            } else {
                drawLineTo(x1, y0);
            }
        } else {
            if (stepMode == 0) {
                const float ym = (y0 + y1) / 2.0f;
                drawLineTo(x0, ym);
                drawLineTo(x1, ym);
            } else if (stepMode == 1) {
                drawLineTo(x1, y0);
            } else {
                drawLineTo(x0, y1);
            }
        }
        drawLineTo(x1, y1);
    }
    if (stepMode == 0) drawLineTo(x[n - 1], y[n - 1]);
}

}  // namespace plotlib

void GRAPOL(const float* x, const float* y, const int& n)
{
    GraphRoutineFrame frame("GRAPOL");
    if (enoughPoints(x, y, n)) graphDrawPolyline(x, y, n);
}

void GRACUR(const float* x, const float* y, const int& n)
{
    GraphRoutineFrame frame("GRACUR");
    if (enoughPoints(x, y, n)) graphDrawCurve(1, x, y, n);
}

void GRASPL(const float* x, const float* y, const int& n)
{
    GraphRoutineFrame frame("GRASPL");
    if (enoughPoints(x, y, n)) graphDrawCurve(2, x, y, n);
}

void GRAAKI(const float* x, const float* y, const int& n)
{
    GraphRoutineFrame frame("GRAAKI");
    if (enoughPoints(x, y, n)) graphDrawCurve(3, x, y, n);
}

void GRASQU(const float* x, const float* y, const int& n, const int& stepMode, const int& axis)
{
    GraphRoutineFrame frame("GRASQU");
    if (!enoughPoints(x, y, n)) return;
    const int stepAxis = axis > 1 ? 2 : 1;
    int mode = stepMode;
    if (mode < -1 || mode > 1) {
        graphReportError(kBadStepMode);
        mode = 0;
    }
    graphDrawSquareWave(x, y, n, mode, stepAxis);
}

void GRAMOV(const float& x, const float& y)
{
    GraphRoutineFrame frame("GRAMOV");
    movePenTo(x, y);
}

void GRALIN(const float& x, const float& y)
{
    GraphRoutineFrame frame("GRALIN");
    drawLineTo(x, y);
}

void CURBEG(const int& type, const float& t1, const float& t2, const float& p1, const float& p2)
{
    GraphRoutineFrame frame("CURBEG");
    CurveEndConditions& c = graphState.curveEnds;
    storeCondition(type, t1, t2, p1, p2, c.startType, c.startTangent, c.before);
}

void CURFIN(const int& type, const float& t1, const float& t2, const float& p1, const float& p2)
{
    GraphRoutineFrame frame("CURFIN");
    CurveEndConditions& c = graphState.curveEnds;
    storeCondition(type, t1, t2, p1, p2, c.endType, c.endTangent, c.after);
}
