// window/memory.cpp - the in-memory window layer: one console window with its list kept in
// memory, echoed to standard error.  Show commands follow the rules of a desktop window: a
// window is visible or hidden and, separately, minimised or not, so that "show" on a
// minimised window leaves it minimised and "restore" brings it back to its normal size.
#include "window/memory.h"

#include <algorithm>
#include <cstdio>

namespace msgcon {

namespace {

MemoryLayerState state;
int moduleToken;  // addresses stand for the module and the system icon
int systemIconToken;

LayerHandle windowHandle() { return &state.window; }
LayerHandle listHandle() { return &state.window.lines; }

bool isWindow(LayerHandle h) { return h != nullptr && h == windowHandle() && state.window.exists; }
bool isList(LayerHandle h)
{
    return h != nullptr && h == listHandle() && state.window.exists && state.window.hasList;
}

void echo(const char* prefix, const std::string& text)
{
    std::string out = prefix + displayText(text) + "\n";
    std::fwrite(out.data(), 1, out.size(), stderr);
    std::fflush(stderr);
}

LayerHandle moduleHandle() { return &moduleToken; }
LayerHandle openResourceLibrary(const char*) { return nullptr; }  // none in memory
LayerHandle copyIcon(LayerHandle, const char*) { return nullptr; }
void closeResourceLibrary(LayerHandle) {}
LayerHandle systemIcon() { return &systemIconToken; }

bool registerClass(WindowProcedure procedure, LayerHandle icon)
{
    if (state.procedure == nullptr) {
        state.procedure = procedure;
        state.icon = icon;
        ++state.classRegistrations;
    }
    return true;
}

void screenMetrics(ScreenMetrics& metrics) { metrics = state.metrics; }

LayerHandle createWindow(int x, int y, int width, int height, const std::string& title)
{
    if (state.failCreateWindow || state.window.exists) return nullptr;
    state.window = MemoryWindow{};
    state.window.exists = true;
    state.window.title = title;
    state.window.x = x;
    state.window.y = y;
    state.window.width = width;
    state.window.height = height;
    ++state.windowsCreated;
    return windowHandle();
}

// The client area is the window less its sizing frame and caption.
LayerHandle createList(LayerHandle window, const char* text, int childId)
{
    if (!isWindow(window) || state.failCreateList) return nullptr;
    const ScreenMetrics& m = state.metrics;
    MemoryWindow& w = state.window;
    w.hasList = true;
    w.listText = text;
    w.listId = childId;
    w.listWidth = std::max(0, w.width - 2 * m.frameHeight);
    w.listHeight = std::max(0, w.height - 2 * m.frameHeight - m.captionHeight);
    return listHandle();
}

void showWindow(LayerHandle window, ShowCommand command)
{
    if (!isWindow(window)) return;
    MemoryWindow& w = state.window;
    switch (command) {
    case ShowCommand::Hide: w.visible = false; break;
    case ShowCommand::Show: w.visible = true; break;
    case ShowCommand::ShowMinimised:
    case ShowCommand::Minimise:
        w.visible = true;
        w.minimised = true;
        break;
    case ShowCommand::ShowNormal:
    case ShowCommand::Restore:
        w.visible = true;
        w.minimised = false;
        break;
    }
}

void setStackingOrder(LayerHandle window, StackingOrder order)
{
    if (isWindow(window)) state.window.stacking = order == StackingOrder::Top ? 1 : 2;
}

bool destroyWindow(LayerHandle window)
{
    if (!isWindow(window) || state.failDestroy) return false;
    state.window = MemoryWindow{};
    ++state.windowsDestroyed;
    return true;
}

int addLine(LayerHandle list, const std::string& line)
{
    if (!isList(list) || state.failAddLine) return -1;
    state.window.lines.push_back({line, 0});
    echo("TARV Messages: ", line);
    return static_cast<int>(state.window.lines.size()) - 1;
}

void setItemData(LayerHandle list, int index, std::uint32_t data)
{
    if (!isList(list)) return;
    auto& lines = state.window.lines;
    if (index == -1) {
        for (MemoryLine& l : lines) l.itemData = data;
    } else if (index >= 0 && static_cast<std::size_t>(index) < lines.size()) {
        lines[static_cast<std::size_t>(index)].itemData = data;
    }
}

void setTopIndex(LayerHandle list, int index)
{
    if (isList(list) && index >= 0 && static_cast<std::size_t>(index) < state.window.lines.size())
        state.window.topIndex = index;
}

int resetContent(LayerHandle list)
{
    if (!isList(list)) return 0;
    state.window.lines.clear();
    state.window.topIndex = 0;
    return 0;
}

void resizeList(LayerHandle list, int width, int height)
{
    if (!isList(list)) return;
    state.window.listWidth = width;
    state.window.listHeight = height;
}

void messageBox(const std::string& text, const char* caption)
{
    state.messageBoxes.push_back({text, caption});
    echo((std::string(caption) + ": ").c_str(), text);
}

std::string moduleFileName()
{
    return state.useModuleFileName ? state.moduleFileName : executablePath();
}

}  // namespace

const ConsoleWindowLayer memoryWindowLayer = {
    "memory",    moduleHandle,     openResourceLibrary, copyIcon,     closeResourceLibrary,
    systemIcon,  registerClass,    screenMetrics,       createWindow, createList,
    showWindow,  setStackingOrder, destroyWindow,       addLine,      setItemData,
    setTopIndex, resetContent,     resizeList,          messageBox,   moduleFileName,
};

MemoryLayerState& memoryLayerState() { return state; }

void resetMemoryLayer() { state = MemoryLayerState{}; }

LayerHandle memorySystemIcon() { return systemIcon(); }

// A user's close or resize; without a registered procedure the default handling applies.
int memoryUserClose()
{
    if (!state.window.exists) return 0;
    int answer = state.procedure
        ? state.procedure(windowHandle(), WindowEvent::Close, SizeKind::Other, 0, 0)
        : 1;
    if (answer != 0) destroyWindow(windowHandle());  // the default: a closed window goes
    return answer;
}

int memoryUserResize(SizeKind kind, int width, int height)
{
    if (!state.window.exists) return 0;
    if (kind == SizeKind::Minimised) state.window.minimised = true;
    if (kind == SizeKind::Restored || kind == SizeKind::Maximised) state.window.minimised = false;
    return state.procedure ? state.procedure(windowHandle(), WindowEvent::Size, kind, width, height)
                           : 1;
}

}  // namespace msgcon
