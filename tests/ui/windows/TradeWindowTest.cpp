// SPDX-License-Identifier: MIT
#include "WindowsFixture.h"
#include "game/Catalogue.h"

#include "ui/pictures/Icons.h"
#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/RowList.h"

#include <QClipboard>
#include <QPushButton>

namespace tp::ui::testing {
namespace {

// The trade dialog's controls as its player reads them: the amount, the label that asks for
// it, and the two buttons.
AmountSpin* Amount(QWidget& window) {
    return Named<AmountSpin>(window, "数量");
}

QString AmountShown(QWidget& window) {
    const AmountSpin* amount = Amount(window);
    return amount == nullptr ? QStringLiteral("<no amount>") : amount->Edit()->displayText();
}

QString Question(QWidget& window) {
    return LabelOf(window, "数量");
}

QAbstractButton* ConfirmButton(QWidget& window) {
    return ButtonOf(window, "确定(O)");
}

QAbstractButton* CancelButton(QWidget& window) {
    return ButtonOf(window, "取消(N)");
}

class TradeWindow : public WindowsTest {
protected:
    // Buys `quantity` of market row `row` through the dialog, checking how it opened: a click
    // on the row and on "=>", the quantity typed, Alt+O.
    void Buy(int row, int quantity, int expectedMaximum) {
        ClickRow(*Market(), row);
        script.Then([=](QWidget& window) {
            AmountSpin* amount = Amount(window);
            QAbstractButton* confirm = ConfirmButton(window);
            ASSERT_NE(amount, nullptr) << "not the trade dialog";
            ASSERT_NE(confirm, nullptr);
            EXPECT_EQ(Question(window), QStringLiteral("要购买的数量："));
            EXPECT_EQ(amount->maximum(), expectedMaximum);
            EXPECT_EQ(amount->Amount(), expectedMaximum);
            Type(window, QString::number(quantity));
            EXPECT_EQ(AmountShown(window), QString::number(quantity));
            Key(window, Qt::Key_O, Qt::AltModifier);
            EXPECT_TRUE(confirm->isDown()) << "Alt+O presses the confirm button";
        });
        Click(Button("买入"));
        EXPECT_EQ(script.Pending(), 0u) << "no trade dialog opened";
    }

    // A good that today's market does not deal in.
    int GoodNotOnTheMarket() {
        for (int good = 1; good <= game::GoodsCount; ++good) {
            bool onSale = false;
            for (std::size_t s = 1; s <= game::MarketSlots; ++s) {
                onSale = onSale || State().market[s].good == good;
            }
            if (!onSale) {
                return good;
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
    ASSERT_EQ(script.Seen().size(), 1u);
    EXPECT_EQ(script.Seen()[0].toStdString(), game::GoodName(State().market[2].good));
    EXPECT_EQ(Shown("现金"), QStringLiteral("700"));
    ASSERT_EQ(Carried()->topLevelItemCount(), 1);
    EXPECT_EQ(Cell(Carried(), 0, 1), QStringLiteral("13"));
    EXPECT_EQ(Cell(Carried(), 0, 2), QStringLiteral("100"));
    EXPECT_EQ(IconOf(Carried(), 0), Drawn(ListIcon(1)));
    EXPECT_EQ(IconOf(Market(), 0), Drawn(ListIcon(0)));
}

TEST_F(TradeWindow, RefusesToBuyOrSellWithNothingSelected) {
    Start(11);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("提示"));
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("请先选择要购买的商品！")));
        Key(window, Qt::Key_Return);
    });
    Click(Button("买入"));
    script.Then([this](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("请先选择要卖出的商品！")));
        Key(window, Qt::Key_Escape);
    });
    Click(Button("卖出"));
    EXPECT_EQ(script.Seen().size(), 2u);
    EXPECT_EQ(DialogsShown(), QStringList());
}

// Today's market does not deal in every good: selling one it does not refuses with the
// shopkeeper's words, in a box with an empty title, and keeps the goods.
TEST_F(TradeWindow, RefusesASaleTheMarketDoesNotDealIn) {
    Start(11);
    const int good = GoodNotOnTheMarket();
    Edit([&](game::GameState& s) {
        game::CarriedGoods row;
        row.good = good;
        row.price = 40;
        row.quantity = 10;
        s.carried.push_back(row);
    });
    ASSERT_EQ(Carried()->topLevelItemCount(), 1);
    ClickRow(*Carried(), 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QString());
        EXPECT_EQ(MessageText(window),
                  QStringLiteral("店小二微笑着说：“对不起！小店不收这种产品！”"));
        Key(window, Qt::Key_Return);
    });
    Click(Button("卖出"));
    EXPECT_EQ(script.Seen(), std::vector<QString>{QString()}) << "no trade dialog after that";
    ASSERT_EQ(Carried()->topLevelItemCount(), 1);
    EXPECT_EQ(Cell(Carried(), 0, 2), QStringLiteral("10"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("2000"));
}

