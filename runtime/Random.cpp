// SPDX-License-Identifier: MIT
#include "runtime/Random.h"

#include <ctime>

namespace tp::runtime {

bool ReadNanosecondClock(std::uint64_t& value) {
    timespec ts{};
    if (clock_gettime(CLOCK_MONOTONIC, &ts) != 0) {
        return false;
    }
    value = static_cast<std::uint64_t>(ts.tv_sec) * 1000000000u +
            static_cast<std::uint64_t>(ts.tv_nsec);
    return true;
}

bool ReadMillisecondClock(std::uint64_t& value) {
    timespec ts{};
    if (clock_gettime(CLOCK_MONOTONIC_COARSE, &ts) != 0 &&
        clock_gettime(CLOCK_REALTIME, &ts) != 0) {
        value = static_cast<std::uint64_t>(std::time(nullptr)) * 1000u;
        return true;
    }
    value = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
            static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return true;
}

std::uint32_t SeedFromClocks(ClockReader fine, ClockReader coarse) {
    std::uint64_t value = 0;
    if (fine(value)) {
        return static_cast<std::uint32_t>(value);
    }
    coarse(value);
    return static_cast<std::uint32_t>(value);
}

void Random::SeedRandom() {
    state_ = SeedFromClocks(ReadNanosecondClock, ReadMillisecondClock);
}

} // namespace tp::runtime
