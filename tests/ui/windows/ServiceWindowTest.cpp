// SPDX-License-Identifier: MIT
#include "WindowsFixture.h"

#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/Memo.h"
#include "ui/toolkit/RadioButton.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QTextBlock>
#include <QTextLayout>

namespace tp::ui::testing {
namespace {

class ServiceWindow : public WindowsTest {
protected:
    // Exactly one panel shows, at the top of the window.
    void ExpectOnly(QGroupBox* shown) {
        ui::ServiceWindow& s = Services();
        for (QGroupBox* box : {s.bankPanel, s.hospitalPanel, s.internetCafePanel, s.agencyPanel,
                               s.statementPanel, s.helpPanel}) {
            EXPECT_EQ(box->isVisible(), box == shown) << box->objectName().toStdString();
        }
        EXPECT_EQ(shown->pos(), QPoint(3, 0));
    }
    static QWidget* Focus() { return QApplication::focusWidget(); }
    QString BankAmountShown() { return Services().bankAmountSpin->Edit()->displayText(); }
};

// Deposit and withdrawal by keyboard alone: the amount typed, Alt+O to confirm, the choice
// of withdrawing made with the arrow keys in the radio group, Alt+C to leave.
TEST_F(ServiceWindow, TheBankDepositsAndSwitchesToWithdrawing) {
    Start(5);
    script.Then([this](QWidget& window) {
        ExpectOnly(Services().bankPanel);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(Services().bankAmountSpin->Position(), 2000);
        // From the cancel button, Shift+Tab goes round to the amount and selects it.
        ASSERT_EQ(Focus(), Services().bankCancelButton);
        Key(window, Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(Focus(), Services().bankAmountSpin);
        Type(window, QStringLiteral("1500"));
        EXPECT_EQ(BankAmountShown(), QStringLiteral("1500"));
        Key(window, Qt::Key_O, Qt::AltModifier);
    });
    Click(Main().bankButton);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("500"));
    EXPECT_EQ(Main().depositBox->text(), QStringLiteral("1500"));

    script.Then([this](QWidget& window) {
        // The focus stayed on the amount; Shift+Tab reaches the checked deposit choice and
        // Right moves the choice to withdrawing.
        ASSERT_EQ(Focus(), Services().bankAmountSpin);
        Key(window, Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(Focus(), Services().depositChoice);
        Key(window, Qt::Key_Right);
        EXPECT_EQ(Focus(), Services().withdrawChoice);
        EXPECT_TRUE(Services().withdrawChoice->isChecked());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行取款"));
        EXPECT_EQ(Services().bankAmountSpin->Max(), 1500);
        EXPECT_EQ(Services().bankAmountSpin->Position(), 1500);
        Key(window, Qt::Key_Tab);
        ASSERT_EQ(Focus(), Services().bankAmountSpin);
        Type(window, QStringLiteral("400"));
        Key(window, Qt::Key_O, Qt::AltModifier);
    });
    Click(Main().bankButton);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("900"));
    EXPECT_EQ(Main().depositBox->text(), QStringLiteral("1100"));

    // Left in withdraw mode, the bank opens again in deposit mode with all the cash.
    script.Then([this](QWidget& window) {
        EXPECT_TRUE(Services().depositChoice->isChecked());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(Services().bankAmountSpin->Position(), 900);
        Key(window, Qt::Key_C, Qt::AltModifier);
    });
    Click(Main().bankButton);
    EXPECT_EQ(script.Seen().size(), 3u);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("900"));
    EXPECT_EQ(Main().depositBox->text(), QStringLiteral("1100"));
}

// The same choices by pointer: each click on a choice asks for its offer afresh, a click on
// the choice already made changes nothing, and Enter in the amount confirms.
TEST_F(ServiceWindow, ClicksOnTheBanksChoicesSwitchItsOffer) {
    Start(5);
    Edit([](game::GameState& s) { s.deposit = 700; });
    script.Then([this](QWidget& window) {
        Click(Services().withdrawChoice);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行取款"));
        EXPECT_EQ(Services().bankAmountSpin->Max(), 700);
        EXPECT_EQ(BankAmountShown(), QStringLiteral("700"));
        Click(Services().depositChoice);
        EXPECT_TRUE(Services().depositChoice->isChecked());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(BankAmountShown(), QStringLiteral("2,000"));
        Click(Services().withdrawChoice);
        EXPECT_EQ(BankAmountShown(), QStringLiteral("700"));
        Click(Services().bankAmountSpin->Edit());
        Key(window, Qt::Key_A, Qt::ControlModifier);
        Type(window, QStringLiteral("300"));
        // A fresh offer would put the whole deposit back in the amount.
        Click(Services().withdrawChoice);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行取款"));
        EXPECT_EQ(BankAmountShown(), QStringLiteral("300")) << "the choice was already made";
        // Enter on a choice confirms, as anywhere but on another button.
        Key(window, Qt::Key_Return);
    });
    Click(Main().bankButton);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("2300"));
    EXPECT_EQ(Main().depositBox->text(), QStringLiteral("400"));
}

