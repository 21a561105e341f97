// labels.cpp - texts at the ticks of an axis: the layout that both the axis numbers and the
// caller's label strings go through (first label, labels left out or characters shrunk when
// they crowd, text angle), the placement of one label under the justification attributes,
// and the label routines AXISTR and AXLSTR.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "axes/annotation.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

struct Extent {
    float width, lines, height, above, fifth;
};

Extent measure(const char* text, int length)
{
    Extent e{};
    kernelEnquireTextExtent(text, length, e.width, e.lines, e.height, e.above, e.fifth);
    return e;
}

const char* labelAt(const char* labels, int length, int64_t number)
{
    return labels + (number - 1) * static_cast<int64_t>(length);
}

// A date axis drawn by days has its texts a month apart: the room of one text is 30 ticks.
double roomFactor(const AxisSettings& s)
{
    return s.scalingType < 0 && s.dateUnit == -3 ? 30.0 : 1.0;
}

// Room a label of width e1 and block height e3 takes along the axis when turned by theta.
double need(int axis, double theta, const Extent& e)
{
    const double w = e.width, h = e.height;
    if (axis == 1) {
        return std::fabs(std::sin(theta)) * h +
            std::min(w, std::fabs(std::cos(theta) * h * std::tan(std::numbers::pi / 2 - theta)));
    }
    return std::fabs(std::cos(theta)) * h +
        std::min(w, std::fabs(std::sin(theta) * h * std::tan(theta)));
}

int signOf(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

}  // namespace

namespace plotlib {

int graphTrimmedLength(const char* text, int length)
{
    while (length > 0 && text[length - 1] == ' ') --length;
    return length;
}

void graphLayOutAxisLabels(const char* labels, int length, int count, int tickCount, int side,
                           int axis)
{
    // A null array is no texts at all, as a length of 0 is.
    if (count <= 0 || length <= 0 || labels == nullptr) return;
    const int d = graphAxisNumber(axis);
    const AxisSettings& s = graphAxis(d);
    const AxisTransform& t = graphTransform(d);
    const CharacterAttributes& c = graphState.characters;

    // First label: attribute 3 (at least 1), one further on for every blank text at the
    // start of the array.
    int64_t first = std::max(s.attr3, 1);
    for (int64_t i = 1; i <= count && graphTrimmedLength(labelAt(labels, length, i), length) == 0;
         ++i) {
        ++first;
    }
    int64_t skip = s.attr4 >= 0 ? s.attr4 : 0;
    if (skip > tickCount) skip = tickCount;

    const double theta = static_cast<double>(s.attr6) * GraphConstants::degree;
    if (s.attr4 < 0 || s.attr9 == 1) {
        // The widest need of the labels that would be drawn against the room between them.
        double largest = 0.0;
        for (int64_t i = first; i <= count; i += skip + 1) {
            const char* text = labelAt(labels, length, i);
            const int used = graphTrimmedLength(text, length);
            if (used == 0) continue;
            largest = std::max(largest, need(d, theta, measure(text, used)));
        }
        const double room = std::fabs(static_cast<double>(t.tickSpacing)) * roomFactor(s) *
            static_cast<double>(skip + 1);
        if (room < largest) {
            if (s.attr4 < 0) {
                // Leave out enough labels between two drawn ones; with no room at all only
                // the first is drawn.
                const double k = room > 0.0 ? std::trunc(largest / room) : tickCount;
                skip = static_cast<int64_t>(std::min(k, static_cast<double>(tickCount)));
            } else {
                const float ratio = static_cast<float>(room / largest);
                const float w = c.width * ratio, h = c.height * ratio;
                kernelSetCharSize(w, h);  // the frame gives the caller's size back at exit
            }
        }
    }

    const float angle = s.attr6, upright = 0.0f;
    kernelSetCharAngle(angle);
    const int64_t step = skip + 1;
    for (int64_t i = first; i <= tickCount; i += step) {
        const char* text = labelAt(labels, length, (i - 1) % count + 1);
        const int used = graphTrimmedLength(text, length);
        if (used == 0) continue;
        graphPlaceAxisLabel(text, used, static_cast<int>(i), side, d);
    }
    kernelSetCharAngle(upright);
}

void graphPlaceAxisLabel(const char* text, int length, int tick, int side, int axis)
{
    const int d = graphAxisNumber(axis);
    const AxisSettings& s = graphAxis(d);
    const AxisTransform& t = graphTransform(d);
    const double height = graphState.characters.height;
    const int sgn = signOf(side);
    const double theta = static_cast<double>(s.attr6) * GraphConstants::degree;

    // 1. Justification codes; 2 is resolved by the side and the axis.
    int across = s.attr7, along = s.attr8;
    if (across == 2) across = (d == 1 && sgn > 0) ? -1 : 1;
    if (along == 2) along = d == 1 ? 0 : (sgn < 0 ? 1 : -1);

    // 2-3. Anchor across and along the axis.
    const double acrossAt = s.attr1 == 1
        ? static_cast<double>(s.attr2)
        : (d == 1 ? t.startY - sgn * 2.0 * t.halfChar[0] : t.startX + sgn * 2.0 * t.halfChar[1]);
    double alongAt = static_cast<double>(tick - 1) * t.tickSpacing + t.firstTick;

    // 4. Extent of the text.
    const Extent e = measure(text, length);

    // 5. Shift along the axis by a fraction of the tick spacing.
    alongAt += static_cast<double>(t.tickSpacing) * s.attr5[d - 1] * roomFactor(s);
    double x = d == 1 ? alongAt : acrossAt;
    double y = d == 1 ? acrossAt : alongAt;

    // 6. Across the baseline: hang below the anchor, centre on it or stand on it.
    double by = 0.0;
    if (across < 0) {
        by = height;
    } else if (across == 0) {
        by = e.above - (e.height - height / 2.0) / 2.0;
    } else {
        by = e.above - (e.height - height / 2.0);
    }
    x += by * std::sin(theta);
    y -= by * std::cos(theta);

    // 7. Along the baseline: centred, ending at the anchor, or starting there.
    const double back = along == 0 ? e.width / 2.0 : (along > 0 ? e.width : 0.0);
    x -= back * std::cos(theta);
    y -= back * std::sin(theta);

    const float px = static_cast<float>(x), py = static_cast<float>(y);
    kernelSetTextPosition(px, py);
    kernelDrawText(text, length);
}

}  // namespace plotlib

