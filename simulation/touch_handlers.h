// The touch handlers: what a moving object (the mover, self) does when the collision scan
// finds it touching another object. The movement code calls the handler chosen by the
// mover's type name after its own touch effects; each handler decides by the other
// object's type name (tables in type_touch.cpp and player_touch.cpp).
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

// A touch handler: the mover (self) touched other; both are object indexes.
using TouchHandler = void (*)(std::int32_t self, std::int32_t other);

// The handler chosen by a mover's type name (worldFTileIDString), or nullptr for a type
// without one.
TouchHandler touchHandlerFor(std::string_view typeName);

// The player's handler (chosen for every object that is the player, whatever its type).
void playerTouch(std::int32_t self, std::int32_t other);

}  // namespace simulation
