// Tests of the date routines: formats, conversions, date annotation words and the scaling
// and set-up of date axes.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "axes/pen_replay.h"
#include "dates/dates.h"
#include "support/plot_fixture.h"

using namespace plotlib;

namespace {

using Lines = std::vector<std::string>;

int dayNumber(int y, int m, int d)
{
    int n = 0, w = 0, s = 0;
    graphDateToDayNumber(y, m, d, n, w, s);
    return n;
}

class DateRoutinesTest : public PlotLibraryTest {
protected:
    static float toValue(const char* text)
    {
        float v = -1.0f;
        DATGRA(text, static_cast<int>(std::strlen(text)), v);
        return v;
    }
    static std::string toText(float value)
    {
        char text[20];
        GRADAT(value, text, 20);
        return std::string(text, 20);
    }
    static std::string padded(const std::string& s, size_t n = 20)
    {
        return s + std::string(n - s.size(), ' ');
    }
    struct Scaling {
        int type, count;
        float minimum, maximum;
    };
    static Scaling scaling(int axis)
    {
        Scaling s{};
        AXSENQ(s.type, s.count, s.minimum, s.maximum, axis);
        return s;
    }
    static void dateAxis(int code, int unit, const char* first, const char* last,
                         float length = 800.0f)
    {
        AXIPOS(1, 100.0f, 100.0f, length, 1);
        DATSCA(code, unit, first, static_cast<int>(std::strlen(first)), last,
               static_cast<int>(std::strlen(last)), 1);
    }
};

TEST_F(DateRoutinesTest, FormatsAreStoredCheckedAndEnquired)
{
    DATFOR(3, "-", 1, 2, ".", 1);
    int c1 = 0, c2 = 0;
    char s1 = ' ', s2 = ' ';
    DATFOQ(c1, &s1, 1, c2, &s2, 1);
    EXPECT_EQ(c1 * 10 + c2, 32);
    EXPECT_EQ(std::string({s1, s2}), "-.");
    EXPECT_FLOAT_EQ(toValue("1999-12-25"), dayNumber(1999, 12, 25));
    EXPECT_TRUE(errors().empty());

    // Bad codes become 1 with one warning; an empty separator text keeps the separator.
    DATFOR(0, "", 0, 4, "x", 1);
    DATFOQ(c1, &s1, 1, c2, &s2, 1);
    EXPECT_EQ(c1 * 10 + c2, 11);
    EXPECT_EQ(std::string({s1, s2}), "-x");
    ASSERT_EQ(tarv::errorLog().size(), 1u);
    EXPECT_EQ(tarv::errorLog()[0].number, -555);
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpSetDateFormat(DATFOR)");
}

TEST_F(DateRoutinesTest, DateTextsAndValuesConvertBothWays)
{
    const float christmas = toValue("25/12/99");
    EXPECT_FLOAT_EQ(christmas, dayNumber(1999, 12, 25));
    EXPECT_EQ(toText(christmas), padded("25/12/99"));
    EXPECT_EQ(toText(christmas + 0.9f), padded("25/12/99"));  // truncated to the day
    // The words of the x axis steer the text; those of y do not.
    DATANN(-3, 1, 1, 4, 2);
    EXPECT_EQ(toText(christmas), padded("25/12/99"));
    DATANN(-3, 1, 1, 4, 1);
    EXPECT_EQ(toText(christmas), padded("Sat 25/12/1999"));
    EXPECT_TRUE(errors().empty());

    // Values that are no date give a blank text.
    for (float bad : {0.0f, -3.0f, 1e30f, -1e30f, std::numeric_limits<float>::quiet_NaN()})
        EXPECT_EQ(toText(bad), std::string(20, ' ')) << bad;

    char texts[] = "1/1/1900  25/12/99  13/9/1752 ";
    float values[3] = {0.0f, 0.0f, 0.0f};
    DATCON(texts, 10, 3, values);
    EXPECT_FLOAT_EQ(values[0], 53801.0f);
    EXPECT_FLOAT_EQ(values[1], christmas);
    EXPECT_FLOAT_EQ(values[2], 1.0f);
    EXPECT_TRUE(errors().empty());
}

// A text that does not fit is read as 1 January 1900; one whose fields name no date gives 0.
TEST_F(DateRoutinesTest, BadDateTextsReportAndGiveDefinedValues)
{
    struct Case {
        const char* text;
        float value;
        int error;
    };
    const Case cases[] = {
        {"junk", 53801.0f, 557},     {"1/1/1700", 0.0f, 557},
        {"12/9/1752", 0.0f, 557},    {"1/1/0100", 0.0f, 557},
        {"25/12/9a", 53801.0f, 557}, {"32/1/00", static_cast<float>(dayNumber(2000, 2, 1)), -557}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        startLog();
        EXPECT_FLOAT_EQ(toValue(c.text), c.value);
        ASSERT_EQ(tarv::errorLog().size(), 1u);
        EXPECT_EQ(tarv::errorLog()[0].number, c.error);
        EXPECT_EQ(tarv::errorLog()[0].routine, "kpConvertDateToGraph(DATGRA)");
    }
}

// A null input text reads as an empty one (a text naming no date: 557 and 1 January 1900), a
// null separator leaves the separator alone, and a null output text or value array is never
// written, whatever the length or count says.
TEST_F(DateRoutinesTest, NullTextsReadAsEmptyAndAreNeverWritten)
{
    const auto values = [](std::initializer_list<float> v) {
        std::string out;
        for (float f : v) out += std::to_string(static_cast<long>(f)) + " ";
        return out;
    };
    struct Case {
        const char* call;
        std::function<std::string()> run;  // the outputs that the call leaves
        std::string result;
        std::vector<int> errors;
    };
    const Case cases[] = {
        {"DATFOR",
         [] {
             DATFOR(2, nullptr, 1, 3, nullptr, 4);
             int c1 = 0, c2 = 0;
             char s[2] = {' ', ' '};
             DATFOQ(c1, &s[0], 1, c2, &s[1], 1);
             return std::to_string(c1 * 10 + c2) + std::string(s, 2);
         },
         "23//",
         {}},
        {"DATFOQ",
         [] {
             int c1 = 0, c2 = 0;
             DATFOQ(c1, nullptr, 1, c2, nullptr, 5);
             return std::to_string(c1 * 10 + c2);
         },
         "11",
         {}},
        {"DATGRA",
         [&] {
             float v = -1.0f;
             DATGRA(nullptr, 8, v);
             return values({v});
         },
         "53801 ",
         {557}},
        {"GRADAT",
         [] {
             GRADAT(90325.0f, nullptr, 20);
             return std::string();
         },
         "",
         {}},
        {"DATCON texts",
         [&] {
             float v[3] = {-1.0f, -1.0f, -1.0f};
             DATCON(nullptr, 10, 3, v);
             return values({v[0], v[1], v[2]});
         },
         "53801 53801 53801 ",
         {557, 557, 557}},
        {"DATCON values",
         [] {
             DATCON("25/12/99", 8, 1, nullptr);
             return std::string();
         },
         "",
         {}},
        {"DATSCA",
         [&] {
             AXIPOS(1, 100.0f, 100.0f, 800.0f, 1);
             DATSCA(3, 5, nullptr, 8, "11/1/1900", 9, 1);
             const Scaling s = scaling(1);
             return values({s.minimum, s.maximum, static_cast<float>(s.count)});
         },
         "53801 53811 10 ",
         {557}},
        {"DATSCQ",
         [] {
             dateAxis(2, 5, "1/1/99", "13/1/99");
             int code = 0, unit = 0;
             char last[10];
             DATSCQ(code, unit, nullptr, 10, last, 10, 1);
             DATSCQ(code, unit, nullptr, 10, nullptr, 10, 1);
             return std::to_string(code * 10 + unit) + std::string(last, 10);
         },
         "2513/01/99  ",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        graphResetLibraryForTests();
        startLog();
        EXPECT_EQ(c.run(), c.result);
        EXPECT_EQ(errors(), c.errors);
    }
}

TEST_F(DateRoutinesTest, AnnotationWordsCorrectOnlyTheBadOnes)
{
    DATANN(-3, 7, -2, 3, 2);
    EXPECT_EQ(errors(), (std::vector<int>{-555}));
    int w[4];
    DATANQ(w[0], w[1], w[2], w[3], 2);
    EXPECT_EQ(std::vector<int>(w, w + 4), (std::vector<int>{-3, 1, -2, 2}));
    DATANQ(w[0], w[1], w[2], w[3], 1);
    EXPECT_EQ(std::vector<int>(w, w + 4), (std::vector<int>{0, 1, 1, 2}));
    // Only 2 names the y axis: 3 sets the words of x.
    DATANN(1, -1, -9, 4, 3);
    DATANQ(w[0], w[1], w[2], w[3], 1);
    EXPECT_EQ(std::vector<int>(w, w + 4), (std::vector<int>{1, -1, -9, 4}));
}

TEST_F(DateRoutinesTest, DateScalingCodesUnitsAndEqualDates)
{
    dateAxis(2, 5, "25/12/99", "25/12/99");
    // Equal dates are scaled as given, so the empty range warns of its interval count and
    // its width (kernel numbers); the axis then spans ten days from the first.
    EXPECT_EQ(errors(), (std::vector<int>{-519, -520}));
    for (const tarv::ErrorRecord& r : tarv::errorLog())
        EXPECT_EQ(r.routine, "kpSetDateAxesScaling(DATSCA)");
    const float first = dayNumber(1999, 12, 25);
    Scaling s = scaling(1);
    EXPECT_EQ(s.type, -2);
    EXPECT_FLOAT_EQ(s.minimum, first);
    EXPECT_FLOAT_EQ(s.maximum, first + 10.0f);
    EXPECT_EQ(s.count, 10);

    startLog();
    dateAxis(7, 9, "1/1/99", "1/2/99");
    EXPECT_EQ(errors(), (std::vector<int>{-518, -556}));
    int code = 0, unit = 0;
    char a[12], b[12];
    DATSCQ(code, unit, a, 12, b, 12, 1);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(unit, 5);
    EXPECT_EQ(std::string(a, 12), "01/01/99    ");
}

struct AxisCase {
    int code, unit;
    const char* first;
    const char* last;
    float length;
    int minimum[3], maximum[3];  // year, month, day
    int count;
};

// Ends moved to unit boundaries (code 2), whole units from the first date (code 3), and the
// automatic unit (code 1) from the room one day has on the axis.
TEST_F(DateRoutinesTest, DateAxisEndsAndIntervalCounts)
{
    const AxisCase cases[] = {
        {2, 3, "12/1/99", "15/4/99", 60.0f, {1999, 1, 1}, {1999, 5, 1}, 4},
        {2, 3, "12/1/99", "1/4/99", 60.0f, {1999, 1, 1}, {1999, 4, 1}, 3},
        {2, 2, "12/1/1999", "2/1/2003", 60.0f, {1999, 1, 1}, {2004, 1, 1}, 5},
        {2, 1, "5/6/1987", "1/1/2003", 60.0f, {1980, 1, 1}, {2010, 1, 1}, 3},
        {2, 4, "1/1/99", "13/1/99", 800.0f, {1998, 12, 28}, {1999, 1, 18}, 3},  // Mondays
        {2, 5, "1/1/99", "13/1/99", 800.0f, {1999, 1, 1}, {1999, 1, 13}, 12},
        {3, 2, "15/3/90", "1/1/93", 800.0f, {1990, 3, 15}, {1993, 3, 15}, 3},
        {3, 3, "15/1/99", "1/3/99", 60.0f, {1999, 1, 15}, {1999, 3, 15}, 2},
        {3, 3, "31/1/99", "1/3/99", 60.0f, {1999, 1, 31}, {1999, 3, 3}, 1},  // 31 February
        {3, 4, "1/1/99", "15/1/99", 800.0f, {1999, 1, 1}, {1999, 1, 15}, 2},
        {3, 4, "1/1/99", "16/1/99", 800.0f, {1999, 1, 1}, {1999, 1, 22}, 3},
        {1, 5, "1/1/99", "6/1/99", 800.0f, {1999, 1, 1}, {1999, 1, 6}, 5},       // days
        {1, 5, "1/1/99", "8/1/99", 800.0f, {1999, 1, 1}, {1999, 1, 8}, 1},       // a week
        {1, 5, "3/2/95", "7/7/99", 800.0f, {1995, 1, 1}, {2000, 1, 1}, 5},       // years
        {1, 5, "3/2/1901", "7/7/1999", 800.0f, {1900, 1, 1}, {2000, 1, 1}, 10},  // decades
        // Years at first, but whole years leave too little room: decades, on every set-up.
        {1, 5, "3/2/1991", "7/7/1998", 800.0f, {1990, 1, 1}, {2000, 1, 1}, 1},
    };
    for (const AxisCase& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " .. " + c.last + " code " + std::to_string(c.code) +
                     " unit " + std::to_string(c.unit));
        dateAxis(c.code, c.unit, c.first, c.last, c.length);
        const Scaling s = scaling(1);
        EXPECT_EQ(s.type, -c.code);
        EXPECT_FLOAT_EQ(s.minimum, dayNumber(c.minimum[0], c.minimum[1], c.minimum[2]));
        EXPECT_FLOAT_EQ(s.maximum, dayNumber(c.maximum[0], c.maximum[1], c.maximum[2]));
        EXPECT_EQ(s.count, c.count);
        // A second set-up finds the same layout.
        const Scaling again = scaling(1);
        EXPECT_EQ(again.count, s.count);
        EXPECT_FLOAT_EQ(again.minimum, s.minimum);
        EXPECT_FLOAT_EQ(again.maximum, s.maximum);
    }
}

// A month axis drawn by days keeps the unit its caller asked for: the next set-up (every
// drawing routine makes one) derives the same layout again.
TEST_F(DateRoutinesTest, MonthAxisDrawnByDaysKeepsTheCallersUnit)
{
    dateAxis(2, 3, "1/1/99", "1/3/99");
    AXIDRA(1, 1, 1);
    const Lines first = calls();
    int code = 0, unit = 0;
    char a[10], b[10];
    DATSCQ(code, unit, a, 10, b, 10, 1);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(unit, 3);
    EXPECT_EQ(std::string(b, 10), "01/03/99  ");
    startLog();
    AXIDRA(1, 1, 1);
    const Lines second = calls();
    EXPECT_EQ(drawnTexts(second), (Lines{"01/01/99", "01/02/99", "01/03/99"}));
    // The line and three month ticks; the other days are ticks of zero length.
    int drawn = 0, empty = 0;
    for (const Segment& s : replayLines(second))
        (s.x0 == s.x1 && s.y0 == s.y1 ? empty : drawn) += 1;
    EXPECT_EQ(drawn, 4);
    EXPECT_EQ(empty, 57);
}

TEST_F(DateRoutinesTest, DateAxisOnYNumbersItsTicksToTheLeft)
{
    AXIPOS(1, 100.0f, 100.0f, 300.0f, 2);
    DATSCA(2, 5, "1/1/99", 6, "3/1/99", 6, 2);
    startLog();
    AXIDRA(-1, -1, 2);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"01/01/99", "02/01/99", "03/01/99"}));
    // Ending one character width left of the line, centred on the ticks.
    EXPECT_EQ(callsOf("kernelSetTextPosition")[1], "kernelSetTextPosition 10 245");
}

