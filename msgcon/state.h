// state.h - the message console's one state block and its internal routines.
//
// ConsoleState is process-wide, as the exports keep nothing else: the routing values, the
// console window with its list, the error log and the window layer in force.  The console
// serves one caller at a time and takes no locks.
#ifndef MSGCON_STATE_H
#define MSGCON_STATE_H

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "window.h"

namespace msgcon {

enum LogState { LogNeverOpened = 0, LogOpen = 1, LogClosed = 2 };
enum ShowMode { ShowModeHidden = 0, ShowModeMinimised = 1, ShowModeNormal = 2 };

struct ConsoleState {
    int valueA = 0;  // the two registered routing values
    int valueB = 0;
    int logState = LogNeverOpened;
    LayerHandle moduleHandle = nullptr;
    LayerHandle consoleWindow = nullptr;
    LayerHandle listBox = nullptr;
    std::FILE* logFile = nullptr;
    LayerHandle icon = nullptr;
    LayerHandle resourceLibrary = nullptr;  // held only while the icon is loaded
    std::string title;                      // copy of the console window's title
    bool created = false;
    int messageCount = 0;  // lines added since creation or clearing
    int showMode = ShowModeHidden;
    int x = 0, y = 0, width = 0, height = 0;  // console window placement
    const ConsoleWindowLayer* layer = nullptr;
};

ConsoleState& consoleState();
// Closes the log and puts the state back to that of a fresh process (tests).
void resetConsoleState();

// ---- one message (message.cpp) ------------------------------------------------------------
struct MessageCategory {
    int category;  // 0..3
    int code;
};
// The low byte of each of the first `length` elements; nothing for a null array or a
// length below 1.
std::string intCharStringToBytes(const int* chars, int length);
std::string composeLine(const std::string& title, const std::string& text, int type);
bool needsMessageBox(const std::string& text, int type);
MessageCategory categoriseMessage(int type);
// High 16 bits: (box flag << 8) | category; low 16 bits: the code's low 16 bits.
std::uint32_t listItemData(bool messageBox, const MessageCategory& c);
bool routesToConsole(int a, int b);
int showModeFor(int b);
// A line that reached neither the list nor the log goes to standard error with the reason.
void noticeLostLine(const std::string& reason, const std::string& line);

// ---- the console window (console_window.cpp) ------------------------------------------------
void createConsoleWindow(int x, int y, int width, int height, const std::string& title);
int consoleWindowProc(LayerHandle window, WindowEvent event, SizeKind kind, int width, int height);
// Creates the window when needed and adds the line with its item data.
void consoleShowLine(const std::string& line, int type, bool messageBox);

// ---- the error log (error_log.cpp) -------------------------------------------------------------
// The program's path with the extension of its file name replaced by ".ERR" (or ".ERR"
// appended); empty for an empty path.
std::string errorLogName(const std::string& modulePath);
// The local time as asctime writes it: "Thu Jan  1 00:00:00 1970\n".
std::string asctimeText(const std::tm& t);
void logWriteLine(const std::string& line);
void logClose();

}  // namespace msgcon

#endif
