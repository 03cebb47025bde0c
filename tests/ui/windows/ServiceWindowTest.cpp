#include "WindowsFixture.h"

#include "ui/toolkit/BitBtn.h"
#include "ui/toolkit/Memo.h"
#include "ui/toolkit/RadioButton.h"
#include "ui/toolkit/SpinEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QTextBlock>
#include <QTextLayout>

namespace tp::ui::testing {
namespace {

class ServiceWindow : public WindowsTest {
protected:
    // Exactly one panel shows, at the top of the window.
    static void ExpectOnly(QGroupBox* shown) {
        for (QGroupBox* box :
             {Form4->box1, Form4->Box2, Form4->Box3, Form4->Box4, Form4->Box5, Form4->box6}) {
            EXPECT_EQ(box->isVisible(), box == shown) << box->objectName().toStdString();
        }
        EXPECT_EQ(shown->pos(), QPoint(3, 0));
    }
};

TEST_F(ServiceWindow, TheBankDepositsAndSwitchesToWithdrawing) {
    Start(5);
    script.Then([](QWidget& window) {
        ExpectOnly(Form4->box1);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(Form4->UpDown1->Position(), 2000);
        Form4->UpDown1->SetPosition(1500);
        Press(window, "BitBtn1");
    });
    Form1->BitBtn2->click();
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("500"));
    EXPECT_EQ(Form1->gr_fund->text(), QStringLiteral("1500"));

    script.Then([](QWidget& window) {
        Form4->RadioButton2->click();
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行取款"));
        EXPECT_EQ(Form4->UpDown1->Max(), 1500);
        EXPECT_EQ(Form4->UpDown1->Position(), 1500);
        Form4->UpDown1->SetPosition(400);
        Press(window, "BitBtn1");
    });
    Form1->BitBtn2->click();
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("900"));
    EXPECT_EQ(Form1->gr_fund->text(), QStringLiteral("1100"));

    // Left in withdraw mode, the bank opens again in deposit mode with all the cash.
    script.Then([](QWidget& window) {
        EXPECT_TRUE(Form4->RadioButton1->isChecked());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(Form4->UpDown1->Position(), 900);
        Press(window, "BitBtn2");
    });
    Form1->BitBtn2->click();
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("900"));
}

TEST_F(ServiceWindow, LargeCashIsOfferedWholeByTheBank) {
    Start(5);
    State().Money = 2100000000;
    script.Then([](QWidget& window) {
        EXPECT_EQ(Form4->UpDown1->Position(), 2100000000);
        EXPECT_EQ(Form4->UpDown1->Edit()->text(), QStringLiteral("2,100,000,000"));
        Press(window, "BitBtn1");
    });
    Form1->BitBtn2->click();
    EXPECT_EQ(Form1->gr_fund->text(), QStringLiteral("2100000000"));
}

TEST_F(ServiceWindow, TheHospitalTreatsOrTurnsAwayTheHealthy) {
    Start(5);
    script.Then([](QWidget& window) {
        ExpectOnly(Form4->Box2);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("定期检查"));
        EXPECT_FALSE(Form4->BitBtn4->isEnabled());
        EXPECT_EQ(Form4->UpDown2->Position(), 0);
        ASSERT_EQ(Form4->Memo1->Lines().size(), 1);
        EXPECT_TRUE(Form4->Memo1->Lines()[0].endsWith(QStringLiteral("精神科在隔壁挂号！\"")));
        Press(window, "BitBtn3");
    });
    Form1->BitBtn1->click();

    State().Health = 90;
    State().Money = 5000;
    script.Then([](QWidget& window) {
        EXPECT_TRUE(Form4->BitBtn4->isEnabled());
        EXPECT_EQ(Form4->UpDown2->Position(), 10);
        ASSERT_EQ(Form4->Memo1->Lines().size(), 1);
        EXPECT_TRUE(Form4->Memo1->Lines()[0].startsWith(QStringLiteral("几位医师会诊")));
        Press(window, "BitBtn4");
    });
    Form1->BitBtn1->click();
    EXPECT_EQ(Form1->gr_health->text(), QStringLiteral("100"));
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("4000"));
}

TEST_F(ServiceWindow, TheInternetCafeRepaysTheDebt) {
    Start(5);
    State().Money = 5000;
    script.Then([](QWidget& window) {
        ExpectOnly(Form4->Box3);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("网吧"));
        EXPECT_EQ(Form4->UpDown3->Position(), 3000);
        EXPECT_EQ(Form4->Memo2->Lines().size(), 3);
        Press(window, "BitBtn6");
    });
    Form1->BitBtn4->click();
    EXPECT_EQ(Form1->gr_arrearage->text(), QStringLiteral("0"));
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("2000"));
}

TEST_F(ServiceWindow, TheAgencySellsStorageOnce) {
    Start(5);
    State().Money = 9999;
    script.Then([](QWidget& window) {
        ExpectOnly(Form4->Box4);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("中介"));
        Press(window, "BitBtn8");
    });
    script.Then([](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("哦！您的钱不够!欢迎再次光临!")));
        Dismiss(window);
    });
    Form1->BitBtn5->click();
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(State().Space, 200);

    State().Money = 10000;
    script.Then([](QWidget& window) { Press(window, "BitBtn8"); });
    Form1->BitBtn5->click();
    EXPECT_EQ(State().Space, 300);
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("0"));

    State().Money = 50000;
    script.Then([](QWidget& window) {
        EXPECT_FALSE(Form4->BitBtn8->isEnabled());
        Press(window, "BitBtn7");
    });
    Form1->BitBtn5->click();
}

TEST_F(ServiceWindow, StatementAndHelpShowTheirTextsAndCloseWithEscape) {
    Start(5);
    script.Then([](QWidget& window) {
        ExpectOnly(Form4->Box5);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("作者的声明"));
        EXPECT_TRUE(Form4->Memo4->Lines()[2].startsWith(QStringLiteral("戏只作为娱乐之用")));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&window, &escape);
    });
    Form1->BitBtn3->click();
    script.Then([](QWidget& window) {
        ExpectOnly(Form4->box6);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("游戏帮助"));
        EXPECT_EQ(Form4->Memo5->Lines().size(), 7);
        Press(window, "BitBtn10");
    });
    Form1->BitBtn6->click();
    // Help first, then the bank: only the bank shows, at the top.
    script.Then([](QWidget& window) {
        ExpectOnly(Form4->box1);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("银行存款"));
        EXPECT_EQ(Form4->focusWidget(), Form4->BitBtn2)
            << "focus starts on the panel's cancel button";
        Press(window, "BitBtn2");
    });
    Form1->BitBtn2->click();
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("2000"));
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
        fits(Form4->Memo4);
        Press(window, "BitBtn9");
    });
    Form1->BitBtn3->click();
    script.Then([&](QWidget& window) {
        fits(Form4->Memo5);
        Press(window, "BitBtn10");
    });
    Form1->BitBtn6->click();
    script.Then([&](QWidget& window) {
        fits(Form4->Memo3);
        Press(window, "BitBtn7");
    });
    Form1->BitBtn5->click();
    script.Then([&](QWidget& window) {
        fits(Form4->Memo2);
        Press(window, "BitBtn5");
    });
    Form1->BitBtn4->click();
}

} // namespace
} // namespace tp::ui::testing
