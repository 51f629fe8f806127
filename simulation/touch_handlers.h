// The touch handlers by type name. When the collision scan finds that a moving object (self)
// touches another (other), the touch dispatch applies the generic touch effects and then the
// handler registered for self's worldFTileIDString. The game's rules fill the table; a type
// without a handler falls back to the player handler (for a player object) or to the two
// chance reversals of the dispatch (collision.h).
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

using TouchHandler = void (*)(std::int32_t self, std::int32_t other);

// Registers handler for a type name; nullptr removes it.
void setTouchHandler(std::string_view typeName, TouchHandler handler);
// The handler of a type name, nullptr when it has none.
TouchHandler touchHandlerFor(std::string_view typeName);

// The handler a player object runs when its type has none. Until the game's rules set it,
// a player simply stays blocked (nullptr: nothing runs).
void setPlayerTouchHandler(TouchHandler handler);
TouchHandler playerTouchHandler();

// Empties the table and the player slot (a fresh start for tests).
void clearTouchHandlers();

}  // namespace simulation
