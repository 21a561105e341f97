// hidden_lines_test.cpp - hidden-line removal on scenes whose visible parts are known: a flat
// plane shows every line, a ridge hides the lower lines behind it, a line rising above the
// ridge shows from the crossing on; grid-line steps hide as if every line were drawn; runs are
// drawn in blocks of 99 points; the outline store never writes past the workspace.
#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"
#include "surface/surface.h"

using namespace surflib;

namespace {

class HiddenLineTest : public PictureFixture {
protected:
    void SetUp() override
    {
        PictureFixture::SetUp();
        PRJFRA(2);  // no base edges and no axes: only the grid lines are drawn
    }

    std::vector<Polyline> draw(int nx, int ny, const std::vector<float>& z, float elevation,
                               float azimuth, int wsize = 20000)
    {
        work.assign(static_cast<size_t>(wsize), 0.0f);
        float d = 0.0f;
        capture();
        PERPRJ(nx, 0.0f, static_cast<float>(nx - 1), ny, 0.0f, static_cast<float>(ny - 1), z.data(),
               d, elevation, azimuth, wsize, work.data());
        return polylines(calls());
    }

    // The picture positions of row j (along x) of the grid.
    static Polyline projectedRow(int nx, int j, const std::vector<float>& z)
    {
        Polyline row;
        for (int i = 0; i < nx; ++i) {
            float X = 0, Y = 0;
            surfaceProjectPerspective(static_cast<float>(i), static_cast<float>(j), z[j * nx + i],
                                      X, Y);
            row.x.push_back(X);
            row.y.push_back(Y);
        }
        return row;
    }

    static double distanceTo(const Polyline& row, float X, float Y)
    {
        double best = 1e30;
        for (size_t k = 1; k < row.x.size(); ++k) {
            best = std::min(best,
                            segmentDistance(X, Y, row.x[k - 1], row.y[k - 1], row.x[k], row.y[k]));
        }
        return best;
    }

    std::vector<float> work;
};

TEST_F(HiddenLineTest, FlatPlaneSeenFromAboveShowsEveryLineWhole)
{
    const int nx = 6, ny = 5;
    const std::vector<float> z(nx * ny, 2.0f);
    std::vector<Polyline> lines = draw(nx, ny, z, 35.0f, 30.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFlatHeights)}));
    size_t alongX = 0, alongY = 0;
    for (const Polyline& l : lines) {
        if (l.x.size() == static_cast<size_t>(nx)) ++alongX;
        if (l.x.size() == static_cast<size_t>(ny)) ++alongY;
    }
    EXPECT_EQ(lines.size(), static_cast<size_t>(nx + ny));
    EXPECT_EQ(alongX, static_cast<size_t>(ny));
    EXPECT_EQ(alongY, static_cast<size_t>(nx));
}

// Rows along x over y = 0..4; row 2 is a ridge of height 10, the others lie at 0.
std::vector<float> ridge(int nx, float backRight)
{
    std::vector<float> z(nx * 5, 0.0f);
    for (int i = 0; i < nx; ++i) z[2 * nx + i] = 10.0f;
    z[4 * nx + nx - 1] = backRight;
    z[4 * nx + nx - 2] = backRight;
    return z;
}

TEST_F(HiddenLineTest, RidgeHidesTheLowerLinesBehindIt)
{
    const int nx = 9;
    PRJSEC(1);  // lines along x only
    const std::vector<float> z = ridge(nx, 0.0f);
    const std::vector<Polyline> lines = draw(nx, 5, z, 20.0f, 0.0f);
    ASSERT_EQ(surfaceState.surface.perspectiveSet, -1);
    EXPECT_EQ(lines.size(), 3u);  // rows 0, 1 and the ridge
    const Polyline row3 = projectedRow(nx, 3, z), row4 = projectedRow(nx, 4, z);
    for (const Polyline& l : lines) {
        for (size_t k = 0; k < l.x.size(); ++k) {
            EXPECT_GT(distanceTo(row3, l.x[k], l.y[k]), 0.5);
            EXPECT_GT(distanceTo(row4, l.x[k], l.y[k]), 0.5);
        }
    }
}

