// SPDX-License-Identifier: MIT
#include "halloffame/FameFile.h"

#include "halloffame/Names.h"
#include "tests/halloffame/FameTestSupport.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <limits>

namespace tp::halloffame {
namespace {

using fametest::MakeRun;

constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();

std::optional<FameFileContents> Parse(const QByteArray& bytes) {
    QString reason;
    auto contents = ParseFameFile(bytes, &reason);
    if (!contents) {
        EXPECT_FALSE(reason.isEmpty());
    }
    return contents;
}

QByteArray WithRows(const QByteArray& rows) {
    return "{\"version\": 1, \"runs\": [" + rows + "]}";
}

TEST(FameFile, WholeFilesThatAreNotATableAreRejected) {
    const QByteArray good = SerializeFameFile({MakeRun("小二黑", 1234)});
    for (const QByteArray& bytes :
         {good.left(good.size() / 2), QByteArray("{\"version\": 2, \"runs\": []}"),
          QByteArray("{\"version\": 1, \"runs\": {}}"), QByteArray("{\"version\": 1}")}) {
        EXPECT_FALSE(Parse(bytes)) << bytes.left(60).toStdString();
    }
    EXPECT_TRUE(Parse(QByteArray("{\"version\": 1, \"runs\": []}")));
}

TEST(FameFile, RowsWithMissingOrInvalidFieldsAreSkipped) {
    const auto contents = Parse(WithRows(
        R"({"name": "ok", "amount": 1, "debt": 0, "date": "2026-12-08", "seed": 1},
           {"amount": 1, "debt": 0, "date": "2026-12-08", "seed": 1},
           {"name": 5, "amount": 1, "debt": 0, "date": "2026-12-08", "seed": 1},
           {"name": "x", "amount": "1", "debt": 0, "date": "2026-12-08", "seed": 1},
           {"name": "x", "amount": 1, "date": "2026-12-08", "seed": 1},
           {"name": "x", "amount": 1, "debt": null, "date": "2026-12-08", "seed": 1},
           {"name": "x", "amount": 1, "debt": 0, "date": "2026-13-45", "seed": 1},
           {"name": "x", "amount": 1, "debt": 0, "date": "08.12.2026", "seed": 1},
           {"name": "x", "amount": 1, "debt": 0, "date": 20261208, "seed": 1},
           {"name": "x", "amount": 1, "debt": 0, "date": "2026-12-08", "seed": -1},
           {"name": "x", "amount": 1, "debt": 0, "date": "2026-12-08", "seed": 4294967296},
           {"name": "x", "amount": 1, "debt": 0, "date": "2026-12-08", "seed": 1.5},
           {"name": "x", "amount": 1, "debt": 0, "date": "2026-12-08"},
           {"name": "x", "amount": [1], "debt": 0, "date": "2026-12-08", "seed": 1},
           "a string", 42, null, [],
           {"name": "last", "amount": 2, "debt": 0, "date": "2026-12-08", "seed": 4294967295})"));
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->runs.size(), 2);
    EXPECT_EQ(contents->runs[0].name, QStringLiteral("ok"));
    EXPECT_EQ(contents->runs[1].seed, 4294967295u);
    EXPECT_EQ(contents->skipped, 17);
    EXPECT_EQ(contents->altered, 0);
}

TEST(FameFile, AbsurdAmountsAreClampedToThe32BitRange) {
    const auto contents = Parse(WithRows(
        R"({"name": "a", "amount": 1e30, "debt": -1e30, "date": "2026-12-08", "seed": 1},
           {"name": "b", "amount": -5, "debt": 99999999999, "date": "2026-12-08", "seed": 1},
           {"name": "c", "amount": 10.9, "debt": -0.5, "date": "2026-12-08", "seed": 1},
           {"name": "d", "amount": 2147483647, "debt": -2147483648, "date": "2026-12-08",
            "seed": 1, "days": -3},
           {"name": "e", "amount": 3, "debt": 0, "date": "2026-12-08", "seed": 1,
            "days": "many"})"));
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->runs.size(), 5);
    EXPECT_EQ(contents->runs[0].amount, Max32);
    EXPECT_EQ(contents->runs[0].debt, Min32);
    EXPECT_EQ(contents->runs[1].amount, -5);
    EXPECT_EQ(contents->runs[1].debt, Max32);
    EXPECT_EQ(contents->runs[2].amount, 10);
    EXPECT_EQ(contents->runs[2].debt, 0);
    EXPECT_EQ(contents->runs[3].amount, Max32);
    EXPECT_EQ(contents->runs[3].debt, Min32);
    EXPECT_EQ(contents->runs[3].days, 0);
    EXPECT_EQ(contents->runs[4].days, 0);
    // Each row changed on the way in: d and e by their days.
    EXPECT_EQ(contents->altered, 5);
    EXPECT_EQ(contents->skipped, 0);
}

TEST(FameFile, HostileNamesRoundTripAsValidUtf8) {
    QString hostile = QStringLiteral("\u202Eabc") + QChar(0) + QChar(0x1B) +
                      QStringLiteral("[31m\u2066😀\r\n") + QChar(0xD800) + QStringLiteral("z");
    while (hostile.size() < 10000) {
        hostile += QStringLiteral("ש😀");
    }
    const QList<Entry> runs{MakeRun(hostile, 1), MakeRun(QString(), 2),
                            MakeRun(QStringLiteral("\""), 3)};
    const QByteArray bytes = SerializeFameFile(runs);

    QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = strict(bytes);
    EXPECT_FALSE(strict.hasError()) << "the file is not valid UTF-8";

    const auto contents = Parse(bytes);
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->runs.size(), 3);
    EXPECT_EQ(contents->runs[0].name, StorableName(hostile));
    EXPECT_TRUE(contents->runs[0].name.startsWith(QStringLiteral("\u202Eabc") + QChar(0)));
    EXPECT_EQ(contents->runs[1].name, QString());
    EXPECT_EQ(contents->runs[2].name, QStringLiteral("\""));
    EXPECT_EQ(contents->altered, 0);
}

TEST(FameFile, LongAndBrokenNamesInAnEditedFileAreRepaired) {
    const QByteArray name(5000, 'n');
    const auto contents = Parse(
        WithRows("{\"name\": \"" + name +
                 "\", \"amount\": 1, \"debt\": 0, \"date\": \"2026-12-08\", \"seed\": 1},"
                 "{\"name\": \"a\\ud800b\", \"amount\": 1, \"debt\": 0, \"date\": \"2026-12-08\", "
                 "\"seed\": 1}"));
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->runs.size(), 2);
    EXPECT_EQ(contents->runs[0].name.size(), MaxNameCharacters);
    EXPECT_EQ(contents->runs[1].name, QStringLiteral("a\uFFFDb"));
    EXPECT_EQ(contents->altered, 2);
}

