// A single-file map on arbitrary bytes, as both programs read it: the game and the builder
// find the same records on the same layers, and the game's records write back byte-stable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "formats/map_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const formats::GameMapText game = formats::parseGameMapText(bytes);
    const formats::BuilderMapText builder = formats::parseBuilderMapText(bytes);
    if (game.tiles.size() != builder.tiles.size()) std::abort();
    if (game.viewOffsetX != builder.viewOffsetX || game.viewOffsetY != builder.viewOffsetY)
        std::abort();
    for (std::size_t i = 0; i < game.tiles.size(); ++i) {
        const formats::TileRecord& g = game.tiles[i];
        const formats::BuilderTileRecord& b = builder.tiles[i];
        if (g.name != b.name || g.layer != b.layer || g.tileIndex != b.tileIndex) std::abort();
    }
    const std::string written = formats::formatMapText(game.tiles);
    const formats::GameMapText again = formats::parseGameMapText(written);
    if (again.tiles.size() != game.tiles.size()) std::abort();
    if (formats::formatMapText(again.tiles) != written) std::abort();
    return 0;
}
