#include "ui/Unit4.h"

#include "game/Game.h"
#include "ui/Artwork.h"
#include "ui/Forms.h"
#include "ui/GameText.h"
#include "ui/Layout.h"
#include "ui/PictureSlot.h"
#include "ui/ServiceTexts.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/BitBtn.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/Memo.h"
#include "ui/toolkit/RadioButton.h"
#include "ui/toolkit/SpinEdit.h"
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
Memo* FixedMemo(QWidget* parent, const char* name, const QRect& box,
                const char* const (&lines)[N]) {
    auto* memo = Place(new Memo(parent), name, box);
    memo->setReadOnly(true);
    memo->SetFlat(true);
    memo->SetColor(ColorOf(SystemColor::BtnFace));
    for (const char* line : lines) {
        memo->AddLine(QString::fromUtf8(line));
    }
    return memo;
}

SpinEdit* Amount(QWidget* parent, const char* upDown, const char* edit, const QRect& editBox,
                 const QRect& upDownBox, const QString& purpose) {
    auto* spin = new SpinEdit(parent);
    spin->setObjectName(QString::fromLatin1(upDown));
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

TForm4::TForm4(QWidget* owner, game::Game& game) : FormDialog(owner), game_(game) {
    setObjectName(QStringLiteral("Form4"));
    SetClientSize(317, 152);
    move(319, 256);
    SetCaption(QStringLiteral("银行"));
    setFont(GameFont(QStringLiteral("宋体"), -12));

    // As designed, five panels wait above the client area and the help lies in view; every
    // opening moves the one it needs into place.
    box1 = Panel(this, "box1", -144);
    Box2 = Panel(this, "Box2", -144);
    Box3 = Panel(this, "Box3", -144);
    Box4 = Panel(this, "Box4", -144);
    Box5 = Panel(this, "Box5", -144);
    box6 = Panel(this, "box6", 0);
    panels_ = {box1, Box2, Box3, Box4, Box5, box6};

    BuildBank();
    BuildHospital();
    BuildInternetCafe();
    BuildAgency();
    BuildStatementAndHelp();
    Chain({box1, Box2, Box3, Box4, Box5, box6});
}

void TForm4::BuildBank() {
    Image1 = MakePicture(box1, "Image1", Box(56, 16, 177, 49), PictureId::BankLogo);
    BitBtn2 = KindButton(box1, "BitBtn2", Box(200, 120, 89, 25), "取消(&C)", BitBtn::Kind::No);
    BitBtn1 = KindButton(box1, "BitBtn1", Box(200, 80, 89, 25), "确定(&O)", BitBtn::Kind::OK);
    RadioButton2 =
        Place(new RadioButton(QStringLiteral("取款"), box1), "RadioButton2", Box(104, 80, 49, 17));
    RadioButton1 =
        Place(new RadioButton(QStringLiteral("存款"), box1), "RadioButton1", Box(40, 80, 49, 17));
    RadioButton1->SetChecked(true);
    UpDown1 = Amount(box1, "UpDown1", "Edit1", Box(40, 120, 89, 20), Box(129, 120, 15, 20),
                     QStringLiteral("金额"));
    Chain({BitBtn2, BitBtn1, RadioButton2, RadioButton1, UpDown1});

    connect(RadioButton1, &RadioButton::BecameChecked, this, &TForm4::RadioButton1Click);
    connect(RadioButton2, &RadioButton::BecameChecked, this, &TForm4::RadioButton2Click);
    connect(BitBtn1, &BitBtn::Click, this, &TForm4::BitBtn1Click);
}

void TForm4::BuildHospital() {
    Image2 = MakePicture(Box2, "Image2", Box(8, 24, 81, 81), PictureId::HospitalBuilding);
    BitBtn3 = KindButton(Box2, "BitBtn3", Box(184, 120, 89, 25), "太贵算了", BitBtn::Kind::No);
    BitBtn4 = KindButton(Box2, "BitBtn4", Box(48, 120, 89, 25), "接受治疗", BitBtn::Kind::OK);
    UpDown2 = Amount(Box2, "UpDown2", "Edit2", Box(168, 88, 33, 20), Box(201, 88, 15, 20),
                     QStringLiteral("治疗点数"));
    Memo1 = Place(new Memo(Box2), "Memo1", Box(96, 16, 209, 65));
    Memo1->SetFlat(true);
    Memo1->SetColor(ColorOf(SystemColor::BtnFace));
    Memo1->AddLine(QString());
    SetAccessibleText(*Memo1, QStringLiteral("医生的话"));
    Chain({BitBtn3, BitBtn4, UpDown2, Memo1});
    connect(BitBtn4, &BitBtn::Click, this, &TForm4::BitBtn4Click);
}

void TForm4::BuildInternetCafe() {
    Image3 = MakePicture(Box3, "Image3", Box(8, 32, 150, 108), PictureId::CafeBrowser, true);
    Label1 =
        Place(new QLabel(QString::fromUtf8(texts::CafeSite), Box3), "Label1", Box(40, 16, 234, 12));
    Label1->setFont(GameFont(QStringLiteral("宋体"), -12));
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, ColorOf(SystemColor::Background));
    Label1->setPalette(palette);
    BitBtn5 = KindButton(Box3, "BitBtn5", Box(248, 120, 57, 25), "算了", BitBtn::Kind::No);
    BitBtn6 = KindButton(Box3, "BitBtn6", Box(176, 120, 57, 25), "还钱", BitBtn::Kind::OK);
    UpDown3 = Amount(Box3, "UpDown3", "Edit3", Box(200, 88, 57, 20), Box(257, 88, 15, 20),
                     QStringLiteral("还款金额"));
    Memo2 = FixedMemo(Box3, "Memo2", Box(160, 32, 145, 49), texts::InternetCafe);
    Chain({BitBtn5, BitBtn6, UpDown3, Memo2});
    connect(BitBtn6, &BitBtn::Click, this, &TForm4::BitBtn6Click);
}

