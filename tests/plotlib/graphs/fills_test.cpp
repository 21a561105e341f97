// Fills below a data set and between two data sets: pieces, outlines, base lines, errors.
//
// Axes of graphs_fixture.h: kernel x = 100 + 80 x over 100..900, kernel y = 100 + 50 y over
// 100..600.  Polygons are read back from the kernel's log: the pen move before each fill is
// the polygon's first vertex.
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "graphs_fixture.h"

namespace {

struct Point {
    float x, y;
};

// One kernel polygon or polyline call with the current point before it.
struct Shape {
    std::string op;
    int style = 0, pen = 0, count = 0;
    Point start{0, 0};
    std::vector<Point> points;
};

// Fills and polylines of a log, each with the point the pen was moved to last.
std::vector<Shape> shapes(const std::vector<std::string>& lines)
{
    std::vector<Shape> out;
    Point pen{0, 0};
    for (const std::string& line : lines) {
        const std::string op = line.substr(0, line.find(' '));
        const auto f = GraphsTest::fields(line);
        if (op == "kernelMovePen" || op == "kernelDrawLineTo") {
            pen = {std::stof(f[0]), std::stof(f[1])};
        } else if (op == "kernelFillPolygon" || op == "kernelDrawPolyline") {
            Shape s;
            s.op = op;
            s.start = pen;
            size_t i = 0;
            if (op == "kernelFillPolygon") {
                s.style = std::stoi(f[0]);
                s.pen = std::stoi(f[1]);
                i = 3;
            }
            const auto x = GraphsTest::readArray(f, i);
            const auto y = GraphsTest::readArray(f, i);
            s.count = std::stoi(f[i]);
            for (size_t k = 0; k < x.size() && k < y.size(); ++k) s.points.push_back({x[k], y[k]});
            if (!s.points.empty()) pen = s.points.back();
            out.push_back(s);
        }
    }
    return out;
}

std::vector<Shape> fills(const std::vector<std::string>& lines)
{
    std::vector<Shape> out;
    for (const Shape& s : shapes(lines))
        if (s.op == "kernelFillPolygon") out.push_back(s);
    return out;
}

bool near(Point a, Point b) { return std::fabs(a.x - b.x) < 0.01f && std::fabs(a.y - b.y) < 0.01f; }

class FillTest : public GraphsTest {
protected:
    void SetUp() override
    {
        GraphsTest::SetUp();
        placeAxes();
    }
    static Point k(float x, float y) { return {kx(x), ky(y)}; }
};

// ---- GRAFIL

TEST_F(FillTest, BelowOnePieceToAHorizontalOrVerticalBase)
{
    const float x[] = {1, 2, 3}, y[] = {2, 4, 3};
    // Base y = 0 (kernel 100): data, then the feet of the last and the first point.
    auto lines = calls([&] { GRAFIL(x, y, 3, 0.0f, 2, 5, 3); });
    EXPECT_EQ(
        only(lines, {"kernelMovePen", "kernelFillPolygon"}),
        (std::vector<std::string>{
            move(180, 200), "kernelFillPolygon 5 3 0 [260 340 340 180] [300 250 100 100] 4"}));
    // Base x = 0.5 (kernel 140), any direction of 1 or less.
    for (int direction : {1, 0, -7}) {
        lines = calls([&] { GRAFIL(x, y, 3, 0.5f, direction, 0, 0); });
        EXPECT_EQ(
            only(lines, {"kernelMovePen", "kernelFillPolygon"}),
            (std::vector<std::string>{
                move(180, 200), "kernelFillPolygon 0 0 0 [260 340 140 140] [300 250 250 200] 4"}));
        EXPECT_TRUE(errors().empty());
    }
}

// Pieces of 198 data points, each after the first starting at the last point of the one
// before; each piece adds the feet of its own last and first point.
TEST_F(FillTest, BelowLongDataInPiecesSharingAPoint)
{
    const struct {
        int n;
        std::vector<std::pair<int, int>> pieces;  // first and last point, from 0
    } cases[] = {
        {1, {{0, 0}}},
        {2, {{0, 1}}},
        {198, {{0, 197}}},
        {199, {{0, 197}, {197, 198}}},
        {396, {{0, 197}, {197, 395}}},
        {397, {{0, 197}, {197, 395}, {395, 396}}},
        {600, {{0, 197}, {197, 395}, {395, 593}, {593, 599}}},
    };
    for (const auto& c : cases) {
        std::vector<float> x(c.n), y(c.n);
        for (int i = 0; i < c.n; ++i) {
            x[i] = 0.01f * i;
            y[i] = 5.0f + 4.0f * std::sin(0.1f * i);
        }
        const auto got = fills(calls([&] { GRAFIL(x.data(), y.data(), c.n, 1.0f, 2, 0, 0); }));
        SCOPED_TRACE("n=" + std::to_string(c.n));
        ASSERT_EQ(got.size(), c.pieces.size());
        for (size_t p = 0; p < got.size(); ++p) {
            const auto [first, last] = c.pieces[p];
            const Shape& s = got[p];
            ASSERT_EQ(s.count, last - first + 2);
            ASSERT_LE(s.count, 200);
            EXPECT_TRUE(near(s.start, k(x[first], y[first])));
            for (int i = first + 1; i <= last; ++i)
                EXPECT_TRUE(near(s.points[i - first - 1], k(x[i], y[i]))) << "point " << i;
            EXPECT_TRUE(near(s.points[s.count - 2], {kx(x[last]), ky(1.0f)}));
            EXPECT_TRUE(near(s.points[s.count - 1], {kx(x[first]), ky(1.0f)}));
        }
    }
}

// The outline: one data line across the pieces, then the base under the whole data set and
// back up to the first point; no seams between pieces.
TEST_F(FillTest, BelowOutlineRunsAlongTheDataAndTheWholeBase)
{
    const int n = 397;
    std::vector<float> x(n), y(n);
    for (int i = 0; i < n; ++i) {
        x[i] = 0.02f * i;
        y[i] = 5.0f + 3.0f * std::cos(0.05f * i);
    }
    const auto lines = calls([&] { GRAFIL(x.data(), y.data(), n, 2.0f, 2, -1, -6); });
    EXPECT_EQ(errors(), std::vector<int>{-508});
    EXPECT_TRUE(only(lines, {"kernelFillPolygon"}).empty());
    EXPECT_EQ(only(lines, {"kernelSetPen"}), std::vector<std::string>{"kernelSetPen 6"});
    const auto got = shapes(lines);
    ASSERT_EQ(got.size(), 3u);
    const int runs[3][2] = {{0, 197}, {197, 395}, {395, 396}};
    for (int p = 0; p < 3; ++p) {
        const Shape& s = got[p];
        EXPECT_EQ(s.op, "kernelDrawPolyline");
        EXPECT_TRUE(near(s.start, k(x[runs[p][0]], y[runs[p][0]])));
        const int data = runs[p][1] - runs[p][0];
        ASSERT_EQ(s.count, p < 2 ? data : data + 2);
        for (int i = 0; i < data; ++i)
            EXPECT_TRUE(near(s.points[i], k(x[runs[p][0] + 1 + i], y[runs[p][0] + 1 + i])));
    }
    // Last piece: to the foot of the last point, along the base to the foot of the first.
    EXPECT_TRUE(near(got[2].points[1], {kx(x[n - 1]), ky(2.0f)}));
    EXPECT_TRUE(near(got[2].points[2], {kx(x[0]), ky(2.0f)}));
    EXPECT_EQ(only(lines, {"kernelDrawLineTo"}),
              std::vector<std::string>{line(kx(x[0]), ky(y[0]))});
}

TEST_F(FillTest, BelowOnePointIsADegeneratePolygonOrASegmentThereAndBack)
{
    const float x[] = {5}, y[] = {8};
    auto lines = calls([&] { GRAFIL(x, y, 1, 2.0f, 2, 0, 1); });
    EXPECT_EQ(only(lines, {"kernelMovePen", "kernelFillPolygon"}),
              (std::vector<std::string>{move(500, 500),
                                        "kernelFillPolygon 0 1 0 [500 500] [200 200] 2"}));
    lines = calls([&] { GRAFIL(x, y, 1, 2.0f, 2, -1, 1); });
    EXPECT_EQ(only(lines, {"kernelMovePen", "kernelDrawPolyline", "kernelDrawLineTo"}),
              (std::vector<std::string>{move(500, 500), "kernelDrawPolyline [500 500] [200 200] 2",
                                        line(500, 500)}));
}

// The base is held within the axis line; with axes through zero that line starts before the
// stored origin.  Only the base's own axis converts it.
TEST_F(FillTest, BelowBaseIsHeldWithinItsAxis)
{
    const float x[] = {1, 2}, y[] = {2, 4};
    const struct {
        float base;
        int direction;
        const char* polygon;
    } cases[] = {
        {-5.0f, 2, "kernelFillPolygon 0 0 0 [260 260 180] [300 100 100] 3"},
        {20.0f, 2, "kernelFillPolygon 0 0 0 [260 260 180] [300 600 600] 3"},
        {20.0f, 1, "kernelFillPolygon 0 0 0 [260 900 900] [300 300 200] 3"},
        {-1.0f, 1, "kernelFillPolygon 0 0 0 [260 100 100] [300 300 200] 3"},
        {NAN, 1, "kernelFillPolygon 0 0 0 [260 100 100] [300 300 200] 3"},
    };
    for (const auto& c : cases) {
        const auto lines = calls([&] { GRAFIL(x, y, 2, c.base, c.direction, 0, 0); });
        EXPECT_EQ(only(lines, {"kernelFillPolygon"}), std::vector<std::string>{c.polygon})
            << c.base;
    }
    AXIPOS(0, 500.0f, 350.0f, 800.0f, 1);
    AXISCA(3, 10, -5.0f, 5.0f, 1);
    AXISCA(4, 0, 1.0f, 100.0f, 2);
    const float lx[] = {-4, -3}, ly[] = {10, 100};
    const auto lines = calls([&] { GRAFIL(lx, ly, 2, -100.0f, 1, 0, 0); });
    // Kernel x of -4 and -3: 180, 260; the base held at the axis start 100, not the origin 500.
    EXPECT_EQ(only(lines, {"kernelFillPolygon"}),
              std::vector<std::string>{"kernelFillPolygon 0 0 0 [260 100 100] [600 600 350] 3"});
    EXPECT_TRUE(errors().empty());
}

TEST_F(FillTest, BadCountsFillCodesAndPens)
{
    const float v[] = {1, 2, 3};
    for (int n : {0, -1}) {
        auto lines = calls([&] { GRAFIL(v, v, n, 0.0f, 2, 0, 0); });
        EXPECT_EQ(errors(), std::vector<int>{515});
        EXPECT_TRUE(shapes(lines).empty());
    }
    calls([&] { GRAFIL(nullptr, v, 3, 0.0f, 2, 0, 0); });
    EXPECT_EQ(errors(), std::vector<int>{515});
    for (int n : {1, 0}) {
        auto lines = calls([&] { GRAFI2(v, v, n, v, v, 3, 0, 0); });
        EXPECT_EQ(errors(), std::vector<int>{515});
        EXPECT_TRUE(shapes(lines).empty());
        lines = calls([&] { GRAFI2(v, v, 3, v, v, n, 0, 0); });
        EXPECT_EQ(errors(), std::vector<int>{515});
    }
    calls([&] { GRAFI2(v, v, 3, v, nullptr, 3, 0, 0); });
    EXPECT_EQ(errors(), std::vector<int>{515});
    // A fill code below -1 draws nothing and reports nothing, not even a bad pen.
    auto lines = calls([&] {
        GRAFIL(v, v, 3, 0.0f, 2, -2, -5);
        GRAFI2(v, v, 3, v, v, 3, -9, -5);
    });
    EXPECT_TRUE(errors().empty());
    EXPECT_TRUE(shapes(lines).empty());
    EXPECT_TRUE(only(lines, {"kernelMovePen", "kernelSetPen", "kernelDrawLineTo"}).empty());
    // A negative pen warns once and its size is used; the most negative pen too.
    const struct {
        int pen, used;
    } pens[] = {{-3, 3}, {INT_MIN, INT_MAX}};
    for (const auto& p : pens) {
        std::vector<float> x(450), y(450);
        for (int i = 0; i < 450; ++i) x[i] = 0.02f * i, y[i] = 5.0f;
        const auto below =
            fills(calls([&] { GRAFIL(x.data(), y.data(), 450, 0.0f, 2, 4, p.pen); }));
        EXPECT_EQ(errors(), std::vector<int>{-508});
        ASSERT_EQ(below.size(), 3u);
        const auto between =
            fills(calls([&] { GRAFI2(x.data(), y.data(), 450, x.data(), v, 3, 4, p.pen); }));
        EXPECT_EQ(errors(), std::vector<int>{-508});
        ASSERT_GE(between.size(), 2u);
        for (const Shape& s : below) EXPECT_EQ(s.pen, p.used);
        for (const Shape& s : between) EXPECT_EQ(s.pen, p.used);
    }
}

// ---- GRAFI2

// The band read back from the pieces: which points of A and of B each piece holds, in order.
struct PieceRuns {
    std::vector<int> a, b;
};

class BetweenTest : public FillTest {
protected:
    std::vector<float> xa, ya, xb, yb;

