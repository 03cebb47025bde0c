// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tp::runtime {

// The game's one generator: a 32-bit linear congruential step, scaled to the bound by the
// high half of a 64-bit product. The sequence is part of the game's behaviour (a seed replays a
// whole game), so neither the step nor the scaling may change.
class Random {
public:
    static constexpr std::uint32_t Multiplier = 134775813u;

    // Seeds from the low 32 bits of a nanosecond monotonic clock, or from a millisecond clock
    // when that one cannot be read.
    void SeedRandom();
    void SeedWith(std::uint32_t state) { state_ = state; }

    // A value in 0..bound-1 (0 for bounds 0 and 1); always advances the state by one step.
    std::int32_t RandomBelow(std::int32_t bound) {
        state_ = state_ * Multiplier + 1u;
        const auto wide = static_cast<std::uint64_t>(static_cast<std::uint32_t>(bound)) * state_;
        return static_cast<std::int32_t>(wide >> 32);
    }

    std::uint32_t State() const { return state_; }

private:
    std::uint32_t state_ = 0;
};

// Exposed for tests: which clock seeding would use and what it reads.
using ClockReader = bool (*)(std::uint64_t& value);
std::uint32_t SeedFromClocks(ClockReader fine, ClockReader coarse);
bool ReadNanosecondClock(std::uint64_t& value);
bool ReadMillisecondClock(std::uint64_t& value);

} // namespace tp::runtime
