// SPDX-License-Identifier: MIT
#pragma once

// Journeys as play leaves them, for the journey file's and store's tests.

#include "tests/game/RandomPlayer.h"
#include "tests/storage/KeptTestFiles.h"

#include <QString>

namespace tp::journey::testing {

// The journey of seed `seed` after at most `actions` random actions, taken while it still goes
// on.
inline game::SavedJourney PlayedJourney(std::uint32_t seed, int actions) {
    game::testing::FakeView view;
    runtime::Random random;
    game::Game game(view, random);
    game.Start(seed);
    game::testing::RandomPlayer player(seed);
    game::SavedJourney kept = game.Snapshot();
    for (int i = 0; i < actions && view.closes == 0; ++i) {
        kept = game.Snapshot();
        player.Act(game, view);
    }
    return view.closes == 0 ? game.Snapshot() : kept;
}

// A run that went home after the last day, as the hall of fame would record it.
inline game::FinishedRun HomeRun() {
    game::FinishedRun run;
    run.name = "阿福";
    run.amount = 123456;
    run.debt = 4000;
    run.seed = 42;
    run.days = game::LastDay + 1;
    for (int day = 1; day <= game::LastDay + 1; ++day) {
        run.dailyWorth.push_back(-1000 + 2000 * day);
    }
    return run;
}

inline const QString SampleId = QStringLiteral("6f1c2e0a-93d4-4b7e-8d21-5a0c9e7f3b64");

using storagetest::Contents;
using storagetest::WriteContents;

} // namespace tp::journey::testing
