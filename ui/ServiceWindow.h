// SPDX-License-Identifier: MIT
#pragma once

#include "game/Offers.h"
#include "ui/toolkit/Dialog.h"

#include <array>
#include <optional>

class QAbstractButton;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tp::game {
class Game;
} // namespace tp::game

namespace tp::ui {

class AmountSpin;
class EndOfRun;

// The service window: one panel each for the bank, the hospital, the internet café, the
// agency, the statement and the help. Each opening shows one panel alone, modally, prepared
// as the game's offer says; a confirmation hands the offer back to the game.
class ServiceWindow : public Dialog {
    Q_OBJECT
public:
    ServiceWindow(QWidget* owner, game::Game& game, EndOfRun& endOfRun);

    void Bank(const game::BankOffer& offer);
    void Hospital(const game::TreatmentOffer& offer);
    void InternetCafe(const game::RepaymentOffer& offer);
    void Agency(const game::StorageOffer& offer);
    void Statement();
    void Help();

private:
    void ChooseDeposit();
    void ChooseWithdraw();
    void ConfirmBank();
    void ConfirmTreatment();
    void ConfirmRepayment();
    void BuyStorage();

    void BuildBank();
    void BuildHospital();
    void BuildInternetCafe();
    void BuildAgency();
    void BuildStatementAndHelp();
    // Shows `panel` alone; Enter presses its `confirm` button, if it has one.
    void ShowPanel(QGroupBox* panel, QAbstractButton* confirm = nullptr);
    void ShowBankOffer(const game::BankOffer& offer);
    void Run();

    game::Game& game_;
    EndOfRun& endOfRun_;
    QGroupBox* bankPanel_ = nullptr;
    QGroupBox* hospitalPanel_ = nullptr;
    QGroupBox* internetCafePanel_ = nullptr;
    QGroupBox* agencyPanel_ = nullptr;
    QGroupBox* statementPanel_ = nullptr;
    QGroupBox* helpPanel_ = nullptr;
    std::array<QGroupBox*, 6> panels_{};

    QRadioButton* depositChoice_ = nullptr;
    AmountSpin* bankAmountSpin_ = nullptr; // its edit box is "bankAmountEdit"
    QPushButton* bankConfirmButton_ = nullptr;
    QPushButton* treatmentButton_ = nullptr;
    AmountSpin* treatmentSpin_ = nullptr; // "treatmentEdit"
    QPlainTextEdit* doctorText_ = nullptr;
    AmountSpin* repaymentSpin_ = nullptr; // "repaymentEdit"
    QPushButton* repayButton_ = nullptr;
    QPushButton* buyStorageButton_ = nullptr;

    // The offer of the panel on show; all are empty while the window is closed.
    std::optional<game::BankOffer> bankOffer_;
    std::optional<game::TreatmentOffer> treatmentOffer_;
    std::optional<game::RepaymentOffer> repaymentOffer_;
    std::optional<game::StorageOffer> storageOffer_;
};

} // namespace tp::ui
