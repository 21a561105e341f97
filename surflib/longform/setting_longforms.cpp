// setting_longforms.cpp - long forms of the contour settings and of the map coordinate
// conversions: each translates its symbolic codes and records and calls its legacy routine,
// which does every check and report.
#include <climits>

#include "frame/state.h"
#include "longform/codes.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr SurfaceCodeRow kAlongLine[] = {{kSurfLabelsLeftToRight, 0}, {kSurfLabelsAlongLine, 1}};
constexpr SurfaceCodeRow kRandomMethod[] = {{kSurfRandomMethod1, 1}, {kSurfRandomMethod2, 2}};
constexpr SurfaceCodeRow kMapFrameType[] = {
    {kSurfMapFrameType0, 0}, {kSurfMapFrameType1, 1}, {kSurfMapFrameType2, 2}};
constexpr SurfaceCodeRow kCharMode[] = {{kSurfCharModeOff, 0}, {2, 1}};
constexpr SurfaceCodeRow kCrossFrameType[] = {{kSurfCrossFrameType0, 0},
                                              {kSurfCrossFrameType1, 1},
                                              {kSurfCrossFrameType2, 2},
                                              {kSurfCrossFrameType3, 3}};

// Title selector: 0..3 stay, the five codes give -2, -1, 4, 5, 6; anything else is 7.
int titleSelector(int code)
{
    if (code >= 0 && code <= 3) return code;
    constexpr SurfaceCodeRow rows[] = {{kSurfTitlesNone, -2},
                                       {kSurfTitlesNoFactor, -1},
                                       {kSurfTitleContourHeight, 4},
                                       {kSurfTitleContourStep, 5},
                                       {kSurfTitleXLimits, 6}};
    for (const SurfaceCodeRow& row : rows) {
        if (row.code == code) return row.legacy;
    }
    return 7;
}

// Frame scale kind from the pair of kind codes; any other pair gives 0.
int frameScaleKind(int first, int second)
{
    const bool firstOn = first == kSurfScaleFirstOn, firstOff = first == kSurfScaleFirstOff;
    const bool secondOff = second == kSurfScaleSecondOff, secondOn = second == kSurfScaleSecondOn;
    if (firstOn && secondOff) return 0;
    if (firstOff && secondOff) return 1;
    if (firstOn && secondOn) return 2;
    if (firstOff && secondOn) return 3;
    return 0;
}

}  // namespace

void krSetInterpolationPatch(const int& n) { CIRPTS(n); }

void krSetContourAnnotation(const int& skip, const float& spacing, const float& size,
                            const int& width, const int& decimals, const int& exponent,
                            const int& pen, const int& alongLineCode)
{
    const int alongLine = surfaceTranslateCode(kAlongLine, alongLineCode);
    CONANN(skip, spacing, size, width, decimals, exponent, pen, alongLine);
}

void krSetContourLimits(const float& zlow, const float& zhigh) { LEVELS(zlow, zhigh); }

void krSetContourLevels(const int& n, const float* heights) { CONDEF(n, heights); }

void krSetRandomInterpolation(const int& methodCode, const float& value)
{
    const int method = surfaceTranslateCode(kRandomMethod, methodCode);
    RANINT(method, value);
}

void krSetRandomPointMarker(const int& markerCode, const int& symbol)
{
    int& previous = surfaceLongFormMemory.randomPointMarker;
    int marker = previous;
    if (markerCode == kSurfMarkerWithValue) {
        marker = symbol == INT_MIN ? INT_MAX : -symbol;
    } else if (markerCode == kSurfMarkerPlain) {
        marker = symbol;
    } else if (markerCode == 0) {
        marker = 0;
    }
    previous = marker;
    RANPTS(marker);
}

void krSetContourMapFrame(const SurfaceExtent& extent)
{
    CONBND(extent.xmin, extent.xmax, extent.ymin, extent.ymax);
}

void krSetContourMapLineStyles(const int& framePen, const int& linePen, const int& majorA,
                               const int& majorB, const int& majorEvery)
{
    const int majorPen = surfacePenPairRuleA(majorA, majorB);
    CONLIN(framePen, linePen, majorPen, majorEvery);
}

void krSetContourMapFrameType(const int& typeCode)
{
    CONFRA(surfaceTranslateCode(kMapFrameType, typeCode));
}

void krSetContourDrawingSwitch(const int& value) { CONSWI(value); }

void krSetContourMapFrameScale(const float& s1, const float& s2, const float& s3,
                               const int& firstKindCode, const int& secondKindCode)
{
    CONSCA(s1, s2, s3, frameScaleKind(firstKindCode, secondKindCode));
}

void krSetSurfPlotTitle(const char* text, int length) { TITSTR(text, length); }

void krSetSurfCharMode(const int& modeCode) { SURMOD(surfaceTranslateCode(kCharMode, modeCode)); }

void krSetCrossSectionFrameType(const int& typeCode)
{
    CRSFRA(surfaceTranslateCode(kCrossFrameType, typeCode));
}

void krSetCrossSectionFrame(const SurfaceExtent& extent)
{
    CRSBND(extent.xmin, extent.xmax, extent.ymin, extent.ymax);
}

void krSetSurfaceAxesTitle(const int& selectorCode, const char* text, int length)
{
    ANNSTR(titleSelector(selectorCode), text, length);
}

void krTransformMapCoord(const float& x, const float& y, SurfacePicturePoint& point)
{
    // CONSPA leaves its results alone when it refuses; so does the record.
    float X = point.X, Y = point.Y;
    CONSPA(x, y, X, Y);
    point.X = X;
    point.Y = Y;
}

void krTransformToMapCoord(const float& X, const float& Y, SurfacePoint2& point)
{
    float x = point.x, y = point.y;
    SPACON(X, Y, x, y);
    point.x = x;
    point.y = y;
}
