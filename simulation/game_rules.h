// The rules above the objects: the timed title and closing screens, the start and menu
// buttons, the switch to the game-over screen after the player's death, and the fuel the
// fire button uses. The object update runs them (game_rules.cpp).
#pragma once

#include <cstdint>
#include <string_view>

namespace simulation {

// The fuel kind of useFuel.
inline constexpr std::string_view kFuelKind = "FUEL";

// Runs once per object update; acts when more than SCRSWITCHMS passed since the last
// switch: 1003 -> 1002 -> 1001 -> 1000 (which stays), 4096 -> 4095, and on 4095 the program
// ends (exit status 0). The title and game-over screens also clear the paused flag.
void gameStateTimer();

// Runs once for every active object: the menu buttons, then the fuel step while the player
// lives, or the request for the game-over screen once it died.
void playerRules(std::int32_t objectIndex);

// The timer, then joystick button 10 (title screen from the screens above 999, the main
// menu from below); on the game-over screen button 10 (with a joystick) or Space (without)
// starts the title sequence again.
void menuButtons(std::int32_t mapId);

// The fire button held (joystick button 2, or Space without a joystick) counts a shot.
void fuelStep(std::int32_t player);
// Every worldFTileMaxWeaponUseage + 1 counts cost one unit of fuel.
void countShot(std::int32_t player);
// "FUEL": one unit less while any is left, and the status texts rebuilt.
void useFuel(std::string_view kind);

// Time of the last timed screen switch (virtual milliseconds).
std::int32_t& lastScreenSwitch();
// The map the timer last saw; a different one restarts the timer.
inline constexpr std::int32_t kNoTimedMap = -1000000;
std::int32_t& timedMap();

}  // namespace simulation
