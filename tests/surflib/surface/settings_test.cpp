// settings_test.cpp - the setters of projected surfaces: stored values, corrections and
// warnings under the routine's name, and the polyline, spot height and point transform on the
// last projected picture.
#include <cfloat>
#include <cmath>
#include <functional>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"

using namespace surflib;

namespace {

class SurfaceSettingsTest : public PictureFixture {};

struct RatioCase {
    const char* name;
    bool height;  // HEIRAT, else XYRAT
    float given, stored;
    int warning;  // 0: none
};

TEST_F(SurfaceSettingsTest, RatiosAreCorrectedWithWarnings)
{
    const RatioCase cases[] = {
        {"zero height", true, 0.0f, 0.5f, asReported(kRatioZero)},
        {"negative height", true, -2.0f, 2.0f, asReported(kNegativeValue)},
        {"zero axes", false, 0.0f, 1.0f, asReported(kRatioZero)},
        {"tiny axes", false, 1e-9f, 1.0f, asReported(kRatioZero)},
        {"negative axes", false, -0.25f, 0.25f, asReported(kNegativeValue)},
        {"plain", true, 0.8f, 0.8f, 0},
    };
    for (const RatioCase& c : cases) {
        SCOPED_TRACE(c.name);
        tarv::errorLogClear();
        if (c.height) HEIRAT(c.given);
        else XYRAT(c.given);
        const float stored =
            c.height ? surfaceState.surface.heightRatio : surfaceState.surface.axesRatio;
        EXPECT_FLOAT_EQ(stored, c.stored);
        if (c.warning == 0) {
            EXPECT_TRUE(tarv::errorLog().empty());
        } else {
            ASSERT_EQ(tarv::errorLog().size(), 1u);
            EXPECT_EQ(tarv::errorLog()[0].number, c.warning);
            EXPECT_EQ(tarv::errorLog()[0].routine,
                      c.height ? "krSetHeightRatio(HEIRAT)" : "krSetSurfaceAxesRatio(XYRAT)");
        }
    }
}

TEST_F(SurfaceSettingsTest, GridIntervalsKeepValuesAndSwitchLinesOnlyWhenBothGiven)
{
    const SurfaceSettings& s = surfaceState.surface;
    PRJGRD(0, 3);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kZeroGridInterval)}));
    EXPECT_EQ(s.gridIntervals[0], 0);
    EXPECT_EQ(s.gridIntervals[1], 3);
    EXPECT_EQ(s.gridLinesOn, 0);

    tarv::errorLogClear();
    PRJGRD(-2, 3);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNegativeValue)}));
    EXPECT_EQ(s.gridIntervals[0], 2);
    EXPECT_EQ(s.gridIntervals[1], 3);
    EXPECT_EQ(s.gridLinesOn, -1);
}

TEST_F(SurfaceSettingsTest, LevelLimitsSortOrFallBackToTheDataRange)
{
    SurfaceSettings& s = surfaceState.surface;
    PRJLEV(5.0f, 1.0f);
    EXPECT_EQ(s.levelLimitsOn, -1);
    EXPECT_FLOAT_EQ(s.levelLimits[0], 1.0f);
    EXPECT_FLOAT_EQ(s.levelLimits[1], 5.0f);

    surfaceState.grid.zMin = -3.0f;
    surfaceState.grid.zMax = 8.0f;
    PRJLEV(2.0f, 2.0f);
    EXPECT_EQ(s.levelLimitsOn, 0);
    EXPECT_FLOAT_EQ(s.levelLimits[0], -3.0f);
    EXPECT_FLOAT_EQ(s.levelLimits[1], 8.0f);
    EXPECT_TRUE(tarv::errorLog().empty());

    // The old form warns first, then does the same and keeps the values as passed.
    PRJZAX(9.0f, 4.0f, 7);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kOldLevelRoutine), asReported(kBadSwitch)}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "PRJZAX");
    EXPECT_FLOAT_EQ(s.levelLimits[0], 4.0f);
    EXPECT_EQ(s.axisLimitsSet, -1);
    EXPECT_FLOAT_EQ(s.axisLimits[0], 9.0f);
    EXPECT_EQ(s.zAxisSwitch, 1);
    // ... and the z range later pictures keep to.
    EXPECT_EQ(s.fixedZRange, -1);
    EXPECT_FLOAT_EQ(s.zRangeLow, 4.0f);
    EXPECT_FLOAT_EQ(s.zRangeHigh, 9.0f);
}

