// SPDX-License-Identifier: MIT
#include "halloffame/ScoresTable.h"

#include "halloffame/Names.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace tp::halloffame {

namespace {

// Widest name column: twelve Chinese characters.
constexpr int NameColumns = 24;
constexpr int ColumnCount = 6;
const QString Gap = QStringLiteral("  ");

QString Pad(const QString& text, int width, bool right) {
    const QString fill(std::max(0, width - DisplayColumns(text)), QLatin1Char(' '));
    return right ? fill + text : text + fill;
}

} // namespace

QString FormatScoresTable(const QList<Entry>& ranked, int rows) {
    if (ranked.isEmpty() || rows <= 0) {
        return QCoreApplication::translate(
                   "tp::halloffame::ScoresTable",
                   "还没有回乡的记录：走完六十天、回到故乡的旅程会记在这里。") +
               QLatin1Char('\n');
    }
    using Row = std::array<QString, ColumnCount>;
    // Rank, amount, debt and seed are numbers, set flush right.
    constexpr std::array<bool, ColumnCount> right{true, false, true, true, false, true};
    std::vector<Row> lines;
    lines.push_back({QCoreApplication::translate("tp::halloffame::ScoresTable", "名次"),
                     QCoreApplication::translate("tp::halloffame::ScoresTable", "姓名"),
                     QCoreApplication::translate("tp::halloffame::ScoresTable", "金额"),
                     QCoreApplication::translate("tp::halloffame::ScoresTable", "欠款"),
                     QCoreApplication::translate("tp::halloffame::ScoresTable", "日期"),
                     QCoreApplication::translate("tp::halloffame::ScoresTable", "种子")});
    const qsizetype shown = std::min<qsizetype>(ranked.size(), rows);
    for (qsizetype i = 0; i < shown; ++i) {
        const Entry& entry = ranked.at(i);
        lines.push_back({QString::number(i + 1), ShownName(entry.name, NameColumns),
                         QString::number(entry.amount), QString::number(entry.debt), entry.date,
                         QString::number(entry.seed)});
    }
    std::array<int, ColumnCount> widths{};
    for (const Row& line : lines) {
        for (std::size_t c = 0; c < ColumnCount; ++c) {
            widths[c] = std::max(widths[c], DisplayColumns(line[c]));
        }
    }
    QString text;
    for (const Row& line : lines) {
        QStringList cells;
        for (std::size_t c = 0; c < ColumnCount; ++c) {
            cells << Pad(line[c], widths[c], right[c]);
        }
        QString joined = cells.join(Gap);
        while (joined.endsWith(QLatin1Char(' '))) {
            joined.chop(1);
        }
        text += joined + QLatin1Char('\n');
    }
    return text;
}

} // namespace tp::halloffame
