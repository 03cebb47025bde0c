// SPDX-License-Identifier: MIT
#include "WindowsFixture.h"

#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/ReportList.h"

#include <QClipboard>
#include <QPushButton>

namespace tp::ui::testing {
namespace {

class TradeWindow : public WindowsTest {
protected:
    // Buys `quantity` of market row `row` through the dialog, checking how it opened: a click
    // on the row and on "=>", the quantity typed, Alt+O.
    void Buy(int row, int quantity, int expectedMaximum) {
        ClickRow(*Main().marketList, row);
        script.Then([=, this](QWidget& window) {
            EXPECT_EQ(&window, &Trade());
            EXPECT_EQ(Trade().quantityLabel->text(), QStringLiteral("要购买的数量："));
            EXPECT_EQ(Trade().amountSpin->Max(), expectedMaximum);
            EXPECT_EQ(Trade().amountSpin->Position(), expectedMaximum);
            Type(window, QString::number(quantity));
            EXPECT_EQ(AmountShown(), QString::number(quantity));
            Key(window, Qt::Key_O, Qt::AltModifier);
            EXPECT_TRUE(Trade().confirmButton->isDown()) << "Alt+O presses the confirm button";
        });
        Click(Main().buyButton);
        EXPECT_EQ(script.Pending(), 0u) << "no trade dialog opened";
    }

    QString AmountShown() { return Trade().amountSpin->Edit()->displayText(); }

    // The name of a good that today's market does not deal in.
    std::string GoodNotOnTheMarket() {
        for (std::size_t g = 1; g <= game::GoodsCount; ++g) {
            const auto& good = State().goods[g];
            bool onSale = false;
            for (std::size_t s = 1; s <= game::MarketSlots; ++s) {
                onSale = onSale || State().market[s].name == good.name;
            }
            if (!onSale) {
                return std::string(good.name.View());
            }
        }
        ADD_FAILURE() << "every good is on the market";
        return {};
    }
};

TEST_F(TradeWindow, BuyingOpensAtTheLargestAffordableQuantity) {
    Start(11);
    Edit([](game::GameState& s) { s.market[2].price = 13; });
    Buy(1, 100, 153);
    EXPECT_EQ(Trade().windowTitle().toStdString(), State().market[2].name.View());
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("700"));
    ASSERT_EQ(Main().carriedList->Count(), 1);
    EXPECT_EQ(Main().carriedList->SubItem(0, 0), QStringLiteral("13"));
    EXPECT_EQ(Main().carriedList->SubItem(0, 1), QStringLiteral("100"));
    EXPECT_EQ(Main().carriedList->ImageIndex(0), 1);
    EXPECT_EQ(Main().marketList->ImageIndex(0), 0);
}

TEST_F(TradeWindow, RefusesToBuyOrSellWithNothingSelected) {
    Start(11);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("提示"));
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("请先选择要购买的商品！")));
        Key(window, Qt::Key_Return);
    });
    Click(Main().buyButton);
    script.Then([this](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("请先选择要卖出的商品！")));
        Key(window, Qt::Key_Escape);
    });
    Click(Main().sellButton);
    EXPECT_EQ(script.Seen().size(), 2u);
    EXPECT_FALSE(Trade().isVisible());
}

// Today's market does not deal in every good: selling one it does not refuses with the
// shopkeeper's words, in a box with an empty title, and keeps the goods.
TEST_F(TradeWindow, RefusesASaleTheMarketDoesNotDealIn) {
    Start(11);
    const std::string good = GoodNotOnTheMarket();
    Edit([&](game::GameState& s) {
        game::CarriedGoods row;
        row.name.Assign(good);
        row.price = 40;
        row.quantity = 10;
        s.carried.push_back(row);
    });
    ASSERT_EQ(Main().carriedList->Count(), 1);
    ClickRow(*Main().carriedList, 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QString());
        EXPECT_EQ(MessageText(window),
                  QStringLiteral("店小二微笑着说：“对不起！小店不收这种产品！”"));
        Key(window, Qt::Key_Return);
    });
    Click(Main().sellButton);
    EXPECT_EQ(script.Seen(), std::vector<QString>{QString()}) << "no trade dialog after that";
    ASSERT_EQ(Main().carriedList->Count(), 1);
    EXPECT_EQ(Main().carriedList->SubItem(0, 1), QStringLiteral("10"));
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("2000"));
}

