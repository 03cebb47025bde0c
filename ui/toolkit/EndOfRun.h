// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace tp::ui {

// Closing the main window inside a handler must not cut the handler short, yet every window
// it opens afterwards has to vanish at once and the program has to end when control is back
// in the main loop. A plain close() cannot promise that (any window shown later keeps the
// program alive), so a run has one end-of-run state that every modal helper reads. The window
// set owns it and hands it to whatever shows a window modally.
class EndOfRun : public QObject {
    Q_OBJECT
public:
    // Marks the run as ending, tells every open modal helper to close with cancel and asks the
    // application to quit. The caller runs on to its end; the main loop ends once control is
    // back there.
    void Request();

    // True once Request has been called.
    bool Requested() const { return requested_; }

signals:
    // Emitted by the first Request, so that a modal loop already running can close its window
    // even where no application event loop runs (as in tests).
    void requested();

private:
    bool requested_ = false;
};

} // namespace tp::ui
