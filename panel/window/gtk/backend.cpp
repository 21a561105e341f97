// window/gtk/backend.cpp - the window mode's run: starting GTK, the queue of the user's actions
// and the wait on it, and bringing the screen in line with the widget store.
//
// The wait blocks in GTK's main loop (no polling): signal handlers queue what the user did and
// the wait hands it out.  A new size of the master is queued once and takes the latest size
// when it is handed out; a size back to the store's own is no action at all.  A frame is
// exposed when the window system lost part of its picture (another window uncovered it, the
// window was mapped); it is reported once it has been painted again, and only once while
// that report waits.  A frame painted because its bitmap changed, or for the window's focus,
// is no exposure.
#include <algorithm>
#include <cerrno>

#include "state.h"
#include "window/gtk/window.h"
#include "window/mode.h"

namespace tpanel::gtkwindow {

namespace {

GtkBackend* active = nullptr;

bool queued(const std::deque<Pending>& queue, Pending::Kind kind, int widget)
{
    for (const Pending& e : queue)
        if (e.kind == kind && (kind == Pending::Resize || e.action.widget == widget)) return true;
    return false;
}

}  // namespace

GtkBackend* activeBackend() { return active; }

std::string utf8(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

std::string mnemonicLabel(const std::string& text, int key)
{
    const bool letter = key > 0 && key < 128 && g_ascii_isalnum(static_cast<char>(key));
    const char lower = letter ? g_ascii_tolower(static_cast<char>(key)) : '\0';
    std::string out;
    bool marked = false;
    for (char c : text) {
        if (!marked && letter && g_ascii_tolower(c) == lower) {
            out.push_back('_');
            marked = true;
        }
        if (c == '_') out.push_back('_');
        out.push_back(c);
    }
    return utf8(out);
}

GtkBackend::GtkBackend() { active = this; }

GtkBackend::~GtkBackend()
{
    finishPrinterJobs();
    active = nullptr;
    for (auto& [id, t] : windows_) {
        if (t.accel) g_object_unref(t.accel);
        gtk_widget_destroy(t.window);
    }
    windows_.clear();
    children_.clear();
    if (printSettings_) g_object_unref(printSettings_);
    if (printerJob_.printer) {
        g_object_unref(printerJob_.printer);
        g_object_unref(printerJob_.settings);
        g_object_unref(printerJob_.setup);
    }
    settle();
}

void GtkBackend::settle()
{
    for (int i = 0; i < 500 && gtk_events_pending(); ++i) gtk_main_iteration_do(FALSE);
}

void GtkBackend::post(const Action& action) { queue_.push_back({Pending::Plain, action}); }

void GtkBackend::masterSized(int columns, int rows)
{
    resizeColumns_ = std::clamp(columns, 1, 400);
    resizeRows_ = std::clamp(rows, 1, 400);
    if (!queued(queue_, Pending::Resize, 1)) queue_.push_back({Pending::Resize, Action{-1, 1, 0}});
}

void GtkBackend::frameDrawn(int frame)
{
    if (exposed_.erase(frame) == 0 || queued(queue_, Pending::Expose, frame)) return;
    queue_.push_back({Pending::Expose, Action{-1, frame, -1}});
}

// The master's close ends the run; a dialog's close is its first button, as if pressed.
void GtkBackend::closeRequested(int window)
{
    if (window == 1) {
        closed_ = true;
        post(Action{});
        return;
    }
    auto& all = panel().widgets;
    for (std::size_t id = 1; id < all.size(); ++id) {
        const Widget& w = all[id];
        if (w.type == kTypeButton && w.parent == window) {
            post({w.hasCallback ? w.callback : 0, static_cast<int>(id), 0});
            return;
        }
    }
}

Action GtkBackend::nextAction()
{
    for (;;) {
        while (!queue_.empty()) {
            const Pending e = queue_.front();
            queue_.pop_front();
            Action a = e.action;
            if (e.kind == Pending::Resize) {
                const Widget* master = widget(1);
                if (!master || (master->columns == resizeColumns_ && master->rows == resizeRows_))
                    continue;
                a = masterResized(resizeColumns_, resizeRows_);
                Toplevel& t = windows_[1];
                t.columns = resizeColumns_;
                t.rows = resizeRows_;
            } else if (e.kind == Pending::Expose) {
                const Widget* frame = widget(a.widget);
                if (!frame || frame->type != kTypeFrame || !frame->hasExpose) continue;
                a.value = frame->expose;
            }
            lastWidget_ = a.widget;
            return a;
        }
        if (closed_) return Action{};
        sendPrinterJob();
        gtk_main_iteration_do(TRUE);
    }
}

void GtkBackend::present()
{
    PanelState& p = panel();
    for (std::size_t id = 1; id < p.widgets.size(); ++id) {
        const int type = p.widgets[id].type;
        if (type == kTypeMaster || type == kTypeDialog) syncWindow(static_cast<int>(id));
    }
    for (std::size_t id = 1; id < p.widgets.size(); ++id) {
        Widget& w = p.widgets[id];
        if (w.type != kTypeFrame || !w.dirty) continue;
        w.dirty = false;
        const auto child = children_.find(static_cast<int>(id));
        if (child == children_.end() || !gtk_widget_get_mapped(child->second)) continue;
        gtk_widget_queue_draw(child->second);
    }
    // The window the program made active comes to the front with the keyboard.
    const auto front = windows_.find(p.activeWindow);
    if (p.activeWindow != activated_ && front != windows_.end() && front->second.visible) {
        gtk_window_present(GTK_WINDOW(front->second.window));
        activated_ = p.activeWindow;
    }
    sendPrinterJob();
}

}  // namespace tpanel::gtkwindow

namespace tpanel {

bool windowModeBuilt() { return true; }

std::unique_ptr<Backend> makeWindowBackend()
{
    if (!g_get_prgname()) g_set_prgname(program_invocation_short_name);
    if (!gtk_init_check(nullptr, nullptr)) return nullptr;
    return std::make_unique<gtkwindow::GtkBackend>();
}

}  // namespace tpanel
