// store.cpp - the widget store: identifiers in sequence from 1, types, callbacks, places and
// sizes in cells, titles, which windows are shown, and the bitmap of each graphics frame, made
// anew whenever the frame takes a new size.
//
// Windows (the master and dialogs) grow to hold the widgets placed in them, so that their size
// in cells is the size of what they show.  A window taken off the screen keeps its widgets and
// can be shown again.
#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstring>

#include "state.h"
#include "tarvlink.h"
#include "tpanel.h"

namespace tpanel {

PanelState& panel()
{
    static PanelState state;
    return state;
}

Widget* widget(int id)
{
    auto& w = panel().widgets;
    if (id <= 0 || static_cast<std::size_t>(id) >= w.size()) return nullptr;
    return &w[static_cast<std::size_t>(id)];
}

int newWidget(int type, int parent)
{
    PanelState& p = panel();
    Widget w;
    w.type = type;
    w.parent = parent;
    w.columns = std::max(p.reg.minColumns, 0);
    w.rows = std::max(p.reg.minRows, 0);
    p.widgets.push_back(w);
    return static_cast<int>(p.widgets.size()) - 1;
}

int firstFrame()
{
    auto& w = panel().widgets;
    for (std::size_t id = 1; id < w.size(); ++id)
        if (w[id].type == kTypeFrame) return static_cast<int>(id);
    return 0;
}

std::string textArgument(const char* text, int length, bool trimmed)
{
    if (!text || length <= 0) return {};
    std::string t(text, static_cast<std::size_t>(length));
    if (trimmed) t.erase(t.find_last_not_of(' ') + 1);
    return t;
}

void tell(const std::string& text)
{
    panel().transcript.push_back(text);
    std::fprintf(stderr, "tpanel: %s\n", text.c_str());
}

namespace {

bool isWindow(const Widget* w) { return w && (w->type == kTypeMaster || w->type == kTypeDialog); }

// A window grows to hold a widget placed in it.
void fitParent(int id)
{
    Widget* w = widget(id);
    Widget* parent = w ? widget(w->parent) : nullptr;
    if (!isWindow(parent)) return;
    parent->columns = std::max(parent->columns, w->column + w->columns);
    parent->rows = std::max(parent->rows, w->row + w->rows);
}

// Shows or hides a window and everything in it.
void showTree(int id, bool shown)
{
    auto& all = panel().widgets;
    if (Widget* w = widget(id)) w->shown = shown;
    for (std::size_t child = 1; child < all.size(); ++child)
        if (all[child].parent == id && all[child].type != kTypeDialog)
            showTree(static_cast<int>(child), shown);
}

}  // namespace

int placeWidget(int type, int parent, int column, int row)
{
    int id = newWidget(type, parent);
    Widget* w = widget(id);
    assert(w != nullptr);
    w->column = std::max(column, 0);
    w->row = std::max(row, 0);
    fitParent(id);
    return id;
}

void paintBackground(cairo_surface_t* surface)
{
    const unsigned char* bg = panel().background;
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, bg[0] / 255.0, bg[1] / 255.0, bg[2] / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
}

void allocateFrameBitmap(int frame)
{
    Widget* w = widget(frame);
    if (!w || w->type != kTypeFrame) return;
    PanelState& p = panel();
    const bool linked = p.kernelCoupled && p.kernelFrame == frame;
    if (linked) tarv::linkRasterTarget(nullptr);
    if (w->bitmap) cairo_surface_destroy(w->bitmap);
    const int width = std::clamp(w->columns, 1, 400) * kCellWidth;
    const int height = std::clamp(w->rows, 1, 400) * kCellHeight;
    w->bitmap = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    paintBackground(w->bitmap);
    w->dirty = true;
    if (linked) tarv::linkRasterTarget(w->bitmap);
}

Action masterResized(int columns, int rows)
{
    Widget* master = widget(1);
    if (!master || master->type != kTypeMaster) return Action{};
    master->columns = columns;
    master->rows = rows;
    return {master->hasCallback ? master->callback : 0, 1, 0};
}

}  // namespace tpanel

using namespace tpanel;

