// Tests of gridded contour maps: the crossings the tracer finds on planes, saddles and peaks,
// open and closed lines, the 80-point buffer, the levels a map chooses, the level list, and
// the errors of DRACON, GRDCON and ADDCON.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "contour_test_util.h"
#include "plain_map_test.h"
#include "frame/state.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

class ContourMapTest : public PlainMapTest {
protected:
    // A grid of heights f(x, y) over [x0, x1] by [y0, y1], x fastest.
    static std::vector<float> grid(int nx, int ny, float x0, float x1, float y0, float y1,
                                   const std::function<float(float, float)>& f)
    {
        std::vector<float> z;
        for (int j = 0; j < ny; ++j) {
            for (int i = 0; i < nx; ++i) {
                z.push_back(f(x0 + (x1 - x0) * i / (nx - 1), y0 + (y1 - y0) * j / (ny - 1)));
            }
        }
        return z;
    }

    // A map without levels, then the lines of one added level in map coordinates.
    std::vector<Line> levelLines(int nx, int ny, float x0, float x1, float y0, float y1,
                                 const std::vector<float>& z, float level)
    {
        work.assign(2 * nx * ny + 10, 0.0f);
        const int none = 0, plain = 0, size = static_cast<int>(work.size());
        DRACON(nx, x0, x1, ny, y0, y1, z.data(), none, plain, size, work.data());
        capture();
        ADDCON(level, plain, size, work.data());
        std::vector<Line> lines = polylinesOf(calls());
        for (Line& l : lines) {
            for (Pt& p : l) p = toMap(p);
        }
        return lines;
    }

    // Consecutive equal points dropped.
    static Line distinct(const Line& l)
    {
        Line out;
        for (const Pt& p : l) {
            if (out.empty() || dist(out.back(), p) > 1e-4) out.push_back(p);
        }
        return out;
    }

    std::vector<float> work;
};

TEST_F(ContourMapTest, PlaneLevelLiesOnItsExactLineFromBoundaryToBoundary)
{
    // Heights x + slope * y over 0..nx - 1 by 0..ny - 1 (unit spacing): the level's line is
    // straight, and crosses every inner node row in one piece.
    struct Case {
        int nx, ny;
        float slope, level;
        Pt start, end;
    };
    const Case cases[] = {
        {5, 4, 0.5f, 2.25f, {2.25, 0}, {0.75, 3}},
        {4, 8, 0.25f, 2.5f, {2.5, 0}, {0.75, 7}},  // fewer columns than rows
    };
    for (const Case& c : cases) {
        const float x1 = static_cast<float>(c.nx - 1), y1 = static_cast<float>(c.ny - 1);
        const auto z =
            grid(c.nx, c.ny, 0, x1, 0, y1, [&](float x, float y) { return x + c.slope * y; });
        const std::vector<Line> lines = levelLines(c.nx, c.ny, 0, x1, 0, y1, z, c.level);
        ASSERT_EQ(lines.size(), 1u) << c.nx << " by " << c.ny;
        const Line& l = lines[0];
        for (const Pt& p : l) EXPECT_NEAR(p.x + c.slope * p.y, c.level, 1e-3) << c.nx;
        // Started on the bottom row where the height rises, higher ground on the right.
        EXPECT_NEAR(l.front().x, c.start.x, 1e-3) << c.nx;
        EXPECT_NEAR(l.front().y, c.start.y, 1e-3) << c.nx;
        EXPECT_NEAR(l.back().x, c.end.x, 1e-3) << c.nx;
        EXPECT_NEAR(l.back().y, c.end.y, 1e-3) << c.nx;
        EXPECT_TRUE(reported().empty()) << c.nx;
    }
}

TEST_F(ContourMapTest, LevelAtTheTopRowStillCrossesAndEachLevelIsOneStraightLine)
{
    // 2 by 2, rising in y: the levels 0.5 and 1.0 (a node at the level counts as high).
    const std::vector<float> z = {0, 0, 1, 1};
    for (float level : {0.5f, 1.0f}) {
        const std::vector<Line> lines = levelLines(2, 2, 0, 1, 0, 1, z, level);
        ASSERT_EQ(lines.size(), 1u) << level;
        const Line l = distinct(lines[0]);
        EXPECT_NEAR(l.front().x, 1.0, 1e-4);
        EXPECT_NEAR(l.back().x, 0.0, 1e-4);
        for (const Pt& p : l) EXPECT_NEAR(p.y, level, 1e-4);
    }
}

