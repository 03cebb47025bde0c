// SPDX-License-Identifier: MIT
#include "FakeView.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace tp::game {
namespace {

using testing::Fixture;

// The trade dialog hands back the offer it was opened with; the other dialogs' offers do not fit.
static_assert(
    std::is_invocable_v<decltype(&Game::ConfirmBuy), Game&, const BuyOffer&, std::int32_t>);
static_assert(
    !std::is_invocable_v<decltype(&Game::ConfirmBuy), Game&, const SellOffer&, std::int32_t>);
static_assert(
    std::is_invocable_v<decltype(&Game::ConfirmSell), Game&, const SellOffer&, std::int32_t>);
static_assert(
    !std::is_invocable_v<decltype(&Game::ConfirmSell), Game&, const BuyOffer&, std::int32_t>);

// A started game whose first market slot sells at `price`.
Fixture& WithPrice(Fixture& f, std::int32_t price) {
    f.Edit([&](GameState& s) { s.market[1].price = price; });
    return f;
}

// Opens the trade dialog on a row and confirms `quantity`, as the trade window does.
void Buy(Fixture& f, int marketRow, std::int32_t quantity) {
    const auto offer = f.game.OpenBuy(marketRow);
    ASSERT_TRUE(offer.has_value());
    f.game.ConfirmBuy(*offer, quantity);
}

void Sell(Fixture& f, int carriedRow, std::int32_t quantity) {
    const auto offer = f.game.OpenSell(carriedRow);
    ASSERT_TRUE(offer.has_value());
    f.game.ConfirmSell(*offer, quantity);
}

TEST(OpenBuy, RefusesWithoutASelectedRow) {
    Fixture f;
    EXPECT_FALSE(f.game.OpenBuy(-1).has_value());
    ASSERT_EQ(f.view.log.size(), 1u);
    EXPECT_EQ(f.view.log[0].kind, "box");
    EXPECT_EQ(f.view.log[0].text, "请先选择要购买的商品！");
    EXPECT_EQ(f.view.log[0].caption, "提示");
    EXPECT_FALSE(f.game.OpenBuy(5).has_value()) << "there are five rows";
    EXPECT_EQ(f.view.log.size(), 2u);
}

TEST(OpenBuy, OffersTheGoodOfTheSelectedRow) {
    Fixture f;
    for (int row = 0; row < 5; ++row) {
        const auto offer = f.game.OpenBuy(row);
        ASSERT_TRUE(offer.has_value());
        EXPECT_EQ(offer->marketSlot, row + 1);
        EXPECT_EQ(GoodName(offer->good), f.view.marketRows[static_cast<std::size_t>(row)].name);
    }
    EXPECT_TRUE(f.view.log.empty());
}

TEST(OpenBuy, StartsAtTheLargestQuantityCashAndStorageAllow) {
    const std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t> cases[] = {
        {2000, 13, 200, 153},
        {2000, 7, 200, 200},
        {1000000, 10, 300, 300},
        {5, 10, 200, 0},
        {2147483647, 6, 200, 200}};
    for (auto [cash, price, storage, expected] : cases) {
        Fixture f;
        f.Edit([&](GameState& s) {
            s.cash = cash;
            s.storage = storage;
        });
        WithPrice(f, price);
        const auto offer = f.game.OpenBuy(0);
        ASSERT_TRUE(offer.has_value());
        EXPECT_EQ(offer->maximum, expected);
        EXPECT_EQ(offer->position, expected);
        EXPECT_EQ(offer->confirmEnabled, expected != 0);
        EXPECT_EQ(offer->good, f.game.State().market[1].good);
        EXPECT_EQ(offer->text, "要购买的数量：");
        EXPECT_EQ(offer->marketSlot, 1);
    }
}

TEST(ConfirmBuy, AddsARowPerPurchaseAndTakesCashAndStorage) {
    Fixture f;
    WithPrice(f, 13);
    Buy(f, 0, 100);
    EXPECT_EQ(f.game.State().cash, 700);
    EXPECT_EQ(f.game.State().storage, 100);
    EXPECT_EQ(f.view.cash, 700);
    Buy(f, 0, 10);
    ASSERT_EQ(f.view.carriedRows.size(), 2u);
    EXPECT_EQ(f.view.carriedRows[0].name, GoodName(f.game.State().market[1].good));
    EXPECT_EQ(f.view.carriedRows[0].price, 13);
    EXPECT_EQ(f.view.carriedRows[0].quantity, 100);
    EXPECT_EQ(f.view.carriedRows[1].quantity, 10);
    ASSERT_EQ(f.game.State().carried.size(), 2u);
    EXPECT_EQ(f.game.State().carried[0].quantity, 100);
    EXPECT_EQ(f.game.State().carried[1].quantity, 10);
}

TEST(ConfirmBuy, AZeroPurchaseLeavesAnEmptyRowThatSellingClears) {
    Fixture f;
    Buy(f, 2, 0);
    EXPECT_EQ(f.game.State().cash, 2000);
    ASSERT_EQ(f.view.carriedRows.size(), 1u);
    EXPECT_EQ(f.view.carriedRows[0].quantity, 0);

    const auto offer = f.game.OpenSell(0);
    ASSERT_TRUE(offer.has_value());
    EXPECT_EQ(offer->maximum, 0);
    EXPECT_TRUE(offer->confirmEnabled);
    f.game.ConfirmSell(*offer, 0);
    EXPECT_TRUE(f.view.carriedRows.empty());
    EXPECT_TRUE(f.game.State().carried.empty());
}

TEST(ConfirmBuy, QuantitiesOutsideTheOfferedRangeAreHeldToIt) {
    Fixture f;
    WithPrice(f, 13);
    Buy(f, 0, 1000000);
    EXPECT_EQ(f.game.State().cash, 2000 - 153 * 13);
    Buy(f, 0, -5);
    EXPECT_EQ(f.game.State().cash, 2000 - 153 * 13);
}

TEST(ConfirmBuy, AnOfferTheGameNeverMadeBuysNothing) {
    Fixture f;
    const int shows = f.view.statusShows;
    f.game.ConfirmBuy(BuyOffer{}, 5);
    for (int slot : {0, 6, -3}) {
        BuyOffer forged;
        forged.marketSlot = slot;
        forged.maximum = 10;
        f.game.ConfirmBuy(forged, 10);
    }
    EXPECT_EQ(f.game.State().cash, 2000);
    EXPECT_EQ(f.game.State().storage, 200);
    EXPECT_TRUE(f.game.State().carried.empty());
    EXPECT_TRUE(f.view.carriedRows.empty());
    EXPECT_EQ(f.view.statusShows, shows);
}

TEST(OpenSell, RefusesWithoutASelectionAndForGoodsThisMarketDoesNotBuy) {
    Fixture f;
    EXPECT_FALSE(f.game.OpenSell(-1).has_value());
    EXPECT_EQ(f.view.log.back().text, "请先选择要卖出的商品！");
    EXPECT_EQ(f.view.log.back().caption, "提示");

    Buy(f, 0, 1);
    EXPECT_FALSE(f.game.OpenSell(1).has_value()) << "only one row is carried";
    EXPECT_EQ(f.view.log.back().text, "请先选择要卖出的商品！");

    f.Edit([](GameState& s) { s.market[1].good = 16; });
    const auto purchase = f.game.OpenBuy(1);
    ASSERT_TRUE(purchase.has_value());
    const std::int32_t cash = f.game.State().cash;
    EXPECT_FALSE(f.game.OpenSell(0).has_value());
    EXPECT_EQ(f.view.log.back().kind, "box");
    EXPECT_EQ(f.view.log.back().text, "店小二微笑着说：“对不起！小店不收这种产品！”");
    EXPECT_EQ(f.view.log.back().caption, "");
    EXPECT_EQ(f.game.State().cash, cash);
    EXPECT_EQ(f.game.State().carried.size(), 1u);

    // A refused sale leaves a purchase already offered as it was.
    f.game.ConfirmBuy(*purchase, 1);
    ASSERT_EQ(f.game.State().carried.size(), 2u);
    EXPECT_EQ(f.game.State().carried[1].good, f.game.State().market[2].good);
    EXPECT_EQ(f.game.State().cash, cash - f.game.State().market[2].price);
}

TEST(ConfirmSell, SellingPartKeepsThePricePaidAndSellingAllRemovesTheRow) {
    Fixture f;
    WithPrice(f, 10);
    Buy(f, 0, 50);
    ASSERT_EQ(f.game.State().cash, 1500);

    // Today's price, not the price paid, decides the sale.
    f.Edit([](GameState& s) { s.market[1].price = 30; });
    const auto offer = f.game.OpenSell(0);
    ASSERT_TRUE(offer.has_value());
    EXPECT_EQ(offer->good, f.game.State().market[1].good);
    EXPECT_EQ(offer->text, "要卖出的数量：");
    EXPECT_EQ(offer->maximum, 50);
    EXPECT_EQ(offer->position, 50);
    EXPECT_EQ(offer->carriedRow, 0);
    EXPECT_EQ(offer->marketSlot, 1);
    f.game.ConfirmSell(*offer, 20);
    EXPECT_EQ(f.game.State().cash, 2100);
    EXPECT_EQ(f.game.State().storage, 170);
    ASSERT_EQ(f.view.carriedRows.size(), 1u);
    EXPECT_EQ(f.view.carriedRows[0].quantity, 30);
    EXPECT_EQ(f.view.carriedRows[0].price, 10);
    EXPECT_EQ(f.game.State().carried[0].quantity, 30);

    Sell(f, 0, 30);
    EXPECT_TRUE(f.view.carriedRows.empty());
    EXPECT_TRUE(f.game.State().carried.empty());
    EXPECT_EQ(f.game.State().cash, 3000);
    EXPECT_EQ(f.game.State().storage, 200);
}

TEST(ConfirmSell, FindsTheGoodInWhicheverSlotTodaysMarketHasIt) {
    Fixture f;
    Buy(f, 0, 1);
    // Move the good to slot 4 with a new price, as a later market might.
    f.Edit([](GameState& s) {
        std::swap(s.market[1], s.market[4]);
        s.market[4].price = 777;
    });
    const auto offer = f.game.OpenSell(0);
    ASSERT_TRUE(offer.has_value());
    EXPECT_EQ(offer->marketSlot, 4);
    const std::int32_t before = f.game.State().cash;
    f.game.ConfirmSell(*offer, 1);
    EXPECT_EQ(f.game.State().cash, before + 777);
}

TEST(ConfirmSell, SaleIncomeSaturates) {
    Fixture f;
    Buy(f, 0, 1);
    f.Edit([](GameState& s) {
        s.cash = 2147483000;
        s.market[1].price = 100000;
    });
    Sell(f, 0, 1);
    EXPECT_EQ(f.game.State().cash, 2147483647);
}

TEST(ConfirmSell, AnOfferForARowThatHasSinceShrunkSellsNoMoreThanIsCarried) {
    Fixture f;
    WithPrice(f, 10);
    Buy(f, 0, 50);
    const auto stale = f.game.OpenSell(0);
    ASSERT_TRUE(stale.has_value());
    ASSERT_EQ(stale->maximum, 50);
    Sell(f, 0, 30);
    ASSERT_EQ(f.game.State().cash, 1800);

    f.game.ConfirmSell(*stale, 50);
    EXPECT_EQ(f.game.State().cash, 2000) << "only the 20 still carried are sold";
    EXPECT_EQ(f.game.State().storage, 200);
    EXPECT_TRUE(f.game.State().carried.empty());
    EXPECT_TRUE(f.view.carriedRows.empty());
}

TEST(ConfirmSell, AnOfferTheGameNeverMadeSellsNothing) {
    Fixture f;
    Buy(f, 0, 5);
    const std::int32_t cash = f.game.State().cash;
    const int shows = f.view.statusShows;
    f.game.ConfirmSell(SellOffer{}, 5);
    const std::pair<int, int> forgeries[] = {{1, 1}, {-1, 1}, {0, 0}, {0, 6}, {0, -1}};
    for (auto [row, slot] : forgeries) {
        SellOffer forged;
        forged.carriedRow = row;
        forged.marketSlot = slot;
        forged.maximum = 5;
        f.game.ConfirmSell(forged, 5);
    }
    EXPECT_EQ(f.game.State().cash, cash);
    EXPECT_EQ(f.game.State().storage, 195);
    ASSERT_EQ(f.game.State().carried.size(), 1u);
    EXPECT_EQ(f.game.State().carried[0].quantity, 5);
    ASSERT_EQ(f.view.carriedRows.size(), 1u);
    EXPECT_EQ(f.view.carriedRows[0].quantity, 5);
    EXPECT_EQ(f.view.statusShows, shows);
}

TEST(ConfirmBuy, AStaleOfferBuysNoMoreThanTheCashPaysForNowNorAGoodThatHasGone) {
    Fixture f;
    WithPrice(f, 10);
    const auto offer = f.game.OpenBuy(0);
    ASSERT_TRUE(offer.has_value());
    ASSERT_EQ(offer->maximum, 200);
    const auto bank = f.game.OpenBank(BankMode::Deposit);
    f.game.ConfirmBank(bank, 1950);
    ASSERT_EQ(f.game.State().cash, 50);

    f.game.ConfirmBuy(*offer, 200);
    EXPECT_EQ(f.game.State().cash, 0) << "five units are all the cash pays for now";
    ASSERT_EQ(f.game.State().carried.size(), 1u);
    EXPECT_EQ(f.game.State().carried[0].quantity, 5);

    // A later market holds another good in that slot: the offer named the one that has gone.
    f.Edit([](GameState& s) {
        s.cash = 1000;
        s.market[1].good = 16;
    });
    f.game.ConfirmBuy(*offer, 10);
    EXPECT_EQ(f.game.State().cash, 1000);
    EXPECT_EQ(f.game.State().carried.size(), 1u);
}

TEST(ConfirmSell, AnOfferWhoseRowHasMovedUpSellsNothing) {
    Fixture f;
    Buy(f, 0, 5);
    Buy(f, 0, 5);
    Buy(f, 1, 5);
    // Rows: good A, good A, good B. An offer on row 1 (A) outlives the sale of row 0, after
    // which row 1 holds B.
    const auto stale = f.game.OpenSell(1);
    ASSERT_TRUE(stale.has_value());
    Sell(f, 0, 5);
    ASSERT_EQ(f.game.State().carried.size(), 2u);
    const std::int32_t cash = f.game.State().cash;

    f.game.ConfirmSell(*stale, 5);
    EXPECT_EQ(f.game.State().cash, cash);
    ASSERT_EQ(f.game.State().carried.size(), 2u);
    EXPECT_EQ(f.game.State().carried[1].quantity, 5);
}

TEST(OpenBuy, AGoodPricedAtNothingOffersNothingRatherThanDividingByZero) {
    Fixture f;
    WithPrice(f, 0);
    const auto offer = f.game.OpenBuy(0);
    ASSERT_TRUE(offer.has_value());
    EXPECT_EQ(offer->maximum, 0);
    EXPECT_FALSE(offer->confirmEnabled);
}

TEST(Trade, ConfirmingRefreshesWithTheDebtStepOnATenthDay) {
    Fixture f;
    f.Edit([](GameState& s) { s.day = 10; });
    Buy(f, 0, 1);
    EXPECT_EQ(f.game.State().debt, 4000);
    EXPECT_EQ(f.view.debt, 4000);
    Sell(f, 0, 1);
    EXPECT_EQ(f.game.State().debt, 5000);
    EXPECT_EQ(f.view.debt, 5000);
}

} // namespace
} // namespace tp::game
