// The player object's controls: the cursor keys and Space, or the joystick when the object
// asks for it and one is present. The keys and the stick set worldFTileMoveH /
// worldFTileMoveV (-1, 0, +1) and fireState; worldFTilePlayerMOVE limits the directions; the
// direction shown follows the directions (and stays when there is none).
#pragma once

#include <cstdint>

namespace simulation {

// DirectInput scan codes of the player's keys.
inline constexpr int kKeyLeft = 203;
inline constexpr int kKeyRight = 205;
inline constexpr int kKeyUp = 200;
inline constexpr int kKeyDown = 208;
inline constexpr int kKeyFire = 57;  // Space

// Keyboard (inputMode 0): right wins over left, down over up, Space gives fireState 2 (else
// 0). Joystick (inputMode 1): the stick's directions, fireState the first of buttons 1..10
// held (else -1). The keyboard rules when the object asks for no joystick or none is there.
void playerInput(std::int32_t objectIndex);

}  // namespace simulation
