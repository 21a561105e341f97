// perspective_test.cpp - the perspective surface routines: line-style bands and their key,
// the routines that grid first, refusals and degenerate grids, and what a failed drawing
// leaves behind.
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"
#include "surface/surface.h"

using namespace surflib;

namespace {

class PerspectiveTest : public PictureFixture {
protected:
    std::vector<float> work = std::vector<float>(20000, 0.0f);

    static std::vector<float> hills(int nx, int ny)
    {
        return grid(nx, ny, 0.0f, 1.0f, 0.0f, 1.0f, [](float x, float y) {
            return 10.0f * std::exp(-8.0f * ((x - 0.4f) * (x - 0.4f) + (y - 0.6f) * (y - 0.6f)));
        });
    }

    // The top of the last picture's box lies at height z: its top corner is where the
    // projection puts that corner of the window at z.
    static void expectBoxTopAt(float z)
    {
        float X = 0, Y = 0;
        const ProjectionTerms& p = surfaceState.projection;
        PERSPA(p.firstTo, p.secondFrom, z, X, Y);
        EXPECT_NEAR(X, p.boxCorners[4][0], 1e-2);
        EXPECT_NEAR(Y, p.boxCorners[4][1], 1e-2);
    }
};

void setLevels(std::initializer_list<float> heights, std::initializer_list<int> pens)
{
    ContourLevelList& l = surfaceState.levels;
    l.count = 0;
    for (float h : heights) l.heights[l.count++] = h;
    int k = 0;
    for (int p : pens) l.pens[k++] = p;
}

TEST_F(PerspectiveTest, BandOfAHeight)
{
    setLevels({1.0f, 2.0f, 3.0f}, {});
    const struct {
        float z;
        int band;
    } cases[] = {{0.5f, 1}, {1.0f, 1}, {1.5f, 2}, {3.0f, 3}, {7.0f, 3}};
    for (const auto& c : cases) EXPECT_EQ(surfaceFindBand(c.z), c.band) << c.z;
    surfaceState.levels.count = 0;
    EXPECT_EQ(surfaceFindBand(1.0f), 0);
}

TEST_F(PerspectiveTest, BandedSegmentIsSplitAtEveryLevelItCrosses)
{
    setLevels({1.0f, 2.0f, 3.0f, 4.0f}, {11, 12, 13, 14, 15});
    float z1 = 0.0f;
    int b1 = surfaceFindBand(z1);
    const float z2 = 3.5f;
    const int b2 = surfaceFindBand(z2);
    capture();
    surfaceDrawBandedSegment(0.0f, 35.0f, 0.0f, 0.0f, z1, z2, b1, b2);
    const std::vector<std::string> log = calls();
    const std::vector<Polyline> pieces = polylines(log);
    ASSERT_EQ(pieces.size(), 4u);
    const float ends[4] = {10.0f, 20.0f, 30.0f, 35.0f};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(pieces[k].x[1], ends[k], 1e-4) << k;
    const std::vector<std::string> colours = only(log, "kernelSetColour");
    ASSERT_EQ(colours.size(), 4u);
    EXPECT_EQ(colours[0], "kernelSetColour 11");
    EXPECT_EQ(colours[3], "kernelSetColour 14");
    EXPECT_FLOAT_EQ(z1, 3.5f);
    EXPECT_EQ(b1, 4);

    // Downwards, the pieces take the pen of the band they lie in; one band is one piece.
    capture();
    float za = 3.5f;
    int ba = surfaceFindBand(za);
    surfaceDrawBandedSegment(0.0f, 10.0f, 0.0f, 0.0f, za, 2.5f, ba, surfaceFindBand(2.5f));
    const std::vector<std::string> down = only(calls(), "kernelSetColour");
    EXPECT_EQ(down, std::vector<std::string>({"kernelSetColour 14", "kernelSetColour 13"}));
    capture();
    surfaceDrawBandedSegment(0.0f, 10.0f, 0.0f, 0.0f, za, 2.2f, ba, surfaceFindBand(2.2f));
    EXPECT_EQ(polylines(calls()).size(), 1u);
}

TEST_F(PerspectiveTest, SurfaceSwitchMakesTheSurfaceOpaque)
{
    const std::vector<float> z = hills(8, 6);
    auto draw = [&] {
        float d = 0.0f;
        capture();
        PERPRJ(8, 0, 1, 6, 0, 1, z.data(), d, 30, 30, 20000, work.data());
        return calls();
    };
    auto lines = [](const std::vector<std::string>& log) {
        std::vector<std::string> out;
        for (const std::string& l : log) {
            if (l.rfind("kernelDrawLineTo", 0) == 0) out.push_back(l);
        }
        return out;
    };
    const std::vector<std::string> plain = draw();
    EXPECT_EQ(count(plain, "kernelFillPolygon"), 0);
    CONSWI(1);
    const std::vector<std::string> opaque = draw();
    // Every cell is filled in the background before the first line; the lines stay as they were.
    EXPECT_EQ(count(opaque, "kernelFillPolygon"), 7 * 5);
    size_t lastFill = 0, firstLine = opaque.size();
    for (size_t k = 0; k < opaque.size(); ++k) {
        if (opaque[k].rfind("kernelFillPolygon", 0) == 0) lastFill = k;
        if (opaque[k].rfind("kernelDrawLineTo", 0) == 0) firstLine = std::min(firstLine, k);
    }
    EXPECT_LT(lastFill, firstLine);
    EXPECT_EQ(only(opaque, "kernelSetColour").front(), "kernelSetColour 0");
    EXPECT_EQ(lines(opaque), lines(plain));

    // In the line-style mode each cell takes the pen of the band of its mean height, solid in
    // the colour of a pen that also sets a line style.
    const int pens[3] = {1021, 22, 23};
    float d = 0.0f;
    capture();
    PERLI3(8, 0, 1, 6, 0, 1, z.data(), d, 30, 30, 2, pens, 0, 20000, work.data());
    const std::vector<std::string> banded = calls();
    std::vector<std::string> fillColours;
    std::string colour;
    for (const std::string& l : banded) {
        if (l.rfind("kernelSetColour", 0) == 0) colour = l;
        if (l.rfind("kernelFillPolygon", 0) == 0) fillColours.push_back(colour);
    }
    EXPECT_FALSE(fillColours.empty());
    for (const std::string& c : fillColours) {
        EXPECT_TRUE(c == "kernelSetColour 21" || c == "kernelSetColour 22" ||
                    c == "kernelSetColour 23")
            << c;
    }
    EXPECT_NE(std::find(fillColours.begin(), fillColours.end(), "kernelSetColour 23"),
              fillColours.end());
    for (const std::string& f : only(banded, "kernelFillPolygon"))
        EXPECT_EQ(f.rfind("kernelFillPolygon 0 ", 0), 0u) << f;
    CONSWI(0);
    EXPECT_EQ(count(draw(), "kernelFillPolygon"), 0);
}

TEST_F(PerspectiveTest, LineStyleLevelCountIsChecked)
{
    const int nx = 8, ny = 6;
    const std::vector<float> z = hills(nx, ny);
    std::vector<int> pens(101, 3);
    float d = 0.0f;
    capture();
    PERLI3(nx, 0, 1, ny, 0, 1, z.data(), d, 30, 30, 100, pens.data(), 0, 20000, work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kLevelCountOutOfRange)}));
    EXPECT_EQ(count(calls(), "kernelDrawLineTo"), 0);

    // No levels: the same picture as the wire frame.
    auto drawing = [](const std::vector<std::string>& log) {
        std::vector<std::string> out;
        for (const std::string& l : log) {
            if (l.rfind("kernelSetRoutineName", 0) != 0) out.push_back(l);
        }
        return out;
    };
    capture();
    d = 0.0f;
    PERLI3(nx, 0, 1, ny, 0, 1, z.data(), d, 30, 30, 0, pens.data(), 0, 20000, work.data());
    const std::vector<std::string> plain = drawing(calls());
    capture();
    d = 0.0f;
    PERPRJ(nx, 0, 1, ny, 0, 1, z.data(), d, 30, 30, 20000, work.data());
    EXPECT_EQ(drawing(calls()), plain);
}

