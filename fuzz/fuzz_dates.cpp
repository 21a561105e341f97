// fuzz_dates.cc - the date texts and the calendar: date texts read under any order code and
// separator, dates written from any day number and date words, text conversion of whole
// arrays (texts and value arrays null now and then, whatever their length or count), and date
// axes scaled between any two texts and drawn.  Besides the sanitizers it checks the calendar
// against itself: a day number taken to its date and back is the same day, on the same weekday.
#include <cstdlib>
#include <string>

#include "dates/calendar.h"
#include "dates/dates.h"
#include "frame/state.h"
#include "hostile.h"
#include "tarvcore.h"
#include "tplotlib.h"

namespace {

using namespace plotlib;
using hostile::Input;

std::string text(Input& in, size_t most = 24)
{
    std::string s(in.byte() % (most + 1), ' ');
    // Digits and separators most of the time: the texts that get furthest into the reader.
    static const char kUsual[] = "0123456789/-. 1290";
    for (char& c : s)
        c = in.byte() % 4 == 0 ? static_cast<char>(in.byte())
                               : kUsual[in.byte() % (sizeof kUsual - 1)];
    return s;
}

void checkCalendar(int dayNumber)
{
    if (dayNumber < 1 || dayNumber > kLastDayNumber) return;
    int year = 0, month = 0, day = 0, back = 0, weekday = 0, status = 1, expected = 0;
    graphDayNumberToDate(dayNumber, year, month, day);
    graphDateToDayNumber(year, month, day, back, weekday, status);
    graphWeekday(dayNumber, expected);
    if (status != 0 || back != dayNumber || weekday != expected || month < 1 || month > 12 ||
        day < 1 || day > 31)
        std::abort();
}

void parse(Input& in)
{
    const int order = in.code(1, 3);
    const char separator = static_cast<char>(in.pick<int>({'/', '-', '.', ' ', 0, in.byte()}));
    const std::string t = text(in);
    int year = 0, month = 0, day = 0, status = 0;
    graphParseDate(in.sometimesNull(t.data()), static_cast<int>(t.size()), order, separator, year,
                   month, day, status);
    float value = 0.0f;
    graphDateTextToValue(t.data(), static_cast<int>(t.size()), value, order);
    int dn = 0, weekday = 0, st = 0;
    graphDateToDayNumber(year, month, day, dn, weekday, st);
    if (st == 0) checkCalendar(dn);
}

void format(Input& in)
{
    const int dayNumber = in.byte() % 2 ? in.count() : in.code(1, kLastDayNumber);
    checkCalendar(dayNumber);
    const int order = in.code(1, 3);
    const char separator = static_cast<char>(in.byte());
    const int words[4] = {in.code(-9, 1), in.code(-9, 1), in.code(-9, 1),
                          in.pick<int>({0, 2, 4, in.count()})};
    char out[64];
    const int length = in.byte() % 65;
    graphFormatDate(dayNumber, order, separator, words, in.sometimesNull(out), length);
}

void libraryRoutines(Input& in)
{
    switch (in.byte() % 5) {
    case 0: {
        const std::string s1 = text(in, 3), s2 = text(in, 3);
        const int o1 = in.code(1, 3), o2 = in.code(1, 3);
        DATFOR(o1, in.sometimesNull(s1.data()), static_cast<int>(s1.size()), o2,
               in.sometimesNull(s2.data()), static_cast<int>(s2.size()));
        int c1 = 0, c2 = 0;
        char q1[4], q2[4];
        DATFOQ(c1, in.sometimesNull(q1), in.byte() % 5, c2, in.sometimesNull(q2), in.byte() % 5);
        break;
    }
    case 1: {
        const std::string t = text(in);
        float value = 0.0f;
        DATGRA(in.sometimesNull(t.data()), static_cast<int>(t.size()), value);
        char out[40];
        GRADAT(value, in.sometimesNull(out), in.byte() % 41);
        break;
    }
    case 2: {
        // count texts of `length` characters each, and count values.
        const int length = in.byte() % 16, count = in.backedCount(8);
        std::string texts(static_cast<size_t>(std::max(count, 1)) * std::max(length, 1), ' ');
        const std::string t = text(in, texts.size());
        texts.replace(0, t.size(), t);
        std::vector<float> values(std::max(count, 1));
        DATCON(in.sometimesNull(texts.data()), length, count, in.sometimesNull(values.data()));
        break;
    }
    case 3: {
        const int w1 = in.code(-9, 1), w2 = in.code(-9, 1), w3 = in.code(-9, 1),
                  w4 = in.pick<int>({0, 2, 4, in.count()});
        DATANN(w1, w2, w3, w4, in.code(1, 2));
        break;
    }
    default: {
        const int code = in.code(1, 3), unit = in.code(1, 5), axis = in.code(1, 2);
        const std::string a = text(in), b = text(in);
        DATSCA(code, unit, in.sometimesNull(a.data()), static_cast<int>(a.size()),
               in.sometimesNull(b.data()), static_cast<int>(b.size()), axis);
        AXIDRA(in.code(-2, 2), in.code(-1, 1), axis);
        int c = 0, u = 0;
        char first[24], last[24];
        DATSCQ(c, u, in.sometimesNull(first), in.byte() % 25, in.sometimesNull(last),
               in.byte() % 25, axis);
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    hostile::resetKernel();
    graphResetLibraryForTests();
    Input in(data, size);
    for (int step = 0; step < 8 && !in.empty(); ++step) {
        switch (in.byte() % 3) {
        case 0: parse(in); break;
        case 1: format(in); break;
        default: libraryRoutines(in);
        }
    }
    return 0;
}
