// SPDX-License-Identifier: MIT
#include "journey/JourneyFile.h"
#include "tests/journey/JourneySamples.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

namespace tp::journey {
namespace {

using testing::HomeRun;
using testing::PlayedJourney;
using testing::SampleId;

std::optional<JourneyFile> Parse(const QByteArray& bytes, QString* reason = nullptr) {
    return ParseJourneyFile(bytes, reason);
}

TEST(JourneyFile, WhatIsWrittenIsReadBackExactly) {
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        for (const int actions : {0, 5, 40, 120}) {
            const game::SavedJourney journey = PlayedJourney(seed, actions);
            QString reason;
            const auto file = Parse(SerializeJourney(journey, SampleId), &reason);
            ASSERT_TRUE(file.has_value()) << reason.toStdString();
            EXPECT_EQ(file->id, SampleId);
            ASSERT_TRUE(file->journey.has_value());
            EXPECT_FALSE(file->ended.has_value());
            EXPECT_EQ(*file->journey, journey) << "seed " << seed << " after " << actions;
        }
    }
    const auto ended = Parse(SerializeEndedJourney(HomeRun(), SampleId));
    ASSERT_TRUE(ended.has_value());
    EXPECT_FALSE(ended->journey.has_value());
    ASSERT_TRUE(ended->ended.has_value());
    EXPECT_EQ(*ended->ended, HomeRun());
}

TEST(JourneyFile, NamesAndDiariesOfAnyTextRoundTrip) {
    game::SavedJourney journey = PlayedJourney(11, 3);
    journey.nameLabel = "\"名\"\\ \n\t😀 <x>";
    journey.diary = {"12/8/26      晴", "", "\"引号\" \\ 😀"};
    const auto file = Parse(SerializeJourney(journey, SampleId));
    ASSERT_TRUE(file && file->journey);
    EXPECT_EQ(*file->journey, journey);
}

TEST(JourneyFile, EveryTruncationIsRejected) {
    const QByteArray whole = SerializeJourney(PlayedJourney(3, 30), SampleId).trimmed();
    for (qsizetype size = 0; size < whole.size(); ++size) {
        ASSERT_FALSE(Parse(whole.left(size)).has_value()) << "cut at " << size;
    }
    EXPECT_TRUE(Parse(whole).has_value());
}

QJsonObject Object(const QByteArray& bytes);
QByteArray Bytes(const QJsonObject& object);

// A journey kept before the game kept a journal goes on, and begins one where it is resumed.
TEST(JourneyFile, AJourneyOfTheFirstVersionIsReadWithoutAJournal) {
    game::SavedJourney journey = PlayedJourney(4, 60);
    QJsonObject old = Object(SerializeJourney(journey, SampleId));
    old.insert(QStringLiteral("version"), 1);
    EXPECT_FALSE(Parse(Bytes(old)).has_value()) << "the first version had no journal";
    old.remove(QStringLiteral("journal"));
    const auto file = Parse(Bytes(old));
    ASSERT_TRUE(file && file->journey);
    journey.journal.clear();
    EXPECT_EQ(*file->journey, journey);
}

QJsonObject Object(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object();
}

QByteArray Bytes(const QJsonObject& object) {
    return QJsonDocument(object).toJson();
}

TEST(JourneyFile, EveryFieldIsRequired) {
    const QJsonObject whole = Object(SerializeJourney(PlayedJourney(4, 60), SampleId));
    ASSERT_TRUE(Parse(Bytes(whole)).has_value());
    for (const QString& key : whole.keys()) {
        QJsonObject missing = whole;
        missing.remove(key);
        EXPECT_FALSE(Parse(Bytes(missing)).has_value()) << key.toStdString();
    }
    const QJsonObject ended = Object(SerializeEndedJourney(HomeRun(), SampleId));
    for (const QString& key : ended.value(QStringLiteral("ended")).toObject().keys()) {
        QJsonObject run = ended.value(QStringLiteral("ended")).toObject();
        run.remove(key);
        QJsonObject missing = ended;
        missing.insert(QStringLiteral("ended"), run);
        EXPECT_FALSE(Parse(Bytes(missing)).has_value()) << "ended " << key.toStdString();
    }
}

struct Edit {
    const char* what;
    std::function<void(QJsonObject&)> change;
};

class JourneyFileRejects : public ::testing::TestWithParam<Edit> {};

// A journey with a market that sells good 3, carried rows and a diary to edit.
QJsonObject Sample() {
    return Object(SerializeJourney(PlayedJourney(4, 60), SampleId));
}

void SetIn(QJsonObject& top, const QString& list, qsizetype index, const QString& key,
           const QJsonValue& value) {
    QJsonArray array = top.value(list).toArray();
    QJsonObject row = array.at(index).toObject();
    row.insert(key, value);
    array.replace(index, row);
    top.insert(list, array);
}

TEST_P(JourneyFileRejects, AFileWith) {
    QJsonObject top = Sample();
    ASSERT_TRUE(Parse(Bytes(top)).has_value());
    GetParam().change(top);
    QString reason;
    EXPECT_FALSE(Parse(Bytes(top), &reason).has_value()) << GetParam().what;
    EXPECT_FALSE(reason.isEmpty());
}

QString Repeated(const QString& text, int times) {
    QString all;
    for (int i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Values, JourneyFileRejects,
    ::testing::Values(
        Edit{"health 500", [](QJsonObject& o) { o.insert("health", 500); }},
        Edit{"health 0", [](QJsonObject& o) { o.insert("health", 0); }},
        Edit{"day 99", [](QJsonObject& o) { o.insert("day", 99); }},
        Edit{"day 1000", [](QJsonObject& o) { o.insert("day", 1000); }},
        Edit{"a negative cash", [](QJsonObject& o) { o.insert("cash", -1); }},
        Edit{"cash past 32 bits", [](QJsonObject& o) { o.insert("cash", 4294967296.0); }},
        Edit{"a seed below 0", [](QJsonObject& o) { o.insert("seed", -1); }},
        Edit{"a generator past 32 bits",
             [](QJsonObject& o) { o.insert("generator", 4294967296.0); }},
        Edit{"a good that does not exist",
             [](QJsonObject& o) { SetIn(o, "market", 0, "good", 16); }},
        Edit{"good 0", [](QJsonObject& o) { SetIn(o, "market", 2, "good", 0); }},
        Edit{"a market of 20 rows",
             [](QJsonObject& o) {
                 QJsonArray rows = o.value("market").toArray();
                 while (rows.size() < 20) {
                     rows.append(rows.at(0));
                 }
                 o.insert("market", rows);
             }},
        Edit{"a market of 4 rows",
             [](QJsonObject& o) {
                 QJsonArray rows = o.value("market").toArray();
                 rows.removeLast();
                 o.insert("market", rows);
             }},
        Edit{"50 carried rows",
             [](QJsonObject& o) {
                 QJsonArray rows;
                 for (int i = 0; i < 50; ++i) {
                     rows.append(QJsonObject{{"good", 3}, {"price", 300}, {"quantity", 10}});
                 }
                 o.insert("carried", rows);
             }},
        Edit{"a name of 10 000 characters",
             [](QJsonObject& o) { o.insert("nameLabel", Repeated("名", 10000)); }},
        Edit{"a stored name past 11 bytes",
             [](QJsonObject& o) { o.insert("name", "一二三四五六"); }},
        Edit{"a diary of four lines",
             [](QJsonObject& o) {
                 o.insert("diary", QJsonArray{"a", "", "b", "c"});
             }},
        Edit{"a diary line that is not text",
             [](QJsonObject& o) {
                 o.insert("diary", QJsonArray{"a", "", 3});
             }},
        Edit{"a worth of 1e300",
             [](QJsonObject& o) {
                 QJsonArray worth = o.value("dailyWorth").toArray();
                 worth.replace(0, 1e300);
                 o.insert("dailyWorth", worth);
             }},
        Edit{"a journey name with capitals", [](QJsonObject& o) { o.insert("journey", "ABC"); }},
        Edit{"a journal entry of no kind",
             [](QJsonObject& o) { SetIn(o, "journal", 2, "what", "flight"); }},
        Edit{"a journal entry with a field of another kind",
             [](QJsonObject& o) { SetIn(o, "journal", 0, "place", 3); }},
        Edit{"a market met of no goods",
             [](QJsonObject& o) { SetIn(o, "journal", 1, "market", QJsonArray()); }},
        Edit{"a journal longer than a run writes",
             [](QJsonObject& o) {
                 QJsonArray journal = o.value("journal").toArray();
                 while (journal.size() <= static_cast<qsizetype>(game::MaxJournalEntries)) {
                     journal.append(journal.at(1));
                 }
                 o.insert("journal", journal);
             }},
        Edit{"an empty journey name", [](QJsonObject& o) { o.insert("journey", ""); }},
        Edit{"an ended run of 60 days",
             [](QJsonObject& o) {
                 QJsonObject run =
                     Object(SerializeEndedJourney(HomeRun(), SampleId)).value("ended").toObject();
                 run.insert("days", 60);
                 o.insert("ended", run);
             }},
        Edit{"an ended run with ten days of worth",
             [](QJsonObject& o) {
                 QJsonObject run =
                     Object(SerializeEndedJourney(HomeRun(), SampleId)).value("ended").toObject();
                 run.insert("dailyWorth", QJsonArray{1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
                 o.insert("ended", run);
             }},
        Edit{"an ended run that is not an object", [](QJsonObject& o) { o.insert("ended", 1); }},
        Edit{"a field the game does not write", [](QJsonObject& o) { o.insert("cheat", 1); }},
        Edit{"a market row with a field the game does not write",
             [](QJsonObject& o) { SetIn(o, "market", 1, "cheat", 1); }},
        Edit{"an ended run beside the journey's fields", [](QJsonObject& o) {
                 o.insert("ended",
                          Object(SerializeEndedJourney(HomeRun(), SampleId)).value("ended"));
             }}));

} // namespace
} // namespace tp::journey
