// SPDX-License-Identifier: MIT
#include "WindowsFixture.h"

#include "ui/toolkit/RowList.h"

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
    Click(PlaceButton(2));
    EXPECT_EQ(script.Seen().size(), 1u);
    EXPECT_TRUE(RunEnding());
    EXPECT_EQ(Shown("健康"), QStringLiteral("0"));
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
    Click(PlaceButton(4));
    EXPECT_TRUE(RunEnding());
    // Only the first ending message waited; the diary and the second refresh's message did not.
    EXPECT_EQ(script.Seen().size(), 1u);
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_TRUE(Title().endsWith(QStringLiteral("(61/60)")));
}

TEST_F(Ending, DyingOnADayWithAnEventShowsTheFarewellAndNeverTheDiary) {
    Start(3);
    Edit([](game::GameState& s) { s.health = 21; });
    NextJourney(0); // the quarrel costs the last 20 points
    script.Then([this](QWidget& window) {
        EXPECT_NE(window.windowTitle(), QStringLiteral("我的日记本"));
        EXPECT_TRUE(MessageText(window).contains(Death));
        Dismiss(window);
    });
    Click(PlaceButton(1));
    EXPECT_EQ(script.Seen().size(), 1u) << "the diary and the second farewell closed at once";
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_TRUE(RunEnding());
    EXPECT_EQ(Shown("健康"), QStringLiteral("0"));
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
    Click(PlaceButton(0));
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
    Click(PlaceButton(2));
    ASSERT_TRUE(RunEnding());
    ASSERT_TRUE(Main().isVisible());

    Click(Button("银行"));
    Click(Button("买入"));
    ClickRow(*Market(), 0);
    Click(Button("买入"));
    Click(NameBox());
    Key(Main(), Qt::Key_F2);
    EXPECT_EQ(script.Seen().size(), 1u) << "only the farewell opened";
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_EQ(Shown("姓名"), QStringLiteral("小二黑"))
        << "a box that never opened answers its default";
}

} // namespace
} // namespace tp::ui::testing