TEST_F(ServiceWindow, LargeCashIsOfferedWholeByTheBank) {
    Start(5);
    Edit([](game::GameState& s) { s.cash = 2100000000; });
    script.Then([this](QWidget& window) {
        EXPECT_EQ(Services().bankAmountSpin->Position(), 2100000000);
        EXPECT_EQ(Services().bankAmountSpin->Edit()->text(), QStringLiteral("2,100,000,000"));
        Key(window, Qt::Key_O, Qt::AltModifier);
    });
    Click(Main().bankButton);
    EXPECT_EQ(Main().depositBox->text(), QStringLiteral("2100000000"));
}

// The hospital's buttons have no mnemonics: Esc leaves, Tab to the treatment and Enter accept.
TEST_F(ServiceWindow, TheHospitalTreatsOrTurnsAwayTheHealthy) {
    Start(5);
    script.Then([this](QWidget& window) {
        ExpectOnly(Services().hospitalPanel);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("定期检查"));
        EXPECT_FALSE(Services().treatmentButton->isEnabled());
        EXPECT_EQ(Services().treatmentSpin->Position(), 0);
        ASSERT_EQ(Services().doctorText->Lines().size(), 1);
        EXPECT_TRUE(
            Services().doctorText->Lines()[0].endsWith(QStringLiteral("精神科在隔壁挂号！\"")));
        Key(window, Qt::Key_Escape);
    });
    Click(Main().hospitalButton);
    EXPECT_FALSE(Services().isVisible());

    Edit([](game::GameState& s) {
        s.health = 90;
        s.cash = 5000;
    });
    script.Then([this](QWidget& window) {
        EXPECT_TRUE(Services().treatmentButton->isEnabled());
        EXPECT_EQ(Services().treatmentSpin->Position(), 10);
        ASSERT_EQ(Services().doctorText->Lines().size(), 1);
        EXPECT_TRUE(Services().doctorText->Lines()[0].startsWith(QStringLiteral("几位医师会诊")));
        ASSERT_EQ(QApplication::focusWidget(), Services().hospitalCancelButton);
        Key(window, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Services().treatmentButton);
        Key(window, Qt::Key_Return);
    });
    Click(Main().hospitalButton);
    EXPECT_EQ(Main().healthBox->text(), QStringLiteral("100"));
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("4000"));
}

TEST_F(ServiceWindow, TheInternetCafeRepaysTheDebt) {
    Start(5);
    Edit([](game::GameState& s) { s.cash = 5000; });
    script.Then([this](QWidget& window) {
        ExpectOnly(Services().internetCafePanel);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("网吧"));
        EXPECT_EQ(Services().repaymentSpin->Position(), 3000);
        EXPECT_EQ(Services().cafeText->Lines().size(), 3);
        ASSERT_EQ(QApplication::focusWidget(), Services().cafeCancelButton);
        Key(window, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Services().repayButton);
        Key(window, Qt::Key_Space);
    });
    Click(Main().internetCafeButton);
    EXPECT_EQ(Main().debtBox->text(), QStringLiteral("0"));
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("2000"));
}

TEST_F(ServiceWindow, TheInternetCafeLetsThePlayerLeaveWithEscape) {
    Start(5);
    script.Then([this](QWidget& window) {
        Key(window, Qt::Key_Tab);
        Key(window, Qt::Key_Escape);
    });
    Click(Main().internetCafeButton);
    EXPECT_FALSE(Services().isVisible());
    EXPECT_EQ(Main().debtBox->text(), QStringLiteral("3000"));
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("2000"));
}

