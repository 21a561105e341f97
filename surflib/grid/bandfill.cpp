// bandfill.cpp - band-filled contour maps of gridded heights: FILCON fills every band between
// successive levels with the fill codes given, ADDFIL adds one band to the map drawn last, and
// the fill key shows the bands beside the map.
//
// A band is filled cell by cell, row by row from the bottom.  Cells wholly inside the band are
// gathered along a row into one rectangle; a partly covered cell is split at its centre into
// four triangles, the paths of the band's two heights are traced through it with the band on
// their right, and the paths and the cell's corners are linked clockwise into closed polygons.
// Polygons are gathered in the workspace and filled in batches.
#include "grid/bandfill.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/level_thinning.h"
#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "grid/cell_sweep.h"
#include "grid/gridding.h"
#include "grid/mapframe.h"
#include "grid/overlays.h"
#include "grid/tracing.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr float kLift = 5.0e-7f;
// The bands from which a filled map visits only the cells each band meets.
constexpr size_t kSweptBands = 64;

// ---- One cell ---------------------------------------------------------------------------------
// Corners 1 lower right, 2 upper right, 3 upper left, 4 lower left; edges 1 bottom, 2 right,
// 3 top, 4 left.  Going counter-clockwise, edge e runs from corner edgeFrom[e] to edgeTo[e].
constexpr int kEdgeFrom[5] = {0, 4, 1, 2, 3};
constexpr int kEdgeTo[5] = {0, 1, 2, 3, 4};
constexpr int kCornerX[5] = {0, 1, 1, 0, 0};
constexpr int kCornerY[5] = {0, 0, 1, 1, 0};

constexpr int kPathPoints = 8;
struct CellPath {
    int entry, exit;
    int count;
    float x[kPathPoints], y[kPathPoints];
    bool taken;
};

struct Cell {
    float v[5];    // corner heights
    float x0, y0;  // lower-left corner, picture units
    float w, h;    // width and height, picture units
    float tol;     // equality tolerance of crossings
};

bool high(float z, float level) { return z >= level; }

// A band's edges as its cells are filled: both lifted a little, so that a height on a level
// lies in the band above it.
float lifted(float z) { return surfaceNarrow(z + static_cast<double>(kLift)); }

float fraction(const Cell& c, float za, float zb, float level, float middle)
{
    if (std::fabs(za - level) <= c.tol && std::fabs(zb - level) <= c.tol) return middle;
    const double t = (static_cast<double>(za) - level) / (static_cast<double>(za) - zb);
    return t >= 0.0 && t <= 1.0 ? static_cast<float>(t) : middle;
}

void addPoint(CellPath& p, const Cell& c, double fx, double fy)
{
    if (p.count >= kPathPoints) return;
    p.x[p.count] = surfaceNarrow(c.x0 + fx * c.w);
    p.y[p.count] = surfaceNarrow(c.y0 + fy * c.h);
    ++p.count;
}

// A point at fraction t from corner a towards corner b.
void addBetween(CellPath& p, const Cell& c, int a, int b, double t)
{
    addPoint(p, c, kCornerX[a] + t * (kCornerX[b] - kCornerX[a]),
             kCornerY[a] + t * (kCornerY[b] - kCornerY[a]));
}

int edgeOf(int a, int b)
{
    for (int e = 1; e <= 4; ++e) {
        if ((kEdgeFrom[e] == a && kEdgeTo[e] == b) || (kEdgeFrom[e] == b && kEdgeTo[e] == a))
            return e;
    }
    return 0;
}

// The corner next to `corner` that is not `other`.
int beyond(int corner, int other)
{
    const int next = corner % 4 + 1, previous = (corner + 2) % 4 + 1;
    return next == other ? previous : next;
}

