// hostile_input_test.cpp - the gridded map routines fed, in random order, sizes, counts,
// heights, windows, settings and workspaces that make no sense, and workspaces scribbled on
// between calls.  Each array handed in has exactly the length its arguments promise, so the
// sanitizer run catches any read or write outside it; the kernel must never receive a
// coordinate that is not a number.
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "surface_test.h"
#include "tterrlib.h"

namespace {

class GridHostileInputTest : public SurfaceTest {};

float bumpHeight(const float& x, const float& y) { return std::sin(x) * std::cos(y) + 0.01f * x; }

float nanHeight(const float& x, const float& /*y*/)
{
    return x > 0.5f ? std::numeric_limits<float>::quiet_NaN() : 1.0f;
}

// Scattered points for the random-point routines: a count that may be too small or negative,
// arrays of exactly as many points as it promises, an x now and then not a number.
struct HostilePoints {
    int n;
    std::vector<float> x, y, z;
};

struct Hostile {
    std::mt19937 random{20261210u};

    template <typename T> T pick(std::initializer_list<T> values)
    {
        std::uniform_int_distribution<size_t> d(0, values.size() - 1);
        return *(values.begin() + d(random));
    }
    float value()
    {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        std::uniform_real_distribution<float> d(-10.0f, 10.0f);
        switch (random() % 8) {
        case 0: return pick({nan, inf, -inf, 3.0e38f, -3.0e38f, 1.0e-30f, 0.0f});
        default: return d(random);
        }
    }
    float frame()
    {
        const float v = value();
        return std::fabs(v) > 1.0e6f ? v * 0.0f : v * 100.0f;
    }
    int size() { return pick({-3, 0, 1, 2, 3, 4, 7, 12, 25}); }
    int count() { return pick({INT_MIN, -101, -5, -1, 0, 1, 2, 5, 10, 99, 100, 101, INT_MAX}); }
    int code() { return pick({INT_MIN, -2, -1, 0, 1, 2, 3, 7, 999, 1000, 1004, 2004, INT_MAX}); }
    // A workspace size near what an nx by ny map needs, or something quite different.
    int words(int nx, int ny)
    {
        const int need = nx > 0 && ny > 0 ? 2 * nx * ny : 0;
        return pick({-7, 0, 1, need - 1, need, need + 40, 4 * need + 800, 6000});
    }
    HostilePoints points()
    {
        HostilePoints p{pick({-4, 0, 5, 9, 12, 40}), {}, {}, {}};
        const size_t count = static_cast<size_t>(std::max(p.n, 0));
        p.x.assign(count, 0.0f);
        p.y.assign(count, 0.0f);
        p.z.assign(count, 0.0f);
        for (size_t k = 0; k < count; ++k) {
            p.x[k] = random() % 7 == 0 ? value() : static_cast<float>(random() % 10);
            p.y[k] = static_cast<float>(random() % 10);
            p.z[k] = value();
        }
        return p;
    }
};

void expectFiniteLog(const std::vector<std::string>& log)
{
    std::string routine;
    for (size_t k = 0; k < log.size(); ++k) {
        const std::string& l = log[k];
        if (l.rfind("kernelSetRoutineName", 0) == 0) routine = l;
        std::string before;
        for (size_t b = k > 6 ? k - 6 : 0; b < k; ++b) before += log[b] + "\n";
        ASSERT_EQ(l.find("nan"), std::string::npos) << before << l << " in " << routine;
        ASSERT_EQ(l.find("inf"), std::string::npos) << before << l << " in " << routine;
    }
}

TEST_F(GridHostileInputTest, RandomCallsStayInsideTheirArrays)
{
    Hostile h;
    std::vector<float> work;  // the caller's workspace, kept between calls like a real caller
    int wsize = 0;
    for (int iteration = 0; iteration < 160; ++iteration) {
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        capture();
        const int nx = h.size(), ny = h.size();
        const size_t nodes = nx > 0 && ny > 0 ? static_cast<size_t>(nx) * ny : 0;
        std::vector<float> z(nodes);
        for (float& v : z)
            v = h.random() % 5 == 0 ? h.value() : static_cast<float>(h.random() % 50);
        const float x0 = h.value(), x1 = h.pick({h.value(), 10.0f, x0}), y0 = h.value(),
                    y1 = h.pick({h.value(), 10.0f});
        const int ncont = h.count(), lineSwitch = h.pick({-1, 0, 1, 2});
        SCOPED_TRACE(std::to_string(nx) + " x " + std::to_string(ny) + " window " +
                     std::to_string(x0) + " " + std::to_string(x1) + " " + std::to_string(y0) +
                     " " + std::to_string(y1) + " ncont " + std::to_string(ncont));
        switch (h.random() % 16) {
        case 0:
        case 1:
        case 2: {  // a new map in a fresh workspace
            wsize = h.words(nx, ny);
            work.assign(static_cast<size_t>(std::max(wsize, 0)), 0.0f);
            DRACON(nx, x0, x1, ny, y0, y1, z.data(), ncont, lineSwitch, wsize, work.data());
            break;
        }
        case 3: {
            wsize = h.words(nx, ny);
            work.assign(static_cast<size_t>(std::max(wsize, 0)), 0.0f);
            const int n = ncont < -1000 || ncont > 1000 ? 3 : ncont;
            std::vector<int> codes(static_cast<size_t>(std::abs(n) + 1));
            for (int& c : codes) c = h.code();
            FILCON(nx, x0, x1, ny, y0, y1, z.data(), n, lineSwitch, codes.data(), h.pick({0, 1, 2}),
                   wsize, work.data());
            break;
        }
        case 4:
            if (h.random() % 2) {
                GRDCON(nx, x0, x1, ny, y0, y1, z.data(), ncont, lineSwitch);
            } else {
                HostilePoints p = h.points();
                RANCON(p.n, p.x.data(), p.y.data(), p.z.data(), ncont, lineSwitch);
            }
            break;
        case 5: {
            HostilePoints p = h.points();
            std::vector<float> grid(nodes);
            wsize = h.words(nx, ny) + h.pick({0, 4 * p.n + 200});
            work.assign(static_cast<size_t>(std::max(wsize, 0)), 0.0f);
            if (h.random() % 2) {
                RANGRD(p.n, p.x.data(), p.y.data(), p.z.data(), nx, x0, x1, ny, y0, y1, grid.data(),
                       wsize, work.data());
            } else {
                FUNGRD(h.random() % 2 ? bumpHeight : nanHeight, nx, x0, x1, ny, y0, y1, grid.data(),
                       wsize, work.data());
            }
            break;
        }
        case 6:
            FUNCON(x0, x1, y0, y1, h.random() % 2 ? bumpHeight : nanHeight, ncont, lineSwitch);
            break;
        case 7:  // additions to the map drawn last, in the workspace as it is now
            ADDCON(h.value(), lineSwitch, wsize, work.data());
            ADDFIL(h.value(), h.value(), h.code(), h.pick({-1, 0, 1, 2}), lineSwitch, wsize,
                   work.data());
            break;
        case 8: {
            const int capacity = h.pick({-3, 0, 1, 5, 300});
            const int lineCapacity = h.pick({-3, 0, 1, 4});
            int npts = capacity, nlines = lineCapacity;
            std::vector<float> cx(std::max(capacity, 0)), cy(cx.size());
            std::vector<int> lengths(std::max(lineCapacity, 0));
            CONPTS(h.value(), h.pick({-1, 0, 1, 2}), h.pick({0, 1, 5}), npts, cx.data(), cy.data(),
                   nlines, lengths.data(), wsize, work.data());
            ASSERT_LE(npts, std::max(capacity, 0));
            break;
        }
        case 9: CRSSEC(h.value(), h.value(), h.value(), h.value(), wsize, work.data()); break;
        case 10: {
            float zh = 0.0f, X = 0.0f, Y = 0.0f;
            CONHGT(h.value(), h.value(), zh, wsize, work.data());
            CONSPA(h.value(), h.value(), X, Y);
            SPACON(h.value(), h.value(), X, Y);
            const int n = h.pick({-2, 0, 1, 2, 150});
            std::vector<float> lx(std::max(n, 0)), ly(lx.size());
            for (size_t k = 0; k < lx.size(); ++k) {
                lx[k] = h.value();
                ly[k] = h.value();
            }
            LINCON(n, lx.data(), ly.data());
            CONGRD(h.value(), h.value(), h.value(), h.value(), h.value(), h.value());
            break;
        }
        case 11: {  // the caller scribbles on the workspace between calls
            for (float& v : work) {
                if (h.random() % 3 == 0) v = h.value();
            }
            break;
        }
        case 12: {
            const int n = h.pick({-1, 0, 1, 3, 99, 100});
            std::vector<float> levels(std::max(n, 0));
            float v = -20.0f;
            for (float& l : levels) l = (v += static_cast<float>(h.random() % 4));
            CONDEF(n, levels.data());
            LEVELS(h.value(), h.value());
            break;
        }
        case 13:
            CONANN(h.count(), h.value(), h.value(), h.pick({-10, 0, 3, 9, 12}), h.count(),
                   h.count(), h.code(), h.pick({0, 1}));
            CONLIN(h.code(), h.code(), h.code(), h.count());
            CONSCA(h.value(), h.value(), h.value(), h.code());
            RANPTS(h.code());
            break;
        case 14:
            // Picture rectangles: beyond the picture, reversed, flat or not numbers, but not so
            // large that every position in them leaves single precision.
            CONBND(h.frame(), h.frame(), h.frame(), h.frame());
            CRSBND(h.frame(), h.frame(), h.frame(), h.frame());
            CONFRA(h.code());
            CRSFRA(h.code());
            CIRPTS(h.count() % 200);
            RANINT(h.code(), h.value());
            break;
        default:
            if (h.random() % 4 == 0) SURF();
            TITSTR("  a title  ", 11);
            ANNSTR(h.code(), "z", 1);
            SURMOD(h.code());
            CONSWI(h.code());
            break;
        }
        expectFiniteLog(calls());
    }
}

// The extreme values the random run first met, each on its own.
TEST_F(GridHostileInputTest, ExtremeSettingsAndWindows)
{
    std::vector<float> z(12);
    for (int k = 0; k < 12; ++k) z[k] = static_cast<float>(k % 4 + k / 4);
    std::vector<float> work(4000);
    const int wsize = static_cast<int>(work.size());
    const float inf = std::numeric_limits<float>::infinity();

    // A window with an infinite limit has no spacing: refused like a flat one.
    DRACON(4, 0.0f, inf, 3, 0.0f, 10.0f, z.data(), 3, 0, wsize, work.data());
    DRACON(4, 0.0f, 10.0f, 3, -inf, 10.0f, z.data(), 3, 0, wsize, work.data());
    CONBND(0.0f, 100.0f, 0.0f, inf);
    EXPECT_EQ(reported(),
              (std::vector<int>{asReported(kFlatXRange), asReported(kFlatYRange),
                                asReported(kFlatYRange)}));
    EXPECT_EQ(surfaceState.contour.mapFrameSet, 0);
    EXPECT_EQ(surfaceState.drawing.code, kDrawingNone);

    // The largest highlight rhythm still draws the first level with the highlight pen.
    CONLIN(1, 2, 3, INT_MAX);
    capture();
    DRACON(4, 0.0f, 10.0f, 3, 0.0f, 10.0f, z.data(), 3, 0, wsize, work.data());
    std::vector<std::string> log = calls();
    const std::vector<std::string> colours = only(log, "kernelSetColour");
    ASSERT_GE(colours.size(), 3u);
    EXPECT_EQ(colours[1], "kernelSetColour 3");  // after the frame pen
    EXPECT_EQ(colours[2], "kernelSetColour 2");

    // Map points whose picture position leaves single precision break the polyline.
    const float x[4] = {1.0f, 2.0f, 3.0e38f, 4.0f}, y[4] = {1.0f, 2.0f, 3.0f, 4.0f};
    capture();
    LINCON(4, x, y);
    log = calls();
    expectFiniteLog(log);
    EXPECT_EQ(only(log, "kernelDrawLineTo").size(), 1u);

    // The most negative marker stands for the largest symbol.
    float px[9], py[9], pz[9];
    for (int k = 0; k < 9; ++k) {
        px[k] = static_cast<float>(1 + k % 3 * 4);
        py[k] = static_cast<float>(1 + k / 3 * 4);
        pz[k] = px[k] + py[k];
    }
    px[4] = 5.5f;
    RANPTS(INT_MIN);
    capture();
    RANCON(9, px, py, pz, 3, 0);
    log = calls();
    const std::vector<std::string> markers = only(log, "kernelDrawMarker");
    ASSERT_FALSE(markers.empty());
    EXPECT_EQ(markers[0], "kernelDrawMarker " + std::to_string(INT_MAX));
}

// Grid counts at the ends of the int range are refused before any arithmetic on them, and a
// refused grid is not recorded: the grid in force stays, and nothing can be added to a map.
TEST_F(GridHostileInputTest, ExtremeGridCountsAreRefusedBeforeTheyAreRecorded)
{
    std::vector<float> z(4, 1.0f), grid(4), work(400);
    const int codes[6] = {1, 2, 3, 4, 5, 6};
    float x[9], y[9], h[9];
    for (int k = 0; k < 9; ++k) {
        x[k] = static_cast<float>(k % 3);
        y[k] = static_cast<float>(k / 3);
        h[k] = x[k] + y[k];
    }
    auto f = [](const float& u, const float& v) { return u + v; };
    const int wsize = static_cast<int>(work.size());
    struct Case {
        int nx, ny;
        int error;  // 5: refused, not recorded; 3: recorded, too large for any workspace
    };
    const Case counts[] = {{INT_MIN, 2, asReported(kTooFewNodes)},
                           {2, INT_MIN, asReported(kTooFewNodes)},
                           {INT_MIN, INT_MIN, asReported(kTooFewNodes)},
                           {-3, -3, asReported(kTooFewNodes)},
                           {INT_MAX, INT_MAX, asReported(kWorkspaceShort)}};
    for (const Case& c : counts) {
        const std::function<void()> calls[] = {
            [&] { DRACON(c.nx, 0, 1, c.ny, 0, 1, z.data(), 5, 0, wsize, work.data()); },
            [&] { GRDCON(c.nx, 0, 1, c.ny, 0, 1, z.data(), 5, 0); },
            [&] { FILCON(c.nx, 0, 1, c.ny, 0, 1, z.data(), 5, 0, codes, 0, wsize, work.data()); },
            [&] { RANGRD(9, x, y, h, c.nx, 0, 2, c.ny, 0, 2, grid.data(), wsize, work.data()); },
            [&] { FUNGRD(f, c.nx, 0, 1, c.ny, 0, 1, grid.data(), wsize, work.data()); },
        };
        for (const auto& call : calls) {
            SetUp();
            tarv::errorLogClear();
            call();
            EXPECT_EQ(reported(), std::vector<int>{c.error}) << c.nx << " " << c.ny;
            EXPECT_EQ(surfaceState.grid.nx, c.error == asReported(kTooFewNodes) ? 31 : c.nx);
            EXPECT_EQ(surfaceState.grid.ny, c.error == asReported(kTooFewNodes) ? 31 : c.ny);
            EXPECT_EQ(surfaceState.grid.mapWorkspaceSize, 0);
        }
    }
}

TEST_F(GridHostileInputTest, BandsOnAWindowOfHugeSpacing)
{
    // Cells of 1.5e38 by 1e38 map units are a few hundred picture units wide; their size must
    // not be taken through a product that leaves single precision.
    std::vector<float> z(9);
    for (int k = 0; k < 9; ++k) z[k] = static_cast<float>(k % 3 + k / 3);
    std::vector<float> work(4000);
    const int wsize = static_cast<int>(work.size());
    DRACON(3, 0.0f, 3.0e38f, 3, 0.0f, 2.0e38f, z.data(), 4, 0, wsize, work.data());
    ASSERT_EQ(surfaceState.drawing.code, kDrawingGriddedMap);
    capture();
    ADDFIL(0.5f, 2.5f, 5, 0, 0, wsize, work.data());
    const std::vector<std::string> log = calls();
    expectFiniteLog(log);
    EXPECT_FALSE(only(log, "kernelFillPolygon").empty());
}

}  // namespace
