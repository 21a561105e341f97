// isometric_test.cpp - isometric surfaces: layout, views, flat data, hidden-line switch, grid-line
// intervals with drop lines, walls, titles, the library workspace, and the point transform that
// places later lines on the picture.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"
#include "surface/surface.h"

using namespace surflib;

namespace {

class IsometricTest : public PictureFixture {
protected:
    std::vector<float> work = std::vector<float>(20000, 0.0f);

    std::vector<std::string> draw(int nx, int ny, const std::vector<float>& z, int view,
                                  const float* codes = nullptr)
    {
        capture();
        if (codes != nullptr) {
            ISOFIL(nx, 0.0f, 1.0f, ny, 0.0f, 1.0f, z.data(), view, codes, 20000, work.data());
        } else {
            ISOPRJ(nx, 0.0f, 1.0f, ny, 0.0f, 1.0f, z.data(), view, 20000, work.data());
        }
        return calls();
    }

    static std::vector<float> bumps(int nx, int ny)
    {
        return grid(nx, ny, 0.0f, 1.0f, 0.0f, 1.0f, [](float x, float y) {
            return std::sin(6.0f * x) + std::cos(5.0f * y) + 2.0f * x * y;
        });
    }
};

TEST_F(IsometricTest, TwoByTwoGridIsOneCellOfTheFullSize)
{
    PRJFRA(2);
    const std::vector<float> z = {0.0f, 1.0f, 2.0f, 3.0f};
    draw(2, 2, z, 0);
    const ProjectionTerms& p = surfaceState.projection;
    // W = 1000 - 200 = 800, H = 600 - 160 = 440, height ratio 0.5: s = min(800 / 1.732, 440 / 1.5).
    const double s = std::min(800.0 / 1.732051, 440.0 / 1.5);
    EXPECT_NEAR(p.isoCell, s, 1e-3);
    EXPECT_NEAR(p.zScale, s * 0.5 / 3.0, 1e-4);
    EXPECT_EQ(surfaceState.drawing.code, kDrawingIsometric);
}

TEST_F(IsometricTest, ViewsAreTakenModuloFour)
{
    const std::vector<float> z = bumps(6, 5);
    auto picture = [](std::vector<std::string> log) {
        log.erase(std::remove_if(
                      log.begin(), log.end(),
                      [](const std::string& l) { return l.rfind("kernelSetRoutineName", 0) == 0; }),
                  log.end());
        return log;
    };
    EXPECT_EQ(picture(draw(6, 5, z, 5)), picture(draw(6, 5, z, 1)));
    EXPECT_EQ(picture(draw(6, 5, z, -1)), picture(draw(6, 5, z, 3)));
    EXPECT_NE(picture(draw(6, 5, z, 0)), picture(draw(6, 5, z, 1)));
}

TEST_F(IsometricTest, FlatGridLiesHalfwayUpTheWidenedRange)
{
    PRJFRA(2);
    const std::vector<float> z(5 * 4, 10.0f);
    const std::vector<Polyline> lines = polylines(draw(5, 4, z, 0));
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFlatHeights)}));
    const ProjectionTerms& p = surfaceState.projection;
    // 9.0 - 0.001 .. 11.0 + 0.001: the surface stands at half the picture's height scale.
    EXPECT_NEAR(surfaceState.surface.isoZBase, 8.999f, 1e-4);
    ASSERT_FALSE(lines.empty());
    const float front = lines[0].y[0];  // first node of the front row, at the front corner
    EXPECT_NEAR(front - p.frameY, (10.0 - 8.999) * p.zScale, 1e-2);
    EXPECT_NEAR((10.0 - 8.999) / (11.001 - 8.999), 0.5, 1e-6);
}

