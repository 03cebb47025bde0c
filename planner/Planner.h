// SPDX-License-Identifier: MIT
#pragma once

#include "game/Journal.h"
#include "planner/Plan.h"

#include <cstdint>

namespace tp::planner {

// The best run found for a seed, and what no run of it can pass.
struct BestRun {
    std::uint32_t seed = 0;
    Plan plan;
    std::int32_t amount = 0;                 // what the plan reaches, played through the rules
    std::int64_t bound = 0;                  // what no run of the seed reaches beyond
    std::vector<game::JournalEntry> journal; // the plan's run as the rules played it
};

// Plans a run of `seed` stop by stop: at each stop the relaxed run from where the plan stands
// says what to carry on, and the plan does it in whole units. The plan is then played through the
// rules, and its amount is the one the game gives.
BestRun FindBestRun(std::uint32_t seed);

} // namespace tp::planner
