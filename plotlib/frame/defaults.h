// defaults.h - first-use defaults of the graph library and the default set-ups that the
// routine frame and the restore routines (AXISET, PIESET, VECSET) share.
#ifndef PLOTLIB_FRAME_DEFAULTS_H
#define PLOTLIB_FRAME_DEFAULTS_H

namespace plotlib {

// The first-use defaults, in their fixed order; run by graphEnterRoutine on the first call.
void graphFirstUseDefaults();

// p = 1 or 2: default position of axis p; q = 1 or 2: default settings of axis q.
void graphResetAxes(int p, int q);
// Default position of axis p from the plot area and the character size; warns -511 / -512
// when the axis does not fit.  Clears the set-up flag when the position moved.
void graphDefaultAxisPosition(int p);
// Default scaling and annotation of axis q (and the log fallback); clears its set-up flag.
void graphDefaultAxisSettings(int q);
void graphDefaultPieFrame();
void graphDefaultPieSettings();
void graphDefaultPolarLayout();
void graphDefaultVectorSettings();

}  // namespace plotlib

#endif
