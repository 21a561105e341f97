// fuzz_surface.cc - projected surfaces: perspective and isometric pictures of grids, points and
// a height function, filled and line-style surfaces, profiles, axes and the drawing over a
// picture, after any of the projection settings, with hostile counts, reals and workspaces.
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

struct View {
    float distance, elevation, azimuth;
};

View view(Input& in)
{
    if (in.byte() % 4 == 0) return {in.real(), in.real(), in.real()};
    return {in.byte() % 2 ? 0.0f : in.mostlyPlain(100.0f), in.mostlyPlain(90.0f),
            in.mostlyPlain(360.0f)};
}

// A grid picture: counts, window, heights, one code per cell and a workspace.
struct GridCall {
    int nx, ny, wsize;
    Window w;
    std::vector<float> z, cells;
};

GridCall gridCall(Input& in, Workspace& ws)
{
    GridCall c;
    in.gridCounts(c.nx, c.ny);
    c.w = window(in);
    c.z = in.reals(Input::elements(c.nx, c.ny));
    c.cells = in.reals(Input::elements(c.nx - 1LL, c.ny - 1LL), 8.0f);
    c.wsize = in.workspaceSize(static_cast<int>(12 * Input::elements(c.nx, c.ny) + 4000));
    ws.resize(c.wsize);
    return c;
}

void perspective(Input& in, Workspace& ws)
{
    GridCall c = gridCall(in, ws);
    View v = view(in);
    switch (in.byte() % 4) {
    case 0:
        PERPRJ(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), v.distance,
               v.elevation, v.azimuth, c.wsize, ws.data());
        break;
    case 1: {
        const int n = in.count(6) % 1000;  // n + 1 pens
        const std::vector<int> pens = in.ints(std::max(n, 0) + 1LL, -2, 8);
        const int key = in.count(1);
        PERLI3(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), v.distance,
               v.elevation, v.azimuth, n, pens.data(), key, c.wsize, ws.data());
        break;
    }
    case 2:
        GRDPER(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), v.distance,
               v.elevation, v.azimuth);
        break;
    default:
        PERFIL(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), v.distance,
               v.elevation, v.azimuth, c.cells.data(), c.wsize, ws.data());
    }
}

// A gridded contour map before a picture: the grid it records (or refuses) is what a random-
// point picture must not take over unchecked.
void contourMap(Input& in, Workspace& ws)
{
    GridCall c = gridCall(in, ws);
    DRACON(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), in.count(5), 0, c.wsize,
           ws.data());
}

void isometric(Input& in, Workspace& ws)
{
    GridCall c = gridCall(in, ws);
    const int viewCode = in.count(3);
    switch (in.byte() % 3) {
    case 0:
        ISOPRJ(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), viewCode, c.wsize,
               ws.data());
        break;
    case 1:
        ISOFIL(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), viewCode,
               c.cells.data(), c.wsize, ws.data());
        break;
    default: GRDISO(c.nx, c.w.xmin, c.w.xmax, c.ny, c.w.ymin, c.w.ymax, c.z.data(), viewCode);
    }
}

void pointsAndFunctions(Input& in)
{
    const int npts = in.backedCount(30);
    std::vector<float> x = in.reals(npts, 10.0f), y = in.reals(npts, 10.0f), z = in.reals(npts);
    const Window w = window(in);
    View v = view(in);
    const int viewCode = in.count(3);
    switch (in.byte() % 4) {
    case 0: RANPER(npts, x.data(), y.data(), z.data(), v.distance, v.elevation, v.azimuth); break;
    case 1: RANISO(npts, x.data(), y.data(), z.data(), viewCode); break;
    case 2:
        FUNPER(w.xmin, w.xmax, w.ymin, w.ymax, heightAt, v.distance, v.elevation, v.azimuth);
        break;
    default: FUNISO(w.xmin, w.xmax, w.ymin, w.ymax, heightAt, viewCode);
    }
}

