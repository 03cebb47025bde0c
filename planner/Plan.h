// SPDX-License-Identifier: MIT
#pragma once

#include "game/Journal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tp::game {
class Game;
}

namespace tp::planner {

// One action a player confirms, as the windows offer it: rows are those of the market list (0..4)
// and of the carried list as it stands at that moment (from 0).
struct Action {
    enum class Kind : std::uint8_t {
        Buy,
        Sell,
        Deposit,
        Withdraw,
        Repay,
        Hospital,
        Storage,
        Travel
    };
    Kind kind = Kind::Travel;
    int row = 0;
    std::int32_t amount = 0; // units, money or health points

    friend bool operator==(const Action&, const Action&) = default;
};

using Plan = std::vector<Action>;

// A plan as it went when played through the rules from the start of its seed's run.
struct Played {
    bool valid = false;      // every action was one the game offered, the run went home alive
    std::string failure;     // otherwise, where and why it failed
    std::int32_t amount = 0; // cash plus deposit of the farewell
    std::vector<std::int64_t> dailyWorth;
    std::vector<game::JournalEntry> journal; // the run's journal: each action with its figures
};

// Opens and confirms `action` on `game` as the windows would; false, and nothing done, when the
// game does not offer it (a row it has not, more than it allows, storage it does not sell).
bool Apply(game::Game& game, const Action& action);

// Plays `plan` through the game's own rules on the run of `seed`: each action is opened and
// confirmed as the windows do, and refused when the game would not offer it.
Played Play(std::uint32_t seed, const Plan& plan);

} // namespace tp::planner
