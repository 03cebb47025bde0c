// SPDX-License-Identifier: MIT
#include "FakeView.h"
#include "RandomPlayer.h"
#include "game/JourneyCheck.h"

#include <gtest/gtest.h>

#include <set>

namespace tp::game {
namespace {

using testing::FakeView;

// Plays whole games with random legal actions, the way a restless player would, and checks
// after every action what must always hold.
class Player {
public:
    explicit Player(std::uint32_t seed) : player_(seed) { game_.Start(seed); }

    bool Over() const { return view_.closes > 0; }
    const Game& game() const { return game_; }

    void Act() {
        player_.Act(game_, view_);
        if (const auto stillForSale = player_.StorageAnswer()) {
            ASSERT_EQ(*stillForSale, !game_.State().storageBought);
        }
    }

    void CheckInvariants() const {
        const GameState& s = game_.State();
        ASSERT_EQ(view_.marketRows.size(), 5u);
        std::set<std::string_view> names;
        for (std::size_t slot = 1; slot <= 5; ++slot) {
            const GoodsRecord& m = s.market[slot];
            names.insert(GoodName(m.good));
            ASSERT_EQ(view_.marketRows[slot - 1].name, GoodName(m.good));
            ASSERT_EQ(view_.marketRows[slot - 1].price, m.price);
            const GoodsRecord* good = nullptr;
            for (std::size_t g = 1; g <= 15; ++g) {
                if (s.goods[g].good == m.good) {
                    good = &s.goods[g];
                }
            }
            ASSERT_NE(good, nullptr);
            const std::int32_t b = good->price;
            ASSERT_GE(m.price, b - b / 2 + 1);
            ASSERT_LE(m.price, slot == 1 ? 3 * b - 1 : 2 * b - 1);
        }
        ASSERT_EQ(names.size(), 5u);
        ASSERT_GE(s.cash, 0);
        ASSERT_GE(s.deposit, 0);
        ASSERT_GE(s.storage, 0);
        ASSERT_LE(s.health, 100);
        ASSERT_LE(s.day, 62);
        ASSERT_EQ(view_.carriedRows.size(), s.carried.size());
        std::int64_t carried = 0;
        for (std::size_t i = 0; i < s.carried.size(); ++i) {
            ASSERT_EQ(view_.carriedRows[i].name, GoodName(s.carried[i].good));
            ASSERT_EQ(view_.carriedRows[i].quantity, s.carried[i].quantity);
            ASSERT_GE(s.carried[i].quantity, 0);
            carried += s.carried[i].quantity;
        }
        ASSERT_EQ(carried + s.storage, s.storageBought ? 300 : 200);
        if (s.day > 60 || s.health <= 0) {
            ASSERT_GT(view_.closes, 0) << "the game must have ended";
        } else {
            // Whatever play reaches can be saved and resumed.
            ASSERT_EQ(Unreachable(game_.Snapshot()), "");
        }
    }

private:
    FakeView view_;
    runtime::Random random_;
    Game game_{view_, random_};
    testing::RandomPlayer player_;
};

TEST(Soak, ThousandsOfRandomGamesKeepEveryInvariant) {
    int deaths = 0;
    int homecomings = 0;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        Player player(seed);
        int actions = 0;
        while (!player.Over()) {
            player.Act();
            player.CheckInvariants();
            if (::testing::Test::HasFatalFailure()) {
                FAIL() << "seed " << seed << " after " << actions << " actions";
            }
            ASSERT_LT(++actions, 100000) << "seed " << seed << " never ended";
        }
        (player.game().State().health <= 0 ? deaths : homecomings)++;
    }
    EXPECT_GT(homecomings, 0);
    EXPECT_GT(deaths, 0);
}

} // namespace
} // namespace tp::game
