// conventions.cpp - the parts every chart family shares: orientation codes, axis scaling
// from data ranges, the fill convention and the anchoring of value tags.
#include "charts/conventions.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "axes/scaling.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"

bool chartCountError(int n, std::initializer_list<const void*> arrays, int error)
{
    bool missing = false;
    for (const void* a : arrays) missing = missing || a == nullptr;
    if (n >= 1 && !missing) return false;
    graphReportError(error);
    return true;
}

int chartOrientation(int code) { return code >= 2 ? 2 : 1; }

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
        type = 4;   // decades give the intervals; the count is not used
    } else {
        graphDefaultIntervalCount(maximum - minimum, count);
    }
    graphSetAxisScaling(type, count, minimum, maximum, n);
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
            graphReportError(-8);
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
