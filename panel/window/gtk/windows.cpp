// window/gtk/windows.cpp - the store's windows on the screen: the master with its menu bar above
// a layout of cells, dialogs sized to what they hold, and the widgets inside them (texts, entry
// fields, buttons, graphics frames).  A frame shows its bitmap as it stands; the program is
// never asked to draw.
//
// The master's layout reports every new size in whole cells; its window follows the store's
// size only when the program changed it.  A dialog is as wide as its widgets need and as high
// as its rows, placed over the master.
#include <algorithm>

#include "state.h"
#include "window/gtk/window.h"

#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif

namespace tpanel::gtkwindow {

namespace {

bool inWindow(int type)
{
    return type == kTypeText || type == kTypeEditor || type == kTypeButton || type == kTypeFrame;
}

gboolean onDelete(GtkWidget*, GdkEvent*, gpointer id)
{
    if (GtkBackend* b = activeBackend()) b->closeRequested(GPOINTER_TO_INT(id));
    return TRUE;  // the program decides what closes
}

void onMasterAllocate(GtkWidget*, GdkRectangle* area, gpointer)
{
    if (GtkBackend* b = activeBackend())
        b->masterSized(area->width / kCellWidth, area->height / kCellHeight);
}

void onButton(GtkButton*, gpointer id)
{
    const Widget* w = widget(GPOINTER_TO_INT(id));
    GtkBackend* b = activeBackend();
    if (w && b) b->post({w->hasCallback ? w->callback : 0, GPOINTER_TO_INT(id), 0});
}

gboolean onFrameDraw(GtkWidget*, cairo_t* cr, gpointer id)
{
    const Widget* w = widget(GPOINTER_TO_INT(id));
    if (!w || w->type != kTypeFrame || !w->bitmap) return TRUE;
    cairo_set_source_surface(cr, w->bitmap, 0, 0);
    cairo_paint(cr);
    if (GtkBackend* b = activeBackend()) b->frameDrawn(GPOINTER_TO_INT(id));
    return TRUE;
}

#ifdef GDK_WINDOWING_X11
// The X server's word that part of a window must be painted again.
GdkFilterReturn onXEvent(GdkXEvent* native, GdkEvent*, gpointer id)
{
    const XEvent* e = static_cast<const XEvent*>(native);
    GtkBackend* b = activeBackend();
    if (b && e->type == Expose)
        b->windowExposed(
            GPOINTER_TO_INT(id),
            GdkRectangle{e->xexpose.x, e->xexpose.y, e->xexpose.width, e->xexpose.height});
    return GDK_FILTER_CONTINUE;
}
#endif

// A frame's size in pixels: its bitmap's.
void frameSize(const Widget& w, int& width, int& height)
{
    width = w.bitmap ? cairo_image_surface_get_width(w.bitmap) : w.columns * kCellWidth;
    height = w.bitmap ? cairo_image_surface_get_height(w.bitmap) : w.rows * kCellHeight;
}

}  // namespace

GtkWindow* GtkBackend::parentWindow() const
{
    const auto m = windows_.find(1);
    return m == windows_.end() ? nullptr : GTK_WINDOW(m->second.window);
}

Toplevel& GtkBackend::makeWindow(int id)
{
    Toplevel& t = windows_[id];
    t.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    t.box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    t.layout = gtk_layout_new(nullptr, nullptr);
    gtk_box_pack_end(GTK_BOX(t.box), t.layout, TRUE, TRUE, 0);
    gtk_container_add(GTK_CONTAINER(t.window), t.box);
    g_signal_connect(t.window, "delete-event", G_CALLBACK(onDelete), GINT_TO_POINTER(id));
    if (id == 1) {
        gtk_widget_set_size_request(t.layout, kCellWidth, kCellHeight);
        g_signal_connect(t.layout, "size-allocate", G_CALLBACK(onMasterAllocate), nullptr);
    } else {
        GtkWindow* w = GTK_WINDOW(t.window);
        gtk_window_set_transient_for(w, parentWindow());
        gtk_window_set_type_hint(w, GDK_WINDOW_TYPE_HINT_DIALOG);
        gtk_window_set_resizable(w, FALSE);
        gtk_window_set_position(w, GTK_WIN_POS_CENTER_ON_PARENT);
    }
    return t;
}

void GtkBackend::syncWindow(int id)
{
    const Widget* w = widget(id);
    auto found = windows_.find(id);
    if (!w->shown) {
        if (found != windows_.end() && found->second.visible) {
            gtk_widget_hide(found->second.window);
            found->second.visible = false;
        }
        return;
    }
    Toplevel& t = found != windows_.end() ? found->second : makeWindow(id);
    const std::string title = utf8(w->text);
    const char* shownTitle = gtk_window_get_title(GTK_WINDOW(t.window));
    if (!shownTitle || title != shownTitle)
        gtk_window_set_title(GTK_WINDOW(t.window), title.c_str());
    if (id == 1 && t.menusFor != panel().widgets.size()) buildMenus(id, t);
    syncChildren(id, t);
    if (id != 1) fitDialog(id, t);
    else if (w->columns != t.columns || w->rows != t.rows) resizeMaster(t);
    if (!t.visible) {
        gtk_widget_show_all(t.window);
        gtk_window_present(GTK_WINDOW(t.window));
        t.visible = true;
        watchExposures(id, t);
    }
}

// A composited display keeps every window's picture: only an X server without one tells of
// lost parts.
void GtkBackend::watchExposures(int id, Toplevel& t)
{
#ifdef GDK_WINDOWING_X11
    GdkWindow* native = gtk_widget_get_window(t.window);
    if (t.watched || !native || !GDK_IS_X11_WINDOW(native)) return;
    gdk_window_add_filter(native, onXEvent, GINT_TO_POINTER(id));
    t.watched = true;
#else
    (void)id, (void)t;
#endif
}

void GtkBackend::windowExposed(int window, const GdkRectangle& area)
{
    const auto t = windows_.find(window);
    if (t == windows_.end()) return;
    GtkAllocation top{};
    gtk_widget_get_allocation(t->second.window, &top);
    const int scale = gtk_widget_get_scale_factor(t->second.window);
    const GdkRectangle lost{area.x / scale, area.y / scale, (area.width + scale - 1) / scale,
                            (area.height + scale - 1) / scale};
    for (const auto& [id, child] : children_) {
        const Widget* w = widget(id);
        if (!w || w->type != kTypeFrame || w->parent != window) continue;
        GdkRectangle frame{0, 0, gtk_widget_get_allocated_width(child),
                           gtk_widget_get_allocated_height(child)};
        if (!gtk_widget_translate_coordinates(child, t->second.window, 0, 0, &frame.x, &frame.y))
            continue;
        frame.x += top.x;
        frame.y += top.y;
        if (gdk_rectangle_intersect(&frame, &lost, nullptr)) exposed_.insert(id);
    }
}

void GtkBackend::syncChildren(int window, Toplevel& t)
{
    auto& all = panel().widgets;
    for (std::size_t id = 1; id < all.size(); ++id) {
        const Widget& w = all[id];
        if (w.parent != window || !inWindow(w.type)) continue;
        const int child = static_cast<int>(id);
        auto found = children_.find(child);
        if (found == children_.end()) {
            GtkWidget* made = makeChild(child);
            gtk_layout_put(GTK_LAYOUT(t.layout), made, 0, 0);
            if (t.visible) gtk_widget_show(made);
            found = children_.emplace(child, made).first;
        }
        placeChild(child, window, found->second);
    }
}

GtkWidget* GtkBackend::makeChild(int id)
{
    const Widget& w = *widget(id);
    GtkWidget* made = nullptr;
    if (w.type == kTypeText) {
        made = gtk_label_new(utf8(w.text).c_str());
        gtk_label_set_xalign(GTK_LABEL(made), 0.0f);
    } else if (w.type == kTypeEditor) {
        made = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(made), utf8(w.text).c_str());
        gtk_entry_set_width_chars(GTK_ENTRY(made), std::max(w.columns, 1));
    } else if (w.type == kTypeButton) {
        made = gtk_button_new_with_mnemonic(mnemonicLabel(w.text, w.key).c_str());
        g_signal_connect(made, "clicked", G_CALLBACK(onButton), GINT_TO_POINTER(id));
    } else {
        made = gtk_drawing_area_new();
        g_signal_connect(made, "draw", G_CALLBACK(onFrameDraw), GINT_TO_POINTER(id));
    }
    return made;
}

