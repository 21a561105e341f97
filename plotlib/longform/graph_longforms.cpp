// graph_longforms.cpp - long forms of the data-set routines: whole graphs, curves, markers,
// value labels, population graphs and the line fit.  Each splits its point
// records into an x and a y temporary and calls its legacy routine once; with a count below
// 1 it calls nothing (the pair codes of kpPlotGraph are still remembered), so no error is
// reported for an empty data set given in records.
#include "longform/codes.h"

using namespace plotlib;

namespace {

constexpr LongFormCodeRow graphSwitchRows[] = {{kpGraphAxesOn, 1}, {kpGraphAxesOff, 0}};
constexpr LongFormCodeRow squareWaveRows[] = {{0, -1}, {kpSquareWave1, 1}, {kpSquareWave0, 0}};
constexpr LongFormCodeRow lineFitCodeRows[] = {{kpLineFitCode1, 1}};
constexpr LongFormCodeRow lineFitStatusRows[] = {{0, 0}, {kpLineFitFlag1, 1}};

using CurveRoutine = void (*)(const float*, const float*, const int&);

// The four curve long forms differ only in their legacy routine.
void addCurve(CurveRoutine legacy, int n, const PointRecord* points)
{
    const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
    if (!xy.ok()) return;
    legacy(xy.field(0), xy.field(1), n);
}

}  // namespace

void kpPlotGraph(const int& n, const PointRecord* points, const int& xScaling, const int& yScaling,
                 const int& curveKind, const int& axesSwitch)
{
    const int type = longFormPair(kPairPlotGraph, longFormGraphTypeCases, xScaling, yScaling);
    const int kind = longFormSignedCode(longFormCurveKindRows, curveKind);
    const int axes = longFormCode(graphSwitchRows, axesSwitch);
    const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
    if (!xy.ok()) return;
    GRAPH(xy.field(0), xy.field(1), n, type, kind, axes);
}

void kpAddGraphPolyline(const int& n, const PointRecord* points) { addCurve(GRAPOL, n, points); }

void kpAddGraphCurve(const int& n, const PointRecord* points) { addCurve(GRACUR, n, points); }

void kpAddGraphSpline(const int& n, const PointRecord* points) { addCurve(GRASPL, n, points); }

void kpAddAkimaCurve(const int& n, const PointRecord* points) { addCurve(GRAAKI, n, points); }

void kpAddSquareWave(const int& n, const PointRecord* points, const int& stepCode, const int& axis)
{
    const int step = longFormCode(squareWaveRows, stepCode);
    const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
    if (!xy.ok()) return;
    GRASQU(xy.field(0), xy.field(1), n, step, axis);
}

void kpAddGraphMarkers(const int& n, const PointRecord* points, const int& marker, const int& skip)
{
    const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
    if (!xy.ok()) return;
    GRASYM(xy.field(0), xy.field(1), n, marker, skip);
}

void kpAddGraphValues(const int& n, const PointRecord* points, const int& axis)
{
    const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
    if (!xy.ok()) return;
    GRAVAL(xy.field(0), xy.field(1), n, axis);
}

void kpAddPopulationGraph(const float& width, const float& centre, const int& n,
                          const PointRecord* classes, const float& divisor)
{
    const LongFormFields<PointRecord, 2> ev(classes, n, longFormPointFields);
    if (!ev.ok()) return;
    GRAPOP(width, centre, ev.field(0), ev.field(1), n, divisor);
}

void kpReturnLineCoeffs(const int& fitCode, const int& n, const PointRecord* points,
                        const int& capacity, float* coefficients, int& count, int& status)
{
    const int code = longFormCode(lineFitCodeRows, fitCode);
    int flag = 1;
    {
        const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
        if (xy.ok()) LINFIT(code, xy.field(0), xy.field(1), n, capacity, coefficients, count, flag);
    }
    longFormReturnCode(lineFitStatusRows, flag, status);
}
