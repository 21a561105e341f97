// chart_longforms.cpp - long forms of the area, bar, histogram and step charts.  Area, bar
// and step records are split into one temporary per field for the legacy routine's parallel
// arrays; the plot routines first turn their pair of axis scaling codes into a chart type
// remembered per routine, then, with a count below 1, call nothing.  The histogram long forms
// take the caller's values as they are and always call, leaving a bad count to the legacy
// routine's own check.
#include "longform/codes.h"

using namespace plotlib;

namespace {

constexpr float AreaRecord::*areaFields[4] = {&AreaRecord::a1, &AreaRecord::a2, &AreaRecord::a3,
                                              &AreaRecord::a4};
constexpr float BarRecord::*barFields[2] = {&BarRecord::start, &BarRecord::end};
constexpr float StepRecord::*stepFields[3] = {&StepRecord::start, &StepRecord::end,
                                              &StepRecord::level};

// Value placements: areas (0 is the size, 7), bars and steps each their own.
constexpr LongFormCodeRow areaPlacementRows[] = {{0, 7},
                                                 {kpValuePlacement6, 6},
                                                 {kpValuePlacement5, 5},
                                                 {kpValuePlacement4, 4},
                                                 {kpValuePlacement3, 3},
                                                 {kpValuePlacement2, 2},
                                                 {kpValuePlacement1, 1}};
constexpr LongFormCodeRow barPlacementRows[] = {
    {kpValuePlacement5, 3}, {kpValuePlacement2, 2}, {kpValuePlacement1, 1}};
constexpr LongFormCodeRow stepPlacementRows[] = {{kpValuePlacement7, 5},
                                                 {kpValuePlacement6, 3},
                                                 {kpValuePlacement5, 4},
                                                 {kpValuePlacement2, 2},
                                                 {kpValuePlacement1, 1}};
constexpr LongFormCodeRow stepCodeRows[] = {
    {kpStepCode3, 3}, {kpStepCode2, 2}, {kpStepCode1, 1}, {kpStepCode0, 0}};
// The value axis of a histogram: logarithmic or linear.
constexpr LongFormCodeRow histogramScalingRows[] = {{kpAxisScaling4, 1}, {kpAxisScaling1, 0}};

using AreaFields = LongFormFields<AreaRecord, 4>;
using BarFields = LongFormFields<BarRecord, 2>;
using StepFields = LongFormFields<StepRecord, 3>;

}  // namespace

// ---- Area charts

void kpPlotAreaChart(const int& n, const AreaRecord* areas, const int& xScaling,
                     const int& yScaling)
{
    const int type = longFormPair(kPairPlotAreaChart, longFormGraphTypeCases, xScaling, yScaling);
    const AreaFields a(areas, n, areaFields);
    if (!a.ok()) return;
    ARECHA(a.field(0), a.field(1), a.field(2), a.field(3), n, type);
}

void kpFillAreaChart(const int& n, const AreaRecord* areas, const int& orientation,
                     const int* styles, const int* pens)
{
    const AreaFields a(areas, n, areaFields);
    if (!a.ok()) return;
    AREFIL(a.field(0), a.field(1), a.field(2), a.field(3), n, orientation, styles, pens);
}

void kpAddAreaChartOutline(const int& n, const AreaRecord* areas, const int& orientation)
{
    const AreaFields a(areas, n, areaFields);
    if (!a.ok()) return;
    AREGRA(a.field(0), a.field(1), a.field(2), a.field(3), n, orientation);
}

void kpAddAreaChartValues(const int& n, const AreaRecord* areas, const int& placement,
                          const int& orientation)
{
    const int legacyPlacement = longFormCode(areaPlacementRows, placement);
    const AreaFields a(areas, n, areaFields);
    if (!a.ok()) return;
    AREVAL(a.field(0), a.field(1), a.field(2), a.field(3), n, legacyPlacement, orientation);
}

// ---- Bar charts

