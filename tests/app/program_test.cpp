// program_test.cpp - the whole program run by a script: file choices, the analysis, the four
// plots, resizing, printing (failed and done), the About box twice, and exit; checked on the
// result file, the console, the kernel's call log and the pictures.
#include <gtest/gtest.h>

#include <cairo.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "program.h"
#include "scratch_directory.h"
#include "state.h"
#include "tarvcore.h"
#include "tpanel.h"

namespace fs = std::filesystem;

namespace {

const char kNineSamples[] =
    "0 1.0\n0.1 2.5\n0.2 -0.5\n0.3 3.0\n0.4 0.0\n0.5 -2.0\n0.6 1.5\n0.7 0.25\n0.8 -1.0\n";
const std::string kTitle =
    "       FREQUENCY (HZ), AMPLITUDE, POWER, AND PHASE DATA FROM DFT ANALYSIS\n";
const std::string kHeading =
    "    K-TH FREQUENCY    FREQ(K)     AMPLITUDE(K)      POWER(K)       PHASE(K)\n";
const std::string kLines =
    "          1             1.111            0.87          0.376         -1.334\n"
    "          2             2.222            0.53          0.138          1.137\n"
    "          3             3.333            1.78          1.576         -0.303\n"
    "          4             4.444            0.75          0.278         -0.655\n";

// The actions of the script, in order (each is one wait of the program).
const char kScript[] = "menu Plot Results/Amplitude Results\n"  //  1 before any analysis
                       "snapshot empty.png\n"
                       "browse in/nine.in\n"
                       "menu File/Open Data File\n"  //  2
                       "browse out/result.out\n"
                       "menu File/Open Output File\n"  //  3
                       "browse\n"
                       "menu File/Open Output File\n"  //  4 cancelled: the choice stays
                       "menu Analyze Data/Run DFT on Selected Data File\n"  //  5
                       "menu Plot Results/Raw Data\n"                       //  6
                       "snapshot raw.png\n"
                       "menu Plot Results/Power Results\n"      //  7
                       "menu Plot Results/PHase Results\n"      //  8
                       "menu Plot Results/Amplitude Results\n"  //  9
                       "menu Plot Results/Amplitude Results\n"  // 10 the same plot again
                       "snapshot amp.png\n"
                       "print fail\n"
                       "menu File/Print\n"  // 11
                       "print-to page.pdf\n"
                       "print ok\n"
                       "menu File/Print\n"                      // 12
                       "menu Plot Results/Amplitude Results\n"  // 13 after printing
                       "snapshot amp-again.png\n"
                       "resize 32 22\n"  // 14 the frame's size: no redraw
                       "resize 40 25\n"  // 15
                       "snapshot resized.png\n"
                       "menu Help/About\n"  // 16
                       "button OK\n"        // 17
                       "menu Help/About\n"  // 18
                       "button OK\n"        // 19
                       "exit\n";            // 20

std::string readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The calls PLOT made itself: kernel operations outside the graph routines, and each graph
// routine by its legacy name (the graph routines name themselves at entry and clear the name).
std::vector<std::string> plotCalls(const std::vector<std::string>& segment)
{
    std::vector<std::string> calls;
    bool inGraphRoutine = false, plotting = false;
    for (const std::string& line : segment) {
        const bool naming = line.rfind("kernelSetRoutineName 2 \"", 0) == 0;
        const auto open = line.find('('), close = line.find(')');
        if (naming && open != std::string::npos && close != std::string::npos) {
            calls.push_back(line.substr(open + 1, close - open - 1));
            inGraphRoutine = plotting = true;
        } else if (naming) {
            inGraphRoutine = false;
        } else if (plotting && !inGraphRoutine) {
            if (line == "kernelFlushOutput" || line.rfind("kernelSetRasterOutput", 0) == 0) break;
            calls.push_back(line);
        }
    }
    return calls;
}

const std::vector<std::string> kPlotCalls = {"GRFMOD",
                                             "kernelSetLineWidth 1.5",
                                             "kernelSetColour 1",
                                             "kernelSetPictureSpace 0 1000 0 750",
                                             "kernelSetCharSize 10 10",
                                             "kernelSetTextMode 1",
                                             "kernelSetCharSize 11 11",
                                             "AXIPOS",
                                             "AXIPOS",
                                             "AXISCA",
                                             "AXISCA",
                                             "AXIDRA",
                                             "AXIDRA",
                                             "kernelSetColour 1",
                                             "GRID",
                                             "GRFTTL",
                                             "kernelSetTextSetting49 0",
                                             "AXNSTR",
                                             "AXNSTR",
                                             "kernelSetColour 7",
                                             "kernelSetLineWidth 2.2",
                                             "GRAPOL"};

// The pen moves and lines of the curve (what GRAPOL drew).
std::vector<std::string> curve(const std::vector<std::string>& segment)
{
    std::vector<std::string> lines;
    bool in = false;
    for (const std::string& line : segment) {
        if (line.find("(GRAPOL)") != std::string::npos) in = true;
        else if (in && line.rfind("kernelSetRoutineName", 0) == 0) break;
        else if (in &&
                 (line.rfind("kernelMovePen ", 0) == 0 || line.rfind("kernelDrawLineTo ", 0) == 0))
            lines.push_back(line);
    }
    return lines;
}

double yOf(const std::string& line)
{
    std::istringstream in(line);
    std::string op;
    double x = 0, y = 0;
    in >> op >> x >> y;
    return y;
}

// Pixels of colour: the curve; the frame, grid, axes and texts are greys.
long colouredPixels(const fs::path& png)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return -1;
    long count = 0;
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < h; ++y) {
        const unsigned* row =
            reinterpret_cast<const unsigned*>(data + y * cairo_image_surface_get_stride(s));
        for (int x = 0; x < w; ++x) {
            const unsigned r = (row[x] >> 16) & 255, g = (row[x] >> 8) & 255, b = row[x] & 255;
            if (std::max({r, g, b}) - std::min({r, g, b}) > 40) ++count;
        }
    }
    cairo_surface_destroy(s);
    return count;
}

