// SPDX-License-Identifier: MIT
#include "ui/Messages.h"
#include "ui/toolkit/EndOfRun.h"

#include "tests/ui/toolkit/QtTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QPoint centreOffset; // box centre minus screen centre
    bool mainBlocked = false;
    QWidget* parent = nullptr;
};

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.resize(514, 327);
        main.move(0, 0);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }

    // Records what the next message box shows, then presses `key` in it.
    void ExpectBox(SeenBox& seen, Qt::Key key) {
        tp::test::OnNextModal([&seen, key](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(box, nullptr);
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton* button : box->buttons()) {
                seen.buttons << button->text();
            }
            const QRect screen = box->screen()->availableGeometry();
            seen.centreOffset = box->frameGeometry().center() - screen.center();
            seen.parent = box->parentWidget();
            QTest::keyClick(box, key);
        });
    }

    EndOfRun endOfRun;
    QWidget main;
    Messages boxes{endOfRun, &main};
};

TEST_F(MessagesTest, ShowMessageIsPlainTitledWithTheProgramAndCentred) {
    SeenBox seen;
    ExpectBox(seen, Qt::Key_Return);
    boxes.Tell(u"你壮志未筹身先死，永远的从地球消失了！"_s);
    EXPECT_EQ(seen.title, QGuiApplication::applicationDisplayName());
    EXPECT_EQ(seen.text, u"你壮志未筹身先死，永远的从地球消失了！"_s);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QStringList{u"OK"_s});
    EXPECT_LE(std::abs(seen.centreOffset.x()), 1);
    EXPECT_LE(std::abs(seen.centreOffset.y()), 1);
    EXPECT_EQ(seen.parent, &main);
}

TEST_F(MessagesTest, MessageBoxHasTheInformationIconAndTheGivenCaption) {
    SeenBox seen;
    ExpectBox(seen, Qt::Key_Return);
    boxes.Inform(u"钱不够"_s, u"提示"_s);
    EXPECT_EQ(seen.title, u"提示"_s);
    EXPECT_EQ(seen.text, u"钱不够"_s);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QStringList{u"OK"_s});
}

TEST_F(MessagesTest, MessageBoxWithEmptyCaptionHasAnEmptyTitle) {
    SeenBox seen;
    seen.title = u"not read"_s;
    ExpectBox(seen, Qt::Key_Escape);
    boxes.Inform(u"钱不够"_s, QString());
    EXPECT_TRUE(seen.title.isEmpty()) << seen.title.toStdString();
}

TEST_F(MessagesTest, BoxesBelongToTheOpenModalWindow) {
    QDialog dialog(&main);
    QWidget* owner = nullptr;
    tp::test::OnNextModal([&](QWidget&) {
        SeenBox seen;
        ExpectBox(seen, Qt::Key_Return);
        boxes.Inform(u"x"_s, u"y"_s);
        owner = seen.parent;
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(owner, &dialog);
}

TEST_F(MessagesTest, AllReturnAtOnceOnceTheRunIsEnding) {
    endOfRun.Request();
    // Should a box open after all, this closes it, so the test fails instead of hanging.
    int opened = 0;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, &guard, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++opened;
            modal->close();
        }
    });
    guard.start(50);
    boxes.Tell(u"你在青岛共赚到了:￥6200"_s);
    boxes.Inform(u"x"_s, u"y"_s);
    EXPECT_FALSE(boxes.Confirm(u"x"_s, u"y"_s));
    EXPECT_EQ(boxes.AskText(u"改名"_s, u"请输入您的姓名:"_s, u"小二黑"_s), u"小二黑"_s);
    EXPECT_EQ(opened, 0);
}

struct SeenInput {
    QString title;
    QString prompt;
    QString text;
    QString selected;
    int maxLength = 0;
    QStringList buttons;
};

// Types `text` through the input method, as Chinese is typed.
void Commit(QLineEdit& edit, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(&edit, &commit);
}

