// SPDX-License-Identifier: MIT
#include "journey/JournalArchive.h"

#include "journey/JournalFile.h"
#include "journey/JourneyFile.h"
#include "storage/JourneyId.h"
#include "storage/KeptFiles.h"
#include "storage/VersionedJson.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace tp::journey {

namespace {

constexpr int JournalFileVersion = 1;
// The most a journal may hold, written compactly, with room to spare.
constexpr qint64 MaxJournalFileBytes = 4 * 1024 * 1024;
const QString Suffix = QStringLiteral(".json");

std::optional<std::vector<game::JournalEntry>> Parse(const QByteArray& bytes, QString* reason) {
    const std::optional<QJsonObject> top =
        storage::ParseVersionedObject(bytes, JournalFileVersion, reason);
    if (!top) {
        return std::nullopt;
    }
    QString failure;
    storage::Fields fields(*top, failure);
    if (!storage::IsJourneyId(fields.Text(QStringLiteral("journey"))) && failure.isEmpty()) {
        failure = QCoreApplication::translate("tp::journey::JournalArchive",
                                              "\"journey\" is not a journey's name");
    }
    std::vector<game::JournalEntry> journal = ReadJournal(fields, QStringLiteral("journal"));
    fields.NothingElse();
    if (!failure.isEmpty()) {
        if (reason != nullptr) {
            *reason = failure;
        }
        return std::nullopt;
    }
    return journal;
}

} // namespace

JournalArchive::JournalArchive(const QString& journeyPath)
    : folder_(journeyPath.isEmpty()
                  ? QString()
                  : QFileInfo(journeyPath).absolutePath() + QStringLiteral("/journals")) {}

QString JournalArchive::PathOf(const QString& journey) const {
    // A name the game did not make could reach outside the folder.
    if (folder_.isEmpty() || !storage::IsJourneyId(journey)) {
        return {};
    }
    return folder_ + QLatin1Char('/') + journey + Suffix;
}

bool JournalArchive::Keep(const QString& journey, std::span<const game::JournalEntry> journal) {
    const QString path = PathOf(journey);
    if (path.isEmpty() || !QDir().mkpath(folder_)) {
        return false;
    }
    const QJsonObject top{{QStringLiteral("version"), JournalFileVersion},
                          {QStringLiteral("journey"), journey},
                          {QStringLiteral("journal"), JournalToJson(journal)}};
    QString error;
    return storage::ReplaceKeptFile(path, QJsonDocument(top).toJson(QJsonDocument::Compact),
                                    &error);
}

bool JournalArchive::Has(const QString& journey) const {
    const QString path = PathOf(journey);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

JournalArchive::Read JournalArchive::Open(const QString& journey, bool peeking) const {
    Read read;
    const QString path = PathOf(journey);
    if (path.isEmpty()) {
        return read;
    }
    auto loaded = storage::LoadKeptFile(path, MaxJournalFileBytes, Parse);
    read.found = loaded.state != storage::KeptFile::State::Missing;
    if (loaded.state == storage::KeptFile::State::Read) {
        read.journal = std::move(loaded.contents);
    } else if (loaded.state == storage::KeptFile::State::Unusable && peeking) {
        read.problem = QCoreApplication::translate("tp::journey::JournalArchive",
                                                   "这一局的日志已损坏，无法打开。");
    } else if (loaded.state == storage::KeptFile::State::Unusable) {
        const QString aside = storage::SetAside(path);
        read.problem = aside.isEmpty()
                           ? QCoreApplication::translate("tp::journey::JournalArchive",
                                                         "这一局的日志已损坏，无法打开。")
                           : QCoreApplication::translate(
                                 "tp::journey::JournalArchive",
                                 "这一局的日志已损坏，无法打开；原文件已改名为 %1 保留。")
                                 .arg(QFileInfo(aside).fileName());
    }
    return read;
}

QString JournalArchive::Latest() const {
    if (folder_.isEmpty()) {
        return {};
    }
    const QFileInfoList files =
        QDir(folder_).entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        if (storage::IsJourneyId(file.completeBaseName())) {
            return file.completeBaseName();
        }
    }
    return {};
}

void JournalArchive::KeepOnly(const QStringList& journeys) const {
    if (folder_.isEmpty()) {
        return;
    }
    const QString latest = Latest();
    for (const QFileInfo& file :
         QDir(folder_).entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files)) {
        const QString journey = file.completeBaseName();
        if (storage::IsJourneyId(journey) && journey != latest && !journeys.contains(journey)) {
            QFile::remove(file.filePath());
        }
    }
}

std::vector<game::JournalEntry> LatestJournal(const QString& journeyPath, QString* problem) {
    if (journeyPath.isEmpty()) {
        return {};
    }
    const auto saved = storage::LoadKeptFile(journeyPath, MaxJourneyFileBytes, ParseJourneyFile);
    if (saved.state == storage::KeptFile::State::Read && saved.contents.journey &&
        !saved.contents.journey->journal.empty()) {
        return saved.contents.journey->journal;
    }
    if (saved.state == storage::KeptFile::State::Unusable && problem != nullptr) {
        *problem = QCoreApplication::translate("tp::journey::JournalArchive",
                                               "the saved journey is damaged: %1")
                       .arg(saved.reason);
    }
    const JournalArchive archive(journeyPath);
    JournalArchive::Read last = archive.Open(archive.Latest(), true);
    if (!last.problem.isEmpty() && problem != nullptr) {
        *problem = last.problem;
    }
    return std::move(last.journal);
}

} // namespace tp::journey
