// Writes the files of the demo folder and counts them; shared by the content tool's parts.
#pragma once

#include <cstdio>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/media/files.h"
#include "engine/media/image.h"
#include "engine/media/pictures.h"
#include "formats/dna_file.h"
#include "tools/content_folders.h"

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
    // Content files are written plainly, without the game's durable replace: a tool run
    // that fails is simply run again, and hundreds of syncs would make it slow.
    void write(const std::string& path, std::string_view bytes) {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        report(static_cast<bool>(file.flush()), path);
    }
    void writeMade(const std::string& path, const std::optional<std::string>& bytes) {
        if (bytes) {
            write(path, std::string_view(*bytes));
        } else {
            report(false, path);
        }
    }
    void writePng(const std::string& path, const media::Image& picture) {
        writeMade(path, media::encodePng(picture, false));
    }
    void writeDna(const std::string& path, std::span<const formats::DnaPair> rows) {
        write(path, std::string_view(formats::formatDnaFile(rows)));
    }
    // Creates the folder below the root (each level of it) and returns its path with a
    // trailing separator.
    std::string directory(std::string_view relative) {
        return content::createFolders(root, relative);
    }
};

}  // namespace demo
