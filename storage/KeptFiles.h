// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <type_traits>

// Every file the game keeps goes the same way, whatever it holds: a store takes the file's
// KeptLock, loads it with LoadKeptFile and a parser that reads its ParseVersionedObject through
// Fields (ending with NothingElse), moves an Unusable file away with SetAside and tells the player
// in its own words, and writes the new contents with ReplaceKeptFile.
namespace tp::storage {

// The folder the game keeps its files in: $XDG_DATA_HOME/tidepeddler, by default
// ~/.local/share/tidepeddler. Empty when the system names no such folder.
QString DataFolder();

// A name beside `path` for keeping a file the game will not use as it is:
// "<path>.<yyyyMMdd-HHmmss>.bad", with a number added if that name is taken.
QString AsideName(const QString& path);

// Puts the file at `path` under its AsideName, moved or copied, and returns that name; empty when
// it could not be put there.
enum class Aside { Move, Copy };
QString SetAside(const QString& path, Aside how = Aside::Move);

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

// A kept file read and parsed: nothing, what its reader made of it, or why it is unusable.
template <typename Contents> struct Loaded {
    KeptFile::State state = KeptFile::State::Missing;
    Contents contents; // when Read
    QString reason;    // when Unusable: why, for standard error
};

// Reads at most `limit` bytes of the file at `path` and hands them to `parse(bytes, &reason)`,
// which returns the file's contents or nothing; a file it refuses is as unusable as one that
// cannot be read.
template <typename Parse> auto LoadKeptFile(const QString& path, qint64 limit, Parse parse) {
    using Contents = typename std::invoke_result_t<Parse, QByteArray, QString*>::value_type;
    Loaded<Contents> loaded;
    KeptFile kept = ReadKeptFile(path, limit);
    if (kept.state == KeptFile::State::Missing) {
        return loaded;
    }
    loaded.reason = std::move(kept.reason);
    std::optional<Contents> contents;
    if (kept.state == KeptFile::State::Read) {
        contents = parse(kept.bytes, &loaded.reason);
    }
    loaded.state = contents ? KeptFile::State::Read : KeptFile::State::Unusable;
    if (contents) {
        loaded.contents = std::move(*contents);
    }
    return loaded;
}

// Puts `bytes` in place of the file at `path` in one step: the new file is written in full beside
// it and then replaces it, so the old file stays whole whatever fails, a full disk included.
// Returns whether it was replaced; otherwise `error` says why.
bool ReplaceKeptFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace tp::storage
