// map_transform.cpp - the conversions between map and picture coordinates (CONSPA, SPACON),
// the map polylines and fills through which every contour line and band passes, number
// labels, the label direction and the perspective point transform.
//
// Picture to map: x = ((X - originX) / scaleX + startX) * factorX; map to picture:
// X = (x / factorX - startX) * scaleX + originX; the same for y.  Before a map frame has been
// laid out (or after one failed) the transform has no size and nothing is converted through it.
#include "frame/map_transform.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/routine_frame.h"
#include "frame/numeric.h"
#include "frame/state.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr int kMaxLabel = 9;
constexpr int kLabelText = 10;

bool isFiniteValue(double v) { return std::isfinite(v); }

// True once a map frame has given the transform a size and non-zero scales.
bool transformUsable()
{
    const MapTransform& m = surfaceState.map;
    const float eps = surfaceState.eps;
    return m.mapWidth > eps && m.mapHeight > eps && m.scaleX != 0.0f && m.scaleY != 0.0f &&
        m.factorX != 0.0f && m.factorY != 0.0f && isFiniteValue(m.scaleX) &&
        isFiniteValue(m.scaleY) && isFiniteValue(m.factorX) && isFiniteValue(m.factorY);
}

// Brings n points to the picture in place: normalised network coordinates (while a network
// routine draws) through the normalisation, and onto the projected surface when the map lies
// on one.  Otherwise the points are picture points and stay exactly as given.  False when the
// points have no picture position (no map frame yet, or a point in the plane of the eye).
//
// Network points go from normalised to map to picture in double in one pass: data far from
// the origin (survey coordinates) or at a large scale keep every digit of their place in the
// window, where a picture position of the normalised value itself would lose them.
bool convertPoints(long long n, float* x, float* y)
{
    const SurfaceLibraryState& s = surfaceState;
    const bool network = surfaceFlagOn(s.network.networkRoutineActive);
    const bool onSurface = surfaceFlagOn(s.surface.contourOnSurface);
    if (!network && !onSurface) return true;
    if (!transformUsable()) return false;
    for (long long i = 0; i < n; ++i) {
        double u = 0.0, v = 0.0;
        if (network) {
            u = static_cast<double>(x[i]) * s.network.xrange + s.network.xmin;
            v = static_cast<double>(y[i]) * s.network.yrange + s.network.ymin;
        } else {
            u = surfacePictureXToMap(x[i]);
            v = surfacePictureYToMap(y[i]);
        }
        if (onSurface) {
            float X = 0.0f, Y = 0.0f;
            if (!surfaceProjectPoint(u, v, s.surface.contourHeight, X, Y)) return false;
            x[i] = X;
            y[i] = Y;
        } else {
            x[i] = surfaceNarrow(surfaceMapXToPicture(u));
            y[i] = surfaceNarrow(surfaceMapYToPicture(v));
        }
    }
    return true;
}

void limitWidth(int& width)
{
    if (width > kMaxLabel || width < -kMaxLabel) {
        surfaceReportError(kLabelTooWide);
        width = width > 0 ? kMaxLabel : -kMaxLabel;
    }
}

// Puts the label text[0..9] at (X, Y): width > 0 right-aligned ending at X (measured extent,
// at most 10 digit widths), otherwise starting at X with leading blanks trimmed when width < 0.
void placeLabel(float X, float Y, const char* text, int width)
{
    SurfaceLibraryState& s = surfaceState;
    int end = kLabelText;
    while (end > 0 && text[end - 1] == ' ') --end;
    int start = 0;
    if (width < 0) {
        while (start < end && text[start] == ' ') ++start;
    }
    const int length = end - start;
    s.lastUsedLength = width < 0 ? -length : length;
    if (length <= 0) return;

    float x = X;
    const int control = 1;  // a label of '*' is drawn as it stands
    if (width > 0) {
        int status = 0;
        float extent = 0.0f, r2 = 0.0f, r3 = 0.0f, height = 0.0f;
        surfaceMeasureText(text + start, length, status, extent, r2, r3, height, control);
        x = X - std::min(extent, 10.0f * s.digitWidth);
    }
    surfaceSuspendLineStyle();
    if (s.outputEnabled == 1) surfaceDrawText(x, Y, text + start, length, control);
    surfaceResumeLineStyle();
}

}  // namespace

