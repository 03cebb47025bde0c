// SPDX-License-Identifier: MIT
#pragma once

#include "resources/Resources.h"

#include <QPalette>
#include <QRect>
#include <QString>

#include <string_view>

class QColor;
class QFrame;
class QIcon;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tp::ui {

class AmountSpin;

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
// A label that shows `text` as it stands: a name typed by the player is never read as markup.
QLabel* PlainLabel(QWidget* parent, const QString& objectName, const QString& text);

inline QString GameText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Gives one role of a widget's own palette a colour; the other roles stay as inherited.
void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour);
// The desktop theme's colour of `role`, so that the windows follow a light or a dark theme.
QColor ThemeColour(QPalette::ColorRole role);

// An amount's spin box, its edit box named `edit`, placed over the edit box's and the up-down
// control's boxes side by side, announced as `purpose`.
AmountSpin* MakeAmount(QWidget* parent, const char* name, const char* edit, const QRect& editBox,
                       const QRect& upDownBox, const QString& purpose);

// A picture box: the stored picture drawn at its natural size at the box's top-left corner
// and cut off at the box's edges. With `autoSize` the box takes the picture's size.
QWidget* MakePicture(QWidget* parent, const char* name, const QRect& box,
                     resources::PictureId picture, bool autoSize = false);

// A button with a glyph beside its caption (the icon's Disabled mode shows while the button is
// disabled); Enter presses it while it has the focus.
QPushButton* GlyphButton(QWidget* parent, const char* name, const QRect& box,
                         const QString& caption, const QIcon& glyph);
// The same with the stock glyph of what the button does (OK, Cancel, Yes, No).
QPushButton* StockButton(QWidget* parent, const char* name, const QRect& box,
                         const QString& caption, resources::StockGlyph glyph);

// A text box of the windows: lines wrap at its width (also inside words, for Chinese has no
// spaces), never a scroll bar, Tab moves the focus on, a one-pixel flat frame on the buttons'
// colour. Screen readers announce it as `purpose`.
QPlainTextEdit* MakeText(QWidget* parent, const char* name, const QRect& box,
                         const QString& purpose);
// Shows `lines`, one per piece, from the top.
void ShowLines(QPlainTextEdit& text, const QStringList& lines);

// A one-pixel flat frame instead of the sunken one.
void MakeFlat(QFrame& frame);

} // namespace tp::ui
