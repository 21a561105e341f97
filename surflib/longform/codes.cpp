// codes.cpp - pen pairs of the long forms.  Sums are saturated so that no pair, however large,
// overflows an integer.
#include "longform/codes.h"

#include <climits>

using namespace surflib;

namespace {

int band(int value, int offset)
{
    const long long sum = static_cast<long long>(value) + offset;
    return sum > INT_MAX ? INT_MAX : static_cast<int>(sum);
}

int penPair(int a, int b, int styleBand, int penBand)
{
    if (a < 0) return -1;
    if (a == 0) return b;
    if (b == 0) return band(a, styleBand);
    if (b > 0) return band(b, penBand);
    return -1;
}

}  // namespace

namespace surflib {

int surfacePenPairRuleA(int a, int b) { return penPair(a, b, 1000, 2000); }

int surfacePenPairRuleB(int a, int b) { return penPair(a, b, 2000, 1000); }

}  // namespace surflib