TEST_F(PerspectiveTest, LineStyleBandsComeFromTheDataOrTheLevelList)
{
    const int nx = 8, ny = 6;
    const std::vector<float> z = hills(nx, ny);
    const int pens[4] = {2, 3, 4, 5};
    float d = 0.0f;
    capture();
    PERLI3(nx, 0, 1, ny, 0, 1, z.data(), d, 30, 30, 3, pens, 7, 20000, work.data());
    const std::vector<std::string> log = calls();
    EXPECT_EQ(reported(), std::vector<int>({asReported(kBadSwitch)}));  // key switch 7: no key
    const ContourLevelList& l = surfaceState.levels;
    ASSERT_GE(l.count, 2);
    for (int k = 1; k < l.count; ++k) EXPECT_GT(l.heights[k], l.heights[k - 1]);
    EXPECT_GE(l.heights[l.count - 1], surfaceState.grid.zMax - 1e-4f);
    for (const char* c : {"kernelSetColour 2", "kernelSetColour 3", "kernelSetColour 4"}) {
        EXPECT_GT(count(log, c), 0) << c;
    }
    EXPECT_EQ(surfaceState.surface.lineStyle, 0);
    EXPECT_EQ(surfaceState.surface.keyOn, 0);

    // An explicit list of 20 levels with 5 asked for: 5 of the list, with a key beside it.
    tarv::errorLogClear();
    std::vector<float> heights(20);
    for (int k = 0; k < 20; ++k) heights[k] = 0.5f * (k + 1);
    const int n = 20;
    CONDEF(n, heights.data());
    const int six[6] = {2, 3, 4, 5, 6, 7};
    capture();
    d = 0.0f;
    PERLI3(nx, 0, 1, ny, 0, 1, z.data(), d, 30, 30, 5, six, 1, 20000, work.data());
    const std::vector<std::string> keyed = calls();
    EXPECT_EQ(l.count, 5);
    EXPECT_FLOAT_EQ(l.heights[4], 2.5f);
    EXPECT_EQ(count(keyed, "kernelFillPolygon"), 5);  // one key box per level
}

