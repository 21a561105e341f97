// Shared utilities: array range, plot area, text measurement, graph-to-kernel mapping and
// the widths of value labels.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "support/plot_fixture.h"

using namespace plotlib;

namespace {

class UtilitiesTest : public PlotLibraryTest {};

TEST_F(UtilitiesTest, ArrayRange)
{
    firstCallDone();
    const float values[] = {3.0f, -1.5f, 7.25f, 0.0f};
    float low = 99.0f, high = 99.0f;
    graphArrayRange(values, 4, low, high);
    EXPECT_EQ(low, -1.5f);
    EXPECT_EQ(high, 7.25f);
    graphArrayRange(values + 2, 1, low, high);
    EXPECT_EQ(low, 7.25f);
    EXPECT_EQ(high, 7.25f);
    EXPECT_TRUE(errors().empty());
    low = high = 99.0f;
    graphArrayRange(values, 0, low, high);
    graphArrayRange(values, -3, low, high);
    EXPECT_EQ(errors(), (std::vector<int>{515, 515}));
    EXPECT_EQ(low, 99.0f);
    EXPECT_EQ(high, 99.0f);
}

TEST_F(UtilitiesTest, PlotAreaIsTakenOncePerRoutineOrFromTheFrame)
{
    firstCallDone();
    graphState.graph.plotAreaKnown = 0;
    graphGetPlotArea();
    graphGetPlotArea();
    EXPECT_EQ(callsOf("kernelEnquirePictureSpace").size(), 1u);
    EXPECT_EQ(graphState.graph.plotArea[1], 1000.0f);

    graphState.graph.plotFrameSwitch = 1;
    const float frame[4] = {100.0f, 100.0f, 50.0f, 400.0f};  // no width
    for (int k = 0; k < 4; ++k) graphState.graph.plotFrame[k] = frame[k];
    startLog();
    graphGetPlotArea();
    EXPECT_TRUE(callsOf("kernelEnquirePictureSpace").empty());
    EXPECT_EQ(errors(), std::vector<int>{510});
    for (int k = 0; k < 4; ++k) EXPECT_EQ(graphState.graph.plotArea[k], frame[k]);
}

TEST_F(UtilitiesTest, MeasureTextKeepsAllExtents)
{
    firstCallDone();
    int trimmed = -1;
    const char text[] = "Amplitude   ";
    const float width = graphMeasureText(text, 12, trimmed);
    EXPECT_EQ(trimmed, 9);
    EXPECT_FLOAT_EQ(width, 9.0f);  // in character widths
    EXPECT_FLOAT_EQ(graphState.work.extent[0], 90.0f);
    EXPECT_EQ(callsOf("kernelEnquireTextExtent").size(), 1u);
    startLog();
    EXPECT_EQ(graphMeasureText("    ", 4, trimmed), 0.0f);
    EXPECT_EQ(trimmed, 0);
    EXPECT_TRUE(callsOf("kernelEnquireTextExtent").empty());
}

TEST_F(UtilitiesTest, MappingThroughTheAxisTransforms)
{
    firstCallDone();
    AXISCA(3, 10, 0.0f, 100.0f, 1);
    AXISCA(4, 0, 1.0f, 1000.0f, 2);
    static const char name[] = "GRAPOL";
    graphEnterRoutine(3, 0, name, 6);
    float kx = 0.0f, ky = 0.0f;
    graphToKernelCoords(50.0f, 10.0f, kx, ky);
    EXPECT_FLOAT_EQ(kx, 90.0f + 435.0f);
    EXPECT_FLOAT_EQ(ky, 50.0f + 650.0f / 3.0f);
    EXPECT_TRUE(errors().empty());
    graphToKernelCoords(-5.0f, 0.0f, kx, ky);  // no logarithm of 0 on y
    EXPECT_FLOAT_EQ(kx, 90.0f - 43.5f);
    EXPECT_EQ(ky, -10.0f);
    EXPECT_FLOAT_EQ(graphCheckLogValue(100.0f, 2), 50.0f + 650.0f * 2.0f / 3.0f);
    EXPECT_EQ(graphCheckLogValue(-1.0f, 7), -10.0f);
    graphExitRoutine(0);
    EXPECT_EQ(errors(), (std::vector<int>{514, 502}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "GRAPOL");

    AXISCA(4, 0, 1.0f, 10.0f, 1);
    graphEnterRoutine(3, 0, name, 6);
    startLog();
    graphToKernelCoords(0.0f, 10.0f, kx, ky);
    graphExitRoutine(0);
    EXPECT_EQ(errors(), std::vector<int>{513});
    EXPECT_EQ(kx, -10.0f);  // the fallback itself, not mapped
}

struct LabelCase {
    const char* what;
    float value;
    int decimals, digits;
    float outValue;
    int w, d, t;
};

TEST_F(UtilitiesTest, ValueLabelWidths)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const LabelCase cases[] = {
        {"one decimal shows it", 2.5f, 2, 40, 2.5f, 2, 1, 4},
        {"whole number", 3.0f, 2, 40, 3.0f, 2, 0, 2},
        {"two decimals", 1.25f, 2, 40, 1.25f, 2, 2, 5},
        {"at most the setting", 1.2345f, 2, 40, 1.2345f, 2, 2, 5},
        {"exact decimals", 1.0f, -3, 40, 1.0f, 2, -3, 6},
        {"divided by ten cubed", 12500.0f, 2, 3, 12.5f, 3, 1, 5},
        {"largest two-wide", 9.9f, 0, 40, 9.9f, 2, 0, 2},
        {"ten", 10.0f, 0, 40, 10.0f, 3, 0, 3},
        {"minus ten", -10.0f, 0, 40, -10.0f, 4, 0, 4},
        {"thousand is four digits", 1000.0f, 0, 40, 1000.0f, 5, 0, 5},
        {"beyond the integer range", 3.0e9f, 2, 40, 3.0e9f, 11, 0, 11},
        {"many decimals of a large value", 123456.789f, 9, 40, 123456.789f, 7, 3, 11},
        {"huge value held to the text", 1.0e30f, 2, 40, 1.0e30f, 30, 0, 30},
        {"huge negative, exact decimals", -3.0e38f, -2, 40, -3.0e38f, 27, -2, 30},
        {"infinity", inf, 2, 40, inf, 30, 0, 30},
        {"not a number", nan, -3, 40, nan, 26, -3, 30},
        {"dividing past the float range", 5.0f, 2, -60, inf, 30, 0, 30},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.what);
        graphResetLibraryForTests();
        firstCallDone();
        graphAxis(2).decimals = c.decimals;
        graphAxis(2).digits = c.digits;
        float v = c.value;
        int w = -1, d = -1, t = -1;
        graphFormatValueLabel(v, w, d, t, 2);
        if (std::isnan(c.outValue)) EXPECT_TRUE(std::isnan(v));
        else EXPECT_FLOAT_EQ(v, c.outValue);
        EXPECT_EQ(w, c.w);
        EXPECT_EQ(d, c.d);
        EXPECT_EQ(t, c.t);
        EXPECT_LE(t, 30);
    }
}

}  // namespace
