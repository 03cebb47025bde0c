// SPDX-License-Identifier: MIT
#include "ui/toolkit/ShowModal.h"

#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/ModalResult.h"

#include <QDialog>

namespace tp::ui {

int ShowModal(QDialog& dialog, EndOfRun& endOfRun) {
    // A visible window cannot be made modal; refusing quietly beats an error box, and callers
    // ignore the result of a refused showing anyway.
    if (endOfRun.Requested() || dialog.isVisible()) {
        return mrCancel;
    }
    dialog.setResult(mrNone);
    const QMetaObject::Connection closer = QObject::connect(
        &endOfRun, &EndOfRun::requested, &dialog, [&dialog] { dialog.done(mrCancel); });
    dialog.exec();
    QObject::disconnect(closer);
    if (endOfRun.Requested()) {
        // The quit request ends the nested loop without closing the window.
        dialog.hide();
        dialog.setResult(mrCancel);
        return mrCancel;
    }
    return dialog.result();
}

} // namespace tp::ui
