// SPDX-License-Identifier: MIT
#include "ui/toolkit/Accessibility.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QWidget>

namespace tp::ui {

void SetAccessibleText(QWidget& widget, const QString& name, const QString& description) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(&widget)) {
        if (auto* edit = spin->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
            edit->setAccessibleName(name);
            edit->setAccessibleDescription(description);
        }
    }
}

} // namespace tp::ui
