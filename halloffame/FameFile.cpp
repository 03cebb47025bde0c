// SPDX-License-Identifier: MIT
#include "halloffame/FameFile.h"

#include "halloffame/Names.h"
#include "storage/JourneyId.h"
#include "storage/VersionedJson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tp::halloffame {

namespace {

const QString VersionKey = QStringLiteral("version");
const QString RunsKey = QStringLiteral("runs");
const QString NameKey = QStringLiteral("name");
const QString AmountKey = QStringLiteral("amount");
const QString DebtKey = QStringLiteral("debt");
const QString DateKey = QStringLiteral("date");
const QString SeedKey = QStringLiteral("seed");
const QString DaysKey = QStringLiteral("days");
const QString JourneyKey = QStringLiteral("journey");

// A row's number as a 32-bit amount: out-of-range values stop at the edge, fractions are cut
// toward zero. Sets `changed` when the stored value is not what was written.
std::int32_t Amount(double number, bool& changed) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    const double clamped = std::trunc(std::clamp(number, lo, hi));
    changed = changed || clamped != number;
    return static_cast<std::int32_t>(clamped);
}

bool IsDate(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() && date.toString(Qt::ISODate) == text;
}

// Reads one row; nothing when a required field is missing or unusable. A seed has to be exact:
// any other number would replay a different run. The fields the game added later, days and
// journey, may be missing and are repaired rather than refused.
std::optional<Entry> Row(const QJsonValue& value, bool& changed) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    QString failure;
    storage::Fields row(value.toObject(), failure);
    const QString name = row.Text(NameKey);
    Entry entry;
    entry.amount = Amount(row.Number(AmountKey), changed);
    entry.debt = Amount(row.Number(DebtKey), changed);
    entry.date = row.Text(DateKey);
    entry.seed = row.Whole<std::uint32_t>(SeedKey);
    if (row.Failed() || !IsDate(entry.date)) {
        return std::nullopt;
    }
    entry.name = StorableName(name);
    changed = changed || entry.name != name;
    if (const QJsonValue days = row.Value(DaysKey); !days.isUndefined()) {
        const bool number = days.isDouble() && std::isfinite(days.toDouble());
        const std::int32_t read = number ? Amount(days.toDouble(), changed) : -1;
        entry.days = std::max(read, 0);
        changed = changed || read < 0;
    }
    const QJsonValue journey = row.Value(JourneyKey);
    if (journey.isString() && storage::IsJourneyId(journey.toString())) {
        entry.journey = journey.toString();
    } else {
        changed = changed || !journey.isUndefined();
    }
    return entry;
}

} // namespace

std::optional<FameFileContents> ParseFameFile(const QByteArray& bytes, QString* reason) {
    auto fail = [reason](const QString& why) {
        if (reason != nullptr) {
            *reason = why;
        }
        return std::nullopt;
    };
    const std::optional<QJsonObject> parsed =
        storage::ParseVersionedObject(bytes, FameFileVersion, reason);
    if (!parsed) {
        return std::nullopt;
    }
    const QJsonObject& top = *parsed;
    const QJsonValue runs = top.value(RunsKey);
    if (!runs.isArray()) {
        return fail(QCoreApplication::translate("tp::halloffame::FameFile", "no list of runs"));
    }
    FameFileContents contents;
    const QJsonArray rows = runs.toArray();
    contents.runs.reserve(rows.size());
    for (const QJsonValue& value : rows) {
        bool changed = false;
        if (auto entry = Row(value, changed)) {
            contents.runs.append(std::move(*entry));
            contents.altered += changed ? 1 : 0;
        } else {
            ++contents.skipped;
        }
    }
    return contents;
}

QByteArray SerializeFameFile(const QList<Entry>& runs) {
    QJsonArray rows;
    for (const Entry& entry : runs) {
        QJsonObject row{{NameKey, StorableName(entry.name)},
                        {AmountKey, entry.amount},
                        {DebtKey, entry.debt},
                        {DateKey, entry.date},
                        {SeedKey, static_cast<qint64>(entry.seed)},
                        {DaysKey, entry.days}};
        if (!entry.journey.isEmpty()) {
            row.insert(JourneyKey, entry.journey);
        }
        rows.append(row);
    }
    const QJsonObject top{{VersionKey, FameFileVersion}, {RunsKey, rows}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

} // namespace tp::halloffame
