// SPDX-License-Identifier: MIT
#include "ui/toolkit/Button.h"

#include "ui/toolkit/Keys.h"

namespace tp::ui {

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
}

void Button::keyPressEvent(QKeyEvent* event) {
    if (IsPlainEnter(*event) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace tp::ui
