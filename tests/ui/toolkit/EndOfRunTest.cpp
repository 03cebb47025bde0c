// SPDX-License-Identifier: MIT
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/Button.h"
#include "ui/toolkit/Dialog.h"

#include "tests/ui/toolkit/QtTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string_view>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

// Counts how often a window was shown, so "shows nothing" can be checked.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget& watched) { watched.installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shows;
        }
        return false;
    }
};

class RunModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.resize(300, 200);
        mainButton = new QPushButton(u"main"_s, &main);
        QObject::connect(mainButton, &QPushButton::clicked, &main, [this] { ++mainClicks; });
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        dialog = new Dialog(&main);
        dialog->setFixedSize(187, 59);
        ok = new QPushButton(u"确定(&O)"_s, dialog);
        QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    }

    EndOfRun endOfRun;
    QWidget main;
    QPushButton* mainButton = nullptr;
    int mainClicks = 0;
    Dialog* dialog = nullptr; // owned by main
    QPushButton* ok = nullptr;
};

TEST_F(RunModalTest, RefusesAVisibleDialog) {
    dialog->show();
    EXPECT_EQ(RunModal(*dialog, endOfRun), QDialog::Rejected);
    EXPECT_TRUE(dialog->isVisible());
    dialog->hide();
}

TEST_F(RunModalTest, AfterEndOfRunReturnsCancelAtOnceShowingNothing) {
    endOfRun.Request();
    ASSERT_TRUE(endOfRun.Requested());
    ShowCounter counter(*dialog);
    // Should the dialog open after all, this closes it so the test fails instead of hanging.
    QTimer::singleShot(2000, dialog, [this] { dialog->done(QDialog::Accepted); });
    EXPECT_EQ(RunModal(*dialog, endOfRun), QDialog::Rejected);
    EXPECT_EQ(counter.shows, 0);
}

TEST_F(RunModalTest, OneRunEndingLeavesAnotherRunsDialogsAlone) {
    EndOfRun otherRun;
    otherRun.Request();
    ASSERT_FALSE(endOfRun.Requested());
    tp::test::OnNextModal([this](QWidget&) { ok->click(); });
    EXPECT_EQ(RunModal(*dialog, endOfRun), QDialog::Accepted)
        << "the dialog of the run still going is shown";
    EXPECT_EQ(RunModal(*dialog, otherRun), QDialog::Rejected);
}

