#include "engine/frame_cycle.h"

#include <cstdint>

#include "engine/engine_settings.h"

namespace engine {

void stepFrameCycle(int direction) {
    EngineSettings& s = engineSettings;
    // Worked in 64 bits: a TIMERBASE near the 32-bit limits must not overflow.
    const std::int64_t base = s.timerBase;
    std::int64_t cycle = s.frameCycle;
    if (direction == 1) {
        cycle += 1;
        if (cycle > base) cycle = 0;
    } else if (direction == -1) {
        cycle -= 1;
        if (cycle < -base) cycle = 0;
    }
    if (cycle > base || cycle < -base) cycle = 0;
    s.frameCycle = static_cast<std::int32_t>(cycle);
    if (cycle == 0) ++s.cycleTicks;
}

}  // namespace engine
