// Curves, polylines, square waves, single moves and lines: what reaches the kernel.
#include <cmath>
#include <string>
#include <vector>

#include "graphs/curves.h"
#include "graphs_fixture.h"

using namespace plotlib;

namespace {

// One kernel curve call read back from the log.
struct Piece {
    std::string op;
    std::vector<float> x, y;
    int count = 0, start = 0, end = 0;
};

std::vector<Piece> pieces(const std::vector<std::string>& lines)
{
    std::vector<Piece> out;
    for (const std::string& line :
         GraphsTest::only(lines, {"kernelDrawCurve", "kernelDrawSpline", "kernelDrawAkimaCurve"})) {
        const std::vector<std::string> f = GraphsTest::fields(line);
        Piece p;
        p.op = line.substr(0, line.find(' '));
        size_t i = 0;
        p.x = GraphsTest::readArray(f, i);
        p.y = GraphsTest::readArray(f, i);
        p.count = std::stoi(f[i]);
        p.start = std::stoi(f[i + 1]);
        p.end = std::stoi(f[i + 2]);
        out.push_back(p);
    }
    return out;
}

// The eight values of each kernelSetCurveEnds.
std::vector<std::vector<float>> curveEnds(const std::vector<std::string>& lines)
{
    std::vector<std::vector<float>> out;
    for (const std::string& line : GraphsTest::only(lines, {"kernelSetCurveEnds"}))
        out.push_back(numbersAfterName(line));
    return out;
}

class CurvesTest : public GraphsTest {
protected:
    void SetUp() override
    {
        GraphsTest::SetUp();
        placeAxes();
    }
};

TEST_F(CurvesTest, DataSetRoutinesNeedTwoPoints)
{
    using Routine = void (*)(const float*, const float*, const int&);
    const struct {
        Routine routine;
        const char* name;
    } cases[] = {{GRAPOL, "kpAddGraphPolyline(GRAPOL)"},
                 {GRACUR, "kpAddGraphCurve(GRACUR)"},
                 {GRASPL, "kpAddGraphSpline(GRASPL)"},
                 {GRAAKI, "kpAddAkimaCurve(GRAAKI)"}};
    const float x[] = {1.0f, 2.0f}, y[] = {1.0f, 2.0f};
    for (const auto& c : cases) {
        for (int n : {1, 0, -5}) {
            const auto lines = calls([&] { c.routine(x, y, n); });
            EXPECT_TRUE(drawing(lines).empty()) << c.name << " n=" << n;
            ASSERT_EQ(tarv::errorLog().size(), 1u) << c.name;
            EXPECT_EQ(tarv::errorLog()[0].number, 515);
            EXPECT_EQ(tarv::errorLog()[0].routine, c.name);
        }
        // Null arrays are refused the same way rather than read.
        calls([&] { c.routine(nullptr, y, 2); });
        EXPECT_EQ(errors(), std::vector<int>{515}) << c.name;
    }
}

TEST_F(CurvesTest, PolylineMovesToTheFirstPointAndDrawsToTheRest)
{
    const float x[] = {0.0f, 2.5f, 10.0f}, y[] = {0.0f, 4.0f, 10.0f};
    const auto lines = calls([&] { GRAPOL(x, y, 3); });
    EXPECT_EQ(drawing(lines),
              (std::vector<std::string>{move(100, 100), line(300, 300), line(900, 600)}));
    EXPECT_TRUE(errors().empty());
}

TEST_F(CurvesTest, MoveAndLineGoToTheMappedPoint)
{
    const auto lines = calls([] {
        GRAMOV(2.0f, 3.0f);
        GRALIN(4.0f, 5.0f);
    });
    EXPECT_EQ(drawing(lines), (std::vector<std::string>{move(260, 250), line(420, 350)}));
}

// Long curves go to the kernel in pieces of 100 own points; each later piece repeats the
// last point of the one before, and every joint passes the neighbouring points.
TEST_F(CurvesTest, LongCurvesAreSplitIntoOverlappingPieces)
{
    struct Expected {
        int first, count, start, end;
    };
    const struct {
        int n;
        std::vector<Expected> pieces;
    } cases[] = {
        {2, {{0, 2, 0, 0}}},
        {100, {{0, 100, 0, 0}}},
        {101, {{0, 101, 0, 0}}},
        {102, {{0, 100, 0, -1}, {99, 3, -1, 0}}},
        {201, {{0, 100, 0, -1}, {99, 102, -1, 0}}},
        {202, {{0, 100, 0, -1}, {99, 101, -1, -1}, {199, 3, -1, 0}}},
        {250, {{0, 100, 0, -1}, {99, 101, -1, -1}, {199, 51, -1, 0}}},
    };
    for (const auto& c : cases) {
        std::vector<float> x(c.n), y(c.n);
        for (int i = 0; i < c.n; ++i) {
            x[i] = 0.04f * i;
            y[i] = 5.0f + 4.0f * std::sin(0.1f * i);
        }
        const auto lines = calls([&] { GRACUR(x.data(), y.data(), c.n); });
        const auto got = pieces(lines);
        const auto ends = curveEnds(lines);
        ASSERT_EQ(got.size(), c.pieces.size()) << "n=" << c.n;
        ASSERT_EQ(ends.size(), c.pieces.size());
        for (size_t k = 0; k < got.size(); ++k) {
            const Expected& e = c.pieces[k];
            SCOPED_TRACE("n=" + std::to_string(c.n) + " piece " + std::to_string(k));
            EXPECT_EQ(got[k].count, e.count);
            ASSERT_EQ(got[k].x.size(), static_cast<size_t>(e.count));
            EXPECT_EQ(got[k].start, e.start);
            EXPECT_EQ(got[k].end, e.end);
            for (int i = 0; i < e.count; ++i) {
                EXPECT_NEAR(got[k].x[i], kx(x[e.first + i]), 1e-3);
                EXPECT_NEAR(got[k].y[i], ky(y[e.first + i]), 1e-3);
            }
            if (e.start == -1) {
                EXPECT_NEAR(ends[k][4], kx(x[e.first - 1]), 1e-3);
                EXPECT_NEAR(ends[k][5], ky(y[e.first - 1]), 1e-3);
            }
            if (e.end == -1) {
                EXPECT_NEAR(ends[k][6], kx(x[e.first + e.count]), 1e-3);
                EXPECT_NEAR(ends[k][7], ky(y[e.first + e.count]), 1e-3);
            }
        }
        // Per piece: the ends, the curve, then the kernel's ends read back.
        const auto seq =
            only(lines, {"kernelSetCurveEnds", "kernelDrawCurve", "kernelEnquireCurveEnds"});
        ASSERT_EQ(seq.size(), 3 * c.pieces.size());
        for (size_t k = 0; k < c.pieces.size(); ++k) {
            EXPECT_EQ(seq[3 * k].rfind("kernelSetCurveEnds", 0), 0u);
            EXPECT_EQ(seq[3 * k + 1].rfind("kernelDrawCurve", 0), 0u);
            EXPECT_EQ(seq[3 * k + 2].rfind("kernelEnquireCurveEnds", 0), 0u);
        }
    }
}

TEST_F(CurvesTest, EachCurveRoutineUsesItsKernelCurve)
{
    using Routine = void (*)(const float*, const float*, const int&);
    const struct {
        Routine routine;
        const char* op;
    } cases[] = {{GRACUR, "kernelDrawCurve"},
                 {GRASPL, "kernelDrawSpline"},
                 {GRAAKI, "kernelDrawAkimaCurve"}};
    const float x[] = {1.0f, 2.0f, 4.0f}, y[] = {1.0f, 3.0f, 2.0f};
    for (const auto& c : cases) {
        const auto got = pieces(calls([&] { c.routine(x, y, 3); }));
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0].op, c.op);
        EXPECT_EQ(got[0].count, 3);
    }
}

