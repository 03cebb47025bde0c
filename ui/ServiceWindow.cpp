// SPDX-License-Identifier: MIT
#include "ui/ServiceWindow.h"

#include "game/Game.h"
#include "ui/ServiceTexts.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/Memo.h"
#include "ui/toolkit/RadioButton.h"
#include "ui/toolkit/ShowModal.h"
#include "ui/toolkit/SystemColors.h"

#include <QGroupBox>
#include <QLabel>

namespace tp::ui {

namespace {

using resources::PictureId;

QGroupBox* Panel(QWidget* parent, const char* name, int top) {
    auto* box = Place(new QGroupBox(parent), name, Box(3, top, 313, 152));
    box->setFlat(false);
    return box;
}

Memo* FixedMemo(QWidget* parent, const char* name, const QRect& box, const QString& purpose,
                const QString& text) {
    auto* memo = Place(new Memo(parent), name, box);
    // Tab reaches the text, so a screen reader needs to know what it is.
    SetAccessibleText(*memo, purpose);
    memo->setReadOnly(true);
    memo->SetFlat(true);
    memo->SetColor(ColorOf(SystemColor::BtnFace));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        memo->AddLine(line);
    }
    return memo;
}

AmountSpin* Amount(QWidget* parent, const char* spinName, const char* edit, const QRect& editBox,
                   const QRect& upDownBox, const QString& purpose) {
    auto* spin = new AmountSpin(parent);
    spin->setObjectName(QString::fromLatin1(spinName));
    spin->SetEditObjectName(QString::fromLatin1(edit));
    spin->PlaceOver(editBox, upDownBox);
    SetAccessibleText(*spin, purpose);
    return spin;
}

// Chains the tab order of one panel's controls as designed.
void Chain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

} // namespace

ServiceWindow::ServiceWindow(QWidget* owner, game::Game& game, EndOfRun& endOfRun)
    : GameDialog(owner), game_(game), endOfRun_(endOfRun) {
    setObjectName(QStringLiteral("serviceWindow"));
    SetClientSize(317, 152);
    move(319, 256);
    SetCaption(tr("银行"));
    setFont(GameFont(QStringLiteral("宋体"), -12));

    // Five panels wait above the client area and the help lies in view; every opening moves
    // the one it needs into place.
    bankPanel_ = Panel(this, "bankPanel", -144);
    hospitalPanel_ = Panel(this, "hospitalPanel", -144);
    internetCafePanel_ = Panel(this, "internetCafePanel", -144);
    agencyPanel_ = Panel(this, "agencyPanel", -144);
    statementPanel_ = Panel(this, "statementPanel", -144);
    helpPanel_ = Panel(this, "helpPanel", 0);
    panels_ = {bankPanel_,   hospitalPanel_,  internetCafePanel_,
               agencyPanel_, statementPanel_, helpPanel_};

    BuildBank();
    BuildHospital();
    BuildInternetCafe();
    BuildAgency();
    BuildStatementAndHelp();
    Chain({bankPanel_, hospitalPanel_, internetCafePanel_, agencyPanel_, statementPanel_,
           helpPanel_});
}

void ServiceWindow::BuildBank() {
    MakePicture(bankPanel_, "bankLogo", Box(56, 16, 177, 49), PictureId::BankLogo);
    auto* bankCancelButton = StockButton(bankPanel_, "bankCancelButton", Box(200, 120, 89, 25),
                                         tr("取消(&C)"), KindButton::Kind::No);
    auto* bankConfirmButton = StockButton(bankPanel_, "bankConfirmButton", Box(200, 80, 89, 25),
                                          tr("确定(&O)"), KindButton::Kind::OK);
    auto* withdrawChoice =
        Place(new RadioButton(tr("取款"), bankPanel_), "withdrawChoice", Box(104, 80, 49, 17));
    depositChoice_ =
        Place(new RadioButton(tr("存款"), bankPanel_), "depositChoice", Box(40, 80, 49, 17));
    depositChoice_->SetChecked(true);
    bankAmountSpin_ = Amount(bankPanel_, "bankAmountSpin", "bankAmountEdit", Box(40, 120, 89, 20),
                             Box(129, 120, 15, 20), tr("金额"));
    Chain({bankCancelButton, bankConfirmButton, withdrawChoice, depositChoice_, bankAmountSpin_});

    connect(depositChoice_, &RadioButton::BecameChecked, this, &ServiceWindow::ChooseDeposit);
    connect(withdrawChoice, &RadioButton::BecameChecked, this, &ServiceWindow::ChooseWithdraw);
    connect(bankConfirmButton, &KindButton::Click, this, &ServiceWindow::ConfirmBank);
}

