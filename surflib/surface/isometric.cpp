// isometric.cpp - isometric surfaces: RANISO, FUNISO, GRDISO, ISOPRJ and ISOFIL, their
// driver, the layout of the picture, the grid lines with hidden parts removed, the front
// walls and drop lines, the filled cells and the base.
//
// The grid's two directions run up to the right and up to the left at 30 degrees.  Every
// node lies on one of npt + nrow - 1 vertical "places" spaced c * 0.8660254 apart, so the
// horizon of what has been drawn is kept per place: the highest picture Y drawn there (pass 1,
// the top of the surface) or the lowest (pass 2, the underside), linear between places.
// Rows are walked from the front corner backwards; a point on the horizon counts as seen.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/kernel_layer.h"
#include "frame/numeric.h"
#include "frame/picture_workspace.h"
#include "frame/routine_frame.h"
#include "frame/state.h"
#include "frame/workspace.h"
#include "surface/surface.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr double kCos30 = 0.8660254;

// The picture: grid copy, view, layout and the work runs of the partition.
struct IsoPicture {
    int nx, ny, npt, nrow, view;
    int mode;             // grid mode of the drawing, 1 always meaning rows along x
    float* rowEndHidden;  // per row: 1.0 when its last point ended hidden
    float zlow, zhigh;
    const float* grid;
    double X0, Y0, W, H, c, h, Xs, Ytop;
    float* horizon;  // npt + nrow - 1 places
    float* newHorizon;
};

// Grid indices (0-based) of point m of row k of the first direction.
void firstDirectionNode(const IsoPicture& p, int k, int m, int& i, int& j)
{
    switch (p.view) {
    case 0: i = m, j = k; break;
    case 1: i = p.nx - 1 - k, j = m; break;
    case 2: i = p.nx - 1 - m, j = p.ny - 1 - k; break;
    default: i = k, j = p.ny - 1 - m; break;
    }
}

float nodeHeight(const IsoPicture& p, int i, int j)
{
    return surfaceClampedNode(p.grid, p.nx, i, j, p.zlow, p.zhigh);
}

// Picture position and place of point m of row k of a direction (0 first, 1 second).
struct IsoPoint {
    float X, Y, floorY;
    int place;
    float z;
};

IsoPoint isoPoint(const IsoPicture& p, int dir, int k, int m)
{
    const int fk = dir == 0 ? k : m, fm = dir == 0 ? m : k;
    int i = 0, j = 0;
    firstDirectionNode(p, fk, fm, i, j);
    IsoPoint q{};
    q.z = nodeHeight(p, i, j);
    q.X = surfaceNarrow((fm - fk) * p.c * kCos30 + p.Xs);
    q.floorY = surfaceNarrow((fm + fk) * p.c * 0.5 + p.Y0);
    q.Y = surfaceNarrow(q.floorY + (static_cast<double>(q.z) - p.zlow) * p.h);
    q.place = fm - fk + p.nrow - 1;
    return q;
}

// Signed distance of Y from the horizon at place (seen side positive); no horizon yet: seen.
bool horizonOffset(const IsoPicture& p, int place, float Y, int pass, double& d)
{
    const float hv = p.horizon[place];
    if (!std::isfinite(hv)) return false;
    d = pass == 1 ? static_cast<double>(Y) - hv : static_cast<double>(hv) - Y;
    return true;
}

void keepOnHorizon(IsoPicture& p, int place, float Y, int pass)
{
    float& hv = p.newHorizon[place];
    if (!std::isfinite(hv) || (pass == 1 ? Y > hv : Y < hv)) hv = Y;
}

int rowPen(bool edge)
{
    const SurfaceSettings& surf = surfaceState.surface;
    if (!surfaceFlagOn(surf.linePensSet)) return surfaceEntryPen();
    return edge ? surf.linePens[2] : surf.linePens[1];
}

