// dateaxis.cpp - set-up of date axes: unit choice, ends on unit boundaries, interval count,
// and the dates of the ticks.
//
// A date axis keeps its ends as day numbers.  Units are 1 ten years, 2 years, 3 months,
// 4 weeks, 5 days; a month axis with room to spare is drawn as a day axis (unit -3) with the
// months marked by longer ticks.  The unit the caller asked for is kept apart from the unit
// drawn, so that every set-up derives the drawing unit afresh.  Ticks stand at whole units
// from the earlier end, stepped through the calendar (a month axis puts every tick on the
// first of a month, although months differ in length).
#include <cmath>
#include <cstdint>

#include "dates/calendar.h"
#include "dates/dateaxis.h"
#include "dates/dates.h"
#include "frame/state.h"

using namespace plotlib;

namespace {

constexpr int kTenYears = 1, kYears = 2, kMonths = 3, kWeeks = 4, kDays = 5;

struct Ymd {
    int year, month, day;
};

Ymd dateOf(int64_t dayNumber)
{
    Ymd d{};
    graphRawDate(dayNumber, d.year, d.month, d.day);
    return d;
}

int64_t floorDiv10(int64_t v) { return v >= 0 ? v / 10 : -((-v + 9) / 10); }

// Length of one character across the axis direction used for room tests: the width on x,
// the height on y.
float characterAlong(int axis)
{
    const CharacterAttributes& c = graphState.characters;
    return axis == 1 ? c.width : c.height;
}

// Unit chosen for a span of days on an axis: months when a day has no room for a date text,
// weeks when it has a little, days when it has plenty; years and decades when even a month
// (30 days) or a year (350 days) has none.
int chooseUnit(int64_t days, int axis)
{
    const AxisSettings& s = graphAxis(axis);
    const int64_t n = days < 1 ? 1 : days;
    const double perDay = static_cast<double>(s.length) / static_cast<double>(n);
    const double angle = static_cast<double>(s.attr6) * GraphConstants::degree;
    const double turn = axis == 1 ? std::cos(angle) : std::sin(angle);
    const double room = (1.0 + turn) * 5.0 * characterAlong(axis);
    int unit = perDay < room ? kMonths : (perDay < 1.5 * room ? kWeeks : kDays);
    if (30.0 * perDay < room) unit = kYears;
    if (350.0 * perDay < room) unit = kTenYears;
    return unit;
}

// The first end back to the start of its unit, the last forward to the next boundary unless
// it lies on one.  A week axis from the automatic choice keeps the first date's weekday.
void moveToBoundaries(int64_t& first, int64_t& last, int unit, bool keepWeekday)
{
    const Ymd f = dateOf(first), l = dateOf(last);
    switch (unit) {
    case kTenYears:
        first = graphRawDayNumber(floorDiv10(f.year) * 10, 1, 1);
        if (!(l.month == 1 && l.day == 1 && l.year % 10 == 0)) {
            last = graphRawDayNumber((floorDiv10(l.year) + 1) * 10, 1, 1);
        }
        break;
    case kYears:
        first = graphRawDayNumber(f.year, 1, 1);
        if (!(l.month == 1 && l.day == 1)) last = graphRawDayNumber(l.year + 1, 1, 1);
        break;
    case kMonths:
        first = graphRawDayNumber(f.year, f.month, 1);
        if (l.day != 1) last = graphRawDayNumber(l.year, l.month + 1, 1);
        break;
    case kWeeks:
        if (!keepWeekday) first -= graphRawWeekday(first) - 1;  // back to Monday
        while (graphRawWeekday(last) != graphRawWeekday(first)) ++last;
        break;
    default: break;
    }
}

// Whole units from the first date to the last (date units 1..5).
int64_t unitsBetween(int64_t first, int64_t last, int unit)
{
    const Ymd f = dateOf(first), l = dateOf(last);
    switch (unit) {
    case kTenYears: return (static_cast<int64_t>(l.year) - f.year) / 10;
    case kYears: return static_cast<int64_t>(l.year) - f.year;
    case kMonths: return 12 * (static_cast<int64_t>(l.year) - f.year) + l.month - f.month;
    case kWeeks: return (last - first) / 7;
    default: return last - first;
    }
}

// Whole units from the first date up to or past the last (scaling code 3).
int64_t unitsCovering(int64_t first, int64_t last, int unit)
{
    int64_t k = unitsBetween(first, last, unit);
    if (k < 0) k = 0;
    while (k > 0 && graphAddDateUnits(first, unit, k - 1) >= last) --k;
    while (graphAddDateUnits(first, unit, k) < last) ++k;
    return k;
}

// Day number of a graph value on a date axis, clamped to a span that keeps the calendar
// arithmetic meaningful (a little beyond the dates a text can name, either side).
int64_t wholeDay(double value)
{
    const double limit = 2.0 * kLastDayNumber;
    if (!(value > -limit)) return static_cast<int64_t>(-limit);
    if (!(value < limit)) return static_cast<int64_t>(limit);
    return static_cast<int64_t>(value);
}

}  // namespace

