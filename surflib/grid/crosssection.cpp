// crosssection.cpp - CRSSEC: a vertical section through the gridded surface of the picture
// drawn last.  The walk from one end point to the other tabulates the surface height where
// the section line crosses the grid columns (sections flatter than the cell diagonal) or the
// grid rows (steeper ones); the frame lays the section picture out with a horizontal axis
// along x or y and a height axis, and the profile draws the outline with the filled bands of
// a band-filled map and the contour levels under it.
#include "grid/crosssection.h"

#include <algorithm>
#include <cmath>

#include "frame/bands.h"
#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/picture_workspace.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/mapframe.h"
#include "grid/overlays.h"
#include "grid/tracing.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr int kNoPower = 9999;
constexpr int kOutlineBlock = 79;     // points of one drawn block of the outline
constexpr int kBandPolygonRoom = 99;  // points of one filled band polygon
constexpr int kWalkAlongX = 1;
constexpr int kWalkAlongY = 2;

bool projectedPicture()
{
    const int code = surfaceState.drawing.code;
    return code == kDrawingIsometric || code == kDrawingPerspective;
}

// The workspace size recorded by the picture drawn last (0: none).
int recordedSize()
{
    const SurfaceLibraryState& s = surfaceState;
    if (s.drawing.code == kDrawingGriddedMap) return s.grid.mapWorkspaceSize;
    if (projectedPicture()) return s.partition.recordedSize;
    return 0;
}

// Word offset of the first table: after the map's edge flags, or after the projected
// picture's work area (the isometric picture's 11 rows of work after its grid; the
// perspective picture's hidden-line outlines, which its profiles read later); -1 when there
// is none.
long long tableStart()
{
    const SurfaceLibraryState& s = surfaceState;
    const WorkspacePartition& p = s.partition;
    switch (s.drawing.code) {
    case kDrawingGriddedMap:
        return static_cast<long long>(p.edgeFlags) + static_cast<long long>(s.grid.nx) * s.grid.ny;
    case kDrawingIsometric: return p.runs > 0 && p.runLength > 0 ? isometricWorkEnd(p) : -1;
    case kDrawingPerspective:
        return p.outlines > 0 && p.outlineLength > 0 ? perspectiveWorkEnd(p) : -1;
    default: return -1;
    }
}

// The grid of the picture, its window and cell sizes.
struct SectionGrid {
    int nx, ny;
    double xmin, xmax, ymin, ymax, dx, dy;
    int wsize;
    const float* work;

    double columnX(int c) const { return xmin + (c - 1) * dx; }
    double rowY(int r) const { return ymin + (r - 1) * dy; }

    // Cell index (1 .. n - 1) and fraction (0 .. 1) of a coordinate.
    static void cell(double v, double lo, double d, int n, int& index, float& fraction)
    {
        const double g = std::clamp((v - lo) / d + 1.0, 1.0, static_cast<double>(n));
        index = std::clamp(static_cast<int>(g), 1, n - 1);
        fraction = surfaceNarrow(std::clamp(g - index, 0.0, 1.0));
    }

    // The surface height at a point of the window.
    float heightAt(double x, double y) const
    {
        int i = 1, j = 1;
        float fx = 0.0f, fy = 0.0f;
        cell(x, xmin, dx, nx, i, fx);
        cell(y, ymin, dy, ny, j, fy);
        float z = 0.0f;
        surfaceGridHeightAt(z, fx, fy, (j - 1) * nx + i, wsize, work);
        return z;
    }
    // Where the section crosses grid column c at height y.
    float columnHeight(int c, double y) const
    {
        int j = 1;
        float fy = 0.0f;
        cell(y, ymin, dy, ny, j, fy);
        return surfaceGridCellHeight(fy, (j - 1) * nx + c, 2, wsize, work);
    }
    // Where the section crosses grid row r at x.
    float rowHeight(int r, double x) const
    {
        int i = 1;
        float fx = 0.0f;
        cell(x, xmin, dx, nx, i, fx);
        return surfaceGridCellHeight(fx, (r - 1) * nx + i, 1, wsize, work);
    }
};

// The three tables in the workspace and the number of entries in them.
struct SectionTables {
    float* x;
    float* y;
    float* z;
    int capacity;
    int count;

    bool full() const { return count >= capacity; }
    void append(double px, double py, float pz)
    {
        if (full()) return;
        x[count] = surfaceNarrow(px);
        y[count] = surfaceNarrow(py);
        z[count] = pz;
        ++count;
    }
};

