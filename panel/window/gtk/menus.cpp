// window/gtk/menus.cpp - the master's menu bar, built from the store: each title entry with its
// pop-up menu, items and separators in the order they were made, and an item's own pop-up as
// its submenu.  A title or item shows its key as the mnemonic (underlined, with Alt on a
// title); an item's key is also its accelerator, Ctrl with the key, for the first item that
// registered that key (later items with the same key keep only the mnemonic).
#include "state.h"
#include "window/gtk/window.h"

namespace tpanel::gtkwindow {

namespace {

void onItem(GtkMenuItem*, gpointer id)
{
    const Widget* w = widget(GPOINTER_TO_INT(id));
    GtkBackend* b = activeBackend();
    if (w && b) b->post({w->hasCallback ? w->callback : 0, GPOINTER_TO_INT(id), 0});
}

void addAccelerator(GtkWidget* item, GtkAccelGroup* accel, int key, std::set<int>& keysTaken)
{
    if (key <= 0 || key >= 128 || !g_ascii_isalnum(static_cast<char>(key))) return;
    const int lower = g_ascii_tolower(static_cast<char>(key));
    if (!keysTaken.insert(lower).second) return;
    gtk_widget_add_accelerator(item, "activate", accel,
                               gdk_unicode_to_keyval(static_cast<guint32>(lower)), GDK_CONTROL_MASK,
                               GTK_ACCEL_VISIBLE);
}

}  // namespace

GtkWidget* GtkBackend::buildMenu(int popup, GtkAccelGroup* accel, std::set<int>& keysTaken)
{
    GtkWidget* menu = gtk_menu_new();
    auto& all = panel().widgets;
    for (std::size_t id = 1; id < all.size(); ++id) {
        const Widget& w = all[id];
        if (w.parent != popup) continue;
        GtkWidget* item = nullptr;
        if (w.type == kTypeSeparator) {
            item = gtk_separator_menu_item_new();
        } else if (w.type == kTypeItem) {
            item = gtk_menu_item_new_with_mnemonic(mnemonicLabel(w.text, w.key).c_str());
            if (w.popup) {
                gtk_menu_item_set_submenu(GTK_MENU_ITEM(item),
                                          buildMenu(w.popup, accel, keysTaken));
            } else {
                g_signal_connect(item, "activate", G_CALLBACK(onItem),
                                 GINT_TO_POINTER(static_cast<int>(id)));
                addAccelerator(item, accel, w.key, keysTaken);
            }
        }
        if (item) gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
    }
    return menu;
}

void GtkBackend::buildMenus(int window, Toplevel& t)
{
    if (t.menuBar) gtk_widget_destroy(t.menuBar);
    t.menuBar = nullptr;
    if (t.accel) {
        gtk_window_remove_accel_group(GTK_WINDOW(t.window), t.accel);
        g_object_unref(t.accel);
    }
    t.accel = gtk_accel_group_new();
    gtk_window_add_accel_group(GTK_WINDOW(t.window), t.accel);
    auto& all = panel().widgets;
    t.menusFor = all.size();
    int bar = 0;
    for (std::size_t id = 1; id < all.size() && bar == 0; ++id)
        if (all[id].type == kTypeMenuBar && all[id].parent == window) bar = static_cast<int>(id);
    if (bar == 0) return;
    t.menuBar = gtk_menu_bar_new();
    std::set<int> keysTaken;
    for (std::size_t id = 1; id < all.size(); ++id) {
        const Widget& w = all[id];
        if (w.type != kTypeTitleEntry || w.parent != bar) continue;
        GtkWidget* entry = gtk_menu_item_new_with_mnemonic(mnemonicLabel(w.text, w.key).c_str());
        if (w.popup)
            gtk_menu_item_set_submenu(GTK_MENU_ITEM(entry), buildMenu(w.popup, t.accel, keysTaken));
        gtk_menu_shell_append(GTK_MENU_SHELL(t.menuBar), entry);
    }
    gtk_box_pack_start(GTK_BOX(t.box), t.menuBar, FALSE, FALSE, 0);
    gtk_widget_show_all(t.menuBar);  // shown at once, so that its height can be measured
}

}  // namespace tpanel::gtkwindow
