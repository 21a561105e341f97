// graph.cpp - a program outside the project drawing a damped wave as a graph into graph.png.
#include <cmath>
#include "tarvcore.h"
#include "tplotlib.h"

int main()
{
    float x[200], y[200];
    for (int i = 0; i < 200; ++i) {
        x[i] = 0.05f * i;
        y[i] = std::exp(-0.3f * x[i]) * std::sin(3 * x[i]);
    }
    kernelSelectOutput("graph.png", 9);
    kernelOpenDevice();
    const int n = 200, linear = 0, polyline = 1, axesThroughZero = 1;
    GRAPH(x, y, n, linear, polyline, axesThroughZero);
    kernelCloseDevice();
}
