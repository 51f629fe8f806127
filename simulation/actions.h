// Small actions the touch handlers share: letting a mover pass, the action sound, the size
// reset of a spent shot and the player's pick-ups.
#pragma once

#include <cstdint>
#include <string_view>

struct WorldObject;

namespace simulation {

// Pick-up kinds of collectPickup.
inline constexpr std::string_view kPickupLife = "HP";
inline constexpr std::string_view kPickupFuel = "AMMO";
inline constexpr std::string_view kPickupMoney = "MONEY";

// The glyph a life pick-up appends to the life text.
inline constexpr char kLifeGlyph = '\x40';

// The mover may go on: both may-move flags back to 1.
void passes(std::int32_t self);
// Both may-move flags 0.
void blockBoth(std::int32_t self);
// The object is the player (worldFTilePlayerID not 0).
bool isPlayer(const WorldObject& object);

// With worldFTileSoundPlayOnAction set and a or b not 0: the object's sound step.
void actionSound(std::int32_t index, float a, float b);

// A spent shot takes its largest size again, ready for the pool.
void restoreSize(std::int32_t index);

// The pick-up's hp value goes to the player's status: "HP" to the life (at most the
// player's hpMax), "AMMO" to the fuel (at most MAXFUEL), "MONEY" to the money. The pick-up
// is gone for good and the status texts are rebuilt. Another kind does nothing.
void collectPickup(std::int32_t player, std::int32_t pickup, std::string_view kind);

}  // namespace simulation
