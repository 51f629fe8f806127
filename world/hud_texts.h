// The head-up texts of the player status: each gauge is a run of one character of the
// bitmap font, as long as the value it shows.
//
//   entry 1 (fuel)                  '"' x fuel value
//   entry 4 (life)                  '@' x life value / 10
//   entry 2 (ID cards)              '\xD6' x ID card value
//   entry 5 (life-bar background)   '&' x the player object's hpMax / 10
//   entry 6 (fuel-bar background)   '&' x MAXFUEL
//
// A count of 0 or less gives an empty text. A run never exceeds kHudTextLimit characters:
// no screen shows more segments, and a wild value must not make a text of gigabytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace world {

inline constexpr std::int32_t kStatusFuel = 1;
inline constexpr std::int32_t kStatusIdCards = 2;
inline constexpr std::int32_t kStatusMoney = 3;
inline constexpr std::int32_t kStatusLife = 4;
inline constexpr std::int32_t kStatusLifeBar = 5;
inline constexpr std::int32_t kStatusFuelBar = 6;

inline constexpr std::int32_t kHudTextLimit = 4096;

void rebuildHudTexts();

}  // namespace world
