// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>

namespace tp::ui {

// The modifiers a key was pressed with, ignoring the keypad's: the keypad Enter is Enter.
inline Qt::KeyboardModifiers PlainModifiers(const QKeyEvent& event) {
    return event.modifiers() & ~Qt::KeypadModifier;
}

// Enter from either key, with no modifier held.
inline bool IsPlainEnter(const QKeyEvent& event) {
    const int key = event.key();
    return (key == Qt::Key_Return || key == Qt::Key_Enter) &&
           PlainModifiers(event) == Qt::NoModifier;
}

} // namespace tp::ui
