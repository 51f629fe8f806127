// The map directory: layer files "0", "1", ... named by the decimal layer number, the
// tile-count file "_" and the copies of the used tile pictures and DNA files below
// "_DATA\2DGFX\".
//
// The game loads layers 0 to 24; the builder opens 0 to 128 and writes 0 to its highest
// layer in use. A layer file that cannot be opened is skipped by both.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/map_file.h"

namespace formats {

inline constexpr std::int32_t kGameLayerCount = 25;            // layer files "0" to "24"
inline constexpr std::int32_t kBuilderHighestLayerFile = 128;  // layer files "0" to "128"
inline constexpr std::string_view kTileCountFileName = "_";
inline constexpr std::string_view kPictureCopyDirectory = "_DATA\\2DGFX\\";

// directory + "\" + decimal layer.
std::string layerFilePath(std::string_view directory, std::int32_t layer);

// The layer files 0 to 24 of a map directory as the level loader reads them, each nullopt
// when missing.
using GameMapLayers = std::array<std::optional<GameMapText>, kGameLayerCount>;
GameMapLayers readGameMapLayers(std::string_view directory);

// The first line of the tile-count file as an integer; 0 when the file is missing.
std::int32_t readTileCount(std::string_view directory);

// The builder's view of a map folder: the records of layer files 0 to 128 appended in
// that order; the view offsets are those of the last file read; highestLayer is the
// highest layer read, at least 0.
struct BuilderMapFolder {
    std::int32_t viewOffsetX = 0;
    std::int32_t viewOffsetY = 0;
    std::vector<BuilderTileRecord> tiles;
    std::int32_t highestLayer = 0;
    std::int32_t layerFilesRead = 0;
};
BuilderMapFolder readBuilderMapFolder(std::string_view folder);

// What the builder hands over to save a map directory.
struct MapDirectorySave {
    std::string_view directory{};
    // The alive elements in element-table order, positions and sizes as held (rounded when
    // written).
    std::span<const TileRecord> records{};
    // The builder's highest layer in use: files "0" to this one are written (a layer
    // holding a record above it is written too). Layers outside 0 to 128 are never written:
    // no reader opens them.
    std::int32_t highestLayer = 0;
    std::int32_t lastElementIndex = -1;    // written into "_"
    std::string_view graphicsDirectory{};  // the source of the picture and DNA copies
    std::string_view pictureExtension{};
};

struct MapDirectorySaveResult {
    std::int32_t layersWritten = 0;
    std::int32_t layersFailed = 0;  // each left its old file intact
    bool tileCountWritten = false;
    // The layer files and the tile-count file that could not be written, in writing order.
    std::vector<std::string> filesFailed;
    std::int32_t filesCopied = 0;
    std::int32_t copiesFailed = 0;  // missing source or failed write; the save goes on
    // Tile names that cannot become part of a path; their records are written, their
    // copies are not made.
    std::vector<std::string> unsafeNames;
    bool complete() const { return layersFailed == 0 && tileCountWritten; }
};

// Writes layer files 0 to the highest layer (each one, empty layers too), then makes the
// picture and DNA copies of the tiles written (only when "_DATA\2DGFX\" exists), and
// writes "_" last. Every file is replaced as a whole.
MapDirectorySaveResult saveMapDirectory(const MapDirectorySave& request);

}  // namespace formats