int IGetNextIdentifier() { return static_cast<int>(panel().widgets.size()); }

int IGetWidgetType(int id)
{
    const Widget* w = widget(id);
    return w ? w->type : kTypeNone;
}

void OpenMaster(int, int)
{
    PanelState& p = panel();
    if (p.widgets.size() != 1) return;  // one master, and it is identifier 1
    int id = newWidget(kTypeMaster, 0);
    Widget* w = widget(id);
    if (p.reg.titlePending) w->text = p.reg.titleString;
}

void SetCallBack(int id, int value)
{
    if (Widget* w = widget(id)) {
        w->hasCallback = true;
        w->callback = value;
    }
}

void RegAccel(int id, int key)
{
    if (Widget* w = widget(id)) w->key = key;
}

void OpenWindow(int parent, int column, int row, int& id)
{
    id = newWidget(kTypeDialog, parent);
    Widget* w = widget(id);
    w->column = column;
    w->row = row;
    if (panel().reg.titlePending) w->text = panel().reg.titleString;
}

void AddString(int parent, int, const char* text, int length, int, int column, int row, int width,
               int& id)
{
    std::string t = textArgument(text, length);
    id = placeWidget(kTypeText, parent, column, row);
    Widget* w = widget(id);
    w->text = t;
    w->columns = std::max({w->columns, width, static_cast<int>(t.size())});
    fitParent(id);
}

void AddEditor(int parent, int column, int row, const char* text, int length, int width, int,
               int& id)
{
    std::string t = textArgument(text, length);
    id = placeWidget(kTypeEditor, parent, column, row);
    Widget* w = widget(id);
    w->text = t;
    w->columns = std::max(w->columns, width);
    fitParent(id);
}

void AddButton(int parent, int key, const char* text, int length, int column, int row, int& id)
{
    std::string t = textArgument(text, length);
    id = placeWidget(kTypeButton, parent, column, row);
    Widget* w = widget(id);
    w->text = t;
    w->key = key;
    w->columns = std::max(w->columns, static_cast<int>(t.size()) + 2);
    fitParent(id);
}

void GetWidgetInfo(int id, char* text, int length, int* info, int infoBytes, int& kind, int part)
{
    const Widget* w = widget(id);
    kind = w ? w->type : kTypeNone;
    if (text && length > 0) {
        std::string t = w ? w->text : std::string();
        std::size_t n = std::min(t.size(), static_cast<std::size_t>(length));
        std::memcpy(text, t.data(), n);
        std::memset(text + n, ' ', static_cast<std::size_t>(length) - n);
    }
    if (part != 1 || !info || !w) return;
    const int values[4] = {w->column, w->row, w->columns, w->rows};
    const int count = std::clamp(infoBytes / static_cast<int>(sizeof(int)), 0, 4);
    for (int k = 0; k < count; ++k) info[k] = values[k];
}

void SetWidgetInfo(int id, const char* text, int length, int* info, int infoBytes, int& kind,
                   int part)
{
    Widget* w = widget(id);
    kind = w ? w->type : kTypeNone;
    if (!w) return;
    if (text && length > 0) w->text = textArgument(text, length, true);
    if (part != 1 || !info || infoBytes < static_cast<int>(4 * sizeof(int))) return;
    const int columns = std::max(info[2], 1), rows = std::max(info[3], 1);
    w->column = std::max(info[0], 0);
    w->row = std::max(info[1], 0);
    const bool resized = columns != w->columns || rows != w->rows;
    w->columns = columns;
    w->rows = rows;
    if (resized && w->type == kTypeFrame) allocateFrameBitmap(id);
    if (w->type != kTypeMaster) fitParent(id);
}

void WindowDraw(int, int id)
{
    Widget* w = widget(id);
    if (!w) return;
    showTree(id, true);
    panel().activeWindow = id;
}

void WindowAction(int id) { panel().activeWindow = (id == 0) ? 1 : id; }

void WindowRemove(int id)
{
    if (!widget(id)) return;
    showTree(id, false);
    if (panel().activeWindow == id) panel().activeWindow = 1;
}
