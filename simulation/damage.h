// Damage and death: a hit takes the attacker's weapon power from the victim's hp; a
// monster or barrel whose hp falls below 1 dies by the victim table of damage.cpp (drops
// while still active, then removed / switched off / counted / media freed).
#pragma once

#include <cstdint>

namespace simulation {

// Player victim: hp and the life value fall by the attacker's worldFTileWeaponPower; a
// life value below 1 sets playerDead, otherwise the status texts are rebuilt. Any other
// victim loses hp and, below 1, dies by its type.
void damageObject(std::int32_t attacker, std::int32_t victim);

// The player's carried total grows by the victim's hpMax; the copy that outlives the level
// takes the new total.
void addToCarriedTotal(std::int32_t killer, std::int32_t victim);

// For an object with an animation container: its sound, sprites and frames are freed.
void releaseDeadObjectMedia(std::int32_t index);

}  // namespace simulation
