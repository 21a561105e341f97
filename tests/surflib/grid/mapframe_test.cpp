// Tests of the map frames: the map area and its transform, equal and given frame scales, the
// four frame types, tick bands with their numbers, axis titles, the height and step lines,
// the plot title, degenerate areas and the network frame.
#include <cmath>
#include <string>
#include <vector>

#include "frame/map_transform.h"
#include "grid/mapframe.h"
#include "map_fixture.h"

using namespace surflib;

namespace {

float flat(float, float) { return 1.0f; }

// A band-filled map with its key, then another map drawn by draw.
void keyedBandsThen(void (*draw)())
{
    const float z[9] = {0, 1, 2, 1, 2, 3, 2, 3, 4};
    const int codes[3] = {1, 2, 3};
    std::vector<float> work(2000);
    FILCON(3, 0, 100, 3, 0, 50, z, 2, 0, codes, 1, static_cast<int>(work.size()), work.data());
    draw();
}

void lineMap()
{
    const float z[9] = {0, 1, 2, 1, 2, 3, 2, 3, 4};
    std::vector<float> work(2000);
    DRACON(3, 0, 100, 3, 0, 50, z, 2, 0, static_cast<int>(work.size()), work.data());
}

void pointMap()
{
    float x[9] = {0, 50, 100, 0, 50, 100, 0, 50, 100}, y[9] = {0, 0, 0, 25, 25, 25, 50, 50, 50};
    float z[9] = {0, 1, 2, 1, 2, 3, 2, 3, 4};
    RANCON(9, x, y, z, 2, 0);
}

std::string trimmed(const std::string& s)
{
    const size_t a = s.find_first_not_of(' ');
    return a == std::string::npos ? "" : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

class MapFrameTest : public MapFixture {
protected:
    // Draws the frame of the current map with the given type; returns the log.
    std::vector<std::string> drawFrame(int type, int& status)
    {
        surfaceState.contour.mapFrameType = type;
        capture();
        surfaceDrawGridMapFrame(status);
        return calls();
    }
    static void mapPoint(float x, float y, float& X, float& Y) { CONSPA(x, y, X, Y); }
};

TEST_F(MapFrameTest, MapAreaAndTransform)
{
    struct Row {
        const char* name;
        std::function<void()> setup;
        float x, y, X, Y;
    };
    // Window x 0..100, y 0..50 on a picture of 100 by 60 characters of 10 by 10.
    const Row rows[] = {
        // Equal scale (the default): 8 picture units per map unit on both axes, the area
        // shrinks from 440 to 400 high and keeps its lower-left corner.
        {"equal scale", [] {}, 100, 50, 900, 500},
        {"equal scale middle", [] {}, 50, 25, 500, 300},
        {"origin", [] {}, 0, 0, 100, 100},
        {"free scale", [] { CONSCA(0, 0, 0, 1); }, 100, 50, 900, 540},
        {"fill key",
         [] {
             CONSCA(0, 0, 0, 1);
             surfaceState.fillKeyOn = -1;
         },
         100, 50, 750, 540},
        // A line map after a band-filled map with a key leaves no room for a key.
        {"lines after a key", [] { keyedBandsThen(lineMap); }, 100, 50, 900, 500},
        {"points after a key", [] { keyedBandsThen(pointMap); }, 100, 50, 900, 500},
        // A given rectangle fixes the area; equal scale does not shrink it.
        {"given frame", [] { CONBND(200, 600, 150, 350); }, 100, 50, 600, 350},
        {"given frame origin", [] { CONBND(200, 600, 150, 350); }, 0, 0, 200, 150},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SURF();
        r.setup();
        makeMap(3, 3, 0, 100, 0, 50, flat);
        float X = 0, Y = 0;
        mapPoint(r.x, r.y, X, Y);
        EXPECT_NEAR(X, r.X, 1e-3);
        EXPECT_NEAR(Y, r.Y, 1e-3);
    }
    // A given rectangle turns equal scale off for its own map only.
    EXPECT_TRUE(surfaceFlagOn(surfaceState.contour.frameScaleFirstKind));
    EXPECT_TRUE(reported().empty());
}

TEST_F(MapFrameTest, FrameTypes)
{
    makeMap(3, 3, 0, 100, 0, 50, flat);
    surfaceState.grid.levelExponent = 3;
    surfaceState.grid.contourInterval = 2000;
    surfaceState.contour.labelSkip = 1;
    TITSTR("Heights", 7);
    const std::vector<std::string> annotation = {"Contour Height", " *10", "3",
                                                 "Contour Step",   "2.00", "Heights"};
    int status = -1;
    // Type 1: one closed 5-point box and no ticks.
    std::vector<std::string> log = drawFrame(kMapFrameBox, status);
    EXPECT_EQ(status, 0);
    const std::vector<DrawnLine> box = polylines(log);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].x, std::vector<float>({100, 900, 900, 100, 100}));
    EXPECT_EQ(box[0].y, std::vector<float>({100, 100, 500, 500, 100}));
    EXPECT_EQ(texts(log), annotation);
    // Type 2: no box, still the height and step lines and the title.
    log = drawFrame(kMapFrameNone, status);
    EXPECT_TRUE(polylines(log).empty());
    EXPECT_EQ(count(log, "kernelDrawLineTo"), 0);
    EXPECT_EQ(texts(log), annotation);
    // Type 3: lays out only.
    log = drawFrame(kMapFrameLayoutOnly, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(count(log, "kernelDrawLineTo") + count(log, "kernelDrawText"), 0);
    // Type 0: 4 bands of a start tick and 10 intervals each.
    log = drawFrame(kMapFrameTicks, status);
    EXPECT_EQ(polylines(log).size(), 44u);
    EXPECT_TRUE(reported().empty());
}

TEST_F(MapFrameTest, TickBandsAndNumbers)
{
    makeMap(3, 3, 0, 100, 0, 50, flat);
    int status = -1;
    const std::vector<std::string> log = drawFrame(kMapFrameTicks, status);
    const std::vector<DrawnLine> lines = polylines(log);
    ASSERT_EQ(lines.size(), 44u);
    // Bottom band: a full tick at the start, then the edge in intervals of 80 with ticks
    // outward (down) alternating half and full, starting with a half tick.
    EXPECT_EQ(lines[0].x, std::vector<float>({100, 100}));
    EXPECT_EQ(lines[0].y, std::vector<float>({100, 90}));
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        const float at = 100.0f + 80.0f * i;
        EXPECT_EQ(lines[i].x, std::vector<float>({at - 80, at, at}));
        EXPECT_EQ(lines[i].y, std::vector<float>({100, 100, i % 2 == 0 ? 90.0f : 95.0f}));
    }
    // Right band upwards with ticks to the right, top band leftwards with ticks up, left band
    // downwards with ticks to the left: each ends where the next begins.
    EXPECT_EQ(lines[11].x, std::vector<float>({900, 910}));
    EXPECT_EQ(lines[12].x.back(), 905.0f);
    EXPECT_EQ(lines[21].y[1], 500.0f);
    EXPECT_EQ(lines[22].y, std::vector<float>({500, 510}));
    EXPECT_EQ(lines[32].x[1], 100.0f);
    EXPECT_EQ(lines[33].x, std::vector<float>({100, 90}));
    EXPECT_EQ(lines[43].y[1], 100.0f);

