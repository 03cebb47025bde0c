// SPDX-License-Identifier: MIT
// Records runs into a hall-of-fame file from a process of its own, so tests can run several
// writers at once, kill one in the middle of a write, or take away what a writer may do.
//
//   tp_halloffame_writer FILE NAME AMOUNT [--count N] [--kill-before-replace]
//                        [--file-size-limit BYTES] [--without-file-override]
//
// Prints one line per run ("saved RANK" or "not-saved RANK PROBLEM"); exits 0 when every run
// was saved, 3 otherwise.

#include "halloffame/HallOfFameStore.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Tests run as root in CI, and root writes into read-only folders and reads unreadable files.
// Dropping the capabilities that allow it makes this process see permissions as a player does.
bool DropFileOverrides() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    for (const unsigned cap :
         {unsigned{CAP_DAC_OVERRIDE}, unsigned{CAP_DAC_READ_SEARCH}, unsigned{CAP_FOWNER}}) {
        data[cap / 32].effective &= ~(1u << (cap % 32));
        data[cap / 32].permitted &= ~(1u << (cap % 32));
    }
    return syscall(SYS_capset, &header, data) == 0;
}

// A file may not grow past `bytes`, as on a full disk; writes beyond fail instead of killing.
bool LimitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

} // namespace

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
    bool kill = false;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--count") && !args.isEmpty()) {
            count = args.takeFirst().toInt();
        } else if (option == QLatin1String("--kill-before-replace")) {
            kill = true;
        } else if (option == QLatin1String("--file-size-limit") && !args.isEmpty()) {
            if (!LimitFileSize(args.takeFirst().toULong())) {
                return 2;
            }
        } else if (option == QLatin1String("--without-file-override")) {
            if (!DropFileOverrides()) {
                return 2;
            }
        } else {
            return 2;
        }
    }

    tp::halloffame::HallOfFameStore store(path);
    if (kill) {
        store.SetBeforeReplace([] { std::raise(SIGKILL); });
    }
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
