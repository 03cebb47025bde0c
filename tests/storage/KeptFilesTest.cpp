// SPDX-License-Identifier: MIT
#include "storage/KeptFiles.h"
#include "tests/storage/KeptTestFiles.h"
#include "tests/storage/ProcessLimits.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace tp::storage {
namespace {

using State = KeptFile::State;
using storagetest::Contents;
using storagetest::WriteContents;

// A reader that refuses "bad" and takes anything else as it is.
std::optional<QByteArray> Parse(const QByteArray& bytes, QString* reason) {
    if (bytes != "bad") {
        return bytes;
    }
    *reason = QStringLiteral("refused");
    return std::nullopt;
}

TEST(KeptFiles, LoadingReadsWithinBoundsAndFindsWhatIsUnusable) {
    const struct {
        const char* what;
        std::function<bool(const QString& path)> make;
        State state;
    } table[] = {
        {"nothing", [](const QString&) { return true; }, State::Missing},
        {"an empty file", [](const QString& p) { return WriteContents(p, ""); }, State::Read},
        {"ten bytes", [](const QString& p) { return WriteContents(p, "0123456789"); }, State::Read},
        {"eleven bytes", [](const QString& p) { return WriteContents(p, "0123456789a"); },
         State::Unusable},
        {"refused", [](const QString& p) { return WriteContents(p, "bad"); }, State::Unusable},
        {"a folder", [](const QString& p) { return QDir().mkdir(p); }, State::Unusable},
        {"a pipe", [](const QString& p) { return ::mkfifo(QFile::encodeName(p), 0600) == 0; },
         State::Unusable},
        // Last, as it leaves this process seeing permissions as a player does, root or not.
        {"an unreadable file",
         [](const QString& p) {
             return WriteContents(p, "x") && QFile::setPermissions(p, {}) &&
                    storagetest::DropFileOverrides();
         },
         State::Unusable},
    };
    for (const auto& found : table) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.json"));
        ASSERT_TRUE(found.make(path)) << found.what;
        const auto loaded = LoadKeptFile(path, 10, Parse);
        EXPECT_EQ(loaded.state, found.state) << found.what;
        EXPECT_EQ(loaded.state == State::Unusable, !loaded.reason.isEmpty()) << found.what;
        EXPECT_EQ(loaded.contents, found.state == State::Read ? Contents(path) : "") << found.what;
    }
}

TEST(KeptFiles, EachFileSetAsideKeepsItsBytesUnderANameOfItsOwn) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.json"));
    const QRegularExpression named(QStringLiteral(R"(/kept\.json\.\d{8}-\d{6}(-\d+)?\.bad$)"));
    for (const char* bytes : {"first", "second", "third"}) {
        ASSERT_TRUE(WriteContents(path, bytes));
        const bool copy = bytes[0] == 's';
        const QString aside = SetAside(path, copy ? Aside::Copy : Aside::Move);
        EXPECT_TRUE(named.match(aside).hasMatch()) << aside.toStdString();
        EXPECT_EQ(Contents(aside), bytes);
        EXPECT_EQ(QFile::exists(path), copy) << "only a copy leaves the file in place";
    }
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.bad")}, QDir::Files).size(), 3);
    EXPECT_TRUE(SetAside(path).isEmpty()) << "nothing is there to set aside";
}

} // namespace
} // namespace tp::storage
