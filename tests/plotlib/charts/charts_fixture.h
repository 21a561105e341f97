// charts_fixture.h - common ground of the chart tests: a fresh library for every test, axes
// with simple transforms, and readers of the kernel's call log.
//
// Axes placed by the tests (kernel units):
//   value axes:    placeAxes of the library fixture: x from 0 to 10 over 100..900
//                  (kernel x = 100 + 80 x), y from 0 to 10 over 100..600 (kernel y = 100 +
//                  50 y), both by count;
//   category axes: one of the two replaced by `cells` cells of scaling type 5, so that the
//                  cells of x are 800 / cells wide from 100 on, those of y 500 / cells high.
// The default axes of a plot routine on the default picture (1000 x 750, characters 10 x 10)
// run from (90, 50): x 870 long, y 650 long.
#ifndef TESTS_PLOTLIB_CHARTS_FIXTURE_H
#define TESTS_PLOTLIB_CHARTS_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "frame/state.h"
#include "support/plot_fixture.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

class ChartsTest : public PlotLibraryTest {
public:
    void SetUp() override
    {
        PlotLibraryTest::SetUp();
        tarv::traceCapture(false);
    }

    // Value axes with axis `axis` turned into `cells` category cells numbered 1..cells.
    static void categoryAxis(int axis, int cells)
    {
        placeAxes();
        AXISCA(5, cells, 1.0f, static_cast<float>(cells), axis);
    }

    static float kx(float x) { return 100.0f + 80.0f * x; }
    static float ky(float y) { return 100.0f + 50.0f * y; }

    // Runs `work` with a fresh call log and error log; returns the lines it logged (logOf).
    static std::vector<std::string> run(const std::function<void()>& work) { return logOf(work); }

    static std::string op(const std::string& line) { return line.substr(0, line.find(' ')); }

    // Pen moves and lines as "M x y" and "L x y".
    static std::vector<std::string> pen(const std::vector<std::string>& lines)
    {
        std::vector<std::string> out;
        for (const std::string& line : only(lines, {"kernelMovePen", "kernelDrawLineTo"}))
            out.push_back((op(line) == "kernelMovePen" ? "M" : "L") + line.substr(line.find(' ')));
        return out;
    }

    // Pen moves and lines after the last relative pen operation or text: the outline a plot
    // routine draws after its framed axes (drawn with relative moves) and their numbers.
    static std::vector<std::string> outline(const std::vector<std::string>& lines)
    {
        size_t from = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string o = op(lines[i]);
            if (o == "kernelDrawLineBy" || o == "kernelMovePenBy" || o == "kernelDrawText")
                from = i + 1;
        }
        return pen(std::vector<std::string>(lines.begin() + static_cast<long>(from), lines.end()));
    }

    // The fills, without the operation name.
    static std::vector<std::string> fills(const std::vector<std::string>& lines)
    {
        std::vector<std::string> out;
        for (const std::string& line : only(lines, {"kernelFillBox"}))
            out.push_back(line.substr(14));
        return out;
    }

    static std::vector<std::string> routinesReported()
    {
        std::vector<std::string> out;
        for (const tarv::ErrorRecord& e : tarv::errorLog()) out.push_back(e.routine);
        return out;
    }

    static std::string M(double x, double y) { return "M " + num(x) + " " + num(y); }
    static std::string L(double x, double y) { return "L " + num(x) + " " + num(y); }
    static std::string at(double x, double y, const std::string& text)
    {
        return num(x) + " " + num(y) + " \"" + text + "\"";
    }
};

#endif