void ServiceWindow::BuildHospital() {
    MakePicture(hospitalPanel_, "hospitalPicture", Box(8, 24, 81, 81), PictureId::HospitalBuilding);
    auto* hospitalCancelButton =
        StockButton(hospitalPanel_, "hospitalCancelButton", Box(184, 120, 89, 25), tr("太贵算了"),
                    KindButton::Kind::No);
    treatmentButton_ = StockButton(hospitalPanel_, "treatmentButton", Box(48, 120, 89, 25),
                                   tr("接受治疗"), KindButton::Kind::OK);
    treatmentSpin_ = Amount(hospitalPanel_, "treatmentSpin", "treatmentEdit", Box(168, 88, 33, 20),
                            Box(201, 88, 15, 20), tr("治疗点数"));
    doctorText_ = Place(new Memo(hospitalPanel_), "doctorText", Box(96, 16, 209, 65));
    doctorText_->SetFlat(true);
    doctorText_->SetColor(ColorOf(SystemColor::BtnFace));
    doctorText_->AddLine(QString());
    SetAccessibleText(*doctorText_, tr("医生的话"));
    Chain({hospitalCancelButton, treatmentButton_, treatmentSpin_, doctorText_});
    connect(treatmentButton_, &KindButton::Click, this, &ServiceWindow::ConfirmTreatment);
}

void ServiceWindow::BuildInternetCafe() {
    MakePicture(internetCafePanel_, "browserPicture", Box(8, 32, 150, 108), PictureId::CafeBrowser,
                true);
    auto* siteLabel = Place(new QLabel(tr(texts::CafeSite), internetCafePanel_), "siteLabel",
                            Box(40, 16, 234, 12));
    siteLabel->setFont(GameFont(QStringLiteral("宋体"), -12));
    SetPaletteColor(*siteLabel, QPalette::WindowText, ColorOf(SystemColor::Background));
    auto* cafeCancelButton = StockButton(internetCafePanel_, "cafeCancelButton",
                                         Box(248, 120, 57, 25), tr("算了"), KindButton::Kind::No);
    auto* repayButton = StockButton(internetCafePanel_, "repayButton", Box(176, 120, 57, 25),
                                    tr("还钱"), KindButton::Kind::OK);
    repaymentSpin_ = Amount(internetCafePanel_, "repaymentSpin", "repaymentEdit",
                            Box(200, 88, 57, 20), Box(257, 88, 15, 20), tr("还款金额"));
    auto* cafeText = FixedMemo(internetCafePanel_, "cafeText", Box(160, 32, 145, 49),
                               tr("网吧的提示"), tr(texts::InternetCafe));
    Chain({cafeCancelButton, repayButton, repaymentSpin_, cafeText});
    connect(repayButton, &KindButton::Click, this, &ServiceWindow::ConfirmRepayment);
}

void ServiceWindow::BuildAgency() {
    MakePicture(agencyPanel_, "pavilionPicture", Box(8, 16, 100, 121), PictureId::AgencyPavilion,
                true);
    auto* agencyCancelButton = StockButton(agencyPanel_, "agencyCancelButton",
                                           Box(224, 112, 57, 25), tr("算了"), KindButton::Kind::No);
    buyStorageButton_ = StockButton(agencyPanel_, "buyStorageButton", Box(136, 112, 57, 25),
                                    tr("买下"), KindButton::Kind::OK);
    auto* agencyText = FixedMemo(agencyPanel_, "agencyText", Box(112, 24, 185, 73),
                                 tr("中介老板的话"), tr(texts::Agency));
    Chain({agencyCancelButton, buyStorageButton_, agencyText});
    connect(buyStorageButton_, &KindButton::Click, this, &ServiceWindow::BuyStorage);
}

void ServiceWindow::BuildStatementAndHelp() {
    auto* statementCloseButton =
        StockButton(statementPanel_, "statementCloseButton", Box(224, 120, 73, 25), tr("明白了"),
                    KindButton::Kind::No);
    auto* statementText = FixedMemo(statementPanel_, "statementText", Box(8, 16, 297, 97),
                                    tr("作者的声明"), tr(texts::Statement));
    Chain({statementCloseButton, statementText});
    auto* helpCloseButton = StockButton(helpPanel_, "helpCloseButton", Box(224, 120, 73, 25),
                                        tr("明白了"), KindButton::Kind::No);
    auto* helpText =
        FixedMemo(helpPanel_, "helpText", Box(8, 16, 297, 97), tr("游戏帮助"), tr(texts::Help));
    Chain({helpCloseButton, helpText});
}

