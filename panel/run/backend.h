// backend.h - the seam between the toolkit's core and the way a run is driven: a script now, a
// window on a display later.  The core keeps every widget; a backend only supplies the user's
// actions and answers, and shows what the core holds.
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
    // Brings the screen up to date with the widgets and frame bitmaps (called before each wait
    // and after the kernel's flush); a script has no screen.
    virtual void present() {}
};

std::unique_ptr<Backend> makeScriptBackend(const std::string& path);
// The window on a display; nullptr when this build has none or no display is there.
std::unique_ptr<Backend> makeWindowBackend();

}  // namespace tpanel

#endif
