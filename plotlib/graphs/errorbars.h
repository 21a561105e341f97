// errorbars.h - the drawing worker behind GRAERB, for callers that have their own frame.
#ifndef PLOTLIB_GRAPHS_ERRORBARS_H
#define PLOTLIB_GRAPHS_ERRORBARS_H

namespace plotlib {

// One error bar per point on axes that are set up: ends at the value plus e1 and minus e2
// (along y for direction 1, along x for direction 2), an end mark of `style` 0..7 at the
// higher end and then at the lower one, and with mode not 0 the line between them.  A style
// outside 0..7 warns -527 (a kernel number) and draws caps.  n must be at least 1.
void graphDrawErrorBars(const float* x, const float* y, const float* e1, const float* e2, int n,
                        int style, int mode, int direction);

}  // namespace plotlib

#endif
