// SPDX-License-Identifier: MIT
#include "ui/toolkit/DateText.h"

namespace tp::ui {

QString ShortDateText(const QDate& date, const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        // QDate::toString(format) reads the format with the C locale: digits and "/" only.
        return date.toString(u"M/d/yy");
    }
    return locale.toString(date, QLocale::ShortFormat);
}

QString CurrentDateText() {
    return ShortDateText(QDate::currentDate(), QLocale());
}

} // namespace tp::ui
