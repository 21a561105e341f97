// settings.cpp - the setters of contour maps: interpolation patch, labels, limits and explicit
// levels, random interpolation, data-point markers, map and cross-section frames, pens,
// drawing switches, frame scale, titles and character mode.
//
// Each setter stores the value it is given and then replaces a refused value by the corrected
// one, with a warning; the corrected value is the one in force.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "tarvcore.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr int kDefaultPatch = 24;
constexpr int kNoPower = 9999;

// |v| without the overflow of the most negative integer.
int magnitude(int v) { return v == INT_MIN ? INT_MAX : std::abs(v); }

int usedLength(const char* text, int length)
{
    if (length <= 0 || text == nullptr) return 0;
    int used = 0;
    kernelEnquireUsedLength(text, length, used);
    return std::clamp(used, 0, length);
}

// Swaps each reversed pair into place, stores the rectangle and reports a flat range; true
// when both ranges are usable.
bool storeFrame(float* frame, float xmin, float xmax, float ymin, float ymax)
{
    if (xmax < xmin) std::swap(xmin, xmax);
    if (ymax < ymin) std::swap(ymin, ymax);
    frame[0] = xmin;
    frame[1] = xmax;
    frame[2] = ymin;
    frame[3] = ymax;
    const float eps = surfaceState.eps;
    bool good = true;
    if (!(xmax - xmin >= eps) || !std::isfinite(xmax - xmin)) {
        surfaceReportError(kFlatXRange);
        good = false;
    }
    if (!(ymax - ymin >= eps) || !std::isfinite(ymax - ymin)) {
        surfaceReportError(kFlatYRange);
        good = false;
    }
    return good;
}

}  // namespace

void CIRPTS(const int& n)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CIRPTS);
    ContourSettings& c = surfaceState.contour;
    c.patchPoints = n;
    if (n < 0) surfaceReportError(kNegativePatch);
    if (n <= 0) c.patchPoints = kDefaultPatch;
}

void CONANN(const int& skip, const float& spacing, const float& size, const int& width,
            const int& decimals, const int& exponent, const int& pen, const int& alongLine)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONANN);
    ContourSettings& c = surfaceState.contour;
    const float eps = surfaceState.eps;
    const int candidate =
        static_cast<double>(magnitude(exponent)) < surfacePowerLimit() ? exponent : kNoPower;

    c.labelsOn = -1;
    c.labelSkip = skip;
    c.labelFixedFormat = 0;
    if (skip < 0) {
        c.labelsOn = 0;
        c.labelSkip = 0;
    }
    c.labelAlongLine = alongLine == 1 ? -1 : 0;
    // A given spacing is kept as given; the fallback is the plain 60.0.
    c.labelSpacing = spacing > eps ? spacing : 60.0f;
    c.labelSize = size;
    c.labelPen = pen;
    c.labelStyleGiven = (pen > 0 || std::fabs(size) > eps) ? -1 : 0;
    c.labelWidth = width;
    c.labelDecimals = decimals;
    if (width >= 1 && width <= 9) {
        c.labelFixedFormat = -1;
    } else if (width != 0) {
        surfaceReportError(kBadLabelWidth);
    }
    c.labelExponent = width == 0 ? kNoPower : candidate;
}

void LEVELS(const float& zlow, const float& zhigh)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::LEVELS);
    ContourSettings& c = surfaceState.contour;
    const float eps = surfaceState.eps;
    c.limitsOn = -1;
    c.levelListOn = 0;
    float low = zlow, high = zhigh;
    if (zhigh < zlow) std::swap(low, high);
    if (!std::isfinite(low) || !std::isfinite(high)) {
        // No range can be drawn between limits that are no number or infinite: the maps go
        // on without limits, as after limits of zero.
        surfaceReportError(kFlatLimits);
        c.limitsOn = 0;
    } else if (std::fabs(low) < eps && std::fabs(high) < eps) {
        c.limitsOn = 0;
    } else if (high - low < eps) {
        // Widened upwards by a thousandth of its size (at least the tolerance), so that equal
        // negative limits are not turned round.
        surfaceReportError(kFlatLimits);
        high = high + std::max(0.001f * std::fabs(high), eps);
    }
    c.zLow = low;
    c.zHigh = high;
}

void CONDEF(const int& n, const float* z)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONDEF);
    ContourSettings& c = surfaceState.contour;
    ContourLevelList& list = surfaceState.levels;
    if (n < 1 || n > 99 || z == nullptr) {
        surfaceReportError(kBadLevelCount);
        c.levelListOn = 0;
        return;
    }
    list.count = n;
    c.levelListOn = -1;
    c.limitsOn = 0;
    // A height that is no number or infinite has no line to draw: the list fails as one that
    // does not increase.
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(z[i]) || (i + 1 < n && !(z[i] < z[i + 1]))) {
            surfaceReportError(kLevelsNotIncreasing);
            c.levelListOn = 0;
            return;
        }
        list.heights[i] = z[i];
    }
}

void RANINT(const int& method, const float& value)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::RANINT);
    ContourSettings& c = surfaceState.contour;
    c.randomMethod = method;
    if (method < 0 || method > 2) {
        surfaceReportError(kBadSwitch);
        c.randomMethod = 0;
    }
    c.randomValue = value;
    if (value < 0.0f) {
        surfaceReportError(kNegativeValue);
        c.randomValue = -value;
    }
}

