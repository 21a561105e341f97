// actions.cpp - the binding's wait for the next user action and its file choice.
#include <cstdlib>

#include "binding/binding.h"
#include "binding/checks.h"
#include "state.h"
#include "tpanel.h"

void ACTION(int& value)
{
    bool ready = false;
    {
        RoutineFrame f("ACTION");
        // Without a master window there is nothing to wait on: the program is abandoned.
        ready = f.master(-1);
        if (ready) {
            int* out = app.binding.actionOutputs;
            IWinAction(value, out);
            app.binding.lastValue = value;
            if (IGetWidgetType(out[2]) == 6 && out[3] == -1) FRAACT(out[2]);
        }
    }
    if (!ready) {
        WinExit();
        std::exit(EXIT_FAILURE);
    }
}

void BROWSE(const int& mode, const int&, const int&, const int&, char* name, int nameLength,
            char* dir, int dirLength, const char* filter, int filterLength)
{
    RoutineFrame f("BROWSE");
    if (!f.master()) return;
    int flag = mode >= 0 ? 0 : 1;
    OpenBrowse(flag, name, nameLength, dir, dirLength, filter, filterLength);
}
