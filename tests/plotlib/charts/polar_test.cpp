// Polar charts: the layout, the radial and angular parts of the polar axes, whole XY polar
// charts with their line codes, and the warnings of the axes worker.
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "support/plot_fixture.h"

namespace {

class PolarTest : public PlotLibraryTest {
protected:
    // Integer numbers written, in order.
    static std::vector<int> angleLabels()
    {
        std::vector<int> out;
        for (const std::string& l : callsOf("kernelDrawIntegerNumber"))
            out.push_back(static_cast<int>(numbersAfterName(l)[0]));
        return out;
    }
    // Directions (degrees) of the spokes drawn from the centre (cx, cy).
    static std::vector<int> spokes(float cx, float cy)
    {
        std::vector<int> out;
        const auto lines = calls();
        const std::string from = "kernelMovePen " + num(cx) + " " + num(cy);
        for (size_t k = 0; k + 1 < lines.size(); ++k) {
            if (lines[k] != from || lines[k + 1].rfind("kernelDrawLineBy", 0) != 0) continue;
            const auto d = numbersAfterName(lines[k + 1]);
            double a = std::atan2(d[1], d[0]) * 180.0 / M_PI;
            if (a < -0.5) a += 360.0;
            out.push_back(static_cast<int>(std::lround(a)));
        }
        return out;
    }
};

TEST_F(PolarTest, LayoutIsUsedByTheAxesButNotByXYCharts)
{
    SETPOL(300.0f, 250.0f, 120.0f, 2);
    EXPECT_TRUE(errors().empty());
    SETPOL(310.0f, 260.0f, 0.0f, 7);
    EXPECT_EQ(errors(), (std::vector<int>{-517, -518}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpSetPolarChartAttribs(SETPOL)");
    EXPECT_EQ(graphState.polar.radius, 120.0f);  // the old radius stays
    EXPECT_EQ(graphState.polar.mode, 3);
    startLog();
    DRAPOL(1, 0, 8, 360.0f, 2);
    EXPECT_EQ(callsOf("kernelDrawArc"),
              std::vector<std::string>{"kernelDrawArc 310 260 430 260 1"});
    EXPECT_EQ(tarv::traceLines()[0], "kernelSetRoutineName 2 \"kpDrawPolarAxes(DRAPOL)\"");
    // An XY polar chart always takes the default layout and keeps it.
    const float x[3] = {1, 2, 3}, y[3] = {1, 0, -1};
    startLog();
    POLXY(x, y, 3, 1);
    EXPECT_EQ(callsOf("kernelDrawArc").back(), "kernelDrawArc 500 375 781.25 375 1");
    EXPECT_EQ(graphState.polar.polarSwitch, 0);
}

TEST_F(PolarTest, AngularPartSpokesAndLabels)
{
    const struct {
        float range;
        int count;
        std::vector<int> angles;
    } cases[] = {
        {360.0f, 8, {0, 45, 90, 135, 180, 225, 270, 315}},  // the ninth at 360 is skipped
        {180.0f, 4, {0, 45, 90, 135, 180}},
        {90.0f, 3, {0, 30, 60, 90}},
    };
    for (const auto& c : cases) {
        startLog();
        DRAPOL(-1, 1, c.count, c.range, 2);
        EXPECT_EQ(spokes(500.0f, 375.0f), c.angles) << c.range;
        EXPECT_EQ(angleLabels(), c.angles) << c.range;
        EXPECT_EQ(callsOf("kernelDrawArc").size(), 1u);
    }
    // Code 1 draws ticks outside the circle, code 0 neither circle nor spokes.
    startLog();
    DRAPOL(1, 0, 4, 360.0f, 2);
    EXPECT_TRUE(spokes(500.0f, 375.0f).empty());
    EXPECT_EQ(callsOf("kernelDrawLineBy").size(), 4u);
    EXPECT_TRUE(angleLabels().empty());
    startLog();
    DRAPOL(0, 1, 4, 360.0f, 2);
    EXPECT_TRUE(callsOf("kernelDrawArc").empty());
    EXPECT_TRUE(callsOf("kernelDrawLineBy").empty());
    EXPECT_EQ(angleLabels(), (std::vector<int>{0, 90, 180, 270}));
}

TEST_F(PolarTest, CodesBeyondTheirRangeActAsTheNearestOnes)
{
    firstCallDone();
    const auto drawn = [](int code, int label, int part) {
        startLog();
        DRAPOL(code, label, 4, 50.0f, part);
        return calls();
    };
    for (int part : {1, 2}) {
        EXPECT_EQ(drawn(5, 1, part), drawn(2, 1, part)) << part;
        EXPECT_EQ(drawn(-5, 1, part), drawn(-2, 1, part)) << part;
        EXPECT_EQ(drawn(-2, -3, part), drawn(-2, 1, part)) << part;
        EXPECT_NE(drawn(-2, 0, part), drawn(-2, 1, part)) << part;
    }
}

TEST_F(PolarTest, RadialPartAxesAndRings)
{
    DRAPOL(-1, 1, 4, -100.0f, 1);
    EXPECT_EQ(errors(), std::vector<int>{-521});
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpDrawPolarAxes(DRAPOL)");
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(graphAxis(n).minimum, -100.0f);
        EXPECT_EQ(graphAxis(n).maximum, 100.0f);
        EXPECT_EQ(graphAxis(n).intervalCount, 8);
        EXPECT_EQ(graphAxis(n).length, 2.0f * 281.25f);
    }
    // Value 0 of both axes lies at the centre.
    float kx = 0, ky = 0;
    GRASPA(0.0f, 0.0f, kx, ky);
    EXPECT_FLOAT_EQ(kx, 500.0f);
    EXPECT_FLOAT_EQ(ky, 375.0f);
    GRASPA(100.0f, -50.0f, kx, ky);
    EXPECT_FLOAT_EQ(kx, 781.25f);
    EXPECT_FLOAT_EQ(ky, 375.0f - 140.625f);
    // Four rings at a quarter of the radius each.
    const auto rings = callsOf("kernelDrawArc");
    ASSERT_EQ(rings.size(), 4u);
    for (int k = 1; k <= 4; ++k)
        EXPECT_NEAR(numbersAfterName(rings[k - 1])[2], 500.0f + k * 281.25f / 4.0f, 1e-3);
    // The x axis is numbered, the y axis not.
    EXPECT_FALSE(callsOf("kernelDrawText").empty());
    startLog();
    DRAPOL(1, 0, 4, 100.0f, 1);
    EXPECT_TRUE(callsOf("kernelDrawArc").empty());
    EXPECT_TRUE(callsOf("kernelDrawText").empty());
}

TEST_F(PolarTest, BadCountsAndRanges)
{
    const struct {
        int count;
        float range;
        int part;
        std::vector<int> reported;
        size_t labels;
    } cases[] = {
        {0, 360.0f, 2, {-519}, 8},
        {INT_MAX, 360.0f, 2, {-519}, 8},
        {-3, -360.0f, 2, {-521, -519}, 8},
        {6, 0.0f, 1, {-520}, 0},
        {4, 1e30f, 2, {}, 1},  // every step past a whole turn: only the spoke at 0
    };
    for (const auto& c : cases) {
        startLog();
        DRAPOL(-1, 1, c.count, c.range, c.part);
        EXPECT_EQ(errors(), c.reported) << c.count;
        if (c.part == 2) { EXPECT_EQ(angleLabels().size(), c.labels) << c.count; }
    }
    // A range of 0 on the radial part becomes the step count.
    EXPECT_EQ(graphAxis(1).maximum, 6.0f);
    // A layout of no radius draws nothing.
    graphState.polar.radius = 0.0f;
    graphState.polar.polarSwitch = 1;
    startLog();
    DRAPOL(-1, 1, 4, 360.0f, 2);
    DRAPOL(-1, 1, 4, 10.0f, 1);
    EXPECT_TRUE(callsOf("kernelMovePen").empty());
    EXPECT_TRUE(errors().empty());
}

// Ranges and centres that are no finite number: a range gives -520 and the radial part takes
// the step count as its range (0 at the centre), the angular part a whole turn; a centre gives
// -517 and the old centre stays.
TEST_F(PolarTest, RangesAndCentresThatAreNoNumbers)
{
    const float inf = INFINITY, nan = NAN;
    for (const float range : {nan, inf, -inf}) {
        SCOPED_TRACE(std::to_string(range));
        startLog();
        DRAPOL(-1, 1, 8, range, 2);
        EXPECT_EQ(errors(), std::vector<int>{-520});
        EXPECT_EQ(spokes(500.0f, 375.0f), (std::vector<int>{0, 45, 90, 135, 180, 225, 270, 315}));
        EXPECT_EQ(angleLabels().size(), 8u);
        startLog();
        DRAPOL(-1, 1, 6, range, 1);
        EXPECT_EQ(errors(), std::vector<int>{-520});
        for (int n = 1; n <= 2; ++n) {
            EXPECT_EQ(graphAxis(n).minimum, -6.0f);
            EXPECT_EQ(graphAxis(n).maximum, 6.0f);
        }
        EXPECT_EQ(callsOf("kernelDrawArc").size(), 6u);
    }
    const struct {
        float x, y;
    } centres[] = {{nan, 250.0f}, {300.0f, nan}, {inf, 250.0f}, {300.0f, -inf}, {-inf, inf}};
    for (const auto& c : centres) {
        SCOPED_TRACE(std::to_string(c.x) + " " + std::to_string(c.y));
        SETPOL(300.0f, 250.0f, 120.0f, 2);
        startLog();
        SETPOL(c.x, c.y, 100.0f, 3);
        EXPECT_EQ(errors(), std::vector<int>{-517});
        startLog();
        DRAPOL(-1, 0, 4, 360.0f, 2);
        EXPECT_EQ(callsOf("kernelDrawArc"),
                  std::vector<std::string>{"kernelDrawArc 300 250 400 250 1"});
        EXPECT_EQ(spokes(300.0f, 250.0f), (std::vector<int>{0, 90, 180, 270}));
    }
}

// Of rings at a huge scale only those that can show on the picture are drawn: a ring round
// the whole picture space widened by its own sides (1000 by 750 units, so from -1000 to 2000
// and -750 to 1500), or wholly beside it, is left out.  Every ring drawn reaches the widened
// space within one ring spacing, and every ring of the thinned row that reaches it is drawn.
TEST_F(PolarTest, RingsThatCannotShowAreLeftOut)
{
    const struct {
        float cx, cy, radius;
        int count;
        bool thinned;
    } cases[] = {
        {500.0f, 375.0f, 1e6f, 500000, false},    // rings 2 units apart, out to the far corner
        {5000.0f, 375.0f, 1e6f, 500000, false},   // a centre beside the picture
        {500.0f, 375.0f, 1e7f, 500000, false},    // 20 apart
        {500.0f, 375.0f, 2e5f, 500000, true},     // 0.4 apart: every third ring
        {500.0f, -3e5f, 1e6f, 500000, false},     // far below
        {500.0f, 375.0f, 281.25f, 500000, true},  // every ring inside the picture
    };
    const double x0 = -1000.0, x1 = 2000.0, y0 = -750.0, y1 = 1500.0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.cx) + " " + std::to_string(c.cy) + " " +
                     std::to_string(c.radius));
        SETPOL(c.cx, c.cy, c.radius, 3);
        startLog();
        DRAPOL(-1, 0, c.count, 100.0f, 1);
        EXPECT_EQ(errors(), c.thinned ? std::vector<int>{-525} : std::vector<int>{});
        const double nearest = std::hypot(c.cx - std::clamp<double>(c.cx, x0, x1),
                                          c.cy - std::clamp<double>(c.cy, y0, y1));
        const double farthest =
            std::hypot(std::fmax(c.cx - x0, x1 - c.cx), std::fmax(c.cy - y0, y1 - c.cy));
        const double spacing = static_cast<double>(c.radius) / c.count;
        std::vector<double> radii;
        for (const std::string& l : callsOf("kernelDrawArc"))
            radii.push_back(numbersAfterName(l)[2] - c.cx);
        ASSERT_FALSE(radii.empty());
        EXPECT_LT(radii.size(), 4000u);
        int beyond = 0;
        for (double r : radii)
            if (!(r >= nearest - 1.01 * spacing && r <= farthest + 1.01 * spacing)) ++beyond;
        EXPECT_EQ(beyond, 0);
        // The rings drawn stand evenly (to the log's 6 digits) and leave none out between the
        // reach's ends.
        const double step =
            radii.size() > 1 ? (radii.back() - radii.front()) / (radii.size() - 1.0) : spacing;
        EXPECT_LE(radii.front(), std::fmax(nearest, step) + 1.01 * step);
        EXPECT_GE(radii.back(), std::fmin(farthest, c.radius) - 1.01 * step);
        int uneven = 0;
        for (size_t k = 1; k < radii.size(); ++k)
            if (!(std::fabs(radii[k] - radii[k - 1] - step) <= 0.5 * step)) ++uneven;
        EXPECT_EQ(uneven, 0);
    }
}

