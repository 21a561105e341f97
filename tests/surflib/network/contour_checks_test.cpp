// contour_checks_test.cpp - what the network contour maps refuse and warn of, the levels they
// choose (nice steps, limits, the level list, the first level on the data minimum), labels in
// the lines, and input that gives no contour: no network, flat heights, levels outside the
// heights, heights that are no number.
#include <array>
#include <climits>
#include <cmath>
#include <functional>

#include "contour_log.h"
#include "network/tracing.h"
#include "network_fixture.h"

using namespace surflib;

namespace {

class NetworkContourChecks : public NetworkTest {
protected:
    void SetUp() override
    {
        NetworkTest::SetUp();
        CONANN(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);
        tarv::errorLogClear();
    }
    // Polylines strictly inside the square of the points (the contour lines, not the frame).
    static std::vector<netlog::Line> inside(const std::vector<std::string>& log)
    {
        std::vector<netlog::Line> out;
        for (const netlog::Line& l : netlog::polylines(log)) {
            const netlog::Line m = netlog::toMap(l);
            bool in = true;
            for (size_t i = 0; i < m.x.size(); ++i) {
                in = in && m.x[i] > -0.01f && m.x[i] < 10.01f && m.y[i] > -0.01f && m.y[i] < 10.01f;
            }
            if (in) out.push_back(m);
        }
        return out;
    }
    void drawMap(int ncont, int lineSwitch = 0, int size = -1)
    {
        DRATRI(-1.0f, 11.0f, -1.0f, 11.0f, ncont, lineSwitch, size < 0 ? wsize : size, work.data());
    }
    std::vector<float> listed() const
    {
        return std::vector<float>(surfaceState.levels.heights,
                                  surfaceState.levels.heights +
                                      std::min(surfaceState.levels.count, 100));
    }
};

TEST_F(NetworkContourChecks, RefusalsAndWarningsUnderTheRoutineName)
{
    build(gridOf(5, tilted));
    struct Case {
        const char* what;
        const char* routine;
        std::function<void()> call;
        std::vector<int> numbers;
        int code;  // drawing code afterwards
        bool lines;
    };
    const std::vector<Case> cases = {
        {"ADTCON with no map",
         "krAddTriangulatedContour(ADTCON)",
         [&] { ADTCON(5.0f, 0, wsize, work.data()); },
         {asReported(kNoDrawingToAddTo)},
         kDrawingNone,
         false},
        {"DRATRI on another size",
         "krDrawTriangulatedContourMap(DRATRI)",
         [&] { drawMap(4, 0, wsize + 1); },
         {asReported(kWorkspaceShort)},
         kDrawingNone,
         false},
        {"DRATRI with a flat window",
         "krDrawTriangulatedContourMap(DRATRI)",
         [&] { DRATRI(2.0f, 2.0f, 0.0f, 10.0f, 4, 0, wsize, work.data()); },
         {asReported(kFlatXRange)},
         kDrawingNone,
         false},
        {"DRATRI with bad switch and count",
         "krDrawTriangulatedContourMap(DRATRI)",
         [&] { drawMap(-4, 3); },
         {asReported(kNegativeCount), asReported(kBadLineSwitch)},
         kDrawingNetworkMap,
         true},
        {"ADTCON on another size",
         "krAddTriangulatedContour(ADTCON)",
         [&] { ADTCON(5.0f, 0, wsize - 1, work.data()); },
         {asReported(kNoDrawingToAddTo)},
         kDrawingNone,
         false},
        {"TRISET then ADTCON outside the limits",
         "krAddTriangulatedContour(ADTCON)",
         [&] {
             TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
             LEVELS(20.0f, 25.0f);
             ADTCON(5.0f, 0, wsize, work.data());
             LEVELS(0.0f, 0.0f);
         },
         {asReported(kOutsideLimits)},
         kDrawingNetworkMap,
         true},
        {"ADTCON with a full level list",
         "krAddTriangulatedContour(ADTCON)",
         [&] {
             TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
             surfaceState.levels.count = kSurfaceMaxLevels;
             ADTCON(5.0f, 0, wsize, work.data());
         },
         {asReported(kLevelListFull)},
         kDrawingNetworkMap,
         true},
        {"ADTCON after a gridded map",
         "krAddTriangulatedContour(ADTCON)",
         [&] {
             surfaceState.drawing.code = kDrawingGriddedMap;
             ADTCON(5.0f, 0, wsize, work.data());
         },
         {asReported(kNoDrawingToAddTo)},
         kDrawingGriddedMap,
         false},
    };
    for (const Case& c : cases) {
        tarv::errorLogClear();
        capture();
        c.call();
        const std::vector<std::string> log = calls();
        EXPECT_EQ(reported(), c.numbers) << c.what;
        for (const tarv::ErrorRecord& r : tarv::errorLog())
            EXPECT_EQ(r.routine, c.routine) << c.what;
        EXPECT_EQ(surfaceState.drawing.code, c.code) << c.what;
        EXPECT_EQ(!inside(log).empty(), c.lines) << c.what;
    }
    EXPECT_TRUE(guardsIntact());
}

TEST_F(NetworkContourChecks, NoNetworkFlatHeightsAndLevelsOutsideDrawNothing)
{
    // A workspace that never held a network.
    makeWorkspace(sizeFor(30));
    capture();
    drawMap(5);
    EXPECT_TRUE(netlog::polylines(calls()).empty());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kNoNetwork)});
    // Workspaces shorter than the status words are not read past their end; one of no size
    // is too short before anything else.
    struct Short {
        int size, error;
    };
    for (const Short c :
         {Short{2, kNoNetwork}, Short{0, kWorkspaceShort}, Short{-5, kWorkspaceShort}}) {
        makeWorkspace(std::max(c.size, 0));
        tarv::errorLogClear();
        DRATRI(0.0f, 10.0f, 0.0f, 10.0f, 5, 0, c.size, work.data());
        const std::vector<int> codes = {2001, 2002};
        FILTRI(0.0f, 10.0f, 0.0f, 10.0f, 1, 0, codes.data(), 0, c.size, work.data());
        EXPECT_EQ(reported(), (std::vector<int>{asReported(c.error), asReported(c.error)}))
            << c.size;
        EXPECT_TRUE(guardsIntact()) << c.size;
    }

    // A built network whose heights were all made one: flat data, the range widened.
    build(gridOf(5, tilted));
    for (int j = 1; j <= pointCount(); ++j) networkPointField(work.data(), j, kNetZ) = 0.5f;
    tarv::errorLogClear();
    capture();
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    EXPECT_TRUE(calls().size() < 40u);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kFlatData)});
    EXPECT_FLOAT_EQ(surfaceState.grid.zMin, 0.9f * 0.5f - 0.001f);
    EXPECT_FLOAT_EQ(surfaceState.grid.zMax, 1.1f * 0.5f + 0.001f);
    EXPECT_EQ(surfaceState.drawing.code, kDrawingNone);

    // Levels below and above every height.
    build(gridOf(5, tilted));
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    tarv::errorLogClear();
    capture();
    ADTCON(-5.0f, 0, wsize, work.data());
    ADTCON(30.5f, 0, wsize, work.data());
    EXPECT_TRUE(inside(calls()).empty());
    EXPECT_TRUE(reported().empty());
    ASSERT_EQ(surfaceState.levels.count, 2);
}

