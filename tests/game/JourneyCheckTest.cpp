// SPDX-License-Identifier: MIT
#include "game/JourneyCheck.h"
#include "FakeView.h"

#include <gtest/gtest.h>

#include <functional>

namespace tp::game {
namespace {

using testing::Fixture;

// A journey in progress: a few days played, goods bought, a renamed player and a diary.
SavedJourney Played() {
    Fixture f(31);
    f.NextJourney(-1);
    f.game.Travel(0);
    f.game.ConfirmBuy(*f.game.OpenBuy(0), 3);
    f.game.ConfirmBuy(*f.game.OpenBuy(1), 0); // buying nothing still adds an empty row
    f.NextJourney(1);
    f.game.Travel(0);
    f.view.inputAnswers.push_back("阿福");
    f.game.Rename();
    return f.game.Snapshot();
}

TEST(JourneyCheck, AcceptsWhatPlayReaches) {
    EXPECT_EQ(Unreachable(Fixture(1).game.Snapshot()), "");
    const SavedJourney played = Played();
    ASSERT_EQ(played.state.carried.size(), 2u);
    ASSERT_EQ(played.diary.size(), 3u);
    EXPECT_EQ(Unreachable(played), "");

    // Fifty rows are within reach: every purchase of nothing adds an empty one.
    SavedJourney many = played;
    many.state.carried.resize(50, CarriedGoods{many.state.goods[3].good, 300, 0});
    EXPECT_EQ(Unreachable(many), "");

    SavedJourney lastDay = played;
    lastDay.state.day = LastDay;
    lastDay.state.dailyWorth.resize(LastDay - 1, 0);
    lastDay.state.health = 1;
    EXPECT_EQ(Unreachable(lastDay), "");
}

struct Unreachable_ {
    const char* what;
    std::function<void(SavedJourney&)> edit;
};

class JourneyCheckRejects : public ::testing::TestWithParam<Unreachable_> {};

TEST_P(JourneyCheckRejects, AValueNoGameReaches) {
    SavedJourney journey = Played();
    GetParam().edit(journey);
    EXPECT_NE(Unreachable(journey), "") << GetParam().what;
}

GoodsRecord Good(const SavedJourney& j, std::size_t index, std::int32_t price) {
    return GoodsRecord{j.state.goods[index].good, price};
}

INSTANTIATE_TEST_SUITE_P(
    Journeys, JourneyCheckRejects,
    ::testing::Values(
        Unreachable_{"day 0", [](SavedJourney& j) { j.state.day = 0; }},
        Unreachable_{"day 61, an ended run",
                     [](SavedJourney& j) {
                         j.state.day = 61;
                         j.state.dailyWorth.resize(60, 0);
                     }},
        Unreachable_{"day 99", [](SavedJourney& j) { j.state.day = 99; }},
        Unreachable_{"health 0", [](SavedJourney& j) { j.state.health = 0; }},
        Unreachable_{"health 101", [](SavedJourney& j) { j.state.health = 101; }},
        Unreachable_{"negative cash", [](SavedJourney& j) { j.state.cash = -1; }},
        Unreachable_{"negative debt", [](SavedJourney& j) { j.state.debt = -1; }},
        Unreachable_{"negative deposit", [](SavedJourney& j) { j.state.deposit = -5; }},
        Unreachable_{"a good that does not exist in the market",
                     [](SavedJourney& j) { j.state.market[2].good = 16; }},
        Unreachable_{"a good twice in the market",
                     [](SavedJourney& j) { j.state.market[2] = j.state.market[3]; }},
        Unreachable_{"a market price below any draw",
                     [](SavedJourney& j) { j.state.market[2] = Good(j, 1, 5); }},
        Unreachable_{"an unforced price above any draw",
                     [](SavedJourney& j) {
                         for (std::size_t slot = 2; slot <= 5; ++slot) {
                             if (j.state.market[slot].good == j.state.goods[1].good) {
                                 j.state.market[slot].price = 20;
                                 return;
                             }
                         }
                         j.state.market[2] = Good(j, 1, 20);
                     }},
        Unreachable_{"a sought-after price above any draw",
                     [](SavedJourney& j) { j.state.market[1].price = 400000; }},
        Unreachable_{"a slot 0 in the market",
                     [](SavedJourney& j) { j.state.market[0] = Good(j, 1, 10); }},
        Unreachable_{"a changed catalogue", [](SavedJourney& j) { j.state.goods[7].price = 1; }},
        Unreachable_{"a carried good that does not exist",
                     [](SavedJourney& j) { j.state.carried[0].good = 16; }},
        Unreachable_{"a carried price no market asked",
                     [](SavedJourney& j) { j.state.carried[0].price = 0; }},
        Unreachable_{"a negative quantity",
                     [](SavedJourney& j) {
                         j.state.carried[1].quantity = -3;
                         j.state.storage += 3;
                     }},
        Unreachable_{"goods bought without storage",
                     [](SavedJourney& j) { j.state.carried[0].quantity += 1; }},
        Unreachable_{"fifty rows of ten units",
                     [](SavedJourney& j) {
                         j.state.carried.assign(50, CarriedGoods{j.state.goods[3].good, 300, 10});
                         j.state.storage = 0;
                     }},
        Unreachable_{"storage bought but not added",
                     [](SavedJourney& j) { j.state.storageBought = true; }},
        Unreachable_{"negative storage",
                     [](SavedJourney& j) {
                         j.state.storage = -1;
                         j.state.carried[1].quantity += 1 + 200;
                     }},
        Unreachable_{"a worth for days not yet gone by",
                     [](SavedJourney& j) { j.state.dailyWorth.push_back(0); }},
        Unreachable_{"a worth missing for a day",
                     [](SavedJourney& j) { j.state.dailyWorth.clear(); }},
        Unreachable_{"a worth no amounts make",
                     [](SavedJourney& j) { j.state.dailyWorth[0] = std::int64_t{1} << 40; }},
        Unreachable_{"a name label longer than the rename box",
                     [](SavedJourney& j) { j.nameLabel.assign(256, 'x'); }},
        Unreachable_{"a name of 10 000 characters",
                     [](SavedJourney& j) {
                         j.nameLabel.clear();
                         for (int i = 0; i < 10000; ++i) {
                             j.nameLabel += "名";
                         }
                     }},
        Unreachable_{"a name label that is not UTF-8",
                     [](SavedJourney& j) { j.nameLabel = "\xE5\x90"; }},
        Unreachable_{"a diary of two lines", [](SavedJourney& j) { j.diary.pop_back(); }},
        Unreachable_{"a diary with no blank second line",
                     [](SavedJourney& j) { j.diary[1] = "x"; }},
        Unreachable_{"a diary line of 2000 bytes",
                     [](SavedJourney& j) { j.diary[2].assign(2000, 'x'); }}));

TEST(JourneyCheck, AcceptsTheLongestNameTheRenameBoxTakes) {
    SavedJourney journey = Played();
    journey.nameLabel.clear();
    for (int i = 0; i < 255; ++i) {
        journey.nameLabel += "😀";
    }
    EXPECT_EQ(Unreachable(journey), "");
}

} // namespace
} // namespace tp::game
