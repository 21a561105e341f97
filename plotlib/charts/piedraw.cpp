// piedraw.cpp - pie charts: a whole pie from its values (PIECHA), its fills alone (PIEFIL), one
// segment between two angles (SEGCHA) and its fill alone (SEGFIL), and the explosion of
// segments out of the pie.  The geometry of one segment (angles, fill buffer, fill, outline)
// is in piesegment.cpp and the labels in pielabels.cpp; both are called from here, never the
// other way round.
#include <cmath>

#include "charts/pie.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// Angles of the segments of one pie.
struct PieSegments {
    int n;
    float a1[kPieMostSegments], a2[kPieMostSegments];
};

// Segment angles from the values: each segment sweeps its share of 360 degrees by the
// magnitude of its value, the first starting at the start angle.  False when the total is
// not above 0.00001 (or is no number).
bool segmentAngles(const float* values, int n, PieSegments& out)
{
    double total = 0.0;
    for (int i = 0; i < n; ++i) total += std::fabs(static_cast<double>(values[i]));
    if (!(total > 0.00001) || !std::isfinite(total)) return false;
    const double perUnit = 360.0 / total;
    const float start = graphState.pie.startAngle;
    double running = start / perUnit;
    float previous = start;
    out.n = n;
    for (int i = 0; i < n; ++i) {
        out.a1[i] = previous;
        running += std::fabs(static_cast<double>(values[i]));
        out.a2[i] = static_cast<float>(perUnit * running);
        previous = out.a2[i];
    }
    return true;
}

// One pass over the segments of a pie with an explosion table: the radius shrinks so that
// the pulled-out segments stay within the frame the pie had, and is given back exactly at the
// end of the pass (only while the frame follows the plot area).
class ExplosionPass {
public:
    explicit ExplosionPass(int n) : saved_(graphState.pie.radius)
    {
        PieSettings& p = graphState.pie;
        float largest = 0.0f;
        for (int i = 0; i < n; ++i)
            if (p.distance[i] > largest) largest = p.distance[i];
        scaled_ = p.explosionSwitch == 1 && p.frameSwitch == 0;
        if (scaled_) p.radius = p.radius / (1.0f + largest);
    }
    ~ExplosionPass()
    {
        if (scaled_ && graphState.pie.frameSwitch == 0) graphState.pie.radius = saved_;
    }
    ExplosionPass(const ExplosionPass&) = delete;
    ExplosionPass& operator=(const ExplosionPass&) = delete;

private:
    float saved_;
    bool scaled_ = false;
};

// The centre moved out for exploded segment i (0-based) for the time of one segment.
class SegmentCentre {
public:
    SegmentCentre(int i, float a1, float a2)
        : x_(graphState.pie.centreX), y_(graphState.pie.centreY)
    {
        PieSettings& p = graphState.pie;
        if (p.explosionSwitch != 1 || p.exploded[i] != 1) return;
        const float d = p.distance[i];
        if (!(std::fabs(d) >= 0.00001f)) return;
        const double m = (static_cast<double>(a1) + a2) / 2.0 * graphState.nice.degree;
        const double shift = static_cast<double>(d) * p.radius;
        p.centreX = static_cast<float>(x_ + shift * std::cos(m));
        p.centreY = static_cast<float>(y_ + shift * std::sin(m));
    }
    ~SegmentCentre()
    {
        graphState.pie.centreX = x_;
        graphState.pie.centreY = y_;
    }
    SegmentCentre(const SegmentCentre&) = delete;
    SegmentCentre& operator=(const SegmentCentre&) = delete;

private:
    float x_, y_;
};

// Element i of the caller's label array, or an empty label.
const char* labelOf(const char* labels, int length, int i, int& used)
{
    used = labels != nullptr && length > 0 ? length : 0;
    return used > 0 ? labels + static_cast<long>(i) * length : "";
}

int outlineOf(int boundSwitch, int drawn) { return boundSwitch == -1 ? -1 : drawn; }

bool labelWanted(float sweep)
{
    const PieSettings& p = graphState.pie;
    const bool anySwitch = p.labelSwitch == 1 || p.percentSwitch == 1 || p.valueSwitch == 1;
    return anySwitch && !(sweep / 3.6f < p.labelThreshold);
}

bool emptySegment(float a1, float a2) { return !(std::fabs(a1 - a2) >= 0.0001f); }

