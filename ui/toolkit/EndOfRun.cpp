// SPDX-License-Identifier: MIT
#include "ui/toolkit/EndOfRun.h"

#include <QCoreApplication>
#include <QDialog>

namespace tp::ui {

void EndOfRun::Request() {
    const bool first = !requested_;
    requested_ = true;
    if (first) {
        emit requested();
    }
    QCoreApplication::quit();
}

int RunModal(QDialog& dialog, EndOfRun& endOfRun) {
    // A visible window cannot be made modal; refusing quietly beats an error box.
    if (endOfRun.Requested() || dialog.isVisible()) {
        return QDialog::Rejected;
    }
    const QMetaObject::Connection closer = QObject::connect(
        &endOfRun, &EndOfRun::requested, &dialog, [&dialog] { dialog.done(QDialog::Rejected); });
    const int result = dialog.exec();
    QObject::disconnect(closer);
    if (endOfRun.Requested()) {
        // The quit request ends the nested loop without closing the window.
        dialog.hide();
        return QDialog::Rejected;
    }
    return result;
}

} // namespace tp::ui
