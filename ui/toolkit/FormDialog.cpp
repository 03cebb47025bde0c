#include "ui/toolkit/FormDialog.h"

#include "ui/toolkit/BitBtn.h"
#include "ui/toolkit/ModalResult.h"
#include "ui/toolkit/WindowCaption.h"

#include <QKeyEvent>

namespace tp::ui {

namespace {

template <typename Pick> BitBtn* FirstReadyButton(const QDialog& dialog, Pick pick) {
    // findChildren lists in creation order, which is the order the window lays out.
    const QList<BitBtn*> buttons = dialog.findChildren<BitBtn*>();
    for (BitBtn* button : buttons) {
        if (pick(*button) && button->isVisible() && button->isEnabled()) {
            return button;
        }
    }
    return nullptr;
}

} // namespace

FormDialog::FormDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setModal(true);
    setSizeGripEnabled(false);
}

void FormDialog::SetClientSize(int width, int height) {
    setFixedSize(width, height);
}

void FormDialog::SetCaption(const QString& caption) {
    tp::ui::SetCaption(*this, caption);
}

BitBtn* FormDialog::DefaultButton() const {
    return FirstReadyButton(*this, [](const BitBtn& b) { return b.IsDefaultKind(); });
}

BitBtn* FormDialog::CancelButton() const {
    return FirstReadyButton(*this, [](const BitBtn& b) { return b.IsCancelKind(); });
}

void FormDialog::reject() {
    done(mrCancel);
}

void FormDialog::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (BitBtn* button = DefaultButton()) {
                button->click();
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            if (BitBtn* button = CancelButton()) {
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
