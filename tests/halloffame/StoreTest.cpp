// SPDX-License-Identifier: MIT
#include "halloffame/FameFile.h"
#include "halloffame/HallOfFameStore.h"
#include "halloffame/Names.h"
#include "tests/halloffame/FameTestSupport.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tp::halloffame {
namespace {

using fametest::Contents;
using fametest::FilesEndingWith;
using fametest::MakeRun;
using fametest::RowsFile;
using fametest::WriteContents;

class Store : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    HallOfFameStore MakeStore() {
        return HallOfFameStore(path, [this](const QString& line) { log << line; });
    }

    // The runs the file holds now, in recorded order.
    QList<Entry> Stored() {
        const auto contents = ParseFameFile(Contents(path), nullptr);
        return contents ? contents->runs : QList<Entry>{};
    }

    QTemporaryDir dir;
    QString folder = dir.path();
    QString path = dir.filePath(QStringLiteral("hall-of-fame.json"));
    QStringList log;
};

TEST_F(Store, NothingIsTouchedUntilTheTableIsRecordedOrRead) {
    const QString deep = dir.filePath(QStringLiteral("not/yet/hall-of-fame.json"));
    HallOfFameStore store(deep);
    const Table table = store.Read();
    EXPECT_TRUE(table.ranked.isEmpty());
    EXPECT_TRUE(table.problem.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("not"))));
}

TEST_F(Store, AMissingFolderIsCreated) {
    path = dir.filePath(QStringLiteral("data/tidepeddler/hall-of-fame.json"));
    HallOfFameStore store = MakeStore();
    const Recorded recorded = store.Record(MakeRun("小二黑", 5000));
    EXPECT_TRUE(recorded.saved);
    EXPECT_EQ(recorded.rank, 1);
    EXPECT_TRUE(recorded.problem.isEmpty()) << recorded.problem.toStdString();
    ASSERT_EQ(Stored().size(), 1);
    EXPECT_EQ(store.Read().ranked, QList<Entry>{MakeRun("小二黑", 5000)});
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(Store, DefaultPathIsInTheUsersDataFolder) {
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    const QString defaultPath = HallOfFameStore::DefaultPath();
    qputenv("XDG_DATA_HOME", before);
    EXPECT_EQ(defaultPath, folder + QStringLiteral("/tidepeddler/hall-of-fame.json"));
}

TEST_F(Store, RunsAreRankedAndTheNewRunsRankIsAmongAllRecorded) {
    HallOfFameStore store = MakeStore();
    EXPECT_EQ(store.Record(MakeRun("a", 500)).rank, 1);
    EXPECT_EQ(store.Record(MakeRun("b", 900)).rank, 1);
    EXPECT_EQ(store.Record(MakeRun("c", 500, 10)).rank, 3);
    const Recorded tie = store.Record(MakeRun("d", 500));
    EXPECT_EQ(tie.rank, 3); // equal to a, recorded later
    QStringList names;
    for (const Entry& entry : tie.ranked) {
        names << entry.name;
    }
    EXPECT_EQ(names, (QStringList{"b", "a", "d", "c"}));
    EXPECT_EQ(tie.ranked, store.Read().ranked);
}

// Files the game cannot use as a table: each is moved aside whole, one line goes to standard
// error, and a fresh table starts with this run.
struct DamagedCase {
    const char* what;
    QByteArray bytes;
};

class DamagedFile : public Store, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFile, IsMovedAsideAndAFreshTableStarts) {
    const QByteArray original = GetParam().bytes;
    ASSERT_TRUE(WriteContents(path, original));
    HallOfFameStore store = MakeStore();

    // Showing the table changes nothing.
    const Table table = store.Read();
    EXPECT_TRUE(table.ranked.isEmpty());
    EXPECT_TRUE(table.problem.contains(QStringLiteral("已损坏")));
    EXPECT_EQ(Contents(path), original);
    EXPECT_TRUE(FilesEndingWith(folder, ".bad").isEmpty());

    const Recorded recorded = store.Record(MakeRun("小二黑", 4000));
    EXPECT_TRUE(recorded.saved);
    EXPECT_EQ(recorded.rank, 1);
    EXPECT_EQ(recorded.ranked, QList<Entry>{MakeRun("小二黑", 4000)});
    EXPECT_EQ(Stored(), QList<Entry>{MakeRun("小二黑", 4000)});

