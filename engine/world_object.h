// The world object record and the table of them. Everything in a level is one WorldObject;
// the level loader fills one record per tile. The record holds, so far, the fields that the
// fault report names; the level loader completes it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/field_table.h"

struct WorldObject {
    std::string picturePath;          // graphics directory + tile name + picture extension
    std::int32_t sprite3D = 0;        // 3D sprite of the still picture; 0 = none
    std::string animContainer;        // DNA key value: name of the animation container
    std::string worldFTileSoundFile;  // DNA key value: the object's sound file
    std::int32_t objectSound = 0;     // the object's sound handle; 0 = none
};

// Every field by its name, in record order: the state dump walks this table.
inline constexpr std::array<engine::NamedField<WorldObject>, 5> kWorldObjectFields = {{
    {"picturePath", &WorldObject::picturePath},
    {"sprite3D", &WorldObject::sprite3D},
    {"animContainer", &WorldObject::animContainer},
    {"worldFTileSoundFile", &WorldObject::worldFTileSoundFile},
    {"objectSound", &WorldObject::objectSound},
}};

// The records live here, next to their type, so the table can move with it; indexes run
// 0..engineSettings.objectLast, and one zeroed spare record follows the last object.
inline constexpr std::size_t kInitialWorldObjects = 3;
extern std::vector<WorldObject> worldObjects;