void ServiceWindow::ShowPanel(QGroupBox* panel) {
    for (QGroupBox* box : panels_) {
        box->setVisible(box == panel);
    }
    panel->move(3, 0);
    // The focus stays where it was if it is on this panel; otherwise it starts on the panel's
    // first control, its cancel button.
    QWidget* focus = focusWidget();
    if (focus == nullptr || !panel->isAncestorOf(focus)) {
        for (KindButton* button : panel->findChildren<KindButton*>(Qt::FindDirectChildrenOnly)) {
            if (button->IsCancelKind()) {
                button->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}

void ServiceWindow::Run() {
    ShowModal(*this, endOfRun_);
    bankOffer_.reset();
    treatmentOffer_.reset();
    repaymentOffer_.reset();
    storageOffer_.reset();
}

void ServiceWindow::ShowBankOffer(const game::BankOffer& offer) {
    bankOffer_ = offer;
    SetCaption(GameText(offer.caption.View()));
    bankAmountSpin_->SetMax(offer.maximum);
    bankAmountSpin_->SetPosition(offer.position);
}

void ServiceWindow::Bank(const game::BankOffer& offer) {
    ShowPanel(bankPanel_);
    bankOffer_ = offer;
    bankAmountSpin_->SetMax(offer.maximum);
    SetCaption(GameText(offer.caption.View()));
    // Checking the deposit choice when the withdrawal was chosen last time asks the game for a
    // deposit offer again, as a click on it would.
    depositChoice_->SetChecked(true);
    bankAmountSpin_->SetPosition(offer.position);
    Run();
}

void ServiceWindow::Hospital(const game::TreatmentOffer& offer) {
    ShowPanel(hospitalPanel_);
    treatmentOffer_ = offer;
    doctorText_->Clear();
    doctorText_->AddLine(GameText(offer.text));
    treatmentSpin_->SetMax(offer.maximum);
    SetCaption(GameText(offer.caption.View()));
    treatmentSpin_->SetPosition(offer.position);
    treatmentButton_->setEnabled(offer.confirmEnabled);
    Run();
}

void ServiceWindow::InternetCafe(const game::RepaymentOffer& offer) {
    ShowPanel(internetCafePanel_);
    repaymentOffer_ = offer;
    repaymentSpin_->SetMax(offer.maximum);
    repaymentSpin_->SetPosition(offer.position);
    SetCaption(GameText(offer.caption.View()));
    Run();
}

void ServiceWindow::Agency(const game::StorageOffer& offer) {
    ShowPanel(agencyPanel_);
    storageOffer_ = offer;
    buyStorageButton_->setEnabled(offer.confirmEnabled);
    SetCaption(GameText(offer.caption.View()));
    Run();
}

void ServiceWindow::Statement() {
    ShowPanel(statementPanel_);
    SetCaption(tr("作者的声明"));
    Run();
}

void ServiceWindow::Help() {
    ShowPanel(helpPanel_);
    SetCaption(tr("游戏帮助"));
    Run();
}

void ServiceWindow::ChooseDeposit() {
    ShowBankOffer(game_.OpenBank(game::BankMode::Deposit));
}

void ServiceWindow::ChooseWithdraw() {
    ShowBankOffer(game_.OpenBank(game::BankMode::Withdraw));
}

void ServiceWindow::ConfirmBank() {
    if (bankOffer_) {
        game_.ConfirmBank(*bankOffer_, bankAmountSpin_->Position());
    }
}

void ServiceWindow::ConfirmTreatment() {
    if (treatmentOffer_) {
        game_.ConfirmTreatment(*treatmentOffer_, treatmentSpin_->Position());
    }
}

void ServiceWindow::ConfirmRepayment() {
    if (repaymentOffer_) {
        game_.ConfirmRepayment(*repaymentOffer_, repaymentSpin_->Position());
    }
}

void ServiceWindow::BuyStorage() {
    if (storageOffer_) {
        buyStorageButton_->setEnabled(game_.ConfirmStorage(*storageOffer_));
    }
}

} // namespace tp::ui
