// trace.cpp - the call log: one line per kernel operation, kept in process while capture is
// on and written to the .trace device while one is open.  Integers print as %d, reals as
// %.6g, texts in double quotes, arrays in brackets, outputs after ` ->`.
#include <cinttypes>
#include <cstdio>

#include "state.h"

namespace tarv {

TraceLine::TraceLine(const char* name) : line_(name) { line_.reserve(64); }

TraceLine& TraceLine::i(int v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, " %d", v);
    line_ += buf;
    return *this;
}

TraceLine& TraceLine::r(float v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, " %.6g", static_cast<double>(v));
    line_ += buf;
    return *this;
}

// Bytes below 32 would break the one-line-per-operation layout; they print as '?'.
static void appendQuoted(std::string& out, const char* t, int n)
{
    out += " \"";
    for (int k = 0; k < n; ++k) {
        unsigned char c = static_cast<unsigned char>(t[k]);
        out += c < 32 ? '?' : static_cast<char>(c);
    }
    out += '"';
}

TraceLine& TraceLine::text(const char* t, int length)
{
    appendQuoted(line_, t, textLength(t, length));
    return *this;
}

TraceLine& TraceLine::outText(const char* t, int length)
{
    int n = textLength(t, length);
    while (n > 0 && t[n - 1] == ' ') --n;
    appendQuoted(line_, t, n);
    return *this;
}

TraceLine& TraceLine::ints(const int* v, long long n)
{
    line_ += " [";
    for (long long k = 0; v != nullptr && k < n; ++k) {
        char buf[16];
        std::snprintf(buf, sizeof buf, k ? " %d" : "%d", v[k]);
        line_ += buf;
    }
    line_ += ']';
    return *this;
}

TraceLine& TraceLine::reals(const float* v, long long n)
{
    line_ += " [";
    for (long long k = 0; v != nullptr && k < n; ++k) {
        char buf[32];
        std::snprintf(buf, sizeof buf, k ? " %.6g" : "%.6g", static_cast<double>(v[k]));
        line_ += buf;
    }
    line_ += ']';
    return *this;
}

TraceLine& TraceLine::arrow()
{
    line_ += " ->";
    return *this;
}

void TraceLine::emit()
{
    TraceState& t = state().trace;
    if (t.file != nullptr) {
        std::fputs(line_.c_str(), t.file);
        std::fputc('\n', t.file);
    }
    if (t.capture) t.lines.push_back(std::move(line_));
}

void traceCapture(bool on)
{
    TraceState& t = state().trace;
    if (on) t.lines.clear();
    t.capture = on;
}

const std::vector<std::string>& traceLines() { return state().trace.lines; }

void traceClear() { state().trace.lines.clear(); }

}  // namespace tarv
