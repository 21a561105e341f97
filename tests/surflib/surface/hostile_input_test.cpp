// hostile_input_test.cpp - every drawing routine of projected surfaces fed sizes, values and
// workspaces that make no sense: it refuses or copes, never reads or writes outside what it was
// given (the sanitizer run checks that), and never hands the kernel a non-finite coordinate.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"

using namespace surflib;

namespace {

class HostileInputTest : public PictureFixture {};

void expectFiniteLog(const std::vector<std::string>& log)
{
    std::string routine;
    for (const std::string& l : log) {
        if (l.rfind("kernelSetRoutineName", 0) == 0) routine = l;
        ASSERT_EQ(l.find("nan"), std::string::npos) << l << " in " << routine;
        ASSERT_EQ(l.find("inf"), std::string::npos) << l << " in " << routine;
    }
}

TEST_F(HostileInputTest, GridsWindowsViewsAndWorkspaces)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float big = 3.0e38f;
    struct Case {
        int nx, ny;
        float x0, x1, y0, y1;
        float zvalue;  // every height (NaN, huge, ...) with a bump at node 1
        float distance, elevation, azimuth;
        int wsize;  // words of the workspace handed in (the array has exactly this many)
    };
    const Case cases[] = {
        {4, 4, 0, 1, 0, 1, big, 0, 30, 30, 4000},
        {4, 4, 0, 1, 0, 1, -big, 0, 30, 30, 4000},
        {4, 4, 0, 1, 0, 1, nan, 0, 30, 30, 4000},
        {4, 4, nan, 1, 0, 1, 1, 0, 30, 30, 4000},
        {4, 4, 0, 1e-30f, 0, 1, 1, 0, 30, 30, 4000},
        {4, 4, -big, big, -big, big, 1, 0, 30, 30, 4000},
        {4, 4, 0, 1, 0, 1, 1, nan, nan, nan, 4000},
        {4, 4, 0, 1, 0, 1, 1, 1e30f, 89.999f, 1e9f, 4000},
        {4, 4, 0, 1, 0, 1, 1, -1e-30f, -89.9f, -1e9f, 4000},
        {3, 2000000, 0, 1, 0, 1, 1, 0, 30, 30, 64},
        {-5, 4, 0, 1, 0, 1, 1, 0, 30, 30, 4000},
        {std::numeric_limits<int>::min(), 4, 0, 1, 0, 1, 1, 0, 30, 30, 4000},
        {4, std::numeric_limits<int>::min(), 0, 1, 0, 1, 1, 0, 30, 30, 4000},
        {4, 4, 0, 1, 0, 1, 1, 0, 30, 30, 0},
        {4, 4, 0, 1, 0, 1, 1, 0, 30, 30, -7},
        {60, 3, 0, 1, 0, 1, 1, 0, 30, 30, 180 + 600 + 8 * 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nx) + "x" + std::to_string(c.ny) + " ws " +
                     std::to_string(c.wsize) + " z " + std::to_string(c.zvalue) + " window " +
                     std::to_string(c.x0) + " d " + std::to_string(c.distance));
        const long long nodes =
            c.nx > 0 && c.ny > 0 && 1LL * c.nx * c.ny < 100000 ? 1LL * c.nx * c.ny : 16;
        std::vector<float> z(static_cast<size_t>(nodes), c.zvalue);
        if (nodes > 1) z[1] = 2.0f;
        std::vector<float> work(static_cast<size_t>(std::max(c.wsize, 0)) + 1, 0.0f);
        std::vector<float> codes(static_cast<size_t>(nodes), 3.0f);
        float* w = work.data();
        const int pens[3] = {2, 3, 4};
        capture();
        float d = c.distance;
        PERPRJ(c.nx, c.x0, c.x1, c.ny, c.y0, c.y1, z.data(), d, c.elevation, c.azimuth, c.wsize, w);
        d = c.distance;
        PERLI3(c.nx, c.x0, c.x1, c.ny, c.y0, c.y1, z.data(), d, c.elevation, c.azimuth, 2, pens, 1,
               c.wsize, w);
        d = c.distance;
        PERFIL(c.nx, c.x0, c.x1, c.ny, c.y0, c.y1, z.data(), d, c.elevation, c.azimuth,
               codes.data(), c.wsize, w);
        int n = 50;
        std::vector<float> px(50), py(50);
        PERPRO(n, px.data(), py.data(), 1, c.wsize, w);
        PERAXE(c.wsize, w);
        const float lx[3] = {c.x0, c.x1, nan}, ly[3] = {c.y0, c.y1, 0.5f}, lz[3] = {0, big, 1};
        LINPRJ(3, lx, ly, lz);
        COPPRJ(3, lx, ly, 1.0f, 5);
        float h = 0;
        PRJHGT(0.5f, 0.5f, h, c.wsize, w);
        d = c.distance;
        PERSET(c.x0, c.x1, c.y0, c.y1, c.zvalue, 1.0f, d, c.elevation, c.azimuth);
        for (int view : {0, 1, 2, 3}) {
            ISOPRJ(c.nx, c.x0, c.x1, c.ny, c.y0, c.y1, z.data(), view, c.wsize, w);
            ISOFIL(c.nx, c.x0, c.x1, c.ny, c.y0, c.y1, z.data(), view, codes.data(), c.wsize, w);
        }
        LINPRJ(3, lx, ly, lz);
        expectFiniteLog(calls());
        EXPECT_EQ(work.back(), 0.0f);  // the word after the workspace is never written
    }
}

// The random-point surfaces grid onto the grid size the last driver recorded; a driver refused
// for its counts leaves them behind, and the next surface refuses them in turn (no size taken
// from them, no workspace test defeated by them).
TEST_F(HostileInputTest, RandomPointSurfacesCheckTheRecordedGrid)
{
    const int low = std::numeric_limits<int>::min();
    const int high = std::numeric_limits<int>::max();
    // Counts, and the error of the surface that follows: too few nodes, or a grid too large
    // for the library's own workspace.
    const int counts[][3] = {{low, low, asReported(kTooFewNodes)},
                             {-3, -3, asReported(kTooFewNodes)},
                             {high, high, asReported(kWorkspaceShort)},
                             {1, 5, asReported(kTooFewNodes)}};
    std::vector<float> x(20), y(20), h(20), z(16, 1.0f), work(64);
    for (int k = 0; k < 20; ++k) {
        x[k] = static_cast<float>(k % 5);
        y[k] = static_cast<float>(k / 5);
        h[k] = x[k] * y[k];
    }
    for (const auto& c : counts) {
        for (int surface = 0; surface < 2; ++surface) {
            SCOPED_TRACE(std::to_string(c[0]) + "x" + std::to_string(c[1]) + " surface " +
                         std::to_string(surface));
            float d = 0.0f;
            PERPRJ(c[0], 0, 1, c[1], 0, 1, z.data(), d, 30, 30, 64, work.data());
            tarv::errorLogClear();
            const std::vector<float> x0 = x, y0 = y;
            capture();
            if (surface == 0) {
                d = 0.0f;
                RANPER(20, x.data(), y.data(), h.data(), d, 30.0f, 30.0f);
            } else {
                RANISO(20, x.data(), y.data(), h.data(), 0);
            }
            const std::vector<std::string> log = calls();
            EXPECT_EQ(reported(), std::vector<int>{c[2]});
            EXPECT_TRUE(only(log, "kernelDrawLineTo").empty());
            EXPECT_EQ(x, x0);
            EXPECT_EQ(y, y0);
        }
    }
}

}  // namespace
