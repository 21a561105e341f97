// exports.cpp - the five exported routines of the message console.  Every argument comes by
// pointer; a null pointer counts as zero or as an empty text, so that no call can crash.
#include "tmsgcon.h"

#include "state.h"

using namespace msgcon;

namespace {

int valueOr0(const int* p) { return p != nullptr ? *p : 0; }

// showconsole_'s flag values and what each does; any other value changes nothing.
struct ShowFlag {
    int value;
    ShowCommand command;
};
const ShowFlag showFlags[] = {
    {1, ShowCommand::Show},
    {2, ShowCommand::Hide},
    {4, ShowCommand::Restore},
    {8, ShowCommand::Minimise},
};
struct OrderFlag {
    int value;
    StackingOrder order;
};
const OrderFlag orderFlags[] = {{16, StackingOrder::Top}, {32, StackingOrder::Bottom}};

}  // namespace

extern "C" void registerconsole_(const int* a, const int* b)
{
    ConsoleState& s = consoleState();
    s.valueA = valueOr0(a);
    s.valueB = valueOr0(b);
    windowLayer();  // the window layer of the run is chosen here at the latest
}

extern "C" void errormessage_(const int* title, const int* text, const int* titleLength,
                              const int* textLength, const int* type)
{
    const int messageType = valueOr0(type);
    const std::string titleBytes = intCharStringToBytes(title, valueOr0(titleLength));
    const std::string textBytes = intCharStringToBytes(text, valueOr0(textLength));
    const std::string line = composeLine(titleBytes, textBytes, messageType);
    const bool box = needsMessageBox(textBytes, messageType);

    const ConsoleState& s = consoleState();
    if (routesToConsole(s.valueA, s.valueB)) consoleShowLine(line, messageType, box);
    else logWriteLine(line);
    if (box) windowLayer().messageBox(textBytes, "TARV Message");
}

extern "C" int destroyconsole_(void)
{
    ConsoleState& s = consoleState();
    logClose();
    s.messageCount = 0;
    s.created = false;
    if (s.consoleWindow != nullptr) {
        if (!windowLayer().destroyWindow(s.consoleWindow)) return 0;
        s.consoleWindow = nullptr;  // so that the next message creates the window again
        s.listBox = nullptr;
    }
    s.title.clear();
    s.title.shrink_to_fit();
    return 1;
}

extern "C" int clearconsole_(void)
{
    ConsoleState& s = consoleState();
    int answer = s.listBox != nullptr ? windowLayer().resetContent(s.listBox) : 0;
    s.messageCount = 0;
    return answer;
}

extern "C" void showconsole_(const int* flags)
{
    ConsoleState& s = consoleState();
    if (flags == nullptr || s.consoleWindow == nullptr) return;
    const ConsoleWindowLayer& layer = windowLayer();
    for (const ShowFlag& f : showFlags)
        if ((*flags & 0xF) == f.value) layer.showWindow(s.consoleWindow, f.command);
    for (const OrderFlag& f : orderFlags)
        if ((*flags & 0xF0) == f.value) layer.setStackingOrder(s.consoleWindow, f.order);
}
