// SPDX-License-Identifier: MIT
#include "statistics/StatisticsFile.h"

#include "storage/VersionedJson.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

namespace tp::statistics {

namespace {

const QString CameHomeKey = QStringLiteral("cameHome");
const QString DiedKey = QStringLiteral("died");
const QString GivenUpKey = QStringLiteral("givenUp");
const QString BestAmountKey = QStringLiteral("bestAmount");
const QString TotalAmountKey = QStringLiteral("totalAmount");
const QString CurrentStreakKey = QStringLiteral("currentStreak");
const QString LongestStreakKey = QStringLiteral("longestStreak");
const QString DaysTravelledKey = QStringLiteral("daysTravelled");

} // namespace

std::optional<Statistics> ParseStatisticsFile(const QByteArray& bytes, QString* reason) {
    std::optional<QJsonObject> top =
        storage::ParseVersionedObject(bytes, StatisticsFileVersion, reason);
    if (!top) {
        return std::nullopt;
    }
    QString failure;
    storage::Fields fields(std::move(*top), failure);
    const auto count = [&fields](const QString& key) {
        return static_cast<std::int32_t>(
            fields.Integer(key, 0, std::numeric_limits<std::int32_t>::max()));
    };
    Statistics s;
    s.cameHome = count(CameHomeKey);
    s.died = count(DiedKey);
    s.givenUp = count(GivenUpKey);
    s.bestAmount = count(BestAmountKey);
    s.totalAmount = fields.Integer(TotalAmountKey, 0, MaxSum);
    s.currentStreak = count(CurrentStreakKey);
    s.longestStreak = count(LongestStreakKey);
    s.daysTravelled = fields.Integer(DaysTravelledKey, 0, MaxSum);
    fields.NothingElse();
    if (failure.isEmpty() && !Reachable(s)) {
        failure = QCoreApplication::translate("tp::statistics::StatisticsFile",
                                              "figures no journeys add up to");
    }
    if (!failure.isEmpty()) {
        if (reason != nullptr) {
            *reason = failure;
        }
        return std::nullopt;
    }
    return s;
}

QByteArray SerializeStatisticsFile(const Statistics& s) {
    const QJsonObject top{{QStringLiteral("version"), StatisticsFileVersion},
                          {CameHomeKey, s.cameHome},
                          {DiedKey, s.died},
                          {GivenUpKey, s.givenUp},
                          {BestAmountKey, s.bestAmount},
                          {TotalAmountKey, static_cast<qint64>(s.totalAmount)},
                          {CurrentStreakKey, s.currentStreak},
                          {LongestStreakKey, s.longestStreak},
                          {DaysTravelledKey, static_cast<qint64>(s.daysTravelled)}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

} // namespace tp::statistics
