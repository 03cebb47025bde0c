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

template <std::size_t N>
Memo* FixedMemo(QWidget* parent, const char* name, const QRect& box, const QString& purpose,
                const char* const (&lines)[N]) {
    auto* memo = Place(new Memo(parent), name, box);
    // Tab reaches the text, so a screen reader needs to know what it is.
    SetAccessibleText(*memo, purpose);
    memo->setReadOnly(true);
    memo->SetFlat(true);
    memo->SetColor(ColorOf(SystemColor::BtnFace));
    for (const char* line : lines) {
        memo->AddLine(QString::fromUtf8(line));
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
    SetCaption(QStringLiteral("银行"));
    setFont(GameFont(QStringLiteral("宋体"), -12));

    // Five panels wait above the client area and the help lies in view; every opening moves
    // the one it needs into place.
    bankPanel = Panel(this, "bankPanel", -144);
    hospitalPanel = Panel(this, "hospitalPanel", -144);
    internetCafePanel = Panel(this, "internetCafePanel", -144);
    agencyPanel = Panel(this, "agencyPanel", -144);
    statementPanel = Panel(this, "statementPanel", -144);
    helpPanel = Panel(this, "helpPanel", 0);
    panels_ = {bankPanel, hospitalPanel, internetCafePanel, agencyPanel, statementPanel, helpPanel};

    BuildBank();
    BuildHospital();
    BuildInternetCafe();
    BuildAgency();
    BuildStatementAndHelp();
    Chain({bankPanel, hospitalPanel, internetCafePanel, agencyPanel, statementPanel, helpPanel});
}

void ServiceWindow::BuildBank() {
    bankLogo = MakePicture(bankPanel, "bankLogo", Box(56, 16, 177, 49), PictureId::BankLogo);
    bankCancelButton = StockButton(bankPanel, "bankCancelButton", Box(200, 120, 89, 25), "取消(&C)",
                                   KindButton::Kind::No);
    bankConfirmButton = StockButton(bankPanel, "bankConfirmButton", Box(200, 80, 89, 25),
                                    "确定(&O)", KindButton::Kind::OK);
    withdrawChoice = Place(new RadioButton(QStringLiteral("取款"), bankPanel), "withdrawChoice",
                           Box(104, 80, 49, 17));
    depositChoice = Place(new RadioButton(QStringLiteral("存款"), bankPanel), "depositChoice",
                          Box(40, 80, 49, 17));
    depositChoice->SetChecked(true);
    bankAmountSpin = Amount(bankPanel, "bankAmountSpin", "bankAmountEdit", Box(40, 120, 89, 20),
                            Box(129, 120, 15, 20), QStringLiteral("金额"));
    Chain({bankCancelButton, bankConfirmButton, withdrawChoice, depositChoice, bankAmountSpin});

    connect(depositChoice, &RadioButton::BecameChecked, this, &ServiceWindow::ChooseDeposit);
    connect(withdrawChoice, &RadioButton::BecameChecked, this, &ServiceWindow::ChooseWithdraw);
    connect(bankConfirmButton, &KindButton::Click, this, &ServiceWindow::ConfirmBank);
}

void ServiceWindow::BuildHospital() {
    hospitalPicture = MakePicture(hospitalPanel, "hospitalPicture", Box(8, 24, 81, 81),
                                  PictureId::HospitalBuilding);
    hospitalCancelButton = StockButton(hospitalPanel, "hospitalCancelButton", Box(184, 120, 89, 25),
                                       "太贵算了", KindButton::Kind::No);
    treatmentButton = StockButton(hospitalPanel, "treatmentButton", Box(48, 120, 89, 25),
                                  "接受治疗", KindButton::Kind::OK);
    treatmentSpin = Amount(hospitalPanel, "treatmentSpin", "treatmentEdit", Box(168, 88, 33, 20),
                           Box(201, 88, 15, 20), QStringLiteral("治疗点数"));
    doctorText = Place(new Memo(hospitalPanel), "doctorText", Box(96, 16, 209, 65));
    doctorText->SetFlat(true);
    doctorText->SetColor(ColorOf(SystemColor::BtnFace));
    doctorText->AddLine(QString());
    SetAccessibleText(*doctorText, QStringLiteral("医生的话"));
    Chain({hospitalCancelButton, treatmentButton, treatmentSpin, doctorText});
    connect(treatmentButton, &KindButton::Click, this, &ServiceWindow::ConfirmTreatment);
}

void ServiceWindow::BuildInternetCafe() {
    browserPicture = MakePicture(internetCafePanel, "browserPicture", Box(8, 32, 150, 108),
                                 PictureId::CafeBrowser, true);
    siteLabel = Place(new QLabel(QString::fromUtf8(texts::CafeSite), internetCafePanel),
                      "siteLabel", Box(40, 16, 234, 12));
    siteLabel->setFont(GameFont(QStringLiteral("宋体"), -12));
    SetPaletteColor(*siteLabel, QPalette::WindowText, ColorOf(SystemColor::Background));
    cafeCancelButton = StockButton(internetCafePanel, "cafeCancelButton", Box(248, 120, 57, 25),
                                   "算了", KindButton::Kind::No);
    repayButton = StockButton(internetCafePanel, "repayButton", Box(176, 120, 57, 25), "还钱",
                              KindButton::Kind::OK);
    repaymentSpin = Amount(internetCafePanel, "repaymentSpin", "repaymentEdit",
                           Box(200, 88, 57, 20), Box(257, 88, 15, 20), QStringLiteral("还款金额"));
    cafeText = FixedMemo(internetCafePanel, "cafeText", Box(160, 32, 145, 49),
                         QStringLiteral("网吧的提示"), texts::InternetCafe);
    Chain({cafeCancelButton, repayButton, repaymentSpin, cafeText});
    connect(repayButton, &KindButton::Click, this, &ServiceWindow::ConfirmRepayment);
}

void ServiceWindow::BuildAgency() {
    pavilionPicture = MakePicture(agencyPanel, "pavilionPicture", Box(8, 16, 100, 121),
                                  PictureId::AgencyPavilion, true);
    agencyCancelButton = StockButton(agencyPanel, "agencyCancelButton", Box(224, 112, 57, 25),
                                     "算了", KindButton::Kind::No);
    buyStorageButton = StockButton(agencyPanel, "buyStorageButton", Box(136, 112, 57, 25), "买下",
                                   KindButton::Kind::OK);
    agencyText = FixedMemo(agencyPanel, "agencyText", Box(112, 24, 185, 73),
                           QStringLiteral("中介老板的话"), texts::Agency);
    Chain({agencyCancelButton, buyStorageButton, agencyText});
    connect(buyStorageButton, &KindButton::Click, this, &ServiceWindow::BuyStorage);
}

void ServiceWindow::BuildStatementAndHelp() {
    statementCloseButton = StockButton(statementPanel, "statementCloseButton",
                                       Box(224, 120, 73, 25), "明白了", KindButton::Kind::No);
    statementText = FixedMemo(statementPanel, "statementText", Box(8, 16, 297, 97),
                              QStringLiteral("作者的声明"), texts::Statement);
    Chain({statementCloseButton, statementText});
    helpCloseButton = StockButton(helpPanel, "helpCloseButton", Box(224, 120, 73, 25), "明白了",
                                  KindButton::Kind::No);
    helpText = FixedMemo(helpPanel, "helpText", Box(8, 16, 297, 97), QStringLiteral("游戏帮助"),
                         texts::Help);
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
    bankAmountSpin->SetMax(offer.maximum);
    bankAmountSpin->SetPosition(offer.position);
}

void ServiceWindow::Bank(const game::BankOffer& offer) {
    ShowPanel(bankPanel);
    bankOffer_ = offer;
    bankAmountSpin->SetMax(offer.maximum);
    SetCaption(GameText(offer.caption.View()));
    // Checking the deposit choice when the withdrawal was chosen last time asks the game for a
    // deposit offer again, as a click on it would.
    depositChoice->SetChecked(true);
    bankAmountSpin->SetPosition(offer.position);
    Run();
}

void ServiceWindow::Hospital(const game::TreatmentOffer& offer) {
    ShowPanel(hospitalPanel);
    treatmentOffer_ = offer;
    doctorText->Clear();
    doctorText->AddLine(GameText(offer.text));
    treatmentSpin->SetMax(offer.maximum);
    SetCaption(GameText(offer.caption.View()));
    treatmentSpin->SetPosition(offer.position);
    treatmentButton->setEnabled(offer.confirmEnabled);
    Run();
}

void ServiceWindow::InternetCafe(const game::RepaymentOffer& offer) {
    ShowPanel(internetCafePanel);
    repaymentOffer_ = offer;
    repaymentSpin->SetMax(offer.maximum);
    repaymentSpin->SetPosition(offer.position);
    SetCaption(GameText(offer.caption.View()));
    Run();
}

void ServiceWindow::Agency(const game::StorageOffer& offer) {
    ShowPanel(agencyPanel);
    storageOffer_ = offer;
    buyStorageButton->setEnabled(offer.confirmEnabled);
    SetCaption(GameText(offer.caption.View()));
    Run();
}

void ServiceWindow::Statement() {
    ShowPanel(statementPanel);
    SetCaption(QStringLiteral("作者的声明"));
    Run();
}

void ServiceWindow::Help() {
    ShowPanel(helpPanel);
    SetCaption(QStringLiteral("游戏帮助"));
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
        game_.ConfirmBank(*bankOffer_, bankAmountSpin->Position());
    }
}

void ServiceWindow::ConfirmTreatment() {
    if (treatmentOffer_) {
        game_.ConfirmTreatment(*treatmentOffer_, treatmentSpin->Position());
    }
}

void ServiceWindow::ConfirmRepayment() {
    if (repaymentOffer_) {
        game_.ConfirmRepayment(*repaymentOffer_, repaymentSpin->Position());
    }
}

void ServiceWindow::BuyStorage() {
    if (storageOffer_) {
        buyStorageButton->setEnabled(game_.ConfirmStorage(*storageOffer_));
    }
}

} // namespace tp::ui
