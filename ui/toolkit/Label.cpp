#include "ui/toolkit/Label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tp::ui {

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    // The focus policy is what decides keyboard reach; a plain label has none.
    setFocusPolicy(Qt::NoFocus);
}

void Label::SetFontColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void Label::SetColor(const QColor& background) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
    setAutoFillBackground(true);
}

void Label::SetKeyboardReachable(bool reachable) {
    setFocusPolicy(reachable ? Qt::StrongFocus : Qt::NoFocus);
}

void Label::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
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

void Label::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (KeyboardReachable() && activates && modifiers == Qt::NoModifier && !event->isAutoRepeat()) {
        event->accept();
        emit Clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // Drawn in the label's own text colour: the style's focus frame is skipped when the
        // focus came from code, and would vanish on a coloured background anyway.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Label::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void Label::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

} // namespace tp::ui
