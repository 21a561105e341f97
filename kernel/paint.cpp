// paint.cpp - putting strokes, fills, markers and glyphs on the Cairo target in use.
//
// Consecutive line segments with the same attributes are collected into one path and stroked
// together (every few thousand segments, and whenever an attribute changes or something else
// is drawn).  Line segments are cut to the target widened by half the line's width before they
// reach Cairo: what lies beyond cannot show, costs Cairo time, and far enough off would wrap
// its fixed-point arithmetic (other shapes are kept within a wider box for that).  On a raster,
// runs of solid segments that stay within a fraction of a pixel of one line are merged before
// they reach Cairo: a polyline of a million points across a thousand pixels then costs about
// what its pixels cost, and looks the same.
#include <algorithm>
#include <cairo-ft.h>
#include <cmath>
#include <ft2build.h>
#include <numbers>
#include FT_FREETYPE_H

#include "state.h"

namespace tarv {

namespace {

constexpr int kSegmentsPerStroke = 2048;
constexpr double kFar = kDeviceFar;  // device units beyond the target fills, markers and text reach
constexpr double kRunTolerance = 0.125;  // pixels a merged point may lie off its run's line

// Palette: 0 white background, 1 black, then distinct colours.
constexpr double kPalette[][3] = {
    {1.00, 1.00, 1.00}, {0.00, 0.00, 0.00}, {0.85, 0.10, 0.10}, {0.10, 0.60, 0.10},
    {0.10, 0.20, 0.85}, {0.95, 0.75, 0.00}, {0.80, 0.10, 0.70}, {0.00, 0.65, 0.75},
    {1.00, 0.50, 0.00}, {0.45, 0.20, 0.65}, {0.55, 0.30, 0.10}, {0.50, 0.50, 0.50},
    {0.00, 0.40, 0.20}, {0.00, 0.00, 0.45}, {0.50, 0.00, 0.10}, {0.50, 0.50, 0.00},
    {1.00, 0.55, 0.70}, {0.80, 0.80, 0.80},
};
constexpr int kPaletteSize = sizeof kPalette / sizeof kPalette[0];

// Built-in dash styles 1..9, in thousandths of the output width.
constexpr double kDashes[9][4] = {
    {8, 4, 8, 4}, {2, 3, 2, 3},  {12, 4, 2, 4}, {16, 6, 16, 6}, {12, 3, 2, 3},
    {6, 6, 6, 6}, {20, 4, 4, 4}, {1, 4, 1, 4},  {24, 6, 6, 6},
};

double thinnest() { return state().device.vector ? 0.5 : 1.0; }

double strokeWidth()
{
    double w = static_cast<double>(state().line.width) * deviceScale();
    return std::clamp(w, thinnest(), 1.0e4);
}

void setColour(cairo_t* cr, int index)
{
    double r, g, b;
    paletteColour(index, r, g, b);
    cairo_set_source_rgb(cr, r, g, b);
}

// The dash lengths of the current line style (device units); false when it draws solid.
bool dashLengths(double (&d)[4])
{
    const KernelState& s = state();
    int style = s.line.style;
    if (style >= 1 && style <= 9) {
        double unit = s.device.targetWidth / 1000.0;
        for (int k = 0; k < 4; ++k) d[k] = kDashes[style - 1][k] * unit;
    } else if (style == -1) {
        for (int k = 0; k < 4; ++k)
            d[k] =
                std::fabs(static_cast<double>(s.line.dash[static_cast<size_t>(k)])) * deviceScale();
    } else {
        return false;
    }
    double sum = 0.0;
    for (double v : d) sum += v;
    return std::isfinite(sum) && sum >= 0.5 && sum <= 1.0e6;
}

// Puts the current line style in force; true when it draws dashes.
bool setDash(cairo_t* cr)
{
    double d[4];
    if (!dashLengths(d)) {
        cairo_set_dash(cr, nullptr, 0, 0.0);
        return false;
    }
    cairo_set_dash(cr, d, 4, 0.0);
    return true;
}

void beginStroke()
{
    deviceFlushFills();
    DeviceState& d = state().device;
    setColour(d.cr, state().line.colour);
    double width = strokeWidth();
    cairo_set_line_width(d.cr, width);
    double whole = std::round(width);
    d.snapToPixels = !d.vector && std::fabs(width - whole) < 0.01 && std::fmod(whole, 2.0) == 1.0;
    cairo_set_line_cap(d.cr, CAIRO_LINE_CAP_BUTT);
    // Not Cairo's fast antialiasing: its rasteriser (1.16) writes past the end of its row buffer
    // when the coverage changes at nearly every pixel of a row, as ticks two pixels apart make it.
    cairo_set_antialias(d.cr, CAIRO_ANTIALIAS_DEFAULT);
    // Round joins show only on thick lines, and cost time on the many joins of thin ones.
    cairo_set_line_join(d.cr, width > 2.0 ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_BEVEL);
    // Dashes follow the length of the path, which merging would shorten.
    d.dashed = setDash(d.cr);
    d.dashTravel = 0.0;
    d.dashOffset = 0.0;
    d.merging = d.mergeRuns && !d.vector && !d.dashed;
    d.run.open = false;
    d.pathOpen = true;
    d.pendingSegments = 0;
    d.lastX = d.lastY = NAN;
    d.dashEndX = d.dashEndY = NAN;
    d.lineEndX = d.lineEndY = NAN;
    d.lineAlongGrid = false;
}

// A thin line along a pixel row or column (an axis, a tick, a side of a frame) is moved onto
// the pixel centres, so that it covers one row or column instead of two half-inked ones.  A
// segment that goes on from a slanted one stays on its points: it belongs to a polyline whose
// neighbouring points happen to share an x or a y (a dense graph past what single precision
// tells apart has thousands of them), and moved, it would stand up to half a pixel off its
// neighbours, which costs the rasteriser far more than the segment itself.  True when the
// segment `whole` (device units, before clipping) is to be moved; notes where it ends.
bool snapsToPixels(DeviceState& d, const double (&whole)[4])
{
    const bool goesOn = whole[0] == d.lineEndX && whole[1] == d.lineEndY;
    const bool afterGridLine = d.lineAlongGrid;
    d.lineEndX = whole[2];
    d.lineEndY = whole[3];
    d.lineAlongGrid = whole[0] == whole[2] || whole[1] == whole[3];
    return d.snapToPixels && d.lineAlongGrid && (!goesOn || afterGridLine);
}

// Cairo starts the dash pattern afresh at the start of every path it strokes, and applies the
// offset in force to each of its subpaths alike.
void setDashOffset(DeviceState& d, double offset)
{
    double dashes[4] = {}, unused = 0.0;
    int n = cairo_get_dash_count(d.cr);
    if (n <= 0 || n > 4) return;
    cairo_get_dash(d.cr, dashes, &unused);
    double period = 0.0;
    for (int k = 0; k < n; ++k) period += dashes[k];
    d.dashOffset = std::fmod(offset, period);
    cairo_set_dash(d.cr, dashes, n, d.dashOffset);
}

// Adds one segment to the pending path, stroking every few thousand segments (a long path
// costs Cairo more than its parts) and going on from the same point.  A dashed line goes on
// with its pattern where the piece before left it, as if it were stroked in one.
void pathLineTo(DeviceState& d, double x, double y)
{
    cairo_line_to(d.cr, x, y);
    if (++d.pendingSegments >= kSegmentsPerStroke) {
        cairo_stroke(d.cr);
        d.pendingSegments = 0;
        if (d.dashed) setDashOffset(d, d.dashTravel);
        cairo_move_to(d.cr, x, y);
    }
}

// Starts a new piece of a dashed line with its pattern at `travel` along the line: afresh for a
// line not joined to the one before (as every subpath of one stroke does), further on where
// the clip cut the start of the line away.  Cairo applies one offset to every subpath of a
// stroke, so what carries another is stroked off first.
void dashedMoveTo(DeviceState& d, double x, double y, double travel)
{
    if (travel != 0.0 || d.dashOffset != 0.0) {
        cairo_stroke(d.cr);
        d.pendingSegments = 0;
        setDashOffset(d, travel);
    }
    d.dashTravel = travel;
    cairo_move_to(d.cr, x, y);
}

// ---- merged runs -------------------------------------------------------------------------------

// A run that never left the tolerance round its origin but came back (a closed loop far
// smaller than a pixel): stroked point by point it makes a dot the line's width across, so it
// goes into the path as a dash of the same area along the way it went, centred on its points,
// and the path goes on from its last point.
void runDot(DeviceState& d)
{
    const StrokeRun& r = d.run;
    double ux = (r.fx - r.ox) / r.ahead, uy = (r.fy - r.oy) / r.ahead;
    double cx = 0.5 * (r.ox + r.fx), cy = 0.5 * (r.oy + r.fy);
    double half = 0.125 * std::numbers::pi * cairo_get_line_width(d.cr);
    cairo_move_to(d.cr, cx - half * ux, cy - half * uy);
    pathLineTo(d, cx + half * ux, cy + half * uy);
    cairo_move_to(d.cr, r.lx, r.ly);
}

// Puts the run's pending points into the path: its farthest point ahead, its farthest point
// behind the origin (the path between them covers every point of the run), then its last point,
// which becomes the origin of the next run.
void runEmit(DeviceState& d)
{
    StrokeRun& r = d.run;
    double ex = r.ox, ey = r.oy;  // the path's end
    auto to = [&](double x, double y) {
        if (x == ex && y == ey) return;
        pathLineTo(d, x, y);
        ex = x;
        ey = y;
    };
    if (r.aimed) {
        to(r.fx, r.fy);
        if (r.behind < 0.0) to(r.bx, r.by);
    } else if (r.ahead > 0.0 && (r.lx != r.fx || r.ly != r.fy)) {
        runDot(d);
        ex = r.lx;
        ey = r.ly;
    }
    to(r.lx, r.ly);
    r.ox = r.lx;
    r.oy = r.ly;
    r.aimed = false;
    r.ahead = 0.0;
}

void runStart(DeviceState& d, double x, double y)
{
    StrokeRun& r = d.run;
    if (r.open) runEmit(d);
    cairo_move_to(d.cr, x, y);
    r.open = true;
    r.aimed = false;
    r.ahead = 0.0;
    r.ox = r.lx = x;
    r.oy = r.ly = y;
}

// Extends the run to (x, y), or ends it and starts the next at its last point when (x, y) lies
// too far off its line.
void runExtend(DeviceState& d, double x, double y)
{
    StrokeRun& r = d.run;
    for (;;) {
        double dx = x - r.ox, dy = y - r.oy;
        if (!r.aimed) {
            double length = std::sqrt(dx * dx + dy * dy);
            if (length > kRunTolerance) {
                r.aimed = true;
                r.ux = dx / length;
                r.uy = dy / length;
                r.ahead = length;
                r.behind = 0.0;
                r.fx = x;
                r.fy = y;
            } else if (length > r.ahead) {  // the farthest point so far, within the tolerance
                r.ahead = length;
                r.fx = x;
                r.fy = y;
            }
            break;
        }
        double along = dx * r.ux + dy * r.uy, across = dx * r.uy - dy * r.ux;
        if (std::fabs(across) <= kRunTolerance) {
            if (along > r.ahead) {
                r.ahead = along;
                r.fx = x;
                r.fy = y;
            } else if (along < r.behind) {
                r.behind = along;
                r.bx = x;
                r.by = y;
            }
            break;
        }
        runEmit(d);  // the next run starts at the last point; (x, y) is tried on it
    }
    r.lx = x;
    r.ly = y;
}

// Device units round the target within which a line may show: half the widest line and a pixel
// of antialiasing, with room to spare.
double strokeMargin() { return 0.5 * strokeWidth() + 2.0; }

// Cuts the segment to the target widened by `margin` on every side, in double precision, and
// gives the parameters along the segment of the part kept (0 to 1); false when nothing of it
// is left.  What lies beyond cannot show, and Cairo's fixed-point arithmetic would wrap
// coordinates far off.
bool clipSegment(const DeviceState& d, double margin, double& x0, double& y0, double& x1,
                 double& y1, double& t0, double& t1)
{
    double lo[2] = {-margin, -margin};
    double hi[2] = {d.targetWidth + margin, d.targetHeight + margin};
    t0 = 0.0;
    t1 = 1.0;
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return false;
    auto inside = [&](double x, double y) {
        return x >= lo[0] && x <= hi[0] && y >= lo[1] && y <= hi[1];
    };
    if (inside(x0, y0) && inside(x1, y1)) return true;
    double p0[2] = {x0, y0}, delta[2] = {x1 - x0, y1 - y0};
    for (int a = 0; a < 2; ++a) {
        if (delta[a] == 0.0) {
            if (!(p0[a] >= lo[a] && p0[a] <= hi[a])) return false;
            continue;
        }
        double ta = (lo[a] - p0[a]) / delta[a], tb = (hi[a] - p0[a]) / delta[a];
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
        if (!(t0 <= t1)) return false;
    }
    if (t1 < 1.0) {
        x1 = p0[0] + t1 * delta[0];
        y1 = p0[1] + t1 * delta[1];
    }
    if (t0 > 0.0) {
        x0 = p0[0] + t0 * delta[0];
        y0 = p0[1] + t0 * delta[1];
    }
    return true;
}

// What was drawn before goes onto the target before the next thing is drawn.
void flushPending()
{
    deviceFlushStroke();
    deviceFlushFills();
}

void ringPath(cairo_t* cr, const std::vector<std::vector<Point>>& rings)
{
    const DeviceState& d = state().device;
    for (const auto& ring : rings) {
        if (ring.empty()) continue;
        for (size_t k = 0; k < ring.size(); ++k) {
            double x, y;
            devicePathPoint(d, ring[k].x, ring[k].y, x, y);
            if (k == 0) cairo_move_to(cr, x, y);
            else cairo_line_to(cr, x, y);
        }
        cairo_close_path(cr);
    }
}

// Hatch lines at the given angles (degrees) and spacing over the clip area.
void hatch(cairo_t* cr, std::initializer_list<double> angles, double spacing)
{
    double x1, y1, x2, y2;
    cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
    double cx = 0.5 * (x1 + x2), cy = 0.5 * (y1 + y2);
    double r = 0.5 * std::hypot(x2 - x1, y2 - y1) + spacing;
    int lines = static_cast<int>(std::min(2.0 * r / spacing + 1.0, 20000.0));
    for (double deg : angles) {
        double a = deg * std::numbers::pi / 180.0;
        double ux = std::cos(a), uy = -std::sin(a);  // along the line (device y down)
        double nx = -uy, ny = ux;                    // across
        for (int k = 0; k <= lines; ++k) {
            double off = -r + k * spacing;
            double px = cx + nx * off, py = cy + ny * off;
            cairo_move_to(cr, px - ux * r, py - uy * r);
            cairo_line_to(cr, px + ux * r, py + uy * r);
        }
    }
    cairo_stroke(cr);
}

}  // namespace

void paletteColour(int index, double& r, double& g, double& b)
{
    long long i = index < 0 ? -static_cast<long long>(index) : index;
    if (i >= kPaletteSize) i = 2 + (i - 2) % (kPaletteSize - 2);
    r = kPalette[i][0];
    g = kPalette[i][1];
    b = kPalette[i][2];
}

void deviceFlushStroke()
{
    DeviceState& d = state().device;
    if (!d.pathOpen) return;
    if (d.cr != nullptr) {
        if (d.run.open) runEmit(d);
        cairo_stroke(d.cr);
    }
    d.run.open = false;
    d.pathOpen = false;
    d.pendingSegments = 0;
}

void deviceLineTo(double kx0, double ky0, double kx1, double ky1)
{
    DeviceState& d = state().device;
    if (d.cr == nullptr) return;
    double x0, y0, x1, y1;
    deviceMapPoint(d, kx0, ky0, x0, y0);
    deviceMapPoint(d, kx1, ky1, x1, y1);
    if (!d.pathOpen) beginStroke();
    const double whole[4] = {x0, y0, x1, y1};
    double t0, t1;
    bool kept = clipSegment(d, strokeMargin(), x0, y0, x1, y1, t0, t1);
    // A dashed line's pattern runs on along the whole line, over what the clip cut away too.
    double start = 0.0;
    if (d.dashed) {
        double length = std::hypot(whole[2] - whole[0], whole[3] - whole[1]);
        double before = whole[0] == d.dashEndX && whole[1] == d.dashEndY ? d.dashEndTravel : 0.0;
        if (!std::isfinite(before + length)) before = length = 0.0;  // nothing to carry on
        start = before + t0 * length;
        d.dashEndX = whole[2];
        d.dashEndY = whole[3];
        d.dashEndTravel = before + length;
    }
    const bool snap = snapsToPixels(d, whole);
    if (!kept) return;
    if (snap) {
        if (y0 == y1) y0 = y1 = std::floor(y0) + 0.5;
        if (x0 == x1) x0 = x1 = std::floor(x0) + 0.5;
    }
    if (d.merging) {
        if (!d.run.open || x0 != d.run.lx || y0 != d.run.ly) runStart(d, x0, y0);
        runExtend(d, x1, y1);
        return;
    }
    if (d.dashed) {
        if (x0 != d.lastX || y0 != d.lastY || start != d.dashTravel) dashedMoveTo(d, x0, y0, start);
        d.dashTravel = start + std::hypot(x1 - x0, y1 - y0);
    } else if (x0 != d.lastX || y0 != d.lastY) {
        cairo_move_to(d.cr, x0, y0);
    }
    pathLineTo(d, x1, y1);
    d.lastX = x1;
    d.lastY = y1;
}

bool deviceRingOutOfReach(double cx, double cy, double rInner, double rOuter)
{
    const DeviceState& d = state().device;
    if (d.cr == nullptr || d.ax == 0.0 || d.ay == 0.0) return false;
    // Every segment of a solid ring out of the clip's reach would be cut away whole.  A dashed
    // one carries its pattern on to what is drawn after it, along the length of its chords.
    double dashes[4];
    if (dashLengths(dashes)) return false;
    double reach = strokeMargin();
    double x0 = (-reach - d.bx) / d.ax, x1 = (d.targetWidth + reach - d.bx) / d.ax;
    double y0 = (-reach - d.by) / d.ay, y1 = (d.targetHeight + reach - d.by) / d.ay;
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    double nearX = std::clamp(cx, x0, x1) - cx, nearY = std::clamp(cy, y0, y1) - cy;
    double farX = std::max(cx - x0, x1 - cx), farY = std::max(cy - y0, y1 - cy);
    double nearest = std::hypot(nearX, nearY), farthest = std::hypot(farX, farY);
    if (!std::isfinite(nearest) || !std::isfinite(farthest)) return false;
    return rOuter < nearest || rInner > farthest;
}

void devicePolyline(const std::vector<Point>& pts)
{
    for (size_t k = 1; k < pts.size(); ++k)
        deviceLineTo(pts[k - 1].x, pts[k - 1].y, pts[k].x, pts[k].y);
}

void deviceFillSolid(cairo_t* cr, int colour, cairo_fill_rule_t rule)
{
    cairo_save(cr);
    cairo_set_fill_rule(cr, rule);
    setColour(cr, colour);
    if (!state().device.vector) {
        // Two antialiased fills meeting on an edge each cover its pixels partly, and the
        // background shows through between them.  Filled first without antialiasing, every
        // pixel whose centre lies inside is covered fully (fills sharing an edge tile the
        // raster exactly); the antialiased fill on top gives the pixels outside their share.
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_fill_preserve(cr);
    }
    cairo_set_antialias(cr, state().device.vector ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_FAST);
    cairo_fill(cr);
    cairo_restore(cr);
}

void deviceFill(const std::vector<std::vector<Point>>& rings, int style, int colour)
{
    DeviceState& d = state().device;
    if (d.cr == nullptr) return;
    if (deviceJoinFill(rings, style, colour)) return;
    flushPending();
    cairo_t* cr = d.cr;
    cairo_new_path(cr);
    ringPath(cr, rings);
    if (style == 0) {
        deviceFillSolid(cr, colour, CAIRO_FILL_RULE_EVEN_ODD);
        return;
    }
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    setColour(cr, colour);
    if (style == -1) {
        cairo_set_line_width(cr, strokeWidth());
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        setDash(cr);
        cairo_stroke(cr);
    } else {
        cairo_clip(cr);
        double spacing = std::max(2.0, 8.0 * d.targetWidth / 1000.0);
        cairo_set_line_width(cr, thinnest());
        cairo_set_dash(cr, nullptr, 0, 0.0);
        int h = (style - 1) % 8 + 1;
        switch (h) {
        case 1: hatch(cr, {0.0}, spacing); break;
        case 2: hatch(cr, {90.0}, spacing); break;
        case 3: hatch(cr, {45.0}, spacing); break;
        case 4: hatch(cr, {-45.0}, spacing); break;
        case 5: hatch(cr, {0.0, 90.0}, spacing); break;
        case 6: hatch(cr, {45.0, -45.0}, spacing); break;
        case 7: hatch(cr, {0.0}, 0.5 * spacing); break;
        default: hatch(cr, {45.0}, 0.5 * spacing); break;
        }
    }
    cairo_restore(cr);
}

void deviceMarker(double kx, double ky, int symbol)
{
    DeviceState& d = state().device;
    if (d.cr == nullptr) return;
    flushPending();
    double x, y;
    deviceMapPoint(kx, ky, x, y);
    if (x < -kFar || y < -kFar || x > d.targetWidth + kFar || y > d.targetHeight + kFar) return;
    double s = std::clamp(0.5 * std::fabs(static_cast<double>(state().text.height)) * deviceScale(),
                          1.0, 1.0e4);
    cairo_t* cr = d.cr;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    setColour(cr, state().line.colour);
    cairo_set_line_width(cr, strokeWidth());
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_dash(cr, nullptr, 0, 0.0);
    const double pi = std::numbers::pi;
    auto polygon = [&](int corners, double start, double radius) {
        for (int k = 0; k < corners; ++k) {
            double a = start + 2.0 * pi * k / corners;
            double px = x + radius * std::cos(a), py = y - radius * std::sin(a);
            if (k == 0) cairo_move_to(cr, px, py);
            else cairo_line_to(cr, px, py);
        }
        cairo_close_path(cr);
    };
    auto spokes = [&](int count, double start) {
        for (int k = 0; k < count; ++k) {
            double a = start + pi * k / count;
            cairo_move_to(cr, x - s * std::cos(a), y + s * std::sin(a));
            cairo_line_to(cr, x + s * std::cos(a), y - s * std::sin(a));
        }
    };
    int m = symbol % 16;
    bool filled = false;
    switch (m) {
    case 0:
        cairo_arc(cr, x, y, std::max(1.0, 0.25 * s), 0.0, 2.0 * pi);
        filled = true;
        break;
    case 1: spokes(2, 0.0); break;
    case 2: spokes(4, 0.0); break;
    case 3: cairo_arc(cr, x, y, s, 0.0, 2.0 * pi); break;
    case 4: spokes(2, pi / 4.0); break;
    case 5: polygon(4, pi / 4.0, s * std::numbers::sqrt2); break;
    case 6: polygon(3, pi / 2.0, s); break;
    case 7: polygon(4, 0.0, s); break;
    case 8:
        cairo_arc(cr, x, y, s, 0.0, 2.0 * pi);
        filled = true;
        break;
    case 9:
        polygon(4, pi / 4.0, s * std::numbers::sqrt2);
        filled = true;
        break;
    case 10:
        polygon(3, pi / 2.0, s);
        filled = true;
        break;
    case 11:
        polygon(4, 0.0, s);
        filled = true;
        break;
    case 12: polygon(3, -pi / 2.0, s); break;
    case 13:
        polygon(3, -pi / 2.0, s);
        filled = true;
        break;
    case 14: polygon(5, pi / 2.0, s); break;
    default:
        polygon(6, 0.0, s);
        filled = true;
        break;
    }
    if (filled) cairo_fill(cr);
    else cairo_stroke(cr);
    cairo_restore(cr);
}

// ---- glyphs ------------------------------------------------------------------------------------

namespace {

// Where the monospaced font of the Debian font package lives.
constexpr const char* kFontFiles[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
    "/usr/share/fonts/TTF/DejaVuSansMono.ttf",
    "/usr/share/fonts/dejavu/DejaVuSansMono.ttf",
};

// The face read straight from the font file (the same glyphs on every machine that has the
// package); the system's font matching serves only when the file is missing.
cairo_font_face_t* openFontFace()
{
    DeviceState& d = state().device;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) == 0) {
        for (const char* file : kFontFiles) {
            FT_Face face = nullptr;
            if (FT_New_Face(library, file, 0, &face) == 0) {
                d.fontLibrary = library;
                d.fontFile = face;
                return cairo_ft_font_face_create_for_ft_face(face, 0);
            }
        }
        FT_Done_FreeType(library);
    }
    return cairo_toy_font_face_create("DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL,
                                      CAIRO_FONT_WEIGHT_NORMAL);
}