TEST_F(IsometricTest, WithoutHiddenLineRemovalEveryRowIsWhole)
{
    PRJFRA(2);
    PRJHID(0);
    const int nx = 7, ny = 5;
    const std::vector<Polyline> lines = polylines(draw(nx, ny, bumps(nx, ny), 0));
    int alongX = 0, alongY = 0;
    for (const Polyline& l : lines) {
        alongX += l.x.size() == static_cast<size_t>(nx);
        alongY += l.x.size() == static_cast<size_t>(ny);
    }
    EXPECT_EQ(alongX, ny);
    EXPECT_EQ(alongY, nx);

    // With it on, a tall spike in the middle hides part of the rows behind it.
    PRJHID(1);
    std::vector<float> z(nx * ny, 0.0f);
    z[2 * nx + 3] = 50.0f;
    const std::vector<Polyline> hidden = polylines(draw(nx, ny, z, 0));
    int whole = 0;
    for (const Polyline& l : hidden) whole += l.x.size() == static_cast<size_t>(nx);
    EXPECT_LT(whole, ny);
}

// A plane falling away from the viewer as steeply as the rows rise in the picture: every node
// projects exactly onto the node before it in the row in front (the layout below makes the
// cell 16 and the height scale 8, both exact), so every point lies exactly on the horizon.
// Points on the horizon are seen: every row is drawn whole, as without hidden-line removal,
// and the grid turned to face each view draws the same picture in all four.
TEST_F(IsometricTest, PlaneOnTheHorizonEverywhereDrawsTheSameInEveryView)
{
    PRJFRA(2);
    HEIRAT(1.0f);
    PRJBND(100.0f, 400.0f, 100.0f, 212.0f);  // s = 112 / 2 = 56, c = 2 s / 7 = 16, h = 8
    const int nx = 5, ny = 4, top = nx + ny - 2;
    // base(i, j): the heights as view 0 sees them; i along x, j along y, from 0.
    auto base = [&](int i, int j) { return static_cast<float>(top - i - j); };
    auto turned = [&](int view) {
        // The grid of view v whose node under picture place (m, k) is base(m, k).
        const int gx = view % 2 == 0 ? nx : ny, gy = view % 2 == 0 ? ny : nx;
        std::vector<float> z(static_cast<size_t>(gx * gy));
        for (int j = 0; j < gy; ++j) {
            for (int i = 0; i < gx; ++i) {
                const float v[4] = {base(i, j), base(j, gx - 1 - i), base(gx - 1 - i, gy - 1 - j),
                                    base(gy - 1 - j, i)};
                z[static_cast<size_t>(j * gx + i)] = v[view];
            }
        }
        capture();
        ISOPRJ(gx, 0.0f, 1.0f, gy, 0.0f, 1.0f, z.data(), view, 20000, work.data());
        std::vector<std::string> log = calls();
        log.erase(std::remove_if(
                      log.begin(), log.end(),
                      [](const std::string& l) { return l.rfind("kernelSetRoutineName", 0) == 0; }),
                  log.end());
        return log;
    };
    const std::vector<std::string> front = turned(0);
    ASSERT_NEAR(surfaceState.projection.isoCell, 16.0f, 0.0f);
    ASSERT_NEAR(surfaceState.projection.zScale, 8.0f, 0.0f);
    for (const int view : {1, 2, 3}) EXPECT_EQ(turned(view), front) << "view " << view;
    PRJHID(0);
    EXPECT_EQ(turned(0), front);
    int alongX = 0, alongY = 0;
    for (const Polyline& l : polylines(front)) {
        alongX += l.x.size() == static_cast<size_t>(nx);
        alongY += l.x.size() == static_cast<size_t>(ny);
    }
    EXPECT_EQ(alongX, ny);
    EXPECT_EQ(alongY, nx);
}

