#include "game/Game.h"

#include "game/Catalogue.h"

namespace tp::game {

void Game::FormCreate() {
    random_.SeedRandom();
    StartGame();
}

void Game::FormCreate(std::uint32_t seed) {
    random_.SeedWith(seed);
    StartGame();
}

void Game::StartGame() {
    state_.Space = 200;
    state_.Day = 1;
    state_.PlayerName.Assign("路人甲");
    state_.Arrearage = 3000;
    state_.Money = 2000;
    state_.Health = 100;
    state_.Fund = 0;
    RefreshStatus();
    for (int i = 1; i <= GoodsCount; ++i) {
        const CatalogueEntry& entry = Catalogue[static_cast<std::size_t>(i - 1)];
        state_.Goods[static_cast<std::size_t>(i)] = GoodsRecord{entry.name, entry.basePrice};
    }
    GenerateMarket(0);
}

} // namespace tp::game