// Traces the path of level that enters the cell on edge e (the height rising through the level
// counter-clockwise there), with the higher ground on its right.
CellPath surfaceBuildCellBand(const Cell& c, float level, int e)
{
    CellPath p{};
    p.entry = e;
    const int a = kEdgeTo[e], b = kEdgeFrom[e];
    const int cc = beyond(a, b), d = beyond(b, a);
    const float za = c.v[a], zb = c.v[b], zc = c.v[cc], zd = c.v[d];
    const float zm = surfaceNarrow((static_cast<double>(za) + zb + zc + zd) / 4.0);
    addBetween(p, c, a, b, fraction(c, za, zb, level, 0.5f));
    auto exitThrough = [&](int from, int to) {
        addBetween(p, c, from, to, fraction(c, c.v[from], c.v[to], level, 0.5f));
        p.exit = edgeOf(from, to);
    };
    auto centreToD = [&]() {
        addBetween(p, c, a, d, 0.5 + 0.5 * fraction(c, zm, zd, level, 0.5f));
    };
    if (high(zm, level)) {
        addBetween(p, c, b, cc, 0.5 * fraction(c, zb, zm, level, 0.5f));
        if (high(zd, level)) {
            exitThrough(d, b);
        } else {
            centreToD();
            if (!high(zc, level)) {
                addBetween(p, c, b, cc, 1.0 - 0.5 * fraction(c, zc, zm, level, 0.5f));
                exitThrough(a, cc);
            } else {
                exitThrough(cc, d);
            }
        }
    } else {
        addBetween(p, c, a, d, 0.5 * fraction(c, za, zm, level, 0.5f));
        if (!high(zc, level)) {
            exitThrough(a, cc);
        } else {
            addBetween(p, c, b, cc, 1.0 - 0.5 * fraction(c, zc, zm, level, 0.5f));
            if (!high(zd, level)) {
                exitThrough(cc, d);
            } else {
                centreToD();
                exitThrough(d, b);
            }
        }
    }
    return p;
}

void reversePath(CellPath& p)
{
    std::swap(p.entry, p.exit);
    std::reverse(p.x, p.x + p.count);
    std::reverse(p.y, p.y + p.count);
}

// The polygons gathered for one fill: counts, x and y in the fill partition.
struct PolygonStore {
    float* counts;
    float* x;
    float* y;
    long long capacity;   // points (4m)
    long long countRoom;  // polygons (2m)
    long long points;
    long long polygons;
    long long open;  // first point of the polygon being built
    bool filling;    // fill code 0 or more
};

void flushPolygons(PolygonStore& st)
{
    if (st.polygons > 0 && st.filling) {
        const int np = static_cast<int>(st.polygons);
        surfaceFillMapAreas(np, st.counts, st.x, st.y);
    }
    st.points = 0;
    st.polygons = 0;
    st.open = 0;
}

void beginPolygon(PolygonStore& st)
{
    if (st.points > st.capacity - 80 || st.polygons >= st.countRoom) flushPolygons(st);
    st.open = st.points;
}

void polygonPoint(PolygonStore& st, float x, float y)
{
    if (st.points >= st.capacity) return;
    st.x[st.points] = x;
    st.y[st.points] = y;
    ++st.points;
}

void endPolygon(PolygonStore& st)
{
    if (st.points <= st.open) return;
    polygonPoint(st, st.x[st.open], st.y[st.open]);
    st.counts[st.polygons] = static_cast<float>(st.points - st.open);
    ++st.polygons;
}

void emitRectangle(PolygonStore& st, float left, float right, float bottom, float top)
{
    beginPolygon(st);
    polygonPoint(st, left, bottom);
    polygonPoint(st, right, bottom);
    polygonPoint(st, right, top);
    polygonPoint(st, left, top);
    endPolygon(st);
}

