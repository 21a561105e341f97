// dateaxis.h - tick dates of date axes, for the axis drawing and the axis numbers.
#ifndef PLOTLIB_DATES_DATEAXIS_H
#define PLOTLIB_DATES_DATEAXIS_H

#include <cstdint>

namespace plotlib {

// Longest date text: weekday name, ordinal, month name and year, each with one character after
// it (9 + 1 + 4 + 1 + 9 + 1 + 4 + 1).
constexpr int kDateTextLength = 30;

// Day number `count` date units (1 ten years, 2 years, 3 months, 4 weeks, else days) after a
// day, stepped through the calendar; a day past the end of a month carries into the next.
int64_t graphAddDateUnits(int64_t dayNumber, int unit, int64_t count);

// Day number at tick `tick` (0 = the first tick, at the start of the axis) of a date axis
// after its set-up.
int64_t graphDateAxisTickDay(int axis, int tick);

}  // namespace plotlib

#endif
