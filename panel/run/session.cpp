// session.cpp - the run of the toolkit: starting (which chooses how the run is driven), the wait
// for the next action, the modal file choice and message box, and the end.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "frames/bitmap.h"
#include "state.h"
#include "tpanel.h"
#include "window/mode.h"

namespace tpanel {

const std::vector<std::string>& transcript() { return panel().transcript; }

namespace {

// A run in a window tells the user in a message box what a scripted run reports on standard
// error.
bool windowRun = false;

void putText(char* field, int length, const std::string& value)
{
    if (!field || length <= 0) return;
    std::size_t n = std::min(value.size(), static_cast<std::size_t>(length));
    std::memcpy(field, value.data(), n);
    std::memset(field + n, ' ', static_cast<std::size_t>(length) - n);
}

[[noreturn]] void cannotRun(const std::string& why)
{
    const char* prog = program_invocation_short_name;
    std::fprintf(stderr,
                 "%s: %s\n"
                 "  Run it on a desktop, or name a script of actions in TPANEL_SCRIPT:\n"
                 "    TPANEL_SCRIPT=actions.script %s\n"
                 "  one action a line: menu TITLE/ITEM, button LABEL, resize COLUMNS ROWS,\n"
                 "  browse PATH (or browse alone to cancel), print ok | print fail,\n"
                 "  print-to FILE.pdf, snapshot FILE.png, exit.\n",
                 prog, why.c_str(), prog);
    std::exit(2);
}

}  // namespace

}  // namespace tpanel

using namespace tpanel;

void WinInit()
{
    PanelState& p = panel();
    if (p.started) return;
    p.transcript.clear();
    std::error_code ec;
    p.startDir = std::filesystem::current_path(ec).string();
    const char* script = std::getenv("TPANEL_SCRIPT");
    if (script && *script) {
        p.backend = makeScriptBackend(script);
        if (!p.backend)
            cannotRun(std::string("cannot read the script ") + script + " named by TPANEL_SCRIPT.");
    } else {
        const char* display = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        const bool screen = (display && *display) || (wayland && *wayland);
        if (screen) p.backend = makeWindowBackend();
        windowRun = p.backend != nullptr;
        if (!p.backend && !screen)
            cannotRun("no display to open a window on, and no script to run.");
        if (!p.backend && !windowModeBuilt())
            cannotRun("this build has no window mode (it was built without GTK 3), and no script "
                      "was given.");
        if (!p.backend) cannotRun("cannot open a window on the display, and no script was given.");
    }
    p.started = true;
}

void WinExit()
{
    PanelState& p = panel();
    closePrintJob();
    releaseFrameBitmaps();
    std::vector<std::string> said = std::move(p.transcript);
    windowRun = false;
    p = PanelState();
    p.transcript = std::move(said);
}

void IWinAction(int& value, int* out)
{
    PanelState& p = panel();
    Action a;
    if (p.backend) {
        p.backend->present();
        a = p.backend->nextAction();
    }
    value = a.value;
    if (out) {
        out[0] = out[1] = out[4] = 0;
        out[2] = a.widget;
        out[3] = a.event;
    }
}

void OpenBrowse(int&, char* name, int nameLength, char* dir, int dirLength, const char* filter,
                int filterLength)
{
    PanelState& p = panel();
    BrowseAnswer a;
    if (p.backend)
        a = p.backend->browse(textArgument(dir, dirLength, true),
                              textArgument(name, nameLength, true),
                              textArgument(filter, filterLength, true));
    if (!a.cancelled &&
        (a.dir.size() > static_cast<std::size_t>(std::max(dirLength, 0)) ||
         a.name.size() > static_cast<std::size_t>(std::max(nameLength, 0)))) {
        const std::string why = a.dir + "/" + a.name + " is longer than the program takes (" +
            std::to_string(dirLength) + " characters of directory, " + std::to_string(nameLength) +
            " of name)";
        tell("browse: " + why + "; taken as cancelled.");
        if (windowRun)
            p.backend->messageBox("File Choice", why + ".  Choose a file with a shorter path.");
        a.cancelled = true;
    }
    if (a.cancelled) {
        putText(name, nameLength, "");
        return;
    }
    putText(dir, dirLength, a.dir);
    putText(name, nameLength, a.name);
}

void ErrorBox(const char* title, int titleLength, const char* text, int textLength, int)
{
    PanelState& p = panel();
    if (p.backend)
        p.backend->messageBox(textArgument(title, titleLength, true),
                              textArgument(text, textLength, true));
}
