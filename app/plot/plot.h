// plot.h - the plot of one series of the last analysis, and printing it.
#ifndef SPECVUE_PLOT_H
#define SPECVUE_PLOT_H

// Draws series `kind` (1 raw data, 2 amplitude, 3 power, 4 phase spectrum; any other kind draws
// the series drawn last) as a line graph into the kernel's current output.  Leaves the kernel's
// line width at 2.2 and colour 7.
void PLOT(int kind);

// The print command: the current plot on a printer page, with the screen's mapping and output
// restored afterwards.
void printPlot();

#endif
