// Tests of the calendar: day numbers and back, weekdays, the two-digit year rule, the name
// tables, and date texts read and written under every order code and annotation word.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "dates/calendar.h"
#include "dates/dates.h"
#include "support/plot_fixture.h"

using namespace plotlib;

namespace {

struct DateCase {
    int year, month, day;
    int status, dayNumber, weekday;
};

TEST(CalendarTest, DayNumbersWeekdaysAndTheYearRule)
{
    const DateCase cases[] = {
        {1752, 9, 13, 0, 1, 3},                                 // the first day, a Wednesday
        {1752, 9, 12, 1, 0, 0},                                 // the day before is no date
        {1900, 1, 1, 0, 53801, 1},                              // a Monday
        {2000, 1, 1, 0, 90325, 6},                              // a Saturday
        {1756, 2, 29, 0, 1265, 7},                              // the first leap day counted
        {1756, 3, 1, 0, 1266, 1},   {1900, 3, 1, 0, 53860, 4},  // 1900 is no leap year: 28 February is day 53859
        {2000, 2, 29, 0, 90384, 2},                             // 2000 is one
        {99, 12, 25, 0, 91, 0},                                 // two-digit years: filled in below
        {49, 1, 1, 0, 0, 0},        {50, 1, 1, 0, 0, 0},       {0, 6, 15, 0, 0, 0},
        {1751, 12, 31, 1, 0, 0},  // below 1752 and not two digits
        {100, 1, 1, 1, 0, 0},       {-1, 1, 1, 1, 0, 0},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.day));
        int n = -7, w = -7, status = -7;
        graphDateToDayNumber(c.year, c.month, c.day, n, w, status);
        EXPECT_EQ(status, c.status);
        if (c.status != 0) {
            EXPECT_EQ(n, -7);  // nothing computed for a non-date
            continue;
        }
        if (c.year < 100) {
            // Years 0..49 are 2000..2049, 50..99 are 1950..1999.
            const int full = c.year < 50 ? 2000 + c.year : 1900 + c.year;
            int n4 = 0, w4 = 0, s4 = 0;
            graphDateToDayNumber(full, c.month, c.day, n4, w4, s4);
            EXPECT_EQ(n, n4);
            EXPECT_EQ(w, w4);
            continue;
        }
        EXPECT_EQ(n, c.dayNumber);
        EXPECT_EQ(w, c.weekday);
    }
}

// Every date from day 1 to 31 December 9999 converts back to its day number, and consecutive
// days are consecutive calendar dates.
TEST(CalendarTest, DayNumberToDateIsTheInverseOverTheWholeRange)
{
    static const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int y = 1752, m = 9, d = 13, weekday = 3;
    for (int n = 1; n <= kLastDayNumber; ++n) {
        int year = 0, month = 0, day = 0;
        graphDayNumberToDate(n, year, month, day);
        if (year != y || month != m || day != d) {
            FAIL() << "day " << n << " gave " << year << "-" << month << "-" << day << ", expected "
                   << y << "-" << m << "-" << d;
        }
        int back = 0, w = 0, status = 1;
        graphDateToDayNumber(year, month, day, back, w, status);
        if (status != 0 || back != n || w != weekday) FAIL() << "day " << n << " back " << back;
        // Next calendar day.
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        const int length = m == 2 && leap ? 29 : monthDays[m - 1];
        if (++d > length) d = 1, ++m;
        if (m > 12) m = 1, ++y;
        weekday = weekday % 7 + 1;
    }
    EXPECT_EQ(y, 10000);
}

// Day numbers before day 1 (a date axis may move an end there) still give whole, consistent
// dates and weekdays.
TEST(CalendarTest, DaysBeforeTheFirstStayConsistent)
{
    for (int64_t n = -200000; n <= 1; n += 997) {
        int y = 0, m = 0, d = 0;
        graphRawDate(n, y, m, d);
        ASSERT_GE(m, 1);
        ASSERT_LE(m, 12);
        ASSERT_GE(d, 1);
        ASSERT_LE(d, 31);
        EXPECT_EQ(graphRawDayNumber(y, m, d), n);
        const int w = graphRawWeekday(n);
        EXPECT_GE(w, 1);
        EXPECT_LE(w, 7);
    }
    int y = 0, m = 0, d = 0;
    graphRawDate(-1, y, m, d);  // Monday 11 September 1752, where a week axis may start
    EXPECT_EQ(y * 10000 + m * 100 + d, 17520911);
    EXPECT_EQ(graphRawWeekday(-1), 1);
}

TEST(CalendarTest, ValuesThatNameNoDateGiveDayZero)
{
    const double cases[][2] = {
        {1.9, 1},   {3012264.5, 3012264}, {0.99, 0},
        {-5.0, 0},  {3012265.0, 0},       {1e30, 0},
        {-1e30, 0}, {std::nan(""), 0},    {std::numeric_limits<double>::infinity(), 0}};
    for (const auto& c : cases) EXPECT_EQ(graphDayNumberFromValue(c[0]), c[1]) << c[0];
}

