// Writes the files of the demo folder and counts them; shared by the content tool's parts.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "engine/media/files.h"

namespace demo {

struct ContentWriter {
    std::string root;  // the demo folder with a trailing separator
    int files = 0;
    int failures = 0;

    void report(bool ok, const std::string& path) {
        if (ok) {
            ++files;
        } else {
            ++failures;
            std::fprintf(stderr, "rz_make_demo_content: cannot write %s\n", path.c_str());
        }
    }
    // Creates the folder below the root (each level of it) and returns its path with a
    // trailing separator.
    std::string directory(std::string_view relative) {
        std::string path = root;
        std::size_t start = 0;
        // One level at a time: the file layer creates a single directory per call.
        while (start < relative.size()) {
            const std::size_t end = relative.find('/', start);
            path += relative.substr(start, end - start);
            path += '/';
            media::createDirectory(path);
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
        return path;
    }
};

}  // namespace demo
