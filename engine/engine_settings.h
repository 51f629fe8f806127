// The game's one global settings-and-state record. Every part of the game reads and writes
// its fields directly. The fields, their start values, their configuration keys and their
// place in the state dump are one list: engine_settings_fields.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/map_ids.h"

struct PlayerStatusEntry {
    std::string text;
    std::int32_t value = 0;
};

inline constexpr std::size_t kCoreErrorTextCount = 12;
inline constexpr std::size_t kPlayerStatusEntries = 128;
inline constexpr std::size_t kDrawListEntries = 1026;
inline constexpr std::size_t kInitialObjectListEntries = 3;  // collision, weapon, mirror list

// One tile picture of the level loader's picture cache, shared by every object of that name.
struct PictureCacheEntry {
    std::string name;
    std::uint32_t sprite = 0;  // the decoded picture; 0 = none
    std::int8_t loaded = 0;    // 1 when the picture loaded (a failed one keeps its entry)
};
inline constexpr std::size_t kPictureCacheEntries = 514;  // grows past this when needed

// Types of the fields whose names hold a comma.
using CoreErrorTexts = std::array<std::string, kCoreErrorTextCount>;
using ObjectIndexList = std::vector<std::int32_t>;
using PictureCache = std::vector<PictureCacheEntry>;
using PlayerStatus = std::vector<PlayerStatusEntry>;
using EffectSoundNames = std::array<std::string, 3>;

// Every field is a row of engine_settings_fields.h, which also holds its configuration key
// and how the state dump shows it; add fields there, never here.
struct EngineSettings {
#define RZ_DECLARE(type, name, start, ...) type name = start;
#define FIELD RZ_DECLARE
#define TABLE RZ_DECLARE
#define UNDUMPED RZ_DECLARE
#define KEYED RZ_DECLARE
#define CODEC RZ_DECLARE
#include "engine/engine_settings_fields.h"
#undef RZ_DECLARE
};

extern EngineSettings engineSettings;

namespace engine {

// Working directory (host form, no trailing separator) + "\CORE\".
std::string engineBaseDirectory(std::string_view workingDirectory);

// Sets every field of engineSettings to its start value, with the given engine base
// directory (also the default of the two report paths), and creates the world object
// table at its initial size.
void resetEngineState(std::string_view engineBase);

}  // namespace engine
