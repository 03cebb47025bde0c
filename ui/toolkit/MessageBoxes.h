// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace tp::ui {

class EndOfRun;

// The three modal boxes the game uses. Each belongs to DialogOwner() (the open dialog or
// the main window), which takes no input while the box is open. Each returns at once,
// showing nothing, when the run is ending, and closes by itself if the end is requested while
// the box is open.
class MessageBoxes {
public:
    MessageBoxes(EndOfRun& endOfRun, QWidget* mainWindow)
        : endOfRun_(&endOfRun), mainWindow_(mainWindow) {}

    // A plain message: no icon, one "OK" button (also Enter and Esc), titled with
    // ApplicationTitle(), centred on the screen.
    void ShowMessage(const QString& text) const;

    // An information message: the information icon, one "OK" button, `caption` as the title.
    // An empty caption gives an empty title bar, not the program's name. Returns mrOk, or
    // mrCancel when it was not shown because the run is ending.
    int MessageBox(const QString& text, const QString& caption) const;

    // Asks before something that cannot be undone: the question icon, "OK" (Enter) and
    // "Cancel" (Esc, the close box). True only when OK was pressed; false at once, showing
    // nothing, when the run is ending.
    bool Confirm(const QString& text, const QString& caption) const;

    // Asks for a line of text: `caption` as the title, `prompt` above an edit box holding
    // `defaultText` fully selected, at most 255 characters, buttons "OK" (Enter) and "Cancel"
    // (Esc), centred on the screen. Returns the edited text on OK, and `defaultText` when the
    // box is cancelled, closed or not shown. A surrogate pair cut in half by the length limit
    // is dropped rather than returned broken.
    QString InputBox(const QString& caption, const QString& prompt,
                     const QString& defaultText) const;

private:
    int ShowBox(const QString& text, const QString& caption, int icon, bool centreOnScreen,
                bool canCancel = false) const;

    EndOfRun* endOfRun_;
    QWidget* mainWindow_;
};

inline constexpr int kInputBoxMaxLength = 255;

} // namespace tp::ui
