// fills.cpp - filled areas: the polygon that starts at the current point, several boundaries
// filled together with the even-odd rule, and axis-parallel boxes.  Style 0 solid, -1 outline,
// 1..8 hatches; pen 0 fills in the current colour, pen p in colour p.
#include <cmath>
#include <cstdlib>

#include "state.h"

using namespace tarv;

namespace {

int fillColour(int pen)
{
    if (pen == 0) return state().line.colour;
    return pen < 0 ? (pen == INT32_MIN ? 1 : -pen) : pen;
}

void addPoint(std::vector<Point>& ring, double x, double y)
{
    if (fitsFloat2(x, y)) ring.push_back({x, y});
}

// Corners of a ring: its points less those that repeat the one before (the first counting as
// after the last).
size_t corners(const std::vector<Point>& ring)
{
    size_t n = 0;
    for (size_t k = 0, prev = ring.size() - 1; k < ring.size(); prev = k++) {
        if (ring[k].x != ring[prev].x || ring[k].y != ring[prev].y) ++n;
    }
    return n;
}

void fill(std::vector<std::vector<Point>>& rings, int style, int pen)
{
    // A boundary of fewer than three corners encloses nothing: it is neither filled nor outlined.
    std::erase_if(rings, [](const std::vector<Point>& r) { return corners(r) < 3; });
    if (rings.empty() || style < -1 || !deviceActive()) return;
    deviceFill(rings, style, fillColour(pen));
}

}  // namespace

void kernelFillPolygon(const int& style, const int& pen, const int& reserved, const float* x,
                       const float* y, const int& n)
{
    int count = 0;
    bool ok = acceptCount("kernelFillPolygon", n, count);
    if (x == nullptr || y == nullptr) count = 0;
    if (tracing())
        TraceLine("kernelFillPolygon")
            .i(style)
            .i(pen)
            .i(reserved)
            .reals(x, count)
            .reals(y, count)
            .i(n)
            .emit();
    if (!ok) return;
    // Kept from call to call: a map fills many small polygons one after another.
    static std::vector<std::vector<Point>> rings;
    rings.resize(1);
    rings[0].clear();
    addPoint(rings[0], state().pen.x, state().pen.y);
    for (int k = 0; k < count; ++k) addPoint(rings[0], x[k], y[k]);
    fill(rings, style, pen);
}

void kernelFillMultiPolygon(const int& style, const int& pen, const int& reserved, const int& count,
                            const int* counts, const float* x, const float* y)
{
    int boundaries = 0;
    bool ok = acceptCount("kernelFillMultiPolygon", count, boundaries);
    if (counts == nullptr) boundaries = 0;
    long long total = 0;
    for (int b = 0; b < boundaries; ++b) total += counts[b] > 0 ? counts[b] : 0;
    if (total > kMaxPoints) {
        kernelDiagnostic("kernelFillMultiPolygon", "point count too large, call refused");
        ok = false;
        total = 0;
    }
    if (x == nullptr || y == nullptr) total = 0;
    if (tracing())
        TraceLine("kernelFillMultiPolygon")
            .i(style)
            .i(pen)
            .i(reserved)
            .i(count)
            .ints(counts, boundaries)
            .reals(x, total)
            .reals(y, total)
            .emit();
    if (!ok || total == 0) return;
    std::vector<std::vector<Point>> rings;
    long long at = 0;
    for (int b = 0; b < boundaries; ++b) {
        int c = counts[b] > 0 ? counts[b] : 0;
        rings.emplace_back();
        for (int k = 0; k < c; ++k, ++at) addPoint(rings.back(), x[at], y[at]);
    }
    fill(rings, style, pen);
}

void kernelFillBox(const int& style, const int& pen, const float& x1, const float& y1,
                   const float& x2, const float& y2)
{
    if (tracing()) TraceLine("kernelFillBox").i(style).i(pen).r(x1).r(y1).r(x2).r(y2).emit();
    if (!finite2(x1, y1) || !finite2(x2, y2)) return;
    std::vector<std::vector<Point>> rings{{{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}};
    fill(rings, style, pen);
}
