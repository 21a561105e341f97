// population.h - workers of the population graph (GRAPOP).
#ifndef PLOTLIB_GRAPHS_POPULATION_H
#define PLOTLIB_GRAPHS_POPULATION_H

namespace plotlib {

// Chooses the category axis (the one of scaling type 5; otherwise -503 and the x axis), the
// class width of a value of 1 (one category interval / s) into BarWorkingValues, and draws
// the outline.
void graphDrawPopulationGraph(const float* e, const float* v, int n, float d, float c, float s);

// Outline of the n classes (ends e, width d, values v) about centre c on the axes and with
// the class width that BarWorkingValues hold.
void graphDrawPopulationOutline(const float* e, const float* v, int n, float d, float c);

}  // namespace plotlib

#endif