TEST_F(HiddenLineTest, LineRisingAboveTheRidgeShowsFromTheCrossingOn)
{
    const int nx = 9;
    PRJSEC(1);
    const std::vector<float> z = ridge(nx, 40.0f);
    const std::vector<Polyline> lines = draw(nx, 5, z, 20.0f, 0.0f);
    const Polyline row4 = projectedRow(nx, 4, z);
    std::vector<const Polyline*> onRow4;
    for (const Polyline& l : lines) {
        bool all = true;
        for (size_t k = 0; k < l.x.size(); ++k)
            all = all && distanceTo(row4, l.x[k], l.y[k]) < 0.05;
        if (all) onRow4.push_back(&l);
    }
    ASSERT_EQ(onRow4.size(), 1u);
    const Polyline& seen = *onRow4[0];
    // It ends at the high corner and starts between nodes 6 and 7, where it leaves the ridge.
    EXPECT_NEAR(seen.x.back(), row4.x[nx - 1], 0.01);
    EXPECT_NEAR(seen.y.back(), row4.y[nx - 1], 0.01);
    EXPECT_GT(seen.x.front(), std::min(row4.x[nx - 3], row4.x[nx - 2]) + 0.5);
    EXPECT_LT(seen.x.front(), std::max(row4.x[nx - 3], row4.x[nx - 2]) - 0.5);
}

TEST_F(HiddenLineTest, FloorSeenFromBelowHidesWhatLiesBehindIt)
{
    const int nx = 7, ny = 6;
    std::vector<float> z(nx * ny);
    for (int k = 0; k < nx * ny; ++k) z[k] = 1.0f + 0.2f * static_cast<float>(k % nx);
    PRJFRA(1);
    size_t open = 0;
    for (const Polyline& l : draw(nx, ny, z, -30.0f, 40.0f)) open += l.x.size();
    const int pens[3] = {-1, -1, 5};
    PRJBAS(0, pens);
    capture();
    float d = 0.0f;
    work.assign(20000, 0.0f);
    PERPRJ(nx, 0.0f, 6.0f, ny, 0.0f, 5.0f, z.data(), d, -30.0f, 40.0f, 20000, work.data());
    const std::vector<std::string> log = calls();
    EXPECT_EQ(count(log, "kernelFillPolygon"), 1);
    size_t floored = 0;
    for (const Polyline& l : polylines(log)) floored += l.x.size();
    EXPECT_LT(floored, open);
}

TEST_F(HiddenLineTest, BaseTypeChoosesTheTopTheUndersideOrBoth)
{
    // A shelf at the front and a drop far behind it: the lines beyond the drop pass below the
    // shelf's front edge, where only the underside of the surface can be seen.
    const int nx = 6, ny = 6;
    std::vector<float> z(nx * ny);
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) z[j * nx + i] = j <= 1 ? 0.0f : -40.0f;
    }
    auto drawnLength = [&](int baseType) {
        PRJFRA(baseType);
        double length = 0.0;
        for (const Polyline& l : draw(nx, ny, z, 30.0f, 35.0f)) {
            for (size_t k = 1; k < l.x.size(); ++k)
                length += std::hypot(l.x[k] - l.x[k - 1], l.y[k] - l.y[k - 1]);
        }
        return length;
    };
    const double top = drawnLength(2), both = drawnLength(3), under = drawnLength(4);
    EXPECT_GT(both, top + 1.0);
    EXPECT_GT(both, under + 1.0);
    EXPECT_GT(under, 0.0);
}

TEST_F(HiddenLineTest, GridLineStepDrawsASubsetHiddenAsIfAllWereDrawn)
{
    const int nx = 11, ny = 9;
    std::vector<float> z(nx * ny);
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i)
            z[j * nx + i] = std::sin(0.9f * i) * std::cos(0.7f * j) * 3.0f + 0.3f * j;
    }
    auto keyed = [](const std::vector<Polyline>& lines) {
        std::set<std::string> out;
        for (const Polyline& l : lines) {
            std::string s;
            for (size_t k = 0; k < l.x.size(); ++k)
                s += std::to_string(l.x[k]) + "," + std::to_string(l.y[k]) + ";";
            out.insert(s);
        }
        return out;
    };
    const std::set<std::string> every = keyed(draw(nx, ny, z, 30.0f, 60.0f));
    PRJGRD(2, 2);
    const std::set<std::string> second = keyed(draw(nx, ny, z, 30.0f, 60.0f));
    EXPECT_FALSE(second.empty());
    EXPECT_LT(second.size(), every.size());
    for (const std::string& s : second) EXPECT_TRUE(every.count(s)) << s;
}

