// SPDX-License-Identifier: MIT
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/Keys.h"
#include "ui/toolkit/SystemColors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tp::ui {

ClickableLabel::ClickableLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    // The focus policy is what decides keyboard reach; a plain label has none.
    setFocusPolicy(Qt::NoFocus);
}

void ClickableLabel::SetFontColor(const QColor& color) {
    SetPaletteColor(*this, QPalette::WindowText, color);
}

void ClickableLabel::SetColor(const QColor& background) {
    SetPaletteColor(*this, QPalette::Window, background);
    setAutoFillBackground(true);
}

void ClickableLabel::SetKeyboardReachable(bool reachable) {
    setFocusPolicy(reachable ? Qt::StrongFocus : Qt::NoFocus);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        event->accept();
        if (rect().contains(event->position().toPoint())) {
            emit Clicked();
        }
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const bool activates = IsPlainEnter(*event) || (event->key() == Qt::Key_Space &&
                                                    PlainModifiers(*event) == Qt::NoModifier);
    if (KeyboardReachable() && activates && !event->isAutoRepeat()) {
        event->accept();
        emit Clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // Drawn in the label's own text colour: the style's focus frame is skipped when the
        // focus came from code, and would vanish on a coloured background anyway.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

} // namespace tp::ui