// Links the paths and the corners of a cell into closed polygons, going clockwise round the
// cell from where each path leaves.  Corners 3 and 4 lie at runLeft when a run of whole cells
// ends at this cell.
void surfaceEmitBandPolygon(PolygonStore& st, const Cell& c, CellPath* paths, int n, float runLeft)
{
    for (int startIndex = 0; startIndex < n; ++startIndex) {
        if (paths[startIndex].taken) continue;
        beginPolygon(st);
        const int startEdge = paths[startIndex].entry;
        int current = startIndex;
        // Each path and each corner enters a polygon at most once.
        for (int guard = 0; guard < 4 * (n + 4); ++guard) {
            CellPath& p = paths[current];
            p.taken = true;
            for (int k = 0; k < p.count; ++k) polygonPoint(st, p.x[k], p.y[k]);
            int e = p.exit;
            int next = -1;
            for (int turns = 0; turns < 5; ++turns) {
                for (int k = 0; k < n; ++k) {
                    if (!paths[k].taken && paths[k].entry == e) {
                        next = k;
                        break;
                    }
                }
                if (next >= 0 || e == startEdge) break;
                const int corner = e == 1 ? 4 : e - 1;
                const float x = corner >= 3 ? runLeft : c.x0 + kCornerX[corner] * c.w;
                polygonPoint(st, x, c.y0 + kCornerY[corner] * c.h);
                e = e == 1 ? 4 : e - 1;
            }
            if (next < 0) break;
            current = next;
        }
        endPolygon(st);
    }
}

// A cell that the band crosses: the paths of lo (when a corner lies below it, bit 0 of sides)
// and of top (a corner at or above it, bit 1) traced through it and linked into polygons.
void fillCutCell(PolygonStore& st, const Cell& c, float lo, float top, unsigned sides,
                 float runLeft)
{
    CellPath paths[8];
    int n = 0;
    if ((sides & 1u) != 0) {
        for (int e = 1; e <= 4 && n < 8; ++e) {
            if (!high(c.v[kEdgeFrom[e]], lo) && high(c.v[kEdgeTo[e]], lo)) {
                paths[n++] = surfaceBuildCellBand(c, lo, e);
            }
        }
    }
    if ((sides & 2u) != 0) {
        for (int e = 1; e <= 4 && n < 8; ++e) {
            if (!high(c.v[kEdgeFrom[e]], top) && high(c.v[kEdgeTo[e]], top)) {
                paths[n] = surfaceBuildCellBand(c, top, e);
                reversePath(paths[n]);
                ++n;
            }
        }
    }
    surfaceEmitBandPolygon(st, c, paths, n, runLeft);
}

// What the cells of one band need of the grid, row by row.
struct BandRow {
    float lo, top;         // the band's edges
    const float* z;        // the grid, row by row
    int nx;                // nodes in a row
    const float* columnX;  // picture x of each column
    float right;           // picture x of the grid's right edge
};

// Each node's side of the band in node row j: bit 0 below lo, bit 1 at or above top.
void classifyNodes(const BandRow& r, int j, unsigned char* side)
{
    const float* row = r.z + static_cast<long long>(j - 1) * r.nx;
    for (int i = 0; i < r.nx; ++i) {
        const unsigned below = high(row[i], r.lo) ? 0u : 1u, above = high(row[i], r.top) ? 2u : 0u;
        side[i] = static_cast<unsigned char>(below | above);
    }
}

// The cells of row j from left to right.  all[k] and any[k] combine the sides of cell k's four
// corners: a bit in all puts the cell wholly below or wholly above the band, no bit in any puts
// it wholly inside.  The cells outside, most of a row, are passed over a block at a time.
void fillCellRow(PolygonStore& st, Cell& c, const BandRow& r, int j, const unsigned char* all,
                 const unsigned char* any)
{
    auto at = [&](int i, int jj) { return r.z[static_cast<long long>(jj - 1) * r.nx + (i - 1)]; };
    const int cells = r.nx - 1;
    bool run = false;
    float runLeft = 0.0f;
    for (int k = 0; k < cells; ++k) {
        if (!run) {
            const void* next = std::memchr(all + k, 0, static_cast<size_t>(cells - k));
            if (next == nullptr) break;
            k = static_cast<int>(static_cast<const unsigned char*>(next) - all);
        }
        if (all[k] != 0) {
            emitRectangle(st, runLeft, r.columnX[k], c.y0, c.y0 + c.h);
            run = false;
            continue;
        }
        if (any[k] == 0) {
            if (!run) runLeft = r.columnX[k];
            run = true;
            continue;
        }
        const int i = k + 1;
        c.x0 = r.columnX[k];
        c.v[1] = at(i + 1, j);
        c.v[2] = at(i + 1, j + 1);
        c.v[3] = at(i, j + 1);
        c.v[4] = at(i, j);
        fillCutCell(st, c, r.lo, r.top, any[k], run ? runLeft : c.x0);
        run = false;
    }
    if (run) emitRectangle(st, runLeft, r.right, c.y0, c.y0 + c.h);
}

