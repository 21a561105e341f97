// Graph-wide settings (plot frame, character mode, scaling mode, grid marker) and the graph
// title in every justification.
#include <cmath>
#include <string>
#include <vector>

#include "graphs_fixture.h"

namespace {

using PlotFrameTest = GraphsTest;

TEST_F(PlotFrameTest, PlotFrameIsSortedAndReadBack)
{
    int sw = -1;
    float b[4] = {};
    calls([&] {
        GRFBND(300.0f, 100.0f, 400.0f, 200.0f);
        GRBENQ(sw, b[0], b[1], b[2], b[3]);
    });
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(sw, 1);
    EXPECT_EQ(std::vector<float>(b, b + 4), (std::vector<float>{100, 300, 200, 400}));
    // The frame is the plot area of the next routine.
    calls([] { GRFTTL("T", 1, 0, -1); });
    EXPECT_EQ(placedTexts(tarv::traceLines()).front(), "200 385 \"T\"");
}

TEST_F(PlotFrameTest, NarrowPlotFrameWarnsAndThePictureSpaceStays)
{
    const float nan = std::nanf("");
    const float cases[][4] = {{5, 5, 0, 10}, {0, 10, 3, 3.000001f}, {0, nan, 0, 10}};
    for (const auto& c : cases) {
        int sw = -1;
        float b[4] = {};
        const auto lines = calls([&] {
            GRFBND(c[0], c[1], c[2], c[3]);
            GRBENQ(sw, b[0], b[1], b[2], b[3]);
        });
        EXPECT_EQ(errors(), std::vector<int>{-550});
        EXPECT_EQ(tarv::errorLog()[0].routine, "kpSetPlotFrame(GRFBND)");
        EXPECT_EQ(sw, 0);
        // With the switch 0 the enquiry reads the kernel's picture space.
        EXPECT_EQ(std::vector<float>(b, b + 4), (std::vector<float>{0, 1000, 0, 750}));
        EXPECT_FALSE(only(lines, {"kernelEnquirePictureSpace"}).empty());
    }
}

TEST_F(PlotFrameTest, SettingsAndTheirCorrections)
{
    const struct {
        void (*set)(const int&);
        int value;
        std::vector<int> warnings;
        int GraphSettings::*field;
        int stored;
    } cases[] = {
        {GRASCA, 3, {}, &GraphSettings::scalingMode, 3},
        {GRASCA, 5, {-559}, &GraphSettings::scalingMode, 0},
        {GRASCA, -1, {-559}, &GraphSettings::scalingMode, 0},
        {GRFMOD, 0, {}, &GraphSettings::characterMode, 0},
        {GRFMOD, 5, {}, &GraphSettings::characterMode, 1},
        {GRFMOD, -2, {}, &GraphSettings::characterMode, 1},
        {GRDSYM, 7, {}, &GraphSettings::gridMarker, 7},
        {GRDSYM, 0, {}, &GraphSettings::gridMarker, 0},
        {GRDSYM, -2, {}, &GraphSettings::gridMarker, 3},
    };
    for (const auto& c : cases) {
        calls([&] { c.set(c.value); });
        EXPECT_EQ(errors(), c.warnings) << c.value;
        EXPECT_EQ(graphState.graph.*c.field, c.stored) << c.value;
    }
    int marker = -1;
    calls([&] { GRDSYQ(marker); });
    EXPECT_EQ(marker, 3);
}

// Picture space 0..1000 x 0..750, character cell 10 x 10: a one-line text has e3 = e4 = 10,
// a two-line text e3 = 30 and e4 = 10.
TEST_F(PlotFrameTest, TitleInEveryJustification)
{
    const struct {
        const char* text;
        int horizontal, vertical;
        const char* justification;  // nullptr: none set by the routine
        const char* placed;
    } cases[] = {
        {"Result", -1, -1, nullptr, "50 735 \"Result\""},
        {"Result", 1, -1, "kernelSetTextJustification 1", "950 735 \"Result\""},
        {"Result", 0, -1, "kernelSetTextJustification 0", "500 735 \"Result\""},
        {"Result", 4, 7, "kernelSetTextJustification 0", "500 735 \"Result\""},
        {"Result", 0, 0, "kernelSetTextJustification 0", "500 368 \"Result\""},
        {"Result", 0, 1, "kernelSetTextJustification 0", "500 2 \"Result\""},
        {"Top*NBottom", -1, 0, nullptr, "50 378 \"Top*NBottom\""},
        {"Top*NBottom", -1, 1, nullptr, "50 22 \"Top*NBottom\""},
        {"Result    ", 1, 1, "kernelSetTextJustification 1", "950 2 \"Result\""},
    };
    for (const auto& c : cases) {
        const auto lines = calls([&] {
            GRFTTL(c.text, static_cast<int>(std::string(c.text).size()), c.horizontal, c.vertical);
        });
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.horizontal) + " " +
                     std::to_string(c.vertical));
        EXPECT_TRUE(errors().empty());
        ASSERT_EQ(placedTexts(lines).size(), 1u);
        EXPECT_EQ(placedTexts(lines)[0], c.placed);
        // The justification set between the measurement and the drawing.
        std::vector<std::string> between;
        bool measured = false;
        for (const std::string& l : lines) {
            if (l.rfind("kernelEnquireTextExtent", 0) == 0) measured = true;
            else if (l.rfind("kernelDrawText", 0) == 0) break;
            else if (measured && l.rfind("kernelSetTextJustification", 0) == 0)
                between.push_back(l);
        }
        EXPECT_EQ(between,
                  c.justification ? std::vector<std::string>{c.justification}
                                  : std::vector<std::string>{});
    }
}

TEST_F(PlotFrameTest, BlankTitleIsAnError)
{
    for (int length : {6, 0, -4}) {
        const auto lines = calls([&] { GRFTTL("      ", length, 0, -1); });
        EXPECT_EQ(errors(), std::vector<int>{540});
        EXPECT_EQ(tarv::errorLog()[0].routine, "kpDrawGraphTitle(GRFTTL)");
        EXPECT_TRUE(only(lines, {"kernelDrawText"}).empty());
    }
}

// With both axes placed by the caller and the pie and polar layouts switched on, routine
// entry does not look at the plot area; the title still takes the frame set just before.
TEST_F(PlotFrameTest, TitleTakesTheCurrentPlotArea)
{
    placeAxes();
    graphState.pie.frameSwitch = 1;
    graphState.polar.polarSwitch = 1;
    calls([] { GRFBND(100.0f, 300.0f, 200.0f, 400.0f); });
    const auto lines = calls([] { GRFTTL("T", 1, 0, -1); });
    EXPECT_EQ(placedTexts(lines).front(), "200 385 \"T\"");
}

}  // namespace
