// timing.h - the check of the sample times against the rate the analysis takes from them.
#ifndef SPECVUE_ANALYSIS_TIMING_H
#define SPECVUE_ANALYSIS_TIMING_H

#include <string>

// The analysis takes its sampling rate, fs, from the first two times T[1] and T[2] alone and
// spaces the frequencies of its table by it.  A note for the console when the times of
// T[1..n] fall or are not evenly spaced (a step more than a hundredth of the first step off
// it, which times written to a few digits stay within): what was found, and that the rate was
// taken from the first two.  Empty when the times rise evenly.  `file` names the sample file.
std::string sampleTimesNote(const double* T, int n, double fs, const std::string& file);

#endif
