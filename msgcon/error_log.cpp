// error_log.cpp - the error log beside the program.  Its name is the program's path with the
// file name's extension replaced by ".ERR".  The first opening in a process starts the file
// afresh with a dated header; after destroyconsole_ has closed it, the next opening appends.
// Every line is flushed at once, so that a crash loses none, and a line that cannot be
// written goes to standard error instead.
#include <cerrno>
#include <cstring>
#include <ctime>

#include "state.h"

namespace msgcon {

// Only the file name's own dot counts: directories may hold dots, the file may have none.  A
// leading dot marks a hidden file, not an extension: "/opt/.specvue" logs to
// "/opt/.specvue.ERR", never to a ".ERR" that every hidden program there would share.
std::string errorLogName(const std::string& modulePath)
{
    if (modulePath.empty()) return std::string();
    std::size_t slash = modulePath.rfind('/');
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = modulePath.rfind('.');
    std::size_t stemEnd = (dot != std::string::npos && dot > nameStart) ? dot : modulePath.size();
    return modulePath.substr(0, stemEnd) + ".ERR";
}

// The C library's asctime form, in English whatever the locale, and sound for any year.
std::string asctimeText(const std::tm& t)
{
    static const char days[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char months[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* day = t.tm_wday >= 0 && t.tm_wday < 7 ? days[t.tm_wday] : "???";
    const char* month = t.tm_mon >= 0 && t.tm_mon < 12 ? months[t.tm_mon] : "???";
    char text[96];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %lld\n", day, month, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec, 1900LL + t.tm_year);
    return text;
}

namespace {

void writeHeader(std::FILE* f)
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    std::string when = localtime_r(&now, &local) != nullptr ? asctimeText(local) : "unknown\n";
    std::fprintf(f, "TARV Error Log: Created (Local Time) %s\n", when.c_str());
}

// Opens the log when it is not open; on failure the state stays as it was, so that the next
// message tries again.
bool openErrorLog(ConsoleState& s, const std::string& line)
{
    std::string name = errorLogName(windowLayer().moduleFileName());
    if (name.empty()) {
        noticeLostLine("TARV Error Log: the program's file name is unknown, message not logged",
                       line);
        return false;
    }
    bool append = s.logState == LogClosed;
    std::FILE* f = std::fopen(name.c_str(), append ? "a" : "w");
    if (f == nullptr) {
        noticeLostLine("TARV Error Log: cannot open " + name + " (" + std::strerror(errno) +
                           "), message not logged",
                       line);
        return false;
    }
    if (!append) writeHeader(f);
    s.logFile = f;
    s.logState = LogOpen;
    return true;
}

}  // namespace

void logWriteLine(const std::string& line)
{
    ConsoleState& s = consoleState();
    if (s.logState != LogOpen && !openErrorLog(s, line)) return;
    bool written = std::fwrite(line.data(), 1, line.size(), s.logFile) == line.size() &&
        std::fputc('\n', s.logFile) != EOF;
    if (std::fflush(s.logFile) != 0 || !written)
        noticeLostLine("TARV Error Log: writing failed, message", line);
}

void logClose()
{
    ConsoleState& s = consoleState();
    if (s.logState != LogOpen) return;
    if (s.logFile != nullptr) std::fclose(s.logFile);
    s.logFile = nullptr;
    s.logState = LogClosed;
}

}  // namespace msgcon
