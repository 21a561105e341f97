// registers.cpp - the defaults registered for the widgets that follow, the window title, the
// screen grid, and the coupling of the graphics kernel.
#include <algorithm>
#include <string>

#include "state.h"
#include "tpanel.h"

using namespace tpanel;

namespace {

void keep(int slot, int value) { panel().reg.others[slot] = value; }

}  // namespace

// The toolkit's start-up banner, asked for once right after WinInit, before any window exists.
// This toolkit shows no banner: a window's title is the text registered by RegTitleString and
// is set when the window is made, so there is nothing to draw here.  The call stays because the
// program's start-up makes it in its fixed order.
void DrawTitle() {}

void RegMinimum(int columns, int rows)
{
    panel().reg.minColumns = columns;
    panel().reg.minRows = rows;
}

void GetMinimum(int& columns, int& rows)
{
    columns = panel().reg.minColumns;
    rows = panel().reg.minRows;
}

void RegMaximum(int columns, int rows)
{
    panel().reg.maxColumns = columns;
    panel().reg.maxRows = rows;
}

void RegTextAttr(int a, int b, int c, int d)
{
    int* t = panel().reg.textAttr;
    t[0] = a, t[1] = b, t[2] = c, t[3] = d;
}

void RegToggleAttr(int a, int, int) { keep(0, a); }
void RegToggleSize(int size) { keep(1, size); }
void RegToggleType(int type) { keep(2, type); }
void RegButtonAttr(int a, int, int) { keep(3, a); }
void RegButtonSize(int size) { keep(4, size); }
void RegButtonType(int type) { keep(5, type); }
void RegValueAttr(int a, int, int, int) { keep(6, a); }
void RegValueType(int a, int) { keep(7, a); }
void RegTextType(int a, int) { keep(8, a); }
void RegSliderSize(int size) { keep(9, size); }
void RegPanelType(int type) { keep(10, type); }
void RegIconType(int type) { keep(11, type); }
void RegValueSize(int size) { keep(12, size); }
void RegTextSize(int size) { keep(13, size); }
void RegIconSize(int size) { keep(14, size); }

void RegTitleType(int type) { panel().reg.titleType = type; }
int GetTitleType() { return panel().reg.titleType; }

void RegTitleString(const char* text, int length)
{
    Registers& r = panel().reg;
    r.titleString.assign(text ? text : "",
                         text ? static_cast<std::size_t>(std::max(length, 0)) : 0);
    r.titleString.erase(r.titleString.find_last_not_of(' ') + 1);
    r.titlePending = true;
}

void RemoveTitle()
{
    panel().reg.titlePending = false;
    panel().reg.titleString.clear();
}

void GetGridArea(int& columns, int& rows, int& cellWidth, int& cellHeight)
{
    columns = kScreenColumns;
    rows = kScreenRows;
    cellWidth = kCellWidth;
    cellHeight = kCellHeight;
}
