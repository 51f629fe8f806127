// Game rules that the object update calls: the timed screen sequence and the per-object
// player rules (menu buttons, fuel, game over). They arrive with the game-rules issue;
// until then both are empty slots (game_rules.cpp).
#pragma once

#include <cstdint>

namespace simulation {

// A global step that runs once per object update and acts only when its time has come.
void gameStateTimer();
// Runs once for every active object.
void playerRules(std::int32_t objectIndex);

}  // namespace simulation