TEST_F(SurfaceSettingsTest, SwitchesAndCodesOutOfRangeTakeTheirDefaults)
{
    const SurfaceSettings& s = surfaceState.surface;
    PRJHID(7);
    EXPECT_EQ(s.hiddenLinesOn, -1);
    PRJHID(0);
    EXPECT_EQ(s.hiddenLinesOn, 0);
    PRJFRA(9);
    EXPECT_EQ(s.baseType, 0);
    PRJSEC(3);
    EXPECT_EQ(s.gridMode, 0);
    PRJSEC(2);
    EXPECT_EQ(s.gridMode, 2);
    EXPECT_EQ(reported(),
              std::vector<int>(
                  {asReported(kBadSwitch), asReported(kBadFrameType), asReported(kBadSwitch)}));

    const int pens[3] = {-1, 5, -1};
    PRJBAS(4, pens);
    EXPECT_EQ(s.basePensUsed, -1);
    EXPECT_EQ(s.baseStyleSet, -1);  // style 4 corrected to 0
    EXPECT_EQ(s.baseStyleOne, 0);
    const int none[3] = {-1, -1, -1};
    PRJBAS(-1, none);
    EXPECT_EQ(s.basePensUsed, 0);
    EXPECT_EQ(s.baseStyleSet, 0);

    PRJLIN(1, -2, 3);
    EXPECT_EQ(s.linePens[1], 2);
    EXPECT_EQ(s.linePensSet, -1);

    PRJSCA(0.0f, -2.5f, 1e-9f);
    EXPECT_EQ(s.axesIntervalsGiven[0], 0);
    EXPECT_EQ(s.axesIntervalsGiven[1], -1);
    EXPECT_FLOAT_EQ(s.axesIntervals[1], 2.5f);
    EXPECT_EQ(s.axesIntervalsGiven[2], 0);
}

TEST_F(SurfaceSettingsTest, AxisAnnotationCases)
{
    const SurfaceSettings& s = surfaceState.surface;
    ANNDIG(4, 6, 2, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.annotationOn[i], -1);
        EXPECT_EQ(s.annotationWidth[i], 6);
        EXPECT_EQ(s.annotationExponent[i], 3);
    }
    EXPECT_TRUE(tarv::errorLog().empty());
    ANNDIG(2, 0, 3, 0);  // width 0: off without a warning, exponent kept
    EXPECT_EQ(s.annotationOn[1], 0);
    EXPECT_EQ(s.annotationExponent[1], 0);
    EXPECT_TRUE(tarv::errorLog().empty());
    ANNDIG(2, 12, 3, 0);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kBadLabelWidth)}));
    ANNDIG(1, 5, 1, 1000000);  // an exponent the kernel's reals cannot take is not kept
    EXPECT_EQ(s.annotationOn[0], -1);
    EXPECT_EQ(s.annotationExponent[0], 9999);
    ANNDIG(5, 6, 2, 0);
    EXPECT_EQ(s.annotationOn[0], 0);
    EXPECT_EQ(s.annotationOn[2], 0);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kBadLabelWidth), asReported(kBadSwitch)}));
}

