// SPDX-License-Identifier: MIT
// A journey saved at any point of a run, written as the journey file and read back into a new
// game, goes on exactly as the unbroken run: the same state, diary and messages at every step.

#include "journey/JourneyFile.h"
#include "tests/game/RandomPlayer.h"

#include <gtest/gtest.h>

#include <random>

namespace tp::journey {
namespace {

using game::Game;
using game::testing::FakeView;
using game::testing::RandomPlayer;

void ExpectShownAlike(const FakeView& view, const FakeView& unbroken) {
    EXPECT_EQ(view.windowCaption, unbroken.windowCaption);
    EXPECT_EQ(view.name, unbroken.name);
    EXPECT_EQ(view.cash, unbroken.cash);
    EXPECT_EQ(view.debt, unbroken.debt);
    EXPECT_EQ(view.health, unbroken.health);
    EXPECT_EQ(view.deposit, unbroken.deposit);
    EXPECT_EQ(view.marketRows, unbroken.marketRows);
    EXPECT_EQ(view.carriedRows, unbroken.carriedRows);
}

TEST(Resume, AJourneyReadBackFromItsFileGoesOnAsTheUnbrokenRun) {
    std::mt19937 breaks(2026);
    int resumed = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        FakeView unbrokenView;
        runtime::Random unbrokenRandom;
        Game unbroken(unbrokenView, unbrokenRandom);
        unbroken.Start(seed);
        RandomPlayer player(seed);
        const int breakAt = std::uniform_int_distribution<int>(0, 150)(breaks);
        for (int i = 0; i < breakAt && unbrokenView.closes == 0; ++i) {
            player.Act(unbroken, unbrokenView);
        }
        if (unbrokenView.closes > 0) {
            continue; // ended before the break: there is nothing to go on with
        }

        QString reason;
        const auto file = ParseJourneyFile(
            SerializeJourney(unbroken.Snapshot(), QStringLiteral("0123-abcd")), &reason);
        ASSERT_TRUE(file.has_value()) << "seed " << seed << ": " << reason.toStdString();
        ASSERT_TRUE(file->journey.has_value());
        EXPECT_EQ(file->id, QStringLiteral("0123-abcd"));

        FakeView view;
        runtime::Random random;
        Game game(view, random);
        game.Resume(*file->journey);
        ASSERT_EQ(game.Snapshot(), unbroken.Snapshot()) << "seed " << seed;
        ExpectShownAlike(view, unbrokenView);
        ++resumed;

        // The same player goes on: a copy chooses as the original would.
        RandomPlayer samePlayer = player;
        const auto before = static_cast<std::ptrdiff_t>(unbrokenView.log.size());
        for (int step = 0; unbrokenView.closes == 0; ++step) {
            ASSERT_LT(step, 100000) << "seed " << seed << " never ended";
            player.Act(unbroken, unbrokenView);
            samePlayer.Act(game, view);
            ASSERT_EQ(game.Snapshot(), unbroken.Snapshot()) << "seed " << seed << " step " << step;
            ASSERT_EQ(game.Finished(), unbroken.Finished()) << "seed " << seed;
        }
        ExpectShownAlike(view, unbrokenView);
        ASSERT_EQ(view.log, std::vector<FakeView::Notice>(unbrokenView.log.begin() + before,
                                                          unbrokenView.log.end()))
            << "seed " << seed;
        if (::testing::Test::HasFailure()) {
            FAIL() << "seed " << seed << " broken after " << breakAt << " actions";
        }
    }
    EXPECT_GT(resumed, 250) << "most runs are still going when they are broken off";
}

} // namespace
} // namespace tp::journey
