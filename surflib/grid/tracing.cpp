// tracing.cpp - the gridded contour tracer: for one level it starts a line at every boundary
// edge where the height rises through the level (walking the boundary anticlockwise), then at
// every interior edge still flagged, and follows each line cell by cell with the higher ground
// on its right.  Each cell is split at its centre into four triangles, so a saddle is resolved
// by the centre value.  The points go one by one to the plain or the smoothed output.
//
// A node counts as high when its height is at or above the level and as low otherwise; a
// height that is not a number is therefore low everywhere, which keeps every decision of the
// tracer consistent.  Crossing fractions that do not come out as a number in [0, 1] are taken
// as the middle of their edge.
#include "grid/tracing.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "frame/errors.h"
#include "frame/intervals.h"
#include "frame/map_transform.h"
#include "frame/routine_frame.h"
#include "frame/numeric.h"
#include "frame/state.h"

using namespace surflib;

namespace {

struct GridView {
    const float* z;  // z(i, j) = z[(j - 1) * nx + (i - 1)]
    float* flags;    // f(i, j) for the edge from node (i, j + 1) to (i + 1, j + 1)
    int nx, ny;

    float at(int i, int j) const { return z[static_cast<long long>(j - 1) * nx + (i - 1)]; }
    float& flag(int i, int j) const { return flags[static_cast<long long>(j - 1) * nx + (i - 1)]; }
};

GridView viewOf(float* work)
{
    const SurfaceLibraryState& s = surfaceState;
    return GridView{work + s.partition.grid, work + s.partition.edgeFlags, s.grid.nx, s.grid.ny};
}

bool high(float z, float level) { return z >= level; }

// The fraction t of a crossing, or `middle` when both heights lie within the equality
// tolerance of the level or the fraction is not usable.
float crossingFraction(float za, float zb, float level, float middle)
{
    const SurfaceLibraryState& s = surfaceState;
    const double tol = 1.0e-4 * std::fabs(static_cast<double>(s.grid.contourInterval));
    if (std::fabs(static_cast<double>(za) - level) <= tol &&
        std::fabs(static_cast<double>(zb) - level) <= tol) {
        return middle;
    }
    const double t = (static_cast<double>(za) - level) / (static_cast<double>(za) - zb);
    if (!(t >= 0.0 && t <= 1.0)) return middle;
    return static_cast<float>(t);
}

float nodeX(double i)
{
    const GridState& g = surfaceState.grid;
    return surfaceNarrow(g.xMin + (i - 1.0) * g.xSpacing);
}

float nodeY(double j)
{
    const GridState& g = surfaceState.grid;
    return surfaceNarrow(g.yMin + (j - 1.0) * g.ySpacing);
}

void output(float x, float y, float level, int& first, int end, float* work)
{
    if (surfaceFlagOn(surfaceState.smoothedLines)) {
        surfaceOutputSmoothedLine(x, y, level, first, end, work);
    } else {
        surfaceOutputContourLine(x, y, level, first, end, work);
    }
}

void traceLevelLines(int mx, int my, float level, int wsize, float* work,
                     const SurfaceCrossingRange* range, const SurfaceCellSweep* cells);

bool onBoundary(int ai, int aj, int di, int dj)
{
    const GridState& g = surfaceState.grid;
    if (dj == 0) return aj == 1 || aj == g.ny;
    if (di == 0) return ai == 1 || ai == g.nx;
    return true;
}

}  // namespace

