#include "ui/Unit2.h"

#include "game/Game.h"
#include "ui/Artwork.h"
#include "ui/GameText.h"
#include "ui/Layout.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/BitBtn.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/SpinEdit.h"
#include "ui/toolkit/SystemColors.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace tp::ui {

TForm2::TForm2(QWidget* owner, game::Game& game) : FormDialog(owner), game_(game) {
    setObjectName(QStringLiteral("Form2"));
    SetClientSize(187, 59);
    move(335, 290);
    SetCaption(QStringLiteral("交易"));
    setFont(GameFont(QStringLiteral("宋体"), -12));

    Label1 = Place(new QLabel(QStringLiteral("要购买的数量："), this), "Label1", Box(8, 8, 84, 12));
    BitBtn1 = KindButton(this, "BitBtn1", Box(112, 0, 73, 25), "确定(&O)", BitBtn::Kind::Yes);
    BitBtn2 = KindButton(this, "BitBtn2", Box(112, 32, 73, 25), "取消(&N)", BitBtn::Kind::No);
    UpDown1 = new SpinEdit(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->SetEditObjectName(QStringLiteral("Edit1"));
    UpDown1->PlaceOver(Box(32, 32, 33, 20), Box(65, 32, 15, 20));
    UpDown1->SetEditColor(ColorOf(SystemColor::BtnFace));
    SetAccessibleText(*UpDown1, QStringLiteral("数量"));
    Label1->setBuddy(UpDown1);

    // Nothing here is reached by Tab: Enter confirms, Esc cancels, and the quantity keys go
    // to the spin control (see keyPressEvent).
    for (QWidget* control : {static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(BitBtn2),
                             static_cast<QWidget*>(UpDown1)}) {
        control->setFocusPolicy(Qt::ClickFocus);
    }

    connect(BitBtn1, &BitBtn::Click, this, &TForm2::BitBtn1Click);
    connect(UpDown1, &SpinEdit::EditEntered, this, &TForm2::Edit1Enter);
    connect(UpDown1, &SpinEdit::EditExited, this, &TForm2::Edit1Exit);
}

void TForm2::Prepare(const game::DialogSetup& setup) {
    BitBtn1->setEnabled(true);
    Label1->setText(GameText(setup.text));
    SetCaption(GameText(setup.caption));
    UpDown1->SetMax(setup.maximum);
    UpDown1->SetPosition(setup.position);
    BitBtn1->setEnabled(setup.confirmEnabled);
}

void TForm2::BitBtn1Click() {
    game_.ConfirmTrade(UpDown1->Position());
}

void TForm2::Edit1Enter() {
    UpDown1->SetEditColor(ColorOf(SystemColor::Window));
}

void TForm2::Edit1Exit() {
    UpDown1->SetEditColor(ColorOf(SystemColor::BtnFace));
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // The edit box is out of the Tab chain, so a keyboard player would have no way to change
    // the quantity: arrow, page and digit keys move the focus into it and act there.
    const int key = event->key();
    const bool quantityKey = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                             key == Qt::Key_PageDown || (key >= Qt::Key_0 && key <= Qt::Key_9);
    if (quantityKey && !UpDown1->hasFocus() && event->modifiers() == Qt::NoModifier) {
        UpDown1->setFocus(Qt::OtherFocusReason);
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            UpDown1->Edit()->selectAll();
        }
        QKeyEvent forwarded(event->type(), key, event->modifiers(), event->text());
        QCoreApplication::sendEvent(UpDown1, &forwarded);
        return;
    }
    FormDialog::keyPressEvent(event);
}

} // namespace tp::ui
