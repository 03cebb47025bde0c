// SPDX-License-Identifier: MIT
#include "game/Game.h"
#include "game/Saturate.h"

#include <algorithm>

namespace tp::game {

void Game::Travel(int place) {
    undoable_.clear();
    RecordDaysGoneBy();
    state_.day = static_cast<std::int8_t>(state_.day + 1);
    state_.deposit = SaturatingAdd(state_.deposit, state_.deposit / 100);
    state_.health = static_cast<std::int8_t>(state_.health - 1);
    diary_.clear();

    int event = JournalEntry::NoEvent;
    if (random_.RandomBelow(5) == 1) {
        event = random_.RandomBelow(31);
        ApplyDailyEvent(event);
    } else {
        DrawMarket(0);
    }
    // Journaled before the refresh, which may end the run.
    NoteArrival(JournalEntry::Kind::Journey, place, event);
    if (event != JournalEntry::NoEvent) {
        // The labels behind the diary already show what the event did.
        RefreshStatus();
        view_.ShowDiary(diary_);
    }
    RefreshStatus();
    keeper_.JourneyMoved(*this);
}

void Game::NoteArrival(JournalEntry::Kind kind, int place, int event) {
    JournalEntry arrival;
    arrival.kind = kind;
    arrival.day = state_.day;
    arrival.place = place;
    arrival.event = event;
    if (kind == JournalEntry::Kind::Start) {
        arrival.seed = state_.seed;
    }
    Note(std::move(arrival));
    JournalEntry met;
    met.kind = JournalEntry::Kind::Market;
    met.day = state_.day;
    std::copy(state_.market.begin() + 1, state_.market.end(), met.market.begin());
    Note(std::move(met));
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
