// intervals.h - nice intervals of levels and axes, the check of grid arguments, and the
// number formats of contour labels.
#ifndef SURFLIB_FRAME_INTERVALS_H
#define SURFLIB_FRAME_INTERVALS_H

namespace surflib {

void surfaceSplitPowerOfTen(float v, float& mantissa, int& exponent);
// About n intervals over [lo, hi]: first and step in units of 10^e.  n is not written back.
void surfaceChooseIntervals(float lo, float hi, int n, int& e, float& first, float& step,
                            int& decimals, int& count, int& width);
// With a given step; stepOut 0.0 when the step cannot be used (warning -42).
void surfaceChooseIntervalsByStep(float lo, float hi, float step, int& e, float& first,
                                  float& stepOut, int& decimals, int& count, int& width);
// As by step, for map frames: first is lo itself and the part of the range after the last
// whole step comes back in remainder; silent when the step cannot be used.
void surfaceChooseMapIntervals(float lo, float hi, float step, int& e, float& first, float& stepOut,
                               int& decimals, int& count, int& width, float& remainder);
void surfaceCheckGrid(int nx, float& xmin, float& xmax, int ny, float& ymin, float& ymax,
                      int& status);
void surfaceChooseNumberFormat(float level);
void surfaceNumberWidth(int e, int decimals, int width, int& code, int& decimalsOut, int& widthOut);

// The largest power of ten the kernel's reals can scale by: trunc(log10(real setting 2)).
double surfacePowerLimit();

}  // namespace surflib

#endif
