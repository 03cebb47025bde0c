// SPDX-License-Identifier: MIT
#pragma once

#include "game/Journal.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace tp::journey {

// The journals of finished runs, one file each in a folder beside the journey, named after the
// journey the run ended: "journals/<journey>.json", holding
//   {"version": 1, "journey": "…", "journal": [see JournalFile.h]}
// A run's journal is written once, when the run ends at home or in death, and read only when the
// player asks for it. The folder keeps the journals of the runs the hall of fame shows and of the
// last run to end: nothing else.
//
// No lock: each file is written by the one game whose run it was, in one step, and a reader that
// finds it gone finds nothing, as before it was written.
class JournalArchive {
public:
    // The journals of the journeys kept at `journeyPath`, in the folder "journals" beside it; an
    // empty path keeps nothing.
    explicit JournalArchive(const QString& journeyPath);

    // Keeps the journal of the run that ended the journey `journey`; whether it now is.
    bool Keep(const QString& journey, std::span<const game::JournalEntry> journal);

    struct Read {
        bool found = false; // the journal is there: read, or damaged
        std::vector<game::JournalEntry> journal;
        // When damaged, for the player in plain words; the file has been set aside.
        QString problem;
    };
    // The journal of the run that ended `journey`. A damaged one is moved aside, unless only
    // `peeking`, which never changes a file.
    Read Open(const QString& journey, bool peeking = false) const;
    bool Has(const QString& journey) const;

    // The journey whose run ended last; empty when no journal is kept.
    QString Latest() const;

    // Lets go of every journal but those of `journeys` and of the run that ended last.
    void KeepOnly(const QStringList& journeys) const;

private:
    QString PathOf(const QString& journey) const;

    QString folder_;
};

// The journal the player last made: the saved journey's, or with none saved (or one kept before
// the game kept journals), the last finished run's. Reads the files at `journeyPath` and beside it
// without changing them; `problem` says, for standard error, what was damaged on the way.
std::vector<game::JournalEntry> LatestJournal(const QString& journeyPath, QString* problem);

} // namespace tp::journey
