// utilities.cpp - array ranges, the plot area, text measurement, graph-to-kernel mapping and
// the widths of value labels.
#include "frame/utilities.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "frame/errors.h"
#include "frame/state.h"
#include "tarvcore.h"

using namespace plotlib;

namespace {

// Kernel coordinate of a value along axis n; `report` is the kernel number for a value that
// has no logarithm on a logarithmic axis.
float mapValue(float value, int n, int report)
{
    const AxisTransform& t = graphTransform(n);
    if (graphAxis(n).scalingType != 4) return value * t.scale + t.offset;
    if (value > 10.0f * graphState.nice.tiny)
        return graphToFloat(std::log10(static_cast<double>(value))) * t.scale + t.offset;
    kernelReportError(report);
    return graphState.logFallback;
}

}  // namespace

namespace plotlib {

float graphToFloat(double value)
{
    if (value > FLT_MAX) return INFINITY;
    if (value < -FLT_MAX) return -INFINITY;
    return static_cast<float>(value);
}

void graphArrayRange(const float* a, int n, float& minimum, float& maximum)
{
    if (n <= 0 || a == nullptr) {
        kernelReportError(graphKernelNumber(kTooFewPoints));
        return;
    }
    minimum = maximum = a[0];
    for (int i = 1; i < n; ++i) {
        if (a[i] > maximum) maximum = a[i];
        if (a[i] < minimum) minimum = a[i];
    }
}

void graphGetPlotArea()
{
    GraphSettings& g = graphState.graph;
    if (g.plotFrameSwitch == 1) {
        for (int k = 0; k < 4; ++k) g.plotArea[k] = g.plotFrame[k];
    } else if (g.plotAreaKnown == 0) {
        static const int first = 1, count = 4;
        int status = 0;
        kernelEnquirePictureSpace(status, first, count, g.plotArea);
        g.plotAreaKnown = 1;
    }
    if (!(std::fabs(g.plotArea[1] - g.plotArea[0]) >= 0.00001f) ||
        !(std::fabs(g.plotArea[3] - g.plotArea[2]) >= 0.00001f))
        kernelReportError(graphKernelNumber(kPlotAreaTooSmall));
}

float graphMeasureText(const char* text, int length, int& trimmed)
{
    trimmed = text != nullptr && length > 0 ? kernelUsedLength(text, length) : 0;
    if (trimmed <= 0) return 0.0f;
    float* e = graphState.work.extent;
    kernelEnquireTextExtent(text, trimmed, e[0], e[1], e[2], e[3], e[4]);
    return e[4];
}

void graphToKernelCoords(float x, float y, float& kernelX, float& kernelY)
{
    kernelX = mapValue(x, 1, graphKernelNumber(kBadLogX));
    kernelY = mapValue(y, 2, graphKernelNumber(kBadLogY));
}

void graphOrderedBounds(float x1, float x2, float y1, float y2, float* bounds)
{
    bounds[0] = std::min(x1, x2);
    bounds[1] = std::max(x1, x2);
    bounds[2] = std::min(y1, y2);
    bounds[3] = std::max(y1, y2);
}

float graphCheckLogValue(float value, int n)
{
    return mapValue(value, graphAxisNumber(n), graphKernelNumber(kBadLogValue));
}

void graphFormatValueLabel(float& value, int& w, int& d, int& t, int n)
{
    const AxisSettings& a = graphAxis(n);
    static const int longest = 30;  // the number text of value labels
    double v = value;
    if (a.digits < 40) v /= std::pow(10.0, a.digits);
    value = graphToFloat(v);
    v = value;
    // AXIANN keeps the decimals setting within -9..9; hold to that here too.
    const int c = a.decimals < -9 ? -9 : (a.decimals > 9 ? 9 : a.decimals);
    if (!std::isfinite(v)) {
        d = c < 0 ? c : 0;
        w = longest - (d != 0 ? -d + 1 : 0);
        t = longest;
        return;
    }
    const double magnitude = std::fabs(v);
    w = magnitude <= 9.9 ? 2 : static_cast<int>(std::trunc(std::log10(magnitude))) + 2;
    if (v < 0.0) w += 1;
    if (c < 0) {
        d = c;
    } else {
        d = 0;
        for (int i = 0; i < c; ++i) {
            const double x = v * std::pow(10.0, i);
            if (std::fabs(x - std::round(x)) > std::pow(10.0, i - 4)) d = i + 1;
        }
    }
    const int decimalsPart = d != 0 ? std::abs(d) + 1 : 0;
    // A number too wide for the text keeps its decimals and gives up integer width, so the
    // kernel fills the field with asterisks rather than the text overflowing.
    if (w + decimalsPart > longest) w = longest - decimalsPart;
    t = w + decimalsPart;
}

}  // namespace plotlib
