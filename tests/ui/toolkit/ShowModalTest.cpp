#include "ui/toolkit/ShowModal.h"
#include "ui/toolkit/BitBtn.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/FormDialog.h"
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
        ResetEndOfRunForTests();
        main.resize(300, 200);
        mainButton = new QPushButton(u"main"_s, &main);
        QObject::connect(mainButton, &QPushButton::clicked, &main, [this] { ++mainClicks; });
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        dialog = new FormDialog(&main);
        dialog->SetClientSize(187, 59);
        ok = new BitBtn(u"确定(&O)"_s, BitBtn::Kind::Yes, dialog);
        no = new BitBtn(u"取消(&N)"_s, BitBtn::Kind::No, dialog);
        no->move(0, 30);
    }
    void TearDown() override { ResetEndOfRunForTests(); }

    QWidget main;
    QPushButton* mainButton = nullptr;
    int mainClicks = 0;
    FormDialog* dialog = nullptr; // owned by main
    BitBtn* ok = nullptr;
    BitBtn* no = nullptr;
};

TEST_F(ShowModalTest, ReturnsTheResultOfTheButtonThatClosedIt) {
    tp::test::OnNextModal([this](QWidget& modal) {
        EXPECT_EQ(&modal, dialog);
        QTest::mouseClick(no, Qt::LeftButton);
    });
    EXPECT_EQ(ShowModal(*dialog), mrNo);
    EXPECT_FALSE(dialog->isVisible());

    tp::test::OnNextModal([this](QWidget&) { QTest::mouseClick(ok, Qt::LeftButton); });
    EXPECT_EQ(ShowModal(*dialog), mrYes);
}

TEST_F(ShowModalTest, CloseBoxGivesCancel) {
    tp::test::OnNextModal([](QWidget& modal) { modal.close(); });
    EXPECT_EQ(ShowModal(*dialog), mrCancel);
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
    ShowModal(*dialog);
    clickMain();
    EXPECT_EQ(mainClicks, 1) << "and answer again once the dialog is closed";
}

TEST_F(ShowModalTest, RefusesAVisibleDialog) {
    dialog->show();
    EXPECT_EQ(ShowModal(*dialog), mrCancel);
    EXPECT_TRUE(dialog->isVisible());
    dialog->hide();
}

TEST_F(ShowModalTest, AfterEndOfRunReturnsCancelAtOnceShowingNothing) {
    RequestEndOfRun();
    ASSERT_TRUE(EndOfRunRequested());
    ShowCounter counter(*dialog);
    // Should the dialog open after all, this closes it so the test fails instead of hanging.
    QTimer::singleShot(2000, dialog, [this] { dialog->done(mrOk); });
    EXPECT_EQ(ShowModal(*dialog), mrCancel);
    EXPECT_EQ(counter.shows, 0);
}

TEST_F(ShowModalTest, EndOfRunInsideAHandlerClosesTheOpenDialogAfterTheHandler) {
    auto* second = new FormDialog(&main);
    ShowCounter secondShows(*second);
    bool handlerFinished = false;
    int nestedResult = -1;
    QObject::connect(ok, &BitBtn::Click, dialog, [&] {
        RequestEndOfRun();
        // The handler runs on; a window it opens afterwards closes at once.
        nestedResult = ShowModal(*second);
        handlerFinished = true;
    });
    tp::test::OnNextModal([this](QWidget&) { QTest::mouseClick(ok, Qt::LeftButton); });
    EXPECT_EQ(ShowModal(*dialog), mrCancel);
    EXPECT_TRUE(handlerFinished);
    EXPECT_EQ(nestedResult, mrCancel);
    EXPECT_EQ(secondShows.shows, 0);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ShowModalTest, EndOfRunFromOutsideClosesAnOpenDialog) {
    tp::test::OnNextModal([](QWidget&) { RequestEndOfRun(); });
    EXPECT_EQ(ShowModal(*dialog), mrCancel);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ShowModalTest, NestedDialogsBothCloseOnEndOfRun) {
    auto* second = new FormDialog(dialog);
    int innerResult = -1;
    tp::test::OnNextModal([&](QWidget&) {
        tp::test::OnNextModal([](QWidget& inner) {
            EXPECT_TRUE(inner.isVisible());
            RequestEndOfRun();
        });
        innerResult = ShowModal(*second);
    });
    EXPECT_EQ(ShowModal(*dialog), mrCancel);
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
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        RequestEndOfRun();
        QWidget::closeEvent(event);
    }
};

TEST(EndOfRunInTheMainLoop, HandlerRunsToItsEndThenTheLoopEnds) {
    ResetEndOfRunForTests();
    EndingMainWindow main;
    main.show();
    FormDialog dialog(&main);
    bool handlerFinished = false;
    int dialogResult = -1;
    QTimer::singleShot(0, &main, [&] {
        main.close(); // inside a handler, as the endings do
        dialogResult = ShowModal(dialog);
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
    ResetEndOfRunForTests();
}

} // namespace
} // namespace tp::ui
