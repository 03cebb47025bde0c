// SPDX-License-Identifier: MIT
#include "statistics/StatisticsFile.h"
#include "statistics/StatisticsStore.h"
#include "tests/storage/KeptTestFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace tp::statistics {
namespace {

using storagetest::Contents;
using storagetest::FilesEndingWith;
using storagetest::WriteContents;

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

class Store : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    StatisticsStore MakeStore() {
        return StatisticsStore(path, [this](const QString& line) { log << line; });
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("data/statistics.json"));
    QStringList log;
};

// Each journey is counted by the pure sum and by the store, whose file keeps every figure.
TEST_F(Store, EveryJourneyCountsAndOnlyHomecomingsInARowMakeAStreak) {
    const struct {
        Outcome outcome;
        std::int32_t amount;
        int days;
        Statistics after; // home, died, given up, best, total, streak, longest, days
        std::int64_t played;
        std::int32_t average;
    } steps[] = {
        {Outcome::CameHome, 5000, 61, {1, 0, 0, 5000, 5000, 1, 1, 61}, 1, 5000},
        {Outcome::CameHome, 2001, 61, {2, 0, 0, 5000, 7001, 2, 2, 122}, 2, 3500}, // 3500.5
        {Outcome::Died, 99999, 20, {2, 1, 0, 5000, 7001, 0, 2, 142}, 3, 3500},
        {Outcome::CameHome, 9000, 61, {3, 1, 0, 9000, 16001, 1, 2, 203}, 4, 5333},
        {Outcome::GaveUp, 88888, 7, {3, 1, 1, 9000, 16001, 0, 2, 210}, 5, 5333},
        {Outcome::CameHome, -5, 61, {4, 1, 1, 9000, 16001, 1, 2, 271}, 6, 4000},
        {Outcome::CameHome, 100, 61, {5, 1, 1, 9000, 16101, 2, 2, 332}, 7, 3220},
        {Outcome::CameHome, 0, -3, {6, 1, 1, 9000, 16101, 3, 3, 332}, 8, 2683},
    };
    StatisticsStore store = MakeStore();
    const Found none = store.Read();
    EXPECT_TRUE(none.statistics == Statistics{} && none.problem.isEmpty());
    Statistics sum;
    for (const auto& step : steps) {
        const auto what = ::testing::Message() << "after " << step.after.played() << " journeys";
        sum = AddJourney(sum, step.outcome, step.amount, step.days);
        EXPECT_EQ(sum, step.after) << what;
        EXPECT_EQ(sum.played(), step.played) << what;
        EXPECT_EQ(sum.average(), step.average) << what;
        const Recorded recorded = store.Record(step.outcome, step.amount, step.days);
        EXPECT_EQ(recorded.statistics, step.after) << what;
        EXPECT_TRUE(recorded.saved && recorded.problem.isEmpty()) << what;
        EXPECT_EQ(store.Read().statistics, step.after) << what;
    }
    EXPECT_TRUE(log.isEmpty());

    // At their largest the figures stay there, and a file of them is read back.
    const Statistics full{Max, Max, Max, Max, MaxSum, Max, Max, MaxSum};
    Statistics ended = full;
    ended.currentStreak = 0;
    EXPECT_EQ(AddJourney(full, Outcome::CameHome, Max, 61), full);
    EXPECT_EQ(AddJourney(full, Outcome::GaveUp, 0, 61), ended);
    ASSERT_TRUE(WriteContents(path, SerializeStatisticsFile(full)));
    EXPECT_EQ(store.Record(Outcome::Died, 0, 61).statistics, ended);
    EXPECT_EQ(store.Read().statistics, ended);
}

// Files no game wrote: Read says so and leaves them be; Record moves them aside, says where, and
// counts afresh from this journey.
TEST_F(Store, ADamagedFileIsSetAsideAndCountingStartsAfresh) {
    const QByteArray written = SerializeStatisticsFile({3, 1, 0, 900, 2000, 2, 2, 200});
    const auto edited = [&written](const std::function<void(QJsonObject&)>& edit) {
        QJsonObject top = QJsonDocument::fromJson(written).object();
        edit(top);
        return QJsonDocument(top).toJson();
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } files[] = {
        {"bad JSON", written.left(40)},
        {"no object", "[1, 0, 0]"},
        {"another version", edited([](QJsonObject& o) { o["version"] = 2; })},
        {"a missing field", edited([](QJsonObject& o) { o.remove("died"); })},
        {"an unknown field", edited([](QJsonObject& o) { o["bonus"] = 1; })},
        {"a negative count", edited([](QJsonObject& o) { o["givenUp"] = -1; })},
        {"a fraction", edited([](QJsonObject& o) { o["cameHome"] = 2.5; })},
        {"a count in words", edited([](QJsonObject& o) { o["cameHome"] = "3"; })},
        {"a streak above the homecomings", edited([](QJsonObject& o) { o["longestStreak"] = 4; })},
        {"the best above the total", edited([](QJsonObject& o) { o["bestAmount"] = 2001; })},
        {"a total above three bests", edited([](QJsonObject& o) { o["totalAmount"] = 2701; })},
        {"a streak broken by nothing", edited([](QJsonObject& o) { o["died"] = 0; })},
        {"days with no journey", R"({"version": 1, "cameHome": 0, "died": 0, "givenUp": 0,
          "bestAmount": 0, "totalAmount": 0, "currentStreak": 0, "longestStreak": 0,
          "daysTravelled": 5})"},
        {"too large", written + QByteArray(4096, ' ')},
    };
    for (const auto& file : files) {
        QTemporaryDir folder;
        path = folder.filePath(QStringLiteral("statistics.json"));
        log.clear();
        ASSERT_TRUE(WriteContents(path, file.bytes)) << file.what;
        StatisticsStore store = MakeStore();

        const Found found = store.Read();
        EXPECT_EQ(found.statistics, Statistics{}) << file.what;
        EXPECT_TRUE(found.problem.contains(QStringLiteral("已损坏"))) << file.what;
        EXPECT_EQ(Contents(path), file.bytes) << file.what;
        EXPECT_TRUE(FilesEndingWith(folder.path(), ".bad").isEmpty()) << file.what;

        const Recorded recorded = store.Record(Outcome::CameHome, 700, 61);
        const Statistics afresh{1, 0, 0, 700, 700, 1, 1, 61};
        EXPECT_TRUE(recorded.saved) << file.what;
        EXPECT_EQ(recorded.statistics, afresh) << file.what;
        EXPECT_EQ(store.Read().statistics, afresh) << file.what;
        const QStringList aside = FilesEndingWith(folder.path(), ".bad");
        ASSERT_EQ(aside.size(), 1) << file.what;
        EXPECT_EQ(Contents(folder.filePath(aside.first())), file.bytes) << file.what;
        EXPECT_TRUE(recorded.problem.contains(aside.first())) << file.what;
        ASSERT_EQ(log.size(), 1) << file.what;
        EXPECT_TRUE(log.first().contains(aside.first())) << file.what;
    }
}

} // namespace
} // namespace tp::statistics
