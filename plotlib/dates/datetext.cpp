// datetext.cpp - reading and writing date texts.
//
// A date text has three fields of digits between two separator characters, in the order an
// order code gives (1 day-month-year, 2 month-day-year, 3 year-month-day).  Written texts are
// made of up to four parts (weekday, day, month, year), each steered by one date annotation
// word, so that axis numbers can read "25/12/99", "25th December 1999" or "Mon 03".
#include "dates/dates.h"
#include "dates/calendar.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "frame/errors.h"
#include "tarvcore.h"

using namespace plotlib;

namespace {

// Reads a field of digits; false when it holds anything else or is empty.
bool readDigits(const char* field, int length, int& value)
{
    if (length < 1) return false;
    int v = 0;
    for (int i = 0; i < length; ++i) {
        if (field[i] < '0' || field[i] > '9') return false;
        v = v * 10 + (field[i] - '0');  // at most four digits: no overflow
    }
    value = v;
    return true;
}

// Characters of a name that a negative annotation word asks for (at most the 9 of the table).
int nameLength(int word) { return word < -9 ? 9 : -word; }

bool outerFieldLength(int n) { return n == 1 || n == 2 || n == 4; }
bool middleFieldLength(int n) { return n == 1 || n == 2; }

void reportDirect(int number) { kernelReportError(number); }

}  // namespace

namespace plotlib {

void graphParseDate(const char* text, int length, int orderCode, char separator, int& year,
                    int& month, int& day, int& status)
{
    // Blanks are squeezed out of the used part of the text; a date text has at most 10
    // characters of substance (4 + 1 + 2 + 1 + 4), so a short buffer shows a misfit.
    char squeezed[16];
    int n = 0;
    if (text == nullptr) length = 0;  // a null text is an empty one
    bool tooLong = false;
    for (int i = 0; i < length; ++i) {
        if (text[i] == ' ') continue;
        if (n == static_cast<int>(sizeof squeezed)) {
            tooLong = true;
            break;
        }
        squeezed[n++] = text[i];
    }
    int fields[3] = {0, 0, 0};
    bool fits = !tooLong;
    if (fits) {
        const char* first = static_cast<const char*>(std::memchr(squeezed, separator, n));
        const char* second = nullptr;
        if (first != nullptr) {
            const int rest = n - static_cast<int>(first - squeezed) - 1;
            second = static_cast<const char*>(std::memchr(first + 1, separator, rest));
        }
        if (second == nullptr) {
            fits = false;
        } else {
            const int len1 = static_cast<int>(first - squeezed);
            const int len2 = static_cast<int>(second - first) - 1;
            const int len3 = n - static_cast<int>(second - squeezed) - 1;
            fits = outerFieldLength(len1) && middleFieldLength(len2) && outerFieldLength(len3) &&
                readDigits(squeezed, len1, fields[0]) && readDigits(first + 1, len2, fields[1]) &&
                readDigits(second + 1, len3, fields[2]);
        }
    }
    if (!fits) {
        reportDirect(graphKernelNumber(kBadDateText));
        year = 1900;
        month = 1;
        day = 1;
        status = kBadDateText;
        return;
    }
    switch (orderCode) {
    case 2: month = fields[0], day = fields[1], year = fields[2]; break;
    case 3: year = fields[0], month = fields[1], day = fields[2]; break;
    default: day = fields[0], month = fields[1], year = fields[2]; break;
    }
    status = 0;
    if (day < 1 || day > 31 || month < 1 || month > 12) {
        reportDirect(graphKernelNumber(-kBadDateText));
        status = -kBadDateText;
    }
}

void graphDateTextToValueWith(const char* text, int length, float& value, int orderCode,
                              char separator)
{
    int year = 0, month = 0, day = 0, status = 0;
    graphParseDate(text, length, orderCode, separator, year, month, day, status);
    if (status == kBadDateText) {
        value = static_cast<float>(kDay1Jan1900);
        return;
    }
    int dayNumber = 0, weekday = 0, dateStatus = 0;
    graphDateToDayNumber(year, month, day, dayNumber, weekday, dateStatus);
    if (dateStatus != 0) {
        // The fields were read but name no date (before 13 September 1752, or year 100..1751).
        reportDirect(graphKernelNumber(kBadDateText));
        value = 0.0f;
        return;
    }
    value = static_cast<float>(dayNumber);
}

namespace {

// Appends up to `count` characters of `part` to the buffer.
void put(char* buffer, int& used, const char* part, int count)
{
    std::memcpy(buffer + used, part, static_cast<size_t>(count));
    used += count;
}

void putTwoDigits(char* buffer, int& used, int value)
{
    buffer[used++] = static_cast<char>('0' + value / 10 % 10);
    buffer[used++] = static_cast<char>('0' + value % 10);
}

}  // namespace

void graphFormatDate(int dayNumber, int orderCode, char separator, const int* words, char* text,
                     int length)
{
    if (text == nullptr || length <= 0) return;
    std::memset(text, ' ', static_cast<size_t>(length));
    if (dayNumber < 1 || dayNumber > kLastDayNumber) return;  // no date: a blank text

    int year = 0, month = 0, day = 0;
    graphRawDate(dayNumber, year, month, day);
    const int weekday = graphRawWeekday(dayNumber);
    const int wWeekday = words[0], wDay = words[1], wMonth = words[2], wYear = words[3];
    const char after = (wDay > 0 && wMonth > 0 && wYear > 0) ? separator : ' ';

    // Longest text: weekday 9 + day 4 + month 9 + year 4, each with one character after it.
    char buffer[40];
    int used = 0;
    auto weekdayPart = [&] {
        if (wWeekday == 0) return;
        if (wWeekday > 0) {
            buffer[used++] = static_cast<char>('0' + weekday);
        } else {
            put(buffer, used, graphWeekdayName(weekday), nameLength(wWeekday));
        }
        buffer[used++] = ' ';
    };
    auto dayPart = [&](bool last) {
        if (wDay == 0) return;
        if (wDay > 0) {
            putTwoDigits(buffer, used, day);
        } else {
            put(buffer, used, graphDayOrdinal(day), 4);
        }
        buffer[used++] = last ? ' ' : after;
    };
    auto monthPart = [&] {
        if (wMonth == 0) return;
        if (wMonth > 0) {
            putTwoDigits(buffer, used, month);
        } else {
            put(buffer, used, graphMonthName(month), nameLength(wMonth));
        }
        buffer[used++] = after;
    };
    auto yearPart = [&](bool last) {
        if (wYear == 0) return;
        char field[8];
        std::snprintf(field, sizeof field, "%4d", year);
        if (wYear == 4) {
            put(buffer, used, field, 4);
        } else {
            put(buffer, used, field + 2, 2);
        }
        buffer[used++] = last ? ' ' : after;
    };

    switch (orderCode) {
    case 2: weekdayPart(), monthPart(), dayPart(false), yearPart(true); break;
    case 3: yearPart(false), monthPart(), dayPart(true), weekdayPart(); break;
    default: weekdayPart(), dayPart(false), monthPart(), yearPart(true); break;
    }
    std::memcpy(text, buffer, static_cast<size_t>(std::min(used, length)));
}

}  // namespace plotlib