class ScriptedProgram : public ScratchDirectoryTest {
protected:
    void SetUp() override
    {
        makeScratchDirectory("/tmp/specvue-run-");
        if (HasFatalFailure()) return;
        std::ofstream(root_ / "in" / "nine.in") << kNineSamples;
        std::ofstream(root_ / "run.script") << kScript;
        fs::current_path(root_);
    }
    void TearDown() override
    {
        ScratchDirectoryTest::TearDown();
        unsetenv("TPANEL_SCRIPT");
    }
};

TEST_F(ScriptedProgram, AnalysisPlotsPrintingAndDialog)
{
    setenv("TPANEL_SCRIPT", (root_ / "run.script").c_str(), 1);
    resetAppState();
    tarv::resetState(true);
    tarv::setErrorEcho(false);
    tarv::errorLogClear();
    tarv::traceCapture(true);
    ::testing::internal::CaptureStdout();
    const int status = SPECVUE();
    const std::string console = ::testing::internal::GetCapturedStdout();
    tarv::traceCapture(false);
    tarv::setErrorEcho(true);
    EXPECT_EQ(status, 0);

    // The table: title and lines on the console, title, heading and lines in the result file
    // chosen before the cancelled choice.
    EXPECT_EQ(console, kTitle + kLines);
    EXPECT_EQ(readFile(root_ / "out" / "result.out"), kTitle + kHeading + kLines);

    // No misuse of the binding at any point (start-up builds its menu bar and frame on the
    // master window).
    for (const tarv::ErrorRecord& e : tarv::errorLog())
        EXPECT_FALSE(e.number >= 1600 && e.number < 2000) << e.number << " in " << e.routine;

    // What the toolkit said: the notice before each print, the failure once, no script line
    // left unused (the About box and its OK button worked twice).
    EXPECT_EQ(tpanel::transcript(),
              (std::vector<std::string>{"message box \"Print Request\": Set paper orientation, and "
                                        "landscape requires more printer memory!",
                                        "message box \"Print Request\": Printer Request Failed",
                                        "message box \"Print Request\": Set paper orientation, and "
                                        "landscape requires more printer memory!"}));

    // The log, cut at each wait: segment k is what the program did for action k.
    std::vector<std::vector<std::string>> actions(1);
    for (const std::string& line : tarv::traceLines()) {
        if (line == "kernelSetRoutineName 2 \"ACTION\"") actions.emplace_back();
        actions.back().push_back(line);
    }
    ASSERT_EQ(actions.size(), 21u);  // start-up, 20 actions
    EXPECT_EQ(actions[20].back(), "kernelClose");

    // Every plot makes the same 22 calls; the curve has the series' points.
    for (int k : {1, 6, 7, 8, 9, 10, 13, 15}) EXPECT_EQ(plotCalls(actions[k]), kPlotCalls) << k;
    EXPECT_EQ(curve(actions[1]).size(), 0u);  // nothing analysed yet
    EXPECT_EQ(curve(actions[6]).size(), 9u);  // raw data: nine samples
    const std::vector<std::string> amp = curve(actions[9]);
    ASSERT_EQ(amp.size(), 4u);  // amplitude: N/2 = 4 frequencies
    // Amplitudes 0.87, 0.53, 1.78, 0.75: the third highest, the second lowest.
    EXPECT_GT(yOf(amp[2]), yOf(amp[0]));
    EXPECT_GT(yOf(amp[0]), yOf(amp[3]));
    EXPECT_GT(yOf(amp[3]), yOf(amp[1]));
    for (int k : {2, 3, 4, 5, 14, 16, 17, 18, 19}) EXPECT_TRUE(plotCalls(actions[k]).empty()) << k;

    // Printing: a failed job changes no mapping; a done job draws the plot onto the page and
    // puts the frame's output and the saved mapping back.  The plot afterwards is unchanged.
    auto has = [](const std::vector<std::string>& seg, const std::string& prefix) {
        return std::any_of(seg.begin(), seg.end(),
                           [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    };
    EXPECT_FALSE(has(actions[11], "kernelSetMapping"));
    EXPECT_EQ(plotCalls(actions[12]), kPlotCalls);
    std::vector<std::string> mappings;
    for (const std::string& l : actions[12])
        if (l.rfind("kernelSetMapping", 0) == 0 || l.rfind("kernelEnquireMapping", 0) == 0)
            mappings.push_back(l);
    ASSERT_EQ(mappings.size(), 3u);
    EXPECT_EQ(mappings[1], "kernelSetMapping 0 1000 0 750 0 297 0 210");
    EXPECT_EQ(mappings[2], "kernelSetMapping " + mappings[0].substr(mappings[0].find("-> ") + 3));
    EXPECT_EQ(actions[13], actions[10]);
    EXPECT_EQ(readFile(root_ / "amp-again.png"), readFile(root_ / "amp.png"));
    EXPECT_EQ(readFile(root_ / "page.pdf").rfind("%PDF", 0), 0u);

    // Pictures: the curve is there once something was analysed.
    EXPECT_EQ(colouredPixels(root_ / "empty.png"), 0);
    EXPECT_GT(colouredPixels(root_ / "raw.png"), 200);
    EXPECT_GT(colouredPixels(root_ / "amp.png"), 200);
    cairo_surface_t* resized = cairo_image_surface_create_from_png((root_ / "resized.png").c_str());
    int columns, rows, cw, ch;
    GetGridArea(columns, rows, cw, ch);
    EXPECT_EQ(cairo_image_surface_get_width(resized), 40 * cw);
    EXPECT_EQ(cairo_image_surface_get_height(resized), 25 * ch);
    cairo_surface_destroy(resized);
    EXPECT_GT(colouredPixels(root_ / "resized.png"), 200);
}

// A page that cannot be written (its file a full device) is a failed print request, told as a
// job that does not start is; the screen's output and mapping are put back all the same.
TEST_F(ScriptedProgram, APageThatCannotBeWrittenIsAFailedPrintRequest)
{
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    std::ofstream(root_ / "full.script") << "browse in/nine.in\nmenu File/Open Data File\n"
                                            "menu Analyze Data/Run DFT on Selected Data File\n"
                                            "print-to /dev/full\nprint ok\nmenu File/Print\n";
    setenv("TPANEL_SCRIPT", (root_ / "full.script").c_str(), 1);
    resetAppState();
    tarv::resetState(true);
    tarv::setErrorEcho(false);
    tarv::traceCapture(true);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(SPECVUE(), 0);
    const std::string said = ::testing::internal::GetCapturedStderr();
    ::testing::internal::GetCapturedStdout();
    tarv::traceCapture(false);
    tarv::setErrorEcho(true);

    const std::string notice = "message box \"Print Request\": Set paper orientation, and "
                               "landscape requires more printer memory!";
    const std::string failed = "message box \"Print Request\": Printer Request Failed";
    EXPECT_EQ(tpanel::transcript(),
              (std::vector<std::string>{notice, "print: the page could not be written to /dev/full",
                                        failed}));
    EXPECT_NE(said.find("tpanel: " + failed), std::string::npos) << said;

    std::vector<std::string> mappings;
    for (const std::string& l : tarv::traceLines())
        if (l.rfind("kernelSetMapping", 0) == 0 || l.rfind("kernelEnquireMapping", 0) == 0)
            mappings.push_back(l);
    ASSERT_EQ(mappings.size(), 3u);
    EXPECT_EQ(mappings[2], "kernelSetMapping " + mappings[0].substr(mappings[0].find("-> ") + 3));
}

// The program itself: a short script runs to its end with status 0; without a script or a
// display it says how to run it and ends with status 2.
TEST_F(ScriptedProgram, ProgramExitStatus)
{
    const std::string program = std::string(TARV_BINARY_DIR) + "/app/specvue";
    ASSERT_TRUE(fs::exists(program)) << "build the specvue program first";
    std::ofstream(root_ / "short.script") << "browse in/nine.in\nmenu File/Open Data File\n"
                                             "menu Analyze Data/Run DFT on Selected Data File\n";
    const std::string run = "cd " + root_.string() + " && TPANEL_SCRIPT=short.script " + program +
        " > out.txt 2> err.txt";
    int rc = std::system(run.c_str());
    EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 0) << rc;
    EXPECT_EQ(readFile(root_ / "out.txt"), kTitle + kLines);
    // No output directory chosen: the result goes beside the samples (the analysis works there).
    EXPECT_EQ(readFile(root_ / "in" / "dft_output.out"), kTitle + kHeading + kLines);

    // A cancelled choice of the sample file goes back to dft_input.in in the directory of the
    // last choice; it is not there, so the analysis is refused and nothing is created.
    std::ofstream(root_ / "cancel.script") << "browse in/nine.in\nmenu File/Open Data File\n"
                                              "browse\nmenu File/Open Data File\n"
                                              "menu Analyze Data/Run DFT on Selected Data File\n";
    const std::string cancel = "cd " + root_.string() + " && TPANEL_SCRIPT=cancel.script " +
        program + " > out.txt 2> err.txt";
    rc = std::system(cancel.c_str());
    EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 0) << rc;
    const std::string refusal =
        "No analysis: the sample file 'dft_input.in' cannot be opened: no such file.";
    EXPECT_EQ(readFile(root_ / "out.txt"), refusal + "\n");
    EXPECT_NE(readFile(root_ / "err.txt").find("DFT Analysis : " + refusal), std::string::npos)
        << readFile(root_ / "err.txt");
    EXPECT_FALSE(fs::exists(root_ / "dft_input.in"));
    EXPECT_FALSE(fs::exists(root_ / "in" / "dft_input.in"));

    const std::string bare = "cd " + root_.string() +
        " && env -u TPANEL_SCRIPT -u DISPLAY -u WAYLAND_DISPLAY " + program +
        " > out.txt 2> err.txt";
    rc = std::system(bare.c_str());
    EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 2) << rc;
    EXPECT_NE(readFile(root_ / "err.txt").find("TPANEL_SCRIPT"), std::string::npos);
}

}  // namespace
