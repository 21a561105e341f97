// routine_table.cpp - name texts and draw flags of every legacy routine, in the order of
// SurfaceRoutineId.  Routines without a long form register their bare legacy name padded to
// six characters; SURF does so although krOpenSurf calls it.
#include "frame/routine_table.h"

using namespace surflib;

namespace {

constexpr SurfaceRoutineEntry kRoutines[] = {
    {"SURF", "SURF  ", 0},
    {"SUREND", "krCloseSurf(SUREND)", 0},
    {"ADDCON", "krAddGriddedContour(ADDCON)", 1},
    {"DRACON", "krDrawGriddedContourMap(DRACON)", 1},
    {"FILCON", "krFillGriddedContourMap(FILCON)", 1},
    {"ADDFIL", "krAddGriddedContourFill(ADDFIL)", 1},
    {"RANGRD", "krGenerateRandomGrid(RANGRD)", 0},
    {"FUNGRD", "krGenerateFunctionGrid(FUNGRD)", 0},
    {"CIRPTS", "krSetInterpolationPatch(CIRPTS)", 0},
    {"CONANN", "krSetContourAnnotation(CONANN)", 0},
    {"LEVELS", "krSetContourLimits(LEVELS)", 0},
    {"CONDEF", "krSetContourLevels(CONDEF)", 0},
    {"RANINT", "krSetRandomInterpolation(RANINT)", 0},
    {"RANPTS", "krSetRandomPointMarker(RANPTS)", 0},
    {"CONBND", "krSetContourMapFrame(CONBND)", 0},
    {"CONLIN", "krSetContourMapLineStyles(CONLIN)", 0},
    {"CONFRA", "krSetContourMapFrameType(CONFRA)", 0},
    {"CONSWI", "krSetContourDrawingSwitch(CONSWI)", 0},
    {"CONSCA", "krSetContourMapFrameScale(CONSCA)", 0},
    {"TITSTR", "krSetSurfPlotTitle(TITSTR)", 0},
    {"SURMOD", "krSetSurfCharMode(SURMOD)", 0},
    {"LINCON", "krAddContourPolyline(LINCON)", 1},
    {"CONGRD", "krAddContourMapGrid(CONGRD)", 1},
    {"CONSPA", "krTransformMapCoord(CONSPA)", 0},
    {"SPACON", "krTransformToMapCoord(SPACON)", 0},
    // Draws nothing: a query, so the caller's kernel state is not touched.
    {"CONHGT", "krReturnContourSpotHeight(CONHGT)", 0},
    {"CRSSEC", "krDrawGriddedCrossSection(CRSSEC)", 1},
    {"CONPTS", "krReturnContourDataset(CONPTS)", 1},
    {"CRSFRA", "krSetCrossSectionFrameType(CRSFRA)", 0},
    {"CRSBND", "krSetCrossSectionFrame(CRSBND)", 0},
    {"ANNSTR", "krSetSurfaceAxesTitle(ANNSTR)", 0},
    {"RANCON", "RANCON", 1},
    {"FUNCON", "FUNCON", 1},
    {"GRDCON", "GRDCON", 1},

    {"ADTCON", "krAddTriangulatedContour(ADTCON)", 1},
    {"TRISET", "krSetNetworkFrame(TRISET)", 0},
    {"DRATRI", "krDrawTriangulatedContourMap(DRATRI)", 1},
    {"FILTRI", "krFillTriangulatedContourMap(FILTRI)", 1},
    {"ADTFIL", "krAddTriangulatedContourFill(ADTFIL)", 1},
    {"RANTRI", "krGenerateRandomNetwork(RANTRI)", 0},
    {"TRIDER", "krGenerateDerivsNetwork(TRIDER)", 0},
    {"TRIADD", "krAddNetworkPoint(TRIADD)", 0},
    {"TRIREG", "krAddNetworkRegion(TRIREG)", 0},
    {"TRIHGT", "krReturnNetworkSpotHeight(TRIHGT)", 0},
    {"TRIBOU", "krReturnNetworkBound(TRIBOU)", 1},
    {"TRINET", "krDrawNetwork(TRINET)", 1},
    {"TRIGRD", "krGenerateNetworkGrid(TRIGRD)", 0},
    {"TRIINT", "krSetNetworkInterpolation(TRIINT)", 0},
    {"TRISTP", "krSetNetworkContourStep(TRISTP)", 0},

    {"PRJBAS", "krSetSurfaceBaseStyle(PRJBAS)", 0},
    {"HEIRAT", "krSetHeightRatio(HEIRAT)", 0},
    {"XYRAT", "krSetSurfaceAxesRatio(XYRAT)", 0},
    {"LINPRJ", "krAddSurfacePolyline(LINPRJ)", 1},
    {"PRJBND", "krSetSurfaceFrame(PRJBND)", 0},
    {"PRJFRA", "krSetSurfaceBaseType(PRJFRA)", 0},
    {"PRJGRD", "krSetSurfaceGridInterval(PRJGRD)", 0},
    {"PRJHGT", "krReturnSurfaceSpotHeight(PRJHGT)", 0},
    {"PRJHID", "krSetSurfaceHiddenLineSwitch(PRJHID)", 0},
    {"PRJLIN", "krSetSurfaceLineStyles(PRJLIN)", 0},
    {"PRJSCA", "krSetSurfaceAxesIntervals(PRJSCA)", 0},
    {"PRJSEC", "krSetSurfaceGridMode(PRJSEC)", 0},
    {"PRJLEV", "krSetSurfaceLevelLimits(PRJLEV)", 0},
    {"PERSPA", "krTransformSurfaceCoord(PERSPA)", 0},
    {"ANNDIG", "krSetSurfaceAxesAnnotation(ANNDIG)", 0},
    {"PERPRO", "krReturnSurfaceProfile(PERPRO)", 1},
    {"PERPRJ", "krDrawWireFrameSurface(PERPRJ)", 1},
    {"PERLI3", "krDrawLineStyleSurface(PERLI3)", 1},
    {"PERFIL", "krFillSurface(PERFIL)", 1},
    {"CONPER", "krSetContourMapHeight(CONPER)", 0},
    {"COPPRJ", "krFillProjectedPolygon(COPPRJ)", 1},
    {"PERSET", "krSetPerspProjection(PERSET)", 0},
    {"PERAXE", "krDrawSurfaceAxes(PERAXE)", 1},
    {"PRJAXI", "krSetSurfaceAxesStyle(PRJAXI)", 0},
    {"RANISO", "RANISO", 1},
    {"RANPER", "RANPER", 1},
    {"FUNISO", "FUNISO", 1},
    {"FUNPER", "FUNPER", 1},
    {"GRDISO", "GRDISO", 1},
    {"ISOPRJ", "ISOPRJ", 1},
    {"ISOFIL", "ISOFIL", 1},
    {"GRDPER", "GRDPER", 1},
    {"PRJZAX", "PRJZAX", 0},
};

static_assert(sizeof kRoutines / sizeof kRoutines[0] == kSurfaceRoutineCount,
              "one row per legacy routine, in the order of SurfaceRoutineId");

}  // namespace

namespace surflib {

const SurfaceRoutineEntry& surfaceRoutineEntry(SurfaceRoutineId id)
{
    return kRoutines[static_cast<int>(id)];
}

}  // namespace surflib
