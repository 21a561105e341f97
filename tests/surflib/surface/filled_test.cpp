// filled_test.cpp - filled perspective surfaces, their profile, contour maps laid on them and
// polygons filled at a height.
#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"
#include "frame/map_transform.h"
#include "surface/surface.h"

using namespace surflib;

namespace {

class FilledSurfaceTest : public PictureFixture {
protected:
    static constexpr int kNx = 7, kNy = 6, kWords = 20000;
    std::vector<float> work = std::vector<float>(kWords, 0.0f);
    std::vector<float> z = grid(kNx, kNy, 0.0f, 3.0f, 0.0f, 2.0f, [](float x, float y) {
        return 5.0f + std::sin(x) * std::cos(y) * 3.0f;
    });
    std::vector<float> codes = std::vector<float>((kNx - 1) * (kNy - 1), 4.0f);

    void fill()
    {
        float d = 0.0f;
        PERFIL(kNx, 0.0f, 3.0f, kNy, 0.0f, 2.0f, z.data(), d, 30.0f, 35.0f, codes.data(), kWords,
               work.data());
    }

    // The calls PERAXE makes on the picture's axes with a workspace of wsize words (kWords:
    // the picture's own, whose outline hides what the surface covers).
    std::vector<std::string> axesDrawnWith(int wsize)
    {
        capture();
        PERAXE(wsize, work.data());
        return calls();
    }
};

TEST_F(FilledSurfaceTest, EveryCellIsFilledAndOutlined)
{
    codes[3] = -1.0f;  // left unfilled
    capture();
    fill();
    const std::vector<std::string> log = calls();
    EXPECT_EQ(count(log, "kernelFillPolygon"), (kNx - 1) * (kNy - 1) - 1);
    EXPECT_EQ(surfaceState.surface.perspectivePicture, -1);
    EXPECT_EQ(surfaceState.surface.fillMode, 0);
    EXPECT_TRUE(tarv::errorLog().empty());
}

TEST_F(FilledSurfaceTest, ProfileOutlinesThePicture)
{
    fill();
    std::vector<float> x(500), y(500);
    int n = 500;
    capture();
    PERPRO(n, x.data(), y.data(), 1, kWords, work.data());
    const std::vector<Polyline> drawn = polylines(calls());
    ASSERT_GT(n, 4);
    EXPECT_EQ(x[0], x[n - 1]);  // closed
    EXPECT_EQ(y[0], y[n - 1]);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].x.size(), static_cast<size_t>(n));
    // Every box corner of the grid's picture lies within the profile's extent.
    const ProjectionTerms& p = surfaceState.projection;
    const float lowX = *std::min_element(x.begin(), x.begin() + n);
    const float highX = *std::max_element(x.begin(), x.begin() + n);
    EXPECT_NEAR(lowX, p.frameX, 0.05f * p.frameWidth);
    EXPECT_NEAR(highX, p.frameX + p.frameWidth, 0.05f * p.frameWidth);

    // Too small, cut, another workspace.
    n = 4;
    PERPRO(n, x.data(), y.data(), 0, kWords, work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kProfileTooSmall)}));
    EXPECT_EQ(n, 0);
    tarv::errorLogClear();
    n = 6;
    PERPRO(n, x.data(), y.data(), 0, kWords, work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kTruncated)}));
    EXPECT_EQ(n, 6);
    tarv::errorLogClear();
    n = 100;
    PERPRO(n, x.data(), y.data(), 3, kWords - 1, work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoDrawingToAddTo)}));
    EXPECT_EQ(n, -1);
}

