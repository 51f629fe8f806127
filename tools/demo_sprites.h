// The pictures, animation frames, shadows and DNA of the demo game's tiles: walls, floors,
// the player, monsters, pick-ups, doors, exits, weapons and effects. Pixel art drawn at half
// the design size and doubled, so every tile shares one pixel grid and one palette.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/media/image.h"
#include "formats/dna_file.h"

namespace demo {

struct GameTile {
    std::string name;
    media::Image picture;
    std::vector<formats::DnaPair> dna;  // the tile's own pairs; the rest comes from DNA.dll
};

// Frames of one animation container, by direction set.
struct AnimationArt {
    std::string container;
    std::array<std::vector<media::Image>, 5> sets;  // DEFAULT, RIGHT, LEFT, UP, DOWN
};
inline constexpr std::array<const char*, 5> kDirectionFolders = {"DEFAULT", "RIGHT", "LEFT", "UP",
                                                                 "DOWN"};

struct NamedPicture {
    std::string name;
    media::Image picture;
};

std::vector<GameTile> gameTiles();
std::vector<AnimationArt> gameAnimations();
std::vector<NamedPicture> shadowPictures();  // the effect graphics (shadows)

}  // namespace demo
