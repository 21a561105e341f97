// panel_fixture.h - a scripted toolkit run in a scratch directory: the script is written there,
// TPANEL_SCRIPT names it, and relative paths of the script resolve there.
#ifndef TPANEL_TESTS_FIXTURE_H
#define TPANEL_TESTS_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "scratch_folder.h"
#include "tarvcore.h"
#include "tpanel.h"

class ScriptedPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_ = std::filesystem::current_path();
        dir_ = scratch_.path();
        std::filesystem::current_path(dir_);
        tarv::resetState(true);
    }
    void TearDown() override
    {
        WinExit();
        tarv::resetState(true);
        std::filesystem::current_path(start_);
        unsetenv("TPANEL_SCRIPT");
    }
    // Writes the script and starts the toolkit on it.
    void start(const std::string& script)
    {
        std::ofstream(dir_ / "run.script") << script;
        setenv("TPANEL_SCRIPT", (dir_ / "run.script").c_str(), 1);
        WinInit();
    }
    int next(int* widgetOut = nullptr, int* eventOut = nullptr)
    {
        int value = 0, out[5] = {9, 9, 9, 9, 9};
        IWinAction(value, out);
        if (widgetOut) *widgetOut = out[2];
        if (eventOut) *eventOut = out[3];
        return value;
    }
    std::filesystem::path start_, dir_;

private:
    // Under /tmp, whatever the temporary folder, to keep the paths short for the fields of the
    // file names the scripts answer with.
    const ScratchFolder scratch_{"/tmp/tpanel-test-"};
};

#endif
