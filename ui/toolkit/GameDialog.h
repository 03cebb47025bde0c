// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace tp::ui {

class KindButton;

// Base of the game's dialogs: a fixed-size window with a close box only.
//
// Keys: Enter presses the focused button (the button handles that itself) or, when the
// focus is elsewhere and the focused control leaves Enter alone, the first visible and
// enabled Default-kind KindButton (OK, Yes). Esc presses the first visible and enabled
// Cancel-kind KindButton (No, Cancel) wherever the focus is. A disabled or hidden button is
// skipped, so Enter does nothing while the only confirm button is disabled.
// The close box closes the dialog with mrCancel.
class GameDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameDialog(QWidget* owner = nullptr);

    // Fixes the client area's size; the user cannot resize the dialog.
    void SetClientSize(int width, int height);

    // Sets the title; an empty caption gives an empty title bar (see WindowCaption.h).
    void SetCaption(const QString& caption);
    QString Caption() const { return windowTitle(); }

    // The button Enter or Esc would press now, or null.
    KindButton* DefaultButton() const;
    KindButton* CancelButton() const;

    // The close box, and anything else that rejects the dialog, gives mrCancel.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tp::ui
