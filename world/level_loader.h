// The level loader: turns map nextMapId into the table of world objects.
//
// Load level: the level's music, then the map — from the level cache when it is in use
// (USECACHE 1) and the player left a saved state of it there, else from the maps directory
// fitted to the screen — then the MULTITASK setting, the music started, the HUD texts
// rebuilt. Load map: unload the previous level, read layer files 0 to 24 and create one
// object per tile record in load order, applying each tile's DNA file. Save level state:
// write the live level into the level cache (USECACHE 1).
//
// Every object of a level starts from the same record: a zero-filled one with the master
// DNA file "DNA" applied. The unload resets the records of the level it ends that way, and
// the load resets any other record it takes, so a map loads the same whatever was loaded
// before it.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/map_ids.h"
#include "formats/map_file.h"

namespace world {

enum FitMode : std::int32_t {
    kScreenFit = 1,  // maps directory: design pixels fitted to the screen
    kCachedFit = 2,  // level cache: screen pixels already
};

enum MapSource : std::int32_t {
    kFromMaps = 0,   // SIMCORE
    kFromCache = 1,  // CACHE
};

inline constexpr std::string_view kMissingMusicWarning = "COULD NOT FIND SOUND:";
inline constexpr std::string_view kLevelMusicPrefix = "#L";
inline constexpr std::int32_t kLevelMusicVolume = 50;
inline constexpr std::int32_t kLoopingMusicAbove =
    engine::kMainMenu;                                  // menus and title screens loop
inline constexpr std::int32_t kFallbackMusicFirst = 3;  // "#L3" to "#L5"
inline constexpr std::int32_t kFallbackMusicSpread = 2;
inline constexpr std::int32_t kLoadingBarAbove = 500;  // tile counts that show the bar
inline constexpr std::int32_t kLinesPerRecord = 7;     // counted per tile record

// Loads map nextMapId (it becomes actualMapId).
void loadLevel();

// The main loop's map-load step: loads mapId.
void loadLevelSlot(std::int32_t mapId);

// Loads map `name` from the maps directory (source kFromMaps) or the level cache
// (kFromCache), fitted by fitMode; with reset, the previous level is unloaded first.
void loadMap(std::string_view name, std::int32_t fitMode, bool reset, std::int32_t source);

// Creates the next object (index objectLast, which counts the objects during a load) from a
// tile record. Used by loadMap.
void createObject(const formats::TileRecord& record, std::int32_t fitMode);

// Frees the picture cache, the mirror sprites and every object's media from 0 to last, and
// resets those records to the master DNA.
void unloadLevel(std::int32_t last);

// Frees the previous level music and loads SOUNDPATH + "#L" + mapNumber + sound extension,
// or one of "#L3" to "#L5" when that is missing; levelMusic -1 when neither loads.
void loadLevelMusic(std::int32_t mapNumber);

// With USECACHE 1: writes the live objects of the level (save points applied, removed ones
// left out) into the level cache directory of mapNumber. A layer file that cannot be written
// is core error 9.
void saveLevelState(std::int32_t mapNumber);

// The level's part of the program end: stops and frees the level music and unloads the
// level, so no picture, sprite or sound of it stays loaded.
void releaseLevel();

// Number of objects the current level was created with (0 for an empty map, which
// objectLast alone cannot tell from a map of one object).
std::int32_t levelObjectCount();

// The mirror drawing keeps one sprite pair for all mirror surfaces; the unload frees it
// through this hook (set by the drawing; nullptr = nothing to free).
using MirrorSpriteRelease = void (*)();
void setMirrorSpriteRelease(MirrorSpriteRelease release);

}  // namespace world