// Crossings with the grid columns strictly beyond x1 up to x2, y along the line.
void walkColumns(const SectionGrid& g, SectionTables& t, double x1, double y1, double x2,
                 double slope)
{
    const float eps = surfaceState.eps;
    const double beyond = 1.0e-5 * g.dx;
    for (int c = 1; c <= g.nx && !t.full(); ++c) {
        const double x = g.columnX(c);
        if (x <= x1 + beyond) continue;
        if (x > x2 + eps) break;
        const double y = y1 + (x - x1) * slope;
        t.append(x, y, g.columnHeight(c, y));
    }
}

// Crossings with the grid rows strictly beyond y1 towards y2 (upwards when up), x along the
// line (vertical line when slope is 0).
void walkRows(const SectionGrid& g, SectionTables& t, double x1, double y1, double y2,
              double inverseSlope, bool up)
{
    const float eps = surfaceState.eps;
    const double beyond = 1.0e-5 * g.dy;
    for (int k = 1; k <= g.ny && !t.full(); ++k) {
        const int r = up ? k : g.ny + 1 - k;
        const double y = g.rowY(r);
        if (up ? y <= y1 + beyond : y >= y1 - beyond) continue;
        if (up ? y > y2 + eps : y < y2 - eps) break;
        const double x = x1 + (y - y1) * inverseSlope;
        t.append(x, y, g.rowHeight(r, x));
    }
}

// ---- Profile --------------------------------------------------------------------------------

struct Profile {
    const float* u;  // horizontal value of each entry (x or y)
    const float* z;  // clamped height of each entry
    int n;
};

void drawSegment(double u1, double v1, double u2, double v2)
{
    float px[2] = {surfaceMapValueToPictureX(u1), surfaceMapValueToPictureX(u2)};
    float py[2] = {surfaceMapValueToPictureY(v1), surfaceMapValueToPictureY(v2)};
    surfaceDrawMapPolyline(2, px, py);
}

// One band polygon: the top chain along the profile (clipped to the band's upper height) and
// back along the band's lower height.
struct BandPolygon {
    float u[kBandPolygonRoom];
    float v[kBandPolygonRoom];
    int chain = 0;
    double startU = 0.0;
    double low = 0.0;

    void emit()
    {
        if (chain >= 2) {
            float px[kBandPolygonRoom], py[kBandPolygonRoom];
            for (int k = 0; k < chain; ++k) {
                px[k] = surfaceMapValueToPictureX(u[k]);
                py[k] = surfaceMapValueToPictureY(v[k]);
            }
            px[chain] = surfaceMapValueToPictureX(u[chain - 1]);
            py[chain] = surfaceMapValueToPictureY(low);
            px[chain + 1] = surfaceMapValueToPictureX(startU);
            py[chain + 1] = surfaceMapValueToPictureY(low);
            float count = static_cast<float>(chain + 2);
            const int parts = 1;
            surfaceFillMapAreas(parts, &count, px, py);
        }
        chain = 0;
    }
    void add(double pu, double pv)
    {
        if (chain == 0) startU = pu;
        u[chain] = surfaceNarrow(pu);
        v[chain] = surfaceNarrow(pv);
        ++chain;
        if (chain >= kBandPolygonRoom - 2) {
            // Full: close it here and go on from its last point.
            const float lu = u[chain - 1], lv = v[chain - 1];
            emit();
            add(lu, lv);
        }
    }
};

// The part of the band [low, high] under the profile, as polygons along it.
void fillBand(const Profile& p, double low, double high)
{
    BandPolygon poly;
    poly.low = low;
    auto top = [&](double z) { return std::min(z, high); };
    for (int k = 0; k + 1 < p.n; ++k) {
        const double u0 = p.u[k], u1 = p.u[k + 1], z0 = p.z[k], z1 = p.z[k + 1];
        // Split the segment where it crosses the band's limits.
        double cuts[4] = {0.0, 0.0, 0.0, 1.0};
        int nc = 1;
        for (const double level : {low, high}) {
            if ((z0 < level) != (z1 < level)) cuts[nc++] = (level - z0) / (z1 - z0);
        }
        cuts[nc++] = 1.0;
        if (nc == 4 && cuts[1] > cuts[2]) std::swap(cuts[1], cuts[2]);  // at most two cuts
        for (int c = 0; c + 1 < nc; ++c) {
            const double ta = cuts[c], tb = cuts[c + 1];
            const double zm = z0 + (z1 - z0) * (ta + tb) * 0.5;
            const double ua = u0 + (u1 - u0) * ta, ub = u0 + (u1 - u0) * tb;
            const double za = z0 + (z1 - z0) * ta, zb = z0 + (z1 - z0) * tb;
            if (zm < low) {
                if (poly.chain > 0) poly.emit();
                continue;
            }
            if (poly.chain == 0) poly.add(ua, top(std::max(za, low)));
            poly.add(ub, top(std::max(zb, low)));
        }
    }
    poly.emit();
}