    // Numbers on the bottom (every full tick) and left edges, the factor written out for
    // axis exponents 2 and 1; no axis titles then.
    std::vector<std::string> shown;
    for (const std::string& t : texts(log)) shown.push_back(trimmed(t));
    EXPECT_EQ(shown,
              std::vector<std::string>({"0.0", "20.0", "40.0", "60.0", "80.0", "100.0", "50.0",
                                        "40.0", "30.0", "20.0", "10.0", "0.0"}));
    // A bottom number is centred under its tick, below the ticks; a left number ends left of
    // the ticks, just below its tick.
    const auto at = textPositions(log);
    EXPECT_FLOAT_EQ(at[0].first, 100.0f + 27.0f - 60.0f);
    EXPECT_FLOAT_EQ(at[0].second, 100.0f - 10.0f - 13.5f);
    EXPECT_FLOAT_EQ(at[6].first, 100.0f - 14.5f - 50.0f);
    EXPECT_FLOAT_EQ(at[6].second, 500.0f - 4.5f);
}

// The left band counts down from the top of the map; its last number, at the map's lower
// edge, is the window's lower end and reads as a plain zero, never "-0.0".
TEST_F(MapFrameTest, NumbersAtZeroReadZero)
{
    const struct {
        float hi;
        const char* zero;
    } windows[] = {{10.0f, "0.0"}, {1.0f, "0.0"}, {0.3f, "0.000"}, {7.0f, "0.0"}, {3.0f, "0.00"}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.hi);
        makeMap(3, 3, 0, w.hi, 0, w.hi, flat);
        int status = -1;
        std::vector<std::string> shown;
        for (const std::string& t : texts(drawFrame(kMapFrameTicks, status)))
            shown.push_back(trimmed(t));
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown.front(), w.zero);  // bottom band, first number
        EXPECT_EQ(shown.back(), w.zero);   // left band, last number
        for (const std::string& t : shown) EXPECT_NE(t[0], '-') << t;
    }
    // A number formatted on its own never shows a minus before nothing but zeros.
    char text[10];
    surfaceFormatNumber(-1.0e-8, 6, 2, text);
    EXPECT_EQ(trimmed(std::string(text, 6)), "0.00");
    surfaceFormatNumber(-0.4, 4, 0, text);
    EXPECT_EQ(trimmed(std::string(text, 4)), "0");
}

