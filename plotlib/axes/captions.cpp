// captions.cpp - the exponent caption that tells the reader the power of ten taken out of the
// numbers of an axis: "x10" with the exponent raised (style 1), the factor in digits such as
// '000 or 0.00' (style 2), a word such as "Thousand" (style 3) or a unit prefix such as
// "kilo-" (style 4).  A logarithmic axis numbered by its decades says "Log10".
#include <cstdlib>
#include <cstring>

#include "axes/annotation.h"
#include "frame/state.h"
#include "tarvcore.h"

using namespace plotlib;

namespace {

// Words and prefixes for the exponent divided by three, -5..5 (index h + 5; 0 has none).
const char* const kWords[11] = {
    "Quadrillionths", "Trillionths", "Billionths", "Millionths", "Thousandths", "",
    "Thousand",       "Million",     "Billion",    "Trillion",   "Quadrillion"};
const char* const kPrefixes[11] = {"femto-", "pico-", "nano-", "micro-", "milli-", "",
                                   "kilo-",  "mega-", "giga-", "tera-",  "peta-"};

void drawText(const char* text) { kernelDrawText(text, static_cast<int>(std::strlen(text))); }

// The factor written out: '000 for 10^3, 0.00' for 10^-3.
void drawFactorDigits(int exponent)
{
    char text[64];
    int n = 0;
    const int zeros = std::abs(exponent);
    if (exponent > 0) {
        text[n++] = '\'';
        for (int i = 0; i < zeros && n < 60; ++i) text[n++] = '0';
    } else {
        text[n++] = '0';
        text[n++] = '.';
        for (int i = 1; i < zeros && n < 60; ++i) text[n++] = '0';
        text[n++] = '\'';
    }
    kernelDrawText(text, n);
}

void drawCaption(int axis, float x, float y)
{
    const AxisSettings& s = graphAxis(axis);
    const AxisTransform& t = graphTransform(axis);
    const CharacterAttributes& c = graphState.characters;
    kernelMovePen(x, y);
    if (s.scalingType == 4) {
        if (t.labelExponent == 0) drawText("Log10");
        return;
    }
    const int e = t.labelExponent;
    if (e == 0) return;  // nothing was taken out of the numbers
    const int h = e / 3;
    const int style = s.captionStyle;
    if (style == 1 || (style >= 3 && std::abs(h) >= 6)) {
        drawText("x10");
        const float raise = 0.5f * c.height, none = 0.0f;
        kernelMovePenBy(none, raise);
        static const int layout = -4;
        kernelDrawIntegerNumber(e, layout);
    } else if (style == 2) {
        drawFactorDigits(e);
    } else if (h != 0) {
        drawText(style == 3 ? kWords[h + 5] : kPrefixes[h + 5]);
    }
}

}  // namespace

namespace plotlib {

void graphDrawXAxisCaption(float x, float y, int side)
{
    if (graphAxis(1).captionStyle <= 0) return;
    const CharacterAttributes& c = graphState.characters;
    const float f = side < 0 ? 1.5f : -2.0f;
    drawCaption(1, x - 7.0f * c.width, y + f * c.height);
}

void graphDrawYAxisCaption(float x, float y, int side)
{
    if (graphAxis(2).captionStyle <= 0) return;
    const CharacterAttributes& c = graphState.characters;
    const float g = side < 0 ? -0.5f : 2.0f;
    drawCaption(2, x - g * c.width, y + 1.5f * c.height);
}

}  // namespace plotlib
