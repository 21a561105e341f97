// dft_test.cpp - the analysis on files: the table byte for byte on the console and in the result
// file, the ranges, the working directory, and the files that give no analysis.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "analysis/dft.h"
#include "analysis/table.h"
#include "scratch_directory.h"
#include "state.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& p, const std::string& text)
{
    std::ofstream(p, std::ios::binary) << text;
}

const std::string kTitle =
    "       FREQUENCY (HZ), AMPLITUDE, POWER, AND PHASE DATA FROM DFT ANALYSIS\n";
const std::string kHeading =
    "    K-TH FREQUENCY    FREQ(K)     AMPLITUDE(K)      POWER(K)       PHASE(K)\n";

// A scratch directory with the sample file in "in/" and the result file in "out/"; the file
// selection names both by absolute directories, as the browse dialog returns them.
class AnalysisFiles : public ScratchDirectoryTest {
public:
    void SetUp() override
    {
        resetAppState();
        makeScratchDirectory("/tmp/specvue-dft-");
        if (HasFatalFailure()) return;
        choose("data.in", root_ / "in", "result.out", root_ / "out");
    }
    void choose(const std::string& in, const fs::path& inDir, const std::string& out,
                const fs::path& outDir)
    {
        setText(app.files.inputName, in);
        setText(app.files.inputDir, inDir.string());
        setText(app.files.outputName, out);
        setText(app.files.outputDir, outDir.string());
    }
    // Runs the analysis on `samples` and returns what it wrote to standard output.
    std::string run(const std::string& samples)
    {
        writeFile(root_ / "in" / "data.in", samples);
        return runAsIs();
    }
    std::string runAsIs()
    {
        ::testing::internal::CaptureStdout();
        DFT();
        return ::testing::internal::GetCapturedStdout();
    }
    std::string result() { return readFile(root_ / "out" / "result.out"); }
};

struct GoldenCase {
    const char* name;
    const char* samples;
    const char* lines;
};

// Expected tables worked out independently (double-precision sums, the 6.28318 numerator).
const GoldenCase kGolden[] = {
    {"nine samples, odd count",
     "0 1.0\n0.1 2.5\n0.2 -0.5\n0.3 3.0\n0.4 0.0\n0.5 -2.0\n0.6 1.5\n0.7 0.25\n0.8 -1.0\n",
     "          1             1.111            0.87          0.376         -1.334\n"
     "          2             2.222            0.53          0.138          1.137\n"
     "          3             3.333            1.78          1.576         -0.303\n"
     "          4             4.444            0.75          0.278         -0.655\n"},
    {"eight samples at 0.1 s, a negative zero phase",
     "0 0\n0.1 1\n0.2 0\n0.3 -1\n0.4 0\n0.5 1\n0.6 0\n0.7 -1\n",
     "          1             1.250            0.00          0.000         -0.785\n"
     "          2             2.500            1.00          0.500         -0.000\n"
     "          3             3.750            0.00          0.000          0.785\n"
     "          4             5.000            0.00          0.000          1.571\n"},
    {"values too wide for their fields", "0 1000\n1e-6 -2000\n2e-6 3000\n3e-6 -500\n",
     "          1          ********         1250.00        *******         -0.927\n"
     "          2          ********         3250.00        *******         -0.000\n"},
};

TEST_F(AnalysisFiles, TableOnConsoleAndInResultFile)
{
    for (const GoldenCase& c : kGolden) {
        SCOPED_TRACE(c.name);
        const std::string console = run(c.samples);
        EXPECT_EQ(console, kTitle + c.lines);
        EXPECT_EQ(result(), kTitle + kHeading + c.lines);
    }
}

TEST_F(AnalysisFiles, RecordsAndRangesOfAnAnalysis)
{
    run("0 1.0\n0.1 2.5\n0.2 -0.5\n0.3 3.0\n0.4 0.0\n0.5 -2.0\n0.6 1.5\n0.7 0.25\n0.8 -1.0\n");
    EXPECT_EQ(app.samples.N, 9);
    EXPECT_EQ(app.ranges.N, 9);
    EXPECT_DOUBLE_EQ(app.spectrum.FS, 10.0);
    EXPECT_DOUBLE_EQ(app.ranges.TMIN, 0.0);
    EXPECT_DOUBLE_EQ(app.ranges.TMAX, 0.8);
    // The raw range covers all nine values, the second half of the file included.
    EXPECT_DOUBLE_EQ(app.ranges.XMIN, -2.0);
    EXPECT_DOUBLE_EQ(app.ranges.XMAX, 3.0);
    EXPECT_DOUBLE_EQ(app.ranges.FMIN, 1.0 * (10.0 / 9.0));
    EXPECT_DOUBLE_EQ(app.ranges.FMAX, 4.0 * (10.0 / 9.0));
    EXPECT_NEAR(app.ranges.AMIN, 0.5257, 1e-4);
    EXPECT_NEAR(app.ranges.AMAX, 1.7752, 1e-4);
    EXPECT_NEAR(app.ranges.PWMAX, 1.5756, 1e-4);
    EXPECT_NEAR(app.ranges.PHMIN, -1.3335, 1e-4);
    EXPECT_NEAR(app.ranges.PHMAX, 1.1373, 1e-4);
    // The process is left in the output directory.
    EXPECT_EQ(fs::current_path(), fs::canonical(root_ / "out"));
}

