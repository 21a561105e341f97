// title.cpp - the graph title (GRFTTL), placed by the plot area and the measured text.
//
// Horizontal code: -1 starts the title 5 % into the area, 1 ends it 5 % before the right
// side, anything else centres it.  Vertical code: 0 centres the text box on the area,
// 1 puts it 0.2 character heights above the bottom, anything else puts the baseline
// 1.5 character heights below the top.
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

void GRFTTL(const char* text, int length, const int& horizontal, const int& vertical)
{
    GraphRoutineFrame frame("GRFTTL");
    const int used = (text == nullptr || length <= 0) ? 0 : kernelUsedLength(text, length);
    if (used <= 0) {
        graphReportError(kEmptyTitle);
        return;
    }
    // The area is taken afresh: with both axes and the pie and polar layouts placed by the
    // caller the entry does not refresh it, and a stored area may be a previous one.
    graphGetPlotArea();
    const float* area = graphState.graph.plotArea;
    const float x1 = area[0], x2 = area[1], y1 = area[2], y2 = area[3];
    float e[5] = {};
    kernelEnquireTextExtent(text, used, e[0], e[1], e[2], e[3], e[4]);

    float x = 0.0f;
    if (horizontal == -1) {
        x = x1 + 0.05f * (x2 - x1);
    } else if (horizontal == 1) {
        x = x1 + 0.95f * (x2 - x1);
        const int right = 1;
        kernelSetTextJustification(right);
    } else {
        x = (x1 + x2) / 2.0f;
        const int centre = 0;
        kernelSetTextJustification(centre);
    }

    const float ch = graphState.characters.height;
    float y = 0.0f;
    if (vertical == 0) y = (y1 + y2) / 2.0f + e[2] / 2.0f - 0.2f * ch - e[3];
    else if (vertical == 1) y = y1 + 0.2f * ch + e[2] - e[3];
    else y = y2 - 1.5f * ch;

    kernelSetTextPosition(x, y);
    kernelDrawText(text, used);
}
