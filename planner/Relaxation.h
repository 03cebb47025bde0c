// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"
#include "planner/World.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

class ClpSimplex;

namespace tp::planner {

// Where a run stands on arrival at a stop, before anything is traded there.
struct Standing {
    std::size_t stop = 0;                           // index into World::stops
    double money = 0;                               // cash plus deposit
    std::array<double, game::GoodsCount> carried{}; // units of each good, by catalogue number - 1
    int health = 0;
    bool storageBought = false;
};

// Where `state` stands on arrival at stop `stop`, before anything is traded there.
Standing StandingOf(const game::GameState& state, std::size_t stop);

// The run from `from` on with whole units, whole health points and the floor of the interest let
// go: a linear programme whose best is at least what any real run from there reaches, and whose
// choices at the first stop guide the plan.
struct Relaxed {
    bool solved = false;
    double amount = 0; // the best amount it allows at the end
    // Its choices at the stop it starts from: what to carry on, and the storage bought.
    std::array<double, game::GoodsCount> keep{};
    double storage = 0;
};

// The relaxed run from one stop on, built once and solved from any standing there, each solve
// going on from the last one's basis.
class Relaxation {
public:
    // From stop `stop` to the journey home, or only up to the stop before `until` with the money
    // left there to be made most of. `wealth` bounds the money of any real run at each stop it
    // covers, from WealthBounds: no run buys more whole units than that pays for.
    Relaxation(const World& world, std::size_t stop, const std::vector<double>& wealth = {},
               std::size_t until = std::numeric_limits<std::size_t>::max());
    ~Relaxation();
    Relaxation(const Relaxation&) = delete;
    Relaxation& operator=(const Relaxation&) = delete;

    Relaxed Solve(const Standing& from);

private:
    std::unique_ptr<ClpSimplex> model_;
    int arrivalRow_ = -1;
    int moneyRow_ = -1;
    int boughtColumn_ = -1;
    std::array<int, game::GoodsCount> carriedRows_{};
    std::array<int, game::GoodsCount> keptColumns_{};
    double homeGain_ = 0;
};

Relaxed Relax(const World& world, const Standing& from, const std::vector<double>& wealth = {});

// For each stop from the start, as far as it holds anything back, the most money a real run can
// have there to buy with: each from a relaxation up to that stop, bounded by the ones before it.
std::vector<double> WealthBounds(const World& world);

} // namespace tp::planner