TEST_F(AnalysisFiles, SilentSignalHasPhaseZero)
{
    const std::string console = run("0 0\n1 0\n2 0\n3 0\n");
    EXPECT_EQ(console,
              kTitle +
                  "          1             0.250            0.00          0.000          0.000\n"
                  "          2             0.500            0.00          0.000          0.000\n");
    EXPECT_EQ(app.ranges.PHMIN, 0.0);
    EXPECT_EQ(app.ranges.PHMAX, 0.0);
}

TEST_F(AnalysisFiles, ResultFileIsOverwrittenWhole)
{
    writeFile(root_ / "out" / "result.out", std::string(5000, 'x') + "\n");
    run("0 1\n0.5 2\n");
    EXPECT_EQ(result(),
              kTitle + kHeading +
                  "          1             1.000            1.00          0.500         -0.000\n");
}

// The rate comes from the first two times whatever the others do: the table stays as they make
// it, on the console and in the result file, and a line before it on the console says when the
// times fall or stand unevenly.  Steps within a hundredth of the first (times written to three
// decimals) count as even.
TEST_F(AnalysisFiles, TimesThatFallOrStandUnevenlyAreAnalysedAtTheRateOfTheFirstTwo)
{
    const struct {
        const char* name;
        const char* samples;
        const char* note;  // nullptr: no note
        double fs;
    } cases[] = {
        {"falling", "0.3 1\n0.2 2\n0.1 0\n0 -1\n",
         "The sample times of 'data.in' fall; the sampling rate, -10 Hz, was taken from the "
         "first two times (0.3 and 0.2), so the frequencies of the table are negative.",
         -10.0},
        {"falling unevenly", "0.3 1\n0.2 2\n0 0\n-0.1 -1\n",
         "The sample times of 'data.in' fall and are not evenly spaced (samples 2 and 3 at 0.2 "
         "and 0); the sampling rate, -10 Hz, was taken from the first two times (0.3 and 0.2), "
         "so the frequencies of the table are negative.",
         -10.0},
        {"shuffled", "0 1\n0.1 2\n0.3 0\n0.2 -1\n",
         "The sample times of 'data.in' are not evenly spaced (samples 2 and 3 at 0.1 and 0.3); "
         "the sampling rate, 10 Hz, was taken from the first two times (0 and 0.1).",
         10.0},
        {"falling later", "0 1\n0.1 2\n0.2 0\n0.1 -1\n",
         "The sample times of 'data.in' fall at sample 4 (0.2, then 0.1); the sampling rate, "
         "10 Hz, was taken from the first two times (0 and 0.1).",
         10.0},
        {"repeated", "0 1\n0.1 2\n0.1 0\n0.2 -1\n",
         "The sample times of 'data.in' stand still at sample 3 (0.1 twice); the sampling "
         "rate, 10 Hz, was taken from the first two times (0 and 0.1).",
         10.0},
        {"even to three decimals", "0 1\n0.333 2\n0.667 0\n1 -1\n", nullptr, 1.0 / 0.333},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string console = run(c.samples);
        const std::string note = c.note == nullptr ? "" : std::string(c.note) + "\n";
        EXPECT_EQ(console.substr(0, note.size() + kTitle.size()), note + kTitle);
        const std::string table = result();
        EXPECT_EQ(table.rfind(kTitle + kHeading, 0), 0u);
        // Four samples at the first two times' rate: frequencies fs / 4 and fs / 2.
        for (int k = 1; k <= 2; ++k) {
            const std::string indexAndFrequency =
                tableLine(k, k * c.fs / 4.0, 0, 0, 0).substr(0, 29);
            EXPECT_NE(table.find("\n" + indexAndFrequency), std::string::npos) << table;
            EXPECT_NE(console.find("\n" + indexAndFrequency), std::string::npos) << console;
        }
        EXPECT_EQ(app.samples.N, 4);
        EXPECT_DOUBLE_EQ(app.spectrum.FS, c.fs);
    }
}

