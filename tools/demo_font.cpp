#include "tools/demo_font.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "tools/demo_paint.h"

namespace demo {
namespace {

// Letters are drawn on a grid of 4 x 4 pixel cells, 7 cells high, with a one-cell shadow
// down and to the right; the shadow column is also the gap to the next letter. Nearest
// sampling keeps every row of the grid down to a zoom of about 0.3.
constexpr int kCell = 4;
constexpr int kRows = 7;

struct Letter {
    char character;
    std::string_view name;  // picture name
    std::array<std::string_view, kRows> rows;
};

// Proportional: each letter is as wide as its rows.
constexpr Letter kLetters[] = {
    {'A', "A", {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', "B", {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', "C", {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', "D", {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', "E", {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', "F", {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', "G", {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}},
    {'H', "H", {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', "I", {"#", "#", "#", "#", "#", "#", "#"}},
    {'J', "J", {"....#", "....#", "....#", "....#", "#...#", "#...#", ".###."}},
    {'K', "K", {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', "L", {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', "M", {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', "N", {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', "O", {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', "P", {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', "Q", {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', "R", {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', "S", {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', "T", {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', "U", {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', "V", {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', "W", {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {'X', "X", {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', "Y", {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', "Z", {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', "0", {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', "1", {".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'2', "2", {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', "3", {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', "4", {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', "5", {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', "6", {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', "7", {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', "8", {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', "9", {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."}},
    {'.', "POINT", {".", ".", ".", ".", ".", ".", "#"}},
    {',', ",", {"..", "..", "..", "..", "..", ".#", "#."}},
    {':', "POINTPOINT", {".", ".", "#", ".", ".", "#", "."}},
    {'!', "!", {"#", "#", "#", "#", "#", ".", "#"}},
    {'-', "MINUS", {"...", "...", "...", "###", "...", "...", "..."}},
    {'+', "PLUS", {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {'(', "LEFT", {".#", "#.", "#.", "#.", "#.", "#.", ".#"}},
    {')', "RIGHT", {"#.", ".#", ".#", ".#", ".#", ".#", "#."}},
    {'\'', "'", {"#", "#", ".", ".", ".", ".", "."}},
};

const Rgb kInkTop{255, 250, 225};
const Rgb kInkBottom{250, 200, 110};
const Rgb kShadowInk{30, 16, 40};

media::Image letterPicture(const Letter& letter) {
    const int columns = static_cast<int>(letter.rows[0].size());
    media::Image image = filled((columns + 1) * kCell, (kRows + 1) * kCell, kKey);
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < kRows; ++row) {
            const Rgb ink = blend(kInkTop, kInkBottom, static_cast<float>(row) / (kRows - 1));
            for (int column = 0; column < columns; ++column) {
                if (letter.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] !=
                    '#') {
                    continue;
                }
                const int offset = pass == 0 ? kCell : 0;  // the shadow first
                for (int p = 0; p < kCell * kCell; ++p) {
                    image.at(column * kCell + offset + p % kCell,
                             row * kCell + offset + p / kCell) =
                        toArgb(pass == 0 ? kShadowInk : ink);
                }
            }
        }
    }
    return image;
}

// Head-up icons, pixel art at twice the letter height's scale (each art pixel 2 x 2).
// The gauge pieces share one size, so a value bar lies exactly over its background bar.
constexpr std::pair<char, Rgb> kIconColours[] = {
    {'k', {24, 16, 36}},    {'d', {60, 50, 80}},    {'g', {110, 100, 130}}, {'r', {230, 50, 60}},
    {'R', {255, 140, 140}}, {'o', {250, 160, 40}},  {'y', {255, 230, 120}}, {'b', {70, 140, 230}},
    {'B', {170, 215, 255}}, {'w', {245, 245, 250}}, {'s', {200, 170, 60}},
};

constexpr std::string_view kGaugeBack[] = {
    "kkkk", "kddk", "kddk", "kddk", "kddk", "kddk", "kddk", "kddk",
    "kddk", "kddk", "kddk", "kddk", "kddk", "kddk", "kkkk", "....",
};
constexpr std::string_view kGaugeLife[] = {
    "....", ".RR.", ".rr.", ".rr.", ".rr.", ".rr.", ".rr.", ".rr.",
    ".rr.", ".rr.", ".rr.", ".rr.", ".rr.", ".rr.", "....", "....",
};
constexpr std::string_view kGaugeFuel[] = {
    "....", ".yy.", ".oo.", ".oo.", ".oo.", ".oo.", ".oo.", ".oo.",
    ".oo.", ".oo.", ".oo.", ".oo.", ".oo.", ".oo.", "....", "....",
};
constexpr std::string_view kIdCard[] = {
    "...........", "...........", "...........", "kkkkkkkkkk.", "kBBBBBBBBk.", "kBwwBBbbBkk",
    "kBwwBBBBBkk", "kBwwBbbbBkk", "kBBBBBBBBkk", "kbbbbbbbbkk", "kkkkkkkkkkk", ".kkkkkkkkkk",
    "...........", "...........", "...........", "...........",
};
constexpr std::string_view kHeart[] = {
    "..........", "..........", "..........", "..........", ".rr...rr..", "rRRr.rrrr.",
    "rRrrrrrrrk", "rrrrrrrrrk", ".rrrrrrrk.", "..rrrrrk..", "...rrrk...", "....rk....",
    "..........", "..........", "..........", "..........",
};
constexpr std::string_view kStar[] = {
    "..........", "..........", "..........", "....y.....", "....y.....", "...yyy....",
    "yyyyyyyyy.", ".yyyyyyyk.", "..yyyyyk..", "..yy.yyk..", ".yy...yk..", ".y.....k..",
    "..........", "..........", "..........", "..........",
};
constexpr std::string_view kFloppy[] = {
    "..........", "..........", "..........", "..........", "kkkkkkkkk.", "kbbwwwwbk.",
    "kbbwwwwbk.", "kbbbbbbbk.", "kbgggggbk.", "kbgwwwgbk.", "kbgggggbk.", "kkkkkkkkk.",
    "..........", "..........", "..........", "..........",
};
constexpr std::string_view kFloppyB[] = {
    "..........", "..........", "..........", "..........", "kkkkkkkkk.", "krrwwwwrk.",
    "krrwwwwrk.", "krrrrrrrk.", "krgggggrk.", "krgwwwgrk.", "krgggggrk.", "kkkkkkkkk.",
    "..........", "..........", "..........", "..........",
};

media::Image iconPicture(std::span<const std::string_view> rows) {
    return enlarged(pixelArt(rows, kIconColours), 2);
}

}  // namespace

std::vector<GlyphPicture> fontGlyphs() {
    std::vector<GlyphPicture> glyphs;
    for (const Letter& letter : kLetters)
        glyphs.push_back({std::string(letter.name), letterPicture(letter)});
    glyphs.push_back({"GUIBACK", iconPicture(kGaugeBack)});
    glyphs.push_back({"LIFE", iconPicture(kGaugeLife)});
    glyphs.push_back({"FUEL", iconPicture(kGaugeFuel)});
    glyphs.push_back({"IDCARD", iconPicture(kIdCard)});
    glyphs.push_back({"HERZ", iconPicture(kHeart)});
    glyphs.push_back({"STERN", iconPicture(kStar)});
    glyphs.push_back({"FLOPPY", iconPicture(kFloppy)});
    glyphs.push_back({"FLOPPYB", iconPicture(kFloppyB)});
    return glyphs;
}

media::Image textPicture(std::string_view text, int cell) {
    int columns = 1;
    for (char c : text) {
        if (c == ' ') {
            columns += 3;
            continue;
        }
        for (const Letter& letter : kLetters) {
            if (letter.character == c) columns += static_cast<int>(letter.rows[0].size()) + 1;
        }
    }
    media::Image image = filled(columns * cell, (kRows + 1) * cell, kKey);
    int at = 0;
    for (char c : text) {
        if (c == ' ') {
            at += 3;
            continue;
        }
        for (const Letter& letter : kLetters) {
            if (letter.character != c) continue;
            const int width = static_cast<int>(letter.rows[0].size());
            for (int pass = 0; pass < 2; ++pass) {
                for (int row = 0; row < kRows; ++row) {
                    const Rgb ink =
                        blend(kInkTop, kInkBottom, static_cast<float>(row) / (kRows - 1));
                    for (int column = 0; column < width; ++column) {
                        if (letter.rows[static_cast<std::size_t>(row)]
                                       [static_cast<std::size_t>(column)] != '#') {
                            continue;
                        }
                        const int offset = pass == 0 ? cell : 0;
                        for (int p = 0; p < cell * cell; ++p) {
                            image.at((at + column) * cell + offset + p % cell,
                                     row * cell + offset + p / cell) =
                                toArgb(pass == 0 ? kShadowInk : ink);
                        }
                    }
                }
            }
            at += width + 1;
        }
    }
    return image;
}

std::string fontCharacterList() {
    std::string line;
    for (const Letter& letter : kLetters)
        line += letter.character;
    // The icons: gauge background, life, fuel, ID card (0xD6), heart (0xC4), star, floppies.
    line += "&@\"";
    line += static_cast<char>(0xD6);
    line += static_cast<char>(0xC4);
    line += "*[]";
    return line;
}

}  // namespace demo
