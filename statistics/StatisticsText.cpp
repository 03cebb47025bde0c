// SPDX-License-Identifier: MIT
#include "statistics/StatisticsText.h"

#include <QCoreApplication>

namespace tp::statistics {

QList<Figure> ShownFigures(const Statistics& s) {
    const auto say = [](const char* text) {
        return QCoreApplication::translate("tp::statistics::StatisticsText", text);
    };
    return {
        {say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsText", "走过的旅程")), s.played()},
        {say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsText", "回到故乡")), s.cameHome},
        {say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsText", "中途身亡")), s.died},
        {say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsText", "中途放弃")), s.givenUp},
        {say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsText", "最高金额")), s.bestAmount},
        {say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsText", "平均金额")), s.average()},
        {say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsText", "当前连续回乡")), s.currentStreak},
        {say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsText", "最长连续回乡")), s.longestStreak},
        {say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsText", "走过的天数")), s.daysTravelled},
    };
}

} // namespace tp::statistics