// Files that give no analysis: a message on the console, and the records and the result file
// of the previous analysis stay as they were.
TEST_F(AnalysisFiles, RefusedFilesKeepThePreviousAnalysis)
{
    struct Refusal {
        const char* name;
        std::string samples;
        std::function<void(AnalysisFiles&)> choice;
        std::string message;
    };
    std::string tooMany;
    for (int i = 0; i < 10000; ++i) tooMany += std::to_string(i) + " 1\n";
    std::string justEnough;
    for (int i = 0; i < 9999; ++i) justEnough += std::to_string(i) + " 1\n";
    auto asIs = [](AnalysisFiles&) {};
    const Refusal refusals[] = {
        {"empty file", "", asIs, "holds 0 samples"},
        {"one sample", "0 1\n", asIs, "holds 1 sample;"},
        {"one sample and blank lines", "\n0 1\n\n", asIs, "holds 1 sample;"},
        {"equal first two times", "0.5 1\n0.5 2\n0.6 3\n", asIs, "give no sampling rate"},
        {"10000 samples", tooMany, asIs, "more than 9999 samples"},
        {"result file is the sample file", "0 1\n1 2\n",
         [](AnalysisFiles& f) { f.choose("data.in", f.root_ / "in", "data.in", f.root_ / "in"); },
         "the result file '" + (fs::canonical(root_ / "in") / "data.in").string() +
             "' is the sample file"},
        {"missing input directory", "0 1\n1 2\n",
         [](AnalysisFiles& f) {
             f.choose("data.in", f.root_ / "nowhere", "result.out", f.root_ / "out");
         },
         "cannot change to the input directory"},
        {"missing output directory", "0 1\n1 2\n",
         [](AnalysisFiles& f) {
             f.choose("data.in", f.root_ / "in", "result.out", f.root_ / "nowhere");
         },
         "cannot change to the output directory"},
        {"missing sample file", "0 1\n1 2\n",
         [](AnalysisFiles& f) {
             f.choose("nothere.in", f.root_ / "in", "result.out", f.root_ / "out");
         },
         "the sample file 'nothere.in' cannot be opened: no such file."},
        {"a record of text", "0 1\n0.1 2\nabc def\n0.3 4\n", asIs,
         "line 3 of the sample file 'data.in' is not a time and a value"},
        {"a value of text after blank lines", "0 1\n\n\n0.1 x\n", asIs,
         "line 4 of the sample file"},
        {"an empty item", "0 1\n0.1,,2\n", asIs, "line 2 of the sample file"},
        {"binary bytes",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0\n\x03\0",
                     14),
         asIs, "line 1 of the sample file"},
        {"sample file is a directory", "0 1\n1 2\n",
         [](AnalysisFiles& f) { f.choose("sub", f.root_ / "in", "result.out", f.root_ / "out"); },
         "cannot read the sample file 'sub'"},
        {"result file cannot be opened", "0 1\n1 2\n",
         [](AnalysisFiles& f) { f.choose("data.in", f.root_ / "in", "sub", f.root_ / "in"); },
         "cannot open the result file '" + (fs::canonical(root_ / "in") / "sub").string() + "'"},
    };
    fs::create_directories(root_ / "in" / "sub");
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.name);
        choose("data.in", root_ / "in", "result.out", root_ / "out");
        run("0 1.0\n0.1 2.5\n0.2 -0.5\n0.3 3.0\n0.4 0.0\n0.5 -2.0\n0.6 1.5\n0.7 0.25\n0.8 -1.0\n");
        const std::string before = result();
        const SampleSet samples = app.samples;
        const SpectrumSet spectrum = app.spectrum;
        const SeriesRanges ranges = app.ranges;
        writeFile(root_ / "in" / "data.in", r.samples);
        r.choice(*this);
        const std::string console = runAsIs();
        EXPECT_EQ(console.rfind("No analysis: ", 0), 0u) << console;
        EXPECT_NE(console.find(r.message), std::string::npos) << console;
        EXPECT_EQ(std::memcmp(&samples, &app.samples, sizeof samples), 0);
        EXPECT_EQ(std::memcmp(&spectrum, &app.spectrum, sizeof spectrum), 0);
        EXPECT_EQ(std::memcmp(&ranges, &app.ranges, sizeof ranges), 0);
        EXPECT_EQ(result(), before);
        EXPECT_EQ(readFile(root_ / "in" / "data.in"), r.samples);
    }
    // Nothing is created in place of a missing sample file.
    EXPECT_FALSE(fs::exists(root_ / "in" / "nothere.in"));
    // The largest file that fits is analysed.
    choose("data.in", root_ / "in", "result.out", root_ / "out");
    run(justEnough);
    EXPECT_EQ(app.samples.N, 9999);
}

// A result file that takes no byte (a full device) is named by its whole path, not by the
// name alone that the file choice keeps apart from its directory.
TEST_F(AnalysisFiles, AResultFileThatCannotBeWrittenIsNamedByItsWholePath)
{
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    choose("data.in", root_ / "in", "full", "/dev");
    const std::string console = run("0 1\n1 2\n");
    EXPECT_NE(console.find("\nThe result file '/dev/full' could not be written in full.\n"),
              std::string::npos)
        << console;
    EXPECT_EQ(app.samples.N, 2);
}

}  // namespace
