// dft.cpp - the analysis: the files, the sample checks, the table and the value ranges.
//
// The samples are read into scratch copies of T and X and committed only when the whole file
// gives an analysis: a record that cannot be read refuses the file.  That is also why the
// result file is opened only after the samples are read and checked: a refused file must not
// cost the previous result file its contents.
#include "analysis/dft.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "analysis/reader.h"
#include "analysis/summation.h"
#include "analysis/table.h"
#include "analysis/timing.h"
#include "state.h"

namespace {

void (*messageSink)(const std::string&) = nullptr;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void tell(const std::string& text)
{
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
    if (messageSink) messageSink(text);
}

void refuse(const std::string& reason) { tell("No analysis: " + reason); }

std::string systemReason() { return std::strerror(errno); }

// A blank directory leaves the working directory where it is.
bool enterDirectory(const char (&dir)[kNameLength], const char* what)
{
    std::string path = trimmedText(dir);
    if (path.empty() || chdir(path.c_str()) == 0) return true;
    refuse("cannot change to the " + std::string(what) + " directory '" + path + "' (" +
           systemReason() + ").");
    return false;
}

// The file `name` of the working directory by its whole path, as the messages name the result
// file: the name alone says nothing of the directory chosen with it.  The name as given when
// the working directory cannot be read.
std::string wholePath(const std::string& name)
{
    if (!name.empty() && name[0] == '/') return name;
    std::vector<char> dir(PATH_MAX + 1, '\0');
    if (getcwd(dir.data(), dir.size()) == nullptr) return name;
    std::string path = dir.data();
    if (path.empty() || path.back() != '/') path += '/';
    return path + name;
}

// Why a file could not be opened, as the end of a sentence.
std::string openFailure()
{
    if (errno == ENOENT) return "no such file";
    std::string reason = systemReason();
    if (!reason.empty()) reason[0] = static_cast<char>(std::tolower(reason[0]));
    return reason;
}

void putLine(std::FILE* out, const std::string& line)
{
    std::fputs(line.c_str(), out);
    std::fputc('\n', out);
}

// Smallest and largest of v[1..n]: start at the first element, replace only by a strictly
// smaller or larger one.
void rangeOf(const double* v, int n, double& lo, double& hi)
{
    lo = hi = v[1];
    for (int i = 2; i <= n; ++i) {
        if (v[i] < lo) lo = v[i];
        if (v[i] > hi) hi = v[i];
    }
}

}  // namespace

void setAnalysisMessageSink(void (*sink)(const std::string&)) { messageSink = sink; }

void DFT()
{
    FileSelection& files = app.files;
    SampleSet& samples = app.samples;

    if (!enterDirectory(files.inputDir, "input")) return;
    const std::string inName = trimmedText(files.inputName);
    // The sample file is only read: one that is not there is reported, never created.
    File in(std::fopen(inName.c_str(), "r"));
    struct stat inInfo {};
    if (!in || fstat(fileno(in.get()), &inInfo) != 0) {
        refuse("the sample file '" + inName + "' cannot be opened: " + openFailure() + ".");
        return;
    }
    if (!enterDirectory(files.outputDir, "output")) return;
    const std::string outName = trimmedText(files.outputName), outPath = wholePath(outName);
    struct stat outInfo {};
    if (stat(outName.c_str(), &outInfo) == 0 && outInfo.st_dev == inInfo.st_dev &&
        outInfo.st_ino == inInfo.st_ino) {
        refuse("the result file '" + outPath + "' is the sample file; choose another result file.");
        return;
    }

    std::vector<double> T(samples.T, samples.T + kSampleSlots + 1);
    std::vector<double> X(samples.X, samples.X + kSampleSlots + 1);
    const SampleReadResult read = readSamples(in.get(), T.data(), X.data(), kSampleSlots);
    if (read.failed) {
        refuse("cannot read the sample file '" + inName + "'.");
        return;
    }
    if (read.badLine != 0) {
        refuse("line " + std::to_string(read.badLine) + " of the sample file '" + inName +
               "' is not a time and a value written as numbers.");
        return;
    }
    if (read.tooMany) {
        refuse("the sample file '" + inName + "' holds more than " +
               std::to_string(kSampleSlots - 1) + " samples.");
        return;
    }
    const int n = read.n;
    if (n < 2) {
        refuse("the sample file '" + inName + "' holds " + std::to_string(n) +
               (n == 1 ? " sample" : " samples") + "; at least 2 are needed.");
        return;
    }
    const double fs = 1.0 / (T[2] - T[1]);
    if (!std::isfinite(fs) || fs == 0.0) {
        char times[96];
        std::snprintf(times, sizeof times, "(%.9g and %.9g)", T[1], T[2]);
        refuse("the first two sample times of '" + inName + "' " + times +
               " give no sampling rate.");
        return;
    }
    File out(std::fopen(outName.c_str(), "w"));
    if (!out) {
        refuse("cannot open the result file '" + outPath + "' (" + systemReason() + ").");
        return;
    }

    // Times that fall or stand unevenly are analysed at the rate of the first two, as files
    // and readers of the table rely on; the console says so.
    const std::string note = sampleTimesNote(T.data(), n, fs, inName);
    if (!note.empty()) tell(note);

    std::copy(T.begin() + 1, T.begin() + 1 + n, samples.T + 1);
    std::copy(X.begin() + 1, X.begin() + 1 + n, samples.X + 1);
    samples.N = n;
    app.ranges.N = n;

    SpectrumSet& s = app.spectrum;
    computeSpectrum(samples.X, n, fs, s);
    const int half = n / 2;

    std::printf("%s\n", kTableTitle);
    putLine(out.get(), kTableTitle);
    putLine(out.get(), std::string(" ") + kTableHeading);
    for (int k = 1; k <= half; ++k) {
        const std::string line = tableLine(k, s.FREQ[k], s.AMP[k], s.POWER[k], s.PHASE[k]);
        std::printf("%s\n", line.c_str());
        putLine(out.get(), line);
    }
    std::fflush(stdout);

    SeriesRanges& r = app.ranges;
    r.TMIN = samples.T[1];
    r.TMAX = samples.T[n];
    r.FMIN = s.FREQ[1];
    r.FMAX = s.FREQ[half];
    rangeOf(samples.X, n, r.XMIN, r.XMAX);
    rangeOf(s.AMP, half, r.AMIN, r.AMAX);
    rangeOf(s.POWER, half, r.PWMIN, r.PWMAX);
    rangeOf(s.PHASE, half, r.PHMIN, r.PHMAX);

    in.reset();
    const bool written = std::ferror(out.get()) == 0;
    if (std::fclose(out.release()) != 0 || !written)
        tell("The result file '" + outPath + "' could not be written in full.");
}