TEST_F(IsometricTest, RowSinkingBehindItsOwnCellEndsAtItsLastSeenNode)
{
    // View 0, rows along x.  The back row stays high over its first two nodes and then drops:
    // its third node lies below the middle row's node at the same place.
    PRJFRA(2);
    const int nx = 4, ny = 3;
    const std::vector<float> z = {0, 0, 0, 0, 10, 10, 10, 10, 10, 10, 0, 0};
    auto backRow = [&](int mode) {
        PRJSEC(mode);
        const std::vector<Polyline> lines = polylines(draw(nx, ny, z, 0));
        float X = 0, Y = 0;
        surfaceState.drawing.code = kDrawingIsometric;
        surfaceProjectIsometric(1.0f / 3.0f, 1.0f, 10.0f, X, Y);  // its second node
        for (const Polyline& l : lines) {
            if (l.x.size() >= 2 && std::fabs(l.x[1] - X) < 1e-2 && std::fabs(l.y[1] - Y) < 1e-2)
                return l;
        }
        return Polyline{};
    };
    // Rows only: the run ends where the row passes under the horizon.
    const Polyline rowsOnly = backRow(1);
    ASSERT_EQ(rowsOnly.x.size(), 3u);
    // Both families: the cell's cross line closes the picture, the run ends at the node.
    const Polyline both = backRow(0);
    EXPECT_EQ(both.x.size(), 2u);
}

TEST_F(IsometricTest, FrontRowIsDrawnOnceWithBothPasses)
{
    const int nx = 6, ny = 5;
    const std::vector<float> z = bumps(nx, ny);
    PRJHID(0);  // every row whole, so that only the front rows can repeat
    auto wholeRows = [&](int baseType) {
        PRJFRA(baseType);
        int n = 0;
        for (const Polyline& l : polylines(draw(nx, ny, z, 0)))
            n += l.x.size() == static_cast<size_t>(nx);
        return n;
    };
    EXPECT_EQ(wholeRows(2), ny);
    EXPECT_EQ(wholeRows(4), ny);
    EXPECT_EQ(wholeRows(3), 2 * ny - 1);  // the front row of pass 2 is not drawn again
}

TEST_F(IsometricTest, CellsAreFilledFromTheBackOnlyWhenLinesAreHidden)
{
    PRJFRA(2);
    const int nx = 4, ny = 3;
    std::vector<float> codes((nx - 1) * (ny - 1));
    for (size_t k = 0; k < codes.size(); ++k) codes[k] = static_cast<float>(20 + k);
    auto fillColours = [&] {
        std::vector<std::string> out;
        std::string colour;
        for (const std::string& l : draw(nx, ny, bumps(nx, ny), 0, codes.data())) {
            if (l.rfind("kernelSetColour", 0) == 0) colour = l;
            if (l.rfind("kernelFillPolygon", 0) == 0) out.push_back(colour);
        }
        return out;
    };
    // View 0: the front cell is cell (1, 1), the back one (nx - 1, ny - 1).
    std::vector<std::string> back = fillColours();
    ASSERT_EQ(back.size(), codes.size());
    EXPECT_EQ(back.front(), "kernelSetColour 25");
    EXPECT_EQ(back.back(), "kernelSetColour 20");
    PRJHID(0);
    std::vector<std::string> front = fillColours();
    ASSERT_EQ(front.size(), codes.size());
    EXPECT_EQ(front.front(), "kernelSetColour 20");
    EXPECT_EQ(front.back(), "kernelSetColour 25");
}

TEST_F(IsometricTest, GridLineIntervalsAndDropLines)
{
    PRJFRA(1);
    PRJHID(0);
    PRJGRD(3, 2);
    const int nx = 10, ny = 7;
    const std::vector<float> z =
        grid(nx, ny, 0, 1, 0, 1, [](float x, float y) { return 1.0f + x + y; });
    const std::vector<Polyline> lines = polylines(draw(nx, ny, z, 0));
    int alongX = 0, alongY = 0, drops = 0;
    for (const Polyline& l : lines) {
        alongX += l.x.size() == static_cast<size_t>(nx);
        alongY += l.x.size() == static_cast<size_t>(ny);
        drops += l.x.size() == 2 && l.x[0] == l.x[1];
    }
    EXPECT_EQ(alongX, 4);  // y indices 1, 3, 5, 7
    EXPECT_EQ(alongY, 4);  // x indices 1, 4, 7, 10
    EXPECT_EQ(drops, 8);   // x indices 1, 4, 7, 10 and y indices 1, 3, 5, 7 of the front rows

    PRJGRD(12, 2);  // larger than the grid
    tarv::errorLogClear();
    draw(nx, ny, z, 0);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kClipped)}));
    EXPECT_EQ(surfaceState.surface.gridLinesOn, 0);
}

