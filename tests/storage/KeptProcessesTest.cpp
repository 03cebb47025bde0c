// SPDX-License-Identifier: MIT
// A kept file as separate game processes meet it: one killed while it writes, at the worst moment
// or at any moment, one without room on the disk or without permission to write. Whatever
// happens, the file is the old one or the new one, whole.

#include "tests/storage/KeptTestFiles.h"
#include "tests/storage/KilledWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

namespace tp::storage {
namespace {

using storagetest::Contents;

const QString Writer = QStringLiteral(TP_KEPT_WRITER);

class KeptProcesses : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString Write(const QStringList& args, int exitCode = 0) {
        QProcess process;
        process.start(Writer, QStringList{path} + args);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), exitCode) << args.join(' ').toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("kept.json"));
    const QByteArray a = QByteArray(65536, 'a');
    const QByteArray b = QByteArray(65536, 'b');
};

TEST_F(KeptProcesses, AGameKilledAsItReplacesTheFileLeavesTheOldOneAndNoLock) {
    ASSERT_EQ(Write({"a"}), QStringLiteral("Ours\nsaved\n"));
    EXPECT_TRUE(storagetest::RunKilledBeforeReplacing(Writer, {path, "b"}).killed);
    EXPECT_EQ(Contents(path), a);
    EXPECT_EQ(Write({"b"}), QStringLiteral("Ours\nsaved\n")) << "its lock died with it";
    EXPECT_EQ(Contents(path), b);
}

TEST_F(KeptProcesses, AGameKilledAtAnyMomentLeavesOneWholeFile) {
    std::mt19937 moments(7);
    for (int round = 0; round < 12; ++round) {
        QProcess process;
        process.start(Writer, {path, "ab", "--count", "0"});
        // Until it has saved once, then for a moment chosen at random.
        while (!process.readAllStandardOutput().contains("saved") &&
               process.waitForReadyRead(30000)) {
        }
        QThread::usleep(std::uniform_int_distribution<unsigned>(0, 20000)(moments));
        process.kill();
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_TRUE(Contents(path) == a || Contents(path) == b) << "round " << round;
    }
}

TEST_F(KeptProcesses, AFullDiskLeavesTheOldFileWhole) {
    // A large file fails as it is written; a small one only when it is flushed at the end, which
    // must stop it from replacing the old file all the same.
    for (const auto& [size, limit] : {std::pair{"65536", "8192"}, std::pair{"300", "256"}}) {
        ASSERT_EQ(Write({"a"}), QStringLiteral("Ours\nsaved\n"));
        EXPECT_EQ(Write({"b", "--bytes", size, "--file-size-limit", limit}, 3),
                  QStringLiteral("Ours\nnot-saved\n"));
        EXPECT_EQ(Contents(path), a) << size;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"kept.json", "kept.json.lock"}))
            << "no half-written file is left";
    }
}

TEST_F(KeptProcesses, AFolderThatMayNotBeWrittenLeavesTheOldFileWhole) {
    ASSERT_EQ(Write({"a"}), QStringLiteral("Ours\nsaved\n"));
    const auto writable = QFile::permissions(dir.path());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString readOnly = Write({"b", "--without-file-override"}, 3);
    QFile::setPermissions(dir.path(), writable);
    EXPECT_EQ(readOnly, QStringLiteral("NotWritable\nnot-saved\n"))
        << "even with the lock file there";
    EXPECT_EQ(Contents(path), a);
}

} // namespace
} // namespace tp::storage
