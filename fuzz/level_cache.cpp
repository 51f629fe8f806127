// The level cache's files on arbitrary bytes: the continue file "_" and a cached layer file,
// which the cache writes back for its layer byte-stable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "formats/level_cache.h"
#include "formats/map_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static_cast<void>(formats::parseContinueMap(bytes));

    const formats::GameMapText layer = formats::parseGameMapText(bytes);
    std::vector<const formats::TileRecord*> records;
    for (const formats::TileRecord& tile : layer.tiles)
        records.push_back(&tile);
    const std::int32_t number = layer.tiles.empty() ? 0 : layer.tiles.front().layer;
    const std::string written = formats::formatLayerText(records, number);
    const formats::GameMapText again = formats::parseGameMapText(written);
    if (again.tiles.size() != layer.tiles.size()) std::abort();
    for (const formats::TileRecord& tile : again.tiles) {
        if (tile.layer != number) std::abort();
    }
    std::vector<const formats::TileRecord*> reread;
    for (const formats::TileRecord& tile : again.tiles)
        reread.push_back(&tile);
    if (formats::formatLayerText(reread, number) != written) std::abort();
    return 0;
}
