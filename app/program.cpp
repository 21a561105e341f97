// program.cpp - the program: it opens the kernel, builds the main window with its menus, the
// hidden About dialog and the graphics frame through the binding, then turns each action of the
// user into a file choice, an analysis, a plot, a print or the About dialog until Exit.
//
// Menu items call back with their own identifiers; those are handed out in sequence after the
// master (1) and its menu bar (2), so they never meet the fixed values 1 (expose), 2 (resize),
// 900 and 910 (About) or -1 (Exit).
#include "program.h"

#include <climits>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "analysis/dft.h"
#include "binding/binding.h"
#include "plot/plot.h"
#include "state.h"
#include "tarvcore.h"

namespace {

const char kTitle[] = "SPECVUE - DISCRETE FOURIER ANALYSIS PROGRAM";
constexpr int kTitleLength = sizeof kTitle - 1;  // 43
constexpr int kAbout = 900, kAboutOk = 910, kResized = 2, kExit = -1;

template <int N> void entry(int parent, const char (&text)[N], int key, int& id)
{
    MENENT(parent, text, N - 1, key, id);
}

// A menu item that calls back with `value`, or with its own identifier when value is 0.
template <int N> void item(int popup, const char (&text)[N], int key, int& id, int value = 0)
{
    entry(popup, text, key, id);
    CALLBK(id, value != 0 ? value : id);
}

void buildMenus()
{
    MainWindowState& m = app.main;
    MENBAR(m.master, -1, -1, m.menuBar);
    entry(m.menuBar, "File", 'F', m.fileEntry);
    MENPOP(m.fileEntry, 0, 0, m.filePopup);
    item(m.filePopup, "Open Data File", 'O', m.openData);
    item(m.filePopup, "Open Output File", 'O', m.openOutput);
    MENSEP(m.filePopup, m.separator1);
    MENPOP(m.fileEntry, 0, 0, m.filePopup2);
    item(m.filePopup2, "Print", 'P', m.print);
    MENSEP(m.filePopup2, m.separator2);
    item(m.filePopup2, "Exit", 'x', m.exit, kExit);
    entry(m.menuBar, "Analyze Data", 'A', m.analyzeEntry);
    MENPOP(m.analyzeEntry, 0, 0, m.analyzePopup);
    item(m.analyzePopup, "Run DFT on Selected Data File", 'R', m.runDft);
    entry(m.menuBar, "Plot Results", 'A', m.plotEntry);
    MENPOP(m.plotEntry, 0, 0, m.plotPopup);
    item(m.plotPopup, "Raw Data", 'A', m.rawData);
    item(m.plotPopup, "Amplitude Results", 'A', m.amplitude);
    item(m.plotPopup, "Power Results", 'P', m.power);
    item(m.plotPopup, "PHase Results", 'H', m.phase);
    entry(m.menuBar, "Help", 'H', m.helpEntry);
    MENPOP(m.helpEntry, 0, 0, m.helpPopup);
    item(m.helpPopup, "About", 'A', m.about, kAbout);
}

template <int N> void aboutLine(int row, const char (&text)[N], int width, int& id)
{
    TEXENT(app.main.dialog, 1, row, text, N - 1, width, 1, id);
}

void buildAboutDialog()
{
    MainWindowState& m = app.main;
    WIDMIN(10, 6);
    WIDTTL(0);
    DIACMP(m.master, m.columns / 2 - 6, m.rows / 2 - 2, m.dialog);
    WIDMIN(8, 1);
    TEXATR(0, 0, 7, 0);
    aboutLine(4, "Discrete Fourier Transform Analysis", 18, m.line1);
    aboutLine(3, "Written for the teaching of DFT", 10, m.line2);
    aboutLine(2, "Using TARVPANEL", 20, m.line3);
    WIDMIN(2, 1);
    BUTTON(m.dialog, 4, 1, "OK", 2, 'O', m.ok);
    CALLBK(m.ok, kAboutOk);
    WIDMIN(32, 22);
    WIDTTL(0);
}

void sendToConsole(const std::string& text)
{
    bindingConsoleMessage("DFT Analysis", 12, text.c_str(), static_cast<int>(text.size()), -1);
}

void startUp()
{
    FileSelection& f = app.files;
    setText(f.inputName, "dft_input.in");
    setText(f.outputName, "dft_output.out");
    setText(f.inputDir, "");
    setText(f.outputDir, "");
    setText(f.currentDir, "");
    app.plotKind = 1;

    kernelOpen();
    kernelOpenDevice();
    bindingStartUp();
    setAnalysisMessageSink(sendToConsole);
    MainWindowState& m = app.main;
    GRDENQ(m.columns, m.rows, m.grid3, m.grid4);

    WIDMIN(32, 20);
    TEXATR(0, 0, 7, -1);
    WIDTTL(1);
    WIDSTR(kTitle, kTitleLength);
    MASTER(0, 2, m.master);
    CALLBK(m.master, kResized);
    WIDTTL(0);
    buildMenus();
    buildAboutDialog();

    int result1 = 0, result2 = 0;
    float scratch[16] = {};
    kernelSettingBlock316(12, result1, result2, scratch);
    kernelSettingBlock315(0, result1, result2, scratch);

    FRADEF(m.master, 0, 0, 1000.0f, 750.0f, m.frame);
    CALLEX(m.frame, 1);
    MANAGE();
}

// The working directory, blank padded (cut at the field's width).
void readCurrentDirectory()
{
    std::vector<char> buffer(PATH_MAX + 1, '\0');
    const char* dir = getcwd(buffer.data(), buffer.size());
    setText(app.files.currentDir, dir ? dir : "");
}

void browse(const char* name, const char* dir, const char* filter)
{
    FileSelection& f = app.files;
    setText(f.browseName, name);
    setText(f.browseDir, dir);
    BROWSE(1, 1, 15, 19, f.browseName, kNameLength, f.browseDir, kNameLength, filter,
           static_cast<int>(std::strlen(filter)));
}

void openDataFile()
{
    FileSelection& f = app.files;
    browse("dft_input.in", trimmedText(f.currentDir, kNameLength).c_str(), "*.in");
    if (trimmedText(f.browseName).empty()) {
        setText(f.inputName, "dft_input.in");
        std::memcpy(f.inputDir, f.currentDir, kNameLength);
        return;
    }
    readCurrentDirectory();
    std::memcpy(f.inputName, f.browseName, kNameLength);
    std::memcpy(f.inputDir, f.browseDir, kNameLength);
}

void openOutputFile()
{
    FileSelection& f = app.files;
    browse("dft_output.out", "", "*.out");
    if (trimmedText(f.browseName).empty()) return;  // cancelled: the earlier choice stays
    readCurrentDirectory();
    std::memcpy(f.outputName, f.browseName, kNameLength);
    std::memcpy(f.outputDir, f.browseDir, kNameLength);
}

void redraw()
{
    const int frame = app.main.frame;
    FRAACT(frame);
    FRACLE(frame);
    PLOT(app.plotKind);
    kernelFlushOutput();
}

void plot(int kind)
{
    app.plotKind = kind;
    redraw();
}

// The master window was resized: its title is put back, and the frame follows the master's
// size in cells; only a frame that changed size is drawn again.
void resized()
{
    MainWindowState& m = app.main;
    WIDINF(m.master, m.infoText, kNameLength, m.info, 16, m.infoScratch, 1);
    WIDCHA(m.master, kTitle, kTitleLength, m.info, 16, m.infoScratch, 1);
    m.columns = m.info[2];
    m.rows = m.info[3];
    WIDINF(m.frame, m.infoText, kNameLength, m.info, 16, m.infoScratch, 1);
    if (m.info[2] != m.columns || m.info[3] != m.rows) {
        m.info[2] = m.columns;
        m.info[3] = m.rows;
        WIDCHA(m.frame, m.infoText, kNameLength, m.info, 16, m.infoScratch, 1);
        redraw();
    }
}

void eventLoop()
{
    MainWindowState& m = app.main;
    for (;;) {
        int value = 0;
        ACTION(value);
        m.lastValue = value;
        if (value == m.openData) openDataFile();
        if (value == m.openOutput) openOutputFile();
        if (value == m.runDft) DFT();
        if (value == m.rawData) plot(1);
        if (value == m.amplitude) plot(2);
        if (value == m.power) plot(3);
        if (value == m.phase) plot(4);
        if (value == kResized) resized();
        if (value == m.print) printPlot();
        if (value == kAbout) {
            WINDRA(m.dialog);
            ACTWIN(m.dialog);
        }
        if (value == kAboutOk) {
            ACTWIN(0);
            WINREM(m.dialog);
        }
        if (value == kExit) break;
    }
}

}  // namespace

int SPECVUE()
{
    startUp();
    eventLoop();
    MENEND();
    kernelCloseDevice();
    kernelClose();
    return 0;
}
