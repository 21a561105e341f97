// state.cpp - the kernel's state block with its start values, the bookkeeping operations
// (routine name, library-open flags, error reporting) and the settings the platform fixes.
#include "state.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <iostream>

namespace tarv {

KernelState& state()
{
    static KernelState s;
    return s;
}

void resetValues(bool libraryFlagsToo)
{
    KernelState& s = state();
    s.pen = PenState{};
    s.text = TextState{};
    s.line = LineState{};
    s.curve = CurveEnds{};
    s.picture = PictureState{};
    s.settings = SettingsState{};
    s.book.routineName.clear();
    s.book.opened = false;
    if (libraryFlagsToo) s.book.libraryOpen.fill(0);
    s.device.selected.clear();
}

std::string routineInForce()
{
    std::string name = state().book.routineName;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

bool finite2(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

int textLength(const char* text, int length)
{
    if (text == nullptr || length <= 0) return 0;
    size_t cap = static_cast<size_t>(length < kMaxTextLength ? length : kMaxTextLength);
    return static_cast<int>(strnlen(text, cap));
}

bool acceptCount(const char* operation, int n, int& usable)
{
    if (n > kMaxPoints) {
        kernelDiagnostic(operation, "count too large, call refused");
        usable = 0;
        return false;
    }
    usable = n < 0 ? 0 : n;
    return true;
}

void kernelDiagnostic(const char* operation, const char* message)
{
    if (state().trace.echo) std::cerr << "tarvcore: " << operation << ": " << message << '\n';
}

namespace {

// Adds (number, routine) to the bounded error log and counts it.
void recordError(int number, const std::string& routine)
{
    std::vector<ErrorRecord>& log = state().trace.errors;
    if (log.size() >= kErrorLogLimit) {
        // Dropping the older half at once keeps the cost of a report constant on average.
        log.erase(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(kErrorLogLimit / 2));
    }
    log.push_back({number, routine});
    ++state().trace.errorCount;
}

}  // namespace

void kernelFailure(const std::string& where, int number, const std::string& message)
{
    recordError(number, where);
    if (state().trace.echo) {
        std::cerr << "tarvcore: ";
        if (!where.empty()) std::cerr << where << ": ";
        std::cerr << message << " (error " << number << ")\n";
    }
}

const std::vector<ErrorRecord>& errorLog() { return state().trace.errors; }
std::uint64_t errorCount() { return state().trace.errorCount; }
void errorLogClear()
{
    state().trace.errors.clear();
    state().trace.errorCount = 0;
}
void setErrorEcho(bool on) { state().trace.echo = on; }

void setIntegerSetting(int code, int value)
{
    for (auto& [c, v] : state().settings.integers)
        if (c == code) {
            v = value;
            return;
        }
    state().settings.integers.push_back({code, value});
}

void setRealSetting(int code, float value)
{
    for (auto& [c, v] : state().settings.reals)
        if (c == code) {
            v = value;
            return;
        }
    state().settings.reals.push_back({code, value});
}

void setSettingBlock91(int index, float value)
{
    if (index >= 1 && index <= 6) state().settings.block91[static_cast<size_t>(index - 1)] = value;
}

}  // namespace tarv

using namespace tarv;

// ---- bookkeeping -----------------------------------------------------------------------------

void kernelSetRoutineName(const int& level, const char* text, int length)
{
    int n = textLength(text, length);
    state().book.routineName.assign(text ? text : "", static_cast<size_t>(n));
    if (tracing()) TraceLine("kernelSetRoutineName").i(level).text(text, length).emit();
}

void kernelReportError(const int& number)
{
    KernelState& s = state();
    std::string name = routineInForce();
    recordError(number, name);
    if (s.trace.echo) {
        std::cerr << (number < 0 ? "warning " : "error ") << number;
        if (!name.empty()) std::cerr << " in " << name;
        std::cerr << '\n';
    }
    if (tracing()) TraceLine("kernelReportError").i(number).emit();
}

void kernelEnquireLibraryOpen(const int& library, int& status)
{
    const auto& flags = state().book.libraryOpen;
    status = (library >= 1 && library <= kLibraries) ? flags[static_cast<size_t>(library - 1)] : 0;
    if (tracing()) TraceLine("kernelEnquireLibraryOpen").i(library).arrow().i(status).emit();
}

void kernelSetLibraryOpen(const int& library, const int& value)
{
    if (library >= 1 && library <= kLibraries)
        state().book.libraryOpen[static_cast<size_t>(library - 1)] = value;
    else kernelDiagnostic("kernelSetLibraryOpen", "unknown library number ignored");
    if (tracing()) TraceLine("kernelSetLibraryOpen").i(library).i(value).emit();
}

// ---- settings --------------------------------------------------------------------------------

int kernelEnquireIntegerSetting(const int& code)
{
    int value = 0;
    for (const auto& [c, v] : state().settings.integers)
        if (c == code) value = v;
    if (tracing()) TraceLine("kernelEnquireIntegerSetting").i(code).arrow().i(value).emit();
    return value;
}

float kernelEnquireRealSetting(const int& code)
{
    float value = 0.0f;
    for (const auto& [c, v] : state().settings.reals)
        if (c == code) value = v;
    if (tracing()) TraceLine("kernelEnquireRealSetting").i(code).arrow().r(value).emit();
    return value;
}

void kernelEnquireSettingBlock91(float& v1, float& v2, float& v3, float& v4, float& v5, float& v6)
{
    const auto& b = state().settings.block91;
    v1 = b[0];
    v2 = b[1];
    v3 = b[2];
    v4 = b[3];
    v5 = b[4];
    v6 = b[5];
    if (tracing())
        TraceLine("kernelEnquireSettingBlock91").arrow().r(v1).r(v2).r(v3).r(v4).r(v5).r(v6).emit();
}

void kernelSetSetting21(const int& value)
{
    state().settings.setting21 = value;
    if (tracing()) TraceLine("kernelSetSetting21").i(value).emit();
}

void kernelSetTextSetting49(const int& value)
{
    state().text.setting49 = value;
    if (tracing()) TraceLine("kernelSetTextSetting49").i(value).emit();
}

void kernelSetTextSetting196(const int& value)
{
    state().text.setting196 = value;
    if (tracing()) TraceLine("kernelSetTextSetting196").i(value).emit();
}

// The scratch array is the caller's; nothing is written into it.
void kernelSettingBlock316(const int& code, int& result1, int& result2, float* /*scratch*/)
{
    state().settings.block316 = code;
    result1 = 0;
    result2 = 0;
    if (tracing()) TraceLine("kernelSettingBlock316").i(code).arrow().i(result1).i(result2).emit();
}

void kernelSettingBlock315(const int& code, int& result1, int& result2, float* /*scratch*/)
{
    state().settings.block315 = code;
    result1 = 0;
    result2 = 0;
    if (tracing()) TraceLine("kernelSettingBlock315").i(code).arrow().i(result1).i(result2).emit();
}

void kernelSetTableEntry(const int& index, const int& a, const int& b, const int& c, const int& d)
{
    if (index >= 1 && index <= kTableEntries)
        state().settings.table[static_cast<size_t>(index - 1)] = {a, b, c, d};
    else kernelDiagnostic("kernelSetTableEntry", "table index out of range ignored");
    if (tracing()) TraceLine("kernelSetTableEntry").i(index).i(a).i(b).i(c).i(d).emit();
}

void kernelEnquireTableEntry(const int& index, int& a, int& b, int& c, int& d)
{
    std::array<int, 4> e{};
    if (index >= 1 && index <= kTableEntries)
        e = state().settings.table[static_cast<size_t>(index - 1)];
    a = e[0];
    b = e[1];
    c = e[2];
    d = e[3];
    if (tracing()) TraceLine("kernelEnquireTableEntry").i(index).arrow().i(a).i(b).i(c).i(d).emit();
}