TEST_F(NetworkContourChecks, HeightsThatAreNoNumberEndTheLinesBesideThem)
{
    build(gridOf(5, tilted));
    TRIINT(0, 10, 1);
    // The point nearest the middle gets a height that is no number.
    int middle = 1;
    for (int j = 1; j <= pointCount(); ++j) {
        const NetPoint p = point(j);
        if (std::fabs(p.x - 5.0f) < 1e-3f && std::fabs(p.y - 5.0f) < 1e-3f) middle = j;
    }
    networkPointField(work.data(), middle, kNetZ) = NAN;
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    capture();
    ADTCON(15.0f, 0, wsize, work.data());
    ADTCON(5.0f, 0, wsize, work.data());
    const std::vector<netlog::Line> lines = inside(calls());
    // Level 15 runs through the middle: it stops on both sides of the triangles round it;
    // level 5 passes clear of them and stays one line.
    int at15 = 0, at5 = 0;
    for (const netlog::Line& l : lines) {
        for (size_t i = 0; i < l.x.size(); ++i) {
            ASSERT_TRUE(std::isfinite(l.x[i]) && std::isfinite(l.y[i]));
            EXPECT_GT(std::hypot(l.x[i] - 5.0f, l.y[i] - 5.0f), 1e-3f);
        }
        const float L = l.x[0] + 2.0f * l.y[0];
        if (std::fabs(L - 15.0f) < 0.05f) ++at15;
        if (std::fabs(L - 5.0f) < 0.05f) ++at5;
    }
    EXPECT_EQ(at15, 2);
    EXPECT_EQ(at5, 1);
    for (int t = 1; t <= triangleCount(); ++t) EXPECT_EQ(mark(t), 0.0f);
}

