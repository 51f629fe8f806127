// The demo's bitmap font: one picture per character the game draws (letters, digits,
// punctuation and the head-up icons) and the character list that names them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/media/image.h"

namespace demo {

struct GlyphPicture {
    std::string name;  // picture name without extension, as the font loader builds it
    media::Image picture;
};

// Every glyph picture, in the order of the character list.
std::vector<GlyphPicture> fontGlyphs();

// A line of text in the font's letters (cell = pixels per letter pixel) with a shadow, on
// the key: the words of menu buttons and signs.
media::Image textPicture(std::string_view text, int cell);

// The character list file's single line, single-byte (Windows-1252) text.
std::string fontCharacterList();

}  // namespace demo