TEST(FameFile, AJourneysNameIsKeptOnlyInTheFormTheGameWritesIt) {
    Entry named = fametest::MakeRun("甲", 100);
    named.journey = QStringLiteral("3f2a-0b");
    const auto back =
        ParseFameFile(SerializeFameFile({named, fametest::MakeRun("乙", 50)}), nullptr);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->runs.size(), 2);
    EXPECT_EQ(back->runs[0], named);
    EXPECT_TRUE(back->runs[1].journey.isEmpty());
    EXPECT_EQ(back->altered, 0);

    for (const char* journey : {"\"\"", "\"ABC\"", "\"a b\"", "12", "null"}) {
        const QByteArray file = QByteArray(R"({"version": 1, "runs": [{"name": "甲", "amount": 1, )"
                                           R"("debt": 0, "date": "2026-01-02", "seed": 1, )"
                                           R"("journey": )") +
                                journey + "}]}";
        const auto read = ParseFameFile(file, nullptr);
        ASSERT_TRUE(read.has_value()) << journey;
        ASSERT_EQ(read->runs.size(), 1) << journey;
        EXPECT_TRUE(read->runs[0].journey.isEmpty()) << journey;
        EXPECT_EQ(read->altered, 1) << journey;
    }
}

} // namespace
} // namespace tp::halloffame