namespace surflib {

double surfacePictureXToMap(double X)
{
    const MapTransform& m = surfaceState.map;
    return ((X - m.originX) / m.scaleX + m.startX) * m.factorX;
}

double surfacePictureYToMap(double Y)
{
    const MapTransform& m = surfaceState.map;
    return ((Y - m.originY) / m.scaleY + m.startY) * m.factorY;
}

double surfaceMapXToPicture(double x)
{
    const MapTransform& m = surfaceState.map;
    return (x / m.factorX - m.startX) * m.scaleX + m.originX;
}

double surfaceMapYToPicture(double y)
{
    const MapTransform& m = surfaceState.map;
    return (y / m.factorY - m.startY) * m.scaleY + m.originY;
}

// ---- Number texts ---------------------------------------------------------------------------

int surfaceFormatNumber(double value, int width, int decimals, char* text)
{
    std::memset(text, ' ', kLabelText);
    int field = std::min(width < 0 ? -width : width, kMaxLabel);
    decimals = std::clamp(decimals, 0, 40);
    char digits[96];
    int length = sizeof digits;
    if (isFiniteValue(value) && std::fabs(value) < 1.0e40) {
        length = std::snprintf(digits, sizeof digits, "%.*f", decimals, value);
        if (length > 1 && digits[0] == '-' &&
            std::strspn(digits + 1, "0.") == static_cast<size_t>(length - 1)) {
            // A value just below zero that shows only zeros is written without its sign.
            std::memmove(digits, digits + 1, static_cast<size_t>(length));
            length -= 1;
        }
    }
    if (field == 0) field = std::min(length, kMaxLabel);  // the shortest form
    const char* shown = digits;
    if (length > field && decimals > 0) {
        // A leading zero before the decimal point is dropped when that makes the number fit.
        if (length - 1 == field && std::strncmp(digits, "0.", 2) == 0) {
            shown = digits + 1;
            length -= 1;
        } else if (length - 1 == field && std::strncmp(digits, "-0.", 3) == 0) {
            digits[1] = '-';
            shown = digits + 1;
            length -= 1;
        }
    }
    if (length > field || length <= 0) {
        std::memset(text, '*', field);
        return field;
    }
    std::memcpy(text + field - length, shown, length);
    // A blank just before the decimal point becomes "0"; a "-" there becomes "-0" when there
    // is room before it.
    for (int i = 1; i < field; ++i) {
        if (text[i] != '.') continue;
        if (text[i - 1] == ' ') {
            text[i - 1] = '0';
        } else if (text[i - 1] == '-' && i >= 2 && text[i - 2] == ' ') {
            text[i - 2] = '-';
            text[i - 1] = '0';
        }
        break;
    }
    return field;
}

// ---- Number labels --------------------------------------------------------------------------

void surfaceDrawNumber(float X, float Y, float value, int& width, int& decimals, int power)
{
    if (decimals < 0) decimals = 0;
    if (decimals == 0) {
        surfaceDrawFixedNumber(X, Y, value, width, power);
        return;
    }
    double v = value;
    if (std::fabs(static_cast<double>(power)) < surfacePowerLimit()) {
        v = std::pow(10.0, power) * v;
    }
    limitWidth(width);
    char text[kLabelText];
    surfaceFormatNumber(v, width, decimals, text);
    placeLabel(X, Y, text, width);
}

void surfaceDrawFixedNumber(float X, float Y, float value, int& width, int power)
{
    double v = value;
    if (std::fabs(static_cast<double>(power)) < surfacePowerLimit()) {
        const double scale = std::pow(10.0, std::abs(power));
        v = power >= 0 ? v * scale : v / scale;
    }
    v = std::round(v);  // halves away from zero
    limitWidth(width);
    char text[kLabelText];
    const double largest = static_cast<double>(surfaceState.integerSetting4);
    if (!isFiniteValue(v) || std::fabs(v) >= largest) {
        // Beyond the kernel's integers: the field shows that the number does not fit.
        const int field = width == 0 ? kMaxLabel : std::abs(width);
        std::memset(text, ' ', kLabelText);
        std::memset(text, '*', field);
    } else {
        surfaceFormatNumber(v, width, 0, text);
    }
    placeLabel(X, Y, text, width);
}

void surfaceDrawMapNumber(float& X, float& Y, float value, int& width, int& decimals, int power)
{
    const SurfaceLibraryState& s = surfaceState;
    if (surfaceFlagOn(s.surface.contourOnSurface)) {
        if (!transformUsable()) return;
        const float u = surfaceNarrow(surfacePictureXToMap(X));
        const float v = surfaceNarrow(surfacePictureYToMap(Y));
        float PX = X, PY = Y;
        if (!surfaceProjectPoint(u, v, s.surface.contourHeight, PX, PY)) return;
        X = PX;
        Y = PY;
    }
    surfaceDrawNumber(X, Y, value, width, decimals, power);
}

void surfaceSetLabelDirection(float /*width*/, float height, float angle)
{
    surfaceSetTextSize(height);
    const double a = (static_cast<double>(angle) + 90.0) * 0.0174533;
    surfaceState.labelDirection[0] = surfaceNarrow(std::cos(a));
    surfaceState.labelDirection[1] = surfaceNarrow(std::sin(a));
    surfaceSetTextAngle(surfaceState.labelDirection[0], surfaceState.labelDirection[1]);
}

bool surfaceProjectPoint(double x, double y, double z, float& X, float& Y)
{
    const ProjectionTerms& p = surfaceState.projection;
    const double dx = x - p.centreX;
    const double dy = (y - p.centreY) * surfaceState.surface.axesRatio;
    const double dz = (z - p.zOrigin) * p.zScale;
    const double depth = p.sinAzSinTilt * dx + p.cosAzSinTilt * dy + p.cosTilt * dz;
    const double denominator = p.eyeDistance - depth;
    if (denominator == 0.0) return false;
    const double g = p.eyeDistance / denominator;
    const double px =
        (g * (p.cosAzimuth * dx - p.sinAzimuth * dy) - p.rawXMin) * p.scaleX + p.frameX;
    const double py =
        (g * (p.sinAzCosTilt * dx + p.cosAzCosTilt * dy - p.sinTilt * dz) - p.rawYMin) * p.scaleY +
        p.frameY;
    if (!isFiniteValue(px) || !isFiniteValue(py)) return false;
    X = surfaceNarrow(px);
    Y = surfaceNarrow(py);
    return true;
}

// ---- Map polylines and fills ----------------------------------------------------------------

void surfaceDrawMapPolyline(int n, float* x, float* y)
{
    if (n < 1) return;
    if (!convertPoints(n, x, y)) return;
    surfaceDrawPolyline(n, x, y);
}

namespace {

// Whether a closed area of m points encloses anything: three distinct corners at least (a
// repeated point and the closing point do not count) and a mean width (area over extent) of
// more than single precision resolves at its coordinates.  A node lying exactly on a band
// limit gives bands such empty slivers along its edges.
bool enclosesArea(int m, const float* x, const float* y)
{
    constexpr double kThinnest = 1.0e-5;  // of the largest coordinate's magnitude
    int corners = 0;
    double twiceArea = 0.0;
    double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    for (int k = 0, prev = m - 1; k < m; prev = k++) {
        if (x[k] != x[prev] || y[k] != y[prev]) ++corners;
        twiceArea += static_cast<double>(x[prev]) * y[k] - static_cast<double>(x[k]) * y[prev];
        x0 = std::min<double>(x0, x[k]);
        x1 = std::max<double>(x1, x[k]);
        y0 = std::min<double>(y0, y[k]);
        y1 = std::max<double>(y1, y[k]);
    }
    const double extent = std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
    const double magnitude =
        std::max({std::fabs(x0), std::fabs(x1), std::fabs(y0), std::fabs(y1), 1.0});
    return corners >= 3 && std::fabs(twiceArea) > 2.0 * extent * kThinnest * magnitude;
}

}  // namespace

void surfaceFillMapAreas(int np, float* counts, float* x, float* y)
{
    long long total = 0;
    for (int k = 0; k < np; ++k) total += surfaceVertexCount(counts[k]);
    if (!convertPoints(total, x, y)) return;
    // Areas that enclose nothing are dropped: the kept points move up over them, and a dropped
    // area's count becomes 0.
    long long read = 0, kept = 0;
    for (int k = 0; k < np; ++k) {
        const int m = surfaceVertexCount(counts[k]);
        if (m > 0 && enclosesArea(m, x + read, y + read)) {
            if (kept != read) {
                std::copy(x + read, x + read + m, x + kept);
                std::copy(y + read, y + read + m, y + kept);
            }
            kept += m;
        } else {
            counts[k] = 0.0f;
        }
        read += m;
    }
    if (kept > 0) surfaceFillPolygons(np, counts, x, y);
}

// ---- Exported conversions -------------------------------------------------------------------

namespace {

bool mapIsCurrent()
{
    const int code = surfaceState.drawing.code;
    if (code == kDrawingGriddedMap || code == kDrawingNetworkMap) return true;
    surfaceReportError(kNoMap);
    return false;
}

}  // namespace

}  // namespace surflib

void CONSPA(const float& x, const float& y, float& X, float& Y)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONSPA);
    if (!mapIsCurrent()) return;
    if (!transformUsable()) {
        X = 0.0f;
        Y = 0.0f;
        return;
    }
    X = surfaceNarrow(surfaceMapXToPicture(x));
    Y = surfaceNarrow(surfaceMapYToPicture(y));
}

void SPACON(const float& X, const float& Y, float& x, float& y)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::SPACON);
    if (!mapIsCurrent()) return;
    if (!transformUsable()) {
        x = 0.0f;
        y = 0.0f;
        return;
    }
    x = surfaceNarrow(surfacePictureXToMap(X));
    y = surfaceNarrow(surfacePictureYToMap(Y));
}
