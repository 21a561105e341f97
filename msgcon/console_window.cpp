// console_window.cpp - the console window: its creation and placement, its window procedure,
// and adding a message's line with its item data.  The window is a strip along the bottom
// left of the screen holding one list; a user's close only hides it.
#include "state.h"

namespace msgcon {

namespace {

const char* const consoleTitle = "TARV Messages";
const char* const listText = "Error List";
const int listChildId = 100;

ShowCommand creationCommand(int showMode)
{
    switch (showMode) {
    case ShowModeHidden: return ShowCommand::Hide;
    case ShowModeMinimised: return ShowCommand::ShowMinimised;
    default: return ShowCommand::ShowNormal;
    }
}

// The icon comes from the resource library when it has one, else the system's.
void loadConsoleIcon(const ConsoleWindowLayer& layer, ConsoleState& s)
{
    s.resourceLibrary = layer.openResourceLibrary("TMSGRES");
    if (s.resourceLibrary == nullptr) {
        s.icon = layer.systemIcon();
        return;
    }
    s.icon = layer.copyIcon(s.resourceLibrary, "InfoIcon");
    if (s.icon == nullptr) s.icon = layer.systemIcon();
    layer.closeResourceLibrary(s.resourceLibrary);
    s.resourceLibrary = nullptr;
}

// Bottom left quarter-height strip, half the screen wide, its frame and caption inside the
// quarter.
void placeConsoleWindow(const ConsoleWindowLayer& layer, ConsoleState& s)
{
    ScreenMetrics m{};
    layer.screenMetrics(m);
    s.x = 0;
    s.width = m.screenWidth / 2;
    s.height = m.screenHeight / 4 - 2 * m.frameHeight - m.captionHeight;
    s.y = m.screenHeight - s.height;
}

}  // namespace

void createConsoleWindow(int x, int y, int width, int height, const std::string& title)
{
    const ConsoleWindowLayer& layer = windowLayer();
    ConsoleState& s = consoleState();
    if (s.moduleHandle == nullptr) s.moduleHandle = layer.moduleHandle();
    if (s.moduleHandle == nullptr || s.consoleWindow != nullptr) return;

    loadConsoleIcon(layer, s);
    layer.registerClass(consoleWindowProc, s.icon);
    s.title = title;
    s.consoleWindow = layer.createWindow(x, y, width, height, s.title);
    if (s.consoleWindow != nullptr)
        s.listBox = layer.createList(s.consoleWindow, listText, listChildId);
    if (s.consoleWindow == nullptr || s.listBox == nullptr) {
        // A window without its list would stand in the way of every later attempt.
        if (s.consoleWindow != nullptr) layer.destroyWindow(s.consoleWindow);
        s.consoleWindow = nullptr;
        s.listBox = nullptr;
        s.title.clear();
        return;
    }
    layer.showWindow(s.consoleWindow, creationCommand(s.showMode));
    s.messageCount = 0;
    s.created = true;
}

int consoleWindowProc(LayerHandle window, WindowEvent event, SizeKind kind, int width, int height)
{
    ConsoleState& s = consoleState();
    if (window == nullptr || window != s.consoleWindow) return 1;
    const ConsoleWindowLayer& layer = windowLayer();
    if (event == WindowEvent::Size && (kind == SizeKind::Restored || kind == SizeKind::Maximised)) {
        if (s.listBox != nullptr) layer.resizeList(s.listBox, width, height);
        return 0;
    }
    if (event == WindowEvent::Close) {
        layer.showWindow(window, ShowCommand::Hide);
        return 0;
    }
    return 1;
}

void consoleShowLine(const std::string& line, int type, bool messageBox)
{
    ConsoleState& s = consoleState();
    const ConsoleWindowLayer& layer = windowLayer();
    if (!s.created) {
        s.showMode = showModeFor(s.valueB);
        placeConsoleWindow(layer, s);
        createConsoleWindow(s.x, s.y, s.width, s.height, consoleTitle);
    }
    s.messageCount += 1;
    if (s.listBox == nullptr) {
        noticeLostLine("TARV Messages: no console window, message", line);
        return;
    }
    int index = layer.addLine(s.listBox, line);
    if (index < 0) {  // -1 as an index would give every line this message's data
        noticeLostLine("TARV Messages: the console list refused the message", line);
        return;
    }
    layer.setItemData(s.listBox, index, listItemData(messageBox, categoriseMessage(type)));
    layer.setTopIndex(s.listBox, index);
}

}  // namespace msgcon