TEST_F(ServiceWindow, TheAgencySellsStorageOnce) {
    Start(5);
    Edit([](game::GameState& s) { s.cash = 9999; });
    script.Then([this](QWidget& window) {
        ExpectOnly(Services().agencyPanel);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("中介"));
        Press(window, "buyStorageButton");
    });
    script.Then([this](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("哦！您的钱不够!欢迎再次光临!")));
        Key(window, Qt::Key_Return);
    });
    Click(Main().agencyButton);
    EXPECT_EQ(script.Seen().size(), 2u);
    EXPECT_FALSE(Services().isVisible());
    EXPECT_EQ(State().storage, 200);

    // The focus stayed on the button clicked last time: Enter presses it again.
    Edit([](game::GameState& s) { s.cash = 10000; });
    script.Then([this](QWidget& window) {
        ASSERT_EQ(QApplication::focusWidget(), Services().buyStorageButton);
        Key(window, Qt::Key_Return);
    });
    Click(Main().agencyButton);
    EXPECT_EQ(State().storage, 300);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("0"));

    Edit([](game::GameState& s) { s.cash = 50000; });
    script.Then([this](QWidget& window) {
        EXPECT_FALSE(Services().buyStorageButton->isEnabled());
        Key(window, Qt::Key_Escape);
    });
    Click(Main().agencyButton);
    EXPECT_EQ(State().storage, 300);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("50000"));
}

TEST_F(ServiceWindow, StatementAndHelpShowTheirTextsAndCloseWithEscape) {
    Start(5);
    script.Then([this](QWidget& window) {
        ExpectOnly(Services().statementPanel);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("作者的声明"));
        EXPECT_TRUE(
            Services().statementText->Lines()[2].startsWith(QStringLiteral("戏只作为娱乐之用")));
        Key(window, Qt::Key_Escape);
    });
    Click(Main().statementButton);
    script.Then([this](QWidget& window) {
        ExpectOnly(Services().helpPanel);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("游戏帮助"));
        EXPECT_EQ(Services().helpText->Lines().size(), 7);
        // Esc leaves wherever the focus is, in the text too.
        Key(window, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Services().helpText);
        Key(window, Qt::Key_Escape);
    });
    Click(Main().helpButton);
    // Help first, then the bank: only the bank shows, at the top.
    script.Then([this](QWidget& window) {
        ExpectOnly(Services().bankPanel);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(Services().focusWidget(), Services().bankCancelButton)
            << "focus starts on the panel's cancel button";
        // Enter presses the button that has the focus.
        Key(window, Qt::Key_Return);
    });
    Click(Main().bankButton);
    EXPECT_EQ(script.Seen().size(), 3u);
    EXPECT_FALSE(Services().isVisible());
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("2000"));
}

// Each fixed line is one display line of its memo, and all of them are in view: the memos
// have no scroll bars, so a line that wrapped would push the last one out of sight.
TEST_F(ServiceWindow, FixedTextsFitTheirMemosLineForLine) {
    Start(5);
    const auto fits = [](Memo* memo) {
        memo->grab(); // lays the text out as a paint would
        int displayLines = 0;
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
            ASSERT_NE(block.layout(), nullptr);
            EXPECT_EQ(block.layout()->lineCount(), 1)
                << memo->objectName().toStdString() << ": " << block.text().toStdString();
            displayLines += block.layout()->lineCount();
        }
        const int lineHeight = QFontMetrics(memo->font()).lineSpacing();
        EXPECT_LE(displayLines * lineHeight, memo->viewport()->height())
            << memo->objectName().toStdString();
    };
    script.Then([&](QWidget& window) {
        fits(Services().statementText);
        Press(window, "statementCloseButton");
    });
    Click(Main().statementButton);
    script.Then([&](QWidget& window) {
        fits(Services().helpText);
        Press(window, "helpCloseButton");
    });
    Click(Main().helpButton);
    script.Then([&](QWidget& window) {
        fits(Services().agencyText);
        Press(window, "agencyCancelButton");
    });
    Click(Main().agencyButton);
    script.Then([&](QWidget& window) {
        fits(Services().cafeText);
        Press(window, "cafeCancelButton");
    });
    Click(Main().internetCafeButton);
    EXPECT_EQ(script.Seen().size(), 4u);
    EXPECT_FALSE(Services().isVisible());
}

} // namespace
} // namespace tp::ui::testing
