// SPDX-License-Identifier: MIT
#include "tests/game/RandomPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tp::game::testing {
namespace {

// What the game and its windows show; undoing must give all of it back.
struct Shown {
    GameState state;
    std::string nameLabel;
    std::string caption;
    std::vector<FakeView::MarketRow> market;
    std::vector<FakeView::CarriedRow> carried;
    std::string labelShown;
    std::int32_t cashShown;
    std::int32_t debtShown;

    friend bool operator==(const Shown&, const Shown&) = default;
};

// How many times the rename box was asked.
long Renamings(const FakeView& view) {
    return std::count_if(view.log.begin(), view.log.end(),
                         [](const FakeView::Notice& n) { return n.kind == "input"; });
}

Shown Of(const Game& game, const FakeView& view) {
    return {game.State(),
            std::string(game.NameLabel()),
            std::string(game.Caption()),
            view.marketRows,
            view.carriedRows,
            view.name,
            view.cash,
            view.debt};
}

// A restless player on many seeds. Every confirmed action that changed the game can be taken
// back, the last first, to exactly what was shown before it, until the arrival at the stop or
// the last renaming; a journey, a renaming and the end of the run are never taken back.
TEST(Undo, TakesEveryActionOfTheStopBackToExactlyWhatWasShownBefore) {
    int undone = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        Fixture f(seed);
        RandomPlayer player(seed * 7919u);
        std::vector<Shown> before;
        for (int step = 0; step < 300 && !RunIsOver(f.game.State()); ++step) {
            const Shown now = Of(f.game, f.view);
            const long renamings = Renamings(f.view);
            player.Act(f.game, f.view);
            const bool renamed = Renamings(f.view) != renamings;
            if (renamed || f.game.State().day != now.state.day) {
                before.clear();
            } else if (!(f.game.State() == now.state)) {
                before.push_back(now);
            }
            if (step % 7 == 6 && !RunIsOver(f.game.State())) {
                // Back one action, or all the way.
                const std::size_t keep =
                    step % 2 == 0 ? 0 : before.size() - std::min<std::size_t>(1, before.size());
                while (before.size() > keep) {
                    ASSERT_TRUE(f.game.Undo()) << "seed " << seed << " step " << step;
                    ASSERT_EQ(Of(f.game, f.view), before.back()) << "seed " << seed;
                    before.pop_back();
                    ++undone;
                }
                if (before.empty()) {
                    EXPECT_FALSE(f.game.CanUndo());
                    EXPECT_FALSE(f.game.Undo());
                }
            }
        }
        EXPECT_EQ(f.game.CanUndo(), !before.empty() && !RunIsOver(f.game.State()));
    }
    EXPECT_GT(undone, 200) << "the player undid too little to tell";
}

} // namespace
} // namespace tp::game::testing
