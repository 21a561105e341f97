// script_test.cpp - scripted runs: actions, queued answers, rejected lines, the end of a run.
#include <cstring>
#include <fstream>
#include <sstream>

#include "panel_fixture.h"

namespace {

using Script = ScriptedPanel;

// The master with a menu "File" holding "Open" (callback 40) and a hidden dialog with an OK
// button (callback 910).
struct Widgets {
    int open = 0, dialog = 0, ok = 0;
};

Widgets build()
{
    Widgets w;
    RegMinimum(10, 5);
    OpenMaster(0, 2);
    SetCallBack(1, 2);
    int bar = 0, pop = 0;
    AddMenuBar(1, bar);
    AddMenuPull(bar, "File", 4, 'F', pop);
    AddMenuEntry(pop, "Open", 4, 'O', w.open);
    SetCallBack(w.open, 40);
    OpenWindow(1, 2, 2, w.dialog);
    AddButton(w.dialog, 'O', "OK", 2, 1, 1, w.ok);
    SetCallBack(w.ok, 910);
    WindowDraw(0, 1);
    return w;
}

std::string transcriptText()
{
    std::string all;
    for (const std::string& s : tpanel::transcript()) all += s + "\n";
    return all;
}

TEST_F(Script, ActionsInOrderAndRejectedLinesSkipped)
{
    start("# a comment\n"
          "menu File/Open   # trailing comment\n"
          "button OK\n"
          "fly away\n"
          "menu File/Close\n"
          "resize 50 30\n"
          "resize 0 3\n"
          "\n"
          "exit\n"
          "menu File/Open\n");
    const Widgets w = build();
    int widget = 0;
    EXPECT_EQ(next(&widget), 40);
    EXPECT_EQ(widget, w.open);
    // The hidden dialog's button, the unknown word and the unknown item are skipped.
    EXPECT_EQ(next(&widget), 2);
    EXPECT_EQ(widget, 1);
    int info[4], kind;
    char text[8];
    GetWidgetInfo(1, text, 8, info, 16, kind, 1);
    EXPECT_EQ(info[2], 50);
    EXPECT_EQ(info[3], 30);
    EXPECT_EQ(next(), -1);  // exit
    EXPECT_EQ(next(), 40);
    // The end of the script ends the run, however often the program asks.
    EXPECT_EQ(next(), -1);
    EXPECT_EQ(next(), -1);
    const std::string said = transcriptText();
    for (const char* expected : {"script line 3: no button of that label is shown: button OK\n",
                                 "script line 4: not an action: fly away\n",
                                 "script line 5: no such menu item: menu File/Close\n",
                                 "script line 7: needs a master window"})
        EXPECT_NE(said.find(expected), std::string::npos) << expected << "\nin\n" << said;
}

TEST_F(Script, ResizeTakesUpTo400ColumnsAndRows)
{
    start("resize 401 400\n"
          "resize 400 401\n"
          "resize 400 400\n"
          "resize 1 1\n");
    build();
    int info[4], kind;
    char text[8];
    for (const int size : {400, 1}) {
        EXPECT_EQ(next(), 2);
        GetWidgetInfo(1, text, 8, info, 16, kind, 1);
        EXPECT_EQ(info[2], size);
        EXPECT_EQ(info[3], size);
    }
    EXPECT_EQ(next(), -1);
    const std::string said = transcriptText();
    for (const char* expected :
         {"script line 1: needs a master window", "script line 2: needs a master window"})
        EXPECT_NE(said.find(expected), std::string::npos) << expected << "\nin\n" << said;
    EXPECT_EQ(tpanel::transcript().size(), 2u);
}

TEST_F(Script, ButtonOfAShownDialog)
{
    start("button OK\nbutton OK\n");
    const Widgets w = build();
    WindowDraw(0, w.dialog);
    int widget = 0;
    EXPECT_EQ(next(&widget), 910);
    EXPECT_EQ(widget, w.ok);
    WindowRemove(w.dialog);
    EXPECT_EQ(next(), -1);  // the second press finds no shown button
    EXPECT_EQ(tpanel::transcript().size(), 1u);
}

TEST_F(Script, FileChoiceAnswers)
{
    const std::string longName(90, 'n');
    start("browse data/samples.in\n"
          "browse /abs/dir/x.in\n"
          "browse\n"
          "browse /tmp/" +
          longName + "\n");
    build();
    EXPECT_EQ(next(), -1);  // the answers are queued as the program waits
    const std::string here = std::filesystem::current_path().string();
    const struct {
        const char* name;
        std::string dir, file;  // empty file: cancelled
    } answers[] = {
        {"relative to the start directory", here + "/data", "samples.in"},
        {"absolute", "/abs/dir", "x.in"},
        {"cancelled", "", ""},
        {"too long for the field", "", ""},
        {"no answer left", "", ""},
    };
    for (const auto& a : answers) {
        SCOPED_TRACE(a.name);
        char name[80], dir[80];
        std::memset(name, ' ', 80);
        std::memcpy(name, "old.in", 6);
        std::memset(dir, ' ', 80);
        int flag = 0;
        OpenBrowse(flag, name, 80, dir, 80, "*.in", 4);
        std::string n(name, 80), d(dir, 80);
        n.erase(n.find_last_not_of(' ') + 1);
        d.erase(d.find_last_not_of(' ') + 1);
        EXPECT_EQ(n, a.file);
        if (!a.file.empty()) { EXPECT_EQ(d, a.dir); }
    }
    const std::string said = transcriptText();
    EXPECT_NE(said.find("is longer than the program takes"), std::string::npos) << said;
    EXPECT_NE(said.find("browse: no answer in the script"), std::string::npos) << said;
}

TEST_F(Script, PrintJobsFollowTheAnswers)
{
    start("print-to page.pdf\nprint ok\nprint fail\nprint-to /dev/full\nprint ok\n");
    build();
    int status = -7, ppw = 0, pph = 0;
    float pw = 0, ph = 0;
    PrintJob(1, status, ppw, pph, pw, ph);  // no job open
    EXPECT_EQ(status, 0);
    PrintJob(0, status, ppw, pph, pw, ph);  // answers are read when the program waits
    EXPECT_EQ(status, 0);
    EXPECT_EQ(next(), -1);
    PrintJob(0, status, ppw, pph, pw, ph);
    ASSERT_EQ(status, 1);
    EXPECT_GT(ppw, pph);  // landscape
    EXPECT_FLOAT_EQ(pw, 297.0f);
    EXPECT_FLOAT_EQ(ph, 210.0f);
    PrintJob(1, status, ppw, pph, pw, ph);
    EXPECT_EQ(status, 1);
    std::ifstream pdf(dir_ / "page.pdf", std::ios::binary);
    std::stringstream bytes;
    bytes << pdf.rdbuf();
    EXPECT_EQ(bytes.str().rfind("%PDF", 0), 0u);
    EXPECT_NE(bytes.str().find("/MediaBox [ 0 0 841.89 595.28 ]"), std::string::npos);
    PrintJob(0, status, ppw, pph, pw, ph);  // "print fail"
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ppw, 0);
    // A page whose file takes no byte (a full device) starts, but its end fails and says so.
    PrintJob(0, status, ppw, pph, pw, ph);
    ASSERT_EQ(status, 1);
    PrintJob(1, status, ppw, pph, pw, ph);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ppw, 0);
    EXPECT_NE(transcriptText().find("print: the page could not be written to /dev/full"),
              std::string::npos)
        << transcriptText();
    PrintJob(0, status, ppw, pph, pw, ph);  // no answer left
    EXPECT_EQ(status, 0);
}

TEST(ScriptlessRun, NoDisplayAndNoScriptExitsWithStatus2)
{
    EXPECT_EXIT(
        {
            unsetenv("TPANEL_SCRIPT");
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            WinInit();
        },
        ::testing::ExitedWithCode(2), "no display to open a window on, and no script to run");
    EXPECT_EXIT(
        {
            setenv("TPANEL_SCRIPT", "/nonexistent/run.script", 1);
            WinInit();
        },
        ::testing::ExitedWithCode(2), "cannot read the script /nonexistent/run.script");
}

}  // namespace
