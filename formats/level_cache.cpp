#include "formats/level_cache.h"

#include <array>
#include <cstddef>
#include <optional>
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
    // Every layer is written beside the old state before any of it is replaced, so a write
    // that fails leaves the old state whole; only a failing rename can leave it mixed.
    constexpr std::size_t kLayers = kGameLayerCount;
    std::vector<std::string> staged;
    staged.reserve(kLayers);
    for (std::size_t layer = 0; layer < kLayers; ++layer) {
        const auto number = static_cast<std::int32_t>(layer);
        std::optional<std::string> file = media::stageFileContents(
            layerFilePath(directory, number), formatLayerText(byLayer[layer], number));
        if (!file) break;
        staged.push_back(std::move(*file));
    }
    std::size_t committed = 0;
    if (staged.size() == kLayers) {
        while (committed < kLayers &&
               media::commitStagedFile(
                   staged[committed],
                   layerFilePath(directory, static_cast<std::int32_t>(committed)))) {
            ++committed;
        }
        if (committed == kLayers) return true;
        // The commit that failed removed its own staged file.
        staged.erase(staged.begin(), staged.begin() + static_cast<std::ptrdiff_t>(committed) + 1);
    }
    for (const std::string& file : staged)
        media::discardStagedFile(file);
    // A first save cut short would be loaded as the level's state, with the layers written
    // and the others missing: it goes again, so the map comes from the maps directory.
    if (!hadState) {
        for (std::size_t layer = 0; layer < committed; ++layer)
            media::deleteFile(layerFilePath(directory, static_cast<std::int32_t>(layer)));
        media::deleteDirectory(directory);
    }
    return false;
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
