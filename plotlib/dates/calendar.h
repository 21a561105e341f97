// calendar.h - calendar helpers shared by the date routines (beyond the routines of dates.h).
#ifndef PLOTLIB_DATES_CALENDAR_H
#define PLOTLIB_DATES_CALENDAR_H

#include <cstdint>

namespace plotlib {

// The day number of 31 December 9999, the last date a four-digit year can write.
constexpr int kLastDayNumber = 3012264;
// The day number of 1 January 1900, the date read from a text that is not a date.
constexpr int kDay1Jan1900 = 53801;

// Exact day number of a date (no year rule, no validity test; months outside 1..12 and days
// outside the month count on), and the date of any day number.
int64_t graphRawDayNumber(int64_t year, int64_t month, int64_t day);
void graphRawDate(int64_t dayNumber, int& year, int& month, int& day);
int graphRawWeekday(int64_t dayNumber);

// Whole day number of a graph value, truncated toward zero; 0 when the value names no date
// (not finite, below 1 or beyond kLastDayNumber).
int graphDayNumberFromValue(double value);

// Name tables: month and weekday names padded to 9 characters, day ordinals of 4 characters
// (" 1st" .. "31st").  Out-of-range numbers give blanks of the same width.
const char* graphMonthName(int month);
const char* graphWeekdayName(int weekday);
const char* graphDayOrdinal(int day);

// Date text to value with an explicit order code and separator (graphDateTextToValue takes
// the separator from the date formats).
void graphDateTextToValueWith(const char* text, int length, float& value, int orderCode,
                              char separator);

}  // namespace plotlib

#endif