// The wall under the front row, filled in pieces that fit the polygon buffer.
void fillWall(const IsoPicture& p, int dir, int count, int code)
{
    if (code < 0) return;
    surfaceSetFillCode(code);
    constexpr int kPiece = 96;
    for (int start = 0; start < count - 1; start += kPiece - 1) {
        const int end = std::min(start + kPiece - 1, count - 1);
        float xs[kPiece + 3], ys[kPiece + 3];
        int n = 0;
        const IsoPoint a = isoPoint(p, dir, 0, start);
        xs[n] = a.X, ys[n] = a.floorY, ++n;
        for (int m = start; m <= end; ++m) {
            const IsoPoint q = isoPoint(p, dir, 0, m);
            xs[n] = q.X, ys[n] = q.Y, ++n;
        }
        const IsoPoint b = isoPoint(p, dir, 0, end);
        xs[n] = b.X, ys[n] = b.floorY, ++n;
        xs[n] = a.X, ys[n] = a.floorY, ++n;
        const float counts[1] = {static_cast<float>(n)};
        const int one = 1;
        surfaceFillPolygons(one, counts, xs, ys);
    }
}

void dropLines(const IsoPicture& p, int dir, int count, int interval)
{
    const int step = std::max(interval, 1);
    const int lines = static_cast<int>((count - 1) / static_cast<double>(step) + 1.9999);
    for (int n = 0; n < lines; ++n) {
        const int m = std::min(n * step, count - 1);
        const IsoPoint q = isoPoint(p, dir, 0, m);
        const float xs[2] = {q.X, q.X}, ys[2] = {q.Y, q.floorY};
        const int two = 2;
        surfaceDrawPolyline(two, xs, ys);
    }
}

// Whether point q (point m of row k, k and m at least 1) lies below, in pass 2 above, the
// point of the row before at its place.
bool sinksBehindItsCell(const IsoPicture& p, int dir, int k, int m, const IsoPoint& q, int pass)
{
    if (k < 1 || m < 1) return false;
    const IsoPoint f = isoPoint(p, dir, k - 1, m - 1);
    return pass == 1 ? q.Y < f.Y : q.Y > f.Y;
}

// One row: seen pieces drawn (when drawn), the new horizon kept.  Returns whether its last
// point ended hidden.
bool drawRow(IsoPicture& p, int dir, int k, int count, int pass, bool hidden, bool drawn)
{
    surfaceHiddenRunStart();
    bool open = false, lastHidden = false;
    IsoPoint prev = isoPoint(p, dir, k, 0);
    double dPrev = 0.0;
    bool prevSeen = !hidden || !horizonOffset(p, prev.place, prev.Y, pass, dPrev) || dPrev >= 0.0;
    if (prevSeen && drawn) {
        surfaceHiddenRunAdd(prev.X, prev.Y);
        open = true;
    }
    keepOnHorizon(p, prev.place, prev.Y, pass);
    for (int m = 1; m < count; ++m) {
        const IsoPoint q = isoPoint(p, dir, k, m);
        double d = 0.0;
        const bool known = horizonOffset(p, q.place, q.Y, pass, d);
        const bool seen = !hidden || !known || d >= 0.0;
        if (seen != prevSeen && hidden) {
            // The crossing of the row segment with the horizon between the two places.
            // Where no row before reached the previous place, this row's own point is the
            // horizon there: the crossing lies at that point.
            double da = 0.0, db = 0.0;
            horizonOffset(p, prev.place, prev.Y, pass, da);
            const bool kb = horizonOffset(p, q.place, q.Y, pass, db);
            double t = seen ? 0.0 : 1.0;
            if (kb && da != db) t = std::clamp(da / (da - db), 0.0, 1.0);
            const float cx = surfaceNarrow(prev.X + (q.X - static_cast<double>(prev.X)) * t);
            const float cy = surfaceNarrow(prev.Y + (q.Y - static_cast<double>(prev.Y)) * t);
            if (drawn) {
                if (seen) {
                    surfaceHiddenRunEnd();
                    surfaceHiddenRunAdd(cx, cy);
                    open = true;
                } else if (open) {
                    // With both families drawn, a point that sinks below the nearer row's point
                    // at its place is hidden by its own cell, whose cross line starts at the
                    // last seen point: the run ends there.  The horizon holds no cross lines,
                    // so its crossing would run on behind the cell.
                    if (p.mode != 0 || !sinksBehindItsCell(p, dir, k, m, q, pass)) {
                        surfaceHiddenRunAdd(cx, cy);
                    }
                    surfaceHiddenRunEnd();
                    open = false;
                }
            }
        }
        if (seen && drawn) {
            if (!open) surfaceHiddenRunAdd(prev.X, prev.Y);
            surfaceHiddenRunAdd(q.X, q.Y);
            open = true;
        }
        if (seen) keepOnHorizon(p, q.place, q.Y, pass);
        prev = q;
        prevSeen = seen;
        lastHidden = !seen;
    }
    surfaceHiddenRunEnd();
    return lastHidden;
}

