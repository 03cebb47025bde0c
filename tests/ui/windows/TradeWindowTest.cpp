#include "WindowsFixture.h"

#include "ui/toolkit/BitBtn.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/SpinEdit.h"

#include <QPushButton>

namespace tp::ui::testing {
namespace {

class TradeWindow : public WindowsTest {
protected:
    // Buys `quantity` of market row `row` through the dialog, checking how it opened.
    void Buy(int row, int quantity, int expectedMaximum) {
        Form1->ListView1->SetItemIndex(row);
        script.Then([=](QWidget& window) {
            EXPECT_EQ(&window, Form2);
            EXPECT_EQ(Form2->Label1->text(), QStringLiteral("要购买的数量："));
            EXPECT_EQ(Form2->UpDown1->Max(), expectedMaximum);
            EXPECT_EQ(Form2->UpDown1->Position(), expectedMaximum);
            Form2->UpDown1->SetPosition(quantity);
            Press(window, "BitBtn1");
        });
        Form1->buy->click();
    }
};

TEST_F(TradeWindow, BuyingOpensAtTheLargestAffordableQuantity) {
    Start(11);
    State().Market[2].Price = 13;
    QString caption;
    Buy(1, 100, 153);
    EXPECT_EQ(Form2->windowTitle().toStdString(), State().Market[2].Name.View());
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("700"));
    ASSERT_EQ(Form1->ListView2->Count(), 1);
    EXPECT_EQ(Form1->ListView2->SubItem(0, 0), QStringLiteral("13"));
    EXPECT_EQ(Form1->ListView2->SubItem(0, 1), QStringLiteral("100"));
    EXPECT_EQ(Form1->ListView2->ImageIndex(0), 1);
    EXPECT_EQ(Form1->ListView1->ImageIndex(0), 0);
}

TEST_F(TradeWindow, RefusesToBuyOrSellWithNothingSelected) {
    Start(11);
    script.Then([](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("提示"));
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("请先选择要购买的商品！")));
        Dismiss(window);
    });
    Form1->buy->click();
    script.Then([](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("请先选择要卖出的商品！")));
        Dismiss(window);
    });
    Form1->sell->click();
    EXPECT_FALSE(Form2->isVisible());
}

TEST_F(TradeWindow, SellingPartThenAllOfARow) {
    Start(11);
    State().Market[1].Price = 10;
    Buy(0, 50, 200);
    State().Market[1].Price = 30;
    Form1->ListView2->SetItemIndex(0);
    script.Then([](QWidget& window) {
        EXPECT_EQ(Form2->Label1->text(), QStringLiteral("要卖出的数量："));
        EXPECT_EQ(Form2->UpDown1->Position(), 50);
        Form2->UpDown1->SetPosition(20);
        Press(window, "BitBtn1");
    });
    Form1->sell->click();
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("2100"));
    ASSERT_EQ(Form1->ListView2->Count(), 1);
    EXPECT_EQ(Form1->ListView2->SubItem(0, 1), QStringLiteral("30"));
    EXPECT_EQ(Form1->ListView2->SubItem(0, 0), QStringLiteral("10"));

    // A double click selects the row and sells, as the button does.
    script.Then([](QWidget& window) {
        EXPECT_EQ(Form2->UpDown1->Position(), 30);
        Press(window, "BitBtn1");
    });
    emit Form1->ListView2->DoubleClicked();
    EXPECT_EQ(Form1->ListView2->Count(), 0);
    EXPECT_EQ(Form1->ListView2->ItemIndex(), -1);
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("3000"));
}

TEST_F(TradeWindow, CancellingChangesNothing) {
    Start(11);
    Form1->ListView1->SetItemIndex(0);
    script.Then([](QWidget& window) { Press(window, "BitBtn2"); });
    Form1->buy->click();
    script.Then([](QWidget& window) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&window, &escape);
    });
    Form1->buy->click();
    script.Then([](QWidget& window) { Dismiss(window); });
    Form1->buy->click();
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("2000"));
    EXPECT_EQ(Form1->ListView2->Count(), 0);
}

TEST_F(TradeWindow, EnterConfirmsAndADisabledConfirmIgnoresIt) {
    Start(11);
    State().Market[1].Price = 100;
    Form1->ListView1->SetItemIndex(0);
    script.Then([](QWidget& window) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
    });
    Form1->buy->click();
    EXPECT_EQ(Form1->gr_money->text(), QStringLiteral("0"));

    script.Then([](QWidget& window) {
        EXPECT_FALSE(Form2->BitBtn1->isEnabled());
        EXPECT_EQ(Form2->UpDown1->Position(), 0);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        EXPECT_TRUE(window.isVisible()) << "Enter does nothing while the confirm is disabled";
        Press(window, "BitBtn2");
    });
    Form1->buy->click();
    EXPECT_EQ(Form1->ListView2->Count(), 1);
}

TEST_F(TradeWindow, HostileTypingNeverEscapesTheRange) {
    Start(11);
    State().Market[1].Price = 10;
    Form1->ListView1->SetItemIndex(0);
    script.Then([](QWidget& window) {
        QLineEdit* edit = Form2->UpDown1->Edit();
        for (const QString& text :
             {QStringLiteral("abc"), QStringLiteral("-5"), QStringLiteral("99999999999"),
              QStringLiteral("１２"), QString(10000, QLatin1Char('9')), QStringLiteral("1,0")}) {
            edit->setText(text);
            const int position = Form2->UpDown1->Position();
            EXPECT_GE(position, 0);
            EXPECT_LE(position, 200);
        }
        Press(window, "BitBtn1");
    });
    Form1->buy->click();
    EXPECT_GE(Form1->gr_money->text().toInt(), 0);
}

TEST_F(TradeWindow, TheEditBoxChangesColourWithTheFocus) {
    Start(11);
    Form1->ListView1->SetItemIndex(0);
    script.Then([](QWidget& window) {
        const QColor resting = Form2->UpDown1->EditColor();
        Form2->Edit1Enter();
        EXPECT_EQ(Form2->UpDown1->EditColor(), Form2->palette().color(QPalette::Base));
        Form2->Edit1Exit();
        EXPECT_EQ(Form2->UpDown1->EditColor(), resting);
        Press(window, "BitBtn2");
    });
    Form1->buy->click();
}

} // namespace
} // namespace tp::ui::testing