TEST_F(IsometricTest, WallsAndCellsAreFilledWithTheirCodes)
{
    const int nx = 5, ny = 4;
    const int pens[3] = {-1, 6, -1};  // first wall unfilled
    PRJBAS(0, pens);
    std::vector<std::string> log = draw(nx, ny, bumps(nx, ny), 0);
    EXPECT_EQ(count(log, "kernelFillPolygon"), 1);

    std::vector<float> codes((nx - 1) * (ny - 1), 3.0f);
    codes[0] = -1.0f;
    log = draw(nx, ny, bumps(nx, ny), 0, codes.data());
    EXPECT_EQ(count(log, "kernelFillPolygon"), 1 + (nx - 1) * (ny - 1) - 1);
    EXPECT_EQ(surfaceState.surface.fillPass, 0);
}

TEST_F(IsometricTest, LongWallIsFilledInPiecesThatMeetWithoutAGap)
{
    // A front row of 200 nodes needs several pieces; only that wall is filled.  Along the row
    // the picture x grows node by node, so the pieces' x spans must abut: together exactly as
    // wide as the whole wall.
    const int nx = 200, ny = 3;
    const int pens[3] = {5, -1, -1};
    PRJBAS(0, pens);
    const std::vector<std::string> log = draw(nx, ny, bumps(nx, ny), 0);
    EXPECT_TRUE(reported().empty());
    std::vector<std::pair<float, float>> spans;  // x extent of each piece
    for (const std::string& l : only(log, "kernelFillPolygon ")) {
        std::string cleaned = l.substr(l.find(' '));
        std::replace(cleaned.begin(), cleaned.end(), '[', ' ');
        std::replace(cleaned.begin(), cleaned.end(), ']', ' ');
        std::istringstream in(cleaned);
        std::vector<float> v;
        for (float f; in >> f;) v.push_back(f);
        const size_t n = static_cast<size_t>(v.back());
        ASSERT_EQ(v.size(), 3 + 2 * n + 1);
        const auto xs = v.begin() + 3;
        spans.emplace_back(*std::min_element(xs, xs + n), *std::max_element(xs, xs + n));
    }
    ASSERT_GE(spans.size(), 3u);
    std::sort(spans.begin(), spans.end());
    double covered = 0.0;
    for (size_t k = 0; k < spans.size(); ++k) {
        covered += spans[k].second - spans[k].first;
        if (k > 0) { EXPECT_EQ(spans[k].first, spans[k - 1].second) << "piece " << k; }
    }
    EXPECT_NEAR(covered, spans.back().second - spans.front().first, 1e-3);
}

TEST_F(IsometricTest, LongTitleIsSplitInTwoLines)
{
    PRJFRA(2);
    std::string title(150, 'T');
    TITSTR(title.c_str(), 120);
    const std::vector<std::string> texts = only(draw(4, 4, bumps(4, 4), 0), "kernelDrawText");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "kernelDrawText \"" + std::string(60, 'T') + "\"");
}

TEST_F(IsometricTest, LibraryWorkspaceBoundsTheGrid)
{
    const std::vector<float> big(60 * 60, 1.0f), fits(50 * 50, 1.0f);
    capture();
    GRDISO(60, 0, 1, 60, 0, 1, big.data(), 0);
    EXPECT_EQ(count(calls(), "kernelDrawLineTo"), 0);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kWorkspaceShort)}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "GRDISO");
    tarv::errorLogClear();
    capture();
    GRDISO(50, 0, 1, 50, 0, 1, fits.data(), 0);
    EXPECT_GT(count(calls(), "kernelDrawLineTo"), 0);

    // FUNISO samples on the current grid size, which an earlier picture may have made large.
    tarv::errorLogClear();
    surfaceState.grid.nx = 200;
    surfaceState.grid.ny = 200;
    FUNISO(
        0, 1, 0, 1, [](const float& x, const float&) { return x; }, 0);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kWorkspaceShort)}));
    // RANISO needs nine points.
    float x[8] = {}, y[8] = {}, zz[8] = {};
    RANISO(8, x, y, zz, 0);
    EXPECT_EQ(reported(),
              std::vector<int>({asReported(kWorkspaceShort), asReported(kTooFewPoints)}));
}

