// SPDX-License-Identifier: MIT
#include "ui/TradeDialog.h"

#include "game/Game.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/ShowModal.h"
#include "ui/toolkit/SystemColors.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace tp::ui {

TradeDialog::TradeDialog(QWidget* owner, game::Game& game, EndOfRun& endOfRun)
    : GameDialog(owner), game_(game), endOfRun_(endOfRun) {
    setObjectName(QStringLiteral("tradeDialog"));
    SetClientSize(187, 59);
    move(335, 290);
    SetCaption(tr("交易"));
    setFont(GameFont(QStringLiteral("宋体"), -12));

    quantityLabel_ =
        Place(new QLabel(tr("要购买的数量："), this), "quantityLabel", Box(8, 8, 84, 12));
    confirmButton_ = StockButton(this, "confirmButton", Box(112, 0, 73, 25), tr("确定(&O)"),
                                 KindButton::Kind::Yes);
    auto* cancelButton = StockButton(this, "cancelButton", Box(112, 32, 73, 25), tr("取消(&N)"),
                                     KindButton::Kind::No);
    amountSpin_ = new AmountSpin(this);
    amountSpin_->setObjectName(QStringLiteral("amountSpin"));
    amountSpin_->SetEditObjectName(QStringLiteral("amountEdit"));
    amountSpin_->PlaceOver(Box(32, 32, 33, 20), Box(65, 32, 15, 20));
    amountSpin_->SetEditColor(ColorOf(SystemColor::BtnFace));
    SetAccessibleText(*amountSpin_, tr("数量"));
    quantityLabel_->setBuddy(amountSpin_);

    // Nothing here is reached by Tab: Enter confirms, Esc cancels, and the quantity keys go
    // to the spin control (see keyPressEvent).
    for (QWidget* control :
         {static_cast<QWidget*>(confirmButton_), static_cast<QWidget*>(cancelButton),
          static_cast<QWidget*>(amountSpin_)}) {
        control->setFocusPolicy(Qt::ClickFocus);
    }

    connect(confirmButton_, &KindButton::Click, this, &TradeDialog::Confirm);
    connect(amountSpin_, &AmountSpin::EditEntered, this, &TradeDialog::EditEntered);
    connect(amountSpin_, &AmountSpin::EditExited, this, &TradeDialog::EditExited);
}

void TradeDialog::Trade(const game::BuyOffer& offer) {
    offer_ = offer;
    ShowOffer(offer);
}

void TradeDialog::Trade(const game::SellOffer& offer) {
    offer_ = offer;
    ShowOffer(offer);
}

void TradeDialog::ShowOffer(const game::QuantityOffer& offer) {
    Prepare(offer);
    ShowModal(*this, endOfRun_);
    offer_ = std::monostate{};
}

void TradeDialog::Prepare(const game::QuantityOffer& offer) {
    quantityLabel_->setText(GameText(offer.text));
    SetCaption(GameText(offer.caption.View()));
    amountSpin_->SetMax(offer.maximum);
    amountSpin_->SetPosition(offer.position);
    confirmButton_->setEnabled(offer.confirmEnabled);
}

void TradeDialog::Confirm() {
    const std::int32_t quantity = amountSpin_->Position();
    if (const auto* buy = std::get_if<game::BuyOffer>(&offer_)) {
        game_.ConfirmBuy(*buy, quantity);
    } else if (const auto* sell = std::get_if<game::SellOffer>(&offer_)) {
        game_.ConfirmSell(*sell, quantity);
    }
}

void TradeDialog::EditEntered() {
    amountSpin_->SetEditColor(ColorOf(SystemColor::Window));
}

void TradeDialog::EditExited() {
    amountSpin_->SetEditColor(ColorOf(SystemColor::BtnFace));
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
    GameDialog::keyPressEvent(event);
}

} // namespace tp::ui