void RANPTS(const int& marker)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::RANPTS);
    ContourSettings& c = surfaceState.contour;
    c.pointMarker = marker;
    c.pointMarkersOn = marker != 0 ? -1 : 0;
}

void CONBND(const float& xmin, const float& xmax, const float& ymin, const float& ymax)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONBND);
    SurfaceLibraryState& s = surfaceState;
    if (storeFrame(s.contour.mapFrame, xmin, xmax, ymin, ymax)) {
        s.contour.mapFrameSet = -1;
        s.surface.perspectiveSet = 0;
        s.surface.contourOnSurface = 0;
    } else {
        s.contour.mapFrameSet = 0;
    }
}

void CONLIN(const int& framePen, const int& linePen, const int& majorPen, const int& majorEvery)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONLIN);
    ContourSettings& c = surfaceState.contour;
    int* fields[4] = {&c.framePen, &c.linePen, &c.majorLinePen, &c.majorLineEvery};
    const int values[4] = {framePen, linePen, majorPen, majorEvery};
    for (int i = 0; i < 4; ++i) {
        *fields[i] = values[i];
        if (values[i] < 0) {
            surfaceReportError(kNegativeValue);
            *fields[i] = magnitude(values[i]);
        }
    }
    c.pensSet = -1;
}

void CONFRA(const int& type)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONFRA);
    ContourSettings& c = surfaceState.contour;
    c.mapFrameType = type;
    if (type < 0 || type > 2) {
        surfaceReportError(kBadFrameType);
        c.mapFrameType = 0;
    }
}

void CONSWI(const int& value)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONSWI);
    ContourSettings& c = surfaceState.contour;
    c.fillLinesSwitch = value;
    c.surfaceLinesSwitch = value;
    if (value != 0 && value != 1) {
        surfaceReportError(kBadSwitch);
        c.fillLinesSwitch = 1;
        c.surfaceLinesSwitch = 0;
    }
}

void CONSCA(const float& s1, const float& s2, const float& s3, const int& kind)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CONSCA);
    ContourSettings& c = surfaceState.contour;
    const float eps = surfaceState.eps;
    int k = kind;
    if (k < 0 || k > 3) {
        surfaceReportError(kBadSwitch);
        k = 0;
    }
    c.frameScaleFirstKind = (k == 0 || k == 2) ? -1 : 0;
    c.frameScaleSecondKind = (k == 2 || k == 3) ? -1 : 0;
    const float values[3] = {s1, s2, s3};
    for (int i = 0; i < 3; ++i) {
        c.frameScale[i] = values[i];
        if (values[i] > eps) {
            c.frameScaleGiven[i] = -1;
        } else if (values[i] < -eps) {
            surfaceReportError(kNegativeValue);
            c.frameScale[i] = -values[i];
            c.frameScaleGiven[i] = -1;
        } else {
            c.frameScaleGiven[i] = 0;
        }
    }
}

void TITSTR(const char* text, int length)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::TITSTR);
    ContourSettings& c = surfaceState.contour;
    c.titleOn = 0;
    c.titleLength = usedLength(text, length);
    if (c.titleLength <= 0) return;
    if (c.titleLength > kSurfaceTitleChars) {
        surfaceReportError(kTextTooLong);
        c.titleLength = kSurfaceTitleChars;
    }
    std::memset(c.title, ' ', kSurfaceTitleChars);
    std::memcpy(c.title, text, c.titleLength);
    c.titleOn = -1;
}

void SURMOD(const int& mode)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::SURMOD);
    ContourSettings& c = surfaceState.contour;
    c.charMode = mode;
    if (mode != 0 && mode != 1) {
        surfaceReportError(kBadSwitch);
        c.charMode = 1;
    }
}

void CRSFRA(const int& type)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CRSFRA);
    ContourSettings& c = surfaceState.contour;
    c.crossSectionFrameType = type;
    if (type < 0 || type > 3) {
        surfaceReportError(kBadFrameType);
        c.crossSectionFrameType = 0;
    }
}

void CRSBND(const float& xmin, const float& xmax, const float& ymin, const float& ymax)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CRSBND);
    ContourSettings& c = surfaceState.contour;
    c.crossSectionFrameSet = storeFrame(c.crossSectionFrame, xmin, xmax, ymin, ymax) ? -1 : 0;
}

void ANNSTR(const int& selector, const char* text, int length)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::ANNSTR);
    SurfaceTitles& t = surfaceState.titles;
    if (selector < -2 || selector > 7) return;
    if (selector == -2) {
        t.titleMode = 2;
        return;
    }
    t.titleMode = selector == -1 ? 1 : 0;
    if (selector <= 0) {
        surfaceWriteDefaultTitles();
        return;
    }
    int used = usedLength(text, length);
    if (used <= 0) return;
    if (used > kSurfaceAxisTitleChars) {
        surfaceReportError(kTextTooLong);
        used = kSurfaceAxisTitleChars;
    }
    char* title = t.titles[selector - 1];
    std::memset(title, ' ', kSurfaceAxisTitleChars);
    std::memcpy(title, text, used);
    t.lengths[selector - 1] = used;
}
