// surface_longforms_test.cpp - each surface long form draws and reports exactly what its legacy
// call does (the two kernel logs compared from a fresh start), with codes, pen pairs and
// records translated.
#include <functional>
#include <string>
#include <vector>

#include "frame/state.h"
#include "surface_test.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

class SurfaceLongFormTest : public SurfaceTest {
protected:
    void fresh()
    {
        SurfaceTest::SetUp();
        kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 600.0f);
        kernelSetCharSize(10.0f, 10.0f);
        SURF();
        tarv::errorLogClear();
    }

    // The log and the reported numbers of one run from a fresh start.
    std::vector<std::string> run(const std::function<void()>& f)
    {
        fresh();
        capture();
        f();
        std::vector<std::string> log = calls();
        for (int n : reported()) log.push_back("reported " + std::to_string(n));
        return log;
    }

    static constexpr int kNx = 6, kNy = 5, kWords = 12000;
    std::vector<float> z = std::vector<float>(kNx * kNy);
    std::vector<float> work = std::vector<float>(kWords, 0.0f);
    SurfaceWorkspace ws;

    void SetUp() override
    {
        fresh();
        for (int k = 0; k < kNx * kNy; ++k) z[k] = static_cast<float>((k * 7) % 5) + 0.1f * k;
        krMakeWorkspace(kWords, ws);
    }
    void TearDown() override
    {
        krFreeWorkspace(ws);
        SurfaceTest::TearDown();
    }
    void clearWork()
    {
        std::fill(work.begin(), work.end(), 0.0f);
        std::fill(ws.words, ws.words + ws.size, 0.0f);
    }
};

const SurfaceExtent kExtent{0.0f, 5.0f, 0.0f, 4.0f};

TEST_F(SurfaceLongFormTest, DrawingsEqualTheirLegacyCalls)
{
    float d1 = 0.0f, d2 = 0.0f;
    const auto legacy = run([&] {
        clearWork();
        PERPRJ(kNx, 0, 5, kNy, 0, 4, z.data(), d1, 30, 40, kWords, work.data());
    });
    const auto longForm = run([&] {
        clearWork();
        krDrawWireFrameSurface(kExtent, kNx, kNy, z.data(), d2, 30, 40, ws);
    });
    EXPECT_GT(legacy.size(), 50u);
    EXPECT_EQ(longForm, legacy);
    EXPECT_EQ(d1, d2);

    // Line style: pen pairs by rule B.
    const SurfacePenPair pairs[3] = {{0, 5}, {3, 0}, {3, 4}};
    const int pens[3] = {5, 2003, 1004};
    d1 = d2 = 0.0f;
    EXPECT_EQ(run([&] {
                  clearWork();
                  krDrawLineStyleSurface(kExtent, kNx, kNy, z.data(), d2, 30, 40, 2, pairs, 1, ws);
              }),
              run([&] {
                  clearWork();
                  PERLI3(kNx, 0, 5, kNy, 0, 4, z.data(), d1, 30, 40, 2, pens, 1, kWords,
                         work.data());
              }));

    std::vector<float> codes((kNx - 1) * (kNy - 1), 3.0f);
    d1 = d2 = 0.0f;
    EXPECT_EQ(run([&] {
                  clearWork();
                  krFillSurface(kExtent, kNx, kNy, z.data(), d2, 30, 40, codes.data(), ws);
              }),
              run([&] {
                  clearWork();
                  PERFIL(kNx, 0, 5, kNy, 0, 4, z.data(), d1, 30, 40, codes.data(), kWords,
                         work.data());
              }));
}

TEST_F(SurfaceLongFormTest, RecordsAreUnpackedAndResultsCopiedBack)
{
    const SurfaceRange range{0, 5, 0, 4, -1, 3};
    const SurfacePoint3 p3[3] = {{1, 1, 0}, {2, 3, 1}, {4, 2, 2}};
    const float x[3] = {1, 2, 4}, y[3] = {1, 3, 2}, zz[3] = {0, 1, 2};
    SurfacePicturePoint pp{};
    float X = 0, Y = 0;
    EXPECT_EQ(run([&] {
                  float d = 0;
                  krSetPerspProjection(range, d, 25, 200);
                  krAddSurfacePolyline(3, p3);
                  krTransformSurfaceCoord(2, 3, 1, pp);
              }),
              run([&] {
                  float d = 0;
                  PERSET(0, 5, 0, 4, -1, 3, d, 25, 200);
                  LINPRJ(3, x, y, zz);
                  PERSPA(2, 3, 1, X, Y);
              }));
    EXPECT_EQ(pp.X, X);
    EXPECT_EQ(pp.Y, Y);

    // A polyline of no points still calls the legacy routine, which reports nothing drawn.
    const auto empty = run([&] { krAddSurfacePolyline(0, p3); });
    EXPECT_EQ(empty.front(), "kernelSetRoutineName 2 \"krAddSurfacePolyline(LINPRJ)\"");
    EXPECT_EQ(empty.back(), "reported " + std::to_string(asReported(kNoProjectedPicture)));

    // Profile records.
    std::vector<float> codes((kNx - 1) * (kNy - 1), 3.0f);
    std::vector<SurfacePoint2> profile(300);
    std::vector<float> px(300), py(300);
    int n1 = 300, n2 = 300;
    run([&] {
        clearWork();
        float d = 0;
        krFillSurface(kExtent, kNx, kNy, z.data(), d, 30, 40, codes.data(), ws);
        krReturnSurfaceProfile(n1, profile.data(), 0, ws);
        PERPRO(n2, px.data(), py.data(), 0, ws.size, ws.words);
    });
    ASSERT_GT(n1, 4);
    ASSERT_EQ(n1, n2);
    for (int k = 0; k < n1; ++k) {
        EXPECT_EQ(profile[k].x, px[k]);
        EXPECT_EQ(profile[k].y, py[k]);
    }
}

