// error_log_test.cpp - the error log: its name beside the program, the header of a new log,
// one flushed line per message, appending after destroyconsole_, and logs that cannot be
// opened, which must lose no line silently and create no file elsewhere.
#include <regex>

#include "console_fixture.h"

namespace msgcon_test {
namespace {

using testing::HasSubstr;
using testing::MatchesRegex;

// A hidden program's leading dot is part of its name, not an extension: replacing it would
// leave a log called only ".ERR", shared by every hidden program in the directory.
TEST(ErrorLogName, ReplacesOnlyTheFileNamesExtension)
{
    const struct {
        const char* program;
        const char* log;
    } rows[] = {
        {"/opt/app.v1.2/bin.d/specvue", "/opt/app.v1.2/bin.d/specvue.ERR"},
        {"/opt/app.v1.2/specvue.exe", "/opt/app.v1.2/specvue.ERR"},
        {"/opt/specvue.tar.gz", "/opt/specvue.tar.ERR"},
        {"/specvue", "/specvue.ERR"},
        {"specvue", "specvue.ERR"},
        {"specvue.bin", "specvue.ERR"},
        {"./specvue", "./specvue.ERR"},
        {"../a.b/specvue", "../a.b/specvue.ERR"},
        {"/opt/specvue.", "/opt/specvue.ERR"},
        {"/opt/.specvue", "/opt/.specvue.ERR"},
        {".specvue", ".specvue.ERR"},
        {"/opt/.specvue.bin", "/opt/.specvue.ERR"},
        {"", ""},
    };
    for (const auto& r : rows) EXPECT_EQ(msgcon::errorLogName(r.program), r.log) << r.program;
}

TEST(ErrorLogHeader, TimeIsInTheAsctimeForm)
{
    std::tm epoch{};
    epoch.tm_mday = 1;
    epoch.tm_wday = 4;
    epoch.tm_year = 70;
    EXPECT_EQ(msgcon::asctimeText(epoch), "Thu Jan  1 00:00:00 1970\n");
    std::tm later{};
    later.tm_sec = 7;
    later.tm_min = 51;
    later.tm_hour = 12;
    later.tm_mday = 10;
    later.tm_mon = 11;
    later.tm_wday = 4;
    later.tm_year = 126;
    EXPECT_EQ(msgcon::asctimeText(later), "Thu Dec 10 12:51:07 2026\n");
    later.tm_year = 10000;  // no overflow of a fixed buffer for far years
    EXPECT_EQ(msgcon::asctimeText(later), "Thu Dec 10 12:51:07 11900\n");
}

TEST(ErrorLogPath, DefaultsToTheRunningProgram)
{
    msgcon::resetMemoryLayer();
    EXPECT_EQ(msgcon::memoryWindowLayer.moduleFileName(),
              std::filesystem::read_symlink("/proc/self/exe").string());
}

const char* const headerPattern =
    "TARV Error Log: Created \\(Local Time\\) "
    "(Sun|Mon|Tue|Wed|Thu|Fri|Sat) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
    "[ 123][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}\n\n";

bool startsWithHeader(const std::string& content, std::string& rest)
{
    std::smatch m;
    if (!std::regex_search(content, m, std::regex(headerPattern),
                           std::regex_constants::match_continuous))
        return false;
    rest = m.suffix();
    return true;
}

// One program at a path with dots in its directories: the log starts afresh (an old log of an
// earlier run is replaced), each line is in the file before the next message, the log
// appends after a destroy, and a new run starts it afresh again.
TEST_F(ConsoleTest, LogLifecycleAcrossDestroyAndRuns)
{
    fs::path home = dir / "app.v1.2";
    fs::create_directory(home);
    setProgram(home / "specvue");
    {
        std::ofstream(home / "specvue.ERR") << "left from an earlier run\n";
    }
    registerValues(1, 3);

    send("GRAPH", "bad count", 515);
    std::string rest;
    ASSERT_TRUE(startsWithHeader(readFile(home / "specvue.ERR"), rest))
        << readFile(home / "specvue.ERR");
    EXPECT_EQ(rest, "GRAPH caused bad count\n");
    send("XXXXXX", "Program Abort", -1);
    ASSERT_TRUE(startsWithHeader(readFile(home / "specvue.ERR"), rest));
    EXPECT_EQ(rest, "GRAPH caused bad count\nProgram Abort\n");
    EXPECT_FALSE(window().exists);
    EXPECT_FALSE(fs::exists(home / "specvue"));  // nothing but the log is written

    EXPECT_EQ(destroyconsole_(), 1);
    EXPECT_EQ(state().logState, msgcon::LogClosed);
    send("MENU", "third", 1626);
    send("MENU", "fourth", -1);
    ASSERT_TRUE(startsWithHeader(readFile(home / "specvue.ERR"), rest));
    EXPECT_EQ(rest, "GRAPH caused bad count\nProgram Abort\nMENU caused third\nMENU : fourth\n");

    freshProcess();
    setProgram(home / "specvue");
    registerValues(1, 3);
    send("NEXT", "run", 3);
    ASSERT_TRUE(startsWithHeader(readFile(home / "specvue.ERR"), rest));
    EXPECT_EQ(rest, "NEXT caused run\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(home), fs::directory_iterator()), 1);
}

TEST_F(ConsoleTest, LoggedMessageStillRaisesItsBox)
{
    registerValues(5, 7);
    send("Fatal", "out of memory ***", 2);
    send("Note", "type four", 4);
    std::string rest;
    ASSERT_TRUE(startsWithHeader(readFile(dir / "prog.ERR"), rest));
    EXPECT_EQ(rest, "Fatal caused out of memory ***\nNote caused type four\n");
    ASSERT_EQ(layer().messageBoxes.size(), 2u);
    EXPECT_EQ(layer().messageBoxes[0].text, "out of memory ***");
    EXPECT_EQ(layer().messageBoxes[1].text, "type four");
}

TEST_F(ConsoleTest, LogBytesAreTheLinesBytes)
{
    registerValues(5, 7);
    std::vector<int> title = {'T'}, text = {0xE9, 0x1FF, '*', '*', '*'};
    int lt = 1, lx = 5, type = 3;
    errormessage_(title.data(), text.data(), &lt, &lx, &type);
    std::string rest;
    ASSERT_TRUE(startsWithHeader(readFile(dir / "prog.ERR"), rest));
    EXPECT_EQ(rest, "T caused \xE9\xFF***\n");
}

// A log in a directory that does not exist, or whose name is taken by a directory: the line
// reaches the terminal with the reason, no file is made anywhere, the box is still raised,
// and the next message tries again.
TEST_F(ConsoleTest, UnopenableLogLosesNothingSilentlyAndIsRetried)
{
    registerValues(5, 7);
    for (bool missingDirectory : {true, false}) {
        SCOPED_TRACE(missingDirectory ? "missing directory" : "directory in the way");
        freshProcess();
        registerValues(5, 7);
        fs::path home = dir / "gone.d";
        fs::path log = home / "prog.ERR";
        if (!missingDirectory) fs::create_directories(log);
        setProgram(home / "prog");

        testing::internal::CaptureStderr();
        send("GRAPH", "not logged ***", 3);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_THAT(err, HasSubstr(log.string()));
        EXPECT_THAT(err, HasSubstr("GRAPH caused not logged ***\n"));
        EXPECT_EQ(layer().messageBoxes.size(), 1u);
        EXPECT_EQ(state().logState, msgcon::LogNeverOpened);
        EXPECT_EQ(fs::exists(home), !missingDirectory);
        EXPECT_FALSE(fs::is_regular_file(log));

        fs::remove_all(home);
        fs::create_directory(home);
        send("GRAPH", "logged", 3);
        std::string rest;
        ASSERT_TRUE(startsWithHeader(readFile(log), rest));
        EXPECT_EQ(rest, "GRAPH caused logged\n");
        msgcon::resetConsoleState();
        fs::remove_all(home);
    }
}

TEST_F(ConsoleTest, UnknownProgramNameWritesNoLog)
{
    registerValues(5, 7);
    setProgram("");
    testing::internal::CaptureStderr();
    send("GRAPH", "nowhere", 3);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_THAT(err, HasSubstr("GRAPH caused nowhere\n"));
    EXPECT_EQ(state().logState, msgcon::LogNeverOpened);
    EXPECT_TRUE(fs::is_empty(dir));
}

}  // namespace
}  // namespace msgcon_test
