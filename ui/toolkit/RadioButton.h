// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

namespace tp::ui {

// A radio button whose BecameChecked() fires exactly when it turns from unchecked to
// checked: by a click, by the arrow keys within its group, or by SetChecked(true) from code.
// Clicking or setting a button that is already checked fires nothing (Qt's clicked() would
// fire on such a click, and not at all for a change made from code).
class RadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit RadioButton(const QString& caption = {}, QWidget* parent = nullptr);

    void SetChecked(bool checked) { setChecked(checked); }
    bool Checked() const { return isChecked(); }

signals:
    void BecameChecked();
};

} // namespace tp::ui