TEST_F(MapFrameTest, AxisTitleOnlyWithAnExponent)
{
    CONSCA(0, 0, 0, 1);
    // The x numbers in thousands or in thousandths: "X axis *10" and the raised exponent, 6 ch
    // below the map; the y axis shows its factor in its numbers and has no title.
    const struct {
        float xmax;
        const char* exponent;
    } windows[] = {{1000.0f, "3"}, {0.001f, "-3"}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.exponent);
        surfaceState.titles.titleMode = 0;
        makeMap(3, 3, 0, w.xmax, 0, 50, flat);
        int status = -1;
        const std::vector<std::string> log = drawFrame(kMapFrameTicks, status);
        const std::vector<std::string> all = texts(log);
        ASSERT_GE(all.size(), 3u);
        const std::vector<std::string> tail(all.end() - 3, all.end());
        EXPECT_EQ(tail, std::vector<std::string>({"X axis", " *10", w.exponent}));
        const auto at = textPositions(log);
        const size_t n = at.size();
        EXPECT_FLOAT_EQ(at[n - 3].first, 100.0f);
        EXPECT_FLOAT_EQ(at[n - 3].second, 40.0f);
        EXPECT_FLOAT_EQ(at[n - 2].first, 160.0f);
        EXPECT_FLOAT_EQ(at[n - 1].first, 160.0f + 40.0f + 2.5f);
        EXPECT_FLOAT_EQ(at[n - 1].second, 47.5f);
        // Title mode 1: the title alone; mode 2: none.
        surfaceState.titles.titleMode = 1;
        EXPECT_EQ(texts(drawFrame(kMapFrameTicks, status)).back(), "X axis");
        surfaceState.titles.titleMode = 2;
        EXPECT_NE(texts(drawFrame(kMapFrameTicks, status)).back(), "X axis");
    }
}

