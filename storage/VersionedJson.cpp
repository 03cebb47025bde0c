// SPDX-License-Identifier: MIT
#include "storage/VersionedJson.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

namespace tp::storage {

std::optional<QJsonObject> ParseVersionedObject(const QByteArray& bytes, int version,
                                                QString* reason) {
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
    const QJsonValue stated = top.value(QStringLiteral("version"));
    if (!stated.isDouble()) {
        return fail(QCoreApplication::translate("tp::storage::VersionedJson", "no format version"));
    }
    if (stated.toDouble() != version) {
        return fail(
            QCoreApplication::translate("tp::storage::VersionedJson", "unknown format version %1")
                .arg(stated.toDouble()));
    }
    return top;
}

} // namespace tp::storage
