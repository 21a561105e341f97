// state.h - the toolkit's one state block: the widget store, the registered defaults, the print
// job, the event source, and the link to the graphics kernel.
#ifndef TPANEL_STATE_H
#define TPANEL_STATE_H

#include <cairo.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "run/backend.h"

namespace tpanel {

constexpr int kTypeNone = -1, kTypeMaster = 1, kTypeDialog = 2, kTypeMenuBar = 3, kTypePopup = 4,
              kTypeItem = 5, kTypeFrame = 6, kTypeText = 7, kTypeButton = 8, kTypeSeparator = 12,
              kTypeEditor = 13, kTypeCombo = 18, kTypeTitleEntry = 103;

// The screen and its grid: 80 x 45 cells of 24 x 24 pixels.
constexpr int kCellWidth = 24, kCellHeight = 24, kScreenColumns = 80, kScreenRows = 45;
// A printed page: A4 landscape, in points (the page's pixels) and millimetres (its units).
constexpr double kPageWidthPoints = 841.89, kPageHeightPoints = 595.28;
constexpr int kPagePixelWidth = 842, kPagePixelHeight = 595;
constexpr float kPageWidthMm = 297.0f, kPageHeightMm = 210.0f;

struct Widget {
    int type = kTypeNone;
    int parent = 0;
    std::string text;
    int key = 0;  // mnemonic or accelerator, a character code
    bool hasCallback = false;
    int callback = 0;
    bool hasExpose = false;
    int expose = 0;
    int column = 0, row = 0, columns = 0, rows = 0;
    bool shown = false;
    int popup = 0;  // of a title entry: its pop-up menu
    // graphics frames
    cairo_surface_t* bitmap = nullptr;
    float scale[4] = {0, 0, 0, 0};  // width, height, x origin, y origin
    bool dirty = false;
};

struct Registers {
    int minColumns = 0, minRows = 0, maxColumns = 0, maxRows = 0;
    int textAttr[4] = {0, 0, 0, -1};
    int titleType = 0;
    std::string titleString;
    bool titlePending = false;
    int others[24] = {};  // defaults that change nothing visible here
};

// Where the open print job's page is written: the file, its name, and whether a write to it
// has failed (the PDF surface does not report failed writes itself).
struct PageFile {
    std::FILE* file = nullptr;
    std::string name;
    bool failed = false;
};

struct PanelState {
    bool started = false;
    std::vector<Widget> widgets{1};  // identifier 0 is never handed out
    Registers reg;
    unsigned char background[3] = {255, 255, 255};
    bool kernelCoupled = false;
    int kernelFrame = 0;  // the frame whose bitmap the kernel draws into
    int activeWindow = 0;
    cairo_surface_t* page = nullptr;  // the open print job
    PageFile pageFile;                // and where its page goes
    std::string startDir;             // relative script paths are taken from here
    std::unique_ptr<Backend> backend;
    std::vector<std::string> transcript;
};

PanelState& panel();

// The widget of an identifier, or nullptr when there is none.
Widget* widget(int id);
// A new widget of a type with the registered minimum size; its identifier.
int newWidget(int type, int parent);
// The first graphics frame, 0 when there is none.
int firstFrame();
// A widget placed at (column, row) in its parent window, which grows to hold it.
int placeWidget(int type, int parent, int column, int row);
// The item of a menu named by its title's text and its own; 0 when there is none.
int findMenuItem(const std::string& title, const std::string& item);
// Paints a bitmap with the registered background colour.
void paintBackground(cairo_surface_t* surface);
// Gives the frame a new bitmap of its size in cells, filled with the background; a frame the
// kernel draws into is linked to the new bitmap.
void allocateFrameBitmap(int frame);
// The master window took a new size in cells: the action that reports it (the master's
// callback value); value -1 when there is no master.
Action masterResized(int columns, int rows);
// Ends an open print job, writing its page.
void closePrintJob();
// A text argument as a string (nothing for a null text or a length below 1); `trimmed` drops
// trailing blanks.
std::string textArgument(const char* text, int length, bool trimmed = false);
// A message to the user of a scripted run: kept in the transcript and written to stderr.
void tell(const std::string& text);

}  // namespace tpanel

#endif