// Records the input box, then lets `act` drive it.
void OnInputBox(SeenInput& seen, std::function<void(QLineEdit&, QWidget&)> act) {
    tp::test::OnNextModal([&seen, act](QWidget& modal) {
        auto* edit = modal.findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        seen.title = modal.windowTitle();
        if (auto* label = modal.findChild<QLabel*>()) {
            seen.prompt = label->text();
        }
        seen.text = edit->text();
        seen.selected = edit->selectedText();
        seen.maxLength = edit->maxLength();
        for (QAbstractButton* button : modal.findChildren<QAbstractButton*>()) {
            seen.buttons << button->text();
        }
        act(*edit, modal);
    });
}

TEST_F(MessagesTest, InputBoxShowsTheDefaultFullySelectedAndReturnsTheTypedText) {
    SeenInput seen;
    OnInputBox(seen, [](QLineEdit& edit, QWidget&) {
        Commit(edit, u"路人甲"_s);
        QTest::keyClick(&edit, Qt::Key_Return);
    });
    EXPECT_EQ(boxes.AskText(u"改名"_s, u"请输入您的姓名:"_s, u"小二黑"_s), u"路人甲"_s);
    EXPECT_EQ(seen.title, u"改名"_s);
    EXPECT_EQ(seen.prompt, u"请输入您的姓名:"_s);
    EXPECT_EQ(seen.text, u"小二黑"_s);
    EXPECT_EQ(seen.selected, u"小二黑"_s);
    EXPECT_EQ(seen.maxLength, 255);
    EXPECT_EQ(seen.buttons, (QStringList{u"OK"_s, u"Cancel"_s}));
}

TEST_F(MessagesTest, InputBoxKeepsAtMost255CharactersAndNoBrokenPair) {
    SeenInput seen;
    OnInputBox(seen, [](QLineEdit& edit, QWidget&) {
        QApplication::clipboard()->setText(QString(300, u'名'));
        edit.paste();
        QTest::keyClick(&edit, Qt::Key_Return);
    });
    EXPECT_EQ(boxes.AskText(u"改名"_s, u"p"_s, u"小二黑"_s), QString(255, u'名'));

    // 254 letters and an emoji: the limit would keep half of the emoji's surrogate pair.
    OnInputBox(seen, [](QLineEdit& edit, QWidget&) {
        QApplication::clipboard()->setText(QString(254, u'a') + u"😀"_s);
        edit.paste();
        QTest::keyClick(&edit, Qt::Key_Return);
    });
    const QString cut = boxes.AskText(u"改名"_s, u"p"_s, u"小二黑"_s);
    EXPECT_EQ(cut, QString(254, u'a'));

    OnInputBox(seen, [](QLineEdit& edit, QWidget&) {
        Commit(edit, u"😀名"_s);
        QTest::keyClick(&edit, Qt::Key_Return);
    });
    EXPECT_EQ(boxes.AskText(u"改名"_s, u"p"_s, u"小二黑"_s), u"😀名"_s);
}

TEST_F(MessagesTest, InputBoxWithEmptyCaptionHasAnEmptyTitle) {
    SeenInput seen;
    seen.title = u"not read"_s;
    OnInputBox(seen, [](QLineEdit& edit, QWidget&) { QTest::keyClick(&edit, Qt::Key_Return); });
    EXPECT_EQ(boxes.AskText(QString(), u"p"_s, u"d"_s), u"d"_s);
    EXPECT_TRUE(seen.title.isEmpty());
}

// The C locale has no date pattern of its own; the others' are Qt's.
TEST(ShortDateText, CLocaleGetsMonthDayTwoDigitYear) {
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 8), QLocale::c()), u"12/8/26"_s);
    EXPECT_EQ(ShortDateText(QDate(2009, 1, 5), QLocale(u"C"_s)), u"1/5/09"_s);
}

} // namespace
} // namespace tp::ui
