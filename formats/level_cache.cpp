#include "formats/level_cache.h"

#include <array>
#include <vector>

#include "engine/base/text_values.h"
#include "engine/media/files.h"
#include "formats/map_directory.h"
#include "formats/text_lines.h"
#include "formats/tile_paths.h"

namespace formats {

std::string levelCacheDirectory(std::string_view cacheDirectory, std::int32_t mapNumber) {
    std::string path(cacheDirectory);
    path.append(std::to_string(mapNumber));
    return path;
}

bool saveLevelCache(std::string_view cacheDirectory, std::int32_t mapNumber,
                    std::span<const TileRecord> records) {
    const std::string directory = levelCacheDirectory(cacheDirectory, mapNumber);
    const bool hadState = media::directoryExists(directory);
    if (!media::createDirectory(directory)) return false;

    std::array<std::vector<const TileRecord*>, kGameLayerCount> byLayer;
    for (const TileRecord& tile : records) {
        if (tile.layer >= 0 && tile.layer < kGameLayerCount) {
            byLayer[static_cast<std::size_t>(tile.layer)].push_back(&tile);
        }
    }
    for (std::int32_t layer = 0; layer < kGameLayerCount; ++layer) {
        const std::string text = formatLayerText(byLayer[static_cast<std::size_t>(layer)], layer);
        if (!media::replaceFileContents(layerFilePath(directory, layer), text)) {
            // A first save cut short would be loaded as the level's state, with the layers
            // not yet written missing: it goes again, so the map comes from the maps directory.
            if (!hadState) {
                for (std::int32_t written = 0; written < layer; ++written)
                    media::deleteFile(layerFilePath(directory, written));
                media::deleteDirectory(directory);
            }
            return false;
        }
    }
    return true;
}

bool writeContinueMap(std::string_view cacheDirectory, std::int32_t mapNumber) {
    return media::replaceFileContents(joinPath(cacheDirectory, kTileCountFileName),
                                      std::to_string(mapNumber));
}

std::optional<std::int32_t> readContinueMap(std::string_view cacheDirectory) {
    const auto bytes = media::readWholeFile(joinPath(cacheDirectory, kTileCountFileName));
    if (!bytes) return std::nullopt;
    return parseContinueMap(*bytes);
}

std::int32_t parseContinueMap(std::string_view bytes) {
    return base::parseInteger(media::LineReader(bytes).next());
}

}  // namespace formats
