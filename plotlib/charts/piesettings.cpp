// piesettings.cpp - the pie chart settings: start angle, annotation, label boxes, outline
// switch, exploded segments and the pie frame, with their enquiries.  PIESET, which puts them
// all back, lives with the other restore routines (frame/restore.cpp).
//
// None of these routines draws.  Every one runs in the routine frame, whose entry recomputes
// the default centre and radius while no frame was set, so an enquiry reports the pie as the
// current plot area would place it.
#include <cmath>

#include "charts/pie.h"
#include "frame/defaults.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

int switchOf(int argument) { return argument == 1 ? 1 : 0; }

// The absolute value of a pen; the most negative integer, which has none, gives the largest.
int absolutePen(int pen) { return pen >= 0 ? pen : (pen == -2147483647 - 1 ? 2147483647 : -pen); }

}  // namespace

void PIEANG(const float& angle)
{
    GraphRoutineFrame frame("PIEANG");
    // A start angle that is no number has no place on the circle: the pie starts at 0.
    double a = std::isfinite(angle) ? std::fmod(static_cast<double>(angle), 360.0) : 0.0;
    if (a < 0.0) a += 360.0;
    a += 0.0;  // a whole negative turn leaves -0: store it as 0
    float stored = static_cast<float>(a);
    // A tiny negative remainder plus 360 rounds to 360 in single precision.
    if (!(stored < 360.0f)) stored = 0.0f;
    graphState.pie.startAngle = stored;
}

void PIEANN(const int& mode, const int& labelSwitch, const int& percentSwitch,
            const int& valueSwitch, const float& threshold)
{
    GraphRoutineFrame frame("PIEANN");
    PieSettings& p = graphState.pie;
    p.annotationMode = mode;
    if (mode < 1 || mode > 3) {
        graphReportError(kBadAnnotationMode);
        p.annotationMode = 2;
    }
    p.labelSwitch = switchOf(labelSwitch);
    p.percentSwitch = switchOf(percentSwitch);
    p.valueSwitch = switchOf(valueSwitch);
    // Clamped silently; a threshold that is no number labels every segment.
    p.labelThreshold = threshold > 100.0f ? 100.0f : (threshold > 0.0f ? threshold : 0.0f);
}

void PIEBOX(const int& type, const int& fillStyle, const int& pen)
{
    GraphRoutineFrame frame("PIEBOX");
    PieSettings& p = graphState.pie;
    p.boxType = type;
    if (type < 0 || type > 3) {
        graphReportError(kBadBoxType);
        p.boxType = 3;
    }
    p.boxFillStyle = fillStyle;
    p.boxPen = absolutePen(pen);
}

void PIEBSW(const int& boundSwitch)
{
    GraphRoutineFrame frame("PIEBSW");
    graphState.pie.boundSwitch = boundSwitch;
}

void PIEEXP(const int* numbers, const float* distances, const int& count)
{
    GraphRoutineFrame frame("PIEEXP");
    PieSettings& p = graphState.pie;
    p.explosionSwitch = count != 0 ? 1 : 0;
    int entries = count;
    if (count < 0 || count > kPieMostSegments) {
        graphReportError(kBadExplosionCount);
        p.explosionSwitch = 0;
        entries = 0;
    }
    // Every call replaces the whole table.
    for (int k = 0; k < kPieMostSegments; ++k) {
        p.exploded[k] = 0;
        p.distance[k] = 0.0f;
    }
    if (numbers == nullptr || distances == nullptr) entries = 0;
    for (int i = 0; i < entries; ++i) {
        const int s = numbers[i];
        if (s < 1 || s > kPieMostSegments) {
            graphReportError(kBadSegmentNumber);
            continue;
        }
        p.exploded[s - 1] = 1;
        if (distances[i] < -0.00001f) graphReportError(kNegativeDistance);
        p.distance[s - 1] = std::fabs(distances[i]);
    }
}

void PIEPAP(const float& radius, const float& centreX, const float& centreY)
{
    GraphRoutineFrame frame("PIEPAP");
    graphDefaultPieFrame();
    PieSettings& p = graphState.pie;
    p.centreX = centreX;
    p.centreY = centreY;
    // A radius that is no number, or endless, cannot be drawn: the default one is kept, as
    // for a radius of nothing.
    if (!(std::fabs(radius) >= 1e-9f) || !std::isfinite(radius)) {
        graphReportError(kRadiusTooSmall);
    } else if (radius < 0.0f) {
        graphReportError(kNegativeRadius);
        p.radius = -radius;
    } else {
        p.radius = radius;
    }
    p.frameSwitch = 1;
}

void PIAENQ(int& mode, int& labelSwitch, int& percentSwitch, int& valueSwitch, float& threshold)
{
    GraphRoutineFrame frame("PIAENQ");
    const PieSettings& p = graphState.pie;
    mode = p.annotationMode;
    labelSwitch = p.labelSwitch;
    percentSwitch = p.percentSwitch;
    valueSwitch = p.valueSwitch;
    threshold = p.labelThreshold;
}

void PIEENQ(float& radius, float& centreX, float& centreY, float& startAngle)
{
    GraphRoutineFrame frame("PIEENQ");
    const PieSettings& p = graphState.pie;
    radius = p.radius;
    centreX = p.centreX;
    centreY = p.centreY;
    startAngle = p.startAngle;
}
