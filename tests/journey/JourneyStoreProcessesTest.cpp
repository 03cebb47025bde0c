// SPDX-License-Identifier: MIT
// The journey file as separate game processes meet it: one killed while it writes, at the worst
// moment or at any moment, one holding the journey while another starts, one without room on the
// disk or without permission to write.

#include "journey/JourneyStore.h"
#include "tests/journey/JourneySamples.h"
#include "tests/storage/KilledWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

namespace tp::journey {
namespace {

using testing::Contents;
using testing::PlayedJourney;
using testing::SampleId;

const QString Writer = QStringLiteral(TP_JOURNEY_WRITER);

struct Finished {
    int exitCode = -1;
    QString out;
};

class StoreProcesses : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    Finished Write(const QStringList& args) {
        QProcess process;
        process.start(Writer, QStringList{path} + args);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
    }

    // The journeys the writer saves, as their files read.
    QByteArray Saved(int sample) {
        return SerializeJourney(sample == 0 ? PlayedJourney(1, 30) : PlayedJourney(2, 60),
                                SampleId);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("journey.json"));
};

TEST_F(StoreProcesses, AGameKilledAsItReplacesTheFileLeavesThePreviousJourneyWhole) {
    ASSERT_EQ(Write({QStringLiteral("0")}).exitCode, 0);
    ASSERT_EQ(Contents(path), Saved(0));

    const storagetest::Ended killed =
        storagetest::RunKilledBeforeReplacing(Writer, {path, QStringLiteral("1")});
    EXPECT_TRUE(killed.killed);
    EXPECT_EQ(Contents(path), Saved(0));

    // Its claim died with it.
    const Finished next = Write({QStringLiteral("1")});
    EXPECT_EQ(next.out, QStringLiteral("ours\nsaved\n"));
    EXPECT_EQ(Contents(path), Saved(1));
}

TEST_F(StoreProcesses, AGameKilledAtAnyMomentLeavesOneWholeJourney) {
    std::mt19937 moments(7);
    for (int round = 0; round < 12; ++round) {
        QProcess process;
        process.start(Writer,
                      {path, QStringLiteral("0"), QStringLiteral("--count"), QStringLiteral("0")});
        ASSERT_TRUE(process.waitForStarted());
        // Until it has saved once, then for a moment chosen at random.
        ASSERT_TRUE(process.waitForReadyRead(30000));
        while (!process.readAllStandardOutput().contains("saved") &&
               process.waitForReadyRead(30000)) {
        }
        QThread::usleep(std::uniform_int_distribution<unsigned>(0, 20000)(moments));
        process.kill();
        ASSERT_TRUE(process.waitForFinished(30000));
        const QByteArray bytes = Contents(path);
        EXPECT_TRUE(bytes == Saved(0) || bytes == Saved(1)) << "round " << round;
    }
}

TEST_F(StoreProcesses, ASecondGameLeavesTheFirstGamesJourneyAlone) {
    ASSERT_EQ(Write({QStringLiteral("0")}).exitCode, 0);
    QProcess holder;
    holder.start(Writer, {path, QStringLiteral("1"), QStringLiteral("--hold")});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    ASSERT_EQ(holder.readAllStandardOutput(), QByteArray("ours\n"));

    JourneyStore second(path);
    EXPECT_EQ(second.Take(), JourneyStore::Claim::HeldByAnother);

    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(30000));
    EXPECT_EQ(second.Take(), JourneyStore::Claim::Ours) << "the killed game's claim is gone";
    EXPECT_EQ(Contents(path), Saved(0));
}

TEST_F(StoreProcesses, AFullDiskLeavesThePreviousJourneyWhole) {
    ASSERT_EQ(Write({QStringLiteral("1")}).exitCode, 0);
    ASSERT_GT(Saved(0).size(), 200);
    const Finished full =
        Write({QStringLiteral("0"), QStringLiteral("--file-size-limit"), QStringLiteral("200")});
    EXPECT_EQ(full.exitCode, 3);
    EXPECT_EQ(full.out, QStringLiteral("ours\nnot-saved\n"));
    EXPECT_EQ(Contents(path), Saved(1));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("journey.json"), QStringLiteral("journey.json.lock")}))
        << "no half-written file is left";
}

TEST_F(StoreProcesses, AFolderThatMayNotBeWrittenLeavesThePreviousJourneyWhole) {
    ASSERT_EQ(Write({QStringLiteral("1")}).exitCode, 0);
    ASSERT_TRUE(QFile::remove(path + QStringLiteral(".lock")));
    const auto writable = QFile::permissions(dir.path());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const Finished readOnly =
        Write({QStringLiteral("0"), QStringLiteral("--without-file-override")});
    QFile::setPermissions(dir.path(), writable);
    EXPECT_EQ(readOnly.exitCode, 3);
    EXPECT_EQ(readOnly.out, QStringLiteral("unavailable\nnot-saved\n"));
    EXPECT_EQ(Contents(path), Saved(1));
}

} // namespace
} // namespace tp::journey
