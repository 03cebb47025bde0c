#include "game/Game.h"
#include "game/Saturate.h"

namespace tp::game {

void Game::Travel() {
    state_.Day = static_cast<std::int8_t>(state_.Day + 1);
    state_.Fund = SaturatingAdd(state_.Fund, state_.Fund / 100);
    state_.Health = static_cast<std::int8_t>(state_.Health - 1);
    diary_.clear();

    if (random_.RandomBelow(5) == 1) {
        ApplyDailyEvent(random_.RandomBelow(31));
        // The labels behind the diary already show what the event did.
        RefreshStatus();
        view_.ShowDiary(diary_);
    } else {
        GenerateMarket(0);
    }
    RefreshStatus();
}

} // namespace tp::game
