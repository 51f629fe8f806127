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

struct WorldObject : TileDna {
    std::string picturePath;  // graphics directory + tile name + picture extension
    std::string tileName;     // the tile's name as placed in the map
    float savePointX = 0.0f;  // position saved by touching a "SAVESTART"; -1 = none
    float savePointY = 0.0f;
    std::uint32_t sprite3D = 0;  // 3D sprite of the still picture (zoomed, turned, drawn)
    std::string dnaName;         // base name of the DNA descriptor applied
    std::int8_t hasSprite = 0;   // 1 when sprite and sprite3D exist
    std::uint32_t sprite = 0;    // the still picture
    std::uint32_t shadowSprite = 0;
    std::uint32_t shadowSprite3D = 0;
    std::int8_t hasShadow = 0;
    std::int8_t streamState = 0;  // kStreamedIn after a stream-in, kStreamedOut after unload
    float pictureWidth = 0.0f;    // size of the still picture
    float pictureHeight = 0.0f;
    float zoomX = 0.0f;  // animated objects: width / pictureWidth at load
    float zoomY = 0.0f;
    // Size fitted at load, then the largest size met by the direction frame steps; restored
    // by the expansion step and at the end of the life time.
    float maxWidth = 0.0f;
    float maxHeight = 0.0f;
    std::int8_t visibleThisFrame = 0;  // entered the draw list in this frame (mirrors)
    std::int32_t animDirection = 0;    // set shown: kDirectionUp .. kDirectionDefault
    std::int8_t hasAnimContainer = 0;  // drawn from frames of the container animContainer
    std::int32_t animFrameCount = 0;   // frame slots the loader tries per direction
    std::int32_t lastFrameTick = 0;    // time of the last frame step
    float posX = 0.0f;                 // top-left corner on screen, the live position
    float posY = 0.0f;
    float width = 0.0f;  // current size
    float height = 0.0f;
    float centerX = 0.0f;  // posX + width / 2, refreshed every frame
    float centerY = 0.0f;
    std::int32_t followTarget = 0;  // index of the object being followed
    float homeX = 0.0f;             // home position, the target of going back
    float homeY = 0.0f;
    float rotationAngle = 0.0f;  // current angle of the corner transform, radians
    std::int8_t removed = 0;     // used up by an action; the level state save skips it
    std::int32_t layer = 0;      // draw layer from the map record
    float displayWidth = 0.0f;   // size fitted at load; restored when spawned
    float displayHeight = 0.0f;
    std::int8_t canMoveH = 0;        // 1/0 factor on horizontal movement (collision blocks)
    std::int8_t canMoveV = 0;        // 1/0 factor on vertical movement
    std::int32_t lifetimeStart = 0;  // time mark of the life-time countdown
    std::int32_t carriedTotal = 0;   // player: hpMax total of everything its side destroyed
    std::int8_t framesResident = 0;  // animation frames are in memory
    std::int32_t linkedObject = 0;   // object that spawned or fired this one; 0 after it dies
    std::int8_t soundLoaded = 0;     // objectSound is usable
    std::uint32_t objectSound = 0;   // the object's sound
    std::int32_t soundStartTick = 0;
    std::int8_t onScreen = 0;   // lies in the visible rectangle in this frame
    std::int8_t fireState = 0;  // button state of a player object
    std::int8_t soundPlaying = 0;
    std::int8_t movesBothWays = 0;         // worldFTileMoveH and worldFTileMoveV both not 0
    std::int32_t area = 0;                 // width x height rounded: stream-out delay in ms
    std::int32_t lastSeenTick = 0;         // load time, then the last frame on screen
    std::int32_t shotsFired = 0;           // shots since the last fuel deduction
    std::int8_t hasVelocity = 0;           // worldFTileVELO is not 0
    std::int32_t liveTimeAccumulator = 0;  // sum of the live-time counter steps
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
// The direction sets, parallel to worldObjects: always the same size.
extern std::vector<DirectionSets> objectAnimations;

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

// The direction sets of object i (checked access: i may come from data).
DirectionSets& directionSets(std::int32_t i);

// The set of object i shown for a direction code; nullptr for a code without a set.
AnimationSet* animationSetFor(std::int32_t i, std::int32_t directionCode);

// ---- Named fields -------------------------------------------------------------------------

// Every single-valued field by its name, in the order the record is described (the DNA
// fields at their places among the others). The state dump and the tests walk it; the
// direction sets follow as kAnimationDirections.
using WorldObjectField = engine::NamedField<WorldObject>;
extern const std::span<const WorldObjectField> kWorldObjectFields;

namespace engine {

// Writes every field of object i from kWorldObjectFields, then "animationSets": one member
// per direction set (LEFT, RIGHT, UP, DOWN, DEFAULT) holding its frameCount and currentFrame.
void writeWorldObject(base::JsonWriter& json, std::int32_t i);

}  // namespace engine
