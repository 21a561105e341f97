// missing_input_test.cpp - every routine that takes a workspace, given none (no array, or no
// words), reports it as too short (1003); every routine given no array for its data (heights,
// coordinates, derivatives, a height function, an output grid) where it would read or write one
// reports 1081.  Either way the call log shows nothing drawn, and no routine returns unheard;
// a refused workspace loses nothing (the drawing or network it was given for is still there).
// Each routine is called after the drawing or network it works on was made with a good
// workspace, so that only the missing array can be the cause.
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "surface_test.h"
#include "tterrlib.h"

namespace {

constexpr int kNodes = 6;  // a 6 by 6 grid over 0..5 by 0..5
constexpr int kCells = (kNodes - 1) * (kNodes - 1);
constexpr int kGridWords = 4000;
constexpr int kPoints = 20;
constexpr int kNetWords = 36 * (kPoints + 1) + 100 + 36 * 20;

float slope(const float& x, const float& y) { return x + 2.0f * y + 0.1f * x * y; }

// What the routine under test works on, made with good workspaces before it is called.
enum class Before {
    Nothing,
    GridMap,
    FilledMap,
    Network,
    NetworkMap,
    Perspective,
    FilledSurface,
};

SurfaceWorkspace record(int wsize, float* work) { return SurfaceWorkspace{wsize, work}; }

struct Row {
    const char* name;
    Before before;
    std::function<void(int wsize, float* work)> call;
};

class MissingInputTest : public SurfacePictureTest {
protected:
    void SetUp() override
    {
        SurfacePictureTest::SetUp();
        for (int j = 0; j < kNodes; ++j) {
            for (int i = 0; i < kNodes; ++i) z[j * kNodes + i] = slope(float(i), float(j));
        }
        unsigned seed = 7u;
        auto next = [&seed] {
            seed = seed * 1103515245u + 12345u;
            return static_cast<float>((seed >> 8) % 1000) / 100.0f;
        };
        for (int k = 0; k < kPoints; ++k) {
            px[k] = next();
            py[k] = next();
            pz[k] = slope(px[k], py[k]);
            points[k] = {px[k], py[k], pz[k]};
        }
    }

    void make(Before before)
    {
        const int five = 5, off = 0, key = 0, grid = kGridWords, net = kNetWords;
        float distance = 0.0f;
        const float elevation = 30.0f, azimuth = 30.0f;
        switch (before) {
        case Before::Nothing: break;
        case Before::GridMap:
            DRACON(kNodes, 0, 5, kNodes, 0, 5, z, five, off, grid, gridWork.data());
            break;
        case Before::FilledMap:
            FILCON(kNodes, 0, 5, kNodes, 0, 5, z, five, off, nullptr, key, grid, gridWork.data());
            break;
        case Before::NetworkMap:
        case Before::Network:
            RANTRI(kPoints, px, py, pz, net, netWork.data());
            if (before == Before::NetworkMap) DRATRI(0, 10, 0, 10, five, off, net, netWork.data());
            break;
        case Before::Perspective:
            PERPRJ(kNodes, 0, 5, kNodes, 0, 5, z, distance, elevation, azimuth, grid,
                   gridWork.data());
            break;
        case Before::FilledSurface:
            PERFIL(kNodes, 0, 5, kNodes, 0, 5, z, distance, elevation, azimuth, fills, grid,
                   gridWork.data());
            break;
        }
        for (int n : reported()) ASSERT_LT(n, 0) << "the drawing before the call";
    }

