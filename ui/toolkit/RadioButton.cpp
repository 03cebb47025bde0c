// SPDX-License-Identifier: MIT
#include "ui/toolkit/RadioButton.h"

namespace tp::ui {

RadioButton::RadioButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked) {
            emit BecameChecked();
        }
    });
}

} // namespace tp::ui
