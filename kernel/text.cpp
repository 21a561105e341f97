// text.cpp - text attributes, the control sequences of a text, the character-cell metrics
// (the same on every machine) and drawing a text at the current point.
//
// A text is cut into lines by its control sequences: with control character c, "c." ends the
// text, "cc" is one literal c, "cN" (or "cn") starts a new line.  Each character advances by
// the character width; lines follow each other at twice the character height.
#include <cmath>
#include <numbers>

#include "state.h"

namespace tarv {

std::vector<std::string> textLines(const char* text, int length, char control)
{
    std::vector<std::string> lines(1);
    int n = textLength(text, length);
    for (int k = 0; k < n; ++k) {
        char c = text[k];
        if (c == control && k + 1 < n) {
            char next = text[k + 1];
            if (next == '.') break;
            if (next == control) {
                lines.back() += c;
                ++k;
                continue;
            }
            if (next == 'N' || next == 'n') {
                lines.emplace_back();
                ++k;
                continue;
            }
        }
        lines.back() += c;
    }
    return lines;
}

namespace {

struct Extent {
    double width = 0.0;  // widest line
    int lines = 1;
};

Extent measure(const std::vector<std::string>& lines)
{
    Extent e;
    size_t widest = 0;
    for (const auto& l : lines) widest = std::max(widest, l.size());
    e.width = static_cast<double>(widest) * state().text.width;
    e.lines = static_cast<int>(lines.size());
    return e;
}

}  // namespace

double justifyOffset(double lineWidth)
{
    int j = state().text.justification;
    return j < 0 ? 0.0 : (j == 0 ? -0.5 * lineWidth : -lineWidth);
}

void drawTextAtCurrentPoint(const char* text, int length)
{
    KernelState& s = state();
    std::vector<std::string> lines = textLines(text, length, s.text.control);
    if (lines.size() == 1 && lines[0].empty()) return;
    double x = s.pen.x, y = s.pen.y;
    if (deviceActive()) deviceText(lines, x, y);
    // The end of the last line on its baseline, in the text's rotated frame.
    const std::string& last = lines.back();
    double w = static_cast<double>(last.size()) * s.text.width;
    double along = justifyOffset(w) + w;
    double down = 2.0 * s.text.height * static_cast<double>(lines.size() - 1);
    double a = static_cast<double>(s.text.angle) * std::numbers::pi / 180.0;
    double ex = x + along * std::cos(a) + down * std::sin(a);
    double ey = y + along * std::sin(a) - down * std::cos(a);
    if (fitsFloat2(ex, ey)) {
        s.pen.x = static_cast<float>(ex);
        s.pen.y = static_cast<float>(ey);
    }
}

}  // namespace tarv

using namespace tarv;

void kernelSetTextPosition(const float& x, const float& y)
{
    if (finite2(x, y)) {
        state().pen.x = x;
        state().pen.y = y;
    }
    if (tracing()) TraceLine("kernelSetTextPosition").r(x).r(y).emit();
}

void kernelEnquireTextPosition(float& x, float& y, float& unused)
{
    x = state().pen.x;
    y = state().pen.y;
    unused = 0.0f;
    if (tracing()) TraceLine("kernelEnquireTextPosition").arrow().r(x).r(y).r(unused).emit();
}

void kernelDrawText(const char* text, int length)
{
    drawTextAtCurrentPoint(text, length);
    if (tracing()) TraceLine("kernelDrawText").text(text, length).emit();
}

void kernelEnquireTextExtent(const char* text, int length, float& e1, float& e2, float& e3,
                             float& e4, float& e5)
{
    const TextState& t = state().text;
    std::vector<std::string> lines = textLines(text, length, t.control);
    bool empty = lines.size() == 1 && lines[0].empty();
    if (empty) {
        e1 = e3 = e4 = e5 = 0.0f;
        e2 = 1.0f;
    } else {
        Extent e = measure(lines);
        e1 = toFloat(e.width);
        e2 = static_cast<float>(e.lines);
        e3 = toFloat((2.0 * e.lines - 1.0) * t.height);
        e4 = t.height;
        size_t widest = 0;
        for (const auto& l : lines) widest = std::max(widest, l.size());
        e5 = static_cast<float>(widest);
    }
    if (tracing())
        TraceLine("kernelEnquireTextExtent")
            .text(text, length)
            .arrow()
            .r(e1)
            .r(e2)
            .r(e3)
            .r(e4)
            .r(e5)
            .emit();
}

int kernelUsedLength(const char* text, int length)
{
    int n = textLength(text, length);
    while (n > 0 && text[n - 1] == ' ') --n;
    if (tracing()) TraceLine("kernelUsedLength").text(text, length).arrow().i(n).emit();
    return n;
}

void kernelEnquireUsedLength(const char* text, int length, int& used)
{
    int n = textLength(text, length);
    while (n > 0 && text[n - 1] == ' ') --n;
    used = n;
    if (tracing()) TraceLine("kernelEnquireUsedLength").text(text, length).arrow().i(used).emit();
}

void kernelSetControlChar(const char* text, int length)
{
    if (textLength(text, length) >= 1) state().text.control = text[0];
    else kernelDiagnostic("kernelSetControlChar", "empty text ignored");
    if (tracing()) TraceLine("kernelSetControlChar").text(text, length).emit();
}

void kernelEnquireControlChar(char* text, int length)
{
    int n = (text == nullptr || length <= 0) ? 0 : std::min(length, kMaxTextLength);
    for (int k = 0; k < n; ++k) text[k] = k == 0 ? state().text.control : ' ';
    if (tracing()) TraceLine("kernelEnquireControlChar").arrow().outText(text, n).emit();
}

void kernelEnquireTextAttributes(int& mode, float& width, float& height, int& font, int& fifth,
                                 float& angle)
{
    const TextState& t = state().text;
    mode = t.mode == 1 ? 4 : t.mode;
    width = t.width;
    height = t.height;
    font = t.font;
    fifth = t.setting196;
    angle = t.angle;
    if (tracing())
        TraceLine("kernelEnquireTextAttributes")
            .arrow()
            .i(mode)
            .r(width)
            .r(height)
            .i(font)
            .i(fifth)
            .r(angle)
            .emit();
}

void kernelSetTextMode(const int& mode)
{
    state().text.mode = mode;
    if (tracing()) TraceLine("kernelSetTextMode").i(mode).emit();
}

void kernelSetCharSize(const float& width, const float& height)
{
    if (finite2(width, height)) {
        state().text.width = width;
        state().text.height = height;
    } else {
        kernelDiagnostic("kernelSetCharSize", "non-finite size ignored");
    }
    if (tracing()) TraceLine("kernelSetCharSize").r(width).r(height).emit();
}

void kernelSetCharAngle(const float& degrees)
{
    if (std::isfinite(degrees)) state().text.angle = degrees;
    if (tracing()) TraceLine("kernelSetCharAngle").r(degrees).emit();
}

void kernelSetFont(const int& font, const int& flag)
{
    state().text.font = font;
    state().text.fontFlag = flag;
    if (tracing()) TraceLine("kernelSetFont").i(font).i(flag).emit();
}

void kernelSetTextJustification(const int& justification)
{
    state().text.justification = justification;
    if (tracing()) TraceLine("kernelSetTextJustification").i(justification).emit();
}

void kernelEnquireTextJustification(int& justification)
{
    justification = state().text.justification;
    if (tracing()) TraceLine("kernelEnquireTextJustification").arrow().i(justification).emit();
}
