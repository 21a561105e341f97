// window/memory.h - the in-memory window layer of the message console.
//
// Used when there is no display: the console window and its list live in memory, where tests
// read them back (lines with their item data, visibility, stacking order, placement); every
// added line and every message box is also written as one line to standard error, so that a
// headless run shows its messages and never blocks.  The fields marked "test" let a test
// stand in for the platform: screen metrics, the program's file name and failures.
#ifndef MSGCON_WINDOW_MEMORY_H
#define MSGCON_WINDOW_MEMORY_H

#include <cstdint>
#include <string>
#include <vector>

#include "window.h"

namespace msgcon {

struct MemoryLine {
    std::string text;
    std::uint32_t itemData;
};

struct MemoryWindow {
    bool exists = false;
    std::string title;
    int x = 0, y = 0, width = 0, height = 0;
    bool visible = false;    // shown at all
    bool minimised = false;  // shown as an icon
    int stacking = 0;        // 0 never moved, 1 top, 2 bottom
    bool hasList = false;
    std::string listText;
    int listId = 0;
    int listWidth = 0, listHeight = 0;
    std::vector<MemoryLine> lines;
    int topIndex = 0;
};

struct MemoryMessageBox {
    std::string text;
    std::string caption;
};

struct MemoryLayerState {
    MemoryWindow window;
    WindowProcedure procedure = nullptr;  // the registered class's procedure
    LayerHandle icon = nullptr;
    int classRegistrations = 0;  // registrations that took effect
    int windowsCreated = 0;
    int windowsDestroyed = 0;
    std::vector<MemoryMessageBox> messageBoxes;

    // test: what the platform would answer
    ScreenMetrics metrics{1024, 768, 4, 18};
    bool useModuleFileName = false;  // answer moduleFileName instead of the real path
    std::string moduleFileName;
    bool failCreateWindow = false;
    bool failCreateList = false;
    bool failAddLine = false;
    bool failDestroy = false;
};

extern const ConsoleWindowLayer memoryWindowLayer;

// The layer's state (one window per process, as the console needs).
MemoryLayerState& memoryLayerState();
// Back to the state of a fresh process (no window, no class, default answers).
void resetMemoryLayer();

// What a user would do to the window: close it from its frame, or resize it.  Both go through
// the registered window procedure; the answers are the procedure's.
int memoryUserClose();
int memoryUserResize(SizeKind kind, int width, int height);

// The system icon handed out when no resource library is found.
LayerHandle memorySystemIcon();

}  // namespace msgcon

#endif
