// SPDX-License-Identifier: MIT
#include "WindowsFixture.h"
#include "game/Catalogue.h"

#include "ui/toolkit/RowList.h"
#include <QPlainTextEdit>

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <ostream>
#include <string>

namespace tp::ui::testing {
namespace {

class StartAndJourney : public WindowsTest {};

TEST_F(StartAndJourney, TheMainWindowOpensOnDayOneWithTheStartValues) {
    Start(2026);
    EXPECT_EQ(Title(), QStringLiteral("潮汐货郎 V1.00            (1/60)"));
    EXPECT_EQ(Shown("姓名"), QStringLiteral("路人甲"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("2000"));
    EXPECT_EQ(Shown("欠款"), QStringLiteral("3000"));
    EXPECT_EQ(Shown("健康"), QStringLiteral("100"));
    EXPECT_EQ(Shown("存款"), QStringLiteral("0"));
    EXPECT_EQ(Market()->topLevelItemCount(), 5);
    EXPECT_EQ(Carried()->topLevelItemCount(), 0);
    EXPECT_EQ(Main().size(), QSize(514, 327));
    EXPECT_FALSE(Main().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Main().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Main().minimumSize(), Main().maximumSize());
    EXPECT_EQ(DialogsShown(), QStringList());
    // The market rows show the game's market, slot by slot.
    for (int row = 0; row < 5; ++row) {
        const auto& slot = State().market[static_cast<std::size_t>(row + 1)];
        EXPECT_EQ(Cell(Market(), row, 0).toStdString(), game::GoodName(slot.good));
        EXPECT_EQ(Cell(Market(), row, 1), QString::number(slot.price));
    }
}

// The status values are drawn in fixed colours on black, whatever the desktop's theme: the
// debt in red, the rest in lime.
struct StatusBox {
    const char* name;  // of the test
    const char* reads; // what a screen reader calls the box
    QColor ink;
};

void PrintTo(const StatusBox& box, std::ostream* out) {
    *out << box.name;
}

class StatusColours : public WindowsTest, public ::testing::WithParamInterface<StatusBox> {};

TEST_P(StatusColours, AreTheirInkOnBlackInADarkTheme) {
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    Start(2026);
    auto* box = Named<QLabel>(Main(), GetParam().reads);
    ASSERT_NE(box, nullptr);
    const QImage image = box->grab().toImage();
    QApplication::setPalette(before);

    const QColor ink = GetParam().ink;
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    // The text's edges blend the ink into the black, so no other colour may show; its strokes
    // come near the ink itself.
    int brightest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            ASSERT_TRUE((ink.red() != 0 || pixel.red() == 0) &&
                        (ink.green() != 0 || pixel.green() == 0) &&
                        (ink.blue() != 0 || pixel.blue() == 0))
                << pixel.name().toStdString() << " at " << x << "," << y;
            brightest = std::max({brightest, pixel.red(), pixel.green(), pixel.blue()});
        }
    }
    EXPECT_GT(brightest, 0xC0);
}

INSTANTIATE_TEST_SUITE_P(EveryValue, StatusColours,
                         ::testing::Values(StatusBox{"name", "姓名", QColor(0, 255, 0)},
                                           StatusBox{"cash", "现金", QColor(0, 255, 0)},
                                           StatusBox{"debt", "欠款", QColor(255, 0, 0)},
                                           StatusBox{"deposit", "存款", QColor(0, 255, 0)},
                                           StatusBox{"health", "健康", QColor(0, 255, 0)}),
                         [](const ::testing::TestParamInfo<StatusBox>& param) {
                             return std::string(param.param.name);
                         });

// Every control draws from the game's own faces: one that fell back to the desktop's default
// face would look out of place and would load a second font file for nothing.
void ExpectTheGamesOwnFaces(const QWidget& window) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(&window));
    for (const QWidget* widget : widgets) {
        EXPECT_TRUE(QFontInfo(widget->font()).family().startsWith(u"Tide Peddler"))
            << window.windowTitle().toStdString() << " / " << widget->metaObject()->className()
            << " " << widget->objectName().toStdString() << ": "
            << QFontInfo(widget->font()).family().toStdString();
    }
}

