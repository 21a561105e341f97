// density.cpp - how many marks of a row a picture can show.  Ticks, grid lines and grid
// markers are drawn one per position; an axis of a million intervals would cost a million
// marks that the picture cannot tell apart.  Marks closer than the picture resolves are
// stepped over, so that the work of a grid follows the size of the picture, not the count
// asked for, and warning -25 (-525) says once per routine that some were left out.  Of a row
// longer than the picture, only the marks that can show on it are drawn at all.
#include <algorithm>
#include <cassert>
#include <cmath>

#include "axes/drawing.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tarvcore.h"

namespace {

// Where along axis n a mark can still show: the picture space widened by its own width (or
// height) on both sides, for a device that shows a border about the picture space and for
// the marks' own size.  False when the kernel gives no picture to measure.
bool pictureReach(int n, double& lo, double& hi)
{
    float space[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    int status = 0;
    const int first = 1, count = 4;
    kernelEnquirePictureSpace(status, first, count, space);
    const double a = space[n == 1 ? 0 : 2], b = space[n == 1 ? 1 : 3];
    const double side = std::fabs(b - a);
    if (status != 0 || !std::isfinite(side) || !(side > 0.0)) return false;
    lo = std::fmin(a, b) - side;
    hi = std::fmax(a, b) + side;
    return true;
}

}  // namespace

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

double graphFarthestReach(double x, double y)
{
    double x0 = 0.0, x1 = 0.0, y0 = 0.0, y1 = 0.0;
    if (!pictureReach(1, x0, x1) || !pictureReach(2, y0, y1)) return INFINITY;
    return std::hypot(std::fmax(std::fabs(x - x0), std::fabs(x - x1)),
                      std::fmax(std::fabs(y - y0), std::fabs(y - y1)));
}

double graphNearestReach(double x, double y)
{
    double x0 = 0.0, x1 = 0.0, y0 = 0.0, y1 = 0.0;
    if (!pictureReach(1, x0, x1) || !pictureReach(2, y0, y1)) return 0.0;
    return std::hypot(x - std::clamp(x, x0, x1), y - std::clamp(y, y0, y1));
}

MarkSpan graphMarksOnPicture(int count, int stride, double start, double spacing, int n, int across)
{
    assert(stride >= 1);
    const long long last = count > 0 ? static_cast<long long>(count - 1) / stride * stride : -1;
    const MarkSpan whole{0, last};
    double lo = 0.0, hi = 0.0;
    if (count <= across / 2 || !std::isfinite(spacing) || !pictureReach(n, lo, hi)) return whole;
    if (!std::isfinite(start)) return {0, -1};
    if (spacing == 0.0) return start >= lo && start <= hi ? whole : MarkSpan{0, -1};
    // Index bounds one mark wider than the reach, so that rounding loses none at its edges.
    double a = (lo - start) / spacing, b = (hi - start) / spacing;
    if (a > b) std::swap(a, b);
    const double top = static_cast<double>(last);
    a = std::clamp(std::floor(a) - 1.0, 0.0, top + 1.0);
    b = std::clamp(std::ceil(b) + 1.0, -1.0, top);
    const long long s = stride;
    const long long first = (static_cast<long long>(a) + s - 1) / s * s;
    const long long end = b < 0.0 ? -1 : static_cast<long long>(b) / s * s;
    return {first, end};
}

}  // namespace plotlib