TEST_F(ContourMapTest, SaddleIsResolvedByTheCellCentre)
{
    // Corners 1 at (0,0) and (1,1), 0 at (1,0) and (0,1); centre 0.5.
    const std::vector<float> z = {1, 0, 0, 1};
    struct Case {
        float level;
        std::vector<Line> expected;
    };
    const Case cases[] = {
        // Centre above: the low corners are cut off.
        {0.4f, {{{1, 0.4}, {0.6, 0.4}, {0.6, 0}}, {{0, 0.6}, {0.4, 0.6}, {0.4, 1}}}},
        // Centre below: the high corners are cut off.
        {0.6f, {{{1, 0.6}, {0.6, 0.6}, {0.6, 1}}, {{0, 0.4}, {0.4, 0.4}, {0.4, 0}}}},
    };
    for (const Case& c : cases) {
        const std::vector<Line> lines = levelLines(2, 2, 0, 1, 0, 1, z, c.level);
        ASSERT_EQ(lines.size(), c.expected.size()) << c.level;
        for (size_t k = 0; k < lines.size(); ++k) {
            const Line l = distinct(lines[k]);
            ASSERT_EQ(l.size(), c.expected[k].size()) << c.level << " line " << k;
            for (size_t p = 0; p < l.size(); ++p) {
                EXPECT_NEAR(l[p].x, c.expected[k][p].x, 1e-4) << c.level;
                EXPECT_NEAR(l[p].y, c.expected[k][p].y, 1e-4) << c.level;
            }
        }
    }
}

TEST_F(ContourMapTest, PeakGivesOneClosedLineEndingWhereItBegan)
{
    const auto z = grid(5, 5, 0, 4, 0, 4, [](float x, float y) {
        return 10.0f - ((x - 2) * (x - 2) + (y - 2) * (y - 2));
    });
    for (float level : {8.5f, 7.5f, 6.5f}) {
        const std::vector<Line> lines = levelLines(5, 5, 0, 4, 0, 4, z, level);
        ASSERT_EQ(lines.size(), 1u) << level;
        const Line& l = lines[0];
        EXPECT_LT(dist(l.front(), l.back()), 1e-4) << level;
        // Around the peak, inside the grid.
        for (const Pt& p : l) {
            EXPECT_GT(p.x, 0.0);
            EXPECT_LT(p.x, 4.0);
            EXPECT_GT(std::hypot(p.x - 2, p.y - 2), 0.5);
        }
    }
}

TEST_F(ContourMapTest, LongLineFlushesEvery80PointsWithoutAGap)
{
    const int nx = 41;
    const auto z = grid(nx, 2, 0, 40, 0, 1, [](float, float y) { return y; });
    const std::vector<Line> lines = levelLines(nx, 2, 0, 40, 0, 1, z, 0.5f);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 80u);
    for (size_t k = 1; k < lines.size(); ++k) {
        EXPECT_LT(dist(lines[k].front(), lines[k - 1].back()), 1e-4);
        EXPECT_LE(lines[k].size(), 80u);
    }
    EXPECT_NEAR(lines.front().front().x, 40.0, 1e-3);
    EXPECT_NEAR(lines.back().back().x, 0.0, 1e-3);
    for (const Line& l : lines) {
        for (const Pt& p : l) EXPECT_NEAR(p.y, 0.5, 1e-4);
    }
}

