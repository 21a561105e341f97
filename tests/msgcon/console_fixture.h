// console_fixture.h - a fresh message console per test: the in-memory window layer, the
// program's file name pointed into a private temporary directory, and helpers to send
// messages as IntCharString arrays of exactly their length.
#ifndef TESTS_MSGCON_CONSOLE_FIXTURE_H
#define TESTS_MSGCON_CONSOLE_FIXTURE_H

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "state.h"
#include "tmsgcon.h"
#include "window/memory.h"

namespace msgcon_test {

namespace fs = std::filesystem;

// One element per byte, the byte in the low 8 bits.
inline std::vector<int> intChars(const std::string& s)
{
    std::vector<int> v;
    for (char c : s) v.push_back(static_cast<unsigned char>(c));
    return v;
}

inline std::string readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override { freshProcess(); }
    void TearDown() override
    {
        msgcon::resetConsoleState();
        msgcon::resetMemoryLayer();
    }

    // The console as a newly started program finds it; the program lives in `dir`.
    void freshProcess()
    {
        msgcon::resetConsoleState();
        msgcon::resetMemoryLayer();
        msgcon::useWindowLayer(&msgcon::memoryWindowLayer);
        setProgram(dir / "prog");
    }
    void setProgram(const fs::path& p)
    {
        layer().useModuleFileName = true;
        layer().moduleFileName = p.string();
    }

    void registerValues(int a, int b) { registerconsole_(&a, &b); }
    void send(const std::string& title, const std::string& text, int type)
    {
        std::vector<int> t = intChars(title), x = intChars(text);
        int lt = static_cast<int>(t.size()), lx = static_cast<int>(x.size());
        errormessage_(t.data(), x.data(), &lt, &lx, &type);
    }
    void showFlags(int flags) { showconsole_(&flags); }

    static msgcon::MemoryLayerState& layer() { return msgcon::memoryLayerState(); }
    static msgcon::MemoryWindow& window() { return msgcon::memoryLayerState().window; }
    static msgcon::ConsoleState& state() { return msgcon::consoleState(); }

    const ScratchFolder scratch{"msgcon."};
    const fs::path dir = scratch.path();
};

}  // namespace msgcon_test

#endif