// The profile is the top of the picture whatever the base type: closed over the base corners
// that bound the picture below where a base is drawn, over the surface's lower edge where none
// is, the underside-only picture included.
TEST_F(FilledSurfaceTest, ProfileIsTheTopOfThePictureClosedOverTheBaseOrTheSurface)
{
    std::vector<float> x(500), y(500);
    auto profile = [&](int baseType, float elevation, float azimuth) {
        PRJFRA(baseType);
        float d = 0.0f;
        PERFIL(kNx, 0.0f, 3.0f, kNy, 0.0f, 2.0f, z.data(), d, elevation, azimuth, codes.data(),
               kWords, work.data());
        int n = 500;
        PERPRO(n, x.data(), y.data(), 0, kWords, work.data());
        return n;
    };
    const struct {
        int baseType;
        float elevation, azimuth;
        std::vector<int> corners;  // none: no base corner anywhere in the profile
    } cases[] = {
        {0, 30.0f, 35.0f, {2, 1, 0}},   // from above: the front base edges
        {0, -30.0f, 35.0f, {2, 3, 0}},  // from below: the back ones
        {2, 30.0f, 35.0f, {}},          // no base
        {3, 30.0f, 35.0f, {}},          // top and underside
        {4, 30.0f, 35.0f, {}},          // underside only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("base " + std::to_string(c.baseType) + " elevation " +
                     std::to_string(c.elevation));
        const int n = profile(c.baseType, c.elevation, c.azimuth);
        ASSERT_GT(n, static_cast<int>(c.corners.size()) + 2);
        const float(*b)[2] = surfaceState.projection.boxCorners;
        for (size_t k = 0; k < c.corners.size(); ++k) {
            EXPECT_FLOAT_EQ(x[k + 1], b[c.corners[k]][0]) << k;
            EXPECT_FLOAT_EQ(y[k + 1], b[c.corners[k]][1]) << k;
        }
        if (c.corners.empty()) {
            for (int k = 0; k < n; ++k) {
                for (int corner = 0; corner < 4; ++corner)
                    EXPECT_FALSE(x[k] == b[corner][0] && y[k] == b[corner][1]) << k;
            }
        } else {
            // The outline goes on from the end nearer corner 1.
            const size_t after = c.corners.size() + 1;
            const double gapNear = std::hypot(x[after] - b[0][0], y[after] - b[0][1]);
            const double gapFar = std::hypot(x[n - 1] - b[0][0], y[n - 1] - b[0][1]);
            EXPECT_LE(gapNear, gapFar);
        }
        EXPECT_EQ(x[0], x[n - 1]);
        EXPECT_EQ(y[0], y[n - 1]);
        // The outline is the top of the picture, whichever side it is seen from.
        float highest = -1e30f;
        for (int j = 0; j < kNy; ++j) {
            for (int i = 0; i < kNx; ++i) {
                float X = 0, Y = 0;
                PERSPA(3.0f * i / (kNx - 1), 2.0f * j / (kNy - 1), z[j * kNx + i], X, Y);
                highest = std::max(highest, Y);
            }
        }
        EXPECT_NEAR(*std::max_element(y.begin(), y.begin() + n), highest, 0.5f);
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(FilledSurfaceTest, ProfileNeedsAFilledSurface)
{
    float d = 0.0f;
    PERPRJ(kNx, 0.0f, 3.0f, kNy, 0.0f, 2.0f, z.data(), d, 30.0f, 35.0f, kWords, work.data());
    std::vector<float> x(50), y(50);
    int n = 50;
    PERPRO(n, x.data(), y.data(), 0, kWords, work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoDrawingToAddTo)}));
    EXPECT_EQ(n, -1);
}

TEST_F(FilledSurfaceTest, ContourHeightIsCheckedAgainstThePicture)
{
    CONPER(1, 5.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoProjectedPicture)}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "krSetContourMapHeight(CONPER)");
    tarv::errorLogClear();
    fill();
    const SurfaceSettings& s = surfaceState.surface;
    CONPER(3, 6.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kBadSwitch)}));
    EXPECT_EQ(s.contourOnSurface, -1);
    EXPECT_FLOAT_EQ(s.contourHeight, 6.0f);
    CONPER(1, 100.0f);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kBadSwitch), asReported(kHeightOutside)}));
    EXPECT_FLOAT_EQ(s.contourHeight, s.pictureZLow);
    CONPER(0, 1e30f);  // off, the height is not looked at
    EXPECT_EQ(reported().size(), 2u);
    EXPECT_EQ(s.contourOnSurface, 0);
}