namespace surflib {

bool surfaceGridFitsWorkspace(int wsize)
{
    const SurfaceLibraryState& s = surfaceState;
    const long long nodes = static_cast<long long>(s.grid.nx) * s.grid.ny;
    if (s.grid.nx < 2 || s.grid.ny < 2 || s.partition.grid < 0) return false;
    const long long needed = static_cast<long long>(s.partition.grid) + 2 * nodes;
    return s.partition.edgeFlags == s.partition.grid + nodes && needed <= wsize;
}

float surfaceMapToPictureX(float x)
{
    const MapTransform& m = surfaceState.map;
    return m.factorX == 0.0f ? m.originX : surfaceMapValueToPictureX(x);
}

float surfaceMapToPictureY(float y)
{
    const MapTransform& m = surfaceState.map;
    return m.factorY == 0.0f ? m.originY : surfaceMapValueToPictureY(y);
}

float surfaceMapValueToPictureX(double x) { return surfaceNarrow(surfaceMapXToPicture(x)); }

float surfaceMapValueToPictureY(double y) { return surfaceNarrow(surfaceMapYToPicture(y)); }

float surfacePictureToMapX(float X)
{
    const MapTransform& m = surfaceState.map;
    if (m.scaleX == 0.0f) return m.startX * m.factorX;
    return surfaceNarrow(surfacePictureXToMap(X));
}

float surfacePictureToMapY(float Y)
{
    const MapTransform& m = surfaceState.map;
    if (m.scaleY == 0.0f) return m.startY * m.factorY;
    return surfaceNarrow(surfacePictureYToMap(Y));
}

void surfaceDrawContourPoints(int n, const float* x, const float* y)
{
    if (n < 1 || surfaceState.outputEnabled != 1) return;
    // The map polyline converts its arrays in place: draw a copy, so that the buffers keep
    // the flat map's picture points.
    float cx[kSmoothBufferRoom];
    float cy[kSmoothBufferRoom];
    if (n > kSmoothBufferRoom) n = kSmoothBufferRoom;
    for (int k = 0; k < n; ++k) {
        cx[k] = x[k];
        cy[k] = y[k];
    }
    surfaceDrawMapPolyline(n, cx, cy);
}

void surfaceCollectContourPoint(float x, float y)
{
    ContourPointCollection& c = surfaceState.collection;
    if (!surfaceFlagOn(c.on) || surfaceFlagOn(c.full)) return;
    if (c.count >= c.capacity || c.x == nullptr || c.y == nullptr) {
        c.full = -1;
        surfaceReportError(kPointsShort);
        return;
    }
    c.x[c.count] = x;
    c.y[c.count] = y;
    ++c.count;
}

void surfaceMarkGridEdges(int mx, int my, float level, float* work)
{
    const GridView g = viewOf(work);
    // Row by row, without branches and with the level in a local, so that the compiler does
    // several edges at a time: this runs over the whole grid for every level.
    const float lv = level;
    for (int j = my - 1; j >= 1; --j) {
        const float* z = g.z + static_cast<long long>(j) * g.nx;    // nodes (1.., j + 1)
        float* f = g.flags + static_cast<long long>(j - 1) * g.nx;  // edges (1.., j)
        for (int i = 0; i < mx; ++i) {
            const int rises =
                static_cast<int>(!high(z[i], lv)) & static_cast<int>(high(z[i + 1], lv));
            f[i] = static_cast<float>(rises);
        }
    }
}

void surfaceFollowGridContour(int i, int j, int di, int dj, int mx, int my, float level, int wsize,
                              float* work, int& end)
{
    (void)wsize;
    SurfaceLibraryState& s = surfaceState;
    assert(s.tracingPhase == kTracingBoundary || s.tracingPhase == kTracingInterior);
    assert(std::abs(di) + std::abs(dj) == 1);
    assert(i >= 0 && i <= mx && j >= 0 && j <= my && i + di >= 0 && i + di <= mx && j + dj >= 0 &&
           j + dj <= my);
    const GridView g = viewOf(work);
    const float eps = s.eps;
    int ai = i + 1, aj = j + 1;  // node A, at or above the level
    int ddi = di, ddj = dj;      // A -> B
    int first = 1;
    end = 0;
    // Each pass uses one edge; a line can use no more edges than the grid has.
    const long long maxSteps = 2LL * (mx + 1) * (my + 1) + 4;
    for (long long step = 0; step < maxSteps; ++step) {
        const int bi = ai + ddi, bj = aj + ddj;
        const float za = g.at(ai, aj), zb = g.at(bi, bj);
        const float t = crossingFraction(za, zb, level, 0.5f);
        const float x = surfaceNarrow(nodeX(ai) + t * (static_cast<double>(nodeX(bi)) - nodeX(ai)));
        const float y = surfaceNarrow(nodeY(aj) + t * (static_cast<double>(nodeY(bj)) - nodeY(aj)));

        const bool leftward = ddj == 0 && ddi == -1;
        const bool boundary = onBoundary(ai, aj, ddi, ddj);
        if (s.tracingPhase == kTracingInterior) {
            if (boundary || (leftward && g.flag(bi, aj - 1) < eps)) end = 1;
        } else if (step > 0 && boundary) {
            end = 1;
        }
        if (!end && leftward && !boundary) g.flag(bi, aj - 1) = 0.0f;

        s.tracing.edgeI = ai;
        s.tracing.edgeJ = aj;
        s.tracing.edgeDi = ddi;
        s.tracing.edgeDj = ddj;
        // The cell beyond the edge lies a quarter turn clockwise from A -> B.
        const int ni = ddj, nj = -ddi;
        const int ci = ai + ni, cj = aj + nj, dI = bi + ni, dJ = bj + nj;
        const bool cellInside = ci >= 1 && ci <= g.nx && cj >= 1 && cj <= g.ny && dI >= 1 &&
            dI <= g.nx && dJ >= 1 && dJ <= g.ny;
        if (!cellInside || step + 1 == maxSteps) end = 1;
        output(x, y, level, first, end, work);
        if (end) return;

        const float zc = g.at(ci, cj), zd = g.at(dI, dJ);
        const float zm = surfaceNarrow((static_cast<double>(za) + zb + zc + zd) / 4.0);
        // Points on the two diagonals A-D and B-C, by the fraction from their first corner.
        auto onAD = [&](float f) {
            output(surfaceNarrow(nodeX(ai) + f * (static_cast<double>(nodeX(dI)) - nodeX(ai))),
                   surfaceNarrow(nodeY(aj) + f * (static_cast<double>(nodeY(dJ)) - nodeY(aj))),
                   level, first, 0, work);
        };
        auto onBC = [&](float f) {
            output(surfaceNarrow(nodeX(bi) + f * (static_cast<double>(nodeX(ci)) - nodeX(bi))),
                   surfaceNarrow(nodeY(bj) + f * (static_cast<double>(nodeY(cj)) - nodeY(bj))),
                   level, first, 0, work);
        };
        auto centreToD = [&]() {
            const float f = crossingFraction(zm, zd, level, 0.5f);
            onAD(0.5f + 0.5f * f);
        };
        int nextA[2], nextDir[2];
        auto leave = [&](int fromI, int fromJ, int toI, int toJ) {
            nextA[0] = fromI;
            nextA[1] = fromJ;
            nextDir[0] = toI - fromI;
            nextDir[1] = toJ - fromJ;
        };
        if (high(zm, level)) {
            onBC(0.5f * crossingFraction(zb, zm, level, 0.5f));
            if (high(zd, level)) {
                leave(dI, dJ, bi, bj);
            } else {
                centreToD();
                if (!high(zc, level)) {
                    onBC(1.0f - 0.5f * crossingFraction(zc, zm, level, 0.5f));
                    leave(ai, aj, ci, cj);
                } else {
                    leave(ci, cj, dI, dJ);
                }
            }
        } else {
            onAD(0.5f * crossingFraction(za, zm, level, 0.5f));
            if (!high(zc, level)) {
                leave(ai, aj, ci, cj);
            } else {
                onBC(1.0f - 0.5f * crossingFraction(zc, zm, level, 0.5f));
                if (!high(zd, level)) {
                    leave(ci, cj, dI, dJ);
                } else {
                    centreToD();
                    leave(dI, dJ, bi, bj);
                }
            }
        }
        ai = nextA[0];
        aj = nextA[1];
        ddi = nextDir[0];
        ddj = nextDir[1];
    }
}

void surfaceAdvanceLabelRhythm()
{
    SurfaceLibraryState& s = surfaceState;
    s.levelLabelCounter += 1;
    if (s.levelLabelCounter > s.contour.labelSkip) {
        s.labelNextLevel = 1;
        s.levelLabelCounter = 0;
    } else {
        s.labelNextLevel = 0;
    }
}

SurfaceCrossingRange surfaceGridCrossingRange(int wsize, const float* work)
{
    SurfaceCrossingRange r;
    if (work == nullptr || !surfaceGridFitsWorkspace(wsize)) return r;
    const SurfaceLibraryState& s = surfaceState;
    const int nx = s.grid.nx, ny = s.grid.ny;
    const float* z = work + s.partition.grid;
    r.blocks = (nx - 2) / kCrossingBlock + 1;
    const size_t entries = static_cast<size_t>(ny) * static_cast<size_t>(r.blocks);
    r.blockBottom.assign(entries, INFINITY);
    r.blockTop.assign(entries, -INFINITY);
    // Block b of a row holds the edges from nodes b * kCrossingBlock + 1 on, and so the nodes
    // up to one past its last edge.
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const float v = z[static_cast<long long>(j) * nx + i];
            const int last = std::min(i / kCrossingBlock, r.blocks - 1);
            const int first = std::min(i > 0 && i % kCrossingBlock == 0 ? i / kCrossingBlock - 1
                                                                        : i / kCrossingBlock,
                                       last);
            for (int b = first; b <= last; ++b) {
                const size_t k =
                    static_cast<size_t>(j) * static_cast<size_t>(r.blocks) + static_cast<size_t>(b);
                // A height that is not a number is low at every level.
                r.blockBottom[k] = std::isnan(v) ? -INFINITY : std::min(r.blockBottom[k], v);
                if (!std::isnan(v)) r.blockTop[k] = std::max(r.blockTop[k], v);
            }
        }
    }
    r.bottom = *std::min_element(r.blockBottom.begin(), r.blockBottom.end());
    r.top = *std::max_element(r.blockTop.begin(), r.blockTop.end());
    return r;
}

