// fuzz_contours.cc - gridded contour maps, band fills, gridding of scattered points and of a
// height function, and what is drawn over a map (spot heights, contour data sets, sections),
// called in any order with hostile counts, reals and workspaces.  The map state a call leaves
// (the recorded grid, the workspace) is what the next call of the same input finds.
#include <cstdlib>

#include "frame/state.h"
#include "hostile.h"
#include "tarvcore.h"
#include "tterrlib.h"

namespace {

using namespace surflib;
using hostile::Input;
using hostile::Workspace;
using hostile::Window;
using hostile::fillHeights;
using hostile::heightAt;
using hostile::window;

// A level count: mostly small, sometimes one the routines refuse.  An accepted count above 128
// is brought below it: a map of 32767 levels across a 31 by 31 grid is 120 million points on
// the picture, slow only because it asks for that much drawing (what such a map costs is the
// benchmarks' business), and an input may draw several maps.
int levelCount(Input& in, int usual)
{
    constexpr int kAffordable = 128, kMostAccepted = 100000;
    const int n = in.count(usual);
    if (n == INT_MIN || std::abs(n) <= kAffordable || std::abs(n) > kMostAccepted) return n;
    return (n < 0 ? -1 : 1) * (kAffordable / 2 + std::abs(n) % (kAffordable / 2));
}

// A gridded map call: the grid, its heights and a workspace sized for it (or too small).
struct MapCall {
    int nx, ny, ncont, lineSwitch, wsize;
    Window w;
    std::vector<float> z;
};

MapCall mapCall(Input& in, Workspace& ws)
{
    MapCall c;
    in.gridCounts(c.nx, c.ny);
    c.w = window(in);
    c.z = in.reals(Input::elements(c.nx, c.ny));
    c.ncont = levelCount(in, 20);
    c.lineSwitch = in.count(1);
    c.wsize = in.workspaceSize(static_cast<int>(4 * Input::elements(c.nx, c.ny) + 2000));
    ws.resize(c.wsize);
    return c;
}

void drawMap(Input& in, Workspace& ws)
{
    MapCall c = mapCall(in, ws);
    DRACON(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), c.ncont, c.lineSwitch,
           c.wsize, ws.data());
}

void drawGriddedMap(Input& in)
{
    Workspace unused;
    MapCall c = mapCall(in, unused);
    GRDCON(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), c.ncont, c.lineSwitch);
}

void fillMap(Input& in, Workspace& ws)
{
    MapCall c = mapCall(in, ws);
    // The codes: one per band, |ncont| + 1 of them.
    if (c.ncont > hostile::kMaxElements || c.ncont < -hostile::kMaxElements) c.ncont %= 1000;
    const std::vector<int> codes = in.ints(std::abs(static_cast<long long>(c.ncont)) + 1, -3, 8);
    const int key = in.count(1);
    FILCON(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), c.ncont, c.lineSwitch,
           codes.data(), key, c.wsize, ws.data());
}

// Scattered points and the grid they are put on.
void gridPoints(Input& in, Workspace& ws)
{
    const int npts = in.backedCount(40);
    std::vector<float> x = in.reals(npts, 10.0f), y = in.reals(npts, 10.0f), z = in.reals(npts);
    int nx, ny;
    in.gridCounts(nx, ny);
    const Window w = window(in);
    std::vector<float> zgrid(std::max<long long>(Input::elements(nx, ny), 1));
    const long long need = 2 * Input::elements(nx, ny) + 4LL * std::max(npts, 0);
    ws.resize(in.workspaceSize(static_cast<int>(std::min<long long>(need + 100, 1 << 18))));
    RANGRD(npts, x.data(), y.data(), z.data(), nx, w.xmin, w.xmax, ny, w.ymin, w.ymax, zgrid.data(),
           ws.size, ws.data());
}

void gridFunction(Input& in, Workspace& ws)
{
    int nx, ny;
    in.gridCounts(nx, ny);
    const Window w = window(in);
    std::vector<float> zgrid(std::max<long long>(Input::elements(nx, ny), 1));
    ws.resize(in.workspaceSize(static_cast<int>(4 * Input::elements(nx, ny) + 2000)));
    FUNGRD(heightAt, nx, w.xmin, w.xmax, ny, w.ymin, w.ymax, zgrid.data(), ws.size, ws.data());
}

void mapOfPoints(Input& in)
{
    const int npts = in.backedCount(40);
    std::vector<float> x = in.reals(npts, 10.0f), y = in.reals(npts, 10.0f), z = in.reals(npts);
    const int ncont = levelCount(in, 10), lineSwitch = in.count(1);
    RANCON(npts, x.data(), y.data(), z.data(), ncont, lineSwitch);
}

