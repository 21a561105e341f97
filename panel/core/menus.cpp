// menus.cpp - the menu bar, its title entries and pop-up menus, items and separators.
//
// A title entry and its pop-up are made together: the entry gets identifier new - 1 and the
// pop-up new, which is what the caller is handed.  Items are found again by the texts of their
// title and their own (a script names them so).
#include <string>

#include "state.h"
#include "tpanel.h"

namespace tpanel {

namespace {

int addItem(int type, int parent, const char* text, int length, int key)
{
    int id = newWidget(type, parent);
    Widget* w = widget(id);
    w->text = textArgument(text, length);
    w->key = key;
    w->columns = w->rows = 0;
    return id;
}

int addPopup(int owner)
{
    int pop = newWidget(kTypePopup, owner);
    Widget* w = widget(pop);
    w->columns = w->rows = 0;
    if (Widget* o = widget(owner)) o->popup = pop;
    return pop;
}

}  // namespace

int findMenuItem(const std::string& title, const std::string& item)
{
    auto& all = panel().widgets;
    for (std::size_t e = 1; e < all.size(); ++e) {
        if (all[e].type != kTypeTitleEntry || all[e].text != title) continue;
        for (std::size_t i = 1; i < all.size(); ++i)
            if (all[i].type == kTypeItem && all[i].parent == all[e].popup && all[i].text == item)
                return static_cast<int>(i);
    }
    return 0;
}

}  // namespace tpanel

using namespace tpanel;

void AddMenuBar(int parent, int& id)
{
    id = newWidget(kTypeMenuBar, parent);
    widget(id)->columns = widget(id)->rows = 0;
}

void AddMenuPull(int parent, const char* text, int length, int key, int& id)
{
    int entry = addItem(kTypeTitleEntry, parent, text, length, key);
    id = addPopup(entry);
}

void AddMenuEntry(int parent, const char* text, int length, int key, int& id)
{
    id = addItem(kTypeItem, parent, text, length, key);
}

void AddMenuString(int parent, const char* text, int length, int& id)
{
    id = addItem(kTypeItem, parent, text, length, 0);
}

void AddComboItem(int parent, const char* text, int length, int& id)
{
    id = addItem(kTypeItem, parent, text, length, 0);
}

void AddMenuPop(int id, int, int, int& pop) { pop = addPopup(id); }
void AddMenuFloat(int id, int& pop) { pop = addPopup(id); }
void AddMenuCascade(int id, int& pop) { pop = addPopup(id); }

void ChangeToCombo(int id, int& pop)
{
    if (Widget* w = widget(id)) w->type = kTypeCombo;
    pop = addPopup(id);
}

void AddMenuSeparator(int id, int, int& result)
{
    result = addItem(kTypeSeparator, id, nullptr, 0, 0);
}