TEST_F(NetworkContourChecks, LevelsFromNiceStepsLimitsAndTheList)
{
    build(gridOf(5, tilted));
    TRIINT(0, 10, 1);
    // Nice steps of 5 over 0 .. 30: the first level sits on the data minimum.
    drawMap(6);
    EXPECT_EQ(listed(), (std::vector<float>{0, 5, 10, 15, 20, 25, 30}));
    EXPECT_FLOAT_EQ(surfaceState.grid.contourInterval, 5.0f);

    // Limits: exactly ncont levels from the low to the high limit; one level asks for two.
    LEVELS(3.0f, 27.0f);
    tarv::errorLogClear();
    drawMap(4);
    EXPECT_EQ(listed(), (std::vector<float>{3, 11, 19, 27}));
    drawMap(1);
    EXPECT_EQ(reported(), std::vector<int>{asReported(kOneLevelBetweenLimits)});
    EXPECT_EQ(listed(), (std::vector<float>{3, 27}));

    // The list: exactly its heights in order, listed again with the pens used.
    const float heights[3] = {4.0f, 12.0f, 21.0f};
    CONDEF(3, heights);
    CONLIN(1, 7, 9, 1);
    capture();
    drawMap(10);
    const std::vector<netlog::Line> lines = inside(calls());
    EXPECT_EQ(listed(), (std::vector<float>{4, 12, 21}));
    ASSERT_EQ(lines.size(), 3u);
    for (size_t k = 0; k < 3; ++k)
        EXPECT_NEAR(lines[k].x[0] + 2.0f * lines[k].y[0], heights[k], 0.01f);
    // Major pen for the first level and every second one after it.
    EXPECT_EQ(surfaceState.levels.pens[0], 9);
    EXPECT_EQ(surfaceState.levels.pens[1], 7);
    EXPECT_EQ(surfaceState.levels.pens[2], 9);

    // No contours asked for: frame only, and the step reads 0.
    CONDEF(0, heights);
    LEVELS(0.0f, 0.0f);
    capture();
    drawMap(0);
    EXPECT_TRUE(inside(calls()).empty());
    EXPECT_EQ(surfaceState.grid.contourInterval, 0.0f);
}

TEST_F(NetworkContourChecks, LimitsOfOneHeightDoNotLoop)
{
    build(gridOf(5, tilted));
    TRIINT(0, 10, 1);
    surfaceState.contour.limitsOn = -1;
    surfaceState.contour.zLow = 12.0f;
    surfaceState.contour.zHigh = 12.0f;
    capture();
    drawMap(5);
    EXPECT_EQ(inside(calls()).size(), 1u);
    EXPECT_EQ(surfaceState.levels.count, 1);
}

TEST_F(NetworkContourChecks, LevelsCloserThanTheCrossingSearchCanTellApartAreTracedOnce)
{
    // Limits from the smallest denormal to 100 in as many intervals as an int holds: levels
    // that lie within the crossing search's tolerance of each other, or closer than the picture
    // shows apart, are traced once: the map draws about a thousand levels over the whole range,
    // a few pieces each, not one a level asked for.
    const std::vector<NetPoint> pts = {{0, 0, 0},  {4, 0, 50}, {0, 4, 30}, {4, 4, 90},
                                       {2, 1, 70}, {1, 3, 20}, {3, 2, 60}, {2, 4, 40}};
    build(pts);
    LEVELS(99.99998f, 1.4e-45f);
    const auto linesDrawn = [&](int ncont) {
        capture();
        DRATRI(0.0f, 4.0f, 0.0f, 4.0f, ncont, 0, wsize, work.data());
        return only(calls(), "kernelMovePen").size();
    };
    const size_t frame = linesDrawn(0), lines = linesDrawn(INT_MIN) - frame;
    EXPECT_GT(lines, 0u);
    EXPECT_LT(lines, 10000u);
}

