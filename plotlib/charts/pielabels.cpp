// pielabels.cpp - the labels of pie segments: the caller's label text, the segment's
// percentage of the whole and its value, always in that order, written radially inside the
// segment, in boxes inside the segment, or horizontally at the end of a leader line outside
// the rim.
//
// Every label is measured first (graphLayoutPieLabel): each present part gets a length (its
// text's width plus one character width) and a height (its text's height plus a gap of 0.6
// character heights).  The radial form shrinks its characters, down to half size, to fit the
// segment; the boxed form searches the segment for a place where the block of parts, or each
// part on its own, fits, and falls back to the leader form when there is none.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "charts/pie.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"

using namespace plotlib;

namespace {

constexpr int kNumberLength = 30;
constexpr int kPercentLength = 10;

// Extents e1 (width along the baseline), e3 (height) and e4 (height above the baseline) of a
// text measured over its used length.
struct TextExtent {
    int used;
    float e1, e3, e4;
};

TextExtent measure(const char* text, int length)
{
    TextExtent t{0, 0.0f, 0.0f, 0.0f};
    if (text == nullptr || length <= 0) return t;
    t.used = kernelUsedLength(text, length);
    if (t.used <= 0) {
        t.used = 0;
        return t;
    }
    float e2 = 0.0f, e5 = 0.0f;
    kernelEnquireTextExtent(text, t.used, t.e1, e2, t.e3, t.e4, e5);
    return t;
}

// One measured label.
struct PieLabel {
    bool present[3];
    float length[3], height[3];
    float largest, totalHeight;
    const char* label;
    TextExtent text;  // the caller's label
    TextExtent tag[2];
    float percent;     // p
    int percentWidth;  // wp
    char percentText[kPercentLength];
    float shown;          // the value as the axis's digits word leaves it
    int field, decimals;  // layout code c and decimals d
    bool whole;           // drawn as an integer
    int wholeValue;
    char valueText[kNumberLength];
    TextExtent number;
};

int styleCode(const PieLabel& l)
{
    return (l.present[kPieLabelText] ? 4 : 0) + (l.present[kPiePercentage] ? 2 : 0) +
        (l.present[kPieValue] ? 1 : 0);
}

// Width code wp of a percentage: wp - 1 characters hold the share written with two decimals
// ("9.99", "99.99", "100.00").  The widest field is chosen from the share as it will be
// written, so that a share just under 100 % that rounds up to "100.00" finds room for it.
int percentWidthCode(float percent)
{
    const double written = std::round(static_cast<double>(percent) * 100.0) / 100.0;
    return percent < 9.99f ? 5 : (written < 100.0 ? 6 : 7);
}

// Texts of the value and the percentage, and the used length and extent of the label
// (graphMeasurePieLabel's share of the work).
void graphMeasurePieLabel(const char* label, int length, float value, float sweep, PieLabel& l)
{
    l.label = label;
    l.text = measure(label, length);
    l.percent = sweep / 3.6f;
    l.percentWidth = percentWidthCode(l.percent);
    // The value as a value label of the y axis formats it; the caller's value stays as it is.
    float shown = value;
    int width = 0, total = 0;
    graphFormatValueLabel(shown, width, l.decimals, total, 2);
    l.shown = shown;
    l.field = total;
    std::memset(l.valueText, ' ', kNumberLength);
    l.whole = false;
    l.wholeValue = 0;
    if (l.decimals != 0) {
        const int places = std::abs(l.decimals);
        kernelFormatReal(shown, -total, places, l.valueText, kNumberLength);
        return;
    }
    const float moved = shown >= 0.0f ? shown + 0.1f : shown - 0.1f;
    const float rounded = std::round(moved);
    if (rounded >= -2147483648.0f && rounded < 2147483648.0f) {
        l.whole = true;
        l.wholeValue = static_cast<int>(rounded);
        kernelFormatInteger(l.wholeValue, -total, l.valueText, kNumberLength);
    } else {
        // No 32-bit integer holds it: the field shows that the number does not fit.
        const int stars = std::clamp(total, 1, kNumberLength);
        std::memset(l.valueText, '*', static_cast<std::size_t>(stars));
    }
}

// Texts measured and laid out for the parts wanted.
void graphLayoutPieLabel(const char* label, int length, float value, float sweep, bool wantLabel,
                         bool wantPercent, bool wantValue, PieLabel& l)
{
    graphMeasurePieLabel(label, length, value, sweep, l);
    char field[kPercentLength];
    std::memset(field, ' ', kPercentLength);
    const int wp = l.percentWidth;
    static const int twoPlaces = 2;
    kernelFormatReal(l.percent, 1 - wp, twoPlaces, field, kPercentLength);
    std::memset(l.percentText, ' ', kPercentLength);
    std::memcpy(l.percentText, field, static_cast<std::size_t>(wp - 1));
    l.percentText[wp - 1] = '%';
    for (int k = 0; k < 2; ++k) {
        const int n = std::clamp(graphState.tags.length[k], 0, 30);
        l.tag[k] = measure(graphState.tags.tag[k], n);
    }
    l.number = measure(l.valueText, kNumberLength);
    const TextExtent percent = measure(l.percentText, wp);

    const float w = graphState.characters.width, h = graphState.characters.height;
    const float gap = 0.6f * h;
    l.present[kPieLabelText] = wantLabel && l.text.used > 0;
    l.present[kPiePercentage] = wantPercent;
    l.present[kPieValue] = wantValue;
    l.length[kPieLabelText] = l.text.e1 + w;
    l.height[kPieLabelText] = l.text.e3 + gap;
    l.length[kPiePercentage] = percent.e1 + w;
    l.height[kPiePercentage] = percent.e3 + gap;
    const TextExtent* v[3] = {&l.tag[0], &l.tag[1], &l.number};
    float below = 0.0f, above = 0.0f;
    for (const TextExtent* t : v) {
        below = std::max(below, t->e3 - t->e4);
        above = std::max(above, t->e4);
    }
    l.length[kPieValue] = l.number.e1 + l.tag[0].e1 + l.tag[1].e1 + w;
    l.height[kPieValue] = below + above + gap;
    const float absent = -4.0f * graphState.pie.radius;
    l.largest = 0.0f;
    l.totalHeight = 0.0f;
    for (int k = 0; k < 3; ++k) {
        if (!l.present[k]) {
            l.length[k] = absent;
            l.height[k] = 0.0f;
        }
        l.largest = std::max(l.largest, l.length[k]);
        l.totalHeight += l.height[k];
    }
}

void drawPercentage(const PieLabel& l)
{
    static const int twoPlaces = 2;
    kernelDrawRealNumber(l.percent, l.percentWidth - 1, twoPlaces);
    kernelDrawText("%*.", 3);
}

void drawNumber(const PieLabel& l)
{
    if (l.decimals != 0) kernelDrawRealNumber(l.shown, -l.field, std::abs(l.decimals));
    else if (l.whole) kernelDrawIntegerNumber(l.wholeValue, -l.field);
    else kernelDrawText(l.valueText, std::clamp(l.field, 1, kNumberLength));
}

void drawTag(const PieLabel& l, int k) { kernelDrawText(graphState.tags.tag[k], l.tag[k].used); }

// ---- Radial form

// Start distance d from the centre and scale k of a radial label of total length L and part
// height H in a segment of sweep S.
void radialPlacement(float sweep, float L, float H, float& d, float& k)
{
    const float r = graphState.pie.radius, w = graphState.characters.width;
    const float h = graphState.characters.height;
    const float q = (1.0f / 3.0f + 0.5f) * (H + 0.4f * h);
    const float eighth = r / 8.0f;
    const double tanHalf = std::tan(sweep / 2.0 * graphState.nice.degree);
    if (sweep <= 180.0f && tanHalf > 0.0 && q / eighth >= tanHalf) {
        d = static_cast<float>(q / tanHalf);
        k = d + L > 0.0f ? (r - w / 3.0f) / (d + L) : 1.0f;
        if (!(k >= 0.5f)) k = 0.5f;
        if (k < 1.0f) d = std::min(std::max(k * d, eighth), r + w);
    } else {
        d = eighth;
        k = L > 0.0f ? (r - w / 3.0f - eighth) / L : 1.0f;
        if (!(k >= 0.5f)) k = 0.5f;
    }
}

// ---- Boxed form

// Vertical range of the segment relative to the centre, drawn in a little at both ends.
void verticalRange(float s, float e, float sweep, const float* rim, float& top, float& bottom)
{
    const PieSettings& p = graphState.pie;
    const float r = p.radius;
    // The end as reached from the start when the segment runs round past 0.  A full turn
    // (start and end alike) crosses nothing: with the notch rule below its range closes up,
    // and its label goes beside the pie.
    const float e2 = e < s ? e + 360.0f : e;
    const float ys = rim[1] - p.centreY, ye = rim[3] - p.centreY;
    auto crosses = [&](float a) { return s < a && a < e2; };
    top = crosses(90.0f) || crosses(450.0f) ? r : std::max({ys, ye, 0.0f});
    bottom = crosses(270.0f) || crosses(630.0f) ? -r : std::min({ys, ye, 0.0f});
    if (sweep >= 270.0f) {
        // Only a notch is left out: the half away from it is used.
        if (ys > 0.0f && ye > 0.0f) top = 0.0f;
        else if (ys <= 0.0f && ye <= 0.0f) bottom = 0.0f;
        else if ((std::fabs(ys) <= std::fabs(ye) ? ys : ye) > 0.0f) bottom = 0.0f;
        else top = 0.0f;
    }
    bottom += (top - bottom) / 1000.0f;
    top -= (top - bottom) / 1000.0f;
}

// Free width at the band between heights y1 and y2 (relative to the centre) and its middle.
float bandWidth(float s, float e, float sweep, float y1, float y2, float& middle)
{
    float l1 = 0.0f, r1 = 0.0f, l2 = 0.0f, r2 = 0.0f;
    graphPieExtentAtHeight(s, e, sweep, y1, l1, r1);
    graphPieExtentAtHeight(s, e, sweep, y2, l2, r2);
    const float left = std::max(l1, l2), right = std::min(r1, r2);
    middle = (left + right) / 2.0f;
    return right - left;
}

// Where each present line goes: the middle of its top edge, relative to the centre.
struct BoxPlacement {
    float x[3], top[3];
};

// Tests the parts at block bottom `base`: as one block (each line as wide as the widest) or
// line by line; fills `place` when they fit.
bool fitsAt(const PieLabel& l, float s, float e, float sweep, float base, bool lineByLine,
            BoxPlacement& place)
{
    const float blockTop = base + l.totalHeight;
    if (!lineByLine) {
        float middle = 0.0f;
        if (!(bandWidth(s, e, sweep, base, blockTop, middle) > l.largest)) return false;
        float top = blockTop;
        for (int k = 0; k < 3; ++k) {
            place.x[k] = middle;
            place.top[k] = top;
            top -= l.height[k];
        }
        return true;
    }
    float top = blockTop;
    for (int k = 0; k < 3; ++k) {
        place.top[k] = top;
        place.x[k] = 0.0f;
        if (l.present[k]) {
            float middle = 0.0f;
            if (!(bandWidth(s, e, sweep, top - l.height[k], top, middle) > l.length[k]))
                return false;
            place.x[k] = middle;
        }
        top -= l.height[k];
    }
    return true;
}

// The first run of the 201 trial heights at which the parts fit, and the placement at the
// middle of that run.
bool searchPlace(const PieLabel& l, float s, float e, float sweep, float top, float bottom,
                 bool lineByLine, BoxPlacement& place)
{
    if (top - bottom < l.totalHeight) return false;
    const float last = top - l.totalHeight;
    const float step = (last - bottom) / 200.0f;
    BoxPlacement trial{};
    int first = -1;
    float lower = 0.0f, upper = last;
    for (int i = 0; i <= 200; ++i) {
        const float base = bottom + static_cast<float>(i) * step;
        const bool fits = fitsAt(l, s, e, sweep, base, lineByLine, trial);
        if (first < 0 && fits) {
            first = i;
            lower = base;
        } else if (first >= 0 && !fits) {
            upper = base;
            break;
        }
    }
    if (first < 0) return false;
    return fitsAt(l, s, e, sweep, (lower + upper) / 2.0f, lineByLine, place) ||
        fitsAt(l, s, e, sweep, lower, lineByLine, place);
}

// The box of line k as a further boundary of the fill buffer, and the boxes filled when they
// have a fill style.
void addBox(const PieLabel& l, int k, float x, float top)
{
    const float half = l.length[k] / 2.0f, bottom = top - l.height[k];
    const float bx[4] = {x - half, x - half, x + half, x + half};
    const float by[4] = {top, bottom, bottom, top};
    if (!graphAppendPieBoundary(bx, by, 4)) return;
    const PieSettings& p = graphState.pie;
    if (p.boxFillStyle < 0) return;
    const PolygonBuffer& b = graphState.polygon;
    static const int reserved = 0;
    kernelFillMultiPolygon(p.boxFillStyle, p.boxPen, reserved, b.boundaryCount, b.points, b.x, b.y);
}

void outlineBox(const PieLabel& l, int k, float x, float top)
{
    const float length = l.length[k], height = l.height[k];
    kernelMovePen(x - length / 2.0f, top);
    kernelDrawLineBy(0.0f, -height);
    kernelDrawLineBy(length, 0.0f);
    kernelDrawLineBy(0.0f, height);
    kernelDrawLineBy(-length, 0.0f);
}

void boxText(const PieLabel& l, int k, float x, float top)
{
    const float w = graphState.characters.width, h = graphState.characters.height;
    const float start = x - l.length[k] / 2.0f + w / 2.0f;
    if (k == kPieLabelText) {
        kernelSetTextPosition(start, top - (0.3f * h + l.text.e4));
        kernelDrawText(l.label, l.text.used);
    } else if (k == kPiePercentage) {
        kernelMovePen(start, top - 1.5f * h);
        drawPercentage(l);
    } else {
        const float base = top - (0.3f * h + std::max({l.tag[0].e4, l.tag[1].e4, h}));
        kernelSetTextPosition(start, base);
        drawTag(l, 0);
        kernelMovePen(start + l.tag[0].e1, base);
        drawNumber(l);
        kernelSetTextPosition(x + l.length[k] / 2.0f - w / 2.0f - l.tag[1].e1, base);
        drawTag(l, 1);
    }
}

// ---- Leader form

void drawLeaderParts(const PieLabel& l, float x, float y)
{
    const float w = graphState.characters.width;
    for (int k = 0; k < 3; ++k) {
        if (!l.present[k]) continue;
        if (k == kPieLabelText) {
            kernelSetTextPosition(x, y);
            kernelDrawText(l.label, l.text.used);
        } else if (k == kPiePercentage) {
            kernelMovePen(x, y);
            drawPercentage(l);
        } else {
            kernelSetTextPosition(x, y);
            drawTag(l, 0);
            kernelMovePen(x + l.tag[0].e1, y);
            drawNumber(l);
            kernelSetTextPosition(x + l.length[k] - l.tag[1].e1 - w, y);
            drawTag(l, 1);
        }
        x += l.length[k];
    }
}

}  // namespace

