// Applying a tile's DNA file to a world object, as the loader does for every placed tile
// (reset off) and for every object of a level it unloads (the master file "DNA", reset on),
// and as spawning does at run time.
//
// The work is split in two: the record part (the state switches, the key table of formats/,
// the animation container test and the velocity scaling) touches only the record, so the
// loader can apply one file to a prototype once and copy the result to every object of that
// tile; the effects part carries out what reaches beyond the record (the player's life
// value, the shadow picture, measuring the still picture).
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/world_object.h"
#include "formats/dna_apply.h"

namespace world {

inline constexpr std::string_view kMasterDnaName = "DNA";

struct DnaOutcome {
    bool opened = false;               // the DNA file could be read
    bool animationContainer = false;   // its animContainer names an existing container
    formats::DnaApplyEffects effects;  // what reaches beyond the record
};

// graphics directory + name + ".dll".
std::string dnaFilePath(std::string_view name);

// The record part of applying DNA file `name` (reset on: the level-unload reset).
DnaOutcome applyDnaToRecord(WorldObject& object, std::string_view name, bool reset);

// The effects part for object i: the life value of the player status, the shadow picture,
// measuring the still picture of an animated object.
void applyDnaEffects(std::int32_t i, const DnaOutcome& outcome);

// Both parts.
void applyDna(std::string_view name, std::int32_t i, bool reset);

// Loads EFFECT_GFX + name + picture extension as object i's shadow (replacing the previous
// one); hasShadow tells whether its 3D sprite exists.
void loadShadow(std::string_view name, std::int32_t i);

// worldFTileIDString "", worldFTilePlayerID 0, worldFTileIsGUI 0, worldFTileNoScroll 0.
void clearObjectIdentity(std::int32_t i);

}  // namespace world
