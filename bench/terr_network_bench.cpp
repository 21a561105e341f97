// terr_network_bench - speed of triangulated networks: the build of a network of scattered
// points, and the sampling of a built network onto a 100 x 100 grid, in points or nodes per
// second; line and band maps of 100,000 and 1,000,000 scattered points to a PNG.  The builds
// of 100,000 and 1,000,000 points are the ones bench/compare.sh sets beside qdelaunay, the
// maps the ones it sets beside matplotlib's tricontour and tricontourf.  Also contour maps and band fills of many levels on a network of 500
// points with heights 0..10, in levels per second: 100,000 levels between limits of 0 and 100
// (most levels meet no triangle), and as many as the largest count asks between -100 and the
// largest real (one level below the data, the rest far above it); and the lines and the bands
// of a plane over 2000 points at the thousand levels the picture shows apart.
#include <benchmark/benchmark.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "band_picture.h"
#include "tarvcore.h"
#include "tterrlib.h"

namespace {

struct Points {
    std::vector<float> x, y, z;
};

float saddle(float x, float y) { return 0.01f * x * y; }

// n points scattered over [0, side] by [0, side] with the given heights (by default a saddle
// over 0..100).
Points scattered(int n, float side = 100.0f, float (*height)(float, float) = saddle)
{
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> u(0.0f, side);
    Points p;
    for (int i = 0; i < n; ++i) {
        p.x.push_back(u(rng));
        p.y.push_back(u(rng));
        p.z.push_back(height(p.x.back(), p.y.back()));
    }
    return p;
}

int sizeFor(int n) { return 36 * (n + 1) + 100; }

void buildNetwork(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Points p = scattered(n);
    const int wsize = sizeFor(n);
    std::vector<float> work(static_cast<size_t>(wsize));
    tarv::resetState();
    SURF();
    for (auto _ : state) {
        RANTRI(n, p.x.data(), p.y.data(), p.z.data(), wsize, work.data());
        benchmark::DoNotOptimize(work.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
}

// True when every error reported since the log was cleared has the given number.
bool onlyReported(int number)
{
    for (const tarv::ErrorRecord& e : tarv::errorLog())
        if (e.number != number) return false;
    return true;
}

// The grid reaches one unit past the network on every side, so nodes outside it are searched
// and filled by the local fit too; each sampling therefore warns once (-1073) that nodes lay
// outside, a warning kept off the output.  The margin stays small: nodes far outside a dense
// network have their nearest points bunched in a patch so small against its distance that the
// fit cannot tell the quadratic's directions apart, and are refused as singular fits (1072)
// and left unsampled.  Any error stops the run.
void sampleGrid(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Points p = scattered(n);
    const int wsize = sizeFor(n);
    std::vector<float> work(static_cast<size_t>(wsize));
    tarv::resetState();
    SURF();
    const int method = 0, neighbours = 10, weighting = 1;
    TRIINT(method, neighbours, weighting);
    RANTRI(n, p.x.data(), p.y.data(), p.z.data(), wsize, work.data());
    const int nodes = 100;
    std::vector<float> z(static_cast<size_t>(nodes) * nodes);
    tarv::errorLogClear();
    tarv::setErrorEcho(false);
    for (auto _ : state) {
        TRIGRD(-1.0f, 101.0f, -1.0f, 101.0f, nodes, nodes, z.data(), wsize, work.data());
        benchmark::DoNotOptimize(z.data());
    }
    tarv::setErrorEcho(true);
    if (!onlyReported(-1073)) state.SkipWithError("sampling the network reported an error");
    state.SetItemsProcessed(state.iterations() * nodes * nodes);
}

// Points scattered over [-3, 3] by [-3, 3] under the crossed waves of the band fill of
// terr_grid_bench, triangulated and mapped at 20 levels to a 1000 x 750 pixel PNG, timed from
// RANTRI to the closed device: arguments the point count and the map, 0 the contour lines of
// DRATRI, 1 the bands of FILTRI alone (CONSWI 0), 2 the bands with the contour lines over them
// (CONSWI 1, the default); bench/anchors/mpl_tricontour.py does the same with matplotlib's
// tricontour, tricontourf, and tricontourf with tricontour over it.  Any error stops the run
// (warnings do not: a million random floats repeat a few points, which are left out with -1076).
void ScatteredMapToPng(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(0));
    const int map = static_cast<int>(state.range(1));
    const bool bands = map != 0;
    constexpr int kLevels = 20;
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> u(-3.0f, 3.0f);
    Points p;
    for (int i = 0; i < points; ++i) {
        const double x = u(rng), y = u(rng);
        p.x.push_back(static_cast<float>(x));
        p.y.push_back(static_cast<float>(y));
        p.z.push_back(static_cast<float>(
            std::sin(3.0 * x) * std::cos(2.0 * y) + 0.5 * std::sin(5.0 * x + 4.0 * y) +
            std::exp(-(x * x + y * y)) + 0.3 * std::cos(7.0 * x * y / 3.0)));
    }
    const int wsize = sizeFor(points);
    std::vector<float> work(static_cast<size_t>(wsize));
    const std::vector<int> codes = bench::bandCodes(kLevels);
    const std::string output = "terr_network_bench.png";
    const int plain = 0, key = 1;
    bool failed = false;
    for (auto _ : state) {
        bench::openPng(output);
        tarv::errorLogClear();
        tarv::setErrorEcho(false);
        SURF();
        if (bands) CONSWI(map == 2 ? 1 : 0);
        RANTRI(points, p.x.data(), p.y.data(), p.z.data(), wsize, work.data());
        if (bands) {
            FILTRI(-3.0f, 3.0f, -3.0f, 3.0f, kLevels, plain, codes.data(), key, wsize, work.data());
        } else {
            DRATRI(-3.0f, 3.0f, -3.0f, 3.0f, kLevels, plain, wsize, work.data());
        }
        kernelCloseDevice();
        for (const tarv::ErrorRecord& e : tarv::errorLog()) failed = failed || e.number > 0;
    }
    tarv::setErrorEcho(true);
    std::remove(output.c_str());
    if (failed) state.SkipWithError("the map reported an error");
    state.SetItemsProcessed(state.iterations() * points);
}

// 500 points over 0..10 with heights 0..10, for the maps of many levels.
Points hillsOf500()
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> u(0.0f, 10.0f);
    Points p;
    for (int i = 0; i < 500; ++i) {
        p.x.push_back(u(rng));
        p.y.push_back(u(rng));
        p.z.push_back(5.0f + 2.5f * std::sin(p.x.back()) + 2.5f * std::cos(0.7f * p.y.back()));
    }
    return p;
}

// Maps 0: DRATRI with limits 0..100 and 100,000 levels, 1: DRATRI with limits -100..FLT_MAX
// and INT_MAX levels, 2: FILTRI as map 0; straight or curved lines by the switch.  Each map
// builds its network first (well under a millisecond).  A map that is refused stops the run;
// error 1006 only says that the nice intervals were chosen for 10 rather than the count asked.
void manyLevelMap(benchmark::State& state)
{
    constexpr int kManyIntervals = 1006;
    const Points p = hillsOf500();
    const int n = static_cast<int>(p.x.size()), wsize = sizeFor(n);
    std::vector<float> work(static_cast<size_t>(wsize));
    const int map = static_cast<int>(state.range(0)), lineSwitch = static_cast<int>(state.range(1));
    const int levels = map == 1 ? INT_MAX : 100000;
    const std::vector<int> codes(100001, 1);
    tarv::resetState();
    tarv::setErrorEcho(false);  // more than 100 intervals warn once a map
    for (auto _ : state) {
        tarv::errorLogClear();
        kernelSetPictureSpace(0.0f, 1200.0f, 0.0f, 900.0f);
        SURF();
        RANTRI(n, p.x.data(), p.y.data(), p.z.data(), wsize, work.data());
        LEVELS(map == 1 ? -100.0f : 0.0f, map == 1 ? FLT_MAX : 100.0f);
        if (map == 2) {
            FILTRI(0.0f, 10.0f, 0.0f, 10.0f, levels, lineSwitch, codes.data(), 0, wsize,
                   work.data());
        } else {
            DRATRI(0.0f, 10.0f, 0.0f, 10.0f, levels, lineSwitch, wsize, work.data());
        }
        for (const tarv::ErrorRecord& e : tarv::errorLog()) {
            if (e.number > 0 && e.number != kManyIntervals)
                state.SkipWithError("the map was refused");
        }
    }
    tarv::setErrorEcho(true);
    state.SetItemsProcessed(state.iterations() * 100000);
}

// 2000 points scattered over the unit square under a plane, mapped to a 1000 x 750 pixel PNG
// with 5000 levels between limits that span it: the picture shows about a thousand of them
// apart, and the others are left out (-1077).  Argument 0 the lines of DRATRI, 1 the bands of
// FILTRI with the lines over them: the band fill of a map set beside its lines.
void planeOfAThousandLevels(benchmark::State& state)
{
    constexpr int kPoints = 2000, kLevels = 5000;
    constexpr int kManyIntervals = 1006;
    const bool bands = state.range(0) != 0;
    const Points p = scattered(kPoints, 1.0f, [](float x, float y) { return x + 0.5f * y; });
    const int wsize = sizeFor(kPoints);
    std::vector<float> work(static_cast<size_t>(wsize));
    const std::vector<int> codes = bench::bandCodes(kLevels);
    const std::string output = "terr_network_plane_bench.png";
    bool failed = false;
    for (auto _ : state) {
        state.PauseTiming();
        bench::openPng(output);
        tarv::errorLogClear();
        tarv::setErrorEcho(false);
        SURF();
        RANTRI(kPoints, p.x.data(), p.y.data(), p.z.data(), wsize, work.data());
        LEVELS(0.0f, 1.5f);
        state.ResumeTiming();
        if (bands) {
            FILTRI(0.0f, 1.0f, 0.0f, 1.0f, kLevels, 0, codes.data(), 0, wsize, work.data());
        } else {
            DRATRI(0.0f, 1.0f, 0.0f, 1.0f, kLevels, 0, wsize, work.data());
        }
        kernelCloseDevice();
        for (const tarv::ErrorRecord& e : tarv::errorLog())
            failed = failed || (e.number > 0 && e.number != kManyIntervals);
    }
    tarv::setErrorEcho(true);
    std::remove(output.c_str());
    if (failed) state.SkipWithError("the map reported an error");
}

}  // namespace

BENCHMARK(planeOfAThousandLevels)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(manyLevelMap)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(buildNetwork)
    ->Arg(5000)
    ->Arg(50000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(sampleGrid)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(ScatteredMapToPng)
    ->ArgsProduct({{100000, 1000000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