void sideEdge(const IsoPicture& p, int dir, int rows, int count)
{
    for (int k = 1; k < rows; ++k) {
        if (p.rowEndHidden[k - 1] != 0.0f || p.rowEndHidden[k] != 0.0f) continue;
        const IsoPoint a = isoPoint(p, dir, k - 1, count - 1);
        const IsoPoint b = isoPoint(p, dir, k, count - 1);
        const float xs[2] = {a.X, b.X}, ys[2] = {a.Y, b.Y};
        const int two = 2;
        surfaceDrawPolyline(two, xs, ys);
    }
}

// All rows of one direction in one pass.
void drawDirection(IsoPicture& p, int dir, int pass, int rowInterval, int pointInterval,
                   bool onlyFront)
{
    const SurfaceSettings& surf = surfaceState.surface;
    const int rows = dir == 0 ? p.nrow : p.npt;
    const int count = dir == 0 ? p.npt : p.nrow;
    const int places = p.npt + p.nrow - 1;
    for (int q = 0; q < places; ++q) p.horizon[q] = p.newHorizon[q] = NAN;
    const bool hidden = surfaceFlagOn(surf.hiddenLinesOn);
    const bool walls = surf.baseType <= 1 && pass == 1;
    // Rows along x take the first wall code, rows along y the second.
    const bool alongX = (dir == 0) == (p.view % 2 == 0);
    if (walls && surfaceFlagOn(surf.basePensUsed))
        fillWall(p, dir, count, surf.basePens[alongX ? 0 : 1]);
    for (int k = 0; k < rows; ++k) {
        const bool edge = k == 0 || k == rows - 1 || pass == 2;
        // The front row is seen whole: drawn in pass 1, and in pass 2 only when there is no
        // pass 1 (base type 4).
        const bool frontAgain = k == 0 && pass == 2 && surf.baseType != 4;
        const bool drawn =
            k % std::max(rowInterval, 1) == 0 && (!onlyFront || k == 0) && !frontAgain;
        surfaceSelectPen(rowPen(edge));
        p.rowEndHidden[k] = drawRow(p, dir, k, count, pass, hidden && k > 0, drawn) ? 1.0f : 0.0f;
        std::copy(p.newHorizon, p.newHorizon + places, p.horizon);
        if (k == 0 && walls && surfaceFlagOn(surf.baseStyleSet))
            dropLines(p, dir, count, pointInterval);
    }
    surfaceSelectPen(rowPen(true));
    sideEdge(p, dir, rows, count);
}

void fillCell(const IsoPicture& p, const float* codes, int k, int m)
{
    int i0 = 0, j0 = 0, i1 = 0, j1 = 0;
    firstDirectionNode(p, k - 1, m - 1, i0, j0);
    firstDirectionNode(p, k, m, i1, j1);
    const long long index =
        static_cast<long long>(std::min(j0, j1)) * (p.nx - 1) + std::min(i0, i1);
    const float code = codes[index];
    if (!(code >= 0.0f && code < 1.0e9f)) return;
    surfaceSetFillCode(static_cast<int>(code));
    const IsoPoint a = isoPoint(p, 0, k - 1, m - 1), b = isoPoint(p, 0, k - 1, m);
    const IsoPoint c = isoPoint(p, 0, k, m), d = isoPoint(p, 0, k, m - 1);
    const float xs[5] = {a.X, b.X, c.X, d.X, a.X}, ys[5] = {a.Y, b.Y, c.Y, d.Y, a.Y};
    const float counts[1] = {5.0f};
    const int one = 1;
    surfaceFillPolygons(one, counts, xs, ys);
}