// The monospaced face and the proportions that scale a glyph to the character cell.
void ensureFont()
{
    DeviceState& d = state().device;
    if (d.font != nullptr) return;
    d.font = openFontFace();
    cairo_matrix_t size, identity;
    cairo_matrix_init_scale(&size, 100.0, 100.0);
    cairo_matrix_init_identity(&identity);
    cairo_font_options_t* opt = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
    cairo_scaled_font_t* sf = cairo_scaled_font_create(d.font, &size, &identity, opt);
    cairo_text_extents_t m, h;
    cairo_scaled_font_text_extents(sf, "M", &m);
    cairo_scaled_font_text_extents(sf, "H", &h);
    if (m.x_advance > 1.0) d.fontAdvance = m.x_advance / 100.0;
    if (h.y_bearing < -1.0) d.fontCapHeight = -h.y_bearing / 100.0;
    for (int c = 0; c < 256; ++c) {
        char utf8[3] = {0, 0, 0};
        if (c < 128) {
            utf8[0] = static_cast<char>(c);
        } else {  // bytes above 127 are taken as Latin-1
            utf8[0] = static_cast<char>(0xC0 | (c >> 6));
            utf8[1] = static_cast<char>(0x80 | (c & 0x3F));
        }
        cairo_glyph_t* glyphs = nullptr;
        int count = 0;
        if (c >= 32 &&
            cairo_scaled_font_text_to_glyphs(sf, 0, 0, utf8, -1, &glyphs, &count, nullptr, nullptr,
                                             nullptr) == CAIRO_STATUS_SUCCESS &&
            count == 1) {
            d.glyphs[static_cast<size_t>(c)] = glyphs[0].index;
            d.glyphKnown[static_cast<size_t>(c)] = true;
        }
        cairo_glyph_free(glyphs);
    }
    cairo_scaled_font_destroy(sf);
    cairo_font_options_destroy(opt);
}

}  // namespace

