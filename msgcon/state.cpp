// state.cpp - the console's state block and the window layer in force.
#include "state.h"

namespace msgcon {

namespace {
ConsoleState state;
}

ConsoleState& consoleState() { return state; }

void resetConsoleState()
{
    logClose();
    state = ConsoleState{};
}

// The layer is chosen at the first need (registration or the first message) and kept.
const ConsoleWindowLayer& windowLayer()
{
    if (state.layer == nullptr) state.layer = chooseWindowLayer();
    return *state.layer;
}

void useWindowLayer(const ConsoleWindowLayer* layer) { state.layer = layer; }

}  // namespace msgcon
