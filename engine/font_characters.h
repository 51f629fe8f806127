// Which glyph each character of the font's character list stands for, and the picture it is
// drawn from. Most characters are their own glyph and picture ("7" -> "7"); letters, signs
// that cannot be file names and the head-up icons have picture names of their own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Texts are single-byte (Windows-1252); a glyph code is the byte value.
struct GlyphSource {
    unsigned char code = 0;
    std::string pictureName;
};

// The glyph code and picture name of one character.
GlyphSource glyphSourceOf(unsigned char character);

// The glyphs a character list line loads, in loading order. Like every text of the font the
// line is walked from position 0 to its length with positions 0 and 1 both giving the first
// character, so the first glyph loads twice. An empty line loads nothing, and neither does a
// NUL byte, which names no picture.
std::vector<GlyphSource> glyphSourcesOfLine(std::string_view line);

// The character at text position p (0..size): positions 0 and 1 both give the first byte.
inline unsigned char textCharacterAt(std::string_view text, std::size_t p) {
    return static_cast<unsigned char>(text[p == 0 ? 0 : p - 1]);
}

}  // namespace engine
