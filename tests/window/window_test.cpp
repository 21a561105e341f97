// window_test.cpp - the program in a window on a private X server, driven by real key presses
// (xdotool): a console message, the data and result files chosen in the file chooser, the
// analysis, the amplitude plot, a resize, the About dialog, a print to a PDF file, and Exit.
// The same steps run scripted give the reference: the screen must show that run's pictures
// pixel for pixel inside the frame, below a menu bar, and the result file and the PDF must be
// the same bytes.  Every wait is bounded polling; the X server and the program end with the
// test whatever happens.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <gdk/gdk.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tmsgcon.h"
#include "tpanel.h"

// The X and GDK libraries are built without frame pointers: the leak checker's fast stack
// walk stops inside them, so the suppressions of their process-long allocations (matched by
// library name) could not apply.  A full walk finds the library.
extern "C" const char* __lsan_default_options() { return "fast_unwind_on_malloc=0"; }

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

using Picture = std::unique_ptr<GdkPixbuf, void (*)(gpointer)>;

const char kTitle[] = "SPECVUE - DISCRETE FOURIER ANALYSIS PROGRAM";
const std::string kDataFile = std::string(TARV_SOURCE_DIR) + "/examples/dft_input.in";

std::string readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A PDF without its creation time, the one part that differs between two runs.
std::string withoutDate(std::string pdf)
{
    const std::size_t at = pdf.find("/CreationDate (");
    if (at != std::string::npos) pdf.erase(at, pdf.find(')', at) + 1 - at);
    return pdf;
}

bool onPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && access((fs::path(dir) / name).c_str(), X_OK) == 0) return true;
    return false;
}

