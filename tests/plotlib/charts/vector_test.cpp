// Vector charts: settings and their enquiries, the mapping of magnitudes to arrow lengths, the
// grid over the frame or the axes, placement on the nodes, limits, line styles and errors.
#include <cmath>
#include <string>
#include <vector>

#include "support/plot_fixture.h"

namespace {

struct Arrow {
    float sx, sy, tx, ty;
    double length() const { return std::hypot(tx - sx, ty - sy); }
    double direction() const
    {
        double a = std::atan2(ty - sy, tx - sx) * 180.0 / M_PI;
        return a < -1e-3 ? a + 360.0 : a;
    }
};

class VectorTest : public PlotLibraryTest {
protected:
    // x from 0 to 10 over kernel 100..900, y from 0 to 10 over kernel 100..600; the grid frame
    // (0..8) x (0..4) with 5 x 3 nodes is then 160 apart in x and 100 in y: a unit of 100.
    void SetUp() override
    {
        PlotLibraryTest::SetUp();
        placeAxes();
        VECBND(8.0f, 0.0f, 4.0f, 0.0f);
        startLog();
    }
    // The arrows drawn: the pen position before each shaft and the shaft's end.
    static std::vector<Arrow> arrows()
    {
        std::vector<Arrow> out;
        const auto lines = calls();
        for (size_t k = 0; k + 1 < lines.size(); ++k) {
            if (lines[k].rfind("kernelEnquirePenPosition", 0) != 0) continue;
            const auto s = numbersAfterName(lines[k]);
            const auto t = numbersAfterName(lines[k + 1]);
            out.push_back({s[0], s[1], t[0], t[1]});
        }
        return out;
    }
    // A grid of 5 x 3 nodes, all pointing along x, with the given magnitudes (x fastest).
    static std::vector<Arrow> draw(const std::vector<float>& magnitudes, int style = 0)
    {
        const std::vector<float> directions(15, 0.0f);
        const std::vector<int> colours(15, 1);
        startLog();
        VECGRA(directions.data(), magnitudes.data(), colours.data(), 5, 3, style);
        return arrows();
    }
};

TEST_F(VectorTest, SettingsAndEnquiries)
{
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    VECBNQ(x1, x2, y1, y2);
    EXPECT_EQ(std::vector<float>({x1, x2, y1, y2}), std::vector<float>({0, 8, 0, 4}));
    const struct {
        float a, b, low, high;
    } limits[] = {{3, -1, 1, 3}, {2, 2.000001f, 0, 0}, {-5, 0, 0, 5}};
    for (const auto& c : limits) {
        VECCLP(c.a, c.b);
        float low = -1, high = -1;
        VECCLQ(low, high);
        EXPECT_EQ(low, c.low) << c.a;
        EXPECT_EQ(high, c.high) << c.a;
    }
    VECSCA(2, 10.0f, -2.0f, -1.5f);
    int mode = 9;
    float low = 0, high = 0, factor = 0;
    VECSCQ(mode, low, high, factor);
    EXPECT_EQ(errors(), std::vector<int>{-553});
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpSetVectorAttribs(VECSCA)");
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(low, -2.0f);
    EXPECT_EQ(high, 10.0f);
    EXPECT_EQ(factor, 1.5f);
    VECSCA(-1, 5.0f, 5.0f, 2.0f);
    VECSCQ(mode, low, high, factor);
    EXPECT_EQ(std::vector<float>({float(mode), low, high, factor}),
              std::vector<float>({-1, 0, 0, 2}));
    startLog();
    VECSET();
    VECSCQ(mode, low, high, factor);
    VECCLQ(x1, x2);
    EXPECT_EQ(std::vector<float>({float(mode), low, high, factor, x1, x2}),
              std::vector<float>({0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(graphState.vector.frameSwitch, 0);
    EXPECT_TRUE(errors().empty());
    EXPECT_TRUE(callsOf("kernelMovePen").empty());
}

TEST_F(VectorTest, LengthsFollowTheMagnitudeMapping)
{
    std::vector<float> m(15, 0.0f);
    m[0] = 1.0f;
    m[1] = 2.0f;
    m[2] = 4.0f;
    // Defaults: the largest magnitude is one unit long, the others in proportion; a zero
    // magnitude gives no arrow.
    auto a = draw(m);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_NEAR(a[0].length(), 25.0, 1e-3);
    EXPECT_NEAR(a[1].length(), 50.0, 1e-3);
    EXPECT_NEAR(a[2].length(), 100.0, 1e-3);
    // Magnitudes 2..10 map to 0..1 unit; longer arrows are not cut.
    VECSCA(0, 10.0f, 2.0f, 1.0f);
    m[0] = 2.0f;
    m[1] = 10.0f;
    m[2] = 18.0f;
    m[3] = 1.0f;
    a = draw(m);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_NEAR(a[0].length(), 100.0, 1e-3);
    EXPECT_NEAR(a[1].length(), 200.0, 1e-3);
    // The length factor scales the unit.
    VECSCA(0, 10.0f, 2.0f, -0.5f);
    a = draw(m);
    EXPECT_NEAR(a[0].length(), 50.0, 1e-3);
}

TEST_F(VectorTest, LimitsChooseTheMagnitudesDrawn)
{
    const std::vector<float> m = {0.5f, 1.0f, 2.0f, 3.0f, -4.0f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    VECCLP(1.0f, 3.0f);
    EXPECT_EQ(draw(m).size(), 3u);
    VECCLP(0.0f, 0.0f);
    EXPECT_EQ(draw(m).size(), 5u);
}

TEST_F(VectorTest, NodesSpanTheFrameOrTheAxes)
{
    const std::vector<float> m(15, 1.0f);
    VECSCA(-1, 0.0f, 0.0f, 1.0f);  // arrows start at their nodes
    auto a = draw(m);
    ASSERT_EQ(a.size(), 15u);
    // x index runs fastest in the arrays, but the nodes are drawn column by column.
    EXPECT_FLOAT_EQ(a[0].sx, 100.0f);
    EXPECT_FLOAT_EQ(a[0].sy, 100.0f);
    EXPECT_FLOAT_EQ(a[1].sy, 200.0f);
    EXPECT_FLOAT_EQ(a[3].sx, 260.0f);
    EXPECT_FLOAT_EQ(a[14].sx, 740.0f);
    EXPECT_FLOAT_EQ(a[14].sy, 300.0f);
    // One column: nodes at the left of the frame, the full height over NY - 1 apart.
    const float d[3] = {90, 90, 90}, one[3] = {1, 1, 1};
    const int c[3] = {1, 1, 1};
    startLog();
    VECGRA(d, one, c, 1, 3, 0);
    a = arrows();
    ASSERT_EQ(a.size(), 3u);
    EXPECT_FLOAT_EQ(a[1].sx, 100.0f);
    EXPECT_FLOAT_EQ(a[1].sy, 200.0f);
    EXPECT_NEAR(a[1].ty, 300.0f, 1e-3);  // unit: min(full width, half the height)
    // Without a frame the grid spans the axes: 0..10 over the whole axes.
    VECSET();
    VECSCA(-1, 0.0f, 0.0f, 1.0f);
    a = draw(std::vector<float>(15, 1.0f));
    EXPECT_FLOAT_EQ(a.back().sx, 900.0f);
    EXPECT_FLOAT_EQ(a.back().sy, 600.0f);
}

TEST_F(VectorTest, DirectionsPlacementAndNegativeMagnitudes)
{
    const float d[2] = {30.0f, 210.0f}, m[2] = {-2.0f, 2.0f};
    const int c[2] = {3, 3};
    const struct {
        int mode;
        double fromTail;  // where the node lies along the arrow, from its tail
    } modes[] = {{-1, 0.0}, {0, 0.5}, {1, 1.0}};
    for (const auto& p : modes) {
        VECSCA(p.mode, 0.0f, 0.0f, 1.0f);
        startLog();
        VECGRA(d, m, c, 2, 1, 2);
        const auto a = arrows();
        ASSERT_EQ(a.size(), 2u);
        // A magnitude of -2 at 30 degrees is the arrow of 2 at 210 degrees.
        EXPECT_NEAR(a[0].direction(), 210.0, 1e-2);
        EXPECT_NEAR(a[0].direction(), a[1].direction(), 1e-2);
        EXPECT_NEAR(a[0].length(), a[1].length(), 1e-3);
        const double nodeX = a[0].sx + p.fromTail * (a[0].tx - a[0].sx);
        const double nodeY = a[0].sy + p.fromTail * (a[0].ty - a[0].sy);
        EXPECT_NEAR(nodeX, 100.0, 1e-2) << p.mode;
        EXPECT_NEAR(nodeY, 100.0, 1e-2) << p.mode;
        // Filled heads: a triangle from the tip, a third of the arrow long.
        const auto fills = callsOf("kernelFillPolygon");
        ASSERT_EQ(fills.size(), 2u);
        const auto f = numbersAfterName(fills[0]);
        EXPECT_NEAR(std::hypot(f[3] - a[0].tx, f[6] - a[0].ty), a[0].length() / 3.0, 1e-2);
    }
}

TEST_F(VectorTest, ShaftsKeepTheCallersLineStyleAndHeadsAreSolid)
{
    const std::vector<float> m = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    kernelSetDashPattern(6.0f, 3.0f, 2.0f, 3.0f);
    draw(m);
    EXPECT_EQ(callsOf("kernelSetLineStyle"), std::vector<std::string>(2, "kernelSetLineStyle 0"));
    // The dash pattern comes back after each head (and once more at the routine's exit).
    const auto dashes = callsOf("kernelSetDashPattern");
    ASSERT_GE(dashes.size(), 2u);
    EXPECT_EQ(dashes[0], "kernelSetDashPattern 6 3 2 3");
    kernelSetLineStyle(4);
    draw(m);
    EXPECT_EQ(callsOf("kernelSetLineStyle"),
              (std::vector<std::string>{"kernelSetLineStyle 0", "kernelSetLineStyle 4",
                                        "kernelSetLineStyle 0", "kernelSetLineStyle 4"}));
    kernelSetLineStyle(0);
    draw(m);
    EXPECT_TRUE(callsOf("kernelSetLineStyle").empty());
}

TEST_F(VectorTest, ErrorsAndWarnings)
{
    const float d[4] = {0, 0, 0, 0}, m[4] = {1, 2, 3, 4}, zero[4] = {0, 0, 0, 1e-6f};
    const int colours[4] = {-4, 2, -5, 3};
    for (const auto& [nx, ny] : {std::pair{0, 2}, std::pair{2, -1}}) {
        startLog();
        VECGRA(d, m, colours, nx, ny, 0);
        EXPECT_EQ(errors(), std::vector<int>{536});
        EXPECT_EQ(tarv::errorLog()[0].routine, "kpAddVectors(VECGRA)");
        EXPECT_TRUE(callsOf("kernelMovePen").empty());
    }
    // Negative colours: one warning, absolute values; a bad head style draws open heads.
    startLog();
    VECGRA(d, m, colours, 2, 2, 3);
    EXPECT_EQ(errors(), (std::vector<int>{-528, -554}));
    EXPECT_EQ(callsOf("kernelSetColour")[0], "kernelSetColour 4");
    EXPECT_EQ(callsOf("kernelSetColour")[1], "kernelSetColour 5");  // column by column
    EXPECT_EQ(callsOf("kernelMovePenBy").size(), 4u);
    EXPECT_EQ(colours[0], -4);
    // No magnitude above 1e-5: nothing drawn.
    startLog();
    VECGRA(d, zero, colours, 2, 2, 0);
    EXPECT_EQ(errors(), (std::vector<int>{-554, 537}));
    EXPECT_TRUE(callsOf("kernelMovePen").empty());
}

TEST_F(VectorTest, ReversedAxisDoesNotTurnTheArrows)
{
    AXISCA(3, 10, 10.0f, 0.0f, 1);
    const std::vector<float> m(15, 1.0f);
    const auto a = draw(m);
    ASSERT_EQ(a.size(), 15u);
    for (const Arrow& r : a) {
        EXPECT_NEAR(r.direction(), 0.0, 1e-2);
        EXPECT_NEAR(r.length(), 100.0, 1e-2);
    }
}

}  // namespace
