// Tests of the kernel drawing layer: pens, fill codes, polygon parts, polylines, markers,
// text with the control character swap, and the enquiries.
#include <cmath>
#include <string>
#include <vector>

#include "frame/kernel_layer.h"
#include "surface_test.h"
#include "tterrlib.h"

using namespace surflib;

using Lines = std::vector<std::string>;

class KernelLayerTest : public SurfaceTest {
protected:
    void SetUp() override
    {
        SurfaceTest::SetUp();
        SURF();
    }
    // The calls of one triangle filled with the current fill code.
    static Lines fillTriangle()
    {
        const float counts[1] = {3.0f};
        const float x[3] = {0, 1, 1}, y[3] = {0, 0, 1};
        capture();
        surfaceFillPolygons(1, counts, x, y);
        return calls();
    }
};

TEST_F(KernelLayerTest, PenCodesInAllThreeBands)
{
    struct Row {
        int code;
        Lines expected;
    };
    const Row rows[] = {
        {5, {"kernelSetColour 5", "kernelSetLineStyle 0"}},
        {1003, {"kernelSetLineStyle 3", "kernelSetColour 3"}},
        {2007, {"kernelSetPen 7"}},
    };
    for (const Row& r : rows) {
        capture();
        surfaceSelectPen(r.code);
        EXPECT_EQ(calls(), r.expected) << r.code;
    }
}

TEST_F(KernelLayerTest, FillCodesInAllThreeBands)
{
    const std::string move = "kernelMovePen 1 1";
    struct Row {
        int code;
        Lines expected;
    };
    const Row rows[] = {
        {6, {"kernelSetColour 6", move, "kernelFillPolygon 0 0 0 [0 1 1] [0 0 1] 3"}},
        {1004, {move, "kernelFillPolygon 4 0 0 [0 1 1] [0 0 1] 3"}},
        {2004, {move, "kernelFillPolygon 4 4 0 [0 1 1] [0 0 1] 3"}},
    };
    for (const Row& r : rows) {
        surfaceSetFillCode(r.code);
        EXPECT_EQ(fillTriangle(), r.expected) << r.code;
    }
}

TEST_F(KernelLayerTest, FillCodeSetWithoutAFillIsStillDecodedWhenItComesBack)
{
    // A, fill, B without a fill, A again: the fill must be A's, not B's style and colour.
    surfaceSetFillCode(1004);
    fillTriangle();
    surfaceSetFillCode(6);
    surfaceSetFillCode(1004);
    EXPECT_EQ(fillTriangle(),
              Lines({"kernelMovePen 1 1", "kernelFillPolygon 4 0 0 [0 1 1] [0 0 1] 3"}));
    // and A, B, A before any fill leaves A
    surfaceSetFillCode(2005);
    surfaceSetFillCode(7);
    surfaceSetFillCode(2005);
    EXPECT_EQ(surfaceState.saved.fillStyle, 5);
    EXPECT_EQ(surfaceState.saved.fillColour, 5);
}

TEST_F(KernelLayerTest, PolygonPartsDropRepeatedVerticesAndRoundTheirCounts)
{
    // part 1: six vertices with repeats; part 2: none; part 3: 3.5 -> 4; part 4: -2 (skipped);
    // part 5: 2.49 -> 2.
    const float counts[5] = {6.0f, 0.0f, 3.5f, -2.0f, 2.49f};
    const float x[12] = {0, 0, 1, 1, 1, 0, 5, 6, 6, 5, 8, 9};
    const float y[12] = {0, 0, 0, 1, 1, 0, 5, 5, 6, 6, 8, 8};
    surfaceSetFillCode(1001);
    capture();
    surfaceFillPolygons(5, counts, x, y);
    const Lines expected = {
        "kernelMovePen 0 0", "kernelFillPolygon 1 0 0 [0 1 1 0] [0 0 1 0] 4",
        "kernelMovePen 5 6", "kernelFillPolygon 1 0 0 [5 6 6 5] [5 5 6 6] 4",
        "kernelMovePen 9 8", "kernelFillPolygon 1 0 0 [8 9] [8 8] 2",
    };
    EXPECT_EQ(calls(), expected);
}

TEST_F(KernelLayerTest, PartsLongerThanTheBufferAreFilledWhole)
{
    std::vector<float> x(150), y(150);
    for (int i = 0; i < 150; ++i) {
        x[i] = std::cos(i * 0.04f);
        y[i] = std::sin(i * 0.04f);
    }
    const float counts[1] = {150.0f};
    surfaceSetFillCode(1000);
    capture();
    surfaceFillPolygons(1, counts, x.data(), y.data());
    const Lines fills = only(calls(), "kernelFillPolygon");
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].substr(fills[0].size() - 4), " 150");
}

TEST_F(KernelLayerTest, EmptyFillStillSetsColour)
{
    surfaceSetFillCode(9);
    capture();
    surfaceFillPolygons(0, nullptr, nullptr, nullptr);
    EXPECT_EQ(calls(), Lines({"kernelSetColour 9"}));
}

