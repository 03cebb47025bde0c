// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace tp::ui {

// What a screen reader announces for `widget`: its name (e.g. a value label's purpose, "现金")
// and, when given, a longer description.
void SetAccessibleText(QWidget& widget, const QString& name, const QString& description = {});

} // namespace tp::ui