    // Runs the row's call after its drawing with (wsize, work) and checks what it reported
    // and that it drew nothing.
    void expectRefused(const Row& r, int wsize, float* work, int number)
    {
        SCOPED_TRACE(std::string(r.name) + " with " + std::to_string(wsize) + " words" +
                     (work == nullptr ? ", no array" : ""));
        surfaceResetLibraryForTests();
        SURF();
        tarv::errorLogClear();
        make(r.before);
        tarv::errorLogClear();
        capture();
        r.call(wsize, work);
        const std::vector<std::string> log = calls();
        std::vector<int> errors;
        for (int n : reported()) {
            if (n > 0) errors.push_back(n);
        }
        EXPECT_EQ(errors, std::vector<int>{number});
        int drawn = 0;
        for (const std::string& l : log) {
            if (l.rfind("kernelDraw", 0) == 0 || l.rfind("kernelFill", 0) == 0) ++drawn;
        }
        EXPECT_EQ(drawn, 0);
    }

    // After a refusal, the row's call with the workspace of the drawing or network made before
    // it draws and reports what it does when no refused call came before it: the refusal lost
    // nothing.
    void expectNothingLost(const Row& r)
    {
        SCOPED_TRACE(std::string(r.name) + " after a refusal");
        const bool network = r.before == Before::Network || r.before == Before::NetworkMap;
        const auto goodCall = [&] {
            tarv::errorLogClear();
            capture();
            r.call(network ? kNetWords : kGridWords, network ? netWork.data() : gridWork.data());
            return std::make_pair(calls(), reported());
        };
        const auto afterRefusal = goodCall();
        surfaceResetLibraryForTests();
        SURF();
        tarv::errorLogClear();
        make(r.before);
        EXPECT_EQ(afterRefusal, goodCall());
    }

    // The routines that read a grid of heights and take a workspace, each given `heights`.
    std::vector<Row> gridRows()
    {
        const int five = 5, off = 0, key = 0, n6 = kNodes, three = 3;
        const float lo = 0, hi = 5, elevation = 30, azimuth = 30;
        const SurfaceExtent window{0, 5, 0, 5};
        const SurfacePenPair pens[4] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}};
        const int penCodes[12] = {0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6};
        return {
            {"DRACON", Before::Nothing,
             [=, this](int w, float* a) {
                 DRACON(n6, lo, hi, n6, lo, hi, heights, five, off, w, a);
             }},
            {"FILCON", Before::Nothing,
             [=, this](int w, float* a) {
                 FILCON(n6, lo, hi, n6, lo, hi, heights, five, off, nullptr, key, w, a);
             }},
            {"krDrawGriddedContourMap", Before::Nothing,
             [=, this](int w, float* a) {
                 SurfaceWorkspace ws = record(w, a);
                 krDrawGriddedContourMap(window, n6, n6, heights, five, kSurfContourSwitchOff, ws);
             }},
            {"krFillGriddedContourMap", Before::Nothing,
             [=, this](int w, float* a) {
                 SurfaceWorkspace ws = record(w, a);
                 krFillGriddedContourMap(window, n6, n6, heights, five, kSurfContourSwitchOff,
                                         penCodes, key, ws);
             }},
            {"PERPRJ", Before::Nothing,
             [=, this](int w, float* a) {
                 float d = 0;
                 PERPRJ(n6, lo, hi, n6, lo, hi, heights, d, elevation, azimuth, w, a);
             }},
            {"PERLI3", Before::Nothing,
             [=, this](int w, float* a) {
                 float d = 0;
                 const int p[4] = {1, 2, 3, 4};
                 PERLI3(n6, lo, hi, n6, lo, hi, heights, d, elevation, azimuth, three, p, off, w,
                        a);
             }},
            {"PERFIL", Before::Nothing,
             [=, this](int w, float* a) {
                 float d = 0;
                 PERFIL(n6, lo, hi, n6, lo, hi, heights, d, elevation, azimuth, fills, w, a);
             }},
            {"ISOPRJ", Before::Nothing,
             [=, this](int w, float* a) { ISOPRJ(n6, lo, hi, n6, lo, hi, heights, off, w, a); }},
            {"ISOFIL", Before::Nothing,
             [=, this](int w, float* a) {
                 ISOFIL(n6, lo, hi, n6, lo, hi, heights, off, fills, w, a);
             }},
            {"krDrawWireFrameSurface", Before::Nothing,
             [=, this](int w, float* a) {
                 SurfaceWorkspace ws = record(w, a);
                 float d = 0;
                 krDrawWireFrameSurface(window, n6, n6, heights, d, elevation, azimuth, ws);
             }},
            {"krDrawLineStyleSurface", Before::Nothing,
             [=, this](int w, float* a) {
                 SurfaceWorkspace ws = record(w, a);
                 float d = 0;
                 krDrawLineStyleSurface(window, n6, n6, heights, d, elevation, azimuth, three, pens,
                                        off, ws);
             }},
            {"krFillSurface", Before::Nothing,
             [=, this](int w, float* a) {
                 SurfaceWorkspace ws = record(w, a);
                 float d = 0;
                 krFillSurface(window, n6, n6, heights, d, elevation, azimuth, fills, ws);
             }},
        };
    }

    float z[kNodes * kNodes]{};
    const float* heights = z;
    float px[kPoints]{}, py[kPoints]{}, pz[kPoints]{};
    SurfacePoint3 points[kPoints]{};
    float fills[kCells] = {};
    std::vector<float> gridWork = std::vector<float>(kGridWords, 0.0f);
    std::vector<float> netWork = std::vector<float>(kNetWords, 0.0f);
    std::vector<float> spare = std::vector<float>(kGridWords, 0.0f);
    float out[kNodes * kNodes]{};
};

