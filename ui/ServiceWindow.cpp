// SPDX-License-Identifier: MIT
#include "ui/ServiceWindow.h"

#include "game/Game.h"
#include "ui/Accessibility.h"
#include "ui/GameFonts.h"
#include "ui/ServiceTexts.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/WindowCaption.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace tp::ui {

namespace {

using resources::PictureId;

QGroupBox* Panel(QWidget* parent, const char* name, int top) {
    auto* box = Place(new QGroupBox(parent), name, Box(3, top, 313, 152));
    box->setFlat(false);
    return box;
}

QPlainTextEdit* FixedText(QWidget* parent, const char* name, const QRect& box,
                          const QString& purpose, const QString& text) {
    auto* shown = MakeText(parent, name, box, purpose);
    shown->setReadOnly(true);
    ShowLines(*shown, text.split(QLatin1Char('\n')));
    return shown;
}

// A cancel button: it closes the window, as Esc and the close box do.
QPushButton* CancelButton(QDialog* window, QWidget* panel, const char* name, const QRect& box,
                          const QString& caption) {
    auto* button = StockButton(panel, name, box, caption, resources::StockGlyph::No);
    QObject::connect(button, &QPushButton::clicked, window, &QDialog::reject);
    return button;
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
    : Dialog(owner), game_(game), endOfRun_(endOfRun) {
    setObjectName(QStringLiteral("serviceWindow"));
    setFixedSize(317, 152);
    move(319, 256);
    SetCaption(*this, tr("银行"));
    setFont(SongFont());

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
    auto* bankCancelButton =
        CancelButton(this, bankPanel_, "bankCancelButton", Box(200, 120, 89, 25), tr("取消(&C)"));
    bankConfirmButton_ = StockButton(bankPanel_, "bankConfirmButton", Box(200, 80, 89, 25),
                                     tr("确定(&O)"), resources::StockGlyph::OK);
    auto* withdrawChoice =
        Place(new QRadioButton(tr("取款"), bankPanel_), "withdrawChoice", Box(104, 80, 49, 17));
    depositChoice_ =
        Place(new QRadioButton(tr("存款"), bankPanel_), "depositChoice", Box(40, 80, 49, 17));
    depositChoice_->setChecked(true);
    bankAmountSpin_ = MakeAmount(bankPanel_, "bankAmountSpin", "bankAmountEdit",
                                 Box(40, 120, 89, 20), Box(129, 120, 15, 20), tr("金额"));
    Chain({bankCancelButton, bankConfirmButton_, withdrawChoice, depositChoice_, bankAmountSpin_});

    // A choice asks the game for its offer when it becomes the checked one, by a click, an
    // arrow key or from code.
    connect(depositChoice_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            ChooseDeposit();
        }
    });
    connect(withdrawChoice, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            ChooseWithdraw();
        }
    });
    connect(bankConfirmButton_, &QPushButton::clicked, this, &ServiceWindow::ConfirmBank);
}

void ServiceWindow::BuildHospital() {
    MakePicture(hospitalPanel_, "hospitalPicture", Box(8, 24, 81, 81), PictureId::HospitalBuilding);
    auto* hospitalCancelButton = CancelButton(this, hospitalPanel_, "hospitalCancelButton",
                                              Box(184, 120, 89, 25), tr("太贵算了"));
    treatmentButton_ = StockButton(hospitalPanel_, "treatmentButton", Box(48, 120, 89, 25),
                                   tr("接受治疗"), resources::StockGlyph::OK);
    treatmentSpin_ = MakeAmount(hospitalPanel_, "treatmentSpin", "treatmentEdit",
                                Box(168, 88, 33, 20), Box(201, 88, 15, 20), tr("治疗点数"));
    doctorText_ = MakeText(hospitalPanel_, "doctorText", Box(96, 16, 209, 65), tr("医生的话"));
    Chain({hospitalCancelButton, treatmentButton_, treatmentSpin_, doctorText_});
    connect(treatmentButton_, &QPushButton::clicked, this, &ServiceWindow::ConfirmTreatment);
}

void ServiceWindow::BuildInternetCafe() {
    MakePicture(internetCafePanel_, "browserPicture", Box(8, 32, 150, 108), PictureId::CafeBrowser,
                true);
    auto* siteLabel = Place(new QLabel(tr(texts::CafeSite), internetCafePanel_), "siteLabel",
                            Box(40, 16, 234, 12));
    siteLabel->setFont(SongFont());
    // A web address in the link colour stays readable in light and dark themes.
    SetColour(*siteLabel, QPalette::WindowText, ThemeColour(QPalette::Link));
    auto* cafeCancelButton = CancelButton(this, internetCafePanel_, "cafeCancelButton",
                                          Box(248, 120, 57, 25), tr("算了"));
    repayButton_ = StockButton(internetCafePanel_, "repayButton", Box(176, 120, 57, 25), tr("还钱"),
                               resources::StockGlyph::OK);
    repaymentSpin_ = MakeAmount(internetCafePanel_, "repaymentSpin", "repaymentEdit",
                                Box(200, 88, 57, 20), Box(257, 88, 15, 20), tr("还款金额"));
    auto* cafeText = FixedText(internetCafePanel_, "cafeText", Box(160, 32, 145, 49),
                               tr("网吧的提示"), tr(texts::InternetCafe));
    Chain({cafeCancelButton, repayButton_, repaymentSpin_, cafeText});
    connect(repayButton_, &QPushButton::clicked, this, &ServiceWindow::ConfirmRepayment);
}

