// windows.cpp - the binding's routines for windows, dialogs and their widgets: the master window,
// registered defaults and titles, dialog texts and buttons, callbacks, widget information, and
// showing, activating and removing windows.
#include <algorithm>
#include <cstring>

#include "binding/binding.h"
#include "binding/checks.h"
#include "tarvcore.h"
#include "tpanel.h"

namespace {

constexpr int kMasterId = 1;
constexpr int kMasterType = 1;

// The master window, or a widget of one of the types.
bool masterOr(int id, TypeSet types)
{
    return id == kMasterId || typeInSet(IGetWidgetType(id), types);
}

}  // namespace

void GRDENQ(int& columns, int& rows, int& third, int& fourth)
{
    RoutineFrame f("GRDENQ");
    GetGridArea(columns, rows, third, fourth);
}

void WIDMIN(const int& columns, const int& rows)
{
    RoutineFrame f("WIDMIN");
    RegMinimum(columns, rows);
}

void TEXATR(const int& a, const int& b, const int& c, const int& d)
{
    RoutineFrame f("TEXATR");
    if (!(f.holds(a >= 0 && b >= 0 && c >= 0, 19) && f.holds(d >= -1 && d <= 1, 35))) return;
    RegTextAttr(a, b, c, d);
}

void WIDTTL(const int& type)
{
    RoutineFrame f("WIDTTL");
    f.holds(type >= -15 && type <= 1, 35);
    RegTitleType(type);  // registered after the error too
}

void WIDSTR(const char* text, int length)
{
    RoutineFrame f("WIDSTR");
    RegTitleString(text, std::clamp(length, 0, 80));
}

void MASTER(const int& a, const int& b, int& id)
{
    RoutineFrame f("MASTER");
    if (!f.holds(IGetNextIdentifier() < 2, 18)) return;
    OpenMaster(a, b);
    id = kMasterId;
}

void CALLBK(const int& id, const int& value)
{
    RoutineFrame f("CALLBK");
    if (!(f.master() && f.positive(id) &&
          f.typeIn(id,
                   {{0, 2},
                    {5, 11},
                    {13, 15},
                    {17, 19},
                    {22, 24},
                    {28, 28},
                    {30, 30},
                    {33, 33},
                    {101, 101},
                    {105, 105},
                    {-5, -5}},
                   30)))
        return;
    SetCallBack(id, value);
}

void DIACMP(const int& parent, const int& column, const int& row, int& id)
{
    RoutineFrame f("DIACMP");
    if (!(f.master() && f.positive(parent) &&
          f.holds(masterOr(parent, {{2, 2}, {5, 5}, {7, 7}, {14, 14}}), 7)))
        return;
    OpenWindow(parent, column, row, id);
}

void TEXENT(const int& parent, const int& a, const int& b, const char* text, int length,
            const int& c, const int& d, int& id)
{
    RoutineFrame f("TEXENT");
    if (!(f.master() && f.positive(parent) && f.typeIn(parent, {{0, 0}, {2, 2}, {15, 15}}, 7)))
        return;
    int m1 = 0, m2 = 0, g1 = 0, g2 = 0, g3 = 0, g4 = 0;
    GetMinimum(m1, m2);
    GetGridArea(g1, g2, g3, g4);
    if ((g4 > 1 && m2 <= 1) || (g4 == 1 && m2 <= 25))
        AddString(parent, 0, text, std::max(length, 0), d, a, b, c, id);
    else AddEditor(parent, a, b, text, std::max(length, 0), c, d, id);
}

void BUTTON(const int& parent, const int& a, const int& b, const char* text, int length,
            const int& key, int& id)
{
    RoutineFrame f("BUTTON");
    if (!(f.master() && f.positive(parent) && f.typeIn(parent, {{0, 0}, {2, 2}, {15, 15}}, 7)))
        return;
    const int used = (text && length > 0) ? std::max(kernelUsedLength(text, length), 0) : 0;
    if (used > 0) {
        AddButton(parent, key, text, length, a, b, id);  // the label as given, blanks and all
        RegAccel(id, key);
    } else {
        AddButton(parent, 0, " ", 1, a, b, id);
    }
}

void WIDINF(const int& id, char* text, int length, int* info, const int& infoBytes, int& scratch,
            const int& part)
{
    RoutineFrame f("WIDINF");
    if (!(f.master() && f.positive(id))) return;
    char buffer[256];
    GetWidgetInfo(id, buffer, 256, info, infoBytes, scratch, part);
    if (!text || length <= 0) return;
    const int n = std::min(length, 256);
    std::memcpy(text, buffer, static_cast<std::size_t>(n));
    std::memset(text + n, ' ', static_cast<std::size_t>(length - n));
}

void WIDCHA(const int& id, const char* text, int length, int* info, const int& infoBytes,
            int& scratch, const int& part)
{
    RoutineFrame f("WIDCHA");
    if (!(f.master() && f.positive(id))) return;
    SetWidgetInfo(id, text, std::max(length, 0), info, infoBytes, scratch, part);
}

void WINDRA(const int& id)
{
    RoutineFrame f("WINDRA");
    if (!(f.master() && f.positive(id) && f.typeIn(id, {{0, 2}, {4, 4}, {34, 34}}, 25))) return;
    const int type = IGetWidgetType(id);
    const int mode = type == kMasterType ? 1 : (type == 4 || type == 34) ? 2 : 0;
    WindowDraw(mode, id);
}

void ACTWIN(const int& id)
{
    RoutineFrame f("ACTWIN");
    if (!(f.master() && f.holds(id >= 0, 26) &&
          f.holds(id == 0 || id == 1 || typeInSet(IGetWidgetType(id), {{0, 2}}), 25)))
        return;
    WindowAction(id <= 1 ? 0 : id);
}

void WINREM(const int& id)
{
    RoutineFrame f("WINREM");
    if (!(f.master() && f.positive(id) && f.typeIn(id, {{0, 2}}, 25))) return;
    WindowRemove(id);
}

void MANAGE()
{
    RoutineFrame f("MANAGE");
    if (!f.master()) return;
    RemoveTitle();
    WindowDraw(0, 1);
}

void MENEND()
{
    RoutineFrame f("MENEND");
    WinExit();
}

void GUIERR(const char* title, int titleLength, const char* text, int textLength)
{
    RoutineFrame f("GUIERR");
    if (title && titleLength > 0 && title[0] == '*')
        bindingConsoleMessage(title + 1, titleLength - 1, text, textLength, 0);
    else ErrorBox(title, std::max(titleLength, 0), text, std::max(textLength, 0), 0);
}
