// SPDX-License-Identifier: MIT
#include "UserInput.h"
#include "WindowsFixture.h"
#include "game/Catalogue.h"

#include "halloffame/HallOfFameStore.h"
#include "journey/JourneyStore.h"
#include "tests/journey/JourneySamples.h"
#include "ui/JourneyQuestion.h"
#include "ui/toolkit/RowList.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace tp::ui::testing {
namespace {

using journey::testing::Contents;
using journey::testing::PlayedJourney;
using journey::testing::SampleId;
using journey::testing::WriteContents;

class SavedJourney : public WindowsTest {
protected:
    void Save(const game::SavedJourney& journey) {
        ASSERT_TRUE(WriteContents(JourneyPath(), journey::SerializeJourney(journey, SampleId)));
    }

    // What the journey file holds now, if anything usable.
    std::optional<journey::JourneyFile> Kept() {
        return journey::ParseJourneyFile(Contents(JourneyPath()), nullptr);
    }

    // Lets the main loop run until every step of the script has answered its window.
    void AnswerAll() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return script.Pending() == 0; }, 20000));
    }

    void ExpectShows(const game::SavedJourney& journey) {
        const game::GameState& s = journey.state;
        EXPECT_TRUE(Title().endsWith(QStringLiteral("(%1/60)").arg(s.day)));
        EXPECT_EQ(Shown("现金"), QString::number(s.cash));
        EXPECT_EQ(Shown("欠款"), QString::number(s.debt));
        EXPECT_EQ(Shown("健康"), QString::number(s.health));
        EXPECT_EQ(Shown("存款"), QString::number(s.deposit));
        EXPECT_EQ(Shown("姓名"), QString::fromStdString(journey.nameLabel));
        ASSERT_EQ(Market()->topLevelItemCount(), 5);
        for (int row = 0; row < 5; ++row) {
            const game::GoodsRecord& slot = s.market[static_cast<std::size_t>(row + 1)];
            EXPECT_EQ(Cell(Market(), row, 0),
                      QString::fromUtf8(game::GoodName(slot.good).data(),
                                        static_cast<qsizetype>(game::GoodName(slot.good).size())));
            EXPECT_EQ(Cell(Market(), row, 1), QString::number(slot.price));
        }
        EXPECT_EQ(Carried()->topLevelItemCount(), static_cast<int>(s.carried.size()));
    }

    const game::SavedJourney saved = PlayedJourney(5, 40);
};

TEST_F(SavedJourney, AStartAsksFirstShowingTheDayCashAndDebtAndEnterGoesOn) {
    ASSERT_GT(saved.state.day, 1);
    Save(saved);
    script.Then([this](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("潮汐货郎"));
        auto* question = qobject_cast<JourneyQuestion*>(&window);
        ASSERT_NE(question, nullptr);
        const QString text = question->Text();
        EXPECT_TRUE(text.contains(QStringLiteral("第 %1 天").arg(saved.state.day)));
        EXPECT_TRUE(text.contains(QStringLiteral("现金 %1").arg(saved.state.cash)));
        EXPECT_TRUE(text.contains(QStringLiteral("欠款 %1").arg(saved.state.debt)));
        for (const QWidget* top : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(top->objectName() == QStringLiteral("mainWindow") && top->isVisible())
                << "asked before the main window shows";
        }
        Key(window, Qt::Key_Return);
    });
    StartPlain();
    EXPECT_EQ(script.Seen().size(), 1u);
    EXPECT_EQ(Game().Snapshot(), saved);
    ExpectShows(saved);
}

class ClosingTheQuestion : public SavedJourney,
                           public ::testing::WithParamInterface<std::function<void(QWidget&)>> {};

TEST_P(ClosingTheQuestion, GoesOnSinceNothingIsLostThatWay) {
    Save(saved);
    script.Then(GetParam());
    StartPlain();
    EXPECT_EQ(Game().Snapshot(), saved);
}

INSTANTIATE_TEST_SUITE_P(EscAndTheCloseBox, ClosingTheQuestion,
                         ::testing::Values([](QWidget& window) { Key(window, Qt::Key_Escape); },
                                           [](QWidget& window) { Dismiss(window); },
                                           [](QWidget& window) { Press(window, "继续(G)"); }));

TEST_F(SavedJourney, StartingAnewDropsTheSavedJourneyUnranked) {
    Save(saved);
    script.Then([](QWidget& window) { Key(window, Qt::Key_N, Qt::AltModifier); });
    StartPlain();
    EXPECT_EQ(State().day, 1);
    EXPECT_FALSE(QFile::exists(JourneyPath()));
    NextJourney(-1);
    Click(PlaceButton(0));
    ASSERT_TRUE(Kept().has_value());
    EXPECT_NE(Kept()->id, SampleId) << "a journey of its own";
    EXPECT_TRUE(halloffame::HallOfFameStore(HallOfFamePath()).Read().ranked.isEmpty());
}

