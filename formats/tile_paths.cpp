#include "formats/tile_paths.h"

namespace formats {

std::string joinPath(std::string_view directory, std::string_view name) {
    std::string path;
    path.reserve(directory.size() + name.size() + 1);
    path.append(directory);
    if (!directory.empty() && directory.back() != '\\' && directory.back() != '/') {
        path.push_back('\\');
    }
    path.append(name);
    return path;
}

bool isSafeTileName(std::string_view name) {
    if (name.empty()) return false;
    if (name.find("..") != std::string_view::npos) return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '/' || byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

std::string tileFilePath(std::string_view graphicsDirectory, std::string_view name,
                         std::string_view extension) {
    std::string path;
    path.reserve(graphicsDirectory.size() + name.size() + extension.size());
    path.append(graphicsDirectory).append(name).append(extension);
    return path;
}

}  // namespace formats
