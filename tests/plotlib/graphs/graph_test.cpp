// Whole graphs: from a data set to axes, frame and data.
#include <cmath>
#include <string>
#include <vector>

#include "graphs_fixture.h"

namespace {

class GraphTest : public GraphsTest {
protected:
    // Kernel point of a graph point on the axes GRAPH left.
    static std::pair<float, float> mapped(float x, float y)
    {
        float kxv = 0, kyv = 0;
        const auto saved = tarv::errorLog().size();
        GRASPA(x, y, kxv, kyv);
        EXPECT_EQ(tarv::errorLog().size(), saved);
        return {kxv, kyv};
    }

    // Pen operations of the data: the last `count` moves and lines of the log.
    static std::vector<std::string> lastPen(const std::vector<std::string>& lines, size_t count)
    {
        const auto pen = only(lines, {"kernelMovePen", "kernelDrawLineTo"});
        if (pen.size() < count) return pen;
        return std::vector<std::string>(pen.end() - static_cast<long>(count), pen.end());
    }

    // Polyline of the data set as GRASPA maps it.
    static std::vector<std::string> polyline(const float* x, const float* y, int n)
    {
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i) {
            const auto [px, py] = mapped(x[i], y[i]);
            out.push_back(i == 0 ? move(px, py) : line(px, py));
        }
        return out;
    }

    // Every coordinate handed to the pen or the text position is finite and on the picture.
    static void expectOnPicture(const std::vector<std::string>& lines)
    {
        for (const std::string& l :
             only(lines, {"kernelMovePen", "kernelDrawLineTo", "kernelSetTextPosition"})) {
            const auto f = fields(l);
            const float px = std::stof(f[0]), py = std::stof(f[1]);
            EXPECT_TRUE(px >= -50 && px <= 1050 && py >= -50 && py <= 800) << l;
        }
    }

    static bool drewAnything(const std::vector<std::string>& lines)
    {
        return !only(lines,
                     {"kernelDrawLineTo", "kernelDrawLineBy", "kernelDrawText", "kernelDrawMarker",
                      "kernelDrawCurve", "kernelDrawSpline"})
                    .empty();
    }

    const float x[6] = {0.5f, 1.5f, 3.0f, 4.5f, 6.0f, 8.0f};
    const float y[6] = {2.0f, 3.5f, 2.5f, 6.0f, 8.5f, 7.0f};
};