TEST_F(TradeWindow, SellingPartThenAllOfARow) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 10; });
    Buy(0, 50, 200);
    Edit([](game::GameState& s) { s.market[1].price = 30; });
    ClickRow(*Carried(), 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(Question(window), QStringLiteral("要卖出的数量："));
        ASSERT_NE(Amount(window), nullptr);
        EXPECT_EQ(Amount(window)->Amount(), 50);
        Type(window, QStringLiteral("20"));
        EXPECT_EQ(AmountShown(window), QStringLiteral("20"));
        Key(window, Qt::Key_Return);
    });
    Click(Button("卖出"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("2100"));
    ASSERT_EQ(Carried()->topLevelItemCount(), 1);
    EXPECT_EQ(Cell(Carried(), 0, 2), QStringLiteral("30"));
    EXPECT_EQ(Cell(Carried(), 0, 1), QStringLiteral("10"));

    // A double click selects the row and sells, as the button does.
    script.Then([this](QWidget& window) {
        ASSERT_NE(Amount(window), nullptr);
        EXPECT_EQ(Amount(window)->Amount(), 30);
        Key(window, Qt::Key_O, Qt::AltModifier);
    });
    DoubleClickRow(*Carried(), 0);
    EXPECT_EQ(Carried()->topLevelItemCount(), 0);
    EXPECT_EQ(Carried()->SelectedRow(), -1);
    EXPECT_EQ(Shown("现金"), QStringLiteral("3000"));
}

// A keyboard player trades without the mouse: Tab to the market, Down to its first row, Enter
// to buy; Shift+Tab back to the goods carried, Down, Enter to sell.
TEST_F(TradeWindow, EnterOnAMarketRowBuysAndEnterOnACarriedRowSells) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 20; });
    ASSERT_EQ(QApplication::focusWidget(), Carried());
    Key(Main(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Market());
    Key(Main(), Qt::Key_Down);
    EXPECT_EQ(Market()->SelectedRow(), 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(window.windowTitle().toStdString(), game::GoodName(State().market[1].good));
        EXPECT_EQ(Question(window), QStringLiteral("要购买的数量："));
        ASSERT_NE(Amount(window), nullptr);
        EXPECT_EQ(Amount(window)->Amount(), 100);
        Type(window, QStringLiteral("30"));
        Key(window, Qt::Key_Enter);
    });
    Key(Main(), Qt::Key_Return);
    EXPECT_EQ(script.Pending(), 0u) << "Enter on the market row opened no trade dialog";
    EXPECT_EQ(Shown("现金"), QStringLiteral("1400"));
    ASSERT_EQ(Carried()->topLevelItemCount(), 1);
    EXPECT_EQ(Cell(Carried(), 0, 2), QStringLiteral("30"));

    Key(Main(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), Carried());
    Key(Main(), Qt::Key_Down);
    EXPECT_EQ(Carried()->SelectedRow(), 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(Question(window), QStringLiteral("要卖出的数量："));
        ASSERT_NE(Amount(window), nullptr);
        EXPECT_EQ(Amount(window)->Amount(), 30);
        Key(window, Qt::Key_Return);
    });
    Key(Main(), Qt::Key_Return);
    EXPECT_EQ(script.Pending(), 0u) << "Enter on the carried row opened no trade dialog";
    EXPECT_EQ(Carried()->topLevelItemCount(), 0);
    EXPECT_EQ(Shown("现金"), QStringLiteral("2000"));
}