// Cells filled whole with their codes before the lines.  With hidden lines removed, from the
// back to the front: the diagonals k + m run from the back corner to the front one, so nearer
// cells cover farther ones, which leaves the picture that clipping each cell at the horizon of
// the rows before it gives.  Without, nothing is hidden: rows from the front backwards.
void fillCells(const IsoPicture& p, const float* codes)
{
    if (codes == nullptr) return;
    if (!surfaceFlagOn(surfaceState.surface.hiddenLinesOn)) {
        for (int k = 1; k < p.nrow; ++k) {
            for (int m = 1; m < p.npt; ++m) fillCell(p, codes, k, m);
        }
        return;
    }
    for (int diagonal = p.nrow + p.npt - 2; diagonal >= 2; --diagonal) {
        const int first = std::max(1, diagonal - (p.npt - 1));
        const int last = std::min(p.nrow - 1, diagonal - 1);
        for (int k = first; k <= last; ++k) fillCell(p, codes, k, diagonal - k);
    }
}

bool layOut(IsoPicture& p)
{
    SurfaceLibraryState& s = surfaceState;
    const SurfaceSettings& surf = s.surface;
    const double cw = s.digitWidth, ch = s.charHeight;
    if (surfaceFlagOn(surf.surfaceFrameSet)) {
        p.X0 = surf.surfaceFrame[0];
        p.W = static_cast<double>(surf.surfaceFrame[1]) - surf.surfaceFrame[0];
        p.Y0 = surf.surfaceFrame[2];
        p.H = static_cast<double>(surf.surfaceFrame[3]) - surf.surfaceFrame[2];
    } else {
        p.X0 = s.plotX1 + 10.0 * cw;
        p.Y0 = s.plotY1 + 10.0 * ch;
        p.W = s.plotWidth - 20.0 * cw;
        p.H = s.plotHeight - 16.0 * ch;
    }
    ProjectionTerms& t = s.projection;
    t.frameX = surfaceNarrow(p.X0);
    t.frameY = surfaceNarrow(p.Y0);
    t.frameWidth = surfaceNarrow(p.W);
    t.frameHeight = surfaceNarrow(p.H);
    if (!(p.W >= s.eps) || !(p.H >= s.eps)) {
        surfaceReportError(kDegenerateArea);
        return false;
    }
    const double ratio = surf.heightRatio;
    const double side = std::min(p.W / 1.732051, p.H / (ratio + 1.0));
    p.c = 2.0 * side / (p.npt + p.nrow - 2);
    p.h = side * ratio / (static_cast<double>(p.zhigh) - p.zlow);
    p.Xs = (p.nrow - 1) * p.c * kCos30 + p.X0;
    p.Ytop = p.Y0 + side + side * ratio;
    t.isoCell = surfaceNarrow(p.c);
    t.zScale = surfaceNarrow(p.h);
    t.viewQuadrant = p.view;
    s.surface.isoZBase = p.zlow;
    return true;
}