// Every segment filled with its own fill style and pen, each in an empty buffer.
void fillPass(const PieSegments& g, const int* styles, const int* pens)
{
    for (int i = 0; i < g.n; ++i) {
        SegmentCentre centre(i, g.a1[i], g.a2[i]);
        graphClearPieBuffer();
        graphFillPieSegment(g.a1[i], g.a2[i], styles[i], pens[i]);
    }
}

void radialPass(const PieSegments& g, const float* values, const char* labels, int length)
{
    const PieSettings& p = graphState.pie;
    const int code = outlineOf(p.boundSwitch, p.explosionSwitch == 1 ? 1 : 0);
    for (int i = 0; i < g.n; ++i) {
        SegmentCentre centre(i, g.a1[i], g.a2[i]);
        int used = 0;
        const char* label = labelOf(labels, length, i, used);
        graphDrawRadialPieLabel(code, g.a1[i], g.a2[i], label, used, values[i], p.labelSwitch,
                                p.percentSwitch, p.valueSwitch);
    }
}

// Boxed labels: the boxes go into each segment's buffer before its fill; outlines and texts
// follow in a second pass over the fills.
void boxedPasses(const PieSegments& g, const float* values, const char* labels, int length,
                 const int* styles, const int* pens)
{
    const PieSettings& p = graphState.pie;
    for (int i = 0; i < g.n; ++i) {
        SegmentCentre centre(i, g.a1[i], g.a2[i]);
        graphClearPieBuffer();
        int used = 0;
        const char* label = labelOf(labels, length, i, used);
        if (p.boxType >= 2)
            graphDrawBoxedPieLabel(g.a1[i], g.a2[i], label, used, values[i], p.boxType);
        graphFillPieSegment(g.a1[i], g.a2[i], styles[i], pens[i]);
    }
    for (int i = 0; i < g.n; ++i) {
        SegmentCentre centre(i, g.a1[i], g.a2[i]);
        int used = 0;
        const char* label = labelOf(labels, length, i, used);
        const int code = p.boxType + 4;
        graphDrawBoxedPieLabel(g.a1[i], g.a2[i], label, used, values[i], code);
        if (p.boundSwitch == -1) continue;
        float sweep = 0.0f, s = 0.0f, e = 0.0f, rim[4];
        graphNormalisePieAngles(g.a1[i], g.a2[i], sweep, s, e);
        graphDrawPieOutline(s, e, sweep, 0, rim);
    }
}

// Outlines and leader labels after the fills; an empty segment draws nothing.
void leaderPass(const PieSegments& g, const float* values, const char* labels, int length)
{
    const PieSettings& p = graphState.pie;
    for (int i = 0; i < g.n; ++i) {
        if (emptySegment(g.a1[i], g.a2[i])) continue;
        SegmentCentre centre(i, g.a1[i], g.a2[i]);
        float sweep = 0.0f, s = 0.0f, e = 0.0f, rim[4];
        graphNormalisePieAngles(g.a1[i], g.a2[i], sweep, s, e);
        graphDrawPieOutline(s, e, sweep, outlineOf(p.boundSwitch, 1), rim);
        if (!labelWanted(sweep)) continue;
        int used = 0;
        const char* label = labelOf(labels, length, i, used);
        graphDrawLeaderPieLabel(label, used, s, sweep, values[i]);
    }
}

// Checks shared by the whole-pie routines: a radius to draw with (silently), 1..50 segments
// (5), a total to divide (6).
bool pieReady(const float* values, int n, PieSegments& g)
{
    if (!(graphState.pie.radius > 0.0f)) return false;
    if (n < 1 || n > kPieMostSegments || values == nullptr) {
        graphReportError(kBadSegmentCount);
        return false;
    }
    if (!segmentAngles(values, n, g)) {
        graphReportError(kTotalNotPositive);
        return false;
    }
    return true;
}

// pieReady for the routines that fill: their fill styles and pens must be given too (5).
bool pieFillReady(const float* values, int n, const int* fillStyles, const int* pens,
                  PieSegments& g)
{
    if (!pieReady(values, n, g)) return false;
    if (fillStyles == nullptr || pens == nullptr) {
        graphReportError(kBadSegmentCount);
        return false;
    }
    return true;
}

}  // namespace

void PIECHA(const float* values, const char* labels, int length, const int& n,
            const int* fillStyles, const int* pens)
{
    GraphRoutineFrame frame("PIECHA");
    PieSegments g{};
    if (!pieFillReady(values, n, fillStyles, pens, g)) return;
    ExplosionPass pass(n);
    switch (graphState.pie.annotationMode) {
    case 1:
        fillPass(g, fillStyles, pens);
        radialPass(g, values, labels, length);
        break;
    case 3:
        fillPass(g, fillStyles, pens);
        leaderPass(g, values, labels, length);
        break;
    default: boxedPasses(g, values, labels, length, fillStyles, pens); break;
    }
}