// ---- Every routine with a workspace argument, given none ------------------------------------

TEST_F(MissingInputTest, NoWorkspaceIsReportedAsTooShort)
{
    const int five = 5, off = 0, one = 1, key = 0, n6 = kNodes;
    const float lo = 0, hi = 5, mid = 2.5f, big = 10, level = 7.0f, level2 = 9.0f;
    const float sqx[] = {3, 7, 7, 3}, sqy[] = {3, 3, 7, 7}, sqz[] = {1, 1, 1, 1};
    const SurfacePoint3 square[] = {{3, 3, 1}, {7, 3, 1}, {7, 7, 1}, {3, 7, 1}};
    const SurfaceExtent netWindow{0, 10, 0, 10};
    const int penCodes[12] = {0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6};
    const Row rows[] = {
        // gridded maps, gridding, overlays and cross-sections
        {"ADDCON", Before::GridMap, [&](int w, float* a) { ADDCON(mid, off, w, a); }},
        {"ADDFIL", Before::FilledMap,
         [&](int w, float* a) { ADDFIL(mid, hi, one, off, off, w, a); }},
        {"RANGRD", Before::Nothing,
         [&](int w, float* a) {
             RANGRD(kPoints, px, py, pz, n6, lo, big, n6, lo, big, out, w, a);
         }},
        {"FUNGRD", Before::Nothing,
         [&](int w, float* a) { FUNGRD(slope, n6, lo, hi, n6, lo, hi, out, w, a); }},
        {"CONHGT", Before::GridMap,
         [&](int w, float* a) {
             float h = 0;
             CONHGT(mid, mid, h, w, a);
         }},
        {"CONPTS", Before::GridMap,
         [&](int w, float* a) {
             int n = 50, lines = 5, lengths[5];
             float x[50], y[50];
             CONPTS(mid, off, one, n, x, y, lines, lengths, w, a);
         }},
        {"CRSSEC", Before::GridMap, [&](int w, float* a) { CRSSEC(lo, lo, hi, hi, w, a); }},
        {"CRSSEC on a surface", Before::Perspective,
         [&](int w, float* a) { CRSSEC(lo, lo, hi, hi, w, a); }},
        {"krAddGriddedContour", Before::GridMap,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krAddGriddedContour(mid, kSurfContourSwitchOff, ws);
         }},
        {"krAddGriddedContourFill", Before::FilledMap,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krAddGriddedContourFill(mid, hi, off, one, off, kSurfContourSwitchOff, ws);
         }},
        {"krReturnContourSpotHeight", Before::GridMap,
         [&](int w, float* a) {
             float h = 0;
             krReturnContourSpotHeight(mid, mid, h, record(w, a));
         }},
        {"krReturnContourDataset", Before::GridMap,
         [&](int w, float* a) {
             int n = 50, lines = 5, lengths[5];
             SurfacePoint2 p[50];
             krReturnContourDataset(mid, kSurfContourSwitchOff, one, n, p, lines, lengths,
                                    record(w, a));
         }},
        {"krDrawGriddedCrossSection", Before::GridMap,
         [&](int w, float* a) { krDrawGriddedCrossSection(lo, lo, hi, hi, record(w, a)); }},
        // networks
        {"RANTRI", Before::Nothing, [&](int w, float* a) { RANTRI(kPoints, px, py, pz, w, a); }},
        {"TRIDER", Before::Nothing,
         [&](int w, float* a) { TRIDER(kPoints, px, py, pz, px, py, w, a); }},
        {"TRIADD", Before::Network,
         [&](int w, float* a) { TRIADD(one, mid, mid, mid, mid, mid, w, a); }},
        {"TRIREG", Before::Network,
         [&](int w, float* a) {
             const int four = 4;
             TRIREG(one, four, sqx, sqy, sqz, nullptr, nullptr, off, w, a);
         }},
        {"TRIHGT", Before::Network,
         [&](int w, float* a) {
             float h = 0, dx = 0, dy = 0;
             TRIHGT(mid, mid, h, dx, dy, w, a);
         }},
        {"TRIGRD", Before::Network,
         [&](int w, float* a) { TRIGRD(lo, big, lo, big, n6, n6, out, w, a); }},
        {"TRIBOU", Before::NetworkMap,
         [&](int w, float* a) {
             int n = 30;
             float x[30], y[30];
             TRIBOU(n, one, x, y, w, a);
         }},
        {"TRIBOU not drawing", Before::Network,
         [&](int w, float* a) {
             int n = 30;
             float x[30], y[30];
             TRIBOU(n, off, x, y, w, a);
         }},
        {"TRINET", Before::NetworkMap, [&](int w, float* a) { TRINET(off, w, a); }},
        {"TRISET", Before::Network, [&](int w, float* a) { TRISET(lo, big, lo, big, w, a); }},
        {"DRATRI", Before::Network,
         [&](int w, float* a) { DRATRI(lo, big, lo, big, five, off, w, a); }},
        {"ADTCON", Before::NetworkMap, [&](int w, float* a) { ADTCON(level, off, w, a); }},
        {"FILTRI", Before::Network,
         [&](int w, float* a) { FILTRI(lo, big, lo, big, five, off, nullptr, key, w, a); }},
        {"ADTFIL", Before::NetworkMap,
         [&](int w, float* a) { ADTFIL(level, level2, one, off, off, w, a); }},
        {"krAddNetworkPoint", Before::Network,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krAddNetworkPoint(kSurfNetPointHeight, SurfacePoint3{mid, mid, mid},
                               SurfaceGradient{0, 0}, ws);
         }},
        {"krAddNetworkRegion", Before::Network,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             const int four = 4;
             krAddNetworkRegion(kSurfNetPointHeight, four, square, nullptr, kSurfNetRegion0, ws);
         }},
        {"krReturnNetworkSpotHeight", Before::Network,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             float h = 0;
             SurfaceGradient g{0, 0};
             krReturnNetworkSpotHeight(mid, mid, h, g, ws);
         }},
        {"krReturnNetworkBound", Before::NetworkMap,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             int n = 30;
             float x[30], y[30];
             krReturnNetworkBound(n, one, x, y, ws);
         }},
        {"krDrawNetwork", Before::NetworkMap,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krDrawNetwork(0, 0, ws);
         }},
        {"krGenerateNetworkGrid", Before::Network,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a), grid;
             krGenerateNetworkGrid(netWindow, n6, n6, out, ws, grid);
             krFreeWorkspace(grid);
         }},
        {"krSetNetworkFrame", Before::Network,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krSetNetworkFrame(netWindow, ws);
         }},
        {"krDrawTriangulatedContourMap", Before::Network,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krDrawTriangulatedContourMap(netWindow, five, kSurfContourSwitchOff, ws);
         }},
        {"krAddTriangulatedContour", Before::NetworkMap,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krAddTriangulatedContour(level, kSurfContourSwitchOff, ws);
         }},
        {"krFillTriangulatedContourMap", Before::Network,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krFillTriangulatedContourMap(netWindow, five, kSurfContourSwitchOff, penCodes, key,
                                          ws);
         }},
        {"krAddTriangulatedContourFill", Before::NetworkMap,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krAddTriangulatedContourFill(level, level2, off, one, off, kSurfContourSwitchOff, ws);
         }},
        // projected surfaces
        {"PRJHGT", Before::Perspective,
         [&](int w, float* a) {
             float h = 0;
             PRJHGT(mid, mid, h, w, a);
         }},
        {"PERPRO", Before::FilledSurface,
         [&](int w, float* a) {
             int n = 50;
             float x[50], y[50];
             PERPRO(n, x, y, one, w, a);
         }},
        {"PERAXE", Before::Perspective, [&](int w, float* a) { PERAXE(w, a); }},
        {"krReturnSurfaceSpotHeight", Before::Perspective,
         [&](int w, float* a) {
             float h = 0;
             krReturnSurfaceSpotHeight(mid, mid, h, record(w, a));
         }},
        {"krReturnSurfaceProfile", Before::FilledSurface,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             int n = 50;
             SurfacePoint2 p[50];
             krReturnSurfaceProfile(n, p, one, ws);
         }},
        {"krDrawSurfaceAxes", Before::Perspective,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             krDrawSurfaceAxes(ws);
         }},
    };
    const int noWords = asReported(kWorkspaceShort);
    const struct {
        int wsize;
        float* work;
    } none[] = {
        {0, nullptr},           // a record declared without a value
        {-5, nullptr},          // krMakeWorkspace of a negative size
        {kGridWords, nullptr},  // a size with no array
        {0, spare.data()},      // an array of no words
    };
    std::vector<Row> all = gridRows();
    all.insert(all.end(), std::begin(rows), std::end(rows));
    for (const Row& r : all) {
        for (const auto& [wsize, work] : none) {
            expectRefused(r, wsize, work, noWords);
            expectNothingLost(r);
        }
    }
}

