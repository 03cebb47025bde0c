// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

class QWidget;

namespace tp::ui {

class EndOfRun;

// The game's message and question boxes, Qt's own. Each belongs to the window on top (the open
// dialog, so a message from inside a dialog's handler stacks above it, else the active window,
// else the main window), which takes no input while the box is open. None is shown once the run
// is ending, and an open one closes by itself when the end is requested.
class Messages {
public:
    Messages(EndOfRun& endOfRun, QWidget* mainWindow)
        : endOfRun_(&endOfRun), mainWindow_(mainWindow) {}

    // A plain message: no icon, one OK button (also Enter and Esc), titled with the program's
    // name, centred on the screen.
    void Tell(const QString& text) const;

    // A message with the information icon and `caption` as its title; an empty caption gives
    // an empty title bar, not the program's name.
    void Inform(const QString& text, const QString& caption) const;

    // Asks before something that cannot be undone: the question icon, OK (Enter) and Cancel
    // (Esc, the close box). True only when OK was pressed.
    bool Confirm(const QString& text, const QString& caption) const;

    // Asks for a line of text: `prompt` above an edit box holding `defaultText` fully selected,
    // at most 255 characters, centred on the screen. The edited text on OK; `defaultText` when
    // the box is cancelled, closed or not shown. A surrogate pair cut in half by the length
    // limit is dropped rather than returned broken.
    QString AskText(const QString& caption, const QString& prompt,
                    const QString& defaultText) const;

private:
    QWidget* Owner() const;

    EndOfRun* endOfRun_;
    QWidget* mainWindow_;
};

inline constexpr int kTypedTextMaxLength = 255;

// `date` in the locale's short date format. The C/POSIX locale is no regional setting at all,
// so it gets "M/d/yy": month and day without leading zeros, two-digit year, "/".
QString ShortDateText(const QDate& date, const QLocale& locale);

} // namespace tp::ui
