// SPDX-License-Identifier: MIT
#include "journey/JourneyStore.h"
#include "tests/journey/JourneySamples.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace tp::journey {
namespace {

using testing::Contents;
using testing::HomeRun;
using testing::PlayedJourney;
using testing::SampleId;
using testing::WriteContents;

class Store : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    JourneyStore MakeStore() {
        return JourneyStore(path, [this](const QString& line) { log << line; });
    }

    QStringList Files() const {
        return QDir(dir.path())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("journey.json"));
    QStringList log;
};

TEST_F(Store, AFirstStartFindsNothingAndWritesNothingButItsClaim) {
    path = dir.filePath(QStringLiteral("data/tidepeddler/journey.json"));
    JourneyStore store = MakeStore();
    EXPECT_EQ(store.Take(), JourneyStore::Claim::Ours);
    const JourneyStore::Found found = store.Load();
    EXPECT_FALSE(found.file.has_value());
    EXPECT_FALSE(found.damaged);
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("journey.json.lock")});
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(Store, WhatIsSavedIsFoundByTheNextStart) {
    const game::SavedJourney journey = PlayedJourney(5, 50);
    {
        JourneyStore store = MakeStore();
        ASSERT_EQ(store.Take(), JourneyStore::Claim::Ours);
        EXPECT_TRUE(store.Save(PlayedJourney(5, 10), SampleId));
        EXPECT_TRUE(store.Save(journey, SampleId));
    }
    JourneyStore next = MakeStore();
    ASSERT_EQ(next.Take(), JourneyStore::Claim::Ours);
    const JourneyStore::Found found = next.Load();
    ASSERT_TRUE(found.file.has_value());
    EXPECT_EQ(found.file->id, SampleId);
    ASSERT_TRUE(found.file->journey.has_value());
    EXPECT_EQ(*found.file->journey, journey);

    EXPECT_TRUE(next.SaveEnded(HomeRun(), SampleId));
    ASSERT_TRUE(next.Load().file->ended.has_value());
    EXPECT_EQ(*next.Load().file->ended, HomeRun());

    EXPECT_TRUE(next.Forget());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(next.Forget()) << "nothing left is what forgetting asks";
    EXPECT_FALSE(next.Load().file.has_value());
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(Store, TwoGamesAtOnceNeverShareTheJourney) {
    auto first = std::make_unique<JourneyStore>(path);
    JourneyStore second(path);
    EXPECT_EQ(first->Take(), JourneyStore::Claim::Ours);
    EXPECT_EQ(first->Take(), JourneyStore::Claim::Ours) << "taking again keeps it";
    EXPECT_EQ(second.Take(), JourneyStore::Claim::HeldByAnother);
    first.reset(); // the first game ends
    EXPECT_EQ(second.Take(), JourneyStore::Claim::Ours);
}

TEST_F(Store, AFolderThatCannotBeMadeLeavesNothingToClaim) {
    ASSERT_TRUE(WriteContents(dir.filePath(QStringLiteral("file")), "not a folder"));
    path = dir.filePath(QStringLiteral("file/tidepeddler/journey.json"));
    JourneyStore store = MakeStore();
    EXPECT_EQ(store.Take(), JourneyStore::Claim::Unavailable);
    EXPECT_FALSE(store.Load().file.has_value());
    EXPECT_FALSE(store.Save(PlayedJourney(1, 1), SampleId));
    EXPECT_FALSE(store.Save(PlayedJourney(1, 2), SampleId));
    EXPECT_EQ(log.size(), 1) << "a failing save is reported once while it keeps failing";
}

struct Damage {
    const char* what;
    std::function<bool(const QString& path)> make;
};

class DamagedJourney : public Store, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedJourney, IsMovedAsideAndANewJourneyCanBeKept) {
    ASSERT_TRUE(GetParam().make(path));
    const QByteArray before = Contents(path);
    JourneyStore store = MakeStore();
    ASSERT_EQ(store.Take(), JourneyStore::Claim::Ours);
    const JourneyStore::Found found = store.Load();
    EXPECT_FALSE(found.file.has_value()) << "nothing is taken from a damaged file";
    EXPECT_TRUE(found.damaged);
    const QRegularExpression aside(QStringLiteral(R"(/journey\.json\.\d{8}-\d{6}(-\d+)?\.bad$)"));
    EXPECT_TRUE(aside.match(found.setAside).hasMatch()) << found.setAside.toStdString();
    EXPECT_EQ(Contents(found.setAside), before) << "kept as it was";
    EXPECT_FALSE(QFileInfo::exists(path));
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].contains(found.setAside));

    EXPECT_TRUE(store.Save(PlayedJourney(2, 2), SampleId));
    EXPECT_TRUE(store.Load().file.has_value());
}

QByteArray Valid() {
    return SerializeJourney(PlayedJourney(3, 20), SampleId);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedJourney,
    ::testing::Values(Damage{"health 500",
                             [](const QString& p) {
                                 QByteArray bytes = Valid();
                                 const qsizetype at = bytes.indexOf("\"health\": ");
                                 bytes.insert(at + 10, "500");
                                 bytes.remove(at + 13, bytes.indexOf(',', at) - (at + 13));
                                 return WriteContents(p, bytes);
                             }},
                      Damage{"two megabytes",
                             [](const QString& p) {
                                 return WriteContents(p, QByteArray(2 << 20, ' '));
                             }},
                      Damage{"a folder", [](const QString& p) { return QDir().mkdir(p); }}));

} // namespace
} // namespace tp::journey
