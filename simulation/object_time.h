// Time marks of world objects are values of the 32-bit millisecond tick, kept in 32-bit
// signed fields. "now > mark + span" is asked on the tick's own circle, so the answer stays
// right when the tick wraps (after about 49 days of running).
#pragma once

#include <cstdint>

#include "engine/media/services.h"

namespace simulation {

inline std::int32_t tickNow() {
    return static_cast<std::int32_t>(media::milliseconds());
}

// now > mark + span, for marks and spans less than 2^31 ms apart from now.
inline bool tickPassed(std::int32_t now, std::int32_t mark, std::int32_t span) {
    const std::uint32_t due = static_cast<std::uint32_t>(mark) + static_cast<std::uint32_t>(span);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(now) - due) > 0;
}

// mark + span on the tick's circle.
inline std::int32_t tickAdd(std::int32_t mark, std::int32_t span) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(mark) +
                                     static_cast<std::uint32_t>(span));
}

}  // namespace simulation