TEST_F(HiddenLineTest, LongRunsAreDrawnInBlocksOf99WithTheLastPointCarried)
{
    surfaceHiddenRunStart();
    capture();
    for (int k = 0; k < 150; ++k)
        surfaceHiddenRunAdd(static_cast<float>(k), static_cast<float>(k % 7));
    surfaceHiddenRunEnd();
    const std::vector<Polyline> lines = polylines(calls());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x.size(), 99u);
    EXPECT_EQ(lines[1].x.size(), 52u);
    EXPECT_EQ(lines[1].x[0], 98.0f);
    EXPECT_EQ(lines[1].x.back(), 149.0f);

    // The same through a whole picture: a flat line of 150 nodes.
    const int nx = 150, ny = 2;
    PRJSEC(1);
    const std::vector<Polyline> drawn =
        draw(nx, ny, std::vector<float>(nx * ny, 1.0f), 30.0f, 20.0f);
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].x.size(), 99u);
    EXPECT_EQ(drawn[1].x.size(), 52u);
    EXPECT_EQ(drawn[1].x[0], drawn[0].x.back());
}

TEST_F(HiddenLineTest, ShortWorkspacesAreRefusedOrCutWithoutWritingPastThem)
{
    const int nx = 12, ny = 10, m = 12;
    std::vector<float> z(nx * ny);
    for (int k = 0; k < nx * ny; ++k) z[k] = static_cast<float>((k * 7919) % 13);
    // One word short of three outline lengths: refused before anything is drawn.
    const int tooShort = nx * ny + 10 * m + 8 * 3 * m - 1;
    std::vector<Polyline> lines = draw(nx, ny, z, 30.0f, 30.0f, tooShort);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kWorkspaceShort)}));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(surfaceState.drawing.code, kDrawingNone);
    EXPECT_EQ(surfaceState.surface.perspectiveSet, 0);

    // Just large enough on a rugged surface: the outline may fill up (error 37), and every word
    // after the workspace stays as it was.
    tarv::errorLogClear();
    const int exact = tooShort + 1;
    std::vector<float> guarded(static_cast<size_t>(exact) + 64, 12345.0f);
    float d = 0.0f;
    PERPRJ(nx, 0.0f, 11.0f, ny, 0.0f, 9.0f, z.data(), d, 30.0f, 30.0f, exact, guarded.data());
    for (size_t k = exact; k < guarded.size(); ++k) ASSERT_EQ(guarded[k], 12345.0f) << k;
    for (int n : reported()) EXPECT_TRUE(n == asReported(kOutlineFull)) << n;
}

}  // namespace

namespace {

TEST_F(HiddenLineTest, EdgePenGoesToTheEdgeLinesOfASplitWalk)
{
    const int nx = 8, ny = 6;
    const std::vector<float> z(nx * ny, 1.0f);
    PRJLIN(1, 22, 33);
    PRJSEC(2);  // the lines along y only, one per x node: the eye stands over the x range
    work.assign(20000, 0.0f);
    float d = 0.0f;
    capture();
    PERPRJ(nx, 0.0f, 7.0f, ny, 0.0f, 5.0f, z.data(), d, 30.0f, 0.5f, 20000, work.data());
    ASSERT_EQ(surfaceState.projection.splitWalk, -1);
    // Each line selects its pen before it is drawn: the pen of every drawn line, by the line's
    // place from left to right.  The walk runs from under the eye out to both edges, and only
    // the two edge lines take the edge pen.
    std::vector<std::pair<float, int>> lines;  // mean X of a line, its colour
    int colour = 0;
    float sum = 0.0f;
    int points = 0;
    auto close = [&] {
        if (points > 1) lines.emplace_back(sum / points, colour);
        sum = 0.0f;
        points = 0;
    };
    for (const std::string& l : calls()) {
        std::istringstream in(l);
        std::string op;
        float x = 0.0f;
        in >> op;
        if (op == "kernelSetColour") close(), in >> colour;
        if (op == "kernelMovePen") close();
        if (op == "kernelMovePen" || op == "kernelDrawLineTo") in >> x, sum += x, ++points;
    }
    close();
    ASSERT_EQ(lines.size(), static_cast<size_t>(nx));
    std::sort(lines.begin(), lines.end());
    for (int k = 0; k < nx; ++k)
        EXPECT_EQ(lines[k].second, k == 0 || k == nx - 1 ? 33 : 22) << "line " << k;
}

}  // namespace
