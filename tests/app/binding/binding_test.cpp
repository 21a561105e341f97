// binding_test.cpp - the binding's checks: each routine's failing checks report code + 1600
// under the routine's name and do nothing else; and the paths that do act.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "binding/binding.h"
#include "scratch_folder.h"
#include "state.h"
#include "tarvcore.h"
#include "tpanel.h"

namespace {

// A toolkit run on an empty script; with `master`, a master window holding a menu bar, a
// "File" title with its pop-up and one item, a dialog and a graphics frame.
class Binding : public ::testing::Test {
public:
    void SetUp() override
    {
        std::ofstream(script_) << "";
        setenv("TPANEL_SCRIPT", script_.c_str(), 1);
        resetAppState();
        tarv::resetState(true);
        tarv::setErrorEcho(false);
        tarv::errorLogClear();
        bindingStartUp();
    }
    void TearDown() override
    {
        WinExit();
        tarv::setErrorEcho(true);
        unsetenv("TPANEL_SCRIPT");
    }
    void buildMaster()
    {
        MASTER(0, 2, master);
        MENBAR(master, -1, -1, bar);
        MENENT(bar, "File", 4, 'F', entry);
        MENPOP(entry, 0, 0, pop);
        MENENT(pop, "Open", 4, 'O', item);
        DIACMP(master, 3, 3, dialog);
        WIDMIN(32, 22);
        FRADEF(master, 0, 0, 1000.0f, 750.0f, frame);
        ASSERT_TRUE(tarv::errorLog().empty());
    }
    const ScratchFolder scratch_{"binding_test_"};
    const std::string script_ = scratch_.file("empty.script");
    int master = 0, bar = 0, entry = 0, pop = 0, item = 0, dialog = 0, frame = 0;
};

struct Misuse {
    const char* routine;
    bool withMaster;
    std::function<void(Binding&)> call;
    int number;
};

TEST_F(Binding, EachFailingCheckReportsItsNumberUnderTheRoutineName)
{
    int r = 0;
    float x = 0;
    char text[80] = {};
    int info[4] = {};
    char name[80], dir[80];
    const Misuse misuses[] = {
        // No master window yet: every routine that needs one.
        {"CALLBK", false, [&](Binding&) { CALLBK(1, 5); }, 1601},
        {"MENBAR", false, [&](Binding&) { MENBAR(1, -1, -1, r); }, 1601},
        {"MENENT", false, [&](Binding&) { MENENT(1, "x", 1, 0, r); }, 1601},
        {"MENPOP", false, [&](Binding&) { MENPOP(1, 0, 0, r); }, 1601},
        {"MENSEP", false, [&](Binding&) { MENSEP(1, r); }, 1601},
        {"DIACMP", false, [&](Binding&) { DIACMP(1, 0, 0, r); }, 1601},
        {"TEXENT", false, [&](Binding&) { TEXENT(1, 0, 0, "x", 1, 1, 1, r); }, 1601},
        {"BUTTON", false, [&](Binding&) { BUTTON(1, 0, 0, "x", 1, 0, r); }, 1601},
        {"FRADEF", false, [&](Binding&) { FRADEF(1, 0, 0, 1.0f, 1.0f, r); }, 1601},
        {"CALLEX", false, [&](Binding&) { CALLEX(2, 1); }, 1601},
        {"MANAGE", false, [&](Binding&) { MANAGE(); }, 1601},
        {"BROWSE", false, [&](Binding&) { BROWSE(1, 1, 15, 19, name, 80, dir, 80, "*.in", 4); },
         1601},
        {"FRAACT", false, [&](Binding&) { FRAACT(2); }, 1601},
        {"FRACLE", false, [&](Binding&) { FRACLE(2); }, 1601},
        {"WIDINF", false, [&](Binding&) { WIDINF(1, text, 80, info, 16, r, 1); }, 1601},
        {"WIDCHA", false, [&](Binding&) { WIDCHA(1, text, 80, info, 16, r, 1); }, 1601},
        {"GUIPRT", false, [&](Binding&) { GUIPRT(0, r); }, 1601},
        {"FRAENQ", false, [&](Binding&) { FRAENQ(0, x, x, x, x); }, 1601},
        {"WINDRA", false, [&](Binding&) { WINDRA(1); }, 1601},
        {"ACTWIN", false, [&](Binding&) { ACTWIN(0); }, 1601},
        {"WINREM", false, [&](Binding&) { WINREM(1); }, 1601},
        // Checks that need no master.
        {"TEXATR", false, [&](Binding&) { TEXATR(-1, 0, 0, 0); }, 1619},
        {"TEXATR", false, [&](Binding&) { TEXATR(0, 0, -1, 5); }, 1619},
        {"TEXATR", false, [&](Binding&) { TEXATR(0, 0, 0, 2); }, 1635},
        {"TEXATR", false, [&](Binding&) { TEXATR(0, 0, 0, -2); }, 1635},
        {"WIDTTL", false, [&](Binding&) { WIDTTL(-16); }, 1635},
        // With a master: identifiers first (26), then values, then widget types.
        {"MASTER", true, [&](Binding&) { MASTER(0, 2, r); }, 1618},
        {"CALLBK", true, [&](Binding&) { CALLBK(0, 5); }, 1626},
        {"CALLBK", true, [&](Binding& b) { CALLBK(b.bar, 5); }, 1630},
        {"CALLBK", true, [&](Binding&) { CALLBK(999, 5); }, 1630},
        {"MENBAR", true, [&](Binding&) { MENBAR(0, -1, -1, r); }, 1626},
        {"MENBAR", true, [&](Binding& b) { MENBAR(b.item, -1, -1, r); }, 1607},
        {"MENBAR", true, [&](Binding& b) { MENBAR(b.item, 0, -1, r); }, 1607},
        {"MENBAR", true, [&](Binding& b) { MENBAR(b.master, 0, -1, r); }, 1648},
        {"MENENT", true, [&](Binding&) { MENENT(-4, "x", 1, 0, r); }, 1626},
        {"MENENT", true, [&](Binding& b) { MENENT(b.frame, "x", 1, 0, r); }, 1607},
        {"MENPOP", true, [&](Binding&) { MENPOP(0, 0, 0, r); }, 1626},
        {"MENPOP", true, [&](Binding& b) { MENPOP(b.bar, 0, 0, r); }, 1607},
        {"MENSEP", true, [&](Binding&) { MENSEP(0, r); }, 1626},
        {"MENSEP", true, [&](Binding& b) { MENSEP(b.bar, r); }, 1607},
        {"DIACMP", true, [&](Binding&) { DIACMP(0, 0, 0, r); }, 1626},
        {"DIACMP", true, [&](Binding& b) { DIACMP(b.frame, 0, 0, r); }, 1607},
        {"TEXENT", true, [&](Binding&) { TEXENT(0, 0, 0, "x", 1, 1, 1, r); }, 1626},
        {"TEXENT", true, [&](Binding& b) { TEXENT(b.pop, 0, 0, "x", 1, 1, 1, r); }, 1607},
        {"TEXENT", true, [&](Binding& b) { TEXENT(b.master, 0, 0, "x", 1, 1, 1, r); }, 1607},
        {"BUTTON", true, [&](Binding&) { BUTTON(-1, 0, 0, "x", 1, 0, r); }, 1626},
        {"BUTTON", true, [&](Binding& b) { BUTTON(b.pop, 0, 0, "x", 1, 0, r); }, 1607},
        {"FRADEF", true, [&](Binding&) { FRADEF(0, 0, 0, 0.0f, 1.0f, r); }, 1626},
        {"FRADEF", true, [&](Binding& b) { FRADEF(b.item, 0, 0, 0.0f, 750.0f, r); }, 1610},
        {"FRADEF", true, [&](Binding& b) { FRADEF(b.master, 0, 0, 1000.0f, -1.0f, r); }, 1610},
        {"FRADEF", true, [&](Binding& b) { FRADEF(b.item, 0, 0, 1000.0f, 750.0f, r); }, 1607},
        {"CALLEX", true, [&](Binding&) { CALLEX(0, 1); }, 1626},
        {"CALLEX", true, [&](Binding& b) { CALLEX(b.master, 1); }, 1631},
        {"FRAACT", true, [&](Binding& b) { FRAACT(b.master); }, 1626},
        {"FRAACT", true, [&](Binding& b) { FRAACT(b.dialog); }, 1631},
        {"FRACLE", true, [&](Binding&) { FRACLE(0); }, 1626},
        {"FRACLE", true, [&](Binding& b) { FRACLE(b.item); }, 1631},
        {"WIDINF", true, [&](Binding&) { WIDINF(0, text, 80, info, 16, r, 1); }, 1626},
        {"WIDCHA", true, [&](Binding&) { WIDCHA(-1, text, 80, info, 16, r, 1); }, 1626},
        {"GUIPRT", true, [&](Binding&) { GUIPRT(4, r); }, 1635},
        {"GUIPRT", true, [&](Binding&) { GUIPRT(-2, r); }, 1635},
        {"FRAENQ", true, [&](Binding& b) { FRAENQ(b.master, x, x, x, x); }, 1631},
        {"WINDRA", true, [&](Binding&) { WINDRA(0); }, 1626},
        {"WINDRA", true, [&](Binding& b) { WINDRA(b.item); }, 1625},
        {"WINDRA", true, [&](Binding& b) { WINDRA(b.frame); }, 1625},
        {"ACTWIN", true, [&](Binding&) { ACTWIN(-1); }, 1626},
        {"ACTWIN", true, [&](Binding& b) { ACTWIN(b.item); }, 1625},
        {"WINREM", true, [&](Binding&) { WINREM(0); }, 1626},
        {"WINREM", true, [&](Binding& b) { WINREM(b.pop); }, 1625},
    };
    bool built = false;
    for (const Misuse& m : misuses) {
        SCOPED_TRACE(std::string(m.routine) + " " + std::to_string(m.number));
        if (m.withMaster && !built) {
            tarv::errorLogClear();
            buildMaster();
            built = true;
        }
        tarv::errorLogClear();
        const int next = IGetNextIdentifier();
        tarv::traceCapture(true);
        r = -77;
        m.call(*this);
        tarv::traceCapture(false);
        ASSERT_EQ(tarv::errorLog().size(), 1u);
        EXPECT_EQ(tarv::errorLog()[0].number, m.number);
        EXPECT_EQ(tarv::errorLog()[0].routine, m.routine);
        // Nothing else happened: no widget, no result, the name cleared on the way out.
        EXPECT_EQ(IGetNextIdentifier(), next);
        if (std::string(m.routine) != "FRAENQ") { EXPECT_EQ(r, -77); }
        const auto& lines = tarv::traceLines();
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], std::string("kernelSetRoutineName 2 \"") + m.routine + "\"");
        EXPECT_EQ(lines[1], "kernelReportError " + std::to_string(m.number));
        EXPECT_EQ(lines[2], "kernelSetRoutineName 2 \"      \"");
    }
}

