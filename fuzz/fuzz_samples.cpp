// fuzz_samples.cc - the sample reader and the analysis on any file.  The first byte chooses
// the reader alone (on a stream of the rest, into arrays of a small capacity) or the whole
// analysis (the rest as the sample file, the result file beside it).  Besides the sanitizers it
// checks what the analysis promises: a refused file leaves the records of the previous
// analysis and its result file as they were, and an accepted one writes the title, the
// heading and one line for each frequency.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/dft.h"
#include "analysis/reader.h"
#include "state.h"

namespace {

std::string scratch;
void removeScratch() { std::filesystem::remove_all(scratch); }

bool refused = false;
void listen(const std::string& text)
{
    if (text.rfind("No analysis:", 0) == 0) refused = true;
}

std::string contents(const char* name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void readOnly(const uint8_t* data, size_t size, int capacity)
{
    std::FILE* in = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (in == nullptr) return;
    // Slots 1..capacity (slot 0 is not used).
    std::vector<double> T(std::max(capacity, 0) + 1, 0.0), X(std::max(capacity, 0) + 1, 0.0);
    const SampleReadResult r = readSamples(in, T.data(), X.data(), capacity);
    std::fclose(in);
    if (r.n < 0 || r.n > std::max(capacity, 0)) std::abort();
}

// The records an analysis keeps, to compare before and after a refused file.
struct Kept {
    std::unique_ptr<SampleSet> samples = std::make_unique<SampleSet>(app.samples);
    std::unique_ptr<SpectrumSet> spectrum = std::make_unique<SpectrumSet>(app.spectrum);
    SeriesRanges ranges = app.ranges;
    std::string result = contents("result.out");

    bool unchanged() const
    {
        return std::memcmp(samples.get(), &app.samples, sizeof app.samples) == 0 &&
            std::memcmp(spectrum.get(), &app.spectrum, sizeof app.spectrum) == 0 &&
            std::memcmp(&ranges, &app.ranges, sizeof ranges) == 0 &&
            result == contents("result.out");
    }
};

void analyse(const uint8_t* data, size_t size)
{
    std::ofstream("samples.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const Kept before;
    refused = false;
    DFT();
    if (refused) {
        if (!before.unchanged()) std::abort();
        return;
    }
    // Title, heading and one line for each of the n / 2 frequencies.
    const std::string result = contents("result.out");
    long lines = 0;
    for (char c : result) lines += c == '\n';
    if (app.samples.N < 2 || lines != 2 + app.samples.N / 2) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The analysis writes in the working directory (a scratch one) and prints its table.
    char dir[] = "/tmp/fuzz-samples-XXXXXX";
    if (mkdtemp(dir) == nullptr || chdir(dir) != 0) std::abort();
    scratch = dir;
    std::atexit(removeScratch);
    if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
    resetAppState();
    setText(app.files.inputName, "samples.dat");
    setText(app.files.outputName, "result.out");
    setAnalysisMessageSink(listen);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const uint8_t mode = data[0];
    if (mode < 0x80) analyse(data + 1, size - 1);
    else readOnly(data + 1, size - 1, static_cast<int>(mode & 0x1f) - 2);
    return 0;
}
