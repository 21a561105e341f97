// Tests of AXNSTR: axis titles beside either axis, on either side, justified, stacked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/plot_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class AxisTitleTest : public PlotLibraryTest {
protected:
    static void plotAxes()
    {
        AXIPOS(1, 100.0f, 100.0f, 800.0f, 1);
        AXIPOS(1, 100.0f, 200.0f, 400.0f, 2);
        AXIPOS(1, 100.0f, 100.0f, 800.0f, 1);  // x current: titles of y must not use it
        startLog();
    }
    static Lines placed()
    {
        Lines out;
        for (const std::string& l : calls())
            if (l.rfind("kernelSetTextPosition", 0) == 0 || l.rfind("kernelDrawText", 0) == 0 ||
                l.rfind("kernelSetCharAngle", 0) == 0)
                out.push_back(l);
        return out;
    }
};

struct TitleCase {
    const char* text;
    int axis, justification;
    Lines calls;
};

TEST_F(AxisTitleTest, TitlesOnBothAxesAndSides)
{
    // 80-character texts as the application passes them; 10 by 10 characters.
    const TitleCase cases[] = {
        {"Frequency (Hz)",
         -1,
         0,
         {"kernelSetTextPosition 430 20", "kernelDrawText \"Frequency (Hz)\""}},
        {"Frequency (Hz)",
         1,
         1,
         {"kernelSetTextPosition 760 30", "kernelDrawText \"Frequency (Hz)\""}},
        {"Frequency (Hz)",
         1,
         -1,
         {"kernelSetTextPosition 100 30", "kernelDrawText \"Frequency (Hz)\""}},
        {"Amplitude",
         2,
         0,
         {"kernelSetCharAngle 90", "kernelSetTextPosition 30 355", "kernelDrawText \"Amplitude\""}},
        {"Amplitude",
         -2,
         1,
         {"kernelSetCharAngle 90", "kernelSetTextPosition 40 505", "kernelDrawText \"Amplitude\""}},
        {"Amplitude",
         2,
         5,  // justification outside -1..1 centres
         {"kernelSetCharAngle 90", "kernelSetTextPosition 30 355", "kernelDrawText \"Amplitude\""}},
        // Two lines stack away from the axis.
        {"Upper*NLower",
         1,
         -1,
         {"kernelSetTextPosition 100 50", "kernelDrawText \"Upper*NLower\""}},
        {"Upper*NLower",
         2,
         -1,
         {"kernelSetCharAngle 90", "kernelSetTextPosition 10 200",
          "kernelDrawText \"Upper*NLower\""}},
        {"", 1, 0, {}},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " axis " + std::to_string(c.axis));
        plotAxes();
        std::string text(c.text);
        text.resize(80, ' ');
        AXNSTR(text.c_str(), 80, 30.0f, c.axis, c.justification);
        Lines expected = c.calls;
        // The frame puts the caller's angle and text position back at the exit.
        expected.push_back("kernelSetCharAngle 0");
        expected.push_back("kernelSetTextPosition 0 0");
        EXPECT_EQ(placed(), expected);
        EXPECT_TRUE(errors().empty());
    }
}

TEST_F(AxisTitleTest, TitleIsMeasuredForItsLengthThenForItsExtent)
{
    // The used length and the width come from graphMeasureText's measurement; the width and
    // the line count that place the title are enquired once more over the used text.
    plotAxes();
    std::string text("Time (s)");
    text.resize(80, ' ');
    AXNSTR(text.c_str(), 80, 30.0f, -1, 0);
    Lines measuring;
    for (const std::string& l : calls())
        if (l.rfind("kernelUsedLength", 0) == 0 || l.rfind("kernelEnquireTextExtent", 0) == 0 ||
            l.rfind("kernelSetTextPosition", 0) == 0 || l.rfind("kernelDrawText", 0) == 0)
            measuring.push_back(l.substr(0, l.find(' ')));
    const Lines expected = {"kernelUsedLength",        "kernelEnquireTextExtent",
                            "kernelEnquireTextExtent", "kernelSetTextPosition",
                            "kernelDrawText",          "kernelSetTextPosition"};
    EXPECT_EQ(measuring, expected);
}

}  // namespace
