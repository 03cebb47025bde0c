// SPDX-License-Identifier: MIT
#pragma once

#include "statistics/Statistics.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace tp::statistics {

// One figure as the player reads it: what it counts, in the player's language, and its value.
struct Figure {
    QString label;
    std::int64_t value = 0;
};

// The figures in the order the window and the terminal show them.
QList<Figure> ShownFigures(const Statistics& statistics);

} // namespace tp::statistics
