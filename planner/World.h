// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tp::planner {

// Where a run of a seed trades: the same for every player, since only journeys draw from the
// generator and the place chosen changes nothing.
struct Stop {
    int day = 0;
    int event = -1; // the event the journey here brought, -1 for none (and for the start)
    std::array<game::GoodsRecord, game::MarketSlots> market{};
};

struct World {
    std::uint32_t seed = 0;
    game::GameState start;   // the run as it stands on its first day, before anything is traded
    std::vector<Stop> stops; // where the player may trade, the start first
    int homeEvent = -1;      // the event of the journey home, which ends the run on arrival
};

// The world of `seed`, read off the journal of a run played through the rules.
World WorldOf(std::uint32_t seed);

} // namespace tp::planner
