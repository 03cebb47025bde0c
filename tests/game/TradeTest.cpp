#include "FakeView.h"

#include <gtest/gtest.h>

namespace tp::game {
namespace {

using testing::Fixture;

// A started game whose first market slot sells at `price`.
Fixture& WithPrice(Fixture& f, std::int32_t price) {
    f.state().Market[1].Price = price;
    return f;
}

TEST(OpenBuy, RefusesWithoutASelectedRow) {
    Fixture f;
    EXPECT_FALSE(f.game.OpenBuy(-1).has_value());
    ASSERT_EQ(f.view.log.size(), 1u);
    EXPECT_EQ(f.view.log[0].kind, "box");
    EXPECT_EQ(f.view.log[0].text, "请先选择要购买的商品！");
    EXPECT_EQ(f.view.log[0].caption, "提示");
    EXPECT_EQ(f.game.State().TradeMode, 0);
}

TEST(OpenBuy, StartsAtTheLargestQuantityCashAndSpaceAllow) {
    const std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t> cases[] = {
        {2000, 13, 200, 153},
        {2000, 7, 200, 200},
        {1000000, 10, 300, 300},
        {5, 10, 200, 0},
        {2147483647, 6, 200, 200}};
    for (auto [money, price, space, expected] : cases) {
        Fixture f;
        f.state().Money = money;
        f.state().Space = space;
        WithPrice(f, price);
        const auto setup = f.game.OpenBuy(0);
        ASSERT_TRUE(setup.has_value());
        EXPECT_EQ(setup->maximum, expected);
        EXPECT_EQ(setup->position, expected);
        EXPECT_EQ(setup->confirmEnabled, expected != 0);
        EXPECT_EQ(setup->caption, f.game.State().Market[1].Name.View());
        EXPECT_EQ(setup->text, "要购买的数量：");
        EXPECT_EQ(f.game.State().TradeMode, 1);
    }
}

TEST(ConfirmTrade, BuyingAddsARowPerPurchaseAndTakesCashAndSpace) {
    Fixture f;
    WithPrice(f, 13);
    f.game.OpenBuy(0);
    f.game.ConfirmTrade(100);
    EXPECT_EQ(f.game.State().Money, 700);
    EXPECT_EQ(f.game.State().Space, 100);
    EXPECT_EQ(f.view.money, 700);
    f.game.OpenBuy(0);
    f.game.ConfirmTrade(10);
    ASSERT_EQ(f.view.carriedRows.size(), 2u);
    EXPECT_EQ(f.view.carriedRows[0].name, f.game.State().Market[1].Name.View());
    EXPECT_EQ(f.view.carriedRows[0].price, 13);
    EXPECT_EQ(f.view.carriedRows[0].quantity, 100);
    EXPECT_EQ(f.view.carriedRows[1].quantity, 10);
    EXPECT_EQ(f.game.Carried().size(), 2u);
}

TEST(ConfirmTrade, AZeroPurchaseLeavesAnEmptyRowThatSellingClears) {
    Fixture f;
    f.game.OpenBuy(2);
    f.game.ConfirmTrade(0);
    EXPECT_EQ(f.game.State().Money, 2000);
    ASSERT_EQ(f.view.carriedRows.size(), 1u);
    EXPECT_EQ(f.view.carriedRows[0].quantity, 0);

    const auto setup = f.game.OpenSell(0);
    ASSERT_TRUE(setup.has_value());
    EXPECT_EQ(setup->maximum, 0);
    EXPECT_TRUE(setup->confirmEnabled);
    f.game.ConfirmTrade(0);
    EXPECT_TRUE(f.view.carriedRows.empty());
}

TEST(ConfirmTrade, QuantitiesOutsideThePreparedRangeAreHeldToIt) {
    Fixture f;
    WithPrice(f, 13);
    f.game.OpenBuy(0);
    f.game.ConfirmTrade(1000000);
    EXPECT_EQ(f.game.State().Money, 2000 - 153 * 13);
    f.game.OpenBuy(0);
    f.game.ConfirmTrade(-5);
    EXPECT_EQ(f.game.State().Money, 2000 - 153 * 13);
    EXPECT_GE(f.game.State().Money, 0);
}

TEST(OpenSell, RefusesWithoutASelectionAndForGoodsThisMarketDoesNotBuy) {
    Fixture f;
    EXPECT_FALSE(f.game.OpenSell(-1).has_value());
    EXPECT_EQ(f.view.log.back().text, "请先选择要卖出的商品！");
    EXPECT_EQ(f.view.log.back().caption, "提示");

    f.game.OpenBuy(0);
    f.game.ConfirmTrade(1);
    f.state().Market[1].Name.Assign("别的东西");
    EXPECT_FALSE(f.game.OpenSell(0).has_value());
    EXPECT_EQ(f.view.log.back().kind, "box");
    EXPECT_EQ(f.view.log.back().text, "店小二微笑着说：“对不起！小店不收这种产品！”");
    EXPECT_EQ(f.view.log.back().caption, "");
    EXPECT_EQ(f.game.State().SellSlot, 0);
    EXPECT_EQ(f.game.State().TradeMode, 1) << "a refused sale leaves the mode as it was";
}

TEST(ConfirmTrade, SellingPartKeepsThePricePaidAndSellingAllRemovesTheRow) {
    Fixture f;
    WithPrice(f, 10);
    f.game.OpenBuy(0);
    f.game.ConfirmTrade(50);
    ASSERT_EQ(f.game.State().Money, 1500);

    // Today's price, not the price paid, decides the sale.
    f.state().Market[1].Price = 30;
    const auto setup = f.game.OpenSell(0);
    ASSERT_TRUE(setup.has_value());
    EXPECT_EQ(setup->text, "要卖出的数量：");
    EXPECT_EQ(setup->maximum, 50);
    EXPECT_EQ(f.game.State().SellSlot, 1);
    EXPECT_EQ(f.game.State().TradeMode, 0);
    f.game.ConfirmTrade(20);
    EXPECT_EQ(f.game.State().Money, 2100);
    EXPECT_EQ(f.game.State().Space, 170);
    ASSERT_EQ(f.view.carriedRows.size(), 1u);
    EXPECT_EQ(f.view.carriedRows[0].quantity, 30);
    EXPECT_EQ(f.view.carriedRows[0].price, 10);

    f.game.OpenSell(0);
    f.game.ConfirmTrade(30);
    EXPECT_TRUE(f.view.carriedRows.empty());
    EXPECT_EQ(f.game.State().Money, 3000);
    EXPECT_EQ(f.game.State().Space, 200);
}

TEST(ConfirmTrade, FindsTheGoodInWhicheverSlotTodaysMarketHasIt) {
    Fixture f;
    f.game.OpenBuy(0);
    f.game.ConfirmTrade(1);
    // Move the good to slot 4 with a new price, as a later market might.
    GameState& s = f.state();
    std::swap(s.Market[1], s.Market[4]);
    s.Market[4].Price = 777;
    f.game.OpenSell(0);
    EXPECT_EQ(f.game.State().SellSlot, 4);
    const std::int32_t before = s.Money;
    f.game.ConfirmTrade(1);
    EXPECT_EQ(f.game.State().Money, before + 777);
}

TEST(ConfirmTrade, SaleIncomeSaturates) {
    Fixture f;
    f.game.OpenBuy(0);
    f.game.ConfirmTrade(1);
    f.state().Money = 2147483000;
    f.state().Market[1].Price = 100000;
    f.game.OpenSell(0);
    f.game.ConfirmTrade(1);
    EXPECT_EQ(f.game.State().Money, 2147483647);
}

TEST(ConfirmTrade, RefreshesWithTheDebtStepOnATenthDay) {
    Fixture f;
    f.state().Day = 10;
    f.game.OpenBuy(0);
    f.game.ConfirmTrade(1);
    EXPECT_EQ(f.game.State().Arrearage, 4000);
    EXPECT_EQ(f.view.arrearage, 4000);
}

TEST(ConfirmTrade, WithoutAnOpenDialogDoesNothing) {
    Fixture f;
    f.game.ConfirmTrade(5);
    EXPECT_EQ(f.game.State().Money, 2000);
    EXPECT_TRUE(f.view.carriedRows.empty());
}

} // namespace
} // namespace tp::game
