// console_test.cpp - messages shown in the console window: the line and the item data each
// message gets, which routing values reach the window and how it starts, the show flags,
// clearing, destroying and creating again, a user's close and resize, and failing windows.
#include <climits>
#include <cstdint>

#include "console_fixture.h"

namespace msgcon_test {
namespace {

using testing::HasSubstr;

struct MessageRow {
    const char* title;
    const char* text;
    int type;
    const char* line;
    std::uint32_t itemData;  // (box << 24) | (category << 16) | low 16 bits of the code
    bool box;
};

const MessageRow messageRows[] = {
    {"GRAPH", "bad count", 3, "GRAPH caused bad count", 0x00000003u, false},
    {"GRAPH", "bad count", -1, "GRAPH : bad count", 0x0000FFFFu, false},
    {"GRAPH", "bad count", -2, "GRAPH caused bad count", 0x0000FFFEu, false},
    {"GRAPH", "bad count", 0, "GRAPH caused bad count", 0x00000000u, false},
    {"aXXXXXXb", "bare text", 3, "bare text", 0x00000003u, false},
    {"XXXXXX", "bare text", -1, "bare text", 0x0000FFFFu, false},
    {"XXXXX", "five is no marker", 3, "XXXXX caused five is no marker", 0x00000003u, false},
    {"Title", "XXXXXX in the text", 3, "Title caused XXXXXX in the text", 0x00000003u, false},
    {"Fatal", "stop ***", 7, "Fatal caused stop ***", 0x01000007u, true},
    {"*** in title", "plain", 7, "*** in title caused plain", 0x00000007u, false},
    {"Title", "**", 7, "Title caused **", 0x00000007u, false},
    {"Note", "four", 4, "Note caused four", 0x01000004u, true},
    {"T", "M", 499, "T caused M", 0x000001F3u, false},
    {"T", "M", 500, "T caused M", 0x00010000u, false},
    {"T", "M", 999, "T caused M", 0x000101F3u, false},
    {"T", "M", 1000, "T caused M", 0x00020000u, false},
    {"T", "M", 1499, "T caused M", 0x000201F3u, false},
    {"T", "M", 1500, "T caused M", 0x00000000u, false},
    {"T", "M", 1550, "T caused M", 0x00000000u, false},
    {"T", "M", 1599, "T caused M", 0x00000000u, false},
    {"T", "M", 1600, "T caused M", 0x00030000u, false},
    {"T", "M", 1626, "T caused M", 0x0003001Au, false},
    {"T", "M ***", 1626, "T caused M ***", 0x0103001Au, true},
    {"T", "M", 1999, "T caused M", 0x0003018Fu, false},
    {"T", "M", 2000, "T caused M", 0x00000000u, false},
    {"T", "M", 2999, "T caused M", 0x000003E7u, false},
    {"T", "M", 3000, "T caused M", 0x00000000u, false},
    {"T", "M", INT_MAX, "T caused M", 0x00000000u, false},
    {"T", "M", -70000, "T caused M", 0x0000EE90u, false},
    {"T", "M", INT_MIN, "T caused M", 0x00000000u, false},
    {"", "", 3, " caused ", 0x00000003u, false},
};

// All rows go to one window in turn: each line keeps its own data, the newest is in view,
// and only the flagged rows raise a box, with the text alone.
TEST_F(ConsoleTest, EachMessageGivesItsLineItemDataAndBox)
{
    std::vector<std::string> boxes;
    for (const MessageRow& r : messageRows) {
        send(r.title, r.text, r.type);
        if (r.box) boxes.push_back(r.text);
    }
    const auto& lines = window().lines;
    ASSERT_EQ(lines.size(), std::size(messageRows));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(testing::Message()
                     << "title \"" << messageRows[i].title << "\" type " << messageRows[i].type);
        EXPECT_EQ(lines[i].text, messageRows[i].line);
        EXPECT_EQ(lines[i].itemData, messageRows[i].itemData) << std::hex << lines[i].itemData;
    }
    EXPECT_EQ(window().topIndex, static_cast<int>(lines.size()) - 1);
    ASSERT_EQ(layer().messageBoxes.size(), boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(layer().messageBoxes[i].text, boxes[i]);
        EXPECT_EQ(layer().messageBoxes[i].caption, "TARV Message");
    }
    EXPECT_EQ(state().messageCount, static_cast<int>(lines.size()));
}

struct RoutingRow {
    int a, b;
    bool console;
    bool visible, minimised;
};

const RoutingRow routingRows[] = {
    {0, 0, true, true, false},   {5, 5, true, true, false},   {3, 3, true, true, false},
    {7, 7, true, true, false},   {5, 2, true, false, false},  {5, 1, true, true, true},
    {7, -3, true, true, false},  {5, 7, false, false, false}, {5, 3, false, false, false},
    {7, 5, false, false, false},
};

TEST_F(ConsoleTest, RegisteredValuesChooseWindowOrLogAndHowTheWindowStarts)
{
    for (const RoutingRow& r : routingRows) {
        SCOPED_TRACE(testing::Message() << "a " << r.a << " b " << r.b);
        freshProcess();
        registerValues(r.a, r.b);
        send("T", "M", 3);
        EXPECT_EQ(window().exists, r.console);
        EXPECT_EQ(fs::exists(dir / "prog.ERR"), !r.console);
        if (r.console) {
            ASSERT_EQ(window().lines.size(), 1u);
            EXPECT_EQ(window().visible, r.visible);
            EXPECT_EQ(window().minimised, r.minimised);
        } else {
            EXPECT_THAT(readFile(dir / "prog.ERR"), HasSubstr("\nT caused M\n"));
        }
        msgcon::resetConsoleState();  // closes the log before the directory is reused
        fs::remove(dir / "prog.ERR");
    }
}

TEST_F(ConsoleTest, UnregisteredConsoleShowsTheWindow)
{
    send("T", "M", 3);
    EXPECT_TRUE(window().exists);
    EXPECT_TRUE(window().visible);
    EXPECT_FALSE(fs::exists(dir / "prog.ERR"));
}

// The show mode is taken when the window is made; a later registration changes the routing
// at once but the window's state only when it is made again.
TEST_F(ConsoleTest, ShowModeIsTakenWhenTheWindowIsCreated)
{
    registerValues(5, 2);
    send("T", "one", 3);
    EXPECT_FALSE(window().visible);
    registerValues(5, 1);
    send("T", "two", 3);
    EXPECT_FALSE(window().visible);
    EXPECT_EQ(layer().windowsCreated, 1);
    registerValues(5, 7);
    send("T", "three", 3);
    EXPECT_EQ(window().lines.size(), 2u);
    EXPECT_THAT(readFile(dir / "prog.ERR"), HasSubstr("\nT caused three\n"));
    registerValues(5, 1);
    ASSERT_EQ(destroyconsole_(), 1);
    send("T", "four", 3);
    EXPECT_TRUE(window().visible);
    EXPECT_TRUE(window().minimised);
}

struct PlacementRow {
    msgcon::ScreenMetrics metrics;
    int x, y, width, height;
};

TEST_F(ConsoleTest, WindowIsAStripAlongTheBottomLeft)
{
    const PlacementRow rows[] = {
        {{1024, 768, 4, 18}, 0, 602, 512, 166},
        {{1920, 1080, 5, 23}, 0, 843, 960, 237},
        {{1366, 770, 3, 19}, 0, 603, 683, 167},  // 770 / 4 rounds down
    };
    for (const PlacementRow& r : rows) {
        freshProcess();
        layer().metrics = r.metrics;
        send("T", "M", 3);
        const msgcon::MemoryWindow& w = window();
        EXPECT_EQ(w.title, "TARV Messages");
        EXPECT_EQ(w.x, r.x);
        EXPECT_EQ(w.y, r.y);
        EXPECT_EQ(w.width, r.width);
        EXPECT_EQ(w.height, r.height);
        EXPECT_TRUE(w.hasList);
        EXPECT_EQ(w.listText, "Error List");
        EXPECT_EQ(w.listId, 100);
    }
}

struct ShowRow {
    int startB;  // 0 normal, 1 minimised, 2 hidden
    int flags;
    bool visible, minimised;
    int stacking;  // 0 unchanged, 1 top, 2 bottom
};

TEST_F(ConsoleTest, ShowFlagsChangeVisibilityAndStackingOrder)
{
    const ShowRow rows[] = {
        {0, 0, true, false, 0},          {2, 1, true, false, 0},      {0, 2, false, false, 0},
        {0, 3, true, false, 0},          {1, 4, true, false, 0},      {0, 8, true, true, 0},
        {2, 8, true, true, 0},           {0, 15, true, false, 0},     {0, 16, true, false, 1},
        {0, 32, true, false, 2},         {0, 48, true, false, 0},     {0, 34, false, false, 2},
        {1, 20, true, false, 1},         {0, 0x102, false, false, 0}, {2, -1, false, false, 0},
        {0, 0x7FFFFF10, true, false, 1},
    };
    for (const ShowRow& r : rows) {
        SCOPED_TRACE(testing::Message() << "start b " << r.startB << " flags " << r.flags);
        freshProcess();
        registerValues(r.startB, r.startB);
        send("T", "M", 3);
        showFlags(r.flags);
        EXPECT_EQ(window().visible, r.visible);
        EXPECT_EQ(window().minimised, r.minimised);
        EXPECT_EQ(window().stacking, r.stacking);
    }
}

TEST_F(ConsoleTest, ShowFlagsNeverCreateTheWindow)
{
    showFlags(1);
    showFlags(16);
    showconsole_(nullptr);
    EXPECT_EQ(layer().windowsCreated, 0);
    EXPECT_FALSE(window().exists);
}

TEST_F(ConsoleTest, ClearEmptiesTheListAndCountsAfresh)
{
    EXPECT_EQ(clearconsole_(), 0);  // no window yet
    send("A", "one", 501);
    send("A", "two", 502);
    send("A", "three", 503);
    EXPECT_EQ(clearconsole_(), 0);
    EXPECT_TRUE(window().lines.empty());
    EXPECT_EQ(state().messageCount, 0);
    EXPECT_TRUE(window().exists);
    send("B", "four", 1626);
    ASSERT_EQ(window().lines.size(), 1u);
    EXPECT_EQ(window().lines[0].text, "B caused four");
    EXPECT_EQ(window().lines[0].itemData, 0x0003001Au);
    EXPECT_EQ(window().topIndex, 0);
    EXPECT_EQ(layer().windowsCreated, 1);
}

TEST_F(ConsoleTest, DestroyThenTheNextMessageCreatesTheWindowAgain)
{
    registerValues(5, 2);
    send("A", "one", 3);
    send("A", "two", 3);
    EXPECT_EQ(destroyconsole_(), 1);
    EXPECT_FALSE(window().exists);
    EXPECT_EQ(layer().windowsDestroyed, 1);
    EXPECT_EQ(state().consoleWindow, nullptr);
    EXPECT_EQ(state().listBox, nullptr);
    EXPECT_TRUE(state().title.empty());
    EXPECT_EQ(state().messageCount, 0);

    registerValues(5, 5);
    send("B", "three", 1601);
    EXPECT_EQ(layer().windowsCreated, 2);
    ASSERT_TRUE(window().exists);
    EXPECT_EQ(window().title, "TARV Messages");
    EXPECT_TRUE(window().visible);
    ASSERT_EQ(window().lines.size(), 1u);
    EXPECT_EQ(window().lines[0].text, "B caused three");
    EXPECT_EQ(window().lines[0].itemData, 0x00030001u);
    EXPECT_EQ(destroyconsole_(), 1);
    EXPECT_EQ(destroyconsole_(), 1);  // nothing left to destroy
}

TEST_F(ConsoleTest, FailedDestroyKeepsTheWindowAndItsLines)
{
    send("A", "one", 3);
    layer().failDestroy = true;
    EXPECT_EQ(destroyconsole_(), 0);
    EXPECT_TRUE(window().exists);
    EXPECT_EQ(state().title, "TARV Messages");
    send("A", "two", 3);
    ASSERT_EQ(window().lines.size(), 2u);
    EXPECT_EQ(window().lines[1].text, "A caused two");
    EXPECT_EQ(layer().windowsCreated, 1);
    layer().failDestroy = false;
    EXPECT_EQ(destroyconsole_(), 1);
    EXPECT_FALSE(window().exists);
}

// A user's close only hides the window; resizing to a normal or full size fits the list to it.
TEST_F(ConsoleTest, UserCloseHidesAndResizeFitsTheList)
{
    send("A", "one", 3);
    EXPECT_EQ(msgcon::memoryUserClose(), 0);
    EXPECT_TRUE(window().exists);
    EXPECT_FALSE(window().visible);
    send("A", "two", 3);
    EXPECT_EQ(window().lines.size(), 2u);
    EXPECT_EQ(layer().windowsCreated, 1);

    EXPECT_EQ(msgcon::memoryUserResize(msgcon::SizeKind::Restored, 300, 120), 0);
    EXPECT_EQ(window().listWidth, 300);
    EXPECT_EQ(window().listHeight, 120);
    EXPECT_EQ(msgcon::memoryUserResize(msgcon::SizeKind::Maximised, 1000, 700), 0);
    EXPECT_EQ(window().listWidth, 1000);
    EXPECT_NE(msgcon::memoryUserResize(msgcon::SizeKind::Minimised, 0, 0), 0);
    EXPECT_EQ(window().listWidth, 1000);
    EXPECT_EQ(window().listHeight, 700);
    EXPECT_EQ(layer().classRegistrations, 1);
}

TEST_F(ConsoleTest, WindowClassIsRegisteredOnceAcrossCreations)
{
    send("A", "one", 3);
    ASSERT_EQ(destroyconsole_(), 1);
    send("A", "two", 3);
    EXPECT_EQ(layer().windowsCreated, 2);
    EXPECT_EQ(layer().classRegistrations, 1);
    EXPECT_EQ(state().icon, msgcon::memorySystemIcon());  // no resource library here
}

// A window or list that cannot be made loses the line only to the terminal, and the next
// message tries again.
TEST_F(ConsoleTest, MissingWindowSendsTheLineToTheTerminalAndIsRetried)
{
    for (bool listFails : {false, true}) {
        SCOPED_TRACE(listFails ? "list fails" : "window fails");
        freshProcess();
        (listFails ? layer().failCreateList : layer().failCreateWindow) = true;
        testing::internal::CaptureStderr();
        send("A", "lost one", 3);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_THAT(err, HasSubstr("A caused lost one\n"));
        EXPECT_FALSE(window().exists);
        EXPECT_FALSE(state().created);
        EXPECT_EQ(state().consoleWindow, nullptr);

        layer().failCreateList = layer().failCreateWindow = false;
        send("A", "kept", 3);
        ASSERT_TRUE(window().exists);
        ASSERT_EQ(window().lines.size(), 1u);
        EXPECT_EQ(window().lines[0].text, "A caused kept");
    }
}

// A list that refuses a line answers -1; that must not be taken as an index, which would
// give every earlier line this message's data.
TEST_F(ConsoleTest, RefusedLineLeavesTheOtherLinesData)
{
    send("A", "one", 501);
    send("A", "two ***", 1602);
    layer().failAddLine = true;
    testing::internal::CaptureStderr();
    send("A", "three", 1999);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_THAT(err, HasSubstr("A caused three\n"));
    ASSERT_EQ(window().lines.size(), 2u);
    EXPECT_EQ(window().lines[0].itemData, 0x00010001u);
    EXPECT_EQ(window().lines[1].itemData, 0x01030002u);
    EXPECT_EQ(window().topIndex, 1);
}

TEST_F(ConsoleTest, LinesAndBoxesAreEchoedToTheTerminal)
{
    int high[] = {'c', 'a', 'f', 0xE9};
    int title[] = {'T'};
    int lt = 1, lx = 4, type = 4;
    testing::internal::CaptureStderr();
    send("GRAPH", "bad count", 3);
    errormessage_(title, high, &lt, &lx, &type);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err,
              "TARV Messages: GRAPH caused bad count\n"
              "TARV Messages: T caused caf\xC3\xA9\n"
              "TARV Message: caf\xC3\xA9\n");
}

}  // namespace
}  // namespace msgcon_test