void surfaceTraceGridContour(int mx, int my, float level, int wsize, float* work,
                             const SurfaceCrossingRange* range, SurfaceCellSweep* cells)
{
    SurfaceLibraryState& s = surfaceState;
    if (work == nullptr || mx < 1 || my < 1 || !surfaceGridFitsWorkspace(wsize)) return;
    const int labelsOn = s.contour.labelsOn, labelSkip = s.contour.labelSkip;
    if (surfaceFlagOn(s.surface.contourOnSurface)) {
        s.contour.labelsOn = 0;
        s.contour.labelSkip = 0;
    }
    s.tracing.level = level;
    s.tracing.labelThisLevel = s.labelNextLevel == 1 ? -1 : 0;

    // The level's label format, and its text formed once without drawing.
    surfaceChooseNumberFormat(level);
    const int output = s.outputEnabled;
    s.outputEnabled = 0;
    int width = s.labelNegatedWidth, decimals = s.labelFormatDecimals;
    surfaceDrawNumber(0.0f, 0.0f, s.labelFormatValue, width, decimals, s.labelPowerCode);
    s.outputEnabled = output;

    if (cells != nullptr && !cells->select(work + s.partition.grid, level, level)) cells = nullptr;
    // A level that crosses no cell has no line, not even one starting on the boundary.
    const bool crosses =
        cells != nullptr ? !cells->empty() : range == nullptr || range->crosses(level);
    if (crosses) traceLevelLines(mx, my, level, wsize, work, range, cells);
    s.tracingPhase = kTracingBoundary;
    surfaceAdvanceLabelRhythm();
    s.contour.labelsOn = labelsOn;
    s.contour.labelSkip = labelSkip;
}

}  // namespace surflib

