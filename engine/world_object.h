// The world object record and the table of them. Everything in a level is one WorldObject;
// the level loader fills one record per tile and applies the tile's DNA to it, and from then
// on the simulation owns it. Behaviour is chosen by field values only: a plain aggregate
// without virtual functions. The DNA-valued fields come from TileDna and bear the key names.
//
// Units: positions and sizes are screen pixels (float), times are values of the 32-bit
// millisecond tick, flags are signed 8-bit (0 off, 1 on), handles are media handles
// (0 = none), texts are owned strings.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/base/json_writer.h"
#include "engine/field_table.h"
#include "engine/tile_dna.h"

// Frames of one direction of an animated object, indexed by frame number 1..31 (entry 0 is
// not used).
inline constexpr std::size_t kAnimationFrameSlots = 32;
inline constexpr std::int32_t kMaxAnimationFrames = 31;

struct AnimationSet {
    std::array<std::uint32_t, kAnimationFrameSlots> frameSprites{};    // picture per frame
    std::array<std::uint32_t, kAnimationFrameSlots> frameSprites3D{};  // 3D sprite per frame
    // The frame's picture size times the screen fit factor and the zoom, whole pixels.
    std::array<std::int32_t, kAnimationFrameSlots> frameWidths{};
    std::array<std::int32_t, kAnimationFrameSlots> frameHeights{};
    std::int32_t frameCount = 0;    // frames loaded (the number of the last one)
    std::int32_t currentFrame = 0;  // frame shown, 1-based
};

// Direction codes of animated objects (animDirection). 31 is not used.
inline constexpr std::int32_t kDirectionUp = 27;
inline constexpr std::int32_t kDirectionDown = 28;
inline constexpr std::int32_t kDirectionLeft = 29;
inline constexpr std::int32_t kDirectionRight = 30;
inline constexpr std::int32_t kDirectionDefault = 32;

// worldFTileIsActive values.
inline constexpr std::int8_t kObjectActive = 1;
inline constexpr std::int8_t kObjectSwitchedOff = 0;
inline constexpr std::int8_t kObjectGone = -1;

// streamState values.
inline constexpr std::int8_t kStreamedIn = 8;
inline constexpr std::int8_t kStreamedOut = 7;

// The record's own fields are the FIELD rows of world_object_fields.h, which also places
// them and the DNA fields in the state dump; add fields there, never here.
struct WorldObject : TileDna {
#define FIELD(type, name, start) type name = start;
#define DNA(name)
#include "engine/world_object_fields.h"
};

// The five direction sets of an animated object. They live beside the record in
// objectAnimations (same index), so that the record stays small and copies whole.
struct DirectionSets {
    AnimationSet defaultSet;
    AnimationSet rightSet;
    AnimationSet leftSet;
    AnimationSet upSet;
    AnimationSet downSet;
};

// The table. Indexes run 0..engineSettings.objectLast; one zero-filled spare record follows
// the last object. The loader sizes it; nothing is inserted or removed while a level runs.
inline constexpr std::size_t kInitialWorldObjects = 3;
extern std::vector<WorldObject> worldObjects;
// The direction sets, parallel to worldObjects: always the same size. An object's sets are
// made when it first needs them (its frames are loaded or a frame step runs): most objects
// never do, and a level of plain tiles costs a pointer a record here instead of 2.6 KB.
extern std::vector<std::unique_ptr<DirectionSets>> objectAnimations;

// Empties both tables and gives them their start size.
void resetWorldObjects();

// After the loader created object count - 1 (count objects so far): the table holds at least
// count + 1 records, so a spare follows the last object. Records it adds are zero-filled;
// records of an earlier, larger level are kept (the unload reset them with the master DNA).
void growWorldObjects(std::int32_t count);

// The object index lists (collisionList, weaponList, mirrorList) hold count entries in use
// and grow to count + 1: appends index at position count, counts it, and returns the
// position written. New entries are zero-filled.
std::int32_t appendObjectIndex(std::vector<std::int32_t>& list, std::int32_t& count,
                               std::int32_t index);

// ---- Direction sets ---------------------------------------------------------------------

struct AnimationDirection {
    std::int32_t code;      // animDirection value
    std::string_view name;  // subdirectory of the container, and the name in the dump
    AnimationSet DirectionSets::*set;
};

// In the order the streaming loads them: LEFT, RIGHT, UP, DOWN, DEFAULT.
inline constexpr std::array<AnimationDirection, 5> kAnimationDirections = {{
    {kDirectionLeft, "LEFT", &DirectionSets::leftSet},
    {kDirectionRight, "RIGHT", &DirectionSets::rightSet},
    {kDirectionUp, "UP", &DirectionSets::upSet},
    {kDirectionDown, "DOWN", &DirectionSets::downSet},
    {kDirectionDefault, "DEFAULT", &DirectionSets::defaultSet},
}};

// The direction sets of object i to change, made (zero-filled) when it has none yet
// (checked access: i may come from data).
DirectionSets& directionSets(std::int32_t i);
// The direction sets of object i to read: empty ones when it has none; nothing is made.
const DirectionSets& readDirectionSets(std::int32_t i);
// The sets of object i when it has any, else nullptr.
DirectionSets* existingDirectionSets(std::int32_t i);
// Forgets the sets of object i (their frames must have been freed).
void dropDirectionSets(std::int32_t i);

// The set of object i shown for a direction code; nullptr for a code without a set. The
// first makes the object's sets, the second only reads them.
AnimationSet* animationSetFor(std::int32_t i, std::int32_t directionCode);
const AnimationSet* shownAnimationSet(std::int32_t i, std::int32_t directionCode);

// ---- Named fields -------------------------------------------------------------------------

// Every single-valued field by its name, in the order of world_object_fields.h (the DNA
// fields at their places among the others), built from that list. The state dump and the tests walk
// it; the direction sets follow as kAnimationDirections.
using WorldObjectField = engine::NamedField<WorldObject>;
extern const std::span<const WorldObjectField> kWorldObjectFields;

namespace engine {

// Writes every field of object i from kWorldObjectFields, then "animationSets": one member
// per direction set (LEFT, RIGHT, UP, DOWN, DEFAULT) holding its frameCount and currentFrame.
void writeWorldObject(base::JsonWriter& json, std::int32_t i);

}  // namespace engine