// Rings and steps closer than the picture (1000 by 750 kernel units, so a thousandth of its
// larger side is 1 unit) can show apart.  From the geometry: a ring count above 500 whose rings
// stand less than 1 unit apart keeps rings at least 1 and less than 2 units apart, equally
// spaced, the outermost at the full radius and the innermost within one spacing of the
// centre; steps likewise apart along the circle (or, for a circle beyond the picture, at the
// farthest the picture reaches: its corner 1500 by 1125 units from the centre when widened
// by its own sides), the first at 0 and the last within one spacing of the range's end (of
// 359 degrees for a whole turn).  Either reports -525 once.  Counts at the limit or below
// are drawn whole without a warning.
TEST_F(PolarTest, MarksCloserThanThePictureShowsAreLeftOut)
{
    const struct {
        int part;
        float radius;
        int count;
        float range;
        int code, label;
        bool thinned;
    } cases[] = {
        {1, 600.0f, 599, 100.0f, -1, 1, false},  // rings 1.0017 units apart
        {1, 600.0f, 600, 100.0f, -1, 1, false},  // 1 unit apart
        {1, 600.0f, 601, 100.0f, -1, 1, true},
        {1, 281.25f, 500000, 100.0f, -2, 0, true},
        {2, 281.25f, 883, 180.0f, -1, 1, false},  // spokes 1.0006 units apart on the circle
        {2, 281.25f, 884, 180.0f, -1, 1, true},   // 0.9995
        {2, 281.25f, 1767, 360.0f, 1, 0, false},  // ticks 1.0001 apart
        {2, 281.25f, 1768, 360.0f, 1, 0, true},
        {2, 281.25f, 500000, 360.0f, -1, 1, true},
        {2, 281.25f, 500000, 180.0f, 2, 0, true},
        {2, 1e6f, 500000, 360.0f, -1, 0, true},  // 12.6 apart on the circle, 0.024 at the corner
    };
    const double cx = 500.0, cy = 375.0, toDegrees = 180.0 / M_PI;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.part) + " " + std::to_string(c.count));
        SETPOL(static_cast<float>(cx), static_cast<float>(cy), c.radius, 3);
        startLog();
        DRAPOL(c.code, c.label, c.count, c.range, c.part);
        EXPECT_EQ(errors(), c.thinned ? std::vector<int>{-525} : std::vector<int>{});
        // Where the marks stand: the rings' radii, or the steps' directions in degrees.
        std::vector<double> at;
        if (c.part == 1) {
            for (const std::string& l : callsOf("kernelDrawArc"))
                at.push_back(numbersAfterName(l)[2] - cx);
        } else {
            for (const std::string& l : callsOf("kernelDrawLineBy")) {
                const auto d = numbersAfterName(l);
                const double a = std::atan2(d[1], d[0]) * toDegrees;
                at.push_back(a < -1e-3 ? a + 360.0 : a);
            }
            if (c.label == 1) { EXPECT_EQ(angleLabels().size(), at.size()); }
        }
        if (at.size() < 2) {
            ADD_FAILURE() << "fewer than two marks drawn";
            continue;
        }
        if (!c.thinned) {
            // Rings k = 1..N at k R / N; steps k = 0..N at k V / N up to 6.266 radians.
            std::vector<double> whole;
            for (int k = c.part == 1 ? 1 : 0; k <= c.count; ++k) {
                const double a =
                    k * static_cast<double>(c.part == 1 ? c.radius : c.range) / c.count;
                if (c.part == 2 && a / toDegrees > 6.266) break;
                whole.push_back(a);
            }
            EXPECT_EQ(at.size(), whole.size());
            int misplaced = 0;
            for (size_t k = 0; k < std::min(at.size(), whole.size()); ++k)
                if (!(std::fabs(at[k] - whole[k]) <= 1e-2)) ++misplaced;
            EXPECT_EQ(misplaced, 0);
            continue;
        }
        // The log's reals carry 6 digits: radii to 0.01, directions to about 0.001 degrees.
        const double spacing = (at.back() - at.front()) / static_cast<double>(at.size() - 1);
        const double digits = c.part == 1 ? 1e-2 : 2e-3;
        int uneven = 0;
        for (size_t k = 1; k < at.size(); ++k)
            if (!(std::fabs(at[k] - at[k - 1] - spacing) <= digits)) ++uneven;
        EXPECT_EQ(uneven, 0);
        const double reach = std::fmin(c.radius, std::hypot(1500.0, 1125.0));
        const double apart = c.part == 1 ? spacing : spacing / toDegrees * reach;
        EXPECT_GE(apart, 1.0 - 1e-4);
        EXPECT_LT(apart, 2.0);
        if (c.part == 1) {
            EXPECT_NEAR(at.back(), c.radius, 1e-2);
            EXPECT_LE(at.front(), spacing + 1e-2);
        } else {
            EXPECT_NEAR(at.front(), 0.0, 1e-3);
            EXPECT_GE(at.back() + spacing, std::fmin(c.range, 359.0) - 1e-2);
        }
    }
}

