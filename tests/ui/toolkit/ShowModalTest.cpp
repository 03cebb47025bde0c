// SPDX-License-Identifier: MIT
#include "ui/toolkit/ShowModal.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/GameDialog.h"
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/ModalResult.h"

#include "tests/ui/toolkit/QtTestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

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

class ShowModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.resize(300, 200);
        mainButton = new QPushButton(u"main"_s, &main);
        QObject::connect(mainButton, &QPushButton::clicked, &main, [this] { ++mainClicks; });
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        dialog = new GameDialog(&main);
        dialog->SetClientSize(187, 59);
        ok = new KindButton(u"确定(&O)"_s, KindButton::Kind::Yes, dialog);
        no = new KindButton(u"取消(&N)"_s, KindButton::Kind::No, dialog);
        no->move(0, 30);
    }

    EndOfRun endOfRun;
    QWidget main;
    QPushButton* mainButton = nullptr;
    int mainClicks = 0;
    GameDialog* dialog = nullptr; // owned by main
    KindButton* ok = nullptr;
    KindButton* no = nullptr;
};

TEST_F(ShowModalTest, ReturnsTheResultOfTheButtonThatClosedIt) {
    tp::test::OnNextModal([this](QWidget& modal) {
        EXPECT_EQ(&modal, dialog);
        QTest::mouseClick(no, Qt::LeftButton);
    });
    EXPECT_EQ(ShowModal(*dialog, endOfRun), mrNo);
    EXPECT_FALSE(dialog->isVisible());

    tp::test::OnNextModal([this](QWidget&) { QTest::mouseClick(ok, Qt::LeftButton); });
    EXPECT_EQ(ShowModal(*dialog, endOfRun), mrYes);
}

TEST_F(ShowModalTest, CloseBoxGivesCancel) {
    tp::test::OnNextModal([](QWidget& modal) { modal.close(); });
    EXPECT_EQ(ShowModal(*dialog, endOfRun), mrCancel);
}

TEST_F(ShowModalTest, OwnerTakesNoInputWhileOpen) {
    // Clicks through the window system, which is where modality blocks them.
    const auto clickMain = [this] {
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, mainButton->geometry().center());
    };
    tp::test::OnNextModal([this, clickMain](QWidget&) {
        clickMain();
        EXPECT_EQ(mainClicks, 0) << "the main window must be blocked";
        QTest::mouseClick(no, Qt::LeftButton);
    });
    ShowModal(*dialog, endOfRun);
    clickMain();
    EXPECT_EQ(mainClicks, 1) << "and answer again once the dialog is closed";
}

TEST_F(ShowModalTest, RefusesAVisibleDialog) {
    dialog->show();
    EXPECT_EQ(ShowModal(*dialog, endOfRun), mrCancel);
    EXPECT_TRUE(dialog->isVisible());
    dialog->hide();
}

TEST_F(ShowModalTest, AfterEndOfRunReturnsCancelAtOnceShowingNothing) {
    endOfRun.Request();
    ASSERT_TRUE(endOfRun.Requested());
    ShowCounter counter(*dialog);
    // Should the dialog open after all, this closes it so the test fails instead of hanging.
    QTimer::singleShot(2000, dialog, [this] { dialog->done(mrOk); });
    EXPECT_EQ(ShowModal(*dialog, endOfRun), mrCancel);
    EXPECT_EQ(counter.shows, 0);
}

TEST_F(ShowModalTest, OneRunEndingLeavesAnotherRunsDialogsAlone) {
    EndOfRun otherRun;
    otherRun.Request();
    ASSERT_FALSE(endOfRun.Requested());
    tp::test::OnNextModal([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
    EXPECT_EQ(ShowModal(*dialog, endOfRun), mrNo) << "the dialog of the run still going is shown";
    EXPECT_EQ(ShowModal(*dialog, otherRun), mrCancel);
}

TEST_F(ShowModalTest, EndOfRunInsideAHandlerClosesTheOpenDialogAfterTheHandler) {
    auto* second = new GameDialog(&main);
    ShowCounter secondShows(*second);
    bool handlerFinished = false;
    int nestedResult = -1;
    QObject::connect(ok, &KindButton::Click, dialog, [&] {
        endOfRun.Request();
        // The handler runs on; a window it opens afterwards closes at once.
        nestedResult = ShowModal(*second, endOfRun);
        handlerFinished = true;
    });
    tp::test::OnNextModal([this](QWidget&) { QTest::mouseClick(ok, Qt::LeftButton); });
    EXPECT_EQ(ShowModal(*dialog, endOfRun), mrCancel);
    EXPECT_TRUE(handlerFinished);
    EXPECT_EQ(nestedResult, mrCancel);
    EXPECT_EQ(secondShows.shows, 0);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ShowModalTest, EndOfRunFromOutsideClosesAnOpenDialog) {
    tp::test::OnNextModal([this](QWidget&) { endOfRun.Request(); });
    EXPECT_EQ(ShowModal(*dialog, endOfRun), mrCancel);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ShowModalTest, NestedDialogsBothCloseOnEndOfRun) {
    auto* second = new GameDialog(dialog);
    int innerResult = -1;
    tp::test::OnNextModal([&](QWidget&) {
        tp::test::OnNextModal([this](QWidget& inner) {
            EXPECT_TRUE(inner.isVisible());
            endOfRun.Request();
        });
        innerResult = ShowModal(*second, endOfRun);
    });
    EXPECT_EQ(ShowModal(*dialog, endOfRun), mrCancel);
    EXPECT_EQ(innerResult, mrCancel);
    EXPECT_FALSE(second->isVisible());
}

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
    GameDialog dialog(&main);
    bool handlerFinished = false;
    int dialogResult = -1;
    QTimer::singleShot(0, &main, [&] {
        main.close(); // inside a handler, as the endings do
        dialogResult = ShowModal(dialog, endOfRun);
        handlerFinished = true;
    });
    // Should the loop not end, this ends the test instead of hanging it.
    QTimer failSafe;
    failSafe.setSingleShot(true);
    QObject::connect(&failSafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    failSafe.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(handlerFinished);
    EXPECT_EQ(dialogResult, mrCancel);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_GE(main.closes, 1);
}

} // namespace
} // namespace tp::ui
