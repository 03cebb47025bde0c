// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace tp::ui {

// A push button that the Enter key presses while it has the focus, in any window (Qt leaves
// that to dialogs' auto-default buttons only, which would also move the dialog's default
// role around as the focus moves).
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(const QString& caption = {}, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tp::ui
