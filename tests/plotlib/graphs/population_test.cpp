// Population graphs: the outline of runs of positive classes about a centre line.
#include <string>
#include <vector>

#include "graphs_fixture.h"

namespace {

// Category axis x of scaling type 5: ten cells of 80 units over 1..10, so 5.5 lies at
// kernel x 500; the value axis y as in placeAxes (kernel y = 100 + 50 y).  With divisor 100
// a class value of 1 is 0.8 units wide.
class PopulationTest : public GraphsTest {
protected:
    void SetUp() override
    {
        GraphsTest::SetUp();
        placeAxes();
        calls([] { AXISCA(5, 10, 1.0f, 10.0f, 1); });
    }

    // Lines as "x1 y1 - x2 y2" from the move and line-to pairs.
    static std::vector<std::string> segments(const std::vector<std::string>& lines)
    {
        std::vector<std::string> out;
        const auto pen = only(lines, {"kernelMovePen", "kernelDrawLineTo"});
        for (size_t i = 0; i + 1 < pen.size(); i += 2) {
            EXPECT_EQ(pen[i].rfind("kernelMovePen ", 0), 0u);
            EXPECT_EQ(pen[i + 1].rfind("kernelDrawLineTo ", 0), 0u);
            out.push_back(pen[i].substr(14) + " - " + pen[i + 1].substr(17));
        }
        return out;
    }
};

TEST_F(PopulationTest, OneClosedRunOverThePositiveClasses)
{
    const float ends[] = {1, 2, 3, 4}, values[] = {0, 5, 5, 0};
    const auto lines = calls([&] { GRAPOP(1.0f, 5.5f, ends, values, 4, 100.0f); });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(
        segments(lines),
        (std::vector<std::string>{"500 150 - 504 200", "500 150 - 496 200", "504 200 - 504 250",
                                  "496 200 - 496 250", "504 250 - 500 300", "496 250 - 500 300"}));
    EXPECT_EQ(graphState.bar.valueAxis, 2);
    EXPECT_EQ(graphState.bar.outlineMode, 1);
    EXPECT_FLOAT_EQ(graphState.bar.columnWidth, 0.8f);
    EXPECT_EQ(graphState.graph.currentAxis, 1);
}

// A negative class ends a run like a zero one: the next run starts again at the centre.
TEST_F(PopulationTest, NegativeClassesStartTheNextRunAtTheCentre)
{
    const float ends[] = {1, 2, 3}, values[] = {5, -5, 5};
    const auto got = segments(calls([&] { GRAPOP(1.0f, 5.5f, ends, values, 3, 100.0f); }));
    ASSERT_EQ(got.size(), 8u);
    EXPECT_EQ(got[4], "500 200 - 504 250");
    EXPECT_EQ(got[5], "500 200 - 496 250");
}

TEST_F(PopulationTest, CategoryAxisAlongYExchangesTheCoordinates)
{
    calls([] {
        AXISCA(3, 10, 0.0f, 10.0f, 1);
        AXISCA(5, 10, 1.0f, 10.0f, 2);
    });
    // y cells are 50 units: 5.5 at kernel y 350; classes along x (kernel x = 100 + 80 x).
    const float ends[] = {2}, values[] = {2};
    const auto lines = calls([&] { GRAPOP(1.0f, 5.5f, ends, values, 1, 10.0f); });
    EXPECT_EQ(segments(lines),
              (std::vector<std::string>{"180 350 - 260 360", "180 350 - 260 340",
                                        "260 360 - 340 350", "260 340 - 340 350"}));
    EXPECT_EQ(graphState.bar.valueAxis, 1);
    EXPECT_EQ(graphState.graph.currentAxis, 2);
}

TEST_F(PopulationTest, ErrorsAndDegenerateInput)
{
    const float ends[] = {1, 2}, values[] = {1, 1};
    for (int n : {0, -2}) {
        EXPECT_TRUE(segments(calls([&] { GRAPOP(1.0f, 5.5f, ends, values, n, 1.0f); })).empty());
        EXPECT_EQ(errors(), std::vector<int>{501});
        EXPECT_EQ(tarv::errorLog()[0].routine, "kpAddPopulationGraph(GRAPOP)");
    }
    // A zero divisor counts as 1: one cell per class value, nothing infinite.
    const auto wide = segments(calls([&] { GRAPOP(1.0f, 5.5f, ends, values, 2, 0.0f); }));
    ASSERT_FALSE(wide.empty());
    EXPECT_EQ(wide[0], "500 100 - 580 150");
    // Neither axis (or both) of type 5: -503 and the x axis is the category axis.
    calls([] { AXISCA(3, 10, 0.0f, 10.0f, 1); });
    const auto fallback = calls([&] { GRAPOP(1.0f, 5.0f, ends, values, 2, 1.0f); });
    EXPECT_EQ(errors(), std::vector<int>{-503});
    EXPECT_EQ(segments(fallback)[0], "500 100 - 580 150");
}

}  // namespace
