// density.cpp - how many marks of a row a picture can show.  Ticks, grid lines and grid
// markers are drawn one per position; an axis of a million intervals would cost a million
// marks that the picture cannot tell apart.  Marks closer than the picture resolves are
// stepped over, so that the work of a grid follows the size of the picture, not the count
// asked for, and warning -25 (-525) says once per routine that some were left out.
#include <algorithm>
#include <cmath>

#include "axes/drawing.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"

namespace plotlib {

int graphMarkStride(int count, double spacing, int across)
{
    // A row that would not fill half the picture at its finest is drawn whole, without
    // asking the kernel for the picture.
    if (count <= across / 2) return 1;
    graphGetPlotArea();
    const float* area = graphState.graph.plotArea;
    const double side = std::fmax(std::fabs(static_cast<double>(area[1]) - area[0]),
                                  std::fabs(static_cast<double>(area[3]) - area[2]));
    const double finest = side / across;
    const double gap = std::fabs(spacing);
    double stride = 0.0;
    if (std::isfinite(finest) && finest > 0.0) {
        stride = gap > 0.0 && std::isfinite(gap) ? std::ceil(finest / gap) : count;
    } else {
        // No picture to measure: no more marks than the row would have across a picture.
        stride = std::ceil(static_cast<double>(count) / across);
    }
    const int k = static_cast<int>(std::clamp(stride, 1.0, static_cast<double>(count)));
    if (k > 1 && graphState.graph.marksLeftOut == 0) {
        graphState.graph.marksLeftOut = 1;
        graphReportError(kMarksLeftOut);
    }
    return k;
}

}  // namespace plotlib
