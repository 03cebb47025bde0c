#include "WindowsFixture.h"

#include "ui/toolkit/EndOfRun.h"

namespace tp::ui::testing {
namespace {

class Ending : public WindowsTest {};

const QString Death = QStringLiteral("你壮志未筹身先死，永远的从地球消失了！");

TEST_F(Ending, DeathShowsTheFarewellAndEndsTheRun) {
    Start(3);
    State().Health = 1;
    NextJourney(-1);
    script.Then([](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(Death));
        Dismiss(window);
    });
    Form1->Buttons[2]->click();
    EXPECT_TRUE(EndOfRunRequested());
    EXPECT_EQ(Form1->gr_health->text(), QStringLiteral("0"));
}

TEST_F(Ending, TheLastJourneyWithAnEventShowsTheEndFirstAndTheDiaryNeverWaits) {
    Start(3);
    State().Day = 60;
    State().Money = 5000;
    State().Fund = 1200;
    NextJourney(1); // +1000 cash before the end is counted
    script.Then([](QWidget& window) {
        EXPECT_EQ(MessageText(window),
                  QStringLiteral("路人甲你在青岛共赚到了:￥7212,你高兴的回到了你的故乡"));
        Dismiss(window);
    });
    Form1->Buttons[4]->click();
    EXPECT_TRUE(EndOfRunRequested());
    // Only the first ending message waited; the diary and the second refresh's message did not.
    EXPECT_EQ(script.Seen().size(), 1u);
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(Title().endsWith(QStringLiteral("(61/60)")));
}

TEST_F(Ending, DyingOnADayWithAnEventShowsTheFarewellAndNeverTheDiary) {
    Start(3);
    State().Health = 21;
    NextJourney(0); // the quarrel costs the last 20 points
    script.Then([](QWidget& window) {
        EXPECT_NE(&window, Form3);
        EXPECT_TRUE(MessageText(window).contains(Death));
        Dismiss(window);
    });
    Form1->Buttons[1]->click();
    EXPECT_EQ(script.Seen().size(), 1u) << "the diary and the second farewell closed at once";
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(EndOfRunRequested());
    EXPECT_EQ(Form1->gr_health->text(), QStringLiteral("0"));
}

TEST_F(Ending, DeathAndTheEndInOneRefreshShowOnlyTheDeath) {
    Start(3);
    State().Day = 60;
    State().Health = 1;
    NextJourney(-1);
    script.Then([](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(Death));
        Dismiss(window);
    });
    Form1->Buttons[0]->click();
    EXPECT_EQ(script.Seen().size(), 1u);
    EXPECT_TRUE(EndOfRunRequested());
}

TEST_F(Ending, NothingOpensOnceTheRunIsEnding) {
    Start(3);
    RequestEndOfRun();
    Form1->BitBtn2->click();
    Form1->buy->click();
    emit Form1->gr_name->Clicked();
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(Form1->gr_name->text(), QStringLiteral("小二黑"))
        << "a box that never opened answers its default";
}

} // namespace
} // namespace tp::ui::testing
