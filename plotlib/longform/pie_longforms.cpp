// pie_longforms.cpp - long forms of the pie chart settings and drawing.  Annotation codes,
// the box type (types 1 and 2 trade places) and the bound switch are converted into private
// copies; the annotation enquiry maps what PIAENQ returns back into the codes its twin takes,
// and the settings enquiry packs the centre into a point record.  The drawing long forms only
// put the count or the explosion count in the legacy routine's place.
#include "longform/codes.h"

using namespace plotlib;

namespace {

constexpr LongFormCodeRow pieStyleRows[] = {{kpPieStyle3, 3}, {kpPieStyle2, 2}, {kpPieStyle1, 1}};
constexpr LongFormCodeRow pieLabelRows[] = {{0, 0}, {kpPieAnnotation2On, 1}};
constexpr LongFormCodeRow piePercentRows[] = {{0, 0}, {kpPieAnnotation3On, 1}};
constexpr LongFormCodeRow pieValueRows[] = {{0, 0}, {kpPieAnnotation4On, 1}};
constexpr LongFormCodeRow pieBoxRows[] = {{0, 0}, {1, 2}, {2, 1}, {3, 3}};
constexpr LongFormCodeRow pieBoundRows[] = {{0, -1}, {1, 0}};

}  // namespace

void kpSetPieChartStartAngle(const float& angle) { PIEANG(angle); }

void kpSetPieChartAnnotation(const int& mode, const int& labelSwitch, const int& percentSwitch,
                             const int& valueSwitch, const float& threshold)
{
    const int legacyMode = longFormCode(pieStyleRows, mode);
    const int label = longFormCode(pieLabelRows, labelSwitch);
    const int percent = longFormCode(piePercentRows, percentSwitch);
    const int value = longFormCode(pieValueRows, valueSwitch);
    PIEANN(legacyMode, label, percent, value, threshold);
}

void kpEnqPieChartAnnotation(int& mode, int& labelSwitch, int& percentSwitch, int& valueSwitch,
                             float& threshold)
{
    int c1 = 0, c2 = 0, c3 = 0, c4 = 0;
    PIAENQ(c1, c2, c3, c4, threshold);
    longFormReturnCode(pieStyleRows, c1, mode);
    longFormReturnCode(pieLabelRows, c2, labelSwitch);
    longFormReturnCode(piePercentRows, c3, percentSwitch);
    longFormReturnCode(pieValueRows, c4, valueSwitch);
}

void kpSetPieChartBoxType(const int& type, const int& fillStyle, const int& pen)
{
    const int legacyType = longFormCode(pieBoxRows, type);
    PIEBOX(legacyType, fillStyle, pen);
}

void kpSetPieChartBoundSwitch(const int& boundSwitch)
{
    const int legacy = longFormCode(pieBoundRows, boundSwitch);
    PIEBSW(legacy);
}

void kpPlotPieChart(const int& n, const float* values, const char* labels, int length,
                    const int* fillStyles, const int* pens)
{
    PIECHA(values, labels, length, n, fillStyles, pens);
}

void kpEnqPieChartSettings(float& radius, PointRecord& centre, float& startAngle)
{
    float cx = 0.0f, cy = 0.0f;
    PIEENQ(radius, cx, cy, startAngle);
    centre = PointRecord{cx, cy};
}

void kpSetPieChartExplosion(const int& count, const int* numbers, const float* distances)
{
    PIEEXP(numbers, distances, count);
}

void kpSetPieChartFrame(const float& radius, const float& centreX, const float& centreY)
{
    PIEPAP(radius, centreX, centreY);
}

void kpRestorePieChartSettings() { PIESET(); }

void kpAddPieChartSegment(const float& a1, const float& a2, const float& value, const char* label,
                          int length, const int& fillStyle, const int& pen)
{
    SEGCHA(a1, a2, value, label, length, fillStyle, pen);
}