    const QStringList aside = FilesEndingWith(folder, ".bad");
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^hall-of-fame\.json\.\d{8}-\d{6}\.bad$)"))
                    .match(aside.first())
                    .hasMatch())
        << aside.first().toStdString();
    EXPECT_EQ(Contents(dir.filePath(aside.first())), original);
    EXPECT_TRUE(recorded.problem.contains(aside.first())) << recorded.problem.toStdString();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.first().contains(aside.first()));
}

QByteArray FiftyMegabytes() {
    // A well-formed table padded to 50 MB: too big to be anything the game wrote.
    QByteArray bytes = RowsFile(3);
    bytes.insert(bytes.size() - 3, QByteArray(50 * 1024 * 1024, ' '));
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedFile,
    ::testing::Values(DamagedCase{"Truncated", RowsFile(20).left(333)},
                      DamagedCase{"UnknownVersion",
                                  RowsFile(2).replace("\"version\": 1", "\"version\": 7")},
                      DamagedCase{"FiftyMegabytes", FiftyMegabytes()}),
    [](const ::testing::TestParamInfo<DamagedCase>& param) { return param.param.what; });

TEST_F(Store, AbsurdValuesNeverRankWronglyAndTheEditedFileIsKept) {
    const QByteArray edited = R"({"version": 1, "runs": [
        {"name": "huge", "amount": 1e300, "debt": 0, "date": "2026-01-01", "seed": 1},
        {"name": "negative", "amount": -1e300, "debt": 0, "date": "2026-01-01", "seed": 2},
        {"name": "no amount", "debt": 0, "date": "2026-01-01", "seed": 3},
        {"name": "text amount", "amount": "99999", "debt": 0, "date": "2026-01-01", "seed": 4},
        {"name": "plain", "amount": 700, "debt": 1e300, "date": "2026-01-01", "seed": 5},
        {"name": "also plain", "amount": 700, "debt": 3, "date": "2026-01-01", "seed": 6}
    ]})";
    ASSERT_TRUE(WriteContents(path, edited));
    HallOfFameStore store = MakeStore();

    const Table shown = store.Read();
    ASSERT_EQ(shown.ranked.size(), 4);
    EXPECT_TRUE(shown.problem.contains(QStringLiteral("2 条记录无法识别")));

    const Recorded recorded = store.Record(MakeRun("this", 700, 3));
    EXPECT_TRUE(recorded.saved);
    QStringList names;
    for (const Entry& entry : recorded.ranked) {
        names << entry.name;
    }
    EXPECT_EQ(names, (QStringList{"huge", "also plain", "this", "plain", "negative"}));
    EXPECT_EQ(recorded.rank, 3);
    EXPECT_EQ(recorded.ranked.first().amount, 2147483647);
    EXPECT_EQ(recorded.ranked.last().amount, -2147483647 - 1);
    EXPECT_EQ(Stored().size(), 5);

    // What was written by hand is kept beside, rows the game could not use included.
    const QStringList aside = FilesEndingWith(folder, ".bad");
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(Contents(dir.filePath(aside.first())), edited);
    EXPECT_EQ(log.size(), 1);
}

TEST_F(Store, DuplicatedRowsAreRunsPlayedTwiceAndAllCount) {
    QList<Entry> same(5, MakeRun("replay", 3000, 0, 42));
    ASSERT_TRUE(WriteContents(path, SerializeFameFile(same)));
    HallOfFameStore store = MakeStore();
    const Recorded again = store.Record(MakeRun("replay", 3000, 0, 42));
    EXPECT_EQ(again.rank, 6);
    EXPECT_EQ(again.ranked.size(), 6);
    EXPECT_EQ(store.Record(MakeRun("better", 3001)).rank, 1);
    EXPECT_EQ(Stored().size(), 7);
    // A file the game wrote itself is never copied aside.
    EXPECT_TRUE(FilesEndingWith(folder, ".bad").isEmpty());
}