TEST_F(CurvesTest, ClosedDataWithFreeEndsTakesTheWrappedNeighbours)
{
    const float x[] = {1.0f, 3.0f, 3.0f, 1.0f, 1.0f}, y[] = {1.0f, 1.0f, 3.0f, 3.0f, 1.0f};
    const auto lines = calls([&] { GRACUR(x, y, 5); });
    const auto got = pieces(lines);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].start, -1);
    EXPECT_EQ(got[0].end, -1);
    // Before the first: point n - 1 = (1, 3); after the last: point 2 = (3, 1).
    EXPECT_EQ(curveEnds(lines)[0], (std::vector<float>{0, 0, 0, 0, kx(1), ky(3), kx(3), ky(1)}));

    // Closed only within 0.00001 graph units.
    float nearly[] = {1.0f, 3.0f, 3.0f, 1.0f, 1.0f + 2e-6f};
    EXPECT_EQ(pieces(calls([&] { GRACUR(nearly, y, 5); }))[0].start, -1);
    float open[] = {1.0f, 3.0f, 3.0f, 1.0f, 1.001f};
    const auto openPieces = pieces(calls([&] { GRACUR(open, y, 5); }));
    EXPECT_EQ(openPieces[0].start, 0);
    EXPECT_EQ(openPieces[0].end, 0);
}

