// SPDX-License-Identifier: MIT
#include "ui/Accessibility.h"

#include <QWidget>

namespace tp::ui {

void SetAccessibleText(QWidget& widget, const QString& name, const QString& description) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

} // namespace tp::ui
