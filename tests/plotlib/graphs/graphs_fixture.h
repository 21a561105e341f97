// graphs_fixture.h - common ground of the graph routine tests: the library's fresh-process
// fixture (with its readers of the call log and the error log), two linear axes with simple
// transforms, and the readers of the call log that only the graph tests need.
//
// The axes (placeAxes of the library fixture): x from 0 to 10 over kernel 100..900 (kernel
// x = 100 + 80 x), y from 0 to 10 over kernel 100..600 (kernel y = 100 + 50 y), both scaled by
// interval count (type 3).
#ifndef TESTS_PLOTLIB_GRAPHS_FIXTURE_H
#define TESTS_PLOTLIB_GRAPHS_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "frame/state.h"
#include "support/plot_fixture.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

class GraphsTest : public PlotLibraryTest {
public:
    void SetUp() override
    {
        PlotLibraryTest::SetUp();
        tarv::traceCapture(false);
    }

    // Runs `work` with the kernel's call log on and returns the lines it logged (logOf).
    static std::vector<std::string> calls(const std::function<void()>& work) { return logOf(work); }

    // Pen, line and marker operations: what a data set drew.
    static std::vector<std::string> drawing(const std::vector<std::string>& lines)
    {
        return only(lines,
                    {"kernelMovePen", "kernelDrawLineTo", "kernelDrawMarker", "kernelSetCurveEnds",
                     "kernelDrawCurve", "kernelDrawSpline", "kernelDrawAkimaCurve",
                     "kernelEnquireCurveEnds"});
    }

    static std::string move(float x, float y) { return "kernelMovePen " + num(x) + " " + num(y); }
    static std::string line(float x, float y)
    {
        return "kernelDrawLineTo " + num(x) + " " + num(y);
    }

    // Kernel coordinates of a graph point on the axes of placeAxes().
    static float kx(float x) { return 100.0f + 80.0f * x; }
    static float ky(float y) { return 100.0f + 50.0f * y; }

    // Tokens of a log line after its operation name.
    static std::vector<std::string> fields(const std::string& line)
    {
        std::istringstream in(line);
        std::vector<std::string> out;
        std::string word;
        in >> word;
        while (in >> word) out.push_back(word);
        return out;
    }

    // The array of fields() that starts at field i ("[v1", ..., "vn]"; "[]" when empty); i is
    // left on the field after it.
    static std::vector<float> readArray(const std::vector<std::string>& f, size_t& i)
    {
        std::vector<float> values;
        for (;; ++i) {
            std::string t = f[i];
            const bool last = t.back() == ']';
            if (t.front() == '[') t.erase(0, 1);
            if (last) t.pop_back();
            if (!t.empty()) values.push_back(std::stof(t));
            if (last) {
                ++i;
                return values;
            }
        }
    }
};

#endif
