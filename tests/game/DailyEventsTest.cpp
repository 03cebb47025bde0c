// SPDX-License-Identifier: MIT
#include "game/DailyEvents.h"
#include "FakeView.h"

#include <gtest/gtest.h>

#include <set>

namespace tp::game {
namespace {

using testing::Fixture;

// A journey that brings event k, from a started game whose values were set by `setup`. The
// journey itself comes first: a day on, a point of health off, the deposit's interest paid.
template <typename Setup> Fixture& Apply(Fixture& f, int k, Setup setup) {
    f.Edit(setup);
    f.NextJourney(k);
    f.game.Travel(0);
    return f;
}

TEST(DailyEvent, WritesDateAndWeatherABlankLineAndTheStory) {
    for (int k = 0; k < 31; ++k) {
        Fixture f;
        f.view.dateText = "2026/12/8";
        Apply(f, k, [](GameState&) {});
        const auto& diary = f.game.Diary();
        ASSERT_EQ(diary.size(), 3u) << "event " << k;
        EXPECT_EQ(diary[0],
                  "2026/12/8" + std::string(DailyEvents[static_cast<std::size_t>(k)].weather));
        EXPECT_EQ(diary[1], "");
        EXPECT_EQ(diary[2], DailyEvents[static_cast<std::size_t>(k)].diary);
        const std::size_t blanks = diary[0].find_first_not_of(' ', 9) - 9;
        EXPECT_EQ(blanks, k >= 23 ? 7u : 6u) << "event " << k;
    }
}

TEST(DailyEvent, HealthGainsStopAtOneHundred) {
    // Health before the journey, and after its event.
    const std::pair<int, int> thirteen[] = {{51, 60}, {91, 100}, {94, 100}, {96, 100}};
    for (auto [before, after] : thirteen) {
        Fixture f;
        Apply(f, 13, [&](GameState& s) { s.health = static_cast<std::int8_t>(before); });
        EXPECT_EQ(f.game.State().health, after);
    }
    const std::pair<int, int> three[] = {{95, 99}, {97, 100}};
    for (auto [before, after] : three) {
        Fixture f;
        Apply(f, 3, [&](GameState& s) { s.health = static_cast<std::int8_t>(before); });
        EXPECT_EQ(f.game.State().health, after);
    }
    Fixture f;
    Apply(f, 29, [](GameState& s) { s.health = 1; });
    EXPECT_EQ(f.game.State().health, 100);
    EXPECT_EQ(f.view.closes, 0) << "healed on the journey that took the last point";
}

TEST(DailyEvent, HealthLossesHaveNoFloor) {
    Fixture f;
    Apply(f, 4, [](GameState& s) { s.health = 2; });
    EXPECT_EQ(f.game.State().health, -29);
    Fixture g;
    Apply(g, 8, [](GameState& s) { s.health = 6; });
    EXPECT_EQ(g.game.State().health, -5);
}

TEST(DailyEvent, MoneyTakenNeverGoesBelowZero) {
    const std::tuple<int, std::int32_t, std::int32_t> cases[] = {
        {2, 1000, 693}, {2, 307, 0}, {2, 300, 0}, {7, 150, 0},   {7, 1000, 800},
        {6, 0, 0},      {6, 3, 3},   {6, 5, 4},   {6, 1000, 750}};
    for (auto [k, before, after] : cases) {
        Fixture f;
        Apply(f, k, [&](GameState& s) { s.cash = before; });
        EXPECT_EQ(f.game.State().cash, after) << "event " << k << " from " << before;
    }
}

TEST(DailyEvent, GainsSaturateInsteadOfWrapping) {
    Fixture f;
    Apply(f, 30, [](GameState& s) { s.cash = 2147483000; });
    EXPECT_EQ(f.game.State().cash, 2147483647);
    Fixture g;
    Apply(g, 14, [](GameState& s) { s.deposit = 2147483000; });
    EXPECT_EQ(g.game.State().deposit, 2147483647);
    Fixture h;
    Apply(h, 28, [](GameState& s) { s.debt = 1500000000; });
    EXPECT_EQ(h.game.State().debt, 2147483647);
    Fixture i;
    Apply(i, 1, [](GameState& s) { s.cash = 5; });
    EXPECT_EQ(i.game.State().cash, 1005);
    Fixture j;
    Apply(j, 9, [](GameState& s) { s.cash = 5; });
    EXPECT_EQ(j.game.State().cash, 505);
}

TEST(DailyEvent, DebtDoublesAndDaysAreLost) {
    Fixture f;
    Apply(f, 28, [](GameState& s) { s.debt = 3000; });
    EXPECT_EQ(f.game.State().debt, 6000);
    Fixture g;
    Apply(g, 28, [](GameState& s) { s.debt = 0; });
    EXPECT_EQ(g.game.State().debt, 0);
    for (int k : {5, 12}) {
        Fixture d;
        Apply(d, k, [](GameState& s) { s.day = 59; });
        EXPECT_EQ(d.game.State().day, 61);
    }
}

TEST(DailyEvent, EveryGoodIsForcedByExactlyOneEvent) {
    std::multiset<int> forced;
    for (int k = 0; k < 31; ++k) {
        const DailyEvent& e = DailyEvents[static_cast<std::size_t>(k)];
        if (e.market == MarketAction::Forced) {
            forced.insert(e.forcedGood);
            EXPECT_EQ(e.effect, Effect::None) << "event " << k;
        }
    }
    ASSERT_EQ(forced.size(), 15u);
    for (int g = 1; g <= 15; ++g) {
        EXPECT_EQ(forced.count(g), 1u) << "good " << g;
    }
}

TEST(DailyEvent, ForcedEventsPutTheirGoodFirst) {
    for (int k = 0; k < 31; ++k) {
        const DailyEvent& e = DailyEvents[static_cast<std::size_t>(k)];
        Fixture f(static_cast<std::uint32_t>(k) + 100u);
        const int shows = f.view.marketShows;
        Apply(f, k, [](GameState&) {});
        if (e.market == MarketAction::Keep) {
            EXPECT_EQ(f.view.marketShows, shows) << "event " << k;
            continue;
        }
        EXPECT_EQ(f.view.marketShows, shows + 1) << "event " << k;
        if (e.market == MarketAction::Forced) {
            EXPECT_EQ(f.view.marketRows[0].name,
                      GoodName(f.game.State().goods[static_cast<std::size_t>(e.forcedGood)].good));
        }
    }
}

} // namespace
} // namespace tp::game
