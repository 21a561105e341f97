// Long forms of the data-set, graph-setting and value-tag routines against their legacy
// routines called with the converted values: same kernel calls, same reports, same settings.
#include <climits>
#include <cstring>
#include <vector>

#include "longform/longform_fixture.h"

namespace {

// Four points as records and as the parallel arrays the legacy routines take.
const PointRecord P[4] = {{1.0f, 2.0f}, {3.0f, 5.5f}, {6.0f, 4.0f}, {8.5f, 9.0f}};
const float X[4] = {1.0f, 3.0f, 6.0f, 8.5f};
const float Y[4] = {2.0f, 5.5f, 4.0f, 9.0f};

void axesAndPen()
{
    placeAxes();
    GRAMOV(2.0f, 2.0f);
}

}  // namespace

TEST_F(LongFormTest, DataSetLongFormsDrawWhatTheirLegacyRoutinesDraw)
{
    const SameAsLegacyCase cases[] = {
        // Graph type from the scaling pair, signed curve kind, axes switch.
        LONG_FORM_CASE(kpPlotGraph, "GRAPH", noSetUp,
                       (4, P, kpAxisScaling1, kpAxisScaling1, kpCurveKind1, kpGraphAxesOff),
                       GRAPH(X, Y, 4, 0, 1, 0)),
        LONG_FORM_CASE(kpPlotGraph, "GRAPH", noSetUp,
                       (4, P, kpAxisScaling4, kpAxisScaling1, -kpCurveKind2, kpGraphAxesOn),
                       GRAPH(X, Y, 4, 1, -2, 1)),
        LONG_FORM_CASE(kpPlotGraph, "GRAPH", noSetUp,
                       (4, P, kpAxisScaling1, kpAxisScaling4, kpCurveKind3, 7),
                       GRAPH(X, Y, 4, 2, 3, 7)),
        LONG_FORM_CASE(kpPlotGraph, "GRAPH", noSetUp,
                       (4, P, kpAxisScaling4, kpAxisScaling4, -kpCurveKind0, 0),
                       GRAPH(X, Y, 4, -1, 0, 0)),
        LONG_FORM_CASE(kpPlotGraph, "GRAPH", noSetUp,
                       (4, P, kpAxisScaling1, kpAxisScaling1, -kpCurveKind1, 0),
                       GRAPH(X, Y, 4, 0, -1, 0)),
        LONG_FORM_CASE(kpPlotGraph, "GRAPH", noSetUp,
                       (4, P, kpAxisScaling1, kpAxisScaling1, kpCurveKind4, 0),
                       GRAPH(X, Y, 4, 0, 4, 0)),
        // A curve kind whose magnitude is no code passes as given, sign included.
        LONG_FORM_CASE(kpPlotGraph, "GRAPH", noSetUp, (4, P, kpAxisScaling1, kpAxisScaling1, -7, 0),
                       GRAPH(X, Y, 4, 0, -7, 0)),
        LONG_FORM_CASE(kpPlotGraph, "GRAPH", noSetUp,
                       (4, P, kpAxisScaling1, kpAxisScaling1, INT_MIN, 0),
                       GRAPH(X, Y, 4, 0, INT_MIN, 0)),
        LONG_FORM_CASE(kpAddGraphPolyline, "GRAPOL", placeAxes, (4, P), GRAPOL(X, Y, 4)),
        LONG_FORM_CASE(kpAddGraphCurve, "GRACUR", placeAxes, (4, P), GRACUR(X, Y, 4)),
        LONG_FORM_CASE(kpAddGraphSpline, "GRASPL", placeAxes, (4, P), GRASPL(X, Y, 4)),
        LONG_FORM_CASE(kpAddAkimaCurve, "GRAAKI", placeAxes, (4, P), GRAAKI(X, Y, 4)),
        LONG_FORM_CASE(kpAddSquareWave, "GRASQU", placeAxes, (4, P, 0, 1), GRASQU(X, Y, 4, -1, 1)),
        LONG_FORM_CASE(kpAddSquareWave, "GRASQU", placeAxes, (4, P, kpSquareWave1, 2),
                       GRASQU(X, Y, 4, 1, 2)),
        LONG_FORM_CASE(kpAddSquareWave, "GRASQU", placeAxes, (4, P, kpSquareWave0, 1),
                       GRASQU(X, Y, 4, 0, 1)),
        LONG_FORM_CASE(kpAddSquareWave, "GRASQU", placeAxes, (4, P, 5, 1), GRASQU(X, Y, 4, 5, 1)),
        LONG_FORM_CASE(kpAddGraphMarkers, "GRASYM", placeAxes, (4, P, 3, 1), GRASYM(X, Y, 4, 3, 1)),
        LONG_FORM_CASE(kpAddGraphValues, "GRAVAL", placeAxes, (4, P, 2), GRAVAL(X, Y, 4, 2)),
        LONG_FORM_CASE(kpAddPopulationGraph, "GRAPOP", placeAxes, (2.0f, 5.0f, 4, P, 3.0f),
                       GRAPOP(2.0f, 5.0f, X, Y, 4, 3.0f)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

TEST_F(LongFormTest, GraphSettingLongFormsActAsTheirLegacyRoutines)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpSetGraphCharMode, "GRFMOD", noSetUp, (kpOff), GRFMOD(0)),
        LONG_FORM_CASE(kpSetGraphCharMode, "GRFMOD", noSetUp, (2), GRFMOD(1)),
        LONG_FORM_CASE(kpSetGraphCharMode, "GRFMOD", noSetUp, (1), GRFMOD(1)),
        LONG_FORM_CASE(kpSetGraphCharMode, "GRFMOD", noSetUp, (9), GRFMOD(9)),
        LONG_FORM_CASE(kpSetGraphScaling, "GRASCA", noSetUp, (0), GRASCA(0)),
        LONG_FORM_CASE(kpSetGraphScaling, "GRASCA", noSetUp, (kpScalingMode4), GRASCA(4)),
        LONG_FORM_CASE(kpSetGraphScaling, "GRASCA", noSetUp, (kpScalingMode3), GRASCA(3)),
        LONG_FORM_CASE(kpSetGraphScaling, "GRASCA", noSetUp, (kpScalingMode2), GRASCA(2)),
        LONG_FORM_CASE(kpSetGraphScaling, "GRASCA", noSetUp, (kpScalingMode1), GRASCA(1)),
        LONG_FORM_CASE(kpSetGraphScaling, "GRASCA", noSetUp, (32512), GRASCA(32512)),
        LONG_FORM_CASE(kpSetPlotFrame, "GRFBND", noSetUp,
                       (FrameRecord{100.0f, 900.0f, 50.0f, 700.0f}),
                       GRFBND(100.0f, 900.0f, 50.0f, 700.0f)),
        LONG_FORM_CASE(kpDrawGraphTitle, "GRFTTL", placeAxes, ("Spectrum", 8, -1, -1),
                       GRFTTL("Spectrum", 8, -1, 1)),
        LONG_FORM_CASE(kpDrawGraphTitle, "GRFTTL", placeAxes, ("Spectrum", 8, 1, 1),
                       GRFTTL("Spectrum", 8, 1, -1)),
        LONG_FORM_CASE(kpDrawGraphTitle, "GRFTTL", placeAxes, ("Spectrum", 5, 0, 0),
                       GRFTTL("Spectrum", 5, 0, 0)),
        LONG_FORM_CASE(kpDrawGraphTitle, "GRFTTL", placeAxes, ("Spectrum", 8, 0, 4),
                       GRFTTL("Spectrum", 8, 0, 4)),
        LONG_FORM_CASE(kpAddGrid, "GRID", placeAxes,
                       (kpMode1, kpGridKind3, kpOption1, kpOptionMinus1), GRID(3, 1, -1)),
        LONG_FORM_CASE(kpAddGrid, "GRID", placeAxes, (kpMode2, kpGridKind4, 0, 0), GRID(-4, 0, 0)),
        LONG_FORM_CASE(kpAddGrid, "GRID", placeAxes, (kpMode2, kpGridKind1, kpOption1, 1),
                       GRID(-1, 1, 1)),
        LONG_FORM_CASE(kpAddGrid, "GRID", placeAxes, (kpMode1, kpGridKind2, 0, 0), GRID(2, 0, 0)),
        LONG_FORM_CASE(kpAddGrid, "GRID", placeAxes, (0, kpGridKind3, 0, 0), GRID(0, 0, 0)),
        LONG_FORM_CASE(kpSetGridMarker, "GRDSYM", noSetUp, (5), GRDSYM(5)),
        LONG_FORM_CASE(kpSetCurveStartConds, "CURBEG", noSetUp, (1, 0.5f, 1.0f, 0.0f, 0.0f),
                       CURBEG(1, 0.5f, 1.0f, 0.0f, 0.0f)),
        LONG_FORM_CASE(kpSetCurveEndContitions, "CURFIN", noSetUp, (-1, 0.0f, 0.0f, 9.0f, 3.0f),
                       CURFIN(-1, 0.0f, 0.0f, 9.0f, 3.0f)),
        LONG_FORM_CASE(kpAddGraphLine, "GRALIN", axesAndPen, (7.0f, 3.0f), GRALIN(7.0f, 3.0f)),
        LONG_FORM_CASE(kpMoveToGraphPoint, "GRAMOV", placeAxes, (7.0f, 3.0f), GRAMOV(7.0f, 3.0f)),
        LONG_FORM_CASE(kpAddReferenceLine, "REFLIN", placeAxes,
                       ("Mean", 4, 5.0f, kpRefLineType1, 77, 1, 1),
                       REFLIN("Mean", 4, 5.0f, 1, 0, 1)),
        LONG_FORM_CASE(kpAddReferenceLine, "REFLIN", placeAxes, ("Mean", 4, 5.0f, -1, 1, 2, 2),
                       REFLIN("Mean", 4, 5.0f, 2, 1, 2)),
        LONG_FORM_CASE(kpAddReferenceLine, "REFLIN", placeAxes, ("Mean", 4, 5.0f, 0, 1, 1, 1),
                       REFLIN("Mean", 4, 5.0f, 3, 0, 1)),
        LONG_FORM_CASE(kpAddReferenceLine, "REFLIN", placeAxes, ("Mean", 4, 5.0f, 1, 1, 1, 2),
                       REFLIN("Mean", 4, 5.0f, 4, 0, 2)),
        LONG_FORM_CASE(kpAddReferenceLine, "REFLIN", placeAxes,
                       ("Mean", 4, 5.0f, kpRefLineType5, -9, 1, 1),
                       REFLIN("Mean", 4, 5.0f, 5, 0, 1)),
        LONG_FORM_CASE(kpAddReferenceLine, "REFLIN", placeAxes, ("Mean", 4, 5.0f, 1, 0, 1, 1),
                       REFLIN("Mean", 4, 5.0f, 6, 0, 1)),
        LONG_FORM_CASE(kpAddReferenceLine, "REFLIN", placeAxes, ("Mean", 4, 5.0f, 0, 0, 3, 1),
                       REFLIN("Mean", 4, 5.0f, 7, 3, 1)),
        LONG_FORM_CASE(kpAddReferenceLine, "REFLIN", placeAxes, ("Mean", 4, 5.0f, -1, 0, 1, 1),
                       REFLIN("Mean", 4, 5.0f, 8, 0, 1)),
        LONG_FORM_CASE(kpDrawArrow, "ARROW", axesAndPen, (5.0f, 6.0f, -1, kpArrowCode1),
                       ARROW(5.0f, 6.0f, 1, 1)),
        LONG_FORM_CASE(kpDrawArrow, "ARROW", axesAndPen, (500.0f, 400.0f, 0, 0),
                       ARROW(500.0f, 400.0f, 2, 0)),
        LONG_FORM_CASE(kpDrawArrow, "ARROW", axesAndPen, (5.0f, 6.0f, kpArrowHead0, kpArrowCode1),
                       ARROW(5.0f, 6.0f, 0, 1)),
        LONG_FORM_CASE(kpDrawArrow, "ARROW", axesAndPen, (5.0f, 6.0f, kpArrowHead1, kpArrowCode1),
                       ARROW(5.0f, 6.0f, 1, 1)),
        LONG_FORM_CASE(kpDrawArrow, "ARROW", axesAndPen, (5.0f, 6.0f, 4, 3),
                       ARROW(5.0f, 6.0f, 4, 3)),
        LONG_FORM_CASE(kpDefineMissingValues, "VALMIS", noSetUp, (6, 2.0f, 3.0f, 2),
                       VALMIS(6, 2.0f, 3.0f, 2)),
        LONG_FORM_CASE(kpSetValueAttribs, "VALATT", noSetUp,
                       (kpValueTagAt3, kpValueTagSecondMinus2, 1.5f, 2.0f, 3.0f, 45.0f, -1, 1),
                       VALATT(3, -2, 1.5f, 2.0f, 3.0f, 45.0f, 1, 1)),
        LONG_FORM_CASE(kpSetValueAttribs, "VALATT", noSetUp,
                       (kpValueTagFirstMinus2, kpValueTagSecond2, 0.0f, 1.0f, 1.0f, 0.0f, 1, 0),
                       VALATT(-2, 2, 0.0f, 1.0f, 1.0f, 0.0f, -1, 0)),
        LONG_FORM_CASE(kpSetValueAttribs, "VALATT", noSetUp,
                       (kpValueTagFirst2, kpValueTagAt3, 0.0f, 1.0f, 1.0f, 0.0f, 0, -1),
                       VALATT(2, 3, 0.0f, 1.0f, 1.0f, 0.0f, 0, -1)),
        LONG_FORM_CASE(kpSetValueAttribs, "VALATT", noSetUp, (-1, 1, 0.0f, 1.0f, 1.0f, 0.0f, 8, 8),
                       VALATT(-1, 1, 0.0f, 1.0f, 1.0f, 0.0f, 8, 8)),
        LONG_FORM_CASE(kpSetValueTags, "VALTXT", noSetUp, ("$ ", 2, " kg", 3),
                       VALTXT("$ ", 2, " kg", 3)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

// A long form's errors are its legacy routine's, under the name of both.
TEST_F(LongFormTest, ValueOutsideTheCodesReachesTheLegacyCheck)
{
    const int noCode = 32512;
    kpSetGraphScaling(noCode);
    ASSERT_EQ(1u, tarv::errorLog().size());
    EXPECT_LT(tarv::errorLog()[0].number, 0);
    EXPECT_EQ("kpSetGraphScaling(GRASCA)", tarv::errorLog()[0].routine);
}
