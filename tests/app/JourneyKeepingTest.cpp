// SPDX-License-Identifier: MIT
#include "app/JourneyKeeping.h"
#include "journey/JournalArchive.h"
#include "journey/JourneyStore.h"
#include "statistics/StatisticsStore.h"
#include "tests/game/FakeView.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tp::app {
namespace {

using game::testing::FakeView;
using game::testing::StateForJourney;

// A game whose journey is kept in a folder of the test's own.
class Keeping : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(store.Take(), journey::JourneyStore::Claim::Ours);
    }

    // What the journey file holds now; nothing when there is no file.
    std::optional<journey::JourneyFile> Kept() {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return journey::ParseJourneyFile(file.readAll(), nullptr);
    }

    void Resume(const std::function<void(game::GameState&)>& change) {
        game::SavedJourney journey = game.Snapshot();
        change(journey.state);
        game.Resume(journey);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("journey.json"));
    journey::JourneyStore store{path, [](const QString&) {}};
    QStringList told;
    journey::JournalArchive journals{store.Path()};
    statistics::StatisticsStore statistics{dir.filePath(QStringLiteral("statistics.json")),
                                           [](const QString&) {}};
    JourneyKeeping keeping{store, journals, statistics,
                           [this](const QString& text) { told << text; }};
    statistics::Statistics Counted() const { return statistics.Read().statistics; }
    FakeView view;
    runtime::Random random;
    game::Game game{view, random, keeping};
};

TEST_F(Keeping, ANewJourneyGivesUpTheOldOneAndIsKeptFromItsFirstAction) {
    ASSERT_TRUE(store.Save(game::Game(view, random).Snapshot(), QStringLiteral("0ld")));
    game.Start(3);
    EXPECT_FALSE(QFileInfo::exists(path)) << "the old journey is given up, unranked";
    const QString id = keeping.JourneyId();
    EXPECT_FALSE(id.isEmpty());

    random.SeedWith(StateForJourney(-1));
    game.Travel(0);
    ASSERT_TRUE(Kept() && Kept()->journey);
    EXPECT_EQ(*Kept()->journey, game.Snapshot());
    EXPECT_EQ(Kept()->id, id);

    game.ConfirmBuy(*game.OpenBuy(0), 1);
    EXPECT_EQ(*Kept()->journey, game.Snapshot());
    view.inputAnswers.push_back("王老五");
    game.Rename();
    EXPECT_EQ(Kept()->journey->nameLabel, "王老五");

    game.Start(4);
    EXPECT_NE(keeping.JourneyId(), id) << "every journey has a name of its own";
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(Counted().givenUp, 1);
    EXPECT_EQ(Counted().daysTravelled, 1);
}

TEST_F(Keeping, AJourneyGoneOnWithKeepsItsName) {
    game.Start(3);
    keeping.GoOnWith(QStringLiteral("abc-123"));
    game.Travel(0);
    EXPECT_EQ(Kept()->id, QStringLiteral("abc-123"));
}

TEST_F(Keeping, AReturnHomeIsKeptUntilTheHallOfFameHoldsIt) {
    game.Start(3);
    Resume([](game::GameState& s) { s.day = game::LastDay; });
    random.SeedWith(StateForJourney(-1));
    view.onDiary = nullptr;
    game.Travel(0);
    ASSERT_TRUE(game.Finished().has_value());
    ASSERT_TRUE(Kept().has_value());
    ASSERT_TRUE(Kept()->ended.has_value()) << "the finished run waits for the hall of fame";
    EXPECT_EQ(*Kept()->ended, *game.Finished());
    EXPECT_EQ(Kept()->id, keeping.JourneyId());
    EXPECT_EQ(journals.Open(keeping.JourneyId()).journal, game.Journal());
    EXPECT_EQ(Counted().cameHome, 1);
    EXPECT_EQ(Counted().bestAmount, game.Finished()->amount);
    EXPECT_EQ(Counted().daysTravelled, game::LastDay);

    // Nothing after the end changes it.
    game.ConfirmBank(game.OpenBank(), 0);
    EXPECT_TRUE(Kept()->ended.has_value());

    keeping.RunRecorded();
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(Keeping, ADeathLeavesNothingToGoOnWith) {
    game.Start(3);
    game.Travel(0);
    ASSERT_TRUE(QFileInfo::exists(path));
    Resume([](game::GameState& s) { s.health = 1; });
    random.SeedWith(StateForJourney(-1));
    game.Travel(0);
    ASSERT_LE(game.State().health, 0);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(journals.Latest(), keeping.JourneyId()) << "a death's journal is kept too";
    EXPECT_EQ(Counted().died, 1);
    EXPECT_EQ(Counted().currentStreak, 0);
}

TEST_F(Keeping, AGameThatDoesNotHoldTheJourneyLeavesItAlone) {
    ASSERT_TRUE(store.Save(game::Game(view, random).Snapshot(), QStringLiteral("0ther")));
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    keeping.KeepNothing();
    game.Start(3);
    game.Travel(0);
    game.ConfirmBank(game.OpenBank(), 10);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_TRUE(told.isEmpty());
}

TEST_F(Keeping, AJourneyThatCannotBeKeptIsToldOnceAndPlayGoesOn) {
    // A folder where the file should be: nothing can replace it.
    ASSERT_TRUE(QDir().mkdir(path));
    game.Start(3);
    for (int i = 0; i < 5; ++i) {
        game.ConfirmBank(game.OpenBank(), 1);
    }
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("无法保存")));
    EXPECT_EQ(game.State().deposit, 5) << "play went on";
}

} // namespace
} // namespace tp::app
