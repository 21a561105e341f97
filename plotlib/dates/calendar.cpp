// calendar.cpp - day numbers, calendar dates and weekdays.
//
// Day 1 is 13 September 1752, the first day of the Gregorian calendar in the British
// calendar act; every later day counts on with a leap year every fourth year except in
// century years not divisible by 400.  The arithmetic works on a March-based year so that the
// leap day falls at the end of the year.  Internally the formulas are kept exact (64-bit,
// floor division) for any day number, so that date axes may move an end before day 1 without
// undefined results; only the exported conversion tests that a date is a real one.
#include "dates/dates.h"
#include "dates/calendar.h"
#include "frame/state.h"

#include <cstdint>
#include <limits>

using namespace plotlib;

namespace {

// Division and remainder rounding toward minus infinity, so that days before the epoch of the
// formulas still land in the right year, month and weekday.
int64_t floorDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

int64_t floorMod(int64_t a, int64_t b) { return a - floorDiv(a, b) * b; }

}  // namespace

namespace plotlib {

int64_t graphRawDayNumber(int64_t year, int64_t month, int64_t day)
{
    // Months beyond December (or before January) count on into the next (previous) years.
    year += floorDiv(month - 1, 12);
    month = floorMod(month - 1, 12) + 1;
    // March-based year: January and February belong to the year before.
    int64_t y = year, m = month - 3;
    if (month <= 2) {
        y = year - 1;
        m = month + 9;
    }
    // For years from 1600 on this equals C x 36524 + (C - 16) / 4 + R x 365 + R / 4 + ...
    // with C = y / 100 and R = y mod 100; the floor form extends it to every year.
    return 365 * y + floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400) +
        floorDiv(153 * m + 2, 5) + day - 640101;
}

void graphRawDate(int64_t dayNumber, int& year, int& month, int& day)
{
    const int64_t t = dayNumber + 55712;    // days since 1 March 1600
    const int64_t q = floorDiv(t, 146097);  // whole 400-year cycles
    const int64_t r = floorMod(t, 146097);
    int64_t c = r / 36524;
    if (c > 3) c = 3;  // the last day of a 400-year cycle
    const int64_t e = r - c * 36524;
    const int64_t f4 = e / 1461;
    int64_t f = e % 1461 + 1;
    int64_t g = (f - 1) / 365;
    if (g > 3) g = 3;  // 29 February ends a 4-year run
    f -= g * 365;      // day of the March-based year, from 1
    int64_t y = 1600 + 400 * q + 100 * c + 4 * f4 + g;
    const int64_t k = (5 * f - 3) / 153;
    const int64_t d = f - (153 * k + 2) / 5;
    int64_t m = k + 3;
    if (k > 9) {
        m = k - 9;
        ++y;
    }
    // Years beyond the int range cannot come from a 32-bit day number.
    year = static_cast<int>(y);
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

int graphRawWeekday(int64_t dayNumber) { return static_cast<int>(floorMod(dayNumber + 1, 7)) + 1; }

void graphDateToDayNumber(int year, int month, int day, int& dayNumber, int& weekday, int& status)
{
    int y = year;
    if (y < 1752) {
        if (y >= 50 && y <= 99) {
            y += 1900;
        } else if (y >= 0 && y <= 49) {
            y += 2000;
        } else {
            status = 1;
            return;
        }
    }
    const int64_t n = graphRawDayNumber(y, month, day);
    if (n <= 0 || n > std::numeric_limits<int>::max()) {
        status = 1;
        return;
    }
    status = 0;
    dayNumber = static_cast<int>(n);
    weekday = graphRawWeekday(n);
}

void graphDayNumberToDate(int dayNumber, int& year, int& month, int& day)
{
    graphRawDate(dayNumber, year, month, day);
}

void graphWeekday(int dayNumber, int& weekday) { weekday = graphRawWeekday(dayNumber); }

int graphDayNumberFromValue(double value)
{
    // Truncation toward zero, but only of values that can name a date: anything else
    // (not finite, below day 1, beyond 31 December 9999) gives 0, "no date".
    if (!(value >= 1.0) || value >= static_cast<double>(kLastDayNumber) + 1.0) return 0;
    return static_cast<int>(value);
}

const char* graphMonthName(int month)
{
    return (month >= 1 && month <= 12) ? GraphConstants::monthNames[month - 1] : "         ";
}

const char* graphWeekdayName(int weekday)
{
    return (weekday >= 1 && weekday <= 7) ? GraphConstants::weekdayNames[weekday - 1] : "         ";
}

const char* graphDayOrdinal(int day)
{
    return (day >= 1 && day <= 31) ? GraphConstants::ordinals[day - 1] : "    ";
}

}  // namespace plotlib