// Without a level list the levels come from the count asked for, whatever an earlier
// line-style picture asked for: the same call draws the same picture after one of 2 levels.
TEST_F(PerspectiveTest, LineStyleLevelCountIsTheOneAskedFor)
{
    const std::vector<float> z =
        grid(8, 6, 0.0f, 1.0f, 0.0f, 1.0f, [](float x, float y) { return 8.0f * x + 2.0f * y; });
    const int pens[9] = {11, 12, 13, 14, 15, 16, 17, 18, 19};
    auto picture = [&](int n) {
        float d = 0.0f;
        capture();
        PERLI3(8, 0, 1, 6, 0, 1, z.data(), d, 30, 30, n, pens, 0, 20000, work.data());
        return calls();
    };
    const std::vector<std::string> first = picture(8);
    const int levels = surfaceState.levels.count;
    EXPECT_GE(levels, 8);
    picture(2);
    EXPECT_EQ(picture(8), first);
    EXPECT_EQ(surfaceState.levels.count, levels);
    EXPECT_GT(count(first, "kernelSetColour 19"), 0);  // the ninth pen, of the top bands
}

// With the LEVELS limits on, the n line-style levels divide the limits into n - 1 steps and
// start one step above the bottom; the data maximum above the last level ends the list.
TEST_F(PerspectiveTest, LineStyleLevelsBetweenContourLimitsStartOneStepAboveTheBottom)
{
    const std::vector<float> z = hills(8, 6);  // heights 0 .. about 10
    const float top = *std::max_element(z.begin(), z.end());
    ASSERT_GT(top, 8.5f);
    const struct {
        int n;
        std::vector<float> levels;
        std::vector<int> errors;
    } rows[] = {
        {3, {5.0f, 8.0f, top}, {}},
        {4, {4.0f, 6.0f, 8.0f, top}, {}},
        {1, {8.0f, top}, {asReported(kOneLevelBetweenLimits)}},
    };
    const int pens[5] = {2, 3, 4, 5, 6};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.n);
        LEVELS(2.0f, 8.0f);
        surfaceState.levels.count = 0;  // an empty list takes the count asked for
        tarv::errorLogClear();
        float d = 0.0f;
        PERLI3(8, 0, 1, 6, 0, 1, z.data(), d, 30, 30, r.n, pens, 0, 20000, work.data());
        EXPECT_EQ(reported(), r.errors);
        const ContourLevelList& l = surfaceState.levels;
        ASSERT_EQ(l.count, static_cast<int>(r.levels.size()));
        for (int k = 0; k < l.count; ++k) EXPECT_NEAR(l.heights[k], r.levels[k], 1e-5f) << k;
    }
}

TEST_F(PerspectiveTest, KeyOfLargeHeightsCarriesAPowerOfTenCaption)
{
    std::vector<float> z = hills(8, 6);
    for (float& v : z) v = 2.0e5f + 1.0e5f * v;
    const int pens[4] = {2, 3, 4, 5};
    float d = 0.0f;
    capture();
    PERLI3(8, 0, 1, 6, 0, 1, z.data(), d, 30, 30, 3, pens, 1, 20000, work.data());
    const std::vector<std::string> texts = only(calls(), "kernelDrawText");
    auto has = [&](const std::string& t) {
        return std::find(texts.begin(), texts.end(), "kernelDrawText \"" + t + "\"") != texts.end();
    };
    EXPECT_TRUE(has("  *10"));
    EXPECT_TRUE(has("5"));    // heights shown in units of 10^5
    EXPECT_TRUE(has("2.0"));  // the lowest height, 200000
}

