#include "simulation/game_rules.h"

namespace simulation {

// SLOT: the game-rules issue fills these steps.
void gameStateTimer() {}
void playerRules(std::int32_t /*objectIndex*/) {}

}  // namespace simulation
