// SPDX-License-Identifier: MIT
#pragma once

#include "game/Text.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tp::game {

// A good at a price. Goods are known by their number in the catalogue, 1..15 (0: none), and
// named only where a window shows them.
struct GoodsRecord {
    int good = 0;
    std::int32_t price = 0;

    friend bool operator==(const GoodsRecord&, const GoodsRecord&) = default;
};

// One purchase still carried: a row of the carried-goods list. Rows are never merged, so the
// same good may be carried at several prices.
struct CarriedGoods {
    int good = 0;
    std::int32_t price = 0;
    std::int32_t quantity = 0;

    friend bool operator==(const CarriedGoods&, const CarriedGoods&) = default;
};

constexpr int GoodsCount = 15;
constexpr int MarketSlots = 5;
constexpr int LastDay = 60; // the run ends when the day counter passes it

// Every value of a game in progress. Day and health are 8-bit and amounts 32-bit, and those
// widths are part of the rules: a day or health pushed past its range wraps. `goods` and
// `market` are indexed from 1 as the events and rows refer to them; index 0 is unused.
struct GameState {
    std::int8_t day = 0;
    std::int32_t storage = 0; // units of goods that can still be bought
    ShortString<11> playerName;
    std::int32_t debt = 0;
    std::int32_t cash = 0;
    std::int8_t health = 0;
    std::int32_t deposit = 0;
    bool storageBought = false; // the agency sells its extra storage once
    std::array<GoodsRecord, GoodsCount + 1> goods{};
    std::array<GoodsRecord, MarketSlots + 1> market{};
    std::vector<CarriedGoods> carried;
    std::uint32_t seed = 0; // the generator's seed: the same seed replays the same run
    // Worth (cash plus deposit minus debt) at the end of each day gone by, day 1 first.
    std::vector<std::int64_t> dailyWorth;

    friend bool operator==(const GameState&, const GameState&) = default;
};

// The run has ended, by death or by going home after the last day.
inline bool RunIsOver(const GameState& state) {
    return state.health <= 0 || state.day > LastDay;
}

// What the player is worth: cash plus deposit minus debt, in 64 bits so it never wraps.
inline std::int64_t Worth(const GameState& state) {
    return std::int64_t{state.cash} + std::int64_t{state.deposit} - std::int64_t{state.debt};
}

} // namespace tp::game
