// SPDX-License-Identifier: MIT
#include "storage/JourneyId.h"

#include <QUuid>

namespace tp::storage {

QString NewJourneyId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

bool IsJourneyId(const QString& text) {
    if (text.isEmpty() || text.size() > 64) {
        return false;
    }
    for (const QChar c : text) {
        const bool hex = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                         (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
        if (!hex && c != QLatin1Char('-')) {
            return false;
        }
    }
    return true;
}

} // namespace tp::storage