TEST_F(FilledSurfaceTest, ContourMapOnThePictureKeepsItsProjection)
{
    // Heights 0.3 .. 9.7: the picture's z axis runs over whole ticks beyond the data.
    z = grid(kNx, kNy, 0.0f, 3.0f, 0.0f, 2.0f,
             [](float x, float y) { return 5.0f + std::sin(x) * std::cos(y) * 4.7f; });
    for (const bool surfaceFrame : {false, true}) {
        SCOPED_TRACE(surfaceFrame ? "surface frame" : "default frame");
        SURF();
        if (surfaceFrame) PRJBND(100.0f, 800.0f, 80.0f, 520.0f);
        fill();
        const ProjectionTerms before = surfaceState.projection;
        CONPER(1, 5.0f);
        std::vector<float> mapWork(20000, 0.0f);
        capture();
        DRACON(kNx, 0.0f, 3.0f, kNy, 0.0f, 2.0f, z.data(), 5, 1, 20000, mapWork.data());
        EXPECT_GT(count(calls(), "kernelDrawLineTo"), 0);
        const ProjectionTerms& after = surfaceState.projection;
        EXPECT_FLOAT_EQ(after.zOrigin, before.zOrigin);
        EXPECT_FLOAT_EQ(after.scaleX, before.scaleX);
        EXPECT_FLOAT_EQ(after.rawXMin, before.rawXMin);
        EXPECT_FLOAT_EQ(after.rawYMin, before.rawYMin);
        EXPECT_FLOAT_EQ(after.vanishY, before.vanishY);
    }
}

// An isometric picture after a contour map was laid on a filled perspective one leaves no plane
// for the map to lie on: the next map is drawn flat, as after the isometric picture alone,
// within the picture space.
TEST_F(FilledSurfaceTest, ContourMapAfterAnIsometricPictureIsDrawnFlat)
{
    const auto isometric = [this] {
        ISOPRJ(kNx, 0.0f, 3.0f, kNy, 0.0f, 2.0f, z.data(), 1, kWords, work.data());
    };
    const auto mapAfter = [this](const std::function<void()>& pictures) {
        SURF();
        pictures();
        std::vector<float> mapWork(20000, 0.0f);
        capture();
        DRACON(kNx, 0.0f, 3.0f, kNy, 0.0f, 2.0f, z.data(), 5, 1, 20000, mapWork.data());
        return calls();
    };
    const std::vector<std::string> flat = mapAfter(isometric);
    const std::vector<std::string> after = mapAfter([&] {
        fill();
        CONPER(1, 5.0f);
        isometric();
    });
    EXPECT_EQ(surfaceState.surface.contourOnSurface, 0);
    EXPECT_EQ(after, flat);
    float space[4] = {0, 0, 0, 0};
    int status = 0;
    kernelEnquirePictureSpace(status, 1, 4, space);
    int outside = 0;
    for (const std::string& line : after) {
        if (line.rfind("kernelMovePen ", 0) != 0 && line.rfind("kernelDrawLineTo ", 0) != 0)
            continue;
        float x = 0, y = 0;
        std::sscanf(line.c_str() + line.find(' '), "%f %f", &x, &y);
        if (!(x >= space[0] && x <= space[1] && y >= space[2] && y <= space[3])) ++outside;
    }
    EXPECT_EQ(outside, 0);
}

TEST_F(FilledSurfaceTest, LongPolygonIsFilledAsAFanFromItsFirstPoint)
{
    fill();
    const int n = 200;
    std::vector<float> x(n), y(n);
    for (int k = 0; k < n; ++k) {
        const double a = 6.2831853 * k / n;
        x[k] = static_cast<float>(1.5 + std::cos(a));
        y[k] = static_cast<float>(1.0 + 0.8 * std::sin(a));
    }
    capture();
    COPPRJ(n, x.data(), y.data(), 6.0f, 3);
    const std::vector<std::string> fills = only(calls(), "kernelFillPolygon");
    ASSERT_EQ(fills.size(), 3u);
    float X0 = 0, Y0 = 0;
    surfaceProjectPoint(x[0], y[0], 6.0f, X0, Y0);
    char first[64];
    std::snprintf(first, sizeof first, "[%g ", X0);
    for (const std::string& f : fills) EXPECT_NE(f.find(first), std::string::npos) << f;

    capture();
    COPPRJ(n, x.data(), y.data(), 5.5f, -1);
    EXPECT_EQ(count(calls(), "kernelFillPolygon"), 0);
    EXPECT_FLOAT_EQ(surfaceState.surface.contourHeight, 5.5f);
}

