// plot_fixture.h - shared fixture of the graph library tests.
//
// Every test starts as the first library call of a fresh process: the library's state block
// back to its load-time zeros, the kernel back to its start values with the library-open
// flags cleared, the call log capturing and the error log empty.  Helpers read the call log
// (its lines, those of chosen operations, the placed texts and the numbers on a line) and the
// reported numbers.
#ifndef TESTS_PLOTLIB_SUPPORT_PLOT_FIXTURE_H
#define TESTS_PLOTLIB_SUPPORT_PLOT_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "frame/state.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

// The numbers of a text from the call log, inputs and outputs alike: array brackets, empty
// arrays and the `->` between inputs and outputs are passed over.
inline std::vector<float> numbersIn(const std::string& text)
{
    std::vector<float> out;
    std::istringstream in(text);
    std::string w;
    while (in >> w) {
        std::string k;
        for (char c : w)
            if (c != '[' && c != ']') k += c;
        if (k.empty() || k == "->") continue;
        out.push_back(std::stof(k));
    }
    return out;
}
// The numbers of a call log line after the operation name.
inline std::vector<float> numbersAfterName(const std::string& line)
{
    return numbersIn(line.substr(line.find(' ') + 1));
}

// The value axes most drawing tests use: x 0..10 over kernel 100..900 (kernel x = 100 + 80 x),
// y 0..10 over kernel 100..600 (kernel y = 100 + 50 y), both scaled by interval count.
inline void placeAxes()
{
    const int start = 1, count = 10, x = 1, y = 2, byCount = 3;
    const float lo = 0.0f, hi = 10.0f;
    AXIPOS(start, 100.0f, 100.0f, 800.0f, x);
    AXISCA(byCount, count, lo, hi, x);
    AXIPOS(start, 100.0f, 100.0f, 500.0f, y);
    AXISCA(byCount, count, lo, hi, y);
}

class PlotLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        graphResetLibraryForTests();
        tarv::setErrorEcho(false);
        startLog();
    }
    void TearDown() override { tarv::traceCapture(false); }

    // Clears the call log and the error log and starts capturing.
    static void startLog()
    {
        tarv::errorLogClear();
        tarv::traceCapture(true);
    }
    static std::vector<std::string> calls() { return tarv::traceLines(); }
    // Runs `work` with a fresh call log and error log; returns the lines it logged and leaves
    // the log stopped.
    static std::vector<std::string> logOf(const std::function<void()>& work)
    {
        startLog();
        work();
        std::vector<std::string> lines = tarv::traceLines();
        tarv::traceCapture(false);
        return lines;
    }
    // Reported numbers, in order.
    static std::vector<int> errors()
    {
        std::vector<int> numbers;
        for (const tarv::ErrorRecord& r : tarv::errorLog()) numbers.push_back(r.number);
        return numbers;
    }
    // Calls whose line starts with `name` followed by a blank or the end of the line.
    static std::vector<std::string> callsOf(const std::string& name)
    {
        std::vector<std::string> out;
        for (const std::string& line : tarv::traceLines())
            if (line.compare(0, name.size(), name) == 0 &&
                (line.size() == name.size() || line[name.size()] == ' '))
                out.push_back(line);
        return out;
    }

public:
    // Readers of a log, open to the helpers of the test files outside a fixture as well.

    // The lines of the operations named in `names`, in order.
    static std::vector<std::string> only(const std::vector<std::string>& lines,
                                         std::initializer_list<const char*> names)
    {
        std::vector<std::string> kept;
        for (const std::string& line : lines) {
            const std::string op = line.substr(0, line.find(' '));
            for (const char* name : names)
                if (op == name) kept.push_back(line);
        }
        return kept;
    }
    // Each drawn text with the text position set last before it: "x y \"text\"".
    static std::vector<std::string> placedTexts(const std::vector<std::string>& lines)
    {
        std::vector<std::string> out;
        std::string at = "?";
        for (const std::string& line : lines) {
            if (line.rfind("kernelSetTextPosition ", 0) == 0) at = line.substr(22);
            else if (line.rfind("kernelDrawText ", 0) == 0)
                out.push_back(at + " " + line.substr(15));
        }
        return out;
    }
    // A number as the call log prints a real.
    static std::string num(double v)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.6g", v);
        return buffer;
    }

protected:
    // Runs the first-use defaults (through VECSET, which draws nothing and only writes the
    // vector defaults again) and starts a fresh log, so a test sees only what follows.
    static void firstCallDone()
    {
        VECSET();
        startLog();
    }
};

#endif