void PIEFIL(const float* values, const int& n, const int* fillStyles, const int* pens)
{
    GraphRoutineFrame frame("PIEFIL");
    PieSegments g{};
    if (!pieFillReady(values, n, fillStyles, pens, g)) return;
    ExplosionPass pass(n);
    fillPass(g, fillStyles, pens);
}

void SEGCHA(const float& a1, const float& a2, const float& value, const char* label, int length,
            const int& fillStyle, const int& pen)
{
    GraphRoutineFrame frame("SEGCHA");
    graphState.graph.currentAxis = 2;
    // Nothing to draw for a segment of no width.  A pie of no size still gets the fill and
    // the radial label of annotation mode 1 and the fill of mode 3, but no boxes, outlines or
    // leader labels.
    if (emptySegment(a1, a2)) return;
    const PieSettings& p = graphState.pie;
    const bool sized = p.radius > 0.0f;
    const int used = label != nullptr && length > 0 ? length : 0;
    const char* text = used > 0 ? label : "";
    float sweep = 0.0f, s = 0.0f, e = 0.0f, rim[4];
    graphNormalisePieAngles(a1, a2, sweep, s, e);
    graphClearPieBuffer();
    switch (p.annotationMode) {
    case 1:
        graphFillPieSegment(a1, a2, fillStyle, pen);
        graphDrawRadialPieLabel(-1, a1, a2, text, used, value, p.labelSwitch, p.percentSwitch,
                                p.valueSwitch);
        graphDrawPieOutline(s, e, sweep, p.boundSwitch, rim);
        break;
    case 3:
        graphFillPieSegment(a1, a2, fillStyle, pen);
        if (!sized) break;
        graphDrawPieOutline(s, e, sweep, outlineOf(p.boundSwitch, 0), rim);
        if (labelWanted(sweep)) graphDrawLeaderPieLabel(text, used, s, sweep, value);
        break;
    default: {
        if (!sized) break;
        const int code = outlineOf(p.boundSwitch, 0);
        graphClearPieBuffer();
        if (p.boxType >= 2) graphDrawBoxedPieLabel(a1, a2, text, used, value, p.boxType);
        graphFillPieSegment(a1, a2, fillStyle, pen);
        graphDrawBoxedPieLabel(a1, a2, text, used, value, p.boxType + 4);
        if (code != -1) graphDrawPieOutline(s, e, sweep, code, rim);
        break;
    }
    }
}

void SEGFIL(const float& a1, const float& a2, const int& fillStyle, const int& pen)
{
    GraphRoutineFrame frame("SEGFIL");
    if (!(graphState.pie.radius > 0.0f)) return;
    graphClearPieBuffer();
    graphFillPieSegment(a1, a2, fillStyle, pen);
}

void PIESTR(const float* values, const char* labels, int length, const int& n,
            const int& percentSwitch)
{
    GraphRoutineFrame frame("PIESTR");
    PieSegments g{};
    if (!pieReady(values, n, g)) return;
    ExplosionPass pass(n);
    const PieSettings& p = graphState.pie;
    const int code = outlineOf(p.boundSwitch, p.explosionSwitch == 1 ? 1 : 0);
    // Label switch 2: an empty label writes nothing, not even the percentage.
    static const int labelOnly = 2, noValue = 0;
    for (int i = 0; i < g.n; ++i) {
        SegmentCentre centre(i, g.a1[i], g.a2[i]);
        int used = 0;
        const char* label = labelOf(labels, length, i, used);
        graphDrawRadialPieLabel(code, g.a1[i], g.a2[i], label, used, values[i], labelOnly,
                                percentSwitch, noValue);
    }
}

void SEGSTR(const int& outlineCode, const float& a1, const float& a2, const char* label, int length,
            const int& percentSwitch)
{
    GraphRoutineFrame frame("SEGSTR");
    if (!(graphState.pie.radius > 0.0f)) return;
    const int used = label != nullptr && length > 0 ? length : 0;
    static const int labelOnly = 2, noValue = 0;
    static const float noNumber = 0.0f;
    graphDrawRadialPieLabel(outlineCode, a1, a2, used > 0 ? label : "", used, noNumber, labelOnly,
                            percentSwitch, noValue);
}