TEST_F(Binding, TitleTypeIsRegisteredEvenAfterItsError)
{
    WIDTTL(2);
    ASSERT_EQ(tarv::errorLog().size(), 1u);
    EXPECT_EQ(tarv::errorLog()[0].number, 1635);
    EXPECT_EQ(GetTitleType(), 2);
}

TEST_F(Binding, MenusDispatchOnTheParentType)
{
    buildMaster();
    EXPECT_EQ(IGetWidgetType(entry), 103);  // MENENT on the bar: the title entry (new - 1)
    EXPECT_EQ(pop, entry + 1);              // MENPOP on a title entry: its pop-up
    EXPECT_EQ(IGetWidgetType(pop), 4);
    EXPECT_EQ(IGetWidgetType(item), 5);
    int again = 0, sep = 0;
    MENPOP(entry, 0, 0, again);
    EXPECT_EQ(again, pop);
    MENSEP(pop, sep);
    EXPECT_EQ(IGetWidgetType(sep), 12);
    CALLBK(item, 40);
    EXPECT_TRUE(tarv::errorLog().empty());
}

TEST_F(Binding, FrameActivationSetsTheRasterAndTheOutputArea)
{
    buildMaster();
    float x0 = -1, y0 = -1, x1 = -1, y1 = -1;
    FRAENQ(0, x0, y0, x1, y1);  // before any activation: zeros
    EXPECT_EQ((std::vector<float>{x0, y0, x1, y1}), (std::vector<float>{0, 0, 0, 0}));
    int pw = 0, ph = 0;
    GetBitmapSize(frame, pw, ph);
    tarv::traceCapture(true);
    FRAACT(frame);
    tarv::traceCapture(false);
    char expected[160];
    std::snprintf(expected, sizeof expected, "kernelSetRasterOutput %d %d %.6g %.6g 0 0", pw, ph,
                  1000.0f / pw, 750.0f / ph);
    ASSERT_EQ(tarv::traceLines().size(), 3u);
    EXPECT_EQ(tarv::traceLines()[1], expected);
    FRAENQ(0, x0, y0, x1, y1);
    EXPECT_EQ((std::vector<float>{x0, y0, x1, y1}), (std::vector<float>{0, 0, 1000, 750}));
    FRAENQ(frame, x0, y0, x1, y1);
    EXPECT_EQ((std::vector<float>{x0, y0, x1, y1}), (std::vector<float>{0, 0, 1000, 750}));
}

