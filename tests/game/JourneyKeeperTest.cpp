// SPDX-License-Identifier: MIT
#include "FakeView.h"

#include <gtest/gtest.h>

namespace tp::game {
namespace {

using testing::FakeView;
using testing::StateForJourney;

// Writes what it hears into the view's log, so that it shows in order with the messages.
class FakeKeeper : public JourneyKeeper {
public:
    explicit FakeKeeper(FakeView& view) : view_(view) {}
    void JourneyGivenUp(const Game& game) override {
        view_.log.push_back({"given up", {}, {}});
        kept.push_back(game.Snapshot());
    }
    void JourneyBegan(const Game& game) override {
        view_.log.push_back({"began", {}, {}});
        kept.push_back(game.Snapshot());
    }
    void JourneyMoved(const Game& game) override {
        view_.log.push_back({"kept", {}, {}});
        kept.push_back(game.Snapshot());
    }
    std::vector<SavedJourney> kept;

private:
    FakeView& view_;
};

struct Kept {
    FakeView view;
    FakeKeeper keeper{view};
    runtime::Random random;
    Game game{view, random, keeper};

    Kept() {
        game.Start(7);
        view.log.clear();
        keeper.kept.clear();
    }
    void Resume(const std::function<void(GameState&)>& change) {
        SavedJourney journey = game.Snapshot();
        change(journey.state);
        game.Resume(journey);
    }
};

TEST(JourneyKeeper, HearsOfANewJourneyOnceItStands) {
    FakeView view;
    FakeKeeper keeper(view);
    runtime::Random random;
    Game game(view, random, keeper);
    game.Start(7);
    ASSERT_EQ(view.KindsLogged(), (std::vector<std::string>{"began"}));
    EXPECT_EQ(keeper.kept.back(), game.Snapshot()) << "the market is drawn before it hears";
    random.SeedWith(StateForJourney(-1)); // a day with no event to tell
    game.Travel(3);
    const GameState underWay = game.State();
    game.Start();
    EXPECT_EQ(view.KindsLogged(), (std::vector<std::string>{"began", "kept", "given up", "began"}));
    EXPECT_EQ(keeper.kept.at(2).state, underWay)
        << "it hears of the journey given up while it stands";
}

// Each action a player takes is kept once it has run to its end, with the state after it.
TEST(JourneyKeeper, KeepsEveryActionThatChangesTheGameAfterItHasRun) {
    Kept k;
    k.random.SeedWith(StateForJourney(1)); // with a diary, shown before the journey is kept
    k.game.Travel(0);
    k.game.ConfirmBuy(*k.game.OpenBuy(0), 1);
    k.game.ConfirmSell(*k.game.OpenSell(0), 1);
    k.game.ConfirmBank(k.game.OpenBank(BankMode::Deposit), 100);
    k.Resume([](GameState& s) { s.health = 90; });
    k.game.ConfirmTreatment(k.game.OpenHospital(), 1);
    k.game.ConfirmRepayment(k.game.OpenInternetCafe(), 10);
    k.Resume([](GameState& s) { s.cash = 20000; });
    k.game.ConfirmStorage(k.game.OpenAgency());
    k.game.Rename();
    EXPECT_EQ(k.view.KindsLogged(),
              (std::vector<std::string>{"diary", "kept", "kept", "kept", "kept", "kept", "kept",
                                        "kept", "input", "kept"}));
    EXPECT_EQ(k.keeper.kept.back(), k.game.Snapshot());
    EXPECT_EQ(k.keeper.kept.back().nameLabel, "小二黑");
}

TEST(JourneyKeeper, OpeningOrARefusalKeepsNothing) {
    Kept k;
    k.game.OpenBuy(-1);
    k.game.OpenSell(-1);
    k.game.OpenBank(BankMode::Withdraw);
    k.game.OpenHospital();
    k.game.OpenInternetCafe();
    k.Resume([](GameState& s) { s.cash = 9999; });
    k.game.ConfirmStorage(k.game.OpenAgency()); // not enough money: refused
    EXPECT_EQ(k.view.KindsLogged(), (std::vector<std::string>{"box", "box", "message"}));
    EXPECT_TRUE(k.keeper.kept.empty());
}

TEST(JourneyKeeper, TheEndIsKeptBeforeItsFarewellIsShown) {
    Kept home;
    home.Resume([](GameState& s) { s.day = LastDay; });
    home.random.SeedWith(StateForJourney(-1));
    home.game.Travel(0);
    EXPECT_EQ(home.view.KindsLogged(),
              (std::vector<std::string>{"kept", "message", "close", "kept"}));
    ASSERT_TRUE(home.game.Finished().has_value()) << "the finished run is there when it is kept";
    EXPECT_EQ(home.keeper.kept.front().state.day, LastDay + 1);

    Kept dead;
    dead.Resume([](GameState& s) { s.health = 1; });
    dead.random.SeedWith(StateForJourney(-1));
    dead.game.Travel(0);
    EXPECT_EQ(dead.view.KindsLogged(),
              (std::vector<std::string>{"kept", "message", "close", "kept"}));
    EXPECT_EQ(dead.keeper.kept.front().state.health, 0);
}

TEST(JourneyKeeper, ADayWithADiaryAtTheEndKeepsTheEndBeforeTheDiary) {
    Kept k;
    k.Resume([](GameState& s) { s.health = 21; });
    k.random.SeedWith(StateForJourney(0)); // the quarrel takes the last 20 points
    k.game.Travel(0);
    const auto kinds = k.view.KindsLogged();
    ASSERT_FALSE(kinds.empty());
    EXPECT_EQ(kinds.front(), "kept");
    EXPECT_EQ(kinds.back(), "kept");
}

} // namespace
} // namespace tp::game
