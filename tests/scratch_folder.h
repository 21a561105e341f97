// scratch_folder.h - a folder of one test's own for the files it writes: made afresh by
// mkdtemp under the system's temporary folder, so that runs of the suite side by side on one
// machine (two builds, or one build twice) never write, read or delete each other's files,
// and removed with all it holds when the folder object goes.
#ifndef TARV_TESTS_SCRATCH_FOLDER_H
#define TARV_TESTS_SCRATCH_FOLDER_H

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

class ScratchFolder {
public:
    // Makes <temporary folder>/<prefix>XXXXXX, or <prefix>XXXXXX for a prefix that names its
    // own place from the root (a test whose paths must stay short).  A folder that cannot be
    // made throws, which fails the test that asked for it.
    explicit ScratchFolder(const std::string& prefix)
    {
        std::string pattern = std::filesystem::path(prefix).is_absolute()
            ? prefix + "XXXXXX"
            : (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The full name of a file in the folder.
    std::string file(const std::string& leaf) const { return (path_ / leaf).string(); }

private:
    std::filesystem::path path_;
};

#endif