// Numbers on the back edges of a filled perspective stand beyond the box, where the surface
// covers none of them: all are drawn, at the same places as when there is no outline to test
// them against (another workspace than the picture's).
TEST_F(FilledSurfaceTest, AxisNumbersTheSurfaceDoesNotCoverAreDrawnWhateverTheWorkspace)
{
    fill();
    const int styles[6] = {1, 1, 1, 1, 1, 1}, sides[6] = {0, 0, 0, 0, 0, 0};
    PRJAXI(styles, sides);
    auto numbers = [&](int wsize) {
        std::vector<std::string> out;
        for (const std::string& l : axesDrawnWith(wsize)) {
            if (l.rfind("kernelDrawText", 0) == 0 || l.rfind("kernelSetTextPosition", 0) == 0)
                out.push_back(l);
        }
        return out;
    };
    const std::vector<std::string> picture = numbers(kWords), free = numbers(kWords - 1);
    ASSERT_FALSE(free.empty());
    EXPECT_EQ(picture, free);
    EXPECT_TRUE(reported().empty());
}

TEST_F(FilledSurfaceTest, WallGridsBehindTheSurfaceAreHidden)
{
    // A tall hill in front of the back walls.
    z = grid(kNx, kNy, 0.0f, 3.0f, 0.0f, 2.0f, [](float x, float y) {
        return 40.0f * std::exp(-3.0f * ((x - 1.5f) * (x - 1.5f) + (y - 1.0f) * (y - 1.0f)));
    });
    const int styles[6] = {2, 2, 2, 0, 0, 0}, sides[6] = {0, 0, 0, 0, 0, 0};
    PRJAXI(styles, sides);
    auto drawnLength = [&](int wsize) {
        double length = 0.0;
        for (const Polyline& l : polylines(axesDrawnWith(wsize))) {
            for (size_t k = 1; k < l.x.size(); ++k)
                length += std::hypot(l.x[k] - l.x[k - 1], l.y[k] - l.y[k - 1]);
        }
        return length;
    };
    // No base, the top and the underside, the underside only: the outline is the picture's
    // whichever sides are drawn, and the hill hides part of the walls.
    for (const int baseType : {2, 3, 4}) {
        SCOPED_TRACE(baseType);
        PRJFRA(baseType);
        fill();
        // Another workspace than the picture's has no outline to clip against: drawn whole.
        const double whole = drawnLength(kWords - 1);
        const double clipped = drawnLength(kWords);
        EXPECT_GT(clipped, 0.2 * whole);
        EXPECT_LT(clipped, 0.95 * whole);
    }
}

