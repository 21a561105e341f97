// routines.cpp - the table of every legacy routine of the graph library: its axis code A,
// draw flag D and the message text it registers with the kernel.  The message text is the
// long form followed by the legacy name in parentheses; routines without a long form pass
// their bare name (BARGRA and HISGRA are second entries of GRABAR and GRAHIS and pass those
// names).  Rows are sorted by legacy name for the binary search below.
#include "frame/frame.h"

#include <cstring>

using namespace plotlib;

namespace {

constexpr GraphRoutineEntry routineTable[] = {
    {"ARECHA", 1, 1, "kpPlotAreaChart(ARECHA)"},
    {"AREFIL", 3, 0, "kpFillAreaChart(AREFIL)"},
    {"AREGRA", 3, 0, "kpAddAreaChartOutline(AREGRA)"},
    {"AREVAL", 3, 1, "kpAddAreaChartValues(AREVAL)"},
    {"ARROW", 3, 0, "kpDrawArrow(ARROW)"},
    {"AXIANN", 1, 0, "kpSetAxesAnnotation(AXIANN)"},
    {"AXIATT", 1, 0, "kpSetAxesAttribs(AXIATT)"},
    {"AXIDRA", 2, 1, "kpDrawAxes(AXIDRA)"},
    {"AXIINT", 1, 0, "AXIINT"},
    {"AXIPOS", 1, 0, "kpSetAxesPos(AXIPOS)"},
    {"AXISCA", 1, 0, "kpSetAxesScaling(AXISCA)"},
    {"AXISET", 1, 1, "kpRestoreAxesSettings(AXISET)"},
    {"AXISTR", 2, 1, "kpDrawAxesLabels(AXISTR)"},
    {"AXLSTR", 2, 1, "kpDrawAxesLabs(AXLSTR)"},
    {"AXNENQ", 2, 0, "kpEnqAxesAnnotation(AXNENQ)"},
    {"AXNSTR", 2, 1, "kpDrawAxesTitle(AXNSTR)"},
    {"AXPENQ", 1, 0, "kpEnqAxesPos(AXPENQ)"},
    {"AXSENQ", 3, 0, "kpEnqAxesScaling(AXSENQ)"},
    {"AXTENQ", 1, 0, "kpEnqAxesAttribs(AXTENQ)"},
    {"BARCHA", 1, 1, "kpPlotBarChart(BARCHA)"},
    {"BARFIL", 3, 0, "kpFillBarChart(BARFIL)"},
    {"BARGRA", 3, 0, "GRABAR"},
    {"BARVAL", 3, 1, "kpAddBarChartValues(BARVAL)"},
    {"CURBEG", 1, 0, "kpSetCurveStartConds(CURBEG)"},
    {"CURFIN", 1, 0, "kpSetCurveEndContitions(CURFIN)"},
    {"DATANN", 1, 0, "kpSetDateAxesAnnotation(DATANN)"},
    {"DATANQ", 1, 0, "kpEnqDateAxesAnnotation(DATANQ)"},
    {"DATCON", 1, 0, "kpConvertDates(DATCON)"},
    {"DATFOQ", 1, 0, "kpEnqDateFormat(DATFOQ)"},
    {"DATFOR", 1, 0, "kpSetDateFormat(DATFOR)"},
    {"DATGRA", 1, 0, "kpConvertDateToGraph(DATGRA)"},
    {"DATSCA", 1, 0, "kpSetDateAxesScaling(DATSCA)"},
    {"DATSCQ", 3, 0, "kpEnqDateAxesScaling(DATSCQ)"},
    {"DRAPOL", 1, 1, "kpDrawPolarAxes(DRAPOL)"},
    {"GRAAKI", 3, 0, "kpAddAkimaCurve(GRAAKI)"},
    {"GRABAR", 3, 0, "GRABAR"},
    {"GRACUR", 3, 0, "kpAddGraphCurve(GRACUR)"},
    {"GRADAT", 1, 0, "kpConvertGraphToDate(GRADAT)"},
    {"GRAERB", 3, 0, "kpAddErrorBars(GRAERB)"},
    {"GRAFI2", 3, 0, "kpFillBetweenDatasets(GRAFI2)"},
    {"GRAFIL", 3, 0, "kpFillBelowDataset(GRAFIL)"},
    {"GRAHIS", 3, 0, "GRAHIS"},
    {"GRALIN", 3, 0, "kpAddGraphLine(GRALIN)"},
    {"GRAMOV", 3, 0, "kpMoveToGraphPoint(GRAMOV)"},
    {"GRAPH", 1, 1, "kpPlotGraph(GRAPH)"},
    {"GRAPOL", 3, 0, "kpAddGraphPolyline(GRAPOL)"},
    {"GRAPOP", 3, 0, "kpAddPopulationGraph(GRAPOP)"},
    {"GRASCA", 1, 0, "kpSetGraphScaling(GRASCA)"},
    {"GRASPA", 3, 0, "kpTransformGraphPoint(GRASPA)"},
    {"GRASPL", 3, 0, "kpAddGraphSpline(GRASPL)"},
    {"GRASQU", 3, 0, "kpAddSquareWave(GRASQU)"},
    {"GRASYM", 3, 1, "kpAddGraphMarkers(GRASYM)"},
    {"GRAVAL", 3, 1, "kpAddGraphValues(GRAVAL)"},
    {"GRBENQ", 1, 0, "kpEnqPlotFrame(GRBENQ)"},
    {"GRDSYM", 1, 0, "kpSetGridMarker(GRDSYM)"},
    {"GRDSYQ", 1, 0, "kpEnqGridMarker(GRDSYQ)"},
    {"GRFBND", 1, 0, "kpSetPlotFrame(GRFBND)"},
    {"GRFMOD", 1, 0, "kpSetGraphCharMode(GRFMOD)"},
    {"GRFTTL", 1, 1, "kpDrawGraphTitle(GRFTTL)"},
    {"GRID", 1, 1, "kpAddGrid(GRID)"},
    {"HISCHA", 1, 1, "kpPlotHistogram(HISCHA)"},
    {"HISFIL", 3, 0, "kpFillHistogram(HISFIL)"},
    {"HISGRA", 3, 0, "GRAHIS"},
    {"HISVAL", 3, 1, "kpAddHistogramValues(HISVAL)"},
    {"LINFIT", 3, 0, "kpReturnLineCoeffs(LINFIT)"},
    {"PIAENQ", 1, 0, "kpEnqPieChartAnnotation(PIAENQ)"},
    {"PIEANG", 1, 0, "kpSetPieChartStartAngle(PIEANG)"},
    {"PIEANN", 1, 0, "kpSetPieChartAnnotation(PIEANN)"},
    {"PIEBOX", 1, 0, "kpSetPieChartBoxType(PIEBOX)"},
    {"PIEBSW", 1, 0, "kpSetPieChartBoundSwitch(PIEBSW)"},
    {"PIECHA", 1, 1, "kpPlotPieChart(PIECHA)"},
    {"PIEENQ", 1, 0, "kpEnqPieChartSettings(PIEENQ)"},
    {"PIEEXP", 1, 0, "kpSetPieChartExplosion(PIEEXP)"},
    {"PIEFIL", 1, 0, "PIEFIL"},
    {"PIEPAP", 1, 0, "kpSetPieChartFrame(PIEPAP)"},
    {"PIESET", 1, 0, "kpRestorePieChartSettings(PIESET)"},
    {"PIESTR", 1, 1, "PIESTR"},
    {"POLXY", 1, 1, "kpPlotXYPolarChart(POLXY)"},
    {"REFLIN", 3, 1, "kpAddReferenceLine(REFLIN)"},
    {"SEGCHA", 1, 1, "kpAddPieChartSegment(SEGCHA)"},
    {"SEGFIL", 1, 0, "SEGFIL"},
    {"SEGSTR", 1, 1, "SEGSTR"},
    {"SETPOL", 1, 0, "kpSetPolarChartAttribs(SETPOL)"},
    {"SPAGRA", 3, 0, "kpTransformSpacePoint(SPAGRA)"},
    {"STPCHA", 1, 1, "kpPlotStepChart(STPCHA)"},
    {"STPFIL", 3, 0, "kpFillStepChart(STPFIL)"},
    {"STPGRA", 3, 0, "kpAddStepChartOutline(STPGRA)"},
    {"STPVAL", 3, 1, "kpAddStepChartValues(STPVAL)"},
    {"TDFENQ", 1, 0, "kpEnqTextChartAttribs(TDFENQ)"},
    {"TEXDEF", 1, 0, "kpSetTextChartAttribs(TEXDEF)"},
    {"TEXFIL", 1, 1, "kpDisplayFillColumn(TEXFIL)"},
    {"TEXGEN", 1, 1, "kpDisplayGeneratedColumn(TEXGEN)"},
    {"TEXLIN", 1, 1, "kpDisplayLineColumn(TEXLIN)"},
    {"TEXPER", 1, 1, "kpDisplayPercentageColumn(TEXPER)"},
    {"TEXSTR", 1, 1, "kpDisplayStringColumn(TEXSTR)"},
    {"TEXSYM", 1, 1, "kpDisplayMarkerColumn(TEXSYM)"},
    {"TEXVAL", 1, 1, "kpDisplayValueColumn(TEXVAL)"},
    {"VALATT", 3, 0, "kpSetValueAttribs(VALATT)"},
    {"VALMIS", 1, 0, "kpDefineMissingValues(VALMIS)"},
    {"VALTXT", 1, 0, "kpSetValueTags(VALTXT)"},
    {"VATENQ", 3, 0, "kpEnqValueAttribs(VATENQ)"},
    {"VECBND", 1, 0, "kpSetVectorChartFrame(VECBND)"},
    {"VECBNQ", 1, 0, "kpEnqurireVectorChartFrame(VECBNQ)"},
    {"VECCLP", 1, 0, "kpSetVectorLimits(VECCLP)"},
    {"VECCLQ", 1, 0, "kpEnqVectorLimits(VECCLQ)"},
    {"VECGRA", 3, 1, "kpAddVectors(VECGRA)"},
    {"VECSCA", 1, 0, "kpSetVectorAttribs(VECSCA)"},
    {"VECSCQ", 1, 0, "kpEnqVectorAttribs(VECSCQ)"},
    {"VECSET", 1, 0, "kpRestoreVectorSettings(VECSET)"},
};

constexpr int routineCount = sizeof routineTable / sizeof routineTable[0];

}  // namespace

namespace plotlib {

const GraphRoutineEntry* graphRoutineTable(int& count)
{
    count = routineCount;
    return routineTable;
}

const GraphRoutineEntry* graphFindRoutine(const char* legacy)
{
    if (legacy == nullptr) return nullptr;
    int low = 0, high = routineCount - 1;
    while (low <= high) {
        int middle = (low + high) / 2;
        int order = std::strcmp(legacy, routineTable[middle].legacy);
        if (order == 0) return &routineTable[middle];
        if (order < 0) high = middle - 1;
        else low = middle + 1;
    }
    return nullptr;
}

}  // namespace plotlib
