// SPDX-License-Identifier: MIT
#include "ui/toolkit/ClickableLabel.h"

#include <QMouseEvent>

namespace tp::ui {

ClickableLabel::ClickableLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

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

} // namespace tp::ui
