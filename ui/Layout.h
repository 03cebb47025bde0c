#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace tp::ui {

// Window layouts are given in pixels at 96 dpi, as boxes of left, top, width and height.
inline QRect Box(int left, int top, int width, int height) {
    return {left, top, width, height};
}

// Gives a control its designed name (also used by tests and screen readers' tooling) and box.
template <typename Widget> Widget* Place(Widget* widget, const char* name, const QRect& box) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(box);
    return widget;
}

} // namespace tp::ui