TEST_F(SavedJourney, ASeededStartAsksTooAndStartingAnewPlaysThatSeed) {
    Save(saved);
    script.Then([](QWidget& window) { Press(window, "重新开始(N)"); });
    Start(42);
    game::testing::FakeView view;
    runtime::Random generator;
    game::Game seeded(view, generator);
    seeded.Start(42);
    EXPECT_EQ(State(), seeded.State());
}

TEST_F(SavedJourney, NothingSavedMeansNoQuestion) {
    StartPlain();
    EXPECT_TRUE(script.Seen().empty());
    EXPECT_EQ(State().day, 1);
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(SavedJourney, EveryActionIsKept) {
    Start(8);
    NextJourney(-1);
    Click(PlaceButton(3));
    ASSERT_TRUE(Kept() && Kept()->journey);
    EXPECT_EQ(*Kept()->journey, Game().Snapshot());
}

TEST_F(SavedJourney, ADamagedJourneyIsSetAsideAndThePlayerIsToldInPlainWords) {
    ASSERT_TRUE(WriteContents(JourneyPath(), "{\"version\": 1, \"journey\": \"ab\", \"day\": 5"));
    script.Then([](QWidget& window) {
        const QString text = MessageText(window);
        EXPECT_TRUE(text.contains(QStringLiteral("已损坏")));
        EXPECT_TRUE(text.contains(QStringLiteral("journey.json.")));
        EXPECT_TRUE(text.contains(QStringLiteral(".bad")));
        Key(window, Qt::Key_Return);
    });
    StartPlain();
    AnswerAll();
    EXPECT_EQ(State().day, 1);
    EXPECT_EQ(QDir(QFileInfo(JourneyPath()).path())
                  .entryList({QStringLiteral("journey.json.*.bad")}, QDir::Files)
                  .size(),
              1);
}

TEST_F(SavedJourney, AnotherGameHoldingTheJourneyLeavesItAloneAndSaysSo) {
    Save(saved);
    journey::JourneyStore otherGame(JourneyPath());
    ASSERT_EQ(otherGame.Take(), journey::JourneyStore::Claim::Ours);
    script.Then([](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("另一局游戏"))) << "asked nothing";
        Key(window, Qt::Key_Return);
    });
    StartPlain();
    AnswerAll();
    EXPECT_EQ(State().day, 1);
    NextJourney(-1);
    Click(PlaceButton(0));
    ASSERT_TRUE(Kept() && Kept()->journey);
    EXPECT_EQ(*Kept()->journey, saved) << "this game's run is not saved";
}

TEST_F(SavedJourney, ARunThatWentHomeBeforeTheHallOfFameHeldItIsRecordedOnce) {
    const QByteArray ended = journey::SerializeEndedJourney(journey::testing::HomeRun(), SampleId);
    for (int start = 0; start < 2; ++start) {
        // The second start finds the file again, as after a program stopped before forgetting.
        ASSERT_TRUE(WriteContents(JourneyPath(), ended));
        script.Then([](QWidget& window) {
            EXPECT_TRUE(MessageText(window).contains(QStringLiteral("富豪榜"))) << "told";
            Key(window, Qt::Key_Return);
        });
        StartPlain();
        AnswerAll();
        EXPECT_EQ(State().day, 1) << "a new journey starts";
        EXPECT_FALSE(QFile::exists(JourneyPath()));
    }
    const halloffame::Table table = halloffame::HallOfFameStore(HallOfFamePath()).Read();
    ASSERT_EQ(table.ranked.size(), 1);
    EXPECT_EQ(table.ranked[0].amount, journey::testing::HomeRun().amount);
    EXPECT_EQ(table.ranked[0].journey, SampleId);
}

TEST_F(SavedJourney, CtrlNAsksAndStartsANewJourneyInTheSameWindows) {
    Start(3);
    NextJourney(-1);
    Click(PlaceButton(0));
    ASSERT_EQ(State().day, 2);
    const QString first = Kept()->id;

    script.Then([](QWidget& window) {
        EXPECT_TRUE(MessageText(window).contains(QStringLiteral("重新开始"))) << "asked";
        Key(window, Qt::Key_Escape);
    });
    Activate(Main());
    Key(Main(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(State().day, 2) << "cancelled";
    EXPECT_TRUE(QFile::exists(JourneyPath()));

    script.Then([](QWidget& window) { Key(window, Qt::Key_Return); });
    Activate(Main());
    Key(Main(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(State().day, 1);
    EXPECT_NE(State().seed, 3u) << "seeded from the clock";
    EXPECT_TRUE(Title().endsWith(QStringLiteral("(1/60)")));
    EXPECT_EQ(Carried()->topLevelItemCount(), 0);
    EXPECT_FALSE(QFile::exists(JourneyPath())) << "the abandoned journey is given up";
    EXPECT_TRUE(halloffame::HallOfFameStore(HallOfFamePath()).Read().ranked.isEmpty());
    NextJourney(-1);
    Click(PlaceButton(0));
    EXPECT_NE(Kept()->id, first);
}

} // namespace
} // namespace tp::ui::testing
