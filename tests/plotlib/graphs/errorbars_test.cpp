// Error bars: end marks, their order and corners, the connecting line, errors.
//
// Axes of graphs_fixture.h: kernel x = 100 + 80 x, kernel y = 100 + 50 y; the character width
// is 10, so every mark is built from h = 5.
#include <string>
#include <vector>

#include "graphs_fixture.h"

namespace {

class ErrorBarTest : public GraphsTest {
protected:
    void SetUp() override
    {
        GraphsTest::SetUp();
        placeAxes();
    }
    static std::vector<std::string> marks(const std::vector<std::string>& lines)
    {
        return only(lines, {"kernelMovePen", "kernelDrawLineTo", "kernelFillPolygon"});
    }
    static std::string fill(int style, const char* xs, const char* ys)
    {
        return "kernelFillPolygon " + std::to_string(style) + " 0 0 [" + xs + "] [" + ys + "] 3";
    }
};

// One point (5, 5) with errors 1 (added) and 2 (subtracted), mode 1.  Vertical bars end at
// (500, 400) and (500, 250); horizontal ones at (580, 350) and (340, 350).  Marks at the higher
// end first, then the lower end, then the connecting line.
TEST_F(ErrorBarTest, EveryEndStyleInBothDirections)
{
    const std::string m = "kernelMovePen ", l = "kernelDrawLineTo ";
    // One case a row, laid out by hand.
    // clang-format off
    const struct {
        int style, direction;
        std::vector<std::string> drawn;
    } cases[] = {
        {0, 1, {m + "500 400", l + "500 250"}},
        {1, 1, {m + "495 400", l + "505 400", m + "495 250", l + "505 250", m + "500 400", l + "500 250"}},
        {2, 1, {m + "500 400", l + "495 405", m + "500 400", l + "505 405",
                m + "500 250", l + "495 245", m + "500 250", l + "505 245", m + "500 400", l + "500 250"}},
        {3, 1, {m + "500 395", fill(-1, "495 505 500", "400 400 395"),
                m + "500 255", fill(-1, "495 505 500", "250 250 255"), m + "500 400", l + "500 250"}},
        {4, 1, {m + "500 395", fill(0, "495 505 500", "400 400 395"),
                m + "500 255", fill(0, "495 505 500", "250 250 255"), m + "500 400", l + "500 250"}},
        {5, 1, {m + "500 400", l + "495 395", m + "500 400", l + "505 395",
                m + "500 250", l + "495 255", m + "500 250", l + "505 255", m + "500 400", l + "500 250"}},
        {6, 1, {m + "505 395", fill(-1, "500 495 505", "400 395 395"),
                m + "505 255", fill(-1, "500 495 505", "250 255 255"), m + "500 395", l + "500 255"}},
        {7, 1, {m + "505 395", fill(0, "500 495 505", "400 395 395"),
                m + "505 255", fill(0, "500 495 505", "250 255 255"), m + "500 395", l + "500 255"}},
        {0, 2, {m + "580 350", l + "340 350"}},
        {1, 2, {m + "580 345", l + "580 355", m + "340 345", l + "340 355", m + "580 350", l + "340 350"}},
        {2, 2, {m + "580 350", l + "585 345", m + "580 350", l + "585 355",
                m + "340 350", l + "335 345", m + "340 350", l + "335 355", m + "580 350", l + "340 350"}},
        {3, 2, {m + "575 350", fill(-1, "580 580 575", "345 355 350"),
                m + "345 350", fill(-1, "340 340 345", "345 355 350"), m + "580 350", l + "340 350"}},
        {4, 2, {m + "575 350", fill(0, "580 580 575", "345 355 350"),
                m + "345 350", fill(0, "340 340 345", "345 355 350"), m + "580 350", l + "340 350"}},
        {5, 2, {m + "580 350", l + "575 345", m + "580 350", l + "575 355",
                m + "340 350", l + "345 345", m + "340 350", l + "345 355", m + "580 350", l + "340 350"}},
        {6, 2, {m + "575 355", fill(-1, "580 575 575", "350 345 355"),
                m + "345 355", fill(-1, "340 345 345", "350 345 355"), m + "575 350", l + "345 350"}},
        {7, 2, {m + "575 355", fill(0, "580 575 575", "350 345 355"),
                m + "345 355", fill(0, "340 345 345", "350 345 355"), m + "575 350", l + "345 350"}},
    };
    // clang-format on
    const float x[] = {5.0f}, y[] = {5.0f}, e1[] = {1.0f}, e2[] = {2.0f};
    for (const auto& c : cases) {
        const auto lines = calls([&] { GRAERB(x, y, e1, e2, 1, c.style, 1, c.direction); });
        EXPECT_EQ(marks(lines), c.drawn) << "style " << c.style << " direction " << c.direction;
        EXPECT_TRUE(errors().empty());
    }
}

TEST_F(ErrorBarTest, ModeZeroDrawsTheMarksOnly)
{
    const float x[] = {5.0f}, y[] = {5.0f}, e1[] = {1.0f}, e2[] = {2.0f};
    auto lines = calls([&] { GRAERB(x, y, e1, e2, 1, 0, 0, 1); });
    EXPECT_TRUE(marks(lines).empty());
    EXPECT_TRUE(errors().empty());
    lines = calls([&] { GRAERB(x, y, e1, e2, 1, 1, 0, 1); });
    EXPECT_EQ(
        marks(lines),
        (std::vector<std::string>{move(495, 400), line(505, 400), move(495, 250), line(505, 250)}));
}

// Direction above 1 means horizontal bars, anything else vertical ones; a style outside 0..7
// warns once per call (straight from the worker, unshifted) and gives caps.
TEST_F(ErrorBarTest, DirectionsAndBadStyles)
{
    const float x[] = {5.0f, 2.0f}, y[] = {5.0f, 4.0f}, e1[] = {1.0f, 1.0f}, e2[] = {2.0f, 1.0f};
    const struct {
        int style, direction;
        std::vector<std::string> firstCap;
        std::vector<int> errors;
    } cases[] = {
        {1, 0, {move(495, 400), line(505, 400)}, {}},
        {1, -4, {move(495, 400), line(505, 400)}, {}},
        {1, 3, {move(580, 345), line(580, 355)}, {}},
        {8, 1, {move(495, 400), line(505, 400)}, {-527}},
        {-1, 2, {move(580, 345), line(580, 355)}, {-527}},
    };
    for (const auto& c : cases) {
        const auto lines = calls([&] { GRAERB(x, y, e1, e2, 2, c.style, 0, c.direction); });
        const auto got = marks(lines);
        ASSERT_EQ(got.size(), 8u) << "style " << c.style << " direction " << c.direction;
        EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + 2), c.firstCap);
        EXPECT_EQ(errors(), c.errors);
        for (const tarv::ErrorRecord& r : tarv::errorLog())
            EXPECT_EQ(r.routine, "kpAddErrorBars(GRAERB)");
    }
}

