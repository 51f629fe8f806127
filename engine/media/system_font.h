// The built-in fixed-width system font of the compositor's 2D text: 8 x 16 pixel cells,
// glyphs for the printable ASCII characters 32..126 and a hollow box for every other byte.
#pragma once

#include <array>
#include <cstdint>

namespace media {

constexpr int kSystemGlyphWidth = 8;
constexpr int kSystemGlyphHeight = 16;

// One glyph: 16 rows top to bottom; in each row bit 7 is the leftmost pixel.
using SystemGlyph = std::array<std::uint8_t, kSystemGlyphHeight>;

const SystemGlyph& systemFontGlyph(unsigned char code);

}  // namespace media
