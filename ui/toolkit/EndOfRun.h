// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QDialog;

namespace tp::ui {

// Closing the main window inside a handler must not cut the handler short, yet every window it
// opens afterwards has to vanish at once and the program has to end back in the main loop. A
// plain close() cannot promise that, so a run has one end that every modal window is run with.
class EndOfRun : public QObject {
    Q_OBJECT
public:
    // Marks the run as ending, closes every open modal window (as rejected) and asks the
    // application to quit. The caller runs on to its end; the main loop ends once control is
    // back there.
    void Request();

    bool Requested() const { return requested_; }

signals:
    // Emitted by the first Request: a modal loop already running closes its window.
    void requested();

private:
    bool requested_ = false;
};

// Runs `dialog` modally and returns what it closed with: QDialog::Accepted, Rejected or a
// code of its own. When the run is ending, or the dialog is already open, it shows nothing and
// gives Rejected; a dialog open when the end comes closes with Rejected.
int RunModal(QDialog& dialog, EndOfRun& endOfRun);

} // namespace tp::ui