TEST_F(Store, AThousandRunsAreKeptAndTheLowestDropped) {
    ASSERT_TRUE(WriteContents(path, RowsFile(1000, 1000))); // amounts 1000..1999
    HallOfFameStore store = MakeStore();

    const Recorded low = store.Record(MakeRun("low", 500));
    EXPECT_TRUE(low.saved);
    EXPECT_EQ(low.rank, 1001);
    EXPECT_EQ(low.ranked.size(), 1000);
    EXPECT_FALSE(low.ranked.contains(MakeRun("low", 500)));

    const Recorded high = store.Record(MakeRun("high", 5000));
    EXPECT_EQ(high.rank, 1);
    const QList<Entry> stored = Stored();
    ASSERT_EQ(stored.size(), 1000);
    EXPECT_EQ(stored.last(), MakeRun("high", 5000)); // recorded order kept
    for (const Entry& entry : stored) {
        EXPECT_NE(entry.amount, 1000) << "the lowest run should have been dropped";
    }
    EXPECT_TRUE(FilesEndingWith(folder, ".bad").isEmpty());
}

TEST_F(Store, AHundredThousandRowsAreCutToTheBestThousand) {
    ASSERT_TRUE(WriteContents(path, RowsFile(100000, 1)));
    HallOfFameStore store = MakeStore();

    const Table shown = store.Read();
    ASSERT_EQ(shown.ranked.size(), 1000);
    EXPECT_EQ(shown.ranked.first().amount, 100000);
    EXPECT_EQ(shown.ranked.last().amount, 99001);

    const Recorded recorded = store.Record(MakeRun("this", 99500));
    EXPECT_TRUE(recorded.saved);
    EXPECT_EQ(recorded.rank, 502); // 500 above it, and the 99500 recorded before
    const QList<Entry> stored = Stored();
    ASSERT_EQ(stored.size(), 1000);
    EXPECT_EQ(recorded.ranked.last().amount, 99002);
    // The hand-made file is kept whole beside the cut one.
    EXPECT_EQ(FilesEndingWith(folder, ".bad").size(), 1);
}

TEST_F(Store, HostileNamesAreStoredAsValidUtf8AndReadBack) {
    QString hostile = QStringLiteral("\u202E\u2067") + QChar(0) + QChar(0x7) +
                      QStringLiteral("\n😀👨‍👩‍👧") + QChar(0xDBFF);
    while (hostile.size() < 10000) {
        hostile += QStringLiteral("مرحبا😀");
    }
    HallOfFameStore store = MakeStore();
    const Recorded recorded = store.Record(MakeRun(hostile, 1));
    EXPECT_TRUE(recorded.saved);
    EXPECT_EQ(recorded.run.name, StorableName(hostile));
    const QList<Entry> stored = store.Read().ranked;
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.first().name, StorableName(hostile));
    EXPECT_FALSE(Contents(path).contains('\0'));
}

// The program may stop after the table holds a run and before it forgets the journey; the next
// start records the run again, and the table must hold it once.
TEST_F(Store, ARunOfAJourneyRecordedBeforeIsNotRankedTwice) {
    HallOfFameStore store = MakeStore();
    Entry first = MakeRun("甲", 9000);
    first.journey = QStringLiteral("0a1b-2c3d");
    ASSERT_TRUE(store.Record(MakeRun("乙", 10000)).saved);
    ASSERT_TRUE(store.Record(first).saved);
    const QByteArray before = Contents(path);

    Entry again = first;
    again.date = QStringLiteral("2026-12-09"); // recorded the day after
    const Recorded recorded = store.Record(again);
    EXPECT_TRUE(recorded.saved);
    EXPECT_EQ(recorded.rank, 2);
    EXPECT_EQ(recorded.run, first) << "shown as it was recorded";
    EXPECT_EQ(recorded.ranked.size(), 2);
    EXPECT_EQ(Contents(path), before) << "nothing written";

    // Runs of other journeys, and runs from before journeys had names, are all recorded.
    Entry other = first;
    other.journey = QStringLiteral("ffff");
    EXPECT_EQ(store.Record(other).ranked.size(), 3);
    EXPECT_EQ(store.Record(MakeRun("甲", 9000)).ranked.size(), 4);
    EXPECT_EQ(store.Record(MakeRun("甲", 9000)).ranked.size(), 5);
}

} // namespace
} // namespace tp::halloffame
