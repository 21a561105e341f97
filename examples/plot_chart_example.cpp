// plot_chart_example - business charts on one page: a bar chart of yearly sales with filled
// bars and their values, a histogram of measured lengths filled with hatches, an area chart
// of plots of land with their sizes, and a text chart table beside the bars.  Each chart
// takes a quarter of the picture as its plot frame.  Written to plot_chart_example.png in the
// current directory.
#include <cstdio>
#include <cstring>

#include "tarvcore.h"
#include "tplotlib.h"

namespace {

void title(const char* text)
{
    const int centre = 0, top = -1;
    GRFTTL(text, static_cast<int>(std::strlen(text)), centre, top);
}

// Sales of five years: the previous plan as start values, the result as end values.
void barChart()
{
    GRFBND(0.0f, 750.0f, 500.0f, 1000.0f);
    const float plan[] = {20.0f, 25.0f, 22.0f, 30.0f, 28.0f};
    const float result[] = {32.0f, 29.0f, 35.0f, 41.0f, 38.0f};
    const int n = 5, vertical = 1;
    const float fraction = 0.7f, first = 2019.0f, last = 2023.0f;
    kernelSetColour(1);
    BARCHA(plan, result, n, vertical, fraction, first, last);
    const int styles[] = {0, 0, 0, 0, 0}, pens[] = {4, 4, 4, 4, 2};
    BARFIL(plan, result, n, fraction, styles, pens);
    GRABAR(plan, result, n, fraction);
    VALTXT("+", 1, "", 0);
    const int centred = 0, above = 2, middle = 0;
    const float none = 0.0f;
    VALATT(centred, above, none, none, none, none, middle, centred);
    const int difference = 3;
    BARVAL(plan, result, n, fraction, difference);
    VALTXT("", 0, "", 0);
    title("Sales above plan, 2019-2023");
}

// Lengths of 8 classes, as a histogram with alternating hatches.
void histogram()
{
    GRFBND(750.0f, 1500.0f, 500.0f, 1000.0f);
    const float counts[] = {2.0f, 5.0f, 11.0f, 17.0f, 14.0f, 9.0f, 4.0f, 1.0f};
    const int n = 8, linear = 0;
    const float touching = 1.0f, first = 10.0f, last = 45.0f;
    kernelSetColour(1);
    HISCHA(counts, n, linear, touching, first, last);
    const int styles[] = {1, 2, 1, 2, 1, 2, 1, 2}, pens[] = {3, 3, 3, 3, 3, 3, 3, 3};
    HISFIL(counts, n, touching, styles, pens);
    HISGRA(counts, n, touching);
    const int centred = 0, above = 2, middle = 0;
    const float none = 0.0f;
    VALATT(centred, above, none, none, none, none, middle, centred);
    HISVAL(counts, n, touching);
    title("Lengths measured (mm)");
}

// Four plots of land given by their corners, with their sizes in the middle.
void areaChart()
{
    GRFBND(0.0f, 750.0f, 0.0f, 500.0f);
    const float west[] = {0.0f, 40.0f, 0.0f, 70.0f}, east[] = {40.0f, 100.0f, 70.0f, 100.0f};
    const float south[] = {0.0f, 0.0f, 30.0f, 30.0f}, north[] = {30.0f, 30.0f, 60.0f, 60.0f};
    const int n = 4, linear = 0, alongX = 1;
    kernelSetColour(1);
    ARECHA(west, east, south, north, n, linear);
    const int styles[] = {0, 0, 0, 0}, pens[] = {5, 6, 7, 3};
    AREFIL(west, east, south, north, n, alongX, styles, pens);
    AREGRA(west, east, south, north, n, alongX);
    const int middle = 0;
    const float none = 0.0f;
    VALATT(middle, middle, none, none, none, none, middle, middle);
    VALTXT("", 0, " m2", 3);
    const int size = 7;
    AREVAL(west, east, south, north, n, size, alongX);
    VALTXT("", 0, "", 0);
    title("Plots of land");
}

// A small table: the years, a fill sample and the result of each.
void table()
{
    const float width = 160.0f, height = 300.0f;
    const int centred = 0, titled = 1, framePen = 1;
    TEXDEF(width, height, centred, titled, framePen);
    const int n = 5;
    const float top = 420.0f;
    TEXGEN(850.0f, top, n, 2019.0f, 2023.0f, "Year", 4);
    const int styles[] = {0, 0, 0, 0, 0}, pens[] = {4, 4, 4, 4, 2};
    TEXFIL(1010.0f, top, n, styles, pens, "Bar", 3);
    const float result[] = {32.0f, 29.0f, 35.0f, 41.0f, 38.0f};
    TEXVAL(1170.0f, top, n, result, "Result", 6);
    TEXPER(1330.0f, top, n, result, "Share", 5);
}

void picture()
{
    kernelSetPictureSpace(0.0f, 1500.0f, 0.0f, 1000.0f);
    kernelSetCharSize(9.0f, 12.0f);
    barChart();
    histogram();
    areaChart();
    table();
}

}  // namespace

int main()
{
    const char* name = "plot_chart_example.png";
    kernelSelectOutput(name, static_cast<int>(std::strlen(name)));
    kernelOpenDevice();
    picture();
    kernelCloseDevice();
    std::printf("wrote %s\n", name);
    return 0;
}
