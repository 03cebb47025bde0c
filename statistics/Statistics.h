// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tp::statistics {

// The largest sum kept: a file holds its numbers as JSON, exact only up to here, and no player
// will travel so far or earn so much.
inline constexpr std::int64_t MaxSum = (std::int64_t{1} << 53) - 1;

// Every journey ended so far, added up. A journey ends in one of three ways; only a homecoming
// has an amount worth counting, and only homecomings in a row make a streak.
struct Statistics {
    std::int32_t cameHome = 0;
    std::int32_t died = 0;
    std::int32_t givenUp = 0;
    std::int32_t bestAmount = 0;  // the best homecoming's
    std::int64_t totalAmount = 0; // of all homecomings, for the average
    std::int32_t currentStreak = 0;
    std::int32_t longestStreak = 0;
    std::int64_t daysTravelled = 0;

    std::int64_t played() const {
        return std::int64_t{cameHome} + std::int64_t{died} + std::int64_t{givenUp};
    }
    // Rounded down; 0 before the first homecoming.
    std::int32_t average() const {
        return cameHome == 0 ? 0 : static_cast<std::int32_t>(totalAmount / cameHome);
    }

    friend bool operator==(const Statistics&, const Statistics&) = default;
};

enum class Outcome { CameHome, Died, GaveUp };

// `statistics` with one more journey ended. Every figure stops at its largest value rather than
// wrap round; an amount or a number of days below zero, which no journey reaches, counts as 0.
Statistics AddJourney(Statistics statistics, Outcome outcome, std::int32_t amount,
                      int daysTravelled);

// Whether the figures are ones journeys can add up to: none negative, no streak longer than the
// homecomings, the best amount within the total, and so on. What a file holds must be.
bool Reachable(const Statistics& statistics);

} // namespace tp::statistics