TEST_F(ContourMapTest, MapChoosesNiceLevelsLimitsAndLists)
{
    const auto z = grid(3, 3, 0, 2, 0, 2, [](float x, float y) { return 3.0f + 23.5f * (x + y); });
    std::vector<float> w(100);
    struct Case {
        std::function<void()> setUp;
        int ncont;
        std::vector<float> levels;
        std::vector<int> errors;
    };
    const std::vector<Case> cases = {
        {[] {}, 5, {10, 20, 30, 40, 50, 60, 70, 80, 90}, {}},
        {[] { LEVELS(0.0f, 50.0f); }, 6, {0, 10, 20, 30, 40, 50}, {}},
        {[] { LEVELS(0.0f, 50.0f); }, 1, {0, 50}, {asReported(kOneLevelBetweenLimits)}},
        {[] { LEVELS(0.0f, 50.0f); }, -6, {0, 10, 20, 30, 40, 50}, {asReported(kNegativeCount)}},
        // A list above the data stops at the first height beyond it; lower heights are drawn.
        {[] {
             const float h[4] = {-5.0f, 10.0f, 20.0f, 300.0f};
             CONDEF(4, h);
         },
         99,
         {-5, 10, 20},
         {}},
    };
    for (const Case& c : cases) {
        SetUp();
        c.setUp();
        tarv::errorLogClear();
        DRACON(3, 0.0f, 2.0f, 3, 0.0f, 2.0f, z.data(), c.ncont, 0, 100, w.data());
        EXPECT_EQ(reported(), c.errors);
        const ContourLevelList& list = surfaceState.levels;
        ASSERT_EQ(list.count, static_cast<int>(c.levels.size()));
        for (int k = 0; k < list.count; ++k) EXPECT_NEAR(list.heights[k], c.levels[k], 1e-4);
    }
}

TEST_F(ContourMapTest, LevelListRecordsPensAndMarksOverflow)
{
    CONLIN(3, 7, 9, 1);  // every second level highlighted
    const auto z = grid(2, 2, 0, 1, 0, 1, [](float x, float) { return 1000.0f * x; });
    std::vector<float> w(20);
    DRACON(2, 0.0f, 1.0f, 2, 0.0f, 1.0f, z.data(), 10, 0, 20, w.data());
    const ContourLevelList& list = surfaceState.levels;
    ASSERT_EQ(list.count, 11);  // 0, 100, ..., 1000
    for (int k = 0; k < list.count; ++k) EXPECT_EQ(list.pens[k], k % 2 == 0 ? 9 : 7);

    // Drawing 101 levels and one more.
    LEVELS(0.0f, 1000.0f);
    DRACON(2, 0.0f, 1.0f, 2, 0.0f, 1.0f, z.data(), 101, 0, 20, w.data());
    EXPECT_EQ(list.count, 101);
    tarv::errorLogClear();
    ADDCON(500.0f, 0, 20, w.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kLevelListFull)});
}

TEST_F(ContourMapTest, ErrorsAndRefusedMaps)
{
    const std::vector<float> z = {0, 1, 2, 3};
    const std::vector<float> flat = {2, 2, 2, 2};
    std::vector<float> w(8);
    struct Case {
        const char* what;
        std::function<void()> call;
        std::vector<int> errors;
        bool mapStands;  // a later ADDCON with the same workspace is accepted
    };
    const std::vector<Case> cases = {
        {"good", [&] { DRACON(2, 0, 1, 2, 0, 1, z.data(), 2, 0, 8, w.data()); }, {}, true},
        {"bad switch",
         [&] { DRACON(2, 0, 1, 2, 0, 1, z.data(), 2, 5, 8, w.data()); },
         {asReported(kBadLineSwitch)},
         true},
        {"one row",
         [&] { DRACON(2, 0, 1, 1, 0, 1, z.data(), 2, 0, 8, w.data()); },
         {asReported(kTooFewNodes)},
         false},
        {"flat window",
         [&] { DRACON(2, 0, 1, 2, 1, 1, z.data(), 2, 0, 8, w.data()); },
         {asReported(kFlatYRange)},
         false},
        {"short workspace",
         [&] { DRACON(2, 0, 1, 2, 0, 1, z.data(), 2, 0, 7, w.data()); },
         {asReported(kWorkspaceShort)},
         false},
        {"flat data",
         [&] { DRACON(2, 0, 1, 2, 0, 1, flat.data(), 2, 0, 8, w.data()); },
         {asReported(kFlatData)},
         false},
    };
    for (const Case& c : cases) {
        SetUp();
        // A good map first: a failed one must not leave it to be added to.
        DRACON(2, 0, 1, 2, 0, 1, z.data(), 2, 0, 8, w.data());
        tarv::errorLogClear();
        capture();
        c.call();
        const std::vector<std::string> log = calls();
        EXPECT_EQ(reported(), c.errors) << c.what;
        if (!c.mapStands) { EXPECT_TRUE(polylinesOf(log).empty()) << c.what; }
        tarv::errorLogClear();
        ADDCON(1.5f, 0, 8, w.data());
        EXPECT_EQ(reported(),
                  c.mapStands ? std::vector<int>{}
                              : std::vector<int>{asReported(kNoDrawingToAddTo)})
            << c.what;
    }
    // The widened range of flat data stays negative-safe: low below high.
    SetUp();
    const std::vector<float> negative = {-0.01f, -0.01f, -0.01f, -0.01f};
    DRACON(2, 0, 1, 2, 0, 1, negative.data(), 2, 0, 8, w.data());
    EXPECT_LT(surfaceState.grid.zMin, surfaceState.grid.zMax);
}

