// SPDX-License-Identifier: MIT
#include "game/Game.h"
#include "game/Saturate.h"

#include <algorithm>

namespace tp::game {

void Game::Travel() {
    undoable_.clear();
    RecordDaysGoneBy();
    state_.day = static_cast<std::int8_t>(state_.day + 1);
    state_.deposit = SaturatingAdd(state_.deposit, state_.deposit / 100);
    state_.health = static_cast<std::int8_t>(state_.health - 1);
    diary_.clear();

    if (random_.RandomBelow(5) == 1) {
        ApplyDailyEvent(random_.RandomBelow(31));
        // The labels behind the diary already show what the event did.
        RefreshStatus();
        view_.ShowDiary(diary_);
    } else {
        DrawMarket(0);
    }
    RefreshStatus();
    keeper_.JourneyMoved(*this);
}

void Game::RecordDaysGoneBy() {
    // A day lost to an event ends with the worth the journey left, like the day after it.
    const std::int64_t worth = Worth(state_);
    const auto days = static_cast<std::size_t>(std::clamp<int>(state_.day, 0, LastDay + 1));
    while (state_.dailyWorth.size() < days) {
        state_.dailyWorth.push_back(worth);
    }
}

} // namespace tp::game
