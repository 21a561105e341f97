// window.h - the window layer of the message console.
//
// The console's logic (console.cpp, error_log.cpp) never talks to a window system itself: it
// calls the operations of one ConsoleWindowLayer, a table of function pointers chosen once per
// process (chooseWindowLayer, or useWindowLayer from a test).  A layer offers what the console
// needs from a window system: the module, the icon, the window class, a top-level window with
// a list filling it, show and stacking commands, the list operations, a message box, the
// screen metrics and the program's file name.  The in-memory layer (window/memory.h) keeps
// everything in memory and echoes to standard error; a windowed layer fills the same table.
//
// A windowed layer fills every entry of its own table and is returned by chooseWindowLayer
// when a display is available; the console's logic does not change.  Events of its window
// (a close from the frame, a resize) go to the procedure given to registerClass, which
// answers 0 when it handled them (a close only hides the console window); otherwise the
// layer does what a window normally does.  The message box must not block a run without a
// display.
//
// Handles are opaque pointers owned by the layer; a null handle means "none" or "failed".
#ifndef MSGCON_WINDOW_H
#define MSGCON_WINDOW_H

#include <cstdint>
#include <string>

namespace msgcon {

using LayerHandle = void*;

// The show commands the console gives.  The first three are used when a window is created,
// the last four by showconsole_.
enum class ShowCommand { Hide, ShowMinimised, ShowNormal, Show, Restore, Minimise };

enum class StackingOrder { Top, Bottom };

// What a window reports to the console's window procedure.
enum class WindowEvent { Size, Close, Other };
enum class SizeKind { Restored, Minimised, Maximised, Other };

// The console's window procedure: the layer calls it for every event of the console window.
// An answer of 0 means handled; anything else asks the layer for its default handling.
using WindowProcedure = int (*)(LayerHandle window, WindowEvent event, SizeKind kind, int width,
                                int height);

struct ScreenMetrics {
    int screenWidth;  // whole screen, pixels
    int screenHeight;
    int frameHeight;    // height of a sizing frame
    int captionHeight;  // height of a window caption
};

struct ConsoleWindowLayer {
    const char* name;

    // The running module; null when there is none.
    LayerHandle (*moduleHandle)();
    // The icon resources: a resource library opened by name (null when it cannot be found),
    // a copy of one of its icons (null when it has none), the library closed again, and the
    // system's exclamation icon as the fallback.
    LayerHandle (*openResourceLibrary)(const char* name);
    LayerHandle (*copyIcon)(LayerHandle library, const char* iconName);
    void (*closeResourceLibrary)(LayerHandle library);
    LayerHandle (*systemIcon)();
    // Registers the console's window class with its procedure and icon.  Registering again
    // keeps the first registration (answers true).
    bool (*registerClass)(WindowProcedure procedure, LayerHandle icon);
    void (*screenMetrics)(ScreenMetrics& metrics);

    // A top-level window of the registered class, not yet shown.
    LayerHandle (*createWindow)(int x, int y, int width, int height, const std::string& title);
    // A list filling the window's client area.
    LayerHandle (*createList)(LayerHandle window, const char* text, int childId);
    void (*showWindow)(LayerHandle window, ShowCommand command);
    void (*setStackingOrder)(LayerHandle window, StackingOrder order);
    bool (*destroyWindow)(LayerHandle window);  // false when it failed

    // List operations.  addLine answers the new line's index, or -1 when adding failed.
    // setItemData with index -1 sets the data of every line, as list boxes do.
    int (*addLine)(LayerHandle list, const std::string& line);
    void (*setItemData)(LayerHandle list, int index, std::uint32_t data);
    void (*setTopIndex)(LayerHandle list, int index);
    int (*resetContent)(LayerHandle list);
    void (*resizeList)(LayerHandle list, int width, int height);

    // A notice with the text alone under the caption; never blocks a run without a display.
    void (*messageBox)(const std::string& text, const char* caption);

    // The full path of the running program; empty when it cannot be found.
    std::string (*moduleFileName)();
};

// The layer in force, chosen at the first need; useWindowLayer replaces it (tests).
const ConsoleWindowLayer& windowLayer();
void useWindowLayer(const ConsoleWindowLayer* layer);
// The layer a run without any choice gets.
const ConsoleWindowLayer* chooseWindowLayer();

// Shared by the layers.
// The program's path from the process's own executable link, with no length limit; empty
// when the link cannot be read.
std::string executablePath();
// A line of bytes (one character each, ISO 8859-1) as UTF-8, for a terminal or a toolkit.
std::string displayText(const std::string& bytes);

}  // namespace msgcon

#endif
