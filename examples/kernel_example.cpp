// kernel_example - one picture drawn through the graphics kernel alone: lines in several
// styles, texts at angles, fills in each style, the marker symbols and the three curve kinds,
// written to kernel_example.png, .pdf, .svg and .trace in the current directory.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "tarvcore.h"

namespace {

void text(float x, float y, const char* s)
{
    kernelSetTextPosition(x, y);
    kernelDrawText(s, static_cast<int>(std::strlen(s)));
}

void picture()
{
    kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 750.0f);
    kernelSetCharSize(12.0f, 16.0f);
    kernelSetColour(1);
    text(30.0f, 710.0f, "Graphics kernel example*Nlines, text, fills, markers, curves");

    // Line styles 0..9 and widths.
    for (int s = 0; s <= 9; ++s) {
        kernelSetLineStyle(s);
        kernelSetLineWidth(s < 5 ? 0.0f : 2.0f);
        kernelSetColour(s + 1);
        kernelMovePen(30.0f, 620.0f - 15.0f * s);
        kernelDrawLineBy(300.0f, 0.0f);
    }
    kernelSetDashPattern(20.0f, 5.0f, 5.0f, 5.0f);
    kernelMovePen(30.0f, 460.0f);
    kernelDrawLineBy(300.0f, 0.0f);
    kernelSetLineStyle(0);
    kernelSetLineWidth(0.0f);

    // Fills: solid, outline and the eight hatches.
    for (int s = -1; s <= 8; ++s) {
        float x = 380.0f + 55.0f * static_cast<float>(s + 1);
        kernelFillBox(s, s + 3, x, 560.0f, x + 45.0f, 630.0f);
    }
    // A ring filled with the even-odd rule.
    const int counts[2] = {4, 4};
    const float rx[8] = {400, 560, 560, 400, 440, 520, 520, 440};
    const float ry[8] = {380, 380, 520, 520, 420, 420, 480, 480};
    kernelFillMultiPolygon(0, 4, 0, 2, counts, rx, ry);
    kernelMovePen(620.0f, 380.0f);
    const float tx[2] = {760.0f, 690.0f}, ty[2] = {380.0f, 520.0f};
    kernelFillPolygon(0, 2, 0, tx, ty, 2);

    // Markers 0..15.
    kernelSetColour(13);
    kernelSetCharSize(10.0f, 14.0f);
    for (int m = 0; m < 16; ++m) {
        kernelMovePen(40.0f + 57.0f * static_cast<float>(m), 330.0f);
        kernelDrawMarker(m);
    }

    // Curves through the same points.
    const float cx[6] = {40, 150, 260, 330, 420, 560};
    const float cy[6] = {80, 250, 120, 280, 60, 200};
    const int colours[3] = {2, 3, 4};
    kernelSetLineWidth(1.5f);
    for (int k = 0; k < 3; ++k) {
        kernelSetColour(colours[k]);
        if (k == 0) kernelDrawCurve(cx, cy, 6, 0, 0);
        if (k == 1) kernelDrawSpline(cx, cy, 6, 0, 0);
        if (k == 2) kernelDrawAkimaCurve(cx, cy, 6, 0, 0);
    }
    kernelSetColour(1);
    for (int k = 0; k < 6; ++k) {
        kernelMovePen(cx[k], cy[k]);
        kernelDrawMarker(4);
    }

    // Arcs, a full circle and turned, justified text.
    kernelSetLineWidth(0.0f);
    kernelMovePen(850.0f, 200.0f);
    kernelDrawArc(750.0f, 200.0f, 750.0f, 300.0f, 1);
    kernelSetColour(9);
    kernelMovePen(850.0f, 200.0f);
    kernelDrawArc(750.0f, 200.0f, 850.0f, 200.0f, 0);
    kernelSetColour(1);
    kernelSetCharSize(10.0f, 14.0f);
    for (int a = 0; a < 360; a += 45) {
        kernelSetCharAngle(static_cast<float>(a));
        text(750.0f, 200.0f, "    angle");
    }
    kernelSetCharAngle(0.0f);
    kernelSetTextJustification(-1);
    kernelMovePen(620.0f, 40.0f);
    kernelDrawRealNumber(3.14159f, 0, 3);
    kernelDrawText(" and *.hidden", 13);
    kernelDrawIntegerNumber(42, -4);
}

}  // namespace

int main()
{
    const char* names[4] = {"kernel_example.png", "kernel_example.pdf", "kernel_example.svg",
                            "kernel_example.trace"};
    kernelOpen();
    for (const char* name : names) {
        kernelSelectOutput(name, static_cast<int>(std::strlen(name)));
        kernelOpenDevice();
        picture();
        kernelCloseDevice();
        tarv::resetState();
        std::printf("wrote %s\n", name);
    }
    kernelClose();
    return 0;
}
