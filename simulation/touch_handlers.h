// The touch handlers: what a moving object (the mover, self) does when the collision scan
// finds it touching another object. The touch dispatch (collision.h) applies the generic
// touch effects and then calls the handler chosen by the mover's type name; each handler
// decides by the other object's type name (tables in type_touch.cpp and player_touch.cpp).
// A type without a handler falls back to the player handler (for a player object) or to the
// dispatch's two chance reversals.
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

// A touch handler: the mover (self) touched other; both are object indexes.
using TouchHandler = void (*)(std::int32_t self, std::int32_t other);

// The handler chosen by a mover's type name (worldFTileIDString), or nullptr for a type
// without one.
TouchHandler touchHandlerFor(std::string_view typeName);

// The player's handler (chosen for a player object whose type has no handler).
void playerTouch(std::int32_t self, std::int32_t other);

// How the dispatch reaches the handlers: the two above, unless a test puts watchers in
// their place. A null player slot leaves a player blocked as the collision test left it.
struct TouchSlots {
    TouchHandler (*handlerFor)(std::string_view typeName) = touchHandlerFor;
    TouchHandler player = playerTouch;
};
extern TouchSlots touchSlots;

}  // namespace simulation
