// SPDX-License-Identifier: MIT
#pragma once

#include "halloffame/Entry.h"

#include <QList>
#include <QString>

#include <functional>

namespace tp::halloffame {

// What the table shows: every kept run, best first, and what went wrong, if anything.
struct Table {
    QList<Entry> ranked; // best first, at most MaxStoredRuns
    QString problem;     // for the window, in Chinese; empty when all went well
};

// The outcome of recording a finished run.
struct Recorded {
    QList<Entry> ranked; // best first; holds this run unless it fell below the kept runs
    Entry run;           // this run as it was stored
    int rank = 0;        // this run's rank among all recorded runs, 1-based
    bool saved = false;  // whether the file now holds it (or it was below the kept runs)
    QString problem;     // for the window, in Chinese; empty when all went well
};

// The hall-of-fame file. Nothing is read or written until Read or Record is called, so the
// game's start-up never touches it.
//
// Record takes a lock beside the file, reads it, adds the run and writes the whole table to a
// new file that replaces the old one in one step, so two games ending together both land and a
// game killed while writing leaves the old file whole. A damaged file is moved aside (renamed
// "<file>.<yyyyMMdd-HHmmss>.bad") and the table starts afresh; a file with rows that had to be
// left out or changed is first copied aside the same way. Whatever fails, the caller gets a
// table to show with this run in it.
class HallOfFameStore {
public:
    // Receives one line for standard error each time something is moved aside or not saved.
    using Log = std::function<void(const QString& line)>;

    // `log` defaults to writing the line to standard error.
    explicit HallOfFameStore(QString path, Log log = {});

    // hall-of-fame.json in the user's data folder: $XDG_DATA_HOME/tidepeddler, by default
    // ~/.local/share/tidepeddler. Empty when the system names no such folder.
    static QString DefaultPath();

    const QString& Path() const { return path_; }

    // The table as stored. Never changes a file: a damaged file is only reported.
    Table Read() const;

    // Adds a finished run and returns the table with it.
    Recorded Record(const Entry& run);

private:
    QString path_;
    Log log_;
};

} // namespace tp::halloffame