namespace plotlib {

void graphDrawRadialPieLabel(int outlineCode, float a1, float a2, const char* label, int length,
                             float value, int labelSwitch, int percentSwitch, int valueSwitch)
{
    if (!(std::fabs(a1 - a2) >= 0.0001f)) return;
    float sweep = 0.0f, s = 0.0f, e = 0.0f;
    graphNormalisePieAngles(a1, a2, sweep, s, e);
    const float m = static_cast<float>(std::fmod(static_cast<double>(s) + sweep / 2.0, 360.0));
    const PieSettings& p = graphState.pie;
    if (outlineCode != -1) {
        float sx = 0.0f, sy = 0.0f, ex = 0.0f, ey = 0.0f;
        graphPiePoint(s, p.radius, sx, sy);
        graphPiePoint(e, p.radius, ex, ey);
        kernelMovePen(p.centreX, p.centreY);
        kernelDrawLineTo(ex, ey);
        static const int clockwise = 0;
        if (std::fabs(m - e) >= 1e-9f) kernelDrawArc(p.centreX, p.centreY, sx, sy, clockwise);
        if (outlineCode == 1) kernelDrawLineTo(p.centreX, p.centreY);
    }
    // A segment of no sweep has no room for a label.
    if (!(sweep >= 0.0001f)) return;
    PieLabel l{};
    graphLayoutPieLabel(label, length, value, sweep, labelSwitch != 0, percentSwitch != 0,
                        valueSwitch != 0, l);
    if (labelSwitch == 2 && !l.present[kPieLabelText] && valueSwitch == 0) return;
    if (styleCode(l) == 0) return;

    float L = 0.0f, H = 0.0f;
    for (int k = 0; k < 3; ++k) {
        if (!l.present[k]) continue;
        L += l.length[k];
        H = std::max(H, l.height[k]);
    }
    float d = 0.0f, k = 1.0f;
    radialPlacement(sweep, L, H, d, k);
    const CharacterAttributes& c = graphState.characters;
    float h = c.height;
    if (k < 1.0f) {
        kernelSetCharSize(k * c.width, k * c.height);
        L *= k;
        H *= k;
        h *= k;
        for (int j = 0; j < 3; ++j) l.length[j] *= k;
        for (TextExtent& t : l.tag) t.e1 *= k;
        l.number.e1 *= k;
    }
    const bool turned = 90.0f < m && m <= 270.0f;
    const double rad = m * static_cast<double>(graphState.nice.degree);
    const double cm = std::cos(rad), sm = std::sin(rad);
    const double o = turned ? -(0.5 * H - 1.2 * h) : 0.5 * H - 1.2 * h;
    double px = p.centreX + d * cm - o * sm, py = p.centreY + d * sm + o * cm;
    double dx = cm, dy = sm;
    float angle = m;
    if (turned) {
        px += L * cm;
        py += L * sm;
        angle = m + 180.0f;
        dx = -cm;
        dy = -sm;
    }
    kernelSetTextPosition(static_cast<float>(px), static_cast<float>(py));
    kernelSetCharAngle(angle);
    auto advance = [&](float by) {
        px += by * dx;
        py += by * dy;
    };
    if (l.present[kPieLabelText]) {
        kernelDrawText(label, l.text.used);
        advance(l.length[kPieLabelText]);
    }
    if (l.present[kPiePercentage]) {
        kernelMovePen(static_cast<float>(px), static_cast<float>(py));
        drawPercentage(l);
        advance(l.length[kPiePercentage]);
    }
    if (l.present[kPieValue]) {
        kernelSetTextPosition(static_cast<float>(px), static_cast<float>(py));
        drawTag(l, 0);
        advance(l.tag[0].e1);
        kernelMovePen(static_cast<float>(px), static_cast<float>(py));
        drawNumber(l);
        advance(l.number.e1);
        kernelSetTextPosition(static_cast<float>(px), static_cast<float>(py));
        drawTag(l, 1);
    }
    kernelSetCharSize(c.width, c.height);
    kernelSetCharAngle(c.angle);
}

void graphDrawLeaderPieLabel(const char* label, int length, float s, float sweep, float value)
{
    const PieSettings& p = graphState.pie;
    const double m = std::fmod(static_cast<double>(s) + sweep / 2.0, 360.0);
    float rx = 0.0f, ry = 0.0f;
    graphPiePoint(m, p.radius, rx, ry);
    kernelMovePen(rx, ry);
    // The leader rises (falls) the steeper the nearer the middle is to straight up (down).
    const double t = std::fmod(m, 180.0), q = std::fabs(std::fmod(m, 90.0) / 90.0);
    double f = t < 90.0 ? q : 1.0 - q;
    if (m > 180.0) f = -f;
    const double rad = m * graphState.nice.degree;
    const float h = graphState.characters.height, w = graphState.characters.width;
    kernelDrawLineBy(static_cast<float>(0.2 * p.radius * std::cos(rad)),
                     static_cast<float>(0.2 * p.radius * f * std::fabs(f)));
    kernelMovePenBy(0.0f, -0.5f * h);
    float x = 0.0f, y = 0.0f, unused = 0.0f;
    kernelEnquirePenPosition(x, y, unused);
    PieLabel l{};
    graphLayoutPieLabel(label, length, value, sweep, p.labelSwitch == 1, p.percentSwitch == 1,
                        p.valueSwitch == 1, l);
    if (styleCode(l) == 0) return;
    float total = 0.0f;
    for (int k = 0; k < 3; ++k)
        if (l.present[k]) total += l.length[k];
    x = rx < p.centreX ? x - total : x + w;
    drawLeaderParts(l, x, y);
}

void graphDrawBoxedPieLabel(float a1, float a2, const char* label, int length, float value,
                            int code)
{
    if (!(std::fabs(a1 - a2) >= 0.0001f)) return;
    float sweep = 0.0f, s = 0.0f, e = 0.0f, rim[4];
    graphNormalisePieAngles(a1, a2, sweep, s, e);
    static const int noOutline = -1;
    graphDrawPieOutline(s, e, sweep, noOutline, rim);
    const PieSettings& p = graphState.pie;
    PieLabel l{};
    graphLayoutPieLabel(label, length, value, sweep, p.labelSwitch == 1, p.percentSwitch == 1,
                        p.valueSwitch == 1, l);
    const int style = styleCode(l);
    if (style == 0 || l.percent < p.labelThreshold) return;

    float top = 0.0f, bottom = 0.0f;
    verticalRange(s, e, sweep, rim, top, bottom);
    BoxPlacement place{};
    bool found = searchPlace(l, s, e, sweep, top, bottom, false, place);
    if (!found && (style == 3 || style >= 5))
        found = searchPlace(l, s, e, sweep, top, bottom, true, place);
    if (!found) {
        // A label that fits nowhere in its segment goes beside it, in every pass: box types
        // 2 and 3 write it before the fill and again after it.
        graphDrawLeaderPieLabel(label, length, s, sweep, value);
        return;
    }
    for (int k = 0; k < 3; ++k) {
        if (!l.present[k]) continue;
        const float x = p.centreX + place.x[k], lineTop = p.centreY + place.top[k];
        switch (code) {
        case 2:
        case 3: addBox(l, k, x, lineTop); break;
        case 5:
        case 7:
            outlineBox(l, k, x, lineTop);
            boxText(l, k, x, lineTop);
            break;
        case 4:
        case 6: boxText(l, k, x, lineTop); break;
        default: break;
        }
    }
}

void graphPieExtentAtHeight(float s, float e, float /*sweep*/, float y, float& left, float& right)
{
    const double r = graphState.pie.radius;
    const double c = std::sqrt(std::fabs(r * r - static_cast<double>(y) * y));
    auto xOf = [&](double a) {
        if (std::fabs(std::fmod(a, 180.0)) > 0.00001) {
            double x = std::fabs(y) * std::tan((90.0 - a) * graphState.nice.degree);
            if (std::fmod(a, 360.0) > 180.0) x = -x;
            return x;
        }
        return std::fmod(a + 0.00001, 360.0) < 0.00002 ? r : -r;
    };
    auto upper = [](double a) { return (a >= 0.0 && a < 180.0) || (a >= 360.0 && a < 540.0); };
    const bool us = upper(s), ue = upper(e), above = y >= 0.0f;
    const bool wraps = s > e;
    double l = -c, rr = c;
    if (us == ue && us != above) {
        l = -c;
        rr = c;
    } else if (us == ue) {
        if (above) {
            l = wraps ? -c : std::max(xOf(e), -c);
            rr = std::min(xOf(s), c);
        } else {
            l = std::max(xOf(s), -c);
            rr = wraps ? c : std::min(xOf(e), c);
        }
    } else if (us == above) {
        if (above) {
            l = -c;
            rr = std::min(xOf(s), c);
        } else {
            l = std::max(xOf(s), -c);
            rr = c;
        }
    } else {
        if (above) {
            l = std::max(xOf(e), -c);
            rr = c;
        } else {
            l = -c;
            rr = std::min(xOf(e), c);
        }
    }
    left = static_cast<float>(l);
    right = static_cast<float>(rr);
}

}  // namespace plotlib