TEST_F(PolarTest, XYChartsLineCodesAndData)
{
    const float x[4] = {10.0f, 0.0f, -20.0f, 0.0f}, y[4] = {0.0f, 30.0f, 0.0f, -40.0f};
    const struct {
        int code;
        const char* curve;  // kernel curve operation, or nullptr for a polyline
        bool markers;
    } cases[] = {{1, nullptr, false},
                 {7, nullptr, false},
                 {-1, nullptr, true},
                 {2, "kernelDrawCurve", false},
                 {-2, "kernelDrawCurve", true},
                 {3, "kernelDrawSpline", false},
                 {-4, "kernelDrawAkimaCurve", true},
                 {0, nullptr, true}};
    for (const auto& c : cases) {
        startLog();
        POLXY(x, y, 4, c.code);
        EXPECT_TRUE(errors().empty()) << c.code;
        EXPECT_EQ(callsOf("kernelDrawMarker").size(), c.markers ? 4u : 0u) << c.code;
        if (c.curve != nullptr) { EXPECT_EQ(callsOf(c.curve).size(), 1u) << c.code; }
    }
    // The axes reach the farthest point (40 from the origin) with 2 K intervals.
    EXPECT_LE(graphAxis(1).minimum, -40.0f);
    EXPECT_GE(graphAxis(2).maximum, 40.0f);
    // A polyline ends at the last point on the radial axes.
    startLog();
    POLXY(x, y, 4, 1);
    float kx = 0, ky = 0;
    GRASPA(0.0f, -40.0f, kx, ky);
    const auto lines = callsOf("kernelDrawLineTo");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "kernelDrawLineTo " + num(kx) + " " + num(ky));
}

