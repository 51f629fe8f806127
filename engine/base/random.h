// A small seedable generator (PCG32: 64-bit state, 32-bit output) so that a run with the same
// seed draws the same numbers on every machine. Never the C library's rand().
#pragma once

#include <cstdint>

namespace base {

class Pcg32 {
  public:
    explicit Pcg32(std::uint64_t value = 0) { init(value); }
    void seed(std::uint64_t value) { init(value); }

    std::uint32_t next() {
        const std::uint64_t old = state_;
        state_ = old * kMultiplier + kIncrement;
        const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
        const auto rotation = static_cast<std::uint32_t>(old >> 59u);
        return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
    }

    // Uniform in 0..n inclusive without modulo bias; 0 when n <= 0.
    int upTo(int n);

  private:
    static constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
    static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

    void init(std::uint64_t value) {
        state_ = 0;
        next();
        state_ += value;
        next();
    }

    std::uint64_t state_ = 0;
};

}  // namespace base
