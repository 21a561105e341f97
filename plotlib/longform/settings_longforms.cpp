// settings_longforms.cpp - long forms of the graph settings and single drawing routines:
// character mode, scaling mode, plot frame, title, grid, grid marker, curve end conditions,
// pen moves, point transforms, reference lines, arrows, missing values and value tags.
// Converted inputs go to the legacy routine as private copies; enquiries map what the legacy
// routine returns back into codes, leaving the caller's variable alone for a value that has
// no code.
#include "longform/codes.h"

using namespace plotlib;

namespace {

constexpr LongFormCodeRow charModeRows[] = {{kpOff, 0}, {2, 1}};
constexpr LongFormCodeRow graphScalingRows[] = {
    {0, 0}, {kpScalingMode4, 4}, {kpScalingMode3, 3}, {kpScalingMode2, 2}, {kpScalingMode1, 1}};
constexpr LongFormCodeRow frameSwitchRows[] = {{kpOff, 0}, {kpPlotFrameOn, 1}};
constexpr LongFormCodeRow titleVerticalRows[] = {{-1, 1}, {0, 0}, {1, -1}};
constexpr LongFormCodeRow gridOptionRows[] = {{0, 0}, {kpOption1, 1}, {kpOptionMinus1, -1}};
constexpr LongFormCodeRow textDirectionRows[] = {{1, 0}, {2, 1}};
constexpr LongFormCodeRow arrowHeadRows[] = {{-1, 1}, {0, 2}, {kpArrowHead1, 1}, {kpArrowHead0, 0}};
constexpr LongFormCodeRow arrowCoordinateRows[] = {{0, 0}, {kpArrowCode1, 1}};

// Value attributes: the first and second placements, the justification across the text
// (sign turned) and, for the enquiry only, the one along it.
constexpr LongFormCodeRow valuePlaceXRows[] = {{-1, -1},
                                               {0, 0},
                                               {1, 1},
                                               {kpValueTagAt3, 3},
                                               {kpValueTagFirst2, 2},
                                               {kpValueTagFirstMinus2, -2}};
constexpr LongFormCodeRow valuePlaceYRows[] = {
    {-1, -1},          {0, 0}, {1, 1}, {kpValueTagSecond2, 2}, {kpValueTagSecondMinus2, -2},
    {kpValueTagAt3, 3}};
constexpr LongFormCodeRow valueAcrossRows[] = {{-1, 1}, {0, 0}, {1, -1}};
constexpr LongFormCodeRow valueAlongRows[] = {{-1, -1}, {0, 0}, {1, 1}};

// Grid style from (mode, kind); a 0 in either code is itself a case.
constexpr LongFormPairCase gridStyleCases[] = {
    {0, kLongFormAnyCode, 0},   {kLongFormAnyCode, 0, 0},   {kpMode2, kpGridKind4, -4},
    {kpMode1, kpGridKind3, 3},  {kpMode2, kpGridKind3, -3}, {kpMode1, kpGridKind2, 2},
    {kpMode2, kpGridKind2, -2}, {kpMode1, kpGridKind1, 1},  {kpMode2, kpGridKind1, -1}};

// Reference line caption place from (position, side).
constexpr LongFormPairCase referenceLineCases[] = {
    {kpRefLineType1, kLongFormAnyCode, 1}, {-1, 1, 2}, {0, 1, 3}, {1, 1, 4},
    {kpRefLineType5, kLongFormAnyCode, 5}, {1, 0, 6},  {0, 0, 7}, {-1, 0, 8}};

}  // namespace

void kpSetGraphCharMode(const int& mode)
{
    const int legacy = longFormCode(charModeRows, mode);
    GRFMOD(legacy);
}

void kpSetGraphScaling(const int& mode)
{
    const int legacy = longFormCode(graphScalingRows, mode);
    GRASCA(legacy);
}

void kpSetPlotFrame(const FrameRecord& frame)
{
    const float x1 = frame.x1, x2 = frame.x2, y1 = frame.y1, y2 = frame.y2;
    GRFBND(x1, x2, y1, y2);
}

