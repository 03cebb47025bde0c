// SPDX-License-Identifier: MIT
#pragma once

#include "game/Offers.h"
#include "ui/toolkit/GameDialog.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;

namespace tp::game {
class Game;
} // namespace tp::game

namespace tp::ui {

class AmountSpin;
class EndOfRun;
class KindButton;
class Memo;
class RadioButton;

// The service window: one panel each for the bank, the hospital, the internet café, the
// agency, the statement and the help. Each opening shows one panel alone, modally, prepared
// as the game's offer says; a confirmation hands the offer back to the game.
class ServiceWindow : public GameDialog {
    Q_OBJECT
public:
    ServiceWindow(QWidget* owner, game::Game& game, EndOfRun& endOfRun);

    void Bank(const game::BankOffer& offer);
    void Hospital(const game::TreatmentOffer& offer);
    void InternetCafe(const game::RepaymentOffer& offer);
    void Agency(const game::StorageOffer& offer);
    void Statement();
    void Help();

    QGroupBox* bankPanel;
    QGroupBox* hospitalPanel;
    QGroupBox* internetCafePanel;
    QGroupBox* agencyPanel;
    QGroupBox* statementPanel;
    QGroupBox* helpPanel;

    QWidget* bankLogo;
    KindButton* bankCancelButton;
    KindButton* bankConfirmButton;
    RadioButton* withdrawChoice;
    RadioButton* depositChoice;
    AmountSpin* bankAmountSpin; // its edit box is "bankAmountEdit"

    QWidget* hospitalPicture;
    KindButton* hospitalCancelButton;
    KindButton* treatmentButton;
    AmountSpin* treatmentSpin; // "treatmentEdit"
    Memo* doctorText;

    QWidget* browserPicture;
    QLabel* siteLabel;
    KindButton* cafeCancelButton;
    KindButton* repayButton;
    AmountSpin* repaymentSpin; // "repaymentEdit"
    Memo* cafeText;

    QWidget* pavilionPicture;
    KindButton* agencyCancelButton;
    KindButton* buyStorageButton;
    Memo* agencyText;

    KindButton* statementCloseButton;
    Memo* statementText;

    KindButton* helpCloseButton;
    Memo* helpText;

    // Handlers.
    void ChooseDeposit();
    void ChooseWithdraw();
    void ConfirmBank();
    void ConfirmTreatment();
    void ConfirmRepayment();
    void BuyStorage();

private:
    void BuildBank();
    void BuildHospital();
    void BuildInternetCafe();
    void BuildAgency();
    void BuildStatementAndHelp();
    void ShowPanel(QGroupBox* panel);
    void ShowBankOffer(const game::BankOffer& offer);
    void Run();

    game::Game& game_;
    EndOfRun& endOfRun_;
    std::array<QGroupBox*, 6> panels_{};

    // The offer of the panel on show; all are empty while the window is closed.
    std::optional<game::BankOffer> bankOffer_;
    std::optional<game::TreatmentOffer> treatmentOffer_;
    std::optional<game::RepaymentOffer> repaymentOffer_;
    std::optional<game::StorageOffer> storageOffer_;
};

} // namespace tp::ui