// Polls `done` every 50 ms for at most `seconds`.
bool waitFor(double seconds, const std::function<bool()>& done)
{
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (done()) return true;
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

struct Launch {
    std::vector<std::string> args;
    fs::path dir = ".";
    std::map<std::string, std::string> env;  // an empty value removes the variable
    fs::path output;                         // stdout and stderr; empty: a pipe, read by run()
    int keepFd = -1;                         // a descriptor the child keeps
};

// Starts a child that dies with the test process.  `pipeFd` receives the read end of its
// output when no output file is given.
pid_t spawn(const Launch& l, int* pipeFd = nullptr)
{
    int out[2] = {-1, -1};
    if (l.output.empty() && pipe(out) != 0) return -1;
    const pid_t pid = fork();
    if (pid != 0) {
        if (out[1] >= 0) close(out[1]);
        if (pipeFd) *pipeFd = out[0];
        return pid;
    }
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (chdir(l.dir.c_str()) != 0) _exit(126);
    for (const auto& [name, value] : l.env) {
        if (value.empty()) unsetenv(name.c_str());
        else setenv(name.c_str(), value.c_str(), 1);
    }
    const int sink =
        l.output.empty() ? out[1] : open(l.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(sink, 1);
    dup2(sink, 2);
    for (int fd = 3; fd < 1024; ++fd)
        if (fd != l.keepFd) close(fd);
    std::vector<char*> argv;
    for (const std::string& a : l.args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

// Waits for a child at most `seconds`; its exit status, or -1 when it did not end (it is then
// killed).
int reap(pid_t pid, double seconds)
{
    int status = 0;
    if (waitFor(seconds, [&] { return waitpid(pid, &status, WNOHANG) == pid; }))
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

class WindowRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!onPath("Xvfb") || !onPath("xdotool"))
            GTEST_SKIP() << "the window test needs Xvfb and xdotool (Debian packages xvfb and "
                            "xdotool); they are not installed";
        char pattern[] = "/tmp/specvue-window-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        fs::create_directories(dir_ / "reference");
        fs::create_directories(dir_ / "window");
    }

    void TearDown() override
    {
        if (program_ > 0) reap(program_, 0), program_ = -1;
        if (HasFailure()) std::printf("pictures and logs kept in %s\n", dir_.c_str());
        else if (!dir_.empty()) fs::remove_all(dir_);
    }

    // The X server of this test process (on a free display it picks itself) and our own
    // connection to it.  It serves every test of the process and ends with it, since GTK in
    // this process stays connected to the display it first opened.
    struct Server {
        pid_t pid = -1;
        std::string display;
        GdkDisplay* connection = nullptr;
        ~Server()
        {
            if (pid > 0) kill(pid, SIGTERM), reap(pid, 5);
        }
    };

    static Server& server()
    {
        static Server s;
        return s;
    }

    void startServer()
    {
        Server& x = server();
        if (x.pid > 0) {
            display = x.display;
            display_ = x.connection;
            return;
        }
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        x.pid = spawn({{"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0",
                        "1280x1024x24", "-nolisten", "tcp"},
                       "/",
                       {},
                       dir_ / "xvfb.log",
                       ready[1]});
        close(ready[1]);
        std::string number;
        const auto end = Clock::now() + std::chrono::seconds(15);
        while (number.find('\n') == std::string::npos && Clock::now() < end) {
            pollfd p{ready[0], POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            char c[16];
            const ssize_t n = read(ready[0], c, sizeof c);
            if (n <= 0) break;
            number.append(c, static_cast<std::size_t>(n));
        }
        close(ready[0]);
        ASSERT_NE(number.find('\n'), std::string::npos)
            << "Xvfb did not start: " << readFile(dir_ / "xvfb.log");
        x.display = display = ":" + number.substr(0, number.find('\n'));
        gdk_set_allowed_backends("x11");
        x.connection = display_ = gdk_display_open(display.c_str());
        ASSERT_NE(display_, nullptr) << "cannot open " << display;
    }

    // Points this process's own GTK (the console, the toolkit) at the display.
    void useDisplayHere()
    {
        setenv("DISPLAY", display.c_str(), 1);
        unsetenv("TPANEL_SCRIPT");
        unsetenv("WAYLAND_DISPLAY");
        setenv("NO_AT_BRIDGE", "1", 1);
        setenv("GSETTINGS_BACKEND", "memory", 1);
    }

    // The program in a window, in `dir`; its main window.
    std::string startProgram(const fs::path& dir)
    {
        program_ = spawn({{SPECVUE_PROGRAM},
                          dir,
                          {{"DISPLAY", display},
                           {"TPANEL_SCRIPT", ""},
                           {"WAYLAND_DISPLAY", ""},
                           {"GDK_BACKEND", "x11"},
                           {"HOME", dir.string()},
                           {"NO_AT_BRIDGE", "1"},
                           {"GSETTINGS_BACKEND", "memory"},
                           {"XDG_RUNTIME_DIR", dir.string()}},
                          dir_ / "program.log"});
        return awaitWindow(kTitle, "", 60);
    }

    // xdotool's answer (its standard output), or nothing when it failed.
    std::string xdo(std::vector<std::string> args, bool* ok = nullptr)
    {
        args.insert(args.begin(), "xdotool");
        int fd = -1;
        const pid_t pid = spawn({args, dir_, {{"DISPLAY", display}}, {}}, &fd);
        std::string out;
        const auto end = Clock::now() + std::chrono::seconds(10);
        for (;;) {
            pollfd p{fd, POLLIN, 0};
            if (Clock::now() > end) break;
            if (poll(&p, 1, 100) <= 0) continue;
            char buffer[512];
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n <= 0) break;
            out.append(buffer, static_cast<std::size_t>(n));
        }
        close(fd);
        const int status = reap(pid, 2);
        if (ok) *ok = status == 0;
        return status == 0 ? out : std::string();
    }

    // The shown windows whose whole title is `title`.
    std::vector<std::string> windows(const std::string& title)
    {
        std::istringstream ids(xdo({"search", "--onlyvisible", "--name", "^" + title + "$"}));
        std::vector<std::string> found;
        for (std::string id; ids >> id;) found.push_back(id);
        return found;
    }

    // A shown window of that title other than `other`, waiting at most `seconds`.
    std::string awaitWindow(const std::string& title, const std::string& other = "",
                            double seconds = 15)
    {
        std::string id;
        waitFor(seconds, [&] {
            for (const std::string& w : windows(title))
                if (w != other) id = w;
            return !id.empty();
        });
        return id;
    }

    bool awaitGone(const std::string& id, const std::string& title)
    {
        return waitFor(15, [&] {
            const auto shown = windows(title);
            return std::find(shown.begin(), shown.end(), id) == shown.end();
        });
    }

    // Key presses in a window, a tenth of a second apart so that a menu is open before the
    // next key comes.
    void keys(const std::string& window, std::vector<std::string> keys)
    {
        xdo({"windowfocus", "--sync", window});
        keys.insert(keys.begin(), {"key", "--delay", "100"});
        xdo(keys);
    }

    // Presses keys in a window until `done` holds, three tries at most; a try that went astray
    // (a key lost before a menu opened) is undone with Escape first.
    bool drive(const std::string& window, const std::vector<std::string>& keyList,
               const std::function<bool()>& done, double seconds = 10)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            keys(window, keyList);
            if (waitFor(seconds, done)) return true;
            xdo({"key", "Escape", "Escape"});
        }
        return false;
    }

    bool shown(const std::string& title) { return !windows(title).empty(); }

    // Chooses a file in the chooser that `title` names: the typed path replaces the proposal.
    void choose(const std::string& title, const std::string& path)
    {
        const std::string chooser = awaitWindow(title);
        ASSERT_FALSE(chooser.empty()) << "no file chooser \"" << title << "\"";
        keys(chooser, {"ctrl+a"});
        xdo({"type", "--delay", "5", path});
        xdo({"key", "Delete", "Return"});  // Delete drops a completion the chooser proposed
        ASSERT_TRUE(awaitGone(chooser, title)) << "the chooser \"" << title << "\" stayed";
    }

    std::map<std::string, int> geometry(const std::string& window)
    {
        std::istringstream lines(xdo({"getwindowgeometry", "--shell", window}));
        std::map<std::string, int> g;
        for (std::string line; std::getline(lines, line);)
            if (line.find('=') != std::string::npos)
                g[line.substr(0, line.find('='))] =
                    std::atoi(line.substr(line.find('=') + 1).c_str());
        return g;
    }

    // Asks a window to close, as a window manager does for the close button of its frame.
    void closeWindow(const std::string& window)
    {
        Display* x = gdk_x11_display_get_xdisplay(display_);
        XEvent close{};
        close.xclient.type = ClientMessage;
        close.xclient.window = std::stoul(window);
        close.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
        close.xclient.format = 32;
        close.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
        close.xclient.data.l[1] = CurrentTime;
        XSendEvent(x, close.xclient.window, False, NoEventMask, &close);
        XFlush(x);
    }

    GdkPixbuf* screenshot(int x, int y, int width, int height)
    {
        GdkWindow* root = gdk_screen_get_root_window(gdk_display_get_default_screen(display_));
        return gdk_pixbuf_get_from_window(root, x, y, width, height);
    }

    // What the screen shows of a window.
    Picture windowPicture(const std::string& window)
    {
        auto g = geometry(window);
        return Picture(screenshot(g["X"], g["Y"], g["WIDTH"], g["HEIGHT"]), g_object_unref);
    }

    std::string display;
    fs::path dir_;
    pid_t program_ = -1;
    GdkDisplay* display_ = nullptr;
};