TEST_F(GraphTest, FromDataToACompleteGraph)
{
    // The caller's axis position is replaced by the default one.
    calls([] { AXIPOS(1, 300.0f, 300.0f, 200.0f, 1); });
    const auto lines = calls([&] { GRAPH(x, y, 6, 0, 1, 0); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(lines.front(), "kernelSetRoutineName 2 \"kpPlotGraph(GRAPH)\"");
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(graphAxis(n).positioned, 0);
        EXPECT_EQ(graphAxis(n).scalingType, 1);
        EXPECT_FLOAT_EQ(graphAxis(n).originX, 90.0f);
        EXPECT_FLOAT_EQ(graphAxis(n).originY, 50.0f);
    }
    EXPECT_FLOAT_EQ(graphAxis(1).length, 870.0f);
    EXPECT_FLOAT_EQ(graphAxis(2).length, 650.0f);
    // The axes cover the data.
    EXPECT_LE(graphAxis(1).minimum, 0.5f);
    EXPECT_GE(graphAxis(1).maximum, 8.0f);
    EXPECT_LE(graphAxis(2).minimum, 2.0f);
    EXPECT_GE(graphAxis(2).maximum, 8.5f);
    // Frame, ticks and numbers first, then the data as one polyline on the axes just drawn.
    EXPECT_GE(only(lines, {"kernelDrawLineBy"}).size(), 4u);
    EXPECT_GE(only(lines, {"kernelDrawText"}).size(), 4u);
    const auto data = lastPen(lines, 6);
    EXPECT_EQ(data, polyline(x, y, 6));
    EXPECT_EQ(only(lines, {"kernelDrawLineTo"}).size(), 5u);
    expectOnPicture(lines);
}

TEST_F(GraphTest, TooFewPointsDrawNothing)
{
    for (int n : {1, 0, -3}) {
        const auto lines = calls([&] { GRAPH(x, y, n, 0, 1, 0); });
        EXPECT_EQ(errors(), std::vector<int>{515});
        EXPECT_FALSE(drewAnything(lines));
    }
}

TEST_F(GraphTest, LineCodes)
{
    const struct {
        int code;
        bool polyline;
        const char* curve;  // nullptr: no curve
        bool markers;
    } cases[] = {
        {1, true, nullptr, false},
        {-1, true, nullptr, true},
        {2, false, "kernelDrawCurve", false},
        {-2, false, "kernelDrawCurve", true},
        {3, false, "kernelDrawSpline", false},
        {-3, false, "kernelDrawSpline", true},
        {0, false, nullptr, true},
        {7, true, nullptr, false},
        {-4, true, nullptr, false},
    };
    for (const auto& c : cases) {
        const auto lines = calls([&] { GRAPH(x, y, 6, 0, c.code, 0); });
        SCOPED_TRACE("line code " + std::to_string(c.code));
        EXPECT_TRUE(errors().empty());
        EXPECT_EQ(only(lines, {"kernelDrawLineTo"}).size(), c.polyline ? 5u : 0u);
        EXPECT_EQ(only(lines, {"kernelDrawCurve"}).size(),
                  c.curve && std::string(c.curve) == "kernelDrawCurve" ? 1u : 0u);
        EXPECT_EQ(only(lines, {"kernelDrawSpline"}).size(),
                  c.curve && std::string(c.curve) == "kernelDrawSpline" ? 1u : 0u);
        EXPECT_TRUE(only(lines, {"kernelDrawAkimaCurve"}).empty());
        size_t eights = 0;
        for (const std::string& l : only(lines, {"kernelDrawMarker"}))
            eights += (l == "kernelDrawMarker 8");
        EXPECT_EQ(eights, c.markers ? 6u : 0u);
        if (c.markers) {
            // The markers come last, one at each point.
            const auto [px, py] = mapped(x[5], y[5]);
            EXPECT_EQ(lastPen(lines, 1)[0], move(px, py));
        }
    }
}

TEST_F(GraphTest, GraphTypesAndLogarithmicChecks)
{
    const float zeroX[] = {0.0f, 2.0f, 5.0f}, someX[] = {1.0f, 2.0f, 50.0f};
    const float zeroY[] = {0.0f, 3.0f, 4.0f}, someY[] = {1.0f, 30.0f, 400.0f};
    const struct {
        int type;
        const float *px, *py;
        std::vector<int> errors;
        int xType, yType;
    } cases[] = {
        {1, zeroX, someY, {513}, 0, 0},  {1, someX, zeroY, {}, 4, 1},
        {2, zeroX, someY, {}, 1, 4},     {2, someX, zeroY, {514}, 0, 0},
        {-1, someX, zeroY, {514}, 4, 0}, {-1, zeroX, someY, {513}, 0, 0},
        {-1, someX, someY, {}, 4, 4},    {9, zeroX, zeroY, {}, 1, 1},
        {-2, zeroX, zeroY, {}, 1, 1},
    };
    for (const auto& c : cases) {
        const auto lines = calls([&] { GRAPH(c.px, c.py, 3, c.type, 1, 0); });
        SCOPED_TRACE("type " + std::to_string(c.type));
        EXPECT_EQ(errors(), c.errors);
        EXPECT_EQ(drewAnything(lines), c.errors.empty());
        if (c.xType != 0) { EXPECT_EQ(graphAxis(1).scalingType, c.xType); }
        if (c.yType != 0) { EXPECT_EQ(graphAxis(2).scalingType, c.yType); }
    }
}

// Scaling mode 1 gives both axes one range; mode 2 widens the narrower span to the wider
// one when they differ by more than 1.  Each must come out as the plain graph of data that
// already had those ranges.
TEST_F(GraphTest, ScalingModesMatchTheRanges)
{
    auto axesOf = [](const float* px, const float* py, int n) {
        calls([&] { GRAPH(px, py, n, 0, 1, 0); });
        std::vector<float> v;
        for (int a = 1; a <= 2; ++a)
            for (float f : {graphAxis(a).minimum, graphAxis(a).maximum, graphTransform(a).scale,
                            graphTransform(a).offset})
                v.push_back(f);
        return v;
    };
    const float px[] = {0.0f, 10.0f}, narrowY[] = {0.0f, 4.0f}, closeY[] = {0.0f, 9.5f};
    const float widenedY[] = {-3.0f, 7.0f};
    calls([] { GRASCA(2); });
    const auto widened = axesOf(px, narrowY, 2);
    const auto close = axesOf(px, closeY, 2);
    calls([] { GRASCA(0); });
    EXPECT_EQ(widened, axesOf(px, widenedY, 2));
    EXPECT_EQ(close, axesOf(px, closeY, 2));
    EXPECT_NE(axesOf(px, narrowY, 2), widened);

    const float farY[] = {20.0f, 30.0f};
    calls([] { GRASCA(1); });
    const auto one = axesOf(px, farY, 2);
    EXPECT_EQ(one[0], one[4]);
    EXPECT_EQ(one[1], one[5]);
    EXPECT_LE(one[0], 0.0f);
    EXPECT_GE(one[1], 30.0f);
}

// Axes through zero: each axis line passes through the other's value 0.
TEST_F(GraphTest, AxesThroughTheDataZero)
{
    const float px[] = {-2, 0, 2, 4, 6, 8}, py[] = {-5, -1, 0, 3, 4, 5};
    const auto lines = calls([&] { GRAPH(px, py, 6, 0, 1, 1); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(graphState.graph.currentAxis, 2);
    const auto [zx, zy] = mapped(0.0f, 0.0f);
    const auto moves = only(lines, {"kernelMovePen"});
    ASSERT_GE(moves.size(), 2u);
    // The x axis line starts at the y zero, the y axis line at the x zero.
    EXPECT_EQ(fields(moves[0])[1], num(zy));
    bool yAxisAtZero = false;
    const auto pen = only(lines, {"kernelMovePen", "kernelDrawLineBy"});
    for (size_t i = 0; i + 1 < pen.size(); ++i)
        if (pen[i].rfind("kernelMovePen ", 0) == 0 && fields(pen[i])[0] == num(zx) &&
            pen[i + 1] == "kernelDrawLineBy 0 " + num(graphAxis(2).length))
            yAxisAtZero = true;
    EXPECT_TRUE(yAxisAtZero);
    EXPECT_EQ(graphAxis(1).positioned, 1);
    EXPECT_EQ(graphAxis(2).positioned, 1);
    EXPECT_EQ(lastPen(lines, 6), polyline(px, py, 6));
    expectOnPicture(lines);
}

// Degenerate ranges stay on the picture: all y equal and negative (a widened range, not a
// division by zero), and all x negative (zero outside the range: the axes stay at the start).
TEST_F(GraphTest, AxesThroughZeroWithDegenerateRanges)
{
    const float px[] = {-2, 3, 8}, flatY[] = {-3, -3, -3};
    auto lines = calls([&] { GRAPH(px, flatY, 3, 0, 1, 1); });
    EXPECT_EQ(errors(), std::vector<int>{-520});
    for (const std::string& l : lines) {
        EXPECT_EQ(l.find("inf"), std::string::npos) << l;
        EXPECT_EQ(l.find("nan"), std::string::npos) << l;
    }
    expectOnPicture(lines);

    const float negX[] = {-8, -5, -2}, py[] = {1, 4, 2};
    lines = calls([&] { GRAPH(negX, py, 3, 0, 1, 1); });
    EXPECT_TRUE(errors().empty());
    expectOnPicture(lines);
    EXPECT_EQ(only(lines, {"kernelMovePen"})[0], move(90.0f, 50.0f));
}

}  // namespace

namespace {

// Equal scaling (graph scaling mode 3) survives the axes-through-zero branch: both branches
// leave the same ranges, interval counts and scales.
TEST_F(GraphTest, EqualScalingHoldsWithAxesThroughZero)
{
    const float px[] = {-2.0f, 10.0f}, py[] = {-20.0f, 100.0f};
    calls([] { GRASCA(3); });
    auto settingsAfter = [&](int axes) {
        calls([&] { GRAPH(px, py, 2, 0, 1, axes); });
        std::vector<float> v;
        for (int a = 1; a <= 2; ++a)
            for (float f :
                 {graphAxis(a).minimum, graphAxis(a).maximum,
                  static_cast<float>(graphAxis(a).intervalCount), graphTransform(a).scale})
                v.push_back(f);
        return v;
    };
    const auto framed = settingsAfter(0);
    const auto crossed = settingsAfter(1);
    EXPECT_EQ(framed, crossed);
    calls([] { GRASCA(0); });
    EXPECT_NE(settingsAfter(0), framed);
}

}  // namespace
