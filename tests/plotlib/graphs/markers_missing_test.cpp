// Markers with steps, missing values in every mode, and how polylines, markers and curves
// treat missing points.
#include <climits>
#include <string>
#include <vector>

#include "graphs/curves.h"
#include "graphs_fixture.h"

using namespace plotlib;

namespace {

class MarkersTest : public GraphsTest {
protected:
    void SetUp() override
    {
        GraphsTest::SetUp();
        placeAxes();
        for (int i = 0; i < 8; ++i) {
            x[i] = static_cast<float>(i + 1);
            y[i] = 0.5f * static_cast<float>(i + 1);
        }
    }

    // Move and marker at each of the given 0-based points.
    std::vector<std::string> marked(std::initializer_list<int> points, int symbol) const
    {
        std::vector<std::string> out;
        for (int i : points) {
            out.push_back(move(kx(x[i]), ky(y[i])));
            out.push_back("kernelDrawMarker " + std::to_string(symbol));
        }
        return out;
    }

    float x[8], y[8];
};

TEST_F(MarkersTest, StepsAndTheirWarnings)
{
    const struct {
        int n, marker, skip;
        std::vector<int> warnings;
        std::vector<std::string> expected;
    } cases[] = {
        {8, 5, 2, {}, marked({0, 3, 6}, 5)},
        {8, 5, 0, {}, marked({0, 1, 2, 3, 4, 5, 6, 7}, 5)},
        {7, 0, 2, {}, marked({0, 3, 6}, 0)},
        {8, 5, -3, {-526}, marked({0, 1, 2, 3, 4, 5, 6, 7}, 5)},
        {8, -4, 3, {-527}, marked({0, 4}, 1)},
        {8, -1, -1, {-526, -527}, marked({0, 1, 2, 3, 4, 5, 6, 7}, 1)},
        // skip + 1 past the 32-bit range: only the first point, no overflow.
        {8, 2, INT_MAX, {}, marked({0}, 2)},
        {8, 2, INT_MIN, {-526}, marked({0, 1, 2, 3, 4, 5, 6, 7}, 2)},
        {0, 2, 0, {516}, {}},
        {-3, 2, 0, {516}, {}},
    };
    for (const auto& c : cases) {
        const auto lines = calls([&] { GRASYM(x, y, c.n, c.marker, c.skip); });
        EXPECT_EQ(drawing(lines), c.expected) << "n " << c.n << " skip " << c.skip;
        EXPECT_EQ(errors(), c.warnings) << "n " << c.n << " skip " << c.skip;
    }
    calls([&] { GRASYM(x, y, 8, 1, 0); });
    ASSERT_FALSE(tarv::traceLines().empty());
    EXPECT_EQ(tarv::traceLines().front(), "kernelSetRoutineName 2 \"kpAddGraphMarkers(GRASYM)\"");
}

// Modes of VALMIS against values on either side of a = 2 and b = 6.
TEST_F(MarkersTest, MissingValueModes)
{
    const float values[] = {1.0f, 2.0f, 3.0f, 6.0f, 7.0f};
    const struct {
        int mode;
        bool missing[5];
    } cases[] = {
        {0, {false, false, false, false, false}}, {1, {false, true, false, true, false}},
        {2, {false, false, true, true, true}},    {3, {false, true, true, true, true}},
        {4, {true, false, false, false, false}},  {5, {true, true, false, false, false}},
        {6, {true, false, false, false, true}},   {7, {false, true, true, true, false}},
    };
    for (const auto& c : cases) {
        calls([&] { VALMIS(c.mode, 2.0f, 6.0f, 2); });
        EXPECT_TRUE(errors().empty());
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(graphIsMissingPoint(100.0f, values[k]), c.missing[k])
                << "mode " << c.mode << " y " << values[k];
            // The y values are tested; x plays no part.
            EXPECT_EQ(graphIsMissingPoint(values[k], 4.0f),
                      c.mode == 2 || c.mode == 3 || c.mode == 7)
                << "mode " << c.mode;
        }
    }
    // Axis 1 tests x; any axis above 1 tests y.
    calls([] { VALMIS(1, 3.0f, 3.0f, 1); });
    EXPECT_TRUE(graphIsMissingPoint(3.0f, 0.0f));
    EXPECT_FALSE(graphIsMissingPoint(0.0f, 3.0f));
    calls([] { VALMIS(1, 3.0f, 3.0f, 9); });
    EXPECT_TRUE(graphIsMissingPoint(0.0f, 3.0f));

    // An unknown mode warns and switches missing values off.
    calls([] { VALMIS(8, 3.0f, 3.0f, 2); });
    EXPECT_EQ(errors(), std::vector<int>{-558});
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpDefineMissingValues(VALMIS)");
    EXPECT_FALSE(graphIsMissingPoint(0.0f, 3.0f));
}

TEST_F(MarkersTest, MissingPointsBreakPolylinesAndSkipMarkers)
{
    const float px[] = {1, 2, 3, 4, 5, 6, 7}, py[] = {1, 2, -999, 3, -999, 4, 5};
    // Without missing values the whole set is one line.
    std::vector<std::string> whole{move(kx(1), ky(1))};
    for (int i = 1; i < 7; ++i) whole.push_back(line(kx(px[i]), ky(py[i])));
    EXPECT_EQ(drawing(calls([&] { GRAPOL(px, py, 7); })), whole);

    calls([] { VALMIS(1, -999.0f, -999.0f, 2); });
    // Missing points are passed over with the pen up; the lone point 4 draws nothing.
    EXPECT_EQ(drawing(calls([&] { GRAPOL(px, py, 7); })),
              (std::vector<std::string>{
                  move(kx(1), ky(1)), line(kx(2), ky(2)), move(kx(3), ky(-999)), move(kx(4), ky(3)),
                  move(kx(5), ky(-999)), move(kx(6), ky(4)), line(kx(7), ky(5))}));
    EXPECT_EQ(drawing(calls([&] { GRASYM(px, py, 7, 4, 1); })),
              (std::vector<std::string>{move(kx(1), ky(1)), "kernelDrawMarker 4",
                                        move(kx(7), ky(5)), "kernelDrawMarker 4"}));
    // Curves and square waves do not test missing values.
    EXPECT_EQ(only(calls([&] { GRACUR(px, py, 7); }), {"kernelDrawCurve"}).size(), 1u);
    EXPECT_EQ(drawing(calls([&] { GRASQU(px, py, 2, 1, 1); })).size(), 3u);
}

// On a logarithmic axis a missing value with no logarithm is still mapped first, so its
// error is reported; it maps to the fallback -10.
TEST_F(MarkersTest, MissingPointsAreMappedBeforeTheTest)
{
    calls([] {
        AXISCA(4, 0, 1.0f, 100.0f, 2);
        VALMIS(1, 0.0f, 0.0f, 2);
    });
    const float px[] = {1, 2, 3}, py[] = {1, 0, 10};
    const auto lines = drawing(calls([&] { GRAPOL(px, py, 3); }));
    EXPECT_EQ(errors(), std::vector<int>{514});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], move(kx(2), -10.0f));
    EXPECT_EQ(lines[2].rfind("kernelMovePen", 0), 0u);
}

}  // namespace
