// SPDX-License-Identifier: MIT
#include "ui/toolkit/ApplicationTitle.h"

#include <QCoreApplication>
#include <QStringList>

namespace tp::ui {

QString ApplicationTitleFor(const QString& programPath) {
    qsizetype start = programPath.lastIndexOf(u'/') + 1;
    start = std::max(start, programPath.lastIndexOf(u'\\') + 1);
    QString name = programPath.mid(start);
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0) {
        name.truncate(dot);
    }
    if (name.isEmpty()) {
        return name;
    }
    // The first character may be a surrogate pair; it is kept as it is.
    const qsizetype first = name.at(0).isHighSurrogate() && name.size() > 1 ? 2 : 1;
    return name.left(first) + name.mid(first).toLower();
}

QString ApplicationTitle() {
    QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty()) {
        const QStringList arguments = QCoreApplication::arguments();
        path = arguments.isEmpty() ? QCoreApplication::applicationName() : arguments.first();
    }
    return ApplicationTitleFor(path);
}

} // namespace tp::ui
