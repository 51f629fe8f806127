// The map numbers of the game's screens, shared by the engine, the world, the simulation and
// the content tools. Levels are 0 to 14; the title sequence runs 1003 -> 1002 -> 1001 ->
// 1000, and 1000 stays until the player leaves it.
#pragma once

#include <cstdint>

namespace engine {

inline constexpr std::int32_t kNoMap = -1000;  // no map loaded yet
inline constexpr std::int32_t kFirstLevel = 0;
inline constexpr std::int32_t kMainMenu = 999;
inline constexpr std::int32_t kTitleScreen = 1000;  // the last title screen, which stays
inline constexpr std::int32_t kTitleSequenceStart = 1003;
inline constexpr std::int32_t kClosingScreen = 4095;
inline constexpr std::int32_t kGameOverScreen = 4096;

}  // namespace engine
