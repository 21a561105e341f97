// plot_graph_example - a whole graph from a data set: GRAPH scales and frames the axes and
// draws the measured points as a polyline with markers; a smooth model curve, extra markers
// at the peaks, value labels and a title are added on the same axes.  Written to
// plot_graph_example.png and plot_graph_example.pdf in the current directory.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tarvcore.h"
#include "tplotlib.h"

namespace {

float model(float t) { return 6.0f * std::exp(-0.18f * t) * std::cos(1.1f * t) + 1.0f; }

void picture()
{
    kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 750.0f);
    kernelSetCharSize(10.0f, 14.0f);
    kernelSetColour(1);

    // Measured samples: the model with a little deterministic scatter.
    std::vector<float> t, v;
    for (int i = 0; i <= 24; ++i) {
        const float x = 0.5f * static_cast<float>(i);
        t.push_back(x);
        v.push_back(model(x) + 0.35f * std::sin(7.3f * static_cast<float>(i)));
    }
    const int n = static_cast<int>(t.size());
    const int linear = 0, polylineWithMarkers = -1, frame = 0;
    GRAPH(t.data(), v.data(), n, linear, polylineWithMarkers, frame);

    // The model as a smooth curve through 121 points (two kernel pieces).
    std::vector<float> mt, mv;
    for (int i = 0; i <= 120; ++i) {
        const float x = 0.1f * static_cast<float>(i);
        mt.push_back(x);
        mv.push_back(model(x));
    }
    const int m = static_cast<int>(mt.size());
    kernelSetColour(4);
    GRACUR(mt.data(), mv.data(), m);

    // The turning points of the model, marked and labelled with their values.
    std::vector<float> pt, pv;
    for (int k = 0; k <= 3; ++k) {
        const float x = 2.8559933f * static_cast<float>(k);  // about k pi / 1.1
        pt.push_back(x);
        pv.push_back(model(x));
    }
    const int peaks = static_cast<int>(pt.size());
    kernelSetColour(2);
    const int diamond = 7, everyPoint = 0;
    GRASYM(pt.data(), pv.data(), peaks, diamond, everyPoint);
    VALTXT("y=", 2, "", 0);
    // Maxima: centred above the point; minima: starting one character right of it.
    const int stay = 0, oneRight = 1, up = 1, above = 1, middle = 0, centred = 0, starts = -1;
    const float none = 0.0f, gap = 6.0f;
    for (int k = 0; k < peaks; ++k) {
        if (k % 2 == 0) VALATT(stay, up, none, none, gap, none, above, centred);
        else VALATT(oneRight, stay, none, none, none, none, middle, starts);
        const int one = 1, yValues = 2;
        GRAVAL(&pt[k], &pv[k], one, yValues);
    }

    kernelSetColour(1);
    const char* title = "Damped oscillation: samples, model curve and turning points";
    const int centre = 0, top = -1;
    GRFTTL(title, static_cast<int>(std::strlen(title)), centre, top);
    const char* xTitle = "Time (s)";
    const char* yTitle = "Amplitude";
    const float below = 14.0f, left = 36.0f;
    const int xAxis = 1, yAxis = 2;
    AXNSTR(xTitle, static_cast<int>(std::strlen(xTitle)), below, xAxis, middle);
    AXNSTR(yTitle, static_cast<int>(std::strlen(yTitle)), left, yAxis, middle);
}

}  // namespace

int main()
{
    for (const char* name : {"plot_graph_example.png", "plot_graph_example.pdf"}) {
        kernelSelectOutput(name, static_cast<int>(std::strlen(name)));
        kernelOpenDevice();
        picture();
        kernelCloseDevice();
        std::printf("wrote %s\n", name);
    }
    return 0;
}
