#pragma once

#include <QObject>

namespace tp::ui {

// Closing the main window inside a handler must not cut the handler short, yet every window
// it opens afterwards has to vanish at once and the program has to end when control is back
// in the main loop. A plain close() cannot promise that (any window shown later keeps the
// program alive), so the end of the run is a process-wide flag that every modal helper reads.

// Sets the flag, tells every open modal helper to close with cancel and asks the application
// to quit. The caller runs on to its end; the main loop ends once control is back there.
void RequestEndOfRun();

// True once RequestEndOfRun has been called (and not reset since).
bool EndOfRunRequested();

// Clears the flag. Only for tests, which play several "runs" in one process.
void ResetEndOfRunForTests();

// Emits requested() from RequestEndOfRun, so that a modal loop already running can close
// its window even where no application event loop runs (as in tests).
class EndOfRunNotifier : public QObject {
    Q_OBJECT
public:
    static EndOfRunNotifier& Instance();

signals:
    void requested();

private:
    EndOfRunNotifier() = default;
};

} // namespace tp::ui
