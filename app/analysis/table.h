// table.h - the lines of the result table.
#ifndef SPECVUE_ANALYSIS_TABLE_H
#define SPECVUE_ANALYSIS_TABLE_H

#include <string>

// The title (console and file) and the heading (file only), without line ends.
extern const char* const kTableTitle;
extern const char* const kTableHeading;

// A value in fixed notation right-aligned in `width` columns with `decimals` decimals; a value
// too wide for the field, or not a finite number, fills the field with asterisks.
std::string fixedField(double value, int width, int decimals);

// One 75-column line: index, frequency, amplitude, power, phase.
std::string tableLine(int k, double freq, double amp, double power, double phase);

#endif
