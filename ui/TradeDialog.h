// SPDX-License-Identifier: MIT
#pragma once

#include "game/Offers.h"
#include "ui/toolkit/Dialog.h"

#include <variant>

namespace tp::game {
class Game;
} // namespace tp::game

class QLabel;
class QPushButton;

namespace tp::ui {

class AmountSpin;
class EndOfRun;

// The trade dialog: how many units to buy or sell.
class TradeDialog : public Dialog {
    Q_OBJECT
public:
    TradeDialog(QWidget* owner, game::Game& game, EndOfRun& endOfRun);

    // Shows the offer modally until the player confirms or cancels it; a confirmation hands
    // the offer back to the game with the chosen quantity.
    void Trade(const game::BuyOffer& offer);
    void Trade(const game::SellOffer& offer);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Confirm();
    // The edit box shows the edit colour only while it has the focus.
    void ShowEditColour(QPalette::ColorRole role);
    // The good's name as the caption; label, range and confirm button as the game prepared them.
    void Prepare(const game::QuantityOffer& offer, int good);
    void ShowOffer(const game::QuantityOffer& offer, int good);

    game::Game& game_;
    EndOfRun& endOfRun_;
    QLabel* quantityLabel_ = nullptr;
    QPushButton* confirmButton_ = nullptr;
    AmountSpin* amountSpin_ = nullptr; // its edit box is "amountEdit"
    // The offer on show; none while the dialog is closed.
    std::variant<std::monostate, game::BuyOffer, game::SellOffer> offer_;
};

} // namespace tp::ui
