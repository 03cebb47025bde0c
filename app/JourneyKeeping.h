// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"
#include "game/JourneyKeeper.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace tp::journey {
class JournalArchive;
class JourneyStore;
} // namespace tp::journey

namespace tp::statistics {
class StatisticsStore;
enum class Outcome;
} // namespace tp::statistics

namespace tp::app {

// Keeps the game's journey in the journey store as the game moves on: the journey in progress
// after every action, the finished run once it has ended at home (until the hall of fame holds
// it), nothing after a death or once a new journey begins. A run's journal goes to the archive
// when the run ends, at home or in death, and every journey that ends, however it ends, is counted
// in the statistics. Tells the player once when the
// journey cannot be kept; play goes on, and the file keeps what it held before.
class JourneyKeeping final : public game::JourneyKeeper {
public:
    using Tell = std::function<void(const QString& text)>;

    JourneyKeeping(journey::JourneyStore& store, journey::JournalArchive& journals,
                   statistics::StatisticsStore& statistics, Tell tell);

    // The journey the store held goes on, under its own name.
    void GoOnWith(const QString& id);
    // Another game keeps the saved journey: this one keeps nothing, and leaves that one alone.
    void KeepNothing();
    // The name of the journey in progress, which its finished run is recorded under.
    const QString& JourneyId() const { return id_; }

    // The journey `journey` is given up: for a new one, or by starting anew instead of going on.
    void GivenUp(const game::GameState& journey);

    void JourneyGivenUp(const game::Game& game) override;
    void JourneyBegan(const game::Game& game) override;
    void JourneyMoved(const game::Game& game) override;

    // The hall of fame holds the run this journey ended in: nothing is left to keep.
    void RunRecorded();

private:
    void Kept(bool saved);
    void Count(statistics::Outcome outcome, std::int32_t amount, const game::GameState& journey);

    journey::JourneyStore& store_;
    journey::JournalArchive& journals_;
    statistics::StatisticsStore& statistics_;
    Tell tell_;
    QString id_;
    bool keeping_ = true;
    bool ended_ = false;
    bool told_ = false;
};

} // namespace tp::app
