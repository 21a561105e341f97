// mapframe.cpp - map frames of gridded and network contour maps: the map area and its
// MapTransform, the frame scale settings, the box, the four tick bands with axis numbers, the
// axis titles, the contour height and step lines and the plot title.
//
// A frame is laid out in axis units: each axis gets nice intervals over the map window
// (values first, first + step, ... in units of 10^exponent) and the map area spans count
// whole intervals.  A frame scale of the caller (CONSCA) either sets the tick step in map
// units or lets the area span the window exactly with ticks from its lower end; a scale that
// cannot be applied leaves the automatic intervals with warning -42.
#include "grid/mapframe.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/picture_fit.h"
#include "frame/routine_frame.h"
#include "frame/state.h"

using namespace surflib;

namespace {

constexpr int kNoPower = 9999;
constexpr int kRequestedIntervals = 10;
constexpr int kMaxTicks = 32000;  // more intervals than any picture can show
constexpr float kLeastPartialInterval = 0.01f;

struct TickAxisMode {
    bool scaleInForce;
    bool annotated;
    float scale;
    float factor;
};
TickAxisMode tickModes[3];

float cw() { return surfaceState.digitWidth; }
float ch() { return surfaceState.charHeight; }

// Width of a text as the kernel measures it; false when it cannot be measured.
bool measure(const char* text, int length, float& width)
{
    int status = 0;
    float r2 = 0.0f, r3 = 0.0f, height = 0.0f;
    width = 0.0f;
    if (length <= 0) return true;
    const int control = 1;
    surfaceMeasureText(text, length, status, width, r2, r3, height, control);
    return status == 0;
}

void drawText(float x, float y, const char* text, int length)
{
    if (length <= 0) return;
    const int control = 1;  // a "*" in the library's captions is drawn as it stands
    surfaceDrawText(x, y, text, length, control);
}

const char* titleText(int index) { return surfaceState.titles.titles[index - 1]; }
int titleLength(int index)
{
    return std::clamp(surfaceState.titles.lengths[index - 1], 0, kSurfaceAxisTitleChars);
}

// ---- Layout ---------------------------------------------------------------------------------

// The map area before any scale: the CONBND rectangle, or the picture less the margins.
SurfaceFrameArea chooseArea(bool& equalScale)
{
    const SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    SurfaceFrameArea a{};
    if (surfaceFlagOn(c.mapFrameSet)) {
        a.x = c.mapFrame[0];
        a.w = c.mapFrame[1] - c.mapFrame[0];
        a.y = c.mapFrame[2];
        a.h = c.mapFrame[3] - c.mapFrame[2];
        equalScale = false;
        return a;
    }
    a.x = s.plotX1 + 10.0f * cw();
    a.y = s.plotY1 + 10.0f * ch();
    a.w = s.plotWidth - 20.0f * cw();
    a.h = s.plotHeight - 16.0f * ch();
    if (surfaceFlagOn(s.fillKeyOn)) a.w -= 15.0f * cw();
    return a;
}

// Nice intervals over the window; false when they give the area no usable scale.
bool chooseAxis(SurfaceFrameAxis& a)
{
    surfaceChooseIntervals(a.lo, a.hi, kRequestedIntervals, a.exponent, a.first, a.step, a.decimals,
                           a.count, a.width);
    a.factor = surfaceNarrow(std::pow(10.0, a.exponent));
    const double span = static_cast<double>(a.count) * a.step;
    const double scale = a.length / span;
    if (!std::isfinite(scale) || scale == 0.0 || a.factor == 0.0f) return false;
    a.scale = surfaceNarrow(scale);
    a.scaleApplied = false;
    return true;
}

// The test every frame scale passes: factor^2 * length / (|scale| * s) below the kernel's
// largest integer.
bool scaleRatioFits(const SurfaceFrameAxis& a, float s)
{
    const double ratio = static_cast<double>(a.factor) * a.factor * a.length /
        (std::fabs(static_cast<double>(a.scale)) * s);
    return std::isfinite(ratio) && ratio < static_cast<double>(surfaceState.integerSetting4);
}

// Scale by intervals: the area spans the window exactly, ticks every s map units from its
// lower end.  False when the scale cannot be applied.
bool applyIntervalScale(SurfaceFrameAxis& a, float s)
{
    if (!scaleRatioFits(a, s)) return false;
    int e = 0, decimals = 0, count = 0, width = 0;
    float first = 0.0f, step = 0.0f, remainder = 0.0f;
    surfaceChooseMapIntervals(a.lo, a.hi, s, e, first, step, decimals, count, width, remainder);
    if (!(std::fabs(step) > surfaceState.eps)) return false;
    const double span = static_cast<double>(count) * step + remainder;
    const double scale = a.length / span;
    if (!std::isfinite(scale) || scale == 0.0) return false;
    a.exponent = e;
    a.factor = surfaceNarrow(std::pow(10.0, e));
    a.first = first;
    a.step = step;
    a.decimals = decimals;
    a.count = count;
    a.width = width;
    a.scale = surfaceNarrow(scale);
    a.scaleApplied = true;
    return true;
}

// Scale by a tick step: the intervals stay, the ticks come every s map units.
bool applyStepScale(SurfaceFrameAxis& a, float s)
{
    if (!scaleRatioFits(a, s)) return false;
    const double step = std::fabs(static_cast<double>(s) / a.factor);
    const double interval = std::fabs(a.scale * step);
    if (!(interval > 0.0) || a.length / interval > kMaxTicks) return false;
    a.step = surfaceNarrow(std::copysign(step, static_cast<double>(a.step)));
    a.scaleApplied = true;
    return true;
}

// Equal scale: one map unit spans the same picture length on both axes; the area shrinks
// along the other axis and keeps its lower-left corner.
void equaliseScales(SurfaceFrameAxis& x, SurfaceFrameAxis& y, SurfaceFrameArea& area)
{
    const double rx = static_cast<double>(x.scale) / x.factor;
    const double ry = static_cast<double>(y.scale) / y.factor;
    if (std::fabs(rx) <= std::fabs(ry)) {
        area.h = surfaceNarrow(std::fabs(rx) * area.h / std::fabs(ry));
        y.scale =
            surfaceNarrow(std::copysign(y.factor * std::fabs(rx), static_cast<double>(y.scale)));
        y.length = area.h;
    } else {
        area.w = surfaceNarrow(std::fabs(ry) * area.w / std::fabs(rx));
        x.scale =
            surfaceNarrow(std::copysign(x.factor * std::fabs(ry), static_cast<double>(x.scale)));
        x.length = area.w;
    }
}

// The number format of one axis: the caller's format (on, width, decimals, exponent; 9999 no
// exponent) when it fits, else the automatic widths with the factor written out for exponents
// of magnitude 1 and 2.
void chooseAxisNumbers(SurfaceFrameAxis& a, bool on, int width, int decimals, int exponent)
{
    const SurfaceLibraryState& s = surfaceState;
    const double largest = static_cast<double>(s.integerSetting4);
    bool accepted = on;
    if (accepted && decimals == 0 && exponent != kNoPower) {
        const double low = std::fabs(static_cast<double>(a.factor) * a.first);
        const double high = std::fabs(static_cast<double>(a.factor) *
                                      (static_cast<double>(a.count) * a.step + a.first));
        const double shift = std::pow(10.0, -static_cast<double>(exponent));
        const bool fits =
            low < largest && high < largest && low * shift < largest && high * shift < largest;
        if (!fits) {
            surfaceReportError(kFormatTooNarrow);
            accepted = false;
        }
    }
    a.annotated = accepted;
    if (accepted) {
        a.numberWidth = width;
        a.numberDecimals = decimals;
        a.numberFirst = surfaceNarrow(static_cast<double>(a.first) * a.factor);
        a.numberStep = surfaceNarrow(static_cast<double>(a.step) * a.factor);
        const bool shown =
            std::fabs(static_cast<double>(exponent) - a.exponent) < surfacePowerLimit();
        a.shownExponent = shown ? exponent : 0;
        a.caption = shown && exponent != 0;
        a.numberPower = shown ? -exponent : kNoPower;
        return;
    }
    int code = kNoPower;
    surfaceNumberWidth(a.exponent, a.decimals, a.width, code, a.numberDecimals, a.numberWidth);
    a.numberFirst = a.first;
    a.numberStep = a.step;
    if (code == kNoPower) {
        a.shownExponent = a.exponent;
        a.caption = a.exponent != 0;
        a.numberPower = kNoPower;
    } else {
        a.shownExponent = 0;
        a.caption = false;
        a.numberPower = code;
    }
}

// The axis annotation settings of one map axis (index 0 x, 1 y).
void chooseMapAxisNumbers(SurfaceFrameAxis& a, int index)
{
    const SurfaceSettings& st = surfaceState.surface;
    chooseAxisNumbers(a, surfaceFlagOn(st.annotationOn[index]), st.annotationWidth[index],
                      st.annotationDecimals[index], st.annotationExponent[index]);
}

// ---- Tick bands -----------------------------------------------------------------------------

// Value at the i-th tick after the one of `value`, from its index.  The bands that run down
// or left start from the value at the far end of the window, which float steps do not
// cancel exactly: what is left near zero, far below the step, is zero.
double tickValue(double value, float step, int i)
{
    const double v = value + static_cast<double>(step) * i;
    return std::fabs(v) < 1.0e-4 * std::fabs(static_cast<double>(step)) ? 0.0 : v;
}

void tickBand(bool vertical, float length, int& count, int decimals, float first, float& step,
              float& x, float& y, int direction, int band, int numbers, float& remainder, int width,
              int power, int axis)
{
    const float eps = surfaceState.eps;
    const TickAxisMode& mode = tickModes[std::clamp(axis, 1, 3) - 1];
    const float across = vertical ? cw() : ch();
    const float tick = static_cast<float>(band) * across;
    const float halfTick = 0.5f * tick;
    const double dir = direction < 0 ? -1.0 : 1.0;
    remainder = 0.0f;

    int n = std::clamp(count, 1, kMaxTicks);
    double interval = static_cast<double>(length) / n;
    bool scaled = false;
    if (mode.scaleInForce && step != 0.0f) {
        const double unit = mode.annotated ? mode.factor : 1.0;
        double iv = std::fabs(static_cast<double>(mode.scale) * step / unit);
        if (iv > length) {
            iv = length;
            step = surfaceNarrow(
                std::copysign(length / std::fabs(mode.scale) * unit, static_cast<double>(step)));
        }
        if (iv > 0.0 && std::isfinite(iv) && length / iv <= kMaxTicks) {
            scaled = true;
            interval = iv;
            n = static_cast<int>(length / iv + eps);
            remainder = surfaceNarrow(length - n * iv);
        }
    }
    if (!(interval > 0.0) || !std::isfinite(interval)) return;
    count = n;

    const float startAlong = vertical ? y : x;
    const float edge = vertical ? x : y;
    auto at = [&](double along, double off, float& px, float& py) {
        const float a = surfaceNarrow(along);
        const float o = surfaceNarrow(edge + off);
        px = vertical ? o : a;
        py = vertical ? a : o;
    };
    // The edge from one tick to the next and the tick at its end, as one 3-point polyline.
    auto piece = [&](double from, double to, float tickLength) {
        float px[3], py[3];
        at(from, 0.0, px[0], py[0]);
        at(to, 0.0, px[1], py[1]);
        at(to, tickLength, px[2], py[2]);
        surfaceDrawMapPolyline(3, px, py);
    };
    auto number = [&](double along, double value) {
        float X = 0.0f, Y = 0.0f;
        if (vertical) {
            X = edge + static_cast<float>(band) * cw() - 0.45f * cw();
            Y = surfaceNarrow(along - 0.45 * ch());
        } else {
            const double shift = decimals == 0 ? width * 0.5 : width * 0.5 - 0.3;
            X = surfaceNarrow(along + shift * cw());
            Y = edge + tick + 1.35f * static_cast<float>(band) * ch();
        }
        int w = width, d = decimals;
        surfaceDrawMapNumber(X, Y, surfaceNarrow(value), w, d, power);
    };

    double start = startAlong;
    double value = first;
    if (scaled && remainder >= kLeastPartialInterval && direction != 1) {
        // The part that whole intervals do not cover comes first, ending in a full tick.
        const double next = start + dir * remainder;
        piece(start, next, tick);
        value += step * (remainder / interval);
        start = next;
    } else {
        float px[2], py[2];
        at(start, 0.0, px[0], py[0]);
        at(start, tick, px[1], py[1]);
        surfaceDrawMapPolyline(2, px, py);
    }

    const double room = (static_cast<double>(width) + 1.0) * cw();
    // Every k-th full tick carries a number; k beyond the tick count means only the first.
    auto rhythm = [&](double k) {
        return static_cast<int>(std::clamp(k + 0.99999, 1.0, static_cast<double>(n) + 1.0));
    };
    int every = vertical ? rhythm(ch() / interval) : rhythm(room / (interval * 2.0));
    if (numbers == 1) number(start, value);
    int fullTicks = 0;
    for (int i = 1; i <= n; ++i) {
        const double from = start + dir * (i - 1) * interval;
        const double to = start + dir * i * interval;
        const double v = tickValue(value, step, i);
        bool full = i % 2 == 0;
        if (i == n && !full) {
            if (!vertical) every = rhythm(room / interval);
            full = (fullTicks + 1) % every == 0;
        }
        piece(from, to, full ? tick : halfTick);
        if (!full) continue;
        ++fullTicks;
        if (numbers == 1 && fullTicks % every == 0) number(to, v);
    }
    if (scaled && remainder >= kLeastPartialInterval && direction != -1) {
        const double from = start + dir * n * interval;
        piece(from, from + dir * remainder, tick);
    }
    const float end = surfaceNarrow(startAlong + dir * length);
    if (vertical) {
        y = end;
    } else {
        x = end;
    }
}

// ---- Annotation -----------------------------------------------------------------------------

bool narrowMap(const SurfaceFrameArea& a) { return a.w * 0.5f < 28.0f * cw(); }

void drawAxisTitles(const SurfaceFrameAxis& x, const SurfaceFrameAxis& y,
                    const SurfaceFrameArea& area)
{
    const int mode = surfaceState.titles.titleMode;
    if (mode == 2) return;
    float left = area.x;
    if (narrowMap(area)) left -= 9.0f * cw();
    if (x.caption) {
        surfaceDrawExponentTitle(left, area.y - 6.0f * ch(), titleText(1), titleLength(1),
                                 x.shownExponent, mode, 10.0f * cw());
    }
    if (y.caption) {
        surfaceDrawExponentTitle(left, area.y - 8.0f * ch(), titleText(2), titleLength(2),
                                 y.shownExponent, mode, 10.0f * cw());
    }
}

// The contour height and contour step lines below the map.
void drawHeightAnnotation(const SurfaceFrameArea& area, bool network)
{
    const SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    const int mode = s.titles.titleMode;
    if (!surfaceFlagOn(c.labelsOn) || mode == 2) return;
    const float move = narrowMap(area) ? 9.0f * cw() : 0.0f;

    int exponent = s.grid.levelExponent;
    if (surfaceFlagOn(c.labelFixedFormat) &&
        std::fabs(static_cast<double>(c.labelExponent) - exponent) < surfacePowerLimit()) {
        exponent = c.labelExponent;
    }
    bool heightLine = false;
    float lineStart = 0.0f;
    if (exponent < -2 || exponent > 2) {
        char text[kSurfaceAxisTitleChars + 8];
        const int n = titleLength(4);
        std::memcpy(text, titleText(4), n);
        const char* tail = network ? " *10" : " *10 ";
        const int tailLength = static_cast<int>(std::strlen(tail));
        std::memcpy(text + n, tail, tailLength);
        float extent = 0.0f;
        measure(text, n + tailLength, extent);
        lineStart = area.x + area.w - extent + move;
        heightLine = true;
        surfaceDrawExponentTitle(lineStart, area.y - 6.0f * ch(), titleText(4), n, exponent, mode,
                                 18.0f * cw());
    }
    if (c.labelSkip == 0) return;
    char text[kSurfaceAxisTitleChars + 2];
    const int n = titleLength(5);
    std::memcpy(text, titleText(5), n);
    text[n] = ' ';
    text[n + 1] = ' ';
    float extent = 0.0f;
    const bool measured = measure(text, n + 2, extent);
    const float x = heightLine ? lineStart : area.x + area.w - extent + move;
    const float y = area.y - 8.0f * ch();
    drawText(x, y, text, n);
    const float valueX = measured ? x + extent : x + 14.0f * cw();
    // The step in the units of the labels: divided by the power of ten that the height line
    // shows, the true step where the labels show true heights.
    double step = s.grid.contourInterval;
    if (exponent < -2 || exponent > 2) step *= std::pow(10.0, -exponent);
    int width = -9, decimals = 2;
    surfaceDrawNumber(valueX, y, surfaceNarrow(step), width, decimals, kNoPower);
}

void drawPlotTitle(const SurfaceFrameArea& area)
{
    const ContourSettings& c = surfaceState.contour;
    if (!surfaceFlagOn(c.titleOn)) return;
    const int n = std::clamp(c.titleLength, 0, kSurfaceTitleChars);
    if (n <= 0) return;
    float width = 0.0f;
    if (!measure(c.title, n, width)) width = static_cast<float>(n) * cw();
    const float top = area.y + area.h;
    if (width > area.w) {
        const int half = n / 2;
        drawText(area.x, top + 4.0f * ch(), c.title, half);
        drawText(area.x, top + 2.0f * ch(), c.title + half, n - half);
    } else {
        drawText(area.x, top + 2.0f * ch(), c.title, n);
    }
}

void drawBox(const SurfaceFrameArea& a)
{
    float x[5] = {a.x, a.x + a.w, a.x + a.w, a.x, a.x};
    float y[5] = {a.y, a.y, a.y + a.h, a.y + a.h, a.y};
    surfaceDrawMapPolyline(5, x, y);
}

void drawTickBands(SurfaceFrameAxis& x, SurfaceFrameAxis& y, const SurfaceFrameArea& area)
{
    surfaceSetTickAxisMode(1, x.scaleApplied, x.annotated, x.scale, x.factor);
    surfaceSetTickAxisMode(2, y.scaleApplied, y.annotated, y.scale, y.factor);
    const double xUnit = x.annotated ? x.factor : 1.0;
    const double yUnit = y.annotated ? y.factor : 1.0;
    const float xEnd = surfaceNarrow(x.numberFirst + area.w / static_cast<double>(x.scale) * xUnit);
    const float yEnd = surfaceNarrow(y.numberFirst + area.h / static_cast<double>(y.scale) * yUnit);
    float remainder = 0.0f;
    struct Band {
        bool vertical;
        float px, py;
        int direction, band, numbers;
    };
    const Band bands[4] = {
        {false, area.x, area.y, 1, -1, 1},                    // bottom, numbered
        {true, area.x + area.w, area.y, 1, 1, 0},             // right
        {false, area.x + area.w, area.y + area.h, -1, 1, 0},  // top
        {true, area.x, area.y + area.h, -1, -1, 1},           // left, numbered
    };
    for (const Band& b : bands) {
        SurfaceFrameAxis& a = b.vertical ? y : x;
        const float start = b.direction > 0 ? a.numberFirst : (b.vertical ? yEnd : xEnd);
        float step = b.direction > 0 ? a.numberStep : -a.numberStep;
        int count = a.count;
        float px = b.px, py = b.py;
        tickBand(b.vertical, a.length, count, a.numberDecimals, start, step, px, py, b.direction,
                 b.band, b.numbers, remainder, a.numberWidth, a.numberPower, b.vertical ? 2 : 1);
    }
}

// Frame scale of one axis given by CONSCA (index 0 x, 1 y): with scale by intervals it
// changes the layout here; warning -42 when it cannot be applied.
void layoutFrameScale(SurfaceFrameAxis& a, int index, int type)
{
    const ContourSettings& c = surfaceState.contour;
    if (!surfaceFlagOn(c.frameScaleGiven[index]) || !surfaceFlagOn(c.frameScaleSecondKind)) return;
    if (!applyIntervalScale(a, c.frameScale[index]) && type != kMapFrameLayoutOnly) {
        surfaceReportError(kStepUnusable);
    }
}

// With a tick step given, the ticks of a ticked frame follow it.
void tickFrameScale(SurfaceFrameAxis& a, int index)
{
    const ContourSettings& c = surfaceState.contour;
    if (!surfaceFlagOn(c.frameScaleGiven[index]) || surfaceFlagOn(c.frameScaleSecondKind)) return;
    if (!applyStepScale(a, c.frameScale[index])) surfaceReportError(kStepUnusable);
}

void storeTransform(const SurfaceFrameAxis& x, const SurfaceFrameAxis& y,
                    const SurfaceFrameArea& area)
{
    SurfaceLibraryState& s = surfaceState;
    surfaceStoreFrameLayout(x, 0, y, 1, area);
    // The rectangle of the perspective fit and of the smoothed contours' clipping.
    float dx = 0.0f, dy = 0.0f;
    if (surfaceFlagOn(s.projection.fitMargin)) {
        dx = 1.0e-5f * area.w;
        dy = 1.0e-5f * area.h;
    }
    s.mapClip[0] = area.x - dx;
    s.mapClip[1] = area.x + area.w + dx;
    s.mapClip[2] = area.y - dy;
    s.mapClip[3] = area.y + area.h + dy;
}

void drawMapFrame(int& status, bool network)
{
    SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    status = 0;
    const int pen = surfaceFlagOn(c.pensSet) ? c.framePen : s.saved.entryColour;
    surfaceSelectPen(pen);

    bool equalScale = surfaceFlagOn(c.frameScaleFirstKind);
    SurfaceFrameArea area = chooseArea(equalScale);
    const bool onSurface =
        !surfaceFlagOn(c.mapFrameSet) && surfaceFlagOn(s.surface.contourOnSurface);
    if (onSurface) {
        // The projected picture is fitted to the area with the map's height range.
        equalScale = false;
        const SurfaceSettings& surf = s.surface;
        float zLow = s.grid.zMin, zHigh = s.grid.zMax;
        if (surfaceFlagOn(surf.levelLimitsOn)) {
            zLow = std::max(zLow, surf.levelLimits[0]);
            zHigh = std::min(zHigh, surf.levelLimits[1]);
        }
        if (surfaceFlagOn(surf.perspectiveSet) && surfaceFlagOn(surf.fixedZRange)) {
            zLow = surf.zRangeLow;
            zHigh = surf.zRangeHigh;
        }
        const GridState& g = s.grid;
        if (surfaceFlagOn(surf.perspectivePicture)) {
            // The picture the map lies on was fitted with its own window and z axis range: the
            // same fit again, so that the map meets the drawn surface.
            surfaceFitPictureToFrame(surf.pictureXMin, surf.pictureXMax, surf.pictureYMin,
                                     surf.pictureYMax, surf.zAxisLow, surf.zAxisHigh);
        } else {
            surfaceFitPictureToFrame(g.xMin, g.xMax, g.yMin, g.yMax, zLow, zHigh);
        }
        if (network) s.networkFrameZHigh = zHigh;
    }
    const float eps = s.eps;
    if (!(area.w >= eps) || !(area.h >= eps)) {
        status = kDegenerateArea;
        s.map.mapWidth = area.w;
        s.map.mapHeight = area.h;
        return;
    }
    if (network) {
        s.projection.frameX = area.x;
        s.projection.frameY = area.y;
        s.projection.frameWidth = area.w;
        s.projection.frameHeight = area.h;
    }
    int type = c.mapFrameType;
    if (onSurface && type == kMapFrameTicks) type = kMapFrameBox;

    SurfaceFrameAxis x{}, y{};
    x.lo = s.grid.xMin;
    x.hi = s.grid.xMax;
    x.length = area.w;
    y.lo = s.grid.yMin;
    y.hi = s.grid.yMax;
    y.length = area.h;
    if (!chooseAxis(x) || !chooseAxis(y)) {
        // A window without usable intervals gives the map no scale.
        status = kDegenerateArea;
        s.map.mapWidth = 0.0f;
        s.map.mapHeight = 0.0f;
        return;
    }
    if (equalScale) equaliseScales(x, y, area);
    layoutFrameScale(x, 0, type);
    layoutFrameScale(y, 1, type);
    storeTransform(x, y, area);
    if (type == kMapFrameLayoutOnly) return;

    if (type == kMapFrameBox) drawBox(area);
    if (type == kMapFrameTicks) {
        tickFrameScale(x, 0);
        tickFrameScale(y, 1);
        chooseMapAxisNumbers(x, 0);
        chooseMapAxisNumbers(y, 1);
        drawTickBands(x, y, area);
        drawAxisTitles(x, y, area);
    }
    if (onSurface && surfaceFlagOn(c.labelsOn)) return;
    drawHeightAnnotation(area, network);
    drawPlotTitle(area);
}

}  // namespace

