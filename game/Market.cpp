// SPDX-License-Identifier: MIT
#include "game/Game.h"

#include <bitset>
#include <span>

namespace tp::game {

void Game::DrawMarket(std::int8_t forced) {
    std::bitset<GoodsCount + 1> placed;
    for (std::size_t slot = 1; slot <= MarketSlots; ++slot) {
        std::int32_t startPrice = 0;
        int n = random_.RandomBelow(GoodsCount) + 1;
        while (placed[static_cast<std::size_t>(n)]) {
            n = random_.RandomBelow(GoodsCount) + 1;
        }
        // The forced good replaces the index just drawn. The draw still counts: the sequence of
        // draws is part of what a seed replays (runtime/Random.h).
        if (forced != 0) {
            n = forced;
            startPrice = state_.goods[static_cast<std::size_t>(n)].price;
            forced = 0;
        }
        placed[static_cast<std::size_t>(n)] = true;

        const GoodsRecord& good = state_.goods[static_cast<std::size_t>(n)];
        const std::int32_t base = good.price;
        std::int32_t price = 0;
        if (random_.RandomBelow(2) == 1) {
            price = startPrice + base + random_.RandomBelow(base);
        } else {
            price = startPrice + base - random_.RandomBelow(base / 2);
        }
        state_.market[slot] = GoodsRecord{n, price};
    }
    view_.ShowMarket(std::span<const GoodsRecord>(state_.market).subspan(1));
}

} // namespace tp::game