TEST_F(SurfaceSettingsTest, AxesStyleReplacesInvalidEntries)
{
    const int a[6] = {4, 2, -1, 7, 3, 9};
    const int b[6] = {0, 5, 3, -2, 1, 2};
    PRJAXI(a, b);
    const SurfaceSettings& s = surfaceState.surface;
    EXPECT_EQ(s.axesStyle, -1);
    const int wantA[6] = {1, 2, 1, 0, 3, 1};
    const int wantB[6] = {0, 0, 3, 0, 1, 2};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(s.axesCodes1[i], wantA[i]) << i;
        EXPECT_EQ(s.axesCodes2[i], wantB[i]) << i;
    }
    EXPECT_EQ(reported().size(), 6u);
}

TEST_F(SurfaceSettingsTest, SurfaceFrameIsCheckedAsAGridWindow)
{
    const SurfaceSettings& s = surfaceState.surface;
    PRJBND(500.0f, 100.0f, 50.0f, 400.0f);
    EXPECT_EQ(s.surfaceFrameSet, -1);
    EXPECT_FLOAT_EQ(s.surfaceFrame[0], 100.0f);
    EXPECT_FLOAT_EQ(s.surfaceFrame[1], 500.0f);
    PRJBND(100.0f, 100.0f, 50.0f, 400.0f);
    EXPECT_EQ(s.surfaceFrameSet, 0);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFlatXRange)}));
}

// ---- On a projected picture -------------------------------------------------------------

TEST_F(SurfaceSettingsTest, PolylineNeedsAPictureAndIsDrawnInJoinedChunks)
{
    std::vector<float> x(81), y(81), z(81, 0.0f);
    for (int k = 0; k < 81; ++k) {
        x[k] = static_cast<float>(k) / 80.0f;
        y[k] = 0.5f;
    }
    capture();
    LINPRJ(81, x.data(), y.data(), z.data());
    std::vector<std::string> log = calls();
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoProjectedPicture)}));
    EXPECT_EQ(count(log, "kernelDrawLineTo"), 0);

    float d = 0.0f;
    PERSET(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, d, 30.0f, 40.0f);
    tarv::errorLogClear();
    capture();
    LINPRJ(81, x.data(), y.data(), z.data());
    const std::vector<Polyline> lines = polylines(calls());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x.size(), 80u);
    EXPECT_EQ(lines[1].x.size(), 2u);
    EXPECT_EQ(lines[1].x[0], lines[0].x.back());
    float X = 0, Y = 0;
    PERSPA(x[80], y[80], z[80], X, Y);
    EXPECT_NEAR(lines[1].x[1], X, 1e-3);  // the log keeps six digits
    EXPECT_NEAR(lines[1].y[1], Y, 1e-3);
    EXPECT_TRUE(tarv::errorLog().empty());

    // 159 points fill two chunks exactly; no chunk of a single point follows.
    std::vector<float> lx(159), ly(159, 0.5f), lz(159, 0.0f);
    for (int k = 0; k < 159; ++k) lx[k] = static_cast<float>(k) / 158.0f;
    capture();
    LINPRJ(159, lx.data(), ly.data(), lz.data());
    const std::vector<std::string> log159 = calls();
    EXPECT_EQ(polylines(log159).size(), 2u);
    EXPECT_EQ(count(log159, "kernelMovePen"), 4);
}

