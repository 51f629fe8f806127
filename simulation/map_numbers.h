// The map numbers of the game's screens. Levels are 0 to 14.
#pragma once

#include <cstdint>

namespace simulation {

inline constexpr std::int32_t kFirstLevel = 0;
inline constexpr std::int32_t kMainMenu = 999;
inline constexpr std::int32_t kTitleScreen = 1000;
inline constexpr std::int32_t kTitleSequenceStart = 1003;
inline constexpr std::int32_t kClosingScreen = 4095;
inline constexpr std::int32_t kGameOverScreen = 4096;
// "EXITGAME" below this map goes to the main menu (from a level), above it ends the game.
inline constexpr std::int32_t kMenuExitBelow = 900;

}  // namespace simulation
