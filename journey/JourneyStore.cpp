// SPDX-License-Identifier: MIT
#include "journey/JourneyStore.h"

#include "storage/KeptFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tp::journey {

namespace {

void WriteToStandardError(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

} // namespace

JourneyStore::JourneyStore(QString path, Log log)
    : path_(std::move(path)), log_(log ? std::move(log) : Log(WriteToStandardError)) {}

JourneyStore::~JourneyStore() {
    if (lock_ >= 0) {
        ::close(lock_);
    }
}

QString JourneyStore::DefaultPath() {
    const QString folder = storage::DataFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/journey.json");
}

JourneyStore::Claim JourneyStore::Take() {
    if (lock_ >= 0) {
        return Claim::Ours;
    }
    if (path_.isEmpty() || !QDir().mkpath(QFileInfo(path_).absolutePath())) {
        return Claim::Unavailable;
    }
    // A lock the system holds for the open file: it goes with the process, so a game that was
    // killed never leaves a stale one behind.
    const QByteArray lockPath = QFile::encodeName(path_ + QStringLiteral(".lock"));
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return Claim::Unavailable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? Claim::HeldByAnother : Claim::Unavailable;
    }
    lock_ = fd;
    return Claim::Ours;
}

JourneyStore::Found JourneyStore::Load() {
    Found found;
    if (path_.isEmpty()) {
        return found;
    }
    const storage::KeptFile kept = storage::ReadKeptFile(path_, MaxJourneyFileBytes);
    if (kept.state == storage::KeptFile::State::Missing) {
        return found;
    }
    QString reason = kept.reason;
    if (kept.state == storage::KeptFile::State::Read) {
        found.file = ParseJourneyFile(kept.bytes, &reason);
        if (found.file) {
            return found;
        }
    }
    found.damaged = true;
    const QString aside = storage::AsideName(path_);
    if (QFile::rename(path_, aside)) {
        found.setAside = aside;
        log_(QCoreApplication::translate(
                 "tp::journey::JourneyStore",
                 "tidepeddler: journey %1: %2; moved it to %3 and started a new one")
                 .arg(path_, reason, aside));
    } else {
        log_(QCoreApplication::translate("tp::journey::JourneyStore",
                                         "tidepeddler: journey %1: %2; cannot move it aside")
                 .arg(path_, reason));
    }
    return found;
}

bool JourneyStore::Save(const game::SavedJourney& journey, const QString& id) {
    return Write(SerializeJourney(journey, id));
}

bool JourneyStore::SaveEnded(const game::FinishedRun& run, const QString& id) {
    return Write(SerializeEndedJourney(run, id));
}

bool JourneyStore::Forget() {
    if (path_.isEmpty() || !QFileInfo::exists(path_) || QFile::remove(path_)) {
        return true;
    }
    log_(QCoreApplication::translate("tp::journey::JourneyStore",
                                     "tidepeddler: journey %1: cannot remove it")
             .arg(path_));
    return false;
}

bool JourneyStore::Write(const QByteArray& bytes) {
    if (path_.isEmpty()) {
        return false;
    }
    QString error;
    if (storage::ReplaceKeptFile(path_, bytes, &error)) {
        failing_ = false;
        return true;
    }
    // Said once while it keeps failing: the player acts many times a minute.
    if (!failing_) {
        log_(QCoreApplication::translate("tp::journey::JourneyStore",
                                         "tidepeddler: journey %1: not saved: %2")
                 .arg(path_, error));
    }
    failing_ = true;
    return false;
}

} // namespace tp::journey
