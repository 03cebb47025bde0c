// SPDX-License-Identifier: MIT
#pragma once

// Small helpers shared by the hall-of-fame tests.

#include "halloffame/Entry.h"
#include "tests/storage/KeptTestFiles.h"

#include <QByteArray>
#include <QString>

namespace tp::halloffame::fametest {

inline Entry MakeRun(const QString& name, std::int32_t amount, std::int32_t debt = 0,
                     std::uint32_t seed = 7) {
    Entry entry;
    entry.name = name;
    entry.amount = amount;
    entry.debt = debt;
    entry.date = QStringLiteral("2026-12-08");
    entry.seed = seed;
    entry.days = 61;
    return entry;
}

using storagetest::Contents;
using storagetest::FilesEndingWith;
using storagetest::WriteContents;

// A file of `count` well-formed rows; amounts from `firstAmount` up, in that recorded order.
inline QByteArray RowsFile(int count, int firstAmount = 0,
                           const QString& name = QStringLiteral("甲")) {
    QByteArray bytes = "{\"version\": 1, \"runs\": [\n";
    for (int i = 0; i < count; ++i) {
        bytes += QStringLiteral("{\"name\": \"%1\", \"amount\": %2, \"debt\": 0, \"date\": "
                                "\"2026-01-02\", \"seed\": %3, \"days\": 61}%4\n")
                     .arg(name)
                     .arg(firstAmount + i)
                     .arg(i)
                     .arg(i + 1 < count ? QStringLiteral(",") : QString())
                     .toUtf8();
    }
    return bytes + "]}\n";
}

} // namespace tp::halloffame::fametest