// The cells are filled from the back to the front on a grid that is not square: the surface
// turned a quarter turn (its grid transposed, one way reversed) and seen from the view turned
// with it gives the same picture, but for the edges of cells that two orders outline in turn.
// A steep ridge across the grid, seen from where the eye lies beside the cells along x (30,
// 150) or along y (268, 300), shows cells filled out of order.
TEST_F(FilledSurfaceTest, NonSquareGridGivesThePictureOfItsQuarterTurn)
{
    constexpr int nx = 41, ny = 11;
    const std::vector<float> heights = grid(nx, ny, -4.0f, 4.0f, -1.0f, 1.0f, [](float x, float y) {
        return 10.0f * std::exp(-20.0f * (y - 0.25f * x) * (y - 0.25f * x));
    });
    std::vector<float> cellCodes((nx - 1) * (ny - 1));
    for (int j = 0; j < ny - 1; ++j)
        for (int i = 0; i < nx - 1; ++i) cellCodes[j * (nx - 1) + i] = 2.0f + (i + j) % 3;
    // Node (i, j) of the turned grid is node (nx - 1 - j, i) of the first, cell (i, j) its cell
    // (nx - 2 - j, i).
    std::vector<float> turned(heights.size()), turnedCodes(cellCodes.size());
    for (int j = 0; j < nx; ++j)
        for (int i = 0; i < ny; ++i) turned[j * ny + i] = heights[i * nx + (nx - 1 - j)];
    for (int j = 0; j < nx - 1; ++j)
        for (int i = 0; i < ny - 1; ++i)
            turnedCodes[j * (ny - 1) + i] = cellCodes[i * (nx - 1) + (nx - 2 - j)];

    const std::string png = (std::filesystem::path(::testing::TempDir()) /
                             ("surflib_turned_" + std::to_string(getpid()) + ".png"))
                                .string();
    int width = 0, height = 0;
    auto picture = [&](int cols, float x0, float x1, int rows, float y0, float y1,
                       const std::vector<float>& h, const std::vector<float>& c, float azimuth) {
        kernelSelectOutput(png.c_str(), static_cast<int>(png.size()));
        kernelOpenDevice();
        PRJFRA(2);
        float d = 0.0f;
        PERFIL(cols, x0, x1, rows, y0, y1, h.data(), d, 30.0f, azimuth, c.data(), kWords,
               work.data());
        kernelCloseDevice();
        std::vector<uint32_t> pixels;
        cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
        std::filesystem::remove(png);
        if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
            width = cairo_image_surface_get_width(s);
            height = cairo_image_surface_get_height(s);
            const int stride = cairo_image_surface_get_stride(s);
            const unsigned char* data = cairo_image_surface_get_data(s);
            pixels.resize(static_cast<size_t>(width) * height);
            for (int r = 0; r < height; ++r)
                std::memcpy(&pixels[static_cast<size_t>(r) * width], data + r * stride, 4 * width);
        }
        cairo_surface_destroy(s);
        return pixels;
    };
    auto near = [](uint32_t a, uint32_t b) {
        for (int shift = 0; shift < 24; shift += 8) {
            if (std::abs(static_cast<int>(a >> shift & 255) - static_cast<int>(b >> shift & 255)) >
                100)
                return false;
        }
        return true;
    };
    // The pixels of a with no pixel of nearly their colour in b at most one pixel away.
    auto unmatched = [&](const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
        int n = 0;
        for (int r = 0; r < height; ++r) {
            for (int c = 0; c < width; ++c) {
                bool found = false;
                for (int rr = std::max(r - 1, 0); rr <= std::min(r + 1, height - 1); ++rr)
                    for (int cc = std::max(c - 1, 0); cc <= std::min(c + 1, width - 1); ++cc)
                        found = found || near(a[r * width + c], b[rr * width + cc]);
                n += !found;
            }
        }
        return n;
    };
    for (const float azimuth : {30.0f, 150.0f, 268.0f, 300.0f}) {
        SCOPED_TRACE(azimuth);
        const std::vector<uint32_t> first =
            picture(nx, -4.0f, 4.0f, ny, -1.0f, 1.0f, heights, cellCodes, azimuth);
        const std::vector<uint32_t> second =
            picture(ny, -1.0f, 1.0f, nx, -4.0f, 4.0f, turned, turnedCodes, azimuth + 90.0f);
        ASSERT_FALSE(first.empty());
        ASSERT_EQ(first.size(), second.size());
        const auto blank = std::count_if(first.begin(), first.end(),
                                         [](uint32_t v) { return (v & 0xFFFFFF) == 0xFFFFFF; });
        EXPECT_GT(first.size() - blank, 30000u);  // the picture is there
        EXPECT_LT(unmatched(first, second), 20);
    }
    EXPECT_TRUE(reported().empty());
}

