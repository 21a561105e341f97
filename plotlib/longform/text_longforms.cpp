// text_longforms.cpp - long forms of the text charts.  The attribute routines convert the
// title switch (and the enquiry maps it back, leaving a justification outside -1..1 unwritten);
// the line column converts its line kind; the other columns pass every argument as it is,
// each text with the caller's length.
#include "longform/codes.h"

using namespace plotlib;

namespace {

constexpr LongFormCodeRow titleSwitchRows[] = {{0, 0}, {kpSwitchOn, 1}};
constexpr LongFormCodeRow justificationRows[] = {{-1, -1}, {0, 0}, {1, 1}};
constexpr LongFormCodeRow lineKindRows[] = {
    {kpLineColumnKind4, 4}, {kpLineColumnKind3, 3}, {kpLineColumnKind2, 2}, {kpLineColumnKind1, 1}};

}  // namespace

void kpSetTextChartAttribs(const float& width, const float& height, const int& justification,
                           const int& titleSwitch, const int& framePen)
{
    const int title = longFormCode(titleSwitchRows, titleSwitch);
    TEXDEF(width, height, justification, title, framePen);
}

void kpEnqTextChartAttribs(float& width, float& height, int& justification, int& titleSwitch,
                           int& framePen)
{
    int c3 = 0, c4 = 0;
    TDFENQ(width, height, c3, c4, framePen);
    longFormReturnCode(justificationRows, c3, justification);
    longFormReturnCode(titleSwitchRows, c4, titleSwitch);
}

void kpDisplayLineColumn(const float& x, const float& y, const int& n, const int* pens,
                         const int& kind, const char* title, int titleLength)
{
    const int legacyKind = longFormCode(lineKindRows, kind);
    TEXLIN(x, y, n, pens, legacyKind, title, titleLength);
}

void kpDisplayFillColumn(const float& x, const float& y, const int& n, const int* styles,
                         const int* pens, const char* title, int titleLength)
{
    TEXFIL(x, y, n, styles, pens, title, titleLength);
}

void kpDisplayGeneratedColumn(const float& x, const float& y, const int& n, const float& first,
                              const float& last, const char* title, int titleLength)
{
    TEXGEN(x, y, n, first, last, title, titleLength);
}

void kpDisplayPercentageColumn(const float& x, const float& y, const int& n, const float* values,
                               const char* title, int titleLength)
{
    TEXPER(x, y, n, values, title, titleLength);
}

void kpDisplayStringColumn(const float& x, const float& y, const int& n, const char* strings,
                           int length, const char* title, int titleLength)
{
    TEXSTR(x, y, n, strings, length, title, titleLength);
}

void kpDisplayMarkerColumn(const float& x, const float& y, const int& n, const int* symbols,
                           const int* pens, const char* title, int titleLength)
{
    TEXSYM(x, y, n, symbols, pens, title, titleLength);
}

void kpDisplayValueColumn(const float& x, const float& y, const int& n, const float* values,
                          const char* title, int titleLength)
{
    TEXVAL(x, y, n, values, title, titleLength);
}
