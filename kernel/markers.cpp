// markers.cpp - marker symbols at the current point: 0 dot, 1 plus, 2 asterisk, 3 circle,
// 4 cross, 5 square, 6 triangle, 7 diamond, then filled and further forms.  The size follows
// the character height; the current point stays where it is.
#include "state.h"

using namespace tarv;

void kernelDrawMarker(const int& symbol)
{
    if (tracing()) TraceLine("kernelDrawMarker").i(symbol).emit();
    if (symbol < 0 || !deviceActive()) return;
    deviceMarker(state().pen.x, state().pen.y, symbol);
}
