// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace tp::ui {

// The desktop's colours the windows use, taken from the palette so the game follows a light
// or a dark theme. Setting a widget's colour through a role (rather than a fixed QColor)
// also follows a theme change while the game runs.
enum class SystemColor {
    BtnFace,    // faces of buttons and the windows' background
    Window,     // background of edit boxes and lists
    Background, // the desktop background; stands in as the colour of a web address
};

QPalette::ColorRole RoleOf(SystemColor color);
QColor ColorOf(SystemColor color, const QPalette& palette);
// From the application's palette.
QColor ColorOf(SystemColor color);

// Gives one role of a widget's own palette a colour; the other roles stay as inherited.
void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, const QColor& color);

// Fixed colours stay what they are in every theme.
inline constexpr QColor kBlack{0, 0, 0};
inline constexpr QColor kLime{0, 255, 0};
inline constexpr QColor kRed{255, 0, 0};

} // namespace tp::ui
