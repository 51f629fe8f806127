#include "engine/base/random.h"

namespace base {

int Pcg32::upTo(int n) {
    if (n <= 0) return 0;
    const std::uint32_t range = static_cast<std::uint32_t>(n) + 1u;  // n < 2^31, no overflow
    // Draws below the threshold would make the low results more likely; skip them.
    const std::uint32_t threshold = (0u - range) % range;
    for (;;) {
        const std::uint32_t draw = next();
        if (draw >= threshold) return static_cast<int>(draw % range);
    }
}

}  // namespace base
