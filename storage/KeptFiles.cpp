// SPDX-License-Identifier: MIT
#include "storage/KeptFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace tp::storage {

namespace {

KeptFile Unusable(const QString& reason) {
    KeptFile file;
    file.state = KeptFile::State::Unusable;
    file.reason = reason;
    return file;
}

} // namespace

QString DataFolder() {
    // The application is "tidepeddler" with no organisation, so this is its AppDataLocation;
    // spelt out so that the place does not depend on the name the program was started under.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) {
        return {};
    }
    return data + QStringLiteral("/tidepeddler");
}

QString AsideName(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = QStringLiteral("%1.%2.bad").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n) {
        candidate = QStringLiteral("%1.%2-%3.bad").arg(path, stamp).arg(n);
    }
    return candidate;
}

QString SetAside(const QString& path, Aside how) {
    const QString aside = AsideName(path);
    const bool done = how == Aside::Move ? QFile::rename(path, aside) : QFile::copy(path, aside);
    return done ? aside : QString();
}

KeptFile ReadKeptFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    if (!info.isFile()) {
        return Unusable(
            QCoreApplication::translate("tp::storage::KeptFiles", "not a regular file"));
    }
    if (info.size() > limit) {
        return Unusable(
            QCoreApplication::translate("tp::storage::KeptFiles", "larger than %1 bytes")
                .arg(limit));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Unusable(QCoreApplication::translate("tp::storage::KeptFiles", "cannot be read: %1")
                            .arg(file.errorString()));
    }
    // Bounded even if the file grows after it was measured.
    KeptFile kept;
    kept.bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return Unusable(QCoreApplication::translate("tp::storage::KeptFiles", "cannot be read: %1")
                            .arg(file.errorString()));
    }
    if (kept.bytes.size() > limit) {
        return Unusable(
            QCoreApplication::translate("tp::storage::KeptFiles", "larger than %1 bytes")
                .arg(limit));
    }
    kept.state = KeptFile::State::Read;
    return kept;
}

bool ReplaceKeptFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // A small file is only buffered by write(); the disk refuses it when it is flushed, and a
    // failure there would not stop commit() from putting the cut file in place. So it is
    // flushed, and checked, before it may replace the old one.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit()) {
        return true;
    }
    if (error != nullptr) {
        *error = file.errorString();
    }
    file.cancelWriting();
    return false;
}

} // namespace tp::storage
