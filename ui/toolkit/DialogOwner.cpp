// SPDX-License-Identifier: MIT
#include "ui/toolkit/DialogOwner.h"

#include <QApplication>
#include <QWidget>

namespace tp::ui {

QWidget* DialogOwner(QWidget* mainWindow) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return mainWindow;
}

} // namespace tp::ui
