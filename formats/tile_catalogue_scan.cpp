#include "formats/tile_catalogue_scan.h"

#include "engine/base/ascii_case.h"
#include "engine/media/files.h"
#include "formats/tile_paths.h"

namespace formats {

namespace {

// Position of the first occurrence of needle in text, letter case ignored; npos if none.
std::size_t findIgnoringCase(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) return std::string_view::npos;
    for (std::size_t start = 0; start + needle.size() <= text.size(); ++start) {
        if (base::equalsIgnoringCase(text.substr(start, needle.size()), needle)) return start;
    }
    return std::string_view::npos;
}

// A control character would break the line structure of the map files the name is written
// into; a backslash is a separator in configured paths, so the tile's DNA file (created here,
// written by SET) would land outside the graphics directory.
bool unusableAsTileName(std::string_view name) {
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\') return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> scanTileCatalogue(std::string_view graphicsDirectory,
                                           std::string_view pictureExtension) {
    std::vector<std::string> names;
    if (pictureExtension.empty()) return names;
    for (const media::DirectoryEntry& entry : media::listDirectory(graphicsDirectory)) {
        if (entry.isDirectory || unusableAsTileName(entry.name)) continue;
        const std::size_t at = findIgnoringCase(entry.name, pictureExtension);
        if (at == std::string_view::npos) continue;
        std::string name = entry.name.substr(0, at);
        const std::string dnaPath = tileFilePath(graphicsDirectory, name, kDnaExtension);
        if (!media::fileExists(dnaPath)) {
            // Opened for reading and writing so that it is created empty, never truncated.
            media::TextFile dna = media::TextFile::open(dnaPath, media::OpenMode::ReadWrite);
            if (!dna.isOpen()) continue;
        }
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace formats