void ServiceWindow::BuildAgency() {
    MakePicture(agencyPanel_, "pavilionPicture", Box(8, 16, 100, 121), PictureId::AgencyPavilion,
                true);
    auto* agencyCancelButton =
        CancelButton(this, agencyPanel_, "agencyCancelButton", Box(224, 112, 57, 25), tr("算了"));
    buyStorageButton_ = StockButton(agencyPanel_, "buyStorageButton", Box(136, 112, 57, 25),
                                    tr("买下"), resources::StockGlyph::OK);
    auto* agencyText = FixedText(agencyPanel_, "agencyText", Box(112, 24, 185, 73),
                                 tr("中介老板的话"), tr(texts::Agency));
    Chain({agencyCancelButton, buyStorageButton_, agencyText});
    connect(buyStorageButton_, &QPushButton::clicked, this, &ServiceWindow::BuyStorage);
}

void ServiceWindow::BuildStatementAndHelp() {
    auto* statementCloseButton = CancelButton(this, statementPanel_, "statementCloseButton",
                                              Box(224, 120, 73, 25), tr("明白了"));
    auto* statementText = FixedText(statementPanel_, "statementText", Box(8, 16, 297, 97),
                                    tr("作者的声明"), tr(texts::Statement));
    Chain({statementCloseButton, statementText});
    auto* helpCloseButton =
        CancelButton(this, helpPanel_, "helpCloseButton", Box(224, 120, 73, 25), tr("明白了"));
    // The keys follow the help below its last line. The box keeps its size and its lines; a
    // scroll bar as slim as the room beside the lines shows that there is more.
    auto* helpText = FixedText(helpPanel_, "helpText", Box(8, 16, 297, 97), tr("游戏帮助"),
                               tr(texts::Help) + QStringLiteral("\n\n") + tr(texts::Keys));
    helpText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpText->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { width: 5px; background: palette(button); margin: 0; }"
        "QScrollBar::handle:vertical { background: palette(mid); min-height: 16px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    Chain({helpCloseButton, helpText});
}

void ServiceWindow::ShowPanel(QGroupBox* panel, QAbstractButton* confirm) {
    for (QGroupBox* box : panels_) {
        box->setVisible(box == panel);
    }
    panel->move(3, 0);
    SetConfirmButton(confirm);
    // The focus stays where it was if it is on this panel; otherwise it starts on the panel's
    // first control, its cancel button.
    QWidget* focus = focusWidget();
    if (focus == nullptr || !panel->isAncestorOf(focus)) {
        panel->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)
            ->setFocus(Qt::OtherFocusReason);
    }
}

void ServiceWindow::Run() {
    RunModal(*this, endOfRun_);
    bankOffer_.reset();
    treatmentOffer_.reset();
    repaymentOffer_.reset();
    storageOffer_.reset();
}

void ServiceWindow::ShowBankOffer(const game::BankOffer& offer) {
    bankOffer_ = offer;
    SetCaption(*this, GameText(offer.caption.View()));
    bankAmountSpin_->SetMaximum(offer.maximum);
    bankAmountSpin_->setValue(offer.position);
}

void ServiceWindow::Bank(const game::BankOffer& offer) {
    ShowPanel(bankPanel_, bankConfirmButton_);
    bankOffer_ = offer;
    bankAmountSpin_->SetMaximum(offer.maximum);
    SetCaption(*this, GameText(offer.caption.View()));
    // Checking the deposit choice when the withdrawal was chosen last time asks the game for a
    // deposit offer again, as a click on it would.
    depositChoice_->setChecked(true);
    bankAmountSpin_->setValue(offer.position);
    Run();
}

void ServiceWindow::Hospital(const game::TreatmentOffer& offer) {
    ShowPanel(hospitalPanel_, treatmentButton_);
    treatmentOffer_ = offer;
    ShowLines(*doctorText_, {GameText(offer.text)});
    treatmentSpin_->SetMaximum(offer.maximum);
    SetCaption(*this, GameText(offer.caption.View()));
    treatmentSpin_->setValue(offer.position);
    treatmentButton_->setEnabled(offer.confirmEnabled);
    Run();
}

void ServiceWindow::InternetCafe(const game::RepaymentOffer& offer) {
    ShowPanel(internetCafePanel_, repayButton_);
    repaymentOffer_ = offer;
    repaymentSpin_->SetMaximum(offer.maximum);
    repaymentSpin_->setValue(offer.position);
    SetCaption(*this, GameText(offer.caption.View()));
    Run();
}

void ServiceWindow::Agency(const game::StorageOffer& offer) {
    ShowPanel(agencyPanel_, buyStorageButton_);
    storageOffer_ = offer;
    buyStorageButton_->setEnabled(offer.confirmEnabled);
    SetCaption(*this, GameText(offer.caption.View()));
    Run();
}

void ServiceWindow::Statement() {
    ShowPanel(statementPanel_);
    SetCaption(*this, tr("作者的声明"));
    Run();
}

void ServiceWindow::Help() {
    ShowPanel(helpPanel_);
    SetCaption(*this, tr("游戏帮助"));
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
        game_.ConfirmBank(*bankOffer_, bankAmountSpin_->Amount());
    }
    accept();
}

void ServiceWindow::ConfirmTreatment() {
    if (treatmentOffer_) {
        game_.ConfirmTreatment(*treatmentOffer_, treatmentSpin_->Amount());
    }
    accept();
}

void ServiceWindow::ConfirmRepayment() {
    if (repaymentOffer_) {
        game_.ConfirmRepayment(*repaymentOffer_, repaymentSpin_->Amount());
    }
    accept();
}

void ServiceWindow::BuyStorage() {
    if (storageOffer_) {
        buyStorageButton_->setEnabled(game_.ConfirmStorage(*storageOffer_));
    }
    accept();
}

} // namespace tp::ui
