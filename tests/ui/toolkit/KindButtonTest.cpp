// SPDX-License-Identifier: MIT
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/GameDialog.h"
#include "ui/toolkit/Memo.h"
#include "ui/toolkit/ModalResult.h"

#include "tests/ui/toolkit/QtTestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

using Kind = KindButton::Kind;

// What a button of each kind does alone in a dialog: the result a click leaves, whether the
// click closes the dialog, and whether Enter or Esc, with the focus on no button, press it.
struct KindCase {
    const char* name;
    Kind kind;
    int result;
    bool closes;
    bool enterPresses;
    bool escPresses;
};

void PrintTo(const KindCase& kindCase, std::ostream* out) {
    *out << kindCase.name;
}

class KindInADialog : public ::testing::TestWithParam<KindCase> {
protected:
    void SetUp() override {
        button = new KindButton(u"x"_s, GetParam().kind, &dialog);
        // Keys go to the dialog, as when the focus is on a control that is no button.
        button->setFocusPolicy(Qt::NoFocus);
        QObject::connect(button, &KindButton::Click, &dialog, [this] {
            ++clicks;
            openInHandler = dialog.isVisible();
        });
        dialog.setResult(mrNone);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.setFocus();
    }

    GameDialog dialog;
    KindButton* button = nullptr;
    int clicks = 0;
    bool openInHandler = false;
};

TEST_P(KindInADialog, AClickRunsTheHandlerThenLeavesTheKindsResult) {
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(openInHandler);
    EXPECT_EQ(dialog.result(), GetParam().result);
    EXPECT_EQ(dialog.isVisible(), !GetParam().closes);
}

TEST_P(KindInADialog, EnterPressesOnlyTheConfirmingKinds) {
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(clicks, GetParam().enterPresses ? 1 : 0);
    EXPECT_EQ(dialog.isVisible(), !GetParam().enterPresses);
    EXPECT_EQ(dialog.result(), GetParam().enterPresses ? GetParam().result : mrNone);
}

TEST_P(KindInADialog, EscPressesOnlyTheCancellingKinds) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(clicks, GetParam().escPresses ? 1 : 0);
    EXPECT_EQ(dialog.isVisible(), !GetParam().escPresses);
    EXPECT_EQ(dialog.result(), GetParam().escPresses ? GetParam().result : mrNone);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, KindInADialog,
    ::testing::Values(KindCase{"Custom", Kind::Custom, mrNone, false, false, false},
                      KindCase{"OK", Kind::OK, mrOk, true, true, false},
                      KindCase{"Cancel", Kind::Cancel, mrCancel, true, false, true},
                      KindCase{"Yes", Kind::Yes, mrYes, true, true, false},
                      KindCase{"No", Kind::No, mrNo, true, false, true}),
    [](const ::testing::TestParamInfo<KindCase>& param) { return std::string(param.param.name); });

// A trade-dialog-like window: a Yes button, a No button, a spin edit, no Tab stops.
class DialogKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.SetClientSize(187, 59);
        yes = new KindButton(u"确定(&O)"_s, Kind::Yes, &dialog);
        yes->setGeometry(112, 0, 73, 25);
        no = new KindButton(u"取消(&N)"_s, Kind::No, &dialog);
        no->setGeometry(112, 32, 73, 25);
        yes->setFocusPolicy(Qt::ClickFocus);
        no->setFocusPolicy(Qt::ClickFocus);
        spin = new AmountSpin(&dialog);
        spin->PlaceOver(QRect(32, 32, 33, 20), QRect(65, 32, 15, 20));
        spin->setFocusPolicy(Qt::ClickFocus);
        QObject::connect(yes, &KindButton::Click, &dialog, [this] {
            ++yesClicks;
            visibleInHandler = dialog.isVisible();
            resultInHandler = dialog.result();
        });
        QObject::connect(no, &KindButton::Click, &dialog, [this] { ++noClicks; });
        Show();
    }

    void Show() {
        dialog.setResult(mrNone);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // Sends a key where the window system would: to the focus widget, else the window.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr || target->window() != &dialog) {
            target = &dialog;
        }
        QTest::keyClick(target, key, modifiers);
    }

    GameDialog dialog;
    KindButton* yes = nullptr;
    KindButton* no = nullptr;
    AmountSpin* spin = nullptr;
    int yesClicks = 0;
    int noClicks = 0;
    bool visibleInHandler = false;
    int resultInHandler = -1;
};

TEST_F(DialogKeysTest, ClickSetsResultRunsHandlerThenCloses) {
    QTest::mouseClick(yes, Qt::LeftButton);
    EXPECT_EQ(yesClicks, 1);
    EXPECT_TRUE(visibleInHandler) << "the handler runs while the dialog is still open";
    EXPECT_EQ(resultInHandler, mrYes) << "the result is taken before the handler runs";
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), mrYes);
}

TEST_F(DialogKeysTest, HandlerMayKeepTheDialogOpen) {
    QObject::connect(yes, &KindButton::Click, &dialog, [this] { dialog.setResult(mrNone); });
    QTest::mouseClick(yes, Qt::LeftButton);
    EXPECT_EQ(yesClicks, 1);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DialogKeysTest, EnterWithNoFocusedButtonPressesTheDefault) {
    ASSERT_EQ(dialog.DefaultButton(), yes);
    Press(Qt::Key_Return);
    EXPECT_EQ(yesClicks, 1);
    EXPECT_EQ(dialog.result(), mrYes);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogKeysTest, KeypadEnterFromTheSpinEditPressesTheDefault) {
    spin->setFocus();
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(yesClicks, 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogKeysTest, EnterOnAFocusedButtonPressesThatButton) {
    no->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(noClicks, 1);
    EXPECT_EQ(yesClicks, 0);
    EXPECT_EQ(dialog.result(), mrNo);
}

TEST_F(DialogKeysTest, EscPressesTheCancelButtonWhereverTheFocusIs) {
    spin->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_EQ(noClicks, 1);
    EXPECT_EQ(dialog.result(), mrNo);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogKeysTest, CloseBoxClosesWithCancel) {
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), mrCancel);
    EXPECT_EQ(yesClicks + noClicks, 0);
}