TEST_F(DateRoutinesTest, ReversedDateAxisNumbersFromTheLaterDate)
{
    dateAxis(2, 5, "4/1/99", "1/1/99", 300.0f);
    const Scaling s = scaling(1);
    EXPECT_FLOAT_EQ(s.minimum, dayNumber(1999, 1, 4));
    EXPECT_FLOAT_EQ(s.maximum, dayNumber(1999, 1, 1));
    startLog();
    AXIDRA(1, 1, 1);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"04/01/99", "03/01/99", "02/01/99", "01/01/99"}));
}

// Ends moved before the first day of the calendar keep a regular layout; ticks that name no
// date stay without a number.
TEST_F(DateRoutinesTest, DateAxisReachingBeforeTheCalendarStaysDefined)
{
    dateAxis(2, 1, "13/9/1752", "1/1/1779");
    const Scaling s = scaling(1);
    EXPECT_EQ(s.count, 3);
    EXPECT_LT(s.minimum, 1.0f);
    startLog();
    AXIDRA(1, 1, 1);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"01/01/60", "01/01/70", "01/01/80"}));
    dateAxis(2, 4, "15/9/1752", "20/9/1752");
    EXPECT_FLOAT_EQ(scaling(1).minimum, -1.0f);  // Monday 11 September 1752
    startLog();
    AXIDRA(1, 1, 1);
    EXPECT_EQ(drawnTexts(calls()), (Lines{"18/09/52", "25/09/52"}));
}

}  // namespace
