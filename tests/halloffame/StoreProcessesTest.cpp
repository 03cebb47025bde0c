// SPDX-License-Identifier: MIT
// The store as separate game processes meet it: several finishing at once, one without room on the
// disk or without write permission.

#include "halloffame/FameFile.h"
#include "tests/halloffame/FameTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tp::halloffame {
namespace {

using fametest::Contents;
using fametest::RowsFile;
using fametest::WriteContents;

struct Finished {
    int exitCode = -1;
    bool crashed = false;
    QString out;
    QString err;
};

class StoreProcesses : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::unique_ptr<QProcess> Start(const QStringList& args) {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(TP_FAME_WRITER), QStringList{path} + args);
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }

    static Finished Wait(QProcess& process) {
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitCode(), process.exitStatus() == QProcess::CrashExit,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    Finished Write(const QStringList& args) { return Wait(*Start(args)); }

    QList<Entry> Stored() {
        const auto contents = ParseFameFile(Contents(path), nullptr);
        return contents ? contents->runs : QList<Entry>{};
    }

    // Files the writers left in the folder besides the table and its lock.
    QStringList Leftovers() {
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral("hall-of-fame.json"));
        names.removeAll(QStringLiteral("hall-of-fame.json.lock"));
        return names;
    }

    QTemporaryDir dir;
    QString folder = dir.path();
    QString path = dir.filePath(QStringLiteral("hall-of-fame.json"));
};

TEST_F(StoreProcesses, GamesFinishingAtTheSameTimeAllLand) {
    constexpr int writers = 4;
    constexpr int runsEach = 25;
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int w = 0; w < writers; ++w) {
        processes.push_back(Start({QStringLiteral("writer%1").arg(w), QStringLiteral("100"),
                                   QStringLiteral("--count"), QString::number(runsEach)}));
    }
    for (auto& process : processes) {
        const Finished finished = Wait(*process);
        EXPECT_EQ(finished.exitCode, 0) << finished.out.toStdString() << finished.err.toStdString();
    }
    QSet<QString> names;
    for (const Entry& entry : Stored()) {
        names.insert(entry.name);
    }
    EXPECT_EQ(names.size(), writers * runsEach);
    for (int w = 0; w < writers; ++w) {
        for (int i = 0; i < runsEach; ++i) {
            EXPECT_TRUE(names.contains(QStringLiteral("writer%1-%2").arg(w).arg(i)));
        }
    }
    EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(' ').toStdString();
}

TEST_F(StoreProcesses, AFullDiskLeavesTheFileWholeAndSaysSo) {
    const QByteArray before = RowsFile(100, 1000);
    ASSERT_TRUE(WriteContents(path, before));

    const Finished full = Write({QStringLiteral("full"), QStringLiteral("5000"),
                                 QStringLiteral("--file-size-limit"), QStringLiteral("8192")});
    EXPECT_EQ(full.exitCode, 3) << full.out.toStdString() << full.err.toStdString();
    EXPECT_TRUE(full.out.startsWith(QStringLiteral("not-saved 1 ")));
    EXPECT_TRUE(full.out.contains(QStringLiteral("未能保存"))) << full.out.toStdString();
    EXPECT_EQ(full.err.count(QLatin1Char('\n')), 1) << full.err.toStdString();
    EXPECT_EQ(Contents(path), before);
    EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(' ').toStdString();
}

// Undoes a permission change when the test ends, so the temporary folder can be removed.
class ScopedPermissions {
public:
    ScopedPermissions(QString path, QFileDevice::Permissions permissions)
        : path_(std::move(path)), before_(QFile::permissions(path_)) {
        EXPECT_TRUE(QFile::setPermissions(path_, permissions));
    }
    ~ScopedPermissions() { QFile::setPermissions(path_, before_); }
    ScopedPermissions(const ScopedPermissions&) = delete;
    ScopedPermissions& operator=(const ScopedPermissions&) = delete;

private:
    QString path_;
    QFileDevice::Permissions before_;
};

TEST_F(StoreProcesses, AReadOnlyFolderLeavesTheFileWholeAndSaysSo) {
    const QByteArray before = RowsFile(12, 1000);
    ASSERT_TRUE(WriteContents(path, before));
    const Finished finished = [&] {
        ScopedPermissions readOnly(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
        return Write({QStringLiteral("ro"), QStringLiteral("1500"),
                      QStringLiteral("--without-file-override")});
    }();
    EXPECT_EQ(finished.exitCode, 3) << finished.err.toStdString();
    // The run is still ranked among the stored ones, and the player is told it was not kept.
    EXPECT_TRUE(finished.out.startsWith(QStringLiteral("not-saved 1 ")));
    EXPECT_TRUE(finished.out.contains(QStringLiteral("未能保存"))) << finished.out.toStdString();
    EXPECT_EQ(Contents(path), before);
    EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(' ').toStdString();
}

} // namespace
} // namespace tp::halloffame
