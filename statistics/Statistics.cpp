// SPDX-License-Identifier: MIT
#include "statistics/Statistics.h"

#include <algorithm>
#include <limits>

namespace tp::statistics {

namespace {

constexpr std::int32_t MaxCount = std::numeric_limits<std::int32_t>::max();

std::int32_t OneMore(std::int32_t count) {
    return count == MaxCount ? count : count + 1;
}

// Both are within 0 and MaxSum, so the sum cannot overflow before it is cut.
std::int64_t Plus(std::int64_t sum, std::int64_t more) {
    return std::min(sum + more, MaxSum);
}

} // namespace

Statistics AddJourney(Statistics statistics, Outcome outcome, std::int32_t amount,
                      int daysTravelled) {
    Statistics& s = statistics;
    s.daysTravelled = Plus(s.daysTravelled, std::max(daysTravelled, 0));
    switch (outcome) {
    case Outcome::CameHome:
        // Past the largest count a homecoming adds nothing: its amount and streak would no
        // longer agree with the homecomings counted.
        if (s.cameHome < MaxCount) {
            ++s.cameHome;
            s.bestAmount = std::max(s.bestAmount, std::max(amount, 0));
            s.totalAmount = Plus(s.totalAmount, std::max(amount, 0));
            ++s.currentStreak;
            s.longestStreak = std::max(s.longestStreak, s.currentStreak);
        }
        break;
    case Outcome::Died:
        s.died = OneMore(s.died);
        s.currentStreak = 0;
        break;
    case Outcome::GaveUp:
        s.givenUp = OneMore(s.givenUp);
        s.currentStreak = 0;
        break;
    }
    return statistics;
}

bool Reachable(const Statistics& s) {
    const bool counts = s.cameHome >= 0 && s.died >= 0 && s.givenUp >= 0;
    // A streak lies within the homecomings; with nothing to break it, it is all of them.
    const bool streaks = s.currentStreak >= 0 && s.currentStreak <= s.longestStreak &&
                         s.longestStreak <= s.cameHome &&
                         (s.died + std::int64_t{s.givenUp} > 0 || s.currentStreak == s.cameHome);
    // No homecoming brought more than the best, and the best is one of them.
    const bool amounts = s.bestAmount >= 0 && s.bestAmount <= s.totalAmount &&
                         s.totalAmount <= MaxSum &&
                         s.totalAmount <= std::int64_t{s.bestAmount} * s.cameHome;
    const bool days = s.daysTravelled >= 0 && s.daysTravelled <= MaxSum &&
                      (s.played() > 0 || s.daysTravelled == 0);
    return counts && streaks && amounts && days;
}

} // namespace tp::statistics