struct Rgb {
    int r, g, b;
};

Rgb pixel(const GdkPixbuf* p, int x, int y)
{
    const guchar* at = gdk_pixbuf_read_pixels(p) + y * gdk_pixbuf_get_rowstride(p) +
        x * gdk_pixbuf_get_n_channels(p);
    return {at[0], at[1], at[2]};
}

// Whether `part` stands in `whole` with its top left corner at (x, y), pixel for pixel.
bool holdsAt(const GdkPixbuf* whole, const GdkPixbuf* part, int x, int y)
{
    const int w = gdk_pixbuf_get_width(part), h = gdk_pixbuf_get_height(part);
    if (x + w > gdk_pixbuf_get_width(whole) || y + h > gdk_pixbuf_get_height(whole)) return false;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const Rgb a = pixel(whole, x + i, y + j), b = pixel(part, i, j);
            if (a.r != b.r || a.g != b.g || a.b != b.b) return false;
        }
    return true;
}

// The row of the window at which `part` stands at the left edge; -1 when it does not.
int rowOf(const GdkPixbuf* window, const GdkPixbuf* part)
{
    for (int y = 0; y + gdk_pixbuf_get_height(part) <= gdk_pixbuf_get_height(window); ++y)
        if (holdsAt(window, part, 0, y)) return y;
    return -1;
}

// Pixels of a colour (not grey) in a region: the plotted curve.
int colouredPixels(const GdkPixbuf* p, int top, int height)
{
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = 0; x < gdk_pixbuf_get_width(p); ++x) {
            const Rgb c = pixel(p, x, y);
            if (std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) > 60) ++count;
        }
    return count;
}

