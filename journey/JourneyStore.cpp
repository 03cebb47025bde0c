// SPDX-License-Identifier: MIT
#include "journey/JourneyStore.h"

#include "storage/KeptFiles.h"
#include "storage/KeptLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace tp::journey {

namespace {

void WriteToStandardError(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

} // namespace

JourneyStore::JourneyStore(QString path, Log log)
    : path_(std::move(path)), log_(log ? std::move(log) : Log(WriteToStandardError)), lock_(path_) {
}

QString JourneyStore::DefaultPath() {
    const QString folder = storage::DataFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/journey.json");
}

JourneyStore::Claim JourneyStore::Take() {
    if (path_.isEmpty() || !QDir().mkpath(QFileInfo(path_).absolutePath())) {
        return Claim::Unavailable;
    }
    switch (lock_.Take()) {
    case storage::KeptLock::Taken::Ours:
        return Claim::Ours;
    case storage::KeptLock::Taken::HeldByAnother:
        return Claim::HeldByAnother;
    default:
        return Claim::Unavailable;
    }
}

JourneyStore::Found JourneyStore::Load() {
    Found found;
    if (path_.isEmpty()) {
        return found;
    }
    auto loaded = storage::LoadKeptFile(path_, MaxJourneyFileBytes, ParseJourneyFile);
    if (loaded.state == storage::KeptFile::State::Read) {
        found.file = std::move(loaded.contents);
    }
    if (loaded.state != storage::KeptFile::State::Unusable) {
        return found;
    }
    found.damaged = true;
    found.setAside = storage::SetAside(path_);
    if (!found.setAside.isEmpty()) {
        log_(QCoreApplication::translate(
                 "tp::journey::JourneyStore",
                 "tidepeddler: journey %1: %2; moved it to %3 and started a new one")
                 .arg(path_, loaded.reason, found.setAside));
    } else {
        log_(QCoreApplication::translate("tp::journey::JourneyStore",
                                         "tidepeddler: journey %1: %2; cannot move it aside")
                 .arg(path_, loaded.reason));
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