TEST_F(TradeWindow, SellingPartThenAllOfARow) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 10; });
    Buy(0, 50, 200);
    Edit([](game::GameState& s) { s.market[1].price = 30; });
    ClickRow(*Main().carriedList, 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(Trade().quantityLabel->text(), QStringLiteral("要卖出的数量："));
        EXPECT_EQ(Trade().amountSpin->Position(), 50);
        Type(window, QStringLiteral("20"));
        EXPECT_EQ(AmountShown(), QStringLiteral("20"));
        Key(window, Qt::Key_Return);
    });
    Click(Main().sellButton);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("2100"));
    ASSERT_EQ(Main().carriedList->Count(), 1);
    EXPECT_EQ(Main().carriedList->SubItem(0, 1), QStringLiteral("30"));
    EXPECT_EQ(Main().carriedList->SubItem(0, 0), QStringLiteral("10"));

    // A double click selects the row and sells, as the button does.
    script.Then([this](QWidget& window) {
        EXPECT_EQ(Trade().amountSpin->Position(), 30);
        Key(window, Qt::Key_O, Qt::AltModifier);
    });
    DoubleClickRow(*Main().carriedList, 0);
    EXPECT_EQ(Main().carriedList->Count(), 0);
    EXPECT_EQ(Main().carriedList->SelectedIndex(), -1);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("3000"));
}

// A keyboard player trades without the mouse: Tab to the market, Down to its first row, Enter
// to buy; Shift+Tab back to the goods carried, Down, Enter to sell.
TEST_F(TradeWindow, EnterOnAMarketRowBuysAndEnterOnACarriedRowSells) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 20; });
    ASSERT_EQ(QApplication::focusWidget(), Main().carriedList);
    Key(Main(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Main().marketList);
    Key(Main(), Qt::Key_Down);
    EXPECT_EQ(Main().marketList->SelectedIndex(), 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(Trade().windowTitle().toStdString(), State().market[1].name.View());
        EXPECT_EQ(Trade().quantityLabel->text(), QStringLiteral("要购买的数量："));
        EXPECT_EQ(Trade().amountSpin->Position(), 100);
        Type(window, QStringLiteral("30"));
        Key(window, Qt::Key_Enter);
    });
    Key(Main(), Qt::Key_Return);
    EXPECT_EQ(script.Pending(), 0u) << "Enter on the market row opened no trade dialog";
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("1400"));
    ASSERT_EQ(Main().carriedList->Count(), 1);
    EXPECT_EQ(Main().carriedList->SubItem(0, 1), QStringLiteral("30"));

    Key(Main(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), Main().carriedList);
    Key(Main(), Qt::Key_Down);
    EXPECT_EQ(Main().carriedList->SelectedIndex(), 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(Trade().quantityLabel->text(), QStringLiteral("要卖出的数量："));
        EXPECT_EQ(Trade().amountSpin->Position(), 30);
        Key(window, Qt::Key_Return);
    });
    Key(Main(), Qt::Key_Return);
    EXPECT_EQ(script.Pending(), 0u) << "Enter on the carried row opened no trade dialog";
    EXPECT_EQ(Main().carriedList->Count(), 0);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("2000"));
}

// Nothing in the dialog is a Tab stop, so the quantity keys reach the amount wherever the
// focus is: arrows and page keys step from the offer, a digit starts the amount afresh and
// the next ones go on typing it.
TEST_F(TradeWindow, ArrowPageAndDigitKeysSetTheAmount) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 10; });
    ClickRow(*Main().marketList, 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(AmountShown(), QStringLiteral("200"));
        Key(window, Qt::Key_Down);
        EXPECT_EQ(AmountShown(), QStringLiteral("199"));
        Key(window, Qt::Key_PageDown);
        EXPECT_EQ(AmountShown(), QStringLiteral("189"));
        Key(window, Qt::Key_Up);
        EXPECT_EQ(AmountShown(), QStringLiteral("190"));
        Key(window, Qt::Key_PageUp);
        EXPECT_EQ(AmountShown(), QStringLiteral("200"));
        Key(window, Qt::Key_PageUp);
        EXPECT_EQ(AmountShown(), QStringLiteral("200")) << "the maximum is the end";
        Key(window, Qt::Key_5);
        EXPECT_EQ(AmountShown(), QStringLiteral("5"));
        Key(window, Qt::Key_7);
        EXPECT_EQ(AmountShown(), QStringLiteral("57"));
        Key(window, Qt::Key_Backspace);
        Type(window, QStringLiteral("0"));
        EXPECT_EQ(AmountShown(), QStringLiteral("50"));
        Key(window, Qt::Key_Down);
        EXPECT_EQ(AmountShown(), QStringLiteral("49")) << "a step starts from what was typed";
        Key(window, Qt::Key_Return);
    });
    Click(Main().buyButton);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("1510"));
    ASSERT_EQ(Main().carriedList->Count(), 1);
    EXPECT_EQ(Main().carriedList->SubItem(0, 1), QStringLiteral("49"));
}

