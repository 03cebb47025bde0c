// SPDX-License-Identifier: MIT
#pragma once

// Runs and names for the window's tests and screenshots.

#include "halloffame/Entry.h"
#include "tests/halloffame/FameTestSupport.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

namespace tp::ui::fametest {

// A run with the seed the window's tests care most about named before the debt.
inline halloffame::Entry Entry(const QString& name, std::int32_t amount, std::uint32_t seed,
                               std::int32_t debt = 0) {
    return halloffame::fametest::MakeRun(name, amount, debt, seed);
}

// 10 000 characters of trouble: a right-to-left override, control characters, a line break,
// a lone surrogate, bidi isolates and emoji.
inline QString HostileName() {
    QString name = QStringLiteral("\u202E") + QStringLiteral("שלום") + QChar(0x0007) +
                   QStringLiteral("\n") + QChar(0xD800) +
                   QStringLiteral("👨‍👩‍👧‍👦\u2067");
    while (name.size() < 10000) {
        name += QStringLiteral("😀مرحبا\u202B");
    }
    return name.left(10000);
}

// `count` runs, best first, with amounts falling from 900000.
inline QList<halloffame::Entry> Ranked(int count) {
    static const QString names[] = {QStringLiteral("小二黑"), QStringLiteral("路人甲"),
                                    QStringLiteral("王大锤"), QStringLiteral("Bob"),
                                    QStringLiteral("李四")};
    QList<halloffame::Entry> ranked;
    for (int i = 0; i < count; ++i) {
        ranked << Entry(names[i % 5], 900000 - 70000 * i, static_cast<std::uint32_t>(1000 + i),
                        i % 3 == 0 ? 0 : 1000 * i);
    }
    return ranked;
}

// Worth at the end of each of 61 days: in debt at first, a dip, then a climb.
inline std::vector<std::int64_t> Worth() {
    std::vector<std::int64_t> worth;
    for (int day = 1; day <= 61; ++day) {
        worth.push_back(day < 8 ? -1000 - 400 * day : -4000 + 2000LL * (day - 8) * (day - 8) / 10);
    }
    return worth;
}

} // namespace tp::ui::fametest
