// The builder's catalogue scan: one tile type per picture in the graphics directory, each
// made sure to have a DNA file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace formats {

// Lists the graphics directory (sorted by name); every file whose name contains the
// picture extension (letter case ignored, as the directory listing of the original
// platform matched it) gives the tile name before the first occurrence of the extension.
// The tile's DNA file (graphics directory + name + ".dll") is created empty when it is
// missing; a name whose DNA file is missing and cannot be created is dropped (an existing
// one is kept even when it is read-only). Directories, an
// empty extension and names holding a control character (which would break the line
// structure of the map files they are written into) or a backslash (a path separator in
// configured paths: the DNA file would be written elsewhere) give no tile type.
std::vector<std::string> scanTileCatalogue(std::string_view graphicsDirectory,
                                           std::string_view pictureExtension);

}  // namespace formats
