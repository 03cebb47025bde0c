// SPDX-License-Identifier: MIT
#include "halloffame/ScoresTable.h"

#include "halloffame/Names.h"
#include "tests/halloffame/FameTestSupport.h"

#include <gtest/gtest.h>

namespace tp::halloffame {
namespace {

using fametest::MakeRun;

QStringList Lines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.last(), QString()) << "the text should end with a newline";
    lines.removeLast();
    return lines;
}

// The display column at which `needle` ends in `line`.
int EndColumn(const QString& line, const QString& needle) {
    const qsizetype at = line.indexOf(needle);
    EXPECT_GE(at, 0) << line.toStdString() << " lacks " << needle.toStdString();
    return DisplayColumns(line.left(at + needle.size()));
}

TEST(ScoresTable, SaysSoWhenThereAreNoRunsYet) {
    const QStringList lines = Lines(FormatScoresTable({}));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.first().contains(QStringLiteral("还没有")));
}

TEST(ScoresTable, ColumnsLineUpWithChineseCountedAsTwo) {
    const QList<Entry> ranked{MakeRun("小二黑", 1234567, 0, 42),
                              MakeRun("Bob", 98, 3000, 4294967295u),
                              MakeRun("王大锤子", -5, 12, 0)};
    const QStringList lines = Lines(FormatScoresTable(ranked));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("名次")));
    // Numbers are flush right: they end in the same column as their heading.
    const int amountEnd = EndColumn(lines[0], QStringLiteral("金额"));
    EXPECT_EQ(EndColumn(lines[1], QStringLiteral("1234567")), amountEnd);
    EXPECT_EQ(EndColumn(lines[2], QStringLiteral("98")), amountEnd);
    EXPECT_EQ(EndColumn(lines[3], QStringLiteral("-5")), amountEnd);
    const int dateEnd = EndColumn(lines[0], QStringLiteral("日期")) + 6; // dates are 10 wide
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(EndColumn(lines[i], QStringLiteral("2026-12-08")), dateEnd) << i;
        EXPECT_FALSE(lines[i].endsWith(QLatin1Char(' ')));
    }
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("4294967295")));
    EXPECT_TRUE(lines[1].trimmed().startsWith(QStringLiteral("1  小二黑")));
}

TEST(ScoresTable, ShowsTheTopRowsOnlyAndHostileNamesOnOneSafeLine) {
    QString hostile = QStringLiteral("\u202E\x1b[2J\n\r") + QChar(0xD800);
    while (hostile.size() < 10000) {
        hostile += QStringLiteral("😀ש");
    }
    QList<Entry> ranked{MakeRun(hostile, 900)};
    for (int i = 0; i < 20; ++i) {
        ranked.append(MakeRun(QStringLiteral("p%1").arg(i), 800 - i));
    }
    const QString text = FormatScoresTable(ranked);
    const QStringList lines = Lines(text);
    ASSERT_EQ(lines.size(), 11);
    EXPECT_FALSE(text.contains(QChar(0x1B)));
    EXPECT_FALSE(text.contains(QChar(0x202E)));
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));
    EXPECT_LE(DisplayColumns(lines[1]), 80);
    EXPECT_EQ(EndColumn(lines[1], QStringLiteral("900")),
              EndColumn(lines[2], QStringLiteral("800")));
    EXPECT_EQ(Lines(FormatScoresTable(ranked, 3)).size(), 4);
}

} // namespace
} // namespace tp::halloffame