TEST_F(TradeWindow, CancellingChangesNothing) {
    Start(11);
    ClickRow(*Main().marketList, 0);
    script.Then([this](QWidget& window) { Press(window, "cancelButton"); });
    Click(Main().buyButton);
    script.Then([this](QWidget& window) {
        Type(window, QStringLiteral("1"));
        Key(window, Qt::Key_Escape);
    });
    Click(Main().buyButton);
    script.Then([this](QWidget& window) { Key(window, Qt::Key_N, Qt::AltModifier); });
    Click(Main().buyButton);
    script.Then([this](QWidget& window) { Dismiss(window); });
    Click(Main().buyButton);
    EXPECT_EQ(script.Seen().size(), 4u);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("2000"));
    EXPECT_EQ(Main().carriedList->Count(), 0);
}

TEST_F(TradeWindow, EnterConfirmsAndADisabledConfirmIgnoresIt) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 100; });
    ClickRow(*Main().marketList, 0);
    script.Then([this](QWidget& window) { Key(window, Qt::Key_Return); });
    Click(Main().buyButton);
    EXPECT_EQ(Main().cashBox->text(), QStringLiteral("0"));

    script.Then([this](QWidget& window) {
        EXPECT_FALSE(Trade().confirmButton->isEnabled());
        EXPECT_EQ(Trade().amountSpin->Position(), 0);
        Key(window, Qt::Key_Return);
        EXPECT_TRUE(window.isVisible()) << "Enter does nothing while the confirm is disabled";
        // A mnemonic presses its button at once and clicks it a moment later.
        Key(window, Qt::Key_O, Qt::AltModifier);
        EXPECT_FALSE(Trade().confirmButton->isDown()) << "nor does Alt+O";
        Press(window, "cancelButton");
    });
    Click(Main().buyButton);
    EXPECT_EQ(Main().carriedList->Count(), 1);
}

TEST_F(TradeWindow, HostileTypingNeverEscapesTheRange) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 10; });
    ClickRow(*Main().marketList, 0);
    script.Then([this](QWidget& window) {
        Click(Trade().amountSpin->Edit());
        ASSERT_TRUE(Trade().amountSpin->hasFocus());
        const auto range = [this](const QString& what) {
            const int position = Trade().amountSpin->Position();
            EXPECT_GE(position, 0) << what.left(20).toStdString();
            EXPECT_LE(position, 200) << what.left(20).toStdString();
        };
        for (const QString& text : {QStringLiteral("abc"), QStringLiteral("-5"),
                                    QStringLiteral("99999999999"), QStringLiteral("1,0")}) {
            Key(window, Qt::Key_A, Qt::ControlModifier);
            Type(window, text);
            range(text);
        }
        // Full-width digits come from an input method, a page of nines from the clipboard.
        Key(window, Qt::Key_A, Qt::ControlModifier);
        Compose(window, QStringLiteral("１２"));
        range(QStringLiteral("１２"));
        QApplication::clipboard()->setText(QString(10000, QLatin1Char('9')));
        Key(window, Qt::Key_A, Qt::ControlModifier);
        Key(window, Qt::Key_V, Qt::ControlModifier);
        range(QStringLiteral("a page of nines"));
        Key(window, Qt::Key_Return);
    });
    Click(Main().buyButton);
    EXPECT_FALSE(Trade().isVisible());
    EXPECT_GE(Main().cashBox->text().toInt(), 0);
}

TEST_F(TradeWindow, TheEditBoxChangesColourWithTheFocus) {
    Start(11);
    ClickRow(*Main().marketList, 0);
    script.Then([this](QWidget& window) {
        const QColor resting = Trade().amountSpin->EditColor();
        Click(Trade().amountSpin->Edit());
        EXPECT_EQ(Trade().amountSpin->EditColor(), Trade().palette().color(QPalette::Base));
        // The press on the cancel button takes the focus; its release cancels.
        QTest::mousePress(Trade().cancelButton, Qt::LeftButton);
        EXPECT_EQ(Trade().amountSpin->EditColor(), resting);
        QTest::mouseRelease(Trade().cancelButton, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    });
    Click(Main().buyButton);
    EXPECT_EQ(Main().carriedList->Count(), 0);
}

} // namespace
} // namespace tp::ui::testing
