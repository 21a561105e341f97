// defaults.cpp - first-use defaults and default set-ups of the graph library, and the
// restore routines AXISET, PIESET and VECSET that put settings back to them.
//
// The defaults are written at run time by the first library call of the process, not at
// load, because the default axis positions, pie frame and polar layout come from the kernel's
// picture space and character size at that call.  Their order is fixed: later steps rely on
// earlier ones (the plot area taken for the axes is reused by the pie frame and polar layout).
#include "frame/defaults.h"

#include <cassert>
#include <cmath>
#include <cstring>

#include "frame/errors.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"

using namespace plotlib;

namespace {

void defaultNiceNumberTables()
{
    NiceNumberTables& t = graphState.nice;
    t.hundred = 100;
    t.eighth = 0.125f;
    t.half = 0.5f;
    t.third1 = 0.333333f;
    t.third2 = 0.333333f;
    t.degree = GraphConstants::degree;
    t.threshold[0] = 1.414214f;
    t.threshold[1] = 3.162278f;
    t.threshold[2] = 7.071068f;
    const float steps[5] = {1.0f, 2.0f, 5.0f, 10.0f, 20.0f};
    for (int i = 0; i < 5; ++i) t.step[i] = steps[i];
    static const int tinySetting = 3, capacitySetting = 4;
    t.tiny = kernelEnquireRealSetting(tinySetting);
    t.tinyDouble = t.tiny;
    const int capacity = kernelEnquireIntegerSetting(capacitySetting);
    // A kernel that reports no capacity leaves every number to the real format.
    t.digitCapacity =
        capacity > 0 ? static_cast<float>(std::log10(static_cast<double>(capacity))) : 0.0f;
}

void defaultValueTags()
{
    ValueTagSettings& v = graphState.tags;
    for (int k = 0; k < 2; ++k) {
        std::memset(v.tag[k], ' ', sizeof v.tag[k]);
        v.tag[k][0] = '*';
        v.tag[k][1] = '.';
        v.length[k] = 2;
        v.width[k] = 0.0f;
    }
}

// Centre and radius that the pie frame and the polar layout take from the plot area.
void plotAreaCircle(float& centreX, float& centreY, float& radius)
{
    graphGetPlotArea();
    const float* a = graphState.graph.plotArea;
    centreX = (a[0] + a[1]) / 2.0f;
    centreY = (a[2] + a[3]) / 2.0f;
    radius = 0.375f * std::fmin(std::fabs(a[1] - a[0]), std::fabs(a[3] - a[2]));
}

}  // namespace

