// plot_test.cpp - the plot series: what each kind copies from the analysis, texts of 80
// characters, a kind outside 1..4 drawing the series drawn last, and values beyond single
// precision held within it.
#include <gtest/gtest.h>

#include <cfloat>

#include "plot/plot.h"
#include "state.h"
#include "tarvcore.h"

namespace {

class PlotSeriesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetAppState();
        tarv::resetState(true);
        tarv::setErrorEcho(false);
        SampleSet& s = app.samples;
        SpectrumSet& f = app.spectrum;
        for (int i = 1; i <= 9; ++i) {
            s.T[i] = 0.1 * (i - 1);
            s.X[i] = i % 3;
        }
        for (int k = 1; k <= 4; ++k) {
            f.FREQ[k] = k * 1.25;
            f.AMP[k] = k;
            f.POWER[k] = 10.0 * k;
            f.PHASE[k] = -0.1 * k;
        }
        app.ranges = {0.0, 0.8, 0.0, 2.0, 1.0, 4.0, 10.0, 40.0, -0.4, -0.1, 1.25, 5.0, 9};
    }
    void TearDown() override { tarv::setErrorEcho(true); }
    static std::vector<std::string> drawn(int kind)
    {
        tarv::traceCapture(true);
        PLOT(kind);
        tarv::traceCapture(false);
        return tarv::traceLines();
    }
};

TEST_F(PlotSeriesTest, EachKindTakesItsSeries)
{
    const struct {
        int kind, points;
        float xLast, yLast, yLower, yUpper;
        const char* title;
        const char* yName;
    } kinds[] = {
        {1, 9, 0.8f, 0.0f, 0.0f, 2.0f, "Plot of Data Analyzed", "Data Value"},
        {2, 4, 5.0f, 4.0f, 1.0f, 4.0f, "Plot of Amplitude Spectrum", "Amplitude"},
        {3, 4, 5.0f, 40.0f, 10.0f, 40.0f, "Plot of Power Spectrum", "Power"},
        {4, 4, 5.0f, -0.4f, -0.4f, -0.1f, "Plot of Phase Spectrum", "Phase"},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        drawn(k.kind);
        const PlotSeries& p = app.plot;
        EXPECT_EQ(p.NP, k.points);
        EXPECT_EQ(p.XP[p.NP], k.xLast);
        EXPECT_EQ(p.YP[p.NP], k.yLast);
        EXPECT_EQ(p.yLower, k.yLower);
        EXPECT_EQ(p.yUpper, k.yUpper);
        EXPECT_EQ(p.xDivisions, 10);
        EXPECT_EQ(p.yDivisions, 10);
        EXPECT_EQ(std::string(p.title, 80), (k.title + std::string(80, ' ')).substr(0, 80));
        EXPECT_EQ(std::string(p.yName, 80), (k.yName + std::string(80, ' ')).substr(0, 80));
    }
}

TEST_F(PlotSeriesTest, OtherKindsDrawTheLastSeriesAgain)
{
    drawn(2);  // the first call also sets the graph library's first-use defaults
    const std::vector<std::string> amplitude = drawn(2);
    EXPECT_EQ(drawn(2), amplitude);  // the same calls with the same values
    for (int other : {0, 5, -1}) EXPECT_EQ(drawn(other), amplitude) << other;
    drawn(3);
    EXPECT_NE(drawn(7), amplitude);  // now the power series
}

TEST_F(PlotSeriesTest, ValuesBeyondSinglePrecisionAreHeldWithinIt)
{
    app.samples.X[2] = 1e300;
    app.samples.X[3] = -1e300;
    app.ranges.XMAX = 1e300;
    app.ranges.XMIN = -1e300;
    drawn(1);
    EXPECT_EQ(app.plot.YP[2], FLT_MAX);
    EXPECT_EQ(app.plot.YP[3], -FLT_MAX);
    EXPECT_EQ(app.plot.yUpper, FLT_MAX);
    EXPECT_EQ(app.plot.yLower, -FLT_MAX);
}

}  // namespace
