// SPDX-License-Identifier: MIT
#include "app/JourneyKeeping.h"

#include "game/Game.h"
#include "journey/JournalArchive.h"
#include "journey/JourneyStore.h"
#include "statistics/StatisticsStore.h"
#include "storage/JourneyId.h"

#include <QCoreApplication>

#include <algorithm>

namespace tp::app {

JourneyKeeping::JourneyKeeping(journey::JourneyStore& store, journey::JournalArchive& journals,
                               statistics::StatisticsStore& statistics, Tell tell)
    : store_(store), journals_(journals), statistics_(statistics), tell_(std::move(tell)) {}

void JourneyKeeping::GoOnWith(const QString& id) {
    id_ = id;
    ended_ = false;
}

void JourneyKeeping::KeepNothing() {
    keeping_ = false;
}

void JourneyKeeping::JourneyBegan(const game::Game& /*game*/) {
    id_ = storage::NewJourneyId();
    ended_ = false;
    // The journey kept before is given up, unranked. The new one is written by its first action:
    // until then it has nothing that starting again would not give.
    if (keeping_) {
        Kept(store_.Forget());
    }
}

void JourneyKeeping::JourneyGivenUp(const game::Game& game) {
    GivenUp(game.State());
}

void JourneyKeeping::GivenUp(const game::GameState& journey) {
    Count(statistics::Outcome::GaveUp, 0, journey);
}

void JourneyKeeping::Count(statistics::Outcome outcome, std::int32_t amount,
                           const game::GameState& journey) {
    // Every journey starts on the first day: the days gone by are the days travelled.
    const statistics::Recorded recorded =
        statistics_.Record(outcome, amount, std::max(0, journey.day - 1));
    if (!recorded.problem.isEmpty()) {
        tell_(recorded.problem);
    }
}

void JourneyKeeping::JourneyMoved(const game::Game& game) {
    if (ended_) {
        return;
    }
    if (!game::RunIsOver(game.State())) {
        if (keeping_) {
            Kept(store_.Save(game.Snapshot(), id_));
        }
        return;
    }
    ended_ = true;
    // Counted whoever keeps the journey: the statistics are every game's.
    const auto& finished = game.Finished();
    Count(finished ? statistics::Outcome::CameHome : statistics::Outcome::Died,
          finished ? finished->amount : 0, game.State());
    if (!keeping_) {
        return;
    }
    journals_.Keep(id_, game.Journal());
    // A run that went home waits in the file until the hall of fame holds it; after a death
    // there is nothing to go on with.
    if (finished) {
        Kept(store_.SaveEnded(*finished, id_));
    } else {
        Kept(store_.Forget());
    }
}

void JourneyKeeping::RunRecorded() {
    if (keeping_) {
        Kept(store_.Forget());
    }
}

void JourneyKeeping::Kept(bool saved) {
    if (saved || told_) {
        return;
    }
    told_ = true;
    tell_(QCoreApplication::translate(
        "tp::app::JourneyKeeping",
        "这次旅程无法保存：磁盘已满，或保存的文件夹不可写。游戏可以接着玩，"
        "但关掉以后只能从上次保存的地方接着走。"));
}

} // namespace tp::app