    // Index of the point of set (x, y) at kernel point p, or -1.  Polygons walk the sets in
    // order, so the search starts next to the point found last.
    int index(const std::vector<float>& x, const std::vector<float>& y, Point p) const
    {
        const int n = static_cast<int>(x.size());
        int& hint = &x == &xa ? hintA_ : hintB_;
        hint = std::clamp(hint, 0, n > 0 ? n - 1 : 0);
        for (int d = 0; d < n; ++d) {
            for (int i : {hint + d, hint - d}) {
                if (i >= 0 && i < n && near(p, k(x[i], y[i]))) {
                    hint = i;
                    return i;
                }
            }
        }
        return -1;
    }
    mutable int hintA_ = 0, hintB_ = 0;
    // Splits a polygon (the pen point and its vertices) into its run of A and its run of B;
    // A's points come first.  The first vertex repeats the pen point.
    PieceRuns split(const Shape& s) const
    {
        PieceRuns r;
        std::vector<Point> all{s.start};
        all.insert(all.end(), s.points.begin(), s.points.end());
        EXPECT_TRUE(near(all[0], all[1]));
        bool inB = false;
        for (size_t i = 1; i < all.size(); ++i) {
            const int ia = inB ? -1 : index(xa, ya, all[i]);
            if (ia >= 0) {
                r.a.push_back(ia);
                continue;
            }
            inB = true;
            const int ib = index(xb, yb, all[i]);
            EXPECT_GE(ib, 0) << "vertex " << i << " is in neither set";
            r.b.push_back(ib);
        }
        return r;
    }
    std::vector<PieceRuns> runs(const std::vector<Shape>& polygons) const
    {
        std::vector<PieceRuns> out;
        for (const Shape& s : polygons) {
            EXPECT_LE(s.count, 200);
            EXPECT_EQ(static_cast<size_t>(s.count), s.points.size());
            out.push_back(split(s));
        }
        return out;
    }
    // Every piece takes consecutive points of A forward and of B in one direction (`bStep`),
    // each piece starts where the one before ended, and together they cover both sets.
    static void expectCover(const std::vector<PieceRuns>& got, int na, int nb, int bStep)
    {
        ASSERT_FALSE(got.empty());
        int nextA = 0, nextB = bStep < 0 ? 0 : nb - 1;
        for (size_t p = 0; p < got.size(); ++p) {
            SCOPED_TRACE("piece " + std::to_string(p));
            const PieceRuns& r = got[p];
            ASSERT_FALSE(r.a.empty());
            ASSERT_FALSE(r.b.empty());
            EXPECT_EQ(r.a.front(), nextA);
            for (size_t i = 1; i < r.a.size(); ++i) ASSERT_EQ(r.a[i], r.a[i - 1] + 1);
            // B's run goes back along B: its last vertex is where the piece's B part starts.
            EXPECT_EQ(r.b.back(), nextB);
            for (size_t i = 1; i < r.b.size(); ++i) ASSERT_EQ(r.b[i], r.b[i - 1] + bStep);
            nextA = r.a.back();
            nextB = r.b.front();
        }
        EXPECT_EQ(nextA, na - 1);
        EXPECT_EQ(nextB, bStep < 0 ? nb - 1 : 0);
    }
};

TEST_F(BetweenTest, OnePieceRunsAlongAAndBackAlongB)
{
    xa = {1, 2, 3}, ya = {6, 7, 6}, xb = {1, 3}, yb = {2, 2};
    const auto lines =
        calls([&] { GRAFI2(xa.data(), ya.data(), 3, xb.data(), yb.data(), 2, 7, 2); });
    EXPECT_EQ(only(lines, {"kernelMovePen", "kernelFillPolygon"}),
              (std::vector<std::string>{
                  move(180, 400),
                  "kernelFillPolygon 7 2 0 [180 260 340 340 180] [400 450 400 200 200] 5"}));
    EXPECT_TRUE(errors().empty());
}

// Rising x of 150 and 120 points: merged by x into pieces of 200 points sharing end points.
TEST_F(BetweenTest, MonotonicSetsAreMergedIntoPiecesOfTwoHundred)
{
    for (int i = 0; i < 150; ++i) xa.push_back(0.05f * i), ya.push_back(7.0f + std::sin(0.2f * i));
    for (int j = 0; j < 120; ++j)
        xb.push_back(0.0625f * j + 0.01f), yb.push_back(2.0f + std::cos(0.2f * j));
    const auto got = runs(
        fills(calls([&] { GRAFI2(xa.data(), ya.data(), 150, xb.data(), yb.data(), 120, 0, 0); })));
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].a.size() + got[0].b.size(), 200u);
    EXPECT_EQ(got[1].a.size() + got[1].b.size(), 150u + 120u - 200u + 2u);
    expectCover(got, 150, 120, -1);
    // The cut lies where the two sets meet in x: neither side runs ahead by more than a step.
    const int ea = got[0].a.back(), eb = got[0].b.front();
    EXPECT_LT(std::fabs(xa[ea] - xb[eb]), 0.0625f);
}

