// menus.cpp - the binding's menu routines: the menu bar, title entries, pop-ups, items and
// separators.  MENENT and MENPOP dispatch on the type of the widget they are given.
#include <algorithm>

#include "binding/binding.h"
#include "binding/checks.h"
#include "tarvcore.h"
#include "tpanel.h"

void MENBAR(const int& parent, const int& flag, const int&, int& id)
{
    RoutineFrame f("MENBAR");
    // The master window takes a menu bar like a dialog does.
    if (!(f.master() && f.positive(parent) &&
          f.holds(parent == 1 || typeInSet(IGetWidgetType(parent), {{0, 0}, {2, 2}}), 7) &&
          f.holds(flag == -1, 48)))
        return;
    AddMenuBar(parent, id);
}

void MENENT(const int& parent, const char* text, int length, const int& key, int& id)
{
    RoutineFrame f("MENENT");
    if (!(f.master() && f.positive(parent) &&
          f.typeIn(parent, {{1, 1}, {3, 4}, {18, 19}, {22, 22}, {34, 34}}, 7)))
        return;
    int used = 0;
    if (text && length > 0) kernelEnquireUsedLength(text, length, used);
    used = std::min(std::max(used, 1), std::max(length, 0));  // never beyond the text
    int made = 0;
    switch (IGetWidgetType(parent)) {
    case 1:
    case 19:
    case 22:
        AddMenuString(parent, text, used, made);
        id = made;
        RegAccel(made, key);
        break;
    case 4:
    case 34:
        AddMenuEntry(parent, text, used, key, made);
        id = made;
        RegAccel(made, key);
        break;
    case 3:
        AddMenuPull(parent, text, used, key, made);
        id = made - 1;
        break;
    case 18:
        AddComboItem(parent, text, used, made);
        id = made;
        break;
    }
}

void MENPOP(const int& id, const int& a, const int& b, int& pop)
{
    RoutineFrame f("MENPOP");
    if (!(f.master() && f.positive(id) &&
          f.typeIn(id, {{0, 2}, {5, 5}, {10, 10}, {15, 15}, {103, 103}}, 7)))
        return;
    const int titleType = GetTitleType();
    const int type = IGetWidgetType(id);
    if (id == 1) {
        if (titleType == 0) AddMenuFloat(id, pop);
        else AddMenuPop(id, a, b + 1, pop);
    } else if (type == 15) {
        AddMenuPop(id, a, b, pop);
    } else if (type == 10) {
        ChangeToCombo(id, pop);
    } else if (type == 103 && titleType == 0) {
        pop = id + 1;
    } else if (type == 5 && titleType == 0) {
        AddMenuCascade(id, pop);
    } else {
        AddMenuPop(id, a, b, pop);
    }
}

void MENSEP(const int& id, int& result)
{
    RoutineFrame f("MENSEP");
    if (!(f.master() && f.positive(id) && f.typeIn(id, {{1, 1}, {4, 4}, {34, 34}}, 7))) return;
    AddMenuSeparator(id, IGetWidgetType(id) == 1 ? 1 : 0, result);
}
