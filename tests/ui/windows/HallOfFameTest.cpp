// SPDX-License-Identifier: MIT
#include "UserInput.h"
#include "WindowsFixture.h"

#include "halloffame/HallOfFameStore.h"
#include "ui/DayChart.h"
#include "ui/halloffame/HallOfFameWindow.h"

#include <QFile>
#include <QTableWidget>

namespace tp::ui::testing {
namespace {

class HallOfFame : public WindowsTest {
protected:
    // Plays the last journey home from day 60 and answers the end message.
    void GoHome() {
        Edit([](game::GameState& s) {
            s.day = 60;
            s.cash = 5000;
            s.deposit = 1200;
        });
        NextJourney(-1);
        script.Then([](QWidget& window) { Key(window, Qt::Key_Return); });
        Click(PlaceButton(0));
        ASSERT_TRUE(RunEnding());
    }
};

TEST_F(HallOfFame, CtrlHShowsTheRecordedRunsWithoutAThisRunRowAndEscClosesIt) {
    Start(9);
    halloffame::Entry earlier;
    earlier.name = QStringLiteral("小二黑");
    earlier.amount = 90000;
    earlier.date = QStringLiteral("2026-12-01");
    earlier.seed = 77;
    earlier.days = 61;
    halloffame::HallOfFameStore(HallOfFamePath()).Record(earlier);

    script.Then([](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("富豪榜"));
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("table"));
        ASSERT_NE(table, nullptr);
        ASSERT_GE(table->rowCount(), 1);
        EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("小二黑"));
        EXPECT_EQ(window.findChild<DayChart*>(), nullptr) << "no run of this session to draw";
        Key(window, Qt::Key_Escape);
    });
    Activate(Main());
    Key(Main(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(script.Seen().size(), 1u);
    EXPECT_FALSE(RunEnding()) << "the run goes on";
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(HallOfFame, AReturnHomeIsRecordedAndShownWithItsChartAfterTheMainWindowCloses) {
    Start(9);
    GoHome();
    bool mainHidden = false;
    script.Then([this, &mainHidden](QWidget& window) {
        mainHidden = !Main().isVisible();
        EXPECT_EQ(window.windowTitle(), QStringLiteral("富豪榜"));
        auto* chart = window.findChild<DayChart*>();
        ASSERT_NE(chart, nullptr);
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("table"));
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("路人甲"));
        EXPECT_EQ(table->item(0, 2)->text(),
                  QStringLiteral("6212")); // the deposit earned its last day's interest
        EXPECT_TRUE(table->hasFocus());
        Key(window, Qt::Key_Return);
    });
    EXPECT_TRUE(QFile::exists(JourneyPath())) << "the run waits there for the hall of fame";
    EXPECT_TRUE(ShowHallOfFameAfterRun());
    EXPECT_TRUE(mainHidden);
    EXPECT_EQ(script.Seen().size(), 2u) << "the end message, then the hall of fame";
    EXPECT_FALSE(QFile::exists(JourneyPath())) << "recorded, the journey is let go";

    const halloffame::Table stored = halloffame::HallOfFameStore(HallOfFamePath()).Read();
    ASSERT_EQ(stored.ranked.size(), 1);
    EXPECT_EQ(stored.ranked[0].name, QStringLiteral("路人甲"));
    EXPECT_EQ(stored.ranked[0].amount, 6212);
    EXPECT_EQ(stored.ranked[0].seed, 9u);
    EXPECT_FALSE(stored.ranked[0].journey.isEmpty());
}

TEST_F(HallOfFame, ADeathOrARunLeftEarlyShowsNothingAndWritesNothing) {
    Start(9);
    EXPECT_FALSE(ShowHallOfFameAfterRun()) << "a run left on day 1";
    Edit([](game::GameState& s) { s.health = 1; });
    NextJourney(-1);
    script.Then([](QWidget& window) { Key(window, Qt::Key_Return); });
    Click(PlaceButton(0));
    ASSERT_TRUE(RunEnding());
    EXPECT_FALSE(ShowHallOfFameAfterRun());
    EXPECT_FALSE(QFile::exists(HallOfFamePath()));
}

} // namespace
} // namespace tp::ui::testing
