// valuetags.cpp - value tags and value attributes (VALTXT, VALATT, VATENQ) and the value
// labels they shape: GRAVAL writes the x or y values of a data set beside its points, and the
// layout routines below serve the chart value routines as well.
//
// A label is three texts in a row along the text angle a6: tag 1, the number, tag 2.  The
// default tags are the kernel's end-of-text sequence (control character and "."), which
// draws and measures nothing, so a bare label is the number alone.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "graphs/curves.h"
#include "graphs/valuelabels.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

constexpr int kTagLength = 30;
constexpr int kNumberLength = 30;

int clampLength(int length, int most) { return length < 0 ? 0 : (length > most ? most : length); }

// Stores value tag k (0 or 1) from the caller's text.
void storeTag(int k, const char* text, int length)
{
    char control = '*';
    kernelEnquireControlChar(&control, 1);
    const char* source = text != nullptr ? text : "";
    const int given = text != nullptr && length > 0 ? length : 0;
    int used = kernelUsedLength(source, given);
    char* tag = graphState.tags.tag[k];
    std::memset(tag, ' ', kTagLength);
    if (used > kTagLength) {
        std::memcpy(tag, source, kTagLength);
        graphReportError(kTagTooLong);
        // A control character cut off from what followed it would start a sequence.
        used = (source[kTagLength - 1] == control) ? kTagLength - 1 : kTagLength;
    } else if (used <= 0) {
        tag[0] = control;
        tag[1] = '.';
        used = 2;
    } else {
        std::memcpy(tag, source, used);
    }
    graphState.tags.length[k] = used;
    int measured = 0;
    graphState.tags.width[k] = graphMeasureText(tag, used, measured);
}

// Fills `text` with `width` characters "*": the number does not fit its field.
void fillStars(char* text, int width) { std::memset(text, '*', clampLength(width, kNumberLength)); }

// A whole-number label: the value moved 0.1 away from zero and rounded, halves away from
// zero.  Values beyond 32 bits are written here instead of through the kernel's integer
// format, which takes a 32-bit integer.
void formatWholeNumber(float value, int width, char* text)
{
    const float moved = value >= 0.0f ? value + 0.1f : value - 0.1f;
    const float rounded = std::round(moved);
    if (rounded >= -2147483648.0f && rounded < 2147483648.0f) {
        const int k = static_cast<int>(rounded);
        kernelFormatInteger(k, -width, text, kNumberLength);
        return;
    }
    if (!std::isfinite(rounded)) {
        fillStars(text, width);
        return;
    }
    char digits[64];
    const int count = std::snprintf(digits, sizeof digits, "%.0f", static_cast<double>(rounded));
    if (count <= 0 || count > width || count > kNumberLength) fillStars(text, width);
    else std::memcpy(text, digits, static_cast<std::size_t>(count));
}

ValueLabelPart measurePart(const char* text, int length)
{
    float e[5] = {};
    kernelEnquireTextExtent(text, length, e[0], e[1], e[2], e[3], e[4]);
    return {e[0], e[2], e[3]};
}

}  // namespace

