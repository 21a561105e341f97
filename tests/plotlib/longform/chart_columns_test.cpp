// Long forms of the area, bar, histogram and step charts against their legacy routines
// called with the converted values and the parallel arrays: same kernel calls, same reports,
// same settings afterwards.
#include <functional>
#include <string>
#include <vector>

#include "longform/longform_fixture.h"

namespace {

// Three areas as records and as ARECHA's four arrays.
const AreaRecord A[3] = {
    {1.0f, 3.0f, 1.0f, 4.0f}, {3.0f, 6.0f, 2.0f, 5.0f}, {6.0f, 9.0f, 0.5f, 7.0f}};
const float A1[3] = {1.0f, 3.0f, 6.0f}, A2[3] = {3.0f, 6.0f, 9.0f};
const float A3[3] = {1.0f, 2.0f, 0.5f}, A4[3] = {4.0f, 5.0f, 7.0f};

// Four bars.
const BarRecord B[4] = {{0.5f, 3.0f}, {1.0f, 5.0f}, {2.0f, 4.5f}, {0.5f, 8.0f}};
const float BS[4] = {0.5f, 1.0f, 2.0f, 0.5f}, BE[4] = {3.0f, 5.0f, 4.5f, 8.0f};

// Histogram values.
const float H[4] = {3.0f, 5.0f, 2.5f, 8.0f};

// Three steps, the first two touching.
const StepRecord S[3] = {{0.5f, 1.0f, 2.0f}, {1.0f, 2.0f, 3.0f}, {3.0f, 4.0f, 1.5f}};
const float SS[3] = {0.5f, 1.0f, 3.0f}, SE[3] = {1.0f, 2.0f, 4.0f}, SV[3] = {2.0f, 3.0f, 1.5f};

// Fill styles (one skipped item, one outline only) and pens (one negative).
const int styles[4] = {1, -2, -1, 3};
const int pens[4] = {1, 2, 3, -4};

// The x axis made of four category cells.
void categories()
{
    placeAxes();
    const int category = 5, cells = 4, x = 1;
    AXISCA(category, cells, 1.0f, 4.0f, x);
}

}  // namespace

