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

// A JSON number as a 32-bit amount: out-of-range values stop at the edge, fractions are cut
// toward zero. Sets `changed` when the stored value is not what was written.
std::optional<std::int32_t> Amount(const QJsonValue& value, bool& changed) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (!std::isfinite(number)) {
        return std::nullopt;
    }
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    const double clamped = std::trunc(std::clamp(number, lo, hi));
    changed = changed || clamped != number;
    return static_cast<std::int32_t>(clamped);
}

// A seed has to be exact: any other number would replay a different run.
std::optional<std::uint32_t> Seed(const QJsonValue& value) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (!(number >= 0 && number <= std::numeric_limits<std::uint32_t>::max()) ||
        std::trunc(number) != number) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

std::optional<QString> Date(const QJsonValue& value) {
    if (!value.isString()) {
        return std::nullopt;
    }
    const QString text = value.toString();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || date.toString(Qt::ISODate) != text) {
        return std::nullopt;
    }
    return text;
}

// Reads one row; nothing when a required field is missing or unusable.
std::optional<Entry> Row(const QJsonValue& value, bool& changed) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject row = value.toObject();
    const QJsonValue name = row.value(NameKey);
    const auto amount = Amount(row.value(AmountKey), changed);
    const auto debt = Amount(row.value(DebtKey), changed);
    const auto date = Date(row.value(DateKey));
    const auto seed = Seed(row.value(SeedKey));
    if (!name.isString() || !amount || !debt || !date || !seed) {
        return std::nullopt;
    }
    Entry entry;
    entry.name = StorableName(name.toString());
    changed = changed || entry.name != name.toString();
    entry.amount = *amount;
    entry.debt = *debt;
    entry.date = *date;
    entry.seed = *seed;
    const QJsonValue days = row.value(DaysKey);
    if (!days.isUndefined()) {
        bool daysChanged = false;
        const auto read = Amount(days, daysChanged);
        if (read && *read >= 0) {
            entry.days = *read;
        }
        changed = changed || daysChanged || !read || *read < 0;
    }
    const QJsonValue journey = row.value(JourneyKey);
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
