// SPDX-License-Identifier: MIT
#include "WindowsFixture.h"

#include "ui/toolkit/AmountSpin.h"
#include <QPlainTextEdit>

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QTextBlock>
#include <QTextLayout>

namespace tp::ui::testing {
namespace {

// The panel that holds `control`: the group box it lies in.
const QGroupBox* PanelOf(const QWidget* control) {
    for (const QWidget* up = control; up != nullptr; up = up->parentWidget()) {
        if (const auto* panel = qobject_cast<const QGroupBox*>(up)) {
            return panel;
        }
    }
    return nullptr;
}

// Exactly one of the six panels shows, at the top of the window: the one that holds the
// control on show (found by its name).
void ExpectOnlyPanelOf(QWidget& window, const QWidget* control) {
    const QGroupBox* shown = PanelOf(control);
    ASSERT_NE(shown, nullptr) << "no panel holds the control";
    const QList<QGroupBox*> panels = window.findChildren<QGroupBox*>();
    ASSERT_EQ(panels.size(), 6);
    for (const QGroupBox* box : panels) {
        EXPECT_EQ(box->isVisible(), box == shown) << box->objectName().toStdString();
    }
    EXPECT_EQ(shown->pos(), QPoint(3, 0));
}

// The controls of the panels as their player reads them.
AmountSpin* BankAmount(QWidget& window) {
    return Named<AmountSpin>(window, "金额");
}

QString BankAmountShown(QWidget& window) {
    const AmountSpin* amount = BankAmount(window);
    return amount == nullptr ? QStringLiteral("<no amount>") : amount->Edit()->displayText();
}

QPlainTextEdit* Text(QWidget& window, QAnyStringView name) {
    return Named<QPlainTextEdit>(window, name);
}

QStringList LinesOf(QWidget& window, QAnyStringView name) {
    const QPlainTextEdit* memo = Text(window, name);
    return memo == nullptr ? QStringList{QStringLiteral("<no text>")} : Lines(*memo);
}

class ServiceWindow : public WindowsTest {
protected:
    static QWidget* Focus() { return QApplication::focusWidget(); }
};

// Deposit and withdrawal by keyboard alone: the amount typed, Alt+O to confirm, the choice
// of withdrawing made with the arrow keys in the radio group, Alt+C to leave.
TEST_F(ServiceWindow, TheBankDepositsAndSwitchesToWithdrawing) {
    Start(5);
    script.Then([](QWidget& window) {
        AmountSpin* amount = BankAmount(window);
        ASSERT_NE(amount, nullptr);
        ExpectOnlyPanelOf(window, amount);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(amount->Amount(), 2000);
        // From the cancel button, Shift+Tab goes round to the amount and selects it.
        ASSERT_EQ(Focus(), ButtonOf(window, "取消(C)"));
        Key(window, Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(Focus(), amount);
        Type(window, QStringLiteral("1500"));
        EXPECT_EQ(BankAmountShown(window), QStringLiteral("1500"));
        Key(window, Qt::Key_O, Qt::AltModifier);
    });
    Click(Button("银行"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("500"));
    EXPECT_EQ(Shown("存款"), QStringLiteral("1500"));

    script.Then([](QWidget& window) {
        AmountSpin* amount = BankAmount(window);
        QAbstractButton* withdraw = ButtonOf(window, "取款");
        ASSERT_NE(amount, nullptr);
        ASSERT_NE(withdraw, nullptr);
        // The focus stayed on the amount; Shift+Tab reaches the checked deposit choice and
        // Right moves the choice to withdrawing.
        ASSERT_EQ(Focus(), amount);
        Key(window, Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(Focus(), ButtonOf(window, "存款"));
        Key(window, Qt::Key_Right);
        EXPECT_EQ(Focus(), withdraw);
        EXPECT_TRUE(withdraw->isChecked());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行取款"));
        EXPECT_EQ(amount->maximum(), 1500);
        EXPECT_EQ(amount->Amount(), 1500);
        Key(window, Qt::Key_Tab);
        ASSERT_EQ(Focus(), amount);
        Type(window, QStringLiteral("400"));
        Key(window, Qt::Key_O, Qt::AltModifier);
    });
    Click(Button("银行"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("900"));
    EXPECT_EQ(Shown("存款"), QStringLiteral("1100"));

    // Left in withdraw mode, the bank opens again in deposit mode with all the cash.
    script.Then([](QWidget& window) {
        QAbstractButton* deposit = ButtonOf(window, "存款");
        ASSERT_NE(deposit, nullptr);
        ASSERT_NE(BankAmount(window), nullptr);
        EXPECT_TRUE(deposit->isChecked());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(BankAmount(window)->Amount(), 900);
        Key(window, Qt::Key_C, Qt::AltModifier);
    });
    Click(Button("银行"));
    EXPECT_EQ(script.Seen().size(), 3u);
    EXPECT_EQ(Shown("现金"), QStringLiteral("900"));
    EXPECT_EQ(Shown("存款"), QStringLiteral("1100"));
}

// The same choices by pointer: each click on a choice asks for its offer afresh, a click on
// the choice already made changes nothing, and Enter in the amount confirms.
TEST_F(ServiceWindow, ClicksOnTheBanksChoicesSwitchItsOffer) {
    Start(5);
    Edit([](game::GameState& s) { s.deposit = 700; });
    script.Then([](QWidget& window) {
        AmountSpin* amount = BankAmount(window);
        QAbstractButton* withdraw = ButtonOf(window, "取款");
        QAbstractButton* deposit = ButtonOf(window, "存款");
        ASSERT_NE(amount, nullptr);
        ASSERT_NE(withdraw, nullptr);
        ASSERT_NE(deposit, nullptr);
        Click(withdraw);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行取款"));
        EXPECT_EQ(amount->maximum(), 700);
        EXPECT_EQ(BankAmountShown(window), QStringLiteral("700"));
        Click(deposit);
        EXPECT_TRUE(deposit->isChecked());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(BankAmountShown(window), QStringLiteral("2,000"));
        Click(withdraw);
        EXPECT_EQ(BankAmountShown(window), QStringLiteral("700"));
        Click(amount->Edit());
        Key(window, Qt::Key_A, Qt::ControlModifier);
        Type(window, QStringLiteral("300"));
        // A fresh offer would put the whole deposit back in the amount.
        Click(withdraw);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行取款"));
        EXPECT_EQ(BankAmountShown(window), QStringLiteral("300")) << "the choice was already made";
        // Enter on a choice confirms, as anywhere but on another button.
        Key(window, Qt::Key_Return);
    });
    Click(Button("银行"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("2300"));
    EXPECT_EQ(Shown("存款"), QStringLiteral("400"));
}

TEST_F(ServiceWindow, LargeCashIsOfferedWholeByTheBank) {
    Start(5);
    Edit([](game::GameState& s) { s.cash = 2100000000; });
    script.Then([](QWidget& window) {
        AmountSpin* amount = BankAmount(window);
        ASSERT_NE(amount, nullptr);
        EXPECT_EQ(amount->Amount(), 2100000000);
        EXPECT_EQ(amount->Edit()->text(), QStringLiteral("2,100,000,000"));
        Key(window, Qt::Key_O, Qt::AltModifier);
    });
    Click(Button("银行"));
    EXPECT_EQ(Shown("存款"), QStringLiteral("2100000000"));
}

// The hospital's buttons have no mnemonics: Esc leaves, Tab to the treatment and Enter accept.
TEST_F(ServiceWindow, TheHospitalTreatsOrTurnsAwayTheHealthy) {
    Start(5);
    script.Then([](QWidget& window) {
        QAbstractButton* treat = ButtonOf(window, "接受治疗");
        AmountSpin* points = Named<AmountSpin>(window, "治疗点数");
        ASSERT_NE(treat, nullptr);
        ASSERT_NE(points, nullptr);
        ExpectOnlyPanelOf(window, treat);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("定期检查"));
        EXPECT_FALSE(treat->isEnabled());
        EXPECT_EQ(points->Amount(), 0);
        const QStringList doctor = LinesOf(window, "医生的话");
        ASSERT_EQ(doctor.size(), 1);
        EXPECT_TRUE(doctor[0].endsWith(QStringLiteral("精神科在隔壁挂号！\"")));
        Key(window, Qt::Key_Escape);
    });
    Click(Button("医院"));
    EXPECT_EQ(DialogsShown(), QStringList());

    Edit([](game::GameState& s) {
        s.health = 90;
        s.cash = 5000;
    });
    script.Then([](QWidget& window) {
        QAbstractButton* treat = ButtonOf(window, "接受治疗");
        AmountSpin* points = Named<AmountSpin>(window, "治疗点数");
        ASSERT_NE(treat, nullptr);
        ASSERT_NE(points, nullptr);
        EXPECT_TRUE(treat->isEnabled());
        EXPECT_EQ(points->Amount(), 10);
        const QStringList doctor = LinesOf(window, "医生的话");
        ASSERT_EQ(doctor.size(), 1);
        EXPECT_TRUE(doctor[0].startsWith(QStringLiteral("几位医师会诊")));
        ASSERT_EQ(QApplication::focusWidget(), ButtonOf(window, "太贵算了"));
        Key(window, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), treat);
        Key(window, Qt::Key_Return);
    });
    Click(Button("医院"));
    EXPECT_EQ(Shown("健康"), QStringLiteral("100"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("4000"));
}

TEST_F(ServiceWindow, TheInternetCafeRepaysTheDebt) {
    Start(5);
    Edit([](game::GameState& s) { s.cash = 5000; });
    script.Then([](QWidget& window) {
        AmountSpin* repayment = Named<AmountSpin>(window, "还款金额");
        ASSERT_NE(repayment, nullptr);
        ExpectOnlyPanelOf(window, repayment);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("网吧"));
        EXPECT_EQ(repayment->Amount(), 3000);
        EXPECT_EQ(LinesOf(window, "网吧的提示").size(), 3);
        ASSERT_EQ(QApplication::focusWidget(), ButtonOf(window, "算了"));
        Key(window, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), ButtonOf(window, "还钱"));
        Key(window, Qt::Key_Space);
    });
    Click(Button("网吧"));
    EXPECT_EQ(Shown("欠款"), QStringLiteral("0"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("2000"));
}

TEST_F(ServiceWindow, TheInternetCafeLetsThePlayerLeaveWithEscape) {
    Start(5);
    script.Then([this](QWidget& window) {
        Key(window, Qt::Key_Tab);
        Key(window, Qt::Key_Escape);
    });
    Click(Button("网吧"));
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_EQ(Shown("欠款"), QStringLiteral("3000"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("2000"));
}

TEST_F(ServiceWindow, TheAgencySellsStorageOnce) {
    Start(5);
    Edit([](game::GameState& s) { s.cash = 9999; });
    script.Then([](QWidget& window) {
        ExpectOnlyPanelOf(window, Text(window, "中介老板的话"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("中介"));
        Press(window, "买下");
    });
    script.Then([this](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("哦！您的钱不够!欢迎再次光临!")));
        Key(window, Qt::Key_Return);
    });
    Click(Button("中介"));
    EXPECT_EQ(script.Seen().size(), 2u);
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_EQ(State().storage, 200);

    // The focus stayed on the button clicked last time: Enter presses it again.
    Edit([](game::GameState& s) { s.cash = 10000; });
    script.Then([this](QWidget& window) {
        ASSERT_EQ(QApplication::focusWidget(), ButtonOf(window, "买下"));
        Key(window, Qt::Key_Return);
    });
    Click(Button("中介"));
    EXPECT_EQ(State().storage, 300);
    EXPECT_EQ(Shown("现金"), QStringLiteral("0"));

    Edit([](game::GameState& s) { s.cash = 50000; });
    script.Then([](QWidget& window) {
        QAbstractButton* buy = ButtonOf(window, "买下");
        ASSERT_NE(buy, nullptr);
        EXPECT_FALSE(buy->isEnabled());
        Key(window, Qt::Key_Escape);
    });
    Click(Button("中介"));
    EXPECT_EQ(State().storage, 300);
    EXPECT_EQ(Shown("现金"), QStringLiteral("50000"));
}

TEST_F(ServiceWindow, StatementAndHelpShowTheirTextsAndCloseWithEscape) {
    Start(5);
    script.Then([](QWidget& window) {
        ExpectOnlyPanelOf(window, Text(window, "作者的声明"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("作者的声明"));
        const QStringList statement = LinesOf(window, "作者的声明");
        ASSERT_GT(statement.size(), 2);
        EXPECT_TRUE(statement[2].startsWith(QStringLiteral("戏只作为娱乐之用")));
        Key(window, Qt::Key_Escape);
    });
    Click(Button("声明"));
    script.Then([](QWidget& window) {
        ExpectOnlyPanelOf(window, Text(window, "游戏帮助"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("游戏帮助"));
        // The help's seven lines, then the keys of the actions without a button.
        const QStringList help = LinesOf(window, "游戏帮助");
        ASSERT_EQ(help.size(), 14);
        EXPECT_TRUE(help[6].startsWith(QStringLiteral("即可。")));
        EXPECT_EQ(help[7], QString());
        EXPECT_TRUE(help[13].startsWith(QStringLiteral("Shift+F10")));
        // Esc leaves wherever the focus is, in the text too.
        Key(window, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Text(window, "游戏帮助"));
        Key(window, Qt::Key_Escape);
    });
    Click(Button("帮助"));
    // Help first, then the bank: only the bank shows, at the top.
    script.Then([](QWidget& window) {
        ExpectOnlyPanelOf(window, BankAmount(window));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(window.focusWidget(), ButtonOf(window, "取消(C)"))
            << "focus starts on the panel's cancel button";
        // Enter presses the button that has the focus.
        Key(window, Qt::Key_Return);
    });
    Click(Button("银行"));
    EXPECT_EQ(script.Seen().size(), 3u);
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_EQ(Shown("现金"), QStringLiteral("2000"));
}

// Each fixed line is one display line of its memo, and all of them are in view: the memos
// have no scroll bars, so a line that wrapped would push the last one out of sight.
TEST_F(ServiceWindow, FixedTextsFitTheirMemosLineForLine) {
    Start(5);
    const auto fits = [](QPlainTextEdit* memo) {
        ASSERT_NE(memo, nullptr);
        memo->grab(); // lays the text out as a paint would
        int displayLines = 0;
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
            ASSERT_NE(block.layout(), nullptr);
            EXPECT_EQ(block.layout()->lineCount(), 1)
                << memo->objectName().toStdString() << ": " << block.text().toStdString();
            displayLines += block.layout()->lineCount();
        }
        const int lineHeight = QFontMetrics(memo->font()).lineSpacing();
        if (memo->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
            EXPECT_LE(displayLines * lineHeight, memo->viewport()->height())
                << memo->objectName().toStdString();
        }
    };
    script.Then([&](QWidget& window) {
        fits(Text(window, "作者的声明"));
        Press(window, "明白了");
    });
    Click(Button("声明"));
    script.Then([&](QWidget& window) {
        fits(Text(window, "游戏帮助"));
        Press(window, "明白了");
    });
    Click(Button("帮助"));
    script.Then([&](QWidget& window) {
        fits(Text(window, "中介老板的话"));
        Press(window, "算了");
    });
    Click(Button("中介"));
    script.Then([&](QWidget& window) {
        fits(Text(window, "网吧的提示"));
        Press(window, "算了");
    });
    Click(Button("网吧"));
    EXPECT_EQ(script.Seen().size(), 4u);
    EXPECT_EQ(DialogsShown(), QStringList());
}

} // namespace
} // namespace tp::ui::testing
