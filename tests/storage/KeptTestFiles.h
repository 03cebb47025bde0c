// SPDX-License-Identifier: MIT
#pragma once

// A kept file's bytes, as a test lays them down and reads them back, and what was set beside it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace tp::storagetest {

inline QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteContents(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The files in `folder` whose names end with `suffix`, sorted.
inline QStringList FilesEndingWith(const QString& folder, const QString& suffix) {
    return QDir(folder).entryList({QStringLiteral("*") + suffix},
                                  QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

} // namespace tp::storagetest