// What is drawn over, or asked of, the picture drawn last.
void overPicture(Input& in, Workspace& ws)
{
    switch (in.byte() % 8) {
    case 0: {
        int n = in.backedCount(100);
        std::vector<float> x(std::max(n, 1)), y(std::max(n, 1));
        PERPRO(n, x.data(), y.data(), in.count(1), ws.size, ws.data());
        break;
    }
    case 1: {
        const int onOff = in.count(1);
        CONPER(onOff, in.real());
        break;
    }
    case 2: {
        const int n = in.backedCount(10);
        std::vector<float> x = in.reals(n, 10.0f), y = in.reals(n, 10.0f);
        const float h = in.real();
        COPPRJ(n, x.data(), y.data(), h, in.count(8));
        break;
    }
    case 3: PERAXE(ws.size, ws.data()); break;
    case 4: {
        const int n = in.backedCount(10);
        std::vector<float> x = in.reals(n, 10.0f), y = in.reals(n, 10.0f), z = in.reals(n);
        LINPRJ(n, x.data(), y.data(), z.data());
        break;
    }
    case 5: {
        const float x = in.real(10.0f), y = in.real(10.0f);
        float z = 0.0f;
        PRJHGT(x, y, z, ws.size, ws.data());
        break;
    }
    case 6: {
        const float x = in.real(10.0f), y = in.real(10.0f), z = in.real();
        float X = 0.0f, Y = 0.0f;
        PERSPA(x, y, z, X, Y);
        break;
    }
    default: {
        const float x1 = in.real(10.0f), y1 = in.real(10.0f), x2 = in.real(10.0f),
                    y2 = in.real(10.0f);
        CRSSEC(x1, y1, x2, y2, ws.size, ws.data());
    }
    }
}

void settings(Input& in)
{
    switch (in.byte() % 14) {
    case 0: {
        const int style = in.count(2);
        const std::vector<int> pens = in.ints(3, -2, 8);
        PRJBAS(style, pens.data());
        break;
    }
    case 1: HEIRAT(in.real(3.0f)); break;
    case 2: XYRAT(in.real(3.0f)); break;
    case 3: {
        const int nx = in.count(5), ny = in.count(5);
        PRJGRD(nx, ny);
        break;
    }
    case 4: PRJHID(in.count(1)); break;
    case 5: {
        const float z1 = in.real(), z2 = in.real();
        PRJLEV(z1, z2);
        break;
    }
    case 6: {
        const float z1 = in.real(), z2 = in.real();
        PRJZAX(z1, z2, in.count(2));
        break;
    }
    case 7: {
        const Window w = window(in);
        PRJBND(w.xmin, w.xmax, w.ymin, w.ymax);
        break;
    }
    case 8: {
        const int a = in.count(5), b = in.count(5), c = in.count(5);
        PRJLIN(a, b, c);
        break;
    }
    case 9: PRJFRA(in.count(4)); break;
    case 10: {
        const float dx = in.real(5.0f), dy = in.real(5.0f), dz = in.real(5.0f);
        PRJSCA(dx, dy, dz);
        break;
    }
    case 11: {
        const int axis = in.count(4), width = in.count(10), decimals = in.count(5),
                  exponent = in.count(3);
        ANNDIG(axis, width, decimals, exponent);
        break;
    }
    case 12: {
        const std::vector<int> a = in.ints(6, -2, 40000), b = in.ints(6, -2, 40000);
        PRJAXI(a.data(), b.data());
        break;
    }
    default: {
        const Window w = window(in);
        const float z1 = in.real(), z2 = in.real();
        View v = view(in);
        PERSET(w.xmin, w.xmax, w.ymin, w.ymax, z1, z2, v.distance, v.elevation, v.azimuth);
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
    if (in.byte() % 8 != 0) SURF();
    fillHeights(in);
    for (int step = 0; step < 8 && !in.empty(); ++step) {
        switch (in.byte() % 7) {
        case 0: perspective(in, ws); break;
        case 1: isometric(in, ws); break;
        case 2: pointsAndFunctions(in); break;
        case 3: overPicture(in, ws); break;
        case 4: fillHeights(in); break;
        case 5: contourMap(in, ws); break;
        default: settings(in);
        }
    }
    SUREND();
    return 0;
}
