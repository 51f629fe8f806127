// A map directory as the game's level loader sees it, for the tests: the records of the
// layer files it reads (formats::readGameMapLayers), in load order.
#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

#include "formats/map_directory.h"

namespace testing_support {

struct GameMap {
    std::vector<formats::TileRecord> tiles;
    std::int32_t layerFilesRead = 0;
};

inline GameMap readGameMap(std::string_view directory) {
    GameMap map;
    for (auto& layer : formats::readGameMapLayers(directory)) {
        if (!layer) continue;
        ++map.layerFilesRead;
        std::move(layer->tiles.begin(), layer->tiles.end(), std::back_inserter(map.tiles));
    }
    return map;
}

}  // namespace testing_support