// Sets of many lengths, monotonic in x, in y only, or in neither: no piece holds more than the
// buffer, the pieces join up, and both sets are covered to their last point.
TEST_F(BetweenTest, PiecesCoverBothSetsWhateverTheirLengths)
{
    const int sizes[] = {2, 3, 97, 98, 99, 197, 199, 200, 201, 397, 1000};
    for (int shape = 0; shape < 3; ++shape) {
        for (int na : sizes) {
            for (int nb : sizes) {
                xa.clear(), ya.clear(), xb.clear(), yb.clear();
                for (int i = 0; i < na; ++i) {
                    const float t = static_cast<float>(i) / na;
                    if (shape == 0) xa.push_back(8.0f * t), ya.push_back(8.0f + std::sin(9.0f * t));
                    else if (shape == 1)
                        xa.push_back(5.0f + std::sin(9.0f * t)), ya.push_back(8.0f * t);
                    else
                        xa.push_back(5.0f + 4.0f * std::sin(7.0f * t)),
                            ya.push_back(7.0f + std::sin(13.0f * t));
                }
                for (int j = 0; j < nb; ++j) {
                    const float t = static_cast<float>(j) / nb;
                    if (shape == 0)
                        xb.push_back(8.0f * t + 0.003f), yb.push_back(2.0f + std::cos(9.0f * t));
                    else if (shape == 1)
                        xb.push_back(1.5f + std::cos(9.0f * t)), yb.push_back(8.0f * t + 0.003f);
                    else
                        xb.push_back(5.0f + 4.0f * std::cos(7.0f * t)),
                            yb.push_back(2.0f + std::cos(11.0f * t) + 0.5f * t);
                }
                SCOPED_TRACE("shape " + std::to_string(shape) + " na " + std::to_string(na) +
                             " nb " + std::to_string(nb));
                const auto got = runs(fills(calls(
                    [&] { GRAFI2(xa.data(), ya.data(), na, xb.data(), yb.data(), nb, 0, 0); })));
                expectCover(got, na, nb, -1);
                if (HasFatalFailure()) return;
            }
        }
    }
}

