// The font's character list on arbitrary bytes: the first line names the glyphs to load.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/font_characters.h"
#include "engine/media/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    media::LineReader reader(bytes);
    const std::string_view line = reader.next();
    const auto sources = engine::glyphSourcesOfLine(line);
    // One glyph per position 0..length, NUL bytes left out; every name is a file name.
    if (sources.size() > line.size() + 1) std::abort();
    for (const engine::GlyphSource& source : sources) {
        if (source.pictureName.empty() || source.pictureName.size() > 10) std::abort();
        if (source.pictureName.find('\0') != std::string::npos) std::abort();
    }
    return 0;
}
