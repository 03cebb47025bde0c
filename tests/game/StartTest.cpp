#include "FakeView.h"
#include "game/Catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace tp::game {
namespace {

using testing::Fixture;

TEST(FormCreate, SetsTheStartValuesAndShowsThem) {
    Fixture f;
    const GameState& s = f.game.State();
    EXPECT_EQ(s.Day, 1);
    EXPECT_EQ(s.Space, 200);
    EXPECT_EQ(s.PlayerName.View(), "路人甲");
    EXPECT_EQ(s.Arrearage, 3000);
    EXPECT_EQ(s.Money, 2000);
    EXPECT_EQ(s.Health, 100);
    EXPECT_EQ(s.Fund, 0);
    EXPECT_EQ(s.TradeMode, 0);
    EXPECT_EQ(s.SellSlot, 0);

    EXPECT_EQ(f.view.name, "路人甲");
    EXPECT_EQ(f.view.money, 2000);
    EXPECT_EQ(f.view.arrearage, 3000);
    EXPECT_EQ(f.view.health, 100);
    EXPECT_EQ(f.view.fund, 0);
    EXPECT_EQ(f.view.windowCaption, "潮汐货郎 V1.00            (1/60)");
    EXPECT_TRUE(f.view.carriedRows.empty());
    EXPECT_TRUE(f.view.log.empty()) << "no message or dialog at start";
}

TEST(FormCreate, FillsTheCatalogueInIndexOrder) {
    Fixture f;
    const GameState& s = f.game.State();
    EXPECT_EQ(s.Goods[5].Name.View(), "劣质计算机电源");
    EXPECT_EQ(s.Goods[5].Price, 80);
    EXPECT_EQ(s.Goods[7].Price, 100000);
    EXPECT_EQ(s.Goods[15].Name.View(), "劣质\"三无\"空调");
    EXPECT_EQ(s.Goods[15].Name.GbkBytes(), 14u);
    EXPECT_EQ(s.Goods[9].Name.GbkBytes(), 17u);
    for (std::size_t i = 1; i <= 15; ++i) {
        EXPECT_EQ(s.Goods[i].Name.View(), Catalogue[i - 1].name);
        EXPECT_EQ(s.Goods[i].Price, Catalogue[i - 1].basePrice);
    }
}

TEST(FormCreate, ShowsAFirstMarketOfFiveDistinctGoods) {
    Fixture f(77);
    ASSERT_EQ(f.view.marketRows.size(), 5u);
    std::set<std::string> names;
    for (const auto& row : f.view.marketRows) {
        names.insert(row.name);
    }
    EXPECT_EQ(names.size(), 5u);
    EXPECT_EQ(f.view.marketShows, 1);
}

TEST(FormCreate, TheSameSeedReplaysTheSameFirstMarket) {
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

TEST(FormCreate, SeedsFromTheClockWhenNoSeedIsGiven) {
    testing::FakeView v1;
    testing::FakeView v2;
    Game g1(v1);
    Game g2(v2);
    g1.FormCreate();
    g2.FormCreate();
    EXPECT_NE(g1.Generator().State(), g2.Generator().State());
}

} // namespace
} // namespace tp::game