// Without a monotonic coordinate the longer set goes in pieces of 98 points and the shorter
// one in the same proportion: 200 and 100 points give B 0..48, 48..97, 97..99; 500 and 2
// points give every piece at least B's last point.
TEST_F(BetweenTest, NonMonotonicSetsAreCutInProportion)
{
    const struct {
        int na, nb;
        std::vector<std::pair<int, int>> a, b;  // runs of A (forward) and B (as read)
    } cases[] = {
        {200, 100, {{0, 97}, {97, 195}, {195, 199}}, {{48, 0}, {97, 48}, {99, 97}}},
        {100, 200, {{0, 48}, {48, 97}, {97, 99}}, {{97, 0}, {195, 97}, {199, 195}}},
        {500,
         2,
         {{0, 97}, {97, 195}, {195, 293}, {293, 391}, {391, 489}, {489, 499}},
         {{1, 0}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}}},
        {250, 250, {{0, 97}, {97, 195}, {195, 249}}, {{97, 0}, {195, 97}, {249, 195}}},
    };
    for (const auto& c : cases) {
        xa.clear(), ya.clear(), xb.clear(), yb.clear();
        for (int i = 0; i < c.na; ++i)
            xa.push_back(5.0f + 4.0f * std::sin(0.37f * i)),
                ya.push_back(6.0f + 3.0f * std::cos(0.23f * i));
        for (int j = 0; j < c.nb; ++j)
            xb.push_back(5.0f + 4.0f * std::cos(0.29f * j)),
                yb.push_back(1.0f + 0.5f * std::sin(0.31f * j));
        SCOPED_TRACE(std::to_string(c.na) + " and " + std::to_string(c.nb));
        const auto got = runs(fills(
            calls([&] { GRAFI2(xa.data(), ya.data(), c.na, xb.data(), yb.data(), c.nb, 0, 0); })));
        ASSERT_EQ(got.size(), c.a.size());
        for (size_t p = 0; p < got.size(); ++p) {
            EXPECT_EQ(got[p].a.front(), c.a[p].first);
            EXPECT_EQ(got[p].a.back(), c.a[p].second);
            EXPECT_EQ(got[p].b.front(), c.b[p].first);
            EXPECT_EQ(got[p].b.back(), c.b[p].second);
        }
    }
}

