// dates.h - the calendar and date texts of the graph library.
//
// Dates are plotted as whole day numbers: day 1 is 13 September 1752 and every later day
// counts on in the Gregorian calendar.  The routines here turn dates into day numbers and
// back, name weekdays, read and write date texts under an order code and a separator, and lay
// out date axes (which the axis set-up calls for a negative scaling type).
#ifndef PLOTLIB_DATES_DATES_H
#define PLOTLIB_DATES_DATES_H

namespace plotlib {

// Day number of (year, month, day); weekday 1 = Monday .. 7 = Sunday.  Years 0..49 mean
// 2000..2049 and 50..99 mean 1950..1999; status 0 for a date, 1 for anything that is not one
// (then the outputs are left alone).
void graphDateToDayNumber(int year, int month, int day, int& dayNumber, int& weekday, int& status);

// Calendar date of a day number (1 and above; see dates/calendar.cpp for other values).
void graphDayNumberToDate(int dayNumber, int& year, int& month, int& day);

// Weekday of a day number, 1 = Monday .. 7 = Sunday.
void graphWeekday(int dayNumber, int& weekday);

// Reads a date text with an order code (1 day-month-year, 2 month-day-year, 3 year-month-day)
// and the separator character between its three fields.  Reports -557 for a day or month out
// of range and 557 for a text that does not fit; status is 0, -57 or 57 accordingly.  On 557
// the date read is 1 January 1900.  A null text reads as an empty one.
void graphParseDate(const char* text, int length, int orderCode, char separator, int& year,
                    int& month, int& day, int& status);

// Value (day number as a real) of a date text read with an order code and the separator of
// the texts the library reads (separator 1 of the date formats).  A text that does not fit
// reports 557 and gives 1 January 1900; fields that name no date report 557 and give 0.0.
void graphDateTextToValue(const char* text, int length, float& value, int orderCode);

// Writes the date of a day number into text[0..length-1] (blank filled) under an order code,
// a separator and the four date annotation words (weekday, day, month, year).  A day number
// that names no date gives a blank text; a null text is left unwritten.
void graphFormatDate(int dayNumber, int orderCode, char separator, const int* words, char* text,
                     int length);

// Date axis layout of the current axis (negative scaling type): chooses the unit and interval
// count, moves the ends to unit boundaries and leaves them as the axis minimum and maximum.
void graphChooseDateInterval();

}  // namespace plotlib

#endif