void mapOfFunction(Input& in)
{
    const Window w = window(in);
    const int ncont = levelCount(in, 10), lineSwitch = in.count(1);
    FUNCON(w.xmin, w.xmax, w.ymin, w.ymax, heightAt, ncont, lineSwitch);
}

void addToMap(Input& in, Workspace& ws)
{
    switch (in.byte() % 3) {
    case 0: ADDCON(in.real(), in.count(1), ws.size, ws.data()); break;
    case 1: {
        const float z1 = in.real(), z2 = in.real();
        const int code = in.count(8), lines = in.count(1), lineSwitch = in.count(1);
        ADDFIL(z1, z2, code, lines, lineSwitch, ws.size, ws.data());
        break;
    }
    default: {
        const float x = in.real(20.0f), y = in.real(20.0f);
        float z = 0.0f;
        CONHGT(x, y, z, ws.size, ws.data());
    }
    }
}

// A contour data set into arrays of the capacities the call gives.
void contourPoints(Input& in, Workspace& ws)
{
    const float level = in.real();
    const int kind = in.count(1), draw = in.count(1);
    int npts = in.backedCount(200), nlines = in.backedCount(20);
    std::vector<float> x(std::max(npts, 1)), y(std::max(npts, 1));
    std::vector<int> lengths(std::max(nlines, 1));
    CONPTS(level, kind, draw, npts, x.data(), y.data(), nlines, lengths.data(), ws.size, ws.data());
}

void overlays(Input& in, Workspace& ws)
{
    switch (in.byte() % 3) {
    case 0: {
        const int n = in.backedCount(20);
        std::vector<float> x = in.reals(n, 20.0f), y = in.reals(n, 20.0f);
        LINCON(n, x.data(), y.data());
        break;
    }
    case 1: {
        const float x1 = in.real(20.0f), x2 = in.real(20.0f), xs = in.real(5.0f);
        const float y1 = in.real(20.0f), y2 = in.real(20.0f), ys = in.real(5.0f);
        CONGRD(x1, x2, xs, y1, y2, ys);
        break;
    }
    default: {
        const float x1 = in.real(20.0f), y1 = in.real(20.0f), x2 = in.real(20.0f),
                    y2 = in.real(20.0f);
        CRSSEC(x1, y1, x2, y2, ws.size, ws.data());
    }
    }
}

void settings(Input& in)
{
    switch (in.byte() % 14) {
    case 0: {
        const float lo = in.real(), hi = in.real();
        LEVELS(lo, hi);
        break;
    }
    case 1: {
        const int n = in.backedCount(20);
        std::vector<float> z = in.reals(n);
        CONDEF(n, z.data());
        break;
    }
    case 2: CIRPTS(in.count(20)); break;
    case 3: {
        const int skip = in.count(3);
        const float spacing = in.real(), size = in.real(5.0f);
        const int width = in.count(10), decimals = in.count(5), exponent = in.count(3),
                  pen = in.count(5), along = in.count(1);
        CONANN(skip, spacing, size, width, decimals, exponent, pen, along);
        break;
    }
    case 4: {
        const int method = in.count(2);
        RANINT(method, in.real());
        break;
    }
    case 5: RANPTS(in.count(10)); break;
    case 6: {
        const Window w = window(in);
        CONBND(w.xmin, w.xmax, w.ymin, w.ymax);
        break;
    }
    case 7: {
        const int a = in.count(5), b = in.count(5), c = in.count(5), d = in.count(5);
        CONLIN(a, b, c, d);
        break;
    }
    case 8: CONFRA(in.count(2)); break;
    case 9: CONSWI(in.count(2)); break;
    case 10: {
        const float s1 = in.real(), s2 = in.real(), s3 = in.real();
        CONSCA(s1, s2, s3, in.count(3));
        break;
    }
    case 11: SURMOD(in.count(1)); break;
    case 12: CRSFRA(in.count(3)); break;
    default: {
        const Window w = window(in);
        CRSBND(w.xmin, w.xmax, w.ymin, w.ymax);
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    hostile::resetKernel();
    surfaceResetLibraryForTests();
    Input in(data, size);
    Workspace ws;
    if (in.flag()) SURF();
    fillHeights(in);
    for (int step = 0; step < 8 && !in.empty(); ++step) {
        switch (in.byte() % 12) {
        case 0: drawMap(in, ws); break;
        case 1: drawGriddedMap(in); break;
        case 2: fillMap(in, ws); break;
        case 3: gridPoints(in, ws); break;
        case 4: gridFunction(in, ws); break;
        case 5: mapOfPoints(in); break;
        case 6: mapOfFunction(in); break;
        case 7: addToMap(in, ws); break;
        case 8: contourPoints(in, ws); break;
        case 9: overlays(in, ws); break;
        case 10: fillHeights(in); break;
        default: settings(in);
        }
    }
    SUREND();
    return 0;
}
