// summation.h - the cosine and sine sums of the DFT and the spectrum derived from them.
#ifndef SPECVUE_ANALYSIS_SUMMATION_H
#define SPECVUE_ANALYSIS_SUMMATION_H

#include "state.h"

// The angle numerator: the single-precision 6.28318 widened to double (not 2 pi).
constexpr double kAngleNumerator = static_cast<double>(6.28318f);

// For k = kFirst..kLast: W = k * dw, A[k] = sum over i = 1..n of cos(i W) X[i], B[k] likewise
// with sin, each term formed in extended precision and each partial sum rounded to double, in
// the order i = 1..n.  X is indexed from 1, so are A and B.
//
// spectrumSumsPlain evaluates the extended-precision cosine and sine of every angle.
// spectrumSums gives the same sums much faster: it steps the angle by a rotation in extended
// precision, starts afresh from the exact cosine and sine every few steps so that the rounding
// of the rotation cannot build up, and shares the frequencies among all cores.
void spectrumSumsPlain(const double* X, int n, double dw, int kFirst, int kLast, double* A,
                       double* B);
void spectrumSums(const double* X, int n, double dw, int kLast, double* A, double* B);

// The spectrum of the samples X[1..n] (n >= 2) sampled at fs: A, B, AMP, POWER, PHASE and FREQ
// of k = 1..n/2; the other entries are left alone.  FS is set to fs.  The sums come from
// `sums` (k = 1..kLast), the fast direct summation unless told otherwise.
using SpectrumSumsFn = void (*)(const double* X, int n, double dw, int kLast, double* A, double* B);
void computeSpectrum(const double* X, int n, double fs, SpectrumSet& s,
                     SpectrumSumsFn sums = spectrumSums);

#endif
