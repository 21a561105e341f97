// errors.cpp - the library's error reporter: numbers moved away from zero by 1000 for the kernel.
#include "frame/errors.h"

#include "tarvcore.h"

namespace surflib {

void surfaceReportError(int n)
{
    // Computed wide: the shift must not overflow whatever number a routine passes.
    long long shifted =
        n >= 0 ? static_cast<long long>(n) + 1000 : static_cast<long long>(n) - 1000;
    if (shifted > 2147483647LL) shifted = 2147483647LL;
    if (shifted < -2147483647LL - 1) shifted = -2147483647LL - 1;
    const int number = static_cast<int>(shifted);
    kernelReportError(number);
}

}  // namespace surflib
