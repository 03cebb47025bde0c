// SPDX-License-Identifier: MIT
#include "game/PriceBook.h"

namespace tp::game {

std::array<GoodPrices, GoodsCount> PriceBook(std::span<const JournalEntry> journal) {
    std::array<GoodPrices, GoodsCount> book;
    for (const JournalEntry& entry : journal) {
        if (entry.kind != JournalEntry::Kind::Market) {
            continue;
        }
        for (const GoodsRecord& slot : entry.market) {
            if (slot.good < 1 || slot.good > GoodsCount) {
                continue;
            }
            GoodPrices& good = book[static_cast<std::size_t>(slot.good - 1)];
            const PriceMet met{entry.day, slot.price};
            if (good.met.empty() || met.price < good.lowest.price) {
                good.lowest = met;
            }
            if (good.met.empty() || met.price > good.highest.price) {
                good.highest = met;
            }
            good.last = met;
            good.met.push_back(met);
        }
    }
    return book;
}

} // namespace tp::game
