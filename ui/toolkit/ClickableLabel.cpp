// SPDX-License-Identifier: MIT
#include "ui/toolkit/ClickableLabel.h"

#include <QMouseEvent>

namespace tp::ui {

ClickableLabel::ClickableLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    // Taken, so that the release comes here too.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        if (rect().contains(event->position().toPoint())) {
            emit Clicked();
        }
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace tp::ui