TEST_F(NetworkContourChecks, CurvedSwitchKeepsTheCallersMethod)
{
    // Under the local fit curved lines are traced with the cubic patch, as under method 2 (on
    // a quadratic surface, which the fit follows exactly and the patch does not).
    build(randomPoints(40, 7, quadraticZ));
    const auto curvedMap = [&](int method) {
        TRIINT(method, 10, 1);
        capture();
        drawMap(5, 1);
        return calls();
    };
    EXPECT_EQ(curvedMap(1), curvedMap(2));

    build(gridOf(5, tilted));
    TRIINT(1, 10, 1);
    drawMap(3, 1);
    EXPECT_EQ(surfaceState.networkSettings.interpolationMethod, 1);
    EXPECT_EQ(surfaceState.networkContour.smoothing, 1);
    TRIINT(0, 10, 1);
    drawMap(3, 1);
    // The linear method has no curves to follow.
    EXPECT_EQ(surfaceState.networkContour.smoothing, 0);
}

TEST_F(NetworkContourChecks, LabelsSitInGapsOfTheirLength)
{
    // Two big triangles: each level crosses them in long straight segments.
    build(gridOf(5, tilted));
    TRIINT(0, 10, 1);
    CONANN(0, 50.0f, 0.0f, 0, 0, 0, 0, 0);
    capture();
    DRATRI(0.0f, 10.0f, 0.0f, 10.0f, 3, 0, wsize, work.data());
    const std::vector<std::string> log = calls();
    const std::vector<netlog::Line> lines = inside(log);
    const std::vector<std::string> texts = only(log, "kernelDrawText");
    // Levels 0, 10, 20, 30; the inner two get at least one label each.
    int gaps = 0;
    for (size_t k = 0; k + 1 < lines.size(); ++k) {
        const netlog::Line& a = lines[k];
        const netlog::Line& b = lines[k + 1];
        const float La = a.x[0] + 2.0f * a.y[0], Lb = b.x[0] + 2.0f * b.y[0];
        if (std::fabs(La - Lb) > 0.01f) continue;
        // The gap along the line, in picture units, is the label's length: its field width
        // (right-aligned here) and two thirds of a character.
        const MapTransform& m = surfaceState.map;
        const double dx = (b.x.front() - a.x.back()) / m.factorX * m.scaleX;
        const double dy = (b.y.front() - a.y.back()) / m.factorY * m.scaleY;
        const double w = surfaceState.digitWidth * 0.7;
        const double expected = (0.67 + std::abs(surfaceState.labelFormatWidth)) * w;
        EXPECT_NEAR(std::hypot(dx, dy), expected, 0.05 * expected);
        ++gaps;
    }
    EXPECT_GE(gaps, 2);
    bool ten = false, twenty = false;
    for (const std::string& t : texts) {
        ten = ten || netlog::textOf(t) == "10.0";
        twenty = twenty || netlog::textOf(t) == "20.0";
    }
    EXPECT_TRUE(ten);
    EXPECT_TRUE(twenty);
}

