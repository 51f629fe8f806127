// The sounds of the demo game: short object and action sounds, and the level music, all
// synthesised here as Ogg Vorbis.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace demo {

struct SoundFile {
    std::string name;  // file name without extension
    std::optional<std::string> ogg;
};

// The object sounds the DNA files name (DEMO_SHOT, DEMO_GROAN ...).
std::vector<SoundFile> objectSounds();

// Music pieces by kind: "LEVEL_A" (calm), "LEVEL_B" (tense), "GAMEOVER".
std::optional<std::string> musicPiece(const std::string& kind);

}  // namespace demo