// Dark pixels (text) in a band of rows.
int darkPixels(const GdkPixbuf* p, int top, int height)
{
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = 0; x < gdk_pixbuf_get_width(p); ++x) {
            const Rgb c = pixel(p, x, y);
            if (c.r + c.g + c.b < 3 * 110) ++count;
        }
    return count;
}

TEST_F(WindowRun, AnalysisPlotResizeAboutPrintAndExit)
{
    // The reference: the same steps scripted.
    const fs::path ref = dir_ / "reference", win = dir_ / "window";
    std::ofstream(ref / "steps.script") << "browse " << kDataFile << "\n"
                                        << "menu File/Open Data File\n"
                                           "browse result.out\n"
                                           "menu File/Open Output File\n"
                                           "menu Analyze Data/Run DFT on Selected Data File\n"
                                           "menu Plot Results/Amplitude Results\n"
                                           "snapshot amplitude.png\n"
                                           "resize 40 25\n"
                                           "snapshot resized.png\n"
                                           "print-to plot.pdf\n"
                                           "print ok\n"
                                           "menu File/Print\n"
                                           "exit\n";
    const pid_t scripted =
        spawn({{SPECVUE_PROGRAM},
               ref,
               {{"TPANEL_SCRIPT", (ref / "steps.script").string()}, {"DISPLAY", ""}},
               ref / "log.txt"});
    ASSERT_EQ(reap(scripted, 60), 0) << readFile(ref / "log.txt");

    startServer();
    ASSERT_FALSE(HasFatalFailure());
    const std::string master = startProgram(win);
    ASSERT_FALSE(master.empty()) << "no main window: " << readFile(dir_ / "program.log");

    // The analysis of the file proposed at first (there is none here) is refused on the console.
    EXPECT_TRUE(drive(master, {"ctrl+r"}, [&] { return shown("TARV Messages"); }))
        << "no console window";

    // A file deeper than the program's 80 characters of directory: the user is told, and the
    // choice counts as cancelled.
    const fs::path deep = win / std::string(90, 'd');
    fs::create_directories(deep);
    fs::copy_file(kDataFile, deep / "deep.in");
    ASSERT_TRUE(drive(master, {"ctrl+o"}, [&] { return shown("Open Data File"); }));
    choose("Open Data File", (deep / "deep.in").string());
    const std::string tooLong = awaitWindow("File Choice");
    ASSERT_FALSE(tooLong.empty()) << "a path too long for the program was not told";
    EXPECT_TRUE(drive(tooLong, {"Return"}, [&] { return !shown("File Choice"); }));

    ASSERT_TRUE(drive(master, {"ctrl+o"}, [&] { return shown("Open Data File"); }));
    choose("Open Data File", kDataFile);
    ASSERT_TRUE(
        drive(master, {"alt+f", "Down", "Return"}, [&] { return shown("Open Output File"); }));
    choose("Open Output File", (win / "result.out").string());
    const std::string expected = readFile(ref / "result.out");
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(drive(master, {"ctrl+r"}, [&] { return readFile(win / "result.out") == expected; }))
        << "the result file differs from the scripted run's";

    // The amplitude plot: the frame shows the scripted run's picture below the menu bar.
    Picture amplitude(gdk_pixbuf_new_from_file((ref / "amplitude.png").c_str(), nullptr),
                      g_object_unref);
    Picture resized(gdk_pixbuf_new_from_file((ref / "resized.png").c_str(), nullptr),
                    g_object_unref);
    ASSERT_TRUE(amplitude && resized);
    Picture shot(nullptr, g_object_unref);
    int top = -1;
    drive(master, {"alt+a", "Right", "Down", "Return"}, [&] {
        shot = windowPicture(master);
        top = shot ? rowOf(shot.get(), amplitude.get()) : -1;
        return top >= 0;
    });
    ASSERT_TRUE(shot);
    gdk_pixbuf_save(shot.get(), (dir_ / "amplitude-window.png").c_str(), "png", nullptr, nullptr);
    ASSERT_GT(top, 10) << "the frame does not show the amplitude plot below a menu bar";
    EXPECT_GT(darkPixels(shot.get(), 0, top), 100) << "no menu titles above the frame";
    EXPECT_GT(colouredPixels(shot.get(), top, gdk_pixbuf_get_height(amplitude.get())), 300)
        << "no curve in the frame";

    // A resize to 40 x 25 cells: the program draws the plot again at the new size.
    xdo({"windowsize", master, "960", std::to_string(600 + top)});
    EXPECT_TRUE(waitFor(15, [&] {
        shot = windowPicture(master);
        return shot && holdsAt(shot.get(), resized.get(), 0, top);
    })) << "the resized frame does not show the plot drawn again at 40 x 25 cells";
    if (shot)
        gdk_pixbuf_save(shot.get(), (dir_ / "resized-window.png").c_str(), "png", nullptr, nullptr);

    // About: a second window with its three lines and OK; Return presses OK.
    std::string about;
    drive(master, {"alt+h", "Return"},
          [&] { return !(about = awaitWindow(kTitle, master, 0)).empty(); });
    ASSERT_FALSE(about.empty()) << "no About dialog";
    auto g = geometry(about);
    EXPECT_LT(g["WIDTH"], 700);
    EXPECT_LT(g["HEIGHT"], 300);
    EXPECT_TRUE(drive(about, {"Return"}, [&] {
        return !shown(kTitle) || windows(kTitle).size() == 1;
    })) << "OK did not close the About dialog";

    // Print: the notice, then the print dialog, printing to a file (the program's name in
    // the working directory, which is the result file's).
    ASSERT_TRUE(drive(master, {"ctrl+p"}, [&] { return shown("Print Request"); }))
        << "no notice before printing";
    ASSERT_TRUE(drive(awaitWindow("Print Request"), {"Return"}, [&] { return shown("Print"); }))
        << "no print dialog";
    const std::string print = awaitWindow("Print");
    const fs::path pdf = win / "specvue.pdf";
    const std::string expectedPdf = withoutDate(readFile(ref / "plot.pdf"));
    ASSERT_NE(expectedPdf.find("%%EOF"), std::string::npos);
    // The printer list fills in the background: Return prints once "Print to File" is there.
    EXPECT_TRUE(waitFor(20, [&] {
        if (fs::exists(pdf)) return withoutDate(readFile(pdf)) == expectedPdf;
        if (shown("Print")) keys(print, {"Return"});
        return false;
    })) << "the printed PDF differs from the scripted run's page";

    keys(master, {"ctrl+x"});
    EXPECT_EQ(reap(program_, 30), 0) << readFile(dir_ / "program.log");
    program_ = -1;
}