// The line ADTCON adds is labelled as the label count of the lines drawn before it calls for
// (CONANN skip 1 here), and ADTCON does not count it on; a layout leaves the count as it was.
// On a library just opened the count calls for a label.  Levels 0, 10, 20 and 30 are labelled
// at 0 and 20 and leave it calling for one at the next level; a map of a list stops counting
// at its last level, 15, left unlabelled.
TEST_F(NetworkContourChecks, AddedLineIsLabelledAsTheLabelCountStands)
{
    const float list[2] = {5.0f, 15.0f};
    const struct {
        const char* what;
        std::function<void()> before;
        bool labelled;
    } cases[] = {
        {"a library just opened", [] {}, true},
        {"levels 0 to 30", [&] { drawMap(3); }, true},
        {"the list 5, 15",
         [&] {
             CONDEF(2, list);
             drawMap(2);
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        build(gridOf(5, tilted));
        TRIINT(0, 10, 1);
        CONANN(1, 50.0f, 0.0f, 0, 0, 0, 0, 0);
        c.before();
        TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
        for (int k = 1; k <= 2; ++k) {
            capture();
            ADTCON(25.0f, 0, wsize, work.data());
            const std::vector<std::string> texts = only(calls(), "kernelDrawText");
            EXPECT_EQ(!texts.empty(), c.labelled) << "line " << k;
            for (const std::string& t : texts) EXPECT_EQ(netlog::textOf(t), "25.0") << k;
        }
        EXPECT_TRUE(reported().empty());
    }
}

// A label as the kernel received it: where its text starts, its direction, character size,
// text and colour.
struct DrawnLabel {
    double x, y, degrees, w, h;
    std::string text;
    int colour;
};

std::vector<DrawnLabel> drawnLabels(const std::vector<std::string>& log)
{
    std::vector<DrawnLabel> out;
    DrawnLabel now{};
    for (const std::string& l : log) {
        const std::vector<float> v = netlog::numbersIn(l.substr(l.find(' ') + 1));
        if (netlog::startsWith(l, "kernelSetTextPosition ")) {
            now.x = v[0];
            now.y = v[1];
        } else if (netlog::startsWith(l, "kernelSetCharAngle ")) {
            now.degrees = v[0];
        } else if (netlog::startsWith(l, "kernelSetCharSize ")) {
            now.w = v[0];
            now.h = v[1];
        } else if (netlog::startsWith(l, "kernelSetColour ")) {
            now.colour = static_cast<int>(v[0]);
        } else if (netlog::startsWith(l, "kernelDrawText ")) {
            now.text = netlog::textOf(l);
            out.push_back(now);
        }
    }
    return out;
}

TEST_F(NetworkContourChecks, LabelsAreCentredInTheirGapsInsideTheMap)
{
    // Levels along the rows of a lattice, traced leftwards (heights rising with y) or
    // rightwards (falling); labels across or along the line, on straight and curved lines.
    struct Case {
        float rise;
        int along, lineSwitch;
    };
    const Case cases[] = {{1, 0, 0}, {1, 1, 0}, {-1, 0, 0}, {-1, 1, 0},
                          {1, 0, 1}, {1, 1, 1}, {-1, 0, 1}, {-1, 1, 1}};
    for (const Case& c : cases) {
        std::vector<NetPoint> pts;
        for (int j = 0; j <= 12; ++j) {
            for (int i = 0; i <= 12; ++i) {
                pts.push_back({static_cast<float>(i), static_cast<float>(j),
                               c.rise > 0 ? static_cast<float>(j) : 12.0f - j});
            }
        }
        build(pts);
        TRIINT(2, 10, 1);
        TRISTP(1e6f);  // curved lines without intermediate points: long straight stretches
        CONFRA(1);
        const int labelPen = 3;
        CONANN(0, 0.0f, 5.0f, 0, 0, 0, labelPen, c.along);
        capture();
        DRATRI(0.0f, 12.0f, 0.0f, 12.0f, 6, c.lineSwitch, wsize, work.data());
        const std::vector<std::string> log = calls();
        // The ends of the pieces of line (polylines, and curves of three points or more), in
        // picture units, in the order drawn.
        std::vector<std::array<float, 4>> pieces;
        for (size_t i = 0; i < log.size(); ++i) {
            size_t end = i + 1;
            while (end < log.size() && netlog::startsWith(log[end], "kernelDrawLineTo ")) ++end;
            const std::vector<std::string> run(log.begin() + static_cast<long>(i),
                                               log.begin() + static_cast<long>(end));
            for (const netlog::Curve& k : netlog::curves(run))
                pieces.push_back({k.x.front(), k.y.front(), k.x.back(), k.y.back()});
            for (const netlog::Line& l : netlog::polylines(run))
                pieces.push_back({l.x.front(), l.y.front(), l.x.back(), l.y.back()});
            i = end - 1;
        }
        const std::vector<DrawnLabel> labels = drawnLabels(log);
        int inGaps = 0;
        const MapTransform& m = surfaceState.map;
        for (const DrawnLabel& lb : labels) {
            if (lb.colour != labelPen) continue;  // the frame's numbers
            const double a = lb.degrees / 57.29577951308232;
            const double length = lb.w * static_cast<double>(lb.text.size());
            const double dx = std::cos(a), dy = std::sin(a);
            const double cx = lb.x + 0.5 * length * dx - 0.5 * lb.h * dy;
            const double cy = lb.y + 0.5 * length * dy + 0.5 * lb.h * dx;
            // The gap whose middle lies nearest the text's middle: where one piece ends and
            // the next begins.
            double nearest = 1e30, gap = 0.0;
            for (size_t k = 0; k + 1 < pieces.size(); ++k) {
                const double gx = 0.5 * (pieces[k][2] + pieces[k + 1][0]);
                const double gy = 0.5 * (pieces[k][3] + pieces[k + 1][1]);
                const double d = std::hypot(gx - cx, gy - cy);
                if (d < nearest) {
                    nearest = d;
                    gap = std::hypot(pieces[k + 1][0] - pieces[k][2],
                                     pieces[k + 1][1] - pieces[k][3]);
                }
            }
            EXPECT_LT(nearest, 0.5) << c.rise << " " << c.along << " " << c.lineSwitch;
            EXPECT_GE(gap, length);
            // Every corner of the text's box lies in the map window.
            for (int corner = 0; corner < 4; ++corner) {
                const double u = corner & 1 ? length : 0.0, h = corner & 2 ? lb.h : 0.0;
                const double x = lb.x + u * dx - h * dy, y = lb.y + u * dy + h * dx;
                EXPECT_TRUE(x >= m.originX - 0.01 && x <= m.originX + m.mapWidth + 0.01 &&
                            y >= m.originY - 0.01 && y <= m.originY + m.mapHeight + 0.01)
                    << x << " " << y;
            }
            // Across the line the text reads left to right; along it, the way the line is
            // traced: leftwards where the heights rise up the map.
            const double expected = c.along == 1 && c.rise > 0 ? -1.0 : 1.0;
            EXPECT_NEAR(dx, expected, 1e-3) << lb.degrees;
            ++inGaps;
        }
        EXPECT_GE(inGaps, 5) << c.rise << " " << c.along << " " << c.lineSwitch;
    }
}

// TRISET lays its map out with the ten intervals of a map of ten: a line ADTCON adds on it has
// its labels, their gaps and the room they need beside them exactly as that map draws the same
// level.  The larger the labels and the steeper the heights, the fewer the places where the
// neighbouring levels, one interval away, leave them room: at size 16 on the steeper heights
// none, and on heights whose ten intervals are twice as wide as eleven would be, where
// eleven would leave room in fewer places.
TEST_F(NetworkContourChecks, AddedLineOnALayoutIsDrawnAsAMapOfTenIntervalsDrawsIt)
{
    auto same = [](const netlog::Line& a, const netlog::Line& b) {
        if (a.x.size() != b.x.size()) return false;
        for (size_t k = 0; k < a.x.size(); ++k) {
            if (std::fabs(a.x[k] - b.x[k]) > 1e-3f || std::fabs(a.y[k] - b.y[k]) > 1e-3f)
                return false;
        }
        return true;
    };
    auto sameLabel = [](const DrawnLabel& a, const DrawnLabel& b) {
        return a.text == b.text && std::fabs(a.x - b.x) < 1e-3 && std::fabs(a.y - b.y) < 1e-3 &&
            std::fabs(a.degrees - b.degrees) < 1e-3;
    };
    // Heights y (0.3 + slope x) on a lattice of points 3 apart: levels 2.5 apart over 0 .. 39.6
    // or 0 .. 48.96, 5 apart over 0 .. 51.98 (where eleven intervals would give 2.5).
    const struct {
        float slope, size;
    } cases[] = {{0.25f, 5.0f}, {0.25f, 8.0f}, {0.315f, 16.0f}, {0.336f, 16.0f}};
    for (const auto& [slope, size] : cases) {
        SCOPED_TRACE(testing::Message() << "slope " << slope << " size " << size);
        std::vector<NetPoint> pts;
        for (int j = 0; j <= 4; ++j) {
            for (int i = 0; i <= 4; ++i) {
                const float x = 3.0f * i, y = 3.0f * j;
                pts.push_back({x, y, y * (0.3f + slope * x)});
            }
        }
        build(pts);
        TRIINT(0, 10, 1);
        CONFRA(1);
        const int labelPen = 3;
        CONANN(0, 0.0f, size, 0, 0, 0, labelPen, 0);
        capture();
        DRATRI(0.0f, 12.0f, 0.0f, 12.0f, 10, 0, wsize, work.data());
        const std::vector<std::string> map = calls();
        const std::vector<netlog::Line> mapLines = netlog::polylines(map);
        const std::vector<DrawnLabel> mapLabels = drawnLabels(map);
        TRISET(0.0f, 12.0f, 0.0f, 12.0f, wsize, work.data());
        int labels = 0;
        const struct {
            float height;
            const char* text;
        } levels[] = {{10.0f, "10.0"}, {20.0f, "20.0"}, {25.0f, "25.0"}};  // levels of the map
        for (const auto& [level, text] : levels) {
            capture();
            ADTCON(level, 0, wsize, work.data());
            const std::vector<std::string> added = calls();
            for (const netlog::Line& l : netlog::polylines(added)) {
                EXPECT_TRUE(std::any_of(mapLines.begin(), mapLines.end(),
                                        [&](const netlog::Line& m) { return same(l, m); }))
                    << level << " from " << l.x.front() << ", " << l.y.front();
            }
            const std::vector<DrawnLabel> drawn = drawnLabels(added);
            const long expected =
                std::count_if(mapLabels.begin(), mapLabels.end(), [&](const DrawnLabel& m) {
                    return m.colour == labelPen && m.text == text;
                });
            EXPECT_EQ(static_cast<long>(drawn.size()), expected) << level;
            for (const DrawnLabel& lb : drawn) {
                EXPECT_TRUE(std::any_of(mapLabels.begin(), mapLabels.end(),
                                        [&](const DrawnLabel& m) { return sameLabel(lb, m); }))
                    << lb.text << " at " << lb.x << ", " << lb.y;
            }
            labels += static_cast<int>(drawn.size());
        }
        if (size < 10.0f) { EXPECT_GE(labels, 5); }
    }
    EXPECT_TRUE(reported().empty());
}

TEST_F(NetworkContourChecks, FirstLevelStaysOnTheDataMinimumOrRisesByAnInterval)
{
    // Heights x + 2y + offset over 0 .. 30: nice steps of 5 from the multiple of 5 at or below
    // the minimum, kept when it lies within a ten-thousandth of the range of the minimum.
    struct Case {
        float offset;
        float first;
    };
    const Case cases[] = {{0.0f, 0.0f}, {0.002f, 0.0f}, {0.3f, 5.0f}, {-0.3f, 0.0f}};
    for (const Case& c : cases) {
        std::vector<NetPoint> pts = gridOf(5, tilted);
        for (NetPoint& p : pts) p.z += c.offset;
        build(pts);
        drawMap(6);
        ASSERT_GT(surfaceState.levels.count, 0) << c.offset;
        EXPECT_FLOAT_EQ(surfaceState.levels.heights[0], c.first) << c.offset;
    }
}

TEST_F(NetworkContourChecks, LevelsBeyondOneHundredAreDrawnButNotListed)
{
    build(gridOf(5, tilted));
    TRIINT(0, 10, 1);
    LEVELS(1.0f, 29.0f);
    capture();
    drawMap(120);
    EXPECT_EQ(surfaceState.levels.count, kSurfaceLevelOverflow);
    // All 120 levels lie inside the heights: each is one line across the square.
    EXPECT_EQ(inside(calls()).size(), 120u);
}

TEST_F(NetworkContourChecks, FailedFrameLayoutKeepsTheFrameTypeAndEndsTheMap)
{
    build(gridOf(5, tilted));
    CONFRA(1);
    // Characters as big as the picture leave the map no area.
    kernelSetCharSize(400.0f, 400.0f);
    tarv::errorLogClear();
    capture();
    TRISET(0.0f, 10.0f, 0.0f, 10.0f, wsize, work.data());
    EXPECT_TRUE(netlog::polylines(calls()).empty());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kDegenerateArea)});
    EXPECT_EQ(surfaceState.contour.mapFrameType, 1);
    EXPECT_EQ(surfaceState.drawing.code, kDrawingNone);
    // Nothing can be added to a map that has no area.
    tarv::errorLogClear();
    ADTCON(10.0f, 0, wsize, work.data());
    EXPECT_EQ(reported(), std::vector<int>{asReported(kNoDrawingToAddTo)});
}

}  // namespace
