#include "engine/font_characters.h"

#include <array>

namespace engine {
namespace {

struct NamedCharacter {
    unsigned char character;
    unsigned char code;
    std::string_view pictureName;
};

// Signs and head-up icons; "a" to "z" follow as "_a" ... "_z".
constexpr std::array<NamedCharacter, 19> kNamedCharacters = {{
    {'.', '.', "POINT"},    {'[', '[', "FLOPPY"},  {']', ']', "FLOPPYB"},  {'-', '-', "MINUS"},
    {'"', '"', "FUEL"},     {'(', '(', "LEFT"},    {')', ')', "RIGHT"},    {':', ':', "POINTPOINT"},
    {'*', '*', "STERN"},    {'&', '&', "GUIBACK"}, {0xF6, 0xF6, "IDCARD"},  // ö
    {0xD6, 0xD6, "IDCARD"},                                                 // Ö
    {0xC4, 0xC4, "HERZ"},                                                   // Ä
    {0xE4, 0xE4, "HERZ"},                                                   // ä
    {'@', '@', "LIFE"},     {0xFC, 'u', "_u"},                              // ü
    {0xDC, 'u', "_u"},                                                      // Ü
    {0xDF, 'S', "S"},                                                       // ß
    {'+', '+', "PLUS"},
}};

}  // namespace

GlyphSource glyphSourceOf(unsigned char character) {
    for (const NamedCharacter& named : kNamedCharacters) {
        if (named.character == character) {
            return {named.code, std::string(named.pictureName)};
        }
    }
    if (character >= 'a' && character <= 'z') {
        return {character, std::string("_") + static_cast<char>(character)};
    }
    return {character, std::string(1, static_cast<char>(character))};
}

std::vector<GlyphSource> glyphSourcesOfLine(std::string_view line) {
    std::vector<GlyphSource> sources;
    if (line.empty()) return sources;
    sources.reserve(line.size() + 1);
    for (std::size_t p = 0; p <= line.size(); ++p) {
        const unsigned char character = textCharacterAt(line, p);
        if (character != 0) sources.push_back(glyphSourceOf(character));
    }
    return sources;
}

}  // namespace engine