TEST_F(Binding, ButtonLabelsAndTexts)
{
    buildMaster();
    int ok = 0, blank = 0, line = 0;
    BUTTON(dialog, 4, 1, "OK  ", 4, 'O', ok);
    BUTTON(dialog, 5, 1, "    ", 4, 'Q', blank);
    WIDMIN(8, 1);
    TEXENT(dialog, 1, 4, "Discrete Fourier Transform Analysis", 35, 18, 1, line);
    char text[8];
    int info[4], kind = 0;
    WIDINF(ok, text, 8, info, 16, kind, 1);
    EXPECT_EQ(std::string(text, 8), "OK      ");
    WIDINF(blank, text, 8, info, 16, kind, 1);
    EXPECT_EQ(std::string(text, 8), "        ");  // a one-blank label
    EXPECT_EQ(IGetWidgetType(line), 7);           // a static text line
    WIDINF(line, text, 8, info, 16, kind, 1);
    EXPECT_GE(info[2], 35);  // at least as wide as its text
    // A label goes to the toolkit with the caller's length, trailing blanks included.
    int wide = 0;
    WIDMIN(1, 1);
    BUTTON(dialog, 6, 1, "OK                  ", 20, 'O', wide);
    WIDINF(wide, text, 8, info, 16, kind, 1);
    EXPECT_EQ(info[2], 22);
    EXPECT_TRUE(tarv::errorLog().empty());
}