// The level as a water line wherever the profile lies at or above it.
void drawWaterLines(const Profile& p, double level)
{
    bool inside = p.n > 0 && p.z[0] >= level;
    double from = p.n > 0 ? p.u[0] : 0.0;
    for (int k = 0; k + 1 < p.n; ++k) {
        const double z0 = p.z[k], z1 = p.z[k + 1];
        if ((z0 >= level) == (z1 >= level)) continue;
        const double uc = p.u[k] + (p.u[k + 1] - p.u[k]) * (level - z0) / (z1 - z0);
        if (inside) {
            if (uc != from) drawSegment(from, level, uc, level);
        } else {
            from = uc;
        }
        inside = !inside;
    }
    if (inside && p.n > 0 && p.u[p.n - 1] != from) drawSegment(from, level, p.u[p.n - 1], level);
}

// The outline from the first entry's foot up through every entry, down to the last foot and
// back, drawn in blocks of 79 points with the last point carried on.
void drawOutline(const Profile& p, double bottom)
{
    float bx[kOutlineBlock], by[kOutlineBlock];
    int count = 0;
    auto put = [&](double u, double v) {
        bx[count] = surfaceMapValueToPictureX(u);
        by[count] = surfaceMapValueToPictureY(v);
        ++count;
        if (count == kOutlineBlock) {
            const float lx = bx[count - 1], ly = by[count - 1];
            float cx[kOutlineBlock], cy[kOutlineBlock];
            std::copy(bx, bx + count, cx);
            std::copy(by, by + count, cy);
            surfaceDrawMapPolyline(count, cx, cy);
            bx[0] = lx;
            by[0] = ly;
            count = 1;
        }
    };
    put(p.u[0], bottom);
    for (int k = 0; k < p.n; ++k) put(p.u[k], p.z[k]);
    put(p.u[p.n - 1], bottom);
    put(p.u[0], bottom);
    if (count > 1) surfaceDrawMapPolyline(count, bx, by);
}

int entryPen() { return surfaceState.saved.entryColour; }

// A projected picture drawn with its lines coloured by height bands draws the section's lines
// the same way.
bool bandedLines() { return projectedPicture() && surfaceFlagOn(surfaceState.surface.lineStyle); }

// One line of the section picture from height za to zb, split where it crosses the levels and
// each piece drawn in the pen of its band.
void drawBanded(double u1, double z1, double u2, double z2)
{
    float za = surfaceNarrow(z1);
    const float zb = surfaceNarrow(z2);
    int band = surfaceFindBand(za);
    surfaceDrawBandedSegment(surfaceMapValueToPictureX(u1), surfaceMapValueToPictureX(u2),
                             surfaceMapValueToPictureY(z1), surfaceMapValueToPictureY(z2), za, zb,
                             band, surfaceFindBand(zb));
}

// Pen of the profile's lines: the contour line pen of a gridded map, the surface line pen of
// a projected picture, else the entry pen.
int profileLinePen()
{
    const SurfaceLibraryState& s = surfaceState;
    if (!projectedPicture() && surfaceFlagOn(s.contour.pensSet)) return s.contour.linePen;
    if (projectedPicture() && surfaceFlagOn(s.surface.linePensSet)) return s.surface.linePens[2];
    return entryPen();
}

int frameLinePen()
{
    const SurfaceLibraryState& s = surfaceState;
    if (!projectedPicture() && surfaceFlagOn(s.contour.pensSet)) return s.contour.framePen;
    if (projectedPicture() && surfaceFlagOn(s.surface.linePensSet)) return s.surface.linePens[0];
    return entryPen();
}

// ---- Frame ----------------------------------------------------------------------------------

