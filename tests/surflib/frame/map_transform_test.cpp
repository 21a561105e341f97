// Tests of the map transform: CONSPA and SPACON, map polylines and fills bent through the
// network normalisation, number labels, the label direction and the perspective transform.
#include <cmath>
#include <string>
#include <vector>

#include "frame/kernel_layer.h"
#include "frame/map_transform.h"
#include "surface_test.h"
#include "tterrlib.h"

using namespace surflib;

using Lines = std::vector<std::string>;

class MapTransformTest : public OpenSurfaceTest {
protected:
    // A map of x 0..100 (axis factor 10) and y -1..9 in the picture rectangle 100..700 by
    // 50..450.
    static void layOutMap()
    {
        MapTransform& m = surfaceState.map;
        m = MapTransform{100, 50, 600, 400, 0, -1, 60, 40, 10, 1, 1};
        surfaceState.drawing.code = kDrawingGriddedMap;
    }
    // A perspective with depth along z, the eye 10 units away, picture units per unit scale
    // and the frame's corner at (frameX, frameY).
    static void lookStraightDown(float scale, float frameX, float frameY)
    {
        ProjectionTerms& p = surfaceState.projection;
        p = ProjectionTerms{};
        p.cosTilt = 1;
        p.cosAzimuth = 1;
        p.cosAzCosTilt = 1;
        p.eyeDistance = 10;
        p.zScale = 1;
        p.scaleX = scale;
        p.scaleY = scale;
        p.frameX = frameX;
        p.frameY = frameY;
        surfaceState.surface.axesRatio = 1.0f;
    }
};

TEST_F(MapTransformTest, ConversionsRoundTrip)
{
    layOutMap();
    float X = 0, Y = 0, x = 0, y = 0;
    CONSPA(35.0f, 2.0f, X, Y);
    EXPECT_FLOAT_EQ(X, 310.0f);
    EXPECT_FLOAT_EQ(Y, 170.0f);
    SPACON(X, Y, x, y);
    EXPECT_FLOAT_EQ(x, 35.0f);
    EXPECT_FLOAT_EQ(y, 2.0f);
    SurfacePicturePoint picture{0, 0};
    krTransformMapCoord(100.0f, 9.0f, picture);
    EXPECT_FLOAT_EQ(picture.X, 700.0f);
    EXPECT_FLOAT_EQ(picture.Y, 450.0f);
    SurfacePoint2 point{0, 0};
    krTransformToMapCoord(100.0f, 50.0f, point);
    EXPECT_FLOAT_EQ(point.x, 0.0f);
    EXPECT_FLOAT_EQ(point.y, -1.0f);
    EXPECT_TRUE(reported().empty());
}

TEST_F(MapTransformTest, ConversionsNeedAGriddedOrNetworkMap)
{
    layOutMap();
    for (int code : {1, 3, 4, 6}) {
        surfaceState.drawing.code = code;
        SurfacePicturePoint picture{-4, -5};
        tarv::errorLogClear();
        krTransformMapCoord(35.0f, 2.0f, picture);
        float x = -6, y = -7;
        SPACON(1.0f, 1.0f, x, y);
        EXPECT_EQ(std::vector<float>({picture.X, picture.Y, x, y}),
                  std::vector<float>({-4, -5, -6, -7}));
        EXPECT_EQ(reported(), std::vector<int>({asReported(kNoMap), asReported(kNoMap)})) << code;
        EXPECT_EQ(tarv::errorLog()[0].routine, "krTransformMapCoord(CONSPA)");
        EXPECT_EQ(tarv::errorLog()[1].routine, "krTransformToMapCoord(SPACON)");
    }
    surfaceState.drawing.code = kDrawingNetworkMap;
    float X = 0, Y = 0;
    CONSPA(35.0f, 2.0f, X, Y);
    EXPECT_FLOAT_EQ(X, 310.0f);
}

