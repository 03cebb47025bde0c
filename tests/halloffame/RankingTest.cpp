// SPDX-License-Identifier: MIT
#include "halloffame/Ranking.h"

#include "tests/halloffame/FameTestSupport.h"

#include <gtest/gtest.h>

namespace tp::halloffame {
namespace {

using fametest::MakeRun;

QStringList Names(const QList<Entry>& runs) {
    QStringList names;
    for (const Entry& entry : runs) {
        names << entry.name;
    }
    return names;
}

TEST(Ranking, MoreMoneyFirstThenLessDebtThenEarlierRecorded) {
    // In recorded order.
    QList<Entry> runs{MakeRun("b", 500, 100), MakeRun("a", 900, 0), MakeRun("c", 500, 0),
                      MakeRun("d", 500, 100), MakeRun("e", -20, 0), MakeRun("f", 2147483647, 5)};
    const int rankOfD = SortBest(runs, 3);
    EXPECT_EQ(Names(runs), (QStringList{"f", "a", "c", "b", "d", "e"}));
    EXPECT_EQ(rankOfD, 5);
}

TEST(Ranking, IdenticalRunsAreAllKeptAndTheLatestRanksLast) {
    QList<Entry> runs(5, MakeRun("same", 700));
    runs.append(MakeRun("same", 700));
    EXPECT_EQ(SortBest(runs, 5), 6);
    EXPECT_EQ(runs.size(), 6);
}

TEST(Ranking, DropLowestKeepsTheBestInRecordedOrder) {
    QList<Entry> runs{MakeRun("low", 1), MakeRun("top", 9), MakeRun("tie-old", 5),
                      MakeRun("mid", 7), MakeRun("tie-new", 5)};
    DropLowest(runs, 3);
    EXPECT_EQ(Names(runs), (QStringList{"top", "tie-old", "mid"}));
    DropLowest(runs, 5);
    EXPECT_EQ(runs.size(), 3);
}

} // namespace
} // namespace tp::halloffame