// The cells of the band that the sweep holds, row by row, as fillCellRow fills them: the
// cells it leaves out are wholly below or above the band, and like the row's end close the run
// of whole cells before them.
void fillSweptCells(PolygonStore& st, Cell& c, const BandRow& r, const SurfaceCellSweep& cells)
{
    const GridState& g = surfaceState.grid;
    auto at = [&](int i, int j) { return r.z[static_cast<long long>(j - 1) * r.nx + (i - 1)]; };
    auto sides = [&](float v) { return (high(v, r.lo) ? 0u : 1u) | (high(v, r.top) ? 2u : 0u); };
    int row = 0, last = 0;  // the row and the cell visited last
    bool run = false;
    float runLeft = 0.0f;
    auto closeRun = [&]() {
        if (!run) return;
        emitRectangle(st, runLeft, last == r.nx - 1 ? r.right : r.columnX[last], c.y0, c.y0 + c.h);
        run = false;
    };
    cells.eachRising([&](int i, int j) {
        if (j != row || i != last + 1) closeRun();
        if (j != row) {
            row = j;
            c.y0 = surfaceMapToPictureY(surfaceNarrow(g.yMin + (j - 1.0) * g.ySpacing));
        }
        last = i;
        c.v[1] = at(i + 1, j);
        c.v[2] = at(i + 1, j + 1);
        c.v[3] = at(i, j + 1);
        c.v[4] = at(i, j);
        const unsigned any = sides(c.v[1]) | sides(c.v[2]) | sides(c.v[3]) | sides(c.v[4]);
        if (any == 0) {
            if (!run) runLeft = r.columnX[i - 1];
            run = true;
            return;
        }
        c.x0 = r.columnX[i - 1];
        fillCutCell(st, c, r.lo, r.top, any, run ? runLeft : c.x0);
        run = false;
    });
    closeRun();
}

// ---- Lines of FILCON ----------------------------------------------------------------------------

void traceListedLine(float level, int lineIndex, int wsize, float* work, SurfaceCellSweep* cells)
{
    SurfaceLibraryState& s = surfaceState;
    const int pen = surfaceLevelPen(lineIndex);
    s.currentPenCode = pen;
    surfaceSelectPen(pen);
    surfaceTraceGridContour(s.grid.nxIntervals, s.grid.nyIntervals, level, wsize, work, nullptr,
                            cells);
    surfaceListDrawnLevel(level, pen);
}

// A level bounding bands of a filled map, with its number among the levels asked.
struct BandLevel {
    double height;
    long long number;
};

// The levels bounding the bands of a filled map, rising, and after them the level the top band
// reaches up to: the listed heights up to the first above zMax (with the slack tol; the first
// is always taken), or the equally spaced levels of the plan up to zMax that the picture shows
// apart.
std::vector<BandLevel> filledMapLevels(const SurfaceLevelPlan& plan, const float* listed, int n,
                                       double zMax, double tol, int wsize, const float* work)
{
    std::vector<BandLevel> out;
    if (listed != nullptr) {
        int k = 0;
        do {
            out.push_back({listed[k], k});
            ++k;
        } while (k < n && surfaceCountLevels(listed[k], 0.0, zMax, tol) > 0);
        out.push_back(k < n ? BandLevel{listed[k], k} : out.back());
        return out;
    }
    const long long count = std::max(1LL, surfaceCountLevels(plan.first, plan.step, zMax, tol));
    for (const long long k : surfaceThinGridLevels(plan.first, plan.step, count, wsize, work))
        out.push_back({plan.first + static_cast<double>(k) * plan.step, k});
    out.push_back({plan.first + static_cast<double>(count) * plan.step, count});
    return out;
}

}  // namespace

