// scratch_directory.h - the fixture of the tests that run the analysis or the whole program on
// real files: a fresh directory under /tmp with the folders in/ and out/ inside, and at the
// end of the test the working directory it started in restored and the directory removed
// with all it holds.
#ifndef SPECVUE_TESTS_SCRATCH_DIRECTORY_H
#define SPECVUE_TESTS_SCRATCH_DIRECTORY_H

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

class ScratchDirectoryTest : public ::testing::Test {
public:
    // Makes root_ from `pattern` (ending in XXXXXX) and remembers the working directory; a
    // directory that cannot be made fails the test.
    void makeScratchDirectory(std::string pattern)
    {
        start_ = std::filesystem::current_path();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        std::filesystem::create_directories(root_ / "in");
        std::filesystem::create_directories(root_ / "out");
    }
    void TearDown() override
    {
        std::filesystem::current_path(start_);
        std::filesystem::remove_all(root_);
    }

    std::filesystem::path start_, root_;
};

#endif
