// SPDX-License-Identifier: MIT
#include "storage/VersionedJson.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>

namespace tp::storage {

std::optional<QJsonObject> ParseVersionedObject(const QByteArray& bytes, int version,
                                                QString* reason) {
    int read = 0;
    return ParseVersionedObject(bytes, version, version, read, reason);
}

std::optional<QJsonObject> ParseVersionedObject(const QByteArray& bytes, int oldest, int newest,
                                                int& version, QString* reason) {
    auto fail = [reason](const QString& why) {
        if (reason != nullptr) {
            *reason = why;
        }
        return std::nullopt;
    };
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return fail(
            QCoreApplication::translate("tp::storage::VersionedJson", "not JSON: %1 at byte %2")
                .arg(error.errorString())
                .arg(error.offset));
    }
    if (!document.isObject()) {
        return fail(QCoreApplication::translate("tp::storage::VersionedJson", "not a JSON object"));
    }
    QJsonObject top = document.object();
    const QJsonValue stated = top.take(QStringLiteral("version"));
    if (!stated.isDouble()) {
        return fail(QCoreApplication::translate("tp::storage::VersionedJson", "no format version"));
    }
    const double number = stated.toDouble();
    if (number < oldest || number > newest || number != std::trunc(number)) {
        return fail(
            QCoreApplication::translate("tp::storage::VersionedJson", "unknown format version %1")
                .arg(number));
    }
    version = static_cast<int>(number);
    return top;
}

QJsonValue Fields::Read(const QString& key) {
    read_.insert(key);
    return object_.value(key);
}

QJsonValue Fields::Value(const QString& key) {
    return Read(key);
}

double Fields::Number(const QString& key) {
    const QJsonValue value = Read(key);
    if (!value.isDouble() || !std::isfinite(value.toDouble())) {
        Fail(key, QCoreApplication::translate("tp::storage::VersionedJson", "is not a number"));
        return 0;
    }
    return value.toDouble();
}

qint64 Fields::Integer(const QString& key, qint64 lowest, qint64 highest) {
    const QJsonValue value = Read(key);
    const double number = value.toDouble();
    // Every integer a kept file holds is well within a double's exact range.
    if (!value.isDouble() || !std::isfinite(number) || std::trunc(number) != number ||
        number < static_cast<double>(lowest) || number > static_cast<double>(highest)) {
        Fail(key, QCoreApplication::translate("tp::storage::VersionedJson",
                                              "is not a whole number from %1 to %2")
                      .arg(lowest)
                      .arg(highest));
        return lowest < 0 && highest > 0 ? 0 : lowest;
    }
    return static_cast<qint64>(number);
}

bool Fields::Boolean(const QString& key) {
    const QJsonValue value = Read(key);
    if (!value.isBool()) {
        Fail(key,
             QCoreApplication::translate("tp::storage::VersionedJson", "is not true or false"));
    }
    return value.toBool();
}

QString Fields::Text(const QString& key) {
    const QJsonValue value = Read(key);
    if (!value.isString()) {
        Fail(key, QCoreApplication::translate("tp::storage::VersionedJson", "is not a text"));
    }
    return value.toString();
}

QJsonArray Fields::Array(const QString& key) {
    const QJsonValue value = Read(key);
    if (!value.isArray()) {
        Fail(key, QCoreApplication::translate("tp::storage::VersionedJson", "is not a list"));
    }
    return value.toArray();
}

QJsonObject Fields::Object(const QString& key) {
    const QJsonValue value = Read(key);
    if (!value.isObject()) {
        Fail(key, QCoreApplication::translate("tp::storage::VersionedJson", "is not an object"));
    }
    return value.toObject();
}

void Fields::NothingElse() {
    for (auto field = object_.constBegin(); field != object_.constEnd(); ++field) {
        if (!read_.contains(field.key())) {
            return Fail(field.key(), QCoreApplication::translate("tp::storage::VersionedJson",
                                                                 "is not a field of this file"));
        }
    }
}

void Fields::Fail(const QString& key, const QString& what) {
    if (failure_.isEmpty()) {
        failure_ =
            QCoreApplication::translate("tp::storage::VersionedJson", "\"%1\" %2").arg(key, what);
    }
}

void Fields::FailNotAnObject(const QString& key) {
    failure_ = QCoreApplication::translate("tp::storage::VersionedJson",
                                           "\"%1\" holds something that is not an object")
                   .arg(key);
}

} // namespace tp::storage