void kpPlotBarChart(const int& n, const BarRecord* bars, const float& fraction, const int& xCode,
                    const int& yCode, const float& categoryMinimum, const float& categoryMaximum)
{
    const int type = longFormPair(kPairPlotBarChart, longFormBarTypeCases, xCode, yCode);
    const BarFields b(bars, n, barFields);
    if (!b.ok()) return;
    BARCHA(b.field(0), b.field(1), n, type, fraction, categoryMinimum, categoryMaximum);
}

void kpFillBarChart(const int& n, const BarRecord* bars, const float& fraction, const int* styles,
                    const int* pens)
{
    const BarFields b(bars, n, barFields);
    if (!b.ok()) return;
    BARFIL(b.field(0), b.field(1), n, fraction, styles, pens);
}

// The second entry of the outline routine, which registers the bare name GRABAR.
void kpAddBarChartOutline(const int& n, const BarRecord* bars, const float& fraction)
{
    const BarFields b(bars, n, barFields);
    if (!b.ok()) return;
    BARGRA(b.field(0), b.field(1), n, fraction);
}

void kpAddBarChartValues(const int& n, const BarRecord* bars, const float& fraction,
                         const int& placement)
{
    const int legacyPlacement = longFormCode(barPlacementRows, placement);
    const BarFields b(bars, n, barFields);
    if (!b.ok()) return;
    BARVAL(b.field(0), b.field(1), n, fraction, legacyPlacement);
}

// ---- Histograms

void kpPlotHistogram(const int& n, const float* values, const float& fraction, const int& scaling,
                     const float& categoryMinimum, const float& categoryMaximum)
{
    const int legacyScaling = longFormCode(histogramScalingRows, scaling);
    HISCHA(values, n, legacyScaling, fraction, categoryMinimum, categoryMaximum);
}

void kpFillHistogram(const int& n, const float* values, const float& fraction, const int* styles,
                     const int* pens)
{
    HISFIL(values, n, fraction, styles, pens);
}

// The second entry of the outline routine, which registers the bare name GRAHIS.
void kpAddHistogramOutline(const int& n, const float* values, const float& fraction)
{
    HISGRA(values, n, fraction);
}

void kpAddHistogramValues(const int& n, const float* values, const float& fraction)
{
    HISVAL(values, n, fraction);
}

// ---- Step charts

void kpPlotStepChart(const int& n, const StepRecord* steps, const float& base, const int& xScaling,
                     const int& yScaling, const int& stepCode)
{
    const int type = longFormPair(kPairPlotStepChart, longFormGraphTypeCases, xScaling, yScaling);
    const int code = longFormCode(stepCodeRows, stepCode);
    const StepFields s(steps, n, stepFields);
    if (!s.ok()) return;
    STPCHA(s.field(0), s.field(1), s.field(2), n, type, base, code);
}

void kpFillStepChart(const int& n, const StepRecord* steps, const float& base,
                     const int& orientation, const int* styles, const int* pens)
{
    const StepFields s(steps, n, stepFields);
    if (!s.ok()) return;
    STPFIL(s.field(0), s.field(1), s.field(2), n, base, orientation, styles, pens);
}

void kpAddStepChartOutline(const int& n, const StepRecord* steps, const float& base,
                           const int& stepCode, const int& orientation)
{
    const int code = longFormCode(stepCodeRows, stepCode);
    const StepFields s(steps, n, stepFields);
    if (!s.ok()) return;
    STPGRA(s.field(0), s.field(1), s.field(2), n, base, code, orientation);
}

void kpAddStepChartValues(const int& n, const StepRecord* steps, const float& base,
                          const int& placement, const int& orientation)
{
    const int legacyPlacement = longFormCode(stepPlacementRows, placement);
    const StepFields s(steps, n, stepFields);
    if (!s.ok()) return;
    STPVAL(s.field(0), s.field(1), s.field(2), n, base, legacyPlacement, orientation);
}