// The dialogs are checked as the player opens them: the trade dialog from the market, the
// diary after a journey with an event, the service window (all of its panels) from the bank.
TEST_F(StartAndJourney, EveryControlOfTheFourWindowsUsesTheGamesOwnFaces) {
    Start(2026);
    ExpectTheGamesOwnFaces(Main());
    const auto check = [](QWidget& window) {
        ExpectTheGamesOwnFaces(window);
        Key(window, Qt::Key_Escape);
    };
    const std::string firstGood(game::GoodName(State().market[1].good));
    ClickRow(*Market(), 0);
    script.Then(check);
    Click(Button("买入"));
    NextJourney(30);
    script.Then(check);
    Click(PlaceButton(0));
    script.Then(check);
    Click(Button("银行"));
    ASSERT_EQ(script.Seen().size(), 3u);
    EXPECT_EQ(script.Seen()[0].toStdString(), firstGood);
    EXPECT_EQ(script.Seen()[1], QStringLiteral("我的日记本"));
    EXPECT_EQ(script.Seen()[2], QStringLiteral("银行存款"));
}

TEST_F(StartAndJourney, EveryPlaceButtonTravelsOneDay) {
    Start(7);
    const QList<QAbstractButton*> buttons = Main().findChildren<QAbstractButton*>();
    EXPECT_EQ(std::count_if(buttons.begin(), buttons.end(),
                            [](const QAbstractButton* b) {
                                return b->accessibleDescription() ==
                                       QStringLiteral("去这里，过一天");
                            }),
              static_cast<qsizetype>(kPlaceNames.size()))
        << "a place on the map that the test does not visit";
    for (std::size_t i = 0; i < kPlaceNames.size(); ++i) {
        NextJourney(-1);
        Click(PlaceButton(i));
        EXPECT_TRUE(Title().endsWith(QStringLiteral("(%1/60)").arg(i + 2))) << i;
    }
    EXPECT_EQ(Shown("健康"), QStringLiteral("90"));
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_TRUE(script.Seen().empty());
}

TEST_F(StartAndJourney, AJourneyWithAnEventShowsTheDiaryOverUpdatedLabelsAndAltCClosesIt) {
    Start(7);
    NextJourney(30);
    QString moneyBehindDiary;
    QStringList diary;
    script.Then([&](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("我的日记本"));
        moneyBehindDiary = Shown("现金");
        if (const QPlainTextEdit* entry = Named<QPlainTextEdit>(window, "日记")) {
            diary = Lines(*entry);
        }
        Key(window, Qt::Key_C, Qt::AltModifier);
    });
    Click(PlaceButton(6));
    EXPECT_EQ(moneyBehindDiary, QStringLiteral("5000"));
    ASSERT_EQ(diary.size(), 3);
    EXPECT_TRUE(diary[0].endsWith(QStringLiteral("       多云")));
    EXPECT_EQ(diary[1], QString());
    EXPECT_TRUE(diary[2].startsWith(QStringLiteral("今天我买了一张齐鲁福利彩票")));
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_TRUE(Title().endsWith(QStringLiteral("(2/60)")));
}

TEST_F(StartAndJourney, TheDiaryClosesWithEscape) {
    Start(7);
    NextJourney(3);
    script.Then([this](QWidget& window) { Key(window, Qt::Key_Escape); });
    Click(PlaceButton(0));
    EXPECT_EQ(script.Seen(), std::vector<QString>{QStringLiteral("我的日记本")});
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_TRUE(Title().endsWith(QStringLiteral("(2/60)")));
}

