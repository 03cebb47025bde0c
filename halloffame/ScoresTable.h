// SPDX-License-Identifier: MIT
#pragma once

#include "halloffame/Entry.h"

#include <QList>
#include <QString>

namespace tp::halloffame {

// The table as plain text for a terminal (tidepeddler --scores): a heading line and the first
// `rows` of `ranked` (best first), columns aligned with Chinese characters counted as two
// columns, names made safe and cut. A line saying there are no runs yet when `ranked` is
// empty. Every line ends with a newline.
QString FormatScoresTable(const QList<Entry>& ranked, int rows = 10);

} // namespace tp::halloffame
