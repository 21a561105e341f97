// missing.cpp - missing values: the definition (VALMIS) and the test that polylines, markers
// and value labels apply to every point while a missing-value mode is set.
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "graphs/curves.h"
#include "tplotlib.h"

using namespace plotlib;

namespace plotlib {

bool graphIsMissingPoint(float x, float y)
{
    const MissingValueSettings& m = graphState.missing;
    const float v = (m.axis == 1) ? x : y;
    const float a = m.low, b = m.high;
    switch (m.mode) {
    case 1: return v == a || v == b;
    case 2: return v > a;
    case 3: return v >= a;
    case 4: return v < a;
    case 5: return v <= a;
    case 6: return v < a || v > b;
    case 7: return a <= v && v <= b;
    default: return false;
    }
}

}  // namespace plotlib

void VALMIS(const int& mode, const float& a, const float& b, const int& axis)
{
    GraphRoutineFrame frame("VALMIS");
    MissingValueSettings& m = graphState.missing;
    m.mode = mode;
    if (mode < 0 || mode > 7) {
        graphReportError(kBadMissingMode);
        m.mode = 0;
    }
    m.low = a;
    m.high = b;
    m.axis = axis > 1 ? 2 : 1;
}
