// surface_test.h - the fixtures of the surface library tests: a fresh kernel and a fresh
// library state for every test, as in a new process, and helpers to read the call log; on top
// of it the library opened by SURF, on a bare kernel or on a picture of 1000 by 600.
#ifndef TESTS_SURFLIB_SURFACE_TEST_H
#define TESTS_SURFLIB_SURFACE_TEST_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "frame/errors.h"
#include "frame/state.h"
#include "tarvcore.h"
#include "tterrlib.h"

using namespace surflib;

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tarv::resetState(true);
        tarv::setErrorEcho(false);
        tarv::errorLogClear();
        surfaceResetLibraryForTests();
    }
    void TearDown() override { tarv::traceCapture(false); }

    static void capture() { tarv::traceCapture(true); }
    static std::vector<std::string> calls()
    {
        std::vector<std::string> lines = tarv::traceLines();
        tarv::traceCapture(false);
        return lines;
    }
    // What an SVG file holds of a drawing: its filled paths by fill rule, the pieces of a
    // tiled area joined by the kernel (non-zero) and the fills made alone (even-odd).  The file
    // is named after the test and the process, so that runs side by side keep apart.
    struct SvgFills {
        int joined = 0, alone = 0;
    };
    static SvgFills svgFills(const std::function<void()>& draw)
    {
        const std::string name = (std::filesystem::path(::testing::TempDir()) /
                                  (std::string("surflib_") +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                                   "_" + std::to_string(getpid()) + ".svg"))
                                     .string();
        kernelSelectOutput(name.c_str(), static_cast<int>(name.size()));
        kernelOpenDevice();
        draw();
        kernelCloseDevice();
        std::ifstream in(name);
        std::stringstream text;
        text << in.rdbuf();
        std::filesystem::remove(name);
        const std::string svg = text.str();
        auto count = [&](const std::string& what) {
            int n = 0;
            for (size_t at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1))
                ++n;
            return n;
        };
        return {count("fill-rule:nonzero"), count("fill-rule:evenodd")};
    }
    // The number the kernel receives for the library's error or warning n.
    static constexpr int asReported(int n) { return n > 0 ? n + 1000 : n - 1000; }
    // The kernel error numbers reported so far, in order.
    static std::vector<int> reported()
    {
        std::vector<int> numbers;
        for (const tarv::ErrorRecord& r : tarv::errorLog()) numbers.push_back(r.number);
        return numbers;
    }
    // Only the lines of the log whose operation name starts with prefix.
    static std::vector<std::string> only(const std::vector<std::string>& lines,
                                         const std::string& prefix)
    {
        std::vector<std::string> out;
        for (const std::string& l : lines) {
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        }
        return out;
    }
};

// A fresh library opened by SURF, with the error log cleared of whatever opening reported.
// A fixture that sets the kernel up before the library opens does it in prepareKernel.
class OpenSurfaceTest : public SurfaceTest {
protected:
    void SetUp() override
    {
        SurfaceTest::SetUp();
        prepareKernel();
        SURF();
        tarv::errorLogClear();
    }
    virtual void prepareKernel() {}
};

// An open library on a picture of 1000 by 600 with character cells of 10 by 10: 100 by 60
// cells, so the map area is 100, 100, 800 by 440.
class SurfacePictureTest : public OpenSurfaceTest {
protected:
    void prepareKernel() override
    {
        kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 600.0f);
        kernelSetCharSize(10.0f, 10.0f);
    }
};

#endif