TEST_F(ContourMapTest, ErrorsAreReportedUnderTheRoutinesName)
{
    std::vector<float> w(4), g(4);
    const float z[4] = {0, 1, 2, 3};
    const int codes[1] = {1};
    float x[1] = {0}, y[1] = {0}, h[1] = {0};
    auto f = [](const float&, const float&) { return 0.0f; };
    SurfaceWorkspace ws;
    struct Case {
        std::function<void()> call;
        const char* routine;
    };
    const std::vector<Case> cases = {
        {[&] { DRACON(2, 0, 1, 2, 0, 1, z, 1, 0, 4, w.data()); },
         "krDrawGriddedContourMap(DRACON)"},
        {[&] { GRDCON(1, 0, 1, 2, 0, 1, z, 1, 0); }, "GRDCON"},
        {[&] { ADDCON(1, 0, 4, w.data()); }, "krAddGriddedContour(ADDCON)"},
        {[&] { krAddGriddedContour(1, kSurfContourSwitchOff, ws); }, "krAddGriddedContour(ADDCON)"},
        {[&] { RANGRD(1, x, y, h, 2, 0, 1, 2, 0, 1, g.data(), 4, w.data()); },
         "krGenerateRandomGrid(RANGRD)"},
        {[&] { FUNGRD(f, 2, 0, 1, 2, 0, 1, g.data(), 3, w.data()); },
         "krGenerateFunctionGrid(FUNGRD)"},
        {[&] { RANCON(1, x, y, h, 1, 0); }, "RANCON"},
        {[&] { FUNCON(0, 0, 0, 1, f, 1, 0); }, "FUNCON"},
        {[&] { FILCON(2, 0, 1, 2, 0, 1, z, 0, 0, codes, 0, 4, w.data()); },
         "krFillGriddedContourMap(FILCON)"},
        {[&] { ADDFIL(1, 2, 1, 0, 0, 4, w.data()); }, "krAddGriddedContourFill(ADDFIL)"},
    };
    for (const Case& c : cases) {
        tarv::errorLogClear();
        c.call();
        ASSERT_EQ(tarv::errorLog().size(), 1u) << c.routine;
        EXPECT_GT(tarv::errorLog()[0].number, 1000) << c.routine;
        EXPECT_EQ(tarv::errorLog()[0].routine, c.routine);
    }
}

TEST_F(ContourMapTest, AddContourNeedsTheSameWorkspaceAndWarnsOutsideLimits)
{
    const std::vector<float> z = {0, 1, 2, 3};
    std::vector<float> w(8);
    ADDCON(1.0f, 0, 8, w.data());  // no map yet
    DRACON(2, 0, 1, 2, 0, 1, z.data(), 2, 0, 8, w.data());
    ADDCON(1.0f, 0, 9, w.data());  // another workspace size
    LEVELS(0.0f, 2.0f);
    ADDCON(2.5f, 3, 8, w.data());  // outside the limits, bad switch: drawn anyway
    EXPECT_EQ(reported(),
              (std::vector<int>{asReported(kNoDrawingToAddTo), asReported(kNoDrawingToAddTo),
                                asReported(kOutsideLimits), asReported(kBadLineSwitch)}));
}

