// axes_longforms.cpp - long forms of the axis routines: scaling, position, annotation and
// attributes with their enquiries, axis drawing, labels, titles and the restore routine.
// The enquiries give back codes where the setting routine takes codes, through the same
// tables read the other way; a value with no code leaves the caller's variable alone.
#include "longform/codes.h"

#include <climits>

using namespace plotlib;

namespace {

constexpr LongFormCodeRow positionRows[] = {{kpAxisPosition1, 1}, {kpAxisPosition0, 0}};
constexpr LongFormCodeRow captionStyleRows[] = {
    {0, 0}, {kpCaptionStyle4, 4}, {kpCaptionStyle3, 3}, {kpCaptionStyle2, 2}, {kpCaptionStyle1, 1}};
constexpr LongFormCodeRow attrib1Rows[] = {{kpAxisAttrib1On, 1}, {kpAxisAttrib1Off, 0}};
constexpr LongFormCodeRow attrib7Rows[] = {{-1, 1}, {0, 0}, {1, -1}, {kpAxisAttribValue2, 2}};
constexpr LongFormCodeRow attrib8Rows[] = {{-1, -1}, {0, 0}, {1, 1}, {kpAxisAttribValue2, 2}};
constexpr LongFormCodeRow attrib9Rows[] = {{0, 0}, {kpAxisAttrib9On, 1}};
constexpr LongFormCodeRow tickRows[] = {{0, 0}, {kpMode2, 2}, {kpMode1, 1}};
// Annotation of kpDrawAxes and label position of kpDrawAxesLabels.
constexpr LongFormCodeRow annotationRows[] = {{0, 1}, {1, -1}, {kpNone, 0}};

// Orientation of labels and titles from (axis, side).
constexpr LongFormPairCase orientationCases[] = {{1, -1, 1}, {1, 1, -1}, {2, -1, 2}, {2, 1, -2}};

}  // namespace

void kpSetAxesScaling(const int& scaling, const int& count, const float& minimum,
                      const float& maximum, const int& axis)
{
    const int type = longFormCode(longFormAxisScalingRows, scaling);
    AXISCA(type, count, minimum, maximum, axis);
}

void kpEnqAxesScaling(int& scaling, int& count, float& minimum, float& maximum, const int& axis)
{
    int type = 0;
    AXSENQ(type, count, minimum, maximum, axis);
    longFormReturnCode(longFormAxisScalingRows, type, scaling);
}

void kpSetAxesPos(const int& position, const float& x, const float& y, const float& length,
                  const int& axis)
{
    const int type = longFormCode(positionRows, position);
    AXIPOS(type, x, y, length, axis);
}

void kpEnqAxesPos(int& type, PointRecord& origin, float& length, const int& axis)
{
    float x = 0.0f, y = 0.0f;
    AXPENQ(type, x, y, length, axis);
    origin = PointRecord{x, y};
}

void kpSetAxesAnnotation(const int& decimals, const int& digits, const int& style, const int& axis)
{
    const int legacyStyle = longFormCode(captionStyleRows, style);
    AXIANN(decimals, digits, legacyStyle, axis);
}

void kpEnqAxesAnnotation(int& decimals, int& digits, int& labelWidth, int& style, const int& axis)
{
    int legacyStyle = 0;
    AXNENQ(decimals, digits, labelWidth, legacyStyle, axis);
    longFormReturnCode(captionStyleRows, legacyStyle, style);
}

void kpSetAxesAttribs(const int& a1, const float& a2, const int& a3, const int& a4, const float& a5,
                      const float& a6, const int& a7, const int& a8, const int& a9, const int& axis)
{
    const int b1 = longFormCode(attrib1Rows, a1);
    const int b7 = longFormCode(attrib7Rows, a7);
    const int b8 = longFormCode(attrib8Rows, a8);
    const int b9 = longFormCode(attrib9Rows, a9);
    AXIATT(b1, a2, a3, a4, a5, a6, b7, b8, b9, axis);
}

void kpEnqAxesAttribs(int& a1, float& a2, int& a3, int& a4, float& a5, float& a6, int& a7, int& a8,
                      int& a9, const int& axis)
{
    int b1 = 0, b7 = 0, b8 = 0, b9 = 0;
    AXTENQ(b1, a2, a3, a4, a5, a6, b7, b8, b9, axis);
    longFormReturnCode(attrib1Rows, b1, a1);
    longFormReturnCode(attrib7Rows, b7, a7);
    longFormReturnCode(attrib8Rows, b8, a8);
    longFormReturnCode(attrib9Rows, b9, a9);
}

void kpDrawAxes(const int& ticks, const int& side, const int& annotation, const int& axis)
{
    int t = longFormCode(tickRows, ticks);
    // Turned to the other side after the mapping.  INT_MIN has no negative int: INT_MAX,
    // the nearest, stands for it.
    if (side == 1) t = t == INT_MIN ? INT_MAX : -t;
    const int numbers = longFormCode(annotationRows, annotation);
    AXIDRA(t, numbers, axis);
}

void kpDrawAxesLabels(const int& n, const char* labels, int length, const int& position,
                      const int& axis)
{
    const int side = longFormCode(annotationRows, position);
    AXISTR(labels, length, n, side, axis);
}

void kpDrawAxesLabs(const int& n, const char* labels, int length, const float& position,
                    const int& axis, const int& side)
{
    const int orientation = longFormPair(kPairDrawAxesLabs, orientationCases, axis, side);
    AXLSTR(labels, length, n, position, orientation);
}

void kpDrawAxesTitle(const char* text, int length, const float& position, const int& axis,
                     const int& side, const int& justification)
{
    const int orientation = longFormPair(kPairDrawAxesTitle, orientationCases, axis, side);
    AXNSTR(text, length, position, orientation, justification);
}

void kpRestoreAxesSettings() { AXISET(); }