TEST_F(SurfaceLongFormTest, CodesAndPenPairsAreTranslated)
{
    const SurfacePenPair pairs[3] = {{0, 5}, {3, 0}, {3, 4}};
    const SurfaceSettings& s = surfaceState.surface;
    krSetSurfaceBaseStyle(32763, pairs);
    EXPECT_EQ(s.basePens[0], 5);
    EXPECT_EQ(s.basePens[1], 1003);
    EXPECT_EQ(s.basePens[2], 2004);
    EXPECT_EQ(s.baseStyleSet, -1);
    krSetSurfaceBaseStyle(kSurfBaseStyleOne, pairs);
    EXPECT_EQ(s.baseStyleOne, -1);
    krSetSurfaceBaseStyle(12345, pairs);  // no translation: the style passed before
    EXPECT_EQ(s.baseStyleOne, -1);
    const SurfacePenPair off[3] = {{-1, 7}, {-1, 0}, {-1, 2}};
    krSetSurfaceBaseStyle(kSurfBaseStyleNone, off);
    EXPECT_EQ(s.basePens[0], -1);
    EXPECT_EQ(s.baseStyleSet, 0);

    krSetSurfaceGridMode(32497);
    EXPECT_EQ(s.gridMode, 0);
    krSetSurfaceBaseType(kSurfBaseType3);
    EXPECT_EQ(s.baseType, 3);
    krSetSurfaceHiddenLineSwitch(kSurfHiddenLinesOff);
    EXPECT_EQ(s.hiddenLinesOn, 0);
    krSetSurfaceAxesAnnotation(32497, 5, 1, 9999);
    EXPECT_EQ(s.annotationOn[2], -1);
    krSetSurfaceLineStyles(1, 2, SurfacePenPair{3, 4});
    EXPECT_EQ(s.linePens[2], 2004);

    // Axis styles: long-form entries 1, 3, 5 are the legacy 1, 2, 3.
    const int a[6] = {32456, 32455, 32454, 0, 2, 1};
    const int b[6] = {32453, 32452, 32451, 0, 1, 2};
    krSetSurfaceAxesStyle(a, b);
    const int wantA[6] = {1, 3, 2, 2, 0, 1};
    const int wantB[6] = {1, 3, 1, 2, 0, 2};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(s.axesCodes1[k], wantA[k]) << k;
        EXPECT_EQ(s.axesCodes2[k], wantB[k]) << k;
    }
    EXPECT_TRUE(tarv::errorLog().empty());
}

TEST_F(SurfaceLongFormTest, ProjectedPolygonTakesItsPenByRuleA)
{
    const SurfacePoint2 pts[4] = {{1, 1}, {4, 1}, {4, 3}, {1, 3}};
    const float x[4] = {1, 4, 4, 1}, y[4] = {1, 1, 3, 3};
    std::vector<float> codes((kNx - 1) * (kNy - 1), 3.0f);
    auto picture = [&] {
        clearWork();
        float d = 0;
        PERFIL(kNx, 0, 5, kNy, 0, 4, z.data(), d, 30, 40, codes.data(), kWords, work.data());
    };
    EXPECT_EQ(run([&] {
                  picture();
                  krFillProjectedPolygon(4, pts, 2.0f, SurfacePenPair{3, 0});
              }),
              run([&] {
                  picture();
                  COPPRJ(4, x, y, 2.0f, 1003);
              }));
    EXPECT_EQ(run([&] {
                  picture();
                  krFillProjectedPolygon(4, pts, 2.0f, SurfacePenPair{-1, 0});
              }),
              run([&] {
                  picture();
                  COPPRJ(4, x, y, 2.0f, -1);
              }));
}

}  // namespace
