// window/gtk.cpp - the console window on a display: a GTK window holding a scrolled list, one
// row a message with its item data beside it, and a modal GTK message dialog.
//
// The list fills the window by packing, so a resize needs nothing of resizeList.  The window's
// close from its frame and its new sizes go to the registered procedure; when the procedure
// does not handle a close the window goes, as a desktop window's default would.  After each
// change the layer lets GTK draw at once, so the console shows even while the program is busy
// and in programs that never wait for input.
#include "window/gtk.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>

namespace msgcon {

namespace {

struct Console {
    GtkWidget* window = nullptr;
    GtkWidget* list = nullptr;
    GtkListStore* rows = nullptr;
};

enum Column { TextColumn, DataColumn };

Console console;
WindowProcedure procedure = nullptr;
LayerHandle classIcon = nullptr;
int moduleToken;
char systemIconName[] = "dialog-warning";

bool isWindow(LayerHandle h) { return h != nullptr && h == console.window; }
bool isList(LayerHandle h) { return h != nullptr && h == console.list && console.rows != nullptr; }

void settle()
{
    for (int i = 0; i < 200 && gtk_events_pending(); ++i) gtk_main_iteration_do(FALSE);
}

gboolean onDelete(GtkWidget* window, GdkEvent*, gpointer)
{
    const int answer = procedure ? procedure(window, WindowEvent::Close, SizeKind::Other, 0, 0) : 1;
    if (answer != 0) gtk_widget_destroy(window);
    return TRUE;
}

void onDestroy(GtkWidget* window, gpointer)
{
    if (window == console.window) console = Console{};
}

SizeKind sizeKind(GtkWidget* window)
{
    GdkWindow* w = gtk_widget_get_window(window);
    const GdkWindowState state = w ? gdk_window_get_state(w) : GdkWindowState{};
    if (state & GDK_WINDOW_STATE_ICONIFIED) return SizeKind::Minimised;
    if (state & GDK_WINDOW_STATE_MAXIMIZED) return SizeKind::Maximised;
    return SizeKind::Restored;
}

void onSize(GtkWidget*, GdkRectangle* area, gpointer)
{
    if (procedure && console.window)
        procedure(console.window, WindowEvent::Size, sizeKind(console.window), area->width,
                  area->height);
}

gboolean onState(GtkWidget* window, GdkEventWindowState* event, gpointer)
{
    if (procedure && (event->changed_mask & GDK_WINDOW_STATE_ICONIFIED) &&
        (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED))
        procedure(window, WindowEvent::Size, SizeKind::Minimised, 0, 0);
    return FALSE;
}

LayerHandle moduleHandle() { return &moduleToken; }
LayerHandle openResourceLibrary(const char*) { return nullptr; }  // no such library here
LayerHandle copyIcon(LayerHandle, const char*) { return nullptr; }
void closeResourceLibrary(LayerHandle) {}
LayerHandle systemIcon() { return systemIconName; }

bool registerClass(WindowProcedure windowProcedure, LayerHandle icon)
{
    if (procedure == nullptr) {
        procedure = windowProcedure;
        classIcon = icon;
    }
    return true;
}

void screenMetrics(ScreenMetrics& metrics)
{
    metrics = ScreenMetrics{1024, 768, 4, 24};
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
    if (!monitor && display) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return;
    GdkRectangle area{};
    gdk_monitor_get_geometry(monitor, &area);
    metrics.screenWidth = area.width;
    metrics.screenHeight = area.height;
}

LayerHandle createWindow(int x, int y, int width, int height, const std::string& title)
{
    if (console.window) return nullptr;
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* w = GTK_WINDOW(window);
    gtk_window_set_title(w, displayText(title).c_str());
    if (classIcon == systemIconName) gtk_window_set_icon_name(w, systemIconName);
    gtk_window_move(w, x, y);
    gtk_window_set_default_size(w, std::max(width, 1), std::max(height, 1));
    // The console never takes the keyboard from the program.
    gtk_window_set_focus_on_map(w, FALSE);
    g_signal_connect(window, "delete-event", G_CALLBACK(onDelete), nullptr);
    g_signal_connect(window, "destroy", G_CALLBACK(onDestroy), nullptr);
    g_signal_connect(window, "window-state-event", G_CALLBACK(onState), nullptr);
    console.window = window;
    return window;
}

LayerHandle createList(LayerHandle window, const char* text, int)
{
    if (!isWindow(window) || console.list) return nullptr;
    console.rows = gtk_list_store_new(2, G_TYPE_STRING, G_TYPE_UINT);
    GtkWidget* list = gtk_tree_view_new_with_model(GTK_TREE_MODEL(console.rows));
    g_object_unref(console.rows);  // the view holds it
    gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(list), FALSE);
    gtk_widget_set_name(list, text ? text : "");
    GtkCellRenderer* cell = gtk_cell_renderer_text_new();
    g_object_set(cell, "family", "Monospace", nullptr);
    gtk_tree_view_insert_column_with_attributes(GTK_TREE_VIEW(list), -1, "", cell, "text",
                                                TextColumn, nullptr);
    GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_container_add(GTK_CONTAINER(scrolled), list);
    gtk_container_add(GTK_CONTAINER(window), scrolled);
    g_signal_connect(scrolled, "size-allocate", G_CALLBACK(onSize), nullptr);
    console.list = list;
    return list;
}

void showWindow(LayerHandle window, ShowCommand command)
{
    if (!isWindow(window)) return;
    GtkWidget* w = console.window;
    switch (command) {
    case ShowCommand::Hide: gtk_widget_hide(w); break;
    case ShowCommand::Show: gtk_widget_show_all(w); break;
    case ShowCommand::ShowMinimised:
    case ShowCommand::Minimise:  // iconified first, so that a new window never flashes up
        gtk_window_iconify(GTK_WINDOW(w));
        gtk_widget_show_all(w);
        break;
    case ShowCommand::ShowNormal:
    case ShowCommand::Restore:
        gtk_widget_show_all(w);
        gtk_window_deiconify(GTK_WINDOW(w));
        break;
    }
    settle();
}

void setStackingOrder(LayerHandle window, StackingOrder order)
{
    if (!isWindow(window)) return;
    GdkWindow* w = gtk_widget_get_window(console.window);
    if (!w) return;
    if (order == StackingOrder::Top) gdk_window_raise(w);
    else gdk_window_lower(w);
}

bool destroyWindow(LayerHandle window)
{
    if (!isWindow(window)) return false;
    gtk_widget_destroy(console.window);  // onDestroy forgets it
    settle();
    return true;
}

int addLine(LayerHandle list, const std::string& line)
{
    if (!isList(list)) return -1;
    GtkTreeIter row;
    gtk_list_store_insert_with_values(console.rows, &row, -1, TextColumn, displayText(line).c_str(),
                                      DataColumn, 0u, -1);
    const int index = gtk_tree_model_iter_n_children(GTK_TREE_MODEL(console.rows), nullptr) - 1;
    settle();
    return index;
}

void setItemData(LayerHandle list, int index, std::uint32_t data)
{
    if (!isList(list)) return;
    GtkTreeModel* model = GTK_TREE_MODEL(console.rows);
    GtkTreeIter row;
    if (index == -1) {
        for (bool more = gtk_tree_model_get_iter_first(model, &row); more;
             more = gtk_tree_model_iter_next(model, &row))
            gtk_list_store_set(console.rows, &row, DataColumn, data, -1);
    } else if (index >= 0 && gtk_tree_model_iter_nth_child(model, &row, nullptr, index)) {
        gtk_list_store_set(console.rows, &row, DataColumn, data, -1);
    }
}

void setTopIndex(LayerHandle list, int index)
{
    if (!isList(list) || index < 0 ||
        index >= gtk_tree_model_iter_n_children(GTK_TREE_MODEL(console.rows), nullptr))
        return;
    GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
    gtk_tree_view_scroll_to_cell(GTK_TREE_VIEW(console.list), path, nullptr, TRUE, 0.0f, 0.0f);
    gtk_tree_path_free(path);
    settle();
}

int resetContent(LayerHandle list)
{
    if (!isList(list)) return 0;
    gtk_list_store_clear(console.rows);
    settle();
    return 0;
}

// The scrolled list is the window's only child, so GTK already gives it the whole client area on
// every resize (the size event is raised from the list's own new allocation).  Asking for the
// size here as well would make it the list's minimum and stop the window from shrinking.
void resizeList(LayerHandle, int, int) {}

void messageBox(const std::string& text, const char* caption)
{
    GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                            GTK_BUTTONS_OK, "%s", displayText(text).c_str());
    gtk_window_set_title(GTK_WINDOW(box), caption ? caption : "");
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    settle();
}

std::string moduleFileName() { return executablePath(); }

bool named(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

}  // namespace

const ConsoleWindowLayer gtkWindowLayer = {
    "gtk",       moduleHandle,     openResourceLibrary, copyIcon,     closeResourceLibrary,
    systemIcon,  registerClass,    screenMetrics,       createWindow, createList,
    showWindow,  setStackingOrder, destroyWindow,       addLine,      setItemData,
    setTopIndex, resetContent,     resizeList,          messageBox,   moduleFileName,
};

bool gtkWindowLayerUsable()
{
    if (named("TPANEL_SCRIPT") || !(named("DISPLAY") || named("WAYLAND_DISPLAY"))) return false;
    return gtk_init_check(nullptr, nullptr);
}

}  // namespace msgcon
