// The bitmap font: one picture per character, drawn as 3D sprites so that texts zoom, turn
// and blend. Some characters are head-up icons (fuel, life, ID card, bar background), so a
// run of one of them is a gauge.
//
// Texts are single-byte (Windows-1252). Every text is walked from position 0 to its length
// with positions 0 and 1 both giving the first character, so the first character is drawn
// twice: the engine's texts begin with a blank, which moves the first letter two blank
// widths right of x, and end with "|", which returns the shared cursor to (0, 0). Inside a
// text "\" starts a new line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

struct Glyph {
    float height = 0.0f;  // drawn size in pixels at zoom 1
    float width = 0.0f;
    std::uint32_t picture = 0;  // 0 = none
    std::uint32_t sprite = 0;   // 3D sprite made from the picture; 0 = none
    std::string name;           // picture name, kept from loading
};

inline constexpr std::size_t kGlyphTableEntries = 257;  // codes 0..255 are used
extern std::array<Glyph, kGlyphTableEntries> glyphTable;

struct TextCursor {
    float x = 0.0f;
    float y = 0.0f;
};
// Shared by every text and kept between calls; "|" and "\" move it back.
extern TextCursor textCursor;

inline constexpr char kNewLine = '\\';
inline constexpr char kCursorReset = '|';

// Frees every glyph, computes scalerX and scalerY from the screen and the design size, then
// loads the glyphs of the first line of the FONTFUNDAMENT file from FONT + "\" + picture
// name + graphics extension. A glyph's height is the picture height x scalerX and its width
// the picture width x scalerY (the factors are crossed). A missing list or picture is not
// reported: those characters draw nothing.
void loadFont();

// Frees every glyph and sets the cursor to (0, 0).
void clearFont();

// Draws text at (x, y) plus the cursor, with blend (5, 6). Inside a 3D pass only.
void drawFontText(std::string_view text, float x, float y, float zoom, float rotation, int alpha);

// One character: a negative zoom draws at 1. "\" moves the cursor to the next line (1.2 x
// the height of "A" x zoom), "|" back to (0, 0), a blank right by the width of "I" (not
// zoomed); any other glyph with a sprite is drawn at (x, y) + cursor and moves the cursor by
// its zoomed width; one without a sprite draws nothing and keeps the cursor. A rotation
// other than 0 turns the glyph's sprite by that many degrees more.
void drawGlyph(unsigned char code, float x, float y, float zoom, float rotation, int alpha);

}  // namespace engine