bool sectionArea(SurfaceFrameArea& a)
{
    const SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    if (surfaceFlagOn(c.crossSectionFrameSet)) {
        a = {c.crossSectionFrame[0], c.crossSectionFrame[2],
             c.crossSectionFrame[1] - c.crossSectionFrame[0],
             c.crossSectionFrame[3] - c.crossSectionFrame[2]};
    } else {
        a = {s.plotX1 + 10.0f * s.digitWidth, s.plotY1 + 10.0f * s.charHeight,
             s.plotWidth - 20.0f * s.digitWidth, s.plotHeight - 16.0f * s.charHeight};
    }
    return a.w >= s.eps && a.h >= s.eps;
}

// With axes intervals given for a projected picture, the step of that axis comes from them.
void projectedAxisStep(SurfaceFrameAxis& a, int index)
{
    const SurfaceSettings& st = surfaceState.surface;
    if (!projectedPicture() || !surfaceFlagOn(st.axesIntervalsGiven[index])) return;
    int e = 0, decimals = 0, count = 0, width = 0;
    float first = 0.0f, step = 0.0f;
    surfaceChooseIntervalsByStep(a.lo, a.hi, st.axesIntervals[index], e, first, step, decimals,
                                 count, width);
    const double span = static_cast<double>(count) * step;
    if (step == 0.0f || !(std::fabs(span) > 0.0)) return;
    a.exponent = e;
    a.factor = surfaceNarrow(std::pow(10.0, e));
    a.first = first;
    a.step = step;
    a.decimals = decimals;
    a.count = count;
    a.width = width;
    a.scale = surfaceNarrow(a.length / span);
}

void sectionFrameScale(SurfaceFrameAxis& a, int index)
{
    const ContourSettings& c = surfaceState.contour;
    if (!surfaceFlagOn(c.frameScaleSecondKind) || !surfaceFlagOn(c.frameScaleGiven[index])) return;
    if (!surfaceApplyIntervalScale(a, c.frameScale[index])) surfaceReportError(kStepUnusable);
}

void drawSectionTitles(const SurfaceFrameAxis& h, const SurfaceFrameAxis& z,
                       const SurfaceFrameArea& a)
{
    const SurfaceLibraryState& s = surfaceState;
    const int mode = s.titles.titleMode;
    if (mode == 2) return;
    float x = a.x;
    if (a.w * 0.5f < 28.0f * s.digitWidth) x -= 9.0f * s.digitWidth;
    const int horizontal = s.walkKind == kWalkAlongY ? 2 : 1;
    const int indices[2] = {horizontal, 3};
    const SurfaceFrameAxis* axes[2] = {&h, &z};
    for (int k = 0; k < 2; ++k) {
        const int t = indices[k] - 1;
        const int length = std::clamp(s.titles.lengths[t], 0, kSurfaceAxisTitleChars);
        const float y = a.y - (k == 0 ? 6.0f : 8.0f) * s.charHeight;
        const int shown = axes[k]->caption && mode == 0 ? 0 : 1;
        surfaceDrawExponentTitle(x, y, s.titles.titles[t], length, axes[k]->shownExponent, shown,
                                 10.0f * s.digitWidth);
    }
}

// Restores the perspective-set and contour-on-surface flags on every path out of CRSSEC.
struct FlatPictureScope {
    FlatPictureScope()
    {
        SurfaceLibraryState& s = surfaceState;
        s.savedPerspectiveSet = s.surface.perspectiveSet;
        s.savedContourOnSurface = s.surface.contourOnSurface;
        s.surface.perspectiveSet = 0;
        s.surface.contourOnSurface = 0;
    }
    ~FlatPictureScope()
    {
        SurfaceLibraryState& s = surfaceState;
        s.surface.perspectiveSet = s.savedPerspectiveSet;
        s.surface.contourOnSurface = s.savedContourOnSurface;
    }
    FlatPictureScope(const FlatPictureScope&) = delete;
    FlatPictureScope& operator=(const FlatPictureScope&) = delete;
};

}  // namespace

