// SPDX-License-Identifier: MIT
#include "ui/toolkit/Dialog.h"

#include "ui/toolkit/Keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>

namespace tp::ui {

Dialog::Dialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setModal(true);
    setSizeGripEnabled(false);
}

void Dialog::keyPressEvent(QKeyEvent* event) {
    if (!IsPlainEnter(*event)) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    if (qobject_cast<QPlainTextEdit*>(QApplication::focusWidget()) != nullptr) {
        return;
    }
    if (confirm_ != nullptr && confirm_->isVisible() && confirm_->isEnabled()) {
        confirm_->click();
    }
}

} // namespace tp::ui
