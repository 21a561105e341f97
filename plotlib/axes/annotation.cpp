// annotation.cpp - settings of the axis numbers (decimals, digits word, caption style), the
// per-axis attributes that place numbers and labels, and the enquiries of the axis settings.
#include <cstdlib>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

bool validJustification(int code) { return code >= -1 && code <= 2; }

}  // namespace

void AXIANN(const int& decimals, const int& digits, const int& style, const int& axis)
{
    const int n = axis >= 2 ? 2 : 1;
    graphState.graph.currentAxis = n;
    GraphRoutineFrame frame("AXIANN");
    AxisSettings& s = graphAxis(n);
    s.decimals = decimals;
    if (decimals < -9 || decimals > 9) {
        graphReportError(kBadAnnotationType);
        s.decimals = 2;
    }
    s.digits = digits;
    if (digits < -15 || digits > 15) s.digits = (style == 3 || style == 4) ? 41 : 40;
    // Words and prefixes name powers of a thousand only.
    s.captionStyle = style;
    if (style < 0 || style > 4 || (style >= 3 && s.digits % 3 != 0)) {
        s.captionStyle = 1;
        if (s.digits != 41) graphReportError(kBadCaptionStyle);
    }
    s.setUp = 0;
}

void AXIATT(const int& a1, const float& a2, const int& a3, const int& a4, const float& a5,
            const float& a6, const int& a7, const int& a8, const int& a9, const int& axis)
{
    GraphRoutineFrame frame("AXIATT");
    const int n = graphAxisNumber(axis);
    AxisSettings& s = graphAxis(n);
    s.attr1 = a1 == 1 ? 1 : 0;
    s.attr2 = a2;
    s.attr3 = a3;
    s.attr4 = a4;
    if (axis == 1 || axis == 2) s.attr5[n - 1] = a5;
    s.attr6 = a6;
    s.attr7 = a7;
    s.attr8 = a8;
    if (!validJustification(a7)) {
        graphReportError(kBadAlignment);
        s.attr7 = 2;
    }
    if (!validJustification(a8)) {
        graphReportError(kBadAlignment);
        s.attr8 = 2;
    }
    s.attr9 = a9 == 1 ? 1 : 0;
}

void AXTENQ(int& a1, float& a2, int& a3, int& a4, float& a5, float& a6, int& a7, int& a8, int& a9,
            const int& axis)
{
    GraphRoutineFrame frame("AXTENQ");
    const int n = graphAxisNumber(axis);
    const AxisSettings& s = graphAxis(n);
    a1 = s.attr1;
    a2 = s.attr2;
    a3 = s.attr3;
    a4 = s.attr4;
    a5 = s.attr5[n - 1];
    a6 = s.attr6;
    a7 = s.attr7;
    a8 = s.attr8;
    a9 = s.attr9;
}

void AXNENQ(int& decimals, int& digits, int& labelWidth, int& style, const int& axis)
{
    const int n = graphAxisNumber(axis);
    graphState.graph.currentAxis = n;  // the entry sets this axis up
    GraphRoutineFrame frame("AXNENQ");
    const AxisSettings& s = graphAxis(n);
    decimals = s.decimals;
    digits = s.digits;
    labelWidth = graphTransform(n).labelWidth;
    style = s.captionStyle;
}

void AXPENQ(int& type, float& x, float& y, float& length, const int& axis)
{
    GraphRoutineFrame frame("AXPENQ");
    const AxisSettings& s = graphAxis(graphAxisNumber(axis));
    type = s.positionType;
    x = s.originX;
    y = s.originY;
    length = s.length;
}

void AXSENQ(int& type, int& count, float& minimum, float& maximum, const int& axis)
{
    GraphRoutineFrame frame("AXSENQ");
    const AxisSettings& s = graphAxis(graphAxisNumber(axis));
    type = s.scalingType;
    // A type-5 axis holds one interval less while a routine runs after its set-up; when the
    // transform was still valid and no set-up ran, the count is reported the same way.
    const bool reduced = s.scalingType == 5 && s.countReduced == 0;
    count = reduced ? s.intervalCount - 1 : s.intervalCount;
    const float half = s.scalingType == 5 ? 0.5f : 0.0f;
    minimum = s.minimum - half;
    maximum = s.maximum + half;
}