namespace surflib {

bool surfaceChooseFrameAxis(SurfaceFrameAxis& a) { return chooseAxis(a); }

bool surfaceApplyIntervalScale(SurfaceFrameAxis& a, float s) { return applyIntervalScale(a, s); }

void surfaceChooseFrameNumbers(SurfaceFrameAxis& a, bool on, int width, int decimals, int exponent)
{
    chooseAxisNumbers(a, on, width, decimals, exponent);
}

void surfaceDrawFrameTickBands(SurfaceFrameAxis& x, SurfaceFrameAxis& y,
                               const SurfaceFrameArea& area)
{
    drawTickBands(x, y, area);
}

void surfaceStoreFrameLayout(const SurfaceFrameAxis& x, int xSlot, const SurfaceFrameAxis& y,
                             int ySlot, const SurfaceFrameArea& area)
{
    SurfaceLibraryState& s = surfaceState;
    MapTransform& m = s.map;
    m.originX = area.x;
    m.originY = area.y;
    m.startX = x.first;
    m.startY = y.first;
    m.scaleX = x.scale;
    m.scaleY = y.scale;
    m.factorX = x.factor;
    m.factorY = y.factor;
    m.mapWidth = area.w;
    m.mapHeight = area.h;
    const SurfaceFrameAxis* axes[2] = {&x, &y};
    const int slots[2] = {xSlot, ySlot};
    for (int k = 0; k < 2; ++k) {
        s.axisExponent[slots[k]] = axes[k]->exponent;
        s.axisStep[slots[k]] = axes[k]->step;
        s.axisDecimals[slots[k]] = axes[k]->decimals;
        s.axisWidth[slots[k]] = axes[k]->width;
    }
}

void surfaceSetTickAxisMode(int axis, bool scaleInForce, bool annotated, float scale, float factor)
{
    if (axis < 1 || axis > 3) return;
    tickModes[axis - 1] = {scaleInForce, annotated, scale, factor};
}

void surfaceDrawExponentTitle(float x, float y, const char* title, int length, int exponent,
                              int mode, float unmeasuredOffset)
{
    drawText(x, y, title, length);
    if (mode == 1) return;
    static const char kTimesTen[] = " *10";
    float titleWidth = 0.0f, starWidth = 0.0f;
    const bool measured = measure(title, length, titleWidth) && measure(kTimesTen, 4, starWidth);
    drawText(x + titleWidth, y, kTimesTen, 4);
    if (exponent == 1) return;
    const float ex = measured ? x + titleWidth + starWidth + 0.25f * cw() : x + unmeasuredOffset;
    int width = -4;
    surfaceDrawFixedNumber(ex, y + 0.75f * ch(), static_cast<float>(exponent), width, kNoPower);
}

void surfaceLayoutXTicks(float length, int& count, int decimals, float first, float& step, float& x,
                         float& y, int direction, int band, int numbers, float& remainder,
                         int width, int power, int axis)
{
    tickBand(false, length, count, decimals, first, step, x, y, direction, band, numbers, remainder,
             width, power, axis);
}

void surfaceLayoutYTicks(float length, int& count, int decimals, float first, float& step, float& x,
                         float& y, int direction, int band, int numbers, float& remainder,
                         int width, int power, int axis)
{
    tickBand(true, length, count, decimals, first, step, x, y, direction, band, numbers, remainder,
             width, power, axis);
}

void surfaceDrawGridMapFrame(int& status) { drawMapFrame(status, false); }

void surfaceDrawNetworkMapFrame(int& status)
{
    NetworkLayout& n = surfaceState.network;
    n.networkRoutineActive = 0;
    drawMapFrame(status, true);
    n.networkRoutineActive = -1;
}

}  // namespace surflib
