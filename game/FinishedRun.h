// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tp::game {

// A run that ended by going home after the last day: what the hall of fame remembers of it.
// Death or quitting early produces none.
struct FinishedRun {
    std::string name;                     // UTF-8, as the end text wrote it
    std::int32_t amount = 0;              // cash plus deposit (saturated), as the end text
    std::int32_t debt = 0;                // debt still owed
    std::uint32_t seed = 0;               // replays the run with --seed
    int days = 0;                         // the day counter at the end
    std::vector<std::int64_t> dailyWorth; // worth at the end of day 1, 2, ...: cash+deposit-debt

    friend bool operator==(const FinishedRun&, const FinishedRun&) = default;
};

} // namespace tp::game
