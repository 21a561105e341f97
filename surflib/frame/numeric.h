// numeric.h - single precision from wider arithmetic without undefined conversions: a finite
// value beyond the float range becomes an infinity of its sign.
#ifndef SURFLIB_FRAME_NUMERIC_H
#define SURFLIB_FRAME_NUMERIC_H

#include <cfloat>
#include <cmath>

namespace surflib {

inline float surfaceNarrow(double v)
{
    if (std::isfinite(v) && std::fabs(v) > static_cast<double>(FLT_MAX)) {
        return v > 0.0 ? INFINITY : -INFINITY;
    }
    return static_cast<float>(v);
}

}  // namespace surflib

#endif