namespace plotlib {

void graphBeginValueLabels(ValueLabelLayout& layout)
{
    const float angle = graphState.valueAttributes.a6;
    kernelSetCharAngle(angle);
    const double radians = static_cast<double>(angle) * GraphConstants::degree;
    layout.cosine = static_cast<float>(std::cos(radians));
    layout.sine = static_cast<float>(std::sin(radians));
    for (int k = 0; k < 2; ++k)
        layout.tag[k] =
            measurePart(graphState.tags.tag[k], clampLength(graphState.tags.length[k], kTagLength));
}

void graphFormatValueNumber(float value, int n, ValueLabelNumber& number)
{
    int width = 0, decimals = 0, total = 0;
    graphFormatValueLabel(value, width, decimals, total, n);
    std::memset(number.text, ' ', kNumberLength);
    if (decimals != 0) {
        const int places = decimals < 0 ? -decimals : decimals;
        kernelFormatReal(value, -total, places, number.text, kNumberLength);
    } else {
        formatWholeNumber(value, total, number.text);
    }
    number.length = clampLength(kernelUsedLength(number.text, kNumberLength), kNumberLength);
}

void graphDrawValueLabel(const ValueLabelLayout& layout, const ValueLabelNumber& number, float x,
                         float y)
{
    const ValueAttributes& a = graphState.valueAttributes;
    const ValueLabelPart parts[3] = {layout.tag[0], measurePart(number.text, number.length),
                                     layout.tag[1]};
    x += a.a4;
    y += a.a5;

    // Across the text direction, along (sin, -cos): M is the tallest part above the baseline,
    // V the height of the whole row.
    float above = 0.0f, below = 0.0f;
    for (const ValueLabelPart& p : parts) {
        above = std::fmax(above, p.e4);
        below = std::fmax(below, p.e3 - p.e4);
    }
    const float rowHeight = below + above;
    const float ch = graphState.characters.height;
    const float numberTop = parts[1].e4;
    float across = 0.0f;
    if (a.a7 < 0) across = above;
    else if (a.a7 == 0) across = numberTop - (rowHeight - ch / 2.0f) / 2.0f;
    else across = numberTop - (rowHeight - ch / 2.0f);
    x += across * layout.sine;
    y -= across * layout.cosine;

    // Along the text direction: centred on the point, ending there, or starting there.
    const float total = parts[0].e1 + parts[1].e1 + parts[2].e1;
    const float back = a.a8 == 0 ? total / 2.0f : (a.a8 > 0 ? total : 0.0f);
    x -= back * layout.cosine;
    y -= back * layout.sine;

    const char* texts[3] = {graphState.tags.tag[0], number.text, graphState.tags.tag[1]};
    const int lengths[3] = {clampLength(graphState.tags.length[0], kTagLength), number.length,
                            clampLength(graphState.tags.length[1], kTagLength)};
    for (int k = 0; k < 3; ++k) {
        kernelSetTextPosition(x, y);
        kernelDrawText(texts[k], lengths[k]);
        x += parts[k].e1 * layout.cosine;
        y += parts[k].e1 * layout.sine;
    }
}

void graphDrawValueLabels(const float* x, const float* y, int n, int selector)
{
    const ValueAttributes& a = graphState.valueAttributes;
    const bool yValues = (selector == 2);
    const int axis = yValues ? 2 : 1;
    const bool testMissing = graphState.missing.mode > 0;
    const float cw = graphState.characters.width, ch = graphState.characters.height;
    ValueLabelLayout layout{};
    graphBeginValueLabels(layout);
    for (int i = 0; i < n; ++i) {
        const float px = (a.a1 == 3) ? a.a3 : x[i];
        const float py = (a.a2 == 3) ? a.a3 : y[i];
        float kx = 0.0f, ky = 0.0f;
        graphToKernelCoords(px, py, kx, ky);
        if (testMissing && graphIsMissingPoint(x[i], y[i])) continue;
        ValueLabelNumber number{};
        graphFormatValueNumber(yValues ? y[i] : x[i], axis, number);
        // Placement codes 1, 2 move by one character to the right (up), -1, -2 to the left
        // (down); 3 and 0 do not move.
        if (a.a1 == 1 || a.a1 == 2) kx += cw;
        else if (a.a1 == -1 || a.a1 == -2) kx -= cw;
        if (a.a2 == 1 || a.a2 == 2) ky += ch;
        else if (a.a2 == -1 || a.a2 == -2) ky -= ch;
        graphDrawValueLabel(layout, number, kx, ky);
    }
}

}  // namespace plotlib

void VALTXT(const char* tag1, int length1, const char* tag2, int length2)
{
    GraphRoutineFrame frame("VALTXT");
    storeTag(0, tag1, length1);
    storeTag(1, tag2, length2);
}

void VALATT(const int& a1, const int& a2, const float& a3, const float& a4, const float& a5,
            const float& a6, const int& a7, const int& a8)
{
    GraphRoutineFrame frame("VALATT");
    ValueAttributes& v = graphState.valueAttributes;
    v = {a1, a2, a3, a4, a5, a6, a7, a8};
    // Placement codes first (-546), then the alignment codes (-545), each in argument order.
    for (int* code : {&v.a1, &v.a2}) {
        if (*code < -2 || *code > 3) {
            graphReportError(kBadPlacement);
            *code = 0;
        }
    }
    for (int* code : {&v.a7, &v.a8}) {
        if (*code < -1 || *code > 1) {
            graphReportError(kBadAlignment);
            *code = 0;
        }
    }
}

void VATENQ(int& a1, int& a2, float& a3, float& a4, float& a5, float& a6, int& a7, int& a8)
{
    GraphRoutineFrame frame("VATENQ");
    const ValueAttributes& v = graphState.valueAttributes;
    a1 = v.a1;
    a2 = v.a2;
    a3 = v.a3;
    a4 = v.a4;
    a5 = v.a5;
    a6 = v.a6;
    a7 = v.a7;
    a8 = v.a8;
}

void GRAVAL(const float* x, const float* y, const int& n, const int& selector)
{
    GraphRoutineFrame frame("GRAVAL");
    if (n <= 0 || x == nullptr || y == nullptr) {
        graphReportError(kTooFewPoints);
        return;
    }
    if (selector < 1 || selector > 2) graphReportError(kBadSelector);
    graphDrawValueLabels(x, y, n, selector);
}