namespace surflib {

// ---- Cells of one band --------------------------------------------------------------------------

SurfaceCellQuery surfaceBandCells(float lo, float hi) { return {lo, lifted(hi)}; }

void surfaceFillGridCells(float lo, float hi, float* work, SurfaceCellSweep* cells)
{
    SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    const WorkspacePartition& part = s.partition;
    const int pen = surfaceFlagOn(s.contour.pensSet) ? s.contour.linePen : s.saved.entryColour;
    surfaceSelectPen(pen);
    surfaceSetFillCode(s.saved.currentFillCode);
    const long long m = part.fillPieceWords;
    PolygonStore st{
        work + part.fillCounts,      work + part.fillX, work + part.fillY, 4 * m, 2 * m, 0, 0, 0,
        s.saved.currentFillCode >= 0};
    if (!st.filling) return;
    const SurfaceTiledFills tiled;  // the pieces of a band do not overlap
    const MapTransform& mt = s.map;
    // Multiplied wide: scale times spacing may leave single precision where the cell does not.
    const float cellW = mt.factorX != 0.0f
        ? surfaceNarrow(static_cast<double>(mt.scaleX) * g.xSpacing / mt.factorX)
        : 0.0f;
    const float cellH = mt.factorY != 0.0f
        ? surfaceNarrow(static_cast<double>(mt.scaleY) * g.ySpacing / mt.factorY)
        : 0.0f;
    const float top = lifted(hi);
    const float* z = work + part.grid;
    Cell c{};
    c.w = cellW;
    c.h = cellH;
    c.tol = surfaceNarrow(1.0e-4 * std::fabs(static_cast<double>(g.contourInterval)));
    // The picture x of every column, worked out once for all the rows.
    std::vector<float> columnX(static_cast<size_t>(std::max(g.nx, 1)));
    for (int i = 1; i < g.nx; ++i)
        columnX[i - 1] = surfaceMapToPictureX(surfaceNarrow(g.xMin + (i - 1.0) * g.xSpacing));
    BandRow row{lo, top, z, g.nx, columnX.data(), surfaceMapToPictureX(g.xMax)};
    if (cells != nullptr && cells->select(z, lo, top)) {
        fillSweptCells(st, c, row, *cells);
        flushPolygons(st);
        return;
    }
    std::vector<unsigned char> lower(static_cast<size_t>(g.nx)), upper(lower.size());
    std::vector<unsigned char> all(lower.size()), any(lower.size());
    classifyNodes(row, 1, lower.data());
    for (int j = 1; j < g.ny; ++j) {
        classifyNodes(row, j + 1, upper.data());
        for (int i = 0; i + 1 < g.nx; ++i) {
            all[i] = lower[i] & lower[i + 1] & upper[i] & upper[i + 1];
            any[i] = lower[i] | lower[i + 1] | upper[i] | upper[i + 1];
        }
        c.y0 = surfaceMapToPictureY(surfaceNarrow(g.yMin + (j - 1.0) * g.ySpacing));
        fillCellRow(st, c, row, j, all.data(), any.data());
        std::swap(lower, upper);
    }
    flushPolygons(st);
}

void surfaceListBand(int code, float low, float high)
{
    SurfaceLibraryState& s = surfaceState;
    if (s.fillBandCount >= kSurfaceMaxBands || s.fillBandCount < 0) {
        surfaceReportError(kBandTableFull);
        return;
    }
    s.bands.bandCodes[s.fillBandCount] = code;
    s.bands.bandLows[s.fillBandCount] = low;
    s.bands.bandHighs[s.fillBandCount] = high;
    ++s.fillBandCount;
}

void surfaceFillGridBand(float low, float high, int code, int lines, int lineSwitch, int wsize,
                         float* work, bool warnFull, SurfaceCellSweep* cells)
{
    SurfaceLibraryState& s = surfaceState;
    int status = 0;
    if (s.drawing.code != kDrawingGriddedMap || s.grid.mapWorkspaceSize != wsize ||
        s.grid.mapWorkspaceSize == 0 || work == nullptr) {
        status = kNoDrawingToAddTo;
    } else {
        surfacePartitionFillAt(s.grid.gridOffset, wsize, status);
    }
    if (status > 0) {
        surfaceReportError(status);
        return;
    }
    surfaceBeginDrawing(kAddToGriddedMap);
    s.smoothedLines = 0;
    if (lineSwitch != 0) surfaceReportError(kBadLineSwitch);
    if (!(std::fabs(static_cast<double>(high) - low) >= s.eps)) {
        surfaceReportError(kThinBand);
        return;
    }
    s.saved.currentFillCode = code;
    const float lo = lifted(low);
    int withLines = lines;
    if (withLines != 0 && withLines != 1) {
        surfaceReportError(kBadSwitch);
        withLines = 1;
    }
    const int output = s.outputEnabled;
    s.outputEnabled = 0;
    surfaceFillGridCells(lo, high, work, cells);
    s.outputEnabled = output;
    if (withLines == 1) {
        const int pen = surfaceFlagOn(s.contour.pensSet) ? s.contour.linePen : s.saved.entryColour;
        s.currentPenCode = pen;
        surfaceSelectPen(pen);
        for (const float level : {lo, high}) {
            surfaceTraceGridContour(s.grid.nxIntervals, s.grid.nyIntervals, level, wsize, work);
            if (s.levels.count >= 0 && s.levels.count < kSurfaceMaxLevels) {
                surfaceListDrawnLevel(level, pen);
            } else {
                surfaceReportError(kLevelListFull);
            }
        }
    }
    if (warnFull || s.fillBandCount < kSurfaceMaxBands) surfaceListBand(code, low, high);
}

// ---- Fill key -----------------------------------------------------------------------------------

void surfaceDrawFillKey()
{
    SurfaceLibraryState& s = surfaceState;
    const int count = std::min(s.fillBandCount, kSurfaceMaxBands);
    if (count <= 0) return;
    const float cw = s.digitWidth, ch = s.charHeight;
    const float scale = s.plotHeight > 100.0f * ch ? 0.6f : 0.75f;
    const float kw = scale * cw, kh = scale * ch;
    surfaceSetLabelDirection(kw, kh, 0.0f);
    const MapTransform& m = s.map;
    const float x0 = m.originX + m.mapWidth + 16.0f * kw;
    const float x1 = x0 + 6.0f * kw;
    float low = s.bands.bandLows[0], top = s.bands.bandHighs[0];
    for (int k = 0; k < count; ++k) {
        low = std::min(low, s.bands.bandLows[k]);
        top = std::max(top, s.bands.bandHighs[k]);
    }
    const double keyHeight = std::min(12.0 * kh * count, static_cast<double>(m.mapHeight)) / 2.0;
    const double range = static_cast<double>(top) - low;
    auto yOf = [&](float v) {
        return range > 0.0
            ? surfaceNarrow(m.originY + (v - static_cast<double>(low)) / range * keyHeight)
            : m.originY;
    };
    const int entry = surfaceFlagOn(s.contour.pensSet) ? s.contour.linePen : s.saved.entryColour;
    for (int k = 0; k < count; ++k) {
        surfaceSelectPen(entry);
        const int code = s.bands.bandCodes[k];
        surfaceSetFillCode(code);
        if (code < 0) continue;
        const float yl = yOf(s.bands.bandLows[k]), yh = yOf(s.bands.bandHighs[k]);
        const float bx[5] = {x0, x1, x1, x0, x0};
        const float by[5] = {yl, yl, yh, yh, yl};
        const float five = 5.0f;
        surfaceFillPolygons(1, &five, bx, by);
    }
    const int framePen =
        surfaceFlagOn(s.contour.pensSet) ? s.contour.framePen : s.saved.entryColour;
    surfaceSelectPen(framePen);
    float lastLabel = -INFINITY;
    auto tick = [&](float v) {
        const float y = yOf(v);
        const float tx[2] = {x0 - kw, x1};
        const float ty[2] = {y, y};
        surfaceDrawPolyline(2, tx, ty);
        if (std::fabs(y - lastLabel) < 2.0f * kh) return;
        lastLabel = y;
        surfaceChooseNumberFormat(v);
        int width = s.labelFormatWidth, decimals = s.labelFormatDecimals;
        surfaceDrawNumber(x0 - kw, y - 0.5f * kh, s.labelFormatValue, width, decimals,
                          s.labelPowerCode);
    };
    for (int k = 0; k < count; ++k) tick(s.bands.bandLows[k]);
    tick(top);
    const float topY = yOf(top);
    const float lx[2] = {x0, x0}, rx[2] = {x1, x1}, sy[2] = {m.originY, topY};
    surfaceDrawPolyline(2, lx, sy);
    surfaceDrawPolyline(2, rx, sy);
    surfaceSetLabelDirection(cw, ch, 0.0f);
}

}  // namespace surflib

