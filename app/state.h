// state.h - the application's one state block: the records of the analysis, the plot, the main
// window and the toolkit binding.  Arrays are indexed from 1 (element 0 is never used), so that
// the code reads like the description of the records; texts are fixed-width and blank padded.
#ifndef SPECVUE_STATE_H
#define SPECVUE_STATE_H

#include <cstddef>
#include <string>
#include <string_view>

constexpr int kSampleSlots =
    10000;  // T and X; at most 9999 usable (the end-of-file read needs one)
constexpr int kSpectrumSlots = 5000;  // A, B, AMP, POWER, FREQ, PHASE
constexpr int kNameLength = 80;       // file names, directories, plot texts
constexpr int kCurrentDirLength = 260;

// Names and directories of the sample and result files, and what the main window keeps of
// the file choices.
struct FileSelection {
    char inputName[kNameLength];
    char outputName[kNameLength];
    char inputDir[kNameLength];
    char outputDir[kNameLength];
    char currentDir[kCurrentDirLength];
    char browseName[kNameLength];
    char browseDir[kNameLength];
};

struct SampleSet {
    double T[kSampleSlots + 1];
    double X[kSampleSlots + 1];
    int N;
};

struct SpectrumSet {
    double A[kSpectrumSlots + 1];
    double B[kSpectrumSlots + 1];
    double AMP[kSpectrumSlots + 1];
    double POWER[kSpectrumSlots + 1];
    double FREQ[kSpectrumSlots + 1];
    double PHASE[kSpectrumSlots + 1];
    double FS;
};

struct SeriesRanges {
    double TMIN, TMAX, XMIN, XMAX, AMIN, AMAX, PWMIN, PWMAX, PHMIN, PHMAX, FMIN, FMAX;
    int N;
};

struct PlotSeries {
    float XP[kSampleSlots + 1];
    float YP[kSampleSlots + 1];
    int NP;
    float xLower, xUpper, yLower, yUpper;
    char title[kNameLength];
    char yName[kNameLength];
    char xName[kNameLength];
    int xDivisions, yDivisions;
};

// Widget identifiers and the values the main window keeps between actions.
struct MainWindowState {
    int master, menuBar;
    int fileEntry, filePopup, filePopup2, openData, openOutput, separator1, print, separator2, exit;
    int analyzeEntry, analyzePopup, runDft;
    int plotEntry, plotPopup, rawData, amplitude, power, phase;
    int helpEntry, helpPopup, about;
    int dialog, line1, line2, line3, ok;
    int frame;
    int lastValue;
    int columns, rows, grid3, grid4;
    char infoText[kNameLength];
    int info[4];
    int infoScratch;
    float savedMapping[8];
    float page[4];
};

// What the binding layer keeps: the outputs of the last wait for an action, the output area
// kernel drawing goes to, and the buffers of a console message (one character per element).
struct BindingState {
    int actionOutputs[5];
    int lastValue;
    float area[4];  // x origin, y origin, width, height
    int titleBuffer[256];
    int textBuffer[256];
};

struct AppState {
    FileSelection files;
    SampleSet samples;
    SpectrumSet spectrum;
    SeriesRanges ranges;
    PlotSeries plot;
    int plotKind;
    MainWindowState main;
    BindingState binding;
};

extern AppState app;

// Fixed-width texts: fill with a value blank padded (cut at the width), read back without the
// trailing blanks.
void setText(char* field, std::size_t width, std::string_view value);
template <std::size_t W> void setText(char (&field)[W], std::string_view value)
{
    setText(field, W, value);
}
std::string trimmedText(const char* field, std::size_t width);
template <std::size_t W> std::string trimmedText(const char (&field)[W])
{
    return trimmedText(field, W);
}

// Zero every record (the state at program start); for a second run inside one process.
void resetAppState();

#endif
