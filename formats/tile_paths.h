// Building file paths from configured directories and tile names.
//
// Configured directories carry their own trailing backslash and names are appended to them
// as they are; a directory given without one gets a "\" before the name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace formats {

// dir + name, with a "\" between them unless dir is empty or already ends in "\" or "/".
std::string joinPath(std::string_view directory, std::string_view name);

// A tile name may become part of a path that is written only when it cannot leave the
// directory it is put in: not empty, no "\" or "/", no "..", no control character.
bool isSafeTileName(std::string_view name);

// graphics directory + name + extension (the picture or DNA file of a tile).
std::string tileFilePath(std::string_view graphicsDirectory, std::string_view name,
                         std::string_view extension);

inline constexpr std::string_view kDnaExtension = ".dll";

}  // namespace formats