// ---- Exported routines ----------------------------------------------------------------------------

void FILCON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch,
            const int* codes, const int& key, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::FILCON);
    SurfaceLibraryState& s = surfaceState;
    GridState& g = s.grid;
    surfaceBeginDrawing(kBeginGriddedMap);
    int n = surfaceMapLevelCount(ncont);
    // The codes the caller passed: ncont + 1 of them, used in turn.
    const long long codeCount = codes != nullptr ? static_cast<long long>(n) + 1 : 0;
    if (key == 1) {
        s.fillKeyOn = -1;
    } else {
        if (key != 0) surfaceReportError(kBadSwitch);
        s.fillKeyOn = 0;
    }
    const bool list = surfaceFlagOn(s.contour.levelListOn);
    float listed[kSurfaceMaxLevels];
    if (list) {
        n = std::clamp(s.levels.count, 0, kSurfaceMaxLevels);
        std::copy(s.levels.heights, s.levels.heights + n, listed);
    }
    surfaceClearMapRecords();
    s.smoothedLines = 0;
    if (lineSwitch != 0) surfaceReportError(kBadLineSwitch);
    if (!surfaceRecordGrid(nx, xmin, xmax, ny, ymin, ymax)) {
        surfaceAbandonDrawing();
        return;
    }
    if (!surfaceLoadMapGrid(z, wsize, work, surfacePartitionFillWorkspace)) return;
    const float dataMin = g.zMin, dataMax = g.zMax;
    const SurfaceLevelPlan plan = surfacePlanLevels(dataMin, dataMax, n);

    if (n != 0) {
        const bool limits = surfaceFlagOn(s.contour.limitsOn);
        if (limits) {
            g.zMin = s.contour.zLow;
            g.zMax = s.contour.zHigh;
        }
        const double step =
            list ? (n > 1 ? static_cast<double>(listed[1]) - listed[0] : 0.0) : plan.step;
        g.contourInterval = surfaceNarrow(step);
        if (!surfaceMapFrame(false)) {
            g.zMin = dataMin;
            g.zMax = dataMax;
            return;
        }
        surfaceRestartLevelList();
        s.levelLabelCounter = 0;
        s.labelNextLevel = 1;
        const double zMax = g.zMax;
        const double tol = 1.0e-4 * (std::fabs(static_cast<double>(g.zMin)) + std::fabs(zMax));
        const std::vector<BandLevel> levels =
            filledMapLevels(plan, list ? listed : nullptr, n, zMax, tol, wsize, work);
        const bool lines = s.contour.fillLinesSwitch == 1;
        CodeCycle codeCycle{codes, codeCount};
        int lineIndex = 0;
        long long filled = 0;
        // The bands and lines are walked twice: first to gather their heights, from which the
        // cells each meets are found, then to draw them.
        bool drawing = false;
        std::vector<SurfaceCellQuery> bandQueries;
        std::vector<float> lineLevels;
        SurfaceCellSweep bandCells, lineCells;
        auto fillBand = [&](double from, double to) {
            const float lo = surfaceNarrow(from), hi = surfaceNarrow(to);
            if (!drawing) {
                bandQueries.push_back(surfaceBandCells(lifted(lo), hi));
                return;
            }
            const int code = codeCycle.take();
            const int noLines = 0, plain = 0;
            // Bands past the table's room are not listed; that is reported once, below.
            surfaceFillGridBand(lo, hi, code, noLines, plain, wsize, work, false, &bandCells);
            ++filled;
        };
        auto lineAt = [&](double level) {
            if (!lines || !(level - dataMin > tol)) return;
            const float at = surfaceNarrow(level + static_cast<double>(kLift));
            if (!drawing) {
                lineLevels.push_back(at);
                return;
            }
            traceListedLine(at, lineIndex++, wsize, work, &lineCells);
        };
        auto walk = [&]() {
            // With the limits the bands run up from the lower limit, the first ending one level
            // above it; without, from the data minimum to the first level.
            double lower = limits ? levels.front().height : static_cast<double>(dataMin);
            for (size_t i = limits ? 1 : 0; i + 1 < levels.size(); ++i) {
                double c = levels[i].height;
                if (c - lower > tol) {
                    if (std::fabs(c - zMax) <= tol) c = zMax;
                    fillBand(lower, c);
                    // The bands merged into this one, between levels left out, give up their
                    // codes.
                    if (drawing && i > 0)
                        codeCycle.pass(levels[i].number - levels[i - 1].number - 1);
                }
                lineAt(lower);
                lower = c;
            }
            if (!limits) {
                // Up to the next level above the data, or the data maximum.
                const double next = levels.back().height;
                const double topOf = next > dataMax ? next : std::max<double>(zMax, dataMax);
                const double thick =
                    1.0e-4 * (std::fabs(static_cast<double>(dataMin)) + std::fabs(dataMax));
                if (topOf - lower > thick) fillBand(lower, topOf);
                lineAt(lower);
            }
        };
        walk();
        // A few bands pass over every cell faster than the cells are sorted into a sweep.
        if (bandQueries.size() >= kSweptBands && surfaceGridFitsWorkspace(wsize))
            bandCells = SurfaceCellSweep(g.nx, g.ny, work + s.partition.grid, bandQueries);
        lineCells = surfaceLevelSweep(lineLevels, wsize, work);
        drawing = true;
        walk();
        if (filled > kSurfaceMaxBands) surfaceReportError(kBandTableFull);
        if (list) {
            // The list keeps the heights it was given (the lines drawn at them carry their
            // pens), so the next map with the list in force draws the same bands.
            std::copy(listed, listed + n, s.levels.heights);
            s.levels.count = n;
        }
    } else {
        surfaceRestartLevelList();
    }
    surfaceFinishFilledMap(surfaceMapFrame, dataMin, dataMax, n, wsize, work);
}