TEST_F(PerspectiveTest, FixedZRangeClampsLaterPictures)
{
    const std::vector<float> z = hills(8, 6);  // heights 0 .. about 10
    PRJZAX(2.0f, 6.0f, 1);
    float d = 0.0f;
    PERPRJ(8, 0, 1, 6, 0, 1, z.data(), d, 30, 30, 20000, work.data());
    const SurfaceLibraryState& s = surfaceState;
    EXPECT_GE(s.grid.zMin, 2.0f);
    EXPECT_LE(s.grid.zMax, 6.0f);
    EXPECT_FLOAT_EQ(s.surface.zAxisLow, 2.0f);
    EXPECT_FLOAT_EQ(s.surface.zAxisHigh, 6.0f);
    // The box tops out at the range: the top corners project from height 6.
    expectBoxTopAt(6.0f);
}

// PRJLEV limits inside the data's range clamp the heights: the grid's range is capped at
// both ends and the box tops out at the upper limit.
TEST_F(PerspectiveTest, LevelLimitsCapTheHeights)
{
    const std::vector<float> z = hills(8, 6);  // heights 0 .. about 10
    PRJLEV(1.0f, 6.0f);
    float d = 0.0f;
    PERPRJ(8, 0, 1, 6, 0, 1, z.data(), d, 30, 30, 20000, work.data());
    const SurfaceLibraryState& s = surfaceState;
    EXPECT_FLOAT_EQ(s.grid.zMin, 1.0f);
    EXPECT_FLOAT_EQ(s.grid.zMax, 6.0f);
    expectBoxTopAt(6.0f);
}

TEST_F(PerspectiveTest, DefaultsDropTheFixedZRange)
{
    const std::vector<float> z = hills(8, 6);  // heights 0 .. about 10
    const float x0 = 0.0f, x1 = 1.0f, y0 = 0.0f, y1 = 1.0f, z0 = 2.0f, z1 = 6.0f;
    float d = 0.0f;
    const auto setUps = {std::function<void()>([] { PRJZAX(2.0f, 6.0f, 1); }),
                         std::function<void()>([&] { PERSET(x0, x1, y0, y1, z0, z1, d, 30, 30); })};
    for (const auto& setUp : setUps) {
        setUp();
        krOpenSurf();
        d = 0.0f;
        PERPRJ(8, 0, 1, 6, 0, 1, z.data(), d, 30, 30, 20000, work.data());
        const SurfaceLibraryState& s = surfaceState;
        EXPECT_EQ(s.surface.fixedZRange, 0);
        EXPECT_EQ(s.surface.axisLimitsSet, 0);
        EXPECT_FLOAT_EQ(s.grid.zMin, *std::min_element(z.begin(), z.end()));
        EXPECT_FLOAT_EQ(s.grid.zMax, *std::max_element(z.begin(), z.end()));
    }
}

TEST_F(PerspectiveTest, LimitsAboveAllTheDataLeaveAFlatPictureAtTheLowerLimit)
{
    const std::vector<float> z = hills(8, 6);  // heights 0 .. about 10
    PRJLEV(20.0f, 30.0f);
    float d = 0.0f;
    capture();
    PERPRJ(8, 0, 1, 6, 0, 1, z.data(), d, 30, 30, 20000, work.data());
    const std::vector<std::string> log = calls();
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFlatHeights)}));
    EXPECT_FLOAT_EQ(surfaceState.grid.zMin, 20.0f);
    EXPECT_FLOAT_EQ(surfaceState.grid.zMax, 20.0f);
    EXPECT_GT(count(log, "kernelDrawLineTo"), 0);
}

TEST_F(PerspectiveTest, SplitWalkLeavesTheAxisStylesAsTheyWere)
{
    const std::vector<float> z = hills(8, 6);
    float d = 0.0f;
    PERPRJ(8, 0, 1, 6, 0, 1, z.data(), d, 30, 0.5f, 20000, work.data());  // eye over the x range
    ASSERT_EQ(surfaceState.projection.splitWalk, -1);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(surfaceState.surface.axesSwitches[k], 1) << k;
}

