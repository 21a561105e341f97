// conventions.cpp - the parts every chart family shares: orientation codes, axis scaling
// from data ranges, the fill convention and the anchoring of value tags; and the oriented
// points, data ranges, data axes and value tag positions of the area and step charts.
#include "charts/conventions.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "axes/drawing.h"
#include "axes/scaling.h"
#include "frame/defaults.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"

namespace plotlib {

bool chartCountError(int n, std::initializer_list<const void*> arrays, int error)
{
    bool missing = false;
    for (const void* a : arrays) missing = missing || a == nullptr;
    if (n >= 1 && !missing) return false;
    graphReportError(error);
    return true;
}

int chartOrientation(int code) { return code >= 2 ? 2 : 1; }

void chartOrientedPoint(int o, float p, float q, float& x, float& y)
{
    if (o == 1) graphToKernelCoords(p, q, x, y);
    else graphToKernelCoords(q, p, x, y);
}

void chartUnionRange(const float* a, const float* b, int n, float& low, float& high)
{
    float lo1 = 0.0f, hi1 = 0.0f, lo2 = 0.0f, hi2 = 0.0f;
    graphArrayRange(a, n, lo1, hi1);
    graphArrayRange(b, n, lo2, hi2);
    low = std::fmin(lo1, lo2);
    high = std::fmax(hi1, hi2);
}

void chartMatchRanges(float& xMinimum, float& xMaximum, float& yMinimum, float& yMaximum)
{
    const int mode = graphState.graph.scalingMode;
    if (mode == 1) {
        xMinimum = yMinimum = std::min(xMinimum, yMinimum);
        xMaximum = yMaximum = std::max(xMaximum, yMaximum);
    } else if (mode == 2) {
        // The threshold is one data unit, whatever the ranges.
        const float xSpan = xMaximum - xMinimum, ySpan = yMaximum - yMinimum;
        if (xSpan - ySpan > 1.0f) {
            const float half = (xSpan - ySpan) * 0.5f;
            yMinimum -= half;
            yMaximum += half;
        } else if (ySpan - xSpan > 1.0f) {
            const float half = (ySpan - xSpan) * 0.5f;
            xMinimum -= half;
            xMaximum += half;
        }
    }
}

bool chartScaleFromData(int n, bool logarithmic, float minimum, float maximum, int logError)
{
    int type = 1, count = 0;
    if (logarithmic) {
        if (!(minimum > 10.0f * graphState.nice.tiny)) {
            graphReportError(logError);
            return false;
        }
        type = 4;  // decades give the intervals; the count is not used
    } else {
        graphDefaultIntervalCount(maximum - minimum, count);
    }
    graphSetAxisScaling(type, count, minimum, maximum, n);
    return true;
}

bool chartDrawDataAxes(int type, float xMinimum, float xMaximum, float yMinimum, float yMaximum)
{
    graphResetAxes(1, 0);
    graphResetAxes(2, 0);
    const int t = (type < -1 || type > 2) ? 0 : type;
    chartMatchRanges(xMinimum, xMaximum, yMinimum, yMaximum);
    if (!chartScaleFromData(1, t == 1 || t == -1, xMinimum, xMaximum, kBadLogX)) return false;
    if (!chartScaleFromData(2, t == 2 || t == -1, yMinimum, yMaximum, kBadLogY)) return false;
    if (graphState.graph.scalingMode > 2) graphSetUpChartAxes();
    static const int style = -2, numbered = 1;
    graphDrawAxesAndGrid(style, numbered, numbered);
    return true;
}

int chartScaleCategoryAxis(int n, int count, float minimum, float maximum)
{
    static const int cells = 5;
    if (std::fabs(static_cast<double>(maximum) - minimum) >= graphState.nice.tiny) {
        graphSetAxisScaling(cells, count, minimum, maximum, n);
        return 1;
    }
    const float first = 1.0f, last = static_cast<float>(count);
    graphSetAxisScaling(cells, count, first, last, n);
    return 0;
}

void chartScanPens(const int* pens, int n)
{
    for (int i = 0; i < n; ++i) {
        if (pens[i] < -1) {
            graphReportError(kNegativePen);
            return;
        }
    }
}

int chartFillPen(int pen)
{
    if (pen == INT_MIN) return INT_MAX;
    return pen < 0 ? -pen : pen;
}

void chartFillBox(int style, int pen, float x1, float y1, float x2, float y2)
{
    if (style < -1) return;
    const int p = chartFillPen(pen);
    kernelFillBox(style, p, x1, y1, x2, y2);
}

float chartAxisCoordinate(float value, int n)
{
    // The other coordinate is 1.0, which every axis maps, so only `value` can be reported.
    const float one = 1.0f;
    float kx = 0.0f, ky = 0.0f;
    if (n == 1) {
        graphToKernelCoords(value, one, kx, ky);
        return kx;
    }
    graphToKernelCoords(one, value, kx, ky);
    return ky;
}

float chartAnchor(int attribute, float low, float high, float fixed)
{
    const float lo = std::min(low, high), hi = std::max(low, high);
    if (attribute < 0) return lo;
    if (attribute == 0) return (lo + hi) * 0.5f;
    if (attribute == 3) return fixed;
    return hi;
}

float chartCharacterShift(int attribute, float size)
{
    if (attribute == -2 || attribute == 1) return -size;
    if (attribute == -1 || attribute == 2) return size;
    return 0.0f;
}

void chartTagPoint(float x1, float y1, float x2, float y2, float fixedX, float fixedY, float& x,
                   float& y)
{
    const ValueAttributes& a = graphState.valueAttributes;
    x = chartAnchor(a.a1, x1, x2, fixedX);
    y = chartAnchor(a.a2, y1, y2, fixedY);
    x += chartCharacterShift(a.a1, graphState.characters.width);
    y += chartCharacterShift(a.a2, graphState.characters.height);
}

}  // namespace plotlib