TEST_F(StartAndJourney, AClickOnTheNameRenamesAndChangesOnlyTheLabel) {
    Start(7);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("改名"));
        auto* edit = window.findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), QStringLiteral("小二黑"));
        EXPECT_EQ(edit->selectedText(), QStringLiteral("小二黑"));
        EXPECT_TRUE(edit->hasFocus());
        // The input box is not one of the four windows, yet it draws from the game's faces too.
        EXPECT_EQ(QFontInfo(edit->font()).family().toStdString(), "Tide Peddler Song");
        // The whole default is selected, so what the input method commits replaces it.
        Compose(window, QStringLiteral("王老五😀"));
        EXPECT_EQ(edit->text(), QStringLiteral("王老五😀"));
        Key(window, Qt::Key_Return);
    });
    Click(NameBox());
    EXPECT_EQ(Shown("姓名"), QStringLiteral("王老五😀"));
    EXPECT_EQ(State().playerName.View(), "路人甲");
}

TEST_F(StartAndJourney, F2RenamesWithoutTheMouse) {
    Start(7);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("改名"));
        Type(window, QStringLiteral("Ah Fu"));
        EXPECT_EQ(window.findChild<QLineEdit*>()->text(), QStringLiteral("Ah Fu"));
        Key(window, Qt::Key_Return);
    });
    Key(Main(), Qt::Key_F2);
    EXPECT_EQ(script.Pending(), 0u) << "F2 opened no input box";
    EXPECT_EQ(Shown("姓名"), QStringLiteral("Ah Fu"));
}

// Every action without a button of its own is in the window's menu, shown with its keys; the
// right button on a picture and Shift+F10 open it, and an item does what it says.
TEST_F(StartAndJourney, TheMenuHoldsEveryActionWithItsKeys) {
    Start(7);
    const auto openMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    QWidget* map = Main().findChild<QWidget*>(QStringLiteral("mapPicture"));
    ASSERT_NE(map, nullptr);
    // What the window system makes of a right click on the map.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 map->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(map, &rightClick);
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr) << "the right button opened no menu";
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            items << action->text() + QLatin1Char(' ') + action->shortcut().toString();
        }
    }
    EXPECT_EQ(
        items,
        (QStringList{QStringLiteral("新的旅程(&N) Ctrl+N"), QStringLiteral("今天的旅程(&D) Ctrl+D"),
                     QStringLiteral("同一种子再来(&A) Ctrl+R"),
                     QStringLiteral("退回一步(&U) Ctrl+Z"), QStringLiteral("日志(&J) Ctrl+J"),
                     QStringLiteral("价格簿(&P) Ctrl+P"), QStringLiteral("富豪榜(&H) Ctrl+H"),
                     QStringLiteral("统计(&T) Ctrl+T"), QStringLiteral("改名(&R) F2"),
                     QStringLiteral("帮助(&E) F1"), QStringLiteral("退出(&Q) Ctrl+Q")}));
    EXPECT_FALSE(menu->actions().at(3)->isEnabled()) << "nothing to take back on arrival";
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(openMenu(), nullptr);

    Key(Main(), Qt::Key_F10, Qt::ShiftModifier);
    menu = openMenu();
    ASSERT_NE(menu, nullptr) << "Shift+F10 opened no menu";
    script.Then([this](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("改名"));
        Key(window, Qt::Key_Escape);
    });
    QTest::keyClick(menu, Qt::Key_R);
    EXPECT_EQ(script.Pending(), 0u) << "the rename item opened no input box";

    // This seed again: after asking, the same run from its first day.
    NextJourney(-1);
    Click(PlaceButton(0));
    script.Then([this](QWidget& window) { Key(window, Qt::Key_Return); });
    Key(Main(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(script.Pending(), 0u) << "Ctrl+R asked nothing";
    EXPECT_EQ(State().seed, 7u);
    EXPECT_EQ(State().day, 1);
}

TEST_F(StartAndJourney, CancellingTheNameBoxGivesTheDefault) {
    Start(7);
    script.Then([this](QWidget& window) {
        Type(window, QStringLiteral("Nobody"));
        Key(window, Qt::Key_Escape);
    });
    Key(Main(), Qt::Key_F2);
    EXPECT_EQ(Shown("姓名"), QStringLiteral("小二黑"));

    script.Then([this](QWidget& window) { Dismiss(window); });
    Click(NameBox());
    EXPECT_EQ(Shown("姓名"), QStringLiteral("小二黑"));
}

} // namespace
} // namespace tp::ui::testing
