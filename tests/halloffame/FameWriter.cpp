// SPDX-License-Identifier: MIT
// Records runs into a hall-of-fame file from a process of its own, so tests can run several
// writers at once, kill one in the middle of a write from outside, or take away what a writer may
// do.
//
//   tp_halloffame_writer FILE NAME AMOUNT [--count N]
//                        [--file-size-limit BYTES] [--without-file-override]
//
// Prints one line per run ("saved RANK" or "not-saved RANK PROBLEM"); exits 0 when every run
// was saved, 3 otherwise.

#include "halloffame/HallOfFameStore.h"
#include "tests/storage/ProcessLimits.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 3) {
        std::fputs("usage: tp_halloffame_writer FILE NAME AMOUNT [options]\n", stderr);
        return 2;
    }
    const QString path = args.takeFirst();
    const QString name = args.takeFirst();
    const int amount = args.takeFirst().toInt();
    int count = 1;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--count") && !args.isEmpty()) {
            count = args.takeFirst().toInt();
        } else if (option == QLatin1String("--file-size-limit") && !args.isEmpty()) {
            if (!tp::storagetest::LimitFileSize(args.takeFirst().toULong())) {
                return 2;
            }
        } else if (option == QLatin1String("--without-file-override")) {
            if (!tp::storagetest::DropFileOverrides()) {
                return 2;
            }
        } else {
            return 2;
        }
    }

    tp::halloffame::HallOfFameStore store(path);
    bool allSaved = true;
    for (int i = 0; i < count; ++i) {
        tp::halloffame::Entry run;
        run.name = count == 1 ? name : QStringLiteral("%1-%2").arg(name).arg(i);
        run.amount = amount + i;
        run.date = QDate(2026, 12, 8).toString(Qt::ISODate);
        run.seed = static_cast<std::uint32_t>(i);
        run.days = 61;
        const tp::halloffame::Recorded recorded = store.Record(run);
        allSaved = allSaved && recorded.saved;
        const QString line =
            recorded.saved
                ? QStringLiteral("saved %1\n").arg(recorded.rank)
                : QStringLiteral("not-saved %1 %2\n").arg(recorded.rank).arg(recorded.problem);
        std::fputs(line.toUtf8().constData(), stdout);
    }
    return allSaved ? 0 : 3;
}
