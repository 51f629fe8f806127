// The maps of the demo game: the main menu 999, the levels 0 to 10, the game-over screen
// 4096 and the closing screen 4095, in design pixels of 800 x 600. Levels are drawn as
// grids of 40-pixel cells (see docs/demo.md for the legend and the way through each).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/map_file.h"
#include "tools/demo_sprites.h"

namespace demo {

struct MapPlan {
    std::int32_t id;
    std::string title;  // a name for the level, for the tool's report and the docs
    std::vector<formats::TileRecord> records;
};

std::vector<MapPlan> gameMaps();

// The tiles that only the maps need: menu buttons and signs with words on them.
std::vector<GameTile> mapTiles();

}  // namespace demo