// ---- Every routine that reads or writes a data array, given none -----------------------------

TEST_F(MissingInputTest, NoDataArrayIsReportedAsNoNumbers)
{
    const int five = 5, off = 0, one = 1, two = 2, four = 4, n6 = kNodes, npts = kPoints;
    const float lo = 0, hi = 5, mid = 2.5f, big = 10;
    const float elevation = 30, azimuth = 30;
    const float sqx[] = {3, 7, 7, 3}, sqy[] = {3, 3, 7, 7}, sqz[] = {1, 1, 1, 1};
    const SurfaceExtent window{0, 5, 0, 5}, netWindow{0, 10, 0, 10};
    const SurfaceGradient flat[kPoints] = {};
    const Row rows[] = {
        // gridded maps and gridding
        {"GRDCON z", Before::Nothing,
         [&](int, float*) { GRDCON(n6, lo, hi, n6, lo, hi, nullptr, five, off); }},
        {"RANGRD x", Before::Nothing,
         [&](int w, float* a) {
             RANGRD(npts, nullptr, py, pz, n6, lo, big, n6, lo, big, out, w, a);
         }},
        {"RANGRD z", Before::Nothing,
         [&](int w, float* a) {
             RANGRD(npts, px, py, nullptr, n6, lo, big, n6, lo, big, out, w, a);
         }},
        {"RANGRD zgrid", Before::Nothing,
         [&](int w, float* a) {
             RANGRD(npts, px, py, pz, n6, lo, big, n6, lo, big, nullptr, w, a);
         }},
        {"FUNGRD zgrid", Before::Nothing,
         [&](int w, float* a) { FUNGRD(slope, n6, lo, hi, n6, lo, hi, nullptr, w, a); }},
        {"FUNGRD f", Before::Nothing,
         [&](int w, float* a) { FUNGRD(nullptr, n6, lo, hi, n6, lo, hi, out, w, a); }},
        {"RANCON x", Before::Nothing,
         [&](int, float*) { RANCON(npts, nullptr, py, pz, five, off); }},
        {"RANCON y", Before::Nothing,
         [&](int, float*) { RANCON(npts, px, nullptr, pz, five, off); }},
        {"RANCON z", Before::Nothing,
         [&](int, float*) { RANCON(npts, px, py, nullptr, five, off); }},
        {"FUNCON f", Before::Nothing,
         [&](int, float*) { FUNCON(lo, hi, lo, hi, nullptr, five, off); }},
        {"LINCON x", Before::GridMap, [&](int, float*) { LINCON(four, nullptr, sqy); }},
        {"krGenerateRandomGrid points", Before::Nothing,
         [&](int, float*) {
             SurfaceWorkspace ws;
             krGenerateRandomGrid(npts, nullptr, netWindow, n6, n6, out, ws);
             krFreeWorkspace(ws);
         }},
        {"krGenerateRandomGrid grid", Before::Nothing,
         [&](int, float*) {
             SurfaceWorkspace ws;
             krGenerateRandomGrid(npts, points, netWindow, n6, n6, nullptr, ws);
             krFreeWorkspace(ws);
         }},
        {"krGenerateFunctionGrid grid", Before::Nothing,
         [&](int, float*) {
             SurfaceWorkspace ws;
             krGenerateFunctionGrid(slope, window, n6, n6, nullptr, ws);
             krFreeWorkspace(ws);
         }},
        {"krAddContourPolyline", Before::GridMap,
         [&](int, float*) { krAddContourPolyline(four, nullptr); }},
        // networks
        {"RANTRI x", Before::Nothing,
         [&](int, float*) { RANTRI(npts, nullptr, py, pz, kNetWords, netWork.data()); }},
        {"RANTRI z", Before::Nothing,
         [&](int, float*) { RANTRI(npts, px, py, nullptr, kNetWords, netWork.data()); }},
        {"TRIDER dzdy", Before::Nothing,
         [&](int, float*) { TRIDER(npts, px, py, pz, px, nullptr, kNetWords, netWork.data()); }},
        {"TRIREG x", Before::Network,
         [&](int, float*) {
             TRIREG(off, four, nullptr, sqy, nullptr, nullptr, nullptr, off, kNetWords,
                    netWork.data());
         }},
        {"TRIREG z", Before::Network,
         [&](int, float*) {
             TRIREG(one, four, sqx, sqy, nullptr, nullptr, nullptr, off, kNetWords, netWork.data());
         }},
        {"TRIREG dzdx", Before::Network,
         [&](int, float*) {
             TRIREG(two, four, sqx, sqy, sqz, nullptr, sqz, off, kNetWords, netWork.data());
         }},
        {"TRIGRD zgrid", Before::Network,
         [&](int, float*) {
             TRIGRD(lo, big, lo, big, n6, n6, nullptr, kNetWords, netWork.data());
         }},
        {"krGenerateRandomNetwork", Before::Nothing,
         [&](int, float*) {
             SurfaceWorkspace ws;
             krGenerateRandomNetwork(npts + 5, npts, nullptr, ws);
             krFreeWorkspace(ws);
         }},
        {"krGenerateDerivsNetwork gradients", Before::Nothing,
         [&](int, float*) {
             SurfaceWorkspace ws;
             krGenerateDerivsNetwork(npts + 5, npts, points, nullptr, ws);
             krFreeWorkspace(ws);
         }},
        {"krGenerateDerivsNetwork points", Before::Nothing,
         [&](int, float*) {
             SurfaceWorkspace ws;
             krGenerateDerivsNetwork(npts + 5, npts, nullptr, flat, ws);
             krFreeWorkspace(ws);
         }},
        {"krAddNetworkRegion", Before::Network,
         [&](int, float*) {
             SurfaceWorkspace ws = record(kNetWords, netWork.data());
             krAddNetworkRegion(kSurfNetPointHeight, four, nullptr, nullptr, kSurfNetRegion0, ws);
         }},
        {"krGenerateNetworkGrid z", Before::Network,
         [&](int, float*) {
             SurfaceWorkspace ws = record(kNetWords, netWork.data()), grid;
             krGenerateNetworkGrid(netWindow, n6, n6, nullptr, ws, grid);
             krFreeWorkspace(grid);
         }},
        // projected surfaces
        {"PERFIL fillArray", Before::Nothing,
         [&](int w, float* a) {
             float d = 0;
             PERFIL(n6, lo, hi, n6, lo, hi, z, d, elevation, azimuth, nullptr, w, a);
         }},
        {"GRDPER z", Before::Nothing,
         [&](int, float*) {
             float d = 0;
             GRDPER(n6, lo, hi, n6, lo, hi, nullptr, d, elevation, azimuth);
         }},
        {"RANPER x", Before::Nothing,
         [&](int, float*) {
             float d = 0;
             RANPER(npts, nullptr, py, pz, d, elevation, azimuth);
         }},
        {"FUNPER f", Before::Nothing,
         [&](int, float*) {
             float d = 0;
             FUNPER(lo, hi, lo, hi, nullptr, d, elevation, azimuth);
         }},
        {"ISOFIL codes", Before::Nothing,
         [&](int w, float* a) { ISOFIL(n6, lo, hi, n6, lo, hi, z, off, nullptr, w, a); }},
        {"GRDISO z", Before::Nothing,
         [&](int, float*) { GRDISO(n6, lo, hi, n6, lo, hi, nullptr, off); }},
        {"RANISO z", Before::Nothing, [&](int, float*) { RANISO(npts, px, py, nullptr, off); }},
        {"FUNISO f", Before::Nothing, [&](int, float*) { FUNISO(lo, hi, lo, hi, nullptr, off); }},
        {"LINPRJ y", Before::Perspective, [&](int, float*) { LINPRJ(four, sqx, nullptr, sqz); }},
        {"COPPRJ x", Before::FilledSurface,
         [&](int, float*) { COPPRJ(four, nullptr, sqy, mid, one); }},
        {"krFillSurface fillArray", Before::Nothing,
         [&](int w, float* a) {
             SurfaceWorkspace ws = record(w, a);
             float d = 0;
             krFillSurface(window, n6, n6, z, d, elevation, azimuth, nullptr, ws);
         }},
        {"krAddSurfacePolyline", Before::Perspective,
         [&](int, float*) { krAddSurfacePolyline(four, nullptr); }},
        {"krFillProjectedPolygon", Before::FilledSurface,
         [&](int, float*) {
             krFillProjectedPolygon(four, nullptr, mid, SurfacePenPair{0, 1});
         }},
    };
    for (const Row& r : rows) expectRefused(r, kGridWords, spare.data(), asReported(kNotANumber));
    heights = nullptr;
    for (const Row& r : gridRows()) {
        expectRefused(r, kGridWords, spare.data(), asReported(kNotANumber));
    }
}

}  // namespace
