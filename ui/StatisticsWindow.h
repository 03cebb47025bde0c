// SPDX-License-Identifier: MIT
#pragma once

#include "statistics/Statistics.h"

#include <QDialog>
#include <QString>

namespace tp::ui {

// The run statistics (统计): how many journeys came home, died or were given up, the best and
// the average homecoming, the streaks and the days travelled, a figure a line. `problem` (that
// the file was damaged, or could not keep this journey) is said plainly above them. Enter, Esc
// and the close box close it; show() leaves the game usable beside it, exec() waits for it.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(const statistics::Statistics& statistics, const QString& problem,
                     QWidget* parent = nullptr);
};

} // namespace tp::ui
