// SPDX-License-Identifier: MIT
#pragma once

#include "resources/Resources.h"
#include "ui/toolkit/KindButton.h"

#include <QRect>
#include <QString>

#include <string_view>

class QWidget;

namespace tp::ui {

// The pieces every window of the game is built from.

// Window layouts are given in pixels at 96 dpi, as boxes of left, top, width and height.
inline QRect Box(int left, int top, int width, int height) {
    return {left, top, width, height};
}

// Gives a control its name (also used by tests and screen readers' tooling) and box.
template <typename Widget> Widget* Place(Widget* widget, const char* name, const QRect& box) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(box);
    return widget;
}

// The game keeps its texts in UTF-8; the windows show them as QString.
inline QString GameText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A picture box: the stored picture drawn at its natural size at the box's top-left corner
// and cut off at the box's edges. With `autoSize` the box takes the picture's size.
QWidget* MakePicture(QWidget* parent, const char* name, const QRect& box,
                     resources::PictureId picture, bool autoSize = false);

// A dialog button of the given kind with the stock glyph of its kind.
KindButton* StockButton(QWidget* parent, const char* name, const QRect& box, const QString& caption,
                        KindButton::Kind kind);

} // namespace tp::ui