// A set B that runs against A is walked backwards: the band is the same as with B reversed,
// not a polygon crossing itself; the caller's arrays stay as they were.
TEST_F(BetweenTest, SetsRunningOppositeWaysGiveTheSameBand)
{
    for (int i = 0; i < 150; ++i) xa.push_back(0.05f * i), ya.push_back(7.0f + std::sin(0.2f * i));
    for (int j = 0; j < 120; ++j)
        xb.push_back(0.0625f * j + 0.01f), yb.push_back(2.0f + std::cos(0.2f * j));
    const auto rising =
        fills(calls([&] { GRAFI2(xa.data(), ya.data(), 150, xb.data(), yb.data(), 120, 0, 0); }));
    std::vector<float> rx(xb.rbegin(), xb.rend()), ry(yb.rbegin(), yb.rend());
    const std::vector<float> keptX = rx, keptY = ry, keptA = xa;
    const auto lines =
        calls([&] { GRAFI2(xa.data(), ya.data(), 150, rx.data(), ry.data(), 120, 0, 0); });
    const auto falling = fills(lines);
    ASSERT_EQ(falling.size(), rising.size());
    for (size_t p = 0; p < rising.size(); ++p) {
        ASSERT_EQ(falling[p].count, rising[p].count);
        EXPECT_TRUE(near(falling[p].start, rising[p].start));
        for (int i = 0; i < rising[p].count; ++i)
            EXPECT_TRUE(near(falling[p].points[i], rising[p].points[i]))
                << "piece " << p << " vertex " << i;
    }
    EXPECT_EQ(rx, keptX);
    EXPECT_EQ(ry, keptY);
    EXPECT_EQ(xa, keptA);
    // The end edges of the outline join the ends that belong together.
    const auto outline =
        calls([&] { GRAFI2(xa.data(), ya.data(), 150, rx.data(), ry.data(), 120, -1, 1); });
    const auto edges = only(outline, {"kernelMovePen", "kernelDrawLineTo"});
    ASSERT_GE(edges.size(), 4u);
    const std::vector<std::string> tail(edges.end() - 4, edges.end());
    EXPECT_EQ(
        tail,
        (std::vector<std::string>{move(kx(xa[0]), ky(ya[0])), line(kx(xb[0]), ky(yb[0])),
                                  move(kx(xa[149]), ky(ya[149])), line(kx(xb[119]), ky(yb[119]))}));
}

