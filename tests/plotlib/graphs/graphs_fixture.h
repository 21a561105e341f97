// graphs_fixture.h - common ground of the graph routine tests: the library's fresh-process
// fixture, two linear axes with simple transforms, and readers of the kernel's call
// log and error log.
//
// The axes: x from 0 to 10 over kernel 100..900 (kernel x = 100 + 80 x), y from 0 to 10
// over kernel 100..600 (kernel y = 100 + 50 y), both scaled by interval count (type 3).
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

class GraphsTest : public PlotLibraryTest {
public:
    void SetUp() override
    {
        PlotLibraryTest::SetUp();
        tarv::traceCapture(false);
    }

    // The axes described above.
    static void placeAxes()
    {
        const int start = 1, count = 10, x = 1, y = 2;
        const float lo = 0.0f, hi = 10.0f;
        AXIPOS(start, 100.0f, 100.0f, 800.0f, x);
        AXISCA(3, count, lo, hi, x);
        AXIPOS(start, 100.0f, 100.0f, 500.0f, y);
        AXISCA(3, count, lo, hi, y);
    }

    // Runs `work` with the kernel's call log on and returns the lines it logged (logOf).
    static std::vector<std::string> calls(const std::function<void()>& work)
    {
        return logOf(work);
    }

    // The lines of the operations named in `names`, in order.
    static std::vector<std::string> only(const std::vector<std::string>& lines,
                                         std::initializer_list<const char*> names)
    {
        std::vector<std::string> kept;
        for (const std::string& line : lines) {
            const std::string op = line.substr(0, line.find(' '));
            for (const char* name : names)
                if (op == name)
                    kept.push_back(line);
        }
        return kept;
    }

    // Pen, line and marker operations: what a data set drew.
    static std::vector<std::string> drawing(const std::vector<std::string>& lines)
    {
        return only(lines, {"kernelMovePen", "kernelDrawLineTo", "kernelDrawMarker",
                            "kernelSetCurveEnds", "kernelDrawCurve", "kernelDrawSpline",
                            "kernelDrawAkimaCurve", "kernelEnquireCurveEnds"});
    }

    // Each drawn text with the text position set last before it: "x y \"text\"".
    static std::vector<std::string> placedTexts(const std::vector<std::string>& lines)
    {
        std::vector<std::string> out;
        std::string at = "?";
        for (const std::string& line : lines) {
            if (line.rfind("kernelSetTextPosition ", 0) == 0)
                at = line.substr(22);
            else if (line.rfind("kernelDrawText ", 0) == 0)
                out.push_back(at + " " + line.substr(15));
        }
        return out;
    }

    static std::string move(float x, float y) { return "kernelMovePen " + num(x) + " " + num(y); }
    static std::string line(float x, float y) { return "kernelDrawLineTo " + num(x) + " " + num(y); }
    static std::string num(double v)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.6g", v);
        return buffer;
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
        while (in >> word)
            out.push_back(word);
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
            if (t.front() == '[')
                t.erase(0, 1);
            if (last)
                t.pop_back();
            if (!t.empty())
                values.push_back(std::stof(t));
            if (last) {
                ++i;
                return values;
            }
        }
    }
};

#endif
