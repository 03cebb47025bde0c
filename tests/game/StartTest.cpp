// SPDX-License-Identifier: MIT
#include "FakeView.h"
#include "game/Catalogue.h"
#include "game/DailySeed.h"

#include <gtest/gtest.h>

#include <set>

namespace tp::game {
namespace {

using testing::Fixture;

// Every player's journey of a day has the date's digits for its seed.
TEST(Start, TheDaysSeedIsItsDatesDigits) {
    EXPECT_EQ(DailySeed(2026, 12, 9), 20261209u);
    EXPECT_EQ(DailySeed(2027, 1, 1), 20270101u);
}

TEST(Start, SetsTheStartValuesAndShowsThem) {
    Fixture f;
    const GameState& s = f.game.State();
    EXPECT_EQ(s.day, 1);
    EXPECT_EQ(s.storage, 200);
    EXPECT_EQ(s.playerName.View(), "路人甲");
    EXPECT_EQ(s.debt, 3000);
    EXPECT_EQ(s.cash, 2000);
    EXPECT_EQ(s.health, 100);
    EXPECT_EQ(s.deposit, 0);
    EXPECT_FALSE(s.storageBought);
    EXPECT_TRUE(s.carried.empty());

    EXPECT_EQ(f.view.name, "路人甲");
    EXPECT_EQ(f.view.cash, 2000);
    EXPECT_EQ(f.view.debt, 3000);
    EXPECT_EQ(f.view.health, 100);
    EXPECT_EQ(f.view.deposit, 0);
    EXPECT_EQ(f.view.windowCaption, "潮汐货郎 V1.00            (1/60)");
    EXPECT_TRUE(f.view.carriedRows.empty());
    EXPECT_TRUE(f.view.log.empty()) << "no message or dialog at start";
}

TEST(Start, FillsTheCatalogueInIndexOrder) {
    Fixture f;
    const GameState& s = f.game.State();
    for (std::size_t i = 1; i <= 15; ++i) {
        EXPECT_EQ(GoodName(s.goods[i].good), Catalogue[i - 1].name);
        EXPECT_EQ(s.goods[i].price, Catalogue[i - 1].basePrice);
    }
}

TEST(Start, ShowsAFirstMarketOfFiveDistinctGoods) {
    Fixture f(77);
    ASSERT_EQ(f.view.marketRows.size(), 5u);
    std::set<std::string> names;
    for (const auto& row : f.view.marketRows) {
        names.insert(row.name);
    }
    EXPECT_EQ(names.size(), 5u);
    EXPECT_EQ(f.view.marketShows, 1);
}

TEST(Start, TheSameSeedReplaysTheSameFirstMarket) {
    Fixture a(123456);
    Fixture b(123456);
    Fixture c(654321);
    ASSERT_EQ(a.view.marketRows.size(), b.view.marketRows.size());
    bool differs = false;
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(a.view.marketRows[i].name, b.view.marketRows[i].name);
        EXPECT_EQ(a.view.marketRows[i].price, b.view.marketRows[i].price);
        differs = differs || a.view.marketRows[i].name != c.view.marketRows[i].name ||
                  a.view.marketRows[i].price != c.view.marketRows[i].price;
    }
    EXPECT_TRUE(differs);
}

TEST(Start, SeedsFromTheClockWhenNoSeedIsGiven) {
    testing::FakeView v1;
    testing::FakeView v2;
    runtime::Random r1;
    runtime::Random r2;
    Game g1(v1, r1);
    Game g2(v2, r2);
    g1.Start();
    g2.Start();
    EXPECT_NE(r1.State(), r2.State());
}

// A journey the game did not reach by playing: a tenth day, a market slot no draw made, carried
// rows no purchase made, a renamed player and a diary.
SavedJourney Unusual(const GameState& start) {
    SavedJourney journey{start, 4242, "阿福的大名", {"12/8/26      晴", "", "日记"}, {}};
    GameState& s = journey.state;
    s.day = 20;
    s.storage = 193;
    s.playerName.Assign("阿福");
    s.debt = 7000;
    s.cash = 1234;
    s.health = 55;
    s.deposit = 999;
    s.storageBought = true;
    s.market[3] = GoodsRecord{s.goods[7].good, 4321};
    s.carried = {CarriedGoods{s.goods[2].good, 50, 7}, CarriedGoods{s.goods[9].good, 12, 0}};
    return journey;
}

TEST(Resume, ShowsTheGivenStateAsItStandsWithoutTheDebtStep) {
    Fixture started;
    const SavedJourney journey = Unusual(started.game.State());
    const GameState& s = journey.state;

    testing::FakeView view;
    runtime::Random random;
    Game game(view, random);
    game.Resume(journey);

    const GameState& now = game.State();
    EXPECT_EQ(now.day, 20);
    EXPECT_EQ(now.debt, 7000) << "no debt step on resuming a tenth day";
    EXPECT_EQ(now.cash, 1234);
    EXPECT_EQ(now.storage, 193);
    EXPECT_TRUE(now.storageBought);
    ASSERT_EQ(now.carried.size(), 2u);
    EXPECT_EQ(now.carried[0].quantity, 7);

    EXPECT_EQ(view.statusShows, 1);
    EXPECT_EQ(view.windowCaption, "潮汐货郎 V1.00            (20/60)");
    EXPECT_EQ(game.Caption(), view.windowCaption);
    EXPECT_EQ(view.name, "阿福的大名") << "the label as it stood, not the stored name";
    EXPECT_EQ(game.NameLabel(), "阿福的大名");
    EXPECT_EQ(view.cash, 1234);
    EXPECT_EQ(view.debt, 7000);
    EXPECT_EQ(view.health, 55);
    EXPECT_EQ(view.deposit, 999);

    EXPECT_EQ(view.marketShows, 1);
    ASSERT_EQ(view.marketRows.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(view.marketRows[i].name, GoodName(s.market[i + 1].good));
        EXPECT_EQ(view.marketRows[i].price, s.market[i + 1].price);
    }
    EXPECT_EQ(view.marketRows[2].price, 4321);

    ASSERT_EQ(view.carriedRows.size(), 2u);
    EXPECT_EQ(view.carriedRows[0].name, GoodName(s.goods[2].good));
    EXPECT_EQ(view.carriedRows[0].price, 50);
    EXPECT_EQ(view.carriedRows[0].quantity, 7);
    EXPECT_EQ(view.carriedRows[1].name, GoodName(s.goods[9].good));
    EXPECT_EQ(view.carriedRows[1].quantity, 0);

    EXPECT_TRUE(view.log.empty()) << "the diary is kept, not shown again";
    EXPECT_EQ(game.Diary(), journey.diary);
    EXPECT_EQ(random.State(), 4242u) << "the generator goes on from where it stood";
    // A journey kept before the journal was begins one where it is resumed.
    SavedJourney kept = journey;
    ASSERT_EQ(game.Journal().size(), 2u);
    EXPECT_EQ(game.Journal()[0].kind, JournalEntry::Kind::Resume);
    EXPECT_EQ(game.Journal()[1].market[2], s.market[3]);
    kept.journal = game.Journal();
    EXPECT_EQ(game.Snapshot(), kept);
}

TEST(Resume, AnEndedStateIsShownWithoutEndingTheRun) {
    Fixture f;
    SavedJourney journey = f.game.Snapshot();
    journey.state.day = 61;
    journey.state.health = 0;
    const std::size_t before = f.view.log.size();
    f.game.Resume(journey);
    EXPECT_EQ(f.view.log.size(), before);
    EXPECT_EQ(f.view.closes, 0);
    EXPECT_EQ(f.view.windowCaption, "潮汐货郎 V1.00            (61/60)");
    EXPECT_EQ(f.view.health, 0);
}

TEST(Resume, ReplacesWhatAnEarlierGameShowedAndGoesOnFromTheGivenState) {
    Fixture f;
    f.NextJourney(1);
    f.game.Travel(0);
    ASSERT_FALSE(f.game.Diary().empty());
    const auto offer = f.game.OpenBuy(0);
    ASSERT_TRUE(offer.has_value());
    f.game.ConfirmBuy(*offer, 3);
    f.game.ConfirmBuy(*offer, 4);
    ASSERT_EQ(f.view.carriedRows.size(), 2u);

    SavedJourney journey = Unusual(Fixture(9).game.State());
    journey.diary.clear();
    const GameState& s = journey.state;
    f.game.Resume(journey);
    EXPECT_TRUE(f.game.Diary().empty());
    ASSERT_EQ(f.view.carriedRows.size(), 2u);
    EXPECT_EQ(f.view.carriedRows[0].quantity, 7);
    EXPECT_EQ(f.view.name, "阿福的大名");

    // The resumed market buys the resumed rows at its own prices.
    f.Edit([](GameState& g) { g.market[1] = GoodsRecord{g.goods[2].good, 80}; });
    const auto sale = f.game.OpenSell(0);
    ASSERT_TRUE(sale.has_value());
    EXPECT_EQ(sale->marketSlot, 1);
    f.game.ConfirmSell(*sale, 7);
    EXPECT_EQ(f.game.State().cash, 1234 + 7 * 80);
    EXPECT_EQ(f.game.State().storage, 200);
    EXPECT_EQ(f.game.State().debt, 8000) << "the confirm's refresh takes the tenth day's step";
    ASSERT_EQ(f.view.carriedRows.size(), 1u);
    EXPECT_EQ(f.view.carriedRows[0].name, GoodName(s.goods[9].good));
}

} // namespace
} // namespace tp::game