TEST_F(KernelLayerTest, PolylinesAndMarkers)
{
    const float x[3] = {1, 2, 3}, y[3] = {4, 5, 6};
    capture();
    surfaceDrawPolyline(0, x, y);
    surfaceDrawPolyline(1, x, y);
    surfaceDrawPolyline(3, x, y);
    surfaceSetMarkerSymbol(4);
    surfaceDrawMarker(1, 7.0f, 8.0f);
    const Lines expected = {
        "kernelMovePen 1 4", "kernelMovePen 1 4", "kernelDrawLineTo 2 5", "kernelDrawLineTo 3 6",
        "kernelMovePen 3 6", "kernelMovePen 7 8", "kernelDrawMarker 4",   "kernelMovePen 7 8",
    };
    EXPECT_EQ(calls(), expected);
}

TEST_F(KernelLayerTest, TextWithTheControlSwitchDrawsAsteriskLiterally)
{
    kernelSetLineStyle(3);
    capture();
    surfaceDrawText(10.0f, 20.0f, "a*bc", 3, 1);
    const Lines expected = {
        "kernelEnquireLineStyle -> 3", "kernelSetLineStyle 0",
        "kernelSetTextPosition 10 20", "kernelEnquireControlChar -> \"*\"",
        "kernelSetControlChar \"@\"",  "kernelDrawText \"a*b\"",
        "kernelSetControlChar \"*\"",  "kernelMovePen 10 20",
        "kernelSetLineStyle 3",
    };
    EXPECT_EQ(calls(), expected);
    kernelSetLineStyle(0);
    capture();
    surfaceDrawText(1.0f, 2.0f, "x", 1, 0);
    EXPECT_EQ(calls(),
              Lines({"kernelEnquireLineStyle -> 0", "kernelSetTextPosition 1 2",
                     "kernelDrawText \"x\"", "kernelMovePen 1 2"}));
}

TEST_F(KernelLayerTest, MeasuringWithTheSwitchCountsAsterisksAsCharacters)
{
    kernelSetCharSize(10.0f, 15.0f);
    int status = 1;
    float width = 0, r2 = 1, r3 = 1, height = 0;
    surfaceMeasureText("**", 2, status, width, r2, r3, height, 1);
    EXPECT_EQ(width, 20.0f);
    EXPECT_EQ(height, 15.0f);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(r2, 0.0f);
    EXPECT_EQ(r3, 0.0f);
    surfaceMeasureText("**", 2, status, width, r2, r3, height, 0);
    EXPECT_EQ(width, 10.0f);  // one literal "*" under the kernel's control character
    char ch[1] = {' '};
    kernelEnquireControlChar(ch, 1);
    EXPECT_EQ(ch[0], '*');
}

TEST_F(KernelLayerTest, TextSizeKeepsTheRatioAndAngleFollowsTheUpVector)
{
    kernelSetCharSize(1.0f, 1.5f);
    capture();
    surfaceSetTextSize(2.0f);
    surfaceSetTextAngle(1.0f, 0.0f);
    surfaceSetTextAngle(0.0f, 1.0f);
    const Lines lines = calls();
    EXPECT_EQ(only(lines, "kernelSetCharSize"), Lines({"kernelSetCharSize 1.33333 2"}));
    EXPECT_EQ(only(lines, "kernelSetCharAngle"),
              Lines({"kernelSetCharAngle -90", "kernelSetCharAngle 0"}));
    kernelSetCharSize(5.0f, 0.0f);
    capture();
    surfaceSetTextSize(3.0f);
    EXPECT_EQ(only(calls(), "kernelSetCharSize"), Lines({"kernelSetCharSize 3 3"}));
}

TEST_F(KernelLayerTest, PlotFrameComesBackCornerByCorner)
{
    kernelSetPictureSpace(10.0f, 500.0f, 20.0f, 400.0f);
    int status = 1;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    surfaceEnquirePlotFrame(status, x1, y1, x2, y2);
    EXPECT_EQ(std::vector<float>({x1, y1, x2, y2}), std::vector<float>({10, 20, 500, 400}));
    EXPECT_EQ(status, 0);
}

TEST_F(KernelLayerTest, UnitsFollowTheKernelDivisorAndRefuseAZeroOne)
{
    struct Row {
        float divisor;
        int status;
        float spacing;  // the label spacing default after SURF
    };
    const Row rows[] = {{2.0f, 0, 30.0f},
                        {0.5f, 0, 120.0f},
                        {0.0f, 1, 60.0f},
                        {INFINITY, 1, 60.0f},
                        {1e-40f, 1, 60.0f}};
    for (const Row& r : rows) {
        tarv::setSettingBlock91(5, r.divisor);
        int status = -1;
        float xk = -1, yk = -1;
        surfaceEnquireUnits(status, 60.0f, 6.0f, xk, yk);
        EXPECT_EQ(status, r.status) << r.divisor;
        if (r.status == 0) {
            EXPECT_FLOAT_EQ(xk, 60.0f / r.divisor);
            EXPECT_FLOAT_EQ(yk, 6.0f / r.divisor);
        }
        SURF();
        EXPECT_FLOAT_EQ(surfaceState.contour.labelSpacing, r.spacing) << r.divisor;
    }
}

TEST_F(KernelLayerTest, LineAttributesGiveTheCurrentColour)
{
    kernelSetColour(12);
    int status = 1, colour = 0;
    surfaceEnquireLineAttributes(status, colour);
    EXPECT_EQ(colour, 12);
    EXPECT_EQ(status, 0);
}
