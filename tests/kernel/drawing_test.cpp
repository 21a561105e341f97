// What the drawing operations put on a raster: arcs, fills, markers, colours, line styles, and
// non-finite coordinates left out.
#include <cmath>
#include <numbers>
#include <set>
#include <vector>

#include "kernel_fixture.h"

namespace {

using KernelDrawing = KernelTest;

constexpr double kDiag = 70.71;  // 100 * cos 45

TEST_F(KernelDrawing, ArcDirectionAndFullCircle)
{
    struct Case {
        const char* name;
        float endX, endY;
        int direction;
        bool ne, nw, sw, se;  // which diagonal points of the circle get ink
    };
    // Start east of the centre (500, 375), radius 100.
    const std::vector<Case> cases = {
        {"anticlockwise to north", 500, 475, 1, true, false, false, false},
        {"clockwise to north", 500, 475, 0, false, true, true, true},
        {"clockwise to south", 500, 275, 0, false, false, false, true},
        {"anticlockwise full circle", 600, 375, 1, true, true, true, true},
        {"clockwise full circle", 650, 375, 0, true, true, true, true},  // same direction
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas;
        kernelMovePen(600.0f, 375.0f);
        kernelDrawArc(500.0f, 375.0f, c.endX, c.endY, c.direction);
        EXPECT_EQ(canvas.inkedNear(500 + kDiag, 375 + kDiag), c.ne);
        EXPECT_EQ(canvas.inkedNear(500 - kDiag, 375 + kDiag), c.nw);
        EXPECT_EQ(canvas.inkedNear(500 - kDiag, 375 - kDiag), c.sw);
        EXPECT_EQ(canvas.inkedNear(500 + kDiag, 375 - kDiag), c.se);
        float x, y, u;
        kernelEnquirePenPosition(x, y, u);
        double a = std::atan2(c.endY - 375.0, c.endX - 500.0);
        EXPECT_NEAR(x, 500 + 100 * std::cos(a), 1e-3);  // the end point on the circle
        EXPECT_NEAR(y, 375 + 100 * std::sin(a), 1e-3);
    }
}

TEST_F(KernelDrawing, PartialArcIsDrawnUpToItsEndPoint)
{
    // A flat arc of radius 1000 (centre below the canvas) sweeps 20 degrees in few long steps:
    // the ink must reach the end point on the circle, in either direction.
    constexpr double kCx = 500, kCy = -600, kR = 1000;
    const double a80 = 80 * std::numbers::pi / 180, a100 = 100 * std::numbers::pi / 180;
    const struct {
        double from, to;
        int direction;
    } cases[] = {{a80, a100, 1}, {a100, a80, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.direction);
        Canvas canvas;
        kernelMovePen(static_cast<float>(kCx + kR * std::cos(c.from)),
                      static_cast<float>(kCy + kR * std::sin(c.from)));
        kernelDrawArc(static_cast<float>(kCx), static_cast<float>(kCy),
                      static_cast<float>(kCx + kR * std::cos(c.to)),
                      static_cast<float>(kCy + kR * std::sin(c.to)), c.direction);
        // Points on the circle just short of the end, and the end itself.
        for (double back : {0.0, 0.001, 0.003}) {
            const double a = c.to + (c.to > c.from ? -back : back);
            EXPECT_TRUE(canvas.inkedNear(kCx + kR * std::cos(a), kCy + kR * std::sin(a), 1))
                << "no ink " << back << " radians before the end";
        }
    }
}

// Circles far larger than the picture, most of them far off it, each with a point of the
// picture it passes through (or within a unit of): only the rings that miss the picture by
// more than the line's width may be left out.
TEST_F(KernelDrawing, HugeCirclesDrawWhereTheyCrossThePicture)
{
    struct Case {
        const char* name;
        float cx, cy, r;
        double x, y;  // on the circle, in the picture
    };
    const Case cases[] = {
        {"centre far below, through the middle", 500, -1.0e6f, 1.0e6f + 375, 500, 375},
        {"centre far below, near the left edge", 500, -1.0e6f, 1.0e6f + 375, 20, 375},
        {"centre far left, grazing the left edge", -1.0e6f, 375, 1.0e6f + 1, 1, 375},
        {"centre in the middle, through a corner", 500, 375, 624, 2, 2},
        {"centre far off askew, through the middle", -3.0e5f, -4.0e5f, 500600.4f, 500, 375},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas;
        kernelMovePen(c.cx + c.r, c.cy);
        kernelDrawArc(c.cx, c.cy, c.cx + c.r, c.cy, 1);
        EXPECT_TRUE(canvas.inkedNear(c.x, c.y));
    }
}

TEST_F(KernelDrawing, MultiPolygonFillsEvenOdd)
{
    Canvas canvas;
    const int counts[3] = {4, 4, 3};
    const float x[11] = {100, 400, 400, 100, 200, 300, 300, 200, 600, 700, 650};
    const float y[11] = {100, 100, 400, 400, 200, 200, 300, 300, 100, 100, 200};
    kernelFillMultiPolygon(0, 2, 0, 3, counts, x, y);
    EXPECT_TRUE(canvas.inked(150, 150));   // between the boxes
    EXPECT_FALSE(canvas.inked(250, 250));  // the inner box is a hole
    EXPECT_TRUE(canvas.inked(650, 130));   // a separate boundary
    EXPECT_FALSE(canvas.inked(500, 250));
}

TEST_F(KernelDrawing, PolygonStartsAtTheCurrentPointAndLeavesIt)
{
    Canvas canvas;
    kernelMovePen(100.0f, 100.0f);
    const float x[2] = {300, 200}, y[2] = {100, 300};
    kernelFillPolygon(0, 0, 0, x, y, 2);
    EXPECT_TRUE(canvas.inked(200, 150));
    EXPECT_FALSE(canvas.inked(120, 280));
    float px, py, u;
    kernelEnquirePenPosition(px, py, u);
    EXPECT_EQ(px, 100.0f);
    EXPECT_EQ(py, 100.0f);
}

// A fill whose boundary has fewer than three corners encloses nothing: neither filled nor
// outlined, alone or beside a proper boundary.
TEST_F(KernelDrawing, FillsOfFewerThanThreeCornersDrawNothing)
{
    Canvas canvas;
    kernelMovePen(100.0f, 100.0f);
    const float x1[1] = {300}, y1[1] = {100};
    kernelFillPolygon(-1, 0, 0, x1, y1, 1);  // the current point and one vertex
    const float x2[3] = {300, 300, 100}, y2[3] = {300, 300, 100};
    kernelMovePen(100.0f, 100.0f);
    kernelFillPolygon(-1, 0, 0, x2, y2, 3);  // a repeated vertex, back to the start
    EXPECT_FALSE(canvas.inkedNear(200, 100));
    EXPECT_FALSE(canvas.inkedNear(200, 200));
    const int counts[2] = {2, 4};
    const float mx[6] = {600, 700, 600, 700, 700, 600}, my[6] = {500, 500, 100, 100, 200, 200};
    kernelFillMultiPolygon(0, 0, 0, 2, counts, mx, my);
    EXPECT_FALSE(canvas.inkedNear(650, 500));
    EXPECT_TRUE(canvas.inked(650, 150));
}

TEST_F(KernelDrawing, FillStylesAndPens)
{
    Canvas canvas;
    kernelSetColour(4);
    kernelFillBox(0, 0, 300, 300, 100, 100);   // corners in reverse order, pen 0
    kernelFillBox(0, 2, 400, 100, 600, 300);   // pen 2
    kernelFillBox(-1, 0, 700, 100, 900, 300);  // outline only
    kernelFillBox(5, 0, 100, 400, 300, 600);   // a hatch
    kernelFillBox(0, 3, 500, 500, 500, 600);   // degenerate: accepted
    kernelFillBox(-2, 0, 400, 400, 600, 600);  // below -1: nothing
    uint32_t blue = canvas.at(200, 200), red = canvas.at(500, 200);
    EXPECT_NE(blue, 0xFFFFFFu);
    EXPECT_NE(red, 0xFFFFFFu);
    EXPECT_NE(blue, red);
    EXPECT_FALSE(canvas.inked(800, 200));  // outline: inside stays white
    EXPECT_TRUE(canvas.inkedNear(700, 200, 1));
    int hatched = 0;
    for (int k = 0; k < 40; ++k) hatched += canvas.inked(150 + k, 500);
    EXPECT_GT(hatched, 0);
    EXPECT_LT(hatched, 40);  // lines with gaps, not solid
    EXPECT_FALSE(canvas.inked(500, 500 + 50));
}

TEST_F(KernelDrawing, PaletteHasSixteenDistinctColours)
{
    Canvas canvas;
    std::set<uint32_t> seen;
    for (int c = 0; c < 18; ++c) {
        float x0 = 20.0f + 50.0f * static_cast<float>(c);
        kernelSetColour(c);
        kernelFillBox(0, 0, x0, 100.0f, x0 + 40.0f, 200.0f);
        seen.insert(canvas.at(x0 + 20.0f, 150.0f));
    }
    EXPECT_EQ(canvas.at(40, 150), 0xFFFFFFu);  // colour 0 is the white background
    EXPECT_EQ(canvas.at(90, 150), 0x000000u);  // colour 1 black
    EXPECT_GE(seen.size(), 17u);
}

TEST_F(KernelDrawing, IndicesPastThePaletteRepeatItsColoursFromTwo)
{
    // The palette holds colours 0..17; index 18 is colour 2 again, so the period is 16 and
    // every index, however large, paints one of the table's colours.
    const struct {
        int index, same;
    } cases[] = {{16, 16},
                 {17, 17},
                 {18, 2},
                 {30, 14},
                 {33, 17},
                 {34, 2},
                 {-30, 14},
                 {18 + 16 * 1000, 2},
                 {2147483647, 2 + (2147483647 - 2) % 16}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        Canvas canvas;
        kernelSetColour(c.index);
        kernelFillBox(0, 0, 100.0f, 100.0f, 200.0f, 200.0f);
        kernelSetColour(c.same);
        kernelFillBox(0, 0, 300.0f, 100.0f, 400.0f, 200.0f);
        EXPECT_EQ(canvas.at(150, 150), canvas.at(350, 150));
        kernelSetColour(c.same + 1);  // a neighbour in the table differs
        kernelFillBox(0, 0, 500.0f, 100.0f, 600.0f, 200.0f);
        EXPECT_NE(canvas.at(150, 150), canvas.at(550, 150));
    }
}

TEST_F(KernelDrawing, DashedStylesLeaveGaps)
{
    for (int style : {0, 1, 2, -1}) {
        SCOPED_TRACE(style);
        Canvas canvas;
        if (style == -1) kernelSetDashPattern(10.0f, 10.0f, 10.0f, 10.0f);
        else kernelSetLineStyle(style);
        kernelMovePen(100.0f, 300.5f);
        kernelDrawLineTo(900.0f, 300.5f);
        int ink = 0;
        for (int x = 100; x < 900; ++x) ink += canvas.inked(x + 0.5, 300.5);
        if (style == 0) EXPECT_GE(ink, 795);
        else EXPECT_LT(ink, 700);
        EXPECT_GT(ink, 100);
    }
}

TEST_F(KernelDrawing, MarkersDrawAtTheCurrentPointAndLeaveIt)
{
    kernelSetCharSize(10.0f, 20.0f);
    for (int m = 0; m < 20; ++m) {
        SCOPED_TRACE(m);
        Canvas canvas;
        kernelMovePen(500.0f, 400.0f);
        kernelDrawMarker(m);
        EXPECT_GT(canvas.inkCount(), 0);
        EXPECT_TRUE(canvas.inkedNear(500, 400, 12));
        EXPECT_FALSE(canvas.inkedNear(500, 440, 5));  // size follows the character height
        float x, y, u;
        kernelEnquirePenPosition(x, y, u);
        EXPECT_EQ(x, 500.0f);
        EXPECT_EQ(y, 400.0f);
    }
    Canvas canvas;
    kernelDrawMarker(-1);
    EXPECT_EQ(canvas.inkCount(), 0);
}

TEST_F(KernelDrawing, NonFiniteCoordinatesAreIgnored)
{
    Canvas canvas;
    const float inf = INFINITY, nan = NAN;
    kernelMovePen(100.0f, 100.0f);
    kernelMovePen(nan, 5.0f);
    kernelDrawLineTo(inf, 100.0f);
    kernelDrawLineBy(0.0f, nan);
    kernelMovePenBy(inf, 0.0f);
    kernelSetTextPosition(nan, nan);
    kernelDrawArc(nan, 0.0f, 1.0f, 1.0f, 0);
    kernelFillBox(0, 1, 0.0f, 0.0f, inf, 100.0f);
    kernelDrawMarker(1);  // at (100, 100): the point never moved
    float x, y, u;
    kernelEnquirePenPosition(x, y, u);
    EXPECT_EQ(x, 100.0f);
    EXPECT_EQ(y, 100.0f);
    EXPECT_TRUE(canvas.inkedNear(100, 100));
    EXPECT_FALSE(canvas.inkedNear(300, 100, 3));
    // Non-finite points inside a polyline are skipped; the rest is drawn.
    const float px[3] = {200, nan, 400}, py[3] = {500, 500, 500};
    kernelMovePen(200.0f, 500.0f);
    kernelDrawPolyline(px, py, 3);
    EXPECT_TRUE(canvas.inkedNear(300, 500, 1));
    kernelEnquirePenPosition(x, y, u);
    EXPECT_EQ(x, 400.0f);
    // A relative move or line whose end leaves single precision is ignored too.
    kernelMovePen(3e38f, 1.0f);
    kernelMovePenBy(3e38f, 0.0f);
    kernelDrawLineBy(-3e38f, 3e38f);  // to (0, 3e38): still a float
    kernelDrawLineBy(0.0f, 3e38f);    // past the largest float: ignored
    kernelEnquirePenPosition(x, y, u);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 3e38f);
    // Huge but finite coordinates are clipped before they reach the device.
    kernelMovePen(500.0f, 200.0f);
    kernelDrawLineTo(3e37f, 200.0f);
    EXPECT_TRUE(canvas.inkedNear(800, 200, 1));
}

}  // namespace