namespace plotlib {

int64_t graphAddDateUnits(int64_t dayNumber, int unit, int64_t count)
{
    switch (unit) {
    case kTenYears:
    case kYears:
    case kMonths: {
        const Ymd d = dateOf(dayNumber);
        if (unit == kMonths) return graphRawDayNumber(d.year, d.month + count, d.day);
        const int64_t years = unit == kYears ? count : 10 * count;
        return graphRawDayNumber(d.year + years, d.month, d.day);
    }
    case kWeeks: return dayNumber + 7 * count;
    default: return dayNumber + count;
    }
}

void graphChooseDateInterval()
{
    const int axis = graphAxisNumber(graphState.graph.currentAxis);
    AxisSettings& s = graphAxis(axis);
    AxisTransform& t = graphTransform(axis);
    int code = -s.scalingType;
    if (code < 1 || code > 3) code = 1;

    // 1. Ends in order, as whole days.
    const bool reversed = s.minimum > s.maximum;
    int64_t first = wholeDay(reversed ? s.maximum : s.minimum);
    int64_t last = wholeDay(reversed ? s.minimum : s.maximum);

    // 2. The unit: chosen from the room a day has, or the one the caller asked for.
    int unit = s.dateUnitAsked;
    if (unit < 1 || unit > 5) unit = (s.dateUnit >= 1 && s.dateUnit <= 5) ? s.dateUnit : kDays;
    int64_t count = 0;
    if (code == 1) {
        // Moving the ends outward can leave less room per day than the choice assumed; the
        // unit is chosen again until it holds, so that every later set-up of the axis lands
        // on the same layout.
        unit = chooseUnit(last - first, axis);
        int64_t f = first, l = last;
        for (int pass = 0; pass < 5; ++pass) {
            f = first, l = last;
            moveToBoundaries(f, l, unit, true);
            const int again = chooseUnit(l - f, axis);
            if (again == unit) break;
            unit = again;
        }
        first = f, last = l;
        count = unitsBetween(first, last, unit);
    } else if (code == 2) {
        moveToBoundaries(first, last, unit, false);
        count = unitsBetween(first, last, unit);
    } else {
        count = unitsCovering(first, last, unit);
        last = graphAddDateUnits(first, unit, count);
    }
    if (count < 1) {
        // Both ends on one date: the axis spans one unit from it.
        count = 1;
        last = graphAddDateUnits(first, unit, 1);
    }

    // 3. A month axis with room for more than 15 characters per month is drawn by days.
    if (unit == kMonths) {
        const double perMonth = static_cast<double>(s.length) / static_cast<double>(count);
        if (perMonth > 15.0 * characterAlong(axis)) {
            unit = -kMonths;
            count = last - first;
        }
    }

    // 4. Interval count, step and ends in the caller's order.
    s.dateUnit = unit;
    s.intervalCount = static_cast<int>(count);
    const float low = static_cast<float>(first), high = static_cast<float>(last);
    const float step = static_cast<float>(static_cast<double>(last - first) / count);
    s.minimum = reversed ? high : low;
    s.maximum = reversed ? low : high;
    s.step = reversed ? -step : step;
    t.direction = reversed ? -1.0f : 1.0f;
    t.dateStart = t.labelStart = s.minimum;
    t.dateStep = t.labelStep = s.step;
    t.labelExponent = 0;
    t.labelDecimals = 0;
    t.minorFirst = t.minorStep = t.minorLast = 0;
    // Width of the numbers: the date text of the first tick.
    char text[kDateTextLength];
    const DateFormatSettings& fmt = graphState.dateFormat;
    graphFormatDate(static_cast<int>(first), fmt.order2, fmt.separator2, s.dateWords, text,
                    kDateTextLength);
    int width = kDateTextLength;
    while (width > 0 && text[width - 1] == ' ') --width;
    t.labelWidth = width;
}

int64_t graphDateAxisTickDay(int axis, int tick)
{
    const AxisSettings& s = graphAxis(axis);
    const AxisTransform& t = graphTransform(axis);
    const int64_t earliest = wholeDay(s.minimum < s.maximum ? s.minimum : s.maximum);
    const int64_t fromEarliest = t.direction < 0.0f ? s.intervalCount - tick : tick;
    return graphAddDateUnits(earliest, s.dateUnit < 0 ? kDays : s.dateUnit, fromEarliest);
}

}  // namespace plotlib