TEST_F(ContourMapTest, GriddingOrAnotherMapEndsTheMapThatCanBeAddedTo)
{
    const std::vector<float> z = {0, 1, 2, 3};
    std::vector<float> w(8);
    std::vector<float> g(16);
    std::vector<float> big(100);
    auto f = [](const float& x, const float& y) { return x + y; };
    const std::function<void()> between[] = {
        // A new grid description: the map's grid can no longer be traced with it.
        [&] { FUNGRD(f, 4, 0.0f, 1.0f, 4, 0.0f, 1.0f, g.data(), 100, big.data()); },
        // A map in the library's own workspace.
        [&] { FUNCON(0.0f, 1.0f, 0.0f, 1.0f, f, 2, 0); },
    };
    for (const auto& call : between) {
        SetUp();
        DRACON(2, 0, 1, 2, 0, 1, z.data(), 2, 0, 8, w.data());
        call();
        tarv::errorLogClear();
        ADDCON(1.5f, 0, 8, w.data());
        EXPECT_EQ(reported(), std::vector<int>{asReported(kNoDrawingToAddTo)});
    }
}

TEST_F(ContourMapTest, InternalArrayHolds1900Nodes)
{
    for (int nx : {43, 44}) {
        SetUp();
        const auto z = grid(nx, 44, 0, 1, 0, 1, [](float x, float y) { return x * y; });
        GRDCON(nx, 0.0f, 1.0f, 44, 0.0f, 1.0f, z.data(), 4, 0);
        EXPECT_EQ(reported(),
                  nx == 43 ? std::vector<int>{} : std::vector<int>{asReported(kWorkspaceShort)})
            << nx;
    }
}

TEST_F(ContourMapTest, DegenerateHeightsEndWithFinitePoints)
{
    std::vector<float> w(2 * 25 + 10);
    // A hole in the data, infinite heights, and levels beyond single precision steps.
    std::vector<float> z = grid(5, 5, 0, 4, 0, 4, [](float x, float y) { return x + y; });
    z[12] = NAN;
    z[6] = INFINITY;
    capture();
    DRACON(5, 0, 4, 5, 0, 4, z.data(), 10, 0, static_cast<int>(w.size()), w.data());
    for (const Line& l : polylinesOf(calls())) {
        for (const Pt& p : l) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
    SetUp();
    const std::vector<float> big = {1.0e8f, 1.0e8f, 1.00000008e8f, 1.00000016e8f};
    LEVELS(1.0e8f, 1.00000016e8f);
    DRACON(2, 0, 1, 2, 0, 1, big.data(), 100000, 1, 8, w.data());
    EXPECT_LE(surfaceState.levels.count, 101);
}

}  // namespace

namespace {

// Every refusal of a map that reads the level list leaves the list as CONDEF gave it: the next
// map draws its three heights.
TEST_F(ContourMapTest, RefusedMapsLeaveTheLevelListAsItWas)
{
    const std::vector<float> ramp = {0, 50, 50, 100};
    const std::vector<float> flat = {2, 2, 2, 2};
    std::vector<float> w(2000);
    const int codes[4] = {1, 2, 3, 4};
    struct Case {
        const char* what;
        std::function<void()> call;
        int error;
    };
    const std::vector<Case> cases = {
        {"flat data", [&] { DRACON(2, 0, 1, 2, 0, 1, flat.data(), 5, 0, 8, w.data()); },
         asReported(kFlatData)},
        {"short workspace", [&] { DRACON(2, 0, 1, 2, 0, 1, ramp.data(), 5, 0, 7, w.data()); },
         asReported(kWorkspaceShort)},
        {"one row", [&] { DRACON(2, 0, 1, 1, 0, 1, ramp.data(), 5, 0, 8, w.data()); },
         asReported(kTooFewNodes)},
        {"flat x window", [&] { DRACON(2, 1, 1, 2, 0, 1, ramp.data(), 5, 0, 8, w.data()); },
         asReported(kFlatXRange)},
        {"flat y window", [&] { GRDCON(2, 0, 1, 2, 1, 1, ramp.data(), 5, 0); },
         asReported(kFlatYRange)},
        {"filled, flat data",
         [&] { FILCON(2, 0, 1, 2, 0, 1, flat.data(), 3, 0, codes, 0, 2000, w.data()); },
         asReported(kFlatData)},
        {"filled, one column",
         [&] { FILCON(1, 0, 1, 2, 0, 1, ramp.data(), 3, 0, codes, 0, 2000, w.data()); },
         asReported(kTooFewNodes)},
    };
    const float heights[3] = {20, 40, 60};
    for (const Case& c : cases) {
        SetUp();
        CONDEF(3, heights);
        tarv::errorLogClear();
        c.call();
        EXPECT_EQ(reported(), std::vector<int>{c.error}) << c.what;
        ASSERT_EQ(surfaceState.levels.count, 3) << c.what;
        for (int k = 0; k < 3; ++k) EXPECT_EQ(surfaceState.levels.heights[k], heights[k]) << c.what;
        capture();
        DRACON(2, 0, 1, 2, 0, 1, ramp.data(), 5, 0, 8, w.data());
        const std::vector<Line> lines = polylinesOf(calls());
        ASSERT_EQ(surfaceState.levels.count, 3) << c.what;
        // The heights are the plane 50 (x + y): one open line on each listed height.
        std::vector<int> found;
        for (const Line& l : lines) {
            const Pt a = toMap(l.front()), b = toMap(l.back());
            const double h = 50.0 * (a.x + a.y);
            if (dist(a, b) > 1e-3 && std::fabs(h - 50.0 * (b.x + b.y)) < 1e-2)
                found.push_back(static_cast<int>(std::lround(h)));
        }
        EXPECT_EQ(found, (std::vector<int>{20, 40, 60})) << c.what;
    }
}

}  // namespace

