// SPDX-License-Identifier: MIT
#pragma once

#include "statistics/Statistics.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tp::statistics {

// The statistics file: one JSON object of whole numbers,
//   {"version": 1, "cameHome": 3, "died": 1, "givenUp": 0, "bestAmount": 830000,
//    "totalAmount": 1200000, "currentStreak": 2, "longestStreak": 2, "daysTravelled": 200}
// every field required and none other allowed.
inline constexpr int StatisticsFileVersion = 1;

// The game writes a few hundred bytes: anything much larger was not written by it.
inline constexpr qint64 MaxStatisticsFileBytes = 4 * 1024;

// The figures the file holds; nothing, and why in `reason`, when it is not JSON, of another
// version, lacks a field or holds one the game does not write, or holds figures no journeys add
// up to.
std::optional<Statistics> ParseStatisticsFile(const QByteArray& bytes, QString* reason);

// The file's bytes for `statistics`: indented, UTF-8.
QByteArray SerializeStatisticsFile(const Statistics& statistics);

} // namespace tp::statistics
