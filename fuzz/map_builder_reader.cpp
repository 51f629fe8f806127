// The builder's map reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/map_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const formats::BuilderMapText map = formats::parseBuilderMapText(bytes);
    if (map.tiles.size() > size) std::abort();
    return 0;
}
