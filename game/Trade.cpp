// SPDX-License-Identifier: MIT
#include "game/Game.h"
#include "game/Saturate.h"

#include <algorithm>
#include <utility>

namespace tp::game {

namespace {

constexpr std::string_view Notice = TP_TEXT("Game", "提示");

bool IsMarketSlot(int slot) {
    return slot >= 1 && slot <= MarketSlots;
}

// How many units of a good at `price` the cash pays for and the storage holds.
std::int32_t Affordable(const GameState& state, std::int32_t price) {
    const std::int32_t paid = price > 0 ? state.cash / price : 0;
    return std::max(0, std::min(paid, state.storage));
}

} // namespace

std::optional<BuyOffer> Game::OpenBuy(int marketRow) {
    if (marketRow < 0 || marketRow >= MarketSlots) {
        view_.Inform(Say(TP_TEXT("Game", "请先选择要购买的商品！")), Say(Notice));
        return std::nullopt;
    }
    BuyOffer offer;
    offer.marketSlot = marketRow + 1;
    const GoodsRecord& slot = state_.market[static_cast<std::size_t>(offer.marketSlot)];
    const std::int32_t maximum = Affordable(state_, slot.price);
    offer.good = slot.good;
    offer.text = Say(TP_TEXT("Game", "要购买的数量："));
    offer.maximum = maximum;
    offer.position = maximum;
    offer.confirmEnabled = maximum != 0;
    return offer;
}

std::optional<SellOffer> Game::OpenSell(int carriedRow) {
    if (carriedRow < 0 || carriedRow >= static_cast<int>(state_.carried.size())) {
        view_.Inform(Say(TP_TEXT("Game", "请先选择要卖出的商品！")), Say(Notice));
        return std::nullopt;
    }
    const CarriedGoods& row = state_.carried[static_cast<std::size_t>(carriedRow)];
    SellOffer offer;
    offer.carriedRow = carriedRow;
    for (int s = 1; s <= MarketSlots; ++s) {
        if (state_.market[static_cast<std::size_t>(s)].good == row.good) {
            offer.marketSlot = s;
            break;
        }
    }
    if (offer.marketSlot == 0) {
        view_.Inform(Say(TP_TEXT("Game", "店小二微笑着说：“对不起！小店不收这种产品！”")), "");
        return std::nullopt;
    }
    const std::int32_t maximum = std::max(0, row.quantity);
    offer.good = row.good;
    offer.text = Say(TP_TEXT("Game", "要卖出的数量："));
    offer.maximum = maximum;
    offer.position = maximum;
    // Selling is always allowed to confirm, even nothing: that clears an empty row away.
    offer.confirmEnabled = true;
    return offer;
}

void Game::ConfirmBuy(const BuyOffer& offer, std::int32_t quantity) {
    Before before = Remember();
    if (!IsMarketSlot(offer.marketSlot)) {
        return;
    }
    const GoodsRecord& slot = state_.market[static_cast<std::size_t>(offer.marketSlot)];
    // An offer that no longer matches the market (the good has gone) buys nothing.
    if (slot.good != offer.good) {
        return;
    }
    // The dialog's range already holds the quantity to the offer; holding it again, and to
    // what the cash and storage allow now, keeps a stale offer or a misbehaving control from
    // ever corrupting the game.
    const std::int32_t q = std::clamp(
        quantity, 0, std::max(0, std::min(offer.maximum, Affordable(state_, slot.price))));
    state_.cash = SaturatingAdd(state_.cash, -Product(q, slot.price));
    state_.carried.push_back(CarriedGoods{slot.good, slot.price, q});
    view_.AddCarriedRow(state_.carried.back());
    state_.storage = SaturatingAdd(state_.storage, -std::int64_t{q});
    RefreshStatus();
    Undoable(std::move(before), ActionEntry(JournalEntry::Kind::Buy, q, slot.good, slot.price));
    keeper_.JourneyMoved(*this);
}

void Game::ConfirmSell(const SellOffer& offer, std::int32_t quantity) {
    Before before = Remember();
    if (!IsMarketSlot(offer.marketSlot) || offer.carriedRow < 0 ||
        offer.carriedRow >= static_cast<int>(state_.carried.size())) {
        return;
    }
    const auto row = static_cast<std::size_t>(offer.carriedRow);
    // The row and the market must still hold the good offered: rows move up when one is sold.
    if (state_.carried[row].good != offer.good ||
        state_.market[static_cast<std::size_t>(offer.marketSlot)].good != offer.good) {
        return;
    }
    const std::int32_t carried = state_.carried[row].quantity;
    const std::int32_t q = std::clamp(quantity, 0, std::max(0, std::min(offer.maximum, carried)));
    state_.storage = SaturatingAdd(state_.storage, q);
    const std::int32_t price = state_.market[static_cast<std::size_t>(offer.marketSlot)].price;
    state_.cash = SaturatingAdd(state_.cash, Product(price, q));
    if (q == carried) {
        state_.carried.erase(state_.carried.begin() + offer.carriedRow);
        view_.RemoveCarriedRow(offer.carriedRow);
    } else {
        state_.carried[row].quantity -= q;
        view_.UpdateCarriedRow(offer.carriedRow, state_.carried[row]);
    }
    RefreshStatus();
    Undoable(std::move(before), ActionEntry(JournalEntry::Kind::Sell, q, offer.good, price));
    keeper_.JourneyMoved(*this);
}

} // namespace tp::game
