// SPDX-License-Identifier: MIT
#include "FakeView.h"

#include <gtest/gtest.h>

namespace tp::game {
namespace {

using testing::Fixture;
using testing::StateForJourney;

constexpr int NoEvent = -1;

TEST(Travel, AdvancesTheDayAndCostsOneHealthPoint) {
    Fixture f;
    f.NextJourney(NoEvent);
    f.game.Travel(0);
    EXPECT_EQ(f.game.State().day, 2);
    EXPECT_EQ(f.game.State().health, 99);
    EXPECT_EQ(f.view.windowCaption, "潮汐货郎 V1.00            (2/60)");
    EXPECT_EQ(f.view.health, 99);
}

TEST(Travel, PaysOnePercentInterestTruncated) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0}, {99, 99}, {100, 101}, {250, 252}, {2147483000, 2147483647}};
    for (const auto& [before, after] : cases) {
        Fixture f;
        f.Edit([&](GameState& s) { s.deposit = before; });
        f.NextJourney(NoEvent);
        f.game.Travel(0);
        EXPECT_EQ(f.game.State().deposit, after) << "from " << before;
    }
}

TEST(Travel, WithoutAnEventMakesANewMarketAndShowsNoDiary) {
    Fixture f;
    const int shows = f.view.marketShows;
    f.random.SeedWith(StateForJourney(NoEvent));
    f.game.Travel(0);
    EXPECT_EQ(f.view.marketShows, shows + 1);
    EXPECT_TRUE(f.view.diaryShown.empty());
    EXPECT_TRUE(f.game.Diary().empty());
}

TEST(Travel, AnEventShowsItsDiaryBetweenTwoRefreshes) {
    Fixture f;
    f.NextJourney(1);
    int statusBeforeDiary = -1;
    std::int32_t cashBehindDiary = 0;
    f.view.onDiary = [&] {
        statusBeforeDiary = f.view.statusShows;
        cashBehindDiary = f.view.cash;
    };
    const int before = f.view.statusShows;
    f.game.Travel(0);
    EXPECT_EQ(statusBeforeDiary, before + 1);
    EXPECT_EQ(cashBehindDiary, 3000) << "the labels behind the diary show the event";
    EXPECT_EQ(f.view.statusShows, before + 2);
    ASSERT_EQ(f.view.diaryShown.size(), 3u);
    EXPECT_EQ(f.view.diaryShown[0], "12/8/26      阴天");
}

TEST(Travel, ClearsTheDiaryOnEveryJourney) {
    Fixture f;
    f.NextJourney(1);
    f.game.Travel(0);
    EXPECT_EQ(f.game.Diary().size(), 3u);
    f.NextJourney(NoEvent);
    f.game.Travel(0);
    EXPECT_TRUE(f.game.Diary().empty());
    f.NextJourney(9);
    f.game.Travel(0);
    ASSERT_EQ(f.view.diaryShown.size(), 3u);
    EXPECT_EQ(f.view.diaryShown[2].substr(0, 9), "俺到福");
}

TEST(Travel, EventsSeeTheDayTheInterestAndTheHealthOfTheJourney) {
    Fixture f;
    f.Edit([&](GameState& s) { s.deposit = 1000; });
    f.NextJourney(14);
    f.game.Travel(0);
    EXPECT_EQ(f.game.State().deposit, 3010) << "the 2000 earn nothing on the day they arrive";
    f.NextJourney(NoEvent);
    f.game.Travel(0);
    EXPECT_EQ(f.game.State().deposit, 3040);

    Fixture g;
    g.Edit([&](GameState& s) { s.health = 21; });
    g.NextJourney(0); // the journey brings it to 20, the quarrel takes 20
    g.game.Travel(0);
    EXPECT_EQ(g.game.State().health, 0);
    EXPECT_EQ(g.view.log.front().text, "你壮志未筹身先死，永远的从地球消失了！");
}

TEST(Travel, LastHealthPointEndsTheGameUnlessTheHospitalEventHeals) {
    Fixture f;
    f.Edit([&](GameState& s) { s.health = 1; });
    f.NextJourney(NoEvent);
    f.game.Travel(0);
    EXPECT_EQ(f.game.State().health, 0);
    EXPECT_EQ(f.view.closes, 1);

    Fixture g;
    g.Edit([&](GameState& s) { s.health = 1; });
    g.NextJourney(29);
    g.game.Travel(0);
    EXPECT_EQ(g.game.State().health, 100);
    EXPECT_EQ(g.view.closes, 0);
}

TEST(Travel, FromDaySixtyAlwaysEndsAndTheEndMessageComesBeforeTheDiary) {
    Fixture f;
    f.Edit([&](GameState& s) { s.day = 60; });
    f.NextJourney(NoEvent);
    f.game.Travel(0);
    EXPECT_EQ(f.view.KindsLogged(), (std::vector<std::string>{"message", "close"}));
    EXPECT_EQ(f.view.windowCaption, "潮汐货郎 V1.00            (61/60)");

    Fixture g;
    g.Edit([&](GameState& s) { s.day = 60; });
    g.NextJourney(3);
    g.game.Travel(0);
    // The handler runs on after the close: diary, then the second refresh repeats the ending.
    EXPECT_EQ(g.view.KindsLogged(),
              (std::vector<std::string>{"message", "close", "diary", "message", "close"}));
}

TEST(Travel, DebtStepOnArrivalAtDayTen) {
    Fixture none;
    none.Edit([&](GameState& s) { s.day = 9; });
    none.NextJourney(NoEvent);
    none.game.Travel(0);
    EXPECT_EQ(none.game.State().debt, 4000);

    Fixture event;
    event.Edit([&](GameState& s) { s.day = 9; });
    event.NextJourney(3);
    event.game.Travel(0);
    EXPECT_EQ(event.game.State().debt, 5000) << "two refreshes, two steps";

    for (int lostDay : {5, 12}) {
        Fixture lost;
        lost.Edit([&](GameState& s) { s.day = 9; });
        lost.NextJourney(lostDay);
        lost.game.Travel(0);
        EXPECT_EQ(lost.game.State().day, 11);
        EXPECT_EQ(lost.game.State().debt, 3000);
    }
}

TEST(Travel, EventsThatKeepTheMarketLeaveThePreviousStopsGoods) {
    for (int k : {5, 12, 28, 29, 30}) {
        Fixture f(static_cast<std::uint32_t>(k) * 7919u);
        const auto before = f.view.marketRows;
        const int shows = f.view.marketShows;
        f.NextJourney(k);
        f.game.Travel(0);
        EXPECT_EQ(f.view.marketShows, shows) << "event " << k;
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(f.view.marketRows[i].name, before[i].name);
            EXPECT_EQ(f.view.marketRows[i].price, before[i].price);
        }
    }
}

} // namespace
} // namespace tp::game
