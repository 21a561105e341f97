// plot.cpp - the plot routine: the series of the chosen kind is copied into single-precision
// arrays with its limits and texts, then drawn through the graph library in a fixed order of
// calls (character mode, pen, picture space, character size, axes, grid, titles, the curve).
#include "plot/plot.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "state.h"
#include "tarvcore.h"
#include "tplotlib.h"

namespace {

// Single precision for the graph library; a value beyond its range is held at the largest
// float of its sign (and one that is not a number at 0), so no conversion leaves the range.
float single(double v)
{
    if (std::isnan(v)) return 0.0f;
    if (v > FLT_MAX) return FLT_MAX;
    if (v < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(v);
}

struct SeriesChoice {
    const double* x;
    const double* y;
    double xLower, xUpper, yLower, yUpper;
    int points;
    const char* xName;
    const char* yName;
    const char* title;
};

bool chooseSeries(int kind, SeriesChoice& c)
{
    const SeriesRanges& r = app.ranges;
    const SpectrumSet& s = app.spectrum;
    const int half = r.N / 2;
    switch (kind) {
    case 1:
        c = {app.samples.T, app.samples.X, r.TMIN,     r.TMAX,       r.XMIN,
             r.XMAX,        r.N,           "Time (s)", "Data Value", "Plot of Data Analyzed"};
        return true;
    case 2:
        c = {s.FREQ, s.AMP, r.FMIN,           r.FMAX,      r.AMIN,
             r.AMAX, half,  "Frequency (Hz)", "Amplitude", "Plot of Amplitude Spectrum"};
        return true;
    case 3:
        c = {s.FREQ,  s.POWER, r.FMIN,           r.FMAX,  r.PWMIN,
             r.PWMAX, half,    "Frequency (Hz)", "Power", "Plot of Power Spectrum"};
        return true;
    case 4:
        c = {s.FREQ,  s.PHASE, r.FMIN,           r.FMAX,  r.PHMIN,
             r.PHMAX, half,    "Frequency (Hz)", "Phase", "Plot of Phase Spectrum"};
        return true;
    default: return false;
    }
}

void fillSeries(int kind)
{
    SeriesChoice c{};
    if (!chooseSeries(kind, c)) return;
    PlotSeries& p = app.plot;
    // The count comes from the records; it never exceeds the arrays.
    p.NP = std::max(0, std::min(c.points, kind == 1 ? kSampleSlots : kSpectrumSlots));
    for (int i = 1; i <= p.NP; ++i) {
        p.XP[i] = single(c.x[i]);
        p.YP[i] = single(c.y[i]);
    }
    p.xLower = single(c.xLower);
    p.xUpper = single(c.xUpper);
    p.yLower = single(c.yLower);
    p.yUpper = single(c.yUpper);
    setText(p.xName, c.xName);
    setText(p.yName, c.yName);
    setText(p.title, c.title);
}

}  // namespace

void PLOT(int kind)
{
    PlotSeries& p = app.plot;
    p.xDivisions = p.yDivisions = 10;
    fillSeries(kind);

    GRFMOD(0);
    kernelSetLineWidth(1.5f);
    kernelSetColour(1);
    kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 750.0f);
    kernelSetCharSize(10.0f, 10.0f);
    kernelSetTextMode(1);
    kernelSetCharSize(11.0f, 11.0f);
    AXIPOS(1, 100.0f, 100.0f, 800.0f, 1);
    AXIPOS(1, 100.0f, 100.0f, 600.0f, 2);
    AXISCA(1, p.xDivisions, p.xLower, p.xUpper, 1);
    AXISCA(1, p.yDivisions, p.yLower, p.yUpper, 2);
    AXIDRA(1, 1, 1);
    AXIDRA(-1, -1, 2);
    kernelSetColour(1);
    GRID(3, 1, 1);
    GRFTTL(p.title, kNameLength, 0, -1);
    kernelSetTextSetting49(0);
    AXNSTR(p.xName, kNameLength, 30.0f, -1, 0);
    AXNSTR(p.yName, kNameLength, 30.0f, 2, 0);
    kernelSetColour(7);
    kernelSetLineWidth(2.2f);
    GRAPOL(p.XP + 1, p.YP + 1, p.NP);
}