TEST_F(SurfaceSettingsTest, SpotHeightOnTheGridOfThePicture)
{
    const int nx = 5, ny = 4;
    std::vector<float> z =
        grid(nx, ny, 0.0f, 4.0f, 0.0f, 3.0f, [](float x, float y) { return x + 10.0f * y; });
    std::vector<float> work(4000);
    float h = -1.0f;
    PRJHGT(1.0f, 1.0f, h, 4000, work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoProjectedPicture)}));
    EXPECT_EQ(h, 0.0f);

    float d = 0.0f;
    PERPRJ(nx, 0.0f, 4.0f, ny, 0.0f, 3.0f, z.data(), d, 30.0f, 40.0f, 4000, work.data());
    tarv::errorLogClear();
    const struct {
        float x, y, z;
    } cases[] = {{1.0f, 2.0f, 21.0f}, {2.5f, 0.5f, 7.5f}, {4.0f, 3.0f, 34.0f}, {0.0f, 0.0f, 0.0f}};
    for (const auto& c : cases) {
        PRJHGT(c.x, c.y, h, 4000, work.data());
        EXPECT_NEAR(h, c.z, 1e-4) << c.x << " " << c.y;
    }
    EXPECT_TRUE(tarv::errorLog().empty());
    PRJHGT(4.5f, 1.0f, h, 4000, work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kOutsideWindow)}));
    EXPECT_EQ(h, 0.0f);
    EXPECT_EQ(tarv::errorLog()[0].routine, "krReturnSurfaceSpotHeight(PRJHGT)");
}

float sumHeight(const float& x, const float& y) { return x + y; }

// Drivers refused before they draw leave the picture before them standing: its spot heights are
// still read on its own grid, not on the window or workspace cut the refused call asked for.
TEST_F(SurfaceSettingsTest, RefusedPicturesLeaveTheSpotHeightsOfThePictureBefore)
{
    const int nx = 5, ny = 4;
    std::vector<float> z =
        grid(nx, ny, 0.0f, 4.0f, 0.0f, 3.0f, [](float x, float y) { return x + 10.0f * y; });
    const float inf = INFINITY;
    // Points spanning more than the reals (their window's width is no number), and too few.
    std::vector<float> wide{-FLT_MAX, 1, 2, 3, 4, 5, 6, 7, 8, 9}, ys{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::vector<float> few(5, 1.0f);
    const struct {
        const char* name;
        std::function<void()> call;
        int error;
    } cases[] = {
        {"FUNPER, infinite window",
         [&] {
             float d = 0.0f;
             FUNPER(-inf, 1.0f, 0.0f, 1.0f, sumHeight, d, 30.0f, 40.0f);
         },
         kFlatXRange},
        {"FUNISO, infinite window", [&] { FUNISO(0.0f, 1.0f, -inf, inf, sumHeight, 1); },
         kFlatYRange},
        {"FUNPER, no function",
         [&] {
             float d = 0.0f;
             FUNPER(0.0f, 100.0f, 0.0f, 100.0f, nullptr, d, 30.0f, 40.0f);
         },
         kNotANumber},
        {"FUNISO, no function", [&] { FUNISO(0.0f, 100.0f, 0.0f, 100.0f, nullptr, 1); },
         kNotANumber},
        {"RANPER, points wider than the reals",
         [&] {
             float d = 0.0f;
             RANPER(10, wide.data(), ys.data(), ys.data(), d, 30.0f, 40.0f);
         },
         kFlatXRange},
        {"RANISO, points wider than the reals",
         [&] { RANISO(10, ys.data(), wide.data(), ys.data(), 1); }, kFlatYRange},
        {"RANPER, too few points",
         [&] {
             float d = 0.0f;
             RANPER(5, few.data(), few.data(), few.data(), d, 30.0f, 40.0f);
         },
         kTooFewPoints},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<float> work(4000);
        float d = 0.0f;
        PERPRJ(nx, 0.0f, 4.0f, ny, 0.0f, 3.0f, z.data(), d, 30.0f, 40.0f, 4000, work.data());
        tarv::errorLogClear();
        c.call();
        EXPECT_EQ(reported(), std::vector<int>({asReported(c.error)}));
        tarv::errorLogClear();
        for (const auto& [x, y] : {std::pair{1.0f, 2.0f}, {2.5f, 0.5f}, {4.0f, 3.0f}}) {
            float h = -1.0f;
            PRJHGT(x, y, h, 4000, work.data());
            EXPECT_NEAR(h, x + 10.0f * y, 1e-4) << x << " " << y;
        }
        EXPECT_TRUE(tarv::errorLog().empty());
    }
}

}  // namespace
