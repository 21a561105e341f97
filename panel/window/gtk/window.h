// window/gtk/window.h - the window mode: the toolkit run on a display through GTK 3.
//
// The backend keeps one GTK window per window of the store (the master and its dialogs),
// made when the window is first shown, with a GtkLayout placing the widgets at their cells.
// Signal handlers never act on the program: they queue actions (a menu item or button, a new
// size of the master, an exposed frame, a close), and the wait hands them out one at a time,
// blocking in GTK's main loop until there is one.  Rows of the grid count up from a window's
// bottom edge (a dialog's button row 1 is its lowest), columns from its left edge.
#ifndef TPANEL_WINDOW_GTK_WINDOW_H
#define TPANEL_WINDOW_GTK_WINDOW_H

#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

#include <cstddef>
#include <deque>
#include <map>
#include <set>
#include <string>

#include "run/backend.h"

namespace tpanel::gtkwindow {

// A byte text of the program (one ISO 8859-1 character a byte) as UTF-8 for GTK.
std::string utf8(const std::string& bytes);
// The label of a menu item or button: underscores doubled, and the mnemonic mark before the
// first letter that matches the key (ignoring case); no mark when none matches.
std::string mnemonicLabel(const std::string& text, int key);

// One queued event, turned into an action when the wait hands it out.
struct Pending {
    enum Kind { Plain, Resize, Expose } kind = Plain;
    Action action;
};

// A window of the store on the screen.
struct Toplevel {
    GtkWidget* window = nullptr;
    GtkWidget* box = nullptr;     // the menu bar above the layout
    GtkWidget* layout = nullptr;  // the widgets at their cells
    GtkWidget* menuBar = nullptr;
    GtkAccelGroup* accel = nullptr;
    std::size_t menusFor = 0;     // the store's size when the menus were built
    int columns = -1, rows = -1;  // the size in cells last given to the window
    bool visible = false;
    bool watched = false;  // its exposures are followed
};

// A print job for a real printer: the page is written to a scratch PDF file, sent once the
// program has ended the job.
struct PrinterJob {
    GtkPrinter* printer = nullptr;
    GtkPrintSettings* settings = nullptr;
    GtkPageSetup* setup = nullptr;
    std::string file;
};

class GtkBackend : public Backend {
public:
    GtkBackend();
    ~GtkBackend() override;

    Action nextAction() override;
    BrowseAnswer browse(const std::string& dir, const std::string& name,
                        const std::string& filter) override;
    void messageBox(const std::string& title, const std::string& text) override;
    PrintAnswer print() override;
    void pageNotWritten() override;
    void present() override;

    // Reports of the signal handlers.
    void post(const Action& action);
    void masterSized(int columns, int rows);
    void frameDrawn(int frame);
    // The window system lost part of a window's picture (x, y, width, height in the window).
    void windowExposed(int window, const GdkRectangle& area);
    void closeRequested(int window);

private:
    // windows.cpp
    Toplevel& makeWindow(int id);
    void syncWindow(int id);
    void syncChildren(int window, Toplevel& t);
    GtkWidget* makeChild(int id);
    void placeChild(int id, int window, GtkWidget* child);
    void fitDialog(int id, Toplevel& t);
    void resizeMaster(Toplevel& t);
    void watchExposures(int id, Toplevel& t);
    // menus.cpp
    void buildMenus(int window, Toplevel& t);
    GtkWidget* buildMenu(int popup, GtkAccelGroup* accel, std::set<int>& keysTaken);
    // dialogs.cpp
    GtkWindow* parentWindow() const;
    std::string chooserTitle() const;
    void sendPrinterJob();
    void finishPrinterJobs();
    // Lets GTK bring the screen up to date without waiting for input.
    void settle();

    std::deque<Pending> queue_;
    int resizeColumns_ = 0, resizeRows_ = 0;
    bool closed_ = false;
    int lastWidget_ = 0;  // the widget of the last action handed out
    int activated_ = 0;   // the window last brought to the front as the active one
    std::map<int, Toplevel> windows_;
    std::map<int, GtkWidget*> children_;  // widgets inside windows, by identifier
    std::set<int> exposed_;               // frames the window system asked to repaint
    GtkPrintSettings* printSettings_ = nullptr;
    PrinterJob printerJob_;
};

// The backend of the run, for the signal handlers; nullptr when there is none.
GtkBackend* activeBackend();

}  // namespace tpanel::gtkwindow

#endif