namespace surflib {

void surfaceDrawCrossSectionProfile(float zBottom, float zTop, int kind, int wsize, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    const int n = s.sectionCount;
    const long long end = static_cast<long long>(s.sectionTableZ) + n;
    if (work == nullptr || n < 1 || s.sectionTableX < 0 || end > wsize) return;
    float* tz = work + s.sectionTableZ;
    const float* tu = work + (s.walkKind == kWalkAlongY ? s.sectionTableY : s.sectionTableX);
    float highest = zBottom;
    for (int k = 0; k < n; ++k) {
        float z = tz[k];
        if (!(z >= zBottom)) z = zBottom;  // also a height that is not a number
        if (z > zTop) z = zTop;
        tz[k] = z;
        highest = std::max(highest, z);
    }
    const Profile p{tu, tz, n};

    if (kind == 1 || kind == 4) {
        surfaceSelectPen(profileLinePen());
        for (int k = 0; k < n; ++k) {
            if (bandedLines()) {
                drawBanded(p.u[k], zBottom, p.u[k], p.z[k]);
            } else {
                drawSegment(p.u[k], zBottom, p.u[k], p.z[k]);
            }
        }
    }
    if ((kind == 0 || kind == 3) && s.fillBandCount > 0) {
        const int bands = std::min(s.fillBandCount, kSurfaceMaxBands);
        for (int b = 0; b < bands; ++b) {
            const int code = s.bands.bandCodes[b];
            const double low =
                std::max(static_cast<double>(s.bands.bandLows[b]), static_cast<double>(zBottom));
            const double high =
                std::min(static_cast<double>(s.bands.bandHighs[b]), static_cast<double>(zTop));
            if (code < 0 || !(high > low) || !(low < highest)) continue;
            surfaceSetFillCode(code);
            fillBand(p, low, high);
        }
    }
    int levels = s.levels.count;
    if (levels > kSurfaceMaxLevels) {
        surfaceReportError(kLevelsCut);
        levels = kSurfaceMaxLevels;
    }
    for (int k = 0; k < levels; ++k) {
        const float level = s.levels.heights[k];
        if (!(level > zBottom && level < highest)) continue;
        surfaceSelectPen(surfaceFlagOn(s.contour.pensSet) ? s.levels.pens[k] : entryPen());
        drawWaterLines(p, level);
    }
    surfaceSelectPen(profileLinePen());
    if (!bandedLines()) {
        drawOutline(p, zBottom);
        return;
    }
    drawBanded(p.u[0], zBottom, p.u[0], p.z[0]);
    for (int k = 0; k + 1 < n; ++k) drawBanded(p.u[k], p.z[k], p.u[k + 1], p.z[k + 1]);
    drawBanded(p.u[n - 1], p.z[n - 1], p.u[n - 1], zBottom);
    drawBanded(p.u[n - 1], zBottom, p.u[0], zBottom);
}

void surfaceDrawCrossSectionFrame(float x1, float y1, float x2, float y2, int wsize, float* work)
{
    SurfaceLibraryState& s = surfaceState;
    const ContourSettings& c = s.contour;
    const int type = std::clamp(c.crossSectionFrameType, 0, 3);
    int kind = 2 * type + (projectedPicture() ? 1 : 0);
    if (kind > 2) --kind;
    kind = std::min(kind, 5);

    SurfaceFrameArea area{};
    if (!sectionArea(area)) {
        surfaceReportError(kDegenerateArea);
        return;
    }
    const bool alongY = s.walkKind == kWalkAlongY;
    SurfaceFrameAxis h{}, z{};
    h.lo = alongY ? y1 : x1;
    h.hi = alongY ? y2 : x2;
    h.length = area.w;
    z.lo = s.grid.zMin;
    z.hi = s.grid.zMax;
    if (!projectedPicture() && surfaceFlagOn(c.limitsOn)) {
        z.lo = c.zLow;
        z.hi = c.zHigh;
    } else if (projectedPicture() && surfaceFlagOn(s.surface.levelLimitsOn)) {
        z.lo = s.surface.levelLimits[0];
        z.hi = s.surface.levelLimits[1];
    }
    z.length = area.h;
    if (!surfaceChooseFrameAxis(h) || !surfaceChooseFrameAxis(z)) {
        surfaceReportError(kDegenerateArea);
        return;
    }
    projectedAxisStep(h, alongY ? 1 : 0);
    projectedAxisStep(z, 2);
    sectionFrameScale(h, alongY ? 1 : 0);
    sectionFrameScale(z, 2);

    surfaceStoreFrameLayout(h, 0, z, 2, area);

    if (kind <= 2) {
        surfaceSelectPen(frameLinePen());
        surfaceChooseFrameNumbers(h, false, 0, 0, kNoPower);
        surfaceChooseFrameNumbers(z, surfaceFlagOn(c.labelFixedFormat), c.labelWidth,
                                  c.labelDecimals, c.labelExponent);
        surfaceDrawFrameTickBands(h, z, area);
        drawSectionTitles(h, z, area);
    }
    // The height axis as laid out: the profile stays inside the frame.
    const float bottom = surfaceNarrow(static_cast<double>(z.first) * z.factor);
    const float top = surfaceNarrow(
        (static_cast<double>(z.first) + area.h / static_cast<double>(z.scale)) * z.factor);
    surfaceDrawCrossSectionProfile(std::min(bottom, top), std::max(bottom, top), kind, wsize, work);
}

}  // namespace surflib

