// SPDX-License-Identifier: MIT
#include "FakeView.h"

#include <gtest/gtest.h>

#include <set>

namespace tp::game {
namespace {

using testing::Fixture;

struct Slot {
    int good;
    std::int32_t price;
};

void ExpectMarket(const GameState& s, const std::vector<Slot>& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const GoodsRecord& slot = s.market[i + 1];
        EXPECT_EQ(slot.name, s.goods[static_cast<std::size_t>(expected[i].good)].name)
            << "slot " << i + 1;
        EXPECT_EQ(slot.price, expected[i].price) << "slot " << i + 1;
    }
}

// Worked out by hand from the drawing rules, so a change in the order or number of draws shows.
TEST(DrawMarket, DrawsInTheFixedOrderFromAKnownState) {
    Fixture f;
    f.random.SeedWith(0);
    f.game.DrawMarket(0);
    ExpectMarket(f.game.State(), {{1, 6}, {4, 14}, {5, 66}, {7, 76261}, {2, 529}});
    EXPECT_EQ(f.random.State(), 256513635u);

    f.random.SeedWith(2026);
    f.game.DrawMarket(0);
    ExpectMarket(f.game.State(), {{9, 36}, {11, 3580}, {7, 163237}, {3, 454}, {5, 61}});
}

TEST(DrawMarket, AForcedGoodTakesSlotOneAfterItsDrawIsSpent) {
    Fixture f;
    f.random.SeedWith(0);
    f.game.DrawMarket(7);
    // Slot 1's own draw (good 1) is discarded; a later slot that draws the forced good draws again.
    ExpectMarket(f.game.State(), {{7, 156948}, {4, 14}, {5, 66}, {2, 483}, {13, 43}});
    EXPECT_EQ(f.random.State(), 1259699184u);
}

TEST(DrawMarket, ReplacesTheRowsWithFiveDistinctGoodsShownAsHeld) {
    Fixture f;
    for (int i = 0; i < 500; ++i) {
        f.game.DrawMarket(static_cast<std::int8_t>(i % 16));
        const GameState& s = f.game.State();
        ASSERT_EQ(f.view.marketRows.size(), 5u);
        std::set<std::string> names;
        for (std::size_t slot = 1; slot <= 5; ++slot) {
            names.insert(std::string(s.market[slot].name.View()));
            EXPECT_EQ(f.view.marketRows[slot - 1].name, s.market[slot].name.View());
            EXPECT_EQ(f.view.marketRows[slot - 1].price, s.market[slot].price);
        }
        EXPECT_EQ(names.size(), 5u);
    }
}

int GoodIndex(const GameState& s, const GoodsRecord& slot) {
    for (int g = 1; g <= 15; ++g) {
        if (s.goods[static_cast<std::size_t>(g)].name == slot.name) {
            return g;
        }
    }
    return 0;
}

TEST(DrawMarket, PricesStayInTheirRanges) {
    Fixture f(99);
    for (int i = 0; i < 3000; ++i) {
        const auto forced = static_cast<std::int8_t>(i % 16);
        f.game.DrawMarket(forced);
        const GameState& s = f.game.State();
        for (std::size_t slot = 1; slot <= 5; ++slot) {
            const int g = GoodIndex(s, s.market[slot]);
            ASSERT_NE(g, 0);
            const std::int32_t b = s.goods[static_cast<std::size_t>(g)].price;
            const std::int32_t h = b / 2;
            const bool isForced = slot == 1 && forced != 0;
            if (isForced) {
                EXPECT_EQ(g, forced);
            } else if (forced != 0) {
                EXPECT_NE(g, forced) << "the forced good appears only in slot 1";
            }
            const std::int32_t lift = isForced ? b : 0;
            EXPECT_GE(s.market[slot].price, lift + b - h + 1);
            EXPECT_LE(s.market[slot].price, lift + 2 * b - 1);
        }
    }
}

TEST(DrawMarket, RisesAndFallsAreAboutEquallyLikely) {
    Fixture f(5);
    int rises = 0;
    int falls = 0;
    for (int i = 0; i < 4000; ++i) {
        f.game.DrawMarket(0);
        const GameState& s = f.game.State();
        for (std::size_t slot = 1; slot <= 5; ++slot) {
            const std::int32_t b =
                s.goods[static_cast<std::size_t>(GoodIndex(s, s.market[slot]))].price;
            if (s.market[slot].price > b) {
                ++rises;
            } else if (s.market[slot].price < b) {
                ++falls;
            }
        }
    }
    const double share = static_cast<double>(rises) / (rises + falls);
    EXPECT_NEAR(share, 0.5, 0.03);
}

TEST(DrawMarket, GoodOneStaysWithinSixToNineteenUnforcedAndSixteenToTwentyNineForced) {
    Fixture f(3);
    std::set<std::int32_t> plain;
    std::set<std::int32_t> forced;
    for (int i = 0; i < 20000; ++i) {
        f.game.DrawMarket(i % 2 == 0 ? 1 : 0);
        const GameState& s = f.game.State();
        for (std::size_t slot = 1; slot <= 5; ++slot) {
            if (s.market[slot].name == s.goods[1].name) {
                (i % 2 == 0 ? forced : plain).insert(s.market[slot].price);
            }
        }
    }
    ASSERT_FALSE(plain.empty());
    EXPECT_EQ(*plain.begin(), 6);
    EXPECT_EQ(*plain.rbegin(), 19);
    EXPECT_EQ(*forced.begin(), 16);
    EXPECT_EQ(*forced.rbegin(), 29);
}

} // namespace
} // namespace tp::game
