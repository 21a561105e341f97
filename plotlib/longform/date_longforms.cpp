// date_longforms.cpp - long forms of the date routines: date scaling and annotation of an
// axis with their enquiries, the date format and the conversions between date texts and
// values.  Date texts travel with the caller's lengths, except the format separators, of which
// only the first character counts.
#include "longform/codes.h"

using namespace plotlib;

namespace {

constexpr LongFormCodeRow dateUnitRows[] = {
    {kpDateUnit5, 5}, {kpDateUnit4, 4}, {kpDateUnit3, 3}, {kpDateUnit2, 2}, {kpDateUnit1, 1}};
constexpr LongFormCodeRow dateOrderRows[] = {
    {kpDateOrder3, 3}, {kpDateOrder2, 2}, {kpDateOrder1, 1}};

// The length under which a separator text goes: its first character, or nothing when the
// caller gave an empty text (the routine then neither reads nor writes it).
int separatorLength(int length) { return length >= 1 ? 1 : 0; }

}  // namespace

void kpSetDateAxesScaling(const int& scaling, const int& unit, const char* first, int length1,
                          const char* last, int length2, const int& axis)
{
    const int code = longFormCode(longFormScaling123Rows, scaling);
    const int legacyUnit = longFormCode(dateUnitRows, unit);
    DATSCA(code, legacyUnit, first, length1, last, length2, axis);
}

void kpEnqDateAxesScaling(int& scaling, int& unit, char* first, int length1, char* last,
                          int length2, const int& axis)
{
    int code = 0, legacyUnit = 0;
    DATSCQ(code, legacyUnit, first, length1, last, length2, axis);
    longFormReturnCode(longFormScaling123Rows, code, scaling);
    longFormReturnCode(dateUnitRows, legacyUnit, unit);
}

void kpSetDateAxesAnnotation(const int& w1, const int& w2, const int& w3, const int& w4,
                             const int& axis)
{
    DATANN(w1, w2, w3, w4, axis);
}

void kpEnqDateAxesAnnotation(int& w1, int& w2, int& w3, int& w4, const int& axis)
{
    DATANQ(w1, w2, w3, w4, axis);
}

void kpSetDateFormat(const int& order1, const char* separator1, int length1, const int& order2,
                     const char* separator2, int length2)
{
    const int legacy1 = longFormCode(dateOrderRows, order1);
    const int legacy2 = longFormCode(dateOrderRows, order2);
    DATFOR(legacy1, separator1, separatorLength(length1), legacy2, separator2,
           separatorLength(length2));
}

void kpEnqDateFormat(int& order1, char* separator1, int length1, int& order2, char* separator2,
                     int length2)
{
    int legacy1 = 0, legacy2 = 0;
    DATFOQ(legacy1, separator1, separatorLength(length1), legacy2, separator2,
           separatorLength(length2));
    longFormReturnCode(dateOrderRows, legacy1, order1);
    longFormReturnCode(dateOrderRows, legacy2, order2);
}

void kpConvertDates(const int& n, const char* texts, int length, float* values)
{
    DATCON(texts, length, n, values);
}

void kpConvertDateToGraph(const char* text, int length, float& value)
{
    DATGRA(text, length, value);
}

void kpConvertGraphToDate(const float& value, char* text, int length)
{
    GRADAT(value, text, length);
}