void CRSSEC(const float& x1, const float& y1, const float& x2, const float& y2, const int& wsize,
            float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::CRSSEC);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    SurfaceLibraryState& s = surfaceState;
    const int code = s.drawing.code;
    const bool picture = code == kDrawingGriddedMap || projectedPicture();
    const int recorded = recordedSize();
    const long long start = tableStart();
    if (!picture || recorded == 0 || wsize != recorded || work == nullptr || start < 0 ||
        s.grid.nx < 2 || s.grid.ny < 2) {
        surfaceReportError(kNoPictureToAddTo);
        return;
    }
    const int m = std::max(s.grid.nx, s.grid.ny);
    const long long nodes = static_cast<long long>(s.grid.nx) * s.grid.ny;
    if (start + 3LL * m > wsize || s.partition.grid < 0 || s.partition.grid + nodes > wsize) {
        surfaceReportError(kWorkspaceShort);
        return;
    }
    const int addTo = kAddToPicture;
    surfaceBeginDrawing(addTo);
    s.sectionTableX = static_cast<int>(start);
    s.sectionTableY = static_cast<int>(start + m);
    s.sectionTableZ = static_cast<int>(start + 2LL * m);
    s.sectionCount = 1;
    FlatPictureScope flat;

    double ax = x1, ay = y1, bx = x2, by = y2;
    if (bx < ax) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    const GridState& gs = s.grid;
    SectionGrid g{gs.nx, gs.ny, gs.xMin, gs.xMax, gs.yMin, gs.yMax, 0.0, 0.0, wsize, work};
    auto inside = [&](double x, double y) {
        return x >= g.xmin && x <= g.xmax && y >= g.ymin && y <= g.ymax;
    };
    if (!inside(ax, ay) || !inside(bx, by)) {
        surfaceReportError(kOutsideWindow);
        return;
    }
    g.dx = (g.xmax - g.xmin) / (g.nx - 1);
    g.dy = (g.ymax - g.ymin) / (g.ny - 1);
    const float eps = s.eps;
    if (std::fabs(bx - ax) < eps && std::fabs(by - ay) < eps) {
        surfaceReportError(kSamePoints);
        return;
    }
    if (!(g.dx > 0.0) || !(g.dy > 0.0)) {
        surfaceReportError(kNoPictureToAddTo);
        return;
    }

    SectionTables t{work + s.sectionTableX, work + s.sectionTableY, work + s.sectionTableZ, m, 0};
    if (std::fabs(bx - ax) < eps) {
        if (by < ay) std::swap(ay, by);
        s.walkKind = kWalkAlongY;
        t.append(ax, ay, g.heightAt(ax, ay));
        walkRows(g, t, ax, ay, by, 0.0, true);
    } else {
        const double slope = std::fabs(by - ay) < eps ? 0.0 : (by - ay) / (bx - ax);
        t.append(ax, ay, g.heightAt(ax, ay));
        if (std::fabs(slope) <= g.dy / g.dx) {
            s.walkKind = kWalkAlongX;
            walkColumns(g, t, ax, ay, bx, slope);
        } else {
            s.walkKind = kWalkAlongY;
            walkRows(g, t, ax, ay, by, 1.0 / slope, slope > 0.0);
        }
    }
    // The end point, unless the last crossing lies on it.
    if (!t.full()) {
        const double lastX = t.x[t.count - 1], lastY = t.y[t.count - 1];
        const bool onLast =
            std::fabs(bx - lastX) / g.dx < 5.0 * eps && std::fabs(by - lastY) / g.dy < 5.0 * eps;
        if (!onLast) t.append(bx, by, g.heightAt(bx, by));
    }
    s.sectionCount = t.count;
    const float fx1 = surfaceNarrow(ax), fy1 = surfaceNarrow(ay);
    const float fx2 = surfaceNarrow(bx), fy2 = surfaceNarrow(by);
    surfaceDrawCrossSectionFrame(fx1, fy1, fx2, fy2, wsize, work);
}
