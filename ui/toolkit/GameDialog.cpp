// SPDX-License-Identifier: MIT
#include "ui/toolkit/GameDialog.h"
#include "ui/toolkit/Keys.h"

#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/ModalResult.h"
#include "ui/toolkit/WindowCaption.h"

#include <QKeyEvent>

namespace tp::ui {

namespace {

template <typename Pick> KindButton* FirstReadyButton(const QDialog& dialog, Pick pick) {
    // findChildren lists in creation order, which is the order the window lays out.
    const QList<KindButton*> buttons = dialog.findChildren<KindButton*>();
    for (KindButton* button : buttons) {
        if (pick(*button) && button->isVisible() && button->isEnabled()) {
            return button;
        }
    }
    return nullptr;
}

} // namespace

GameDialog::GameDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setModal(true);
    setSizeGripEnabled(false);
}

void GameDialog::SetClientSize(int width, int height) {
    setFixedSize(width, height);
}

void GameDialog::SetCaption(const QString& caption) {
    tp::ui::SetCaption(*this, caption);
}

KindButton* GameDialog::DefaultButton() const {
    return FirstReadyButton(*this, [](const KindButton& b) { return b.IsDefaultKind(); });
}

KindButton* GameDialog::CancelButton() const {
    return FirstReadyButton(*this, [](const KindButton& b) { return b.IsCancelKind(); });
}

void GameDialog::reject() {
    done(mrCancel);
}

void GameDialog::keyPressEvent(QKeyEvent* event) {
    if (PlainModifiers(*event) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (KindButton* button = DefaultButton()) {
                button->click();
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            if (KindButton* button = CancelButton()) {
                button->click();
            }
            event->accept();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace tp::ui
