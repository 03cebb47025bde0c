// SPDX-License-Identifier: MIT
#pragma once

// A kept file's bytes, as a test lays them down and reads them back.

#include <QByteArray>
#include <QFile>
#include <QString>

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

} // namespace tp::storagetest