TEST_F(MapTransformTest, MapWithoutASizeGivesZeros)
{
    // Before any frame (all zero), after a failed one (size within the tolerance), and with
    // zero scales: zeros, no error, nothing divided by zero.
    const MapTransform maps[] = {
        MapTransform{},
        MapTransform{100, 50, 4e-7f, 400, 0, -1, 60, 40, 10, 1, 1},
        MapTransform{100, 50, 600, 400, 0, -1, 0, 0, 0, 0, 1},
    };
    for (const MapTransform& m : maps) {
        surfaceState.map = m;
        surfaceState.drawing.code = kDrawingGriddedMap;
        float X = 9, Y = 9, x = 9, y = 9;
        CONSPA(35.0f, 2.0f, X, Y);
        SPACON(310.0f, 170.0f, x, y);
        EXPECT_EQ(std::vector<float>({X, Y, x, y}), std::vector<float>({0, 0, 0, 0}));
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(MapTransformTest, MapPolylinesBendThroughTheNetworkNormalisation)
{
    layOutMap();
    float x[2] = {100.0f, 400.0f}, y[2] = {50.0f, 250.0f};
    capture();
    surfaceDrawMapPolyline(2, x, y);  // no mapping in force: drawn exactly as given
    EXPECT_EQ(calls(),
              Lines({"kernelMovePen 100 50", "kernelDrawLineTo 400 250", "kernelMovePen 400 250"}));
    EXPECT_EQ(std::vector<float>({x[0], x[1], y[0], y[1]}),
              std::vector<float>({100, 400, 50, 250}));

    // normalised network units: map x = u * 50 + 20, map y = v * 4 + 1
    NetworkLayout& net = surfaceState.network;
    net.networkRoutineActive = -1;
    net.xmin = 20;
    net.xrange = 50;
    net.ymin = 1;
    net.yrange = 4;
    float nx[2] = {0.0f, 1.0f}, ny[2] = {0.0f, 1.0f};
    capture();
    surfaceDrawMapPolyline(2, nx, ny);
    EXPECT_EQ(
        calls(),
        Lines({"kernelMovePen 220 130", "kernelDrawLineTo 520 290", "kernelMovePen 520 290"}));
    EXPECT_FLOAT_EQ(nx[1], 520.0f);  // the caller's arrays hold the drawn points

    float counts[1] = {3.0f};
    float fx[3] = {0.0f, 1.0f, 1.0f}, fy[3] = {0.0f, 0.0f, 1.0f};
    surfaceSetFillCode(1002);
    capture();
    surfaceFillMapAreas(1, counts, fx, fy);
    EXPECT_EQ(only(calls(), "kernelFillPolygon"),
              Lines({"kernelFillPolygon 2 0 0 [220 520 520] [130 130 290] 3"}));

    // without a map frame nothing can be converted: nothing is drawn
    surfaceState.map = MapTransform{};
    float zx[2] = {1, 2}, zy[2] = {3, 4};
    capture();
    surfaceDrawMapPolyline(2, zx, zy);
    surfaceFillMapAreas(1, counts, fx, fy);
    surfaceDrawMapPolyline(0, zx, zy);
    EXPECT_TRUE(calls().empty());
}

TEST_F(MapTransformTest, NumberLabels)
{
    struct Row {
        float value;
        int width, decimals, power;
        std::string text;
        float x;   // where the label starts (the call is at X = 200)
        int used;  // last used length
        int widthAfter, decimalsAfter;
        std::vector<int> errors;
    };
    const Row rows[] = {
        {0.5f, 5, 2, 9999, " 0.50", 150, 5, 5, 2, {}},
        {-0.5f, 5, 2, 9999, "-0.50", 150, 5, 5, 2, {}},
        {-0.5f, -7, 2, 9999, "-0.50", 200, -5, -7, 2, {}},
        {12.345f, 12, 2, 9999, "    12.35", 110, 9, 9, 2, {asReported(kLabelTooWide)}},
        {12.345f, -12, 2, 9999, "12.35", 200, -5, -9, 2, {asReported(kLabelTooWide)}},
        {123456.7f, 5, 2, 9999, "*****", 150, 5, 5, 2, {}},
        {0.5f, 3, 2, 9999, ".50", 170, 3, 3, 2, {}},
        {-0.5f, 4, 2, 9999, "-.50", 160, 4, 4, 2, {}},
        {2.5f, 4, 1, 2, "****", 160, 4, 4, 1, {}},
        {2.5f, 6, 1, 2, " 250.0", 140, 6, 6, 1, {}},
        {2.5f, 5, 3, -2, "0.025", 150, 5, 5, 3, {}},
        {NAN, 5, 2, 9999, "*****", 150, 5, 5, 2, {}},
        {1234.5f, 6, -1, 9999, "  1235", 140, 6, 6, 0, {}},
        {2.5f, 4, 0, 0, "   3", 160, 4, 4, 0, {}},
        {-2.5f, -4, 0, 9999, "-3", 200, -2, -4, 0, {}},
        {12345.0f, 6, 0, -2, "   123", 140, 6, 6, 0, {}},
        {3.0e9f, 9, 0, 9999, "*********", 110, 9, 9, 0, {}},
        {7.0f, 0, 0, 9999, "7", 200, 1, 0, 0, {}},
        {1.5f, 99, 0, 40, "        2", 110, 9, 9, 0, {asReported(kLabelTooWide)}},
        {1.0e30f, 9, 0, 9999, "*********", 110, 9, 9, 0, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << r.value << " " << r.width << " " << r.decimals << " " << r.power);
        int width = r.width, decimals = r.decimals;
        tarv::errorLogClear();
        capture();
        surfaceDrawNumber(200.0f, 300.0f, r.value, width, decimals, r.power);
        const Lines lines = calls();
        char x[32];
        std::snprintf(x, sizeof x, "%g", r.x);
        EXPECT_EQ(only(lines, "kernelSetTextPosition"),
                  Lines({"kernelSetTextPosition " + std::string(x) + " 300"}));
        EXPECT_EQ(only(lines, "kernelDrawText"), Lines({"kernelDrawText \"" + r.text + "\""}));
        EXPECT_EQ(surfaceState.lastUsedLength, r.used);
        EXPECT_EQ(width, r.widthAfter);
        EXPECT_EQ(decimals, r.decimalsAfter);
        EXPECT_EQ(reported(), r.errors);
    }
}

TEST_F(MapTransformTest, LabelsAreMeasuredButNotDrawnWithOutputOff)
{
    surfaceState.outputEnabled = 0;
    int width = 6, decimals = 1;
    capture();
    surfaceDrawNumber(200.0f, 300.0f, 3.25f, width, decimals, 9999);
    const Lines lines = calls();
    EXPECT_TRUE(only(lines, "kernelDrawText").empty());
    EXPECT_EQ(only(lines, "kernelEnquireTextExtent").size(), 1u);
    EXPECT_EQ(surfaceState.lastUsedLength, 6);
}

TEST_F(MapTransformTest, LabelExtentIsCappedAtTenDigitWidths)
{
    surfaceState.digitWidth = 4.0f;  // the kernel measures 10 per character
    int width = 9, decimals = 2;
    capture();
    surfaceDrawNumber(200.0f, 0.0f, -1234.5f, width, decimals, 9999);
    EXPECT_EQ(only(calls(), "kernelSetTextPosition"), Lines({"kernelSetTextPosition 160 0"}));
}

TEST_F(MapTransformTest, LabelDirectionSetsHeightAndAngle)
{
    kernelSetCharSize(8.0f, 16.0f);
    surfaceSetLabelDirection(99.0f, 20.0f, 30.0f);
    int mode = 0, font = 0, fifth = 0;
    float w = 0, h = 0, angle = 0;
    kernelEnquireTextAttributes(mode, w, h, font, fifth, angle);
    EXPECT_FLOAT_EQ(w, 10.0f);
    EXPECT_FLOAT_EQ(h, 20.0f);
    EXPECT_NEAR(angle, 30.0f, 1e-3);
    EXPECT_NEAR(surfaceState.labelDirection[0], std::cos(120.0 * M_PI / 180.0), 1e-5);
    EXPECT_NEAR(surfaceState.labelDirection[1], std::sin(120.0 * M_PI / 180.0), 1e-5);
}

TEST_F(MapTransformTest, PerspectivePointTransform)
{
    lookStraightDown(2.0f, 5.0f, 7.0f);
    float X = -1, Y = -1;
    EXPECT_TRUE(surfaceProjectPoint(1.0f, 2.0f, 0.0f, X, Y));
    EXPECT_FLOAT_EQ(X, 7.0f);
    EXPECT_FLOAT_EQ(Y, 11.0f);
    EXPECT_TRUE(surfaceProjectPoint(1.0f, 2.0f, 5.0f, X, Y));  // twice as near: twice as far out
    EXPECT_FLOAT_EQ(X, 9.0f);
    EXPECT_FLOAT_EQ(Y, 15.0f);
    X = -1;
    Y = -1;
    EXPECT_FALSE(surfaceProjectPoint(1.0f, 2.0f, 10.0f, X, Y));  // in the plane of the eye
    EXPECT_EQ(X, -1.0f);
    EXPECT_EQ(Y, -1.0f);
}

TEST_F(MapTransformTest, MapNumbersOnASurfaceAreProjected)
{
    layOutMap();
    lookStraightDown(1.0f, 0.0f, 0.0f);
    surfaceState.surface.contourOnSurface = -1;
    surfaceState.surface.contourHeight = 5.0f;
    float X = 310.0f, Y = 170.0f;  // map point (35, 2)
    int width = -4, decimals = 1;
    capture();
    surfaceDrawMapNumber(X, Y, 1.5f, width, decimals, 9999);
    EXPECT_FLOAT_EQ(X, 70.0f);
    EXPECT_FLOAT_EQ(Y, 4.0f);
    EXPECT_EQ(only(calls(), "kernelSetTextPosition"), Lines({"kernelSetTextPosition 70 4"}));
    // no map frame: the point cannot be placed and nothing is drawn
    surfaceState.map = MapTransform{};
    capture();
    surfaceDrawMapNumber(X, Y, 1.5f, width, decimals, 9999);
    EXPECT_TRUE(only(calls(), "kernelDrawText").empty());
}