TEST_F(IsometricTest, PolylinesOnThePictureFollowItsNodes)
{
    PRJFRA(2);
    PRJHID(0);
    for (int view = 0; view < 4; ++view) {
        SCOPED_TRACE(view);
        const int nx = 4, ny = 3;
        const std::vector<float> z =
            grid(nx, ny, 0, 1, 0, 1, [](float x, float y) { return x * 3.0f + y; });
        const std::vector<Polyline> lines = polylines(draw(nx, ny, z, view));
        // Every node projected with the point transform lies on a vertex of a drawn line.
        for (int j = 0; j < ny; ++j) {
            for (int i = 0; i < nx; ++i) {
                float X = 0, Y = 0;
                ASSERT_TRUE(surfaceProjectIsometric(i / 3.0f, j / 2.0f, z[j * nx + i], X, Y));
                bool found = false;
                for (const Polyline& l : lines) {
                    for (size_t k = 0; k < l.x.size(); ++k)
                        found =
                            found || (std::fabs(l.x[k] - X) < 0.01 && std::fabs(l.y[k] - Y) < 0.01);
                }
                EXPECT_TRUE(found) << i << " " << j;
            }
        }
    }
}

}  // namespace

namespace {

TEST_F(IsometricTest, RightAxisIsTickedFromTheRightCorner)
{
    // Nine steps of 0.1 on each axis.  The x axis runs from the right corner to the front one,
    // so its long ticks and numbers start at 0.9; the y axis runs from the front corner out and
    // starts at 0.  Each number stands once.
    const int nx = 10, ny = 10;
    const std::vector<float> z =
        grid(nx, ny, 0.0f, 0.9f, 0.0f, 0.9f, [](float x, float y) { return x - y; });
    PRJSCA(0.1f, 0.1f, 0.0f);
    capture();
    ISOPRJ(nx, 0.0f, 0.9f, ny, 0.0f, 0.9f, z.data(), 0, 20000, work.data());
    const std::vector<std::string> texts = only(calls(), "kernelDrawText");
    auto has = [&](const std::string& t) {
        return std::find(texts.begin(), texts.end(), "kernelDrawText \"" + t + "\"") != texts.end();
    };
    for (const char* t : {"0.90", "0.70", "0.10", "0.00", "0.20", "0.80"}) EXPECT_TRUE(has(t)) << t;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "kernelDrawText \"0.90\""), 1);
}

}  // namespace

namespace {

TEST_F(IsometricTest, RowHiddenFromItsSecondNodeDrawsNothingThere)
{
    // View 0, rows along x only.  The back row starts high on a place no row before reached,
    // then drops behind the middle row at once: its first segment is hidden from its start.
    PRJFRA(2);
    PRJSEC(1);
    const int nx = 4, ny = 3;
    const std::vector<float> z = {0, 0, 0, 0, 10, 10, 10, 10, 10, 0, 0, 0};
    const std::vector<Polyline> lines = polylines(draw(nx, ny, z, 0));
    float X = 0, Y = 0;
    surfaceProjectIsometric(1.0f / 3.0f, 1.0f, 0.0f, X, Y);  // the back row's second node
    for (const Polyline& l : lines) {
        for (size_t k = 0; k < l.x.size(); ++k) {
            EXPECT_FALSE(std::fabs(l.x[k] - X) < 1e-2 && std::fabs(l.y[k] - Y) < 1e-2) << k;
        }
    }
}

}  // namespace
