// SPDX-License-Identifier: MIT
#include "FakeView.h"

#include <gtest/gtest.h>

namespace tp::game {
namespace {

using testing::Fixture;

const std::string Death = "你壮志未筹身先死，永远的从地球消失了！";

// An action that changes nothing but still ends with the status refresh: depositing nothing.
void Refresh(Fixture& f) {
    f.game.ConfirmBank(f.game.OpenBank(BankMode::Deposit), 0);
}

TEST(Status, AddsTheDebtStepOnEveryRefreshOfATenthDay) {
    Fixture f;
    f.Edit([&](GameState& s) { s.day = 10; });
    Refresh(f);
    Refresh(f);
    Refresh(f);
    EXPECT_EQ(f.game.State().debt, 6000);
    EXPECT_EQ(f.view.debt, 6000);
    f.Edit([&](GameState& s) { s.day = 11; });
    Refresh(f);
    EXPECT_EQ(f.game.State().debt, 6000);
    f.Edit([&](GameState& s) {
        s.day = 60;
        s.debt = 2147483000;
    });
    Refresh(f);
    EXPECT_EQ(f.game.State().debt, 2147483647);
}

TEST(Status, DiesAtZeroHealthButNotAtOne) {
    Fixture alive;
    alive.Edit([&](GameState& s) { s.health = 1; });
    Refresh(alive);
    EXPECT_TRUE(alive.view.log.empty());

    Fixture dead;
    dead.Edit([&](GameState& s) { s.health = 0; });
    Refresh(dead);
    ASSERT_EQ(dead.view.KindsLogged(), (std::vector<std::string>{"message", "close"}));
    EXPECT_EQ(dead.view.log[0].text, Death);
    EXPECT_EQ(dead.view.health, 0) << "labels are still written after the close";

    Fixture negative;
    negative.Edit([&](GameState& s) { s.health = -30; });
    Refresh(negative);
    EXPECT_EQ(negative.view.closes, 1);
}

TEST(Status, EndsAfterDaySixtyWithCashPlusDeposit) {
    Fixture f;
    f.Edit([&](GameState& s) { s.day = 60; });
    Refresh(f);
    EXPECT_EQ(f.view.closes, 0);

    f.Edit([&](GameState& s) {
        s.day = 61;
        s.cash = 5000;
        s.deposit = 1200;
        s.debt = 9000;
    });
    Refresh(f);
    ASSERT_EQ(f.view.KindsLogged(), (std::vector<std::string>{"message", "close"}));
    EXPECT_EQ(f.view.log[0].text, "路人甲你在青岛共赚到了:￥6200,你高兴的回到了你的故乡");
    EXPECT_EQ(f.view.windowCaption, "潮汐货郎 V1.00            (61/60)");
    EXPECT_EQ(f.view.cash, 5000);
}

TEST(Status, TheFortuneSaturatesRatherThanTurningNegative) {
    Fixture f;
    f.Edit([&](GameState& s) {
        s.day = 61;
        s.cash = 2000000000;
        s.deposit = 2000000000;
    });
    Refresh(f);
    EXPECT_EQ(f.view.log[0].text, "路人甲你在青岛共赚到了:￥2147483647,你高兴的回到了你的故乡");
}

TEST(Status, DeathAndTheEndInOneRefreshShowBothInOrder) {
    Fixture f;
    f.Edit([&](GameState& s) {
        s.day = 61;
        s.health = 0;
    });
    Refresh(f);
    ASSERT_EQ(f.view.KindsLogged(),
              (std::vector<std::string>{"message", "close", "message", "close"}));
    EXPECT_EQ(f.view.log[0].text, Death);
    EXPECT_EQ(f.view.log[2].text.substr(0, 9), "路人甲");
}

TEST(Rename, ChangesOnlyTheLabelUntilTheNextRefresh) {
    Fixture f;
    f.view.inputAnswers.push_back("王老五");
    const int shows = f.view.statusShows;
    f.game.Rename();
    EXPECT_EQ(f.view.log[0].caption, "改名");
    EXPECT_EQ(f.view.log[0].text, "请输入您的姓名:");
    EXPECT_EQ(f.view.inputDefault, "小二黑");
    EXPECT_EQ(f.view.name, "王老五");
    EXPECT_EQ(f.game.State().playerName.View(), "路人甲");
    EXPECT_EQ(f.game.State().debt, 3000);
    EXPECT_EQ(f.view.statusShows, shows + 1);

    Refresh(f);
    EXPECT_EQ(f.view.name, "路人甲");
}

TEST(Rename, CancellingGivesTheDefaultName) {
    Fixture f;
    f.game.Rename(); // the fake answers like a cancelled box: with the default
    EXPECT_EQ(f.view.name, "小二黑");
}

TEST(Rename, TheTypedNameOpensTheEndTextOnlyIfNoOtherRefreshCameFirst) {
    Fixture f;
    f.Edit([&](GameState& s) { s.day = 60; });
    f.view.inputAnswers.push_back("王老五");
    f.game.Rename();
    f.NextJourney(-1);
    f.game.Travel(0);
    EXPECT_EQ(f.view.log[1].text.substr(0, 9), "王老五");

    Fixture g;
    g.Edit([&](GameState& s) { s.day = 59; });
    g.view.inputAnswers.push_back("王老五");
    g.game.Rename();
    g.NextJourney(-1);
    g.game.Travel(0);
    g.NextJourney(-1);
    g.game.Travel(0);
    EXPECT_EQ(g.view.log[1].text.substr(0, 9), "路人甲");
}

TEST(Rename, LongAndUnusualNamesAreShownWholeUpToTheBoxLimit) {
    Fixture f;
    f.view.inputAnswers.push_back("一个非常非常长的名字超过十一个字节");
    f.game.Rename();
    EXPECT_EQ(f.view.name, "一个非常非常长的名字超过十一个字节");
    EXPECT_EQ(f.game.State().playerName.View(), "路人甲");

    std::string huge;
    for (int i = 0; i < 300; ++i) {
        huge += "😀";
    }
    f.view.inputAnswers.push_back(huge);
    f.game.Rename();
    EXPECT_EQ(f.view.name.size(), 255u * 4u);

    f.view.inputAnswers.push_back("");
    f.game.Rename();
    EXPECT_EQ(f.view.name, "");
}

} // namespace
} // namespace tp::game
