// SPDX-License-Identifier: MIT
#include "halloffame/Entry.h"

#include "halloffame/Names.h"

namespace tp::halloffame {

Entry EntryFromRun(const game::FinishedRun& run, const QDate& date, const QString& journey) {
    Entry entry;
    entry.name =
        StorableName(QString::fromUtf8(run.name.data(), static_cast<qsizetype>(run.name.size())));
    entry.amount = run.amount;
    entry.debt = run.debt;
    entry.date = date.toString(Qt::ISODate);
    entry.seed = run.seed;
    entry.days = run.days;
    entry.journey = journey;
    return entry;
}

} // namespace tp::halloffame
