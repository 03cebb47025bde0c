// SPDX-License-Identifier: MIT
#include "halloffame/Entry.h"

#include "halloffame/Names.h"

#include <gtest/gtest.h>

namespace tp::halloffame {
namespace {

TEST(Entry, AFinishedRunBecomesAnEntryWithItsDateAndAReadableName) {
    game::FinishedRun run;
    // "小二" then a cut-off character and a byte that starts nothing, as a broken name might be.
    run.name = "\xE5\xB0\x8F\xE4\xBA\x8C\xE9\xBB\xFF";
    run.amount = 2147483647;
    run.debt = -3;
    run.seed = 4294967295u;
    run.days = 62;
    run.dailyWorth = {1, 2, 3};
    const Entry entry = EntryFromRun(run, QDate(2026, 2, 3));
    EXPECT_TRUE(entry.name.startsWith(QStringLiteral("小二")));
    EXPECT_TRUE(entry.name.contains(QChar(0xFFFD)));
    EXPECT_EQ(entry.name, StorableName(entry.name));
    EXPECT_EQ(entry.amount, 2147483647);
    EXPECT_EQ(entry.debt, -3);
    EXPECT_EQ(entry.seed, 4294967295u);
    EXPECT_EQ(entry.days, 62);
    EXPECT_EQ(entry.date, QStringLiteral("2026-02-03"));

    run.name = std::string(20000, 'x');
    EXPECT_EQ(EntryFromRun(run, QDate(2026, 2, 3)).name.size(), MaxNameCharacters);
}

} // namespace
} // namespace tp::halloffame
