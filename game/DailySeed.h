// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tp::game {

// The seed of the day's journey, the same for every player on that local date: the date's digits
// as they are written, year, month and day (2026-12-09 is 20261209), so that a player can type it
// after --seed and tell it from the date.
constexpr std::uint32_t DailySeed(int year, int month, int day) {
    return static_cast<std::uint32_t>(year * 10000 + month * 100 + day);
}

} // namespace tp::game