// Stored conditions apply to the ends of the whole curve, never to the joints; tangents are
// passed as given and cleared for every piece; neighbour points are mapped.
TEST_F(CurvesTest, StoredEndConditionsApplyToTheCurveEnds)
{
    const int tangent = 1, neighbour = -1;
    const float none = 0.0f;
    calls([&] {
        CURBEG(tangent, 0.5f, -2.0f, none, none);
        CURFIN(neighbour, 7.0f, 7.0f, 8.0f, 9.0f);
    });
    std::vector<float> x(102), y(102);
    for (int i = 0; i < 102; ++i) {
        x[i] = 0.05f * i;
        y[i] = 0.05f * i;
    }
    const auto lines = calls([&] { GRASPL(x.data(), y.data(), 102); });
    const auto got = pieces(lines);
    const auto ends = curveEnds(lines);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].start, 1);
    EXPECT_EQ(got[0].end, -1);
    EXPECT_EQ(got[1].start, -1);
    EXPECT_EQ(got[1].end, -1);
    EXPECT_FLOAT_EQ(ends[0][0], 0.5f);
    EXPECT_FLOAT_EQ(ends[0][1], -2.0f);
    EXPECT_FLOAT_EQ(ends[1][0], 0.0f);
    EXPECT_FLOAT_EQ(ends[1][1], 0.0f);
    EXPECT_NEAR(ends[1][6], kx(8.0f), 1e-3);
    EXPECT_NEAR(ends[1][7], ky(9.0f), 1e-3);

    // Type 0 frees the start again; the end condition stays.
    const int free = 0;
    calls([&] { CURBEG(free, 1.0f, 1.0f, 1.0f, 1.0f); });
    const float sx[] = {1.0f, 2.0f, 3.0f}, sy[] = {1.0f, 2.0f, 1.0f};
    const auto again = pieces(calls([&] { GRACUR(sx, sy, 3); }));
    EXPECT_EQ(again[0].start, 0);
    EXPECT_EQ(again[0].end, -1);
}

TEST_F(CurvesTest, SquareWaveVariants)
{
    const float x[] = {1.0f, 3.0f, 5.0f}, y[] = {2.0f, 6.0f, 4.0f};
    using Points = std::vector<std::pair<float, float>>;
    const struct {
        int mode, axis;
        Points through;  // after the move to point 1
    } cases[] = {
        {0, 1, {{2, 2}, {2, 6}, {3, 6}, {4, 6}, {4, 4}, {5, 4}, {5, 4}}},
        {1, 1, {{1, 6}, {3, 6}, {3, 4}, {5, 4}}},
        {-1, 1, {{3, 2}, {3, 6}, {5, 6}, {5, 4}}},
        {0, 2, {{1, 4}, {3, 4}, {3, 6}, {3, 5}, {5, 5}, {5, 4}, {5, 4}}},
        {1, 2, {{3, 2}, {3, 6}, {5, 6}, {5, 4}}},
        {-1, 2, {{1, 6}, {3, 6}, {3, 4}, {5, 4}}},
        // Axis numbers above 1 step along y.
        {1, 7, {{3, 2}, {3, 6}, {5, 6}, {5, 4}}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> expected{move(kx(1), ky(2))};
        for (const auto& [px, py] : c.through) expected.push_back(line(kx(px), ky(py)));
        EXPECT_EQ(drawing(calls([&] { GRASQU(x, y, 3, c.mode, c.axis); })), expected)
            << "mode " << c.mode << " axis " << c.axis;
        EXPECT_TRUE(errors().empty());
    }
}

TEST_F(CurvesTest, SquareWaveWithAnUnknownStepModeWarnsAndStepsAtTheMiddle)
{
    const float x[] = {1.0f, 3.0f}, y[] = {2.0f, 6.0f};
    const auto lines = calls([&] { GRASQU(x, y, 2, 2, 1); });
    EXPECT_EQ(errors(), std::vector<int>{-547});
    EXPECT_EQ(drawing(lines),
              (std::vector<std::string>{move(kx(1), ky(2)), line(kx(2), ky(2)), line(kx(2), ky(6)),
                                        line(kx(3), ky(6)), line(kx(3), ky(6))}));
    calls([&] { GRASQU(x, y, 1, 0, 1); });
    EXPECT_EQ(errors(), std::vector<int>{515});
}

}  // namespace
