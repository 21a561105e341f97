// startup.cpp - the binding's start-up, its routine frame and checks, and its reports: errors go
// to the kernel moved by 1600, console messages to the message console as IntCharStrings.
#include <algorithm>

#include "binding/binding.h"
#include "binding/checks.h"
#include "state.h"
#include "tarvcore.h"
#include "tmsgcon.h"
#include "tpanel.h"

namespace {

constexpr int kErrorBase = 1600;
constexpr int kConsoleBuffer = 256;
const char kBlankName[] = "      ";

// Copies a text into a buffer of character codes; its used length, cut to the buffer.
int fillBuffer(int* buffer, const char* text, int length)
{
    int used = (text && length > 0) ? kernelUsedLength(text, length) : 0;
    used = std::clamp(used, 0, std::min(length, kConsoleBuffer));
    for (int i = 0; i < used; ++i) buffer[i] = static_cast<unsigned char>(text[i]);
    return used;
}

}  // namespace

void bindingSetRoutineName(const char* name) { kernelSetRoutineName(2, name, 6); }

void bindingReportError(int code)
{
    if (code >= 1) {
        const int number = code + kErrorBase;
        kernelReportError(number);
        return;
    }
    char text[80];
    std::fill(std::begin(text), std::end(text), ' ');
    const char message[] = "ACTION called without a master window defined";
    std::copy(message, message + sizeof message - 1, text);
    bindingConsoleMessage("Program Abort", 13, text, 80, 0);
}

void bindingConsoleMessage(const char* title, int titleLength, const char* text, int textLength,
                           int type)
{
    BindingState& b = app.binding;
    int usedTitle = fillBuffer(b.titleBuffer, title, titleLength);
    int usedText = fillBuffer(b.textBuffer, text, textLength);
    errormessage_(b.titleBuffer, b.textBuffer, &usedTitle, &usedText, &type);
}

void bindingStartUp()
{
    bindingSetRoutineName("MENU  ");
    app.binding.actionOutputs[0] = app.binding.actionOutputs[1] = 0;
    WinInit();
    DrawTitle();
    RegMinimum(0, 0);
    RegMaximum(256, 256);
    RegToggleAttr(0, 0, 1);
    RegToggleSize(100);
    RegToggleType(0);
    RegButtonAttr(0, 0, 1);
    RegButtonSize(100);
    RegButtonType(0);
    RegValueAttr(0, 0, 0, -1);
    RegValueType(0, 0);
    RegTextAttr(0, 0, 0, -1);
    RegTextType(0, 0);
    RegSliderSize(100);
    RegPanelType(1);
    RegIconType(0);
    RegValueSize(100);
    RegTextSize(100);
    RegIconSize(100);
    kernelSetLibraryOpen(2, 1);
    char registration[80];
    std::fill(std::begin(registration), std::end(registration), ' ');
    const char who[] = "TARVCORE graphics kernel for SPECVUE";
    std::copy(who, who + sizeof who - 1, registration);
    RegisterTARV(registration, 80);
    const int a = kernelEnquireIntegerSetting(22);
    const int b = kernelEnquireIntegerSetting(23);
    registerconsole_(&a, &b);
    bindingSetRoutineName(kBlankName);
}

// ---- the routine frame ----------------------------------------------------------------------

RoutineFrame::RoutineFrame(const char* name) { bindingSetRoutineName(name); }

RoutineFrame::~RoutineFrame() { bindingSetRoutineName(kBlankName); }

bool RoutineFrame::holds(bool condition, int code)
{
    if (failed_) return false;
    if (condition) return true;
    failed_ = true;
    bindingReportError(code);
    return false;
}

bool RoutineFrame::master(int code) { return holds(IGetNextIdentifier() > 1, code); }

bool RoutineFrame::positive(int id, int code) { return holds(id > 0, code); }

bool RoutineFrame::typeIn(int id, TypeSet types, int code)
{
    return holds(typeInSet(IGetWidgetType(id), types), code);
}

bool typeInSet(int type, TypeSet types)
{
    return std::any_of(types.begin(), types.end(),
                       [type](const TypeRange& r) { return type >= r.low && type <= r.high; });
}