void TForm4::BuildAgency() {
    Image4 = MakePicture(Box4, "Image4", Box(8, 16, 100, 121), PictureId::AgencyPavilion, true);
    BitBtn7 = KindButton(Box4, "BitBtn7", Box(224, 112, 57, 25), "算了", BitBtn::Kind::No);
    BitBtn8 = KindButton(Box4, "BitBtn8", Box(136, 112, 57, 25), "买下", BitBtn::Kind::OK);
    Memo3 = FixedMemo(Box4, "Memo3", Box(112, 24, 185, 73), texts::Agency);
    Chain({BitBtn7, BitBtn8, Memo3});
    connect(BitBtn8, &BitBtn::Click, this, &TForm4::BitBtn8Click);
}

void TForm4::BuildStatementAndHelp() {
    BitBtn9 = KindButton(Box5, "BitBtn9", Box(224, 120, 73, 25), "明白了", BitBtn::Kind::No);
    Memo4 = FixedMemo(Box5, "Memo4", Box(8, 16, 297, 97), texts::Statement);
    Chain({BitBtn9, Memo4});
    BitBtn10 = KindButton(box6, "BitBtn10", Box(224, 120, 73, 25), "明白了", BitBtn::Kind::No);
    Memo5 = FixedMemo(box6, "Memo5", Box(8, 16, 297, 97), texts::Help);
    Chain({BitBtn10, Memo5});
}

void TForm4::ShowPanel(QGroupBox* panel) {
    for (QGroupBox* box : panels_) {
        box->setVisible(box == panel);
    }
    panel->move(3, 0);
    // The focus stays where it was if it is on this panel; otherwise it starts on the panel's
    // first control, its cancel button.
    QWidget* focus = focusWidget();
    if (focus == nullptr || !panel->isAncestorOf(focus)) {
        for (BitBtn* button : panel->findChildren<BitBtn*>(Qt::FindDirectChildrenOnly)) {
            if (button->IsCancelKind()) {
                button->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}

void TForm4::ApplyBank(const game::DialogSetup& setup) {
    SetCaption(GameText(setup.caption));
    UpDown1->SetMax(setup.maximum);
    UpDown1->SetPosition(setup.position);
}

void TForm4::OpenBank(const game::DialogSetup& setup) {
    ShowPanel(box1);
    UpDown1->SetMax(setup.maximum);
    SetCaption(GameText(setup.caption));
    RadioButton1->SetChecked(true);
    UpDown1->SetPosition(setup.position);
}

void TForm4::OpenHospital(const game::DialogSetup& setup) {
    ShowPanel(Box2);
    Memo1->Clear();
    Memo1->AddLine(GameText(setup.text));
    UpDown2->SetMax(setup.maximum);
    SetCaption(GameText(setup.caption));
    UpDown2->SetPosition(setup.position);
    BitBtn4->setEnabled(setup.confirmEnabled);
}

void TForm4::OpenInternetCafe(const game::DialogSetup& setup) {
    ShowPanel(Box3);
    UpDown3->SetMax(setup.maximum);
    UpDown3->SetPosition(setup.position);
    SetCaption(GameText(setup.caption));
}

void TForm4::OpenAgency(const game::DialogSetup& setup) {
    ShowPanel(Box4);
    BitBtn8->setEnabled(setup.confirmEnabled);
    SetCaption(GameText(setup.caption));
}

void TForm4::OpenStatement() {
    ShowPanel(Box5);
    SetCaption(QStringLiteral("作者的声明"));
}

void TForm4::OpenHelp() {
    ShowPanel(box6);
    SetCaption(QStringLiteral("游戏帮助"));
}

void TForm4::RadioButton1Click() {
    ApplyBank(game_.BankDepositMode());
}

void TForm4::RadioButton2Click() {
    ApplyBank(game_.BankWithdrawMode());
}

void TForm4::BitBtn1Click() {
    game_.ConfirmBank(UpDown1->Position());
}

void TForm4::BitBtn4Click() {
    game_.ConfirmTreatment(UpDown2->Position());
}

void TForm4::BitBtn6Click() {
    game_.ConfirmRepayment(UpDown3->Position());
}

void TForm4::BitBtn8Click() {
    game_.ConfirmStorage();
    BitBtn8->setEnabled(!game_.StorageBought());
}

} // namespace tp::ui