TEST_F(MapFrameTest, AxisAnnotationSettings)
{
    CONSCA(0, 0, 0, 1);
    makeMap(3, 3, 0, 100, 0, 50, flat);
    SurfaceSettings& st = surfaceState.surface;
    struct Row {
        const char* name;
        int width, decimals, exponent;
        std::vector<std::string> bottom;  // the numbers of the bottom edge
        std::vector<int> errors;
        bool title;
    };
    const Row rows[] = {
        // Whole map units, no exponent shown.
        {"map units", 5, 0, 9999, {"0", "20", "40", "60", "80", "100"}, {}, false},
        // A set exponent is shown in the title and divides the numbers.
        {"in tens", 5, 1, 1, {"0.0", "2.0", "4.0", "6.0", "8.0", "10.0"}, {}, true},
        // Whole numbers beyond the kernel's integers: the automatic format.
        {"too large",
         5,
         0,
         -10,
         {"0.0", "20.0", "40.0", "60.0", "80.0", "100.0"},
         {asReported(kFormatTooNarrow)},
         false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        st.annotationOn[0] = -1;
        st.annotationWidth[0] = r.width;
        st.annotationDecimals[0] = r.decimals;
        st.annotationExponent[0] = r.exponent;
        tarv::errorLogClear();
        int status = -1;
        const std::vector<std::string> all = texts(drawFrame(kMapFrameTicks, status));
        std::vector<std::string> bottom;
        for (size_t k = 0; k < 6 && k < all.size(); ++k) bottom.push_back(trimmed(all[k]));
        EXPECT_EQ(bottom, r.bottom);
        EXPECT_EQ(reported(), r.errors);
        EXPECT_EQ(all.back() == "1" || all.back() == "X axis" || all.back() == " *10", r.title);
    }
}

TEST_F(MapFrameTest, HeightAndStepLines)
{
    struct Row {
        int exponent;
        float interval;
        std::vector<std::string> texts;
        float stepX;  // where the step line starts
    };
    // "Contour Height *10 " is 19 characters: the line starts 190 left of the right edge (900);
    // without it the step line ends at the right edge.
    const Row rows[] = {
        {3, 2000.0f, {"Contour Height", " *10", "3", "Contour Step", "2.00"}, 710},
        {-3, 0.002f, {"Contour Height", " *10", "-3", "Contour Step", "2.00"}, 710},
        {2, 20.0f, {"Contour Step", "20.00"}, 760},
        {-2, 0.05f, {"Contour Step", "0.05"}, 760},
    };
    makeMap(3, 3, 0, 100, 0, 50, flat);
    surfaceState.contour.labelSkip = 2;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.exponent);
        surfaceState.grid.levelExponent = r.exponent;
        surfaceState.grid.contourInterval = r.interval;
        int status = -1;
        const std::vector<std::string> log = drawFrame(kMapFrameNone, status);
        EXPECT_EQ(texts(log), r.texts);
        const auto at = textPositions(log);
        const size_t step = r.texts.size() - 2;
        EXPECT_FLOAT_EQ(at[step].first, r.stepX);
        EXPECT_FLOAT_EQ(at[step].second, 20.0f);
        EXPECT_FLOAT_EQ(at[step + 1].first, r.stepX + 140.0f);
    }
    // No step line without a label rhythm, nothing at all without labels.
    surfaceState.grid.levelExponent = 3;
    surfaceState.contour.labelSkip = 0;
    int status = -1;
    EXPECT_EQ(texts(drawFrame(kMapFrameNone, status)),
              std::vector<std::string>({"Contour Height", " *10", "3"}));
    surfaceState.contour.labelsOn = 0;
    EXPECT_TRUE(texts(drawFrame(kMapFrameNone, status)).empty());
}

TEST_F(MapFrameTest, PlotTitleSplitWhenWiderThanTheMap)
{
    makeMap(3, 3, 0, 100, 0, 50, flat);
    surfaceState.contour.labelsOn = 0;
    const std::string longTitle(90, 'T');  // 900 wide over a map 800 wide
    TITSTR((longTitle.substr(0, 44) + "AB" + longTitle.substr(0, 44)).c_str(), 90);
    int status = -1;
    std::vector<std::string> log = drawFrame(kMapFrameNone, status);
    EXPECT_EQ(
        texts(log),
        std::vector<std::string>({longTitle.substr(0, 44) + "A", "B" + longTitle.substr(0, 44)}));
    auto at = textPositions(log);
    EXPECT_EQ(at[0], std::make_pair(100.0f, 540.0f));
    EXPECT_EQ(at[1], std::make_pair(100.0f, 520.0f));
    TITSTR("Short", 5);
    log = drawFrame(kMapFrameNone, status);
    EXPECT_EQ(texts(log), std::vector<std::string>({"Short"}));
    EXPECT_EQ(textPositions(log)[0], std::make_pair(100.0f, 520.0f));
}