// A surface floating above its floor, seen from above: the grid lines of the floor and the back
// walls are hidden where the picture of a cell covers them and drawn everywhere else, below the
// surface's lower edge as well as beside and above it.
TEST_F(FilledSurfaceTest, WallGridsAreHiddenExactlyWhereAFloatingSurfaceCoversThem)
{
    z = grid(kNx, kNy, 0.0f, 3.0f, 0.0f, 2.0f, [](float x, float y) {
        return 8.0f + std::sin(2.0f * x) * std::cos(2.0f * y) * 2.0f;
    });
    float d = 0.0f;
    PERSET(0.0f, 3.0f, 0.0f, 2.0f, 0.0f, 14.0f, d, 30.0f, 35.0f);  // the floor at height 0
    const int styles[6] = {2, 2, 0, 0, 0, 0}, sides[6] = {0, 0, 0, 0, 0, 0};
    PRJAXI(styles, sides);
    fill();
    // The picture of every cell.
    auto quad = [&](const float(&xs)[4], const float(&ys)[4], const float(&hs)[4]) {
        Polyline q{std::vector<float>(4), std::vector<float>(4)};
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(surfaceProjectPerspective(xs[k], ys[k], hs[k], q.x[k], q.y[k]));
        return q;
    };
    std::vector<Polyline> cells;
    const float dx = 3.0f / (kNx - 1), dy = 2.0f / (kNy - 1);
    for (int j = 0; j + 1 < kNy; ++j) {
        for (int i = 0; i + 1 < kNx; ++i) {
            auto h = [&](int a, int b) { return z[static_cast<size_t>((j + b) * kNx + i + a)]; };
            cells.push_back(quad({i * dx, (i + 1) * dx, (i + 1) * dx, i * dx},
                                 {j * dy, j * dy, (j + 1) * dy, (j + 1) * dy},
                                 {h(0, 0), h(1, 0), h(1, 1), h(0, 1)}));
        }
    }
    auto inside = [](const Polyline& q, double X, double Y) {
        bool in = false;
        for (size_t a = 0, b = q.x.size() - 1; a < q.x.size(); b = a++) {
            if ((q.y[a] > Y) != (q.y[b] > Y) &&
                X < q.x[a] + (q.x[b] - q.x[a]) * (Y - q.y[a]) / (q.y[b] - q.y[a]))
                in = !in;
        }
        return in;
    };
    auto covered = [&](double X, double Y) {
        return std::any_of(cells.begin(), cells.end(),
                           [&](const Polyline& c) { return inside(c, X, Y); });
    };
    // Covered or not, the same two pixels round the point.
    auto clearly = [&](double X, double Y, bool& hidden) {
        hidden = covered(X, Y);
        for (const double o : {-2.0, 2.0}) {
            if (covered(X + o, Y) != hidden || covered(X, Y + o) != hidden) return false;
        }
        return true;
    };
    // The grid lines drawn whole with another workspace than the picture's (no outline to hide
    // them against), segment by segment.
    std::vector<Polyline> gridLines;
    for (const Polyline& l : polylines(axesDrawnWith(kWords - 1))) {
        for (size_t k = 1; k < l.x.size(); ++k)
            gridLines.push_back({{l.x[k - 1], l.x[k]}, {l.y[k - 1], l.y[k]}});
    }
    ASSERT_GE(gridLines.size(), 20u);
    const std::vector<Polyline> pieces = polylines(axesDrawnWith(kWords));
    // A point of a grid line is drawn when a piece on that line passes over it.
    auto drawn = [&](const Polyline& line, double X, double Y) {
        for (const Polyline& p : pieces) {
            for (size_t k = 1; k < p.x.size(); ++k) {
                if (segmentDistance(p.x[k - 1], p.y[k - 1], line.x[0], line.y[0], line.x[1],
                                    line.y[1]) < 0.5 &&
                    segmentDistance(p.x[k], p.y[k], line.x[0], line.y[0], line.x[1], line.y[1]) <
                        0.5 &&
                    segmentDistance(X, Y, p.x[k - 1], p.y[k - 1], p.x[k], p.y[k]) < 0.5)
                    return true;
            }
        }
        return false;
    };
    int hiddenPoints = 0, seenPoints = 0, seenBelow = 0, wrong = 0;
    float lowest = 1e9f;  // the surface's lowest picture point
    for (const Polyline& c : cells)
        lowest = std::min(lowest, *std::min_element(c.y.begin(), c.y.end()));
    for (const Polyline& line : gridLines) {
        for (int k = 0; k < 40; ++k) {
            const double t = (k + 0.5) / 40.0;
            const double X = line.x[0] + t * (line.x[1] - line.x[0]);
            const double Y = line.y[0] + t * (line.y[1] - line.y[0]);
            bool hidden = false;
            if (!clearly(X, Y, hidden)) continue;
            if (drawn(line, X, Y) == hidden && wrong++ == 0)
                ADD_FAILURE() << (hidden ? "drawn under the surface at " : "left out at ") << X
                              << ", " << Y;
            hiddenPoints += hidden;
            seenPoints += !hidden;
            seenBelow += !hidden && Y < lowest;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(hiddenPoints, 100);
    EXPECT_GT(seenBelow, 100);  // lower in the picture than any point of the surface
    EXPECT_GT(seenPoints - seenBelow, 100);
    EXPECT_TRUE(reported().empty());
}

}  // namespace
