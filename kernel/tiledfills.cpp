// tiledfills.cpp - the pieces of a tiled area, joined into one path per colour.
//
// A library that fills an area piece by piece (the bands of a contour map, cell by cell or
// triangle by triangle) opens a tiled section: its pieces do not overlap.  Each solid piece of
// one boundary is then kept with the other pieces of its colour instead of being filled at
// once; every boundary is turned the same way round, so that the non-zero rule fills the
// union of the pieces.  Pieces that share an edge are then one area to whatever rasterises
// the path (Cairo here, or the reader of a PDF or SVG file later), and no background shows
// along the edge.  As the pieces do not overlap, filling the colours one after another in
// place of the pieces' own order does not show.  The paths are filled at the end of the
// section, before anything else is drawn, and when the device changes or is brought up to
// date.
#include "state.h"
#include "tarvfills.h"

namespace tarv {

namespace {

// Points kept waiting at most (about 32 MB); more are filled and the gathering starts again.
constexpr size_t kMaxWaiting = size_t{1} << 21;

FillGroup& groupOf(TiledFills& t, int colour)
{
    for (FillGroup& g : t.groups) {
        if (g.colour == colour) return g;
    }
    t.groups.emplace_back();
    t.groups.back().colour = colour;
    return t.groups.back();
}

// Twice the signed area of the ring.
double signedArea(const Point* p, size_t n)
{
    double sum = 0.0;
    for (size_t k = 0, prev = n - 1; k < n; prev = k++)
        sum += p[prev].x * p[k].y - p[k].x * p[prev].y;
    return sum;
}

}  // namespace

bool deviceJoinFill(const std::vector<std::vector<Point>>& rings, int style, int colour)
{
    DeviceState& d = state().device;
    TiledFills& t = d.tiled;
    if (t.depth <= 0 || style != 0 || rings.size() != 1 || d.cr == nullptr) return false;
    deviceFlushStroke();
    const std::vector<Point>& ring = rings[0];
    FillGroup& g = groupOf(t, colour);
    const size_t start = g.points.size(), n = ring.size();
    g.points.resize(start + n);
    Point* p = g.points.data() + start;
    for (size_t k = 0; k < n; ++k) devicePathPoint(d, ring[k].x, ring[k].y, p[k].x, p[k].y);
    if (signedArea(p, n) < 0.0) std::reverse(p, p + n);
    g.sizes.push_back(n);
    t.points += n;
    if (t.points > kMaxWaiting) deviceFlushFills();
    return true;
}

void deviceFlushFills()
{
    DeviceState& d = state().device;
    TiledFills& t = d.tiled;
    if (t.groups.empty()) return;
    if (cairo_t* cr = d.cr; cr != nullptr) {
        for (const FillGroup& g : t.groups) {
            cairo_new_path(cr);
            const Point* p = g.points.data();
            for (size_t n : g.sizes) {
                cairo_move_to(cr, p[0].x, p[0].y);
                for (size_t k = 1; k < n; ++k) cairo_line_to(cr, p[k].x, p[k].y);
                cairo_close_path(cr);
                p += n;
            }
            deviceFillSolid(cr, g.colour, CAIRO_FILL_RULE_WINDING);
        }
    }
    t.groups.clear();
    t.points = 0;
}

void beginTiledFills() { ++state().device.tiled.depth; }

void endTiledFills()
{
    TiledFills& t = state().device.tiled;
    if (t.depth > 0) --t.depth;
    if (t.depth == 0) deviceFlushFills();
}

}  // namespace tarv