void drawSurface(IsoPicture& p, const float* codes, int wsize, float* work, bool pointsKept)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    if (!layOut(p)) return;
    if (codes != nullptr) {
        surf.fillPass = -1;
        fillCells(p, codes);
        surf.fillPass = 0;
    }
    const int savedMode = surf.gridMode;
    int mode = savedMode;
    const bool odd = p.view % 2 == 1;
    if ((mode == 1 || mode == 2) && odd) mode = 3 - mode;
    p.mode = mode;
    int ix = 1, iy = 1;
    surfaceGridLineSteps(p.nx, p.ny, ix, iy);
    if (odd) std::swap(ix, iy);
    // Rows of the first direction are counted along the row-count axis.
    const int passFirst = surf.baseType == 4 ? 2 : 1;
    const int passLast = surf.baseType >= 3 ? 2 : 1;
    for (int dir = 0; dir < 2; ++dir) {
        const bool onlyFront = (dir == 0 && mode == 2) || (dir == 1 && mode == 1);
        const int rowInterval = dir == 0 ? iy : ix, pointInterval = dir == 0 ? ix : iy;
        for (int pass = passFirst; pass <= passLast; ++pass) {
            drawDirection(p, dir, pass, rowInterval, pointInterval, onlyFront);
        }
    }
    if (pointsKept && surfaceFlagOn(s.contour.pointMarkersOn)) {
        surfaceDrawProjectedDataPoints(wsize, work);
    }
    const double rX = p.Xs + (p.npt - 1) * p.c * kCos30, rY = p.Y0 + (p.npt - 1) * p.c * 0.5;
    const double lX = p.Xs - (p.nrow - 1) * p.c * kCos30, lY = p.Y0 + (p.nrow - 1) * p.c * 0.5;
    surfaceSelectPen(surfaceFlagOn(surf.linePensSet) ? surf.linePens[0] : surfaceEntryPen());
    if (surf.baseType == 1) {
        const float xs[3] = {surfaceNarrow(rX), surfaceNarrow(p.Xs), surfaceNarrow(lX)};
        const float ys[3] = {surfaceNarrow(rY), surfaceNarrow(p.Y0), surfaceNarrow(lY)};
        const int three = 3;
        surfaceDrawPolyline(three, xs, ys);
    } else if (surf.baseType == 0) {
        surfaceDrawIsometricAxes(p.npt, p.nrow, surfaceNarrow(rX), surfaceNarrow(rY),
                                 surfaceNarrow(p.Xs), surfaceNarrow(p.Y0), surfaceNarrow(lX),
                                 surfaceNarrow(lY), p.zlow, p.zhigh);
    }
    surfaceDrawPictureTitle(surfaceNarrow(p.X0), surfaceNarrow(p.Ytop), surfaceNarrow(p.W));
    surf.gridMode = savedMode;
}

void abandon()
{
    surfaceState.drawing.code = kDrawingNone;
    surfaceState.partition.recordedSize = 0;
}

// The workspace of an isometric picture: the grid copy at gridBase, then the runs of the
// horizons, m words each.  False when the grid and 11 runs do not fit in wsize words.
bool partitionWorkspace(long long nodes, long long m, int wsize, int gridBase)
{
    if (nodes <= 0 || gridBase + nodes + kIsometricRowArrays * m > wsize) return false;
    WorkspacePartition& part = surfaceState.partition;
    part.grid = gridBase;
    surfaceState.grid.gridOffset = gridBase;
    part.runs = static_cast<int>(gridBase + nodes);
    part.runLength = static_cast<int>(m);
    part.recordedSize = wsize;
    return true;
}

// The height range of the picture: the level limits when set, else the finite data range;
// a flat range is widened with a warning.
void isometricHeights(const float* z, long long nodes, float& zlow, float& zhigh)
{
    const SurfaceSettings& surf = surfaceState.surface;
    if (surfaceFlagOn(surf.levelLimitsOn)) {
        zlow = surf.levelLimits[0];
        zhigh = surf.levelLimits[1];
    } else {
        surfaceFiniteRange(z, nodes, zlow, zhigh);
    }
    if (!(static_cast<double>(zhigh) - zlow >= surfaceState.eps)) {
        surfaceReportError(kFlatHeights);
        surfaceWidenRange(zlow, zhigh);
    }
}