namespace surflib {

void surfaceFinishFilledMap(bool (*frame)(bool drawn), float dataMin, float dataMax, int n,
                            int wsize, float* work)
{
    const SurfaceLibraryState& s = surfaceState;
    GridState& g = surfaceState.grid;
    if (surfaceFlagOn(s.fillKeyOn) && !surfaceFlagOn(s.surface.contourOnSurface)) {
        surfaceDrawFillKey();
    }
    const bool framed = frame(true);
    g.zMin = dataMin;
    g.zMax = dataMax;
    if (!framed) return;
    if (n == 0) g.contourInterval = 0.0f;
    if (surfaceFlagOn(s.contour.pointMarkersOn) && !surfaceFlagOn(s.surface.contourOnSurface)) {
        surfaceDrawDataPoints(wsize, work);
    }
}

}  // namespace surflib

void ADDFIL(const float& z1, const float& z2, const int& code, const int& lines,
            const int& lineSwitch, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::ADDFIL);
    if (surfaceRefuseEmptyWorkspace(wsize, work)) return;
    const SurfaceLibraryState& s = surfaceState;
    const float low = std::min(z1, z2), high = std::max(z1, z2);
    if (surfaceFlagOn(s.contour.limitsOn) && (low < s.contour.zLow || high > s.contour.zHigh)) {
        surfaceReportError(kOutsideLimits);
    }
    surfaceFillGridBand(low, high, code, lines, lineSwitch, wsize, work, true);
}