TEST_F(MapFrameTest, FrameScales)
{
    // A tick step of 25 map units: 4 intervals of 200 on the bottom edge.
    CONSCA(25, 0, 0, 1);
    makeMap(3, 3, 0, 100, 0, 50, flat);
    int status = -1;
    std::vector<std::string> log = drawFrame(kMapFrameTicks, status);
    std::vector<DrawnLine> lines = polylines(log);
    EXPECT_EQ(lines[4].x, std::vector<float>({700, 900, 900}));
    EXPECT_EQ(lines[5].x, std::vector<float>({900, 910}));  // the right band's start
    std::vector<std::string> shown;
    for (const std::string& t : texts(log)) shown.push_back(trimmed(t));
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 3),
              std::vector<std::string>({"0.0", "50.0", "100.0"}));
    EXPECT_TRUE(reported().empty());

    // Scale by intervals: the area spans the window 3..97 exactly, ticks every 10 from 3 and
    // the part after 93 as a partial interval at the end.
    SURF();
    CONSCA(10, 0, 0, 3);
    makeMap(3, 3, 3, 97, 0, 50, flat);
    float X = 0, Y = 0;
    mapPoint(3, 0, X, Y);
    EXPECT_NEAR(X, 100.0f, 1e-3);
    mapPoint(97, 0, X, Y);
    EXPECT_NEAR(X, 900.0f, 1e-3);
    log = drawFrame(kMapFrameTicks, status);
    shown.clear();
    for (const std::string& t : texts(log)) shown.push_back(trimmed(t));
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 6),
              std::vector<std::string>({"3.0", "23.0", "43.0", "63.0", "83.0", "93.0"}));
    lines = polylines(log);
    EXPECT_NEAR(lines[10].x[1], 900.0f, 1e-3);  // 9 whole intervals, then the rest
    EXPECT_NEAR(lines[10].x[0], 100.0f + 9 * 800.0f / 9.4f, 1e-2);
    EXPECT_TRUE(reported().empty());

    // Scales that cannot be applied: warning -42 when drawn (not at the layout), automatic
    // intervals kept.
    struct Bad {
        const char* name;
        float s;
        int kind;
    };
    const Bad bad[] = {{"step beyond half the range", 1000.0f, 3},
                       {"more ticks than integers", 1.0e-6f, 1},
                       {"more intervals than a picture shows", 1.0e-3f, 1}};
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.name);
        SURF();
        CONSCA(b.s, 0, 0, b.kind);
        makeMap(3, 3, 3, 97, 0, 50, flat);
        EXPECT_TRUE(reported().empty());
        mapPoint(3, 0, X, Y);
        EXPECT_NEAR(X, 100.0f + 3 * 8.0f, 1e-3);
        drawFrame(kMapFrameTicks, status);
        EXPECT_EQ(reported(), std::vector<int>({asReported(kStepUnusable)}));
        tarv::errorLogClear();
    }
}

TEST_F(MapFrameTest, DegenerateAreaLeavesNoScale)
{
    makeMap(3, 3, 0, 100, 0, 50, flat);
    const MapTransform before = surfaceState.map;
    // A picture narrower than the margins.
    kernelSetPictureSpace(0.0f, 150.0f, 0.0f, 600.0f);
    SURF();
    surfaceState.drawing.code = kDrawingGriddedMap;
    int status = -1;
    const std::vector<std::string> log = drawFrame(kMapFrameTicks, status);
    EXPECT_EQ(status, kDegenerateArea);
    EXPECT_EQ(count(log, "kernelDrawLineTo") + count(log, "kernelDrawText"), 0);
    EXPECT_FLOAT_EQ(surfaceState.map.mapWidth, -50.0f);
    EXPECT_FLOAT_EQ(surfaceState.map.scaleX, before.scaleX);
    float X = -1, Y = -1;
    CONSPA(50.0f, 25.0f, X, Y);
    EXPECT_EQ(X, 0.0f);
    EXPECT_EQ(Y, 0.0f);
}

