// SPDX-License-Identifier: MIT
#include "ui/toolkit/SystemColors.h"

#include <QGuiApplication>
#include <QWidget>

namespace tp::ui {

QPalette::ColorRole RoleOf(SystemColor color) {
    switch (color) {
    case SystemColor::BtnFace:
        return QPalette::Button;
    case SystemColor::Window:
        return QPalette::Base;
    case SystemColor::Background:
        // Desktops no longer expose their background colour; the one text drawn in it is a
        // web address, and the link colour keeps it readable in light and dark themes.
        return QPalette::Link;
    }
    return QPalette::Window;
}

QColor ColorOf(SystemColor color, const QPalette& palette) {
    return palette.color(QPalette::Active, RoleOf(color));
}

QColor ColorOf(SystemColor color) {
    return ColorOf(color, QGuiApplication::palette());
}

void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

} // namespace tp::ui