// Falling sets merge by the falling coordinate: every cut still lies where the sets meet.
TEST_F(BetweenTest, FallingSetsAreMergedTheirOwnWay)
{
    for (int i = 0; i < 300; ++i)
        xa.push_back(8.0f - 0.025f * i), ya.push_back(7.0f + std::sin(0.2f * i));
    for (int j = 0; j < 180; ++j)
        xb.push_back(8.0f - 0.04f * j - 0.01f), yb.push_back(2.0f + std::cos(0.2f * j));
    const auto got = runs(
        fills(calls([&] { GRAFI2(xa.data(), ya.data(), 300, xb.data(), yb.data(), 180, 0, 0); })));
    ASSERT_EQ(got.size(), 3u);
    expectCover(got, 300, 180, -1);
    for (size_t p = 0; p + 1 < got.size(); ++p) {
        EXPECT_EQ(got[p].a.size() + got[p].b.size(), 200u);
        EXPECT_LT(std::fabs(xa[got[p].a.back()] - xb[got[p].b.front()]), 0.04f);
    }
}

// A step of less than 1e-5 keeps a set from counting as monotonic: the pieces then follow the
// 98-point split instead of the merge.
TEST_F(BetweenTest, TinyStepsAreNotMonotonic)
{
    for (const float step : {5e-6f, 3e-5f}) {
        xa.clear(), ya.clear(), xb.clear(), yb.clear();
        for (int i = 0; i < 150; ++i)
            xa.push_back(0.05f * i), ya.push_back(7.0f + std::sin(0.5f * i));
        xa[71] = xa[70] + step;
        for (int j = 0; j < 150; ++j)
            xb.push_back(0.05f * j + 0.01f), yb.push_back(2.0f + std::cos(0.5f * j));
        const auto got = runs(fills(
            calls([&] { GRAFI2(xa.data(), ya.data(), 150, xb.data(), yb.data(), 150, 0, 0); })));
        ASSERT_EQ(got.size(), 2u);
        if (step < 1e-5f) EXPECT_EQ(got[0].a.size(), 98u);
        else EXPECT_EQ(got[0].a.size() + got[0].b.size(), 200u);
    }
}

