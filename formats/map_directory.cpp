#include "formats/map_directory.h"

#include <algorithm>
#include <functional>
#include <set>

#include "engine/base/text_values.h"
#include "engine/media/files.h"
#include "formats/text_lines.h"
#include "formats/tile_paths.h"

namespace formats {

std::string layerFilePath(std::string_view directory, std::int32_t layer) {
    return joinPath(directory, std::to_string(layer));
}

GameMapLayers readGameMapLayers(std::string_view directory) {
    GameMapLayers layers;
    for (std::int32_t layer = 0; layer < kGameLayerCount; ++layer) {
        layers[static_cast<std::size_t>(layer)] = readGameMapFile(layerFilePath(directory, layer));
    }
    return layers;
}

std::int32_t readTileCount(std::string_view directory) {
    const auto bytes = media::readWholeFile(joinPath(directory, kTileCountFileName));
    if (!bytes) return 0;
    return base::parseInteger(media::LineReader(*bytes).next());
}

BuilderMapFolder readBuilderMapFolder(std::string_view folder) {
    BuilderMapFolder map;
    for (std::int32_t layer = 0; layer <= kBuilderHighestLayerFile; ++layer) {
        auto layerText = readBuilderMapFile(layerFilePath(folder, layer));
        if (!layerText) continue;
        ++map.layerFilesRead;
        map.viewOffsetX = layerText->viewOffsetX;
        map.viewOffsetY = layerText->viewOffsetY;
        for (BuilderTileRecord& tile : layerText->tiles) {
            map.highestLayer = std::max(map.highestLayer, tile.layer);
            map.tiles.push_back(std::move(tile));
        }
    }
    return map;
}

namespace {

// Copies the picture and the DNA file of each tile written into "_DATA\2DGFX\", once per
// name and save. A name that could leave that directory is never made into a path.
class PictureCopier {
  public:
    PictureCopier(const MapDirectorySave& request, MapDirectorySaveResult& result)
        : request_(request),
          result_(result),
          target_(joinPath(request.directory, kPictureCopyDirectory)),
          targetExists_(media::directoryExists(target_)) {}

    void copyTile(const std::string& name) {
        if (!done_.insert(name).second) return;
        if (!isSafeTileName(name)) {
            result_.unsafeNames.push_back(name);
            return;
        }
        if (!targetExists_) return;
        copyFile(name, request_.pictureExtension);
        copyFile(name, kDnaExtension);
    }

  private:
    void copyFile(const std::string& name, std::string_view extension) {
        const std::string source = tileFilePath(request_.graphicsDirectory, name, extension);
        const std::string target = tileFilePath(target_, name, extension);
        if (media::fileExists(source) && media::copyFile(source, target)) {
            ++result_.filesCopied;
        } else {
            ++result_.copiesFailed;
        }
    }

    const MapDirectorySave& request_;
    MapDirectorySaveResult& result_;
    std::string target_;
    bool targetExists_;
    std::set<std::string, std::less<>> done_;
};

}  // namespace

MapDirectorySaveResult saveMapDirectory(const MapDirectorySave& request) {
    MapDirectorySaveResult result;
    std::int32_t highest = std::clamp(request.highestLayer, -1, kBuilderHighestLayerFile);
    for (const TileRecord& tile : request.records) {
        if (tile.layer <= kBuilderHighestLayerFile) highest = std::max(highest, tile.layer);
    }

    // One bucket per layer keeps the element-table order inside each layer file.
    std::vector<std::vector<const TileRecord*>> byLayer(static_cast<std::size_t>(highest + 1));
    for (const TileRecord& tile : request.records) {
        if (tile.layer >= 0 && tile.layer <= highest) {
            byLayer[static_cast<std::size_t>(tile.layer)].push_back(&tile);
        }
    }

    PictureCopier copier(request, result);
    for (std::int32_t layer = 0; layer <= highest; ++layer) {
        const auto& tiles = byLayer[static_cast<std::size_t>(layer)];
        std::string path = layerFilePath(request.directory, layer);
        if (!media::replaceFileContents(path, formatLayerText(tiles, layer))) {
            ++result.layersFailed;
            result.filesFailed.push_back(std::move(path));
            continue;
        }
        ++result.layersWritten;
        for (const TileRecord* tile : tiles)
            copier.copyTile(tile->name);
    }

    LineWriter count;
    count.line(request.lastElementIndex);
    std::string countPath = joinPath(request.directory, kTileCountFileName);
    result.tileCountWritten = media::replaceFileContents(countPath, count.text());
    if (!result.tileCountWritten) result.filesFailed.push_back(std::move(countPath));
    return result;
}

}  // namespace formats
