// SPDX-License-Identifier: MIT
#include "FakeView.h"

#include <gtest/gtest.h>

namespace tp::game {
namespace {

using testing::FakeView;
using testing::Fixture;

// Travels until the run ends or `days` journeys are made, closing every diary.
void Travel(Fixture& f, int days) {
    for (int i = 0; i < days && f.view.closes == 0; ++i) {
        f.game.Travel(0);
    }
}

std::int64_t ExpectedWorth(const GameState& s) {
    return std::int64_t{s.cash} + s.deposit - s.debt;
}

TEST(FinishedRun, AReturnHomeRecordsTheEndTextsNameAndAmountTheDebtSeedAndSixtyOneDays) {
    Fixture f(4242);
    // Money in the bank, so the amount is cash plus deposit, as the end text says.
    f.game.ConfirmBank(f.game.OpenBank(BankMode::Deposit), 500);
    while (f.game.State().day < LastDay) {
        // Kept healthy and, near the end, free of events, so the run reaches the last day.
        f.Edit([](GameState& s) { s.health = 100; });
        if (f.game.State().day >= LastDay - 2) {
            f.NextJourney(-1);
        }
        f.game.Travel(0);
        ASSERT_EQ(f.view.closes, 0);
    }
    ASSERT_FALSE(f.game.Finished().has_value());
    // A name typed just before the last journey is the one the end text uses.
    f.view.inputAnswers.push_back("小明");
    f.game.Rename();
    f.NextJourney(-1);
    f.game.Travel(0);

    ASSERT_TRUE(f.game.Finished().has_value());
    const FinishedRun& run = *f.game.Finished();
    const GameState& s = f.game.State();
    const std::string& endText = f.view.log[f.view.log.size() - 2].text;
    EXPECT_EQ(endText.rfind(run.name + "你在青岛共赚到了:￥" + std::to_string(run.amount), 0), 0u)
        << endText;
    EXPECT_EQ(run.name, "小明");
    EXPECT_EQ(run.amount, s.cash + s.deposit);
    EXPECT_EQ(run.debt, s.debt);
    EXPECT_EQ(run.seed, 4242u);
    EXPECT_EQ(run.days, s.day);
    ASSERT_EQ(run.dailyWorth.size(), 61u);
    EXPECT_EQ(run.dailyWorth.back(), ExpectedWorth(s));
}

TEST(FinishedRun, DailyWorthIsTakenAtTheEndOfEachDay) {
    Fixture f;
    f.NextJourney(-1);
    f.game.ConfirmBuy(*f.game.OpenBuy(0), 1); // day 1 ends poorer by a purchase
    const std::int64_t endOfDayOne = ExpectedWorth(f.game.State());
    f.game.Travel(0);
    const std::int64_t startOfDayTwo = ExpectedWorth(f.game.State());
    f.NextJourney(-1);
    f.game.Travel(0);
    EXPECT_EQ(f.game.State().dailyWorth, (std::vector<std::int64_t>{endOfDayOne, startOfDayTwo}));
}

TEST(FinishedRun, DeathOrARunLeftEarlyRecordsNothing) {
    Fixture dying;
    dying.Edit([](GameState& s) { s.health = 1; });
    dying.NextJourney(-1);
    dying.game.Travel(0);
    ASSERT_EQ(dying.view.closes, 1);
    EXPECT_FALSE(dying.game.Finished().has_value());

    // Dying on the journey home shows both messages, but a dead peddler is not ranked.
    Fixture both;
    both.Edit([](GameState& s) {
        s.day = 60;
        s.health = 1;
    });
    both.NextJourney(-1);
    both.game.Travel(0);
    ASSERT_EQ(both.view.closes, 2);
    EXPECT_FALSE(both.game.Finished().has_value());

    Fixture early;
    Travel(early, 30);
    EXPECT_FALSE(early.game.Finished().has_value());
}

TEST(FinishedRun, AClockSeededRunKnowsTheSeedThatReplaysIt) {
    FakeView view;
    runtime::Random random;
    Game game(view, random);
    game.Start();
    const std::uint32_t seed = game.State().seed;
    const std::uint32_t afterStart = random.State();

    Fixture replay(seed);
    EXPECT_EQ(replay.random.State(), afterStart);
    EXPECT_EQ(replay.view.marketRows.size(), view.marketRows.size());
    for (std::size_t i = 0; i < view.marketRows.size(); ++i) {
        EXPECT_EQ(replay.view.marketRows[i].name, view.marketRows[i].name);
        EXPECT_EQ(replay.view.marketRows[i].price, view.marketRows[i].price);
    }
}

} // namespace
} // namespace tp::game
