// scratch_directory.h - the fixture of the tests that run the analysis or the whole program on
// real files: a fresh directory of the test's own with the folders in/ and out/ inside, and at
// the end of the test the working directory it started in restored and the directory removed
// with all it holds.
#ifndef SPECVUE_TESTS_SCRATCH_DIRECTORY_H
#define SPECVUE_TESTS_SCRATCH_DIRECTORY_H

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "scratch_folder.h"

class ScratchDirectoryTest : public ::testing::Test {
public:
    // Makes root_ from `prefix` (as a ScratchFolder does) and remembers the working directory.
    void makeScratchDirectory(const std::string& prefix)
    {
        start_ = std::filesystem::current_path();
        scratch_.emplace(prefix);
        root_ = scratch_->path();
        std::filesystem::create_directories(root_ / "in");
        std::filesystem::create_directories(root_ / "out");
    }
    void TearDown() override
    {
        std::filesystem::current_path(start_);
        scratch_.reset();
    }

    std::filesystem::path start_, root_;

private:
    std::optional<ScratchFolder> scratch_;
};

#endif
