// plot_pie_example - a pie chart and a polar chart side by side.  The pie on the left has two
// segments pulled out and its labels in boxes cut out of the fills (the label text and the
// percentage); two small pies above it show leader labels with values and radial percentage
// labels with the segments drawn one by one (SEGCHA).  The right half
// holds an XY polar chart of a rose curve with its radial axes, rings and spokes.  Written to
// plot_pie_example.png in the current directory.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tarvcore.h"
#include "tplotlib.h"

namespace {

void pie()
{
    // The left half of the picture is the pie's plot area (PIESET switches the plot frame
    // off, so it comes first).
    PIESET();
    GRFBND(0.0f, 500.0f, 60.0f, 690.0f);
    const float values[6] = {32.0f, 21.0f, 14.0f, 12.0f, 9.0f, 4.0f};
    const char labels[] = "Rent    Food    Travel  Savings Leisure Other   ";
    const int labelLength = 8, n = 6;
    const int styles[6] = {0, 0, 0, 0, 0, 0};
    const int pens[6] = {4, 5, 6, 7, 8, 9};
    const int exploded[2] = {1, 4};
    const float distances[2] = {0.12f, 0.2f};
    const int two = 2;
    PIEEXP(exploded, distances, two);
    const int boxed = 2, on = 1, off = 0, outlinedHoles = 3, unfilled = -1, pen = 0;
    const float everyLabel = 0.0f;
    PIEANN(boxed, on, on, off, everyLabel);
    PIEBOX(outlinedHoles, unfilled, pen);
    const float quarter = 90.0f;
    PIEANG(quarter);
    PIECHA(values, labels, labelLength, n, styles, pens);
}

void leaderPie()
{
    // A small pie of values with leader labels in the top right corner of the left half.
    PIESET();
    const float radius = 55.0f, x = 420.0f, y = 640.0f;
    PIEPAP(radius, x, y);
    const float values[3] = {3.0f, 1.5f, 0.5f};
    const char labels[] = "A B C ";
    const int labelLength = 2, n = 3;
    const int styles[3] = {3, 5, 7};
    const int pens[3] = {2, 3, 4};
    const int leader = 3, on = 1, off = 0;
    const float everyLabel = 0.0f;
    PIEANN(leader, on, off, on, everyLabel);
    PIECHA(values, labels, labelLength, n, styles, pens);
}

void radialSegments()
{
    // Three segments drawn one by one, with radial percentages, in the top left corner.
    PIESET();
    const float radius = 60.0f, x = 90.0f, y = 630.0f;
    PIEPAP(radius, x, y);
    const int radial = 1, on = 1, off = 0;
    const float everyLabel = 0.0f;
    PIEANN(radial, off, on, off, everyLabel);
    const float angles[4] = {30.0f, 150.0f, 240.0f, 390.0f};
    const int styles[3] = {0, 0, 0}, pens[3] = {10, 11, 12};
    const float unused = 0.0f;
    for (int k = 0; k < 3; ++k) SEGCHA(angles[k], angles[k + 1], unused, "", 0, styles[k], pens[k]);
}

void polar()
{
    // The right half: a three-petalled rose r = cos 3t as x, y points.
    GRFBND(500.0f, 1000.0f, 60.0f, 690.0f);
    std::vector<float> x, y;
    for (int i = 0; i <= 180; ++i) {
        const double t = 3.14159265358979 * i / 180.0;
        const double r = 40.0 * std::cos(3.0 * t);
        x.push_back(static_cast<float>(r * std::cos(t)));
        y.push_back(static_cast<float>(r * std::sin(t)));
    }
    kernelSetColour(1);
    const int n = static_cast<int>(x.size()), smooth = 2;
    POLXY(x.data(), y.data(), n, smooth);
}

void picture()
{
    kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 750.0f);
    kernelSetCharSize(8.0f, 12.0f);
    kernelSetColour(1);
    pie();
    leaderPie();
    radialSegments();
    polar();
    const float whole[4] = {0.0f, 1000.0f, 0.0f, 750.0f};
    GRFBND(whole[0], whole[1], whole[2], whole[3]);
    kernelSetColour(1);
    const char* title = "Household budget (pie) and a rose curve (polar chart)";
    const int centre = 0, top = -1;
    GRFTTL(title, static_cast<int>(std::strlen(title)), centre, top);
}

}  // namespace

int main()
{
    const char* name = "plot_pie_example.png";
    kernelSelectOutput(name, static_cast<int>(std::strlen(name)));
    kernelOpenDevice();
    picture();
    kernelCloseDevice();
    std::printf("wrote %s\n", name);
    return 0;
}
