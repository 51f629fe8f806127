// Random input for long unattended runs (--random-input SEED): presses of every key and
// joystick control the game uses, drawn from a seed so a run repeats exactly. Left out are
// the quit chord (Ctrl+End) and the map-stepping keys (Alt+Ctrl+PgUp/PgDn), which would
// end the run or leave the game's maps.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/base/random.h"
#include "engine/media/headless/replay.h"

namespace media {

// About one press every four turns, each held for 1 to 20 turns: the arrows, Space, P,
// Escape, Pause, F1, F10, Alt+Ctrl+S, Alt+Ctrl+D, the joystick directions and buttons 1..10
// (the joystick is present). The presses are drawn turn by turn as the run reaches them, so
// a run of any length holds only the few presses not yet released.
class RandomInput {
  public:
    explicit RandomInput(std::uint64_t seed) : random_(seed) {}
    // Appends the events due up to `turn` (turn 1 is the first) that were not taken yet.
    void take(int turn, std::vector<InputEvent>& events);

  private:
    void press(int turn, int hold);
    void add(int turn, InputEventType type, int code, int a = 0);

    base::Pcg32 random_;
    int drawnThrough_ = 0;
    std::vector<ReplayEvent> pending_;  // in turn order; the order drawn within a turn
};

}  // namespace media
