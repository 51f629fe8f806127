// The scratch directory of a benchmark run and the files made in it before the clock runs.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/media/files.h"

namespace bench {

// A fresh directory below the system's temporary directory, removed at exit.
inline const std::string& scratch() {
    static const std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "rz-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        return pattern;
    }();
    // Registered once path is complete, so the removal runs before path is destroyed.
    static const bool removedAtExit = [] {
        return std::atexit([] { std::filesystem::remove_all(path); }) == 0;
    }();
    (void)removedAtExit;
    return path;
}

// Writes bytes to path, creating its folders; a run that cannot set up its files stops.
inline void writeFile(const std::string& path, std::string_view bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!media::replaceFileContents(path, bytes)) std::abort();
}

// Writes bytes to a file in the scratch directory and gives its path.
inline std::string scratchFile(std::string_view relative, std::string_view bytes) {
    std::string path = scratch() + "/" + std::string(relative);
    writeFile(path, bytes);
    return path;
}

}  // namespace bench