// The state letter of a process (R running, S sleeping, ...).
char processState(pid_t pid)
{
    const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t paren = stat.rfind(')');
    return paren != std::string::npos && paren + 2 < stat.size() ? stat[paren + 2] : '?';
}

// Closing the main window from its frame (what a window manager sends) ends the run as Exit
// does; until then the program sleeps in its wait instead of spinning.
TEST_F(WindowRun, WaitsAsleepAndClosingTheWindowEndsTheRun)
{
    startServer();
    ASSERT_FALSE(HasFatalFailure());
    const std::string master = startProgram(dir_ / "window");
    ASSERT_FALSE(master.empty()) << "no main window: " << readFile(dir_ / "program.log");

    // Once it has settled after showing the window, the program is seen asleep at every poll
    // of a whole second; one that spins never is.  A loaded machine only delays the settling.
    int inARow = 0;
    EXPECT_TRUE(waitFor(60, [&] {
        inARow = processState(program_) == 'S' ? inARow + 1 : 0;
        return inARow >= 20;
    })) << "the program does not sleep while it waits for the user";

    closeWindow(master);
    EXPECT_EQ(reap(program_, 60), 0) << readFile(dir_ / "program.log");
    program_ = -1;
}

// One console message of this process, routed by the registered values.
void consoleMessage(const std::string& text)
{
    std::vector<int> title{'T', 'e', 's', 't'}, codes(text.begin(), text.end());
    const int titleLength = 4, textLength = static_cast<int>(codes.size()), type = -1;
    errormessage_(title.data(), codes.data(), &titleLength, &textLength, &type);
}

void showConsole(int flags) { showconsole_(&flags); }

// Lets this process's GTK answer the X server.
bool pumped(const std::function<bool()>& done)
{
    while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
    return done();
}

