#include "WindowsFixture.h"

#include "ui/toolkit/ListView.h"
#include "ui/toolkit/Memo.h"

#include <QFontInfo>
#include <QPushButton>
#include <QShortcut>

namespace tp::ui::testing {
namespace {

class StartAndJourney : public WindowsTest {};

TEST_F(StartAndJourney, TheMainWindowOpensOnDayOneWithTheStartValues) {
    Start(2026);
    EXPECT_EQ(Title(), QStringLiteral("潮汐货郎 V1.00            (1/60)"));
    EXPECT_EQ(Form1->gr_name->text(), QStringLiteral("路人甲"));
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("2000"));
    EXPECT_EQ(Form1->gr_arrearage->text(), QStringLiteral("3000"));
    EXPECT_EQ(Form1->gr_health->text(), QStringLiteral("100"));
    EXPECT_EQ(Form1->gr_fund->text(), QStringLiteral("0"));
    EXPECT_EQ(Form1->ListView1->Count(), 5);
    EXPECT_EQ(Form1->ListView2->Count(), 0);
    EXPECT_EQ(Form1->size(), QSize(514, 327));
    EXPECT_FALSE(Form1->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Form1->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Form1->minimumSize(), Form1->maximumSize());
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_FALSE(Form4->isVisible());
    // The market rows show the game's market, slot by slot.
    for (int row = 0; row < 5; ++row) {
        const auto& slot = State().Market[static_cast<std::size_t>(row + 1)];
        EXPECT_EQ(Form1->ListView1->Caption(row).toStdString(), slot.Name.View());
        EXPECT_EQ(Form1->ListView1->SubItem(row, 0), QString::number(slot.Price));
    }
}

// Every control draws from the game's own faces: one that fell back to the desktop's default
// face would look out of place and would load a second font file for nothing.
TEST_F(StartAndJourney, EveryControlOfTheFourWindowsUsesTheGamesOwnFaces) {
    Start(2026);
    for (QWidget* window : {static_cast<QWidget*>(Form1), static_cast<QWidget*>(Form2),
                            static_cast<QWidget*>(Form3), static_cast<QWidget*>(Form4)}) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (const QWidget* widget : widgets) {
            EXPECT_TRUE(QFontInfo(widget->font()).family().startsWith(u"Tide Peddler"))
                << window->objectName().toStdString() << " / " << widget->metaObject()->className()
                << " " << widget->objectName().toStdString() << ": "
                << QFontInfo(widget->font()).family().toStdString();
        }
    }
}

TEST_F(StartAndJourney, EveryLocationButtonTravelsOneDay) {
    Start(7);
    for (int i = 0; i < 10; ++i) {
        NextJourney(-1);
        Form1->Buttons[static_cast<std::size_t>(i)]->click();
        EXPECT_TRUE(Title().endsWith(QStringLiteral("(%1/60)").arg(i + 2))) << i;
    }
    EXPECT_EQ(Form1->gr_health->text(), QStringLiteral("90"));
    EXPECT_FALSE(Form3->isVisible());
}

TEST_F(StartAndJourney, AJourneyWithAnEventShowsTheDiaryOverUpdatedLabels) {
    Start(7);
    NextJourney(30);
    QString moneyBehindDiary;
    QStringList diary;
    script.Then([&](QWidget& window) {
        EXPECT_EQ(&window, Form3);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("我的日记本"));
        moneyBehindDiary = Form1->gr_money->text();
        diary = Form3->Memo1->Lines();
        Press(window, "BitBtn2");
    });
    Form1->Buttons[6]->click();
    EXPECT_EQ(moneyBehindDiary, QStringLiteral("5000"));
    ASSERT_EQ(diary.size(), 3);
    EXPECT_TRUE(diary[0].endsWith(QStringLiteral("       多云")));
    EXPECT_EQ(diary[1], QString());
    EXPECT_TRUE(diary[2].startsWith(QStringLiteral("今天我买了一张齐鲁福利彩票")));
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(Title().endsWith(QStringLiteral("(2/60)")));
}

TEST_F(StartAndJourney, TheDiaryClosesWithEscape) {
    Start(7);
    NextJourney(3);
    script.Then([](QWidget& window) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&window, &escape);
    });
    Form1->Buttons[0]->click();
    EXPECT_FALSE(Form3->isVisible());
}

TEST_F(StartAndJourney, RenamingChangesOnlyTheLabel) {
    Start(7);
    script.Then([](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("改名"));
        auto* edit = window.findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), QStringLiteral("小二黑"));
        EXPECT_EQ(edit->selectedText(), QStringLiteral("小二黑"));
        // The input box is not one of the four windows, yet it draws from the game's faces too.
        EXPECT_EQ(QFontInfo(edit->font()).family().toStdString(), "Tide Peddler Song");
        edit->setText(QStringLiteral("王老五😀"));
        qobject_cast<QDialog*>(&window)->accept();
    });
    emit Form1->gr_name->Clicked();
    EXPECT_EQ(Form1->gr_name->text(), QStringLiteral("王老五😀"));
    EXPECT_EQ(State().PlayerName.View(), "路人甲");
}

TEST_F(StartAndJourney, F2RenamesWithoutTheMouse) {
    Start(7);
    script.Then([](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("改名"));
        window.findChild<QLineEdit*>()->setText(QStringLiteral("阿福"));
        qobject_cast<QDialog*>(&window)->accept();
    });
    Form1->activateWindow();
    const auto shortcuts = Form1->findChildren<QShortcut*>();
    ASSERT_EQ(shortcuts.size(), 1);
    EXPECT_EQ(shortcuts[0]->key(), QKeySequence(Qt::Key_F2));
    emit shortcuts[0]->activated();
    EXPECT_EQ(Form1->gr_name->text(), QStringLiteral("阿福"));
}

TEST_F(StartAndJourney, CancellingTheNameBoxGivesTheDefault) {
    Start(7);
    script.Then([](QWidget& window) { Dismiss(window); });
    emit Form1->gr_name->Clicked();
    EXPECT_EQ(Form1->gr_name->text(), QStringLiteral("小二黑"));
}

} // namespace
} // namespace tp::ui::testing