TEST(CalendarTest, NameTablesAndOrdinals)
{
    EXPECT_STREQ(graphMonthName(1), "January  ");
    EXPECT_STREQ(graphMonthName(9), "September");
    EXPECT_STREQ(graphWeekdayName(3), "Wednesday");
    EXPECT_STREQ(graphWeekdayName(7), "Sunday   ");
    const std::pair<int, const char*> ordinals[] = {
        {1, " 1st"},  {2, " 2nd"},  {3, " 3rd"},  {4, " 4th"},  {11, "11th"}, {12, "12th"},
        {13, "13th"}, {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {31, "31st"}};
    for (const auto& o : ordinals) EXPECT_STREQ(graphDayOrdinal(o.first), o.second);
    // Numbers outside the tables give blanks, never a read past them.
    for (int bad : {0, 13, -1, 1000}) EXPECT_STREQ(graphMonthName(bad), "         ");
    for (int bad : {0, 8}) EXPECT_STREQ(graphWeekdayName(bad), "         ");
    for (int bad : {0, 32}) EXPECT_STREQ(graphDayOrdinal(bad), "    ");
}

struct FormatCase {
    int order;
    char separator;
    int words[4];
    const char* text;
};

// 25 December 1999 (a Saturday) and 3 January 2005 (a Monday) under the order codes and words.
TEST(DateTextTest, FormatsEveryPartUnderEveryOrderCode)
{
    int christmas = 0, newYear = 0, w = 0, s = 0;
    graphDateToDayNumber(1999, 12, 25, christmas, w, s);
    graphDateToDayNumber(2005, 1, 3, newYear, w, s);
    const FormatCase cases[] = {
        {1, '/', {0, 1, 1, 2}, "25/12/99 "},
        {2, '/', {0, 1, 1, 2}, "12/25/99 "},
        {3, '/', {0, 1, 1, 2}, "99/12/25 "},
        {1, '-', {0, 1, 1, 4}, "25-12-1999 "},
        {3, '.', {1, 1, 1, 4}, "1999.12.25 6 "},
        {1, '/', {-3, 1, 1, 2}, "Sat 25/12/99 "},
        {1, '/', {-9, -1, -9, 4}, "Saturday  25th December  1999 "},
        {2, '/', {0, -1, -3, 0}, "Dec 25th "},
        {1, '/', {1, 0, 1, 2}, "6 12 99 "},
        {1, '/', {0, 0, 0, 0}, ""},
    };
    for (const FormatCase& c : cases) {
        char text[40];
        graphFormatDate(christmas, c.order, c.separator, c.words, text, 40);
        const std::string expected =
            std::string(c.text) + std::string(40 - std::strlen(c.text), ' ');
        EXPECT_EQ(std::string(text, 40), expected);
    }
    const int words[4] = {-2, -1, -9, 2};
    char text[30];
    graphFormatDate(newYear, 1, '/', words, text, 30);
    EXPECT_EQ(std::string(text, 30), "Mo  3rd January   05 " + std::string(9, ' '));
    // A short field takes what fits; a day that is no date gives blanks.
    graphFormatDate(christmas, 1, '/', words, text, 5);
    EXPECT_EQ(std::string(text, 5), "Sa 25");
    for (int bad : {0, -3, kLastDayNumber + 1}) {
        graphFormatDate(bad, 1, '/', words, text, 30);
        EXPECT_EQ(std::string(text, 30), std::string(30, ' '));
    }
}

class DateReadingTest : public PlotLibraryTest {};

struct ParseCase {
    const char* text;
    int order;
    int year, month, day;
    int status;
};

TEST_F(DateReadingTest, ReadsFieldsAndReportsTextsThatDoNotFit)
{
    const ParseCase cases[] = {
        {"25/12/99", 1, 99, 12, 25, 0},
        {"1/2/2003", 1, 2003, 2, 1, 0},
        {"12/25/1999", 2, 1999, 12, 25, 0},
        {"2003/02/01", 3, 2003, 2, 1, 0},
        {" 2 5 / 1 2 / 9 9  ", 1, 99, 12, 25, 0},  // blanks squeezed out
        {"0025/12/99", 1, 99, 12, 25, 0},          // outer fields of 4
        {"32/12/99", 1, 99, 12, 32, -57},          // out of range: values stay
        {"25/13/99", 1, 99, 13, 25, -57},
        {"00/00/00", 1, 0, 0, 0, -57},
        {"25-12-99", 1, 1900, 1, 1, 57},  // wrong separator
        {"25/12", 1, 1900, 1, 1, 57},
        {"25/12/199", 1, 1900, 1, 1, 57},  // 3-character outer field
        {"25/123/99", 1, 1900, 1, 1, 57},
        {"025/12/99", 1, 1900, 1, 1, 57},
        {"2a/12/99", 1, 1900, 1, 1, 57},  // not a digit
        {"25/12/99/1", 1, 1900, 1, 1, 57},
        {"//", 1, 1900, 1, 1, 57},
        {"", 1, 1900, 1, 1, 57},
        {"1234567890123456789/1/1", 1, 1900, 1, 1, 57},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        tarv::errorLogClear();
        int y = -1, m = -1, d = -1, status = -1;
        graphParseDate(c.text, static_cast<int>(std::strlen(c.text)), c.order, '/', y, m, d,
                       status);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(y, c.year);
        EXPECT_EQ(m, c.month);
        EXPECT_EQ(d, c.day);
        const std::vector<int> expected =
            c.status == 0 ? std::vector<int>{} : std::vector<int>{c.status > 0 ? 557 : -557};
        EXPECT_EQ(errors(), expected);
    }
}

}  // namespace
