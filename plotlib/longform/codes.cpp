// codes.cpp - pairs of codes with a remembered value, and the pair cases shared by the graph
// and chart long forms.  The remembered values live in the library's state block and last
// for the whole process.
#include "longform/codes.h"

#include "frame/state.h"

namespace plotlib {

static_assert(kPairSlotCount <= static_cast<int>(sizeof graphState.work.longFormPair /
                                                 sizeof graphState.work.longFormPair[0]),
              "every pair slot needs its remembered value");

const LongFormPairCase longFormGraphTypeCases[4] = {{kpAxisScaling1, kpAxisScaling1, 0},
                                                    {kpAxisScaling4, kpAxisScaling1, 1},
                                                    {kpAxisScaling4, kpAxisScaling4, -1},
                                                    {kpAxisScaling1, kpAxisScaling4, 2}};

const LongFormPairCase longFormBarTypeCases[4] = {{kpAxisScaling5, kpAxisScaling1, 1},
                                                  {kpAxisScaling5, kpAxisScaling4, -1},
                                                  {kpAxisScaling1, kpAxisScaling5, 2},
                                                  {kpAxisScaling4, kpAxisScaling5, -2}};

namespace {

bool codeMatches(long long wanted, int given)
{
    return wanted == kLongFormAnyCode || wanted == given;
}

}  // namespace

int longFormPairValue(LongFormPairSlot slot, const LongFormPairCase* cases, int caseCount,
                      int first, int second)
{
    int& remembered = graphState.work.longFormPair[slot];
    for (int i = 0; i < caseCount; ++i) {
        if (codeMatches(cases[i].first, first) && codeMatches(cases[i].second, second)) {
            remembered = cases[i].value;
            break;
        }
    }
    return remembered;
}

}  // namespace plotlib
