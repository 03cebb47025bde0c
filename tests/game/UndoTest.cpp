// SPDX-License-Identifier: MIT
#include "tests/game/RandomPlayer.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tp::game::testing {
namespace {

// A restless player on many seeds. Each confirmed action that changed the game is taken back,
// the last first, to exactly what the game and its windows showed before it, back to the arrival
// at the stop or the last renaming; a journey, a renaming and the end of the run never are.
TEST(Undo, TakesTheStopsActionsBackToExactlyWhatWasShownBefore) {
    int undone = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        Fixture f(seed);
        RandomPlayer player(seed * 7919u);
        const auto shown = [&f] {
            return std::tuple(f.game.State(), std::string(f.game.NameLabel()),
                              std::string(f.game.Caption()), f.view.marketRows, f.view.carriedRows,
                              f.view.name, f.view.cash, f.view.debt);
        };
        std::vector<decltype(shown())> before;
        for (int step = 0; step < 300 && !RunIsOver(f.game.State()); ++step) {
            auto now = shown();
            const std::size_t notices = f.view.log.size();
            player.Act(f.game, f.view);
            const bool renamed = f.view.log.size() > notices && f.view.log.back().kind == "input";
            if (renamed || f.game.State().day != std::get<0>(now).day) {
                before.clear();
            } else if (!(f.game.State() == std::get<0>(now))) {
                before.push_back(std::move(now));
            }
            // Back one action every seventh step, all the way every fourteenth.
            for (std::size_t n = step % 14 == 13 ? before.size() : step % 7 == 6 && !before.empty();
                 n > 0 && !RunIsOver(f.game.State()); --n, ++undone) {
                ASSERT_TRUE(f.game.Undo()) << "seed " << seed << " step " << step;
                ASSERT_TRUE(shown() == before.back()) << "seed " << seed << " step " << step;
                before.pop_back();
            }
            EXPECT_EQ(f.game.CanUndo(), !before.empty() && !RunIsOver(f.game.State()));
        }
    }
    EXPECT_GT(undone, 200) << "the player undid too little to tell";
}

} // namespace
} // namespace tp::game::testing
