// dateroutines.cpp - the exported date routines: date formats, conversions between date
// texts and graph values, date scaling of an axis and the date annotation words.
//
// Texts that the library reads or writes for the caller (DATGRA, GRADAT, DATCON, DATSCA,
// DATSCQ) use order code 1 and separator 1; the numbers of date axes use order code 2 and
// separator 2.
#include <cmath>
#include <cstdlib>

#include "axes/scaling.h"
#include "dates/calendar.h"
#include "dates/dates.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

bool validOrderCode(int code) { return code >= 1 && code <= 3; }

// Date text of a graph value under order code 1, separator 1 and the date words of an axis.
void writeDateText(float value, int axis, char* text, int length)
{
    const DateFormatSettings& f = graphState.dateFormat;
    const int dayNumber = graphDayNumberFromValue(value);
    graphFormatDate(dayNumber, f.order1, f.separator1, graphAxis(axis).dateWords, text, length);
}

// Text number i (from 0) of an array of texts of one length; a null array or an empty length
// gives the null text, which reads as empty.
const char* dateTextAt(const char* texts, int length, int i)
{
    return texts != nullptr && length > 0 ? texts + static_cast<long>(i) * length : nullptr;
}

// The axis of DATANN and DATANQ: 2 selects y, any other value x.
int dateWordAxis(int axis) { return axis == 2 ? 2 : 1; }

}  // namespace

namespace plotlib {

void graphDateTextToValue(const char* text, int length, float& value, int orderCode)
{
    graphDateTextToValueWith(text, length, value, orderCode, graphState.dateFormat.separator1);
}

}  // namespace plotlib

void DATFOR(const int& order1, const char* separator1, int length1, const int& order2,
            const char* separator2, int length2)
{
    GraphRoutineFrame frame("DATFOR");
    DateFormatSettings& f = graphState.dateFormat;
    // An empty or null separator text leaves the separator as it was.
    if (separator1 != nullptr && length1 >= 1) f.separator1 = separator1[0];
    if (separator2 != nullptr && length2 >= 1) f.separator2 = separator2[0];
    f.order1 = order1;
    f.order2 = order2;
    if (!validOrderCode(order1) || !validOrderCode(order2)) {
        graphReportError(kBadDateOrder);
        if (!validOrderCode(order1)) f.order1 = 1;
        if (!validOrderCode(order2)) f.order2 = 1;
    }
}

void DATFOQ(int& order1, char* separator1, int length1, int& order2, char* separator2, int length2)
{
    GraphRoutineFrame frame("DATFOQ");
    const DateFormatSettings& f = graphState.dateFormat;
    order1 = f.order1;
    order2 = f.order2;
    if (separator1 != nullptr && length1 >= 1) separator1[0] = f.separator1;
    if (separator2 != nullptr && length2 >= 1) separator2[0] = f.separator2;
}

void DATGRA(const char* text, int length, float& value)
{
    GraphRoutineFrame frame("DATGRA");
    graphDateTextToValue(text, length, value, graphState.dateFormat.order1);
}

void GRADAT(const float& value, char* text, int length)
{
    GraphRoutineFrame frame("GRADAT");
    // The routine names no axis; the date words of the x axis steer the text.
    writeDateText(value, 1, text, length);
}

void DATCON(const char* texts, int length, const int& count, float* values)
{
    GraphRoutineFrame frame("DATCON");
    // With nowhere to put the values there is nothing to convert; null texts read as empty
    // ones, each of which reports that it names no date.
    if (values == nullptr) return;
    for (int i = 0; i < count; ++i) {
        graphDateTextToValue(dateTextAt(texts, length, i), length, values[i],
                             graphState.dateFormat.order1);
    }
}

void DATSCA(const int& code, const int& unit, const char* first, int length1, const char* last,
            int length2, const int& axis)
{
    GraphRoutineFrame frame("DATSCA");
    const int n = graphAxisNumber(axis);
    int scalingCode = code;
    if (code < 1 || code > 3) {
        graphReportError(kBadScalingType);
        scalingCode = 1;
    }
    AxisSettings& s = graphAxis(n);
    if (unit < 1 || unit > 5) {
        graphReportError(kBadDateUnit);
        s.dateUnit = s.dateUnitAsked = 5;
    } else {
        s.dateUnit = s.dateUnitAsked = unit;
    }
    float a = 0.0f, b = 0.0f;
    const int order = graphState.dateFormat.order1;
    graphDateTextToValue(first, length1, a, order);
    graphDateTextToValue(last, length2, b, order);
    // Day numbers are whole and at most a few million: the count is exact.
    const int days = static_cast<int>(std::lround(std::fabs(static_cast<double>(b) - a)));
    graphSetAxisScaling(3, days, a, b, n);
    s.scalingType = -scalingCode;
    // Equal dates (which the scaling has warned of as an empty range) span the ten days from
    // the first.
    if (std::trunc(std::fabs(static_cast<double>(a) - b)) == 0.0) {
        s.minimum = a;
        s.maximum = a + 10.0f;
    }
}

void DATSCQ(int& code, int& unit, char* first, int length1, char* last, int length2,
            const int& axis)
{
    GraphRoutineFrame frame("DATSCQ");
    const AxisSettings& s = graphAxis(graphAxisNumber(axis));
    // The stored scaling type of a date axis is the negated code; other axes give 0.
    code = s.scalingType < 0 ? -s.scalingType : 0;
    unit = s.dateUnitAsked;
    writeDateText(s.minimum, axis, first, length1);
    writeDateText(s.maximum, axis, last, length2);
}

void DATANN(const int& w1, const int& w2, const int& w3, const int& w4, const int& axis)
{
    GraphRoutineFrame frame("DATANN");
    int* words = graphAxis(dateWordAxis(axis)).dateWords;
    const int given[4] = {w1, w2, w3, w4};
    static const int defaults[4] = {0, 1, 1, 2};
    bool corrected = false;
    for (int i = 0; i < 4; ++i) {
        const bool ok = i < 3 ? (given[i] >= -9 && given[i] <= 1)
                              : (given[i] == 0 || given[i] == 2 || given[i] == 4);
        words[i] = ok ? given[i] : defaults[i];
        corrected = corrected || !ok;
    }
    if (corrected) graphReportError(kBadDateOrder);
}

void DATANQ(int& w1, int& w2, int& w3, int& w4, const int& axis)
{
    GraphRoutineFrame frame("DATANQ");
    const int* words = graphAxis(dateWordAxis(axis)).dateWords;
    w1 = words[0];
    w2 = words[1];
    w3 = words[2];
    w4 = words[3];
}
