// numbers.cpp - writing numbers into texts and drawing them.
//
// Width w > 0: right-justified in w columns; w < 0: left-justified in |w| columns, the rest
// blank; w = 0: the shortest form, left-justified.  Reals are in fixed notation with the given
// number of decimals; 0 decimals keeps the point ("12.").  A number that does not fit its field
// (or a non-finite real) fills the field with '*'.  Nothing is written past the text length,
// which every field is clamped to.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "state.h"

namespace tarv {

namespace {

constexpr int kMaxDecimals = 40;

// Places the digits in a field of the given width code inside out[0..n).
void placeField(const std::string& digits, bool valid, int width, char* out, int n)
{
    if (out == nullptr || n <= 0) return;
    int limit = std::min(n, kMaxTextLength);
    std::memset(out, ' ', static_cast<size_t>(limit));
    long long w = width < 0 ? -static_cast<long long>(width) : width;
    long long field = w == 0 ? static_cast<long long>(digits.size()) : w;
    if (field > limit) field = limit;
    int f = static_cast<int>(field);
    if (!valid || static_cast<long long>(digits.size()) > field) {
        if (w == 0) f = limit;  // the shortest form overflows the whole text
        std::memset(out, '*', static_cast<size_t>(f));
        return;
    }
    int start = width > 0 ? f - static_cast<int>(digits.size()) : 0;
    std::memcpy(out + start, digits.data(), digits.size());
}

}  // namespace

void formatRealInto(float value, int width, int decimals, char* out, int n)
{
    int d = decimals < 0 ? 0 : std::min(decimals, kMaxDecimals);
    std::string digits;
    bool valid = std::isfinite(value);
    if (valid) {
        double v = value;
        int size = std::snprintf(nullptr, 0, "%.*f", d, v);
        digits.resize(static_cast<size_t>(size) + 1);
        std::snprintf(digits.data(), digits.size(), "%.*f", d, v);
        digits.resize(static_cast<size_t>(size));
        if (d == 0) digits += '.';
    }
    placeField(digits, valid, width, out, n);
}

void formatIntegerInto(int value, int width, char* out, int n)
{
    placeField(std::to_string(value), true, width, out, n);
}

}  // namespace tarv

using namespace tarv;

void kernelFormatReal(const float& value, const int& width, const int& decimals, char* text,
                      int length)
{
    formatRealInto(value, width, decimals, text, length);
    if (tracing())
        TraceLine("kernelFormatReal")
            .r(value)
            .i(width)
            .i(decimals)
            .arrow()
            .outText(text, text ? std::min(length, kMaxTextLength) : 0)
            .emit();
}

void kernelFormatInteger(const int& value, const int& width, char* text, int length)
{
    formatIntegerInto(value, width, text, length);
    if (tracing())
        TraceLine("kernelFormatInteger")
            .i(value)
            .i(width)
            .arrow()
            .outText(text, text ? std::min(length, kMaxTextLength) : 0)
            .emit();
}

// The character with the given code (0..255) followed by blanks; other codes give a blank.
void kernelFormatCharCode(const int& code, char* text, int length)
{
    int n = (text == nullptr || length <= 0) ? 0 : std::min(length, kMaxTextLength);
    if (n > 0) {
        std::memset(text, ' ', static_cast<size_t>(n));
        if (code >= 0 && code <= 255) text[0] = static_cast<char>(code);
    }
    if (tracing()) TraceLine("kernelFormatCharCode").i(code).arrow().outText(text, n).emit();
}

namespace {

// Draws the formatted number (its trailing blanks dropped) at the current point.
void drawFormatted(const char* buf, int n)
{
    while (n > 0 && buf[n - 1] == ' ') --n;
    // The control character must not turn digits into control sequences: '*' fillers are
    // doubled when '*' is the control character.
    std::string text;
    char control = state().text.control;
    for (int k = 0; k < n; ++k) {
        text += buf[k];
        if (buf[k] == control) text += control;
    }
    drawTextAtCurrentPoint(text.data(), static_cast<int>(text.size()));
}

int drawBufferLength(int width)
{
    long long w = width < 0 ? -static_cast<long long>(width) : width;
    return w == 0 ? 64 : static_cast<int>(std::min<long long>(w, 256));
}

}  // namespace

void kernelDrawRealNumber(const float& value, const int& width, const int& decimals)
{
    int n = drawBufferLength(width);
    std::string buf(static_cast<size_t>(n), ' ');
    formatRealInto(value, width, decimals, buf.data(), n);
    drawFormatted(buf.data(), n);
    if (tracing()) TraceLine("kernelDrawRealNumber").r(value).i(width).i(decimals).emit();
}

void kernelDrawIntegerNumber(const int& value, const int& width)
{
    int n = drawBufferLength(width);
    std::string buf(static_cast<size_t>(n), ' ');
    formatIntegerInto(value, width, buf.data(), n);
    drawFormatted(buf.data(), n);
    if (tracing()) TraceLine("kernelDrawIntegerNumber").i(value).i(width).emit();
}