// Nothing in the dialog is a Tab stop, so the quantity keys reach the amount wherever the
// focus is: arrows and page keys step from the offer, a digit starts the amount afresh and
// the next ones go on typing it.
TEST_F(TradeWindow, ArrowPageAndDigitKeysSetTheAmount) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 10; });
    ClickRow(*Market(), 0);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(AmountShown(window), QStringLiteral("200"));
        Key(window, Qt::Key_Down);
        EXPECT_EQ(AmountShown(window), QStringLiteral("199"));
        Key(window, Qt::Key_PageDown);
        EXPECT_EQ(AmountShown(window), QStringLiteral("189"));
        Key(window, Qt::Key_Up);
        EXPECT_EQ(AmountShown(window), QStringLiteral("190"));
        Key(window, Qt::Key_PageUp);
        EXPECT_EQ(AmountShown(window), QStringLiteral("200"));
        Key(window, Qt::Key_PageUp);
        EXPECT_EQ(AmountShown(window), QStringLiteral("200")) << "the maximum is the end";
        Key(window, Qt::Key_5);
        EXPECT_EQ(AmountShown(window), QStringLiteral("5"));
        Key(window, Qt::Key_7);
        EXPECT_EQ(AmountShown(window), QStringLiteral("57"));
        Key(window, Qt::Key_Backspace);
        Type(window, QStringLiteral("0"));
        EXPECT_EQ(AmountShown(window), QStringLiteral("50"));
        Key(window, Qt::Key_Down);
        EXPECT_EQ(AmountShown(window), QStringLiteral("49")) << "a step starts from what was typed";
        Key(window, Qt::Key_Return);
    });
    Click(Button("买入"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("1510"));
    ASSERT_EQ(Carried()->topLevelItemCount(), 1);
    EXPECT_EQ(Cell(Carried(), 0, 2), QStringLiteral("49"));
}

TEST_F(TradeWindow, CancellingChangesNothing) {
    Start(11);
    ClickRow(*Market(), 0);
    script.Then([](QWidget& window) { Press(window, "取消(N)"); });
    Click(Button("买入"));
    script.Then([this](QWidget& window) {
        Type(window, QStringLiteral("1"));
        Key(window, Qt::Key_Escape);
    });
    Click(Button("买入"));
    script.Then([this](QWidget& window) { Key(window, Qt::Key_N, Qt::AltModifier); });
    Click(Button("买入"));
    script.Then([this](QWidget& window) { Dismiss(window); });
    Click(Button("买入"));
    EXPECT_EQ(script.Seen().size(), 4u);
    EXPECT_EQ(Shown("现金"), QStringLiteral("2000"));
    EXPECT_EQ(Carried()->topLevelItemCount(), 0);
}

TEST_F(TradeWindow, EnterConfirmsAndADisabledConfirmIgnoresIt) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 100; });
    ClickRow(*Market(), 0);
    script.Then([this](QWidget& window) { Key(window, Qt::Key_Return); });
    Click(Button("买入"));
    EXPECT_EQ(Shown("现金"), QStringLiteral("0"));

    script.Then([this](QWidget& window) {
        QAbstractButton* confirm = ConfirmButton(window);
        ASSERT_NE(confirm, nullptr);
        ASSERT_NE(Amount(window), nullptr);
        EXPECT_FALSE(confirm->isEnabled());
        EXPECT_EQ(Amount(window)->Amount(), 0);
        Key(window, Qt::Key_Return);
        EXPECT_TRUE(window.isVisible()) << "Enter does nothing while the confirm is disabled";
        // A mnemonic presses its button at once and clicks it a moment later.
        Key(window, Qt::Key_O, Qt::AltModifier);
        EXPECT_FALSE(confirm->isDown()) << "nor does Alt+O";
        Press(window, "取消(N)");
    });
    Click(Button("买入"));
    EXPECT_EQ(Carried()->topLevelItemCount(), 1);
}

TEST_F(TradeWindow, HostileTypingNeverEscapesTheRange) {
    Start(11);
    Edit([](game::GameState& s) { s.market[1].price = 10; });
    ClickRow(*Market(), 0);
    script.Then([this](QWidget& window) {
        AmountSpin* amount = Amount(window);
        ASSERT_NE(amount, nullptr);
        Click(amount->Edit());
        ASSERT_TRUE(amount->hasFocus());
        const auto range = [amount](const QString& what) {
            const int position = amount->Amount();
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
    Click(Button("买入"));
    EXPECT_EQ(DialogsShown(), QStringList());
    EXPECT_GE(Shown("现金").toInt(), 0);
}

TEST_F(TradeWindow, TheEditBoxChangesColourWithTheFocus) {
    Start(11);
    ClickRow(*Market(), 0);
    script.Then([this](QWidget& window) {
        AmountSpin* amount = Amount(window);
        QAbstractButton* cancel = CancelButton(window);
        ASSERT_NE(amount, nullptr);
        ASSERT_NE(cancel, nullptr);
        const QColor resting = amount->palette().color(QPalette::Base);
        Click(amount->Edit());
        EXPECT_EQ(amount->palette().color(QPalette::Base), window.palette().color(QPalette::Base));
        // The press on the cancel button takes the focus; its release cancels.
        QTest::mousePress(cancel, Qt::LeftButton);
        EXPECT_EQ(amount->palette().color(QPalette::Base), resting);
        QTest::mouseRelease(cancel, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    });
    Click(Button("买入"));
    EXPECT_EQ(Carried()->topLevelItemCount(), 0);
}

} // namespace
} // namespace tp::ui::testing