// Column c starts c cells from the left edge; row r ends r cells above the bottom edge.
void GtkBackend::placeChild(int id, int window, GtkWidget* child)
{
    const Widget& w = *widget(id);
    const Widget& win = *widget(window);
    const int x = w.column * kCellWidth;
    const int y = std::max(0, (win.rows - w.row - std::max(w.rows, 1)) * kCellHeight);
    GtkLayout* layout = GTK_LAYOUT(gtk_widget_get_parent(child));
    int shownX = 0, shownY = 0;
    gtk_container_child_get(GTK_CONTAINER(layout), child, "x", &shownX, "y", &shownY, nullptr);
    if (shownX != x || shownY != y) gtk_layout_move(layout, child, x, y);
    if (w.type == kTypeText && utf8(w.text) != gtk_label_get_text(GTK_LABEL(child)))
        gtk_label_set_text(GTK_LABEL(child), utf8(w.text).c_str());
    if (w.type != kTypeFrame) return;
    int width = 0, height = 0, shownWidth = 0, shownHeight = 0;
    frameSize(w, width, height);
    gtk_widget_get_size_request(child, &shownWidth, &shownHeight);
    if (shownWidth != width || shownHeight != height)
        gtk_widget_set_size_request(child, width, height);
}

// A dialog holds its widgets with a cell to spare on the right, and its rows.
void GtkBackend::fitDialog(int id, Toplevel& t)
{
    const Widget& dialog = *widget(id);
    int width = kCellWidth, height = std::max(dialog.rows, 1) * kCellHeight;
    for (const auto& [child, made] : children_) {
        if (widget(child)->parent != id) continue;
        int x = 0, y = 0, natural = 0, naturalHeight = 0;
        gtk_container_child_get(GTK_CONTAINER(t.layout), made, "x", &x, "y", &y, nullptr);
        gtk_widget_get_preferred_width(made, nullptr, &natural);
        gtk_widget_get_preferred_height(made, nullptr, &naturalHeight);
        width = std::max(width, x + natural + kCellWidth);
        height = std::max(height, y + naturalHeight);
    }
    int shownWidth = 0, shownHeight = 0;
    gtk_widget_get_size_request(t.layout, &shownWidth, &shownHeight);
    if (shownWidth != width || shownHeight != height)
        gtk_widget_set_size_request(t.layout, width, height);
}

// The master's layout takes the store's cells, below the menu bar.
void GtkBackend::resizeMaster(Toplevel& t)
{
    const Widget& master = *widget(1);
    int menuHeight = 0;
    if (t.menuBar) gtk_widget_get_preferred_height(t.menuBar, nullptr, &menuHeight);
    const int width = std::max(master.columns, 1) * kCellWidth;
    const int height = std::max(master.rows, 1) * kCellHeight + menuHeight;
    if (t.visible) gtk_window_resize(GTK_WINDOW(t.window), width, height);
    else gtk_window_set_default_size(GTK_WINDOW(t.window), width, height);
    t.columns = master.columns;
    t.rows = master.rows;
}

}  // namespace tpanel::gtkwindow
