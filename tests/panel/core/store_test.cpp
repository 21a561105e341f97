// store_test.cpp - identifiers, types, places and sizes of widgets.
#include <cstring>
#include <functional>

#include "panel_fixture.h"

namespace {

using Store = ScriptedPanel;

TEST_F(Store, IdentifiersInSequenceWithTheirTypes)
{
    start("");
    EXPECT_EQ(IGetNextIdentifier(), 1);  // no master yet
    OpenMaster(0, 2);
    int bar = 0, pop = 0, item = 0, sep = 0, dialog = 0, text = 0, button = 0, frame = 0;
    AddMenuBar(1, bar);
    AddMenuPull(bar, "File", 4, 'F', pop);
    AddMenuEntry(pop, "Open", 4, 'O', item);
    AddMenuSeparator(pop, 0, sep);
    OpenWindow(1, 3, 3, dialog);
    AddString(dialog, 0, "Hello", 5, 0, 1, 1, 2, text);
    AddButton(dialog, 'O', "OK", 2, 4, 1, button);
    GraphicsFrame(1, 0, 0, frame);
    const struct {
        int id, expectedId, type;
    } made[] = {{1, 1, 1},    {bar, 2, 3},    {pop - 1, 3, 103}, {pop, 4, 4},    {item, 5, 5},
                {sep, 6, 12}, {dialog, 7, 2}, {text, 8, 7},      {button, 9, 8}, {frame, 10, 6}};
    for (const auto& m : made) {
        EXPECT_EQ(m.id, m.expectedId);
        EXPECT_EQ(IGetWidgetType(m.id), m.type) << "widget " << m.id;
    }
    EXPECT_EQ(IGetNextIdentifier(), 11);
    for (int unknown : {0, -3, 11, 1000}) EXPECT_EQ(IGetWidgetType(unknown), -1) << unknown;
    // A dialog taken off the screen is still there.
    WindowDraw(0, dialog);
    WindowRemove(dialog);
    EXPECT_EQ(IGetWidgetType(dialog), 2);
    WinExit();
    EXPECT_EQ(IGetNextIdentifier(), 1);
    EXPECT_EQ(IGetWidgetType(1), -1);
}

TEST_F(Store, WidgetInfoReportsAndChangesTitleAndSize)
{
    start("");
    RegMinimum(32, 20);
    RegTitleString("Main window title that is longer", 32);
    OpenMaster(0, 2);
    RemoveTitle();
    RegMinimum(32, 22);
    int frame = 0;
    GraphicsFrame(1, 0, 0, frame);

    char text[40];
    int info[4] = {-1, -1, -1, -1}, kind = 0;
    GetWidgetInfo(1, text, 40, info, 16, kind, 1);
    EXPECT_EQ(std::string(text, 40), "Main window title that is longer        ");
    EXPECT_EQ(kind, 1);
    // The master grew to hold its frame.
    EXPECT_EQ(info[2], 32);
    EXPECT_EQ(info[3], 22);
    GetWidgetInfo(frame, text, 40, info, 16, kind, 1);
    EXPECT_EQ((std::vector<int>{info[0], info[1], info[2], info[3]}),
              (std::vector<int>{0, 0, 32, 22}));

    int pw = 0, ph = 0;
    GetBitmapSize(frame, pw, ph);
    int columns, rows, cw, ch;
    GetGridArea(columns, rows, cw, ch);
    EXPECT_EQ(pw, 32 * cw);
    EXPECT_EQ(ph, 22 * ch);
    // A new size in cells gives a bitmap of the new pixel size.
    info[2] = 40, info[3] = 25;
    SetWidgetInfo(frame, text, 40, info, 16, kind, 1);
    GetBitmapSize(frame, pw, ph);
    EXPECT_EQ(pw, 40 * cw);
    EXPECT_EQ(ph, 25 * ch);
    SetWidgetInfo(1, "New title", 9, info, 16, kind, 0);
    GetWidgetInfo(1, text, 12, info, 16, kind, 0);
    EXPECT_EQ(std::string(text, 12), "New title   ");
    // An unknown widget writes a blank title and type -1.
    GetWidgetInfo(77, text, 5, info, 16, kind, 1);
    EXPECT_EQ(std::string(text, 5), "     ");
    EXPECT_EQ(kind, -1);
}

TEST_F(Store, WindowGrowsToHoldAWidgetByItsPlaceAndWidth)
{
    start("");
    OpenMaster(0, 2);
    RegMinimum(2, 1);  // every new widget, the dialogs too, starts 2 cells wide, 1 high
    const struct {
        const char* name;
        std::function<int(int dialog)> add;
        int columns, rows;  // of the dialog afterwards
    } cases[] = {
        {"text placed to the right, as wide as its text",
         [](int d) {
             int id = 0;
             AddString(d, 0, "Hello world", 11, 0, 5, 2, 2, id);
             return id;
         },
         16, 3},
        {"text wider than its text",
         [](int d) {
             int id = 0;
             AddString(d, 0, "Hi", 2, 0, 0, 0, 20, id);
             return id;
         },
         20, 1},
        {"button: its label and a cell each side",
         [](int d) {
             int id = 0;
             AddButton(d, 'O', "OK", 2, 4, 1, id);
             return id;
         },
         8, 2},
        {"editor of a given width",
         [](int d) {
             int id = 0;
             AddEditor(d, 2, 0, "x", 1, 30, 0, id);
             return id;
         },
         32, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int dialog = 0;
        OpenWindow(1, 3, 3, dialog);
        c.add(dialog);
        int info[4] = {}, kind = 0;
        GetWidgetInfo(dialog, nullptr, 0, info, 16, kind, 1);
        EXPECT_EQ(info[2], c.columns);
        EXPECT_EQ(info[3], c.rows);
    }
}

}  // namespace