// The driver of every isometric routine; gridBase: where the grid copy goes in work.
void drawIsometricGrid(int nx, float xmin, float xmax, int ny, float ymin, float ymax,
                       const float* z, int view, int wsize, float* work, const float* codes,
                       int gridBase)
{
    SurfaceLibraryState& s = surfaceState;
    SurfaceSettings& surf = s.surface;
    GridState& g = s.grid;
    const int begin = kBeginIsometric;
    surfaceBeginDrawing(begin);
    // The projection terms now hold the isometric layout: no perspective point transform, and
    // no perspective plane for a contour map to lie on (CONPER): later maps are drawn flat.
    surf.perspectiveSet = 0;
    surf.perspectivePicture = 0;
    surf.contourOnSurface = 0;
    surf.fillPass = 0;
    surf.baseStyleOne = 0;
    surfaceSetGridShape(nx, ny);
    g.xMin = xmin;
    g.xMax = xmax;
    g.yMin = ymin;
    g.yMax = ymax;
    const int v = ((view % 4) + 4) % 4;
    s.projection.viewQuadrant = v;
    int status = 0;
    surfaceCheckGrid(nx, g.xMin, g.xMax, ny, g.yMin, g.yMax, status);
    if (status != 0) return abandon();
    surf.pictureXMin = g.xMin;
    surf.pictureXMax = g.xMax;
    surf.pictureYMin = g.yMin;
    surf.pictureYMax = g.yMax;
    const long long nodes = surfaceNodeCount(nx, ny);
    const long long m = std::max(nx, ny);
    if (surfaceWorkspaceEmpty(wsize, work) || !partitionWorkspace(nodes, m, wsize, gridBase)) {
        surfaceReportError(kWorkspaceShort);
        return abandon();
    }
    if (surfaceRefuseMissingArrays({z})) return abandon();
    const WorkspacePartition& part = s.partition;

    surfaceDivideGridAxes();
    float zlow = 0.0f, zhigh = 0.0f;
    isometricHeights(z, nodes, zlow, zhigh);
    g.zMin = zlow;
    g.zMax = zhigh;
    surfaceDivideHeightAxis(zlow, zhigh);
    float* copy = work + gridBase;
    if (copy != z) std::memmove(copy, z, static_cast<size_t>(nodes) * sizeof(float));
    IsoPicture p{};
    p.nx = nx;
    p.ny = ny;
    p.view = v;
    p.npt = v % 2 == 0 ? nx : ny;
    p.nrow = v % 2 == 0 ? ny : nx;
    p.zlow = zlow;
    p.zhigh = zhigh;
    p.grid = copy;
    // Two runs each for the horizon and the new one: npt + nrow - 1 places fit in 2m words.
    p.horizon = work + part.runs + 2 * m;
    p.newHorizon = work + part.runs + 4 * m;
    p.rowEndHidden = work + part.runs + 8 * m;
    drawSurface(p, codes, wsize, work, gridBase > 0);
}

}  // namespace

void ISOPRJ(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& view, const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::ISOPRJ);
    drawIsometricGrid(nx, xmin, xmax, ny, ymin, ymax, z, view, wsize, work, nullptr, 0);
}

void ISOFIL(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& view, const float* codes,
            const int& wsize, float* work)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::ISOFIL);
    // Every cell's fill code is read: without them there is no filled picture to draw.
    if (surfaceRefuseMissingArrays({codes})) return abandon();
    drawIsometricGrid(nx, xmin, xmax, ny, ymin, ymax, z, view, wsize, work, codes, 0);
}

void GRDISO(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& view)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::GRDISO);
    const int wsize = kSurfaceInternalWorkWords;
    drawIsometricGrid(nx, xmin, xmax, ny, ymin, ymax, z, view, wsize, surfaceState.internalWork,
                      nullptr, 0);
}

void RANISO(const int& npts, float* x, float* y, float* z, const int& view)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::RANISO);
    SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    int base = 0;
    if (!surfaceGridRandomPoints(npts, x, y, z, base)) return;
    const int wsize = kSurfaceInternalWorkWords;
    const float* grid = s.internalWork + s.partition.grid;
    const float x0 = g.xMin, x1 = g.xMax, y0 = g.yMin, y1 = g.yMax;
    const int nx = g.nx, ny = g.ny;
    drawIsometricGrid(nx, x0, x1, ny, y0, y1, grid, view, wsize, s.internalWork, nullptr, base);
}

void FUNISO(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            SurfaceHeightFunction f, const int& view)
{
    SurfaceRoutineScope frame(SurfaceRoutineId::FUNISO);
    SurfaceLibraryState& s = surfaceState;
    const GridState& g = s.grid;
    if (!surfaceSampleFunctionGrid(xmin, xmax, ymin, ymax, f)) return;
    const int wsize = kSurfaceInternalWorkWords;
    const float x0 = g.xMin, x1 = g.xMax, y0 = g.yMin, y1 = g.yMax;
    const int nx = g.nx, ny = g.ny;
    drawIsometricGrid(nx, x0, x1, ny, y0, y1, s.internalWork, view, wsize, s.internalWork, nullptr,
                      0);
}
