// SPDX-License-Identifier: MIT
#include "ui/TradeDialog.h"

#include "game/Game.h"
#include "journey/JournalText.h"
#include "ui/Accessibility.h"
#include "ui/GameFonts.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/WindowCaption.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tp::ui {

TradeDialog::TradeDialog(QWidget* owner, game::Game& game, EndOfRun& endOfRun)
    : Dialog(owner), game_(game), endOfRun_(endOfRun) {
    setObjectName(QStringLiteral("tradeDialog"));
    setFixedSize(187, 59);
    move(335, 290);
    SetCaption(*this, tr("交易"));
    setFont(SongFont());

    quantityLabel_ =
        Place(new QLabel(tr("要购买的数量："), this), "quantityLabel", Box(8, 8, 84, 12));
    confirmButton_ = StockButton(this, "confirmButton", Box(112, 0, 73, 25), tr("确定(&O)"),
                                 resources::StockGlyph::Yes);
    auto* cancelButton = StockButton(this, "cancelButton", Box(112, 32, 73, 25), tr("取消(&N)"),
                                     resources::StockGlyph::No);
    amountSpin_ = MakeAmount(this, "amountSpin", "amountEdit", Box(32, 32, 33, 20),
                             Box(65, 32, 15, 20), tr("数量"));
    ShowEditColour(QPalette::Button);
    quantityLabel_->setBuddy(amountSpin_);

    // Nothing here is reached by Tab: Enter confirms, Esc cancels, and the quantity keys go
    // to the spin control (see keyPressEvent).
    for (QWidget* control :
         {static_cast<QWidget*>(confirmButton_), static_cast<QWidget*>(cancelButton),
          static_cast<QWidget*>(amountSpin_)}) {
        control->setFocusPolicy(Qt::ClickFocus);
    }

    SetConfirmButton(confirmButton_);
    connect(confirmButton_, &QPushButton::clicked, this, &TradeDialog::Confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(amountSpin_, &AmountSpin::editEntered, this,
            [this] { ShowEditColour(QPalette::Base); });
    connect(amountSpin_, &AmountSpin::editExited, this,
            [this] { ShowEditColour(QPalette::Button); });
}

void TradeDialog::Trade(const game::BuyOffer& offer) {
    offer_ = offer;
    ShowOffer(offer, offer.good);
}

void TradeDialog::Trade(const game::SellOffer& offer) {
    offer_ = offer;
    ShowOffer(offer, offer.good);
}

void TradeDialog::ShowOffer(const game::QuantityOffer& offer, int good) {
    Prepare(offer, good);
    RunModal(*this, endOfRun_);
    offer_ = std::monostate{};
}

void TradeDialog::Prepare(const game::QuantityOffer& offer, int good) {
    quantityLabel_->setText(GameText(offer.text));
    SetCaption(*this, journey::GoodText(good));
    amountSpin_->SetMaximum(offer.maximum);
    amountSpin_->setValue(offer.position);
    confirmButton_->setEnabled(offer.confirmEnabled);
}

void TradeDialog::Confirm() {
    const std::int32_t quantity = amountSpin_->Amount();
    if (const auto* buy = std::get_if<game::BuyOffer>(&offer_)) {
        game_.ConfirmBuy(*buy, quantity);
    } else if (const auto* sell = std::get_if<game::SellOffer>(&offer_)) {
        game_.ConfirmSell(*sell, quantity);
    }
    accept();
}

void TradeDialog::ShowEditColour(QPalette::ColorRole role) {
    SetColour(*amountSpin_, QPalette::Base, ThemeColour(role));
}

void TradeDialog::keyPressEvent(QKeyEvent* event) {
    // The edit box is out of the Tab chain, so a keyboard player would have no way to change
    // the quantity: arrow, page and digit keys move the focus into it and act there.
    const int key = event->key();
    const bool quantityKey = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                             key == Qt::Key_PageDown || (key >= Qt::Key_0 && key <= Qt::Key_9);
    if (quantityKey && !amountSpin_->hasFocus() && event->modifiers() == Qt::NoModifier) {
        amountSpin_->setFocus(Qt::OtherFocusReason);
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            amountSpin_->Edit()->selectAll();
        }
        QKeyEvent forwarded(event->type(), key, event->modifiers(), event->text());
        QCoreApplication::sendEvent(amountSpin_, &forwarded);
        return;
    }
    Dialog::keyPressEvent(event);
}

} // namespace tp::ui
