// backend.h - the seam between the toolkit's core and the way a run is driven: a script, or a
// window on a display.  The core keeps every widget (PanelState: types, texts, keys, callbacks,
// places and sizes in cells, which windows are shown, the frame bitmaps with their dirty flags);
// a backend supplies the user's actions and answers and shows what the core holds.  WinInit
// picks the backend: the script when TPANEL_SCRIPT is set, else the window when a display is
// there (makeWindowBackend), else the run cannot start.
//
// A window backend reports a resize of the master through masterResized (state.h) and returns
// its action; an exposed frame returns the frame's expose value; a close of the master returns
// value -1.
#ifndef TPANEL_RUN_BACKEND_H
#define TPANEL_RUN_BACKEND_H

#include <memory>
#include <string>

namespace tpanel {

// One user action: the callback value IWinAction returns, the widget it came from and the
// event value.
struct Action {
    int value = -1;
    int widget = 0;
    int event = 0;
};

// The answer to a file choice; `cancelled` or an absolute directory and a name.
struct BrowseAnswer {
    bool cancelled = true;
    std::string dir, name;
};

// The answer to a print request: whether the job starts, and the PDF file the page goes to.
struct PrintAnswer {
    bool ok = false;
    std::string file;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Waits for the next action; returns value -1 when the run is over.
    virtual Action nextAction() = 0;
    virtual BrowseAnswer browse(const std::string& dir, const std::string& name,
                                const std::string& filter) = 0;
    virtual void messageBox(const std::string& title, const std::string& text) = 0;
    virtual PrintAnswer print() = 0;
    // The page of the job just ended could not be written: a page bound for a printer is not
    // sent (a window's printers get the page from a scratch file once the job has ended).
    virtual void pageNotWritten() {}
    // Brings the screen up to date with the store: windows shown or hidden, titles, and the
    // frame bitmaps marked dirty (clearing the marks).  Called before each wait, after the
    // kernel's flush and on UpdateFrame; a script has no screen.
    virtual void present() {}
};

std::unique_ptr<Backend> makeScriptBackend(const std::string& path);
// The window on a display; nullptr when this build has none or no display is there.
std::unique_ptr<Backend> makeWindowBackend();

}  // namespace tpanel

#endif
