// The game's map reader on arbitrary bytes; what it reads must write back byte-stable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "formats/map_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const formats::GameMapText map = formats::parseGameMapText(bytes);
    if (map.tiles.size() > size) std::abort();  // records never outnumber the input bytes
    const std::string written = formats::formatMapText(map.tiles);
    const std::string again = formats::formatMapText(formats::parseGameMapText(written).tiles);
    if (again != written) std::abort();
    return 0;
}