TEST_F(Binding, MasterTitleIsCutAt80Characters)
{
    const std::string title = std::string(79, 'a') + "bcdefghijklmnopqrstu";  // 100 characters
    WIDSTR(title.c_str(), 100);
    MASTER(0, 2, master);
    char text[100];
    int info[4], kind = 0;
    WIDINF(master, text, 100, info, 16, kind, 1);
    EXPECT_EQ(std::string(text, 100), title.substr(0, 80) + std::string(20, ' '));
}

TEST_F(Binding, ConsoleMessagesAndBoxes)
{
    // A title with an asterisk goes to the message console without it; others make a box.
    std::string longText(300, 'y');
    ::testing::internal::CaptureStderr();
    GUIERR("*Console Title", 14, "to the console", 14);
    GUIERR("Print Request", 13, "Printer Request Failed", 22);
    GUIERR("*Long", 5, longText.c_str(), 300);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Console Title caused to the console"), std::string::npos) << err;
    EXPECT_EQ(err.find("*Console Title"), std::string::npos) << err;
    EXPECT_NE(err.find("Long caused " + std::string(256, 'y') + "\n"), std::string::npos);
    ASSERT_EQ(tpanel::transcript().size(), 1u);
    EXPECT_EQ(tpanel::transcript()[0], "message box \"Print Request\": Printer Request Failed");
}

TEST_F(Binding, ActionWithoutAMasterAbandonsTheProgram)
{
    EXPECT_EXIT(
        {
            int value = 0;
            ACTION(value);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE),
        "Program Abort caused ACTION called without a master window defined");
}

}  // namespace