TEST_F(RunModalTest, EndOfRunInsideAHandlerClosesTheOpenDialogAfterTheHandler) {
    auto* second = new Dialog(&main);
    ShowCounter secondShows(*second);
    bool handlerFinished = false;
    int nestedResult = -1;
    QObject::connect(ok, &QPushButton::clicked, dialog, [&] {
        endOfRun.Request();
        // The handler runs on; a window it opens afterwards closes at once.
        nestedResult = RunModal(*second, endOfRun);
        handlerFinished = true;
    });
    tp::test::OnNextModal([this](QWidget&) { QTest::mouseClick(ok, Qt::LeftButton); });
    EXPECT_EQ(RunModal(*dialog, endOfRun), QDialog::Rejected);
    EXPECT_TRUE(handlerFinished);
    EXPECT_EQ(nestedResult, QDialog::Rejected);
    EXPECT_EQ(secondShows.shows, 0);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(RunModalTest, EndOfRunFromOutsideClosesAnOpenDialog) {
    tp::test::OnNextModal([this](QWidget&) { endOfRun.Request(); });
    EXPECT_EQ(RunModal(*dialog, endOfRun), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(RunModalTest, NestedDialogsBothCloseOnEndOfRun) {
    auto* second = new Dialog(dialog);
    int innerResult = -1;
    tp::test::OnNextModal([&](QWidget&) {
        tp::test::OnNextModal([this](QWidget& inner) {
            EXPECT_TRUE(inner.isVisible());
            endOfRun.Request();
        });
        innerResult = RunModal(*second, endOfRun);
    });
    EXPECT_EQ(RunModal(*dialog, endOfRun), QDialog::Rejected);
    EXPECT_EQ(innerResult, QDialog::Rejected);
    EXPECT_FALSE(second->isVisible());
}

// Enter presses the focused button, else the confirm button while it can be pressed, never from
// a text box; Esc rejects.
struct KeyCase {
    const char* what;
    Qt::Key key;
    const char* focus; // "edit", "text" or "other" (a second button)
    bool confirmEnabled;
    int result; // what the dialog closed with; -1: still open
    bool confirmPressed;
};

class DialogKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DialogKeys, PressWhatTheyShould) {
    const KeyCase& c = GetParam();
    Dialog dialog;
    auto* confirm = new Button(u"OK"_s, &dialog);
    auto* other = new Button(u"Other"_s, &dialog);
    auto* edit = new QLineEdit(&dialog);
    auto* text = new QPlainTextEdit(&dialog);
    text->setReadOnly(true);
    confirm->setEnabled(c.confirmEnabled);
    dialog.SetConfirmButton(confirm);
    bool pressed = false;
    int otherPresses = 0;
    QObject::connect(confirm, &QPushButton::clicked, &dialog, [&] { pressed = true; });
    QObject::connect(other, &QPushButton::clicked, &dialog, [&] { ++otherPresses; });
    int result = -1;
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&](int r) { result = r; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget* focus = std::string_view(c.focus) == "edit"   ? static_cast<QWidget*>(edit)
                     : std::string_view(c.focus) == "text" ? static_cast<QWidget*>(text)
                                                           : static_cast<QWidget*>(other);
    focus->setFocus();
    QTest::keyClick(focus, c.key);
    EXPECT_EQ(pressed, c.confirmPressed) << c.what;
    EXPECT_EQ(result, c.result) << c.what;
    EXPECT_EQ(otherPresses, c.key == Qt::Key_Return && focus == other ? 1 : 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Enter, DialogKeys,
    ::testing::Values(
        KeyCase{"Enter in an edit box confirms", Qt::Key_Return, "edit", true, -1, true},
        KeyCase{"keypad Enter too", Qt::Key_Enter, "edit", true, -1, true},
        KeyCase{"a disabled confirm button is not pressed", Qt::Key_Return, "edit", false, -1,
                false},
        KeyCase{"Enter in a text box confirms nothing", Qt::Key_Return, "text", true, -1, false},
        KeyCase{"Enter on another button presses that one", Qt::Key_Return, "other", true, -1,
                false},
        KeyCase{"Esc rejects", Qt::Key_Escape, "edit", true, QDialog::Rejected, false}));

} // namespace
} // namespace tp::ui

namespace tp::ui {
namespace {

// A main window that, like the game's, ends the run when it is closed.
class EndingMainWindow : public QWidget {
public:
    explicit EndingMainWindow(EndOfRun& end) : endOfRun(end) {}
    EndOfRun& endOfRun;
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        endOfRun.Request();
        QWidget::closeEvent(event);
    }
};

TEST(EndOfRunInTheMainLoop, HandlerRunsToItsEndThenTheLoopEnds) {
    EndOfRun endOfRun;
    EndingMainWindow main(endOfRun);
    main.show();
    Dialog dialog(&main);
    bool handlerFinished = false;
    int dialogResult = -1;
    QTimer::singleShot(0, &main, [&] {
        main.close(); // inside a handler, as the endings do
        dialogResult = RunModal(dialog, endOfRun);
        handlerFinished = true;
    });
    // Should the loop not end, this ends the test instead of hanging it.
    QTimer failSafe;
    failSafe.setSingleShot(true);
    QObject::connect(&failSafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    failSafe.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(handlerFinished);
    EXPECT_EQ(dialogResult, QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_GE(main.closes, 1);
}

} // namespace
} // namespace tp::ui