namespace {

// Calls visit(i) for the interior edges i = mx .. 1 (falling) of node row r (2 .. ny - 1)
// that the level can cross; with block ranges, the edges of the other blocks are passed
// over (their flags are neither set nor read).
template <typename Visit>
void eachCrossableEdge(int mx, int r, float level, const SurfaceCrossingRange* range, Visit visit)
{
    if (range == nullptr || range->blocks == 0) {
        for (int i = mx; i >= 1; --i) visit(i);
        return;
    }
    for (int b = (mx - 1) / kCrossingBlock; b >= 0; --b) {
        if (!range->blockCrosses(r, b, level)) continue;
        const int from = std::min(mx, (b + 1) * kCrossingBlock);
        for (int i = from; i > b * kCrossingBlock; --i) visit(i);
    }
}

// The flag of the interior edge along the top of cell (i, j) (j < my), set for the level.
void markTopEdge(const GridView& g, int i, int j, float level)
{
    const bool rises = !high(g.at(i, j + 1), level) && high(g.at(i + 1, j + 1), level);
    g.flag(i, j) = rises ? 1.0f : 0.0f;
}

// The lines of one level: edge flags, then the boundary walk, then the flagged interior edges.
// A line only crosses edges between a low and a high node, whose blocks (or cells) are always
// visited, so the flags it reads and clears are those set for this level.  The cells a level
// crosses hold every such edge, and are visited in the order of the pass over all edges.
void traceLevelLines(int mx, int my, float level, int wsize, float* work,
                     const SurfaceCrossingRange* range, const SurfaceCellSweep* cells)
{
    SurfaceLibraryState& s = surfaceState;
    const GridView g = viewOf(work);
    if (cells != nullptr) {
        cells->eachRising([&](int i, int j) {
            if (j < my) markTopEdge(g, i, j, level);
        });
    } else if (range == nullptr) {
        surfaceMarkGridEdges(mx, my, level, work);
    } else {
        for (int j = my - 1; j >= 1; --j) {
            eachCrossableEdge(mx, j + 1, level, range, [&](int i) { markTopEdge(g, i, j, level); });
        }
    }
    const int nx = mx + 1, ny = my + 1;
    int end = 0;
    s.tracingPhase = kTracingBoundary;
    for (int i = 1; i <= mx; ++i) {  // bottom row, left to right
        if (!high(g.at(i, 1), level) && high(g.at(i + 1, 1), level)) {
            surfaceFollowGridContour(i, 0, -1, 0, mx, my, level, wsize, work, end);
        }
    }
    for (int j = 1; j <= my; ++j) {  // right column, upwards
        if (!high(g.at(nx, j), level) && high(g.at(nx, j + 1), level)) {
            surfaceFollowGridContour(nx - 1, j, 0, -1, mx, my, level, wsize, work, end);
        }
    }
    for (int i = mx; i >= 1; --i) {  // top row, right to left
        if (!high(g.at(i + 1, ny), level) && high(g.at(i, ny), level)) {
            surfaceFollowGridContour(i - 1, ny - 1, 1, 0, mx, my, level, wsize, work, end);
        }
    }
    for (int j = my; j >= 1; --j) {  // left column, downwards
        if (!high(g.at(1, j + 1), level) && high(g.at(1, j), level)) {
            surfaceFollowGridContour(0, j - 1, 0, 1, mx, my, level, wsize, work, end);
        }
    }
    s.tracingPhase = kTracingInterior;
    auto startAt = [&](int i, int j) {
        if (g.flag(i, j) >= s.eps)
            surfaceFollowGridContour(i, j, -1, 0, mx, my, level, wsize, work, end);
    };
    if (cells != nullptr) {
        cells->eachFalling([&](int i, int j) {
            if (j < my) startAt(i, j);
        });
        return;
    }
    for (int j = my - 1; j >= 1; --j)
        eachCrossableEdge(mx, j + 1, level, range, [&](int i) { startAt(i, j); });
}

}  // namespace