// The outline draws the two data lines of each piece and the two end edges: no line crosses
// from one set to the other anywhere else.
TEST_F(BetweenTest, OutlineDrawsTheDataLinesAndTheEndEdgesOnly)
{
    for (int i = 0; i < 230; ++i) xa.push_back(0.03f * i), ya.push_back(7.0f + std::sin(0.2f * i));
    for (int j = 0; j < 140; ++j)
        xb.push_back(0.05f * j + 0.01f), yb.push_back(2.0f + std::cos(0.2f * j));
    const auto lines =
        calls([&] { GRAFI2(xa.data(), ya.data(), 230, xb.data(), yb.data(), 140, -1, 4); });
    EXPECT_TRUE(only(lines, {"kernelFillPolygon"}).empty());
    EXPECT_FALSE(only(lines, {"kernelSetPen"}).empty());
    for (const std::string& s : only(lines, {"kernelSetPen"})) EXPECT_EQ(s, "kernelSetPen 4");
    // Replay every drawn segment and name its ends' sets.
    int crossings = 0;
    Point pen{0, 0};
    std::vector<int> seenA(230, 0), seenB(140, 0);
    auto side = [&](Point p) {
        return index(xa, ya, p) >= 0 ? 'A' : (index(xb, yb, p) >= 0 ? 'B' : '?');
    };
    auto mark = [&](Point p) {
        const int ia = index(xa, ya, p), ib = index(xb, yb, p);
        if (ia >= 0) seenA[ia] = 1;
        if (ib >= 0) seenB[ib] = 1;
    };
    for (const std::string& l : lines) {
        const std::string op = l.substr(0, l.find(' '));
        const auto f = fields(l);
        if (op == "kernelMovePen") {
            pen = {std::stof(f[0]), std::stof(f[1])};
        } else if (op == "kernelDrawLineTo") {
            const Point to{std::stof(f[0]), std::stof(f[1])};
            crossings += side(pen) != side(to);
            mark(to);
            pen = to;
        } else if (op == "kernelDrawPolyline") {
            size_t i = 0;
            const auto x = GraphsTest::readArray(f, i);
            const auto y = GraphsTest::readArray(f, i);
            for (size_t q = 0; q < x.size(); ++q) {
                const Point to{x[q], y[q]};
                EXPECT_EQ(side(pen), side(to));
                mark(to);
                pen = to;
            }
        }
    }
    EXPECT_EQ(crossings, 2);  // the two end edges
    EXPECT_EQ(std::count(seenA.begin(), seenA.end(), 1), 230);
    EXPECT_EQ(std::count(seenB.begin(), seenB.end(), 1), 140);
}

}  // namespace