// The console of this process on the display: the first message opens "TARV Messages" along
// the bottom left of the screen with the line in its list; the console hides, shows and
// clears it; the user's close only hides it, and later messages leave it hidden; destroying
// it takes it away until the next message.
TEST_F(WindowRun, ConsoleWindowOnTheDisplay)
{
    startServer();
    ASSERT_FALSE(HasFatalFailure());
    useDisplayHere();
    const int a = 0, b = 0;
    registerconsole_(&a, &b);

    consoleMessage("Analysis of the first file");
    const std::string console = awaitWindow("TARV Messages");
    ASSERT_FALSE(console.empty()) << "no console window";
    auto g = geometry(console);
    EXPECT_EQ(g["X"], 0);
    EXPECT_EQ(g["WIDTH"], 640);
    EXPECT_EQ(g["Y"] + g["HEIGHT"], 1024);
    const auto text = [&] {
        GdkPixbuf* s = screenshot(g["X"], g["Y"], g["WIDTH"], g["HEIGHT"]);
        const int dark = s ? darkPixels(s, 0, gdk_pixbuf_get_height(s)) : 0;
        if (s) g_object_unref(s);
        return dark;
    };
    EXPECT_TRUE(waitFor(10, [&] { return pumped([&] { return text() > 50; }); }))
        << "no line in the list";

    showConsole(2);
    EXPECT_TRUE(awaitGone(console, "TARV Messages")) << "hiding left the console shown";
    showConsole(1);
    EXPECT_EQ(awaitWindow("TARV Messages"), console) << "showing did not bring it back";
    EXPECT_EQ(clearconsole_(), 0);
    EXPECT_TRUE(waitFor(10, [&] { return pumped([&] { return text() == 0; }); }))
        << "clearing left lines";

    closeWindow(console);
    EXPECT_TRUE(waitFor(10, [&] {
        return pumped([&] { return windows("TARV Messages").empty(); });
    })) << "the user's close did not hide the console";
    consoleMessage("Analysis of the second file");
    EXPECT_TRUE(pumped([&] { return windows("TARV Messages").empty(); }))
        << "a message showed it again";
    EXPECT_NE(xdo({"search", "--name", "^TARV Messages$"}), "") << "the close destroyed the window";

    EXPECT_EQ(destroyconsole_(), 1);
    EXPECT_TRUE(waitFor(10, [&] {
        return pumped([&] { return xdo({"search", "--name", "^TARV Messages$"}).empty(); });
    })) << "the console window outlived destroyconsole_";
    consoleMessage("Analysis of the third file");
    EXPECT_FALSE(awaitWindow("TARV Messages").empty()) << "the next message made no window";
    destroyconsole_();
    pumped([] { return true; });
}

// A display that cannot be opened and no script: the run cannot start, and says how to run.
TEST(WindowStart, UnreachableDisplayEndsWithStatusTwo)
{
    char pattern[] = "/tmp/specvue-nodisplay-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path dir = pattern;
    const pid_t pid = spawn({{SPECVUE_PROGRAM},
                             dir,
                             {{"DISPLAY", ":65000"},
                              {"TPANEL_SCRIPT", ""},
                              {"WAYLAND_DISPLAY", ""},
                              {"GDK_BACKEND", "x11"}},
                             dir / "log.txt"});
    EXPECT_EQ(reap(pid, 30), 2);
    const std::string said = readFile(dir / "log.txt");
    EXPECT_NE(said.find("cannot open a window"), std::string::npos) << said;
    EXPECT_NE(said.find("TPANEL_SCRIPT"), std::string::npos) << said;
    fs::remove_all(dir);
}

// One action of the toolkit run in this process.
struct Got {
    int value, widget, event;
};

Got nextAction()
{
    int value = 0, out[5] = {9, 9, 9, 9, 9};
    IWinAction(value, out);
    return {value, out[2], out[3]};
}

