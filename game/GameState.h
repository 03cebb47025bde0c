#pragma once

#include "game/Text.h"

#include <array>
#include <cstdint>

namespace tp::game {

struct GoodsRecord {
    ShortString<20> Name;
    std::int32_t Price = 0;
};

constexpr int GoodsCount = 15;
constexpr int MarketSlots = 5;

// Every value of a game in progress. Types follow the game's original layout: day, health and
// the sale slot are 8-bit, amounts 32-bit. Goods and Market are indexed from 1 as the events and
// rows refer to them; index 0 is unused.
struct GameState {
    std::int8_t Day = 0;
    std::int32_t Space = 0;
    std::int8_t SellSlot = 0;
    std::uint8_t TradeMode = 0;
    ShortString<11> PlayerName;
    std::int32_t Arrearage = 0;
    std::int32_t Money = 0;
    std::int8_t Health = 0;
    std::int32_t Fund = 0;
    std::array<GoodsRecord, GoodsCount + 1> Goods{};
    std::array<GoodsRecord, MarketSlots + 1> Market{};
};

// One purchase still carried: a row of the carried-goods list. Rows are never merged, so the
// same good may be carried at several prices.
struct CarriedGoods {
    ShortString<20> Name;
    std::int32_t Price = 0;
    std::int32_t Quantity = 0;
};

} // namespace tp::game
