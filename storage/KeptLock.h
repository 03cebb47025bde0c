// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>

namespace tp::storage {

// The lock every game takes before it writes a kept file: "<file>.lock" beside it, locked by the
// system for as long as it is held open. It goes with the process however that ends, so a game
// that was killed never leaves a stale one behind, and the file stays for the next game to lock.
// One lock keeps one game out of another's file: the journey holds its lock for the program's
// life, the hall of fame only while it reads and replaces its file.
class KeptLock {
public:
    enum class Taken {
        Ours,          // held until Release or the end of this object
        HeldByAnother, // another game held it for all the wait
        NotWritable,   // the folder may not be written, so the file could not be replaced anyway
        Failed,        // the lock file could not be opened or locked
    };

    // The lock of the kept file `path`; nothing is touched yet.
    explicit KeptLock(const QString& path);
    ~KeptLock();
    KeptLock(const KeptLock&) = delete;
    KeptLock& operator=(const KeptLock&) = delete;

    // Takes the lock, waiting at most `wait` for another holder to let go; taking it again while
    // it is held keeps it.
    Taken Take(std::chrono::milliseconds wait = {});
    void Release();

private:
    QString path_;
    int fd_ = -1;
};

} // namespace tp::storage
