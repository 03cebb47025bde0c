// SPDX-License-Identifier: MIT
#include "ui/toolkit/EndOfRun.h"

#include <QCoreApplication>

namespace tp::ui {

void EndOfRun::Request() {
    const bool first = !requested_;
    requested_ = true;
    if (first) {
        emit requested();
    }
    QCoreApplication::quit();
}

} // namespace tp::ui