void deviceText(const std::vector<std::string>& lines, double x, double y)
{
    DeviceState& d = state().device;
    if (d.cr == nullptr) return;
    flushPending();
    const TextState& t = state().text;
    double cw = t.width, ch = t.height;
    double pixelsHigh = ch * deviceScale(), pixelsWide = cw * deviceScale();
    if (!(cw > 0.0 && ch > 0.0) || pixelsHigh < 0.2 || pixelsHigh > 1.0e5 || pixelsWide > 1.0e5)
        return;
    double dx, dy;
    deviceMapPoint(x, y, dx, dy);
    double reach = (2.0 * static_cast<double>(lines.size()) * pixelsHigh) + pixelsWide * 1000.0;
    if (dx < -kFar - reach || dy < -kFar - reach || dx > d.targetWidth + kFar + reach ||
        dy > d.targetHeight + kFar + reach)
        return;
    ensureFont();
    cairo_t* cr = d.cr;
    cairo_save(cr);
    cairo_matrix_t m;
    cairo_matrix_init(&m, d.ax, 0.0, 0.0, d.ay, d.bx, d.by);
    cairo_set_matrix(cr, &m);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, static_cast<double>(t.angle) * std::numbers::pi / 180.0);
    cairo_scale(cr, 1.0, -1.0);  // glyph space: y down, one unit a kernel unit
    cairo_set_font_face(cr, d.font);
    cairo_matrix_t fm;
    cairo_matrix_init_scale(&fm, cw / d.fontAdvance, ch / d.fontCapHeight);
    cairo_set_font_matrix(cr, &fm);
    setColour(cr, state().line.colour);
    std::vector<cairo_glyph_t> glyphs;
    for (size_t l = 0; l < lines.size(); ++l) {
        const std::string& line = lines[l];
        double start = justifyOffset(static_cast<double>(line.size()) * cw);
        for (size_t k = 0; k < line.size(); ++k) {
            unsigned char c = static_cast<unsigned char>(line[k]);
            if (!d.glyphKnown[c] || c == ' ') continue;
            glyphs.push_back({d.glyphs[c], start + static_cast<double>(k) * cw,
                              2.0 * ch * static_cast<double>(l)});
        }
    }
    if (!glyphs.empty()) cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
    cairo_restore(cr);
}

}  // namespace tarv
