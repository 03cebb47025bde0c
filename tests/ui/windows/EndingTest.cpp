// SPDX-License-Identifier: MIT
#include "WindowsFixture.h"

#include "ui/toolkit/ReportList.h"

namespace tp::ui::testing {
namespace {

class Ending : public WindowsTest {};

const QString Death = QStringLiteral("你壮志未筹身先死，永远的从地球消失了！");

TEST_F(Ending, DeathShowsTheFarewellAndEndsTheRun) {
    Start(3);
    Edit([](game::GameState& s) { s.health = 1; });
    NextJourney(-1);
    script.Then([this](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(Death));
        Key(window, Qt::Key_Return);
    });
    EXPECT_FALSE(RunEnding());
    Click(Main().placeButtons[2]);
    EXPECT_EQ(script.Seen().size(), 1u);
    EXPECT_TRUE(RunEnding());
    EXPECT_EQ(Main().healthBox->text(), QStringLiteral("0"));
}

TEST_F(Ending, TheLastJourneyWithAnEventShowsTheEndFirstAndTheDiaryNeverWaits) {
    Start(3);
    Edit([](game::GameState& s) {
        s.day = 60;
        s.cash = 5000;
        s.deposit = 1200;
    });
    NextJourney(1); // +1000 cash before the end is counted
    script.Then([this](QWidget& window) {
        EXPECT_EQ(MessageText(window),
                  QStringLiteral("路人甲你在青岛共赚到了:￥7212,你高兴的回到了你的故乡"));
        Key(window, Qt::Key_Escape);
    });
    EXPECT_FALSE(RunEnding());
    Click(Main().placeButtons[4]);
    EXPECT_TRUE(RunEnding());
    // Only the first ending message waited; the diary and the second refresh's message did not.
    EXPECT_EQ(script.Seen().size(), 1u);
    EXPECT_FALSE(Diary().isVisible());
    EXPECT_TRUE(Title().endsWith(QStringLiteral("(61/60)")));
}

TEST_F(Ending, DyingOnADayWithAnEventShowsTheFarewellAndNeverTheDiary) {
    Start(3);
    Edit([](game::GameState& s) { s.health = 21; });
    NextJourney(0); // the quarrel costs the last 20 points
    script.Then([this](QWidget& window) {
        EXPECT_NE(&window, &Diary());
        EXPECT_TRUE(MessageText(window).contains(Death));
        Dismiss(window);
    });
    Click(Main().placeButtons[1]);
    EXPECT_EQ(script.Seen().size(), 1u) << "the diary and the second farewell closed at once";
    EXPECT_FALSE(Diary().isVisible());
    EXPECT_TRUE(RunEnding());
    EXPECT_EQ(Main().healthBox->text(), QStringLiteral("0"));
}

TEST_F(Ending, DeathAndTheEndInOneRefreshShowOnlyTheDeath) {
    Start(3);
    Edit([](game::GameState& s) {
        s.day = 60;
        s.health = 1;
    });
    NextJourney(-1);
    script.Then([this](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(Death));
        Key(window, Qt::Key_Return);
    });
    Click(Main().placeButtons[0]);
    EXPECT_EQ(script.Seen().size(), 1u);
    EXPECT_TRUE(RunEnding());
}

// Once the farewell is read the run is over, though the main window is still on the screen:
// whatever the player clicks or types then opens nothing.
TEST_F(Ending, NothingOpensOnceTheRunIsEnding) {
    Start(3);
    Edit([](game::GameState& s) { s.health = 1; });
    NextJourney(-1);
    script.Then([this](QWidget& window) { Key(window, Qt::Key_Return); });
    Click(Main().placeButtons[2]);
    ASSERT_TRUE(RunEnding());
    ASSERT_TRUE(Main().isVisible());

    Click(Main().bankButton);
    Click(Main().buyButton);
    ClickRow(*Main().marketList, 0);
    Click(Main().buyButton);
    Click(Main().nameBox);
    Key(Main(), Qt::Key_F2);
    EXPECT_EQ(script.Seen().size(), 1u) << "only the farewell opened";
    EXPECT_FALSE(Services().isVisible());
    EXPECT_FALSE(Trade().isVisible());
    EXPECT_EQ(Main().nameBox->text(), QStringLiteral("小二黑"))
        << "a box that never opened answers its default";
}

} // namespace
} // namespace tp::ui::testing