void AXISTR(const char* labels, int length, const int& count, const int& side, const int& axis)
{
    const int n = graphAxisNumber(axis);
    graphState.graph.currentAxis = n;
    const int sgn = signOf(side);
    GraphRoutineFrame frame("AXISTR");
    if (sgn != 0 && count > 0) {
        graphLayOutAxisLabels(labels, length, count, graphTransform(n).tickCount, sgn, n);
    }
}

void AXLSTR(const char* labels, int length, const int& count, const float& position,
            const int& orientation)
{
    const int n = (orientation == 1 || orientation == -1) ? 1 : 2;
    graphState.graph.currentAxis = n;
    GraphRoutineFrame frame("AXLSTR");
    if (count <= 0 || length <= 0 || labels == nullptr) return;
    const AxisTransform& t = graphTransform(n);
    const double height = graphState.characters.height;

    // The widest label and the most lines any label has.
    double widest = 0.0, lines = 0.0;
    for (int i = 1; i <= count; ++i) {
        const char* text = labelAt(labels, length, i);
        const int used = graphTrimmedLength(text, length);
        if (used == 0) continue;
        const Extent e = measure(text, used);
        widest = std::max(widest, static_cast<double>(e.width));
        lines = std::max(lines, static_cast<double>(e.lines));
    }
    if (widest <= 0.0) return;

    // Labels on every s-th tick, so that each has the room it needs along the axis.
    const double needed = n == 1 ? widest : lines * height;
    const double spacing = std::fabs(static_cast<double>(t.tickSpacing));
    const double every = spacing > 0.0 ? std::trunc(needed / spacing + 0.99999) : t.tickCount;
    const int64_t s =
        std::max<int64_t>(1, static_cast<int64_t>(std::min<double>(every, t.tickCount + 1.0)));
    const int64_t drawn = (t.tickCount + s - 1) / s;
    for (int64_t j = 0; j < drawn; ++j) {
        const int64_t tick = j * s;
        const char* text = labelAt(labels, length, tick % count + 1);
        const int used = graphTrimmedLength(text, length);
        if (used == 0) continue;
        const Extent e = measure(text, used);
        const double p = static_cast<double>(tick) * t.tickSpacing + t.firstTick;
        double x = 0.0, y = 0.0;
        if (n == 1) {
            x = p - e.width / 2.0;
            y = orientation < 0 ? position - height : position + 2.0 * height * (e.lines - 1.0);
        } else {
            x = orientation < 0 ? position - widest : position;
            y = p + 2.0 * height * (e.lines - 1.0);
        }
        const float px = static_cast<float>(x), py = static_cast<float>(y);
        kernelSetTextPosition(px, py);
        kernelDrawText(text, used);
    }
}
