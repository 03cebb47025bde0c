// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"
#include "game/Journal.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tp::game {

// A price met on a day.
struct PriceMet {
    int day = 0;
    std::int32_t price = 0;

    friend bool operator==(const PriceMet&, const PriceMet&) = default;
};

// What the markets of a run said about one good: every price met, in the order met, and the
// lowest, the highest (each the first time it was met) and the last. Nothing for a good not met.
struct GoodPrices {
    std::vector<PriceMet> met;
    PriceMet lowest;
    PriceMet highest;
    PriceMet last;
};

// The price book of a journal, goods by catalogue number: entry 0 is good 1. It is read off the
// markets the journal met, never kept beside them.
std::array<GoodPrices, GoodsCount> PriceBook(std::span<const JournalEntry> journal);

} // namespace tp::game
