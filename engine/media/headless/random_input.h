// Random input for long unattended runs (--random-input SEED): presses of every key and
// joystick control the game uses, drawn from a seed so a run repeats exactly. Left out are
// the quit chord (Ctrl+End) and the map-stepping keys (Alt+Ctrl+PgUp/PgDn), which would
// end the run or leave the game's maps.
#pragma once

#include <cstdint>

#include "engine/media/headless/replay.h"

namespace media {

// The replay of turns 1..turns: about one press every few turns, each held for 1 to 20
// turns: the arrows, Space, P, Escape, Pause, F1, F10, Alt+Ctrl+S, Alt+Ctrl+D, the joystick
// directions and buttons 1..10 (the joystick is present).
Replay randomInputReplay(std::uint64_t seed, int turns);

}  // namespace media
