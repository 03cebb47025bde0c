#include "game/Game.h"
#include "game/Saturate.h"

#include <algorithm>

namespace tp::game {

namespace {
constexpr std::string_view Notice = "提示";
} // namespace

std::int32_t Game::PrepareMaximum(std::int32_t maximum) {
    dialogMaximum_ = std::max(0, maximum);
    return dialogMaximum_;
}

std::optional<DialogSetup> Game::OpenBuy(int marketRow) {
    if (marketRow < 0 || marketRow >= MarketSlots) {
        view_.MessageBox("请先选择要购买的商品！", Notice);
        return std::nullopt;
    }
    const int k = marketRow + 1;
    tradeMarketSlot_ = k;
    state_.TradeMode = 1;
    const GoodsRecord& slot = state_.Market[static_cast<std::size_t>(k)];
    const std::int32_t maximum = PrepareMaximum(std::min(state_.Money / slot.Price, state_.Space));
    return DialogSetup{slot.Name.View(), "要购买的数量：", maximum, maximum, maximum != 0};
}

std::optional<DialogSetup> Game::OpenSell(int carriedRow) {
    if (carriedRow < 0 || carriedRow >= static_cast<int>(carried_.size())) {
        view_.MessageBox("请先选择要卖出的商品！", Notice);
        return std::nullopt;
    }
    const CarriedGoods& row = carried_[static_cast<std::size_t>(carriedRow)];
    state_.SellSlot = 0;
    for (std::int8_t s = 1; s <= MarketSlots; ++s) {
        if (state_.Market[static_cast<std::size_t>(s)].Name == row.Name) {
            state_.SellSlot = s;
            break;
        }
    }
    if (state_.SellSlot == 0) {
        view_.MessageBox("店小二微笑着说：“对不起！小店不收这种产品！”", "");
        return std::nullopt;
    }
    tradeCarriedRow_ = carriedRow;
    state_.TradeMode = 0;
    const std::int32_t maximum = PrepareMaximum(row.Quantity);
    // Selling is always allowed to confirm, even nothing: that clears an empty row away.
    return DialogSetup{row.Name.View(), "要卖出的数量：", maximum, maximum, true};
}

void Game::ConfirmTrade(std::int32_t quantity) {
    // The dialog's range already holds the quantity to 0..maximum; clamping again keeps a
    // misbehaving control from ever corrupting the game.
    const std::int32_t q = std::clamp(quantity, 0, dialogMaximum_);
    if (state_.TradeMode == 1) {
        if (tradeMarketSlot_ == 0) {
            return;
        }
        const GoodsRecord& slot = state_.Market[static_cast<std::size_t>(tradeMarketSlot_)];
        state_.Money = SaturatingAdd(state_.Money, -Product(q, slot.Price));
        carried_.push_back(CarriedGoods{slot.Name, slot.Price, q});
        view_.AddCarriedRow(carried_.back());
        state_.Space = SaturatingAdd(state_.Space, -std::int64_t{q});
    } else {
        if (state_.SellSlot == 0 || tradeCarriedRow_ < 0 ||
            tradeCarriedRow_ >= static_cast<int>(carried_.size())) {
            return;
        }
        state_.Space = SaturatingAdd(state_.Space, q);
        const std::int32_t price = state_.Market[static_cast<std::size_t>(state_.SellSlot)].Price;
        state_.Money = SaturatingAdd(state_.Money, Product(price, q));
        const auto row = static_cast<std::size_t>(tradeCarriedRow_);
        if (q == dialogMaximum_) {
            carried_.erase(carried_.begin() + tradeCarriedRow_);
            view_.RemoveCarriedRow(tradeCarriedRow_);
        } else {
            carried_[row].Quantity -= q;
            view_.UpdateCarriedRow(tradeCarriedRow_, carried_[row]);
        }
    }
    RefreshStatus();
}

} // namespace tp::game
