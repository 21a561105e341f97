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
//
// On a raster, many pieces are filled in stripes of rows side by side, each stripe on a surface
// of its own over the same pixels: a pixel's colour depends only on the pieces over it, so the
// stripes together give what one fill of the whole raster gives.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <system_error>
#include <thread>

#include "state.h"
#include "tarvfills.h"

namespace tarv {

namespace {

// Points kept waiting at most (about 32 MB); more are filled and the gathering starts again.
constexpr size_t kMaxWaiting = size_t{1} << 21;

// Room a group keeps from one section to the next, so that a map of many bands does not grow
// its paths anew for each band.
constexpr size_t kKeptPoints = size_t{1} << 18;

FillGroup& groupOf(TiledFills& t, int colour)
{
    for (size_t k = 0; k < t.used; ++k) {
        if (t.groups[k].colour == colour) return t.groups[k];
    }
    if (t.used == t.groups.size()) t.groups.emplace_back();
    FillGroup& g = t.groups[t.used++];
    g.colour = colour;
    return g;
}

// Empties the groups, keeping the room of those that stayed small.
void emptyGroups(TiledFills& t)
{
    for (FillGroup& g : t.groups) {
        g.points.clear();
        g.sizes.clear();
        g.rows.clear();
        if (g.points.capacity() > kKeptPoints) {
            g.points.shrink_to_fit();
            g.sizes.shrink_to_fit();
            g.rows.shrink_to_fit();
        }
    }
    t.used = 0;
    t.points = 0;
}

constexpr size_t kStripedPoints = 20000;  // fewer points than this are filled in one go
constexpr int kRowsPerStripe = 64;        // fewer rows than this are not worth a thread
constexpr int kMaxStripes = 8;

// Puts the rings of the group that reach rows top..bottom (device units) into the path of a
// stripe whose first row is `first`: moved up by it here, which is what a translation of the
// stripe's context would do to each point, to the bit, without the context transforming them.
void groupPath(cairo_t* cr, const FillGroup& g, double top, double bottom, double first)
{
    cairo_new_path(cr);
    const Point* p = g.points.data();
    for (size_t r = 0; r < g.sizes.size(); ++r) {
        const size_t n = g.sizes[r];
        if (g.rows[r].second >= top && g.rows[r].first <= bottom) {
            cairo_move_to(cr, p[0].x, p[0].y - first);
            for (size_t k = 1; k < n; ++k) cairo_line_to(cr, p[k].x, p[k].y - first);
            cairo_close_path(cr);
        }
        p += n;
    }
}

// Fills every group, in order, into rows first..last - 1 of the image.
void fillStripe(cairo_surface_t* image, int first, int last, const TiledFills& t)
{
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    cairo_surface_t* stripe = cairo_image_surface_create_for_data(
        data + static_cast<long long>(first) * stride, cairo_image_surface_get_format(image),
        cairo_image_surface_get_width(image), last - first, stride);
    cairo_t* cr = cairo_create(stripe);
    for (size_t k = 0; k < t.used; ++k) {
        const FillGroup& g = t.groups[k];
        groupPath(cr, g, first - 1.0, last + 1.0, first);
        deviceFillSolid(cr, g.colour, CAIRO_FILL_RULE_WINDING);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(stripe);
}

// The stripes being filled while the caller goes on: the groups they read, and the raster.
struct StripeJob {
    TiledFills fills;
    std::vector<std::thread> workers;
    cairo_surface_t* image = nullptr;
    ~StripeJob()
    {
        for (std::thread& w : workers) w.join();
    }
};
StripeJob job;

// Waits for the stripes in flight, if any; their pixels are on the raster after it.
void finishStripes()
{
    for (std::thread& w : job.workers) w.join();
    job.workers.clear();
    if (job.image != nullptr) cairo_surface_mark_dirty(job.image);
    job.image = nullptr;
    emptyGroups(job.fills);
}

// Starts filling the groups in stripes side by side when the target is a raster of enough
// rows and there are points enough to share, and waits for them when asked; false when they
// are to be filled in one go.  The groups go to the stripes, t keeps empty ones.
bool fillInStripes(DeviceState& d, TiledFills& t, bool wait)
{
    cairo_surface_t* image = d.crTarget;
    if (!t.stripes || d.vector || t.points < kStripedPoints || image == nullptr ||
        cairo_surface_get_type(image) != CAIRO_SURFACE_TYPE_IMAGE)
        return false;
    const cairo_format_t format = cairo_image_surface_get_format(image);
    if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) return false;
    double ox, oy, sx, sy;  // the stripes lie over the pixels one to one
    cairo_surface_get_device_offset(image, &ox, &oy);
    cairo_surface_get_device_scale(image, &sx, &sy);
    if (ox != 0.0 || oy != 0.0 || sx != 1.0 || sy != 1.0) return false;
    const int rows = cairo_image_surface_get_height(image);
    const int hardware = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int count = std::clamp(rows / kRowsPerStripe, 1, std::min(kMaxStripes, hardware));
    if (count < 2) return false;
    assert(job.workers.empty() && job.image == nullptr);
    cairo_surface_flush(image);
    std::swap(job.fills.groups, t.groups);
    job.fills.used = t.used;
    job.fills.points = t.points;
    t.used = 0;
    t.points = 0;
    job.image = image;
    for (int k = wait ? 1 : 0; k < count; ++k) {
        const int first = rows * k / count, last = rows * (k + 1) / count;
        try {
            job.workers.emplace_back(fillStripe, image, first, last, std::cref(job.fills));
        } catch (const std::system_error&) {
            fillStripe(image, first, last, job.fills);
        }
    }
    if (wait) {
        fillStripe(image, 0, rows / count, job.fills);
        finishStripes();
    }
    return true;
}

// Fills what the groups hold; waits for it to be on the target unless told that the caller
// draws nothing before the next flush.
void flushFills(bool wait)
{
    finishStripes();
    DeviceState& d = state().device;
    TiledFills& t = d.tiled;
    if (t.used == 0) return;
    if (cairo_t* cr = d.cr; cr != nullptr && !fillInStripes(d, t, wait)) {
        for (size_t k = 0; k < t.used; ++k) {
            const FillGroup& g = t.groups[k];
            cairo_new_path(cr);
            const Point* p = g.points.data();
            for (size_t n : g.sizes) {
                cairo_move_to(cr, p[0].x, p[0].y);
                for (size_t i = 1; i < n; ++i) cairo_line_to(cr, p[i].x, p[i].y);
                cairo_close_path(cr);
                p += n;
            }
            deviceFillSolid(cr, g.colour, CAIRO_FILL_RULE_WINDING);
        }
    }
    emptyGroups(t);
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
    double lo = INFINITY, hi = -INFINITY;
    for (const Point& q : ring) {
        Point& p = g.points.emplace_back();
        devicePathPoint(d, q.x, q.y, p.x, p.y);
        lo = std::min(lo, p.y);
        hi = std::max(hi, p.y);
    }
    Point* p = g.points.data() + start;
    if (signedArea(p, n) < 0.0) std::reverse(p, p + n);
    g.sizes.push_back(n);
    g.rows.emplace_back(lo, hi);
    t.points += n;
    if (t.points > kMaxWaiting) deviceFlushFills();
    return true;
}

void deviceFlushFills() { flushFills(true); }

void beginTiledFills() { ++state().device.tiled.depth; }

void endTiledFills()
{
    TiledFills& t = state().device.tiled;
    if (t.depth > 0) --t.depth;
    // Every drawing, and every look at the target, flushes the fills first: the stripes may go
    // on filling meanwhile.
    if (t.depth == 0) flushFills(false);
}

}  // namespace tarv