namespace plotlib {

void graphResetAxes(int p, int q)
{
    if (p == 1 || p == 2) graphDefaultAxisPosition(p);
    if (q == 1 || q == 2) graphDefaultAxisSettings(q);
}

void graphDefaultAxisPosition(int p)
{
    assert(p == 1 || p == 2);
    graphGetPlotArea();
    const float* area = graphState.graph.plotArea;
    const float w = area[1] - area[0], h = area[3] - area[2];
    const float cw = graphState.characters.width, ch = graphState.characters.height;
    float originX = area[0] + 9.0f * cw, lengthX = w - 13.0f * cw;
    const bool xTooSmall = !(lengthX > 0.0f);
    if (xTooSmall) {
        originX = area[0] + 0.2f * w;
        lengthX = 0.7f * w + 1.0f;
    }
    float originY = area[2] + 5.0f * ch, lengthY = h - 10.0f * ch;
    const bool yTooSmall = !(lengthY > 0.0f);
    if (yTooSmall) {
        originY = area[2] + 0.1f * h;
        lengthY = 0.8f * h + 1.0f;
    }
    AxisSettings& a = graphAxis(p);
    const float length = p == 1 ? lengthX : lengthY;
    // An axis that moves needs a new transform before anything is mapped through it.
    if (a.originX != originX || a.originY != originY || a.length != length || a.positionType != 1)
        a.setUp = 0;
    a.originX = originX;
    a.originY = originY;
    a.length = length;
    a.positionType = 1;
    a.positioned = 0;
    if (p == 1 && xTooSmall) kernelReportError(graphKernelNumber(kXAxisDoesNotFit));
    if (p != 1 && yTooSmall) kernelReportError(graphKernelNumber(kYAxisDoesNotFit));
}

void graphDefaultAxisSettings(int q)
{
    assert(q == 1 || q == 2);
    graphState.logFallback = -10.0f;
    AxisSettings& a = graphAxis(q);
    a.setUp = 0;
    a.countReduced = 0;
    a.scalingType = 3;
    a.intervalCount = 9;
    a.minimum = 1.0f;
    a.maximum = 10.0f;
    a.step = 1.0f;
    a.decimals = 2;
    a.digits = 40;
    a.captionStyle = 1;
    a.attr1 = 0;
    a.attr2 = 0.0f;
    a.attr3 = 0;
    a.attr4 = -1;
    for (AxisSettings& b : graphState.axis) b.attr5[0] = b.attr5[1] = 0.0f;
    a.attr6 = 0.0f;
    a.attr7 = 2;
    a.attr8 = 2;
    a.attr9 = 0;
    a.intervalSetting = -1;
    const int words[4] = {0, 1, 1, 2};
    for (int k = 0; k < 4; ++k) a.dateWords[k] = words[k];
    a.dateUnit = 5;
    a.dateUnitAsked = 5;
}

void graphDefaultPieFrame()
{
    PieSettings& p = graphState.pie;
    plotAreaCircle(p.centreX, p.centreY, p.radius);
    p.frameSwitch = 0;
}

void graphDefaultPieSettings()
{
    PieSettings& p = graphState.pie;
    p.startAngle = 0.0f;
    p.explosionSwitch = 0;
    for (int k = 0; k < 50; ++k) {
        p.exploded[k] = 0;
        p.distance[k] = 0.0f;
    }
    p.boxFillStyle = -1;
    p.boxPen = 0;
    p.boundSwitch = 0;
    p.boxType = 3;
    p.annotationMode = 2;
    p.labelThreshold = 0.0f;
    p.labelSwitch = 1;
    p.percentSwitch = 0;
    p.valueSwitch = 0;
}

void graphDefaultPolarLayout()
{
    PolarSettings& p = graphState.polar;
    plotAreaCircle(p.centreX, p.centreY, p.radius);
    p.mode = 3;
    p.polarSwitch = 0;
}

void graphDefaultVectorSettings()
{
    VectorSettings& v = graphState.vector;
    v.frameSwitch = 0;
    v.mode = 0;
    v.factor[0] = 0.0f;
    v.factor[1] = 0.0f;
    v.factor[2] = 1.0f;
    v.limit[0] = 0.0f;
    v.limit[1] = 0.0f;
}

void graphFirstUseDefaults()
{
    GraphLibraryState& s = graphState;
    static const int library = 1, open = 1;
    kernelSetLibraryOpen(library, open);
    graphResetAxes(1, 1);
    graphResetAxes(2, 2);
    s.pie.frameSwitch = 0;
    for (AxisSettings& a : s.axis) {
        a.setUp = 0;
        a.countReduced = 0;
    }
    if (s.graph.currentAxis != 1 && s.graph.currentAxis != 2) s.graph.currentAxis = 1;
    graphDefaultPieFrame();
    defaultNiceNumberTables();
    graphDefaultPieSettings();
    defaultValueTags();
    graphDefaultVectorSettings();
    s.valueAttributes = ValueAttributes{};
    s.textChart = TextChartSettings{};
    s.curveEnds.startType = 0;
    s.curveEnds.endType = 0;
    graphDefaultPolarLayout();
    s.polar.mode = 3;
    s.graph.characterMode = 1;
    s.dateFormat.separator1 = '/';
    s.graph.plotFrameSwitch = 0;
    s.dateFormat.order1 = 1;
    s.dateFormat.order2 = 1;
    s.dateFormat.separator2 = '/';
    s.graph.gridMarker = 3;
    s.missing.mode = 0;
    s.graph.scalingMode = 0;
}

}  // namespace plotlib