TEST_F(LongFormTest, AreaChartLongFormsDrawWhatTheirLegacyRoutinesDraw)
{
    const SameAsLegacyCase cases[] = {
        // The scaling pair gives the chart type; the first unmatched pair gives 0.
        LONG_FORM_CASE(kpPlotAreaChart, "ARECHA", noSetUp, (3, A, kpAxisScaling1, kpAxisScaling1),
                       ARECHA(A1, A2, A3, A4, 3, 0)),
        LONG_FORM_CASE(kpPlotAreaChart, "ARECHA", noSetUp, (3, A, kpAxisScaling4, kpAxisScaling1),
                       ARECHA(A1, A2, A3, A4, 3, 1)),
        LONG_FORM_CASE(kpPlotAreaChart, "ARECHA", noSetUp, (3, A, kpAxisScaling4, kpAxisScaling4),
                       ARECHA(A1, A2, A3, A4, 3, -1)),
        LONG_FORM_CASE(kpPlotAreaChart, "ARECHA", noSetUp, (3, A, kpAxisScaling1, kpAxisScaling4),
                       ARECHA(A1, A2, A3, A4, 3, 2)),
        LONG_FORM_CASE(kpPlotAreaChart, "ARECHA", noSetUp, (3, A, 1, 2),
                       ARECHA(A1, A2, A3, A4, 3, 0)),
        LONG_FORM_CASE(kpFillAreaChart, "AREFIL", placeAxes, (3, A, 1, styles, pens),
                       AREFIL(A1, A2, A3, A4, 3, 1, styles, pens)),
        LONG_FORM_CASE(kpFillAreaChart, "AREFIL", placeAxes, (3, A, 2, styles, pens),
                       AREFIL(A1, A2, A3, A4, 3, 2, styles, pens)),
        LONG_FORM_CASE(kpAddAreaChartOutline, "AREGRA", placeAxes, (3, A, 1),
                       AREGRA(A1, A2, A3, A4, 3, 1)),
        LONG_FORM_CASE(kpAddAreaChartOutline, "AREGRA", placeAxes, (3, A, 2),
                       AREGRA(A1, A2, A3, A4, 3, 2)),
        // Placements: 0 is the size; 32585 is no code here and passes (AREVAL's check).
        LONG_FORM_CASE(kpAddAreaChartValues, "AREVAL", placeAxes, (3, A, 0, 1),
                       AREVAL(A1, A2, A3, A4, 3, 7, 1)),
        LONG_FORM_CASE(kpAddAreaChartValues, "AREVAL", placeAxes, (3, A, kpValuePlacement6, 1),
                       AREVAL(A1, A2, A3, A4, 3, 6, 1)),
        LONG_FORM_CASE(kpAddAreaChartValues, "AREVAL", placeAxes, (3, A, kpValuePlacement5, 2),
                       AREVAL(A1, A2, A3, A4, 3, 5, 2)),
        LONG_FORM_CASE(kpAddAreaChartValues, "AREVAL", placeAxes, (3, A, kpValuePlacement4, 1),
                       AREVAL(A1, A2, A3, A4, 3, 4, 1)),
        LONG_FORM_CASE(kpAddAreaChartValues, "AREVAL", placeAxes, (3, A, kpValuePlacement3, 1),
                       AREVAL(A1, A2, A3, A4, 3, 3, 1)),
        LONG_FORM_CASE(kpAddAreaChartValues, "AREVAL", placeAxes, (3, A, kpValuePlacement2, 1),
                       AREVAL(A1, A2, A3, A4, 3, 2, 1)),
        LONG_FORM_CASE(kpAddAreaChartValues, "AREVAL", placeAxes, (3, A, kpValuePlacement1, 2),
                       AREVAL(A1, A2, A3, A4, 3, 1, 2)),
        LONG_FORM_CASE(kpAddAreaChartValues, "AREVAL", placeAxes, (3, A, kpValuePlacement7, 1),
                       AREVAL(A1, A2, A3, A4, 3, kpValuePlacement7, 1)),
        LONG_FORM_CASE(kpAddAreaChartValues, "AREVAL", placeAxes, (3, A, 5, 1),
                       AREVAL(A1, A2, A3, A4, 3, 5, 1)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

TEST_F(LongFormTest, BarAndHistogramLongFormsDrawWhatTheirLegacyRoutinesDraw)
{
    const SameAsLegacyCase cases[] = {
        // (category, linear), (category, log), (linear, category), (log, category).
        LONG_FORM_CASE(kpPlotBarChart, "BARCHA", noSetUp,
                       (4, B, 0.5f, kpAxisScaling5, kpAxisScaling1, 1.0f, 4.0f),
                       BARCHA(BS, BE, 4, 1, 0.5f, 1.0f, 4.0f)),
        LONG_FORM_CASE(kpPlotBarChart, "BARCHA", noSetUp,
                       (4, B, 0.5f, kpAxisScaling5, kpAxisScaling4, 1.0f, 4.0f),
                       BARCHA(BS, BE, 4, -1, 0.5f, 1.0f, 4.0f)),
        LONG_FORM_CASE(kpPlotBarChart, "BARCHA", noSetUp,
                       (4, B, 0.8f, kpAxisScaling1, kpAxisScaling5, 1.0f, 4.0f),
                       BARCHA(BS, BE, 4, 2, 0.8f, 1.0f, 4.0f)),
        LONG_FORM_CASE(kpPlotBarChart, "BARCHA", noSetUp,
                       (4, B, 0.8f, kpAxisScaling4, kpAxisScaling5, 2.0f, 2.0f),
                       BARCHA(BS, BE, 4, -2, 0.8f, 2.0f, 2.0f)),
        // The graph pair (linear, linear) is no bar case: the remembered 0 passes.
        LONG_FORM_CASE(kpPlotBarChart, "BARCHA", noSetUp,
                       (4, B, 0.5f, kpAxisScaling1, kpAxisScaling1, 1.0f, 4.0f),
                       BARCHA(BS, BE, 4, 0, 0.5f, 1.0f, 4.0f)),
        LONG_FORM_CASE(kpFillBarChart, "BARFIL", categories, (4, B, 0.5f, styles, pens),
                       BARFIL(BS, BE, 4, 0.5f, styles, pens)),
        LONG_FORM_CASE(kpAddBarChartValues, "BARVAL", categories, (4, B, 0.5f, kpValuePlacement5),
                       BARVAL(BS, BE, 4, 0.5f, 3)),
        LONG_FORM_CASE(kpAddBarChartValues, "BARVAL", categories, (4, B, 0.5f, kpValuePlacement2),
                       BARVAL(BS, BE, 4, 0.5f, 2)),
        LONG_FORM_CASE(kpAddBarChartValues, "BARVAL", categories, (4, B, 0.5f, kpValuePlacement1),
                       BARVAL(BS, BE, 4, 0.5f, 1)),
        LONG_FORM_CASE(kpAddBarChartValues, "BARVAL", categories, (4, B, 0.5f, kpValuePlacement4),
                       BARVAL(BS, BE, 4, 0.5f, kpValuePlacement4)),
        LONG_FORM_CASE(kpAddBarChartValues, "BARVAL", categories, (4, B, 0.5f, 2),
                       BARVAL(BS, BE, 4, 0.5f, 2)),
        // Histograms: the value scaling code, the caller's values passed as they are.
        LONG_FORM_CASE(kpPlotHistogram, "HISCHA", noSetUp, (4, H, 0.5f, kpAxisScaling4, 1.0f, 4.0f),
                       HISCHA(H, 4, 1, 0.5f, 1.0f, 4.0f)),
        LONG_FORM_CASE(kpPlotHistogram, "HISCHA", noSetUp, (4, H, 0.5f, kpAxisScaling1, 1.0f, 4.0f),
                       HISCHA(H, 4, 0, 0.5f, 1.0f, 4.0f)),
        LONG_FORM_CASE(kpPlotHistogram, "HISCHA", noSetUp, (4, H, 0.7f, 1, 0.0f, 0.0f),
                       HISCHA(H, 4, 1, 0.7f, 0.0f, 0.0f)),
        LONG_FORM_CASE(kpPlotHistogram, "HISCHA", noSetUp, (4, H, 0.7f, kpAxisScaling2, 0.0f, 0.0f),
                       HISCHA(H, 4, kpAxisScaling2, 0.7f, 0.0f, 0.0f)),
        LONG_FORM_CASE(kpFillHistogram, "HISFIL", categories, (4, H, 0.5f, styles, pens),
                       HISFIL(H, 4, 0.5f, styles, pens)),
        LONG_FORM_CASE(kpAddHistogramValues, "HISVAL", categories, (4, H, 0.5f),
                       HISVAL(H, 4, 0.5f)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

// The outline long forms call the second entries BARGRA and HISGRA, which register the bare
// names of their first entries.
TEST_F(LongFormTest, OutlineLongFormsCallTheSecondEntries)
{
    const struct {
        std::function<void()> viaLong, viaLegacy;
        const char* registered;
    } cases[] = {
        {[] { kpAddBarChartOutline(4, B, 0.5f); }, [] { BARGRA(BS, BE, 4, 0.5f); }, "GRABAR"},
        {[] { kpAddBarChartOutline(4, B, 1.5f); }, [] { BARGRA(BS, BE, 4, 1.5f); }, "GRABAR"},
        {[] { kpAddHistogramOutline(4, H, 0.5f); }, [] { HISGRA(H, 4, 0.5f); }, "GRAHIS"},
        {[] { kpAddHistogramOutline(0, H, 0.5f); }, [] { HISGRA(H, 0, 0.5f); }, "GRAHIS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.registered);
        const Run viaLong = run(categories, c.viaLong);
        const Run viaLegacy = run(categories, c.viaLegacy);
        EXPECT_EQ(viaLong.log, viaLegacy.log);
        EXPECT_EQ(viaLong.errors, viaLegacy.errors);
        EXPECT_TRUE(viaLong.state == viaLegacy.state);
        ASSERT_FALSE(viaLong.log.empty());
        EXPECT_EQ("kernelSetRoutineName 2 \"" + std::string(c.registered) + "\"",
                  viaLong.log.front());
    }
}

TEST_F(LongFormTest, StepChartLongFormsDrawWhatTheirLegacyRoutinesDraw)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpPlotStepChart, "STPCHA", noSetUp,
                       (3, S, 0.0f, kpAxisScaling1, kpAxisScaling1, kpStepCode3),
                       STPCHA(SS, SE, SV, 3, 0, 0.0f, 3)),
        LONG_FORM_CASE(kpPlotStepChart, "STPCHA", noSetUp,
                       (3, S, 0.5f, kpAxisScaling4, kpAxisScaling1, kpStepCode2),
                       STPCHA(SS, SE, SV, 3, 1, 0.5f, 2)),
        LONG_FORM_CASE(kpPlotStepChart, "STPCHA", noSetUp,
                       (3, S, 0.5f, kpAxisScaling4, kpAxisScaling4, kpStepCode1),
                       STPCHA(SS, SE, SV, 3, -1, 0.5f, 1)),
        LONG_FORM_CASE(kpPlotStepChart, "STPCHA", noSetUp,
                       (3, S, 1.0f, kpAxisScaling1, kpAxisScaling4, kpStepCode0),
                       STPCHA(SS, SE, SV, 3, 2, 1.0f, 0)),
        LONG_FORM_CASE(kpPlotStepChart, "STPCHA", noSetUp,
                       (3, S, 0.0f, kpAxisScaling5, kpAxisScaling1, 2),
                       STPCHA(SS, SE, SV, 3, 0, 0.0f, 2)),
        LONG_FORM_CASE(kpFillStepChart, "STPFIL", placeAxes, (3, S, 0.0f, 1, styles, pens),
                       STPFIL(SS, SE, SV, 3, 0.0f, 1, styles, pens)),
        LONG_FORM_CASE(kpFillStepChart, "STPFIL", placeAxes, (3, S, 1.0f, 2, styles, pens),
                       STPFIL(SS, SE, SV, 3, 1.0f, 2, styles, pens)),
        LONG_FORM_CASE(kpAddStepChartOutline, "STPGRA", placeAxes, (3, S, 0.0f, kpStepCode3, 1),
                       STPGRA(SS, SE, SV, 3, 0.0f, 3, 1)),
        LONG_FORM_CASE(kpAddStepChartOutline, "STPGRA", placeAxes, (3, S, 0.0f, kpStepCode2, 2),
                       STPGRA(SS, SE, SV, 3, 0.0f, 2, 2)),
        LONG_FORM_CASE(kpAddStepChartOutline, "STPGRA", placeAxes, (3, S, 0.0f, kpStepCode1, 1),
                       STPGRA(SS, SE, SV, 3, 0.0f, 1, 1)),
        LONG_FORM_CASE(kpAddStepChartOutline, "STPGRA", placeAxes, (3, S, 0.0f, kpStepCode0, 1),
                       STPGRA(SS, SE, SV, 3, 0.0f, 0, 1)),
        LONG_FORM_CASE(kpAddStepChartOutline, "STPGRA", placeAxes, (3, S, 0.0f, 3, 1),
                       STPGRA(SS, SE, SV, 3, 0.0f, 3, 1)),
        // Placements: 32588 and 32589 are no codes here and reach STPVAL's own check.
        LONG_FORM_CASE(kpAddStepChartValues, "STPVAL", placeAxes,
                       (3, S, 0.0f, kpValuePlacement7, 1), STPVAL(SS, SE, SV, 3, 0.0f, 5, 1)),
        LONG_FORM_CASE(kpAddStepChartValues, "STPVAL", placeAxes,
                       (3, S, 0.0f, kpValuePlacement6, 1), STPVAL(SS, SE, SV, 3, 0.0f, 3, 1)),
        LONG_FORM_CASE(kpAddStepChartValues, "STPVAL", placeAxes,
                       (3, S, 0.0f, kpValuePlacement5, 2), STPVAL(SS, SE, SV, 3, 0.0f, 4, 2)),
        LONG_FORM_CASE(kpAddStepChartValues, "STPVAL", placeAxes,
                       (3, S, 0.0f, kpValuePlacement2, 1), STPVAL(SS, SE, SV, 3, 0.0f, 2, 1)),
        LONG_FORM_CASE(kpAddStepChartValues, "STPVAL", placeAxes,
                       (3, S, 0.0f, kpValuePlacement1, 1), STPVAL(SS, SE, SV, 3, 0.0f, 1, 1)),
        LONG_FORM_CASE(kpAddStepChartValues, "STPVAL", placeAxes,
                       (3, S, 0.0f, kpValuePlacement4, 1),
                       STPVAL(SS, SE, SV, 3, 0.0f, kpValuePlacement4, 1)),
        LONG_FORM_CASE(kpAddStepChartValues, "STPVAL", placeAxes,
                       (3, S, 0.0f, kpValuePlacement3, 1),
                       STPVAL(SS, SE, SV, 3, 0.0f, kpValuePlacement3, 1)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

// A placement that is no code of the step values reaches STPVAL, whose warning names both
// forms; the levels are written then.
TEST_F(LongFormTest, StepValuePlacementOutsideItsCodesGetsTheLegacyWarning)
{
    placeAxes();
    startLog();
    kpAddStepChartValues(3, S, 0.0f, kpValuePlacement4, 1);
    ASSERT_EQ(1u, tarv::errorLog().size());
    EXPECT_EQ(-552, tarv::errorLog()[0].number);
    EXPECT_EQ("kpAddStepChartValues(STPVAL)", tarv::errorLog()[0].routine);
    const std::vector<std::string> written = callsOf("kernelDrawText");
    startLog();
    const int level = 3;
    STPVAL(SS, SE, SV, 3, 0.0f, level, 1);
    EXPECT_EQ(callsOf("kernelDrawText"), written);
    EXPECT_FALSE(written.empty());
}
