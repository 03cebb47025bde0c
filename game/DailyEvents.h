// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tp::game {

enum class Effect : std::uint8_t {
    None,
    HealthLoss, // no floor: the refresh that follows may end the game
    HealthGain, // never above 100
    HealthFull, // set to 100
    MoneyGain,
    MoneyLoss,    // never below 0
    MoneyQuarter, // a quarter taken, never below 0
    FundGain,
    DebtDoubled,
    DayLost,
};

enum class MarketAction : std::uint8_t {
    New,    // a fresh market
    Forced, // a fresh market with one good sought after
    Keep,   // the market of the previous stop stays
};

struct DailyEvent {
    std::string_view weather; // written right after the date; its leading blanks separate them
    std::string_view diary;
    Effect effect;
    std::int32_t amount;
    MarketAction market;
    std::int8_t forcedGood;
};

// Indexed by the number drawn for the day's event.
extern const std::array<DailyEvent, 31> DailyEvents;

} // namespace tp::game
