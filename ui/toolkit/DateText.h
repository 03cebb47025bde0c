// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace tp::ui {

// `date` in the locale's short date format. The C/POSIX locale is no regional setting at
// all, so it gets "M/d/yy": month and day without leading zeros, two-digit year, "/".
QString ShortDateText(const QDate& date, const QLocale& locale);

// Today's local date in the default locale's short format.
QString CurrentDateText();

} // namespace tp::ui