namespace {

// A map passes over levels that cross no cell without visiting the grid; a height that is not
// a number counts as low at every level and an infinite one as high, so a level below every
// finite height still rings the missing node and one above them rings the infinite node.  The
// map's lines at such levels are those the tracer finds when asked for the level alone.
TEST_F(ContourMapTest, LevelsBeyondTheFiniteHeightsDrawWhatTheTracerFinds)
{
    // A small grid, and one wide enough for the map to pass over parts of its rows (node 96,
    // column 17 of row 3, is the node two parts of a row share).
    struct Case {
        int nx, ny;
        std::vector<int> missing, infinite;
    };
    const Case cases[] = {{5, 5, {6}, {18}}, {40, 6, {3, 57, 140}, {20, 96, 199}}};
    for (const Case& c : cases) {
        const float x1 = static_cast<float>(c.nx - 1), y1 = static_cast<float>(c.ny - 1);
        std::vector<float> z = grid(c.nx, c.ny, 0, x1, 0, y1, [&](float x, float y) {
            return (x + y) / (x1 + y1) + 0.2f * std::sin(x);
        });
        for (int k : c.missing) z[static_cast<size_t>(k)] = NAN;
        for (int k : c.infinite) z[static_cast<size_t>(k)] = INFINITY;
        // Pairs of levels between LEVELS limits: below every height, through them, above them.
        for (float low : {-5.0f, 0.25f, 5.0f}) {
            const float high = low + 0.5f;
            std::vector<Line> alone;
            for (float level : {low, high}) {
                SetUp();
                const std::vector<Line> lines = levelLines(c.nx, c.ny, 0, x1, 0, y1, z, level);
                alone.insert(alone.end(), lines.begin(), lines.end());
            }
            SetUp();
            LEVELS(low, high);
            capture();
            DRACON(c.nx, 0, x1, c.ny, 0, y1, z.data(), 2, 0, static_cast<int>(work.size()),
                   work.data());
            std::vector<Line> drawn;
            for (Line l : polylinesOf(calls())) {
                for (Pt& p : l) p = toMap(p);
                drawn.push_back(l);
            }
            ASSERT_FALSE(drawn.empty());
            drawn.pop_back();  // the frame box, drawn over the lines
            ASSERT_EQ(drawn.size(), alone.size()) << c.nx << " " << low;
            for (size_t k = 0; k < drawn.size(); ++k) {
                ASSERT_EQ(drawn[k].size(), alone[k].size()) << c.nx << " " << low;
                for (size_t i = 0; i < drawn[k].size(); ++i)
                    EXPECT_LT(dist(drawn[k][i], alone[k][i]), 1e-4);
            }
            // Rings round each missing node below the heights, round each infinite one above.
            if (low != 0.25f) {
                EXPECT_EQ(alone.size(), 2 * (low < 0 ? c.missing : c.infinite).size())
                    << c.nx << " " << low;
            }
        }
    }
}

}  // namespace