// The toolkit itself in this process: the program's own redraws of a frame are no exposure,
// while uncovering it reports its expose value (event -1); the master's new sizes reach the
// program once, with the last size, and not at all when the size went back to the store's.
// A dialog closed from its frame answers as its first button; that close ends each run of
// actions read (the dialog stands clear of the frame, in the master's middle).
TEST_F(WindowRun, ToolkitActionsOnTheDisplay)
{
    startServer();
    ASSERT_FALSE(HasFatalFailure());
    useDisplayHere();
    alarm(120);  // a wait that never ends fails the test instead of hanging it
    const char title[] = "Toolkit Test";
    WinInit();
    RegTitleString(title, sizeof title - 1);
    RegMinimum(30, 20);
    OpenMaster(0, 0);
    SetCallBack(1, 2);
    RegMinimum(4, 3);
    int frame = 0, dialog = 0, ok = 0, cancel = 0;
    GraphicsFrame(1, 0, 0, frame);
    SetCallExpose(frame, 7);
    RegMinimum(2, 1);
    OpenWindow(1, 2, 2, dialog);  // titled as the master
    RemoveTitle();
    AddButton(dialog, 'O', "OK", 2, 1, 1, ok);
    SetCallBack(ok, 910);
    AddButton(dialog, 'C', "Cancel", 6, 5, 1, cancel);
    SetCallBack(cancel, 911);
    WindowDraw(1, 1);
    UpdateFrame();
    const auto pump = [] { pumped([] { return true; }); };
    // Keeps the events flowing for `seconds`.
    const auto pumpFor = [&](double seconds) {
        waitFor(seconds, [&] {
            pump();
            return false;
        });
    };
    const std::string master = awaitWindow(title);
    ASSERT_FALSE(master.empty()) << "no master window";
    const auto masterColumns = [] {
        int info[4] = {}, kind = 0;
        GetWidgetInfo(1, nullptr, 0, info, sizeof info, kind, 1);
        return info[2];
    };

    std::string shownDialog;
    // Shows the dialog, does `act`, closes the dialog from its frame and reads the actions
    // before its answer; the dialog is then taken away.
    const auto actionsUntilClose = [&](const std::function<void()>& act) {
        WindowDraw(0, dialog);
        UpdateFrame();
        waitFor(10, [&] {
            pump();
            return !(shownDialog = awaitWindow(title, master, 0)).empty();
        });
        std::vector<Got> got;
        if (shownDialog.empty()) {
            ADD_FAILURE() << "the dialog did not show";
            return got;
        }
        act();
        closeWindow(shownDialog);
        for (Got g = nextAction(); g.value != 910 && got.size() < 50; g = nextAction())
            got.push_back(g);
        WindowRemove(dialog);
        UpdateFrame();
        pumpFor(0.3);
        return got;
    };
    const auto count = [](const std::vector<Got>& got, int value) {
        return std::count_if(got.begin(), got.end(),
                             [&](const Got& g) { return g.value == value; });
    };
    const auto exposuresOfTheFrame = [&](const std::vector<Got>& got) {
        return std::all_of(got.begin(), got.end(), [&](const Got& g) {
            return g.value != 7 || (g.widget == frame && g.event == -1);
        });
    };

    actionsUntilClose([&] { pumpFor(0.5); });  // the first drawing

    auto got = actionsUntilClose([&] {
        ClearFrame(frame);
        UpdateFrame();
        pumpFor(0.3);
    });
    EXPECT_EQ(count(got, 7), 0) << "the program's own redraw came back as an exposure";

    const int frameTop = geometry(master)["Y"] + geometry(master)["HEIGHT"] - 3 * 24;
    actionsUntilClose([&] {
        xdo({"windowmove", shownDialog, "0", std::to_string(frameTop)});
        pumpFor(0.3);
    });
    got = actionsUntilClose([] {});
    EXPECT_GE(count(got, 7), 1) << "uncovering the frame reported no exposure";
    EXPECT_TRUE(exposuresOfTheFrame(got));

    const int height = geometry(master)["HEIGHT"];
    // Sizes the master to each width in turn, once the last has taken.
    const auto resizeThrough = [&](std::initializer_list<int> widths) {
        for (int width : widths) {
            xdo({"windowsize", master, std::to_string(width), std::to_string(height)});
            waitFor(5, [&] {
                pump();
                return geometry(master)["WIDTH"] == width;
            });
            pumpFor(0.3);  // GTK lays the window out anew
        }
    };
    got = actionsUntilClose([&] { resizeThrough({600, 700, 840}); });
    EXPECT_EQ(count(got, 2), 1) << "a burst of sizes is one resize";
    EXPECT_EQ(masterColumns(), 35);
    EXPECT_TRUE(exposuresOfTheFrame(got));

    got = actionsUntilClose([&] { resizeThrough({480, 840}); });
    EXPECT_EQ(count(got, 2), 0) << "a size back to the store's is no action";
    EXPECT_EQ(masterColumns(), 35);

    WinExit();
    pump();
    alarm(0);
}

}  // namespace
