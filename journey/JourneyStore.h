// SPDX-License-Identifier: MIT
#pragma once

#include "journey/JourneyFile.h"
#include "storage/KeptLock.h"

#include <QString>

#include <functional>
#include <optional>

namespace tp::journey {

// The journey file, kept beside the hall of fame. It is read once, when the game starts, and
// written after every action, whole: the new file replaces the old one in one step, so a program
// killed at any moment leaves the previous journey or the new one, never neither.
//
// One game at a time keeps it: the first to Claim it holds it for as long as it runs (the system
// lets go when the program ends, however it ends), and a second game running beside it neither
// reads nor writes it.
class JourneyStore {
public:
    // Receives one line for standard error each time something is set aside or not saved.
    using Log = std::function<void(const QString& line)>;

    // `log` defaults to writing the line to standard error. Nothing is touched yet.
    explicit JourneyStore(QString path, Log log = {});
    JourneyStore(const JourneyStore&) = delete;
    JourneyStore& operator=(const JourneyStore&) = delete;

    // journey.json in the user's data folder ($XDG_DATA_HOME/tidepeddler); empty when the
    // system names no such folder.
    static QString DefaultPath();

    const QString& Path() const { return path_; }

    enum class Claim {
        Ours,          // this game keeps the journey
        HeldByAnother, // another game running now keeps it: leave it alone
        Unavailable,   // the folder cannot be written: reading is all that may work
    };
    Claim Take();

    // What a start finds.
    struct Found {
        std::optional<JourneyFile> file; // a journey to go on with, or a run to record
        // A file no game could have written, moved aside under this name (empty when it could
        // not be moved); both empty when nothing was wrong.
        bool damaged = false;
        QString setAside;
    };
    // Reads the file. A damaged one is moved aside so that a new journey can be kept.
    Found Load();

    // Each returns whether the file now holds what was given; on failure the file holds what it
    // held before.
    bool Save(const game::SavedJourney& journey, const QString& id);
    bool SaveEnded(const game::FinishedRun& run, const QString& id);
    // The journey is over or given up: no file is left (true also when there was none).
    bool Forget();

private:
    bool Write(const QByteArray& bytes);

    QString path_;
    Log log_;
    storage::KeptLock lock_; // the claim, held for the store's life
    bool failing_ = false;
};

} // namespace tp::journey
