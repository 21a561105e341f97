// fuzz_script.cc - the script of a scripted toolkit run: any text as the script of a small
// program (a menu, a dialog with a button, file choices into short name buffers, message
// boxes).  Besides the sanitizers it checks that every wait takes at least one line, so that
// the run has ended (-1) once the program has asked more often than the script has lines.
// The program opens no graphics frame and starts no print job, so no line of a script makes
// it write a file.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tarvcore.h"
#include "tpanel.h"

namespace {

std::string scratch;
void removeScratch() { std::filesystem::remove_all(scratch); }

std::string scriptPath;

struct Widgets {
    int open = 0, dialog = 0, ok = 0;
};

Widgets build()
{
    Widgets w;
    RegMinimum(10, 5);
    OpenMaster(0, 2);
    SetCallBack(1, 2);
    int bar = 0, pop = 0, item = 0;
    AddMenuBar(1, bar);
    AddMenuPull(bar, "File", 4, 'F', pop);
    AddMenuEntry(pop, "Open", 4, 'O', w.open);
    SetCallBack(w.open, 40);
    AddMenuEntry(pop, "Show", 4, 'S', item);
    SetCallBack(item, 41);
    AddMenuPull(bar, "Help", 4, 'H', pop);
    AddMenuEntry(pop, "About", 5, 'A', item);
    SetCallBack(item, 42);
    OpenWindow(1, 2, 2, w.dialog);
    AddButton(w.dialog, 'O', "OK", 2, 1, 1, w.ok);
    SetCallBack(w.ok, 910);
    WindowDraw(0, 1);
    return w;
}

void respond(int value, const Widgets& w)
{
    switch (value) {
    case 40: {
        int flag = 0;
        char name[12], dir[20];
        std::fill(std::begin(name), std::end(name), ' ');
        std::fill(std::begin(dir), std::end(dir), ' ');
        OpenBrowse(flag, name, sizeof name, dir, sizeof dir, "*.dat", 5);
        break;
    }
    case 41: WindowDraw(0, w.dialog); break;
    case 42: ErrorBox("About", 5, "A scripted run.", 15, 0); break;
    case 910: WindowRemove(w.dialog); break;
    default: break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char dir[] = "/tmp/fuzz-script-XXXXXX";
    if (mkdtemp(dir) == nullptr || chdir(dir) != 0) std::abort();
    scratch = dir;
    std::atexit(removeScratch);
    scriptPath = std::string(dir) + "/run.script";
    setenv("TPANEL_SCRIPT", scriptPath.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::ofstream(scriptPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    size_t lines = 1;
    for (size_t i = 0; i < size; ++i) lines += data[i] == '\n';
    tarv::resetState(true);
    WinInit();
    const Widgets w = build();
    int value = 0, out[5] = {0, 0, 0, 0, 0};
    for (size_t ask = 0; ask < lines; ++ask) {
        IWinAction(value, out);
        respond(value, w);
    }
    IWinAction(value, out);
    if (value != -1) std::abort();
    WinExit();
    return 0;
}
