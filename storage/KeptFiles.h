// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace tp::storage {

// The folder the game keeps its files in: $XDG_DATA_HOME/tidepeddler, by default
// ~/.local/share/tidepeddler. Empty when the system names no such folder.
QString DataFolder();

// A name beside `path` for keeping a file the game will not use as it is:
// "<path>.<yyyyMMdd-HHmmss>.bad", with a number added if that name is taken.
QString AsideName(const QString& path);

// A file the game wrote, read back.
struct KeptFile {
    enum class State { Missing, Read, Unusable };
    State state = State::Missing;
    QByteArray bytes; // when Read
    QString reason;   // when Unusable: why, for standard error
};

// Reads at most `limit` bytes. A folder, a pipe (which would block the read) or a device is
// nothing the game wrote, and neither is a larger file: each is Unusable, as is a file that
// cannot be read.
KeptFile ReadKeptFile(const QString& path, qint64 limit);

// Puts `bytes` in place of the file at `path` in one step: the new file is written in full beside
// it and then replaces it, so the old file stays whole whatever fails, a full disk included.
// Returns whether it was replaced; otherwise `error` says why.
bool ReplaceKeptFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace tp::storage