TEST_F(PerspectiveTest, DegenerateGridsAreRefusedOrWidened)
{
    float d = 0.0f;
    std::vector<float> z(10, 1.0f);
    capture();
    PERPRJ(10, 0, 1, 1, 0, 1, z.data(), d, 30, 30, 20000, work.data());  // one row
    EXPECT_EQ(count(calls(), "kernelDrawLineTo"), 0);
    ASSERT_EQ(reported().size(), 1u);
    EXPECT_EQ(reported()[0], asReported(kTooFewNodes));
    EXPECT_EQ(surfaceState.drawing.code, kDrawingNone);
    float X = 0, Y = 0;
    tarv::errorLogClear();
    PERSPA(0.5f, 0.5f, 1.0f, X, Y);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoProjectedPicture)}));

    // Missing heights lie on the base; nothing non-finite reaches the kernel.
    tarv::errorLogClear();
    std::vector<float> holes = hills(6, 6);
    holes[7] = std::numeric_limits<float>::quiet_NaN();
    holes[20] = std::numeric_limits<float>::infinity();
    capture();
    d = 0.0f;
    PERPRJ(6, 0, 1, 6, 0, 1, holes.data(), d, 30, 30, 20000, work.data());
    const std::vector<std::string> log = calls();
    EXPECT_GT(count(log, "kernelDrawLineTo"), 0);
    for (const std::string& l : log) {
        EXPECT_EQ(l.find("nan"), std::string::npos) << l;
        EXPECT_EQ(l.find("inf"), std::string::npos) << l;
    }
    EXPECT_EQ(surfaceState.surface.perspectiveSet, -1);
}

TEST_F(PerspectiveTest, GriddingRoutinesDrawFromPointsAndFunctions)
{
    std::vector<float> x, y, z;
    for (int k = 0; k < 8; ++k) {
        x.push_back(static_cast<float>(k % 3));
        y.push_back(static_cast<float>(k / 3));
        z.push_back(static_cast<float>(k));
    }
    float d = 0.0f;
    RANPER(8, x.data(), y.data(), z.data(), d, 30, 30);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kTooFewPoints)}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "RANPER");

    tarv::errorLogClear();
    for (int k = 0; k < 30; ++k) {
        x.push_back(static_cast<float>((k * 37) % 11));
        y.push_back(static_cast<float>((k * 17) % 7));
        z.push_back(std::sin(0.3f * k));
    }
    capture();
    RANPER(static_cast<int>(x.size()), x.data(), y.data(), z.data(), d, 30, 30);
    EXPECT_GT(count(calls(), "kernelDrawLineTo"), 100);
    EXPECT_EQ(surfaceState.surface.perspectiveSet, -1);

    // With data-point markers on, every point is marked on the picture.
    RANPTS(4);
    capture();
    d = 0.0f;
    RANPER(static_cast<int>(x.size()), x.data(), y.data(), z.data(), d, 30, 30);
    EXPECT_EQ(count(calls(), "kernelDrawMarker"), static_cast<int>(x.size()));
    RANPTS(0);

    capture();
    d = 0.0f;
    FUNPER(
        0, 2, 0, 1, [](const float& a, const float& b) { return a * b; }, d, 25, 140);
    EXPECT_GT(count(calls(), "kernelDrawLineTo"), 100);
    EXPECT_EQ(surfaceState.grid.nx, 31);

    // A grid too big for the library's own workspace.
    tarv::errorLogClear();
    const std::vector<float> big(60 * 60, 1.0f);
    GRDPER(60, 0, 1, 60, 0, 1, big.data(), d, 30, 30);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kWorkspaceShort)}));
}

}  // namespace

namespace {

float tilted(const float& x, const float& y) { return x + 2.0f * y; }

TEST_F(PerspectiveTest, FunctionSurfaceChecksTheLibraryArrayBeforeTheWindow)
{
    // 60 x 60 nodes and 11 runs of 60 exceed the library's 3800 words, whatever the window.
    surfaceState.grid.nx = 60;
    surfaceState.grid.ny = 60;
    float d = 0.0f;
    FUNPER(1.0f, 1.0f, 0.0f, 1.0f, tilted, d, 30, 30);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kWorkspaceShort)}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "FUNPER");
    // 50 x 50 fits the library array: the window is checked next.
    tarv::errorLogClear();
    surfaceState.grid.nx = 50;
    surfaceState.grid.ny = 50;
    FUNPER(1.0f, 1.0f, 0.0f, 1.0f, tilted, d, 30, 30);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFlatXRange)}));
}

}  // namespace