TEST_F(DialogKeysTest, DisabledDefaultIgnoresEnterClicksAndMnemonic) {
    yes->setEnabled(false);
    Press(Qt::Key_Return);
    QTest::mouseClick(yes, Qt::LeftButton);
    Press(Qt::Key_O, Qt::AltModifier);
    QTest::qWait(250); // a mnemonic click is animated; give it time to land
    EXPECT_EQ(yesClicks, 0);
    EXPECT_TRUE(dialog.isVisible()) << "only cancelling closes the dialog now";
    Press(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogKeysTest, DisabledCancelIgnoresEsc) {
    no->setEnabled(false);
    Press(Qt::Key_Escape);
    EXPECT_EQ(noClicks, 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DialogKeysTest, MnemonicsPressTheirButtons) {
    Press(Qt::Key_N, Qt::AltModifier);
    ASSERT_TRUE(tp::test::WaitUntil([this] { return noClicks == 1; }));
    EXPECT_FALSE(dialog.isVisible());
    Show();
    Press(Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(tp::test::WaitUntil([this] { return yesClicks == 1; }));
    EXPECT_EQ(dialog.result(), mrYes);
}

TEST(DialogKeys, ReadOnlyMemoKeepsEnterToItself) {
    GameDialog dialog;
    auto* ok = new KindButton(u"OK"_s, Kind::OK, &dialog);
    auto* memo = new Memo(&dialog);
    memo->setReadOnly(true);
    memo->move(0, 30);
    int clicks = 0;
    QObject::connect(ok, &KindButton::Click, &dialog, [&clicks] { ++clicks; });
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(dialog.isVisible());
}

// A service-window-like dialog: two panels at the same place, each with a confirm and a
// cancel button; only the shown panel's buttons may answer.
class PanelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.SetClientSize(317, 152);
        for (int i = 0; i < 2; ++i) {
            panels[i] = new QGroupBox(&dialog);
            panels[i]->setGeometry(3, 0, 313, 152);
            cancels[i] = new KindButton(i == 0 ? u"取消(&C)"_s : u"算了"_s, Kind::No, panels[i]);
            cancels[i]->setGeometry(200, 120, 89, 25);
            oks[i] = new KindButton(i == 0 ? u"确定(&O)"_s : u"还钱"_s, Kind::OK, panels[i]);
            oks[i]->setGeometry(200, 80, 89, 25);
            QObject::connect(oks[i], &KindButton::Click, &dialog, [this, i] { ++okClicks[i]; });
            QObject::connect(cancels[i], &KindButton::Click, &dialog,
                             [this, i] { ++cancelClicks[i]; });
        }
    }

    void ShowPanel(int shown) {
        panels[0]->setVisible(shown == 0);
        panels[1]->setVisible(shown == 1);
        dialog.setResult(mrNone);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.setFocus();
    }

    GameDialog dialog;
    QGroupBox* panels[2] = {};
    KindButton* oks[2] = {};
    KindButton* cancels[2] = {};
    int okClicks[2] = {};
    int cancelClicks[2] = {};
};

TEST_F(PanelsTest, EnterAndEscReachOnlyTheShownPanel) {
    ShowPanel(1);
    EXPECT_EQ(dialog.DefaultButton(), oks[1]);
    EXPECT_EQ(dialog.CancelButton(), cancels[1]);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(okClicks[0], 0);
    EXPECT_EQ(okClicks[1], 1);
    EXPECT_EQ(dialog.result(), mrOk);

    ShowPanel(1);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks[0], 0);
    EXPECT_EQ(cancelClicks[1], 1);
    EXPECT_EQ(dialog.result(), mrNo);
}

TEST_F(PanelsTest, HiddenPanelIgnoresItsMnemonics) {
    ShowPanel(1);
    QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
    QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
    QTest::qWait(250);
    EXPECT_EQ(okClicks[0] + cancelClicks[0], 0);
    EXPECT_TRUE(dialog.isVisible());

    ShowPanel(0);
    QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(tp::test::WaitUntil([this] { return cancelClicks[0] == 1; }));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PanelsTest, DisabledPanelButtonsDoNotAnswer) {
    ShowPanel(0);
    panels[0]->setEnabled(false);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTest::mouseClick(oks[0], Qt::LeftButton);
    EXPECT_EQ(okClicks[0] + cancelClicks[0], 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(KindButtonGlyph, SitsBesideTheCaptionAtItsOwnSize) {
    QPixmap normal(18, 18);
    normal.fill(Qt::green);
    KindButton button(u"确定(&O)"_s, Kind::OK);
    button.SetGlyph(QIcon(normal));
    EXPECT_FALSE(button.icon().isNull());
    EXPECT_EQ(button.iconSize(), QSize(18, 18));
    EXPECT_EQ(button.text(), u"确定(&O)"_s);
}

} // namespace
} // namespace tp::ui
