// fuzz_network.cc - triangulated networks: builds from hostile point sets (duplicates, lines,
// grids of equal spacing, NaN and infinities), insertions, regions, heights, grids, hulls and
// network contour maps and fills, in any order on one workspace.  Calls after the build get
// the network's workspace with its own size or a smaller one; the array is never shorter than
// the size passed.
#include <cstdlib>

#include "frame/state.h"
#include "hostile.h"
#include "tarvcore.h"
#include "tterrlib.h"

namespace {

using namespace surflib;
using hostile::Input;
using hostile::Workspace;

// Point coordinates: plain reals, hostile ones, or small integers (many points on one line
// or circle, the cases that try a triangulation most).
std::vector<float> coordinates(Input& in, int n, int style)
{
    if (style != 2) return in.reals(n, 10.0f);
    std::vector<float> v(std::max(n, 4));
    for (float& f : v) f = static_cast<float>(in.byte() % 5);
    return v;
}

struct Points {
    int n;
    std::vector<float> x, y, z, dzdx, dzdy;
};

Points points(Input& in, int usual)
{
    Points p;
    p.n = in.backedCount(usual);
    const int style = in.byte() % 3;
    p.x = coordinates(in, p.n, style);
    p.y = coordinates(in, p.n, style);
    p.z = in.reals(p.n);
    p.dzdx = in.reals(p.n, 5.0f);
    p.dzdy = in.reals(p.n, 5.0f);
    return p;
}

// The size passed with the network's workspace: its own, or a smaller one.
int sizeOf(Input& in, Workspace& ws)
{
    if (in.byte() % 8 != 0 || ws.size <= 0) return ws.size;
    return std::min(ws.size, in.pick<int>({0, 1, 4, 36, 100, ws.size / 2, ws.size - 1}));
}

void build(Input& in, Workspace& ws)
{
    Points p = points(in, 30);
    ws.resize(in.workspaceSize(static_cast<int>(36LL * (std::max(p.n, 0) + 1) + 400)));
    if (in.flag()) RANTRI(p.n, p.x.data(), p.y.data(), p.z.data(), ws.size, ws.data());
    else
        TRIDER(p.n, p.x.data(), p.y.data(), p.z.data(), p.dzdx.data(), p.dzdy.data(), ws.size,
               ws.data());
}

void buildLongForm(Input& in, SurfaceWorkspace& lws)
{
    const int maxCount = in.count(40) % 4000;  // the workspace is made at this size
    const int n = in.backedCount(30);
    std::vector<SurfacePoint3> pts(std::max(n, 1));
    for (auto& q : pts) q = {in.mostlyPlain(10.0f), in.mostlyPlain(10.0f), in.mostlyPlain()};
    krGenerateRandomNetwork(maxCount, n, pts.data(), lws);
    const float x = in.real(10.0f), y = in.real(10.0f);
    float h = 0.0f;
    SurfaceGradient g{};
    krReturnNetworkSpotHeight(x, y, h, g, lws);
    krDrawNetwork(in.pick<int>({kSurfMarkerWithValue, 0, kSurfMarkerPlain, 7}), in.count(5), lws);
}

void insert(Input& in, Workspace& ws)
{
    const int kind = in.count(2);
    const float x = in.real(10.0f), y = in.real(10.0f), z = in.real(), dx = in.real(),
                dy = in.real();
    TRIADD(kind, x, y, z, dx, dy, sizeOf(in, ws), ws.data());
}

void region(Input& in, Workspace& ws)
{
    const int kind = in.count(2);
    Points p = points(in, 8);
    const int regionKind = in.count(2);
    TRIREG(kind, p.n, p.x.data(), p.y.data(), p.z.data(), p.dzdx.data(), p.dzdy.data(), regionKind,
           sizeOf(in, ws), ws.data());
}

void query(Input& in, Workspace& ws)
{
    switch (in.byte() % 4) {
    case 0: {
        const float x = in.real(10.0f), y = in.real(10.0f);
        float h = 0.0f, dx = 0.0f, dy = 0.0f;
        TRIHGT(x, y, h, dx, dy, sizeOf(in, ws), ws.data());
        break;
    }
    case 1: {
        const float xl = in.real(10.0f), xh = in.real(10.0f), yl = in.real(10.0f),
                    yh = in.real(10.0f);
        int nx, ny;
        in.gridCounts(nx, ny);
        std::vector<float> z(std::max<long long>(Input::elements(nx, ny), 1));
        TRIGRD(xl, xh, yl, yh, nx, ny, z.data(), sizeOf(in, ws), ws.data());
        break;
    }
    case 2: {
        int n = in.backedCount(60);
        const int draw = in.count(1);
        std::vector<float> x(std::max(n, 1)), y(std::max(n, 1));
        TRIBOU(n, draw, x.data(), y.data(), sizeOf(in, ws), ws.data());
        break;
    }
    default: TRINET(in.count(5), sizeOf(in, ws), ws.data());
    }
}

void contourMap(Input& in, Workspace& ws)
{
    const float xl = in.mostlyPlain(10.0f), xh = in.mostlyPlain(10.0f), yl = in.mostlyPlain(10.0f),
                yh = in.mostlyPlain(10.0f);
    int ncont = in.count(12);
    const int lineSwitch = in.count(1);
    switch (in.byte() % 5) {
    case 0: TRISET(xl, xh, yl, yh, sizeOf(in, ws), ws.data()); break;
    case 1: DRATRI(xl, xh, yl, yh, ncont, lineSwitch, sizeOf(in, ws), ws.data()); break;
    case 2: {
        // |ncont| + 1 codes, one per band.
        if (ncont > hostile::kMaxElements || ncont < -hostile::kMaxElements) ncont %= 1000;
        const std::vector<int> codes = in.ints(std::abs(static_cast<long long>(ncont)) + 1, -3, 8);
        FILTRI(xl, xh, yl, yh, ncont, lineSwitch, codes.data(), in.count(1), sizeOf(in, ws),
               ws.data());
        break;
    }
    case 3: ADTCON(in.real(), lineSwitch, sizeOf(in, ws), ws.data()); break;
    default: {
        const float z1 = in.real(), z2 = in.real();
        const int code = in.count(8), lines = in.count(1);
        ADTFIL(z1, z2, code, lines, lineSwitch, sizeOf(in, ws), ws.data());
    }
    }
}

void settings(Input& in)
{
    switch (in.byte() % 4) {
    case 0: {
        const int method = in.count(2), neighbours = in.count(20), weighting = in.count(4);
        TRIINT(method, neighbours, weighting);
        break;
    }
    case 1: TRISTP(in.real()); break;
    case 2: CIRPTS(in.count(20)); break;
    default: {
        const float lo = in.real(), hi = in.real();
        LEVELS(lo, hi);
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
    SurfaceWorkspace lws;
    if (in.byte() % 8 != 0) SURF();
    build(in, ws);
    for (int step = 0; step < 10 && !in.empty(); ++step) {
        switch (in.byte() % 8) {
        case 0: build(in, ws); break;
        case 1: buildLongForm(in, lws); break;
        case 2: insert(in, ws); break;
        case 3: region(in, ws); break;
        case 4:
        case 5: query(in, ws); break;
        case 6: contourMap(in, ws); break;
        default: settings(in);
        }
    }
    krFreeWorkspace(lws);
    SUREND();
    return 0;
}