// Negative errors keep their signs: the ends swap, and the marks still go to the higher end
// first; the apex triangles still point outward from each end.
TEST_F(ErrorBarTest, NegativeErrorsSwapTheEnds)
{
    const float x[] = {5.0f}, y[] = {5.0f}, e1[] = {-1.0f}, e2[] = {-2.0f};
    // y + e1 = 4 (kernel 300) is now the lower end, y - e2 = 7 (kernel 450) the higher.
    const auto lines = calls([&] { GRAERB(x, y, e1, e2, 1, 7, 1, 1); });
    EXPECT_EQ(marks(lines),
              (std::vector<std::string>{move(505, 445), fill(0, "500 495 505", "450 445 445"),
                                        move(505, 305), fill(0, "500 495 505", "300 305 305"),
                                        move(500, 445), line(500, 305)}));
}

TEST_F(ErrorBarTest, NoPointsIsAnError)
{
    const float v[] = {1.0f};
    for (int n : {0, -3}) {
        const auto lines = calls([&] { GRAERB(v, v, v, v, n, 1, 1, 1); });
        EXPECT_TRUE(marks(lines).empty());
        EXPECT_EQ(errors(), std::vector<int>{538});
    }
    const auto lines = calls([&] { GRAERB(v, v, nullptr, v, 1, 1, 1, 1); });
    EXPECT_TRUE(marks(lines).empty());
    EXPECT_EQ(errors(), std::vector<int>{538});
}

}  // namespace
