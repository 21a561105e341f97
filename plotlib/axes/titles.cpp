// titles.cpp - the title beside an axis (AXNSTR): centred or at either end of the axis,
// at a given kernel coordinate across it, turned upright beside the y axis; titles of several
// lines stack away from the axis at a pitch of two character heights.
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

void AXNSTR(const char* text, int length, const float& position, const int& axis,
            const int& justification)
{
    const int j = (justification >= -1 && justification <= 1) ? justification : 0;
    const int n = (axis > 1 || axis < -1) ? 2 : 1;
    const bool positive = axis >= 0;
    graphState.graph.currentAxis = n;  // the entry sets this axis up
    GraphRoutineFrame frame("AXNSTR");

    int used = 0;
    graphMeasureText(text, length, used);
    if (used <= 0) return;
    // Width along the baseline and line count of the used text.
    float e[5] = {};
    kernelEnquireTextExtent(text, used, e[0], e[1], e[2], e[3], e[4]);
    const float w = e[0];
    const float lines = e[1];
    const CharacterAttributes& c = graphState.characters;
    const AxisTransform& t = graphTransform(n);

    float x = 0.0f, y = 0.0f;
    if (n == 1) {
        const float width = t.endX - t.startX;
        y = positive ? position + 2.0f * c.height * (lines - 1.0f) : position - c.height;
        x = t.startX + (j == 0 ? (width - w) / 2.0f : (j == 1 ? width - w : 0.0f));
    } else {
        const float upright = 90.0f;
        kernelSetCharAngle(upright);
        const float height = t.endY - t.startY;
        x = positive ? position - 2.0f * c.height * (lines - 1.0f) : position + c.height;
        y = t.startY +
            (j == 0 ? (height - w) / 2.0f : (j == 1 ? height - (w + c.width / 2.0f) : 0.0f));
    }
    kernelSetTextPosition(x, y);
    kernelDrawText(text, used);
}