TEST_F(MapFrameTest, NetworkFrame)
{
    makeMap(3, 3, 0, 100, 0, 50, flat);
    SurfaceLibraryState& s = surfaceState;
    s.drawing.code = kDrawingNetworkMap;
    // A normalisation that would move every point if the frame went through it.
    s.network.xrange = 2.0f;
    s.network.xmin = 7.0f;
    s.network.yrange = 3.0f;
    s.network.networkRoutineActive = -1;
    s.grid.levelExponent = 3;
    s.contour.mapFrameType = kMapFrameBox;
    capture();
    int status = -1;
    surfaceDrawNetworkMapFrame(status);
    const std::vector<std::string> log = calls();
    EXPECT_EQ(status, 0);
    const std::vector<DrawnLine> box = polylines(log);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].x, std::vector<float>({100, 900, 900, 100, 100}));
    EXPECT_EQ(s.network.networkRoutineActive, -1);
    EXPECT_EQ(std::vector<float>({s.projection.frameX, s.projection.frameY, s.projection.frameWidth,
                                  s.projection.frameHeight}),
              std::vector<float>({100, 100, 800, 440}));  // before equal scaling
    // The height line measures " *10" without the trailing blank: 18 characters.
    EXPECT_FLOAT_EQ(textPositions(log)[0].first, 720.0f);
}

TEST_F(MapFrameTest, TickBandsTakeAnyArguments)
{
    makeMap(3, 3, 0, 100, 0, 50, flat);
    struct Row {
        float length;
        int count;
        float step;
        int width;
        bool scaled;
    };
    // No division by zero, no overflowing conversion, never more ticks than a picture shows.
    const Row rows[] = {{800, 0, 1, 5, false},          {800, -5, 1, 5, false},
                        {800, 2000000000, 1, 5, false}, {0, 10, 1, 5, false},
                        {-40, 10, 1, 5, false},         {NAN, 10, 1, 5, false},
                        {800, 10, 1e-30f, 5, true},     {800, 10, 1e30f, 2000000000, true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.length) + " " + std::to_string(r.count));
        surfaceSetTickAxisMode(1, r.scaled, false, 1.0f, 1.0f);
        int n = r.count;
        float step = r.step, x = 100, y = 100, remainder = -1;
        capture();
        surfaceLayoutXTicks(r.length, n, 1, 0.0f, step, x, y, 1, -1, 1, remainder, r.width, 9999,
                            1);
        const std::vector<std::string> log = calls();
        EXPECT_LE(count(log, "kernelDrawLineTo"), 2 * 32001);
        EXPECT_GE(remainder, 0.0f);
    }
    surfaceSetTickAxisMode(1, false, false, 0.0f, 0.0f);
}

TEST_F(MapFrameTest, MapOnAProjectedSurface)
{
    // A filled perspective surface, then a contour map laid on it at height 5: the frame is a
    // box through the projection at that height, without ticks, numbers or annotation.
    const int n = 11;
    std::vector<float> z(n * n), fills((n - 1) * (n - 1), -1.0f);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) z[static_cast<size_t>(j * n + i)] = static_cast<float>(i + j);
    }
    std::vector<float> pictureWork(20000), mapWork(2 * n * n + 10);
    float distance = 0.0f;
    PERFIL(n, 0, 10, n, 0, 10, z.data(), distance, 30.0f, 40.0f, fills.data(), 20000,
           pictureWork.data());
    CONPER(1, 5.0f);
    ASSERT_TRUE(reported().empty());
    capture();
    DRACON(n, 0, 10, n, 0, 10, z.data(), 4, 0, static_cast<int>(mapWork.size()), mapWork.data());
    const std::vector<std::string> log = calls();
    ASSERT_TRUE(reported().empty());
    EXPECT_TRUE(texts(log).empty());
    const std::vector<DrawnLine> lines = polylines(log);
    ASSERT_FALSE(lines.empty());
    const DrawnLine& box = lines.back();
    ASSERT_EQ(box.x.size(), 5u);
    const float corners[5][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    for (int k = 0; k < 5; ++k) {
        float X = 0, Y = 0;
        PERSPA(corners[k][0], corners[k][1], 5.0f, X, Y);
        EXPECT_NEAR(box.x[k], X, 0.05f) << k;
        EXPECT_NEAR(box.y[k], Y, 0.05f) << k;
    }
}