void kpEnqPlotFrame(int& frameSwitch, FrameRecord& frame)
{
    int on = 0;
    float x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f;
    GRBENQ(on, x1, x2, y1, y2);
    longFormReturnCode(frameSwitchRows, on, frameSwitch);
    frame = FrameRecord{x1, x2, y1, y2};
}

void kpDrawGraphTitle(const char* text, int length, const int& horizontal, const int& vertical)
{
    const int legacyVertical = longFormCode(titleVerticalRows, vertical);
    GRFTTL(text, length, horizontal, legacyVertical);
}

void kpAddGrid(const int& mode, const int& kind, const int& xOption, const int& yOption)
{
    const int style = longFormPair(kPairAddGrid, gridStyleCases, mode, kind);
    const int x = longFormCode(gridOptionRows, xOption);
    const int y = longFormCode(gridOptionRows, yOption);
    GRID(style, x, y);
}

void kpSetGridMarker(const int& marker) { GRDSYM(marker); }

void kpEnqGridMarker(int& marker) { GRDSYQ(marker); }

void kpSetCurveStartConds(const int& type, const float& t1, const float& t2, const float& p1,
                          const float& p2)
{
    CURBEG(type, t1, t2, p1, p2);
}

void kpSetCurveEndContitions(const int& type, const float& t1, const float& t2, const float& p1,
                             const float& p2)
{
    CURFIN(type, t1, t2, p1, p2);
}

void kpAddGraphLine(const float& x, const float& y) { GRALIN(x, y); }

void kpMoveToGraphPoint(const float& x, const float& y) { GRAMOV(x, y); }

void kpTransformGraphPoint(const float& x, const float& y, PointRecord& kernelPoint)
{
    float kx = 0.0f, ky = 0.0f;
    GRASPA(x, y, kx, ky);
    kernelPoint = PointRecord{kx, ky};
}

void kpTransformSpacePoint(const float& kernelX, const float& kernelY, PointRecord& graphPoint)
{
    float gx = 0.0f, gy = 0.0f;
    SPAGRA(kernelX, kernelY, gx, gy);
    graphPoint = PointRecord{gx, gy};
}

void kpAddReferenceLine(const char* caption, int length, const float& value, const int& position,
                        const int& side, const int& textDirection, const int& lineDirection)
{
    const int type = longFormPair(kPairAddReferenceLine, referenceLineCases, position, side);
    const int turned = longFormCode(textDirectionRows, textDirection);
    REFLIN(caption, length, value, type, turned, lineDirection);
}

void kpDrawArrow(const float& x, const float& y, const int& head, const int& coordinates)
{
    const int style = longFormCode(arrowHeadRows, head);
    const int units = longFormCode(arrowCoordinateRows, coordinates);
    ARROW(x, y, style, units);
}

void kpDefineMissingValues(const int& mode, const float& a, const float& b, const int& axis)
{
    VALMIS(mode, a, b, axis);
}

void kpSetValueAttribs(const int& a1, const int& a2, const float& a3, const float& a4,
                       const float& a5, const float& a6, const int& a7, const int& a8)
{
    const int placeX = longFormCode(valuePlaceXRows, a1);
    const int placeY = longFormCode(valuePlaceYRows, a2);
    const int across = longFormCode(valueAcrossRows, a7);
    VALATT(placeX, placeY, a3, a4, a5, a6, across, a8);
}

void kpEnqValueAttribs(int& a1, int& a2, float& a3, float* offsets, float& a5, int& a6, int& a7)
{
    int placeX = 0, placeY = 0, across = 0, along = 0;
    float offsetX = 0.0f, offsetY = 0.0f;
    VATENQ(placeX, placeY, a3, offsetX, offsetY, a5, across, along);
    longFormReturnCode(valuePlaceXRows, placeX, a1);
    longFormReturnCode(valuePlaceYRows, placeY, a2);
    if (offsets != nullptr) {
        offsets[0] = offsetX;
        offsets[1] = offsetY;
    }
    longFormReturnCode(valueAcrossRows, across, a6);
    longFormReturnCode(valueAlongRows, along, a7);
}

void kpSetValueTags(const char* tag1, int length1, const char* tag2, int length2)
{
    VALTXT(tag1, length1, tag2, length2);
}
