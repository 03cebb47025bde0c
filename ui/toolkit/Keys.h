// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>

namespace tp::ui {

// Enter from either key (the keypad's is Enter too), with no modifier held.
inline bool IsPlainEnter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace tp::ui