TEST_F(PolarTest, XYChartEdgeCases)
{
    const float x[3] = {0, 0, 0}, y[3] = {0, 0, 0};
    POLXY(x, y, 3, 1);
    // Every point at the origin: range 0, the interval count (9) is the range.
    EXPECT_EQ(errors(), std::vector<int>{-520});
    EXPECT_EQ(graphAxis(1).maximum, 9.0f);
    for (int n : {1, 0, -5}) {
        startLog();
        POLXY(x, y, n, 1);
        EXPECT_EQ(errors(), std::vector<int>{515}) << n;
        EXPECT_EQ(tarv::errorLog()[0].routine, "kpPlotXYPolarChart(POLXY)");
        EXPECT_TRUE(callsOf("kernelDrawArc").empty());
    }
    // Points that are no numbers do not set the range.
    const float inf = INFINITY;
    const float fx[3] = {3.0f, inf, 0.0f}, fy[3] = {4.0f, 0.0f, 1.0f};
    startLog();
    POLXY(fx, fy, 3, 0);
    EXPECT_TRUE(std::isfinite(graphAxis(1).maximum));
    EXPECT_GE(graphAxis(1).maximum, 5.0f);
    EXPECT_LE(graphAxis(1).maximum, 10.0f);
}

}  // namespace
