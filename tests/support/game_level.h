// Small generated levels for the black-box runs: one-colour tile pictures with their DNA
// files, and the layer file of a map.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/media/image.h"
#include "engine/media/pictures.h"
#include "formats/map_file.h"
#include "support/game_run.h"
#include "support/test_support.h"

namespace game_test {

// GFX/<name>.png, a square of side pixels in one colour, and GFX/<name>.dll: switched on,
// opaque, then the pairs of moreDna.
inline void writeSolidTile(const TempDir& dir, const std::string& name, int side,
                           media::Argb colour,
                           const std::vector<std::pair<std::string, std::string>>& moreDna = {}) {
    media::Image picture;
    picture.width = side;
    picture.height = side;
    picture.pixels.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), colour);
    writeFile(dir.file("GFX/" + name + ".png"), "");  // makes the directory
    ASSERT_TRUE(media::writePng(dir.file("GFX/" + name + ".png"), picture, true));
    std::vector<std::pair<std::string, std::string>> dna = {{"worldFTileIsActive", "1"},
                                                            {"worldFTileTransparency", "255"}};
    dna.insert(dna.end(), moreDna.begin(), moreDna.end());
    writeFile(dir.file("GFX/" + name + ".dll"), pairs(dna));
}

// The layer file (relative to dir, e.g. "MAPS/0/0") holding records in this order.
inline void writeLayer(const TempDir& dir, const std::string& relative,
                       const std::vector<formats::TileRecord>& records) {
    std::vector<const formats::TileRecord*> pointers;
    for (const formats::TileRecord& record : records)
        pointers.push_back(&record);
    writeFile(dir.file(relative), formats::formatLayerText(pointers, 0));
}

}  // namespace game_test
