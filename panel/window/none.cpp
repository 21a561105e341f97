// window/none.cpp - a toolkit built without GTK: there is no window mode, so a run needs a
// script (WinInit says so).
#include "run/backend.h"
#include "window/mode.h"

namespace tpanel {

bool windowModeBuilt() { return false; }

std::unique_ptr<Backend> makeWindowBackend() { return nullptr; }

}  // namespace tpanel
