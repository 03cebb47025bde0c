// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>

namespace tp::ui {

// A modal dialog with a close box only. Esc and the close box reject it, as Qt's do. Enter
// presses the focused button (Button does that itself) or else the confirm button when it is on
// show and enabled: Qt would press only a default button and draw it as one, and the game's
// buttons all look alike. Enter in a text box confirms nothing.
class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* owner = nullptr);

    void SetConfirmButton(QAbstractButton* button) { confirm_ = button; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QAbstractButton> confirm_;
};

} // namespace tp::ui
